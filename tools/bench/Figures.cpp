#include "Figures.h"

#include <algorithm>

namespace brivane::bench {

double median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

void Figures::add(const std::string& name, double value, const std::string& unit) {
  figures_.push_back({name, value, unit});
}

void Figures::print(std::FILE* out) const {
  for (const Figure& figure : figures_)
    std::fprintf(out, "bench %s %.*f %s\n", figure.name.c_str(), figure.unit == "bytes" ? 0 : 3, figure.value,
                 figure.unit.c_str());
  std::fflush(out);
}

double Figures::value(const std::string& name) const {
  for (const Figure& figure : figures_)
    if (figure.name == name) return figure.value;
  return 0;
}

}  // namespace brivane::bench

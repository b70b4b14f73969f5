#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace brivane::bench {

double median(std::vector<double> samples);

// The figures of one run, printed one per line as "bench NAME VALUE UNIT".
class Figures {
 public:
  void add(const std::string& name, double value, const std::string& unit);
  void print(std::FILE* out) const;
  // The value of a figure added before; 0 when there is none.
  double value(const std::string& name) const;

 private:
  struct Figure {
    std::string name;
    double value;
    std::string unit;
  };
  std::vector<Figure> figures_;
};

}  // namespace brivane::bench

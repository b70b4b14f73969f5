#include "Scenarios.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "BenchSetup.h"
#include "ChildProcess.h"
#include "Figures.h"
#include "Floor.h"
#include "HDropData.h"
#include "MenuHost.h"
#include "Stopwatch.h"
#include "support/Handles.h"

namespace brivane::bench {
namespace {

constexpr int kRounds = 31;
constexpr int kColdRuns = 9;
constexpr int kLoadCycles = 21;
constexpr int kLargeRuns = 1;

struct Scale {
  int items;
  int runs;
};
constexpr Scale kScales[] = {{1000, 7}, {10000, 3}};

// One right-click on a fresh handler and menu; negative when the menu stayed empty.
double rightClickMs(IDataObject* data) {
  ComPtr<IShellExtInit> handler = createHandler();
  UniqueMenu popup(CreatePopupMenu());
  if (!handler || !popup) return -1;
  MenuResult result;
  const double ms = timeMs([&] { result = fillMenu(handler.get(), data, popup.get()); });
  return result.ok ? ms : -1;
}

double floorMs(const FloorPlan& plan, IDataObject* data) {
  UniqueMenu popup(CreatePopupMenu());
  bool ok = false;
  const double ms = timeMs([&] { ok = runFloor(plan, data, popup.get()); });
  return ok ? ms : -1;
}

struct Samples {
  std::vector<double> shipped, minimal, floor;
  bool complete() const { return !shipped.empty(); }
};

// Shipped core, minimal core and the floor, interleaved so that a busy moment hits all three alike.
Samples oneItemRounds(const RunOptions& options) {
  const std::wstring minimalFolder = minimalModuleFolder(options.benchFolder);
  const std::vector<std::wstring> one = itemPaths(options.benchFolder, 1);
  ComPtr<IDataObject> data(new HDropData(one));
  UniqueBitmap bitmap(CreateBitmap(16, 16, 1, 32, nullptr));
  const FloorPlan plan = plainFilePlan(one, bitmap.get());
  Samples samples;
  for (int round = 0; round < kRounds; ++round) {
    setModuleFolder(options.shippedFolder);
    const double shipped = rightClickMs(data.get());
    setModuleFolder(minimalFolder);
    const double minimal = rightClickMs(data.get());
    const double floor = floorMs(plan, data.get());
    if (shipped < 0 || minimal < 0 || floor < 0) return {};
    samples.shipped.push_back(shipped);
    samples.minimal.push_back(minimal);
    samples.floor.push_back(floor);
  }
  setModuleFolder(options.shippedFolder);
  return samples;
}

bool scaling(const RunOptions& options, Figures& figures) {
  for (const Scale& scale : kScales) {
    ComPtr<IDataObject> data(new HDropData(itemPaths(options.benchFolder, scale.items)));
    std::vector<double> samples;
    for (int run = 0; run < scale.runs; ++run) {
      samples.push_back(rightClickMs(data.get()));
      if (samples.back() < 0) return false;
    }
    figures.add("items_" + std::to_string(scale.items) + "_ms", median(samples), "ms");
  }
  return true;
}

// Medians of each value over `runs` child processes; false when one of them failed.
bool childMedians(const std::wstring& arguments, int runs, std::map<std::string, std::vector<double>>& values) {
  for (int run = 0; run < runs; ++run) {
    const std::map<std::string, double> printed = runChild(arguments);
    if (printed.empty()) return false;
    for (const auto& [name, value] : printed) values[name].push_back(value);
  }
  return true;
}

bool loadFigure(const std::wstring& library, const std::string& name, Figures& figures) {
  std::map<std::string, std::vector<double>> values;
  if (!childMedians(L"loads \"" + library + L"\" " + std::to_wstring(kLoadCycles), 1, values)) return false;
  figures.add(name, median(values["load_ms"]), "ms");
  return true;
}

bool childFigures(const RunOptions& options, Figures& figures) {
  std::map<std::string, std::vector<double>> cold;
  std::map<std::string, std::vector<double>> large;
  const std::wstring bench = L"\"" + options.benchFolder + L"\"";
  if (!childMedians(L"cold " + bench, kColdRuns, cold) ||
      !childMedians(L"large " + bench + L" \"" + options.shippedFolder + L"\"", kLargeRuns, large))
    return false;
  figures.add("cold_ms", median(cold["cold_ms"]), "ms");
  figures.add("items_100000_ms", median(large["rightclick_ms"]), "ms");
  figures.add("handoff_100000_ms", median(large["invoke_ms"]), "ms");
  figures.add("write_100000_ms", median(large["write_ms"]), "ms");
  figures.add("peak_100000_bytes", median(large["peak_bytes"]), "bytes");
  figures.add("document_100000_bytes", median(large["document_bytes"]), "bytes");
  const std::wstring minimalCore = minimalModuleFolder(options.benchFolder) + L"\\Brivane_Core.dll";
  return loadFigure(options.extension, "load_extension_ms", figures) &&
         loadFigure(options.shippedFolder + L"\\Brivane_Core.dll", "load_core_ms", figures) &&
         loadFigure(minimalCore, "load_minimal_core_ms", figures) &&
         loadFigure(options.crcOnly, "load_crc32_only_ms", figures);
}

void ratios(Figures& figures) {
  const auto ratio = [&figures](const char* name, const char* over, const char* under) {
    figures.add(name, figures.value(over) / figures.value(under), "x");
  };
  ratio("ratio_warm_floor", "warm_minimal_ms", "floor_ms");
  ratio("ratio_shipped_minimal", "warm_ms", "warm_minimal_ms");
  ratio("ratio_10k_1k", "items_10000_ms", "items_1000_ms");
  ratio("ratio_100k_10k", "items_100000_ms", "items_10000_ms");
  ratio("ratio_handoff_write", "handoff_100000_ms", "write_100000_ms");
  ratio("ratio_peak_document", "peak_100000_bytes", "document_100000_bytes");
}

}  // namespace

int runMain(const RunOptions& options) {
  if (!setModuleFolder(options.shippedFolder) || rightClickMs(ComPtr<IDataObject>(new HDropData(
                                                                   itemPaths(options.benchFolder, 1))).get()) < 0) {
    std::fprintf(stderr, "bench: the extension gives no menu for one item; is it installed?\n");
    return 1;
  }
  const Samples samples = oneItemRounds(options);
  Figures figures;
  if (!samples.complete()) {
    std::fprintf(stderr, "bench: a right-click or the floor failed\n");
    return 1;
  }
  figures.add("warm_ms", median(samples.shipped), "ms");
  figures.add("warm_minimal_ms", median(samples.minimal), "ms");
  figures.add("floor_ms", median(samples.floor), "ms");
  figures.add("items_1_ms", median(samples.shipped), "ms");
  if (!scaling(options, figures) || !childFigures(options, figures)) {
    std::fprintf(stderr, "bench: a scaling run or a child process failed\n");
    return 1;
  }
  ratios(figures);
  figures.print(stdout);
  return 0;
}

}  // namespace brivane::bench

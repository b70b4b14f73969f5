#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchSetup.h"
#include "Figures.h"
#include "HDropData.h"
#include "MenuHost.h"
#include "Scenarios.h"
#include "Stopwatch.h"
#include "support/Handles.h"

namespace brivane::bench {
namespace {

constexpr int kLargeSelection = 100000;

PROCESS_MEMORY_COUNTERS memoryCounters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return {};
  return counters;
}

ComPtr<IDataObject> dataOf(const std::vector<std::wstring>& paths) { return ComPtr<IDataObject>(new HDropData(paths)); }

// The hand-off files in `folder`, by full path.
std::vector<std::wstring> handOffFiles(const std::wstring& folder) {
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW((folder + L"\\qel_*.psa").c_str(), &found));
  if (!search) return files;
  do files.push_back(folder + L"\\" + found.cFileName);
  while (FindNextFileW(search.get(), &found));
  return files;
}

std::string readAll(const std::wstring& path) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return {};
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

// What writing the document costs at the least: one file created, one WriteFile, closed.
double plainWriteMs(const std::wstring& path, const std::string& bytes) {
  const double ms = timeMs([&] {
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  });
  DeleteFileW(path.c_str());
  return ms;
}

bool warmUp(const std::wstring& benchFolder) {
  ComPtr<IDataObject> one = dataOf(itemPaths(benchFolder, 1));
  ComPtr<IShellExtInit> handler = createHandler();
  UniqueMenu popup(CreatePopupMenu());
  return handler && fillMenu(handler.get(), one.get(), popup.get()).ok;
}

}  // namespace

int runCold(const std::wstring& benchFolder) {
  ComPtr<IDataObject> data = dataOf(itemPaths(benchFolder, 1));
  UniqueMenu popup(CreatePopupMenu());
  MenuResult result;
  const double ms = timeMs([&] {
    ComPtr<IShellExtInit> handler = createHandler();
    if (handler) result = fillMenu(handler.get(), data.get(), popup.get());
  });
  if (!result.ok) return 1;
  std::printf("cold_ms %.3f\n", ms);
  return 0;
}

int runLoads(const std::wstring& library, int count) {
  std::vector<double> samples;
  for (int cycle = 0; cycle < count; ++cycle) {
    bool loaded = false;
    samples.push_back(timeMs([&] { loaded = UniqueModule(LoadLibraryW(library.c_str())).get() != nullptr; }));
    if (!loaded) return 1;
  }
  std::printf("load_ms %.3f\n", median(samples));
  return 0;
}

int runLarge(const std::wstring& benchFolder, const std::wstring& shippedFolder) {
  const std::wstring handOffFolder = benchFolder + L"\\handoff";
  for (const std::wstring& stale : handOffFiles(handOffFolder)) DeleteFileW(stale.c_str());
  if (!setModuleFolder(shippedFolder) || !warmUp(benchFolder)) return 1;
  ComPtr<IDataObject> data = dataOf(itemPaths(benchFolder, kLargeSelection));
  UniqueMenu popup(CreatePopupMenu());
  ComPtr<IShellExtInit> handler = createHandler();
  // What the host holds now, not its high-water mark, which the freed list of paths has already raised.
  const std::size_t idle = memoryCounters().WorkingSetSize;
  MenuResult menu;
  const double rightClick = timeMs([&] { menu = fillMenu(handler.get(), data.get(), popup.get()); });
  // The application that receives the hand-off exits at once, so it does not compete for the CPU.
  setModuleFolder(minimalModuleFolder(benchFolder));
  HRESULT invoked = E_FAIL;
  const double invoke = timeMs([&] { invoked = invokeOffset(handler.get(), 0); });
  const std::size_t peak = memoryCounters().PeakWorkingSetSize;
  setModuleFolder(shippedFolder);
  const std::vector<std::wstring> written = handOffFiles(handOffFolder);
  if (!menu.ok || FAILED(invoked) || written.size() != 1) return 1;
  const std::string document = readAll(written.front());
  DeleteFileW(written.front().c_str());
  std::printf("rightclick_ms %.3f\ninvoke_ms %.3f\nwrite_ms %.3f\npeak_bytes %zu\ndocument_bytes %zu\n", rightClick,
              invoke, plainWriteMs(handOffFolder + L"\\plain-write.psa", document), peak - idle, document.size());
  return 0;
}

}  // namespace brivane::bench

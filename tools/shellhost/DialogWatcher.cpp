#include "DialogWatcher.h"

#include <objbase.h>

#include <algorithm>

#include "WindowAccess.h"

namespace brivane {
namespace {

constexpr DWORD kPollMs = 50;
// A dialog is handed on once it has been visible this long, so that its initialisation has run.
constexpr DWORD kSettleMs = 300;

}  // namespace

DialogWatcher::DialogWatcher(DWORD watchedThread, Handler handler)
    : watchedThread_(watchedThread), handler_(std::move(handler)), thread_([this] { run(); }) {}

DialogWatcher::~DialogWatcher() { finish(); }

size_t DialogWatcher::finish() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return seen_.size();
}

void DialogWatcher::run() {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  while (!stop_) {
    for (HWND dialog : threadWindowsOfClass(watchedThread_, L"#32770")) {
      if (std::find(seen_.begin(), seen_.end(), dialog) != seen_.end()) continue;
      Sleep(kSettleMs);
      if (!IsWindow(dialog)) continue;
      seen_.push_back(dialog);
      handler_(dialog, seen_.size() - 1);
    }
    Sleep(kPollMs);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace brivane

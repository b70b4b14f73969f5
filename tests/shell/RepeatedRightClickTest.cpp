#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "shell/ContextMenuSession.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

// Explorer keeps the extension for weeks: every right-click loads and frees the core library, and nothing
// of either may stay behind in the host.
namespace brivane {
namespace {

// How many TLS slots the process has left, taken one by one and given back. (The lowest free index alone
// would not show slots lost above it.)
std::size_t freeTlsSlots() {
  std::vector<DWORD> taken;
  for (DWORD index = TlsAlloc(); index != TLS_OUT_OF_INDEXES; index = TlsAlloc()) taken.push_back(index);
  for (DWORD index : taken) TlsFree(index);
  return taken.size();
}

SIZE_T privateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PrivateUsage;
}

TEST(RepeatedRightClicks, MoreRightClicksThanAProcessHasTlsSlotsLeaveNothingBehind) {
  testing::InstalledProduct product{BRIVANE_MODULE_DIR};
  const std::wstring file = product.files().file(L"a.txt");
  const auto rightClick = [&file] {
    testing::ContextMenuSession session({file});
    return session.ready() ? session.query() : E_FAIL;
  };
  const HRESULT menu = rightClick();
  ASSERT_GT(HRESULT_CODE(menu), 0);
  // The first clicks settle what a process keeps once: the shell's caches, the heap's first pages.
  for (int click = 0; click < 100; ++click) rightClick();
  const std::size_t tlsSlots = freeTlsSlots();
  const SIZE_T bytes = privateBytes();
  constexpr int kClicks = 2000;  // a process has 1,088 TLS slots
  int menus = 0;
  for (int click = 0; click < kClicks; ++click) menus += rightClick() == menu ? 1 : 0;
  EXPECT_EQ(menus, kClicks);
  EXPECT_EQ(freeTlsSlots(), tlsSlots);
  const SIZE_T grown = privateBytes() > bytes ? privateBytes() - bytes : 0;
  EXPECT_LT(grown, SIZE_T{4} << 20) << "private bytes grew by " << grown;
}

}  // namespace
}  // namespace brivane

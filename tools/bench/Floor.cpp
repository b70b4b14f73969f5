#include "Floor.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "protocol/Labels.h"
#include "protocol/CoreLibrary.h"
#include "protocol/ProtocolNode.h"
#include "support/Handles.h"

namespace brivane::bench {
namespace {

constexpr wchar_t kProductKey[] = L"Software\\Brivane";
constexpr wchar_t kHistoryKey[] = L"Software\\Brivane\\MRU_qelf";
constexpr UINT kFirstId = 0x7000;

bool readString(HKEY root, const wchar_t* key, const wchar_t* value, std::wstring& out) {
  wchar_t buffer[MAX_PATH];
  DWORD bytes = sizeof buffer;
  if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, buffer, &bytes) != ERROR_SUCCESS) return false;
  out = buffer;
  return true;
}

void readDword(const wchar_t* value) {
  DWORD data = 0;
  DWORD bytes = sizeof data;
  RegGetValueW(HKEY_CURRENT_USER, kHistoryKey, value, RRF_RT_REG_DWORD, nullptr, &data, &bytes);
}

bool selectionData(IDataObject* data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  return SUCCEEDED(medium.fill(data, format)) && LockedGlobal(medium.get().hGlobal).data() != nullptr;
}

bool askLabel(CoreEntryPoint entryPoint, const wchar_t* key) {
  ProtocolNode request(L"system", L"");
  ProtocolNode* query = ProtocolNode::addChild(&request, L"read_resource_string");
  query->findPath(L"file", true)->setString(L"palisorv3");
  query->findPath(L"path", true)->setString(key);
  ProtocolNode response;
  return entryPoint(&request, &response) >= 0 &&
         !response.findPath(L"read_resource_string_response.value", true)->getString().empty();
}

// One load of the core library, its entry point resolved and asked for `keys`; the library stays
// loaded as long as the result is held.
UniqueModule loadAndAsk(const std::vector<const wchar_t*>& keys) {
  std::wstring folder;
  if (!readString(HKEY_LOCAL_MACHINE, kProductKey, L"ModuleFolder", folder)) return {};
  UniqueModule core(LoadLibraryW((folder + L"\\Brivane_Core.dll").c_str()));
  auto generic = reinterpret_cast<void (*)()>(GetProcAddress(core.get(), kCoreEntryPointName));
  auto entryPoint = reinterpret_cast<CoreEntryPoint>(generic);
  if (!entryPoint) return {};
  for (const wchar_t* key : keys)
    if (!askLabel(entryPoint, key)) return {};
  return core;
}

bool fileQueries(const std::vector<std::wstring>& selection) {
  wchar_t startMenu[MAX_PATH];
  SHGetSpecialFolderPathW(nullptr, startMenu, CSIDL_STARTMENU, FALSE);
  for (const std::wstring& path : selection)
    if (!PathFileExistsW(path.c_str())) return false;
  WIN32_FIND_DATAW found;
  for (const std::wstring& path : selection)
    if (!UniqueFind(FindFirstFileW(path.c_str(), &found))) return false;
  return true;
}

void searchBeside(const std::wstring& first) {
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW((first.substr(0, first.rfind(L'\\') + 1) + L"*.qeld").c_str(), &found));
  while (search && FindNextFileW(search.get(), &found)) {
  }
}

void recentList() {
  readDword(L"max_history");
  readDword(L"max_qelf");
  readDword(L"max_history");
  std::wstring path;
  readString(HKEY_CURRENT_USER, kHistoryKey, L"1", path);
}

// Separator, two commands, two send submenus of one entry each, separator; pictures on all four.
bool insertMenu(HMENU menu, HBITMAP bitmap) {
  UINT position = 0;
  bool ok = InsertMenuW(menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  for (UINT id = kFirstId; id < kFirstId + 2; ++id) {
    ok = ok && InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING, id, L"Secure \"item\"");
    SetMenuItemBitmaps(menu, position++, MF_BYPOSITION, bitmap, bitmap);
  }
  for (UINT id = kFirstId + 2; id < kFirstId + 4; ++id) {
    UniqueMenu send(CreateMenu());
    ok = ok && InsertMenuW(send.get(), 0, MF_BYPOSITION | MF_STRING, id, L"...");
    ok = ok && InsertMenuW(menu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(send.get()), L"Send");
    if (ok) send.release();  // the menu owns it now
    SetMenuItemBitmaps(menu, position++, MF_BYPOSITION, bitmap, bitmap);
  }
  return ok && InsertMenuW(menu, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

}  // namespace

FloorPlan plainFilePlan(std::vector<std::wstring> selection, HBITMAP bitmap) {
  FloorPlan plan{std::move(selection), {{}}, bitmap};
  plan.loads.emplace_back(kFileLabelKeys.begin(), kFileLabelKeys.end());
  plan.loads.emplace_back(kFolderLabelKeys.begin(), kFolderLabelKeys.end());
  plan.loads.emplace_back(kMixedLabelKeys.begin(), kMixedLabelKeys.end());
  return plan;
}

// The first load is held to the end, as the menu's presence test holds it while the label sets are
// fetched with loads of their own.
bool runFloor(const FloorPlan& plan, IDataObject* data, HMENU menu) {
  if (!selectionData(data)) return false;
  const UniqueModule presence = loadAndAsk(plan.loads.front());
  if (!presence || !fileQueries(plan.selection)) return false;
  for (std::size_t load = 1; load < plan.loads.size(); ++load)
    if (!loadAndAsk(plan.loads[load])) return false;
  recentList();
  searchBeside(plan.selection.front());
  return insertMenu(menu, plan.bitmap);
}

}  // namespace brivane::bench

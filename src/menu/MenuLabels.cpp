#include "menu/MenuLabels.h"

#include "menu/ShortenText.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr std::wstring_view kPlaceholder = L"%%1%%";
constexpr std::size_t kLabelLimit = 70;

using Facts = const SelectionSummary&;
using Found = const Classification&;

bool always(Found, Facts) { return true; }
bool noSecuredFolderAmongFiles(Found, Facts summary) { return summary.qeldItems.empty(); }
bool securedFolderAmongFiles(Found, Facts summary) { return !summary.qeldItems.empty(); }
bool everyFileASecuredFolder(Found found, Facts summary) { return summary.qeldItems.size() == found.files.size(); }
bool notEveryFileASecuredFolder(Found found, Facts summary) { return !everyFileASecuredFolder(found, summary); }
bool oneSecuredFolder(Found, Facts summary) { return summary.allQeld && summary.qeldItems.size() == 1; }
bool severalSecuredFolders(Found, Facts summary) { return summary.allQeld && summary.qeldItems.size() > 1; }
bool oneSecuredFile(Found, Facts summary) { return summary.allQelf && summary.qelfItems.size() == 1; }
bool severalSecuredFiles(Found, Facts summary) { return summary.allQelf && summary.qelfItems.size() > 1; }
bool securedMixture(Found, Facts summary) { return !summary.allQeld && !summary.allQelf; }

using enum NameRule;
using enum MenuBitmap;

// Per case: the kind and the test within it; the primary and secondary entry; the convert entry; the
// two send submenus; the name in place of "%%1%%", the bitmap of the entries, whether labels are shortened.
// clang-format off
constexpr MenuLabelRow kRows[] = {
    {SingleFile, always,
     labelOf(L"contextmenu.efile.secure_single"), labelOf(L"contextmenu.efile.secure_single_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.efile.send_single"), labelOf(L"contextmenu.efile.send_single_as_copy"),
     DisplayName, File, true},
    {MultipleFiles, noSecuredFolderAmongFiles,
     labelOf(L"contextmenu.efile.secure_multiple"), labelOf(L"contextmenu.efile.secure_multiple_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.efile.send_multiple"), labelOf(L"contextmenu.efile.send_multiple_as_copy"),
     None, File, true},
    {MultipleFiles, securedFolderAmongFiles,
     labelOf(L"contextmenu.efile.secure_multiple"), labelOf(L"contextmenu.efile.secure_multiple_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.emix.send"), labelOf(L"contextmenu.emix.send_as_copy"),
     None, File, true},
    {SingleFolder, always,
     labelOf(L"contextmenu.efolder.secure_single"), labelOf(L"contextmenu.efolder.secure_single_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.efolder.send_single"), labelOf(L"contextmenu.efolder.send_single_as_copy"),
     DisplayName, Folder, true},
    {MultipleFolders, always,
     labelOf(L"contextmenu.efolder.secure_multiple"), labelOf(L"contextmenu.efolder.secure_multiple_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.efolder.send_multiple"), labelOf(L"contextmenu.efolder.send_multiple_as_copy"),
     None, Folder, true},
    {Mixed, everyFileASecuredFolder,
     labelOf(L"contextmenu.efolder.secure_multiple"), labelOf(L"contextmenu.efolder.secure_multiple_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.efolder.send_multiple"), labelOf(L"contextmenu.efolder.send_multiple_as_copy"),
     None, Folder, true},
    {Mixed, notEveryFileASecuredFolder,
     labelOf(L"contextmenu.emix.secure"), labelOf(L"contextmenu.emix.secure_as_copy"),
     std::nullopt,
     labelOf(L"contextmenu.emix.send"), labelOf(L"contextmenu.emix.send_as_copy"),
     None, Folder, true},
    {Secured, oneSecuredFolder,
     labelOf(L"contextmenu.efile.unsecure_single"), labelOf(L"contextmenu.efile.unsecure_single_to"),
     labelOf(L"contextmenu.eff.convert_file_to_exe"),
     labelOf(L"contextmenu.efolder.send_single"), labelOf(L"contextmenu.efolder.send_single_as_copy"),
     OneSecuredFolder, Folder, false},
    {Secured, severalSecuredFolders,
     labelOf(L"contextmenu.efolder.unsecure_multiple"), labelOf(L"contextmenu.efolder.unsecure_multiple_to"),
     labelOf(L"contextmenu.eff.convert_folders_to_exe"),
     labelOf(L"contextmenu.efolder.send_multiple"), labelOf(L"contextmenu.efolder.send_multiple_as_copy"),
     None, Folder, false},
    {Secured, oneSecuredFile,
     labelOf(L"contextmenu.efile.unsecure_single"), labelOf(L"contextmenu.efile.unsecure_single_to"),
     labelOf(L"contextmenu.eff.convert_file_to_exe"),
     labelOf(L"contextmenu.efile.send_single"), labelOf(L"contextmenu.efile.send_single_as_copy"),
     OneSecuredFile, File, false},
    {Secured, severalSecuredFiles,
     labelOf(L"contextmenu.efile.unsecure_multiple"), labelOf(L"contextmenu.efile.unsecure_multiple_to"),
     labelOf(L"contextmenu.eff.convert_files_to_exe"),
     labelOf(L"contextmenu.efile.send_multiple"), labelOf(L"contextmenu.efile.send_multiple_as_copy"),
     None, File, true},
    {Secured, securedMixture,
     labelOf(L"contextmenu.emix.unsecure_files_folders"), labelOf(L"contextmenu.emix.unsecure_files_folders_to"),
     labelOf(L"contextmenu.eff.convert_files_folders_to_exe"),
     labelOf(L"contextmenu.emix.send"), labelOf(L"contextmenu.emix.send_as_copy"),
     None, File, false},
};
// clang-format on

// The item's name without the final extension, cut only when it is spelt exactly so.
std::wstring securedItemName(const std::wstring& path, std::wstring_view extension) {
  std::wstring name = fileNameOf(path, false);
  if (name.ends_with(extension)) name.erase(name.size() - extension.size());
  return name;
}

std::wstring nameFor(NameRule rule, const std::vector<std::wstring>& selection, const SelectionSummary& summary) {
  switch (rule) {
    case None:
      return {};
    case DisplayName:
      return displayName(selection);
    case OneSecuredFolder:
      return securedItemName(summary.qeldItems.front(), L".qeld");
    case OneSecuredFile:
      return securedItemName(summary.qelfItems.front(), L".qelf");
  }
  return {};
}

std::wstring withName(const std::wstring& label, const std::wstring& name) {
  std::wstring text;
  text.reserve(label.size());
  std::size_t done = 0;
  for (std::size_t found = label.find(kPlaceholder); found != std::wstring::npos;
       found = label.find(kPlaceholder, done)) {
    text.append(label, done, found - done).append(name);
    done = found + kPlaceholder.size();
  }
  return text.append(label, done);
}

class RowTexts {
 public:
  RowTexts(const MenuLabelRow& row, const MenuLabelSets& sets, std::wstring name)
      : row_(row), sets_(sets), name_(std::move(name)) {}

  std::wstring operator()(LabelRef label) const {
    const std::wstring& fetched = sets_[static_cast<std::size_t>(label.set)][label.index];
    const std::wstring named = row_.name == None ? fetched : withName(fetched, name_);
    return row_.shortened ? shortenLabel(named, kLabelLimit) : named;
  }

 private:
  const MenuLabelRow& row_;
  const MenuLabelSets& sets_;
  std::wstring name_;
};

}  // namespace

std::span<const MenuLabelRow> menuLabelRows() { return kRows; }

const MenuLabelRow* findMenuLabelRow(MenuKind kind, const Classification& classification,
                                     const SelectionSummary& summary) {
  for (const MenuLabelRow& row : kRows)
    if (row.kind == kind && row.applies(classification, summary)) return &row;
  return nullptr;
}

MenuTexts menuTextsOf(const MenuLabelRow& row, const MenuLabelSets& sets, const std::vector<std::wstring>& selection,
                      const SelectionSummary& summary) {
  const RowTexts text(row, sets, nameFor(row.name, selection, summary));
  std::optional<std::wstring> convert;
  if (row.convert) convert = text(*row.convert);
  return {text(row.primary), text(row.secondary), std::move(convert), text(row.send), text(row.sendCopy)};
}

}  // namespace brivane

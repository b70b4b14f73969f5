#!/usr/bin/env bash
# The demo: installs the product's package with msiexec into a Wine prefix of its own, right-clicks
# sample items with the Explorer stand-in, runs commands, drops items onto a secured folder, opens a
# secured file's property page, prints what the product's application received, and removes the product
# again with msiexec. Screenshots go to build/demo/.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
demo=$build/demo
export WINEPREFIX=$demo/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

winpath() { echo "Z:${1//\//\\}"; }
bin=$build/bin
shellhost() { wine "$bin/shellhost.exe" "$@" </dev/null; }

mkdir -p "$demo"
[ -f "$WINEPREFIX/system.reg" ] || "$(dirname "$0")/bootstrap.sh"
. "$(dirname "$0")/wine-session.sh"
start_wine_session display

# Sample items, beside each other as a user would have them.
samples=$WINEPREFIX/drive_c/Demo
rm -rf "$samples" && mkdir -p "$samples/Reports"
printf 'Quarterly figures\n' > "$samples/R&D notes.txt"
printf 'Minutes\n' > "$samples/Reports/minutes.txt"
printf 'secured file\n' > "$samples/plan.qelf"
printf 'secured folder\n' > "$samples/Vault.qeld"
printf 'to drop\n' > "$samples/photo.jpg"
printf 'to drop\n' > "$samples/budget.xls"
journal=$samples/journal.txt
S='C:\Demo'

package=$(ls -t "$build"/package/Brivane-*-x64.msi | head -n 1)
echo "== Installing $(basename "$package") with msiexec /i /qn into $WINEPREFIX"
wine msiexec /i "$(winpath "$package")" /qn </dev/null
wine reg query 'HKLM\Software\Brivane' </dev/null | grep ModuleFolder
# The substitute application journals what it receives where this value says; the package writes none.
wine reg add 'HKLM\Software\Brivane' /v JournalFile /d "$S\\journal.txt" /f >/dev/null 2>&1 </dev/null

show_menu() {
  echo
  echo "== Right-click: $*"
  shellhost menu "$@"
}
show_menu "$S\\R&D notes.txt"
show_menu "$S\\Reports"
show_menu "$S\\R&D notes.txt" "$S\\Reports"
show_menu "$S\\plan.qelf"
show_menu "$S\\Vault.qeld"

# 32-bit programs (their Open and Save dialogs) read the 32-bit registry view, where the package registered
# the 32-bit extension; the 32-bit Explorer stand-in right-clicks as such a program, where Wine runs 32-bit
# programs (this machine's kernel may run no 32-bit code: Wine then cannot start it, and says so).
echo
echo "== What 32-bit programs find (the 32-bit registry view)"
wine reg query 'HKCR\CLSID\{AAFA3869-C27B-4D5C-A007-5D5F7848077C}\InProcServer32' /ve /reg:32 </dev/null | grep REG_SZ
wine reg query 'HKLM\Software\Brivane' /v ModuleFolder /reg:32 </dev/null | grep ModuleFolder
echo
echo "== Right-click from a 32-bit program: $S\\R&D notes.txt"
wine "$build/x86/bin/shellhost.exe" menu "$S\\R&D notes.txt" </dev/null \
  || echo "(the 32-bit Explorer stand-in did not run: this Wine runs no 32-bit programs)"

echo
echo "== Secure \"R&D notes.txt\" (offset 0) and send it into the nearby Vault.qeld (offset 2)"
shellhost menu "$S\\R&D notes.txt" --invoke 0 >/dev/null
shellhost menu "$S\\R&D notes.txt" --invoke 2 >/dev/null

echo
echo "== Drop photo.jpg and budget.xls onto Vault.qeld, then again with Ctrl"
shellhost drop "$S\\Vault.qeld" "$S\\photo.jpg" "$S\\budget.xls"
shellhost drop "$S\\Vault.qeld" "$S\\photo.jpg" "$S\\budget.xls" --ctrl

echo
echo "== Properties of plan.qelf, pressing its button"
shellhost properties "$S\\plan.qelf" --press-button --screenshot "$(winpath "$demo/property-page.png")"

echo
echo "== Screenshot of the menu of R&D notes.txt with its send submenu open"
shellhost menu "$S\\R&D notes.txt" --screenshot "$(winpath "$demo/menu.png")" >/dev/null

# Diagnostics: the check on the healthy install, then with one label removed from the product's texts
# (found through the installed "ModuleFolder"), which is restored afterwards.
module=$(wine reg query 'HKLM\Software\Brivane' /v ModuleFolder </dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
brivane_check() { wine "$module\\brivane-check.exe" "$@" </dev/null; }
echo
echo "== brivane-check (installed with the product) on the healthy install, with a right-click on R&D notes.txt"
brivane_check "$S\\R&D notes.txt"
texts=$(winepath -u "$module\\palisorv3.txt" 2>/dev/null)
cp "$texts" "$demo/palisorv3.txt.saved"
sed -i '/^contextmenu.efile.send_single=/d' "$texts"
echo
echo "== brivane-check after removing contextmenu.efile.send_single from $texts"
status=0
brivane_check "$S\\R&D notes.txt" || status=$?
mv "$demo/palisorv3.txt.saved" "$texts"
echo "(exit status $status; the label is restored)"
[ "$status" = 1 ] || { echo "brivane-check did not report the broken link" >&2; exit 1; }

# The application runs on its own; give it a moment to journal the last hand-off.
for _ in $(seq 50); do
  [ "$(grep -c '^hand-off$' "$journal" 2>/dev/null || echo 0)" -ge 5 ] && break
  sleep 0.2
done
echo
echo "== What the application received ($journal)"
cat "$journal"
echo
echo "== Removing the product with msiexec /x /qn"
wine reg delete 'HKLM\Software\Brivane' /v JournalFile /f >/dev/null 2>&1 </dev/null
wine msiexec /x "$(winpath "$package")" /qn </dev/null
if wine reg query 'HKLM\Software\Brivane' >/dev/null 2>&1 </dev/null || [ -e "$WINEPREFIX/drive_c/Program Files/Brivane" ]; then
  echo "the product was not removed completely" >&2
  exit 1
fi
echo "Brivane removed: no C:\Program Files\Brivane, no HKLM\Software\Brivane"
echo
echo "Screenshots: $demo/menu.png $demo/property-page.png"

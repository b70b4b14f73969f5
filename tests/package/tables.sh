#!/usr/bin/env bash
# Reads the package's tables back with msiinfo: the properties, components, files, registry rows,
# upgrade rows and actions that the package tests and an installation rely on.
# Usage: tables.sh PACKAGE.msi VERSION
set -uo pipefail

msi=$1
version=$2
failures=0

# A table the package lacks reads as empty.
table() { msiinfo export "$msi" "$1" 2>/dev/null | tr -d '\r'; }

# expect TABLE LINE: the table holds a row exactly as given (columns separated by tabs).
expect() {
  if ! table "$1" | grep -qxF -- "$2"; then
    echo "missing from $1: $2"
    failures=$((failures + 1))
  fi
}

# expect_rows TABLE N: the table holds N rows (after its three header lines).
expect_rows() {
  local rows
  rows=$(table "$1" | tail -n +4 | grep -c . || true)
  if [ "$rows" != "$2" ]; then
    echo "$1 holds $rows rows, not $2"
    failures=$((failures + 1))
  fi
}

tab=$'\t'
clsid='{AAFA3869-C27B-4D5C-A007-5D5F7848077C}'

expect Property "ProductName${tab}Brivane"
expect Property "Manufacturer${tab}Brivane"
expect Property "ProductVersion${tab}$version"
expect Property "ALLUSERS${tab}1"
expect Property "ARPPRODUCTICON${tab}Brivane.ico"
msiinfo streams "$msi" | grep -qxF Icon.Brivane.ico || { echo "no product icon"; failures=$((failures + 1)); }
# A silent upgrade or uninstall never closes Explorer, which holds the extension; every run keeps a log.
expect Property "MSIRESTARTMANAGERCONTROL${tab}DisableShutdown"
expect Property "MsiLogging${tab}voicewarmupx"

# Six 64-bit components (256), and four 32-bit ones (0) in the x86 folder; those kept by a registry value add 4.
expect Component "Extension${tab}{5F02CE29-7973-4C4A-AF18-57A7163D541C}${tab}INSTALLDIR${tab}256${tab}${tab}BrivaneShell.dll"
expect Component "Core${tab}{5A776AFE-B0B2-489D-8C0A-690BD5DEB2D2}${tab}INSTALLDIR${tab}256${tab}${tab}Brivane_Core.dll"
expect Component "Application${tab}{6B6D17B1-6BC1-4F1C-86A5-8079DFFBF3B4}${tab}INSTALLDIR${tab}256${tab}${tab}Application.exe"
expect Component "Diagnostics${tab}{0C5E8B2A-4F1D-4E3B-9A57-2D8C6E1F4B93}${tab}INSTALLDIR${tab}256${tab}${tab}brivane_check.exe"
expect Component "ExtensionX86${tab}{45199928-30FB-410B-A0C7-0CBAAD813386}${tab}X86DIR${tab}0${tab}${tab}BrivaneShell.x86.dll"
expect Component "CoreX86${tab}{A916C80B-82D0-411A-8F19-B1BB34AF922F}${tab}X86DIR${tab}0${tab}${tab}Brivane_Core.x86.dll"
expect Component "ApplicationX86${tab}{CB71963F-43DA-4AB2-BB70-8C44C4F0C769}${tab}X86DIR${tab}0${tab}${tab}Application.x86.exe"
table Component | grep -q "^MachineSettingsX86${tab}{[0-9A-F-]*}${tab}X86DIR${tab}4${tab}" \
  || { echo "component MachineSettingsX86 is not a 32-bit registry-kept component in X86DIR"; failures=$((failures + 1)); }
expect_rows Component 10
for component in FileTypes:INSTALLDIR MachineSettings:INSTALLDIR; do
  table Component | grep -q "^${component%:*}${tab}{[0-9A-F-]*}${tab}${component#*:}${tab}260${tab}" \
    || { echo "component ${component%:*} is not a 64-bit registry-kept component in ${component#*:}"; failures=$((failures + 1)); }
done
expect Directory "INSTALLDIR${tab}ProgramFiles64Folder${tab}Brivane"
expect Directory "X86DIR${tab}INSTALLDIR${tab}x86"
# Nothing per user: no folder in a user's profile, made or removed, and no per-user registry row
# (root 1, HKCU; -1 would be HKCU for a per-user installation), written or removed.
table Directory | cut -f2 | grep -qE '^(LocalAppDataFolder|AppDataFolder)$' \
  && { echo "a folder in the installing user's profile"; failures=$((failures + 1)); }
expect_rows CreateFolder 0
expect_rows RemoveFile 0
expect_rows RemoveRegistry 0
table Registry | tail -n +4 | cut -f2 | grep -qxE -- '-?1' \
  && { echo "a per-user registry row"; failures=$((failures + 1)); }

# Files (columns: File, Component_, FileName, FileSize, Version, Language, Attributes, Sequence). The
# programs and DLLs carry the package's version in their File row, so Windows Installer compares
# versions and not hashes; a versioned file has no MsiFileHash row, an unversioned one has.
# Each 32-bit file is in the x86 folder's component, beside its 64-bit namesake.
expect_rows File 9
file_row() {
  table File | tail -n +4 | awk -F'\t' -v name="$1" -v component="$2" '{ n = $3; sub(/.*\|/, "", n) } n == name && $2 == component'
}
for entry in BrivaneShell.dll:Extension Brivane_Core.dll:Core Brivane_Application_Palisor_Against_Lib.exe:Application \
             brivane-check.exe:Diagnostics palisorv3.txt:Core BrivaneShell.dll:ExtensionX86 Brivane_Core.dll:CoreX86 \
             Brivane_Application_Palisor_Against_Lib.exe:ApplicationX86 palisorv3.txt:CoreX86; do
  file=${entry%:*}
  row=$(file_row "$file" "${entry#*:}")
  [ -n "$row" ] || { echo "no file $file in component ${entry#*:}"; failures=$((failures + 1)); continue; }
  case $file in
    *.dll | *.exe) want_version=$version.0 want_language=1033 want_hashes=0 ;;
    *) want_version='' want_language='' want_hashes=1 ;;
  esac
  [ "$(cut -f5,6 <<<"$row")" = "$want_version${tab}$want_language" ] \
    || { echo "file $file has version and language '$(cut -f5,6 <<<"$row")'"; failures=$((failures + 1)); }
  hashes=$(table MsiFileHash | tail -n +4 | cut -f1 | grep -cxF "$(cut -f1 <<<"$row")" || true)
  [ "$hashes" = "$want_hashes" ] || { echo "file $file has $hashes hash rows"; failures=$((failures + 1)); }
done

# Registration and settings rows (columns: Registry, Root, Key, Name, Value, Component_).
registry() { table Registry | cut -f2-6; }
expect_registry() {
  registry | grep -qxF -- "$1" || { echo "no registry row: $1"; failures=$((failures + 1)); }
}
expect_registry "0${tab}CLSID\\$clsid\\InProcServer32${tab}${tab}[#BrivaneShell.dll]${tab}Extension"
expect_registry "0${tab}CLSID\\$clsid\\InProcServer32${tab}ThreadingModel${tab}Apartment${tab}Extension"
expect_registry "0${tab}*\\shellex\\ContextMenuHandlers\\BrivanePalisor${tab}${tab}$clsid${tab}Extension"
expect_registry "2${tab}Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved${tab}$clsid${tab}BrivanePalisor${tab}Extension"
expect_registry "2${tab}Software\\Brivane${tab}ModuleFolder${tab}[INSTALLDIR]${tab}MachineSettings"
# The 32-bit extension's rows: its class, its approval and its ModuleFolder, in the 32-bit view (their
# component is 32-bit); the handler lists and file types have no 32-bit rows.
expect_registry "0${tab}CLSID\\$clsid${tab}${tab}BRIVANE SHELLEXTENSION${tab}ExtensionX86"
expect_registry "0${tab}CLSID\\$clsid\\InProcServer32${tab}${tab}[#BrivaneShell.x86.dll]${tab}ExtensionX86"
expect_registry "0${tab}CLSID\\$clsid\\InProcServer32${tab}ThreadingModel${tab}Apartment${tab}ExtensionX86"
expect_registry "2${tab}Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved${tab}$clsid${tab}BrivanePalisor${tab}ExtensionX86"
expect_registry "2${tab}Software\\Brivane${tab}ModuleFolder${tab}[X86DIR]${tab}MachineSettingsX86"
expect_rows Registry 21

# Major upgrade: older versions and rebuilds of this one (1 migrate features + 512 maximum included)
# are removed first; a newer version is only detected, and blocks the installation.
upgrade_code='{443C1B8B-7D71-4FCC-AB23-AC0DB2B79DB7}'
expect Upgrade "$upgrade_code${tab}${tab}$version${tab}${tab}513${tab}${tab}WIX_UPGRADE_DETECTED"
expect Upgrade "$upgrade_code${tab}$version${tab}${tab}${tab}2${tab}${tab}WIX_DOWNGRADE_DETECTED"
expect_rows Upgrade 2
expect Property "UpgradeCode${tab}$upgrade_code"
expect LaunchCondition "NOT WIX_DOWNGRADE_DETECTED${tab}A newer version of Brivane is already installed."
for action in FindRelatedProducts RemoveExistingProducts RemoveRegistryValues RemoveFiles InstallFiles \
              WriteRegistryValues RegisterProduct PublishProduct; do
  table InstallExecuteSequence | cut -f1 | grep -qxF "$action" \
    || { echo "InstallExecuteSequence lacks $action"; failures=$((failures + 1)); }
done
# The registration is authored, so the package runs no code of its own: its one custom action sets
# the folder Add/Remove Programs shows (type 51, a property), after CostFinalize has resolved it and
# before the product is registered.
expect CustomAction "SetInstallLocation${tab}51${tab}ARPINSTALLLOCATION${tab}[INSTALLDIR]${tab}"
expect_rows CustomAction 1
sequence() { table InstallExecuteSequence | awk -F'\t' -v action="$1" '$1 == action { print $3 }'; }
location=$(sequence SetInstallLocation)
if [ -z "$location" ] || [ "$location" -le "$(sequence CostFinalize)" ] || [ "$location" -ge "$(sequence RegisterProduct)" ]; then
  echo "SetInstallLocation is sequenced at '$location', not between CostFinalize and RegisterProduct"
  failures=$((failures + 1))
fi

msiinfo suminfo "$msi" | grep -qxF "Template: x64;1033" || { echo "not an x64 package"; failures=$((failures + 1)); }

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) of $msi failed"
  exit 1
fi
echo "the tables of $msi hold what an installation relies on"

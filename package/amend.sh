#!/usr/bin/env bash
# Adds to a package built by wixl what wixl cannot author:
# - the version and language of every versioned file (the programs and DLLs, whose version resource
#   carries the package's version), which wixl leaves empty; Windows Installer then compares versions,
#   not hashes, when it decides whether to replace a file, and a versioned file must have no hash row;
# - ARPINSTALLLOCATION, the installation folder shown in Add/Remove Programs, set once the folders are
#   resolved (WiX's SetProperty: wixl sequences its custom actions after InstallFinalize, too late);
# - a major upgrade that also replaces a package of the same version (WiX's AllowSameVersionUpgrades),
#   so a rebuilt package never installs beside the one it rebuilds.
# Usage: amend.sh PACKAGE.msi VERSION UPGRADE-CODE
set -euo pipefail

msi=$1
version=$2
upgrade_code=$3

# The File table's keys of the programs and DLLs (FileName is "SHORT|long" or just the name).
versioned_files() {
  msiinfo export "$msi" File | tr -d '\r' | tail -n +4 \
    | awk -F'\t' '{ name = $3; sub(/.*\|/, "", name) } tolower(name) ~ /\.(dll|exe)$/ { print $1 }'
}

# Version resources give four numbers; the project's version has three.
file_version=$version.0
queries=()
for key in $(versioned_files); do
  queries+=(-q "UPDATE \`File\` SET \`Version\` = '$file_version', \`Language\` = '1033' WHERE \`File\` = '$key'")
  queries+=(-q "DELETE FROM \`MsiFileHash\` WHERE \`File_\` = '$key'")
done

# Custom action type 51 sets a property; 1001 follows CostFinalize (1000), which resolves INSTALLDIR.
# Upgrade attributes: 1 migrate features, 512 the maximum version is included.
msibuild "$msi" "${queries[@]}" \
  -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('SetInstallLocation', 51, 'ARPINSTALLLOCATION', '[INSTALLDIR]')" \
  -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('SetInstallLocation', 1001)" \
  -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
  -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) VALUES ('$upgrade_code', '$version', 513, 'WIX_UPGRADE_DETECTED')"

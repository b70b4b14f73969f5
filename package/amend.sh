#!/usr/bin/env bash
# Adds to a package built by wixl what wixl cannot author:
# - a registry row that removes the whole per-user key HKCU\Software\Brivane on uninstall (the
#   extension's own list of recent secured folders included), which WiX writes as a RemoveRegistryKey;
# - on uninstall, the hand-off files the application never took and the per-user folder "Brivane" that
#   holds the hand-off folder (WiX: RemoveFile, and a RemoveFolder naming another directory);
# - a major upgrade that also replaces a package of the same version (WiX's AllowSameVersionUpgrades),
#   so a rebuilt package never installs beside the one it rebuilds.
# Usage: amend.sh PACKAGE.msi VERSION UPGRADE-CODE
set -euo pipefail

msi=$1
version=$2
upgrade_code=$3

# Upgrade attributes: 1 migrate features, 512 the maximum version is included.
msibuild "$msi" \
  -q "INSERT INTO \`Registry\` (\`Registry\`, \`Root\`, \`Key\`, \`Name\`, \`Component_\`) VALUES ('UserKey', 1, 'Software\\Brivane', '-', 'UserSettings')" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`FileName\`, \`DirProperty\`, \`InstallMode\`) VALUES ('RemoveHandOffFiles', 'UserSettings', 'qel_*.psa', 'HandOffFolder', 2)" \
  -q "INSERT INTO \`RemoveFile\` (\`FileKey\`, \`Component_\`, \`DirProperty\`, \`InstallMode\`) VALUES ('RemoveUserDataFolder', 'UserSettings', 'UserDataFolder', 2)" \
  -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
  -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) VALUES ('$upgrade_code', '$version', 513, 'WIX_UPGRADE_DETECTED')"

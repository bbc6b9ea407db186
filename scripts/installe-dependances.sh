#!/usr/bin/env bash
# Installe les paquets Debian nécessaires ; ne fait rien s'ils sont déjà là.
set -euo pipefail

PAQUETS=(
  cmake ninja-build g++ ccache
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libsqlite3-dev sqlite3
  mdbtools-dev mdbtools pkg-config
  fontconfig fonts-dejavu-core
  poppler-utils
  clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream
)

manquants=()
for p in "${PAQUETS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    manquants+=("$p")
  fi
done

if [ ${#manquants[@]} -eq 0 ]; then
  exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${manquants[@]}"

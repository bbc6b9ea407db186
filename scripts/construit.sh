#!/usr/bin/env bash
# Installe les dépendances puis construit le programme (dossier build/programme).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/installe-dependances.sh"
dossier="${QUORVANE_BUILD:-$racine/build}"
if [ ! -f "$dossier/build.ninja" ]; then
  cmake -S "$racine" -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$dossier" -j "$(nproc)"

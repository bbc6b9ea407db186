#!/usr/bin/env bash
# Construit puis lance tous les tests (fenêtres hors écran).
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/construit.sh"
cd "${QUORVANE_BUILD:-$racine/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
# Le paquet Debian : construit, vérifié, installé dans une racine jetable (une dizaine de secondes).
"$racine/scripts/verifie-paquet.sh"

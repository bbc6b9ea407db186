#!/usr/bin/env bash
# Construit puis démarre Quorvane sur les bases livrées avec lui.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/construit.sh"
exec "${QUORVANE_BUILD:-$racine/build}/programme/quorvane" "$@"

#!/usr/bin/env bash
# Construit puis lance tous les tests (fenêtres hors écran), puis les tests du cœur sous
# AddressSanitizer et UndefinedBehaviorSanitizer, puis chaque cible libFuzzer 30 s sur son corpus.
# QUORVANE_TESTS_RAPIDES=1 ne lance que la suite ordinaire.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/construit.sh"
dossier="${QUORVANE_BUILD:-$racine/build}"
(cd "$dossier" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@")
# Le paquet Debian : construit, vérifié, installé dans une racine jetable (une dizaine de secondes).
"$racine/scripts/verifie-paquet.sh"

if [ "${QUORVANE_TESTS_RAPIDES:-0}" = "1" ]; then
  exit 0
fi

cd "$racine"
# Qt n'est pas instrumenté : ses allocations gardées jusqu'à la fin ne sont pas des fuites à nous.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
[ -f build-sanitiseurs/build.ninja ] || cmake --preset sanitiseurs
cmake --build build-sanitiseurs -j "$(nproc)" --target tests_coeur
# L'extension NOMFR se charge dans le sqlite3 du système, qui n'est pas instrumenté : hors de ce passage.
(cd build-sanitiseurs && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -L coeur -E test_extension_nomfr)

[ -f build-fuzz/build.ninja ] || cmake --preset fuzz
cmake --build build-fuzz -j "$(nproc)" --target fuzz_des fuzz_competences fuzz_dons
for cible in des competences dons; do
  travail="$(mktemp -d)"
  cp fuzz/corpus/"$cible"/* "$travail"/
  echo "Fuzz $cible : 30 s"
  build-fuzz/fuzz/fuzz_"$cible" -max_total_time=30 -print_final_stats=1 "$travail" 2>&1 | tail -3
  rm -rf "$travail"
done

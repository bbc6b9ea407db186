#!/usr/bin/env bash
# Construit le paquet Debian et le vérifie : dépendances, contenu, entrée de menu, fiche AppStream,
# puis installation dans une racine jetable et lancement de quorvane-cli installé.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUORVANE_BUILD:-$racine/build}"
cd "$build"
rm -f quorvane_*.deb
cmake --build . --target quorvane quorvane-cli nomfr exemples
cpack -G DEB >/dev/null
paquet="$(ls quorvane_*.deb)"
echo "Paquet : $paquet"

dpkg-deb --info "$paquet"
depend="$(dpkg-deb -f "$paquet" Depends)"
for attendu in libqt6core6 libqt6widgets6 libsqlite3-0 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$attendu" <<<"$depend" || { echo "Dépendance manquante : $attendu" >&2; exit 1; }
done

contenu="$(dpkg-deb --contents "$paquet")"
for attendu in ./usr/bin/quorvane ./usr/bin/quorvane-cli ./usr/lib/quorvane/nomfr.so \
    ./usr/share/quorvane/tessarys.db ./usr/share/quorvane/exemples.db ./usr/share/quorvane/ASTUCE.TXT \
    ./usr/share/quorvane/back.jpg ./usr/share/quorvane/feuille/PersoVierge.html \
    ./usr/share/applications/quorvane.desktop ./usr/share/icons/hicolor/scalable/apps/quorvane.svg \
    ./usr/share/icons/hicolor/256x256/apps/quorvane.png \
    ./usr/share/metainfo/io.github.quorvane.Quorvane.metainfo.xml \
    ./usr/share/bash-completion/completions/quorvane-cli; do
  grep -q " $attendu\$" <<<"$contenu" || { echo "Absent du paquet : $attendu" >&2; exit 1; }
done

jetable="$(mktemp -d)"
trap 'rm -rf "$jetable"' EXIT
# Installation par dpkg dans une racine jetable : sa base de paquets est vide, d'où --force-depends
# (les dépendances sont vérifiées plus haut) ; les scripts du paquet (ldconfig) tournent hors racine.
mkdir -p "$jetable/racine/var/lib/dpkg/info" "$jetable/racine/var/lib/dpkg/updates"
touch "$jetable/racine/var/lib/dpkg/status"
dpkg --root="$jetable/racine" --force-depends --force-script-chrootless --force-not-root -i "$paquet" >/dev/null 2>&1 \
  || { echo "dpkg n'installe pas $paquet dans la racine jetable." >&2; exit 1; }
desktop-file-validate "$jetable/racine/usr/share/applications/quorvane.desktop"
appstreamcli validate --no-net "$jetable/racine/usr/share/metainfo/io.github.quorvane.Quorvane.metainfo.xml"
bash -n "$jetable/racine/usr/share/bash-completion/completions/quorvane-cli"

# Un utilisateur neuf : la base de personnages naît dans ses données, avec les exemples.
export HOME="$jetable/maison" XDG_DATA_HOME="$jetable/maison/.local/share" XDG_CONFIG_HOME="$jetable/maison/.config"
unset QUORVANE_DONNEES QUORVANE_CONFIG
"$jetable/racine/usr/bin/quorvane-cli" --version
liste="$("$jetable/racine/usr/bin/quorvane-cli" liste)"
echo "$liste"
test -f "$XDG_DATA_HOME/quorvane/perso.db" || { echo "perso.db absente du dossier de l'utilisateur" >&2; exit 1; }
test "$(wc -l <<<"$liste")" -eq 8 || { echo "On attendait les huit personnages d'exemple." >&2; exit 1; }
# L'extension installée : un nom cherché dans une autre casse.
trouve="$(sqlite3 "$XDG_DATA_HOME/quorvane/perso.db" -cmd ".load $jetable/racine/usr/lib/quorvane/nomfr" \
  "select count(*) from Personnage where Nom = 'BRUNEHAUT'")"
test "$trouve" = 1 || { echo "L'extension nomfr installée ne trouve pas « BRUNEHAUT »." >&2; exit 1; }
echo "Paquet vérifié."

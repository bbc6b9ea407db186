# Installation (cmake --install) et paquet Debian (cpack -G DEB).
# Disposition : bin/ pour les programmes, share/quorvane/ pour les règles, images, modèles et
# astuces (le programme installé les y cherche), lib/quorvane/ pour l'extension SQLite.
set(QUORVANE_PARTAGE "share/quorvane")
# Le paquet ne prend que ce qu'il installe : pas besoin de construire tous les essais avant lui.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(QUORVANE_INSTALLATION "${CMAKE_SOURCE_DIR}/data/installation")

install(TARGETS quorvane quorvane-cli RUNTIME DESTINATION bin)
install(TARGETS nomfr LIBRARY DESTINATION lib/quorvane)
install(FILES "${QUORVANE_DOSSIER_PROGRAMME}/tessarys.db" "${CMAKE_SOURCE_DIR}/data/OGL.txt"
        DESTINATION "${QUORVANE_PARTAGE}")
install(FILES "${QUORVANE_DOSSIER_PROGRAMME}/exemples.db" DESTINATION "${QUORVANE_PARTAGE}" OPTIONAL)
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/fichiers/" DESTINATION "${QUORVANE_PARTAGE}")

install(FILES "${QUORVANE_INSTALLATION}/quorvane.desktop" DESTINATION share/applications)
install(FILES "${QUORVANE_INSTALLATION}/io.github.quorvane.Quorvane.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${QUORVANE_INSTALLATION}/quorvane.svg" DESTINATION share/icons/hicolor/scalable/apps)
install(FILES "${QUORVANE_INSTALLATION}/quorvane.png" DESTINATION share/icons/hicolor/256x256/apps)
install(FILES "${QUORVANE_INSTALLATION}/quorvane-cli.bash" DESTINATION share/bash-completion/completions
        RENAME quorvane-cli)

set(CPACK_PACKAGE_NAME "quorvane")
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "Équipe Quorvane <quorvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gestion de personnages pour Donjons et Dragons 3.5")
set(CPACK_PACKAGE_DESCRIPTION "Application de bureau en français qui garde les personnages dans une base
et calcule leur feuille ; quorvane-cli donne les mêmes calculs en ligne de commande.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
# Bibliothèques liées : déduites des programmes ; s'y ajoutent les greffons d'affichage de Qt
# et ses traductions (dialogues en français).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "sqlite3")
include(CPack)

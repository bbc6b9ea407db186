# Crée la base de personnages livrée (perso.db) si elle n'existe pas encore : copie des personnages
# d'exemple (sous un nom provisoire, puis renommée), ou base vide sans eux. Une base existante
# garde les personnages qu'on y a mis.
if(NOT EXISTS "${PERSO}")
  if(EXEMPLES AND EXISTS "${EXEMPLES}")
    file(COPY_FILE "${EXEMPLES}" "${PERSO}.copie")
    file(RENAME "${PERSO}.copie" "${PERSO}")
  else()
    execute_process(COMMAND "${CLI}" creer-base "${PERSO}" --programme "${DOSSIER}"
                    RESULT_VARIABLE resultat)
    if(NOT resultat EQUAL 0)
      message(FATAL_ERROR "Création de ${PERSO} impossible.")
    endif()
  endif()
endif()

# Crée la base de personnages livrée (perso.db) si elle n'existe pas encore :
# une base existante garde les personnages qu'on y a mis.
if(NOT EXISTS "${PERSO}")
  execute_process(COMMAND "${CLI}" creer-base "${PERSO}" --programme "${DOSSIER}"
                  RESULT_VARIABLE resultat)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "Création de ${PERSO} impossible.")
  endif()
endif()

// Extension chargeable de SQLite (nomfr.so) : la collation des noms du programme, pour que
// l'outil sqlite3 et les autres programmes puissent lire et modifier nos bases
// (sqlite3 perso.db -cmd ".load /chemin/nomfr").
#include "BaseDonnees.h"
#include "Collation.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

// SQLite déduit ce nom de celui du fichier : sqlite3_<nom>_init.
extern "C" __attribute__((visibility("default"))) int sqlite3_nomfr_init(sqlite3* connexion, char** erreur,
                                                                         const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    // Par la table de l'hôte : c'est sa bibliothèque SQLite qui tient la connexion.
    const int code = sqlite3_create_collation_v2(connexion, kCollationNoms, SQLITE_UTF16_ALIGNED, nullptr,
                                                 &compareNomsUtf16, nullptr);
    if (code != SQLITE_OK && erreur)
        *erreur = sqlite3_mprintf("collation %s impossible à enregistrer", kCollationNoms);
    return code;
}

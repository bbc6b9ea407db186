#pragma once
// Personnages d'exemple de la base livrée : lus dans un fichier texte lisible (data/exemples/),
// écrits par l'enregistrement de l'éditeur et les sorts de la fiche, comme un joueur les saisirait.
#include <QString>

class BaseDonnees;

// Lit le fichier et écrit ses personnages dans perso. Un personnage que l'éditeur refuserait,
// un sort que la fiche refuserait, une ligne illisible : ErreurExecution qui dit lequel et pourquoi.
// Rend le nombre de personnages écrits.
int EcritPersonnagesExemples(const QString& cheminGraine, BaseDonnees& perso, BaseDonnees& programme,
                             const QString& dossierProgramme);

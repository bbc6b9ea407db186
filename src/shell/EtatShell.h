#pragma once
// État du programme pour toute la durée d'une exécution : les deux bases, les réglages lus au
// démarrage, le gestionnaire d'erreurs. Un seul objet, possédé par le module de la fenêtre
// principale et passé à qui en a besoin.
#include "GestionErreurs.h"
#include "shell/db/BaseDonnees.h"

#include <QChar>
#include <QString>
#include <memory>

struct EtatShell
{
    QString dossierProgramme;                // règles, images, modèles
    QString dossierPersonnel;                // perso.db par défaut et journal
    QString cheminIni;                       // "TESSARY.INI", lieu décidé au démarrage
    std::unique_ptr<BaseDonnees> programme;  // tessarys.db
    std::unique_ptr<BaseDonnees> perso;      // base de personnages ouverte
    QString cheminPerso;                     // son chemin complet, montré dans le titre
    bool doubleCarac = false;                // COMPETENCE/DOUBLECARAC
    bool miseEnForme = false;                // WORD/MiseEnForme
    bool marqueProgressionDons = true;       // toujours vrai
    QChar separateurDecimal{u'.'};           // séparateur décimal de l'utilisateur
    QString adresseSite;                     // site de l'auteur
    GestionErreurs erreurs;                  // porte aussi le mode débogage (MODE/DEBUG)
};

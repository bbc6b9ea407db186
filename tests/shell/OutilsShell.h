#pragma once
// Outils des essais du programme : dossier du programme et de configuration jetables,
// bases de personnages peuplées dans le code, démarrage.
#include "commun/Fixtures.h"
#include "shell/EtatShell.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <memory>

// Un dossier du programme (avec la base du programme construite) et un dossier de
// configuration neuf, désigné par QUORVANE_CONFIG le temps de l'essai.
struct DossiersShell
{
    DossiersShell();
    ~DossiersShell();

    QString programme;
    QString config;
    QString chemin(const QString& nom) const { return racine.chemin(nom); }
    // Base de personnages à la disposition courante, dans le dossier racine (ou au chemin donné).
    QString creeBasePerso(const QString& cheminOuNom) const;

    DossierTest racine;
};

// Un personnage : niveaux et classes des cases 1 à 8 (QVariant() pour Null).
void ajoutePersonnage(BaseDonnees& base, const QString& nom, const QString& race, const QVariantList& niveaux = {},
                      const QStringList& classes = {}, bool exclu = false);
void ajoutePersonnage(const QString& cheminBase, const QString& nom, const QString& race,
                      const QVariantList& niveaux = {}, const QStringList& classes = {}, bool exclu = false);

// Démarrage complet sur ces dossiers (réglages, bases, mise à niveau).
std::unique_ptr<EtatShell> demarre(const DossiersShell& dossiers);

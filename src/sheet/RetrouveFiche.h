#pragma once
// Calcul de la fiche d'un personnage, étape par étape et dans l'ordre, depuis les deux bases.
#include "Fiche.h"

#include <QString>

class BaseDonnees;

// Message montré quand les lignes de niveau du personnage ne s'accordent pas avec ses classes.
inline constexpr const char* kMessageEchecFiche = "Problème en accedant à la fiche perso";

// Ce que le calcul lit : les deux bases et le dossier du programme (images).
struct ContexteFiche
{
    BaseDonnees& perso;
    BaseDonnees& programme;
    QString dossierProgramme;
};

// Message d'une fiche refusée : ce qui manque aux règles (race, archétype, classe), sinon le
// message général.
QString MessageRefusFiche(const Fiche& fiche);

// Recalcule toute la fiche du personnage nommé ; faux quand son chargement échoue ou que sa race,
// son archétype ou une de ses classes manque aux règles, la fiche ne contenant alors que l'étape 1.
bool RetrouveFiche(const ContexteFiche& contexte, const QString& nom, const SaisiesFiche& saisies, Fiche& fiche);

// Phrase de description : nom, race, âge, cheveux, yeux, taille, poids et dieu ; les cases vides
// sont omises.
QString PhraseDescription(const TypePersonnage& p);

// Visions du personnage, séparées par ", " : vision dans le noir de la race ou d'une capacité
// (la plus longue), autres sens de la race, dons de vision ; "" sans vision particulière.
QString TexteVision(const TypeRace& race, const QVector<LigneDon>& dons);

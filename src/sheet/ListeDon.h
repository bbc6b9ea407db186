#pragma once
// Liste des dons d'un personnage (vsDon) : dons de classe, choisis, de race, d'archétype, de
// domaine, de forme animale, dérivés des armes en main et donnés par les objets portés.
#include "Fiche.h"

#include <QString>
#include <QVector>

class BaseDonnees;

// Légendes du bouton qui cache ou montre les dons de progression dépassés.
inline constexpr const char* kCacherDons = "&Cacher les dons de progression par classe";
inline constexpr const char* kMontrerDons = "&Montrer les dons de progression par classe";

// Objets tenus en main : emplacement 0 (arme principale) et 2 (seconde main) ; "" main vide.
struct ArmesEnMain
{
    QString principale;
    QString secondaire;
};

// Ce que la liste des dons lit.
struct ContexteDons
{
    BaseDonnees& perso;
    BaseDonnees& programme;
    const TypePersonnage& personnage;
    const ListeBonus& bonus;                 // entrées "Bonus Don" des objets portés
    const ListeCapacitesPerso& capacites;    // pour la ligne "Transformation animale"
    ArmesEnMain armes;
};

// Objets placés dans les emplacements 0 et 2 de l'équipement du personnage.
ArmesEnMain ArmesTenues(BaseDonnees& perso, const QString& personnage);

// Reconstruit toute la liste ; les dons de progression dépassés sont cachés.
QVector<LigneDon> ListeDon(const ContexteDons& contexte);

// Vrai quand la liste contient le don (nom sans spécialité, sans tenir compte de la casse).
bool ExistInDonPerso(const QVector<LigneDon>& dons, const QString& don);

// Indice du don dans la liste, -1 s'il n'y est pas ; "Talent" et "Maîtrise des connaissances"
// doivent porter la compétence, "Sang d'aberration" la mutation liée à la compétence.
int ChercheDonGrille(const QVector<LigneDon>& dons, const QString& don, const QString& competence);

// 2 quand le texte contient une espace suivie d'un des domaines du personnage, 0 sinon.
int TestSpecialisationDomaine(const TypePersonnage& p, const QString& texte);

// Action du bouton : avec la légende kCacherDons, cache les lignes de progression dépassées ;
// avec kMontrerDons, montre toutes les lignes. Rend la nouvelle légende.
QString BasculeDonsProgression(QVector<LigneDon>& dons, const QString& legende);

// Bonus des dons de la liste au jet nommé ("Réflexe", "Vigueur", "Volonté").
Entier16 BonusJetDons(const QVector<LigneDon>& dons, const QString& jet);

// Étape de la fiche : la liste des dons, lue avec les bonus d'objets déjà recueillis.
void RemplitDons(BaseDonnees& perso, BaseDonnees& programme, const ListeCapacitesPerso& capacites, Fiche& fiche);

#pragma once
// Types de créature, archétypes (gabarits), estimation du facteur de puissance, images des races.
#include "Bonus.h"
#include "LigneCapacite.h"
#include "shell/Semantique.h"

#include <QString>
#include <QStringList>

class BaseDonnees;
class Ligne;
struct TypePersonnage;
struct TypeRace;

// Les 15 types de créature, les 7 archétypes morts-vivants, les couleurs et âges des dragons.
const QStringList& TypesCreature();
const QStringList& ArchetypesMortVivant();
const QStringList& CouleursDragon();
const QStringList& AgesDragon();   // du plus vieux au plus jeune

struct TypeArchetype
{
    QString Archetype;
    Entier16 For, Dex, Con, Int, Sag, Cha;
    Entier16 Ca;
    Entier16 Reflexe, Vigueur, Volonte;
    Entier16 AdjNiv;
    Entier16 Competence;
    Entier16 Don;
    Entier16 Deplacement, Deplacement_Air;
    QString Manoeuvrabilite;
    Entier16 Deplacement_Eau;
    QString taille;
    Entier16 Vision;
    QString Vision_texte;
    Entier16 Resistance_degat;
    QString Rd_texte;
    Entier16 Resistance_magie;
    Entier16 Progression_rm;
    Entier16 Resistance_feu, Resistance_froid, Resistance_electricite, Resistance_acide, Resistance_son;
};

void ChargeArchetype(BaseDonnees& programme, TypeArchetype& archetype, const QString& nom);

bool EstTypeCreature(const QString& nom);
bool EstArchetypeMortVivant(const QString& nom);
// Dé de vie d'un niveau de la classe sous l'archétype : d12 pour un archétype mort-vivant ;
// "Demi-dragon" (+2, au plus d12) et "Demi-fée" (d6) ne changent que les niveaux raciaux.
int DeDeVieArchetype(int deClasse, const QString& classe, const QString& archetype);

// Niveaux tenus dans des classes qui portent le nom d'un type de créature.
qint16 NiveauxRaciaux(const TypePersonnage& p);

// Mesures d'une race (table Race) : bases en pouces et en livres, faces des dés des deux jets ;
// poidsDes vaut 1000 quand le poids ne dépend que du jet de taille.
struct DimensionsRace
{
    int tailleHomme = 0, tailleFemme = 0, tailleDes = 0;
    int poidsHomme = 0, poidsFemme = 0, poidsDes = 0;
};

// Les mesures lues sur une ligne de la table Race.
DimensionsRace DimensionsDeRace(const Ligne& race);

struct Mensurations
{
    qint32 taille = 0;   // cm
    qint32 poids = 0;    // kg
};

// Applique à la race, pour un calcul de fiche, l'archétype du personnage et les capacités ou dons
// qui changent son type, sa taille ou sa forme ; les effets chiffrés vont dans la liste des bonus.
// Rend la taille (cm) et le poids (kg) à montrer, qui suivent la catégorie de taille.
Mensurations AppliqueArchetype(BaseDonnees& programme, ListeBonus& bonus, const TypeArchetype& archetype,
                               TypeRace& race, const TypePersonnage& p, const QStringList& dons,
                               const ListeCapacitesPerso& capacites);

// Taille et poids pour le sexe (un texte qui contient "f" ou "F", comme "Féminin", prend les bases
// des femmes ; "Masculin" celles des hommes) et deux jets : taille = base + jet de taille ;
// poids = base + jet de taille × jet de poids ; convertis en cm et en kg.
Mensurations MensurationsRace(const DimensionsRace& d, const QString& sexe, int jetTaille, int jetPoids);

// Mesures ramenées à une autre catégorie de taille : chaque cran double la taille et multiplie
// le poids par 8 (divise en descendant).
Mensurations MensurationsPourTaille(const Mensurations& m, const QString& depuis, const QString& vers);

// Change la taille de la race de pas crans ; armure naturelle et caractéristiques physiques suivent.
void ChangeTailleRace(TypeRace& race, const QString& nouvelle);

// Estimation du facteur de puissance : "1/2" sous 1, sinon un nombre entier.
QString EstimeFP(BaseDonnees& perso, BaseDonnees& programme, const TypeRace& race, const TypePersonnage& p,
                 const QString& archetype);

// Coût d'une valeur de caractéristique en achat de points.
qint16 CoutCarac(int score);

// Taille d'un élémentaire lue à la fin de son nom (" P", " G", " noble"...) ; "" sinon.
QString TailleElementaire(const QString& creature);

// Image d'une race dans dossier/Images, ou celle de sa famille ; "" quand aucune n'existe.
QString CheminImageRace(const QString& dossierProgramme, const QString& race);

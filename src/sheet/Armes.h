#pragma once
// Familles d'armes et lignes d'attaque des armes tenues en main.
#include "rules/LigneCapacite.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct Fiche;
struct LigneDon;
struct TypeObjet;

// Appartenance aux familles : le groupe de l'objet ou son nom, comparés exactement.
bool EstArme(const QString& nom);
bool EstArmeDistance(const QString& nom);
bool EstArc(const QString& nom);
bool EstMunition(const QString& nom);
bool EstArmeMoine(const QString& nom);
bool EstBouclier(const QString& nom);
// Arme de jet : une attaque à distance qui n'est ni un arc ni une arbalète.
bool EstArmeJet(const QString& nom);

// Zone de critique ("19-20") et multiplicateur ("2") ; la zone s'élargit une fois par
// "Affutage" ou "Barbelure" de l'arme, sinon par "Science du critique" sur elle.
struct Critique
{
    QString zone;
    QString multiplicateur;
    QString note;            // "Science du critique " quand le don a servi
    QString texte() const { return u'(' + zone + QStringLiteral(",x") + multiplicateur + u')'; }
};
Critique CalculeCritique(const Fiche& fiche, const TypeObjet& arme);

// Portée d'une arme : "Art du lancer" et "Arme de lancer exotique" l'allongent pour les armes de
// jet, puis "Tir de loin" la multiplie.
double FacteurPortee(const Fiche& fiche, const TypeObjet& arme);
// Spécialités prises pour un don ("Arme de prédilection [Epée longue]" → "Epée longue").
QStringList SpecialitesDon(const Fiche& fiche, const QString& don);
// Pénalités du combat à deux armes, depuis -6 et -10, appliquées don par don dans l'ordre de la liste.
void PenalitesDeuxArmes(const Fiche& fiche, int& principale, int& secondaire, const TypeObjet& arme);
void PenalitesDeuxArmes(const QVector<LigneDon>& dons, const QString& race, int& principale, int& secondaire,
                        const TypeObjet& arme);
// Dons de la fiche, plus ceux qu'apporte le style de combat du rôdeur en armure légère ou sans
// armure : deux armes en main ou "[Combat à deux armes]" pour le combat à deux armes, un arc ou
// "[Tir à l'arc]" pour le tir.
QVector<LigneDon> DonsDeCombat(const Fiche& fiche);
// Lignes d'attaque des armes des emplacements 0 et 2 qui comptent, écrites aussi dans vsEquip,
// suivies des lignes sans arme : mains nues, déluge de coups, sorts de contact et rayons.
// Les capacités prises donnent "Attaque en puissance", "Rapidité" et "Frénésie".
void LignesAttaque(Fiche& fiche, const ListeCapacitesPerso& capacites = {});
// Attaques de plus à l'attaque la plus haute : "Rapidité" et "Frénésie", dons ou capacités prises.
int AttaquesEnPlus(const Fiche& fiche, const ListeCapacitesPerso& capacites);

// Une ligne d'attaque : bonus de l'attaque à outrance, dégâts et critique.
struct LigneAttaque
{
    QString Nom;
    QList<int> Attaques;     // bonus de chaque attaque, du premier au dernier
    QString Des;             // dés de l'arme pour la taille du porteur
    int BonusDegats = 0;
    QString DesSupplementaires;  // "+2d6(Sainte)"...
    QString Caracteristique; // "Force", "Dextérité" ou "Sagesse"
    Critique Crit;
    bool Distance = false;
    QString Explication;     // " " + nom de chaque don appliqué
    QString Ligne;           // texte assemblé, seconde colonne de vsEquip
    QString LigneSimple;     // même texte avec la première attaque seule
    QString bonusTexte() const;   // "+6/+1"
    QString degats() const;       // "1d8+4 +2d6(Sainte)" ; un sort sans bonus : "selon le sort"
    QString degatsTexte() const;  // "1d8+4 (19-20,x2)"
};

// Réglages d'une ligne d'attaque.
struct OptionsLigne
{
    int penalite = 0;          // sur chaque attaque (deux armes, déluge, tir rapide...)
    bool secondaire = false;   // main secondaire : une attaque, moitié de la Force aux dégâts
    QList<int> decalages;      // écart de chaque attaque à la première ; vide : attaques itératives
    double facteurForce = -1;  // part de la Force aux dégâts ; -1 : selon l'arme et la main
    QString ouverture;         // "" : "Mélée(" ou " Jet(" selon l'arme
    QString libelle;           // ajouté au nom : " 'Déluge'", " 'Tir rapide'"...
    int projectiles = 1;       // "Feu nourri" : plusieurs flèches d'un seul jet
};

// Écarts des attaques itératives : 0, -5, -10...
QList<int> Iteratives(int nombre);

// Calcule la ligne d'une arme tenue (la fiche fournit modificateurs, attaque de base, taille
// et liste des bonus) ; penalite : celle du combat à deux armes pour cette main.
LigneAttaque CalculeLigneArme(const Fiche& fiche, const TypeObjet& arme, int penalite = 0, bool secondaire = false);
LigneAttaque CalculeLigneArme(const Fiche& fiche, const TypeObjet& arme, const OptionsLigne& options);

// Ajoute la ligne aux lignes d'armes de la fiche ; la première donne les champs de l'arme
// principale (nom, attaque, dégâts, portée).
void AjouteLigneArme(Fiche& fiche, const LigneAttaque& ligne, const QString& simple, double portee = 0);

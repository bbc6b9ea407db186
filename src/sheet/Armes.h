#pragma once
// Familles d'armes et lignes d'attaque des armes tenues en main.
#include <QString>
#include <QStringList>

struct Fiche;
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

// Portée d'une arme après "Tir de loin".
double FacteurPortee(const Fiche& fiche, const TypeObjet& arme);
// Spécialités prises pour un don ("Arme de prédilection [Epée longue]" → "Epée longue").
QStringList SpecialitesDon(const Fiche& fiche, const QString& don);
// Pénalités du combat à deux armes, depuis -6 et -10, appliquées don par don dans l'ordre de la liste.
void PenalitesDeuxArmes(const Fiche& fiche, int& principale, int& secondaire, const TypeObjet& arme);
// Lignes d'attaque des armes des emplacements 0 et 2 qui comptent, écrites aussi dans vsEquip.
void LignesAttaque(Fiche& fiche);

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
    QString Ligne;           // texte assemblé, seconde colonne de vsEquip
    QString LigneSimple;     // même texte avec la première attaque seule
};

// Calcule la ligne d'une arme tenue (la fiche fournit modificateurs, attaque de base, taille
// et liste des bonus) ; penalite : celle du combat à deux armes pour cette main.
LigneAttaque CalculeLigneArme(const Fiche& fiche, const TypeObjet& arme, int penalite = 0, bool secondaire = false);

#pragma once
// La race d'un personnage telle que la fiche l'utilise ; archétypes et capacités la modifient
// en place le temps d'un calcul de fiche.
#include "shell/Semantique.h"

#include <QString>

class BaseDonnees;

struct TypeRace
{
    QString RACE;
    QString Type;   // type de créature
    QString SousType_1, SousType_2, SousType_3, SousType_4, SousType_5;
    Entier16 Allonge;   // en cases de 1,50 m ; 0 : celle de la taille
    Entier16 For, Dex, Con, Int, Sag, Cha;
    Entier16 Ca;
    Entier16 Reflexe, Vigueur, Volonte;
    Entier16 AdjNiv;
    Entier16 Competence;
    Entier16 Don;
    Entier16 Deplacement, Deplacement_Air, Deplacement_Eau;   // mètres
    QString Manoeuvrabilite;
    QString taille;
    bool Quadripede = false;
    Entier16 Vision;
    QString Vision_texte;
    Entier16 Resistance_degat;
    QString Rd_texte;
    Entier16 Resistance_magie;
    Entier16 Progression_rm;
    Entier16 Resistance_feu, Resistance_froid, Resistance_electricite, Resistance_acide, Resistance_son;
    double FP = 0;
    QString JetsBons;        // jets forts des dés de vie raciaux ; vide : ceux de la classe du type
    QString CaracAbsentes;   // "For", "Dex", "Con", "Int", "Sag", "Cha" séparés par des virgules

    QString& sousType(int k);
    const QString& sousType(int k) const;
    bool aSousType(const QString& sousType) const;
    // Place le sous-type dans la première case libre ; faux quand les cinq sont prises.
    bool ajouteSousType(const QString& sousType);
};

// Remplit la race depuis la table Race ; une race absente la laisse vide.
void ChargeRace(BaseDonnees& programme, TypeRace& race, const QString& nom);

// Races de nains, qui gardent leur vitesse en armure intermédiaire ou lourde.
bool EstNain(const QString& race);

#pragma once
// Conditions d'un don (champ Condition) que le personnage, visiblement, ne remplit pas :
// valeurs de caractéristique, bonus de base à l'attaque, degrés de compétence, niveaux de
// classe et dons requis. Ce qui n'est pas reconnu n'est pas jugé.
#include <QHash>
#include <QSet>
#include <QString>
#include <array>

struct ProfilConditions
{
    std::array<QString, 6> Caracs;   // totaux de la fiche, For … Cha ("-" : absente, "" : inconnue)
    int AttaqueDeBase = 0;
    bool AttaqueConnue = false;
    QHash<QString, int> Rangs;       // compétence en majuscules -> degrés
    QHash<QString, int> Classes;     // classe en majuscules -> niveaux
    QSet<QString> ClassesConnues;    // toutes les classes de la table, en majuscules
    QSet<QString> Dons;              // dons du personnage, en majuscules
    QSet<QString> DonsConnus;        // tous les dons de la table, en majuscules
};

// Ce qui manque, séparé par " ; " ("Int 13 (10) ; Attaque en puissance") ; "" quand rien.
QString ConditionNonRemplie(const QString& condition, const ProfilConditions& profil);

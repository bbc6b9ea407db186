#pragma once
// Liste des bonus d'une fiche et leur cumul : les bonus d'un même type ne s'additionnent pas.
#include "shell/Semantique.h"

#include <QString>
#include <QVector>

// Un bonus recueilli pendant le calcul d'une fiche (objet, don, capacité, archétype...).
struct TypeBonus
{
    QString Source;     // objet, don ou capacité qui le donne
    QString Reserve;    // texte libre des producteurs
    QString Genre;      // "Bonus Caracteristique", "Bonus Jet Sauvegarde", "Bonus Classe Armure"...
    QString Cible;      // "Force", "Réflexe", "Parade", une compétence, "Toutes armes"...
    QString Type;       // nom sous lequel les bonus ne se cumulent pas : "Aptitude", "Sainte"...
    QString Valeur;     // "2", "-1" ou des dés "+2d6"
    QString Condition;  // condition ou note portées avec le bonus
    QString Note;
};

using ListeBonus = QVector<TypeBonus>;

// Ajoute une entrée en fin de liste.
void AjouteBonus(ListeBonus& liste, const QString& source, const QString& genre, const QString& cible,
                 const QString& type, const QString& valeur);

// Résultat d'une somme : la partie numérique et, quand des dés ont été rencontrés, leurs groupes.
struct SommeDeBonus
{
    Entier16 nombre;
    QString des;   // "+2d6(Sainte)", plusieurs groupes séparés par une espace ; vide sans dés

    bool contientDes() const { return !des.isEmpty(); }
    // Forme affichée : le nombre seul, ou le nombre (s'il n'est pas nul) suivi des dés.
    QString texte() const;
};

// Somme des bonus d'un genre sur une cible ("" : toutes les cibles du genre), chaque groupe
// de même cible et de même type ne comptant que pour son plus grand bonus.
SommeDeBonus SommeBonus(const ListeBonus& liste, const QString& genre, const QString& cible);

#pragma once
// Sorts par jour d'une classe de lanceur (rempNbSort) : niveau de lanceur, table par niveau de
// sort, portées, texte de magie et renvoi des morts-vivants, depuis la fiche déjà calculée.
#include "Fiche.h"
#include "SortsFiche.h"

#include <QString>
#include <QStringList>

class BaseDonnees;

// Messages montrés quand la caractéristique de lanceur d'une classe n'est pas réglée.
inline constexpr const char* kCaracSortAbsente = "Le bonus de caracteristique n'est pas parametré";
inline constexpr const char* kCaracSort2Absente = "Le bonus de caracteristique 2 n'est pas parametré";

// Nombre de fois que la liste des dons porte ce don ; avec un niveau, seules comptent les
// spécialités qui le donnent (une spécialité qui n'est pas un nombre compte à tout niveau).
int CompteDonSort(const Fiche& fiche, const QString& don, int niveau = -1);

// Lignes de la table par jour (vsNivSort), dans leur ordre.
QStringList LignesNivSort();

// Table par jour de la classe ; une classe vide désigne les sorts raciaux (colonne de la race).
// Sans sorts connus ni préparés : voir SortsConnus.h et SortsPrepares.h.
SortsClasse rempNbSort(BaseDonnees& programme, const Fiche& fiche, const QString& classe);

// Classes du personnage qui ont des sorts par jour, et sa race quand elle a sa liste de sorts.
QStringList ClassesLanceurs(BaseDonnees& programme, const Fiche& fiche);

// Remplit fiche.Sorts : une entrée par classe de lanceur, sorts connus et préparés compris.
void RemplitSorts(BaseDonnees& perso, BaseDonnees& programme, Fiche& fiche);

// Domaines choisis du personnage, sans les cases vides.
QStringList DomainesPersonnage(const TypePersonnage& personnage);

// Colonne de la table des sorts pour une classe : sa liste (ListeSort) ou son nom ;
// "" quand la table des sorts n'a pas cette colonne.
QString ColonneSorts(BaseDonnees& programme, const QString& classe);

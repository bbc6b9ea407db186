#pragma once
// Lignes de niveau de l'éditeur : points de vie d'un niveau ajouté et dons attendus à un niveau.
#include <QString>
#include <random>

class BaseDonnees;

// Points de vie d'un niveau ajouté : un jet du dé de vie de la classe, d12 quand la classe est inconnue.
int tirePointsDeVie(BaseDonnees& programme, const QString& classe, std::mt19937& hasard);

// Dons à choisir à une ligne de niveau : un au premier niveau du personnage et à chacun de ses
// niveaux multiples de 3, les dons en plus de la race (champ Don) au premier niveau, et chaque
// "Don supplémentaire…" que la progression de la classe donne à ce niveau de classe. Les autres
// dons de la progression sont accordés d'office et ne se choisissent pas.
int donsAttendus(BaseDonnees& programme, const QString& classe, int niveauClasse, int niveauPersonnage,
                 const QString& race = {});

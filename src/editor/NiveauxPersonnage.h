#pragma once
// Lignes de niveau de l'éditeur : points de vie d'un niveau ajouté et dons attendus à un niveau.
#include <QString>
#include <random>

class BaseDonnees;

// Points de vie d'un niveau ajouté : un jet du dé de vie de la classe, d12 quand la classe est inconnue.
int tirePointsDeVie(BaseDonnees& programme, const QString& classe, std::mt19937& hasard);

// Dons attendus à une ligne de niveau : ceux que la progression de la classe donne à ce niveau de
// classe, plus un au premier niveau du personnage et à chacun de ses niveaux multiples de 3.
int donsAttendus(BaseDonnees& programme, const QString& classe, int niveauClasse, int niveauPersonnage);

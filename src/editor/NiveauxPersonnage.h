#pragma once
// Lignes de niveau de l'éditeur : points de vie tirés, numéros dans la classe et dons attendus.
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class BaseDonnees;
class Ligne;
class SourceHasard;

// Points de vie d'un niveau dont la classe vient d'être choisie : un jet du dé de vie de la
// classe sous l'archétype ; rien tant que la classe n'est pas connue.
std::optional<int> tirePointsDeVie(BaseDonnees& programme, const QString& classe, const QString& archetype,
                                   SourceHasard& hasard);

// Clé sous laquelle une classe se numérote : sa classe maîtresse quand elle en a une, sinon
// son nom, en majuscules (classe : sa ligne de Classe, éventuellement absente).
QString cleNumerotation(const Ligne& classe, const QString& nom);

// Niveau dans la classe de chaque ligne, dans l'ordre des lignes : les lignes d'une même classe
// (ou de variantes d'une même classe maîtresse) se numérotent 1, 2, 3... ; 0 pour une ligne sans classe.
QVector<int> numeroteNiveaux(BaseDonnees& programme, const QStringList& classes);

// Dons à choisir à une ligne de niveau : un au premier niveau du personnage et à chacun de ses
// niveaux multiples de 3, les dons en plus de la race (champ Don) au premier niveau, et chaque
// "Don supplémentaire…" que la progression de la classe donne à ce niveau de classe. Les autres
// dons de la progression sont accordés d'office et ne se choisissent pas.
int donsAttendus(BaseDonnees& programme, const QString& classe, int niveauClasse, int niveauPersonnage,
                 const QString& race = {});

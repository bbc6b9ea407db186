#pragma once
// Lecture des anciens fichiers Access (Jet 3 et 4) par libmdb : chaque table d'utilisateur est
// recopiée dans une base SQLite, textes décodés, nombres, oui/non, dates et mémos à nos types.
#include <QString>

class BaseDonnees;

enum class GenreFichier { Sqlite, Access, Autre };

// Genre d'un fichier d'après ses premiers octets, quelle que soit son extension.
GenreFichier GenreDeFichier(const QString& chemin);

// Copie les tables du fichier Access dans la base (vide) donnée, en une transaction ; les
// tables connues d'une base de personnages reçoivent leurs index. Lève RefusImport quand le
// fichier ne peut être lu (chiffré, endommagé).
void CopieAccess(const QString& chemin, BaseDonnees& destination);

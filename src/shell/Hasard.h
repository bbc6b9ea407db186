#pragma once
// Générateur partagé des jets de dés.
#include <QDateTime>
#include <random>

std::mt19937& Hasard();

// Avance le générateur d'un nombre de tirages entre 0 et 255 tiré de la date et de l'heure,
// pour que les jets diffèrent d'une exécution à l'autre ; rend ce nombre.
int AvanceHasard(std::mt19937& generateur, const QDateTime& moment);

#pragma once
// Sorts de la fiche en JSON, une entrée par classe de lanceur.
#include "SortsFiche.h"

#include <QJsonArray>

// [{classe, niveauLanceur, parJour, totalParJour, dd (niveaux 0 à 9 ; null : "-"),
//   connus [{nom, niveau}], prepares [{emplacement, nom, niveau, metamagie}]}]
QJsonArray SortsEnJson(const QVector<SortsClasse>& sorts);

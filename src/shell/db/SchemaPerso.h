#pragma once
// Disposition courante d'une base de personnages, et sa création directe.
#include "shell/db/Schema.h"

class BaseDonnees;

inline constexpr int kVersionBase = 21;     // disposition courante
inline constexpr int kVersionObjets = 35;   // contenu courant du catalogue d'objets

// Toutes les tables, champs et index d'une base de personnages à la version 21.
QVector<DefinitionTable> schemaPersonnages();
// Une table, un champ de cette disposition, tels que la mise à niveau les crée ;
// lève ErreurBase pour un nom inconnu.
DefinitionTable tablePersonnages(const QString& table);
DefinitionChamp champPersonnages(const QString& table, const QString& champ);

// Crée la disposition courante dans une base vide, copie le catalogue d'objets de la base
// du programme, et écrit Version = 21, Objets = 35.
void creeBasePersonnages(BaseDonnees& perso, BaseDonnees& programme);

#pragma once
// Noms des classes et domaines livrés avec les règles : ils donnent leurs colonnes aux tables
// Competence (une par classe) et Sort (une par classe de lanceur de sorts et par domaine).
#include <QStringList>

QStringList typesCreature();        // les 15 types de créature, classes des dés de vie raciaux
QStringList classesLivrees();       // toutes les classes de la table Classe, types de créature compris
QStringList classesLanceursSorts(); // classes dont la liste de sorts a sa colonne dans Sort
QStringList domainesLivres();       // domaines, dans l'ordre alphabétique ("Air" d'abord)

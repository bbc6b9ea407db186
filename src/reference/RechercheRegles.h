#pragma once
// Recherche plein texte dans les dons et les sorts (nom et textes), sans égard aux accents ni à la
// casse. L'index vit dans une table temporaire de la connexion des règles (le fichier livré reste
// en lecture seule) ; il se construit à la première recherche et se refait après toute correction.
#include <QStringList>

class BaseDonnees;

// Noms des lignes de "Dons" ou de "Sort" qui contiennent tous les mots tapés (le dernier pouvant
// être un début de mot), par ordre alphabétique. Une saisie sans mot rend une liste vide.
QStringList RechercheRegles(BaseDonnees& programme, const QString& table, const QString& saisie);

#pragma once
#include <QString>

struct sqlite3;

// Enregistre sur la connexion la collation des noms : "Bob" = "bob", "Élise" = "élise",
// mais "Elise" ≠ "Élise" ; l'ordre est celui du français.
void enregistreCollation(sqlite3* connexion);

// La même comparaison, hors SQL.
int compareNoms(const QString& a, const QString& b);
inline bool memesNoms(const QString& a, const QString& b) { return compareNoms(a, b) == 0; }

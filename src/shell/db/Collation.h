#pragma once
#include <QString>

struct sqlite3;

// Enregistre sur la connexion la collation des noms : "Bob" = "bob", "Élise" = "élise",
// mais "Elise" ≠ "Élise" ; l'ordre est celui du français.
void enregistreCollation(sqlite3* connexion);

// La fonction de comparaison que SQLite appelle (textes en UTF-16) : partagée avec
// l'extension chargeable nomfr.so, pour que l'outil sqlite3 compare comme le programme.
int compareNomsUtf16(void*, int n1, const void* s1, int n2, const void* s2);

// La même comparaison, hors SQL.
int compareNoms(const QString& a, const QString& b);
inline bool memesNoms(const QString& a, const QString& b) { return compareNoms(a, b) == 0; }

#pragma once
// Lecture des nombres saisis dans les champs de l'éditeur.
#include <QString>
#include <QVariant>
#include <optional>

// Vrai quand le texte, blancs retirés, est un nombre ("12", "-3", "1,5" ou "1.5").
bool estNumerique(const QString& texte);

// Le nombre saisi, ou rien quand le texte n'en est pas un.
std::optional<double> litNombre(const QString& texte);

// Valeur à écrire d'un champ saisi : Null quand il est vide, sinon le nombre (arrondi pour un entier).
QVariant valeurNumerique(const QString& texte, bool entier);

// Valeur à écrire d'un texte saisi : Null quand il est vide.
QVariant valeurTexte(const QString& texte);

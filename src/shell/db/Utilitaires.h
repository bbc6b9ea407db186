#pragma once
// Petits outils de texte et de SQL partagés par les fenêtres.
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>

class BaseDonnees;

// Double chaque apostrophe, pour un texte placé entre apostrophes dans du SQL.
QString DoubleApostrophe(const QString& texte);

// Remplace l'apostrophe typographique (’) par l'apostrophe droite, avant de chercher un objet.
QString ApostropheDroite(const QString& texte);

// Remplace le premier "." (à défaut la première ",") par le séparateur décimal de l'utilisateur ;
// une valeur Null est rendue telle quelle.
QVariant NormaliseDecimal(const QVariant& valeur, QChar separateur);

// Les valeurs texte d'un champ sur toutes les lignes d'une requête, dans leur ordre.
QStringList ListeNoms(BaseDonnees& base, const QString& sql, const QString& champ);

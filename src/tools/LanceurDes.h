#pragma once
// Calcul du lanceur de dés : un nombre de dés d'un type choisi, ou une expression de dés
// écrite dans la case du nombre.
#include <QString>
#include <QStringList>

class SourceHasard;

// Les tailles de dés proposées, celles d'un chiffre précédées d'une espace.
inline const QStringList kTypesDes{QStringLiteral(" 4"), QStringLiteral(" 6"), QStringLiteral(" 8"),
                                   QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("20"),
                                   QStringLiteral("100")};

struct ResultatLanceur
{
    QString detail;      // chaque dé suivi d'une espace, ou le détail de l'expression
    qint64 total = 0;
    QString erreur;      // vide quand le jet a eu lieu
};

// Un nombre (arrondi au pair, sur 16 bits) lance autant de dés du type ; un texte vide n'en lance
// aucun ; tout autre texte est lu comme une expression de dés.
ResultatLanceur LanceDes(const QString& nombre, const QString& type, SourceHasard& hasard);

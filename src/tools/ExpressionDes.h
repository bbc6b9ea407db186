#pragma once
// Expressions de dés écrites comme les joueurs les écrivent : "3d6+2", "1d20-1", "2d4+1d6",
// "4d6kh3" (garder les trois plus hauts). Tout le reste est refusé avec un message.
#include <QList>
#include <QString>

class SourceHasard;

// Bornes : une expression se lance toujours vite et son total tient dans un entier.
inline constexpr int kMaxDesExpression = 1000;     // dés lancés, tous termes confondus
inline constexpr int kMaxFacesDe = 1000;
inline constexpr int kMaxConstanteDes = 100000;
inline constexpr int kMaxLongueurExpression = 200;

struct TermeDes
{
    int signe = 1;       // +1 ou -1
    int nombre = 0;      // dés lancés ; 0 pour une constante
    int faces = 0;
    int garde = 0;       // "kh" : dés les plus hauts gardés ; 0 : tous
    int constante = 0;
};

struct LectureDes
{
    QList<TermeDes> termes;
    QString erreur;      // vide quand l'expression est bonne
    bool ok() const { return erreur.isEmpty(); }
};

LectureDes LitExpressionDes(const QString& texte);

struct JetDes
{
    QString detail;      // dés lancés dans l'ordre, ceux qu'on écarte entre parenthèses
    qint64 total = 0;
};

JetDes LanceExpressionDes(const QList<TermeDes>& termes, SourceHasard& hasard);

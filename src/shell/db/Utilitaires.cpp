#include "Utilitaires.h"
#include "BaseDonnees.h"

QString DoubleApostrophe(const QString& texte)
{
    QString s = texte;
    s.replace(u'\'', QStringLiteral("''"));
    return s;
}

QString ApostropheDroite(const QString& texte)
{
    QString s = texte;
    s.replace(QChar(0x2019), u'\'');
    return s;
}

QVariant NormaliseDecimal(const QVariant& valeur, QChar separateur)
{
    if (valeur.isNull())
        return valeur;
    QString s = valeur.toString();
    qsizetype i = s.indexOf(u'.');
    if (i < 0)
        i = s.indexOf(u',');
    if (i >= 0)
        s[i] = separateur;
    return s;
}

QStringList ListeNoms(BaseDonnees& base, const QString& sql, const QString& champ)
{
    QStringList liste;
    for (const Ligne& l : base.selectionne(sql))
        liste.append(l.texte(champ));
    return liste;
}

#include "Ligne.h"
#include "shell/Erreur.h"
#include "shell/Semantique.h"

QVariant Ligne::valeur(const QString& champ) const
{
    const int i = m_enregistrement.indexOf(champ);
    if (i < 0)
        throw ErreurBase(QStringLiteral("Champ « %1 » introuvable dans cet enregistrement.").arg(champ), 3265);
    return m_enregistrement.value(i);
}

bool Ligne::estNul(const QString& champ) const
{
    return valeur(champ).isNull();
}

QString Ligne::texte(const QString& champ) const
{
    const QVariant v = valeur(champ);
    return v.isNull() ? QString() : v.toString();
}

int Ligne::entier(const QString& champ) const
{
    const QVariant v = valeur(champ);
    if (v.isNull())
        return 0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? CLng(d) : CLng(Val(v.toString()));
}

double Ligne::reel(const QString& champ) const
{
    const QVariant v = valeur(champ);
    if (v.isNull())
        return 0.0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : Val(v.toString());
}

bool Ligne::booleen(const QString& champ) const
{
    const QVariant v = valeur(champ);
    if (v.isNull())
        return false;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (ok)
        return d != 0.0;
    const QString s = v.toString().trimmed().toLower();
    return s == u"true" || s == u"vrai" || s == u"oui";
}

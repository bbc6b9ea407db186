#include "Ligne.h"
#include "shell/Erreur.h"
#include "shell/Semantique.h"

ColonnesLigne::ColonnesLigne(QStringList noms) : m_noms(std::move(noms))
{
    // Le premier de deux noms égaux l'emporte, comme pour une lecture par nom.
    for (int i = m_noms.size() - 1; i >= 0; --i) {
        m_positions.insert(m_noms.at(i), i);
        m_positions.insert(m_noms.at(i).toUpper(), i);
    }
}

int ColonnesLigne::position(const QString& champ) const
{
    // Le nom tel qu'écrit dans le code est presque toujours celui de la base : pas de conversion.
    auto it = m_positions.constFind(champ);
    if (it == m_positions.constEnd())
        it = m_positions.constFind(champ.toUpper());
    return it == m_positions.constEnd() ? -1 : *it;
}

QVariant Ligne::valeur(const QString& champ) const
{
    const int i = m_colonnes ? m_colonnes->position(champ) : -1;
    if (i < 0)
        throw ErreurBase(QStringLiteral("Champ « %1 » introuvable dans cet enregistrement.").arg(champ), 3265);
    return m_valeurs.at(i);
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

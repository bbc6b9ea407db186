#include "Ligne.h"
#include "ValeursLues.h"
#include "shell/Erreur.h"
#include "shell/Semantique.h"

ColonnesLigne::ColonnesLigne(QStringList noms, QString table) : m_noms(std::move(noms)), m_table(std::move(table))
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
    if (it != m_positions.constEnd())
        return *it;
    it = m_positions.constFind(champ.toUpper());
    if (it == m_positions.constEnd())
        return -1;
    const int position = *it;
    m_positions.insert(champ, position);
    return position;
}

QVariant Ligne::valeur(const QString& champ) const
{
    const int i = m_colonnes ? m_colonnes->position(champ) : -1;
    if (i < 0) {
        const QString table = m_colonnes ? m_colonnes->table() : QString();
        throw ErreurBase((table.isEmpty() ? QStringLiteral("Le champ « %1 » manque dans les données lues")
                                          : QStringLiteral("Le champ « %1 » manque dans la table « %2 »"))
                                 .arg(champ, table)
                             + QStringLiteral(" : la base est d'une autre version ou endommagée."),
                         3265, m_colonnes ? QStringLiteral("colonnes lues : ") + m_colonnes->noms().join(u',') : QString());
    }
    return m_valeurs.at(i);
}

bool Ligne::estNul(const QString& champ) const
{
    return valeur(champ).isNull();
}

QString TexteLu(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}

int EntierLu(const QVariant& v)
{
    if (v.isNull())
        return 0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? CLng(d) : CLng(Val(v.toString()));
}

double ReelLu(const QVariant& v)
{
    if (v.isNull())
        return 0.0;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : Val(v.toString());
}

QString Ligne::texte(const QString& champ) const { return TexteLu(valeur(champ)); }
int Ligne::entier(const QString& champ) const { return EntierLu(valeur(champ)); }
double Ligne::reel(const QString& champ) const { return ReelLu(valeur(champ)); }
QString Ligne::texte(int i) const { return TexteLu(m_valeurs.at(i)); }
int Ligne::entier(int i) const { return EntierLu(m_valeurs.at(i)); }
double Ligne::reel(int i) const { return ReelLu(m_valeurs.at(i)); }

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

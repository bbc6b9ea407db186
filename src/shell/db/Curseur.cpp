#include "Curseur.h"
#include "BaseDonnees.h"
#include "shell/Erreur.h"

#include "Collation.h"
#include "Instruction.h"

namespace {

// Égalité comme SQLite la juge : un texte lu se compare par la collation des noms,
// un nombre lu numériquement.
bool clesEgales(const QVariant& lue, const QVariant& voulue)
{
    if (lue.isNull() || voulue.isNull())
        return false;
    if (lue.typeId() == QMetaType::QString)
        return compareNoms(lue.toString(), voulue.toString()) == 0;
    bool ok = false;
    const double v = voulue.toDouble(&ok);
    return ok && lue.toDouble() == v;
}

} // namespace

Curseur::Curseur(BaseDonnees& base, QString table, QString index)
    : m_base(base), m_table(std::move(table)), m_colonnes(base.colonnesIndex(m_table, index))
{
}

Curseur::~Curseur() = default;
Curseur::Curseur(Curseur&&) noexcept = default;

void Curseur::lance(const QString& sql, const QVariantList& valeurs)
{
    if (!m_requete || m_requete->sql() != sql) {
        m_requete = std::make_unique<Instruction>(m_base.m_connexion, sql, m_base.chemin());
        if (m_base.m_suivi)
            m_base.m_suivi(sql);
    }
    m_requete->lie(valeurs);
    lit();
    m_noMatch = eof();
}

bool Curseur::premier()
{
    QStringList ordre;
    for (const QString& c : m_colonnes)
        ordre.append(identifiant(c));
    ordre.append(QStringLiteral("rowid"));
    lance(QStringLiteral("SELECT rowid AS %1, * FROM %2 ORDER BY %3")
              .arg(QLatin1String(kAliasRowid), identifiant(m_table), ordre.join(u',')),
          {});
    return !m_noMatch;
}

bool Curseur::cherche(const QString& op, const QVariantList& cle)
{
    if (op != u"=" && op != u">=")
        throw ErreurBase(QStringLiteral("Opérateur de recherche « %1 » non pris en charge.").arg(op));
    if (cle.isEmpty() || cle.size() > m_colonnes.size())
        throw ErreurBase(QStringLiteral("Clé de recherche invalide sur « %1 ».").arg(m_table));
    QStringList gauche, marques, ordre;
    for (int i = 0; i < m_colonnes.size(); ++i) {
        if (i < cle.size()) {
            gauche.append(identifiant(m_colonnes.at(i)));
            marques.append(QStringLiteral("?"));
        }
        ordre.append(identifiant(m_colonnes.at(i)));
    }
    ordre.append(QStringLiteral("rowid"));
    // Même ordre que l'index, pour que « suivant » continue comme le faisait l'ancien moteur.
    lance(QStringLiteral("SELECT rowid AS %1, * FROM %2 WHERE (%3) >= (%4) ORDER BY %5")
              .arg(QLatin1String(kAliasRowid), identifiant(m_table), gauche.join(u','), marques.join(u','),
                   ordre.join(u',')),
          cle);
    // Pour « = », la première ligne au-delà de la clé n'est une réponse que si sa clé est égale.
    if (op == u"=")
        for (int i = 0; i < cle.size() && !m_noMatch; ++i)
            m_noMatch = !clesEgales(m_ligne.valeur(m_colonnes.at(i)), cle.at(i));
    return !m_noMatch;
}

void Curseur::suivant()
{
    lit();
}

void Curseur::lit()
{
    m_ligne = m_requete && m_requete->suivante() ? m_requete->ligne() : Ligne();
}

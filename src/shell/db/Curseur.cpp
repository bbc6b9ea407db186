#include "Curseur.h"
#include "BaseDonnees.h"
#include "shell/Erreur.h"

#include "Collation.h"

#include <QSqlError>
#include <QSqlRecord>

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
    : m_base(base), m_table(std::move(table)), m_colonnes(base.colonnesIndex(m_table, index)),
      m_requete(base.connexion())
{
    m_requete.setForwardOnly(true);
}

bool Curseur::premier()
{
    QStringList ordre;
    for (const QString& c : m_colonnes)
        ordre.append(identifiant(c));
    ordre.append(QStringLiteral("rowid"));
    m_requete.finish();
    if (!m_requete.exec(QStringLiteral("SELECT rowid AS quorvane_rowid, * FROM %1 ORDER BY %2")
                            .arg(identifiant(m_table), ordre.join(u','))))
        m_base.echec(m_table, m_requete.lastError());
    lit();
    m_noMatch = eof();
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
    const QString sql = QStringLiteral("SELECT rowid AS quorvane_rowid, * FROM %1 WHERE (%2) >= (%3) ORDER BY %4")
                            .arg(identifiant(m_table), gauche.join(u','), marques.join(u','), ordre.join(u','));
    m_requete.finish();
    if (m_requete.lastQuery() != sql && !m_requete.prepare(sql))
        m_base.echec(m_table, m_requete.lastError());
    for (int i = 0; i < cle.size(); ++i)
        m_requete.bindValue(i, cle.at(i));
    if (!m_requete.exec())
        m_base.echec(m_table, m_requete.lastError());
    lit();
    m_noMatch = eof();
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
    if (m_requete.isActive() && m_requete.next()) {
        QSqlRecord r = m_requete.record();
        const int i = r.indexOf(QStringLiteral("quorvane_rowid"));
        const qint64 rowid = r.value(i).toLongLong();
        r.remove(i);
        m_ligne = Ligne(std::move(r), rowid);
    } else {
        m_ligne = Ligne();
        m_requete.finish();
    }
}

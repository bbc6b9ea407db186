#pragma once
// Parcours d'une table dans l'ordre d'un index nommé, positionné par une recherche
// « = » ou « >= » ; « suivant » continue dans l'ordre de l'index jusqu'à la fin de la table.
#include "Ligne.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

class BaseDonnees;
class Instruction;

class Curseur
{
public:
    Curseur(BaseDonnees& base, QString table, QString index);
    ~Curseur();
    Curseur(Curseur&&) noexcept;

    // op : "=" ou ">=". Rend vrai quand une ligne est trouvée (NoMatch faux).
    bool cherche(const QString& op, const QVariantList& cle);
    // Se place sur la première ligne de la table dans l'ordre de l'index.
    bool premier();
    void suivant();

    bool noMatch() const { return m_noMatch; }
    bool eof() const { return !m_ligne.estValide(); }
    const Ligne& ligne() const { return m_ligne; }

    const QStringList& colonnes() const { return m_colonnes; }

private:
    void lit();
    void lance(const QString& sql, const QVariantList& valeurs);

    BaseDonnees& m_base;
    QString m_table;
    QStringList m_colonnes;
    std::unique_ptr<Instruction> m_requete;   // requête propre : le parcours dure entre deux appels
    Ligne m_ligne;
    bool m_noMatch = true;
};

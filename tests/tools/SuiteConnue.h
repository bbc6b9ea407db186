#pragma once
// Source de hasard qui rejoue des dés connus, pour vérifier les jets dans les essais.
#include "shell/Hasard.h"

#include <QList>
#include <QStringList>

class SuiteConnue : public SourceHasard
{
public:
    // "valeur/faces" séparés par des blancs : chaque dé tombe au milieu de sa face. Une fois la
    // suite lue, chaque dé donne 1 si ensuiteUn, sinon la suite est réputée débordée.
    explicit SuiteConnue(const QString& jets, bool ensuiteUn = false) : m_ensuiteUn(ensuiteUn)
    {
        for (const QString& jet : jets.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList vf = jet.split(u'/');
            m_valeurs << (vf.at(0).toDouble() - 0.5) / vf.at(1).toDouble();
        }
    }

    double Rnd() override
    {
        if (m_lus < m_valeurs.size())
            return m_valeurs.at(m_lus++);
        m_deborde |= !m_ensuiteUn;
        return 0.0;
    }

    // Vrai quand tous les dés prévus, et pas un de plus, ont été lancés.
    bool touteLue() const { return m_lus == m_valeurs.size() && !m_deborde; }

private:
    QList<double> m_valeurs;
    qsizetype m_lus = 0;
    bool m_ensuiteUn;
    bool m_deborde = false;
};

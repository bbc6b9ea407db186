// Chaque requête que la fiche et le choix d'un personnage lancent sur la base des personnages
// passe par un index : sur une base de 10 000 personnages, un parcours de table coûte des
// dizaines de millisecondes par fiche.
#include "FixturesFiche.h"
#include "sheet/ListeCapacite.h"
#include "shell/ChoixPersonnage.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestPlansRequetes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aucunParcoursDeTablePersonnage()
    {
        auto programme = baseProgrammeLivree();
        if (!programme)
            QSKIP("tessarys.db n'est pas construite");
        // Les exemples livrés : sorts connus et préparés, équipement, dons, plusieurs classes.
        DossierTest dossier;
        const QString chemin = dossier.chemin(QStringLiteral("exemples.db"));
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath(QStringLiteral("exemples.db")), chemin));
        auto perso = BaseDonnees::ouvre(chemin);
        QSet<QString> requetes;
        perso->suitPreparations([&](const QString& sql) { requetes.insert(sql); });

        const QVector<PersonnageChoix> choix = ListePersonnagesChoix(*perso);
        QVERIFY(choix.size() >= 5);
        // Le choix d'un personnage les montre tous : lui seul lit toute la table, dans l'ordre de son index.
        const QSet<QString> listes = requetes;
        for (const PersonnageChoix& p : choix) {
            Fiche f;
            SaisiesFiche saisies;
            saisies.Capacites = ChargeCapacitesPerso(*perso, *programme, p.nom);
            QVERIFY2(RetrouveFiche({*perso, *programme, dossierProgramme()}, p.nom, saisies, f), qPrintable(p.nom));
        }
        QVERIFY(requetes.size() > 10);

        static const QRegularExpression parcours(
            QStringLiteral("^SCAN (Personnage|PersonnageProgression|PersonnageDons|Equipement|SortPersonnage|SortListe|"
                           "Capacites)\\b( USING (COVERING )?INDEX)?"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& sql : std::as_const(requetes)) {
            // Les lectures, modifications et suppressions ; pas les transactions ni les ajouts.
            static const QRegularExpression cherche(QStringLiteral("^\\s*(SELECT|UPDATE|DELETE|WITH)\\b"),
                                                    QRegularExpression::CaseInsensitiveOption);
            if (!cherche.match(sql).hasMatch())
                continue;
            for (const Ligne& etape : perso->selectionne(QStringLiteral("EXPLAIN QUERY PLAN ") + sql)) {
                const QString detail = etape.texte(QStringLiteral("detail"));
                const QRegularExpressionMatch m = parcours.match(detail);
                const bool permis = listes.contains(sql) && m.capturedLength(2) > 0;
                QVERIFY2(!m.hasMatch() || permis, qPrintable(detail + QStringLiteral(" ← ") + sql));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPlansRequetes)
#include "test_plans_requetes.moc"

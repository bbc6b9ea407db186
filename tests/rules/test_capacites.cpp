// Capacités spéciales : valeurs des capacités activables aux niveaux charnières, dons repris,
// lignes des autres personnages, rage.
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/Capacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QtTest>

namespace {

LigneCapacite ligne(const QString& nom, const QString& personnage = "Iris", const QString& niveau = {},
                    const QString& valeur = {})
{
    LigneCapacite c;
    c.Nom = nom;
    c.Personnage = personnage;
    c.Niveau = niveau;
    c.Valeur = valeur;
    return c;
}

} // namespace

class TestCapacites : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    TypePersonnage m_iris;

    TypeCapacites analyse(const ListeCapacitesPerso& lignes, const QStringList& dons = {},
                          ListeBonus* bonus = nullptr, const QString& typeRace = "Humanoïde")
    {
        TypeRace r;
        r.Type = typeRace;
        TypeCapacites resume;
        ListeBonus local;
        AnalyseCapacites(r, resume, m_iris, lignes, dons, bonus ? *bonus : local);
        return resume;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_iris.Nom = "Iris";
        m_programme = baseVide(m_dossier);
        creeTables(*m_programme, schemaProgramme(), {"CapaciteSort", "Dons"});
        const auto ajoute = [&](const char* nom, int min, int max, int tousLes, int base, const char* augmentation) {
            m_programme->ajoute("CapaciteSort", {{"Nom", QString::fromUtf8(nom)}, {"min", min}, {"max", max},
                                                 {"TousLes", tousLes}, {"BonusBase", base},
                                                 {"Augmentation", QString::fromUtf8(augmentation)}});
        };
        ajoute("Tous les quatre", 0, 0, 4, 1, "1");
        ajoute("Bornée", 2, 4, 4, 1, "1");
        ajoute("Dés", 0, 0, 2, 0, "1d6");
        ajoute("Dés bornés", 0, 3, 2, 0, "1d6+1");
        ajoute("Inspiration vaillante", 1, 4, 6, 1, "1");
        ajoute("Carapace de tortue", 6, 9, 1, 6, "0");
        ajoute("Châtiment du mal", 0, 20, 1, 0, "1d6");
        ajoute("Sans palier", 0, 0, 0, 2, "1");
        ajoute("Frappe profane", 0, 9, 1, 0, "1d4");
        ajoute("Puissance divine épique", 0, 40, 1, 0, "1");
        m_programme->ajoute("Dons", {{"Nom", "Arme de prédilection"}, {"supplementaire", true}});
        m_programme->ajoute("Dons", {{"Nom", "Esquive"}, {"supplementaire", false}});
    }

    // Valeur d'une capacité activable au niveau donné. Frappe profane : le plus haut niveau de sort de la classe
    // (un tous les deux niveaux), limité par la caractéristique de lancement, en d4 ; puissance divine épique :
    // le double du modificateur de Charisme, seulement avec le don.
    void capaciteSort_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("carac");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("valeur");
        const auto cas = [](const char* nom, std::initializer_list<std::pair<int, const char*>> valeurs, int carac = 0,
                            const QStringList& dons = {}) {
            for (const auto& [niveau, valeur] : valeurs)
                QTest::addRow("%s %d (%d %s)", nom, niveau, carac, qPrintable(dons.join(u',')))
                    << QString::fromUtf8(nom) << niveau << carac << dons << QString::fromUtf8(valeur);
        };
        cas("Tous les quatre", {{3, "1"}, {4, "2"}, {7, "2"}, {9, "3"}});
        cas("Bornée", {{1, "2"}, {8, "3"}, {20, "4"}});
        cas("Dés", {{9, "4d6"}, {1, "0d6"}});
        cas("Dés bornés", {{4, "2d6+2"}, {20, "3d6+3"}});
        cas("Inspiration vaillante", {{1, "1"}, {7, "1"}, {8, "2"}, {13, "2"}, {14, "3"}, {20, "4"}});
        cas("Carapace de tortue", {{13, "6"}, {14, "7"}, {16, "7"}, {17, "8"}, {19, "8"}, {20, "9"}});
        cas("Châtiment du mal", {{5, "5d4"}});
        cas("Sans palier", {{3, "5"}});
        cas("Inconnue", {{5, "0"}});
        cas("Frappe profane", {{1, "1d4"}, {2, "1d4"}, {5, "3d4"}, {0, "0"}}, 18);
        cas("Frappe profane", {{5, "2d4"}}, 12);
        cas("Frappe profane", {{9, "0"}}, 10);
        cas("Frappe profane", {{17, "9d4"}, {20, "9d4"}}, 30);
        cas("Puissance divine épique", {{4, "0"}}, 0, {"Puissance divine "});
        cas("Puissance divine épique", {{4, "8"}, {25, "40"}}, 0, {"Puissance divine épique"});
    }
    void capaciteSort()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(int, carac);
        QFETCH(QStringList, dons);
        QTEST(CapaciteSort(*m_programme, nom, niveau, {carac, dons}), "valeur");
    }

    void donSupplementaire()
    {
        QVERIFY(DonSupplementaire(*m_programme, "Arme de prédilection"));
        QVERIFY(!DonSupplementaire(*m_programme, "Esquive"));
        QVERIFY(!DonSupplementaire(*m_programme, "Inconnu"));
    }

    void lignesDesAutresIgnorees()
    {
        const TypeCapacites r = analyse({ligne("Rage +1", "Luna"), ligne("Rage +1", "iris"), ligne("rage +1")});
        QCOMPARE(int(r.compteur("Nombre de rage : ")), 1);
    }

    void valeurSelonLeNiveau_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("bonus");
        QTest::newRow("niveau 1") << "1" << "2" << 2;
        QTest::newRow("niveau 2") << "2" << "2" << 0;
        QTest::newRow("vide") << "" << "2" << 0;
        QTest::newRow("valeur non numérique") << "1" << "beaucoup" << 0;
    }
    void valeurSelonLeNiveau()
    {
        QFETCH(QString, niveau);
        QFETCH(QString, valeur);
        const TypeCapacites r = analyse({ligne("Inspiration vaillante", "Iris", niveau, valeur)});
        QTEST(int(r.compteur("Bonus inspiration vaillante : +")), "bonus");
    }

    // La ligne de rage de la fiche : rage +4 en Force, +2 en Volonté, -2 à la CA ; rage de grand
    // berserker +6 / +3, de maître berserker +8 / +4 ; rage téméraire +2 en Force et -2 à la CA de plus.
    void rage_data()
    {
        QTest::addColumn<QStringList>("capacites");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QList<int>>("attendu");   // rages, Force, Volonté, CA, rounds en plus
        QTest::newRow("sans rage") << QStringList{} << QStringList{} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("rage") << QStringList{"Rage +1"} << QStringList{} << QList<int>{1, 4, 2, 2, 0};
        QTest::newRow("deux rages") << QStringList{"Rage +1", "Rage +1"} << QStringList{} << QList<int>{2, 4, 2, 2, 0};
        QTest::newRow("don de rage") << QStringList{} << QStringList{"Fureur de la tigresse"}
                                     << QList<int>{1, 4, 2, 2, 0};
        QTest::newRow("grand berserker") << QStringList{"Rage +1", "Rage de grand berserker"} << QStringList{}
                                         << QList<int>{1, 6, 3, 2, 0};
        QTest::newRow("maître berserker")
            << QStringList{"Rage +1", "Rage de grand berserker", "Rage de maître berserker"} << QStringList{}
            << QList<int>{1, 8, 4, 2, 0};
        QTest::newRow("grand berserker en don") << QStringList{"Rage +1"} << QStringList{"Rage de grand berserker"}
                                                << QList<int>{1, 6, 3, 2, 0};
        QTest::newRow("téméraire et longue") << QStringList{"Rage +1", "Rage téméraire", "Longue rage "}
                                            << QStringList{} << QList<int>{1, 6, 2, 4, 5};
        QTest::newRow("rages supplémentaires") << QStringList{"Rage +1"} << QStringList{"Rages supplémentaires"}
                                               << QList<int>{3, 4, 2, 2, 0};
    }
    void rage()
    {
        QFETCH(QStringList, capacites);
        QFETCH(QStringList, dons);
        QFETCH(QList<int>, attendu);
        ListeCapacitesPerso lignes;
        for (const QString& c : capacites)
            lignes << ligne(c);
        const TypeCapacites r = analyse(lignes, dons);
        const QList<int> obtenu{r.compteur("Nombre de rage : "), r.compteur("Effet de la rage : Force : +"),
                                r.compteur("Effet de la rage : Volonté : +"), r.compteur("Effet de la rage : CA : -"),
                                r.compteur("Durée de la rage(bonus rage inclut) : ")};
        QCOMPARE(obtenu, attendu);
    }
};

QTEST_GUILESS_MAIN(TestCapacites)
#include "test_capacites.moc"

// Le calcul du personnage sur les règles livrées (tessarys.db construite depuis data/).
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/Capacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"

#include <QDir>
#include <QtTest>

class TestReglesLivrees : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;

private Q_SLOTS:
    void initTestCase()
    {
        const QString chemin = QDir(dossierProgramme()).filePath("tessarys.db");
        if (!QFileInfo::exists(chemin))
            QSKIP("tessarys.db n'est pas construite");
        m_programme = BaseDonnees::ouvre(chemin);
        m_perso = baseVide(m_dossier, "perso.db");
        creeTablesPersonnages(*m_perso);
    }

    void guerrierRoublard()
    {
        ajoutePersonnage(*m_perso, "Aldo", fois(4, "Guerrier") + fois(3, "Roublard"), {{"RACE", "Humain"}});
        TypePersonnage p;
        QVERIFY(ChargePersonnage(*m_perso, *m_programme, p, "Aldo", {}));
        QCOMPARE(int(p.attaque), 6);
        QCOMPARE(int(p.Reflexe), 4);
        QCOMPARE(int(p.Vigueur), 5);
        QCOMPARE(int(p.Volonte), 2);
    }

    void ogreEnNiveauxDeGeant()
    {
        TypeRace ogre;
        ChargeRace(*m_programme, ogre, "Ogre");
        QCOMPARE(ogre.Type, QString("Géant"));
        QCOMPARE(ogre.taille, QString("Grande"));
        const int des = m_programme->scalaire("select Niveau from Race where Race=?", {"Ogre"}).toInt();
        QCOMPARE(des, 4);
        ajoutePersonnage(*m_perso, "Grok", fois(des, "Géant"), {{"RACE", "Ogre"}});
        TypePersonnage p;
        QVERIFY(ChargePersonnage(*m_perso, *m_programme, p, "Grok", {}));
        // Géant à 4 dés de vie : attaque 3/4, bon jet de Vigueur, mauvais Réflexes et Volonté.
        QCOMPARE(int(p.attaque), 3);
        QCOMPARE(int(p.Vigueur), 4);
        QCOMPARE(int(p.Reflexe), 1);
        QCOMPARE(int(p.Volonte), 1);
    }

    // Les capacités activables livrées, aux cas particuliers.
    void capacitesActivables_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("carac");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("valeur");
        // Classe de niveau 7 : sorts du niveau 4 ; Intelligence 16 : jusqu'au niveau 6.
        QTest::newRow("frappe profane") << "Frappe profane" << 7 << 16 << QStringList{} << "4d4";
        QTest::newRow("frappe profane limitée") << "Frappe profane" << 7 << 12 << QStringList{} << "2d4";
        QTest::newRow("inspiration niveau 8") << "Inspiration vaillante" << 8 << 0 << QStringList{} << "2";
        QTest::newRow("carapace niveau 14") << "Carapace de tortue" << 14 << 0 << QStringList{} << "7";
        QTest::newRow("châtiment du mal") << "Châtiment du mal" << 5 << 0 << QStringList{} << "5d4";
        QTest::newRow("épique sans le don") << "Puissance divine épique" << 3 << 0 << QStringList{} << "0";
        QTest::newRow("épique avec le don") << "Puissance divine épique" << 3 << 0
                                            << QStringList{"Puissance divine épique"} << "6";
    }
    void capacitesActivables()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(int, carac);
        QFETCH(QStringList, dons);
        QTEST(CapaciteSort(*m_programme, nom, niveau, {carac, dons}), "valeur");
    }
};

QTEST_GUILESS_MAIN(TestReglesLivrees)
#include "test_regles_livrees.moc"

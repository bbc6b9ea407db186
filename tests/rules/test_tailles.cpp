// Tailles : modificateurs, charge transportable, espace et allonge, dés de dégâts.
#include "rules/Race.h"
#include "rules/Tailles.h"

#include <QtTest>

class TestTailles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modificateurs_data()
    {
        QTest::addColumn<QString>("taille");
        QTest::addColumn<int>("ca");
        QTest::addColumn<int>("lutte");
        QTest::newRow("infime") << "Infime" << 8 << -16;
        QTest::newRow("minuscule") << "Minuscule" << 4 << -12;
        QTest::newRow("très petite") << "Très petite" << 2 << -8;
        QTest::newRow("petite") << "Petite" << 1 << -4;
        QTest::newRow("moyenne") << "Moyenne" << 0 << 0;
        QTest::newRow("grande") << "Grande" << -1 << 4;
        QTest::newRow("très grande") << "Très grande" << -2 << 8;
        QTest::newRow("gigantesque") << "Gigantesque" << -4 << 12;
        QTest::newRow("colossale") << "Colossale" << -8 << 16;
        QTest::newRow("colossale+") << "Colossale+" << -8 << 16;
        QTest::newRow("casse") << "grande" << 0 << 0;
        QTest::newRow("inconnue") << "Énorme" << 0 << 0;
    }
    void modificateurs()
    {
        QFETCH(QString, taille);
        QTEST(int(ModifTailleCA(taille)), "ca");
        QTEST(int(ModifTailleLutte(taille)), "lutte");
    }

    void tailleVoisine()
    {
        QCOMPARE(TailleVoisine("Moyenne", 1), QString("Grande"));
        QCOMPARE(TailleVoisine("Moyenne", -2), QString("Très petite"));
        QCOMPARE(TailleVoisine("Colossale", 1), QString("Colossale+"));
        QCOMPARE(TailleVoisine("Colossale+", 3), QString("Colossale+"));
        QCOMPARE(TailleVoisine("Infime", -1), QString("Infime"));
        QCOMPARE(TailleVoisine("moyenne", 1), QString());
    }

    void lutteTaille_data()
    {
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<int>("modif");
        QTest::newRow("sans don") << "Moyenne" << QStringList{} << 0;
        QTest::newRow("puissante carrure") << "Moyenne" << QStringList{"Puissante carrure"} << 4;
        QTest::newRow("puissante carrure infime") << "Infime" << QStringList{"Puissante carrure"} << -12;
        QTest::newRow("puissante carrure gigantesque") << "Gigantesque" << QStringList{"Puissante carrure"} << 16;
        QTest::newRow("colossale reste colossale") << "Colossale" << QStringList{"Puissante carrure"} << 16;
        QTest::newRow("science de la lutte") << "Petite" << QStringList{"Science de la lutte"} << 0;
        QTest::newRow("cumul") << "Moyenne" << QStringList{"Puissante carrure", "Science de la lutte"} << 8;
    }
    void lutteTaille()
    {
        QFETCH(QString, taille);
        QFETCH(QStringList, dons);
        QTEST(int(LutteTaille(taille, dons)), "modif");
    }

    void charge_data()
    {
        QTest::addColumn<bool>("quadrupede");
        QTest::addColumn<QString>("taille");
        QTest::addColumn<int>("force");
        QTest::addColumn<double>("legere");
        QTest::addColumn<double>("intermediaire");
        QTest::addColumn<double>("lourde");
        QTest::newRow("force 1") << false << "Moyenne" << 1 << 1.5 << 3.0 << 5.0;
        QTest::newRow("force 2") << false << "Moyenne" << 2 << 3.0 << 6.5 << 10.0;
        QTest::newRow("force 4") << false << "Moyenne" << 4 << 6.5 << 13.0 << 20.0;
        QTest::newRow("force 10") << false << "Moyenne" << 10 << 16.5 << 33.0 << 50.0;
        QTest::newRow("force 18") << false << "Moyenne" << 18 << 50.0 << 100.0 << 150.0;
        QTest::newRow("force 29") << false << "Moyenne" << 29 << 233.0 << 466.5 << 700.0;
        QTest::newRow("quadrupède moyen force 1") << true << "Moyenne" << 1 << 2.25 << 4.5 << 7.5;
        QTest::newRow("quadrupède grand force 10") << true << "Grande" << 10 << 49.5 << 99.0 << 150.0;
        QTest::newRow("petite") << false << "Petite" << 10 << 12.375 << 24.75 << 37.5;
        QTest::newRow("quadrupède petite") << true << "Petite" << 10 << 16.5 << 33.0 << 50.0;
        QTest::newRow("colossale+") << false << "Colossale+" << 1 << 24.0 << 48.0 << 80.0;
        // Au-delà de 29 : la ligne de même unité entre 20 et 29, ×4 de 30 à 39, ×16 ensuite.
        QTest::newRow("force 30") << false << "Moyenne" << 30 << 266.0 << 532.0 << 800.0;
        QTest::newRow("force 35") << false << "Moyenne" << 35 << 532.0 << 1066.0 << 1600.0;
        QTest::newRow("force 40") << false << "Moyenne" << 40 << 1064.0 << 2128.0 << 3200.0;
        QTest::newRow("force 0") << false << "Moyenne" << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("taille inconnue") << false << "moyenne" << 10 << 0.0 << 0.0 << 0.0;
    }
    void charge()
    {
        QFETCH(bool, quadrupede);
        QFETCH(QString, taille);
        QFETCH(int, force);
        ChargesTransportables c;
        ChargeTransportable(c, quadrupede, taille, force);
        QTEST(c.legere, "legere");
        QTEST(c.intermediaire, "intermediaire");
        QTEST(c.lourde, "lourde");
    }

    void chargeCroissante()
    {
        // Chaque point de Force porte plus ; légère < intermédiaire < lourde ; la légère est le tiers
        // de la lourde, aux arrondis de la table près.
        ChargesTransportables avant;
        for (int force = 1; force <= 49; ++force) {
            ChargesTransportables c;
            ChargeTransportable(c, false, "Moyenne", force);
            QVERIFY2(c.legere < c.intermediaire && c.intermediaire < c.lourde, qPrintable(QString::number(force)));
            QVERIFY2(c.lourde > avant.lourde, qPrintable(QString::number(force)));
            QVERIFY2(qAbs(c.lourde / 3 - c.legere) <= c.lourde / 600 + 0.5, qPrintable(QString::number(force)));
            avant = c;
        }
    }

    void espaceAllonge_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("taille");
        QTest::addColumn<int>("allonge");
        QTest::addColumn<QStringList>("armes");
        QTest::addColumn<QStringList>("capacites");
        QTest::addColumn<QString>("texte");
        QTest::newRow("humain") << "Humain" << "Moyenne" << 0 << QStringList{} << QStringList{} << "1,50 m/1,50 m";
        QTest::newRow("ogre") << "Ogre" << "Grande" << 0 << QStringList{} << QStringList{} << "3 m/3 m";
        QTest::newRow("grande et longue") << "Cheval" << "Grande" << 1 << QStringList{} << QStringList{} << "3 m/1,50 m";
        QTest::newRow("très petite") << "Lutin" << "Très petite" << 0 << QStringList{} << QStringList{} << "75cm/0 m";
        QTest::newRow("pique") << "Humain" << "Moyenne" << 0 << QStringList{"Dague", "Pique"} << QStringList{}
                               << "1,50 m/3 m";
        QTest::newRow("allonge inhumaine") << "Humain" << "Moyenne" << 0 << QStringList{}
                                           << QStringList{"Allonge inhumaine"} << "1,50 m/3 m";
        QTest::newRow("aboleth") << "Aboleth" << "Très grande" << 0 << QStringList{} << QStringList{} << "4,50 m/3 m";
        QTest::newRow("taille inconnue") << "Truc" << "" << 0 << QStringList{} << QStringList{} << "";
    }
    void espaceAllonge()
    {
        QFETCH(QString, race);
        QFETCH(QString, taille);
        QFETCH(int, allonge);
        QFETCH(QStringList, armes);
        QFETCH(QStringList, capacites);
        TypeRace r;
        r.RACE = race;
        r.taille = taille;
        r.Allonge = allonge;
        QTEST(EspaceAllonge(r, armes, capacites), "texte");
    }

    void desTailleSuperieure_data()
    {
        QTest::addColumn<QString>("des");
        QTest::addColumn<QString>("plus");
        const char* pas[][2] = {{"1", "1d2"},     {"1d2", "1d3"},   {"1d3", "1d4"},   {"1d4", "1d6"},
                                {"1d5", "1d7"},   {"1d6", "1d8"},   {"1d7", "1d10"},  {"1d8", "2d6"},
                                {"1d10", "2d8"},  {"1d11", "2d10"}, {"1d12", "3d6"},  {"2d4", "2d6"},
                                {"2d6", "3d6"},   {"2d8", "3d8"},   {"2d10", "4d8"},  {"3d6", "4d6"},
                                {"4d6", "6d6"},   {"6d6", "8d6"},   {"8d6", "12d6"},  {"12d6", "16d6"},
                                {"3d8", "4d8"},   {"4d8", "6d8"},   {"6d8", "8d8"},   {"8d8", "12d8"},
                                {"16d6", ""},     {"2d12", ""},     {"1D6", ""},      {" 1d6", ""}};
        for (const auto& p : pas)
            QTest::newRow(p[0]) << p[0] << p[1];
    }
    void desTailleSuperieure()
    {
        QFETCH(QString, des);
        QTEST(DesTailleSuperieure(des), "plus");
    }

    void desTailleInferieure_data()
    {
        QTest::addColumn<QString>("des");
        QTest::addColumn<QString>("moins");
        QTest::newRow("1d8") << "1d8" << "1d6";
        QTest::newRow("1d6") << "1d6" << "1d4";
        QTest::newRow("2d6") << "2d6" << "1d10";
        QTest::newRow("2d4") << "2d4" << "1d6";
        QTest::newRow("1d2") << "1d2" << "1";
        QTest::newRow("1") << "1" << "";
    }
    void desTailleInferieure()
    {
        QFETCH(QString, des);
        QTEST(DesTailleInferieure(des), "moins");
    }

    void degatsTaille_data()
    {
        QTest::addColumn<QString>("attaque");
        QTest::addColumn<QString>("desMoyenne");
        QTest::addColumn<QString>("taille");
        QTest::addColumn<QString>("race");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("des");
        QTest::newRow("moyenne") << "Griffe" << "1d6" << "Moyenne" << "Ours" << QStringList{} << "1d6";
        QTest::newRow("grande") << "Griffe" << "1d6" << "Grande" << "Ours" << QStringList{} << "1d8";
        QTest::newRow("gigantesque") << "Griffe" << "1d6" << "Gigantesque" << "Ours" << QStringList{} << "3d6";
        QTest::newRow("petite") << "Morsure" << "1d6" << "Petite" << "Chien" << QStringList{} << "1d4";
        QTest::newRow("minuscule") << "Morsure" << "1d6" << "Minuscule" << "Rat" << QStringList{} << "1d2";
        QTest::newRow("arme naturelle supérieure") << "Griffe" << "1d6" << "Grande" << "Ours"
                                                   << QStringList{"Arme naturelle supérieure"} << "2d6";
        QTest::newRow("deux dons") << "Griffe" << "1d6" << "Moyenne" << "Ours"
                                   << QStringList{"Arme naturelle supérieure", "Grande poigne"} << "2d6";
        QTest::newRow("dragon grand") << "Morsure" << "1d8" << "Grande" << "Dragon rouge jeune" << QStringList{} << "2d6";
        QTest::newRow("dragon colossal queue") << "Queue" << "" << "Colossale" << "Dragon rouge vénérable"
                                               << QStringList{} << "4d6";
        QTest::newRow("élémentaire de terre G") << "Coup" << "1d8" << "Grande" << "Elémentaire de la terre G"
                                                << QStringList{} << "2d8";
        QTest::newRow("élémentaire du feu seigneur") << "Coup" << "1d6" << "Très grande" << "Elémentaire du feu seigneur"
                                                     << QStringList{} << "2d8";
        QTest::newRow("arc long démoniaque") << "Arc Long" << "1d8" << "Moyenne" << "Humain"
                                             << QStringList{"Archer démoniaque"} << "2d6";
        QTest::newRow("archer démoniaque, autre arme") << "Épée longue" << "1d8" << "Moyenne" << "Humain"
                                                       << QStringList{"Archer démoniaque"} << "1d8";
    }
    void degatsTaille()
    {
        QFETCH(QString, attaque);
        QFETCH(QString, desMoyenne);
        QFETCH(QString, taille);
        QFETCH(QString, race);
        QFETCH(QStringList, dons);
        QTEST(DegatsTaille(attaque, desMoyenne, taille, race, dons), "des");
    }

    void attaquesNaturelles()
    {
        QCOMPARE(AttaquesNaturelles().size(), 21);
        QVERIFY(AttaquesNaturelles().contains("Pattes arrière"));
        QVERIFY(!AttaquesNaturelles().contains("Épée longue"));
    }
};

QTEST_GUILESS_MAIN(TestTailles)
#include "test_tailles.moc"

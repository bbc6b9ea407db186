// Vitesses : armure, nains, dons qui accélèrent ou ralentissent, vol et nage, bonus de la liste.
#include "rules/Deplacement.h"
#include "rules/Race.h"

#include <QtTest>

namespace {

TypeRace race(const QString& nom, int sol, int air = 0, int eau = 0, const QString& manoeuvrabilite = {})
{
    TypeRace r;
    r.RACE = nom;
    r.Deplacement = sol;
    r.Deplacement_Air = air;
    r.Deplacement_Eau = eau;
    r.Manoeuvrabilite = manoeuvrabilite;
    return r;
}

} // namespace

Q_DECLARE_METATYPE(ArmurePortee)

class TestDeplacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vitesseArmure_data()
    {
        QTest::addColumn<int>("cases");
        QTest::addColumn<int>("armure");
        const int table[][2] = {{-1, 0}, {0, 0},  {1, 1},   {2, 1},   {3, 2},   {4, 3},   {5, 3},   {6, 4},
                                {7, 5},  {8, 6},  {9, 6},   {10, 7},  {11, 7},  {12, 8},  {13, 9},  {14, 10},
                                {15, 10}, {16, 11}, {17, 11}, {18, 12}, {19, 13}, {20, 14}, {21, 0}};
        for (const auto& t : table)
            QTest::newRow(qPrintable(QString::number(t[0]))) << t[0] << t[1];
    }
    void vitesseArmure()
    {
        QFETCH(int, cases);
        QTEST(int(VitesseArmure(cases)), "armure");
    }

    void auSol_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<int>("metres");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<ArmurePortee>("armure");
        QTest::addColumn<int>("cases");
        QTest::newRow("humain") << "Humain" << 9 << QStringList{} << ArmurePortee::Aucune << 6;
        QTest::newRow("humain armure légère") << "Humain" << 9 << QStringList{} << ArmurePortee::Legere << 6;
        QTest::newRow("humain armure intermédiaire") << "Humain" << 9 << QStringList{} << ArmurePortee::Intermediaire << 4;
        QTest::newRow("humain armure lourde") << "Humain" << 9 << QStringList{} << ArmurePortee::Lourde << 4;
        QTest::newRow("nain armure intermédiaire") << "Nain" << 6 << QStringList{} << ArmurePortee::Intermediaire << 4;
        QTest::newRow("nain d'or armure lourde") << "Nain d'or" << 9 << QStringList{} << ArmurePortee::Lourde << 6;
        QTest::newRow("lent tare") << "Humain" << 9 << QStringList{"Lent tare"} << ArmurePortee::Aucune << 3;
        QTest::newRow("lent trait") << "Humain" << 9 << QStringList{"Lent trait"} << ArmurePortee::Aucune << 3;
        QTest::newRow("déplacement accéléré") << "Humain" << 9 << QStringList{"Déplacement accéléré"}
                                              << ArmurePortee::Aucune << 8;
        // Le moine reçoit l'ajout tous les trois niveaux et le perd en toute armure.
        QTest::newRow("moine niveau 6") << "Humain" << 9 << QStringList{"Déplacement accéléré", "Déplacement accéléré"}
                                        << ArmurePortee::Aucune << 10;
        QTest::newRow("accéléré en armure légère") << "Humain" << 9 << QStringList{"Déplacement accéléré"}
                                                   << ArmurePortee::Legere << 6;
        QTest::newRow("accéléré en armure intermédiaire") << "Humain" << 9 << QStringList{"Déplacement accéléré"}
                                                          << ArmurePortee::Intermediaire << 4;
        QTest::newRow("barbare en armure intermédiaire") << "Humain" << 9 << QStringList{"Déplacement accéléré barbare"}
                                                         << ArmurePortee::Intermediaire << 6;
        QTest::newRow("barbare en armure lourde") << "Humain" << 9 << QStringList{"Déplacement accéléré barbare"}
                                                  << ArmurePortee::Lourde << 4;
        QTest::newRow("+1,5 m") << "Humain" << 9 << QStringList{"Déplacement accéléré +1.5m"} << ArmurePortee::Aucune << 7;
        QTest::newRow("vélocité et vif") << "Elfe" << 9 << QStringList{"Vélocité", "Vif"} << ArmurePortee::Aucune << 9;
        QTest::newRow("accéléré puis lent") << "Humain" << 9 << QStringList{"Lent tare", "Déplacement accéléré"}
                                            << ArmurePortee::Aucune << 4;
    }
    void auSol()
    {
        QFETCH(QString, race);
        QFETCH(int, metres);
        QFETCH(QStringList, dons);
        QFETCH(ArmurePortee, armure);
        const Deplacements d = CalculeDeplacement({}, ::race(race, metres), dons, armure);
        QTEST(int(d.Terre), "cases");
    }

    void bonusDeLaListe()
    {
        ListeBonus bonus;
        AjouteBonus(bonus, "Bottes", "Bonus Déplacement", "Terre", "Alteration", "3+");
        AjouteBonus(bonus, "Sort", "Bonus Déplacement", "Terre", "Alteration", "9+");
        AjouteBonus(bonus, "Anneau", "Bonus Déplacement", "Eau", "Alteration", "6+");
        AjouteBonus(bonus, "Potion", "Bonus Déplacement", "Air", "Alteration", "6+");
        const Deplacements d = CalculeDeplacement(bonus, race("Humain", 9), {}, ArmurePortee::Intermediaire);
        QCOMPARE(int(d.Terre), 4 + 6);   // l'armure ne réduit pas le bonus, le plus grand d'un type seul
        QCOMPARE(int(d.Eau), 4);
        QCOMPARE(int(d.Air), 4);
    }

    void volEtNage()
    {
        Deplacements d = CalculeDeplacement({}, race("Aasimar", 9), {"Sang Angélique (bonne)"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Air), 12);
        QCOMPARE(d.Manoeuvrabilite, QString("Bonne"));
        d = CalculeDeplacement({}, race("Aasimar", 9), {"Rejeton des étoiles"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Air), 3);
        QCOMPARE(d.Manoeuvrabilite, QString("Moyenne"));
        // Un vol racial plus rapide reste.
        d = CalculeDeplacement({}, race("Harpie", 6, 24, 0, "Médiocre"), {"Ailes"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Air), 16);
        QCOMPARE(d.Manoeuvrabilite, QString("Médiocre"));

        d = CalculeDeplacement({}, race("Triton", 1, 0, 12), {"Rejeton de l'eau"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Eau), 16);
        d = CalculeDeplacement({}, race("Triton", 1, 0, 12), {"Maîtrise de terrain"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Eau), 8);
        d = CalculeDeplacement({}, race("Triton", 1, 0, 12), {"Maîtrise de terrain", "Aquatique"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Eau), 16);
        d = CalculeDeplacement({}, race("Humain", 9), {"Science de la nage"}, ArmurePortee::Aucune);
        QCOMPARE(int(d.Eau), 3);
    }

    void course()
    {
        QCOMPARE(int(CalculeDeplacement({}, race("Humain", 9), {}, ArmurePortee::Aucune).MultipleCourse), 4);
        QCOMPARE(int(CalculeDeplacement({}, race("Humain", 9), {}, ArmurePortee::Lourde).MultipleCourse), 3);
        QCOMPARE(int(CalculeDeplacement({}, race("Humain", 9), {"Course"}, ArmurePortee::Aucune).MultipleCourse), 5);
    }

    void texte()
    {
        Deplacements d;
        d.Terre = 6;
        QCOMPARE(TexteDeplacement(d), QString("9m(6 cases)"));
        d.Terre = 5;
        d.Air = 12;
        d.Manoeuvrabilite = "Moyenne";
        d.Eau = 4;
        QCOMPARE(TexteDeplacement(d), QString("7,5m(5 cases), vol 18m(12 cases)(Moyenne), nage 6m(4 cases)"));
    }
};

QTEST_GUILESS_MAIN(TestDeplacement)
#include "test_deplacement.moc"

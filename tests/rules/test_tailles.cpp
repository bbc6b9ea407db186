// Tailles (modificateurs, charge transportable, espace et allonge, dés de dégâts), vitesses, cumul des bonus.
#include "rules/Bonus.h"
#include "rules/Deplacement.h"
#include "rules/Race.h"
#include "rules/Tailles.h"
#include "shell/Erreur.h"

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

struct Entree
{
    const char* genre;
    const char* cible;
    const char* type;
    const char* valeur;
};

ListeBonus liste(std::initializer_list<Entree> entrees)
{
    ListeBonus l;
    for (const Entree& e : entrees)
        AjouteBonus(l, "source", QString::fromUtf8(e.genre), QString::fromUtf8(e.cible),
                    QString::fromUtf8(e.type), QString::fromUtf8(e.valeur));
    return l;
}

const char* comp = "Bonus Competence";
const char* ca = "Bonus Classe Armure";

} // namespace

Q_DECLARE_METATYPE(ArmurePortee)
Q_DECLARE_METATYPE(ListeBonus)

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

    // Un cran de taille au-dessus (« + ») ou au-dessous (« - ») des dés de dégâts ; vide : pas de cran.
    void desSelonLaTaille_data()
    {
        QTest::addColumn<QString>("des");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("attendu");
        const char* pas[][2] = {{"1", "1d2"},     {"1d2", "1d3"},   {"1d3", "1d4"},   {"1d4", "1d6"},
                                {"1d5", "1d7"},   {"1d6", "1d8"},   {"1d7", "1d10"},  {"1d8", "2d6"},
                                {"1d10", "2d8"},  {"1d11", "2d10"}, {"1d12", "3d6"},  {"2d4", "2d6"},
                                {"2d6", "3d6"},   {"2d8", "3d8"},   {"2d10", "4d8"},  {"3d6", "4d6"},
                                {"4d6", "6d6"},   {"6d6", "8d6"},   {"8d6", "12d6"},  {"12d6", "16d6"},
                                {"3d8", "4d8"},   {"4d8", "6d8"},   {"6d8", "8d8"},   {"8d8", "12d8"},
                                {"16d6", ""},     {"2d12", ""},     {"1D6", ""},      {" 1d6", ""}};
        for (const auto& p : pas)
            QTest::addRow("+ %s", p[0]) << p[0] << true << p[1];
        for (const auto& [des, moins] : {std::pair("1d8", "1d6"), {"1d6", "1d4"}, {"2d6", "1d10"}, {"2d4", "1d6"},
                                         {"1d2", "1"}, {"1", ""}})
            QTest::addRow("- %s", des) << des << false << moins;
    }
    void desSelonLaTaille()
    {
        QFETCH(QString, des);
        QFETCH(bool, plus);
        QTEST(plus ? DesTailleSuperieure(des) : DesTailleInferieure(des), "attendu");
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

    void somme_data()
    {
        QTest::addColumn<ListeBonus>("bonus");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("des");

        QTest::newRow("liste vide") << ListeBonus{} << comp << "Fouille" << 0 << "";
        QTest::newRow("même type : le plus grand")
            << liste({{comp, "Fouille", "Aptitude", "2"}, {comp, "Fouille", "Aptitude", "4"}}) << comp << "Fouille" << 4 << "";
        QTest::newRow("plus grand en premier")
            << liste({{comp, "Fouille", "Aptitude", "4"}, {comp, "Fouille", "Aptitude", "2"}}) << comp << "Fouille" << 4 << "";
        QTest::newRow("types différents s'additionnent")
            << liste({{comp, "Fouille", "Aptitude", "2"}, {comp, "Fouille", "Aptitude", "4"}, {comp, "Fouille", "Chance", "1"}})
            << comp << "Fouille" << 5 << "";
        QTest::newRow("type sans égard à la casse")
            << liste({{comp, "Fouille", "Aptitude", "2"}, {comp, "Fouille", "APTITUDE", "3"}}) << comp << "Fouille" << 3 << "";
        QTest::newRow("comparaison numérique, pas textuelle")
            << liste({{comp, "Fouille", "Aptitude", "10"}, {comp, "Fouille", "Aptitude", "9"}}) << comp << "Fouille" << 10 << "";
        QTest::newRow("malus du même type")
            << liste({{comp, "Fouille", "Aptitude", "-1"}, {comp, "Fouille", "Aptitude", "-3"}}) << comp << "Fouille" << -1 << "";
        QTest::newRow("deux anneaux de parade")
            << liste({{ca, "Parade", "Parade", "1"}, {ca, "Parade", "Parade", "2"}}) << ca << "Parade" << 2 << "";
        QTest::newRow("autre cible et autre genre ignorés")
            << liste({{comp, "Fouille", "Aptitude", "2"}, {comp, "Détection", "Aptitude", "5"}, {ca, "Fouille", "Aptitude", "7"}})
            << comp << "Fouille" << 2 << "";
        QTest::newRow("cible vide : toutes les cibles, chacune ses types")
            << liste({{comp, "Fouille", "Aptitude", "2"}, {comp, "Détection", "Aptitude", "5"},
                      {comp, "Fouille", "Aptitude", "3"}, {comp, "Détection", "Chance", "1"}, {ca, "Parade", "Aptitude", "7"}})
            << comp << "" << 3 + 5 + 1 << "";
        QTest::newRow("dés sacrés")
            << liste({{"Bonus Dommage", "Toutes armes", "Sainte", "+2d6"}}) << "Bonus Dommage" << "Toutes armes" << 0
            << "+2d6(Sainte)";
        QTest::newRow("dés : le plus grand du type")
            << liste({{"Bonus Dommage", "Toutes armes", "Sainte", "+2d6"}, {"Bonus Dommage", "Toutes armes", "Sainte", "+1d6"}})
            << "Bonus Dommage" << "Toutes armes" << 0 << "+2d6(Sainte)";
        QTest::newRow("dés et nombres")
            << liste({{"Bonus Dommage", "Toutes armes", "Sainte", "+2d6"}, {"Bonus Dommage", "Toutes armes", "Alteration", "2"},
                      {"Bonus Dommage", "Toutes armes", "Feu", "+1d6"}})
            << "Bonus Dommage" << "Toutes armes" << 2 << "+1d6(Feu) +2d6(Sainte)";
    }
    void somme()
    {
        QFETCH(ListeBonus, bonus);
        QFETCH(QString, genre);
        QFETCH(QString, cible);
        const SommeDeBonus s = SommeBonus(bonus, genre, cible);
        QTEST(int(s.nombre), "nombre");
        QTEST(s.des, "des");
    }

    void texteAffiche()
    {
        QCOMPARE(SommeBonus({}, "Bonus PV", "").texte(), QString("0"));
        const ListeBonus l = liste({{"Bonus Dommage", "Épée", "Sainte", "+2d6"}, {"Bonus Dommage", "Épée", "Alteration", "1"}});
        QCOMPARE(SommeBonus(l, "Bonus Dommage", "Épée").texte(), QString("+1 +2d6(Sainte)"));
        QCOMPARE(SommeBonus(l, "Bonus Dommage", "Épée").contientDes(), true);
        const ListeBonus n = liste({{"Bonus PV", "Temporaire", "Moral", "-2"}});
        QCOMPARE(SommeBonus(n, "Bonus PV", "Temporaire").texte(), QString("-2"));
    }

    void ordreStableNeChangePasLaListe()
    {
        const ListeBonus l = liste({{comp, "Fouille", "Chance", "3"}, {comp, "Détection", "Aptitude", "1"}});
        SommeBonus(l, comp, "");
        QCOMPARE(l.first().Cible, QString("Fouille"));
    }

    void depassement()
    {
        const ListeBonus l = liste({{comp, "Fouille", "A", "30000"}, {comp, "Fouille", "B", "30000"}});
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, SommeBonus(l, comp, "Fouille"));
    }
};

QTEST_GUILESS_MAIN(TestTailles)
#include "test_tailles.moc"

// Cumul des bonus : plus grand bonus par type, types différents additionnés, dés en texte.
#include "rules/Bonus.h"
#include "shell/Erreur.h"

#include <QtTest>

namespace {

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
        AjouteBonus(l, QStringLiteral("source"), QString::fromUtf8(e.genre), QString::fromUtf8(e.cible),
                    QString::fromUtf8(e.type), QString::fromUtf8(e.valeur));
    return l;
}

const char* comp = "Bonus Competence";
const char* ca = "Bonus Classe Armure";

} // namespace

Q_DECLARE_METATYPE(ListeBonus)

class TestBonus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestBonus)
#include "test_bonus.moc"

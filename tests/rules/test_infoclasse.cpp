// Recherches sur les races et les classes : lecture des lignes, magie, dons de classe, listes fixes.
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/InfoClasse.h"
#include "rules/Race.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QtTest>
#include <functional>

class TestInfoClasse : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;

private Q_SLOTS:
    void initTestCase()
    {
        m_programme = baseVide(m_dossier);
        BaseDonnees& b = *m_programme;
        creeTables(b, schemaProgramme(), {"Race", "Classe", "ClasseProgression"});
        b.ajoute("Classe", {{"Classe", "Ensorceleur"}, {"PointDeVie", 4}, {"CompetenceNiveauSupp", 2},
                            {"ClasseMaitre", "Ensorceleur"}, {"CaracSort_Niv", "Charisme"}, {"CaracSort_DD", "Charisme"},
                            {"CaracSort_Bonus", "Intelligence"}, {"ListeSort", "Ens/Mag"}, {"nls", -1},
                            {"EstLanceurSort", true}, {"EstTout", false}, {"EstLimite", true}});
        b.ajoute("Classe", {{"Classe", "Svirfnebelin"}, {"CaracSort_DD", "Charisme"}});
        b.ajoute("Classe", {{"Classe", "Guerrier"}, {"PointDeVie", 10}, {"CompetenceNiveauSupp", 2}});
        b.ajoute("ClasseProgression", {{"Classe", "Ensorceleur"}, {"Niveau", 3}, {"bonusDesVie", 2}, {"BonusIntelligence", 1}});
        b.ajoute("ClasseProgression", {{"Classe", "Guerrier"}, {"Niveau", 1}, {"don_1", "Attaque en puissance"}});
        b.ajoute("ClasseProgression", {{"Classe", "Guerrier"}, {"Niveau", 2}, {"don_4", "Science de l'initiative"}});
    }

    void sousTypes()
    {
        TypeRace r;
        for (int k = 1; k <= 5; ++k)
            QVERIFY(r.ajouteSousType(QString::number(k)));
        QVERIFY(!r.ajouteSousType("Natif"));
        QCOMPARE(r.SousType_5, QString("5"));
    }

    void infoClasse_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("competences");
        QTest::addColumn<int>("bonusInt");
        QTest::newRow("niveau avec bonus") << "Ensorceleur" << 3 << "Ensorceleur" << 6 << 2 << 1;
        QTest::newRow("niveau 0 : la classe seule") << "Ensorceleur" << 0 << "Ensorceleur" << 4 << 2 << 0;
        QTest::newRow("niveau sans progression") << "Ensorceleur" << 9 << "Ensorceleur" << 4 << 2 << 0;
        QTest::newRow("classe absente") << "Moine" << 3 << "" << 0 << 0 << 0;
    }
    void infoClasse()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveau);
        const TypeInfoClasse i = InfoClasse(*m_programme, classe, niveau);
        QTEST(i.Classe, "nom");
        QTEST(int(i.PointDeVie), "de");
        QTEST(int(i.CompetenceNiveauSupp), "competences");
        QTEST(int(i.BonusIntelligence), "bonusInt");
        QCOMPARE(i.ClasseMaitre, QString(classe == "Ensorceleur" ? "Ensorceleur" : ""));
    }

    void champsDeMagie()
    {
        BaseDonnees& b = *m_programme;
        QVERIFY(EstLanceurSort(b, "Ensorceleur"));
        QVERIFY(!EstTout(b, "Ensorceleur"));
        QVERIFY(EstLimite(b, "Ensorceleur"));
        QCOMPARE(ListeSort(b, "Ensorceleur"), QString("Ens/Mag"));
        QCOMPARE(int(NlsClasse(b, "Ensorceleur")), -1);
        QVERIFY(!EstLanceurSort(b, "Guerrier"));
        QVERIFY(!EstLanceurSort(b, "Absente"));
        QVERIFY(!EstLimite(b, "Absente"));
        QCOMPARE(ListeSort(b, "Absente"), QString());
        QCOMPARE(int(NlsClasse(b, "Absente")), 0);
    }

    void caracteristiquesDeLanceur()
    {
        ValeursCaracteristiques v;
        v.Total = {12, 14, 13, 15, 10, 17};
        v.Bonus = {1, 2, 1, 2, 0, 3};
        BaseDonnees& b = *m_programme;
        QCOMPARE(int(CaracSortDD(b, "Ensorceleur", v)), 3);
        QCOMPARE(int(CaracSortBonus(b, "Ensorceleur", v)), 2);
        QCOMPARE(int(CaracSortNiv(b, "Ensorceleur", v)), 17);
        QCOMPARE(int(CaracSortDD(b, "Svirfnebelin", v)), 3 + 4);
        QCOMPARE(int(CaracSortDD(b, "Guerrier", v)), 0);
        QCOMPARE(int(CaracSortNiv(b, "Absente", v)), 0);
    }

    void donDeClasse_data()
    {
        QTest::addColumn<QString>("don");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<bool>("attendu");
        QTest::newRow("niveau 1 : pas encore") << "Science de l'initiative" << 1 << false;
        QTest::newRow("niveau 2") << "Science de l'initiative" << 2 << true;
        QTest::newRow("niveau 5") << "Science de l'initiative" << 5 << true;
        QTest::newRow("premier champ") << "Attaque en puissance" << 1 << true;
        QTest::newRow("niveau 0") << "Attaque en puissance" << 0 << false;
        QTest::newRow("autre don") << "Esquive" << 20 << false;
    }
    void donDeClasse()
    {
        QFETCH(QString, don);
        QFETCH(int, niveau);
        QTEST(EstDonDeClasse(*m_programme, don, "Guerrier", niveau), "attendu");
    }

    // Lectures de textes : type de magie d'une classe, élément opposé, fréquence d'un pouvoir, nains.
    void textes_data()
    {
        QTest::addColumn<QString>("fonction");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char* fonction, std::initializer_list<std::pair<const char*, const char*>> lignes) {
            for (const auto& [texte, attendu] : lignes)
                QTest::addRow("%s %s", fonction, texte) << fonction << QString::fromUtf8(texte) << QString::fromUtf8(attendu);
        };
        cas("TypeMagieClasse", {{"Paladin", "Divin"}, {"Sœur de valarian", "Divin"}, {"Barde", "Profane"},
                                {"Ens/Mag", "Profane"}, {"Guerrier", ""}, {"paladin", ""}});
        cas("ElementOppose", {{"Terre", "Air"}, {"Air", "Terre"}, {"Eau", "Feu"}, {"Feu", "Eau"}, {"Bois", ""},
                              {"Shugenja (Feu)", "Eau"}, {"Prêtre (Feu)", ""}});
        cas("TexteFrequence", {{"Lumière (1 v)", "à volonté"}, {"Souhait (17 0)", "moins d'une fois par jour"},
                               {"Détection du mal (1 p)", "Toujours actif"}, {"Ténèbres (3 3)", "3 fois par jour"},
                               {"Ténèbres", ""}});
        cas("EstNain", {{"Nain", "1"}, {"Duergar", "1"}, {"Nain korobokuru", "1"}, {"nain", "0"}, {"Humain", "0"}});
    }
    void textes()
    {
        QFETCH(QString, fonction);
        QFETCH(QString, texte);
        const QHash<QString, std::function<QString(const QString&)>> fonctions{
            {"TypeMagieClasse", TypeMagieClasse},
            {"ElementOppose", ElementOppose},
            {"TexteFrequence", TexteFrequence},
            {"EstNain", [](const QString& t) { return QString::number(EstNain(t)); }}};
        QTEST(fonctions.value(fonction)(texte), "attendu");
    }

    void bonusDescripteur()
    {
        const QHash<QString, int> bonus{{"Evocation", 1}, {"Feu", 2}, {"Bien", 4}, {"Soleil", 8}, {"Froid", 16}};
        QCOMPARE(int(BonusDescripteurSort("Evocation [feu]", {}, bonus)), 3);
        QCOMPARE(int(BonusDescripteurSort("Evocation [Bien] (Soleil)", {"Soleil", ""}, bonus)), 1 + 4 + 8);
        QCOMPARE(int(BonusDescripteurSort("Evocation [Bien] (Soleil)", {"Guerre"}, bonus)), 5);
        QCOMPARE(int(BonusDescripteurSort("Divination", {}, bonus)), 0);
    }
};

QTEST_GUILESS_MAIN(TestInfoClasse)
#include "test_infoclasse.moc"

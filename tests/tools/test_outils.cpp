// Outils du meneur de jeu sur des dés connus : expressions de dés, lanceur, générateur de ville.
#include "SuiteConnue.h"
#include "tools/ExpressionDes.h"
#include "tools/GenerateurVille.h"
#include "tools/LanceurDes.h"

#include <QtTest>

class TestOutils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Valables et refusées dans une même table ; un refus ne lance aucun dé.
    void expressions_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("jets");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("refus");   // extrait du message, vide pour une expression valable
        auto bonne = [](const char* nom, const QString& e, const QString& jets, const QString& detail, int total) {
            QTest::newRow(nom) << e << jets << detail << total << QString();
        };
        auto refusee = [](const char* nom, const QString& e, const QString& refus) {
            QTest::newRow(nom) << e << QString() << QString() << 0 << refus;
        };
        bonne("3d6+2", "3d6+2", "1/6 2/6 3/6", "1 2 3 + 2", 8);
        bonne("1d20-1", "1d20-1", "20/20", "20 - 1", 19);
        bonne("2d4+1d6", "2d4+1d6", "4/4 1/4 6/6", "4 1 + 6", 11);
        bonne("4d6kh3", "4d6kh3", "2/6 6/6 1/6 4/6", "2 6 (1) 4", 12);
        bonne("kh à égalité : le premier lancé reste", "4d6kh2", "5/6 3/6 5/6 5/6", "5 (3) 5 (5)", 10);
        bonne("blancs et majuscules", " 2D8 + 1 ", "8/8 8/8", "8 8 + 1", 17);
        bonne("d20 seul", "d20", "7/20", "7", 7);
        bonne("signe en tête", "-1d4+3", "4/4", "- 4 + 3", -1);
        bonne("mille dés, la borne", "1000d1", QStringList(1000, "1/1").join(' '), QStringList(1000, "1").join(' '), 1000);
        refusee("vide", "  ", "Aucune expression");
        refusee("faces manquantes", "3d", "nombre de faces manque");
        refusee("signe final", "3d6+", "se termine par un signe");
        refusee("lettre inconnue", "3x6", "à partir de « x6 »");
        refusee("deux signes", "3d6++2", "à partir de « +2 »");
        refusee("blanc dans un nombre", "3d6 2", "à partir de « 2 »");
        refusee("zéro dé", "0d6", "au moins un dé");
        refusee("zéro face", "3d0", "de 1 à 1000 faces");
        refusee("trop de faces", "3d1001", "de 1 à 1000 faces");
        refusee("garder plus qu'on ne lance", "4d6kh5", "On garde de 1 à 4 dés");
        refusee("garder zéro", "4d6kh0", "On garde de 1 à 4 dés");
        refusee("k sans h", "4d6k3", "kh");
        refusee("garde manquante", "4d6kh", "dés gardés manque");
        refusee("nombre démesuré", "999999999999999999999d6", "au plus 1000");
        refusee("un dé de trop", "1001d1", "au plus 1000");
        refusee("trop de dés en tout", "600d6+401d6", "au plus 1000");
        refusee("constante seule", "5", "ne lance aucun dé");
        bonne("grande constante", "1d6+5000", "3/6", "3 + 5000", 5003);
        refusee("constante démesurée", "1d6+100001", "de 0 à 100000");
        refusee("trop longue", QString(201, u'1'), "trop longue");
    }
    void expressions()
    {
        QFETCH(QString, expression);
        QFETCH(QString, jets);
        QFETCH(QString, refus);
        const LectureDes lecture = LitExpressionDes(expression);
        if (!refus.isEmpty()) {
            QVERIFY2(lecture.erreur.contains(refus), qPrintable(lecture.erreur));
            QVERIFY(lecture.termes.isEmpty());
            return;
        }
        QVERIFY2(lecture.ok(), qPrintable(lecture.erreur));
        SuiteConnue hasard(jets);
        const JetDes jet = LanceExpressionDes(lecture.termes, hasard);
        QTEST(jet.detail, "detail");
        QTEST(int(jet.total), "total");
        QVERIFY(hasard.touteLue());
    }

    // La fenêtre : un nombre lance des dés du type choisi (chaque dé suivi d'une espace), un
    // autre texte est une expression.
    void lanceur_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("jets");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("refus");
        QTest::newRow("trois d6") << "3" << " 6" << "1/6 4/6 6/6" << "1 4 6 " << 11 << "";
        QTest::newRow("un d100") << "1" << "100" << "100/100" << "100 " << 100 << "";
        QTest::newRow("zéro") << "0" << " 6" << "" << "" << 0 << "";
        QTest::newRow("vide") << "" << " 6" << "" << "" << 0 << "";
        QTest::newRow("négatif") << "-2" << " 6" << "" << "" << 0 << "";
        QTest::newRow("2,5 arrondi au pair") << "2,5" << " 4" << "3/4 2/4" << "3 2 " << 5 << "";
        QTest::newRow("3.5 arrondi au pair") << "3.5" << " 8" << "1/8 2/8 3/8 8/8" << "1 2 3 8 " << 14 << "";
        QTest::newRow("au-delà de 16 bits") << "40000" << " 6" << "" << "" << 0 << "32767";
        QTest::newRow("expression, type ignoré") << "2d4+1" << "20" << "3/4 4/4" << "3 4 + 1" << 8 << "";
        QTest::newRow("expression refusée") << "trois" << " 6" << "" << "" << 0 << "pas comprise";
    }
    void lanceur()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, type);
        QFETCH(QString, jets);
        SuiteConnue hasard(jets);
        const ResultatLanceur r = LanceDes(nombre, type, hasard);
        QTEST(r.detail, "detail");
        QTEST(int(r.total), "total");
        QFETCH(QString, refus);
        QVERIFY2(refus.isEmpty() ? r.erreur.isEmpty() : r.erreur.contains(refus), qPrintable(r.erreur));
        QVERIFY(hasard.touteLue());
    }

    // Chaque tranche à ses deux bords : taille, limite, liquidité, revenus arrondis au pair,
    // nombre d'instances.
    void tranches_data()
    {
        QTest::addColumn<int>("P");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("limite");
        QTest::addColumn<int>("liquidite");
        QTest::addColumn<int>("revenu");
        QTest::addColumn<int>("revenuOr");
        QTest::addColumn<int>("revenuPremiere");
        QTest::addColumn<int>("instances");
        auto r = [](int P, const char* type, int limite, int liquidite, int revenu, int enOr, int premiere, int instances) {
            QTest::addRow("%d", P) << P << QString::fromUtf8(type) << limite << liquidite << revenu << enOr << premiere
                                   << instances;
        };
        r(0, "Lieu dit", 0, 0, 0, 0, 0, 1);
        r(1, "Lieu dit", 40, 2, 2, 0, 2, 1);           // 2,5 -> 2
        r(3, "Lieu dit", 40, 6, 8, 0, 7, 1);           // 7,5 -> 8
        r(80, "Lieu dit", 40, 160, 200, 10, 190, 1);
        r(81, "Hameau", 100, 405, 243, 24, 219, 1);
        r(400, "Hameau", 100, 2000, 1200, 120, 1080, 1);
        r(401, "Village", 200, 4010, 1484, 297, 1187, 1);
        r(900, "Village", 200, 9000, 3330, 666, 2664, 1);
        r(901, "Bourg", 800, 36040, 4054, 1216, 2838, 1);   // 4054,5 -> 4054
        r(2000, "Bourg", 800, 80000, 9000, 2700, 6300, 1);
        r(2001, "Ville", 3000, 300150, 11006, 4402, 6603, 1);   // 11005,5 -> 11006
        r(5000, "Ville", 3000, 750000, 27500, 11000, 16500, 1);
        r(5001, "Grande ville", 15000, 3750750, 33507, 16753, 16753, 2);
        r(12000, "Grande ville", 15000, 9000000, 80400, 40200, 40200, 2);
        r(12001, "Cité", 40000, 24002000, 98408, 63965, 34443, 3);
        r(25000, "Cité", 40000, 50000000, 205000, 133250, 71750, 3);
        r(25001, "Métropole", 100000, 125005000, 250010, 200008, 50002, 4);
        r(400000, "Métropole", 100000, 2000000000, 4000000, 3200000, 800000, 4);
    }
    void tranches()
    {
        QFETCH(int, P);
        QTEST(TypeVille(P), "type");
        QTEST(int(LimiteFinanciere(P)), "limite");
        QTEST(int(LiquiditeDisponible(P)), "liquidite");
        QTEST(int(Revenu(P)), "revenu");
        QTEST(int(RevenuOr(P)), "revenuOr");
        QTEST(int(RevenuPremiere(P)), "revenuPremiere");
        SuiteConnue hasard("", true);
        QTEST(int(Instances(P, hasard).count(QStringLiteral(" d'alignement "))), "instances");
    }

    // Un lieu-dit entier sur une suite connue, du titre aux races.
    void lieuDitComplet()
    {
        SuiteConnue hasard("10/20 20/20 64/100 "   // instance : 10 - 1 < 14, puis 20 : influence monstrueuse
                           "75/100 "                // commandant : deuxième guerrier
                           "6/6 4/4 1/6 20/20 1/6 2/4 4/4 4/4 1/4 1/4 1/4 1/4 1/4 8/8 4/4 3/4 "
                           "1/4 1/4 1/4 1/3 5/6 1/20 3/3 4/8");
        const QString texte = GenereVille({"Port-Brume", "80", "10", "2,5", "Isolée"}, u',', hasard);
        QCOMPARE(texte.split(u'\n'), QStringList({
            "Port-Brume, Lieu dit de 80 habitants.",
            "Limite financière : 40 Po",
            "Liquidite disponible : 160 Po",
            "",
            "Les revenus",
            "Revenus en or : 10 Po/mois",
            "Revenus en matières premières : 190 Po/mois",
            "Revenus totaux : 200 Po/mois",
            "Les impôts",
            "Impôts en or : 1 Po/mois",
            "Impôts en matières premières : 19 Po/mois",
            "Impôts totaux : 20 Po/mois",
            "La dîme",
            "Dîme en or : 0,25 Po/mois",
            "Dîme en matières premières : 4,75 Po/mois",
            "Dîme totaux : 5 Po/mois",
            "Les instances",
            "Traditionnel et influence monstrueuse d'alignement Chaotique neutre",
            "Les Pnjs",
            "Adepte : 1 de niveau 3, 2 de niveau 2",
            "Barbare : 1 de niveau 1",
            "Druide : 1 de niveau 8, 2 de niveau 4, 4 de niveau 2, 8 de niveau 1",
            "Expert : 1 de niveau 6, 2 de niveau 3, 4 de niveau 2",
            "Gens du peuple : 1 de niveau 1",
            "Guerrier : 1 de niveau 5, 2 de niveau 2, 4 de niveau 1",
            "Homme d'armes : 1 de niveau 4, 2 de niveau 2",
            "Prêtre : 1 de niveau 2, 2 de niveau 1",
            "Roublard : 1 de niveau 1",
            "Commandant de la garde/prévôt",
            "Deuxième guerrier de la communauté 2",
            "Les classes de Pnj de niveau 1",
            "Gens du peuple : 35",
            "Homme d'armes : 1",
            "Expert : 1",
            "Adepte : 0",
            "Noble : 0",
            "Mélange de races",
            "Humains : 76",
            "Halfelins : 1",
            "Elfes : 0",
            "Autres races : 0",
            "",
        }));
        QVERIFY(hasard.touteLue());
    }

    // Grande ville, tous les dés à 1 : deux passes de niveau 7 (9, 10, 8 selon les dés) ; 4,5 et
    // 2,5 s'arrondissent au pair ; les classes sans niveau 1 s'arrêtent au niveau 2.
    void grandeVilleDeuxPasses_data()
    {
        QTest::addColumn<QString>("commandant");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("homme d'armes") << "1/100" << "Homme d'armes du plus haut niveau 8";
        QTest::newRow("deuxième guerrier, même niveau") << "61/100" << "Deuxième guerrier de la communauté 7";
        QTest::newRow("guerrier") << "100/100" << "Guerrier de plus haut niveau 7";
    }
    void grandeVilleDeuxPasses()
    {
        QFETCH(QString, commandant);
        SuiteConnue hasard(commandant, true);
        const QString complet = "2 de niveau 7, 4 de niveau 4, 8 de niveau 2, 16 de niveau 1";
        const QString sansNiveau1 = "2 de niveau 7, 4 de niveau 4, 8 de niveau 2";
        QStringList attendu{
            "Adepte : " + sansNiveau1,
            "Barbare : " + complet,
            "Barde : " + complet,
            "Druide : " + complet,
            "Ensorceleur : " + complet,
            "Expert : 2 de niveau 9, 4 de niveau 4, 8 de niveau 2",
            "Gens du peuple : 2 de niveau 10, 4 de niveau 5, 8 de niveau 2",
            "Guerrier : " + complet,
            "Homme d'armes : 2 de niveau 8, 4 de niveau 4, 8 de niveau 2",
            "Magicien : " + complet,
            "Moine : " + complet,
            "Noble : " + sansNiveau1,
            "Paladin : " + complet,
            "Prêtre : " + complet,
            "Rôdeur : " + complet,
            "Roublard : " + complet,
            "Commandant de la garde/prévôt",
        };
        QFETCH(QString, ligne);
        // 5001 habitants moins 400 PNJ notables.
        attendu << ligne << "Les classes de Pnj de niveau 1" << "Gens du peuple : 4186" << "Homme d'armes : 230"
                << "Expert : 138" << "Adepte : 23" << "Noble : 23";
        QCOMPARE(PNJ(5001, hasard), attendu);
    }

    // Zéro habitant, tous les dés à 1 : seuls les gens du peuple (4d4 - 3) ont un PNJ notable ;
    // aucun homme d'armes pour commander ; le reste de la population, -1, est arrondi par défaut.
    void communauteSansCommandant()
    {
        SuiteConnue hasard("", true);
        QCOMPARE(PNJ(0, hasard), QStringList({"Gens du peuple : 1 de niveau 1", "Commandant de la garde/prévôt",
                                              "Il n'y a aucun guerrier ou homme d'armes dans cette communauté, "
                                              "choisir un autre PNJ",
                                              "Les classes de Pnj de niveau 1", "Gens du peuple : -1",
                                              "Homme d'armes : -1", "Expert : -1", "Adepte : -1", "Noble : -1"}));
    }

    void races_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("Isolée") << "Isolée"
                                << QStringList{"Humains : 96", "Halfelins : 2", "Elfes : 1", "Autres races : 1"};
        QTest::newRow("Ouverte") << "Ouverte"
                                 << QStringList{"Humains : 79", "Halfelins : 9", "Elfes : 5", "Nains : 3",
                                                "Gnomes : 2", "Demi-elfes : 1", "Demi-orques : 1"};
        QTest::newRow("Intégrée") << "Intégrée"
                                  << QStringList{"Humains : 37", "Halfelins : 20", "Elfes : 18", "Nains : 10",
                                                 "Gnomes : 7", "Demi-elfes : 5", "Demi-orques : 3"};
        QTest::newRow("autre") << "Fermée" << QStringList{};
    }
    void races()
    {
        QFETCH(QString, type);
        QTEST(RACE(100, type), "lignes");
    }

    void saisiesRefusees_data()
    {
        QTest::addColumn<QStringList>("saisies");   // nom, population, impôt, dîme
        QTest::addColumn<int>("champ");
        QTest::addColumn<QString>("message");
        const auto r = [](const char* nom, QStringList s, ChampVille champ, const char* message) {
            QTest::newRow(nom) << s << int(champ) << QString::fromUtf8(message);
        };
        r("nom vide", {" ", "x", "x", "x"}, ChampVille::Nom, "Saisie d'un nom obligatoire");
        r("population en lettres", {"A", "mille", "x", "x"}, ChampVille::Population,
          "Saisie d'une valeur numérique pour la population");
        r("population vide", {"A", "", "5", "5"}, ChampVille::Population, "Saisie d'une valeur numérique pour la population");
        r("population trop grande", {"A", "400001", "5", "5"}, ChampVille::Population,
          "Saisie d'une population entière, de 0 à 400 000 habitants");
        r("population négative", {"A", "-1", "5", "5"}, ChampVille::Population,
          "Saisie d'une population entière, de 0 à 400 000 habitants");
        r("population décimale", {"A", "12,5", "5", "5"}, ChampVille::Population,
          "Saisie d'une population entière, de 0 à 400 000 habitants");
        r("impôt", {"A", "400000", "cinq", "x"}, ChampVille::Impot, "Saisie d'une valeur numérique pour les impôts");
        r("dîme", {"A", "10", "5", "inf"}, ChampVille::Dime, "Saisie d'une valeur numérique pour la dîme");
    }
    void saisiesRefusees()
    {
        QFETCH(QStringList, saisies);
        const auto refus = ControleVille({saisies[0], saisies[1], saisies[2], saisies[3], "Isolée"});
        QVERIFY(refus);
        QTEST(int(refus->champ), "champ");
        QTEST(refus->message, "message");
    }
};

QTEST_GUILESS_MAIN(TestOutils)
#include "test_outils.moc"

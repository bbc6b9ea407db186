// Couche d'accès aux bases : collation des noms, Null, recherches indexées, transactions, schéma ;
// arrondis, lecture des nombres, entiers 16 bits contrôlés, hasard et utilitaires de texte.
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/Hasard.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Curseur.h"
#include "shell/db/Utilitaires.h"

#include <QFile>
#include <QtTest>

class TestBase : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDonnees> basePersonnages(const DossierTest& d)
    {
        auto base = baseVide(d);
        base->creeTable({"Personnage", {texte("Nom", 50), texte("Race"), entier("Niv_1"), booleen("exclu")},
                         {{"PrimaryKey", {"Nom"}, true}}});
        base->creeTable({"PersonnageProgression", {texte("Nom"), texte("Classe"), entier("Niveau"), entier("niv")},
                         {{"index", {"Nom", "Classe", "Niveau"}}}});
        return base;
    }

private Q_SLOTS:
    void nomsSansEgardALaCasse_data()
    {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<bool>("trouve");
        QTest::newRow("minuscules") << "Bob" << "bob" << true;
        QTest::newRow("majuscule accentuée") << "Élise" << "élise" << true;
        QTest::newRow("accent manquant") << "Élise" << "Elise" << false;
        QTest::newRow("apostrophe") << "D'Artagnan" << "d'artagnan" << true;
        QTest::newRow("autre nom") << "Bob" << "Bobby" << false;
    }
    void nomsSansEgardALaCasse()
    {
        QFETCH(QString, stocke);
        QFETCH(QString, cherche);
        QFETCH(bool, trouve);
        DossierTest d;
        auto base = basePersonnages(d);
        base->ajoute("Personnage", {{"Nom", stocke}});
        QCOMPARE(base->cherche("Personnage", "primarykey", {cherche}).estValide(), trouve);
        QCOMPARE(base->scalaire("select count(*) from personnage where nom=?", {cherche}).toInt(), trouve ? 1 : 0);
        // L'index unique refuse le même nom dans une autre casse.
        if (trouve && stocke != cherche)
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute("Personnage", {{"Nom", cherche}}));
    }

    void ordreFrancais()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        for (const char* nom : {"fred", "Élise", "Eda", "zoé", "Alain"})
            base->ajoute("Personnage", {{"Nom", QString::fromUtf8(nom)}});
        QStringList ordre;
        for (const Ligne& l : base->selectionne("select nom from personnage order by nom"))
            ordre << l.texte("Nom");
        QCOMPARE(ordre, (QStringList{"Alain", "Eda", "Élise", "fred", "zoé"}));
    }

    void nullDistinctDuVideEtDeZero()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        base->ajoute("Personnage", {{"Nom", "A"}});
        base->ajoute("Personnage", {{"Nom", "B"}, {"Race", QString("")}, {"Niv_1", 0}});
        const Ligne a = base->cherche("Personnage", "PrimaryKey", {"A"});
        const Ligne b = base->cherche("Personnage", "PrimaryKey", {"B"});
        QVERIFY(a.estNul("Race"));
        QVERIFY(a.estNul("niv_1"));
        QVERIFY(!b.estNul("Race"));
        QVERIFY(!b.estNul("Niv_1"));
        // Règle de lecture : Null se lit "" ou 0.
        QCOMPARE(a.texte("Race"), QString());
        QCOMPARE(a.entier("Niv_1"), 0);
        // Un texte nul écrit se range en Null ; les booléens en 0/1.
        base->ajoute("Personnage", {{"Nom", "C"}, {"Race", QString()}, {"exclu", true}});
        const Ligne c = base->cherche("Personnage", "PrimaryKey", {"c"});
        QVERIFY(c.estNul("Race"));
        QVERIFY(c.booleen("EXCLU"));
        QCOMPARE(base->scalaire("select count(*) from personnage where race is null").toInt(), 2);
        QVERIFY_THROWS_EXCEPTION(ErreurBase, a.texte("Inconnu"));
    }

    void rechercheIndexeeEtParcours()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        const QString t = "PersonnageProgression";
        const struct { const char* nom; const char* classe; int niveau; } lignes[] = {
            {"Bob", "Guerrier", 2}, {"Bob", "Guerrier", 1}, {"Bob", "Magicien", 1}, {"Zed", "Barde", 1}};
        for (const auto& l : lignes)
            base->ajoute(t, {{"Nom", l.nom}, {"Classe", l.classe}, {"Niveau", l.niveau}});

        Curseur c = base->curseur(t, "INDEX");
        QVERIFY(c.cherche("=", {"bob", "guerrier", 2}));
        QCOMPARE(c.ligne().entier("Niveau"), 2);
        // « suivant » continue dans l'ordre de l'index, au-delà de la clé cherchée.
        c.suivant();
        QCOMPARE(c.ligne().texte("Classe"), "Magicien");
        c.suivant();
        QCOMPARE(c.ligne().texte("Nom"), "Zed");
        c.suivant();
        QVERIFY(c.eof());

        // Clé partielle et « >= » : première ligne au moins égale.
        QVERIFY(c.cherche(">=", {"Bob", "H"}));
        QCOMPARE(c.ligne().texte("Classe"), "Magicien");
        QVERIFY(!c.cherche("=", {"Bob", "Moine"}));
        QVERIFY(c.noMatch());
        QVERIFY(c.cherche("=", {"Bob"}));
        QCOMPARE(c.ligne().entier("Niveau"), 1);
        QVERIFY(!c.cherche(">=", {"Zz"}));

        // Modifier puis supprimer la ligne trouvée.
        QVERIFY(c.cherche("=", {"Zed"}));
        const qint64 id = c.ligne().rowid();
        base->modifie(t, id, {{"Classe", "Roublard"}});
        QCOMPARE(base->cherche(t, "index", {"Zed"}).texte("Classe"), "Roublard");
        base->supprime(t, id);
        QVERIFY(!base->cherche(t, "index", {"Zed"}));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, base->curseur(t, "index9"));
    }

    void transactionsImbriquees()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        const QString t = "Personnage";
        {
            Transaction ext(*base);
            base->ajoute(t, {{"Nom", "Gardé"}});
            {
                Transaction interne(*base);
                base->ajoute(t, {{"Nom", "Perdu"}});
            } // non validée : défaite seule
            ext.valide();
        }
        {
            Transaction t2(*base);
            base->ajoute(t, {{"Nom", "Annulé"}});
            // une erreur au milieu : tout est défait à la sortie
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute(t, {{"Nom", "gardé"}}));
        }
        {
            // Une lecture groupée garde ce qui s'écrit pendant, sauf une transaction non validée.
            LectureGroupee lecture(*base);
            base->ajoute(t, {{"Nom", "Lu"}});
            Transaction interne(*base);
            base->ajoute(t, {{"Nom", "Perdu"}});
        }
        QCOMPARE(base->profondeurTransaction(), 0);
        QStringList noms;
        for (const Ligne& l : base->selectionne("select nom from personnage order by nom"))
            noms << l.texte("nom");
        QCOMPARE(noms, (QStringList{"Gardé", "Lu"}));
    }

    void operationsDeSchema()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        QVERIFY(base->existeTable("PERSONNAGE"));
        QVERIFY(!base->existeTable("Version"));
        QVERIFY(base->ExisteChamp("personnage", "NIV_1"));
        base->ajoute("Personnage", {{"Nom", "A"}, {"Race", "007"}});

        base->ajouteChamp("Personnage", memo("Histoire"));
        base->ajouteChamp("Personnage", reel("TotalPo"));
        QVERIFY(base->ExisteChamp("Personnage", "histoire"));
        // Un texte reste un texte : "007" ne devient pas 7.
        base->execute("update personnage set histoire=race, totalpo='2.5'");
        const Ligne l = base->cherche("Personnage", "PrimaryKey", {"a"});
        QCOMPARE(l.texte("Histoire"), "007");
        QCOMPARE(l.reel("TotalPo"), 2.5);

        base->renommeChamp("Personnage", "Histoire", "Recit");
        QVERIFY(!base->ExisteChamp("Personnage", "Histoire"));
        QVERIFY(base->ExisteChamp("Personnage", "Recit"));
        base->supprimeChamp("Personnage", "Recit");
        QVERIFY(!base->ExisteChamp("Personnage", "Recit"));
        // Le cache des requêtes suit le schéma : « select * » voit le nouveau champ.
        base->ajouteChamp("Personnage", texte("Image", 50));
        QVERIFY(base->premiere("select * from personnage").contient("image"));
    }

    void fichiersRefuses()
    {
        DossierTest d;
        QVERIFY_THROWS_EXCEPTION(ErreurBase, BaseDonnees::ouvre(d.chemin("absent.db")));
        const QString texte = d.chemin("texte.db");
        ecritFichier(texte, QByteArray(2048, 'x'));
        try {
            BaseDonnees::ouvre(texte);
            QFAIL("un fichier texte a été ouvert comme une base");
        } catch (const ErreurBase& e) {
            QVERIFY2(e.description().contains("n'est pas une base"), qPrintable(e.description()));
        }
        QVERIFY_THROWS_EXCEPTION(ErreurBase, BaseDonnees::cree(texte));
    }

    void arrondis_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("plancher");
        QTest::addColumn<int>("pair");
        QTest::newRow("2,5") << 2.5 << 2 << 2;
        QTest::newRow("3,5") << 3.5 << 3 << 4;
        QTest::newRow("-2,5") << -2.5 << -3 << -2;
        QTest::newRow("-0,5") << -0.5 << -1 << 0;
        QTest::newRow("(9-10)/2") << -0.5 << -1 << 0;
        QTest::newRow("1,4999") << 1.4999 << 1 << 1;
    }
    void arrondis()
    {
        QFETCH(double, x);
        QFETCH(int, plancher);
        QFETCH(int, pair);
        QCOMPARE(Int(x), plancher);
        QCOMPARE(int(CInt(x)), pair);
    }

    void val_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("attendu");
        QTest::newRow("entier") << "12" << 12.0;
        QTest::newRow("suffixe") << "12 ans" << 12.0;
        QTest::newRow("blancs internes") << " 1 2 3" << 123.0;
        QTest::newRow("décimal point") << "2.75kg" << 2.75;
        QTest::newRow("virgule arrête") << "2,75" << 2.0;
        QTest::newRow("signe") << "-4/+1" << -4.0;
        QTest::newRow("plus") << "+6" << 6.0;
        QTest::newRow("exposant") << "1e3" << 1000.0;
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("tiret seul") << "-" << 0.0;
        QTest::newRow("lettres") << "abc" << 0.0;
    }
    void val()
    {
        QFETCH(QString, texte);
        QFETCH(double, attendu);
        QCOMPARE(Val(texte), attendu);
    }

    void depassements()
    {
        Entier16 a = 32000;
        QCOMPARE(int(a + Entier16(767)), 32767);
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, a + Entier16(768));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, Entier16(-200) * Entier16(200));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, Entier16(40000));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, CInt(32767.5));
        QCOMPARE(int(CInt(-32768.4)), -32768);
        try {
            Entier16 b = -32768;
            b -= 1;
            QFAIL("pas d'erreur");
        } catch (const ErreurExecution& e) {
            QCOMPARE(e.numero(), NumeroErreur::Depassement);
        }
    }

    void apostrophes_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("double_");
        QTest::newRow("une") << "D'Artagnan" << "D''Artagnan";
        QTest::newRow("aucune") << "Bob" << "Bob";
        QTest::newRow("deux de suite") << "a''b" << "a''''b";
    }
    void apostrophes()
    {
        QFETCH(QString, texte);
        QFETCH(QString, double_);
        QCOMPARE(DoubleApostrophe(texte), double_);
        QCOMPARE(ApostropheDroite("Potion d’ours"), "Potion d'ours");
    }

    // Le nombre de tirages sautés dépend du moment et reste entre 0 et 255.
    void avanceDuHasard()
    {
        const QDateTime moment(QDate(2026, 12, 5), QTime(21, 14, 7, 300));
        std::mt19937 a(42), b(42);
        const int n = AvanceHasard(a, moment);
        QVERIFY(n >= 0 && n <= 255);
        b.discard(n);
        QCOMPARE(a(), b());
        std::mt19937 c(42);
        QCOMPARE(AvanceHasard(c, moment), n);
        QVERIFY(AvanceHasard(c, moment.addSecs(1)) != n);
        for (int s = 0; s < 1000; s += 37) {
            const int m = AvanceHasard(c, moment.addSecs(s * 3601));
            QVERIFY(m >= 0 && m <= 255);
        }
    }

    void decimales()
    {
        QCOMPARE(NormaliseDecimal("2.5", u',').toString(), "2,5");
        QCOMPARE(NormaliseDecimal("2,5", u'.').toString(), "2.5");
        QCOMPARE(NormaliseDecimal("25", u',').toString(), "25");
        QCOMPARE(NormaliseDecimal("1.2,5", u',').toString(), "1,2,5");
        QVERIFY(NormaliseDecimal(QVariant(), u',').isNull());
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"

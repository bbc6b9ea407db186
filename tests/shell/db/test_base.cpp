// Couche d'accès aux bases : collation des noms, Null, recherches indexées, transactions, schéma.
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Curseur.h"

#include <QFile>
#include <QtTest>

class TestBase : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDonnees> basePersonnages(const DossierTest& d)
    {
        auto base = baseVide(d);
        base->creeTable({QStringLiteral("Personnage"),
                         {texte(QStringLiteral("Nom"), 50), texte(QStringLiteral("Race")), entier(QStringLiteral("Niv_1")),
                          booleen(QStringLiteral("exclu"))},
                         {{QStringLiteral("PrimaryKey"), {QStringLiteral("Nom")}, true}}});
        base->creeTable({QStringLiteral("PersonnageProgression"),
                         {texte(QStringLiteral("Nom")), texte(QStringLiteral("Classe")), entier(QStringLiteral("Niveau")),
                          entier(QStringLiteral("niv"))},
                         {{QStringLiteral("index"), {QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("Niveau")}}}});
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
        base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), stocke}});
        QCOMPARE(base->cherche(QStringLiteral("Personnage"), QStringLiteral("primarykey"), {cherche}).estValide(), trouve);
        QCOMPARE(base->scalaire(QStringLiteral("select count(*) from personnage where nom=?"), {cherche}).toInt(),
                 trouve ? 1 : 0);
        // L'index unique refuse le même nom dans une autre casse.
        if (trouve && stocke != cherche)
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), cherche}}));
    }

    void ordreFrancais()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        for (const char* nom : {"fred", "Élise", "Eda", "zoé", "Alain"})
            base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QString::fromUtf8(nom)}});
        QStringList ordre;
        for (const Ligne& l : base->selectionne(QStringLiteral("select nom from personnage order by nom")))
            ordre << l.texte(QStringLiteral("Nom"));
        QCOMPARE(ordre, (QStringList{"Alain", "Eda", "Élise", "fred", "zoé"}));
    }

    void nullDistinctDuVideEtDeZero()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("A")}});
        base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("B")},
                                                   {QStringLiteral("Race"), QString("")},
                                                   {QStringLiteral("Niv_1"), 0}});
        const Ligne a = base->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {QStringLiteral("A")});
        const Ligne b = base->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {QStringLiteral("B")});
        QVERIFY(a.estNul(QStringLiteral("Race")));
        QVERIFY(a.estNul(QStringLiteral("niv_1")));
        QVERIFY(!b.estNul(QStringLiteral("Race")));
        QVERIFY(!b.estNul(QStringLiteral("Niv_1")));
        // Règle de lecture : Null se lit "" ou 0.
        QCOMPARE(a.texte(QStringLiteral("Race")), QString());
        QCOMPARE(a.entier(QStringLiteral("Niv_1")), 0);
        // Un texte nul écrit se range en Null ; les booléens en 0/1.
        base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("C")},
                                                   {QStringLiteral("Race"), QString()},
                                                   {QStringLiteral("exclu"), true}});
        const Ligne c = base->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {QStringLiteral("c")});
        QVERIFY(c.estNul(QStringLiteral("Race")));
        QVERIFY(c.booleen(QStringLiteral("EXCLU")));
        QCOMPARE(base->scalaire(QStringLiteral("select count(*) from personnage where race is null")).toInt(), 2);
        QVERIFY_THROWS_EXCEPTION(ErreurBase, a.texte(QStringLiteral("Inconnu")));
    }

    void rechercheIndexeeEtParcours()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        const QString t = QStringLiteral("PersonnageProgression");
        const struct { const char* nom; const char* classe; int niveau; } lignes[] = {
            {"Bob", "Guerrier", 2}, {"Bob", "Guerrier", 1}, {"Bob", "Magicien", 1}, {"Zed", "Barde", 1}};
        for (const auto& l : lignes)
            base->ajoute(t, {{QStringLiteral("Nom"), l.nom}, {QStringLiteral("Classe"), l.classe}, {QStringLiteral("Niveau"), l.niveau}});

        Curseur c = base->curseur(t, QStringLiteral("INDEX"));
        QVERIFY(c.cherche(QStringLiteral("="), {QStringLiteral("bob"), QStringLiteral("guerrier"), 2}));
        QCOMPARE(c.ligne().entier(QStringLiteral("Niveau")), 2);
        // « suivant » continue dans l'ordre de l'index, au-delà de la clé cherchée.
        c.suivant();
        QCOMPARE(c.ligne().texte(QStringLiteral("Classe")), QStringLiteral("Magicien"));
        c.suivant();
        QCOMPARE(c.ligne().texte(QStringLiteral("Nom")), QStringLiteral("Zed"));
        c.suivant();
        QVERIFY(c.eof());

        // Clé partielle et « >= » : première ligne au moins égale.
        QVERIFY(c.cherche(QStringLiteral(">="), {QStringLiteral("Bob"), QStringLiteral("H")}));
        QCOMPARE(c.ligne().texte(QStringLiteral("Classe")), QStringLiteral("Magicien"));
        QVERIFY(!c.cherche(QStringLiteral("="), {QStringLiteral("Bob"), QStringLiteral("Moine")}));
        QVERIFY(c.noMatch());
        QVERIFY(c.cherche(QStringLiteral("="), {QStringLiteral("Bob")}));
        QCOMPARE(c.ligne().entier(QStringLiteral("Niveau")), 1);
        QVERIFY(!c.cherche(QStringLiteral(">="), {QStringLiteral("Zz")}));

        // Modifier puis supprimer la ligne trouvée.
        QVERIFY(c.cherche(QStringLiteral("="), {QStringLiteral("Zed")}));
        const qint64 id = c.ligne().rowid();
        base->modifie(t, id, {{QStringLiteral("Classe"), QStringLiteral("Roublard")}});
        QCOMPARE(base->cherche(t, QStringLiteral("index"), {QStringLiteral("Zed")}).texte(QStringLiteral("Classe")),
                 QStringLiteral("Roublard"));
        base->supprime(t, id);
        QVERIFY(!base->cherche(t, QStringLiteral("index"), {QStringLiteral("Zed")}));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, base->curseur(t, QStringLiteral("index9")));
    }

    void transactionsImbriquees()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        const QString t = QStringLiteral("Personnage");
        {
            Transaction ext(*base);
            base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("Gardé")}});
            {
                Transaction interne(*base);
                base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("Perdu")}});
            } // non validée : défaite seule
            ext.valide();
        }
        {
            Transaction t2(*base);
            base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("Annulé")}});
            // une erreur au milieu : tout est défait à la sortie
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("gardé")}}));
        }
        {
            // Une lecture groupée garde ce qui s'écrit pendant, sauf une transaction non validée.
            LectureGroupee lecture(*base);
            base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("Lu")}});
            Transaction interne(*base);
            base->ajoute(t, {{QStringLiteral("Nom"), QStringLiteral("Perdu")}});
        }
        QCOMPARE(base->profondeurTransaction(), 0);
        QStringList noms;
        for (const Ligne& l : base->selectionne(QStringLiteral("select nom from personnage order by nom")))
            noms << l.texte(QStringLiteral("nom"));
        QCOMPARE(noms, (QStringList{QStringLiteral("Gardé"), QStringLiteral("Lu")}));
    }

    void operationsDeSchema()
    {
        DossierTest d;
        auto base = basePersonnages(d);
        QVERIFY(base->existeTable(QStringLiteral("PERSONNAGE")));
        QVERIFY(!base->existeTable(QStringLiteral("Version")));
        QVERIFY(base->ExisteChamp(QStringLiteral("personnage"), QStringLiteral("NIV_1")));
        base->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("A")}, {QStringLiteral("Race"), QStringLiteral("007")}});

        base->ajouteChamp(QStringLiteral("Personnage"), memo(QStringLiteral("Histoire")));
        base->ajouteChamp(QStringLiteral("Personnage"), reel(QStringLiteral("TotalPo")));
        QVERIFY(base->ExisteChamp(QStringLiteral("Personnage"), QStringLiteral("histoire")));
        // Un texte reste un texte : "007" ne devient pas 7.
        base->execute(QStringLiteral("update personnage set histoire=race, totalpo='2.5'"));
        const Ligne l = base->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {QStringLiteral("a")});
        QCOMPARE(l.texte(QStringLiteral("Histoire")), QStringLiteral("007"));
        QCOMPARE(l.reel(QStringLiteral("TotalPo")), 2.5);

        base->renommeChamp(QStringLiteral("Personnage"), QStringLiteral("Histoire"), QStringLiteral("Recit"));
        QVERIFY(!base->ExisteChamp(QStringLiteral("Personnage"), QStringLiteral("Histoire")));
        QVERIFY(base->ExisteChamp(QStringLiteral("Personnage"), QStringLiteral("Recit")));
        base->supprimeChamp(QStringLiteral("Personnage"), QStringLiteral("Recit"));
        QVERIFY(!base->ExisteChamp(QStringLiteral("Personnage"), QStringLiteral("Recit")));
        // Le cache des requêtes suit le schéma : « select * » voit le nouveau champ.
        base->ajouteChamp(QStringLiteral("Personnage"), texte(QStringLiteral("Image"), 50));
        QVERIFY(base->premiere(QStringLiteral("select * from personnage")).contient(QStringLiteral("image")));
    }

    void fichiersRefuses()
    {
        DossierTest d;
        QVERIFY_THROWS_EXCEPTION(ErreurBase, BaseDonnees::ouvre(d.chemin(QStringLiteral("absent.db"))));
        QFile f(d.chemin(QStringLiteral("texte.db")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(2048, 'x'));
        f.close();
        try {
            BaseDonnees::ouvre(f.fileName());
            QFAIL("un fichier texte a été ouvert comme une base");
        } catch (const ErreurBase& e) {
            QVERIFY2(e.description().contains(QStringLiteral("n'est pas une base")), qPrintable(e.description()));
        }
        QVERIFY_THROWS_EXCEPTION(ErreurBase, BaseDonnees::cree(f.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"

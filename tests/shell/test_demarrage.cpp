// Démarrage : réglages et leurs replis, ouverture des bases, refus de la base du programme.
#include "OutilsShell.h"
#include "shell/Demarrage.h"
#include "shell/FichierIni.h"
#include "shell/db/SchemaPerso.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestDemarrage : public QObject
{
    Q_OBJECT

    static QString ini(const QString& dossier) { return QDir(dossier).filePath(QStringLiteral("TESSARY.INI")); }
    static int version(BaseDonnees& base) { return base.scalaire(QStringLiteral("select version from Version")).toInt(); }

private Q_SLOTS:
    void premierDemarrageSansReglages()
    {
        DossiersShell d;
        const QString perso = d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db")));
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QCOMPARE(QDir::currentPath(), QDir(d.programme).absolutePath());
        QVERIFY(QFile::exists(QDir(d.programme).filePath(QStringLiteral("errvb.log"))));
        QCOMPARE(etat.cheminIni, ini(d.config));
        QCOMPARE(etat.erreurs.modeDebug, 0);
        QVERIFY(!etat.doubleCarac);
        QVERIFY(!etat.miseEnForme);
        QVERIFY(etat.marqueProgressionDons);
        QVERIFY(!etat.adresseSite.isEmpty());

        QVERIFY(!OuvreBasesDemarrage(etat));
        QCOMPARE(etat.cheminPerso, perso);
        QCOMPARE(etat.perso->chemin(), perso);
        QVERIFY(etat.programme);
        // Lire ne crée pas le fichier de réglages.
        QVERIFY(!QFile::exists(ini(d.config)));
    }

    void reglagesLus_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("debug");
        QTest::addColumn<bool>("doubleCarac");
        QTest::addColumn<bool>("miseEnForme");
        QTest::addColumn<QString>("site");
        QTest::newRow("tout à zéro") << QByteArray("[MODE]\nDEBUG=0\n") << 0 << false << false << "";
        QTest::newRow("débogage et drapeaux")
            << QByteArray("[MODE]\nDEBUG=2\n[COMPETENCE]\nDOUBLECARAC=1\n[WORD]\nMiseEnForme=-1\n") << 2 << true << true << "";
        QTest::newRow("drapeau non numérique") << QByteArray("[COMPETENCE]\nDOUBLECARAC=oui\n") << 0 << false << false << "";
        QTest::newRow("site de l'auteur") << QByteArray("[SITE]\nADRESSE=https://exemple.test/q\n") << 0 << false
                                          << false << "https://exemple.test/q";
    }
    void reglagesLus()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(int, debug);
        QFETCH(bool, doubleCarac);
        QFETCH(bool, miseEnForme);
        QFETCH(QString, site);
        DossiersShell d;
        QFile f(ini(d.config));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
        f.close();
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QCOMPARE(etat.erreurs.modeDebug, debug);
        QCOMPARE(etat.doubleCarac, doubleCarac);
        QCOMPARE(etat.miseEnForme, miseEnForme);
        if (!site.isEmpty())
            QCOMPARE(etat.adresseSite, site);
    }

    void reglagesDansLeDossierDuProgramme()
    {
        DossiersShell d;
        d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db")));
        const QString autre = d.creeBasePerso(QStringLiteral("autre.db"));
        EcritIni(ini(d.programme), QStringLiteral("FICHIER"), QStringLiteral("BDD"), autre);
        auto etat = demarre(d);
        QCOMPARE(etat->cheminIni, ini(d.programme));
        QCOMPARE(etat->cheminPerso, autre);
        QCOMPARE(etat->perso->chemin(), autre);
    }

    // La dernière base n'est reprise que si elle existe encore et n'est pas la base du programme.
    void repliSurPerso_data()
    {
        QTest::addColumn<QString>("bdd");
        QTest::newRow("fichier disparu") << "disparu.db";
        QTest::newRow("base du programme") << "programme/tessarys.db";
        QTest::newRow("dossier") << "programme";
    }
    void repliSurPerso()
    {
        QFETCH(QString, bdd);
        DossiersShell d;
        const QString perso = d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db")));
        EcritIni(ini(d.config), QStringLiteral("FICHIER"), QStringLiteral("BDD"), d.chemin(bdd));
        auto etat = demarre(d);
        QCOMPARE(etat->cheminPerso, perso);
        QCOMPARE(etat->perso->chemin(), perso);
    }

    void derniereBaseIllisible()
    {
        DossiersShell d;
        const QString perso = d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db")));
        const QString abimee = d.chemin(QStringLiteral("abimee.db"));
        QFile f(abimee);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'z'));
        f.close();
        EcritIni(ini(d.config), QStringLiteral("FICHIER"), QStringLiteral("BDD"), abimee);

        EtatShell etat;
        QStringList messages;
        etat.erreurs.afficheAvec([&](const QString& m) { messages << m; });
        PrepareDemarrage(etat, d.programme, d.config);
        OuvreBasesDemarrage(etat);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith(QStringLiteral("L'erreur suivante s'est produite : ")));
        QCOMPARE(etat.cheminPerso, perso);
    }

    void basePersoAbsenteCreee()
    {
        DossiersShell d;
        const QString perso = QDir(d.programme).filePath(QStringLiteral("perso.db"));
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QVERIFY(OuvreBasesDemarrage(etat));
        QVERIFY(QFile::exists(perso));
        QCOMPARE(etat.cheminPerso, perso);
        QVERIFY(etat.perso->existeTable(QStringLiteral("Personnage")));
        QCOMPARE(version(*etat.perso), kVersionBase);
    }

    void baseMiseANiveauAuDemarrage()
    {
        DossiersShell d;
        const QString perso = d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db")));
        BaseDonnees::ouvre(perso)->execute(QStringLiteral("update Version set Version = 20"));
        auto etat = demarre(d);
        QCOMPARE(version(*etat->perso), kVersionBase);
    }

    void baseProgrammeAbsente()
    {
        DossiersShell d;
        QVERIFY(QFile::remove(QDir(d.programme).filePath(QLatin1String(kNomBaseProgramme))));
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        try {
            OuvreBasesDemarrage(etat);
            QFAIL("le démarrage doit échouer sans base du programme");
        } catch (const ErreurExecution& e) {
            QVERIFY(e.description().contains(QLatin1String(kNomBaseProgramme)));
        }
        // Aucune base de personnages n'a été créée à sa place.
        QVERIFY(!QFile::exists(QDir(d.programme).filePath(QStringLiteral("perso.db"))));
    }

    void estBaseProgramme_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<bool>("attendu");
        QTest::newRow("chemin exact") << "programme/tessarys.db" << true;
        QTest::newRow("majuscules") << "programme/TESSARYS.DB" << true;
        QTest::newRow("casse mêlée") << "PROGRAMME/Tessarys.Db" << true;
        QTest::newRow("détour") << "programme/../programme/./tessarys.db" << true;
        QTest::newRow("autre base") << "programme/perso.db" << false;
        QTest::newRow("même nom ailleurs") << "tessarys.db" << false;
    }
    void estBaseProgramme()
    {
        QFETCH(QString, relatif);
        QFETCH(bool, attendu);
        DossiersShell d;
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QCOMPARE(EstBaseProgramme(etat, d.chemin(relatif)), attendu);
        QVERIFY(!EstBaseProgramme(etat, QString()));
    }

    void adopteBaseEcritLeChemin()
    {
        DossiersShell d;
        auto etat = demarre(d);
        const QString autre = d.creeBasePerso(QStringLiteral("autre.db"));
        AdopteBasePersonnages(*etat, OuvreBasePersonnages(*etat, autre), autre);
        QCOMPARE(etat->perso->chemin(), autre);
        QCOMPARE(etat->cheminPerso, autre);
        QCOMPARE(LitIni(ini(d.config), QStringLiteral("FICHIER"), QStringLiteral("BDD")), autre);
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "test_demarrage.moc"

// Fichier de réglages : lecture, écriture, valeurs numériques et emplacement.
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/FichierIni.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFichierIni : public QObject
{
    Q_OBJECT

    static void ecritFichier(const QString& chemin, const QByteArray& contenu)
    {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    static QByteArray litFichier(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("attendu");
        const QByteArray ini = "[FICHIER]\r\nBDD=/home/élise/mes persos.db\r\n[MODE]\r\nDEBUG = 1 \r\n"
                               "[frmMain]\r\nPOS_X=\"120\"\r\n";
        QTest::newRow("valeur avec espaces et accents") << ini << "FICHIER" << "BDD" << "/home/élise/mes persos.db";
        QTest::newRow("section et clé sans égard à la casse") << ini << "fichier" << "bdd" << "/home/élise/mes persos.db";
        QTest::newRow("blancs autour du signe égal") << ini << "MODE" << "DEBUG" << "1";
        QTest::newRow("guillemets retirés") << ini << "frmMain" << "POS_X" << "120";
        QTest::newRow("clé absente") << ini << "MODE" << "BDD" << "";
        QTest::newRow("section absente") << ini << "WORD" << "MiseEnForme" << "";
        QTest::newRow("clé d'une autre section") << ini << "frmMain" << "DEBUG" << "";
        QTest::newRow("fichier vide") << QByteArray() << "FICHIER" << "BDD" << "";
        QTest::newRow("255 caractères au plus") << QByteArray("[A]\nB=" + QByteArray(300, 'x') + "\n") << "A" << "B"
                                                << QString(255, u'x');
    }
    void lecture()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, attendu);
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("TESSARY.INI"));
        ecritFichier(chemin, contenu);
        QCOMPARE(LitIni(chemin, section, cle), attendu);
    }

    void fichierAbsent()
    {
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("absent/TESSARY.INI"));
        QCOMPARE(LitIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD")), QString());
        QCOMPARE(ParametreIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_X"), 0, false), 0);
        QVERIFY(!QFile::exists(chemin));
    }

    void ecritureCreeFichierEtDossier()
    {
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("config/quorvane/TESSARY.INI"));
        QVERIFY(EcritIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD"), QStringLiteral("/tmp/a b.db")));
        QCOMPARE(LitIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD")), QStringLiteral("/tmp/a b.db"));
        QVERIFY(EcritIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD"), QStringLiteral("/tmp/c.db")));
        QCOMPARE(LitIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD")), QStringLiteral("/tmp/c.db"));
        QCOMPARE(litFichier(chemin).count("BDD="), 1);
    }

    void ecritureConserveLeReste()
    {
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("TESSARY.INI"));
        ecritFichier(chemin, "; réglages faits à la main\r\n[MODE]\r\nDEBUG=0\r\n\r\n[frmMain]\r\npos_x=3\r\n\r\n"
                             "[WORD]\r\nMiseEnForme=1\r\n");
        QVERIFY(EcritIni(chemin, QStringLiteral("FRMMAIN"), QStringLiteral("POS_X"), QStringLiteral("40")));
        QVERIFY(EcritIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_Y"), QStringLiteral("50")));
        QVERIFY(EcritIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD"), QStringLiteral("/x.db")));

        const QString texte = QString::fromUtf8(litFichier(chemin));
        QVERIFY(texte.contains(QStringLiteral("; réglages faits à la main")));
        QCOMPARE(texte.count(QStringLiteral("[frmMain]")), 1);
        // La clé nouvelle va dans sa section, avant la section suivante.
        QVERIFY(texte.indexOf(QStringLiteral("POS_Y=50")) > texte.indexOf(QStringLiteral("[frmMain]")));
        QVERIFY(texte.indexOf(QStringLiteral("POS_Y=50")) < texte.indexOf(QStringLiteral("[WORD]")));
        QCOMPARE(LitIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_X")), QStringLiteral("40"));
        QCOMPARE(LitIni(chemin, QStringLiteral("WORD"), QStringLiteral("MiseEnForme")), QStringLiteral("1"));
        QCOMPARE(LitIni(chemin, QStringLiteral("MODE"), QStringLiteral("DEBUG")), QStringLiteral("0"));
        QCOMPARE(LitIni(chemin, QStringLiteral("FICHIER"), QStringLiteral("BDD")), QStringLiteral("/x.db"));
    }

    void parametreNumerique_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu");
        QTest::newRow("nombre") << "12" << 12;
        QTest::newRow("préfixe numérique") << "7 px" << 7;
        QTest::newRow("négatif") << "-30" << -30;
        QTest::newRow("pas un nombre") << "abc" << 0;
        QTest::newRow("vide") << "" << 0;
        QTest::newRow("plus grand entier 16 bits") << "32767" << 32767;
    }
    void parametreNumerique()
    {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("TESSARY.INI"));
        EcritIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_X"), texte);
        QCOMPARE(ParametreIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_X"), 999, false), attendu);
    }

    void parametreEcrit()
    {
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("TESSARY.INI"));
        QCOMPARE(ParametreIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_Y"), -42, true), -42);
        QCOMPARE(LitIni(chemin, QStringLiteral("frmMain"), QStringLiteral("POS_Y")), QStringLiteral("-42"));
    }

    void parametreHorsBornes()
    {
        DossierTest d;
        const QString chemin = d.chemin(QStringLiteral("TESSARY.INI"));
        EcritIni(chemin, QStringLiteral("MODE"), QStringLiteral("DEBUG"), QStringLiteral("40000"));
        try {
            ParametreIni(chemin, QStringLiteral("MODE"), QStringLiteral("DEBUG"), 0, false);
            QFAIL("un nombre hors des 16 bits doit lever l'erreur 6");
        } catch (const ErreurExecution& e) {
            QCOMPARE(e.numero(), int(NumeroErreur::Depassement));
        }
    }

    void emplacement_data()
    {
        QTest::addColumn<bool>("dansConfig");
        QTest::addColumn<bool>("dansProgramme");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("aucun : configuration") << false << false << "config";
        QTest::newRow("programme seul") << false << true << "programme";
        QTest::newRow("configuration seule") << true << false << "config";
        QTest::newRow("les deux : configuration") << true << true << "config";
    }
    void emplacement()
    {
        QFETCH(bool, dansConfig);
        QFETCH(bool, dansProgramme);
        QFETCH(QString, attendu);
        DossierTest d;
        QDir().mkpath(d.chemin(QStringLiteral("config")));
        QDir().mkpath(d.chemin(QStringLiteral("programme")));
        if (dansConfig)
            ecritFichier(d.chemin(QStringLiteral("config/TESSARY.INI")), "[MODE]\n");
        if (dansProgramme)
            ecritFichier(d.chemin(QStringLiteral("programme/TESSARY.INI")), "[MODE]\n");
        QCOMPARE(LocaliseFichierIni(d.chemin(QStringLiteral("config")), d.chemin(QStringLiteral("programme"))),
                 d.chemin(attendu + QStringLiteral("/TESSARY.INI")));
    }

    void dossierConfigurationImpose()
    {
        const QByteArray avant = qgetenv("QUORVANE_CONFIG");
        qputenv("QUORVANE_CONFIG", "/tmp/ailleurs/");
        QCOMPARE(DossierConfiguration(), QStringLiteral("/tmp/ailleurs"));
        qunsetenv("QUORVANE_CONFIG");
        QVERIFY(DossierConfiguration().endsWith(QStringLiteral("/quorvane")));
        if (!avant.isEmpty())
            qputenv("QUORVANE_CONFIG", avant);
    }
};

QTEST_GUILESS_MAIN(TestFichierIni)
#include "test_fichier_ini.moc"

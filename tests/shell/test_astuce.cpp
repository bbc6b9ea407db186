// Astuce du jour et boîte « A propos ».
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "shell/Application.h"
#include "shell/ReglagesUtilisateur.h"
#include "shell/frmApropos.h"
#include "shell/frmAstuce.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

class CaptureAdresses : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> adresses;

public Q_SLOTS:
    void ouvre(const QUrl& adresse) { adresses << adresse; }
};

class TestAstuce : public QObject
{
    Q_OBJECT

    static void ecrit(const QString& chemin, const QByteArray& contenu)
    {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }

private Q_SLOTS:
    void init()
    {
        qputenv("QUORVANE_CONFIG", m_config.path().toUtf8());
        QFile::remove(QDir(m_config.path()).filePath(QStringLiteral("quorvane.conf")));
    }

    void troisLignesTournent_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("fin de ligne Unix") << QByteArray("Première astuce\nDeuxième astuce\nTroisième astuce\n");
        QTest::newRow("fin de ligne Windows") << QByteArray("Première astuce\r\nDeuxième astuce\r\nTroisième astuce\r\n");
        QTest::newRow("sans fin de ligne finale") << QByteArray("Première astuce\nDeuxième astuce\nTroisième astuce");
    }
    void troisLignesTournent()
    {
        QFETCH(QByteArray, contenu);
        DossierTest d;
        ecrit(d.chemin(QStringLiteral("ASTUCE.TXT")), contenu);
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.lblTipText->text(), QStringLiteral("Première astuce"));
        QTest::mouseClick(f.cmdNextTip, Qt::LeftButton);
        QCOMPARE(f.lblTipText->text(), QStringLiteral("Deuxième astuce"));
        QTest::mouseClick(f.cmdNextTip, Qt::LeftButton);
        QCOMPARE(f.lblTipText->text(), QStringLiteral("Troisième astuce"));
        QTest::mouseClick(f.cmdNextTip, Qt::LeftButton);
        QCOMPARE(f.lblTipText->text(), QStringLiteral("Première astuce"));
    }

    void fichierVide()
    {
        DossierTest d;
        ecrit(d.chemin(QStringLiteral("ASTUCE.TXT")), QByteArray());
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.lblTipText->text(), QString());
        QTest::mouseClick(f.cmdNextTip, Qt::LeftButton);
        QCOMPARE(f.lblTipText->text(), QString());
    }

    void fichierAbsent()
    {
        DossierTest d;
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.lblTipText->text(),
                 QStringLiteral("Le fichier ASTUCE.TXT n'a pas été trouvé? \n\nCréez un fichier texte nommé ASTUCE.TXT "
                                "en utilisant le Bloc-notes avec une astuce par ligne. Puis placez le dans le même "
                                "dossier que l'application."));
        QVERIFY(!f.LoadTips(d.chemin(QStringLiteral("ASTUCE.TXT"))));
    }

    void libelles()
    {
        DossierTest d;
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.windowTitle(), QStringLiteral("Astuce du jour"));
        QCOMPARE(f.chkLoadTipsAtStartup->text(), QStringLiteral("&Afficher les astuces au démarrage"));
        QCOMPARE(f.cmdNextTip->text(), QStringLiteral("Astuce &suivante"));
        bool savezVous = false;
        for (QLabel* l : f.findChildren<QLabel*>())
            savezVous |= l->text() == QStringLiteral("Savez-vous...");
        QVERIFY(savezVous);
    }

    void caseAuDemarrage_data()
    {
        QTest::addColumn<int>("stocke");   // -1 : rien d'enregistré
        QTest::addColumn<bool>("coche");
        QTest::newRow("rien d'enregistré : montrer") << -1 << true;
        QTest::newRow("1 : montrer") << 1 << true;
        QTest::newRow("0 : ne pas montrer") << 0 << false;
    }
    void caseAuDemarrage()
    {
        QFETCH(int, stocke);
        QFETCH(bool, coche);
        if (stocke >= 0)
            EcritAfficheAstuces(stocke == 1);
        QCOMPARE(AfficheAstucesAuDemarrage(), coche);
        DossierTest d;
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.chkLoadTipsAtStartup->isChecked(), coche);
        // Le clic enregistre aussitôt le contraire.
        f.show();
        QTest::mouseClick(f.chkLoadTipsAtStartup, Qt::LeftButton, {}, QPoint(5, f.chkLoadTipsAtStartup->height() / 2));
        QCOMPARE(AfficheAstucesAuDemarrage(), !coche);
        QSettings magasin(QDir(m_config.path()).filePath(QStringLiteral("quorvane.conf")), QSettings::IniFormat);
        QCOMPARE(magasin.value(QStringLiteral("Options/Show Tips at Startup")).toInt(), coche ? 0 : 1);
    }

    void okFermeLaFenetreFille()
    {
        DossiersShell s;
        auto etat = demarre(s);
        ecrit(QDir(s.programme).filePath(QStringLiteral("ASTUCE.TXT")), "Une seule astuce\n");
        frmMain principale(*etat);
        principale.show();
        principale.afficheAstuce();
        QMdiSubWindow* sous = principale.sousFenetre(QStringLiteral("frmAstuce"));
        QVERIFY(sous);
        auto* f = static_cast<frmAstuce*>(sous->widget());
        QCOMPARE(f->lblTipText->text(), QStringLiteral("Une seule astuce"));
        enregistreCapture(&principale, QStringLiteral("frmAstuce"));
        QTest::mouseClick(f->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(!principale.TrouveChild(QStringLiteral("frmAstuce")));
    }

    void aPropos()
    {
        frmApropos boite(QStringLiteral("https://exemple.test/quorvane"));
        QCOMPARE(boite.windowTitle(), QStringLiteral("A propos de Quorvane"));
        const QStringList lignes = boite.txtVersion->toPlainText().split(u'\n');
        QCOMPARE(lignes.size(), 3);
        QCOMPARE(lignes[0], QStringLiteral("Version du logiciel :        \t") + QString::number(VersionMajeure()));
        QCOMPARE(lignes[1], QStringLiteral("Paramètres tessarys.mdb : \t") + QString::number(VersionMineure()));
        QCOMPARE(lignes[2], QStringLiteral("Nombre de compilations :     \t") + QString::number(Revision()));
        QVERIFY(boite.txtVersion->isReadOnly());

        boite.show();
        CaptureAdresses adresses;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &adresses, "ouvre");
        QTest::mouseClick(boite.lblSite, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(adresses.adresses, QList<QUrl>{QUrl(QStringLiteral("https://exemple.test/quorvane"))});
        enregistreCapture(&boite, QStringLiteral("frmApropos"));

        QTest::mouseClick(boite.cmdOK, Qt::LeftButton);
        QCOMPARE(boite.result(), int(QDialog::Accepted));
        QVERIFY(!boite.isVisible());
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestAstuce)
#include "test_astuce.moc"

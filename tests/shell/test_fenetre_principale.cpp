// Fenêtre principale : menus, titre, position, ouverture d'une base, dépôt de fichiers,
// instance unique, boîte d'erreur.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "shell/Application.h"
#include "shell/Demarrage.h"
#include "shell/FichierIni.h"
#include "shell/InstanceUnique.h"
#include "shell/frmAcceder.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QTableWidget>
#include <QUrl>
#include <QUuid>
#include <QtTest>
#include <thread>

// Reçoit les adresses que le programme demande d'ouvrir, au lieu du navigateur.
class CaptureAdresses : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> adresses;

public Q_SLOTS:
    void ouvre(const QUrl& adresse) { adresses << adresse; }
};

class TestFenetrePrincipale : public QObject
{
    Q_OBJECT

    static QString ini(const DossiersShell& d) { return QDir(d.config).filePath(QStringLiteral("TESSARY.INI")); }

    static QStringList nomsListes(frmMain& f)
    {
        QStringList noms;
        auto* sous = f.sousFenetre(QStringLiteral("frmAcceder"));
        if (!sous)
            return noms;
        auto* grille = static_cast<frmAcceder*>(sous->widget())->vsnom;
        for (int i = 0; i < grille->rowCount(); ++i)
            noms << grille->item(i, 0)->text();
        return noms;
    }

    static void depose(QWidget* cible, const QList<QUrl>& urls)
    {
        QMimeData donnees;
        donnees.setUrls(urls);
        const QPointF point(cible->width() / 2.0, cible->height() / 2.0);
        QDragEnterEvent entree(point.toPoint(), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &entree);
        QVERIFY(entree.isAccepted());
        QDropEvent depot(point, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &depot);
    }

private Q_SLOTS:
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<bool>("actif");
        auto r = [](const char* menu, const char* nom, const char* libelle, bool actif) {
            QTest::newRow(nom) << QString::fromUtf8(menu) << QString::fromUtf8(nom) << QString::fromUtf8(libelle) << actif;
        };
        r("IDM_FICHIER", "IDM_ASSISTANT_PERSO", "&Assistant création personnage", false);
        r("IDM_FICHIER", "IDM_GESTION_PERSO", "&Gestion des personnages", true);
        r("IDM_FICHIER", "IDM_ACCEDER", "&Accéder aux fiches des personnages", true);
        r("IDM_FICHIER", "IDM_GEST_OBJETS", "&Gestion des objets", false);
        r("IDM_FICHIER", "IMD_IMPORT", "&Importation de personnage", false);
        r("IDM_FICHIER", "IDM_OUVRIR", "&Ouvrir une base de donnée de personnages", true);
        r("IDM_FICHIER", "IDM_QUITTER", "&Quitter", true);
        r("IDM_OUTILS", "IDM_XP_PERSONNAGES", "&Expériences des personnages", false);
        r("IDM_OUTILS", "IDM_GENERATEUR_VILLE", "&Générateur de ville", false);
        r("IDM_OUTILS", "IDM_LANCEUR_DES", "&Lanceur de dés", false);
        r("IDM_REGLES", "IDM_DESCRIPTION_SORT", "Description des &sorts", false);
        r("IDM_REGLES", "IDM_DESCRIPTION_RACE", "Description des &races", false);
        r("IDM_REGLES", "IDM_DESCRIPTION_DON", "&Description des &dons", false);
        r("IDM_PERSONNEL", "IDM_INSERTION_DONS", "&Insertion de dons", false);
        r("IDM_PERSONNEL", "IDM_INSERTION_RACES", "&Insertion de races", false);
        r("IDM_PERSONNEL", "IDM_INSERTION_CLASSES", "&Insertion de classes", false);
        r("IDM_AIDE", "IDM_ASTUCE", "&Astuce du jour", true);
        r("IDM_AIDE", "IDM_LIENSITE", "&Lien vers le site", true);
        r("IDM_AIDE", "IDM_MISES_JOUR", "&Vérifier les mises à jour", true);
        r("IDM_AIDE", "IDM_APROPOS", "&A propos de Quorvane", true);
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, nom);
        QFETCH(QString, libelle);
        QFETCH(bool, actif);
        // Une seule fenêtre pour toutes les lignes : les menus ne dépendent pas de la base.
        if (!m_menus) {
            m_dossiersMenus = std::make_unique<DossiersShell>();
            m_etatMenus = demarre(*m_dossiersMenus);
            m_menus = std::make_unique<frmMain>(*m_etatMenus);
        }
        frmMain& f = *m_menus;
        auto* m = f.findChild<QMenu*>(menu);
        QVERIFY(m);
        QAction* article = nullptr;
        for (QAction* a : m->actions())
            if (a->objectName() == nom)
                article = a;
        QVERIFY2(article, qPrintable(nom + QStringLiteral(" absent du menu ") + menu));
        QCOMPARE(article->text(), libelle);
        QCOMPARE(article->isEnabled(), actif);
        QVERIFY(article->isVisible());
    }

    void barreDeMenus()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        const QStringList attendus{QStringLiteral("&Fichier"), QStringLiteral("&Outils"), QStringLiteral("&Règles"),
                                   QStringLiteral("&Personnel"), QStringLiteral("&Options"), QStringLiteral("&Aide")};
        QStringList libelles;
        for (QAction* a : f.menuBar()->actions())
            libelles << a->text();
        QCOMPARE(libelles, attendus);
        QVERIFY(f.findChild<QMenu*>(QStringLiteral("IDM_OPTIONS"))->actions().isEmpty());
        // Les séparateurs du menu Fichier, dans l'ordre.
        QStringList separateurs;
        for (QAction* a : f.findChild<QMenu*>(QStringLiteral("IDM_FICHIER"))->actions())
            if (a->isSeparator())
                separateurs << a->objectName();
        QCOMPARE(separateurs, (QStringList{QStringLiteral("IDM_SEP_3"), QStringLiteral("IDM_SEP_1"), QStringLiteral("IDM_SEP2")}));
    }

    void premierDemarrage()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Quorvane Gestion de personnages pour Donjons et Dragons 3.5 [")
                                      + QDir(d.programme).filePath(QStringLiteral("perso.db")) + u']');
        QCOMPARE(f.pos(), QPoint(0, 0));
        QVERIFY(f.TrouveChild(QStringLiteral("frmAcceder")));
        QVERIFY(!QFile::exists(ini(d)));
        enregistreCapture(&f, QStringLiteral("frmMain"));

        f.move(64, 48);
        QVERIFY(f.close());
        QVERIFY(QFile::exists(ini(d)));
        QCOMPARE(LitIni(ini(d), QStringLiteral("frmMain"), QStringLiteral("POS_X")), QString::number(f.x()));
        QCOMPARE(LitIni(ini(d), QStringLiteral("frmMain"), QStringLiteral("POS_Y")), QString::number(f.y()));
        QVERIFY(f.x() != 0 || f.y() != 0);
        // Les bases sont fermées à l'arrêt.
        QVERIFY(!etat->perso);
        QVERIFY(!etat->programme);
    }

    void positionRestauree()
    {
        DossiersShell d;
        EcritIni(ini(d), QStringLiteral("frmMain"), QStringLiteral("POS_X"), QStringLiteral("120"));
        EcritIni(ini(d), QStringLiteral("FRMMAIN"), QStringLiteral("pos_y"), QStringLiteral("80"));
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        QCOMPARE(f.pos(), QPoint(120, 80));
    }

    void quitter()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        f.findChild<QAction*>(QStringLiteral("IDM_QUITTER"))->trigger();
        QVERIFY(!f.isVisible());
        QVERIFY(QFile::exists(ini(d)));
    }

    void trouveChild()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        QVERIFY(!f.TrouveChild(QStringLiteral("frmAcceder")));
        f.Charge();
        QVERIFY(f.TrouveChild(QStringLiteral("frmAcceder")));
        QVERIFY(f.TrouveChild(QStringLiteral("FRMACCEDER")));
        QVERIFY(!f.TrouveChild(QStringLiteral("frmAstuce")));
        f.findChild<QAction*>(QStringLiteral("IDM_ASTUCE"))->trigger();
        QVERIFY(f.TrouveChild(QStringLiteral("frmastuce")));
        // Un second appel ramène la fenêtre au lieu d'en ouvrir une autre.
        f.findChild<QAction*>(QStringLiteral("IDM_ACCEDER"))->trigger();
        f.findChild<QAction*>(QStringLiteral("IDM_ASTUCE"))->trigger();
        QCOMPARE(f.zoneClient()->subWindowList().size(), 2);
        QCOMPARE(f.zoneClient()->activeSubWindow(), f.sousFenetre(QStringLiteral("frmAstuce")));
    }

    void ouvreBaseRemplaceLaListe()
    {
        DossiersShell d;
        ajoutePersonnage(d.creeBasePerso(QDir(d.programme).filePath(QStringLiteral("perso.db"))), QStringLiteral("Alaric"),
                         QStringLiteral("Humain"), {3}, {QStringLiteral("Guerrier")});
        const QString autre = d.creeBasePerso(QStringLiteral("autre.db"));
        ajoutePersonnage(autre, QStringLiteral("Bérénice"), QStringLiteral("Elfe"), {2}, {QStringLiteral("Magicien")});
        ajoutePersonnage(autre, QStringLiteral("Corwin"), QStringLiteral("Nain"), {1}, {QStringLiteral("Prêtre")});

        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        QCOMPARE(nomsListes(f), QStringList{QStringLiteral("Alaric")});
        QPointer<QWidget> ancien = f.sousFenetre(QStringLiteral("frmAcceder"))->widget();

        f.OuvreBase(autre);
        QVERIFY(ancien.isNull());   // l'ancienne liste a été fermée, pas seulement cachée
        QCOMPARE(nomsListes(f), (QStringList{QStringLiteral("Bérénice"), QStringLiteral("Corwin")}));
        QCOMPARE(f.windowTitle(), TitreFenetrePrincipale(autre));
        QCOMPARE(etat->perso->chemin(), autre);
        QCOMPARE(LitIni(ini(d), QStringLiteral("FICHIER"), QStringLiteral("BDD")), autre);
        QCOMPARE(f.zoneClient()->subWindowList().size(), 1);
    }

    void ouvreBaseRefuseLaBaseDuProgramme_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("exact") << "tessarys.db";
        QTest::newRow("majuscules") << "TESSARYS.DB";
        QTest::newRow("casse mêlée") << "Tessarys.dB";
    }
    void ouvreBaseRefuseLaBaseDuProgramme()
    {
        QFETCH(QString, nom);
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        const QString titre = f.windowTitle();
        QMdiSubWindow* liste = f.sousFenetre(QStringLiteral("frmAcceder"));
        CaptureBoites boites;
        f.OuvreBase(QDir(d.programme).filePath(nom));
        QCOMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites.first().texte, QStringLiteral("On ne peut pas ouvrir la base du programme"));
        QCOMPARE(boites.boites.first().icone, QMessageBox::Warning);
        QCOMPARE(f.windowTitle(), titre);
        QCOMPARE(f.sousFenetre(QStringLiteral("frmAcceder")), liste);
        QCOMPARE(etat->perso->chemin(), QDir(d.programme).filePath(QStringLiteral("perso.db")));
        QVERIFY(!QFile::exists(ini(d)));
    }

    void ouvreBaseVideNeFaitRien()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        QMdiSubWindow* liste = f.sousFenetre(QStringLiteral("frmAcceder"));
        f.OuvreBase(QString());
        QCOMPARE(f.sousFenetre(QStringLiteral("frmAcceder")), liste);
        QVERIFY(!QFile::exists(ini(d)));
    }

    void depotOuvreLePremierFichier()
    {
        DossiersShell d;
        const QString premier = d.creeBasePerso(QStringLiteral("premier.db"));
        ajoutePersonnage(premier, QStringLiteral("Dagmar"), QStringLiteral("Humain"));
        const QString second = d.creeBasePerso(QStringLiteral("second.db"));
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        depose(&f, {QUrl::fromLocalFile(premier), QUrl::fromLocalFile(second)});
        QCOMPARE(etat->perso->chemin(), premier);
        QCOMPARE(f.windowTitle(), TitreFenetrePrincipale(premier));
        QCOMPARE(nomsListes(f), QStringList{QStringLiteral("Dagmar")});
    }

    void depotIllisibleSignaleEtGardeTout()
    {
        DossiersShell d;
        const QString texte = d.chemin(QStringLiteral("notes.txt"));
        QFile fichier(texte);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(QByteArray(2048, 'n'));
        fichier.close();
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        const QString titre = f.windowTitle();
        QMdiSubWindow* liste = f.sousFenetre(QStringLiteral("frmAcceder"));
        CaptureBoites boites;
        depose(&f, {QUrl::fromLocalFile(texte)});
        QCOMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites.first().icone, QMessageBox::Critical);
        QCOMPARE(boites.boites.first().titre, QLatin1String(kTitreApplication));
        QVERIFY(boites.boites.first().texte.startsWith(QStringLiteral("L'erreur suivante s'est produite : ")));
        QCOMPARE(f.windowTitle(), titre);
        QCOMPARE(f.sousFenetre(QStringLiteral("frmAcceder")), liste);
        // La ligne du journal nomme la procédure et le module.
        QFile journal(QDir(d.programme).filePath(QStringLiteral("errvb.log")));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(journal.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 1);
        QVERIFY(lignes.first().endsWith(QStringLiteral(" Procedure : MDIForm_OLEDragDrop  Module : frmMain.cpp")));
    }

    void argumentDeLaLigneDeCommande()
    {
        DossiersShell d;
        QDir().mkpath(d.chemin(QStringLiteral("dossier avec espaces")));
        const QString autre = d.creeBasePerso(QStringLiteral("dossier avec espaces/autre.db"));
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge(autre);
        QCOMPARE(f.windowTitle(), TitreFenetrePrincipale(autre));
        QCOMPARE(LitIni(ini(d), QStringLiteral("FICHIER"), QStringLiteral("BDD")), autre);
    }

    void instanceUnique()
    {
        DossiersShell d;
        const QString autre = d.creeBasePerso(QStringLiteral("autre.db"));
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        const QString nom = QStringLiteral("quorvane-essai-") + QUuid::createUuid().toString(QUuid::Id128);
        InstanceUnique premiere(nom);
        // Sans première instance, personne ne reçoit le message.
        QVERIFY(!InstanceUnique(nom).envoie(autre, 200));
        QVERIFY(premiere.ecoute());
        connect(&premiere, &InstanceUnique::messageRecu, &f, &frmMain::recoitMessageInstance);
        f.showMinimized();

        bool recu = false;
        std::thread seconde([&] { recu = InstanceUnique(nom).envoie(autre); });
        QTRY_COMPARE(f.windowTitle(), TitreFenetrePrincipale(autre));
        seconde.join();
        QVERIFY(recu);
        QVERIFY(!f.isMinimized());
        QCOMPARE(LitIni(ini(d), QStringLiteral("FICHIER"), QStringLiteral("BDD")), autre);
    }

    void dialogueOuvrir()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.Charge();
        f.show();
        const QString titre = f.windowTitle();
        QString titreDialogue, dossier;
        QStringList filtres;
        QTimer::singleShot(50, [&] {
            auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogue);
            titreDialogue = dialogue->windowTitle();
            filtres = dialogue->nameFilters();
            dossier = dialogue->directory().absolutePath();
            dialogue->reject();
        });
        f.findChild<QAction*>(QStringLiteral("IDM_OUVRIR"))->trigger();
        QCOMPARE(titreDialogue, QStringLiteral("Ouvrir une base donnée"));
        QCOMPARE(filtres, QStringList{QStringLiteral("Base Quorvane (*.db)")});
        QCOMPARE(dossier, QDir(d.programme).absolutePath());
        // Annuler ne change rien.
        QCOMPARE(f.windowTitle(), titre);
        QVERIFY(!QFile::exists(ini(d)));
    }

    void adressesDuSite()
    {
        DossiersShell d;
        EcritIni(ini(d), QStringLiteral("SITE"), QStringLiteral("ADRESSE"), QStringLiteral("https://exemple.test/quorvane/"));
        auto etat = demarre(d);
        frmMain f(*etat);
        CaptureAdresses adresses;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &adresses, "ouvre");
        f.findChild<QAction*>(QStringLiteral("IDM_LIENSITE"))->trigger();
        f.findChild<QAction*>(QStringLiteral("IDM_MISES_JOUR"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(adresses.adresses.size(), 2);
        QCOMPARE(adresses.adresses[0], QUrl(QStringLiteral("https://exemple.test/quorvane/")));
        QCOMPARE(adresses.adresses[1], QUrl(QStringLiteral("https://exemple.test/quorvane/programme/test.php?version=")
                                            + QString::number(Revision())));
    }

    void erreurDansUnGestionnaire()
    {
        DossiersShell d;
        auto etat = demarre(d);
        frmMain f(*etat);
        f.show();
        CaptureBoites boites;
        etat->erreurs.protege("Form_Load", "frmEssai.cpp",
                              [] { throw ErreurExecution(6, QStringLiteral("Dépassement de capacité")); });
        QCOMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites.first().icone, QMessageBox::Critical);
        QCOMPARE(boites.boites.first().titre, QLatin1String(kTitreApplication));
        QCOMPARE(boites.boites.first().texte,
                 QStringLiteral("L'erreur suivante s'est produite : Dépassement de capacité\n\n numéro d'erreur (6 )"));
    }

    void cleanupTestCase()
    {
        m_menus.reset();
        m_etatMenus.reset();
        m_dossiersMenus.reset();
    }

private:
    std::unique_ptr<DossiersShell> m_dossiersMenus;
    std::unique_ptr<EtatShell> m_etatMenus;
    std::unique_ptr<frmMain> m_menus;
};

QTEST_MAIN(TestFenetrePrincipale)
#include "test_fenetre_principale.moc"

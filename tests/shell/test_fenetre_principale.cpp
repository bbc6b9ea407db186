// Fenêtre principale : menus, titre, position, ouverture d'une base, dépôt de fichiers, instance
// unique, boîte d'erreur ; choix d'un personnage ; astuce du jour et boîte « A propos » ; outils des fenêtres.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "shell/Application.h"
#include "shell/Demarrage.h"
#include "shell/FichierIni.h"
#include "shell/InstanceUnique.h"
#include "shell/ReglagesUtilisateur.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/frmAcceder.h"
#include "shell/frmApropos.h"
#include "shell/frmAstuce.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
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
    explicit CaptureAdresses() { QDesktopServices::setUrlHandler("https", this, "ouvre"); }
    ~CaptureAdresses() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> adresses;

public Q_SLOTS:
    void ouvre(const QUrl& adresse) { adresses << adresse; }
};

namespace {

// Dossiers d'essai, puis (ouvre) démarrage complet et fenêtre principale chargée et montrée.
struct Principale
{
    DossiersShell d;
    std::unique_ptr<EtatShell> etat;
    std::unique_ptr<frmMain> f;

    frmMain& ouvre(bool charge = true)
    {
        etat = demarre(d);
        f = std::make_unique<frmMain>(*etat);
        if (charge) {
            f->Charge();
            f->show();
        }
        return *f;
    }
    QString ini() const { return QDir(d.config).filePath("TESSARY.INI"); }
    QString perso() const { return QDir(d.programme).filePath("perso.db"); }
    QString bdd() const { return LitIni(ini(), "FICHIER", "BDD"); }
    frmAcceder* liste() const
    {
        auto* sous = f->sousFenetre("frmAcceder");
        return sous ? static_cast<frmAcceder*>(sous->widget()) : nullptr;
    }
};

QStringList ligne(QTableWidget* g, int i)
{
    QStringList l;
    for (int c = 0; c < g->columnCount(); ++c)
        l << (g->item(i, c) ? g->item(i, c)->text() : QString());
    return l;
}

QStringList noms(QTableWidget* g)
{
    QStringList n;
    for (int i = 0; i < g->rowCount(); ++i)
        n << g->item(i, 0)->text();
    return n;
}

void depose(QWidget* cible, const QList<QUrl>& urls)
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

template<class W>
W* ajoute(QWidget* parent, const char* nom)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(nom));
    return w;
}

// Ce que montre le prochain dialogue de fichiers ; il est annulé, ou le fichier nommé y est
// choisi comme l'utilisateur le fait (le nom tapé puis Entrée).
struct VuDialogue
{
    QString titre, dossier;
    QStringList filtres;
};
void regardeDialogue(VuDialogue& vu, const QString& choix = {})
{
    repondA<QFileDialog>([&vu, choix](QFileDialog* d) {
        vu = {d->windowTitle(), d->directory().absolutePath(), d->nameFilters()};
        auto* nom = d->findChild<QLineEdit*>("fileNameEdit");
        if (choix.isEmpty() || !nom)
            return d->reject();
        nom->setText(choix);
        QTest::keyClick(nom, Qt::Key_Return);
    });
    // Filet : un dialogue resté ouvert est fermé plutôt que de bloquer l'essai.
    if (!choix.isEmpty())
        QTimer::singleShot(3000, [] {
            if (auto* reste = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                reste->reject();
        });
}

} // namespace

class TestFenetrePrincipale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // La barre de menus dans l'ordre, chaque article (nom, libellé) et séparateur dans le sien ; les
    // articles des fenêtres pas encore écrites se voient, éteints. Le menu « Fenêtre » se vérifie à part.
    void menus()
    {
        Principale p;
        frmMain& f = p.ouvre(false);
        QStringList vus;
        for (QAction* m : f.menuBar()->actions()) {
            vus << m->text();
            for (QAction* a : m->menu()->actions())
                if (m->objectName() != "IDM_FENETRE")
                    vus << (a->isSeparator() ? "  --- " : "  ") + a->objectName() + u' ' + a->text()
                               + (a->isEnabled() ? "" : " (éteint)") + (a->isVisible() ? "" : " (caché)");
        }
        QCOMPARE(vus, (QStringList{"&Fichier",
                                   "  IDM_ASSISTANT_PERSO &Assistant création personnage",
                                   "  IDM_GESTION_PERSO &Gestion des personnages",
                                   "  IDM_ACCEDER &Accéder aux fiches des personnages",
                                   "  IDM_GEST_OBJETS &Gestion des objets",
                                   "  --- IDM_SEP_3 ",
                                   "  IMD_IMPORT &Importation de personnage",
                                   "  --- IDM_SEP_1 ",
                                   "  IDM_OUVRIR &Ouvrir une base de donnée de personnages",
                                   "  --- IDM_SEP2 ",
                                   "  IDM_QUITTER &Quitter",
                                   "&Outils",
                                   "  IDM_XP_PERSONNAGES &Expériences des personnages",
                                   "  IDM_GENERATEUR_VILLE &Générateur de ville",
                                   "  IDM_LANCEUR_DES &Lanceur de dés",
                                   "&Règles",
                                   "  IDM_DESCRIPTION_SORT Description des &sorts",
                                   "  IDM_DESCRIPTION_RACE Description des &races",
                                   "  IDM_DESCRIPTION_DON &Description des &dons",
                                   "&Personnel",
                                   "  IDM_INSERTION_DONS &Insertion de dons",
                                   "  IDM_INSERTION_RACES &Insertion de races (éteint)",
                                   "  IDM_INSERTION_CLASSES &Insertion de classes (éteint)",
                                   "&Options",
                                   "Fe&nêtre",
                                   "&Aide",
                                   "  IDM_ASTUCE &Astuce du jour",
                                   "  IDM_LIENSITE &Lien vers le site",
                                   "  IDM_MISES_JOUR &Vérifier les mises à jour",
                                   "  IDM_APROPOS &A propos de Quorvane"}));
    }

    // Premier démarrage : titre, position d'origine, choix d'un personnage ; la position est retenue à la
    // fermeture (Quitter), et reprise au démarrage suivant.
    void premierDemarrageEtPosition()
    {
        Principale p;
        frmMain& f = p.ouvre();
        QCOMPARE(f.windowTitle(), "Quorvane Gestion de personnages pour Donjons et Dragons 3.5 [" + p.perso() + u']');
        QCOMPARE(f.pos(), QPoint(0, 0));
        QVERIFY(f.TrouveChild("frmAcceder"));
        QVERIFY(!QFile::exists(p.ini()));
        enregistreCapture(&f, "frmMain");

        f.move(64, 48);
        f.findChild<QAction*>("IDM_QUITTER")->trigger();
        QVERIFY(!f.isVisible());
        QCOMPARE(LitIni(p.ini(), "frmMain", "POS_X"), QString::number(f.x()));
        QCOMPARE(LitIni(p.ini(), "frmMain", "POS_Y"), QString::number(f.y()));
        QVERIFY(f.x() != 0 || f.y() != 0);
        // Les bases sont fermées à l'arrêt.
        QVERIFY(!p.etat->perso);
        QVERIFY(!p.etat->programme);

        Principale q;
        EcritIni(q.ini(), "frmMain", "POS_X", "120");
        EcritIni(q.ini(), "FRMMAIN", "pos_y", "80");
        QCOMPARE(q.ouvre().pos(), QPoint(120, 80));
    }

    // Une autre base (dans un dossier à espaces) ouverte par le menu, au démarrage, par dépôt (le
    // premier fichier) ou par une seconde instance : la liste, le titre, la base courante et la base
    // retenue la suivent.
    void ouvertureDUneBase_data()
    {
        QTest::addColumn<QString>("voie");
        for (const char* voie : {"menu", "argument", "dépôt", "instance"})
            QTest::newRow(voie) << QString::fromUtf8(voie);
    }
    void ouvertureDUneBase()
    {
        QFETCH(QString, voie);
        Principale p;
        ajoutePersonnage(p.d.creeBasePerso(p.perso()), "Alaric", "Humain", {3}, {"Guerrier"});
        QDir().mkpath(p.d.chemin("dossier avec espaces"));
        const QString autre = p.d.creeBasePerso("dossier avec espaces/autre.db");
        ajoutePersonnage(autre, "Bérénice", "Elfe", {2}, {"Magicien"});
        ajoutePersonnage(autre, "Corwin", "Nain", {1}, {"Prêtre"});
        frmMain& f = p.ouvre(voie != "argument");
        QPointer<QWidget> ancien = p.liste();
        if (voie == "menu") {
            f.OuvreBase(autre);
        } else if (voie == "argument") {
            f.Charge(autre);
        } else if (voie == "dépôt") {
            depose(&f, {QUrl::fromLocalFile(autre), QUrl::fromLocalFile(p.d.creeBasePerso("second.db"))});
        } else {
            const QString nom = "quorvane-essai-" + QUuid::createUuid().toString(QUuid::Id128);
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
        }
        QVERIFY(ancien.isNull()); // l'ancienne liste a été fermée, pas seulement cachée
        QCOMPARE(noms(p.liste()->vsnom), (QStringList{"Bérénice", "Corwin"}));
        QCOMPARE(f.windowTitle(), TitreFenetrePrincipale(autre));
        QCOMPARE(p.etat->perso->chemin(), autre);
        QCOMPARE(p.bdd(), autre);
        QCOMPARE(f.zoneClient()->subWindowList().size(), 1);
    }

    // La base du programme (quelle que soit la casse) est refusée, un fichier illisible déposé est
    // signalé (et journalisé), un chemin vide ne fait rien : tout reste en place.
    void ouvertureRefusee_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("icone");   // 0 : aucune boîte
        QTest::addColumn<QString>("texte");   // pour l'erreur : son début
        const QString programme = "On ne peut pas ouvrir la base du programme";
        QTest::newRow("exact") << "tessarys.db" << int(QMessageBox::Warning) << programme;
        QTest::newRow("majuscules") << "TESSARYS.DB" << int(QMessageBox::Warning) << programme;
        QTest::newRow("casse mêlée") << "Tessarys.dB" << int(QMessageBox::Warning) << programme;
        QTest::newRow("vide") << "" << 0 << QString();
        QTest::newRow("dépôt illisible") << "notes.txt" << int(QMessageBox::Critical)
                                         << "L'erreur suivante s'est produite : ";
    }
    void ouvertureRefusee()
    {
        QFETCH(QString, nom);
        QFETCH(int, icone);
        QFETCH(QString, texte);
        Principale p;
        const bool depot = icone == QMessageBox::Critical;
        const QString chemin = nom.isEmpty() ? QString() : QDir(p.d.programme).filePath(nom);
        if (depot)
            ecritFichier(chemin, QByteArray(2048, 'n'));
        frmMain& f = p.ouvre();
        const QString titre = f.windowTitle();
        QMdiSubWindow* liste = f.sousFenetre("frmAcceder");
        CaptureBoites boites;
        if (depot)
            depose(&f, {QUrl::fromLocalFile(chemin)});
        else
            f.OuvreBase(chemin);
        QCOMPARE(boites.boites.size(), icone ? 1 : 0);
        if (icone) {
            const CaptureBoites::Boite& b = boites.boites.first();
            QCOMPARE(int(b.icone), icone);
            QCOMPARE(b.titre, QLatin1String(kTitreApplication));
            QVERIFY2(depot ? b.texte.startsWith(texte) : b.texte == texte, qPrintable(b.texte));
        }
        QCOMPARE(f.windowTitle(), titre);
        QCOMPARE(f.sousFenetre("frmAcceder"), liste);
        QCOMPARE(p.etat->perso->chemin(), p.perso());
        QVERIFY(!QFile::exists(p.ini()));
        // L'erreur seule laisse une ligne au journal, qui nomme la procédure et le module.
        QFile journal(QDir(p.d.programme).filePath("errvb.log"));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(journal.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), depot ? 1 : 0);
        if (depot)
            QVERIFY(lignes.first().endsWith(" Procedure : MDIForm_OLEDragDrop  Module : frmMain.cpp"));
    }

    void dialogueOuvrir()
    {
        Principale p;
        frmMain& f = p.ouvre();
        const QString titre = f.windowTitle();
        VuDialogue vu;
        regardeDialogue(vu);
        f.findChild<QAction*>("IDM_OUVRIR")->trigger();
        QCOMPARE(vu.titre, "Ouvrir une base donnée");
        QCOMPARE(vu.filtres, QStringList{"Base Quorvane (*.db)"});
        QCOMPARE(vu.dossier, QDir(p.d.programme).absolutePath());
        // Annuler ne change rien.
        QCOMPARE(f.windowTitle(), titre);
        QVERIFY(!QFile::exists(p.ini()));
    }

    void adressesDuSite()
    {
        Principale p;
        EcritIni(p.ini(), "SITE", "ADRESSE", "https://exemple.test/quorvane/");
        frmMain& f = p.ouvre(false);
        CaptureAdresses adresses;
        f.findChild<QAction*>("IDM_LIENSITE")->trigger();
        f.findChild<QAction*>("IDM_MISES_JOUR")->trigger();
        QCOMPARE(adresses.adresses,
                 (QList<QUrl>{QUrl("https://exemple.test/quorvane/"),
                              QUrl("https://exemple.test/quorvane/programme/test.php?version=397")}));
    }

    // Choix d'un personnage : une ligne par personnage non écarté, triée sans égard à la casse ni aux
    // accents ; le niveau est la somme des cases, la classe celle de la première case du plus haut niveau.
    void accederListe()
    {
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso("perso.db"));
        const QVariant nul;
        ajoutePersonnage(*base, "fred", "Elfe", {nul, 2}, {"", "Ensorceleur"});
        ajoutePersonnage(*base, "Élise", "Nain", {1, 2, 6, 6}, {"Moine", "Druide", "Rôdeur", "Barde"});
        ajoutePersonnage(*base, "D'Artagnan", "Humain", {3, nul, 2}, {"Roublard", "", "Barde"});
        ajoutePersonnage(*base, "Eda", "Humain", {5, 5}, {"Guerrier", "Magicien"});
        ajoutePersonnage(*base, "zoé", "Humain", {1, 1, 1, 1, 1, 1, 1, 2}, {"A", "B", "C", "D", "E", "F", "G", "H"});
        ajoutePersonnage(*base, "Alain", "Halfelin", {4}, {"Guerrier"});
        ajoutePersonnage(*base, "Cédric", "Humain");
        ajoutePersonnage(*base, "Bertrand", "Humain", {4}, {"Guerrier"}, true);
        frmAcceder f(*base);
        QCOMPARE(f.windowTitle(), "Accéder à un personnage");
        QStringList lignes;
        for (int c = 0; c < f.vsnom->columnCount(); ++c)
            lignes << f.vsnom->horizontalHeaderItem(c)->text();
        lignes = QStringList{lignes.join(" | ")};
        for (int i = 0; i < f.vsnom->rowCount(); ++i)
            lignes << ligne(f.vsnom, i).join(" | ");
        QCOMPARE(lignes, (QStringList{"Nom | Race | Niv | Classe", "Alain | Halfelin | 4 | Guerrier",
                                      "Cédric | Humain | 0 | ", "D'Artagnan | Humain | 5 | Roublard",
                                      "Eda | Humain | 10 | Guerrier", "Élise | Nain | 15 | Rôdeur",
                                      "fred | Elfe | 2 | Ensorceleur", "zoé | Humain | 9 | H"}));
    }

    // Un clic sur une ligne demande sa fiche ; sur une base vide, sur l'entête, sous la dernière ligne
    // ou sans ligne choisie, rien.
    void accederClic()
    {
        DossiersShell s;
        auto vide = BaseDonnees::ouvre(s.creeBasePerso("vide.db"));
        auto base = BaseDonnees::ouvre(s.creeBasePerso("perso.db"));
        ajoutePersonnage(*base, "Alaric", "Humain", {3}, {"Guerrier"});
        ajoutePersonnage(*base, "Bérénice", "Elfe", {2}, {"Magicien"});
        for (BaseDonnees* b : {vide.get(), base.get()}) {
            frmAcceder f(*b);
            f.resize(440, 288);
            f.show();
            QSignalSpy choix(&f, &frmAcceder::personnageChoisi);
            QTest::mouseClick(f.vsnom->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
            f.AccedePerso();
            if (b == base.get())
                QTest::mouseClick(f.vsnom->viewport(), Qt::LeftButton, {},
                                  f.vsnom->visualRect(f.vsnom->model()->index(1, 2)).center());
            // Le clic sous la dernière ligne vient après le choix : il ne le redemande pas.
            QTest::mouseClick(f.vsnom->viewport(), Qt::LeftButton, {}, QPoint(10, f.vsnom->viewport()->height() - 5));
            QCOMPARE(choix.count(), b == base.get() ? 1 : 0);
            if (b == base.get())
                QCOMPARE(choix.first().first().toString(), "Bérénice");
        }
    }

    void accederGeometrie()
    {
        Principale p;
        ajoutePersonnage(p.d.creeBasePerso(p.perso()), "Alaric", "Humain", {3, 2}, {"Guerrier", "Roublard"});
        frmMain& principale = p.ouvre(false);
        principale.resize(1100, 760);
        principale.Charge();
        principale.show();
        QMdiSubWindow* sous = principale.sousFenetre("frmAcceder");
        QVERIFY(sous);
        // 6600 × 4320 unités (15 par pixel), à (largeur − 7000, hauteur − 5600) de la fenêtre principale.
        QCOMPARE(sous->geometry(), QRect(1100 - 467, 760 - 373, 440, 288));
        auto* f = p.liste();
        QCOMPARE(f->vsnom->geometry(), f->rect());
        sous->resize(700, 500);
        QCOMPARE(f->vsnom->geometry(), f->rect());
        QVERIFY(f->vsnom->width() > 424);
        enregistreCapture(&principale, "frmAcceder");
        // Dans une petite fenêtre principale, la liste reste dans la zone visible.
        Principale petite;
        petite.ouvre(false).resize(300, 200);
        petite.f->Charge();
        QVERIFY(petite.f->sousFenetre("frmAcceder")->x() >= 0);
        QVERIFY(petite.f->sousFenetre("frmAcceder")->y() >= 0);
    }

    void astuceTourne_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("fin de ligne Unix") << QByteArray("Première astuce\nDeuxième astuce\nTroisième astuce\n");
        QTest::newRow("fin de ligne Windows") << QByteArray("Première astuce\r\nDeuxième astuce\r\nTroisième astuce\r\n");
        QTest::newRow("sans fin de ligne finale") << QByteArray("Première astuce\nDeuxième astuce\nTroisième astuce");
        QTest::newRow("fichier vide") << QByteArray();
    }
    void astuceTourne()
    {
        QFETCH(QByteArray, contenu);
        DossierTest d;
        ecritFichier(d.chemin("ASTUCE.TXT"), contenu);
        frmAstuce f(d.dossier().path());
        const QStringList attendues = contenu.isEmpty() ? QStringList{"", ""}
                                                        : QStringList{"Première astuce", "Deuxième astuce",
                                                                      "Troisième astuce", "Première astuce"};
        for (qsizetype i = 0; i < attendues.size(); ++i) {
            if (i > 0)
                QTest::mouseClick(f.cmdNextTip, Qt::LeftButton);
            QCOMPARE(f.lblTipText->text(), attendues[i]);
        }
    }

    void astuceAbsenteEtLibelles()
    {
        DossierTest d;
        frmAstuce f(d.dossier().path());
        QCOMPARE(f.lblTipText->text(),
                 "Le fichier ASTUCE.TXT n'a pas été trouvé? \n\nCréez un fichier texte nommé ASTUCE.TXT en utilisant le "
                 "Bloc-notes avec une astuce par ligne. Puis placez le dans le même dossier que l'application.");
        QVERIFY(!f.LoadTips(d.chemin("ASTUCE.TXT")));
        QCOMPARE(f.windowTitle(), "Astuce du jour");
        QCOMPARE(f.chkLoadTipsAtStartup->text(), "&Afficher les astuces au démarrage");
        QCOMPARE(f.cmdNextTip->text(), "Astuce &suivante");
        const QList<QLabel*> etiquettes = f.findChildren<QLabel*>();
        QVERIFY(std::any_of(etiquettes.begin(), etiquettes.end(), [](QLabel* l) { return l->text() == "Savez-vous..."; }));
    }

    void astuceAuDemarrage_data()
    {
        QTest::addColumn<int>("stocke"); // -1 : rien d'enregistré
        QTest::addColumn<bool>("coche");
        QTest::newRow("rien d'enregistré : montrer") << -1 << true;
        QTest::newRow("1 : montrer") << 1 << true;
        QTest::newRow("0 : ne pas montrer") << 0 << false;
    }
    void astuceAuDemarrage()
    {
        QFETCH(int, stocke);
        QFETCH(bool, coche);
        DossiersShell s; // désigne un dossier de configuration neuf
        if (stocke >= 0)
            EcritAfficheAstuces(stocke == 1);
        QCOMPARE(AfficheAstucesAuDemarrage(), coche);
        frmAstuce f(s.programme);
        QCOMPARE(f.chkLoadTipsAtStartup->isChecked(), coche);
        // Le clic enregistre aussitôt le contraire.
        f.show();
        QTest::mouseClick(f.chkLoadTipsAtStartup, Qt::LeftButton, {}, QPoint(5, f.chkLoadTipsAtStartup->height() / 2));
        QCOMPARE(AfficheAstucesAuDemarrage(), !coche);
        QSettings magasin(QDir(s.config).filePath("quorvane.conf"), QSettings::IniFormat);
        QCOMPARE(magasin.value("Options/Show Tips at Startup").toInt(), coche ? 0 : 1);
    }

    // L'astuce s'ouvre au milieu de la fenêtre principale, sans couvrir le choix des personnages ;
    // rappelée par le menu, une fenêtre ouverte revient devant au lieu d'être ouverte deux fois.
    void astuceDansLaFenetrePrincipale()
    {
        Principale p;
        ecritFichier(QDir(p.d.programme).filePath("ASTUCE.TXT"), "Une seule astuce\n");
        frmMain& f = p.ouvre(false);
        QVERIFY(!f.TrouveChild("frmAcceder"));
        f.Charge();
        f.show();
        QVERIFY(f.TrouveChild("FRMACCEDER"));
        QVERIFY(!f.TrouveChild("frmAstuce"));
        f.findChild<QAction*>("IDM_ASTUCE")->trigger();
        QVERIFY(f.TrouveChild("frmastuce"));
        QMdiSubWindow* sous = f.sousFenetre("frmAstuce");
        auto* astuce = static_cast<frmAstuce*>(sous->widget());
        QCOMPARE(astuce->lblTipText->text(), "Une seule astuce");
        const QRect zone = f.zoneClient()->viewport()->rect();
        QVERIFY(qAbs(sous->geometry().center().x() - zone.center().x()) <= 1);
        QVERIFY(zone.contains(sous->geometry()));
        QVERIFY(!sous->geometry().intersects(f.sousFenetre("frmAcceder")->geometry()));
        enregistreCapture(&f, "frmAstuce");
        f.findChild<QAction*>("IDM_ACCEDER")->trigger();
        f.findChild<QAction*>("IDM_ASTUCE")->trigger();
        QCOMPARE(f.zoneClient()->subWindowList().size(), 2);
        QCOMPARE(f.zoneClient()->activeSubWindow(), sous);
        QTest::mouseClick(astuce->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(!f.TrouveChild("frmAstuce"));
    }

    // Menu « Fenêtre » : les fenêtres ouvertes, dans l'ordre d'ouverture, la fenêtre choisie passe
    // devant ; Ctrl+Tab fait le tour ; le choix des personnages ramené devant la fiche agrandie reste
    // une petite fenêtre qui ne la cache pas.
    void menuFenetre()
    {
        Principale p;
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath("exemples.db"), p.perso()));
        QFile::setPermissions(p.perso(), QFile::permissions(p.perso()) | QFileDevice::WriteOwner);
        frmMain& f = p.ouvre();
        f.afficheFichePerso("Gorza");
        QMdiSubWindow* fiche = f.sousFenetre("frmFichePerso");
        QVERIFY(fiche->isMaximized());
        f.findChild<QAction*>("IDM_ACCEDER")->trigger();
        QMdiSubWindow* choix = f.sousFenetre("frmAcceder");
        QCOMPARE(f.zoneClient()->activeSubWindow(), choix);
        QVERIFY(!choix->isMaximized());
        QVERIFY(choix->width() < f.zoneClient()->viewport()->width());
        QVERIFY(fiche->isMaximized() && fiche->isVisible());
        f.afficheGestPerso();

        auto* menu = f.findChild<QMenu*>("IDM_FENETRE");
        QVERIFY(menu);
        Q_EMIT menu->aboutToShow();
        QStringList titres;
        for (QAction* a : menu->actions())
            if (a->isCheckable())
                titres << a->text();
        QCOMPARE(titres, (QStringList{"&1 Accéder à un personnage", "&2 Fiche du personnage Gorza",
                                      "&3 Gestion personnages"}));
        menu->findChild<QAction*>("IDM_FENETRE_frmFichePerso")->trigger();
        QCOMPARE(f.zoneClient()->activeSubWindow(), fiche);

        reactive(&f);
        QSet<QMdiSubWindow*> vues;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(&f, Qt::Key_Tab, Qt::ControlModifier);
            vues << f.zoneClient()->activeSubWindow();
        }
        QCOMPARE(vues.size(), 3);
        // Le titre de la fenêtre principale nomme une seule fois la fiche agrandie.
        QCOMPARE(f.windowTitle().count(" - ["), 1);
    }

    // Capture : chemin relatif au dossier courant, fiche ou éditeur sur un personnage et un onglet,
    // et les réglages (base retenue, positions) tels qu'avant, même quand une base est donnée.
    void captureSansToucherAuxReglages_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("éditeur") << QStringList{"--fenetre", "frmGestPerso", "--personnage", "Gorza", "--onglet", "2"};
        QTest::newRow("fiche") << QStringList{"--fenetre", "frmFichePerso", "--personnage", "Gorza", "--onglet", "5"};
        QTest::newRow("dialogue") << QStringList{"--fenetre", "frmImpression", "--personnage", "Gorza"};
    }

    void captureSansToucherAuxReglages()
    {
        QFETCH(QStringList, options);
        DossierTest d;
        const QString base = d.chemin("equipe.db");
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath("exemples.db"), base));
        QFile::setPermissions(base, QFile::permissions(base) | QFileDevice::WriteOwner);
        const QString config = d.chemin("config");
        QDir().mkpath(config);
        const QString ini = QDir(config).filePath("TESSARY.INI");
        const QByteArray reglages = "[FICHIER]\nBDD=" + base.toUtf8() + "\n\n[frmGestPerso]\nPOS_X=3000\nPOS_Y=2000\n";
        ecritFichier(ini, reglages);
        QDir().mkpath(d.chemin("images"));

        QProcess programme;
        programme.setWorkingDirectory(d.chemin("images"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QUORVANE_CONFIG", config);
        env.insert("QUORVANE_DONNEES", d.chemin("donnees"));
        programme.setProcessEnvironment(env);
        // La base donnée en argument est ouverte pour la capture sans devenir la base retenue.
        const QString autre = d.chemin("autre.db");
        QVERIFY(QFile::copy(base, autre));
        programme.start(QDir(dossierProgramme()).filePath("quorvane"),
                        QStringList{"--capture", "sous/image.png"} + options + QStringList{autre});
        QVERIFY(programme.waitForFinished(120000));
        QVERIFY2(programme.exitCode() == 0, programme.readAllStandardError().constData());
        QVERIFY(QImage(d.chemin("images/sous/image.png")).width() >= 400);
        QFile lu(ini);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.readAll(), reglages);
    }

    void aPropos()
    {
        frmApropos boite("https://exemple.test/quorvane");
        QCOMPARE(boite.windowTitle(), "A propos de Quorvane");
        QCOMPARE(boite.txtVersion->toPlainText().split(u'\n'),
                 (QStringList{"Version du logiciel :        \t1", "Paramètres tessarys.mdb : \t0",
                              "Nombre de compilations :     \t397"}));
        QVERIFY(boite.txtVersion->isReadOnly());
        boite.show();
        {
            CaptureAdresses adresses;
            QTest::mouseClick(boite.lblSite, Qt::LeftButton);
            QCOMPARE(adresses.adresses, QList<QUrl>{QUrl("https://exemple.test/quorvane")});
        }
        enregistreCapture(&boite, "frmApropos");
        QTest::mouseClick(boite.cmdOK, Qt::LeftButton);
        QCOMPARE(boite.result(), int(QDialog::Accepted));
        QVERIFY(!boite.isVisible());
    }

    // Outils des fenêtres : effacement, sélection à l'entrée, ligne de grille, dialogue, boutons.
    void videChamps()
    {
        QWidget fenetre;
        auto champ = [&](const char* nom, const char* texte) {
            auto* c = ajoute<QLineEdit>(&fenetre, nom);
            c->setText(QString::fromUtf8(texte));
            return c;
        };
        auto* numerique = champ("fldnAge", "12");
        numerique->setProperty("Tag", "numeric");
        auto* texte = champ("fldstrNom", "Bob");
        auto* majuscules = champ("FLDSTRTITRE", "Sire");
        auto* autreChamp = champ("saisieLibre", "garde");
        auto* liste = ajoute<QComboBox>(&fenetre, "CmbRace");
        liste->addItems({"Elfe", "Nain"});
        liste->setCurrentIndex(1);
        auto* editable = ajoute<QComboBox>(&fenetre, "cmbDieu");
        editable->setEditable(true);
        editable->addItem("Pélor");
        editable->setEditText("Saisi");
        auto* coche = ajoute<QCheckBox>(&fenetre, "ChkDonsAPrendre");
        coche->setChecked(true);
        auto* autreCoche = ajoute<QCheckBox>(&fenetre, "optionLibre");
        autreCoche->setChecked(true);
        auto* etiquette = new QLabel("Nom", &fenetre);
        etiquette->setObjectName("LabNom");
        auto* bouton = new QPushButton("Enregistrer", &fenetre);
        bouton->setObjectName("btnEnregistrer");

        VideChamps(&fenetre);
        QCOMPARE(numerique->text(), "0");
        QCOMPARE(texte->text() + majuscules->text() + editable->currentText(), QString());
        QCOMPARE(liste->currentIndex(), -1);
        QVERIFY(!coche->isChecked());
        QCOMPARE(etiquette->text() + bouton->text() + autreChamp->text(), "NomEnregistrergarde");
        QVERIFY(autreCoche->isChecked());
    }

    void selectionALEntree_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("selectionne");
        QTest::newRow("champ FLD") << "fldstrNom" << true;
        QTest::newRow("autre champ") << "saisieLibre" << false;
    }
    void selectionALEntree()
    {
        QFETCH(QString, nom);
        QFETCH(bool, selectionne);
        // La fenêtre principale pose la sélection pour toutes les fenêtres, même créées après elle.
        Principale p;
        p.ouvre(false);
        QWidget fenetre;
        auto* premier = ajoute<QLineEdit>(&fenetre, "fldPremier");
        auto* champ = new QLineEdit("Bérénice", &fenetre);
        champ->setObjectName(nom);
        champ->move(0, 40);
        fenetre.resize(300, 100);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        premier->setFocus();
        // L'entrée à la souris place normalement le curseur sans rien sélectionner.
        QTest::mouseClick(champ, Qt::LeftButton, {}, QPoint(5, champ->height() / 2));
        QTRY_VERIFY(champ->hasFocus());
        QTest::qWait(20);
        QCOMPARE(champ->selectedText(), selectionne ? champ->text() : QString());
    }

    void trouveLigne_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("attendue");   // -1 : pas trouvée
        QTest::newRow("trouvée") << "Corwin" << 1 << 2;
        QTest::newRow("la première de deux") << "Alaric" << 1 << 0;
        QTest::newRow("égalité exacte seulement") << "corwin" << 1 << -1;
        QTest::newRow("autre colonne") << "3" << 0 << 3;
        QTest::newRow("absente") << "Zora" << 1 << -1;
        QTest::newRow("colonne hors grille") << "Corwin" << 5 << -1;
        QTest::newRow("loin en bas : rendue visible") << "Figurant 38" << 1 << 42;
    }
    void trouveLigne()
    {
        QFETCH(QString, valeur);
        QFETCH(int, colonne);
        QFETCH(int, attendue);
        QWidget fenetre;
        QStringList noms{"Alaric", "Bérénice", "Corwin", "Alaric"};
        for (int i = 0; i < 40; ++i)
            noms << QStringLiteral("Figurant %1").arg(i);
        noms << "Dernier";
        auto* g = new QTableWidget(int(noms.size()), 2, &fenetre);
        for (int i = 0; i < noms.size(); ++i) {
            g->setItem(i, 0, new QTableWidgetItem(QString::number(i)));
            g->setItem(i, 1, new QTableWidgetItem(noms[i]));
        }
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->resize(300, 150);
        fenetre.show();
        g->selectRow(1);
        QCOMPARE(TrouveLigne(g, valeur, colonne), attendue >= 0);
        QCOMPARE(g->currentRow(), attendue >= 0 ? attendue : 1);
        QCOMPARE(g->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(g->selectionModel()->selectedRows().first().row(), attendue >= 0 ? attendue : 1);
        QVERIFY(g->viewport()->rect().intersects(g->visualRect(g->model()->index(g->currentRow(), 1))));
    }

    void dialogueOuvrirFiltres_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("filtresQt");
        QTest::addColumn<bool>("choisit");
        QTest::newRow("annulé") << "Base Quorvane (*.db)|*.db" << QStringList{"Base Quorvane (*.db)"} << false;
        QTest::newRow("choisi") << "Base Quorvane (*.db)|*.db" << QStringList{"Base Quorvane (*.db)"} << true;
        QTest::newRow("libellé sans motif, deux filtres")
            << "Texte|*.txt|Tous les fichiers|*.*" << QStringList{"Texte (*.txt)", "Tous les fichiers (*.*)"} << false;
    }
    void dialogueOuvrirFiltres()
    {
        QFETCH(QString, filtre);
        QFETCH(bool, choisit);
        DossierTest d;
        const QString fichier = d.chemin("perso.db");
        ecritFichier(fichier);
        VuDialogue vu;
        regardeDialogue(vu, choisit ? QFileInfo(fichier).fileName() : QString());
        const QString resultat = DialogueOuvrir(nullptr, "Choisir", filtre, d.dossier().path());
        QCOMPARE(vu.titre, "Choisir");
        QTEST(vu.filtres, "filtresQt");
        QCOMPARE(resultat, choisit ? fichier : QString());
    }

    void disposeBoutons_data()
    {
        QTest::addColumn<QList<int>>("caches");
        QTest::newRow("tous visibles") << QList<int>{};
        QTest::newRow("milieu caché") << QList<int>{1};
        QTest::newRow("premier caché") << QList<int>{0};
        QTest::newRow("deux cachés") << QList<int>{1, 3};
    }
    void disposeBoutons()
    {
        QFETCH(QList<int>, caches);
        QWidget fenetre;
        QList<QWidget*> boutons;
        const QList<int> largeurs{80, 100, 60, 90, 70};
        for (int i = 0; i < largeurs.size(); ++i) {
            auto* b = new QPushButton(QStringLiteral("B%1").arg(i), &fenetre);
            b->setGeometry(30 + 150 * i, 200 + i, largeurs[i], 25);   // positions de départ dispersées
            b->setHidden(caches.contains(i));
            boutons << b;
        }
        DisposeBoutons(boutons);
        int x = 30;
        for (QWidget* b : boutons) {
            if (b->isHidden())
                continue;
            QCOMPARE(b->pos(), QPoint(x, 200));
            x += b->width();
        }
    }

};

QTEST_MAIN(TestFenetrePrincipale)
#include "test_fenetre_principale.moc"

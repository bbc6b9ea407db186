#include "frmMain.h"
#include "Hasard.h"
#include "Application.h"
#include "Demarrage.h"
#include "EtatShell.h"
#include "FichierIni.h"
#include "UtilitairesFenetres.h"
#include "frmAcceder.h"
#include "frmApropos.h"
#include "frmAstuce.h"
#include "catalogue/frmGestobj.h"
#include "editor/frmGestPerso.h"
#include "experience/frmExperience.h"
#include "import/RefusImport.h"
#include "import/frmImport.h"
#include "reference/frmDescriptifDon.h"
#include "reference/frmDescriptifSort.h"
#include "reference/frmDescriptionRaces.h"
#include "reference/frmInsertionDons.h"
#include "sheet/frmFichePerso.h"
#include "tools/frmGenerateurVille.h"
#include "tools/frmLanceurDes.h"
#include "db/Collation.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {

constexpr const char* kModule = "frmMain.cpp";

// Zone cliente dont l'image de fond couvre toute la surface, quelle que soit sa taille.
class ZoneClient : public QMdiArea
{
public:
    using QMdiArea::QMdiArea;

    void metImage(const QPixmap& image)
    {
        m_image = image;
        ajusteFond();
    }

    // L'image est lue et mise à l'échelle après la première peinture : la fenêtre paraît sans
    // attendre le décodage d'une grande image.
    void metImageApresPeinture(const QString& chemin) { m_cheminImage = chemin; }

protected:
    bool viewportEvent(QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && !m_cheminImage.isEmpty())
            QTimer::singleShot(0, this, [this, chemin = std::exchange(m_cheminImage, QString())] { metImage(QPixmap(chemin)); });
        return QMdiArea::viewportEvent(evenement);
    }

    void resizeEvent(QResizeEvent* evenement) override
    {
        QMdiArea::resizeEvent(evenement);
        ajusteFond();
    }

private:
    void ajusteFond()
    {
        if (m_image.isNull() || viewport()->size().isEmpty())
            return;
        // Couvre la zone en gardant les proportions, puis recadre au centre.
        const QSize taille = viewport()->size();
        const QPixmap couvre = m_image.scaled(taille, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        setBackground(QBrush(couvre.copy((couvre.width() - taille.width()) / 2, (couvre.height() - taille.height()) / 2,
                                         taille.width(), taille.height())));
    }

    QPixmap m_image;
    QString m_cheminImage;
};

} // namespace

frmMain::frmMain(EtatShell& etat, QWidget* parent)
    : QMainWindow(parent), m_etat(etat)
{
    setObjectName(QStringLiteral("frmMain"));
    ActiveSelectionSurFocus();
    m_zone = new ZoneClient(this);
    m_zone->setObjectName(QStringLiteral("zoneClient"));
    m_zone->setBackground(QColor(0x1c, 0x2a, 0x44));
    // La fiche agrandie n'agrandit pas la fenêtre qu'on active ensuite : le choix des personnages
    // reste une petite fenêtre au-dessus d'elle, jamais un plein écran qui la cache.
    m_zone->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(m_zone);
    setAcceptDrops(true);
    statusBar();
    creeMenus();
    resize(1024, 720);
    metTitre();

    // Les erreurs interceptées s'affichent au-dessus de cette fenêtre.
    m_etat.erreurs.afficheAvec([this](const QString& message) {
        QMessageBox::critical(this, QLatin1String(kTitreApplication), message);
    });
}

QAction* frmMain::ajouteAction(QMenu* menu, const char* nom, const QString& libelle)
{
    QAction* action = menu->addAction(libelle);
    action->setObjectName(QLatin1String(nom));
    // Fenêtres pas encore écrites : l'article se voit mais ne s'active pas.
    action->setEnabled(false);
    return action;
}

QAction* frmMain::ajouteSeparateur(QMenu* menu, const char* nom)
{
    QAction* separateur = menu->addSeparator();
    separateur->setObjectName(QLatin1String(nom));
    return separateur;
}

frmMain::~frmMain()
{
    m_etat.erreurs.afficheAvec(nullptr);
}

void frmMain::creeMenus()
{
    auto menu = [this](const char* nom, const QString& libelle) {
        QMenu* m = menuBar()->addMenu(libelle);
        m->setObjectName(QLatin1String(nom));
        m->menuAction()->setObjectName(QLatin1String(nom));
        return m;
    };
    // Chaque article actif passe par le gestionnaire d'erreurs commun.
    auto branche = [this](QAction* action, const char* procedure, auto&& faire) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, procedure, faire] { m_etat.erreurs.protege(procedure, kModule, faire); });
    };

    QMenu* fichier = menu("IDM_FICHIER", QStringLiteral("&Fichier"));
    branche(ajouteAction(fichier, "IDM_ASSISTANT_PERSO", QStringLiteral("&Assistant création personnage")),
            "IDM_ASSISTANT_PERSO_Click", [this] {
                afficheGestPerso();
                auto* editeur = static_cast<frmGestPerso*>(sousFenetre(QStringLiteral("frmGestPerso"))->widget());
                // Une saisie en cours dans l'éditeur n'est pas jetée pour ouvrir l'assistant.
                if (editeur->enModification())
                    statusBar()->showMessage(QStringLiteral("Enregistrez ou annulez d'abord la saisie en cours"), 8000);
                else
                    editeur->AjouteAssistant();
            });
    branche(ajouteAction(fichier, "IDM_GESTION_PERSO", QStringLiteral("&Gestion des personnages")),
            "IDM_GESTION_PERSO_Click", [this] { afficheGestPerso(); });
    branche(ajouteAction(fichier, "IDM_ACCEDER", QStringLiteral("&Accéder aux fiches des personnages")),
            "IDM_ACCEDER_Click", [this] { afficheAcceder(); });
    branche(ajouteAction(fichier, "IDM_GEST_OBJETS", QStringLiteral("&Gestion des objets")), "IDM_GEST_OBJETS_Click",
            [this] { afficheGestObjets(); });
    ajouteSeparateur(fichier, "IDM_SEP_3");
    branche(ajouteAction(fichier, "IMD_IMPORT", QStringLiteral("&Importation de personnage")), "IMD_IMPORT_Click",
            [this] { afficheImport(); });
    ajouteSeparateur(fichier, "IDM_SEP_1");
    branche(ajouteAction(fichier, "IDM_OUVRIR", QStringLiteral("&Ouvrir une base de donnée de personnages")),
            "IDM_OUVRIR_Click", [this] {
                OuvreBase(DialogueOuvrir(this, QStringLiteral("Ouvrir une base donnée"),
                                         QStringLiteral("Base Quorvane (*.db)|*.db"), m_etat.dossierPersonnel));
            });
    ajouteSeparateur(fichier, "IDM_SEP2");
    branche(ajouteAction(fichier, "IDM_QUITTER", QStringLiteral("&Quitter")), "IDM_QUITTER_Click",
            [this] { close(); });

    QMenu* outils = menu("IDM_OUTILS", QStringLiteral("&Outils"));
    branche(ajouteAction(outils, "IDM_XP_PERSONNAGES", QStringLiteral("&Expériences des personnages")),
            "IDM_XP_PERSONNAGES_Click", [this] { afficheExperience(); });
    branche(ajouteAction(outils, "IDM_GENERATEUR_VILLE", QStringLiteral("&Générateur de ville")),
            "IDM_GENERATEUR_VILLE_Click", [this] { afficheGenerateurVille(); });
    branche(ajouteAction(outils, "IDM_LANCEUR_DES", QStringLiteral("&Lanceur de dés")), "IDM_LANCEUR_DES_Click",
            [this] { afficheLanceurDes(); });

    QMenu* regles = menu("IDM_REGLES", QStringLiteral("&Règles"));
    branche(ajouteAction(regles, "IDM_DESCRIPTION_SORT", QStringLiteral("Description des &sorts")),
            "IDM_DESCRIPTION_SORT_Click", [this] { MontreSort(m_etat, {}, this); });
    branche(ajouteAction(regles, "IDM_DESCRIPTION_RACE", QStringLiteral("Description des &races")),
            "IDM_DESCRIPTION_RACE_Click", [this] {
                if (!rameneDevant(QStringLiteral("frmDescriptionRaces")))
                    afficheDescription(new frmDescriptionRaces(m_etat));
            });
    branche(ajouteAction(regles, "IDM_DESCRIPTION_DON", QStringLiteral("&Description des &dons")),
            "IDM_DESCRIPTION_DON_Click", [this] {
                if (!rameneDevant(QStringLiteral("frmDescriptifDon")))
                    afficheDescription(new frmDescriptifDon(m_etat, true));
            });

    QMenu* personnel = menu("IDM_PERSONNEL", QStringLiteral("&Personnel"));
    branche(ajouteAction(personnel, "IDM_INSERTION_DONS", QStringLiteral("&Insertion de dons")),
            "IDM_INSERTION_DONS_Click", [this] {
                if (!rameneDevant(QStringLiteral("frmInsertionDons")))
                    afficheDescription(new frmInsertionDons(m_etat));
            });
    ajouteAction(personnel, "IDM_INSERTION_RACES", QStringLiteral("&Insertion de races"));
    ajouteAction(personnel, "IDM_INSERTION_CLASSES", QStringLiteral("&Insertion de classes"));

    menu("IDM_OPTIONS", QStringLiteral("&Options"));
    creeMenuFenetre(menu("IDM_FENETRE", QStringLiteral("Fe&nêtre")));

    QMenu* aide = menu("IDM_AIDE", QStringLiteral("&Aide"));
    branche(ajouteAction(aide, "IDM_ASTUCE", QStringLiteral("&Astuce du jour")), "IDM_ASTUCE_Click",
            [this] { afficheAstuce(); });
    branche(ajouteAction(aide, "IDM_LIENSITE", QStringLiteral("&Lien vers le site")), "IDM_LIENSITE_Click",
            [this] { ouvreAdresse(m_etat.adresseSite); });
    branche(ajouteAction(aide, "IDM_MISES_JOUR", QStringLiteral("&Vérifier les mises à jour")),
            "IDM_MISES_JOUR_Click", [this] { ouvreAdresse(AdresseMisesAJour(m_etat.adresseSite)); });
    branche(ajouteAction(aide, "IDM_APROPOS", QStringLiteral("&A propos de Quorvane")), "IDM_APROPOS_Click",
            [this] { afficheApropos(); });
}

void frmMain::creeMenuFenetre(QMenu* fenetres)
{
    QAction* suivante = fenetres->addAction(QStringLiteral("Fenêtre &suivante"), m_zone, &QMdiArea::activateNextSubWindow);
    suivante->setObjectName(QStringLiteral("IDM_FENETRE_SUIVANTE"));
    suivante->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_F6)});
    QAction* precedente =
        fenetres->addAction(QStringLiteral("Fenêtre &précédente"), m_zone, &QMdiArea::activatePreviousSubWindow);
    precedente->setObjectName(QStringLiteral("IDM_FENETRE_PRECEDENTE"));
    precedente->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)});
    fenetres->addAction(QStringLiteral("&Cascade"), m_zone, &QMdiArea::cascadeSubWindows)
        ->setObjectName(QStringLiteral("IDM_FENETRE_CASCADE"));
    fenetres->addAction(QStringLiteral("&Mosaïque"), m_zone, &QMdiArea::tileSubWindows)
        ->setObjectName(QStringLiteral("IDM_FENETRE_MOSAIQUE"));
    QAction* separateur = ajouteSeparateur(fenetres, "IDM_FENETRE_SEP");
    // La liste des fenêtres ouvertes se refait à chaque ouverture du menu ; la fenêtre active est cochée.
    connect(fenetres, &QMenu::aboutToShow, this, [this, fenetres, separateur] {
        const QList<QAction*> actions = fenetres->actions();
        for (qsizetype i = actions.indexOf(separateur) + 1; i < actions.size(); ++i)
            delete actions[i];
        const QList<QMdiSubWindow*> liste = m_zone->subWindowList();
        separateur->setVisible(!liste.isEmpty());
        for (qsizetype i = 0; i < liste.size(); ++i) {
            QMdiSubWindow* sous = liste[i];
            const QString titre = sous->widget() ? sous->widget()->windowTitle() : sous->windowTitle();
            QAction* action = fenetres->addAction((i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString()) + titre);
            action->setObjectName(QStringLiteral("IDM_FENETRE_") + (sous->widget() ? sous->widget()->objectName() : QString()));
            action->setCheckable(true);
            action->setChecked(sous == m_zone->activeSubWindow());
            connect(action, &QAction::triggered, this, [this, sous = QPointer<QMdiSubWindow>(sous)] {
                if (sous)
                    metDevant(sous);
            });
        }
    });
}

void frmMain::metDevant(QMdiSubWindow* sous)
{
    if (sous->isMinimized())
        sous->showNormal();
    m_zone->setActiveSubWindow(sous);
    sous->raise();
}

void frmMain::dimensionne(QMdiSubWindow* sous, QSize voulue)
{
    // Avant le premier affichage, la zone n'a pas encore sa taille : celle de la fenêtre en tient lieu.
    const QSize zone = m_zone->isVisible() ? m_zone->viewport()->size() : size();
    sous->resize(voulue.boundedTo(zone));
}

void frmMain::gardeDansZone(QMdiSubWindow* sous)
{
    if (!m_zone->isVisible())
        return;
    const QSize zone = m_zone->viewport()->size();
    // La position retenue est gardée autant que possible : la fenêtre rétrécit d'abord (sans passer
    // sous sa taille minimale), puis, s'il le faut encore, elle est déplacée.
    const QSize place(qMax(zone.width() - qMax(0, sous->x()), sous->minimumSizeHint().width()),
                      qMax(zone.height() - qMax(0, sous->y()), sous->minimumSizeHint().height()));
    sous->resize(sous->size().boundedTo(place).boundedTo(zone));
    sous->move(qBound(0, sous->x(), qMax(0, zone.width() - sous->width())),
               qBound(0, sous->y(), qMax(0, zone.height() - sous->height())));
}

void frmMain::Charge(const QString& argument)
{
    m_etat.erreurs.protege("MDIForm_Load", kModule, [&] {
        static_cast<ZoneClient*>(m_zone)->metImageApresPeinture(
            QDir(m_etat.dossierProgramme).filePath(QStringLiteral("back.jpg")));
        metTitre();
        const int x = ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_X"), 0, false);
        const int y = ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_Y"), 0, false);
        move(x, y);
        AvanceHasard(Hasard(), QDateTime::currentDateTime());
        // Une base donnée en argument remplace aussitôt la dernière : le choix d'un personnage
        // n'est rempli qu'une fois, pour elle ; si elle est refusée, pour la dernière.
        OuvreBase(argument);
    });
    if (!sousFenetre(QStringLiteral("frmAcceder")))
        m_etat.erreurs.protege("MDIForm_Load", kModule, [&] { afficheAcceder(); });
}

void frmMain::metTitre()
{
    setWindowTitle(TitreFenetrePrincipale(m_etat.cheminPerso));
}

QMdiSubWindow* frmMain::sousFenetre(const QString& nom) const
{
    const QString cherche = nom.toUpper();
    for (QMdiSubWindow* sous : m_zone->subWindowList())
        if (sous->widget() && sous->widget()->objectName().toUpper() == cherche)
            return sous;
    return nullptr;
}

bool frmMain::TrouveChild(const QString& nom) const
{
    return sousFenetre(nom) != nullptr;
}

QMdiSubWindow* frmMain::afficheEnfant(QWidget* fenetre)
{
    QMdiSubWindow* sous = m_zone->addSubWindow(fenetre);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    sous->setObjectName(fenetre->objectName() + QStringLiteral("_cadre"));
    return sous;
}

bool frmMain::fermeEnfant(const QString& nom)
{
    QMdiSubWindow* sous = sousFenetre(nom);
    if (!sous)
        return true;
    if (!sous->close())
        return false;   // la fenêtre a refusé de se fermer (saisie en cours)
    delete sous;
    return true;
}

void frmMain::afficheAcceder()
{
    if (QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmAcceder"))) {
        m_zone->setActiveSubWindow(sous);
        sous->raise();
        return;
    }
    auto* fenetre = new frmAcceder(*m_etat.perso);
    connect(fenetre, &frmAcceder::personnageChoisi, this, [this](const QString& nom) {
        m_etat.erreurs.protege("AccedePerso", kModule, [&] { afficheFichePerso(nom); });
    });
    QMdiSubWindow* sous = afficheEnfant(fenetre);
    // En bas à droite de la fenêtre principale.
    sous->setGeometry(qMax(0, width() - Pixels(7000)), qMax(0, height() - Pixels(5600)), Pixels(6600), Pixels(4320));
    sous->show();
}

void frmMain::afficheFichePerso(const QString& nom)
{
    QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmFichePerso"));
    if (!sous) {
        auto* fiche = new frmFichePerso(m_etat, nom);
        connect(fiche, &frmFichePerso::objetChoisi, this, [this](const QString& objet) {
            m_etat.erreurs.protege("LabPlace_DblClick", kModule, [&] { afficheGestObjets(objet); });
        });
        sous = afficheEnfant(fiche);
    }
    sous->showMaximized();
    m_zone->setActiveSubWindow(sous);
    // Chargement, calcul, cases d'équipement toutes cochées.
    static_cast<frmFichePerso*>(sous->widget())->chargePersonnage(nom);
}

void frmMain::afficheGestPerso()
{
    if (QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmGestPerso"))) {
        m_zone->setActiveSubWindow(sous);
        return;
    }
    auto* fenetre = new frmGestPerso(m_etat);
    // Après un enregistrement, le choix des personnages montre la liste à jour.
    connect(fenetre, &frmGestPerso::personnagesChanges, this, [this] {
        if (QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmAcceder")))
            static_cast<frmAcceder*>(sous->widget())->RempPerso();
    });
    // Une fiche ouverte sur le personnage suit ce que l'éditeur en fait.
    const auto fiche = [this](const QString& nom) -> frmFichePerso* {
        QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmFichePerso"));
        auto* f = sous ? static_cast<frmFichePerso*>(sous->widget()) : nullptr;
        return f && memesNoms(f->nomPersonnage(), nom) ? f : nullptr;
    };
    connect(fenetre, &frmGestPerso::personnageEnregistre, this, [this, fiche](const QString& nom) {
        if (frmFichePerso* f = fiche(nom))
            m_etat.erreurs.protege("Enregistre", kModule, [f] { f->actualise(); });
    });
    connect(fenetre, &frmGestPerso::personnageRenomme, this, [this, fiche](const QString& ancien, const QString& nouveau) {
        if (frmFichePerso* f = fiche(ancien))
            m_etat.erreurs.protege("Renomme", kModule, [f, nouveau] { f->chargePersonnage(nouveau); });
    });
    connect(fenetre, &frmGestPerso::personnageSupprime, this, [fiche](const QString& nom) {
        if (frmFichePerso* f = fiche(nom))
            FermeFenetre(f);
    });
    QMdiSubWindow* sous = afficheEnfant(fenetre);
    dimensionne(sous, {Pixels(16500), Pixels(10800)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheGestObjets(const QString& objetUnique)
{
    if (rameneDevant(QStringLiteral("frmGestobj"))) {
        if (!objetUnique.isEmpty())
            static_cast<frmGestobj*>(sousFenetre(QStringLiteral("frmGestobj"))->widget())->choisitObjet(objetUnique);
        return;
    }
    auto* fenetre = new frmGestobj(m_etat, objetUnique);
    // La fiche ouverte relit le catalogue un peu après un changement et à la fermeture.
    const auto recalcule = [this] {
        QMdiSubWindow* sous = sousFenetre(QStringLiteral("frmFichePerso"));
        if (auto* fiche = sous ? static_cast<frmFichePerso*>(sous->widget()) : nullptr)
            QTimer::singleShot(250, fiche, [this, fiche] {
                m_etat.erreurs.protege("Timer_Equip2_Timer", kModule, [fiche] { fiche->actualise(); });
            });
    };
    connect(fenetre, &frmGestobj::catalogueChange, this, recalcule);
    connect(fenetre, &frmGestobj::fermee, this, recalcule);
    QMdiSubWindow* sous = afficheEnfant(fenetre);
    dimensionne(sous, {Pixels(15000), Pixels(9600)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheAstuce()
{
    if (rameneDevant(QStringLiteral("frmAstuce")))
        return;
    QMdiSubWindow* sous = afficheEnfant(new frmAstuce(m_etat.dossierProgramme));
    dimensionne(sous, {Pixels(7000), Pixels(3400)});
    // Centrée sur la zone de la fenêtre principale ; au premier démarrage le choix des personnages
    // est en bas à droite : l'astuce remonte alors juste assez pour ne pas couvrir sa liste.
    const QSize zone = m_zone->isVisible() ? m_zone->viewport()->size() : size();
    QRect place(QPoint((zone.width() - sous->width()) / 2, (zone.height() - sous->height()) / 2), sous->size());
    if (QMdiSubWindow* choix = sousFenetre(QStringLiteral("frmAcceder")); choix && place.intersects(choix->geometry()))
        place.moveBottom(choix->geometry().top() - 1 - Pixels(120));
    sous->move(qMax(0, place.x()), qMax(0, place.y()));
    sous->show();
}

bool frmMain::rameneDevant(const QString& nom)
{
    QMdiSubWindow* sous = sousFenetre(nom);
    if (sous)
        m_zone->setActiveSubWindow(sous);
    return sous != nullptr;
}

void frmMain::afficheLanceurDes()
{
    if (rameneDevant(QStringLiteral("frmLanceurDes")))
        return;
    QMdiSubWindow* sous = afficheEnfant(new frmLanceurDes);
    dimensionne(sous, {Pixels(5400), Pixels(4200)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheGenerateurVille()
{
    if (rameneDevant(QStringLiteral("frmGenerateurVille")))
        return;
    QMdiSubWindow* sous = afficheEnfant(new frmGenerateurVille(m_etat.separateurDecimal));
    dimensionne(sous, {Pixels(9000), Pixels(9600)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheExperience()
{
    if (rameneDevant(QStringLiteral("frmExperience")))
        return;
    QMdiSubWindow* sous = afficheEnfant(new frmExperience(m_etat));
    dimensionne(sous, {Pixels(11000), Pixels(8000)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheDescription(QWidget* fenetre)
{
    const QSize taille = fenetre->size();
    QMdiSubWindow* sous = afficheEnfant(fenetre);
    dimensionne(sous, taille);
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheImport()
{
    ouvreImport(DialogueOuvrir(this, QStringLiteral("Ouvrir une base donnée pour l'import de personnage"),
                               QStringLiteral("Bases Quorvane (*.db)|*.db|Access 97 (*.mdb)|*.mdb"),
                               m_etat.dossierPersonnel));
}

void frmMain::ouvreImport(const QString& chemin)
{
    if (chemin.isEmpty())
        return;
    if (EstBaseProgramme(m_etat, chemin)) {
        avertit(QStringLiteral("On ne peut pas ouvrir la base de donnée du programme !"));
        return;
    }
    if (QFileInfo(chemin).canonicalFilePath() == QFileInfo(m_etat.cheminPerso).canonicalFilePath())
        avertit(QStringLiteral("Vous ouvrez la base en cours d'utilisation.") + u'\n'
                + QStringLiteral("Vous pourrez seulement dupliquer les personnages en les renommant."));
    std::unique_ptr<BaseImport> import;
    try {
        import = BaseImport::ouvre(chemin, *m_etat.programme);
    } catch (const RefusImport& refus) {
        m_etat.erreurs.journalise(refus.numero(), refus.description(), QStringLiteral("IMD_IMPORT_Click"),
                                  QLatin1String(kModule), refus.detail());
        avertit(refus.description());
        return;
    }
    // Le choix des personnages se refermera à jour par le menu.
    if (!fermeEnfant(QStringLiteral("frmImport")) || !fermeEnfant(QStringLiteral("frmAcceder")))
        return;
    QMdiSubWindow* sous = afficheEnfant(new frmImport(m_etat, std::move(import)));
    dimensionne(sous, {Pixels(11500), Pixels(6000)});
    sous->show();
    gardeDansZone(sous);
}

void frmMain::afficheApropos()
{
    frmApropos boite(m_etat.adresseSite, this);
    boite.exec();
}

void frmMain::ouvreAdresse(const QString& adresse)
{
    if (!QDesktopServices::openUrl(QUrl(adresse)))
        statusBar()->showMessage(QStringLiteral("Impossible d'ouvrir l'adresse ") + adresse, 8000);
}

void frmMain::OuvreBase(const QString& chemin)
{
    if (chemin.isEmpty())
        return;
    if (EstBaseProgramme(m_etat, chemin)) {
        avertit(QStringLiteral("On ne peut pas ouvrir la base du programme"));
        return;
    }
    // La nouvelle base est ouverte et mise à niveau avant de rien fermer : un fichier
    // illisible laisse tout en place.
    auto base = OuvreBasePersonnages(m_etat, chemin);
    for (const char* nom : {"frmAcceder", "frmFichePerso", "frmGestPerso", "frmGestobj", "frmExperience", "frmImport"})
        if (!fermeEnfant(QLatin1String(nom)))
            return;
    AdopteBasePersonnages(m_etat, std::move(base), chemin);
    metTitre();
    afficheAcceder();
    statusBar()->showMessage(QStringLiteral("Base de personnages ouverte : ") + m_etat.cheminPerso, 8000);
}

void frmMain::avertit(const QString& message)
{
    if (m_sansDialogues)
        std::fprintf(stderr, "%s\n", qPrintable(message));
    else
        QMessageBox::warning(this, QLatin1String(kTitreApplication), message);
}

void frmMain::sansDialogues()
{
    m_sansDialogues = true;
    m_etat.erreurs.afficheAvec([](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
}

void frmMain::recoitMessageInstance(const QString& chemin)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    m_etat.erreurs.protege("recoitMessageInstance", kModule, [&] { OuvreBase(chemin); });
}

void frmMain::dragEnterEvent(QDragEnterEvent* evenement)
{
    if (evenement->mimeData()->hasUrls())
        evenement->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* evenement)
{
    const QList<QUrl> urls = evenement->mimeData()->urls();
    if (urls.isEmpty())
        return;
    evenement->acceptProposedAction();
    // Seul le premier fichier déposé est ouvert.
    const QString chemin = urls.first().toLocalFile();
    m_etat.erreurs.protege("MDIForm_OLEDragDrop", kModule, [&] { OuvreBase(chemin); });
}

void frmMain::closeEvent(QCloseEvent* evenement)
{
    m_etat.erreurs.protege("MDIForm_Unload", kModule, [&] {
        for (QMdiSubWindow* sous : m_zone->subWindowList()) {
            if (!sous->close()) {
                evenement->ignore();   // une fenêtre fille a refusé de se fermer
                return;
            }
        }
        ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_X"), x(), true);
        ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_Y"), y(), true);
        m_etat.perso.reset();
        m_etat.programme.reset();
        evenement->accept();
    });
}

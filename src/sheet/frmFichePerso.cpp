#include "frmFichePerso.h"
#include "ImprimeWord.h"
#include "ListeCapacite.h"
#include "ListeDon.h"
#include "PageCapacites.h"
#include "PageChamps.h"
#include "PageCompetences.h"
#include "PageDons.h"
#include "PageEquipement.h"
#include "PagePrincipale.h"
#include "PageSorts.h"
#include "RetrouveFiche.h"
#include "frmImpression.h"
#include "reference/frmDescriptifCompetence.h"
#include "reference/frmDescriptifDon.h"
#include "reference/frmDescriptifSort.h"
#include "reference/frmDescriptionRaces.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/FichierIni.h"
#include "shell/Semantique.h"
#include "shell/UtilitairesFenetres.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmFichePerso.cpp";
constexpr int kDelaiEquipement = 500;
constexpr int kDelaiCoche = 250;

bool commenceParFld(const QObject* objet)
{
    return objet->objectName().startsWith(QLatin1String("FLD"), Qt::CaseInsensitive);
}

QWidget* defilant(QWidget* page)
{
    auto* zone = new QScrollArea;
    zone->setWidget(page);
    zone->setWidgetResizable(true);
    zone->setFrameShape(QFrame::NoFrame);
    return zone;
}

} // namespace

template<class F>
void frmFichePerso::execute(const char* procedure, F&& faire)
{
    m_etat.erreurs.protege(procedure, kModule, std::forward<F>(faire));
}

frmFichePerso::frmFichePerso(EtatShell& etat, const QString& nom, QWidget* parent)
    : QWidget(parent), m_etat(etat), m_nom(nom)
{
    setObjectName(QStringLiteral("frmFichePerso"));
    setWindowTitle(QStringLiteral("Fiche du personnage ") + nom);
    m_saisies.DoubleCarac = m_etat.doubleCarac;

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_principale = new PagePrincipale;
    m_competences = new PageCompetences;
    m_dons = new PageDons;
    m_capacites = new PageCapacites;
    m_equipement = new PageEquipement;
    m_sorts = new PageSorts(*m_etat.perso, *m_etat.programme);
    SSTab1->addTab(defilant(m_principale), QStringLiteral("&Personnage"));
    SSTab1->addTab(m_competences, QStringLiteral("&Compétences"));
    SSTab1->addTab(m_dons, QStringLiteral("&Dons"));
    SSTab1->addTab(m_capacites, QStringLiteral("Capacités &spéciales"));
    SSTab1->addTab(m_equipement, QStringLiteral("É&quipement"));
    SSTab1->addTab(m_sorts, QStringLiteral("S&orts"));

    btnActualiser = new QPushButton(QStringLiteral("&Actualiser (F5)"), this);
    btnActualiser->setObjectName(QStringLiteral("btnActualiser"));
    btnImprimer = new QPushButton(QStringLiteral("&Imprimer (F3)"), this);
    btnImprimer->setObjectName(QStringLiteral("btnImprimer"));
    btnImprimer->setToolTip(QStringLiteral("Exporter la fiche en document, page HTML ou texte"));
    btnFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    btnFermer->setObjectName(QStringLiteral("btnFermer"));
    lblEtat = new QLabel(this);
    lblEtat->setObjectName(QStringLiteral("lblEtat"));
    auto* bas = new QHBoxLayout;
    bas->addWidget(lblEtat, 1);
    bas->addWidget(btnActualiser);
    bas->addWidget(btnImprimer);
    bas->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(4, 4, 4, 4);
    disposition->addWidget(SSTab1, 1);
    disposition->addLayout(bas);

    Timer_Equip2.setSingleShot(true);
    connect(&Timer_Equip2, &QTimer::timeout, this, [this] { execute("Timer_Equip2_Timer", [this] { actualise(); }); });
    connect(btnActualiser, &QPushButton::clicked, this, [this] { execute("btnActualiser_Click", [this] { actualise(); }); });
    connect(btnImprimer, &QPushButton::clicked, this, [this] { execute("btnImprimer_Click", [this] { imprime(); }); });
    connect(btnFermer, &QPushButton::clicked, this, [this] { FermeFenetre(this); });
    connect(m_principale, &PagePrincipale::classeDoubleClic, this, &frmFichePerso::classeChoisie);
    // Double-clic sur une classe : ses sorts ; un sort enregistré relance le calcul un peu plus tard.
    // La classe regardée colore aussi les compétences.
    connect(this, &frmFichePerso::classeChoisie, this, [this](const QString& classe) {
        execute("fldstrClasse_DblClick", [&] {
            m_saisies.ClasseCompetences = classe;
            actualise();
            m_sorts->montreClasse(classe);
            SSTab1->setCurrentWidget(m_sorts);
        });
    });
    connect(m_competences, &PageCompetences::classeParDefaut, this, [this] {
        execute("lblLegende_LinkClick", [this] {
            m_saisies.ClasseCompetences.clear();
            actualise();
        });
    });
    connect(m_sorts, &PageSorts::sortsModifies, this, [this] { Timer_Equip2.start(kDelaiEquipement); });
    connect(m_principale, &PagePrincipale::raceDoubleClic, this, [this] { Q_EMIT raceChoisie(m_fiche.TexteRace); });
    // Descriptions des règles, modales, sur ce que la fiche montre.
    connect(this, &frmFichePerso::raceChoisie, this, [this] {
        execute("fldstrRace_DblClick", [this] { MontreRace(m_etat, m_fiche.Personnage.RACE, this); });
    });
    connect(m_dons->vsDon, &QTableWidget::cellDoubleClicked, this, [this](int ligne) {
        if (ligne >= 0 && ligne < m_fiche.Dons.size())
            execute("vsDon_DblClick", [&] { MontreDon(m_etat, m_fiche.Dons.at(ligne).Nom, this); });
    });
    connect(m_competences->vsComp, &QTableWidget::cellDoubleClicked, this, [this](int ligne) {
        if (ligne >= 0 && ligne < m_fiche.Competences.size())
            execute("vsComp_DblClick", [&] { MontreCompetence(m_etat, m_fiche.Competences.at(ligne).NomRegle, this); });
    });
    connect(m_sorts, &PageSorts::descriptionDemandee, this, [this](const SortsGrille& grille) {
        execute("vsSortClasse_DblClick", [&] { MontreSort(m_etat, grille, this); });
    });
    connect(m_dons, &PageDons::basculeDons, this, [this] { execute("btnCacherDon_Click", [this] { basculeDons(); }); });
    connect(m_capacites, &PageCapacites::ajoute, this,
            [this](int ligne) { execute("btnAjouter_Click", [&] { ajouteCapacite(ligne); }); });
    connect(m_capacites, &PageCapacites::enleve, this,
            [this](int ligne) { execute("btnEnlever_Click", [&] { enleveCapacite(ligne); }); });
    // La grille qui signale la saisie est remplie à nouveau par le recalcul : il attend la fin de l'événement.
    connect(m_capacites, &PageCapacites::niveauSaisi, this, [this](int ligne, const QString& niveau) {
        QTimer::singleShot(0, this, [this, ligne, niveau] {
            execute("vsCapacitePerso_AfterEdit", [&] { modifieNiveauCapacite(ligne, niveau); });
        });
    });
    connect(m_equipement, &PageEquipement::depose, this,
            [this](int pos, int place) { execute("LabPlace_MouseUp", [&] { deplaceObjet(pos, place); }); });
    connect(m_equipement, &PageEquipement::valideChange, this, [this](int place, bool valide) {
        m_saisies.ValideEquipement[place] = valide;
        Timer_Equip2.start(kDelaiCoche);
    });
    connect(m_equipement, &PageEquipement::toutOuRien, this, [this](bool valide) {
        ValideEquipementTous(valide);
        Timer_Equip2.start(kDelaiCoche);
    });
    connect(m_equipement, &PageEquipement::objetDoubleClic, this, &frmFichePerso::objetChoisi);
    connect(m_equipement, &PageEquipement::imageCliquee, this,
            [this] { execute("ImagePersonnage_Click", [this] { choisitImage(); }); });
    creeRaccourcis();

    // Form_Load : tout est verrouillé sauf les champs que l'utilisateur remplit.
    lockcontrole(true);
    for (QLineEdit* champ : m_principale->champsSaisis())
        champ->setReadOnly(false);
    SSTab1->setCurrentIndex(0);
}

void frmFichePerso::creeRaccourcis()
{
    auto raccourci = [this](Qt::Key touche, auto&& faire) {
        auto* r = new QShortcut(QKeySequence(touche), this);
        r->setContext(Qt::WidgetWithChildrenShortcut);
        connect(r, &QShortcut::activated, this, [this, faire] { execute("Form_KeyDown", faire); });
    };
    raccourci(Qt::Key_F5, [this] { actualise(); });
    raccourci(Qt::Key_F3, [this] { imprime(); });
    raccourci(Qt::Key_Escape, [this] { FermeFenetre(this); });
}

QWidget* frmFichePerso::cadreFenetre()
{
    if (auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sous;
    return this;
}

void frmFichePerso::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (m_positionLue || m_etat.cheminIni.isEmpty())
        return;
    m_positionLue = true;
    execute("Form_Load", [this] {
        const int x = ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_X"), 0, false);
        const int y = ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_Y"), 0, false);
        cadreFenetre()->move(x, y);
    });
}

void frmFichePerso::closeEvent(QCloseEvent* evenement)
{
    Timer_Equip2.stop();
    if (!m_etat.cheminIni.isEmpty())
        execute("Form_Unload", [this] {
            const QPoint position = cadreFenetre()->pos();
            ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_X"), position.x(), true);
            ParametreIni(m_etat.cheminIni, objectName(), QStringLiteral("POS_Y"), position.y(), true);
        });
    evenement->accept();
}

void frmFichePerso::chargePersonnage(const QString& nom)
{
    m_nom = nom;
    m_ferme = false;
    m_saisies = SaisiesFiche{};
    m_saisies.DoubleCarac = m_etat.doubleCarac;
    // Les saisies d'un autre personnage ne passent pas à celui-ci.
    for (QLineEdit* champ : m_principale->champsSaisis())
        champ->clear();
    ValideEquipementTous(true);
    SSTab1->setCurrentIndex(0);
    actualise();
}

void frmFichePerso::actualise()
{
    if (m_ferme)
        return;
    Timer_Equip2.stop();
    m_principale->litSaisies(m_saisies);
    m_saisies.Capacites = ChargeCapacitesPerso(*m_etat.perso, *m_etat.programme, m_nom);
    if (!RetrouveFiche({*m_etat.perso, *m_etat.programme, m_etat.dossierProgramme}, m_nom, m_saisies, m_fiche)) {
        m_ferme = true;
        avertit(MessageRefusFiche(m_fiche));
        FermeFenetre(this);
        return;
    }
    setWindowTitle(m_fiche.Titre);
    remplit();
    lblEtat->clear();
}

void frmFichePerso::remplit()
{
    m_principale->remplit(m_fiche);
    m_competences->remplit(m_fiche);
    m_dons->remplit(m_fiche);
    m_capacites->remplit(m_fiche);
    remplitPlaces();
    m_equipement->remplit(m_fiche);
    m_equipement->metValides(m_saisies.ValideEquipement);
    m_sorts->charge(m_fiche);
    SoulignModifCarac();
}

void frmFichePerso::remplitPlaces()
{
    m_equipement->remplitPlaces(ListeEquip(*m_etat.perso, *m_etat.programme, m_nom));
}

void frmFichePerso::lockcontrole(bool verrou)
{
    for (QWidget* w : findChildren<QWidget*>())
        if (commenceParFld(w) && w->metaObject()->indexOfProperty("readOnly") >= 0)
            w->setProperty("readOnly", verrou);
}

void frmFichePerso::SoulignModifCarac()
{
    for (QLineEdit* champ : findChildren<QLineEdit*>()) {
        if (!commenceParFld(champ) || champ->palette().color(QPalette::Base) != kJauneClair)
            continue;
        const double valeur = Val(champ->text());
        QPalette p = champ->palette();
        p.setColor(QPalette::Text, valeur > 0 ? Qt::blue : valeur < 0 ? Qt::red : Qt::black);
        champ->setPalette(p);
    }
}

void frmFichePerso::ValideEquipementTous(bool valeur)
{
    m_saisies.ValideEquipement.fill(valeur);
    m_equipement->metValides(m_saisies.ValideEquipement);
}

void frmFichePerso::deplaceObjet(int pos, int place)
{
    const ResultatDeplacement r = DeplaceObjet(*m_etat.perso, m_nom, pos, place);
    if (!r.fait) {
        avertit(r.message);
        return;
    }
    // L'objet se voit tout de suite à sa place ; la fiche suit un instant plus tard.
    remplitPlaces();
    m_equipement->signaleDepot(place);
    Timer_Equip2.start(kDelaiEquipement);
}

void frmFichePerso::changeImage(const QString& chemin)
{
    EnregistreImage(*m_etat.perso, m_nom, chemin);
    actualise();
}

void frmFichePerso::choisitImage()
{
    const QString dossier = m_fiche.Image.isEmpty() ? m_etat.dossierProgramme : QFileInfo(m_fiche.Image).absolutePath();
    const QString chemin = DialogueOuvrir(this, QStringLiteral("Ouvrir un fichier image"), QStringLiteral("Image (*.jpg)|*.jpg"), dossier);
    if (!chemin.isEmpty())
        changeImage(chemin);
}

void frmFichePerso::basculeDons()
{
    m_fiche.LegendeBoutonDons = BasculeDonsProgression(m_fiche.Dons, m_fiche.LegendeBoutonDons);
    m_dons->remplit(m_fiche);
}

void frmFichePerso::ajouteCapacite(int ligne)
{
    const LigneCapacite choisie = ligne >= 0 && ligne < m_fiche.CatalogueCapacites.size()
                                      ? m_fiche.CatalogueCapacites.at(ligne) : LigneCapacite{};
    const QString message = AjouteCapacite(*m_etat.perso, *m_etat.programme, m_saisies.Capacites, choisie, m_nom);
    if (!message.isEmpty())
        avertit(message);
    else
        actualise();
}

void frmFichePerso::enleveCapacite(int ligne)
{
    const QString message = EnleveCapacite(*m_etat.perso, *m_etat.programme, m_saisies.Capacites, ligne);
    if (!message.isEmpty())
        avertit(message);
    else
        actualise();
}

void frmFichePerso::modifieNiveauCapacite(int ligne, const QString& niveau)
{
    ValeursFicheSort valeurs;
    valeurs.dons = m_fiche.nomsDons();
    const QString message = ModifieNiveauCapacite(*m_etat.perso, *m_etat.programme, m_saisies.Capacites, ligne, niveau, valeurs);
    if (!message.isEmpty()) {
        avertit(message);
        m_capacites->remplit(m_fiche);   // la saisie refusée disparaît
        return;
    }
    actualise();
}

// Dialogue des choix, puis export ; la fiche reste telle quelle, réussite ou non.
void frmFichePerso::imprime()
{
    frmImpression dialogue(m_etat.cheminIni, this);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    const ResultatImpression r =
        ImprimeWord({*m_etat.perso, *m_etat.programme, m_etat.dossierProgramme}, m_fiche, dialogue.choix());
    lblEtat->setText(r.etat);
    if (!r.message.isEmpty())
        avertit(r.message);
}

void frmFichePerso::avertit(const QString& message)
{
    QMessageBox::warning(this, QLatin1String(kTitreApplication), message);
}

#include "frmGestPerso.h"
#include "CellulesGrille.h"
#include "ChampsPersonnage.h"
#include "Commerce.h"
#include "DelegueGrille.h"
#include "FrmLstArticle.h"
#include "NiveauxPersonnage.h"
#include "PlacesObjet.h"
#include "frmAjouter.h"
#include "frmBackHist.h"
#include "frmRenommer.h"
#include "frmVendre.h"
#include "allocation/frmDonsComp.h"
#include "reference/frmDescriptifCompetence.h"
#include "reference/frmDescriptifDon.h"
#include "wizard/frmAssistant.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/Hasard.h"
#include "shell/Semantique.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Utilitaires.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmGestPerso.cpp";
constexpr int kColonnesNiveaux = 32;
constexpr int kColonnesNiveauxVisibles = 9;   // niveau de classe, classe, PV, six caractéristiques
constexpr int kPremierDon = 11;
constexpr int kDernierDon = 20;
enum ColonneObjet { ObjNom, ObjType, ObjPlace, ObjCharge, ObjSurPerso, ObjNombre };
constexpr int kColonneClasse = 1;
constexpr int kColonnePV = 2;
// Marque des points de vie tirés par la fenêtre : un nouveau choix de classe les tire à nouveau,
// alors qu'une valeur saisie reste.
constexpr int kRoleTire = Qt::UserRole + 1;
constexpr int kAnnulationsGardees = 20;

// Couleurs des marques de dons : dons qui manquent, dons pris, et les deux à la fois.
const QColor kCouleurAPrendre(255, 214, 170);
const QColor kCouleurObtenus(196, 232, 196);
const QColor kCouleurLesDeux(190, 210, 250);

// Libellé et champs de Personnage d'une rangée de la fenêtre.
struct Rangee
{
    const char* libelle;
    QStringList champs;
};

QStringList suite(const QString& prefixe, int nombre)
{
    QStringList champs;
    for (int i = 1; i <= nombre; ++i)
        champs << prefixe + QString::number(i);
    return champs;
}

QTableWidget* grille(QWidget* parent, const char* nom, const QStringList& titres, int colonnes)
{
    auto* g = new QTableWidget(0, colonnes, parent);
    g->setObjectName(QLatin1String(nom));
    g->setHorizontalHeaderLabels(titres);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 8);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

// Pages de l'identité : libellés en clair, champs dans l'ordre de lecture.
const QList<Rangee>& pageMetiers()
{
    static const QList<Rangee> page{{"Professions", suite(QStringLiteral("Profession_"), 4)},
                                    {"Artisanats", suite(QStringLiteral("Artisanat_"), 3)},
                                    {"Domaines", suite(QStringLiteral("Domaine_"), 4)},
                                    {"École de spécialisation", {QStringLiteral("EcoleSpecialisation")}},
                                    {"Écoles interdites", suite(QStringLiteral("Ecole_interdite_"), 4)}};
    return page;
}

const QList<Rangee>& pageClasses()
{
    static const QList<Rangee> page{{"Énergies de l'élu divin", suite(QStringLiteral("EnergieElu_"), 3)},
                                    {"Énergies du sorcier", suite(QStringLiteral("EnergieSorcier_"), 2)},
                                    {"Élément du wujen", {QStringLiteral("ElementWujen")}},
                                    {"Élément et ordre du shugenja",
                                     {QStringLiteral("ElementShugenja"), QStringLiteral("OrdreShugenja")}},
                                    {"Dragon totem", {QStringLiteral("DragonTotem")}}};
    return page;
}

} // namespace

frmGestPerso::frmGestPerso(EtatShell& etat, QWidget* parent) : QWidget(parent), m_etat(etat)
{
    setObjectName(QStringLiteral("frmGestPerso"));
    setWindowTitle(QStringLiteral("Gestion personnages"));

    vsPerso = grille(this, "vsPerso", {QStringLiteral("Nom"), QStringLiteral("Race")}, 2);
    vsPerso->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsPerso->verticalHeader()->hide();
    vsPerso->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    vsPerso->setMinimumWidth(Pixels(3000));
    creeChamps();
    creeBoutons();

    auto* separation = new QSplitter(Qt::Vertical, this);
    separation->addWidget(creeNiveaux());
    separation->addWidget(creeObjets());
    separation->setChildrenCollapsible(false);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {btnAjouter, btnSupprimer, btnEnregistrer, btnAnnuler, btnRenommer, btnBackground})
        boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(BtnFermer);
    auto* droite = new QVBoxLayout;
    droite->addWidget(creeIdentite());
    droite->addWidget(separation, 1);
    droite->addLayout(boutons);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(new QLabel(QStringLiteral("Personnages"), this));
    gauche->addWidget(vsPerso);
    auto* disposition = new QHBoxLayout(this);
    disposition->addLayout(gauche, 1);
    disposition->addLayout(droite, 4);
    creeTouches();

    m_chargement = true;
    execute("Form_Load", [this] {
        remplitListes();
        RemplitListe();
    });
    m_chargement = false;
    montreMode();
    activeBoutonsLignes();

    connect(vsPerso, &QTableWidget::itemSelectionChanged, this,
            [this] { execute("vsPerso_SelChange", [this] { vsPerso_SelChange(); }); });
    if (vsPerso->rowCount() > 0)
        vsPerso->selectRow(0);
}

void frmGestPerso::creeChamps()
{
    fldstrnom = new QLineEdit(this);
    fldstrnom->setObjectName(QStringLiteral("fldstrnom"));
    connect(fldstrnom, &QLineEdit::textChanged, this, [this] { Modifperso(); });
    CmbRace = new QComboBox(this);
    CmbRace->setObjectName(QStringLiteral("CmbRace"));
    // La race compte pour les domaines : certaines races en ont sans classe de prêtre.
    connect(CmbRace, &QComboBox::currentIndexChanged, this, [this] {
        Modifperso();
        activeChampsDeClasse();
    });
    for (const ChampIdentite& c : champsIdentite()) {
        QWidget* w;
        if (c.controle.startsWith(QLatin1String("fld"), Qt::CaseInsensitive)) {
            auto* champ = new QLineEdit(this);
            if (c.nature != NatureChamp::Texte)
                champ->setProperty("Tag", QStringLiteral("numeric"));
            connect(champ, &QLineEdit::textChanged, this, [this] { Modifperso(); });
            w = champ;
        } else {
            auto* liste = new QComboBox(this);
            liste->setMinimumContentsLength(8);
            liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            connect(liste, &QComboBox::currentTextChanged, this, [this] { Modifperso(); });
            w = liste;
        }
        w->setObjectName(c.controle);
        m_controles.insert(c.champ, w);
    }
    fldnTotalPo = static_cast<QLineEdit*>(m_controles.value(QStringLiteral("TotalPo")));
}

QWidget* frmGestPerso::creeIdentite()
{
    auto* cadre = new QWidget(this);
    auto* disposition = new QVBoxLayout(cadre);
    disposition->setContentsMargins(0, 0, 0, 0);

    // Nom, race et archétype restent sous les yeux quelle que soit la page.
    auto* tete = new QGridLayout;
    const QList<QPair<const char*, QWidget*>> entete{{"Nom", fldstrnom},
                                                    {"Race", CmbRace},
                                                    {"Archétype", m_controles.value(QStringLiteral("Archetype"))}};
    for (int i = 0; i < entete.size(); ++i) {
        tete->addWidget(new QLabel(QString::fromUtf8(entete[i].first), cadre), 0, i * 2);
        tete->addWidget(entete[i].second, 0, i * 2 + 1);
        tete->setColumnStretch(i * 2 + 1, 1);
    }
    disposition->addLayout(tete);

    auto* pages = new QTabWidget(cadre);
    pages->setObjectName(QStringLiteral("ongletsIdentite"));
    auto* identite = new QWidget(pages);
    auto* g = new QGridLayout(identite);
    const QList<QPair<const char*, const char*>> champs{
        {"Profil", "Profil"},      {"Titre", "Titre"},       {"Divinité", "Dieu"},
        {"Alignement", "Alignement"}, {"Sexe", "Sexe"},     {"Âge", "Age"},
        {"Taille (cm)", "Taille"}, {"Poids (kg)", "Poids"}, {"Beauté", "Beaute"},
        {"Cheveux", "Cheveux"},    {"Yeux", "Yeux"},         {"Date", "Date"},
        {"Pièces d'or (Po)", "TotalPo"}, {"Points d'expérience", "TotalXP"}, {"Malus XP (%)", "MalusXP"}};
    for (int i = 0; i < champs.size(); ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(champs[i].first), identite), i / 3, (i % 3) * 2);
        g->addWidget(m_controles.value(QLatin1String(champs[i].second)), i / 3, (i % 3) * 2 + 1);
    }
    // Les deux listes libres partagent la dernière rangée, les langues ayant la plus grande part.
    const int ligne = int(champs.size()) / 3;
    g->addWidget(new QLabel(QStringLiteral("Langues connues"), identite), ligne, 0);
    g->addWidget(m_controles.value(QStringLiteral("LangueConnue")), ligne, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Alphabets"), identite), ligne, 4);
    g->addWidget(m_controles.value(QStringLiteral("Alphabet")), ligne, 5);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);
    pages->addTab(identite, QStringLiteral("Identité"));

    auto page = [this, pages](const QList<Rangee>& rangees, const QString& titre) {
        auto* p = new QWidget(pages);
        auto* grille = new QGridLayout(p);
        for (int r = 0; r < rangees.size(); ++r) {
            grille->addWidget(new QLabel(QString::fromUtf8(rangees[r].libelle), p), r, 0);
            for (int k = 0; k < rangees[r].champs.size(); ++k)
                grille->addWidget(m_controles.value(rangees[r].champs[k]), r, k + 1);
        }
        for (int c = 1; c <= 4; ++c)
            grille->setColumnStretch(c, 1);
        grille->setRowStretch(int(rangees.size()), 1);
        pages->addTab(p, titre);
    };
    page(pageMetiers(), QStringLiteral("Métiers et magie"));
    page(pageClasses(), QStringLiteral("Particularités de classe"));
    disposition->addWidget(pages);
    return cadre;
}

QWidget* frmGestPerso::creeNiveaux()
{
    QStringList titres{QStringLiteral("Niv. classe"), QStringLiteral("Classe"), QStringLiteral("PV"),
                       QStringLiteral("For"),         QStringLiteral("Dex"),    QStringLiteral("Con"),
                       QStringLiteral("Int"),         QStringLiteral("Sag"),    QStringLiteral("Cha"),
                       QString(),                     QStringLiteral("Compétences")};
    titres << suite(QStringLiteral("Don "), 10) << suite(QStringLiteral("Précision "), 10) << QStringLiteral("Modif. Int");
    vsHistoPerso = grille(this, "vsHistoPerso", titres, kColonnesNiveaux);
    for (int c = kColonnesNiveauxVisibles; c < kColonnesNiveaux; ++c)
        vsHistoPerso->setColumnHidden(c, true);
    vsHistoPerso->setColumnWidth(0, 80);
    vsHistoPerso->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int c = 2; c < kColonnesNiveauxVisibles; ++c)
        vsHistoPerso->setColumnWidth(c, 44);
    vsHistoPerso->verticalHeader()->setToolTip(QStringLiteral("Niveau du personnage"));
    m_delegueNiveaux = new DelegueGrille(vsHistoPerso);
    vsHistoPerso->setItemDelegate(m_delegueNiveaux);
    connect(vsHistoPerso, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_chargement)
            execute("vsHistoPerso_AfterEdit", [this, item] { celluleNiveauChangee(item); });
    });
    connect(m_delegueNiveaux, &DelegueGrille::avantSaisie, this, [this] { retientGrille(vsHistoPerso); });
    connect(vsHistoPerso, &QTableWidget::itemSelectionChanged, this, &frmGestPerso::activeBoutonsLignes);
    // Les cellules s'éditent au double-clic : c'est l'en-tête de la ligne qui ouvre l'affectation.
    connect(vsHistoPerso->verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int ligne) {
        vsHistoPerso->selectRow(ligne);
        execute("vsHistoPerso_DblClick", [this] { AffecteDonsCompetences(); });
    });

    auto* cadre = new QGroupBox(QStringLiteral("Niveaux"), this);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(btnNivInserer);
    boutons->addWidget(btnNivEnlever);
    auto* deplacement = new QHBoxLayout;
    deplacement->addWidget(btnRemonter);
    deplacement->addWidget(btnRedescendre);
    boutons->addLayout(deplacement);
    boutons->addWidget(btnDonsComp);
    boutons->addStretch();
    boutons->addWidget(ChkDonsAPrendre);
    boutons->addWidget(ChkDonsObtenus);
    auto* disposition = new QHBoxLayout(cadre);
    disposition->addWidget(vsHistoPerso, 1);
    disposition->addLayout(boutons);
    return cadre;
}

QWidget* frmGestPerso::creeObjets()
{
    vsEquip = grille(this, "vsEquip",
                     {QStringLiteral("Nom"), QStringLiteral("Type (ou selection ...)"), QStringLiteral("Position"),
                      QStringLiteral("Charges"), QStringLiteral("Sur perso"), QStringLiteral("Nombre")},
                     6);
    vsEquip->horizontalHeader()->setSectionResizeMode(ObjNom, QHeaderView::Stretch);
    vsEquip->setColumnWidth(ObjType, 150);
    for (int c : {ObjCharge, ObjSurPerso, ObjNombre})
        vsEquip->setColumnWidth(c, 64);
    vsEquip->setColumnWidth(ObjPlace, vsEquip->fontMetrics().horizontalAdvance(QStringLiteral("Armure/Vêtement")) + 16);
    m_delegueObjets = new DelegueGrille(vsEquip);
    m_delegueObjets->metListe(ObjSurPerso, {QStringLiteral("Oui"), QStringLiteral("Non")});
    // La position se choisit parmi les emplacements où l'objet compte.
    m_delegueObjets->metListeParLigne(ObjPlace, [this](int ligne) {
        return choixPositions(*m_etat.perso, cellule(vsEquip, ligne, ObjNom), cellule(vsEquip, ligne, ObjPlace));
    });
    connect(m_delegueObjets, &DelegueGrille::avantSaisie, this, [this] { retientGrille(vsEquip); });
    m_delegueObjets->metBouton(ObjType);
    vsEquip->setItemDelegate(m_delegueObjets);
    connect(m_delegueObjets, &DelegueGrille::boutonCellule, this, [this](int ligne, int) {
        execute("vsEquip_CellButtonClick", [this, ligne] {
            m_annulations.clear();
            choisitObjet(ligne, false);
        });
    });
    connect(vsEquip, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_chargement)
            execute("vsEquip_AfterEdit", [this, item] { celluleObjetChangee(item); });
    });
    connect(vsEquip, &QTableWidget::itemSelectionChanged, this, &frmGestPerso::activeBoutonsLignes);

    auto* cadre = new QGroupBox(QStringLiteral("Objets"), this);
    auto* boutons = new QVBoxLayout;
    for (QPushButton* b : {btnEquipInserer, btnEquipAcheter, btnEquipEnlever})
        boutons->addWidget(b);
    boutons->addStretch();
    auto* disposition = new QHBoxLayout(cadre);
    disposition->addWidget(vsEquip, 1);
    disposition->addLayout(boutons);
    return cadre;
}

void frmGestPerso::creeBoutons()
{
    auto bouton = [this](const char* nom, const QString& libelle, const char* procedure, std::function<void()> faire) {
        return BoutonProtege(this, m_etat.erreurs, kModule, nom, libelle, procedure, std::move(faire));
    };
    btnAjouter = bouton("btnAjouter", QStringLiteral("Ajouter (F9)"), "btnAjouter_Click", [this] { Ajoute(); });
    btnSupprimer = bouton("btnSupprimer", QStringLiteral("Supprimer (F10)"), "btnSupprimer_Click", [this] { Supprime(); });
    btnEnregistrer = bouton("btnEnregistrer", QStringLiteral("Enregistrer (F5)"), "btnEnregistrer_Click", [this] { Enregistre(); });
    btnAnnuler = bouton("btnAnnuler", QStringLiteral("Annuler (ESC)"), "btnAnnuler_Click", [this] { Annule(); });
    BtnFermer = bouton("BtnFermer", QStringLiteral("Fermer (ESC)"), "BtnFermer_Click", [this] { Annule(); });
    btnRenommer = bouton("btnRenommer", QStringLiteral("&Renommer"), "btnRenommer_Click", [this] { btnRenommer_Click(); });
    btnBackground = bouton("btnBackground", QStringLiteral("Background"), "btnBackground_Click",
                           [this] { btnBackground_Click(); });
    btnNivInserer = bouton("btnNivInserer", QStringLiteral("&Inserer un niveau (F7)"), "btnNivInserer_Click",
                           [this] { InsereNiveau(); });
    btnNivEnlever = bouton("btnNivEnlever", QStringLiteral("&Enlever un niveau"), "btnNivEnlever_Click",
                           [this] { EnleveNiveau(); });
    btnRemonter = bouton("btnRemonter", QStringLiteral("Monter"), "btnRemonter_Click", [this] { DeplaceNiveau(-1); });
    btnRemonter->setToolTip(QStringLiteral("Échange le niveau choisi avec celui du dessus"));
    btnRedescendre = bouton("btnRedescendre", QStringLiteral("Descendre"), "btnRedescendre_Click", [this] { DeplaceNiveau(1); });
    btnRedescendre->setToolTip(QStringLiteral("Échange le niveau choisi avec celui du dessous"));
    btnDonsComp = bouton("btnDonsComp", QStringLiteral("&Dons et compétences…"), "btnDonsComp_Click",
                         [this] { AffecteDonsCompetences(); });
    btnDonsComp->setToolTip(QStringLiteral("Choisit les dons et achète les rangs de compétence du niveau choisi"));
    btnEquipInserer = bouton("btnEquipInserer", QStringLiteral("&Inserer un objet (F8)"), "btnEquipInserer_Click",
                             [this] { InsereObjet(false); });
    btnEquipInserer->setToolTip(QStringLiteral("Ajoute un objet sans le payer"));
    btnEquipAcheter = bouton("btnEquipAcheter", QStringLiteral("&Acheter un objet"), "btnEquipInserer_Click",
                             [this] { InsereObjet(true); });
    btnEquipAcheter->setToolTip(QStringLiteral("Ajoute un objet payé avec les pièces d'or du personnage"));
    btnEquipEnlever = bouton("btnEquipEnlever", QStringLiteral("&Enlever (vendre) un objet"), "btnEquipEnlever_Click",
                             [this] { EnleveObjet(); });

    ChkDonsAPrendre = new QCheckBox(QStringLiteral("Marquer les dons à prendre"), this);
    ChkDonsAPrendre->setObjectName(QStringLiteral("ChkDonsAPrendre"));
    ChkDonsAPrendre->setToolTip(QStringLiteral("En orange : les niveaux où des dons restent à choisir"));
    ChkDonsObtenus = new QCheckBox(QStringLiteral("Marquer les dons obtenus"), this);
    ChkDonsObtenus->setObjectName(QStringLiteral("ChkDonsObtenus"));
    ChkDonsObtenus->setToolTip(QStringLiteral("En vert : les niveaux où des dons ont été choisis "
                                              "(en bleu quand il en manque encore)"));
    for (QCheckBox* c : {ChkDonsAPrendre, ChkDonsObtenus})
        c->setVisible(m_etat.marqueProgressionDons);
    for (QCheckBox* c : {ChkDonsAPrendre, ChkDonsObtenus})
        connect(c, &QCheckBox::toggled, this, [this] { execute("ChkDons_Click", [this] { MarqueDons(); }); });
}

void frmGestPerso::creeTouches()
{
    TouchesEdition(this,
                   {{Qt::Key_F5, btnEnregistrer}, {Qt::Key_F9, btnAjouter}, {Qt::Key_F10, btnSupprimer},
                    {Qt::Key_F7, btnNivInserer}, {Qt::Key_F8, btnEquipInserer}},
                   [this] { execute("Form_KeyDown", [this] { Annule(); }); });
    auto* defaire = new QShortcut(QKeySequence::Undo, this);
    defaire->setContext(Qt::WidgetWithChildrenShortcut);
    connect(defaire, &QShortcut::activated, this, [this] { execute("Form_KeyDown", [this] { Defait(); }); });
}

void frmGestPerso::remplitListes()
{
    BaseDonnees& prog = *m_etat.programme;
    m_races = racesEditeur(prog);
    for (const Ligne& l : prog.selectionne(QStringLiteral("select * from race order by race")))
        CmbRace->addItem(l.texte(QStringLiteral("race")), l.valeur(QString::fromUtf8("n°")));
    auto remplit = [this](const QString& prefixe, const QStringList& elements) {
        for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i)
            if (i.value()->objectName().startsWith(prefixe))
                static_cast<QComboBox*>(i.value())->addItems(elements);
    };
    const QStringList vide{QString()};
    remplit(QStringLiteral("Cmbarchetype"),
            vide + ListeNoms(prog, QStringLiteral("select * from archetype order by archetype"), QStringLiteral("Archetype")));
    remplit(QStringLiteral("CmbEcoleSpecialisation"), ecolesSpecialisation());
    remplit(QStringLiteral("CmbEcole_interdite"), ecolesInterdites());
    remplit(QStringLiteral("CmbArtisanat"),
            vide + ListeNoms(prog, QStringLiteral("select * from artisanat order by nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbProfession"),
            vide + ListeNoms(prog, QStringLiteral("select * from profession order by nom"), QStringLiteral("Nom")));
    const QStringList energies = ListeNoms(prog, QStringLiteral("select * from energie order by nom"), QStringLiteral("Nom"));
    remplit(QStringLiteral("CmbElu"), energies);
    remplit(QStringLiteral("CmbSorcier"), energies);
    remplit(QStringLiteral("CmbWujen"), ListeNoms(prog, QStringLiteral("select * from element order by nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbShugenja_0"),
            {QStringLiteral("Terre"), QStringLiteral("Air"), QStringLiteral("Feu"), QStringLiteral("Eau")});
    remplit(QStringLiteral("CmbShugenja_1"), ListeNoms(prog, QStringLiteral("select Nom from Ordre order by Nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbDragonTotem"),
            ListeNoms(prog, QStringLiteral("select nom from dragontotem order by nom"), QStringLiteral("nom")));
    remplit(QStringLiteral("CmbAlignement"),
            vide + ListeNoms(prog, QStringLiteral("select * from alignements order by ordre"), QStringLiteral("Nom")));
    // Les domaines se proposent depuis la table des domaines, la saisie restant libre.
    remplit(QStringLiteral("cmbDomaine"), vide + ListeNoms(prog, QStringLiteral("select Nom from Domaines order by Nom"),
                                                      QStringLiteral("Nom")));
    for (int i = 0; i < 4; ++i)
        static_cast<QComboBox*>(m_controles.value(QStringLiteral("Domaine_%1").arg(i + 1)))->setEditable(true);

    QStringList classes;
    for (const Ligne& l : prog.selectionne(QStringLiteral("select * from classe order by classe")))
        if (l.booleen(QStringLiteral("affichage")))
            classes.append(l.texte(QStringLiteral("Classe")));
    m_delegueNiveaux->metListe(1, classes);
}

void frmGestPerso::RemplitListe()
{
    const bool chargement = m_chargement;
    m_chargement = true;
    vsPerso->blockSignals(true);
    vsPerso->setRowCount(0);
    // Tous les personnages, même ceux que le choix des fiches écarte.
    const QVector<Ligne> lignes = m_etat.perso->selectionne(QStringLiteral("select Nom, Race from personnage order by nom"));
    vsPerso->setRowCount(int(lignes.size()));
    for (int i = 0; i < lignes.size(); ++i) {
        metCellule(vsPerso, i, 0, lignes[i].texte(QStringLiteral("Nom")));
        metCellule(vsPerso, i, 1, lignes[i].texte(QStringLiteral("Race")));
    }
    vsPerso->blockSignals(false);
    m_chargement = chargement;
}

QWidget* frmGestPerso::controle(const QString& nom) const
{
    return findChild<QWidget*>(nom);
}

void frmGestPerso::execute(const char* procedure, const std::function<void()>& faire)
{
    m_etat.erreurs.protege(procedure, kModule, faire);
}

void frmGestPerso::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (m_positionLue)
        return;
    m_positionLue = true;
    execute("Form_Load", [this] { RestaurePosition(m_etat.cheminIni, this); });
}

void frmGestPerso::closeEvent(QCloseEvent* evenement)
{
    execute("Form_Unload", [this] { EnregistrePosition(m_etat.cheminIni, this); });
    QWidget::closeEvent(evenement);
}

void frmGestPerso::Modifperso()
{
    if (m_chargement)
        return;
    m_modifie = true;
    montreMode();
}

void frmGestPerso::montreMode()
{
    for (QPushButton* b : {btnAjouter, btnSupprimer, btnBackground, BtnFermer, btnRenommer})
        b->setVisible(!m_modifie);
    btnEnregistrer->setVisible(m_modifie);
    btnAnnuler->setVisible(m_modifie);
    vsPerso->setEnabled(!m_modifie);
}

void frmGestPerso::activeBoutonsLignes()
{
    const bool niveau = vsHistoPerso->selectionModel()->hasSelection() && vsHistoPerso->currentRow() >= 0;
    for (QPushButton* b : {btnNivEnlever, btnRemonter, btnRedescendre, btnDonsComp})
        b->setEnabled(niveau);
    btnEquipEnlever->setEnabled(vsEquip->selectionModel()->hasSelection() && vsEquip->currentRow() >= 0);
}

void frmGestPerso::vsPerso_SelChange()
{
    const int ligne = vsPerso->currentRow();
    PersonnageEdite p;
    if (ligne < 0 || !chargePersonnage(*m_etat.perso, cellule(vsPerso, ligne, 0), p)) {
        videPersonnage();
        return;
    }
    affichePersonnage(p);
    niveauxChanges();
    activeBoutonsLignes();
    m_lu = lit();
}

void frmGestPerso::affichePersonnage(const PersonnageEdite& p)
{
    m_chargement = true;
    afficheIdentite(p);
    afficheNiveaux(p.niveaux);
    afficheObjets(p.objets);
    m_chargement = false;
    m_annulations.clear();
}

void frmGestPerso::videPersonnage()
{
    const bool chargement = m_chargement;
    m_chargement = true;
    VideChamps(this);
    vsHistoPerso->setRowCount(0);
    vsEquip->setRowCount(0);
    m_chargement = chargement;
    activeBoutonsLignes();
    m_annulations.clear();
    m_lu = lit();
}

void frmGestPerso::afficheIdentite(const PersonnageEdite& p)
{
    fldstrnom->setText(p.nom);
    CmbRace->setCurrentIndex(CmbRace->findText(p.race, Qt::MatchFixedString));
    for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i) {
        const QString valeur = p.identite.value(i.key());
        if (auto* champ = qobject_cast<QLineEdit*>(i.value())) {
            champ->setText(valeur);
        } else {
            auto* liste = static_cast<QComboBox*>(i.value());
            if (liste->isEditable())
                liste->setCurrentText(valeur);
            else
                liste->setCurrentIndex(liste->findText(valeur, Qt::MatchFixedString));
        }
    }
}

void frmGestPerso::afficheNiveaux(const QVector<NiveauEdite>& niveaux)
{
    vsHistoPerso->setRowCount(0);
    vsHistoPerso->setRowCount(int(niveaux.size()));
    for (int r = 0; r < niveaux.size(); ++r) {
        const NiveauEdite& n = niveaux[r];
        metCellule(vsHistoPerso, r, 0, n.niveau);
        metCellule(vsHistoPerso, r, 1, n.classe);
        metCellule(vsHistoPerso, r, 2, n.pv);
        for (int i = 0; i < 6; ++i)
            metCellule(vsHistoPerso, r, 3 + i, n.caracs[i]);
        metCellule(vsHistoPerso, r, 10, n.competence);
        for (int k = 0; k < 10; ++k) {
            metCellule(vsHistoPerso, r, kPremierDon + k, n.dons[k]);
            metCellule(vsHistoPerso, r, kDernierDon + 1 + k, n.precisions[k]);
        }
        metCellule(vsHistoPerso, r, 31, n.modifInt);
    }
}

void frmGestPerso::afficheObjets(const QVector<ObjetEdite>& objets)
{
    vsEquip->setRowCount(0);
    vsEquip->setRowCount(int(objets.size()));
    for (int r = 0; r < objets.size(); ++r) {
        const ObjetEdite& o = objets[r];
        const QStringList cellules{o.nom, o.type, libellePosition(o.place), o.charge,
                                   o.surPersonnage ? QStringLiteral("Oui") : QStringLiteral("Non"), o.nombre};
        for (int c = 0; c < cellules.size(); ++c)
            metCellule(vsEquip, r, c, cellules[c]);
    }
}

PersonnageEdite frmGestPerso::lit() const
{
    PersonnageEdite p;
    p.nom = fldstrnom->text();
    p.race = CmbRace->currentText();
    for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i) {
        if (auto* champ = qobject_cast<QLineEdit*>(i.value()))
            p.identite.insert(i.key(), champ->text());
        else
            p.identite.insert(i.key(), static_cast<QComboBox*>(i.value())->currentText());
    }
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r) {
        NiveauEdite n;
        n.niveau = cellule(vsHistoPerso, r, 0);
        n.classe = cellule(vsHistoPerso, r, 1);
        n.pv = cellule(vsHistoPerso, r, 2);
        for (int i = 0; i < 6; ++i)
            n.caracs[i] = cellule(vsHistoPerso, r, 3 + i);
        n.competence = cellule(vsHistoPerso, r, 10);
        for (int k = 0; k < 10; ++k) {
            n.dons[k] = cellule(vsHistoPerso, r, kPremierDon + k);
            n.precisions[k] = cellule(vsHistoPerso, r, kDernierDon + 1 + k);
        }
        n.modifInt = cellule(vsHistoPerso, r, 31);
        p.niveaux.append(n);
    }
    for (int r = 0; r < vsEquip->rowCount(); ++r) {
        const std::optional<int> place = numeroPosition(cellule(vsEquip, r, ObjPlace));
        p.objets.append({cellule(vsEquip, r, ObjNom), cellule(vsEquip, r, ObjType),
                         place ? QString::number(*place) : QString(), cellule(vsEquip, r, ObjCharge),
                         cellule(vsEquip, r, ObjNombre), cellule(vsEquip, r, ObjSurPerso) == QLatin1String("Oui")});
    }
    return p;
}

bool frmGestPerso::Enregistre()
{
    const PersonnageEdite p = lit();
    if (const auto refus = ::Enregistre(*m_etat.perso, *m_etat.programme, p, m_races)) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), refus->message);
        if (QWidget* w = controle(refus->controle)) {
            w->setFocus();
            if (refus->ligne >= 0)
                vsHistoPerso->selectRow(refus->ligne);
        }
        return false;
    }
    m_modifie = false;
    m_lu = p;
    m_annulations.clear();
    RemplitListe();
    montreMode();
    TrouveLigne(vsPerso, p.nom, 0);
    Q_EMIT personnagesChanges();
    Q_EMIT personnageEnregistre(p.nom);
    return true;
}

void frmGestPerso::Annule()
{
    if (!m_modifie) {
        FermeFenetre(this);
        return;
    }
    // Rien ne se perd sans l'accord de l'utilisateur ; revenir à ce qui a été lu ne demande rien.
    if (!(lit() == m_lu)) {
        QString nom = fldstrnom->text().trimmed().isEmpty() ? m_lu.nom : fldstrnom->text().trimmed();
        if (nom.isEmpty())
            nom = QStringLiteral("ce personnage");
        if (QMessageBox::question(this, QLatin1String(kTitreApplication),
                                  QStringLiteral("Abandonner les modifications de %1 ?").arg(nom),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    m_modifie = false;
    montreMode();
    vsPerso_SelChange();
}

void frmGestPerso::Ajoute()
{
    frmAjouter choix(this);
    choix.exec();
    if (choix.methode() == MethodeCreation::Manuelle)
        AjouteManuel();
    else if (choix.methode() == MethodeCreation::Assistant)
        AjouteAssistant();
}

void frmGestPerso::AjouteAssistant()
{
    videPersonnage();
    frmAssistant assistant(m_etat, m_races, [this](const PersonnageEdite& p) {
        metPersonnage(p);
        return Enregistre();
    }, this);
    if (assistant.exec() != QDialog::Accepted) {
        // Rien n'a été écrit : la fenêtre revient au personnage choisi dans la liste.
        m_modifie = false;
        montreMode();
        vsPerso_SelChange();
        return;
    }
    // Le premier niveau du personnage créé, prêt pour l'affectation des dons et compétences.
    if (vsHistoPerso->rowCount() > 0)
        vsHistoPerso->selectRow(0);
}

void frmGestPerso::metPersonnage(const PersonnageEdite& p)
{
    affichePersonnage(p);
    Modifperso();
    niveauxChanges();
}

void frmGestPerso::AjouteManuel()
{
    videPersonnage();
    CmbRace->setEnabled(true);
    Modifperso();
    niveauxChanges();
    m_lu = lit();
    fldstrnom->setFocus();
}

void frmGestPerso::Supprime()
{
    const int ligne = vsPerso->currentRow();
    if (ligne < 0)
        return;
    const QString nom = cellule(vsPerso, ligne, 0);
    QMessageBox boite(QMessageBox::Question, QLatin1String(kTitreApplication),
                      QStringLiteral("Confirmation suppression du personnage ") + nom, QMessageBox::Ok | QMessageBox::Cancel,
                      this);
    boite.setDefaultButton(QMessageBox::Cancel);
    if (boite.exec() != QMessageBox::Ok)
        return;
    supprimePersonnage(*m_etat.perso, nom);
    videPersonnage();
    RemplitListe();
    Q_EMIT personnagesChanges();
    Q_EMIT personnageSupprime(nom);
}

void frmGestPerso::btnRenommer_Click()
{
    if (fldstrnom->text().isEmpty())
        return;
    frmRenommer dialogue(fldstrnom->text(), this);
    dialogue.exec();
    Renomme(dialogue.nouveauNom());
}

void frmGestPerso::Renomme(const QString& nouveau)
{
    const QString ancien = fldstrnom->text();
    switch (renommePersonnage(*m_etat.perso, ancien, nouveau)) {
    case ResultatRenommage::Inchange:
        return;
    case ResultatRenommage::NomExistant:
        QMessageBox::warning(this, QLatin1String(kTitreApplication),
                             QStringLiteral("Impossible de renommer vu que ce nouveau nom de personnage existe déjà"));
        return;
    case ResultatRenommage::Renomme:
        break;
    }
    m_chargement = true;
    fldstrnom->setText(nouveau);
    m_chargement = false;
    RemplitListe();
    TrouveLigne(vsPerso, nouveau, 0);
    Q_EMIT personnagesChanges();
    Q_EMIT personnageRenomme(ancien, nouveau);
}

void frmGestPerso::btnBackground_Click()
{
    frmBackHist dialogue(*m_etat.perso, m_etat.erreurs, fldstrnom->text(), this);
    dialogue.exec();
}

void frmGestPerso::InsereNiveau()
{
    const int r = vsHistoPerso->rowCount();
    const QString classe = r > 0 ? cellule(vsHistoPerso, r - 1, 1) : QString();
    const int niveau = r > 0 ? int(Val(cellule(vsHistoPerso, r - 1, 0))) + 1 : 1;
    m_chargement = true;
    vsHistoPerso->insertRow(r);
    metCellule(vsHistoPerso, r, 0, QString::number(niveau));
    metCellule(vsHistoPerso, r, kColonneClasse, classe);
    // Sans classe, les points de vie attendent qu'elle soit choisie.
    metCellule(vsHistoPerso, r, kColonnePV, QString());
    classeChangee(r);
    m_chargement = false;
    m_annulations.clear();
    vsHistoPerso->setCurrentCell(r, 1);
    Modifperso();
    niveauxChanges();
}

void frmGestPerso::EnleveNiveau()
{
    const int r = vsHistoPerso->currentRow();
    if (r < 0)
        return;
    vsHistoPerso->removeRow(r);
    m_annulations.clear();
    // Les niveaux suivants de la même classe descendent d'un cran : pas de trou à l'enregistrement.
    classeChangee(-1);
    Modifperso();
    niveauxChanges();
    activeBoutonsLignes();
}

void frmGestPerso::DeplaceNiveau(int sens)
{
    const int r = vsHistoPerso->currentRow();
    const int cible = r + sens;
    if (r < 0 || cible < 0 || cible >= vsHistoPerso->rowCount())
        return;
    m_chargement = true;
    for (int c = 0; c < kColonnesNiveaux; ++c) {
        QTableWidgetItem* haut = vsHistoPerso->takeItem(r, c);
        QTableWidgetItem* bas = vsHistoPerso->takeItem(cible, c);
        vsHistoPerso->setItem(r, c, bas ? bas : new QTableWidgetItem);
        vsHistoPerso->setItem(cible, c, haut ? haut : new QTableWidgetItem);
    }
    m_chargement = false;
    m_annulations.clear();
    vsHistoPerso->setCurrentCell(cible, qMax(0, vsHistoPerso->currentColumn()));
    vsHistoPerso->selectRow(cible);
    Modifperso();
    niveauxChanges();
}

void frmGestPerso::AffecteDonsCompetences()
{
    const int r = vsHistoPerso->currentRow();
    if (r < 0)
        return;
    // La fenêtre garde une référence sur le personnage lu : il doit vivre aussi longtemps qu'elle.
    const PersonnageEdite personnage = lit();
    frmDonsComp fenetre(*m_etat.perso, *m_etat.programme, personnage, r, this);
    fenetre.utiliseGestionErreurs(m_etat.erreurs);
    connect(&fenetre, &frmDonsComp::donDemande, this, [this, &fenetre](const QString& don) {
        m_etat.erreurs.protege("vs1_DblClick", kModule, [&] { MontreDon(m_etat, don, &fenetre); });
    });
    connect(&fenetre, &frmDonsComp::competenceDemandee, this, [this, &fenetre](const QString& cle) {
        m_etat.erreurs.protege("LabCompetence_DblClick", kModule, [&] { MontreCompetence(m_etat, cle, &fenetre); });
    });
    if (fenetre.exec() != QDialog::Accepted)
        return;
    const NiveauEdite& n = fenetre.niveau();
    m_chargement = true;
    metCellule(vsHistoPerso, r, 10, n.competence);
    for (int k = 0; k < 10; ++k) {
        metCellule(vsHistoPerso, r, kPremierDon + k, n.dons[k]);
        metCellule(vsHistoPerso, r, kDernierDon + 1 + k, n.precisions[k]);
    }
    m_chargement = false;
    m_annulations.clear();
    Modifperso();
    niveauxChanges();
}

void frmGestPerso::InsereObjet(bool achat)
{
    const int r = vsEquip->rowCount();
    vsEquip->insertRow(r);
    Modifperso();
    vsEquip->setCurrentCell(r, ObjType);
    // Une liste fermée sans choix ne laisse pas de ligne vide.
    if (!choisitObjet(r, achat)) {
        vsEquip->removeRow(r);
    } else {
        // L'objet se porte de lui-même à son emplacement quand celui-ci est libre.
        QSet<int> occupees;
        for (int k = 0; k < vsEquip->rowCount(); ++k)
            if (const std::optional<int> place = numeroPosition(cellule(vsEquip, k, ObjPlace)); place && k != r)
                occupees.insert(*place);
        if (const auto place = placeNaturelleLibre(*m_etat.perso, *m_etat.programme, cellule(vsEquip, r, ObjNom), occupees))
            metCellule(vsEquip, r, ObjPlace, libellePosition(QString::number(*place)));
    }
    m_annulations.clear();
    activeBoutonsLignes();
}

bool frmGestPerso::choisitObjet(int ligne, bool achat)
{
    FrmLstArticle liste(*m_etat.perso, achat, vsEquip, ligne, fldnTotalPo, fldstrnom->text().trimmed(), this);
    return liste.exec() == QDialog::Accepted;
}

void frmGestPerso::EnleveObjet()
{
    const int r = vsEquip->currentRow();
    if (r < 0)
        return;
    const QString nom = cellule(vsEquip, r, ObjNom);
    const double prix = prixNeufObjet(*m_etat.perso, nom, cellule(vsEquip, r, ObjCharge));
    frmVendre vente(nom, prix, cellule(vsEquip, r, ObjNombre), vsEquip, r, fldnTotalPo, this);
    if (vente.exec() == QDialog::Accepted)
        Modifperso();
    m_annulations.clear();
    activeBoutonsLignes();
}

void frmGestPerso::celluleNiveauChangee(QTableWidgetItem* item)
{
    Modifperso();
    if (item->column() == kColonneClasse) {
        classeChangee(item->row());
    } else if (item->column() == kColonnePV) {
        m_chargement = true;
        item->setData(kRoleTire, QVariant());
        m_chargement = false;
    }
    niveauxChanges();
}

void frmGestPerso::classeChangee(int ligne)
{
    const bool chargement = m_chargement;
    m_chargement = true;
    const QTableWidgetItem* pv = vsHistoPerso->item(ligne, kColonnePV);
    if (ligne >= 0 && (!pv || pv->text().trimmed().isEmpty() || pv->data(kRoleTire).toBool())) {
        const QString archetype = static_cast<QComboBox*>(m_controles.value(QStringLiteral("Archetype")))->currentText();
        if (const auto jet = tirePointsDeVie(*m_etat.programme, cellule(vsHistoPerso, ligne, kColonneClasse), archetype, *m_hasard)) {
            metCellule(vsHistoPerso, ligne, kColonnePV, QString::number(*jet));
            vsHistoPerso->item(ligne, kColonnePV)->setData(kRoleTire, true);
        }
    }
    QStringList classes;
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r)
        classes.append(cellule(vsHistoPerso, r, kColonneClasse));
    const QVector<int> numeros = numeroteNiveaux(*m_etat.programme, classes);
    for (int r = 0; r < numeros.size(); ++r)
        if (numeros[r] > 0 && cellule(vsHistoPerso, r, 0) != QString::number(numeros[r]))
            metCellule(vsHistoPerso, r, 0, QString::number(numeros[r]));
    m_chargement = chargement;
}

void frmGestPerso::celluleObjetChangee(QTableWidgetItem* item)
{
    Modifperso();
    const QString position = item->text();
    if (item->column() != ObjPlace || position.isEmpty())
        return;
    // Comme sur la fiche, l'objet qui occupait l'emplacement retourne sans emplacement.
    m_chargement = true;
    for (int r = 0; r < vsEquip->rowCount(); ++r)
        if (r != item->row() && cellule(vsEquip, r, ObjPlace) == position)
            metCellule(vsEquip, r, ObjPlace, QString());
    m_chargement = false;
}

void frmGestPerso::retientGrille(QTableWidget* grille)
{
    Annulation a{grille, {}};
    for (int r = 0; r < grille->rowCount(); ++r) {
        QVector<QPair<QString, QVariant>> ligne;
        for (int c = 0; c < grille->columnCount(); ++c) {
            const QTableWidgetItem* item = grille->item(r, c);
            ligne.append({item ? item->text() : QString(), item ? item->data(kRoleTire) : QVariant()});
        }
        a.cellules.append(ligne);
    }
    m_annulations.append(a);
    if (m_annulations.size() > kAnnulationsGardees)
        m_annulations.removeFirst();
}

void frmGestPerso::Defait()
{
    if (m_annulations.isEmpty())
        return;
    const Annulation a = m_annulations.takeLast();
    m_chargement = true;
    for (int r = 0; r < a.cellules.size() && r < a.grille->rowCount(); ++r) {
        for (int c = 0; c < a.cellules[r].size(); ++c) {
            const auto& [texte, tire] = a.cellules[r][c];
            if (!a.grille->item(r, c) && texte.isEmpty())
                continue;
            metCellule(a.grille, r, c, texte);
            a.grille->item(r, c)->setData(kRoleTire, tire);
        }
    }
    m_chargement = false;
    Modifperso();
    if (a.grille == vsHistoPerso)
        niveauxChanges();
}

void frmGestPerso::niveauxChanges()
{
    activeChampsDeClasse();
    MarqueDons();
}

void frmGestPerso::MarqueDons()
{
    const bool aPrendre = ChkDonsAPrendre->isChecked();
    const bool obtenus = ChkDonsObtenus->isChecked();
    const bool chargement = m_chargement;
    m_chargement = true;
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r) {
        int pris = 0;
        for (int c = kPremierDon; c <= kDernierDon; ++c)
            if (!cellule(vsHistoPerso, r, c).isEmpty())
                ++pris;
        const bool manque =
            aPrendre
            && pris < donsAttendus(*m_etat.programme, cellule(vsHistoPerso, r, 1), int(Val(cellule(vsHistoPerso, r, 0))), r + 1,
                                   CmbRace->currentText());
        const bool marque = obtenus && pris > 0;
        const QBrush fond = manque && marque ? QBrush(kCouleurLesDeux)
                            : manque         ? QBrush(kCouleurAPrendre)
                            : marque         ? QBrush(kCouleurObtenus)
                                             : QBrush();
        for (int c = 0; c < kColonnesNiveauxVisibles; ++c) {
            if (!vsHistoPerso->item(r, c))
                vsHistoPerso->setItem(r, c, new QTableWidgetItem);
            vsHistoPerso->item(r, c)->setBackground(fond);
        }
    }
    m_chargement = chargement;
}

void frmGestPerso::activeChampsDeClasse()
{
    QStringList classes;
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r)
        classes.append(cellule(vsHistoPerso, r, 1).toUpper());
    auto aUne = [&classes](std::initializer_list<const char*> liste) {
        for (const char* c : liste)
            if (classes.contains(QString::fromUtf8(c).toUpper()))
                return true;
        return false;
    };
    const QString race = CmbRace->currentText();
    const bool raceDomaines = QStringList{QStringLiteral("Ange solar"), QStringLiteral("Ange planétar"),
                                          QStringLiteral("Archon messager"), QStringLiteral("Ghaele")}
                                  .contains(race, Qt::CaseInsensitive);
    const QList<QPair<QStringList, bool>> groupes{
        {{QStringLiteral("CmbEcoleSpecialisation"), QStringLiteral("CmbEcole_interdite")},
         aUne({"MAGICIEN", "INCANTATRIXE", "MAGICIEN ELFE"})},
        {{QStringLiteral("cmbDomaine")}, raceDomaines || aUne({"Prêtre", "DRUIDE", "Prêtre cloîtré", "Croisé divin"})},
        {{QStringLiteral("CmbElu")}, aUne({"ELU DIVIN"})},
        {{QStringLiteral("CmbSorcier")}, aUne({"SORCIER", "Savant élémentaire"})},
        {{QStringLiteral("CmbWujen")}, aUne({"WUJEN"})},
        {{QStringLiteral("CmbShugenja")}, aUne({"SHUGENJA"})},
        {{QStringLiteral("CmbDragonTotem")}, aUne({"DRAGON SHAMAN"})}};
    const bool chargement = m_chargement;
    m_chargement = true;
    for (QWidget* w : m_controles) {
        for (const auto& [prefixes, actif] : groupes) {
            for (const QString& prefixe : prefixes) {
                if (!w->objectName().startsWith(prefixe))
                    continue;
                w->setEnabled(actif);
                if (!actif) {
                    auto* liste = static_cast<QComboBox*>(w);
                    liste->setCurrentIndex(-1);
                    if (liste->isEditable())
                        liste->setEditText(QString());
                }
            }
        }
    }
    m_chargement = chargement;
}

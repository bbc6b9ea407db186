#include "frmAssistant.h"
#include "DescriptionsAssistant.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/Hasard.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Utilitaires.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmAssistant.cpp";
const char* const kChampsCaracs[6] = {"fldnFor", "fldnDex", "fldnCon", "fldnInt", "fldnSag", "fldnCha"};
const QStringList kVide{QString()};

QLabel* libelle(const QString& texte, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setBuddy(buddy);
    return l;
}

QComboBox* liste(const char* nom, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromUtf8(nom));
    c->setMinimumContentsLength(14);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

QLineEdit* champ(const char* nom, QWidget* parent, bool numerique = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromUtf8(nom));
    if (numerique)
        e->setProperty("Tag", QStringLiteral("numeric"));
    return e;
}

QTextBrowser* zoneTexte(const char* nom, QWidget* parent)
{
    auto* t = new QTextBrowser(parent);
    t->setObjectName(QString::fromUtf8(nom));
    t->setOpenLinks(false);
    // Lue, pas saisie : la touche Tab passe au contrôle suivant.
    t->setTabChangesFocus(true);
    t->setFocusPolicy(Qt::ClickFocus);
    return t;
}

// Sélectionne l'élément de ce texte (sans égard à la casse) ; rien quand il n'y est pas.
void choisit(QComboBox* c, const QString& texte)
{
    const int i = c->findText(texte, Qt::MatchFixedString);
    if (i >= 0)
        c->setCurrentIndex(i);
}

QString signe(int valeur)
{
    return valeur >= 0 ? QStringLiteral("+") + QString::number(valeur) : QString::number(valeur);
}

QPixmap image(const QString& chemin)
{
    QPixmap p;
    if (!chemin.isEmpty() && p.load(chemin))
        return p.scaled(200, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return {};
}

// Une étape : les champs à gauche, l'image et le texte d'explication à droite.
void disposeEtape(QWidget* page, QLayout* champs, QLabel* image, QTextBrowser* texte)
{
    auto* droite = new QVBoxLayout;
    droite->addWidget(image);
    droite->addWidget(texte, 1);
    auto* disposition = new QHBoxLayout(page);
    disposition->addLayout(champs, 3);
    disposition->addLayout(droite, 2);
}

} // namespace

frmAssistant::frmAssistant(EtatShell& etat, QStringList racesEditeur, Enregistrement enregistre, QWidget* parent)
    : QDialog(parent), m_etat(etat), m_programme(*etat.programme), m_racesEditeur(std::move(racesEditeur)),
      m_enregistre(std::move(enregistre)), m_tirages(RndDepuis(Hasard()))
{
    setObjectName(QStringLiteral("frmAssistant"));
    setWindowTitle(QStringLiteral("Assistant de création de personnage"));
    m_calculResume = std::make_unique<ResumeAssistant>(m_programme, etat.dossierProgramme);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(creeIdentite(), QStringLiteral("1. Identité"));
    SSTab1->addTab(creeCaracteristiques(), QStringLiteral("2. Caractéristiques"));
    SSTab1->addTab(creeDescription(), QStringLiteral("3. Description et dieu"));
    SSTab1->addTab(creeClasse(), QStringLiteral("4. Classe et niveau"));

    Command1 = new QPushButton(QStringLiteral("&Précédent"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    btnSuivant = new QPushButton(QStringLiteral("&Suivant"), this);
    btnSuivant->setObjectName(QStringLiteral("btnSuivant"));
    auto* btnAnnuler = new QPushButton(QStringLiteral("Annuler (Échap)"), this);
    btnAnnuler->setObjectName(QStringLiteral("btnAnnuler"));
    btnAnnuler->setToolTip(QStringLiteral("Ferme l'assistant sans rien enregistrer"));
    // Entrée vaut "&Suivant", quel que soit le contrôle qui a le focus.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    btnSuivant->setDefault(true);
    connect(btnSuivant, &QPushButton::clicked, this, [this] { execute("btnSuivant_Click", [this] { Suivant(); }); });
    connect(Command1, &QPushButton::clicked, this, [this] { execute("Command1_Click", [this] { Precedent(); }); });
    connect(btnAnnuler, &QPushButton::clicked, this, &frmAssistant::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnAnnuler);
    boutons->addStretch();
    boutons->addWidget(Command1);
    boutons->addWidget(btnSuivant);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(SSTab1, 1);
    disposition->addLayout(boutons);

    execute("Form_Load", [this] { chargeListes(); });

    // Toute saisie de l'utilisateur demandera confirmation avant d'abandonner.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, &frmAssistant::saisie);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::activated, this, &frmAssistant::saisie);
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b) || b == btnGenerer)
            connect(b, &QAbstractButton::clicked, this, &frmAssistant::saisie);

    resize(980, 660);
    montreFrame(0);
}

frmAssistant::~frmAssistant() = default;

QWidget* frmAssistant::creeIdentite()
{
    auto* page = new QWidget(this);
    fldstrnom = champ("fldstrnom", page);
    fldstrnom->setMaxLength(50);
    CmbRace = liste("CmbRace", page);
    ChkMonstre = new QCheckBox(QStringLiteral("Monstre"), page);
    ChkMonstre->setObjectName(QStringLiteral("ChkMonstre"));
    ChkMonstre->setToolTip(QStringLiteral("Si sélectionné, rajoute les races monstrueuses"));
    fldnAjustementNiveau = champ("fldnAjustementNiveau", page, true);
    fldnAjustementNiveau->setText(QStringLiteral("0"));
    fldnAjustementNiveau->setMaximumWidth(60);
    fldnAjustementNiveau->setToolTip(QStringLiteral("Ajustement de niveau le plus fort des races proposées"));
    CmbArchetype = liste("CmbArchétype", page);
    CmbAlignement = liste("CmbAlignement", page);
    CmbSexe = liste("CmbSexe", page);
    CmbSexe->addItems({QString(), QStringLiteral("Masculin"), QStringLiteral("Féminin")});
    for (int i = 0; i < 4; ++i)
        CmbProfession[i] = liste(QStringLiteral("CmbProfession_%1").arg(i).toUtf8().constData(), page);
    for (int i = 0; i < 3; ++i)
        CmbArtisanat[i] = liste(QStringLiteral("CmbArtisanat_%1").arg(i).toUtf8().constData(), page);
    fldstrDescriptionRacesArch = zoneTexte("fldstrDescriptionRacesArch", page);
    ImageRace = new QLabel(page);
    ImageRace->setObjectName(QStringLiteral("ImageRace"));
    ImageRace->setAlignment(Qt::AlignCenter);

    auto* g = new QGridLayout;
    int r = 0;
    g->addWidget(libelle(QStringLiteral("&Nom"), fldstrnom, page), r, 0);
    g->addWidget(fldstrnom, r++, 1, 1, 2);
    g->addWidget(libelle(QStringLiteral("&Race"), CmbRace, page), r, 0);
    g->addWidget(CmbRace, r++, 1, 1, 2);
    auto* monstre = new QHBoxLayout;
    monstre->addWidget(ChkMonstre);
    monstre->addSpacing(12);
    monstre->addWidget(libelle(QStringLiteral("Ajustement niveau max"), fldnAjustementNiveau, page));
    monstre->addWidget(fldnAjustementNiveau);
    monstre->addStretch();
    g->addLayout(monstre, r++, 1, 1, 2);
    g->addWidget(libelle(QStringLiteral("Arc&hétype"), CmbArchetype, page), r, 0);
    g->addWidget(CmbArchetype, r++, 1, 1, 2);
    g->addWidget(libelle(QStringLiteral("A&lignement"), CmbAlignement, page), r, 0);
    g->addWidget(CmbAlignement, r++, 1, 1, 2);
    g->addWidget(libelle(QStringLiteral("Se&xe"), CmbSexe, page), r, 0);
    g->addWidget(CmbSexe, r++, 1, 1, 2);
    g->addWidget(libelle(QStringLiteral("Pr&ofessions"), CmbProfession[0], page), r, 0);
    for (int i = 0; i < 4; ++i)
        g->addWidget(CmbProfession[i], r + i / 2, 1 + i % 2);
    r += 2;
    g->addWidget(libelle(QStringLiteral("Ar&tisanats"), CmbArtisanat[0], page), r, 0);
    for (int i = 0; i < 3; ++i)
        g->addWidget(CmbArtisanat[i], r + i / 2, 1 + i % 2);
    r += 2;
    g->setRowStretch(r, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 1);

    disposeEtape(page, g, ImageRace, fldstrDescriptionRacesArch);

    connect(CmbRace, &QComboBox::currentTextChanged, this, [this] { execute("CmbRace_Click", [this] { decritIdentite(); }); });
    connect(CmbArchetype, &QComboBox::currentTextChanged, this,
            [this] { execute("CmbArchetype_Click", [this] { decritIdentite(); }); });
    connect(CmbAlignement, &QComboBox::currentTextChanged, this,
            [this] { execute("CmbAlignement_Click", [this] { decritIdentite(); }); });
    connect(CmbSexe, &QComboBox::currentTextChanged, this, [this] { execute("CmbSexe_Click", [this] { titresDuSexe(); }); });
    connect(ChkMonstre, &QCheckBox::toggled, this, [this] { execute("ChkMonstre_Click", [this] { chargeRaces(); }); });
    connect(fldnAjustementNiveau, &QLineEdit::textChanged, this,
            [this] { execute("fldnAjustementNiveau_Change", [this] { chargeRaces(); }); });
    return page;
}

QWidget* frmAssistant::creeCaracteristiques()
{
    auto* page = new QWidget(this);
    const QStringList entetes{QStringLiteral("Score de base"), QStringLiteral("Score modifié"), QStringLiteral("Modificateur")};
    auto* g = new QGridLayout;
    for (int i = 0; i < 9; ++i) {
        Carac[i] = new QLabel(i < 6 ? NomsCaracs()[i] : entetes[i - 6], page);
        Carac[i]->setObjectName(QStringLiteral("Carac_%1").arg(i));
        Carac[i]->setCursor(Qt::PointingHandCursor);
        Carac[i]->setToolTip(QStringLiteral("Cliquez pour lire l'explication"));
        Carac[i]->installEventFilter(this);
    }
    for (int k = 0; k < 3; ++k)
        g->addWidget(Carac[6 + k], 0, 1 + k, Qt::AlignCenter);
    for (int i = 0; i < 6; ++i) {
        g->addWidget(Carac[i], i + 1, 0);
        for (int k = 0; k < 3; ++k) {
            QLineEdit* e = champ(QStringLiteral("%1_%2").arg(QLatin1String(kChampsCaracs[i])).arg(k).toUtf8().constData(),
                                 page, true);
            e->setMaximumWidth(80);
            e->setAlignment(Qt::AlignCenter);
            if (k > 0) {
                // Calculés : ils se lisent, ne se saisissent pas.
                e->setReadOnly(true);
                e->setFocusPolicy(Qt::NoFocus);
                e->setStyleSheet(QStringLiteral("background: palette(window);"));
            } else {
                e->installEventFilter(this);
                connect(e, &QLineEdit::textChanged, this, [this] { execute("fldnCarac_Change", [this] { ActualiseCarac(); }); });
            }
            fldnCaracs[i][k] = e;
            g->addWidget(e, i + 1, 1 + k, Qt::AlignCenter);
        }
    }
    g->setRowStretch(7, 1);

    auto* methodes = new QGroupBox(QStringLiteral("Méthode"), page);
    auto* m = new QVBoxLayout(methodes);
    auto* groupe = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        NombrePoints[i] = new QRadioButton(Methode(static_cast<MethodeCarac>(i)).libelle, methodes);
        NombrePoints[i]->setObjectName(QStringLiteral("NombrePoints_%1").arg(i));
        groupe->addButton(NombrePoints[i], i);
        m->addWidget(NombrePoints[i]);
    }
    connect(groupe, &QButtonGroup::idClicked, this,
            [this](int i) { execute("NombrePoints_Click", [this, i] { choisitMethode(i); }); });

    auto* points = new QGridLayout;
    const QStringList libelles{QStringLiteral("Points dépensés"), QStringLiteral("Total points"), QStringLiteral("Reste")};
    for (int k = 0; k < 3; ++k) {
        fldnPoints[k] = champ(QStringLiteral("fldnPoints_%1").arg(k).toUtf8().constData(), page, true);
        fldnPoints[k]->setMaximumWidth(80);
        fldnPoints[k]->setAlignment(Qt::AlignCenter);
        fldnPoints[k]->setReadOnly(true);
        if (k != 1)
            fldnPoints[k]->setFocusPolicy(Qt::NoFocus);
        points->addWidget(new QLabel(libelles[k], page), k, 0);
        points->addWidget(fldnPoints[k], k, 1);
    }
    connect(fldnPoints[1], &QLineEdit::textChanged, this, [this] { execute("fldnPoints_Change", [this] { ActualiseCarac(); }); });
    ModeManuel = new QCheckBox(QStringLiteral("Mode manuel"), page);
    ModeManuel->setObjectName(QStringLiteral("ModeManuel"));
    ModeManuel->setToolTip(QStringLiteral("Permet de saisir soi-même le total des points"));
    connect(ModeManuel, &QCheckBox::toggled, this, [this](bool manuel) { fldnPoints[1]->setReadOnly(!manuel); });
    points->addWidget(ModeManuel, 3, 0, 1, 2);

    auto* droite = new QVBoxLayout;
    droite->addWidget(methodes);
    droite->addLayout(points);
    droite->addStretch();
    auto* haut = new QHBoxLayout;
    haut->addLayout(g, 3);
    haut->addLayout(droite, 2);
    fldstrDescriptionCarac = zoneTexte("fldstrDescriptionCarac", page);
    auto* disposition = new QVBoxLayout(page);
    disposition->addLayout(haut);
    disposition->addWidget(fldstrDescriptionCarac, 1);
    return page;
}

QWidget* frmAssistant::creeDescription()
{
    auto* page = new QWidget(this);
    fldnTaille = champ("fldnTaille", page, true);
    fldnPoids = champ("fldnPoids", page, true);
    fldnBeaute = champ("fldnBeaute", page, true);
    fldnAge = champ("fldnAge", page, true);
    fldstrDate = champ("fldstrDate", page);
    CmbYeux = liste("CmbYeux", page);
    CmbCheveux = liste("CmbCheveux", page);
    CmbProfil = liste("CmbProfil", page);
    CmbTitre = liste("CmbTitre", page);
    btnGenerer = new QPushButton(QStringLiteral("&Générer"), page);
    btnGenerer->setObjectName(QStringLiteral("Generer"));
    btnGenerer->setToolTip(QStringLiteral("Tire la taille, le poids, la beauté et la date de naissance"));
    CmbRoyaume = liste("CmbRoyaume", page);
    CmbAlignementDieu = liste("CmbAlignementDieu", page);
    CmbRaceDieu = liste("CmbRaceDieu", page);
    CmbDieu = liste("CmbDieu", page);
    fldstrDescriptionPhysique = zoneTexte("fldstrDescriptionPhysique", page);
    ImageDieu = new QLabel(page);
    ImageDieu->setObjectName(QStringLiteral("ImageDieu"));
    ImageDieu->setAlignment(Qt::AlignCenter);

    auto* corps = new QGroupBox(QStringLiteral("Description physique"), page);
    auto* g = new QGridLayout(corps);
    const QList<QPair<const char*, QWidget*>> champs{
        {"Taille (cm)", fldnTaille}, {"Poids (kg)", fldnPoids},       {"Beauté", fldnBeaute},
        {"Âge", fldnAge},            {"Date de naissance", fldstrDate}, {"Yeux", CmbYeux},
        {"Cheveux", CmbCheveux},     {"Profil", CmbProfil},           {"Titre", CmbTitre}};
    for (int i = 0; i < champs.size(); ++i) {
        g->addWidget(libelle(QString::fromUtf8(champs[i].first), champs[i].second, corps), i / 2, (i % 2) * 2);
        g->addWidget(champs[i].second, i / 2, (i % 2) * 2 + 1);
    }
    g->addWidget(btnGenerer, int(champs.size()) / 2, 3, Qt::AlignRight);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    auto* dieux = new QGroupBox(QStringLiteral("Dieu"), page);
    auto* d = new QGridLayout(dieux);
    const QList<QPair<const char*, QWidget*>> filtres{{"Royaume du dieu", CmbRoyaume},
                                                     {"Alignement du dieu", CmbAlignementDieu},
                                                     {"Race du dieu", CmbRaceDieu},
                                                     {"Choix du Dieu", CmbDieu}};
    for (int i = 0; i < filtres.size(); ++i) {
        d->addWidget(libelle(QString::fromUtf8(filtres[i].first), filtres[i].second, dieux), i, 0);
        d->addWidget(filtres[i].second, i, 1);
    }
    d->setColumnStretch(1, 1);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(corps);
    gauche->addWidget(dieux);
    gauche->addStretch();
    disposeEtape(page, gauche, ImageDieu, fldstrDescriptionPhysique);

    connect(btnGenerer, &QPushButton::clicked, this, [this] { execute("Generer_Click", [this] { Generer(); }); });
    connect(CmbTitre, &QComboBox::currentTextChanged, this,
            [this] { execute("CmbTitre_Click", [this] { decritDescription(false); }); });
    connect(CmbDieu, &QComboBox::currentTextChanged, this,
            [this] { execute("CmbDieu_Click", [this] { decritDescription(true); }); });
    for (QComboBox* filtre : {CmbRoyaume, CmbAlignementDieu, CmbRaceDieu})
        connect(filtre, &QComboBox::activated, this, [this] { execute("ChoixDieu", [this] { ChoixDieu(); }); });
    return page;
}

QWidget* frmAssistant::creeClasse()
{
    auto* page = new QWidget(this);
    CmbClasse = liste("CmbClasse", page);
    fldnNiveau = champ("fldnNiveau", page, true);
    fldnNiveau->setMaximumWidth(80);
    auto* g = new QGridLayout;
    g->addWidget(libelle(QStringLiteral("&Classe"), CmbClasse, page), 0, 0);
    g->addWidget(CmbClasse, 0, 1);
    g->addWidget(libelle(QStringLiteral("Niveau"), fldnNiveau, page), 1, 0);
    g->addWidget(fldnNiveau, 1, 1, Qt::AlignLeft);
    for (int i = 0; i < 3; ++i) {
        CmbChoix[i] = liste(QStringLiteral("CmbChoix_%1").arg(i).toUtf8().constData(), page);
        LabChoix[i] = libelle(QString(), CmbChoix[i], page);
        LabChoix[i]->setObjectName(QStringLiteral("LabChoix_%1").arg(i));
        g->addWidget(LabChoix[i], 2 + i, 0);
        g->addWidget(CmbChoix[i], 2 + i, 1);
        connect(CmbChoix[i], &QComboBox::currentTextChanged, this,
                [this, i] { execute("CmbChoix_Click", [this, i] { decritChoix(i); }); });
    }
    g->setColumnStretch(1, 1);

    auto* cadreResume = new QGroupBox(QStringLiteral("Résumé du personnage"), page);
    // Une rangée par valeur de la fiche ; le message d'un contrôle refusé les remplace.
    auto* r = new QGridLayout(cadreResume);
    fldstrResume = new QLabel(cadreResume);
    fldstrResume->setObjectName(QStringLiteral("fldstrResume"));
    fldstrResume->setWordWrap(true);
    r->addWidget(fldstrResume, 0, 0, 1, 2);
    const QStringList libelles{QStringLiteral("Points de vie"), QStringLiteral("Attaque de base"),
                               QStringLiteral("Classe d'armure"), QStringLiteral("Réflexe"), QStringLiteral("Vigueur"),
                               QStringLiteral("Volonté"), QStringLiteral("Points de compétence à répartir")};
    for (int i = 0; i < libelles.size(); ++i) {
        auto* valeur = new QLabel(cadreResume);
        valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valeur->setStyleSheet(QStringLiteral("font-weight: bold;"));
        r->addWidget(new QLabel(libelles[i], cadreResume), i + 1, 0);
        r->addWidget(valeur, i + 1, 1);
        m_valeursResume.append(valeur);
    }

    auto* gauche = new QVBoxLayout;
    gauche->addLayout(g);
    gauche->addWidget(cadreResume);
    auto* suite = new QLabel(QStringLiteral("« Suivant » enregistre le personnage. Ses dons et ses rangs de compétence se "
                                            "choisissent ensuite, niveau par niveau, dans la gestion des personnages."),
                             page);
    suite->setWordWrap(true);
    gauche->addWidget(suite);
    gauche->addStretch();
    fldstrDescriptionClasse = zoneTexte("fldstrDescriptionClasse", page);
    auto* disposition = new QHBoxLayout(page);
    disposition->addLayout(gauche, 2);
    disposition->addWidget(fldstrDescriptionClasse, 3);

    connect(CmbClasse, &QComboBox::currentTextChanged, this,
            [this] { execute("CmbClasse_Click", [this] { choisitClasse(); }); });
    connect(fldnNiveau, &QLineEdit::textChanged, this, [this] { execute("fldnNiveau_Change", [this] { actualiseResume(); }); });
    return page;
}

void frmAssistant::chargeListes()
{
    m_chargement = true;
    const auto remplit = [](QComboBox* c, const QStringList& elements) {
        c->clear();
        c->addItems(kVide + elements);
    };
    BaseDonnees& p = m_programme;
    remplit(CmbArchetype, ListeNoms(p, QStringLiteral("select * from archetype order by archetype"), QStringLiteral("Archetype")));
    const QStringList alignements =
        ListeNoms(p, QStringLiteral("select * from alignements order by ordre"), QStringLiteral("Nom"));
    remplit(CmbAlignement, alignements);
    remplit(CmbAlignementDieu, alignements);
    for (QComboBox* c : CmbProfession)
        remplit(c, ListeNoms(p, QStringLiteral("select * from profession order by nom"), QStringLiteral("Nom")));
    for (QComboBox* c : CmbArtisanat)
        remplit(c, ListeNoms(p, QStringLiteral("select * from artisanat order by nom"), QStringLiteral("Nom")));
    remplit(CmbYeux, ListeNoms(p, QStringLiteral("select * from Yeux order by nom"), QStringLiteral("Nom")));
    remplit(CmbCheveux, ListeNoms(p, QStringLiteral("select * from cheveux order by nom"), QStringLiteral("Nom")));
    remplit(CmbProfil, ListeNoms(p, QStringLiteral("select * from profil order by nom"), QStringLiteral("Nom")));
    remplit(CmbDieu, ListeNoms(p, QStringLiteral("select * from dieu order by nom"), QStringLiteral("Nom")));
    remplit(CmbRoyaume, {QStringLiteral("Faerûn"), QStringLiteral("Greyhawk")});
    remplit(CmbRaceDieu, ListeNoms(p, QStringLiteral("select * from dieurace order by nom"), QStringLiteral("nom")));
    QStringList classes;
    for (const Ligne& l : p.selectionne(QStringLiteral("select * from classe order by classe")))
        if (l.booleen(QStringLiteral("affichage")))
            classes.append(l.texte(QStringLiteral("Classe")));
    remplit(CmbClasse, classes);
    fldnNiveau->setText(QStringLiteral("1"));
    for (QLineEdit* e : {fldnTaille, fldnPoids, fldnBeaute, fldnAge})
        e->setText(QStringLiteral("0"));

    // Achat de points d'élite, avec les valeurs qui le dépensent exactement.
    const std::array<int, 6> elite{15, 14, 13, 12, 10, 8};
    for (int i = 0; i < 6; ++i)
        fldnCaracs[i][0]->setText(QString::number(elite[i]));
    NombrePoints[m_methode]->setChecked(true);
    fldnPoints[1]->setText(QString::number(Methode(MethodeCarac::Elite).budget));
    fldstrDescriptionCarac->setPlainText(Methode(MethodeCarac::Elite).description);
    m_chargement = false;

    chargeRaces();
    choisit(CmbRace, QStringLiteral("Humain"));
    choisit(CmbAlignement, QStringLiteral("Neutre"));
    choisit(CmbSexe, QStringLiteral("Masculin"));
    decritIdentite();
    titresDuSexe();
    ActualiseCarac();
}

void frmAssistant::chargeRaces()
{
    const bool monstre = ChkMonstre->isChecked();
    fldnAjustementNiveau->setEnabled(!monstre);
    const QString actuelle = CmbRace->currentText();
    const QStringList races =
        RacesAssistant(m_programme, m_racesEditeur, monstre, ValideCarac(fldnAjustementNiveau->text()));
    const bool chargement = m_chargement;
    m_chargement = true;
    CmbRace->clear();
    CmbRace->addItems(kVide + races);
    m_chargement = chargement;
    // La race choisie reste quand la liste la garde ; sinon l'humain.
    choisit(CmbRace, races.contains(actuelle) ? actuelle : QStringLiteral("Humain"));
    decritIdentite();
}

void frmAssistant::montreFrame(int etape)
{
    m_etape = qBound(0, etape, 3);
    for (int i = 0; i < SSTab1->count(); ++i)
        SSTab1->setTabVisible(i, i == m_etape);
    SSTab1->setCurrentIndex(m_etape);
    Command1->setEnabled(m_etape > 0);
    switch (m_etape) {
    case 0:
        decritIdentite();
        fldstrnom->setFocus();
        break;
    case 1:
        ActualiseCarac();
        fldnCaracs[0][0]->setFocus();
        break;
    case 2:
        fldnTaille->setFocus();
        break;
    default:
        choisitClasse();
        CmbClasse->setFocus();
        break;
    }
}

void frmAssistant::Precedent()
{
    montreFrame(m_etape - 1);
}

void frmAssistant::Suivant()
{
    const ChoixAssistant c = choix();
    switch (m_etape) {
    case 0:
        if (const auto r = ControleIdentite(c)) {
            refuse(r->message, r->controle);
            return;
        }
        // L'enregistrement de l'éditeur remplacerait le personnage qui porte déjà ce nom.
        if (m_etat.perso && m_etat.perso->premiere(QStringLiteral("select 1 from Personnage where Nom=?"), {c.nom.trimmed()})) {
            refuse(QStringLiteral("Un personnage porte déjà ce nom : choisissez-en un autre"), QStringLiteral("fldstrnom"));
            return;
        }
        break;
    case 1: {
        // Chaque valeur devient le nombre que son texte porte, avant les contrôles.
        for (auto& ligne : fldnCaracs)
            ligne[0]->setText(QString::number(ValideCarac(ligne[0]->text())));
        fldnPoints[1]->setText(QString::number(ValideCarac(fldnPoints[1]->text())));
        const ChoixAssistant valide = choix();
        const CaracsCalculees calcul = ::ActualiseCarac(m_programme, valide.race, valide.archetype, valide.caracs,
                                                        ValideCarac(fldnPoints[1]->text()));
        if (const auto r = ControleCaracs(valide.caracs, calcul)) {
            QWidget* w = r->carac >= 0 ? fldnCaracs[r->carac][0] : (ModeManuel->isChecked() ? fldnPoints[1] : nullptr);
            refuse(r->message, w ? w->objectName() : QString(), false);
            return;
        }
        break;
    }
    case 2:
        if (const auto r = ControleDescription(c)) {
            refuse(r->message, r->controle);
            return;
        }
        break;
    default:
        if (const auto r = ControleClasse(c)) {
            refuse(r->message, r->controle, r->controle != QLatin1String("CmbClasse"));
            return;
        }
        termine();
        return;
    }
    montreFrame(m_etape + 1);
}

void frmAssistant::termine()
{
    const ChoixAssistant c = choix();
    const PersonnageEdite p = ConstruitPersonnage(m_programme, c, m_tirages.relecture());
    // L'éditeur montre lui-même son refus ; l'assistant reste ouvert pour corriger.
    if (!m_enregistre(p))
        return;
    m_messageFin = MessageFin(c, DesDeVieRaciaux(m_programme, c.race, c.archetype).nombre);
    QMessageBox boite(QMessageBox::NoIcon, QLatin1String(kTitreApplication), m_messageFin, QMessageBox::Ok, this);
    boite.exec();
    accept();
}

ChoixAssistant frmAssistant::choix() const
{
    ChoixAssistant c;
    c.nom = fldstrnom->text();
    c.race = CmbRace->currentText();
    c.archetype = CmbArchetype->currentText();
    c.alignement = CmbAlignement->currentText();
    c.sexe = CmbSexe->currentText();
    for (int i = 0; i < 4; ++i)
        c.professions[i] = CmbProfession[i]->currentText();
    for (int i = 0; i < 3; ++i)
        c.artisanats[i] = CmbArtisanat[i]->currentText();
    for (int i = 0; i < 6; ++i)
        c.caracs[i] = ValideCarac(fldnCaracs[i][0]->text());
    c.taille = fldnTaille->text();
    c.poids = fldnPoids->text();
    c.beaute = fldnBeaute->text();
    c.age = fldnAge->text();
    c.date = fldstrDate->text();
    c.yeux = CmbYeux->currentText();
    c.cheveux = CmbCheveux->currentText();
    c.profil = CmbProfil->currentText();
    c.titre = CmbTitre->currentText();
    c.dieu = CmbDieu->currentText();
    c.classe = CmbClasse->currentText();
    c.niveau = fldnNiveau->text();
    for (int i = 0; i < 3; ++i)
        c.choix[i] = i < m_choixClasse.size() ? CmbChoix[i]->currentText() : QString();
    return c;
}

void frmAssistant::decritIdentite()
{
    if (m_chargement)
        return;
    const QString race = CmbRace->currentText();
    fldstrDescriptionRacesArch->setHtml(DescriptionRace(m_programme, race)
                                        + DescriptionArchetype(m_programme, CmbArchetype->currentText())
                                        + DescriptionAlignement(m_programme, CmbAlignement->currentText()));
    const QPixmap p = image(CheminImageRace(m_etat.dossierProgramme, race));
    ImageRace->setPixmap(p);
    ImageRace->setVisible(!p.isNull());
}

void frmAssistant::titresDuSexe()
{
    if (m_chargement)
        return;
    const QString actuel = CmbTitre->currentText();
    CmbTitre->clear();
    CmbTitre->addItems(kVide + TitresPourSexe(m_programme, CmbSexe->currentText()));
    choisit(CmbTitre, actuel);
}

void frmAssistant::ActualiseCarac()
{
    if (m_chargement)
        return;
    const ChoixAssistant c = choix();
    const CaracsCalculees calcul =
        ::ActualiseCarac(m_programme, c.race, c.archetype, c.caracs, ValideCarac(fldnPoints[1]->text()));
    for (int i = 0; i < 6; ++i) {
        fldnCaracs[i][1]->setText(QString::number(calcul.modifie[i]));
        fldnCaracs[i][2]->setText(signe(calcul.modificateur[i]));
    }
    fldnPoints[0]->setText(QString::number(calcul.depense));
    fldnPoints[2]->setText(QString::number(calcul.reste));
    // Le reste saute aux yeux tant qu'il n'est pas nul.
    fldnPoints[2]->setStyleSheet(calcul.reste == 0 ? QString() : QStringLiteral("color: #b00000; font-weight: bold;"));
}

void frmAssistant::choisitMethode(int methode)
{
    m_methode = methode;
    const auto m = static_cast<MethodeCarac>(methode);
    if (m == MethodeCarac::QuatreDesSix) {
        const TirageCaracs t = TireCaracs(RndDepuis(Hasard()));
        for (int i = 0; i < 6; ++i)
            fldnCaracs[i][0]->setText(QString::number(t.base[i]));
        fldnPoints[1]->setText(QString::number(t.budget));
    } else {
        if (m == MethodeCarac::Monstre)
            for (int i = 0; i < 6; ++i)
                fldnCaracs[i][0]->setText(QString::number(kCaracsMonstre[i]));
        ModeManuel->setChecked(false);
        fldnPoints[1]->setText(QString::number(Methode(m).budget));
    }
    fldstrDescriptionCarac->setPlainText(Methode(m).description);
    ActualiseCarac();
}

void frmAssistant::decritCarac(int entete)
{
    fldstrDescriptionCarac->setHtml(QStringLiteral("<h3>") + Carac[entete]->text().toHtmlEscaped() + QStringLiteral("</h3><p>")
                                    + DescriptionCarac(m_programme, entete, CmbRace->currentText(), CmbArchetype->currentText())
                                          .toHtmlEscaped()
                                    + QStringLiteral("</p>"));
}

bool frmAssistant::eventFilter(QObject* objet, QEvent* evenement)
{
    for (int i = 0; i < 9; ++i)
        if (objet == Carac[i] && evenement->type() == QEvent::MouseButtonPress)
            execute("Carac_Click", [this, i] { decritCarac(i); });
    // Le champ d'une valeur de départ qui reçoit le focus explique sa caractéristique.
    for (int i = 0; i < 6; ++i)
        if (objet == fldnCaracs[i][0] && evenement->type() == QEvent::FocusIn)
            execute("fldnCarac_GotFocus", [this, i] { decritCarac(i); });
    return QDialog::eventFilter(objet, evenement);
}

void frmAssistant::decritDescription(bool dieu)
{
    if (m_chargement)
        return;
    if (dieu) {
        const QString nom = CmbDieu->currentText();
        fldstrDescriptionPhysique->setHtml(DescriptionDieu(m_programme, nom));
        const QPixmap p =
            nom.isEmpty() ? QPixmap() : image(QDir(m_etat.dossierProgramme).filePath(QStringLiteral("Images/") + nom + QStringLiteral(".jpg")));
        ImageDieu->setPixmap(p);
        ImageDieu->setVisible(!p.isNull());
    } else {
        fldstrDescriptionPhysique->setHtml(DescriptionTitre(m_programme, CmbTitre->currentText()));
    }
}

void frmAssistant::ChoixDieu()
{
    const QStringList dieux =
        ::ChoixDieu(m_programme, CmbRoyaume->currentText(), CmbAlignementDieu->currentText(), CmbRaceDieu->currentText());
    const QString actuel = CmbDieu->currentText();
    CmbDieu->clear();
    CmbDieu->addItems(kVide + dieux);
    choisit(CmbDieu, actuel);
    if (dieux.isEmpty())
        QMessageBox::information(this, QLatin1String(kTitreApplication), QString::fromUtf8(kMessageAucunDieu));
}

void frmAssistant::Generer()
{
    const Generation g = ::Generer(m_programme, CmbRace->currentText(), CmbSexe->currentText(), RndDepuis(Hasard()));
    fldnTaille->setText(QString::number(g.taille));
    fldnPoids->setText(QString::number(g.poids));
    fldnBeaute->setText(QString::number(g.troisDes));
    fldstrDate->setText(g.date());
}

void frmAssistant::choisitClasse()
{
    if (m_chargement)
        return;
    const QString classe = CmbClasse->currentText();
    m_choixClasse = ChoixDeClasse(m_programme, classe, CmbDieu->currentText());
    const bool chargement = m_chargement;
    m_chargement = true;
    for (int i = 0; i < 3; ++i) {
        const bool utilise = i < m_choixClasse.size();
        LabChoix[i]->setVisible(utilise);
        CmbChoix[i]->setVisible(utilise);
        CmbChoix[i]->clear();
        if (utilise) {
            LabChoix[i]->setText(m_choixClasse[i].libelle);
            CmbChoix[i]->addItems(m_choixClasse[i].elements);
        }
    }
    m_chargement = chargement;
    m_descriptionClasse = DescriptionClasse(m_programme, classe);
    fldstrDescriptionClasse->setHtml(m_descriptionClasse);
    actualiseResume();
}

void frmAssistant::decritChoix(int indice)
{
    if (m_chargement || indice >= m_choixClasse.size())
        return;
    const QString texte = DescriptionChoix(m_programme, m_choixClasse[indice], CmbChoix[indice]->currentText());
    fldstrDescriptionClasse->setHtml(texte.isEmpty() ? m_descriptionClasse : texte + QStringLiteral("<hr>") + m_descriptionClasse);
    actualiseResume();
}

void frmAssistant::actualiseResume()
{
    if (m_chargement || m_etape != 3)
        return;
    const ChoixAssistant c = choix();
    if (const auto r = ControleClasse(c)) {
        m_resume = ResumePersonnage{r->message};
    } else {
        const PersonnageEdite p = ConstruitPersonnage(m_programme, c, m_tirages.relecture());
        m_resume = m_calculResume->calcule(p, m_racesEditeur);
    }
    const ResumePersonnage& r = m_resume;
    fldstrResume->setText(r.refus);
    fldstrResume->setVisible(!r.refus.isEmpty());
    const QStringList valeurs{QString::number(r.pointsDeVie), signe(r.attaqueDeBase), QString::number(r.classeArmure),
                              signe(r.jets[0]),               signe(r.jets[1]),      signe(r.jets[2]),
                              QString::number(r.pointsCompetence)};
    for (int i = 0; i < m_valeursResume.size(); ++i)
        m_valeursResume[i]->setText(r.refus.isEmpty() ? valeurs[i] : QStringLiteral("-"));
}

void frmAssistant::reject()
{
    if (m_saisie) {
        QMessageBox boite(QMessageBox::Question, QLatin1String(kTitreApplication),
                          QStringLiteral("Abandonner la création de ce personnage ? Rien ne sera enregistré."),
                          QMessageBox::Yes | QMessageBox::No, this);
        boite.setDefaultButton(QMessageBox::No);
        if (boite.exec() != QMessageBox::Yes)
            return;
    }
    QDialog::reject();
}

void frmAssistant::saisie()
{
    if (!m_chargement)
        m_saisie = true;
}

QWidget* frmAssistant::controle(const QString& nom) const
{
    return nom.isEmpty() ? nullptr : findChild<QWidget*>(nom);
}

void frmAssistant::refuse(const QString& message, const QString& nomControle, bool exclamation)
{
    QMessageBox boite(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, QLatin1String(kTitreApplication), message,
                      QMessageBox::Ok, this);
    boite.exec();
    if (QWidget* w = controle(nomControle))
        w->setFocus();
}

void frmAssistant::execute(const char* procedure, const std::function<void()>& faire)
{
    m_etat.erreurs.protege(procedure, kModule, faire);
}

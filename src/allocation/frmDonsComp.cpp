#include "frmDonsComp.h"
#include "shell/Application.h"
#include "shell/GestionErreurs.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmDonsComp.cpp";
const QColor kVert(0, 128, 0);
const QColor kOrange(192, 64, 0);
const QColor kBleu(0, 0, 255);
const QColor kNiveauAffecte(0, 255, 0);
const QColor kConditionManquante(150, 0, 110);   // don dont une condition manque visiblement

// Colonnes des grilles : vs1 (don, niveau, bouton de description), vs2 (don, genre, source).
enum { ColDon = 0, ColNiveau = 1, ColDescription = 2 };
enum { ColGenre = 1, ColSource = 2 };

QColor couleurStatut(StatutCompetence s)
{
    switch (s) {
    case StatutCompetence::Classe: return kVert;
    case StatutCompetence::AutreClasse: return kOrange;
    case StatutCompetence::HorsClasse: break;
    }
    return kBleu;
}

QTableWidget* grille(QWidget* parent, const char* nom, const QStringList& titres)
{
    auto* g = new QTableWidget(0, int(titres.size()), parent);
    g->setObjectName(QLatin1String(nom));
    g->setHorizontalHeaderLabels(titres);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setSectionResizeMode(ColDon, QHeaderView::Stretch);
    return g;
}

// Cellule d'un don : marquée quand une de ses conditions manque, la raison en bulle.
QTableWidgetItem* celluleDon(const LigneChoixDon& d)
{
    auto* item = new QTableWidgetItem(d.Affiche);
    if (!d.ConditionNonRemplie.isEmpty()) {
        item->setForeground(kConditionManquante);
        QFont police = item->font();
        police.setItalic(true);
        item->setFont(police);
        item->setToolTip(QStringLiteral("Conditions non remplies : ") + d.ConditionNonRemplie);
    }
    return item;
}

int ligneChoisie(const QTableWidget* g)
{
    const auto lignes = g->selectionModel()->selectedRows();
    return lignes.isEmpty() ? -1 : lignes.first().row();
}

} // namespace

frmDonsComp::frmDonsComp(BaseDonnees& perso, BaseDonnees& programme, const PersonnageEdite& personnage,
                         int ligneNiveau, QWidget* parent)
    : QDialog(parent), m_perso(perso), m_programme(programme), m_personnage(personnage), m_ligneNiveau(ligneNiveau)
{
    setObjectName(QStringLiteral("frmDonsComp"));
    setWindowTitle(QStringLiteral("Affecter les dons et les points de compétences"));
    if (ligneNiveau >= 0 && ligneNiveau < personnage.niveaux.size())
        m_niveau = personnage.niveaux.at(ligneNiveau);

    auto* separateur = new QSplitter(Qt::Horizontal, this);
    separateur->addWidget(creeCompetences());
    separateur->addWidget(creeDons());
    separateur->setStretchFactor(0, 5);
    separateur->setStretchFactor(1, 6);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    btnOk->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnOk);
    boutons->addWidget(btnAnnuler);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(separateur, 1);
    principal->addLayout(boutons);
    resize(TailleDansEcran(this, {1120, 760}));

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(15);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { execute("btnOk_Click", [this] { btnOk_Click(); }); });
    connect(btnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAjouter, &QPushButton::clicked, this, [this] { execute("btnAjouter_Click", [this] { btnAjouter_Click(); }); });
    connect(btnEnlever, &QPushButton::clicked, this, [this] { execute("btnEnlever_Click", [this] { btnEnlever_Click(); }); });
    connect(vs2, &QTableWidget::itemSelectionChanged, this, [this] {
        const int r = ligneChoisie(vs2);
        if (r >= 0 && r < m_a.Possibles.size())
            execute("vs2_Click", [this, r] { fldDescription->setPlainText(DescriptionDon(m_programme, m_a.Possibles.at(r).Nom)); });
    });
    connect(vs2, &QTableWidget::cellDoubleClicked, this, [this](int r) {
        if (r >= 0 && r < m_a.Possibles.size())
            Q_EMIT donDemande(m_a.Possibles.at(r).Nom);
    });
    connect(vs1, &QTableWidget::cellDoubleClicked, this, [this](int r) {
        if (r >= 0 && r < m_a.Pris.size())
            Q_EMIT donDemande(m_a.Pris.at(r).Nom);
    });
    connect(vs1, &QTableWidget::cellClicked, this, [this](int r, int colonne) {
        if (colonne == ColDescription && r < m_a.Pris.size())
            execute("vs1_CellButtonClick",
                    [this, r] { fldDescription->setPlainText(DescriptionDon(m_programme, m_a.Pris.at(r).Nom)); });
    });
}

QWidget* frmDonsComp::creeCompetences()
{
    Frame1 = new QGroupBox(QStringLiteral("Compétences"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* zone = new QScrollArea(Frame1);
    zone->setWidgetResizable(true);
    zone->setFrameShape(QFrame::NoFrame);
    auto* lignes = new QWidget(zone);
    auto* g = new QGridLayout(lignes);
    m_grilleCompetences = g;
    g->setVerticalSpacing(1);
    g->setHorizontalSpacing(10);
    const QStringList titres{QStringLiteral("Compétence"), QStringLiteral("Avant"), QStringLiteral("Modif"),
                             QStringLiteral("Total"), QString()};
    for (int c = 0; c < titres.size(); ++c) {
        auto* titre = new QLabel(QStringLiteral("<b>%1</b>").arg(titres.at(c)), lignes);
        g->addWidget(titre, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    g->setColumnStretch(0, 1);
    g->setRowStretch(kLignesCompetences + 1, 1);
    zone->setWidget(lignes);

    LabnArepartir = new QLabel(Frame1);
    LabnArepartir->setObjectName(QStringLiteral("LabnArepartir"));
    LabnRestant = new QLabel(Frame1);
    LabnRestant->setObjectName(QStringLiteral("LabnRestant"));
    auto* totaux = new QHBoxLayout;
    totaux->addWidget(new QLabel(QStringLiteral("Points à répartir :"), Frame1));
    totaux->addWidget(LabnArepartir);
    totaux->addSpacing(24);
    totaux->addWidget(new QLabel(QStringLiteral("Restant :"), Frame1));
    totaux->addWidget(LabnRestant);
    totaux->addStretch();
    auto* legende = new QLabel(
        QStringLiteral("<span style='color:#008000'>de classe</span> · <span style='color:#c04000'>d'une autre "
                       "classe</span> · <span style='color:#0000ff'>hors classe</span> · "
                       "<span style='color:gray'>interdite</span>"),
        Frame1);

    auto* v = new QVBoxLayout(Frame1);
    v->addWidget(zone, 1);
    v->addLayout(totaux);
    v->addWidget(legende);
    return Frame1;
}

QWidget* frmDonsComp::creeDons()
{
    Frame2 = new QGroupBox(QStringLiteral("Dons"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    vs1 = grille(Frame2, "vs1", {QStringLiteral("Dons pris"), QStringLiteral("Niveau"), QString()});
    vs1->horizontalHeader()->setSectionResizeMode(ColNiveau, QHeaderView::ResizeToContents);
    vs1->setColumnWidth(ColDescription, 32);
    vs2 = grille(Frame2, "vs2", {QStringLiteral("Dons possibles"), QStringLiteral("Type"), QStringLiteral("Source")});
    vs2->setColumnWidth(ColGenre, 130);
    vs2->setColumnWidth(ColSource, 150);

    lblDonsChoisis = new QLabel(Frame2);
    lblDonsChoisis->setObjectName(QStringLiteral("lblDonsChoisis"));
    lblDonsChoisis->setToolTip(
        QStringLiteral("Un don au premier niveau et à chaque niveau multiple de 3, les dons en plus de la race au "
                       "premier niveau, et les dons supplémentaires de la classe (guerrier, magicien, moine…)."));
    btnAjouter = new QPushButton(QStringLiteral("Ajouter"), Frame2);
    btnEnlever = new QPushButton(QStringLiteral("Enlever"), Frame2);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(lblDonsChoisis);
    boutons->addStretch();
    boutons->addWidget(btnAjouter);
    boutons->addWidget(btnEnlever);
    boutons->addStretch();

    fldDescription = new QTextBrowser(Frame2);
    fldDescription->setObjectName(QStringLiteral("fldDescription"));
    fldDescription->setPlaceholderText(
        QStringLiteral("Cliquez sur une compétence, sur un don possible ou sur le bouton « … » d'un don pris pour en "
                       "lire la description."));

    auto* legende = new QLabel(QStringLiteral("<i style='color:#96006e'>En italique violet</i> : une condition du don "
                                              "n'est visiblement pas remplie (détail dans la bulle) ; il reste possible."),
                               Frame2);
    legende->setWordWrap(true);

    auto* v = new QVBoxLayout(Frame2);
    v->addWidget(vs1, 3);
    v->addLayout(boutons);
    v->addWidget(vs2, 5);
    v->addWidget(legende);
    v->addWidget(fldDescription, 2);
    return Frame2;
}

void frmDonsComp::execute(const char* procedure, const std::function<void()>& faire)
{
    if (m_erreurs) {
        m_erreurs->protege(procedure, kModule, faire);
        return;
    }
    try {
        faire();
    } catch (const ErreurExecution& e) {
        QMessageBox::critical(this, QString::fromUtf8(kTitreApplication), MessageErreur(e.numero(), e.description()));
    }
}

void frmDonsComp::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (!m_charge)
        Timer1->start();
}

void frmDonsComp::Timer1_Timer()
{
    execute("Timer1_Timer", [this] {
        if (m_charge)
            return;
        if (!Charge()) {
            QMessageBox::warning(this, QString::fromUtf8(kTitreApplication), m_refus);
            reject();
            return;
        }
        if (m_a.TableMalParametree)
            QMessageBox::information(this, QString::fromUtf8(kTitreApplication), QString::fromUtf8(kMessageTableCompetence));
    });
}

bool frmDonsComp::Charge()
{
    m_charge = true;
    m_chargement = true;
    m_refus = ChargeAllocation({m_perso, m_programme, m_personnage, m_ligneNiveau, QCoreApplication::applicationDirPath()}, m_a);
    if (m_refus.isEmpty()) {
        setWindowTitle(QStringLiteral("Affecter les dons et les points de compétences — niveau %1 (%2)")
                           .arg(m_a.Niveau)
                           .arg(m_a.Classe));
        remplitCompetences();
        remplitGrilles();
    }
    m_chargement = false;
    if (m_refus.isEmpty())
        labnModif_Change();
    return m_refus.isEmpty();
}

void frmDonsComp::remplitCompetences()
{
    QGridLayout* g = m_grilleCompetences;
    QWidget* parent = g->parentWidget();
    const auto& lignes = m_a.Competences.Lignes;
    for (int i = 0; i < lignes.size(); ++i) {
        const LigneAllocation& l = lignes.at(i);
        auto* nom = new QLabel(l.Affiche, parent);
        nom->setProperty("Tag", l.Numero);
        QPalette palette = nom->palette();
        palette.setColor(QPalette::WindowText, couleurStatut(l.Statut));
        nom->setPalette(palette);
        nom->setEnabled(l.Active);
        nom->setCursor(Qt::PointingHandCursor);
        nom->installEventFilter(this);
        auto* avant = new QLabel(QString::number(l.RangsAvant), parent);
        auto* modif = new QLabel(QString::number(l.RangsNiveau), parent);
        auto* final = new QLabel(parent);
        auto* spin = new QSpinBox(parent);
        spin->setRange(0, 99);
        spin->setEnabled(l.Active);
        spin->setFixedWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("999")) + 40);
        for (QLabel* chiffre : {avant, modif, final})
            chiffre->setAlignment(Qt::AlignCenter);
        modif->setEnabled(l.Active);
        const int r = i + 1;
        g->addWidget(nom, r, 0);
        g->addWidget(avant, r, 1);
        g->addWidget(modif, r, 2);
        g->addWidget(final, r, 3);
        g->addWidget(spin, r, 4);
        LabCompetence.append(nom);
        LabPtsAttrib.append(avant);
        labnModif.append(modif);
        labnFinal.append(final);
        SpinComp.append(spin);
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this,
                [this, i] { execute("SpinComp_Change", [this, i] { SpinComp_Change(i); }); });
        nom->setProperty("ligne", i);
    }
}

bool frmDonsComp::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        const int i = objet->property("ligne").toInt();
        if (i >= 0 && i < m_a.Competences.Lignes.size())
            Q_EMIT competenceDemandee(NomDescriptionCompetence(m_a.Competences.Lignes.at(i).Affiche));
    }
    if (evenement->type() == QEvent::MouseButtonRelease) {
        const int i = objet->property("ligne").toInt();
        if (i >= 0 && i < m_a.Competences.Lignes.size())
            execute("LabCompetence_Click", [this, i] {
                fldDescription->setPlainText(DescriptionCompetence(m_programme, m_a.Competences.Lignes.at(i).Affiche));
            });
    }
    return QDialog::eventFilter(objet, evenement);
}

// Totaux, restant et valeur de chaque compteur ; rien pendant le chargement.
void frmDonsComp::labnModif_Change()
{
    if (m_chargement)
        return;
    const AllocationCompetences& c = m_a.Competences;
    for (int i = 0; i < c.Lignes.size(); ++i) {
        const LigneAllocation& l = c.Lignes.at(i);
        labnModif[i]->setText(QString::number(l.RangsNiveau));
        labnFinal[i]->setText(QString::number(l.RangsAvant + l.RangsNiveau));
        QSignalBlocker bloque(SpinComp[i]);
        SpinComp[i]->setValue(l.RangsAvant + l.RangsNiveau);
        SpinComp[i]->setProperty("Tag", l.RangsAvant + l.RangsNiveau);
    }
    LabnArepartir->setText(QString::number(c.ARepartir));
    LabnRestant->setText(QString::number(c.restant()));
    LabnRestant->setStyleSheet(c.restant() < 0 ? QStringLiteral("color:red") : QString());
}

void frmDonsComp::SpinComp_Change(int i)
{
    const int valeur = SpinComp[i]->value();
    int tag = SpinComp[i]->property("Tag").toInt();
    // Un pas à la fois, jusqu'à la valeur demandée ou jusqu'au premier refus.
    while (valeur != tag) {
        const bool monte = valeur > tag;
        const bool fait = monte ? m_a.Competences.SpinUp(i) : m_a.Competences.SpinDown(i);
        if (!fait)
            break;
        tag += monte ? 1 : -1;
    }
    MarqueConditions(m_a);
    labnModif_Change();
    remplitGrilles();
}

void frmDonsComp::SpinComp_SpinUp(int i)
{
    if (m_a.Competences.SpinUp(i)) {
        MarqueConditions(m_a);
        labnModif_Change();
        remplitGrilles();
    }
}

void frmDonsComp::SpinComp_SpinDown(int i)
{
    if (m_a.Competences.SpinDown(i)) {
        MarqueConditions(m_a);
        labnModif_Change();
        remplitGrilles();
    }
}

void frmDonsComp::remplitGrilles()
{
    const int choisie2 = ligneChoisie(vs2);
    QSignalBlocker bloque1(vs1);
    QSignalBlocker bloque2(vs2);
    vs1->setRowCount(int(m_a.Pris.size()));
    for (int r = 0; r < m_a.Pris.size(); ++r) {
        const LigneChoixDon& d = m_a.Pris.at(r);
        vs1->setItem(r, ColDon, celluleDon(d));
        vs1->setItem(r, ColNiveau, new QTableWidgetItem(QString::number(d.Niveau)));
        auto* bouton = new QTableWidgetItem(QStringLiteral("…"));
        bouton->setTextAlignment(Qt::AlignCenter);
        bouton->setToolTip(QStringLiteral("Description du don"));
        vs1->setItem(r, ColDescription, bouton);
    }
    vs2->setRowCount(int(m_a.Possibles.size()));
    for (int r = 0; r < m_a.Possibles.size(); ++r) {
        const LigneChoixDon& d = m_a.Possibles.at(r);
        vs2->setItem(r, ColDon, celluleDon(d));
        vs2->setItem(r, ColGenre, new QTableWidgetItem(d.Genre));
        vs2->setItem(r, ColSource, new QTableWidgetItem(d.Source));
    }
    if (choisie2 >= 0 && choisie2 < vs2->rowCount())
        vs2->selectRow(choisie2);
    vsDerNiveau();
    lblDonsChoisis->setText(QStringLiteral("Niveau %1 : %2").arg(m_a.Niveau).arg(TexteDonsChoisis(m_a)));
    lblDonsChoisis->setStyleSheet(DonsChoisis(m_a) > m_a.DonsAccordes ? QStringLiteral("color:red; font-weight:bold")
                                                                      : QString());
}

// Fond des dons pris au niveau affecté ; les autres en blanc.
void frmDonsComp::vsDerNiveau()
{
    for (int r = 0; r < vs1->rowCount(); ++r) {
        const QColor fond = m_a.Pris.at(r).Niveau == m_a.Niveau ? kNiveauAffecte : QColor(Qt::white);
        for (int c = 0; c < vs1->columnCount(); ++c)
            vs1->item(r, c)->setBackground(fond);
    }
}

void frmDonsComp::btnAjouter_Click()
{
    const int r = ligneChoisie(vs2);
    if (r < 0 || !AjouteDon(m_programme, r, m_a.Niveau, m_a.Pris, m_a.Possibles))
        return;
    MarqueConditions(m_a);
    remplitGrilles();
    vs1->scrollToBottom();
}

void frmDonsComp::btnEnlever_Click()
{
    const int r = ligneChoisie(vs1);
    if (r < 0 || !EnleveDon(r, m_a.Niveau, m_a.Pris, m_a.Possibles))
        return;
    MarqueConditions(m_a);
    remplitGrilles();
}

void frmDonsComp::btnOk_Click()
{
    if (!m_charge || !m_refus.isEmpty())
        return;
    // Un niveau qui dépasse ses dons n'est pas refusé : le MJ peut l'avoir permis.
    if (DonsChoisis(m_a) > m_a.DonsAccordes) {
        QMessageBox question(QMessageBox::Question, QString::fromUtf8(kTitreApplication),
                             QStringLiteral("Le niveau %1 a %2 : plus de dons que le niveau n'en accorde.\n"
                                            "Garder ces dons quand même ?")
                                 .arg(m_a.Niveau)
                                 .arg(TexteDonsChoisis(m_a)),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    m_niveau = NiveauAffecte(m_a, m_niveau);
    accept();
}

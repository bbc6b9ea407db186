#include "frmExperience.h"
#include "editor/CellulesGrille.h"
#include "editor/DelegueGrille.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmExperience.cpp";

QLineEdit* champ(QWidget* parent, const char* nom, const QString& texte, bool numerique = true)
{
    auto* c = new QLineEdit(texte, parent);
    c->setObjectName(QLatin1String(nom));
    if (numerique)
        c->setProperty("Tag", QStringLiteral("numeric"));
    c->setMaximumWidth(Pixels(1200));
    return c;
}

QString nombre(qint64 valeur)
{
    return QString::number(valeur);
}

QString partTexte(double part)
{
    return QString::number(part, 'g', 6);
}

} // namespace

frmExperience::frmExperience(EtatShell& etat, QWidget* parent) : QWidget(parent), m_etat(etat)
{
    setObjectName(QStringLiteral("frmExperience"));
    setWindowTitle(QStringLiteral("Expérience des personnages"));

    vspersonnage = new QTableWidget(0, NombreColonnesExperience, this);
    vspersonnage->setObjectName(QStringLiteral("vspersonnage"));
    vspersonnage->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Niv"), QStringLiteral("NGE"),
                                             QStringLiteral("Expérience"), QStringLiteral("Niveau suivant"),
                                             QStringLiteral("Gain d'XP"), QStringLiteral("Part")});
    vspersonnage->setSelectionBehavior(QAbstractItemView::SelectRows);
    vspersonnage->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vspersonnage->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                  | QAbstractItemView::AnyKeyPressed);
    vspersonnage->verticalHeader()->hide();
    vspersonnage->verticalHeader()->setDefaultSectionSize(vspersonnage->fontMetrics().height() + 8);
    vspersonnage->horizontalHeader()->setMinimumSectionSize(Pixels(900));
    vspersonnage->horizontalHeader()->setSectionResizeMode(ColXpNom, QHeaderView::Stretch);
    for (int c = ColXpNiv; c < NombreColonnesExperience; ++c)
        vspersonnage->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    m_delegue = new DelegueGrille(vspersonnage);
    m_delegue->metFigees({ColXpNom, ColXpNiv, ColXpNGE, ColXpNiveauSuivant});
    vspersonnage->setItemDelegate(m_delegue);
    connect(m_delegue, &DelegueGrille::celluleFigee, this,
            [this] { avertit(QString::fromUtf8(kCelluleFigee)); });
    connect(vspersonnage, &QTableWidget::cellChanged, this, [this](int ligne, int colonne) {
        m_etat.erreurs.protege("vspersonnage_AfterEdit", kModule, [&] { celluleChangee(ligne, colonne); });
    });

    fldnFP = champ(this, "fldnFP", QString());
    fldnIdee = champ(this, "fldnIdee", QStringLiteral("0"));
    fldnIdee->setToolTip(QStringLiteral("Saisir un pourcentage pour les XP idée."));
    fldnTotalIdee = champ(this, "fldnTotalIdee", QStringLiteral("0"));
    fldnTotalIdee->setReadOnly(true);
    fldstrExperience = new QPlainTextEdit(this);
    fldstrExperience->setObjectName(QStringLiteral("fldstrExperience"));
    fldstrExperience->setReadOnly(true);
    fldstrExperience->setMaximumHeight(Pixels(1500));

    btnAdd = new QPushButton(QStringLiteral("Ajouter"), this);
    btnAdd->setObjectName(QStringLiteral("btnAdd"));
    btnEnregistrer = new QPushButton(QStringLiteral("Enregistrer"), this);
    btnEnregistrer->setObjectName(QStringLiteral("btnEnregistrer"));
    btnFermer = new QPushButton(QStringLiteral("Fermer"), this);
    btnFermer->setObjectName(QStringLiteral("btnFermer"));
    connect(btnAdd, &QPushButton::clicked, this,
            [this] { m_etat.erreurs.protege("btnAdd_Click", kModule, [this] { btnAdd_Click(); }); });
    connect(btnEnregistrer, &QPushButton::clicked, this,
            [this] { m_etat.erreurs.protege("btnEnregistrer_Click", kModule, [this] { btnEnregistrer_Click(); }); });
    connect(btnFermer, &QPushButton::clicked, this, [this] { FermeFenetre(this); });

    auto* aide = new QLabel(QString::fromUtf8(kAideExperience), this);
    aide->setObjectName(QStringLiteral("LabAide"));
    aide->setWordWrap(true);

    auto* saisies = new QGridLayout;
    saisies->addWidget(new QLabel(QStringLiteral("FP"), this), 0, 0);
    saisies->addWidget(fldnFP, 0, 1);
    saisies->addWidget(new QLabel(QStringLiteral("% XP idée"), this), 0, 2);
    saisies->addWidget(fldnIdee, 0, 3);
    saisies->addWidget(new QLabel(QStringLiteral("Total XP idée"), this), 0, 4);
    saisies->addWidget(fldnTotalIdee, 0, 5);
    saisies->setColumnStretch(6, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnAdd);
    boutons->addWidget(btnEnregistrer);
    boutons->addStretch();
    boutons->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(vspersonnage, 1);
    disposition->addLayout(saisies);
    disposition->addWidget(aide);
    disposition->addWidget(fldstrExperience);
    disposition->addLayout(boutons);

    m_etat.erreurs.protege("Form_Load", kModule, [this] { m_avertissement = RempPerso(); });
}

void frmExperience::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (m_montre)
        return;
    m_montre = true;
    // L'avertissement vient une fois la grille visible, en un seul message.
    if (!m_avertissement.isEmpty())
        QTimer::singleShot(0, this, [this] { avertit(m_avertissement); });
}

QString frmExperience::RempPerso()
{
    const GrilleExperience grille = ::RempPerso(*m_etat.perso, *m_etat.programme);
    m_lignes = grille.lignes;
    m_remplissage = true;
    vspersonnage->setRowCount(0);
    vspersonnage->setRowCount(m_lignes.size());
    for (int i = 0; i < m_lignes.size(); ++i)
        afficheLigne(i);
    m_remplissage = false;
    return grille.avertissement;
}

void frmExperience::afficheLigne(int i)
{
    const bool avant = m_remplissage;
    m_remplissage = true;
    const LigneExperience& l = m_lignes.at(i);
    metCellule(vspersonnage, i, ColXpNom, l.Nom);
    metCellule(vspersonnage, i, ColXpNiv, nombre(l.Niv));
    metCellule(vspersonnage, i, ColXpNGE, nombre(l.NGE));
    metCellule(vspersonnage, i, ColXpExperience, nombre(l.Experience));
    metCellule(vspersonnage, i, ColXpNiveauSuivant, nombre(l.NiveauSuivant));
    metCellule(vspersonnage, i, ColXpGain, l.Gain ? nombre(*l.Gain) : QString());
    metCellule(vspersonnage, i, ColXpPart, partTexte(l.Part));
    for (int c = ColXpNiv; c < NombreColonnesExperience; ++c)
        vspersonnage->item(i, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_remplissage = avant;
}

void frmExperience::celluleChangee(int ligne, int colonne)
{
    if (m_remplissage || ligne < 0 || ligne >= m_lignes.size())
        return;
    const std::optional<QString> refus = ModifieCellule(m_lignes[ligne], colonne, cellule(vspersonnage, ligne, colonne));
    // La cellule montre toujours la valeur retenue : la saisie refusée est défaite.
    afficheLigne(ligne);
    if (refus)
        QTimer::singleShot(0, this, [this, message = *refus] { avertit(message); });
}

void frmExperience::btnAdd_Click()
{
    QList<int> choisies;
    for (const QModelIndex& index : vspersonnage->selectionModel()->selectedRows())
        choisies.append(index.row());
    std::sort(choisies.begin(), choisies.end());
    QString journal;
    const std::optional<QString> refus =
        AjouteRecompense(*m_etat.programme, m_lignes, choisies, fldnFP->text(), fldnIdee->text(), journal);
    if (refus) {
        avertit(*refus);
        (refus->startsWith(QStringLiteral("Le %")) ? fldnIdee : fldnFP)->setFocus();
        return;
    }
    for (int i : choisies)
        afficheLigne(i);
    ajouteJournal(journal);
}

void frmExperience::btnEnregistrer_Click()
{
    QString journal;
    const std::optional<QString> refus = EnregistreExperience(*m_etat.perso, m_lignes, fldnIdee->text(), m_totalIdee, journal);
    if (refus) {
        avertit(*refus);
        fldnIdee->setFocus();
        return;
    }
    for (int i = 0; i < m_lignes.size(); ++i)
        afficheLigne(i);
    fldnTotalIdee->setText(QString::number(m_totalIdee, 'f', 0));
    ajouteJournal(journal);
}

void frmExperience::ajouteJournal(const QString& texte)
{
    if (texte.isEmpty())
        return;
    fldstrExperience->appendPlainText(texte);
}

void frmExperience::avertit(const QString& message)
{
    QMessageBox::warning(this, QLatin1String(kTitreApplication), message);
}

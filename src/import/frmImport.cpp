#include "frmImport.h"
#include "RefusImport.h"
#include "Importation.h"
#include "editor/CellulesGrille.h"
#include "editor/DelegueGrille.h"
#include "shell/Application.h"
#include "shell/ChoixPersonnage.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmImport.cpp";
const QString kOui = QStringLiteral("Oui");
const QString kNon = QStringLiteral("Non");

QPushButton* bouton(QWidget* parent, const char* nom, const QString& libelle)
{
    auto* b = new QPushButton(libelle, parent);
    b->setObjectName(QLatin1String(nom));
    return b;
}

} // namespace

frmImport::frmImport(EtatShell& etat, std::unique_ptr<BaseImport> import, QWidget* parent)
    : QWidget(parent), m_etat(etat), m_import(std::move(import))
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Importation de personnage d'une autre base de donnée"));

    vsPersoImport = new QTableWidget(0, NombreColonnes, this);
    vsPersoImport->setObjectName(QStringLiteral("vsPersoImport"));
    vsPersoImport->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Nom d'import"), QStringLiteral("Race"),
                                              QStringLiteral("Niveau"), QStringLiteral("Classe"), QStringLiteral("Import")});
    vsPersoImport->verticalHeader()->hide();
    vsPersoImport->verticalHeader()->setDefaultSectionSize(vsPersoImport->fontMetrics().height() + 10);
    vsPersoImport->setSelectionBehavior(QAbstractItemView::SelectItems);
    vsPersoImport->setSelectionMode(QAbstractItemView::SingleSelection);
    vsPersoImport->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    auto* entete = vsPersoImport->horizontalHeader();
    entete->setSectionResizeMode(QHeaderView::Stretch);
    entete->setSectionResizeMode(ColNiveau, QHeaderView::ResizeToContents);
    entete->setSectionResizeMode(ColImport, QHeaderView::ResizeToContents);
    m_delegue = new DelegueGrille(vsPersoImport);
    m_delegue->metListe(ColImport, {kOui, kNon});
    m_delegue->metFigees({ColNom, ColRace, ColNiveau, ColClasse});
    vsPersoImport->setItemDelegate(m_delegue);
    connect(m_delegue, &DelegueGrille::celluleFigee, this,
            [this] { avertit(QStringLiteral("Vous ne pouvez pas changer cette céllule")); });

    chkObjet = new QCheckBox(QStringLiteral("Avec les objets"), this);
    chkObjet->setObjectName(QStringLiteral("chkObjet"));
    chkObjet->setChecked(true);
    connect(chkObjet, &QCheckBox::toggled, this, [this](bool coche) {
        chkObjet->setText(coche ? QStringLiteral("Avec les objets") : QStringLiteral("Sans les objets"));
    });

    BtnImport = bouton(this, "BtnImport", QStringLiteral("Importer"));
    btnTous = bouton(this, "btnTous", QStringLiteral("Tous les personnages"));
    btnAucun = bouton(this, "btnAucun", QStringLiteral("Aucun personnage"));
    BtnFermer = bouton(this, "BtnFermer", QStringLiteral("Fermer"));
    connect(BtnImport, &QPushButton::clicked, this,
            [this] { m_etat.erreurs.protege("BtnImport_Click", kModule, [this] { BtnImport_Click(); }); });
    connect(btnTous, &QPushButton::clicked, this, [this] { metImport(kOui); });
    connect(btnAucun, &QPushButton::clicked, this, [this] { metImport(kNon); });
    connect(BtnFermer, &QPushButton::clicked, this, [this] { FermeFenetre(this); });
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WidgetWithChildrenShortcut);
    connect(echap, &QShortcut::activated, this, [this] { FermeFenetre(this); });

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(chkObjet);
    boutons->addStretch();
    for (QPushButton* b : {btnTous, btnAucun, BtnImport, BtnFermer})
        boutons->addWidget(b);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(vsPersoImport, 1);
    disposition->addLayout(boutons);

    m_etat.erreurs.protege("Form_Load", kModule, [this] { remplit(); });
}

void frmImport::remplit()
{
    const QVector<PersonnageChoix> liste = ListePersonnagesChoix(m_import->base());
    vsPersoImport->setRowCount(liste.size());
    for (int i = 0; i < liste.size(); ++i) {
        const PersonnageChoix& p = liste.at(i);
        metCellule(vsPersoImport, i, ColNom, p.nom);
        metCellule(vsPersoImport, i, ColNomImport, p.nom);
        metCellule(vsPersoImport, i, ColRace, p.race);
        metCellule(vsPersoImport, i, ColNiveau, QString::number(p.niveau));
        vsPersoImport->item(i, ColNiveau)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        metCellule(vsPersoImport, i, ColClasse, p.classe);
        metCellule(vsPersoImport, i, ColImport, kNon);
    }
}

void frmImport::metImport(const QString& valeur)
{
    for (int i = 0; i < vsPersoImport->rowCount(); ++i)
        metCellule(vsPersoImport, i, ColImport, valeur);
}

void frmImport::BtnImport_Click()
{
    QVector<ChoixImport> choix;
    for (int i = 0; i < vsPersoImport->rowCount(); ++i)
        if (cellule(vsPersoImport, i, ColImport) == kOui)
            choix.append({cellule(vsPersoImport, i, ColNom), cellule(vsPersoImport, i, ColNomImport).trimmed()});
    const BilanImport bilan = ImportePersonnages(m_import->base(), *m_etat.perso, choix, chkObjet->isChecked());
    if (bilan.echecCatalogue) {
        m_etat.erreurs.journalise(kErreurImport, *bilan.echecCatalogue, QStringLiteral("btnImporter_Click"),
                                  QStringLiteral("frmImport.cpp"), bilan.detailCatalogue);
        avertit(*bilan.echecCatalogue);
    }
    bool ecrit = false;
    for (const ResultatImport& r : bilan.personnages) {
        ecrit = ecrit || r.issue == IssueImport::Importe;
        if (r.issue == IssueImport::Echec)
            m_etat.erreurs.journalise(kErreurImport, r.message, QStringLiteral("btnImporter_Click"),
                                      QStringLiteral("frmImport.cpp"), r.detail);
        if (r.issue != IssueImport::Importe)
            avertit(r.message);
    }
    if (ecrit)
        Q_EMIT personnagesImportes();
    FermeFenetre(this);
}

void frmImport::avertit(const QString& message)
{
    QMessageBox::warning(this, QLatin1String(kTitreApplication), message);
}

#include "FrmLstArticle.h"
#include "CellulesGrille.h"
#include "Commerce.h"
#include "shell/Application.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum ColonneArticle { Nom, Groupe, Cout, Charge, Description, NombreColonnes };

} // namespace

FrmLstArticle::FrmLstArticle(BaseDonnees& perso, bool achat, QTableWidget* vsEquip, int ligne, QLineEdit* fldnTotalPo,
                             const QString& personnage, QWidget* parent)
    : QDialog(parent), m_grille(vsEquip), m_ligne(ligne), m_personnage(personnage), m_argent(fldnTotalPo),
      m_facteur(achat ? 1 : 0)
{
    setObjectName(QStringLiteral("FrmLstArticle"));
    setWindowTitle(QStringLiteral("Liste des objets"));

    fldstrRecherche = new QLineEdit(this);
    fldstrRecherche->setObjectName(QStringLiteral("fldstrRecherche"));
    fldstrRecherche->setPlaceholderText(QStringLiteral("Partie du nom de l'objet"));
    FGarticle = new QTableWidget(0, NombreColonnes, this);
    FGarticle->setObjectName(QStringLiteral("FGarticle"));
    FGarticle->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Groupe"), QStringLiteral("Coût (Po)"),
                                          QStringLiteral("Charges"), QStringLiteral("Description")});
    FGarticle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGarticle->setSelectionBehavior(QAbstractItemView::SelectRows);
    FGarticle->setSelectionMode(QAbstractItemView::SingleSelection);
    FGarticle->verticalHeader()->hide();
    FGarticle->verticalHeader()->setDefaultSectionSize(FGarticle->fontMetrics().height() + 6);
    FGarticle->horizontalHeader()->setStretchLastSection(true);
    fldnNombre = new QLineEdit(QStringLiteral("1"), this);
    fldnNombre->setObjectName(QStringLiteral("fldnNombre"));
    fldnPrixUnitaire = new QLineEdit(achat ? QString() : QStringLiteral("0"), this);
    fldnPrixUnitaire->setObjectName(QStringLiteral("fldnPrixUnitaire"));
    for (QLineEdit* champ : {fldnNombre, fldnPrixUnitaire}) {
        champ->setProperty("Tag", QStringLiteral("numeric"));
        champ->setMaximumWidth(120);
    }
    fldstrdescription = new QPlainTextEdit(this);
    fldstrdescription->setObjectName(QStringLiteral("fldstrdescription"));
    fldstrdescription->setReadOnly(true);
    fldstrdescription->setMaximumHeight(fontMetrics().height() * 5);
    LabArgent = new QLabel(this);
    LabArgent->setObjectName(QStringLiteral("LabArgent"));
    const QString argent = m_argent->text().trimmed().isEmpty() ? QStringLiteral("0") : m_argent->text().trimmed();
    LabArgent->setText(achat ? QStringLiteral("Argent du personnage : ") + argent + QStringLiteral(" Po")
                             : QStringLiteral("Ajout gratuit : l'argent du personnage ne change pas."));
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnAnnuler = new QPushButton(QStringLiteral("&Annuler (ESC)"), this);
    BtnAnnuler->setObjectName(QStringLiteral("BtnAnnuler"));

    auto* recherche = new QHBoxLayout;
    recherche->addWidget(new QLabel(QStringLiteral("Rechercher :"), this));
    recherche->addWidget(fldstrRecherche);
    auto* saisies = new QFormLayout;
    saisies->addRow(QStringLiteral("Nombre d'objet à acheter"), fldnNombre);
    saisies->addRow(QStringLiteral("Prix unitaire de l'objet"), fldnPrixUnitaire);
    auto* bas = new QHBoxLayout;
    bas->addLayout(saisies);
    bas->addWidget(fldstrdescription, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(LabArgent);
    boutons->addStretch();
    boutons->addWidget(BtnOK);
    boutons->addWidget(BtnAnnuler);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(recherche);
    disposition->addWidget(FGarticle, 1);
    disposition->addLayout(bas);
    disposition->addLayout(boutons);
    resize(820, 560);

    remp(perso);
    FGarticle->setColumnWidth(Nom, 260);
    FGarticle->setColumnWidth(Groupe, 150);
    FGarticle->setColumnWidth(Cout, 80);
    FGarticle->setColumnWidth(Charge, 60);

    connect(FGarticle, &QTableWidget::itemSelectionChanged, this, &FrmLstArticle::FGarticle_SelChange);
    connect(FGarticle, &QTableWidget::cellDoubleClicked, this, &FrmLstArticle::BtnOK_Click);
    connect(fldstrRecherche, &QLineEdit::textChanged, this, &FrmLstArticle::filtre);
    connect(BtnOK, &QPushButton::clicked, this, &FrmLstArticle::BtnOK_Click);
    connect(BtnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    fldstrRecherche->setFocus();
}

void FrmLstArticle::remp(BaseDonnees& perso)
{
    const QVector<ArticleCatalogue> articles = articlesCatalogue(perso);
    FGarticle->setRowCount(int(articles.size()));
    for (int r = 0; r < articles.size(); ++r) {
        const ArticleCatalogue& a = articles.at(r);
        const QStringList cellules{a.nom, a.groupe, a.cout, a.charge, a.description};
        for (int c = 0; c < NombreColonnes; ++c)
            FGarticle->setItem(r, c, new QTableWidgetItem(cellules.at(c)));
        FGarticle->item(r, Cout)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void FrmLstArticle::FGarticle_SelChange()
{
    const int r = FGarticle->currentRow();
    if (r < 0)
        return;
    fldnPrixUnitaire->setText(cellule(FGarticle, r, Cout));
    fldstrdescription->setPlainText(cellule(FGarticle, r, Description));
}

void FrmLstArticle::filtre(const QString& texte)
{
    for (int r = 0; r < FGarticle->rowCount(); ++r)
        FGarticle->setRowHidden(r, !cellule(FGarticle, r, Nom).contains(texte.trimmed(), Qt::CaseInsensitive));
}

void FrmLstArticle::BtnOK_Click()
{
    const int r = FGarticle->currentRow();
    if (r < 0 || FGarticle->isRowHidden(r)) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), QStringLiteral("Choisissez d'abord un objet dans la liste."));
        FGarticle->setFocus();
        return;
    }
    Achat achat;
    if (const auto refus = calculeAchat(fldnNombre->text(), fldnPrixUnitaire->text(), m_argent->text(), m_facteur, achat)) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), refus->message);
        QLineEdit* champ = findChild<QLineEdit*>(refus->controle);
        if (champ)
            champ->setText(champ == fldnNombre ? QStringLiteral("1") : cellule(FGarticle, r, Cout));
        if (champ)
            champ->setFocus();
        return;
    }
    // Le meneur de jeu peut faire crédit : l'argent passe alors sous zéro.
    if (achat.depasse
        && QMessageBox::question(this, QLatin1String(kTitreApplication), questionAchatACredit(m_personnage, achat.argent),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return;
    const QStringList cellules{cellule(FGarticle, r, Nom), cellule(FGarticle, r, Groupe), QString(),
                               cellule(FGarticle, r, Charge), QStringLiteral("Oui"), QString::number(achat.quantite)};
    for (int c = 0; c < cellules.size(); ++c)
        if (c != 2)   // la position reste celle de la ligne
            metCellule(m_grille, m_ligne, c, cellules.at(c));
    if (m_facteur > 0)
        m_argent->setText(texteArgent(achat.argentRestant));
    accept();
}

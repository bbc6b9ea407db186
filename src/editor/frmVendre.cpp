#include "frmVendre.h"
#include "CellulesGrille.h"
#include "shell/Application.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmVendre::frmVendre(const QString& nomObjet, double prixNeuf, const QString& quantiteTenue, QTableWidget* vsEquip,
                     int ligne, QLineEdit* fldnTotalPo, QWidget* parent)
    : QDialog(parent), m_vente(ouvreVente(nomObjet, prixNeuf, quantiteTenue)), m_grille(vsEquip), m_ligne(ligne),
      m_argent(fldnTotalPo)
{
    setObjectName(QStringLiteral("frmVendre"));
    setWindowTitle(QStringLiteral("Vendre un objet"));
    CadreObjet = new QGroupBox(nomObjet, this);
    CadreObjet->setObjectName(QStringLiteral("CadreObjet"));
    LabPrixNeuf = new QLabel(QStringLiteral("Prix neuf de l'objet : ") + texteArgent(prixNeuf) + QStringLiteral(" Po"),
                             CadreObjet);
    LabPrixNeuf->setObjectName(QStringLiteral("LabPrixNeuf"));
    auto champ = [this](const char* nom) {
        auto* c = new QLineEdit(CadreObjet);
        c->setObjectName(QLatin1String(nom));
        c->setProperty("Tag", QStringLiteral("numeric"));
        connect(c, &QLineEdit::editingFinished, this, [this, c] { reporte(c); });
        return c;
    };
    fldnNombreObjet = champ("fldnNombreObjet");
    fldnPrixUnitaire = champ("fldnPrixUnitaire");
    fldnPrixTotal = champ("fldnPrixTotal");
    auto* saisies = new QFormLayout(CadreObjet);
    saisies->addRow(LabPrixNeuf);
    saisies->addRow(QStringLiteral("Nombre d'objet à vendre"), fldnNombreObjet);
    saisies->addRow(QStringLiteral("Prix de revente d'un objet"), fldnPrixUnitaire);
    saisies->addRow(QStringLiteral("Prix de revente des objets"), fldnPrixTotal);

    btnVendre = new QPushButton(QStringLiteral("Vendre"), this);
    btnVendre->setObjectName(QStringLiteral("btnVendre"));
    btnVendre->setDefault(true);
    btnSupprimer = new QPushButton(QStringLiteral("Supprimer"), this);
    btnSupprimer->setObjectName(QStringLiteral("btnSupprimer"));
    btnSupprimer->setToolTip(QStringLiteral("Retirer l'objet sans le vendre"));
    btnAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    btnAnnuler->setObjectName(QStringLiteral("btnAnnuler"));
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    for (QPushButton* b : {btnVendre, btnSupprimer, btnAnnuler}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(CadreObjet);
    disposition->addLayout(boutons);

    affiche();
    connect(btnVendre, &QPushButton::clicked, this, &frmVendre::btnVendre_Click);
    connect(btnSupprimer, &QPushButton::clicked, this, &frmVendre::btnSupprimer_Click);
    connect(btnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void frmVendre::affiche()
{
    fldnNombreObjet->setText(QString::number(m_vente.quantite));
    fldnPrixUnitaire->setText(texteArgent(m_vente.prixUnitaire));
    fldnPrixTotal->setText(texteArgent(m_vente.prixTotal));
}

bool frmVendre::reporte(QLineEdit* champ)
{
    // La boîte de message retire le focus au champ : pas de second report pendant qu'elle est ouverte.
    if (m_reporte)
        return false;
    std::optional<QString> refus;
    if (champ == fldnNombreObjet && champ->text() != QString::number(m_vente.quantite))
        refus = changeQuantite(m_vente, champ->text());
    else if (champ == fldnPrixUnitaire && champ->text() != texteArgent(m_vente.prixUnitaire))
        refus = changePrixUnitaire(m_vente, champ->text());
    else if (champ == fldnPrixTotal && champ->text() != texteArgent(m_vente.prixTotal))
        refus = changePrixTotal(m_vente, champ->text());
    if (refus) {
        m_reporte = true;
        QMessageBox::warning(this, QLatin1String(kTitreApplication), *refus);
        m_reporte = false;
    }
    affiche();
    if (refus)
        champ->setFocus();
    return !refus;
}

void frmVendre::btnVendre_Click()
{
    // Une saisie pas encore reportée (bouton pressé au clavier) l'est d'abord.
    for (QLineEdit* champ : {fldnNombreObjet, fldnPrixUnitaire, fldnPrixTotal})
        if (!reporte(champ))
            return;
    const IssueVente issue = concluVente(m_vente);
    if (issue.credit != 0) {
        const std::optional<QString> argent = crediteArgent(m_argent->text(), issue.credit);
        if (!argent) {
            QMessageBox::warning(this, QLatin1String(kTitreApplication),
                                 QStringLiteral("Le nombre de Po doit être entrée en tant que valeur numérique"));
            return;
        }
        m_argent->setText(*argent);
    }
    if (issue.retireLigne)
        m_grille->removeRow(m_ligne);
    else
        metCellule(m_grille, m_ligne, 5, QString::number(issue.nombreRestant));
    accept();
}

void frmVendre::btnSupprimer_Click()
{
    m_grille->removeRow(m_ligne);
    accept();
}

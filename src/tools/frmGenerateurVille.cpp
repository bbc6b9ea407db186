#include "frmGenerateurVille.h"
#include "GenerateurVille.h"
#include "shell/Application.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

frmGenerateurVille::frmGenerateurVille(QChar separateurDecimal, SourceHasard* hasard, QWidget* parent)
    : QWidget(parent), m_separateur(separateurDecimal), m_hasard(hasard ? *hasard : m_hasardPartage)
{
    setObjectName(QStringLiteral("frmGenerateurVille"));
    setWindowTitle(QStringLiteral("Générateur de ville"));

    const auto champ = [this](const char* nom, bool numerique) {
        auto* c = new QLineEdit(this);
        c->setObjectName(QLatin1String(nom));
        if (numerique) {
            c->setProperty("Tag", QStringLiteral("numeric"));
            c->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);
        }
        return c;
    };
    fldstrnom = champ("fldstrnom", false);
    fldnPopulation = champ("fldnPopulation", true);
    fldnPopulation->setToolTip(QStringLiteral("De 0 à 400 000 habitants"));
    fldnImpot = champ("fldnImpot", true);
    fldnDime = champ("fldnDime", true);
    CmbType = new QComboBox(this);
    CmbType->setObjectName(QStringLiteral("CmbType"));
    CmbType->addItems(kTypesCommunaute);
    CmbType->setCurrentIndex(0);
    fldstrSortie = new QPlainTextEdit(this);
    fldstrSortie->setObjectName(QStringLiteral("fldstrSortie"));
    fldstrSortie->setReadOnly(true);
    cmdGenerer = new QPushButton(QStringLiteral("Générer"), this);
    cmdGenerer->setObjectName(QStringLiteral("cmdGenerer"));
    cmdGenerer->setDefault(true);
    cmbPrint = new QPushButton(QStringLiteral("Imprimer"), this);
    cmbPrint->setObjectName(QStringLiteral("cmbPrint"));

    auto* saisies = new QFormLayout;
    saisies->addRow(QStringLiteral("Nom de la communauté"), fldstrnom);
    saisies->addRow(QStringLiteral("Population de la communauté"), fldnPopulation);
    saisies->addRow(QStringLiteral("Impôts (%)"), fldnImpot);
    saisies->addRow(QStringLiteral("Dîme (%)"), fldnDime);
    saisies->addRow(QStringLiteral("Type de communauté"), CmbType);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(cmdGenerer);
    boutons->addWidget(cmbPrint);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(saisies);
    disposition->addWidget(fldstrSortie, 1);
    disposition->addLayout(boutons);

    connect(cmdGenerer, &QPushButton::clicked, this, &frmGenerateurVille::cmdGenerer_Click);
    connect(cmbPrint, &QPushButton::clicked, this, &frmGenerateurVille::cmbPrint_Click);
}

void frmGenerateurVille::cmdGenerer_Click()
{
    const SaisiesVille saisies{fldstrnom->text(), fldnPopulation->text(), fldnImpot->text(), fldnDime->text(),
                               CmbType->currentText()};
    if (const auto refus = ControleVille(saisies)) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), refus->message);
        QLineEdit* fautif = refus->champ == ChampVille::Nom          ? fldstrnom
                            : refus->champ == ChampVille::Population ? fldnPopulation
                            : refus->champ == ChampVille::Impot      ? fldnImpot
                                                                     : fldnDime;
        fautif->setFocus();
        fautif->selectAll();
        return;
    }
    fldstrSortie->setPlainText(GenereVille(saisies, m_separateur, m_hasard));
}

void frmGenerateurVille::cmbPrint_Click()
{
    QPrinter imprimante;
    imprimante.setDocName(windowTitle());
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setDefaultFont(fldstrSortie->font());
    document.setPlainText(fldstrSortie->toPlainText());
    document.print(&imprimante);
}

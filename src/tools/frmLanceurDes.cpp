#include "frmLanceurDes.h"
#include "LanceurDes.h"
#include "shell/Application.h"
#include "shell/UtilitairesFenetres.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

frmLanceurDes::frmLanceurDes(SourceHasard* hasard, QWidget* parent)
    : QWidget(parent), m_hasard(hasard ? *hasard : m_hasardPartage)
{
    setObjectName(QStringLiteral("frmLanceurDes"));
    setWindowTitle(QStringLiteral("Lanceur de dès"));

    fldnNombreDes = new QLineEdit(this);
    fldnNombreDes->setObjectName(QStringLiteral("fldnNombreDes"));
    fldnNombreDes->setProperty("Tag", QStringLiteral("numeric"));
    fldnNombreDes->setToolTip(QStringLiteral("Un nombre de dés, ou une expression comme 3d6+2, 1d20-1, 2d4+1d6 ou 4d6kh3"));
    CmbTypeDes = new QComboBox(this);
    CmbTypeDes->setObjectName(QStringLiteral("CmbTypeDes"));
    CmbTypeDes->addItems(kTypesDes);
    fldstrDetailResultat = new QPlainTextEdit(this);
    fldstrDetailResultat->setObjectName(QStringLiteral("fldstrDetailResultat"));
    fldstrDetailResultat->setReadOnly(true);
    fldstrDetailResultat->setTabChangesFocus(true);
    fldnResultat = new QLineEdit(this);
    fldnResultat->setObjectName(QStringLiteral("fldnResultat"));
    fldnResultat->setReadOnly(true);
    fldnResultat->setAlignment(Qt::AlignRight);
    QFont gras = fldnResultat->font();
    gras.setBold(true);
    fldnResultat->setFont(gras);
    btnGenerer = new QPushButton(QStringLiteral("&Lancer"), this);
    btnGenerer->setObjectName(QStringLiteral("btnGenerer"));

    auto* saisie = new QFormLayout;
    saisie->addRow(QStringLiteral("Nombre de dés"), fldnNombreDes);
    saisie->addRow(QStringLiteral("Type de dés"), CmbTypeDes);
    auto* resultat = new QHBoxLayout;
    resultat->addWidget(fldnResultat, 1);
    resultat->addWidget(btnGenerer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(saisie);
    disposition->addWidget(fldstrDetailResultat, 1);
    auto* sortie = new QFormLayout;
    sortie->addRow(QStringLiteral("Résultat"), resultat);
    disposition->addLayout(sortie);

    connect(btnGenerer, &QPushButton::clicked, this, &frmLanceurDes::btnGenerer_Click);
    // Entrée lance les dés où que soit le focus ; Échap ferme la fenêtre.
    for (const QKeySequence& touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* raccourci = new QShortcut(touche, this);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        connect(raccourci, &QShortcut::activated, btnGenerer, &QPushButton::click);
    }
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WidgetWithChildrenShortcut);
    connect(echap, &QShortcut::activated, this, [this] { FermeFenetre(this); });
}

void frmLanceurDes::btnGenerer_Click()
{
    fldstrDetailResultat->clear();
    fldnResultat->setText(QStringLiteral("0"));
    const ResultatLanceur r = LanceDes(fldnNombreDes->text(), CmbTypeDes->currentText(), m_hasard);
    if (!r.erreur.isEmpty()) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), r.erreur);
        fldnNombreDes->setFocus();
        fldnNombreDes->selectAll();
        return;
    }
    fldstrDetailResultat->setPlainText(r.detail);
    fldnResultat->setText(QString::number(r.total));
}

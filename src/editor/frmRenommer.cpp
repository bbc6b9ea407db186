#include "frmRenommer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmRenommer::frmRenommer(const QString& nomActuel, QWidget* parent, const QString& aide) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRenommer"));
    setWindowTitle(QStringLiteral("Renommer"));
    fldstrNouveauNom = new QLineEdit(nomActuel, this);
    fldstrNouveauNom->setObjectName(QStringLiteral("fldstrNouveauNom"));
    fldstrNouveauNom->setToolTip(aide);
    fldstrNouveauNom->selectAll();
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    btnAnnuler->setObjectName(QStringLiteral("btnAnnuler"));

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnOk);
    boutons->addWidget(btnAnnuler);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(QStringLiteral("Nouveau nom:"), this));
    disposition->addWidget(fldstrNouveauNom);
    disposition->addLayout(boutons);

    // Pas de nom vide : OK n'est possible qu'avec un texte non blanc.
    const auto active = [this] { btnOk->setEnabled(!fldstrNouveauNom->text().trimmed().isEmpty()); };
    connect(fldstrNouveauNom, &QLineEdit::textChanged, this, active);
    active();
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmRenommer::nouveauNom() const
{
    return result() == QDialog::Accepted ? fldstrNouveauNom->text().trimmed() : QString();
}

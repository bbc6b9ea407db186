#include "frmAjouter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAjouter::frmAjouter(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAjouter"));
    setWindowTitle(QStringLiteral("Choix de la méthode"));
    btnManuelle = new QPushButton(QStringLiteral("Manuelle"), this);
    btnManuelle->setObjectName(QStringLiteral("btnManuelle"));
    btnManuelle->setDefault(true);
    btnAssistant = new QPushButton(QStringLiteral("Assistant"), this);
    btnAssistant->setObjectName(QStringLiteral("btnAssistant"));
    btnAssistant->setToolTip(QStringLiteral("Crée le personnage pas à pas, en quatre étapes"));
    btnAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    btnAnnuler->setObjectName(QStringLiteral("btnAnnuler"));

    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {btnManuelle, btnAssistant, btnAnnuler})
        boutons->addWidget(b);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(QStringLiteral("Comment voulez-vous créer le personnage ?"), this));
    disposition->addLayout(boutons);

    connect(btnManuelle, &QPushButton::clicked, this, [this] {
        m_methode = MethodeCreation::Manuelle;
        accept();
    });
    connect(btnAssistant, &QPushButton::clicked, this, [this] {
        m_methode = MethodeCreation::Assistant;
        accept();
    });
    connect(btnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

#include "frmBackHist.h"
#include "EditionPersonnage.h"
#include "shell/GestionErreurs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmBackHist::frmBackHist(BaseDonnees& perso, GestionErreurs& erreurs, const QString& nom, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmBackHist"));
    setWindowTitle(QStringLiteral("Background et Historique"));
    fldstrbackground = new QPlainTextEdit(this);
    fldstrbackground->setObjectName(QStringLiteral("fldstrbackground"));
    fldstrhistorique = new QPlainTextEdit(this);
    fldstrhistorique->setObjectName(QStringLiteral("fldstrhistorique"));
    btnEnregistrer = new QPushButton(QStringLiteral("&Enregistrer"), this);
    btnEnregistrer->setObjectName(QStringLiteral("btnEnregistrer"));
    btnFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    btnFermer->setObjectName(QStringLiteral("btnFermer"));

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(QStringLiteral("Background du personnage"), this));
    disposition->addWidget(fldstrbackground);
    disposition->addWidget(new QLabel(QStringLiteral("Historique du personnage"), this));
    disposition->addWidget(fldstrhistorique);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnEnregistrer);
    boutons->addWidget(btnFermer);
    disposition->addLayout(boutons);
    resize(560, 480);

    if (!nom.isEmpty()) {
        const TextesPersonnage textes = litTextes(perso, nom);
        fldstrbackground->setPlainText(textes.background);
        fldstrhistorique->setPlainText(textes.historique);
    }
    connect(btnEnregistrer, &QPushButton::clicked, this, [this, &perso, &erreurs, nom] {
        // Une écriture qui échoue laisse la fenêtre ouverte, textes compris.
        erreurs.protege("btnEnregistrer_Click", "frmBackHist.cpp", [&] {
            if (!nom.isEmpty())
                ecritTextes(perso, nom, {fldstrbackground->toPlainText(), fldstrhistorique->toPlainText()});
            accept();
        });
    });
    connect(btnFermer, &QPushButton::clicked, this, &QDialog::reject);
}

#include "frmDescriptifCompetence.h"
#include "Descriptifs.h"
#include "FenetresRegles.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kModule = "frmDescriptifCompetence.cpp";
}

frmDescriptifCompetence::frmDescriptifCompetence(EtatShell& etat, const QString& cle, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDescriptifCompetence"));
    setWindowTitle(QStringLiteral("Description des compétences"));
    labnom = Titre(this, "labnom");
    fldstrTest = ZoneTexte(this, "fldstrTest", true);
    fldstrAction = ZoneTexte(this, "fldstrAction", true);
    fldstrNouvelle = ZoneTexte(this, "fldstrNouvelle", true);
    fldstrSpecial = ZoneTexte(this, "fldstrSpecial", true);
    fldstrSynergie = ZoneTexte(this, "fldstrSynergie", true);
    fldstrRestriction = ZoneTexte(this, "fldstrRestriction", true);
    fldstrinne = ZoneTexte(this, "fldstrinne", true);
    btnFermer = BoutonProtege(this, etat.erreurs, kModule, "btnFermer", QStringLiteral("&Fermer"), "btnFermer_Click",
                              [this] { FermeDescription(this); });

    auto* zones = new QGridLayout;
    int rang = 0;
    const auto ajoute = [&](const QString& titre, QPlainTextEdit* zone, int poids) {
        auto* l = new QLabel(titre, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        zones->addWidget(l, rang, 0);
        zones->addWidget(zone, rang, 1);
        zones->setRowStretch(rang++, poids);
    };
    ajoute(QStringLiteral("Test de compétence"), fldstrTest, 4);
    ajoute(QStringLiteral("Action"), fldstrAction, 1);
    ajoute(QStringLiteral("Nouvelles tentatives :"), fldstrNouvelle, 1);
    ajoute(QStringLiteral("Spécial"), fldstrSpecial, 2);
    ajoute(QStringLiteral("Synergie"), fldstrSynergie, 1);
    ajoute(QStringLiteral("Restrictions"), fldstrRestriction, 1);
    ajoute(QStringLiteral("Test inné"), fldstrinne, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(labnom);
    disposition->addLayout(zones, 1);
    disposition->addLayout(boutons);
    resize(Pixels(10000), Pixels(10200));

    etat.erreurs.protege("Form_Load", kModule, [&] {
        const FicheCompetence c = LitCompetence(*etat.programme, cle);
        labnom->setText(c.titre);
        fldstrTest->setPlainText(c.test);
        fldstrAction->setPlainText(c.action);
        fldstrNouvelle->setPlainText(c.nouvelles);
        fldstrSpecial->setPlainText(c.special);
        fldstrSynergie->setPlainText(c.synergie);
        fldstrRestriction->setPlainText(c.restrictions);
        fldstrinne->setPlainText(c.inne);
    });
}

void MontreCompetence(EtatShell& etat, const QString& cle, QWidget* parent)
{
    MontreModale(new frmDescriptifCompetence(etat, cle), parent);
}

#include "frmDescriptionRaces.h"
#include "Descriptifs.h"
#include "FenetresRegles.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/SurcoucheRegles.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr const char* kModule = "frmDescriptionRaces.cpp";
}

frmDescriptionRaces::frmDescriptionRaces(EtatShell& etat, const QString& race, QWidget* parent)
    : QWidget(parent), cheminCorrections(CheminCorrections()), m_etat(etat)
{
    setObjectName(QStringLiteral("frmDescriptionRaces"));
    setWindowTitle(QStringLiteral("Description des races"));
    CmbRace = new QComboBox(this);
    CmbRace->setObjectName(QStringLiteral("CmbRace"));
    CmbRace->setMaxVisibleItems(25);
    fldstrDescriptionRaces = ZoneTexte(this, "fldstrDescriptionRaces");
    btnEnregistrer = BoutonProtege(this, m_etat.erreurs, kModule, "btnEnregistrer", QStringLiteral("&Enregistrer"),
                                   "btnEnregistrer_Click", [this] { btnEnregistrer_Click(); });
    btnFermer = BoutonProtege(this, m_etat.erreurs, kModule, "btnFermer", QStringLiteral("&Fermer"), "btnFermer_Click",
                              [this] { FermeDescription(this); });
    connect(CmbRace, &QComboBox::currentIndexChanged, this,
            [this] { m_etat.erreurs.protege("CmbRace_Click", kModule, [this] { affiche(); }); });
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnEnregistrer);
    boutons->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(CmbRace);
    disposition->addWidget(fldstrDescriptionRaces, 1);
    disposition->addLayout(boutons);
    resize(Pixels(9000), Pixels(7200));

    m_etat.erreurs.protege("Form_Load", kModule, [&] {
        const QSignalBlocker bloque(CmbRace);
        for (const auto& [nom, numero] : NomsRaces(*m_etat.programme))
            CmbRace->addItem(nom, numero);
        CmbRace->setCurrentIndex(CmbRace->count() > 0 ? 0 : -1);
        if (!race.isEmpty())
            CmbRace->setCurrentIndex(qMax(0, CmbRace->findText(race, Qt::MatchFixedString)));
    });
    m_etat.erreurs.protege("Form_Load", kModule, [this] { affiche(); });
}

void frmDescriptionRaces::affiche()
{
    fldstrDescriptionRaces->setPlainText(LitDescriptionRace(*m_etat.programme, CmbRace->currentText()));
}

void frmDescriptionRaces::btnEnregistrer_Click()
{
    EnregistreDescriptionRace(*m_etat.programme, cheminCorrections, CmbRace->currentText(),
                              fldstrDescriptionRaces->toPlainText());
}

void MontreRace(EtatShell& etat, const QString& race, QWidget* parent)
{
    MontreModale(new frmDescriptionRaces(etat, race), parent);
}

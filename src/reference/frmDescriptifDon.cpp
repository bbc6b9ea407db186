#include "frmDescriptifDon.h"
#include "Descriptifs.h"
#include "FenetresRegles.h"
#include "RechercheRegles.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/SurcoucheRegles.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr const char* kModule = "frmDescriptifDon.cpp";
}

frmDescriptifDon::frmDescriptifDon(EtatShell& etat, bool parcours, const QString& don, QWidget* parent)
    : QWidget(parent), cheminCorrections(CheminCorrections()), m_etat(etat)
{
    setObjectName(QStringLiteral("frmDescriptifDon"));
    setWindowTitle(QStringLiteral("Description du don"));
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    CmbNomDon = ListeNoms(Frame1, "CmbNomDon");
    fldRecherche = ChampRecherche(Frame1);
    LabDon = Titre(Frame1, "LabDon");
    LabGenre = Etiquette(Frame1, "LabGenre");
    LabCategorie = Etiquette(Frame1, "LabCategorie");
    LabType = Etiquette(Frame1, "LabType");
    LabSource = Etiquette(Frame1, "LabSource");
    fldstrResume = ZoneTexte(Frame1, "fldstrResume");
    fldstrCondition = ZoneTexte(Frame1, "fldstrCondition");
    fldstrExplication = ZoneTexte(Frame1, "fldstrExplication");
    fldstrExplication->setToolTip(QStringLiteral("Collez ici un don entier : il sera découpé à ses titres à l'enregistrement."));
    fldstrNormal = ZoneTexte(Frame1, "fldstrNormal");
    fldstrSpecial = ZoneTexte(Frame1, "fldstrSpecial");

    btnPrecedent = BoutonProtege(this, m_etat.erreurs, kModule, "btnPrecedent", QStringLiteral("Précédent"),
                                 "btnPrecedent_Click", [this] { AvanceDansListe(CmbNomDon, -1); });
    btnSuivant = BoutonProtege(this, m_etat.erreurs, kModule, "btnSuivant", QStringLiteral("Suivant"), "btnSuivant_Click",
                               [this] { AvanceDansListe(CmbNomDon, 1); });
    btnEnregistrer = BoutonProtege(this, m_etat.erreurs, kModule, "btnEnregistrer", QStringLiteral("&Enregistrer"),
                                   "btnEnregistrer_Click", [this] { btnEnregistrer_Click(); });
    btnFermer = BoutonProtege(this, m_etat.erreurs, kModule, "btnFermer", QStringLiteral("&Fermer"), "btnFermer_Click",
                              [this] { FermeDescription(this); });
    connect(CmbNomDon, &QComboBox::currentIndexChanged, this,
            [this] { m_etat.erreurs.protege("CmbNomDon_Click", kModule, [this] { choisit(); }); });
    connect(fldRecherche, &QLineEdit::textChanged, this,
            [this](const QString& saisie) { m_etat.erreurs.protege("fldRecherche_Change", kModule, [&] { recherche(saisie); }); });

    auto* haut = new QHBoxLayout;
    haut->addWidget(CmbNomDon, 1);
    haut->addWidget(fldRecherche, 1);
    auto* etiquettes = new QGridLayout;
    const auto ajouteEtiquette = [&](int ligne, int colonne, const QString& titre, QLabel* valeur) {
        etiquettes->addWidget(new QLabel(titre, Frame1), ligne, colonne * 2);
        etiquettes->addWidget(valeur, ligne, colonne * 2 + 1);
    };
    ajouteEtiquette(0, 0, QStringLiteral("Genre :"), LabGenre);
    ajouteEtiquette(0, 1, QStringLiteral("Catégorie :"), LabCategorie);
    ajouteEtiquette(1, 0, QStringLiteral("Type :"), LabType);
    ajouteEtiquette(1, 1, QStringLiteral("Source :"), LabSource);
    etiquettes->setColumnStretch(1, 1);
    etiquettes->setColumnStretch(3, 1);
    auto* textes = new QGridLayout;
    const auto ajouteTexte = [&](int ligne, const QString& titre, QPlainTextEdit* zone, int poids) {
        auto* l = new QLabel(titre, Frame1);
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        textes->addWidget(l, ligne, 0);
        textes->addWidget(zone, ligne, 1);
        textes->setRowStretch(ligne, poids);
    };
    ajouteTexte(0, QStringLiteral("Résumé"), fldstrResume, 1);
    ajouteTexte(1, QStringLiteral("Condition"), fldstrCondition, 1);
    ajouteTexte(2, QStringLiteral("Avantage"), fldstrExplication, 4);
    ajouteTexte(3, QStringLiteral("Normal"), fldstrNormal, 1);
    ajouteTexte(4, QStringLiteral("Spécial"), fldstrSpecial, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnPrecedent);
    boutons->addWidget(btnSuivant);
    boutons->addStretch();
    boutons->addWidget(btnEnregistrer);
    boutons->addWidget(btnFermer);
    auto* cadre = new QVBoxLayout(Frame1);
    cadre->addLayout(haut);
    cadre->addWidget(LabDon);
    cadre->addLayout(etiquettes);
    cadre->addLayout(textes, 1);
    cadre->addLayout(boutons);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(Frame1);
    resize(Pixels(10500), Pixels(9000));

    m_etat.erreurs.protege("Form_Activate", kModule, [&] {
        if (parcours) {
            RemplitListe(CmbNomDon, NomsDons(*m_etat.programme));
            LabDon->setText(CmbNomDon->currentText());
        } else {
            LabDon->setText(don);
            CmbNomDon->addItem(don);
            for (QWidget* w : {static_cast<QWidget*>(btnSuivant), static_cast<QWidget*>(btnPrecedent),
                               static_cast<QWidget*>(CmbNomDon), static_cast<QWidget*>(fldRecherche)})
                w->setEnabled(false);
        }
        Affiche();
    });
}

void frmDescriptifDon::choisit()
{
    LabDon->setText(CmbNomDon->currentText());
    Affiche();
}

void frmDescriptifDon::Affiche()
{
    // Un don qui n'existe plus laisse les zones comme elles étaient.
    const std::optional<FicheDon> d = LitDon(*m_etat.programme, LabDon->text());
    if (!d)
        return;
    LabGenre->setText(d->genre);
    LabCategorie->setText(d->categorie);
    LabType->setText(d->type);
    LabSource->setText(d->source);
    fldstrResume->setPlainText(d->textes.resume);
    fldstrCondition->setPlainText(d->textes.condition);
    fldstrExplication->setPlainText(d->textes.explication);
    fldstrNormal->setPlainText(d->textes.normal);
    fldstrSpecial->setPlainText(d->textes.special);
}

void frmDescriptifDon::btnEnregistrer_Click()
{
    const TextesDon ecrits = EnregistreDon(*m_etat.programme, cheminCorrections, LabDon->text(),
                                           {fldstrResume->toPlainText(), fldstrCondition->toPlainText(),
                                            fldstrExplication->toPlainText(), fldstrNormal->toPlainText(),
                                            fldstrSpecial->toPlainText()});
    fldstrResume->setPlainText(ecrits.resume);
    fldstrCondition->setPlainText(ecrits.condition);
    fldstrExplication->setPlainText(ecrits.explication);
    fldstrNormal->setPlainText(ecrits.normal);
    fldstrSpecial->setPlainText(ecrits.special);
    Affiche();
}

void frmDescriptifDon::recherche(const QString& saisie)
{
    const QStringList noms = saisie.trimmed().isEmpty() ? NomsDons(*m_etat.programme)
                                                        : RechercheRegles(*m_etat.programme, QStringLiteral("Dons"), saisie);
    RemplitListe(CmbNomDon, noms);
    if (!noms.isEmpty())
        choisit();
}

void MontreDon(EtatShell& etat, const QString& don, QWidget* parent)
{
    MontreModale(new frmDescriptifDon(etat, false, don), parent);
}

#include "frmInsertionDons.h"
#include "DonsPerso.h"
#include "FenetresRegles.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/SurcoucheRegles.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmInsertionDons.cpp";

QComboBox* liste(QWidget* parent, const char* nom, const QStringList& elements = {})
{
    auto* l = new QComboBox(parent);
    l->setObjectName(QLatin1String(nom));
    l->addItems(elements);
    l->setMaxVisibleItems(25);
    return l;
}

QCheckBox* coche(QWidget* parent, const char* nom, const QString& libelle, const QString& aide)
{
    auto* c = new QCheckBox(libelle, parent);
    c->setObjectName(QLatin1String(nom));
    c->setToolTip(aide);
    return c;
}

} // namespace

frmInsertionDons::frmInsertionDons(EtatShell& etat, QWidget* parent) : QWidget(parent), m_etat(etat)
{
    setObjectName(QStringLiteral("frmInsertionDons"));
    setWindowTitle(QStringLiteral("Insertion de dons"));
    cmbNom = liste(this, "cmbNom");
    cmbNom->setEditable(true);
    cmbNom->setInsertPolicy(QComboBox::NoInsert);
    fldnVersion = new QLineEdit(this);
    fldnVersion->setObjectName(QStringLiteral("fldnVersion"));
    fldnVersion->setProperty("Tag", QStringLiteral("numeric"));
    fldnVersion->setMaximumWidth(Pixels(900));
    fldnVersion->setToolTip(QStringLiteral("La version du livre dans lequel est tiré le don souvent 3.5 ou 3.0."));
    cmbGenre = liste(this, "cmbGenre");
    cmbSource = liste(this, "cmbSource");
    fldnPage = new QLineEdit(this);
    fldnPage->setObjectName(QStringLiteral("fldnPage"));
    fldnPage->setProperty("Tag", QStringLiteral("numeric"));
    fldnPage->setMaximumWidth(Pixels(900));
    fldstrResume = ZoneTexte(this, "fldstrResume");
    fldstrExplication = ZoneTexte(this, "fldstrExplication");
    cmbCaracteristique = liste(this, "cmbCaracteristique");
    cmbCaracteristique->setToolTip(QStringLiteral("La caractéristique associée au pouvoir"));
    ChkPrive = coche(this, "ChkPrive", QStringLiteral("Privé"),
                     QStringLiteral("Un don accessible seulement à une classe ou une race ne peut être choisi en tant que "
                                    "don (ex : châtiment du mal)."));
    ChkLiearme = coche(this, "ChkLiearme", QStringLiteral("Lié a une arme"),
                       QStringLiteral("Un don qui donne un éffet sur un type d'arme (ex : arme de prédilection)"));
    ChkMultiple = coche(this, "ChkMultiple", QStringLiteral("Multiple"),
                        QStringLiteral("Un don que l'on peut prendre plusieurs fois (ex : robustesse)"));
    ChkEpique = coche(this, "ChkEpique", QStringLiteral("Epique"),
                      QStringLiteral("Un don que l'on peut seulement choisir à partir du niveau 21."));
    ChkPouvoir = coche(this, "ChkPouvoir", QStringLiteral("Pouvoir"),
                       QStringLiteral("Un pouvoir qui se calcule sous la forme 10 + 1/2 dés de vie + bonus caratéristique"));
    ChkTare = coche(this, "ChkTare", QStringLiteral("Handicaps"),
                    QStringLiteral("Les andicaps sont le revers des dons (ex : Affligeant)"));
    ChkTrait = coche(this, "ChkTrait", QStringLiteral("Trait"),
                     QStringLiteral("Un trait représente un aspect de la personnalité du PJ (ex : Abrupt)"));

    btnNouveau = BoutonProtege(this, m_etat.erreurs, kModule, "btnNouveau", QStringLiteral("&Nouveau"), "btnNouveau_Click",
                               [this] { NouveauDon(); });
    btnEnregistrer = BoutonProtege(this, m_etat.erreurs, kModule, "btnEnregistrer", QStringLiteral("&Enregistrer"),
                                   "btnEnregistrer_Click", [this] { btnEnregistrer_Click(); });
    btnFermer = BoutonProtege(this, m_etat.erreurs, kModule, "btnFermer", QStringLiteral("&Fermer"), "btnFermer_Click",
                              [this] { FermeFenetre(this); });
    btnPrecedent = BoutonProtege(this, m_etat.erreurs, kModule, "btnPrecedent", QStringLiteral("&Précédent"),
                                 "btnPrecedent_Click", [this] { AvanceDansListe(cmbNom, -1); });
    btnSuivant = BoutonProtege(this, m_etat.erreurs, kModule, "btnSuivant", QStringLiteral("&Suivant"), "btnSuivant_Click",
                               [this] { AvanceDansListe(cmbNom, 1); });
    connect(cmbNom, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            m_etat.erreurs.protege("cmbNom_Click", kModule, [&] { AfficheDon(i); });
    });
    connect(ChkPouvoir, &QCheckBox::toggled, this, [this](bool coche) {
        if (!coche)
            cmbCaracteristique->setCurrentIndex(0);
        cmbCaracteristique->setEnabled(coche);
    });

    auto* champs = new QGridLayout;
    const auto ajoute = [&](int ligne, int colonne, const QString& titre, QWidget* zone, int etendue = 1) {
        auto* l = new QLabel(titre, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        champs->addWidget(l, ligne, colonne);
        champs->addWidget(zone, ligne, colonne + 1, 1, etendue);
    };
    ajoute(0, 0, QStringLiteral("Nom du don"), cmbNom, 3);
    ajoute(1, 0, QStringLiteral("Genre"), cmbGenre);
    ajoute(1, 2, QStringLiteral("Version"), fldnVersion);
    ajoute(2, 0, QStringLiteral("Livre"), cmbSource);
    ajoute(2, 2, QStringLiteral("Page"), fldnPage);
    ajoute(3, 0, QStringLiteral("Caractéristique"), cmbCaracteristique);
    champs->setColumnStretch(1, 1);
    auto* coches = new QGridLayout;
    const QList<QCheckBox*> toutes{ChkPrive, ChkLiearme, ChkMultiple, ChkEpique, ChkPouvoir, ChkTare, ChkTrait};
    for (int i = 0; i < toutes.size(); ++i)
        coches->addWidget(toutes.at(i), i / 4, i % 4);
    auto* textes = new QGridLayout;
    textes->addWidget(new QLabel(QStringLiteral("Résumé"), this), 0, 0, Qt::AlignRight | Qt::AlignTop);
    textes->addWidget(fldstrResume, 0, 1);
    textes->addWidget(new QLabel(QStringLiteral("Explication"), this), 1, 0, Qt::AlignRight | Qt::AlignTop);
    textes->addWidget(fldstrExplication, 1, 1);
    textes->setRowStretch(0, 1);
    textes->setRowStretch(1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnPrecedent);
    boutons->addWidget(btnSuivant);
    boutons->addStretch();
    boutons->addWidget(btnNouveau);
    boutons->addWidget(btnEnregistrer);
    boutons->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(champs);
    disposition->addLayout(coches);
    disposition->addLayout(textes, 1);
    disposition->addLayout(boutons);
    resize(Pixels(9600), Pixels(8400));

    m_etat.erreurs.protege("Form_Load", kModule, [this] {
        remplitNoms();
        cmbGenre->addItems(GenresDons(*m_etat.programme));
        cmbSource->addItems(LivresDons(*m_etat.programme));
        cmbCaracteristique->addItems(CaracteristiquesDons(*m_etat.programme));
        cmbCaracteristique->setEnabled(false);
        if (cmbNom->count() > 0)
            AfficheDon(0);
        else
            NouveauDon();
    });
}

void frmInsertionDons::remplitNoms()
{
    const QSignalBlocker bloque(cmbNom);
    cmbNom->clear();
    cmbNom->addItems(NomsDonsPerso(*m_etat.perso));
}

void frmInsertionDons::AfficheDon(int index)
{
    {
        const QSignalBlocker bloque(cmbNom);
        cmbNom->setCurrentIndex(index);
    }
    const DonPerso d = LitDonPerso(*m_etat.perso, cmbNom->itemText(index));
    fldnVersion->setText(d.version);
    cmbGenre->setCurrentIndex(qMax(0, cmbGenre->findText(d.genre)));
    cmbSource->setCurrentIndex(qMax(0, cmbSource->findText(d.livre)));
    fldnPage->setText(d.page);
    fldstrResume->setPlainText(d.resume);
    fldstrExplication->setPlainText(d.explication);
    const QList<QPair<QCheckBox*, bool>> drapeaux{{ChkPrive, d.prive}, {ChkLiearme, d.liearme}, {ChkMultiple, d.multiple},
                                                 {ChkEpique, d.epique}, {ChkPouvoir, d.pouvoir}, {ChkTare, d.tare},
                                                 {ChkTrait, d.trait}};
    for (const auto& [case_, valeur] : drapeaux)
        case_->setChecked(valeur);
    cmbCaracteristique->setCurrentIndex(qMax(0, cmbCaracteristique->findText(d.caracteristique)));
}

void frmInsertionDons::NouveauDon()
{
    const QSignalBlocker bloque(cmbNom);
    cmbNom->addItem(QString());
    cmbNom->setCurrentIndex(cmbNom->count() - 1);
    cmbGenre->setCurrentIndex(0);
    cmbSource->setCurrentIndex(0);
    fldnVersion->setText(QStringLiteral("3.5"));
    fldnPage->clear();
    fldstrResume->clear();
    fldstrExplication->clear();
    for (QCheckBox* c : {ChkPrive, ChkLiearme, ChkMultiple, ChkEpique, ChkPouvoir, ChkTare, ChkTrait})
        c->setChecked(false);
    cmbCaracteristique->setCurrentIndex(0);
    cmbNom->setFocus();
}

void frmInsertionDons::btnEnregistrer_Click()
{
    DonPerso d;
    d.nom = cmbNom->currentText().trimmed();
    d.version = fldnVersion->text();
    d.genre = cmbGenre->currentText();
    d.livre = cmbSource->currentText();
    d.page = fldnPage->text();
    d.resume = fldstrResume->toPlainText();
    d.explication = fldstrExplication->toPlainText();
    d.caracteristique = cmbCaracteristique->currentText();
    d.prive = ChkPrive->isChecked();
    d.liearme = ChkLiearme->isChecked();
    d.multiple = ChkMultiple->isChecked();
    d.epique = ChkEpique->isChecked();
    d.pouvoir = ChkPouvoir->isChecked();
    d.tare = ChkTare->isChecked();
    d.trait = ChkTrait->isChecked();
    if (const std::optional<RefusDonPerso> refus = ControleDonPerso(d)) {
        QMessageBox::warning(this, windowTitle(), refus->message);
        QWidget* champ = refus->champ == ChampDonPerso::Nom ? static_cast<QWidget*>(cmbNom)
                         : refus->champ == ChampDonPerso::Genre ? static_cast<QWidget*>(cmbGenre)
                                                                : static_cast<QWidget*>(cmbSource);
        champ->setFocus();
        return;
    }
    if (DonDesRegles(*m_etat.programme, d.nom))
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Attention ce don existe déja dans la base de donnée du programmme, il sera "
                                                "modifié si vous ne changer pas le nom."));
    EnregistreDonPerso(*m_etat.perso, d);
    remplitNoms();
    AfficheDon(cmbNom->count() - 1);
}

void frmInsertionDons::closeEvent(QCloseEvent* evenement)
{
    // Les dons enregistrés rejoignent les dons des règles pour la répartition et la fiche.
    m_etat.erreurs.protege("btnFermer_Click", kModule, [this] { CopieDonsPerso(*m_etat.perso, *m_etat.programme); });
    QWidget::closeEvent(evenement);
}

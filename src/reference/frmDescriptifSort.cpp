#include "frmDescriptifSort.h"
#include "FenetresRegles.h"
#include "RechercheRegles.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SurcoucheRegles.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmDescriptifSort.cpp";

QLineEdit* ligne(QWidget* parent, const char* nom, bool lectureSeule = false)
{
    auto* l = new QLineEdit(parent);
    l->setObjectName(QLatin1String(nom));
    l->setReadOnly(lectureSeule);
    return l;
}

QString texteZone(QWidget* zone)
{
    if (auto* l = qobject_cast<QLineEdit*>(zone))
        return l->text();
    return static_cast<QPlainTextEdit*>(zone)->toPlainText();
}

void metTexte(QWidget* zone, const QString& texte)
{
    if (auto* l = qobject_cast<QLineEdit*>(zone)) {
        l->setText(texte);
        l->setCursorPosition(0);
    } else {
        static_cast<QPlainTextEdit*>(zone)->setPlainText(texte);
    }
}

} // namespace

frmDescriptifSort::frmDescriptifSort(EtatShell& etat, SortsGrille grille, QWidget* parent)
    : QWidget(parent), cheminCorrections(CheminCorrections()), m_etat(etat), m_grille(std::move(grille))
{
    setObjectName(QStringLiteral("frmDescriptifSort"));
    setWindowTitle(QStringLiteral("Description du sort"));
    labnom = Titre(this, "labnom");
    CmbSort = ListeNoms(this, "CmbSort");
    fldRecherche = ChampRecherche(this);
    fldstrSource = ligne(this, "fldstrSource", true);
    fldstrDomaine = ligne(this, "fldstrDomaine");
    fldstrNiveau = ligne(this, "fldstrNiveau");
    fldstrComposante = ligne(this, "fldstrComposante");
    fldstrtempincantation = ligne(this, "fldstrtempincantation");
    fldstrportee = ligne(this, "fldstrportee");
    fldstrcible = ligne(this, "fldstrcible");
    fldstrEffet = ligne(this, "fldstrEffet");
    fldstrzoneeffet = ligne(this, "fldstrzoneeffet", true);
    fldstrduree = ligne(this, "fldstrdurée");
    fldstrjetsauvegarde = ligne(this, "fldstrjetsauvegarde");
    fldstrresistancemagie = ligne(this, "fldstrresistancemagie");
    fldstrExplication = ZoneTexte(this, "fldstrExplication");
    fldDDDifficultee = ligne(this, "fldDDDifficultee");
    fldPourDevellopper = ZoneTexte(this, "fldPourDevellopper");
    fldnDD = ligne(this, "fldnDD", true);
    fldnDD->setProperty("Tag", QStringLiteral("numeric"));
    fldnDD->setMaximumWidth(Pixels(700));
    fldstrClasseNiveau = ligne(this, "fldstrClasseNiveau", true);
    fldstrobjet = ligne(this, "fldstrobjet", true);

    btnPrecedent = BoutonProtege(this, m_etat.erreurs, kModule, "btnPrecedent", QStringLiteral("&Précédent"),
                                 "btnPrecedent_Click", [this] { avance(-1); });
    btnsuivant = BoutonProtege(this, m_etat.erreurs, kModule, "btnsuivant", QStringLiteral("&Suivant"), "btnsuivant_Click",
                               [this] { avance(1); });
    btnEnregistrer = BoutonProtege(this, m_etat.erreurs, kModule, "btnEnregistrer", QStringLiteral("&Enregistrer"),
                                   "btnEnregistrer_Click", [this] { btnEnregistrer_Click(); });
    btnFermer = BoutonProtege(this, m_etat.erreurs, kModule, "btnFermer", QStringLiteral("&Fermer"), "btnFermer_Click",
                              [this] { FermeDescription(this); });
    connect(CmbSort, &QComboBox::currentIndexChanged, this,
            [this] { m_etat.erreurs.protege("CmbSort_Click", kModule, [this] { Affiche(); }); });
    connect(fldRecherche, &QLineEdit::textChanged, this,
            [this](const QString& saisie) { m_etat.erreurs.protege("fldRecherche_Change", kModule, [&] { recherche(saisie); }); });

    auto* haut = new QHBoxLayout;
    haut->addWidget(CmbSort, 1);
    haut->addWidget(fldRecherche, 1);
    auto* champs = new QGridLayout;
    const auto ajoute = [&](int ligneGrille, int colonne, const QString& titre, QWidget* zone, int etendue = 1) {
        auto* l = new QLabel(titre, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        champs->addWidget(l, ligneGrille, colonne * 2);
        champs->addWidget(zone, ligneGrille, colonne * 2 + 1, 1, etendue);
        return l;
    };
    ajoute(0, 0, QStringLiteral("Source"), fldstrSource);
    ajoute(0, 1, QStringLiteral("Ecole [Branche] (Registre)"), fldstrDomaine);
    ajoute(1, 0, QStringLiteral("Niveau"), fldstrNiveau, 3);
    ajoute(2, 0, QStringLiteral("Composante"), fldstrComposante);
    ajoute(2, 1, QStringLiteral("Temps d'incantation"), fldstrtempincantation);
    ajoute(3, 0, QStringLiteral("Portée"), fldstrportee);
    ajoute(3, 1, QStringLiteral("Cible"), fldstrcible);
    ajoute(4, 0, QStringLiteral("Effet"), fldstrEffet);
    ajoute(4, 1, QStringLiteral("Zone d'effet"), fldstrzoneeffet);
    ajoute(5, 0, QStringLiteral("Durée"), fldstrduree);
    ajoute(5, 1, QStringLiteral("Jet de sauvegarde"), fldstrjetsauvegarde);
    ajoute(6, 0, QStringLiteral("Résistance à la magie"), fldstrresistancemagie);
    LabDDDifficultee = ajoute(6, 1, QStringLiteral("DD pour lancer le sort épique"), fldDDDifficultee);
    champs->setColumnStretch(1, 1);
    champs->setColumnStretch(3, 1);
    auto* calcul = new QHBoxLayout;
    calcul->addWidget(new QLabel(QStringLiteral("DD"), this));
    calcul->addWidget(fldnDD);
    calcul->addWidget(new QLabel(QStringLiteral("Classe / niveau"), this));
    calcul->addWidget(fldstrClasseNiveau, 1);
    calcul->addWidget(new QLabel(QStringLiteral("Objet"), this));
    calcul->addWidget(fldstrobjet, 1);
    LabPourDevellopper = new QLabel(QStringLiteral("Pour dévellopper"), this);
    LabPourDevellopper->setObjectName(QStringLiteral("LabPourDevellopper"));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnPrecedent);
    boutons->addWidget(btnsuivant);
    boutons->addStretch();
    boutons->addWidget(btnEnregistrer);
    boutons->addWidget(btnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(haut);
    disposition->addWidget(labnom);
    disposition->addLayout(champs);
    disposition->addLayout(calcul);
    disposition->addWidget(LabPourDevellopper);
    disposition->addWidget(fldPourDevellopper, 1);
    disposition->addWidget(new QLabel(QStringLiteral("Explication du sort"), this));
    disposition->addWidget(fldstrExplication, 3);
    disposition->addLayout(boutons);
    resize(Pixels(12000), Pixels(9600));

    m_etat.erreurs.protege("Form_Load", kModule, [this] { Form_Load(); });
    // Les sorts d'une grille se lisent ; seule la liste de tous se cherche.
    fldRecherche->setVisible(m_grille.source.isEmpty());
}

QList<QWidget*> frmDescriptifSort::zonesEnregistrees() const
{
    return {fldstrDomaine, fldstrNiveau,     fldstrComposante,   fldstrtempincantation, fldstrportee,
            fldstrcible,   fldstrduree,      fldstrEffet,        fldstrjetsauvegarde,   fldstrresistancemagie,
            fldstrExplication, fldDDDifficultee, fldPourDevellopper};
}

void frmDescriptifSort::Form_Load()
{
    if (m_grille.source.isEmpty()) {
        RemplitListe(CmbSort, NomsSorts(*m_etat.programme));
    } else {
        QStringList noms;
        for (const LigneGrilleSort& l : m_grille.lignes)
            noms.append(l.nom);
        RemplitListe(CmbSort, noms);
        if (m_grille.choisie >= 0 && m_grille.choisie < noms.size())
            CmbSort->setCurrentIndex(m_grille.choisie);
    }
    Affiche();
}

void frmDescriptifSort::Affiche()
{
    const Ligne s = m_etat.programme->premiere(QStringLiteral("select * from sort where nom = ?"), {CmbSort->currentText()});
    if (!s)
        return;
    m_nom = s.texte(QStringLiteral("Nom"));
    labnom->setText(TitreSort(m_nom, s.reel(QStringLiteral("version"))));
    metTexte(fldstrSource, s.texte(QStringLiteral("Source")));
    metTexte(fldstrzoneeffet, s.texte(QStringLiteral("Zone d'effet")));
    const QList<QWidget*> zones = zonesEnregistrees();
    for (int i = 0; i < zones.size(); ++i)
        metTexte(zones.at(i), s.texte(ChampsSortEnregistres().at(i)));
    const int i = CmbSort->currentIndex();
    const LigneGrilleSort grille = !m_grille.source.isEmpty() && i >= 0 && i < m_grille.lignes.size() ? m_grille.lignes.at(i)
                                                                                                     : LigneGrilleSort{};
    fldnDD->setText(grille.dd);
    fldstrClasseNiveau->setText(grille.classeNiveau);
    fldstrobjet->setText(grille.objet);
    const bool epique = SortEpique(fldstrNiveau->text());
    for (QWidget* w : {static_cast<QWidget*>(fldDDDifficultee), static_cast<QWidget*>(fldPourDevellopper),
                       static_cast<QWidget*>(LabDDDifficultee), static_cast<QWidget*>(LabPourDevellopper)})
        w->setVisible(epique);
}

void frmDescriptifSort::avance(int pas)
{
    // Une ligne de la grille qui n'est pas un sort (un titre de niveau) est passée.
    for (int essais = 0; essais < CmbSort->count(); ++essais) {
        AvanceDansListe(CmbSort, pas);
        if (CmbSort->currentText().isEmpty() || EstSort(*m_etat.programme, CmbSort->currentText()))
            return;
    }
}

void frmDescriptifSort::btnEnregistrer_Click()
{
    QVariantMap champs;
    const QList<QWidget*> zones = zonesEnregistrees();
    for (int i = 0; i < zones.size(); ++i)
        champs.insert(ChampsSortEnregistres().at(i), texteZone(zones.at(i)));
    if (!EnregistreSort(*m_etat.programme, cheminCorrections, m_nom, champs))
        return;
    // Rechargée, la fenêtre reste sur le sort enregistré.
    const QString montre = CmbSort->currentText();
    const int index = CmbSort->currentIndex();
    if (fldRecherche->text().trimmed().isEmpty())
        Form_Load();
    if (m_grille.source.isEmpty())
        CmbSort->setCurrentIndex(qMax(0, CmbSort->findText(montre)));
    else
        CmbSort->setCurrentIndex(index);
    Affiche();
}

void frmDescriptifSort::recherche(const QString& saisie)
{
    const QStringList noms = saisie.trimmed().isEmpty() ? NomsSorts(*m_etat.programme)
                                                        : RechercheRegles(*m_etat.programme, QStringLiteral("Sort"), saisie);
    RemplitListe(CmbSort, noms);
    Affiche();
}

void MontreSort(EtatShell& etat, const SortsGrille& grille, QWidget* parent)
{
    MontreModale(new frmDescriptifSort(etat, grille), parent);
}

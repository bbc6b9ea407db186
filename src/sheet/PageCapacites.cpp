#include "PageCapacites.h"
#include "PageChamps.h"
#include "Fiche.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColonneNiveau = 4;

QTableWidget* grilleCapacites(QWidget* parent, const QString& nom)
{
    QTableWidget* g = grilleFiche(parent, nom,
                                  {QStringLiteral("Capacité"), QStringLiteral("Catégorie"),
                                   QStringLiteral("Sous-catégorie"), QStringLiteral("Valeur"), QStringLiteral("Niveau")});
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return g;
}

void remplitGrille(QTableWidget* g, const ListeCapacitesPerso& lignes, bool niveauSaisissable)
{
    g->setRowCount(int(lignes.size()));
    for (int i = 0; i < lignes.size(); ++i) {
        const LigneCapacite& l = lignes[i];
        const QString textes[5] = {l.Libelle, l.Categorie, l.SousCategorie, l.Valeur, l.Niveau};
        for (int c = 0; c < 5; ++c) {
            QTableWidgetItem* item = cellule(textes[c]);
            if (c == kColonneNiveau && niveauSaisissable) {
                item->setFlags(item->flags() | Qt::ItemIsEditable);
                item->setBackground(kJauneClair);
                item->setToolTip(QStringLiteral("Saisissez le niveau : la valeur est recalculée."));
            }
            g->setItem(i, c, item);
        }
    }
}

int ligneChoisie(const QTableWidget* g)
{
    const int ligne = g->currentRow();
    return ligne >= 0 && g->selectionModel()->isRowSelected(ligne, QModelIndex()) ? ligne : -1;
}

} // namespace

PageCapacites::PageCapacites(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageCapacites"));
    vsCapaciteListe = grilleCapacites(this, QStringLiteral("vsCapaciteListe"));
    vsCapacitePerso = grilleCapacites(this, QStringLiteral("vsCapacitePerso"));
    vsCapacitePerso->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                     | QAbstractItemView::AnyKeyPressed);
    btnAjouter = new QPushButton(QStringLiteral("&Ajouter"), this);
    btnAjouter->setObjectName(QStringLiteral("btnAjouter"));
    btnEnlever = new QPushButton(QStringLiteral("&Enlever"), this);
    btnEnlever->setObjectName(QStringLiteral("btnEnlever"));
    connect(btnAjouter, &QPushButton::clicked, this, [this] { Q_EMIT ajoute(ligneChoisie(vsCapaciteListe)); });
    connect(btnEnlever, &QPushButton::clicked, this, [this] { Q_EMIT enleve(ligneChoisie(vsCapacitePerso)); });
    connect(vsCapacitePerso, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_remplissage && item->column() == kColonneNiveau)
            Q_EMIT niveauSaisi(item->row(), item->text());
    });

    const auto explication = [this](const char* nom) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(nom));
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("color: #505050; font-style: italic"));
        return l;
    };
    lblCatalogueVide = explication("lblCatalogueVide");
    lblPriseVide = explication("lblPriseVide");
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(QStringLiteral("Capacités que le personnage peut prendre"), this));
    disposition->addWidget(lblCatalogueVide);
    disposition->addWidget(vsCapaciteListe, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnAjouter);
    boutons->addWidget(btnEnlever);
    boutons->addStretch();
    disposition->addLayout(boutons);
    disposition->addWidget(new QLabel(QStringLiteral("Capacités prises (le niveau se saisit dans la dernière colonne)"), this));
    disposition->addWidget(lblPriseVide);
    disposition->addWidget(vsCapacitePerso, 2);
}

void PageCapacites::remplit(const Fiche& f)
{
    m_remplissage = true;
    remplitGrille(vsCapaciteListe, f.CatalogueCapacites, false);
    remplitGrille(vsCapacitePerso, f.CapacitesPrises, true);
    m_remplissage = false;
    // Une liste vide dit pourquoi elle l'est.
    lblCatalogueVide->setText(
        QStringLiteral("Rien à prendre : le personnage n'a ni don qui s'active (Attaque en puissance, Bouclier "
                       "divin…), ni capacité de classe qui se déclenche (rage, frénésie, châtiment, forme animale…), "
                       "ni pouvoir magique de sa classe ou de sa race."));
    lblCatalogueVide->setVisible(f.CatalogueCapacites.isEmpty());
    lblPriseVide->setText(f.CatalogueCapacites.isEmpty()
                              ? QStringLiteral("Aucune capacité prise : il n'y en a aucune à prendre.")
                              : QStringLiteral("Aucune capacité prise : choisissez-en une dans la liste du haut, puis "
                                               "« Ajouter »."));
    lblPriseVide->setVisible(f.CapacitesPrises.isEmpty());
}

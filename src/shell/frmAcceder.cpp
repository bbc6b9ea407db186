#include "frmAcceder.h"
#include "ChoixPersonnage.h"
#include "UtilitairesFenetres.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

frmAcceder::frmAcceder(BaseDonnees& perso, QWidget* parent)
    : QWidget(parent), m_perso(perso)
{
    setObjectName(QStringLiteral("frmAcceder"));
    setWindowTitle(QStringLiteral("Accéder à un personnage"));

    vsnom = new QTableWidget(0, 4, this);
    vsnom->setObjectName(QStringLiteral("vsnom"));
    vsnom->setHorizontalHeaderLabels({QStringLiteral("Nom"), QStringLiteral("Race"), QStringLiteral("Niv"),
                                      QStringLiteral("Classe")});
    vsnom->verticalHeader()->hide();
    vsnom->verticalHeader()->setDefaultSectionSize(vsnom->fontMetrics().height() + 6);
    vsnom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsnom->setSelectionBehavior(QAbstractItemView::SelectRows);
    vsnom->setSelectionMode(QAbstractItemView::SingleSelection);
    vsnom->setAlternatingRowColors(true);
    vsnom->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    vsnom->setColumnWidth(1, Pixels(1500));
    vsnom->setColumnWidth(2, Pixels(600));
    vsnom->setColumnWidth(3, Pixels(1600));
    vsnom->resize(Pixels(6360), Pixels(3825));

    // La grille occupe toute la fenêtre, à chaque redimensionnement.
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(vsnom);

    connect(vsnom, &QTableWidget::cellClicked, this, [this] { AccedePerso(); });
    RempPerso();
}

void frmAcceder::RempPerso()
{
    const QVector<PersonnageChoix> liste = ListePersonnagesChoix(m_perso);
    vsnom->clearContents();
    vsnom->setRowCount(int(liste.size()));
    for (int i = 0; i < liste.size(); ++i) {
        const PersonnageChoix& p = liste[i];
        auto* niveau = new QTableWidgetItem(QString::number(p.niveau));
        niveau->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        vsnom->setItem(i, 0, new QTableWidgetItem(p.nom));
        vsnom->setItem(i, 1, new QTableWidgetItem(p.race));
        vsnom->setItem(i, 2, niveau);
        vsnom->setItem(i, 3, new QTableWidgetItem(p.classe));
    }
}

void frmAcceder::AccedePerso()
{
    const int ligne = vsnom->currentRow();
    if (ligne < 0 || !vsnom->selectionModel()->isRowSelected(ligne, QModelIndex()) || !vsnom->item(ligne, 0))
        return;
    Q_EMIT personnageChoisi(vsnom->item(ligne, 0)->text());
}

#include "PageDons.h"
#include "PageChamps.h"
#include "Fiche.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

PageDons::PageDons(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageDons"));
    vsDon = grilleFiche(this, QStringLiteral("vsDon"),
                        {QStringLiteral("Dons"), QStringLiteral("Classe / Niveau"), QStringLiteral("Explication"),
                         QStringLiteral("Aide")});
    QHeaderView* entetes = vsDon->horizontalHeader();
    entetes->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    entetes->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    entetes->setSectionResizeMode(2, QHeaderView::Stretch);
    vsDon->setColumnWidth(3, 40);
    btnCacherDon = new QPushButton(this);
    btnCacherDon->setObjectName(QStringLiteral("btnCacherDon"));
    connect(btnCacherDon, &QPushButton::clicked, this, &PageDons::basculeDons);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnCacherDon);
    boutons->addStretch();
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(vsDon, 1);
    disposition->addLayout(boutons);
}

void PageDons::remplit(const Fiche& f)
{
    vsDon->setRowCount(int(f.Dons.size()));
    for (int i = 0; i < f.Dons.size(); ++i) {
        const LigneDon& d = f.Dons[i];
        const QString textes[4] = {d.Affiche, d.Origine, d.Explication, QString()};
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem* item = cellule(textes[c]);
            // Une tare s'écrit en rouge.
            if (d.Tare)
                item->setForeground(Qt::darkRed);
            vsDon->setItem(i, c, item);
        }
        vsDon->item(i, 2)->setToolTip(d.Explication);
        vsDon->setRowHidden(i, d.Cachee);
    }
    btnCacherDon->setText(f.LegendeBoutonDons);
}

#include "PageDons.h"
#include "PageChamps.h"
#include "Fiche.h"
#include "ListeDon.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

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
    lblProgression = new QLabel(this);
    lblProgression->setObjectName(QStringLiteral("lblProgression"));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(btnCacherDon);
    boutons->addWidget(lblProgression, 1);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(vsDon, 1);
    disposition->addLayout(boutons);
}

void PageDons::remplit(const Fiche& f)
{
    // Lignes que le bouton cache : celles que la règle des dons de progression marque dépassées.
    QVector<LigneDon> depasses = f.Dons;
    BasculeDonsProgression(depasses, QString::fromUtf8(kCacherDons));
    const auto nombre = std::count_if(depasses.cbegin(), depasses.cend(), [](const LigneDon& d) { return d.Cachee; });
    const bool caches = f.LegendeBoutonDons == QString::fromUtf8(kMontrerDons);
    vsDon->setRowCount(int(f.Dons.size()));
    for (int i = 0; i < f.Dons.size(); ++i) {
        const LigneDon& d = f.Dons[i];
        const QString textes[4] = {d.Affiche, d.Origine, d.Explication, QString()};
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem* item = cellule(textes[c]);
            // Une tare s'écrit en rouge ; une ligne dépassée montrée, en gris italique.
            if (d.Tare)
                item->setForeground(Qt::darkRed);
            else if (depasses.at(i).Cachee) {
                item->setForeground(Qt::gray);
                QFont police = item->font();
                police.setItalic(true);
                item->setFont(police);
            }
            vsDon->setItem(i, c, item);
        }
        vsDon->item(i, 2)->setToolTip(d.Explication);
        vsDon->setRowHidden(i, d.Cachee);
    }
    btnCacherDon->setText(f.LegendeBoutonDons);
    btnCacherDon->setEnabled(nombre > 0);
    lblProgression->setText(
        nombre == 0 ? QStringLiteral("Aucun don de progression n'est répété : il n'y a rien à cacher.")
        : caches    ? QStringLiteral("%1 ligne(s) de progression dépassée(s) cachée(s).").arg(nombre)
                    : QStringLiteral("%1 ligne(s) de progression dépassée(s) montrée(s) en gris.").arg(nombre));
}

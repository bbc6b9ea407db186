#include "PageChamps.h"
#include "shell/UtilitairesFenetres.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

QLineEdit* champFiche(QWidget* parent, const QString& nom, bool numerique)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(nom);
    if (numerique) {
        champ->setProperty("Tag", QStringLiteral("numeric"));
        champ->setAlignment(Qt::AlignRight);
        champ->setMaximumWidth(Pixels(660));
    }
    return champ;
}

QPlainTextEdit* texteFiche(QWidget* parent, const QString& nom, int lignes)
{
    auto* texte = new QPlainTextEdit(parent);
    texte->setObjectName(nom);
    texte->setReadOnly(true);
    texte->setMinimumHeight(texte->fontMetrics().lineSpacing() * lignes + 14);
    return texte;
}

void rendSaisissable(QLineEdit* champ)
{
    QPalette p = champ->palette();
    p.setColor(QPalette::Base, kJauneClair);
    champ->setPalette(p);
    champ->setToolTip(QStringLiteral("Valeur à saisir : elle compte au prochain calcul (F5)."));
}

void metChamp(QWidget* page, const QString& nom, const QString& texte)
{
    if (auto* champ = page->findChild<QLineEdit*>(nom)) {
        champ->setText(texte);
        champ->setCursorPosition(0);
    } else if (auto* zone = page->findChild<QPlainTextEdit*>(nom)) {
        zone->setPlainText(texte);
    }
}

void metChamp(QWidget* page, const QString& nom, int valeur)
{
    metChamp(page, nom, QString::number(valeur));
}

void ajouteLigne(QGridLayout* grille, int ligne, int colonne, const QString& libelle, QWidget* champ)
{
    auto* etiquette = new QLabel(libelle, grille->parentWidget());
    etiquette->setBuddy(champ);
    grille->addWidget(etiquette, ligne, colonne);
    grille->addWidget(champ, ligne, colonne + 1);
}

QTableWidget* grilleFiche(QWidget* parent, const QString& nom, const QStringList& titres)
{
    auto* g = new QTableWidget(0, int(titres.size()), parent);
    g->setObjectName(nom);
    g->setHorizontalHeaderLabels(titres);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(false);
    return g;
}

QTableWidgetItem* cellule(const QString& texte)
{
    auto* item = new QTableWidgetItem(texte);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString nombreOuVide(bool affiche, int valeur)
{
    return affiche ? QString::number(valeur) : QString();
}

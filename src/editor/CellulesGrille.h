#pragma once
// Lecture et écriture du texte d'une cellule des grilles de l'éditeur (une cellule jamais
// remplie se lit "").
#include <QTableWidget>

inline QString cellule(const QTableWidget* grille, int ligne, int colonne)
{
    const QTableWidgetItem* item = grille->item(ligne, colonne);
    return item ? item->text() : QString();
}

inline void metCellule(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    if (QTableWidgetItem* item = grille->item(ligne, colonne))
        item->setText(texte);
    else
        grille->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

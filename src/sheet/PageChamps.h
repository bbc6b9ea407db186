#pragma once
// Outils communs des pages de la fiche : champs nommés comme les contrôles, grilles, textes.
#include <QColor>
#include <QString>
#include <QStringList>

class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// Fond des champs que l'utilisateur peut remplir (C0FFFF dans l'ordre bleu, vert, rouge).
inline const QColor kJauneClair{0xFF, 0xFF, 0xC0};

// Champ d'une valeur calculée ; un champ numérique porte la marque "numeric" et s'aligne à droite.
QLineEdit* champFiche(QWidget* parent, const QString& nom, bool numerique = true);
// Champ de plusieurs lignes (notes, capacités de classe).
QPlainTextEdit* texteFiche(QWidget* parent, const QString& nom, int lignes);
// Fond jaune clair : la saisie de ce champ est relue au calcul suivant.
void rendSaisissable(QLineEdit* champ);

// Écrit le texte dans le champ de ce nom parmi les enfants de la page.
void metChamp(QWidget* page, const QString& nom, const QString& texte);
void metChamp(QWidget* page, const QString& nom, int valeur);

// Ligne « libellé : champ » dans une grille, à la colonne donnée (deux colonnes occupées).
void ajouteLigne(QGridLayout* grille, int ligne, int colonne, const QString& libelle, QWidget* champ);

// Grille en lecture seule, une ligne choisie à la fois, en-têtes donnés.
QTableWidget* grilleFiche(QWidget* parent, const QString& nom, const QStringList& titres);
// Cellule non modifiable.
QTableWidgetItem* cellule(const QString& texte);
// Nombre écrit, ou case vide quand il ne doit pas se voir.
QString nombreOuVide(bool affiche, int valeur);

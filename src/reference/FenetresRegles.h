#pragma once
// Ce que les fenêtres de description partagent : ouverture modale sur un seul élément, fermeture,
// zone de texte à plusieurs lignes, liste filtrée par la recherche plein texte.
#include <QStringList>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

// Montre la fenêtre dans un dialogue modal (titre et nom d'objet les siens) jusqu'à sa fermeture.
void MontreModale(QWidget* fenetre, QWidget* parent);
// Ferme une fenêtre de description : son dialogue modal, sinon sa sous-fenêtre ou elle-même.
void FermeDescription(QWidget* fenetre);

class QLineEdit;

QPlainTextEdit* ZoneTexte(QWidget* parent, const char* nom, bool lectureSeule = false);
QLabel* Etiquette(QWidget* parent, const char* nom);
// Nom de l'élément montré, en gras et plus grand.
QLabel* Titre(QWidget* parent, const char* nom);
// Liste des noms d'une fenêtre de parcours, et la zone de recherche qui la filtre.
QComboBox* ListeNoms(QWidget* parent, const char* nom);
QLineEdit* ChampRecherche(QWidget* parent);

// Remplit la liste avec ces noms et choisit le premier, sans signal de choix.
void RemplitListe(QComboBox* liste, const QStringList& noms);
// Va à l'élément précédent (pas = -1) ou suivant (pas = 1), en bouclant d'un bout à l'autre.
void AvanceDansListe(QComboBox* liste, int pas);

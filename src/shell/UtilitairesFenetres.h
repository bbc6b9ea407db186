#pragma once
// Outils communs des fenêtres : effacement des champs, sélection à l'entrée dans un champ,
// recherche d'une ligne de grille, dialogue d'ouverture, alignement des boutons.
#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>

class QAbstractItemView;
class GestionErreurs;
class QPushButton;
class QWidget;

// Conversion des anciennes unités de mise en page (1/1440 de pouce) en pixels à 96 ppp.
int Pixels(int twips);

// Taille voulue d'une fenêtre de premier niveau, bornée à l'écran qui la montrera, cadre et barre
// de titre compris : sur un écran de 1024 × 720, ses boutons restent visibles.
QSize TailleDansEcran(const QWidget* fenetre, QSize voulue);

// Vide les champs d'une fenêtre selon le début de leur nom : "FLD" (texte vide, ou "0" quand la
// propriété "Tag" vaut "numeric"), "CMB" (aucun choix), "CHK" (décoché). Le reste n'est pas touché.
void VideChamps(QWidget* fenetre);

// Sélectionne tout le texte d'un champ "FLD" quand il reçoit le focus.
class SelectionSurFocus : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
// Pose ce filtre une fois sur l'application : chaque champ "FLD" de chaque fenêtre, même créé
// plus tard, en profite. Les appels suivants ne font rien.
void ActiveSelectionSurFocus();

// Première ligne dont la cellule de la colonne vaut exactement le texte : elle devient la ligne
// courante et sélectionnée, et la grille la fait voir. Faux si aucune ne convient.
bool TrouveLigne(QAbstractItemView* grille, const QString& valeur, int colonne);

// Dialogue d'ouverture d'un fichier. Le filtre s'écrit "libellé|motif" (plusieurs paires
// possibles, séparées elles aussi par "|"). Rend le chemin choisi, ou "" si l'utilisateur annule.
// Installe les traductions françaises de Qt livrées par le système (boutons « Oui », « Non »,
// « Annuler », dialogues de fichiers et d'impression). Faux quand elles manquent.
bool ChargeTraductionsQt();

QString DialogueOuvrir(QWidget* parent, const QString& titre, const QString& filtre, const QString& dossierInitial);

// Place les boutons visibles côte à côte, dans l'ordre donné, à partir du bord gauche du
// premier et à sa hauteur ; les boutons cachés ne laissent pas de trou.
void DisposeBoutons(const QList<QWidget*>& boutons);

// Ferme une fenêtre fille : sa sous-fenêtre quand elle est dans la zone cliente, sinon elle-même.
void FermeFenetre(QWidget* fenetre);

// Position d'une fenêtre fille dans le fichier de réglages, section au nom de la fenêtre (clés
// POS_X et POS_Y) : remise en place quand elle a été retenue, écrite à la fermeture.
void RestaurePosition(const QString& cheminIni, QWidget* fenetre);
void EnregistrePosition(const QString& cheminIni, QWidget* fenetre);

// Touches d'une fenêtre d'édition, prioritaires sur ses contrôles : Entrée passe au contrôle
// suivant ; chaque touche clique son bouton quand il est montré et actif ; Échap appelle echap.
void TouchesEdition(QWidget* fenetre, const QList<QPair<QKeySequence, QPushButton*>>& touches,
                    const std::function<void()>& echap);

// Bouton nommé d'une fenêtre, sans défaut automatique, dont le clic passe par le gestionnaire
// d'erreurs commun sous le nom de procédure donné.
QPushButton* BoutonProtege(QWidget* fenetre, GestionErreurs& erreurs, const char* module, const char* nom,
                           const QString& libelle, const char* procedure, std::function<void()> faire);

#pragma once
// Gestion des objets : le catalogue de la base de personnages, ses champs, ses propriétés prises
// dans l'arbre Tree1 ; modes consultation et modification ; seul objet quand la fiche l'ouvre.
#include "CatalogueObjets.h"

#include <QHash>
#include <QWidget>
#include <functional>

struct EtatShell;
class QComboBox;
class QLineEdit;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ModeleObjets;
class FiltreObjets;

class frmGestobj : public QWidget
{
    Q_OBJECT

public:
    // objetUnique : l'objet d'un emplacement de la fiche ; la fenêtre n'édite alors que lui.
    explicit frmGestobj(EtatShell& etat, const QString& objetUnique = {}, QWidget* parent = nullptr);
    ~frmGestobj() override;

    // Passe en modification ; sans effet pendant un chargement.
    void Modification();
    bool enModification() const { return m_modifie; }
    // Contrôle et écrit l'objet affiché ; vrai quand il a été écrit.
    bool Enregistre();
    // Échap : abandonne les changements en modification, ferme en consultation.
    void Annule();
    // F9 : champs vidés pour un nouvel objet.
    void Ajoute();
    // F10 : supprime les objets choisis dans la liste, chacun après confirmation.
    void Supprime();
    void btnRenommer_Click();
    // Renomme l'objet affiché ; refusé, avec son message, quand le nom est pris.
    void Renomme(const QString& nouveau);
    // Ajoute la propriété du nœud choisi de l'arbre ; btnEnlever retire la ligne choisie.
    void btnAjout_Click();
    void btnEnlever_Click();
    // Montre l'objet nommé de la liste (avec la question d'enregistrement) ; faux s'il n'y est pas.
    bool choisitObjet(const QString& nom);
    // Garde les lignes de la liste dont le nom ou le groupe contient chaque mot du texte.
    void filtre(const QString& texte);
    // Nombre de lignes montrées par la liste.
    int lignesVisibles() const;

    QString objetAffiche() const { return m_nomAffiche; }
    QVector<ProprieteObjet> proprietes() const;
    QWidget* controle(int colonne) const { return m_champs.value(colonne); }
    QString texteEtat() const;

    QLineEdit* fldstrFiltre;
    QTableView* vsObjets;
    QTabWidget* SSTab1;
    QTreeWidget* Tree1;
    QTableWidget* vsPropri;
    QPushButton* btnAjout;
    QPushButton* btnEnlever;
    QPushButton* btnAjouter;
    QPushButton* btnEnregistrer;
    QPushButton* btnSupprimer;
    QPushButton* btnAnnuler;
    QPushButton* btnRenommer;
    QPushButton* BtnFermer;
    QStatusBar* StatusBar1;

Q_SIGNALS:
    // Le catalogue a changé (enregistrement, suppression, nouveau nom) : les fiches se recalculent.
    void catalogueChange();
    void fermee();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creeChamps();
    QWidget* creePageObjet();
    QWidget* creePageProprietes();
    void creeBoutons();
    void creeTouches();
    void rempTree();
    void developpe(QTreeWidgetItem* noeud);
    void RemplieLst();
    void montreMode();
    void ligneChoisie(const QModelIndex& courant, const QModelIndex& precedent);
    // Question d'enregistrement avant de quitter un objet modifié ; faux : l'utilisateur reste.
    bool quitteObjet();
    void afficheObjet(const ObjetCatalogue& objet, const QVector<ProprieteObjet>& proprietes);
    void ajouteLignePropriete(const ProprieteObjet& p);
    void selectionneLigne(const QString& nom);
    void afficheLigneCourante();
    ObjetCatalogue lit() const;
    QString texteChamp(int colonne) const;
    void execute(const char* procedure, const std::function<void()>& faire);

    EtatShell& m_etat;
    QString m_objetUnique;
    ListesObjet m_listes;
    QHash<int, QWidget*> m_champs;   // colonne -> contrôle
    ModeleObjets* m_modele;
    FiltreObjets* m_filtre;
    QString m_nomAffiche;
    bool m_chargement = false;
    bool m_modifie = false;
    bool m_ignoreSelection = false;
    bool m_positionLue = false;
};

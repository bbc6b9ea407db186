#pragma once
// Description d'un sort : tous les sorts (menu) ou ceux d'une grille de la fiche, avec ce que la
// fiche a calculé (DD, classe et niveau, objet) ; correction de ses textes.
#include "Descriptifs.h"

#include <QWidget>

struct EtatShell;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmDescriptifSort : public QWidget
{
    Q_OBJECT

public:
    frmDescriptifSort(EtatShell& etat, SortsGrille grille = {}, QWidget* parent = nullptr);

    void Form_Load();
    void Affiche();
    void btnEnregistrer_Click();
    // pas : -1 précédent, 1 suivant ; les lignes qui ne sont pas des sorts sont passées.
    void avance(int pas);
    void recherche(const QString& saisie);

    QString cheminCorrections;

    QLabel* labnom;
    QComboBox* CmbSort;
    QLineEdit* fldRecherche;
    QLineEdit* fldstrSource;
    QLineEdit* fldstrDomaine;
    QLineEdit* fldstrNiveau;
    QLineEdit* fldstrComposante;
    QLineEdit* fldstrtempincantation;
    QLineEdit* fldstrportee;
    QLineEdit* fldstrcible;
    QLineEdit* fldstrEffet;
    QLineEdit* fldstrzoneeffet;
    QLineEdit* fldstrduree;
    QLineEdit* fldstrjetsauvegarde;
    QLineEdit* fldstrresistancemagie;
    QPlainTextEdit* fldstrExplication;
    QLineEdit* fldDDDifficultee;
    QPlainTextEdit* fldPourDevellopper;
    QLabel* LabDDDifficultee;
    QLabel* LabPourDevellopper;
    QLineEdit* fldnDD;
    QLineEdit* fldstrClasseNiveau;
    QLineEdit* fldstrobjet;
    QPushButton* btnPrecedent;
    QPushButton* btnsuivant;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;

private:
    // Zones des champs enregistrés, dans l'ordre de ChampsSortEnregistres.
    QList<QWidget*> zonesEnregistrees() const;

    EtatShell& m_etat;
    SortsGrille m_grille;
    QString m_nom;   // nom nu du sort montré, sans la note de version
};

// Ouvre la description, modale, sur les sorts d'une grille de la fiche.
void MontreSort(EtatShell& etat, const SortsGrille& grille, QWidget* parent);

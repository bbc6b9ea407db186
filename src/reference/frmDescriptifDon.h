#pragma once
// Description d'un don : parcours de tous les dons (menu) ou un seul don (fiche, répartition) ;
// correction de ses textes, avec découpage d'une entrée collée depuis un livre.
#include <QWidget>

struct EtatShell;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmDescriptifDon : public QWidget
{
    Q_OBJECT

public:
    // parcours : ouverte du menu, sur tous les dons ; sinon fixée sur le don donné.
    frmDescriptifDon(EtatShell& etat, bool parcours, const QString& don = {}, QWidget* parent = nullptr);

    void Affiche();
    void btnEnregistrer_Click();
    // Filtre la liste sur les dons dont le nom ou un texte contient les mots tapés.
    void recherche(const QString& saisie);

    // Fichier des corrections de l'utilisateur (un essai en donne un à lui).
    QString cheminCorrections;

    QComboBox* CmbNomDon;
    QLineEdit* fldRecherche;
    QLabel* LabDon;
    QLabel* LabGenre;
    QLabel* LabCategorie;
    QLabel* LabType;
    QLabel* LabSource;
    QPlainTextEdit* fldstrResume;
    QPlainTextEdit* fldstrCondition;
    QPlainTextEdit* fldstrExplication;
    QPlainTextEdit* fldstrNormal;
    QPlainTextEdit* fldstrSpecial;
    QPushButton* btnPrecedent;
    QPushButton* btnSuivant;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;

private:
    void choisit();

    EtatShell& m_etat;
};

// Ouvre la description d'un seul don, modale (double-clic sur un don de la fiche ou de la répartition).
void MontreDon(EtatShell& etat, const QString& don, QWidget* parent);

#pragma once
// Liste des objets du catalogue : le choix d'un objet, de sa quantité et de son prix l'ajoute à
// une ligne de la grille des objets de l'éditeur, payé sur l'argent du personnage ou offert.
#include <QDialog>

class BaseDonnees;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class FrmLstArticle : public QDialog
{
    Q_OBJECT

public:
    // achat : l'objet est payé ; sinon il est ajouté gratuitement et le prix part de "0".
    FrmLstArticle(BaseDonnees& perso, bool achat, QTableWidget* vsEquip, int ligne, QLineEdit* fldnTotalPo,
                  const QString& personnage, QWidget* parent = nullptr);

    // Contrôle les saisies puis écrit l'objet dans la ligne et paie ; ferme quand tout est bon.
    void BtnOK_Click();

    QLineEdit* fldstrRecherche;
    QTableWidget* FGarticle;
    QLineEdit* fldnNombre;
    QLineEdit* fldnPrixUnitaire;
    QPlainTextEdit* fldstrdescription;
    QLabel* LabArgent;
    QPushButton* BtnOK;
    QPushButton* BtnAnnuler;

private:
    void remp(BaseDonnees& perso);
    void FGarticle_SelChange();
    void filtre(const QString& texte);

    QTableWidget* m_grille;
    int m_ligne;
    QString m_personnage;
    QLineEdit* m_argent;
    double m_facteur;   // part du prix payée : 1 pour un achat, 0 pour un ajout gratuit
};

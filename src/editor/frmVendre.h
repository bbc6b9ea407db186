#pragma once
// Revente de tout ou partie des objets d'une ligne de la grille des objets de l'éditeur ;
// le prix est ajouté à l'argent du personnage.
#include "Commerce.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class frmVendre : public QDialog
{
    Q_OBJECT

public:
    frmVendre(const QString& nomObjet, double prixNeuf, const QString& quantiteTenue, QTableWidget* vsEquip, int ligne,
              QLineEdit* fldnTotalPo, QWidget* parent = nullptr);

    void btnVendre_Click();
    void btnSupprimer_Click();

    QGroupBox* CadreObjet;
    QLabel* LabPrixNeuf;
    QLineEdit* fldnNombreObjet;
    QLineEdit* fldnPrixUnitaire;
    QLineEdit* fldnPrixTotal;
    QPushButton* btnVendre;
    QPushButton* btnSupprimer;
    QPushButton* btnAnnuler;

private:
    // Reporte la saisie d'un champ dans la vente ; refusée, le message est montré et le champ remis.
    bool reporte(QLineEdit* champ);
    void affiche();

    Vente m_vente;
    QTableWidget* m_grille;
    int m_ligne;
    QLineEdit* m_argent;
    bool m_reporte = false;
};

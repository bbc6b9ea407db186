#pragma once
// Demande du nouveau nom d'un personnage.
#include <QDialog>

class QLineEdit;
class QPushButton;

class frmRenommer : public QDialog
{
    Q_OBJECT

public:
    frmRenommer(const QString& nomActuel, QWidget* parent = nullptr);

    // Le nom saisi, ou "" quand l'utilisateur a annulé.
    QString nouveauNom() const;

    QLineEdit* fldstrNouveauNom;
    QPushButton* btnOk;
    QPushButton* btnAnnuler;
};

#pragma once
// Demande du nouveau nom d'un personnage.
#include <QDialog>

class QLineEdit;
class QPushButton;

class frmRenommer : public QDialog
{
    Q_OBJECT

public:
    // aide : l'infobulle du champ, qui dit ce qui est renommé.
    frmRenommer(const QString& nomActuel, QWidget* parent = nullptr,
                const QString& aide = QStringLiteral("Permet de renommer le personnage, (retour en arriere possible)"));

    // Le nom saisi, ou "" quand l'utilisateur a annulé.
    QString nouveauNom() const;

    QLineEdit* fldstrNouveauNom;
    QPushButton* btnOk;
    QPushButton* btnAnnuler;
};

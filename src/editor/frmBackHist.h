#pragma once
// Background et historique d'un personnage : deux textes longs, lus et écrits dans sa fiche.
#include <QDialog>

class BaseDonnees;
class GestionErreurs;
class QPlainTextEdit;
class QPushButton;

class frmBackHist : public QDialog
{
    Q_OBJECT

public:
    // Sans nom, rien n'est lu ni écrit.
    frmBackHist(BaseDonnees& perso, GestionErreurs& erreurs, const QString& nom, QWidget* parent = nullptr);

    QPlainTextEdit* fldstrbackground;
    QPlainTextEdit* fldstrhistorique;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;
};

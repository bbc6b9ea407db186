#pragma once
// Description d'une compétence, en lecture seule.
#include <QWidget>

struct EtatShell;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmDescriptifCompetence : public QWidget
{
    Q_OBJECT

public:
    // cle : le nom de la compétence dans les règles ("Artisanat 1", pas la spécialité).
    frmDescriptifCompetence(EtatShell& etat, const QString& cle, QWidget* parent = nullptr);

    QLabel* labnom;
    QPlainTextEdit* fldstrTest;
    QPlainTextEdit* fldstrAction;
    QPlainTextEdit* fldstrNouvelle;
    QPlainTextEdit* fldstrSpecial;
    QPlainTextEdit* fldstrSynergie;
    QPlainTextEdit* fldstrRestriction;
    QPlainTextEdit* fldstrinne;
    QPushButton* btnFermer;
};

void MontreCompetence(EtatShell& etat, const QString& cle, QWidget* parent);

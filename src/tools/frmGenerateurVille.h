#pragma once
// Générateur de ville : la description d'une communauté, qu'on peut imprimer.
#include "shell/Hasard.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmGenerateurVille : public QWidget
{
    Q_OBJECT

public:
    // Sans source donnée, les dés viennent du générateur partagé.
    explicit frmGenerateurVille(QChar separateurDecimal, SourceHasard* hasard = nullptr, QWidget* parent = nullptr);

    void cmdGenerer_Click();
    void cmbPrint_Click();

    QLineEdit* fldstrnom;
    QLineEdit* fldnPopulation;
    QLineEdit* fldnImpot;
    QLineEdit* fldnDime;
    QComboBox* CmbType;
    QPlainTextEdit* fldstrSortie;
    QPushButton* cmdGenerer;
    QPushButton* cmbPrint;

private:
    QChar m_separateur;
    HasardGenerateur m_hasardPartage;
    SourceHasard& m_hasard;
};

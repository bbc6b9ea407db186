#pragma once
// Lanceur de dés : chaque dé lancé et leur total.
#include "shell/Hasard.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmLanceurDes : public QWidget
{
    Q_OBJECT

public:
    // Sans source donnée, les dés viennent du générateur partagé.
    explicit frmLanceurDes(SourceHasard* hasard = nullptr, QWidget* parent = nullptr);

    void btnGenerer_Click();

    QLineEdit* fldnNombreDes;
    QComboBox* CmbTypeDes;
    QPlainTextEdit* fldstrDetailResultat;
    QLineEdit* fldnResultat;
    QPushButton* btnGenerer;

private:
    HasardGenerateur m_hasardPartage;
    SourceHasard& m_hasard;
};

#pragma once
// Astuce du jour : une astuce à la fois, lue dans "ASTUCE.TXT" du dossier du programme.
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

inline constexpr const char* kNomFichierAstuces = "ASTUCE.TXT";

class frmAstuce : public QWidget
{
    Q_OBJECT

public:
    explicit frmAstuce(const QString& dossierProgramme, QWidget* parent = nullptr);

    // Faux quand le fichier n'existe pas ; sinon lit toutes ses lignes et montre une astuce.
    bool LoadTips(const QString& chemin);
    void DisplayCurrentTip();
    // Astuce suivante, la première après la dernière.
    void AstuceSuivante();

    QLabel* lblTipText;
    QCheckBox* chkLoadTipsAtStartup;
    QPushButton* cmdNextTip;
    QPushButton* cmdOK;

private:
    QStringList m_astuces;
    int m_index = 0;   // à partir de 1 ; 0 avant la première
};

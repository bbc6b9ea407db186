#pragma once
// Application des dons de métamagie à un sort préparé : une case par option, niveau modifié.
#include "SortsMetamagie.h"

#include <QDialog>
#include <QVector>
#include <array>

class BaseDonnees;
class QCheckBox;
class QLabel;
class QPushButton;

class frmMetamagie : public QDialog
{
    Q_OBJECT

public:
    frmMetamagie(BaseDonnees& programme, const QVector<LigneDon>& dons, const QString& nomSort, int niveauBase,
                 int niveauMax, QWidget* parent = nullptr);

    // Niveau modifié et dons appliqués, valables après acceptation.
    const ResultatMetamagie& resultat() const { return m_resultat; }

    QLabel* lblNomSort;
    QLabel* lblNiveau;
    QLabel* lblNiveauMetamagie;
    QLabel* lblNiveauMax;
    QLabel* lblAucuneOption;   // sans case à cocher : pourquoi
    QPushButton* btnOk;
    std::array<QCheckBox*, kOptionsMetamagieMax> chkMetamagie{};

private:
    QVector<bool> coches() const;
    void btnOk_Click();

    QVector<OptionMetamagie> m_options;
    int m_niveauBase;
    int m_niveauMax;
    ResultatMetamagie m_resultat;
};

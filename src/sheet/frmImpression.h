#pragma once
// Dialogue "Type d'impression" : forme de l'export et contenus en option, retenus dans les
// réglages pour la fois suivante.
#include "ImpressionFiche.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;

class frmImpression : public QDialog
{
    Q_OBJECT

public:
    // cheminIni vide : les choix ne sont ni relus ni retenus.
    explicit frmImpression(const QString& cheminIni, QWidget* parent = nullptr);

    ChoixImpression choix() const;

private:
    void litChoix();
    void btnOk_Click();
    // "Uniquement les sort quotidiens" n'a de sens qu'avec les sorts.
    void metAJourDependances();

    QString m_cheminIni;
    std::array<QRadioButton*, 6> Option{};
    std::array<QCheckBox*, 5> ChkImprim{};
    QPushButton* btnOk;
    QPushButton* btnAnnuler;
};

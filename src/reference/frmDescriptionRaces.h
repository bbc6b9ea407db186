#pragma once
// Description des races : texte de chaque race, corrigeable.
#include <QWidget>

struct EtatShell;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

class frmDescriptionRaces : public QWidget
{
    Q_OBJECT

public:
    // race : celle à montrer d'abord (la fiche) ; vide, la première par ordre alphabétique.
    frmDescriptionRaces(EtatShell& etat, const QString& race = {}, QWidget* parent = nullptr);

    void btnEnregistrer_Click();

    QString cheminCorrections;

    QComboBox* CmbRace;
    QPlainTextEdit* fldstrDescriptionRaces;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;

private:
    void affiche();

    EtatShell& m_etat;
};

// Ouvre la description, modale, sur la race du personnage (double-clic sur la race de la fiche).
void MontreRace(EtatShell& etat, const QString& race, QWidget* parent);

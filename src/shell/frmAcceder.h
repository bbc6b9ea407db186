#pragma once
// Choix d'un personnage : la liste des personnages de la base ouverte.
#include <QWidget>

class BaseDonnees;
class QTableWidget;

class frmAcceder : public QWidget
{
    Q_OBJECT

public:
    explicit frmAcceder(BaseDonnees& perso, QWidget* parent = nullptr);

    // Remplit la grille : nom, race, niveau total, classe principale.
    void RempPerso();
    // Demande la fiche du personnage de la ligne choisie ; rien sans ligne choisie.
    void AccedePerso();

    QTableWidget* vsnom;

Q_SIGNALS:
    // La fiche du personnage (frmFichePerso) s'ouvrira sur ce signal ; d'ici là, rien n'y est branché.
    void personnageChoisi(const QString& nom);

private:
    BaseDonnees& m_perso;
};

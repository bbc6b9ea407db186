#pragma once
// Expérience des personnages : récompenses des rencontres ajoutées puis enregistrées.
#include "Experience.h"

#include <QWidget>

struct EtatShell;
class DelegueGrille;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class frmExperience : public QWidget
{
    Q_OBJECT

public:
    explicit frmExperience(EtatShell& etat, QWidget* parent = nullptr);

    // Remplit la grille ; rend l'avertissement des personnages en retard d'un niveau.
    QString RempPerso();
    void btnAdd_Click();
    void btnEnregistrer_Click();

    QTableWidget* vspersonnage;
    QLineEdit* fldnFP;
    QLineEdit* fldnIdee;
    QLineEdit* fldnTotalIdee;
    QPlainTextEdit* fldstrExperience;
    QPushButton* btnAdd;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void afficheLigne(int i);
    void celluleChangee(int ligne, int colonne);
    void avertit(const QString& message);
    void ajouteJournal(const QString& texte);

    EtatShell& m_etat;
    DelegueGrille* m_delegue;
    QVector<LigneExperience> m_lignes;
    QString m_avertissement;
    double m_totalIdee = 0;
    bool m_remplissage = false;
    bool m_montre = false;
};

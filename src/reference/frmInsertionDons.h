#pragma once
// Insertion de dons : les dons personnels de la base de personnages ouverte. Fermée, la fenêtre
// les fait voir parmi les dons des règles (CopieDonsPerso).
#include <QWidget>

struct EtatShell;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmInsertionDons : public QWidget
{
    Q_OBJECT

public:
    explicit frmInsertionDons(EtatShell& etat, QWidget* parent = nullptr);

    void AfficheDon(int index);
    void NouveauDon();
    void btnEnregistrer_Click();

    QComboBox* cmbNom;
    QLineEdit* fldnVersion;
    QComboBox* cmbGenre;
    QComboBox* cmbSource;
    QLineEdit* fldnPage;
    QPlainTextEdit* fldstrResume;
    QPlainTextEdit* fldstrExplication;
    QComboBox* cmbCaracteristique;
    QCheckBox* ChkPrive;
    QCheckBox* ChkLiearme;
    QCheckBox* ChkMultiple;
    QCheckBox* ChkEpique;
    QCheckBox* ChkPouvoir;
    QCheckBox* ChkTare;
    QCheckBox* ChkTrait;
    QPushButton* btnNouveau;
    QPushButton* btnEnregistrer;
    QPushButton* btnFermer;
    QPushButton* btnPrecedent;
    QPushButton* btnSuivant;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void remplitNoms();

    EtatShell& m_etat;
};

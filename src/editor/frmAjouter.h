#pragma once
// Choix de la méthode de création d'un personnage.
#include <QDialog>

class QPushButton;

enum class MethodeCreation { Aucune, Manuelle, Assistant };

class frmAjouter : public QDialog
{
    Q_OBJECT

public:
    explicit frmAjouter(QWidget* parent = nullptr);

    MethodeCreation methode() const { return m_methode; }

    QPushButton* btnManuelle;
    QPushButton* btnAssistant;
    QPushButton* btnAnnuler;

private:
    MethodeCreation m_methode = MethodeCreation::Aucune;
};

#pragma once
// Importation de personnages d'une autre base : choix des personnages, noms d'import, objets.
#include "BaseImport.h"

#include <QWidget>
#include <memory>

struct EtatShell;
class DelegueGrille;
class QCheckBox;
class QPushButton;
class QTableWidget;

class frmImport : public QWidget
{
    Q_OBJECT

public:
    enum Colonne { ColNom, ColNomImport, ColRace, ColNiveau, ColClasse, ColImport, NombreColonnes };

    frmImport(EtatShell& etat, std::unique_ptr<BaseImport> import, QWidget* parent = nullptr);

    void BtnImport_Click();

    QTableWidget* vsPersoImport;
    QCheckBox* chkObjet;
    QPushButton* BtnImport;
    QPushButton* btnTous;
    QPushButton* btnAucun;
    QPushButton* BtnFermer;

Q_SIGNALS:
    // Des personnages ont été écrits dans la base ouverte.
    void personnagesImportes();

private:
    void remplit();
    void metImport(const QString& valeur);
    void avertit(const QString& message);

    EtatShell& m_etat;
    std::unique_ptr<BaseImport> m_import;
    DelegueGrille* m_delegue;
};

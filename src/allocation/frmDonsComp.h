#pragma once
// Fenêtre "Affecter les dons et les points de compétences" d'un niveau du personnage édité.
// Elle n'écrit jamais la base : "&Ok" rend la ligne de niveau modifiée par niveau().
#include "Allocation.h"

#include <QDialog>
#include <QVector>
#include <functional>

class BaseDonnees;
class GestionErreurs;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTextBrowser;
class QTimer;

class frmDonsComp : public QDialog
{
    Q_OBJECT

public:
    // ligneNiveau : ligne de la grille des niveaux de l'éditeur, comptée depuis 0 (niveau 1 = ligne 0).
    frmDonsComp(BaseDonnees& perso, BaseDonnees& programme, const PersonnageEdite& personnage, int ligneNiveau,
                QWidget* parent = nullptr);

    // Erreurs interceptées par le gestionnaire commun (message et journal) plutôt qu'en message seul.
    void utiliseGestionErreurs(GestionErreurs& erreurs) { m_erreurs = &erreurs; }

    // Ligne de niveau à reprendre dans l'éditeur : modifiée après "&Ok", telle quelle sinon.
    const NiveauEdite& niveau() const { return m_niveau; }

    // Chargement que Timer1 lance une fois la fenêtre montrée ; faux quand un contrôle refuse,
    // avec son message dans messageRefus().
    bool Charge();
    const QString& messageRefus() const { return m_refus; }
    const Allocation& allocation() const { return m_a; }

    void SpinComp_SpinUp(int i);
    void SpinComp_SpinDown(int i);
    void btnAjouter_Click();
    void btnEnlever_Click();
    void btnOk_Click();

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QVector<QLabel*> LabCompetence;
    QVector<QLabel*> LabPtsAttrib;
    QVector<QLabel*> labnModif;
    QVector<QLabel*> labnFinal;
    QVector<QSpinBox*> SpinComp;
    QLabel* LabnArepartir;
    QLabel* LabnRestant;
    QLabel* lblDonsChoisis;       // "2 dons choisis sur 1", en rouge au-delà
    QTableWidget* vs1;
    QTableWidget* vs2;
    QTextBrowser* fldDescription;
    QPushButton* btnAjouter;
    QPushButton* btnEnlever;
    QPushButton* btnOk;
    QPushButton* btnAnnuler;
    QTimer* Timer1;

Q_SIGNALS:
    // Double-clic sur un don d'une des deux listes, ou sur le nom d'une compétence (sa clé dans
    // les règles, "Artisanat 1" pour une spécialité) : l'éditeur ouvre la description.
    void donDemande(const QString& don);
    void competenceDemandee(const QString& cle);

protected:
    void showEvent(QShowEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;   // clic sur le nom d'une compétence

private:
    QWidget* creeCompetences();
    QWidget* creeDons();
    void remplitCompetences();
    void labnModif_Change();
    void SpinComp_Change(int i);
    void remplitGrilles();
    void vsDerNiveau();
    void Timer1_Timer();
    void execute(const char* procedure, const std::function<void()>& faire);

    BaseDonnees& m_perso;
    BaseDonnees& m_programme;
    const PersonnageEdite& m_personnage;
    int m_ligneNiveau;
    QGridLayout* m_grilleCompetences = nullptr;
    NiveauEdite m_niveau;
    Allocation m_a;
    QString m_refus;
    bool m_charge = false;
    bool m_chargement = false;
    GestionErreurs* m_erreurs = nullptr;
};

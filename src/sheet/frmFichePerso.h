#pragma once
// Fenêtre de la fiche d'un personnage : montre la fiche calculée par RetrouveFiche et passe
// au cœur ce que l'utilisateur y fait (objets déplacés, capacités prises, valeurs saisies).
#include "Fiche.h"

#include <QTimer>
#include <QWidget>

struct EtatShell;
class PageCapacites;
class PageCompetences;
class PageDons;
class PageEquipement;
class PagePrincipale;
class PageSorts;
class QLabel;
class QPushButton;
class QTabWidget;

class frmFichePerso : public QWidget
{
    Q_OBJECT

public:
    // Le calcul ne se fait qu'à chargePersonnage ou actualise.
    frmFichePerso(EtatShell& etat, const QString& nom, QWidget* parent = nullptr);

    // Relit les valeurs saisies, recalcule toute la fiche et remplit les pages ; un personnage
    // illisible donne le message d'échec et ferme la fenêtre.
    void actualise();
    // Une seule fiche : choisir un autre personnage la recharge, cases d'équipement toutes cochées.
    void chargePersonnage(const QString& nom);
    QString nomPersonnage() const { return m_nom; }
    const Fiche& fiche() const { return m_fiche; }
    const SaisiesFiche& saisies() const { return m_saisies; }

    // Onglets SSTab1 ; la page des sorts prend la place réservée de l'onglet "Sorts".
    QTabWidget* onglets() const { return SSTab1; }

    // Verrouille (ou ouvre) tous les champs dont le nom commence par "FLD".
    void lockcontrole(bool verrou);
    // Champs saisissables colorés selon le signe de leur valeur.
    void SoulignModifCarac();
    void ValideEquipementTous(bool valeur);
    // Range l'objet de position pos à l'emplacement place (-1 : liste), puis recalcule bientôt.
    void deplaceObjet(int pos, int place);
    // Enregistre l'image du personnage et recalcule.
    void changeImage(const QString& chemin);

    PagePrincipale* pagePrincipale() const { return m_principale; }
    PageCompetences* pageCompetences() const { return m_competences; }
    PageDons* pageDons() const { return m_dons; }
    PageCapacites* pageCapacites() const { return m_capacites; }
    PageEquipement* pageEquipement() const { return m_equipement; }

    // Recalcul différé après un changement d'équipement (500 ms) ou du catalogue (250 ms).
    QTimer Timer_Equip2;

Q_SIGNALS:
    // Double-clic sur une case de classe : la page des sorts montre ceux de cette classe.
    void classeChoisie(const QString& classe);
    // Double-clic sur la race : la description de la race s'ouvrira sur ce signal.
    void raceChoisie(const QString& race);
    // Double-clic sur un objet porté : le catalogue des objets s'ouvre sur lui seul.
    void objetChoisi(const QString& nomObjet);

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    template<class F>
    void execute(const char* procedure, F&& faire);
    void creeRaccourcis();
    void remplit();
    void remplitPlaces();
    void avertit(const QString& message);
    void basculeDons();
    void ajouteCapacite(int ligne);
    void enleveCapacite(int ligne);
    void modifieNiveauCapacite(int ligne, const QString& niveau);
    void choisitImage();
    void imprime();
    QWidget* cadreFenetre();

    EtatShell& m_etat;
    QString m_nom;
    Fiche m_fiche;
    SaisiesFiche m_saisies;
    bool m_positionLue = false;
    bool m_ferme = false;

    QTabWidget* SSTab1;
    PageSorts* m_sorts;
    PagePrincipale* m_principale;
    PageCompetences* m_competences;
    PageDons* m_dons;
    PageCapacites* m_capacites;
    PageEquipement* m_equipement;
    QPushButton* btnActualiser;
    QPushButton* btnImprimer;
    QPushButton* btnFermer;
    QLabel* lblEtat;
};

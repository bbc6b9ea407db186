#pragma once
// Éditeur de personnages : liste, identité, niveaux et objets ; modes consultation et modification.
#include "EditionPersonnage.h"
#include "shell/Hasard.h"

#include <QHash>
#include <QWidget>
#include <functional>

struct EtatShell;
class DelegueGrille;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

class frmGestPerso : public QWidget
{
    Q_OBJECT

public:
    explicit frmGestPerso(EtatShell& etat, QWidget* parent = nullptr);

    // Passe en modification ; sans effet pendant un chargement.
    void Modifperso();
    bool enModification() const { return m_modifie; }
    // Contrôle et écrit le personnage affiché ; vrai quand il a été écrit.
    bool Enregistre();
    // Échap : ferme en consultation ; en modification, abandonne les changements, après
    // confirmation quand le personnage diffère de celui qui a été lu.
    void Annule();
    // Ctrl+Z : défait la dernière saisie dans une cellule des grilles (et ce qu'elle a entraîné).
    void Defait();
    // Source des jets de points de vie ; les essais y mettent une suite connue.
    void utiliseHasard(SourceHasard& hasard) { m_hasard = &hasard; }
    // Demande la méthode de création (frmAjouter) puis prépare un personnage neuf.
    void Ajoute();
    void AjouteManuel();
    // Création par l'assistant : il remplit la fenêtre puis l'enregistre ; fermé avant, rien n'est écrit.
    void AjouteAssistant();
    // Montre ce personnage dans les champs et les grilles, en modification.
    void metPersonnage(const PersonnageEdite& p);
    void Supprime();
    // Demande un nouveau nom (frmRenommer) puis renomme le personnage affiché.
    void btnRenommer_Click();
    // Renomme le personnage affiché ; refusé, avec son message, quand le nom est déjà pris.
    void Renomme(const QString& nouveau);
    void btnBackground_Click();
    void InsereNiveau();
    void EnleveNiveau();
    // Échange la ligne de niveau choisie avec celle du dessus (-1) ou du dessous (+1).
    void DeplaceNiveau(int sens);
    void AffecteDonsCompetences();
    // Ajoute une ligne d'objet et la fait remplir par la liste des objets, achetée ou offerte.
    void InsereObjet(bool achat);
    // Revend (frmVendre) l'objet de la ligne choisie.
    void EnleveObjet();
    // Colore les lignes de niveau selon les dons pris et attendus, d'après les deux cases.
    void MarqueDons();
    // Recharge le personnage de la ligne choisie de la liste.
    void vsPerso_SelChange();
    void RemplitListe();

    QWidget* controle(const QString& nom) const;

    QTableWidget* vsPerso;
    QTableWidget* vsHistoPerso;
    QTableWidget* vsEquip;
    QLineEdit* fldstrnom;
    QComboBox* CmbRace;
    QLineEdit* fldnTotalPo;
    QPushButton* btnAjouter;
    QPushButton* btnSupprimer;
    QPushButton* btnEnregistrer;
    QPushButton* btnAnnuler;
    QPushButton* BtnFermer;
    QPushButton* btnRenommer;
    QPushButton* btnBackground;
    QPushButton* btnNivInserer;
    QPushButton* btnNivEnlever;
    QPushButton* btnRemonter;
    QPushButton* btnRedescendre;
    QPushButton* btnDonsComp;       // affectation des dons et compétences du niveau choisi
    QPushButton* btnEquipInserer;   // ajout gratuit (F8)
    QPushButton* btnEquipAcheter;
    QPushButton* btnEquipEnlever;
    QCheckBox* ChkDonsAPrendre;
    QCheckBox* ChkDonsObtenus;

Q_SIGNALS:
    // Un personnage a été écrit, supprimé ou renommé : le choix des personnages se met à jour.
    void personnagesChanges();
    // Le personnage a été écrit : une fiche ouverte sur lui se recalcule.
    void personnageEnregistre(const QString& nom);
    void personnageSupprime(const QString& nom);
    void personnageRenomme(const QString& ancien, const QString& nouveau);

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void creeChamps();
    QWidget* creeIdentite();
    QWidget* creeNiveaux();
    QWidget* creeObjets();
    void creeBoutons();
    void creeTouches();
    void remplitListes();
    void montreMode();
    void activeBoutonsLignes();
    void affichePersonnage(const PersonnageEdite& p);
    void afficheIdentite(const PersonnageEdite& p);
    void afficheNiveaux(const QVector<NiveauEdite>& niveaux);
    void afficheObjets(const QVector<ObjetEdite>& objets);
    void niveauxChanges();
    void celluleNiveauChangee(QTableWidgetItem* item);
    void classeChangee(int ligne);
    void celluleObjetChangee(QTableWidgetItem* item);
    void retientGrille(QTableWidget* grille);
    void activeChampsDeClasse();
    bool choisitObjet(int ligne, bool achat);
    void videPersonnage();
    PersonnageEdite lit() const;
    void execute(const char* procedure, const std::function<void()>& faire);

    EtatShell& m_etat;
    QHash<QString, QWidget*> m_controles;  // champ de Personnage -> contrôle
    QStringList m_races;
    DelegueGrille* m_delegueNiveaux;
    DelegueGrille* m_delegueObjets;
    bool m_chargement = false;
    bool m_modifie = false;
    bool m_positionLue = false;
    PersonnageEdite m_lu;              // tel que lu ou vidé : sert à savoir si quelque chose a changé
    HasardGenerateur m_hasardPartage;
    SourceHasard* m_hasard = &m_hasardPartage;

    // Contenu d'une grille avant une saisie ; un ajout, un retrait ou un chargement vide la pile.
    struct Annulation
    {
        QTableWidget* grille = nullptr;
        QVector<QVector<QPair<QString, QVariant>>> cellules;   // texte et marque "tiré" par cellule
    };
    QVector<Annulation> m_annulations;
};

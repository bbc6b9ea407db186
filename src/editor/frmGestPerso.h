#pragma once
// Éditeur de personnages : liste, identité, niveaux et objets ; modes consultation et modification.
#include "EditionPersonnage.h"

#include <QHash>
#include <QWidget>
#include <functional>

struct EtatShell;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

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
    // Échap : ferme en consultation, abandonne les changements en modification.
    void Annule();
    void Ajoute();
    void Supprime();
    // Demande un nouveau nom (frmRenommer) puis renomme le personnage affiché.
    void btnRenommer_Click();
    // Renomme le personnage affiché ; refusé, avec son message, quand le nom est déjà pris.
    void Renomme(const QString& nouveau);
    void InsereNiveau();
    void EnleveNiveau();
    // Recharge le personnage de la ligne choisie de la liste.
    void vsPerso_SelChange();
    void RemplitListe();

    QWidget* controle(const QString& nom) const;

    QTableWidget* vsPerso;
    QTableWidget* vsHistoPerso;
    QTableWidget* vsEquip;
    QLineEdit* fldstrnom;
    QComboBox* CmbRace;
    QPushButton* btnAjouter;
    QPushButton* btnSupprimer;
    QPushButton* btnEnregistrer;
    QPushButton* btnAnnuler;
    QPushButton* BtnFermer;
    QPushButton* btnRenommer;
    QPushButton* btnNivInserer;
    QPushButton* btnNivEnlever;

Q_SIGNALS:
    // Un personnage a été écrit, supprimé ou renommé : le choix des personnages se met à jour.
    void personnagesChanges();

private:
    QWidget* creeIdentite();
    void creeGrilles();
    void creeBoutons();
    void remplitListes();
    void montreMode();
    void afficheIdentite(const PersonnageEdite& p);
    void afficheNiveaux(const QVector<NiveauEdite>& niveaux);
    void afficheObjets(const QVector<ObjetEdite>& objets);
    void activeChampsDeClasse();
    PersonnageEdite lit() const;
    void execute(const char* procedure, const std::function<void()>& faire);

    EtatShell& m_etat;
    QHash<QString, QWidget*> m_controles;  // champ de Personnage -> contrôle
    QStringList m_races;
    bool m_chargement = false;
    bool m_modifie = false;
};

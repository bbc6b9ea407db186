#pragma once
// Affectation des dons et des points de compétence d'un niveau : chargement (contrôles, fiche
// recalculée, budget, lignes, grilles), conditions des dons et écriture dans la ligne de niveau.
#include "BudgetCompetences.h"
#include "ChoixDons.h"
#include "ConditionsDon.h"
#include "LignesCompetences.h"

#include <QHash>
#include <QString>

class BaseDonnees;

struct ContexteAllocation
{
    BaseDonnees& perso;
    BaseDonnees& programme;
    const PersonnageEdite& personnage;
    int ligneNiveau = 0;          // ligne de la grille des niveaux, comptée depuis 0
    QString dossierProgramme;
};

struct Allocation
{
    int Niveau = 1;               // niveau du personnage affecté, compté depuis 1
    QString Classe;               // classe de ce niveau
    bool TableMalParametree = false;   // la table Competence n'a pas de colonne pour la classe
    int Budget = 0;               // points gagnés aux niveaux 1 à Niveau
    int DepensesAvant = 0;        // points dépensés aux niveaux précédents
    QVector<LigneDon> DonsFiche;  // liste des dons de la fiche recalculée
    AllocationCompetences Competences;
    GrilleDons Pris;              // vs1
    GrilleDons Possibles;         // vs2
    int DonsAccordes = 0;         // dons que ce niveau permet de choisir
    ProfilConditions Profil;      // état du personnage que les conditions des dons lisent
    QHash<QString, QString> Conditions;   // don en majuscules -> champ Condition
};

// Rend le message du premier contrôle refusé ("" quand l'affectation est prête).
QString ChargeAllocation(const ContexteAllocation& contexte, Allocation& a);

// Relit les degrés et les dons du moment, puis marque chaque don des deux grilles dont une
// condition n'est visiblement pas remplie.
void MarqueConditions(Allocation& a);

// Dons de vs1 pris au niveau affecté.
int DonsChoisis(const Allocation& a);
// "2 dons choisis sur 1" : dons pris à ce niveau sur ceux qu'il accorde.
QString TexteDonsChoisis(const Allocation& a);

// Bouton Ok : la ligne de niveau avec la chaîne des achats et les dons pris à ce niveau.
NiveauEdite NiveauAffecte(const Allocation& a, const NiveauEdite& depart);

// Textes montrés au clic sur une compétence ou sur un don.
QString DescriptionCompetence(BaseDonnees& programme, const QString& affiche);
QString DescriptionDon(BaseDonnees& programme, const QString& nom);

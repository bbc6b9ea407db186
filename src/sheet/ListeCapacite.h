#pragma once
// Capacités spéciales de la fiche : le catalogue de ce que le personnage peut activer
// (vsCapaciteListe), ses capacités prises (vsCapacitePerso), rangées dans la table Capacites
// de la base des personnages, et les opérations des boutons qui les font passer de l'un à l'autre.
#include "Fiche.h"
#include "rules/Capacites.h"

#include <QString>
#include <QVector>

class BaseDonnees;

// Ce que le catalogue lit de la fiche.
struct ContexteCapacites
{
    BaseDonnees& programme;
    const TypePersonnage& personnage;
    const QVector<LigneDon>& dons;
    const ListeCapacitesPerso& prises;   // vsCapacitePerso
    int attaqueDeBase = 0;               // fldstrAttaqueBase
    int modifCharisme = 0;
    QStringList armes;                   // armes tenues, pour les capacités liées à une arme
};

// Reconstruit le catalogue : chaque capacité à laquelle le personnage a droit et qu'il n'a pas déjà.
ListeCapacitesPerso ListeCapacite(const ContexteCapacites& contexte);

// Vrai quand les lignes (rangées par nom) contiennent la capacité, sans tenir compte de la casse,
// et, quand un personnage est donné, qu'elle lui appartient.
bool ExistInCapacite(const ListeCapacitesPerso& prises, const QString& nom, const QString& personnage = QString());

// Range les lignes par nom de capacité, comme ExistInCapacite les cherche.
void RangeCapacites(ListeCapacitesPerso& lignes);

// Capacités prises par le personnage, relues de la table Capacites, rangées par nom.
ListeCapacitesPerso ChargeCapacitesPerso(BaseDonnees& perso, BaseDonnees& programme, const QString& personnage);

// Bouton Ajouter : copie la ligne du catalogue chez le personnage et l'enregistre ; pour une
// "Transformation animale", les armes naturelles de l'animal rejoignent son équipement.
// Rend "" quand c'est fait, sinon le message à montrer (rien n'est changé).
QString AjouteCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises,
                       const LigneCapacite& choisie, const QString& personnage);

// Bouton Enlever : seule une "Transformation animale" s'enlève, avec les armes naturelles de
// l'animal. Rend "" quand c'est fait, sinon le message à montrer (rien n'est changé).
QString EnleveCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises, int indice);

// Saisie du niveau d'une ligne prise : la valeur est recalculée par CapaciteSort et enregistrée.
// Rend "" quand c'est fait, sinon le message à montrer (rien n'est changé).
QString ModifieNiveauCapacite(BaseDonnees& perso, BaseDonnees& programme, ListeCapacitesPerso& prises, int indice,
                              const QString& niveau, const ValeursFicheSort& fiche = {});

// Étape de la fiche : le catalogue, d'après les dons, l'attaque de base et le Charisme montrés.
void RemplitCatalogueCapacites(BaseDonnees& programme, const ListeCapacitesPerso& prises, Fiche& fiche);

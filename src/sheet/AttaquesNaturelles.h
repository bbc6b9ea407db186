#pragma once
// Attaques du corps : armes naturelles de la race, de l'archétype et de la forme animale,
// frappe à mains nues et déluge de coups du moine, contact des créatures intangibles.
#include "rules/LigneCapacite.h"

#include <QString>
#include <QVector>

class BaseDonnees;
struct Fiche;

// Une arme naturelle et le nombre de fois qu'elle frappe ("Griffe (1d6)", 2).
struct ArmeNaturelle
{
    QString Objet;
    int Multiple = 1;
};

// Armes naturelles de la race (Raceequipement), de l'archétype (ArchetypeEquipement) et celles
// que l'équipement sans emplacement du personnage contient (forme animale) ; un même objet une fois.
QVector<ArmeNaturelle> ArmesNaturelles(BaseDonnees& perso, BaseDonnees& programme, const Fiche& fiche);

// Les attaques naturelles principales ; les autres ("Sabot", "Tentacule", "Queue"...) sont secondaires.
bool EstAttaquePrincipale(const QString& groupe);

// Dés du coup à mains nues d'un moine de taille moyenne, par niveau de moine.
QString DesMainsNuesMoine(int niveauMoine);

// Malus du déluge de coups par niveau de moine : -2 jusqu'au niveau 4, -1 jusqu'au 8, puis 0.
int PenaliteDeluge(int niveauMoine);

// Étape des attaques naturelles : une ligne par arme naturelle (principales à pleine attaque,
// secondaires à -5 et demi-Force ; une morsure ou une corne unique est secondaire à côté de
// griffes par paires, et toutes le sont quand une arme est tenue), puis, sans arme
// ni arme naturelle ou pour un moine, le coup à mains nues et le déluge de coups.
void AttaquesNaturelles(BaseDonnees& perso, BaseDonnees& programme, Fiche& fiche, const ListeCapacitesPerso& capacites);

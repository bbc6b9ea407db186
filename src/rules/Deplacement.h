#pragma once
// Vitesses au sol, en vol et à la nage, comptées en cases de 1,50 m.
#include "Bonus.h"
#include "shell/Semantique.h"

#include <QString>
#include <QStringList>

struct TypeRace;

enum class ArmurePortee { Aucune, Legere, Intermediaire, Lourde };

struct Deplacements
{
    Entier16 Terre;             // cases
    Entier16 Air;
    QString Manoeuvrabilite;    // du vol
    Entier16 Eau;
    Entier16 MultipleCourse;    // vitesse de course = Terre × ce multiple
};

// Vitesse en armure intermédiaire ou lourde ; 0 hors de 1 à 20 cases.
qint16 VitesseArmure(int cases);

// Vitesses du personnage : celles de la race, puis dons et capacités (par nom), armure portée
// (les nains gardent leur vitesse) et bonus « Bonus Déplacement » de la liste ("Terre", "Air",
// "Eau", valeur en mètres).
Deplacements CalculeDeplacement(const ListeBonus& bonus, const TypeRace& race, const QStringList& donsEtCapacites,
                                ArmurePortee armure);

// "9m(6 cases), vol 18m(12 cases)(Moyenne), nage 6m(4 cases)".
QString TexteDeplacement(const Deplacements& d);

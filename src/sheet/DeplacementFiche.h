#pragma once
// Vitesses de la fiche : celles de la race, ralenties par l'armure portée et par la charge.
#include "rules/Deplacement.h"
#include "rules/LigneCapacite.h"

struct Fiche;
struct TypeObjet;
struct ChargesTransportables;

// Catégorie d'une armure d'après son modèle ("Cuirasse +2" est une cuirasse) ; un modèle inconnu
// se classe par son bonus de Dextérité maximal (1 ou moins : lourde, 3 ou moins : intermédiaire).
ArmurePortee CategorieArmure(const TypeObjet& armure);

// Charge portée : légère (Aucune) jusqu'à la charge légère, intermédiaire, puis lourde.
ArmurePortee CategorieCharge(double poids, const ChargesTransportables& charges);

// Étape des vitesses : la plus gênante de l'armure et de la charge ralentit comme une armure
// (un nain garde sa vitesse), dons et capacités prises comptent.
void DeplacementFiche(Fiche& fiche, const ListeCapacitesPerso& capacites);

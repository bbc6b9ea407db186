#pragma once
// Valeur de l'équipement attendue pour un niveau (personnage joueur, puis PNJ) et résumé de
// l'équipement porté : poids, valeur et charge.
#include <QString>

class BaseDonnees;
struct Fiche;

// Valeur attendue en po au niveau effectif (niveau + ajustement de race, borné de 1 à 20) :
// table de richesse des personnages joueurs et table de l'équipement des PNJ.
int ValeurEquipementPJ(int niveau);
int ValeurEquipementPNJ(int niveau);

// "9000 po\r\nPnj : 4300 po".
QString PrixPNJ_PJ(int niveau);

// Étape de la valeur : PrixPNJ_PJ, puis poids et valeur des objets portés sur soi (quantité
// comprise, le catalogue donnant poids et coût) et la charge qu'ils font, dans fldstrEquipement.
void ValeurPersonnage(BaseDonnees& perso, BaseDonnees& programme, Fiche& fiche);

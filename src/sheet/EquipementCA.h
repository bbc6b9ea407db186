#pragma once
// Classe d'armure de la fiche : composantes depuis la liste des bonus, bonus de Dextérité
// borné par l'armure, puis les six formes et leur explication.
#include "shell/Semantique.h"

struct Fiche;

// Composantes de la liste des bonus (genre "Bonus Classe Armure") ; parade, chance et
// intuition gardent la plus forte de la composante et de la liste, les autres s'ajoutent ;
// le bouclier écarté faute de dons connus est d'abord revu.
void ComposantesClasseArmure(Fiche& fiche);
// Bonus de Dextérité à la CA : le modificateur, borné par le maximum des objets portés.
void DexteriteClasseArmure(Fiche& fiche);
// Ni armure (une robe ou un vêtement n'en sont pas) ni bouclier : la "Grâce" et la "Défense
// astucieuse" du duelliste jouent alors.
bool SansArmureNiBouclier(const Fiche& fiche);
// "Défense astucieuse" : sans armure ni bouclier, une arme de corps à corps en main, le bonus
// d'Intelligence, au plus un point par niveau de duelliste, qui s'ajoute à celui de Dextérité.
Entier16 DefenseAstucieuse(const Fiche& fiche);
// Total, pris au dépourvu, contact, contact pris au dépourvu et leurs formes intangibles.
void CalculeClasseArmure(Fiche& fiche);

#pragma once
// Classe d'armure de la fiche : composantes depuis la liste des bonus, bonus de Dextérité
// borné par l'armure, puis les six formes et leur explication.
struct Fiche;

// Composantes de la liste des bonus (genre "Bonus Classe Armure") ; parade, chance et
// intuition gardent la plus forte de la composante et de la liste, les autres s'ajoutent ;
// le bouclier écarté faute de dons connus est d'abord revu.
void ComposantesClasseArmure(Fiche& fiche);
// Bonus de Dextérité à la CA : le modificateur, borné par le maximum des objets portés.
void DexteriteClasseArmure(Fiche& fiche);
// Total, pris au dépourvu, contact, contact pris au dépourvu et leurs formes intangibles.
void CalculeClasseArmure(Fiche& fiche);

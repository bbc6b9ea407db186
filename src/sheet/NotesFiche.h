#pragma once
// Notes conditionnelles de la fiche : bonus à la classe d'armure qui ne valent que dans certains
// cas (fldstrCATexte), bonus aux jets de sauvegarde et immunités (fldstrJSTexte).
#include "Fiche.h"

// Résumé des capacités où chaque don de la liste compte aussi comme une capacité prise (une
// seule fois quand il l'est déjà) : les traits de race et de classe reçus comme dons ("Bonus nain
// JP poison", "Sens des pièges +1", "Aura de bravoure", "roulé-boulé"...) y apportent leurs
// compteurs, leurs éléments de note et leurs immunités.
TypeCapacites ResumeAvecDons(const Fiche& f, const ListeCapacitesPerso& capacites);

// Éléments de la note de classe d'armure ("+2 d'esquive contre les pièges"...), dans leur ordre.
QStringList ElementsNoteCA(const Fiche& f, const TypeCapacites& resume);

// "Bonus aux JS : " + éléments + "\r\n" + "Immunité : " + immunités + ".".
QString NoteJetsSauvegarde(const Fiche& f, const TypeCapacites& resume);

// Étapes de la fiche : complète Fiche.NoteCA (qui peut déjà porter la note des intangibles),
// terminée par ".", et écrit Fiche.NoteJS.
void RemplitNotes(Fiche& f, const ListeCapacitesPerso& capacites);

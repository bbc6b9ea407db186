#pragma once
// Catalogue des capacités spéciales reconnues par nom : ce que chacune change au résumé de la
// fiche (compteurs imprimés sous leur libellé, drapeaux, immunités, notes, bonus, taille).
#include <QStringList>
#include <QVector>

enum class EffetCapacite {
    Compteur,           // le compteur du libellé augmente du pas
    CompteurSiNiveau1,  // il augmente de la valeur de la ligne, quand le niveau saisi vaut 1
    CompteurLigne,      // il augmente de la valeur de la ligne (nombre de points, de dés...)
    ParClasse,          // il augmente de base + Int((niveau dans les classes + décalage) / diviseur)
    Texte,              // le détail s'ajoute au texte du libellé (types de forme animale...)
    Drapeau,            // la capacité ne fait que s'activer
    Immunite,           // le texte s'ajoute aux immunités
    ImmuniteChoisie,    // le choix de la ligne (l'énergie) ou, à défaut, le texte
    NoteJS,             // note conditionnelle des jets de sauvegarde
    NoteCA,             // note conditionnelle de la classe d'armure
    Bonus,              // texte "genre|cible|type|valeur" ajouté aux bonus ("%v" : valeur de la ligne,
                        // "%e" : résistance à l'énergie choisie sur la ligne)
    Taille,             // la catégorie de taille devient le texte
};

struct EntreeCatalogue
{
    const char* nom;
    EffetCapacite effet;
    const char* texte = "";   // libellé, immunité, note, bonus ou taille
    int valeur = 0;           // pas d'un compteur, base d'une valeur de classe
    const char* detail = "";  // classes "A|B" d'une valeur de classe ("" : niveau total), texte ajouté
    int decalage = 0;
    int diviseur = 1;
};

// Les capacités, dans l'ordre où les noms sont essayés ; un nom qui a plusieurs effets occupe
// plusieurs entrées qui se suivent.
const QVector<EntreeCatalogue>& CatalogueCapacites();

// Les dons qui agissent comme des capacités.
const QVector<EntreeCatalogue>& DonsCapacites();

// Les noms distincts du catalogue, dans leur ordre.
QStringList NomsCatalogueCapacites();

// Immunités de type des morts-vivants et des créatures artificielles.
const QStringList& ImmunitesMortVivant();

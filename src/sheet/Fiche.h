#pragma once
// La fiche calculée d'un personnage : chaque valeur que la fiche montre, dans des champs nommés.
// Les étapes du calcul lisent les résultats des étapes précédentes ici même.
#include "rules/Archetypes.h"
#include "rules/Bonus.h"
#include "rules/Capacites.h"
#include "rules/Deplacement.h"
#include "rules/LigneCapacite.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "rules/Tailles.h"
#include "sheet/Equipement.h"
#include "sheet/SortsFiche.h"
#include "shell/Semantique.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// Ce que l'utilisateur a tapé dans les champs laissés ouverts de la fiche : relu à chaque calcul.
struct SaisiesFiche
{
    // Classe regardée (double-clic sur sa case) : ses compétences sont en vert ; "" : aucune.
    QString ClasseCompetences;
    // Second divers de chaque caractéristique, dans l'ordre Force … Charisme.
    std::array<Entier16, 6> DiversCarac2{};
    // Jets de race Réflexe, Vigueur, Volonté ; sans saisie, ceux de la race.
    std::array<std::optional<Entier16>, 3> JetsRace{};
    // Capacités spéciales prises par le personnage (vsCapacitePerso).
    ListeCapacitesPerso Capacites;
    // Réglage COMPETENCE/DOUBLECARAC : chaque point de compétence dépensé compte pour un rang,
    // même hors classe.
    bool DoubleCarac = false;
    // Cases ValideEquipement : toutes cochées à l'ouverture de la fiche.
    std::array<bool, kNombrePlaces> ValideEquipement = []{ std::array<bool, kNombrePlaces> v; v.fill(true); return v; }();
};

struct CaracteristiqueFiche
{
    QString Nom;             // "Force" … "Charisme"
    Entier16 Score;          // somme des lignes de niveau + modificateur de race
    Entier16 Divers1;        // liste des bonus, genre "Bonus Caracteristique"
    Entier16 Divers2;        // saisi
    QString Total;           // nombre, ou "-" pour une créature qui n'a pas cette caractéristique
    Entier16 Modificateur;   // BonusCarac du total
};

struct JetFiche
{
    QString Nom;             // "Réflexe", "Vigueur", "Volonté"
    Entier16 Base;           // des classes
    Entier16 Don;            // des dons
    Entier16 Carac;          // modificateur de Dextérité, Constitution ou Sagesse
    Entier16 Race;
    Entier16 Divers;         // liste des bonus, genre "Bonus Jet Sauvegarde", et grâce divine
    Entier16 Final;
    QString Explication;     // "Base +7, Dons +0, … Divers +3 dont Grâce divine +3"
};

struct ClasseFiche
{
    QString Classe;
    Entier16 Niveau;
};

// Composantes de la classe d'armure, recueillies avant le calcul de ses six formes.
struct ComposantesCA
{
    Entier16 Armure, AlterationArmure, Bouclier, AlterationBouclier, Naturelle, AlterationNaturelle;
    Entier16 Parade, Esquive, ForceArmure, ForceBouclier, Chance, Intuition, Divers;
    Entier16 Dexterite;      // bonus de Dextérité retenu, borné par l'armure
    Entier16 BouclierContact;   // part du bouclier qui compte aussi au contact (sans type)
};

struct ClasseArmureFiche
{
    Entier16 Total, Depourvu, Contact, DepourvuContact, ContactIntangible, DepourvuContactIntangible;
    QString Explication;     // "Base : 10  Taille : +…"
};

// Une ligne de la liste des dons (vsDon).
struct LigneDon
{
    QString Affiche;         // nom, suivi de " [spécialité]" quand le don en a une
    QString Origine;         // classe et niveau, "Domaine(…)", "Transformation animale"
    QString Explication;
    QString NomAccorde;      // nom tel que la progression le donne ("…_2")
    Entier16 Niveau;
    QString Nom;             // nom du don, sans spécialité
    QString Source, Genre, Type, Caracteristique, JS, Categorie, Pouvoir;
    QString Octroi;          // "Don sélectionné", "Don de classe", "Don de race"…
    bool Tare = false;
    QString Specialite;      // arme, école, compétence choisie ; "" sans spécialité
    bool Cachee = false;     // don de progression dépassé, caché par le bouton de la page
};

// Une ligne de la liste des compétences (vsComp).
struct LigneCompetence
{
    QString Nom;             // spécialité pour l'artisanat et la profession
    QString NomRegle;        // nom dans la table des compétences ("Artisanat 1"...)
    qint16 Statut = 0;       // 2 : de la classe du plus haut niveau, 1 : d'une autre classe, 0 ou -1 : hors classe
    bool SansFormation = true;   // faux : la compétence ne s'utilise pas sans formation (italique)
    bool PenaliteAffichee = false;   // la colonne du malus d'armure montre un nombre
    Entier16 PenaliteArmure; // malus d'armure, négatif
    Entier16 ModifRace;      // race, archétype et capacités
    Entier16 ModifCarac;
    QString Carac;           // caractéristique clé
    QString Notes;           // bonus de circonstance
    Entier16 Rangs;
    bool RangsAchetes = false;   // au moins un achat de rangs lu
    Entier16 BonusEquipement;
    Entier16 BonusSynergie;  // synergies et dons
    Entier16 Total;
    bool TotalAffiche = false;   // faux : la colonne du total reste vide
};

// Un objet qui compte, avec sa ligne d'attaque pour une arme (vsEquip).
struct LigneEquipement
{
    QString Nom;
    QString Divers;
};

// Totaux des objets portés qui comptent.
struct EquipementFiche
{
    std::array<std::optional<TypeObjet>, kNombrePlaces> Comptes;   // par emplacement
    qint16 PenaliteArmure = 0;           // grandeur du malus (6 pour un harnois), lue par les compétences
    qint16 EchecSortProfane = 0;
    double Poids = 0;
    double Cout = 0;
    std::optional<qint16> BonusDexMax;   // absent : aucune limite de Dextérité
    bool Bouclier = false;               // un bouclier est tenu
    QString Armure;                      // armure portée à son emplacement
    std::optional<TypeObjet> BouclierEnAttente;   // écarté avant la lecture des dons
    ListeBonus BonusBouclierEnAttente;
};

// Une ligne d'attaque d'arme tenue, telle que la fiche l'écrit.
struct LigneArme
{
    QString Nom;
    QString Ligne;           // attaque à outrance
    QString Attaque;         // même ligne, première attaque seule
};

struct ResistancesFiche
{
    Entier16 Magie, Acide, Electricite, Feu, Froid, Son, Degats;
    QString TexteDegats;     // réduction des dégâts et sa sorte : « 5/magie », « 3/– »
};

struct Fiche
{
    // État du calcul, relu par les étapes suivantes.
    TypePersonnage Personnage;
    TypeRace Race;
    TypeArchetype Archetype;
    ListeBonus Bonus;
    TypeCapacites ResumeCapacites;
    ComposantesCA CA;
    Entier16 BonusPVConstruction;        // points de vie des créatures artificielles par taille
    Entier16 ConstitutionTemporaire;     // Constitution gagnée pendant une rage (hors durée de la rage)
    QVector<int> Etapes;                 // numéros des étapes du calcul qui ont tourné
    QString Refus;                       // pourquoi la fiche n'a pas été calculée ; "" : raison générale

    // Identité.
    QString Nom;
    QString Titre;                       // "Fiche du personnage " + nom
    QString Description;
    QString Image;                       // chemin de l'image montrée ; "" sans aucune image
    QString TexteRace;
    QString TypeCreature;
    QString NomArchetype;
    QVector<ClasseFiche> Classes;        // cases remplies seulement, dans l'ordre
    Entier16 Niveau;

    // Caractéristiques, dans l'ordre Force … Charisme.
    std::array<CaracteristiqueFiche, 6> Caracteristiques;

    // Combat.
    Entier16 Initiative;
    Entier16 InitiativeDons;
    QString ExplicationInitiative;
    Entier16 PointsDeVie;
    std::array<JetFiche, 3> Jets;        // Réflexe, Vigueur, Volonté
    QString Taille;                      // catégorie de taille
    Entier16 Hauteur;                    // cm
    qint32 Poids = 0;                    // kg
    Entier16 AttaqueDeBase;
    Entier16 NombreAttaques;
    Entier16 BonusAttaqueToutesArmes;    // liste des bonus et "Prouesse épique", pour les lignes d'attaque
    Entier16 Lutte;
    Entier16 AttaqueContact;             // corps à corps
    Entier16 AttaqueDistance;
    ClasseArmureFiche ClasseArmure;
    QString NoteCA;
    QString NoteJS;

    // Sens, langues, capacités de classe, puissance.
    QString Langues;
    QString Alphabets;
    QString Vision;
    QStringList CapacitesClasse;         // une ligne "libellé valeur" par valeur non nulle
    QString FP;                          // estimation du facteur de puissance
    QString PrixPNJ_PJ;
    ResistancesFiche Resistances;
    ChargesTransportables Charges;
    Deplacements Deplacement;

    // Listes des pages de la fiche ; les capacités spéciales prises sont une saisie du calcul.
    QVector<LigneDon> Dons;
    QString LegendeBoutonDons;           // "&Cacher…" ou "&Montrer les dons de progression par classe"
    QVector<LigneCompetence> Competences;
    QString ClasseCompetences;           // classe dont les compétences sont en vert
    bool ClasseCompetencesChoisie = false;   // choisie par l'utilisateur, sinon celle du dernier niveau
    QString NotesCompetences;            // "compétence : notes" par ligne (fldstrCompetence)
    QVector<LigneEquipement> Equipement;
    ListeCapacitesPerso CatalogueCapacites;   // capacités que le personnage peut prendre (vsCapaciteListe)
    ListeCapacitesPerso CapacitesPrises;      // capacités prises (vsCapacitePerso), telles que lues
    EquipementFiche Equip;
    QVector<LigneArme> Armes;
    QVector<SortsClasse> Sorts;          // une entrée par classe de lanceur (page "Sorts")
    // Arme principale : fldStrNomArme, fldstrAttaque_Melee, fldstrdegat, fldstrportee.
    QString NomArme;
    QString AttaqueMelee;
    QString Degat;
    QString Portee;
    // Résumé de l'équipement (fldstrEquipement) : poids et valeur de ce qui est porté sur soi,
    // catégorie de charge ("légère", "intermédiaire", "lourde", "trop lourde").
    QString ResumeEquipement;
    double PoidsTransporte = 0;
    double ValeurTransportee = 0;
    QString Encombrement;

    bool etapeCalculee(int etape) const { return Etapes.contains(etape); }
    // Noms des dons de la liste, tels que les règles les cherchent.
    QStringList nomsDons() const;
    // Modificateur de Constitution sans la Constitution gagnée d'une rage en cours.
    qint16 modifConstitutionPermanente() const;
};

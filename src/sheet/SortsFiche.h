#pragma once
// Sorts d'une classe de lanceur tels que la page "Sorts" les montre : table par jour, portées,
// renvoi des morts-vivants, sorts connus et préparés.
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

inline constexpr int kNiveauxSort = 10;   // niveaux de sort 0 à 9 des tables de règles

// Marque d'un sort, d'un don ou d'un objet du personnage que les règles n'ont plus : montré,
// compté pour rien.
inline constexpr const char* kAbsentDesRegles = "(absent des règles)";

// Colonne de la table des sorts dans une requête : les noms de classe et de domaine portent
// espaces et accents.
inline QString ColonneSql(const QString& colonne)
{
    return u'[' + colonne + u']';
}

struct SortConnu
{
    QString nom;
    int niveau = 0;
};

// Un emplacement de la journée : "Niveau 1 n°2" ou "Domaine n°1".
struct EmplacementSort
{
    QString emplacement;
    int niveau = 0;          // niveau de l'emplacement
    bool domaine = false;    // n'accepte qu'un sort des domaines du personnage
    QString nom;             // sort préparé ; "" quand l'emplacement est libre
    QString metamagie;       // dons de métamagie appliqués, séparés par ", "
    int dd = 0;              // 10 + niveau + modificateur de la caractéristique du DD
    QString ecole;
};

// Ligne "Renvoi" : résultat du test de renvoi et dés de vie les plus forts qu'il renvoie.
struct LigneVadeRetro
{
    QString test;            // "0 ou moins", "1 - 3" … "22 et plus"
    int desDeVieMax = 0;
};

struct VadeRetro
{
    int niveauEffectif = 0;  // 0 : le personnage ne renvoie pas les morts-vivants
    int utilisations = 0;    // par jour
    int bonusTest = 0;       // ajouté au d20 du test de renvoi
    QString degats;          // "2d6+…"
    QVector<LigneVadeRetro> lignes;
};

// D'où viennent les sorts qu'une classe prépare pour la journée.
enum class PreparationSorts
{
    ListeClasse,   // toute la liste de la classe (prêtre, druide, paladin, rôdeur), domaines en plus
    Grimoire,      // les sorts détenus et ceux de niveau 0, jamais d'une école interdite (magicien)
    Spontanee,     // lance ses sorts connus sans les préparer (ensorceleur, barde)
};

struct SortsClasse
{
    QString classe;                  // classe de la case, ou race d'un lanceur racial
    QString colonne;                 // colonne de la table des sorts pour cette liste
    int niveauClasse = 0;
    int niveauProgression = 0;       // niveau lu dans la progression (classes de prestige comprises)
    int niveauLanceur = 0;           // niveau de lanceur de sorts (nls)
    std::array<std::optional<int>, kNiveauxSort> parJour{};   // vide : "-"
    std::array<int, kNiveauxSort> bonusCarac{};
    std::array<int, kNiveauxSort> speDom{};
    std::array<int, kNiveauxSort> supplementaires{};   // dons et liste des bonus
    std::array<std::optional<int>, kNiveauxSort> total{};
    std::array<int, kNiveauxSort> dd{};
    std::array<int, kNiveauxSort> mana{};
    int pointsMagie = 0;
    int sortMax = -1;                // plus haut niveau de sort lançable ; -1 : aucun
    bool domaineEnPlus = false;      // l'emplacement en plus de chaque niveau est de domaine
    PreparationSorts preparation = PreparationSorts::ListeClasse;
    QStringList ecolesInterdites;    // du grimoire : aucun de leurs sorts ne se prépare
    int porteeCourte = 0, porteeMoyenne = 0, porteeLongue = 0;   // en cases
    QString texteMagie;              // fldstrMagie
    QStringList messages;            // caractéristique de lanceur non paramétrée
    VadeRetro vadeRetro;
    QVector<SortConnu> connus;
    QVector<EmplacementSort> prepares;
};

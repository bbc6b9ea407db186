#pragma once
// Sorts préparés (vsSortListe) : un emplacement par sort de la journée, choix offerts,
// contrôles, métamagie et enregistrement immédiat (EnregSortListe).
#include "SortsFiche.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class BaseDonnees;

inline constexpr const char* kDomaineNonRenseigne = "Domaine non renseigné";
inline constexpr const char* kPlusDEmplacement = "Il n'y a plus d'emplacement libre à ce niveau";
inline constexpr const char* kHorsDomaine =
    "Vous ne pouvez pas ajouter un sort de domaine qui n'est pas dans la liste des sorts du prêtre. "
    "Choisiser ce sort dans le sort de dommaine.";

class Ligne;
struct Fiche;

// Mode de préparation d'après la ligne de la classe (un lanceur racial, sans ligne, prépare
// dans toute sa liste) ; le grimoire retient les écoles interdites du personnage et celles de
// ses dons "Ecole interdite supplémentaire".
void DefinitPreparation(const Ligne& classe, const Fiche& fiche, SortsClasse& sorts);

// Explication montrée au-dessus des sorts préparés : d'où viennent les sorts offerts.
QString TextePreparation(const SortsClasse& sorts);

// Emplacements vides de la journée, niveau par niveau : "Niveau 1 n°1"…, puis, pour un prêtre,
// l'emplacement de domaine du niveau "Domaine n°1".
QVector<EmplacementSort> EmplacementsJour(const SortsClasse& sorts);

// Place les sorts enregistrés dans leurs emplacements (sorts.prepares), avec DD et école.
void ChargeSortsPrepares(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, SortsClasse& sorts);

// Sorts proposés pour un emplacement : ceux de la classe, ou ceux des domaines pour un
// emplacement de domaine ("Domaine non renseigné" sans domaine), d'un niveau au plus celui de
// l'emplacement. Le grimoire n'offre que les sorts détenus et ceux de niveau 0, hors écoles
// interdites ; un lanceur spontané, rien.
QStringList ChoixEmplacement(BaseDonnees& programme, const SortsClasse& sorts, const QStringList& domaines,
                             const EmplacementSort& emplacement);

// Niveau d'un sort pour la classe, ou pour les domaines dans un emplacement de domaine ;
// vide quand le sort n'y est pas (sans regarder au grimoire).
std::optional<int> NiveauSortEmplacement(BaseDonnees& programme, const SortsClasse& sorts, const QStringList& domaines,
                                         const EmplacementSort& emplacement, const QString& nomSort);

// Prépare le sort dans l'emplacement (un nom vide le libère) ; rend le message du refus.
std::optional<QString> PrepareSort(BaseDonnees& programme, SortsClasse& sorts, const QStringList& domaines,
                                   int emplacement, const QString& nomSort);

// Applique la métamagie au sort de l'emplacement : le sort passe dans un emplacement libre du
// niveau modifié ; rend le message du refus.
std::optional<QString> AppliqueMetamagie(SortsClasse& sorts, int emplacement, int niveauModifie, const QString& dons);

// Réécrit les sorts préparés du personnage pour cette classe, en une transaction.
void EnregSortListe(BaseDonnees& perso, const QString& nom, const SortsClasse& sorts);

// Liste du jour à imprimer (tableau HTML : emplacement, sort, DD, école, métamagie) ; avec
// cacheVides, les colonnes où aucun emplacement n'a de valeur sont omises.
QString ListeSortsHtml(const QString& personnage, const SortsClasse& sorts, bool cacheVides);

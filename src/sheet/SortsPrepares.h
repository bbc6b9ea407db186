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

// Emplacements vides de la journée, niveau par niveau : "Niveau 1 n°1"…, puis, pour un prêtre,
// l'emplacement de domaine du niveau "Domaine n°1".
QVector<EmplacementSort> EmplacementsJour(const SortsClasse& sorts);

// Place les sorts enregistrés dans leurs emplacements (sorts.prepares), avec DD et école.
void ChargeSortsPrepares(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, SortsClasse& sorts);

// Sorts proposés pour un emplacement : ceux de la classe, ou ceux des domaines pour un
// emplacement de domaine ("Domaine non renseigné" sans domaine), d'un niveau au plus celui de
// l'emplacement.
QStringList ChoixEmplacement(BaseDonnees& programme, const SortsClasse& sorts, const QStringList& domaines,
                             const EmplacementSort& emplacement);

// Niveau d'un sort pour la classe, ou pour les domaines dans un emplacement de domaine ;
// vide quand le sort n'y est pas.
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

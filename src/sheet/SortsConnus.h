#pragma once
// Sorts connus d'une classe (vsSortClasse) : lecture, liste de la classe, contrôles d'ajout,
// enregistrement immédiat (EnregSort).
#include "Fiche.h"
#include "SortsFiche.h"

#include <QString>
#include <QVector>
#include <optional>

class BaseDonnees;

inline constexpr const char* kNiveauTropEleve = "Niveau de sort trop elévé pour le lanceur de sort";

// Sorts connus du personnage par cette classe, par nom.
QVector<SortConnu> SortsConnus(BaseDonnees& perso, const QString& nom, const QString& classe);

// Sorts de la liste de la classe (colonne de la table des sorts), par niveau puis par nom.
QVector<SortConnu> ListeSortsClasse(BaseDonnees& programme, const QString& colonne);

// Réécrit les sorts connus du personnage pour cette classe, en une transaction.
// Les sorts des autres classes restent.
void EnregSort(BaseDonnees& perso, const QString& nom, const QString& classe, const QVector<SortConnu>& connus);

// Question posée pour une classe qui connaît tous ses sorts (EstTout) ; "" pour une autre.
QString QuestionTousLesSorts(BaseDonnees& programme, const SortsClasse& sorts);

// Tous les sorts de la liste jusqu'au plus haut niveau lançable.
QVector<SortConnu> TousLesSorts(BaseDonnees& programme, const SortsClasse& sorts);

// Contrôles d'ajout d'un sort connu, dans l'ordre ; rend le message du premier refus.
// Le sort accepté est rendu avec son niveau dans la classe.
struct AjoutSort
{
    std::optional<QString> refus;
    SortConnu sort;
};
AjoutSort ControleAjoutSort(BaseDonnees& programme, const Fiche& fiche, const SortsClasse& sorts,
                            const QString& nomSort);

// Sorts imposés avant un sort connu en plus du maximum de la progression : "" quand la classe
// n'impose rien ou que le sort est un sort imposé libre (lançable, pas encore connu) de ce
// niveau, sinon le message de refus.
QString ControleSortConnusPlus(BaseDonnees& programme, const SortsClasse& sorts, const QString& nomSort, int niveau);

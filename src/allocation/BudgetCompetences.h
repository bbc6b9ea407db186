#pragma once
// Points de compétence d'un niveau : contrôles avant l'affectation, budget cumulé des niveaux
// 1 à N, points déjà dépensés aux niveaux précédents.
#include "editor/EditionPersonnage.h"
#include "sheet/Fiche.h"

#include <QString>
#include <QVector>

class BaseDonnees;

inline constexpr const char* kMessageRaceAbsente = "Saisie obligatoire de la race du personnage";
inline constexpr const char* kMessageIntelligenceAbsente = "Saisie obligatoire de l'intelligence pour ce personnage";
inline constexpr const char* kMessageClasseAbsente = "Saisi obligatoire de la classe de ce personnage";
inline constexpr const char* kMessageNiveauAbsent = "Saisie d'un niveau obligatoire";
inline constexpr const char* kMessageClasseInconnue = "Saisi obligatoire d'une classe existante";
inline constexpr const char* kMessageTableCompetence = "Table competence mal parametrée";
inline constexpr const char* kMessageLigneNiveau = "Choisissez d'abord la ligne du niveau à affecter.";

// Archétype choisi dans l'éditeur ("" sans archétype).
QString ArchetypeEdite(const PersonnageEdite& p);

// Contrôles du chargement, dans leur ordre, sur les lignes 0 à ligneNiveau (comptées depuis 0) ;
// rend le message du premier qui échoue, "" quand tout va.
QString ControleChargement(BaseDonnees& programme, const PersonnageEdite& p, int ligneNiveau);

// Intelligence qui donne les points du niveau (compté depuis 1) : modificateur de race, valeurs
// d'Intelligence des lignes 1 à niveau (valeur de départ puis augmentations), plus grand bonus
// d'Intelligence des classes rencontré jusque-là et colonne modifInt du niveau.
int IntelligenceNiveau(BaseDonnees& programme, const PersonnageEdite& p, int niveau);

// Points de compétence gagnés aux niveaux 1 à niveau, dons de la fiche compris.
int BudgetCompetences(BaseDonnees& programme, const PersonnageEdite& p, int niveau, const Fiche& fiche);

// Points dépensés aux niveaux strictement inférieurs à niveau (nombres du milieu des achats).
int PointsDepensesAvant(const PersonnageEdite& p, int niveau);

// Coût d'un rang hors de la classe du niveau : 2, ou 1 avec "Able learner".
int PointDouble(const QVector<LigneDon>& donsFiche);

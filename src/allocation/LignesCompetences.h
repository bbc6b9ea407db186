#pragma once
// Lignes des compétences de la fenêtre d'affectation : statut de classe de chaque compétence
// pour le niveau affecté, rangs achetés avant et à ce niveau, achat et retrait d'un rang.
#include "editor/EditionPersonnage.h"
#include "sheet/Fiche.h"

#include <QString>
#include <QVector>

class BaseDonnees;

// Vert : de la classe du niveau (ou rendue telle) ; orange : d'une autre classe prise jusque-là ;
// bleu : hors classe.
enum class StatutCompetence { Classe, AutreClasse, HorsClasse };

inline constexpr int kLignesCompetences = 61;

struct LigneAllocation
{
    QString NomRegle;        // nom dans la table Competence
    QString Affiche;         // nom suivi des suffixes de ses sources (" (classe)", " (race)"...)
    int Numero = 0;          // n°
    StatutCompetence Statut = StatutCompetence::HorsClasse;
    bool Active = true;      // faux : la classe du niveau ne peut pas prendre la compétence
    int RangsAvant = 0;      // achetés aux niveaux précédents
    int RangsNiveau = 0;     // achetés à ce niveau
};

// Ce que les lignes lisent : l'éditeur, le niveau affecté (compté depuis 1) et les dons de la fiche.
struct ContexteLignes
{
    BaseDonnees& programme;
    const PersonnageEdite& personnage;
    int niveau = 1;
    const QVector<LigneDon>& donsFiche;
};

// Vrai quand la table Competence a une colonne au nom de la classe (casse indifférente).
bool ColonneClasseCompetence(BaseDonnees& programme, const QString& classe);

// Lignes dans l'ordre de "select * from Competence order by nom" (61 au plus), avec les rangs
// achetés lus dans les lignes de niveau de l'éditeur.
QVector<LigneAllocation> LignesCompetences(const ContexteLignes& contexte);

// Répartition des points d'un niveau entre les lignes.
struct AllocationCompetences
{
    QVector<LigneAllocation> Lignes;
    int Niveau = 1;
    int ARepartir = 0;       // budget moins les points dépensés avant
    int PointDouble = 2;

    int maximumRangs(int i) const;         // niveau + 3, moitié arrondie en dessous hors classe
    int coutRang(int i) const;             // 1 pour une compétence verte, PointDouble sinon
    int depense() const;                   // points des rangs achetés à ce niveau
    int restant() const { return ARepartir - depense(); }
    bool CanUp(int i) const;
    bool SpinUp(int i);                    // un rang de plus quand CanUp le permet
    bool SpinDown(int i);                  // un rang de moins quand il en reste à ce niveau
    // "n°-points-rangs|" pour chaque ligne achetée à ce niveau, dans l'ordre des lignes.
    QString ChaineAchats() const;
};

// Nom sous lequel la description d'une compétence est cherchée : coupé à la première
// parenthèse, sauf "Représentation" et "Connaissance" qui vont jusqu'à la seconde.
QString NomDescriptionCompetence(const QString& affiche);

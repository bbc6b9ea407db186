#pragma once
// Dons de la fenêtre d'affectation : grille des dons pris (vs1) et grille des dons qu'on peut
// encore prendre (vs2), passage d'un don de l'une à l'autre, écriture dans la ligne de niveau.
#include "editor/EditionPersonnage.h"
#include "sheet/Fiche.h"

#include <QString>
#include <QVector>

class BaseDonnees;

inline constexpr int kDonsParNiveau = 10;

struct LigneChoixDon
{
    QString Affiche;         // nom suivi de " [précision]" quand il y en a une
    QString Genre, Source;
    int Niveau = 0;          // niveau où le don a été pris (vs1)
    QString Nom;
    QString Precision;
    QString ConditionNonRemplie;   // ce qui manque visiblement au personnage ; "" sinon
};
using GrilleDons = QVector<LigneChoixDon>;

QString AfficheDon(const QString& nom, const QString& precision);

// Range la grille sur le texte affiché puis cherche par dichotomie le nom suivi de sa précision,
// sans égard à la casse.
bool ExistInDon(const QString& nom, const QString& precision, GrilleDons& grille);

// Ce que les grilles lisent : l'éditeur, le niveau affecté (compté depuis 1) et les dons de la fiche.
struct ContexteDonsAllocation
{
    BaseDonnees& perso;
    BaseDonnees& programme;
    const PersonnageEdite& personnage;
    int niveau = 1;
    const QVector<LigneDon>& donsFiche;
};

// vs1 : dons choisis aux niveaux 1 à niveau, rangés sur leur texte.
GrilleDons DonsPris(const ContexteDonsAllocation& c);

// vs2 : chaque don (et chaque choix d'un don à précision) pas encore pris ou Multiple.
GrilleDons DonsPossibles(const ContexteDonsAllocation& c, GrilleDons& pris);

// Bouton Ajouter : la ligne choisie de vs2 passe dans vs1 au niveau donné ; sans effet quand
// le don (non Multiple) y est déjà. Vrai quand le don a été ajouté.
bool AjouteDon(BaseDonnees& programme, int ligne, int niveau, GrilleDons& pris, GrilleDons& possibles);

// Bouton Enlever : la ligne choisie de vs1 revient dans vs2 quand elle est de ce niveau.
bool EnleveDon(int ligne, int niveau, GrilleDons& pris, GrilleDons& possibles);

// Dons de vs1 pris à ce niveau, dans l'ordre de la grille, dix au plus ; le reste est vidé.
void EcritDons(const GrilleDons& pris, int niveau, NiveauEdite& ligne);

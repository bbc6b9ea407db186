#pragma once
// Page des compétences de la fiche : rangs achetés, modificateurs par source, total et notes.
#include "AchatsCompetence.h"
#include "Fiche.h"

#include <QString>
#include <QVector>

class BaseDonnees;

// Couleurs de fond des compétences de classe, et celle des autres lignes.
inline constexpr int kCouleurClasseAutre = 16576;      // compétence d'une classe prise avant (40C0)
inline constexpr int kCouleurClasseDerniere = 32768;   // compétence de la classe du plus haut niveau (8000)
inline constexpr int kCouleurHorsClasse = 0xFFFFFF;

int CouleurCompetence(qint16 statut);

// Ce que la page lit en dehors de la fiche.
struct EntreesCompetences
{
    qint16 PenaliteArmure = 0;   // somme des malus d'armure des objets portés, positive
    bool DoubleCarac = false;    // réglage COMPETENCE/DOUBLECARAC
    QString ClasseReference;     // classe dont les compétences sont en vert ; "" : celle du dernier niveau
};

// Bonus de synergie de tant de rangs : 0 sous 5 rangs, puis +2 tous les 20 rangs.
qint16 BonusSynergie(int rangs);

// Remplit f.Competences et f.NotesCompetences ; un personnage sans ligne de niveau laisse la page
// telle qu'elle était. Lit les modificateurs de caractéristique, la liste des bonus et les dons de f.
void ListeCompetence(BaseDonnees& perso, BaseDonnees& programme, const ListeCapacitesPerso& capacites,
                     const EntreesCompetences& entrees, Fiche& f);

// Modificateur montré par la fiche pour la caractéristique nommée ; 0 pour un autre nom.
qint16 modifCompetence(const Fiche& f, const QString& carac);

// Saut selon la vitesse au sol déjà calculée : +4 par tranche de 3 m au-dessus de 9 m, -6 par
// tranche en dessous ; compté avec la race dans la ligne de la compétence.
void SautSelonVitesse(Fiche& f);

// Ajoute aux notes de la ligne cible « +bonus condition » quand la compétence source a au moins 5 rangs.
void BonusSynergieConditionnel(BaseDonnees& programme, QVector<LigneCompetence>& lignes, int cible,
                               const QString& condition, const QString& source);

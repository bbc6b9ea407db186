#pragma once
// Liste des personnages telle que la montre le choix d'un personnage.
#include <QString>
#include <QVector>

class BaseDonnees;

struct PersonnageChoix
{
    QString nom;
    QString race;
    int niveau = 0;   // somme des huit niveaux, Null comptant 0
    QString classe;   // classe principale : la case de plus haut niveau, la première en cas d'égalité
};

// Personnages non exclus, dans l'ordre des noms.
QVector<PersonnageChoix> ListePersonnagesChoix(BaseDonnees& perso);

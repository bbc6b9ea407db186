#pragma once
// Options de métamagie offertes pour un sort préparé : une par don de métamagie de la fiche,
// "Augmentation d’intensité  " une fois par hausse possible ; niveau modifié et contrôle.
#include "Fiche.h"

#include <QString>
#include <QVector>
#include <optional>

class BaseDonnees;

inline constexpr int kOptionsMetamagieMax = 16;
inline constexpr const char* kIntensite = "Augmentation d’intensité  ";
inline constexpr const char* kMetamagieTropHaute = "Niveau de sort trop élevé";

struct OptionMetamagie
{
    QString libelle;         // nom du don, suivi de " (hausse)" pour l'augmentation d'intensité
    int augmentation = 0;    // hausse du niveau de l'emplacement
};

// Options, dans l'ordre de la liste des dons, au plus 16.
QVector<OptionMetamagie> OptionsMetamagie(BaseDonnees& programme, const QVector<LigneDon>& dons, int niveauBase,
                                          int niveauMax);

// Résultat rendu à la fiche : niveau modifié et dons appliqués, séparés par ", ".
struct ResultatMetamagie
{
    int niveau = 0;
    QString dons;
};

// Niveau modifié par les options cochées (coches : même rang que les options).
int NiveauMetamagie(int niveauBase, const QVector<OptionMetamagie>& options, const QVector<bool>& coches);

// Vide quand le niveau modifié dépasse le plus haut niveau lançable.
std::optional<ResultatMetamagie> ValideMetamagie(int niveauBase, int niveauMax, const QVector<OptionMetamagie>& options,
                                                 const QVector<bool>& coches);

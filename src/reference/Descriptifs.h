#pragma once
// Lectures et corrections des textes des règles : dons, sorts, races, compétences. Les
// corrections passent par la surcouche des règles (fichier des corrections de l'utilisateur).
#include "TextesRegles.h"

#include <QPair>
#include <QStringList>
#include <QVariantMap>
#include <optional>

class BaseDonnees;

struct FicheDon
{
    QString nom;
    QString genre;
    QString categorie;
    QString type;
    QString source;
    TextesDon textes;
};

QStringList NomsDons(BaseDonnees& programme);
std::optional<FicheDon> LitDon(BaseDonnees& programme, const QString& nom);
// Découpe l'explication, remet chaque texte en forme, enregistre (le résumé, la condition, le
// normal et le spécial seulement s'ils ne sont pas vides ; l'explication toujours) ; rend les
// textes tels qu'enregistrés. Un nom vide n'enregistre rien.
TextesDon EnregistreDon(BaseDonnees& programme, const QString& cheminCorrections, const QString& nom, TextesDon textes);

// Champs d'un sort que la fenêtre enregistre (ni Source ni Zone d'effet).
const QStringList& ChampsSortEnregistres();
QStringList NomsSorts(BaseDonnees& programme);
// Nom suivi de " (version 3.0)" quand la version n'est pas 3.5.
QString TitreSort(const QString& nom, double version);
// Vrai quand le niveau commence par "Epique" (toutes casses).
bool SortEpique(const QString& classeNiveau);
bool EstSort(BaseDonnees& programme, const QString& nom);
// Enregistre les champs donnés (ceux de ChampsSortEnregistres) du sort ; faux s'il n'existe pas.
bool EnregistreSort(BaseDonnees& programme, const QString& cheminCorrections, const QString& nom, const QVariantMap& champs);

// Ligne d'une grille de sorts de la fiche : ce que la fiche a calculé pour ce sort.
struct LigneGrilleSort
{
    QString nom;
    QString dd;             // vide quand la grille n'en a pas
    QString classeNiveau;
    QString objet;          // objet d'où vient le sort
};

// Ouverture depuis la fiche : grille d'origine ("VSSORTCLASSE", "VSSORTLISTE"), ses lignes, la
// ligne choisie. Sans source (menu), tous les sorts.
struct SortsGrille
{
    QString source;
    QVector<LigneGrilleSort> lignes;
    int choisie = 0;
};

// Races par ordre alphabétique, avec leur numéro.
QVector<QPair<QString, int>> NomsRaces(BaseDonnees& programme);
QString LitDescriptionRace(BaseDonnees& programme, const QString& race);
// Un nom de race vide n'enregistre rien.
void EnregistreDescriptionRace(BaseDonnees& programme, const QString& cheminCorrections, const QString& race,
                               const QString& description);

struct FicheCompetence
{
    QString titre;   // la clé seule quand la compétence n'existe pas
    QString test, action, nouvelles, special, synergie, restrictions, inne;
};
FicheCompetence LitCompetence(BaseDonnees& programme, const QString& cle);

#pragma once
// Objets portés : les 21 emplacements du corps, leur lecture au catalogue et leur analyse.
#include "rules/Bonus.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class BaseDonnees;
struct Fiche;

inline constexpr int kNombrePlaces = 21;
inline constexpr int kPlaceArmePrincipale = 0;
inline constexpr int kPlaceArmure = 1;
inline constexpr int kPlaceArmeSecondaire = 2;
inline constexpr int kPlaceBouclier = 6;
inline constexpr int kPlaceProjectiles = 11;

// Un objet du catalogue tel que l'analyse le lit.
struct TypeObjet
{
    QString NomObjet;
    double CoutTotal = 0;
    double PoidsBase = 0;
    qint16 EchecSortProfane = 0;
    qint16 PenaliteArmure = 0;
    std::optional<qint16> BonusDexMax;   // absent : l'objet ne borne pas la Dextérité
    QString DegatDes;
    QString Type;
    double Portee = 0;
    qint16 Solidite = 0;
    qint16 RESISTANCE = 0;
    QString Description;
    QString ZoneCritique;
    qint16 MultCrit = 0;
    QString GroupeObjet;
    QString taille;
    QString typeca;
    std::optional<qint16> classeArmure;
    qint16 RejetMortsVivants = 0;        // "Rejet des morts vivants accru"
    qint16 BonusInitiative = 0;          // "Bonus à l'initiative"
    qint16 PuissanceArc = 0;             // arc composite : "ARC", "Arc de Puissance"
    bool Anime = false;                  // bouclier animé : compte quoi que tiennent les mains
    QStringList ProprietesSpeciales;     // "Affutage", "Sanglante"...
};

// Libellé d'un emplacement sur le corps ("Arme Principale", "Divers 3"...).
QString LibellePlace(int place);
// Vrai quand l'emplacement accepte l'objet (son type, et pour les armes son groupe).
bool PlaceAccepte(int place, const TypeObjet& objet);

// Lit l'objet dans un catalogue (pour la fiche, la copie de travail de la base de personnages) et
// ajoute ses entrées à la liste des bonus ; faux quand le catalogue ne le connaît pas.
bool ChargeObjet(BaseDonnees& catalogue, const QString& nomObjet, TypeObjet& objet, ListeBonus& bonus);

// Le plus petit maximum de Dextérité : un candidat absent ne change rien.
void DetermineBonusDexMax(std::optional<qint16> candidat, std::optional<qint16>& courant);

// Le bouclier compte-t-il, vu ce que tiennent les mains ? Une arme à deux mains l'annule, sauf
// pour une targe avec son don ou une lance d'arçon ; un bouclier animé compte toujours.
bool ValideBouclier(const TypeObjet& bouclier, const TypeObjet* principale, const TypeObjet* secondaire,
                    const QStringList& dons);

// Un objet du personnage : son nom, sa position dans Equipement et sa description.
struct ObjetPlace
{
    QString NomObjet;
    int Pos = 0;
    QString Description;
    bool estVide() const { return NomObjet.isEmpty(); }
};

// Les emplacements et la liste des objets portés sans emplacement (List1).
struct EquipementPersonnage
{
    std::array<ObjetPlace, kNombrePlaces> Places;
    QVector<ObjetPlace> Liste;
};

// Relit les emplacements depuis Equipement.Place, avec la description de chaque objet porté.
EquipementPersonnage ListeEquip(BaseDonnees& perso, BaseDonnees& programme, const QString& personnage);
// Les mêmes emplacements sans les descriptions : ce qu'il faut au calcul de la fiche.
EquipementPersonnage PlacesEquip(BaseDonnees& perso, const QString& personnage);

// Range tout de suite l'objet de position pos à l'emplacement place (-1 : dans la liste).
// L'objet qui occupait l'emplacement retourne dans la liste ; le message dit un refus.
struct ResultatDeplacement
{
    bool fait = false;
    std::optional<int> PosDeplace;       // objet renvoyé dans la liste
    QString message;
};
ResultatDeplacement DeplaceObjet(BaseDonnees& perso, const QString& personnage, int pos, int place);

// Image choisie pour le personnage, enregistrée aussitôt ; la fiche la montre au prochain calcul.
void EnregistreImage(BaseDonnees& perso, const QString& personnage, const QString& chemin);

// Analyse des objets portés qui comptent : liste vsEquip, totaux et bonus de la fiche.
// valides : les cases ValideEquipement, toutes cochées par défaut.
void AnalyseEquip(BaseDonnees& perso, BaseDonnees& programme, Fiche& fiche,
                  const std::array<bool, kNombrePlaces>& valides);
// Le bouclier écarté par l'analyse est revu une fois les dons connus ("Science de la défence
// à la targe") ; il compte alors comme les autres objets.
void RevalideBouclier(Fiche& fiche);

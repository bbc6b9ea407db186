#pragma once
// Données de l'éditeur de personnages : lecture d'un personnage, enregistrement contrôlé,
// suppression et changement de nom, chaque écriture dans une seule transaction.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class BaseDonnees;

// Une ligne de la grille des niveaux, cellules en texte comme l'utilisateur les a saisies.
struct NiveauEdite
{
    QString niveau;                     // niveau dans la classe
    QString classe;
    QString pv;
    std::array<QString, 6> caracs;      // For, Dex, Con, Int, Sag, Cha
    QString competence;                 // rangs achetés, empaquetés
    std::array<QString, 10> dons;       // dons pris à ce niveau
    std::array<QString, 10> precisions; // leur précision, même place
    QString modifInt;
    bool operator==(const NiveauEdite&) const = default;
};

// Une ligne de la grille des objets.
struct ObjetEdite
{
    QString nom;
    QString type;
    QString place;
    QString charge;
    QString nombre;
    bool surPersonnage = true;
    bool operator==(const ObjetEdite&) const = default;
};

struct PersonnageEdite
{
    QString nom;
    QString race;
    QHash<QString, QString> identite;  // champ de Personnage (voir champsIdentite) -> texte
    QVector<NiveauEdite> niveaux;
    QVector<ObjetEdite> objets;
    bool operator==(const PersonnageEdite&) const = default;
};

// Contrôle refusé : message à montrer et contrôle qui reçoit le focus
// ("fldstrnom", "CmbRace", "fldnAge"..., "vsHistoPerso" avec la ligne fautive comptée depuis 0).
struct RefusEnregistrement
{
    QString message;
    QString controle;
    int ligne = -1;
};

// Races proposées par la liste de l'éditeur, dans l'ordre de la base du programme.
QStringList racesEditeur(BaseDonnees& programme);

// Lit un personnage : identité, niveaux (avec leurs dons) dans l'ordre de niv, objets.
// Faux quand le personnage n'existe pas.
bool chargePersonnage(BaseDonnees& perso, const QString& nom, PersonnageEdite& personnage);

// Contrôles de l'enregistrement, dans leur ordre ; le premier qui échoue est rendu.
// Rien n'est écrit ici.
std::optional<RefusEnregistrement> controleEnregistrement(BaseDonnees& programme, const PersonnageEdite& personnage,
                                                          const QStringList& races);

// Contrôle puis écrit le personnage dans une seule transaction : en cas de refus ou d'échec,
// la base reste telle qu'elle était. Rend le refus éventuel ; une erreur de base est levée.
std::optional<RefusEnregistrement> Enregistre(BaseDonnees& perso, BaseDonnees& programme,
                                              const PersonnageEdite& personnage, const QStringList& races);

// Supprime le personnage de toutes les tables de personnages, en une transaction.
void supprimePersonnage(BaseDonnees& perso, const QString& nom);

enum class ResultatRenommage { Inchange, NomExistant, Renomme };

// Remplace le nom dans toutes les tables de personnages, en une transaction. Rien quand le nouveau
// nom est vide ou égal à l'ancien sans égard à la casse ; refusé quand un personnage le porte déjà
// dans l'une des tables, en quelque casse que ce soit.
ResultatRenommage renommePersonnage(BaseDonnees& perso, const QString& ancien, const QString& nouveau);

// Background et historique d'un personnage, tels que la fenêtre qui les édite les montre.
struct TextesPersonnage
{
    QString background;
    QString historique;
};
TextesPersonnage litTextes(BaseDonnees& perso, const QString& nom);
// Écrit les deux textes ; un texte vide, blancs retirés, devient Null.
void ecritTextes(BaseDonnees& perso, const QString& nom, const TextesPersonnage& textes);

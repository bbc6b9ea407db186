#pragma once
// Catalogue des objets de la base de personnages (Objets, ObjetsPropriete) : lecture, contrôles
// de l'enregistrement, écriture, suppression et changement de nom, chaque écriture en une transaction.
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

class BaseDonnees;
enum class ResultatRenommage;

// Colonnes de la liste des objets, dans l'ordre de la requête de RemplieLst.
enum ColonneObjet {
    ColNom, ColCoutTotal, ColPoidsBase, ColClasseArmure, ColTypeCa, ColEchecSorts, ColPenaliteArmure,
    ColBonusDexMax, ColPortee, ColGroupe, ColTaille, ColType, ColDegatDes, ColZoneCritique, ColMultCrit,
    ColDescription, ColSolidite, ColResistance, ColCharge, NombreColonnesObjet
};

// Liste entière : liste déroulante dont les éléments s'écrivent comme des nombres entiers.
enum class NatureChampObjet { Texte, Liste, ListeEntiere, Entier, Reel };

// Un champ de Objets et le contrôle qui le montre dans la gestion des objets.
struct ChampObjet
{
    const char* champ;       // champ de Objets
    const char* controle;    // nom du contrôle
    const char* libelle;     // libellé ("" : aucun)
    NatureChampObjet nature;
    const char* message;     // message du contrôle numérique ("" : aucun)
    const char* statut;      // texte de la barre d'état à l'entrée dans le champ ("" : aucun)
};
// Les 19 champs, dans l'ordre des colonnes.
const std::array<ChampObjet, NombreColonnesObjet>& champsObjet();

// Un objet tel que la fenêtre le montre et le saisit : chaque champ en texte, Null lu "".
struct ObjetCatalogue
{
    std::array<QString, NombreColonnesObjet> valeurs;
    const QString& nom() const { return valeurs[ColNom]; }
    const QString& groupe() const { return valeurs[ColGroupe]; }
};

// Une propriété d'objet : genre, cible, type de bonus, valeur.
struct ProprieteObjet
{
    QString propriete_1;
    QString propriete_2;
    QString propriete_3;
    QString valeur;
    bool operator==(const ProprieteObjet&) const = default;
};
// Ligne lisible de la liste des propriétés : les quatre parties non vides séparées d'une espace.
QString ligneLisible(const ProprieteObjet& propriete);

// Éléments des listes déroulantes de la fenêtre.
struct ListesObjet
{
    QStringList groupes;        // CmbGroupe, de la table GroupeObjet des règles
    QStringList classesArmure;  // cmbClasseArmure
    QStringList typesCa;        // CmbTypeCa
    QStringList tailles;        // CmbTailles
    QStringList types;          // CmbType
    QStringList degats;         // CmbDegatsDes
    QStringList zones;          // CmbZoneCrit
    QStringList multiplicateurs;// CmbMultipCrit
    // Éléments de la liste d'une colonne ; vide pour une colonne qui n'est pas une liste.
    const QStringList* liste(int colonne) const;
};
ListesObjet listesObjet(BaseDonnees& programme);

// Tout le catalogue, dans l'ordre des noms.
QVector<ObjetCatalogue> RemplieLst(BaseDonnees& perso);
// Un objet du catalogue ; rien quand il n'y est pas.
std::optional<ObjetCatalogue> litObjet(BaseDonnees& perso, const QString& nom);
// Les propriétés d'un objet, dans l'ordre où elles ont été écrites.
QVector<ProprieteObjet> proprietesObjet(BaseDonnees& perso, const QString& nom);

// Refus d'un enregistrement : message et colonne du champ qui reçoit le focus.
struct RefusObjet
{
    QString message;
    int colonne = ColNom;
};

// Contrôles de Enregistre, dans leur ordre ; rien n'est écrit.
std::optional<RefusObjet> controleObjet(const ObjetCatalogue& objet, const ListesObjet& listes);

// Contrôle puis écrit l'objet et remplace toutes ses propriétés, en une transaction : refusé ou
// en échec, le catalogue reste tel qu'il était. Une erreur de base est levée.
std::optional<RefusObjet> Enregistre(BaseDonnees& perso, const ObjetCatalogue& objet,
                                     const QVector<ProprieteObjet>& proprietes, const ListesObjet& listes);

enum class ResultatSuppression { Supprime, Equipe };
// Supprime l'objet et ses propriétés en une transaction ; refusé quand un personnage l'a.
ResultatSuppression supprimeObjet(BaseDonnees& perso, const QString& nom);

// Renomme l'objet dans Objets, ObjetsPropriete et l'équipement de chaque personnage, en une
// transaction ; refusé quand un autre objet porte déjà le nouveau nom.
ResultatRenommage renommeObjet(BaseDonnees& perso, const QString& ancien, const QString& nouveau);

// Texte comparé par le filtre de la liste : minuscules sans accents, apostrophes droites.
QString texteFiltre(const QString& texte);

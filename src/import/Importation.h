#pragma once
// Copie de personnages d'une base d'import vers la base ouverte : catalogue d'objets, puis
// chaque personnage et toutes ses lignes, chacun en une transaction.
#include <QString>
#include <QVector>
#include <optional>

class BaseDonnees;

struct ChoixImport
{
    QString nom;         // nom dans le fichier d'import
    QString nomImport;   // nom qu'il aura ici
};

enum class IssueImport { Importe, Refuse, Echec };

struct ResultatImport
{
    QString nom;
    QString nomImport;
    IssueImport issue = IssueImport::Importe;
    QString message;     // pour l'utilisateur, vide quand il est importé
    QString detail;      // pour le journal, après un échec
};

struct BilanImport
{
    std::optional<QString> echecCatalogue;   // message ; le catalogue n'a alors pas changé
    QString detailCatalogue;
    QVector<ResultatImport> personnages;
    bool complet() const;
};

// Tables d'un personnage : nom de la table, champ qui porte le nom du personnage, et vrai pour
// celle des objets, copiée seulement avec eux.
struct TablePersonnage
{
    const char* table;
    const char* champNom;
    bool objets;
};
const QVector<TablePersonnage>& TablesPersonnage();

BilanImport ImportePersonnages(BaseDonnees& source, BaseDonnees& destination, const QVector<ChoixImport>& choix,
                               bool avecObjets);

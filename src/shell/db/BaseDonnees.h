#pragma once
// Accès à une base SQLite : requêtes à valeurs liées, recherches par index nommé,
// ajouts, modifications, suppressions, transactions et opérations de schéma.
#include "Ligne.h"
#include "Schema.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>
#include <functional>
#include <memory>

class Curseur;
class Instruction;
struct sqlite3;

// Nom de la collation « comme l'ancien moteur » : sans égard à la casse, attentive aux accents.
inline constexpr const char* kCollationNoms = "NOMFR";

class BaseDonnees
{
public:
    // Ouvre un fichier existant ; lève ErreurBase (message français) s'il manque,
    // s'il n'est pas une base ou s'il ne peut être lu.
    static std::unique_ptr<BaseDonnees> ouvre(const QString& chemin);
    // Ouvre en lecture seule : rien ne peut y être écrit (les tables temporaires restent possibles).
    static std::unique_ptr<BaseDonnees> ouvreLecture(const QString& chemin);
    // Crée un fichier neuf (vide) ; refuse d'écraser un fichier existant.
    static std::unique_ptr<BaseDonnees> cree(const QString& chemin);
    // Crée une base complète d'un seul coup : elle est remplie dans un fichier temporaire du
    // même dossier, puis renommée sans jamais remplacer un fichier apparu entre-temps. Un arrêt
    // brutal ne laisse donc jamais de base à moitié faite sous le nom voulu.
    static std::unique_ptr<BaseDonnees> creeComplete(const QString& chemin,
                                                     const std::function<void(BaseDonnees&)>& remplit);

    // Attente d'un verrou tenu par un autre programme avant d'abandonner.
    static constexpr int kAttenteVerrouMs = 5000;
    void fixeAttenteVerrou(int millisecondes);

    ~BaseDonnees();
    BaseDonnees(const BaseDonnees&) = delete;
    BaseDonnees& operator=(const BaseDonnees&) = delete;

    const QString& chemin() const { return m_chemin; }

    // Requêtes SQL à valeurs liées ("?"), préparées une fois par connexion.
    int execute(const QString& sql, const QVariantList& valeurs = {});
    QVector<Ligne> selectionne(const QString& sql, const QVariantList& valeurs = {});
    Ligne premiere(const QString& sql, const QVariantList& valeurs = {});
    QVariant scalaire(const QString& sql, const QVariantList& valeurs = {});
    // Passe chaque ligne rendue à chaque, sans la garder ni la convertir (lecture par position,
    // Instruction::texte et entier) : pour les longues listes.
    void parcourt(const QString& sql, const QVariantList& valeurs, const std::function<void(const Instruction&)>& chaque);

    // Pour les règles livrées, que rien ne change pendant que le programme tourne : chaque lecture
    // (selectionne, premiere, scalaire, cherche) est gardée et rendue sans refaire la requête,
    // jusqu'à la première écriture sur cette connexion (surcouche, corrections) ou au premier
    // retour arrière.
    void memoriseLectures() { m_memorise = true; }

    // Appelée avec le texte de chaque requête à sa première préparation sur cette connexion :
    // les essais vérifient ainsi le plan de toutes les requêtes d'un calcul.
    void suitPreparations(std::function<void(const QString&)> suivi) { m_suivi = std::move(suivi); }

    // Recherche « = » sur un index nommé : la première ligne dont la clé commence par les valeurs.
    Ligne cherche(const QString& table, const QString& index, const QVariantList& cle);
    Curseur curseur(const QString& table, const QString& index);

    // AddNew/Update, Edit/Update, Delete.
    qint64 ajoute(const QString& table, const QVariantMap& champs);
    void modifie(const QString& table, qint64 rowid, const QVariantMap& champs);
    void supprime(const QString& table, qint64 rowid);

    // Transactions imbriquables (points de sauvegarde). Une validation qui échoue annule tout :
    // la connexion repart hors transaction et l'erreur dit que rien n'a été enregistré.
    void debutTransaction();
    void valideTransaction();
    void annuleTransaction();
    int profondeurTransaction() const { return m_profondeur; }

    // Schéma.
    QStringList tables();
    QString nomTable(const QString& table);  // nom exact, casse de la base ; vide si absente
    bool existeTable(const QString& table);  // comparaison en majuscules
    bool ExisteChamp(const QString& table, const QString& champ);
    QStringList champs(const QString& table);
    void creeTable(const DefinitionTable& definition);
    void ajouteChamp(const QString& table, const DefinitionChamp& champ);
    void renommeChamp(const QString& table, const QString& ancien, const QString& nouveau);
    void supprimeChamp(const QString& table, const QString& champ);
    void creeIndex(const QString& table, const DefinitionIndex& index);
    // Colonnes de la clé d'un index nommé d'une table ; lève ErreurBase s'il n'existe pas.
    QStringList colonnesIndex(const QString& table, const QString& index);

private:
    enum class Acces { Lecture, Ecriture, Creation };
    explicit BaseDonnees(QString chemin);
    static std::unique_ptr<BaseDonnees> ouvreAvec(const QString& chemin, Acces acces);
    void ouvreConnexion(Acces acces);
    // Prépare (ou reprend du cache) une requête et lie ses valeurs ; lève ErreurBase en cas d'échec.
    Instruction& lance(const QString& sql, const QVariantList& valeurs);
    void oublieSchema();
    // Clé d'une lecture gardée : la requête et ses valeurs, types compris.
    static QString cleLecture(QChar genre, const QString& sql, const QVariantList& valeurs);
    void garde(QHash<QString, QVector<Ligne>>& lectures, const QString& cle, QVector<Ligne> lignes);
    friend class Curseur;

    QString m_chemin;
    sqlite3* m_connexion = nullptr;
    QHash<QString, Instruction*> m_requetes;
    QHash<QString, QStringList> m_index;        // "TABLE|INDEX" en majuscules -> colonnes
    QHash<QString, QString> m_sqlRecherches;    // "table|index|n" -> requête de cherche
    std::function<void(const QString&)> m_suivi;
    QHash<QString, QStringList> m_champs;       // TABLE en majuscules -> champs, dans l'ordre
    bool m_memorise = false;
    QHash<QString, QVector<Ligne>> m_lectures;  // clé de lecture -> lignes rendues
    int m_profondeur = 0;
};

// Transaction RAII : annulée à la destruction si elle n'a pas été validée.
class Transaction
{
public:
    explicit Transaction(BaseDonnees& base) : m_base(base) { m_base.debutTransaction(); }
    ~Transaction()
    {
        if (!m_finie) {
            try { m_base.annuleTransaction(); } catch (...) {}
        }
    }
    void valide() { m_base.valideTransaction(); m_finie = true; }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    BaseDonnees& m_base;
    bool m_finie = false;
};

// Lecture groupée : garde le verrou de lecture du fichier le temps d'un calcul qui fait des
// centaines de requêtes ; sans elle, chacune le reprend et relit l'en-tête de la base (plusieurs
// dizaines de microsecondes, dix fois le prix d'une recherche). Ce qui s'écrit pendant est validé.
class LectureGroupee
{
public:
    explicit LectureGroupee(BaseDonnees& base) : m_base(base) { m_base.debutTransaction(); }
    ~LectureGroupee()
    {
        try { m_base.valideTransaction(); } catch (...) {}
    }
    LectureGroupee(const LectureGroupee&) = delete;
    LectureGroupee& operator=(const LectureGroupee&) = delete;

private:
    BaseDonnees& m_base;
};

// Quote un identifiant SQL (table ou champ) : "Temps d’incantation", "Classe/Niveau"...
QString identifiant(const QString& nom);

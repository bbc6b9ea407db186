#pragma once
// Une requête SQLite préparée : liaison des valeurs, lecture pas à pas des lignes rendues.
// Lue directement par l'interface C de SQLite : une recherche indexée coûte quelques
// microsecondes, là où une couche générique en coûtait plusieurs dizaines.
#include "Ligne.h"
#include "shell/Erreur.h"

#include <QString>
#include <QVariantList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// Nom de la colonne technique qui porte l'identifiant de ligne dans les lectures.
inline constexpr const char* kAliasRowid = "quorvane_rowid";

class Instruction
{
public:
    // Prépare la requête ; lève ErreurBase (message français) si elle est invalide.
    Instruction(sqlite3* base, QString sql, QString nomBase);
    ~Instruction();
    Instruction(const Instruction&) = delete;
    Instruction& operator=(const Instruction&) = delete;

    // Repart du début avec ces valeurs pour les "?".
    void lie(const QVariantList& valeurs);
    // Avance d'une ligne : vrai sur une ligne, faux à la fin ; lève ErreurBase en cas d'échec.
    bool suivante();
    // Ligne courante, sans la colonne technique de l'identifiant (qui devient son rowid).
    Ligne ligne();
    // Libère les verrous de lecture tenus par la requête.
    void termine();

    // Lecture directe d'une colonne de la ligne courante, sans passer par une Ligne : pour les
    // longues listes. Mêmes règles que Ligne (Null : "" et 0).
    QString texte(int colonne) const;
    int entier(int colonne) const;

    const QString& sql() const { return m_sql; }
    // Vrai si la requête n'écrit rien (les débuts et fins de transaction comptent comme lectures).
    bool lectureSeule() const;

private:
    [[noreturn]] void echec() const;
    void litColonnes();

    sqlite3* m_base;
    sqlite3_stmt* m_requete = nullptr;
    QString m_sql;
    QString m_nomBase;
    std::shared_ptr<const ColonnesLigne> m_colonnes;
    QVector<int> m_positions;        // colonnes rendues dans la ligne
    int m_colonneRowid = -1;
    int m_nombreColonnes = -1;
};

// Message français d'une erreur du moteur SQLite, d'après son code (jamais le texte anglais).
QString messageMoteur(sqlite3* base, int code);
// Table visée par une requête (après FROM, INTO, UPDATE ou TABLE) ; vide si introuvable.
QString tableDeRequete(const QString& sql);
// Erreur française pour l'utilisateur ; le texte du moteur et la requête vont au détail (journal).
ErreurBase erreurMoteur(sqlite3* base, int code, const QString& cheminBase, const QString& sql);

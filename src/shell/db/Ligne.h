#pragma once
// Une ligne lue dans une base : champs par nom (sans égard à la casse), règle du Null.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

// Noms des colonnes d'une requête, partagés par toutes les lignes qu'elle rend.
class ColonnesLigne
{
public:
    explicit ColonnesLigne(QStringList noms, QString table = {});
    const QStringList& noms() const { return m_noms; }
    // Table lue, pour dire à l'utilisateur où un champ manque.
    const QString& table() const { return m_table; }
    // Position d'un champ, sans égard à la casse ; -1 s'il n'existe pas.
    int position(const QString& champ) const;

private:
    QStringList m_noms;
    QString m_table;
    // Nom exact, nom en majuscules, et chaque autre écriture déjà demandée (« nom » pour « Nom ») :
    // une lecture répétée ne convertit plus rien.
    mutable QHash<QString, int> m_positions;
};

class Ligne
{
public:
    Ligne() = default;
    Ligne(std::shared_ptr<const ColonnesLigne> colonnes, QVector<QVariant> valeurs, qint64 rowid = -1)
        : m_colonnes(std::move(colonnes)), m_valeurs(std::move(valeurs)), m_rowid(rowid), m_valide(true) {}

    // Faux pour la ligne vide rendue quand rien n'est trouvé.
    bool estValide() const { return m_valide; }
    explicit operator bool() const { return m_valide; }

    // Identifiant interne de la ligne, pour la modifier ou la supprimer ; -1 s'il n'est pas connu.
    qint64 rowid() const { return m_rowid; }

    bool contient(const QString& champ) const { return m_colonnes && m_colonnes->position(champ) >= 0; }
    QVariant valeur(const QString& champ) const;   // brute : Null possible
    bool estNul(const QString& champ) const;

    // Lecture avec la règle commune : Null se lit "" pour un texte et 0 pour un nombre.
    QString texte(const QString& champ) const;
    int entier(const QString& champ) const;
    double reel(const QString& champ) const;
    bool booleen(const QString& champ) const;

    // Les mêmes lectures par position, pour une requête qui nomme ses colonnes.
    QString texte(int i) const;
    int entier(int i) const;
    double reel(int i) const;

    int nombreChamps() const { return m_valeurs.size(); }
    QString nomChamp(int i) const { return m_colonnes->noms().at(i); }
    QVariant valeur(int i) const { return m_valeurs.at(i); }

private:
    std::shared_ptr<const ColonnesLigne> m_colonnes;
    QVector<QVariant> m_valeurs;
    qint64 m_rowid = -1;
    bool m_valide = false;
};

#pragma once
// Une ligne lue dans une base : champs par nom (sans égard à la casse), règle du Null.
#include <QSqlRecord>
#include <QString>
#include <QVariant>

class Ligne
{
public:
    Ligne() = default;
    explicit Ligne(QSqlRecord enregistrement, qint64 rowid = -1)
        : m_enregistrement(std::move(enregistrement)), m_rowid(rowid), m_valide(true) {}

    // Faux pour la ligne vide rendue quand rien n'est trouvé.
    bool estValide() const { return m_valide; }
    explicit operator bool() const { return m_valide; }

    // Identifiant interne de la ligne, pour la modifier ou la supprimer ; -1 s'il n'est pas connu.
    qint64 rowid() const { return m_rowid; }

    bool contient(const QString& champ) const { return m_enregistrement.indexOf(champ) >= 0; }
    QVariant valeur(const QString& champ) const;   // brute : Null possible
    bool estNul(const QString& champ) const;

    // Lecture avec la règle commune : Null se lit "" pour un texte et 0 pour un nombre.
    QString texte(const QString& champ) const;
    int entier(const QString& champ) const;
    double reel(const QString& champ) const;
    bool booleen(const QString& champ) const;

    int nombreChamps() const { return m_enregistrement.count(); }
    QString nomChamp(int i) const { return m_enregistrement.fieldName(i); }
    QVariant valeur(int i) const { return m_enregistrement.value(i); }

    const QSqlRecord& enregistrement() const { return m_enregistrement; }

private:
    QSqlRecord m_enregistrement;
    qint64 m_rowid = -1;
    bool m_valide = false;
};

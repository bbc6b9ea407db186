#pragma once
// Erreurs d'exécution : levées par le cœur, rapportées par le gestionnaire commun.
#include <QString>
#include <exception>

class ErreurExecution : public std::exception
{
public:
    // La description est montrée à l'utilisateur ; le détail technique (requête, texte du
    // moteur) ne va qu'au journal.
    ErreurExecution(int numero, QString description, QString detail = {})
        : m_numero(numero), m_description(std::move(description)), m_detail(std::move(detail)),
          m_utf8(m_description.toUtf8()) {}

    int numero() const { return m_numero; }
    const QString& description() const { return m_description; }
    const QString& detail() const { return m_detail; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    int m_numero;
    QString m_description;
    QString m_detail;
    QByteArray m_utf8;
};

// Numéros repris des erreurs d'exécution classiques, pour que le journal reste lisible.
namespace NumeroErreur {
constexpr int Depassement = 6;       // dépassement de capacité d'un entier 16 bits
constexpr int DivisionParZero = 11;
constexpr int Introuvable = 53;      // fichier (ou personnage) introuvable
constexpr int Base = 3000;           // erreur du moteur de base de données
}

// Erreur du moteur de base de données, avec un message français.
class ErreurBase : public ErreurExecution
{
public:
    explicit ErreurBase(QString description, int numero = NumeroErreur::Base, QString detail = {})
        : ErreurExecution(numero, std::move(description), std::move(detail)) {}
};

#pragma once
// Générateur partagé des jets de dés.
#include <QDateTime>
#include <random>

std::mt19937& Hasard();

// Avance le générateur d'un nombre de tirages entre 0 et 255 tiré de la date et de l'heure,
// pour que les jets diffèrent d'une exécution à l'autre ; rend ce nombre.
int AvanceHasard(std::mt19937& generateur, const QDateTime& moment);

// Source des nombres uniformes dans [0, 1) d'où sortent les jets de dés ; les essais la
// remplacent par une suite connue.
class SourceHasard
{
public:
    virtual ~SourceHasard() = default;
    virtual double Rnd() = 0;
    // Un dé : partie entière de (faces × Rnd) + 1.
    int De(int faces) { return int(faces * Rnd()) + 1; }
};

// Source tirée d'un générateur, par défaut le générateur partagé.
class HasardGenerateur final : public SourceHasard
{
public:
    explicit HasardGenerateur(std::mt19937& generateur = Hasard()) : m_generateur(generateur) {}
    // 32 bits du générateur divisés par 2^32 : jamais 1, sur toutes les bibliothèques.
    double Rnd() override { return m_generateur() / 4294967296.0; }

private:
    std::mt19937& m_generateur;
};

#pragma once
// Valeurs de caractéristiques montrées par la fiche : totaux et modificateurs, par nom.
#include "shell/Semantique.h"

#include <QString>
#include <array>

struct ValeursCaracteristiques
{
    // Dans l'ordre Force, Dextérité, Constitution, Intelligence, Sagesse, Charisme.
    std::array<Entier16, 6> Total{};
    std::array<Entier16, 6> Bonus{};

    // Rang d'une caractéristique nommée ("Force" … "Charisme"), -1 pour un autre nom.
    static int rang(const QString& nom);
};

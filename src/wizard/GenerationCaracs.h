#pragma once
// Caractéristiques de l'assistant de création : coût des valeurs, tirages, méthodes et budgets,
// valeurs modifiées par la race et l'archétype, contrôles avant de quitter l'étape.
#include "rules/Archetypes.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <random>

class BaseDonnees;

// Un nombre tiré dans [0, 1) ; les essais lui font rendre une suite connue.
using Rnd = std::function<double()>;
// Les tirages du générateur partagé (Hasard()).
Rnd RndDepuis(std::mt19937& generateur);
// Un dé : partie entière de (tirage × faces) + 1.
int JetDe(const Rnd& rnd, int faces);

// Noms des six caractéristiques, de la Force au Charisme.
const std::array<QString, 6>& NomsCaracs();

// Coût d'une valeur de départ en achat de points (moins de 8 : des points rendus).
inline int PointCarac(int score) { return CoutCarac(score); }

// Quatre dés à six faces, la somme des trois meilleurs.
int QuatreDesSix(const Rnd& rnd);

enum class MethodeCarac { QuatreDesSix, Monstre, Elite, PJ, Epique };

struct DefinitionMethode
{
    QString libelle;       // "&4D6", "&Monstre"...
    int budget = 0;        // 0 pour "&4D6" : le budget suit les valeurs tirées
    QString description;
};
const DefinitionMethode& Methode(MethodeCarac methode);

// Valeurs de départ de la méthode "&Monstre".
inline constexpr std::array<int, 6> kCaracsMonstre{11, 11, 11, 10, 10, 10};

// Valeurs de départ tirées par "&4D6" et le budget qui les paie exactement.
struct TirageCaracs
{
    std::array<int, 6> base{};
    int budget = 0;
};
TirageCaracs TireCaracs(const Rnd& rnd);

struct CaracsCalculees
{
    std::array<int, 6> modifie{};
    std::array<int, 6> modificateur{};
    int depense = 0;
    int reste = 0;
};

// Valeurs modifiées par la race et l'archétype (absent : 0), modificateurs, points dépensés et restants.
CaracsCalculees ActualiseCarac(BaseDonnees& programme, const QString& race, const QString& archetype,
                               const std::array<int, 6>& base, int budget);

// Le nombre qu'un texte saisi porte en tête ; 0 pour un texte vide ou qui n'en est pas un.
int ValideCarac(const QString& texte);

// Premier contrôle refusé en quittant l'étape : son message et la caractéristique fautive (-1 : le budget).
struct RefusCaracs
{
    QString message;
    int carac = -1;
};
std::optional<RefusCaracs> ControleCaracs(const std::array<int, 6>& base, const CaracsCalculees& calcul);

// Texte montré au clic sur un en-tête : 0 à 5 les caractéristiques, 6 "Score de base",
// 7 "Score modifié", 8 "Modificateur".
QString DescriptionCarac(BaseDonnees& programme, int entete, const QString& race, const QString& archetype);

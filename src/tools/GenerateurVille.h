#pragma once
// Générateur de ville : taille, finances, instances, PNJ notables et mélange de races d'une
// communauté, décrits en texte. Aucun accès aux bases.
#include <QString>
#include <QStringList>
#include <optional>

class SourceHasard;

inline const QStringList kTypesCommunaute{QStringLiteral("Isolée"), QStringLiteral("Ouverte"),
                                          QStringLiteral("Intégrée")};

// Au-delà, la liquidité d'une métropole (population × 5000) ne tiendrait plus sur 32 bits.
inline constexpr qint32 kPopulationMaxi = 400000;

// m plus la somme de n dés à f faces.
int des(SourceHasard& hasard, int n, int f, int m);

QString TypeVille(qint32 P);
qint32 LimiteFinanciere(qint32 P);
qint32 LiquiditeDisponible(qint32 P);
qint32 Revenu(qint32 P);
qint32 RevenuOr(qint32 P);
qint32 RevenuPremiere(qint32 P);
// Les instances de la communauté, séparées par ", ".
QString Instances(qint32 P, SourceHasard& hasard);
QString Alignement(SourceHasard& hasard);
// Les lignes des PNJ notables, du commandant de la garde et des PNJ de niveau 1.
QStringList PNJ(qint32 P, SourceHasard& hasard);
// Les lignes du mélange de races ; aucune pour un type inconnu.
QStringList RACE(qint32 P, const QString& type);

struct SaisiesVille
{
    QString nom;
    QString population;
    QString impot;
    QString dime;
    QString type;
};

enum class ChampVille { Nom, Population, Impot, Dime };

struct RefusVille
{
    ChampVille champ;
    QString message;
};

// Contrôles dans l'ordre de la fenêtre : le premier qui échoue est rendu.
std::optional<RefusVille> ControleVille(const SaisiesVille& saisies);

// Le texte de la communauté, chaque ligne finie par un saut de ligne ; les saisies sont bonnes.
QString GenereVille(const SaisiesVille& saisies, QChar separateurDecimal, SourceHasard& hasard);

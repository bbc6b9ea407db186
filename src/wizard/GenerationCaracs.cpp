#include "GenerationCaracs.h"
#include "rules/Personnage.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

#include <algorithm>
#include <numeric>

namespace {

const char* const kChamps[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};

// Valeurs d'un enregistrement de race ou d'archétype pour les six caractéristiques.
std::array<int, 6> modificateursDe(BaseDonnees& programme, const QString& table, const QString& cle)
{
    std::array<int, 6> valeurs{};
    if (cle.isEmpty())
        return valeurs;
    const Ligne l = programme.premiere(QStringLiteral("select * from %1 where %1=?").arg(table), {cle});
    if (l)
        for (int i = 0; i < 6; ++i)
            valeurs[i] = l.entier(QLatin1String(kChamps[i]));
    return valeurs;
}

// "de Force", "d'Intelligence" : l'élision des messages sur les valeurs de départ.
QString deCarac(int i)
{
    return i == 3 ? QStringLiteral("d'Intelligence") : QStringLiteral("de ") + NomsCaracs()[i];
}

} // namespace

Rnd RndDepuis(std::mt19937& generateur)
{
    return [&generateur] { return std::generate_canonical<double, 53>(generateur); };
}

int JetDe(const Rnd& rnd, int faces)
{
    return Int(rnd() * faces) + 1;
}

const std::array<QString, 6>& NomsCaracs()
{
    static const std::array<QString, 6> noms{QStringLiteral("Force"),        QStringLiteral("Dextérité"),
                                             QStringLiteral("Constitution"), QStringLiteral("Intelligence"),
                                             QStringLiteral("Sagesse"),      QStringLiteral("Charisme")};
    return noms;
}

int QuatreDesSix(const Rnd& rnd)
{
    std::array<int, 4> des{};
    for (int& d : des)
        d = JetDe(rnd, 6);
    return std::accumulate(des.begin(), des.end(), 0) - *std::min_element(des.begin(), des.end());
}

const DefinitionMethode& Methode(MethodeCarac methode)
{
    static const DefinitionMethode methodes[] = {
        {QStringLiteral("&4D6"), 0,
         QStringLiteral("Un tirage aléatoire avec, pour chaque caractéristique, 4d6 et on fait la somme des trois "
                        "meilleurs.")},
        {QStringLiteral("&Monstre"), 15,
         QStringLiteral("Les valeurs d'un monstre ordinaire : 11, 11, 11, 10, 10, 10. Les 15 points qu'elles coûtent "
                        "peuvent être répartis autrement.")},
        {QStringLiteral("&Elite"), 25,
         QStringLiteral("Achat de points pour un personnage d'élite : 25 points à répartir, ce que coûtent les valeurs "
                        "15, 14, 13, 12, 10 et 8.")},
        {QStringLiteral("&PJ"), 32,
         QStringLiteral("Achat de points d'une campagne héroïque : 32 points à répartir entre les six "
                        "caractéristiques.")},
        {QStringLiteral("Epique"), 38,
         QStringLiteral("Achat de points d'une campagne épique : 38 points à répartir, pour des héros hors du "
                        "commun.")}};
    return methodes[static_cast<int>(methode)];
}

TirageCaracs TireCaracs(const Rnd& rnd)
{
    TirageCaracs t;
    for (int& score : t.base) {
        score = QuatreDesSix(rnd);
        t.budget += PointCarac(score);
    }
    return t;
}

CaracsCalculees ActualiseCarac(BaseDonnees& programme, const QString& race, const QString& archetype,
                               const std::array<int, 6>& base, int budget)
{
    const std::array<int, 6> r = modificateursDe(programme, QStringLiteral("race"), race);
    const std::array<int, 6> a = modificateursDe(programme, QStringLiteral("archetype"), archetype);
    CaracsCalculees c;
    for (int i = 0; i < 6; ++i) {
        c.modifie[i] = base[i] + r[i] + a[i];
        c.modificateur[i] = BonusCarac(c.modifie[i]);
        c.depense += PointCarac(base[i]);
    }
    c.reste = budget - c.depense;
    return c;
}

int ValideCarac(const QString& texte)
{
    return Int(Val(texte));
}

std::optional<RefusCaracs> ControleCaracs(const std::array<int, 6>& base, const CaracsCalculees& calcul)
{
    for (int i = 0; i < 6; ++i) {
        if (base[i] < 1 || base[i] > 30)
            return RefusCaracs{QStringLiteral("La valeur du score ") + deCarac(i)
                                   + QStringLiteral(" doit étre comprise en 1 et 30"),
                               i};
        // Une race sans Intelligence ne fait pas un personnage : ce refus passe avant les autres.
        if (i == 3 && calcul.modifie[3] < 1)
            return RefusCaracs{QStringLiteral("La valeur du score modifié d'Intelligence doit étre supérieure à 0"), 3};
    }
    for (int i = 0; i < 6; ++i)
        if (calcul.modifie[i] < 1)
            return RefusCaracs{QStringLiteral("La valeur du score modifié de ") + NomsCaracs()[i]
                                   + QStringLiteral(" doit étre supérieure à 1"),
                               i};
    if (calcul.reste < 0)
        return RefusCaracs{QStringLiteral("Vous avez dépensé ") + QString::number(-calcul.reste)
                               + QStringLiteral(" point(s) en trop."),
                           -1};
    if (calcul.reste > 0)
        return RefusCaracs{QStringLiteral("Il vous reste ") + QString::number(calcul.reste) + QStringLiteral(" point(s)."),
                           -1};
    return std::nullopt;
}

QString DescriptionCarac(BaseDonnees& programme, int entete, const QString& race, const QString& archetype)
{
    const auto description = [&programme](const QString& nom) {
        return programme.scalaire(QStringLiteral("select Description from Caracteristiques where Nom=?"), {nom}).toString();
    };
    switch (entete) {
    case 6:
        return QStringLiteral("Les caractéristiques aident à définir votre personnage et affectent la plupart de ses "
                              "actions.");
    case 7:
        return QStringLiteral("Les caractéristiques modifiées par la race ") + race
               + (archetype.isEmpty() ? QString() : QStringLiteral(" et de l'archétype ") + archetype) + u'.';
    case 8:
        return description(QStringLiteral("Modificateurs"));
    default:
        return entete >= 0 && entete < 6 ? description(NomsCaracs()[entete]) : QString();
    }
}

#include "Deplacement.h"
#include "InfoClasse.h"
#include "Race.h"

#include <optional>

namespace {

qint16 enCases(int metres)
{
    return CInt(metres / 1.5);
}

qint16 bonusEnCases(const ListeBonus& bonus, const QString& milieu)
{
    return CInt(Int(SommeBonus(bonus, QStringLiteral("Bonus Déplacement"), milieu).nombre / 1.5));
}

// Dons et capacités qui changent la vitesse au sol, dans l'ordre où ils s'appliquent.
struct EffetTerre
{
    const char* nom;
    int ajout;
    bool divise;   // vitesse réduite de moitié
    // Armure ou charge qui annule l'effet (le moine le perd en toute armure, le barbare en armure lourde).
    std::optional<ArmurePortee> perduDes;
};
const EffetTerre kEffetsTerre[] = {
    {"Déplacement accéléré", 2, false, ArmurePortee::Legere},
    {"Déplacement accéléré +1.5m", 1, false, {}},
    {"Vif", 2, false, {}},
    {"Vitesse supérieure", 2, false, {}},
    {"Vélocité", 1, false, {}},
    {"Pied léger régionaux", 2, false, {}},
    {"Déplacement accéléré barbare", 2, false, ArmurePortee::Lourde},
    {"Déplacement accéléré coureur", 2, false, ArmurePortee::Lourde},
    {"Lent tare", 0, true, {}},
    {"Lent trait", 0, true, {}},
};

// Vol donné par un don ou une capacité, rapporté à la vitesse au sol de la race.
struct EffetVol
{
    const char* nom;
    double facteur;
    const char* manoeuvrabilite;
};
const EffetVol kEffetsVol[] = {
    {"Sang Angélique (moyenne)", 1, "Moyenne"},
    {"Sang Angélique (bonne)", 2, "Bonne"},
    {"Ailes", 1, "Moyenne"},
    {"Rejeton des étoiles", 0.5, "Moyenne"},
    {"Ailes élu divin", 1, "Bonne"},
    {"Ailes draconique", 1, "Bonne"},
};

QString metres(int cases)
{
    QString m = QString::number(cases * 1.5);
    m.replace(u'.', u',');
    return m;
}

} // namespace

qint16 VitesseArmure(int cases)
{
    static constexpr qint16 table[] = {0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7, 7, 8, 9, 10, 10, 11, 11, 12, 13, 14};
    return cases >= 1 && cases <= 20 ? table[cases] : qint16(0);
}

Deplacements CalculeDeplacement(const ListeBonus& bonus, const TypeRace& race, const QStringList& dons,
                                ArmurePortee armure)
{
    Deplacements d;
    const bool lourde = armure == ArmurePortee::Lourde;
    const int base = enCases(race.Deplacement);

    int terre = base;
    // Un ajout compte autant de fois qu'il est accordé (le moine le reçoit tous les trois niveaux).
    for (const EffetTerre& e : kEffetsTerre) {
        const qsizetype n = dons.count(QString::fromUtf8(e.nom));
        if (n == 0 || (e.perduDes && armure >= *e.perduDes))
            continue;
        terre = e.divise ? Int(terre / 2.0) : terre + int(n) * e.ajout;
    }
    if (!EstNain(race.RACE) && (armure == ArmurePortee::Intermediaire || lourde))
        terre = VitesseArmure(terre);
    d.Terre = Entier16(terre) + Entier16(bonusEnCases(bonus, QStringLiteral("Terre")));

    d.Air = enCases(race.Deplacement_Air);
    d.Manoeuvrabilite = race.Manoeuvrabilite;
    for (const EffetVol& e : kEffetsVol)
        if (dons.contains(QString::fromUtf8(e.nom))) {
            const int vol = Int(base * e.facteur);
            if (vol > d.Air) {
                d.Air = vol;
                d.Manoeuvrabilite = QString::fromUtf8(e.manoeuvrabilite);
            }
        }
    d.Air += bonusEnCases(bonus, QStringLiteral("Air"));

    int eau = enCases(race.Deplacement_Eau);
    if (dons.contains(QStringLiteral("Rejeton de l'eau")))
        eau *= 2;
    if (dons.contains(QStringLiteral("Maîtrise de terrain")) && dons.contains(QStringLiteral("Aquatique")))
        eau *= 2;
    if (dons.contains(QStringLiteral("Science de la nage")))
        eau = std::max(eau, Int(int(d.Terre) / 2.0));
    d.Eau = Entier16(eau) + Entier16(bonusEnCases(bonus, QStringLiteral("Eau")));

    // On court à quatre fois sa vitesse, trois fois en armure lourde ; le don Course ajoute un.
    d.MultipleCourse = (lourde ? 3 : 4) + (dons.contains(QStringLiteral("Course")) ? 1 : 0);
    return d;
}

QString TexteDeplacement(const Deplacements& d)
{
    QString texte = metres(d.Terre) + QStringLiteral("m(%1 cases)").arg(int(d.Terre));
    if (d.Air > 0)
        texte += QStringLiteral(", vol ") + metres(d.Air) + QStringLiteral("m(%1 cases)(%2)").arg(int(d.Air)).arg(d.Manoeuvrabilite);
    if (d.Eau > 0)
        texte += QStringLiteral(", nage ") + metres(d.Eau) + QStringLiteral("m(%1 cases)").arg(int(d.Eau));
    return texte;
}

#include "Race.h"
#include "shell/db/BaseDonnees.h"

#include <array>

QString& TypeRace::sousType(int k)
{
    std::array<QString*, 5> s{&SousType_1, &SousType_2, &SousType_3, &SousType_4, &SousType_5};
    return *s.at(k - 1);
}

const QString& TypeRace::sousType(int k) const
{
    return const_cast<TypeRace*>(this)->sousType(k);
}

bool TypeRace::aSousType(const QString& s) const
{
    for (int k = 1; k <= 5; ++k)
        if (sousType(k) == s)
            return true;
    return false;
}

bool TypeRace::ajouteSousType(const QString& s)
{
    for (int k = 1; k <= 5; ++k)
        if (sousType(k).isEmpty()) {
            sousType(k) = s;
            return true;
        }
    return false;
}

namespace {

const std::pair<const char*, QString TypeRace::*> kTextes[] = {
    {"Race", &TypeRace::RACE},
    {"Type", &TypeRace::Type},
    {"SousType_1", &TypeRace::SousType_1},
    {"SousType_2", &TypeRace::SousType_2},
    {"SousType_3", &TypeRace::SousType_3},
    {"SousType_4", &TypeRace::SousType_4},
    {"SousType_5", &TypeRace::SousType_5},
    {"Manoeuvrabilite", &TypeRace::Manoeuvrabilite},
    {"taille", &TypeRace::taille},
    {"Vision_texte", &TypeRace::Vision_texte},
    {"Rd_texte", &TypeRace::Rd_texte},
    {"JetsBons", &TypeRace::JetsBons},
    {"CaracAbsentes", &TypeRace::CaracAbsentes},
};

const std::pair<const char*, Entier16 TypeRace::*> kEntiers[] = {
    {"Allonge", &TypeRace::Allonge},
    {"For", &TypeRace::For},
    {"Dex", &TypeRace::Dex},
    {"Con", &TypeRace::Con},
    {"Int", &TypeRace::Int},
    {"Sag", &TypeRace::Sag},
    {"Cha", &TypeRace::Cha},
    {"Ca", &TypeRace::Ca},
    {"Reflexe", &TypeRace::Reflexe},
    {"Vigueur", &TypeRace::Vigueur},
    {"Volonte", &TypeRace::Volonte},
    {"AdjNiv", &TypeRace::AdjNiv},
    {"Competence", &TypeRace::Competence},
    {"Don", &TypeRace::Don},
    {"Deplacement", &TypeRace::Deplacement},
    {"Deplacement_Air", &TypeRace::Deplacement_Air},
    {"Deplacement_Eau", &TypeRace::Deplacement_Eau},
    {"Vision", &TypeRace::Vision},
    {"Resistance_degat", &TypeRace::Resistance_degat},
    {"Resistance_magie", &TypeRace::Resistance_magie},
    {"Progression_rm", &TypeRace::Progression_rm},
    {"Resistance_feu", &TypeRace::Resistance_feu},
    {"Resistance_froid", &TypeRace::Resistance_froid},
    {"Resistance_electricite", &TypeRace::Resistance_electricite},
    {"Resistance_acide", &TypeRace::Resistance_acide},
    {"Resistance_son", &TypeRace::Resistance_son},
};

} // namespace

void ChargeRace(BaseDonnees& programme, TypeRace& race, const QString& nom)
{
    race = TypeRace{};
    const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {nom});
    if (!l)
        return;
    for (const auto& [champ, membre] : kTextes)
        race.*membre = l.texte(QLatin1String(champ));
    for (const auto& [champ, membre] : kEntiers)
        race.*membre = Entier16(l.entier(QLatin1String(champ)));
    race.Quadripede = l.booleen(QStringLiteral("Quadripede"));
    race.FP = l.reel(QStringLiteral("FP"));
}

bool EstNain(const QString& race)
{
    static const QStringList nains{
        QStringLiteral("Nain polaire"), QStringLiteral("Nain d'or"), QStringLiteral("Nain"),
        QStringLiteral("Nain d'écu"), QStringLiteral("Nain des montagnes"), QStringLiteral("Nain des profondeurs"),
        QStringLiteral("Nain sauvage"), QStringLiteral("Duergar"), QStringLiteral("Urdunnir"),
        QStringLiteral("Nain korobokuru")};
    return nains.contains(race, Qt::CaseSensitive);
}

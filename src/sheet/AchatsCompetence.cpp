#include "AchatsCompetence.h"
#include "shell/Semantique.h"

#include <algorithm>
#include <cmath>

namespace {

int borne(double valeur)
{
    if (std::isnan(valeur))
        return 0;
    return int(std::clamp(valeur, -double(kAchatMaximum), double(kAchatMaximum)));
}

} // namespace

QVector<AchatCompetence> DecodeAchatsCompetence(const QString& chaine)
{
    QVector<AchatCompetence> achats;
    for (const QString& entree : chaine.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList nombres = entree.split(u'-').mid(0, 4);
        if (nombres.size() < 3)
            continue;
        achats.append({borne(Val(nombres.at(0))), borne(Val(nombres.at(1))), borne(Val(nombres.at(2)))});
    }
    return achats;
}

int RangsAchat(const AchatCompetence& achat, bool doubleCarac)
{
    return doubleCarac ? achat.points : achat.rangs;
}

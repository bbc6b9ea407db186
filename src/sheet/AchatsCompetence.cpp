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

// Un nombre de la chaîne : entier lu directement, sinon à la manière de Val (« 2.5 », « 1e11 »).
int nombre(QStringView texte)
{
    bool ok = false;
    const int n = texte.toInt(&ok);
    return ok ? std::clamp(n, -kAchatMaximum, kAchatMaximum) : borne(Val(texte.toString()));
}

} // namespace

QVector<AchatCompetence> DecodeAchatsCompetence(const QString& chaine)
{
    QVector<AchatCompetence> achats;
    for (const QStringView entree : QStringView(chaine).split(u'|', Qt::SkipEmptyParts)) {
        const QList<QStringView> nombres = entree.split(u'-');
        if (nombres.size() < 3)
            continue;
        achats.append({nombre(nombres.at(0)), nombre(nombres.at(1)), nombre(nombres.at(2))});
    }
    return achats;
}

int RangsAchat(const AchatCompetence& achat, bool doubleCarac)
{
    return doubleCarac ? achat.points : achat.rangs;
}

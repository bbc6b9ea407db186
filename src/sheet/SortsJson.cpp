#include "SortsJson.h"

#include <QJsonObject>

namespace {

QJsonArray parNiveau(const std::array<std::optional<int>, kNiveauxSort>& valeurs)
{
    QJsonArray a;
    for (const std::optional<int>& v : valeurs)
        a.append(v ? QJsonValue(*v) : QJsonValue());
    return a;
}

} // namespace

QJsonArray SortsEnJson(const QVector<SortsClasse>& sorts)
{
    QJsonArray classes;
    for (const SortsClasse& s : sorts) {
        QJsonArray dd, connus, prepares;
        for (int n = 0; n < kNiveauxSort; ++n)
            dd.append(s.parJour[n] ? QJsonValue(s.dd[n]) : QJsonValue());
        for (const SortConnu& c : s.connus)
            connus.append(QJsonObject{{QStringLiteral("nom"), c.nom}, {QStringLiteral("niveau"), c.niveau}});
        for (const EmplacementSort& e : s.prepares)
            prepares.append(QJsonObject{{QStringLiteral("emplacement"), e.emplacement},
                                        {QStringLiteral("nom"), e.nom},
                                        {QStringLiteral("niveau"), e.niveau},
                                        {QStringLiteral("metamagie"), e.metamagie}});
        classes.append(QJsonObject{{QStringLiteral("classe"), s.classe},
                                   {QStringLiteral("niveauLanceur"), s.niveauLanceur},
                                   {QStringLiteral("parJour"), parNiveau(s.parJour)},
                                   {QStringLiteral("totalParJour"), parNiveau(s.total)},
                                   {QStringLiteral("dd"), dd},
                                   {QStringLiteral("connus"), connus},
                                   {QStringLiteral("prepares"), prepares}});
    }
    return classes;
}

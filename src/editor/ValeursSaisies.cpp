#include "ValeursSaisies.h"

#include <QtMath>
#include <cmath>

namespace {

// Le séparateur décimal de l'utilisateur peut être la virgule comme le point.
double nombre(const QString& texte, bool* ok)
{
    QString t = texte.trimmed();
    t.replace(u',', u'.');
    return t.toDouble(ok);
}

} // namespace

bool estNumerique(const QString& texte)
{
    bool ok = false;
    nombre(texte, &ok);
    return ok;
}

std::optional<double> litNombre(const QString& texte)
{
    bool ok = false;
    const double v = nombre(texte, &ok);
    // "inf" et "nan" ne sont pas des sommes ni des quantités.
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

QVariant valeurNumerique(const QString& texte, bool entier)
{
    bool ok = false;
    const double v = nombre(texte, &ok);
    if (!ok)
        return QVariant();
    return entier ? QVariant(qRound64(v)) : QVariant(v);
}

QVariant valeurTexte(const QString& texte)
{
    return texte.isEmpty() ? QVariant() : QVariant(texte);
}

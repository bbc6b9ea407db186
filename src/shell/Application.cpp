#include "Application.h"

QString TitreFenetrePrincipale(const QString& cheminPerso)
{
    return QLatin1String(kTitrePrincipal) + QStringLiteral(" [") + cheminPerso + u']';
}

int VersionMajeure() { return QUORVANE_VERSION_MAJEURE; }
int VersionMineure() { return QUORVANE_VERSION_MINEURE; }
int Revision() { return QUORVANE_REVISION; }

QString AdresseMisesAJour(const QString& adresseSite)
{
    QString base = adresseSite;
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + QStringLiteral("/programme/test.php?version=") + QString::number(Revision());
}

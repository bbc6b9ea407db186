#include "Fiche.h"

QStringList Fiche::nomsDons() const
{
    QStringList noms;
    for (const LigneDon& d : Dons)
        noms.append(d.Nom);
    return noms;
}

#include "Fiche.h"

QStringList Fiche::nomsDons() const
{
    QStringList noms;
    for (const LigneDon& d : Dons)
        noms.append(d.Nom);
    return noms;
}

qint16 Fiche::modifConstitutionPermanente() const
{
    const CaracteristiqueFiche& con = Caracteristiques.at(2);
    if (ConstitutionTemporaire.valeur() == 0)
        return con.Modificateur.valeur();
    return BonusCarac(int(Val(con.Total)) - ConstitutionTemporaire.valeur());
}

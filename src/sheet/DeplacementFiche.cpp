#include "DeplacementFiche.h"
#include "Equipement.h"
#include "Fiche.h"

namespace {

// Armures de base par catégorie ; les versions magiques ou de maître portent le même nom en tête.
const std::pair<const char*, ArmurePortee> kArmures[] = {
    {"Armure matelassée", ArmurePortee::Legere},     {"Armure de cuir", ArmurePortee::Legere},
    {"Chemise de mailles", ArmurePortee::Legere},    {"Armure de peau", ArmurePortee::Intermediaire},
    {"Armure d'écailles", ArmurePortee::Intermediaire}, {"Cotte de mailles", ArmurePortee::Intermediaire},
    {"Cuirasse", ArmurePortee::Intermediaire},       {"Armure à bandes", ArmurePortee::Lourde},
    {"Armure de plates", ArmurePortee::Lourde},      {"Clibanion", ArmurePortee::Lourde},
    {"Harnois", ArmurePortee::Lourde},
};

} // namespace

ArmurePortee CategorieArmure(const TypeObjet& armure)
{
    for (const auto& [modele, categorie] : kArmures) {
        const QString m = QString::fromUtf8(modele);
        if (armure.NomObjet == m || armure.NomObjet.startsWith(m + u' '))
            return categorie;
    }
    if (armure.Type != u"Armure" || !armure.BonusDexMax)
        return ArmurePortee::Aucune;
    if (*armure.BonusDexMax <= 1)
        return ArmurePortee::Lourde;
    return *armure.BonusDexMax <= 3 ? ArmurePortee::Intermediaire : ArmurePortee::Legere;
}

ArmurePortee CategorieCharge(double poids, const ChargesTransportables& c)
{
    if (poids <= c.legere)
        return ArmurePortee::Aucune;
    return poids <= c.intermediaire ? ArmurePortee::Intermediaire : ArmurePortee::Lourde;
}

void DeplacementFiche(Fiche& f, const ListeCapacitesPerso& capacites)
{
    const auto& armure = f.Equip.Comptes[kPlaceArmure];
    const ArmurePortee gene = std::max(armure ? CategorieArmure(*armure) : ArmurePortee::Aucune,
                                       CategorieCharge(f.PoidsTransporte, f.Charges));
    QStringList noms = f.nomsDons();
    for (const LigneCapacite& c : capacites)
        noms.append(c.Nom);
    f.Deplacement = CalculeDeplacement(f.Bonus, f.Race, noms, gene);
}

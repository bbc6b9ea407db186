#include "ValeurPersonnage.h"
#include "Armes.h"
#include "DeplacementFiche.h"
#include "Fiche.h"
#include "shell/db/BaseDonnees.h"

namespace {

// Richesse d'un personnage joueur par niveau ; au niveau 1, l'or de départ tient lieu de richesse.
constexpr int kRichessePJ[20] = {0,      900,    2700,   5400,   9000,   13000,  19000,  27000,  36000,  49000,
                                 66000,  88000,  110000, 150000, 200000, 260000, 340000, 440000, 580000, 760000};
// Valeur de l'équipement d'un PNJ par niveau.
constexpr int kEquipementPNJ[20] = {900,   2000,  2500,  3300,   4300,   5600,   7200,   9400,   12000,  16000,
                                    21000, 27000, 35000, 45000,  59000,  77000,  100000, 130000, 170000, 220000};

int borne(int niveau)
{
    return qBound(1, niveau, 20) - 1;
}

QString nombre(double v)
{
    return QString::number(v, 'f', v == int(v) ? 0 : 1).replace(u'.', u',');
}

QString nomCharge(ArmurePortee c, double poids, const ChargesTransportables& charges)
{
    if (c == ArmurePortee::Aucune)
        return QStringLiteral("légère");
    if (c == ArmurePortee::Intermediaire)
        return QStringLiteral("intermédiaire");
    return poids <= charges.lourde ? QStringLiteral("lourde") : QStringLiteral("trop lourde");
}

// Armures, boucliers et armes sont faits à la taille du porteur : le catalogue donne leur poids à
// la taille moyenne, un halfelin porte une armure deux fois plus légère, un ogre deux fois plus lourde.
double facteurTaille(const QString& type, const QString& groupe, const QString& taille)
{
    if (type == u"Armure" || EstBouclier(type) || EstBouclier(groupe))
        return FacteurPoidsArmure(taille);
    if (EstArme(type) || EstArme(groupe) || EstMunition(type) || EstMunition(groupe))
        return FacteurPoidsArme(taille);
    return 1;
}

} // namespace

int ValeurEquipementPJ(int niveau) { return kRichessePJ[borne(niveau)]; }
int ValeurEquipementPNJ(int niveau) { return kEquipementPNJ[borne(niveau)]; }

QString PrixPNJ_PJ(int niveau)
{
    return QStringLiteral("%1 po\r\nPnj : %2 po").arg(ValeurEquipementPJ(niveau)).arg(ValeurEquipementPNJ(niveau));
}

void ValeurPersonnage(BaseDonnees& perso, BaseDonnees& programme, Fiche& f)
{
    f.PrixPNJ_PJ = PrixPNJ_PJ(int(f.Personnage.niv) + int(f.Race.AdjNiv));
    f.PoidsTransporte = f.ValeurTransportee = 0;
    const auto objets = perso.selectionne(
        QStringLiteral("select NomObjet,Multiple from Equipement where Personnage=? and SurPersonnage order by Pos"),
        {f.Nom});
    for (const Ligne& e : objets) {
        const Ligne o = programme.premiere(
            QStringLiteral("select PoidsBase,CoutTotal,Type,GroupeObjet from Objets where NomObjet=?"),
            {e.texte(QStringLiteral("NomObjet"))});
        if (!o)
            continue;
        // Une quantité vide compte pour un objet.
        const int quantite = qMax(1, int(e.entier(QStringLiteral("Multiple"))));
        f.PoidsTransporte += quantite * o.reel(QStringLiteral("PoidsBase"))
                             * facteurTaille(o.texte(QStringLiteral("Type")), o.texte(QStringLiteral("GroupeObjet")),
                                             f.Race.taille);
        f.ValeurTransportee += quantite * o.reel(QStringLiteral("CoutTotal"));
    }
    // Le poids des objets aux emplacements, montré avec l'équipement, suit la même règle.
    f.Equip.Poids = 0;
    for (const auto& o : f.Equip.Comptes)
        if (o)
            f.Equip.Poids += o->PoidsBase * facteurTaille(o->Type, o->GroupeObjet, f.Race.taille);
    // Les charges se lisent sur la Force totale et la taille, comme à l'étape de la charge.
    ChargesTransportables charges;
    ChargeTransportable(charges, f.Race.Quadripede, f.Race.taille, int(Val(f.Caracteristiques[0].Total)));
    f.Encombrement = nomCharge(CategorieCharge(f.PoidsTransporte, charges), f.PoidsTransporte, charges);
    f.ResumeEquipement = QStringLiteral("Poids porté : %1 kg ; valeur : %2 po ; charge %3")
                             .arg(nombre(f.PoidsTransporte), nombre(f.ValeurTransportee), f.Encombrement);
}

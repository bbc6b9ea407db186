#include "EquipementCA.h"
#include "DeplacementFiche.h"
#include "Armes.h"
#include "Equipement.h"
#include "Fiche.h"
#include "rules/Tailles.h"

namespace {

Entier16 composante(const Fiche& f, const char* cible)
{
    return SommeBonus(f.Bonus, QStringLiteral("Bonus Classe Armure"), QString::fromUtf8(cible)).nombre;
}

QString signe(int v)
{
    return v >= 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

// Moine sans armure ni bouclier et peu chargé : sa Sagesse (si elle est positive) et +1 par
// "Bonus à la CA de moine +1" ; il les garde au contact et pris au dépourvu.
Entier16 bonusCAMoine(const Fiche& f)
{
    const QString sagesseCA = QStringLiteral("Bonus à la CA sag");
    if (!f.nomsDons().contains(sagesseCA) && !f.ResumeCapacites.Drapeaux.contains(sagesseCA))
        return {};
    const auto& armure = f.Equip.Comptes[kPlaceArmure];
    if ((armure && CategorieArmure(*armure) != ArmurePortee::Aucune) || f.Equip.Comptes[kPlaceBouclier])
        return {};
    // Le poids porté est établi juste avant ; la charge, sur la Force du moment.
    ChargesTransportables charges;
    ChargeTransportable(charges, f.Race.Quadripede, f.Race.taille, int(Val(f.Caracteristiques.at(0).Total)));
    if (CategorieCharge(f.PoidsTransporte, charges) != ArmurePortee::Aucune)
        return {};
    const qint16 sagesse = f.Caracteristiques.at(4).Modificateur.valeur();
    return Entier16(qMax<qint16>(0, sagesse))
           + Entier16(int(f.nomsDons().count(QStringLiteral("Bonus à la CA de moine +1"))));
}

// Bonus de bouclier (base et altération) que donne un objet porté.
std::pair<Entier16, Entier16> bouclierDe(const Fiche& f, const TypeObjet& o)
{
    ListeBonus siens;
    for (const TypeBonus& b : f.Bonus)
        if (b.Source == o.NomObjet)
            siens.append(b);
    return {SommeBonus(siens, QStringLiteral("Bonus Classe Armure"), QStringLiteral("Bouclier")).nombre,
            SommeBonus(siens, QStringLiteral("Bonus Classe Armure"), QStringLiteral("Alteration Bouclier")).nombre};
}

// Dons de bouclier, lus après l'équipement. Un bouclier tenu en main d'arme sert à frapper et ne
// protège plus, sauf avec "Science du coup de bouclier". "Combat En Phalange" : un écu ou un pavois
// avec une arme légère donne +1 sans type, qui compte donc aussi au contact.
void donsDeBouclier(Fiche& f)
{
    const QStringList dons = f.nomsDons();
    const auto& comptes = f.Equip.Comptes;
    bool lourd = comptes[kPlaceBouclier] && (comptes[kPlaceBouclier]->Type == u"Ecu" || comptes[kPlaceBouclier]->Type == u"Pavois");
    bool legere = false, autre = false;
    for (int p : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
        const auto& o = comptes[p];
        if (!o)
            continue;
        if (EstBouclier(o->Type)) {
            lourd = lourd || o->Type == u"Ecu";
            if (!dons.contains(QStringLiteral("Science du coup de bouclier"))) {
                const auto [base, alteration] = bouclierDe(f, *o);
                f.CA.Bouclier -= base;
                f.CA.AlterationBouclier -= alteration;
            }
        } else if (o->taille == u"Petite") {
            legere = true;
        } else {
            autre = true;
        }
    }
    if (lourd && legere && !autre && dons.contains(QStringLiteral("Combat En Phalange")))
        f.CA.BouclierContact += Entier16(1);
}

} // namespace

void ComposantesClasseArmure(Fiche& f)
{
    RevalideBouclier(f);
    ComposantesCA& ca = f.CA;
    ca.Armure += composante(f, "Armure");
    ca.AlterationArmure += composante(f, "Alteration Armure");
    // L'armure naturelle de la race (taille et archétype compris) ; une créature intangible ne la compte pas.
    if (!f.Race.aSousType(QStringLiteral("Intangible")))
        ca.Naturelle += f.Race.Ca;
    ca.Naturelle += composante(f, "Naturelle");
    ca.AlterationNaturelle += composante(f, "Alteration Naturelle");
    ca.Parade = Maxi(ca.Parade, composante(f, "Parade"));
    ca.Esquive += composante(f, "Esquive");
    ca.ForceArmure += composante(f, "Force Armure");
    ca.ForceBouclier += composante(f, "Force Bouclier");
    ca.Chance = Maxi(ca.Chance, composante(f, "Chance"));
    ca.Intuition = Maxi(ca.Intuition, composante(f, "Intuition"));
    ca.Divers += composante(f, "CA Divers");
    ca.Bouclier += composante(f, "Bouclier");
    ca.AlterationBouclier += composante(f, "Alteration Bouclier");
    donsDeBouclier(f);
}

void DexteriteClasseArmure(Fiche& f)
{
    const qint16 dex = f.Caracteristiques.at(1).Modificateur.valeur();
    f.CA.Dexterite = Entier16(f.Equip.BonusDexMax ? qMin(dex, *f.Equip.BonusDexMax) : dex) + DefenseAstucieuse(f);
    f.CA.Divers += bonusCAMoine(f);
    // "Garde de la pierre" : un bonus d'armure égal au modificateur de Constitution, qui ne se
    // cumule pas avec celui de l'armure portée.
    if (f.nomsDons().contains(QStringLiteral("Garde de la pierre")))
        f.CA.Armure = Maxi(f.CA.Armure, Entier16(f.Caracteristiques.at(2).Modificateur.valeur()));
}

Entier16 DefenseAstucieuse(const Fiche& f)
{
    if (!f.nomsDons().contains(QStringLiteral("Défense astucieuse")) || !SansArmureNiBouclier(f))
        return {};
    bool armeDeMelee = false;
    for (int p : {kPlaceArmePrincipale, kPlaceArmeSecondaire})
        if (const auto& o = f.Equip.Comptes[p]) {
            const QString g = o->GroupeObjet.isEmpty() ? o->Type : o->GroupeObjet;
            armeDeMelee = armeDeMelee || (EstArme(g) && !EstArmeDistance(g));
        }
    const int intelligence = f.Caracteristiques.at(3).Modificateur.valeur();
    const int niveaux = NiveauDansClasse(f.Personnage, QStringLiteral("Duelliste"));
    return armeDeMelee ? Entier16(qMax(0, qMin(intelligence, niveaux))) : Entier16();
}

bool SansArmureNiBouclier(const Fiche& f)
{
    const auto& armure = f.Equip.Comptes[kPlaceArmure];
    return (!armure || CategorieArmure(*armure) == ArmurePortee::Aucune) && !f.Equip.Bouclier;
}

void CalculeClasseArmure(Fiche& f)
{
    const ComposantesCA& c = f.CA;
    const Entier16 taille(ModifTailleCA(f.Race.taille));
    const Entier16 armure = c.Armure + c.AlterationArmure;
    const Entier16 bouclier = c.Bouclier + c.AlterationBouclier + c.BouclierContact;
    const Entier16 naturelle = c.Naturelle + c.AlterationNaturelle;
    // Pris au dépourvu, on perd le bonus de Dextérité et l'esquive, mais un malus de Dextérité reste ;
    // l'esquive instinctive garde les deux.
    const bool instinctive = f.nomsDons().contains(QStringLiteral("Esquive instinctive"));
    const Entier16 dexDepourvu = instinctive ? c.Dexterite + c.Esquive : Entier16(qMin<qint16>(0, c.Dexterite.valeur()));
    const Entier16 commun = Entier16(10) + taille + c.Parade + c.Chance + c.Intuition + c.Divers;

    ClasseArmureFiche& ca = f.ClasseArmure;
    ca.Total = commun + c.Dexterite + c.Esquive + armure + bouclier + naturelle;
    ca.Depourvu = commun + dexDepourvu + armure + bouclier + naturelle;
    ca.Contact = commun + c.Dexterite + c.Esquive + c.BouclierContact;
    ca.DepourvuContact = commun + dexDepourvu + c.BouclierContact;
    ca.ContactIntangible = ca.Contact + c.ForceArmure + c.ForceBouclier;
    ca.DepourvuContactIntangible = ca.DepourvuContact + c.ForceArmure + c.ForceBouclier;

    const std::pair<const char*, int> parties[] = {
        {" Taille : ", taille.valeur()},      {" Armure : ", armure.valeur()},
        {" Bouclier : ", bouclier.valeur()},  {" Dextérité : ", c.Dexterite.valeur()},
        {" Naturelle : ", naturelle.valeur()}, {" Parade : ", c.Parade.valeur()},
        {" Esquive : ", c.Esquive.valeur()},  {" Chance : ", c.Chance.valeur()},
        {" Intuition : ", c.Intuition.valeur()}, {" Divers : ", c.Divers.valeur()}};
    ca.Explication = QStringLiteral("Base : 10 ");
    for (const auto& [libelle, valeur] : parties)
        ca.Explication += QString::fromUtf8(libelle) + signe(valeur);
}

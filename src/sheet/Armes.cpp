#include "Armes.h"
#include "Equipement.h"
#include "Fiche.h"

namespace {

QStringList liste(std::initializer_list<const char*> noms)
{
    QStringList l;
    for (const char* n : noms)
        l.append(QString::fromUtf8(n));
    return l;
}

const QStringList& armes()
{
    static const QStringList l = liste(
        {"Cimeterre", "Gantelet", "Masse d'armes lourde", "Serpe", "Epieu", "Morgenstern", "Bâton", "Lance", "Pique",
         "Arbalète légère", "Arbalète lourde", "Dards", "Javeline", "Hache de lancer", "Hachette", "Kukri",
         "Marteau léger", "Matraque", "Pic de guerre léger", "Fléau d'armeS léger", "Marteau de guerre",
         "Pic de guerre lourd", "Rapière", "Trident", "Masse d'armes légère", "Cimeterre à 2 mains", "Corsèque",
         "Coutille", "Faux", "Fléau d'armes lourd", "Grande hache", "Guisarme", "Hallebarde", "Lance d'arçon",
         "Massue", "Kama", "Nunchaku", "Sai", "Siamgham", "Epéé bâtarde", "Fouet", "Chaîne cloutée", "Double-lame",
         "Fléau double", "Hache double orque", "Marteau-piolet gnome", "Urgrosh nain", "Arbalète de poing", "Bolas",
         "Filet", "Epieu de jet", "Gourdin de jet", "Lance de jet", "Javeline de jet", "Marteau léger de jet",
         "Trident de jet", "Shuriken", "Dague", "Dagues de jet", "Epée à 2 mains", "Epée courte", "Epée longue",
         "Gourdin", "Hache d'armes", "Hache Double", "Hache de nain", "Rondache", "Ecu", "Arme", "Arc Long",
         "Arc Court", "Fronde", "Frêlelame elfe", "Finelame elfe", "Grand pic de guerre", "Maillet",
         "Masse de brèche", "Agripeur", "Bardiche", "Grand épieu", "Lajatang", "Marteau double", "Boomerang",
         "Grand arc", "Grande sarbacane", "Mains nues", "Attaque de sort à toucher distant", "Contact intangible",
         "Hoopak", "Hoopak de jet", "Rocher", "Sort au contact", "Rayon", "Serre", "Corne", "Morsure", "Tentacule",
         "Sabot", "Coup", "Defence", "Dard", "Mandibule", "Pince", "Branche", "Antenne", "Patte", "Bec", "Griffe",
         "Ergot", "Pattes arrière", "Aille", "Piquant", "Queue", "Coupe-vif gnome", "Marteau de lancer",
         "Capte épée gnome", "Grand marteau goliath", "Lance double naine", "Décharge fantastique",
         "Pertuisane naine"});
    return l;
}

const QStringList& armesDistance()
{
    static const QStringList l = liste(
        {"Arc Long", "Arc Court", "Dagues de jet", "Fronde", "Epieu de jet", "Gourdin de jet", "Lance de jet",
         "Grand arc", "Attaque de sort à toucher distant", "Shuriken", "Filet", "Javeline de jet", "Hache de lancer",
         "Marteau léger de jet", "Trident de jet", "Bolas", "Arbalète lourde", "Arbalète de poing", "Dard",
         "Arbalète légère", "Boomerang", "Hoopak de jet", "Rocher", "Marteau de lancer", "Décharge fantastique",
         "Rayon"});
    return l;
}

const QStringList& finesse()
{
    static const QStringList l = liste({"Finelame elfe", "Rapière", "Fouet", "Chaîne cloutée"});
    return l;
}

QString groupe(const TypeObjet& o)
{
    return o.GroupeObjet.isEmpty() ? o.Type : o.GroupeObjet;
}

qint16 modif(const Fiche& f, int carac)
{
    return f.Caracteristiques.at(carac).Modificateur.valeur();
}

QString signe(int v)
{
    return v >= 0 ? QStringLiteral("+%1").arg(v) : QString::number(v);
}

// Le don est-il pris pour cette arme (son groupe ou son nom, sans égard à la casse) ?
bool donSurArme(const Fiche& f, const QString& don, const TypeObjet& arme)
{
    for (const QString& s : SpecialitesDon(f, don))
        if (s.toUpper() == groupe(arme).toUpper() || s.toUpper() == arme.NomObjet.toUpper())
            return true;
    return false;
}

// Un cran d'élargissement de la zone de critique, par sa plus petite valeur.
int elargie(int bas)
{
    switch (bas) {
    case 20: return 19;
    case 19: return 17;
    case 18: return 15;
    default: return bas;
    }
}

} // namespace

bool EstArme(const QString& nom) { return armes().contains(nom); }
bool EstArmeDistance(const QString& nom) { return armesDistance().contains(nom); }
bool EstArc(const QString& nom)
{
    static const QStringList l = liste({"Arc Long", "Arc Court", "Grand arc", "Arbalète lourde", "Arbalète de poing",
                                        "Arbalète légère"});
    return l.contains(nom);
}
bool EstMunition(const QString& nom)
{
    static const QStringList l = liste({"Flèches", "Carreaux", "Billes"});
    return l.contains(nom);
}
bool EstArmeMoine(const QString& nom)
{
    static const QStringList l = liste({"Mains nues", "Bâton", "Kama", "Nunchaku", "Sai", "Shuriken", "Siamgham"});
    return l.contains(nom);
}
bool EstBouclier(const QString& nom)
{
    static const QStringList l = liste({"Targe", "Rondache", "Ecu", "Pavois"});
    return l.contains(nom);
}
bool EstArmeJet(const QString& nom) { return EstArmeDistance(nom) && !EstArc(nom); }

QStringList SpecialitesDon(const Fiche& f, const QString& don)
{
    QStringList s;
    for (const LigneDon& d : f.Dons)
        if (d.Nom == don)
            s.append(ChoixEntreCrochets(d.Affiche));
    return s;
}

Critique CalculeCritique(const Fiche& f, const TypeObjet& arme)
{
    Critique c;
    int bas = arme.ZoneCritique.isEmpty() ? 20 : int(Val(arme.ZoneCritique));
    if (arme.ProprietesSpeciales.contains(QStringLiteral("Affutage"))
        || arme.ProprietesSpeciales.contains(QStringLiteral("Barbelure"))) {
        bas = elargie(bas);
    } else if (donSurArme(f, QStringLiteral("Science du critique"), arme)) {
        bas = elargie(bas);
        c.note = QStringLiteral("Science du critique ");
    }
    c.zone = bas >= 20 ? QStringLiteral("20") : QStringLiteral("%1-20").arg(bas);
    c.multiplicateur = QString::number(arme.MultCrit > 0 ? arme.MultCrit : 2);
    return c;
}

double FacteurPortee(const Fiche& f, const TypeObjet& arme)
{
    if (!f.nomsDons().contains(QStringLiteral("Tir de loin")))
        return arme.Portee;
    if (EstArc(groupe(arme)))
        return arme.Portee * 1.5;
    return EstArmeJet(groupe(arme)) ? arme.Portee * 2 : arme.Portee;
}

LigneAttaque CalculeLigneArme(const Fiche& f, const TypeObjet& arme, int penalite, bool secondaire)
{
    LigneAttaque a;
    a.Nom = arme.NomObjet;
    const QString g = groupe(arme);
    const QStringList dons = f.nomsDons();
    a.Distance = EstArmeDistance(g);
    const bool jet = EstArmeJet(g);
    const int force = modif(f, 0), dex = modif(f, 1);

    // Caractéristique de l'attaque : Force au contact, Dextérité à distance, finesse si elle paie.
    int carac = a.Distance ? dex : force;
    a.Caracteristique = a.Distance ? QStringLiteral("Dextérité") : QStringLiteral("Force");
    const bool legere = arme.taille == u"Petite" || finesse().contains(g) || AttaquesNaturelles().contains(g);
    if (!a.Distance && legere && dons.contains(QStringLiteral("Attaque en finesse")) && dex > force) {
        carac = dex;
        a.Caracteristique = QStringLiteral("Dextérité");
    }
    if (jet && (dons.contains(QStringLiteral("Lanceur de haches")) || dons.contains(QStringLiteral("Lancer brutal")))) {
        carac = force;
        a.Caracteristique = QStringLiteral("Force");
    }

    int bonus = carac + ModifTailleCA(f.Taille) + f.BonusAttaqueToutesArmes.valeur() + penalite
                + SommeBonus(f.Bonus, QStringLiteral("Bonus Attaque"), arme.NomObjet).nombre.valeur();
    if (donSurArme(f, QStringLiteral("Arme de prédilection"), arme))
        bonus += 1;
    if (donSurArme(f, QStringLiteral("Arme de prédilection épique"), arme))
        bonus += 2;
    if (donSurArme(f, QStringLiteral("Arme de prédilection supérieure"), arme))
        bonus += 1;
    if (EstArc(g))
        bonus += SommeBonus(f.Bonus, QStringLiteral("Bonus d'archerie (Aptitude)"), QStringLiteral("Bonus Attaque"))
                     .nombre.valeur();
    const int nombre = secondaire ? 1 : qMax(1, int(f.NombreAttaques));
    for (int i = 0; i < nombre; ++i)
        a.Attaques.append(f.AttaqueDeBase.valeur() - 5 * i + bonus);

    // Dégâts : Force au contact et au jet (moitié pour la main secondaire, une fois et demie
    // à deux mains) ; un arc subit un malus de Force, un arc composite en reçoit le bonus borné.
    int degatsForce = 0;
    if (!a.Distance || jet) {
        degatsForce = force;
        if (force > 0 && secondaire)
            degatsForce = force / 2;
        else if (force > 0 && !a.Distance && arme.taille == u"Grande")
            degatsForce = force * 3 / 2;
    } else if (g.startsWith(QStringLiteral("Arc")) || g == u"Grand arc") {
        degatsForce = force < 0 ? force : qMin(force, int(arme.PuissanceArc));
    }
    const SommeDeBonus degats = SommeBonus(f.Bonus, QStringLiteral("Bonus Dommage"), arme.NomObjet);
    a.BonusDegats = degatsForce + degats.nombre.valeur();
    a.DesSupplementaires = degats.des;
    if (donSurArme(f, QStringLiteral("Spécialisation martiale"), arme))
        a.BonusDegats += 2;
    if (donSurArme(f, QStringLiteral("Spécialisation martiale supérieure"), arme))
        a.BonusDegats += 2;
    if (EstArc(g))
        a.BonusDegats += SommeBonus(f.Bonus, QStringLiteral("Bonus d'archerie (Aptitude)"), QStringLiteral("Bonus Dommage"))
                             .nombre.valeur();
    a.Des = DegatsTaille(g, arme.DegatDes, f.Taille, f.Race.RACE, dons);
    if (a.Des.isEmpty())
        a.Des = arme.DegatDes;
    a.Crit = CalculeCritique(f, arme);

    QStringList bonusTextes;
    for (int b : a.Attaques)
        bonusTextes.append(signe(b));
    const QString ouverture = a.Distance ? QStringLiteral(" Jet(") : QStringLiteral("Mélée(");
    const QString fin = QStringLiteral(") Dégâts(") + a.Des + signe(a.BonusDegats)
                        + (a.DesSupplementaires.isEmpty() ? QString() : u' ' + a.DesSupplementaires)
                        + QStringLiteral(") ") + a.Crit.texte();
    a.Ligne = ouverture + bonusTextes.join(u'/') + fin;
    a.LigneSimple = ouverture + bonusTextes.first() + fin;
    return a;
}

void LignesAttaque(Fiche& f)
{
    f.Armes.clear();
    const auto& principale = f.Equip.Comptes[kPlaceArmePrincipale];
    const auto& secondaire = f.Equip.Comptes[kPlaceArmeSecondaire];
    const auto estArme = [](const std::optional<TypeObjet>& o) { return o && !EstBouclier(groupe(*o)); };
    const bool deuxArmes = estArme(principale) && estArme(secondaire);
    for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
        const auto& o = f.Equip.Comptes[place];
        if (!estArme(o))
            continue;
        const bool main2 = place == kPlaceArmeSecondaire;
        int penalite = 0;
        if (deuxArmes) {
            int p1 = -6, p2 = -10;
            PenalitesDeuxArmes(f, p1, p2, *o);
            // Une arme légère en main secondaire allège les deux pénalités de 2.
            const TypeObjet& s = *secondaire;
            if (s.taille == u"Petite"
                || (groupe(s) == u"Cimeterre" && f.nomsDons().contains(QStringLiteral("Lames tranchantes")))) {
                p1 = qMin(0, p1 + 2);
                p2 = qMin(0, p2 + 2);
            }
            penalite = main2 ? p2 : p1;
        }
        const LigneAttaque a = CalculeLigneArme(f, *o, penalite, main2);
        // Attaque simple : l'arme seule, sans les pénalités du combat à deux armes.
        f.Armes.append({a.Nom, a.Ligne, CalculeLigneArme(f, *o).LigneSimple});
        for (LigneEquipement& l : f.Equipement)
            if (l.Nom == a.Nom && l.Divers.isEmpty()) {
                l.Divers = a.Ligne;
                break;
            }
    }
}

void PenalitesDeuxArmes(const Fiche& f, int& principale, int& secondaire, const TypeObjet& arme)
{
    const QStringList dons = f.nomsDons();
    for (const LigneDon& d : f.Dons) {
        if (d.Nom == u"Combat à deux armes" || d.Nom == u"Combat à plusieurs armes") {
            principale += 2;
            secondaire += 6;
            if (f.Race.RACE == u"Marilith")
                principale = secondaire = 0;
        } else if (d.Nom == u"Tir à l'arc symétrique") {
            if (groupe(arme) == u"Arc Long")
                principale = secondaire = -2;
        } else if (d.Nom == u"Dissociation du combat à deux armes") {
            principale = secondaire = 0;
        } else if (d.Nom == u"Ambidextrie") {
            principale += 1;
            secondaire += 1;
        } else if (d.Nom == u"Combat à deux armes exotiques jumelles"
                   && ChoixEntreCrochets(d.Affiche).toUpper() == groupe(arme).toUpper()) {
            if (dons.contains(QStringLiteral("Combat à deux armes"))) {
                principale += 1;
                secondaire += 1;
            } else {
                principale += 2;
                secondaire += 6;
            }
        }
    }
}

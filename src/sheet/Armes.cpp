#include "Armes.h"
#include "AttaquesNaturelles.h"
#include "DeplacementFiche.h"
#include "Equipement.h"
#include "Fiche.h"
#include "shell/TextesCalcul.h"

namespace {

QStringList liste(std::initializer_list<const char*> noms)
{
    QStringList l;
    for (const char* n : noms)
        l.append(Litteral(n));
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

QStringList specialites(const QVector<LigneDon>& dons, const QString& don)
{
    QStringList s;
    for (const LigneDon& d : dons)
        if (d.Nom == don)
            s.append(ChoixEntreCrochets(d.Affiche));
    return s;
}

// Le don est-il pris pour cette arme ? Pris pour une arme, il vaut pour ses versions de maître et
// magiques : on compare au groupe (sans égard aux accents : « Epée longue » pour « Épée longue »), au nom,
// ou au nom suivi de l'altération.
bool donSurArme(const Fiche& f, const QString& don, const TypeObjet& arme)
{
    for (const QString& s : specialites(f.Dons, don)) {
        if (QString::compare(s, arme.NomObjet, Qt::CaseInsensitive) == 0 || SansAccents(s) == SansAccents(groupe(arme)))
            return true;
        if (arme.NomObjet.startsWith(s + u' ', Qt::CaseInsensitive)) {
            const QStringView reste = QStringView(arme.NomObjet).mid(s.size() + 1);
            if (reste.startsWith(u'+') || reste.startsWith(u"de maître", Qt::CaseInsensitive))
                return true;
        }
    }
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

bool estSort(const QString& g)
{
    return g == u"Sort au contact" || g == u"Attaque de sort à toucher distant" || g == u"Rayon";
}

// Dons qui touchent l'attaque ou les dégâts d'une ligne, et l'arme sur laquelle ils jouent.
// "Prouesse épique" est déjà dans le bonus à toutes les armes de la fiche.
enum class Condition { Choisie, ChoisieJet, Noms, Toute, Distance, Melee, Jet, Naturelle };
struct DonLigne
{
    const char* don;
    Condition condition;
    const char* noms;   // armes, séparées par "|"
    int attaque;
    int degats;
};
const DonLigne kDonsLigne[] = {
    {"Arme de prédilection", Condition::Choisie, "", 1, 0},
    {"Arme de prédilection épique", Condition::Choisie, "", 2, 0},
    {"Prédilection pour les haches", Condition::Noms,
     "Hache de lancer|Hachette|Urgrosh nain|Hache d'armes|Hache de nain|Pertuisane naine|Grande hache", 1, 0},
    {"Jet de rochers", Condition::Noms, "Rocher", 1, 1},
    {"Grande poigne", Condition::Choisie, "", -2, 0},
    {"Science du lancer de rochers", Condition::Noms, "Rocher", 1, 0},
    {"Bagarreur", Condition::Noms, "Mains nues", 1, 0},
    {"Arme de prédilection supérieure", Condition::Choisie, "", 1, 0},
    {"Tremblotant", Condition::Distance, "", -2, 0},
    {"Bonus halfelin fronde", Condition::Jet, "", 1, 0},
    {"Brutal", Condition::Melee, "", -1, 1},
    {"Allonge inhumaine", Condition::Melee, "", -1, 0},
    {"Secret du combat", Condition::Toute, "", 1, 0},
    {"Inapte au combat", Condition::Melee, "", -2, 0},
    // À 9 m ou moins : la fiche montre le tir rapproché, le plus courant.
    {"Tir à bout portant", Condition::Distance, "", 1, 1},
    {"Spécialisation martiale", Condition::Choisie, "", 0, 2},
    {"Maîtrise du lancer", Condition::ChoisieJet, "", 0, 2},
    {"Spécialisation martiale supérieure", Condition::Choisie, "", 0, 2},
    {"Griffes du grizzly", Condition::Naturelle, "", 0, 3},
    {"Mage de bataille", Condition::Noms, "Sort au contact|Attaque de sort à toucher distant|Rayon", 0, 1},
    {"Un avec le marteau", Condition::Noms, "Marteau de guerre", 0, 1},
    {"Marque férale", Condition::Naturelle, "", 0, 1},
    {"Marque férale supplémentaire", Condition::Naturelle, "", 0, 1},
    {"Griffes affilées", Condition::Noms, "Griffe", 0, 1},
    {"Longues dents", Condition::Noms, "Morsure", 0, 1},
    {"Spécialisation magique à distance", Condition::Noms, "Attaque de sort à toucher distant|Rayon", 0, 2},
    {"Spécialisation magique de contact", Condition::Noms, "Sort au contact", 0, 2},
};

bool conditionRemplie(const Fiche& f, const DonLigne& d, const TypeObjet& arme, bool distance)
{
    const QString g = groupe(arme);
    switch (d.condition) {
    case Condition::Choisie: return donSurArme(f, Litteral(d.don), arme);
    case Condition::ChoisieJet: return EstArmeJet(g) && donSurArme(f, Litteral(d.don), arme);
    case Condition::Noms: return Litteral(d.noms).split(u'|').contains(g);
    case Condition::Toute: return true;
    case Condition::Distance: return distance;
    case Condition::Melee: return !distance;
    case Condition::Jet: return EstArmeJet(g);
    case Condition::Naturelle: return AttaquesNaturelles().contains(g);
    }
    return false;
}

// Arme de finesse : légère, de la liste, naturelle, à mains nues ; un cimeterre avec "Lames tranchantes".
bool armeDeFinesse(const TypeObjet& arme, const QStringList& dons)
{
    const QString g = groupe(arme);
    return arme.taille == u"Petite" || finesse().contains(g) || AttaquesNaturelles().contains(g) || g == u"Mains nues"
           || (g == u"Cimeterre" && dons.contains(QStringLiteral("Lames tranchantes")));
}

// Malus d'armure du bouclier porté : il frappe l'attaque en finesse.
int malusBouclier(const Fiche& f)
{
    const auto& b = f.Equip.Comptes[kPlaceBouclier];
    return b ? qAbs(int(b->PenaliteArmure)) : 0;
}

// Caractéristique de l'attaque : Force au contact, Dextérité à distance, puis les dons et cas qui la changent.
int caracAttaque(const Fiche& f, const TypeObjet& arme, bool distance, const QStringList& dons, QString& nom)
{
    const QString g = groupe(arme);
    const int force = modif(f, 0), dex = modif(f, 1), sag = modif(f, 4);
    const QString nomForce = QStringLiteral("Force"), nomDex = QStringLiteral("Dextérité"), nomSag = QStringLiteral("Sagesse");
    int carac = distance ? dex : force;
    nom = distance ? nomDex : nomForce;
    const auto prend = [&](int valeur, const QString& n) { carac = valeur; nom = n; };
    if (distance && dons.contains(QStringLiteral("Tir instinctif")) && sag > dex)
        prend(sag, nomSag);
    if (!distance && dons.contains(QStringLiteral("Attaque en finesse")) && armeDeFinesse(arme, dons)
        && dex - malusBouclier(f) > force)
        prend(dex - malusBouclier(f), nomDex);
    if (g == u"Contact intangible" && dex > force)
        prend(dex, nomDex);
    if (!distance && dons.contains(QStringLiteral("Attaque intuitive")) && sag > carac)
        prend(sag, nomSag);
    if (EstArmeJet(g) && (dons.contains(QStringLiteral("Lanceur de haches")) || dons.contains(QStringLiteral("Lancer brutal"))))
        prend(force, nomForce);
    if (f.Race.aSousType(QStringLiteral("Intangible")))
        prend(dex, nomDex);
    return carac;
}

// Part de la Force aux dégâts : pleine, moitié en main secondaire, une fois et demie à deux mains ;
// un arc subit un malus de Force, un arc composite en reçoit le bonus borné ; un sort n'en a pas.
int forceAuxDegats(const Fiche& f, const TypeObjet& arme, bool distance, const OptionsLigne& o)
{
    const QString g = groupe(arme);
    const int force = modif(f, 0);
    if (o.facteurForce >= 0)
        return force > 0 || o.facteurForce == 0 ? int(force * o.facteurForce) : force;
    if (estSort(g))
        return 0;
    if (!distance || EstArmeJet(g)) {
        if (force > 0 && o.secondaire)
            return force / 2;
        if (force > 0 && !distance && arme.taille == u"Grande")
            return force * 3 / 2;
        return force;
    }
    if (g.startsWith(QStringLiteral("Arc")) || g == u"Grand arc")
        return force < 0 ? force : qMin(force, int(arme.PuissanceArc));
    return 0;
}

// Cas nommés qui ajoutent un texte aux dégâts : caractéristique ajoutée, feu de race ou de capacité.
QStringList degatsNommes(const Fiche& f, const TypeObjet& arme, bool distance, const QStringList& dons)
{
    const QString g = groupe(arme);
    QStringList textes;
    if (dons.contains(QStringLiteral("Frappe instinctive")) && !distance && armeDeFinesse(arme, dons)
        && arme.taille != u"Grande" && arme.taille != u"Moyenne")
        textes.append(u'+' + QString::number(modif(f, 4)) + QStringLiteral(" Instinctif "));
    static const QStringList elegantes = liste({"Cimeterre", "Rapière", "Epée longue", "Finelame elfe", "Frêlelame elfe"});
    if (dons.contains(QStringLiteral("Elegant strike")) && !distance && elegantes.contains(g))
        textes.append(u'+' + QString::number(modif(f, 1)) + QStringLiteral(" Elégant "));
    if (estSort(g))
        return textes;
    if (f.Race.RACE == u"Azer" || dons.contains(QStringLiteral("Chaleur")))
        textes.append(QStringLiteral("+1(Feu) "));
    if (f.Race.RACE == u"Salamandre noble")
        textes.append(QStringLiteral("+1d8(Feu) "));
    if (g == u"Coup" && dons.contains(QStringLiteral("Départ de feu")))
        textes.append(QStringLiteral("(Feu) "));
    if (g == u"Coup" && f.Race.RACE == u"Monolithe élémentaire du feu")
        textes.append(QStringLiteral("+4d6(Feu) "));
    return textes;
}

// "Arme de maîtrise" : attaque tirée du niveau du personnage et nombre d'attaques par tranches.
void armeDeMaitrise(int niveau, int& attaque, int& nombre)
{
    attaque = 3 * qMin(niveau, 20) / 4 + (niveau > 20 ? Int((niveau - 20) / 2.0 + 0.5) : 0);
    nombre = niveau >= 15 ? 3 : niveau >= 8 ? 2 : 1;
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
    return specialites(f.Dons, don);
}

Critique CalculeCritique(const Fiche& f, const TypeObjet& arme)
{
    Critique c;
    const QString g = groupe(arme);
    int bas = arme.ZoneCritique.isEmpty() ? 20 : int(Val(arme.ZoneCritique));
    if (arme.ProprietesSpeciales.contains(QStringLiteral("Affutage"))
        || arme.ProprietesSpeciales.contains(QStringLiteral("Barbelure"))) {
        bas = elargie(bas);
    } else if (donSurArme(f, QStringLiteral("Science du critique"), arme)) {
        bas = elargie(bas);
        c.note = QStringLiteral("Science du critique ");
    } else if (EstArmeDistance(g) && f.nomsDons().contains(QStringLiteral("Tir mortel"))
               && donSurArme(f, QStringLiteral("Arme de prédilection"), arme)) {
        bas = elargie(bas);
        c.note = QStringLiteral("Tir mortel ");
    }
    // Les sorts n'ont ni affûtage ni science du critique : chaque don de magie affilée élargit.
    if (estSort(g))
        for (const char* don : {"Magie affilée", "Magie affilée supérieure"})
            if (f.nomsDons().contains(Litteral(don)))
                bas = elargie(bas);
    c.zone = bas >= 20 ? QStringLiteral("20") : QStringLiteral("%1-20").arg(bas);
    c.multiplicateur = QString::number(arme.MultCrit > 0 ? arme.MultCrit : 2);
    return c;
}

double FacteurPortee(const Fiche& f, const TypeObjet& arme)
{
    const QStringList dons = f.nomsDons();
    const QString g = groupe(arme);
    double portee = arme.Portee;
    // Portée minimale que donnent les dons de lancer.
    if (EstArmeJet(g)) {
        if (dons.contains(QStringLiteral("Arme de lancer exotique")))
            portee = qMax(portee, 6.0);
        if (dons.contains(QStringLiteral("Art du lancer")))
            portee = qMax(portee, 9.0);
    }
    if (!dons.contains(QStringLiteral("Tir de loin")))
        return portee;
    if (EstArc(g))
        return portee * 1.5;
    return EstArmeJet(g) ? portee * 2 : portee;
}

QList<int> Iteratives(int nombre)
{
    QList<int> d;
    for (int i = 0; i < qMax(1, nombre); ++i)
        d.append(-5 * i);
    return d;
}

QString LigneAttaque::bonusTexte() const
{
    QStringList t;
    for (int b : Attaques)
        t.append(signe(b));
    return t.join(u'/');
}

QString LigneAttaque::degats() const
{
    // Sans dés chiffrés (un sort), un bonus nul ne s'écrit pas.
    const bool desChiffres = !Des.isEmpty() && Des.at(0).isDigit();
    return Des + (desChiffres || BonusDegats != 0 ? signe(BonusDegats) : QString())
           + (DesSupplementaires.isEmpty() ? QString() : u' ' + DesSupplementaires);
}

QString LigneAttaque::degatsTexte() const
{
    return degats() + u' ' + Crit.texte();
}

LigneAttaque CalculeLigneArme(const Fiche& f, const TypeObjet& arme, int penalite, bool secondaire)
{
    OptionsLigne o;
    o.penalite = penalite;
    o.secondaire = secondaire;
    return CalculeLigneArme(f, arme, o);
}

LigneAttaque CalculeLigneArme(const Fiche& f, const TypeObjet& arme, const OptionsLigne& o)
{
    LigneAttaque a;
    a.Nom = (arme.NomObjet.isEmpty() ? groupe(arme) : arme.NomObjet) + o.libelle;
    const QString g = groupe(arme);
    const QStringList dons = f.nomsDons();
    a.Distance = EstArmeDistance(g);
    const bool naturelle = AttaquesNaturelles().contains(g) || g == u"Mains nues";

    const int carac = caracAttaque(f, arme, a.Distance, dons, a.Caracteristique);
    int bonus = carac + ModifTailleCA(f.Taille) + f.BonusAttaqueToutesArmes.valeur() + o.penalite
                + SommeBonus(f.Bonus, QStringLiteral("Bonus Attaque"), arme.NomObjet).nombre.valeur();
    int degats = forceAuxDegats(f, arme, a.Distance, o);
    for (const DonLigne& d : kDonsLigne)
        if (dons.contains(Litteral(d.don)) && conditionRemplie(f, d, arme, a.Distance)) {
            bonus += d.attaque;
            degats += d.degats;
            a.Explication += u' ' + Litteral(d.don);
        }
    // Altérations et aptitudes portées par d'autres objets : bracelets d'archerie, amulette des poings.
    const auto apporte = [&](const char* genre, bool vrai) {
        if (!vrai)
            return;
        bonus += SommeBonus(f.Bonus, Litteral(genre), QStringLiteral("Bonus Attaque")).nombre.valeur();
        degats += SommeBonus(f.Bonus, Litteral(genre), QStringLiteral("Bonus Dommage")).nombre.valeur();
    };
    apporte("Bonus d'archerie (Aptitude)", EstArc(g));
    apporte("Bonus arme naturelle (altération)", naturelle);
    apporte("Bonus jet d'attaque (Aptitude)", !estSort(g));

    int base = f.AttaqueDeBase.valeur();
    QList<int> decalages = o.decalages;
    if (donSurArme(f, QStringLiteral("Arme de maîtrise"), arme)) {
        int nombre = 1;
        armeDeMaitrise(f.Personnage.niv.valeur(), base, nombre);
        a.Explication += QStringLiteral(" Arme de maîtrise");
        if (decalages.isEmpty() && !o.secondaire)
            decalages = Iteratives(nombre);
    }
    if (decalages.isEmpty())
        decalages = o.secondaire ? QList<int>{0} : Iteratives(f.NombreAttaques.valeur());
    for (int d : decalages)
        a.Attaques.append(base + d + bonus);

    const SommeDeBonus surArme = SommeBonus(f.Bonus, QStringLiteral("Bonus Dommage"), arme.NomObjet);
    a.BonusDegats = degats + surArme.nombre.valeur();
    QStringList supplements;
    for (const SommeDeBonus& s : {surArme, SommeBonus(f.Bonus, QStringLiteral("Bonus dommage spécial"), arme.NomObjet),
                                  SommeBonus(f.Bonus, QStringLiteral("Bonus dommage spécial"), QStringLiteral("Toutes armes"))})
        if (s.contientDes())
            supplements.append(s.des);
    for (const QString& t : degatsNommes(f, arme, a.Distance, dons))
        supplements.append(t.trimmed());
    a.DesSupplementaires = supplements.join(u' ');
    a.Des = DegatsTaille(g, arme.DegatDes, f.Taille, f.Race.RACE, dons);
    if (a.Des.isEmpty())
        a.Des = arme.DegatDes;
    a.Crit = CalculeCritique(f, arme);

    const QString ouverture = !o.ouverture.isEmpty()                    ? o.ouverture
                              : estSort(g) || g == u"Contact intangible" ? QStringLiteral("Contact(")
                              : a.Distance                             ? QStringLiteral(" Jet(")
                                                                       : QStringLiteral("Mélée(");
    QString degatsLigne = a.degats();
    if (o.projectiles > 1)
        degatsLigne = QStringLiteral("%1x(").arg(o.projectiles) + degatsLigne + u')';
    const QString fin = QStringLiteral(") Dégâts(") + degatsLigne + QStringLiteral(") ") + a.Crit.texte();
    a.Ligne = ouverture + a.bonusTexte() + fin;
    a.LigneSimple = ouverture + signe(a.Attaques.first()) + fin;
    return a;
}

void AjouteLigneArme(Fiche& f, const LigneAttaque& a, const QString& simple, double portee)
{
    if (f.Armes.isEmpty()) {
        f.NomArme = a.Nom;
        f.AttaqueMelee = a.bonusTexte();
        f.Degat = a.degatsTexte();
        f.Portee = portee > 0 ? QString::number(portee).replace(u'.', u',') + QStringLiteral(" m") : QString();
    }
    f.Armes.append({a.Nom, a.Ligne, simple});
}

namespace {

bool tenue(const std::optional<TypeObjet>& o)
{
    return o && !EstBouclier(groupe(*o));
}

// Style de combat du rôdeur : les dons du style choisi, un par palier ("Style de combat",
// "Science du style de combat", "Maîtrise du style de combat").
const char* const kPaliersStyle[] = {"Style de combat", "Science du style de combat", "Maîtrise du style de combat"};
const char* const kStyleDeuxArmes[] = {"Combat à deux armes", "Science du combat à deux armes", "Combat à deux armes supérieur"};
const char* const kStyleArc[] = {"Tir rapide", "Feu nourri", "Science du tir de précision"};

// "Attaque en puissance" prise sur la page des capacités : son niveau (sinon sa valeur), borné
// par l'attaque de base, passe de l'attaque aux dégâts des armes de contact ; le double à deux mains.
void attaqueEnPuissance(Fiche& f, const ListeCapacitesPerso& capacites)
{
    for (const LigneCapacite& c : capacites) {
        if (c.Nom != u"Attaque en puissance")
            continue;
        const int n = qBound(0, int(Val(c.Niveau.isEmpty() ? c.Valeur : c.Niveau)), int(f.AttaqueDeBase));
        if (n == 0)
            return;
        for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
            const auto& o = f.Equip.Comptes[place];
            if (!tenue(o) || EstArmeDistance(groupe(*o)))
                continue;
            const QString type = QStringLiteral("Attaque en puissance");
            AjouteBonus(f.Bonus, c.Nom, QStringLiteral("Bonus Attaque"), o->NomObjet, type, QString::number(-n));
            AjouteBonus(f.Bonus, c.Nom, QStringLiteral("Bonus Dommage"), o->NomObjet, type,
                        QString::number(o->taille == u"Grande" ? 2 * n : n));
        }
        return;
    }
}

// Coups saints et impies : des dés d'énergie sur toutes les armes.
void coupsSaints(Fiche& f, const QStringList& noms)
{
    static const struct { const char* nom; const char* type; const char* des; } coups[] = {
        {"Coup Saint", "Sainte", "+2d6"},
        {"Coup martial saint", "Sainte", "+1d6"},
        {"Contact sacré", "Sainte", "+1d6"},
        {"Coup impie", "Impie", "+2d6"},
    };
    for (const auto& c : coups)
        if (noms.contains(Litteral(c.nom)))
            AjouteBonus(f.Bonus, Litteral(c.nom), QStringLiteral("Bonus dommage spécial"),
                        QStringLiteral("Toutes armes"), Litteral(c.type), Litteral(c.des));
}

// Lanceurs de sorts, et le niveau de classe à partir duquel ils lancent.
bool lanceDesSorts(const TypePersonnage& p)
{
    static const std::pair<const char*, int> lanceurs[] = {{"Magicien", 1}, {"Ensorceleur", 1}, {"Prêtre", 1},
                                                           {"Druide", 1},   {"Barde", 2},       {"Adepte", 1},
                                                           {"Paladin", 4},  {"Rôdeur", 4}};
    for (const auto& [classe, niveau] : lanceurs)
        if (NiveauDansClasse(p, Litteral(classe)) >= niveau)
            return true;
    return false;
}

TypeObjet attaqueDeSort(const char* nom)
{
    TypeObjet o;
    o.NomObjet = o.GroupeObjet = Litteral(nom);
    o.DegatDes = QStringLiteral("selon le sort");
    return o;
}

QStringList nomsDe(const QVector<LigneDon>& dons)
{
    QStringList n;
    for (const LigneDon& d : dons)
        n.append(d.Nom);
    return n;
}

} // namespace

QVector<LigneDon> DonsDeCombat(const Fiche& f)
{
    QVector<LigneDon> dons = f.Dons;
    const auto& armure = f.Equip.Comptes[kPlaceArmure];
    if (NiveauDansClasse(f.Personnage, QStringLiteral("Rôdeur")) == 0
        || (armure && CategorieArmure(*armure) > ArmurePortee::Legere))
        return dons;
    const auto& p = f.Equip.Comptes[kPlaceArmePrincipale];
    const bool deuxArmes = tenue(p) && tenue(f.Equip.Comptes[kPlaceArmeSecondaire]);
    const bool arc = tenue(p) && EstArc(groupe(*p));
    for (int palier = 0; palier < 3; ++palier)
        for (const LigneDon& d : f.Dons) {
            if (d.Nom != Litteral(kPaliersStyle[palier]))
                continue;
            const QString choix = ChoixEntreCrochets(d.Affiche);
            const bool styleDeuxArmes = choix.isEmpty() ? deuxArmes : choix == u"Combat à deux armes";
            const bool styleArc = choix.isEmpty() ? arc : choix == u"Tir à l'arc";
            LigneDon ajout;
            ajout.Nom = Litteral(styleDeuxArmes ? kStyleDeuxArmes[palier] : kStyleArc[palier]);
            ajout.Affiche = ajout.Nom;
            ajout.Origine = d.Origine;
            if (styleDeuxArmes || styleArc)
                dons.append(ajout);
            break;
        }
    return dons;
}

int AttaquesEnPlus(const Fiche& f, const ListeCapacitesPerso& capacites)
{
    QStringList noms = f.nomsDons();
    for (const LigneCapacite& c : capacites)
        noms.append(c.Nom);
    return (noms.contains(QStringLiteral("Rapidité")) ? 1 : 0) + (noms.contains(QStringLiteral("Frénésie")) ? 1 : 0);
}

void LignesAttaque(Fiche& f, const ListeCapacitesPerso& capacites)
{
    f.Armes.clear();
    f.NomArme = f.AttaqueMelee = f.Degat = f.Portee = QString();
    QStringList noms = f.nomsDons();
    for (const LigneCapacite& c : capacites)
        noms.append(c.Nom);
    attaqueEnPuissance(f, capacites);
    coupsSaints(f, noms);

    const QVector<LigneDon> combat = DonsDeCombat(f);
    const QStringList donsCombat = nomsDe(combat);
    const int enPlus = AttaquesEnPlus(f, capacites);
    const auto& principale = f.Equip.Comptes[kPlaceArmePrincipale];
    const auto& secondaire = f.Equip.Comptes[kPlaceArmeSecondaire];
    const bool deuxArmes = tenue(principale) && tenue(secondaire);
    for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire}) {
        const auto& o = f.Equip.Comptes[place];
        if (!tenue(o))
            continue;
        const bool main2 = place == kPlaceArmeSecondaire;
        const QString g = groupe(*o);
        OptionsLigne options;
        options.secondaire = main2;
        if (deuxArmes) {
            int p1 = -6, p2 = -10;
            PenalitesDeuxArmes(combat, f.Race.RACE, p1, p2, *o);
            // Une arme légère en main secondaire allège les deux pénalités de 2 ; avec "Arme secondaire
            // disproportionnée", une arme à une main y compte comme légère.
            const TypeObjet& s = *secondaire;
            const QStringList dons = f.nomsDons();
            if (s.taille == u"Petite" || (groupe(s) == u"Cimeterre" && dons.contains(QStringLiteral("Lames tranchantes")))
                || (s.taille == u"Moyenne" && dons.contains(QStringLiteral("Arme secondaire disproportionnée")))) {
                p1 = qMin(0, p1 + 2);
                p2 = qMin(0, p2 + 2);
            }
            options.penalite = main2 ? p2 : p1;
            // Main secondaire : une attaque, une de plus par don de combat à deux armes.
            if (main2) {
                options.decalages = {0};
                if (donsCombat.contains(QStringLiteral("Combat à deux armes parfait")))
                    options.decalages = Iteratives(f.NombreAttaques.valeur());
                else
                    for (const char* don : {"Science du combat à deux armes", "Combat à deux armes supérieur"})
                        if (donsCombat.contains(Litteral(don)))
                            options.decalages.append(options.decalages.last() - 5);
            }
        }
        if (!main2 && enPlus > 0)
            options.decalages = QList<int>(enPlus, 0) + Iteratives(f.NombreAttaques.valeur());
        const LigneAttaque a = CalculeLigneArme(f, *o, options);
        // Attaque simple : l'arme seule, sans les pénalités du combat à deux armes.
        const LigneAttaque seule = CalculeLigneArme(f, *o);
        AjouteLigneArme(f, a, seule.LigneSimple, FacteurPortee(f, *o));
        for (LigneEquipement& l : f.Equipement)
            if (l.Nom == a.Nom && l.Divers.isEmpty()) {
                l.Divers = a.Ligne;
                break;
            }
        if (deuxArmes && !main2) {
            OptionsLigne o1;
            o1.libelle = QStringLiteral(" 'seule'");
            o1.decalages = options.decalages;
            AjouteLigneArme(f, CalculeLigneArme(f, *o, o1), seule.LigneSimple);
        }
        // Déluge de coups avec une arme de moine tenue seule.
        const int moine = NiveauDansClasse(f.Personnage, QStringLiteral("Moine"));
        if (moine > 0 && !deuxArmes && EstArmeMoine(g) && f.nomsDons().contains(QStringLiteral("Déluge de coups"))) {
            OptionsLigne deluge;
            deluge.libelle = QStringLiteral(" 'Déluge'");
            deluge.penalite = PenaliteDeluge(moine);
            deluge.decalages = QList<int>(1 + (moine >= 11 ? 1 : 0) + enPlus, 0) + Iteratives(f.NombreAttaques.valeur());
            AjouteLigneArme(f, CalculeLigneArme(f, *o, deluge), seule.LigneSimple);
        }
        if (main2 || !EstArmeDistance(g))
            continue;
        // Tir rapide : une attaque de plus, -2 à toutes (rien avec la science du tir rapide).
        if (donsCombat.contains(QStringLiteral("Tir rapide"))) {
            OptionsLigne tir;
            tir.libelle = QStringLiteral(" 'Tir rapide'");
            tir.penalite = donsCombat.contains(QStringLiteral("Science du tir rapide")) ? 0 : -2;
            tir.decalages = QList<int>(1 + enPlus, 0) + Iteratives(f.NombreAttaques.valeur());
            AjouteLigneArme(f, CalculeLigneArme(f, *o, tir), seule.LigneSimple);
        }
        // Feu nourri : deux flèches d'un seul jet à -4.
        if (EstArc(g) && donsCombat.contains(QStringLiteral("Feu nourri"))) {
            OptionsLigne feu;
            feu.libelle = QStringLiteral(" 'Feu nourri'");
            feu.penalite = -4;
            feu.decalages = {0};
            feu.projectiles = 2;
            AjouteLigneArme(f, CalculeLigneArme(f, *o, feu), seule.LigneSimple);
        }
    }

    // Sorts de contact et rayons : une attaque, sans dégâts d'arme.
    if (lanceDesSorts(f.Personnage))
        for (const char* sort : {"Sort au contact", "Rayon"}) {
            OptionsLigne o;
            o.decalages = {0};
            const LigneAttaque a = CalculeLigneArme(f, attaqueDeSort(sort), o);
            AjouteLigneArme(f, a, a.LigneSimple);
        }
}

void PenalitesDeuxArmes(const Fiche& f, int& principale, int& secondaire, const TypeObjet& arme)
{
    PenalitesDeuxArmes(f.Dons, f.Race.RACE, principale, secondaire, arme);
}

void PenalitesDeuxArmes(const QVector<LigneDon>& liste, const QString& race, int& principale, int& secondaire,
                        const TypeObjet& arme)
{
    const QStringList dons = nomsDe(liste);
    for (const LigneDon& d : liste) {
        if (d.Nom == u"Combat à deux armes" || d.Nom == u"Combat à plusieurs armes") {
            principale += 2;
            secondaire += 6;
            if (race == u"Marilith")
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

#include "Archetypes.h"
#include "Personnage.h"
#include "Race.h"
#include "Tailles.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <limits>

const QStringList& TypesCreature()
{
    static const QStringList types{
        QStringLiteral("Aberration"), QStringLiteral("Animal"), QStringLiteral("Créature artificielle"),
        QStringLiteral("Créature magique"), QStringLiteral("Dragon"), QStringLiteral("Elémentaire"),
        QStringLiteral("Extérieur"), QStringLiteral("Fée"), QStringLiteral("Géant"), QStringLiteral("Humanoïde"),
        QStringLiteral("Humanoïde monstrueux"), QStringLiteral("Mort-vivant"), QStringLiteral("Plante"),
        QStringLiteral("Vase"), QStringLiteral("Vermine")};
    return types;
}

const QStringList& ArchetypesMortVivant()
{
    static const QStringList archetypes{QStringLiteral("Squelette"), QStringLiteral("Zombi"), QStringLiteral("Vampire"),
                                        QStringLiteral("Pleureuse spectrale"), QStringLiteral("Liche"),
                                        QStringLiteral("Fantôme"), QStringLiteral("Revenant")};
    return archetypes;
}

const QStringList& CouleursDragon()
{
    static const QStringList couleurs{QStringLiteral("blanc"), QStringLiteral("bleu"), QStringLiteral("vert"),
                                      QStringLiteral("noir"), QStringLiteral("rouge"), QStringLiteral("airain"),
                                      QStringLiteral("argent"), QStringLiteral("bronze"), QStringLiteral("cuivre"),
                                      QStringLiteral("or")};
    return couleurs;
}

const QStringList& AgesDragon()
{
    static const QStringList ages{QStringLiteral("grand dracosire"), QStringLiteral("dracosire"),
                                  QStringLiteral("vénérable"), QStringLiteral("très vieux"), QStringLiteral("vieux"),
                                  QStringLiteral("âge mûr"), QStringLiteral("jeune adulte"), QStringLiteral("adulte"),
                                  QStringLiteral("adolescent"), QStringLiteral("très jeune"), QStringLiteral("jeune"),
                                  QStringLiteral("dragonnet")};
    return ages;
}

namespace {

const std::pair<const char*, Entier16 TypeArchetype::*> kEntiersArchetype[] = {
    {"For", &TypeArchetype::For},
    {"Dex", &TypeArchetype::Dex},
    {"Con", &TypeArchetype::Con},
    {"Int", &TypeArchetype::Int},
    {"Sag", &TypeArchetype::Sag},
    {"Cha", &TypeArchetype::Cha},
    {"Ca", &TypeArchetype::Ca},
    {"Reflexe", &TypeArchetype::Reflexe},
    {"Vigueur", &TypeArchetype::Vigueur},
    {"Volonte", &TypeArchetype::Volonte},
    {"AdjNiv", &TypeArchetype::AdjNiv},
    {"Competence", &TypeArchetype::Competence},
    {"Don", &TypeArchetype::Don},
    {"Deplacement", &TypeArchetype::Deplacement},
    {"Deplacement_Air", &TypeArchetype::Deplacement_Air},
    {"Deplacement_Eau", &TypeArchetype::Deplacement_Eau},
    {"Vision", &TypeArchetype::Vision},
    {"Resistance_degat", &TypeArchetype::Resistance_degat},
    {"Resistance_magie", &TypeArchetype::Resistance_magie},
    {"Progression_rm", &TypeArchetype::Progression_rm},
    {"Resistance_feu", &TypeArchetype::Resistance_feu},
    {"Resistance_froid", &TypeArchetype::Resistance_froid},
    {"Resistance_electricite", &TypeArchetype::Resistance_electricite},
    {"Resistance_acide", &TypeArchetype::Resistance_acide},
    {"Resistance_son", &TypeArchetype::Resistance_son},
};

const std::pair<const char*, QString TypeArchetype::*> kTextesArchetype[] = {
    {"Archetype", &TypeArchetype::Archetype},
    {"Manoeuvrabilite", &TypeArchetype::Manoeuvrabilite},
    {"taille", &TypeArchetype::taille},
    {"Vision_texte", &TypeArchetype::Vision_texte},
    {"Rd_texte", &TypeArchetype::Rd_texte},
};

// Effet d'un changement de taille d'un cran vers le haut (Force, Dextérité, Constitution,
// armure naturelle), depuis chaque catégorie ; un cran vers le bas défait le même effet.
struct PasDeTaille
{
    int force, dexterite, constitution, armure;
};
constexpr PasDeTaille kPasVersLeHaut[] = {
    {0, -2, 0, 0},   // Infime -> Minuscule
    {2, -2, 0, 0},   // Minuscule -> Très petite
    {4, -2, 0, 0},   // Très petite -> Petite
    {4, -2, 2, 0},   // Petite -> Moyenne
    {8, -2, 4, 2},   // Moyenne -> Grande
    {8, -2, 4, 3},   // Grande -> Très grande
    {8, 0, 4, 4},    // Très grande -> Gigantesque
    {8, 0, 4, 5},    // Gigantesque -> Colossale
    {0, 0, 0, 0},    // Colossale -> Colossale+
};

// Type que donne un archétype, et les sous-types qu'il ajoute. Un archétype qui change le type
// ajoute "Augmenté", sauf les morts-vivants sans esprit qui perdent leur nature première.
struct ChangementType
{
    const char* archetype;
    const char* type;       // "" : le type ne change pas
    const char* sousType;   // "" : aucun
    const char* sousType2;
};
const ChangementType kArchetypes[] = {
    {"Demi-minautore", "Humanoïde monstrueux", "Augmenté", ""},
    {"Squelette", "Mort-vivant", "", ""},
    {"Mort-vivant", "Mort-vivant", "Augmenté", ""},
    {"Zombi", "Mort-vivant", "", ""},
    {"Arachnoïde", "Aberration", "Augmenté", ""},
    {"Revenant", "Mort-vivant", "Augmenté", ""},
    {"Reflet", "", "Extraplanaire", ""},
    {"Altéré", "Aberration", "Augmenté", ""},
    {"Aberration", "Aberration", "Augmenté", ""},
    {"Déplorable", "Mort-vivant", "Augmenté", ""},
    {"Vampire", "Mort-vivant", "Augmenté", ""},
    {"Fantôme", "Mort-vivant", "Augmenté", "Intangible"},
    {"Liche", "Mort-vivant", "Augmenté", ""},
    {"Intangible", "", "Intangible", ""},
    {"Pleureuse spectrale", "Mort-vivant", "Augmenté", "Intangible"},
    {"Créature draconique", "Dragon", "Augmenté", ""},
    {"Saint", "Extérieur", "Augmenté", "Bien"},
    {"Mal", "Extérieur", "Augmenté", "Mal"},
    {"Animal", "Animal", "", ""},
    {"Créature magique", "Créature magique", "Augmenté", ""},
    {"Vermine", "Vermine", "", ""},
    {"Extraplanaire", "", "Extraplanaire", ""},
    {"Fiélon", "", "Extraplanaire", ""},
    {"Céleste", "", "Extraplanaire", ""},
    {"Demi-fée", "Fée", "Augmenté", ""},
    {"Demi-dragon", "Dragon", "Augmenté", ""},
    {"Demi-céleste", "Extérieur", "Augmenté", "Natif"},
    {"Demi-fiélon", "Extérieur", "Augmenté", "Natif"},
    {"Dragon", "Dragon", "", ""},
};

void changeType(TypeRace& race, const QString& type, const QString& sousType)
{
    if (!type.isEmpty())
        race.Type = type;
    if (!sousType.isEmpty() && !race.aSousType(sousType))
        race.ajouteSousType(sousType);
}

void appliqueTypeArchetype(TypeRace& race, const QString& archetype)
{
    for (const ChangementType& c : kArchetypes)
        if (archetype == QString::fromUtf8(c.archetype)) {
            // Les animaux et la vermine des plans extérieurs deviennent des créatures magiques.
            const bool planaire = archetype == u"Fiélon" || archetype == u"Céleste";
            if (planaire && (race.Type == u"Animal" || race.Type == u"Vermine"))
                changeType(race, QStringLiteral("Créature magique"), QStringLiteral("Augmenté"));
            changeType(race, QString::fromUtf8(c.type), QString::fromUtf8(c.sousType));
            changeType(race, {}, QString::fromUtf8(c.sousType2));
            return;
        }
}

// Les modificateurs de l'archétype s'ajoutent à ceux de la race ; vitesses, vision et
// résistances gardent la plus forte des deux ; une taille ou un texte de l'archétype remplacent.
void ajouteModificateurs(const TypeArchetype& a, TypeRace& race)
{
    race.For += a.For;
    race.Dex += a.Dex;
    race.Con += a.Con;
    race.Int += a.Int;
    race.Sag += a.Sag;
    race.Cha += a.Cha;
    race.Ca += a.Ca;
    race.Reflexe += a.Reflexe;
    race.Vigueur += a.Vigueur;
    race.Volonte += a.Volonte;
    race.AdjNiv += a.AdjNiv;
    race.Competence += a.Competence;
    race.Don += a.Don;
    const auto plusFort = [](Entier16& r, Entier16 v) { r = Maxi(r, v); };
    plusFort(race.Deplacement, a.Deplacement);
    plusFort(race.Deplacement_Air, a.Deplacement_Air);
    plusFort(race.Deplacement_Eau, a.Deplacement_Eau);
    plusFort(race.Vision, a.Vision);
    plusFort(race.Resistance_degat, a.Resistance_degat);
    plusFort(race.Resistance_magie, a.Resistance_magie);
    plusFort(race.Progression_rm, a.Progression_rm);
    plusFort(race.Resistance_feu, a.Resistance_feu);
    plusFort(race.Resistance_froid, a.Resistance_froid);
    plusFort(race.Resistance_electricite, a.Resistance_electricite);
    plusFort(race.Resistance_acide, a.Resistance_acide);
    plusFort(race.Resistance_son, a.Resistance_son);
    if (!a.Manoeuvrabilite.isEmpty() && a.Deplacement_Air >= race.Deplacement_Air)
        race.Manoeuvrabilite = a.Manoeuvrabilite;
    if (!a.Vision_texte.isEmpty())
        race.Vision_texte = race.Vision_texte.isEmpty() ? a.Vision_texte : race.Vision_texte + QStringLiteral(", ") + a.Vision_texte;
    if (!a.Rd_texte.isEmpty())
        race.Rd_texte = a.Rd_texte;
    if (!a.taille.isEmpty())
        ChangeTailleRace(race, a.taille);
}

void transformationAnimale(BaseDonnees& programme, TypeRace& race, const QString& animal)
{
    const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {animal});
    if (!l)
        return;
    race.Deplacement = Entier16(l.entier(QStringLiteral("Deplacement")));
    race.Deplacement_Air = Entier16(l.entier(QStringLiteral("Deplacement_Air")));
    race.Deplacement_Eau = Entier16(l.entier(QStringLiteral("Deplacement_Eau")));
    race.Manoeuvrabilite = l.texte(QStringLiteral("Manoeuvrabilite"));
    race.Quadripede = l.booleen(QStringLiteral("Quadripede"));
    race.Ca = Entier16(l.entier(QStringLiteral("Ca")));
    race.taille = l.texte(QStringLiteral("taille"));
    race.Allonge = Entier16(l.entier(QStringLiteral("Allonge")));
}

// Sans mesures saisies, la fiche montre celles d'un jet moyen de la race (deux dés à n faces :
// n + 1) ; les mesures suivent ensuite la taille prise depuis la taille naturelle de la race.
Mensurations mensurations(BaseDonnees& programme, const TypeRace& race, const TypePersonnage& p)
{
    Mensurations m{p.taille, p.poids};
    const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {race.RACE});
    if (!l)
        return m;
    if (m.taille == 0 && m.poids == 0) {
        const DimensionsRace d = DimensionsDeRace(l);
        const int jetTaille = d.tailleDes > 0 ? d.tailleDes + 1 : 0;
        const int jetPoids = d.poidsDes == 1000 ? 1 : d.poidsDes > 0 ? d.poidsDes + 1 : 0;
        m = MensurationsRace(d, p.Sexe, jetTaille, jetPoids);
    }
    return MensurationsPourTaille(m, l.texte(QStringLiteral("taille")), race.taille);
}

} // namespace

void ChargeArchetype(BaseDonnees& programme, TypeArchetype& archetype, const QString& nom)
{
    archetype = TypeArchetype{};
    if (nom.isEmpty())
        return;
    const Ligne l = programme.cherche(QStringLiteral("Archetype"), QStringLiteral("PrimaryKey"), {nom});
    if (!l)
        return;
    for (const auto& [champ, membre] : kTextesArchetype)
        archetype.*membre = l.texte(QLatin1String(champ));
    for (const auto& [champ, membre] : kEntiersArchetype)
        archetype.*membre = Entier16(l.entier(QLatin1String(champ)));
}

bool EstTypeCreature(const QString& nom)
{
    return TypesCreature().contains(nom, Qt::CaseSensitive);
}

bool EstArchetypeMortVivant(const QString& nom)
{
    return ArchetypesMortVivant().contains(nom, Qt::CaseSensitive);
}

int DeDeVieArchetype(int deClasse, const QString& classe, const QString& archetype)
{
    if (EstArchetypeMortVivant(archetype))
        return 12;
    if (!EstTypeCreature(classe))
        return deClasse;
    if (archetype.compare(QStringLiteral("Demi-dragon"), Qt::CaseInsensitive) == 0)
        return qMin(deClasse + 2, 12);
    if (archetype.compare(QStringLiteral("Demi-fée"), Qt::CaseInsensitive) == 0)
        return 6;
    return deClasse;
}

qint16 NiveauxRaciaux(const TypePersonnage& p)
{
    Entier16 niveaux;
    for (int k = 1; k <= 8; ++k)
        if (EstTypeCreature(p.classe(k)))
            niveaux += p.niveau(k);
    return niveaux.valeur();
}

void ChangeTailleRace(TypeRace& race, const QString& nouvelle)
{
    const int depart = int(Tailles().indexOf(race.taille));
    const int arrivee = int(Tailles().indexOf(nouvelle));
    if (arrivee < 0)
        return;
    // Une race sans taille connue prend la nouvelle sans autre changement.
    if (depart >= 0) {
        for (int i = depart; i < arrivee; ++i) {
            race.For += kPasVersLeHaut[i].force;
            race.Dex += kPasVersLeHaut[i].dexterite;
            race.Con += kPasVersLeHaut[i].constitution;
            race.Ca += kPasVersLeHaut[i].armure;
        }
        for (int i = depart; i > arrivee; --i) {
            race.For -= kPasVersLeHaut[i - 1].force;
            race.Dex -= kPasVersLeHaut[i - 1].dexterite;
            race.Con -= kPasVersLeHaut[i - 1].constitution;
            race.Ca -= kPasVersLeHaut[i - 1].armure;
        }
    }
    race.taille = nouvelle;
}

Mensurations AppliqueArchetype(BaseDonnees& programme, ListeBonus& bonus, const TypeArchetype& archetype,
                               TypeRace& race, const TypePersonnage& p, const QStringList& dons,
                               const ListeCapacitesPerso& capacites)
{
    if (!archetype.Archetype.isEmpty()) {
        ajouteModificateurs(archetype, race);
        appliqueTypeArchetype(race, archetype.Archetype);
    }

    // Capacités qui changent la forme ou la nature, dans l'ordre de la liste.
    for (const LigneCapacite& c : capacites) {
        if (!AppartientA(c, p.Nom))
            continue;
        if (c.Nom == u"Changement de taille") {
            ChangeTailleRace(race, c.Valeur.trimmed());
        } else if (c.Nom == u"Esprit incarné" || c.Nom == u"Perfection élémentaire") {
            changeType(race, QStringLiteral("Elémentaire"), c.Valeur.trimmed());
        } else if (c.Nom == u"Perfection de l’être" || c.Nom == u"Union mystique") {
            changeType(race, QStringLiteral("Extérieur"), QStringLiteral("Natif"));
        } else if (c.Nom == u"Transformation animale") {
            transformationAnimale(programme, race, ChoixEntreCrochets(c.Libelle));
        } else if (c.Nom == u"Forme animale exaltée") {
            TypeArchetype celeste;
            ChargeArchetype(programme, celeste, QStringLiteral("Céleste"));
            if (!celeste.Archetype.isEmpty())
                ajouteModificateurs(celeste, race);
            appliqueTypeArchetype(race, QStringLiteral("Céleste"));
        } else if (c.Nom == u"Agrandissement" || c.Nom == u"Rapetissement") {
            // Le sort change la taille d'un cran : +2 en Force et -2 en Dextérité, ou l'inverse.
            const int sens = c.Nom == u"Agrandissement" ? 1 : -1;
            const QString voisine = TailleVoisine(race.taille, sens);
            if (!voisine.isEmpty() && voisine != race.taille) {
                race.taille = voisine;
                AjouteBonus(bonus, c.Nom, QStringLiteral("Bonus Caracteristique"), QStringLiteral("Force"),
                            QStringLiteral("Taille"), QString::number(2 * sens));
                AjouteBonus(bonus, c.Nom, QStringLiteral("Bonus Caracteristique"), QStringLiteral("Dextérité"),
                            QStringLiteral("Taille"), QString::number(-2 * sens));
            }
        }
    }
    // Un don d'archétype se comporte comme l'archétype du même nom.
    for (const QString& don : dons)
        if (don == u"Demi-dragon" || don == u"Demi-céleste" || don == u"Demi-fiélon")
            appliqueTypeArchetype(race, don);

    // Les bonus de taille de la liste déplacent la catégorie d'autant de crans.
    const int crans = SommeBonus(bonus, QStringLiteral("Bonus taille"), QString()).nombre;
    if (crans != 0 && !race.taille.isEmpty())
        race.taille = TailleVoisine(race.taille, crans);

    return mensurations(programme, race, p);
}

DimensionsRace DimensionsDeRace(const Ligne& l)
{
    DimensionsRace d;
    d.tailleHomme = l.entier(QStringLiteral("taillehomme"));
    d.tailleFemme = l.entier(QStringLiteral("taillefemme"));
    d.tailleDes = l.entier(QStringLiteral("tailledes"));
    d.poidsHomme = l.entier(QStringLiteral("poidshomme"));
    d.poidsFemme = l.entier(QStringLiteral("poidsfemme"));
    d.poidsDes = l.entier(QStringLiteral("poidsdes"));
    return d;
}

Mensurations MensurationsRace(const DimensionsRace& d, const QString& sexe, int jetTaille, int jetPoids)
{
    const bool femme = sexe.contains(u'f', Qt::CaseInsensitive);
    const int pouces = (femme ? d.tailleFemme : d.tailleHomme) + jetTaille;
    const int livres = (femme ? d.poidsFemme : d.poidsHomme) + jetTaille * jetPoids;
    return {Int(2.54 * pouces), Int(0.45359237 * livres)};
}

Mensurations MensurationsPourTaille(const Mensurations& m, const QString& depuis, const QString& vers)
{
    const int de = int(Tailles().indexOf(depuis));
    const int a = int(Tailles().indexOf(vers));
    if (de < 0 || a < 0 || de == a)
        return m;
    const double echelle = std::pow(2.0, a - de);
    // Le poids suit le volume : le cube de l'échelle des tailles.
    const double taille = m.taille * echelle;
    const double poids = m.poids * echelle * echelle * echelle;
    const auto borne = [](double v) { return qint32(std::min<double>(Int(v), std::numeric_limits<qint32>::max())); };
    return {borne(taille), borne(poids)};
}

QString EstimeFP(BaseDonnees& perso, BaseDonnees& programme, const TypeRace& race, const TypePersonnage& p,
                 const QString& archetype)
{
    // Achat de points des valeurs de départ ; sans ligne de niveau, ce terme ne compte pas.
    const Ligne premiere = perso.premiere(
        QStringLiteral("select for,dex,con,int,sag,cha,niv from PersonnageProgression where nom=? order by niv"), {p.Nom});
    int points = 0;
    if (premiere)
        for (const char* c : {"for", "dex", "con", "int", "sag", "cha"})
            points += CoutCarac(premiere.entier(QLatin1String(c)));
    const auto termePoints = [&](int base) { return premiere ? Int((points - base) / 10.0) : 0; };

    const Ligne ligneRace = programme.premiere(QStringLiteral("select Niveau,type from race where race=?"), {p.RACE});
    const int desRaciaux = ligneRace ? ligneRace.entier(QStringLiteral("Niveau")) : 0;
    const QString type = ligneRace ? ligneRace.texte(QStringLiteral("type")) : QString();

    double fp = race.FP;
    if (archetype == u"Zombi" || archetype == u"Squelette") {
        fp += termePoints(10);
    } else {
        fp += int(p.niv) - int(p.Niv_1);
        if (!type.isEmpty() && type == p.Classe_1) {
            // Monstre amélioré : un FP de plus par tranche de dés de vie selon son type.
            if (p.Niv_1 > desRaciaux) {
                static const QStringList parDeux{QStringLiteral("Dragon"), QStringLiteral("Extérieur")};
                static const QStringList parTrois{QStringLiteral("Animal"), QStringLiteral("Créature magique"),
                                                  QStringLiteral("Humanoïde monstrueux")};
                const int d = parDeux.contains(type) ? 2 : parTrois.contains(type) ? 3 : 4;
                fp += Int((int(p.Niv_1) - desRaciaux) / double(d));
            }
            fp += termePoints(p.Niv_2 != 0 ? 20 : 10);
        } else {
            fp += p.Niv_1;
            fp += termePoints(20);
            if (p.RACE.contains(QStringLiteral("garou"))) {
                const int h = NiveauxRaciaux(p);
                fp -= h;
                fp += h >= 1 && h <= 2 ? 2 : h >= 3 && h <= 5 ? 3 : h >= 6 && h <= 10 ? 4 : h >= 11 && h <= 20 ? 5 : 6;
            }
        }
    }
    if (fp <= 0)
        return QStringLiteral("0");
    if (fp < 1)
        return QStringLiteral("1/%1").arg(CInt(1 / fp));
    return QString::number(Int(fp));
}

qint16 CoutCarac(int score)
{
    switch (score) {
    case 15: return 8;
    case 16: return 10;
    case 17: return 13;
    case 18: return 16;
    case 19: return 20;
    case 20: return 24;
    default: return CInt(score - 8);
    }
}

QString TailleElementaire(const QString& creature)
{
    static const std::pair<const char*, const char*> suffixes[] = {
        {" P", "Petite"}, {" M", "Moyenne"}, {" G", "Grande"}, {" TG", "Très grande"},
        {" seigneur", "seigneur"}, {" noble", "noble"}, {"Monolithe", "Monolithe"}};
    for (const auto& [suffixe, taille] : suffixes)
        if (creature.contains(QString::fromUtf8(suffixe)))
            return QString::fromUtf8(taille);
    return {};
}

QString CheminImageRace(const QString& dossierProgramme, const QString& race)
{
    const QDir images(QDir(dossierProgramme).filePath(QStringLiteral("Images")));
    const QString propre = images.filePath(race + QStringLiteral(".jpg"));
    if (QFileInfo::exists(propre))
        return propre;
    static const QStringList familles{
        QStringLiteral("Ame en peine"),    QStringLiteral("Ange"),          QStringLiteral("Archon"),
        QStringLiteral("Arrawak"),         QStringLiteral("Barghest"),      QStringLiteral("Slaad"),
        QStringLiteral("Dragon blanc"),    QStringLiteral("Dragon bleu"),   QStringLiteral("Dragon rouge"),
        QStringLiteral("Dragon vert"),     QStringLiteral("Dragon noir"),   QStringLiteral("Dragon d'airain"),
        QStringLiteral("Dragon d'argent"), QStringLiteral("Dragon de bronze"), QStringLiteral("Dragon de cuivre"),
        QStringLiteral("Dragon d'or")};
    for (const QString& famille : familles)
        if (race.startsWith(famille)) {
            const QString image = images.filePath(famille + QStringLiteral(".jpg"));
            if (QFileInfo::exists(image))
                return image;
        }
    return {};
}

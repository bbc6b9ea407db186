#include "RetrouveFiche.h"
#include "shell/Erreur.h"
#include "ListeCompetence.h"
#include "Armes.h"
#include "AttaquesNaturelles.h"
#include "DeplacementFiche.h"
#include "ValeurPersonnage.h"
#include "Equipement.h"
#include "EquipementCA.h"
#include "ListeCapacite.h"
#include "ListeDon.h"
#include "CapacitesClasse.h"
#include "NotesFiche.h"
#include "SortsParJour.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QRegularExpression>
#include <QFileInfo>
#include <algorithm>

namespace {

const char* const kCaracs[6] = {"Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"};
const char* const kJets[3] = {"Réflexe", "Vigueur", "Volonté"};

enum Carac { For, Dex, Con, Int, Sag, Cha };

QString nomCarac(int i) { return QString::fromUtf8(kCaracs[i]); }

std::array<Entier16*, 6> caracsPersonnage(TypePersonnage& p)
{
    return {&p.For, &p.Dex, &p.Con, &p.Int, &p.Sag, &p.Cha};
}

std::array<const Entier16*, 6> caracsRace(const TypeRace& r)
{
    return {&r.For, &r.Dex, &r.Con, &r.Int, &r.Sag, &r.Cha};
}

// Modificateur de caractéristique montré par la fiche.
qint16 modif(const Fiche& f, int carac)
{
    return f.Caracteristiques.at(carac).Modificateur.valeur();
}

// Étape 2 (partie fiche) et 3 : phrase de description, titre de la fenêtre.
void identite(Fiche& f)
{
    f.Bonus.clear();
    f.Description = PhraseDescription(f.Personnage);
    f.Titre = QStringLiteral("Fiche du personnage ") + f.Personnage.Nom;
}

// Étape 6 : image du personnage, sinon celle de sa race, sinon l'image par défaut du programme.
QString imagePersonnage(const QString& dossierProgramme, const TypePersonnage& p)
{
    if (!p.Image.isEmpty() && QFileInfo::exists(p.Image))
        return p.Image;
    const QString race = CheminImageRace(dossierProgramme, p.RACE);
    if (!race.isEmpty())
        return race;
    const QString defaut = QDir(dossierProgramme).filePath(QStringLiteral("d20.bmp"));
    return QFileInfo::exists(defaut) ? defaut : QString();
}

// Capacités de classe reçues de la progression qui changent un chiffre de la fiche ; chaque
// occurrence compte (le disciple draconien gagne "Force +2" aux niveaux 2 et 4). Le type est le
// nom de la capacité : elle se cumule avec les autres bonus.
struct BonusCapaciteClasse
{
    const char* capacite;
    const char* genre;
    const char* cible;
    int valeur;
};
const BonusCapaciteClasse kBonusCapacitesClasse[] = {
    {"Force +2", "Bonus Caracteristique", "Force", 2},
    {"Constitution +2", "Bonus Caracteristique", "Constitution", 2},
    {"Intelligence +2", "Bonus Caracteristique", "Intelligence", 2},
    {"Charisme +2", "Bonus Caracteristique", "Charisme", 2},
    {"Armure naturelle +1", "Bonus Classe Armure", "Naturelle", 1},
    // L'apothéose : +4 en Force, +2 en Charisme, l'armure naturelle portée à +4.
    {"Apotheose draconienne", "Bonus Caracteristique", "Force", 4},
    {"Apotheose draconienne", "Bonus Caracteristique", "Charisme", 2},
    {"Apotheose draconienne", "Bonus Classe Armure", "Naturelle", 1},
    {"Instinct naturel", "Bonus Competence", "Connaissances (nature)", 2},
    {"Instinct naturel", "Bonus Competence", "Survie", 2},
};

void bonusCapacitesClasse(Fiche& f)
{
    const QStringList dons = f.nomsDons();
    for (const BonusCapaciteClasse& b : kBonusCapacitesClasse) {
        const QString nom = QString::fromUtf8(b.capacite);
        const auto n = dons.count(nom);
        if (n > 0)
            AjouteBonus(f.Bonus, nom, QString::fromUtf8(b.genre), QString::fromUtf8(b.cible), nom,
                        QString::number(int(n) * b.valeur));
    }
}

// Étape 7 : premier divers des caractéristiques et des jets, depuis la liste des bonus.
void diversDeLaListe(Fiche& f)
{
    for (int i = 0; i < 6; ++i) {
        f.Caracteristiques[i].Nom = nomCarac(i);
        f.Caracteristiques[i].Divers1 = SommeBonus(f.Bonus, QStringLiteral("Bonus Caracteristique"), nomCarac(i)).nombre;
    }
    for (int j = 0; j < 3; ++j) {
        f.Jets[j].Nom = QString::fromUtf8(kJets[j]);
        f.Jets[j].Divers = SommeBonus(f.Bonus, QStringLiteral("Bonus Jet Sauvegarde"), f.Jets[j].Nom).nombre;
    }
}

// Étape 8 : race et archétype, que l'archétype et les capacités de forme modifient.
void raceEtArchetype(const ContexteFiche& c, Fiche& f, const SaisiesFiche& s)
{
    const TypePersonnage& p = f.Personnage;
    f.Nom = p.Nom;
    ChargeRace(c.programme, f.Race, p.RACE);
    ChargeArchetype(c.programme, f.Archetype, p.Archetype);
    AppliqueArchetype(c.programme, f.Bonus, f.Archetype, f.Race, f.Personnage, f.nomsDons(), s.Capacites);
    f.TexteRace = p.RACE;
    f.TypeCreature = f.Race.Type;
    f.NomArchetype = p.Archetype;
    f.Classes.clear();
    for (int k = 1; k <= 8; ++k)
        if (!p.classe(k).isEmpty())
            f.Classes.append({p.classe(k), p.niveau(k)});
    f.Niveau = p.niv;
}

void modificateurs(Fiche& f)
{
    for (CaracteristiqueFiche& c : f.Caracteristiques)
        c.Modificateur = BonusCarac(c.Total);
}

// Étape 9 : valeur = lignes de niveau + race ; total = valeur + les deux divers.
void caracteristiques(Fiche& f, const SaisiesFiche& s)
{
    const auto perso = caracsPersonnage(f.Personnage);
    const auto race = caracsRace(f.Race);
    for (int i = 0; i < 6; ++i) {
        CaracteristiqueFiche& c = f.Caracteristiques[i];
        c.Score = *perso[i] + *race[i];
        c.Divers2 = s.DiversCarac2[i];
        const Entier16 total = c.Score + c.Divers1 + c.Divers2;
        *perso[i] = total;
        c.Total = QString::number(total);
    }
    AnalyseCapacites(f.Race, f.ResumeCapacites, f.Personnage, s.Capacites, f.nomsDons(), f.Bonus);
    modificateurs(f);
}

// Étape 11 : une créature intangible pare de son Charisme mais ne compte ni armure ni bouclier.
void intangible(Fiche& f)
{
    if (!f.Race.aSousType(QStringLiteral("Intangible")))
        return;
    f.CA.Parade = Maxi(f.CA.Parade, modif(f, Cha));
    if (!f.NoteCA.isEmpty())
        f.NoteCA += QStringLiteral(", ");
    f.NoteCA += QStringLiteral(
        "Attention type intangible on ne compte pas l'armure naturelle, l'armure et le bouclier à la CA");
}

// Ligne de capacité prise par le personnage, ou nulle.
const LigneCapacite* capacitePrise(const Fiche& f, const SaisiesFiche& s, const char* nom)
{
    for (const LigneCapacite& c : s.Capacites)
        if (AppartientA(c, f.Personnage.Nom) && c.Nom == QString::fromUtf8(nom))
            return &c;
    return nullptr;
}

void changeTotal(Fiche& f, int carac, Entier16 total)
{
    *caracsPersonnage(f.Personnage)[carac] = total;
    f.Caracteristiques[carac].Total = QString::number(int(total));
}

// Étape 13 (forme animale) : la Force, la Dextérité et la Constitution de l'animal choisi
// (11 plus ses modificateurs de race), auxquelles s'ajoutent les divers de la fiche.
void transformationAnimale(const ContexteFiche& c, Fiche& f, const SaisiesFiche& s)
{
    const LigneCapacite* ligne = capacitePrise(f, s, "Transformation animale");
    if (!ligne)
        return;
    TypeRace animal;
    ChargeRace(c.programme, animal, ChoixEntreCrochets(ligne->Libelle));
    if (animal.RACE.isEmpty())
        return;
    const auto race = caracsRace(animal);
    for (int i : {For, Dex, Con}) {
        CaracteristiqueFiche& carac = f.Caracteristiques[i];
        carac.Score = Entier16(11) + *race[i];
        changeTotal(f, i, carac.Score + carac.Divers1 + carac.Divers2);
    }
}

// Étape 13 (rage et frénésie prises) : "Rage de barbare" donne +4 en Force et en Constitution,
// +2 en Volonté et -2 à la CA ; "Frénésie" +6 en Force et -4 à la CA ; le résumé des capacités
// dit davantage quand le personnage a mieux (il compte déjà ces valeurs de base). La Constitution
// gagnée compte dans les points de vie, comme le veulent les règles.
void rageEtFrenesie(Fiche& f, const SaisiesFiche& s)
{
    const TypeCapacites& r = f.ResumeCapacites;
    const auto effet = [&](const char* libelle, qint16 base) {
        return Entier16(qMax<qint16>(base, r.compteur(QString::fromUtf8(libelle))));
    };
    const auto perso = caracsPersonnage(f.Personnage);
    if (capacitePrise(f, s, "Rage de barbare")) {
        const Entier16 bonus = effet("Effet de la rage : Force : +", 4);
        for (int i : {For, Con})
            changeTotal(f, i, *perso[i] + bonus);
        f.ConstitutionTemporaire = bonus;
        f.Jets[2].Divers += effet("Effet de la rage : Volonté : +", 2);
        f.CA.Divers -= effet("Effet de la rage : CA : -", 2);
    }
    if (capacitePrise(f, s, "Frénésie")) {
        changeTotal(f, For, *perso[For] + effet("Effet de la frénésie : Force : +", 6));
        f.CA.Divers -= Entier16(4);
    }
}

// Étape 13 (caractéristiques absentes) : morts-vivants, vermine, créatures artificielles.
void caracteristiquesAbsentes(Fiche& f)
{
    auto& c = f.Caracteristiques;
    const TypeRace& r = f.Race;
    const QString absente = QStringLiteral("-");
    if (f.Personnage.Archetype == u"Squelette" || f.Personnage.Archetype == u"Zombi") {
        c[Sag].Total = QStringLiteral("10");
        c[Int].Total = absente;
        c[Cha].Total = QStringLiteral("1");
    }
    if (r.Type == u"Vermine" || r.RACE == u"Lémure")
        c[Int].Total = absente;
    if (r.Type == u"Mort-vivant")
        c[Con].Total = absente;
    // Caractéristiques que la race n'a pas (vases sans esprit, intangibles sans Force...).
    static const char* const abreges[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
    for (const QString& sans : r.CaracAbsentes.split(u',', Qt::SkipEmptyParts))
        for (int i = 0; i < 6; ++i)
            if (sans.trimmed() == QLatin1String(abreges[i]))
                c[i].Total = absente;
    f.BonusPVConstruction = 0;
    if (r.Type == u"Créature artificielle" && !r.aSousType(QStringLiteral("Créature artificielle vivante"))) {
        c[Con].Total = absente;
        static const std::pair<const char*, int> parTaille[] = {
            {"Petite", 10}, {"Moyenne", 20}, {"Grande", 30}, {"Très grande", 40}, {"Gigantesque", 60}, {"Colossale", 80}};
        for (const auto& [taille, pv] : parTaille)
            if (r.taille == QString::fromUtf8(taille))
                f.BonusPVConstruction = pv;
        // Golems et horreurs chasseresses sont sans esprit : pas d'Intelligence.
        if (r.RACE == u"Horreur chasseresse" || r.RACE.contains(QStringLiteral("Golem")))
            c[Int].Total = absente;
    }
    modificateurs(f);
}

// Étape 14 : initiative.
void initiative(Fiche& f)
{
    // "Réaction accrue +2" du duelliste (niveaux 2 et 8) s'ajoute à la Science de l'initiative.
    const QStringList dons = f.nomsDons();
    f.InitiativeDons = Entier16(4 * int(dons.count(QStringLiteral("Science de l’initiative")))
                                + 2 * int(dons.count(QStringLiteral("Réaction accrue +2"))));
    f.Initiative = Entier16(modif(f, Dex)) + f.InitiativeDons;
    f.ExplicationInitiative = QStringLiteral("%1 = Dex %2 + Don(s) %3")
                                  .arg(int(f.Initiative))
                                  .arg(modif(f, Dex))
                                  .arg(int(f.InitiativeDons));
}

// Étape 15 : points de vie. Le modificateur de Constitution du moment, rage comprise ; chaque
// "Robustesse" donne 3 points, chaque "Robustesse épique" 30.
void pointsDeVie(Fiche& f)
{
    const TypePersonnage& p = f.Personnage;
    const QStringList dons = f.nomsDons();
    const Entier16 robustesse(3 * int(dons.count(QStringLiteral("Robustesse")))
                              + 30 * int(dons.count(QStringLiteral("Robustesse épique"))));
    f.PointsDeVie = p.PV + p.niv * Entier16(modif(f, Con)) + f.BonusPVConstruction + robustesse
                    + SommeBonus(f.Bonus, QStringLiteral("Bonus PV"), QStringLiteral("Temporaire")).nombre;
}

// "Grâce divine" du paladin et "Bénédiction impie" du chevalier noir, reçues de la progression ou
// prises comme capacités : le modificateur de Charisme, s'il est positif, à tous les jets. Les deux
// ne se cumulent pas, le Charisme ne comptant qu'une fois. Rend la capacité retenue et sa valeur.
std::pair<QString, qint16> graceDivine(const Fiche& f)
{
    const qint16 charisme = modif(f, Cha);
    if (charisme <= 0)
        return {};
    const QStringList dons = f.nomsDons();
    for (const QString& nom : {QStringLiteral("Grâce divine"), QStringLiteral("Bénédiction impie")})
        if (dons.contains(nom) || f.ResumeCapacites.Drapeaux.contains(nom))
            return {nom, charisme};
    return {};
}

// Étape 16 : jets de sauvegarde par composante ; l'explication dit d'où vient chacune.
void jets(Fiche& f, const SaisiesFiche& s)
{
    const TypePersonnage& p = f.Personnage;
    const std::array<Entier16, 3> base{p.Reflexe, p.Vigueur, p.Volonte};
    const std::array<Entier16, 3> race{f.Race.Reflexe, f.Race.Vigueur, f.Race.Volonte};
    const std::array<int, 3> carac{Dex, Con, Sag};
    const auto [grace, charisme] = graceDivine(f);
    // "Grâce" du duelliste : +2 aux jets de Réflexes sans armure ni bouclier.
    const bool graceDuelliste = f.nomsDons().contains(QStringLiteral("Grâce")) && SansArmureNiBouclier(f);
    for (int j = 0; j < 3; ++j) {
        JetFiche& jet = f.Jets[j];
        jet.Base = base[j];
        jet.Carac = modif(f, carac[j]);
        jet.Race = s.JetsRace[j].value_or(race[j]);
        jet.Don = BonusJetDons(f.Dons, jet.Nom);
        QStringList capacites;
        if (charisme > 0) {
            jet.Divers += Entier16(charisme);
            capacites << grace + QString::asprintf(" %+d", int(charisme));
        }
        if (j == 0 && graceDuelliste) {
            jet.Divers += Entier16(2);
            capacites << QStringLiteral("Grâce +2");
        }
        jet.Final = jet.Base + jet.Don + jet.Carac + jet.Race + jet.Divers;
        jet.Explication = QString::asprintf("Base %+d, Dons %+d, Carac. %+d, Race %+d, Divers %+d", int(jet.Base),
                                            int(jet.Don), int(jet.Carac), int(jet.Race), int(jet.Divers));
        if (!capacites.isEmpty())
            jet.Explication += QStringLiteral(" dont ") + capacites.join(QStringLiteral(", "));
    }
}

// Étape 17 : la liste des bonus a déjà déplacé la taille lors de l'application de l'archétype.
void physique(Fiche& f)
{
    f.Taille = f.Race.taille;
    f.Hauteur = f.Personnage.taille;
    f.Poids = f.Personnage.poids;
}

// Étape 18 : attaque de base, lutte, corps à corps, distance.
void attaques(Fiche& f)
{
    const TypePersonnage& p = f.Personnage;
    const QStringList dons = f.nomsDons();
    f.BonusAttaqueToutesArmes = SommeBonus(f.Bonus, QStringLiteral("Bonus Attaque"), QStringLiteral("Toutes armes")).nombre
                                + Entier16(int(dons.count(QStringLiteral("Prouesse épique"))));
    f.AttaqueDeBase = p.attaque;
    f.NombreAttaques = p.NombreAttaques;
    const Entier16 force = modif(f, For);
    f.Lutte = p.attaque + force + Entier16(LutteTaille(f.Race.taille, dons));
    f.AttaqueContact = p.attaque + force + Entier16(ModifTailleCA(f.Race.taille));
    f.AttaqueDistance = p.attaque + Entier16(modif(f, Dex)) + Entier16(ModifTailleCA(f.Race.taille));
}

// Étape 20 : résistances données par la liste des bonus, toutes cibles confondues.
void resistancesDeLaListe(Fiche& f)
{
    ResistancesFiche& r = f.Resistances;
    const auto somme = [&](const char* genre) { return SommeBonus(f.Bonus, QString::fromUtf8(genre), QString()).nombre; };
    r.Magie = somme("Résistance à la magie");
    r.Acide = somme("Résistance à l'acide");
    r.Degats = somme("Résistance aux dégats");
    // Le texte suit la réduction la plus forte de la liste : « 5/magie », « 3/– », « 5/Mal ».
    r.TexteDegats.clear();
    int plusForte = 0;
    for (const TypeBonus& b : f.Bonus)
        if (b.Genre == u"Résistance aux dégats" && Val(b.Valeur) > plusForte) {
            plusForte = int(Val(b.Valeur));
            const bool alignement = b.Cible == u"Bien" || b.Cible == u"Mal" || b.Cible == u"Loi" || b.Cible == u"Chaos";
            const QString sorte = b.Cible.isEmpty() || b.Cible == u"-" ? QStringLiteral("–") : alignement ? b.Cible : b.Cible.toLower();
            r.TexteDegats = QStringLiteral("%1/%2").arg(plusForte).arg(sorte);
        }
    r.Electricite = somme("Résistance à l'électricité");
    r.Feu = somme("Résistance au feu");
    r.Froid = somme("Résistance au froid");
    r.Son = somme("Résistance au son");
}

// Étape 31 : chaque résistance est la plus forte de celle de la race et de celle de la liste ;
// la résistance à la magie de la race croît avec le niveau (drow : 11 + niveau).
void resistances(Fiche& f)
{
    ResistancesFiche& r = f.Resistances;
    const TypeRace& race = f.Race;
    r.Magie = Maxi(r.Magie, race.Resistance_magie + race.Progression_rm * f.Personnage.niv);
    r.Feu = Maxi(r.Feu, race.Resistance_feu);
    r.Froid = Maxi(r.Froid, race.Resistance_froid);
    r.Electricite = Maxi(r.Electricite, race.Resistance_electricite);
    r.Acide = Maxi(r.Acide, race.Resistance_acide);
    r.Son = Maxi(r.Son, race.Resistance_son);
    // La réduction de la race l'emporte à égalité : son texte dit sa sorte.
    if (race.Resistance_degat.valeur() > 0 && race.Resistance_degat.valeur() >= r.Degats.valeur()) {
        r.Degats = race.Resistance_degat;
        r.TexteDegats = race.Rd_texte;
    }
    const TypePersonnage& p = f.Personnage;
    // "Âme de diamant" du moine : résistance à la magie de 10 + niveau de moine.
    if (f.nomsDons().contains(QStringLiteral("Âme de diamant")))
        r.Magie = Maxi(r.Magie, 10 + NiveauDansClasse(p, QStringLiteral("Moine")));
    // "Réduction des dégâts" de classe (RD x/-) : barbare 1 au niveau 7 puis +1 tous les trois
    // niveaux ; défenseur nain 3 au niveau 6, 6 au niveau 10. Les deux se cumulent.
    const int barbare = NiveauDansClasse(p, QStringLiteral("Barbare"));
    const int defenseur = NiveauDansClasse(p, QStringLiteral("Défenseur nain"));
    const int rd = (barbare >= 7 ? (qMin(barbare, 20) - 4) / 3 : 0) + (defenseur >= 10 ? 6 : defenseur >= 6 ? 3 : 0);
    if (rd > r.Degats) {
        r.Degats = Entier16(rd);
        r.TexteDegats = QStringLiteral("%1/-").arg(rd);
    }
    // "Perfection de l'être" du moine : RD 10/magie.
    if (r.Degats < 10 && f.nomsDons().contains(QStringLiteral("Perfection de l’être"))) {
        r.Degats = Entier16(10);
        r.TexteDegats = QStringLiteral("10/magie");
    }
}

// Classe dont les compétences sont en vert : celle que l'utilisateur regarde, sinon celle du
// dernier niveau, sinon la classe principale (la case de plus haut niveau, la première à égalité).
void classeCompetences(Fiche& f, const SaisiesFiche& s)
{
    const auto aLaClasse = [&](const QString& classe) {
        return std::any_of(f.Classes.cbegin(), f.Classes.cend(), [&](const ClasseFiche& c) { return c.Classe == classe; });
    };
    f.ClasseCompetencesChoisie = !s.ClasseCompetences.isEmpty() && aLaClasse(s.ClasseCompetences);
    f.ClasseCompetences = f.ClasseCompetencesChoisie ? s.ClasseCompetences : f.Personnage.DerniereClasse;
    if (!f.ClasseCompetences.isEmpty())
        return;
    const ClasseFiche* principale = nullptr;
    for (const ClasseFiche& c : std::as_const(f.Classes))
        if (!principale || c.Niveau > principale->Niveau)
            principale = &c;
    if (principale)
        f.ClasseCompetences = principale->Classe;
}

// Étape 23 : langues, alphabets, vision.
void sens(Fiche& f)
{
    f.Langues = f.Personnage.LangueConnue;
    f.Alphabets = f.Personnage.Alphabet;
    f.Vision = TexteVision(f.Race, f.Dons);
}

// Étape 32 : charge transportable, depuis le total de Force.
void charge(Fiche& f)
{
    ChargeTransportable(f.Charges, f.Race.Quadripede, f.Race.taille, int(Val(f.Caracteristiques[For].Total)));
}

} // namespace

QString PhraseDescription(const TypePersonnage& p)
{
    const bool femme = p.Sexe.contains(u'f', Qt::CaseInsensitive);
    const QString pronom = femme ? QStringLiteral("Elle") : QStringLiteral("Il");
    // Une case vide de l'éditeur ne laisse ni trou ni point orphelin : sa proposition est omise.
    QString identite = p.Nom;
    if (!p.RACE.isEmpty())
        identite += QStringLiteral(" est un") + (femme ? QStringLiteral("e") : QString()) + u' ' + p.RACE
                    + (femme && p.RACE == u"Humain" ? QStringLiteral("e") : QString());
    if (p.Age > 0)
        identite += (p.RACE.isEmpty() ? QStringLiteral(" a %1 ans") : QStringLiteral(" de %1 ans")).arg(int(p.Age));
    QStringList phrases{identite + u'.'};

    const QString cheveux = p.Cheveux.trimmed();
    const QString yeux = p.Yeux.trimmed();
    if (!cheveux.isEmpty() && !yeux.isEmpty())
        phrases.append(pronom + QStringLiteral(" a les cheveux ") + cheveux + QStringLiteral(" avec les yeux ") + yeux + u'.');
    else if (!cheveux.isEmpty())
        phrases.append(pronom + QStringLiteral(" a les cheveux ") + cheveux + u'.');
    else if (!yeux.isEmpty())
        phrases.append(pronom + QStringLiteral(" a les yeux ") + yeux + u'.');

    QStringList mesures;
    if (p.taille > 0)
        mesures.append(QStringLiteral("mesure %1 cm").arg(int(p.taille)));
    if (p.poids > 0)
        mesures.append(QStringLiteral("pèse %1 kg").arg(p.poids));
    if (!mesures.isEmpty())
        phrases.append(pronom + u' ' + mesures.join(QStringLiteral(" et ")) + u'.');

    phrases.append(pronom + QStringLiteral(" vénère ")
                   + (p.Dieu.trimmed().isEmpty() ? QStringLiteral("aucun dieu.") : p.Dieu.trimmed() + u'.'));
    return phrases.join(u' ');
}

QString TexteVision(const TypeRace& race, const QVector<LigneDon>& dons)
{
    // La plus longue vision dans le noir compte seule : celle de la race ou d'une capacité de classe.
    static const QRegularExpression noir(QStringLiteral("^Vision dans le noir (\\d+) m$"));
    int distance = race.Vision.valeur();
    QStringList autres;
    const auto ajoute = [&](const QString& vision) {
        const QString v = vision.trimmed();
        if (!v.isEmpty() && !autres.contains(v, Qt::CaseInsensitive))
            autres.append(v);
    };
    for (const QString& sens : race.Vision_texte.split(u','))
        ajoute(sens);
    for (const LigneDon& d : dons) {
        if (!d.Nom.startsWith(QStringLiteral("Vision"), Qt::CaseInsensitive))
            continue;
        if (const auto m = noir.match(d.Nom.trimmed()); m.hasMatch())
            distance = std::max(distance, m.captured(1).toInt());
        else
            ajoute(d.Nom);
    }
    QStringList visions;
    if (distance > 0)
        visions.append(QStringLiteral("Vision dans le noir %1 m").arg(distance));
    return (visions + autres).join(QStringLiteral(", "));
}

namespace {

// Race, archétype et classes absents des règles : la fiche serait calculée sur un enregistrement
// vide (sans taille ni vitesse, sans progression). Rend le message qui les nomme, "" sinon.
QString reglesManquantes(BaseDonnees& programme, const TypePersonnage& p)
{
    const auto absente = [&](const char* table, const QString& nom) {
        return !programme.cherche(QString::fromUtf8(table), QStringLiteral("PrimaryKey"), {nom});
    };
    QStringList manques;
    if (p.RACE.trimmed().isEmpty())
        manques << QStringLiteral("il n'a pas de race");
    else if (absente("Race", p.RACE))
        manques << QStringLiteral("la race « %1 » est absente des règles du programme").arg(p.RACE);
    if (!p.Archetype.isEmpty() && absente("Archetype", p.Archetype))
        manques << QStringLiteral("l'archétype « %1 » est absent des règles du programme").arg(p.Archetype);
    for (int k = 1; k <= 8; ++k)
        if (!p.classe(k).isEmpty() && absente("Classe", p.classe(k)))
            manques << QStringLiteral("la classe « %1 » est absente des règles du programme").arg(p.classe(k));
    if (manques.isEmpty())
        return {};
    return QStringLiteral("La fiche de « %1 » ne peut pas être calculée : %2.\nOuvrez ce personnage dans "
                          "l'éditeur de personnages et choisissez-lui une race, un archétype et des classes que "
                          "les règles connaissent.").arg(p.Nom, manques.join(QStringLiteral(", ")));
}

bool calcule(const ContexteFiche& c, const QString& nom, const SaisiesFiche& s, Fiche& f)
{
    // Des centaines de lectures : le verrou de lecture de chaque base est pris une fois.
    const LectureGroupee lecturePerso(c.perso), lectureProgramme(c.programme);
    const bool charges = ChargePersonnage(c.perso, c.programme, f.Personnage, nom, s.Capacites);
    if (!f.Personnage.Nom.isEmpty())
        f.Refus = reglesManquantes(c.programme, f.Personnage);
    if (!charges || !f.Refus.isEmpty()) {
        f.Etapes = {1};
        return false;
    }
    // Le reste des capacités (étapes 10, 28)
    // viennent de leurs pages.
    identite(f);
    AnalyseEquip(c.perso, c.programme, f, s.ValideEquipement);
    RemplitDons(c.perso, c.programme, s.Capacites, f);
    f.Image = imagePersonnage(c.dossierProgramme, f.Personnage);
    bonusCapacitesClasse(f);
    diversDeLaListe(f);
    raceEtArchetype(c, f, s);
    caracteristiques(f, s);
    intangible(f);
    ComposantesClasseArmure(f);
    transformationAnimale(c, f, s);
    rageEtFrenesie(f, s);
    caracteristiquesAbsentes(f);
    initiative(f);
    pointsDeVie(f);
    jets(f, s);
    physique(f);
    attaques(f);
    classeCompetences(f, s);
    ListeCompetence(c.perso, c.programme, s.Capacites, {f.Equip.PenaliteArmure, s.DoubleCarac, f.ClasseCompetences}, f);
    RemplitSorts(c.perso, c.programme, f);
    resistancesDeLaListe(f);
    LignesAttaque(f, s.Capacites);
    // Le poids porté d'abord : la Sagesse du moine à la CA ne vaut qu'en charge légère.
    ValeurPersonnage(c.perso, c.programme, f);
    DexteriteClasseArmure(f);
    CalculeClasseArmure(f);
    sens(f);
    RemplitNotes(f, s.Capacites);
    RemplitCapacitesClasse(f, s.Capacites);
    AttaquesNaturelles(c.perso, c.programme, f, s.Capacites);
    f.FP = EstimeFP(c.perso, c.programme, f.Race, f.Personnage, f.Personnage.Archetype);
    resistances(f);
    charge(f);
    DeplacementFiche(f, s.Capacites);
    SautSelonVitesse(f);
    RemplitCatalogueCapacites(c.programme, s.Capacites, f);
    f.Etapes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 33, 34};
    return true;
}

} // namespace

QString MessageRefusFiche(const Fiche& f)
{
    return f.Refus.isEmpty() ? QString::fromUtf8(kMessageEchecFiche) : f.Refus;
}

bool RetrouveFiche(const ContexteFiche& c, const QString& nom, const SaisiesFiche& s, Fiche& f)
{
    f = Fiche{};
    try {
        return calcule(c, nom, s, f);
    } catch (const ErreurExecution& e) {
        if (e.numero() != NumeroErreur::Depassement)
            throw;
        // L'arithmétique de la fiche est sur 16 bits : une valeur saisie démesurée la fait déborder.
        throw ErreurExecution(e.numero(),
                              QStringLiteral("Un nombre de la fiche de « %1 » dépasse les limites du calcul (de -32768 à "
                                             "32767) : vérifiez dans l'éditeur les valeurs saisies pour ce personnage "
                                             "(caractéristiques, points de vie, rangs, objets).").arg(nom),
                              e.description());
    }
}

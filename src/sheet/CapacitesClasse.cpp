#include "CapacitesClasse.h"
#include "NotesFiche.h"
#include "rules/Personnage.h"
#include "shell/TextesCalcul.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int kSag = 4, kCha = 5, kInt = 3;

QString u8(const char* s) { return Litteral(s); }

// Clés du résumé pour la rage : nombre, rounds en plus, et les effets que l'analyse ajoute
// d'office quand elle a compté elle-même une rage.
constexpr const char* kRage = "Nombre de rage : ";
constexpr const char* kDureeRage = "Durée de la rage(bonus rage inclut) : ";
constexpr const char* kForceRage = "Effet de la rage : Force : +";
constexpr const char* kVolonteRage = "Effet de la rage : Volonté : +";
constexpr const char* kCARage = "Effet de la rage : CA : -";

// Ce que les valeurs lisent de la fiche déjà calculée. Deux résumés des capacités : celui de la
// fiche (capacités prises et dons qui agissent comme elles), qui s'ajoute aux valeurs de classe,
// et le même élargi aux dons de la liste, pour les lignes qu'aucune valeur de classe ne couvre.
class Sources
{
public:
    Sources(const Fiche& f, const TypeCapacites& elargi) : m_f(f), m_elargi(elargi), m_dons(f.nomsDons()) {}

    int niveau(const char* classe) const { return NiveauDansClasse(m_f.Personnage, u8(classe)); }
    int niveauTotal() const { return m_f.Personnage.niv; }
    int modif(int carac) const { return m_f.Caracteristiques.at(carac).Modificateur.valeur(); }
    // La rage en cours ne compte pas deux fois dans sa propre durée.
    int modifConPermanente() const { return m_f.modifConstitutionPermanente(); }
    int resume(const char* libelle) const { return resume(u8(libelle)); }
    int resume(const QString& libelle) const { return m_f.ResumeCapacites.compteur(libelle); }
    int elargi(const QString& libelle) const { return m_elargi.compteur(libelle); }
    QStringList textes(const QString& libelle) const { return m_elargi.Textes.value(libelle); }
    bool drapeau(const char* nom) const { return m_f.ResumeCapacites.Drapeaux.contains(u8(nom)); }
    int dons(const char* nom) const { return int(m_dons.count(u8(nom))); }
    const QVector<LigneDon>& lignesDons() const { return m_f.Dons; }

    // Les pouvoirs de domaine suivent le niveau de prêtre.
    int niveauDomaine(const char* domaine) const
    {
        const TypePersonnage& p = m_f.Personnage;
        const QString d = u8(domaine);
        const bool choisi = p.Domaine_1 == d || p.Domaine_2 == d || p.Domaine_3 == d || p.Domaine_4 == d;
        return choisi ? niveau("Prêtre") : 0;
    }

private:
    const Fiche& m_f;
    const TypeCapacites& m_elargi;
    const QStringList m_dons;
};

using Option = std::optional<int>;

// Valeurs de classe des règles 3.5 ; rien (nullopt) quand les classes ne donnent pas la capacité.

// Flèches magiques de l'archer-mage : +1 aux niveaux 1, 3, 5, 7 et 9.
Option flechesMagiques(const Sources& s)
{
    const int n = s.niveau("Archer-mage");
    return n >= 1 ? Option((n + 1) / 2) : std::nullopt;
}

// Domaines : voyage (rounds de liberté de mouvement), protection (bonus de résistance) et force
// (bonus d'altération) valent le niveau de prêtre ; les autres donnent +1 au niveau de lanceur.
Option domaineVoyage(const Sources& s) { return s.niveauDomaine("Voyage"); }
Option domaineProtection(const Sources& s) { return s.niveauDomaine("Protection"); }
Option domaineForce(const Sources& s) { return s.niveauDomaine("Force"); }
Option unSiDomaine(const Sources& s, const char* domaine) { return s.niveauDomaine(domaine) > 0 ? 1 : 0; }
Option domaineGuerison(const Sources& s) { return unSiDomaine(s, "Guérison"); }
Option domaineLoi(const Sources& s) { return unSiDomaine(s, "Loi"); }
Option domaineChaos(const Sources& s) { return unSiDomaine(s, "Chaos"); }
Option domaineMal(const Sources& s) { return unSiDomaine(s, "Mal"); }
Option domaineBien(const Sources& s) { return unSiDomaine(s, "Bien"); }
Option domaineCreation(const Sources& s) { return unSiDomaine(s, "Création"); }
Option domaineConnaissance(const Sources& s) { return unSiDomaine(s, "Connaissance"); }
// Contact mortel : une fois par jour, tue si les points de vie de la cible sont sous niveau d6.
Option domaineMort(const Sources& s) { return s.niveauDomaine("Mort") > 0 ? Option(1) : std::nullopt; }

// Rage : une par jour, une de plus aux niveaux 4, 8, 12, 16 et 20 de barbare.
Option rages(const Sources& s)
{
    const int n = s.niveau("Barbare");
    return n >= 1 ? Option(1 + n / 4) : std::nullopt;
}

// Position défensive du défenseur nain : une par jour, une de plus aux niveaux 3, 5, 7 et 9.
Option positionsDefensives(const Sources& s)
{
    const int n = s.niveau("Défenseur nain");
    return n >= 1 ? Option(1 + (n - 1) / 2) : std::nullopt;
}

// Musique de barde : une utilisation par niveau de barde, quatre de plus par "Musique supplémentaire".
Option chantsDeBarde(const Sources& s)
{
    const int n = s.niveau("Barde");
    return n >= 1 ? Option(n + 4 * s.dons("Musique supplémentaire")) : std::nullopt;
}

// Inspiration vaillante : +1, +2 au niveau 8, +3 au 14, +4 au 20.
Option inspirationVaillante(const Sources& s)
{
    const int n = s.niveau("Barde");
    return n >= 1 ? Option(Maxi(1, Int((n + 4) / 6.0))) : std::nullopt;
}

// Fascination : une cible, une de plus tous les trois niveaux au-delà du premier.
Option ciblesFascination(const Sources& s)
{
    const int n = s.niveau("Barde");
    return n >= 1 ? Option(1 + (n - 1) / 3) : std::nullopt;
}

// Suggestion (niveau 6) : DD 10 + moitié du niveau de barde + Charisme.
Option ddSuggestion(const Sources& s)
{
    const int n = s.niveau("Barde");
    return n >= 6 ? Option(10 + n / 2 + s.modif(kCha)) : std::nullopt;
}

// Capacité remarquable (niveau 3) : +2 d'aptitude à la compétence de l'allié.
Option inspirationTalentueuse(const Sources& s)
{
    return s.niveau("Barde") >= 3 ? Option(2) : std::nullopt;
}

// Inspiration héroïque (niveau 9) et intrépide (niveau 15) : une cible, une de plus tous les trois niveaux.
Option ciblesInspiration(const Sources& s, int niveauMinimum)
{
    const int n = s.niveau("Barde");
    return n >= niveauMinimum ? Option(1 + (n - niveauMinimum) / 3) : std::nullopt;
}
Option ciblesInspirationHeroique(const Sources& s) { return ciblesInspiration(s, 9); }
Option ciblesInspirationIntrepide(const Sources& s) { return ciblesInspiration(s, 15); }

// Savoir bardique : niveau de barde + Intelligence ; le savoir du maître du savoir s'y cumule.
Option savoirBardique(const Sources& s)
{
    const int n = s.niveau("Barde") + s.niveau("Maître du savoir");
    return n >= 1 ? Option(n + s.modif(kInt)) : std::nullopt;
}

// Ennemi juré : un, un de plus aux niveaux 5, 10, 15 et 20 de rôdeur.
Option ennemisJures(const Sources& s)
{
    const int n = s.niveau("Rôdeur");
    return n >= 1 ? Option(1 + n / 5) : std::nullopt;
}

// Empathie sauvage : niveaux de druide et de rôdeur + Charisme.
Option empathieSauvage(const Sources& s)
{
    const int n = s.niveau("Druide") + s.niveau("Rôdeur");
    return n >= 1 ? Option(n + s.modif(kCha)) : std::nullopt;
}

// Coup étourdissant : une fois par niveau de moine, plus une tous les quatre niveaux d'autres
// classes ; sans moine, le don donne une fois par tranche de quatre niveaux.
Option coupsEtourdissants(const Sources& s)
{
    const int moine = s.niveau("Moine");
    if (moine >= 1)
        return moine + (s.niveauTotal() - moine) / 4;
    return s.dons("Coup étourdissant") > 0 ? Option(s.niveauTotal() / 4) : std::nullopt;
}

// DD du coup étourdissant : 10 + moitié du niveau global + Sagesse.
Option ddCoupEtourdissant(const Sources& s)
{
    const Option coups = coupsEtourdissants(s);
    return coups.value_or(0) > 0 ? Option(10 + s.niveauTotal() / 2 + s.modif(kSag)) : std::nullopt;
}

// Le destrier arrive au niveau 5 de paladin et suit ce niveau.
Option niveauDestrier(const Sources& s)
{
    const int n = s.niveau("Paladin");
    return n >= 5 ? Option(n) : std::nullopt;
}

// Compagnon animal : niveau de druide, plus la moitié du niveau de rôdeur à partir du niveau 4.
Option niveauCompagnon(const Sources& s)
{
    const int rodeur = s.niveau("Rôdeur");
    const int n = s.niveau("Druide") + (rodeur >= 4 ? rodeur / 2 : 0);
    return n >= 1 ? Option(n) : std::nullopt;
}

// Forme animale : une fois par jour au niveau 5 de druide, deux au 6, trois au 7, quatre au 10,
// cinq au 14, six au 18.
Option formesAnimales(const Sources& s)
{
    const int n = s.niveau("Druide");
    if (n < 5)
        return std::nullopt;
    return n >= 18 ? 6 : n >= 14 ? 5 : n >= 10 ? 4 : n >= 7 ? 3 : n >= 6 ? 2 : 1;
}

// Les dés de vie de la forme ne dépassent pas le niveau de druide.
Option desDeVieForme(const Sources& s)
{
    const int n = s.niveau("Druide");
    return n >= 5 ? Option(n) : std::nullopt;
}

// Forme élémentaire : une fois par jour au niveau 16, deux au 18, trois au 20.
Option formesElementaires(const Sources& s)
{
    const int n = s.niveau("Druide");
    return n >= 16 ? Option((n - 14) / 2) : std::nullopt;
}

// Souffle du disciple draconien : 2d8 au niveau 3, 4d8 au 7, 6d8 au 10.
Option desDeSouffle(const Sources& s)
{
    const int n = s.niveau("Disciple draconien");
    if (n < 3)
        return std::nullopt;
    return n >= 10 ? 6 : n >= 7 ? 4 : 2;
}

// Attaque sournoise : roublard et assassin aux niveaux impairs, chevalier noir aux niveaux 4, 7
// et 10, mystificateur profane aux niveaux pairs ; les dés se cumulent.
Option desSournois(const Sources& s)
{
    const int noir = s.niveau("Chevalier noir");
    return (s.niveau("Roublard") + 1) / 2 + (s.niveau("Assassin") + 1) / 2 + (noir >= 4 ? 1 + (noir - 4) / 3 : 0)
           + s.niveau("Mystificateur profane") / 2;
}

// Frappe précise du duelliste : +1d6 au niveau 5, +2d6 au 10.
Option desFrappePrecise(const Sources& s) { return s.niveau("Duelliste") / 5; }

// Attaque sournoise improvisée du mystificateur : une fois par jour au niveau 3, deux au 7.
Option attaquesImprevisibles(const Sources& s)
{
    const int n = s.niveau("Mystificateur profane");
    return n >= 3 ? Option(1 + (n - 3) / 4) : std::nullopt;
}

// Escamotage à distance : une fois par jour, deux au niveau 5, trois au 9.
Option escamotagesADistance(const Sources& s)
{
    const int n = s.niveau("Mystificateur profane");
    return n >= 1 ? Option(1 + (n - 1) / 4) : std::nullopt;
}

// Illusion d'ombre du danseur de l'ombre : une fois par jour à partir du niveau 3.
Option illusionsDOmbre(const Sources& s) { return s.niveau("Danseur de l'ombre") >= 3 ? Option(1) : std::nullopt; }

// Saut d'ombre : 6 m au niveau 4, doublés aux niveaux 6, 8 et 10.
Option sautDOmbre(const Sources& s)
{
    const int n = s.niveau("Danseur de l'ombre");
    return n >= 4 ? Option(6 << ((n - 4) / 2)) : std::nullopt;
}

// Châtiment du bien du chevalier noir : une fois par jour au niveau 2, deux au 5, trois au 10.
Option chatimentsDuBien(const Sources& s)
{
    const int n = s.niveau("Chevalier noir");
    if (n < 2)
        return std::nullopt;
    return n >= 10 ? 3 : n >= 5 ? 2 : 1;
}

// Châtiment du Mal : une fois par jour, une de plus aux niveaux 5, 10, 15 et 20 de paladin.
Option chatimentsDuMal(const Sources& s)
{
    const int n = s.niveau("Paladin");
    return n >= 1 ? Option(1 + n / 5) : std::nullopt;
}

// Le châtiment ajoute le bonus de Charisme (s'il y en a un) à l'attaque.
Option bonusChatimentDuBien(const Sources& s)
{
    return s.niveau("Chevalier noir") >= 2 ? Option(std::max(0, s.modif(kCha))) : std::nullopt;
}
Option bonusChatimentDuMal(const Sources& s)
{
    return s.niveau("Paladin") >= 1 ? Option(std::max(0, s.modif(kCha))) : std::nullopt;
}

// Imposition des mains (niveau 2) : niveau de paladin × bonus de Charisme points de vie par jour.
Option impositionDesMains(const Sources& s)
{
    const int n = s.niveau("Paladin");
    return n >= 2 ? Option(Entier16(n) * Entier16(std::max(0, s.modif(kCha)))) : std::nullopt;
}

// Renvoi (prêtre, paladin dès le niveau 4) ou intimidation (chevalier noir dès le niveau 3) des
// morts-vivants : 3 + Charisme par jour, 4 de plus par "Renvoi supplémentaire".
Option renvois(const Sources& s)
{
    const bool pretre = s.niveau("Prêtre") >= 1 && !s.drapeau("Variante prêtre sans renvoi");
    if (!pretre && s.niveau("Paladin") < 4 && s.niveau("Chevalier noir") < 3)
        return std::nullopt;
    return std::max(0, 3 + s.modif(kCha)) + 4 * s.dons("Renvoi supplémentaire");
}

// Guérison des maladies : une fois par semaine au niveau 6 de paladin, une de plus tous les trois niveaux.
Option guerisonsDesMaladies(const Sources& s)
{
    const int n = s.niveau("Paladin");
    return n >= 6 ? Option((n - 3) / 3) : std::nullopt;
}

// Valeurs écrites en texte ; "" : pas de ligne.

QString degatsMort(const Sources& s, const QString&)
{
    const int n = s.niveauDomaine("Mort");
    return n > 0 ? QStringLiteral("%1d6").arg(n) : QString();
}

QString avecTextesDuResume(QStringList valeurs, const Sources& s, const QString& libelle)
{
    for (const QString& t : s.textes(libelle))
        if (!valeurs.contains(t))
            valeurs.append(t);
    return valeurs.join(QStringLiteral(", "));
}

// Coup ki du moine : magique au niveau 4, loyal au 10, adamantium au 16.
QString coupKi(const Sources& s, const QString& libelle)
{
    const int n = s.niveau("Moine");
    QStringList coups;
    if (n >= 4)
        coups << QStringLiteral("magie");
    if (n >= 10)
        coups << QStringLiteral("loi");
    if (n >= 16)
        coups << QStringLiteral("adamantium");
    return avecTextesDuResume(coups, s, libelle);
}

// Tailles et types de forme animale ouverts par le niveau de druide.
QString typesForme(const Sources& s, const QString& libelle)
{
    const int n = s.niveau("Druide");
    QStringList types;
    const std::pair<int, const char*> parNiveau[] = {{5, "petites"},  {5, "moyennes"},      {8, "grandes"},
                                                     {11, "très petites"}, {12, "plantes"}, {15, "très grandes"},
                                                     {16, "élémentaires"}, {20, "élémentaires très grands"}};
    for (const auto& [minimum, type] : parNiveau)
        if (n >= minimum)
            types << u8(type);
    return avecTextesDuResume(types, s, libelle);
}

int nombreDeRages(const Sources& s) { return rages(s).value_or(0) + s.resume(kRage); }

// Durée : 3 rounds + le modificateur de Constitution en rage (+4 à la valeur, soit +2 au
// modificateur montré), plus les rounds que les capacités ajoutent.
QString dureeRage(const Sources& s, const QString&)
{
    if (nombreDeRages(s) == 0)
        return {};
    return QString::number(int(Entier16(s.modifConPermanente()) + Entier16(5) + Entier16(s.resume(kDureeRage))))
           + QStringLiteral(" rounds");
}

// Une rage donne +4 en Force et en Constitution, +2 en Volonté et -2 à la CA ; l'analyse des
// capacités ne les compte d'office que pour les rages qu'elle a comptées elle-même.
QString effetRage(const Sources& s, const QString&)
{
    if (nombreDeRages(s) == 0)
        return {};
    const bool deBase = s.resume(kRage) == 0;
    const int force = s.resume(kForceRage) + (deBase ? 4 : 0);
    const int volonte = s.resume(kVolonteRage) + (deBase ? 2 : 0);
    const int ca = s.resume(kCARage) + (deBase ? 2 : 0);
    return QStringLiteral("%1  Constitution : +%1  Volonté : +%2  CA : -%3").arg(force).arg(volonte).arg(ca);
}

// Bonus d'ennemi juré par type choisi : +2 par "Ennemi juré [type]" et par "Bonus ennemi juré [type]" ;
// sans choix noté, le compteur du résumé.
QString bonusEnnemisJures(const Sources& s, const QString& libelle)
{
    QStringList types;
    QVector<int> bonus;
    for (const LigneDon& d : s.lignesDons()) {
        if (d.Specialite.isEmpty() || (d.Nom != u"Ennemi juré" && d.Nom != u"Bonus ennemi juré"))
            continue;
        qsizetype i = types.indexOf(d.Specialite);
        if (i < 0) {
            types << d.Specialite;
            bonus << 0;
            i = types.size() - 1;
        }
        bonus[i] += 2;
    }
    QStringList parType;
    for (qsizetype i = 0; i < types.size(); ++i)
        parType << QStringLiteral("%1 +%2").arg(types.at(i)).arg(bonus.at(i));
    if (!parType.isEmpty())
        return parType.join(QStringLiteral(", "));
    const int resume = s.resume(libelle);
    return resume != 0 ? QString::number(resume) : QString();
}

// Source de la valeur d'une ligne.
enum class Mode {
    Resume,   // le compteur ou les textes du résumé élargi aux dons
    Plus,     // valeur de classe + compteur du résumé (capacités et dons qui en ajoutent)
    Sinon,    // valeur de classe quand les classes donnent la capacité, sinon le résumé (qui
              // la compte alors depuis une capacité prise)
    Texte,    // texte calculé
};
using Calcul = Option (*)(const Sources&);
using CalculTexte = QString (*)(const Sources&, const QString&);

struct Source
{
    Mode mode = Mode::Resume;
    Calcul calcul = nullptr;
    CalculTexte texte = nullptr;
};

constexpr Source plus(Calcul c) { return {Mode::Plus, c}; }
constexpr Source sinon(Calcul c) { return {Mode::Sinon, c}; }
constexpr Source texte(CalculTexte t) { return {Mode::Texte, nullptr, t}; }

struct Rubrique
{
    const char* libelle;
    Source source{};
};

// Les libellés dans leur ordre d'écriture. Une ligne sans source calculée ici vient du résumé
// des capacités élargi aux dons. Les libellés des classes et capacités que les règles livrées
// n'ont pas, et ceux qu'aucune capacité du catalogue ne compte ("d6, DD : ", "Cout en PX : "...),
// y restent à 0 : ils gardent leur place dans l'ordre sans écrire de ligne.
const Rubrique kRubriques[] = {
    {"Bonus d'intuition de +1 (toucher et dégât) contre : "},
    {"Adaptation draconique : "},
    {"Nombre d'incantation rapide : "},
    {"Puissance des sorts (bonus pour passer la RM) : +"},
    {"Nombre de roulé-boulé : "},
    {"Sorts ou pouvoir magique : "},
    {"Bonus pouvoir runique : +"},
    {"Bonus compétence artisanat runique : +"},
    {"Nombre d'utilisation du pouvoir de lame : "},
    {"Durée du pouvoir de lame : "},
    {"Pouvoir de la lame : "},
    {"Nombre de dés de l'attaque assommante : +"},
    {"Bonus école de la rue (renseignement sur criminel) : +"},
    {"Lors d'une incantation sournoise : +"},
    {"Bonus fighting challenge (bonus de moral aux JS volonté, attaque et dégât contre une cible): +"},
    {"Bonus shield block : +"},
    {"Nombre de châtiment kiai : "},
    {"Bonus châtiment kiai : +"},
    {"Nombre de rage profane : "},
    {"Nombre de sauvagerie : "},
    {"Durée de la sauvagerie : "},
    {"Effet de la sauvagerie : "},
    {"Puissance de la rage : +"},
    {"Nombre d'aura de terreur : "},
    {"Nombre d'attaque cruelle : "},
    {"Bonus virtuel de l'arme : ", plus(flechesMagiques)},
    {"Cout en PX : "},
    {"Durée de la montée de puissance (+8 en force) : "},
    {"Convocation : "},
    {"Bonus discrétion sacrée : +"},
    {"Bonus à l'attaque et aux jets de dégâts : +"},
    {"Bonus à tous les DD (compté dans la liste des sorts) : +"},
    {"Guérison accélérée : "},
    {"Voile : "},
    {"Bonus au NLS pour dissiper les abjurations : +"},
    {"Nombre d'utilisation des protections : "},
    {"DD d'une protection : "},
    {"Bonus au DD pour dissiper ses abjurations : +"},
    {"Croc-en-jambe (défense): +"},
    {"Croc-en-jambe à distance : +"},
    {"Bousculade (défense): +"},
    {"Renversement (défense): +"},
    {"DD rugissement de Léonal : "},
    {"Durée de la célérité féline : "},
    {"Imposition des mains (divinité) : "},
    {"Nombre de châtiment de l'infidèle : "},
    {"Châtiment de l'infidèle : +"},
    {"Régénération : "},
    {"DD Flèches spéciales (Sommeil et Perte de mémoire) : "},
    {"Nombre d'utilisation de la correction des esprit : "},
    {"DD de la correction des esprit : "},
    {"Dégât de la correction des esprit : "},
    {"Nombre d'utilisation de forme spirituelle : "},
    {"Nombre d'utilisation de l'inspiration frénétique : "},
    {"Nombre de frénésie : "},
    {"Durée de la frénésie : "},
    {"Effet de la frénésie : Force : +"},
    {"Nombre d'utilisation de l'aura de malchance : "},
    {"Durée de l'aura de malchance : "},
    {"Nombre d'utilisation du pouvoir ki : "},
    {"Pouvoir ki : ", texte(coupKi)},
    {"Bonus aux dégâts de la frappe éclair : +"},
    {"Durée en round du pouvoir du domaine du voyage : ", plus(domaineVoyage)},
    {"Bonus de résistance au prochain JS (1f/j, 1 heure) de : +", plus(domaineProtection)},
    {"Bonus d'altération à la force (1f/j) de : +", plus(domaineForce)},
    {"Bonus au NLS des sorts du registre de la guérison : ", plus(domaineGuerison)},
    {"Bonus au NLS des sorts du registre de la loi : ", plus(domaineLoi)},
    {"Bonus au NLS des sorts du registre du chaos : ", plus(domaineChaos)},
    {"Bonus au NLS des sorts du registre du mal : ", plus(domaineMal)},
    {"Bonus au NLS des sorts du registre du bien : ", plus(domaineBien)},
    {"Bonus au NLS des sorts du registre de la création : ", plus(domaineCreation)},
    {"Bonus au NLS des sorts d'abjuration : "},
    {"Bonus au NLS des sorts de divination : ", plus(domaineConnaissance)},
    {"Bonus au NLS des sorts d'enchantement  : "},
    {"Bonus au NLS des sorts d'évovation  : "},
    {"Bonus au NLS des sorts d'illusion  : "},
    {"Bonus au NLS des sorts d'invocation  : "},
    {"Bonus au NLS des sorts de nécromantie : "},
    {"Bonus au NLS des sorts de transmutation : "},
    {"Bonus aux tests de compétences juridiques : "},
    {"Nombre de lame de justice : "},
    {"Nombre de châtiment de l'anarchie : "},
    {"Bonus châtiment de l'anarchie : +"},
    {"DD calme de l'ordre : "},
    {"Nombre d'utilisation du pouvoir de Mort : ", sinon(domaineMort)},
    {"Dégât du pouvoir de Mort : ", texte(degatsMort)},
    {"Nombre de dés de vie du contrôle de MV : "},
    {"Nombre de canalisation de sort : "},
    {"Réduction de l'échec aux sorts : "},
    {"Bonus à la CA attaque des mauvais : "},
    {"Nombre de châtiment des aberrations : "},
    {"Bonus châtiment des aberrations : +"},
    {"Bonus à la lutte(résister) : "},
    {"Nombre d'utilisation de sentir le vide : "},
    {"Action possible d'utilisation de sentir le vide : "},
    {"Nombre d'utilisation de moment de clairvoyance : "},
    {"Durée moment de clairvoyance : "},
    {"Libération du vide (3f/j) et durée : "},
    {"Niveau du sort max pour le chant de la vitesse : "},
    {"Nombre de métamagie coopérative : "},
    {"Nombre d effet métamagique : "},
    {"Nombre de métamagie instantanée : "},
    {"Fortification (chance d'éviter un critique ou une attaque sournoise): "},
    {"Nombre de conduit animal : "},
    {"Nombre de conduit par les plantes : "},
    {"Nombre de rage : ", plus(rages)},
    {"Durée de la rage(bonus rage inclut) : ", texte(dureeRage)},
    {"Effet de la rage : Force : +", texte(effetRage)},
    {"Nombre de position défensive : ", plus(positionsDefensives)},
    {"Bonus lors d'un chant de barde ou de quêteur : "},
    {"Nombre de chant du virtuose : "},
    {"Type de chant du virtuose : "},
    {"DD des chants de quêteur : "},
    {"Type de chant de quêteur : "},
    {"Nombre de chant de barde : ", sinon(chantsDeBarde)},
    {"Bonus inspiration vaillante : +", sinon(inspirationVaillante)},
    {"Nombre de cible pour la fascination : ", sinon(ciblesFascination)},
    {"DD de la suggestion : ", sinon(ddSuggestion)},
    {"Bonus d'aptitude de l'inspiration talentueuse : ", sinon(inspirationTalentueuse)},
    {"Nombre de cible pour l'inpiration héroïque : ", sinon(ciblesInspirationHeroique)},
    {"Nombre de cible pour l'inpiration intrépide : ", sinon(ciblesInspirationIntrepide)},
    {"Savoir bardique : +", sinon(savoirBardique)},
    {"Nombre de communication avec les animaux (Mag) : "},
    {"Nombre d'ennemi juré : ", plus(ennemisJures)},
    {"Bonus ennemi juré : ", texte(bonusEnnemisJures)},
    {"Empathie sauvage : +", sinon(empathieSauvage)},
    {"Nombre de coup étourdissant : ", sinon(coupsEtourdissants)},
    {"DD coup étourdissant : ", sinon(ddCoupEtourdissant)},
    {"Niveau du destrier du paladin : ", sinon(niveauDestrier)},
    {"Niveau du compagnon animal : ", sinon(niveauCompagnon)},
    {"Nombre de forme animale : ", plus(formesAnimales)},
    {"Dés de vie de la forme animale : ", plus(desDeVieForme)},
    {"Nombre de forme élémentaire : ", plus(formesElementaires)},
    {"Types de Forme animale : ", texte(typesForme)},
    {"Nombre de dés de soufle : ", plus(desDeSouffle)},
    {"Nombre de dés d'escarmouche : +"},
    {"Bonus à la CA escarmouche : +"},
    {"Bonus dégâts aux sorts : +"},
    {"Niveau maxi du vol de sort : "},
    {"Vol de résistance : "},
    {"Ralliement : +"},
    {"Discours galvanisant : +"},
    {"Résistance au renvoi des morts-vivants : "},
    {"DD (Volonté) de l'attaque spéciale Aura de terreur (Sur): "},
    {"DD voyage par le sang : "},
    {"Prestige(base) : "},
    {"Nombre de dés de précision mortelle : +"},
    {"Nombre de dés sournois : +", plus(desSournois)},
    {"DD décharge fantastique : "},
    {"Dégât de la décharge fantastique : +"},
    {"Détection de la magie à volonté au niveau : "},
    {"Nombre de dés précise : +", plus(desFrappePrecise)},
    {"Nombre d'attaque imprévisible : ", plus(attaquesImprevisibles)},
    {"Nombre de prestidigitation à distance : ", plus(escamotagesADistance)},
    {"Nombre d'ombres illusoire : ", plus(illusionsDOmbre)},
    {"Distance de téléportation par les ombres : ", plus(sautDOmbre)},
    {"Nombre de châtiment du bien : ", plus(chatimentsDuBien)},
    {"Nombre de châtiment du mal : ", plus(chatimentsDuMal)},
    {"Bonus châtiment : +"},
    {"Bonus châtiment du bien : +", plus(bonusChatimentDuBien)},
    {"Bonus châtiment du Mal : +", plus(bonusChatimentDuMal)},
    {"Divers châtiment du Mal : "},
    {"Imposition des mains : ", sinon(impositionDesMains)},
    {"Nombre de renvoi de morts vivants : ", plus(renvois)},
    {"Niveau du cercle de protection contre le mal : "},
    {"Aura impérieuse (bonus aux tests de réaction contre les dragons : "},
    {"Bonus aux dommages contre les dragons : +"},
    {"Dégât subit par les dragons à chacune de leurs attaques réussies : +"},
    {"Nombre de renvoi suprême de morts vivants : "},
    {"Nombre de contrôle ou d'intimidation des créatures végétales  : "},
    {"Nombre de contrôle ou d'intimidation des araignées  : "},
    {"Nombre de renvoi des reptiles  : "},
    {"Nombre de renvoi des vases : "},
    {"Nombre de renvoi des créatures de la terre  : "},
    {"Nombre de renvoi des créatures de l'air  : "},
    {"Nombre de renvoi des créatures de l'eau  : "},
    {"Nombre de renvoi des créatures du feu  : "},
    {"Nombre de renvoi des lycanthrope : "},
    {"Nombre de rejet du mal : "},
    {"Bonus ennemis privilégiés : "},
    {"Bonus au jet d'exorcisme : "},
    {"Explosion énergie positive sur 30 m : "},
    {"d6, DD : "},
    {"Nombre de guérison des maladies par semaine : ", plus(guerisonsDesMaladies)},
    {"Niveau des connaissances céleste : "},
    {"Nombre de contact : "},
    {"Connaissance des géants : +"},
    {"Châtiment des grandes gens : +"},
    {"Bonus de l'aura draconique : +"},
    {"Nombre d'aura à choisir : "},
    {"Nombre de points de vie du touché de vie : "},
    {"Nombre de points de vie de la plénitude divine : "},
    {"Durée d'utilisation du chant de l'épée : "},
    {"Nombre d'aura lumineuse : "},
    {"Nombre d'utilisation du savoir obscur : "},
    {"Types d'utilisation du savoir obscur : "},
    {"Nombre de flirt : "},
    {"Diabolisme : +"},
    {"Nombre de cri de guerre (pour les bonus voir inspiration vaillante) : "},
    {"Niveau de lanceur de sort pour les pouvoir Mag : "},
    {"Bonus à la CA (esquive) monté : +"},
    {"Attachement des arcanes (sorts de niveau 0) : "},
    {"Bonus aux compétences en relation avec la pierre : +"},
    {"Baroud d'honneur, durée et nombre de personnes : "},
    {"Constriction : "},
    {"Eventration à deux armes : "},
    {"Eventration : "},
    {"Déstruction d'armure : "},
    {"Charge en puissance (bonus aux dégâts en cas de charge): +"},
    {"Charge en puissance dégâts en cas de charge : "},
    {"Nombre d'utilisation du pouvoir de lecture d'esprit : "},
    {"Nombre d'utilisation du pouvoir de charme éternel : "},
    {"Nombre d'utilisation du pouvoir de tourment : "},
    {"Nombre d'utilisation du pouvoir de knight challenge : "},
    {"Durée du pouvoir de knight challenge : "},
    {"Dégât de l'écrasement : "},
    {"Dégât du soufle : "},
    {"Type du soufle : "},
    {"Portée de la présence terrifiante : "},
    {"Dègât du balayage de queue : "},
    {"Effet initial et secondaire du venin : "},
    {"Nombre d'utilisation du pouvoir d'influence mentale : "},
    {"Don(s) de création d'objet : "},
};

QString valeur(const Sources& s, const Rubrique& l)
{
    const QString libelle = u8(l.libelle);
    const Source& t = l.source;
    switch (t.mode) {
    case Mode::Texte:
        return t.texte(s, libelle);
    case Mode::Resume: {
        const QStringList textes = s.textes(libelle);
        if (!textes.isEmpty())
            return textes.join(QStringLiteral(", "));
        const int n = s.elargi(libelle);
        return n != 0 ? QString::number(n) : QString();
    }
    case Mode::Plus:
    case Mode::Sinon:
        break;
    }
    const Option classe = t.calcul(s);
    const Entier16 deClasse = classe.value_or(0);
    const Entier16 n = t.mode == Mode::Sinon && classe.has_value() ? deClasse : deClasse + Entier16(s.resume(libelle));
    return n != 0 ? QString::number(int(n)) : QString();
}

} // namespace

QStringList LignesCapacitesClasse(const Fiche& f, const TypeCapacites& resumeAvecDons)
{
    const Sources s(f, resumeAvecDons);
    QStringList lignes;
    for (const Rubrique& l : kRubriques) {
        const QString v = valeur(s, l);
        if (!v.isEmpty())
            lignes << u8(l.libelle) + v;
    }
    return lignes;
}

void RemplitCapacitesClasse(Fiche& f, const ListeCapacitesPerso& capacites)
{
    f.CapacitesClasse = LignesCapacitesClasse(f, ResumeAvecDons(f, capacites));
}

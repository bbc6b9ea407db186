#include "ListeCompetence.h"
#include "ListeDon.h"
#include "rules/Archetypes.h"
#include "shell/TextesCalcul.h"
#include "shell/db/BaseDonnees.h"

#include <QHash>

namespace {

// La liste de la fiche a 61 lignes : les compétences suivantes ne s'affichent pas.
constexpr int kLignesCompetences = 61;

QString u8(const char* texte) { return Litteral(texte); }

// Nom montré : la spécialité choisie pour les artisanats et les professions.
QString nomAffiche(const TypePersonnage& p, const QString& regle)
{
    const std::pair<const char*, const QString*> specialites[] = {
        {"Artisanat 1", &p.Artisanat_1},   {"Artisanat 2", &p.Artisanat_2},   {"Artisanat 3", &p.Artisanat_3},
        {"Profession 1", &p.Profession_1}, {"Profession 2", &p.Profession_2}, {"Profession 3", &p.Profession_3},
        {"Profession 4", &p.Profession_4}};
    for (const auto& [emplacement, specialite] : specialites)
        if (regle == u8(emplacement))
            return *specialite;
    return regle;
}

int indexLigne(const QVector<LigneCompetence>& lignes, const QString& regle)
{
    for (int i = 0; i < lignes.size(); ++i)
        if (lignes.at(i).NomRegle == regle)
            return i;
    return -1;
}

bool aDon(const Fiche& f, const char* don)
{
    return ExistInDonPerso(f.Dons, QString::fromUtf8(don));
}

// Animal choisi de la capacité "Transformation animale" du personnage ; "" sans elle.
QString animalTransformation(const ListeCapacitesPerso& capacites, const QString& personnage)
{
    for (const LigneCapacite& c : capacites)
        if (AppartientA(c, personnage) && c.Nom == u8("Transformation animale"))
            return ChoixEntreCrochets(c.Libelle);
    return {};
}

int nombreCapacites(const ListeCapacitesPerso& capacites, const QString& personnage, const QString& nom)
{
    int n = 0;
    for (const LigneCapacite& c : capacites)
        if (AppartientA(c, personnage) && c.Nom == nom)
            ++n;
    return n;
}

// Statut de classe : 2 pour la classe de référence, 1 pour une autre classe ; les dés de
// vie raciaux rendent de classe les compétences de la race.
qint16 statutClasse(const Ligne& regle, const QStringList& classes, bool deRace, const QString& reference)
{
    qint16 statut = -1;
    for (const QString& classe : classes) {
        qint16 valeur = 0;
        if (EstTypeCreature(classe))
            valeur = deRace ? 1 : 0;
        else if (regle.contient(classe))
            valeur = qint16(regle.entier(classe));
        if (valeur == 1 && classe == reference)
            valeur = 2;
        statut = std::max(statut, valeur);
    }
    return statut;
}

// Caractéristique clé : cas particuliers des créatures et des dons, et notes de circonstance.
void caracCleEtNotes(const Fiche& f, const QString& race, LigneCompetence& l)
{
    const QString& n = l.NomRegle;
    const QString dexterite = u8("Dextérité");
    const auto dexteriteSiMeilleure = [&] {
        const qint16 dex = modifCompetence(f, dexterite);
        if (dex > l.ModifCarac) {
            l.Carac = dexterite;
            l.ModifCarac = dex;
        }
    };
    const auto note = [&](const char* don, const char* texte) {
        if (aDon(f, don))
            l.Notes += u8(texte);
    };
    const char* const foret = "+2 dans une forêt.";
    if (n == u"Concentration") {
        if (f.Race.Type == u"Mort-vivant") {
            l.Carac = u8("Charisme");
            l.ModifCarac = modifCompetence(f, l.Carac);
        }
        note("Magie de guerre ", "+4 lorsqu’il tente de lancer un sort sur la défensive.");
    } else if (n == u"Déplacement silencieux" || n == u"Discrétion" || n == u"Perception auditive") {
        note("Forestier", foret);
    } else if (n == u"Désamorçage/sabotage" || n == u"Fouille") {
        if (aDon(f, "Prospection tactile"))
            dexteriteSiMeilleure();
    } else if (n == u"Détection") {
        note("Découvrir la vérité", "+4 (aptitude) aux tests opposés à la compétence déguisement.");
        note("Forestier", foret);
    } else if (n == u"Diplomatie") {
        note("Amicale", "+4 pour influencer d’autres maîtres de guerre.");
    } else if (n == u"Escalade") {
        static const QStringList grimpeurs{u8("Lézard"), u8("Rat sanguinaire"), u8("Rat"), u8("Singe"), u8("Belette"),
                                           u8("Chat")};
        if (grimpeurs.contains(race) || race.contains(u8("Serpent")))
            dexteriteSiMeilleure();
    } else if (n == u"Natation") {
        if (race == u"Rat" || race == u"Rat sanguinaire")
            dexteriteSiMeilleure();
    } else if (n == u"Saut") {
        if (race == u"Brixashulty" || race == u"Chat")
            dexteriteSiMeilleure();
    } else if (n == u"Survie") {
        note("Un avec la plaine", "+4 aux tests en plaine.");
    }
}

// Rangs : chaque niveau du personnage, dans l'ordre, ajoute ses achats à la ligne de leur n°.
void rangs(BaseDonnees& perso, const QString& nom, const QHash<int, int>& ligneParNumero, bool doubleCarac,
           QVector<LigneCompetence>& lignes)
{
    const QVector<Ligne> niveaux = perso.selectionne(
        QStringLiteral("select Competence from PersonnageProgression where nom=? order by niv"), {nom});
    for (const Ligne& niveau : niveaux)
        for (const AchatCompetence& achat : DecodeAchatsCompetence(niveau.texte(QStringLiteral("Competence")))) {
            const int i = ligneParNumero.value(achat.numero, -1);
            if (i < 0)
                continue;
            lignes[i].Rangs += Entier16(RangsAchat(achat, doubleCarac));
            lignes[i].RangsAchetes = true;
        }
}

// Malus d'armure, doublé pour la natation ; le géant des tempêtes nage sans malus.
void malusArmure(const QVector<Ligne>& regles, qint16 penalite, const QString& race, QVector<LigneCompetence>& lignes)
{
    if (penalite <= 0)
        return;
    for (int i = 0; i < lignes.size(); ++i) {
        if (!regles.at(i).booleen(QStringLiteral("PenaliteArmure")))
            continue;
        LigneCompetence& l = lignes[i];
        l.PenaliteAffichee = true;
        if (l.NomRegle == u8("Natation"))
            l.PenaliteArmure = race == u8("Géant des tempêtes") ? Entier16(0) : Entier16(-2 * penalite);
        else
            l.PenaliteArmure = Entier16(-penalite);
    }
}

// Synergies sans condition : 5 rangs dans une compétence listée donnent leur bonus.
void synergies(const QVector<Ligne>& regles, QVector<LigneCompetence>& lignes)
{
    // Les noms en majuscules une fois pour toutes : chaque liste est comparée à toutes les lignes.
    QVector<std::pair<QString, QString>> noms;
    noms.reserve(lignes.size());
    for (const LigneCompetence& l : std::as_const(lignes))
        noms.append({Majuscules(l.Nom), Majuscules(l.NomRegle)});
    for (int i = 0; i < lignes.size(); ++i) {
        const QString liste = regles.at(i).texte(QStringLiteral("synergie_comp"));
        for (const QStringView brute : QStringView(liste).split(u';', Qt::SkipEmptyParts)) {
            const QString source = Majuscules(brute.toString());
            for (int j = 0; j < lignes.size(); ++j)
                if ((noms.at(j).first == source || noms.at(j).second == source) && lignes.at(j).Rangs >= 5) {
                    lignes[i].BonusSynergie += Entier16(BonusSynergie(lignes.at(j).Rangs));
                    break;
                }
        }
    }
}

void synergiesConditionnelles(BaseDonnees& programme, QVector<LigneCompetence>& lignes)
{
    static const char* const table[][3] = {
        {"Art de la magie", "Utilisation Objets magiques", "pour déchiffrer un sort rédigé sur un parchemin."},
        {"Déguisement", "Bluff",
         "lorsque le personnage se sait observé et fait de son mieux pour se comporter en accord avec le rôle qu’il s’est choisi."},
        {"Escalade", "Maîtrise des cordes",
         "pour grimper à une corde, quelle qu’elle soit (à nœuds ou non, seule ou près d’un mur)."},
        {"Evasion", "Maîtrise des cordes", "quand on cherche à échapper à des cordes."},
        {"Fouille", "Connaissances (architecture)", "pour trouver des passages ou compartiments secrets."},
        {"Maîtrise des cordes", "Evasion", "lorsque l’on cherche à ligoter quelqu’un."},
        {"Utilisation Objets magiques", "Art de la magie", "en rapport avec les parchemins."},
        {"Utilisation Objets magiques", "Décryptage", "en rapport avec les parchemins."},
        {"Survie", "Connaissances (explo souterre)", "sous terre."},
        {"Survie", "Connaissances (nature)",
         "dans un environnement naturel à la surface (collines, déserts, forêts, marécages, milieu aquatique, montagnes et plaines)."},
        {"Survie", "Connaissances (géographie)", "pour éviter de se perdre ou pour éviter des dangers."},
        {"Survie", "Connaissances (plans)", "sur d’autres plans d’existence."},
        {"Survie", "Fouille", "pour trouver ou suivre une piste."}};
    for (const auto& [cible, source, condition] : table) {
        const int i = indexLigne(lignes, u8(cible));
        if (i >= 0)
            BonusSynergieConditionnel(programme, lignes, i, u8(condition), u8(source));
    }
}

// Bonus du don "Bonus d'équitation +2" selon le niveau de preux cavalier.
qint16 bonusEquitation(qint16 niveau, qint16 parDefaut)
{
    if (niveau >= 1 && niveau <= 3)
        return 2;
    if (niveau >= 4 && niveau <= 6)
        return 4;
    if (niveau >= 7 && niveau <= 8)
        return 6;
    if (niveau >= 9 && niveau <= 10)
        return 8;
    return parDefaut;
}

// Synergies de dons : "don,bonus;" pour chaque don de la liste qui profite à la compétence.
void synergiesDons(const QVector<Ligne>& regles, const Fiche& f, const ListeCapacitesPerso& capacites,
                   QVector<LigneCompetence>& lignes)
{
    const TypePersonnage& p = f.Personnage;
    for (int i = 0; i < lignes.size(); ++i) {
        LigneCompetence& l = lignes[i];
        const QString liste = regles.at(i).texte(QStringLiteral("synergie_don"));
        if (liste.isEmpty())
            continue;
        for (const QString& entree : liste.split(u';')) {
            const qsizetype virgule = entree.indexOf(u',');
            if (virgule < 1)
                continue;
            const QString don = entree.left(virgule);
            if (ChercheDonGrille(f.Dons, don, l.NomRegle) < 0)
                continue;
            const qint16 bonus = qint16(Val(entree.mid(virgule + 1)));
            if (don == u8("Gymnaste +2"))
                l.BonusSynergie += Entier16(2 * nombreCapacites(capacites, p.Nom, don));
            else if (don == u8("Amélioration des compétences"))
                l.BonusSynergie += Entier16(NiveauDansClasse(p, u8("Maître de l'esprit")) / 2);
            else if (don == u8("Bonus d'équitation +2"))
                l.BonusSynergie += Entier16(bonusEquitation(NiveauDansClasse(p, u8("Preux cavalier")), bonus));
            else
                l.BonusSynergie += Entier16(bonus);
        }
    }
}

// Estimation : chaque artisanat d'au moins 5 rangs aide à estimer les objets qu'il produit.
// Les lignes d'artisanat sont prises par leur nom, non par leur place dans la liste.
void notesEstimation(QVector<LigneCompetence>& lignes)
{
    const int estimation = indexLigne(lignes, u8("Estimation"));
    if (estimation < 0)
        return;
    for (const char* artisanat : {"Artisanat 1", "Artisanat 2", "Artisanat 3"}) {
        const int i = indexLigne(lignes, u8(artisanat));
        if (i >= 0 && lignes.at(i).Rangs > 4)
            lignes[estimation].Notes += QStringLiteral(" +%1 sur les tests liés aux objets produits par %2.")
                                            .arg(BonusSynergie(lignes.at(i).Rangs))
                                            .arg(lignes.at(i).Nom);
    }
}

// Lignes d'une race (RaceCompetence) ou d'un archétype (ArchetypeCompetence) par compétence, en
// majuscules : une lecture par calcul au lieu d'une recherche par compétence.
class ModifsTable
{
public:
    ModifsTable(BaseDonnees& programme, const char* table, const QString& cle)
    {
        if (cle.isEmpty())
            return;
        for (const Ligne& l : programme.selectionne(
                 QStringLiteral("select NOM, modif, Texte from %1 where Classe=?").arg(QLatin1String(table)), {cle}))
            m_lignes.insert(Majuscules(l.texte(0)), l);
    }
    // Ligne de la compétence ; invalide quand elle manque.
    Ligne ligne(const QString& competence) const { return m_lignes.isEmpty() ? Ligne() : m_lignes.value(Majuscules(competence)); }

private:
    QHash<QString, Ligne> m_lignes;
};

int modif(const Ligne& ligne)
{
    return ligne ? ligne.entier(QStringLiteral("modif")) : 0;
}

void ajouteTexte(LigneCompetence& l, const Ligne& modif)
{
    if (!modif)
        return;
    const QString texte = modif.texte(QStringLiteral("Texte"));
    if (!texte.isEmpty())
        l.Notes += u' ' + texte;
}

// Modificateurs de la race (et la taille pour la discrétion), puis de l'animal de la transformation.
void modificateursRaciaux(BaseDonnees& programme, const Fiche& f, const ModifsTable& race, const QString& animal,
                          QVector<LigneCompetence>& lignes)
{
    const ModifsTable modifsAnimal(programme, "RaceCompetence", animal);
    for (LigneCompetence& l : lignes) {
        const Ligne rc = race.ligne(l.NomRegle);
        if (l.NomRegle == u8("Discrétion"))
            l.ModifRace = Entier16(modif(rc) - ModifTailleLutte(f.Race.taille));
        else if (rc)
            l.ModifRace = Entier16(modif(rc));
        ajouteTexte(l, rc);
        if (animal.isEmpty())
            continue;
        const Ligne ra = modifsAnimal.ligne(l.NomRegle);
        l.ModifRace += Entier16(modif(ra));
        ajouteTexte(l, ra);
    }
}

// Total des lignes qui ont des rangs, qui s'utilisent sans formation ou qui montrent un malus.
void total(LigneCompetence& l)
{
    l.TotalAffiche = l.RangsAchetes || l.SansFormation || l.PenaliteAffichee;
    l.Total = l.TotalAffiche
                  ? l.PenaliteArmure + l.ModifRace + l.ModifCarac + l.Rangs + l.BonusEquipement + l.BonusSynergie
                  : Entier16(0);
}

QString notes(const QVector<LigneCompetence>& lignes)
{
    QString texte;
    for (const LigneCompetence& l : lignes)
        if (!l.Notes.isEmpty())
            texte += l.Nom + QStringLiteral(" : ") + l.Notes + QStringLiteral("\r\n");
    return texte;
}

} // namespace

int CouleurCompetence(qint16 statut)
{
    return statut == 2 ? kCouleurClasseDerniere : statut == 1 ? kCouleurClasseAutre : kCouleurHorsClasse;
}

qint16 BonusSynergie(int rangs)
{
    return rangs < 5 ? 0 : qint16(2 + 2 * Int(double(rangs - 5) / 20));
}

qint16 modifCompetence(const Fiche& f, const QString& carac)
{
    for (const CaracteristiqueFiche& c : f.Caracteristiques)
        if (!carac.isEmpty() && c.Nom == carac)
            return c.Modificateur.valeur();
    return 0;
}

void BonusSynergieConditionnel(BaseDonnees& programme, QVector<LigneCompetence>& lignes, int cible,
                               const QString& condition, const QString& source)
{
    const Ligne regle = programme.premiere(QStringLiteral("select indexalpha from Competence where Nom=? limit 1"), {source});
    if (!regle || cible < 0 || cible >= lignes.size())
        return;
    const int ligne = regle.entier(0);
    if (ligne < 0 || ligne >= lignes.size() || lignes.at(ligne).Rangs < 5)
        return;
    lignes[cible].Notes += QStringLiteral(" +%1 %2").arg(BonusSynergie(lignes.at(ligne).Rangs)).arg(condition.trimmed());
}

void ListeCompetence(BaseDonnees& perso, BaseDonnees& programme, const ListeCapacitesPerso& capacites,
                     const EntreesCompetences& entrees, Fiche& f)
{
    const TypePersonnage& p = f.Personnage;
    QStringList classes;
    for (const Ligne& l : perso.selectionne(
             QStringLiteral("select Classe from PersonnageProgression where nom=? group by Classe"), {p.Nom}))
        classes.append(l.texte(QStringLiteral("Classe")));
    if (classes.isEmpty())
        return;

    // Seules les colonnes lues ici : la table a une colonne par classe des règles.
    QString colonnes = QStringLiteral("Nom, carac1, innee, \"n°\", PenaliteArmure, synergie_comp, synergie_don");
    for (const QString& classe : std::as_const(classes))
        if (!EstTypeCreature(classe) && programme.ExisteChamp(QStringLiteral("Competence"), classe))
            colonnes += QStringLiteral(", ") + identifiant(classe);
    QVector<Ligne> regles = programme.selectionne(QStringLiteral("select %1 from Competence order by nom").arg(colonnes));
    if (regles.size() > kLignesCompetences)
        regles.resize(kLignesCompetences);
    // Sous la transformation animale, l'animal remplace la race pour les caractéristiques clés.
    const QString animal = animalTransformation(capacites, p.Nom);
    const QString raceCles = animal.isEmpty() ? p.RACE : animal;

    const ModifsTable modifsRace(programme, "RaceCompetence", p.RACE);
    QVector<LigneCompetence> lignes;
    QHash<int, int> ligneParNumero;
    for (const Ligne& r : std::as_const(regles)) {
        LigneCompetence l;
        l.NomRegle = r.texte(QStringLiteral("Nom"));
        l.Nom = nomAffiche(p, l.NomRegle);
        l.Statut = statutClasse(r, classes, modifsRace.ligne(l.NomRegle).estValide(),
                                entrees.ClasseReference.isEmpty() ? p.DerniereClasse : entrees.ClasseReference);
        l.Carac = r.texte(QStringLiteral("carac1"));
        l.ModifCarac = modifCompetence(f, l.Carac);
        caracCleEtNotes(f, raceCles, l);
        l.SansFormation = r.texte(QStringLiteral("innee")) != u8("N");
        l.BonusEquipement = SommeBonus(f.Bonus, QStringLiteral("Bonus Competence"), l.NomRegle).nombre;
        ligneParNumero.insert(r.entier(QStringLiteral("n°")), int(lignes.size()));
        lignes.append(l);
    }

    rangs(perso, p.Nom, ligneParNumero, entrees.DoubleCarac, lignes);
    malusArmure(regles, entrees.PenaliteArmure, p.RACE, lignes);
    synergies(regles, lignes);
    synergiesConditionnelles(programme, lignes);
    synergiesDons(regles, f, capacites, lignes);
    notesEstimation(lignes);
    modificateursRaciaux(programme, f, modifsRace, animal, lignes);
    for (LigneCompetence& l : lignes) {
        total(l);
        // Un emplacement d'artisanat ou de profession sans spécialité ne montre pas de modificateur.
        if (l.Nom.isEmpty())
            l.ModifCarac = 0;
    }
    f.NotesCompetences = notes(lignes);
    // L'archétype remplace le modificateur racial : deux bonus raciaux ne se cumulent pas.
    const ModifsTable modifsArchetype(programme, "ArchetypeCompetence", p.Archetype);
    for (LigneCompetence& l : lignes) {
        const Ligne ac = modifsArchetype.ligne(l.NomRegle);
        if (!ac)
            continue;
        l.ModifRace = Entier16(modif(ac));
        total(l);
    }
    f.Competences = lignes;
}

void SautSelonVitesse(Fiche& f)
{
    const int tranches = (int(f.Deplacement.Terre) - 6) / 2;   // cases de 1,5 m ; 6 cases font 9 m
    const Entier16 ajout(tranches * (tranches > 0 ? 4 : 6));
    for (LigneCompetence& l : f.Competences)
        if (l.NomRegle == u"Saut") {
            l.ModifRace += ajout;
            l.Total += ajout;
        }
}

// Données livrées dans tessarys.db : cohérence des références entre tables, et valeurs des règles
// (races, archétypes, dons, classes, compétences, objets, sorts, divinités).
#include "catalogue/CatalogueObjets.h"
#include "commun/Fixtures.h"
#include "rules/Archetypes.h"
#include "rules/Tailles.h"
#include "sheet/Armes.h"
#include "sheet/Equipement.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>

namespace {

// Genres de propriété que la fiche lit sur un objet porté.
const QStringList kGenres = {
    "Bonus Classe Armure", "Bonus sorts", "Bonus Competence", "Bonus Don", "Lancer un sort", "Bonus Caracteristique",
    "Bonus Jet Sauvegarde", "Bonus Déplacement", "Bonus d'archerie (Aptitude)", "Bonus jet d'attaque (Aptitude)",
    "Bonus arme naturelle (altération)", "Résistance à la magie", "Résistance au feu", "Résistance au froid",
    "Résistance à l'acide", "Résistance à l'électricité", "Résistance au son", "Résistance aux dégats",
    "Bonus Dommage", "Bonus Attaque", "Bonus dommage spécial", "Rejet des morts vivants accru",
    "Bonus à l'initiative", "Arc de Puissance", "Animé"};

const QStringList kComposantesCA = {"Armure", "Alteration Armure", "Naturelle", "Alteration Naturelle", "Parade",
                                    "Esquive", "Force Armure", "Force Bouclier", "Chance", "Intuition", "CA Divers",
                                    "Bouclier", "Alteration Bouclier"};

const QStringList kAlignements = {"LOYAL BON", "NEUTRE BON", "CHAOTIQUE BON", "LOYAL NEUTRE", "NEUTRE",
                                  "CHAOTIQUE NEUTRE", "LOYAL MAUVAIS", "NEUTRE MAUVAIS", "CHAOTIQUE MAUVAIS"};

// Mots anglais restés dans un texte des règles (mots-outils et termes fréquents des rubriques de sorts) :
// aucun n'est un mot français.
const QStringList kMotsAnglais = {"the", "then", "none", "no", "yes", "of", "and", "with", "which", "until", "your",
                                  "see", "text", "harmless", "object", "creatures", "feet", "level", "per", "close",
                                  "line", "lines", "lightning", "spread", "burst"};

// Objets dont le texte promet un bonus que la fiche ne sait pas porter, et pourquoi.
const QHash<QString, QString> kPromessesSansPropriete = {
    {"Antidote (fiole)", "consommable, contre le poison seulement"},
    {"Tenue de grand froid", "contre le froid seulement"},
    {"Laboratoire d'alchimiste", "vise une spécialité d'artisanat, que choisit le personnage"},
    {"Outils d'artisan de maître", "vise une spécialité d'artisanat, que choisit le personnage"},
    {"Selle de guerre", "harnachement de la monture, hors des emplacements du personnage"},
    {"Horseshoes of the Peerless Steed", "fers de la monture : le bonus va au cavalier"},
};

// Noms gardés en anglais en attendant leur nom français officiel (data/NOMS-A-REVOIR-SORTS-OBJETS.tsv) :
// paires table, nom.
// Lignes d'un fichier TSV des sources, sans l'en-tête.
QVector<QStringList> lignesTsv(const char* chemin)
{
    QVector<QStringList> lignes;
    QFile f(QDir(qEnvironmentVariable("QUORVANE_SOURCES")).filePath(QString::fromUtf8(chemin)));
    if (!f.open(QIODevice::ReadOnly))
        return lignes;
    f.readLine();
    while (!f.atEnd())
        lignes.append(QString::fromUtf8(f.readLine()).chopped(1).split(u'\t'));
    return lignes;
}

// Sorts, objets et races gardés sous leur nom anglais le temps qu'on vérifie le nom français.
QVector<std::pair<QString, QString>> nomsEnRevue()
{
    QVector<std::pair<QString, QString>> noms;
    for (const QStringList& c : lignesTsv("data/NOMS-A-REVOIR-SORTS-OBJETS.tsv"))
        if (c.size() >= 2)
            noms.append({c.at(0), c.at(1)});
    QHash<QString, QString> races;   // nom du bestiaire -> nom de la race
    for (const QStringList& c : lignesTsv("data/bestiaire/noms.tsv"))
        if (c.size() >= 2)
            races.insert(c.at(0), c.at(1));
    for (const QStringList& c : lignesTsv("data/bestiaire/noms-a-verifier.tsv"))
        if (races.contains(c.at(0)))
            noms.append({QStringLiteral("Race"), races.value(c.at(0))});
    // Les plus longs d'abord : « Animus Blizzard » est ôté entier avant qu'un nom plus court n'y morde.
    std::sort(noms.begin(), noms.end(), [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
    return noms;
}

} // namespace

class TestDonnees : public QObject
{
    Q_OBJECT
    std::unique_ptr<BaseDonnees> m_base;

    int entier(const QString& sql, const QVariantList& valeurs = {}) { return m_base->scalaire(sql, valeurs).toInt(); }
    // Première colonne de chaque ligne, pour des messages d'échec qui nomment les fautifs.
    QStringList liste(const QString& sql, const QVariantList& valeurs = {})
    {
        QStringList l;
        for (const Ligne& ligne : m_base->selectionne(sql, valeurs))
            l.append(ligne.valeur(0).toString());
        return l;
    }
    Ligne progression(const QString& classe, int niveau)
    {
        return m_base->cherche("ClasseProgression", "index", {classe, niveau});
    }
    // Colonnes de niveau de Sort : entre "domaine" et "composantes".
    QStringList colonnesNiveaux()
    {
        const QStringList champs = m_base->champs("Sort");
        const int debut = champs.indexOf("domaine");
        const int fin = champs.indexOf("composantes");
        return debut >= 0 && fin > debut ? champs.mid(debut + 1, fin - debut - 1) : QStringList{};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_base = BaseDonnees::ouvre(QDir(dossierProgramme()).filePath("tessarys.db"));
        QVERIFY(m_base);
    }

    // Chaque requête rend les fautifs d'une règle de cohérence : elle doit ne rien rendre.
    void aucunFautif_data()
    {
        QTest::addColumn<QString>("requete");
        const auto regle = [](const QString& nom, const QString& sql) { QTest::newRow(qPrintable(nom)) << sql; };
        for (const char* table : {"Race", "Archetype"})
            for (int i = 1; i <= 12; ++i)
                regle(QStringLiteral("%1.don_%2").arg(table).arg(i),
                      QStringLiteral("select t.don_%1 from %2 t where t.don_%1 is not null and not exists "
                                     "(select 1 from Dons d where d.Nom = t.don_%1 collate binary)").arg(i).arg(table));
        for (int i = 1; i <= 6; ++i)
            regle(QStringLiteral("ClasseProgression.don_%1").arg(i),
                  QStringLiteral("select distinct don_%1 from ClasseProgression p where don_%1 is not null "
                                 "and not exists (select 1 from Dons where Nom = p.don_%1)").arg(i));
        regle("RaceDons.Don", "select r.Don from RaceDons r where not exists "
                              "(select 1 from Dons d where d.Nom = r.Don collate binary)");
        regle("Metamagie.Nom", "select m.Nom from Metamagie m where not exists "
                               "(select 1 from Dons d where d.Nom = m.Nom collate binary and d.Genre = 'Métamagie')");
        regle("RaceDons.Race", "select r.Race from RaceDons r where not exists (select 1 from Race x where x.Race = r.Race)");
        regle("RaceCompetence.Classe", "select c.Classe from RaceCompetence c where not exists "
                                       "(select 1 from Race x where x.Race = c.Classe)");
        regle("ArchetypeCompetence.Classe", "select c.Classe from ArchetypeCompetence c where not exists "
                                            "(select 1 from Archetype x where x.Archetype = c.Classe)");
        regle("RaceCompetence.NOM", "select c.NOM from RaceCompetence c where not exists "
                                    "(select 1 from Competence k where k.Nom = c.NOM)");
        regle("ArchetypeCompetence.NOM", "select c.NOM from ArchetypeCompetence c where not exists "
                                         "(select 1 from Competence k where k.Nom = c.NOM)");
        // Le numéro de compétence sert à décoder les achats de degrés : il doit être celui de Competence.
        regle("RaceCompetence.n°", "select c.NOM from RaceCompetence c join Competence k on k.Nom = c.NOM "
                                   "where c.\"n°\" is not k.\"n°\"");
        // Les dés de vie raciaux sont des niveaux d'une classe nommée d'après le type de créature ; sans
        // compétence de classe, ils ne donneraient aucun point utile.
        regle("classe des dés de vie raciaux", "select r.Race from Race r where r.Niveau > 0 and not exists "
                                               "(select 1 from Classe c where c.Classe = r.Type)");
        // Une créature sans Intelligence (vase, golem, objet animé) n'a pas de points de compétence.
        regle("compétences des dés de vie raciaux", "select r.Race from Race r where r.Niveau > 0 and not exists "
                                                    "(select 1 from RaceCompetence c where c.Classe = r.Race) and "
                                                    "coalesce(r.CaracAbsentes, '') not like '%Int%'");
        // Une vitesse de nage ou d'escalade donne un bonus racial de +8 dans la compétence.
        for (const auto& [vitesse, competence] : {std::pair("Deplacement_Eau", "Natation"),
                                                  {"Deplacement_Escalade", "Escalade"}})
            regle(vitesse, QStringLiteral("select r.Race from Race r where r.%1 > 0 and not exists (select 1 from "
                                          "RaceCompetence c where c.Classe = r.Race and c.NOM = '%2' and c.modif >= 8)")
                               .arg(vitesse, competence));
        // Chaque don cite un livre connu ; les dons épiques viennent tous du livre des niveaux épiques.
        regle("sources des dons", "select distinct Source from Dons d where not exists "
                                  "(select 1 from Source s where s.Nom = d.Source)");
        regle("sources des dons épiques", "select Nom from Dons where epique and Source <> 'Manuel des niveaux épiques'");
        // Un trait racial n'est ni choisissable ni un genre de don : la forme animale ne le reprend pas.
        regle("genre trait racial", "select Nom from Dongenre where Nom = 'Trait racial'");
        regle("trait racial choisissable", "select Nom from Dons where Genre = 'Trait racial' and not prive");
        regle("métamagie sans ligne", "select d.Nom from Dons d where d.Genre = 'Métamagie' and not exists "
                                      "(select 1 from Metamagie m where m.Nom = d.Nom collate binary)");
        // « supplementaire » dit, pour les règles, si un don peut être repris : comme Multiple.
        regle("dons repris", "select Nom from Dons where coalesce(supplementaire, 0) <> coalesce(Multiple, 0)");
        regle("progression d'une classe absente", "select Classe from ClasseProgression p where not exists "
                                                  "(select 1 from Classe c where c.Classe = p.Classe)");
        regle("prestige de 5 ou 10 niveaux", "select Classe from Classe c where Type = 'Prestige' and (select "
                                             "max(Niveau) from ClasseProgression p where p.Classe = c.Classe) not in (5, 10)");
        regle("niveau de lanceur sans sorts", "select Classe from Classe where not EstLanceurSort and nls <> 0");
        // Une capacité de classe activable est une aptitude que donne la progression de sa classe (hors deux
        // capacités de classes étrangères au SRD, gardées pour leurs règles de calcul).
        regle("capacités activables orphelines",
              "select Nom from CapaciteSort c where Genre = 'Capacité de classe' and Nom not in ('Carapace de tortue', "
              "'Frappe profane') and not exists (select 1 from ClasseProgression p where (c.Classe is null or "
              "p.Classe = c.Classe) and c.Nom in (p.don_1, p.don_2, p.don_3, p.don_4, p.don_5, p.don_6))");
        regle("capacités d'une classe absente", "select Nom from CapaciteSort c where Classe is not null and not "
                                                "exists (select 1 from Classe k where k.Classe = c.Classe)");
        regle("propriétés d'objets absents", "select distinct p.NomObjet from ObjetsPropriete p where not exists "
                                             "(select 1 from Objets o where o.NomObjet = p.NomObjet)");
        // L'équipement de départ des races et des archétypes désigne des objets qui existent.
        for (const char* t : {"Race", "Archetype"}) {
            regle(QStringLiteral("équipement %1 : objet").arg(t),
                  QStringLiteral("select distinct e.objet from %1equipement e where not exists "
                                 "(select 1 from Objets o where o.NomObjet = e.objet)").arg(t));
            regle(QStringLiteral("équipement %1 : porteur").arg(t),
                  QStringLiteral("select distinct e.%1 from %1equipement e where not exists "
                                 "(select 1 from %1 r where r.%1 = e.%1)").arg(t));
        }
        regle("sorts sans classe/niveau", "select Nom from Sort where \"Classe/Niveau\" is null");
        // Chaque sort a son explication, pour qu'on puisse le lancer sans livre.
        regle("sorts sans explication", "select Nom from Sort where Explication is null or length(Explication) < 40");
    }
    void aucunFautif()
    {
        QFETCH(QString, requete);
        const QStringList fautifs = liste(requete);
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.mid(0, 20).join(", ")));
    }

    // Valeurs tirées des règles (vitesses et portées en mètres : 9 m pour 30 pieds ; poids en kg).
    void valeurs_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("attendu");
        const auto valeurs = [](const char* table, const char* nom, const char* champs) {
            for (const QString& c : QString::fromUtf8(champs).split(u'|'))
                QTest::addRow("%s %s", nom, qPrintable(c.section(u'=', 0, 0)))
                    << QString::fromUtf8(table) << QString::fromUtf8(nom) << c.section(u'=', 0, 0) << c.section(u'=', 1);
        };
        valeurs("Race", "Nain", "Deplacement=6|Con=2|Cha=-2|Vision=18");
        valeurs("Race", "Humain", "Deplacement=9|Don=1|Competence=1");
        valeurs("Race", "Elfe", "Dex=2|Con=-2");
        valeurs("Race", "Halfelin", "For=-2|Dex=2|Cha=0|Reflexe=1");
        valeurs("Race", "Halfelin grand-pied", "For=-2");
        valeurs("Race", "Gnome", "taille=Petite");
        valeurs("Race", "Demi-orque", "For=2");
        valeurs("Race", "Drow", "Vision=36|Resistance_magie=11|AdjNiv=2");
        valeurs("Race", "Duergar", "AdjNiv=1");
        valeurs("Race", "Svirfnebelin", "AdjNiv=3");
        valeurs("Race", "Gnoll", "Niveau=2|Type=Humanoïde|AdjNiv=1");
        valeurs("Race", "Ogre", "Niveau=4|Type=Géant|taille=Grande");
        valeurs("Race", "Loup", "Type=Animal|Deplacement=15|Quadripede=1");
        valeurs("Race", "Centaure", "Type=Humanoïde monstrueux");
        // Bestiaire : dés de vie, vitesses (pieds × 0,3), armure naturelle, résistance à la magie, jets forts
        // des dés de vie raciaux déduits des jets du bloc (un gnoll : Vig +4 = 3 + Con 1).
        valeurs("Race", "Gnoll", "JetsBons=Vigueur");
        valeurs("Race", "Dragon rouge adulte", "Niveau=22|taille=Très grande|Deplacement_Air=45|Manoeuvrabilite=Médiocre|"
                                               "Resistance_magie=21|Ca=21|For=22|Allonge=2");
        valeurs("Race", "Triton", "Type=Extérieur|SousType_1=Natif|Deplacement_Eau=12|Ca=6|AdjNiv=2|"
                                  "JetsBons=Réflexe, Vigueur, Volonté");
        valeurs("Race", "Goule", "Niveau=2|Type=Mort-vivant|CaracAbsentes=Con|JetsBons=Volonté|Dex=4");
        valeurs("Race", "Elémentaire de la terre G", "Niveau=8|JetsBons=Vigueur|Rd_texte=5/–|Deplacement=6");
        valeurs("Race", "Cube gélatineux", "Type=Vase|CaracAbsentes=Int|JetsBons=Aucun|taille=Très grande");
        valeurs("Race", "Demi-géant", "Niveau=0|For=2|Dex=-2|Con=2|Source=Manuel extensif des psioniques");
        valeurs("Archetype", "Vampire", "AdjNiv=8|Type=Mort-vivant");
        valeurs("Archetype", "Demi-dragon", "Type=Dragon|For=8");
        valeurs("Archetype", "Squelette", "Type=Mort-vivant");
        valeurs("Metamagie", "Quintessence des sorts", "Niveau=2");
        valeurs("Metamagie", "Incantation rapide", "Niveau=4");
        valeurs("Metamagie", "Extension d'effet", "Niveau=3");
        // Épée longue : 1d8, critique 19-20/x2, 15 po, 4 livres, à une main.
        valeurs("Objets", "Épée longue",
                "DegatDes=1d8|ZoneCritique=19|MultCrit=2|CoutTotal=15|PoidsBase=2|Taille=Moyenne|GroupeObjet=Epée longue");
        // Harnois : armure +8, Dex max +1, malus -6, 35 % d'échec, 50 livres.
        valeurs("Objets", "Harnois",
                "ClasseArmure=8|TypeCa=Armure|BonusDexMax=1|PenaliteArmure=-6|EchecSortProfane=35|PoidsBase=25|Emplacement=1");
        // Arc long : 100 pieds de portée, à deux mains, critique x3 ; la javeline se lance à 30 pieds.
        valeurs("Objets", "Arc long", "Portee=30|Taille=Grande|MultCrit=3");
        valeurs("Objets", "Javeline", "GroupeObjet=Javeline de jet|Portee=9");
        valeurs("Objets", "Rapière", "ZoneCritique=18");
        valeurs("Objets", "Écu en acier", "TypeCa=Bouclier|ClasseArmure=2|EchecSortProfane=15");
        // Version magique : prix de base + 300 (de maître) + 2 000 × bonus², solidité +2 par bonus ; armure :
        // + 150 (de maître) + 1 000 × bonus², et de maître, le malus baisse de 1.
        valeurs("Objets", "Épée longue +2", "CoutTotal=8315|Solidite=14");
        valeurs("Objets", "Harnois +1", "CoutTotal=2650|PenaliteArmure=-5");
        valeurs("Objets", "Anneau de protection +2", "Emplacement=3");
        valeurs("Sort", "Boule de feu", "Ensorceleur=3|Magicien=3|Classe/Niveau=Ens/Mag 3|version=3.5|"
                                        "Portée=Longue (120 m + 12 m/niveau)");
        valeurs("Sort", "Soins légers", "Prêtre=1|Rôdeur=2|Guérison=1");
        valeurs("Sort", "Bénédiction", "Paladin=1");
        valeurs("Sort", "Sommeil", "Adepte=1");
        valeurs("Sort", "Empoisonnement", "Assassin=4");
        valeurs("Sort", "Arme corrompue", "Chevalier noir=1");
        valeurs("Sort", "Mur de feu", "Feu=4");
        valeurs("Sort", "Souhait", "Magicien=9");
        valeurs("Sort", "Décharge électrique", "Magicien=1|Portée=Contact");
        valeurs("Sort", "Assassin imaginaire", "Jet de sauvegarde=Volonté, dévoile (en cas d'interaction), puis Vigueur, "
                                               "partiel ; voir description");
        // Hellball : DD 90, 810 000 po à mettre au point (PX : 1/25 du prix).
        valeurs("Sort", "Hellball", "DDdeDifficultee=90|PourDevellopper=810 000 po, 17 jours, 32 400 PX|"
                                    "Source=Manuel des niveaux épiques");
        // Expérience : 300 × niveau au FP égal au niveau ; ×2 tous les deux FP ; niveaux 1 à 3 comptés comme 3.
        valeurs("Experience", "5", "fp5=1500|fp7=3000");
        valeurs("Experience", "10", "fp8=1500");
        valeurs("Experience", "1", "fp1=300");
        valeurs("Experience", "20", "fp20=6000");
        valeurs("Experience", "3", "fp1/2=150");
    }
    void valeurs()
    {
        QFETCH(QString, table);
        QFETCH(QString, nom);
        QFETCH(QString, champ);
        const QHash<QString, QString> cles{{"Metamagie", "Nom"}, {"Objets", "NomObjet"}, {"Sort", "Nom"},
                                           {"Experience", "Niveau"}};
        const Ligne l = m_base->premiere(QStringLiteral("select * from %1 where \"%2\" = ?").arg(table, cles.value(table, table)),
                                         {nom});
        QVERIFY2(l.estValide(), qPrintable(nom + " absent"));
        QVERIFY2(!l.estNul(champ), qPrintable(champ));
        QTEST(l.valeur(champ).toString(), "attendu");
    }

    // Noms que les règles du programme comparent tels quels, et la nature qu'elles en attendent.
    void donsNommesParLesRegles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<bool>("liearme");
        const auto dons = [](const char* genre, bool arme, std::initializer_list<const char*> noms) {
            for (const char* nom : noms)
                QTest::newRow(nom) << QString::fromUtf8(nom) << QString::fromUtf8(genre) << arme;
        };
        dons("Guerrier", true, {"Arme de prédilection", "Spécialisation martiale", "Arme de prédilection supérieure",
                                "Spécialisation martiale supérieure", "Science du critique", "Rechargement rapide"});
        dons("Guerrier", false, {"Attaque en finesse", "Attaque en puissance", "Combat à deux armes", "Tir rapide",
                                 "Tir à bout portant", "Tir de loin", "Combat en aveugle", "Science de l’initiative",
                                 "Science de la lutte", "Science de la bousculade", "Science du renversement",
                                 "Science du coup de bouclier", "Esquive", "Souplesse du serpent "});
        dons("Général", true, {"Arme naturelle supérieure"});
        dons("Général", false, {"Réflexes surhumains ", "Vigueur surhumaine", "Magie de guerre ", "Course", "Talent",
                                "Prestige ", "Ecole renforcée", "Ecole supérieure", "Attaque spéciale renforcée",
                                "Attaques multiples", "Science des attaques multiples", "Combat à plusieurs armes"});
        dons("Métamagie", false, {"Augmentation d’intensité  ", "Extension de durée", "Substitution d'énergie destructrive"});
        dons("Création d'objets", false, {"Ecriture de parchemins"});
        dons("Epique", true, {"Arme de prédilection épique", "Nuée de flèches", "Rechargement instantané"});
        dons("Epique", false, {"Force surhumaine", "Dexterite surhumaine", "Charisme surhumain", "Prouesse épique",
                               "Emplacement de sort supplémentaire", "Sort supplémentaire", "Spontanéité de domaine",
                               "Bonus ennemi juré", "Châtiment suprême", "Science de la métamagie",
                               "Science du coup étourdissant", "Vitesse aveuglante", "Frappe spectrale"});
    }
    void donsNommesParLesRegles()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        const Ligne l = m_base->premiere("select * from Dons where Nom = ? collate binary", {nom});
        QVERIFY2(l.estValide(), qPrintable(QStringLiteral("« %1 » absent").arg(nom)));
        QCOMPARE(l.texte("Genre"), genre);
        QTEST(l.booleen("liearme"), "liearme");
        QVERIFY(!l.booleen("prive"));
        QCOMPARE(l.booleen("epique"), genre == u"Epique");
        QVERIFY(!l.texte("Explication").isEmpty());
    }

    // Chaque don non psionique du SRD a sa ligne : effectifs par genre d'après les types du SRD (les dons
    // psioniques livrés s'y ajoutent, d'où un minimum) ; et quelques dons longtemps absents.
    void donsDuSrd()
    {
        for (const auto& [genres, epique, minimum] : {std::tuple("'Général', 'Guerrier'", false, 121),
             {"'Création d''objets'", false, 9}, {"'Création d''objets'", true, 6}, {"'Divin'", false, 2}, {"'Divin'",
             true, 3}, {"'Métamagie'", false, 16}, {"'Métamagie'", true, 2}, {"'Epique'", true, 141}}) {
            const int n = entier(QStringLiteral("select count(*) from Dons where Genre collate binary in (%1) and "
                                                "epique = ?").arg(QString::fromUtf8(genres)), {epique});
            QVERIFY2(n >= minimum, qPrintable(QStringLiteral("%1 : %2 dons au lieu d'au moins %3").arg(genres).arg(n).arg(minimum)));
        }
        QVERIFY(entier("select count(*) from Dons where epique") >= 130);
        for (const auto& [nom, genre, epique, multiple] : {std::tuple("Ouvert d'esprit", "Général", false, true),
             {"Forme animale de créature magique", "Epique", true, false}, {"Forme animale colossale", "Epique", true,
             false}, {"Création d'armes et armures magiques épiques", "Création d'objets", true, false},
             {"Ecriture de parchemins épiques", "Création d'objets", true, false}, {"Maîtrise des morts-vivants",
             "Divin", true, false}, {"Zone d'animation", "Divin", true, false}}) {
            const Ligne l = m_base->premiere("select * from Dons where Nom = ? collate binary", {QString::fromUtf8(nom)});
            QVERIFY2(l.estValide(), nom);
            QCOMPARE(l.texte("Genre"), QString::fromUtf8(genre));
            QCOMPARE(l.booleen("epique"), epique);
            QCOMPARE(l.booleen("Multiple"), multiple);
            QVERIFY(!l.texte("Résumé").isEmpty());
        }
        QVERIFY(m_base->cherche("Dons", "nom", {"Robustesse"}).booleen("supplementaire"));
    }

    // Types et tailles que les règles connaissent ; chaque type de créature a sa classe, jusqu'au niveau 40.
    void typesEtTailles()
    {
        QStringList fautifs;
        for (const char* table : {"Race", "Archetype"})
            for (const Ligne& l : m_base->selectionne(QStringLiteral("select %1, Type, taille from %1").arg(table))) {
                if (!TypesCreature().contains(l.texte("Type")) && (table == QLatin1String("Race") || !l.estNul("Type")))
                    fautifs << l.texte(table) + " (type)";
                if (!Tailles().contains(l.texte("taille")) && (table == QLatin1String("Race") || !l.estNul("taille")))
                    fautifs << l.texte(table) + " (taille)";
            }
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.join(", ")));
        QVERIFY(entier("select count(*) from Race") >= 60);
        for (const QString& t : TypesCreature()) {
            QVERIFY2(m_base->cherche("Classe", "PrimaryKey", {t}), qPrintable(t));
            QVERIFY2(progression(t, 40), qPrintable(t));
        }
    }

    // Bonus raciaux de compétences des blocs de caractéristiques des monstres (0 : bonus sous condition).
    void bonusRaciauxDeCompetences_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<int>("modif");
        const auto cas = [](const char* race, const char* competence, int modif) {
            QTest::addRow("%s %s", race, competence) << QString::fromUtf8(race) << QString::fromUtf8(competence) << modif;
        };
        cas("Minotaure", "Fouille", 4);
        cas("Minotaure", "Perception auditive", 4);
        cas("Ettin", "Détection", 2);
        cas("Aasimar", "Perception auditive", 2);
        cas("Tieffelin", "Bluff", 2);
        cas("Tieffelin", "Discrétion", 2);
        cas("Drider", "Déplacement silencieux", 4);
        cas("Lamie", "Bluff", 4);
        cas("Succube", "Détection", 8);
        cas("Succube", "Déguisement", 0);
        cas("Ours brun", "Natation", 4);
        cas("Chien", "Saut", 4);
        cas("Chien", "Survie", 0);
        cas("Ettercap", "Artisanat 1", 0);
        cas("Géant des pierres", "Discrétion", 0);
        cas("Homme-poisson", "Natation", 8);
    }
    void bonusRaciauxDeCompetences()
    {
        QFETCH(QString, race);
        QFETCH(QString, competence);
        QFETCH(int, modif);
        const Ligne l = m_base->premiere("select * from RaceCompetence where Classe = ? and NOM = ?", {race, competence});
        QVERIFY2(l.estValide(), qPrintable(race + " / " + competence));
        QCOMPARE(l.entier("modif"), modif);
        QCOMPARE(!l.texte("Texte").isEmpty(), modif == 0);
    }

    // La table des noms de règles : chaque nom porté existe, et chaque race et archétype livrés y figurent.
    void tableDesNomsDeRegles()
    {
        QFile f(QDir(qEnvironmentVariable("QUORVANE_SOURCES")).filePath("data/NOMS-REGLES.tsv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList entete = QString::fromUtf8(f.readLine()).trimmed().split(u'\t');
        const int table = entete.indexOf("Table");
        const int cle = entete.indexOf("Cle");
        QVERIFY(table >= 0 && cle >= 0);
        QSet<QString> portes;
        while (!f.atEnd()) {
            const QStringList c = QString::fromUtf8(f.readLine()).chopped(1).split(u'\t');
            QCOMPARE(c.size(), entete.size());
            if (c.at(table).isEmpty())
                continue;
            const QString index = c.at(table) == u"Dons" ? "nom" : "PrimaryKey";
            QVERIFY2(m_base->cherche(c.at(table), index, {c.at(cle)}), qPrintable(c.at(table) + u' ' + c.at(cle)));
            portes.insert(c.at(table) + u'|' + c.at(cle));
        }
        QVERIFY(portes.size() > 100);
        QStringList absents;
        for (const QString t : {"Race", "Archetype"})
            for (const QString& nom : liste(QStringLiteral("select %1 from %1").arg(t)))
                if (!portes.contains(t + u'|' + nom))
                    absents.append(nom);
        QVERIFY2(absents.isEmpty(), qPrintable(absents.join(", ")));
    }

    void competences()
    {
        // Une colonne par classe (classes de compétence), un numéro propre à chacune, indexalpha : la place
        // de la compétence dans « order by nom » ; chaque compétence décrite.
        const QStringList colonnes = m_base->champs("Competence");
        for (const QString& classe : liste("select Classe from Classe"))
            QVERIFY2(colonnes.contains(classe, Qt::CaseInsensitive), qPrintable(classe));
        QCOMPARE(entier("select count(distinct \"n°\") from Competence"), entier("select count(*) from Competence"));
        QVERIFY(entier("select count(*) from Competence") <= 61);
        int rang = 0;
        for (const Ligne& l : m_base->selectionne("select Nom, indexalpha from Competence order by nom"))
            QCOMPARE(l.entier("indexalpha"), rang++);
        QStringList incompletes;
        for (const Ligne& l : m_base->selectionne("select * from Competence"))
            for (const char* champ : {"Description", "Test", "Action", "Nouvelles", "Spécial"})
                if (l.texte(QString::fromUtf8(champ)).trimmed().isEmpty())
                    incompletes.append(l.texte("Nom") + u'.' + QString::fromUtf8(champ));
        QVERIFY2(incompletes.isEmpty(), qPrintable(incompletes.join(", ")));
    }

    // Valeurs attendues par les tables de progression de la 3.5 : forte = niveau, moyenne = 3/4,
    // faible = 1/2 ; bon jet = 2 + niveau/2, mauvais = niveau/3.
    void progressions_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QList<int>>("valeurs"); // attaque, Réflexes, Vigueur, Volonté
        QTest::newRow("Guerrier 20") << "Guerrier" << 20 << QList<int>{20, 6, 12, 6};
        QTest::newRow("Magicien 20") << "Magicien" << 20 << QList<int>{10, 6, 6, 12};
        QTest::newRow("Roublard 7") << "Roublard" << 7 << QList<int>{5, 5, 2, 2};
        QTest::newRow("Moine 20") << "Moine" << 20 << QList<int>{15, 12, 12, 12};
        QTest::newRow("Gens du peuple 4") << "Gens du peuple" << 4 << QList<int>{2, 1, 1, 1};
        QTest::newRow("Duelliste 10") << "Duelliste" << 10 << QList<int>{10, 7, 3, 3};
        QTest::newRow("Dragon 10") << "Dragon" << 10 << QList<int>{10, 7, 7, 7};
        QTest::newRow("Animal 24") << "Animal" << 24 << QList<int>{18, 14, 14, 8};
        QTest::newRow("Mort-vivant 20") << "Mort-vivant" << 20 << QList<int>{10, 6, 6, 12};
    }
    void progressions()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveau);
        const Ligne l = progression(classe, niveau);
        QVERIFY(l);
        QTEST((QList<int>{l.entier("attaque"), l.entier("Reflexe"), l.entier("Vigueur"), l.entier("Volonte")}), "valeurs");
    }

    void classes()
    {
        // 11 classes de base et 5 de PNJ à 20 niveaux ; 15 classes de prestige.
        for (const auto& [type, nombre] : {std::pair("Base", 11), {"PNJ", 5}}) {
            const QStringList classes = liste("select Classe from Classe where Type = ?", {type});
            QCOMPARE(classes.size(), nombre);
            for (const QString& c : classes)
                QCOMPARE(entier("select max(Niveau) from ClasseProgression where Classe = ?", {c}), 20);
        }
        QCOMPARE(entier("select count(*) from Classe where Type = 'Prestige'"), 15);
        const Ligne magicien = m_base->cherche("Classe", "PrimaryKey", {"Magicien"});
        QCOMPARE(magicien.texte("CaracSort_Niv"), "Intelligence");
        QVERIFY(magicien.booleen("EstLanceurSort"));
        QVERIFY(!magicien.texte("ListeSort").isEmpty());
        // Chaque ListeSort nomme une colonne de la table des sorts.
        for (const QString& l : liste("select ListeSort from Classe where ListeSort is not null"))
            QVERIFY2(m_base->ExisteChamp("Sort", l), qPrintable(l));
        // Un ensorceleur de niveau 4 connaît 1 sort du niveau 2 et lance 6 sorts du niveau 1 par jour.
        QCOMPARE(progression("Ensorceleur", 4).entier("s_c_2"), 1);
        QCOMPARE(progression("Ensorceleur", 4).entier("s_n_1"), 6);
        // Paladin et rôdeur ont leurs premiers sorts au niveau 4 et lancent à la moitié de leur niveau ;
        // les lanceurs complets lancent dès leur premier niveau de sorts, à leur niveau de classe.
        QStringList ouSorts;
        for (int s = 0; s <= 9; ++s)
            ouSorts << QStringLiteral("s_n_%1 > 0").arg(s);
        for (const Ligne& c : m_base->selectionne("select Classe, nls from Classe where EstLanceurSort")) {
            const int premier = entier(QStringLiteral("select min(Niveau) from ClasseProgression where Classe = ? and "
                                                      "(%1)").arg(ouSorts.join(" or ")), {c.texte("Classe")});
            QVERIFY2(premier >= 1, qPrintable(c.texte("Classe")));
            QCOMPARE(c.entier("nls"), premier >= 4 ? 2 : 0);
        }
        // 6 rages par jour au niveau 20 : six lignes « Rage +1 ».
        QCOMPARE(entier("select count(*) from ClasseProgression where Classe = 'Barbare' and 'Rage +1' in "
                        "(don_1, don_2, don_3, don_4, don_5, don_6)"), 6);
    }

    // Valeurs d'une capacité activable au niveau L, selon les tables de la 3.5 :
    // BonusBase + Int(L / TousLes) × Augmentation, bornée par min et max.
    void capacitesActivables_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char* nom, std::initializer_list<std::pair<int, const char*>> valeurs) {
            for (const auto& [niveau, attendu] : valeurs)
                QTest::addRow("%s %d", nom, niveau) << QString::fromUtf8(nom) << niveau << QString::fromUtf8(attendu);
        };
        cas("Inspiration héroïque", {{9, "1"}, {11, "1"}, {12, "2"}, {20, "4"}});
        cas("Inspiration intrépide", {{15, "1"}, {18, "2"}});
        cas("Ennemi juré", {{1, "1"}, {4, "1"}, {5, "2"}, {20, "5"}});
        cas("Guérison des maladies", {{6, "1"}, {8, "1"}, {9, "2"}, {18, "5"}});
        cas("Suggestion", {{6, "13"}, {19, "19"}});
        cas("Paume vibratoire", {{15, "17"}});
        cas("Plénitude physique", {{7, "14"}, {20, "40"}});
        cas("Musique de barde", {{7, "7"}});
        cas("Coup étourdissant", {{8, "2"}, {20, "5"}});
        cas("Expertise du combat", {{3, "3"}, {12, "5"}});
        cas("Expertise supérieure", {{12, "12"}});
        cas("Attaque mortelle", {{1, "11"}, {10, "20"}});
        cas("Domaine de la mort", {{7, "7d6"}});
    }
    void capacitesActivables()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        const Ligne l = m_base->cherche("CapaciteSort", "index", {nom});
        QVERIFY2(l, qPrintable(nom));
        QVERIFY(l.entier("TousLes") > 0);
        const QString augmentation = l.texte("Augmentation");
        const int pas = niveau / l.entier("TousLes");
        const int d = augmentation.indexOf(u'd');
        const int valeur = std::clamp(l.entier("BonusBase") + pas * augmentation.toInt(), l.entier("min"), l.entier("max"));
        QTEST(d > 0 ? QStringLiteral("%1d%2").arg(pas * augmentation.left(d).toInt()).arg(augmentation.mid(d + 1))
                    : QString::number(valeur),
              "attendu");
    }

    void aptitudes_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("aptitude");
        QTest::newRow("déluge de coups") << "Moine" << 1 << "Déluge de coups";
        QTest::newRow("rage") << "Barbare" << 1 << "Rage +1";
        QTest::newRow("déplacement barbare") << "Barbare" << 1 << "Déplacement accéléré barbare";
        QTest::newRow("sournoise") << "Roublard" << 3 << "Attaque sournoise +1d6";
        QTest::newRow("esquive instinctive") << "Roublard" << 4 << "Esquive instinctive";
        QTest::newRow("empathie") << "Druide" << 1 << "Empathie sauvage";
        QTest::newRow("châtiment") << "Paladin" << 1 << "Châtiment du Mal";
        QTest::newRow("imposition") << "Paladin" << 2 << "Imposition des mains";
    }
    void aptitudes()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveau);
        QFETCH(QString, aptitude);
        const Ligne l = progression(classe, niveau);
        QStringList dons;
        for (int i = 1; i <= 6; ++i)
            dons.append(l.texte(QStringLiteral("don_%1").arg(i)));
        QVERIFY2(dons.contains(aptitude), qPrintable(dons.join(", ")));
        QVERIFY(m_base->cherche("Dons", "nom", {aptitude}).booleen("prive"));
    }

    // Petites tables : sorts en bonus, richesse par niveau, alignements.
    void petitesTables()
    {
        // Modificateur +4 : un sort en plus des niveaux 1 à 4, aucun au-delà ni au niveau 0 ; +9 : 3 du niveau 1.
        const Ligne l = m_base->cherche("ModificateurCaracSortBonus", "PrimaryKey", {4});
        for (int n = 0; n <= 5; ++n)
            QCOMPARE(l.entier(QStringLiteral("s_n_%1").arg(n)), n >= 1 && n <= 4 ? 1 : 0);
        QCOMPARE(m_base->cherche("ModificateurCaracSortBonus", "PrimaryKey", {9}).entier("s_n_1"), 3);
        int precedent = -1;
        for (const Ligne& p : m_base->selectionne("select Niveau, Richesse, EquipementPNJ from Possession order by Niveau")) {
            QVERIFY(p.entier("Richesse") > precedent);
            QVERIFY(p.entier("EquipementPNJ") > 0);
            precedent = p.entier("Richesse");
        }
        QCOMPARE(entier("select count(*) from Possession"), 20);
        QCOMPARE(liste("select Nom from Alignements order by ordre"), kAlignements);
        QVERIFY(m_base->cherche("Caracteristiques", "PrimaryKey", {"Modificateurs"}));
    }

    // Bestiaire ouvert : chaque race dans les vocabulaires que la fiche connaît.
    void bestiaire()
    {
        QVERIFY(entier("select count(*) from Race") >= 550);
        const QSet<QString> jets = {"Réflexe", "Vigueur", "Volonté"};
        const QSet<QString> caracs = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
        QStringList fautes;
        for (const Ligne& r : m_base->selectionne("select Race, Type, taille, Niveau, JetsBons, CaracAbsentes from Race")) {
            const QString nom = r.texte("Race");
            if (!Tailles().contains(r.texte("taille")))
                fautes.append(nom + " : taille " + r.texte("taille"));
            if (!TypesCreature().contains(r.texte("Type")))
                fautes.append(nom + " : type " + r.texte("Type"));
            if (r.entier("Niveau") > 0 && r.texte("JetsBons").isEmpty())
                fautes.append(nom + " : jets des dés de vie raciaux");
            for (const QString& j : r.texte("JetsBons").split(", ", Qt::SkipEmptyParts))
                if (!jets.contains(j) && j != u"Aucun")
                    fautes.append(nom + " : jet " + j);
            for (const QString& c : r.texte("CaracAbsentes").split(", ", Qt::SkipEmptyParts))
                if (!caracs.contains(c))
                    fautes.append(nom + " : caractéristique " + c);
        }
        // Une arme naturelle d'un groupe inconnu des lignes d'attaque n'apparaîtrait pas sur la fiche.
        for (const Ligne& a : m_base->selectionne("select distinct e.objet, o.GroupeObjet from Raceequipement e "
                                                  "join Objets o on o.NomObjet = e.objet"))
            if (!AttaquesNaturelles().contains(a.texte("GroupeObjet")))
                fautes.append(a.texte("objet") + " : groupe " + a.texte("GroupeObjet"));
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.mid(0, 20).join("\n")));
        QVERIFY(entier("select count(distinct Race) from Raceequipement") >= 300);
        // Un trait que remplace un autre n'est pas listé aussi : l'esquive du svirfnebelin vaut contre tous.
        QCOMPARE(entier("select count(*) from Race where Race = 'Svirfnebelin' and 'Entraînement défensif contre les "
                        "géants' in (don_1, don_2, don_3, don_4, don_5, don_6, don_7, don_8, don_9, don_10, don_11, don_12)"),
                 0);
    }

    void objets()
    {
        QVERIFY(entier("select count(*) from Objets") >= 900);
        // Objets magiques nommés : ceux dont une propriété n'est pas une simple altération d'arme ou d'armure.
        QVERIFY(entier("select count(distinct NomObjet) from ObjetsPropriete where propriete_1 not in "
                       "('Bonus Attaque', 'Bonus Dommage') and not (propriete_1 = 'Bonus Classe Armure' and "
                       "propriete_2 in ('Alteration Armure', 'Alteration Bouclier'))") >= 250);
        // Objets magiques : ceux qui portent une propriété, hors matériel ordinaire et objets de maître.
        const int magiques = entier("select count(*) from Objets o where exists (select 1 from ObjetsPropriete p where "
                                    "p.NomObjet = o.NomObjet) and o.NomObjet not like '% de maître' and "
                                    "coalesce(o.Type, '') not like 'Matériel%'");
        QVERIFY2(magiques >= 1650, qPrintable(QString::number(magiques)));
        // Chaque objet magique du SRD a son équivalent au catalogue, ou une raison écrite de ne pas l'avoir.
        const QVector<QStringList> srd = lignesTsv("data/OBJETS-SRD.tsv");
        QCOMPARE(srd.size(), 1680);
        QStringList sansEquivalent;
        for (const QStringList& c : srd) {
            const QStringList noms = c.value(3).split(QStringLiteral(" ; "), Qt::SkipEmptyParts);
            for (const QString& nom : noms)
                if (entier("select count(*) from Objets where NomObjet = ?", {nom}) != 1)
                    sansEquivalent.append(nom + " (absent du catalogue)");
            if (noms.isEmpty() && (c.value(4).isEmpty() || c.value(4) == "manquant"))
                sansEquivalent.append(c.value(2) + " (" + c.value(1) + ")");
        }
        QVERIFY2(sansEquivalent.isEmpty(), qPrintable(QString::number(sansEquivalent.size()) + " : " + sansEquivalent.mid(0, 20).join(", ")));
        // Un parchemin par sort des tables du SRD, profane ou divin.
        QVERIFY(entier("select count(*) from Objets where GroupeObjet = 'Parchemin' and CHARGE = 1") >= 700);
        QVERIFY(entier("select count(*) from Raceequipement") >= 40);
        // Un troll : deux griffes et une morsure ; un vampire frappe d'un coup de 1d6.
        QCOMPARE(entier("select Multiple from Raceequipement where Race = 'Troll' and objet = 'Griffe'"), 2);
        QCOMPARE(m_base->scalaire("select o.DegatDes from ArchetypeEquipement e join Objets o on o.NomObjet = e.objet "
                                  "where e.Archetype = 'Vampire'").toString(), "1d6");
        // Tout objet qui fait des dégâts est une arme dont le groupe est connu des lignes d'attaque, et
        // tout objet typé trouve un emplacement qui l'accepte.
        QStringList fautifs;
        for (const QString& g : liste("select distinct GroupeObjet from Objets where DegatDes is not null"))
            if (!EstArme(g))
                fautifs.append("arme " + g);
        for (const QString& t : liste("select distinct Type from Objets where Type is not null")) {
            TypeObjet o;
            o.Type = t;
            bool accepte = false;
            for (int p = 0; p < kNombrePlaces; ++p)
                accepte = accepte || PlaceAccepte(p, o);
            if (!accepte)
                fautifs.append("type " + t);
        }
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.join(", ")));
    }

    // Un objet dont la description promet un bonus chiffré à une compétence, aux jets de sauvegarde ou à la CA
    // porte la propriété qui le met sur la fiche.
    void bonusPromisPortes()
    {
        QStringList competences;
        for (const QString& c : liste("select Nom from Competence"))
            competences << QRegularExpression::escape(texteFiltre(c.section(u'(', 0, 0).remove(QRegularExpression(" \\d$")).trimmed()));
        competences.removeDuplicates();
        std::sort(competences.begin(), competences.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        const QRegularExpression competence(QStringLiteral("[+-]\\d+ (?:aux tests|au test|en) (?:de |d')?(%1)").arg(competences.join(u'|')));
        const QRegularExpression jets("[+-]\\d+ (?:aux|a tous les|sur les) jets de (?:sauvegarde|vigueur|reflexes?|volonte)");
        const QRegularExpression ca("[+-]\\d+ (?:a la ca|a la classe d'armure|a l'armure naturelle)|bonus "
                                    "(?:d'armure|de parade|d'esquive|d'armure naturelle) (?:de )?[+-]\\d+");
        QStringList fautifs;
        for (const Ligne& o : m_base->selectionne("select NomObjet, Description, ClasseArmure from Objets")) {
            const QString nom = o.texte("NomObjet");
            const QString texte = texteFiltre(o.texte("Description"));
            if (kPromessesSansPropriete.contains(nom))
                continue;
            QStringList cibles;
            for (const Ligne& p : m_base->selectionne("select propriete_1, propriete_2 from ObjetsPropriete where NomObjet = ?", {nom}))
                cibles << p.texte("propriete_1") + u'|' + texteFiltre(p.texte("propriete_2"));
            const auto porte = [&cibles](const QString& debut) {
                return std::any_of(cibles.begin(), cibles.end(), [&debut](const QString& c) { return c.startsWith(debut); });
            };
            for (auto it = competence.globalMatch(texte); it.hasNext();) {
                const QString c = it.next().captured(1);
                if (!porte("Bonus Competence|" + c))
                    fautifs << nom + " (" + c + ")";
            }
            if (jets.match(texte).hasMatch() && !porte("Bonus Jet Sauvegarde|"))
                fautifs << nom + " (jets de sauvegarde)";
            if (ca.match(texte).hasMatch() && !porte("Bonus Classe Armure|") && o.estNul("ClasseArmure"))
                fautifs << nom + " (CA)";
        }
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.join(", ")));
    }

    // Aucun mot-outil anglais dans les textes français des règles (noms en attente de revue mis à part).
    void pasDAnglais()
    {
        const QRegularExpression mot(QStringLiteral("(?<![\\p{L}'’-])(%1)(?![\\p{L}'’-])").arg(kMotsAnglais.join(u'|')),
                                     QRegularExpression::CaseInsensitiveOption);
        const auto enRevue = nomsEnRevue();
        QVERIFY(enRevue.size() >= 71);
        QStringList fautifs;
        // Chaque nom en revue est celui d'une ligne livrée.
        for (const auto& [table, nom] : enRevue)
            if (!m_base->cherche(table, "PrimaryKey", {nom}))
                fautifs << table + " : " + nom + " absent";
        for (const QString& table : liste("select name from sqlite_master where type = 'table' and name not like 'sqlite%'"))
            for (const Ligne& l : m_base->selectionne(QStringLiteral("select * from \"%1\"").arg(table)))
                for (int i = 0; i < l.nombreChamps(); ++i) {
                    if (l.valeur(i).typeId() != QMetaType::QString)
                        continue;
                    QString texte = l.valeur(i).toString();
                    if (!mot.match(texte).hasMatch())
                        continue;
                    for (const auto& n : enRevue)
                        texte.replace(n.second, QString());
                    const QRegularExpressionMatch m = mot.match(texte);
                    if (m.hasMatch())
                        fautifs << QStringLiteral("%1 : « %2 » dans « %3 »").arg(table, m.captured(1), texte.left(80));
                }
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.mid(0, 20).join("\n")));
    }

    void proprietesDansLeVocabulaire()
    {
        const QSet<QString> caracs = {"Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"};
        const QSet<QString> jets = {"Vigueur", "Réflexe", "Volonté"};
        QStringList fautes;
        for (const Ligne& p : m_base->selectionne("select * from ObjetsPropriete")) {
            const QString genre = p.texte("propriete_1");
            const QString cible = p.texte("propriete_2");
            bool bon = kGenres.contains(genre);
            if (genre == u"Bonus Caracteristique")
                bon = caracs.contains(cible);
            else if (genre == u"Bonus Jet Sauvegarde")
                bon = jets.contains(cible);
            else if (genre == u"Bonus Classe Armure")
                bon = kComposantesCA.contains(cible);
            else if (genre == u"Bonus Competence")
                bon = static_cast<bool>(m_base->cherche("Competence", "PrimaryKey", {cible}));
            else if (genre == u"Lancer un sort")
                bon = static_cast<bool>(m_base->cherche("Sort", "PrimaryKey", {cible}));
            else if (genre == u"Bonus Don")
                bon = entier("select count(*) from Dons where Nom = ?", {cible}) == 1;
            if (!bon)
                fautes.append(p.texte("NomObjet") + " : " + genre + " / " + cible);
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.mid(0, 20).join("\n")));
    }

    void proprietesDeReference_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("parade") << "Anneau de protection +2" << "Bonus Classe Armure" << "Parade" << "" << "+2";
        QTest::newRow("force") << "Ceinturon de force de géant +4" << "Bonus Caracteristique" << "Force" << "Alteration"
                               << "+4";
        QTest::newRow("résistance") << "Cape de résistance +3" << "Bonus Jet Sauvegarde" << "Réflexe" << "Résistance"
                                    << "+3";
        QTest::newRow("altération d'arme") << "Épée longue +3" << "Bonus Attaque" << "Tranchant" << "Alteration" << "+3";
        QTest::newRow("altération d'armure") << "Harnois +2" << "Bonus Classe Armure" << "Alteration Armure" << "" << "+2";
        QTest::newRow("feu") << "Épée longue de feu +1" << "Bonus Dommage" << "Feu" << "Alteration" << "+1d6";
        QTest::newRow("baguette") << "Baguette de boule de feu (NLS 5)" << "Lancer un sort" << "Boule de feu"
                                  << "Charges" << "+1";
        QTest::newRow("bottes") << "Bottes elfiques" << "Bonus Competence" << "Déplacement silencieux" << "Aptitude"
                                << "+5";
        // Toutes les compétences liées au Charisme, pas seulement celles de la parole.
        QTest::newRow("persuasion") << "Couronne de persuasion" << "Bonus Competence" << "Utilisation Objets magiques"
                                    << "Aptitude" << "+3";
        QTest::newRow("outil") << "Matériel d'escalade" << "Bonus Competence" << "Escalade" << "Circonstances" << "+2";
        QTest::newRow("parchemin") << "Parchemin profane de boule de feu" << "Lancer un sort" << "Boule de feu"
                                   << "Charges" << "+1";
        QTest::newRow("perle") << "Perle de thaumaturgie (5e niveau)" << "Bonus sorts" << "Cinquièmes arcanes" << ""
                               << "x 1";
        QTest::newRow("sceptre") << "Sceptre de splendeur" << "Bonus Caracteristique" << "Charisme" << "Alteration"
                                 << "+4";
        QTest::newRow("anneau épique") << "Anneau de protection +7" << "Bonus Classe Armure" << "Parade" << "" << "+7";
        // Chaque sort d'un bâton coûte ses propres charges.
        QTest::newRow("bâton") << "Bâton de vie" << "Lancer un sort" << "Rappel à la vie" << "Charges" << "+5";
        QTest::newRow("armure d'ombre") << "Harnois d'ombre +1" << "Bonus Competence" << "Discrétion" << "Aptitude"
                                        << "+5";
        QTest::newRow("lame de chance") << "Lame de chance (1 souhait)" << "Bonus Jet Sauvegarde" << "Volonté"
                                        << "Chance" << "+1";
    }
    void proprietesDeReference()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        QFETCH(QString, cible);
        const Ligne p = m_base->premiere("select * from ObjetsPropriete where NomObjet = ? and propriete_1 = ? and "
                                         "propriete_2 = ?", {nom, genre, cible});
        QVERIFY2(p, qPrintable(nom));
        QTEST(p.texte("propriete_3"), "type");
        QTEST(p.texte("valeur"), "valeur");
    }

    void sorts()
    {
        // Les 699 sorts du SRD, moins trois répétés dans le texte des domaines et des sorts épiques (Rage,
        // Undeath to Death, Genesis).
        QCOMPARE(entier("select count(*) from Sort"), 696);
        QCOMPARE(entier("select count(*) from Domaines"), 36);
        // Chaque sort a un niveau ; chaque colonne de niveau nomme une classe livrée ou un domaine, et
        // chaque domaine a sa colonne.
        const QStringList colonnes = colonnesNiveaux();
        QVERIFY(!colonnes.isEmpty());
        QStringList conditions;
        for (const QString& c : colonnes) {
            conditions.append(QStringLiteral("\"%1\" is not null").arg(c));
            QVERIFY2(m_base->cherche("Classe", "PrimaryKey", {c}) || m_base->cherche("Domaines", "PrimaryKey", {c}),
                     qPrintable(c));
        }
        // Un sort épique n'a pas de niveau mais un DD d'Art de la magie.
        const QStringList sansNiveau = liste(QStringLiteral("select Nom from Sort where not (%1) and DDdeDifficultee is null")
                                                 .arg(conditions.join(" or ")));
        QCOMPARE(entier("select count(*) from Sort where DDdeDifficultee is not null"), 71);
        QVERIFY2(sansNiveau.isEmpty(), qPrintable(sansNiveau.join(", ")));
        for (const QString& d : liste("select Nom from Domaines"))
            QVERIFY2(colonnes.contains(d), qPrintable(d));
        // L'école porte le registre entre parenthèses, comme le cherche le bonus de domaine.
        const Ligne s = m_base->cherche("Sort", "PrimaryKey", {"Boule de feu"});
        QVERIFY(s.texte("Ecole").startsWith("Evocation"));
        QVERIFY(s.texte("Ecole").contains("(Feu)"));
        QVERIFY(s.texte("Explication").contains("1d6"));
        QVERIFY(s.texte("Explication").contains("10d6"));
    }

    void divinites()
    {
        QVERIFY(entier("select count(*) from Dieu") >= 20);
        QStringList fautes;
        const QSet<QString> royaumes = {"Faerûn", "Greyhawk"};
        for (const Ligne& d : m_base->selectionne("select * from Dieu")) {
            const QString nom = d.texte("Nom");
            if (!m_base->cherche("Objets", "PrimaryKey", {d.texte("Arme")}))
                fautes.append(nom + " : arme " + d.texte("Arme"));
            for (const QString& domaine : d.texte("domaines").split(", "))
                if (!m_base->cherche("Domaines", "PrimaryKey", {domaine}))
                    fautes.append(nom + " : domaine " + domaine);
            if (!kAlignements.contains(d.texte("Alignement")))
                fautes.append(nom + " : alignement " + d.texte("Alignement"));
            if (!royaumes.contains(d.texte("royaume")))
                fautes.append(nom + " : royaume " + d.texte("royaume"));
            if (entier("select count(*) from dieurace where nom = ?", {d.texte("RACE")}) != 1)
                fautes.append(nom + " : race " + d.texte("RACE"));
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join("\n")));
    }
};

QTEST_GUILESS_MAIN(TestDonnees)
#include "test_donnees.moc"

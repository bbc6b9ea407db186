// Races, archétypes et dons livrés dans tessarys.db : cohérence des références et valeurs des règles.
#include "commun/Fixtures.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

const QStringList kTypesCreature = {
    QStringLiteral("Aberration"), QStringLiteral("Animal"), QStringLiteral("Créature artificielle"),
    QStringLiteral("Créature magique"), QStringLiteral("Dragon"), QStringLiteral("Elémentaire"),
    QStringLiteral("Extérieur"), QStringLiteral("Fée"), QStringLiteral("Géant"), QStringLiteral("Humanoïde"),
    QStringLiteral("Humanoïde monstrueux"), QStringLiteral("Mort-vivant"), QStringLiteral("Plante"),
    QStringLiteral("Vase"), QStringLiteral("Vermine")};

const QStringList kTailles = {
    QStringLiteral("Infime"), QStringLiteral("Minuscule"), QStringLiteral("Très petite"), QStringLiteral("Petite"),
    QStringLiteral("Moyenne"), QStringLiteral("Grande"), QStringLiteral("Très grande"),
    QStringLiteral("Gigantesque"), QStringLiteral("Colossale"), QStringLiteral("Colossale+")};

// Première colonne de chaque ligne d'une requête, pour des messages d'échec qui nomment les fautifs.
QStringList colonne(BaseDonnees& base, const QString& sql)
{
    QStringList r;
    for (const Ligne& l : base.selectionne(sql))
        r.append(l.valeur(0).toString());
    return r;
}

} // namespace

class TestDonneesRaces : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BaseDonnees> m_base;

private slots:
    void initTestCase()
    {
        m_base = BaseDonnees::ouvre(dossierProgramme() + QStringLiteral("/tessarys.db"));
        QVERIFY(m_base);
    }

    void donsReferencesExistent_data()
    {
        QTest::addColumn<QString>("requete");
        for (const char* table : {"Race", "Archetype"}) {
            for (int i = 1; i <= 12; ++i) {
                const QString sql = QStringLiteral("select t.don_%1 from %2 t where t.don_%1 is not null "
                                                   "and not exists (select 1 from Dons d where d.Nom = t.don_%1 "
                                                   "collate binary)")
                                        .arg(i)
                                        .arg(QLatin1String(table));
                QTest::newRow(qPrintable(QStringLiteral("%1.don_%2").arg(QLatin1String(table)).arg(i))) << sql;
            }
        }
        QTest::newRow("RaceDons.Don") << QStringLiteral(
            "select r.Don from RaceDons r where not exists (select 1 from Dons d where d.Nom = r.Don collate binary)");
        QTest::newRow("Metamagie.Nom") << QStringLiteral(
            "select m.Nom from Metamagie m where not exists "
            "(select 1 from Dons d where d.Nom = m.Nom collate binary and d.Genre = 'Métamagie')");
        QTest::newRow("RaceDons.Race") << QStringLiteral(
            "select r.Race from RaceDons r where not exists (select 1 from Race x where x.Race = r.Race)");
        QTest::newRow("RaceCompetence.Classe") << QStringLiteral(
            "select c.Classe from RaceCompetence c where not exists (select 1 from Race x where x.Race = c.Classe)");
        QTest::newRow("ArchetypeCompetence.Classe") << QStringLiteral(
            "select c.Classe from ArchetypeCompetence c where not exists "
            "(select 1 from Archetype x where x.Archetype = c.Classe)");
        QTest::newRow("RaceCompetence.NOM") << QStringLiteral(
            "select c.NOM from RaceCompetence c where not exists (select 1 from Competence k where k.Nom = c.NOM)");
        QTest::newRow("ArchetypeCompetence.NOM") << QStringLiteral(
            "select c.NOM from ArchetypeCompetence c where not exists (select 1 from Competence k where k.Nom = c.NOM)");
        // Le numéro de compétence sert à décoder les achats de degrés : il doit être celui de Competence.
        QTest::newRow("RaceCompetence.n°") << QStringLiteral(
            "select c.NOM from RaceCompetence c join Competence k on k.Nom = c.NOM where c.\"n°\" is not k.\"n°\"");
        // Les dés de vie raciaux sont des niveaux d'une classe nommée d'après le type de créature.
        QTest::newRow("classe des dés de vie raciaux") << QStringLiteral(
            "select r.Race from Race r where r.Niveau > 0 and not exists (select 1 from Classe c where c.Classe = r.Type)");
        // Sans compétence de classe, des dés de vie raciaux ne donneraient aucun point utile.
        QTest::newRow("compétences des dés de vie raciaux") << QStringLiteral(
            "select r.Race from Race r where r.Niveau > 0 and not exists "
            "(select 1 from RaceCompetence c where c.Classe = r.Race)");
    }

    void donsReferencesExistent()
    {
        QFETCH(QString, requete);
        const QStringList fautifs = colonne(*m_base, requete);
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.join(QStringLiteral(", "))));
    }

    void typesEtTailles()
    {
        QStringList fautifs;
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Race, Type, taille from Race"))) {
            if (!kTypesCreature.contains(l.texte(QStringLiteral("Type"))))
                fautifs << l.texte(QStringLiteral("Race")) + QStringLiteral(" (type)");
            if (!kTailles.contains(l.texte(QStringLiteral("taille"))))
                fautifs << l.texte(QStringLiteral("Race")) + QStringLiteral(" (taille)");
        }
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Archetype, Type, taille from Archetype"))) {
            if (!l.estNul(QStringLiteral("Type")) && !kTypesCreature.contains(l.texte(QStringLiteral("Type"))))
                fautifs << l.texte(QStringLiteral("Archetype")) + QStringLiteral(" (type)");
            if (!l.estNul(QStringLiteral("taille")) && !kTailles.contains(l.texte(QStringLiteral("taille"))))
                fautifs << l.texte(QStringLiteral("Archetype")) + QStringLiteral(" (taille)");
        }
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.join(QStringLiteral(", "))));
        QVERIFY(m_base->scalaire(QStringLiteral("select count(*) from Race")).toInt() >= 60);
    }

    // Valeurs tirées des règles (vitesses en mètres : 9 m pour 30 pieds).
    void valeursDesRaces_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QVariant>("attendu");
        const auto ligne = [](const char* table, const char* nom, const char* champ, const QVariant& v) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QString::fromUtf8(nom), QLatin1String(champ))))
                << QString::fromLatin1(table) << QString::fromUtf8(nom) << QString::fromLatin1(champ) << v;
        };
        ligne("Race", "Nain", "Deplacement", 6);
        ligne("Race", "Nain", "Con", 2);
        ligne("Race", "Nain", "Cha", -2);
        ligne("Race", "Nain", "Vision", 18);
        ligne("Race", "Humain", "Deplacement", 9);
        ligne("Race", "Humain", "Don", 1);
        ligne("Race", "Humain", "Competence", 1);
        ligne("Race", "Elfe", "Dex", 2);
        ligne("Race", "Halfelin", "For", -2);
        ligne("Race", "Halfelin", "Dex", 2);
        ligne("Race", "Halfelin", "Cha", 0);
        ligne("Race", "Halfelin grand-pied", "For", -2);
        ligne("Race", "Elfe", "Con", -2);
        ligne("Race", "Gnome", "taille", QStringLiteral("Petite"));
        ligne("Race", "Halfelin", "Reflexe", 1);
        ligne("Race", "Demi-orque", "For", 2);
        ligne("Race", "Drow", "Vision", 36);
        ligne("Race", "Drow", "Resistance_magie", 11);
        ligne("Race", "Drow", "AdjNiv", 2);
        ligne("Race", "Duergar", "AdjNiv", 1);
        ligne("Race", "Svirfnebelin", "AdjNiv", 3);
        ligne("Race", "Gnoll", "Niveau", 2);
        ligne("Race", "Gnoll", "Type", QStringLiteral("Humanoïde"));
        ligne("Race", "Gnoll", "AdjNiv", 1);
        ligne("Race", "Ogre", "Niveau", 4);
        ligne("Race", "Ogre", "Type", QStringLiteral("Géant"));
        ligne("Race", "Ogre", "taille", QStringLiteral("Grande"));
        ligne("Race", "Loup", "Type", QStringLiteral("Animal"));
        ligne("Race", "Loup", "Deplacement", 15);
        ligne("Race", "Loup", "Quadripede", 1);
        ligne("Race", "Centaure", "Type", QStringLiteral("Humanoïde monstrueux"));
        ligne("Archetype", "Vampire", "AdjNiv", 8);
        ligne("Archetype", "Vampire", "Type", QStringLiteral("Mort-vivant"));
        ligne("Archetype", "Demi-dragon", "Type", QStringLiteral("Dragon"));
        ligne("Archetype", "Demi-dragon", "For", 8);
        ligne("Archetype", "Squelette", "Type", QStringLiteral("Mort-vivant"));
        ligne("Metamagie", "Quintessence des sorts", "Niveau", 2);
        ligne("Metamagie", "Incantation rapide", "Niveau", 4);
        ligne("Metamagie", "Extension d'effet", "Niveau", 3);
    }

    void valeursDesRaces()
    {
        QFETCH(QString, table);
        QFETCH(QString, nom);
        QFETCH(QString, champ);
        QFETCH(QVariant, attendu);
        const QString cle = table == QLatin1String("Metamagie") ? QStringLiteral("Nom") : table;
        const Ligne l = m_base->premiere(QStringLiteral("select * from %1 where %2 = ?").arg(table, cle), {nom});
        QVERIFY2(l.estValide(), qPrintable(nom + QStringLiteral(" absent")));
        if (attendu.typeId() == QMetaType::QString)
            QCOMPARE(l.texte(champ), attendu.toString());
        else
            QCOMPARE(l.entier(champ), attendu.toInt());
    }

    // Noms que les règles du programme comparent tels quels, et la nature qu'elles en attendent.
    void donsNommesParLesRegles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<bool>("liearme");
        const auto don = [](const char* nom, const char* genre, bool arme = false) {
            QTest::newRow(nom) << QString::fromUtf8(nom) << QString::fromUtf8(genre) << arme;
        };
        don("Arme de prédilection", "Guerrier", true);
        don("Spécialisation martiale", "Guerrier", true);
        don("Arme de prédilection supérieure", "Guerrier", true);
        don("Spécialisation martiale supérieure", "Guerrier", true);
        don("Science du critique", "Guerrier", true);
        don("Arme de prédilection épique", "Epique", true);
        don("Rechargement rapide", "Guerrier", true);
        don("Arme naturelle supérieure", "Général", true);
        don("Attaque en finesse", "Guerrier");
        don("Attaque en puissance", "Guerrier");
        don("Combat à deux armes", "Guerrier");
        don("Tir rapide", "Guerrier");
        don("Tir à bout portant", "Guerrier");
        don("Tir de loin", "Guerrier");
        don("Combat en aveugle", "Guerrier");
        don("Science de l’initiative", "Guerrier");
        don("Science de la lutte", "Guerrier");
        don("Science de la bousculade", "Guerrier");
        don("Science du renversement", "Guerrier");
        don("Science du coup de bouclier", "Guerrier");
        don("Esquive", "Guerrier");
        don("Souplesse du serpent ", "Guerrier");
        don("Réflexes surhumains ", "Général");
        don("Vigueur surhumaine", "Général");
        don("Magie de guerre ", "Général");
        don("Course", "Général");
        don("Talent", "Général");
        don("Prestige ", "Général");
        don("Ecole renforcée", "Général");
        don("Ecole supérieure", "Général");
        don("Attaque spéciale renforcée", "Général");
        don("Attaques multiples", "Général");
        don("Science des attaques multiples", "Général");
        don("Combat à plusieurs armes", "Général");
        don("Augmentation d’intensité  ", "Métamagie");
        don("Extension de durée", "Métamagie");
        don("Ecriture de parchemins", "Création d'objets");
        don("Force surhumaine", "Epique");
        don("Dexterite surhumaine", "Epique");
        don("Charisme surhumain", "Epique");
        don("Prouesse épique", "Epique");
        don("Emplacement de sort supplémentaire", "Epique");
        don("Sort supplémentaire", "Epique");
        don("Spontanéité de domaine", "Epique");
        don("Bonus ennemi juré", "Epique");
        don("Substitution d'énergie destructrive", "Métamagie");
        don("Châtiment suprême", "Epique");
        don("Science de la métamagie", "Epique");
        don("Science du coup étourdissant", "Epique");
        don("Vitesse aveuglante", "Epique");
        don("Frappe spectrale", "Epique");
        don("Nuée de flèches", "Epique", true);
        don("Rechargement instantané", "Epique", true);
    }

    void donsNommesParLesRegles()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        QFETCH(bool, liearme);
        const Ligne l = m_base->premiere(QStringLiteral("select * from Dons where Nom = ? collate binary"), {nom});
        QVERIFY2(l.estValide(), qPrintable(QStringLiteral("« %1 » absent").arg(nom)));
        QCOMPARE(l.texte(QStringLiteral("Genre")), genre);
        QCOMPARE(l.booleen(QStringLiteral("liearme")), liearme);
        QVERIFY(!l.booleen(QStringLiteral("prive")));
        QCOMPARE(l.booleen(QStringLiteral("epique")), genre == QLatin1String("Epique"));
        QVERIFY(!l.texte(QStringLiteral("Explication")).isEmpty());
    }

    // Chaque don non psionique du SRD a sa ligne : effectifs par genre d'après les types du SRD
    // (les dons psioniques livrés s'y ajoutent, d'où un minimum).
    void donsDuSrdParGenre_data()
    {
        QTest::addColumn<QStringList>("genres");
        QTest::addColumn<bool>("epique");
        QTest::addColumn<int>("minimum");
        const QStringList general = {QStringLiteral("Général"), QStringLiteral("Guerrier")};
        QTest::newRow("généraux et de guerrier") << general << false << 121;
        QTest::newRow("création d'objets") << QStringList{QStringLiteral("Création d'objets")} << false << 9;
        QTest::newRow("création d'objets épiques") << QStringList{QStringLiteral("Création d'objets")} << true << 6;
        QTest::newRow("divins") << QStringList{QStringLiteral("Divin")} << false << 2;
        QTest::newRow("divins épiques") << QStringList{QStringLiteral("Divin")} << true << 3;
        QTest::newRow("métamagie") << QStringList{QStringLiteral("Métamagie")} << false << 16;
        QTest::newRow("métamagie épique") << QStringList{QStringLiteral("Métamagie")} << true << 2;
        QTest::newRow("épiques, formes animales comprises") << QStringList{QStringLiteral("Epique")} << true << 141;
    }

    void donsDuSrdParGenre()
    {
        QFETCH(QStringList, genres);
        QFETCH(bool, epique);
        QFETCH(int, minimum);
        QStringList marques;
        QVariantList valeurs;
        for (const QString& g : genres) {
            marques << QStringLiteral("?");
            valeurs << g;
        }
        valeurs << epique;
        const int n = m_base->scalaire(QStringLiteral("select count(*) from Dons where Genre collate binary in (%1) "
                                                      "and epique = ?").arg(marques.join(u',')),
                                       valeurs).toInt();
        QVERIFY2(n >= minimum, qPrintable(QStringLiteral("%1 dons au lieu d'au moins %2").arg(n).arg(minimum)));
    }

    // Quelques dons du SRD longtemps absents, dont un que les règles des points de compétence nomment.
    void donsDuSrdPresents_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<bool>("epique");
        QTest::addColumn<bool>("multiple");
        const auto don = [](const char* nom, const char* genre, bool epique, bool multiple = false) {
            QTest::newRow(nom) << QString::fromUtf8(nom) << QString::fromUtf8(genre) << epique << multiple;
        };
        don("Ouvert d'esprit", "Général", false, true);
        don("Forme animale de créature magique", "Epique", true);
        don("Forme animale colossale", "Epique", true);
        don("Création d'armes et armures magiques épiques", "Création d'objets", true);
        don("Ecriture de parchemins épiques", "Création d'objets", true);
        don("Maîtrise des morts-vivants", "Divin", true);
        don("Zone d'animation", "Divin", true);
    }

    // « supplementaire » dit, pour les règles, si un don peut être repris : comme Multiple.
    void donsRepris()
    {
        QCOMPARE(m_base->scalaire(QStringLiteral("select count(*) from Dons where coalesce(supplementaire, 0) <> "
                                                 "coalesce(Multiple, 0)")).toInt(), 0);
        QVERIFY(m_base->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {QStringLiteral("Robustesse")})
                    .booleen(QStringLiteral("supplementaire")));
    }

    void donsDuSrdPresents()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        QFETCH(bool, epique);
        QFETCH(bool, multiple);
        const Ligne l = m_base->premiere(QStringLiteral("select * from Dons where Nom = ? collate binary"), {nom});
        QVERIFY2(l.estValide(), qPrintable(QStringLiteral("« %1 » absent").arg(nom)));
        QCOMPARE(l.texte(QStringLiteral("Genre")), genre);
        QCOMPARE(l.booleen(QStringLiteral("epique")), epique);
        QCOMPARE(l.booleen(QStringLiteral("Multiple")), multiple);
        QVERIFY(!l.texte(QStringLiteral("Résumé")).isEmpty());
    }

    // Une vitesse de nage ou d'escalade donne un bonus racial de +8 dans la compétence.
    void vitessesSpecialesDonnentLeurBonus_data()
    {
        QTest::addColumn<QString>("vitesse");
        QTest::addColumn<QString>("competence");
        QTest::newRow("nage") << QStringLiteral("Deplacement_Eau") << QStringLiteral("Natation");
        QTest::newRow("escalade") << QStringLiteral("Deplacement_Escalade") << QStringLiteral("Escalade");
    }
    void vitessesSpecialesDonnentLeurBonus()
    {
        QFETCH(QString, vitesse);
        QFETCH(QString, competence);
        const QStringList sansBonus = colonne(*m_base, QStringLiteral(
            "select r.Race from Race r where r.%1 > 0 and not exists (select 1 from RaceCompetence c "
            "where c.Classe = r.Race and c.NOM = '%2' and c.modif >= 8)").arg(vitesse, competence));
        QVERIFY2(sansBonus.isEmpty(), qPrintable(sansBonus.join(QStringLiteral(", "))));
    }

    // Bonus raciaux de compétences des blocs de caractéristiques des monstres.
    void bonusRaciauxDeCompetences_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<int>("modif");
        QTest::addColumn<bool>("conditionnel");
        const auto cas = [](const char* race, const char* competence, int modif, bool conditionnel = false) {
            QTest::addRow("%s %s", race, competence) << QString::fromUtf8(race) << QString::fromUtf8(competence)
                                                    << modif << conditionnel;
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
        cas("Succube", "Déguisement", 0, true);
        cas("Ours brun", "Natation", 4);
        cas("Chien", "Saut", 4);
        cas("Chien", "Survie", 0, true);
        cas("Ettercap", "Artisanat 1", 0, true);
        cas("Géant des pierres", "Discrétion", 0, true);
        cas("Homme-poisson", "Natation", 8);
    }
    void bonusRaciauxDeCompetences()
    {
        QFETCH(QString, race);
        QFETCH(QString, competence);
        QFETCH(int, modif);
        QFETCH(bool, conditionnel);
        const Ligne l = m_base->premiere(QStringLiteral("select * from RaceCompetence where Classe = ? and NOM = ?"),
                                         {race, competence});
        QVERIFY2(l.estValide(), qPrintable(race + QStringLiteral(" / ") + competence));
        QCOMPARE(l.entier(QStringLiteral("modif")), modif);
        QCOMPARE(!l.texte(QStringLiteral("Texte")).isEmpty(), conditionnel);
    }

    // La table des noms de règles recense chaque race et chaque archétype livrés.
    void nomsDeReglesCouvrentRacesEtArchetypes()
    {
        QFile f(QDir(qEnvironmentVariable("QUORVANE_SOURCES")).filePath(QStringLiteral("data/NOMS-REGLES.tsv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList entete = QString::fromUtf8(f.readLine()).trimmed().split(u'\t');
        const int table = entete.indexOf(QStringLiteral("Table"));
        const int cle = entete.indexOf(QStringLiteral("Cle"));
        QSet<QString> portes;
        while (!f.atEnd()) {
            const QStringList c = QString::fromUtf8(f.readLine()).chopped(1).split(u'\t');
            portes.insert(c.value(table) + u'|' + c.value(cle));
        }
        QStringList absents;
        for (const QString& t : {QStringLiteral("Race"), QStringLiteral("Archetype")})
            for (const QString& nom : colonne(*m_base, QStringLiteral("select %1 from %1").arg(t)))
                if (!portes.contains(t + u'|' + nom))
                    absents.append(nom);
        QVERIFY2(absents.isEmpty(), qPrintable(absents.join(QStringLiteral(", "))));
    }

    // Chaque don cite un livre connu ; les dons épiques viennent tous du livre des niveaux épiques.
    void sourcesDesDons()
    {
        const QStringList inconnues = colonne(*m_base, QStringLiteral(
            "select distinct Source from Dons d where not exists (select 1 from Source s where s.Nom = d.Source)"));
        QVERIFY2(inconnues.isEmpty(), qPrintable(inconnues.join(QStringLiteral(", "))));
        const QStringList ailleurs = colonne(*m_base, QStringLiteral(
            "select Nom from Dons where epique and Source <> 'Manuel des niveaux épiques'"));
        QVERIFY2(ailleurs.isEmpty(), qPrintable(ailleurs.join(QStringLiteral(", "))));
        QVERIFY(m_base->scalaire(QStringLiteral("select count(*) from Dons where epique")).toInt() >= 130);
    }

    // Un trait racial n'est ni choisissable ni un genre de don : la forme animale ne le reprend pas.
    void traitsRaciaux()
    {
        QVERIFY(m_base->scalaire(QStringLiteral("select count(*) from Dongenre where Nom = 'Trait racial'")).toInt() == 0);
        const QStringList choisissables = colonne(
            *m_base, QStringLiteral("select Nom from Dons where Genre = 'Trait racial' and not prive"));
        QVERIFY2(choisissables.isEmpty(), qPrintable(choisissables.join(QStringLiteral(", "))));
        const QStringList genres = colonne(*m_base, QStringLiteral(
            "select d.Nom from Dons d where d.Genre = 'Métamagie' and not exists "
            "(select 1 from Metamagie m where m.Nom = d.Nom collate binary)"));
        QVERIFY2(genres.isEmpty(), qPrintable(genres.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(TestDonneesRaces)
#include "test_donnees_races.moc"

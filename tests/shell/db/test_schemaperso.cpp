// Disposition courante d'une base de personnages : champs, types, index, et requêtes des fenêtres.
#include "AnciennesBases.h"
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/SchemaPerso.h"

#include <QtTest>

namespace {

struct BaseCourante
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> perso = baseEssai(dossier, "perso.db");
    std::unique_ptr<BaseDonnees> programme = baseEssai(dossier, "tessarys.db");
    BaseCourante()
    {
        creeProgrammeMinimal(*programme);
        creeBasePersonnages(*perso, *programme);
    }
};

} // namespace

class TestSchemaPerso : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Types imposés ; « texte » et « nombre » pour les champs dont seul l'usage est connu.
    void typesDesChamps_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("type");
        const auto types = [](const char* table, const char* champs, const char* type) {
            for (const QString& champ : noms(champs))
                QTest::addRow("%s.%s", table, qPrintable(champ)) << QString::fromUtf8(table) << champ << QString::fromUtf8(type);
        };
        types("Personnage", "Nom RACE Profil Titre Dieu Alignement Cheveux Yeux Sexe Date EcoleSpecialisation LangueConnue "
                            "Alphabet Classe_1..3", "texte");
        types("Personnage", "Beaute Poids Taille Age MalusXP Endurance Puissance Précision Équilibre Résistance Vitalité "
                            "Intellect Érudition Intuition Volonté Magnétisme Charme", "nombre");
        types("Personnage", "Classe_4..8 Domaine_1..4 Profession_1..4 Artisanat_1..3 EnergieElu_1..3 EnergieSorcier_1..2 "
                            "Archetype ElementWujen ElementShugenja OrdreShugenja DragonTotem EnnemisJures Image", "Texte(50)");
        types("Personnage", "Niv_1..8", "Entier");
        types("Personnage", "Ecole_interdite_1..4 BackGround Histoire", "Memo");
        types("Personnage", "TotalPo", "Double");
        types("Personnage", "TotalXP", "Long");
        types("Personnage", "exclu", "Booleen");
        types("PersonnageProgression", "Nom Classe Competence", "texte");
        types("PersonnageProgression", "Niveau PV For Dex Con Int Sag Cha modifInt niv", "nombre");
        types("PersonnageDons", "Nom Classe dons Libelle", "texte");
        types("PersonnageDons", "Niveau niv", "nombre");
        types("Equipement", "Personnage NomObjet Tempo", "texte");
        types("Equipement", "Place Pos", "nombre");
        types("Equipement", "Type", "Texte(50)");
        types("Equipement", "CHARGE Multiple", "Entier");
        types("Equipement", "SurPersonnage", "Booleen");
        types("SortPersonnage", "NomPerso NomSort", "texte");
        types("SortPersonnage", "Niveau", "Entier");
        types("SortPersonnage", "ClassePerso", "Texte(50)");
        types("SortListe", "NomPerso ClassePerso NomSort Metamagie", "Texte(255)");
        types("SortListe", "Niveau", "Entier");
        types("SortListe", "EmplacementSort", "Texte(50)");
        types("Capacites", "Nom Personnage Type Texte", "Texte(50)");
        types("Capacites", "Modificateur_1..2", "Entier");
        types("Version", "Version Objets", "Entier");
        types("Version", "DateModif", "Date");
        types("Donsperso", "Nom Source Caracteristique", "Texte(50)");
        types("Donsperso", "Genre", "Texte(255)");
        types("Donsperso", "Version", "Double");
        types("Donsperso", "Résumé Explication", "Memo");
        types("Donsperso", "Prive Liearme Multiple Epique Pouvoir Tare Trait", "Booleen");
        types("Objets", "NomObjet TypeCa GroupeObjet Taille Type DegatDes ZoneCritique Tempo", "texte");
        types("Objets", "PoidsBase ClasseArmure EchecSortProfane PenaliteArmure BonusDexMax MultCrit", "nombre");
        types("Objets", "CoutTotal Portee", "Double");
        types("Objets", "Description", "Memo");
        types("Objets", "Solidite Resistance CHARGE", "Entier");
        types("ObjetsPropriete", "NomObjet Type propriete_1..3 valeur", "texte");
        types("ObjetsPropriete", "Place", "nombre");
    }
    void typesDesChamps()
    {
        QFETCH(QString, table);
        QFETCH(QString, champ);
        QFETCH(QString, type);
        const DefinitionChamp c = champPersonnages(table, champ);
        QCOMPARE(c.nom, champ);
        const QString lu = nomType(c.type, c.taille);
        if (type == u"texte")
            QVERIFY2(c.type == TypeChamp::Texte || c.type == TypeChamp::Memo, qPrintable(lu));
        else if (type == u"nombre")
            QVERIFY2(c.type == TypeChamp::Entier || c.type == TypeChamp::Long || c.type == TypeChamp::Double, qPrintable(lu));
        else
            QCOMPARE(lu, type);
    }

    // Les tables, l'ordre des champs du personnage, et la base créée conforme à sa description.
    void disposition()
    {
        QStringList tables;
        for (const DefinitionTable& t : schemaPersonnages())
            tables.append(t.nom);
        tables.sort();
        QCOMPARE(tables, noms("Capacites Donsperso Equipement Objets ObjetsPropriete Personnage PersonnageDons "
                              "PersonnageProgression SortListe SortPersonnage Version"));
        QStringList lus;
        for (const DefinitionChamp& c : tablePersonnages("Personnage").champs)
            lus.append(c.nom);
        QCOMPARE(lus, noms("Nom RACE Classe_1..8 Niv_1..8 Archetype Profil Titre Dieu Alignement Beaute Poids Taille Age "
                           "MalusXP Cheveux Yeux Sexe Date EcoleSpecialisation LangueConnue Alphabet Domaine_1..4 "
                           "Ecole_interdite_1..4 TotalPo TotalXP Profession_1..4 Artisanat_1..3 EnergieElu_1..3 "
                           "EnergieSorcier_1..2 ElementWujen ElementShugenja OrdreShugenja DragonTotem EnnemisJures Image "
                           "BackGround Histoire exclu Endurance Puissance Précision Équilibre Résistance Vitalité Intellect "
                           "Érudition Intuition Volonté Magnétisme Charme"));
        BaseCourante b;
        QCOMPARE(dispositionLue(*b.perso), dispositionDecrite(schemaPersonnages()));
        // La mise à niveau supprime et recrée ces champs : aucun index ne doit les tenir.
        for (const auto& [table, champ] : {std::pair("Equipement", "Type"), {"Objets", "CoutTotal"},
                                           {"Equipement", "Tempo"}, {"Objets", "Tempo"}})
            for (const DefinitionIndex& i : tablePersonnages(table).index)
                QVERIFY2(!i.champs.contains(champ, Qt::CaseInsensitive), qPrintable(i.nom));
        QCOMPARE(champPersonnages("personnage", "CLASSE_4").nom, "Classe_4");
        QVERIFY_THROWS_EXCEPTION(ErreurBase, tablePersonnages("Race"));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, champPersonnages("Personnage", "Classe_9"));
    }

    // Les requêtes que les autres fenêtres adressent aux tables des personnages.
    void requetesDesFenetres()
    {
        BaseCourante b;
        for (const char* sql :
             {"select nom,race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,classe_1,classe_2,classe_3,classe_4,classe_5,"
              "classe_6,classe_7,classe_8 from personnage where exclu=false order by nom",
              "select nom, race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,malusxp,archetype,totalxp from personnage "
              "where exclu=false order by nom",
              "select Nom, Race, Endurance, Puissance, Précision, Équilibre, Résistance, Vitalité, Intellect, Érudition, "
              "Intuition, Volonté, Magnétisme, Charme, profil, titre, dieu, alignement, beaute, poids, taille, age, malusxp, "
              "cheveux, yeux, sexe, date, ecolespecialisation, langueconnue, alphabet, domaine_1, domaine_2, domaine_3, "
              "domaine_4, ecole_interdite_1, ecole_interdite_2, ecole_interdite_3, ecole_interdite_4, totalpo, totalxp, "
              "profession_1, profession_2, profession_3, profession_4, artisanat_1, artisanat_2, artisanat_3, energieelu_1, "
              "energieelu_2, energieelu_3, energiesorcier_1, energiesorcier_2, elementwujen, elementshugenja, "
              "ordreshugenja, dragontotem, ennemisjures, image, archetype from personnage order by nom",
              "SELECT nomobjet,couttotal,poidsBase,ClasseArmure,TypeCa,EchecSortProfane,PenaliteArmure,BonusDexMax,portee,"
              "GroupeObjet,Taille,Type,DegatDes,ZoneCritique,MultCrit,description, solidite,resistance,charge from objets "})
            b.perso->selectionne(QString::fromUtf8(sql));
        for (const char* sql :
             {"select  Niveau,classe,PV,For,Dex,Con,Int,Sag,Cha,competence,modifInt from personnageProgression where nom=? "
              "order by niv",
              "update PersonnageProgression set niv=0 where nom=?", "delete from PersonnageProgression where nom=? and niv=0",
              "update PersonnageDons set niv=0 where nom=?", "delete from PersonnageDons where nom=? and niv=0",
              "update Equipement set pos=0 where personnage=?", "delete from Equipement where personnage=? and pos=0",
              "delete from SortPersonnage where nomPerso=?", "delete from SortListe where nomPerso=?",
              "delete from Personnage where nom=?", "update personnageDons set nom='X' where nom=?",
              "update SortListe set nomperso='X' where nomperso=?", "update Equipement set personnage='X' where personnage=?",
              "select Place,NomObjet,pos from equipement where personnage=?",
              "select Type,place from Equipement where personnage=? order by NomObjet",
              "select Background,histoire from personnage where nom=?", "select * from Equipement where personnage=?",
              "select Description from Objets  where nomObjet=?", "Select * from ObjetsPropriete where nomObjet=?",
              "update objets set nomobjet='X' where nomobjet=?"})
            b.perso->selectionne(QString::fromUtf8(sql), {"D'Artagnan"});
    }

    // Chaque recherche par index nommé retrouve la ligne par le nom (casse mise à part) et la suite de la clé.
    void recherchesParIndex_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QVariantList>("cle");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("Personnage") << "Personnage" << "primarykey" << QVariantList{"bob"} << "Alignement" << "NEUTRE";
        QTest::newRow("progression") << "PersonnageProgression" << "index" << QVariantList{"BOB", "Guerrier", 2} << "niv" << "3";
        QTest::newRow("dons") << "PersonnageDons" << "index" << QVariantList{"Bob", "Roublard", 1} << "dons" << "Esquive";
        QTest::newRow("équipement par position") << "Equipement" << "index" << QVariantList{"bob", 2} << "NomObjet" << "Corde";
        QTest::newRow("équipement par objet") << "Equipement" << "PrimaryKey" << QVariantList{"Bob", "corde"} << "Pos" << "2";
        QTest::newRow("sorts connus") << "SortPersonnage" << "index" << QVariantList{"Bob", "Magicien", "Lumière"} << "Niveau"
                                      << "0";
        QTest::newRow("objets") << "Objets" << "PrimaryKey" << QVariantList{"épée LONGUE"} << "GroupeObjet" << "Epée";
        QTest::newRow("propriétés") << "ObjetsPropriete" << "index1" << QVariantList{"ÉPÉE LONGUE"} << "propriete_2" << "Force";
        QTest::newRow("dons du joueur") << "Donsperso" << "Nom" << QVariantList{"frappe"} << "Genre" << "Général";
    }
    void recherchesParIndex()
    {
        QFETCH(QString, table);
        QFETCH(QString, index);
        QFETCH(QVariantList, cle);
        QFETCH(QString, champ);
        BaseCourante b;
        BaseDonnees& p = *b.perso;
        p.ajoute("Personnage", {{"Nom", "Bob"}, {"Alignement", "NEUTRE"}});
        for (const auto& [classe, niveau, niv] : {std::tuple("Guerrier", 1, 1), {"Roublard", 1, 2}, {"Guerrier", 2, 3}})
            p.ajoute("PersonnageProgression", {{"Nom", "Bob"}, {"Classe", classe}, {"Niveau", niveau}, {"niv", niv}});
        p.ajoute("PersonnageDons", {{"Nom", "Bob"}, {"Classe", "Guerrier"}, {"Niveau", 1}, {"dons", "Robustesse"}});
        p.ajoute("PersonnageDons", {{"Nom", "Bob"}, {"Classe", "Roublard"}, {"Niveau", 1}, {"dons", "Esquive"}});
        p.ajoute("Equipement", {{"Personnage", "Bob"}, {"NomObjet", "Épée longue"}, {"Pos", 1}});
        p.ajoute("Equipement", {{"Personnage", "Bob"}, {"NomObjet", "Corde"}, {"Pos", 2}});
        p.ajoute("SortPersonnage", {{"NomPerso", "Bob"}, {"ClassePerso", "Magicien"}, {"NomSort", "Lumière"}, {"Niveau", 0}});
        p.ajoute("Donsperso", {{"Nom", "Frappe"}, {"Genre", "Général"}});
        const Ligne trouvee = p.cherche(table, index, cle);
        QVERIFY(trouvee);
        QTEST(trouvee.texte(champ), "attendu");
    }

    // Les clés uniques refusent un double, casse mise à part ; l'équipement admet des positions
    // répétées (toutes à 0 le temps d'un enregistrement).
    void unicite_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QVariantMap>("premiere");
        QTest::addColumn<QVariantMap>("seconde");
        QTest::addColumn<bool>("refusee");
        QTest::newRow("personnage") << "Personnage" << QVariantMap{{"Nom", "Élise"}} << QVariantMap{{"Nom", "élise"}} << true;
        QTest::newRow("objet") << "Objets" << QVariantMap{{"NomObjet", "Corde"}} << QVariantMap{{"NomObjet", "CORDE"}} << true;
        QTest::newRow("don du joueur") << "Donsperso" << QVariantMap{{"Nom", "Frappe"}} << QVariantMap{{"Nom", "frappe"}} << true;
        QTest::newRow("équipement en attente")
            << "Equipement" << QVariantMap{{"Personnage", "Bob"}, {"NomObjet", "Corde"}, {"Pos", 0}}
            << QVariantMap{{"Personnage", "Bob"}, {"NomObjet", "Corde"}, {"Pos", 0}} << false;
        QTest::newRow("niveaux") << "PersonnageProgression"
                                 << QVariantMap{{"Nom", "Bob"}, {"Classe", "Guerrier"}, {"Niveau", 1}, {"niv", 0}}
                                 << QVariantMap{{"Nom", "Bob"}, {"Classe", "Guerrier"}, {"Niveau", 1}, {"niv", 1}} << false;
    }
    void unicite()
    {
        QFETCH(QString, table);
        QFETCH(QVariantMap, premiere);
        QFETCH(QVariantMap, seconde);
        QFETCH(bool, refusee);
        DossierTest d;
        auto base = baseEssai(d, "essai.db");
        base->creeTable(tablePersonnages(table));
        base->ajoute(table, premiere);
        if (refusee)
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute(table, seconde));
        else
            base->ajoute(table, seconde);
        QCOMPARE(base->scalaire("SELECT count(*) FROM " + identifiant(table)).toInt(), refusee ? 1 : 2);
    }

    // Une ligne neuve n'est pas exclue : « where exclu=false » la compte ; les autres oui/non aussi.
    void ouiNonAFauxParDefaut()
    {
        BaseCourante b;
        for (const auto& [table, cle, champ] : {std::tuple("Personnage", "Nom", "exclu"),
                                                {"Equipement", "Personnage", "SurPersonnage"},
                                                {"Donsperso", "Nom", "Prive"}, {"Donsperso", "Nom", "Epique"}}) {
            b.perso->execute(QStringLiteral("delete from %1").arg(table));
            b.perso->ajoute(table, {{cle, "Bob"}});
            QVERIFY2(b.perso->scalaire(QStringLiteral("select count(*) from %1 where %2=false").arg(table, champ)).toInt() == 1,
                     champ);
        }
    }
};

QTEST_GUILESS_MAIN(TestSchemaPerso)
#include "test_schemaperso.moc"

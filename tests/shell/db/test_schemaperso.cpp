// Disposition courante d'une base de personnages : champs, types, index, et requêtes des fenêtres.
#include "AnciennesBases.h"
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/SchemaPerso.h"

#include <QtTest>

namespace {

QStringList serie(const QString& prefixe, int premier, int dernier)
{
    QStringList noms;
    for (int i = premier; i <= dernier; ++i)
        noms.append(prefixe + QString::number(i));
    return noms;
}

struct BaseCourante
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> perso = baseEssai(dossier, QStringLiteral("perso.db"));
    std::unique_ptr<BaseDonnees> programme = baseEssai(dossier, QStringLiteral("tessarys.db"));
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

    void ajouteType(const char* table, const QStringList& champs, const char* type)
    {
        for (const QString& champ : champs)
            QTest::addRow("%s.%s", table, qPrintable(champ)) << QString::fromUtf8(table) << champ << QString::fromUtf8(type);
    }

private Q_SLOTS:
    // Types imposés ; « texte » et « nombre » pour les champs dont seul l'usage est connu.
    void typesDesChamps_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("type");
        ajouteType("Personnage",
                   QStringList{QStringLiteral("Nom"), QStringLiteral("RACE"), QStringLiteral("Profil"), QStringLiteral("Titre"),
                               QStringLiteral("Dieu"), QStringLiteral("Alignement"), QStringLiteral("Cheveux"),
                               QStringLiteral("Yeux"), QStringLiteral("Sexe"), QStringLiteral("Date"),
                               QStringLiteral("EcoleSpecialisation"), QStringLiteral("LangueConnue"), QStringLiteral("Alphabet")}
                       + serie(QStringLiteral("Classe_"), 1, 3),
                   "texte");
        ajouteType("Personnage",
                   QStringList{QStringLiteral("Beaute"), QStringLiteral("Poids"), QStringLiteral("Taille"), QStringLiteral("Age"),
                               QStringLiteral("MalusXP"), QStringLiteral("Endurance"), QStringLiteral("Puissance"),
                               QStringLiteral("Précision"), QStringLiteral("Équilibre"), QStringLiteral("Résistance"),
                               QStringLiteral("Vitalité"), QStringLiteral("Intellect"), QStringLiteral("Érudition"),
                               QStringLiteral("Intuition"), QStringLiteral("Volonté"), QStringLiteral("Magnétisme"),
                               QStringLiteral("Charme")},
                   "nombre");
        ajouteType("Personnage",
                   serie(QStringLiteral("Classe_"), 4, 8) + serie(QStringLiteral("Domaine_"), 1, 4)
                       + serie(QStringLiteral("Profession_"), 1, 4) + serie(QStringLiteral("Artisanat_"), 1, 3)
                       + serie(QStringLiteral("EnergieElu_"), 1, 3) + serie(QStringLiteral("EnergieSorcier_"), 1, 2)
                       + QStringList{QStringLiteral("Archetype"), QStringLiteral("ElementWujen"),
                                     QStringLiteral("ElementShugenja"), QStringLiteral("OrdreShugenja"),
                                     QStringLiteral("DragonTotem"), QStringLiteral("EnnemisJures"), QStringLiteral("Image")},
                   "Texte(50)");
        ajouteType("Personnage", serie(QStringLiteral("Niv_"), 1, 8), "Entier");
        ajouteType("Personnage",
                   serie(QStringLiteral("Ecole_interdite_"), 1, 4)
                       + QStringList{QStringLiteral("BackGround"), QStringLiteral("Histoire")},
                   "Memo");
        ajouteType("Personnage", {QStringLiteral("TotalPo")}, "Double");
        ajouteType("Personnage", {QStringLiteral("TotalXP")}, "Long");
        ajouteType("Personnage", {QStringLiteral("exclu")}, "Booleen");

        ajouteType("PersonnageProgression",
                   {QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("Competence")}, "texte");
        ajouteType("PersonnageProgression",
                   {QStringLiteral("Niveau"), QStringLiteral("PV"), QStringLiteral("For"), QStringLiteral("Dex"),
                    QStringLiteral("Con"), QStringLiteral("Int"), QStringLiteral("Sag"), QStringLiteral("Cha"),
                    QStringLiteral("modifInt"), QStringLiteral("niv")},
                   "nombre");
        ajouteType("PersonnageDons",
                   {QStringLiteral("Nom"), QStringLiteral("Classe"), QStringLiteral("dons"), QStringLiteral("Libelle")}, "texte");
        ajouteType("PersonnageDons", {QStringLiteral("Niveau"), QStringLiteral("niv")}, "nombre");

        ajouteType("Equipement", {QStringLiteral("Personnage"), QStringLiteral("NomObjet"), QStringLiteral("Tempo")}, "texte");
        ajouteType("Equipement", {QStringLiteral("Place"), QStringLiteral("Pos")}, "nombre");
        ajouteType("Equipement", {QStringLiteral("Type")}, "Texte(50)");
        ajouteType("Equipement", {QStringLiteral("CHARGE"), QStringLiteral("Multiple")}, "Entier");
        ajouteType("Equipement", {QStringLiteral("SurPersonnage")}, "Booleen");

        ajouteType("SortPersonnage", {QStringLiteral("NomPerso"), QStringLiteral("NomSort")}, "texte");
        ajouteType("SortPersonnage", {QStringLiteral("Niveau")}, "Entier");
        ajouteType("SortPersonnage", {QStringLiteral("ClassePerso")}, "Texte(50)");

        ajouteType("SortListe",
                   {QStringLiteral("NomPerso"), QStringLiteral("ClassePerso"), QStringLiteral("NomSort"),
                    QStringLiteral("Metamagie")},
                   "Texte(255)");
        ajouteType("SortListe", {QStringLiteral("Niveau")}, "Entier");
        ajouteType("SortListe", {QStringLiteral("EmplacementSort")}, "Texte(50)");

        ajouteType("Capacites",
                   {QStringLiteral("Nom"), QStringLiteral("Personnage"), QStringLiteral("Type"), QStringLiteral("Texte")},
                   "Texte(50)");
        ajouteType("Capacites", {QStringLiteral("Modificateur_1"), QStringLiteral("Modificateur_2")}, "Entier");

        ajouteType("Version", {QStringLiteral("Version"), QStringLiteral("Objets")}, "Entier");
        ajouteType("Version", {QStringLiteral("DateModif")}, "Date");

        ajouteType("Donsperso",
                   {QStringLiteral("Nom"), QStringLiteral("Source"), QStringLiteral("Caracteristique")}, "Texte(50)");
        ajouteType("Donsperso", {QStringLiteral("Genre")}, "Texte(255)");
        ajouteType("Donsperso", {QStringLiteral("Version")}, "Double");
        ajouteType("Donsperso", {QStringLiteral("Résumé"), QStringLiteral("Explication")}, "Memo");
        ajouteType("Donsperso",
                   {QStringLiteral("Prive"), QStringLiteral("Liearme"), QStringLiteral("Multiple"), QStringLiteral("Epique"),
                    QStringLiteral("Pouvoir"), QStringLiteral("Tare"), QStringLiteral("Trait")},
                   "Booleen");

        ajouteType("Objets",
                   {QStringLiteral("NomObjet"), QStringLiteral("TypeCa"), QStringLiteral("GroupeObjet"),
                    QStringLiteral("Taille"), QStringLiteral("Type"), QStringLiteral("DegatDes"),
                    QStringLiteral("ZoneCritique"), QStringLiteral("Tempo")},
                   "texte");
        ajouteType("Objets",
                   {QStringLiteral("PoidsBase"), QStringLiteral("ClasseArmure"), QStringLiteral("EchecSortProfane"),
                    QStringLiteral("PenaliteArmure"), QStringLiteral("BonusDexMax"), QStringLiteral("MultCrit")},
                   "nombre");
        ajouteType("Objets", {QStringLiteral("CoutTotal"), QStringLiteral("Portee")}, "Double");
        ajouteType("Objets", {QStringLiteral("Description")}, "Memo");
        ajouteType("Objets", {QStringLiteral("Solidite"), QStringLiteral("Resistance"), QStringLiteral("CHARGE")}, "Entier");

        ajouteType("ObjetsPropriete",
                   {QStringLiteral("NomObjet"), QStringLiteral("Type"), QStringLiteral("propriete_1"),
                    QStringLiteral("propriete_2"), QStringLiteral("propriete_3"), QStringLiteral("valeur")},
                   "texte");
        ajouteType("ObjetsPropriete", {QStringLiteral("Place")}, "nombre");
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

    void tablesDeLaBase()
    {
        QStringList noms;
        for (const DefinitionTable& t : schemaPersonnages())
            noms.append(t.nom);
        noms.sort();
        QCOMPARE(noms, (QStringList{QStringLiteral("Capacites"), QStringLiteral("Donsperso"), QStringLiteral("Equipement"),
                                    QStringLiteral("Objets"), QStringLiteral("ObjetsPropriete"), QStringLiteral("Personnage"),
                                    QStringLiteral("PersonnageDons"), QStringLiteral("PersonnageProgression"),
                                    QStringLiteral("SortListe"), QStringLiteral("SortPersonnage"), QStringLiteral("Version")}));
    }

    void ordreDuPersonnage()
    {
        const QStringList attendu =
            QStringList{QStringLiteral("Nom"), QStringLiteral("RACE")} + serie(QStringLiteral("Classe_"), 1, 8)
            + serie(QStringLiteral("Niv_"), 1, 8)
            + QStringList{QStringLiteral("Archetype"), QStringLiteral("Profil"), QStringLiteral("Titre"), QStringLiteral("Dieu"),
                          QStringLiteral("Alignement"), QStringLiteral("Beaute"), QStringLiteral("Poids"),
                          QStringLiteral("Taille"), QStringLiteral("Age"), QStringLiteral("MalusXP"), QStringLiteral("Cheveux"),
                          QStringLiteral("Yeux"), QStringLiteral("Sexe"), QStringLiteral("Date"),
                          QStringLiteral("EcoleSpecialisation"), QStringLiteral("LangueConnue"), QStringLiteral("Alphabet")}
            + serie(QStringLiteral("Domaine_"), 1, 4) + serie(QStringLiteral("Ecole_interdite_"), 1, 4)
            + QStringList{QStringLiteral("TotalPo"), QStringLiteral("TotalXP")} + serie(QStringLiteral("Profession_"), 1, 4)
            + serie(QStringLiteral("Artisanat_"), 1, 3) + serie(QStringLiteral("EnergieElu_"), 1, 3)
            + serie(QStringLiteral("EnergieSorcier_"), 1, 2)
            + QStringList{QStringLiteral("ElementWujen"), QStringLiteral("ElementShugenja"), QStringLiteral("OrdreShugenja"),
                          QStringLiteral("DragonTotem"), QStringLiteral("EnnemisJures"), QStringLiteral("Image"),
                          QStringLiteral("BackGround"), QStringLiteral("Histoire"), QStringLiteral("exclu"),
                          QStringLiteral("Endurance"), QStringLiteral("Puissance"), QStringLiteral("Précision"),
                          QStringLiteral("Équilibre"), QStringLiteral("Résistance"), QStringLiteral("Vitalité"),
                          QStringLiteral("Intellect"), QStringLiteral("Érudition"), QStringLiteral("Intuition"),
                          QStringLiteral("Volonté"), QStringLiteral("Magnétisme"), QStringLiteral("Charme")};
        QStringList lus;
        for (const DefinitionChamp& c : tablePersonnages(QStringLiteral("Personnage")).champs)
            lus.append(c.nom);
        QCOMPARE(lus, attendu);
    }

    // La base créée porte exactement la disposition décrite.
    void baseCreeeConformeALaDescription()
    {
        BaseCourante b;
        QCOMPARE(dispositionLue(*b.perso), dispositionDecrite(schemaPersonnages()));
    }

    // La mise à niveau supprime et recrée ces champs : aucun index ne doit les tenir.
    void champsRetypesHorsIndex_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("champ");
        QTest::newRow("Equipement.Type") << "Equipement" << "Type";
        QTest::newRow("Objets.CoutTotal") << "Objets" << "CoutTotal";
        QTest::newRow("Equipement.Tempo") << "Equipement" << "Tempo";
        QTest::newRow("Objets.Tempo") << "Objets" << "Tempo";
    }
    void champsRetypesHorsIndex()
    {
        QFETCH(QString, table);
        QFETCH(QString, champ);
        for (const DefinitionIndex& i : tablePersonnages(table).index)
            QVERIFY2(!i.champs.contains(champ, Qt::CaseInsensitive), qPrintable(i.nom));
    }

    // Les requêtes que les autres fenêtres adressent aux tables des personnages.
    void requetesDesFenetres_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("avecNom");
        const auto ligne = [](const char* sql, bool avecNom) {
            QTest::newRow(sql) << QString::fromUtf8(sql) << avecNom;
        };
        ligne("select nom,race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,classe_1,classe_2,classe_3,classe_4,classe_5,"
              "classe_6,classe_7,classe_8 from personnage where exclu=false order by nom", false);
        ligne("select nom, race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,malusxp,archetype,totalxp from personnage "
              "where exclu=false order by nom", false);
        ligne("select Nom, Race, Endurance, Puissance, Précision, Équilibre, Résistance, Vitalité, Intellect, Érudition, "
              "Intuition, Volonté, Magnétisme, Charme, profil, titre, dieu, alignement, beaute, poids, taille, age, malusxp, "
              "cheveux, yeux, sexe, date, ecolespecialisation, langueconnue, alphabet, domaine_1, domaine_2, domaine_3, "
              "domaine_4, ecole_interdite_1, ecole_interdite_2, ecole_interdite_3, ecole_interdite_4, totalpo, totalxp, "
              "profession_1, profession_2, profession_3, profession_4, artisanat_1, artisanat_2, artisanat_3, energieelu_1, "
              "energieelu_2, energieelu_3, energiesorcier_1, energiesorcier_2, elementwujen, elementshugenja, "
              "ordreshugenja, dragontotem, ennemisjures, image, archetype from personnage order by nom", false);
        ligne("select  Niveau,classe,PV,For,Dex,Con,Int,Sag,Cha,competence,modifInt from personnageProgression where nom=? "
              "order by niv", true);
        ligne("update PersonnageProgression set niv=0 where nom=?", true);
        ligne("delete from PersonnageProgression where nom=? and niv=0", true);
        ligne("update PersonnageDons set niv=0 where nom=?", true);
        ligne("delete from PersonnageDons where nom=? and niv=0", true);
        ligne("update Equipement set pos=0 where personnage=?", true);
        ligne("delete from Equipement where personnage=? and pos=0", true);
        ligne("delete from SortPersonnage where nomPerso=?", true);
        ligne("delete from SortListe where nomPerso=?", true);
        ligne("delete from Personnage where nom=?", true);
        ligne("update personnageDons set nom='X' where nom=?", true);
        ligne("update SortListe set nomperso='X' where nomperso=?", true);
        ligne("update Equipement set personnage='X' where personnage=?", true);
        ligne("select Place,NomObjet,pos from equipement where personnage=?", true);
        ligne("select Type,place from Equipement where personnage=? order by NomObjet", true);
        ligne("select Background,histoire from personnage where nom=?", true);
        ligne("select * from Equipement where personnage=?", true);
        ligne("select Description from Objets  where nomObjet=?", true);
        ligne("SELECT nomobjet,couttotal,poidsBase,ClasseArmure,TypeCa,EchecSortProfane,PenaliteArmure,BonusDexMax,portee,"
              "GroupeObjet,Taille,Type,DegatDes,ZoneCritique,MultCrit,description, solidite,resistance,charge from objets ", false);
        ligne("Select * from ObjetsPropriete where nomObjet=?", true);
        ligne("update objets set nomobjet='X' where nomobjet=?", true);
    }
    void requetesDesFenetres()
    {
        QFETCH(QString, sql);
        QFETCH(bool, avecNom);
        BaseCourante b;
        b.perso->selectionne(sql, avecNom ? QVariantList{QStringLiteral("D'Artagnan")} : QVariantList{});
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
        QFETCH(QString, attendu);
        BaseCourante b;
        BaseDonnees& p = *b.perso;
        const QString bob = QStringLiteral("Bob");
        p.ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), bob}, {QStringLiteral("Alignement"), QStringLiteral("NEUTRE")}});
        const auto niveau = [&](const char* classe, int niveauClasse, int niv) {
            p.ajoute(QStringLiteral("PersonnageProgression"),
                     {{QStringLiteral("Nom"), bob}, {QStringLiteral("Classe"), QString::fromUtf8(classe)},
                      {QStringLiteral("Niveau"), niveauClasse}, {QStringLiteral("niv"), niv}});
        };
        niveau("Guerrier", 1, 1);
        niveau("Roublard", 1, 2);
        niveau("Guerrier", 2, 3);
        p.ajoute(QStringLiteral("PersonnageDons"), {{QStringLiteral("Nom"), bob}, {QStringLiteral("Classe"), QStringLiteral("Guerrier")},
                                                    {QStringLiteral("Niveau"), 1}, {QStringLiteral("dons"), QStringLiteral("Robustesse")}});
        p.ajoute(QStringLiteral("PersonnageDons"), {{QStringLiteral("Nom"), bob}, {QStringLiteral("Classe"), QStringLiteral("Roublard")},
                                                    {QStringLiteral("Niveau"), 1}, {QStringLiteral("dons"), QStringLiteral("Esquive")}});
        p.ajoute(QStringLiteral("Equipement"), {{QStringLiteral("Personnage"), bob}, {QStringLiteral("NomObjet"), QStringLiteral("Épée longue")},
                                                {QStringLiteral("Pos"), 1}});
        p.ajoute(QStringLiteral("Equipement"), {{QStringLiteral("Personnage"), bob}, {QStringLiteral("NomObjet"), QStringLiteral("Corde")},
                                                {QStringLiteral("Pos"), 2}});
        p.ajoute(QStringLiteral("SortPersonnage"), {{QStringLiteral("NomPerso"), bob}, {QStringLiteral("ClassePerso"), QStringLiteral("Magicien")},
                                                    {QStringLiteral("NomSort"), QStringLiteral("Lumière")}, {QStringLiteral("Niveau"), 0}});
        p.ajoute(QStringLiteral("Donsperso"), {{QStringLiteral("Nom"), QStringLiteral("Frappe")}, {QStringLiteral("Genre"), QStringLiteral("Général")}});

        const Ligne trouvee = p.cherche(table, index, cle);
        QVERIFY(trouvee);
        QCOMPARE(trouvee.texte(champ), attendu);
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
        auto base = baseEssai(d, QStringLiteral("essai.db"));
        base->creeTable(tablePersonnages(table));
        base->ajoute(table, premiere);
        if (refusee)
            QVERIFY_THROWS_EXCEPTION(ErreurBase, base->ajoute(table, seconde));
        else
            base->ajoute(table, seconde);
        QCOMPARE(base->scalaire(QStringLiteral("SELECT count(*) FROM %1").arg(identifiant(table))).toInt(), refusee ? 1 : 2);
    }

    // Une ligne neuve n'est pas exclue : « where exclu=false » la compte ; les autres oui/non aussi.
    void ouiNonAFauxParDefaut_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("champ");
        QTest::newRow("exclu") << "Personnage" << "Nom" << "exclu";
        QTest::newRow("sur le personnage") << "Equipement" << "Personnage" << "SurPersonnage";
        QTest::newRow("don privé") << "Donsperso" << "Nom" << "Prive";
        QTest::newRow("don épique") << "Donsperso" << "Nom" << "Epique";
    }
    void ouiNonAFauxParDefaut()
    {
        QFETCH(QString, table);
        QFETCH(QString, cle);
        QFETCH(QString, champ);
        BaseCourante b;
        b.perso->ajoute(table, {{cle, QStringLiteral("Bob")}});
        QCOMPARE(b.perso->scalaire(QStringLiteral("select count(*) from %1 where %2=false").arg(identifiant(table), identifiant(champ)))
                     .toInt(),
                 1);
    }

    void nomsInconnus()
    {
        QCOMPARE(champPersonnages(QStringLiteral("personnage"), QStringLiteral("CLASSE_4")).nom, QStringLiteral("Classe_4"));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, tablePersonnages(QStringLiteral("Race")));
        QVERIFY_THROWS_EXCEPTION(ErreurBase, champPersonnages(QStringLiteral("Personnage"), QStringLiteral("Classe_9")));
    }
};

QTEST_GUILESS_MAIN(TestSchemaPerso)
#include "test_schemaperso.moc"

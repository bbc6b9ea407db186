// Types de créature, archétypes, changements de taille, estimation du facteur de puissance, images.
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/Archetypes.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QFile>
#include <QtTest>

namespace {

LigneCapacite capacite(const QString& nom, const QString& personnage = "Iris", const QString& libelle = {})
{
    LigneCapacite c;
    c.Nom = nom;
    c.Personnage = personnage;
    c.Libelle = libelle;
    return c;
}

} // namespace

class TestArchetypes : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_perso;
    std::unique_ptr<BaseDonnees> m_programme;

    // Personnage et race chargés pour l'estimation.
    QString estime(const QString& nom, const QString& archetype = {})
    {
        TypePersonnage p;
        ChargePersonnage(*m_perso, *m_programme, p, nom, {});
        TypeRace r;
        ChargeRace(*m_programme, r, p.RACE);
        return EstimeFP(*m_perso, *m_programme, r, p, archetype);
    }

    void caracteristiques(const QString& nom, std::initializer_list<int> valeurs)
    {
        QVariantList v(valeurs.begin(), valeurs.end());
        m_perso->execute(QStringLiteral("update PersonnageProgression set For=?, Dex=?, Con=?, Int=?, Sag=?, Cha=? "
                                        "where nom=? and niv=1"),
                         v << nom);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_perso = baseVide(m_dossier, "perso.db");
        m_programme = baseVide(m_dossier, "programme.db");
        creeTablesPersonnages(*m_perso);
        creeTablesClasses(*m_programme);
        creeTables(*m_programme, schemaProgramme(), {"Race", "Archetype"});
        for (const char* c : {"Guerrier", "Animal", "Humanoïde", "Extérieur"})
            ajouteClasse(*m_programme, {QString::fromUtf8(c), Rythme::Bon, true, true, true});
        m_programme->ajoute("Race", {{"Race", "Humain"}, {"Type", "Humanoïde"}, {"Niveau", 0}, {"FP", 0.5},
                                     {"taille", "Moyenne"}});
        m_programme->ajoute("Race", {{"Race", "Loup"}, {"Type", "Animal"}, {"Niveau", 3}, {"FP", 1}, {"taille", "Moyenne"}});
        m_programme->ajoute("Race", {{"Race", "Diablotin"}, {"Type", "Extérieur"}, {"Niveau", 3}, {"FP", 2}});
        m_programme->ajoute("Race", {{"Race", "Kobold"}, {"Type", "Humanoïde"}, {"FP", 0.25}});
        m_programme->ajoute("Race", {{"Race", "Homme-loup-garou"}, {"Type", "Humanoïde"}, {"FP", 3}});
        m_programme->ajoute("Race", {{"Race", "Ours brun"}, {"Type", "Animal"}, {"taille", "Grande"}, {"Quadripede", true},
                                     {"Deplacement", 12}, {"Deplacement_Eau", 6}, {"Ca", 2}, {"Allonge", 1}});
        m_programme->ajoute("Archetype", {{"Archetype", "Demi-dragon"}, {"For", 8}, {"Con", 2}, {"Ca", 4},
                                          {"Deplacement_Air", 18}, {"Manoeuvrabilite", "Moyenne"}, {"Vision", 18},
                                          {"AdjNiv", 3}, {"Resistance_feu", 10}});
        m_programme->ajoute("Archetype", {{"Archetype", "Céleste"}, {"Resistance_froid", 5}});
        // Mesures du joueur : 4'10" + 2d12 pouces, 150 livres + jet de taille × 2d6.
        m_programme->ajoute("Race", {{"Race", "Demi-orque"}, {"Type", "Humanoïde"}, {"taille", "Moyenne"},
                                     {"taillehomme", 58}, {"taillefemme", 53}, {"tailledes", 12},
                                     {"poidshomme", 150}, {"poidsfemme", 110}, {"poidsdes", 6}});

        ajoutePersonnage(*m_perso, "Humain guerrier 5", fois(5, "Guerrier"), {{"RACE", "Humain"}});
        caracteristiques("Humain guerrier 5", {15, 14, 13, 12, 10, 8});
        ajoutePersonnage(*m_perso, "Loup avancé", fois(9, "Animal"), {{"RACE", "Loup"}});
        caracteristiques("Loup avancé", {13, 15, 15, 2, 12, 6});
        ajoutePersonnage(*m_perso, "Loup guerrier", fois(3, "Animal") + fois(2, "Guerrier"), {{"RACE", "Loup"}});
        caracteristiques("Loup guerrier", {13, 15, 15, 2, 12, 6});
        ajoutePersonnage(*m_perso, "Diablotin avancé", fois(7, "Extérieur"), {{"RACE", "Diablotin"}});
        caracteristiques("Diablotin avancé", {10, 17, 10, 10, 12, 14});
        ajoutePersonnage(*m_perso, "Kobold zombi", fois(2, "Guerrier"), {{"RACE", "Kobold"}});
        caracteristiques("Kobold zombi", {18, 18, 10, 10, 10, 10});
        ajoutePersonnage(*m_perso, "Garou", fois(2, "Animal") + fois(3, "Guerrier"), {{"RACE", "Homme-loup-garou"}});
        caracteristiques("Garou", {15, 14, 13, 12, 10, 8});
        m_perso->ajoute("Personnage", {{"Nom", "Nouveau-né"}, {"RACE", "Humain"}});
    }

    void coutCarac_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("cout");
        const int couts[][2] = {{3, -5}, {8, 0}, {10, 2}, {12, 4}, {13, 5}, {14, 6}, {15, 8},
                                {16, 10}, {17, 13}, {18, 16}, {19, 20}, {20, 24}, {21, 13}};
        for (const auto& c : couts)
            QTest::newRow(qPrintable(QString::number(c[0]))) << c[0] << c[1];
    }
    void coutCarac()
    {
        QFETCH(int, score);
        QTEST(int(CoutCarac(score)), "cout");
    }

    void estimeFP_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<QString>("fp");
        // 25 points : 0,5 + 5 + Int(5/10).
        QTest::newRow("humain guerrier 5") << "Humain guerrier 5" << "" << "5";
        // 17 points ; 1 + Int((9-3)/3) + Int((17-10)/10).
        QTest::newRow("loup avancé") << "Loup avancé" << "" << "3";
        // Deux classes : 1 + 2 niveaux de classe + Int((17-20)/10) = -1.
        QTest::newRow("loup guerrier") << "Loup guerrier" << "" << "2";
        // Extérieur : un FP par tranche de 2 dés de vie ; 2 + Int(4/2) + Int((29-10)/10).
        QTest::newRow("diablotin avancé") << "Diablotin avancé" << "" << "5";
        // Zombi : 0,25 + Int((40-10)/10), sans les niveaux.
        QTest::newRow("kobold zombi") << "Kobold zombi" << "Zombi" << "3";
        // Garou : 3 + 3 + 2 + 0 - 2 niveaux raciaux + 2.
        QTest::newRow("garou") << "Garou" << "" << "8";
        // Aucun niveau : le FP de la race seul.
        QTest::newRow("sans niveau") << "Nouveau-né" << "" << "1/2";
    }
    void estimeFP()
    {
        QFETCH(QString, nom);
        QFETCH(QString, archetype);
        QTEST(estime(nom, archetype), "fp");
    }

    void fpFractionnaire()
    {
        TypeRace r;
        TypePersonnage p;
        r.FP = 1.0 / 3;
        QCOMPARE(EstimeFP(*m_perso, *m_programme, r, p, {}), QString("1/3"));
        r.FP = 0;
        QCOMPARE(EstimeFP(*m_perso, *m_programme, r, p, {}), QString("0"));
    }

    void typesEtNiveauxRaciaux()
    {
        QCOMPARE(TypesCreature().size(), 15);
        QCOMPARE(ArchetypesMortVivant().size(), 7);
        QVERIFY(EstTypeCreature("Humanoïde monstrueux"));
        QVERIFY(!EstTypeCreature("humanoïde"));
        QVERIFY(EstArchetypeMortVivant("Liche"));
        QVERIFY(!EstArchetypeMortVivant("Demi-dragon"));
        TypePersonnage p;
        p.Classe_1 = "Animal";
        p.Niv_1 = 4;
        p.Classe_2 = "Guerrier";
        p.Niv_2 = 2;
        p.Classe_3 = "Géant";
        p.Niv_3 = 1;
        QCOMPARE(int(NiveauxRaciaux(p)), 5);
    }

    void tailleElementaire_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("taille");
        QTest::newRow("P") << "Elémentaire de l'air P" << "Petite";
        QTest::newRow("M") << "Elémentaire de l'air M" << "Moyenne";
        QTest::newRow("G") << "Elémentaire de l'air G" << "Grande";
        QTest::newRow("seigneur") << "Elémentaire du feu seigneur" << "seigneur";
        QTest::newRow("noble") << "Elémentaire du feu noble" << "noble";
        QTest::newRow("monolithe") << "Monolithe de terre" << "Monolithe";
        QTest::newRow("aucun") << "Gobelin" << "";
    }
    void tailleElementaire()
    {
        QFETCH(QString, nom);
        QTEST(TailleElementaire(nom), "taille");
    }

    void changementDeTaille_data()
    {
        QTest::addColumn<QString>("depart");
        QTest::addColumn<QString>("arrivee");
        QTest::addColumn<QVector<int>>("effet");   // For, Dex, Con, Ca
        QTest::newRow("moyenne → grande") << "Moyenne" << "Grande" << QVector<int>{8, -2, 4, 2};
        QTest::newRow("moyenne → très grande") << "Moyenne" << "Très grande" << QVector<int>{16, -4, 8, 5};
        QTest::newRow("très grande → colossale") << "Très grande" << "Colossale" << QVector<int>{16, 0, 8, 9};
        QTest::newRow("grande → petite") << "Grande" << "Petite" << QVector<int>{-12, 4, -6, -2};
        QTest::newRow("taille inconnue") << "Moyenne" << "Énorme" << QVector<int>{0, 0, 0, 0};
    }
    void changementDeTaille()
    {
        QFETCH(QString, depart);
        QFETCH(QString, arrivee);
        QFETCH(QVector<int>, effet);
        TypeRace r;
        r.taille = depart;
        ChangeTailleRace(r, arrivee);
        QCOMPARE((QVector<int>{r.For, r.Dex, r.Con, r.Ca}), effet);
        const bool connue = arrivee != "Énorme";
        QCOMPARE(r.taille, connue ? arrivee : depart);
    }

    void mensurations_data()
    {
        QTest::addColumn<QString>("sexe");
        QTest::addColumn<int>("poidsDes");
        QTest::addColumn<int>("jetTaille");
        QTest::addColumn<int>("jetPoids");
        QTest::addColumn<int>("cm");
        QTest::addColumn<int>("kg");
        // Humain : 58 / 53 pouces, 120 / 85 livres. 69 pouces = 175,26 cm ; 175 livres = 79,4 kg.
        QTest::newRow("homme") << "Masculin" << 4 << 11 << 5 << 175 << 79;
        // 64 pouces = 162,56 cm ; 85 + 55 = 140 livres = 63,5 kg.
        QTest::newRow("femme") << "Féminin" << 4 << 11 << 5 << 162 << 63;
        QTest::newRow("f minuscule") << "f" << 4 << 11 << 5 << 162 << 63;
        // Jets minimaux : 60 pouces = 152,4 cm ; 120 + 2 × 2 = 124 livres = 56,2 kg.
        QTest::newRow("jets minimaux") << "Masculin" << 4 << 2 << 2 << 152 << 56;
    }
    void mensurations()
    {
        QFETCH(QString, sexe);
        QFETCH(int, poidsDes);
        QFETCH(int, jetTaille);
        QFETCH(int, jetPoids);
        const DimensionsRace humain{58, 53, 10, 120, 85, poidsDes};
        const Mensurations m = MensurationsRace(humain, sexe, jetTaille, jetPoids);
        QTEST(int(m.taille), "cm");
        QTEST(int(m.poids), "kg");
    }

    void mensurationsSelonLaTaille_data()
    {
        QTest::addColumn<QString>("depuis");
        QTest::addColumn<QString>("vers");
        QTest::addColumn<int>("cm");
        QTest::addColumn<int>("kg");
        QTest::newRow("même taille") << "Moyenne" << "Moyenne" << 180 << 80;
        QTest::newRow("un cran plus grand") << "Moyenne" << "Grande" << 360 << 640;
        QTest::newRow("deux crans") << "Moyenne" << "Très grande" << 720 << 5120;
        QTest::newRow("un cran plus petit") << "Moyenne" << "Petite" << 90 << 10;
        QTest::newRow("au-delà de colossale") << "Moyenne" << "Colossale+" << 5760 << 2621440;
        QTest::newRow("taille inconnue") << "Moyenne" << "Énorme" << 180 << 80;
        QTest::newRow("sans taille") << "" << "Grande" << 180 << 80;
    }
    void mensurationsSelonLaTaille()
    {
        QFETCH(QString, depuis);
        QFETCH(QString, vers);
        const Mensurations m = MensurationsPourTaille({180, 80}, depuis, vers);
        QTEST(int(m.taille), "cm");
        QTEST(int(m.poids), "kg");
    }

    void mensurationsDeLaFiche()
    {
        TypeRace r;
        ChargeRace(*m_programme, r, "Demi-orque");
        TypePersonnage p;
        p.Nom = "Iris";
        p.RACE = "Demi-orque";
        p.Sexe = "Masculin";
        ListeBonus bonus;
        // Sans mesures saisies : jets moyens, 13 pour 2d12 et 7 pour 2d6 ; 71 pouces = 180,34 cm ;
        // 150 + 13 × 7 = 241 livres = 109,3 kg.
        Mensurations m = AppliqueArchetype(*m_programme, bonus, {}, r, p, {}, {});
        QCOMPARE(int(m.taille), 180);
        QCOMPARE(int(m.poids), 109);
        // Agrandi d'un cran : deux fois plus grand, huit fois plus lourd.
        ChargeRace(*m_programme, r, "Demi-orque");
        m = AppliqueArchetype(*m_programme, bonus, {}, r, p, {}, {capacite("Agrandissement")});
        QCOMPARE(int(m.taille), 360);
        QCOMPARE(int(m.poids), 872);
        // Les mesures saisies l'emportent sur les jets moyens.
        p.taille = 170;
        p.poids = 70;
        ChargeRace(*m_programme, r, "Demi-orque");
        m = AppliqueArchetype(*m_programme, bonus, {}, r, p, {}, {});
        QCOMPARE(int(m.taille), 170);
        QCOMPARE(int(m.poids), 70);
    }

    void typesDesArchetypes_data()
    {
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<QString>("typeDepart");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("sousTypes");
        QTest::addColumn<QStringList>("absents");
        QTest::newRow("fiélon sur un animal") << "Fiélon" << "Animal" << "Créature magique"
                                             << QStringList{"Augmenté", "Extraplanaire"} << QStringList{};
        QTest::newRow("fiélon sur un humanoïde") << "Fiélon" << "Humanoïde" << "Humanoïde"
                                                << QStringList{"Extraplanaire"} << QStringList{"Augmenté"};
        QTest::newRow("céleste sur de la vermine") << "Céleste" << "Vermine" << "Créature magique"
                                                  << QStringList{"Augmenté", "Extraplanaire"} << QStringList{};
        QTest::newRow("fantôme") << "Fantôme" << "Humanoïde" << "Mort-vivant"
                                 << QStringList{"Augmenté", "Intangible"} << QStringList{};
        QTest::newRow("zombi") << "Zombi" << "Humanoïde" << "Mort-vivant" << QStringList{}
                               << QStringList{"Augmenté"};
        QTest::newRow("squelette") << "Squelette" << "Géant" << "Mort-vivant" << QStringList{}
                                   << QStringList{"Augmenté"};
        QTest::newRow("demi-céleste") << "Demi-céleste" << "Humanoïde" << "Extérieur"
                                      << QStringList{"Augmenté", "Natif"} << QStringList{};
        QTest::newRow("demi-fiélon") << "Demi-fiélon" << "Animal" << "Extérieur"
                                     << QStringList{"Augmenté", "Natif"} << QStringList{};
        QTest::newRow("vampire") << "Vampire" << "Humanoïde" << "Mort-vivant" << QStringList{"Augmenté"}
                                 << QStringList{"Intangible"};
    }
    void typesDesArchetypes()
    {
        QFETCH(QString, archetype);
        QFETCH(QString, typeDepart);
        QFETCH(QStringList, sousTypes);
        QFETCH(QStringList, absents);
        TypeArchetype a;
        a.Archetype = archetype;
        TypeRace r;
        r.Type = typeDepart;
        TypePersonnage p;
        ListeBonus bonus;
        AppliqueArchetype(*m_programme, bonus, a, r, p, {}, {});
        QTEST(r.Type, "type");
        for (const QString& st : sousTypes)
            QVERIFY2(r.aSousType(st), qPrintable(st));
        for (const QString& st : absents)
            QVERIFY2(!r.aSousType(st), qPrintable(st));
    }

    void appliqueArchetype()
    {
        TypeArchetype a;
        ChargeArchetype(*m_programme, a, "Demi-dragon");
        QCOMPARE(int(a.For), 8);
        TypeRace r;
        ChargeRace(*m_programme, r, "Humain");
        r.Deplacement_Air = 12;
        r.Resistance_feu = 20;
        TypePersonnage p;
        p.Nom = "Iris";
        ListeBonus bonus;
        AppliqueArchetype(*m_programme, bonus, a, r, p, {}, {});
        QCOMPARE(int(r.For), 8);
        QCOMPARE(int(r.Con), 2);
        QCOMPARE(int(r.Ca), 4);
        QCOMPARE(int(r.AdjNiv), 3);
        QCOMPARE(int(r.Deplacement_Air), 18);
        QCOMPARE(r.Manoeuvrabilite, QString("Moyenne"));
        QCOMPARE(int(r.Resistance_feu), 20);
        QCOMPARE(r.Type, QString("Dragon"));
        QVERIFY(r.aSousType("Augmenté"));
        QCOMPARE(r.taille, QString("Moyenne"));
    }

    void capacitesDeForme()
    {
        TypeRace r;
        ChargeRace(*m_programme, r, "Humain");
        TypePersonnage p;
        p.Nom = "Iris";
        ListeBonus bonus;
        AppliqueArchetype(*m_programme, bonus, {}, r, p, {},
                          {capacite("Agrandissement"), capacite("Agrandissement", "Luna")});
        QCOMPARE(r.taille, QString("Grande"));
        QCOMPARE(int(SommeBonus(bonus, "Bonus Caracteristique", "Force").nombre), 2);
        QCOMPARE(int(SommeBonus(bonus, "Bonus Caracteristique", "Dextérité").nombre), -2);

        // Un bonus de taille dans la liste déplace la catégorie.
        ChargeRace(*m_programme, r, "Humain");
        ListeBonus taille;
        AjouteBonus(taille, "Potion", "Bonus taille", "Taille", "Alteration", "1");
        AppliqueArchetype(*m_programme, taille, {}, r, p, {}, {});
        QCOMPARE(r.taille, QString("Grande"));
        QCOMPARE(int(r.For), 0);   // le changement par bonus ne touche pas les caractéristiques

        // Forme d'animal : vitesses, armure naturelle, taille et allonge de l'animal.
        ChargeRace(*m_programme, r, "Humain");
        AppliqueArchetype(*m_programme, bonus, {}, r, p, {},
                          {capacite("Transformation animale", "iris", "Transformation animale [Ours brun]")});
        QCOMPARE(r.taille, QString("Grande"));
        QVERIFY(r.Quadripede);
        QCOMPARE(int(r.Deplacement), 12);
        QCOMPARE(int(r.Deplacement_Eau), 6);
        QCOMPARE(int(r.Ca), 2);
        QCOMPARE(int(r.Allonge), 1);

        // Changement de type par une capacité.
        ChargeRace(*m_programme, r, "Humain");
        AppliqueArchetype(*m_programme, bonus, {}, r, p, {}, {capacite("Perfection de l’être")});
        QCOMPARE(r.Type, QString("Extérieur"));
        QVERIFY(r.aSousType("Natif"));
    }

    void imageDeRace()
    {
        DossierTest d;
        for (const char* f : {"Ange.jpg", "Ange astral.jpg", "Dragon rouge.jpg"})
            ecritFichier(d.chemin("Images/" + QString::fromUtf8(f)));
        const QString dossier = d.chemin({});
        QVERIFY(CheminImageRace(dossier, "Ange astral").endsWith("Images/Ange astral.jpg"));
        QVERIFY(CheminImageRace(dossier, "Ange planétaire").endsWith("Images/Ange.jpg"));
        QVERIFY(CheminImageRace(dossier, "Dragon rouge vénérable").endsWith("Images/Dragon rouge.jpg"));
        QCOMPARE(CheminImageRace(dossier, "Dragon bleu adulte"), QString());
        QCOMPARE(CheminImageRace(dossier, "Gobelin"), QString());
    }
};

QTEST_GUILESS_MAIN(TestArchetypes)
#include "test_archetypes.moc"

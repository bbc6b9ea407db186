// La fiche calculée sur les règles livrées : valeurs attendues tirées à la main des règles 3.5.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/Armes.h"
#include "sheet/ExportFiche.h"
#include "sheet/RetrouveFiche.h"
#include "shell/Erreur.h"

#include <QDir>
#include <QSet>
#include <QtTest>

class TestFiche : public TestFicheBase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        ajouteAldo(*m_perso);
        ajoutePersonnageFiche(*m_perso, "Borin", {{"Guerrier", 10, {14, 10, 14, 10, 10, 12}}, {"Guerrier", 6}},
                              {{"RACE", "Nain"}});
        ajoutePersonnageFiche(*m_perso, "Morne",
                              {{"Guerrier", 10, {13, 12, 14, 10, 10, 10}}, {"Guerrier", 6}, {"Guerrier", 6}, {"Guerrier", 6}},
                              {{"RACE", "Humain"}, {"Archetype", "Zombi"}});
        ajoutePersonnageFiche(*m_perso, "Pip", {{"Roublard", 6, {10, 16, 12, 12, 10, 10}}, {"Roublard", 4}, {"Roublard", 4}},
                              {{"RACE", "Halfelin"}});
        // Valeurs de départ 11 partout sauf Dex et Int 10 : l'ogre du bestiaire (21 8 15 6 10 7).
        ajoutePersonnageFiche(*m_perso, "Grok",
                              {{"Géant", 8, {11, 10, 11, 10, 10, 11}}, {"Géant", 5}, {"Géant", 5}, {"Géant", 5}},
                              {{"RACE", "Ogre"}});
        ajoutePersonnageFiche(*m_perso, "Ilvara",
                              {{"Magicien", 4, {8, 14, 12, 16, 10, 10}}, {"Magicien", 3}, {"Magicien", 3}},
                              {{"RACE", "Drow"}});
        ajoutePersonnageFiche(*m_perso, "Séraphin", {{"Paladin", 10, {14, 10, 12, 10, 12, 15}}},
                              {{"RACE", "Aasimar"}});
        QVector<NiveauTest> archon(6, NiveauTest{"Extérieur", 5});
        archon[0].caracs = {11, 10, 11, 10, 11, 10};
        ajoutePersonnageFiche(*m_perso, "Rex", archon, {{"RACE", "Archon canin"}});
        ajoutePersonnageFiche(*m_perso, "Spectre", {{"Guerrier", 10, {10, 10, 10, 10, 10, 12}}},
                              {{"RACE", "Humain"}, {"Archetype", "Fantôme"}});
        // Tableau d'élite (15 14 13 12 10 8, 25 points) avant les ajustements raciaux.
        ajoutePersonnageFiche(*m_perso, "Hurlegueule", {{"Humanoïde", 8, {15, 13, 14, 10, 12, 8}}, {"Humanoïde", 5},
                                                        {"Guerrier", 10}}, {{"RACE", "Gnoll"}});
        ajoutePersonnageFiche(*m_perso, "Nébuline", {{"Roublard", 6, {10, 15, 13, 14, 12, 8}}, {"Roublard", 4}},
                              {{"RACE", "Svirfnebelin"}});
    }

    void personnagesLivres_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("totaux");
        QTest::addColumn<QList<int>>("modificateurs");
        QTest::addColumn<int>("pv");
        QTest::addColumn<int>("initiative");
        QTest::addColumn<QList<int>>("attaques");   // base, nombre, lutte, corps à corps, distance
        QTest::addColumn<QList<int>>("bases");      // jets de classe
        QTest::addColumn<QList<int>>("jets");       // jets complets
        QTest::addColumn<QString>("fp");
        QTest::addColumn<QString>("gabarit");   // taille et type de créature

        // Humain guerrier 4 / roublard 3 : For 16 Dex 14 Con 13 Int 10 Sag 12 Cha 8.
        // BBA 4 + 2 = 6 (deux attaques) ; Réf 1 + 3, Vig 4 + 1, Vol 1 + 1.
        // PV 10+6+6+6+4+4+4 = 40, + 7 × 1 (Con) = 47 ; lutte et corps à corps 6 + 3, distance 6 + 2.
        QTest::newRow("guerrier/roublard humain")
            << "Aldo" << QStringList{"16", "14", "13", "10", "12", "8"} << QList<int>{3, 2, 1, 0, 1, -1} << 47 << 2
            << QList<int>{6, 2, 9, 9, 8} << QList<int>{4, 5, 2} << QList<int>{6, 6, 3}
            // Facteur de puissance : son niveau (achat de points 25, sous le seuil de 30).
            << "7" << "Moyenne Humanoïde";
        // Nain : Con +2, Cha -2 → Con 16 (+3), Cha 10. Guerrier 2 : BBA 2, Vig 3.
        // PV 10 + 6 + 2 × 3 = 22 ; Vig 3 + 3 = 6.
        QTest::newRow("nain guerrier")
            << "Borin" << QStringList{"14", "10", "16", "10", "10", "10"} << QList<int>{2, 0, 3, 0, 0, 0} << 22 << 0
            << QList<int>{2, 1, 4, 4, 2} << QList<int>{0, 3, 0} << QList<int>{0, 6, 0} << "2" << "Moyenne Humanoïde";
        // Humain zombi, 4 niveaux : For +2, Dex -2 ; pas de Con ni d'Int, Sag 10, Cha 1.
        // Les morts-vivants de ce type suivent niv/2 en attaque, niv/3 en Réf et Vig, niv/2 + 2 en Vol.
        // PV 28 sans Constitution, plus 3 du don Robustesse que donne l'archétype ; corps à corps 2 + 2.
        QTest::newRow("zombi")
            << "Morne" << QStringList{"15", "10", "-", "-", "10", "1"} << QList<int>{2, 0, 0, 0, 0, -5} << 28 + 3 << 0
            << QList<int>{2, 1, 4, 4, 2} << QList<int>{1, 1, 4} << QList<int>{1, 1, 4}
            // Facteur de puissance d'un zombi : achat de points 21, Int((21 - 10) / 10) = 1.
            << "1" << "Moyenne Mort-vivant";
        // Ogre, 4 dés de vie de géant : For 21 Dex 8 Con 15 Int 6 Sag 10 Cha 7 ; BBA 3, Vig 4, Réf 1, Vol 1.
        // Grande taille : -1 à l'attaque, +4 à la lutte → lutte 3 + 5 + 4 = 12, corps à corps 7,
        // distance 3 - 1 - 1 = 1 ; PV 23 + 4 × 2 = 31 ; FP 3 comme au bestiaire.
        QTest::newRow("ogre")
            << "Grok" << QStringList{"21", "8", "15", "6", "10", "7"} << QList<int>{5, -1, 2, -2, 0, -2} << 31 << -1
            << QList<int>{3, 1, 12, 7, 1} << QList<int>{1, 4, 1} << QList<int>{0, 6, 1} << "3" << "Grande Géant";
        // Gnoll (For +4 Con +2 Int -2 Cha -2) guerrier 1 : For 19 Dex 13 Con 16 Int 8 Sag 12 Cha 6. Ses deux
        // dés d'humanoïde ont la Vigueur forte (3), pas les Réflexes : bases Réf 0, Vig 3 + 2, Vol 0.
        // BBA 1 + 1 ; lutte 2 + 4 ; PV 8 + 5 + 10 + 3 × 3 = 32 ; FP 1 + 1 niveau de classe.
        QTest::newRow("gnoll guerrier")
            << "Hurlegueule" << QStringList{"19", "13", "16", "8", "12", "6"} << QList<int>{4, 1, 3, -1, 1, -2} << 32
            << 1 << QList<int>{2, 1, 6, 6, 3} << QList<int>{0, 5, 0} << QList<int>{1, 8, 1} << "2" << "Moyenne Humanoïde";
        // Svirfnebelin (For -2 Dex +2 Sag +2 Cha -4, +2 à tous les jets, P) roublard 2 : For 8 Dex 17 Con 13
        // Int 14 Sag 14 Cha 4. Réf 3 + 3 + 2, Vig 0 + 1 + 2, Vol 0 + 2 + 2 ; PV 6 + 4 + 2 ; taille P : +1 à
        // l'attaque, -4 à la lutte ; FP 1 de la race + 2 niveaux.
        QTest::newRow("svirfnebelin roublard")
            << "Nébuline" << QStringList{"8", "17", "13", "14", "14", "4"} << QList<int>{-1, 3, 1, 2, 2, -3} << 12
            << 3 << QList<int>{1, 1, 1 - 1 - 4, 1 - 1 + 1, 1 + 3 + 1} << QList<int>{3, 0, 0} << QList<int>{8, 3, 4}
            << "3" << "Petite Humanoïde";
        // Halfelin (For -2 Dex +2, +1 à tous les jets, P) roublard 3 : For 8 Dex 18 Con 12 Int 12 Sag 10 Cha 10.
        // Réf 3 + 4 + 1, Vig 1 + 1 + 1, Vol 1 + 0 + 1 ; PV 6 + 4 + 4 + 3 ; lutte 2 - 1 - 4, distance 2 + 4 + 1.
        QTest::newRow("halfelin roublard")
            << "Pip" << QStringList{"8", "18", "12", "12", "10", "10"} << QList<int>{-1, 4, 1, 1, 0, 0} << 17 << 4
            << QList<int>{2, 1, 2 - 1 - 4, 2 - 1 + 1, 2 + 4 + 1} << QList<int>{3, 1, 1} << QList<int>{8, 3, 2} << "3"
            << "Petite Humanoïde";
    }

    // Svirfnebelin : esquive raciale (+4 à la CA et au contact, perdue au dépourvu) ; son bonus
    // aux jets va dans la colonne de la race.
    void traitsRaciaux()
    {
        const Fiche f = calcule("Nébuline");
        const ClasseArmureFiche& ca = f.ClasseArmure;
        // 10 + taille P 1 + Dex 3 + esquive 4 ; au dépourvu, 10 + 1.
        QCOMPARE((QList<int>{ca.Total, ca.Contact, ca.Depourvu}), (QList<int>{10 + 1 + 3 + 4, 10 + 1 + 3 + 4, 10 + 1}));
        QCOMPARE((QList<int>{int(f.Jets[0].Race), int(f.Jets[1].Race), int(f.Jets[2].Race)}), (QList<int>{2, 2, 2}));
    }

    void personnagesLivres()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, totaux);
        QFETCH(QList<int>, modificateurs);
        QFETCH(QList<int>, bases);
        QFETCH(QList<int>, jets);

        const Fiche f = calcule(nom);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(f.Caracteristiques[i].Total, totaux.at(i));
            QCOMPARE(int(f.Caracteristiques[i].Modificateur), modificateurs.at(i));
        }
        QTEST(int(f.PointsDeVie), "pv");
        QTEST(int(f.Initiative), "initiative");
        QTEST((QList<int>{f.AttaqueDeBase, f.NombreAttaques, f.Lutte, f.AttaqueContact, f.AttaqueDistance}), "attaques");
        for (int j = 0; j < 3; ++j) {
            QCOMPARE(int(f.Jets[j].Base), bases.at(j));
            QCOMPARE(int(f.Jets[j].Final), jets.at(j));
        }
        QTEST(f.FP, "fp");
        QTEST(f.Taille + u' ' + f.TypeCreature, "gabarit");
    }

    // "Grâce divine" (paladin, dès le niveau 2) et "Bénédiction impie" (chevalier noir, dès le
    // niveau 2) : le modificateur de Charisme, s'il est positif, à chaque jet ; un seul des deux
    // compte. Caractéristiques à 10 sauf le Charisme : seuls les jets de base et la grâce restent.
    void graceDivine_data()
    {
        QTest::addColumn<QStringList>("classes");   // "classe niveaux", dans l'ordre
        QTest::addColumn<int>("charisme");
        QTest::addColumn<QList<int>>("jets");      // Réflexe, Vigueur, Volonté
        QTest::addColumn<int>("grace");
        // Paladin 1 : 0/2/0, pas encore de grâce.
        QTest::newRow("paladin 1") << QStringList{"Paladin 1"} << 16 << QList<int>{0, 2, 0} << 0;
        // Paladin 11 : 3/7/3, Charisme 16 (+3).
        QTest::newRow("paladin 11") << QStringList{"Paladin 11"} << 16 << QList<int>{6, 10, 6} << 3;
        // Charisme 8 (-1) : pas de malus.
        QTest::newRow("paladin 11 sans charisme") << QStringList{"Paladin 11"} << 8 << QList<int>{3, 7, 3} << 0;
        // Guerrier 6 (2/5/2) et chevalier noir 2 (0/3/0), Charisme 14 (+2).
        QTest::newRow("chevalier noir 2") << QStringList{"Guerrier 6", "Chevalier noir 2"} << 14
                                          << QList<int>{4, 10, 4} << 2;
        // Paladin 6 (2/5/2) devenu chevalier noir 2 : +3 une seule fois.
        QTest::newRow("paladin déchu") << QStringList{"Paladin 6", "Chevalier noir 2"} << 16 << QList<int>{5, 11, 5} << 3;
    }

    void graceDivine()
    {
        QFETCH(QStringList, classes);
        QFETCH(int, charisme);
        QFETCH(QList<int>, jets);
        QFETCH(int, grace);
        const QString nom = "Grâce " + classes.join(' ') + ' ' + QString::number(charisme);
        QVector<NiveauTest> lignes;
        for (const QString& c : classes) {
            const int n = c.section(' ', -1).toInt();
            lignes += niveaux(c.section(' ', 0, -2), n, {}, 10);
        }
        lignes[0].caracs = {10, 10, 10, 10, 10, charisme};
        ajoutePersonnageFiche(*m_perso, nom, lignes, {{"RACE", "Humain"}});
        const Fiche f = calcule(nom);
        for (int j = 0; j < 3; ++j) {
            QCOMPARE(int(f.Jets[j].Final), jets.at(j));
            QCOMPARE(int(f.Jets[j].Divers), grace);
            // Le détail du jet dit d'où vient le bonus.
            QCOMPARE(f.Jets[j].Explication.contains(QString(" dont ")), grace > 0);
        }
        // Appliqué, il ne reparaît pas dans la note des jets.
        QVERIFY2(!f.NoteJS.contains("Sort divin"), qPrintable(f.NoteJS));
    }

    // Fantôme : Cha 12 + 4 = 16, parade +3 ; la note rappelle que l'armure ne compte pas.
    void intangible_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("parade");
        QTest::addColumn<bool>("note");
        QTest::newRow("fantôme") << "Spectre" << 3 << true;
        QTest::newRow("humain") << "Aldo" << 0 << false;
    }

    void intangible()
    {
        QFETCH(QString, nom);
        const Fiche f = calcule(nom);
        QTEST(int(f.CA.Parade), "parade");
        QTEST(f.NoteCA.contains("Attention type intangible on ne compte pas l'armure naturelle"), "note");
    }

    // Chaque race livrée (avec ses dés de vie raciaux) et chaque archétype (sur un humain) donnent
    // une fiche complète aux valeurs plausibles : une faute de données s'y verrait.
    void reglesLivrees()
    {
        QStringList noms;
        QSet<QString> immobiles;   // criard, reine formienne... : aucune vitesse au bestiaire
        for (const Ligne& r : m_programme->selectionne("select Race, Niveau, Type, coalesce(Deplacement, 0) + "
                                                       "coalesce(Deplacement_Air, 0) + coalesce(Deplacement_Eau, 0) + "
                                                       "coalesce(Deplacement_Fouissement, 0) as v from Race")) {
            const int dv = r.entier("Niveau");
            const QString nom = "Race " + r.texte("Race");
            ajoutePersonnageFiche(*m_perso, nom, dv > 0 ? niveaux(r.texte("Type"), dv) : niveaux("Guerrier", 1),
                                  {{"RACE", r.texte("Race")}});
            noms.append(nom);
            if (r.entier("v") == 0)
                immobiles.insert(nom);
        }
        for (const Ligne& a : m_programme->selectionne("select Archetype from Archetype")) {
            const QString nom = "Archétype " + a.texte("Archetype");
            ajoutePersonnageFiche(*m_perso, nom, niveaux("Guerrier", 2), {{"RACE", "Humain"}, {"Archetype", a.texte("Archetype")}});
            noms.append(nom);
        }
        QVERIFY(noms.size() > 90);
        for (const QString& nom : noms) {
            Fiche f;
            QVERIFY2(RetrouveFiche({*m_perso, *m_programme, dossierProgramme()}, nom, {}, f), qPrintable(nom));
            for (const CaracteristiqueFiche& c : f.Caracteristiques) {
                const int total = c.Total.toInt();
                // Les dragons et colosses épiques dépassent 60 en Force.
                QVERIFY2(c.Total == "-" || (total >= 1 && total <= 99), qPrintable(nom + " : " + c.Nom + " " + c.Total));
            }
            // Les vases géantes (Dex 1) ont une CA de 1 à 3 au bestiaire.
            QVERIFY2(f.PointsDeVie >= 1 && f.ClasseArmure.Total >= 1 && f.ClasseArmure.Contact <= f.ClasseArmure.Total,
                     qPrintable(nom));
            QVERIFY2((f.Deplacement.Terre + f.Deplacement.Air + f.Deplacement.Eau > 0 || immobiles.contains(nom))
                         && !f.FP.isEmpty(), qPrintable(nom));
        }
    }

    // Chaque classe livrée, jusqu'à son dernier niveau (20 au plus) : attaque et jets dans les
    // bornes des règles, sorts calculés sans faute.
    void classesLivrees()
    {
        const auto classes = m_programme->selectionne(
            "select Classe, max(Niveau) as n from ClasseProgression group by Classe");
        QVERIFY(classes.size() > 40);
        for (const Ligne& c : classes) {
            const QString nom = "Classe " + c.texte("Classe");
            const int n = qMin(20, int(c.entier("n")));
            ajoutePersonnageFiche(*m_perso, nom, niveaux(c.texte("Classe"), n, {12, 12, 12, 12, 12, 12}),
                                  {{"RACE", "Humain"}});
            Fiche f;
            QVERIFY2(RetrouveFiche({*m_perso, *m_programme, dossierProgramme()}, nom, {}, f), qPrintable(nom));
            QVERIFY2(f.AttaqueDeBase >= 0 && f.AttaqueDeBase <= n, qPrintable(nom));
            for (const JetFiche& j : f.Jets)
                QVERIFY2(j.Base >= 0 && j.Base <= 2 + n / 2, qPrintable(nom + " : " + j.Nom));
        }
    }

    // Chaque arme livrée (hors versions magiques), tenue en main : une ligne d'attaque avec ses dégâts et son critique.
    void armesLivrees()
    {
        const auto armes = m_programme->selectionne("select NomObjet, Type from Objets where DegatDes is not null "
                                                    "and DegatDes <> '' and Emplacement is not null and NomObjet not like '%+%'");
        QVERIFY(armes.size() > 100);
        ajoutePersonnageFiche(*m_perso, "Armurier", niveaux("Guerrier", 4), {{"RACE", "Humain"}});
        for (const Ligne& a : armes) {
            const QString arme = a.texte("NomObjet");
            if (EstBouclier(a.texte("Type")) || EstMunition(a.texte("Type")))
                continue;   // le coup de bouclier et les munitions passent par d'autres emplacements
            m_perso->execute("delete from Equipement where Personnage='Armurier'");
            equipeTest(*m_perso, "Armurier", {{arme, 0}});
            const Fiche f = calcule("Armurier");
            const auto ligne = std::find_if(f.Armes.cbegin(), f.Armes.cend(), [&](const LigneArme& l) { return l.Nom == arme; });
            QVERIFY2(ligne != f.Armes.cend(), qPrintable(arme));
            QVERIFY2(ligne->Ligne.contains("Dégâts(") && ligne->Ligne.contains(",x"), qPrintable(arme + " : " + ligne->Ligne));
        }
    }

    // Une frénésie prise : +6 en Force, -4 à la CA ; "Frénésie aggravée" porte la Force à +10.
    void frenesie_data()
    {
        QTest::addColumn<QStringList>("capacites");
        QTest::addColumn<int>("force");
        QTest::addColumn<int>("ca");
        QTest::newRow("frénésie") << QStringList{"Frénésie"} << 6 << -4;
        QTest::newRow("aggravée") << QStringList{"Frénésie", "Frénésie aggravée"} << 10 << -4;
        QTest::newRow("aggravée seule") << QStringList{"Frénésie aggravée"} << 0 << 0;
    }

    void frenesie()
    {
        QFETCH(QStringList, capacites);
        SaisiesFiche saisies;
        for (const QString& nom : capacites) {
            LigneCapacite l;
            l.Nom = l.Libelle = nom;
            l.Personnage = "Aldo";
            saisies.Capacites.append(l);
        }
        const Fiche repos = calcule("Aldo");
        const Fiche f = calcule("Aldo", saisies);
        QTEST(f.Caracteristiques[0].Total.toInt() - repos.Caracteristiques[0].Total.toInt(), "force");
        QTEST(int(f.ClasseArmure.Total) - int(repos.ClasseArmure.Total), "ca");
        QCOMPARE(f.PointsDeVie, repos.PointsDeVie);
    }

    // Les règles livrées n'ont pas de créature artificielle : deux races ajoutées à une copie.
    void creaturesArtificielles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("totaux");
        QTest::addColumn<int>("pv");
        QTest::addColumn<int>("lutte");
        // Golem de chair du bestiaire : For 21 Dex 9 Sag 11 Cha 1, sans Con ni Int ; 9 DV, BBA 6,
        // lutte 6 + 5 + 4 = 15 ; PV 49 + 30 (grande créature artificielle) = 79.
        QTest::newRow("golem de chair") << "Golem" << QStringList{"21", "9", "-", "-", "11", "1"} << 79 << 15;
        // Forgelier : créature artificielle vivante, garde sa Constitution (14 + 2) et n'a pas de bonus.
        QTest::newRow("forgelier") << "Forgé" << QStringList{"14", "10", "16", "10", "8", "8"} << 10 + 3 << 1 + 2;
    }

    void creaturesArtificielles()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, totaux);
        const QString copie = m_dossier.chemin("artificiel.db");
        if (!QFileInfo::exists(copie)) {
            QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath("tessarys.db"), copie));
            auto programme = BaseDonnees::ouvre(copie);
            // Le golem de chair du bestiaire livré est remplacé par ces valeurs de départ.
            programme->execute("delete from Race where Race = ?", {"Golem de chair"});
            programme->ajoute("Race", {{"Race", "Golem de chair"}, {"Type", "Créature artificielle"}, {"taille", "Grande"},
                                       {"For", 10}, {"Dex", -1}, {"Sag", 0}, {"Cha", -10}});
            programme->ajoute("Race", {{"Race", "Forgelier"}, {"Type", "Créature artificielle"},
                                       {"SousType_1", "Créature artificielle vivante"}, {"taille", "Moyenne"},
                                       {"Con", 2}, {"Sag", -2}, {"Cha", -2}});
            QVector<NiveauTest> golem(9, NiveauTest{"Créature artificielle", 5});
            golem[0] = {"Créature artificielle", 9, {11, 10, 10, 10, 11, 11}};
            ajoutePersonnageFiche(*m_perso, "Golem", golem, {{"RACE", "Golem de chair"}});
            ajoutePersonnageFiche(*m_perso, "Forgé", {{"Guerrier", 10, {14, 10, 14, 10, 10, 10}}}, {{"RACE", "Forgelier"}});
        }
        auto programme = BaseDonnees::ouvre(copie);
        Fiche f;
        QVERIFY(RetrouveFiche({*m_perso, *programme, dossierProgramme()}, nom, {}, f));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.Caracteristiques[i].Total, totaux.at(i));
        QTEST(int(f.PointsDeVie), "pv");
        QTEST(int(f.Lutte), "lutte");
    }

    void resistances_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QList<int>>("valeurs");   // magie, acide, électricité, feu, froid, son, dégâts
        QTest::addColumn<QString>("particularites");
        // Drow : résistance à la magie 11 + niveau de classe.
        QTest::newRow("drow magicien 3") << "Ilvara" << QList<int>{14, 0, 0, 0, 0, 0, 0} << "résistance à la magie(14)";
        QTest::newRow("aasimar") << "Séraphin" << QList<int>{0, 5, 5, 0, 5, 0, 0}
                                 << "résistance à l'acide(5) résistance à l'électricité(5) résistance au froid(5)";
        QTest::newRow("archon canin") << "Rex" << QList<int>{16, 0, 0, 0, 0, 0, 10}
                                      << "résistance à la magie(16) réduction des dégâts(10/Mal)";
        QTest::newRow("humain") << "Aldo" << QList<int>{0, 0, 0, 0, 0, 0, 0} << "";
    }

    void resistances()
    {
        QFETCH(QString, nom);
        const ResistancesFiche r = calcule(nom).Resistances;
        QTEST((QList<int>{r.Magie, r.Acide, r.Electricite, r.Feu, r.Froid, r.Son, r.Degats}), "valeurs");
        QTEST(TexteParticularites(r), "particularites");
    }

    // Les valeurs tapées dans la fiche entrent dans le calcul suivant.
    void saisiesRelues()
    {
        SaisiesFiche s;
        s.DiversCarac2[0] = 2;    // Force 16 → 18 : +4
        s.DiversCarac2[2] = -2;   // Constitution 13 → 11 : +0
        s.JetsRace[1] = Entier16(2);
        const Fiche f = calcule("Aldo", s);
        QCOMPARE(f.Caracteristiques[0].Total, QString("18"));
        QCOMPARE(int(f.Caracteristiques[0].Score), 16);
        QCOMPARE(int(f.AttaqueContact), 6 + 4);
        QCOMPARE(int(f.Lutte), 6 + 4);
        QCOMPARE(int(f.PointsDeVie), 40);
        QCOMPARE(int(f.Jets[1].Final), 5 + 0 + 2);
        // Sans saisie, le jet de race est celui de la race.
        QCOMPARE(int(f.Jets[0].Race), 0);
    }

    // Chaque vision que la race ou une capacité donne, une fois ; rien pour une vision absente.
    void vision_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<bool>("danseur");   // guerrier 5 / danseur de l'ombre 2, sinon guerrier 2
        QTest::addColumn<QString>("vision");
        QTest::newRow("elfe : vision nocturne, pas de vision dans le noir") << "Elfe" << false << "Vision nocturne";
        QTest::newRow("humain : aucune") << "Humain" << false << "";
        QTest::newRow("nain") << "Nain" << false << "Vision dans le noir 18 m";
        QTest::newRow("troll : trait racial et texte de la race une seule fois")
            << "Troll" << false << "Vision dans le noir 27 m, Vision nocturne, odorat";
        QTest::newRow("humain danseur de l'ombre") << "Humain" << true << "Vision dans le noir 18 m";
        QTest::newRow("drow danseur de l'ombre : la plus longue") << "Drow" << true << "Vision dans le noir 36 m";
    }
    void vision()
    {
        QFETCH(QString, race);
        QFETCH(bool, danseur);
        QVector<NiveauTest> lignes = niveaux("Guerrier", danseur ? 5 : 2);
        if (danseur)
            lignes += niveaux("Danseur de l'ombre", 2);
        const QString nom = QStringLiteral("Vision %1 %2").arg(race).arg(danseur);
        ajoutePersonnageFiche(*m_perso, nom, lignes, {{"RACE", race}});
        QTEST(calcule(nom).Vision, "vision");
    }

    void description_data()
    {
        QTest::addColumn<QStringList>("personnage");   // sexe, âge, race, dieu, cheveux, yeux, taille, poids
        QTest::addColumn<QString>("phrase");
        QTest::newRow("humaine sans dieu")
            << QStringList{"F", "30", "Humain", "", "roux", "gris", "165", "55"}
            << "Lia est une Humaine de 30 ans. Elle a les cheveux roux avec les yeux gris. Elle mesure 165 cm et pèse "
               "55 kg. Elle vénère aucun dieu.";
        QTest::newRow("elfe, f minuscule")
            << QStringList{"f", "120", "Elfe", "Corellon", "roux", "gris", "165", "55"}
            << "Lia est une Elfe de 120 ans. Elle a les cheveux roux avec les yeux gris. Elle mesure 165 cm et pèse "
               "55 kg. Elle vénère Corellon.";
        QTest::newRow("nain sans âge")
            << QStringList{"M", "0", "Nain", "Moradin", "roux", "gris", "165", "55"}
            << "Lia est un Nain. Il a les cheveux roux avec les yeux gris. Il mesure 165 cm et pèse 55 kg. Il vénère "
               "Moradin.";
        QTest::newRow("cheveux, yeux, taille et poids vides")
            << QStringList{"F", "30", "Elfe", "", "", "", "0", "0"} << "Lia est une Elfe de 30 ans. Elle vénère aucun dieu.";
        QTest::newRow("yeux seuls, poids seul") << QStringList{"M", "0", "Nain", "Moradin", " ", "gris", "0", "70"}
                                                << "Lia est un Nain. Il a les yeux gris. Il pèse 70 kg. Il vénère Moradin.";
        QTest::newRow("cheveux seuls, taille seule")
            << QStringList{"M", "0", "Nain", "Moradin", "noirs", "", "130", "0"}
            << "Lia est un Nain. Il a les cheveux noirs. Il mesure 130 cm. Il vénère Moradin.";
    }

    void description()
    {
        QFETCH(QStringList, personnage);
        TypePersonnage p;
        p.Nom = "Lia";
        p.Sexe = personnage[0];
        p.Age = personnage[1].toInt();
        p.RACE = personnage[2];
        p.Dieu = personnage[3];
        p.Cheveux = personnage[4];
        p.Yeux = personnage[5];
        p.taille = personnage[6].toInt();
        p.poids = personnage[7].toInt();
        const QString obtenue = PhraseDescription(p);
        QTEST(obtenue, "phrase");
        QVERIFY(!obtenue.contains("  ") && !obtenue.contains(" ."));
    }

    // Lignes de niveau qui ne s'accordent pas avec les classes : rien d'autre n'est calculé.
    void chargementRefuse()
    {
        ajoutePersonnageFiche(*m_perso, "Bancal", {{"Guerrier", 10, {10, 10, 10, 10, 10, 10}}, {"Guerrier", 6}},
                              {{"RACE", "Humain"}});
        m_perso->execute("update Personnage set Niv_1 = 3 where Nom = ?", {"Bancal"});
        Fiche f;
        QVERIFY(!RetrouveFiche({*m_perso, *m_programme, dossierProgramme()}, "Bancal", {}, f));
        QCOMPARE(f.Etapes, QVector<int>{1});
        QVERIFY(f.Description.isEmpty());
    }

    // Une valeur saisie démesurée fait déborder le calcul : le message nomme le personnage.
    void depassementNomme()
    {
        ajoutePersonnageFiche(*m_perso, "Colosse", {{"Guerrier", 10, {30000, 10, 10, 10, 10, 10}}, {"Guerrier", 6, {30000}}},
                              {{"RACE", "Humain"}});
        Fiche f;
        try {
            RetrouveFiche({*m_perso, *m_programme, dossierProgramme()}, "Colosse", {}, f);
            QFAIL("le débordement n'a pas été signalé");
        } catch (const ErreurExecution& e) {
            QVERIFY2(e.description().contains("« Colosse »"), qPrintable(e.description()));
        }
    }

    // Un don choisi et un sort préparé que les règles n'ont plus restent visibles, marqués, et ne
    // comptent pour rien ; le reste de la fiche se calcule.
    void regleAbsente()
    {
        QVector<NiveauTest> pretre(3, NiveauTest{"Prêtre", 6});
        pretre[0].caracs = {12, 10, 12, 10, 16, 14};
        ajoutePersonnageFiche(*m_perso, "Oublie", pretre, {{"RACE", "Humain"}, {"Domaine_1", "Bien"}});
        choisit(*m_perso, "Oublie", "Prêtre", 1, "Don disparu");
        m_perso->ajoute("SortListe", {{"NomPerso", "Oublie"}, {"ClassePerso", "Prêtre"}, {"NomSort", "Sort disparu"},
                                      {"Niveau", 1}, {"EmplacementSort", "Niveau 1 n°1"}});
        const Fiche f = calcule("Oublie");
        QVERIFY(std::any_of(f.Dons.cbegin(), f.Dons.cend(),
                            [](const LigneDon& d) { return d.Affiche == u"Don disparu (absent des règles)"; }));
        QCOMPARE(f.Sorts.size(), 1);
        const auto& prepares = f.Sorts.first().prepares;
        QVERIFY(std::any_of(prepares.cbegin(), prepares.cend(), [](const EmplacementSort& e) {
            return e.nom == u"Sort disparu" && e.ecole == u"(absent des règles)";
        }));
        QCOMPARE(int(f.Jets[1].Final), 3 + 1);   // Vigueur : base 3 du prêtre, Constitution 12
    }
};

QTEST_GUILESS_MAIN(TestFiche)
#include "test_fiche.moc"

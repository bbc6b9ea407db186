// Familles d'armes, lignes d'attaque, vitesses et valeur de l'équipement, sur les règles livrées ;
// valeurs tirées à la main des règles 3.5 (épée longue 1d8, 19-20/x2 ; arc long 1d8, x3, portée
// 30 m ; javeline 9 m ; richesse par niveau : 9 000 po au niveau 5, équipement d'un PNJ 4 300 po).
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/Armes.h"
#include "sheet/AttaquesNaturelles.h"
#include "sheet/Equipement.h"
#include "sheet/ExportFiche.h"
#include "sheet/RetrouveFiche.h"
#include "sheet/ValeurPersonnage.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestArmes : public TestFicheBase
{
    Q_OBJECT

    TypeObjet objet(const QString& nom)
    {
        TypeObjet o;
        ListeBonus b;
        if (!ChargeObjet(*m_programme, nom, o, b))
            qWarning("objet %s absent", qPrintable(nom));
        return o;
    }

    // Guerrier humain de niveau 1, Force 16 (+3), Dextérité 14 (+2), sans liste de bonus.
    Fiche guerrier(const QVector<LigneDon>& dons = {})
    {
        Fiche f = calcule(QStringLiteral("Lame"));
        f.Dons = dons;
        f.Bonus.clear();
        return f;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        ajoutePersonnageFiche(*m_perso, "Lame", {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Lame", {{"Épée longue", 0}});
        ajoutePersonnageFiche(*m_perso, "Archer", {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Archer", {{"Arc long", 0}, {"Flèches +1 (20)", 11}});
        ajoutePersonnageFiche(*m_perso, "Veteran",
                              {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}, {"Guerrier", 6}, {"Guerrier", 6},
                               {"Guerrier", 6}, {"Guerrier", 6}, {"Guerrier", 6}},
                              {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Veteran", {{"Épée longue +1", 0}, {"Dague", 2}});
        ajoutePersonnageFiche(*m_perso, "Paladin", {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Paladin", {{"Épée longue sainte +1", 0}});
        ajoutePersonnageFiche(*m_perso, "Jumelles", {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
        equipeTest(*m_perso, "Jumelles", {{"Épée longue", 0}, {"Épée longue", 2}});

        // Caractéristiques de départ For, Dex, Con, Int, Sag, Cha, avant la race.
        const auto cree = [&](const char* nom, const char* race, const char* classe, int niveaux,
                              std::array<int, 6> caracs, const QVector<ObjetPorte>& objets) {
            QVector<NiveauTest> n(niveaux, NiveauTest{classe, 6, {}});
            n[0].caracs = caracs;
            ajoutePersonnageFiche(*m_perso, nom, n, {{"RACE", race}});
            equipeTest(*m_perso, nom, objets);
        };
        const std::array<int, 6> moyen{10, 10, 10, 10, 10, 10};
        cree("Moine", "Humain", "Moine", 5, {12, 14, 10, 10, 14, 10}, {});
        cree("Kama", "Humain", "Moine", 5, {12, 14, 10, 10, 14, 10}, {{"Kama +1", 0}});
        cree("Rodeur", "Humain", "Rôdeur", 6, {14, 17, 12, 10, 12, 10}, {{"Épée longue +1", 0}, {"Épée courte +1", 2}});
        cree("Ogre", "Ogre", "Géant", 4, {11, 10, 11, 10, 10, 10}, {{"Massue", 0}});
        cree("Loup", "Loup", "Animal", 2, {11, 11, 11, 10, 10, 10}, {});
        cree("Lezard", "Homme-lézard", "Humanoïde", 2, {11, 10, 11, 10, 10, 10}, {});
        cree("LezardArme", "Homme-lézard", "Humanoïde", 2, {11, 10, 11, 10, 10, 10}, {{"Épée courte", 0}});
        cree("Mage", "Humain", "Magicien", 1, {10, 14, 10, 10, 10, 10}, {});
        cree("Nain", "Nain", "Guerrier", 1, moyen, {{"Harnois", 1}});
        cree("Cuirasse", "Humain", "Guerrier", 1, moyen, {{"Cuirasse", 1}});
        cree("Porteur", "Humain", "Guerrier", 1, moyen, {{"Harnois", -1}});
        cree("Halfelin", "Halfelin", "Guerrier", 1, {12, 10, 10, 10, 10, 10}, {});
        cree("HalfelinCuirasse", "Halfelin", "Guerrier", 1, {12, 10, 10, 10, 10, 10}, {{"Cuirasse", 1}});
        cree("Niveau5", "Humain", "Guerrier", 5, moyen, {{"Épée longue", 0}, {"Sac à dos (vide)", -1}, {"Corde en chanvre (15 m)", -1}});
    }

    void familles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("arme");
        QTest::addColumn<bool>("distance");
        QTest::addColumn<bool>("arc");
        QTest::addColumn<bool>("munition");
        QTest::addColumn<bool>("moine");
        QTest::addColumn<bool>("bouclier");
        QTest::addColumn<bool>("jet");
        QTest::newRow("épée longue") << "Epée longue" << true << false << false << false << false << false << false;
        QTest::newRow("arc long") << "Arc Long" << true << true << true << false << false << false << false;
        QTest::newRow("arbalète") << "Arbalète légère" << true << true << true << false << false << false << false;
        QTest::newRow("javeline") << "Javeline de jet" << true << true << false << false << false << false << true;
        QTest::newRow("shuriken") << "Shuriken" << true << true << false << false << true << false << true;
        QTest::newRow("flèches") << "Flèches" << false << false << false << true << false << false << false;
        QTest::newRow("écu") << "Ecu" << true << false << false << false << false << true << false;
        QTest::newRow("pavois") << "Pavois" << false << false << false << false << false << true << false;
        QTest::newRow("mains nues") << "Mains nues" << true << false << false << false << true << false << false;
        // Les noms se comparent exactement, fautes comprises.
        QTest::newRow("fléau S") << "Fléau d'armeS léger" << true << false << false << false << false << false << false;
        QTest::newRow("fléau s") << "Fléau d'armes léger" << false << false << false << false << false << false << false;
        QTest::newRow("bâtarde fautive") << "Epéé bâtarde" << true << false << false << false << false << false << false;
        QTest::newRow("bâtarde juste") << "Epée bâtarde" << false << false << false << false << false << false << false;
    }
    void familles()
    {
        QFETCH(QString, nom);
        QFETCH(bool, arme);
        QFETCH(bool, distance);
        QFETCH(bool, arc);
        QFETCH(bool, munition);
        QFETCH(bool, moine);
        QFETCH(bool, bouclier);
        QFETCH(bool, jet);
        QCOMPARE(EstArme(nom), arme);
        QCOMPARE(EstArmeDistance(nom), distance);
        QCOMPARE(EstArc(nom), arc);
        QCOMPARE(EstMunition(nom), munition);
        QCOMPARE(EstArmeMoine(nom), moine);
        QCOMPARE(EstBouclier(nom), bouclier);
        QCOMPARE(EstArmeJet(nom), jet);
    }

    // Lignes des armes tenues, calculées par toute la fiche.
    void lignesDeLaFiche_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("lignes");
        // BBA +1, Force +3 : attaque +4, dégâts 1d8+3.
        QTest::newRow("épée longue") << "Lame" << QStringList{"Mélée(+4) Dégâts(1d8+3) (19-20,x2)"};
        // Dextérité +2 à l'attaque ; arc non composite : pas de Force aux dégâts ; flèches +1.
        QTest::newRow("arc et flèches +1") << "Archer" << QStringList{" Jet(+4) Dégâts(1d8+1) (20,x3)"};
        // BBA +6/+1 ; deux armes sans don : -6 / -10, dague légère : -4 / -8 ; épée +1 ;
        // main secondaire : une attaque, moitié de la Force (+1).
        // La ligne 'seule' : l'épée à outrance sans la dague (+6 +3 +1).
        QTest::newRow("deux armes") << "Veteran"
                                    << QStringList{"Mélée(+6/+1) Dégâts(1d8+4) (19-20,x2)",
                                                   "Mélée(+10/+5) Dégâts(1d8+4) (19-20,x2)",
                                                   "Mélée(+1) Dégâts(1d4+1) (19-20,x2)"};
        QTest::newRow("arme sainte") << "Paladin" << QStringList{"Mélée(+5) Dégâts(1d8+4 +2d6(Sainte)) (19-20,x2)"};
    }
    void lignesDeLaFiche()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, lignes);
        const Fiche f = calcule(nom);
        QStringList obtenues;
        for (const LigneArme& a : f.Armes)
            obtenues.append(a.Ligne);
        QCOMPARE(obtenues, lignes);
        // La ligne de l'arme principale est aussi dans la seconde colonne de vsEquip.
        QCOMPARE(f.Equipement.at(0).Divers, lignes.at(0));
        QCOMPARE(FicheEnJson(f).value("armes").toArray().size(), lignes.size());
        // Bloc de texte : "Attaque à outrance" reprend les lignes, "Attaque" la première attaque.
        const QStringList bloc = FicheEnTexte(f).split(u'\n');
        QStringList outrance;
        for (const LigneArme& a : f.Armes)
            outrance.append(a.Nom + u' ' + a.Ligne.trimmed());
        QVERIFY(bloc.contains(QStringLiteral("Attaque à outrance : ") + outrance.join(QStringLiteral(", et "))));
    }

    // Dons d'attaque et de dégâts sur l'arme choisie seulement.
    void donsSurArme_data()
    {
        QTest::addColumn<QVector<LigneDon>>("dons");
        QTest::addColumn<QString>("arme");
        QTest::addColumn<int>("attaque");
        QTest::addColumn<int>("degats");
        QTest::addColumn<QString>("caracteristique");
        const QVector<LigneDon> predilection{donTest("Arme de prédilection", "Epée longue"),
                                             donTest("Arme de prédilection épique", "Epée longue")};
        QTest::newRow("sans don") << QVector<LigneDon>{} << "Épée longue" << 4 << 3 << "Force";
        QTest::newRow("prédilection + épique") << predilection << "Épée longue" << 7 << 3 << "Force";
        QTest::newRow("prédilection sur une autre arme") << predilection << "Dague" << 4 << 3 << "Force";
        // Prise pour l'arme (nom accentué), elle vaut pour ses versions de maître et magiques (leur
        // altération vient de la liste de bonus, vide ici).
        const QVector<LigneDon> surLeNom{donTest("Arme de prédilection", "Épée longue")};
        QTest::newRow("prédilection, arme +1") << surLeNom << "Épée longue +1" << 5 << 3 << "Force";
        QTest::newRow("prédilection, arme de maître") << surLeNom << "Épée longue de maître" << 5 << 3 << "Force";
        QTest::newRow("spécialisation") << QVector<LigneDon>{donTest("Spécialisation martiale", "Epée longue")}
                                        << "Épée longue" << 4 << 5 << "Force";
        // Arc : Dextérité à l'attaque, pas de Force aux dégâts.
        QTest::newRow("arc long") << QVector<LigneDon>{} << "Arc long" << 3 << 0 << "Dextérité";
        // Finesse : la Dextérité ne sert que si elle dépasse la Force (ici 14 < 16).
        QTest::newRow("finesse sans gain") << QVector<LigneDon>{donTest("Attaque en finesse")} << "Rapière" << 4 << 3
                                           << "Force";
        // Javeline : arme de jet, Dextérité à l'attaque, Force aux dégâts.
        QTest::newRow("javeline") << QVector<LigneDon>{} << "Javeline" << 3 << 3 << "Dextérité";
        // Brutal : -1 à l'attaque, +1 aux dégâts au contact.
        QTest::newRow("brutal") << QVector<LigneDon>{donTest("Brutal")} << "Épée longue" << 3 << 4 << "Force";
        // Le bonus halfelin ne vaut que pour les armes de jet, pas pour l'arbalète.
        QTest::newRow("halfelin, arbalète") << QVector<LigneDon>{donTest("Bonus halfelin fronde")} << "Arbalète légère"
                                            << 3 << 0 << "Dextérité";
        // Arme de maîtrise au niveau 1 : 3 × 1 / 4 = 0 remplace l'attaque de base (+1).
        QTest::newRow("arme de maîtrise") << QVector<LigneDon>{donTest("Arme de maîtrise", "Epée longue")} << "Épée longue"
                                          << 3 << 3 << "Force";
    }
    void donsSurArme()
    {
        QFETCH(QVector<LigneDon>, dons);
        QFETCH(QString, arme);
        QFETCH(int, attaque);
        QFETCH(int, degats);
        QFETCH(QString, caracteristique);
        const LigneAttaque a = CalculeLigneArme(guerrier(dons), objet(arme));
        QCOMPARE(a.Attaques, QList<int>{attaque});
        QCOMPARE(a.BonusDegats, degats);
        QCOMPARE(a.Caracteristique, caracteristique);
    }

    void blocDeTexte()
    {
        const QStringList bloc = FicheEnTexte(calcule("Veteran")).split(u'\n');
        // Une seule arme à la fois : ni pénalité de deux armes ni demi-Force (BBA 6 + For 3).
        QVERIFY(bloc.contains("Attaque : Épée longue +1 Mélée(+10) Dégâts(1d8+4) (19-20,x2); ou "
                              "Épée longue +1 'seule' Mélée(+10) Dégâts(1d8+4) (19-20,x2); ou "
                              "Dague Mélée(+9) Dégâts(1d4+3) (19-20,x2)"));
        // Guerrier 6 humain, Dex 14, sans armure : 12, contact 12, pris au dépourvu 10.
        QVERIFY(bloc.contains("Classe d'armure : 12, contact 12, pris au dépourvu 10"));
        QVERIFY(bloc.indexOf("Classe d'armure : 12, contact 12, pris au dépourvu 10") < bloc.indexOf("Attaque de base/lutte : +6/+9"));
    }

    void finesseAvecDexterite()
    {
        Fiche f = guerrier({donTest("Attaque en finesse")});
        f.Caracteristiques[1].Modificateur = 4;
        QCOMPARE(CalculeLigneArme(f, objet("Rapière")).Attaques, QList<int>{5});
        // L'épée longue n'est pas une arme de finesse.
        QCOMPARE(CalculeLigneArme(f, objet("Épée longue")).Attaques, QList<int>{4});
    }

    void penalitesDeuxArmes_data()
    {
        QTest::addColumn<QVector<LigneDon>>("dons");
        QTest::addColumn<QString>("race");
        QTest::addColumn<int>("principale");
        QTest::addColumn<int>("secondaire");
        QTest::newRow("sans don") << QVector<LigneDon>{} << "Humain" << -6 << -10;
        QTest::newRow("combat à deux armes") << QVector<LigneDon>{donTest("Combat à deux armes")} << "Humain" << -4 << -4;
        QTest::newRow("avec ambidextrie") << QVector<LigneDon>{donTest("Combat à deux armes"), donTest("Ambidextrie")}
                                          << "Humain" << -3 << -3;
        QTest::newRow("marilith") << QVector<LigneDon>{donTest("Combat à plusieurs armes")} << "Marilith" << 0 << 0;
        QTest::newRow("dissociation") << QVector<LigneDon>{donTest("Dissociation du combat à deux armes")} << "Humain" << 0
                                      << 0;
    }
    void penalitesDeuxArmes()
    {
        QFETCH(QVector<LigneDon>, dons);
        QFETCH(QString, race);
        QFETCH(int, principale);
        QFETCH(int, secondaire);
        Fiche f = guerrier(dons);
        f.Race.RACE = race;
        int p1 = -6, p2 = -10;
        PenalitesDeuxArmes(f, p1, p2, objet("Épée longue"));
        QCOMPARE(p1, principale);
        QCOMPARE(p2, secondaire);
    }

    void critique_data()
    {
        QTest::addColumn<QString>("arme");
        QTest::addColumn<bool>("scienceDuCritique");
        QTest::addColumn<QString>("texte");
        QTest::newRow("épée longue") << "Épée longue" << false << "(19-20,x2)";
        QTest::newRow("épée acérée") << "Épée longue acérée +1" << false << "(17-20,x2)";
        // Affûtage et Science du critique ne se cumulent pas.
        QTest::newRow("acérée et science") << "Épée longue acérée +1" << true << "(17-20,x2)";
        QTest::newRow("science") << "Épée longue" << true << "(17-20,x2)";
        QTest::newRow("rapière") << "Rapière" << true << "(15-20,x2)";
        QTest::newRow("arc") << "Arc long" << false << "(20,x3)";
        QTest::newRow("arc et science") << "Arc long" << true << "(20,x3)";
    }
    void critique()
    {
        QFETCH(QString, arme);
        QFETCH(bool, scienceDuCritique);
        QFETCH(QString, texte);
        const TypeObjet o = objet(arme);
        QVector<LigneDon> dons;
        if (scienceDuCritique)
            dons.append(donTest("Science du critique", o.GroupeObjet == u"Arc Long" ? "Epée longue" : o.GroupeObjet));
        QCOMPARE(CalculeCritique(guerrier(dons), o).texte(), texte);
    }

    void portee_data()
    {
        QTest::addColumn<QString>("arme");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<double>("portee");
        QTest::newRow("arc") << "Arc long" << QStringList{} << 30.0;
        QTest::newRow("arc, tir de loin") << "Arc long" << QStringList{"Tir de loin"} << 45.0;
        QTest::newRow("javeline, tir de loin") << "Javeline" << QStringList{"Tir de loin"} << 18.0;
        QTest::newRow("arbalète, tir de loin") << "Arbalète légère" << QStringList{"Tir de loin"} << 36.0;
        // Dague de jet (3 m) : l'art du lancer la porte à 9 m, avant le doublement du tir de loin.
        QTest::newRow("dague de jet, art du lancer") << "Dague de jet" << QStringList{"Art du lancer"} << 9.0;
        QTest::newRow("dague de jet, deux dons") << "Dague de jet" << QStringList{"Art du lancer", "Tir de loin"} << 18.0;
    }
    void portee()
    {
        QFETCH(QString, arme);
        QFETCH(QStringList, dons);
        QFETCH(double, portee);
        QVector<LigneDon> lignes;
        for (const QString& d : dons)
            lignes.append(donTest(d));
        QCOMPARE(FacteurPortee(guerrier(lignes), objet(arme)), portee);
    }

    // Toutes les lignes de la fiche, "nom ligne" : mains nues, déluge, armes naturelles, sorts.
    // Valeurs tirées à la main des règles 3.5 (moine 5 : 1d8 à mains nues, déluge à -1).
    void lignesSansArme_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("lignes");
        // Attaque de base +3, Force +1 : +4 ; déluge : deux attaques à +3 (+2/+2 de la table, plus la Force).
        QTest::newRow("moine 5") << "Moine"
                                 << QStringList{"Mains nues Mélée(+4) Dégâts(1d8+1) (20,x2)",
                                                "Mains nues 'Déluge' Mélée(+3/+3) Dégâts(1d8+1) (20,x2)"};
        // Kama +1, arme de moine : déluge avec elle ; le moine garde ses mains nues.
        QTest::newRow("moine au kama") << "Kama"
                                       << QStringList{"Kama +1 Mélée(+5) Dégâts(1d6+2) (20,x2)",
                                                      "Kama +1 'Déluge' Mélée(+4/+4) Dégâts(1d6+2) (20,x2)",
                                                      "Mains nues Mélée(+4) Dégâts(1d8+1) (20,x2)",
                                                      "Mains nues 'Déluge' Mélée(+3/+3) Dégâts(1d8+1) (20,x2)"};
        // Rôdeur 6 sans armure : style à deux armes (combat et science du combat à deux armes),
        // -2/-2 avec une épée courte ; attaque +6/+1, For +2, armes +1. Main secondaire : deux
        // attaques, moitié de la Force. Lanceur de sorts : contact (For) et rayon (Dex +3).
        QTest::newRow("rôdeur à deux armes")
            << "Rodeur"
            << QStringList{"Épée longue +1 Mélée(+7/+2) Dégâts(1d8+3) (19-20,x2)",
                           "Épée longue +1 'seule' Mélée(+9/+4) Dégâts(1d8+3) (19-20,x2)",
                           "Épée courte +1 Mélée(+7/+2) Dégâts(1d6+2) (19-20,x2)",
                           "Sort au contact Contact(+8) Dégâts(selon le sort) (20,x2)",
                           "Rayon Contact(+9) Dégâts(selon le sort) (20,x2)"};
        // Ogre : géant 4 (+3), For 21 (+5), grand (-1) ; massue à deux mains de taille G : 2d8, 1,5 × For.
        QTest::newRow("ogre") << "Ogre" << QStringList{"Massue Mélée(+7) Dégâts(2d8+7) (20,x2)"};
        // Loup : animal 2 (+1), For 13 (+1) ; morsure seule : 1d6 et 1,5 × For.
        QTest::newRow("loup") << "Loup" << QStringList{"Morsure Mélée(+2) Dégâts(1d6+1) (20,x2)"};
        // Homme-lézard (+1, For 13) : griffes principales, morsure secondaire (-5, demi-Force).
        QTest::newRow("homme-lézard") << "Lezard"
                                      << QStringList{"Griffe Mélée(+2/+2) Dégâts(1d4+1) (20,x2)",
                                                     "Morsure Mélée(-3) Dégâts(1d4+0) (20,x2)"};
        // Arme en main : toutes les armes naturelles deviennent secondaires.
        QTest::newRow("homme-lézard armé") << "LezardArme"
                                           << QStringList{"Épée courte Mélée(+2) Dégâts(1d6+1) (19-20,x2)",
                                                          "Griffe Mélée(-3/-3) Dégâts(1d4+0) (20,x2)",
                                                          "Morsure Mélée(-3) Dégâts(1d4+0) (20,x2)"};
        // Magicien 1 sans arme : contact et rayon, puis un coup sans arme à 1d3.
        QTest::newRow("magicien") << "Mage"
                                  << QStringList{"Sort au contact Contact(+0) Dégâts(selon le sort) (20,x2)",
                                                 "Rayon Contact(+2) Dégâts(selon le sort) (20,x2)",
                                                 "Sans Arme Mélée(+0) Dégâts(1d3+0) (20,x2)"};
    }
    void lignesSansArme()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, lignes);
        const Fiche f = calcule(nom);
        QStringList obtenues;
        for (const LigneArme& a : f.Armes)
            obtenues.append(a.Nom + u' ' + a.Ligne);
        QCOMPARE(obtenues, lignes);
        // L'arme principale de la fiche est la première ligne.
        QCOMPARE(f.NomArme, f.Armes.first().Nom);
        const QJsonArray armes = FicheEnJson(f).value("armes").toArray();
        QCOMPARE(armes.size(), lignes.size());
        QCOMPARE(armes.last().toObject().value("ligne").toString(), f.Armes.last().Ligne);
    }

    // Dons et capacités prises qui ajoutent des entrées à la liste des bonus ou des attaques.
    void lignesEnPlus_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QStringList>("capacites");   // "nom:niveau"
        QTest::addColumn<QStringList>("lignes");
        // Guerrier 1, For 16, épée longue : +4, 1d8+3.
        QTest::newRow("attaque en puissance 1") << "Lame" << QStringList{} << QStringList{"Attaque en puissance:1"}
                                                << QStringList{"Mélée(+3) Dégâts(1d8+4) (19-20,x2)"};
        // Bornée par l'attaque de base (+1).
        QTest::newRow("attaque en puissance bornée") << "Lame" << QStringList{} << QStringList{"Attaque en puissance:5"}
                                                     << QStringList{"Mélée(+3) Dégâts(1d8+4) (19-20,x2)"};
        QTest::newRow("coup saint") << "Lame" << QStringList{"Coup Saint"} << QStringList{}
                                    << QStringList{"Mélée(+4) Dégâts(1d8+3 +2d6(Sainte)) (19-20,x2)"};
        QTest::newRow("rapidité") << "Lame" << QStringList{} << QStringList{"Rapidité:1"}
                                  << QStringList{"Mélée(+4/+4) Dégâts(1d8+3) (19-20,x2)"};
        // Arc long, Dex +2, flèches +1 : +4 ; tir rapide : une flèche de plus, -2 à toutes ;
        // feu nourri : deux flèches à -4.
        QTest::newRow("tir rapide et feu nourri")
            << "Archer" << QStringList{"Tir rapide", "Feu nourri"} << QStringList{}
            << QStringList{" Jet(+4) Dégâts(1d8+1) (20,x3)", " Jet(+2/+2) Dégâts(1d8+1) (20,x3)",
                           " Jet(+0) Dégâts(2x(1d8+1)) (20,x3)"};
        // Deux épées longues, combat à deux armes : -4 / -4, allégées à -2 / -2 par le don qui fait
        // compter l'épée de la main secondaire comme légère ; 1 + For 3 - 2, demi-Force aux dégâts.
        QTest::newRow("arme secondaire disproportionnée")
            << "Jumelles" << QStringList{"Combat à deux armes", "Arme secondaire disproportionnée"} << QStringList{}
            << QStringList{"Mélée(+2) Dégâts(1d8+3) (19-20,x2)", "Mélée(+4) Dégâts(1d8+3) (19-20,x2)",
                           "Mélée(+2) Dégâts(1d8+1) (19-20,x2)"};
        QTest::newRow("tir à bout portant") << "Archer" << QStringList{"Tir à bout portant"} << QStringList{}
                                            << QStringList{" Jet(+5) Dégâts(1d8+2) (20,x3)"};
    }
    void lignesEnPlus()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, dons);
        QFETCH(QStringList, capacites);
        QFETCH(QStringList, lignes);
        Fiche f = calcule(nom);
        for (const QString& d : dons)
            f.Dons.append(donTest(d));
        ListeCapacitesPerso prises;
        for (const QString& c : capacites) {
            LigneCapacite l;
            l.Nom = c.section(u':', 0, 0);
            l.Niveau = c.section(u':', 1);
            prises.append(l);
        }
        LignesAttaque(f, prises);
        QStringList obtenues;
        for (const LigneArme& a : f.Armes)
            obtenues.append(a.Ligne);
        QCOMPARE(obtenues, lignes);
    }

    // Coup à mains nues du moine et malus du déluge, par niveau de moine.
    void moine_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("des");
        QTest::addColumn<int>("deluge");
        QTest::newRow("1") << 1 << "1d6" << -2;
        QTest::newRow("4") << 4 << "1d8" << -2;
        QTest::newRow("5") << 5 << "1d8" << -1;
        QTest::newRow("8") << 8 << "1d10" << -1;
        QTest::newRow("9") << 9 << "1d10" << 0;
        QTest::newRow("12") << 12 << "2d6" << 0;
        QTest::newRow("16") << 16 << "2d8" << 0;
        QTest::newRow("20") << 20 << "2d10" << 0;
    }
    void moine()
    {
        QFETCH(int, niveau);
        QFETCH(QString, des);
        QFETCH(int, deluge);
        QCOMPARE(DesMainsNuesMoine(niveau), des);
        QCOMPARE(PenaliteDeluge(niveau), deluge);
    }

    // Vitesses en mètres : armure intermédiaire ou lourde et charge ralentissent, pas les nains.
    void vitesses_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<double>("terre");
        QTest::addColumn<QString>("charge");
        QTest::newRow("humain sans armure") << "Lame" << 9.0 << "légère";
        // Cuirasse (15 kg) : armure intermédiaire, charge légère pour For 10 (16,5 kg).
        QTest::newRow("humain en cuirasse") << "Cuirasse" << 6.0 << "légère";
        // Harnois dans le sac (25 kg) : charge intermédiaire.
        QTest::newRow("humain chargé") << "Porteur" << 6.0 << "intermédiaire";
        QTest::newRow("nain en harnois") << "Nain" << 6.0 << "intermédiaire";
        QTest::newRow("halfelin") << "Halfelin" << 6.0 << "légère";
        // Petite taille, For 10 : charge légère jusqu'à 16,5 × 0,75 kg ; la cuirasse à sa taille pèse
        // 7,5 kg. L'armure intermédiaire seule ralentit : 6 m deviennent 4,5 m.
        QTest::newRow("halfelin en cuirasse") << "HalfelinCuirasse" << 4.5 << "légère";
        QTest::newRow("ogre") << "Ogre" << 12.0 << "légère";
    }
    void vitesses()
    {
        QFETCH(QString, nom);
        QFETCH(double, terre);
        QFETCH(QString, charge);
        const Fiche f = calcule(nom);
        QCOMPARE(f.Encombrement, charge);
        const QJsonObject d = FicheEnJson(f).value("deplacement").toObject();
        QCOMPARE(d.value("terre").toDouble(), terre);
        QCOMPARE(d.value("vol").toDouble(), 0.0);
        QCOMPARE(d.value("nage").toDouble(), 0.0);
    }

    // Valeur de l'équipement par niveau : richesse d'un personnage joueur et équipement d'un PNJ.
    void valeurParNiveau_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("pj");
        QTest::addColumn<int>("pnj");
        QTest::newRow("1") << 1 << 0 << 900;
        QTest::newRow("4") << 4 << 5400 << 3300;
        QTest::newRow("5") << 5 << 9000 << 4300;
        QTest::newRow("20") << 20 << 760000 << 220000;
        QTest::newRow("au-delà de 20") << 25 << 760000 << 220000;
    }
    void valeurParNiveau()
    {
        QFETCH(int, niveau);
        QFETCH(int, pj);
        QFETCH(int, pnj);
        QCOMPARE(ValeurEquipementPJ(niveau), pj);
        QCOMPARE(ValeurEquipementPNJ(niveau), pnj);
    }

    void valeurDeLaFiche()
    {
        const QJsonObject o = FicheEnJson(calcule("Niveau5"));
        QCOMPARE(o.value("prixPNJ_PJ").toString(), QString("9000 po\r\nPnj : 4300 po"));
        // Épée longue (2 kg, 15 po), sac à dos (1 kg, 2 po), corde (5 kg, 1 po).
        QCOMPARE(o.value("equipementResume").toObject().value("texte").toString(),
                 QString("Poids porté : 8 kg ; valeur : 18 po ; charge légère"));
        const QJsonObject arme = o.value("armePrincipale").toObject();
        QCOMPARE(arme.value("nom").toString(), QString("Épée longue"));
        QCOMPARE(arme.value("attaque").toString(), QString("+5"));
        QCOMPARE(arme.value("degats").toString(), QString("1d8+0 (19-20,x2)"));
    }
};

QTEST_GUILESS_MAIN(TestArmes)
#include "test_armes.moc"

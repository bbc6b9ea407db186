// Familles d'armes et lignes d'attaque, sur les objets livrés ; valeurs tirées à la main des
// règles 3.5 (épée longue 1d8, 19-20/x2 ; arc long 1d8, x3, portée 30 m ; javeline 9 m).
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/Armes.h"
#include "sheet/Equipement.h"
#include "sheet/ExportFiche.h"
#include "sheet/RetrouveFiche.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestArmes : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;

    Fiche calcule(const QString& nom)
    {
        return calculeFiche(*m_perso, *m_programme, nom);
    }

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
        m_programme = baseProgrammeLivree();
        if (!m_programme)
            QSKIP("tessarys.db n'est pas construite");
        m_perso = basePersonnagesTest(m_dossier, *m_programme);
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
        QTest::newRow("deux armes") << "Veteran"
                                    << QStringList{"Mélée(+6/+1) Dégâts(1d8+4) (19-20,x2)",
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
        QTest::newRow("spécialisation") << QVector<LigneDon>{donTest("Spécialisation martiale", "Epée longue")}
                                        << "Épée longue" << 4 << 5 << "Force";
        // Arc : Dextérité à l'attaque, pas de Force aux dégâts.
        QTest::newRow("arc long") << QVector<LigneDon>{} << "Arc long" << 3 << 0 << "Dextérité";
        // Finesse : la Dextérité ne sert que si elle dépasse la Force (ici 14 < 16).
        QTest::newRow("finesse sans gain") << QVector<LigneDon>{donTest("Attaque en finesse")} << "Rapière" << 4 << 3
                                           << "Force";
        // Javeline : arme de jet, Dextérité à l'attaque, Force aux dégâts.
        QTest::newRow("javeline") << QVector<LigneDon>{} << "Javeline" << 3 << 3 << "Dextérité";
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
        QTest::addColumn<bool>("tirDeLoin");
        QTest::addColumn<double>("portee");
        QTest::newRow("arc") << "Arc long" << false << 30.0;
        QTest::newRow("arc, tir de loin") << "Arc long" << true << 45.0;
        QTest::newRow("javeline, tir de loin") << "Javeline" << true << 18.0;
        QTest::newRow("arbalète, tir de loin") << "Arbalète légère" << true << 36.0;
    }
    void portee()
    {
        QFETCH(QString, arme);
        QFETCH(bool, tirDeLoin);
        QFETCH(double, portee);
        QVector<LigneDon> dons;
        if (tirDeLoin)
            dons.append(donTest("Tir de loin"));
        QCOMPARE(FacteurPortee(guerrier(dons), objet(arme)), portee);
    }
};

QTEST_GUILESS_MAIN(TestArmes)
#include "test_armes.moc"

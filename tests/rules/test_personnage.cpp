// Calcul du personnage : sommes multiclasses, classe maîtresse, niveaux épiques, morts-vivants,
// effets actifs des capacités, modificateurs de caractéristiques ; puis sur les règles livrées.
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/Capacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "shell/Erreur.h"

#include <QDir>
#include <QtTest>

namespace {

struct Bases
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> perso = baseVide(dossier, "perso.db");
    std::unique_ptr<BaseDonnees> programme = baseVide(dossier, "programme.db");

    Bases()
    {
        creeTablesPersonnages(*perso);
        creeTablesClasses(*programme);
        // Guerrier, Roublard, Magicien et trois types de créature, selon les tables du jeu.
        ajouteClasse(*programme, {"Guerrier", Rythme::Bon, false, true, false});
        ajouteClasse(*programme, {"Roublard", Rythme::Moyen, true, false, false});
        ajouteClasse(*programme, {"Magicien", Rythme::Faible, false, false, true});
        ajouteClasse(*programme, {"Animal", Rythme::Moyen, true, true, false});
        ajouteClasse(*programme, {"Fée", Rythme::Faible, true, false, true});
        ajouteClasse(*programme, {"Extérieur", Rythme::Bon, true, true, true});
        ajouteClasse(*programme, {"Géant", Rythme::Moyen, false, true, false});
    }

    TypePersonnage charge(const QString& nom, const ListeCapacitesPerso& capacites = {}, bool attendu = true)
    {
        TypePersonnage p;
        const bool ok = ChargePersonnage(*perso, *programme, p, nom, capacites);
        if (ok != attendu)
            qWarning("ChargePersonnage a rendu %d", ok);
        return p;
    }
};

// Les règles livrées (tessarys.db construite depuis data/) et une base de personnages vide.
struct Livree
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> programme = BaseDonnees::ouvre(QDir(dossierProgramme()).filePath("tessarys.db"));
    std::unique_ptr<BaseDonnees> perso = baseVide(dossier, "perso.db");
    Livree() { creeTablesPersonnages(*perso); }
};

LigneCapacite ligneCapacite(const QString& nom, const QString& personnage, const QString& valeur = {})
{
    LigneCapacite c;
    c.Nom = nom;
    c.Personnage = personnage;
    c.Valeur = valeur;
    return c;
}

} // namespace

class TestPersonnage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multiclasseSommeLesClassesAuNiveauAtteint()
    {
        Bases b;
        // Ordre de prise mêlé : chaque classe compte pour sa dernière ligne, pas pour la dernière lue.
        ajoutePersonnage(*b.perso, "Aldo", {"Guerrier", "Roublard", "Guerrier", "Guerrier", "Roublard", "Guerrier",
                         "Roublard"}, {{"RACE", "Humain"}, {"Sexe", "M"}}, 6);
        b.perso->execute("update PersonnageProgression set For=1 where niv=4");
        b.perso->execute("update PersonnageProgression set For=15, Dex=12, Con=14, Int=10, Sag=8, Cha=9 where niv=1");
        TypePersonnage p;
        QVERIFY(ChargePersonnage(*b.perso, *b.programme, p, "aldo", {}));
        QCOMPARE(p.Nom, QString("Aldo"));
        QCOMPARE(p.RACE, QString("Humain"));
        QCOMPARE(int(p.attaque), 4 + 2);
        QCOMPARE(int(p.Reflexe), 1 + 3);
        QCOMPARE(int(p.Vigueur), 4 + 1);
        QCOMPARE(int(p.Volonte), 1 + 1);
        QCOMPARE(int(p.PV), 7 * 6);
        QCOMPARE(int(p.For), 16);
        QCOMPARE(int(p.Cha), 9);
        QCOMPARE(int(p.niv), 7);
        QCOMPARE(p.DerniereClasse, QString("Roublard"));
        QCOMPARE(int(p.NombreAttaques), 2);
        QCOMPARE(p.Classe_1, QString("Guerrier"));
        QCOMPARE(int(p.Niv_2), 3);
    }

    void classeMaitre_data()
    {
        QTest::addColumn<QStringList>("niveaux");
        QTest::addColumn<QString>("maitre");
        QTest::addColumn<int>("attaque");
        // Une variante ne s'ajoute pas à sa classe maîtresse quand le personnage a les deux.
        QTest::newRow("variante et maîtresse") << (fois(2, "Guerrier") + fois(3, "Guerrier variante")) << "Guerrier" << 2;
        QTest::newRow("variante seule") << fois(3, "Guerrier variante") << "Guerrier" << 3;
        QTest::newRow("maîtresse d'elle-même") << (fois(2, "Guerrier") + fois(3, "Guerrier variante"))
                                               << "Guerrier variante" << 5;
        QTest::newRow("sans maîtresse") << (fois(2, "Guerrier") + fois(3, "Guerrier variante")) << "" << 5;
    }
    void classeMaitre()
    {
        QFETCH(QStringList, niveaux);
        QFETCH(QString, maitre);
        QFETCH(int, attaque);
        Bases b;
        ajouteClasse(*b.programme, {"Guerrier variante", Rythme::Bon, false, true, false, maitre});
        ajoutePersonnage(*b.perso, "Brune", niveaux);
        QCOMPARE(int(b.charge("Brune").attaque), attaque);
    }

    void lignesIncoherentes()
    {
        Bases b;
        ajoutePersonnage(*b.perso, "Cyr", fois(3, "Guerrier"));
        b.perso->execute("update Personnage set Niv_1=4");
        TypePersonnage p;
        QVERIFY(!ChargePersonnage(*b.perso, *b.programme, p, "Cyr", {}));
        // Un nom inconnu laisse la fiche vide ; aucune ligne, aucun niveau : cohérent.
        QVERIFY(ChargePersonnage(*b.perso, *b.programme, p, "Personne", {}));
        QVERIFY(p.Nom.isEmpty());
        QCOMPARE(int(p.PV), 0);
        // Les lignes d'un autre personnage au nom voisin ne sont pas lues.
        ajoutePersonnage(*b.perso, "Cyrille", fois(2, "Roublard"));
        QVERIFY(ChargePersonnage(*b.perso, *b.programme, p, "Cyrille", {}));
        QCOMPARE(int(p.attaque), 1);
    }

    // Sommes des classes au niveau atteint : attaque, Réflexes, Vigueur, Volonté, nombre d'attaques, points
    // de vie (-1 : non vérifié).
    void calcul_data()
    {
        QTest::addColumn<QStringList>("niveaux");
        QTest::addColumn<QVariantMap>("champs");
        QTest::addColumn<int>("pv");
        QTest::addColumn<QList<int>>("attendu");
        const auto cas = [](const char* nom, const QStringList& niveaux, const QVariantMap& champs, QList<int> attendu,
                            int pv = 5) { QTest::newRow(nom) << niveaux << champs << pv << attendu; };
        cas("classe sans progression", fois(2, "Guerrier") + fois(2, "Classe perdue"), {}, {2, -1, -1, -1, -1, 20});
        // Guerrier 20 : +20, Réf 6, Vig 12, Vol 6 ; le 21e niveau n'ajoute rien par la table.
        cas("guerrier 21", fois(21, "Guerrier"), {}, {21, 6, 12, 6, 4, -1});
        cas("guerrier 22", fois(22, "Guerrier"), {}, {21, 7, 13, 7, 4, -1});
        cas("guerrier 23", fois(23, "Guerrier"), {}, {22, 7, 13, 7, 4, -1});
        // Guerrier 20 puis deux niveaux de magicien : les lignes 21 et 22 n'ajoutent rien.
        cas("guerrier 20 magicien 2", fois(20, "Guerrier") + fois(2, "Magicien"), {}, {21, 7, 13, 7, 4, -1});
        // Animal 24 (table à 20 : +15, 12, 12, 6) puis guerrier 2 : +18-15+1 à l'attaque, le mauvais
        // jet suit Int(24/3)-6+Int(2/2) = 3, les autres le défaut Int(6/2) = 3.
        cas("animal 24 guerrier 2", fois(24, "Animal") + fois(2, "Guerrier"), {}, {19, 15, 15, 9, 4, -1});
        // Fée 30 (table à 20 : +10, 12, 6, 12) : Int(30/2)-10 = +5 ; Vig mauvais : Int(30/3)-6 = 4 ;
        // défaut Int(10/2) = 5 ; attaques recomptées Mini(4, Int(14/5)+1) = 3.
        cas("fée 30", fois(30, "Fée"), {}, {15, 17, 10, 17, 3, -1});
        // Extérieur 22 : (22-20) + 0 ; jets par défaut ; attaques inchangées (+20 : 4).
        cas("extérieur 22", fois(22, "Extérieur"), {}, {22, 13, 13, 13, 4, -1});
        // Géant 22 + guerrier 3 : Int(66/4)-15 = 1, + Int(3/2+0.5) = 2 ; Réf mauvais : Int(22/3)-6+Int(1.5) = 2.
        cas("géant 22 guerrier 3", fois(22, "Géant") + fois(3, "Guerrier"), {}, {18, 8, 14, 8, 4, -1});
        // Créature de 20 niveaux raciaux seulement : bonus épiques ordinaires.
        cas("animal 20 guerrier 2", fois(20, "Animal") + fois(2, "Guerrier"), {}, {16, 13, 13, 7, 3, -1});
        // Morts-vivants sans intelligence : Int(7/2), Int(7/3), Int(7/3), Int(7/2)+2 ; le vampire suit ses classes.
        const QStringList mort = fois(4, "Guerrier") + fois(3, "Magicien");
        cas("zombi", mort, {{"Archetype", "Zombi"}}, {3, 2, 2, 5, -1, 49}, 7);
        cas("squelette", mort, {{"Archetype", "Squelette"}}, {3, 2, 2, 5, -1, 49}, 7);
        cas("vampire", mort, {{"Archetype", "Vampire"}}, {5, -1, -1, 1 + 3, -1, 49}, 7);
        // Roublard 6 : Réf 5, Vig 2, Vol 2 ; Guerrier 6 : Réf 2, Vig 5, Vol 2.
        const auto race = [&](const char* nom, const char* classe, const char* r, QList<int> jets) {
            cas(nom, fois(6, classe), {{"RACE", QString::fromUtf8(r)}}, QList<int>{-1} + jets + QList<int>{-1, -1});
        };
        race("humain", "Roublard", "Humain", {5, 2, 2});
        race("sanguinaire : Vol = Réf", "Roublard", "Loup sanguinaire", {5, 2, 5});
        race("légendaire, casse", "Roublard", "Ours LÉGENDAIRE", {5, 2, 5});
        race("en tête du nom : rien", "Roublard", "Sanguinaire", {5, 2, 2});
        // Bon jet des élémentaires : Mini(12, Int(6/2)+2) = 5.
        race("élémentaire de l'eau", "Roublard", "Elémentaire de l'eau", {5, 5, 2});
        race("élémentaire de terre", "Roublard", "Grand élémentaire de terre", {5, 5, 2});
        race("élémentaire du feu", "Guerrier", "Elémentaire du feu", {5, 5, 2});
        race("élémentaire de l'air", "Guerrier", "Elémentaire de l'air", {5, 5, 2});
        race("feu sans élémentaire", "Guerrier", "Chien du feu", {2, 5, 2});
        // Int(22/2)+2 = 13 plafonné à 12, puis +1 épique au niveau 22.
        cas("élémentaire, bon jet plafonné", fois(22, "Guerrier"), {{"RACE", "Elémentaire du feu"}},
            {-1, 12 + 1, -1, -1, -1, -1});
        for (const auto& [niveaux, attaques] : {std::pair(0, 1), {5, 1}, {6, 2}, {10, 2}, {11, 3}, {16, 4}, {20, 4}})
            QTest::addRow("attaques à +%d", niveaux) << fois(niveaux, "Guerrier") << QVariantMap{} << 5
                                                      << QList<int>{-1, -1, -1, -1, attaques, -1};
    }
    void calcul()
    {
        QFETCH(QStringList, niveaux);
        QFETCH(QVariantMap, champs);
        QFETCH(int, pv);
        QFETCH(QList<int>, attendu);
        Bases b;
        ajoutePersonnage(*b.perso, "Epi", niveaux, champs, pv);
        const TypePersonnage p = b.charge("Epi");
        QCOMPARE(int(p.niv), int(niveaux.size()));
        const QList<int> lu{int(p.attaque), int(p.Reflexe), int(p.Vigueur), int(p.Volonte), int(p.NombreAttaques),
                            int(p.PV)};
        for (int i = 0; i < attendu.size(); ++i)
            if (attendu[i] >= 0)
                QVERIFY2(lu[i] == attendu[i], qPrintable(QStringLiteral("n° %1 : %2 au lieu de %3").arg(i).arg(lu[i]).arg(attendu[i])));
    }

    void jsEpiqueCreature()
    {
        QCOMPARE(int(JSEpiqueCreature(6, 24, 26, 3)), 3);
        QCOMPARE(int(JSEpiqueCreature(6, 30, 30, 5)), 4);
        QCOMPARE(int(JSEpiqueCreature(7, 30, 30, 5)), 5);
        QCOMPARE(int(JSEpiqueCreature(12, 24, 26, 3)), 3);
    }

    void effetsActifs_data()
    {
        QTest::addColumn<QStringList>("niveaux");
        QTest::addColumn<QString>("capacite");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("attaque");
        QTest::addColumn<int>("pv");
        QTest::addColumn<int>("reflexe");
        // Roublard 7 : +5, Réf 5.
        QTest::newRow("puissance divine niveau 7") << fois(7, "Roublard") << "Puissance divine" << "" << 7 << 35 + 7 << 5;
        // Magicien 25 : +10 jusqu'au niveau 20, porté à 20, puis +3 épique.
        QTest::newRow("puissance divine niveau 25") << fois(25, "Magicien") << "Puissance divine" << "" << 23 << 125 + 25 << 8;
        QTest::newRow("inspiration coordonée") << fois(7, "Roublard") << "Inspiration coordonée" << "12" << 12 << 35 << 5;
        QTest::newRow("inspiration coordonée faible") << fois(7, "Roublard") << "Inspiration coordonée" << "3" << 5 << 35 << 5;
        // Magicien 7 : Réf 2 ; Mini(12, Int(7/2)+2) = 5.
        QTest::newRow("agilité divine") << fois(7, "Magicien") << "Agilité divine" << "" << 3 << 35 << 5;
        QTest::newRow("nom approchant") << fois(7, "Roublard") << "Puissance divine " << "" << 5 << 35 << 5;
    }
    void effetsActifs()
    {
        QFETCH(QStringList, niveaux);
        QFETCH(QString, capacite);
        QFETCH(QString, valeur);
        Bases b;
        ajoutePersonnage(*b.perso, "Sol", niveaux);
        const TypePersonnage p = b.charge("Sol", {ligneCapacite(capacite, "Sol", valeur)});
        QTEST(int(p.attaque), "attaque");
        QTEST(int(p.PV), "pv");
        QTEST(int(p.Reflexe), "reflexe");
        // La même ligne au nom d'un autre personnage n'a aucun effet.
        const TypePersonnage autre = b.charge("Sol", {ligneCapacite(capacite, "Luna", valeur)});
        QCOMPARE(int(autre.PV), int(niveaux.size()) * 5);
    }

    void depassementDesPointsDeVie()
    {
        Bases b;
        ajoutePersonnage(*b.perso, "Titan", fois(2, "Guerrier"), {}, 20000);
        TypePersonnage p;
        try {
            ChargePersonnage(*b.perso, *b.programme, p, "Titan", {});
            QFAIL("le dépassement n'a pas été signalé");
        } catch (const ErreurExecution& e) {
            QCOMPARE(e.numero(), NumeroErreur::Depassement);
        }
    }

    void niveauDansClasse_data()
    {
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QString>("demandee");
        QTest::addColumn<int>("niveau");
        QTest::newRow("absente") << QStringList{"Guerrier"} << "Roublard" << 0;
        QTest::newRow("présente") << QStringList{"Guerrier", "Roublard"} << "Roublard" << 2;
        QTest::newRow("casse") << QStringList{"Guerrier"} << "guerrier" << 0;
        QTest::newRow("prêtre trouve le cloîtré") << QStringList{"Guerrier", "Prêtre cloîtré"} << "Prêtre" << 2;
        QTest::newRow("cloîtré ne trouve pas le prêtre") << QStringList{"Prêtre"} << "Prêtre cloîtré" << 0;
        QTest::newRow("dernière case") << QStringList{"Prêtre", "Prêtre cloîtré"} << "Prêtre" << 2;
    }
    void niveauDansClasse()
    {
        QFETCH(QStringList, classes);
        QFETCH(QString, demandee);
        TypePersonnage p;
        for (int k = 1; k <= classes.size(); ++k) {
            p.classe(k) = classes.at(k - 1);
            p.niveau(k) = k;
        }
        QTEST(int(NiveauDansClasse(p, demandee)), "niveau");
    }

    void bonusCarac_data()
    {
        QTest::addColumn<QString>("score");
        QTest::addColumn<int>("bonus");
        QTest::newRow("-") << "-" << 0;
        QTest::newRow("1") << "1" << -5;
        QTest::newRow("3") << "3" << -4;
        QTest::newRow("9") << "9" << -1;
        QTest::newRow("10") << "10" << 0;
        QTest::newRow("11") << "11" << 0;
        QTest::newRow("18") << "18" << 4;
        QTest::newRow("45") << "45" << 17;
    }
    void bonusCarac()
    {
        QFETCH(QString, score);
        QTEST(int(BonusCarac(score)), "bonus");
    }

    void guerrierRoublard()
    {
        Livree livree;
        ajoutePersonnage(*livree.perso, "Aldo", fois(4, "Guerrier") + fois(3, "Roublard"), {{"RACE", "Humain"}});
        TypePersonnage p;
        QVERIFY(ChargePersonnage(*livree.perso, *livree.programme, p, "Aldo", {}));
        QCOMPARE(int(p.attaque), 6);
        QCOMPARE(int(p.Reflexe), 4);
        QCOMPARE(int(p.Vigueur), 5);
        QCOMPARE(int(p.Volonte), 2);
    }

    void ogreEnNiveauxDeGeant()
    {
        Livree livree;
        TypeRace ogre;
        ChargeRace(*livree.programme, ogre, "Ogre");
        QCOMPARE(ogre.Type, QString("Géant"));
        QCOMPARE(ogre.taille, QString("Grande"));
        const int des = livree.programme->scalaire("select Niveau from Race where Race=?", {"Ogre"}).toInt();
        QCOMPARE(des, 4);
        ajoutePersonnage(*livree.perso, "Grok", fois(des, "Géant"), {{"RACE", "Ogre"}});
        TypePersonnage p;
        QVERIFY(ChargePersonnage(*livree.perso, *livree.programme, p, "Grok", {}));
        // Géant à 4 dés de vie : attaque 3/4, bon jet de Vigueur, mauvais Réflexes et Volonté.
        QCOMPARE(int(p.attaque), 3);
        QCOMPARE(int(p.Vigueur), 4);
        QCOMPARE(int(p.Reflexe), 1);
        QCOMPARE(int(p.Volonte), 1);
    }

    // Les capacités activables livrées, aux cas particuliers.
    void capacitesActivables_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("carac");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("valeur");
        // Classe de niveau 7 : sorts du niveau 4 ; Intelligence 16 : jusqu'au niveau 6.
        QTest::newRow("frappe profane") << "Frappe profane" << 7 << 16 << QStringList{} << "4d4";
        QTest::newRow("frappe profane limitée") << "Frappe profane" << 7 << 12 << QStringList{} << "2d4";
        QTest::newRow("inspiration niveau 8") << "Inspiration vaillante" << 8 << 0 << QStringList{} << "2";
        QTest::newRow("carapace niveau 14") << "Carapace de tortue" << 14 << 0 << QStringList{} << "7";
        QTest::newRow("châtiment du mal") << "Châtiment du mal" << 5 << 0 << QStringList{} << "5d4";
        QTest::newRow("épique sans le don") << "Puissance divine épique" << 3 << 0 << QStringList{} << "0";
        QTest::newRow("épique avec le don") << "Puissance divine épique" << 3 << 0
                                            << QStringList{"Puissance divine épique"} << "6";
    }
    void capacitesActivables()
    {
        Livree livree;
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(int, carac);
        QFETCH(QStringList, dons);
        QTEST(CapaciteSort(*livree.programme, nom, niveau, {carac, dons}), "valeur");
    }
};

QTEST_GUILESS_MAIN(TestPersonnage)
#include "test_personnage.moc"

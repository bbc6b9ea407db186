// Assistant de création, côté calcul : coûts et tirages des caractéristiques, contrôles de l'étape,
// liste des races, mesures tirées, et le personnage enregistré par l'éditeur.
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "sheet/FixturesFiche.h"
#include "wizard/Assistant.h"
#include "wizard/GenerationCaracs.h"

#include <QTest>
#include <memory>

using Caracs = std::array<int, 6>;
Q_DECLARE_METATYPE(Caracs)

namespace {

// Rend les tirages donnés, dans l'ordre ; au-delà, l'essai échoue.
Rnd suite(const QVector<double>& tirages)
{
    auto i = std::make_shared<int>(0);
    return [tirages, i] {
        if (*i >= tirages.size())
            qFatal("plus de tirages que prévu");
        return tirages.at((*i)++);
    };
}

ChoixAssistant choix(const QString& nom, const QString& race, const QString& classe, int niveau,
                     const QString& archetype = {})
{
    ChoixAssistant c;
    c.nom = nom;
    c.race = race;
    c.archetype = archetype;
    c.alignement = "NEUTRE";
    c.sexe = "Masculin";
    c.caracs = {15, 14, 13, 12, 10, 8};
    for (QString* champ : {&c.taille, &c.poids, &c.beaute, &c.age})
        *champ = "0";
    c.classe = classe;
    c.niveau = QString::number(niveau);
    return c;
}

} // namespace

class TestAssistant : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossierTest> m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;

private Q_SLOTS:
    void initTestCase()
    {
        m_programme = baseProgrammeLivree();
        if (!m_programme)
            QSKIP("base du programme non construite");
        m_dossier = std::make_unique<DossierTest>();
        m_perso = basePersonnagesTest(*m_dossier, *m_programme);
    }

    void pointCarac_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("cout");
        for (const auto& [score, cout] : {std::pair{7, -1}, {8, 0}, {14, 6}, {15, 8}, {18, 16}, {20, 24}, {21, 13}})
            QTest::addRow("%d", score) << score << cout;
    }
    void pointCarac()
    {
        QFETCH(int, score);
        QTEST(PointCarac(score), "cout");
    }

    // Trois des quatre dés, le plus faible écarté.
    void quatreDesSix_data()
    {
        QTest::addColumn<QVector<double>>("tirages");
        QTest::addColumn<int>("score");
        QTest::newRow("1 6 4 2") << QVector<double>{0.0, 0.99, 0.5, 0.2} << 12;
        QTest::newRow("tous à 1") << QVector<double>{0.0, 0.1, 0.05, 0.16} << 3;
        QTest::newRow("tous à 6") << QVector<double>{0.9999, 0.84, 0.9, 0.95} << 18;
        QTest::newRow("le plus faible en dernier") << QVector<double>{0.5, 0.5, 0.6, 0.0} << 12;
    }
    void quatreDesSix()
    {
        QFETCH(QVector<double>, tirages);
        QTEST(QuatreDesSix(suite(tirages)), "score");
    }

    void quatreDesSixResteDansSesBornes()
    {
        std::mt19937 generateur(20261206);
        const Rnd rnd = RndDepuis(generateur);
        int plusPetit = 99, plusGrand = 0;
        for (int i = 0; i < 5000; ++i) {
            const int s = QuatreDesSix(rnd);
            plusPetit = qMin(plusPetit, s);
            plusGrand = qMax(plusGrand, s);
        }
        QCOMPARE(plusPetit, 3);
        QCOMPARE(plusGrand, 18);
    }

    // "&4D6" : le budget est ce que coûtent les valeurs tirées, rien ne reste.
    void tirageQuatreDesSixNeLaisseRien()
    {
        const QVector<double> tirages(24, 0.7);   // six fois 5 5 5 5 : 15 partout
        const TirageCaracs t = TireCaracs(suite(tirages));
        QCOMPARE(t.base, (Caracs{15, 15, 15, 15, 15, 15}));
        QCOMPARE(t.budget, 48);
        QVERIFY(!ControleCaracs(t.base, ActualiseCarac(*m_programme, "Humain", {}, t.base, t.budget)));
    }

    // Contrôles en quittant l'étape, dans leur ordre, sur les races livrées.
    void controleCaracs_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<Caracs>("base");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QString>("message");
        QTest::newRow("élite dépensé") << "Humain" << Caracs{15, 14, 13, 12, 10, 8} << 25 << "";
        QTest::newRow("monstre dépensé") << "Humain" << Caracs{13, 12, 11, 10, 9, 8} << 15 << "";
        QTest::newRow("mode manuel 40") << "Humain" << Caracs{18, 17, 14, 12, 9, 8} << 40 << "";
        QTest::newRow("7 rend un point") << "Humain" << Caracs{15, 14, 13, 12, 11, 7} << 25 << "";
        QTest::newRow("reste") << "Humain" << Caracs{15, 14, 13, 12, 10, 6} << 25 << "Il vous reste 2 point(s).";
        QTest::newRow("trop") << "Humain" << Caracs{15, 14, 13, 12, 10, 9} << 25
                              << "Vous avez dépensé 1 point(s) en trop.";
        QTest::newRow("force 0") << "Humain" << Caracs{0, 14, 13, 12, 10, 8} << 25
                                 << "La valeur du score de Force doit étre comprise en 1 et 30";
        QTest::newRow("intelligence 31") << "Humain" << Caracs{15, 14, 13, 31, 10, 8} << 25
                                         << "La valeur du score d'Intelligence doit étre comprise en 1 et 30";
        // L'Intelligence modifiée passe avant la Sagesse hors bornes.
        QTest::newRow("crocodile") << "Crocodile" << Caracs{15, 14, 13, 10, 0, 8} << 25
                                   << "La valeur du score modifié d'Intelligence doit étre supérieure à 0";
        QTest::newRow("force modifiée") << "Gobelin" << Caracs{2, 14, 13, 12, 10, 8} << 25
                                        << "La valeur du score modifié de Force doit étre supérieure à 1";
    }
    void controleCaracs()
    {
        QFETCH(QString, race);
        QFETCH(Caracs, base);
        QFETCH(int, budget);
        const auto refus = ControleCaracs(base, ActualiseCarac(*m_programme, race, {}, base, budget));
        QTEST(refus ? refus->message : QString(), "message");
    }

    // Valeurs modifiées par la race et l'archétype, et leurs modificateurs.
    void actualiseCarac()
    {
        const Caracs base{10, 10, 10, 10, 10, 10};
        const CaracsCalculees c = ActualiseCarac(*m_programme, "Orque", "Demi-céleste", base, 25);
        QCOMPARE(c.modifie, (Caracs{18, 12, 14, 10, 12, 12}));
        QCOMPARE(c.modificateur, (Caracs{4, 1, 2, 0, 1, 1}));
        QCOMPARE(c.depense, 12);
        QCOMPARE(c.reste, 13);
        QCOMPARE(ValideCarac("14 points"), 14);
        QCOMPARE(ValideCarac("abc"), 0);
    }

    // Sans "Monstre" : ni dés de vie raciaux, ni ajustement de niveau au-delà du maximum.
    void racesSansMonstre()
    {
        const QStringList toutes = racesEditeur(*m_programme);
        QCOMPARE(RacesAssistant(*m_programme, toutes, true, 0), toutes);
        const QStringList races = RacesAssistant(*m_programme, toutes, false, 0);
        for (const char* r : {"Humain", "Elfe", "Nain", "Halfelin", "Demi-orque"})
            QVERIFY2(races.contains(r), r);
        for (const char* r : {"Ogre", "Aigle", "Drow", "Aasimar", "Centaure"})
            QVERIFY2(!races.contains(r), r);
        const QStringList ajustees = RacesAssistant(*m_programme, toutes, false, 2);
        QVERIFY(ajustees.contains("Drow"));
        QVERIFY(ajustees.contains("Aasimar"));
        QVERIFY(!ajustees.contains("Ogre"));
    }

    // Taille et poids d'un tirage connu : bases en pouces et en livres, converties.
    void generer_data()
    {
        QTest::addColumn<QString>("sexe");
        QTest::addColumn<int>("taille");
        QTest::addColumn<int>("poids");
        // Jet de taille 2 + 3 + 7 = 12, jet de poids 2 + 2 + 1 = 5.
        QTest::newRow("homme") << "Masculin" << 177 << 81;   // 2,54 × 70 ; 0,4536 × (120 + 60)
        QTest::newRow("femme") << "Féminin" << 165 << 65;    // 2,54 × 65 ; 0,4536 × (85 + 60)
    }
    void generer()
    {
        QFETCH(QString, sexe);
        const Generation g = Generer(*m_programme, "Humain", sexe, suite({0.35, 0.75, 0.5, 0.25, 0.0, 0.5, 0.99, 0.2, 0.5}));
        QTEST(g.taille, "taille");
        QTEST(g.poids, "poids");
        QCOMPARE(g.troisDes, 11);
        QCOMPARE(g.date(), "16 mars");
    }

    // Premier niveau : le dé entier ; les suivants : partie entière de (tirage × dé) + 1.
    void pointsDeVie_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QList<int>>("pv");
        QTest::newRow("guerrier 3") << "Humain" << "" << QStringList{"Guerrier", "Guerrier", "Guerrier"}
                                    << QList<int>{10, 5, 10};
        QTest::newRow("zombi") << "Humain" << "Zombi" << QStringList{"Guerrier", "Guerrier", "Guerrier"}
                               << QList<int>{12, 6, 12};
        QTest::newRow("ogre") << "Ogre" << "" << QStringList{"Géant", "Géant", "Géant", "Géant", "Guerrier", "Guerrier", "Guerrier"}
                              << QList<int>{8, 4, 8, 1, 5, 3, 1};
        QTest::newRow("ogre demi-dragon") << "Ogre" << "Demi-dragon"
                                          << QStringList{"Géant", "Géant", "Géant", "Géant", "Guerrier", "Guerrier", "Guerrier"}
                                          << QList<int>{10, 5, 10, 1, 5, 3, 1};
    }
    void pointsDeVie()
    {
        QFETCH(QString, race);
        QFETCH(QString, archetype);
        QFETCH(QStringList, classes);
        QFETCH(QList<int>, pv);
        const QVector<double> tirages{0.45, 0.95, 0.0, 0.45, 0.25, 0.05};
        const PersonnageEdite p =
            ConstruitPersonnage(*m_programme, choix("Essai", race, "Guerrier", 3, archetype), suite(tirages.mid(0, classes.size() - 1)));
        QStringList lues;
        QList<int> pvLus;
        for (const NiveauEdite& n : p.niveaux) {
            lues << n.classe;
            pvLus << n.pv.toInt();
        }
        QCOMPARE(lues, classes);
        QCOMPARE(pvLus, pv);
    }

    // Le personnage de l'assistant passe par l'enregistrement de l'éditeur : une transaction, toutes les lignes.
    void enregistrementParLEditeur_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<int>("progression");
        QTest::addColumn<QStringList>("donsRaciaux");
        QTest::addColumn<QStringList>("objets");
        QTest::addColumn<QString>("finMessage");
        QTest::newRow("humain guerrier 3") << "Humain" << "" << 3 << QStringList{} << QStringList{} << "niveau 3.";
        QTest::newRow("ogre") << "Ogre" << "" << 7 << QStringList{"Arme de prédilection|Massue", "Robustesse|"}
                              << QStringList{} << "niveau 3 avec 4 dés de vie.";
        QTest::newRow("demi-dragon") << "Humain" << "Demi-dragon" << 3 << QStringList{}
                                     << QStringList{"Griffe|2|1", "Morsure|1|1"} << "niveau 3.";
        // Les d12 d'un mort-vivant passent le contrôle de l'éditeur.
        QTest::newRow("zombi") << "Humain" << "Zombi" << 3 << QStringList{} << QStringList{"Coup (1d6)|1|1"} << "niveau 3.";
    }
    void enregistrementParLEditeur()
    {
        QFETCH(QString, race);
        QFETCH(QString, archetype);
        ChoixAssistant c = choix("Créé par l'assistant", race, "Guerrier", 3, archetype);
        c.dieu = "Ardéane";
        c.taille = "180";
        const PersonnageEdite p = ConstruitPersonnage(*m_programme, c, suite(QVector<double>(6, 0.5)));
        QVERIFY(m_perso->premiere("select 1 from Personnage where nom=?", {c.nom}).estValide() == false);
        const auto refus = Enregistre(*m_perso, *m_programme, p, racesEditeur(*m_programme));
        QVERIFY2(!refus, refus ? qPrintable(refus->message) : "");

        const Ligne perso = m_perso->premiere("select * from Personnage where nom=?", {c.nom});
        QVERIFY(perso);
        QCOMPARE(perso.texte("Dieu"), "Ardéane");
        QCOMPARE(perso.entier("Taille"), 180);
        QCOMPARE(perso.texte("LangueConnue"), race == "Ogre" ? "Géant" : "Commun");
        QTEST(int(m_perso->scalaire("select count(*) from PersonnageProgression where nom=?", {c.nom}).toInt()), "progression");
        const Ligne premier = m_perso->premiere("select * from PersonnageProgression where nom=? and niv=1", {c.nom});
        QCOMPARE(premier.entier("For"), 15);
        QCOMPARE(premier.entier("Cha"), 8);
        QStringList dons;
        for (const Ligne& d : m_perso->selectionne("select dons,Libelle from PersonnageDons where nom=? and niv=1 and dons is not null order by rowid",
                                                   {c.nom}))
            dons << d.texte("dons") + "|" + d.texte("Libelle");
        QTEST(dons, "donsRaciaux");
        QStringList objets;
        for (const Ligne& o : m_perso->selectionne("select * from Equipement where personnage=? order by pos", {c.nom}))
            objets << o.texte("NomObjet") + "|" + QString::number(o.entier("Multiple")) + "|" + QString::number(o.booleen("surpersonnage"));
        QTEST(objets, "objets");
        QFETCH(QString, finMessage);
        QVERIFY(MessageFin(c, DesDeVieRaciaux(*m_programme, race, archetype).nombre).endsWith(finMessage));
        m_perso->execute("delete from Personnage");
        m_perso->execute("delete from PersonnageProgression");
        m_perso->execute("delete from PersonnageDons");
        m_perso->execute("delete from Equipement");
    }

    // Contrôles de "&Suivant" : le nom passe avant la race, les quatre mesures doivent être des nombres.
    void controlesEtapes()
    {
        ChoixAssistant c = choix("", "", "Guerrier", 1);
        QCOMPARE(ControleIdentite(c)->message, "Saisie du nom du personnage obligatoire");
        c.nom = "Léa";
        QCOMPARE(ControleIdentite(c)->message, "Saisie de la race du personnage obligatoire");
        c.taille = "abc";
        QCOMPARE(ControleDescription(c)->message, "La taille doit être entrée en tant que valeur numérique");
        c.taille = "170";
        c.age = "";
        QCOMPARE(ControleDescription(c)->message, "L'age doit être entré en tant que valeur numérique");
        c.niveau = "x";
        c.classe.clear();
        QCOMPARE(ControleClasse(c)->message, "Le niveau doit être entré en tant que valeur numérique");
        c.niveau = "2";
        QCOMPARE(ControleClasse(c)->message, "Saisie d'une classe obligatoire");
    }

    void choixDieu()
    {
        const QStringList tous = ChoixDieu(*m_programme, {}, {}, {});
        QCOMPARE(tous.size(), 26);
        const QStringList greyhawk = ChoixDieu(*m_programme, "Greyhawk", {}, {});
        QVERIFY(greyhawk.contains("Ardéane"));
        QVERIFY(!greyhawk.contains("Aurévane"));
        QCOMPARE(ChoixDieu(*m_programme, "Faerûn", "LOYAL BON", "Nain"), QStringList{"Torvald Brisecime"});
        QVERIFY(ChoixDieu(*m_programme, "Greyhawk", "CHAOTIQUE MAUVAIS", "Halfelin").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAssistant)
#include "test_assistant.moc"

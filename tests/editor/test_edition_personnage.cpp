// Éditeur de personnages, côté données : contrôles, écritures, suppression, changement de nom.
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "editor/NiveauxPersonnage.h"
#include "sheet/FixturesFiche.h"
#include "tools/SuiteConnue.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(PersonnageEdite)

namespace {

NiveauEdite niveau(const QString& classe, int niveauClasse, int pv = 1, std::array<int, 6> caracs = {})
{
    NiveauEdite n;
    n.classe = classe;
    n.niveau = QString::number(niveauClasse);
    n.pv = QString::number(pv);
    for (int i = 0; i < 6; ++i)
        n.caracs[i] = QString::number(caracs[i]);
    return n;
}

// Un premier niveau valable de la classe donnée.
NiveauEdite premier(const QString& classe, int pv = 4)
{
    return niveau(classe, 1, pv, {15, 14, 13, 12, 10, 8});
}

PersonnageEdite personnage(const QString& nom, const QVector<NiveauEdite>& niveaux, const QHash<QString, QString>& identite = {})
{
    PersonnageEdite p;
    p.nom = nom;
    p.race = "Humain";
    p.niveaux = niveaux;
    p.identite = identite;
    return p;
}

int compte(BaseDonnees& base, const QString& table, const QString& champ = {}, const QString& nom = {})
{
    const QString sql = "select count(*) from " + table + (champ.isEmpty() ? QString() : " where " + champ + "=?");
    return base.scalaire(sql, champ.isEmpty() ? QVariantList{} : QVariantList{nom}).toInt();
}

const QString g = "Guerrier", m = "Magicien";

} // namespace

class TestEditionPersonnage : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossierTest> m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;
    QStringList m_races;

    bool enregistre(const PersonnageEdite& p) { return !Enregistre(*m_perso, *m_programme, p, m_races); }

private Q_SLOTS:
    void initTestCase()
    {
        auto livree = baseProgrammeLivree();
        if (!livree)
            QSKIP("base du programme non construite");
        // Copie de la base du programme, avec une variante de classe qui partage la numérotation du magicien.
        m_dossier = std::make_unique<DossierTest>();
        const QString copie = m_dossier->chemin("programme.db");
        QVERIFY(QFile::copy(livree->chemin(), copie));
        livree.reset();
        m_programme = BaseDonnees::ouvre(copie);
        m_programme->ajoute("Classe", {{"Classe", "Magicien sylvestre"}, {"PointDeVie", 4}, {"ClasseMaitre", "Magicien"}});
        m_races = racesEditeur(*m_programme);
        QVERIFY(m_races.contains("Humain"));
        // Une base de personnages modèle, copiée avant chaque essai : la créer est lent.
        basePersonnagesTest(*m_dossier, *m_programme, "modele.db");
    }

    void init()
    {
        m_perso.reset();
        const QString chemin = m_dossier->chemin("perso.db");
        QFile::remove(chemin);
        QVERIFY(QFile::copy(m_dossier->chemin("modele.db"), chemin));
        m_perso = BaseDonnees::ouvre(chemin);
    }

    void nouveauPersonnageUnNiveau()
    {
        QVERIFY(enregistre(personnage("Aude d'Orval", {premier(g, 10)}, {{"Age", "25"}, {"Poids", "62,5"}, {"Dieu", ""}})));
        // Un champ vide reste Null ; âge et poids sont des nombres.
        const auto lignes = [&](const char* sql) { return m_perso->scalaire(sql).toString(); };
        QCOMPARE(lignes("select group_concat(Nom||'/'||typeof(Age)||Age||'/'||typeof(Poids)||Poids||'/'||ifnull(Dieu,'Null')) "
                        "from Personnage"),
                 "Aude d'Orval/integer25/real62.5/Null");
        QCOMPARE(lignes("select group_concat(niv||'/'||PV||'/'||\"For\") from PersonnageProgression"), "1/10/15");
        QCOMPARE(lignes("select group_concat(niv||'/'||Nom) from PersonnageDons"), "1/Aude d'Orval");
    }

    // Les cases Classe_k/Niv_k suivent l'ordre de première apparition ; les autres restent Null.
    void casesDeClasses_data()
    {
        QTest::addColumn<QVector<NiveauEdite>>("niveaux");
        QTest::addColumn<QStringList>("cases");   // Classe_k, Niv_k remplies
        QTest::newRow("un niveau") << QVector<NiveauEdite>{premier(g)} << QStringList{g, "1"};
        QTest::newRow("retour au guerrier") << QVector<NiveauEdite>{premier(g), niveau(g, 2), premier(m), niveau(g, 3)}
                                            << QStringList{g, "3", m, "1"};
        QTest::newRow("magicien d'abord") << QVector<NiveauEdite>{premier(m), premier(g), niveau(m, 2)}
                                          << QStringList{m, "2", g, "1"};
    }
    void casesDeClasses()
    {
        QFETCH(QVector<NiveauEdite>, niveaux);
        QFETCH(QStringList, cases);
        QVERIFY(enregistre(personnage("Bruno", niveaux)));
        const Ligne l = m_perso->premiere("select * from Personnage");
        QStringList lues;
        for (int k = 1; k <= 8; ++k)
            for (const QString& champ : {QStringLiteral("Classe_%1").arg(k), QStringLiteral("Niv_%1").arg(k)})
                lues << (l.estNul(champ) ? "Null" : l.texte(champ));
        while (cases.size() < 16)
            cases << "Null";
        QCOMPARE(lues, cases);
        QCOMPARE(compte(*m_perso, "PersonnageProgression", "nom", "Bruno"), niveaux.size());
    }

    void relectureComplete()
    {
        PersonnageEdite p = personnage("Dame d'Ys", {premier(g), niveau(g, 2, 7, {1, 0, 0, 0, 0, 0})},
                                       {{"Dieu", "Heironéous"}, {"Domaine_2", "Guerre"}});
        p.niveaux[0].dons[0] = "Arme de prédilection";
        p.niveaux[0].precisions[0] = "Épée longue";
        p.niveaux[0].dons[1] = "Attaque en puissance";
        p.niveaux[0].competence = "3-4-4|";
        p.niveaux[1].modifInt = "1";
        p.objets = {{"Épée longue", "", "0", "", "1", true}, {"", "", "", "", "", true},
                    {"Corde en soie (15 m)", "x", "sac", "3", "2", false}};
        QVERIFY(enregistre(p));
        // Un second enregistrement ne double rien.
        QVERIFY(enregistre(p));

        PersonnageEdite lu;
        QVERIFY(chargePersonnage(*m_perso, p.nom, lu));
        QCOMPARE(lu.nom, p.nom);
        QCOMPARE(lu.identite.value("Dieu"), "Heironéous");
        QCOMPARE(lu.identite.value("Domaine_2"), "Guerre");
        QCOMPARE(lu.identite.value("Domaine_1"), QString());
        p.niveaux[0].modifInt = "0";   // vide, il se relit 0
        QCOMPARE(lu.niveaux, p.niveaux);
        // La ligne d'objet sans nom n'est pas écrite ; une place non numérique devient Null.
        p.objets.removeAt(1);
        p.objets[1].place.clear();
        QCOMPARE(lu.objets, p.objets);
        QCOMPARE(compte(*m_perso, "PersonnageDons"), 3);   // une ligne par niveau, plus une par don de plus

        // Un niveau enlevé quitte la base ; le nom se retrouve sans égard à la casse.
        QVERIFY(chargePersonnage(*m_perso, "DAME D'YS", lu));
        lu.niveaux.removeLast();
        QVERIFY(enregistre(lu));
        QCOMPARE(m_perso->scalaire("select group_concat(niv||':'||PV) from PersonnageProgression").toString(), "1:4");
        QCOMPARE(compte(*m_perso, "PersonnageDons"), 2);
        QCOMPARE(m_perso->premiere("select Niv_1 from Personnage").entier("Niv_1"), 1);
    }

    void controles_data()
    {
        QTest::addColumn<PersonnageEdite>("personnage");
        QTest::addColumn<QString>("message"); // vide : accepté
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("ligne");
        const auto refuse = [](const char* cas, const PersonnageEdite& p, const QString& message, int ligne = -1,
                               const QString& controle = "vsHistoPerso") {
            QTest::newRow(cas) << p << message << (message.isEmpty() ? QString() : controle) << ligne;
        };
        const auto accepte = [&](const char* cas, const PersonnageEdite& p) { refuse(cas, p, {}); };
        const auto pv = [&](const char* cas, const PersonnageEdite& p, int max, int ligne) {
            refuse(cas, p, QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et %1").arg(max), ligne);
        };
        const auto eric = [](const QVector<NiveauEdite>& niveaux, const QHash<QString, QString>& identite = {}) {
            return personnage("Eric", niveaux, identite);
        };
        const PersonnageEdite bon = eric({premier(g)});
        PersonnageEdite p = bon;
        p.nom = "   ";
        p.race = "Inconnue";
        refuse("nom blanc, avant la race", p, "Saisie d'un nom valide", -1, "fldstrnom");
        p = bon;
        p.race = "Inconnue";
        refuse("race inconnue", p, "Saisie d'une race existante au sein de la liste prédefinie", -1, "CmbRace");
        p.race = "HUMAIN";
        accepte("race en majuscules", p);
        refuse("âge non numérique, avant l'expérience", eric({premier(g)}, {{"Age", "vingt"}, {"TotalXP", "mille"}}),
               "L'age doit être entrée en tant que valeur numérique", -1, "fldnAge");
        refuse("malus XP", eric({premier(g)}, {{"MalusXP", "1x"}}),
               "Le Malux XP doit être entrée en tant que valeur numérique", -1, "fldnMalusXP");
        accepte("nombres acceptés", eric({premier(g)}, {{"TotalPo", "12,5"}, {"Beaute", " 14 "}}));
        refuse("école hors liste", eric({premier(g)}, {{"EcoleSpecialisation", "Pyromancie"}}),
               "Saisie d'un specialisation d'école obligatoire au sein de la liste", -1, "CmbEcoleSpecialisation");
        refuse("classe inconnue", eric({premier(g), niveau("Cuisinier", 1, 1)}), "Saisie d'une classe existante obligatoire", 1);
        for (int v : {0, 31, 1, 30}) {
            p = bon;
            p.niveaux[0].caracs[3] = QString::number(v);
            const bool refus = v == 0 || v == 31;
            refuse(qPrintable(QStringLiteral("caractéristique %1").arg(v)), p,
                   refus ? "Pour le premier niveau les caracteristiques doivent être comprise entre 1 et 30 " : "", refus ? 0 : -1);
        }
        pv("pv nul au niveau 2, caractéristiques nulles admises", eric({premier(g), niveau(g, 2, 0, {0, 0, 0, 0, 0, 0})}), 10, 1);
        pv("pv au-dessus du dé", eric({premier(g, 11)}), 10, 0);
        // Les archétypes changent les dés de vie raciaux (classe de type de créature), pas ceux des classes.
        p = eric({premier("Géant", 10), niveau(m, 1, 5)}, {{"Archetype", "Demi-dragon"}});
        pv("demi-dragon : d8 racial devient d10, le magicien garde son d4", p, 4, 1);
        p.niveaux[1].pv = "4";
        accepte("demi-dragon : 10 sur le d10 racial", p);
        p.niveaux[0].pv = "11";
        pv("demi-dragon : 11 sur le d10 racial", p, 10, 0);
        pv("demi-dragon : plafond d12", eric({premier("Dragon", 13)}, {{"Archetype", "Demi-dragon"}}), 12, 0);
        p = eric({premier("Géant", 7), niveau(g, 1, 10)}, {{"Archetype", "Demi-fée"}});
        pv("demi-fée : d6 racial, le guerrier garde son d10", p, 6, 0);
        p.niveaux[0].pv = "6";
        accepte("demi-fée : 6 sur le d6 racial, 10 sur le d10", p);
        refuse("niveau zéro", eric({premier(g), niveau(g, 0, 5)}), "Saisie d'un niveau supérieur à zero", 1);
        refuse("trou dans les niveaux", eric({premier(g), niveau(g, 3, 5)}),
               "Il manque le niveau numero 2 pour la classe de 'Guerrier'");
        accepte("variante qui suit sa classe maîtresse", eric({premier(m), niveau("Magicien sylvestre", 2, 3)}));
        refuse("variante sans son premier niveau", eric({premier(g), niveau("Magicien sylvestre", 2, 3)}),
               "Il manque le niveau numero 1 pour la classe de 'Magicien sylvestre'");
        refuse("aucun niveau", eric({}), "Veuillez au moins inserer une classe et un niveau dans la liste ");
        QVector<NiveauEdite> niveaux{premier(g)};
        for (const char* c : {"Magicien", "Roublard", "Barde", "Barbare", "Moine", "Druide", "Rôdeur", "Ensorceleur"})
            niveaux.append(niveau(QString::fromUtf8(c), 1, 1));
        refuse("neuf classes", eric(niveaux), "Ce personnage comprend plus de 8 classes");
        niveaux.removeLast();
        accepte("huit classes", eric(niveaux));
    }
    void controles()
    {
        QFETCH(PersonnageEdite, personnage);
        QFETCH(QString, message);
        const auto refus = controleEnregistrement(*m_programme, personnage, m_races);
        QCOMPARE(refus ? refus->message : QString(), message);
        if (refus) {
            QTEST(refus->controle, "controle");
            QTEST(refus->ligne, "ligne");
        }
    }

    // Un refus n'écrit rien ; un échec en cours d'écriture défait tout ce qui a été écrit.
    void rienNEstEcritSurRefusOuEchec()
    {
        QVERIFY(!enregistre(personnage("Fanny", {premier(g), niveau(g, 3)})));
        QCOMPARE(compte(*m_perso, "Personnage"), 0);
        QCOMPARE(compte(*m_perso, "PersonnageProgression"), 0);

        PersonnageEdite p = personnage("Gaël", {premier(g, 10)});
        QVERIFY(enregistre(p));
        // Sans table d'objets, l'écriture échoue après celle du personnage et de ses niveaux.
        m_perso->execute("drop table Equipement");
        p.niveaux.append(niveau(g, 2, 4));
        p.race = "Elfe";
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, Enregistre(*m_perso, *m_programme, p, m_races));
        QCOMPARE(m_perso->profondeurTransaction(), 0);
        const Ligne l = m_perso->premiere("select * from Personnage");
        QCOMPARE(l.texte("RACE"), "Humain");
        QCOMPARE(l.entier("Niv_1"), 1);
        QCOMPARE(m_perso->scalaire("select group_concat(niv) from PersonnageProgression").toString(), "1");
        QCOMPARE(compte(*m_perso, "PersonnageDons", "niv", "1"), 1);
    }

    void suppression()
    {
        PersonnageEdite p = personnage("Hélène d'Arc", {premier(g), niveau(g, 2)});
        p.objets = {{"Dague", {}, "0", {}, "1", true}};
        QVERIFY(enregistre(p));
        PersonnageEdite autre = p;
        autre.nom = "Hugo";
        QVERIFY(enregistre(autre));
        for (const QString& nom : {p.nom, autre.nom}) {
            m_perso->ajoute("SortPersonnage", {{"NomPerso", nom}, {"NomSort", "Lumière"}});
            m_perso->ajoute("SortListe", {{"NomPerso", nom}, {"NomSort", "Lumière"}});
            m_perso->ajoute("Capacites", {{"Personnage", nom}, {"Nom", "Esquive"}});
        }
        supprimePersonnage(*m_perso, "HÉLÈNE D'ARC");
        for (const auto& [table, champ] : {std::pair("Personnage", "Nom"), {"PersonnageProgression", "Nom"},
             {"PersonnageDons", "Nom"}, {"Equipement", "Personnage"}, {"SortPersonnage", "NomPerso"}, {"SortListe",
             "NomPerso"}, {"Capacites", "Personnage"}}) {
            QCOMPARE(compte(*m_perso, table, champ, p.nom), 0);
            QVERIFY2(compte(*m_perso, table, champ, autre.nom) > 0, table);
        }
    }

    void renommage_data()
    {
        QTest::addColumn<QString>("nouveau");
        QTest::addColumn<int>("resultat");
        QTest::newRow("même nom, autre casse") << "IRÈNE" << int(ResultatRenommage::Inchange);
        QTest::newRow("vide") << "  " << int(ResultatRenommage::Inchange);
        QTest::newRow("autre personnage, autre casse") << "jules o'hara" << int(ResultatRenommage::NomExistant);
        QTest::newRow("nom resté dans une table de sorts") << "Karl" << int(ResultatRenommage::NomExistant);
        QTest::newRow("nom libre avec apostrophe") << "Irène d'Ambre" << int(ResultatRenommage::Renomme);
    }
    void renommage()
    {
        QFETCH(QString, nouveau);
        QFETCH(int, resultat);
        PersonnageEdite p = personnage("Irène", {premier(g)});
        p.objets = {{"Dague", {}, "0", {}, "1", true}};
        QVERIFY(enregistre(p));
        QVERIFY(enregistre(personnage("Jules O'Hara", {premier(g)})));
        m_perso->ajoute("SortListe", {{"NomPerso", "Karl"}});
        m_perso->ajoute("SortPersonnage", {{"NomPerso", p.nom}});

        QCOMPARE(int(renommePersonnage(*m_perso, p.nom, nouveau)), resultat);
        const bool renomme = resultat == int(ResultatRenommage::Renomme);
        for (const auto& [table, champ] : {std::pair("Personnage", "Nom"), {"PersonnageProgression", "Nom"},
                                           {"PersonnageDons", "Nom"}, {"Equipement", "Personnage"},
                                           {"SortPersonnage", "NomPerso"}}) {
            const QString sql = QStringLiteral("select count(*) from %1 where %2=? collate binary").arg(table, champ);
            QVERIFY2(m_perso->scalaire(sql, {renomme ? nouveau : p.nom}).toInt() == 1, table);
            if (renomme)
                QCOMPARE(compte(*m_perso, table, champ, p.nom), 0);
        }
        QCOMPARE(compte(*m_perso, "Personnage"), 2);
    }

    void donsAttendusParNiveau_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveauClasse");
        QTest::addColumn<int>("niveauPersonnage");
        QTest::addColumn<QString>("race");
        QTest::addColumn<int>("attendus");
        // Guerrier : don supplémentaire aux niveaux 1, 2, 4 ; le familier et l'écriture de parchemins
        // du magicien 1, les capacités du moine sont accordés d'office.
        QTest::newRow("guerrier 1, premier niveau") << "Guerrier" << 1 << 1 << "Nain" << 2;
        QTest::newRow("guerrier 1 humain : don en plus de la race") << "Guerrier" << 1 << 1 << "Humain" << 3;
        QTest::newRow("guerrier 2, niveau 2") << "Guerrier" << 2 << 2 << "Humain" << 1;
        QTest::newRow("guerrier 3, niveau 3") << "Guerrier" << 3 << 3 << "" << 1;
        QTest::newRow("guerrier 4, niveau 6") << "Guerrier" << 4 << 6 << "" << 2;
        QTest::newRow("magicien 1, niveau 2") << "Magicien" << 1 << 2 << "" << 0;
        QTest::newRow("magicien 5, niveau 5") << "Magicien" << 5 << 5 << "" << 1;
        QTest::newRow("moine 1, premier niveau") << "Moine" << 1 << 1 << "Elfe" << 2;
        QTest::newRow("magicien 2, niveau 4") << "Magicien" << 2 << 4 << "" << 0;
        QTest::newRow("classe inconnue, niveau 9") << "Cuisinier" << 1 << 9 << "" << 1;
    }
    void donsAttendusParNiveau()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveauClasse);
        QFETCH(int, niveauPersonnage);
        QFETCH(QString, race);
        QTEST(donsAttendus(*m_programme, classe, niveauClasse, niveauPersonnage, race), "attendus");
    }

    // Le jet prend le dé de la classe sous l'archétype ; sans classe connue, aucun dé n'est lancé.
    void pointsDeVieTires_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<QString>("jets");
        QTest::addColumn<int>("attendu");   // 0 : pas de jet
        QTest::newRow("magicien : d4") << "Magicien" << "" << "3/4" << 3;
        QTest::newRow("barbare : d12") << "Barbare" << "" << "11/12" << 11;
        QTest::newRow("magicien liche : d12") << "Magicien" << "Liche" << "10/12" << 10;
        QTest::newRow("classe vide") << "" << "" << "" << 0;
        QTest::newRow("classe inconnue") << "Jongleur" << "" << "" << 0;
    }
    void pointsDeVieTires()
    {
        QFETCH(QString, classe);
        QFETCH(QString, archetype);
        QFETCH(QString, jets);
        QFETCH(int, attendu);
        SuiteConnue hasard(jets);
        QCOMPARE(tirePointsDeVie(*m_programme, classe, archetype, hasard).value_or(0), attendu);
        QVERIFY(hasard.touteLue());
    }
};

QTEST_GUILESS_MAIN(TestEditionPersonnage)
#include "test_edition_personnage.moc"

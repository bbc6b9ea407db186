// Éditeur de personnages, côté données : contrôles, écritures, suppression, changement de nom.
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "editor/NiveauxPersonnage.h"
#include "sheet/FixturesFiche.h"
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

PersonnageEdite personnage(const QString& nom, const QVector<NiveauEdite>& niveaux)
{
    PersonnageEdite p;
    p.nom = nom;
    p.race = QStringLiteral("Humain");
    p.niveaux = niveaux;
    return p;
}

int compte(BaseDonnees& base, const QString& table, const QString& champ, const QString& nom)
{
    return base.scalaire(QStringLiteral("select count(*) from %1 where %2=?").arg(table, champ), {nom}).toInt();
}

} // namespace

class TestEditionPersonnage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void nouveauPersonnageUnNiveau();
    void casesDeClasses_data();
    void casesDeClasses();
    void niveauEnleve();
    void relectureComplete();
    void controles_data();
    void controles();
    void refusSansEcriture();
    void echecSansEcriture();
    void suppression();
    void renommage_data();
    void renommage();
    void donsAttendusParNiveau_data();
    void donsAttendusParNiveau();
    void pointsDeVieTires_data();
    void pointsDeVieTires();

private:
    std::unique_ptr<DossierTest> m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;
    QStringList m_races;
};

void TestEditionPersonnage::initTestCase()
{
    auto livree = baseProgrammeLivree();
    if (!livree)
        QSKIP("base du programme non construite");
    // Copie de la base du programme, avec une variante de classe qui partage la numérotation du magicien.
    m_dossier = std::make_unique<DossierTest>();
    const QString copie = m_dossier->chemin(QStringLiteral("programme.db"));
    QVERIFY(QFile::copy(livree->chemin(), copie));
    livree.reset();
    m_programme = BaseDonnees::ouvre(copie);
    m_programme->ajoute(QStringLiteral("Classe"), {{QStringLiteral("Classe"), QStringLiteral("Magicien sylvestre")},
                                                  {QStringLiteral("PointDeVie"), 4},
                                                  {QStringLiteral("ClasseMaitre"), QStringLiteral("Magicien")}});
    m_races = racesEditeur(*m_programme);
    QVERIFY(m_races.contains(QStringLiteral("Humain")));
    // Une base de personnages modèle, copiée avant chaque essai : la créer est lent.
    basePersonnagesTest(*m_dossier, *m_programme, QStringLiteral("modele.db"));
}

void TestEditionPersonnage::init()
{
    m_perso.reset();
    const QString chemin = m_dossier->chemin(QStringLiteral("perso.db"));
    QFile::remove(chemin);
    QVERIFY(QFile::copy(m_dossier->chemin(QStringLiteral("modele.db")), chemin));
    m_perso = BaseDonnees::ouvre(chemin);
}

void TestEditionPersonnage::nouveauPersonnageUnNiveau()
{
    PersonnageEdite p = personnage(QStringLiteral("Aude d'Orval"), {premier(QStringLiteral("Guerrier"), 10)});
    p.identite.insert(QStringLiteral("Age"), QStringLiteral("25"));
    p.identite.insert(QStringLiteral("Poids"), QStringLiteral("62,5"));
    p.identite.insert(QStringLiteral("Dieu"), QString());
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));

    const QVector<Ligne> lignes = m_perso->selectionne(QStringLiteral("select * from Personnage"));
    QCOMPARE(lignes.size(), 1);
    const Ligne& l = lignes.first();
    QCOMPARE(l.texte(QStringLiteral("Nom")), QStringLiteral("Aude d'Orval"));
    QCOMPARE(l.texte(QStringLiteral("Classe_1")), QStringLiteral("Guerrier"));
    QCOMPARE(l.entier(QStringLiteral("Niv_1")), 1);
    for (int k = 2; k <= 8; ++k) {
        QVERIFY(l.estNul(QStringLiteral("Classe_%1").arg(k)));
        QVERIFY(l.estNul(QStringLiteral("Niv_%1").arg(k)));
    }
    QCOMPARE(l.entier(QStringLiteral("Age")), 25);
    QCOMPARE(l.reel(QStringLiteral("Poids")), 62.5);
    QVERIFY(l.estNul(QStringLiteral("Dieu")));

    const QVector<Ligne> progression = m_perso->selectionne(QStringLiteral("select * from PersonnageProgression"));
    QCOMPARE(progression.size(), 1);
    QCOMPARE(progression.first().entier(QStringLiteral("niv")), 1);
    QCOMPARE(progression.first().entier(QStringLiteral("PV")), 10);
    QCOMPARE(progression.first().entier(QStringLiteral("For")), 15);
    const QVector<Ligne> dons = m_perso->selectionne(QStringLiteral("select * from PersonnageDons"));
    QCOMPARE(dons.size(), 1);
    QCOMPARE(dons.first().entier(QStringLiteral("niv")), 1);
    QCOMPARE(dons.first().texte(QStringLiteral("Nom")), QStringLiteral("Aude d'Orval"));
}

void TestEditionPersonnage::casesDeClasses_data()
{
    QTest::addColumn<QVector<NiveauEdite>>("niveaux");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QList<int>>("niveauxClasses");
    const QString g = QStringLiteral("Guerrier"), m = QStringLiteral("Magicien");
    QTest::newRow("retour au guerrier") << QVector<NiveauEdite>{premier(g), niveau(g, 2), premier(m), niveau(g, 3)}
                                        << QStringList{g, m} << QList<int>{3, 1};
    QTest::newRow("magicien d'abord") << QVector<NiveauEdite>{premier(m), premier(g), niveau(m, 2)}
                                      << QStringList{m, g} << QList<int>{2, 1};
    QTest::newRow("une seule classe") << QVector<NiveauEdite>{premier(g), niveau(g, 2), niveau(g, 3), niveau(g, 4)}
                                      << QStringList{g} << QList<int>{4};
}

void TestEditionPersonnage::casesDeClasses()
{
    QFETCH(QVector<NiveauEdite>, niveaux);
    QFETCH(QStringList, classes);
    QFETCH(QList<int>, niveauxClasses);
    QVERIFY(!Enregistre(*m_perso, *m_programme, personnage(QStringLiteral("Bruno"), niveaux), m_races));
    const Ligne l = m_perso->premiere(QStringLiteral("select * from Personnage"));
    for (int k = 0; k < 8; ++k) {
        const QString classe = QStringLiteral("Classe_%1").arg(k + 1), niv = QStringLiteral("Niv_%1").arg(k + 1);
        if (k < classes.size()) {
            QCOMPARE(l.texte(classe), classes.at(k));
            QCOMPARE(l.entier(niv), niveauxClasses.at(k));
        } else {
            QVERIFY(l.estNul(classe));
            QVERIFY(l.estNul(niv));
        }
    }
    QCOMPARE(compte(*m_perso, QStringLiteral("PersonnageProgression"), QStringLiteral("nom"), QStringLiteral("Bruno")),
             niveaux.size());
}

void TestEditionPersonnage::niveauEnleve()
{
    const QString g = QStringLiteral("Guerrier");
    QVERIFY(!Enregistre(*m_perso, *m_programme,
                        personnage(QStringLiteral("Céline"), {premier(g), niveau(g, 2, 5), niveau(g, 3, 6)}), m_races));
    PersonnageEdite p;
    QVERIFY(chargePersonnage(*m_perso, QStringLiteral("céline"), p));
    QCOMPARE(p.niveaux.size(), 3);
    p.niveaux.removeLast();
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));

    const QVector<Ligne> lignes =
        m_perso->selectionne(QStringLiteral("select niv, PV from PersonnageProgression order by niv"));
    QCOMPARE(lignes.size(), 2);
    QCOMPARE(lignes.at(0).entier(QStringLiteral("niv")), 1);
    QCOMPARE(lignes.at(1).entier(QStringLiteral("niv")), 2);
    QCOMPARE(lignes.at(1).entier(QStringLiteral("PV")), 5);
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from PersonnageDons")).toInt(), 2);
    QCOMPARE(m_perso->premiere(QStringLiteral("select Niv_1 from Personnage")).entier(QStringLiteral("Niv_1")), 2);
}

void TestEditionPersonnage::relectureComplete()
{
    const QString g = QStringLiteral("Guerrier");
    PersonnageEdite p = personnage(QStringLiteral("Dame d'Ys"), {premier(g), niveau(g, 2, 7, {1, 0, 0, 0, 0, 0})});
    p.niveaux[0].dons[0] = QStringLiteral("Arme de prédilection");
    p.niveaux[0].precisions[0] = QStringLiteral("Épée longue");
    p.niveaux[0].dons[1] = QStringLiteral("Attaque en puissance");
    p.niveaux[0].competence = QStringLiteral("3-4-4|");
    p.niveaux[1].modifInt = QStringLiteral("1");
    p.identite.insert(QStringLiteral("Dieu"), QStringLiteral("Heironéous"));
    p.identite.insert(QStringLiteral("Domaine_2"), QStringLiteral("Guerre"));
    p.objets = {{QStringLiteral("Épée longue"), QString(), QStringLiteral("0"), QString(), QStringLiteral("1"), true},
                {QString(), QString(), QString(), QString(), QString(), true},
                {QStringLiteral("Corde en soie (15 m)"), QStringLiteral("x"), QStringLiteral("sac"), QStringLiteral("3"),
                 QStringLiteral("2"), false}};
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));
    // Un second enregistrement ne double rien.
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));

    PersonnageEdite lu;
    QVERIFY(chargePersonnage(*m_perso, p.nom, lu));
    QCOMPARE(lu.nom, p.nom);
    QCOMPARE(lu.identite.value(QStringLiteral("Dieu")), QStringLiteral("Heironéous"));
    QCOMPARE(lu.identite.value(QStringLiteral("Domaine_2")), QStringLiteral("Guerre"));
    QCOMPARE(lu.identite.value(QStringLiteral("Domaine_1")), QString());
    QCOMPARE(lu.niveaux.size(), 2);
    QCOMPARE(lu.niveaux[0].dons[0], QStringLiteral("Arme de prédilection"));
    QCOMPARE(lu.niveaux[0].precisions[0], QStringLiteral("Épée longue"));
    QCOMPARE(lu.niveaux[0].dons[1], QStringLiteral("Attaque en puissance"));
    QCOMPARE(lu.niveaux[0].dons[2], QString());
    QCOMPARE(lu.niveaux[0].competence, QStringLiteral("3-4-4|"));
    QCOMPARE(lu.niveaux[1].niveau, QStringLiteral("2"));
    QCOMPARE(lu.niveaux[1].caracs[0], QStringLiteral("1"));
    QCOMPARE(lu.niveaux[1].modifInt, QStringLiteral("1"));
    QCOMPARE(lu.niveaux[1].dons[0], QString());
    // La ligne d'objet sans nom n'est pas écrite ; une place non numérique devient Null.
    QCOMPARE(lu.objets.size(), 2);
    QCOMPARE(lu.objets[0].nom, QStringLiteral("Épée longue"));
    QCOMPARE(lu.objets[0].place, QStringLiteral("0"));
    QCOMPARE(lu.objets[1].nom, QStringLiteral("Corde en soie (15 m)"));
    QCOMPARE(lu.objets[1].place, QString());
    QCOMPARE(lu.objets[1].charge, QStringLiteral("3"));
    QCOMPARE(lu.objets[1].nombre, QStringLiteral("2"));
    QVERIFY(!lu.objets[1].surPersonnage);
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from PersonnageDons")).toInt(), 3);
}

void TestEditionPersonnage::controles_data()
{
    QTest::addColumn<PersonnageEdite>("personnage");
    QTest::addColumn<QString>("message");  // vide : accepté
    QTest::addColumn<QString>("controle");
    QTest::addColumn<int>("ligne");

    const QString g = QStringLiteral("Guerrier"), m = QStringLiteral("Magicien");
    const QString grille = QStringLiteral("vsHistoPerso");
    const PersonnageEdite bon = personnage(QStringLiteral("Eric"), {premier(g)});

    PersonnageEdite p = bon;
    p.nom = QStringLiteral("   ");
    p.race = QStringLiteral("Inconnue");
    QTest::newRow("nom blanc, avant la race") << p << QStringLiteral("Saisie d'un nom valide")
                                              << QStringLiteral("fldstrnom") << -1;
    p = bon;
    p.race = QStringLiteral("Inconnue");
    QTest::newRow("race inconnue")
        << p << QStringLiteral("Saisie d'une race existante au sein de la liste prédefinie") << QStringLiteral("CmbRace") << -1;
    p = bon;
    p.race = QStringLiteral("HUMAIN");
    QTest::newRow("race en majuscules") << p << QString() << QString() << -1;
    p = bon;
    p.identite.insert(QStringLiteral("Age"), QStringLiteral("vingt"));
    p.identite.insert(QStringLiteral("TotalXP"), QStringLiteral("mille"));
    QTest::newRow("âge non numérique, avant l'expérience")
        << p << QStringLiteral("L'age doit être entrée en tant que valeur numérique") << QStringLiteral("fldnAge") << -1;
    p = bon;
    p.identite.insert(QStringLiteral("MalusXP"), QStringLiteral("1x"));
    QTest::newRow("malus XP") << p << QStringLiteral("Le Malux XP doit être entrée en tant que valeur numérique")
                              << QStringLiteral("fldnMalusXP") << -1;
    p = bon;
    p.identite.insert(QStringLiteral("TotalPo"), QStringLiteral("12,5"));
    p.identite.insert(QStringLiteral("Beaute"), QStringLiteral(" 14 "));
    QTest::newRow("nombres acceptés") << p << QString() << QString() << -1;
    p = bon;
    p.identite.insert(QStringLiteral("EcoleSpecialisation"), QStringLiteral("Pyromancie"));
    QTest::newRow("école hors liste") << p
                                      << QStringLiteral("Saisie d'un specialisation d'école obligatoire au sein de la liste")
                                      << QStringLiteral("CmbEcoleSpecialisation") << -1;
    p = personnage(QStringLiteral("Eric"), {premier(g), niveau(QStringLiteral("Cuisinier"), 1, 1)});
    QTest::newRow("classe inconnue") << p << QStringLiteral("Saisie d'une classe existante obligatoire") << grille << 1;

    const QString messageCaracs = QStringLiteral("Pour le premier niveau les caracteristiques doivent être comprise entre 1 et 30 ");
    for (int v : {0, 31, 1, 30}) {
        p = bon;
        p.niveaux[0].caracs[3] = QString::number(v);
        const bool refuse = v == 0 || v == 31;
        QTest::newRow(qPrintable(QStringLiteral("caractéristique %1").arg(v)))
            << p << (refuse ? messageCaracs : QString()) << (refuse ? grille : QString()) << (refuse ? 0 : -1);
    }
    p = personnage(QStringLiteral("Eric"), {premier(g), niveau(g, 2, 0, {0, 0, 0, 0, 0, 0})});
    QTest::newRow("pv nul au niveau 2, caractéristiques nulles admises") << p << QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et 10")
                                                << grille << 1;
    p = personnage(QStringLiteral("Eric"), {premier(g, 11)});
    QTest::newRow("pv au-dessus du dé") << p << QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et 10")
                                        << grille << 0;
    p = personnage(QStringLiteral("Eric"), {premier(m, 6)});
    p.identite.insert(QStringLiteral("Archetype"), QStringLiteral("Demi-dragon"));
    QTest::newRow("demi-dragon : d4 devient d6") << p << QString() << QString() << -1;
    p.niveaux[0].pv = QStringLiteral("7");
    QTest::newRow("demi-dragon : 7 sur d6") << p << QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et 6")
                                            << grille << 0;
    p = personnage(QStringLiteral("Eric"), {premier(QStringLiteral("Barbare"), 12)});
    p.identite.insert(QStringLiteral("Archetype"), QStringLiteral("Demi-dragon"));
    QTest::newRow("demi-dragon : plafond d12") << p << QString() << QString() << -1;
    p.niveaux[0].pv = QStringLiteral("13");
    QTest::newRow("demi-dragon : 13 sur d12") << p << QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et 12")
                                              << grille << 0;
    p = personnage(QStringLiteral("Eric"), {premier(g, 6)});
    p.identite.insert(QStringLiteral("Archetype"), QStringLiteral("Demi-fée"));
    QTest::newRow("demi-fée : d6") << p << QString() << QString() << -1;
    p.niveaux[0].pv = QStringLiteral("7");
    QTest::newRow("demi-fée : 7 sur d6") << p << QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et 6")
                                         << grille << 0;
    p = personnage(QStringLiteral("Eric"), {premier(g), niveau(g, 0, 5)});
    QTest::newRow("niveau zéro") << p << QStringLiteral("Saisie d'un niveau supérieur à zero") << grille << 1;
    p = personnage(QStringLiteral("Eric"), {premier(g), niveau(g, 3, 5)});
    QTest::newRow("trou dans les niveaux")
        << p << QStringLiteral("Il manque le niveau numero 2 pour la classe de 'Guerrier'") << grille << -1;
    p = personnage(QStringLiteral("Eric"), {premier(m), niveau(QStringLiteral("Magicien sylvestre"), 2, 3)});
    QTest::newRow("variante qui suit sa classe maîtresse") << p << QString() << QString() << -1;
    p = personnage(QStringLiteral("Eric"), {premier(g), niveau(QStringLiteral("Magicien sylvestre"), 2, 3)});
    QTest::newRow("variante sans son premier niveau")
        << p << QStringLiteral("Il manque le niveau numero 1 pour la classe de 'Magicien sylvestre'") << grille << -1;
    p = personnage(QStringLiteral("Eric"), {});
    QTest::newRow("aucun niveau") << p << QStringLiteral("Veuillez au moins inserer une classe et un niveau dans la liste ")
                                  << grille << -1;

    const QStringList neuf{QStringLiteral("Guerrier"), QStringLiteral("Magicien"), QStringLiteral("Roublard"),
                           QStringLiteral("Barde"),    QStringLiteral("Barbare"),  QStringLiteral("Moine"),
                           QStringLiteral("Druide"),   QStringLiteral("Rôdeur"),   QStringLiteral("Ensorceleur")};
    QVector<NiveauEdite> niveaux;
    for (qsizetype i = 0; i < neuf.size(); ++i)
        niveaux.append(i == 0 ? premier(neuf.at(i)) : niveau(neuf.at(i), 1, 1));
    QTest::newRow("neuf classes") << personnage(QStringLiteral("Eric"), niveaux)
                                  << QStringLiteral("Ce personnage comprend plus de 8 classes") << grille << -1;
    niveaux.removeLast();
    QTest::newRow("huit classes") << personnage(QStringLiteral("Eric"), niveaux) << QString() << QString() << -1;
}

void TestEditionPersonnage::controles()
{
    QFETCH(PersonnageEdite, personnage);
    QFETCH(QString, message);
    QFETCH(QString, controle);
    QFETCH(int, ligne);
    const auto refus = controleEnregistrement(*m_programme, personnage, m_races);
    if (message.isEmpty()) {
        QVERIFY2(!refus, qPrintable(refus ? refus->message : QString()));
        return;
    }
    QVERIFY(refus);
    QCOMPARE(refus->message, message);
    QCOMPARE(refus->controle, controle);
    QCOMPARE(refus->ligne, ligne);
}

void TestEditionPersonnage::refusSansEcriture()
{
    const QString g = QStringLiteral("Guerrier");
    const auto refus = Enregistre(*m_perso, *m_programme, personnage(QStringLiteral("Fanny"), {premier(g), niveau(g, 3)}),
                                  m_races);
    QVERIFY(refus);
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from Personnage")).toInt(), 0);
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression")).toInt(), 0);
}

void TestEditionPersonnage::echecSansEcriture()
{
    const QString g = QStringLiteral("Guerrier");
    PersonnageEdite p = personnage(QStringLiteral("Gaël"), {premier(g, 10)});
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));
    // Sans table d'objets, l'écriture échoue après celle du personnage et de ses niveaux.
    m_perso->execute(QStringLiteral("drop table Equipement"));
    p.niveaux.append(niveau(g, 2, 4));
    p.race = QStringLiteral("Elfe");
    QVERIFY_THROWS_EXCEPTION(ErreurExecution, Enregistre(*m_perso, *m_programme, p, m_races));

    QCOMPARE(m_perso->profondeurTransaction(), 0);
    const Ligne l = m_perso->premiere(QStringLiteral("select * from Personnage"));
    QCOMPARE(l.texte(QStringLiteral("RACE")), QStringLiteral("Humain"));
    QCOMPARE(l.entier(QStringLiteral("Niv_1")), 1);
    const QVector<Ligne> lignes = m_perso->selectionne(QStringLiteral("select niv from PersonnageProgression"));
    QCOMPARE(lignes.size(), 1);
    QCOMPARE(lignes.first().entier(QStringLiteral("niv")), 1);
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from PersonnageDons where niv=1")).toInt(), 1);
}

void TestEditionPersonnage::suppression()
{
    const QString g = QStringLiteral("Guerrier");
    PersonnageEdite p = personnage(QStringLiteral("Hélène d'Arc"), {premier(g), niveau(g, 2)});
    p.objets = {{QStringLiteral("Dague"), {}, QStringLiteral("0"), {}, QStringLiteral("1"), true}};
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));
    PersonnageEdite autre = p;
    autre.nom = QStringLiteral("Hugo");
    QVERIFY(!Enregistre(*m_perso, *m_programme, autre, m_races));
    for (const QString& nom : {p.nom, autre.nom}) {
        m_perso->ajoute(QStringLiteral("SortPersonnage"), {{QStringLiteral("NomPerso"), nom}, {QStringLiteral("NomSort"), QStringLiteral("Lumière")}});
        m_perso->ajoute(QStringLiteral("SortListe"), {{QStringLiteral("NomPerso"), nom}, {QStringLiteral("NomSort"), QStringLiteral("Lumière")}});
        m_perso->ajoute(QStringLiteral("Capacites"), {{QStringLiteral("Personnage"), nom}, {QStringLiteral("Nom"), QStringLiteral("Esquive")}});
    }

    supprimePersonnage(*m_perso, QStringLiteral("HÉLÈNE D'ARC"));

    const QList<QPair<QString, QString>> tables{{"Personnage", "Nom"},       {"PersonnageProgression", "Nom"},
                                               {"PersonnageDons", "Nom"},   {"Equipement", "Personnage"},
                                               {"SortPersonnage", "NomPerso"}, {"SortListe", "NomPerso"},
                                               {"Capacites", "Personnage"}};
    for (const auto& [table, champ] : tables) {
        QCOMPARE(compte(*m_perso, table, champ, p.nom), 0);
        QVERIFY2(compte(*m_perso, table, champ, autre.nom) > 0, qPrintable(table));
    }
}

void TestEditionPersonnage::renommage_data()
{
    QTest::addColumn<QString>("nouveau");
    QTest::addColumn<int>("resultat");
    QTest::newRow("même nom, autre casse") << QStringLiteral("IRÈNE") << int(ResultatRenommage::Inchange);
    QTest::newRow("vide") << QStringLiteral("  ") << int(ResultatRenommage::Inchange);
    QTest::newRow("autre personnage, autre casse") << QStringLiteral("jules o'hara") << int(ResultatRenommage::NomExistant);
    QTest::newRow("nom resté dans une table de sorts") << QStringLiteral("Karl") << int(ResultatRenommage::NomExistant);
    QTest::newRow("nom libre avec apostrophe") << QStringLiteral("Irène d'Ambre") << int(ResultatRenommage::Renomme);
}

void TestEditionPersonnage::renommage()
{
    QFETCH(QString, nouveau);
    QFETCH(int, resultat);
    const QString g = QStringLiteral("Guerrier");
    PersonnageEdite p = personnage(QStringLiteral("Irène"), {premier(g)});
    p.objets = {{QStringLiteral("Dague"), {}, QStringLiteral("0"), {}, QStringLiteral("1"), true}};
    QVERIFY(!Enregistre(*m_perso, *m_programme, p, m_races));
    QVERIFY(!Enregistre(*m_perso, *m_programme, personnage(QStringLiteral("Jules O'Hara"), {premier(g)}), m_races));
    m_perso->ajoute(QStringLiteral("SortListe"), {{QStringLiteral("NomPerso"), QStringLiteral("Karl")}});
    m_perso->ajoute(QStringLiteral("SortPersonnage"), {{QStringLiteral("NomPerso"), p.nom}});

    QCOMPARE(int(renommePersonnage(*m_perso, p.nom, nouveau)), resultat);

    const QString attendu = resultat == int(ResultatRenommage::Renomme) ? nouveau : p.nom;
    const QString parti = resultat == int(ResultatRenommage::Renomme) ? p.nom : nouveau;
    for (const auto& [table, champ] : QList<QPair<QString, QString>>{{"Personnage", "Nom"},
                                                                    {"PersonnageProgression", "Nom"},
                                                                    {"PersonnageDons", "Nom"},
                                                                    {"Equipement", "Personnage"},
                                                                    {"SortPersonnage", "NomPerso"}}) {
        QVERIFY2(m_perso->scalaire(QStringLiteral("select count(*) from %1 where %2=? collate binary").arg(table, champ),
                                   {attendu})
                         .toInt()
                     == 1,
                 qPrintable(table));
        if (resultat == int(ResultatRenommage::Renomme))
            QCOMPARE(compte(*m_perso, table, champ, parti), 0);
    }
    QCOMPARE(m_perso->scalaire(QStringLiteral("select count(*) from Personnage")).toInt(), 2);
}

void TestEditionPersonnage::donsAttendusParNiveau_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("niveauClasse");
    QTest::addColumn<int>("niveauPersonnage");
    QTest::addColumn<int>("attendus");
    // Guerrier : don supplémentaire aux niveaux 1, 2, 4 ; magicien 1 : familier et écriture de parchemins.
    QTest::newRow("guerrier 1, premier niveau") << "Guerrier" << 1 << 1 << 2;
    QTest::newRow("guerrier 2, niveau 2") << "Guerrier" << 2 << 2 << 1;
    QTest::newRow("guerrier 3, niveau 3") << "Guerrier" << 3 << 3 << 1;
    QTest::newRow("guerrier 4, niveau 6") << "Guerrier" << 4 << 6 << 2;
    QTest::newRow("magicien 1, niveau 2") << "Magicien" << 1 << 2 << 2;
    QTest::newRow("magicien 2, niveau 4") << "Magicien" << 2 << 4 << 0;
    QTest::newRow("classe inconnue, niveau 9") << "Cuisinier" << 1 << 9 << 1;
}

void TestEditionPersonnage::donsAttendusParNiveau()
{
    QFETCH(QString, classe);
    QFETCH(int, niveauClasse);
    QFETCH(int, niveauPersonnage);
    QFETCH(int, attendus);
    QCOMPARE(donsAttendus(*m_programme, classe, niveauClasse, niveauPersonnage), attendus);
}

void TestEditionPersonnage::pointsDeVieTires_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("de");
    QTest::newRow("magicien : d4") << "Magicien" << 4;
    QTest::newRow("barbare : d12") << "Barbare" << 12;
    QTest::newRow("classe vide : d12") << "" << 12;
}

void TestEditionPersonnage::pointsDeVieTires()
{
    QFETCH(QString, classe);
    QFETCH(int, de);
    std::mt19937 hasard(7);
    QSet<int> vus;
    for (int i = 0; i < 300; ++i)
        vus.insert(tirePointsDeVie(*m_programme, classe, hasard));
    // Toutes les faces sortent, et rien d'autre.
    QCOMPARE(vus.size(), de);
    QCOMPARE(*std::min_element(vus.cbegin(), vus.cend()), 1);
    QCOMPARE(*std::max_element(vus.cbegin(), vus.cend()), de);
}

QTEST_GUILESS_MAIN(TestEditionPersonnage)
#include "test_edition_personnage.moc"

// Liste des dons sur les règles livrées : dons de classe, choisis, de race, de domaine, de forme
// animale, d'armes en main et d'objets ; valeurs attendues tirées des règles 3.5.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/ListeDon.h"
#include "sheet/RetrouveFiche.h"

#include <QFile>
#include <QtTest>

namespace {

const LigneDon* trouve(const QVector<LigneDon>& dons, const QString& affiche, const QString& origine)
{
    for (const LigneDon& d : dons)
        if (d.Affiche == affiche && d.Origine == origine)
            return &d;
    return nullptr;
}

int compte(const QVector<LigneDon>& dons, const QString& affiche)
{
    return int(std::count_if(dons.cbegin(), dons.cend(), [&](const LigneDon& d) { return d.Affiche == affiche; }));
}

} // namespace

class TestListeDon : public TestFicheBase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases(true))
            QSKIP("tessarys.db n'est pas construite");
        for (const char* classe : {"Combattant de la nature", "Lion de Talisid", "Champion de gwynharwyf"})
            ajouteClasseRegles(*m_programme, classe);
        BaseDonnees& p = *m_perso;
        // Humain guerrier 1 : don du niveau 1, don humain, don de guerrier (trois dons choisis).
        ajoutePersonnageFiche(p, "Hal", niveaux("Guerrier", 1), {{"RACE", "Humain"}});
        choisit(p, "Hal", "Guerrier", 1, "Attaque en puissance");
        choisit(p, "Hal", "Guerrier", 1, "Enchaînement");
        choisit(p, "Hal", "Guerrier", 1, "Arme de prédilection", "Epée courte");
        ajoutePersonnageFiche(p, "Lin", niveaux("Moine", 2), {{"RACE", "Humain"}});
        ajoutePersonnageFiche(p, "Ulf", niveaux("Barbare", 4), {{"RACE", "Demi-orque"}});
        ajoutePersonnageFiche(p, "Kai", niveaux("Moine", 8), {{"RACE", "Humain"}});
        // Druide 5 / Combattant de la nature 3 : formes animales des niveaux 6 à 8 de druide.
        QVector<NiveauTest> druide = niveaux("Druide", 5);
        druide += QVector<NiveauTest>(3, NiveauTest{"Combattant de la nature", 6});
        ajoutePersonnageFiche(p, "Sylve", druide, {{"RACE", "Humain"}});
        QVector<NiveauTest> lion = niveaux("Druide", 5);
        lion += QVector<NiveauTest>(2, NiveauTest{"Lion de Talisid", 6});
        ajoutePersonnageFiche(p, "Talis", lion, {{"RACE", "Humain"}});
        QVector<NiveauTest> champion = niveaux("Barbare", 3);
        champion += QVector<NiveauTest>(2, NiveauTest{"Champion de gwynharwyf", 6});
        ajoutePersonnageFiche(p, "Gwyn", champion, {{"RACE", "Humain"}});
        ajoutePersonnageFiche(p, "Fortune", niveaux("Prêtre", 1),
                              {{"RACE", "Humain"}, {"Domaine_1", "Destin"}, {"Domaine_2", "Drows"}});
        ajoutePersonnageFiche(p, "Brok", niveaux("Guerrier", 2), {{"RACE", "Humain"}});
        choisit(p, "Brok", "Guerrier", 1, "Vigueur surhumaine");
        choisit(p, "Brok", "Guerrier", 2, "Volonté de fer");
    }

    // Dons attendus par personnage : nom montré, origine, genre d'octroi, caché ou non.
    void donsDuPersonnage_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<QString>("origine");
        QTest::addColumn<QString>("octroi");
        QTest::addColumn<bool>("cache");
        // Guerrier 1 : le don supplémentaire de guerrier vient de la progression de la classe.
        QTest::newRow("guerrier, don de classe") << "Hal" << "Don supplémentaire de guerrier" << "Guerrier  1"
                                                 << "Don de classe" << false;
        QTest::newRow("guerrier, don du niveau 1") << "Hal" << "Attaque en puissance" << "Guerrier  1"
                                                   << "Don sélectionné" << false;
        QTest::newRow("humain, don en plus") << "Hal" << "Enchaînement" << "Guerrier  1" << "Don sélectionné" << false;
        QTest::newRow("spécialité choisie") << "Hal" << "Arme de prédilection [Epée courte]" << "Guerrier  1"
                                            << "Don sélectionné" << false;
        // Moine : déluge de coups au niveau 1, esquive totale au niveau 2.
        QTest::newRow("moine 1") << "Lin" << "Déluge de coups" << "Moine  1" << "Don de classe" << false;
        QTest::newRow("moine 2") << "Lin" << "Esquive totale" << "Moine  2" << "Don de classe" << false;
        // Barbare 4 : la rage du niveau 1 est dépassée par celle du niveau 4.
        QTest::newRow("rage dépassée") << "Ulf" << "Rage +1" << "Barbare  1" << "Don de classe" << true;
        QTest::newRow("rage retenue") << "Ulf" << "Rage +1" << "Barbare  4" << "Don de classe" << false;
        QTest::newRow("don de race") << "Ulf" << "Sang orque" << "" << "Don de race" << false;
        // Moine 8 : chute ralentie de 6 m au niveau 4, +3 m aux niveaux 6 et 8 ; la ligne au plus
        // grand numéro reste.
        QTest::newRow("chute ralentie retenue") << "Kai" << "Chute ralentie_+6" << "Moine  4" << "Don de classe" << false;
        QTest::newRow("chute ralentie dépassée") << "Kai" << "Chute ralentie_+3" << "Moine  8" << "Don de classe" << true;
        QTest::newRow("déplacement accéléré dépassé") << "Kai" << "Déplacement accéléré" << "Moine  3"
                                                      << "Don de classe" << true;
        QTest::newRow("déplacement accéléré retenu") << "Kai" << "Déplacement accéléré" << "Moine  6"
                                                     << "Don de classe" << false;
        // Les niveaux de combattant de la nature prolongent les formes animales du druide.
        QTest::newRow("druide 6") << "Sylve" << "Forme animale +1" << "Druide  6" << "Don de classe" << true;
        QTest::newRow("druide 7") << "Sylve" << "Forme animale +1" << "Druide  7" << "Don de classe" << false;
        QTest::newRow("druide 8") << "Sylve" << "Forme animale_Grande" << "Druide  8" << "Don de classe" << false;
        // Le champion de gwynharwyf prolonge les rages du barbare.
        QTest::newRow("champion") << "Gwyn" << "Rage +1" << "Barbare  4" << "Don de classe" << false;
        QTest::newRow("domaine du destin") << "Fortune" << "Esquive instinctive" << "Domaine(Destin)"
                                           << "Don de classe" << false;
        QTest::newRow("domaine des drows") << "Fortune" << "Réflexes surhumains " << "Domaine(Drows)"
                                           << "Don de classe" << false;
    }

    void donsDuPersonnage()
    {
        QFETCH(QString, nom);
        QFETCH(QString, affiche);
        QFETCH(QString, origine);
        QFETCH(QString, octroi);
        QFETCH(bool, cache);
        const Fiche f = calcule(nom);
        QVERIFY(f.etapeCalculee(5));
        const LigneDon* d = trouve(f.Dons, affiche, origine);
        QVERIFY2(d, qPrintable(affiche + " / " + origine));
        QCOMPARE(d->Octroi, octroi);
        QCOMPARE(d->Cachee, cache);
    }

    // Ce que la liste ne doit pas contenir : une continuation sans niveaux en plus, la capacité
    // d'un niveau de druide non atteint.
    void donsAbsents_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<int>("nombre");
        // Druide 5 : "Forme animale +1" au niveau 5 seulement ; le lion de Talisid 2 n'ajoute rien.
        QTest::newRow("lion de Talisid 2") << "Talis" << "Forme animale +1" << 1;
        QTest::newRow("druide 5 sans grande forme") << "Talis" << "Forme animale_Grande" << 0;
        QTest::newRow("druide 5 + 3 niveaux") << "Sylve" << "Forme animale +1" << 3;
        // Barbare 3 + champion 2 : rage des niveaux 1 et 4, pas l'esquive instinctive supérieure du 5.
        QTest::newRow("champion, rages") << "Gwyn" << "Rage +1" << 2;
        QTest::newRow("champion, pas d'esquive du 5") << "Gwyn" << "Esquive instinctive supérieure" << 0;
        QTest::newRow("humain, aucun don de race") << "Hal" << "Vision nocturne" << 0;
    }

    void donsAbsents()
    {
        QFETCH(QString, nom);
        QFETCH(QString, affiche);
        QFETCH(int, nombre);
        QCOMPARE(compte(calcule(nom).Dons, affiche), nombre);
    }

    // Jets : +2 par don de jet, une seule fois par don même s'il vient de deux sources.
    void jetsDesDons_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("reflexe");
        QTest::addColumn<int>("vigueur");
        QTest::addColumn<int>("volonte");
        QTest::newRow("vigueur surhumaine et volonté de fer") << "Brok" << 0 << 2 << 2;
        QTest::newRow("domaine des drows") << "Fortune" << 2 << 0 << 0;
        QTest::newRow("aucun") << "Hal" << 0 << 0 << 0;
    }

    void jetsDesDons()
    {
        QFETCH(QString, nom);
        QFETCH(int, reflexe);
        QFETCH(int, vigueur);
        QFETCH(int, volonte);
        const Fiche f = calcule(nom);
        QCOMPARE(int(f.Jets[0].Don), reflexe);
        QCOMPARE(int(f.Jets[1].Don), vigueur);
        QCOMPARE(int(f.Jets[2].Don), volonte);
        // Le total compte le don : base + don + carac + race + divers.
        for (const JetFiche& j : f.Jets)
            QCOMPARE(int(j.Final), int(j.Base) + int(j.Don) + int(j.Carac) + int(j.Race) + int(j.Divers));
    }

    // Forme animale : du loup ne restent que ses dons d'un genre connu et ses attaques spéciales
    // extraordinaires (croc-en-jambe) ; vision nocturne et odorat sont des qualités spéciales.
    void formeAnimale()
    {
        SaisiesFiche s;
        LigneCapacite loup;
        loup.Libelle = "Transformation animale [Loup]";
        loup.Nom = "Transformation animale";
        loup.Personnage = "Sylve";
        s.Capacites = {loup};
        const Fiche f = calcule("Sylve", s);
        const LigneDon* d = trouve(f.Dons, "Croc-en-jambe", "Transformation animale");
        QVERIFY(d);
        QCOMPARE(d->Octroi, QString("Don de transformation"));
        QCOMPARE(compte(f.Dons, "Odorat"), 0);
        QCOMPARE(compte(f.Dons, "Vision nocturne"), 0);
        // La ligne d'un autre personnage ne transforme personne.
        s.Capacites[0].Personnage = "Talis";
        QCOMPARE(compte(calcule("Sylve", s).Dons, "Croc-en-jambe"), 0);
    }

    // Dons d'objet : un don qui ne se prend qu'une fois n'est pas répété ; un don multiple l'est ;
    // les dons d'arme montrent la spécialité de l'entrée.
    void donsDObjets_data()
    {
        QTest::addColumn<QString>("don");
        QTest::addColumn<QString>("specialite");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<int>("nombre");
        QTest::newRow("déjà choisi, unique") << "Attaque en puissance" << "" << "Attaque en puissance" << 1;
        QTest::newRow("nouveau") << "Vigilance" << "" << "Vigilance" << 1;
        QTest::newRow("multiple") << "Robustesse" << "" << "Robustesse" << 2;
        QTest::newRow("arme, spécialité") << "Science du critique" << "Hachette" << "Science du critique [Hachette]" << 1;
        QTest::newRow("sans spécialité montrée") << "Vigilance" << "Hachette" << "Vigilance" << 1;
        QTest::newRow("inconnu des règles") << "Don imaginaire" << "" << "Don imaginaire" << 0;
    }

    void donsDObjets()
    {
        QFETCH(QString, don);
        QFETCH(QString, specialite);
        QFETCH(QString, affiche);
        QFETCH(int, nombre);
        Fiche f = calcule("Hal");
        ListeBonus bonus;
        AjouteBonus(bonus, "Anneau", "Bonus Don", don, specialite, "1");
        // Robustesse, don multiple, donnée par deux objets.
        if (don == u"Robustesse")
            AjouteBonus(bonus, "Amulette", "Bonus Don", don, "", "1");
        const QVector<LigneDon> dons = ListeDon({*m_perso, *m_programme, f.Personnage, bonus, {}, {}});
        QCOMPARE(compte(dons, affiche), nombre);
        if (nombre > 0 && don != u"Attaque en puissance")
            QCOMPARE(std::find_if(dons.cbegin(), dons.cend(), [&](const LigneDon& d) { return d.Affiche == affiche; })->Octroi,
                     QString("Don d'objet"));
    }

    void existInDonPerso_data()
    {
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<bool>("trouve");
        QTest::newRow("casse") << QStringList{"Vigilance", "Amicale"} << "AMICALE" << true;
        QTest::newRow("ordre inverse") << QStringList{"Amicale", "Vigilance", "Esquive"} << "amicale" << true;
        QTest::newRow("spécialité ignorée") << QStringList{"Arme de prédilection"} << "Arme de prédilection" << true;
        QTest::newRow("absent") << QStringList{"Vigilance"} << "Amicale" << false;
        QTest::newRow("accent compte") << QStringList{"Enchaînement"} << "Enchainement" << false;
        QTest::newRow("liste vide") << QStringList{} << "Amicale" << false;
    }

    void existInDonPerso()
    {
        QFETCH(QStringList, dons);
        QFETCH(QString, cherche);
        QFETCH(bool, trouve);
        QVector<LigneDon> liste;
        for (const QString& n : dons)
            liste << donTest(n, n == u"Arme de prédilection" ? "Dague" : "");
        QCOMPARE(ExistInDonPerso(liste, cherche), trouve);
    }

    void chercheDonGrille_data()
    {
        QTest::addColumn<QString>("cherche");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<int>("ligne");
        // Liste : Vigilance, Talent [Escalade], Talent [Natation], Sang d'aberration [Mains palmées].
        QTest::newRow("don simple") << "vigilance" << "Détection" << 0;
        QTest::newRow("talent de la compétence") << "Talent" << "Natation" << 2;
        QTest::newRow("talent d'une autre") << "Talent" << "Saut" << -1;
        QTest::newRow("mutation de la natation") << "Sang d'aberration" << "Natation" << 3;
        QTest::newRow("mutation d'une autre compétence") << "Sang d'aberration" << "Escalade" << -1;
        QTest::newRow("compétence sans mutation") << "Sang d'aberration" << "Saut" << -1;
        QTest::newRow("absent") << "Esquive" << "Saut" << -1;
    }

    void chercheDonGrille()
    {
        QFETCH(QString, cherche);
        QFETCH(QString, competence);
        QFETCH(int, ligne);
        const QVector<LigneDon> liste{donTest("Vigilance"), donTest("Talent", "Escalade"), donTest("Talent", "Natation"),
                                      donTest("Sang d'aberration", "Mains palmées")};
        QCOMPARE(ChercheDonGrille(liste, cherche, competence), ligne);
    }

    void testSpecialisationDomaine_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("resultat");
        QTest::newRow("domaine après une espace") << "Sort de Destin" << 2;
        QTest::newRow("second domaine") << "Prêtre Drows" << 2;
        QTest::newRow("sans espace") << "Destin" << 0;
        QTest::newRow("autre domaine") << "Sort de Guerre" << 0;
    }

    void testSpecialisationDomaine()
    {
        QFETCH(QString, texte);
        QFETCH(int, resultat);
        TypePersonnage p;
        p.Domaine_1 = "Destin";
        p.Domaine_3 = "Drows";   // une case vide entre les deux
        QCOMPARE(TestSpecialisationDomaine(p, texte), resultat);
    }

    // Le bouton bascule : cacher puis montrer rend toutes les lignes visibles.
    void boutonCacher()
    {
        Fiche f = calcule("Ulf");
        QCOMPARE(f.LegendeBoutonDons, QString(kMontrerDons));
        QVERIFY(std::any_of(f.Dons.cbegin(), f.Dons.cend(), [](const LigneDon& d) { return d.Cachee; }));
        QCOMPARE(BasculeDonsProgression(f.Dons, f.LegendeBoutonDons), QString(kCacherDons));
        QVERIFY(std::none_of(f.Dons.cbegin(), f.Dons.cend(), [](const LigneDon& d) { return d.Cachee; }));
        QCOMPARE(BasculeDonsProgression(f.Dons, QString(kCacherDons)), QString(kMontrerDons));
        QCOMPARE(std::count_if(f.Dons.cbegin(), f.Dons.cend(), [](const LigneDon& d) { return d.Cachee; }), 1);
    }

    // Armes en main, sur une copie des règles où existent "Polyvalence à deux armes" et "Lancer critique".
    void armesEnMain()
    {
        const QString chemin = m_dossier.chemin("regles-armes.db");
        QVERIFY(QFile::copy(m_programme->chemin(), chemin));
        auto regles = BaseDonnees::ouvre(chemin);
        for (const char* n : {"Polyvalence à deux armes", "Lancer critique"})
            regles->ajoute("Dons", {{"Nom", QString::fromUtf8(n)}, {"Genre", "Guerrier"}, {"Multiple", false}});
        ajoutePersonnageFiche(*m_perso, "Jongleur", niveaux("Guerrier", 2), {{"RACE", "Humain"}});
        choisit(*m_perso, "Jongleur", "Guerrier", 1, "Polyvalence à deux armes");
        choisit(*m_perso, "Jongleur", "Guerrier", 1, "Lancer critique");
        choisit(*m_perso, "Jongleur", "Guerrier", 2, "Arme de prédilection", "Epée courte");
        choisit(*m_perso, "Jongleur", "Guerrier", 2, "Arme de prédilection", "Hache de lancer");
        choisit(*m_perso, "Jongleur", "Guerrier", 2, "Arme de prédilection", "Arc Long");
        m_perso->ajoute("Equipement", {{"Personnage", "Jongleur"}, {"NomObjet", "Épée courte"}, {"Place", 0}, {"Pos", 1}});
        m_perso->ajoute("Equipement", {{"Personnage", "Jongleur"}, {"NomObjet", "Hachette"}, {"Place", 2}, {"Pos", 2}});

        TypePersonnage p;
        p.Nom = "Jongleur";
        p.RACE = "Humain";
        p.Classe_1 = "Guerrier";
        p.Niv_1 = 2;
        const ArmesEnMain armes = ArmesTenues(*m_perso, "Jongleur");
        QCOMPARE(armes.principale, QString("Épée courte"));
        QCOMPARE(armes.secondaire, QString("Hachette"));
        const QVector<LigneDon> dons = ListeDon({*m_perso, *regles, p, {}, {}, armes});
        // L'arme de prédilection de l'épée courte vaut aussi pour la hachette de l'autre main.
        QCOMPARE(compte(dons, "Arme de prédilection [Hachette]"), 1);
        QCOMPARE(compte(dons, "Arme de prédilection [Epée courte]"), 1);
        // Lancer critique : science du critique pour l'arme de jet, pas pour l'arc.
        QCOMPARE(compte(dons, "Science du critique [Hache de lancer]"), 1);
        QCOMPARE(compte(dons, "Science du critique [Arc Long]"), 0);
        QCOMPARE(compte(dons, "Science du critique [Epée courte]"), 0);

        // Une seule main armée : pas de copie.
        const QVector<LigneDon> uneMain = ListeDon({*m_perso, *regles, p, {}, {}, {armes.principale, QString()}});
        QCOMPARE(compte(uneMain, "Arme de prédilection [Hachette]"), 0);
    }
};

QTEST_GUILESS_MAIN(TestListeDon)
#include "test_liste_don.moc"

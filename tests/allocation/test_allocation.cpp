// Affectation d'un niveau sur les règles livrées : budget, compétences, dons, conditions, fiche.
// Valeurs attendues tirées des règles 3.5 (points de classe, Intelligence, quadruple au niveau 1).
#include "sheet/FixturesFiche.h"
#include "allocation/Allocation.h"
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "sheet/ListeDon.h"

#include <QtTest>

namespace {

// Personnage édité : race, archétype, une ligne par classe, Intelligence de départ.
PersonnageEdite edite(const QString& race, const QStringList& classes, int intelligence, const QString& archetype = {})
{
    PersonnageEdite p;
    p.nom = "Essai";
    p.race = race;
    p.identite.insert("Archetype", archetype);
    QHash<QString, int> parClasse;
    for (const QString& c : classes) {
        NiveauEdite n;
        n.classe = c;
        n.niveau = QString::number(++parClasse[c]);
        n.pv = "1";
        n.caracs.fill("0");
        p.niveaux.append(n);
    }
    for (QString& c : p.niveaux[0].caracs)
        c = "10";
    p.niveaux[0].caracs[3] = QString::number(intelligence);
    return p;
}

// Dons de la fiche "Nom@niveau".
QVector<LigneDon> donsFiche(const QStringList& dons)
{
    QVector<LigneDon> liste;
    for (const QString& d : dons) {
        LigneDon l = donTest(d.section(u'@', 0, 0));
        l.Niveau = Entier16(d.section(u'@', 1, 1).toInt());
        liste.append(l);
    }
    return liste;
}

int ligneNommee(const QVector<LigneAllocation>& lignes, const QString& nom)
{
    for (int i = 0; i < lignes.size(); ++i)
        if (lignes.at(i).NomRegle == nom)
            return i;
    return -1;
}

int indice(const GrilleDons& g, const QString& affiche)
{
    for (int i = 0; i < g.size(); ++i)
        if (g.at(i).Affiche == affiche)
            return i;
    return -1;
}

// Cas d'essai du budget et des statuts : ce qui n'est pas dit reste par défaut.
struct CasBudget
{
    const char* race = "Nain";
    const char* archetype = "";
    QStringList classes{"Guerrier", "Guerrier"};
    int intelligence = 10;
    QStringList modifs{};   // "ligne:Int:modifInt" depuis 0
    QStringList dons{};
    bool sansIntelligence = false;
};

struct CasStatut
{
    const char* race = "Humain";
    QStringList classes{"Guerrier"};
    const char* champ = "";   // champ d'identité "Nom=valeur"
    QStringList dons{};
};

} // namespace

Q_DECLARE_METATYPE(CasBudget)
Q_DECLARE_METATYPE(CasStatut)

class TestAllocation : public TestFicheBase
{
    Q_OBJECT

    Allocation charge(const PersonnageEdite& p, int ligne)
    {
        Allocation a;
        const QString refus = ChargeAllocation({*m_perso, *m_programme, p, ligne, dossierProgramme()}, a);
        if (!refus.isEmpty())
            qWarning("%s", qPrintable(refus));
        return a;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Copie des règles livrées, complétée de dons à choix qu'elles n'ont pas.
        if (!ouvreBases(true))
            QSKIP("tessarys.db n'est pas construite");
        for (const char* don : {"Disciple profane", "Domaine de prédilection", "Sang d'aberration"})
            m_programme->ajoute("Dons", {{"Nom", QString::fromUtf8(don)}, {"Genre", "Général"},
                                                         {"prive", false}, {"Multiple", false}, {"liearme", false}});
    }

    void controles_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<int>("intelligence");
        QTest::addColumn<QString>("niveauDansClasse");   // du dernier niveau
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fauteAuNiveau2");
        // Race vide et classe inconnue : TestFrmDonsComp::chargementRefuse.
        const QStringList guerrier{"Guerrier", "Guerrier"};
        QTest::newRow("race inconnue") << "Hobbit" << guerrier << 10 << "2" << kMessageRaceAbsente << false;
        QTest::newRow("sans intelligence") << "Nain" << guerrier << 0 << "2" << kMessageIntelligenceAbsente << false;
        QTest::newRow("classe vide") << "Nain" << QStringList{"Guerrier", ""} << 10 << "1" << kMessageClasseAbsente << true;
        QTest::newRow("niveau nul") << "Nain" << guerrier << 10 << "0" << kMessageNiveauAbsent << true;
        QTest::newRow("tout va") << "Nain" << guerrier << 10 << "2" << "" << false;
    }
    void controles()
    {
        QFETCH(QString, race);
        QFETCH(QStringList, classes);
        QFETCH(int, intelligence);
        QFETCH(QString, niveauDansClasse);
        QFETCH(bool, fauteAuNiveau2);
        PersonnageEdite p = edite(race, classes, intelligence);
        p.niveaux.last().niveau = niveauDansClasse;
        QTEST(ControleChargement(*m_programme, p, int(p.niveaux.size()) - 1), "message");
        // Une ligne de niveau fautive au-delà du niveau affecté ne compte pas.
        if (fauteAuNiveau2)
            QCOMPARE(ControleChargement(*m_programme, p, 0), QString());
    }

    void budget_data()
    {
        QTest::addColumn<CasBudget>("c");
        QTest::addColumn<int>("attendu");
        const auto cas = [](const char* nom, const CasBudget& c, int attendu) { QTest::newRow(nom) << c << attendu; };
        const QStringList g1{"Guerrier"};
        const QStringList g3{"Guerrier", "Guerrier", "Guerrier"};
        // Guerrier 2 points ; Int 8 : -1 ; max(1, 1) x 4.
        cas("niveau 1, Int -1", {.classes = g1, .intelligence = 8}, 4);
        cas("au moins 1", {.classes = g1, .intelligence = 3}, 4);
        cas("humain +1 par niveau", {.race = "Humain"}, 12 + 3);
        cas("Int 14, trois niveaux", {.race = "Elfe", .classes = {"Magicien", "Magicien", "Magicien"}, .intelligence = 14},
            16 + 4 + 4);
        cas("Int +1 au niveau 2", {.classes = g3, .intelligence = 11, .modifs = {"1:1:0"}}, 8 + 3 + 3);
        cas("modifInt du niveau 2", {.modifs = {"1:0:2"}}, 8 + 3);
        cas("Zombi", {.archetype = "Zombi", .classes = g3}, 0);
        cas("Squelette", {.archetype = "Squelette", .classes = g1}, 0);
        cas("Intelligence -", {.sansIntelligence = true}, 0);
        cas("demi-céleste, type de créature", {.archetype = "Demi-céleste", .classes = {"Humanoïde"}}, 32);
        cas("demi-dragon, type de créature", {.archetype = "Demi-dragon", .classes = {"Humanoïde"}}, 24);
        cas("demi-dragon, classe", {.archetype = "Demi-dragon", .classes = g1}, 8);
        cas("point supplémentaire", {.dons = {"Point de compétence supplémentaire@1"}}, 12 + 3);
        cas("ouvert d'esprit", {.dons = {"Ouvert d'esprit@2"}}, 8 + 2 + 5);
        cas("skill tricks", {.dons = {"Skill tricks@2", "Skill tricks@2"}}, 8 + 2 - 4);
        cas("baiser de la nymphe", {.classes = g3, .dons = {"Baiser de la nymphe@2"}}, 8 + 2 + 2 + 1 + 1);
        cas("don d'un niveau plus haut", {.dons = {"Ouvert d'esprit@3"}}, 8 + 2);
    }
    void budget()
    {
        QFETCH(CasBudget, c);
        PersonnageEdite p = edite(c.race, c.classes, c.intelligence, c.archetype);
        for (const QString& m : c.modifs) {
            const QStringList v = m.split(u':');
            p.niveaux[v.at(0).toInt()].caracs[3] = v.at(1);
            p.niveaux[v.at(0).toInt()].modifInt = v.at(2);
        }
        Fiche fiche;
        fiche.Dons = donsFiche(c.dons);
        if (c.sansIntelligence)
            fiche.Caracteristiques[3].Total = "-";
        QTEST(BudgetCompetences(*m_programme, p, int(p.niveaux.size()), fiche), "attendu");
    }

    void statuts_data()
    {
        QTest::addColumn<CasStatut>("c");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<int>("statut");
        const auto cas = [](const char* nom, const char* competence, const char* affiche, StatutCompetence statut,
                            const CasStatut& c = {}) {
            QTest::newRow(nom) << c << competence << affiche << int(statut);
        };
        const auto vert = StatutCompetence::Classe, orange = StatutCompetence::AutreClasse,
                   bleu = StatutCompetence::HorsClasse;
        cas("de classe", "Escalade", "Escalade (classe)", vert);
        cas("hors classe", "Bluff", "Bluff", bleu);
        cas("classe prise avant", "Bluff", "Bluff", orange, {.classes = {"Roublard", "Guerrier"}});
        cas("classe prise après", "Bluff", "Bluff", bleu, {.classes = {"Guerrier"}});
        cas("totem rouge", "Estimation", "Estimation (Totem)", vert, {.champ = "DragonTotem=Rouge"});
        cas("totem d'une autre couleur", "Estimation", "Estimation", bleu, {.champ = "DragonTotem=Or"});
        cas("race naine", "Estimation", "Estimation (race)", vert, {.race = "Nain"});
        cas("race", "Détection", "Détection (race)", vert, {.race = "Aasimar"});
        cas("domaine Duperie", "Bluff", "Bluff (Domaine)", vert, {.classes = {"Prêtre"}, .champ = "Domaine_2=Duperie"});
        cas("domaine Voyage", "Survie", "Survie (Domaine)", vert, {.classes = {"Prêtre"}, .champ = "Domaine_1=Voyage"});
        cas("domaine sans prêtre", "Survie", "Survie", bleu, {.champ = "Domaine_1=Voyage"});
        cas("domaine Connaissance", "Connaissances (local)", "Connaissances (local) (Domaine)", vert,
            {.classes = {"Prêtre"}, .champ = "Domaine_1=Connaissance"});
        cas("prédilection, 1er niveau", "Fouille", "Fouille (Elfe)", vert,
            {.classes = {"Magicien"}, .dons = {"Magie Généraliste@1"}});
        cas("prédilection, ensuite", "Fouille", "Fouille (Elfe)", orange,
            {.classes = {"Magicien", "Magicien"}, .dons = {"Magie Généraliste@1"}});
        cas("haches", "Connaissances (explo souterre)", "Connaissances (explo souterre) (Nain)", vert,
            {.dons = {"Prédilection pour les haches@1"}});
        cas("compétence sociale", "Diplomatie", "Diplomatie (Enchanteur)", vert,
            {.classes = {"Magicien"}, .dons = {"Compétence sociale@1"}});
    }
    void statuts()
    {
        QFETCH(CasStatut, c);
        PersonnageEdite p = edite(c.race, c.classes, 10);
        if (*c.champ)
            p.identite.insert(QString::fromUtf8(c.champ).section(u'=', 0, 0), QString::fromUtf8(c.champ).section(u'=', 1));
        const auto lignes = LignesCompetences({*m_programme, p, int(p.niveaux.size()), donsFiche(c.dons)});
        QFETCH(QString, competence);
        const int i = ligneNommee(lignes, competence);
        QVERIFY(i >= 0);
        QTEST(lignes.at(i).Affiche, "affiche");
        QTEST(int(lignes.at(i).Statut), "statut");
        QVERIFY(lignes.at(i).Active);
    }

    // Une compétence interdite à la classe ne se monte pas ; une classe sans colonne est signalée.
    void tableCompetence()
    {
        m_programme->execute("update Competence set Guerrier=-1 where Nom='Langues'");
        m_programme->ajoute("Classe", {{"Classe", "Jongleur"}, {"CompetenceNiveauSupp", 4}});
        Allocation a = charge(edite("Humain", {"Guerrier"}, 10), 0);
        const int langues = ligneNommee(a.Competences.Lignes, "Langues");
        QVERIFY(!a.Competences.Lignes.at(langues).Active);
        QVERIFY(!a.Competences.SpinUp(langues));
        QVERIFY(!a.TableMalParametree);
        a = charge(edite("Humain", {"Jongleur"}, 10), 0);
        QVERIFY(a.TableMalParametree);
        QCOMPARE(a.Competences.ARepartir, (4 + 1) * 4);
        m_programme->execute("update Competence set Guerrier=0 where Nom='Langues'");
    }

    // Niveau 4 (roublard après trois niveaux de guerrier) : maximum 7 rangs de classe, 3 hors classe.
    void maximumsEtCouts_data()
    {
        QTest::addColumn<QString>("competence");
        QTest::addColumn<bool>("ableLearner");
        QTest::addColumn<int>("rangsMax");
        QTest::addColumn<int>("coutRang");
        QTest::newRow("de classe") << "Escalade" << false << 7 << 1;
        QTest::newRow("d'une classe d'avant") << "Dressage" << false << 7 << 2;
        QTest::newRow("hors classe") << "Concentration" << false << 3 << 2;
        QTest::newRow("d'avant, able learner") << "Dressage" << true << 7 << 1;
        QTest::newRow("hors classe, able learner") << "Concentration" << true << 3 << 1;
    }
    void maximumsEtCouts()
    {
        QFETCH(QString, competence);
        QFETCH(bool, ableLearner);
        QFETCH(int, rangsMax);
        QFETCH(int, coutRang);
        PersonnageEdite p = edite("Humain", {"Guerrier", "Guerrier", "Guerrier", "Roublard"}, 10);
        const QVector<LigneDon> fiche = donsFiche(ableLearner ? QStringList{"Able learner@1"} : QStringList{});
        AllocationCompetences c;
        c.Niveau = 4;
        c.Lignes = LignesCompetences({*m_programme, p, 4, fiche});
        c.PointDouble = PointDouble(fiche);
        c.ARepartir = BudgetCompetences(*m_programme, p, 4, Fiche{}) - PointsDepensesAvant(p, 4);
        const int i = ligneNommee(c.Lignes, competence);
        while (c.SpinUp(i)) {
        }
        QCOMPARE(c.Lignes.at(i).RangsNiveau, rangsMax);
        QCOMPARE(c.depense(), rangsMax * coutRang);
        QCOMPARE(c.ChaineAchats(), QStringLiteral("%1-%2-%3|").arg(c.Lignes.at(i).Numero).arg(rangsMax * coutRang).arg(rangsMax));
        // Le budget borne aussi : sans point restant, plus aucun rang.
        c.ARepartir = c.depense();
        c.SpinDown(i);
        QVERIFY(c.restant() == coutRang && c.CanUp(i));
        c.ARepartir -= 1;
        QVERIFY(!c.CanUp(i));
    }

    // Rouvrir un niveau montre ses achats ; les niveaux d'avant vont dans la colonne des rangs acquis.
    void reouverture()
    {
        PersonnageEdite p = edite("Humain", {"Roublard", "Roublard", "Roublard"}, 10);
        p.niveaux[0].competence = "6-4-4|30-4-4|";
        p.niveaux[1].competence = "6-1-1|24-2-2|";
        p.niveaux[2].competence = "6-1-1|";
        const Allocation a = charge(p, 1);
        QStringList rangs;   // avant + ce niveau
        for (const char* nom : {"Bluff", "Détection", "Escalade"}) {
            const LigneAllocation& l = a.Competences.Lignes.at(ligneNommee(a.Competences.Lignes, QString::fromUtf8(nom)));
            rangs << QStringLiteral("%1+%2").arg(l.RangsAvant).arg(l.RangsNiveau);
        }
        QCOMPARE(rangs, (QStringList{"4+1", "0+2", "4+0"}));
        QCOMPARE(a.Competences.ChaineAchats(), p.niveaux[1].competence);
        // Roublard humain : (8 + 1) x 4 puis 8 + 1 ; 8 points dépensés au niveau 1, 3 à celui-ci.
        QCOMPARE(a.Competences.restant(), (8 + 1) * 4 + (8 + 1) - 8 - 3);
        // Ce qui reste d'un niveau passe au suivant.
        QCOMPARE(charge(p, 2).Competences.ARepartir, (8 + 1) * 4 + 2 * (8 + 1) - 8 - 3);
    }

    void donsPossibles_data()
    {
        QTest::addColumn<QString>("don");
        QTest::addColumn<QString>("requeteChoix");   // une ligne par choix ; vide : aucun choix
        QTest::addColumn<int>("attendus");           // sans requête
        QTest::newRow("talent") << "Talent" << "select nom from Competence" << 0;
        QTest::newRow("sang d'aberration") << "Sang d'aberration" << "select nom from Aberration" << 0;
        QTest::newRow("disciple profane") << "Disciple profane" << "" << 36;
        QTest::newRow("force surhumaine, numérotée") << "Force surhumaine" << "" << 10;
        QTest::newRow("arme de prédilection, une par groupe porté") << "Arme de prédilection" << "" << 2;
        QTest::newRow("don privé") << "Ennemi juré" << "" << 0;
        QTest::newRow("don simple") << "Attaque en puissance" << "" << 1;
        QTest::newRow("domaine de prédilection, deux domaines") << "Domaine de prédilection" << "" << 2;
    }
    void donsPossibles()
    {
        QFETCH(QString, don);
        QFETCH(QString, requeteChoix);
        QFETCH(int, attendus);
        if (!requeteChoix.isEmpty())
            attendus = int(m_programme->selectionne(requeteChoix).size());
        PersonnageEdite p = edite("Humain", {"Guerrier"}, 10);
        for (const char* arme : {"Épée à deux mains", "Épée à deux mains +1", "Arc long"})
            p.objets.append({QString::fromUtf8(arme), {}, {}, {}, {}, true});
        p.identite.insert("Domaine_1", "Chance");
        p.identite.insert("Domaine_3", "Guerre");
        const Allocation a = charge(p, 0);
        const int n = int(std::count_if(a.Possibles.cbegin(), a.Possibles.cend(),
                                        [&](const LigneChoixDon& d) { return d.Nom == don; }));
        QCOMPARE(n, attendus);
        QVERIFY(std::is_sorted(a.Possibles.cbegin(), a.Possibles.cend(), [](const auto& x, const auto& y) {
            return QString::compare(x.Affiche, y.Affiche, Qt::CaseInsensitive) < 0;
        }));
    }

    // Ajouter, ajouter deux fois, enlever : seuls les dons de ce niveau bougent ; dix par niveau écrits.
    void ajoutEtRetrait()
    {
        PersonnageEdite p = edite("Humain", {"Guerrier", "Guerrier"}, 10);
        p.niveaux[0].dons[0] = "Esquive";
        Allocation a = charge(p, 1);
        QVERIFY(ExistInDon("esquive", {}, a.Pris));
        QVERIFY(!ExistInDon("Esquive", {}, a.Possibles));
        // Un don simple quitte vs2 ; il ne peut revenir une seconde fois.
        const int puissance = indice(a.Possibles, "Attaque en puissance");
        QVERIFY(AjouteDon(*m_programme, puissance, 2, a.Pris, a.Possibles));
        QCOMPARE(indice(a.Possibles, "Attaque en puissance"), -1);
        a.Possibles.append(a.Pris.last());
        QVERIFY(!AjouteDon(*m_programme, int(a.Possibles.size()) - 1, 2, a.Pris, a.Possibles));
        a.Possibles.removeLast();
        // Un don Multiple reste dans vs2.
        QVERIFY(AjouteDon(*m_programme, indice(a.Possibles, "Force surhumaine [1]"), 2, a.Pris, a.Possibles));
        QVERIFY(indice(a.Possibles, "Force surhumaine [1]") >= 0);
        QVERIFY(EnleveDon(indice(a.Pris, "Force surhumaine [1]"), 2, a.Pris, a.Possibles));
        // Le don du niveau 1 reste ; celui du niveau 2 retourne dans vs2.
        QVERIFY(!EnleveDon(indice(a.Pris, "Esquive"), 2, a.Pris, a.Possibles));
        QVERIFY(EnleveDon(indice(a.Pris, "Attaque en puissance"), 2, a.Pris, a.Possibles));
        QVERIFY(indice(a.Possibles, "Attaque en puissance") >= 0);

        // Onze dons au niveau 2 : dix sont écrits, dans l'ordre de vs1, et le don du niveau 1 n'y est pas.
        for (int k = 0; k < 11; ++k)
            QVERIFY(AjouteDon(*m_programme, indice(a.Possibles, QStringLiteral("Talent [%1]").arg(a.Competences.Lignes.at(k).NomRegle)), 2,
                              a.Pris, a.Possibles));
        const NiveauEdite ecrit = NiveauAffecte(a, p.niveaux[1]);
        QStringList attendues;
        for (int k = 0; k < 10; ++k)
            attendues << a.Competences.Lignes.at(k).NomRegle;
        QCOMPARE(QStringList(ecrit.precisions.cbegin(), ecrit.precisions.cend()), attendues);
        QCOMPARE(QStringList(ecrit.dons.cbegin(), ecrit.dons.cend()), QStringList(10, "Talent"));
    }

    void conditions_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("manque");
        QTest::newRow("remplie") << "Dex 13, Esquive." << "";
        QTest::newRow("caractéristique") << "For 13, Attaque en puissance." << "For 13 (12) ; Attaque en puissance";
        QTest::newRow("caractéristique absente") << "Con 13." << "Con 13 (-)";
        QTest::newRow("attaque") << "Int 13, bonus de base à l'attaque +6." << "bonus de base à l'attaque +6 (+4)";
        QTest::newRow("degrés") << "Art de la magie 25 degrés, Dex 13." << "Art de la magie 25 degrés (3)";
        QTest::newRow("degrés d'une variante") << "Représentation 4 degrés." << "";
        QTest::newRow("niveau de classe") << "Magicien niveau 1." << "Magicien niveau 1 (0)";
        QTest::newRow("niveau atteint") << "guerrier niveau 4." << "";
        // Chaque seuil tout juste atteint suffit : For 12, attaque +4, 3 degrés.
        QTest::newRow("caractéristique au seuil") << "For 12." << "";
        QTest::newRow("attaque au seuil") << "bonus de base à l'attaque +4." << "";
        QTest::newRow("degrés au seuil") << "Art de la magie 3 degrés." << "";
        QTest::newRow("non reconnu") << "Taille TG ou plus, capacité à lancer des sorts de niveau 9." << "";
    }
    void conditions()
    {
        QFETCH(QString, condition);
        const ProfilConditions p{{"12", "14", "-", "16", "10", "8"}, 4, true,
                                 {{"ART DE LA MAGIE", 3}, {"REPRÉSENTATION (CHANT)", 5}, {"REPRÉSENTATION (DANSE)", 0}},
                                 {{"GUERRIER", 4}}, {"GUERRIER", "MAGICIEN"}, {"ESQUIVE"}, {"ESQUIVE", "ATTAQUE EN PUISSANCE"}};
        QTEST(ConditionNonRemplie(condition, p), "manque");
    }

    // Compétences et dons affectés niveau par niveau, enregistrés par l'éditeur : la fiche les montre.
    void allerRetourFiche()
    {
        ajoutePersonnageFiche(*m_perso, "Ombeline", {{"Roublard", 6, {10, 16, 12, 14, 10, 12}}, {"Roublard", 4}},
                              {{"RACE", "Humain"}});
        PersonnageEdite p;
        QVERIFY(chargePersonnage(*m_perso, "Ombeline", p));
        const QStringList races = racesEditeur(*m_programme);
        const struct { int ligne; const char* competence; int rangs; const char* don; } etapes[] = {
            {0, "Bluff", 4, "Esquive"}, {0, "Concentration", 2, nullptr}, {1, "Bluff", 1, "Attaque en puissance"}};
        for (const auto& e : etapes) {
            Allocation a = charge(p, e.ligne);
            const int i = ligneNommee(a.Competences.Lignes, QString::fromUtf8(e.competence));
            for (int k = 0; k < e.rangs; ++k)
                QVERIFY(a.Competences.SpinUp(i));
            if (e.don)
                QVERIFY(AjouteDon(*m_programme, indice(a.Possibles, QString::fromUtf8(e.don)), e.ligne + 1, a.Pris, a.Possibles));
            p.niveaux[e.ligne] = NiveauAffecte(a, p.niveaux[e.ligne]);
            QVERIFY(!Enregistre(*m_perso, *m_programme, p, races));
        }
        const Fiche f = calculeFiche(*m_perso, *m_programme, "Ombeline");
        QStringList rangs;
        for (const LigneCompetence& l : f.Competences)
            if (int(l.Rangs) > 0)
                rangs << l.NomRegle + ' ' + QString::number(int(l.Rangs));
        QCOMPARE(rangs, (QStringList{"Bluff 5", "Concentration 2"}));
        QVERIFY(ExistInDonPerso(f.Dons, "Esquive"));
        QVERIFY(ExistInDonPerso(f.Dons, "Attaque en puissance"));
    }
};

QTEST_GUILESS_MAIN(TestAllocation)
#include "test_allocation.moc"

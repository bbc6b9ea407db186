// Capacités spéciales : catalogue de ce que le personnage peut prendre, recherche dans les
// capacités prises, boutons Ajouter / Enlever et saisie du niveau, sur les règles livrées.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/ExportFiche.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
#include <optional>

namespace {

LigneCapacite ligne(const QString& nom, const QString& personnage, const QString& libelle = QString())
{
    LigneCapacite l;
    l.Nom = nom;
    l.Libelle = libelle.isEmpty() ? nom : libelle;
    l.Personnage = personnage;
    return l;
}

// Copie de la ligne : la fiche qui la tient est souvent un temporaire.
std::optional<LigneCapacite> trouve(const ListeCapacitesPerso& lignes, const QString& libelle)
{
    for (const LigneCapacite& l : lignes)
        if (l.Libelle == libelle)
            return l;
    return std::nullopt;
}

} // namespace

class TestListeCapacite : public TestFicheBase
{
    Q_OBJECT

    Fiche calcule(const QString& nom, const ListeCapacitesPerso& prises = {})
    {
        SaisiesFiche s;
        s.Capacites = prises;
        return calculeFiche(*m_perso, *m_programme, nom, s);
    }

    int equipements(const QString& personnage, const QString& objet)
    {
        return m_perso->scalaire("select count(*) from Equipement where Personnage=? and NomObjet=?", {personnage, objet})
            .toInt();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Les règles livrées n'ont aucune capacité liée à une arme : une ajoutée à la copie.
        if (!ouvreBases(true))
            QSKIP("tessarys.db n'est pas construite");
        m_programme->ajoute("CapaciteSort", {{"Nom", "Arme liée"}, {"Type", "Activable"}, {"Genre", "Capacité de classe"},
                                             {"Categorie", "Capacité de classe"}, {"Index", 999}, {"liearme", true},
                                             {"min", 1}, {"max", 20}, {"Classe", "Guerrier"}});
        ajouteClasseRegles(*m_programme, "Combattant de la nature");
        BaseDonnees& p = *m_perso;
        ajoutePersonnageFiche(p, "Hal", niveaux("Guerrier", 1), {{"RACE", "Humain"}});
        p.ajoute("PersonnageDons", {{"Nom", "Hal"}, {"Classe", "Guerrier"}, {"Niveau", 1}, {"dons", "Attaque en puissance"}});
        ajoutePersonnageFiche(p, "Ulf", niveaux("Barbare", 4), {{"RACE", "Demi-orque"}});
        ajoutePersonnageFiche(p, "Lige", niveaux("Guerrier", 2), {{"RACE", "Humain"}});
        equipeTest(p, "Lige", {{"Épée longue", 0}, {"Dague", -1}});
        ajoutePersonnageFiche(p, "Talis", niveaux("Druide", 5), {{"RACE", "Humain"}});
        QVector<NiveauTest> sylve = niveaux("Druide", 5);
        sylve += QVector<NiveauTest>(3, NiveauTest{"Combattant de la nature", 6});
        ajoutePersonnageFiche(p, "Sylve", sylve, {{"RACE", "Humain"}});
        ajoutePersonnageFiche(p, "Pal", niveaux("Paladin", 2), {{"RACE", "Humain"}});
        ajoutePersonnageFiche(p, "Mordred", niveaux("Prêtre", 1), {{"RACE", "Humain"}, {"Domaine_1", "Destruction"}});
    }

    void existInCapacite_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("personnage");
        QTest::addColumn<bool>("trouve");
        QTest::newRow("casse") << "RAGE DE BARBARE" << "Ulf" << true;
        QTest::newRow("premier") << "Attaque en puissance" << "Ulf" << true;
        QTest::newRow("dernier") << "Transformation animale" << "Ulf" << true;
        QTest::newRow("sans personnage") << "Frénésie" << "" << true;
        QTest::newRow("ligne d'un autre") << "Frénésie" << "Ulf" << false;
        QTest::newRow("absente") << "Danse tournante" << "Ulf" << false;
        QTest::newRow("nom du personnage sans casse") << "Rage de barbare" << "ULF" << true;
    }

    void existInCapacite()
    {
        QFETCH(QString, nom);
        QFETCH(QString, personnage);
        QFETCH(bool, trouve);
        // Ajoutées dans le désordre, puis rangées comme la page les tient.
        ListeCapacitesPerso prises{ligne("Transformation animale", "Ulf", "Transformation animale [Loup]"),
                                   ligne("Rage de barbare", "Ulf"), ligne("Frénésie", "Pip"),
                                   ligne("Bouclier divin", "Ulf"), ligne("Attaque en puissance", "Ulf"),
                                   ligne("Châtiment du mal", "Ulf")};
        RangeCapacites(prises);
        QCOMPARE(ExistInCapacite(prises, nom, personnage), trouve);
    }

    // Lignes du catalogue attendues (ou absentes) selon le personnage.
    void catalogue_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("categorie");
        // Attaque en puissance : au plus le bonus de base à l'attaque, 1 pour un guerrier 1.
        QTest::newRow("attaque en puissance") << "Hal" << "Attaque en puissance" << true << "Don";
        QTest::newRow("pas de rage au guerrier") << "Hal" << "Rage de barbare" << false << "";
        QTest::newRow("rage du barbare") << "Ulf" << "Rage de barbare" << true << "Capacité de classe";
        // Druide 5 : formes petites et moyennes seulement.
        QTest::newRow("druide 5, loup") << "Talis" << "Transformation animale [Loup]" << true << "Capacité de classe";
        QTest::newRow("druide 5, pas d'ours brun") << "Talis" << "Transformation animale [Ours brun]" << false << "";
        QTest::newRow("druide 5, pas de chat") << "Talis" << "Transformation animale [Chat]" << false << "";
        QTest::newRow("druide 5, pas de créature magique") << "Talis" << "Transformation animale [Arachnéa]" << false << "";
        // Trois niveaux de plus : la forme animale grande du niveau 8.
        QTest::newRow("druide 8, ours brun") << "Sylve" << "Transformation animale [Ours brun]" << true
                                             << "Capacité de classe";
        // Capacité liée à une arme : une ligne par arme tenue, aucune sans arme ni pour l'arme du sac.
        QTest::newRow("arme liée") << "Lige" << "Arme liée [Épée longue]" << true << "Capacité de classe";
        QTest::newRow("arme liée, pas au sac") << "Lige" << "Arme liée [Dague]" << false << "";
        QTest::newRow("arme liée sans arme") << "Hal" << "Arme liée" << false << "";
        QTest::newRow("guerrier, pas de forme") << "Hal" << "Transformation animale [Loup]" << false << "";
        QTest::newRow("châtiment du paladin") << "Pal" << "Châtiment du mal" << true << "Capacité de classe";
        QTest::newRow("imposition des mains") << "Pal" << "Imposition des mains" << true << "Capacité de classe";
        QTest::newRow("détection du Mal, pouvoir magique") << "Pal" << "Détection du Mal" << true << "Don";
        QTest::newRow("pas de musique au paladin") << "Pal" << "Musique de barde" << false << "";
        QTest::newRow("domaine du prêtre") << "Mordred" << "Domaine de la destruction" << true << "Domaine";
        QTest::newRow("domaine qu'il n'a pas") << "Mordred" << "Domaine de la mort" << false << "";
    }

    void catalogue()
    {
        QFETCH(QString, nom);
        QFETCH(QString, libelle);
        QFETCH(bool, present);
        QFETCH(QString, categorie);
        const Fiche f = calcule(nom);
        QVERIFY(f.etapeCalculee(34));
        const std::optional<LigneCapacite> l = trouve(f.CatalogueCapacites, libelle);
        QCOMPARE(l.has_value(), present);
        if (l)
            QCOMPARE(l->Categorie, categorie);
    }

    // Valeurs calculées par la table CapaciteSort, attendues des règles 3.5.
    void valeursDuCatalogue()
    {
        const Fiche hal = calcule("Hal");
        QCOMPARE(trouve(hal.CatalogueCapacites, "Attaque en puissance")->Valeur, QString("1"));
        // Imposition des mains : niveau de paladin (à multiplier par le Charisme).
        QCOMPARE(trouve(calcule("Pal").CatalogueCapacites, "Imposition des mains")->Valeur, QString("2"));
        const std::optional<LigneCapacite> loup = trouve(calcule("Talis").CatalogueCapacites, "Transformation animale [Loup]");
        QCOMPARE(loup->Nom, QString("Transformation animale"));
        QCOMPARE(loup->SousCategorie, QString("Transformation"));
    }

    // Une capacité déjà prise par le personnage sort du catalogue ; celle d'un autre n'y fait rien.
    void dejaPrise()
    {
        QVERIFY(trouve(calcule("Ulf", {ligne("Rage de barbare", "Pip")}).CatalogueCapacites, "Rage de barbare"));
        QVERIFY(!trouve(calcule("Ulf", {ligne("Rage de barbare", "Ulf")}).CatalogueCapacites, "Rage de barbare"));
        const Fiche f = calcule("Talis", {ligne("Transformation animale", "Talis", "Transformation animale [Loup]")});
        QVERIFY(!trouve(f.CatalogueCapacites, "Transformation animale [Loup]"));
        QCOMPARE(f.CapacitesPrises.size(), 1);
    }

    // Ajouter une transformation : la ligne est rangée, enregistrée, et les armes naturelles de
    // l'animal rejoignent l'équipement ; l'enlever défait les deux.
    void ajouterEtEnleverUneForme()
    {
        ListeCapacitesPerso prises = ChargeCapacitesPerso(*m_perso, *m_programme, "Talis");
        QVERIFY(prises.isEmpty());
        const std::optional<LigneCapacite> loup = trouve(calcule("Talis").CatalogueCapacites, "Transformation animale [Loup]");
        QVERIFY(loup);
        QCOMPARE(AjouteCapacite(*m_perso, *m_programme, prises, *loup, "Talis"), QString());
        QCOMPARE(prises.size(), 1);
        QCOMPARE(prises[0].Personnage, QString("Talis"));
        QCOMPARE(equipements("Talis", "Morsure"), 1);

        const ListeCapacitesPerso relues = ChargeCapacitesPerso(*m_perso, *m_programme, "Talis");
        QCOMPARE(relues.size(), 1);
        QCOMPARE(relues[0].Libelle, QString("Transformation animale [Loup]"));
        QCOMPARE(relues[0].Nom, QString("Transformation animale"));
        QCOMPARE(relues[0].SousCategorie, QString("Transformation"));
        QCOMPARE(relues[0].Categorie, QString("Capacité de classe"));
        QVERIFY(ChargeCapacitesPerso(*m_perso, *m_programme, "Hal").isEmpty());

        // Deux fois la même : refusée, rien ne change.
        QVERIFY(!AjouteCapacite(*m_perso, *m_programme, prises, *loup, "Talis").isEmpty());
        QCOMPARE(prises.size(), 1);
        QCOMPARE(equipements("Talis", "Morsure"), 1);

        QCOMPARE(EnleveCapacite(*m_perso, *m_programme, prises, 0), QString());
        QVERIFY(prises.isEmpty());
        QCOMPARE(equipements("Talis", "Morsure"), 0);
        QVERIFY(ChargeCapacitesPerso(*m_perso, *m_programme, "Talis").isEmpty());
    }

    // Seules les transformations s'enlèvent ; un choix hors de la liste est refusé.
    void enleverRefuse_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("message");
        QTest::newRow("rage") << 0 << "Vous ne pouvez supprimer que les capacités de Transformation animale.";
        QTest::newRow("rien de choisi") << -1 << "Choisissez d'abord la capacité à enlever.";
        QTest::newRow("au-delà") << 5 << "Choisissez d'abord la capacité à enlever.";
    }

    void enleverRefuse()
    {
        QFETCH(int, indice);
        QFETCH(QString, message);
        ListeCapacitesPerso prises;
        const std::optional<LigneCapacite> rage = trouve(calcule("Ulf").CatalogueCapacites, "Rage de barbare");
        QVERIFY(rage);
        QCOMPARE(AjouteCapacite(*m_perso, *m_programme, prises, *rage, "Ulf"), QString());
        QCOMPARE(EnleveCapacite(*m_perso, *m_programme, prises, indice), message);
        QCOMPARE(prises.size(), 1);
        QCOMPARE(ChargeCapacitesPerso(*m_perso, *m_programme, "Ulf").size(), 1);
        m_perso->execute("delete from Capacites where Personnage='Ulf'");
    }

    // Saisie du niveau : la valeur suit la table CapaciteSort et survit à la relecture.
    void modifierLeNiveau_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<bool>("accepte");
        // Imposition des mains : valeur = niveau de paladin, au moins 2.
        QTest::newRow("niveau 5") << "5" << "5" << true;
        QTest::newRow("niveau 1, minimum") << "1" << "2" << true;
        QTest::newRow("texte") << "cinq" << "2" << false;
        QTest::newRow("négatif") << "-3" << "2" << false;
    }

    void modifierLeNiveau()
    {
        QFETCH(QString, niveau);
        QFETCH(QString, valeur);
        QFETCH(bool, accepte);
        ListeCapacitesPerso prises;
        const std::optional<LigneCapacite> imposition = trouve(calcule("Pal").CatalogueCapacites, "Imposition des mains");
        QVERIFY(imposition);
        QCOMPARE(AjouteCapacite(*m_perso, *m_programme, prises, *imposition, "Pal"), QString());
        QCOMPARE(ModifieNiveauCapacite(*m_perso, *m_programme, prises, 0, niveau).isEmpty(), accepte);
        QCOMPARE(prises[0].Valeur, valeur);
        QCOMPARE(ChargeCapacitesPerso(*m_perso, *m_programme, "Pal").at(0).Valeur, valeur);
        m_perso->execute("delete from Capacites where Personnage='Pal'");
    }

    void json()
    {
        const QJsonObject o = FicheEnJson(calcule("Ulf", {ligne("Rage de barbare", "Ulf")}));
        const QJsonObject capacites = o.value("capacites").toObject();
        QCOMPARE(capacites.value("prises").toArray().size(), 1);
        QCOMPARE(capacites.value("prises").toArray().at(0).toObject().value("capacite").toString(),
                 QString("Rage de barbare"));
        const QJsonArray dons = o.value("dons").toArray();
        QVERIFY(std::any_of(dons.begin(), dons.end(), [](const QJsonValue& v) {
            return v.toObject().value("nom").toString() == u"Rage +1" && v.toObject().value("origine").toString() == u"Barbare  4"
                   && v.toObject().value("genre").toString() == u"Rage de barbare";
        }));
    }
};

QTEST_GUILESS_MAIN(TestListeCapacite)
#include "test_liste_capacite.moc"

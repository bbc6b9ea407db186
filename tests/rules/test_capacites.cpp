// Capacités spéciales : compteurs, immunités, bonus, lignes des autres personnages, valeurs
// des capacités activables aux niveaux charnières.
#include "FixturesRegles.h"
#include "commun/Fixtures.h"
#include "rules/Capacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QtTest>

namespace {

LigneCapacite ligne(const QString& nom, const QString& personnage = "Iris", const QString& niveau = {},
                    const QString& valeur = {})
{
    LigneCapacite c;
    c.Nom = nom;
    c.Personnage = personnage;
    c.Niveau = niveau;
    c.Valeur = valeur;
    return c;
}

} // namespace

class TestCapacites : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    TypePersonnage m_iris;

    TypeCapacites analyse(const ListeCapacitesPerso& lignes, const QStringList& dons = {},
                          ListeBonus* bonus = nullptr, const QString& typeRace = "Humanoïde")
    {
        TypeRace r;
        r.Type = typeRace;
        TypeCapacites resume;
        ListeBonus local;
        AnalyseCapacites(r, resume, m_iris, lignes, dons, bonus ? *bonus : local);
        return resume;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_iris.Nom = "Iris";
        m_programme = baseVide(m_dossier);
        creeTables(*m_programme, schemaProgramme(), {"CapaciteSort", "Dons"});
        const auto ajoute = [&](const char* nom, int min, int max, int tousLes, int base, const char* augmentation) {
            m_programme->ajoute("CapaciteSort", {{"Nom", QString::fromUtf8(nom)}, {"min", min}, {"max", max},
                                                 {"TousLes", tousLes}, {"BonusBase", base},
                                                 {"Augmentation", QString::fromUtf8(augmentation)}});
        };
        ajoute("Tous les quatre", 0, 0, 4, 1, "1");
        ajoute("Bornée", 2, 4, 4, 1, "1");
        ajoute("Dés", 0, 0, 2, 0, "1d6");
        ajoute("Dés bornés", 0, 3, 2, 0, "1d6+1");
        ajoute("Inspiration vaillante", 1, 4, 6, 1, "1");
        ajoute("Carapace de tortue", 6, 9, 1, 6, "0");
        ajoute("Châtiment du mal", 0, 20, 1, 0, "1d6");
        ajoute("Sans palier", 0, 0, 0, 2, "1");
        ajoute("Frappe profane", 0, 9, 1, 0, "1d4");
        ajoute("Puissance divine épique", 0, 40, 1, 0, "1");
        m_programme->ajoute("Dons", {{"Nom", "Arme de prédilection"}, {"supplementaire", true}});
        m_programme->ajoute("Dons", {{"Nom", "Esquive"}, {"supplementaire", false}});
    }

    void capaciteSort_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("tous les 4, niveau 3") << "Tous les quatre" << 3 << "1";
        QTest::newRow("tous les 4, niveau 4") << "Tous les quatre" << 4 << "2";
        QTest::newRow("tous les 4, niveau 7") << "Tous les quatre" << 7 << "2";
        QTest::newRow("tous les 4, niveau 9") << "Tous les quatre" << 9 << "3";
        QTest::newRow("borne basse") << "Bornée" << 1 << "2";
        QTest::newRow("bornée au milieu") << "Bornée" << 8 << "3";
        QTest::newRow("borne haute") << "Bornée" << 20 << "4";
        QTest::newRow("dés niveau 9") << "Dés" << 9 << "4d6";
        QTest::newRow("dés niveau 1") << "Dés" << 1 << "0d6";
        QTest::newRow("dés avec constante") << "Dés bornés" << 4 << "2d6+2";
        QTest::newRow("dés bornés") << "Dés bornés" << 20 << "3d6+3";
        QTest::newRow("inspiration 1") << "Inspiration vaillante" << 1 << "1";
        QTest::newRow("inspiration 7") << "Inspiration vaillante" << 7 << "1";
        QTest::newRow("inspiration 8") << "Inspiration vaillante" << 8 << "2";
        QTest::newRow("inspiration 13") << "Inspiration vaillante" << 13 << "2";
        QTest::newRow("inspiration 14") << "Inspiration vaillante" << 14 << "3";
        QTest::newRow("inspiration 20") << "Inspiration vaillante" << 20 << "4";
        QTest::newRow("carapace 13") << "Carapace de tortue" << 13 << "6";
        QTest::newRow("carapace 14") << "Carapace de tortue" << 14 << "7";
        QTest::newRow("carapace 16") << "Carapace de tortue" << 16 << "7";
        QTest::newRow("carapace 17") << "Carapace de tortue" << 17 << "8";
        QTest::newRow("carapace 19") << "Carapace de tortue" << 19 << "8";
        QTest::newRow("carapace 20") << "Carapace de tortue" << 20 << "9";
        QTest::newRow("châtiment en d4") << "Châtiment du mal" << 5 << "5d4";
        QTest::newRow("sans palier") << "Sans palier" << 3 << "5";
        QTest::newRow("absente") << "Inconnue" << 5 << "0";
    }
    void capaciteSort()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QTEST(CapaciteSort(*m_programme, nom, niveau), "valeur");
    }

    // Frappe profane : le plus haut niveau de sort de la classe (un tous les deux niveaux),
    // limité par la caractéristique de lancement, en d4 ; puissance divine épique : le double du
    // modificateur de Charisme, seulement avec le don.
    void capaciteSortCasParticuliers_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("carac");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("frappe niveau 1") << "Frappe profane" << 1 << 18 << QStringList{} << "1d4";
        QTest::newRow("frappe niveau 2") << "Frappe profane" << 2 << 18 << QStringList{} << "1d4";
        QTest::newRow("frappe niveau 5") << "Frappe profane" << 5 << 18 << QStringList{} << "3d4";
        QTest::newRow("frappe limitée par la carac") << "Frappe profane" << 5 << 12 << QStringList{} << "2d4";
        QTest::newRow("frappe carac 10") << "Frappe profane" << 9 << 10 << QStringList{} << "0";
        QTest::newRow("frappe niveau 17") << "Frappe profane" << 17 << 30 << QStringList{} << "9d4";
        QTest::newRow("frappe niveau 20") << "Frappe profane" << 20 << 30 << QStringList{} << "9d4";
        QTest::newRow("frappe niveau 0") << "Frappe profane" << 0 << 18 << QStringList{} << "0";
        QTest::newRow("épique sans le don") << "Puissance divine épique" << 4 << 0 << QStringList{"Puissance divine "}
                                            << "0";
        QTest::newRow("épique avec le don") << "Puissance divine épique" << 4 << 0
                                            << QStringList{"Puissance divine épique"} << "8";
        QTest::newRow("épique au maximum") << "Puissance divine épique" << 25 << 0
                                           << QStringList{"Puissance divine épique"} << "40";
    }
    void capaciteSortCasParticuliers()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(int, carac);
        QFETCH(QStringList, dons);
        QTEST(CapaciteSort(*m_programme, nom, niveau, {carac, dons}), "valeur");
    }

    void donSupplementaire()
    {
        QVERIFY(DonSupplementaire(*m_programme, "Arme de prédilection"));
        QVERIFY(!DonSupplementaire(*m_programme, "Esquive"));
        QVERIFY(!DonSupplementaire(*m_programme, "Inconnu"));
    }

    void compteurs()
    {
        const TypeCapacites r = analyse({ligne("Rage +1"), ligne("Rage +1"), ligne("Guérison accélérée_1"),
                                         ligne("Guérison accélérée_5"), ligne("Guérison morphique"),
                                         ligne("Attaque sournoise +1d6"), ligne("Jotunbrud")});
        QCOMPARE(int(r.compteur("Nombre de rage : ")), 2);
        QCOMPARE(int(r.compteur("Guérison accélérée : ")), 1 + 5 + 2);
        QCOMPARE(int(r.compteur("Nombre de dés sournois : +")), 1);
        for (const char* l : {"Bousculade (défense): +", "Renversement (défense): +", "Croc-en-jambe (défense): +"})
            QCOMPARE(int(r.compteur(QString::fromUtf8(l))), 4);
        QCOMPARE(int(r.compteur("Nombre de frénésie : ")), 0);
    }

    void lignesDesAutresIgnorees()
    {
        const TypeCapacites r = analyse({ligne("Rage +1", "Luna"), ligne("Rage +1", "iris"), ligne("rage +1")});
        QCOMPARE(int(r.compteur("Nombre de rage : ")), 1);
    }

    void valeurSelonLeNiveau_data()
    {
        QTest::addColumn<QString>("niveau");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("bonus");
        QTest::newRow("niveau 1") << "1" << "2" << 2;
        QTest::newRow("niveau 2") << "2" << "2" << 0;
        QTest::newRow("vide") << "" << "2" << 0;
        QTest::newRow("valeur non numérique") << "1" << "beaucoup" << 0;
    }
    void valeurSelonLeNiveau()
    {
        QFETCH(QString, niveau);
        QFETCH(QString, valeur);
        const TypeCapacites r = analyse({ligne("Inspiration vaillante", "Iris", niveau, valeur)});
        QTEST(int(r.compteur("Bonus inspiration vaillante : +")), "bonus");
    }

    void immunitesNotesTailleEtBonus()
    {
        ListeBonus bonus;
        const TypeCapacites r = analyse({ligne("Immunité sommeil"), ligne("Vigueur de la non-mort"), ligne("Grande"),
                                         ligne("Poussée"), ligne("Manuel augmentation caracteristique force"),
                                         ligne("Manuel augmentation caracteristique force")},
                                        {}, &bonus, "Mort-vivant");
        QVERIFY(r.Immunites.contains("Sommeil"));
        QCOMPARE(r.Immunites.count("Sommeil"), 1);
        QVERIFY(r.Immunites.contains("Absorption d'énergie"));
        QCOMPARE(r.NotesJS, QStringList{"+4 jet de Vigueur (sauf quand ils affectent les objets)"});
        QCOMPARE(r.Taille, QString("Grande"));
        QVERIFY(r.Drapeaux.contains("Poussée"));
        // Deux manuels du même type ne se cumulent pas dans la somme.
        QCOMPARE(bonus.size(), 2);
        QCOMPARE(int(SommeBonus(bonus, "Bonus Caracteristique", "Force").nombre), 1);
        QVERIFY(analyse({}).Immunites.isEmpty());
    }

    // La ligne de rage de la fiche : rage +4 en Force, +2 en Volonté, -2 à la CA ; rage de grand
    // berserker +6 / +3, de maître berserker +8 / +4 ; rage téméraire +2 en Force et -2 à la CA de plus.
    void rage_data()
    {
        QTest::addColumn<QStringList>("capacites");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QList<int>>("attendu");   // rages, Force, Volonté, CA, rounds en plus
        QTest::newRow("sans rage") << QStringList{} << QStringList{} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("rage") << QStringList{"Rage +1"} << QStringList{} << QList<int>{1, 4, 2, 2, 0};
        QTest::newRow("deux rages") << QStringList{"Rage +1", "Rage +1"} << QStringList{} << QList<int>{2, 4, 2, 2, 0};
        QTest::newRow("don de rage") << QStringList{} << QStringList{"Fureur de la tigresse"}
                                     << QList<int>{1, 4, 2, 2, 0};
        QTest::newRow("grand berserker") << QStringList{"Rage +1", "Rage de grand berserker"} << QStringList{}
                                         << QList<int>{1, 6, 3, 2, 0};
        QTest::newRow("maître berserker")
            << QStringList{"Rage +1", "Rage de grand berserker", "Rage de maître berserker"} << QStringList{}
            << QList<int>{1, 8, 4, 2, 0};
        QTest::newRow("grand berserker en don") << QStringList{"Rage +1"} << QStringList{"Rage de grand berserker"}
                                                << QList<int>{1, 6, 3, 2, 0};
        QTest::newRow("téméraire et longue") << QStringList{"Rage +1", "Rage téméraire", "Longue rage "}
                                            << QStringList{} << QList<int>{1, 6, 2, 4, 5};
        QTest::newRow("rages supplémentaires") << QStringList{"Rage +1"} << QStringList{"Rages supplémentaires"}
                                               << QList<int>{3, 4, 2, 2, 0};
    }
    void rage()
    {
        QFETCH(QStringList, capacites);
        QFETCH(QStringList, dons);
        QFETCH(QList<int>, attendu);
        ListeCapacitesPerso lignes;
        for (const QString& c : capacites)
            lignes << ligne(c);
        const TypeCapacites r = analyse(lignes, dons);
        const QList<int> obtenu{r.compteur("Nombre de rage : "), r.compteur("Effet de la rage : Force : +"),
                                r.compteur("Effet de la rage : Volonté : +"), r.compteur("Effet de la rage : CA : -"),
                                r.compteur("Durée de la rage(bonus rage inclut) : ")};
        QCOMPARE(obtenu, attendu);
    }
};

QTEST_GUILESS_MAIN(TestCapacites)
#include "test_capacites.moc"

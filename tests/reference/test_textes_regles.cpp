// Textes des règles : découpage d'un don collé, remise en forme, titre d'une compétence ; les
// corrections relues aussitôt ; la recherche plein texte sans accents ni casse.
#include "commun/Fixtures.h"
#include "reference/Descriptifs.h"
#include "reference/RechercheRegles.h"
#include "reference/TextesRegles.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(TextesDon)

class TestTextesRegles : public QObject
{
    Q_OBJECT

    static std::unique_ptr<BaseDonnees> regles()
    {
        return BaseDonnees::ouvreLecture(QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db")));
    }

private Q_SLOTS:
    void decoupe_data()
    {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<TextesDon>("attendu");
        // Les champs sans titre dans le texte gardent leur valeur : "avant".
        QTest::newRow("entrée entière") << QStringLiteral("Frappe lourde\nConditions. For 13.\nAvantage. Vous frappez fort.\n"
                                                          "Normal. Sans ce don, rien.\nSpécial. Se prend deux fois.")
                                        << TextesDon{"Frappe lourde\n", "For 13.\n", "Vous frappez fort.\n",
                                                     "Sans ce don, rien.\n", "Se prend deux fois"};
        QTest::newRow("condition au singulier") << QStringLiteral("Condition. Dex 15. Avantage. Esquive.")
                                                << TextesDon{"", "Dex 15. ", "Esquive", "avant", "avant"};
        QTest::newRow("sans avantage") << QStringLiteral("Texte libre\nsur deux lignes.")
                                       << TextesDon{"avant", "avant", "Texte libre\nsur deux lignes.", "avant", "avant"};
        QTest::newRow("collé de Windows") << QStringLiteral("Titre\r\nAvantage. Vite.\r\nSpécial. Rare.\r\n")
                                          << TextesDon{"Titre\n", "avant", "Vite.\n", "avant", "Rare."};
    }
    void decoupe()
    {
        QFETCH(QString, colle);
        QFETCH(TextesDon, attendu);
        TextesDon t{"avant", "avant", colle, "avant", "avant"};
        DecoupeDescription(t);
        QCOMPARE(t.resume, attendu.resume);
        QCOMPARE(t.condition, attendu.condition);
        QCOMPARE(t.explication, attendu.explication);
        QCOMPARE(t.normal, attendu.normal);
        QCOMPARE(t.special, attendu.special);
    }

    void reformate_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("coupure dans une phrase, puis après un point")
            << "Le guerrier frappe\nfort. Il gagne\n+2.\nEnsuite il recule." << "Le guerrier frappe fort. Il gagne +2.\nEnsuite il recule.";
        QTest::newRow("point suivi d'une espace") << "Un. \nDeux" << "Un.\nDeux";
        QTest::newRow("deux-points") << "Au choix :\nfeu ou froid" << "Au choix :\nfeu ou froid";
        QTest::newRow("saut final ôté") << "  Fin.\n  " << "Fin.";
        QTest::newRow("titres ôtés") << "Avantage. Vite." << " Vite.";
        QTest::newRow("quatre espaces en deviennent deux") << "a    b" << "a  b";
        QTest::newRow("retours chariot") << "a\r\nb." << "a b.";
    }
    void reformate()
    {
        QFETCH(QString, texte);
        QTEST(ReformateTexte(texte), "attendu");
    }

    void titreCompetence_data()
    {
        QTest::addColumn<QString>("innee");
        QTest::addColumn<bool>("penalite");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("formation et malus") << "N" << true << "Escalade (Force; formation nécessaire; malus d'armure aux tests)";
        QTest::newRow("ni l'un ni l'autre") << "O" << false << "Escalade (Force)";
        QTest::newRow("malus seul") << "" << true << "Escalade (Force; malus d'armure aux tests)";
    }
    void titreCompetence()
    {
        QFETCH(QString, innee);
        QFETCH(bool, penalite);
        QTEST(TitreCompetence(QStringLiteral("Escalade"), QStringLiteral("Force"), innee, penalite), "attendu");
    }

    // Une entrée collée et enregistrée se relit en cinq champs propres ; un champ laissé vide
    // n'efface pas le texte des règles, l'explication s'écrit toujours.
    void enregistrementDon()
    {
        DossierTest d;
        auto programme = regles();
        const QString corrections = d.chemin(QStringLiteral("corrections.db"));
        const FicheDon avant = *LitDon(*programme, QStringLiteral("Archerie de combat"));
        QVERIFY(!avant.textes.normal.isEmpty());
        TextesDon colle;
        colle.explication = QStringLiteral("Esquive\nConditions. Dex 13.\nAvantage. Un bonus\nd'esquive de +1.\nSpécial. Un guerrier l'a.\n");
        const TextesDon ecrits = EnregistreDon(*programme, corrections, QStringLiteral("archerie de combat"), colle);
        const FicheDon relu = *LitDon(*programme, QStringLiteral("Archerie de combat"));
        // Le saut de ligne final du titre devient une espace, comme tout saut qui ne suit pas un point.
        QCOMPARE(relu.textes.resume, QStringLiteral("Esquive "));
        QCOMPARE(relu.textes.condition, QStringLiteral("Dex 13."));
        QCOMPARE(relu.textes.explication, QStringLiteral("Un bonus d'esquive de +1."));
        QCOMPARE(relu.textes.special, QStringLiteral("Un guerrier l'a."));
        QCOMPARE(relu.textes.normal, avant.textes.normal);
        QCOMPARE(ecrits.normal, QString());
    }

    void recherche_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("trouve");
        QTest::newRow("mots séparés") << "boule feu" << "Boule de feu";
        QTest::newRow("capitales") << "BOULE DE FEU" << "Boule de feu";
        QTest::newRow("début de mot") << "boul" << "Boule de feu";
        QTest::newRow("sans accent") << "eclair multiple" << "Éclair multiple";
        QTest::newRow("avec accent") << "éclair multiple" << "Éclair multiple";
    }
    void recherche()
    {
        QFETCH(QString, saisie);
        auto programme = regles();
        const QStringList noms = RechercheRegles(*programme, QStringLiteral("Sort"), saisie);
        QFETCH(QString, trouve);
        QVERIFY2(noms.contains(trouve), qPrintable(noms.join(u',')));
    }

    // Un sort corrigé se trouve aussitôt par son nouveau texte, un don personnel par son nom.
    void rechercheSuitLesCorrections()
    {
        DossierTest d;
        auto programme = regles();
        QVERIFY(RechercheRegles(*programme, QStringLiteral("Sort"), QStringLiteral("zygomorphe")).isEmpty());
        QVERIFY(EnregistreSort(*programme, d.chemin(QStringLiteral("corrections.db")), QStringLiteral("boule de feu"),
                               {{QStringLiteral("Explication"), QStringLiteral("Une sphère zygomorphe")}}));
        QCOMPARE(RechercheRegles(*programme, QStringLiteral("Sort"), QStringLiteral("Zygomorphe")),
                 QStringList{QStringLiteral("Boule de feu")});
        QVERIFY(RechercheRegles(*programme, QStringLiteral("Sort"), QStringLiteral("\"")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTextesRegles)
#include "test_textes_regles.moc"

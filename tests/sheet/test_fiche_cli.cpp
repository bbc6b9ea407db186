// quorvane-cli fiche : la fiche en JSON et en texte, et ses refus.
#include "FixturesFiche.h"
#include "cli/LigneCommande.h"
#include "commun/Fixtures.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

struct Resultat
{
    int code = -1;
    QString sortie;
    QString erreurs;
};

Resultat execute(QStringList arguments)
{
    arguments << QStringLiteral("--programme") << dossierProgramme();
    QString sortie, erreurs;
    QTextStream flotSortie(&sortie), flotErreurs(&erreurs);
    const int code = ExecuteLigneCommande(arguments, dossierProgramme(), flotSortie, flotErreurs);
    flotSortie.flush();
    flotErreurs.flush();
    return {code, sortie, erreurs};
}

} // namespace

class TestFicheCli : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    QString m_base;

private Q_SLOTS:
    void initTestCase()
    {
        auto programme = baseProgrammeLivree();
        if (!programme)
            QSKIP("tessarys.db n'est pas construite");
        auto perso = basePersonnagesTest(m_dossier, *programme);
        ajouteAldo(*perso);
        ajoutePersonnageFiche(*perso, "Bancal", {{"Guerrier", 10}}, {{"RACE", "Humain"}});
        perso->execute("update Personnage set Niv_1 = 2 where Nom = ?", {"Bancal"});
        ajoutePersonnageFiche(*perso, "Errant", {{"Guerrier", 10}}, {{"RACE", "Ondin des marais"}});
        m_base = perso->chemin();
    }

    // Humain guerrier 4 / roublard 3 (valeurs de départ 15 14 13 10 12 8, +1 en Force) :
    // BBA 4 + 2 ; Réf 1 + 3 + Dex 2, Vig 4 + 1 + Con 1, Vol 1 + 1 + Sag 1 ; PV 40 + 7.
    void json()
    {
        const Resultat r = execute({"fiche", "Aldo", "--base", m_base});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        QJsonParseError erreur;
        const QJsonObject o = QJsonDocument::fromJson(r.sortie.toUtf8(), &erreur).object();
        QCOMPARE(erreur.error, QJsonParseError::NoError);
        QCOMPARE(o["nom"].toString(), QString("Aldo"));
        QCOMPARE(o["race"].toString(), QString("Humain"));
        QCOMPARE(o["niveau"].toInt(), 7);
        const QJsonArray classes = o["classes"].toArray();
        QCOMPARE(classes.size(), 2);
        QCOMPARE(classes[0].toObject()["classe"].toString(), QString("Guerrier"));
        QCOMPARE(classes[0].toObject()["niveau"].toInt(), 4);
        QCOMPARE(classes[1].toObject()["classe"].toString(), QString("Roublard"));
        QCOMPARE(classes[1].toObject()["niveau"].toInt(), 3);
        const QJsonObject force = o["caracteristiques"].toObject()["Force"].toObject();
        QCOMPARE(force["total"].toInt(), 16);
        QCOMPARE(force["modificateur"].toInt(), 3);
        QCOMPARE(o["caracteristiques"].toObject()["Charisme"].toObject()["modificateur"].toInt(), -1);
        QCOMPARE(o["attaqueDeBase"].toInt(), 6);
        QCOMPARE(o["nombreAttaques"].toInt(), 2);
        QCOMPARE(o["lutte"].toInt(), 9);
        QCOMPARE(o["attaqueDistance"].toInt(), 8);
        QCOMPARE(o["pointsDeVie"].toInt(), 47);
        QCOMPARE(o["taille"].toString(), QString("Moyenne"));
        const QJsonObject jets = o["jetsDeSauvegarde"].toObject();
        QCOMPARE(jets["Réflexe"].toObject()["base"].toInt(), 4);
        QCOMPARE(jets["Réflexe"].toObject()["total"].toInt(), 6);
        QCOMPARE(jets["Vigueur"].toObject()["total"].toInt(), 6);
        QCOMPARE(jets["Volonté"].toObject()["total"].toInt(), 3);
        QVERIFY(o["description"].toString().startsWith("Aldo est un Humain de 25 ans. "));
        // Sans équipement : 10 + Dextérité 14 (+2), rien pris au dépourvu.
        const QJsonObject ca = o["classeArmure"].toObject();
        QCOMPARE(ca["total"].toInt(), 12);
        QCOMPARE(ca["depourvu"].toInt(), 10);
        QCOMPARE(ca["contact"].toInt(), 12);
        // Sans arme : attaque de base +6/+1 et Force +3, coup à mains nues 1d3.
        const QJsonArray armes = o["armes"].toArray();
        QCOMPARE(armes.size(), 1);
        QCOMPARE(armes[0].toObject()["ligne"].toString(), QString("Mélée(+9/+4) Dégâts(1d3+3) (20,x2)"));
    }

    void texteDansUnFichier()
    {
        const QString fichier = m_dossier.chemin("aldo.txt");
        const Resultat r = execute({"fiche", "Aldo", "--base", m_base, "--format", "txt", "--sortie", fichier});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        QVERIFY(r.sortie.isEmpty());
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(f.readAll()).split('\n');
        QVERIFY(lignes.contains("Aldo, Humain, Guerrier 4, Roublard 3"));
        QVERIFY(lignes.contains("Dés de vie : 7 (47 pv)"));
        QVERIFY(lignes.contains("Attaque de base/lutte : +6/+9"));
        QVERIFY(lignes.contains("Jets de sauvegarde : Réf +6, Vig +6, Vol +3"));
        QVERIFY(lignes.contains("Caractéristiques : For 16, Dex 14, Con 13, Int 10, Sag 12, Cha 8"));
        // Ordre du bloc : initiative avant l'attaque, jets avant les caractéristiques.
        QVERIFY(lignes.indexOf("Initiative : +2") < lignes.indexOf("Attaque de base/lutte : +6/+9"));
    }

    void html()
    {
        const Resultat r = execute({"fiche", "Aldo", "--base", m_base, "--format", "html"});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        QVERIFY(r.sortie.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">"));
        QVERIFY(r.sortie.contains("charset=iso-8859-1"));
        QVERIFY(r.sortie.contains("<table width=\"200\""));
        QVERIFY(r.sortie.contains("<tr><th>Caract&eacute;ristiques</th><th>Score</th><th>Bonus</th></tr>"));
        QVERIFY(r.sortie.contains("<tr><td>Force</td><td>16</td><td>3</td></tr>"));
        QVERIFY(r.sortie.contains("<tr><td>Int&eacute;ligence</td><td>10</td><td>0</td></tr>"));
        QVERIFY(r.sortie.contains("<tr><td>Charisme</td><td>8</td><td>-1</td></tr>"));
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("inconnu") << QStringList{"fiche", "Personne"} << 1 << "Le personnage « Personne » n'existe pas";
        // 1 : introuvable ; 3 : base au contenu incohérent ou fichier impossible à écrire.
        QTest::newRow("niveaux incohérents") << QStringList{"fiche", "Bancal"} << 3 << "Problème en accedant à la fiche perso";
        QTest::newRow("race absente des règles") << QStringList{"fiche", "Errant"} << 3
                                                 << "La fiche de « Errant » ne peut pas être calculée : la race « Ondin "
                                                    "des marais » est absente des règles du programme.";
        QTest::newRow("sans nom") << QStringList{"fiche"} << 2 << "La commande fiche attend un nom de personnage.";
        QTest::newRow("format inconnu") << QStringList{"fiche", "Aldo", "--format", "pdf"} << 2 << "Format inconnu : pdf";
        QTest::newRow("format sans valeur") << QStringList{"fiche", "Aldo", "--format"} << 2 << "L'option --format attend une valeur.";
        QTest::newRow("format pour liste") << QStringList{"liste", "--format", "txt"} << 2 << "ne servent qu'à la commande fiche";
        QTest::newRow("sortie impossible") << QStringList{"fiche", "Aldo", "--sortie", "/dossier/absent/x.json"} << 3
                                           << "Impossible d'écrire le fichier « /dossier/absent/x.json »";
    }

    void refus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        const Resultat r = execute(arguments << "--base" << m_base);
        QCOMPARE(r.code, code);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
        QVERIFY(r.sortie.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFicheCli)
#include "test_fiche_cli.moc"

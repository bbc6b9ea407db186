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

// Valeur du JSON au chemin "a/b/c", en texte (un total "-" reste "-").
QString auChemin(const QJsonObject& racine, const QString& chemin)
{
    QJsonValue v = racine;
    for (const QString& cle : chemin.split(u'/'))
        v = v.toObject().value(cle);
    return v.isString() ? v.toString() : QString::number(v.toDouble());
}

using Attendus = QList<std::pair<QString, QString>>;

} // namespace

Q_DECLARE_METATYPE(Attendus)

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
        // Créatures du bestiaire à niveaux de classe : tableau d'élite 15 14 13 12 10 8 (coût 25 points)
        // sur la première ligne, ajustements raciaux de la race ; dés de vie raciaux dans la classe du type.
        ajoutePersonnageFiche(*perso, "Derro", {{"Humanoïde monstrueux", 8, {10, 14, 13, 12, 8, 15}},
                                                {"Humanoïde monstrueux", 5}, {"Humanoïde monstrueux", 4},
                                                {"Ensorceleur", 4}, {"Ensorceleur", 3}}, {{"RACE", "Derro"}});
        choisit(*perso, "Derro", "Humanoïde monstrueux", 1, "Science de l’initiative");
        ajoutePersonnageFiche(*perso, "Goule", {{"Mort-vivant", 12, {14, 15, 13, 10, 12, 8}}, {"Mort-vivant", 7},
                                                {"Guerrier", 10}}, {{"RACE", "Goule"}});
        ajoutePersonnageFiche(*perso, "Satyre", {{"Fée", 6, {8, 14, 13, 12, 10, 15}}, {"Fée", 4}, {"Fée", 4},
                                                 {"Fée", 4}, {"Fée", 4}, {"Barde", 6}, {"Barde", 4}}, {{"RACE", "Satyre"}});
        ajoutePersonnageFiche(*perso, "Sahuagin", {{"Humanoïde monstrueux", 8, {14, 10, 13, 12, 15, 8}},
                                                   {"Humanoïde monstrueux", 5}, {"Prêtre", 8}, {"Prêtre", 5}},
                              {{"RACE", "Sahuagin"}});
        ajoutePersonnageFiche(*perso, "Manticore", {{"Créature magique", 10, {15, 13, 14, 10, 12, 8}},
                                                    {"Créature magique", 6}, {"Créature magique", 6},
                                                    {"Créature magique", 6}, {"Créature magique", 6},
                                                    {"Créature magique", 6}, {"Guerrier", 10}}, {{"RACE", "Manticore"}});
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

    // Cinq créatures du bestiaire à niveaux de classe, calculées à la main d'après les règles 3.5 et les
    // données de leur race. FP : FP de la race + niveaux de classe + Int((25 - 20) / 10) = + 0.
    void bestiaire_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Attendus>("attendus");
        const auto n = [](int v) { return QString::number(v); };
        // Derro (humanoïde monstrueux 3 DV, P, For +0 Dex +4 Con +2 Int +0 Sag -6 Cha +6, armure naturelle 2,
        // 6 m, jets forts Réf et Vol) ensorceleur 2.
        QTest::newRow("derro ensorceleur 2") << "Derro" << Attendus{
            {"caracteristiques/Force/total", n(10)}, {"caracteristiques/Dextérité/total", n(14 + 4)},
            {"caracteristiques/Constitution/total", n(13 + 2)}, {"caracteristiques/Sagesse/total", n(8 - 6)},
            {"caracteristiques/Charisme/total", n(15 + 6)},
            {"pointsDeVie", n(8 + 5 + 4 + 4 + 3 + 5 * 2)},              // Con 15 : +2 par dé
            {"attaqueDeBase", n(3 + 1)},                                // 3 DV forts, ensorceleur 2 : +1
            {"lutte", n(4 + 0 - 4)},                                    // taille P : -4
            {"jetsDeSauvegarde/Vigueur/total", n(3 / 3 + 0 + 2)},       // faible 1, Con +2
            {"jetsDeSauvegarde/Réflexe/total", n(2 + 3 / 2 + 0 + 4)},   // fort 3, Dex +4
            {"jetsDeSauvegarde/Volonté/total", n(2 + 3 / 2 + 3 - 4)},   // fort 3, ensorceleur 3, Sag -4
            {"classeArmure/total", n(10 + 1 + 4 + 2)}, {"classeArmure/contact", n(10 + 1 + 4)},
            {"classeArmure/depourvu", n(10 + 1 + 2)},
            {"initiative", n(4 + 4)},                                   // Dex +4, Science de l'initiative
            {"deplacement/terre", n(6)}, {"fp", n(3 + 2)}};
        // Goule (mort-vivant 2 DV sans Constitution, For +2 Dex +4 Int +2 Sag +4 Cha +2, armure naturelle 2,
        // jet fort Vol) guerrier 1.
        QTest::newRow("goule guerrier 1") << "Goule" << Attendus{
            {"caracteristiques/Force/total", n(14 + 2)}, {"caracteristiques/Dextérité/total", n(15 + 4)},
            {"caracteristiques/Constitution/total", "-"}, {"caracteristiques/Sagesse/total", n(12 + 4)},
            {"pointsDeVie", n(12 + 7 + 10)},                            // sans Constitution
            {"attaqueDeBase", n(2 / 2 + 1)},                            // DV faibles : 1 ; guerrier : 1
            {"lutte", n(2 + 3)},
            {"jetsDeSauvegarde/Vigueur/total", n(2 / 3 + 2 + 0)},       // faible 0, guerrier 2
            {"jetsDeSauvegarde/Réflexe/total", n(2 / 3 + 0 + 4)},
            {"jetsDeSauvegarde/Volonté/total", n(2 + 2 / 2 + 0 + 3)},   // fort 3, Sag +3
            {"classeArmure/total", n(10 + 4 + 2)}, {"classeArmure/contact", n(10 + 4)},
            {"classeArmure/depourvu", n(10 + 2)}, {"initiative", n(4)}, {"deplacement/terre", n(9)},
            {"fp", n(1 + 1)}};
        // Satyre (fée 5 DV, For +0 Dex +2 Con +2 Int +2 Sag +2 Cha +2, armure naturelle 4, 12 m, jets forts
        // Réf et Vol) barde 2.
        QTest::newRow("satyre barde 2") << "Satyre" << Attendus{
            {"caracteristiques/Force/total", n(8)}, {"caracteristiques/Dextérité/total", n(14 + 2)},
            {"caracteristiques/Charisme/total", n(15 + 2)},
            {"pointsDeVie", n(6 + 4 * 4 + 6 + 4 + 7 * 2)},             // Con 15 : +2 par dé
            {"attaqueDeBase", n(5 / 2 + 1)},                            // fée 5 : 2 ; barde 2 : 1
            {"lutte", n(3 - 1)},
            {"jetsDeSauvegarde/Vigueur/total", n(5 / 3 + 0 + 2)},
            {"jetsDeSauvegarde/Réflexe/total", n(2 + 5 / 2 + 3 + 3)},   // fort 4, barde 3, Dex +3
            {"jetsDeSauvegarde/Volonté/total", n(2 + 5 / 2 + 3 + 1)},   // fort 4, barde 3, Sag +1
            {"classeArmure/total", n(10 + 3 + 4)}, {"classeArmure/contact", n(10 + 3)},
            {"classeArmure/depourvu", n(10 + 4)}, {"initiative", n(3)}, {"deplacement/terre", n(12)},
            {"fp", n(2 + 2)}};
        // Sahuagin (humanoïde monstrueux 2 DV, For +4 Dex +2 Con +2 Int +4 Sag +2 Cha -2, armure naturelle 5,
        // 9 m, nage 18 m, jets forts Réf et Vol) prêtre 2.
        QTest::newRow("sahuagin prêtre 2") << "Sahuagin" << Attendus{
            {"caracteristiques/Force/total", n(14 + 4)}, {"caracteristiques/Sagesse/total", n(15 + 2)},
            {"caracteristiques/Charisme/total", n(8 - 2)},
            {"pointsDeVie", n(8 + 5 + 8 + 5 + 4 * 2)},
            {"attaqueDeBase", n(2 + 1)}, {"lutte", n(3 + 4)},
            {"jetsDeSauvegarde/Vigueur/total", n(2 / 3 + 3 + 2)},       // faible 0, prêtre 3, Con +2
            {"jetsDeSauvegarde/Réflexe/total", n(2 + 2 / 2 + 0 + 1)},   // fort 3, Dex +1
            {"jetsDeSauvegarde/Volonté/total", n(2 + 2 / 2 + 3 + 3)},   // fort 3, prêtre 3, Sag +3
            {"classeArmure/total", n(10 + 1 + 5)}, {"classeArmure/contact", n(10 + 1)},
            {"classeArmure/depourvu", n(10 + 5)}, {"initiative", n(1)}, {"deplacement/terre", n(9)},
            {"deplacement/nage", n(18)}, {"fp", n(2 + 2)}};
        // Manticore (créature magique 6 DV, G, For +10 Dex +4 Con +8 Int -4 Sag +2 Cha -2, armure naturelle 6,
        // 9 m, vol 15 m déplorable, jets forts Réf et Vig) guerrier 1.
        QTest::newRow("manticore guerrier 1") << "Manticore" << Attendus{
            {"caracteristiques/Force/total", n(15 + 10)}, {"caracteristiques/Constitution/total", n(14 + 8)},
            {"caracteristiques/Intelligence/total", n(10 - 4)},
            {"pointsDeVie", n(10 + 5 * 6 + 10 + 7 * 6)},                // Con 22 : +6 par dé
            {"attaqueDeBase", n(6 + 1)}, {"lutte", n(7 + 7 + 4)},      // taille G : +4
            {"jetsDeSauvegarde/Vigueur/total", n(2 + 6 / 2 + 2 + 6)},   // fort 5, guerrier 2, Con +6
            {"jetsDeSauvegarde/Réflexe/total", n(2 + 6 / 2 + 0 + 3)},   // fort 5, Dex +3
            {"jetsDeSauvegarde/Volonté/total", n(6 / 3 + 0 + 2)},       // faible 2, Sag +2
            {"classeArmure/total", n(10 - 1 + 3 + 6)}, {"classeArmure/contact", n(10 - 1 + 3)},
            {"classeArmure/depourvu", n(10 - 1 + 6)}, {"initiative", n(3)}, {"deplacement/terre", n(9)},
            {"deplacement/vol", n(15)}, {"deplacement/manoeuvrabilite", "Déplorable"}, {"fp", n(5 + 1)}};
    }
    void bestiaire()
    {
        QFETCH(QString, nom);
        QFETCH(Attendus, attendus);
        const Resultat r = execute({"fiche", nom, "--base", m_base, "--format", "json"});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        const QJsonObject o = QJsonDocument::fromJson(r.sortie.toUtf8()).object();
        for (const auto& [chemin, valeur] : attendus)
            QVERIFY2(auChemin(o, chemin) == valeur,
                     qPrintable(QStringLiteral("%1 : %2 au lieu de %3").arg(chemin, auChemin(o, chemin), valeur)));
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

    // Toute la fiche en PDF, la feuille Word en OpenDocument : un fichier que son lecteur reconnaît.
    void documents_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<QByteArray>("marque");
        QTest::newRow("pdf") << "pdf" << QByteArray("%PDF-") << QByteArray("/MediaBox [0 0 595");
        QTest::newRow("odt") << "odt" << QByteArray("PK") << QByteArray("mimetypeapplication/vnd.oasis.opendocument.text");
    }

    void documents()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, debut);
        QFETCH(QByteArray, marque);
        const QString fichier = m_dossier.chemin("aldo." + format);
        const Resultat r = execute({"fiche", "Aldo", "--base", m_base, "--format", format, "--sortie", fichier});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray contenu = f.readAll();
        QVERIFY(contenu.startsWith(debut));
        QVERIFY(contenu.contains(marque));
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
        QTest::newRow("format inconnu") << QStringList{"fiche", "Aldo", "--format", "docx"} << 2 << "Format inconnu : docx";
        QTest::newRow("pdf sans fichier") << QStringList{"fiche", "Aldo", "--format", "pdf"} << 2
                                          << "Le format pdf s'écrit dans un fichier : ajoutez --sortie FICHIER.";
        QTest::newRow("odt impossible à écrire") << QStringList{"fiche", "Aldo", "--format", "odt", "--sortie", "/dossier/absent/x.odt"}
                                                 << 3 << "Impossible d'écrire le fichier « /dossier/absent/x.odt »";
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

// Application graphique sans écran : la mise en page des PDF et OpenDocument lit les polices.
QTEST_MAIN(TestFicheCli)
#include "test_fiche_cli.moc"

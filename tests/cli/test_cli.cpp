// quorvane-cli lancé comme un utilisateur le lance : codes de sortie, sorties et messages.
#include "OutilsShell.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

namespace {

struct Resultat
{
    int code = -1;
    QString sortie;
    QString erreurs;
};

Resultat lance(const QStringList& arguments, const QString& dossierConfiguration = {})
{
    QProcess p;
    if (!dossierConfiguration.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QUORVANE_CONFIG", dossierConfiguration);
        p.setProcessEnvironment(env);
    }
    p.start(QDir(dossierProgramme()).filePath("quorvane-cli"), arguments);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList avecProgramme(QStringList arguments)
{
    return arguments << "--programme" << dossierProgramme();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void creeEtListeUneBaseVide()
    {
        DossierTest d;
        const QString x = d.chemin("x.db");
        const Resultat creation = lance(avecProgramme({"creer-base", x}));
        QVERIFY2(creation.code == 0, qPrintable(creation.erreurs));
        const Resultat liste = lance(avecProgramme({"liste", "--base", x}));
        QVERIFY2(liste.code == 0, qPrintable(liste.erreurs));
        QCOMPARE(liste.sortie, QString());
        // Créer deux fois le même fichier est refusé sans toucher au premier.
        const Resultat encore = lance(avecProgramme({"creer-base", x}));
        QCOMPARE(encore.code, 3);
        QVERIFY(encore.erreurs.contains("existe déjà"));
    }

    void listeCommeLeChoix()
    {
        DossierTest d;
        const QString x = d.chemin("x.db");
        QCOMPARE(lance(avecProgramme({"creer-base", x})).code, 0);
        {
            auto base = BaseDonnees::ouvre(x);
            ajoutePersonnage(*base, "Élise", "Elfe", {3, QVariant(), 4}, {"Magicien", "", "Roublard"});
            ajoutePersonnage(*base, "D'Artagnan", "Humain", {5, 5}, {"Guerrier", "Roublard"});
            ajoutePersonnage(*base, "Caché", "Orque", {1}, {"Barbare"}, true);
            ajoutePersonnage(*base, "bob", "Nain");
            ajoutePersonnage(*base, "Ta\tb\nc", "Nain");   // échappé : les colonnes restent des colonnes
            ajoutePersonnage(*base, "Zoé", "Gnome", {2, 1, 7}, {"Barde", "Moine", "Druide"});
        }
        const Resultat liste = lance(avecProgramme({"liste", "--base", x}));
        QVERIFY2(liste.code == 0, qPrintable(liste.erreurs));
        QCOMPARE(liste.sortie.split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{"bob\tNain\t0\t", "D'Artagnan\tHumain\t10\tGuerrier",
                              "Élise\tElfe\t7\tRoublard", "Ta\\tb\\nc\tNain\t0\t", "Zoé\tGnome\t10\tDruide"}));
    }

    // Sans --base : la dernière base du fichier de réglages, ou perso.db si elle n'existe plus.
    void baseParDefaut()
    {
        DossierTest d;
        QDir(d.dossier().path()).mkdir("programme");
        QDir(d.dossier().path()).mkdir("config");
        const QString programme = d.chemin("programme");
        const QString config = d.chemin("config");
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath("tessarys.db"), QDir(programme).filePath("tessarys.db")));
        const QString perso = QDir(programme).filePath("perso.db");
        const QString autre = d.chemin("autre.db");
        for (const auto& [chemin, nom] : {std::pair{perso, "Dans perso"}, std::pair{autre, "Dans autre"}}) {
            QCOMPARE(lance({"creer-base", chemin, "--programme", programme}, config).code, 0);
            BaseDonnees::ouvre(chemin)->ajoute("Personnage", {{"Nom", nom}});
        }
        auto ecritIni = [&](const QString& bdd) {
            QFile ini(QDir(config).filePath("TESSARY.INI"));
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ini.write(QStringLiteral("[FICHIER]\nBDD=%1\n").arg(bdd).toUtf8());
        };
        const QStringList liste{"liste", "--programme", programme};
        ecritIni(autre);
        QCOMPARE(lance(liste, config).sortie, "Dans autre\t\t0\t\n");
        ecritIni(d.chemin("disparue.db"));
        QCOMPARE(lance(liste, config).sortie, "Dans perso\t\t0\t\n");
    }

    void echecsClairs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        // Codes : 1 introuvable, 2 commande mal formée, 3 base illisible, verrouillée ou en lecture seule.
        QTest::newRow("sans commande") << QStringList{} << 2 << "Aucune commande";
        QTest::newRow("commande inconnue") << QStringList{"efface"} << 2 << "Commande inconnue";
        QTest::newRow("option sans valeur") << QStringList{"liste", "--base"} << 2 << "attend une valeur";
        QTest::newRow("fichier manquant") << QStringList{"mise-a-jour", "@/absent.db"} << 1 << "n'existe pas";
        QTest::newRow("personnage absent") << QStringList{"fiche", "Personne", "--base", "@/vide.db"} << 1
                                           << "Le personnage « Personne » n'existe pas";
        QTest::newRow("pas une base") << QStringList{"mise-a-jour", "@/texte.db"} << 3 << "n'est pas une base";
        QTest::newRow("base du programme") << QStringList{"liste", "--base", "#"} << 2
                                           << "On ne peut pas ouvrir la base du programme";
        QTest::newRow("programme absent") << QStringList{"liste", "--programme", "@"} << 1 << "introuvable";
        QTest::newRow("expression de dés refusée") << QStringList{"des", "3x6"} << 2 << "à partir de « x6 »";
        QTest::newRow("jets hors bornes") << QStringList{"des", "1d6", "--fois", "0"} << 2 << "--fois attend un nombre";
        QTest::newRow("jets hors de des") << QStringList{"liste", "--fois", "2"} << 2 << "qu'à la commande des";
    }
    void echecsClairs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        DossierTest d;
        ecritFichier(d.chemin("texte.db"), "Ceci n'est pas une base de données, seulement du texte.\n");
        QCOMPARE(lance(avecProgramme({"creer-base", d.chemin("vide.db")})).code, 0);
        QStringList args;
        for (QString a : arguments) {
            a.replace(u'@', d.dossier().path());
            if (a == u"#")
                a = QDir(dossierProgramme()).filePath("TESSARYS.DB");
            args << a;
        }
        if (!arguments.contains("--programme"))
            args = avecProgramme(args);
        const Resultat r = lance(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
    }

    // --help vaut --aide ; --version donne le nom et la version, sans rien ouvrir.
    void aideEtVersion()
    {
        const Resultat aide = lance({"--aide"});
        QCOMPARE(aide.code, 0);
        QVERIFY(aide.sortie.contains("Codes de sortie"));
        QCOMPARE(lance({"liste", "--help"}).sortie, aide.sortie);
        const Resultat version = lance({"--version", "--programme", "/nulle/part"});
        QCOMPARE(version.code, 0);
        QVERIFY2(QRegularExpression("^quorvane-cli \\d+\\.\\d+\\.\\d+\n$").match(version.sortie).hasMatch(),
                 qPrintable(version.sortie));
    }

    // Une ligne par jet : les quatre dés, le plus bas écarté entre parenthèses, " = " et le total
    // des trois gardés ; une graine rejoue les mêmes dés.
    void desGardeLesPlusHauts()
    {
        const Resultat r = lance({"des", "4d6kh3", "--fois", "3"});
        QVERIFY2(r.code == 0, qPrintable(r.erreurs));
        const QStringList lignes = r.sortie.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lignes.size(), 3);
        for (const QString& ligne : lignes) {
            const QStringList cotes = ligne.split(" = ");
            QCOMPARE(cotes.size(), 2);
            QList<int> gardes;
            QList<int> ecartes;
            for (QString de : cotes[0].split(u' ')) {
                const bool ecarte = de.startsWith(u'(') && de.endsWith(u')');
                const int valeur = ecarte ? de.mid(1, de.size() - 2).toInt() : de.toInt();
                QVERIFY2(valeur >= 1 && valeur <= 6, qPrintable(ligne));
                (ecarte ? ecartes : gardes) << valeur;
            }
            QCOMPARE(gardes.size(), 3);
            QCOMPARE(ecartes.size(), 1);
            QVERIFY2(ecartes[0] <= *std::min_element(gardes.begin(), gardes.end()), qPrintable(ligne));
            QCOMPARE(cotes[1].toInt(), gardes[0] + gardes[1] + gardes[2]);
        }
        const QStringList graine{"des", "2d20+1d4-1", "--fois", "5", "--graine", "7"};
        QCOMPARE(lance(graine).sortie, lance(graine).sortie);
    }

    void baseVerrouillee()
    {
        DossierTest d;
        const QString x = d.chemin("x.db");
        QCOMPARE(lance(avecProgramme({"creer-base", x})).code, 0);
        auto verrou = BaseDonnees::ouvre(x);
        verrou->execute("BEGIN EXCLUSIVE");
        const Resultat r = lance(avecProgramme({"liste", "--base", x}));
        verrou->execute("ROLLBACK");
        QCOMPARE(r.code, 3);
        QVERIFY2(r.erreurs.contains("verrouillée"), qPrintable(r.erreurs));
    }

    void baseEnLectureSeule()
    {
        if (::geteuid() == 0)
            QSKIP("l'administrateur écrit même dans un fichier en lecture seule");
        DossierTest d;
        const QString x = d.chemin("x.db");
        QCOMPARE(lance(avecProgramme({"creer-base", x})).code, 0);
        {
            auto base = BaseDonnees::ouvre(x);
            base->execute("update Version set version=20");
        }
        QFile::setPermissions(x, QFileDevice::ReadOwner);
        const Resultat r = lance(avecProgramme({"mise-a-jour", x}));
        QCOMPARE(r.code, 3);
        QVERIFY2(r.erreurs.contains("lecture seule"), qPrintable(r.erreurs));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

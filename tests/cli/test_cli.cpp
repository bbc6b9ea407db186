// quorvane-cli lancé comme un utilisateur le lance : codes de sortie, sorties et messages.
#include "commun/Fixtures.h"
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
        env.insert(QStringLiteral("QUORVANE_CONFIG"), dossierConfiguration);
        p.setProcessEnvironment(env);
    }
    p.start(QDir(dossierProgramme()).filePath(QStringLiteral("quorvane-cli")), arguments);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList avecProgramme(QStringList arguments)
{
    return arguments << QStringLiteral("--programme") << dossierProgramme();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void creeEtListeUneBaseVide()
    {
        DossierTest d;
        const QString x = d.chemin(QStringLiteral("x.db"));
        const Resultat creation = lance(avecProgramme({QStringLiteral("creer-base"), x}));
        QVERIFY2(creation.code == 0, qPrintable(creation.erreurs));
        const Resultat liste = lance(avecProgramme({QStringLiteral("liste"), QStringLiteral("--base"), x}));
        QVERIFY2(liste.code == 0, qPrintable(liste.erreurs));
        QCOMPARE(liste.sortie, QString());
        // Créer deux fois le même fichier est refusé sans toucher au premier.
        const Resultat encore = lance(avecProgramme({QStringLiteral("creer-base"), x}));
        QCOMPARE(encore.code, 1);
        QVERIFY(encore.erreurs.contains(QStringLiteral("existe déjà")));
    }

    void listeCommeLeChoix()
    {
        DossierTest d;
        const QString x = d.chemin(QStringLiteral("x.db"));
        QCOMPARE(lance(avecProgramme({QStringLiteral("creer-base"), x})).code, 0);
        {
            auto base = BaseDonnees::ouvre(x);
            auto ajoute = [&](const QString& nom, const QString& race, const QVariantList& niveaux, const QStringList& classes,
                              bool exclu = false) {
                QVariantMap champs{{QStringLiteral("Nom"), nom}, {QStringLiteral("RACE"), race}, {QStringLiteral("exclu"), exclu}};
                for (int i = 0; i < niveaux.size(); ++i)
                    champs.insert(QStringLiteral("Niv_%1").arg(i + 1), niveaux.at(i));
                for (int i = 0; i < classes.size(); ++i)
                    champs.insert(QStringLiteral("Classe_%1").arg(i + 1), classes.at(i));
                base->ajoute(QStringLiteral("Personnage"), champs);
            };
            ajoute(QStringLiteral("Élise"), QStringLiteral("Elfe"), {3, QVariant(), 4}, {"Magicien", QString(), "Roublard"});
            ajoute(QStringLiteral("D'Artagnan"), QStringLiteral("Humain"), {5, 5}, {"Guerrier", "Roublard"});
            ajoute(QStringLiteral("Caché"), QStringLiteral("Orque"), {1}, {"Barbare"}, true);
            ajoute(QStringLiteral("bob"), QStringLiteral("Nain"), {}, {});
            ajoute(QStringLiteral("Zoé"), QStringLiteral("Gnome"), {2, 1, 7}, {"Barde", "Moine", "Druide"});
        }
        const Resultat liste = lance(avecProgramme({QStringLiteral("liste"), QStringLiteral("--base"), x}));
        QVERIFY2(liste.code == 0, qPrintable(liste.erreurs));
        QCOMPARE(liste.sortie.split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("bob\tNain\t0\t"), QStringLiteral("D'Artagnan\tHumain\t10\tGuerrier"),
                              QStringLiteral("Élise\tElfe\t7\tRoublard"), QStringLiteral("Zoé\tGnome\t10\tDruide")}));
    }

    // Sans --base : la dernière base du fichier de réglages, ou perso.db si elle n'existe plus.
    void baseParDefaut()
    {
        DossierTest d;
        QDir(d.dossier().path()).mkdir(QStringLiteral("programme"));
        QDir(d.dossier().path()).mkdir(QStringLiteral("config"));
        const QString programme = d.chemin(QStringLiteral("programme"));
        const QString config = d.chemin(QStringLiteral("config"));
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db")),
                            QDir(programme).filePath(QStringLiteral("tessarys.db"))));
        const QString perso = QDir(programme).filePath(QStringLiteral("perso.db"));
        const QString autre = d.chemin(QStringLiteral("autre.db"));
        for (const auto& [chemin, nom] : {std::pair{perso, QStringLiteral("Dans perso")}, std::pair{autre, QStringLiteral("Dans autre")}}) {
            QCOMPARE(lance({QStringLiteral("creer-base"), chemin, QStringLiteral("--programme"), programme}, config).code, 0);
            BaseDonnees::ouvre(chemin)->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), nom}});
        }
        auto ecritIni = [&](const QString& bdd) {
            QFile ini(QDir(config).filePath(QStringLiteral("TESSARY.INI")));
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ini.write(QStringLiteral("[FICHIER]\nBDD=%1\n").arg(bdd).toUtf8());
        };
        const QStringList liste{QStringLiteral("liste"), QStringLiteral("--programme"), programme};
        ecritIni(autre);
        QCOMPARE(lance(liste, config).sortie, QStringLiteral("Dans autre\t\t0\t\n"));
        ecritIni(d.chemin(QStringLiteral("disparue.db")));
        QCOMPARE(lance(liste, config).sortie, QStringLiteral("Dans perso\t\t0\t\n"));
    }

    void echecsClairs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("sans commande") << QStringList{} << 2 << "Aucune commande";
        QTest::newRow("commande inconnue") << QStringList{"efface"} << 2 << "Commande inconnue";
        QTest::newRow("option sans valeur") << QStringList{"liste", "--base"} << 2 << "attend une valeur";
        QTest::newRow("fichier manquant") << QStringList{"mise-a-jour", "@/absent.db"} << 1 << "n'existe pas";
        QTest::newRow("pas une base") << QStringList{"mise-a-jour", "@/texte.db"} << 1 << "n'est pas une base";
        QTest::newRow("base du programme") << QStringList{"liste", "--base", "#"} << 1
                                           << "On ne peut pas ouvrir la base du programme";
        QTest::newRow("programme absent") << QStringList{"liste", "--programme", "@"} << 1 << "introuvable";
    }
    void echecsClairs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        DossierTest d;
        QFile texte(d.chemin(QStringLiteral("texte.db")));
        QVERIFY(texte.open(QIODevice::WriteOnly));
        texte.write("Ceci n'est pas une base de données, seulement du texte.\n");
        texte.close();
        QStringList args;
        for (QString a : arguments) {
            a.replace(u'@', d.dossier().path());
            if (a == u"#")
                a = QDir(dossierProgramme()).filePath(QStringLiteral("TESSARYS.DB"));
            args << a;
        }
        if (!arguments.contains(QStringLiteral("--programme")))
            args = avecProgramme(args);
        const Resultat r = lance(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.erreurs.contains(message), qPrintable(r.erreurs));
    }

    void baseVerrouillee()
    {
        DossierTest d;
        const QString x = d.chemin(QStringLiteral("x.db"));
        QCOMPARE(lance(avecProgramme({QStringLiteral("creer-base"), x})).code, 0);
        auto verrou = BaseDonnees::ouvre(x);
        verrou->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        const Resultat r = lance(avecProgramme({QStringLiteral("liste"), QStringLiteral("--base"), x}));
        verrou->execute(QStringLiteral("ROLLBACK"));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.erreurs.contains(QStringLiteral("verrouillée")), qPrintable(r.erreurs));
    }

    void baseEnLectureSeule()
    {
        if (::geteuid() == 0)
            QSKIP("l'administrateur écrit même dans un fichier en lecture seule");
        DossierTest d;
        const QString x = d.chemin(QStringLiteral("x.db"));
        QCOMPARE(lance(avecProgramme({QStringLiteral("creer-base"), x})).code, 0);
        {
            auto base = BaseDonnees::ouvre(x);
            base->execute(QStringLiteral("update Version set version=20"));
        }
        QFile::setPermissions(x, QFileDevice::ReadOwner);
        const Resultat r = lance(avecProgramme({QStringLiteral("mise-a-jour"), x}));
        QCOMPARE(r.code, 1);
        QVERIFY2(r.erreurs.contains(QStringLiteral("lecture seule")), qPrintable(r.erreurs));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

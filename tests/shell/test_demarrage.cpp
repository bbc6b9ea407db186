// Démarrage : fichier de réglages (lecture, écriture, valeurs numériques, emplacement) et leurs replis,
// gestionnaire commun des erreurs (message, journal, mode débogage), ouverture des bases.
#include "OutilsShell.h"
#include "shell/Demarrage.h"
#include "shell/Erreur.h"
#include "shell/FichierIni.h"
#include "shell/GestionErreurs.h"
#include "shell/db/SchemaPerso.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <stdexcept>

namespace {

QString ini(const QString& dossier)
{
    return QDir(dossier).filePath("TESSARY.INI");
}

int version(BaseDonnees& base)
{
    return base.scalaire("select version from Version").toInt();
}

QByteArray litFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList lignesJournal(const QString& chemin)
{
    return QString::fromUtf8(litFichier(chemin)).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestDemarrage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("attendu");
        const QByteArray ini = "[FICHIER]\r\nBDD=/home/élise/mes persos.db\r\n[MODE]\r\nDEBUG = 1 \r\n"
                               "[frmMain]\r\nPOS_X=\"120\"\r\n";
        QTest::newRow("valeur avec espaces et accents") << ini << "FICHIER" << "BDD" << "/home/élise/mes persos.db";
        QTest::newRow("section et clé sans égard à la casse") << ini << "fichier" << "bdd" << "/home/élise/mes persos.db";
        QTest::newRow("blancs autour du signe égal") << ini << "MODE" << "DEBUG" << "1";
        QTest::newRow("guillemets retirés") << ini << "frmMain" << "POS_X" << "120";
        QTest::newRow("clé absente") << ini << "MODE" << "BDD" << "";
        QTest::newRow("section absente") << ini << "WORD" << "MiseEnForme" << "";
        QTest::newRow("clé d'une autre section") << ini << "frmMain" << "DEBUG" << "";
        QTest::newRow("fichier vide") << QByteArray() << "FICHIER" << "BDD" << "";
        QTest::newRow("255 caractères au plus") << QByteArray("[A]\nB=" + QByteArray(300, 'x') + "\n") << "A" << "B"
                                                << QString(255, u'x');
    }
    void lecture()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, attendu);
        DossierTest d;
        const QString chemin = d.chemin("TESSARY.INI");
        ecritFichier(chemin, contenu);
        QCOMPARE(LitIni(chemin, section, cle), attendu);
    }

    // L'écriture crée fichier et dossiers, remplace une clé sans la doubler, et garde le reste du fichier.
    void ecriture()
    {
        DossierTest d;
        const QString neuf = d.chemin("config/quorvane/TESSARY.INI");
        QCOMPARE(LitIni(neuf, "FICHIER", "BDD"), QString());
        QVERIFY(!QFile::exists(neuf));
        QVERIFY(EcritIni(neuf, "FICHIER", "BDD", "/tmp/a b.db"));
        QCOMPARE(LitIni(neuf, "FICHIER", "BDD"), "/tmp/a b.db");
        QVERIFY(EcritIni(neuf, "FICHIER", "BDD", "/tmp/c.db"));
        QCOMPARE(LitIni(neuf, "FICHIER", "BDD"), "/tmp/c.db");
        QCOMPARE(litFichier(neuf).count("BDD="), 1);

        const QString chemin = d.chemin("TESSARY.INI");
        ecritFichier(chemin, "; réglages faits à la main\r\n[MODE]\r\nDEBUG=0\r\n\r\n[frmMain]\r\npos_x=3\r\n\r\n"
                             "[WORD]\r\nMiseEnForme=1\r\n");
        QVERIFY(EcritIni(chemin, "FRMMAIN", "POS_X", "40"));
        QVERIFY(EcritIni(chemin, "frmMain", "POS_Y", "50"));
        QVERIFY(EcritIni(chemin, "FICHIER", "BDD", "/x.db"));

        const QString texte = QString::fromUtf8(litFichier(chemin));
        QVERIFY(texte.contains("; réglages faits à la main"));
        QCOMPARE(texte.count("[frmMain]"), 1);
        // La clé nouvelle va dans sa section, avant la section suivante.
        QVERIFY(texte.indexOf("POS_Y=50") > texte.indexOf("[frmMain]"));
        QVERIFY(texte.indexOf("POS_Y=50") < texte.indexOf("[WORD]"));
        QCOMPARE(LitIni(chemin, "frmMain", "POS_X"), "40");
        QCOMPARE(LitIni(chemin, "WORD", "MiseEnForme"), "1");
        QCOMPARE(LitIni(chemin, "MODE", "DEBUG"), "0");
        QCOMPARE(LitIni(chemin, "FICHIER", "BDD"), "/x.db");
    }

    // Valeur numérique d'un réglage : préfixe numérique, 0 sinon ; hors des 16 bits, l'erreur 6 ; un fichier
    // absent n'est pas créé par la lecture, seulement quand on demande d'écrire la valeur par défaut.
    void parametreNumerique_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu"); // -1 : dépassement
        QTest::newRow("nombre") << "12" << 12;
        QTest::newRow("préfixe numérique") << "7 px" << 7;
        QTest::newRow("négatif") << "-30" << -30;
        QTest::newRow("pas un nombre") << "abc" << 0;
        QTest::newRow("vide") << "" << 0;
        QTest::newRow("plus grand entier 16 bits") << "32767" << 32767;
        QTest::newRow("hors des 16 bits") << "40000" << -1;
    }
    void parametreNumerique()
    {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        DossierTest d;
        const QString chemin = d.chemin("TESSARY.INI");
        EcritIni(chemin, "frmMain", "POS_X", texte);
        try {
            QCOMPARE(ParametreIni(chemin, "frmMain", "POS_X", 999, false), attendu);
        } catch (const ErreurExecution& e) {
            QCOMPARE(attendu, -1);
            QCOMPARE(e.numero(), int(NumeroErreur::Depassement));
        }
        const QString absent = d.chemin("absent/TESSARY.INI");
        QCOMPARE(ParametreIni(absent, "frmMain", "POS_X", 0, false), 0);
        QVERIFY(!QFile::exists(absent));
        QCOMPARE(ParametreIni(absent, "frmMain", "POS_Y", -42, true), -42);
        QCOMPARE(LitIni(absent, "frmMain", "POS_Y"), "-42");
    }

    void dossierConfigurationImpose()
    {
        const QByteArray avant = qgetenv("QUORVANE_CONFIG");
        qputenv("QUORVANE_CONFIG", "/tmp/ailleurs/");
        QCOMPARE(DossierConfiguration(), "/tmp/ailleurs");
        qunsetenv("QUORVANE_CONFIG");
        QVERIFY(DossierConfiguration().endsWith("/quorvane"));
        if (!avant.isEmpty())
            qputenv("QUORVANE_CONFIG", avant);
    }

    void erreurInterceptee_data()
    {
        QTest::addColumn<int>("genre");   // 0 : erreur d'exécution, 1 : exception de bibliothèque
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("description");
        QTest::newRow("dépassement") << 0 << 6 << "Dépassement de capacité";
        QTest::newRow("erreur de base") << 0 << 3000 << "Le fichier « x.db » n'existe pas.";
        QTest::newRow("exception standard") << 1 << int(kErreurInterne) << "vecteur trop court";
    }
    void erreurInterceptee()
    {
        QFETCH(int, genre);
        QFETCH(int, numero);
        QFETCH(QString, description);
        DossierTest d;
        const QString journal = d.chemin("errvb.log");
        ecritFichier(journal, "ancienne ligne\n"); // une ligne d'une exécution précédente reste en place
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        QStringList messages;
        g.afficheAvec([&](const QString& m) { messages << m; });

        g.protege("cmdOK_Click", "frmEssai.cpp", [&] {
            if (genre == 0)
                throw ErreurExecution(numero, description);
            throw std::out_of_range(description.toStdString());
        });

        QCOMPARE(messages, QStringList{MessageErreur(numero, description)});
        const QStringList lignes = lignesJournal(journal);
        QCOMPARE(lignes.size(), 2);
        QCOMPARE(lignes.first(), "ancienne ligne");
        const QString ligne = lignes.last();
        QVERIFY2(ligne.endsWith(QString::number(numero) + u' ' + description
                                + " Procedure : cmdOK_Click  Module : frmEssai.cpp"),
                 qPrintable(ligne));
        const QDateTime quand = QDateTime::fromString(ligne.left(19), "dd/MM/yyyy HH:mm:ss");
        QVERIFY(quand.isValid());
        QVERIFY(qAbs(quand.secsTo(QDateTime::currentDateTime())) < 60);
    }

    // Sans erreur rien n'est signalé ; en mode débogage rien n'est intercepté ; une description sur
    // plusieurs lignes tient sur une ligne du journal ; un journal impossible n'empêche pas le message.
    void autresCasDuGestionnaire()
    {
        QCOMPARE(MessageErreur(6, "Dépassement de capacité"),
                 "L'erreur suivante s'est produite : Dépassement de capacité\n\n numéro d'erreur (6 )");
        DossierTest d;
        const QString journal = d.chemin("errvb.log");
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        QStringList messages;
        g.afficheAvec([&](const QString& m) { messages << m; });
        int appels = 0;
        g.protege("p", "m.cpp", [&] { ++appels; });
        QCOMPARE(appels, 1);
        g.modeDebug = 1;
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, g.protege("p", "m.cpp", [] { throw ErreurExecution(6, "x"); }));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, g.protege("p", "m.cpp", [] { throw std::runtime_error("y"); }));
        QVERIFY(messages.isEmpty());
        QVERIFY(lignesJournal(journal).isEmpty());
        g.modeDebug = 0;
        g.protege("p", "m.cpp", [] { throw ErreurExecution(5, "première\ndeuxième"); });
        QCOMPARE(lignesJournal(journal).size(), 1);
        GestionErreurs sansJournal;
        QVERIFY(!sansJournal.ouvreJournal(d.chemin("absent/errvb.log")));
        sansJournal.afficheAvec([&](const QString& m) { messages << m; });
        sansJournal.protege("p", "m.cpp", [] { throw ErreurExecution(6, "x"); });
        QCOMPARE(messages.size(), 2);
    }

    // Réglages lus au démarrage (valeurs par défaut sans fichier, que la lecture ne crée pas) ; perso.db
    // du dossier du programme ouverte, ou créée à la version courante quand elle manque.
    void demarrageSimple_data()
    {
        QTest::addColumn<QByteArray>("contenu");   // nul : pas de fichier de réglages
        QTest::addColumn<bool>("persoLivree");
        QTest::addColumn<int>("debug");
        QTest::addColumn<bool>("doubleCarac");
        QTest::addColumn<bool>("miseEnForme");
        QTest::addColumn<QString>("site");         // vide : celui par défaut
        QTest::newRow("sans réglages") << QByteArray() << true << 0 << false << false << "";
        QTest::newRow("sans réglages ni perso.db") << QByteArray() << false << 0 << false << false << "";
        QTest::newRow("tout à zéro") << QByteArray("[MODE]\nDEBUG=0\n") << true << 0 << false << false << "";
        QTest::newRow("débogage et drapeaux")
            << QByteArray("[MODE]\nDEBUG=2\n[COMPETENCE]\nDOUBLECARAC=1\n[WORD]\nMiseEnForme=-1\n") << true << 2 << true
            << true << "";
        QTest::newRow("drapeau non numérique") << QByteArray("[COMPETENCE]\nDOUBLECARAC=oui\n") << true << 0 << false
                                               << false << "";
        QTest::newRow("site de l'auteur") << QByteArray("[SITE]\nADRESSE=https://exemple.test/q\n") << true << 0
                                          << false << false << "https://exemple.test/q";
    }
    void demarrageSimple()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(bool, persoLivree);
        QFETCH(int, debug);
        QFETCH(bool, doubleCarac);
        QFETCH(bool, miseEnForme);
        QFETCH(QString, site);
        DossiersShell d;
        const QString perso = QDir(d.programme).filePath("perso.db");
        if (persoLivree)
            d.creeBasePerso(perso);
        if (!contenu.isNull())
            ecritFichier(ini(d.config), contenu);
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QCOMPARE(QDir::currentPath(), QDir(d.programme).absolutePath());
        QVERIFY(QFile::exists(QDir(d.programme).filePath("errvb.log")));
        QCOMPARE(etat.cheminIni, ini(d.config));
        QCOMPARE(etat.erreurs.modeDebug, debug);
        QCOMPARE(etat.doubleCarac, doubleCarac);
        QCOMPARE(etat.miseEnForme, miseEnForme);
        QVERIFY(etat.marqueProgressionDons);
        QVERIFY(site.isEmpty() ? !etat.adresseSite.isEmpty() : etat.adresseSite == site);

        QCOMPARE(OuvreBasesDemarrage(etat), !persoLivree);
        QCOMPARE(etat.cheminPerso, perso);
        QCOMPARE(etat.perso->chemin(), perso);
        QVERIFY(etat.perso->existeTable("Personnage"));
        QCOMPARE(version(*etat.perso), kVersionBase);
        QVERIFY(etat.programme);
        QCOMPARE(QFile::exists(ini(d.config)), !contenu.isNull());
    }

    // La dernière base n'est reprise que si elle existe encore, se lit et n'est pas la base du programme ;
    // sinon perso.db. La base ouverte, ancienne, est mise à niveau.
    void basePersoOuverte_data()
    {
        QTest::addColumn<bool>("iniDuProgramme");
        QTest::addColumn<QString>("bdd");
        QTest::addColumn<bool>("reprise");
        QTest::addColumn<QString>("message");   // vide : aucun
        QTest::newRow("réglages de la configuration") << false << "autre.db" << true << "";
        QTest::newRow("réglages du dossier du programme") << true << "autre.db" << true << "";
        QTest::newRow("fichier disparu") << false << "disparu.db" << false << "";
        QTest::newRow("base du programme")
            << false << "programme/tessarys.db" << false << "On ne peut pas ouvrir la base du programme";
        QTest::newRow("dossier") << false << "programme" << false << "";
        QTest::newRow("fichier illisible") << false << "abimee.db" << false << "n'est pas une base de données";
    }
    void basePersoOuverte()
    {
        QFETCH(bool, iniDuProgramme);
        QFETCH(QString, bdd);
        QFETCH(bool, reprise);
        QFETCH(QString, message);
        DossiersShell d;
        const QString perso = d.creeBasePerso(QDir(d.programme).filePath("perso.db"));
        const QString autre = d.creeBasePerso("autre.db");
        for (const QString& base : {perso, autre})
            BaseDonnees::ouvre(base)->execute("update Version set Version = 20");
        ecritFichier(d.chemin("abimee.db"), QByteArray(4096, 'z'));
        const QString reglages = ini(iniDuProgramme ? d.programme : d.config);
        EcritIni(reglages, "FICHIER", "BDD", d.chemin(bdd));
        // Des réglages aux deux endroits : ceux de la configuration l'emportent.
        if (!iniDuProgramme)
            EcritIni(ini(d.programme), "FICHIER", "BDD", QDir(d.programme).filePath("perso.db"));

        EtatShell etat;
        QStringList affiches;
        etat.erreurs.afficheAvec([&](const QString& m) { affiches << m; });
        PrepareDemarrage(etat, d.programme, d.config);
        OuvreBasesDemarrage(etat);
        QCOMPARE(etat.cheminIni, reglages);
        QCOMPARE(etat.cheminPerso, reprise ? autre : perso);
        QCOMPARE(etat.perso->chemin(), etat.cheminPerso);
        QCOMPARE(version(*etat.perso), kVersionBase);
        QCOMPARE(affiches.size(), message.isEmpty() ? 0 : 1);
        for (const QString& m : affiches)
            QVERIFY2(m.startsWith("L'erreur suivante s'est produite : ") && m.contains(message), qPrintable(m));
    }

    // Installé (<préfixe>/bin, règles dans <préfixe>/share/quorvane) : les règles sont lues là, la
    // base de personnages et le journal vont dans les données de l'utilisateur, perso.db y naît
    // copie des exemples livrés, et un second démarrage la garde telle que l'utilisateur l'a laissée.
    void programmeInstalle()
    {
        DossiersShell d;
        const QString bin = d.chemin("usr/bin");
        const QString partage = d.chemin("usr/share/quorvane");
        const QString donnees = d.chemin("donnees");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(partage));
        for (const char* nom : {kNomBaseProgramme, kNomBaseExemples})
            QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath(QLatin1String(nom)), QDir(partage).filePath(QLatin1String(nom))));
        const QByteArray avant = qgetenv("QUORVANE_DONNEES");
        qputenv("QUORVANE_DONNEES", donnees.toUtf8());
        const QString perso = QDir(donnees).filePath("perso.db");
        for (int demarrage = 1; demarrage <= 2; ++demarrage) {
            EtatShell etat;
            PrepareDemarrage(etat, bin, d.config);
            QCOMPARE(etat.dossierProgramme, partage);
            QCOMPARE(OuvreBasesDemarrage(etat), demarrage == 1);
            QCOMPARE(etat.cheminPerso, perso);
            QCOMPARE(etat.perso->scalaire("select count(*) from Personnage").toInt(), demarrage == 1 ? 8 : 7);
            if (demarrage == 1)
                etat.perso->execute("delete from Personnage where Nom = 'brunehaut'");
        }
        qputenv("QUORVANE_DONNEES", avant);
        QVERIFY(QFile::exists(QDir(donnees).filePath(QLatin1String(kNomJournal))));
        QVERIFY(!QFile::exists(QDir(partage).filePath("perso.db")));
        // Depuis sa construction, le programme garde tout dans son dossier.
        QCOMPARE(DossierProgrammeDepuis(dossierProgramme()), QDir::cleanPath(dossierProgramme()));
        QCOMPARE(DossierPersonnel(dossierProgramme()), QDir::cleanPath(dossierProgramme()));
    }

    void baseProgrammeAbsente()
    {
        DossiersShell d;
        QVERIFY(QFile::remove(QDir(d.programme).filePath(QLatin1String(kNomBaseProgramme))));
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        try {
            OuvreBasesDemarrage(etat);
            QFAIL("le démarrage doit échouer sans base du programme");
        } catch (const ErreurExecution& e) {
            QVERIFY(e.description().contains(QLatin1String(kNomBaseProgramme)));
        }
        // Aucune base de personnages n'a été créée à sa place.
        QVERIFY(!QFile::exists(QDir(d.programme).filePath("perso.db")));
    }

    void estBaseProgramme_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<bool>("attendu");
        QTest::newRow("chemin exact") << "programme/tessarys.db" << true;
        QTest::newRow("majuscules") << "programme/TESSARYS.DB" << true;
        QTest::newRow("casse mêlée") << "PROGRAMME/Tessarys.Db" << true;
        QTest::newRow("détour") << "programme/../programme/./tessarys.db" << true;
        QTest::newRow("autre base") << "programme/perso.db" << false;
        QTest::newRow("même nom ailleurs") << "tessarys.db" << false;
    }
    void estBaseProgramme()
    {
        QFETCH(QString, relatif);
        QFETCH(bool, attendu);
        DossiersShell d;
        EtatShell etat;
        PrepareDemarrage(etat, d.programme, d.config);
        QCOMPARE(EstBaseProgramme(etat, d.chemin(relatif)), attendu);
        QVERIFY(!EstBaseProgramme(etat, QString()));
    }

    void adopteBaseEcritLeChemin()
    {
        DossiersShell d;
        auto etat = demarre(d);
        const QString autre = d.creeBasePerso("autre.db");
        AdopteBasePersonnages(*etat, OuvreBasePersonnages(*etat, autre), autre);
        QCOMPARE(etat->perso->chemin(), autre);
        QCOMPARE(etat->cheminPerso, autre);
        QCOMPARE(LitIni(ini(d.config), "FICHIER", "BDD"), autre);
    }
};

QTEST_GUILESS_MAIN(TestDemarrage)
#include "test_demarrage.moc"

// Fiabilité des bases : validation refusée par un autre programme, fichiers étrangers ou abîmés
// laissés intacts, création d'un seul coup, messages en français, règles jamais écrites et leur
// surcouche, arrêts brutaux pendant les enregistrements et les mises à niveau.
#include "AnciennesBases.h"
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "shell/Demarrage.h"
#include "shell/Erreur.h"
#include "shell/db/MiseAJour.h"
#include "shell/db/SchemaPerso.h"
#include "shell/db/SurcoucheRegles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>
#include <sqlite3.h>

namespace {

QByteArray empreinte(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString reglesLivrees()
{
    return QDir(dossierProgramme()).filePath(QLatin1String(kNomBaseProgramme));
}

// Copie des règles livrées, en lecture seule comme une fois installées.
QString reglesEnLectureSeule(const DossierTest& d)
{
    const QString copie = d.chemin(QStringLiteral("tessarys.db"));
    QFile::copy(reglesLivrees(), copie);
    QFile::setPermissions(copie, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    return copie;
}

QString message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ErreurExecution& e) {
        return e.description();
    }
    return {};
}

// Le personnage du test d'arrêt brutal : deux niveaux dont le second porte la marque de la
// version enregistrée, aussi écrite dans son profil.
PersonnageEdite versionDuPersonnage(const QString& nom, int version)
{
    PersonnageEdite p;
    p.nom = nom;
    p.race = QStringLiteral("Humain");
    p.identite.insert(QStringLiteral("Profil"), QString::number(version));
    for (int n = 1; n <= 2; ++n) {
        NiveauEdite niv;
        niv.classe = QStringLiteral("Guerrier");
        niv.niveau = QString::number(n);
        niv.pv = QString::number(n == 1 ? 10 : version % 8 + 1);
        const int caracs[6] = {15, 14, 13, 12, 10, 8};
        for (int i = 0; i < 6; ++i)
            niv.caracs[i] = QString::number(n == 1 ? caracs[i] : 0);
        p.niveaux.append(niv);
    }
    return p;
}

// Processus fils : enregistre et renomme le personnage sans fin, jusqu'à être tué.
int ecrivainSansFin(const QString& cheminBase, const QString& cheminRegles)
{
    auto programme = BaseDonnees::ouvreLecture(cheminRegles);
    auto perso = BaseDonnees::ouvre(cheminBase);
    const QStringList races = racesEditeur(*programme);
    for (int version = 1;; ++version) {
        const bool bob = perso->cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {QStringLiteral("Bob")}).estValide();
        const QString nom = bob ? QStringLiteral("Bob") : QStringLiteral("Robert");
        if (version % 3 == 0) {
            renommePersonnage(*perso, nom, bob ? QStringLiteral("Robert") : QStringLiteral("Bob"));
            continue;
        }
        if (const auto refus = Enregistre(*perso, *programme, versionDuPersonnage(nom, version), races)) {
            std::fprintf(stderr, "%s\n", qPrintable(refus->message));
            return 3;
        }
    }
}

// Processus fils : met à niveau une base ancienne.
int miseAJourSeule(const QString& cheminBase, const QString& cheminRegles)
{
    auto programme = BaseDonnees::ouvreLecture(cheminRegles);
    auto perso = BaseDonnees::ouvre(cheminBase);
    MiseAJourBase(*perso, *programme);
    return 0;
}

bool integre(const QString& chemin)
{
    auto base = BaseDonnees::ouvre(chemin);
    return base->scalaire(QStringLiteral("PRAGMA integrity_check")).toString() == u"ok";
}

int nombreArrets()
{
    const int impose = qEnvironmentVariableIntValue("QUORVANE_ARRETS");
    return impose > 0 ? impose : 30;
}

// Lance le fils puis le tue au bout d'un délai tiré au hasard.
void tueAuHasard(const QString& mode, const QString& base, const QString& regles, int delaiMaxMs)
{
    QProcess fils;
    fils.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    fils.start(QCoreApplication::applicationFilePath(), {mode, base, regles});
    QVERIFY(fils.waitForStarted());
    QTest::qWait(int(QRandomGenerator::global()->bounded(5, delaiMaxMs)));
    if (fils.state() != QProcess::NotRunning) {
        ::kill(pid_t(fils.processId()), SIGKILL);
        QVERIFY(fils.waitForFinished());
    }
    QVERIFY2(fils.exitStatus() == QProcess::CrashExit || fils.exitCode() == 0, "le fils a échoué de lui-même");
}

} // namespace

class TestFiabilite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(reglesLivrees()))
            QSKIP("base du programme non construite");
    }

    // Un COMMIT refusé parce qu'un autre programme lit la base : tout est annulé, le message le
    // dit, et l'enregistrement suivant arrive bien sur le disque.
    void validationRefuseeParUnLecteur()
    {
        DossierTest d;
        {
            auto base = baseVide(d);
            base->execute(QStringLiteral("CREATE TABLE t (v)"));
        }
        auto ecrivain = BaseDonnees::ouvre(d.chemin("test.db"));
        ecrivain->fixeAttenteVerrou(50);
        auto lecteur = BaseDonnees::ouvre(d.chemin("test.db"));
        {
            LectureGroupee verrou(*lecteur);
            lecteur->scalaire(QStringLiteral("SELECT count(*) FROM t"));
            Transaction t(*ecrivain);
            ecrivain->execute(QStringLiteral("INSERT INTO t VALUES (1)"));
            QCOMPARE(message([&] { t.valide(); }),
                     QStringLiteral("La base est utilisée par un autre programme ; rien n'a été enregistré. Réessayez."));
            QCOMPARE(ecrivain->profondeurTransaction(), 0);
        }
        Transaction t(*ecrivain);
        ecrivain->execute(QStringLiteral("INSERT INTO t VALUES (2)"));
        t.valide();
        ecrivain.reset();
        lecteur.reset();
        auto relue = BaseDonnees::ouvre(d.chemin("test.db"));
        QCOMPARE(relue->scalaire(QStringLiteral("SELECT group_concat(v) FROM t")).toString(), QStringLiteral("2"));
    }

    // Un fichier qui n'est pas une base de personnages, ou qu'on ne peut mettre à niveau sans
    // risque, est refusé sans qu'un seul octet change.
    void fichiersEtrangers_data()
    {
        QTest::addColumn<QString>("preparation");
        QTest::addColumn<QString>("attendu");
        const QString etranger = QStringLiteral("Ce fichier n'est pas une base de personnages");
        QTest::newRow("vide") << QString() << etranger;
        QTest::newRow("SQLite sans table") << "PRAGMA user_version = 7" << etranger;
        QTest::newRow("autre programme") << "CREATE TABLE clients (nom TEXT); INSERT INTO clients VALUES ('x')" << etranger;
        QTest::newRow("Version sans ligne") << "BASE21; DELETE FROM Version" << "est endommagée";
        QTest::newRow("Version plus récente") << "BASE21; UPDATE Version SET Version = 99"
                                              << "créée par une version plus récente de Quorvane";
    }
    void fichiersEtrangers()
    {
        QFETCH(QString, preparation);
        QFETCH(QString, attendu);
        DossierTest d;
        const QString chemin = d.chemin("autre.db");
        auto programme = BaseDonnees::ouvreLecture(reglesLivrees());
        if (preparation.isEmpty()) {
            ecritFichier(chemin);
        } else {
            auto base = preparation.startsWith(u"BASE21") ? CreeBasePersonnagesComplete(chemin, *programme)
                                                          : BaseDonnees::cree(chemin);
            for (const QString& sql : preparation.split(u';', Qt::SkipEmptyParts))
                if (sql.trimmed() != u"BASE21")
                    base->execute(sql.trimmed());
        }
        const QByteArray avant = empreinte(chemin);
        const QString lu = message([&] {
            auto base = BaseDonnees::ouvre(chemin);
            MiseAJourBase(*base, *programme);
        });
        QVERIFY2(lu.contains(attendu), qPrintable(lu));
        QCOMPARE(empreinte(chemin), avant);
        QVERIFY(!QFile::exists(chemin + "-journal"));
    }

    // Création d'un seul coup : un échec ne laisse rien sous le nom voulu, et un fichier apparu
    // entre-temps sous ce nom (un autre programme) n'est ni remplacé ni effacé.
    void creationAtomique()
    {
        DossierTest d;
        const QString chemin = d.chemin("neuve.db");
        QVERIFY(!message([&] {
                     BaseDonnees::creeComplete(chemin, [](BaseDonnees& b) {
                         b.execute(QStringLiteral("CREATE TABLE t (v)"));
                         throw ErreurBase(QStringLiteral("panne"));
                     });
                 }).isEmpty());
        QVERIFY(!QFile::exists(chemin));
        QCOMPARE(QDir(d.dossier().path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

        const QString lu = message([&] {
            BaseDonnees::creeComplete(chemin, [&](BaseDonnees& b) {
                b.execute(QStringLiteral("CREATE TABLE t (v)"));
                ecritFichier(chemin, "à quelqu'un d'autre");
            });
        });
        QVERIFY2(lu.contains(QStringLiteral("existe déjà")), qPrintable(lu));
        QFile autre(chemin);
        QVERIFY(autre.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(autre.readAll()), QStringLiteral("à quelqu'un d'autre"));
        QCOMPARE(QDir(d.dossier().path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // Les messages disent en français ce qui a échoué et où ; la requête et le texte du moteur ne
    // vont qu'au journal.
    void messages_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("lectureSeule");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("lecture seule") << "UPDATE Personnage SET Race = 'Elfe'" << true
                                       << "La base « perso.db » est en lecture seule : les modifications ne peuvent pas être enregistrées.";
        QTest::newRow("table absente") << "SELECT * FROM Inconnue" << false << "La table « Inconnue » manque dans la base « perso.db »";
        QTest::newRow("champ absent") << "SELECT Ecole FROM Personnage" << false << "Le champ « Ecole » manque dans la base « perso.db »";
        QTest::newRow("nom en double") << "INSERT INTO Personnage (Nom) VALUES ('BOB')" << false
                                       << "Erreur sur la base « perso.db », table « Personnage » : une valeur est refusée";
        QTest::newRow("champ lu absent") << "LIGNE" << false << "Le champ « Ecole » manque dans la table « Personnage »";
    }
    void messages()
    {
        QFETCH(QString, sql);
        QFETCH(bool, lectureSeule);
        QFETCH(QString, attendu);
        DossierTest d;
        const QString chemin = d.chemin("perso.db");
        {
            auto programme = BaseDonnees::ouvreLecture(reglesLivrees());
            auto base = CreeBasePersonnagesComplete(chemin, *programme);
            base->execute(QStringLiteral("INSERT INTO Personnage (Nom) VALUES ('Bob')"));
        }
        // Ouverte en lecture seule : même refus qu'un fichier protégé, que root pourrait écrire.
        auto base = lectureSeule ? BaseDonnees::ouvreLecture(chemin) : BaseDonnees::ouvre(chemin);
        QString detail;
        const QString lu = message([&] {
            try {
                if (sql == u"LIGNE")
                    base->premiere(QStringLiteral("SELECT Nom FROM Personnage")).texte(QStringLiteral("Ecole"));
                else
                    base->execute(sql);
            } catch (const ErreurExecution& e) {
                detail = e.detail();
                throw;
            }
        });
        QVERIFY2(lu.startsWith(attendu), qPrintable(lu));
        for (const char* anglais : {"no such", "SELECT", "UPDATE", "INSERT", "constraint", "readonly"})
            QVERIFY2(!lu.contains(QLatin1String(anglais), Qt::CaseInsensitive), qPrintable(lu));
        if (sql != u"LIGNE")
            QVERIFY2(detail.contains(sql), qPrintable(detail));
    }

    // Les règles livrées, en lecture seule, ne sont jamais écrites : les dons personnels de la base
    // ouverte les recouvrent tant qu'elle l'est, les corrections de l'utilisateur les recouvrent
    // à chaque démarrage.
    void surcoucheDesRegles()
    {
        DossierTest d;
        const QString regles = reglesEnLectureSeule(d);
        const QByteArray avant = empreinte(regles);
        const QString corrections = d.chemin("donnees/corrections.db");
        // Ouvertes comme le programme les ouvre : lectures gardées, qu'une écriture doit périmer.
        auto programme = OuvreBaseProgramme(regles);
        const QString officiel = programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Explication");
        QVERIFY(!officiel.isEmpty());

        auto avecDons = CreeBasePersonnagesComplete(d.chemin("a.db"), *programme);
        avecDons->ajoute("Donsperso", {{"Nom", "attaque en puissance"}, {"Explication", "Texte du joueur"}});
        avecDons->ajoute("Donsperso", {{"Nom", "Frappe du vieux"}, {"Genre", "Général"}, {"Multiple", true}});
        MiseAJourBase(*avecDons, *programme);
        CopieDonsPerso(*avecDons, *programme);
        QCOMPARE(programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Explication"), QStringLiteral("Texte du joueur"));
        QVERIFY(!programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Type").isEmpty());
        QVERIFY(programme->cherche("Dons", "nom", {"FRAPPE DU VIEUX"}).booleen("Multiple"));
        {
            // Une écriture annulée ne laisse rien de lu pendant qu'elle tenait.
            Transaction annulee(*programme);
            programme->execute("UPDATE temp.Dons SET Explication = 'provisoire'");
            QCOMPARE(programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Explication"), QStringLiteral("provisoire"));
        }
        QCOMPARE(programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Explication"), QStringLiteral("Texte du joueur"));

        // Une autre base ouverte : les dons de la première disparaissent.
        auto sansDons = CreeBasePersonnagesComplete(d.chemin("b.db"), *programme);
        CopieDonsPerso(*sansDons, *programme);
        QCOMPARE(programme->cherche("Dons", "nom", {"Attaque en puissance"}).texte("Explication"), officiel);
        QVERIFY(!programme->cherche("Dons", "nom", {"Frappe du vieux"}));

        EnregistreCorrection(*programme, corrections, "Sort", "boule de feu", {{"Explication", "Corrigé l'été"}});
        QCOMPARE(programme->cherche("Sort", "PrimaryKey", {"Boule de feu"}).texte("Explication"), QStringLiteral("Corrigé l'été"));
        programme.reset();

        // Au démarrage suivant, les corrections reviennent sur les règles livrées.
        programme = OuvreBaseProgramme(regles);
        AttacheCorrections(*programme, corrections);
        QCOMPARE(programme->cherche("Sort", "PrimaryKey", {"Boule de feu"}).texte("Explication"), QStringLiteral("Corrigé l'été"));
        programme.reset();
        QCOMPARE(empreinte(regles), avant);
    }

    // Tué n'importe quand pendant qu'il enregistre ou renomme, le programme laisse une base intègre
    // où le personnage est tout entier dans son ancienne ou sa nouvelle version.
    void arretBrutalPendantLesEnregistrements()
    {
        DossierTest d;
        const QString chemin = d.chemin("perso.db");
        {
            auto programme = BaseDonnees::ouvreLecture(reglesLivrees());
            auto perso = CreeBasePersonnagesComplete(chemin, *programme);
            QVERIFY(!Enregistre(*perso, *programme, versionDuPersonnage("Bob", 1), racesEditeur(*programme)));
        }
        for (int i = 0; i < nombreArrets(); ++i) {
            tueAuHasard(QStringLiteral("--ecrivain"), chemin, reglesLivrees(), 400);
            QVERIFY(integre(chemin));
            auto perso = BaseDonnees::ouvre(chemin);
            QCOMPARE(perso->scalaire("SELECT count(*) FROM Personnage").toInt(), 1);
            const Ligne p = perso->premiere("SELECT Nom, Profil FROM Personnage");
            const QString nom = p.texte("Nom");
            const QVector<Ligne> niveaux = perso->selectionne("SELECT Nom, pv FROM PersonnageProgression ORDER BY niv");
            QCOMPARE(niveaux.size(), 2);
            for (const Ligne& n : niveaux)
                QCOMPARE(n.texte("Nom"), nom);
            QCOMPARE(niveaux.at(1).entier("pv"), p.entier("Profil") % 8 + 1);
        }
    }

    // Tuée pendant une mise à niveau, une base reste intègre et la mise à niveau suivante la mène
    // au bout avec ses personnages.
    void arretBrutalPendantLaMiseAJour()
    {
        DossierTest d;
        const QString chemin = d.chemin("ancienne.db");
        {
            auto base = baseEssai(d, "ancienne.db");
            creeBaseAncienne(*base, 1);
            base->execute("INSERT INTO Personnage (Nom, Alignement) VALUES ('Vieux', 'LB')");
        }
        const QByteArray origine = [&] {
            QFile f(chemin);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        for (int i = 0; i < std::max(3, nombreArrets() / 3); ++i) {
            ecritFichier(chemin, origine);
            tueAuHasard(QStringLiteral("--mise-a-jour"), chemin, reglesLivrees(), 150);
            QVERIFY(integre(chemin));
            auto programme = BaseDonnees::ouvreLecture(reglesLivrees());
            auto perso = BaseDonnees::ouvre(chemin);
            MiseAJourBase(*perso, *programme);
            QCOMPARE(perso->scalaire("SELECT Version FROM Version").toInt(), kVersionBase);
            QCOMPARE(perso->scalaire("SELECT Alignement FROM Personnage WHERE Nom = 'Vieux'").toString(), QStringLiteral("LOYAL BON"));
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--ecrivain") == 0)
        return ecrivainSansFin(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && qstrcmp(argv[1], "--mise-a-jour") == 0)
        return miseAJourSeule(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestFiabilite essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "test_fiabilite.moc"

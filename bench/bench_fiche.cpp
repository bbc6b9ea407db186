// Mesure du calcul de la fiche sur les règles livrées, comme un joueur s'en sert :
// - deux personnages réalistes : un guerrier 20 (20 objets portés, 40 dons) et un guerrier 4 /
//   magicien 16 (compétences, 60 sorts connus, 20 préparés, capacités) ;
// - calcul « à chaud » (connexions et requêtes déjà prêtes) sur une base d'un personnage et sur
//   une base de 10 000 personnages ;
// - référence naïve dans la même mesure : bases rouvertes et requêtes préparées à chaque calcul ;
// - premier calcul d'un processus neuf, `quorvane-cli fiche --format json` de bout en bout,
//   `quorvane-cli liste` sur 10 000 personnages (dans le processus, sans son démarrage).
// Chaque ligne donne le minimum, la médiane et le maximum de ses essais ; rien n'est jugé ici.
// Argument facultatif : le chemin de tessarys.db (sinon celle du dossier du programme construit).
#include "BasesMesure.h"
#include "OutilsBench.h"
#include "cli/LigneCommande.h"
#include "sheet/RetrouveFiche.h"
#include "shell/Demarrage.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"
#include "shell/db/SurcoucheRegles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace basesmesure;

namespace {

// Ouvre les règles comme le programme : lecture seule, surcouche des dons personnels.
struct Bases
{
    std::unique_ptr<BaseDonnees> perso, programme;
    Bases(const QString& cheminPerso, const QString& cheminRegles)
        : perso(BaseDonnees::ouvre(cheminPerso)), programme(OuvreBaseProgramme(cheminRegles))
    {
        CopieDonsPerso(*perso, *programme);
    }
};

bool calcule(Bases& b, const QString& dossier, const QString& nom)
{
    Fiche f;
    return RetrouveFiche({*b.perso, *b.programme, dossier}, nom, {}, f);
}

// Premier calcul d'un processus neuf : les bases sont ouvertes, rien n'est encore préparé.
int premierCalcul(const QString& perso, const QString& regles)
{
    Bases b(perso, regles);
    QElapsedTimer chrono;
    chrono.start();
    if (!calcule(b, QFileInfo(regles).absolutePath(), kMagicien))
        return 1;
    std::printf("%.3f\n", chrono.nsecsElapsed() / 1e6);
    return 0;
}

double dureeProcessus(const QString& programme, const QStringList& arguments, const QProcessEnvironment& env,
                      QByteArray* sortie = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer chrono;
    chrono.start();
    p.start(programme, arguments);
    p.waitForFinished(60000);
    const double ms = chrono.nsecsElapsed() / 1e6;
    if (sortie)
        *sortie = p.readAllStandardOutput();
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s a échoué : %s\n", qPrintable(programme), p.readAllStandardError().constData());
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--premiere")
        return premierCalcul(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    // Calculs à chaud seuls, pour un profileur : --chaud PERSO REGLES NOM NOMBRE.
    if (argc == 6 && QByteArray(argv[1]) == "--chaud") {
        const QString regles = QString::fromLocal8Bit(argv[3]);
        Bases b(QString::fromLocal8Bit(argv[2]), regles);
        for (int i = 0; i < QByteArray(argv[5]).toInt(); ++i)
            calcule(b, QFileInfo(regles).absolutePath(), QString::fromLocal8Bit(argv[4]));
        return 0;
    }

    // QUORVANE_BENCH_DOSSIER garde les bases de la mesure dans ce dossier, pour les examiner.
    QTemporaryDir dossierTemporaire;
    const QDir dossier(qEnvironmentVariableIsSet("QUORVANE_BENCH_DOSSIER") ? qEnvironmentVariable("QUORVANE_BENCH_DOSSIER")
                                                                           : dossierTemporaire.path());
    QFile::remove(dossier.filePath(QStringLiteral("perso.db")));
    QFile::remove(dossier.filePath(QStringLiteral("perso10000.db")));
    QFile::remove(dossier.filePath(QStringLiteral("tessarys.db")));
    const QString regles = dossier.filePath(QStringLiteral("tessarys.db"));
    const QString perso1 = dossier.filePath(QStringLiteral("perso.db"));
    const QString perso10k = dossier.filePath(QStringLiteral("perso10000.db"));
    {
        auto programme = copieReglesLivrees(argc, argv, dossier);
        if (!programme)
            return 1;
        creeBaseMesure(perso1, *programme, false);
        creeBaseMesure(perso10k, *programme, true);
    }

    // Réglages et corrections des processus lancés : dans le dossier de la mesure.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVANE_CONFIG"), dossier.absolutePath());
    env.insert(QStringLiteral("QUORVANE_DONNEES"), dossier.absolutePath());
    qputenv("QUORVANE_CONFIG", dossier.absolutePath().toLocal8Bit());
    qputenv("QUORVANE_DONNEES", dossier.absolutePath().toLocal8Bit());

    constexpr int kChaud = 200, kNaif = 30, kProcessus = 15;
    const QString dossierRegles = dossier.absolutePath();
    double magicienChaud1 = 0;
    for (const auto& [chemin, etiquette] : {std::pair{perso1, "1 personnage"}, std::pair{perso10k, "10 000 personnages"}}) {
        Bases b(chemin, regles);
        for (const QString& nom : {kGuerrier, kMagicien}) {
            if (!calcule(b, dossierRegles, nom)) {
                std::fprintf(stderr, "La fiche de %s est refusée.\n", qPrintable(nom));
                return 1;
            }
            const QVector<double> m = chronometre(kChaud, [&] { calcule(b, dossierRegles, nom); });
            const QByteArray quoi = QStringLiteral("fiche à chaud, %1, base de %2")
                                        .arg(nom == kGuerrier ? QStringLiteral("guerrier 20") : QStringLiteral("guerrier 4 / magicien 16"),
                                             QLatin1String(etiquette))
                                        .toUtf8();
            imprimeDurees(quoi.constData(), m);
            if (nom == kMagicien && chemin == perso1)
                magicienChaud1 = mediane(m);
            if (nom == kMagicien && chemin == perso10k)
                std::printf("%-58s %.2f\n", "  rapport 10 000 / 1 (médianes)", mediane(m) / magicienChaud1);
        }
    }
    const QVector<double> naif = chronometre(kNaif, [&] {
        Bases b(perso1, regles);
        calcule(b, dossierRegles, kMagicien);
    });
    imprimeDurees("référence naïve (bases rouvertes), magicien, 1 personnage", naif);
    std::printf("%-58s %.1f×\n", "  gain à chaud sur la référence (médianes)", mediane(naif) / magicienChaud1);

    const QString moiMeme = QCoreApplication::applicationFilePath();
    QVector<double> premier;
    for (int i = 0; i < kProcessus; ++i) {
        QByteArray sortie;
        dureeProcessus(moiMeme, {QStringLiteral("--premiere"), perso1, regles}, env, &sortie);
        premier.append(sortie.trimmed().toDouble());
    }
    imprimeDurees("premier calcul d'un processus neuf, magicien", premier);

    const QString cli = QDir(QStringLiteral(QUORVANE_DOSSIER_PROGRAMME)).filePath(QStringLiteral("quorvane-cli"));
    QVector<double> processus;
    for (int i = 0; i < kProcessus; ++i)
        processus.append(dureeProcessus(cli,
                                        {QStringLiteral("fiche"), kMagicien, QStringLiteral("--format"),
                                         QStringLiteral("json"), QStringLiteral("--base"), perso1,
                                         QStringLiteral("--programme"), dossierRegles},
                                        env));
    imprimeDurees("quorvane-cli fiche --format json, processus entier", processus);

    const QVector<double> liste = chronometre(kProcessus, [&] {
        QString texte, erreurs;
        QTextStream sortie(&texte), flux(&erreurs);
        ExecuteLigneCommande({QStringLiteral("liste"), QStringLiteral("--base"), perso10k, QStringLiteral("--programme"),
                              dossierRegles},
                             dossierRegles, sortie, flux);
    });
    imprimeDurees("liste sur 10 000 personnages, dans le processus", liste);
    return 0;
}

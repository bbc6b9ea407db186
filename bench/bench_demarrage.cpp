// Mesure de ce que l'utilisateur attend à l'ouverture, sur une base de 10 000 personnages :
// - le choix d'un personnage rempli et peint (dans le processus) ;
// - le démarrage du programme jusqu'à la fenêtre principale peinte, la dernière base étant celle
//   des 10 000 personnages (processus entier, lancé QUORVANE_MESURE_DEMARRAGE=1 : il s'arrête
//   après sa première peinture).
// Chaque ligne donne le minimum, la médiane et le maximum de ses essais.
// Argument facultatif : le chemin de tessarys.db (sinon celle du dossier du programme construit).
#include "BasesMesure.h"
#include "OutilsBench.h"
#include "shell/FichierIni.h"
#include "shell/frmAcceder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <functional>


int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    const QDir d(dossier.path());
    const QString perso10k = d.filePath(QStringLiteral("perso10000.db"));
    {
        auto programme = copieReglesLivrees(argc, argv, d);
        if (!programme)
            return 1;
        basesmesure::creeBaseMesure(perso10k, *programme, true);
    }
    constexpr int kEssais = 15;

    QVector<double> choix;
    auto perso = BaseDonnees::ouvre(perso10k);
    for (int i = 0; i < kEssais; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        frmAcceder fenetre(*perso);
        fenetre.resize(660, 430);
        fenetre.show();
        fenetre.repaint();
        choix.append(chrono.nsecsElapsed() / 1e6);
        if (fenetre.vsnom->rowCount() != 10000) {
            std::fprintf(stderr, "Le choix montre %d personnages au lieu de 10 000.\n", fenetre.vsnom->rowCount());
            return 1;
        }
    }
    imprimeDurees("choix d'un personnage, 10 000 personnages, rempli et peint", choix);

    // Programme lancé sur des réglages propres à la mesure, dernière base : les 10 000 personnages.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUORVANE_CONFIG"), d.path());
    env.insert(QStringLiteral("QUORVANE_DONNEES"), d.path());
    env.insert(QStringLiteral("QUORVANE_MESURE_DEMARRAGE"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    EcritIni(d.filePath(QLatin1String(kNomFichierIni)), QStringLiteral("FICHIER"), QStringLiteral("BDD"), perso10k);
    const QString programme = QDir(QStringLiteral(QUORVANE_DOSSIER_PROGRAMME)).filePath(QStringLiteral("quorvane"));
    QVector<double> demarrage;
    for (int i = 0; i < kEssais; ++i) {
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer chrono;
        chrono.start();
        p.start(programme, {});
        p.waitForFinished(60000);
        demarrage.append(chrono.nsecsElapsed() / 1e6);
        if (p.exitCode() != 0) {
            std::fprintf(stderr, "Le programme a échoué : %s\n", p.readAllStandardError().constData());
            return 1;
        }
    }
    imprimeDurees("démarrage jusqu'à la fenêtre peinte, 10 000 personnages", demarrage);
    return 0;
}

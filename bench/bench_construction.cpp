// Mesure de la construction de tessarys.db depuis data/programme, comme la construction du
// programme la fait : toutes les tables, une transaction. Cible : moins de 10 s. Imprime la
// médiane et les extrêmes, ne juge pas.
// Argument facultatif : le dossier des sources (sinon data/programme du dépôt).
#include "shell/Erreur.h"
#include "shell/db/programme/ConstructionProgramme.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kConstructions = 5;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString sources = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUORVANE_DOSSIER_SOURCES);
    if (!QFileInfo(sources).isDir()) {
        std::fprintf(stderr, "Dossier des sources introuvable : %s\n", qPrintable(sources));
        return 1;
    }
    QTemporaryDir dossier;
    QVector<double> durees;
    qint64 taille = 0;
    for (int i = 0; i < kConstructions; ++i) {
        // Un fichier neuf à chaque tour, comme après un changement des sources.
        const QString sortie = dossier.filePath(QStringLiteral("tessarys.db"));
        QElapsedTimer chrono;
        chrono.start();
        try {
            construitProgramme(sources, sortie);
        } catch (const ErreurExecution& e) {
            std::fprintf(stderr, "Construction refusée : %s\n", qPrintable(e.description()));
            return 1;
        }
        durees.append(chrono.nsecsElapsed() / 1e9);
        taille = QFileInfo(sortie).size();
        QFile::remove(sortie);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("tessarys.db : %.1f Mo depuis %s\n", taille / 1e6, qPrintable(QDir::toNativeSeparators(sources)));
    std::printf("construitProgramme : médiane %.2f s, min %.2f s, max %.2f s (%d constructions ; cible < 10 s)\n",
                durees.at(kConstructions / 2), durees.first(), durees.last(), kConstructions);
    return 0;
}

#pragma once
// Mise en place commune aux mesures : une copie de la base des règles, que la mesure peut écrire
// sans toucher à la base livrée.
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QElapsedTimer>
#include <QVector>
#include <algorithm>
#include <functional>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

// Copie dans dossier la base nommée en premier argument, sinon celle du dossier du programme
// construit ; nulle (message écrit) quand elle est introuvable.
inline std::unique_ptr<BaseDonnees> copieReglesLivrees(int argc, char* argv[], const QDir& dossier)
{
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir(QStringLiteral(QUORVANE_DOSSIER_PROGRAMME)).filePath(QStringLiteral("tessarys.db"));
    const QString copie = dossier.filePath(QStringLiteral("tessarys.db"));
    if (!QFile::exists(source) || !QFile::copy(source, copie)) {
        std::fprintf(stderr, "Base des règles introuvable : %s\n", qPrintable(source));
        return nullptr;
    }
    return BaseDonnees::ouvre(copie);
}

// Durées d'une série d'essais, en millisecondes.
inline QVector<double> chronometre(int essais, const std::function<void()>& action)
{
    QVector<double> ms;
    for (int i = 0; i < essais; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        action();
        ms.append(chrono.nsecsElapsed() / 1e6);
    }
    return ms;
}

inline double mediane(QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms.isEmpty() ? 0.0 : ms.at(ms.size() / 2);
}

// Une ligne : minimum, médiane et maximum de la série, jamais le meilleur seul.
inline void imprimeDurees(const char* quoi, QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-58s min %7.2f  médiane %7.2f  max %7.2f ms  (%lld essais)\n", quoi, ms.first(), ms.at(ms.size() / 2),
                ms.last(), static_cast<long long>(ms.size()));
}

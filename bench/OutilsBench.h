#pragma once
// Mise en place commune aux mesures : une copie de la base des règles, que la mesure peut écrire
// sans toucher à la base livrée.
#include "shell/db/BaseDonnees.h"

#include <QDir>
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

#pragma once
// Fichier d'où l'on importe : jamais ouvert lui-même, mais recopié (ou lu, pour un fichier
// Access) dans une base temporaire mise à la disposition courante.
#include "shell/db/BaseDonnees.h"

#include <QTemporaryDir>
#include <memory>

class BaseImport
{
public:
    // Lève RefusImport (message français) pour un fichier illisible ou sans personnages.
    static std::unique_ptr<BaseImport> ouvre(const QString& chemin, BaseDonnees& programme);

    BaseDonnees& base() { return *m_base; }
    const QString& source() const { return m_source; }

private:
    BaseImport() = default;

    QString m_source;
    QTemporaryDir m_dossier;
    std::unique_ptr<BaseDonnees> m_base;
};

#include "BaseImport.h"
#include "LectureAccess.h"
#include "RefusImport.h"
#include "shell/db/MiseAJour.h"

#include <QFile>
#include <QFileInfo>

std::unique_ptr<BaseImport> BaseImport::ouvre(const QString& chemin, BaseDonnees& programme)
{
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    if (!info.isFile() || !info.isReadable())
        throw RefusImport(QStringLiteral("Le fichier « %1 » n'existe pas ou ne peut pas être lu : rien n'a été importé.").arg(chemin));
    std::unique_ptr<BaseImport> import(new BaseImport);
    import->m_source = info.absoluteFilePath();
    if (!import->m_dossier.isValid())
        throw RefusImport(QStringLiteral("Impossible de créer un dossier temporaire pour lire « %1 » : vérifiez la place "
                                         "libre sur le disque.").arg(nom));
    const QString copie = import->m_dossier.filePath(QStringLiteral("import.db"));

    switch (GenreDeFichier(chemin)) {
    case GenreFichier::Sqlite:
        // La mise à niveau écrit : elle se fait sur une copie, le fichier de l'utilisateur reste intact.
        if (!QFile::copy(chemin, copie)
            || !QFile::setPermissions(copie, QFile::ReadOwner | QFile::WriteOwner))
            throw RefusImport(QStringLiteral("Impossible de recopier « %1 » pour le lire : vérifiez la place libre "
                                             "sur le disque.").arg(nom));
        try {
            import->m_base = BaseDonnees::ouvre(copie);
        } catch (const ErreurExecution& e) {
            throw RefusImport(QStringLiteral("Le fichier « %1 » est endommagé : rien n'a été importé.").arg(nom),
                              e.description());
        }
        break;
    case GenreFichier::Access:
        import->m_base = BaseDonnees::cree(copie);
        CopieAccess(chemin, *import->m_base);
        break;
    case GenreFichier::Autre:
        throw RefusImport(QStringLiteral("Le fichier « %1 » n'est ni une base Quorvane (.db) ni une base Access "
                                         "(.mdb) : rien n'a été importé.").arg(nom));
    }

    if (!import->m_base->existeTable(QStringLiteral("Personnage")))
        throw RefusImport(QStringLiteral("Le fichier « %1 » ne contient pas de personnages (il n'a pas de table "
                                         "Personnage) : rien n'a été importé.").arg(nom));
    try {
        MiseAJourBase(*import->m_base, programme);
    } catch (const ErreurExecution& e) {
        throw RefusImport(QStringLiteral("Le fichier « %1 » n'a pas pu être mis à la disposition courante : il est "
                                         "peut-être endommagé. Rien n'a été importé.").arg(nom),
                          e.description());
    }
    return import;
}

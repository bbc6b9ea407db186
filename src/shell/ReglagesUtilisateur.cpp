#include "ReglagesUtilisateur.h"
#include "FichierIni.h"

#include <QDir>
#include <QSettings>

namespace {

// Même fichier que le format natif (~/.config/quorvane/quorvane.conf), déplacé avec QUORVANE_CONFIG.
QSettings magasin()
{
    return QSettings(QDir(DossierConfiguration()).filePath(QStringLiteral("quorvane.conf")), QSettings::IniFormat);
}

const QString kCle = QStringLiteral("Options/Show Tips at Startup");

} // namespace

bool AfficheAstucesAuDemarrage()
{
    return magasin().value(kCle, 1).toInt() == 1;
}

void EcritAfficheAstuces(bool afficher)
{
    magasin().setValue(kCle, afficher ? 1 : 0);
}

#include "Capture.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

QString CaptureFenetre(frmMain& principale, const QString& fichier, const QString& fenetre)
{
    if (!fenetre.isEmpty()) {
        const QString nom = fenetre.toUpper();
        if (nom == QLatin1String("FRMACCEDER"))
            principale.afficheAcceder();
        else if (nom == QLatin1String("FRMASTUCE"))
            principale.afficheAstuce();
        else if (nom == QLatin1String("FRMLANCEURDES"))
            principale.afficheLanceurDes();
        else if (nom == QLatin1String("FRMGENERATEURVILLE"))
            principale.afficheGenerateurVille();
        else
            return QStringLiteral("Fenêtre inconnue pour la capture : ") + fenetre
                   + QStringLiteral(" (fenêtres possibles : frmAcceder, frmAstuce, frmLanceurDes, frmGenerateurVille)");
    }
    // Laisse les fenêtres se disposer et se peindre avant de les rendre.
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();

    const QPixmap image = principale.grab();
    if (image.isNull())
        return QStringLiteral("La fenêtre principale n'a pas pu être rendue.");
    const QString chemin = QFileInfo(fichier).absoluteFilePath();
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    if (!image.save(chemin, "PNG"))
        return QStringLiteral("Impossible d'écrire l'image ") + chemin;
    return {};
}

#include "cli/LigneCommande.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QStringList brut;
    for (int i = 1; i < argc; ++i)
        brut.append(QString::fromLocal8Bit(argv[i]));
    std::unique_ptr<QCoreApplication> application;
    if (DemandeMiseEnPage(brut)) {
        // Aucune fenêtre : la plateforme sans écran suffit, même sans serveur graphique.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int code = ExecuteLigneCommande(arguments, QCoreApplication::applicationDirPath(), sortie, erreurs);
    sortie.flush();
    erreurs.flush();
    return code;
}

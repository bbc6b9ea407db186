#include "cli/LigneCommande.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
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

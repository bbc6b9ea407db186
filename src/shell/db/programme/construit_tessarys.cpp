// Outil de construction : écrit tessarys.db depuis les sources de data/programme.
#include "ConstructionProgramme.h"

#include "shell/Erreur.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream erreur(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        erreur << "Usage : construit-tessarys DOSSIER_SOURCES FICHIER_SORTIE\n";
        return 2;
    }
    try {
        construitProgramme(arguments.at(1), arguments.at(2));
    } catch (const ErreurExecution& e) {
        erreur << "construit-tessarys : " << e.description() << "\n";
        return 1;
    }
    return 0;
}

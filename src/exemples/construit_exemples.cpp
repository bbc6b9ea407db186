// Outil de construction : écrit la base des personnages d'exemple (exemples.db), d'un seul coup.
#include "exemples/PersonnagesExemples.h"
#include "shell/Demarrage.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream erreur(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        erreur << "Usage : construit-exemples DOSSIER_PROGRAMME FICHIER_EXEMPLES FICHIER_SORTIE\n";
        return 2;
    }
    const QString dossier = arguments.at(1);
    const QString sortie = arguments.at(3);
    try {
        auto programme = OuvreBaseProgramme(dossier + QStringLiteral("/") + QLatin1String(kNomBaseProgramme));
        // Refaite à chaque changement du fichier d'exemples ou des règles.
        QFile::remove(sortie);
        BaseDonnees::creeComplete(sortie, [&](BaseDonnees& perso) {
            creeBasePersonnages(perso, *programme);
            EcritPersonnagesExemples(arguments.at(2), perso, *programme, dossier);
        });
    } catch (const ErreurExecution& e) {
        erreur << "construit-exemples : " << e.description() << "\n";
        return 1;
    }
    return 0;
}

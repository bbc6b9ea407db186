#include "OutilsShell.h"
#include "shell/Demarrage.h"
#include "shell/db/SchemaPerso.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

DossiersShell::DossiersShell()
{
    programme = racine.chemin("programme");
    config = racine.chemin("config");
    QDir().mkpath(programme);
    QDir().mkpath(config);
    const QString source = QDir(dossierProgramme()).filePath(QLatin1String(kNomBaseProgramme));
    if (!QFile::copy(source, QDir(programme).filePath(QLatin1String(kNomBaseProgramme))))
        qFatal("Base du programme introuvable : %s (construire la cible tessarys)", qPrintable(source));
    qputenv("QUORVANE_CONFIG", config.toUtf8());
}

DossiersShell::~DossiersShell()
{
    qunsetenv("QUORVANE_CONFIG");
}

QString DossiersShell::creeBasePerso(const QString& cheminOuNom) const
{
    const QString chemin = QDir::isAbsolutePath(cheminOuNom) ? cheminOuNom : racine.chemin(cheminOuNom);
    auto programmeDb = BaseDonnees::ouvre(QDir(programme).filePath(QLatin1String(kNomBaseProgramme)));
    auto perso = BaseDonnees::cree(chemin);
    creeBasePersonnages(*perso, *programmeDb);
    return chemin;
}

void ajoutePersonnage(BaseDonnees& base, const QString& nom, const QString& race, const QVariantList& niveaux,
                      const QStringList& classes, bool exclu)
{
    QVariantMap champs{{"Nom", nom}, {"RACE", race},
                       {"exclu", exclu}};
    for (int i = 0; i < niveaux.size(); ++i)
        champs.insert(QStringLiteral("Niv_%1").arg(i + 1), niveaux[i]);
    for (int i = 0; i < classes.size(); ++i)
        champs.insert(QStringLiteral("Classe_%1").arg(i + 1), classes[i].isEmpty() ? QVariant() : QVariant(classes[i]));
    base.ajoute("Personnage", champs);
}

void ajoutePersonnage(const QString& cheminBase, const QString& nom, const QString& race, const QVariantList& niveaux,
                      const QStringList& classes, bool exclu)
{
    auto base = BaseDonnees::ouvre(cheminBase);
    ajoutePersonnage(*base, nom, race, niveaux, classes, exclu);
}

std::unique_ptr<EtatShell> demarre(const DossiersShell& dossiers)
{
    auto etat = std::make_unique<EtatShell>();
    PrepareDemarrage(*etat, dossiers.programme, dossiers.config);
    OuvreBasesDemarrage(*etat);
    return etat;
}

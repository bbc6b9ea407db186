// Mesure du résumé de l'assistant de création, recalculé à chaque changement de l'étape de la
// classe : construction du personnage, écriture dans le brouillon, fiche, budget de compétences.
// Imprime la médiane et les extrêmes, ne juge pas. Argument facultatif : le chemin de tessarys.db.
#include "OutilsBench.h"
#include "editor/EditionPersonnage.h"
#include "wizard/Assistant.h"
#include "wizard/ResumeAssistant.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int kCalculs = 40;

void mesure(BaseDonnees& programme, const QString& dossier, const QString& race, const QString& classe, int niveau)
{
    ChoixAssistant c;
    c.nom = QStringLiteral("Mesuré");
    c.race = race;
    c.alignement = QStringLiteral("NEUTRE");
    c.sexe = QStringLiteral("Masculin");
    c.caracs = {15, 14, 13, 12, 10, 8};
    c.classe = classe;
    c.niveau = QString::number(niveau);
    const QStringList races = racesEditeur(programme);
    std::mt19937 generateur(7);
    const TiragesRetenus tirages(RndDepuis(generateur));
    ResumeAssistant resume(programme, dossier);
    // Le premier calcul crée aussi le brouillon (disposition et catalogue d'objets) : mesuré à part.
    QElapsedTimer premier;
    premier.start();
    resume.calcule(ConstruitPersonnage(programme, c, tirages.relecture()), races);
    std::printf("premier résumé, brouillon compris : %.2f ms\n", premier.nsecsElapsed() / 1e6);
    QVector<double> durees;
    for (int i = 0; i < kCalculs; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        const ResumePersonnage r = resume.calcule(ConstruitPersonnage(programme, c, tirages.relecture()), races);
        durees << chrono.nsecsElapsed() / 1e6;
        if (!r.refus.isEmpty()) {
            std::fprintf(stderr, "Résumé refusé : %s\n", qPrintable(r.refus));
            return;
        }
    }
    std::sort(durees.begin(), durees.end());
    std::printf("%s %s %d : médiane %.2f ms, min %.2f ms, max %.2f ms (%d calculs)\n", qPrintable(race), qPrintable(classe),
                niveau, durees.at(kCalculs / 2), durees.first(), durees.last(), kCalculs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dossier;
    auto programme = copieReglesLivrees(argc, argv, QDir(dossier.path()));
    if (!programme)
        return 1;
    mesure(*programme, dossier.path(), QStringLiteral("Humain"), QStringLiteral("Guerrier"), 3);
    mesure(*programme, dossier.path(), QStringLiteral("Ogre"), QStringLiteral("Guerrier"), 5);
    mesure(*programme, dossier.path(), QStringLiteral("Humain"), QStringLiteral("Magicien"), 20);
    return 0;
}

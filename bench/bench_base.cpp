// Mesure des recherches indexées de la couche d'accès : par index nommé, par curseur et par
// requête gardée, avec ou sans lecture groupée. Imprime des chiffres, ne juge pas.
#include "shell/db/BaseDonnees.h"
#include "shell/db/Curseur.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dossier;
    auto base = BaseDonnees::cree(dossier.filePath(QStringLiteral("bench.db")));
    base->creeTable({QStringLiteral("Race"),
                     {texte(QStringLiteral("Race"), 50), entier(QStringLiteral("Niveau")), texte(QStringLiteral("Type"))},
                     {{QStringLiteral("PrimaryKey"), {QStringLiteral("Race")}, true}}});
    {
        Transaction t(*base);
        for (int i = 0; i < 2000; ++i)
            base->ajoute(QStringLiteral("Race"), {{QStringLiteral("Race"), QStringLiteral("Race n°%1").arg(i)},
                                                 {QStringLiteral("Niveau"), i % 20},
                                                 {QStringLiteral("Type"), QStringLiteral("Humanoïde")}});
        t.valide();
    }
    constexpr int kRecherches = 500;
    constexpr int kTours = 20;

    auto mesure = [&](const char* nom, auto&& recherche) {
        qint64 meilleur = -1;
        int trouves = 0;
        for (int tour = 0; tour < kTours; ++tour) {
            QElapsedTimer chrono;
            chrono.start();
            trouves = 0;
            for (int i = 0; i < kRecherches; ++i)
                trouves += recherche(QStringLiteral("race n°%1").arg((i * 7) % 2000)) ? 1 : 0;
            const qint64 ns = chrono.nsecsElapsed();
            if (meilleur < 0 || ns < meilleur)
                meilleur = ns;
        }
        std::printf("%-45s %4d recherches : %.3f ms (meilleur de %d tours, %d trouvées)\n", nom, kRecherches,
                    double(meilleur) / 1e6, kTours, trouves);
    };

    // Hors transaction, chaque requête reprend le verrou de lecture du fichier.
    mesure("cherche, verrou repris à chaque requête", [&](const QString& nom) {
        return base->cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {nom}).estValide();
    });
    LectureGroupee lecture(*base);
    mesure("cherche, lecture groupée", [&](const QString& nom) {
        return base->cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {nom}).estValide();
    });
    Curseur curseur = base->curseur(QStringLiteral("Race"), QStringLiteral("PrimaryKey"));
    mesure("Curseur::cherche \"=\", lecture groupée", [&](const QString& nom) {
        return curseur.cherche(QStringLiteral("="), {nom});
    });
    mesure("premiere (requête SQL), lecture groupée", [&](const QString& nom) {
        return base->premiere(QStringLiteral("SELECT * FROM Race WHERE Race = ? LIMIT 1"), {nom}).estValide();
    });
    return 0;
}

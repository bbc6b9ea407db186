// Mesure de la recherche plein texte des sorts et des dons, frappe après frappe, sur les règles
// livrées (ouvertes en lecture seule, comme le programme) : construction de l'index à la première
// recherche, puis chaque recherche. Imprime des chiffres. Argument facultatif : le chemin de tessarys.db.
#include "reference/RechercheRegles.h"
#include "OutilsBench.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SurcoucheRegles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>


int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString chemin = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir(QStringLiteral(QUORVANE_DOSSIER_PROGRAMME)).filePath(QStringLiteral("tessarys.db"));
    std::unique_ptr<BaseDonnees> programme;
    try {
        programme = BaseDonnees::ouvreLecture(chemin);
    } catch (const std::exception&) {
        std::fprintf(stderr, "Base des règles introuvable : %s\n", qPrintable(chemin));
        return 1;
    }
    std::printf("%d sorts, %d dons\n", programme->scalaire(QStringLiteral("select count(*) from Sort")).toInt(),
                programme->scalaire(QStringLiteral("select count(*) from Dons")).toInt());

    for (const char* table : {"Sort", "Dons"}) {
        QVector<double> construction;
        for (int t = 0; t < 15; ++t) {
            programme->execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(TableRecherche(QLatin1String(table))));
            QElapsedTimer chrono;
            chrono.start();
            RechercheRegles(*programme, QLatin1String(table), QStringLiteral("b"));
            construction.append(chrono.nsecsElapsed() / 1e6);
        }
        imprimeDurees(qPrintable(QStringLiteral("%1 : première recherche (index)").arg(QLatin1String(table))), construction);

        // Chaque frappe d'une saisie, dix fois.
        QVector<double> frappes;
        for (int t = 0; t < 10; ++t)
            for (const QString saisie : {QStringLiteral("boule de feu"), QStringLiteral("éclair multiple"),
                                         QStringLiteral("attaque en puissance"), QStringLiteral("MORT")})
                for (int n = 1; n <= saisie.size(); ++n) {
                    QElapsedTimer chrono;
                    chrono.start();
                    RechercheRegles(*programme, QLatin1String(table), saisie.left(n));
                    frappes.append(chrono.nsecsElapsed() / 1e6);
                }
        imprimeDurees(qPrintable(QStringLiteral("%1 : une frappe").arg(QLatin1String(table))), frappes);
    }
    return 0;
}

// Mesure du début d'un calcul de fiche sur les règles livrées : ChargePersonnage, ChargeRace et
// AnalyseCapacites pour un personnage multiclassé. Imprime des chiffres, ne juge pas.
// Argument facultatif : le chemin de tessarys.db (sinon celle du dossier du programme construit).
#include "OutilsBench.h"
#include "rules/Capacites.h"
#include "rules/CatalogueCapacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAppels = 200;
constexpr int kTours = 10;

// Un personnage et ses lignes de niveau, une classe par niveau.
void ajoutePersonnage(BaseDonnees& perso, const QString& nom, const QString& race, const QStringList& classes)
{
    QVariantMap fiche{{QStringLiteral("Nom"), nom}, {QStringLiteral("RACE"), race}};
    QStringList vues;
    QVector<int> niveaux;
    for (int niv = 1; niv <= classes.size(); ++niv) {
        const QString& c = classes.at(niv - 1);
        qsizetype k = vues.indexOf(c);
        if (k < 0) {
            vues.append(c);
            niveaux.append(0);
            k = vues.size() - 1;
        }
        ++niveaux[k];
        perso.ajoute(QStringLiteral("PersonnageProgression"),
                     {{QStringLiteral("Nom"), nom}, {QStringLiteral("Niveau"), niveaux[k]},
                      {QStringLiteral("Classe"), c}, {QStringLiteral("PV"), 6}, {QStringLiteral("niv"), niv}});
    }
    for (qsizetype k = 0; k < vues.size(); ++k) {
        fiche.insert(QStringLiteral("Classe_%1").arg(k + 1), vues.at(k));
        fiche.insert(QStringLiteral("Niv_%1").arg(k + 1), niveaux.at(k));
    }
    perso.ajoute(QStringLiteral("Personnage"), fiche);
}

QStringList fois(int n, const QString& classe)
{
    return QStringList(n, classe);
}

// Meilleur temps moyen d'un appel, en microsecondes.
template<typename F>
double mesure(F&& appel)
{
    qint64 meilleur = -1;
    for (int tour = 0; tour < kTours; ++tour) {
        QElapsedTimer chrono;
        chrono.start();
        for (int i = 0; i < kAppels; ++i)
            appel();
        const qint64 ns = chrono.nsecsElapsed();
        if (meilleur < 0 || ns < meilleur)
            meilleur = ns;
    }
    return double(meilleur) / kAppels / 1e3;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dossier;
    auto programme = copieReglesLivrees(argc, argv, QDir(dossier.path()));
    if (!programme)
        return 1;
    auto perso = BaseDonnees::cree(dossier.filePath(QStringLiteral("perso.db")));
    for (const DefinitionTable& t : schemaPersonnages())
        if (t.nom == u"Personnage" || t.nom == u"PersonnageProgression")
            perso->creeTable(t);

    // Le personnage mesuré, entouré d'autres personnages pour que l'index serve vraiment.
    const QString nom = QStringLiteral("Mirela");
    {
        Transaction t(*perso);
        for (int i = 0; i < 300; ++i)
            ajoutePersonnage(*perso, QStringLiteral("Autre %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("Humain"),
                             fois(1 + i % 10, QStringLiteral("Guerrier")));
        ajoutePersonnage(*perso, nom, QStringLiteral("Nain"),
                         fois(4, QStringLiteral("Guerrier")) + fois(3, QStringLiteral("Roublard"))
                             + fois(5, QStringLiteral("Magicien")) + fois(2, QStringLiteral("Barbare")));
        t.valide();
    }

    // Une liste de capacités comme celle de la fiche : celles du personnage, puis d'autres.
    ListeCapacitesPerso capacites;
    const QStringList noms = NomsCatalogueCapacites();
    for (int i = 0; i < 60; ++i) {
        LigneCapacite c;
        c.Nom = noms.at((i * 7) % noms.size());
        c.Valeur = QStringLiteral("2");
        c.Niveau = QStringLiteral("1");
        c.Personnage = i < 40 ? nom : QStringLiteral("Autre 001");
        capacites.append(c);
    }
    const QStringList dons{QStringLiteral("Rage de grand berserker"), QStringLiteral("Esquive"),
                           QStringLiteral("Arme de prédilection")};

    TypePersonnage p;
    if (!ChargePersonnage(*perso, *programme, p, nom, capacites)) {
        std::fprintf(stderr, "Les lignes de niveau du personnage mesuré sont incohérentes.\n");
        return 1;
    }
    TypeRace race;
    TypeCapacites resume;
    ListeBonus bonus;

    const double charge = mesure([&] { ChargePersonnage(*perso, *programme, p, nom, capacites); });
    const double chargeRace = mesure([&] { ChargeRace(*programme, race, p.RACE); });
    const double analyse = mesure([&] {
        bonus.clear();
        AnalyseCapacites(race, resume, p, capacites, dons, bonus);
    });
    const double ensemble = mesure([&] {
        ChargePersonnage(*perso, *programme, p, nom, capacites);
        ChargeRace(*programme, race, p.RACE);
        bonus.clear();
        AnalyseCapacites(race, resume, p, capacites, dons, bonus);
    });

    int classes = 0;
    for (int k = 1; k <= 8; ++k)
        classes += p.niveau(k) > 0 ? 1 : 0;
    const auto siennes = std::count_if(capacites.begin(), capacites.end(),
                                       [&](const LigneCapacite& c) { return AppartientA(c, nom); });
    std::printf("personnage : niveau %d, %d classes, %lld lignes de capacités (%lld à lui)\n", int(p.niv), classes,
                static_cast<long long>(capacites.size()), static_cast<long long>(siennes));
    std::printf("%-20s %9.1f µs par appel\n", "ChargePersonnage", charge);
    std::printf("%-20s %9.1f µs par appel\n", "ChargeRace", chargeRace);
    std::printf("%-20s %9.1f µs par appel\n", "AnalyseCapacites", analyse);
    std::printf("%-20s %9.1f µs par appel\n", "les trois", ensemble);
    std::printf("(meilleur de %d tours de %d appels)\n", kTours, kAppels);
    return 0;
}

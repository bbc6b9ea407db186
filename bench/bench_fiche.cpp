// Mesure du calcul complet d'une fiche sur les règles livrées : un guerrier de niveau 20 qui
// porte 20 objets et a 40 dons. Imprime la médiane et les extrêmes, ne juge pas.
// Argument facultatif : le chemin de tessarys.db (sinon celle du dossier du programme construit).
#include "sheet/RetrouveFiche.h"
#include "OutilsBench.h"
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

constexpr int kCalculs = 60;

// Un objet porté par emplacement (le 19 reste vide) : le premier du catalogue du type voulu.
const char* const kTypesParPlace[] = {"Epée longue", "Armure", "Epée courte", "Anneau", "Amulette", "Anneau", "Ecu",
                                      "Heaume", "Cape", "Gants", "Ceinturon", "Flèches", "Bracelet", "Bottes", "Gilet",
                                      "Lunettes", "Divers", "Baguette", "Potion", nullptr, "Matériel de classe"};

int equipe(BaseDonnees& perso, BaseDonnees& programme, const QString& nom)
{
    int portes = 0;
    for (int place = 0; place < 21; ++place) {
        if (!kTypesParPlace[place])
            continue;
        const Ligne o = programme.premiere(
            QStringLiteral("select NomObjet from Objets where Type=? or GroupeObjet=? order by NomObjet desc"),
            {QString::fromUtf8(kTypesParPlace[place]), QString::fromUtf8(kTypesParPlace[place])});
        if (!o)
            continue;
        perso.ajoute(QStringLiteral("Equipement"),
                     {{QStringLiteral("Personnage"), nom}, {QStringLiteral("NomObjet"), o.texte(QStringLiteral("NomObjet"))},
                      {QStringLiteral("Pos"), place + 1}, {QStringLiteral("Place"), place},
                      {QStringLiteral("SurPersonnage"), true}});
        ++portes;
    }
    return portes;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dossier;
    auto programme = copieReglesLivrees(argc, argv, dossier);
    if (!programme)
        return 1;
    auto perso = BaseDonnees::cree(dossier.filePath(QStringLiteral("perso.db")));
    creeBasePersonnages(*perso, *programme);

    const QString nom = QStringLiteral("Brennos");
    int portes = 0;
    {
        Transaction t(*perso);
        QVariantMap fiche{{QStringLiteral("Nom"), nom}, {QStringLiteral("RACE"), QStringLiteral("Humain")},
                          {QStringLiteral("Classe_1"), QStringLiteral("Guerrier")}, {QStringLiteral("Niv_1"), 20}};
        perso->ajoute(QStringLiteral("Personnage"), fiche);
        for (int niv = 1; niv <= 20; ++niv) {
            QVariantMap ligne{{QStringLiteral("Nom"), nom}, {QStringLiteral("Niveau"), niv},
                              {QStringLiteral("Classe"), QStringLiteral("Guerrier")}, {QStringLiteral("PV"), 10},
                              {QStringLiteral("niv"), niv}};
            if (niv == 1)
                for (const char* c : {"For", "Dex", "Con", "Int", "Sag", "Cha"})
                    ligne.insert(QLatin1String(c), 14);
            perso->ajoute(QStringLiteral("PersonnageProgression"), ligne);
        }
        // Quarante dons choisis, deux par niveau.
        const auto dons = programme->selectionne(
            QStringLiteral("select Nom from Dons where Genre='Guerrier' or Genre='Général' order by Nom limit 40"));
        int i = 0;
        for (const Ligne& d : dons) {
            const int niv = 1 + i++ / 2;
            perso->ajoute(QStringLiteral("PersonnageDons"),
                          {{QStringLiteral("Nom"), nom}, {QStringLiteral("Niveau"), niv},
                           {QStringLiteral("Classe"), QStringLiteral("Guerrier")},
                           {QStringLiteral("dons"), d.texte(QStringLiteral("Nom"))}, {QStringLiteral("niv"), niv}});
        }
        portes = equipe(*perso, *programme, nom);
        t.valide();
    }

    const ContexteFiche contexte{*perso, *programme, QStringLiteral(QUORVANE_DOSSIER_PROGRAMME)};
    Fiche f;
    if (!RetrouveFiche(contexte, nom, {}, f)) {
        std::fprintf(stderr, "La fiche du personnage mesuré est refusée.\n");
        return 1;
    }
    QVector<double> durees;
    for (int i = 0; i < kCalculs; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        RetrouveFiche(contexte, nom, {}, f);
        durees.append(chrono.nsecsElapsed() / 1e6);
    }
    std::sort(durees.begin(), durees.end());
    std::printf("personnage : niveau %d, %d objets portés, %lld dons dans la fiche, %lld lignes d'attaque\n",
                int(f.Niveau), portes, static_cast<long long>(f.Dons.size()), static_cast<long long>(f.Armes.size()));
    std::printf("RetrouveFiche : médiane %.2f ms, min %.2f ms, max %.2f ms (%d calculs)\n", durees.at(kCalculs / 2),
                durees.first(), durees.last(), kCalculs);
    return 0;
}

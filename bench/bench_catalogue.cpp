// Mesure de la gestion des objets sur un catalogue de 2 000 objets : lecture de la liste,
// ouverture de la fenêtre (arbre et liste remplis), filtre à chaque touche. Imprime des chiffres.
// Lancer avec QT_QPA_PLATFORM=offscreen ; argument facultatif : le chemin de tessarys.db.
#include "OutilsBench.h"
#include "catalogue/CatalogueObjets.h"
#include "catalogue/frmGestobj.h"
#include "shell/EtatShell.h"
#include "shell/db/SchemaPerso.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kObjets = 2000;
constexpr int kTours = 15;


} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    EtatShell etat;
    etat.programme = copieReglesLivrees(argc, argv, QDir(dossier.path()));
    if (!etat.programme)
        return 1;
    etat.cheminIni = dossier.filePath(QStringLiteral("TESSARY.INI"));
    etat.perso = BaseDonnees::cree(dossier.filePath(QStringLiteral("perso.db")));
    creeBasePersonnages(*etat.perso, *etat.programme);
    {
        // Le catalogue livré, complété d'objets inventés jusqu'à 2 000.
        Transaction t(*etat.perso);
        const int livres = etat.perso->scalaire(QStringLiteral("select count(*) from Objets")).toInt();
        for (int i = livres; i < kObjets; ++i)
            etat.perso->ajoute(QStringLiteral("Objets"), {{QStringLiteral("NomObjet"), QStringLiteral("Objet d'essai n°%1").arg(i)},
                                                          {QStringLiteral("GroupeObjet"), QStringLiteral("Divers")},
                                                          {QStringLiteral("CoutTotal"), i},
                                                          {QStringLiteral("Description"), QStringLiteral("Un objet de mesure.")}});
        t.valide();
    }
    std::printf("%d objets au catalogue\n", etat.perso->scalaire(QStringLiteral("select count(*) from Objets")).toInt());

    imprimeDurees("lecture de la liste (RemplieLst)", chronometre(kTours, [&] { RemplieLst(*etat.perso); }));
    imprimeDurees("ouverture : fenêtre, arbre, liste remplie", chronometre(kTours, [&] {
                frmGestobj f(etat);
                f.resize(1024, 720);
                f.show();
                QApplication::processEvents();
            }));
    frmGestobj f(etat);
    f.resize(1024, 720);
    f.show();
    QApplication::processEvents();
    const QStringList frappes{QStringLiteral("e"), QStringLiteral("ep"), QStringLiteral("epe"), QStringLiteral("epee"),
                              QStringLiteral("epee l"), QString()};
    imprimeDurees("filtre : six frappes, liste repeinte", chronometre(kTours, [&] {
                for (const QString& texte : frappes) {
                    f.fldstrFiltre->setText(texte);
                    QApplication::processEvents();
                }
            }));
    return 0;
}

#include "FixturesRegles.h"
#include "shell/db/SchemaPerso.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QtTest>
#include <algorithm>

int attaqueDeBase(Rythme r, int niveau)
{
    switch (r) {
    case Rythme::Bon: return niveau;
    case Rythme::Moyen: return niveau * 3 / 4;
    case Rythme::Faible: return niveau / 2;
    }
    return 0;
}

int jetDeBase(bool bon, int niveau)
{
    return bon ? 2 + niveau / 2 : niveau / 3;
}

void creeTables(BaseDonnees& base, const QVector<DefinitionTable>& schema, const QStringList& noms)
{
    // Les écritures des bases de test n'ont pas à survivre à une panne : pas d'attente du disque.
    base.execute("PRAGMA synchronous = OFF");
    for (const QString& nom : noms) {
        const auto t = std::find_if(schema.begin(), schema.end(),
                                    [&](const DefinitionTable& d) { return d.nom.compare(nom, Qt::CaseInsensitive) == 0; });
        QVERIFY2(t != schema.end(), qPrintable(nom));
        base.creeTable(*t);
    }
}

void creeTablesClasses(BaseDonnees& programme)
{
    creeTables(programme, schemaProgramme(), {"Classe", "ClasseProgression"});
}

void ajouteClasse(BaseDonnees& programme, const ClasseTest& c)
{
    Transaction t(programme);
    programme.ajoute("Classe", {{"Classe", c.nom}, {"PointDeVie", c.pointDeVie},
                                                {"ClasseMaitre", c.maitre.isEmpty() ? QVariant() : c.maitre}});
    for (int n = 1; n <= c.niveaux; ++n)
        programme.ajoute("ClasseProgression", {{"Classe", c.nom}, {"Niveau", n},
                         {"attaque", attaqueDeBase(c.attaque, n)}, {"Reflexe", jetDeBase(c.bonReflexe, n)}, {"Vigueur",
                         jetDeBase(c.bonVigueur, n)}, {"Volonte", jetDeBase(c.bonVolonte, n)}});
    t.valide();
}

void creeTablesPersonnages(BaseDonnees& perso)
{
    creeTables(perso, schemaPersonnages(), {"Personnage", "PersonnageProgression"});
}

void ajoutePersonnage(BaseDonnees& perso, const QString& nom, const QStringList& classeParNiveau,
                      const QVariantMap& champs, int pv)
{
    Transaction t(perso);
    QStringList classes;
    QVector<int> niveaux;
    QVariantMap fiche = champs;
    fiche.insert("Nom", nom);
    for (int niv = 1; niv <= classeParNiveau.size(); ++niv) {
        const QString& c = classeParNiveau.at(niv - 1);
        qsizetype k = classes.indexOf(c);
        if (k < 0) {
            classes.append(c);
            niveaux.append(0);
            k = classes.size() - 1;
        }
        ++niveaux[k];
        perso.ajoute("PersonnageProgression",
                     {{"Nom", nom}, {"Niveau", niveaux[k]}, {"Classe", c}, {"PV", pv}, {"niv", niv}});
    }
    for (qsizetype k = 0; k < classes.size(); ++k) {
        fiche.insert(QStringLiteral("Classe_%1").arg(k + 1), classes.at(k));
        fiche.insert(QStringLiteral("Niv_%1").arg(k + 1), niveaux.at(k));
    }
    perso.ajoute("Personnage", fiche);
    t.valide();
}

QStringList fois(int n, const QString& classe)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l.append(classe);
    return l;
}

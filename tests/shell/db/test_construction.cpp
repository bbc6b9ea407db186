// Construction de la base du programme depuis des sources texte : lecture, types, erreurs situées.
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/programme/ConstructionProgramme.h"
#include "shell/db/programme/SchemaProgramme.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// Petite disposition : une table à clé unique, une table sans index.
QVector<DefinitionTable> schemaEssai()
{
    return {{"Classe",
             {texte("Classe", 10), entier("PointDeVie"), reel("FP"),
              booleen("affichage"), memo("Texte"), date("Jour")},
             {{"PrimaryKey", {"Classe"}, true}}},
            {"Liste", {texte("Nom")}, {}},
            {"Version",
             {entier("Version"), date("DateModif"), entier("Objets")}, {}}};
}

QStringList lignes(BaseDonnees& base, const QString& sql)
{
    QStringList resultat;
    for (const Ligne& l : base.selectionne(sql)) {
        QStringList cellules;
        for (int i = 0; i < l.nombreChamps(); ++i)
            cellules.append(l.valeur(i).isNull() ? "<nul>" : l.valeur(i).toString());
        resultat.append(cellules.join(u'|'));
    }
    return resultat;
}

} // namespace

class TestConstruction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellulesEtEchappements_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("simple") << "a\tb" << QStringList{"a", "b"};
        QTest::newRow("cellule vide au bout") << "a\t" << QStringList{"a", ""};
        QTest::newRow("tabulation échappée") << "a\\tb" << QStringList{"a\tb"};
        QTest::newRow("saut de ligne") << "un\\ndeux\tx" << QStringList{"un\ndeux", "x"};
        QTest::newRow("barre oblique") << "c:\\\\dossier" << QStringList{"c:\\dossier"};
    }
    void cellulesEtEchappements()
    {
        QFETCH(QString, ligne);
        QFETCH(QStringList, attendu);
        QStringList cellules;
        QVERIFY(decoupeLigne(ligne, cellules));
        QCOMPARE(cellules, attendu);
    }

    void echappementInconnuRefuse()
    {
        QStringList cellules;
        int colonne = 0;
        QVERIFY(!decoupeLigne("a\tb\\r", cellules, &colonne));
        QCOMPARE(colonne, 2);
    }

    void chargeTypesNullEtVersion()
    {
        DossierTest d;
        ecritFichier(d.chemin("src/Classe.tsv"),
                     "FP\tClasse\tPointDeVie\taffichage\tTexte\tJour\n"
                     "0.5\tBarde\t6\t1\tdeux\\nlignes\t2024-02-29\n"
                     "\tGuerrier\t-10\t0\t\t\n");
        construitProgramme(d.chemin("src"), d.chemin("sortie.db"), schemaEssai());
        auto base = BaseDonnees::ouvre(d.chemin("sortie.db"));
        QCOMPARE(lignes(*base, "select Classe, PointDeVie, FP, affichage, Texte, Jour from Classe order by rowid"),
                 (QStringList{"Barde|6|0.5|1|deux\nlignes|2024-02-29", "Guerrier|-10|<nul>|0|<nul>|<nul>"}));
        // Table sans source : créée vide ; Version écrite par la construction.
        QCOMPARE(base->scalaire("select count(*) from Liste").toInt(), 0);
        QCOMPARE(base->scalaire("select Version from Version").toInt(), 21);
        QCOMPARE(base->scalaire("select Objets from Version").toInt(), 35);
    }

    void dossierLuDansLOrdreDesNoms()
    {
        DossierTest d;
        ecritFichier(d.chemin("src/Liste/b.tsv"), "Nom\ntrois\n");
        ecritFichier(d.chemin("src/Liste/a.tsv"), "Nom\nun\ndeux\n");
        ecritFichier(d.chemin("src/LISEZMOI.txt"), "ignoré");
        construitProgramme(d.chemin("src"), d.chemin("sortie.db"), schemaEssai());
        auto base = BaseDonnees::ouvre(d.chemin("sortie.db"));
        QCOMPARE(lignes(*base, "select Nom from Liste order by rowid"), (QStringList{"un", "deux", "trois"}));
    }

    void memesSourcesMemeBase()
    {
        DossierTest d;
        ecritFichier(d.chemin("src/Classe.tsv"), "Classe\tPointDeVie\nMoine\t8\nBarde\t6\n");
        construitProgramme(d.chemin("src"), d.chemin("a.db"), schemaEssai());
        construitProgramme(d.chemin("src"), d.chemin("b.db"), schemaEssai());
        auto a = BaseDonnees::ouvre(d.chemin("a.db"));
        auto b = BaseDonnees::ouvre(d.chemin("b.db"));
        const QString sql = "select rowid, * from Classe";
        QCOMPARE(lignes(*a, sql), lignes(*b, sql));
        QCOMPARE(lignes(*a, "select * from Version"), lignes(*b, "select * from Version"));
    }

    void sourceFautive_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("lieu");
        QTest::addColumn<QString>("motif");
        QTest::newRow("champ inconnu") << "Classe.tsv" << QByteArray("Classe\tDes\nA\t6\n") << "Classe.tsv, ligne 1, colonne 2"
                                       << "le champ « Des » n'existe pas";
        QTest::newRow("trop de cellules") << "Classe.tsv" << QByteArray("Classe\nA\nB\tC\n") << "Classe.tsv, ligne 3 "
                                          << "2 cellule(s) au lieu de 1";
        QTest::newRow("texte dans un nombre") << "Classe.tsv" << QByteArray("Classe\tPointDeVie\nA\tsix\n")
                                              << "Classe.tsv, ligne 2, colonne 2" << "ne convient pas au champ PointDeVie";
        QTest::newRow("entier trop grand") << "Classe.tsv" << QByteArray("Classe\tPointDeVie\nA\t40000\n")
                                           << "Classe.tsv, ligne 2, colonne 2" << "entier 16 bits";
        QTest::newRow("virgule décimale") << "Classe.tsv" << QByteArray("Classe\tFP\nA\t0,5\n") << "ligne 2, colonne 2"
                                          << "nombre décimal";
        QTest::newRow("booléen") << "Classe.tsv" << QByteArray("Classe\taffichage\nA\toui\n") << "ligne 2, colonne 2"
                                 << "booléen";
        QTest::newRow("texte trop long") << "Classe.tsv" << QByteArray("Classe\nUnNomBienTropLong\n") << "ligne 2, colonne 1"
                                         << "au plus 10 caractères";
        QTest::newRow("clé en double") << "Classe.tsv" << QByteArray("Classe\nMoine\nBarde\nmoine\n") << "Classe.tsv, ligne 4 "
                                       << "clé en double sur l'index « PrimaryKey »";
        QTest::newRow("fin de ligne Windows") << "Classe.tsv" << QByteArray("Classe\r\nA\r\n") << "Classe.tsv, ligne 1 "
                                              << "LF seul";
        QTest::newRow("échappement") << "Liste.tsv" << QByteArray("Nom\nc:\\x\n") << "Liste.tsv, ligne 2, colonne 1"
                                     << "échappement inconnu";
        QTest::newRow("table inconnue") << "Clase.tsv" << QByteArray("Classe\nA\n") << "Clase.tsv" << "aucune table « Clase »";
        QTest::newRow("Version en source") << "Version.tsv" << QByteArray("Version\n3\n") << "Version.tsv"
                                           << "écrite par la construction";
        QTest::newRow("pas UTF-8") << "Liste.tsv" << QByteArray("Nom\nEl\xe9onore\n") << "Liste.tsv" << "UTF-8";
    }
    void sourceFautive()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, lieu);
        QFETCH(QString, motif);
        DossierTest d;
        ecritFichier(d.chemin("src/") + fichier, contenu);
        ecritFichier(d.chemin("ancienne.db"), "ancien contenu");
        try {
            construitProgramme(d.chemin("src"), d.chemin("ancienne.db"), schemaEssai());
            QFAIL("la construction aurait dû échouer");
        } catch (const ErreurBase& e) {
            QVERIFY2(e.description().contains(lieu), qPrintable(e.description()));
            QVERIFY2(e.description().contains(motif), qPrintable(e.description()));
        }
        // Un échec ne laisse ni fichier provisoire ni base à moitié écrite.
        QFile ancienne(d.chemin("ancienne.db"));
        QVERIFY(ancienne.open(QIODevice::ReadOnly));
        QCOMPARE(ancienne.readAll(), QByteArray("ancien contenu"));
        QVERIFY(!QFile::exists(d.chemin("ancienne.db.construction")));
    }

    void dispositionComplete()
    {
        // Sans aucune source, chaque table de la disposition existe avec ses index nommés.
        DossierTest d;
        QDir().mkpath(d.chemin("vide"));
        construitProgramme(d.chemin("vide"), d.chemin("t.db"));
        auto base = BaseDonnees::ouvre(d.chemin("t.db"));
        for (const DefinitionTable& t : schemaProgramme()) {
            QVERIFY2(base->existeTable(t.nom), qPrintable(t.nom));
            for (const DefinitionChamp& c : t.champs)
                QVERIFY2(base->ExisteChamp(t.nom, c.nom), qPrintable(t.nom + u'.' + c.nom));
            for (const DefinitionIndex& i : t.index)
                QCOMPARE(base->colonnesIndex(t.nom, i.nom), i.champs);
        }
    }
};

QTEST_GUILESS_MAIN(TestConstruction)
#include "test_construction.moc"

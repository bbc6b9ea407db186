// L'extension nomfr.so chargée dans l'outil sqlite3 : il lit et modifie nos bases en comparant
// les noms comme le programme.
#include "shell/OutilsShell.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

namespace {

struct Sortie
{
    int code = -1;
    QString texte;
    QString erreurs;
};

Sortie lanceSqlite3(const QString& base, const QString& requete, bool avecExtension = true)
{
    QStringList arguments{QStringLiteral("-batch")};
    if (avecExtension)
        arguments << QStringLiteral("-cmd") << QStringLiteral(".load ") + QDir(dossierProgramme()).filePath("nomfr");
    arguments << base << requete;
    QProcess p;
    p.start(QStringLiteral("sqlite3"), arguments);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestExtensionNomfr : public QObject
{
    Q_OBJECT

    DossiersShell m_dossiers;
    QString m_base;

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty())
            QFAIL("l'outil sqlite3 manque : scripts/installe-dependances.sh l'installe");
        m_base = m_dossiers.creeBasePerso(QStringLiteral("perso.db"));
        for (const char* nom : {"Zoé", "bob", "Élise", "Adam"})
            ajoutePersonnage(m_base, QString::fromUtf8(nom), QStringLiteral("Humain"));
    }

    // Sans l'extension, l'outil refuse toute comparaison de noms : c'est ce qu'elle répare.
    void sansExtensionLaCollationManque()
    {
        const Sortie s = lanceSqlite3(m_base, QStringLiteral("select count(*) from Personnage where Nom='bob'"), false);
        QVERIFY2(s.erreurs.contains("no such collation sequence: NOMFR"), qPrintable(s.erreurs));
    }

    void requetes_data()
    {
        QTest::addColumn<QString>("requete");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("autre casse") << "select Nom from Personnage where Nom='ÉLISE'" << "Élise";
        QTest::newRow("minuscules") << "select Nom from Personnage where Nom='zoé'" << "Zoé";
        // Les accents comptent : « Elise » n'est pas « Élise ».
        QTest::newRow("accent manquant") << "select count(*) from Personnage where Nom='elise'" << "0";
        // L'ordre du français, sans égard à la casse (l'ordre binaire mettrait « bob » après « Zoé »).
        QTest::newRow("ordre") << "select group_concat(Nom, ',') from (select Nom from Personnage order by Nom)"
                               << "Adam,bob,Élise,Zoé";
    }
    void requetes()
    {
        QFETCH(QString, requete);
        QFETCH(QString, attendu);
        const Sortie s = lanceSqlite3(m_base, requete);
        QVERIFY2(s.code == 0 && s.erreurs.isEmpty(), qPrintable(s.erreurs));
        QCOMPARE(s.texte, attendu);
    }

    // Une modification par l'outil respecte la clé du programme et se relit dans le programme.
    void modificationParLOutil()
    {
        const Sortie doublon = lanceSqlite3(m_base, QStringLiteral("insert into Personnage(Nom) values('BOB')"));
        QVERIFY2(doublon.erreurs.contains("UNIQUE"), qPrintable(doublon.erreurs));
        const Sortie maj = lanceSqlite3(m_base, QStringLiteral("update Personnage set Race='Nain' where Nom='ADAM'"));
        QVERIFY2(maj.code == 0 && maj.erreurs.isEmpty(), qPrintable(maj.erreurs));
        auto base = BaseDonnees::ouvre(m_base);
        QCOMPARE(base->scalaire(QStringLiteral("select Race from Personnage where Nom='adam'")).toString(), "Nain");
    }
};

QTEST_GUILESS_MAIN(TestExtensionNomfr)
#include "test_extension_nomfr.moc"

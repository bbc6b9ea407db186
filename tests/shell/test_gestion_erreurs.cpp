// Gestionnaire commun des erreurs : message, ligne du journal, mode débogage.
#include "commun/Fixtures.h"
#include "shell/GestionErreurs.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <stdexcept>

class TestGestionErreurs : public QObject
{
    Q_OBJECT

    static QStringList lignesJournal(const QString& chemin)
    {
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void messageExact()
    {
        QCOMPARE(MessageErreur(6, QStringLiteral("Dépassement de capacité")),
                 QStringLiteral("L'erreur suivante s'est produite : Dépassement de capacité\n\n numéro d'erreur (6 )"));
    }

    void erreurInterceptee_data()
    {
        QTest::addColumn<int>("genre");   // 0 : erreur d'exécution, 1 : exception de bibliothèque
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("description");
        QTest::newRow("dépassement") << 0 << 6 << "Dépassement de capacité";
        QTest::newRow("erreur de base") << 0 << 3000 << "Le fichier « x.db » n'existe pas.";
        QTest::newRow("exception standard") << 1 << int(kErreurInterne) << "vecteur trop court";
    }
    void erreurInterceptee()
    {
        QFETCH(int, genre);
        QFETCH(int, numero);
        QFETCH(QString, description);
        DossierTest d;
        const QString journal = d.chemin(QStringLiteral("errvb.log"));
        {
            QFile f(journal);   // une ligne d'une exécution précédente reste en place
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ancienne ligne\n");
        }
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        QStringList messages;
        g.afficheAvec([&](const QString& m) { messages << m; });

        g.protege("cmdOK_Click", "frmEssai.cpp", [&] {
            if (genre == 0)
                throw ErreurExecution(numero, description);
            throw std::out_of_range(description.toStdString());
        });

        QCOMPARE(messages, QStringList{MessageErreur(numero, description)});
        const QStringList lignes = lignesJournal(journal);
        QCOMPARE(lignes.size(), 2);
        QCOMPARE(lignes.first(), QStringLiteral("ancienne ligne"));
        const QString ligne = lignes.last();
        QVERIFY2(ligne.endsWith(QString::number(numero) + u' ' + description
                                + QStringLiteral(" Procedure : cmdOK_Click  Module : frmEssai.cpp")),
                 qPrintable(ligne));
        const QDateTime quand = QDateTime::fromString(ligne.left(19), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
        QVERIFY(quand.isValid());
        QVERIFY(qAbs(quand.secsTo(QDateTime::currentDateTime())) < 60);
    }

    void descriptionSurPlusieursLignes()
    {
        DossierTest d;
        const QString journal = d.chemin(QStringLiteral("errvb.log"));
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        g.afficheAvec([](const QString&) {});
        g.protege("p", "m.cpp", [] { throw ErreurExecution(5, QStringLiteral("première\ndeuxième")); });
        QCOMPARE(lignesJournal(journal).size(), 1);
    }

    void sansErreurRienNEstSignale()
    {
        DossierTest d;
        const QString journal = d.chemin(QStringLiteral("errvb.log"));
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        int affichages = 0;
        g.afficheAvec([&](const QString&) { ++affichages; });
        int appels = 0;
        g.protege("p", "m.cpp", [&] { ++appels; });
        QCOMPARE(appels, 1);
        QCOMPARE(affichages, 0);
        QVERIFY(lignesJournal(journal).isEmpty());
    }

    void modeDebogageNIntercepteRien()
    {
        DossierTest d;
        const QString journal = d.chemin(QStringLiteral("errvb.log"));
        GestionErreurs g;
        QVERIFY(g.ouvreJournal(journal));
        g.modeDebug = 1;
        int affichages = 0;
        g.afficheAvec([&](const QString&) { ++affichages; });
        QVERIFY_THROWS_EXCEPTION(ErreurExecution,
                                 g.protege("p", "m.cpp", [] { throw ErreurExecution(6, QStringLiteral("x")); }));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 g.protege("p", "m.cpp", [] { throw std::runtime_error("y"); }));
        QCOMPARE(affichages, 0);
        QVERIFY(lignesJournal(journal).isEmpty());
    }

    void journalImpossibleNEmpechePasLeMessage()
    {
        DossierTest d;
        GestionErreurs g;
        QVERIFY(!g.ouvreJournal(d.chemin(QStringLiteral("absent/errvb.log"))));
        QStringList messages;
        g.afficheAvec([&](const QString& m) { messages << m; });
        g.protege("p", "m.cpp", [] { throw ErreurExecution(6, QStringLiteral("x")); });
        QCOMPARE(messages.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestGestionErreurs)
#include "test_gestion_erreurs.moc"

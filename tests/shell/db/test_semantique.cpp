// Arrondis, lecture des nombres, entiers 16 bits contrôlés et utilitaires de texte.
#include "shell/Erreur.h"
#include "shell/Hasard.h"
#include "shell/Semantique.h"
#include "shell/db/Utilitaires.h"

#include <QtTest>

class TestSemantique : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void arrondis_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("plancher");
        QTest::addColumn<int>("pair");
        QTest::newRow("2,5") << 2.5 << 2 << 2;
        QTest::newRow("3,5") << 3.5 << 3 << 4;
        QTest::newRow("-2,5") << -2.5 << -3 << -2;
        QTest::newRow("-0,5") << -0.5 << -1 << 0;
        QTest::newRow("(9-10)/2") << -0.5 << -1 << 0;
        QTest::newRow("1,4999") << 1.4999 << 1 << 1;
    }
    void arrondis()
    {
        QFETCH(double, x);
        QFETCH(int, plancher);
        QFETCH(int, pair);
        QCOMPARE(Int(x), plancher);
        QCOMPARE(int(CInt(x)), pair);
    }

    void val_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("attendu");
        QTest::newRow("entier") << "12" << 12.0;
        QTest::newRow("suffixe") << "12 ans" << 12.0;
        QTest::newRow("blancs internes") << " 1 2 3" << 123.0;
        QTest::newRow("décimal point") << "2.75kg" << 2.75;
        QTest::newRow("virgule arrête") << "2,75" << 2.0;
        QTest::newRow("signe") << "-4/+1" << -4.0;
        QTest::newRow("plus") << "+6" << 6.0;
        QTest::newRow("exposant") << "1e3" << 1000.0;
        QTest::newRow("vide") << "" << 0.0;
        QTest::newRow("tiret seul") << "-" << 0.0;
        QTest::newRow("lettres") << "abc" << 0.0;
    }
    void val()
    {
        QFETCH(QString, texte);
        QFETCH(double, attendu);
        QCOMPARE(Val(texte), attendu);
    }

    void depassements()
    {
        Entier16 a = 32000;
        QCOMPARE(int(a + Entier16(767)), 32767);
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, a + Entier16(768));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, Entier16(-200) * Entier16(200));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, Entier16(40000));
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, CInt(32767.5));
        QCOMPARE(int(CInt(-32768.4)), -32768);
        try {
            Entier16 b = -32768;
            b -= 1;
            QFAIL("pas d'erreur");
        } catch (const ErreurExecution& e) {
            QCOMPARE(e.numero(), NumeroErreur::Depassement);
        }
    }

    void apostrophes_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("double_");
        QTest::newRow("une") << "D'Artagnan" << "D''Artagnan";
        QTest::newRow("aucune") << "Bob" << "Bob";
        QTest::newRow("deux de suite") << "a''b" << "a''''b";
    }
    void apostrophes()
    {
        QFETCH(QString, texte);
        QFETCH(QString, double_);
        QCOMPARE(DoubleApostrophe(texte), double_);
        QCOMPARE(ApostropheDroite(QStringLiteral("Potion d’ours")), QStringLiteral("Potion d'ours"));
    }

    // Le nombre de tirages sautés dépend du moment et reste entre 0 et 255.
    void avanceDuHasard()
    {
        const QDateTime moment(QDate(2026, 12, 5), QTime(21, 14, 7, 300));
        std::mt19937 a(42), b(42);
        const int n = AvanceHasard(a, moment);
        QVERIFY(n >= 0 && n <= 255);
        b.discard(n);
        QCOMPARE(a(), b());
        std::mt19937 c(42);
        QCOMPARE(AvanceHasard(c, moment), n);
        QVERIFY(AvanceHasard(c, moment.addSecs(1)) != n);
        for (int s = 0; s < 1000; s += 37) {
            const int m = AvanceHasard(c, moment.addSecs(s * 3601));
            QVERIFY(m >= 0 && m <= 255);
        }
    }

    void decimales()
    {
        QCOMPARE(NormaliseDecimal(QStringLiteral("2.5"), u',').toString(), QStringLiteral("2,5"));
        QCOMPARE(NormaliseDecimal(QStringLiteral("2,5"), u'.').toString(), QStringLiteral("2.5"));
        QCOMPARE(NormaliseDecimal(QStringLiteral("25"), u',').toString(), QStringLiteral("25"));
        QCOMPARE(NormaliseDecimal(QStringLiteral("1.2,5"), u',').toString(), QStringLiteral("1,2,5"));
        QVERIFY(NormaliseDecimal(QVariant(), u',').isNull());
    }
};

QTEST_GUILESS_MAIN(TestSemantique)
#include "test_semantique.moc"

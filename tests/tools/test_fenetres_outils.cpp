// Lanceur de dés et générateur de ville pilotés hors écran : touches, messages, focus, images.
#include "OutilsFenetres.h"
#include "SuiteConnue.h"
#include "tools/frmGenerateurVille.h"
#include "tools/frmLanceurDes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QLabel>
#include <QtTest>

class TestFenetresOutils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Entrée lance les dés où que soit le focus ; une expression refusée garde le focus sur la
    // case ; Échap ferme.
    void lanceurDes()
    {
        SuiteConnue hasard("1/6 4/6 6/6 2/6 2/6 2/6 3/4 4/4");
        frmLanceurDes f(&hasard);
        QCOMPARE(f.windowTitle(), "Lanceur de dès");
        QStringList types;
        for (int i = 0; i < f.CmbTypeDes->count(); ++i)
            types << f.CmbTypeDes->itemText(i);
        QCOMPARE(types, (QStringList{" 4", " 6", " 8", "10", "12", "20", "100"}));
        // Le titre est celui que les utilisateurs connaissent ; nos libellés sont en bon français.
        QStringList libelles;
        for (const QLabel* l : f.findChildren<QLabel*>())
            libelles << l->text();
        QVERIFY2(libelles.contains("Nombre de dés") && libelles.contains("Type de dés"), qPrintable(libelles.join(", ")));
        f.resize(380, 280);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));

        f.fldnNombreDes->setText("3");
        f.CmbTypeDes->setCurrentIndex(1);
        f.fldnNombreDes->setFocus();
        QTest::keyClick(f.fldnNombreDes, Qt::Key_Return);
        QCOMPARE(f.fldstrDetailResultat->toPlainText(), "1 4 6 ");
        QCOMPARE(f.fldnResultat->text(), "11");
        enregistreCapture(&f, "frmLanceurDes");

        f.CmbTypeDes->setFocus();
        QTest::keyClick(f.CmbTypeDes, Qt::Key_Enter);
        QCOMPARE(f.fldstrDetailResultat->toPlainText(), "2 2 2 ");
        QCOMPARE(f.fldnResultat->text(), "6");

        f.fldnNombreDes->setText("2d4+1");
        f.btnGenerer->setFocus();
        QTest::keyClick(f.btnGenerer, Qt::Key_Return);
        QCOMPARE(f.fldnResultat->text(), "8");
        QVERIFY(hasard.touteLue());

        f.fldnNombreDes->setText("3x6");
        f.CmbTypeDes->setFocus();
        {
            CaptureBoites boites;
            QTest::keyClick(f.CmbTypeDes, Qt::Key_Return);
            QTRY_COMPARE(boites.boites.size(), 1);
            QVERIFY(boites.boites[0].texte.contains("« x6 »"));
            QCOMPARE(boites.boites[0].icone, QMessageBox::Warning);
        }
        QVERIFY(f.fldstrDetailResultat->toPlainText().isEmpty());
        QCOMPARE(f.fldnResultat->text(), "0");
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.fldnNombreDes));

        // Hors écran, la fenêtre ne redevient pas active d'elle-même quand la boîte se ferme.
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(f.fldnNombreDes, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    // Chaque saisie fautive : son message, le focus sur sa case, la sortie laissée telle quelle.
    void villeSaisiesRefusees_data()
    {
        QTest::addColumn<QStringList>("saisies");   // nom, population, impôt, dîme
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("message");
        QTest::newRow("nom") << QStringList{"", "500", "5", "2"} << "fldstrnom" << "Saisie d'un nom obligatoire";
        QTest::newRow("population") << QStringList{"Brume", "cinq cents", "5", "2"} << "fldnPopulation"
                                    << "Saisie d'une valeur numérique pour la population";
        QTest::newRow("population bornée") << QStringList{"Brume", "1000000", "5", "2"} << "fldnPopulation"
                                           << "Saisie d'une population entière, de 0 à 400 000 habitants";
        QTest::newRow("impôts") << QStringList{"Brume", "500", "", "2"} << "fldnImpot"
                                << "Saisie d'une valeur numérique pour les impôts";
        QTest::newRow("dîme") << QStringList{"Brume", "500", "5", "2 %"} << "fldnDime"
                              << "Saisie d'une valeur numérique pour la dîme";
    }
    void villeSaisiesRefusees()
    {
        QFETCH(QStringList, saisies);
        SuiteConnue hasard("");
        frmGenerateurVille f(u',', &hasard);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.CmbType->currentText(), "Isolée");
        f.fldstrSortie->setPlainText("ancienne description");
        const QList<QLineEdit*> cases{f.fldstrnom, f.fldnPopulation, f.fldnImpot, f.fldnDime};
        for (int i = 0; i < cases.size(); ++i)
            cases[i]->setText(saisies[i]);
        CaptureBoites boites;
        QTest::mouseClick(f.cmdGenerer, Qt::LeftButton);
        QTRY_COMPARE(boites.boites.size(), 1);
        QTEST(boites.boites[0].texte, "message");
        QCOMPARE(boites.boites[0].icone, QMessageBox::Warning);
        QVERIFY(f.focusWidget());
        QTEST(f.focusWidget()->objectName(), "champ");
        QCOMPARE(f.fldstrSortie->toPlainText(), "ancienne description");
    }

    void villeGeneree()
    {
        SuiteConnue hasard("", true);
        frmGenerateurVille f(u',', &hasard);
        f.fldstrnom->setText("Brume-sur-Mer");
        f.fldnPopulation->setText("30000");
        f.fldnImpot->setText("5,5");
        f.fldnDime->setText("2");
        f.CmbType->setCurrentText("Intégrée");
        f.resize(600, 640);
        f.show();
        QTest::mouseClick(f.cmdGenerer, Qt::LeftButton);
        const QStringList lignes = f.fldstrSortie->toPlainText().split(u'\n');
        QCOMPARE(lignes.first(), "Brume-sur-Mer, Métropole de 30000 habitants.");
        // 30000 × 10 × 0,8 = 240000 Po d'or, dont 5,5 %.
        QVERIFY(lignes.contains("Impôts en or : 13200 Po/mois"));
        QVERIFY(lignes.contains("Demi-orques : 900"));
        enregistreCapture(&f, "frmGenerateurVille");
    }
};

QTEST_MAIN(TestFenetresOutils)
#include "test_fenetres_outils.moc"

// Fenêtre d'affectation pilotée hors écran : refus au chargement, compteurs, dons ajoutés,
// conditions marquées, "&Ok" et "&Annuler" ; une capture PNG est laissée dans le dossier de build.
#include "sheet/FixturesFiche.h"
#include "allocation/frmDonsComp.h"
#include "commun/Fixtures.h"
#include "OutilsFenetres.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

namespace {

int ligneCompetence(const frmDonsComp& w, const QString& nom)
{
    const auto& lignes = w.allocation().Competences.Lignes;
    for (int i = 0; i < lignes.size(); ++i)
        if (lignes.at(i).NomRegle == nom)
            return i;
    return -1;
}

int ligneGrille(const QTableWidget* g, const QString& texte)
{
    for (int r = 0; r < g->rowCount(); ++r)
        if (g->item(r, 0)->text() == texte)
            return r;
    return -1;
}

} // namespace

class TestFrmDonsComp : public TestFicheBase
{
    Q_OBJECT

    PersonnageEdite m_roublard;
    PersonnageEdite m_guerrier;

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        // Roublard humain, Force 10, Intelligence 14 ; Esquive prise au niveau 1.
        ajoutePersonnageFiche(*m_perso, "Wenda",
                              {{"Roublard", 6, {10, 16, 12, 14, 10, 12}}, {"Roublard", 4}}, {{"RACE", "Humain"}});
        QVERIFY(chargePersonnage(*m_perso, "Wenda", m_roublard));
        m_roublard.niveaux[0].competence = "6-4-4|";
        m_roublard.niveaux[0].dons[0] = "Esquive";
        // Guerrier humain 3 : trois dons au niveau 1 (niveau, race, guerrier), un au niveau 3.
        ajoutePersonnageFiche(*m_perso, "Tarn", niveaux("Guerrier", 3), {{"RACE", "Humain"}});
        QVERIFY(chargePersonnage(*m_perso, "Tarn", m_guerrier));
    }

    void chargementRefuse_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("message");
        QTest::newRow("sans race") << "" << "Roublard" << kMessageRaceAbsente;
        QTest::newRow("classe inconnue") << "Humain" << "Jongleur" << kMessageClasseInconnue;
    }
    void chargementRefuse()
    {
        QFETCH(QString, race);
        QFETCH(QString, classe);
        QFETCH(QString, message);
        PersonnageEdite p = m_roublard;
        p.race = race;
        p.niveaux[1].classe = classe;
        frmDonsComp w(*m_perso, *m_programme, p, 1);
        QVERIFY(!w.Charge());
        QCOMPARE(w.messageRefus(), message);
        w.btnOk->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.niveau().competence, p.niveaux[1].competence);
    }

    void compteursEtDons()
    {
        frmDonsComp w(*m_perso, *m_programme, m_roublard, 1);
        QVERIFY(w.Charge());
        const int bluff = ligneCompetence(w, "Bluff");
        const int concentration = ligneCompetence(w, "Concentration");
        QCOMPARE(w.LabPtsAttrib[bluff]->text(), "4");
        const int arepartir = w.LabnArepartir->text().toInt();
        // Roublard humain, Int 14 : (8 + 2 + 1) x 4 + 11, moins les 4 points du niveau 1.
        QCOMPARE(arepartir, 44 + 11 - 4);

        w.SpinComp[bluff]->stepUp();
        QCOMPARE(w.labnModif[bluff]->text(), "1");
        QCOMPARE(w.labnFinal[bluff]->text(), "5");
        // Hors classe au niveau 2 : 2 rangs au plus, 2 points chacun ; le compteur revient au maximum.
        w.SpinComp[concentration]->setValue(9);
        QCOMPARE(w.labnModif[concentration]->text(), "2");
        QCOMPARE(w.SpinComp[concentration]->value(), 2);
        QCOMPARE(w.LabnRestant->text().toInt(), arepartir - 1 - 4);
        w.SpinComp[concentration]->stepDown();
        QCOMPARE(w.LabnRestant->text().toInt(), arepartir - 1 - 2);

        // Science de la bousculade demande For 13 et Attaque en puissance : marquée, mais possible.
        const int bousculade = ligneGrille(w.vs2, "Science de la bousculade");
        QVERIFY(bousculade >= 0);
        QVERIFY(w.vs2->item(bousculade, 0)->toolTip().contains("For 13 (10)"));
        QVERIFY(w.vs2->item(bousculade, 0)->toolTip().contains("Attaque en puissance"));
        w.vs2->selectRow(ligneGrille(w.vs2, "Attaque en puissance"));
        QTest::mouseClick(w.btnAjouter, Qt::LeftButton);
        const int prise = ligneGrille(w.vs1, "Attaque en puissance");
        QVERIFY(prise >= 0);
        QCOMPARE(w.vs1->item(prise, 0)->background().color(), QColor(0, 255, 0));
        QCOMPARE(w.vs1->item(ligneGrille(w.vs1, "Esquive"), 0)->background().color(), QColor(Qt::white));
        QVERIFY(!w.vs2->item(ligneGrille(w.vs2, "Science de la bousculade"),
                     0)->toolTip().contains("Attaque en puissance"));

        // Le don du niveau 1 ne s'enlève pas ici.
        w.vs1->selectRow(ligneGrille(w.vs1, "Esquive"));
        QTest::mouseClick(w.btnEnlever, Qt::LeftButton);
        QVERIFY(ligneGrille(w.vs1, "Esquive") >= 0);

        // Clic sur un nom : sa description.
        QTest::mouseClick(w.LabCompetence[bluff], Qt::LeftButton);
        QVERIFY(w.fldDescription->toPlainText().startsWith("Bluff"));

        w.resize(1180, 780);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.grab().save(QCoreApplication::applicationDirPath() + "/frmDonsComp.png");

        // Le roublard 2 n'a aucun don à choisir : l'Ok demande confirmation.
        repondA<QMessageBox>([](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); });
        QTest::mouseClick(w.btnOk, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        const int numero = w.allocation().Competences.Lignes.at(bluff).Numero;
        const int numeroConcentration = w.allocation().Competences.Lignes.at(concentration).Numero;
        // Dans l'ordre des lignes : Bluff de classe (1 point), Concentration hors classe (2 points).
        QCOMPARE(w.niveau().competence, QStringLiteral("%1-1-1|%2-2-1|").arg(numero).arg(numeroConcentration));
        QCOMPARE(w.niveau().dons[0], "Attaque en puissance");
        QVERIFY(w.niveau().dons[1].isEmpty());
        QCOMPARE(w.niveau().pv, m_roublard.niveaux[1].pv);
    }

    // Dons choisis comptés sur ceux que le niveau accorde ; au-delà, en rouge, et l'Ok demande.
    void donsChoisisSurAccordes_data()
    {
        QTest::addColumn<int>("ligne");   // 0 : niveau 1
        QTest::addColumn<int>("ajouts");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("depasse");
        QTest::addColumn<bool>("garde");  // réponse à la question
        QTest::newRow("niveau 1 humain guerrier : trois sur trois") << 0 << 3 << "Niveau 1 : 3 dons choisis sur 3" << false
                                                                    << false;
        QTest::newRow("niveau 3 : aucun") << 2 << 0 << "Niveau 3 : 0 don choisi sur 1" << false << false;
        QTest::newRow("niveau 3 : un sur un") << 2 << 1 << "Niveau 3 : 1 don choisi sur 1" << false << false;
        QTest::newRow("niveau 3 : deux sur un, gardés") << 2 << 2 << "Niveau 3 : 2 dons choisis sur 1" << true << true;
        QTest::newRow("niveau 3 : deux sur un, repris") << 2 << 2 << "Niveau 3 : 2 dons choisis sur 1" << true << false;
    }
    void donsChoisisSurAccordes()
    {
        QFETCH(int, ligne);
        QFETCH(int, ajouts);
        QFETCH(QString, texte);
        QFETCH(bool, depasse);
        QFETCH(bool, garde);
        frmDonsComp w(*m_perso, *m_programme, m_guerrier, ligne);
        QVERIFY(w.Charge());
        for (int i = 0; i < ajouts; ++i) {
            w.vs2->selectRow(0);
            w.btnAjouter->click();
        }
        QCOMPARE(w.lblDonsChoisis->text(), texte);
        QCOMPARE(w.lblDonsChoisis->styleSheet().contains("red"), depasse);
        QString question;
        if (depasse)
            repondA<QMessageBox>([&](QMessageBox* b) {
                question = b->text();
                b->button(garde ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        w.btnOk->click();
        QCOMPARE(question.contains(texte.section(" : ", 1)), depasse);
        const bool ecrit = !depasse || garde;
        QCOMPARE(w.result() == QDialog::Accepted, ecrit);
        QCOMPARE(ajouts > 0 && !w.niveau().dons[ajouts - 1].isEmpty(), ajouts > 0 && ecrit);
        if (depasse && garde) {
            w.resize(1024, 720);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            enregistreCapture(&w, "frmDonsComp-depasse");
        }
    }

    // Montrée, la fenêtre se charge d'elle-même ; "&Annuler" ne rend rien de ce qui a été fait.
    void annuler()
    {
        frmDonsComp w(*m_perso, *m_programme, m_roublard, 1);
        w.show();
        QTRY_VERIFY(!w.LabCompetence.isEmpty());
        w.SpinComp[ligneCompetence(w, "Bluff")]->stepUp();
        w.vs2->selectRow(0);
        w.btnAjouter->click();
        w.btnAnnuler->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(w.niveau().competence, m_roublard.niveaux[1].competence);
        QCOMPARE(w.niveau().dons, m_roublard.niveaux[1].dons);
    }
};

QTEST_MAIN(TestFrmDonsComp)
#include "test_frm_dons_comp.moc"

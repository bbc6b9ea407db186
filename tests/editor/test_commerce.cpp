// Achat et revente des objets : calculs d'argent, prix neuf d'après le catalogue, et les deux
// fenêtres qui les appliquent à la grille des objets et à l'argent de l'éditeur.
#include "OutilsFenetres.h"
#include "commun/Fixtures.h"
#include "editor/Commerce.h"
#include "editor/FrmLstArticle.h"
#include "editor/frmVendre.h"
#include "sheet/FixturesFiche.h"
#include "shell/db/BaseDonnees.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <optional>

using Saisies = QList<QPair<QString, QString>>;   // champ de frmVendre, texte saisi
Q_DECLARE_METATYPE(Saisies)

class TestCommerce : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossierTest> m_dossier;
    std::unique_ptr<BaseDonnees> m_perso;

    // La grille des objets d'un éditeur, avec une ligne "Flèche" tenue en nombre donné.
    static void ligneTenue(QTableWidget& grille, const QString& nombre)
    {
        grille.setColumnCount(6);
        grille.setRowCount(1);
        const QStringList cellules{"Flèche", QString(), QString(), QString(), "Oui", nombre};
        for (int c = 0; c < 6; ++c)
            grille.setItem(0, c, new QTableWidgetItem(cellules[c]));
    }

private slots:
    void initTestCase()
    {
        auto programme = baseProgrammeLivree();
        if (!programme)
            QSKIP("base du programme non construite");
        m_dossier = std::make_unique<DossierTest>();
        m_perso = basePersonnagesTest(*m_dossier, *programme);
    }

    void achat_data()
    {
        QTest::addColumn<QString>("quantite");
        QTest::addColumn<QString>("prix");
        QTest::addColumn<QString>("argent");
        QTest::addColumn<double>("facteur");
        QTest::addColumn<QString>("message");   // vide : accepté
        QTest::addColumn<QString>("reste");
        QTest::newRow("trois à 30 Po") << "3" << "30" << "100" << 1.0 << QString() << "10";
        QTest::newRow("tout l'argent") << "2" << "50" << "100" << 1.0 << QString() << "0";
        QTest::newRow("prix décimal à virgule") << "3" << "0,5" << "10.25" << 1.0 << QString() << "8.75";
        QTest::newRow("prix vide : gratuit") << "1" << "" << "4" << 1.0 << QString() << "4";
        QTest::newRow("ajout gratuit sans argent") << "4" << "30" << "" << 0.0 << QString() << "0";
        // Plus cher que l'argent : compté, l'argent passe sous zéro (l'achat se confirme à part).
        QTest::newRow("argent insuffisant") << "4" << "30" << "100" << 1.0 << QString() << "-20";
        QTest::newRow("quantité en lettres") << "deux" << "30" << "100" << 1.0
                                             << "Le nombre d'objet doit être entrée en tant que valeur numérique" << "";
        QTest::newRow("quantité fractionnaire") << "1.5" << "30" << "100" << 1.0
                                                << "Le nombre d'objet doit être entrée en tant que valeur numérique" << "";
        QTest::newRow("quantité nulle") << "0" << "30" << "100" << 1.0 << "Le nombre d'objet doit être plus grand que 1" << "";
        QTest::newRow("prix en lettres") << "1" << "cher" << "100" << 1.0
            << "Le prix unitaire de l'objet doit être entrée en tant que valeur numérique" << "";
        QTest::newRow("prix négatif") << "1" << "-5" << "100" << 1.0 << "Le prix unitaire doit être plus grand que 0" << "";
        QTest::newRow("argent illisible") << "1" << "5" << "beaucoup" << 1.0
                                          << "Le nombre de Po doit être entrée en tant que valeur numérique" << "";
    }
    void achat()
    {
        QFETCH(QString, quantite);
        QFETCH(QString, prix);
        QFETCH(QString, argent);
        QFETCH(double, facteur);
        QFETCH(QString, message);
        QFETCH(QString, reste);
        Achat a;
        const auto refus = calculeAchat(quantite, prix, argent, facteur, a);
        QCOMPARE(refus ? refus->message : QString(), message);
        if (!refus) {
            QCOMPARE(texteArgent(a.argentRestant), reste);
            QCOMPARE(a.depasse, a.argentRestant < 0);
        }
    }

    void prixNeuf_data()
    {
        QTest::addColumn<QString>("objet");
        QTest::addColumn<QString>("charges");
        QTest::addColumn<double>("prix");
        QTest::newRow("sans charges") << "Dague" << QString() << 2.0;
        QTest::newRow("baguette à moitié vide") << "Baguette d'agrandissement" << "25" << 375.0;
        QTest::newRow("apostrophe typographique") << "Baguette d’agrandissement" << "50" << 750.0;
        QTest::newRow("baguette épuisée") << "Baguette d'agrandissement" << "" << 0.0;
        QTest::newRow("hors catalogue") << "Trésor de famille" << "3" << 0.0;
    }
    void prixNeuf()
    {
        QFETCH(QString, objet);
        QFETCH(QString, charges);
        QFETCH(double, prix);
        QCOMPARE(prixNeufObjet(*m_perso, objet, charges), prix);
    }

    // Vente par la fenêtre : saisies, puis "Vendre" ; argent et ligne de la grille après coup.
    void vente_data()
    {
        QTest::addColumn<QString>("tenus");
        QTest::addColumn<Saisies>("saisies");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("argent");
        QTest::addColumn<QString>("restant");   // vide : ligne retirée
        const QString nombre = "fldnNombreObjet", unitaire = "fldnPrixUnitaire",
                      total = "fldnPrixTotal";
        QTest::newRow("2 sur 5 à 30 Po") << "5" << Saisies{{nombre, "2"}} << QString() << "40" << "3";
        QTest::newRow("tout vendre") << "5" << Saisies{} << QString() << "85" << "";
        QTest::newRow("total mis à 0") << "5" << Saisies{{total, "0"}} << QString() << "10" << "";
        QTest::newRow("prix total choisi") << "5" << Saisies{{nombre, "2"}, {total, "41"}} << QString() << "51" << "3";
        QTest::newRow("prix unitaire choisi") << "5" << Saisies{{unitaire, "20,5"}, {nombre, "4"}} << QString() << "92" << "1";
        QTest::newRow("ligne sans nombre : un objet") << "" << Saisies{} << QString() << "25" << "";
        QTest::newRow("aucun objet") << "5" << Saisies{{nombre, "0"}}
                                     << "Le nombre d'objet doit être plus grand que 1" << "85" << "";
        QTest::newRow("plus que tenus") << "5" << Saisies{{nombre, "6"}}
                                        << "Le nombre d'objet doit être plus petit que 6" << "85" << "";
        QTest::newRow("nombre en lettres") << "5" << Saisies{{nombre, "deux"}}
                                           << "Le nombre d'objet doit être entrée en tant que valeur numérique" << "85" << "";
        QTest::newRow("prix unitaire négatif") << "5" << Saisies{{unitaire, "-1"}}
                                               << "Le prix unitaire doit être plus grand que 0" << "85" << "";
        QTest::newRow("prix unitaire en lettres") << "5" << Saisies{{unitaire, "x"}}
            << "Le prix unitaire doit être entrée en tant que valeur numérique" << "85" << "";
        QTest::newRow("total négatif") << "5" << Saisies{{total, "-3"}} << "Le prix total doit être plus grand que 0" << "85" << "";
        QTest::newRow("total en lettres") << "5" << Saisies{{total, "?"}}
                                          << "Le prix total doit être entrée en tant que valeur numérique" << "85" << "";
    }
    void vente()
    {
        QFETCH(QString, tenus);
        QFETCH(Saisies, saisies);
        QFETCH(QString, message);
        QFETCH(QString, argent);
        QFETCH(QString, restant);
        CaptureBoites boites;
        QTableWidget grille;
        ligneTenue(grille, tenus);
        QLineEdit bourse("10");
        frmVendre d("Flèche", 30, tenus, &grille, 0, &bourse);
        QCOMPARE(d.LabPrixNeuf->text(), "Prix neuf de l'objet : 30 Po");
        QCOMPARE(d.fldnPrixUnitaire->text(), "15");
        for (const auto& [champ, texte] : saisies) {
            auto* c = d.findChild<QLineEdit*>(champ);
            c->setText(texte);
            Q_EMIT c->editingFinished();
        }
        QCOMPARE(boites.boites.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(boites.boites.first().texte, message);
            QCOMPARE(boites.boites.first().icone, QMessageBox::Warning);
        }
        d.btnVendre->click();
        QCOMPARE(bourse.text(), argent);
        QCOMPARE(grille.rowCount(), restant.isEmpty() ? 0 : 1);
        if (!restant.isEmpty())
            QCOMPARE(grille.item(0, 5)->text(), restant);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void supprimerSansArgent()
    {
        QTableWidget grille;
        ligneTenue(grille, "5");
        QLineEdit bourse("10");
        frmVendre d("Flèche", 30, "5", &grille, 0, &bourse);
        d.btnSupprimer->click();
        QCOMPARE(grille.rowCount(), 0);
        QCOMPARE(bourse.text(), "10");
    }

    // Liste des objets : achat payé, ajout gratuit, argent insuffisant, double clic.
    void listeDesObjets_data()
    {
        QTest::addColumn<bool>("achat");
        QTest::addColumn<QString>("quantite");
        QTest::addColumn<bool>("doubleClic");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("argent");
        QTest::newRow("achat de 3 épées") << true << "3" << false << QString() << "55";
        QTest::newRow("double clic vaut OK") << true << "1" << true << QString() << "85";
        QTest::newRow("ajout gratuit") << false << "3" << false << QString() << "100";
        // Plus cher que l'argent : la question, « Non » puis « Oui ».
        QTest::newRow("trop cher, refusé") << true << "7" << false << "Eric n'a que 100 Po : acheter quand même ?" << "100";
        QTest::newRow("trop cher, à crédit") << true << "7" << false << "Eric n'a que 100 Po : acheter quand même ?" << "-5";
        QTest::newRow("quantité en lettres") << true << "x" << false
                                             << "Le nombre d'objet doit être entrée en tant que valeur numérique" << "100";
    }
    void listeDesObjets()
    {
        QFETCH(bool, achat);
        QFETCH(QString, quantite);
        QFETCH(bool, doubleClic);
        QFETCH(QString, message);
        QFETCH(QString, argent);
        // À crédit, la question reçoit « Oui » ; sinon chaque boîte est fermée (« Non » à la question).
        const bool credit = argent.startsWith(u'-');
        std::optional<CaptureBoites> boites;
        QString question;
        if (credit)
            repondA<QMessageBox>([&question](QMessageBox* b) {
                question = b->text();
                b->button(QMessageBox::Yes)->click();
            });
        else
            boites.emplace();
        QTableWidget grille(1, 6);
        QLineEdit bourse("100");
        FrmLstArticle d(*m_perso, achat, &grille, 0, &bourse, "Eric");
        QCOMPARE(d.fldnPrixUnitaire->text(), achat ? QString() : "0");
        QVERIFY(d.FGarticle->rowCount() > 1000);
        d.fldstrRecherche->setText("épée longue");
        int ligne = -1;
        for (int r = 0; r < d.FGarticle->rowCount(); ++r)
            if (!d.FGarticle->isRowHidden(r) && d.FGarticle->item(r, 0)->text() == "Épée longue")
                ligne = r;
        QVERIFY(ligne >= 0);
        QVERIFY(d.FGarticle->isRowHidden(0));
        d.FGarticle->selectRow(ligne);
        QCOMPARE(d.fldnPrixUnitaire->text(), "15");
        QVERIFY(!d.fldstrdescription->toPlainText().isEmpty());
        d.fldnNombre->setText(quantite);
        if (doubleClic)
            Q_EMIT d.FGarticle->cellDoubleClicked(ligne, 0);
        else
            d.BtnOK->click();

        QCOMPARE(bourse.text(), argent);
        if (credit) {
            QCOMPARE(question, message);
        } else {
            QCOMPARE(boites->boites.size(), message.isEmpty() ? 0 : 1);
            if (!message.isEmpty()) {
                QCOMPARE(boites->boites.first().texte, message);
                QVERIFY(!grille.item(0, 0));
                return;
            }
        }
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(grille.item(0, 0)->text(), "Épée longue");
        QCOMPARE(grille.item(0, 1)->text(), "Epée longue");
        QCOMPARE(grille.item(0, 4)->text(), "Oui");
        QCOMPARE(grille.item(0, 5)->text(), quantite);
    }

    void captures()
    {
        QTableWidget grille;
        ligneTenue(grille, "5");
        QLineEdit bourse("100");
        frmVendre vente("Flèche", 30, "5", &grille, 0, &bourse);
        vente.show();
        enregistreCapture(&vente, "frmVendre");
        FrmLstArticle liste(*m_perso, true, &grille, 0, &bourse, "Eric");
        liste.show();
        liste.FGarticle->selectRow(3);
        enregistreCapture(&liste, "FrmLstArticle");
    }
};

QTEST_MAIN(TestCommerce)
#include "test_commerce.moc"

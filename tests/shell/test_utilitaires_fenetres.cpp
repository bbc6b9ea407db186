// Outils des fenêtres : effacement, sélection à l'entrée, ligne de grille, dialogue, boutons.
#include "commun/Fixtures.h"
#include "shell/UtilitairesFenetres.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestUtilitairesFenetres : public QObject
{
    Q_OBJECT

    template<class W>
    static W* ajoute(QWidget* parent, const char* nom)
    {
        auto* w = new W(parent);
        w->setObjectName(QLatin1String(nom));
        return w;
    }

    static QTableWidget* grille(QWidget* parent, const QStringList& noms)
    {
        auto* g = new QTableWidget(int(noms.size()), 2, parent);
        for (int i = 0; i < noms.size(); ++i) {
            g->setItem(i, 0, new QTableWidgetItem(QString::number(i)));
            g->setItem(i, 1, new QTableWidgetItem(noms[i]));
        }
        return g;
    }

private Q_SLOTS:
    void videChamps()
    {
        QWidget fenetre;
        auto* numerique = ajoute<QLineEdit>(&fenetre, "fldnAge");
        numerique->setProperty("Tag", QStringLiteral("numeric"));
        numerique->setText(QStringLiteral("12"));
        auto* texte = ajoute<QLineEdit>(&fenetre, "fldstrNom");
        texte->setText(QStringLiteral("Bob"));
        auto* majuscules = ajoute<QLineEdit>(&fenetre, "FLDSTRTITRE");
        majuscules->setText(QStringLiteral("Sire"));
        auto* liste = ajoute<QComboBox>(&fenetre, "CmbRace");
        liste->addItems({QStringLiteral("Elfe"), QStringLiteral("Nain")});
        liste->setCurrentIndex(1);
        auto* editable = ajoute<QComboBox>(&fenetre, "cmbDieu");
        editable->setEditable(true);
        editable->addItem(QStringLiteral("Pélor"));
        editable->setEditText(QStringLiteral("Saisi"));
        auto* coche = ajoute<QCheckBox>(&fenetre, "ChkDonsAPrendre");
        coche->setChecked(true);
        auto* etiquette = ajoute<QLabel>(&fenetre, "LabNom");
        etiquette->setText(QStringLiteral("Nom"));
        auto* bouton = ajoute<QPushButton>(&fenetre, "btnEnregistrer");
        bouton->setText(QStringLiteral("Enregistrer"));
        auto* autreChamp = ajoute<QLineEdit>(&fenetre, "saisieLibre");
        autreChamp->setText(QStringLiteral("garde"));
        auto* autreCoche = ajoute<QCheckBox>(&fenetre, "optionLibre");
        autreCoche->setChecked(true);

        VideChamps(&fenetre);
        QCOMPARE(numerique->text(), QStringLiteral("0"));
        QCOMPARE(texte->text(), QString());
        QCOMPARE(majuscules->text(), QString());
        QCOMPARE(liste->currentIndex(), -1);
        QCOMPARE(editable->currentText(), QString());
        QVERIFY(!coche->isChecked());
        QCOMPARE(etiquette->text(), QStringLiteral("Nom"));
        QCOMPARE(bouton->text(), QStringLiteral("Enregistrer"));
        QCOMPARE(autreChamp->text(), QStringLiteral("garde"));
        QVERIFY(autreCoche->isChecked());
    }

    void selectionALEntree_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("selectionne");
        QTest::newRow("champ FLD") << "fldstrNom" << true;
        QTest::newRow("autre champ") << "saisieLibre" << false;
    }
    void selectionALEntree()
    {
        QFETCH(QString, nom);
        QFETCH(bool, selectionne);
        QWidget fenetre;
        auto* premier = ajoute<QLineEdit>(&fenetre, "fldPremier");
        auto* champ = new QLineEdit(QStringLiteral("Bérénice"), &fenetre);
        champ->setObjectName(nom);
        champ->move(0, 40);
        ActiveSelectionSurFocus(&fenetre);
        fenetre.resize(300, 100);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        premier->setFocus();
        // L'entrée à la souris place normalement le curseur sans rien sélectionner.
        QTest::mouseClick(champ, Qt::LeftButton, {}, QPoint(5, champ->height() / 2));
        QTRY_VERIFY(champ->hasFocus());
        QTest::qWait(20);
        QCOMPARE(champ->selectedText(), selectionne ? champ->text() : QString());
    }

    void trouveLigne_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("attendue");   // -1 : pas trouvée
        QTest::newRow("trouvée") << "Corwin" << 1 << 2;
        QTest::newRow("la première de deux") << "Alaric" << 1 << 0;
        QTest::newRow("égalité exacte seulement") << "corwin" << 1 << -1;
        QTest::newRow("autre colonne") << "3" << 0 << 3;
        QTest::newRow("absente") << "Zora" << 1 << -1;
        QTest::newRow("colonne hors grille") << "Corwin" << 5 << -1;
    }
    void trouveLigne()
    {
        QFETCH(QString, valeur);
        QFETCH(int, colonne);
        QFETCH(int, attendue);
        QWidget fenetre;
        QStringList noms{QStringLiteral("Alaric"), QStringLiteral("Bérénice"), QStringLiteral("Corwin"),
                         QStringLiteral("Alaric")};
        for (int i = 0; i < 40; ++i)
            noms << QStringLiteral("Figurant %1").arg(i);
        noms << QStringLiteral("Dernier");
        auto* g = grille(&fenetre, noms);
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->resize(300, 150);
        fenetre.show();
        g->selectRow(1);
        QCOMPARE(TrouveLigne(g, valeur, colonne), attendue >= 0);
        QCOMPARE(g->currentRow(), attendue >= 0 ? attendue : 1);
        QCOMPARE(g->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(g->selectionModel()->selectedRows().first().row(), attendue >= 0 ? attendue : 1);
    }

    void trouveLigneFaitVoirLaLigne()
    {
        QWidget fenetre;
        QStringList noms;
        for (int i = 0; i < 60; ++i)
            noms << QStringLiteral("Figurant %1").arg(i);
        auto* g = grille(&fenetre, noms);
        g->resize(300, 150);
        fenetre.show();
        QVERIFY(TrouveLigne(g, QStringLiteral("Figurant 55"), 1));
        QVERIFY(g->viewport()->rect().intersects(g->visualRect(g->model()->index(55, 1))));
    }

    void dialogueOuvrir_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("filtresQt");
        QTest::addColumn<bool>("choisit");
        QTest::newRow("annulé") << "Base Quorvane (*.db)|*.db" << QStringList{"Base Quorvane (*.db)"} << false;
        QTest::newRow("choisi") << "Base Quorvane (*.db)|*.db" << QStringList{"Base Quorvane (*.db)"} << true;
        QTest::newRow("libellé sans motif, deux filtres")
            << "Texte|*.txt|Tous les fichiers|*.*" << QStringList{"Texte (*.txt)", "Tous les fichiers (*.*)"} << false;
    }
    void dialogueOuvrir()
    {
        QFETCH(QString, filtre);
        QFETCH(QStringList, filtresQt);
        QFETCH(bool, choisit);
        DossierTest d;
        const QString fichier = d.chemin(QStringLiteral("perso.db"));
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QStringList vus;
        QString titre;
        QTimer::singleShot(50, [&] {
            auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialogue);
            vus = dialogue->nameFilters();
            titre = dialogue->windowTitle();
            if (choisit) {
                // Comme l'utilisateur : le nom tapé puis Entrée.
                auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!nom)
                    return dialogue->reject();
                nom->setText(QFileInfo(fichier).fileName());
                QTest::keyClick(nom, Qt::Key_Return);
            } else {
                dialogue->reject();
            }
        });
        // Filet : un dialogue resté ouvert est fermé plutôt que de bloquer l'essai.
        QTimer::singleShot(3000, [] {
            if (auto* reste = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                reste->reject();
        });
        const QString resultat = DialogueOuvrir(nullptr, QStringLiteral("Choisir"), filtre, d.dossier().path());
        QCOMPARE(titre, QStringLiteral("Choisir"));
        QCOMPARE(vus, filtresQt);
        QCOMPARE(resultat, choisit ? fichier : QString());
    }

    void disposeBoutons_data()
    {
        QTest::addColumn<QList<int>>("caches");
        QTest::newRow("tous visibles") << QList<int>{};
        QTest::newRow("milieu caché") << QList<int>{1};
        QTest::newRow("premier caché") << QList<int>{0};
        QTest::newRow("deux cachés") << QList<int>{1, 3};
    }
    void disposeBoutons()
    {
        QFETCH(QList<int>, caches);
        QWidget fenetre;
        QList<QWidget*> boutons;
        const QList<int> largeurs{80, 100, 60, 90, 70};
        for (int i = 0; i < largeurs.size(); ++i) {
            auto* b = new QPushButton(QStringLiteral("B%1").arg(i), &fenetre);
            b->setGeometry(30 + 150 * i, 200 + i, largeurs[i], 25);   // positions de départ dispersées
            b->setHidden(caches.contains(i));
            boutons << b;
        }
        DisposeBoutons(boutons);
        int x = 30;
        for (QWidget* b : boutons) {
            if (b->isHidden())
                continue;
            QCOMPARE(b->pos(), QPoint(x, 200));
            x += b->width();
        }
    }

    void pixels()
    {
        QCOMPARE(Pixels(1440), 96);
        QCOMPARE(Pixels(6600), 440);
        QCOMPARE(Pixels(0), 0);
    }
};

QTEST_MAIN(TestUtilitairesFenetres)
#include "test_utilitaires_fenetres.moc"

// Choix d'un personnage : contenu de la grille, clic, géométrie dans la fenêtre principale.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/frmAcceder.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

class TestAcceder : public QObject
{
    Q_OBJECT

    static QStringList ligne(QTableWidget* g, int i)
    {
        QStringList l;
        for (int c = 0; c < g->columnCount(); ++c)
            l << (g->item(i, c) ? g->item(i, c)->text() : QString());
        return l;
    }

    static QPoint centreCellule(QTableWidget* g, int ligne, int colonne)
    {
        return g->visualRect(g->model()->index(ligne, colonne)).center();
    }

private Q_SLOTS:
    void enTetes()
    {
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso(QStringLiteral("vide.db")));
        frmAcceder f(*base);
        QCOMPARE(f.objectName(), QStringLiteral("frmAcceder"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Accéder à un personnage"));
        QCOMPARE(f.vsnom->objectName(), QStringLiteral("vsnom"));
        QStringList entetes;
        for (int c = 0; c < f.vsnom->columnCount(); ++c)
            entetes << f.vsnom->horizontalHeaderItem(c)->text();
        QCOMPARE(entetes, (QStringList{QStringLiteral("Nom"), QStringLiteral("Race"), QStringLiteral("Niv"),
                                       QStringLiteral("Classe")}));
    }

    // Un personnage par cas : ce que montre sa ligne, ou son absence.
    void unPersonnage_data()
    {
        QTest::addColumn<QVariantList>("niveaux");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<bool>("exclu");
        QTest::addColumn<QStringList>("attendu");   // vide : pas listé
        const QVariant nul;
        QTest::newRow("une classe") << QVariantList{4} << QStringList{"Guerrier"} << false
                                    << QStringList{"Tilda", "Halfelin", "4", "Guerrier"};
        QTest::newRow("aucune case remplie") << QVariantList{} << QStringList{} << false
                                             << QStringList{"Tilda", "Halfelin", "0", ""};
        QTest::newRow("cases nulles comptent 0") << QVariantList{3, nul, 2} << QStringList{"Roublard", "", "Barde"} << false
                                                 << QStringList{"Tilda", "Halfelin", "5", "Roublard"};
        QTest::newRow("égalité : la première case garde la place")
            << QVariantList{5, 5} << QStringList{"Guerrier", "Magicien"} << false
            << QStringList{"Tilda", "Halfelin", "10", "Guerrier"};
        QTest::newRow("plus haut niveau plus loin") << QVariantList{1, 2, 6, 6} << QStringList{"Moine", "Druide", "Rôdeur", "Barde"}
                                                    << false << QStringList{"Tilda", "Halfelin", "15", "Rôdeur"};
        QTest::newRow("première case nulle") << QVariantList{nul, 2} << QStringList{"", "Ensorceleur"} << false
                                             << QStringList{"Tilda", "Halfelin", "2", "Ensorceleur"};
        QTest::newRow("huit cases") << QVariantList{1, 1, 1, 1, 1, 1, 1, 2}
                                    << QStringList{"A", "B", "C", "D", "E", "F", "G", "H"} << false
                                    << QStringList{"Tilda", "Halfelin", "9", "H"};
        QTest::newRow("exclu") << QVariantList{4} << QStringList{"Guerrier"} << true << QStringList{};
    }
    void unPersonnage()
    {
        QFETCH(QVariantList, niveaux);
        QFETCH(QStringList, classes);
        QFETCH(bool, exclu);
        QFETCH(QStringList, attendu);
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso(QStringLiteral("perso.db")));
        ajoutePersonnage(*base, QStringLiteral("Tilda"), QStringLiteral("Halfelin"), niveaux, classes, exclu);
        frmAcceder f(*base);
        QCOMPARE(f.vsnom->rowCount(), attendu.isEmpty() ? 0 : 1);
        if (!attendu.isEmpty())
            QCOMPARE(ligne(f.vsnom, 0), attendu);
    }

    void ordreDesNoms()
    {
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso(QStringLiteral("perso.db")));
        for (const char* nom : {"fred", "Élise", "D'Artagnan", "Eda", "zoé", "Alain", "Cédric"})
            ajoutePersonnage(*base, QString::fromUtf8(nom), QStringLiteral("Humain"), {1}, {QStringLiteral("Guerrier")});
        ajoutePersonnage(*base, QStringLiteral("Bertrand"), QStringLiteral("Humain"), {1}, {QStringLiteral("Guerrier")}, true);
        frmAcceder f(*base);
        QStringList noms;
        for (int i = 0; i < f.vsnom->rowCount(); ++i)
            noms << f.vsnom->item(i, 0)->text();
        QCOMPARE(noms, (QStringList{"Alain", "Cédric", "D'Artagnan", "Eda", "Élise", "fred", "zoé"}));
    }

    void baseVideRienAOuvrir()
    {
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso(QStringLiteral("vide.db")));
        frmAcceder f(*base);
        f.resize(440, 288);
        f.show();
        QCOMPARE(f.vsnom->rowCount(), 0);
        QSignalSpy choix(&f, &frmAcceder::personnageChoisi);
        QTest::mouseClick(f.vsnom->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseClick(f.vsnom->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        f.AccedePerso();
        QCOMPARE(choix.count(), 0);
    }

    void clicDemandeLaFiche()
    {
        DossiersShell s;
        auto base = BaseDonnees::ouvre(s.creeBasePerso(QStringLiteral("perso.db")));
        ajoutePersonnage(*base, QStringLiteral("Alaric"), QStringLiteral("Humain"), {3}, {QStringLiteral("Guerrier")});
        ajoutePersonnage(*base, QStringLiteral("Bérénice"), QStringLiteral("Elfe"), {2}, {QStringLiteral("Magicien")});
        frmAcceder f(*base);
        f.resize(440, 288);
        f.show();
        QSignalSpy choix(&f, &frmAcceder::personnageChoisi);
        // Sans ligne choisie, rien.
        f.AccedePerso();
        QCOMPARE(choix.count(), 0);
        QTest::mouseClick(f.vsnom->viewport(), Qt::LeftButton, {}, centreCellule(f.vsnom, 1, 2));
        QCOMPARE(choix.count(), 1);
        QCOMPARE(choix.first().first().toString(), QStringLiteral("Bérénice"));
        // Un clic sous la dernière ligne ne demande rien de plus.
        QTest::mouseClick(f.vsnom->viewport(), Qt::LeftButton, {}, QPoint(10, f.vsnom->viewport()->height() - 5));
        QCOMPARE(choix.count(), 1);
    }

    void geometrieDansLaFenetrePrincipale()
    {
        DossiersShell s;
        ajoutePersonnage(s.creeBasePerso(QDir(s.programme).filePath(QStringLiteral("perso.db"))), QStringLiteral("Alaric"),
                         QStringLiteral("Humain"), {3, 2}, {QStringLiteral("Guerrier"), QStringLiteral("Roublard")});
        auto etat = demarre(s);
        frmMain principale(*etat);
        principale.resize(1100, 760);
        principale.Charge();
        principale.show();
        QMdiSubWindow* sous = principale.sousFenetre(QStringLiteral("frmAcceder"));
        QVERIFY(sous);
        // 6600 × 4320 unités, à (largeur − 7000, hauteur − 5600) de la fenêtre principale.
        QCOMPARE(sous->geometry(), QRect(1100 - Pixels(7000), 760 - Pixels(5600), Pixels(6600), Pixels(4320)));
        auto* f = static_cast<frmAcceder*>(sous->widget());
        QCOMPARE(f->vsnom->geometry(), f->rect());
        sous->resize(700, 500);
        QCOMPARE(f->vsnom->geometry(), f->rect());
        QVERIFY(f->vsnom->width() > Pixels(6360));
        enregistreCapture(&principale, QStringLiteral("frmAcceder"));
    }

    void petiteFenetrePrincipale()
    {
        DossiersShell s;
        auto etat = demarre(s);
        frmMain principale(*etat);
        principale.resize(300, 200);
        principale.Charge();
        QMdiSubWindow* sous = principale.sousFenetre(QStringLiteral("frmAcceder"));
        QVERIFY(sous->x() >= 0);
        QVERIFY(sous->y() >= 0);
    }
};

QTEST_MAIN(TestAcceder)
#include "test_acceder.moc"

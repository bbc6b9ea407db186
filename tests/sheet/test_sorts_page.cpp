// Page des sorts et fenêtre de métamagie pilotées hors écran ; captures PNG à côté du test.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/PageSorts.h"
#include "sheet/SortsConnus.h"
#include "sheet/frmMetamagie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestSortsPage : public TestFicheBase
{
    Q_OBJECT

    static QString capture(QWidget& w, const QString& nom)
    {
        const QString chemin = QCoreApplication::applicationDirPath() + u'/' + nom;
        w.grab().save(chemin);
        return chemin;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        QVector<NiveauTest> pretre(5, NiveauTest{"Prêtre", 6});
        pretre[0].caracs = {12, 10, 12, 10, 16, 14};
        ajoutePersonnageFiche(*m_perso, "Elsa", pretre,
                              {{"RACE", "Humain"}, {"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        m_perso->ajoute("PersonnageDons", {{"Nom", "Elsa"}, {"Classe", "Prêtre"}, {"Niveau", 1}, {"dons", "Extension de durée"}});
        EnregSort(*m_perso, "Elsa", "Prêtre", {{"Aide", 2}, {"Bénédiction", 1}});
        m_perso->ajoute("SortListe", {{"NomPerso", "Elsa"}, {"ClassePerso", "Prêtre"}, {"NomSort", "Bénédiction"},
                                      {"Niveau", 2}, {"EmplacementSort", "Niveau 2 n°1"}, {"Metamagie", "Extension de durée"}});
        m_perso->ajoute("SortListe", {{"NomPerso", "Elsa"}, {"ClassePerso", "Prêtre"}, {"NomSort", "Aide"},
                                      {"Niveau", 2}, {"EmplacementSort", "Domaine n°2"}});
        QVector<NiveauTest> magicien(3, NiveauTest{"Magicien", 4});
        magicien[0].caracs = {10, 10, 10, 15, 10, 10};
        ajoutePersonnageFiche(*m_perso, "Olf", magicien, {{"RACE", "Humain"}});
    }

    void pageDuPretre()
    {
        PageSorts page(*m_perso, *m_programme);
        page.resize(1400, 800);
        page.charge(calculeFiche(*m_perso, *m_programme, "Elsa"));
        QCOMPARE(page.vsNivSort->item(5, 0)->text(), QStringLiteral("Total sorts/jour"));
        QCOMPARE(page.vsNivSort->item(5, 5)->text(), QStringLiteral("-"));   // prêtre 5 : rien au niveau 4
        QCOMPARE(page.vsSortClasse[0]->rowCount(), 2);
        QCOMPARE(page.btnCacherMontrer->text(), QStringLiteral("Cacher la liste de sorts de Prêtre"));
        QVERIFY(!page.vsVadeRetro->isHidden());
        QVERIFY(page.fldstrMagie->toPlainText().contains(QStringLiteral("Domaine 2 : Guerre")));
        // Sorts préparés à leur emplacement, avec DD (10 + 2 + Sagesse 3) et école.
        const int ligne = page.vsSortListe->rowCount() - 4;   // "Domaine n°2", avant les trois du niveau 3
        QCOMPARE(page.vsSortListe->verticalHeaderItem(ligne)->text(), QStringLiteral("Domaine n°2"));
        QCOMPARE(page.vsSortListe->item(ligne, 2)->text(), QStringLiteral("15"));
        QCOMPARE(page.vsSortListe->item(ligne, 3)->text(), QStringLiteral("Enchantement [coercition] (Mental)"));
        capture(page, "page-sorts.png");
    }

    // Flèche gauche sur la liste de la classe : le sort devient connu et est enregistré ;
    // flèche droite sur un sort connu : il part.
    void flechesDuClavier()
    {
        PageSorts page(*m_perso, *m_programme);
        page.charge(calculeFiche(*m_perso, *m_programme, "Olf"));
        QTableWidget* liste = page.vsSortClasse[1];
        liste->setCurrentCell(0, 0);
        const QString sort = liste->item(0, 0)->text();
        QTest::keyClick(liste, Qt::Key_Left);
        QCOMPARE(SortsConnus(*m_perso, "Olf", "Magicien").size(), 1);
        QCOMPARE(page.vsSortClasse[0]->item(0, 0)->text(), sort);
        page.vsSortClasse[0]->setCurrentCell(0, 0);
        QTest::keyClick(page.vsSortClasse[0], Qt::Key_Right);
        QVERIFY(SortsConnus(*m_perso, "Olf", "Magicien").isEmpty());
    }

    // Le magicien prépare depuis son grimoire, sans son école interdite ; la page dit d'où viennent les sorts.
    void grimoireDuMagicien()
    {
        m_perso->execute("update Personnage set Ecole_interdite_1='Nécromancie' where Nom='Olf'");
        EnregSort(*m_perso, "Olf", "Magicien", {{"Projectile magique", 1}, {"Rayon affaiblissant", 1}});
        PageSorts page(*m_perso, *m_programme);
        page.resize(1024, 720);
        page.charge(calculeFiche(*m_perso, *m_programme, "Olf"));
        int ligne = 0;
        while (page.vsSortListe->verticalHeaderItem(ligne)->text() != u"Niveau 1 n°1")
            ++ligne;
        const auto* choix = qobject_cast<QComboBox*>(page.vsSortListe->cellWidget(ligne, 0));
        QVERIFY(choix);
        QStringList offerts;
        for (int i = 0; i < choix->count(); ++i)
            offerts.append(choix->itemText(i));
        QVERIFY(offerts.contains("Projectile magique") && offerts.contains("Prestidigitation"));
        QVERIFY(!offerts.contains("Rayon affaiblissant") && !offerts.contains("Mains brûlantes"));
        QVERIFY(page.lblPreparation->text().contains("grimoire"));
        QVERIFY(page.lblPreparation->text().contains("Nécromancie"));
        capture(page, "page-sorts-magicien.png");
        EnregSort(*m_perso, "Olf", "Magicien", {});
    }

    // Sans case à cocher, la fenêtre dit pourquoi au lieu de s'ouvrir vide.
    void metamagieSansOption_data()
    {
        QTest::addColumn<QString>("don");   // "" : aucun don de métamagie
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("explication");   // "" : des cases, pas d'explication
        QTest::newRow("aucun don de métamagie") << "" << 1 << "aucun don de métamagie";
        QTest::newRow("intensité d'un sort déjà au plus haut") << QString::fromUtf8(kIntensite) << 3 << "niveau maximum";
        QTest::newRow("un don applicable") << "Extension de durée" << 1 << "";
    }
    void metamagieSansOption()
    {
        QFETCH(QString, don);
        QFETCH(int, base);
        QFETCH(QString, explication);
        QVector<LigneDon> dons = calculeFiche(*m_perso, *m_programme, "Olf").Dons;
        if (!don.isEmpty()) {
            LigneDon d = donTest(don);
            d.Genre = QStringLiteral("Métamagie");
            dons.append(d);
        }
        frmMetamagie fenetre(*m_programme, dons, "Projectile magique", base, 3);
        QCOMPARE(fenetre.lblAucuneOption->isVisibleTo(&fenetre), !explication.isEmpty());
        QCOMPARE(fenetre.chkMetamagie[0]->isVisibleTo(&fenetre), explication.isEmpty());
        if (!explication.isEmpty()) {
            QVERIFY(fenetre.lblAucuneOption->text().contains(explication));
            capture(fenetre, "frmMetamagie-sans-option.png");
        }
    }

    void fenetreMetamagie()
    {
        const Fiche f = calculeFiche(*m_perso, *m_programme, "Elsa");
        QVector<LigneDon> dons = f.Dons;
        LigneDon intensite = donTest(QString::fromUtf8(kIntensite));
        intensite.Genre = QStringLiteral("Métamagie");
        dons.append(intensite);
        frmMetamagie fenetre(*m_programme, dons, "Bénédiction", 1, 3);
        const auto visibles = std::count_if(fenetre.chkMetamagie.cbegin(), fenetre.chkMetamagie.cend(),
                                            [&](QCheckBox* c) { return c->isVisibleTo(&fenetre); });
        QCOMPARE(visibles, 1 + 2);
        fenetre.chkMetamagie[0]->setChecked(true);
        fenetre.chkMetamagie[2]->setChecked(true);
        QCOMPARE(fenetre.lblNiveauMetamagie->text(), QStringLiteral("Niveau du sort modifié : 4"));
        capture(fenetre, "frmMetamagie.png");
    }
};

QTEST_MAIN(TestSortsPage)
#include "test_sorts_page.moc"

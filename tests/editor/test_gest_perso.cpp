// Fenêtre de l'éditeur de personnages pilotée hors écran : touches, modes, enregistrement, refus.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "editor/frmGestPerso.h"
#include "editor/frmRenommer.h"
#include "shell/frmAcceder.h"
#include "shell/frmMain.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"

#include <QAction>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

void metCellule(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    grille->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

// Un premier niveau de guerrier valable sur la ligne donnée.
void remplitNiveau(QTableWidget* grille, int ligne)
{
    metCellule(grille, ligne, 1, QStringLiteral("Guerrier"));
    metCellule(grille, ligne, 2, QStringLiteral("8"));
    const int caracs[6] = {15, 14, 13, 12, 10, 8};
    for (int i = 0; i < 6; ++i)
        metCellule(grille, ligne, 3 + i, QString::number(caracs[i]));
}

} // namespace

class TestGestPerso : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossiersShell> m_dossiers;
    std::unique_ptr<EtatShell> m_etat;
    // Aucune boîte modale ne bloque un essai : elles sont fermées et retenues.
    std::unique_ptr<CaptureBoites> m_boites;

    std::unique_ptr<frmGestPerso> ouvre()
    {
        auto f = std::make_unique<frmGestPerso>(*m_etat);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("fenêtre non active");
        return f;
    }

    static bool consulte(const frmGestPerso& f)
    {
        return !f.enModification() && !f.btnEnregistrer->isVisibleTo(&f) && f.btnAjouter->isVisibleTo(&f)
               && f.vsPerso->isEnabled();
    }

private slots:
    void init()
    {
        m_dossiers = std::make_unique<DossiersShell>();
        m_etat = demarre(*m_dossiers);
        m_etat->perso->execute(QStringLiteral("delete from Personnage"));
        m_boites = std::make_unique<CaptureBoites>();
    }

    void cleanup()
    {
        m_boites.reset();
        m_etat.reset();
        m_dossiers.reset();
    }

    void nouveauPersonnageParLesTouches()
    {
        auto f = ouvre();
        QVERIFY(consulte(*f));
        QTest::keyClick(f.get(), Qt::Key_F9);
        QVERIFY(f->enModification());
        QVERIFY(f->btnEnregistrer->isVisibleTo(f.get()));
        QVERIFY(!f->vsPerso->isEnabled());
        QVERIFY(!f->btnSupprimer->isVisibleTo(f.get()));

        f->fldstrnom->setText(QStringLiteral("Léa d'Ombre"));
        f->CmbRace->setCurrentText(QStringLiteral("Humain"));
        static_cast<QLineEdit*>(f->controle(QStringLiteral("fldnAge")))->setText(QStringLiteral("19"));
        QTest::keyClick(f.get(), Qt::Key_F7);
        QCOMPARE(f->vsHistoPerso->rowCount(), 1);
        QCOMPARE(f->vsHistoPerso->item(0, 0)->text(), QStringLiteral("1"));
        remplitNiveau(f->vsHistoPerso, 0);
        QTest::keyClick(f.get(), Qt::Key_F5);

        QVERIFY(consulte(*f));
        const QVector<Ligne> lignes = m_etat->perso->selectionne(QStringLiteral("select * from Personnage"));
        QCOMPARE(lignes.size(), 1);
        QCOMPARE(lignes.first().texte(QStringLiteral("Nom")), QStringLiteral("Léa d'Ombre"));
        QCOMPARE(lignes.first().texte(QStringLiteral("Classe_1")), QStringLiteral("Guerrier"));
        QCOMPARE(lignes.first().entier(QStringLiteral("Age")), 19);
        QVERIFY(lignes.first().estNul(QStringLiteral("Classe_2")));
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression where niv=1")).toInt(), 1);
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageDons where niv=1")).toInt(), 1);
        // La liste montre le personnage écrit, choisi.
        QCOMPARE(f->vsPerso->rowCount(), 1);
        QCOMPARE(f->vsPerso->currentRow(), 0);
        QVERIFY(m_boites->boites.isEmpty());
        f->resize(1100, 720);
        enregistreCapture(f.get(), QStringLiteral("frmGestPerso"));
    }

    void refusMontreLeMessage()
    {
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        f->CmbRace->setCurrentText(QStringLiteral("Humain"));
        QTest::keyClick(f.get(), Qt::Key_F7);
        remplitNiveau(f->vsHistoPerso, 0);
        QTest::keyClick(f.get(), Qt::Key_F5);
        QCOMPARE(m_boites->boites.size(), 1);
        QCOMPARE(m_boites->boites.first().texte, QStringLiteral("Saisie d'un nom valide"));
        QCOMPARE(m_boites->boites.first().icone, QMessageBox::Warning);
        // Rien n'est perdu ni écrit ; la fenêtre reste en modification.
        QVERIFY(f->enModification());
        QCOMPARE(f->vsHistoPerso->rowCount(), 1);
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from Personnage")).toInt(), 0);
    }

    void niveauEnleveParLaFenetre()
    {
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        f->fldstrnom->setText(QStringLiteral("Milo"));
        f->CmbRace->setCurrentText(QStringLiteral("Humain"));
        QTest::keyClick(f.get(), Qt::Key_F7);
        remplitNiveau(f->vsHistoPerso, 0);
        // Un niveau inséré reprend la classe de la ligne d'avant, au niveau suivant.
        for (int r = 1; r < 3; ++r) {
            QTest::keyClick(f.get(), Qt::Key_F7);
            QCOMPARE(f->vsHistoPerso->item(r, 1)->text(), QStringLiteral("Guerrier"));
            QCOMPARE(f->vsHistoPerso->item(r, 0)->text(), QString::number(r + 1));
            const int pv = f->vsHistoPerso->item(r, 2)->text().toInt();
            QVERIFY(pv >= 1 && pv <= 10);
        }
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression")).toInt(), 3);

        f->vsHistoPerso->selectRow(2);
        f->btnNivEnlever->click();
        QVERIFY(f->enModification());
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression")).toInt(), 2);
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select max(niv) from PersonnageDons")).toInt(), 2);
        QVERIFY(m_boites->boites.isEmpty());
    }

    void echapEnModificationAbandonne()
    {
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        f->fldstrnom->setText(QStringLiteral("Nora"));
        f->CmbRace->setCurrentText(QStringLiteral("Humain"));
        QTest::keyClick(f.get(), Qt::Key_F7);
        remplitNiveau(f->vsHistoPerso, 0);
        QTest::keyClick(f.get(), Qt::Key_F5);

        f->fldstrnom->setText(QStringLiteral("Autre"));
        QTest::keyClick(f.get(), Qt::Key_F7);
        QVERIFY(f->enModification());
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(consulte(*f));
        QVERIFY(f->isVisible());
        QCOMPARE(f->fldstrnom->text(), QStringLiteral("Nora"));
        QCOMPARE(f->vsHistoPerso->rowCount(), 1);
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression")).toInt(), 1);
    }

    void menuOuvreLEditeurEtLeChoixSuit()
    {
        frmMain principale(*m_etat);
        principale.Charge();
        auto* article = principale.findChild<QAction*>(QStringLiteral("IDM_GESTION_PERSO"));
        QVERIFY(article && article->isEnabled());
        article->trigger();
        QMdiSubWindow* sous = principale.sousFenetre(QStringLiteral("frmGestPerso"));
        QVERIFY(sous);
        // Un second choix du menu ramène la même fenêtre.
        article->trigger();
        QCOMPARE(principale.sousFenetre(QStringLiteral("frmGestPerso")), sous);

        auto* f = static_cast<frmGestPerso*>(sous->widget());
        f->btnAjouter->click();
        f->fldstrnom->setText(QStringLiteral("Olga"));
        f->CmbRace->setCurrentText(QStringLiteral("Humain"));
        f->btnNivInserer->click();
        remplitNiveau(f->vsHistoPerso, 0);
        QVERIFY(f->Enregistre());
        QMdiSubWindow* choix = principale.sousFenetre(QStringLiteral("frmAcceder"));
        QVERIFY(choix);
        QTableWidget* liste = static_cast<frmAcceder*>(choix->widget())->vsnom;
        QCOMPARE(liste->rowCount(), 1);
        QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Olga"));
        QVERIFY(m_boites->boites.isEmpty());
    }

    void renommage_data()
    {
        QTest::addColumn<QString>("nouveau");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nomFinal");
        QTest::newRow("nom d'un autre, autre casse")
            << QStringLiteral("PAUL") << QStringLiteral("Impossible de renommer vu que ce nouveau nom de personnage existe déjà")
            << QStringLiteral("Nora");
        QTest::newRow("même nom, autre casse") << QStringLiteral("NORA") << QString() << QStringLiteral("Nora");
        QTest::newRow("nom libre") << QStringLiteral("Rose d'Or") << QString() << QStringLiteral("Rose d'Or");
    }

    void renommage()
    {
        QFETCH(QString, nouveau);
        QFETCH(QString, message);
        QFETCH(QString, nomFinal);
        auto f = ouvre();
        for (const QString& nom : {QStringLiteral("Nora"), QStringLiteral("Paul")}) {
            QTest::keyClick(f.get(), Qt::Key_F9);
            f->fldstrnom->setText(nom);
            f->CmbRace->setCurrentText(QStringLiteral("Humain"));
            QTest::keyClick(f.get(), Qt::Key_F7);
            remplitNiveau(f->vsHistoPerso, 0);
            QVERIFY(f->Enregistre());
        }
        QVERIFY(TrouveLigne(f->vsPerso, QStringLiteral("Nora"), 0));
        QCOMPARE(f->fldstrnom->text(), QStringLiteral("Nora"));

        f->Renomme(nouveau);
        QCOMPARE(m_boites->boites.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(m_boites->boites.first().texte, message);
        QCOMPARE(f->fldstrnom->text(), nomFinal);
        QVERIFY(consulte(*f));
        QCOMPARE(m_etat->perso->scalaire(QStringLiteral("select count(*) from PersonnageProgression where nom=? collate binary"),
                                         {nomFinal}).toInt(),
                 1);
        QStringList liste;
        for (int i = 0; i < f->vsPerso->rowCount(); ++i)
            liste << f->vsPerso->item(i, 0)->text();
        QVERIFY(liste.contains(nomFinal));
        QCOMPARE(liste.size(), 2);
    }

    void dialogueRenommer()
    {
        frmRenommer d(QStringLiteral("Nora"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Renommer"));
        QCOMPARE(d.fldstrNouveauNom->text(), QStringLiteral("Nora"));
        QVERIFY(d.btnOk->isEnabled());
        d.fldstrNouveauNom->setText(QStringLiteral("   "));
        QVERIFY(!d.btnOk->isEnabled());
        d.fldstrNouveauNom->setText(QStringLiteral(" Ilse "));
        QVERIFY(d.btnOk->isEnabled());
        d.btnOk->click();
        QCOMPARE(d.nouveauNom(), QStringLiteral("Ilse"));
        frmRenommer annule(QStringLiteral("Nora"));
        annule.btnAnnuler->click();
        QCOMPARE(annule.nouveauNom(), QString());
    }

    void entreePasseAuChampSuivant()
    {
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        f->fldstrnom->setFocus();
        QTest::keyClicks(f->fldstrnom, QStringLiteral("Zora"));
        QTest::keyClick(f->fldstrnom, Qt::Key_Return);
        QVERIFY(!f->fldstrnom->hasFocus());
        QCOMPARE(f->fldstrnom->text(), QStringLiteral("Zora"));
        QVERIFY(m_boites->boites.isEmpty());
    }

    void echapEnConsultationFerme()
    {
        auto f = ouvre();
        QVERIFY(consulte(*f));
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
    }
};

QTEST_MAIN(TestGestPerso)
#include "test_gest_perso.moc"

// Fenêtres des règles pilotées hors écran : parcours en boucle, don seul, sorts épiques,
// corrections relues, dons personnels refusés ou offerts à la répartition ; captures PNG.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "allocation/frmDonsComp.h"
#include "editor/EditionPersonnage.h"
#include "reference/Descriptifs.h"
#include "reference/DonsPerso.h"
#include "reference/frmDescriptifCompetence.h"
#include "reference/frmDescriptifDon.h"
#include "reference/frmDescriptifSort.h"
#include "reference/frmDescriptionRaces.h"
#include "reference/frmInsertionDons.h"
#include "sheet/FixturesFiche.h"
#include "sheet/PageCompetences.h"
#include "sheet/PageDons.h"
#include "sheet/frmFichePerso.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestFenetresRegles : public QObject
{
    Q_OBJECT

    DossiersShell m_dossiers;
    std::unique_ptr<EtatShell> m_etat;
    // Un seul fichier de corrections : la connexion des règles garde celui qu'elle a rattaché.
    DossierTest m_donnees;

    QString corrections() const { return m_donnees.chemin(QStringLiteral("corrections.db")); }

private Q_SLOTS:
    void initTestCase() { m_etat = demarre(m_dossiers); }

    // Précédent sur le premier montre le dernier, Suivant sur le dernier revient au premier.
    void parcoursEnBoucle_data()
    {
        QTest::addColumn<bool>("sorts");
        QTest::newRow("dons") << false;
        QTest::newRow("sorts") << true;
    }
    void parcoursEnBoucle()
    {
        QFETCH(bool, sorts);
        const QStringList noms = sorts ? NomsSorts(*m_etat->programme) : NomsDons(*m_etat->programme);
        QVERIFY(noms.size() > 500);
        std::unique_ptr<QWidget> w;
        QLabel* titre;
        QPushButton *precedent, *suivant;
        if (sorts) {
            auto* f = new frmDescriptifSort(*m_etat);
            w.reset(f);
            titre = f->labnom;
            precedent = f->btnPrecedent;
            suivant = f->btnsuivant;
        } else {
            auto* f = new frmDescriptifDon(*m_etat, true);
            w.reset(f);
            titre = f->LabDon;
            precedent = f->btnPrecedent;
            suivant = f->btnSuivant;
        }
        QVERIFY(titre->text().startsWith(noms.first()));
        precedent->click();
        QVERIFY2(titre->text().startsWith(noms.last()), qPrintable(titre->text()));
        suivant->click();
        QVERIFY(titre->text().startsWith(noms.first()));
        suivant->click();
        QVERIFY(titre->text().startsWith(noms.at(1)));
    }

    void donSeul()
    {
        frmDescriptifDon f(*m_etat, false, QStringLiteral("Esquive"));
        QCOMPARE(f.LabDon->text(), QStringLiteral("Esquive"));
        QVERIFY(!f.fldstrExplication->toPlainText().isEmpty());
        for (QWidget* w : std::initializer_list<QWidget*>{f.CmbNomDon, f.btnPrecedent, f.btnSuivant, f.fldRecherche})
            QVERIFY(!w->isEnabled());
        QVERIFY(f.btnEnregistrer->isEnabled());
        f.show();
        enregistreCapture(&f, QStringLiteral("frmDescriptifDon"));
    }

    // Un sort dont le niveau devient "Epique…" montre les deux zones épiques ; l'enregistrement
    // ne touche ni la source ni la zone d'effet ; la recherche le trouve par son nouveau texte.
    void sortEpique()
    {
        frmDescriptifSort f(*m_etat);
        f.cheminCorrections = corrections();
        f.show();
        f.CmbSort->setCurrentIndex(f.CmbSort->findText(QStringLiteral("Boule de feu")));
        QVERIFY(f.fldDDDifficultee->isHidden());
        const QString source = f.fldstrSource->text();
        const QString zone = f.fldstrzoneeffet->text();
        f.fldstrNiveau->setText(QStringLiteral("epique 3"));
        f.fldstrExplication->setPlainText(QStringLiteral("Une sphère d'un feu quasar"));
        f.fldstrSource->setText(QStringLiteral("Ailleurs"));
        f.fldstrzoneeffet->setText(QStringLiteral("Partout"));
        f.btnEnregistrer->click();
        QCOMPARE(f.labnom->text(), QStringLiteral("Boule de feu"));
        QVERIFY(f.fldDDDifficultee->isVisible());
        QVERIFY(f.fldPourDevellopper->isVisible());
        QCOMPARE(f.fldstrSource->text(), source);
        QCOMPARE(f.fldstrzoneeffet->text(), zone);
        enregistreCapture(&f, QStringLiteral("frmDescriptifSort_epique"));
        f.fldRecherche->setText(QStringLiteral("QUASAR"));
        QCOMPARE(f.CmbSort->count(), 1);
        QCOMPARE(f.labnom->text(), QStringLiteral("Boule de feu"));
        f.fldRecherche->clear();
        f.CmbSort->setCurrentIndex(f.CmbSort->findText(QStringLiteral("Éclair")));
        QVERIFY(f.fldDDDifficultee->isHidden());
    }

    // Depuis une grille de la fiche : DD, classe et niveau montrés ; Suivant passe une ligne qui
    // n'est pas un sort.
    void sortsDeLaFiche()
    {
        SortsGrille g{QStringLiteral("VSSORTCLASSE"),
                      {{QStringLiteral("Boule de feu"), QStringLiteral("15"), QStringLiteral("Magicien 3"), {}},
                       {QStringLiteral("Niveau 4"), {}, {}, {}},
                       {QStringLiteral("Éclair"), QStringLiteral("15"), QStringLiteral("Magicien 3"), {}}},
                      0};
        frmDescriptifSort f(*m_etat, g);
        QCOMPARE(f.fldnDD->text(), QStringLiteral("15"));
        QCOMPARE(f.fldstrClasseNiveau->text(), QStringLiteral("Magicien 3"));
        f.btnsuivant->click();
        QCOMPARE(f.labnom->text(), QStringLiteral("Éclair"));
        f.btnPrecedent->click();
        QCOMPARE(f.labnom->text(), QStringLiteral("Boule de feu"));
    }

    // Double-clics de la fiche : le don de la ligne, seul ; la race du personnage ; la clé d'une
    // spécialité d'artisanat.
    void depuisLaFiche()
    {
        ajouteAldo(*m_etat->perso);
        frmFichePerso fiche(*m_etat, QStringLiteral("Aldo"));
        fiche.show();
        fiche.chargePersonnage(QStringLiteral("Aldo"));
        const Fiche& calculee = fiche.fiche();
        QVERIFY(!calculee.Dons.isEmpty());
        QStringList vus;
        bool listeActive = true;
        repondA<QDialog>([&](QDialog* d) {
            auto* f = d->findChild<frmDescriptifDon*>();
            vus << f->LabDon->text();
            listeActive = f->CmbNomDon->isEnabled() || f->btnSuivant->isEnabled();
            f->btnFermer->click();
        });
        Q_EMIT fiche.pageDons()->vsDon->cellDoubleClicked(0, 0);
        QCOMPARE(vus, QStringList{calculee.Dons.first().Nom});
        QVERIFY(!listeActive);

        repondA<QDialog>([&](QDialog* d) {
            vus << d->findChild<frmDescriptionRaces*>()->CmbRace->currentText();
            d->reject();
        });
        Q_EMIT fiche.raceChoisie(QString());
        QCOMPARE(vus.last(), QStringLiteral("Humain"));

        int artisanat = -1;
        for (int i = 0; i < calculee.Competences.size(); ++i)
            if (calculee.Competences.at(i).NomRegle == u"Artisanat 1")
                artisanat = i;
        QVERIFY(artisanat >= 0);
        repondA<QDialog>([&](QDialog* d) {
            vus << d->findChild<frmDescriptifCompetence*>()->labnom->text();
            d->reject();
        });
        Q_EMIT fiche.pageCompetences()->vsComp->cellDoubleClicked(artisanat, 0);
        QCOMPARE(vus.last(), QStringLiteral("Artisanat 1 (Intelligence)"));
    }

    void raceAvecApostrophe()
    {
        const QString texte = QStringLiteral("L'elfe d'argent n'oublie rien.");
        {
            frmDescriptionRaces f(*m_etat, QStringLiteral("elfe"));
            QCOMPARE(f.CmbRace->currentText(), QStringLiteral("Elfe"));
            f.cheminCorrections = corrections();
            f.fldstrDescriptionRaces->setPlainText(texte);
            f.btnEnregistrer->click();
        }
        frmDescriptionRaces f(*m_etat, QStringLiteral("Elfe"));
        QCOMPARE(f.fldstrDescriptionRaces->toPlainText(), texte);
        f.show();
        enregistreCapture(&f, QStringLiteral("frmDescriptionRaces"));
        QCOMPARE(frmDescriptionRaces(*m_etat).CmbRace->currentIndex(), 0);
    }

    void competence()
    {
        frmDescriptifCompetence f(*m_etat, QStringLiteral("Escalade"));
        QCOMPARE(f.labnom->text(), QStringLiteral("Escalade (Force; malus d'armure aux tests)"));
        QVERIFY(!f.fldstrTest->toPlainText().isEmpty());
        f.show();
        enregistreCapture(&f, QStringLiteral("frmDescriptifCompetence"));
    }

    void donPersoRefuse_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("message");
        QTest::newRow("sans nom") << "" << "Général" << "Il faut que le don ait un nom";
        QTest::newRow("sans genre") << "Frappe du vieux" << "" << "Il faut que le don ait un genre";
        QTest::newRow("sans source") << "Frappe du vieux" << "Général" << "Il faut que le don ait une source";
    }
    void donPersoRefuse()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        frmInsertionDons f(*m_etat);
        QCOMPARE(f.fldnVersion->text(), QStringLiteral("3.5"));
        f.cmbNom->setEditText(nom);
        f.cmbGenre->setCurrentText(genre);
        CaptureBoites boites;
        f.btnEnregistrer->click();
        QCOMPARE(boites.boites.size(), 1);
        QTEST(boites.boites.first().texte, "message");
        QCOMPARE(boites.boites.first().icone, QMessageBox::Warning);
        QVERIFY(NomsDonsPerso(*m_etat->perso).isEmpty());
    }

    // Un don personnel enregistré puis la fenêtre fermée : la répartition l'offre ; nommé comme un
    // don des règles, il est signalé puis le remplace.
    void donPersoOffert()
    {
        ajoutePersonnageFiche(*m_etat->perso, QStringLiteral("Wenda"), niveaux(QStringLiteral("Guerrier"), 1),
                              {{QStringLiteral("RACE"), QStringLiteral("Humain")}});
        {
            frmInsertionDons f(*m_etat);
            f.show();
            const auto saisit = [&](const QString& nom, const QString& explication) {
                f.btnNouveau->click();
                f.cmbNom->setEditText(nom);
                f.cmbGenre->setCurrentText(QStringLiteral("Général"));
                f.cmbSource->setCurrentText(QStringLiteral("Manuel des joueurs"));
                f.fldnPage->setText(QStringLiteral("12"));
                f.fldstrExplication->setPlainText(explication);
                f.ChkPouvoir->setChecked(true);
                f.cmbCaracteristique->setCurrentText(QStringLiteral("Sagesse"));
            };
            saisit(QStringLiteral("Frappe du vieux"), QStringLiteral("Un coup d'antan."));
            CaptureBoites boites;
            f.btnEnregistrer->click();
            QVERIFY(boites.boites.isEmpty());
            saisit(QStringLiteral("esquive"), QStringLiteral("Esquive maison."));
            f.btnEnregistrer->click();
            QCOMPARE(boites.boites.size(), 1);
            QVERIFY(boites.boites.first().texte.startsWith(QStringLiteral("Attention ce don existe déja")));
            QCOMPARE(NomsDonsPerso(*m_etat->perso), (QStringList{QStringLiteral("esquive"), QStringLiteral("Frappe du vieux")}));
            const DonPerso lu = LitDonPerso(*m_etat->perso, QStringLiteral("frappe du vieux"));
            QCOMPARE(lu.livre, QStringLiteral("Manuel des joueurs"));
            QCOMPARE(lu.page, QStringLiteral("12"));
            QCOMPARE(lu.caracteristique, QStringLiteral("Sagesse"));
            f.AfficheDon(0);
            f.btnPrecedent->click();
            QCOMPARE(f.fldstrExplication->toPlainText(), QStringLiteral("Un coup d'antan."));
            f.btnSuivant->click();
            QCOMPARE(f.cmbNom->currentText(), QStringLiteral("esquive"));
            QCOMPARE(f.fldstrExplication->toPlainText(), QStringLiteral("Esquive maison."));
            f.ChkPouvoir->setChecked(false);
            QCOMPARE(f.cmbCaracteristique->currentText(), QString());
            QVERIFY(!f.cmbCaracteristique->isEnabled());
            enregistreCapture(&f, QStringLiteral("frmInsertionDons"));
            f.btnFermer->click();
        }
        QCOMPARE(LitDon(*m_etat->programme, QStringLiteral("Esquive"))->textes.explication, QStringLiteral("Esquive maison."));
        PersonnageEdite p;
        QVERIFY(chargePersonnage(*m_etat->perso, QStringLiteral("Wenda"), p));
        frmDonsComp w(*m_etat->perso, *m_etat->programme, p, 0);
        QVERIFY(w.Charge());
        QStringList offerts;
        for (const auto& don : w.allocation().Possibles)
            offerts.append(don.Nom);
        QVERIFY2(offerts.contains(QStringLiteral("Frappe du vieux")), qPrintable(offerts.join(u',')));
    }
};

QTEST_MAIN(TestFenetresRegles)
#include "test_fenetres_regles.moc"

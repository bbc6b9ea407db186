// Assistant de création piloté hors écran, de l'étape 0 à l'enregistrement par l'éditeur :
// messages des contrôles, personnage écrit, résumé égal à la fiche, fenêtre d'affectation.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "allocation/frmDonsComp.h"
#include "cli/LigneCommande.h"
#include "editor/frmAjouter.h"
#include "editor/frmGestPerso.h"
#include "shell/EtatShell.h"
#include "shell/frmAcceder.h"
#include "shell/frmMain.h"
#include "shell/db/BaseDonnees.h"
#include "wizard/frmAssistant.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

namespace {

void choisit(QComboBox* c, const QString& texte)
{
    const int i = c->findText(texte, Qt::MatchFixedString);
    QVERIFY2(i >= 0, qPrintable(texte));
    c->setCurrentIndex(i);
    Q_EMIT c->activated(i);
}

// Quitte l'étape par Entrée, comme l'utilisateur.
void entree(frmAssistant* a)
{
    QTest::keyClick(a->focusWidget() ? a->focusWidget() : a, Qt::Key_Return);
}

} // namespace

class TestFrmAssistant : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossiersShell> m_dossiers;
    std::unique_ptr<EtatShell> m_etat;
    std::unique_ptr<CaptureBoites> m_boites;

    int nombre(const QString& sql, const QVariantList& valeurs = {}) { return m_etat->perso->scalaire(sql, valeurs).toInt(); }

    QStringList messages() const
    {
        QStringList m;
        for (const auto& b : m_boites->boites)
            m << b.texte;
        return m;
    }

    // Un assistant seul ; l'enregistrement est compté, jamais fait.
    std::unique_ptr<frmAssistant> assistant(int* enregistrements = nullptr)
    {
        auto a = std::make_unique<frmAssistant>(*m_etat, racesEditeur(*m_etat->programme), [enregistrements](const PersonnageEdite&) {
            if (enregistrements)
                ++*enregistrements;
            return false;
        });
        a->show();
        reactive(a.get());
        return a;
    }

    // F9, "Assistant", puis l'assistant piloté par la réponse donnée.
    template<class Reponse>
    std::unique_ptr<frmGestPerso> creeParLAssistant(Reponse reponse)
    {
        auto f = std::make_unique<frmGestPerso>(*m_etat);
        f->show();
        reactive(f.get());
        repondA<frmAjouter>([](frmAjouter* d) { d->btnAssistant->click(); });
        repondA<frmAssistant>(reponse);
        QTest::keyClick(f.get(), Qt::Key_F9);
        return f;
    }

private Q_SLOTS:
    void init()
    {
        m_dossiers = std::make_unique<DossiersShell>();
        m_etat = demarre(*m_dossiers);
        m_etat->perso->execute("delete from Personnage");
        m_boites = std::make_unique<CaptureBoites>();
    }

    void cleanup()
    {
        m_boites.reset();
        m_etat.reset();
        m_dossiers.reset();
    }

    // Humain guerrier 3 à 25 points : une ligne de personnage, trois niveaux, le résumé égal à la fiche.
    void humainGuerrierTrois()
    {
        ResumePersonnage resume;
        QString finAssistant;
        auto f = creeParLAssistant([&](frmAssistant* a) {
            QCOMPARE(a->etape(), 0);
            QCOMPARE(a->CmbRace->currentText(), "Humain");
            a->fldstrnom->setFocus();
            QTest::keyClicks(a->fldstrnom, "Bran");
            entree(a);
            QCOMPARE(a->etape(), 1);
            QTest::mouseClick(a->NombrePoints[2], Qt::LeftButton);   // "&Elite"
            QCOMPARE(a->fldnPoints[2]->text(), "0");
            entree(a);
            QCOMPARE(a->etape(), 2);
            entree(a);
            QCOMPARE(a->etape(), 3);
            choisit(a->CmbClasse, "Guerrier");
            a->fldnNiveau->setText("3");
            resume = a->resume();
            a->btnSuivant->click();
            finAssistant = a->messageFin();
        });
        QVERIFY2(m_boites->boites.size() == 1, qPrintable(messages().join(" / ")));
        QCOMPARE(m_boites->boites.first().texte, "Répartissez les points de compétence de Bran, Guerrier de niveau 3.");
        QCOMPARE(finAssistant, m_boites->boites.first().texte);

        QCOMPARE(nombre("select count(*) from Personnage"), 1);
        QCOMPARE(nombre("select count(*) from PersonnageProgression where nom='Bran'"), 3);
        QCOMPARE(nombre("select count(*) from PersonnageDons where nom='Bran'"), 3);
        QCOMPARE(nombre("select count(*) from Equipement where personnage='Bran'"), 0);
        QCOMPARE(nombre("select PV from PersonnageProgression where nom='Bran' and niv=1"), 10);
        QVERIFY(!f->enModification());
        QCOMPARE(f->vsHistoPerso->rowCount(), 3);
        QCOMPARE(f->vsHistoPerso->currentRow(), 0);

        // Les chiffres des règles : BBA 3, Réflexe 1 + 2, Vigueur 3 + 1, Volonté 1, CA 10 + 2,
        // (2 + 1 + 1) × 4 + 4 + 4 points de compétence ; et la fiche enregistrée dit pareil.
        QVERIFY(resume.refus.isEmpty());
        QCOMPARE(resume.attaqueDeBase, 3);
        QCOMPARE(resume.jets, (std::array<int, 3>{3, 4, 1}));
        QCOMPARE(resume.classeArmure, 12);
        QCOMPARE(resume.pointsCompetence, 24);
        // quorvane-cli fiche Bran --format json : la fiche enregistrée dit la même chose que le résumé.
        QString sortie, erreurs;
        QTextStream flotSortie(&sortie), flotErreurs(&erreurs);
        QCOMPARE(ExecuteLigneCommande({"fiche", "Bran", "--format", "json", "--base", m_etat->cheminPerso, "--programme",
                                       m_etat->dossierProgramme},
                                      m_etat->dossierProgramme, flotSortie, flotErreurs),
                 0);
        flotSortie.flush();
        const QJsonObject o = QJsonDocument::fromJson(sortie.toUtf8()).object();
        QCOMPARE(o["niveau"].toInt(), 3);
        QCOMPARE(o["pointsDeVie"].toInt(), resume.pointsDeVie);
        QCOMPARE(o["attaqueDeBase"].toInt(), 3);
        QCOMPARE(o["classeArmure"].toObject()["total"].toInt(), 12);
        const QJsonObject jets = o["jetsDeSauvegarde"].toObject();
        QCOMPARE(jets["Réflexe"].toObject()["total"].toInt(), 3);
        QCOMPARE(jets["Vigueur"].toObject()["total"].toInt(), 4);
        QCOMPARE(jets["Volonté"].toObject()["total"].toInt(), 1);
        QCOMPARE(o["caracteristiques"].toObject()["Force"].toObject()["total"].toInt(), 15);

        // La fenêtre d'affectation s'ouvre sur le niveau choisi : le premier, 16 points.
        int niveau = 0, budget = 0;
        repondA<frmDonsComp>([&](frmDonsComp* d) {
            QTRY_VERIFY(!d->SpinComp.isEmpty());
            niveau = d->allocation().Niveau;
            budget = d->allocation().Budget;
            d->reject();
        });
        f->btnDonsComp->click();
        QCOMPARE(niveau, 1);
        QCOMPARE(budget, 16);
    }

    // Un ogre : ses quatre dés de vie de géant avant le guerrier, ses dons raciaux au premier niveau.
    void ogreAvecDesDeVieRaciaux()
    {
        auto f = creeParLAssistant([&](frmAssistant* a) {
            a->fldstrnom->setText("Grok");
            QVERIFY(a->CmbRace->findText("Ogre") < 0);
            a->ChkMonstre->click();
            QVERIFY(!a->fldnAjustementNiveau->isEnabled());
            choisit(a->CmbRace, "Ogre");
            a->btnSuivant->click();
            a->btnSuivant->click();
            a->btnSuivant->click();
            choisit(a->CmbClasse, "Guerrier");
            a->btnSuivant->click();
        });
        QCOMPARE(m_boites->boites.size(), 1);
        QVERIFY2(m_boites->boites.first().texte.endsWith(" avec 4 dés de vie."), qPrintable(m_boites->boites.first().texte));
        QStringList niveaux;
        for (const Ligne& l : m_etat->perso->selectionne("select classe, niveau from PersonnageProgression where nom='Grok' order by niv"))
            niveaux << l.texte("classe") + " " + l.texte("niveau");
        QCOMPARE(niveaux, (QStringList{"Géant 1", "Géant 2", "Géant 3", "Géant 4", "Guerrier 1"}));
        QStringList dons;
        for (const Ligne& l : m_etat->perso->selectionne("select dons from PersonnageDons where nom='Grok' and niv=1 and dons is not null"))
            dons << l.texte("dons");
        dons.sort();
        QCOMPARE(dons, (QStringList{"Arme de prédilection", "Robustesse"}));
    }

    // Fermé avant la fin : rien n'est écrit, l'éditeur revient à la consultation.
    void fermeAvantLaFin()
    {
        auto f = creeParLAssistant([](frmAssistant* a) {
            a->fldstrnom->setText("Oubliée");
            a->btnSuivant->click();
            a->done(QDialog::Rejected);
        });
        QCOMPARE(nombre("select count(*) from Personnage"), 0);
        QCOMPARE(nombre("select count(*) from PersonnageProgression"), 0);
        QVERIFY(!f->enModification());
        QVERIFY(m_boites->boites.isEmpty());
    }

    // Par le menu : l'éditeur s'ouvre, l'assistant par-dessus ; le choix des personnages montre le nouveau.
    void parLeMenuPrincipal()
    {
        frmMain principale(*m_etat);
        principale.Charge();
        principale.show();
        repondA<frmAssistant>([](frmAssistant* a) {
            a->fldstrnom->setText("Ilse");
            for (int i = 0; i < 3; ++i)
                a->btnSuivant->click();
            choisit(a->CmbClasse, "Roublard");
            a->btnSuivant->click();
        });
        principale.findChild<QAction*>("IDM_ASSISTANT_PERSO")->trigger();
        QVERIFY(principale.sousFenetre("frmGestPerso"));
        QCOMPARE(m_boites->boites.size(), 1);
        QCOMPARE(m_boites->boites.first().texte, "Répartissez les points de compétence de Ilse, Roublard de niveau 1.");
        auto* choix = static_cast<frmAcceder*>(principale.sousFenetre("frmAcceder")->widget());
        QVERIFY(!choix->vsnom->findItems("Ilse", Qt::MatchExactly).isEmpty());
    }

    // Chaque contrôle de "&Suivant" montre son message et garde l'étape ; rien n'est enregistré.
    void messagesDesEtapes()
    {
        int enregistrements = 0;
        auto a = assistant(&enregistrements);
        choisit(a->CmbRace, "");
        a->btnSuivant->click();
        QCOMPARE(messages(), QStringList{"Saisie du nom du personnage obligatoire"});
        QCOMPARE(m_boites->boites.last().icone, QMessageBox::Warning);
        QCOMPARE(a->focusWidget(), a->fldstrnom);
        a->fldstrnom->setText("Léa");
        choisit(a->CmbRace, "Humain");
        a->btnSuivant->click();
        QCOMPARE(a->etape(), 1);

        a->fldnCaracs[5][0]->setText("6");
        QCOMPARE(a->fldnPoints[2]->text(), "2");
        a->btnSuivant->click();
        QCOMPARE(m_boites->boites.last().texte, "Il vous reste 2 point(s).");
        QCOMPARE(m_boites->boites.last().icone, QMessageBox::NoIcon);
        a->fldnCaracs[5][0]->setText("9");
        a->btnSuivant->click();
        QCOMPARE(m_boites->boites.last().texte, "Vous avez dépensé 1 point(s) en trop.");
        // "Mode manuel" : un budget de 40, dépensé exactement.
        a->ModeManuel->click();
        a->fldnPoints[1]->setText("40");
        const int valeurs[6] = {18, 17, 14, 12, 9, 8};
        for (int i = 0; i < 6; ++i)
            a->fldnCaracs[i][0]->setText(QString::number(valeurs[i]));
        a->btnSuivant->click();
        QCOMPARE(a->etape(), 2);

        a->fldnTaille->setText("abc");
        a->btnSuivant->click();
        QCOMPARE(m_boites->boites.last().texte, "La taille doit être entrée en tant que valeur numérique");
        QCOMPARE(a->focusWidget(), a->fldnTaille);
        QCOMPARE(a->etape(), 2);

        // Des filtres que nul dieu ne remplit.
        choisit(a->CmbRoyaume, "Greyhawk");
        choisit(a->CmbAlignementDieu, "CHAOTIQUE MAUVAIS");
        choisit(a->CmbRaceDieu, "Halfelin");
        QCOMPARE(m_boites->boites.last().texte, "Aucuns dieux ne répondent à ses critères.");
        QCOMPARE(a->CmbDieu->count(), 1);

        // "&Générer" donne des mesures d'humain : de 4'10" + 2 à 4'10" + 20 pouces.
        a->btnGenerer->click();
        const int taille = a->fldnTaille->text().toInt();
        QVERIFY2(taille >= 152 && taille <= 198, qPrintable(a->fldnTaille->text()));
        QVERIFY(!a->fldstrDate->text().isEmpty());
        a->btnSuivant->click();
        QCOMPARE(a->etape(), 3);
        a->btnSuivant->click();
        QCOMPARE(m_boites->boites.last().texte, "Saisie d'une classe obligatoire");
        QCOMPARE(m_boites->boites.last().icone, QMessageBox::NoIcon);

        // Retour en arrière sans contrôle, puis abandon : rien n'est passé à l'éditeur.
        a->Command1->click();
        QCOMPARE(a->etape(), 2);
        const int avant = int(m_boites->boites.size());
        QTest::keyClick(a.get(), Qt::Key_Escape);
        QCOMPARE(m_boites->boites.size(), avant + 1);   // confirmation demandée
        QVERIFY(a->isVisible());
        QCOMPARE(enregistrements, 0);
    }

    // La liste des races suit "Monstre" et l'ajustement de niveau maximal.
    void racesMonstrueuses()
    {
        auto a = assistant();
        QVERIFY(a->CmbRace->findText("Ogre") < 0);
        QVERIFY(a->CmbRace->findText("Drow") < 0);
        a->fldnAjustementNiveau->setText("2");
        QVERIFY(a->CmbRace->findText("Drow") >= 0);
        a->ChkMonstre->click();
        QVERIFY(a->CmbRace->findText("Ogre") >= 0);
        a->ChkMonstre->click();
        QVERIFY(a->CmbRace->findText("Ogre") < 0);
        QCOMPARE(a->CmbRace->currentText(), "Humain");
    }

    // Tab atteint chaque contrôle de l'étape 0.
    void tabulation()
    {
        auto a = assistant();
        a->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.get()));
        a->fldstrnom->setFocus();
        QSet<QString> atteints;
        for (int i = 0; i < 40; ++i) {
            atteints.insert(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* nom : {"fldstrnom", "CmbRace", "ChkMonstre", "fldnAjustementNiveau", "CmbArchétype", "CmbAlignement",
                                "CmbSexe", "CmbProfession_3", "CmbArtisanat_2", "btnSuivant", "btnAnnuler"})
            QVERIFY2(atteints.contains(QString::fromUtf8(nom)), nom);
    }

    // Les quatre étapes en images, à la taille ordinaire et en 1024 × 720.
    void captures()
    {
        auto a = assistant();
        a->fldstrnom->setText("Bran");
        choisit(a->CmbArchetype, "Demi-dragon");
        for (const QSize taille : {QSize(1280, 800), QSize(1024, 720), a->size()}) {
            a->resize(taille);
            for (int etape = 0; etape < 4; ++etape) {
                a->montreFrame(etape);
                if (etape == 2)
                    choisit(a->CmbDieu, "Ardéane");
                if (etape == 3) {
                    choisit(a->CmbClasse, "Prêtre");
                    a->fldnNiveau->setText("3");
                    choisit(a->CmbChoix[0], "Guerre");
                }
                QCoreApplication::processEvents();
                enregistreCapture(a.get(), QStringLiteral("assistant-%1x%2-etape%3").arg(taille.width()).arg(taille.height()).arg(etape));
            }
        }
        QVERIFY(a->resume().refus.isEmpty());
        QVERIFY(a->fldstrDescriptionClasse->toPlainText().contains("Domaine Guerre"));
    }
};

QTEST_MAIN(TestFrmAssistant)
#include "test_frm_assistant.moc"

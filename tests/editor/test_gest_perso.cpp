// Fenêtre de l'éditeur de personnages pilotée hors écran : touches, modes, enregistrement, refus.
#include "allocation/frmDonsComp.h"
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "editor/FrmLstArticle.h"
#include "editor/frmAjouter.h"
#include "editor/frmBackHist.h"
#include "editor/frmGestPerso.h"
#include "editor/frmRenommer.h"
#include "editor/frmVendre.h"
#include "sheet/frmFichePerso.h"
#include "shell/FichierIni.h"
#include "shell/frmMain.h"
#include "shell/UtilitairesFenetres.h"
#include "tools/SuiteConnue.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>
#include <QToolButton>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

void metCellule(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    grille->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

// Un niveau valable sur la ligne donnée : classe, niveau de classe, points de vie, caractéristiques.
void remplitNiveau(QTableWidget* grille, int ligne, const QString& classe = "Guerrier", int niveau = 1, int pv = 8)
{
    metCellule(grille, ligne, 0, QString::number(niveau));
    metCellule(grille, ligne, 1, classe);
    metCellule(grille, ligne, 2, QString::number(pv));
    const int caracs[6] = {15, 14, 13, 12, 10, 8};
    for (int i = 0; i < 6; ++i)
        metCellule(grille, ligne, 3 + i, QString::number(caracs[i]));
}

// F9 puis "Manuelle" : un personnage neuf, humain, avec une ligne de niveau par classe donnée ;
// enregistré si demandé.
void creePersonnage(frmGestPerso* f, const QString& nom, const QStringList& classes = {"Guerrier"},
                    bool enregistre = false)
{
    repondA<frmAjouter>([](frmAjouter* d) { d->btnManuelle->click(); });
    QTest::keyClick(f, Qt::Key_F9);
    reactive(f);
    f->fldstrnom->setText(nom);
    f->CmbRace->setCurrentText("Humain");
    for (qsizetype i = 0; i < classes.size(); ++i) {
        QTest::keyClick(f, Qt::Key_F7);
        remplitNiveau(f->vsHistoPerso, int(i), classes[i], int(classes.mid(0, i + 1).count(classes[i])), 4);
    }
    if (enregistre)
        QVERIFY(f->Enregistre());
}

QStringList lignesNiveaux(const QTableWidget* grille)
{
    QStringList lignes;
    for (int r = 0; r < grille->rowCount(); ++r)
        lignes << grille->item(r, 1)->text() + u' ' + grille->item(r, 0)->text() + u' ' + grille->item(r, 2)->text();
    return lignes;
}

// Saisie d'une cellule comme l'utilisateur la fait : l'éditeur de la cellule s'ouvre, on choisit
// dans sa liste ou on tape, puis il se referme.
void saisit(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    const QModelIndex index = grille->model()->index(ligne, colonne);
    grille->setCurrentIndex(index);
    grille->edit(index);
    QWidget* editeur = grille->indexWidget(index);
    QVERIFY(editeur);
    if (auto* liste = qobject_cast<QComboBox*>(editeur)) {
        const int i = liste->findText(texte, Qt::MatchFixedString);
        QVERIFY2(i >= 0, qPrintable(texte));
        liste->setCurrentIndex(i);
        Q_EMIT liste->activated(i);
    } else {
        auto* champ = qobject_cast<QLineEdit*>(editeur);
        QVERIFY(champ);
        champ->setText(texte);
        Q_EMIT grille->itemDelegate()->commitData(champ);
        Q_EMIT grille->itemDelegate()->closeEditor(champ);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Ce que la liste déroulante d'une cellule propose.
QStringList choixCellule(QTableWidget* grille, int ligne, int colonne)
{
    const QModelIndex index = grille->model()->index(ligne, colonne);
    grille->edit(index);
    QStringList choix;
    if (auto* liste = qobject_cast<QComboBox*>(grille->indexWidget(index))) {
        for (int i = 0; i < liste->count(); ++i)
            choix << liste->itemText(i);
        Q_EMIT grille->itemDelegate()->closeEditor(liste);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return choix;
}

// Achat d'un objet du catalogue par la liste des objets, comme l'utilisateur le fait.
void achete(frmGestPerso* f, const QString& objet, const QString& nombre = "1")
{
    repondA<FrmLstArticle>([objet, nombre](FrmLstArticle* d) {
        d->fldstrRecherche->setText(objet);
        for (int r = 0; r < d->FGarticle->rowCount(); ++r)
            if (d->FGarticle->item(r, 0)->text() == objet)
                d->FGarticle->selectRow(r);
        d->fldnNombre->setText(nombre);
        d->BtnOK->click();
    });
    f->btnEquipAcheter->click();
    reactive(f);
}

QStringList colonne(const QTableWidget* grille, int c)
{
    QStringList textes;
    for (int r = 0; r < grille->rowCount(); ++r)
        textes << (grille->item(r, c) ? grille->item(r, c)->text() : QString());
    return textes;
}

} // namespace

class TestGestPerso : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossiersShell> m_dossiers;
    std::unique_ptr<EtatShell> m_etat;
    // Aucune boîte modale ne bloque un essai : elles sont fermées et retenues ; celles qu'un essai
    // n'a pas lues (boites()) le font échouer.
    std::unique_ptr<CaptureBoites> m_boites;

    std::unique_ptr<frmGestPerso> ouvre()
    {
        auto f = std::make_unique<frmGestPerso>(*m_etat);
        f->show();
        reactive(f.get());
        return f;
    }

    QStringList boites()
    {
        QStringList textes;
        for (const CaptureBoites::Boite& b : std::exchange(m_boites->boites, {}))
            textes << b.texte;
        return textes;
    }

    int nombre(const QString& sql, const QVariantList& valeurs = {}) { return m_etat->perso->scalaire(sql, valeurs).toInt(); }

    static bool consulte(const frmGestPerso& f)
    {
        return !f.enModification() && !f.btnEnregistrer->isVisibleTo(&f) && f.btnAjouter->isVisibleTo(&f)
               && f.vsPerso->isEnabled();
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
        if (m_boites)
            QVERIFY2(m_boites->boites.isEmpty(), qPrintable(boites().join(u'\n')));
        m_boites.reset();
        m_etat.reset();
        m_dossiers.reset();
    }

    // F9 puis "Manuelle" : un personnage neuf. Sans nom, F5 le refuse avec un message, sans rien
    // perdre ni écrire ; nommé, il est écrit et la liste le montre, choisi.
    void nouveauPersonnageParLesTouches()
    {
        auto f = ouvre();
        QVERIFY(consulte(*f));
        repondA<frmAjouter>([](frmAjouter* d) {
            QVERIFY(d->btnAssistant->isEnabled());
            d->btnManuelle->click();
        });
        QTest::keyClick(f.get(), Qt::Key_F9);
        reactive(f.get());
        QVERIFY(f->enModification());
        QVERIFY(f->btnEnregistrer->isVisibleTo(f.get()));
        QVERIFY(!f->vsPerso->isEnabled());
        QVERIFY(!f->btnSupprimer->isVisibleTo(f.get()));
        f->CmbRace->setCurrentText("Humain");
        static_cast<QLineEdit*>(f->controle("fldnAge"))->setText("19");
        QTest::keyClick(f.get(), Qt::Key_F7);
        QCOMPARE(f->vsHistoPerso->rowCount(), 1);
        QCOMPARE(f->vsHistoPerso->item(0, 0)->text(), "1");
        remplitNiveau(f->vsHistoPerso, 0);
        QTest::keyClick(f.get(), Qt::Key_F5);
        QCOMPARE(m_boites->boites.value(0).icone, QMessageBox::Warning);
        QCOMPARE(boites(), QStringList{"Saisie d'un nom valide"});
        QVERIFY(f->enModification());
        QCOMPARE(f->vsHistoPerso->rowCount(), 1);
        QCOMPARE(nombre("select count(*) from Personnage"), 0);

        reactive(f.get());
        // Entrée passe au champ suivant.
        f->fldstrnom->setFocus();
        f->fldstrnom->setText("Léa d'Ombre");
        QTest::keyClick(f->fldstrnom, Qt::Key_Return);
        QVERIFY(!f->fldstrnom->hasFocus());
        QSignalSpy enregistre(f.get(), &frmGestPerso::personnageEnregistre);
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        QCOMPARE(enregistre.size(), 1);
        QCOMPARE(enregistre.first().first().toString(), "Léa d'Ombre");
        const Ligne l = m_etat->perso->premiere("select * from Personnage");
        QCOMPARE(l.texte("Nom"), "Léa d'Ombre");
        QCOMPARE(l.texte("Classe_1"), "Guerrier");
        QCOMPARE(l.entier("Age"), 19);
        QCOMPARE(f->vsPerso->rowCount(), 1);
        QCOMPARE(f->vsPerso->currentRow(), 0);

        // "Ajouter" demande la méthode : Annuler ne touche à rien, "Manuelle" repart de champs vides
        // et de nombres à 0.
        for (bool manuelle : {false, true}) {
            repondA<frmAjouter>([manuelle](frmAjouter* d) {
                QCOMPARE(d->windowTitle(), "Choix de la méthode");
                (manuelle ? d->btnManuelle : d->btnAnnuler)->click();
            });
            f->btnAjouter->click();
            QCOMPARE(f->enModification(), manuelle);
            QCOMPARE(f->fldstrnom->text(), manuelle ? QString() : "Léa d'Ombre");
            QCOMPARE(f->vsHistoPerso->rowCount(), manuelle ? 0 : 1);
            QCOMPARE(static_cast<QLineEdit*>(f->controle("fldnAge"))->text(), manuelle ? "0" : "19");
        }
    }

    // Échap ou "Annuler" : une modification réelle se confirme ; Oui l'abandonne, Non la garde.
    void abandonDesModifications_data()
    {
        QTest::addColumn<QString>("nouveauNom");   // "" : une cellule change
        QTest::addColumn<bool>("parLeBouton");
        QTest::addColumn<bool>("oui");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("garde");
        QTest::newRow("Échap, Oui : abandon") << "Autre" << false << true
                                             << QStringList{"Abandonner les modifications de Autre ?"} << false;
        QTest::newRow("Échap, Non : on reste") << "Autre" << false << false
                                              << QStringList{"Abandonner les modifications de Autre ?"} << true;
        QTest::newRow("Annuler, cellule changée") << "" << true << true
                                                 << QStringList{"Abandonner les modifications de Nora ?"} << false;
        QTest::newRow("nom retapé à l'identique : rien à demander") << "Nora" << false << false << QStringList{}
                                                                    << false;
    }
    void abandonDesModifications()
    {
        QFETCH(QString, nouveauNom);
        QFETCH(bool, parLeBouton);
        QFETCH(bool, oui);
        QFETCH(bool, garde);
        m_boites.reset();
        QStringList questions;
        QTimer repondeur;
        connect(&repondeur, &QTimer::timeout, [&questions, oui] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions << b->text();
                b->button(oui ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        repondeur.start(10);
        auto f = ouvre();
        creePersonnage(f.get(), "Nora");
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));

        if (nouveauNom.isEmpty()) {
            saisit(f->vsHistoPerso, 0, 5, "16");
        } else {
            f->fldstrnom->setText("N");
            f->fldstrnom->setText(nouveauNom);
        }
        QVERIFY(f->enModification());
        if (parLeBouton)
            f->btnAnnuler->click();
        else
            QTest::keyClick(f.get(), Qt::Key_Escape);
        QTEST(questions, "questions");
        QCOMPARE(f->enModification(), garde);
        QVERIFY(f->isVisible());
        QCOMPARE(f->fldstrnom->text(), garde ? nouveauNom : "Nora");
        // La Constitution saisie puis abandonnée est revenue à celle qui avait été lue.
        QCOMPARE(f->vsHistoPerso->item(0, 5)->text(), "13");
        if (garde)
            return;
        // Sans changement, Échap ferme sans rien demander.
        reactive(f.get());
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
        QCOMPARE(questions.size(), nouveauNom == "Nora" ? 0 : 1);
    }

    // Ctrl+Z défait la dernière saisie d'une cellule, avec ce qu'elle a entraîné.
    void defaireLaDerniereSaisie()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Ugo", {"Guerrier", "Guerrier"});
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        const QStringList lus = lignesNiveaux(f->vsHistoPerso);

        saisit(f->vsHistoPerso, 0, 2, "7");
        saisit(f->vsHistoPerso, 0, 5, "16");
        saisit(f->vsHistoPerso, 1, 1, "Magicien");
        QCOMPARE(f->vsHistoPerso->item(1, 0)->text(), "1");
        f->vsHistoPerso->setFocus();
        QTest::keyClick(f->vsHistoPerso, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(lignesNiveaux(f->vsHistoPerso), QStringList({"Guerrier 1 7", lus[1]}));
        QTest::keyClick(f->vsHistoPerso, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->vsHistoPerso->item(0, 5)->text(), "13");
        QCOMPARE(f->vsHistoPerso->item(0, 2)->text(), "7");
        QTest::keyClick(f->vsHistoPerso, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(lignesNiveaux(f->vsHistoPerso), lus);
        // Revenu à ce qui a été lu : Échap n'a rien à demander.
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(consulte(*f));
    }

    // Les points de vie se tirent quand la classe est posée, avec son dé ; un niveau ajouté reprend la
    // classe d'avant au niveau suivant ; une valeur tapée reste ; changer une classe renumérote les
    // niveaux de classe, et l'enregistrement passe.
    void pointsDeVieEtNumerosDesNiveaux_data()
    {
        QTest::addColumn<QString>("jets");
        QTest::addColumn<QStringList>("etapes");
        QTest::addColumn<QStringList>("niveaux");
        QTest::newRow("classe choisie après l'ajout : d4") << "3/4" << QStringList{"F7", "classe 0 Magicien"}
                                                          << QStringList{"Magicien 1 3"};
        QTest::newRow("niveau ajouté : même classe, niveau suivant, même dé")
            << "5/10 6/10" << QStringList{"F7", "classe 0 Guerrier", "F7"} << QStringList{"Guerrier 1 5", "Guerrier 2 6"};
        QTest::newRow("valeur tapée gardée") << "" << QStringList{"F7", "pv 0 2", "classe 0 Magicien"}
                                             << QStringList{"Magicien 1 2"};
        QTest::newRow("niveau ajouté tiré, tiré à nouveau avec la nouvelle classe")
            << "3/4 2/4 9/10" << QStringList{"F7", "classe 0 Magicien", "F7", "classe 1 Guerrier"}
            << QStringList{"Magicien 1 3", "Guerrier 1 9"};
        QTest::newRow("classe changée au milieu : renumérotée")
            << "5/10 6/10 7/10 2/4" << QStringList{"F7", "classe 0 Guerrier", "F7", "F7", "classe 1 Magicien"}
            << QStringList{"Guerrier 1 5", "Magicien 1 2", "Guerrier 2 7"};
    }
    void pointsDeVieEtNumerosDesNiveaux()
    {
        QFETCH(QString, jets);
        QFETCH(QStringList, etapes);
        auto f = ouvre();
        SuiteConnue hasard(jets);
        f->utiliseHasard(hasard);
        creePersonnage(f.get(), "Pia", {});
        for (const QString& etape : etapes) {
            const QStringList e = etape.split(' ');
            if (e[0] == "F7")
                QTest::keyClick(f.get(), Qt::Key_F7);
            else
                saisit(f->vsHistoPerso, e[1].toInt(), e[0] == "classe" ? 1 : 2, e[2]);
        }
        QTEST(lignesNiveaux(f->vsHistoPerso), "niveaux");
        QVERIFY(hasard.touteLue());
        for (int i = 0; i < 6; ++i)
            saisit(f->vsHistoPerso, 0, 3 + i, "12");
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
    }

    // Un objet ajouté se porte à son emplacement quand il est libre ; la position montre le nom de
    // l'emplacement et ne propose que ceux où l'objet compte. Choisir pour le dernier un emplacement
    // pris l'y met à la place de l'autre, qui perd sa position.
    void positionDesObjetsAjoutes_data()
    {
        QTest::addColumn<QStringList>("objets");
        QTest::addColumn<QStringList>("positions");
        QTest::addColumn<QStringList>("choixDuPremier");
        QTest::addColumn<QString>("choixDuDernier");   // vide : rien choisi
        QTest::addColumn<QStringList>("positionsFinales");
        const QStringList armure{"Armure/Vêtement", "Arme Principale"};
        QTest::newRow("armure et arme") << QStringList{"Chemise de mailles", "Épée longue"} << armure
                                        << QStringList{"", "Armure/Vêtement"} << QString() << armure;
        const QStringList anneaux{"Anneaux gauche", "Anneaux droit", ""};
        QTest::newRow("trois anneaux pour deux mains")
            << QStringList{"Anneau de protection +1", "Anneau de protection +2", "Anneau de protection +3"} << anneaux
            << QStringList{"", "Anneaux gauche", "Anneaux droit"} << QString() << anneaux;
        QTest::newRow("écu au bras, potion sans emplacement")
            << QStringList{"Écu en acier", "Potion de soins légers"} << QStringList{"Bouclier", ""}
            << QStringList{"", "Arme Principale", "Arme Secondaire", "Bouclier"} << QString() << QStringList{"Bouclier", ""};
        QTest::newRow("seconde armure sans emplacement, puis à la place de la première")
            << QStringList{"Armure de cuir", "Chemise de mailles"} << QStringList{"Armure/Vêtement", ""}
            << QStringList{"", "Armure/Vêtement"} << "Armure/Vêtement" << QStringList{"", "Armure/Vêtement"};
        QTest::newRow("dague à la place de l'épée") << QStringList{"Épée longue", "Dague"}
                                                    << QStringList{"Arme Principale", ""}
                                                    << QStringList{"", "Arme Principale", "Arme Secondaire"}
                                                    << "Arme Principale" << QStringList{"", "Arme Principale"};
    }
    void positionDesObjetsAjoutes()
    {
        QFETCH(QStringList, objets);
        auto f = ouvre();
        creePersonnage(f.get(), "Rhéa");
        f->fldnTotalPo->setText("100000");
        for (const QString& objet : objets)
            achete(f.get(), objet);
        QCOMPARE(colonne(f->vsEquip, 0), objets);
        QTEST(colonne(f->vsEquip, 2), "positions");
        QTEST(choixCellule(f->vsEquip, 0, 2), "choixDuPremier");
        QFETCH(QString, choixDuDernier);
        if (!choixDuDernier.isEmpty())
            saisit(f->vsEquip, int(objets.size()) - 1, 2, choixDuDernier);
        QTEST(colonne(f->vsEquip, 2), "positionsFinales");
        // Enregistrée puis relue dans une fenêtre neuve, la position garde son nom.
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        f = ouvre();
        QVERIFY(TrouveLigne(f->vsPerso, "Rhéa", 0));
        QTEST(colonne(f->vsEquip, 2), "positionsFinales");
    }

    // Un personnage neuf fait dans l'éditeur, avec une épée longue et une chemise de mailles
    // achetées : la fiche les compte toutes deux sans rien glisser.
    void epeeEtChemiseComptentSansGlisser()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Bran");
        f->fldnTotalPo->setText("200");
        achete(f.get(), "Épée longue");
        achete(f.get(), "Chemise de mailles");
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));

        frmFichePerso fiche(*m_etat, "Bran");
        fiche.resize(1024, 720);
        fiche.show();
        fiche.chargePersonnage("Bran");
        const Fiche& r = fiche.fiche();
        // Guerrier 1, Force 15 : attaque de base +1, Force +2 ; chemise : armure +4, Dextérité 14 : +2.
        QCOMPARE(r.NomArme, "Épée longue");
        QVERIFY2(r.AttaqueMelee.contains("+3"), qPrintable(r.AttaqueMelee));
        QCOMPARE(r.Equip.Armure, "Chemise de mailles");
        QCOMPARE(int(r.ClasseArmure.Total), 16);
        auto* aide = fiche.findChild<QLabel*>("LabPorter");
        QVERIFY(aide && aide->text().startsWith("Pour porter un objet"));
        for (int i = 0; i < fiche.onglets()->count(); ++i)
            if (fiche.onglets()->widget(i)->isAncestorOf(aide))
                fiche.onglets()->setCurrentIndex(i);
        QVERIFY(aide->isVisible());
        enregistreCapture(&fiche, "frmFichePerso-equipement");
        f->resize(1024, 720);
        enregistreCapture(f.get(), "frmGestPerso-objets");
    }

    void menuOuvreLEditeurEtLeChoixSuit()
    {
        frmMain principale(*m_etat);
        principale.Charge();
        auto* article = principale.findChild<QAction*>("IDM_GESTION_PERSO");
        QVERIFY(article);
        article->trigger();
        QMdiSubWindow* sous = principale.sousFenetre("frmGestPerso");
        QVERIFY(sous);
        // Un second choix du menu ramène la même fenêtre.
        article->trigger();
        QCOMPARE(principale.sousFenetre("frmGestPerso"), sous);

        auto* f = static_cast<frmGestPerso*>(sous->widget());
        // Dans la zone de la fenêtre principale, cachée ici : boutons plutôt que touches.
        f->AjouteManuel();
        f->fldstrnom->setText("Olga");
        f->CmbRace->setCurrentText("Humain");
        f->btnNivInserer->click();
        remplitNiveau(f->vsHistoPerso, 0);
        QVERIFY(f->Enregistre());

        // La fiche ouverte suit l'éditeur : recalculée après un enregistrement, rechargée sous
        // son nouveau nom, fermée quand le personnage disparaît.
        principale.afficheFichePerso("Olga");
        auto* fiche = static_cast<frmFichePerso*>(principale.sousFenetre("frmFichePerso")->widget());
        QCOMPARE(fiche->fiche().Caracteristiques[0].Total, "15");
        metCellule(f->vsHistoPerso, 0, 3, "17");
        QVERIFY(f->Enregistre());
        QCOMPARE(fiche->fiche().Caracteristiques[0].Total, "17");
        f->Renomme("Olgane");
        QCOMPARE(fiche->nomPersonnage(), "Olgane");
        QCOMPARE(fiche->fiche().Caracteristiques[0].Total, "17");
        f->Supprime();
        QCOMPARE(boites(), QStringList{"Confirmation suppression du personnage Olgane"});
        QTRY_VERIFY(!principale.sousFenetre("frmFichePerso"));
    }

    void renommage_data()
    {
        QTest::addColumn<QString>("nouveau");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nomFinal");
        QTest::newRow("nom d'un autre, autre casse")
            << "PAUL" << "Impossible de renommer vu que ce nouveau nom de personnage existe déjà"
            << "Nora";
        QTest::newRow("même nom, autre casse") << "NORA" << QString() << "Nora";
        QTest::newRow("nom libre") << "Rose d'Or" << QString() << "Rose d'Or";
    }
    void renommage()
    {
        QFETCH(QString, nouveau);
        QFETCH(QString, message);
        QFETCH(QString, nomFinal);
        auto f = ouvre();
        for (const char* nom : {"Nora", "Paul"})
            creePersonnage(f.get(), nom, {"Guerrier"}, true);
        QVERIFY(TrouveLigne(f->vsPerso, "Nora", 0));
        QCOMPARE(f->fldstrnom->text(), "Nora");

        QSignalSpy renomme(f.get(), &frmGestPerso::personnageRenomme);
        f->Renomme(nouveau);
        QCOMPARE(renomme.size(), nomFinal == "Nora" ? 0 : 1);
        QCOMPARE(boites(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(f->fldstrnom->text(), nomFinal);
        QVERIFY(consulte(*f));
        const QStringList liste = colonne(f->vsPerso, 0);
        QVERIFY(liste.contains(nomFinal));
        QCOMPARE(liste.size(), 2);
    }

    void dialogueRenommer()
    {
        frmRenommer d("Nora");
        QCOMPARE(d.windowTitle(), "Renommer");
        QCOMPARE(d.fldstrNouveauNom->text(), "Nora");
        QVERIFY(d.btnOk->isEnabled());
        d.fldstrNouveauNom->setText("   ");
        QVERIFY(!d.btnOk->isEnabled());
        d.fldstrNouveauNom->setText(" Ilse ");
        QVERIFY(d.btnOk->isEnabled());
        d.btnOk->click();
        QCOMPARE(d.nouveauNom(), "Ilse");
        frmRenommer annule("Nora");
        annule.btnAnnuler->click();
        QCOMPARE(annule.nouveauNom(), QString());
    }

    void suppressionConfirmee()
    {
        ajoutePersonnage(*m_etat->perso, "Ombre", "Humain", {}, {}, true);
        auto f = ouvre();
        // Un personnage écarté du choix des fiches reste dans la liste de l'éditeur.
        QVERIFY(TrouveLigne(f->vsPerso, "Ombre", 0));
        creePersonnage(f.get(), "Vic", {"Guerrier"}, true);
        QSignalSpy supprime(f.get(), &frmGestPerso::personnageSupprime);
        QTest::keyClick(f.get(), Qt::Key_F10);
        QCOMPARE(boites(), QStringList{"Confirmation suppression du personnage Vic"});
        QCOMPARE(supprime.size(), 1);
        QCOMPARE(colonne(f->vsPerso, 0), QStringList{"Ombre"});
        QCOMPARE(f->fldstrnom->text(), QString());
        QCOMPARE(nombre("select count(*) from Personnage where nom='Vic'"), 0);
    }

    // Monter, descendre ou enlever un niveau : toute la ligne suit (colonnes cachées comprises), rien
    // ne bouge aux bornes ; un changement met en modification et s'enregistre.
    void deplacementDesNiveaux_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QStringList>("ordre");
        QTest::addColumn<int>("choisie");
        const QString g1 = "Guerrier 1 4", m1 = "Magicien 1 4", g2 = "Guerrier 2 4";
        QTest::newRow("descendre") << 1 << "btnRedescendre" << QStringList{g1, g2, m1} << 2;
        QTest::newRow("remonter") << 1 << "btnRemonter" << QStringList{m1, g1, g2} << 0;
        QTest::newRow("la première ne monte pas") << 0 << "btnRemonter" << QStringList{g1, m1, g2} << 0;
        QTest::newRow("la dernière ne descend pas") << 2 << "btnRedescendre" << QStringList{g1, m1, g2} << 2;
        QTest::newRow("enlever la dernière") << 2 << "btnNivEnlever" << QStringList{g1, m1} << 1;
    }
    void deplacementDesNiveaux()
    {
        QFETCH(int, ligne);
        QFETCH(QString, bouton);
        QFETCH(QStringList, ordre);
        auto f = ouvre();
        creePersonnage(f.get(), "Wil", {"Guerrier", "Magicien", "Guerrier"});
        metCellule(f->vsHistoPerso, 1, 11, "Esquive");
        QVERIFY(f->Enregistre());
        const QStringList avant = lignesNiveaux(f->vsHistoPerso);
        f->vsHistoPerso->selectRow(ligne);
        f->findChild<QPushButton*>(bouton)->click();
        QCOMPARE(lignesNiveaux(f->vsHistoPerso), ordre);
        QTEST(f->vsHistoPerso->currentRow(), "choisie");
        QCOMPARE(f->vsHistoPerso->item(ordre.indexOf("Magicien 1 4"), 11)->text(), "Esquive");
        QCOMPARE(f->enModification(), ordre != avant);
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        QCOMPARE(nombre("select count(*) from PersonnageProgression"), ordre.size());
        QCOMPARE(lignesNiveaux(f->vsHistoPerso), ordre);
    }

    void affectationDuNiveauChoisi()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Yorick", {"Guerrier"}, true);
        f->vsHistoPerso->selectRow(0);
        // Un rang de la première compétence achetable et le premier don proposé, puis "&Ok".
        repondA<frmDonsComp>([](frmDonsComp* d) {
            QTRY_VERIFY(!d->SpinComp.isEmpty() && d->vs2->rowCount() > 0);
            for (int i = 0; i < d->SpinComp.size(); ++i)
                if (d->SpinComp[i]->isEnabled()) {
                    d->SpinComp_SpinUp(i);
                    break;
                }
            d->vs2->selectRow(0);
            d->btnAjouter_Click();
            d->btnOk_Click();
        });
        f->btnDonsComp->click();
        reactive(f.get());
        QVERIFY(!f->vsHistoPerso->item(0, 10)->text().isEmpty());
        QVERIFY(!f->vsHistoPerso->item(0, 11)->text().isEmpty());
        QVERIFY(f->enModification());
    }

    void marquesDesDons_data()
    {
        QTest::addColumn<bool>("aPrendre");
        QTest::addColumn<bool>("obtenus");
        QTest::addColumn<QString>("marques");   // par ligne : - aucune, P à prendre, O obtenus, D les deux
        QTest::newRow("aucune case") << false << false << "---";
        QTest::newRow("à prendre") << true << false << "P-P";
        QTest::newRow("obtenus") << false << true << "OO-";
        QTest::newRow("les deux") << true << true << "DOP";
    }
    void marquesDesDons()
    {
        QFETCH(bool, aPrendre);
        QFETCH(bool, obtenus);
        QFETCH(QString, marques);
        auto f = ouvre();
        // Guerrier 1 (niveau 1) attend deux dons et en a un ; guerrier 2 en attend un et l'a ;
        // guerrier 3 (niveau 3) en attend un et n'en a pas.
        creePersonnage(f.get(), "Xena", {"Guerrier", "Guerrier", "Guerrier"});
        metCellule(f->vsHistoPerso, 0, 11, "Esquive");
        metCellule(f->vsHistoPerso, 1, 12, "Souplesse du serpent");
        f->ChkDonsAPrendre->setChecked(aPrendre);
        f->ChkDonsObtenus->setChecked(obtenus);
        QHash<QChar, QRgb> couleurs;
        for (int r = 0; r < 3; ++r) {
            const QBrush fond = f->vsHistoPerso->item(r, 4)->background();
            QCOMPARE(fond.style() == Qt::NoBrush, marques[r] == u'-');
            if (marques[r] != u'-')
                couleurs.insert(marques[r], fond.color().rgb());
        }
        // Chaque sorte de marque a sa couleur.
        QCOMPARE(QSet<QRgb>(couleurs.cbegin(), couleurs.cend()).size(), couleurs.size());
    }

    void champsDeClasse_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<bool>("actif");
        QTest::newRow("magicien : école") << "Magicien" << "CmbEcoleSpecialisation" << "Evocation" << true;
        QTest::newRow("guerrier : pas d'école") << "Guerrier" << "CmbEcoleSpecialisation" << "Evocation" << false;
        QTest::newRow("prêtre : domaine") << "Prêtre" << "cmbDomaine_1" << "Guerre" << true;
        QTest::newRow("druide en majuscules : domaine") << "DRUIDE" << "cmbDomaine_0" << "Animal" << true;
        QTest::newRow("magicien : pas de domaine") << "Magicien" << "cmbDomaine_0" << "Guerre" << false;
    }
    void champsDeClasse()
    {
        QFETCH(QString, classe);
        QFETCH(QString, controle);
        QFETCH(QString, valeur);
        QFETCH(bool, actif);
        auto f = ouvre();
        creePersonnage(f.get(), "Yan", {classe});
        auto* liste = static_cast<QComboBox*>(f->controle(controle));
        liste->setCurrentText(valeur);
        QCOMPARE(liste->currentText(), valeur);
        // Tout changement des niveaux réévalue les groupes : le groupe éteint est vidé.
        metCellule(f->vsHistoPerso, 0, 2, "3");
        QCOMPARE(liste->isEnabled(), actif);
        QVERIFY(f->Enregistre());
        QVERIFY(TrouveLigne(f->vsPerso, "Yan", 0));
        QCOMPARE(liste->isEnabled(), actif);
        QCOMPARE(liste->currentText(), actif ? valeur : QString());
    }

    // Achat de 5 arcs courts à 30 Po, revente de 2, puis un ajout gratuit abandonné.
    void achatEtVenteParLEditeur()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Zoé");
        f->fldnTotalPo->setText("200");
        achete(f.get(), "Arc court", "5");
        QCOMPARE(f->fldnTotalPo->text(), "50");
        QCOMPARE(f->vsEquip->rowCount(), 1);
        QCOMPARE(f->vsEquip->item(0, 5)->text(), "5");

        f->vsEquip->selectRow(0);
        repondA<frmVendre>([](frmVendre* d) {
            d->fldnNombreObjet->setText("2");
            d->btnVendre->click();
        });
        f->btnEquipEnlever->click();
        reactive(f.get());
        QCOMPARE(f->fldnTotalPo->text(), "80");
        QCOMPARE(f->vsEquip->item(0, 5)->text(), "3");

        repondA<FrmLstArticle>([](FrmLstArticle* d) { d->BtnAnnuler->click(); });
        QTest::keyClick(f.get(), Qt::Key_F8);
        reactive(f.get());
        QCOMPARE(f->vsEquip->rowCount(), 1);

        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(consulte(*f));
        const Ligne objet = m_etat->perso->premiere("select * from Equipement where personnage='Zoé'");
        QCOMPARE(objet.texte("NomObjet"), "Arc court");
        QCOMPARE(objet.entier("Multiple"), 3);
        QVERIFY(objet.booleen("SurPersonnage"));
        QCOMPARE(m_etat->perso->scalaire("select TotalPo from Personnage").toDouble(), 80.0);
        f->resize(1100, 720);
        enregistreCapture(f.get(), "frmGestPerso");
    }

    void backgroundEtHistorique()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Ada", {"Guerrier"}, true);
        repondA<frmBackHist>([](frmBackHist* d) {
            d->fldstrbackground->setPlainText("Née à Port-Brume.");
            d->fldstrhistorique->setPlainText("   ");
            d->btnEnregistrer->click();
        });
        f->btnBackground->click();
        const Ligne l = m_etat->perso->premiere("select background, histoire from Personnage");
        QCOMPARE(l.texte("background"), "Née à Port-Brume.");
        QVERIFY(l.estNul("histoire"));
        frmBackHist relu(*m_etat->perso, m_etat->erreurs, "Ada");
        QCOMPARE(relu.fldstrbackground->toPlainText(), "Née à Port-Brume.");
        relu.fldstrbackground->clear();
        relu.btnFermer->click();
        QCOMPARE(m_etat->perso->scalaire("select background from Personnage").toString(), "Née à Port-Brume.");
    }

    void positionRetenue()
    {
        {
            auto f = ouvre();
            f->move(140, 90);
            f->close();
        }
        QCOMPARE(LitIni(m_etat->cheminIni, "frmGestPerso", "POS_X"), "140");
        auto f = ouvre();
        QCOMPARE(f->pos(), QPoint(140, 90));
    }

    // Listes des cellules : classes, "Oui|Non", et le bouton "..." qui ouvre la liste des objets sans rien payer.
    void listesDesGrilles()
    {
        auto f = ouvre();
        creePersonnage(f.get(), "Ivo");
        f->fldnTotalPo->setText("7");
        QCOMPARE(choixCellule(f->vsHistoPerso, 0, 1).size(),
                 m_etat->programme->scalaire("select count(*) from Classe where affichage").toInt());
        saisit(f->vsHistoPerso, 0, 1, "Magicien");
        QCOMPARE(f->vsHistoPerso->item(0, 1)->text(), "Magicien");
        f->vsEquip->setRowCount(1);
        QCOMPARE(choixCellule(f->vsEquip, 0, 4), (QStringList{"Oui", "Non"}));
        saisit(f->vsEquip, 0, 4, "Non");
        QCOMPARE(f->vsEquip->item(0, 4)->text(), "Non");
        f->vsEquip->setCurrentCell(0, 1);
        f->vsEquip->edit(f->vsEquip->model()->index(0, 1));
        auto* bouton = f->vsEquip->viewport()->findChild<QToolButton*>();
        QVERIFY(bouton);
        repondA<FrmLstArticle>([](FrmLstArticle* d) {
            d->FGarticle->selectRow(1);
            d->BtnOK->click();
        });
        bouton->click();
        QCOMPARE(f->vsEquip->item(0, 0)->text(), "Aiguille à coudre");
        QCOMPARE(f->vsEquip->item(0, 4)->text(), "Oui");
        QCOMPARE(f->fldnTotalPo->text(), "7");
    }
};

QTEST_MAIN(TestGestPerso)
#include "test_gest_perso.moc"

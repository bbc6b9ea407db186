// Gestion des objets pilotée hors écran : propriétés choisies dans l'arbre, contrôles de
// l'enregistrement, suppression et nouveau nom, écritures entières ou nulles, effet sur la fiche.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "catalogue/CatalogueObjets.h"
#include "catalogue/frmGestobj.h"
#include "sheet/FixturesFiche.h"
#include "sheet/PageEquipement.h"
#include "shell/EtatShell.h"
#include "shell/FichierIni.h"
#include "shell/frmMain.h"
#include "shell/db/BaseDonnees.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Clique dans l'arbre, du genre à la feuille ; chaque clic bâtit le niveau suivant.
void choisitDansArbre(frmGestobj* f, const QStringList& chemin)
{
    f->SSTab1->setCurrentIndex(1);
    QTreeWidgetItem* noeud = nullptr;
    for (const QString& texte : chemin) {
        QTreeWidgetItem* trouve = nullptr;
        const int n = noeud ? noeud->childCount() : f->Tree1->topLevelItemCount();
        for (int i = 0; i < n && !trouve; ++i) {
            QTreeWidgetItem* e = noeud ? noeud->child(i) : f->Tree1->topLevelItem(i);
            if (e->text(0) == texte)
                trouve = e;
        }
        QVERIFY2(trouve, qPrintable("absent de l'arbre : " + texte));
        noeud = trouve;
        f->Tree1->scrollToItem(noeud);
        QTest::mouseClick(f->Tree1->viewport(), Qt::LeftButton, {}, f->Tree1->visualItemRect(noeud).center());
    }
    QCOMPARE(f->Tree1->currentItem(), noeud);
}

void saisit(frmGestobj* f, int colonne, const QString& texte)
{
    QWidget* w = f->controle(colonne);
    if (auto* champ = qobject_cast<QLineEdit*>(w))
        champ->setText(texte);
    else if (auto* liste = qobject_cast<QComboBox*>(w))
        liste->setEditText(texte);
    else
        static_cast<QPlainTextEdit*>(w)->setPlainText(texte);
}

} // namespace

class TestGestobj : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossiersShell> m_dossiers;
    std::unique_ptr<EtatShell> m_etat;

    std::unique_ptr<frmGestobj> ouvre(const QString& objet = {})
    {
        auto f = std::make_unique<frmGestobj>(*m_etat, objet);
        f->resize(1024, 720);
        f->show();
        reactive(f.get());
        return f;
    }

    // L'objet tel que la base le garde : ses champs et ses propriétés.
    QString etat(const QString& nom)
    {
        const std::optional<ObjetCatalogue> o = litObjet(*m_etat->perso, nom);
        if (!o)
            return QStringLiteral("absent");
        QStringList t(o->valeurs.cbegin(), o->valeurs.cend());
        for (const ProprieteObjet& p : proprietesObjet(*m_etat->perso, nom))
            t << ligneLisible(p);
        return t.join(u'|');
    }

    QString equipementDAldo()
    {
        return m_etat->perso->scalaire("select group_concat(NomObjet, '|') from Equipement where Personnage='Aldo'").toString();
    }

private Q_SLOTS:
    void init()
    {
        m_dossiers = std::make_unique<DossiersShell>();
        m_etat = demarre(*m_dossiers);
        ajouteAldo(*m_etat->perso);
        equipeTest(*m_etat->perso, "Aldo", {{"Dague", 0}});
    }

    void cleanup()
    {
        m_etat.reset();
        m_dossiers.reset();
    }

    // Un objet neuf, ses propriétés prises dans l'arbre (valeur signée), puis porté : la fiche suit.
    void objetNeuf()
    {
        const Fiche avant = calculeFiche(*m_etat->perso, *m_etat->programme, "Aldo");
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        QVERIFY(f->btnEnregistrer->isVisible() && !f->btnAjouter->isVisible());
        saisit(f.get(), ColNom, "Anneau de force +3");
        saisit(f.get(), ColGroupe, "Anneau");
        saisit(f.get(), ColType, "Anneau");
        saisit(f.get(), ColCoutTotal, "9000,5");
        choisitDansArbre(f.get(), {"Bonus Caracteristique", "Force", "Alteration", "3"});
        f->btnAjout->click();
        QCOMPARE(f->vsPropri->item(0, 0)->text(), QStringLiteral("Bonus Caracteristique Force Alteration +3"));
        choisitDansArbre(f.get(), {"Bonus Classe Armure", "Parade", "2"});
        f->btnAjout->click();
        // L'onglet des propriétés, à regarder (l'autre est pris avec toutes les fenêtres).
        const QString echelle = qEnvironmentVariable("QT_SCALE_FACTOR");
        enregistreCapture(f.get(), "gestobj_proprietes" + (echelle.isEmpty() ? QString() : "-x" + echelle));
        QTest::keyClick(f.get(), Qt::Key_F5);
        QVERIFY(f->btnAjouter->isVisible() && !f->btnEnregistrer->isVisible());
        QCOMPARE(f->objetAffiche(), QStringLiteral("Anneau de force +3"));
        QCOMPARE(m_etat->perso->scalaire("select group_concat(propriete_1||'/'||propriete_2||'/'||propriete_3||'/'||valeur) "
                                         "from ObjetsPropriete where NomObjet='Anneau de force +3' and propriete_2='Force'")
                     .toString(),
                 "Bonus Caracteristique/Force/Alteration/+3");
        const Ligne o = m_etat->perso->premiere("select * from Objets where NomObjet='Anneau de force +3'");
        QCOMPARE(o.reel("CoutTotal"), 9000.5);
        QVERIFY(o.estNul("BonusDexMax"));   // un champ vide reste Null, jamais 0
        equipeTest(*m_etat->perso, "Aldo", {{"Anneau de force +3", 3}});
        const Fiche apres = calculeFiche(*m_etat->perso, *m_etat->programme, "Aldo");
        QCOMPARE(int(apres.CA.Parade), int(avant.CA.Parade) + 2);
        QCOMPARE(int(apres.ClasseArmure.Total), int(avant.ClasseArmure.Total) + 2);
        QCOMPARE(int(apres.ClasseArmure.Contact), int(avant.ClasseArmure.Contact) + 2);
    }

    // Les bonus d'attaque et de dommage ne vont qu'aux armes et aux munitions.
    void bonusDArme_data()
    {
        QTest::addColumn<QString>("groupe");
        QTest::addColumn<int>("lignes");
        QTest::newRow("anneau") << "Anneau" << 0;
        QTest::newRow("arme") << "Epée longue" << 1;
        QTest::newRow("munition") << "Flèches" << 1;
    }

    void bonusDArme()
    {
        QFETCH(QString, groupe);
        QFETCH(int, lignes);
        auto f = ouvre();
        QTest::keyClick(f.get(), Qt::Key_F9);
        saisit(f.get(), ColGroupe, groupe);
        choisitDansArbre(f.get(), {"Bonus Attaque", "Piquant", "Alteration", "2"});
        f->btnAjout->click();
        QCOMPARE(f->vsPropri->rowCount(), lignes);
        QCOMPARE(f->texteEtat().contains("ne vont qu'aux armes"), lignes == 0);   // le refus se dit dans la barre d'état
    }

    void listeVideEffaceLesProprietes()
    {
        auto f = ouvre();
        QVERIFY(f->choisitObjet("Dague +1"));
        QCOMPARE(f->vsPropri->rowCount(), 2);
        while (f->vsPropri->rowCount() > 0) {
            f->vsPropri->selectRow(0);
            f->btnEnlever->click();
        }
        QTest::keyClick(f.get(), Qt::Key_F5);
        QCOMPARE(m_etat->perso->scalaire("select count(*) from ObjetsPropriete where NomObjet='Dague +1'").toInt(), 0);
        QVERIFY(litObjet(*m_etat->perso, "Dague +1"));
    }

    // Contrôles de l'enregistrement : message, onglet et focus sur le champ ; rien d'écrit.
    void controles_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");   // vide : accepté
        const QString liste = "Saisie obligatoire d'un élément de la liste";
        QTest::newRow("nom vide") << int(ColNom) << "" << "Saisie d'un nom d'objet obligatoire";
        QTest::newRow("type CA hors liste") << int(ColTypeCa) << "Mithral" << liste;
        QTest::newRow("taille hors liste") << int(ColTaille) << "Enorme" << liste;
        QTest::newRow("dés hors liste") << int(ColDegatDes) << "1d9" << liste;
        QTest::newRow("groupe saisi à la main") << int(ColGroupe) << "Bâton de marche" << "";
        QTest::newRow("cout") << int(ColCoutTotal) << "deux" << "Saisie d'un cout total numérique";
        QTest::newRow("poids") << int(ColPoidsBase) << "lourd" << "Saisie d'un poids numérique";
        QTest::newRow("échec") << int(ColEchecSorts) << "x" << "Saisie d'un echec au sort numérique";
        QTest::newRow("pénalité") << int(ColPenaliteArmure) << "-x" << "Saisie d'une pénalité d'armure numérique";
        QTest::newRow("dex max") << int(ColBonusDexMax) << "a" << "Saisie d'un bonus de dex max numérique";
        QTest::newRow("portée") << int(ColPortee) << "loin" << "Saisie d'une portée numérique";
        QTest::newRow("solidité") << int(ColSolidite) << "dur" << "Saisie d'une solidité numérique";
        QTest::newRow("solidité trop grande") << int(ColSolidite) << "40000" << "Saisie d'une solidité numérique";
        QTest::newRow("résistance") << int(ColResistance) << "?" << "Saisie d'une résistance numérique";
        QTest::newRow("charges") << int(ColCharge) << "10 charges" << "Saisie d'un nombre de charge numérique";
    }

    void controles()
    {
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        auto f = ouvre();
        QVERIFY(f->choisitObjet("Dague"));
        f->SSTab1->setCurrentIndex(1);
        const QString avant = etat("Dague");
        saisit(f.get(), colonne, texte);
        CaptureBoites boites;
        QTest::keyClick(f.get(), Qt::Key_F5);
        if (message.isEmpty()) {
            QVERIFY(boites.boites.isEmpty());
            QCOMPARE(litObjet(*m_etat->perso, "Dague")->valeurs[colonne], texte);
            return;
        }
        QCOMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites.first().texte, message);
        QCOMPARE(boites.boites.first().icone, QMessageBox::Warning);
        QCOMPARE(f->SSTab1->currentIndex(), 0);
        QWidget* focus = f->focusWidget();
        QVERIFY(focus == f->controle(colonne) || f->controle(colonne)->isAncestorOf(focus));
        QCOMPARE(etat("Dague"), avant);
        QVERIFY(f->enModification());
    }

    // Un objet qu'un personnage a ne se supprime pas ; un autre part avec ses propriétés.
    void suppression_data()
    {
        QTest::addColumn<QString>("objet");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("reste");
        const QString confirme = "Confirmer la suppression de cet objet :\n";
        QTest::newRow("porté") << "Dague"
                               << QStringList{confirme + "Dague",
                                              "Certains personnages sont équipés de cette arme, elle ne peut être detruite"}
                               << true;
        QTest::newRow("libre") << "Dague +1" << QStringList{confirme + "Dague +1"} << false;
    }

    void suppression()
    {
        QFETCH(QString, objet);
        QFETCH(QStringList, messages);
        QFETCH(bool, reste);
        auto f = ouvre();
        QVERIFY(f->choisitObjet(objet));
        const QString avant = etat(objet);
        CaptureBoites boites;   // répond OK à la confirmation
        QTest::keyClick(f.get(), Qt::Key_F10);
        QStringList textes;
        for (const auto& b : boites.boites)
            textes << b.texte;
        QCOMPARE(textes, messages);
        QCOMPARE(etat(objet), reste ? avant : QStringLiteral("absent"));
        // La dague portée n'a pas de propriétés : aucune ne doit rester.
        QCOMPARE(m_etat->perso->scalaire("select count(*) from ObjetsPropriete where NomObjet=?", {objet}).toInt(), 0);
    }

    void renommage()
    {
        auto f = ouvre();
        QVERIFY(f->choisitObjet("Dague +1"));
        {
            CaptureBoites boites;
            f->Renomme("Épée longue");
            QCOMPARE(boites.boites.size(), 1);
            QCOMPARE(boites.boites.first().texte, QStringLiteral("Impossible de renommer vu que ce nouveau nom d'objet existe déjà"));
        }
        QVERIFY(f->choisitObjet("Dague"));
        const QString avant = etat("Dague");
        f->Renomme("Dague d'Aldo");
        QCOMPARE(equipementDAldo(), QStringLiteral("Dague d'Aldo"));
        QCOMPARE(etat("Dague"), QStringLiteral("absent"));
        QCOMPARE(etat("Dague d'Aldo"), QString(avant).replace(0, 5, "Dague d'Aldo"));
        QCOMPARE(f->objetAffiche(), QStringLiteral("Dague d'Aldo"));
    }

    // Quitter un objet modifié : oui l'écrit, non l'oublie, annuler reste dessus.
    void questionEnQuittant_data()
    {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QString>("cout");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("oui") << int(QMessageBox::Yes) << "99" << "Épée longue";
        QTest::newRow("non") << int(QMessageBox::No) << "2" << "Épée longue";
        QTest::newRow("annuler") << int(QMessageBox::Cancel) << "2" << "Dague";
    }

    void questionEnQuittant()
    {
        QFETCH(int, reponse);
        QFETCH(QString, cout);
        QFETCH(QString, affiche);
        auto f = ouvre();
        QVERIFY(f->choisitObjet("Dague"));
        saisit(f.get(), ColCoutTotal, "99");
        QString question;
        repondA<QMessageBox>([&question, reponse](QMessageBox* m) {
            question = m->text();
            m->button(QMessageBox::StandardButton(reponse))->click();
        });
        f->fldstrFiltre->setText("épée longue");   // filtrer ne quitte pas l'objet
        QVERIFY(question.isEmpty());
        f->vsObjets->selectRow(0);
        QTRY_COMPARE(question, QStringLiteral("Voulez vous enregistrer les modifications apportées à cet objet"));
        QCOMPARE(litObjet(*m_etat->perso, "Dague")->valeurs[ColCoutTotal], cout);
        QCOMPARE(f->objetAffiche(), affiche);
        QCOMPARE(f->enModification(), affiche == u"Dague");
    }

    // Une écriture qui échoue en son milieu ne laisse rien : objet, propriétés, équipement.
    void echecAuMilieu_data()
    {
        QTest::addColumn<QString>("declencheur");
        QTest::addColumn<QString>("operation");
        QTest::newRow("enregistrement") << "BEFORE INSERT ON ObjetsPropriete" << "F5";
        QTest::newRow("nouveau nom") << "BEFORE UPDATE ON Equipement" << "renomme";
        QTest::newRow("suppression") << "BEFORE DELETE ON Objets" << "F10";
    }

    void echecAuMilieu()
    {
        QFETCH(QString, declencheur);
        QFETCH(QString, operation);
        // L'objet n'est porté par personne, sinon la suppression serait refusée avant d'écrire.
        m_etat->perso->execute("delete from Equipement");
        equipeTest(*m_etat->perso, "Aldo", {{"Dague +1", -1}});
        const QString objet = operation == u"F10" ? "Anneau de protection +1" : "Dague +1";
        auto f = ouvre();
        QVERIFY(f->choisitObjet(objet));
        const QString avant = etat(objet);
        m_etat->perso->execute(QStringLiteral("CREATE TRIGGER echec %1 BEGIN SELECT RAISE(ABORT, 'refus'); END").arg(declencheur));
        CaptureBoites boites;
        if (operation == u"F5") {
            saisit(f.get(), ColCoutTotal, "1");
            f->vsPropri->selectRow(0);
            f->btnEnlever->click();
            QTest::keyClick(f.get(), Qt::Key_F5);
            QVERIFY(f->enModification());   // la saisie n'est pas perdue
        } else if (operation == u"renomme") {
            // Comme le bouton : l'erreur passe par le gestionnaire commun.
            m_etat->erreurs.protege("btnRenommer_Click", "test", [&] { f->Renomme("Dague de secours"); });
        } else {
            QTest::keyClick(f.get(), Qt::Key_F10);
        }
        QCOMPARE(etat(objet), avant);
        QCOMPARE(equipementDAldo(), QStringLiteral("Dague +1"));
    }

    // Filtre sur le nom et le groupe, sans égard aux accents ni à la casse, mot à mot.
    void filtre()
    {
        auto f = ouvre();
        const int tous = f->lignesVisibles();
        QVERIFY(tous > 900);
        QTest::keyClicks(f->fldstrFiltre, "epee lon");
        const int epees = f->lignesVisibles();
        QVERIFY(epees > 0 && epees < tous);
        for (int r = 0; r < epees; ++r) {
            const QString texte = texteFiltre(f->vsObjets->model()->index(r, ColNom).data().toString() + ' '
                                              + f->vsObjets->model()->index(r, ColGroupe).data().toString());
            QVERIFY2(texte.contains("epee") && texte.contains("lon"), qPrintable(texte));
        }
        f->fldstrFiltre->setText("ÉPÉE LON");
        QCOMPARE(f->lignesVisibles(), epees);
        f->fldstrFiltre->clear();
        QCOMPARE(f->lignesVisibles(), tous);
    }

    // Échap abandonne la saisie, puis ferme la fenêtre.
    void echap()
    {
        auto f = ouvre();
        QVERIFY(f->choisitObjet("Dague"));
        saisit(f.get(), ColPoidsBase, "7");
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QCOMPARE(qobject_cast<QLineEdit*>(f->controle(ColPoidsBase))->text(), QStringLiteral("0.5"));
        QVERIFY(f->isVisible() && !f->enModification());
        QTest::keyClick(f.get(), Qt::Key_Escape);
        QVERIFY(!f->isVisible());
    }

    // Menu, position retenue, et double-clic sur un emplacement de la fiche : l'objet seul.
    void depuisLeMenuEtLaFiche()
    {
        frmMain principale(*m_etat);
        principale.show();
        principale.findChild<QAction*>("IDM_GEST_OBJETS")->trigger();
        QMdiSubWindow* sous = principale.sousFenetre("frmGestobj");
        QVERIFY(sous);
        sous->move(37, 21);
        sous->close();
        QTRY_VERIFY(!principale.sousFenetre("frmGestobj"));
        QCOMPARE(LitIni(m_etat->cheminIni, "frmGestobj", "POS_X"), QStringLiteral("37"));
        principale.findChild<QAction*>("IDM_GEST_OBJETS")->trigger();
        QCOMPARE(principale.sousFenetre("frmGestobj")->pos(), QPoint(37, 21));
        principale.sousFenetre("frmGestobj")->close();
        QTRY_VERIFY(!principale.sousFenetre("frmGestobj"));

        principale.afficheFichePerso("Aldo");
        auto* page = principale.sousFenetre("frmFichePerso")->findChild<PageEquipement*>();
        QCOMPARE(page->emplacement(0)->text(), QStringLiteral("Dague"));
        QTest::mouseDClick(page->emplacement(0), Qt::LeftButton);
        QTRY_VERIFY(principale.sousFenetre("frmGestobj"));
        auto* gestion = static_cast<frmGestobj*>(principale.sousFenetre("frmGestobj")->widget());
        QCOMPARE(gestion->objetAffiche(), QStringLiteral("Dague"));
        QTRY_VERIFY(!gestion->vsObjets->isEnabled());
        QVERIFY(!gestion->controle(ColNom)->isEnabled());
    }
};

QTEST_MAIN(TestGestobj)
#include "test_gestobj.moc"

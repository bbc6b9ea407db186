// Fenêtre de la fiche pilotée hors écran : valeurs montrées, objets glissés sur le corps,
// saisies relues au recalcul, champs verrouillés, échec du chargement, ouverture depuis le choix.
#include "FixturesFiche.h"
#include "OutilsFenetres.h"
#include "commun/Fixtures.h"
#include "sheet/PageCapacites.h"
#include "sheet/PageCompetences.h"
#include "sheet/PageDons.h"
#include "sheet/PageEquipement.h"
#include "sheet/PagePrincipale.h"
#include "sheet/frmFichePerso.h"
#include "shell/EtatShell.h"
#include "shell/FichierIni.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/frmAcceder.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

const QStringList kSaisissables{"fldnDiversFor_2", "fldnDiversDex_2", "fldnDiversCon_2", "fldnDiversInt_2",
                                "fldnDiversSag_2", "fldnDiversCha_2", "fldnRaceReflexe", "fldnRaceVigueur",
                                "fldnRaceVolonte"};

QString texte(const QWidget* fenetre, const QString& champ)
{
    const auto* c = fenetre->findChild<QLineEdit*>(champ);
    return c ? c->text() : QStringLiteral("<absent>");
}

// Champ de la fenêtre et la valeur du modèle qu'il doit montrer.
using Extrait = QString (*)(const Fiche&);
struct ChampMontre
{
    const char* champ;
    Extrait valeur;
};
const ChampMontre kChamps[] = {
    {"fldstrnom", [](const Fiche& f) { return f.Nom; }},
    {"fldstrRace", [](const Fiche& f) { return f.TexteRace; }},
    {"fldstrClasse_0", [](const Fiche& f) { return f.Classes.value(0).Classe; }},
    {"fldniv_0", [](const Fiche& f) { return QString::number(f.Classes.value(0).Niveau); }},
    {"fldnFor", [](const Fiche& f) { return QString::number(f.Caracteristiques[0].Score); }},
    {"fldnTotalCon", [](const Fiche& f) { return f.Caracteristiques[2].Total; }},
    {"FldnBonusDex", [](const Fiche& f) { return QString::number(f.Caracteristiques[1].Modificateur); }},
    {"fldnFinalVolonte", [](const Fiche& f) { return QString::number(f.Jets[2].Final); }},
    {"fldnPointDeVie", [](const Fiche& f) { return QString::number(f.PointsDeVie); }},
    {"fldstrAttaqueBase", [](const Fiche& f) { return QString::number(f.AttaqueDeBase); }},
    {"fldnLutte", [](const Fiche& f) { return QString::number(f.Lutte); }},
    {"fldnCaDepourvu", [](const Fiche& f) { return QString::number(f.ClasseArmure.Depourvu); }},
    {"fldstrFP", [](const Fiche& f) { return f.FP; }},
    {"fldStrNomArme", [](const Fiche& f) { return f.NomArme; }},
    {"fldstrdegat", [](const Fiche& f) { return f.Degat; }},
};

} // namespace

class TestFenetreFiche : public QObject
{
    Q_OBJECT

    std::unique_ptr<DossierTest> m_dossier;
    std::unique_ptr<EtatShell> m_etat;
    std::unique_ptr<CaptureBoites> m_boites;
    QStringList m_erreurs;

    std::unique_ptr<frmFichePerso> ouvre(const QString& nom)
    {
        auto f = std::make_unique<frmFichePerso>(*m_etat, nom);
        f->resize(1100, 720);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get()))
            qWarning("fenêtre non active");
        f->chargePersonnage(nom);
        return f;
    }

    // Pos ou Place d'un objet d'Aldo.
    QVariant equipement(const char* champ, const QString& objet)
    {
        return m_etat->perso->scalaire(
            QStringLiteral("select %1 from Equipement where Personnage='Aldo' and NomObjet=?").arg(QLatin1String(champ)),
            {objet});
    }

    // Dépôt comme la souris le fait : le glissé entre dans le contrôle, puis y est lâché.
    static void lache(QWidget* cible, int pos)
    {
        QMimeData donnees;
        donnees.setData(QLatin1String(kFormatObjet), QByteArray::number(pos));
        QDragEnterEvent entree(QPoint(5, 5), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &entree);
        QDropEvent depot(QPointF(5, 5), Qt::MoveAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cible, &depot);
    }

private slots:
    void init()
    {
        m_dossier = std::make_unique<DossierTest>();
        m_etat = std::make_unique<EtatShell>();
        m_etat->programme = baseProgrammeLivree();
        QVERIFY(m_etat->programme);
        m_etat->perso = basePersonnagesTest(*m_dossier, *m_etat->programme);
        m_etat->dossierProgramme = dossierProgramme();
        m_etat->cheminIni = m_dossier->chemin(QLatin1String(kNomFichierIni));
        m_erreurs.clear();
        m_etat->erreurs.afficheAvec([this](const QString& message) { m_erreurs << message; });
        ajouteAldo(*m_etat->perso);
        equipeTest(*m_etat->perso, "Aldo", {{"Épée longue", 0}, {"Armure de cuir", -1}, {"Cuirasse", -1}});
        ajoutePersonnageFiche(*m_etat->perso, "Morne",
                              {{"Guerrier", 10, {13, 12, 14, 10, 10, 10}}, {"Guerrier", 6}},
                              {{"RACE", "Humain"}, {"Archetype", "Zombi"}});
        m_boites = std::make_unique<CaptureBoites>();
    }

    void cleanup()
    {
        QVERIFY2(m_erreurs.isEmpty(), qPrintable(m_erreurs.join(u'\n')));
        m_boites.reset();
        m_etat.reset();
        m_dossier.reset();
    }

    // Chaque champ montre la valeur du modèle calculé à part ; un zombi n'a pas de Constitution.
    void valeursMontrees_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("totalCon");
        QTest::newRow("guerrier roublard") << "Aldo" << "13";
        QTest::newRow("zombi") << "Morne" << "-";
    }
    void valeursMontrees()
    {
        QFETCH(QString, nom);
        QFETCH(QString, totalCon);
        const auto f = ouvre(nom);
        const Fiche attendue = calculeFiche(*m_etat->perso, *m_etat->programme, nom);
        for (const ChampMontre& c : kChamps)
            QVERIFY2(texte(f.get(), QLatin1String(c.champ)) == c.valeur(attendue), c.champ);
        QCOMPARE(texte(f.get(), "fldnTotalCon"), totalCon);
        QCOMPARE(f->findChild<QLabel*>("lblDescription")->text(), attendue.Description);
        QCOMPARE(f->windowTitle(), "Fiche du personnage " + nom);
        QCOMPARE(f->onglets()->currentIndex(), 0);
        // Sans portrait ni image de race (les règles livrées n'en ont pas) : la silhouette livrée.
        QCOMPARE(attendue.Image, QDir(dossierProgramme()).filePath("d20.bmp"));
        QVERIFY(!f->pageEquipement()->ImagePersonnage->pixmap().isNull());
    }

    // L'objet lâché sur un emplacement y est rangé tout de suite ; la fiche suit un instant après.
    void objetLacheSurLeCorps()
    {
        const auto f = ouvre("Aldo");
        PageEquipement* page = f->pageEquipement();
        const int caAvant = texte(f.get(), "fldnCaTotal").toInt();
        QCOMPARE(page->List1->count(), 2);

        lache(page->emplacement(kPlaceArmure), equipement("Pos", "Armure de cuir").toInt());
        QCOMPARE(equipement("Place", "Armure de cuir").toInt(), kPlaceArmure);
        QCOMPARE(page->emplacement(kPlaceArmure)->text(), QString("Armure de cuir"));
        QCOMPARE(page->List1->count(), 1);
        // Armure de cuir : +2 d'armure, Dextérité +2 sous son maximum de 6.
        QTRY_COMPARE(texte(f.get(), "fldnCaTotal").toInt(), caAvant + 2);

        // La cuirasse prend la place ; l'armure de cuir revient dans la liste.
        lache(page->emplacement(kPlaceArmure), equipement("Pos", "Cuirasse").toInt());
        QVERIFY(equipement("Place", "Armure de cuir").isNull());
        QCOMPARE(page->List1->item(0)->text(), QString("Armure de cuir"));
        QTRY_COMPARE(texte(f.get(), "fldnCaTotal").toInt(), caAvant + 5);

        // Décochée, la case de l'armure retire son bonus sans déplacer l'objet.
        page->caseValide(kPlaceArmure)->click();
        QTRY_COMPARE(texte(f.get(), "fldnCaTotal").toInt(), caAvant);
        QCOMPARE(equipement("Place", "Cuirasse").toInt(), kPlaceArmure);

        // Revenue dans la liste, la cuirasse n'est plus portée.
        lache(page->List1->viewport(), equipement("Pos", "Cuirasse").toInt());
        QVERIFY(equipement("Place", "Cuirasse").isNull());
        QVERIFY(page->emplacement(kPlaceArmure)->text().isEmpty());
        QCOMPARE(page->List1->count(), 2);
    }

    // Une saisie compte au prochain F5, pas avant ; le second divers se colore selon son signe.
    void saisieRelueAuRecalcul_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("ecart");
        QTest::addColumn<QColor>("couleur");   // invalide : pas regardée
        QTest::newRow("divers positif") << "fldnDiversFor_2" << "fldnTotalFor" << "2" << 2 << QColor(Qt::blue);
        QTest::newRow("divers négatif") << "fldnDiversFor_2" << "fldnTotalFor" << "-4" << -4 << QColor(Qt::red);
        QTest::newRow("divers illisible") << "fldnDiversFor_2" << "fldnTotalFor" << "abc" << 0 << QColor(Qt::black);
        QTest::newRow("jet de race") << "fldnRaceVigueur" << "fldnFinalVigueur" << "3" << 3 << QColor();
    }
    void saisieRelueAuRecalcul()
    {
        QFETCH(QString, champ);
        QFETCH(QString, total);
        QFETCH(QString, saisie);
        QFETCH(int, ecart);
        QFETCH(QColor, couleur);
        const auto f = ouvre("Aldo");
        const int avant = texte(f.get(), total).toInt();
        auto* saisi = f->findChild<QLineEdit*>(champ);
        saisi->selectAll();
        QTest::keyClicks(saisi, saisie);
        QCOMPARE(texte(f.get(), total).toInt(), avant);
        QTest::keyClick(saisi, Qt::Key_F5);
        QCOMPARE(texte(f.get(), total).toInt(), avant + ecart);
        if (couleur.isValid())
            QCOMPARE(saisi->palette().color(QPalette::Text), couleur);
    }

    // Tout champ "fld" est en lecture seule, sauf les neuf que l'utilisateur remplit.
    void verrouillage()
    {
        const auto f = ouvre("Aldo");
        int champs = 0;
        for (QWidget* w : f->findChildren<QWidget*>()) {
            if (!w->objectName().startsWith("fld", Qt::CaseInsensitive) || !w->property("readOnly").isValid())
                continue;
            ++champs;
            QVERIFY2(w->property("readOnly").toBool() != kSaisissables.contains(w->objectName()), qPrintable(w->objectName()));
        }
        QVERIFY(champs > 100);
        f->lockcontrole(true);
        QVERIFY(f->findChild<QLineEdit*>("fldnDiversCha_2")->isReadOnly());
        f->lockcontrole(false);
        QVERIFY(!f->findChild<QLineEdit*>("fldnTotalCha")->isReadOnly());
    }

    // Un personnage dont les niveaux ne s'accordent pas avec ses classes, ou dont une règle manque :
    // message qui dit quoi faire, et fermeture au lieu d'une fiche calculée sur du vide.
    void echecDuChargement_data()
    {
        QTest::addColumn<QStringList>("requetes");
        QTest::addColumn<QStringList>("message");   // morceaux du message
        QTest::newRow("niveaux") << QStringList{"update Personnage set Niv_1 = 9 where Nom = 'Aldo'"}
                                 << QStringList{"Problème en accedant à la fiche perso"};
        QTest::newRow("race") << QStringList{"update Personnage set RACE = 'Ondin des marais' where Nom = 'Aldo'"}
                              << QStringList{"La fiche de « Aldo » ne peut pas être calculée",
                                             "la race « Ondin des marais » est absente des règles", "l'éditeur de personnages"};
        QTest::newRow("classe et archétype")
            << QStringList{"update Personnage set Classe_2 = 'Lame sombre', Archetype = 'Momie royale' where Nom = 'Aldo'",
                           "update PersonnageProgression set Classe = 'Lame sombre' where Nom = 'Aldo' and Classe = 'Roublard'"}
            << QStringList{"l'archétype « Momie royale » est absent", "la classe « Lame sombre » est absente"};
    }
    void echecDuChargement()
    {
        QFETCH(QStringList, requetes);
        QFETCH(QStringList, message);
        for (const QString& r : requetes)
            m_etat->perso->execute(r);
        const auto f = ouvre("Aldo");
        QCOMPARE(m_boites->boites.size(), 1);
        for (const QString& morceau : message)
            QVERIFY2(m_boites->boites.first().texte.contains(morceau), qPrintable(m_boites->boites.first().texte));
        QCOMPARE(m_boites->boites.first().icone, QMessageBox::Warning);
        QVERIFY(!f->isVisible());
    }

    // Une capacité du catalogue passe chez le personnage, est enregistrée, puis s'enlève.
    void capacitePriseEtEnlevee()
    {
        ajoutePersonnageFiche(*m_etat->perso, "Talis", niveaux("Druide", 5, {10, 12, 12, 10, 16, 10}), {{"RACE", "Humain"}});
        const auto f = ouvre("Talis");
        PageCapacites* page = f->pageCapacites();
        const QString loup = "Transformation animale [Loup]";
        QVERIFY(TrouveLigne(page->vsCapaciteListe, loup, 0));
        page->btnAjouter->click();
        QCOMPARE(page->vsCapacitePerso->rowCount(), 1);
        QCOMPARE(page->vsCapacitePerso->item(0, 0)->text(), loup);
        QVERIFY(page->vsCapaciteListe->findItems(loup, Qt::MatchExactly).isEmpty());
        QCOMPARE(m_etat->perso->scalaire("select count(*) from Capacites where Personnage='Talis'").toInt(), 1);
        f->onglets()->setCurrentWidget(page);
        enregistreCapture(f.get(), "fiche_capacites_druide");

        // Niveau saisi dans la ligne prise : refusé s'il n'est pas entier, sinon enregistré.
        const QString niveauAvant = page->vsCapacitePerso->item(0, 4)->text();
        page->vsCapacitePerso->item(0, 4)->setText("trois");
        QTRY_COMPARE(m_boites->boites.size(), 1);
        QVERIFY(m_boites->boites.first().texte.startsWith("Le niveau doit être un nombre entier"));
        QCOMPARE(page->vsCapacitePerso->item(0, 4)->text(), niveauAvant);
        page->vsCapacitePerso->item(0, 4)->setText("3");
        QTRY_COMPARE(m_etat->perso->scalaire("select Modificateur_1 from Capacites where Personnage='Talis'").toInt(), 3);
        QCOMPARE(page->vsCapacitePerso->item(0, 4)->text(), QString("3"));
        m_boites->boites.clear();

        page->vsCapacitePerso->selectRow(0);
        page->btnEnlever->click();
        QCOMPARE(page->vsCapacitePerso->rowCount(), 0);
        QCOMPARE(m_etat->perso->scalaire("select count(*) from Capacites where Personnage='Talis'").toInt(), 0);
        QVERIFY(m_boites->boites.isEmpty());
    }

    // Le vert des compétences suit la classe regardée (double-clic sur sa case), et la légende la nomme.
    void competencesDeLaClasseRegardee()
    {
        const auto f = ouvre("Aldo");
        PageCompetences* page = f->pageCompetences();
        const auto fond = [&](const char* competence) {
            const QList<QTableWidgetItem*> l = page->vsComp->findItems(QString::fromUtf8(competence), Qt::MatchExactly);
            return l.isEmpty() ? QColor() : l.first()->background().color();
        };
        const QColor vert(0x00, 0x80, 0x00), orange(0xC0, 0x40, 0x00);
        QCOMPARE(fond("Crochetage"), vert);
        QCOMPARE(fond("Dressage"), orange);
        QVERIFY(page->lblLegende->text().contains("<b>Roublard</b> (la classe du dernier niveau"));

        QTest::mouseDClick(f->findChild<QLineEdit*>("fldstrClasse_0"), Qt::LeftButton);
        QCOMPARE(fond("Dressage"), vert);
        QCOMPARE(fond("Crochetage"), orange);
        QVERIFY(page->lblLegende->text().contains("<b>Guerrier</b> (la classe regardée"));
        f->onglets()->setCurrentWidget(page);
        f->resize(1024, 720);
        enregistreCapture(f.get(), "fiche_competences_guerrier_regarde");

        Q_EMIT page->lblLegende->linkActivated("defaut");
        QCOMPARE(fond("Crochetage"), vert);
        QCOMPARE(f->saisies().ClasseCompetences, QString());
    }

    // Une liste de capacités vide dit pourquoi ; une liste remplie ne dit rien. Sans rien à choisir,
    // les boutons montrent tels quels les refus du cœur.
    void capacitesVidesExpliquees_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("guerrier roublard") << "Aldo";
        QTest::newRow("druide") << "Talis";
    }
    void capacitesVidesExpliquees()
    {
        QFETCH(QString, nom);
        ajoutePersonnageFiche(*m_etat->perso, "Talis", niveaux("Druide", 5), {{"RACE", "Humain"}});
        const auto f = ouvre(nom);
        PageCapacites* page = f->pageCapacites();
        f->onglets()->setCurrentWidget(page);
        const bool catalogueVide = page->vsCapaciteListe->rowCount() == 0;
        QCOMPARE(catalogueVide, nom == u"Aldo");
        QCOMPARE(page->lblCatalogueVide->isVisible(), catalogueVide);
        QVERIFY(page->lblPriseVide->isVisible());
        QVERIFY(page->lblPriseVide->text().contains(catalogueVide ? "aucune à prendre" : "« Ajouter »"));
        f->resize(1024, 720);
        enregistreCapture(f.get(), "fiche_capacites_vides_" + nom);
        if (!catalogueVide)
            return;
        page->btnAjouter->click();
        page->btnEnlever->click();
        QCOMPARE(m_boites->boites.size(), 2);
        QCOMPARE(m_boites->boites[0].texte, QString("Choisissez d'abord une capacité dans la liste."));
        QCOMPARE(m_boites->boites[1].texte, QString("Choisissez d'abord la capacité à enlever."));
    }

    // Le bouton des dons de progression change la liste à vue, ou se grise quand il n'a rien à faire.
    void donsDeProgression_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("repetes");
        QTest::newRow("moine : déplacement accéléré répété") << "Sohei" << true;
        QTest::newRow("magicien 3 : rien de répété") << "Olf" << false;
    }
    void donsDeProgression()
    {
        QFETCH(QString, nom);
        QFETCH(bool, repetes);
        ajoutePersonnageFiche(*m_etat->perso, "Sohei", niveaux("Moine", 9), {{"RACE", "Humain"}});
        ajoutePersonnageFiche(*m_etat->perso, "Olf", niveaux("Magicien", 3), {{"RACE", "Humain"}});
        const auto f = ouvre(nom);
        PageDons* page = f->pageDons();
        f->onglets()->setCurrentWidget(page);
        const auto visibles = [&] {
            int n = 0;
            for (int r = 0; r < page->vsDon->rowCount(); ++r)
                n += page->vsDon->isRowHidden(r) ? 0 : 1;
            return n;
        };
        QCOMPARE(page->btnCacherDon->isEnabled(), repetes);
        if (!repetes) {
            QVERIFY(page->lblProgression->text().contains("rien à cacher"));
            return;
        }
        const int caches = page->vsDon->rowCount() - visibles();
        QVERIFY(caches > 0);
        QVERIFY(page->lblProgression->text().startsWith(QString::number(caches) + " ligne(s)"));
        page->btnCacherDon->click();
        QCOMPARE(visibles(), page->vsDon->rowCount());
        QVERIFY(page->lblProgression->text().contains("en gris"));
        f->resize(1024, 720);
        enregistreCapture(f.get(), "fiche_dons_progression_montres");
        page->btnCacherDon->click();
        QCOMPARE(page->vsDon->rowCount() - visibles(), caches);
    }

    // Position rangée à la fermeture, reprise à l'ouverture suivante ; Échap ferme.
    void positionEtEchap()
    {
        {
            const auto f = ouvre("Aldo");
            f->move(40, 60);
            QTest::keyClick(f->findChild<QLineEdit*>("fldnDiversFor_2"), Qt::Key_Escape);
            QVERIFY(!f->isVisible());
        }
        QCOMPARE(LitIni(m_etat->cheminIni, "frmFichePerso", "POS_X"), QString("40"));
        QCOMPARE(LitIni(m_etat->cheminIni, "frmFichePerso", "POS_Y"), QString("60"));
        const auto f = ouvre("Aldo");
        QCOMPARE(f->pos(), QPoint(40, 60));
    }

    // Le choix d'un personnage ouvre une seule fiche, agrandie, rechargée au choix suivant.
    void ouvertureDepuisLeChoix()
    {
        frmMain principale(*m_etat);
        principale.show();
        principale.afficheAcceder();
        auto* acceder = principale.sousFenetre("frmAcceder")->widget();
        Q_EMIT static_cast<frmAcceder*>(acceder)->personnageChoisi("Aldo");
        QMdiSubWindow* sous = principale.sousFenetre("frmFichePerso");
        QVERIFY(sous);
        QVERIFY(sous->isMaximized());
        Q_EMIT static_cast<frmAcceder*>(acceder)->personnageChoisi("Morne");
        QCOMPARE(principale.sousFenetre("frmFichePerso"), sous);
        auto* fiche = static_cast<frmFichePerso*>(sous->widget());
        QCOMPARE(fiche->nomPersonnage(), QString("Morne"));
        QCOMPARE(texte(fiche, "fldnTotalCon"), QString("-"));
        QVERIFY(std::all_of(fiche->saisies().ValideEquipement.begin(), fiche->saisies().ValideEquipement.end(),
                            [](bool v) { return v; }));
        QTest::qWait(100);   // la zone cliente dispose la fiche agrandie
        enregistreCapture(&principale, "fiche_dans_principale");
        // Fermée dans la zone cliente, la fiche range encore sa position.
        QVERIFY(sous->close());
        QVERIFY(!LitIni(m_etat->cheminIni, "frmFichePerso", "POS_X").isEmpty());
    }
};

QTEST_MAIN(TestFenetreFiche)
#include "test_fenetre_fiche.moc"

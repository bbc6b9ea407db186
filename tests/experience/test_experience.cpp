// Récompenses d'expérience : niveau effectif, partage d'une rencontre, enregistrement, fenêtre.
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "experience/Experience.h"
#include "experience/frmExperience.h"
#include "rules/Personnage.h"
#include "shell/db/BaseDonnees.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// Un guerrier humain par nom, du niveau donné.
void ajouteGuerriers(BaseDonnees& perso, const QStringList& noms, int niveau = 1)
{
    for (const QString& nom : noms)
        ajoutePersonnage(perso, nom, "Humain", {niveau}, {"Guerrier"});
}

QList<int> toutes(int n)
{
    QList<int> l;
    for (int i = 0; i < n; ++i)
        l.append(i);
    return l;
}

} // namespace

class TestExperience : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void xpNiveau_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<qint64>("xp");
        QTest::newRow("1") << 1 << qint64(0);
        QTest::newRow("2") << 2 << qint64(1000);
        QTest::newRow("4") << 4 << qint64(6000);
        QTest::newRow("20") << 20 << qint64(190000);
    }
    void xpNiveau()
    {
        QFETCH(int, niveau);
        QFETCH(qint64, xp);
        QCOMPARE(XPNiveau(niveau), xp);
    }

    void niveauEffectif_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<int>("reductions");
        QTest::addColumn<int>("nge");
        QTest::addColumn<qint64>("experience");
        QTest::newRow("demi, une réduction") << "Humain" << "Demi" << 1 << 4 << qint64(6000);
        QTest::newRow("drow sans archétype") << "Drow" << "" << 0 << 5 << qint64(10000);
        QTest::newRow("archétype inconnu") << "Humain" << "Inconnu" << 2 << 1 << qint64(0);
    }
    void niveauEffectif()
    {
        QFETCH(QString, race);
        QFETCH(QString, archetype);
        QFETCH(int, reductions);
        QFETCH(int, nge);
        QFETCH(qint64, experience);
        DossiersShell d;
        auto etat = demarre(d);
        // Le programme ouvre ses règles en lecture seule : le test complète sa copie.
        etat->programme = BaseDonnees::ouvre(etat->programme->chemin());
        etat->programme->ajoute("Archetype", {{"Archetype", "Demi"}, {"AdjNiv", 2}});
        ajoutePersonnage(*etat->perso, "Ilse", race, {2, 1}, {"Guerrier", "Roublard"});
        etat->perso->execute("update Personnage set Archetype=?, TotalXP=0", {archetype.isEmpty() ? QVariant() : archetype});
        for (int i = 0; i < reductions; ++i)
            etat->perso->ajoute("PersonnageDons", {{"Nom", "Ilse"}, {"Niveau", i + 1}, {"Classe", "Guerrier"},
                                                   {"dons", "Réduction de l'ajustement de niveau_1"}});
        // Un autre don sur une ligne ne réduit rien.
        etat->perso->ajoute("PersonnageDons", {{"Nom", "Ilse"}, {"dons", "Attaque en puissance"}});
        const GrilleExperience g = RempPerso(*etat->perso, *etat->programme);
        QCOMPARE(g.lignes.size(), 1);
        QCOMPARE(g.lignes[0].Niv, 3);
        QCOMPARE(g.lignes[0].NGE, nge);
        // Jamais moins que le minimum du niveau effectif ; le suivant est celui de NGE + 1.
        QCOMPARE(g.lignes[0].Experience, experience);
        QCOMPARE(g.lignes[0].NiveauSuivant, XPNiveau(nge + 1));
    }

    void avertitLesRetards()
    {
        DossiersShell d;
        auto etat = demarre(d);
        ajouteGuerriers(*etat->perso, {"Aube", "Bran", "Cid"});
        ajoutePersonnage(*etat->perso, "Dom", "Humain", {1}, {"Guerrier"}, true);
        etat->perso->execute("update Personnage set TotalXP=? where Nom=?", {3500, "Bran"});
        etat->perso->execute("update Personnage set TotalXP=? where Nom=?", {1000, "Cid"});
        const GrilleExperience g = RempPerso(*etat->perso, *etat->programme);
        QCOMPARE(g.lignes.size(), 3);   // Dom est exclu
        QCOMPARE(g.avertissement,
                 QString("Bran devrait être au niveau 2, les calculs d'XP avec le FP des monstres seront faux. \n"
                         "Cid devrait être au niveau 2, les calculs d'XP avec le FP des monstres seront faux. \n"));
    }

    void recompense_data()
    {
        QTest::addColumn<QList<double>>("parts");
        QTest::addColumn<QString>("fp");
        QTest::addColumn<QString>("idee");
        QTest::addColumn<QList<qint64>>("gains");   // -1 : gain resté vide
        QTest::addColumn<QString>("refus");
        using G = QList<qint64>;
        using P = QList<double>;
        QTest::newRow("quatre PJ, 10 % d'idée") << P{1, 1, 1, 1} << "1" << "10" << G{67, 67, 67, 67} << "";
        QTest::newRow("parts 2/1/1") << P{2, 1, 1} << "1" << "0" << G{150, 75, 75} << "";
        QTest::newRow("PNJ à demi-part") << P{1, 0.5} << "2" << "0" << G{400, 200} << "";
        QTest::newRow("idée 0 : tout") << P{1} << "1" << "0" << G{300} << "";
        QTest::newRow("idée décimale, 30 %") << P{1} << "1" << "30" << G{210} << "";
        QTest::newRow("FP d'une fraction") << P{1} << "1/2" << "0" << G{150} << "";
        QTest::newRow("FP décimal") << P{1} << "0,5" << "0" << G{150} << "";
        QTest::newRow("FP sans colonne") << P{1, 1} << "45" << "0" << G{-1, -1} << "";
        QTest::newRow("idée 100") << P{1} << "1" << "100" << G{-1}
                                  << "Le % des XP d'idée doit être un réél supérieur à 0 et inférieur à 100";
        QTest::newRow("idée vide") << P{1} << "1" << "" << G{-1}
                                   << "Le % des XP d'idée doit être un réél supérieur à 0 et inférieur à 100";
        QTest::newRow("FP nul") << P{1} << "0" << "0" << G{-1} << "Le FP doit être un réél strictement supérieur à 0";
        QTest::newRow("FP en lettres") << P{1} << "trois" << "0" << G{-1}
                                       << "Le FP doit être un réél strictement supérieur à 0";
        QTest::newRow("aucun choisi") << P{} << "1" << "0" << G{} << "Il faut au moins un personnage de sélectionné";
        QTest::newRow("parts nulles") << P{0, 0} << "1" << "0" << G{-1, -1}
                                      << "La somme des parts des personnages sélectionnés doit être supérieure à 0.";
    }
    void recompense()
    {
        QFETCH(QList<double>, parts);
        QFETCH(QString, fp);
        QFETCH(QString, idee);
        QFETCH(QList<qint64>, gains);
        QFETCH(QString, refus);
        DossiersShell d;
        auto etat = demarre(d);
        QVector<LigneExperience> lignes;
        for (double part : parts) {
            LigneExperience l;
            l.Nom = QString("P%1").arg(lignes.size());
            l.NGE = 1;
            l.Part = part;
            lignes.append(l);
        }
        // Une ligne hors du choix ne reçoit rien.
        LigneExperience absent;
        absent.Nom = "Absent";
        absent.NGE = 1;
        lignes.append(absent);
        QString journal;
        const auto message = AjouteRecompense(*etat->programme, lignes, toutes(parts.size()), fp, idee, journal);
        QCOMPARE(message.value_or(QString()), refus);
        for (int i = 0; i < gains.size(); ++i)
            QCOMPARE(lignes[i].Gain.value_or(-1), gains[i]);
        QVERIFY(!lignes.last().Gain);
        if (gains.value(0) == -1 && refus.isEmpty())
            QVERIFY2(journal.contains("P0 : pas de récompense connue pour un FP de 45 au niveau 1, gain inchangé"),
                     qPrintable(journal));
    }

    void deuxRecompensesPuisEnregistrement()
    {
        DossiersShell d;
        auto etat = demarre(d);
        ajouteGuerriers(*etat->perso, {"Aube", "Bran"});
        ajouteGuerriers(*etat->perso, {"Cid"}, 30);   // aucune récompense connue au niveau 30
        GrilleExperience g = RempPerso(*etat->perso, *etat->programme);
        QString journal;
        QVERIFY(!AjouteRecompense(*etat->programme, g.lignes, {0, 1, 2}, "1", "10", journal));
        QVERIFY(!AjouteRecompense(*etat->programme, g.lignes, {0}, "2", "10", journal));
        // Aube : Int(Int(300/3) × 0,9) + Int(600 × 0,9) = 90 + 540 ; Bran : 90.
        QCOMPARE(g.lignes[0].Gain.value_or(-1), 630);
        QCOMPARE(g.lignes[1].Gain.value_or(-1), 90);
        QVERIFY(journal.contains("Cid : pas de récompense connue"));

        double totalIdee = 0;
        journal.clear();
        QVERIFY(!EnregistreExperience(*etat->perso, g.lignes, "10", totalIdee, journal));
        QCOMPARE(journal, QString("Aube : 630 XP\tBran : 90 XP\t"));
        QCOMPARE(totalIdee, (630 + 90) * 10.0 / 90.0);
        QCOMPARE(etat->perso->scalaire("select TotalXP from Personnage where Nom='Aube'").toInt(), 630);
        QCOMPARE(etat->perso->scalaire("select TotalXP from Personnage where Nom='Bran'").toInt(), 90);
        QVERIFY(etat->perso->scalaire("select TotalXP from Personnage where Nom='Cid'").isNull());
        QVERIFY(!g.lignes[0].Gain && g.lignes[0].Experience == 630);

        // Un gain qui franchit le niveau suivant l'annonce.
        g.lignes[1].Gain = 2500;
        journal.clear();
        QVERIFY(!EnregistreExperience(*etat->perso, g.lignes, "0", totalIdee, journal));
        QCOMPARE(journal, QString("Bran : 2500 XP\tPassage de Bran au niveau 2\t"));
        QCOMPARE(etat->perso->scalaire("select TotalXP from Personnage where Nom='Bran'").toInt(), 2590);
    }

    void enregistrementEnUneTransaction()
    {
        DossiersShell d;
        auto etat = demarre(d);
        ajouteGuerriers(*etat->perso, {"Aube", "Bran"});
        GrilleExperience g = RempPerso(*etat->perso, *etat->programme);
        g.lignes[0].Gain = 100;
        g.lignes[1].Gain = 200;
        // Une écriture refusée sur Bran : Aube ne doit pas être écrit seul.
        etat->perso->execute("CREATE TRIGGER panne BEFORE UPDATE ON Personnage WHEN NEW.Nom = 'Bran' "
                             "BEGIN SELECT RAISE(ABORT, 'panne'); END");
        double totalIdee = 0;
        QString journal;
        QVERIFY_THROWS_EXCEPTION(ErreurExecution, EnregistreExperience(*etat->perso, g.lignes, "0", totalIdee, journal));
        QVERIFY(etat->perso->scalaire("select TotalXP from Personnage where Nom='Aube'").isNull());
        QCOMPARE(g.lignes[0].Gain.value_or(-1), 100);   // rien de perdu : on peut réessayer
        QCOMPARE(totalIdee, 0.0);
    }

    void fenetre()
    {
        DossiersShell d;
        auto etat = demarre(d);
        ajouteGuerriers(*etat->perso, {"Aube", "Bran", "Cid"});
        CaptureBoites boites;
        frmExperience f(*etat);
        f.resize(800, 520);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.vspersonnage->rowCount(), 3);

        // Le nom ne se change pas ; la part, si.
        f.vspersonnage->edit(f.vspersonnage->model()->index(0, ColXpNom));
        QTRY_COMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites[0].texte, QString("Vous ne pouvez pas changer cette céllule"));
        f.vspersonnage->item(2, ColXpPart)->setText("abc");
        QTRY_COMPARE(boites.boites.size(), 2);
        QCOMPARE(f.vspersonnage->item(2, ColXpPart)->text(), QString("1"));
        f.vspersonnage->item(2, ColXpPart)->setText("2");

        f.fldnFP->setText("1");
        f.fldnIdee->setText("0");
        f.vspersonnage->selectRow(0);
        f.vspersonnage->selectionModel()->select(f.vspersonnage->model()->index(2, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::mouseClick(f.btnAdd, Qt::LeftButton);
        QCOMPARE(f.vspersonnage->item(0, ColXpGain)->text(), QString("100"));
        QCOMPARE(f.vspersonnage->item(2, ColXpGain)->text(), QString("200"));
        QCOMPARE(f.vspersonnage->item(1, ColXpGain)->text(), QString());
        enregistreCapture(&f, "frmExperience");
        QTest::mouseClick(f.btnEnregistrer, Qt::LeftButton);
        QCOMPARE(boites.boites.size(), 2);
        QCOMPARE(etat->perso->scalaire("select TotalXP from Personnage where Nom='Cid'").toInt(), 200);
        QCOMPARE(f.vspersonnage->item(2, ColXpExperience)->text(), QString("200"));
        QCOMPARE(f.vspersonnage->item(2, ColXpGain)->text(), QString());
        QVERIFY(f.fldstrExperience->toPlainText().contains("Cid : 200 XP"));
    }
};

QTEST_MAIN(TestExperience)
#include "test_experience.moc"

// Les personnages d'exemple de la base livrée : chaque fiche s'ouvre et ses chiffres sont ceux que
// l'on calcule à la main depuis data/exemples/personnages.txt.
#include "commun/Fixtures.h"
#include "shell/Demarrage.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestExemples : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_perso;
    std::unique_ptr<BaseDonnees> m_programme;

    Fiche fiche(const QString& nom)
    {
        Fiche f;
        SaisiesFiche saisies;
        saisies.Capacites = ChargeCapacitesPerso(*m_perso, *m_programme, nom);
        if (!RetrouveFiche({*m_perso, *m_programme, dossierProgramme()}, nom, saisies, f))
            qWarning("fiche de %s illisible", qPrintable(nom));
        return f;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Sur une copie : le calcul de la fiche ne doit rien changer à la base livrée, mais un essai
        // ne prend pas le risque.
        const QString copie = m_dossier.chemin("exemples.db");
        QVERIFY(QFile::copy(QDir(dossierProgramme()).filePath(kNomBaseExemples), copie));
        m_perso = BaseDonnees::ouvre(copie);
        m_programme = OuvreBaseProgramme(QDir(dossierProgramme()).filePath(kNomBaseProgramme));
        QCOMPARE(m_perso->scalaire("select count(*) from Personnage").toInt(), 8);
    }

    void chiffres_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("pv");
        QTest::addColumn<int>("attaque");
        QTest::addColumn<QList<int>>("jets");   // Réflexe, Vigueur, Volonté
        QTest::addColumn<int>("ca");
        QTest::addColumn<int>("initiative");
        // Humaine, guerrier 1 ; For 16 Dex 13 Con 14 Sag 12 (mod. +3 +1 +2 +1).
        // PV 10 + 2 = 12 ; BBA 1 ; Réf 0+1 = 1, Vig 2+2 = 4, Vol 0+1 = 1 ;
        // CA 10 + cuirasse 5 + écu en acier 2 + Dex 1 (plafond 3) = 18 ; initiative 1 + Science de l'initiative 4 = 5.
        // (Les autres : initiative = modificateur de Dextérité.)
        QTest::newRow("Brunehaut") << "Brunehaut" << 1 << 12 << 1 << QList<int>{1, 4, 1} << 18 << 5;
        // Elfe, magicienne 5 ; Dex 14+2 = 16 (+3), Con 12-2 = 10 (0), Sag 12 (+1).
        // PV 4+3+2+4+3 = 16 ; BBA 2 ; Réf 1+3 = 4, Vig 1+0 = 1, Vol 4+1 = 5 ; CA 10 + 3 = 13.
        QTest::newRow("Élyndra") << "Élyndra" << 5 << 16 << 2 << QList<int>{4, 1, 5} << 13 << 3;
        // Nain, prêtre 3 / guerrier 2 ; Dex 10 (0), Con 14+2 = 16 (+3), Sag 15+1 = 16 (+3).
        // PV 8+5+6+7+6 = 32, + 5×3 = 47, + Robustesse 3 = 50 ; BBA 2+2 = 4 ;
        // Réf 1+0+0 = 1, Vig 3+3+3 = 9, Vol 3+0+3 + Volonté de fer 2 = 8 ; CA 10.
        QTest::newRow("Dorn Ferpoing") << "Dorn Ferpoing" << 5 << 50 << 4 << QList<int>{1, 9, 8} << 10 << 0;
        // Halfeline, roublarde 7 ; Dex 16+1+2 = 19 (+4), Con 12 (+1), Sag 10 (0) ; +1 aux jets (race).
        // PV 6+4+3+5+4+6+2 = 30, + 7×1 = 37 ; BBA 5 ; Réf 5+4+1 = 10, Vig 2+1+1 = 4, Vol 2+0+1 = 3 ;
        // CA 10 + Dex 4 + taille petite 1 = 15.
        QTest::newRow("Pipa Vifargent") << "Pipa Vifargent" << 7 << 37 << 5 << QList<int>{10, 4, 3} << 15 << 4;
        // Demi-orque, barbare 10 ; Dex 14 (+2), Con 14 (+2), Sag 10 (0).
        // PV 12+7+8+9+6+10+7+8+9+6 = 82, + 10×2 = 102, + Robustesse 3 = 105 ; BBA 10 ;
        // Réf 3+2 = 5, Vig 7+2 + Vigueur surhumaine 2 = 11, Vol 3+0 = 3 ;
        // CA 10 + chemise de mailles 4 + Dex 2 (plafond 4) = 16.
        QTest::newRow("Gorza") << "Gorza" << 10 << 105 << 10 << QList<int>{5, 11, 3} << 16 << 2;
        // Gnome, barde 4 ; Dex 14 (+2), Con 14+2 = 16 (+3), Sag 10 (0).
        // PV 6+4+3+5 = 18, + 4×3 = 30 ; BBA 3 ; Réf 4+2 = 6, Vig 1+3 = 4, Vol 4+0 = 4 ;
        // CA 10 + Dex 2 + taille petite 1 = 13.
        QTest::newRow("Tibbelin") << "Tibbelin" << 4 << 30 << 3 << QList<int>{6, 4, 4} << 13 << 2;
        // Humaine, moine 12 ; Dex 15 (+2), Con 12 (+1), Sag 16+3 = 19 (+4).
        // PV 8+5+6+4+7+5+6+3+8+5+4+6 = 67, + 12×1 = 79 ; BBA 9 ;
        // Réf 8+2 = 10, Vig 8+1 = 9, Vol 8+4 + Volonté de fer 2 = 14 ;
        // CA 10 + Dex 2 + Sag 4 + moine 12 : 2 = 18.
        QTest::newRow("Sœur Aliénor") << "Sœur Aliénor" << 12 << 79 << 9 << QList<int>{10, 9, 14} << 18 << 2;
        // Ogre : 4 DV de géant puis barbare 2 ; For 11+10+1 = 22, Dex 10-2 = 8 (-1), Con 11+4 = 15 (+2), Sag 10.
        // PV 8+5+4+6 + 9+7 = 39, + 6×2 = 51 ; BBA géant 4 : 3, + barbare 2 : 2 = 5 ;
        // Réf 1+0-1 = 0, Vig 4+3+2 = 9, Vol 1+0+0 = 1 ; CA 10 - 1 (grande) + naturelle 5 - 1 (Dex) = 13.
        QTest::newRow("Grommok") << "Grommok" << 6 << 51 << 5 << QList<int>{0, 9, 1} << 13 << -1;
    }
    void chiffres()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(int, pv);
        QFETCH(int, attaque);
        QFETCH(QList<int>, jets);
        QFETCH(int, ca);
        QFETCH(int, initiative);
        const Fiche f = fiche(nom);
        QCOMPARE(f.Nom, nom);
        QCOMPARE(int(f.Niveau), niveau);
        QCOMPARE(int(f.PointsDeVie), pv);
        QCOMPARE(int(f.AttaqueDeBase), attaque);
        QCOMPARE((QList<int>{int(f.Jets[0].Final), int(f.Jets[1].Final), int(f.Jets[2].Final)}), jets);
        QCOMPARE(int(f.ClasseArmure.Total), ca);
        QCOMPARE(int(f.Initiative), initiative);
    }

    // Élyndra a ses sorts du jour préparés. Int 17 (+3) donne un sort en plus aux niveaux 1 à 3 :
    // par jour au niveau 1 : 3 + 1 = 4, au niveau 3 : 1 + 1 = 2 ; DD du niveau 1 : 10 + 1 + 3 = 14.
    // Dorn a ses deux domaines.
    void sortsEtDomaines()
    {
        const Fiche elyndra = fiche("Élyndra");
        QCOMPARE(elyndra.Sorts.size(), 1);
        const SortsClasse& s = elyndra.Sorts.first();
        QCOMPARE(s.total[1], std::optional<int>(4));
        QCOMPARE(s.total[3], std::optional<int>(2));
        QCOMPARE(s.dd[1], 14);
        QStringList prepares;
        for (const EmplacementSort& e : s.prepares)
            if (!e.nom.isEmpty())
                prepares << e.nom;
        QVERIFY2(prepares.contains("Boule de feu") && prepares.count("Projectile magique") == 2,
                 qPrintable(prepares.join(", ")));
        const Fiche dorn = fiche("Dorn Ferpoing");
        QCOMPARE(dorn.Personnage.Domaine_1, "Guerre");
        QCOMPARE(dorn.Personnage.Domaine_2, "Force");
    }
};

QTEST_GUILESS_MAIN(TestExemples)
#include "test_exemples.moc"

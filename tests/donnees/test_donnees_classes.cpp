// Données livrées : classes, progressions, compétences, aptitudes et petites tables de tessarys.db.
#include "commun/Fixtures.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <algorithm>
#include <cmath>

class TestDonneesClasses : public QObject
{
    Q_OBJECT
    std::unique_ptr<BaseDonnees> m_base;

    int entier(const QString& sql, const QVariantList& valeurs = {})
    {
        return m_base->scalaire(sql, valeurs).toInt();
    }
    Ligne progression(const QString& classe, int niveau)
    {
        return m_base->cherche(QStringLiteral("ClasseProgression"), QStringLiteral("index"), {classe, niveau});
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_base = BaseDonnees::ouvre(QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db")));
    }

    void progressionsDansClasse()
    {
        QCOMPARE(entier("select count(*) from ClasseProgression p where not exists "
                        "(select 1 from Classe c where c.Classe = p.Classe)"), 0);
    }

    void donsDesProgressionsExistent()
    {
        QStringList manquants;
        for (int i = 1; i <= 6; ++i)
            for (const Ligne& l : m_base->selectionne(QStringLiteral(
                     "select distinct don_%1 as d from ClasseProgression p where don_%1 is not null "
                     "and not exists (select 1 from Dons where Nom = p.don_%1)").arg(i)))
                manquants.append(l.texte("d"));
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(", ")));
    }

    void competenceAUneColonneParClasse()
    {
        const QStringList colonnes = m_base->champs(QStringLiteral("Competence"));
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Classe from Classe"))) {
            bool trouve = false;
            for (const QString& c : colonnes)
                trouve = trouve || c.compare(l.texte("Classe"), Qt::CaseInsensitive) == 0;
            QVERIFY2(trouve, qPrintable(l.texte("Classe")));
        }
    }

    void competencesNumeroteesEtRangees()
    {
        QCOMPARE(entier("select count(distinct \"n°\") from Competence"), entier("select count(*) from Competence"));
        QVERIFY(entier("select count(*) from Competence") <= 61);
        // indexalpha : la place de la compétence dans « order by nom ».
        int rang = 0;
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Nom, indexalpha from Competence order by nom")))
            QCOMPARE(l.entier("indexalpha"), rang++);
    }

    void typesDeCreatureOntLeurClasse()
    {
        const QStringList types = {"Aberration", "Animal", "Créature artificielle", "Créature magique", "Dragon",
                                   "Elémentaire", "Extérieur", "Fée", "Géant", "Humanoïde", "Humanoïde monstrueux",
                                   "Mort-vivant", "Plante", "Vase", "Vermine"};
        for (const QString& t : types) {
            QVERIFY2(m_base->cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {t}), qPrintable(t));
            QVERIFY2(progression(t, 40), qPrintable(t));
        }
    }

    // Valeurs attendues par les tables de progression de la 3.5 : forte = niveau, moyenne = 3/4,
    // faible = 1/2 ; bon jet = 2 + niveau/2, mauvais = niveau/3.
    void progressions_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("attaque");
        QTest::addColumn<int>("reflexe");
        QTest::addColumn<int>("vigueur");
        QTest::addColumn<int>("volonte");
        QTest::newRow("Guerrier 20") << "Guerrier" << 20 << 20 << 6 << 12 << 6;
        QTest::newRow("Magicien 20") << "Magicien" << 20 << 10 << 6 << 6 << 12;
        QTest::newRow("Roublard 7") << "Roublard" << 7 << 5 << 5 << 2 << 2;
        QTest::newRow("Moine 20") << "Moine" << 20 << 15 << 12 << 12 << 12;
        QTest::newRow("Gens du peuple 4") << "Gens du peuple" << 4 << 2 << 1 << 1 << 1;
        QTest::newRow("Duelliste 10") << "Duelliste" << 10 << 10 << 7 << 3 << 3;
        QTest::newRow("Dragon 10") << "Dragon" << 10 << 10 << 7 << 7 << 7;
        QTest::newRow("Animal 24") << "Animal" << 24 << 18 << 14 << 14 << 8;
        QTest::newRow("Mort-vivant 20") << "Mort-vivant" << 20 << 10 << 6 << 6 << 12;
    }
    void progressions()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveau);
        const Ligne l = progression(classe, niveau);
        QVERIFY(l);
        QTEST(l.entier("attaque"), "attaque");
        QTEST(l.entier("Reflexe"), "reflexe");
        QTEST(l.entier("Vigueur"), "vigueur");
        QTEST(l.entier("Volonte"), "volonte");
    }

    void niveauxDesClasses_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("niveaux");
        QTest::addColumn<int>("classes");
        QTest::newRow("base") << "Base" << 20 << 11;
        QTest::newRow("PNJ") << "PNJ" << 20 << 5;
    }
    void niveauxDesClasses()
    {
        QFETCH(QString, type);
        QFETCH(int, niveaux);
        const auto classes = m_base->selectionne(QStringLiteral("select Classe from Classe where Type = ?"), {type});
        QTEST(int(classes.size()), "classes");
        for (const Ligne& c : classes)
            QCOMPARE(entier("select max(Niveau) from ClasseProgression where Classe = ?", {c.texte("Classe")}), niveaux);
        // 15 classes de prestige, de 5 ou 10 niveaux.
        QCOMPARE(entier("select count(*) from Classe where Type = 'Prestige'"), 15);
        QCOMPARE(entier("select count(*) from Classe c where Type = 'Prestige' and "
                        "(select max(Niveau) from ClasseProgression p where p.Classe = c.Classe) not in (5, 10)"), 0);
    }

    void lanceursDeSorts()
    {
        const Ligne magicien = m_base->cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {QStringLiteral("Magicien")});
        QCOMPARE(magicien.texte("CaracSort_Niv"), QStringLiteral("Intelligence"));
        QVERIFY(magicien.booleen("EstLanceurSort"));
        QVERIFY(!magicien.texte("ListeSort").isEmpty());
        // Chaque ListeSort nomme une colonne de la table des sorts.
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select ListeSort from Classe where ListeSort is not null")))
            QVERIFY2(m_base->ExisteChamp(QStringLiteral("Sort"), l.texte("ListeSort")), qPrintable(l.texte("ListeSort")));
        // Un ensorceleur de niveau 4 connaît 1 sort du niveau 2 et lance 6 sorts du niveau 1 par jour.
        QCOMPARE(progression(QStringLiteral("Ensorceleur"), 4).entier("s_c_2"), 1);
        QCOMPARE(progression(QStringLiteral("Ensorceleur"), 4).entier("s_n_1"), 6);
    }

    // Paladin et rôdeur ont leurs premiers sorts au niveau 4 et lancent à la moitié de leur niveau ;
    // les lanceurs complets lancent dès leur premier niveau de sorts, à leur niveau de classe.
    void niveauDeLanceurDesClasses()
    {
        for (const Ligne& c : m_base->selectionne(QStringLiteral("select Classe, nls from Classe where EstLanceurSort"))) {
            QString ouSorts;
            for (int s = 0; s <= 9; ++s)
                ouSorts += QStringLiteral("%1s_n_%2 > 0").arg(s ? QStringLiteral(" or ") : QString()).arg(s);
            const int premier = entier(QStringLiteral("select min(Niveau) from ClasseProgression where Classe = ? and (%1)")
                                           .arg(ouSorts), {c.texte("Classe")});
            QVERIFY2(premier >= 1, qPrintable(c.texte("Classe")));
            QCOMPARE(c.entier("nls"), premier >= 4 ? 2 : 0);
        }
        QCOMPARE(entier("select count(*) from Classe where not EstLanceurSort and nls <> 0"), 0);
    }

    // Valeurs d'une capacité activable au niveau L, selon les tables de la 3.5 :
    // BonusBase + Int(L / TousLes) × Augmentation, bornée par min et max.
    void capacitesActivables_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char* nom, int niveau, const char* attendu) {
            QTest::addRow("%s %d", nom, niveau) << QString::fromUtf8(nom) << niveau << QString::fromUtf8(attendu);
        };
        cas("Inspiration héroïque", 9, "1");
        cas("Inspiration héroïque", 11, "1");
        cas("Inspiration héroïque", 12, "2");
        cas("Inspiration héroïque", 20, "4");
        cas("Inspiration intrépide", 15, "1");
        cas("Inspiration intrépide", 18, "2");
        cas("Ennemi juré", 1, "1");
        cas("Ennemi juré", 4, "1");
        cas("Ennemi juré", 5, "2");
        cas("Ennemi juré", 20, "5");
        cas("Guérison des maladies", 6, "1");
        cas("Guérison des maladies", 8, "1");
        cas("Guérison des maladies", 9, "2");
        cas("Guérison des maladies", 18, "5");
        cas("Suggestion", 6, "13");
        cas("Suggestion", 19, "19");
        cas("Paume vibratoire", 15, "17");
        cas("Plénitude physique", 7, "14");
        cas("Plénitude physique", 20, "40");
        cas("Musique de barde", 7, "7");
        cas("Coup étourdissant", 8, "2");
        cas("Coup étourdissant", 20, "5");
        cas("Expertise du combat", 3, "3");
        cas("Expertise du combat", 12, "5");
        cas("Expertise supérieure", 12, "12");
        cas("Attaque mortelle", 1, "11");
        cas("Attaque mortelle", 10, "20");
        cas("Domaine de la mort", 7, "7d6");
    }
    void capacitesActivables()
    {
        QFETCH(QString, nom);
        QFETCH(int, niveau);
        QFETCH(QString, attendu);
        const Ligne l = m_base->cherche(QStringLiteral("CapaciteSort"), QStringLiteral("index"), {nom});
        QVERIFY2(l, qPrintable(nom));
        QVERIFY(l.entier("TousLes") > 0);
        const QString augmentation = l.texte("Augmentation");
        const int pas = niveau / l.entier("TousLes");
        const int d = augmentation.indexOf(u'd');
        if (d > 0) {
            QCOMPARE(QStringLiteral("%1d%2").arg(pas * augmentation.left(d).toInt()).arg(augmentation.mid(d + 1)), attendu);
            return;
        }
        const int valeur = std::clamp(l.entier("BonusBase") + pas * augmentation.toInt(), l.entier("min"), l.entier("max"));
        QCOMPARE(QString::number(valeur), attendu);
    }

    // Une capacité de classe activable est une aptitude que donne la progression de sa classe (hors deux
    // capacités de classes étrangères au SRD, gardées pour leurs règles de calcul).
    void capacitesActivablesDonneesParUneClasse()
    {
        QStringList orphelines;
        for (const Ligne& l : m_base->selectionne(QStringLiteral(
                 "select Nom from CapaciteSort c where Genre = 'Capacité de classe' "
                 "and Nom not in ('Carapace de tortue', 'Frappe profane') and not exists "
                 "(select 1 from ClasseProgression p where (c.Classe is null or p.Classe = c.Classe) "
                 "and c.Nom in (p.don_1, p.don_2, p.don_3, p.don_4, p.don_5, p.don_6))")))
            orphelines.append(l.texte("Nom"));
        QVERIFY2(orphelines.isEmpty(), qPrintable(orphelines.join(", ")));
        QCOMPARE(entier("select count(*) from CapaciteSort c where Classe is not null "
                        "and not exists (select 1 from Classe k where k.Classe = c.Classe)"), 0);
    }

    void competencesDecrites()
    {
        QStringList incompletes;
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select * from Competence")))
            for (const char* champ : {"Description", "Test", "Action", "Nouvelles", "Spécial"})
                if (l.texte(QString::fromUtf8(champ)).trimmed().isEmpty())
                    incompletes.append(l.texte("Nom") + u'.' + QString::fromUtf8(champ));
        QVERIFY2(incompletes.isEmpty(), qPrintable(incompletes.join(", ")));
    }

    void aptitudes_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("aptitude");
        QTest::newRow("déluge de coups") << "Moine" << 1 << "Déluge de coups";
        QTest::newRow("rage") << "Barbare" << 1 << "Rage +1";
        QTest::newRow("déplacement barbare") << "Barbare" << 1 << "Déplacement accéléré barbare";
        QTest::newRow("sournoise") << "Roublard" << 3 << "Attaque sournoise +1d6";
        QTest::newRow("esquive instinctive") << "Roublard" << 4 << "Esquive instinctive";
        QTest::newRow("empathie") << "Druide" << 1 << "Empathie sauvage";
        QTest::newRow("châtiment") << "Paladin" << 1 << "Châtiment du Mal";
        QTest::newRow("imposition") << "Paladin" << 2 << "Imposition des mains";
    }
    void aptitudes()
    {
        QFETCH(QString, classe);
        QFETCH(int, niveau);
        QFETCH(QString, aptitude);
        const Ligne l = progression(classe, niveau);
        QStringList dons;
        for (int i = 1; i <= 6; ++i)
            dons.append(l.texte(QStringLiteral("don_%1").arg(i)));
        QVERIFY2(dons.contains(aptitude), qPrintable(dons.join(", ")));
        QVERIFY(m_base->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {aptitude}).booleen("prive"));
    }

    void rageCompteUnCranParNiveauQuiLAjoute()
    {
        // 6 rages par jour au niveau 20 : six lignes « Rage +1 ».
        int rages = 0;
        for (int i = 1; i <= 6; ++i)
            rages += entier(QStringLiteral("select count(*) from ClasseProgression where Classe = 'Barbare' and don_%1 = 'Rage +1'").arg(i));
        QCOMPARE(rages, 6);
    }

    void tableDesNomsDeRegles()
    {
        QFile f(QDir(qEnvironmentVariable("QUORVANE_SOURCES")).filePath(QStringLiteral("data/NOMS-REGLES.tsv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList entete = QString::fromUtf8(f.readLine()).trimmed().split(u'\t');
        const int table = entete.indexOf(QStringLiteral("Table"));
        const int cle = entete.indexOf(QStringLiteral("Cle"));
        QVERIFY(table >= 0 && cle >= 0);
        int porteurs = 0;
        while (!f.atEnd()) {
            const QStringList c = QString::fromUtf8(f.readLine()).chopped(1).split(u'\t');
            QCOMPARE(c.size(), entete.size());
            if (c.at(table).isEmpty())
                continue;
            const QString index = c.at(table) == u"Dons" ? QStringLiteral("nom") : QStringLiteral("PrimaryKey");
            QVERIFY2(m_base->cherche(c.at(table), index, {c.at(cle)}), qPrintable(c.at(table) + u' ' + c.at(cle)));
            ++porteurs;
        }
        QVERIFY(porteurs > 100);
    }

    void experienceMethodeStandard_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("colonne");
        QTest::addColumn<int>("points");
        // 300 × niveau au FP égal au niveau ; ×2 tous les deux FP ; niveaux 1 à 3 comptés comme 3.
        QTest::newRow("5 contre 5") << 5 << "fp5" << 1500;
        QTest::newRow("5 contre 7") << 5 << "fp7" << 3000;
        QTest::newRow("10 contre 8") << 10 << "fp8" << 1500;
        QTest::newRow("1 contre 1") << 1 << "fp1" << 300;
        QTest::newRow("20 contre 20") << 20 << "fp20" << 6000;
        QTest::newRow("3 contre 1/2") << 3 << "fp1/2" << 150;
    }
    void experienceMethodeStandard()
    {
        QFETCH(int, niveau);
        QFETCH(QString, colonne);
        const Ligne l = m_base->cherche(QStringLiteral("Experience"), QStringLiteral("PrimaryKey"), {niveau});
        QVERIFY(l);
        QTEST(l.entier(colonne), "points");
    }

    void sortsEnBonus()
    {
        // Modificateur +4 : un sort en plus des niveaux 1 à 4, aucun au-delà ni au niveau 0.
        const Ligne l = m_base->cherche(QStringLiteral("ModificateurCaracSortBonus"), QStringLiteral("PrimaryKey"), {4});
        QCOMPARE(l.entier("s_n_0"), 0);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(l.entier(QStringLiteral("s_n_%1").arg(n)), 1);
        QCOMPARE(l.entier("s_n_5"), 0);
        QCOMPARE(m_base->cherche(QStringLiteral("ModificateurCaracSortBonus"), QStringLiteral("PrimaryKey"), {9})
                     .entier("s_n_1"), 3);
    }

    void richesseCroissante()
    {
        int precedent = -1;
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Niveau, Richesse, EquipementPNJ from Possession order by Niveau"))) {
            QVERIFY(l.entier("Richesse") > precedent);
            QVERIFY(l.entier("EquipementPNJ") > 0);
            precedent = l.entier("Richesse");
        }
        QCOMPARE(entier("select count(*) from Possession"), 20);
    }

    void alignementsEnOrdre()
    {
        QStringList noms;
        for (const Ligne& l : m_base->selectionne(QStringLiteral("select Nom from Alignements order by ordre")))
            noms.append(l.texte("Nom"));
        QCOMPARE(noms, (QStringList{"LOYAL BON", "NEUTRE BON", "CHAOTIQUE BON", "LOYAL NEUTRE", "NEUTRE",
                                    "CHAOTIQUE NEUTRE", "LOYAL MAUVAIS", "NEUTRE MAUVAIS", "CHAOTIQUE MAUVAIS"}));
        QVERIFY(m_base->cherche(QStringLiteral("Caracteristiques"), QStringLiteral("PrimaryKey"), {QStringLiteral("Modificateurs")}));
    }
};

QTEST_GUILESS_MAIN(TestDonneesClasses)
#include "test_donnees_classes.moc"

// Données livrées : objets et leurs propriétés, sorts, domaines, écoles et divinités de tessarys.db.
#include "commun/Fixtures.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QSet>
#include <QtTest>

namespace {

// Familles d'armes que les lignes d'attaque reconnaissent.
const QStringList kArmes = {
    "Cimeterre", "Gantelet", "Masse d'armes lourde", "Serpe", "Epieu", "Morgenstern", "Bâton", "Lance", "Pique",
    "Arbalète légère", "Arbalète lourde", "Dards", "Javeline", "Hache de lancer", "Hachette", "Kukri",
    "Marteau léger", "Matraque", "Pic de guerre léger", "Fléau d'armeS léger", "Marteau de guerre",
    "Pic de guerre lourd", "Rapière", "Trident", "Masse d'armes légère", "Cimeterre à 2 mains", "Corsèque",
    "Coutille", "Faux", "Fléau d'armes lourd", "Grande hache", "Guisarme", "Hallebarde", "Lance d'arçon", "Massue",
    "Kama", "Nunchaku", "Sai", "Siamgham", "Epéé bâtarde", "Fouet", "Chaîne cloutée", "Double-lame", "Fléau double",
    "Hache double orque", "Marteau-piolet gnome", "Urgrosh nain", "Arbalète de poing", "Bolas", "Filet",
    "Epieu de jet", "Gourdin de jet", "Lance de jet", "Javeline de jet", "Marteau léger de jet", "Trident de jet",
    "Shuriken", "Dague", "Dagues de jet", "Epée à 2 mains", "Epée courte", "Epée longue", "Gourdin",
    "Hache d'armes", "Hache Double", "Hache de nain", "Rondache", "Ecu", "Arme", "Arc Long", "Arc Court", "Fronde",
    "Frêlelame elfe", "Finelame elfe", "Grand pic de guerre", "Maillet", "Masse de brèche", "Agripeur", "Bardiche",
    "Grand épieu", "Lajatang", "Marteau double", "Boomerang", "Grand arc", "Grande sarbacane", "Mains nues",
    "Attaque de sort à toucher distant", "Contact intangible", "Hoopak", "Hoopak de jet", "Rocher",
    "Sort au contact", "Rayon", "Serre", "Corne", "Morsure", "Tentacule", "Sabot", "Coup", "Defence", "Dard",
    "Mandibule", "Pince", "Branche", "Antenne", "Patte", "Bec", "Griffe", "Ergot", "Pattes arrière", "Aille",
    "Piquant", "Queue", "Coupe-vif gnome", "Marteau de lancer", "Capte épée gnome", "Grand marteau goliath",
    "Lance double naine", "Décharge fantastique", "Pertuisane naine"};

// Types d'objet qu'accepte au moins un emplacement du corps (hors armes, acceptées en main).
const QStringList kTypesPortes = {
    "Armure", "Vetement", "Robe", "Anneau", "Amulette", "Broche", "Médaillon", "Collier", "Charme", "Scarabée", "Ecu",
    "Pavois", "Targe", "Rondache", "Casque", "Heaume", "Bandeau", "Couronne", "Phylactère", "Cape", "Echarpe",
    "Manteau", "Gants", "Gantelet", "Ceinture", "Ceinturon", "Flèches", "Carreaux", "Billes", "Bracelet", "Bottes",
    "Chaussons", "Gilet", "Veste", "Chemise", "Chasuble", "Lunettes", "Divers", "Matériel de classe",
    "Matériel d’aventurier", "Baguette", "Sceptre", "Potion", "Bâton"};

// Genres de propriété que la fiche lit sur un objet porté.
const QStringList kGenres = {
    "Bonus Classe Armure", "Bonus sorts", "Bonus Competence", "Bonus Don", "Lancer un sort", "Bonus Caracteristique",
    "Bonus Jet Sauvegarde", "Bonus Déplacement", "Bonus d'archerie (Aptitude)", "Bonus jet d'attaque (Aptitude)",
    "Bonus arme naturelle (altération)", "Résistance à la magie", "Résistance au feu", "Résistance au froid",
    "Résistance à l'acide", "Résistance à l'électricité", "Résistance au son", "Résistance aux dégats",
    "Bonus Dommage", "Bonus Attaque", "Bonus dommage spécial", "Rejet des morts vivants accru",
    "Bonus à l'initiative", "Arc de Puissance"};

const QStringList kComposantesCA = {"Armure", "Alteration Armure", "Naturelle", "Alteration Naturelle", "Parade",
                                    "Esquive", "Force Armure", "Force Bouclier", "Chance", "Intuition", "CA Divers",
                                    "Bouclier", "Alteration Bouclier"};

const QStringList kAlignements = {"LOYAL BON", "NEUTRE BON", "CHAOTIQUE BON", "LOYAL NEUTRE", "NEUTRE",
                                  "CHAOTIQUE NEUTRE", "LOYAL MAUVAIS", "NEUTRE MAUVAIS", "CHAOTIQUE MAUVAIS"};

} // namespace

class TestDonneesObjetsSorts : public QObject
{
    Q_OBJECT
    std::unique_ptr<BaseDonnees> m_base;

    int entier(const QString& sql, const QVariantList& valeurs = {})
    {
        return m_base->scalaire(sql, valeurs).toInt();
    }
    QStringList liste(const QString& sql)
    {
        QStringList l;
        for (const Ligne& ligne : m_base->selectionne(sql))
            l.append(ligne.texte(QStringLiteral("v")));
        return l;
    }
    // Colonnes de niveau de Sort : entre "domaine" et "composantes".
    QStringList colonnesNiveaux()
    {
        const QStringList champs = m_base->champs(QStringLiteral("Sort"));
        const int debut = champs.indexOf(QStringLiteral("domaine"));
        const int fin = champs.indexOf(QStringLiteral("composantes"));
        return debut >= 0 && fin > debut ? champs.mid(debut + 1, fin - debut - 1) : QStringList{};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_base = BaseDonnees::ouvre(QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db")));
    }

    void comptes()
    {
        QVERIFY(entier("select count(*) from Objets") >= 900);
        QVERIFY(entier("select count(*) from Sort") >= 600);
        QCOMPARE(entier("select count(*) from Domaines"), 36);
        QVERIFY(entier("select count(*) from Dieu") >= 20);
        // Objets magiques nommés : ceux dont une propriété n'est pas une simple altération d'arme ou d'armure.
        QVERIFY(entier("select count(distinct NomObjet) from ObjetsPropriete where propriete_1 not in "
                       "('Bonus Attaque', 'Bonus Dommage') and not (propriete_1 = 'Bonus Classe Armure' and "
                       "propriete_2 in ('Alteration Armure', 'Alteration Bouclier'))") >= 250);
    }

    void proprietesDObjetsExistants()
    {
        const QStringList orphelins = liste("select distinct p.NomObjet as v from ObjetsPropriete p where not exists "
                                            "(select 1 from Objets o where o.NomObjet = p.NomObjet)");
        QVERIFY2(orphelins.isEmpty(), qPrintable(orphelins.join(", ")));
    }

    // L'équipement de départ des races et des archétypes désigne des objets qui existent.
    void equipementDesRacesEtArchetypes()
    {
        const QStringList objets = liste("select distinct e.objet as v from Raceequipement e where not exists "
                                         "(select 1 from Objets o where o.NomObjet = e.objet)");
        QVERIFY2(objets.isEmpty(), qPrintable(objets.join(", ")));
        const QStringList races = liste("select distinct e.Race as v from Raceequipement e where not exists "
                                        "(select 1 from Race r where r.Race = e.Race)");
        QVERIFY2(races.isEmpty(), qPrintable(races.join(", ")));
        QVERIFY(entier("select count(*) from Raceequipement") >= 40);
        // Un troll : deux griffes et une morsure.
        QCOMPARE(entier("select Multiple from Raceequipement where Race = 'Troll' and objet = 'Griffe'"), 2);

        const QStringList objetsArchetypes = liste("select distinct e.objet as v from ArchetypeEquipement e where not "
                                                   "exists (select 1 from Objets o where o.NomObjet = e.objet)");
        QVERIFY2(objetsArchetypes.isEmpty(), qPrintable(objetsArchetypes.join(", ")));
        const QStringList archetypes = liste("select distinct e.Archetype as v from ArchetypeEquipement e where not "
                                             "exists (select 1 from Archetype a where a.Archetype = e.Archetype)");
        QVERIFY2(archetypes.isEmpty(), qPrintable(archetypes.join(", ")));
        // Un vampire frappe d'un coup de 1d6.
        QCOMPARE(m_base->premiere(QStringLiteral("select o.DegatDes from ArchetypeEquipement e join Objets o on "
                                                 "o.NomObjet = e.objet where e.Archetype = 'Vampire'"))
                     .texte(QStringLiteral("DegatDes")),
                 QStringLiteral("1d6"));
    }

    void armesDansLesFamilles()
    {
        // Tout objet qui fait des dégâts est une arme dont le groupe est connu des lignes d'attaque.
        QStringList inconnus;
        for (const QString& g : liste("select distinct GroupeObjet as v from Objets where DegatDes is not null"))
            if (!kArmes.contains(g))
                inconnus.append(g);
        QVERIFY2(inconnus.isEmpty(), qPrintable(inconnus.join(", ")));
    }

    void typesAcceptesParUnEmplacement()
    {
        QStringList refuses;
        for (const QString& t : liste("select distinct Type as v from Objets where Type is not null"))
            if (!kTypesPortes.contains(t) && !kArmes.contains(t))
                refuses.append(t);
        QVERIFY2(refuses.isEmpty(), qPrintable(refuses.join(", ")));
    }

    void proprietesDansLeVocabulaire()
    {
        const QSet<QString> caracs = {"Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"};
        const QSet<QString> jets = {"Vigueur", "Réflexe", "Volonté"};
        QStringList fautes;
        for (const Ligne& p : m_base->selectionne(QStringLiteral("select * from ObjetsPropriete"))) {
            const QString genre = p.texte("propriete_1");
            const QString cible = p.texte("propriete_2");
            const QString quoi = p.texte("NomObjet") + " : " + genre + " / " + cible;
            bool bon = kGenres.contains(genre);
            if (genre == u"Bonus Caracteristique")
                bon = caracs.contains(cible);
            else if (genre == u"Bonus Jet Sauvegarde")
                bon = jets.contains(cible);
            else if (genre == u"Bonus Classe Armure")
                bon = kComposantesCA.contains(cible);
            else if (genre == u"Bonus Competence")
                bon = static_cast<bool>(m_base->cherche(QStringLiteral("Competence"), QStringLiteral("PrimaryKey"), {cible}));
            else if (genre == u"Lancer un sort")
                bon = static_cast<bool>(m_base->cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {cible}));
            else if (genre == u"Bonus Don")
                bon = entier("select count(*) from Dons where Nom = ?", {cible}) == 1;
            if (!bon)
                fautes.append(quoi);
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.mid(0, 20).join("\n")));
    }

    void objetsDeReference_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QVariant>("attendu");
        // Épée longue : 1d8, critique 19-20/x2, 15 po, 4 livres = 2 kg, à une main.
        QTest::newRow("épée dégâts") << "Épée longue" << "DegatDes" << QVariant("1d8");
        QTest::newRow("épée zone") << "Épée longue" << "ZoneCritique" << QVariant("19");
        QTest::newRow("épée multiplicateur") << "Épée longue" << "MultCrit" << QVariant(2);
        QTest::newRow("épée prix") << "Épée longue" << "CoutTotal" << QVariant(15.0);
        QTest::newRow("épée poids") << "Épée longue" << "PoidsBase" << QVariant(2.0);
        QTest::newRow("épée une main") << "Épée longue" << "Taille" << QVariant("Moyenne");
        QTest::newRow("épée famille") << "Épée longue" << "GroupeObjet" << QVariant("Epée longue");
        // Harnois : armure +8, Dex max +1, malus -6, 35 % d'échec, 50 livres.
        QTest::newRow("harnois CA") << "Harnois" << "ClasseArmure" << QVariant(8);
        QTest::newRow("harnois type CA") << "Harnois" << "TypeCa" << QVariant("Armure");
        QTest::newRow("harnois dex") << "Harnois" << "BonusDexMax" << QVariant(1);
        QTest::newRow("harnois malus") << "Harnois" << "PenaliteArmure" << QVariant(-6);
        QTest::newRow("harnois échec") << "Harnois" << "EchecSortProfane" << QVariant(35);
        QTest::newRow("harnois poids") << "Harnois" << "PoidsBase" << QVariant(25.0);
        QTest::newRow("harnois emplacement") << "Harnois" << "Emplacement" << QVariant(1);
        // Arc long : 100 pieds de portée = 30 m, à deux mains, critique x3.
        QTest::newRow("arc portée") << "Arc long" << "Portee" << QVariant(30.0);
        QTest::newRow("arc deux mains") << "Arc long" << "Taille" << QVariant("Grande");
        QTest::newRow("arc critique") << "Arc long" << "MultCrit" << QVariant(3);
        // La javeline se lance : famille d'arme de jet, 30 pieds = 9 m.
        QTest::newRow("javeline famille") << "Javeline" << "GroupeObjet" << QVariant("Javeline de jet");
        QTest::newRow("javeline portée") << "Javeline" << "Portee" << QVariant(9.0);
        // Rapière : 1d6, 18-20.
        QTest::newRow("rapière zone") << "Rapière" << "ZoneCritique" << QVariant("18");
        // Écu en acier : bouclier +2, malus -2, 15 %.
        QTest::newRow("écu type CA") << "Écu en acier" << "TypeCa" << QVariant("Bouclier");
        QTest::newRow("écu CA") << "Écu en acier" << "ClasseArmure" << QVariant(2);
        QTest::newRow("écu échec") << "Écu en acier" << "EchecSortProfane" << QVariant(15);
        // Version magique : prix de base + 300 (de maître) + 2 000 × bonus², solidité +2 par bonus.
        QTest::newRow("épée +2 prix") << "Épée longue +2" << "CoutTotal" << QVariant(8315.0);
        QTest::newRow("épée +2 solidité") << "Épée longue +2" << "Solidite" << QVariant(14);
        // Armure magique : + 150 (de maître) + 1 000 × bonus² ; de maître, le malus baisse de 1.
        QTest::newRow("harnois +1 prix") << "Harnois +1" << "CoutTotal" << QVariant(2650.0);
        QTest::newRow("harnois +1 malus") << "Harnois +1" << "PenaliteArmure" << QVariant(-5);
        QTest::newRow("anneau emplacement") << "Anneau de protection +2" << "Emplacement" << QVariant(3);
    }

    void objetsDeReference()
    {
        QFETCH(QString, nom);
        QFETCH(QString, champ);
        QFETCH(QVariant, attendu);
        const Ligne o = m_base->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {nom});
        QVERIFY2(o, qPrintable(nom));
        if (attendu.typeId() == QMetaType::QString)
            QCOMPARE(o.texte(champ), attendu.toString());
        else if (attendu.typeId() == QMetaType::Double)
            QCOMPARE(o.reel(champ), attendu.toDouble());
        else
            QCOMPARE(o.entier(champ), attendu.toInt());
    }

    void proprietesDeReference_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("parade") << "Anneau de protection +2" << "Bonus Classe Armure" << "Parade" << "" << "+2";
        QTest::newRow("force") << "Ceinturon de force de géant +4" << "Bonus Caracteristique" << "Force"
                               << "Alteration" << "+4";
        QTest::newRow("résistance") << "Cape de résistance +3" << "Bonus Jet Sauvegarde" << "Réflexe"
                                    << "Résistance" << "+3";
        QTest::newRow("altération d'arme") << "Épée longue +3" << "Bonus Attaque" << "Tranchant" << "Alteration"
                                           << "+3";
        QTest::newRow("altération d'armure") << "Harnois +2" << "Bonus Classe Armure" << "Alteration Armure" << ""
                                             << "+2";
        QTest::newRow("feu") << "Épée longue de feu +1" << "Bonus Dommage" << "Feu" << "Alteration" << "+1d6";
        QTest::newRow("baguette") << "Baguette de boule de feu (NLS 5)" << "Lancer un sort" << "Boule de feu"
                                  << "Charges" << "+1";
        QTest::newRow("bottes") << "Bottes elfiques" << "Bonus Competence" << "Déplacement silencieux"
                                << "Aptitude" << "+5";
    }

    void proprietesDeReference()
    {
        QFETCH(QString, nom);
        QFETCH(QString, genre);
        QFETCH(QString, cible);
        QFETCH(QString, type);
        QFETCH(QString, valeur);
        const Ligne p = m_base->premiere(QStringLiteral("select * from ObjetsPropriete where NomObjet = ? and "
                                                        "propriete_1 = ? and propriete_2 = ?"),
                                         {nom, genre, cible});
        QVERIFY2(p, qPrintable(nom));
        QCOMPARE(p.texte("propriete_3"), type);
        QCOMPARE(p.texte("valeur"), valeur);
    }

    void chaqueSortAUnNiveau()
    {
        const QStringList colonnes = colonnesNiveaux();
        QVERIFY(!colonnes.isEmpty());
        QStringList conditions;
        for (const QString& c : colonnes)
            conditions.append(QStringLiteral("\"%1\" is not null").arg(c));
        const QStringList sansNiveau = liste(QStringLiteral("select Nom as v from Sort where not (%1)")
                                                 .arg(conditions.join(QStringLiteral(" or "))));
        QVERIFY2(sansNiveau.isEmpty(), qPrintable(sansNiveau.join(", ")));
        QCOMPARE(entier("select count(*) from Sort where \"Classe/Niveau\" is null"), 0);
        // Chaque sort a son explication, pour qu'on puisse le lancer sans livre.
        QCOMPARE(entier("select count(*) from Sort where Explication is null or length(Explication) < 40"), 0);
    }

    void colonnesDeClassesEtDeDomaines()
    {
        // Chaque colonne de niveau nomme une classe livrée ou un domaine, et chaque domaine a sa colonne.
        const QStringList colonnes = colonnesNiveaux();
        for (const QString& c : colonnes)
            QVERIFY2(m_base->cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {c})
                         || m_base->cherche(QStringLiteral("Domaines"), QStringLiteral("PrimaryKey"), {c}),
                     qPrintable(c));
        for (const QString& d : liste("select Nom as v from Domaines"))
            QVERIFY2(colonnes.contains(d), qPrintable(d));
    }

    void sortsDeReference_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("colonne");
        QTest::addColumn<int>("niveau");
        QTest::newRow("boule de feu ensorceleur") << "Boule de feu" << "Ensorceleur" << 3;
        QTest::newRow("boule de feu magicien") << "Boule de feu" << "Magicien" << 3;
        QTest::newRow("soins légers prêtre") << "Soins légers" << "Prêtre" << 1;
        QTest::newRow("soins légers rôdeur") << "Soins légers" << "Rôdeur" << 2;
        QTest::newRow("soins légers domaine") << "Soins légers" << "Guérison" << 1;
        QTest::newRow("bénédiction paladin") << "Bénédiction" << "Paladin" << 1;
        QTest::newRow("sommeil adepte") << "Sommeil" << "Adepte" << 1;
        QTest::newRow("poison assassin") << "Empoisonnement" << "Assassin" << 4;
        QTest::newRow("arme corrompue") << "Arme corrompue" << "Chevalier noir" << 1;
        QTest::newRow("mur de feu domaine") << "Mur de feu" << "Feu" << 4;
        QTest::newRow("souhait") << "Souhait" << "Magicien" << 9;
    }

    void sortsDeReference()
    {
        QFETCH(QString, nom);
        QFETCH(QString, colonne);
        QFETCH(int, niveau);
        const Ligne s = m_base->cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {nom});
        QVERIFY2(s, qPrintable(nom));
        QVERIFY2(!s.estNul(colonne), qPrintable(colonne));
        QCOMPARE(s.entier(colonne), niveau);
    }

    void bouleDeFeu()
    {
        const Ligne s = m_base->cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {QStringLiteral("Boule de feu")});
        QVERIFY(s);
        QCOMPARE(s.texte("Classe/Niveau"), QStringLiteral("Ens/Mag 3"));
        // L'école porte le registre entre parenthèses, comme le cherche le bonus de domaine.
        QVERIFY(s.texte("Ecole").startsWith(QStringLiteral("Evocation")));
        QVERIFY(s.texte("Ecole").contains(QStringLiteral("(Feu)")));
        QVERIFY(s.texte("Explication").contains(QStringLiteral("1d6")));
        QVERIFY(s.texte("Explication").contains(QStringLiteral("10d6")));
        QCOMPARE(s.texte("Portée"), QStringLiteral("Longue (120 m + 12 m/niveau)"));
        QCOMPARE(s.reel("version"), 3.5);
    }

    void divinites()
    {
        QStringList fautes;
        const QSet<QString> royaumes = {"Faerûn", "Greyhawk"};
        for (const Ligne& d : m_base->selectionne(QStringLiteral("select * from Dieu"))) {
            const QString nom = d.texte("Nom");
            if (!m_base->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {d.texte("Arme")}))
                fautes.append(nom + " : arme " + d.texte("Arme"));
            for (const QString& domaine : d.texte("domaines").split(QStringLiteral(", ")))
                if (!m_base->cherche(QStringLiteral("Domaines"), QStringLiteral("PrimaryKey"), {domaine}))
                    fautes.append(nom + " : domaine " + domaine);
            if (!kAlignements.contains(d.texte("Alignement")))
                fautes.append(nom + " : alignement " + d.texte("Alignement"));
            if (!royaumes.contains(d.texte("royaume")))
                fautes.append(nom + " : royaume " + d.texte("royaume"));
            if (entier("select count(*) from dieurace where nom = ?", {d.texte("RACE")}) != 1)
                fautes.append(nom + " : race " + d.texte("RACE"));
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join("\n")));
    }
};

QTEST_GUILESS_MAIN(TestDonneesObjetsSorts)
#include "test_donnees_objets_sorts.moc"

// Lignes des capacités de classe et notes conditionnelles de la fiche, sur les règles livrées ;
// valeurs attendues tirées à la main des règles 3.5.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "rules/CatalogueCapacites.h"
#include "sheet/ExportFiche.h"

#include <QJsonArray>
#include <QtTest>

namespace {

const QString kMoyen = QStringLiteral("10 10 10 10 10 10");

// "Roublard 5, Assassin 3" avec les valeurs de départ "For Dex Con Int Sag Cha".
QVector<NiveauTest> niveaux(const QString& classes, const QString& caracs)
{
    QVector<NiveauTest> v;
    for (const QString& c : classes.split(QStringLiteral(", "))) {
        const qsizetype espace = c.lastIndexOf(u' ');
        v += QVector<NiveauTest>(c.mid(espace + 1).toInt(), NiveauTest{c.left(espace), 6});
    }
    const QStringList valeurs = caracs.split(u' ');
    for (int i = 0; i < 6; ++i)
        v[0].caracs[i] = valeurs.at(i).toInt();
    return v;
}

LigneCapacite capacite(const QString& nom, const QString& personnage)
{
    LigneCapacite l;
    l.Nom = l.Libelle = nom;
    l.Personnage = personnage;
    l.Niveau = l.Valeur = QStringLiteral("1");
    return l;
}

} // namespace

class TestCapacitesClasse : public TestFicheBase
{
    Q_OBJECT

    int m_numero = 0;

    Fiche fiche(const QString& classes, const QString& caracs, const QString& race = QStringLiteral("Humain"),
                const QVariantMap& champs = {}, const QStringList& capacites = {}, const QVector<ObjetPorte>& objets = {})
    {
        const QString nom = QStringLiteral("P%1").arg(++m_numero);
        QVariantMap c = champs;
        c.insert(QStringLiteral("RACE"), race);
        ajoutePersonnageFiche(*m_perso, nom, niveaux(classes, caracs), c);
        equipeTest(*m_perso, nom, objets);
        SaisiesFiche s;
        for (const QString& n : capacites)
            s.Capacites << capacite(n, nom);
        return calculeFiche(*m_perso, *m_programme, nom, s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
    }

    // Toutes les lignes de la fiche, dans l'ordre de la table ; une valeur nulle n'écrit rien.
    void lignes_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QString>("caracs");
        QTest::addColumn<QStringList>("attendues");
        QTest::addColumn<QStringList>("capacites");
        QTest::addColumn<QVariantMap>("champs");
        const auto cas = [](const char* nom, const char* classes, const char* caracs, const QStringList& attendues,
                            const QStringList& capacites = {}, const QVariantMap& champs = {}) {
            QTest::newRow(nom) << QString::fromUtf8(classes) << QString::fromUtf8(caracs) << attendues << capacites
                               << champs;
        };
        const QString rage = QStringLiteral("Effet de la rage : Force : +4  Constitution : +4  Volonté : +2  CA : -2");
        // Rage : 1 + 1 au niveau 4 ; 3 rounds + Con 18 en rage (+4) ; +4/+4, +2 Volonté, -2 CA.
        cas("barbare 6", "Barbare 6", "10 10 14 10 10 10",
            {"Nombre de rage : 2", "Durée de la rage(bonus rage inclut) : 7 rounds", rage});
        // Rage de grand berserker (niveau 11) : +6/+6 et +3 en Volonté ; trois rages (4, 8).
        cas("barbare 11", "Barbare 11", "10 10 14 10 10 10",
            {"Nombre de rage : 3", "Durée de la rage(bonus rage inclut) : 7 rounds",
             "Effet de la rage : Force : +6  Constitution : +6  Volonté : +3  CA : -2"});
        // Une rage de plus prise comme capacité : 2 + 1, sans doubler les effets de base.
        cas("barbare 4 + rage", "Barbare 4", "10 10 12 10 10 10",
            {"Nombre de rage : 3", "Durée de la rage(bonus rage inclut) : 6 rounds", rage}, {"Rage +1"});
        // Paladin 4, Cha 14 (+2) : châtiment 1/jour à +2, imposition 4 × 2, renvoi 3 + 2.
        cas("paladin 4", "Paladin 4", "10 10 10 10 10 14",
            {"Nombre de châtiment du mal : 1", "Bonus châtiment du Mal : +2", "Imposition des mains : 8",
             "Nombre de renvoi de morts vivants : 5"});
        // Paladin 9, Cha 12 : destrier, 2 châtiments (5), 9 × 1, guérison 2 fois par semaine (6, 9).
        cas("paladin 9", "Paladin 9", "10 10 10 10 10 12",
            {"Niveau du destrier du paladin : 9", "Nombre de châtiment du mal : 2", "Bonus châtiment du Mal : +1",
             "Imposition des mains : 9", "Nombre de renvoi de morts vivants : 4",
             "Nombre de guérison des maladies par semaine : 2"});
        cas("prêtre 5", "Prêtre 5", "10 10 10 10 10 12", {"Nombre de renvoi de morts vivants : 4"});
        // Domaine de la mort : contact mortel 1/jour, niveau d6.
        cas("prêtre de la mort", "Prêtre 3", "10 10 10 10 10 10",
            {"Nombre d'utilisation du pouvoir de Mort : 1", "Dégât du pouvoir de Mort : 3d6",
             "Nombre de renvoi de morts vivants : 3"},
            {}, {{"Domaine_1", "Mort"}});
        cas("roublard 5", "Roublard 5", "10 10 10 10 10 10", {"Nombre de dés sournois : +3"});
        cas("guerrier 4 roublard 3", "Guerrier 4, Roublard 3", "10 10 10 10 10 10", {"Nombre de dés sournois : +2"});
        // Les dés de l'assassin (1, 3) s'ajoutent à ceux du roublard.
        cas("roublard 5 assassin 3", "Roublard 5, Assassin 3", "10 10 10 10 10 10", {"Nombre de dés sournois : +5"});
        // Coup ki magique au niveau 4 ; coup étourdissant 4 fois, DD 10 + 2 + Sag 2.
        cas("moine 4", "Moine 4", "10 10 10 10 14 10",
            {"Pouvoir ki : magie", "Nombre de coup étourdissant : 4", "DD coup étourdissant : 14"});
        // Musique 3/jour, inspiration +1, fascination 1 cible, capacité remarquable +2, savoir 3 + Int 0.
        cas("barde 3", "Barde 3", "10 10 10 10 10 14",
            {"Nombre de chant de barde : 3", "Bonus inspiration vaillante : +1", "Nombre de cible pour la fascination : 1",
             "Bonus d'aptitude de l'inspiration talentueuse : 2", "Savoir bardique : +3"});
        // Rôdeur 5 : deux ennemis jurés, empathie 5 + Cha 0, compagnon de druide 2.
        cas("rôdeur 5", "Rôdeur 5", "10 10 10 10 10 10",
            {"Nombre d'ennemi juré : 2", "Empathie sauvage : +5", "Niveau du compagnon animal : 2"});
        // Druide 8 : forme animale 3/jour (5, 6, 7), 8 DV au plus, taille G au niveau 8.
        cas("druide 8", "Druide 8", "10 10 10 10 10 12",
            {"Empathie sauvage : +9", "Niveau du compagnon animal : 8", "Nombre de forme animale : 3",
             "Dés de vie de la forme animale : 8", "Types de Forme animale : petites, moyennes, grandes"});
        // Roulé-boulé 1/jour au niveau 5 (don de la progression), illusion d'ombre dès le niveau 3,
        // saut d'ombre 12 m au niveau 6.
        cas("danseur de l'ombre 6", "Roublard 5, Danseur de l'ombre 6", "10 10 10 10 10 10",
            {"Nombre de roulé-boulé : 1", "Nombre de dés sournois : +3", "Nombre d'ombres illusoire : 1",
             "Distance de téléportation par les ombres : 12"});
        cas("magicien", "Magicien 5", "10 10 10 10 10 10", {});
    }

    void lignes()
    {
        QFETCH(QString, classes);
        QFETCH(QString, caracs);
        QFETCH(QStringList, attendues);
        QFETCH(QStringList, capacites);
        QFETCH(QVariantMap, champs);
        const Fiche f = fiche(classes, caracs, QStringLiteral("Humain"), champs, capacites);
        QVERIFY(f.etapeCalculee(26));
        QCOMPARE(f.CapacitesClasse, attendues);
    }

    // Ennemis jurés choisis : +2 chacun, +2 de plus au niveau 5 sur l'un d'eux.
    void ennemisJures()
    {
        ajoutePersonnageFiche(*m_perso, "Traqueur", niveaux("Rôdeur 5", kMoyen), {{"RACE", "Humain"}});
        const std::tuple<int, const char*, const char*> choix[] = {
            {1, "Ennemi juré", "Aberration"}, {5, "Ennemi juré", "Animal"}, {5, "Bonus ennemi juré", "Aberration"}};
        for (const auto& [niveau, don, type] : choix)
            m_perso->ajoute("PersonnageDons", {{"Nom", "Traqueur"}, {"Classe", "Rôdeur"}, {"Niveau", niveau},
                                               {"dons", QString::fromUtf8(don)}, {"Libelle", QString::fromUtf8(type)}});
        const Fiche f = calculeFiche(*m_perso, *m_programme, "Traqueur");
        QVERIFY(f.CapacitesClasse.contains("Bonus ennemi juré : Aberration +4, Animal +2"));
    }

    // Chaque compteur que l'analyse des capacités remplit s'écrit quelque part sur la fiche : ligne
    // de capacité de classe ou élément d'une des deux notes.
    void compteursImprimes()
    {
        QStringList noms;
        QStringList cles;
        for (const EntreeCatalogue& e : CatalogueCapacites()) {
            if (e.effet != EffetCapacite::Compteur && e.effet != EffetCapacite::CompteurLigne
                && e.effet != EffetCapacite::Texte)
                continue;
            noms << QString::fromUtf8(e.nom);
            cles << QString::fromUtf8(e.texte);
        }
        noms.removeDuplicates();
        const Fiche f = fiche(QStringLiteral("Guerrier 1"), kMoyen, QStringLiteral("Humain"), {}, noms);
        for (const QString& cle : cles) {
            // La Volonté et la CA de la rage s'écrivent sur la ligne de son effet.
            const QString cherche = cle.startsWith(QStringLiteral("Effet de la rage"))
                                        ? QStringLiteral("Effet de la rage : Force : +")
                                        : cle;
            const bool ligne = std::any_of(f.CapacitesClasse.cbegin(), f.CapacitesClasse.cend(),
                                           [&](const QString& l) { return l.startsWith(cherche); });
            if (!ligne && !f.NoteCA.contains(cle) && !f.NoteJS.contains(cle))
                QFAIL(qPrintable(QStringLiteral("compteur jamais écrit : \"%1\"").arg(cle)));
        }
    }

    void notes_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QString>("archetype");
        QTest::addColumn<QString>("noteCA");
        QTest::addColumn<QString>("noteJS");
        // Nain : +2 contre le poison et contre les sorts ; +4 d'esquive contre les géants.
        QTest::newRow("nain") << "Nain" << "Guerrier 1" << "" << "+4 d'esquive contre les géants."
                              << "Bonus aux JS : Poison +2, Sorts et pouvoirs magiques +2\r\nImmunité : .";
        // Halfelin : +2 de moral contre la terreur ; rien de conditionnel à la CA.
        QTest::newRow("halfelin") << "Halfelin" << "Guerrier 1" << "" << ""
                                  << "Bonus aux JS : Terreur +2\r\nImmunité : .";
        // Roublard 6 : sens des pièges +2 (3, 6), esquive instinctive (4).
        QTest::newRow("roublard 6") << "Humain" << "Roublard 6" << ""
                                    << "+2 d'esquive contre les pièges, garde son bonus de Dextérité à la CA quand il "
                                       "est pris au dépourvu."
                                    << "Bonus aux JS : Pièges (Réflexe) +2\r\nImmunité : .";
        // Moine elfe 5 : sérénité et bonus elfique contre les enchantements ; pureté physique et
        // sommeil ; la Sagesse est comptée dans la CA même, pas en note.
        QTest::newRow("moine elfe 5") << "Elfe" << "Moine 5" << "" << ""
                                      << "Bonus aux JS : Enchantement +4\r\nImmunité : Maladies, Sommeil.";
        // Paladin 3 : aura de bravoure et santé divine.
        QTest::newRow("paladin 3") << "Humain" << "Paladin 3" << "" << ""
                                   << "Bonus aux JS : \r\nImmunité : Terreur, Maladies.";
        // Assassin 4 : +2 contre le poison (2, 4), qui s'ajoute au +2 du nain ; l'esquive instinctive
        // de deux classes devient supérieure.
        QTest::newRow("assassin nain") << "Nain" << "Roublard 5, Assassin 4" << ""
                                       << "+1 d'esquive contre les pièges, garde son bonus de Dextérité à la CA quand "
                                          "il est pris au dépourvu, ne peut pas être pris en tenaille, +4 d'esquive "
                                          "contre les géants."
                                       << "Bonus aux JS : Pièges (Réflexe) +1, Poison +4, Sorts et pouvoirs magiques +2"
                                          "\r\nImmunité : .";
        // Fantôme : intangible, la note de la CA commence par l'avertissement ; immunités des
        // morts-vivants.
        QTest::newRow("fantôme") << "Humain" << "Guerrier 1" << "Fantôme"
                                 << "Attention type intangible on ne compte pas l'armure naturelle, l'armure et le "
                                    "bouclier à la CA."
                                 << "Bonus aux JS : \r\nImmunité : Poisons, Sommeil, Paralysie, Etourdissement, "
                                    "Maladies, Effets de mort, Dégâts non-létaux, Diminutions permanentes de "
                                    "caractéristique, Absorption d'énergie, Fatigue, Epuisement, Effets nécessitant un "
                                    "jet de Vigueur (sauf quand ils affectent également les objets), La mort par "
                                    "dégâts excessifs, Effets mentaux, Coups critiques.";
    }

    void notes()
    {
        QFETCH(QString, race);
        QFETCH(QString, classes);
        QFETCH(QString, archetype);
        QFETCH(QString, noteCA);
        QFETCH(QString, noteJS);
        const Fiche f = fiche(classes, kMoyen, race, {{"Archetype", archetype}});
        QVERIFY(f.etapeCalculee(24) && f.etapeCalculee(25));
        QCOMPARE(f.NoteCA, noteCA);
        QCOMPARE(f.NoteJS, noteJS);
    }

    // Capacités de classe qui changent un chiffre de la fiche, reçues de la progression.
    void chiffresDesCapacites_data()
    {
        QTest::addColumn<QString>("classes");
        QTest::addColumn<QString>("caracs");
        QTest::addColumn<QStringList>("objets");    // "objet@emplacement"
        QTest::addColumn<QStringList>("attendus");  // "mesure=valeur"
        // Disciple draconien 10 : Force +2 (2), +2 (4), +4 (apothéose) ; Con +2 (6), Int +2 (8),
        // Cha +2 (apothéose) ; armure naturelle +1 (1, 4, 7) portée à +4 : CA 14.
        QTest::newRow("disciple draconien 10") << "Disciple draconien 10" << kMoyen << QStringList{}
                                               << QStringList{"Force=18", "Constitution=12", "Intelligence=12",
                                                              "Charisme=12", "CA=14", "CA dépourvu=14"};
        // Disciple draconien 2 : BBA +1, Force 10 + 2 (+1) ; griffes 1d4 et morsure 1d6 d'une
        // créature moyenne, les griffes principales comme celles du demi-dragon : griffes +1 + 1,
        // morsure secondaire +2 - 5 = -3 et moitié de la Force aux dégâts (+0).
        QTest::newRow("disciple draconien 2") << "Disciple draconien 2" << kMoyen << QStringList{}
                                              << QStringList{"Griffe=Mélée(+2/+2) Dégâts(1d4+1) (20,x2)",
                                                              "Morsure=Mélée(-3) Dégâts(1d6+0) (20,x2)"};
        // Réaction accrue : +2 au niveau 2, +4 au niveau 8.
        QTest::newRow("duelliste 8") << "Duelliste 8" << kMoyen << QStringList{} << QStringList{"Initiative=4"};
        // Âme de diamant : RM 10 + niveau de moine ; perfection de l'être : RD 10/magie.
        QTest::newRow("moine 13") << "Moine 13" << kMoyen << QStringList{} << QStringList{"RM=23", "RD="};
        QTest::newRow("moine 20") << "Moine 20" << kMoyen << QStringList{} << QStringList{"RM=30", "RD=10/magie"};
        // RD 1/- au niveau 7, +1 tous les trois niveaux ; défenseur nain : 3/- au 6, 6/- au 10.
        QTest::newRow("barbare 10") << "Barbare 10" << kMoyen << QStringList{} << QStringList{"RD=2/-"};
        QTest::newRow("barbare 20") << "Barbare 20" << kMoyen << QStringList{} << QStringList{"RD=5/-"};
        QTest::newRow("défenseur nain 6") << "Guerrier 7, Défenseur nain 6" << kMoyen << QStringList{}
                                          << QStringList{"RD=3/-"};
        QTest::newRow("danseur de l'ombre 2") << "Roublard 5, Danseur de l'ombre 2" << kMoyen << QStringList{}
                                              << QStringList{"Vision=Vision dans le noir 18 m"};
        // Instinct naturel : +2 en Connaissances (nature) et en Survie.
        QTest::newRow("druide 1") << "Druide 1" << kMoyen << QStringList{}
                                  << QStringList{"Survie=2", "Connaissances (nature)=2"};
        // Duelliste 4, Int 14 : sans armure ni bouclier, rapière en main, Réflexes 4 + 2 (grâce) et
        // Intelligence +2 (au plus 4) avec la Dextérité à la CA, perdue pris au dépourvu.
        QTest::newRow("duelliste sans armure") << "Duelliste 4" << "10 10 10 14 10 10" << QStringList{"Rapière@0"}
                                               << QStringList{"Réflexe=6", "CA=12", "CA dépourvu=10"};
        // En armure de cuir : ni l'une ni l'autre (armure +2).
        QTest::newRow("duelliste en cuir") << "Duelliste 4" << "10 10 10 14 10 10"
                                           << QStringList{"Rapière@0", "Armure de cuir@1"}
                                           << QStringList{"Réflexe=4", "CA=12", "CA dépourvu=12"};
    }

    void chiffresDesCapacites()
    {
        QFETCH(QString, classes);
        QFETCH(QString, caracs);
        QFETCH(QStringList, objets);
        QFETCH(QStringList, attendus);
        QVector<ObjetPorte> portes;
        for (const QString& o : objets)
            portes.append({o.section('@', 0, 0), o.section('@', 1).toInt()});
        const Fiche f = fiche(classes, caracs, QStringLiteral("Humain"), {}, {}, portes);
        QHash<QString, QString> mesures{
            {"Réflexe", QString::number(f.Jets[0].Final)}, {"CA", QString::number(f.ClasseArmure.Total)},
            {"CA dépourvu", QString::number(f.ClasseArmure.Depourvu)}, {"Initiative", QString::number(f.Initiative)},
            {"RM", QString::number(f.Resistances.Magie)}, {"RD", f.Resistances.TexteDegats}, {"Vision", f.Vision}};
        for (const CaracteristiqueFiche& c : f.Caracteristiques)
            mesures.insert(c.Nom, c.Total);
        for (const LigneCompetence& l : f.Competences)
            mesures.insert(l.NomRegle, QString::number(l.BonusEquipement));
        for (const LigneArme& l : f.Armes)
            mesures.insert(l.Nom, l.Ligne);
        for (const QString& a : attendus)
            QCOMPARE(a.section('=', 0, 0) + '=' + mesures.value(a.section('=', 0, 0), "?"), a);
        // Une grâce ou une défense astucieuse déjà comptées ne restent pas dans les notes ; en
        // armure, les notes les rappellent.
        if (!objets.isEmpty()) {
            QCOMPARE(f.NoteJS.contains("+2 en Réflexes sans armure"), objets.size() > 1);
            QCOMPARE(f.NoteCA.contains("Intelligence à la CA"), objets.size() > 1);
        }
    }

    // Les lignes et les notes sortent dans le JSON et dans le bloc de caractéristiques.
    void export_()
    {
        const Fiche f = fiche(QStringLiteral("Roublard 3"), kMoyen, QStringLiteral("Nain"));
        const QJsonObject o = FicheEnJson(f);
        // Stabilité du nain : +4 pour résister au croc-en-jambe et à la bousculade.
        const QStringList lignes{"Croc-en-jambe (défense): +4", "Bousculade (défense): +4",
                                 "Nombre de dés sournois : +2"};
        QCOMPARE(o.value("capacitesClasse").toArray(), QJsonArray::fromStringList(lignes));
        QCOMPARE(o.value("noteCA").toString(), f.NoteCA);
        QCOMPARE(o.value("noteJS").toString(), f.NoteJS);
        const QString texte = FicheEnTexte(f);
        QVERIFY(texte.contains("\nBonus à la CA : " + f.NoteCA + "\n"));
        QCOMPARE(f.NoteCA, "+1 d'esquive contre les pièges, +4 d'esquive contre les géants.");
        QVERIFY(texte.contains("\nCapacité de classe : " + lignes.join(", ") + "\n"));
        QVERIFY(texte.contains("\nAttaques spéciales : attaque sournoise +2d6\n"));
    }
};

QTEST_GUILESS_MAIN(TestCapacitesClasse)
#include "test_capacites_classe.moc"

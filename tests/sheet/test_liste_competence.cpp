// Page des compétences sur les règles livrées : valeurs attendues tirées à la main des règles 3.5.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/ExportFiche.h"
#include "sheet/ListeCompetence.h"
#include "sheet/RetrouveFiche.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

namespace {

const LigneCompetence* ligne(const Fiche& f, const QString& competence)
{
    for (const LigneCompetence& l : f.Competences)
        if (l.NomRegle == competence)
            return &l;
    return nullptr;
}

} // namespace

class TestListeCompetence : public TestFicheBase
{
    Q_OBJECT

    // Rangs achetés à un niveau, chaîne « n°-points-rangs| ».
    void achats(const QString& nom, int niv, const QString& chaine)
    {
        m_perso->execute(QStringLiteral("update PersonnageProgression set Competence=? where Nom=? and niv=?"),
                         {chaine, nom, niv});
    }

    void recalcule(Fiche& f, qint16 penalite, bool doubleCarac = false, const ListeCapacitesPerso& capacites = {})
    {
        ListeCompetence(*m_perso, *m_programme, capacites, {penalite, doubleCarac}, f);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        ajouteAldo(*m_perso);
        ajoutePersonnageFiche(*m_perso, "Pip", {{"Roublard", 6, {10, 16, 12, 12, 10, 10}}, {"Roublard", 4}, {"Roublard", 4}},
                              {{"RACE", "Halfelin"}});
        ajoutePersonnageFiche(*m_perso, "Spectre", {{"Guerrier", 10, {10, 10, 10, 10, 10, 12}}},
                              {{"RACE", "Humain"}, {"Archetype", "Fantôme"}});
        // Roublard 1 : Déplacement silencieux (22), Saut (53), Crochetage (19), Artisanat 1 (3) à 4 rangs.
        ajoutePersonnageFiche(*m_perso, "Vif", {{"Roublard", 6, {10, 16, 12, 12, 10, 10}}},
                              {{"RACE", "Humain"}, {"Artisanat_1", "Forge"}});
        achats("Vif", 1, "22-4-4|53-4-4|19-4-4|3-4-4|");
        // Roublard 2 : 5 rangs en Saut, Bluff (6), Artisanat 1 et Maîtrise des cordes (37), 1 en Acrobaties (1).
        ajoutePersonnageFiche(*m_perso, "Saute", {{"Roublard", 6, {10, 16, 12, 12, 10, 10}}, {"Roublard", 4}},
                              {{"RACE", "Humain"}, {"Artisanat_1", "Orfèvrerie"}});
        achats("Saute", 1, "53-4-4|6-4-4|3-4-4|37-4-4|");
        achats("Saute", 2, "53-1-1|6-1-1|3-1-1|37-1-1|1-1-1|");
        // Ogre : quatre dés de vie de géant, ses compétences raciales sont de classe.
        ajoutePersonnageFiche(*m_perso, "Grok",
                              {{"Géant", 8, {11, 10, 11, 10, 10, 11}}, {"Géant", 5}, {"Géant", 5}, {"Géant", 5}},
                              {{"RACE", "Ogre"}});
        ajoutePersonnageFiche(*m_perso, "Elwë", {{"Magicien", 4, {10, 14, 12, 16, 12, 10}}}, {{"RACE", "Elfe"}});
        // Guerrier 1 : un rang de Crochetage hors classe, payé deux points.
        ajoutePersonnageFiche(*m_perso, "Mixte", {{"Guerrier", 10, {14, 12, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
        achats("Mixte", 1, "19-2-1|");
    }

    void decodeAchats_data()
    {
        QTest::addColumn<QString>("chaine");
        QTest::addColumn<QList<int>>("attendu");   // n°, points, rangs de chaque achat
        QTest::newRow("deux achats") << "12-2-2|30-2-1|" << QList<int>{12, 2, 2, 30, 2, 1};
        QTest::newRow("vide") << "" << QList<int>{};
        QTest::newRow("entrée incomplète ignorée") << "12-2|30-2-1|" << QList<int>{30, 2, 1};
        QTest::newRow("quatrième nombre sans effet") << "7-1-1-9|" << QList<int>{7, 1, 1};
        QTest::newRow("dernière entrée sans barre") << "7-3-3" << QList<int>{7, 3, 3};
        QTest::newRow("nombres hors bornes ramenés") << "1e11-inf-3e400|" << QList<int>{1000, 0, 1000};
    }

    void decodeAchats()
    {
        QFETCH(QString, chaine);
        QFETCH(QList<int>, attendu);
        QList<int> lu;
        for (const AchatCompetence& a : DecodeAchatsCompetence(chaine))
            lu << a.numero << a.points << a.rangs;
        QCOMPARE(lu, attendu);
    }

    void bonusSynergie_data()
    {
        QTest::addColumn<int>("rangs");
        QTest::addColumn<int>("bonus");
        QTest::newRow("4 rangs") << 4 << 0;
        QTest::newRow("5 rangs") << 5 << 2;
        QTest::newRow("24 rangs") << 24 << 2;
        QTest::newRow("25 rangs") << 25 << 4;
        QTest::newRow("44 rangs") << 44 << 4;
        QTest::newRow("45 rangs") << 45 << 6;
    }

    void bonusSynergie()
    {
        QFETCH(int, rangs);
        QFETCH(int, bonus);
        QCOMPARE(int(BonusSynergie(rangs)), bonus);
    }

    // Lignes calculées de bout en bout par RetrouveFiche.
    void lignes_data()
    {
        QTest::addColumn<QString>("perso");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("carac");
        QTest::addColumn<int>("race");
        QTest::addColumn<int>("synergie");
        QTest::addColumn<QString>("total");   // "" : colonne vide

        // Dextérité 16 (+3) et 4 rangs.
        QTest::newRow("déplacement silencieux") << "Vif" << "Déplacement silencieux" << "Déplacement silencieux"
                                                << "Dextérité" << 0 << 0 << "7";
        QTest::newRow("4 rangs de Saut sans synergie") << "Vif" << "Saut" << "Saut" << "Force" << 0 << 0 << "4";
        // Formation nécessaire et aucun rang : pas de total.
        QTest::newRow("acrobaties sans rang") << "Vif" << "Acrobaties" << "Acrobaties" << "Dextérité" << 0 << 0 << "";
        QTest::newRow("art de la magie sans rang") << "Vif" << "Art de la magie" << "Art de la magie" << "Intelligence"
                                                   << 0 << 0 << "";
        // Intelligence 12 (+1) et 4 rangs, sous le nom de la spécialité.
        QTest::newRow("artisanat nommé") << "Vif" << "Artisanat 1" << "Forge" << "Intelligence" << 0 << 0 << "5";
        // Emplacement sans spécialité : pas de nom, modificateur effacé après le total (Int +1).
        QTest::newRow("artisanat sans spécialité") << "Vif" << "Artisanat 2" << "" << "Intelligence" << 0 << 0 << "1";
        // 1 rang + Dex 3 + 2 (5 rangs de Saut).
        QTest::newRow("synergie du saut") << "Saute" << "Acrobaties" << "Acrobaties" << "Dextérité" << 0 << 2 << "6";
        // Aucun rang, Charisme 10, +2 de Bluff.
        QTest::newRow("synergie du bluff") << "Saute" << "Diplomatie" << "Diplomatie" << "Charisme" << 0 << 2 << "2";
        QTest::newRow("bluff intimidation") << "Saute" << "Intimidation" << "Intimidation" << "Charisme" << 0 << 2 << "2";
        // Elfe : Sagesse 12 (+1) + 2 raciaux ; Intelligence 16 (+3) + 2.
        QTest::newRow("elfe détection") << "Elwë" << "Détection" << "Détection" << "Sagesse" << 2 << 0 << "3";
        QTest::newRow("elfe fouille") << "Elwë" << "Fouille" << "Fouille" << "Intelligence" << 2 << 0 << "5";
        QTest::newRow("elfe perception") << "Elwë" << "Perception auditive" << "Perception auditive" << "Sagesse" << 2
                                         << 0 << "3";
        // Halfelin, Dextérité 18 (+4) : +4 de taille pour se cacher, +2 raciaux pour le silence.
        QTest::newRow("halfelin discrétion") << "Pip" << "Discrétion" << "Discrétion" << "Dextérité" << 4 << 0 << "8";
        QTest::newRow("halfelin silence") << "Pip" << "Déplacement silencieux" << "Déplacement silencieux"
                                          << "Dextérité" << 2 << 0 << "6";
        // Fantôme : mort-vivant, la Concentration suit le Charisme (12 + 4 de l'archétype : +3) ;
        // +8 de l'archétype en Détection.
        QTest::newRow("mort-vivant concentration") << "Spectre" << "Concentration" << "Concentration" << "Charisme" << 0
                                                   << 0 << "3";
        QTest::newRow("fantôme détection") << "Spectre" << "Détection" << "Détection" << "Sagesse" << 8 << 0 << "8";
    }

    void lignes()
    {
        QFETCH(QString, perso);
        QFETCH(QString, competence);
        QFETCH(QString, nom);
        QFETCH(QString, carac);
        QFETCH(int, race);
        QFETCH(int, synergie);
        QFETCH(QString, total);
        const Fiche f = calcule(perso);
        QVERIFY(f.etapeCalculee(19));
        const LigneCompetence* l = ligne(f, competence);
        QVERIFY(l);
        QCOMPARE(l->Nom, nom);
        QCOMPARE(l->Carac, carac);
        QCOMPARE(int(l->ModifRace), race);
        QCOMPARE(int(l->BonusSynergie), synergie);
        QCOMPARE(l->TotalAffiche ? QString::number(l->Total) : QString(), total);
    }

    void formationEtStatut_data()
    {
        QTest::addColumn<QString>("perso");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<bool>("sansFormation");
        QTest::addColumn<int>("couleur");
        // Aldo : guerrier 4 puis roublard 3, sa dernière classe.
        QTest::newRow("classe des deux") << "Aldo" << "Escalade" << true << kCouleurClasseDerniere;
        QTest::newRow("guerrier seulement") << "Aldo" << "Dressage" << false << kCouleurClasseAutre;
        QTest::newRow("roublard seulement") << "Aldo" << "Crochetage" << false << kCouleurClasseDerniere;
        QTest::newRow("hors classe") << "Aldo" << "Art de la magie" << false << kCouleurHorsClasse;
        QTest::newRow("magicien") << "Elwë" << "Concentration" << true << kCouleurClasseDerniere;
        QTest::newRow("magicien hors classe") << "Elwë" << "Bluff" << true << kCouleurHorsClasse;
        QTest::newRow("ogre détection") << "Grok" << "Détection" << true << kCouleurClasseDerniere;
        QTest::newRow("ogre escalade") << "Grok" << "Escalade" << true << kCouleurClasseDerniere;
        QTest::newRow("ogre natation") << "Grok" << "Natation" << true << kCouleurHorsClasse;
    }

    void formationEtStatut()
    {
        QFETCH(QString, perso);
        QFETCH(QString, competence);
        QFETCH(bool, sansFormation);
        QFETCH(int, couleur);
        const Fiche f = calcule(perso);
        const LigneCompetence* l = ligne(f, competence);
        QVERIFY(l);
        QCOMPARE(l->SansFormation, sansFormation);
        QCOMPARE(CouleurCompetence(l->Statut), couleur);
    }

    // La classe regardée sur la fiche remplace celle du dernier niveau pour le vert ; une classe
    // que le personnage n'a pas est ignorée.
    void classeRegardee_data()
    {
        QTest::addColumn<QString>("regardee");
        QTest::addColumn<QString>("verte");
        QTest::addColumn<int>("dressage");
        QTest::addColumn<int>("crochetage");
        QTest::newRow("aucune : roublard, son dernier niveau") << "" << "Roublard" << kCouleurClasseAutre
                                                               << kCouleurClasseDerniere;
        QTest::newRow("guerrier regardé") << "Guerrier" << "Guerrier" << kCouleurClasseDerniere << kCouleurClasseAutre;
        QTest::newRow("classe qu'il n'a pas") << "Magicien" << "Roublard" << kCouleurClasseAutre << kCouleurClasseDerniere;
    }
    void classeRegardee()
    {
        QFETCH(QString, regardee);
        SaisiesFiche s;
        s.ClasseCompetences = regardee;
        const Fiche f = calcule("Aldo", s);
        QTEST(f.ClasseCompetences, "verte");
        QCOMPARE(f.ClasseCompetencesChoisie, regardee == u"Guerrier");
        QTEST(CouleurCompetence(ligne(f, "Dressage")->Statut), "dressage");
        QTEST(CouleurCompetence(ligne(f, "Crochetage")->Statut), "crochetage");
    }

    void malusArmure_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<int>("penalite");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<QString>("malus");   // "" : colonne vide
        QTest::newRow("escalade -6") << "Humain" << 6 << "Escalade" << "-6";
        QTest::newRow("natation -12") << "Humain" << 6 << "Natation" << "-12";
        QTest::newRow("escalade -3") << "Humain" << 3 << "Escalade" << "-3";
        QTest::newRow("natation -6") << "Humain" << 3 << "Natation" << "-6";
        QTest::newRow("géant des tempêtes") << "Géant des tempêtes" << 3 << "Natation" << "0";
        QTest::newRow("sans malus d'armure") << "Humain" << 6 << "Crochetage" << "";
        QTest::newRow("sans armure") << "Humain" << 0 << "Escalade" << "";
    }

    void malusArmure()
    {
        QFETCH(QString, race);
        QFETCH(int, penalite);
        QFETCH(QString, competence);
        QFETCH(QString, malus);
        Fiche f = calcule("Aldo");
        f.Personnage.RACE = race;
        recalcule(f, qint16(penalite));
        const LigneCompetence* l = ligne(f, competence);
        QVERIFY(l);
        QCOMPARE(l->PenaliteAffichee ? QString::number(l->PenaliteArmure) : QString(), malus);
    }

    void natationEnArmure()
    {
        // Force 16 (+3), aucun rang, malus 6 doublé : 3 - 12.
        Fiche f = calcule("Aldo");
        recalcule(f, 6);
        QCOMPARE(int(ligne(f, "Natation")->Total), -9);
        // Une compétence à formation nécessaire gagne un total dès qu'elle montre un malus.
        QVERIFY(ligne(f, "Acrobaties")->TotalAffiche);
    }

    void dons()
    {
        Fiche f = calcule("Vif");
        f.Dons = {donTest("Talent", "Escalade"), donTest("Vigilance"), donTest("Forestier"), donTest("Magie de guerre ")};
        recalcule(f, 0);
        QCOMPARE(int(ligne(f, "Escalade")->BonusSynergie), 3);
        QCOMPARE(int(ligne(f, "Natation")->BonusSynergie), 0);
        QCOMPARE(int(ligne(f, "Détection")->BonusSynergie), 2);
        QCOMPARE(int(ligne(f, "Perception auditive")->BonusSynergie), 2);
        QCOMPARE(ligne(f, "Discrétion")->Notes, QStringLiteral("+2 dans une forêt."));
        QCOMPARE(ligne(f, "Concentration")->Notes,
                 QStringLiteral("+4 lorsqu’il tente de lancer un sort sur la défensive."));
        // Déplacement silencieux : 4 rangs + Dex 3, la note ne change pas le total.
        QCOMPARE(int(ligne(f, "Déplacement silencieux")->Total), 7);
        QVERIFY(f.NotesCompetences.contains(QStringLiteral("Discrétion : +2 dans une forêt.\r\n")));
    }

    void notesDeSynergie()
    {
        const Fiche f = calcule("Saute");
        QCOMPARE(ligne(f, "Déguisement")->Notes,
                 QStringLiteral(" +2 lorsque le personnage se sait observé et fait de son mieux pour se comporter en "
                                "accord avec le rôle qu’il s’est choisi."));
        QVERIFY(ligne(f, "Escalade")->Notes.startsWith(QStringLiteral(" +2 pour grimper à une corde")));
        QCOMPARE(ligne(f, "Evasion")->Notes, QStringLiteral(" +2 quand on cherche à échapper à des cordes."));
        QCOMPARE(ligne(f, "Estimation")->Notes,
                 QStringLiteral(" +2 sur les tests liés aux objets produits par Orfèvrerie."));
        QVERIFY(f.NotesCompetences.contains(
            QStringLiteral("Estimation :  +2 sur les tests liés aux objets produits par Orfèvrerie.\r\n")));
        // Vif n'a que 4 rangs d'artisanat : aucune note.
        QVERIFY(calcule("Vif").NotesCompetences.isEmpty());
    }

    void bonusDeLaListe()
    {
        // Deux bonus d'aptitude ne se cumulent pas ; un bonus d'un autre type s'ajoute.
        Fiche f = calcule("Vif");
        AjouteBonus(f.Bonus, "Cape", "Bonus Competence", "Discrétion", "Aptitude", "5");
        AjouteBonus(f.Bonus, "Bottes", "Bonus Competence", "Discrétion", "Aptitude", "3");
        AjouteBonus(f.Bonus, "Anneau", "Bonus Competence", "Discrétion", "Chance", "1");
        recalcule(f, 0);
        QCOMPARE(int(ligne(f, "Discrétion")->BonusEquipement), 6);
        QCOMPARE(int(ligne(f, "Discrétion")->Total), 9);
    }

    void transformationAnimale()
    {
        // En chat (très petit) : Discrétion +4 raciaux et +8 de taille, Equilibre +8, et le Saut
        // se fait sur la Dextérité (+3) plutôt que sur la Force (+0).
        Fiche f = calcule("Vif");
        LigneCapacite chat;
        chat.Nom = QStringLiteral("Transformation animale");
        chat.Libelle = QStringLiteral("Transformation animale [Chat]");
        chat.Personnage = QStringLiteral("Vif");
        f.Race.taille = QStringLiteral("Très petite");
        recalcule(f, 0, false, {chat});
        QCOMPARE(int(ligne(f, "Discrétion")->ModifRace), 12);
        QCOMPARE(ligne(f, "Discrétion")->Notes, QStringLiteral(" +8 dans les herbes hautes."));
        QCOMPARE(int(ligne(f, "Equilibre")->ModifRace), 8);
        QCOMPARE(ligne(f, "Saut")->Carac, QStringLiteral("Dextérité"));
        QCOMPARE(int(ligne(f, "Saut")->Total), 4 + 3 + 4);
    }

    void doubleCarac()
    {
        // Un rang hors classe payé deux points : deux rangs sous le réglage.
        QCOMPARE(int(ligne(calcule("Mixte"), "Crochetage")->Rangs), 1);
        SaisiesFiche s;
        s.DoubleCarac = true;
        QCOMPARE(int(ligne(calcule("Mixte", s), "Crochetage")->Rangs), 2);
    }

    void sansLigneDeNiveau()
    {
        Fiche f;
        f.Personnage.Nom = QStringLiteral("Personne");
        LigneCompetence l;
        l.Nom = QStringLiteral("gardée");
        f.Competences = {l};
        recalcule(f, 0);
        QCOMPARE(f.Competences.size(), 1);
        QCOMPARE(f.Competences.first().Nom, QStringLiteral("gardée"));
    }

    void export_json()
    {
        const QJsonObject o = FicheEnJson(calcule("Vif"));
        bool trouve = false;
        for (const QJsonValue v : o.value(QStringLiteral("competences")).toArray()) {
            const QJsonObject c = v.toObject();
            if (c.value(QStringLiteral("nom")).toString() == QStringLiteral("Déplacement silencieux")) {
                QCOMPARE(c.value(QStringLiteral("rangs")).toInt(), 4);
                QCOMPARE(c.value(QStringLiteral("total")).toInt(), 7);
                trouve = true;
            }
            if (c.value(QStringLiteral("nom")).toString() == QStringLiteral("Art de la magie"))
                QCOMPARE(c.value(QStringLiteral("total")).toString(), QString());
        }
        QVERIFY(trouve);
    }
};

QTEST_GUILESS_MAIN(TestListeCompetence)
#include "test_liste_competence.moc"

// Objets portés : emplacements, analyse et classe d'armure sur les règles livrées.
// Valeurs attendues tirées à la main des règles 3.5 (Harnois : armure +8, Dex max +1,
// malus -6, échec 35 % ; écu en acier : +2, malus -2, échec 15 %).
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/Equipement.h"
#include "sheet/EquipementCA.h"
#include "sheet/ExportFiche.h"
#include "sheet/RetrouveFiche.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

namespace {

// Guerrier humain de niveau 1 : Force 16, Dextérité donnée.
void ajouteGuerrier(BaseDonnees& perso, const QString& nom, int dex, const QVector<ObjetPorte>& objets)
{
    ajoutePersonnageFiche(perso, nom, {{"Guerrier", 10, {16, dex, 12, 10, 10, 10}}}, {{"RACE", "Humain"}});
    equipeTest(perso, nom, objets);
}

} // namespace

Q_DECLARE_METATYPE(QVector<ObjetPorte>)

class TestEquipement : public TestFicheBase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        ajouteGuerrier(*m_perso, "Nu", 14, {});
        ajouteGuerrier(*m_perso, "Harnois", 14, {{"Harnois", 1}});
        ajouteGuerrier(*m_perso, "Ecu", 14, {{"Harnois", 1}, {"Écu en acier", 6}});
        ajouteGuerrier(*m_perso, "Anneau", 14, {{"Harnois", 1}, {"Écu en acier", 6}, {"Anneau de protection +2", 3}});
        ajouteGuerrier(*m_perso, "AnneauBouclier", 14, {{"Harnois", 1}, {"Anneau de protection +2", 6}});
        ajouteGuerrier(*m_perso, "DeuxArmures", 14, {{"Harnois", 1}, {"Harnois +5", 16}});
        ajouteGuerrier(*m_perso, "Agile", 16, {{"Harnois", 1}});
        ajouteGuerrier(*m_perso, "Gauche", 8, {{"Harnois", 1}});
        ajouteGuerrier(*m_perso, "DeuxMains", 14, {{"Harnois", 1}, {"Écu en acier", 6}, {"Épée à deux mains", 0}});
        ajouteGuerrier(*m_perso, "Magique", 14, {{"Harnois +1", 1}, {"Écu en acier +2", 6}});
        ajouteGuerrier(*m_perso, "Sac", 14, {{"Harnois", -1}, {"Anneau de protection +2", -1}});
        ajouteGuerrier(*m_perso, "Inconnu", 14, {{"Objet qui n'existe pas", 1}});
        ajouteGuerrier(*m_perso, "Prudent", 16, {{"Cuirasse", 1}, {"Pavois", 6}});
        ajoutePersonnageFiche(*m_perso, "Petit", {{"Guerrier", 10, {16, 14, 12, 10, 10, 10}}}, {{"RACE", "Halfelin"}});
        equipeTest(*m_perso, "Petit", {{"Harnois", 1}});
        ajouteGuerrier(*m_perso, "Cogneur", 14, {{"Harnois", 1}, {"Écu en acier", 0}});
        ajouteGuerrier(*m_perso, "Phalange", 14, {{"Harnois", 1}, {"Écu en acier", 6}, {"Dague", 0}});
        ajouteGuerrier(*m_perso, "PhalangeEpee", 14, {{"Harnois", 1}, {"Écu en acier", 6}, {"Épée longue", 0}});
        ajoutePersonnageFiche(*m_perso, "Pierre", {{"Guerrier", 10, {16, 14, 16, 10, 10, 10}}}, {{"RACE", "Humain"}});
        // Même paquetage, trois tailles : armure de cuir, épée courte, flèches aux emplacements,
        // arc court et outre dans le sac.
        const QVector<ObjetPorte> paquetage{
            {"Armure de cuir", 1}, {"Épée courte", 0}, {"Flèches (20)", 11}, {"Arc court", -1}, {"Outre", -1}};
        for (const char* race : {"Halfelin", "Humain"}) {
            ajoutePersonnageFiche(*m_perso, QString("Éclaireur ") + race, {{"Roublard", 6, {10, 14, 12, 10, 10, 10}}},
                                  {{"RACE", race}});
            equipeTest(*m_perso, QString("Éclaireur ") + race, paquetage);
        }
        ajoutePersonnageFiche(*m_perso, "Éclaireur Ogre", niveaux("Géant", 4, {11, 10, 11, 10, 10, 11}, 8),
                              {{"RACE", "Ogre"}});
        equipeTest(*m_perso, "Éclaireur Ogre", {{"Armure de peau", 1}, {"Massue", 0}, {"Outre", -1}});
    }

    // Les six formes de la classe d'armure : total, dépourvu, contact, contact dépourvu,
    // et leurs formes intangibles (sans armure ni bouclier de force : égales au contact).
    void classeArmure_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("depourvu");
        QTest::addColumn<int>("contact");
        QTest::addColumn<int>("depourvuContact");
        // Dex 14 : +2 ; sans armure 10 + 2.
        QTest::newRow("sans armure") << "Nu" << 12 << 10 << 12 << 10;
        // 10 + 8 + Dex bornée à 1.
        QTest::newRow("harnois") << "Harnois" << 19 << 18 << 11 << 10;
        QTest::newRow("harnois et écu") << "Ecu" << 21 << 20 << 11 << 10;
        // Parade +2 : dans les quatre formes.
        QTest::newRow("anneau de protection") << "Anneau" << 23 << 22 << 13 << 12;
        // Un anneau à l'emplacement du bouclier est montré mais ne compte pas.
        QTest::newRow("anneau au bouclier") << "AnneauBouclier" << 19 << 18 << 11 << 10;
        // Seule l'armure de l'emplacement d'armure compte.
        QTest::newRow("deux armures") << "DeuxArmures" << 19 << 18 << 11 << 10;
        // Dex 16 (+3) bornée à 1 partout où la Dextérité compte.
        QTest::newRow("dextérité bornée") << "Agile" << 19 << 18 << 11 << 10;
        // Cuirasse (Dex max 3) et pavois (2) : la plus petite limite ; 10 + 5 + 4 + 2.
        QTest::newRow("limite de dextérité la plus basse") << "Prudent" << 21 << 19 << 12 << 10;
        // Halfelin : petite taille +1 partout ; Dex 16 bornée à 1.
        QTest::newRow("petite taille") << "Petit" << 20 << 19 << 12 << 11;
        // Dex 8 (-1) : le malus reste, même pris au dépourvu.
        QTest::newRow("malus de dextérité") << "Gauche" << 17 << 17 << 9 << 9;
        // Une arme à deux mains annule l'écu.
        QTest::newRow("arme à deux mains") << "DeuxMains" << 19 << 18 << 11 << 10;
        // Altérations : armure 8 + 1, bouclier 2 + 2.
        QTest::newRow("altérations") << "Magique" << 24 << 23 << 11 << 10;
        // Objets portés sans emplacement : rien.
        QTest::newRow("objets dans le sac") << "Sac" << 12 << 10 << 12 << 10;
        QTest::newRow("objet inconnu ignoré") << "Inconnu" << 12 << 10 << 12 << 10;
    }
    void classeArmure()
    {
        QFETCH(QString, nom);
        QFETCH(int, total);
        QFETCH(int, depourvu);
        QFETCH(int, contact);
        QFETCH(int, depourvuContact);
        const Fiche f = calcule(nom);
        QVERIFY(f.etapeCalculee(22));
        const ClasseArmureFiche& ca = f.ClasseArmure;
        QCOMPARE(int(ca.Total), total);
        QCOMPARE(int(ca.Depourvu), depourvu);
        QCOMPARE(int(ca.Contact), contact);
        QCOMPARE(int(ca.DepourvuContact), depourvuContact);
        QCOMPARE(int(ca.ContactIntangible), contact);
        QCOMPARE(int(ca.DepourvuContactIntangible), depourvuContact);
    }

    // Dons de bouclier et "Garde de la pierre" : la fiche calculée, le don pris, la CA refaite.
    void donsDeClasseArmure_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("don");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("contact");
        QTest::addColumn<int>("depourvuContact");
        // L'écu en main d'arme sert à frapper : il ne protège qu'avec le don.
        QTest::newRow("coup de bouclier sans le don") << "Cogneur" << "" << 19 << 11 << 10;
        QTest::newRow("science du coup de bouclier") << "Cogneur" << "Science du coup de bouclier" << 21 << 11 << 10;
        // Écu et dague : +1 sans type, au contact aussi.
        QTest::newRow("phalange") << "Phalange" << "Combat En Phalange" << 22 << 12 << 11;
        QTest::newRow("phalange sans arme légère") << "PhalangeEpee" << "Combat En Phalange" << 21 << 11 << 10;
        // Con 16 (+3) en armure, sans armure portée ; sous le harnois (+8), rien de plus.
        QTest::newRow("garde de la pierre") << "Pierre" << "Garde de la pierre" << 10 + 2 + 3 << 12 << 10;
        QTest::newRow("garde de la pierre en harnois") << "Harnois" << "Garde de la pierre" << 19 << 11 << 10;
    }
    void donsDeClasseArmure()
    {
        QFETCH(QString, nom);
        QFETCH(QString, don);
        Fiche f = calcule(nom);
        if (!don.isEmpty()) {
            LigneDon d;
            d.Nom = don;
            f.Dons.append(d);
        }
        f.CA = ComposantesCA{};
        ComposantesClasseArmure(f);
        DexteriteClasseArmure(f);
        CalculeClasseArmure(f);
        QTEST(int(f.ClasseArmure.Total), "total");
        QTEST(int(f.ClasseArmure.Contact), "contact");
        QTEST(int(f.ClasseArmure.DepourvuContact), "depourvuContact");
    }

    void explicationEtJson()
    {
        const Fiche f = calcule("Anneau");
        QCOMPARE(f.ClasseArmure.Explication,
                 QStringLiteral("Base : 10  Taille : +0 Armure : +8 Bouclier : +2 Dextérité : +1 Naturelle : +0"
                                " Parade : +2 Esquive : +0 Chance : +0 Intuition : +0 Divers : +0"));
        const QJsonObject o = FicheEnJson(f);
        const QJsonObject ca = o.value("classeArmure").toObject();
        QCOMPARE(ca.value("total").toInt(), 23);
        QCOMPARE(ca.value("depourvuContactIntangible").toInt(), 12);
        QCOMPARE(o.value("equipement").toArray().size(), 3);
    }

    // Totaux des objets qui comptent : malus d'armure (en grandeur), échec des sorts profanes, Dex max.
    void totaux_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("penalite");
        QTest::addColumn<int>("echec");
        QTest::addColumn<int>("dexMax");   // -99 : aucune limite
        QTest::newRow("rien") << "Nu" << 0 << 0 << -99;
        QTest::newRow("harnois") << "Harnois" << 6 << 35 << 1;
        QTest::newRow("harnois et écu") << "Ecu" << 8 << 50 << 1;
        QTest::newRow("anneau au bouclier") << "AnneauBouclier" << 6 << 35 << 1;
        QTest::newRow("écu annulé") << "DeuxMains" << 6 << 35 << 1;
    }
    void totaux()
    {
        QFETCH(QString, nom);
        QFETCH(int, penalite);
        QFETCH(int, echec);
        QFETCH(int, dexMax);
        const Fiche f = calcule(nom);
        QCOMPARE(int(f.Equip.PenaliteArmure), penalite);
        QCOMPARE(int(f.Equip.EchecSortProfane), echec);
        QCOMPARE(int(f.Equip.BonusDexMax.value_or(-99)), dexMax);
    }

    // Le malus d'armure atteint les compétences : Escalade -8, Natation doublée -16.
    void malusDansLesCompetences()
    {
        const Fiche f = calcule("Ecu");
        QStringList vus;
        for (const LigneCompetence& l : f.Competences)
            if (l.Nom == u"Escalade" || l.Nom == u"Natation")
                vus.append(l.Nom + u' ' + QString::number(l.PenaliteArmure));
        QCOMPARE(vus, (QStringList{"Escalade -8", "Natation -16"}));
    }

    // Outils ordinaires portés dans un emplacement divers (16 à 20) : bonus de circonstances de +2 sur la
    // compétence ; rangé dans le sac, l'outil ne donne rien ; l'anneau d'escalade (+5 d'aptitude) s'y ajoute,
    // deux bonus de circonstances ne se cumulent pas.
    void outilsDansLesCompetences_data()
    {
        QTest::addColumn<QVector<ObjetPorte>>("objets");
        QTest::addColumn<QString>("competence");
        QTest::addColumn<int>("bonus");
        QTest::newRow("matériel d'escalade") << QVector<ObjetPorte>{{"Matériel d'escalade", 16}} << "Escalade" << 2;
        QTest::newRow("dans le sac") << QVector<ObjetPorte>{{"Matériel d'escalade", -1}} << "Escalade" << 0;
        QTest::newRow("avec l'anneau") << QVector<ObjetPorte>{{"Matériel d'escalade", 20}, {"Anneau d'escalade", 3}}
                                       << "Escalade" << 7;
        QTest::newRow("trousse de soins") << QVector<ObjetPorte>{{"Trousse de soins", 17}} << "Premiers secours" << 2;
        QTest::newRow("loupe et balance") << QVector<ObjetPorte>{{"Loupe", 18}, {"Balance de marchand", 19}}
                                          << "Estimation" << 2;
    }
    void outilsDansLesCompetences()
    {
        QFETCH(QVector<ObjetPorte>, objets);
        QFETCH(QString, competence);
        QFETCH(int, bonus);
        const QString nom = QStringLiteral("Outils %1").arg(QTest::currentDataTag());
        ajouteGuerrier(*m_perso, nom, 14, objets);
        const auto total = [&competence](const Fiche& f) {
            for (const LigneCompetence& l : f.Competences)
                if (l.NomRegle == competence)
                    return std::pair(int(l.BonusEquipement), int(l.Total));
            return std::pair(-99, -99);
        };
        const auto [equipement, avec] = total(calcule(nom));
        QCOMPARE(equipement, bonus);
        QCOMPARE(avec - total(calcule("Nu")).second, bonus);
    }

    // Réduction des dégâts des objets portés, avec ce qui passe la plus forte ; rien pour un objet rangé dans le
    // sac. Le total additionne celles de la liste des bonus, comme les autres résistances.
    void reductionDesDegats_data()
    {
        QTest::addColumn<QVector<ObjetPorte>>("objets");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("total");
        QTest::newRow("armure d'invulnérabilité") << QVector<ObjetPorte>{{"Harnois d'invulnérabilité +1", kPlaceArmure}}
                                                  << "5/magie" << 5;
        QTest::newRow("harnois nain") << QVector<ObjetPorte>{{"Harnois nain", kPlaceArmure}} << "3/–" << 3;
        QTest::newRow("la plus forte des deux") << QVector<ObjetPorte>{{"Harnois nain", kPlaceArmure}, {"Ring of Ironskin", 3}}
                                                << "15/adamantium" << 18;
        QTest::newRow("anneau dans le sac") << QVector<ObjetPorte>{{"Ring of Ironskin", -1}} << "" << 0;
    }
    void reductionDesDegats()
    {
        QFETCH(QVector<ObjetPorte>, objets);
        QFETCH(QString, texte);
        QFETCH(int, total);
        const QString nom = QStringLiteral("RD %1").arg(QTest::currentDataTag());
        ajouteGuerrier(*m_perso, nom, 14, objets);
        const Fiche f = calcule(nom);
        QCOMPARE(f.Resistances.TexteDegats, texte);
        QCOMPARE(int(f.Resistances.Degats), total);
    }

    void caseDecocheeRetireLesBonus()
    {
        SaisiesFiche s;
        s.ValideEquipement[kPlaceArmure] = false;
        const Fiche f = calcule("Anneau", s);
        // Écu et anneau restent : 10 + 2 + 2 + 2.
        QCOMPARE(int(f.ClasseArmure.Total), 16);
        QVERIFY(!f.Equip.BonusDexMax.has_value());
        QCOMPARE(f.Equip.Armure, QString());
        QVERIFY(f.Equip.Bouclier);
    }

    void determineBonusDexMax_data()
    {
        QTest::addColumn<int>("candidat");   // -99 : absent
        QTest::addColumn<int>("courant");
        QTest::addColumn<int>("attendu");
        QTest::newRow("rien") << -99 << -99 << -99;
        QTest::newRow("premier") << 3 << -99 << 3;
        QTest::newRow("plus petit") << 1 << 3 << 1;
        QTest::newRow("plus grand ignoré") << 5 << 3 << 3;
        QTest::newRow("absent ignoré") << -99 << 2 << 2;
        QTest::newRow("zéro retenu") << 0 << 2 << 0;
    }
    void determineBonusDexMax()
    {
        QFETCH(int, candidat);
        QFETCH(int, courant);
        QFETCH(int, attendu);
        const auto opt = [](int v) { return v == -99 ? std::optional<qint16>() : std::optional<qint16>(qint16(v)); };
        std::optional<qint16> c = opt(courant);
        DetermineBonusDexMax(opt(candidat), c);
        QCOMPARE(int(c.value_or(-99)), attendu);
    }

    void placeAccepte_data()
    {
        QTest::addColumn<QString>("objet");
        QTest::addColumn<int>("place");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("anneau gauche") << "Anneau de protection +2" << 3 << true;
        QTest::newRow("anneau droit") << "Anneau de protection +2" << 5 << true;
        QTest::newRow("anneau au bouclier") << "Anneau de protection +2" << 6 << false;
        QTest::newRow("écu en main") << "Écu en acier" << 0 << true;
        QTest::newRow("rondache en main gauche") << "Rondache en bois" << 2 << true;
        QTest::newRow("pavois en main") << "Pavois" << 0 << false;
        QTest::newRow("pavois au bouclier") << "Pavois" << 6 << true;
        QTest::newRow("épée en main") << "Épée longue" << 0 << true;
        QTest::newRow("épée à l'armure") << "Épée longue" << 1 << false;
        QTest::newRow("flèches") << "Flèches (20)" << 11 << true;
        QTest::newRow("flèches en divers") << "Flèches (20)" << 16 << false;
        QTest::newRow("harnois") << "Harnois" << 1 << true;
        QTest::newRow("arc en main") << "Arc long" << 2 << true;
    }
    void placeAccepte()
    {
        QFETCH(QString, objet);
        QFETCH(int, place);
        QFETCH(bool, accepte);
        TypeObjet o;
        ListeBonus b;
        QVERIFY(ChargeObjet(*m_programme, objet, o, b));
        QCOMPARE(PlaceAccepte(place, o), accepte);
    }

    void chargeObjetInconnu()
    {
        TypeObjet o;
        ListeBonus b;
        QVERIFY(!ChargeObjet(*m_programme, QStringLiteral("Épée en chocolat"), o, b));
        QVERIFY(b.isEmpty());
    }

    void chargeObjetBonus()
    {
        TypeObjet o;
        ListeBonus b;
        QVERIFY(ChargeObjet(*m_programme, QStringLiteral("Harnois +1"), o, b));
        QCOMPARE(SommeBonus(b, "Bonus Classe Armure", "Armure").nombre.valeur(), qint16(8));
        QCOMPARE(SommeBonus(b, "Bonus Classe Armure", "Alteration Armure").nombre.valeur(), qint16(1));
        QCOMPARE(int(o.BonusDexMax.value_or(-99)), 1);
        b.clear();
        QVERIFY(ChargeObjet(*m_programme, QStringLiteral("Épée longue sainte +1"), o, b));
        const SommeDeBonus degats = SommeBonus(b, "Bonus Dommage", o.NomObjet);
        QCOMPARE(int(degats.nombre), 1);
        QCOMPARE(degats.des, QStringLiteral("+2d6(Sainte)"));
    }

    void deplaceObjet()
    {
        const QString nom = QStringLiteral("Déménageur");
        ajouteGuerrier(*m_perso, nom, 14, {{"Harnois", 1}, {"Écu en acier", -1}, {"Pavois", 6}});
        // L'écu (pos 2) prend l'emplacement du pavois (pos 3), qui retourne dans la liste.
        ResultatDeplacement r = DeplaceObjet(*m_perso, nom, 2, kPlaceBouclier);
        QVERIFY(r.fait);
        QCOMPARE(r.PosDeplace.value_or(-1), 3);
        EquipementPersonnage e = ListeEquip(*m_perso, *m_programme, nom);
        QCOMPARE(e.Places[kPlaceBouclier].NomObjet, QStringLiteral("Écu en acier"));
        QCOMPARE(e.Liste.size(), 1);
        QCOMPARE(e.Liste.at(0).NomObjet, QStringLiteral("Pavois"));
        QCOMPARE(int(calcule(nom).ClasseArmure.Total), 21);

        // Retour de l'armure dans la liste.
        QVERIFY(DeplaceObjet(*m_perso, nom, 1, -1).fait);
        e = ListeEquip(*m_perso, *m_programme, nom);
        QVERIFY(e.Places[kPlaceArmure].estVide());
        QCOMPARE(int(calcule(nom).ClasseArmure.Total), 14);

        // Refus : rien ne change.
        r = DeplaceObjet(*m_perso, nom, 2, 21);
        QVERIFY(!r.fait);
        QVERIFY(!r.message.isEmpty());
        r = DeplaceObjet(*m_perso, nom, 99, 0);
        QVERIFY(!r.fait);
        QVERIFY(r.message.contains(nom));
        e = ListeEquip(*m_perso, *m_programme, nom);
        QCOMPARE(e.Places[kPlaceBouclier].NomObjet, QStringLiteral("Écu en acier"));
    }

    // Le bouclier et ce que tiennent les mains.
    void valideBouclier_data()
    {
        QTest::addColumn<QString>("bouclier");
        QTest::addColumn<QString>("arme");
        QTest::addColumn<bool>("donTarge");
        QTest::addColumn<bool>("compte");
        QTest::newRow("mains vides") << "Écu en acier" << "" << false << true;
        QTest::newRow("arme à une main") << "Écu en acier" << "Épée longue" << false << true;
        QTest::newRow("arme à deux mains") << "Écu en acier" << "Épée à deux mains" << false << false;
        QTest::newRow("lance d'arçon") << "Écu en acier" << "Lance d'arçon" << false << true;
        QTest::newRow("targe sans don") << "Targe" << "Épée à deux mains" << false << false;
        QTest::newRow("targe avec don") << "Targe" << "Épée à deux mains" << true << true;
        QTest::newRow("écu et don de targe") << "Écu en acier" << "Épée à deux mains" << true << false;
    }
    void valideBouclier()
    {
        QFETCH(QString, bouclier);
        QFETCH(QString, arme);
        QFETCH(bool, donTarge);
        QFETCH(bool, compte);
        TypeObjet b, a;
        ListeBonus poubelle;
        QVERIFY(ChargeObjet(*m_programme, bouclier, b, poubelle));
        if (!arme.isEmpty())
            QVERIFY(ChargeObjet(*m_programme, arme, a, poubelle));
        const QStringList dons = donTarge ? QStringList{"Science de la défence à la targe"} : QStringList{};
        QCOMPARE(ValideBouclier(b, arme.isEmpty() ? nullptr : &a, nullptr, dons), compte);
        // Un bouclier animé compte toujours.
        b.Anime = true;
        QVERIFY(ValideBouclier(b, arme.isEmpty() ? nullptr : &a, nullptr, dons));
    }

    // La targe écartée avant la lecture des dons compte une fois le don connu.
    // Armures et armes sont faites à la taille du porteur : moitié du poids catalogue pour une
    // créature petite, double pour une grande ; le reste du paquetage garde son poids.
    void chargeSelonLaTaille_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<double>("poids");          // kg portés
        QTest::addColumn<double>("emplacements");   // kg aux emplacements
        QTest::addColumn<QString>("charge");
        QTest::addColumn<int>("terre");            // cases de 1,50 m
        // Cuir 7,5, épée 1, flèches 1,5, arc 1 : moitié, 5,5 ; outre 2. Force 10 - 2 = 8 : charge
        // légère jusqu'à 13 × 3/4 = 9,75 kg ; au poids d'un humain (13 kg), le halfelin irait à 4,5 m.
        QTest::newRow("halfelin") << "Éclaireur Halfelin" << 7.5 << 5.0 << "légère" << 4;
        // Humain, Force 10 : 13 kg, charge légère jusqu'à 16,5 kg.
        QTest::newRow("humain") << "Éclaireur Humain" << 13.0 << 10.0 << "légère" << 6;
        // Ogre : peau 12,5 et massue 4, doublées (33) ; outre 2. L'armure intermédiaire seule le
        // ralentit : 12 m → 9 m.
        QTest::newRow("ogre") << "Éclaireur Ogre" << 35.0 << 33.0 << "légère" << 6;
    }
    void chargeSelonLaTaille()
    {
        QFETCH(QString, nom);
        QFETCH(double, poids);
        QFETCH(double, emplacements);
        QFETCH(QString, charge);
        QFETCH(int, terre);
        const Fiche f = calcule(nom);
        QCOMPARE(f.PoidsTransporte, poids);
        QCOMPARE(f.Equip.Poids, emplacements);
        QCOMPARE(f.Encombrement, charge);
        QCOMPARE(int(f.Deplacement.Terre), terre);
    }

    void targeRevueAvecLesDons()
    {
        ajouteGuerrier(*m_perso, "Targier", 14, {{"Harnois", 1}, {"Targe", 6}, {"Épée à deux mains", 0}});
        Fiche f = calcule("Targier");
        QCOMPARE(int(f.ClasseArmure.Total), 19);
        QCOMPARE(int(f.Equip.PenaliteArmure), 6);
        QVERIFY(!f.Equip.Bouclier);

        // Même analyse, le don pris : la targe donne +1 et ajoute son malus de 1.
        f = Fiche{};
        f.Personnage.Nom = QStringLiteral("Targier");
        AnalyseEquip(*m_perso, *m_programme, f, SaisiesFiche{}.ValideEquipement);
        LigneDon d;
        d.Nom = QStringLiteral("Science de la défence à la targe");
        f.Dons.append(d);
        ComposantesClasseArmure(f);
        QCOMPARE(int(f.CA.Bouclier), 1);
        QCOMPARE(int(f.Equip.PenaliteArmure), 7);
        QVERIFY(f.Equip.Bouclier);
    }
};

QTEST_GUILESS_MAIN(TestEquipement)
#include "test_equipement.moc"

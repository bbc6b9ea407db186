// Page des sorts : sorts par jour, sorts connus, sorts préparés, métamagie et conservation.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "sheet/ExportFiche.h"
#include "sheet/SortsConnus.h"
#include "sheet/SortsMetamagie.h"
#include "sheet/SortsParJour.h"
#include "sheet/SortsPrepares.h"
#include "shell/db/Schema.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// Valeurs de départ sans modificateur, pour les lanceurs dont la caractéristique ne compte pas.
constexpr std::array<int, 6> kDix{10, 10, 10, 10, 10, 10};

// Totaux par jour des niveaux 0 à 3, "-" pour un niveau sans emplacement.
QString totaux(const SortsClasse& s)
{
    QStringList t;
    for (int n = 0; n <= 3; ++n)
        t.append(s.total[n] ? QString::number(*s.total[n]) : QStringLiteral("-"));
    return t.join(u'/');
}

LigneDon donGenre(const QString& nom, const QString& genre)
{
    LigneDon d = donTest(nom);
    d.Genre = genre;
    return d;
}

// Copie une ligne de progression livrée sous une autre classe et un autre niveau.
void copieProgression(BaseDonnees& r, const QString& source, int niveauSource, const QString& classe, int niveau)
{
    QStringList champs, valeurs;
    for (const QString& c : r.champs("ClasseProgression")) {
        champs.append('"' + c + '"');
        valeurs.append(c == u"Classe" || c == u"Niveau" ? QStringLiteral("?") : champs.last());
    }
    r.execute(QString("insert into ClasseProgression (%1) select %2 from ClasseProgression where Classe=? and Niveau=?")
                  .arg(champs.join(','), valeurs.join(',')),
              {classe, niveau, source, niveauSource});
}

// Règles absentes des données livrées, ajoutées à la copie du test :
// - "Sorcier" : places d'invocation par grade en s_c_1 (inférieures) et s_c_2 (mineures) ;
// - "Rakshasa" : lanceur racial, comme un ensorceleur de niveau 7, avec sa colonne de sorts.
void ajouteReglesDeTest(BaseDonnees& r)
{
    for (const char* classe : {"Sorcier", "Rakshasa"})
        r.execute("insert into Classe (Classe, Type, PointDeVie, CompetenceNiveauSupp, attaque, Reflexe, Vigueur, Volonte, "
                  "CaracSort_DD, CaracSort_Bonus, ListeSort, nls, EstLanceurSort, EstTout, EstLimite) "
                  "select ?, Type, PointDeVie, CompetenceNiveauSupp, attaque, Reflexe, Vigueur, Volonte, CaracSort_DD, "
                  "CaracSort_Bonus, ?, 0, 1, 0, 1 from Classe where Classe='Ensorceleur'",
                  {QString::fromUtf8(classe), QString::fromUtf8(classe)});
    // Sorcier 1 à 8 : 1, 2, 2, 3, 3, 4, 4, 5 invocations ; mineures dès le niveau 6.
    const int inferieures[] = {1, 2, 2, 3, 3, 3, 3, 3};
    const int mineures[] = {0, 0, 0, 0, 0, 1, 1, 2};
    for (int niv = 1; niv <= 8; ++niv) {
        copieProgression(r, "Ensorceleur", niv, "Sorcier", niv);
        r.execute("update ClasseProgression set s_n_0=null, s_n_1=1, s_n_2=?, s_n_3=null, s_n_4=null, s_n_5=null, "
                  "s_n_6=null, s_n_7=null, s_n_8=null, s_n_9=null, s_c_0=null, s_c_1=?, s_c_2=?, s_c_3=null, s_c_4=null, "
                  "s_c_5=null, s_c_6=null, s_c_7=null, s_c_8=null, s_c_9=null where Classe='Sorcier' and Niveau=?",
                  {mineures[niv - 1] > 0 ? QVariant(1) : QVariant(), inferieures[niv - 1],
                   mineures[niv - 1] > 0 ? QVariant(mineures[niv - 1]) : QVariant(), niv});
    }
    copieProgression(r, "Ensorceleur", 7, "Rakshasa", 1);
    r.ajouteChamp("Sort", entier("Sorcier"));
    r.ajouteChamp("Sort", entier("Rakshasa"));
    for (int i = 1; i <= 4; ++i)
        r.ajoute("Sort", {{"Nom", QString("Inférieure %1").arg(i)}, {"Sorcier", 1}});
    for (int i = 1; i <= 3; ++i)
        r.ajoute("Sort", {{"Nom", QString("Mineure %1").arg(i)}, {"Sorcier", 2}});
    r.execute("update Sort set Rakshasa=Ensorceleur where Nom in ('Alarme', 'Charme-personne', 'Projectile magique')");
}

int indexEmplacement(const SortsClasse& s, const QString& nom)
{
    for (int i = 0; i < s.prepares.size(); ++i)
        if (s.prepares.at(i).emplacement == nom)
            return i;
    return -1;
}

} // namespace

class TestSorts : public TestFicheBase
{
    Q_OBJECT

    int m_numero = 0;

    // Personnage neuf calculé (humain sauf race donnée) ; dons ajoutés à la liste de la fiche,
    // puis table des sorts refaite.
    Fiche fiche(const QVector<NiveauTest>& niv, const QVariantMap& champs = {}, const QVector<LigneDon>& dons = {},
                const QVector<ObjetPorte>& objets = {})
    {
        const QString nom = QStringLiteral("Lanceur %1").arg(++m_numero);
        QVariantMap c = champs;
        if (!c.contains(QStringLiteral("RACE")))
            c.insert(QStringLiteral("RACE"), QStringLiteral("Humain"));
        ajoutePersonnageFiche(*m_perso, nom, niv, c);
        equipeTest(*m_perso, nom, objets);
        Fiche f = calculeFiche(*m_perso, *m_programme, nom);
        f.Dons += dons;
        return f;
    }

    static QVector<LigneDon> lignesDons(const QStringList& dons)
    {
        QVector<LigneDon> lignes;
        for (const QString& d : dons)
            lignes.append(donTest(d.section(u'|', 0, 0), d.section(u'|', 1)));
        return lignes;
    }

    // Ajoute les sorts un à un comme le bouton d'ajout ; rend le refus du dernier ("" : accepté).
    QString ajouteUnAUn(const Fiche& f, const QString& classe, const QStringList& sorts)
    {
        SortsClasse s = rempNbSort(*m_programme, f, classe);
        QString refus;
        for (const QString& sort : sorts) {
            const AjoutSort a = ControleAjoutSort(*m_programme, f, s, sort);
            refus = a.refus.value_or(QString());
            if (!a.refus)
                s.connus.append(a.sort);
        }
        return refus;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases(true))
            QSKIP("tessarys.db n'est pas construite");
        ajouteReglesDeTest(*m_programme);
    }

    // Table de la 3.5 : sorts par jour + sorts en bonus + emplacement de spécialité ou de domaine ;
    // la classe est celle du premier niveau.
    void sortsParJour_data()
    {
        QTest::addColumn<QVector<NiveauTest>>("niv");
        QTest::addColumn<QVariantMap>("champs");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<int>("niveauLanceur");
        const QVector<NiveauTest> mag5 = niveaux("Magicien", 5, {10, 10, 10, 16, 10, 10});
        const QVector<NiveauTest> paladin4 = niveaux("Paladin", 4, {10, 10, 10, 10, 12, 10});
        const QVariantMap aucun;
        QTest::newRow("magicien 5 généraliste") << mag5 << aucun << QStringList{} << "4/4/3/2" << 5;
        QTest::newRow("magicien 5 spécialisé") << mag5 << QVariantMap{{"EcoleSpecialisation", "Evocation"}} << QStringList{}
                                               << "5/5/4/3" << 5;
        QTest::newRow("Généraliste n'est pas une spécialité")
            << mag5 << QVariantMap{{"EcoleSpecialisation", "Généraliste"}} << QStringList{} << "4/4/3/2" << 5;
        QTest::newRow("Malus NLS : un niveau de moins") << mag5 << aucun << QStringList{"Malus NLS"} << "4/4/3/-" << 4;
        // Niveau virtuel : compte comme un niveau de magicien ; "+1" : niveau de lanceur seul.
        QTest::newRow("niveau de lanceur virtuel") << mag5 << aucun << QStringList{"Niveau de lanceur de sorts virtuel"}
                                                   << "4/4/4/3" << 6;
        QTest::newRow("niveau virtuel d'une autre classe")
            << mag5 << aucun << QStringList{"Niveau de lanceur de sorts virtuel|Prêtre"} << "4/4/3/2" << 5;
        QTest::newRow("niveau de lanceur +1") << mag5 << aucun << QStringList{"Niveau de lanceur de sort +1"} << "4/4/3/2" << 6;
        QTest::newRow("paladin 4 et +1 : moitié, puis +1")
            << paladin4 << aucun << QStringList{"Niveau de lanceur de sort +1"} << "-/1/-/-" << 3;
        // Sorts en bonus jusqu'au niveau égal au modificateur : Int 12 (+1) au niveau 1 seul, et pas
        // de sort du niveau 3 sous Int 13 ; Int 20 (+5) : deux au niveau 1, un aux niveaux 2 et 3.
        QTest::newRow("intelligence 12") << niveaux("Magicien", 5, {10, 10, 10, 12, 10, 10}) << aucun << QStringList{}
                                         << "4/4/2/-" << 5;
        QTest::newRow("intelligence 20") << niveaux("Magicien", 5, {10, 10, 10, 20, 10, 10}) << aucun << QStringList{}
                                         << "4/5/3/2" << 5;
        QTest::newRow("emplacement supplémentaire du niveau 2")
            << mag5 << aucun << QStringList{"Emplacement de sort supplémentaire|2"} << "4/4/4/2" << 5;
        // Magicien 7 : 4/4/3/2/1 ; Intelligence 16 : +1 aux niveaux 1 à 3.
        const QVector<NiveauTest> theurge = mag5 + QVector<NiveauTest>(2, NiveauTest{"Théurge mystique", 4});
        QTest::newRow("classe de prestige") << theurge << aucun << QStringList{} << "4/5/4/3" << 7;
        QTest::newRow("Bloque progression") << theurge << aucun << QStringList{"Bloque progression|Théurge mystique"}
                                            << "4/4/3/2" << 5;
        QTest::newRow("prêtre 3 à deux domaines")
            << niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10}) << QVariantMap{{"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}}
            << QStringList{} << "4/4/3/-" << 3;
        // Paladin : sagesse 11 au moins pour lancer un sort de niveau 1 ; niveau de lanceur : moitié.
        QTest::newRow("paladin 4 sagesse 10") << niveaux("Paladin", 4, kDix) << aucun << QStringList{} << "-/-/-/-" << 2;
        QTest::newRow("paladin 4 sagesse 12") << paladin4 << aucun << QStringList{} << "-/1/-/-" << 2;
    }

    void sortsParJour()
    {
        QFETCH(QVector<NiveauTest>, niv);
        QFETCH(QVariantMap, champs);
        QFETCH(QStringList, dons);
        const SortsClasse s = rempNbSort(*m_programme, fiche(niv, champs, lignesDons(dons)), niv.first().classe);
        QTEST(totaux(s), "attendu");
        QTEST(s.niveauLanceur, "niveauLanceur");
        QVERIFY(s.messages.isEmpty());
    }

    // Objets "Bonus sorts" (magicien, Intelligence 16) : emplacements en plus du niveau nommé,
    // le plus grand des dons et des objets compte.
    void bonusSortsObjets_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QStringList>("objets");   // "nom|place", -1 : dans le sac
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("attendu");
        const QString anneau2 = "Anneau de magie II|3";
        const QString perle = "Perle de thaumaturgie (1er niveau)|16";
        QTest::newRow("anneau porté") << 5 << QStringList{anneau2} << QStringList{} << "4/4/5/2";
        QTest::newRow("anneau dans le sac") << 5 << QStringList{"Anneau de magie II|-1"} << QStringList{} << "4/4/3/2";
        QTest::newRow("perle et anneau") << 5 << QStringList{perle, anneau2} << QStringList{} << "4/5/5/2";
        QTest::newRow("don plus faible que l'anneau")
            << 5 << QStringList{anneau2} << QStringList{"Emplacement de sort supplémentaire|2"} << "4/4/5/2";
        QTest::newRow("deux dons plus forts que la perle")
            << 5 << QStringList{perle}
            << QStringList{"Emplacement de sort supplémentaire|1", "Emplacement de sort supplémentaire|1"} << "4/6/3/2";
        QTest::newRow("pas d'emplacement créé") << 3 << QStringList{"Anneau de magie III|3"} << QStringList{} << "4/3/2/-";
    }

    void bonusSortsObjets()
    {
        QFETCH(int, niveau);
        QFETCH(QStringList, objets);
        QFETCH(QStringList, dons);
        QVector<ObjetPorte> portes;
        for (const QString& o : objets)
            portes.append({o.section(u'|', 0, 0), o.section(u'|', 1).toInt()});
        const Fiche f = fiche(niveaux("Magicien", niveau, {10, 10, 10, 16, 10, 10}), {}, lignesDons(dons), portes);
        QTEST(totaux(rempNbSort(*m_programme, f, QStringLiteral("Magicien"))), "attendu");
    }

    // Portées courte, moyenne et longue du magicien.
    void portees_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QList<int>>("portees");
        QTest::newRow("niveau 3") << 3 << QList<int>{6, 26, 104};
        QTest::newRow("niveau 10") << 10 << QList<int>{10, 40, 160};
    }

    void portees()
    {
        QFETCH(int, niveau);
        const SortsClasse s = rempNbSort(*m_programme, fiche(niveaux("Magicien", niveau, {10, 10, 10, 18, 10, 10})),
                                         QStringLiteral("Magicien"));
        QTEST((QList<int>{s.porteeCourte, s.porteeMoyenne, s.porteeLongue}), "portees");
    }

    // Sorts connus ajoutés un à un ; refus du dernier.
    // Ensorceleur 3 (Charisme 16) : 3 sorts connus de niveau 1, rien au niveau 2.
    // Sorcier : inférieures seules jusqu'au niveau 5 (1, 2, 2, 3, 3), puis 4 dont 1 mineure au
    // niveau 6, 5 dont 2 mineures au niveau 8 ; une mineure peut être remplacée par une inférieure.
    // "Invocation supplémantaire" : une de plus, d'un grade inférieur au plus haut accessible.
    void ajoutSortsConnus_data()
    {
        QTest::addColumn<QVector<NiveauTest>>("niv");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QStringList>("sorts");
        QTest::addColumn<QString>("refus");
        const QVector<NiveauTest> ens = niveaux("Ensorceleur", 3, {10, 10, 10, 10, 10, 16});
        const QStringList quatre{"Agrandissement", "Alarme", "Arme magique", "Armure de mage"};
        const QString max3 = "Ce personnage peut apprendre un maximum de 3 sort de niveau 1";
        QTest::newRow("quatrième sort de niveau 1") << ens << QStringList{} << quatre << max3;
        QTest::newRow("Sort supplémentaire de niveau 1") << ens << QStringList{"Sort supplémentaire|1"} << quatre << "";
        QTest::newRow("Sort supplémentaire d'un autre niveau") << ens << QStringList{"Sort supplémentaire|0"} << quatre << max3;
        QTest::newRow("niveau trop élevé") << ens << QStringList{} << QStringList{"Baiser de la goule"} << kNiveauTropEleve;
        QTest::newRow("déjà connu") << ens << QStringList{} << QStringList{"Alarme", "Alarme"}
                                    << "Le personnage connaît déjà ce sort.";
        const auto sorcier = [](int n) { return niveaux("Sorcier", n); };
        const QStringList inf{"Inférieure 1", "Inférieure 2", "Inférieure 3", "Inférieure 4"};
        const QStringList extra{"Invocation supplémantaire"};
        const QString total = "Ce personnage peut apprendre un maximum de %1 invocation(s).";
        const QString mineures = "Ce personnage peut apprendre un maximum de %1 invocation(s) Mineure ou de type supérieur.";
        QTest::newRow("mineure au niveau 5") << sorcier(5) << QStringList{} << QStringList{"Mineure 1"} << kNiveauTropEleve;
        QTest::newRow("niveau 5 : quatrième") << sorcier(5) << QStringList{} << inf << total.arg(3);
        QTest::newRow("niveau 6 : trois inférieures, une mineure")
            << sorcier(6) << QStringList{} << inf.mid(0, 3) + QStringList{"Mineure 1"} << "";
        QTest::newRow("niveau 6 : quatre inférieures") << sorcier(6) << QStringList{} << inf << "";
        QTest::newRow("niveau 6 : cinquième") << sorcier(6) << QStringList{} << inf + QStringList{"Mineure 1"} << total.arg(4);
        QTest::newRow("niveau 6 : deux mineures") << sorcier(6) << QStringList{} << QStringList{"Mineure 1", "Mineure 2"}
                                                  << mineures.arg(1);
        QTest::newRow("supplémentaire : cinquième") << sorcier(6) << extra << inf + QStringList{"Mineure 1"} << "";
        QTest::newRow("supplémentaire : pas de mineure en plus")
            << sorcier(6) << extra << QStringList{"Mineure 1", "Mineure 2"} << mineures.arg(1);
        QTest::newRow("supplémentaire sans mineure accessible") << sorcier(5) << extra << inf << total.arg(3);
        QTest::newRow("niveau 8 : trois mineures") << sorcier(8) << QStringList{} << QStringList{"Mineure 1", "Mineure 2", "Mineure 3"}
                                                   << mineures.arg(2);
    }

    void ajoutSortsConnus()
    {
        QFETCH(QVector<NiveauTest>, niv);
        QFETCH(QStringList, dons);
        QFETCH(QStringList, sorts);
        QTEST(ajouteUnAUn(fiche(niv, {}, lignesDons(dons)), niv.first().classe, sorts), "refus");
    }

    // Barde 3 (Charisme 16) : 3 sorts connus de niveau 1 ; au-delà, un sort en plus doit être un
    // sort imposé libre (lançable, pas encore connu).
    void sortsImposes_data()
    {
        QTest::addColumn<QStringList>("imposes");   // "niveau|sort"
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QStringList>("sorts");
        QTest::addColumn<QStringList>("refus");     // morceaux du refus du dernier ; vide : accepté
        const QStringList plus{"Sort supplémentaire|1"};
        const QStringList deux{"1|Charme-personne", "1|Fou rire", "2|Invisibilité"};
        const QStringList trois{"Alarme", "Aura magique", "Frayeur"};
        QTest::newRow("dans le maximum, rien n'est imposé") << deux << plus << trois << QStringList{};
        QTest::newRow("sort en plus imposé") << deux << plus << trois + QStringList{"Fou rire"} << QStringList{};
        QTest::newRow("sort en plus non imposé")
            << deux << plus << trois + QStringList{"Graisse"}
            << QStringList{"Le niveau de sort le plus elevé disponible est 1", ", or pour obtenir un sort connus en plus",
                           "le personnage doit avoir un sort imposé libre dans la liste de sort suivant ",
                           "Sort de Niv 1", "Charme-personne", "Fou rire"};
        QTest::newRow("imposés trop hauts") << QStringList{"2|Invisibilité"} << plus << trois + QStringList{"Graisse"}
                                            << QStringList{"Le personnage n'a aucun sort imposé"};
        QTest::newRow("imposé déjà connu")
            << QStringList{"1|Charme-personne", "2|Invisibilité"} << plus
            << QStringList{"Charme-personne", "Alarme", "Aura magique", "Graisse"}
            << QStringList{"Le personnage n'a aucun sort imposé"};
        QTest::newRow("sans don, même imposé") << deux << QStringList{} << trois + QStringList{"Fou rire"}
                                               << QStringList{"Ce personnage peut apprendre un maximum de 3 sort de niveau 1"};
    }

    void sortsImposes()
    {
        QFETCH(QStringList, imposes);
        QFETCH(QStringList, dons);
        QFETCH(QStringList, sorts);
        QFETCH(QStringList, refus);
        m_programme->execute("delete from ClasseSortImpose where Classe='Barde'");
        for (const QString& i : imposes)
            m_programme->ajoute("ClasseSortImpose",
                                {{"Classe", "Barde"}, {"Niveau", i.section(u'|', 0, 0).toInt()}, {"Sort", i.section(u'|', 1)}});
        const Fiche f = fiche(niveaux("Barde", 3, {10, 10, 10, 10, 10, 16}), {}, lignesDons(dons));
        const QString message = ajouteUnAUn(f, QStringLiteral("Barde"), sorts);
        QCOMPARE(message.isEmpty(), refus.isEmpty());
        for (const QString& morceau : refus)
            QVERIFY2(message.contains(morceau), qPrintable(message));
        QVERIFY(!message.contains(QStringLiteral("Invisibilité")));
    }

    // Rakshasa : lanceur racial (comme un ensorceleur de niveau 7) sur la colonne de sa race.
    void lanceurRacial()
    {
        const Fiche f = fiche(niveaux("Guerrier", 1, {10, 10, 10, 10, 10, 11}), {{"RACE", "Rakshasa"}});
        QCOMPARE(ClassesLanceurs(*m_programme, f), QStringList{QString()});
        QCOMPARE(f.Sorts.size(), 1);
        const SortsClasse& s = f.Sorts.first();
        QCOMPARE(s.classe, QStringLiteral("Rakshasa"));
        // Charisme 17 : 6/7/7/5 par jour, DD 13 + niveau du sort.
        QCOMPARE(totaux(s), QStringLiteral("6/7/7/5"));
        QCOMPARE(s.dd[1], 13 + 1);
        QCOMPARE(ControleAjoutSort(*m_programme, f, s, "Charme-personne").refus, std::nullopt);
        QVERIFY(ControleAjoutSort(*m_programme, f, s, "Boule de feu").refus.has_value());
        EnregSort(*m_perso, f.Personnage.Nom, s.classe, {{"Charme-personne", 1}});
        const Fiche relue = calculeFiche(*m_perso, *m_programme, f.Personnage.Nom);
        QCOMPARE(relue.Sorts.first().connus.size(), 1);
        QCOMPARE(relue.Sorts.first().connus.first().nom, QStringLiteral("Charme-personne"));
    }

    // Prêtre 3 : un emplacement de domaine par niveau, refus, métamagie qui déplace le sort d'un
    // niveau ; il connaît toute sa liste jusqu'au plus haut niveau, le magicien non.
    void preparation()
    {
        QVERIFY(fiche(niveaux("Guerrier", 3, kDix)).Sorts.isEmpty());
        const SortsClasse magicien = rempNbSort(*m_programme, fiche(niveaux("Magicien", 1, kDix)), QStringLiteral("Magicien"));
        QVERIFY(QuestionTousLesSorts(*m_programme, magicien).isEmpty());
        const Fiche f = fiche(niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10}), {{"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        QCOMPARE(f.Sorts.size(), 1);
        SortsClasse s = f.Sorts.first();
        QVERIFY(QuestionTousLesSorts(*m_programme, s).contains(QStringLiteral("jusqu'au niv 2\n")));
        const QVector<SortConnu> tous = TousLesSorts(*m_programme, s);
        QVERIFY(std::any_of(tous.cbegin(), tous.cend(), [](const SortConnu& c) { return c.nom == u"Aide" && c.niveau == 2; }));
        QVERIFY(std::all_of(tous.cbegin(), tous.cend(), [](const SortConnu& c) { return c.niveau <= 2; }));
        QCOMPARE(s.prepares.size(), 4 + 4 + 3);
        const QStringList domaines = DomainesPersonnage(f.Personnage);
        const int domaine2 = indexEmplacement(s, "Domaine n°2");
        QCOMPARE(int(std::count_if(s.prepares.cbegin(), s.prepares.cend(), [](const EmplacementSort& e) { return e.domaine; })), 2);
        QVERIFY(s.prepares.value(indexEmplacement(s, "Domaine n°1")).domaine && s.prepares.value(domaine2).domaine);
        const QStringList choix = ChoixEmplacement(*m_programme, s, domaines, s.prepares.at(domaine2));
        QVERIFY(choix.contains("Aide") && choix.contains("Arme magique") && !choix.contains("Bénédiction"));
        QCOMPARE(ChoixEmplacement(*m_programme, s, {}, s.prepares.at(domaine2)), QStringList{kDomaineNonRenseigne});
        QCOMPARE(PrepareSort(*m_programme, s, domaines, domaine2, "Bénédiction"), std::optional<QString>(kHorsDomaine));
        QCOMPARE(PrepareSort(*m_programme, s, domaines, domaine2, "Aide"), std::nullopt);
        QCOMPARE(s.prepares.at(domaine2).ecole, QStringLiteral("Enchantement [coercition] (Mental)"));
        QCOMPARE(s.prepares.at(domaine2).dd, 10 + 2 + 2);
        QVERIFY(PrepareSort(*m_programme, s, domaines, indexEmplacement(s, "Niveau 1 n°1"), "Aide").has_value());

        // Bénédiction (niveau 1) montée au niveau 2 : elle quitte son emplacement pour un libre du niveau 2.
        const int n11 = indexEmplacement(s, "Niveau 1 n°1");
        QCOMPARE(PrepareSort(*m_programme, s, domaines, n11, "Bénédiction"), std::nullopt);
        QCOMPARE(AppliqueMetamagie(s, n11, 2, "Extension de durée"), std::nullopt);
        QVERIFY(s.prepares.at(n11).nom.isEmpty());
        const EmplacementSort& monte = s.prepares.at(indexEmplacement(s, "Niveau 2 n°1"));
        QCOMPARE(monte.nom, QStringLiteral("Bénédiction"));
        QCOMPARE(monte.metamagie, QStringLiteral("Extension de durée"));
        // Les emplacements de niveau 2 pleins : refus, rien ne bouge.
        QCOMPARE(PrepareSort(*m_programme, s, domaines, indexEmplacement(s, "Niveau 2 n°2"), "Arme spirituelle"),
                 std::nullopt);
        QCOMPARE(PrepareSort(*m_programme, s, domaines, n11, "Bénédiction"), std::nullopt);
        QCOMPARE(AppliqueMetamagie(s, n11, 2, "Extension de durée"), std::optional<QString>(kPlusDEmplacement));
        QCOMPARE(s.prepares.at(n11).nom, QStringLiteral("Bénédiction"));
    }

    // D'où viennent les sorts préparés : grimoire sans école interdite, liste entière, ou rien.
    void preparationSelonClasse_data()
    {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QStringList>("connus");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<bool>("prepare");
        const QStringList grimoire{"Charme-personne", "Contact glacial"};
        QTest::newRow("magicien : sort du grimoire") << "Magicien" << grimoire << "Charme-personne" << true;
        QTest::newRow("magicien : sort de sa liste absent du grimoire") << "Magicien" << grimoire << "Mains brûlantes" << false;
        QTest::newRow("magicien : école interdite, même au grimoire") << "Magicien" << grimoire << "Contact glacial" << false;
        QTest::newRow("magicien : école interdite à registre") << "Magicien" << QStringList{"Frayeur"} << "Frayeur" << false;
        QTest::newRow("magicien : niveau 0 toujours au grimoire") << "Magicien" << grimoire << "Prestidigitation" << true;
        QTest::newRow("magicien : niveau 0 d'école interdite") << "Magicien" << grimoire << "Fatigue" << false;
        QTest::newRow("prêtre : toute sa liste") << "Prêtre" << QStringList{} << "Protection contre le Mal" << true;
        QTest::newRow("druide : toute sa liste") << "Druide" << QStringList{} << "Baie nourricière" << true;
        QTest::newRow("ensorceleur : ne prépare pas") << "Ensorceleur" << QStringList{"Charme-personne"} << "Charme-personne"
                                                      << false;
    }
    void preparationSelonClasse()
    {
        QFETCH(QString, classe);
        QFETCH(QStringList, connus);
        QFETCH(QString, sort);
        QFETCH(bool, prepare);
        const Fiche f = fiche(niveaux(classe, 3, {10, 10, 10, 16, 16, 16}), {{"Ecole_interdite_1", "Nécromancie"}});
        SortsClasse s = rempNbSort(*m_programme, f, classe);
        for (const QString& c : connus)
            s.connus.append({c, 1});
        s.prepares = EmplacementsJour(s);
        const int n11 = indexEmplacement(s, "Niveau 1 n°1");
        QVERIFY(n11 >= 0);
        const QStringList offerts = ChoixEmplacement(*m_programme, s, {}, s.prepares.at(n11));
        QCOMPARE(offerts.contains(sort), prepare);
        const std::optional<QString> refus = PrepareSort(*m_programme, s, {}, n11, sort);
        QCOMPARE(!refus.has_value(), prepare);
        QCOMPARE(s.prepares.at(n11).nom, prepare ? sort : QString());
        // Rien pour qui ne prépare pas ; toute la liste (bien plus que le grimoire) pour les autres.
        if (classe == u"Ensorceleur")
            QVERIFY(offerts.isEmpty());
        else if (classe != u"Magicien")
            QVERIFY(offerts.size() > 20);
    }

    void metamagie_data()
    {
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("max");
        QTest::addColumn<QStringList>("libelles");
        QTest::addColumn<QVector<bool>>("coches");
        QTest::addColumn<QVariant>("resultat");   // niveau, ou invalide quand refusé
        const QString intensite = QString::fromUtf8(kIntensite);
        QTest::newRow("aucun don") << QStringList{"Attaque en puissance"} << 1 << 3 << QStringList{} << QVector<bool>{}
                                   << QVariant(1);
        QTest::newRow("intensité : une case par hausse possible")
            << QStringList{intensite} << 2 << 4 << QStringList{intensite + " (1)", intensite + " (2)"}
            << QVector<bool>{false, true} << QVariant(4);
        QTest::newRow("trop haut") << QStringList{"Incantation rapide"} << 3 << 5 << QStringList{"Incantation rapide"}
                                   << QVector<bool>{true} << QVariant();
        QTest::newRow("sans hausse renseignée")
            << QStringList{"Substitution non-létale", "Extension de durée"} << 1 << 9
            << QStringList{"Substitution non-létale", "Extension de durée"} << QVector<bool>{true, true} << QVariant(2);
    }

    void metamagie()
    {
        QFETCH(QStringList, dons);
        QFETCH(int, base);
        QFETCH(int, max);
        QFETCH(QVector<bool>, coches);
        QFETCH(QVariant, resultat);
        QVector<LigneDon> lignes;
        for (const QString& d : dons)
            lignes.append(donGenre(d, d == u"Attaque en puissance" ? QStringLiteral("Général") : QStringLiteral("Métamagie")));
        const QVector<OptionMetamagie> options = OptionsMetamagie(*m_programme, lignes, base, max);
        QStringList libelles;
        for (const OptionMetamagie& o : options)
            libelles.append(o.libelle);
        QTEST(libelles, "libelles");
        const auto r = ValideMetamagie(base, max, options, coches);
        QCOMPARE(r.has_value(), resultat.isValid());
        if (r)
            QCOMPARE(r->niveau, resultat.toInt());
    }

    void seizeCasesAuPlus()
    {
        const QVector<LigneDon> dons{donGenre(QString::fromUtf8(kIntensite), QStringLiteral("Métamagie"))};
        QCOMPARE(OptionsMetamagie(*m_programme, dons, 0, 20).size(), kOptionsMetamagieMax);
    }

    // Sorts connus et préparés : relus après réouverture, suivent le nom, partent avec le personnage.
    void conservation()
    {
        const QString chemin = m_dossier.chemin("conservation.db");
        {
            auto perso = basePersonnagesTest(m_dossier, *m_programme, "conservation.db");
            ajoutePersonnageFiche(*perso, "Mira", niveaux("Magicien", 3, {10, 10, 10, 14, 10, 10}), {{"RACE", "Humain"}});
            Fiche f = calculeFiche(*perso, *m_programme, "Mira");
            SortsClasse s = f.Sorts.first();
            s.connus = {{"Alarme", 1}, {"Armure de mage", 1}};
            EnregSort(*perso, "Mira", s.classe, s.connus);
            QCOMPARE(PrepareSort(*m_programme, s, {}, indexEmplacement(s, "Niveau 1 n°2"), "Alarme"), std::nullopt);
            QCOMPARE(AppliqueMetamagie(s, indexEmplacement(s, "Niveau 1 n°2"), 2, "Incantation silencieuse"), std::nullopt);
            EnregSortListe(*perso, "Mira", s);
        }
        auto perso = BaseDonnees::ouvre(chemin);
        QCOMPARE(renommePersonnage(*perso, "Mira", "Mirabelle"), ResultatRenommage::Renomme);
        const QJsonObject json = FicheEnJson(calculeFiche(*perso, *m_programme, "Mirabelle"));
        const QJsonObject sorts = json.value("sorts").toArray().first().toObject();
        QCOMPARE(sorts.value("classe").toString(), QStringLiteral("Magicien"));
        QCOMPARE(sorts.value("connus").toArray().size(), 2);
        QCOMPARE(sorts.value("parJour").toArray().at(3).type(), QJsonValue::Null);
        QCOMPARE(sorts.value("totalParJour").toArray().at(1).toInt(), 2 + 1);
        QJsonObject prepare;
        for (const QJsonValue& p : sorts.value("prepares").toArray())
            if (p.toObject().value("nom").toString() == u"Alarme")
                prepare = p.toObject();
        QCOMPARE(prepare.value("emplacement").toString(), QStringLiteral("Niveau 2 n°1"));
        QCOMPARE(prepare.value("metamagie").toString(), QStringLiteral("Incantation silencieuse"));
        supprimePersonnage(*perso, "Mirabelle");
        QCOMPARE(perso->scalaire("select count(*) from SortPersonnage").toInt()
                     + perso->scalaire("select count(*) from SortListe").toInt(),
                 0);
    }

    // Liste imprimée : une colonne vide (ici la métamagie) n'est omise que sur demande ; les
    // noms sont échappés.
    void listeImprimee()
    {
        SortsClasse s;
        s.classe = "Magicien";
        s.prepares = {{"Niveau 1 (1)", 1, false, "Projectile magique", "", 11, "Évocation"},
                      {"Niveau 1 (2)", 1, false, "", "", 0, ""}};
        const QString cachees = ListeSortsHtml("Bob & Cie", s, true);
        QVERIFY(cachees.contains("Bob &amp; Cie (Magicien)"));
        QVERIFY(cachees.contains("<th>Ecole</th>") && !cachees.contains("Métamagie"));
        QCOMPARE(cachees.count("<td>"), 2 * 4);
        QCOMPARE(ListeSortsHtml("Bob", s, false).count("<td>"), 2 * 5);
    }
};

QTEST_GUILESS_MAIN(TestSorts)
#include "test_sorts.moc"

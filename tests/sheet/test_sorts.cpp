// Page des sorts : sorts par jour, sorts connus, sorts préparés, métamagie et conservation.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "editor/EditionPersonnage.h"
#include "sheet/ExportFiche.h"
#include "sheet/SortsConnus.h"
#include "sheet/SortsMetamagie.h"
#include "sheet/SortsParJour.h"
#include "sheet/SortsPrepares.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// n niveaux d'une classe, caractéristiques de départ données (For … Cha).
QVector<NiveauTest> niveaux(const QString& classe, int n, std::array<int, 6> caracs = {10, 10, 10, 10, 10, 10})
{
    QVector<NiveauTest> v(n, NiveauTest{classe, 4});
    v[0].caracs = caracs;
    return v;
}

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

int indexEmplacement(const SortsClasse& s, const QString& nom)
{
    for (int i = 0; i < s.prepares.size(); ++i)
        if (s.prepares.at(i).emplacement == nom)
            return i;
    return -1;
}

} // namespace

class TestSorts : public QObject
{
    Q_OBJECT

    DossierTest m_dossier;
    std::unique_ptr<BaseDonnees> m_programme;
    std::unique_ptr<BaseDonnees> m_perso;
    int m_numero = 0;

    // Personnage neuf calculé ; dons ajoutés à la liste de la fiche avant la table des sorts.
    Fiche fiche(const QVector<NiveauTest>& niv, const QVariantMap& champs = {}, const QVector<LigneDon>& dons = {})
    {
        const QString nom = QStringLiteral("Lanceur %1").arg(++m_numero);
        QVariantMap c = champs;
        c.insert(QStringLiteral("RACE"), QStringLiteral("Humain"));
        ajoutePersonnageFiche(*m_perso, nom, niv, c);
        Fiche f = calculeFiche(*m_perso, *m_programme, nom);
        f.Dons += dons;
        return f;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_programme = baseProgrammeLivree();
        if (!m_programme)
            QSKIP("tessarys.db n'est pas construite");
        m_perso = basePersonnagesTest(m_dossier, *m_programme);
    }

    // Table de la 3.5 : sorts par jour + sorts en bonus + emplacement de spécialité ou de domaine.
    void sortsParJour_data()
    {
        QTest::addColumn<QVector<NiveauTest>>("niv");
        QTest::addColumn<QVariantMap>("champs");
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<int>("niveauLanceur");
        const std::array<int, 6> int16{10, 10, 10, 16, 10, 10};
        QTest::newRow("magicien 5 généraliste") << niveaux("Magicien", 5, int16) << QVariantMap{} << QStringList{}
                                               << "Magicien" << "4/4/3/2" << 5;
        QTest::newRow("magicien 5 spécialisé")
            << niveaux("Magicien", 5, int16) << QVariantMap{{"EcoleSpecialisation", "Evocation"}} << QStringList{}
            << "Magicien" << "5/5/4/3" << 5;
        QTest::newRow("Généraliste n'est pas une spécialité")
            << niveaux("Magicien", 5, int16) << QVariantMap{{"EcoleSpecialisation", "Généraliste"}} << QStringList{}
            << "Magicien" << "4/4/3/2" << 5;
        QTest::newRow("Malus NLS : un niveau de moins") << niveaux("Magicien", 5, int16) << QVariantMap{}
                                                        << QStringList{"Malus NLS"} << "Magicien" << "4/4/3/-" << 4;
        QTest::newRow("emplacement supplémentaire du niveau 2")
            << niveaux("Magicien", 5, int16) << QVariantMap{} << QStringList{"Emplacement de sort supplémentaire|2"}
            << "Magicien" << "4/4/4/2" << 5;
        QVector<NiveauTest> theurge = niveaux("Magicien", 5, int16);
        theurge += QVector<NiveauTest>(2, NiveauTest{"Théurge mystique", 4});
        // Magicien 7 : 4/4/3/2/1 ; Intelligence 16 : +1 aux niveaux 1 à 3.
        QTest::newRow("classe de prestige") << theurge << QVariantMap{} << QStringList{} << "Magicien" << "4/5/4/3" << 7;
        QTest::newRow("Bloque progression") << theurge << QVariantMap{} << QStringList{"Bloque progression|Théurge mystique"}
                                            << "Magicien" << "4/4/3/2" << 5;
        QTest::newRow("prêtre 3 à deux domaines")
            << niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10}) << QVariantMap{{"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}}
            << QStringList{} << "Prêtre" << "4/4/3/-" << 3;
        // Paladin : sagesse 11 au moins pour lancer un sort de niveau 1 ; niveau de lanceur : moitié.
        QTest::newRow("paladin 4 sagesse 10") << niveaux("Paladin", 4) << QVariantMap{} << QStringList{} << "Paladin"
                                              << "-/-/-/-" << 2;
        QTest::newRow("paladin 4 sagesse 12") << niveaux("Paladin", 4, {10, 10, 10, 10, 12, 10}) << QVariantMap{}
                                              << QStringList{} << "Paladin" << "-/1/-/-" << 2;
    }

    void sortsParJour()
    {
        QFETCH(QVector<NiveauTest>, niv);
        QFETCH(QVariantMap, champs);
        QFETCH(QStringList, dons);
        QFETCH(QString, classe);
        QVector<LigneDon> lignes;
        for (const QString& d : dons)
            lignes.append(donTest(d.section(u'|', 0, 0), d.section(u'|', 1)));
        const Fiche f = fiche(niv, champs, lignes);
        const SortsClasse s = rempNbSort(*m_programme, f, classe);
        QTEST(totaux(s), "attendu");
        QTEST(s.niveauLanceur, "niveauLanceur");
        QVERIFY(s.messages.isEmpty());
    }

    // Le prêtre a un emplacement de domaine par niveau ; la fiche calculée porte les classes de lanceur.
    void emplacementsDuPretre()
    {
        const Fiche f = fiche(niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10}), {{"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        QCOMPARE(f.Sorts.size(), 1);
        QStringList domaines;
        for (const EmplacementSort& e : f.Sorts.first().prepares)
            if (e.domaine)
                domaines.append(e.emplacement);
        QCOMPARE(domaines, (QStringList{"Domaine n°1", "Domaine n°2"}));
        QCOMPARE(f.Sorts.first().prepares.size(), 4 + 4 + 3);
        QVERIFY(fiche(niveaux("Guerrier", 3)).Sorts.isEmpty());
    }

    void portees_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("courte");
        QTest::addColumn<int>("moyenne");
        QTest::addColumn<int>("longue");
        QTest::newRow("niveau 3") << 3 << 6 << 26 << 104;
        QTest::newRow("niveau 10") << 10 << 10 << 40 << 160;
    }

    void portees()
    {
        QFETCH(int, niveau);
        const SortsClasse s = rempNbSort(*m_programme, fiche(niveaux("Magicien", niveau, {10, 10, 10, 18, 10, 10})),
                                         QStringLiteral("Magicien"));
        QTEST(s.porteeCourte, "courte");
        QTEST(s.porteeMoyenne, "moyenne");
        QTEST(s.porteeLongue, "longue");
    }

    // Ensorceleur 3 (Charisme 16) : 3 sorts connus de niveau 1, rien au niveau 2.
    void ajoutSortsConnus_data()
    {
        QTest::addColumn<QStringList>("dons");
        QTest::addColumn<QStringList>("sorts");
        QTest::addColumn<QString>("refusDuDernier");
        const QStringList quatre{"Agrandissement", "Alarme", "Arme magique", "Armure de mage"};
        QTest::newRow("quatrième sort de niveau 1")
            << QStringList{} << quatre << "Ce personnage peut apprendre un maximum de 3 sort de niveau 1";
        QTest::newRow("Sort supplémentaire de niveau 1") << QStringList{"Sort supplémentaire|1"} << quatre << "";
        QTest::newRow("Sort supplémentaire d'un autre niveau")
            << QStringList{"Sort supplémentaire|0"} << quatre << "Ce personnage peut apprendre un maximum de 3 sort de niveau 1";
        QTest::newRow("niveau trop élevé") << QStringList{} << QStringList{"Baiser de la goule"} << kNiveauTropEleve;
        QTest::newRow("déjà connu") << QStringList{} << QStringList{"Alarme", "Alarme"} << "Le personnage connaît déjà ce sort.";
    }

    void ajoutSortsConnus()
    {
        QFETCH(QStringList, dons);
        QFETCH(QStringList, sorts);
        QVector<LigneDon> lignes;
        for (const QString& d : dons)
            lignes.append(donTest(d.section(u'|', 0, 0), d.section(u'|', 1)));
        const Fiche f = fiche(niveaux("Ensorceleur", 3, {10, 10, 10, 10, 10, 16}), {}, lignes);
        SortsClasse s = rempNbSort(*m_programme, f, QStringLiteral("Ensorceleur"));
        QString refus;
        for (const QString& sort : sorts) {
            const AjoutSort a = ControleAjoutSort(*m_programme, f, s, sort);
            refus = a.refus.value_or(QString());
            if (!a.refus)
                s.connus.append(a.sort);
        }
        QTEST(refus, "refusDuDernier");
    }

    // Classe qui connaît toute sa liste : question, puis tous les sorts jusqu'au plus haut niveau.
    void tousLesSortsDuPretre()
    {
        const SortsClasse s = rempNbSort(*m_programme, fiche(niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10})),
                                         QStringLiteral("Prêtre"));
        QVERIFY(QuestionTousLesSorts(*m_programme, s).contains(QStringLiteral("jusqu'au niv 2\n")));
        const QVector<SortConnu> tous = TousLesSorts(*m_programme, s);
        QVERIFY(std::any_of(tous.cbegin(), tous.cend(), [](const SortConnu& c) { return c.nom == u"Aide" && c.niveau == 2; }));
        QVERIFY(std::all_of(tous.cbegin(), tous.cend(), [](const SortConnu& c) { return c.niveau <= 2; }));
        const SortsClasse magicien = rempNbSort(*m_programme, fiche(niveaux("Magicien", 1)), QStringLiteral("Magicien"));
        QVERIFY(QuestionTousLesSorts(*m_programme, magicien).isEmpty());
    }

    // Emplacements de domaine, refus et métamagie qui déplace le sort d'un niveau.
    void preparation()
    {
        const Fiche f = fiche(niveaux("Prêtre", 3, {10, 10, 10, 10, 14, 10}), {{"Domaine_1", "Bien"}, {"Domaine_2", "Guerre"}});
        SortsClasse s = f.Sorts.first();
        const QStringList domaines = DomainesPersonnage(f.Personnage);
        const int domaine2 = indexEmplacement(s, "Domaine n°2");
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
            EnregSort(*perso, "Mira", s.classe, {{"Alarme", 1}, {"Armure de mage", 1}});
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
};

QTEST_GUILESS_MAIN(TestSorts)
#include "test_sorts.moc"

// Catalogue des objets : l'arbre des propriétés rend les quatre colonnes que la fiche lit.
#include "catalogue/CatalogueObjets.h"
#include "catalogue/ProprietesObjet.h"
#include "sheet/FixturesFiche.h"
#include "shell/db/BaseDonnees.h"

#include <QHash>
#include <QSet>
#include <QtTest>

class TestCatalogueObjets : public TestFicheBase
{
    Q_OBJECT

    QHash<QString, QVector<NoeudPropriete>> m_enfants;

    // Descend l'arbre par les textes, comme on clique ; vide quand un texte n'y est pas.
    QVector<NoeudPropriete> descend(const QStringList& textes)
    {
        QVector<NoeudPropriete> chemin;
        for (const QString& texte : textes) {
            const QString cle = clePropriete(chemin);
            if (!m_enfants.contains(cle))
                m_enfants.insert(cle, enfantsPropriete(*m_programme, chemin));
            const QVector<NoeudPropriete>& enfants = m_enfants[cle];
            const auto trouve = std::find_if(enfants.cbegin(), enfants.cend(),
                                             [&texte](const NoeudPropriete& n) { return n.texte == texte; });
            if (trouve == enfants.cend())
                return {};
            chemin.append(*trouve);
        }
        return chemin;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
    }

    // La liste montre prix et poids en chiffres, même les grands : jamais « 2e+06 ».
    void grandsNombresEnChiffres()
    {
        const QVector<ObjetCatalogue> objets = RemplieLst(*m_perso);
        QVERIFY(!objets.isEmpty());
        QStringList fautifs;
        for (const ObjetCatalogue& o : objets)
            for (int c : {ColCoutTotal, ColPoidsBase})
                if (o.valeurs[c].contains(u'e'))
                    fautifs.append(o.nom() + u' ' + o.valeurs[c]);
        QVERIFY2(fautifs.isEmpty(), qPrintable(fautifs.mid(0, 5).join(", ")));
    }

    void proprieteDuChemin_data()
    {
        QTest::addColumn<QStringList>("chemin");
        QTest::addColumn<QStringList>("colonnes");   // propriete_1, propriete_2, propriete_3, valeur
        QTest::newRow("caractéristique") << QStringList{"Bonus Caracteristique", "Force", "Alteration", "3"}
                                         << QStringList{"Bonus Caracteristique", "Force", "Alteration", "+3"};
        QTest::newRow("CA sans type de bonus") << QStringList{"Bonus Classe Armure", "Parade", "2"}
                                               << QStringList{"Bonus Classe Armure", "Parade", "", "+2"};
        QTest::newRow("dés en plus") << QStringList{"Bonus Dommage", "Feu", "Alteration", "1d6"}
                                     << QStringList{"Bonus Dommage", "Feu", "Alteration", "+1d6"};
        QTest::newRow("dés en moins") << QStringList{"Bonus Attaque", "Force", "Alteration", "-2d6"}
                                      << QStringList{"Bonus Attaque", "Force", "Alteration", "-2d6"};
        QTest::newRow("école d'un don") << QStringList{"Bonus Don", "Ecole renforcée", "Evocation"}
                                        << QStringList{"Bonus Don", "Ecole renforcée", "Evocation", ""};
        QTest::newRow("niveau d'emplacement") << QStringList{"Bonus Don", "Emplacement de sort supplémentaire", "3"}
                                              << QStringList{"Bonus Don", "Emplacement de sort supplémentaire", "3", ""};
        QTest::newRow("sort par jour") << QStringList{"Lancer un sort", "Boule de feu", "Par Jour", "3"}
                                       << QStringList{"Lancer un sort", "Boule de feu", "Par Jour", "+3"};
        QTest::newRow("sort illimité") << QStringList{"Lancer un sort", "Boule de feu", "Illimité"}
                                       << QStringList{"Lancer un sort", "Boule de feu", "Illimité", ""};
        QTest::newRow("sorts en plus") << QStringList{"Bonus sorts", "Premiers arcanes", "x 2"}
                                       << QStringList{"Bonus sorts", "Premiers arcanes", "", "x 2"};
        QTest::newRow("résistance sans cible") << QStringList{"Résistance au feu", "10"}
                                               << QStringList{"Résistance au feu", "", "", "+10"};
        QTest::newRow("réduction des dégâts") << QStringList{"Résistance aux dégats", "Magie", "5"}
                                              << QStringList{"Résistance aux dégats", "Magie", "", "+5"};
        // Un "_" dans un nom ne coupe pas la clé.
        QTest::newRow("nom avec _") << QStringList{"Bonus Don", "Forme animale_Grande"}
                                    << QStringList{"Bonus Don", "Forme animale_Grande", "", ""};
    }

    void proprieteDuChemin()
    {
        QFETCH(QStringList, chemin);
        QFETCH(QStringList, colonnes);
        const QVector<NoeudPropriete> noeuds = descend(chemin);
        QVERIFY2(!noeuds.isEmpty(), "chemin absent de l'arbre");
        QVERIFY(enfantsPropriete(*m_programme, noeuds).isEmpty());   // une feuille
        const ProprieteObjet p = proprieteDeCle(clePropriete(noeuds));
        QCOMPARE((QStringList{p.propriete_1, p.propriete_2, p.propriete_3, p.valeur}), colonnes);
        QCOMPARE(cheminPropriete(noeuds), chemin.join(u'\\'));
    }

    // Chaque propriété du catalogue livré, d'un genre de l'arbre, s'y choisit telle qu'elle est écrite,
    // sauf le bonus d'armure des bracelets d'armure : l'arbre ne propose pas la cible "Armure".
    void proprietesLivreesDansLArbre()
    {
        QCOMPARE(genresProprietes().size(), 23);
        int vues = 0;
        QSet<QString> absentes;
        for (const Ligne& l : m_programme->selectionne("select distinct propriete_1, propriete_2, propriete_3, valeur "
                                                       "from ObjetsPropriete")) {
            const ProprieteObjet attendue{l.texte("propriete_1"), l.texte("propriete_2"), l.texte("propriete_3"),
                                          l.texte("valeur")};
            if (!genresProprietes().contains(attendue.propriete_1))
                continue;
            // Les objets épiques donnent jusqu'à +12 en caractéristique, au-delà des valeurs 1 à 10 de l'arbre.
            if (attendue.propriete_1 == u"Bonus Caracteristique" && attendue.valeur.toInt() > 10)
                continue;
            QStringList textes;
            for (const QString& t : {attendue.propriete_1, attendue.propriete_2, attendue.propriete_3, attendue.valeur})
                if (!t.isEmpty())
                    textes.append(t.startsWith(u'+') ? t.mid(1) : t);
            const QVector<NoeudPropriete> chemin = descend(textes);
            if (chemin.isEmpty() || proprieteDeCle(clePropriete(chemin)) != attendue)
                absentes.insert(attendue.propriete_1 + " / " + attendue.propriete_2);
            ++vues;
        }
        QVERIFY(vues > 100);
        QCOMPARE(absentes, QSet<QString>{"Bonus Classe Armure / Armure"});
    }
};

QTEST_GUILESS_MAIN(TestCatalogueObjets)
#include "test_catalogue_objets.moc"

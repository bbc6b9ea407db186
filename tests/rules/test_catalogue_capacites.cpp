// Catalogue des capacités spéciales : chaque sorte d'effet sur un échantillon de noms, dont
// toute la table des noms parlants, sommes sur plusieurs lignes, lignes des autres personnages.
#include "rules/Capacites.h"
#include "rules/CatalogueCapacites.h"
#include "rules/Personnage.h"
#include "rules/Race.h"
#include "rules/Tailles.h"

#include <QtTest>

namespace {

LigneCapacite ligne(const QString& nom, const QString& valeur = {}, const QString& personnage = "Iris")
{
    LigneCapacite c;
    c.Nom = nom;
    c.Personnage = personnage;
    c.Valeur = valeur;
    return c;
}

TypeCapacites analyse(const ListeCapacitesPerso& lignes, ListeBonus* bonus = nullptr, const TypePersonnage& p = {},
                      const QString& race = "Humain")
{
    TypePersonnage perso = p;
    perso.Nom = "Iris";
    TypeRace r;
    r.RACE = race;
    r.Type = "Humanoïde";
    TypeCapacites resume;
    ListeBonus local;
    AnalyseCapacites(r, resume, perso, lignes, {}, bonus ? *bonus : local);
    return resume;
}

} // namespace

class TestCatalogueCapacites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Une entrée mal formée (bonus sans ses quatre parties, taille inconnue, pas nul, classe
    // sans diviseur) ne ferait rien ou planterait la fiche.
    void entreesBienFormees()
    {
        // Toute la table, sans doublon, de bout en bout ; un nom passe avant ceux qu'il masquerait.
        const QStringList noms = NomsCatalogueCapacites();
        QCOMPARE(noms.size(), 401);
        QCOMPARE(QSet<QString>(noms.begin(), noms.end()).size(), 401);
        QCOMPARE(noms.first(), "Transformation en tueur des ombres");
        QCOMPARE(noms.last(), "Souterrains");
        QVERIFY(noms.indexOf("Rage +1") < noms.indexOf("Rage de berserker"));
        QVERIFY(noms.indexOf("Guérison accélérée_5") < noms.indexOf("Guérison accélérée"));
        const QStringList genres{"Bonus Caracteristique", "Bonus Jet Sauvegarde", "Bonus Classe Armure",
                                 "Bonus Competence", "Bonus Dommage", "Bonus Déplacement", "Bonus Dex max", "Bonus Don",
                                 "Résistance au feu", "Résistance au froid", "Résistance à l'électricité",
                                 "Résistance à l'acide", "Résistance au son", "Résistance aux dégats"};
        for (const auto* liste : {&CatalogueCapacites(), &DonsCapacites()})
            for (const EntreeCatalogue& e : *liste) {
                const QString nom = QString::fromUtf8(e.nom);
                const QString texte = QString::fromUtf8(e.texte);
                switch (e.effet) {
                case EffetCapacite::Compteur:
                    QVERIFY2(e.valeur > 0 && !texte.isEmpty(), qPrintable(nom));
                    break;
                case EffetCapacite::ParClasse:
                    QVERIFY2(e.diviseur > 0 && !texte.isEmpty(), qPrintable(nom));
                    break;
                case EffetCapacite::Bonus: {
                    const QStringList b = texte.split('|');
                    QVERIFY2(b.size() == 4, qPrintable(nom));
                    QVERIFY2(genres.contains(b[0]) || b[0] == u"%e", qPrintable(nom));
                    QVERIFY2(!b[2].isEmpty() && !b[3].isEmpty(), qPrintable(nom));
                    break;
                }
                case EffetCapacite::Taille:
                    QVERIFY2(Tailles().contains(texte), qPrintable(nom));
                    break;
                default:
                    QVERIFY2(!texte.isEmpty(), qPrintable(nom));
                }
            }
    }

    // Toute la table des noms parlants, plus des noms dont le pas est le suffixe.
    void compteurs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<int>("pas");
        const auto ligneTable = [](const char* nom, const char* libelle, int pas) {
            QTest::newRow(nom) << QString::fromUtf8(nom) << QString::fromUtf8(libelle) << pas;
        };
        ligneTable("Communication avec les animaux", "Nombre de communication avec les animaux (Mag) : ", 1);
        ligneTable("Prouesses nécromantiques +1", "Bonus au NLS des sorts de nécromantie : ", 1);
        ligneTable("Puissance des sorts +1", "Puissance des sorts (bonus pour passer la RM) : +", 1);
        ligneTable("Incantation rapide +1/jour", "Nombre d'incantation rapide : ", 1);
        ligneTable("roulé-boulé", "Nombre de roulé-boulé : ", 1);
        ligneTable("Artisanat runique +1", "Bonus compétence artisanat runique : +", 1);
        ligneTable("Pouvoir runique +1", "Bonus pouvoir runique : +", 1);
        ligneTable("Attaque assommante +1d6", "Nombre de dés de l'attaque assommante : +", 1);
        ligneTable("Ecole de la rue +2", "Bonus école de la rue (renseignement sur criminel) : +", 2);
        ligneTable("Incantation dissimulée +1 DD", "Lors d'une incantation sournoise : +", 1);
        ligneTable("Shield block +1", "Bonus shield block : +", 1);
        ligneTable("Châtiment kiai", "Nombre de châtiment kiai : ", 1);
        ligneTable("Rage profane", "Nombre de rage profane : ", 1);
        ligneTable("Puissance de la rage", "Puissance de la rage : +", 2);
        ligneTable("Aura de terreur +1", "Nombre d'aura de terreur : ", 1);
        ligneTable("Attaque cruelle +1", "Nombre d'attaque cruelle : ", 1);
        ligneTable("Guérison morphique", "Guérison accélérée : ", 2);
        ligneTable("Discrétion sacrée +4", "Bonus discrétion sacrée : +", 4);
        ligneTable("Protection contre la mort", "Résistance au renvoi des morts-vivants : ", 4);
        ligneTable("Résistance au renvoi des morts vivants +2", "Résistance au renvoi des morts-vivants : ", 2);
        ligneTable("Puissance sacrée", "Bonus à tous les DD (compté dans la liste des sorts) : +", 2);
        ligneTable("Supplice draconique (+1d6)", "Bonus aux dommages contre les dragons : +", 1);
        ligneTable("Supplice draconique (+2d6)", "Bonus aux dommages contre les dragons : +", 2);
        ligneTable("Puissance magique enchanteresse +2", "Bonus au NLS des sorts d'enchantement  : ", 2);
        ligneTable("Précision mortelle (+1d8)", "Nombre de dés de précision mortelle : +", 1);
        ligneTable("Coup irréfutable", "Bonus au NLS pour dissiper les abjurations : +", 2);
        ligneTable("Protection", "Nombre d'utilisation des protections : ", 1);
        ligneTable("Croc-en-jambe à distance", "Croc-en-jambe à distance : +", 4);
        ligneTable("Science de la bousculade", "Bousculade (défense): +", 4);
        ligneTable("Science du renversement", "Renversement (défense): +", 4);
        ligneTable("Attaque de croc-en-jambe", "Croc-en-jambe (défense): +", 2);
        ligneTable("Jotunbrud / bousculade", "Bousculade (défense): +", 4);
        ligneTable("Jotunbrud / renversement", "Renversement (défense): +", 4);
        ligneTable("Jotunbrud / croc-en-jambe", "Croc-en-jambe (défense): +", 4);
        ligneTable("Rugissement de léonal", "DD rugissement de Léonal : ", 20);
        ligneTable("Rapidité aveuglante", "Durée de la célérité féline : ", 10);
        ligneTable("Châtiment de l'infidèle", "Nombre de châtiment de l'infidèle : ", 1);
        ligneTable("Forme spirituelle +1", "Nombre d'utilisation de forme spirituelle : ", 1);
        ligneTable("Régénération_(5)", "Régénération : ", 5);
        ligneTable("Frénésie / nombre", "Nombre de frénésie : ", 1);
        ligneTable("Frénésie / force", "Effet de la frénésie : Force : +", 6);
        ligneTable("Frénésie_+1", "Nombre de frénésie : ", 1);
        ligneTable("Frénésie aggravée", "Effet de la frénésie : Force : +", 4);
        ligneTable("Inspiration frénétique", "Nombre d'utilisation de l'inspiration frénétique : ", 1);
        ligneTable("Aura de malchance", "Nombre d'utilisation de l'aura de malchance : ", 1);
        ligneTable("Frappe éclair +1d6", "Bonus aux dégâts de la frappe éclair : +", 1);
        ligneTable("Châtiment de l'anarchie +1", "Nombre de châtiment de l'anarchie : ", 1);
        ligneTable("Incantation axiomatique", "Bonus au NLS des sorts du registre de la loi : ", 1);
        ligneTable("Canalisation des sorts", "Nombre de canalisation de sort : ", 3);
        ligneTable("Canalisation des sorts+1", "Nombre de canalisation de sort : ", 1);
        ligneTable("Réduction du risque d'échec des sorts_+5", "Réduction de l'échec aux sorts : ", 5);
        ligneTable("Châtiment des aberrations +1", "Nombre de châtiment des aberrations : ", 1);
        ligneTable("Sentir le vide +1", "Nombre d'utilisation de sentir le vide : ", 1);
        ligneTable("Ennemi privilégié +1", "Bonus ennemis privilégiés : ", 1);
        ligneTable("Rejet du mal +1", "Nombre de rejet du mal : ", 1);
        ligneTable("Perfection de l'émeraude",
                   "Fortification (chance d'éviter un critique ou une attaque sournoise): ", 25);
        ligneTable("Défense supérieure", "Fortification (chance d'éviter un critique ou une attaque sournoise): ", 75);
        ligneTable("Connaissance céleste +1", "Niveau des connaissances céleste : ", 1);
        ligneTable("Téléportation par les ombres +6", "Distance de téléportation par les ombres : ", 6);
        ligneTable("Téléportation par les ombres +12", "Distance de téléportation par les ombres : ", 12);
        ligneTable("Téléportation par les ombres +24", "Distance de téléportation par les ombres : ", 24);
        ligneTable("Souffle de dragon +2d8", "Nombre de dés de soufle : ", 2);
        ligneTable("Swift hunter / dés", "Nombre de dés d'escarmouche : +", 1);
        ligneTable("Swift hunter / CA", "Bonus à la CA escarmouche : +", 1);
        // Pas lus dans le nom.
        ligneTable("Guérison accélérée_1", "Guérison accélérée : ", 1);
        ligneTable("Guérison accélérée_3", "Guérison accélérée : ", 3);
        ligneTable("Guérison accélérée_5", "Guérison accélérée : ", 5);
        ligneTable("Régénération_3", "Régénération : ", 3);
        ligneTable("Rage +1", "Nombre de rage : ", 1);
        ligneTable("Attaque sournoise +1d6", "Nombre de dés sournois : +", 1);
        ligneTable("Escarmouche +1d6", "Nombre de dés d'escarmouche : +", 1);
        ligneTable("Attaque précise +1d6", "Nombre de dés précise : +", 1);
        ligneTable("Forme animale +1", "Nombre de forme animale : ", 1);
        ligneTable("Résistance au renvoi des morts vivants +4", "Résistance au renvoi des morts-vivants : ", 4);
        ligneTable("Décharge fantastique +1d6", "Dégât de la décharge fantastique : +", 1);
        // Sens des pièges : +1 aux Réflexes et +1 d'esquive contre les pièges, par cran.
        ligneTable("Sens des pièges +1 / Réflexes", "Pièges (Réflexe) +", 1);
        ligneTable("Sens des pièges +1 / CA", " d'esquive contre les pièges", 1);
        // Bonus raciaux des nains aux jets contre le poison, des halfelins contre la peur.
        ligneTable("Bonus nain JP poison", "Poison +", 2);
        ligneTable("Bonus halfelin de moral", "Terreur +", 2);
        ligneTable("Bonus gnome aux JP illusions", "Illusion +", 2);
        // Stabilité des nains contre la bousculade et le croc-en-jambe.
        ligneTable("Stabilité / bousculade", "Bousculade (défense): +", 4);
        ligneTable("Stabilité / croc-en-jambe", "Croc-en-jambe (défense): +", 4);
        // Rage supplémentaire : deux rages de plus ; rage prolongée : cinq rounds de plus.
        ligneTable("Rages supplémentaires", "Nombre de rage : ", 2);
        ligneTable("Longue rage ", "Durée de la rage(bonus rage inclut) : ", 5);
    }
    void compteurs()
    {
        QFETCH(QString, nom);
        QFETCH(QString, libelle);
        QFETCH(int, pas);
        const QString capacite = nom.section(" / ", 0, 0);
        QCOMPARE(int(analyse({ligne(capacite)}).compteur(libelle)), pas);
        // Deux lignes du même nom comptent deux fois ; une ligne d'un autre personnage, jamais.
        QCOMPARE(int(analyse({ligne(capacite), ligne(capacite, {}, "Luna"), ligne(capacite)}).compteur(libelle)),
                 2 * pas);
    }

    void sommesSurPlusieursNoms_data()
    {
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<int>("total");
        QTest::newRow("deux Rage +1") << QStringList{"Rage +1", "Rage +1"} << "Nombre de rage : " << 2;
        QTest::newRow("rage, berserker, supplémentaires")
            << QStringList{"Rage +1", "Rage de berserker", "Rages supplémentaires"} << "Nombre de rage : " << 4;
        QTest::newRow("guérisons") << QStringList{"Guérison accélérée_2", "Guérison accélérée_3", "Guérison morphique"}
                                   << "Guérison accélérée : " << 7;
        QTest::newRow("fortifications") << QStringList{"Perfection de l'émeraude", "Défense supérieure"}
                                        << "Fortification (chance d'éviter un critique ou une attaque sournoise): "
                                        << 100;
        QTest::newRow("bousculade") << QStringList{"Jotunbrud", "Science de la bousculade", "Stabilité"}
                                    << "Bousculade (défense): +" << 12;
        QTest::newRow("poison") << QStringList{"Bonus JP poison 4", "Bonus aux sauvegardes contre le poison +1"}
                                << "Poison +" << 5;
        QTest::newRow("nom voisin ignoré") << QStringList{"Rage +1", "rage +1", "Rage +1 ", "Rage"}
                                           << "Nombre de rage : " << 1;
    }
    void sommesSurPlusieursNoms()
    {
        QFETCH(QStringList, noms);
        QFETCH(QString, libelle);
        ListeCapacitesPerso lignes;
        for (const QString& n : noms)
            lignes << ligne(n);
        QTEST(int(analyse(lignes).compteur(libelle)), "total");
    }

    void valeurDeLaLigne_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<int>("attendu");
        QTest::newRow("régénération") << "Régénération" << "10" << "Régénération : " << 10;
        QTest::newRow("guérison") << "Guérison accélérée" << "3" << "Guérison accélérée : " << 3;
        QTest::newRow("prestige") << "Prestige " << "12" << "Prestige(base) : " << 12;
        QTest::newRow("non numérique") << "Régénération" << "beaucoup" << "Régénération : " << 0;
        QTest::newRow("vide") << "Ralliement" << "" << "Ralliement : +" << 0;
    }
    void valeurDeLaLigne()
    {
        QFETCH(QString, nom);
        QFETCH(QString, valeur);
        QFETCH(QString, libelle);
        QTEST(int(analyse({ligne(nom, valeur)}).compteur(libelle)), "attendu");
    }

    void selonLaClasse_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QList<int>>("niveaux");
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<int>("attendu");
        QTest::newRow("savoir bardique") << "Savoir bardique" << QStringList{"Barde"} << QList<int>{7}
                                         << "Savoir bardique : +" << 7;
        QTest::newRow("musique de barde") << "Musique de barde" << QStringList{"Guerrier", "Barde"}
                                          << QList<int>{3, 5} << "Nombre de chant de barde : " << 5;
        QTest::newRow("empathie druide et rôdeur")
            << "Empathie sauvage" << QStringList{"Druide", "Rôdeur"} << QList<int>{3, 2} << "Empathie sauvage : +" << 5;
        QTest::newRow("coups étourdissants") << "Coup étourdissant" << QStringList{"Moine"} << QList<int>{8}
                                             << "Nombre de coup étourdissant : " << 8;
        QTest::newRow("DD étourdissant") << "Coup étourdissant" << QStringList{"Moine"} << QList<int>{8}
                                         << "DD coup étourdissant : " << 14;
        // Une cible au niveau 1, une de plus tous les trois niveaux.
        QTest::newRow("fascination 3") << "Fascination" << QStringList{"Barde"} << QList<int>{3}
                                       << "Nombre de cible pour la fascination : " << 1;
        QTest::newRow("fascination 4") << "Fascination" << QStringList{"Barde"} << QList<int>{4}
                                       << "Nombre de cible pour la fascination : " << 2;
        // Esquive du spadassin : +1 au niveau 5, +2 au niveau 11 ; les niveaux de guerrier s'ajoutent.
        QTest::newRow("daring warrior 4") << "Daring warrior" << QStringList{"Spadassin"} << QList<int>{4}
                                          << " d'esquive contre un adversaire en mêlée" << 0;
        QTest::newRow("daring warrior 5") << "Daring warrior" << QStringList{"Spadassin", "Guerrier"}
                                          << QList<int>{3, 2} << " d'esquive contre un adversaire en mêlée" << 1;
        QTest::newRow("daring warrior 11") << "Daring warrior" << QStringList{"Spadassin", "Guerrier"}
                                           << QList<int>{5, 6} << " d'esquive contre un adversaire en mêlée" << 2;
        QTest::newRow("sans la classe") << "Destrier de paladin" << QStringList{"Guerrier"} << QList<int>{6}
                                        << "Niveau du destrier du paladin : " << 0;
    }
    void selonLaClasse()
    {
        QFETCH(QString, nom);
        QFETCH(QStringList, classes);
        QFETCH(QList<int>, niveaux);
        QFETCH(QString, libelle);
        TypePersonnage p;
        for (int k = 0; k < classes.size(); ++k) {
            p.classe(k + 1) = classes[k];
            p.niveau(k + 1) = Entier16(niveaux[k]);
            p.niv += Entier16(niveaux[k]);
        }
        QTEST(int(analyse({ligne(nom)}, nullptr, p).compteur(libelle)), "attendu");
    }

    void immunites_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("immunite");
        QTest::newRow("sommeil") << "Immunité sommeil" << "" << "Sommeil";
        QTest::newRow("froid") << "Immunité contre le froid" << "" << "Froid";
        QTest::newRow("électricité") << "Immunité contre l'électricité" << "" << "Electricité";
        QTest::newRow("pétrification") << "Immunité pétrification" << "" << "Pétrification";
        QTest::newRow("peur") << "Immunité à la peur" << "" << "Terreur";
        QTest::newRow("aura de bravoure") << "Aura de bravoure" << "" << "Terreur";
        QTest::newRow("sans intelligence") << "Dénué d’intelligence" << "" << "Effets mentaux";
        QTest::newRow("santé divine") << "Santé divine" << "" << "Maladies";
        QTest::newRow("énergie choisie") << "Immunité contre une énergie destructive" << "Acide" << "Acide";
        QTest::newRow("énergie non choisie") << "Energy immunity" << "" << "Une énergie destructive";
        QTest::newRow("valeur numérique") << "Energy immunity" << "5" << "Une énergie destructive";
    }
    void immunites()
    {
        QFETCH(QString, nom);
        QFETCH(QString, valeur);
        QFETCH(QString, immunite);
        const TypeCapacites r = analyse({ligne(nom, valeur), ligne(nom, valeur)});
        QCOMPARE(r.Immunites.count(immunite), 1);
        QVERIFY(analyse({ligne(nom, valeur, "Luna")}).Immunites.isEmpty());
    }

    // Morts-vivants et créatures artificielles : poisons, sommeil, critiques, effets mentaux...
    void immunitesDeType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("immunise");
        QTest::newRow("mort-vivant") << "Mort-vivant" << true;
        QTest::newRow("créature artificielle") << "Créature artificielle" << true;
        QTest::newRow("humanoïde") << "Humanoïde" << false;
        QTest::newRow("casse différente") << "mort-vivant" << false;
    }
    void immunitesDeType()
    {
        QFETCH(QString, type);
        QFETCH(bool, immunise);
        TypeRace r;
        r.Type = type;
        TypePersonnage p;
        p.Nom = "Iris";
        TypeCapacites resume;
        ListeBonus bonus;
        AnalyseCapacites(r, resume, p, {ligne("Immunité sommeil")}, {}, bonus);
        for (const char* i : {"Poisons", "Paralysie", "Coups critiques", "Effets mentaux", "Absorption d'énergie",
                              "La mort par dégâts excessifs"})
            QCOMPARE(resume.Immunites.contains(QString::fromUtf8(i)), immunise);
        QCOMPARE(resume.Immunites.count("Sommeil"), 1);
    }

    // L'énergie choisie se lit entre crochets dans le libellé, ou dans la valeur.
    void energieChoisie_data()
    {
        QTest::addColumn<QString>("libelle");
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<int>("resistance");
        QTest::addColumn<QString>("immunite");
        QTest::newRow("crochets") << "[Froid]" << "5" << "Résistance au froid" << 5 << "Froid";
        QTest::newRow("valeur") << "" << "Electricité" << "Résistance à l'électricité" << 5 << "Electricité";
        QTest::newRow("sans choix") << "" << "5" << "Résistance au feu" << 0 << "Une énergie destructive";
    }
    void energieChoisie()
    {
        QFETCH(QString, libelle);
        QFETCH(QString, valeur);
        QFETCH(QString, genre);
        LigneCapacite resistance = ligne("Résistance à une énergie destructive +5", valeur);
        resistance.Libelle = resistance.Nom + " " + libelle;
        LigneCapacite immunite = ligne("Energy immunity", valeur);
        immunite.Libelle = immunite.Nom + " " + libelle;
        ListeBonus liste;
        const TypeCapacites r = analyse({resistance, immunite}, &liste);
        QTEST(int(SommeBonus(liste, genre, "").nombre), "resistance");
        QCOMPARE(liste.size(), QTest::currentDataTag() == QByteArray("sans choix") ? 0 : 1);
        QTEST(r.Immunites.value(0), "immunite");
    }

    void bonus_data()
    {
        QTest::addColumn<QStringList>("noms");
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("somme");
        QTest::newRow("manuel de sagesse") << QStringList{"Manuel augmentation caracteristique sagesse"}
                                           << "Bonus Caracteristique" << "Sagesse" << "1";
        QTest::newRow("volonté de fer") << QStringList{"Volonté de fer"} << "Bonus Jet Sauvegarde" << "Volonté" << "2";
        QTest::newRow("influençable") << QStringList{"Influençable"} << "Bonus Jet Sauvegarde" << "Volonté" << "-2";
        // Les deux bonus raciaux des halfelins sont du même type : ils ne se cumulent pas.
        QTest::newRow("halfelin")
            << QStringList{"Bonus halfelin aux JP", "Bonus aux jets de sauvegarde halfelin"}
            << "Bonus Jet Sauvegarde" << "Réflexe" << "1";
        QTest::newRow("esquive") << QStringList{"Bonus d'esquive +1", "Souplesse combative"}
                                 << "Bonus Classe Armure" << "Esquive" << "1";
        // Vigueur surhumaine : +2 ; chétif : -3.
        QTest::newRow("force d'âme") << QStringList{"Force d'âme"} << "Bonus Jet Sauvegarde" << "Vigueur" << "2";
        QTest::newRow("souffreteux") << QStringList{"Souffreteux"} << "Bonus Jet Sauvegarde" << "Vigueur" << "-3";
        // Défense à deux armes : bonus de bouclier +1, +2 avec la science, qui ne s'additionnent pas.
        QTest::newRow("défense à deux armes")
            << QStringList{"Défense à deux armes", "Science de la défence à deux armes"} << "Bonus Classe Armure"
            << "Bouclier" << "2";
        // 3 m de plus au sol.
        QTest::newRow("longue foulée") << QStringList{"Longue foulée"} << "Bonus Déplacement" << "Terre" << "3";
        QTest::newRow("énergies") << QStringList{"Résistance aux énergies destructives (5)"} << "Résistance au son"
                                  << "" << "5";
        QTest::newRow("lame sainte") << QStringList{"Lame sainte"} << "Bonus Dommage" << "Sainte" << "+2d6(Alteration)";
        QTest::newRow("réduction des dégâts") << QStringList{"Réduction des dégâts"} << "Résistance aux dégats" << "-"
                                              << "3";
    }
    void bonus()
    {
        QFETCH(QStringList, noms);
        QFETCH(QString, genre);
        QFETCH(QString, cible);
        ListeCapacitesPerso lignes;
        for (const QString& n : noms)
            lignes << ligne(n, "3");
        ListeBonus liste;
        analyse(lignes, &liste);
        QTEST(SommeBonus(liste, genre, cible).texte(), "somme");
        for (const TypeBonus& b : liste)
            QVERIFY(noms.contains(b.Source));
    }

    void tailles()
    {
        for (const QString& t : Tailles()) {
            if (t == u"Colossale+")
                continue;
            QCOMPARE(analyse({ligne(t)}).Taille, t);
        }
        // La dernière ligne l'emporte.
        QCOMPARE(analyse({ligne("Grande"), ligne("Petite")}).Taille, QString("Petite"));
        QVERIFY(analyse({ligne("Grande", {}, "Luna")}).Taille.isEmpty());
    }

    void drapeauxNotesEtTextes()
    {
        const TypeCapacites r = analyse({ligne("Poussée"), ligne("Aquatique"), ligne("Maîtrise de terrain"),
                                         ligne("Vigueur de la non-mort"), ligne("Bonus à la CA sag"),
                                         ligne("Forme animale_Grande"), ligne("Forme animale supérieure_dragons"),
                                         ligne("Forme animale_Grande")});
        QVERIFY(r.Drapeaux.contains("Poussée"));
        QVERIFY(r.Drapeaux.contains("Aquatique"));
        QVERIFY(r.Drapeaux.contains("Maîtrise de terrain"));
        QCOMPARE(r.NotesJS, QStringList{"+4 jet de Vigueur (sauf quand ils affectent les objets)"});
        QVERIFY(r.Drapeaux.contains("Bonus à la CA sag"));   // la fiche la compte à la CA
        QVERIFY(r.NotesCA.isEmpty());
        QCOMPARE(r.Textes.value("Types de Forme animale : ").size(), 2);
    }

    void leshay()
    {
        QCOMPARE(int(analyse({}, nullptr, {}, "Leshay").compteur("Guérison accélérée : ")), 10);
        QCOMPARE(int(analyse({ligne("Guérison accélérée_5")}, nullptr, {}, "Leshay").compteur("Guérison accélérée : ")),
                 15);
        QCOMPARE(int(analyse({}, nullptr, {}, "Elfe").compteur("Guérison accélérée : ")), 0);
    }

    // L'analyse repart de zéro à chaque appel.
    void resumeVide()
    {
        TypeRace r;
        TypePersonnage p;
        p.Nom = "Iris";
        TypeCapacites resume;
        ListeBonus bonus;
        AnalyseCapacites(r, resume, p, {ligne("Rage +1"), ligne("Immunité sommeil")}, {}, bonus);
        AnalyseCapacites(r, resume, p, {}, {}, bonus);
        QVERIFY(resume.Compteurs.isEmpty());
        QVERIFY(resume.Immunites.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogueCapacites)
#include "test_catalogue_capacites.moc"

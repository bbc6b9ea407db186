// Neuf personnages complets sur les règles livrées : chaque valeur de la fiche est attendue telle
// que les règles 3.5 la donnent, calculée à la main dans le commentaire voisin.
#include "FixturesFiche.h"
#include "commun/Fixtures.h"
#include "sheet/ListeCapacite.h"
#include "sheet/RetrouveFiche.h"

#include <QMap>
#include <algorithm>
#include <QtTest>

namespace {

// Une valeur attendue du relevé.
struct Attendu
{
    QString cle;
    QString valeur;
    Attendu() = default;
    Attendu(const char* c, int v) : cle(QString::fromUtf8(c)), valeur(QString::number(v)) {}
    Attendu(const char* c, const char* v) : cle(QString::fromUtf8(c)), valeur(QString::fromUtf8(v)) {}
};
using Attendus = QVector<Attendu>;

// Les valeurs de la fiche sous des clés courtes : "For" (total), "mFor" (modificateur), "PV",
// "comp <compétence>", "arme <n>" (nom et ligne), "capacité <libellé>" (valeur)...
QMap<QString, QString> releve(const Fiche& f)
{
    static const char* const caracs[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
    QMap<QString, QString> r;
    const auto n = [&](const char* cle, int v) { r.insert(QString::fromUtf8(cle), QString::number(v)); };
    for (int i = 0; i < 6; ++i) {
        r.insert(QString::fromUtf8(caracs[i]), f.Caracteristiques[i].Total);
        r.insert(QStringLiteral("m") + QString::fromUtf8(caracs[i]), QString::number(int(f.Caracteristiques[i].Modificateur)));
    }
    n("PV", f.PointsDeVie);
    n("BBA", f.AttaqueDeBase);
    n("Lutte", f.Lutte);
    n("Mêlée", f.AttaqueContact);
    n("Distance", f.AttaqueDistance);
    n("Réflexe", f.Jets[0].Final);
    n("Vigueur", f.Jets[1].Final);
    n("Volonté", f.Jets[2].Final);
    const ClasseArmureFiche& ca = f.ClasseArmure;
    n("CA", ca.Total);
    n("CA dépourvu", ca.Depourvu);
    n("CA contact", ca.Contact);
    n("CA dépourvu contact", ca.DepourvuContact);
    n("CA intangible", ca.ContactIntangible);
    n("CA dépourvu intangible", ca.DepourvuContactIntangible);
    n("Initiative", f.Initiative);
    n("Vitesse", f.Deplacement.Terre);   // en cases de 1,50 m
    n("Vol", f.Deplacement.Air);
    r.insert(QStringLiteral("Charge"), f.Encombrement);
    r.insert(QStringLiteral("Taille"), f.Taille);
    r.insert(QStringLiteral("Type"), f.TypeCreature);
    r.insert(QStringLiteral("FP"), f.FP);
    const ResistancesFiche& rs = f.Resistances;
    n("RM", rs.Magie);
    n("Acide", rs.Acide);
    n("Électricité", rs.Electricite);
    n("Feu", rs.Feu);
    n("Froid", rs.Froid);
    n("RD", rs.Degats);
    r.insert(QStringLiteral("RD texte"), rs.TexteDegats);
    for (const LigneCompetence& c : f.Competences)
        r.insert(QStringLiteral("comp ") + c.NomRegle, QString::number(int(c.Total)));
    for (int i = 0; i < f.Armes.size(); ++i)
        r.insert(QStringLiteral("arme %1").arg(i + 1), f.Armes[i].Nom + u' ' + f.Armes[i].Ligne);
    for (const QString& l : f.CapacitesClasse)
        r.insert(QStringLiteral("capacité ") + l.section(QStringLiteral(" : "), 0, 0), l.section(QStringLiteral(" : "), 1));
    return r;
}

void achete(BaseDonnees& perso, const QString& nom, int niv, const QString& rangs)
{
    perso.execute(QStringLiteral("update PersonnageProgression set Competence=? where Nom=? and niv=?"), {rangs, nom, niv});
}

} // namespace

Q_DECLARE_METATYPE(Attendu)

class TestPersonnagesComplets : public TestFicheBase
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!ouvreBases())
            QSKIP("tessarys.db n'est pas construite");
        BaseDonnees& p = *m_perso;

        // Humain guerrier 2 / roublard 3 : For 14 Dex 16 (+1 au niveau 4) Con 12 Int 12 Sag 10 Cha 8.
        ajoutePersonnageFiche(p, "Garance",
                              {{"Guerrier", 10, {14, 16, 12, 12, 10, 8}}, {"Roublard", 4}, {"Roublard", 4},
                               {"Guerrier", 6, {0, 1, 0, 0, 0, 0}}, {"Roublard", 4}},
                              {{"RACE", "Humain"}});
        choisit(p, "Garance", "Guerrier", 1, "Science de l’initiative");
        choisit(p, "Garance", "Guerrier", 1, "Attaque en finesse");
        choisit(p, "Garance", "Guerrier", 1, "Arme de prédilection", "Rapière");
        choisit(p, "Garance", "Roublard", 2, "Vigilance");
        achete(p, "Garance", 2, "22-4-4|26-4-4|39-4-4|");
        achete(p, "Garance", 3, "22-1-1|");
        achete(p, "Garance", 5, "22-1-1|");
        equipeTest(p, "Garance", {{"Rapière +1", 0}, {"Chemise de mailles", 1}});

        // Elfe magicien 5 : For 8 Dex 14 Con 12 Int 16 (+1 au niveau 4) Sag 12 Cha 10 ; elfe Dex +2, Con -2.
        ajoutePersonnageFiche(p, "Elrune",
                              {{"Magicien", 4, {8, 14, 12, 16, 12, 10}}, {"Magicien", 3}, {"Magicien", 2},
                               {"Magicien", 4, {0, 0, 0, 1, 0, 0}}, {"Magicien", 3}},
                              {{"RACE", "Elfe"}});
        achete(p, "Elrune", 1, "2-4-4|7-4-4|13-4-4|");
        for (int niv = 2; niv <= 5; ++niv)
            achete(p, "Elrune", niv, "2-1-1|7-1-1|13-1-1|");
        equipeTest(p, "Elrune", {{"Bracelets d'armure +2", 12}, {"Anneau de protection +1", 3}});

        // Humain moine 5 : For 12 Dex 14 Con 12 Int 10 Sag 15 (+1 au niveau 4) Cha 8, sans armure.
        ajoutePersonnageFiche(p, "Tenzin",
                              {{"Moine", 8, {12, 14, 12, 10, 15, 8}}, {"Moine", 5}, {"Moine", 6},
                               {"Moine", 4, {0, 0, 0, 0, 1, 0}}, {"Moine", 7}},
                              {{"RACE", "Humain"}});
        achete(p, "Tenzin", 1, "1-4-4|53-4-4|");
        for (int niv = 2; niv <= 5; ++niv)
            achete(p, "Tenzin", niv, "1-1-1|53-1-1|");

        // Le même moine en chemise de mailles.
        ajoutePersonnageFiche(p, "Tenzin vêtu",
                              {{"Moine", 8, {12, 14, 12, 10, 15, 8}}, {"Moine", 5}, {"Moine", 6},
                               {"Moine", 4, {0, 0, 0, 0, 1, 0}}, {"Moine", 7}},
                              {{"RACE", "Humain"}});
        equipeTest(p, "Tenzin vêtu", {{"Chemise de mailles", 1}});

        // Humain barbare 6 : For 16 (+1 au niveau 4) Dex 13 Con 14 Int 8 Sag 12 Cha 10.
        ajoutePersonnageFiche(p, "Brunhild",
                              {{"Barbare", 12, {16, 13, 14, 8, 12, 10}}, {"Barbare", 8}, {"Barbare", 7},
                               {"Barbare", 9, {1, 0, 0, 0, 0, 0}}, {"Barbare", 6}, {"Barbare", 10}},
                              {{"RACE", "Humain"}});
        achete(p, "Brunhild", 1, "30-4-4|39-4-4|");
        equipeTest(p, "Brunhild", {{"Grande hache", 0}, {"Armure de cuir clouté", 1}});

        // Elfe rôdeur 5 : For 14 Dex 15 (+1 au niveau 4) Con 14 Int 10 Sag 12 Cha 8 ; elfe Dex +2, Con -2.
        ajoutePersonnageFiche(p, "Sylvan",
                              {{"Rôdeur", 8, {14, 15, 14, 10, 12, 8}}, {"Rôdeur", 6}, {"Rôdeur", 5},
                               {"Rôdeur", 7, {0, 1, 0, 0, 0, 0}}, {"Rôdeur", 4}},
                              {{"RACE", "Elfe"}});
        achete(p, "Sylvan", 1, "54-4-4|24-4-4|26-4-4|");
        for (int niv = 2; niv <= 5; ++niv)
            achete(p, "Sylvan", niv, "54-1-1|24-1-1|26-1-1|");
        equipeTest(p, "Sylvan", {{"Cimeterre +1", 0}, {"Épée courte +1", 2}, {"Armure de cuir clouté", 1}});

        // Nain guerrier 3 : For 15 Dex 12 Con 14 Int 10 Sag 10 Cha 10 ; nain Con +2, Cha -2.
        ajoutePersonnageFiche(p, "Dolgrim", {{"Guerrier", 10, {15, 12, 14, 10, 10, 10}}, {"Guerrier", 7}, {"Guerrier", 6}},
                              {{"RACE", "Nain"}});
        equipeTest(p, "Dolgrim", {{"Hache de guerre naine", 0}, {"Harnois", 1}, {"Écu en acier", 6}});

        // Ogre demi-fiélon, 4 dés de vie de géant ; valeurs de départ qui donnent l'ogre du bestiaire
        // (21 8 15 6 10 7), puis le demi-fiélon : For +4, Dex +4, Con +2, Int +4, Cha +2.
        ajoutePersonnageFiche(p, "Morgath",
                              {{"Géant", 8, {11, 10, 11, 10, 10, 11}}, {"Géant", 5}, {"Géant", 5}, {"Géant", 5}},
                              {{"RACE", "Ogre"}, {"Archetype", "Demi-fiélon"}});
        choisit(p, "Morgath", "Géant", 1, "Arme de prédilection", "Massue");   // les dons de l'ogre du bestiaire
        choisit(p, "Morgath", "Géant", 3, "Robustesse");
        achete(p, "Morgath", 1, "30-3-3|");
        equipeTest(p, "Morgath", {{"Massue", 0}});

        // Humain guerrier 4 devenu squelette : For 15 Dex 13 Con 14 Int 10 Sag 12 Cha 8 ; dés de vie d12.
        ajoutePersonnageFiche(p, "Ossuaire",
                              {{"Guerrier", 12, {15, 13, 14, 10, 12, 8}}, {"Guerrier", 7}, {"Guerrier", 8}, {"Guerrier", 6}},
                              {{"RACE", "Humain"}, {"Archetype", "Squelette"}});
        equipeTest(p, "Ossuaire", {{"Morgenstern", 0}});

        // Humain druide 5 : For 10 Dex 12 Con 14 Int 10 Sag 15 (+1 au niveau 4) Cha 8.
        ajoutePersonnageFiche(p, "Fenwick",
                              {{"Druide", 8, {10, 12, 14, 10, 15, 8}}, {"Druide", 5}, {"Druide", 6},
                               {"Druide", 4, {0, 0, 0, 0, 1, 0}}, {"Druide", 7}},
                              {{"RACE", "Humain"}});
    }

    void personnage_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("capacite");   // capacité prise sur la page des capacités
        QTest::addColumn<Attendus>("attendus");

        QTest::newRow("guerrier 2 / roublard 3") << "Garance" << "" << Attendus{
            {"For", "14"}, {"mFor", 2}, {"Dex", "17"}, {"mDex", 3}, {"Con", "12"}, {"mCon", 1},
            {"Int", "12"}, {"mInt", 1}, {"Sag", "10"}, {"mSag", 0}, {"Cha", "8"}, {"mCha", -1},
            {"PV", 10 + 4 + 4 + 6 + 4 + 5 * 1},              // 28 + 5 niveaux × Con 1 = 33
            {"BBA", 2 + 2},                                   // guerrier 2 : +2, roublard 3 : +2
            {"Lutte", 4 + 2}, {"Mêlée", 4 + 2}, {"Distance", 4 + 3},
            {"Réflexe", 0 + 3 + 3},                           // bases 0 + 3, Dex 3
            {"Vigueur", 3 + 1 + 1},                           // bases 3 + 1, Con 1
            {"Volonté", 0 + 1 + 0},                           // bases 0 + 1, Sag 0
            {"CA", 10 + 4 + 3},                               // chemise de mailles 4, Dex 3 (max 4)
            {"CA dépourvu", 10 + 4}, {"CA contact", 10 + 3}, {"CA dépourvu contact", 10},
            {"CA intangible", 10 + 3}, {"CA dépourvu intangible", 10},
            {"Initiative", 3 + 4},                            // Dex 3 + Science de l'initiative 4
            {"comp Déplacement silencieux", 6 + 3 - 2},       // 6 rangs, Dex 3, malus d'armure -2
            {"comp Discrétion", 4 + 3 - 2},
            {"comp Perception auditive", 4 + 0 + 2},          // Vigilance +2
            {"comp Détection", 0 + 0 + 2},
            {"comp Escalade", 0 + 2 - 2},
            // Finesse (Dex 3 > For 2), +1 d'altération, +1 de prédilection : 4 + 3 + 1 + 1 = +9 ;
            // dégâts 1d6 + For 2 + 1.
            {"arme 1", "Rapière +1 Mélée(+9) Dégâts(1d6+3) (18-20,x2)"},
            {"capacité Nombre de dés sournois", "+2"},        // roublard 1 et 3 : 2d6
            {"Vitesse", 6},                                   // 9 m en armure légère
        };

        QTest::newRow("magicien elfe") << "Elrune" << "" << Attendus{
            {"For", "8"}, {"mFor", -1}, {"Dex", "16"}, {"mDex", 3}, {"Con", "10"}, {"mCon", 0},
            {"Int", "17"}, {"mInt", 3}, {"Sag", "12"}, {"mSag", 1}, {"Cha", "10"}, {"mCha", 0},
            {"PV", 4 + 3 + 2 + 4 + 3},                        // d4, Con 0
            {"BBA", 2}, {"Lutte", 2 - 1}, {"Mêlée", 2 - 1}, {"Distance", 2 + 3},
            {"Réflexe", 1 + 3}, {"Vigueur", 1 + 0}, {"Volonté", 4 + 1},
            {"CA", 10 + 2 + 1 + 3},                           // bracelets +2, anneau de parade +1, Dex 3
            {"CA dépourvu", 10 + 2 + 1}, {"CA contact", 10 + 1 + 3}, {"CA dépourvu contact", 10 + 1},
            // Les bracelets d'armure sont un champ de force : ils comptent contre l'intangible.
            {"CA intangible", 14 + 2},
            {"CA dépourvu intangible", 11 + 2},
            {"Initiative", 3},
            {"comp Art de la magie", 8 + 3 + 2},              // synergie : 5 rangs en Connaissances (mystères)
            {"comp Concentration", 8 + 0},
            {"comp Connaissances (mystères)", 8 + 3},
            {"comp Perception auditive", 0 + 1 + 2},          // elfe +2
            {"comp Fouille", 0 + 3 + 2},
            {"arme 1", "Sort au contact Contact(+1) Dégâts(selon le sort) (20,x2)"},   // BBA 2 + For -1
            {"arme 2", "Rayon Contact(+5) Dégâts(selon le sort) (20,x2)"},             // BBA 2 + Dex 3
            {"Vitesse", 6},
        };

        QTest::newRow("moine") << "Tenzin" << "" << Attendus{
            {"For", "12"}, {"mFor", 1}, {"Dex", "14"}, {"mDex", 2}, {"Con", "12"}, {"mCon", 1},
            {"Sag", "16"}, {"mSag", 3}, {"Cha", "8"}, {"mCha", -1},
            {"PV", 8 + 5 + 6 + 4 + 7 + 5 * 1},
            {"BBA", 3}, {"Lutte", 3 + 1}, {"Mêlée", 3 + 1}, {"Distance", 3 + 2},
            {"Réflexe", 4 + 2}, {"Vigueur", 4 + 1}, {"Volonté", 4 + 3},
            // Sagesse 3 et +1 de moine (niveau 5) comptent même au contact et pris au dépourvu.
            {"CA", 10 + 2 + 3 + 1}, {"CA dépourvu", 10 + 3 + 1}, {"CA contact", 10 + 2 + 3 + 1},
            {"CA dépourvu contact", 10 + 3 + 1}, {"CA intangible", 16}, {"CA dépourvu intangible", 14},
            {"Initiative", 2},
            {"comp Acrobaties", 8 + 2 + 2},                   // synergie : 5 rangs en Saut
            // Saut : synergie d'Acrobaties, +4 pour une vitesse de 12 m (3 m au-dessus de 9 m).
            {"comp Saut", 8 + 1 + 2 + 4},
            {"comp Equilibre", 0 + 2 + 2},                    // synergie d'Acrobaties
            {"comp Perception auditive", 0 + 3},
            {"arme 1", "Mains nues Mélée(+4) Dégâts(1d8+1) (20,x2)"},                  // 1d8 au niveau 5
            {"arme 2", "Mains nues 'Déluge' Mélée(+3/+3) Dégâts(1d8+1) (20,x2)"},      // déluge à -1
            {"capacité Nombre de coup étourdissant", "5"},     // un par niveau de moine
            {"capacité DD coup étourdissant", "15"},           // 10 + 5 / 2 + Sag 3
            {"Vitesse", 8},                                   // 9 m + 3 m de déplacement accéléré
        };

        // En armure, le moine perd la Sagesse à la CA et son déplacement accéléré.
        QTest::newRow("moine en armure") << "Tenzin vêtu" << "" << Attendus{
            {"CA", 10 + 2 + 4}, {"CA contact", 10 + 2}, {"CA dépourvu", 10 + 4}, {"Vitesse", 6},
        };

        // Sans rage : For 17 (+3), Con 14 (+2).
        QTest::newRow("barbare au repos") << "Brunhild" << "" << Attendus{
            {"For", "17"}, {"mFor", 3}, {"Con", "14"}, {"mCon", 2},
            {"PV", 12 + 8 + 7 + 9 + 6 + 10 + 6 * 2},          // 52 + 12 = 64
            {"Volonté", 2 + 1}, {"CA", 10 + 3 + 1},
            {"CA dépourvu", 14},
            {"arme 1", "Grande hache Mélée(+9/+4) Dégâts(1d12+4) (20,x3)"},   // 6 + 3 ; 1,5 × 3 = 4
            {"capacité Nombre de rage", "2"},                  // une, plus une au niveau 4
            {"capacité Durée de la rage(bonus rage inclut)", "7 rounds"},   // 3 + Con en rage (2 + 2)
            {"Vitesse", 8},                                   // 9 m + 3 m, armure légère
        };

        // En rage : For 21 (+5), Con 18 (+4), +2 en Volonté, -2 à la CA ; l'esquive instinctive
        // (niveau 2) garde la Dextérité pris au dépourvu.
        QTest::newRow("barbare en rage") << "Brunhild" << "Rage de barbare" << Attendus{
            {"For", "21"}, {"mFor", 5}, {"Dex", "13"}, {"mDex", 1}, {"Con", "18"}, {"mCon", 4},
            {"PV", 52 + 6 * 4},                               // Con +4 : 2 de plus par niveau
            {"BBA", 6}, {"Lutte", 6 + 5}, {"Mêlée", 6 + 5}, {"Distance", 6 + 1},
            {"Réflexe", 2 + 1}, {"Vigueur", 5 + 4}, {"Volonté", 2 + 1 + 2},
            {"CA", 10 + 3 + 1 - 2},                      // cuir clouté 3, Dex 1, rage -2
            {"CA dépourvu", 12},
            {"CA contact", 10 + 1 - 2},
            {"CA dépourvu contact", 9},
            {"Initiative", 1},
            {"comp Escalade", 4 + 5 - 1},                // 4 rangs, For 5, malus d'armure -1
            {"comp Perception auditive", 4 + 1},
            {"arme 1", "Grande hache Mélée(+11/+6) Dégâts(1d12+7) (20,x3)"},   // 6 + 5 ; 1,5 × 5 = 7
            {"capacité Nombre de rage", "2"},
            {"capacité Durée de la rage(bonus rage inclut)", "7 rounds"},
            {"capacité Effet de la rage", "Force : +4  Constitution : +4  Volonté : +2  CA : -2"},
            {"Vitesse", 8},
        };

        QTest::newRow("rôdeur à deux armes") << "Sylvan" << "" << Attendus{
            {"For", "14"}, {"mFor", 2}, {"Dex", "18"}, {"mDex", 4}, {"Con", "12"}, {"mCon", 1},
            {"Sag", "12"}, {"mSag", 1}, {"Cha", "8"}, {"mCha", -1},
            {"PV", 8 + 6 + 5 + 7 + 4 + 5 * 1},
            {"BBA", 5}, {"Lutte", 5 + 2}, {"Mêlée", 5 + 2}, {"Distance", 5 + 4},
            {"Réflexe", 4 + 4}, {"Vigueur", 4 + 1}, {"Volonté", 1 + 1},
            {"CA", 10 + 3 + 4},                               // cuir clouté 3, Dex 4 (max 5)
            {"CA dépourvu", 10 + 3}, {"CA contact", 10 + 4}, {"CA dépourvu contact", 10},
            {"Initiative", 4},
            {"comp Survie", 8 + 1},
            {"comp Détection", 8 + 1 + 2},                    // elfe +2
            {"comp Discrétion", 8 + 4 - 1},
            // Style à deux armes (combat à deux armes), arme légère en main gauche : -2 / -2 ;
            // 5 + For 2 + 1 - 2 = +6 ; main gauche : moitié de la Force (1) + 1 aux dégâts.
            {"arme 1", "Cimeterre +1 Mélée(+6) Dégâts(1d6+3) (18-20,x2)"},
            {"arme 2", "Cimeterre +1 'seule' Mélée(+8) Dégâts(1d6+3) (18-20,x2)"},
            {"arme 3", "Épée courte +1 Mélée(+6) Dégâts(1d6+2) (19-20,x2)"},
            {"arme 4", "Sort au contact Contact(+7) Dégâts(selon le sort) (20,x2)"},   // lance des sorts au niveau 4
            {"capacité Empathie sauvage", "+4"},                // niveau 5 + Cha -1
            {"Vitesse", 6},
        };

        QTest::newRow("nain en harnois") << "Dolgrim" << "" << Attendus{
            {"For", "15"}, {"mFor", 2}, {"Dex", "12"}, {"mDex", 1}, {"Con", "16"}, {"mCon", 3},
            {"Cha", "8"}, {"mCha", -1},
            {"PV", 10 + 7 + 6 + 3 * 3},
            {"BBA", 3}, {"Lutte", 3 + 2}, {"Mêlée", 3 + 2}, {"Distance", 3 + 1},
            {"Réflexe", 1 + 1}, {"Vigueur", 3 + 3}, {"Volonté", 1 + 0},
            {"CA", 10 + 8 + 2 + 1},                           // harnois 8, écu 2, Dex 1 (max 1)
            {"CA dépourvu", 10 + 8 + 2}, {"CA contact", 10 + 1}, {"CA dépourvu contact", 10},
            {"CA intangible", 11}, {"CA dépourvu intangible", 10},
            {"Initiative", 1},
            {"comp Escalade", 0 + 2 - 6 - 2},                 // malus du harnois -6 et de l'écu -2
            {"comp Saut", 0 + 2 - 6 - 2 - 6},                 // et -6 pour 6 m de vitesse (3 m sous 9 m)
            {"arme 1", "Hache de guerre naine Mélée(+5) Dégâts(1d10+2) (20,x3)"},
            // 36,5 kg portés : au-delà des 33 kg d'une charge légère à For 15 ; le nain garde 6 m.
            {"Charge", "intermédiaire"},
            {"Vitesse", 4},
        };

        // Ogre (4 DV de géant, grand, armure naturelle 5) demi-fiélon (extérieur natif, armure
        // naturelle +1) : For 25 Dex 12 Con 17 Int 10 Sag 10 Cha 9. Dés de vie, attaque de base et
        // jets restent ceux de l'ogre.
        QTest::newRow("ogre demi-fiélon") << "Morgath" << "" << Attendus{
            {"For", "25"}, {"mFor", 7}, {"Dex", "12"}, {"mDex", 1}, {"Con", "17"}, {"mCon", 3},
            {"Int", "10"}, {"mInt", 0}, {"Sag", "10"}, {"mSag", 0}, {"Cha", "9"}, {"mCha", -1},
            {"PV", 8 + 5 + 5 + 5 + 4 * 3 + 3},   // Con 3 par DV, Robustesse +3
            {"BBA", 3}, {"Lutte", 3 + 7 + 4}, {"Mêlée", 3 + 7 - 1}, {"Distance", 3 + 1 - 1},
            {"Réflexe", 1 + 1}, {"Vigueur", 4 + 3}, {"Volonté", 1 + 0},
            {"CA", 10 - 1 + 1 + 5 + 1},            // taille -1, Dex 1, naturelle 5 + 1
            {"CA dépourvu", 10 - 1 + 6}, {"CA contact", 10 - 1 + 1}, {"CA dépourvu contact", 10 - 1},
            {"Initiative", 1},
            {"comp Escalade", 3 + 7},
            // Massue de grande créature : 2d8 ; 3 + 7 - 1 + 1 (Arme de prédilection de l'ogre) ;
            // à deux mains, 1,5 × For 7 = 10.
            {"arme 1", "Massue Mélée(+10) Dégâts(2d8+10) (20,x2)"},
            {"Taille", "Grande"}, {"Type", "Extérieur"},
            {"Vitesse", 8},                                   // 12 m
            // Ailes de chauve-souris : vol à la vitesse au sol de la créature.
            {"Vol", 8},
            {"RM", 4 + 10},                                   // dés de vie + 10
            {"Acide", 10}, {"Électricité", 10}, {"Feu", 10}, {"Froid", 10},
            {"RD", 5}, {"RD texte", "5/magie"},
        };

        // Squelette : Dex +2, pas de Con ni d'Int, Sag 10, Cha 1 ; attaque de base DV / 2,
        // Réf et Vig DV / 3, Vol DV / 2 + 2 ; armure naturelle +2 ; Science de l'initiative.
        QTest::newRow("squelette") << "Ossuaire" << "" << Attendus{
            {"For", "15"}, {"mFor", 2}, {"Dex", "15"}, {"mDex", 2}, {"Con", "-"}, {"mCon", 0},
            {"Int", "-"}, {"mInt", 0}, {"Sag", "10"}, {"mSag", 0}, {"Cha", "1"}, {"mCha", -5},
            {"PV", 12 + 7 + 8 + 6},                           // d12, sans Constitution
            {"BBA", 4 / 2}, {"Lutte", 2 + 2}, {"Mêlée", 2 + 2}, {"Distance", 2 + 2},
            {"Réflexe", 4 / 3 + 2}, {"Vigueur", 4 / 3 + 0}, {"Volonté", 4 / 2 + 2 + 0},
            {"CA", 10 + 2 + 2}, {"CA dépourvu", 10 + 2}, {"CA contact", 10 + 2}, {"CA dépourvu contact", 10},
            {"Initiative", 2 + 4},
            {"arme 1", "Morgenstern Mélée(+4) Dégâts(1d8+2) (20,x2)"},
            {"Type", "Mort-vivant"}, {"RD", 5}, {"RD texte", "5/contondant"},
            {"Vitesse", 6},
        };

        // Druide 5 en loup : Force, Dextérité et Constitution du loup (13, 15, 15), sa vitesse et son
        // armure naturelle ; la Sagesse reste la sienne.
        QTest::newRow("druide en loup") << "Fenwick" << "Transformation animale [Loup]" << Attendus{
            {"For", "13"}, {"mFor", 1}, {"Dex", "15"}, {"mDex", 2}, {"Con", "15"}, {"mCon", 2},
            {"Sag", "16"}, {"mSag", 3},
            {"PV", 8 + 5 + 6 + 4 + 7 + 5 * 2},                // la Constitution du loup compte
            {"BBA", 3}, {"Mêlée", 3 + 1}, {"Distance", 3 + 2},
            {"Réflexe", 1 + 2}, {"Vigueur", 4 + 2}, {"Volonté", 4 + 3},
            {"CA", 10 + 2 + 2}, {"CA contact", 10 + 2}, {"CA dépourvu", 10 + 2},
            {"Vitesse", 10},                                  // 15 m
        };
    }

    void personnage()
    {
        QFETCH(QString, nom);
        QFETCH(QString, capacite);
        QFETCH(Attendus, attendus);
        SaisiesFiche saisies;
        if (!capacite.isEmpty()) {
            // Comme le bouton Ajouter de la page : la ligne du catalogue est enregistrée, puis relue.
            const Fiche avant = calculeFiche(*m_perso, *m_programme, nom);
            const auto l = std::find_if(avant.CatalogueCapacites.cbegin(), avant.CatalogueCapacites.cend(),
                                        [&](const LigneCapacite& c) { return c.Libelle == capacite; });
            QVERIFY(l != avant.CatalogueCapacites.cend());
            ListeCapacitesPerso prises;
            QCOMPARE(AjouteCapacite(*m_perso, *m_programme, prises, *l, nom), QString());
            saisies.Capacites = ChargeCapacitesPerso(*m_perso, *m_programme, nom);
        }
        const QMap<QString, QString> r = releve(calculeFiche(*m_perso, *m_programme, nom, saisies));
        for (const Attendu& a : attendus) {
            const QString obtenu = r.value(a.cle, QStringLiteral("(absent)"));
            QVERIFY2(obtenu == a.valeur, qPrintable(a.cle + QStringLiteral(" : ") + obtenu + QStringLiteral(" au lieu de ") + a.valeur));
        }
        m_perso->execute(QStringLiteral("delete from Capacites where Personnage=?"), {nom});
    }
};

QTEST_GUILESS_MAIN(TestPersonnagesComplets)
#include "test_personnages_complets.moc"

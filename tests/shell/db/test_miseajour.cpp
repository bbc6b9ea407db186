// Mise à niveau des bases de personnages anciennes, copie du catalogue et des dons du joueur.
#include "AnciennesBases.h"
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/MiseAJour.h"
#include "shell/db/SchemaPerso.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QString aujourdhui()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

// Une valeur ancienne qu'une étape réécrit (ou doit laisser) dans une ligne de la base.
struct Reecriture
{
    QString nom;
    int etape;
    QString table;
    QVariantMap ligne;
    QString champ;
    QVariant ancienne;
    QVariant nouvelle;
};

QVector<Reecriture> reecritures()
{
    const QString p = QStringLiteral("Personnage");
    const auto alignement = [&](const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("alignement ") + QString::fromUtf8(ancienne), 6, p, {}, QStringLiteral("Alignement"),
                          QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    const auto race = [&](int etape, const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("race ") + QString::fromUtf8(ancienne), etape, p, {}, QStringLiteral("RACE"),
                          QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    const auto classe = [&](int etape, int numero, const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("Classe_%1 %2").arg(numero).arg(QString::fromUtf8(ancienne)), etape, p, {},
                          QStringLiteral("Classe_%1").arg(numero), QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    // Type d'objet porté : ancien nombre (ou texte) et groupe attendu après l'étape 4.
    const auto porte = [&](const char* objet, const QVariant& ancienne, const QVariant& nouvelle) {
        return Reecriture{QStringLiteral("équipement ") + QString::fromUtf8(objet), 4, QStringLiteral("Equipement"),
                          {{QStringLiteral("Personnage"), QStringLiteral("Aldric")},
                           {QStringLiteral("NomObjet"), QString::fromUtf8(objet)}},
                          QStringLiteral("Type"), ancienne, nouvelle};
    };
    const QString pretre = QStringLiteral("Pretre");
    const QString pretreAccent = QStringLiteral("Prêtre");
    return {
        alignement("LB", "LOYAL BON"),
        alignement("nb", "NEUTRE BON"),
        alignement("Cb", "CHAOTIQUE BON"),
        alignement("loyal bon", "LOYAL BON"),
        alignement("chaotique Mauvais", "CHAOTIQUE MAUVAIS"),
        alignement("Neutre", "NEUTRE"),
        alignement("LN", "LN"),
        alignement("bon", "bon"),
        race(8, "Elfes Noirs", "Drow"),
        race(8, "Haut-Elfes", "Elfe"),
        race(8, "elfes noirs", "elfes noirs"),
        race(13, "hobgobelins", "Hobgobelins"),
        race(13, "humain", "Humain"),
        race(13, "HUMAIN", "HUMAIN"),
        race(14, "Gnome des profondeurs", "Svirfnebelin"),
        race(14, "gnome des profondeurs", "Svirfnebelin"),
        race(14, "Demi-Orque", "Demi-orque"),
        race(14, "Orque", "Orque"),
        classe(15, 2, "Mage De Bataille", "Mage de bataille"),
        classe(15, 6, "Mage De Bataille", "Mage de bataille"),
        classe(15, 1, "mage de Bataille", "mage de Bataille"),
        classe(16, 1, "Pretre", "Prêtre"),
        classe(16, 4, "Pretre", "Prêtre"),
        classe(16, 3, "pretre", "pretre"),
        {QStringLiteral("sort connu de prêtre"), 16, QStringLiteral("SortPersonnage"),
         {{QStringLiteral("NomPerso"), QStringLiteral("Aldric")}, {QStringLiteral("NomSort"), QStringLiteral("Bénédiction")}},
         QStringLiteral("ClassePerso"), pretre, pretreAccent},
        {QStringLiteral("niveau de prêtre"), 16, QStringLiteral("PersonnageProgression"),
         {{QStringLiteral("Nom"), QStringLiteral("Aldric")}, {QStringLiteral("Niveau"), 1}, {QStringLiteral("niv"), 1}},
         QStringLiteral("Classe"), pretre, pretreAccent},
        {QStringLiteral("niveau de mage de bataille"), 16, QStringLiteral("PersonnageProgression"),
         {{QStringLiteral("Nom"), QStringLiteral("Aldric")}, {QStringLiteral("Niveau"), 1}, {QStringLiteral("niv"), 2}},
         QStringLiteral("Classe"), QStringLiteral("Mage De Bataille"), QStringLiteral("Mage De Bataille")},
        {QStringLiteral("dons de prêtre"), 16, QStringLiteral("PersonnageDons"),
         {{QStringLiteral("Nom"), QStringLiteral("Aldric")}, {QStringLiteral("Niveau"), 1}, {QStringLiteral("niv"), 1},
          {QStringLiteral("dons"), QStringLiteral("Robustesse")}},
         QStringLiteral("Classe"), pretre, pretreAccent},
        porte("Épée longue", 1, QStringLiteral("Epée")),
        porte("épée LONGUE", 1, QStringLiteral("Epée")),
        porte("Corde", 2, QVariant()),
        porte("Dague", 5, QVariant()),
        porte("Objet perdu", 3, QStringLiteral("3")),
        porte("Truc perdu", QStringLiteral("AUTRE"), QVariant()),
        porte("Sac perdu", QStringLiteral("autre"), QVariant()),
    };
}

// Objets de la copie de travail du joueur : un objet du programme décrit autrement, un objet
// propre au joueur, et des propriétés dont une d'aucun objet.
void remplitObjets(BaseDonnees& perso)
{
    const auto objet = [&](const QString& nom, const QVariant& groupe, int cout) {
        ajoutePresent(perso, QStringLiteral("Objets"),
                      {{QStringLiteral("NomObjet"), nom}, {QStringLiteral("GroupeObjet"), groupe},
                       {QStringLiteral("CoutTotal"), cout}});
    };
    objet(QStringLiteral("Épée longue"), QStringLiteral("Epée"), 10);
    objet(QStringLiteral("Corde"), QStringLiteral("AUTRE"), 1);
    objet(QStringLiteral("Dague"), QVariant(), 3);
    objet(QStringLiteral("Bâton du vieux"), QStringLiteral("Bâton"), 125);
    const auto propriete = [&](const QString& nom, const QString& p1, const QString& valeur) {
        ajoutePresent(perso, QStringLiteral("ObjetsPropriete"),
                      {{QStringLiteral("NomObjet"), nom}, {QStringLiteral("propriete_1"), p1},
                       {QStringLiteral("valeur"), valeur}});
    };
    propriete(QStringLiteral("Bâton du vieux"), QStringLiteral("Bonus Caracteristique"), QStringLiteral("2"));
    propriete(QStringLiteral("Dague"), QStringLiteral("Ancienne propriété"), QStringLiteral("9"));
    propriete(QStringLiteral("Anneau de protection +1"), QStringLiteral("Orpheline"), QStringLiteral("1"));
}

void remplitDonsPerso(BaseDonnees& perso)
{
    perso.ajoute(QStringLiteral("Donsperso"),
                 {{QStringLiteral("Nom"), QStringLiteral("Frappe du vieux")}, {QStringLiteral("Version"), 3.5},
                  {QStringLiteral("Genre"), QStringLiteral("Général")}, {QStringLiteral("Résumé"), QStringLiteral("Un coup")},
                  {QStringLiteral("Caracteristique"), QStringLiteral("Force")}, {QStringLiteral("Multiple"), true}});
    perso.ajoute(QStringLiteral("Donsperso"), {{QStringLiteral("Nom"), QStringLiteral("attaque en puissance")},
                                               {QStringLiteral("Explication"), QStringLiteral("Texte du joueur")}});
}

// Ligne insérée pour un cas : -1 quand le champ n'existait pas encore à cette version.
struct CasInsere
{
    Reecriture cas;
    qint64 rowid;
};

// Une base à cette version, remplie des valeurs anciennes que la mise à niveau doit traiter.
QVector<CasInsere> remplitAncienne(BaseDonnees& perso)
{
    QVector<CasInsere> inseres;
    Transaction transaction(perso);
    remplitObjets(perso);
    if (perso.existeTable(QStringLiteral("Donsperso")))
        remplitDonsPerso(perso);
    int numero = 0;
    for (const Reecriture& cas : reecritures()) {
        ++numero;
        if (!perso.ExisteChamp(cas.table, cas.champ)) {
            inseres.append({cas, -1});
            continue;
        }
        QVariantMap ligne = cas.ligne;
        ligne.insert(cas.champ, cas.ancienne);
        ligne.insert(QStringLiteral("Pos"), numero);
        if (cas.table == u"Personnage")
            ligne.insert(QStringLiteral("Nom"), QStringLiteral("Perso %1").arg(numero));
        inseres.append({cas, ajoutePresent(perso, cas.table, ligne)});
    }
    transaction.valide();
    return inseres;
}

void compareValeur(const QVariant& lue, const QVariant& attendue, const QString& quoi)
{
    const QString texteLu = lue.isNull() ? QStringLiteral("<Null>") : lue.toString();
    const QString texteAttendu = attendue.isNull() ? QStringLiteral("<Null>") : attendue.toString();
    QVERIFY2(texteLu == texteAttendu, qPrintable(QStringLiteral("%1 : lu « %2 », attendu « %3 »").arg(quoi, texteLu, texteAttendu)));
}

struct Bases
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> perso = baseEssai(dossier, QStringLiteral("perso.db"));
    std::unique_ptr<BaseDonnees> programme = baseEssai(dossier, QStringLiteral("tessarys.db"));
    Bases() { creeProgrammeMinimal(*programme); }
};

int nombre(BaseDonnees& base, const QString& sql, const QVariantList& valeurs = {})
{
    return base.scalaire(sql, valeurs).toInt();
}

} // namespace

class TestMiseAJour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void disposition_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<bool>("tableVersion");
        QTest::addColumn<QString>("retouche");
        QTest::newRow("1 sans table Version") << 1 << false << QString();
        QTest::newRow("1") << 1 << true << QString();
        QTest::newRow("1, table Version vide") << 1 << true << QStringLiteral("DELETE FROM Version");
        QTest::newRow("1, version nulle") << 1 << true << QStringLiteral("UPDATE Version SET Version = NULL");
        // Colonnes de travail d'un passage interrompu, à d'autres types.
        QTest::newRow("1, colonnes de travail restées")
            << 1 << true
            << QStringLiteral("ALTER TABLE Equipement ADD COLUMN Tempo SMALLINT; ALTER TABLE Objets ADD COLUMN TEMPO VARCHAR(50)");
        QTest::newRow("4") << 4 << true << QString();
        QTest::newRow("5") << 5 << true << QString();
        QTest::newRow("7") << 7 << true << QString();
        QTest::newRow("8") << 8 << true << QString();
        QTest::newRow("9") << 9 << true << QString();
        QTest::newRow("10") << 10 << true << QString();
        QTest::newRow("13") << 13 << true << QString();
        QTest::newRow("20") << 20 << true << QString();
    }
    void disposition()
    {
        QFETCH(int, depart);
        QFETCH(bool, tableVersion);
        QFETCH(QString, retouche);
        Bases b;
        creeBaseAncienne(*b.perso, depart, tableVersion);
        for (const QString& sql : retouche.split(u';', Qt::SkipEmptyParts))
            b.perso->execute(sql.trimmed());
        remplitAncienne(*b.perso);

        MiseAJourBase(*b.perso, *b.programme);

        QCOMPARE(dispositionLue(*b.perso), dispositionDecrite(schemaPersonnages()));
        const QVector<Ligne> version = b.perso->selectionne(QStringLiteral("SELECT * FROM Version"));
        QCOMPARE(version.size(), 1);
        QCOMPARE(version.at(0).entier(QStringLiteral("Version")), kVersionBase);
        QCOMPARE(version.at(0).texte(QStringLiteral("DateModif")), aujourdhui());
        QCOMPARE(version.at(0).entier(QStringLiteral("Objets")), kVersionObjets);
    }

    void valeursReecrites_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<bool>("tableVersion");
        QTest::newRow("1 sans table Version") << 1 << false;
        for (int v : {1, 4, 5, 6, 7, 8, 12, 13, 14, 15, 16, 17, 20})
            QTest::addRow("%d", v) << v << true;
    }
    void valeursReecrites()
    {
        QFETCH(int, depart);
        QFETCH(bool, tableVersion);
        Bases b;
        creeBaseAncienne(*b.perso, depart, tableVersion);
        const QVector<CasInsere> inseres = remplitAncienne(*b.perso);

        MiseAJourBase(*b.perso, *b.programme);

        int verifies = 0;
        for (const CasInsere& c : inseres) {
            if (c.rowid < 0)
                continue;
            ++verifies;
            const QVariant lue = b.perso->scalaire(
                QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(identifiant(c.cas.champ), identifiant(c.cas.table)),
                {c.rowid});
            compareValeur(lue, depart <= c.cas.etape ? c.cas.nouvelle : c.cas.ancienne, c.cas.nom);
        }
        QVERIFY(verifies >= 25);

        // Étape 13 : tout objet déjà possédé est sur le personnage ; après, rien n'y touche.
        const int objetsPortes = nombre(*b.perso, QStringLiteral("SELECT count(*) FROM Equipement"));
        QCOMPARE(nombre(*b.perso, QStringLiteral("SELECT count(*) FROM Equipement WHERE SurPersonnage")),
                 depart <= 13 ? objetsPortes : 0);
        // Étape 7 : le coût est un réel, valeurs gardées pour l'objet propre au joueur.
        QCOMPARE(nombre(*b.perso, QStringLiteral("SELECT count(*) FROM Objets WHERE typeof(CoutTotal) <> 'real'")), 0);
        QCOMPARE(b.perso->scalaire(QStringLiteral("SELECT CoutTotal FROM Objets WHERE NomObjet = ?"),
                                   {QStringLiteral("Bâton du vieux")}).toDouble(), 125.0);
        // Le catalogue du programme est recopié, les dons du joueur rejoignent ceux du programme.
        QCOMPARE(b.perso->scalaire(QStringLiteral("SELECT CoutTotal FROM Objets WHERE NomObjet = ?"),
                                   {QStringLiteral("Épée longue")}).toDouble(), 15.0);
        QVERIFY(b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"),
                                 {QStringLiteral("Anneau de protection +1")}));
        QCOMPARE(b.programme->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {QStringLiteral("Frappe du vieux")})
                     .estValide(),
                 depart > 11);
    }

    void deuxiemePassageSansEffet_data()
    {
        QTest::addColumn<int>("depart");
        for (int v : {1, 8, 13, 20})
            QTest::addRow("%d", v) << v;
    }
    void deuxiemePassageSansEffet()
    {
        QFETCH(int, depart);
        Bases b;
        creeBaseAncienne(*b.perso, depart);
        remplitAncienne(*b.perso);
        MiseAJourBase(*b.perso, *b.programme);
        const QStringList disposition = dispositionLue(*b.perso);
        const QStringList perso = contenu(*b.perso);
        const QStringList programme = contenu(*b.programme);

        MiseAJourBase(*b.perso, *b.programme);

        QCOMPARE(dispositionLue(*b.perso), disposition);
        QCOMPARE(contenu(*b.perso), perso);
        QCOMPARE(contenu(*b.programme), programme);
    }

    // Un fichier déjà courant : seule la copie des dons du joueur a lieu (et celle du catalogue
    // s'il est en retard), sans réécrire le numéro ni la date.
    void baseCourante_data()
    {
        QTest::addColumn<int>("objets");
        QTest::newRow("catalogue à jour") << kVersionObjets;
        QTest::newRow("catalogue en retard") << kVersionObjets - 1;
    }
    void baseCourante()
    {
        QFETCH(int, objets);
        Bases b;
        creeBasePersonnages(*b.perso, *b.programme);
        remplitDonsPerso(*b.perso);
        // Des valeurs qu'une étape réécrirait : aucune étape ne doit jouer.
        b.perso->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("Bob")},
                                                       {QStringLiteral("Alignement"), QStringLiteral("lb")},
                                                       {QStringLiteral("Classe_1"), QStringLiteral("Pretre")}});
        b.perso->execute(QStringLiteral("DELETE FROM Objets WHERE NomObjet = ?"), {QStringLiteral("Anneau de protection +1")});
        b.perso->execute(QStringLiteral("UPDATE Version SET DateModif = ?, Objets = ?"), {QStringLiteral("2001-02-03"), objets});
        const QStringList disposition = dispositionLue(*b.perso);
        QStringList avant = contenu(*b.perso);

        MiseAJourBase(*b.perso, *b.programme);

        QCOMPARE(dispositionLue(*b.perso), disposition);
        const Ligne version = b.perso->premiere(QStringLiteral("SELECT * FROM Version"));
        QCOMPARE(version.entier(QStringLiteral("Version")), kVersionBase);
        QCOMPARE(version.texte(QStringLiteral("DateModif")), QStringLiteral("2001-02-03"));
        QCOMPARE(version.entier(QStringLiteral("Objets")), kVersionObjets);
        const bool anneau = b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"),
                                             {QStringLiteral("Anneau de protection +1")}).estValide();
        QCOMPARE(anneau, objets < kVersionObjets);
        if (objets == kVersionObjets)
            QCOMPARE(contenu(*b.perso), avant);
        QVERIFY(b.programme->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {QStringLiteral("Frappe du vieux")}));
    }

    // Une étape qui échoue est défaite entière ; les précédentes restent, le numéro ne bouge pas,
    // et un nouveau passage, la cause levée, donne la même base qu'un passage sans incident.
    void echecAuMilieu_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("pannePerso");
        QTest::addColumn<QString>("panneProgramme");
        QTest::addColumn<QString>("reparationPerso");
        QTest::addColumn<QString>("reparationProgramme");
        QTest::addColumn<QStringList>("verifications");  // requête, puis valeur attendue

        QTest::newRow("étape 4, changement de type")
            << 1 << QStringLiteral("CREATE TRIGGER refus BEFORE UPDATE ON Equipement BEGIN SELECT RAISE(ABORT, 'refus'); END")
            << QString() << QStringLiteral("DROP TRIGGER refus") << QString()
            << QStringList{QStringLiteral("SELECT count(*) FROM pragma_table_info('Objets') WHERE name = 'Portee'"),
                           QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM pragma_table_info('SortPersonnage') WHERE name = 'Niveau'"),
                           QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM pragma_table_info('Equipement') WHERE name = 'TEMPO'"),
                           QStringLiteral("0"),
                           QStringLiteral("SELECT type FROM pragma_table_info('Equipement') WHERE name = 'Type'"),
                           QStringLiteral("SMALLINT"),
                           QStringLiteral("SELECT Type FROM Equipement WHERE NomObjet = 'Épée longue'"), QStringLiteral("1")};
        QTest::newRow("étape 14, table du programme absente")
            << 13 << QString() << QStringLiteral("ALTER TABLE ChangeNomRace RENAME TO AutreTable") << QString()
            << QStringLiteral("ALTER TABLE AutreTable RENAME TO ChangeNomRace")
            << QStringList{QStringLiteral("SELECT count(*) FROM Personnage WHERE RACE = 'Hobgobelins'"), QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM Personnage WHERE RACE = 'Svirfnebelin'"), QStringLiteral("0"),
                           QStringLiteral("SELECT count(*) FROM Personnage WHERE Classe_2 = 'Mage De Bataille' COLLATE BINARY"),
                           QStringLiteral("1")};
        QTest::newRow("étape 16, valeurs")
            << 13 << QStringLiteral("CREATE TRIGGER refus BEFORE UPDATE ON PersonnageDons BEGIN SELECT RAISE(ABORT, 'refus'); END")
            << QString() << QStringLiteral("DROP TRIGGER refus") << QString()
            << QStringList{QStringLiteral("SELECT count(*) FROM Personnage WHERE RACE = 'Svirfnebelin'"), QStringLiteral("2"),
                           QStringLiteral("SELECT count(*) FROM Personnage WHERE Classe_2 = 'Mage de bataille' COLLATE BINARY"),
                           QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM Personnage WHERE Classe_1 = 'Pretre' COLLATE BINARY"),
                           QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM SortPersonnage WHERE ClassePerso = 'Pretre' COLLATE BINARY"),
                           QStringLiteral("1"),
                           QStringLiteral("SELECT count(*) FROM pragma_table_info('Personnage') WHERE name = 'Domaine_4'"),
                           QStringLiteral("0")};
    }
    void echecAuMilieu()
    {
        QFETCH(int, depart);
        QFETCH(QString, pannePerso);
        QFETCH(QString, panneProgramme);
        QFETCH(QString, reparationPerso);
        QFETCH(QString, reparationProgramme);
        QFETCH(QStringList, verifications);
        Bases b;
        creeBaseAncienne(*b.perso, depart);
        remplitAncienne(*b.perso);
        Bases temoin;
        creeBaseAncienne(*temoin.perso, depart);
        remplitAncienne(*temoin.perso);
        MiseAJourBase(*temoin.perso, *temoin.programme);

        if (!pannePerso.isEmpty())
            b.perso->execute(pannePerso);
        if (!panneProgramme.isEmpty())
            b.programme->execute(panneProgramme);
        QVERIFY_THROWS_EXCEPTION(ErreurBase, MiseAJourBase(*b.perso, *b.programme));

        const Ligne version = b.perso->premiere(QStringLiteral("SELECT Version, DateModif FROM Version"));
        QCOMPARE(version.entier(QStringLiteral("Version")), depart);
        QCOMPARE(version.texte(QStringLiteral("DateModif")), QStringLiteral("2001-02-03"));
        for (int i = 0; i + 1 < verifications.size(); i += 2)
            QCOMPARE(b.perso->scalaire(verifications.at(i)).toString(), verifications.at(i + 1));

        if (!reparationPerso.isEmpty())
            b.perso->execute(reparationPerso);
        if (!reparationProgramme.isEmpty())
            b.programme->execute(reparationProgramme);
        MiseAJourBase(*b.perso, *b.programme);
        QCOMPARE(dispositionLue(*b.perso), dispositionLue(*temoin.perso));
        QCOMPARE(contenu(*b.perso), contenu(*temoin.perso));
    }

    void creationDirecte()
    {
        Bases b;
        creeBasePersonnages(*b.perso, *b.programme);
        Bases ancienne;
        creeBaseAncienne(*ancienne.perso, 1, false);
        MiseAJourBase(*ancienne.perso, *ancienne.programme);

        QCOMPARE(dispositionLue(*b.perso), dispositionLue(*ancienne.perso));
        QCOMPARE(dispositionLue(*b.perso), dispositionDecrite(schemaPersonnages()));
        // Une base vide mise à niveau et une base créée ont le même contenu : le catalogue et la version.
        QCOMPARE(contenu(*b.perso), contenu(*ancienne.perso));
        const Ligne version = b.perso->premiere(QStringLiteral("SELECT * FROM Version"));
        QCOMPARE(version.entier(QStringLiteral("Version")), kVersionBase);
        QCOMPARE(version.entier(QStringLiteral("Objets")), kVersionObjets);
        QCOMPARE(version.texte(QStringLiteral("DateModif")), aujourdhui());
        QCOMPARE(nombre(*b.perso, QStringLiteral("SELECT count(*) FROM Objets")), 4);
    }

    void creationRefuseeSurBaseNonVide()
    {
        Bases b;
        b.perso->creeTable({QStringLiteral("Personnage"), {texte(QStringLiteral("Nom"), 50)}, {}});
        b.perso->ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), QStringLiteral("Bob")}});
        const QStringList avant = contenu(*b.perso);
        QVERIFY_THROWS_EXCEPTION(ErreurBase, creeBasePersonnages(*b.perso, *b.programme));
        QCOMPARE(b.perso->tables(), QStringList{QStringLiteral("Personnage")});
        QCOMPARE(contenu(*b.perso), avant);
    }

    // Le catalogue copié remplace les objets du programme avec leurs propriétés, garde ceux du
    // joueur, et ne double rien d'un passage à l'autre.
    void copieObjets_data()
    {
        QTest::addColumn<int>("passages");
        QTest::newRow("une fois") << 1;
        QTest::newRow("deux fois") << 2;
        QTest::newRow("trois fois") << 3;
    }
    void copieObjets()
    {
        QFETCH(int, passages);
        Bases b;
        creeBaseAncienne(*b.perso, 20);
        remplitObjets(*b.perso);
        for (int i = 0; i < passages; ++i)
            CopieObjets(*b.perso, *b.programme);

        const auto proprietes = [&](const QString& objet) {
            return nombre(*b.perso, QStringLiteral("SELECT count(*) FROM ObjetsPropriete WHERE NomObjet = ?"), {objet});
        };
        QCOMPARE(proprietes(QStringLiteral("Épée longue")), 1);
        QCOMPARE(proprietes(QStringLiteral("Dague")), 3);
        QCOMPARE(proprietes(QStringLiteral("Anneau de protection +1")), 1);
        QCOMPARE(proprietes(QStringLiteral("Corde")), 0);
        QCOMPARE(proprietes(QStringLiteral("Objet disparu")), 0);
        QCOMPARE(proprietes(QStringLiteral("Bâton du vieux")), 1);
        QCOMPARE(b.perso->scalaire(QStringLiteral("SELECT valeur FROM ObjetsPropriete WHERE NomObjet = ?"),
                                   {QStringLiteral("Bâton du vieux")}).toString(),
                 QStringLiteral("2"));
        QCOMPARE(nombre(*b.perso, QStringLiteral("SELECT count(*) FROM ObjetsPropriete WHERE propriete_1 = ?"),
                        {QStringLiteral("Ancienne propriété")}), 0);

        QCOMPARE(nombre(*b.perso, QStringLiteral("SELECT count(*) FROM Objets")), 5);
        const Ligne epee = b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {QStringLiteral("épée longue")});
        QCOMPARE(epee.reel(QStringLiteral("CoutTotal")), 15.0);
        QCOMPARE(epee.reel(QStringLiteral("PoidsBase")), 2.0);
        QCOMPARE(epee.texte(QStringLiteral("DegatDes")), QStringLiteral("1d8"));
        QCOMPARE(epee.texte(QStringLiteral("ZoneCritique")), QStringLiteral("19"));
        QCOMPARE(epee.entier(QStringLiteral("MultCrit")), 2);
        QCOMPARE(epee.texte(QStringLiteral("Description")), QStringLiteral("Lame droite"));
        QCOMPARE(epee.entier(QStringLiteral("Resistance")), 5);
        const Ligne dague = b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {QStringLiteral("Dague")});
        QCOMPARE(dague.texte(QStringLiteral("GroupeObjet")), QStringLiteral("Dague"));
        QCOMPARE(dague.reel(QStringLiteral("Portee")), 3.0);
        const Ligne anneau = b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"),
                                              {QStringLiteral("Anneau de protection +1")});
        QCOMPARE(anneau.entier(QStringLiteral("CHARGE")), 3);
        QCOMPARE(b.perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {QStringLiteral("Bâton du vieux")})
                     .reel(QStringLiteral("CoutTotal")),
                 125.0);
    }

    void copieDonsPerso_data()
    {
        QTest::addColumn<int>("passages");
        QTest::newRow("une fois") << 1;
        QTest::newRow("deux fois") << 2;
    }
    void copieDonsPerso()
    {
        QFETCH(int, passages);
        Bases b;
        creeBasePersonnages(*b.perso, *b.programme);
        remplitDonsPerso(*b.perso);
        for (int i = 0; i < passages; ++i)
            CopieDonsPerso(*b.perso, *b.programme);

        QCOMPARE(nombre(*b.programme, QStringLiteral("SELECT count(*) FROM Dons")), 2);
        const Ligne frappe = b.programme->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {QStringLiteral("frappe du vieux")});
        QVERIFY(frappe);
        QCOMPARE(frappe.reel(QStringLiteral("version")), 3.5);
        QCOMPARE(frappe.texte(QStringLiteral("Genre")), QStringLiteral("Général"));
        QCOMPARE(frappe.texte(QStringLiteral("Résumé")), QStringLiteral("Un coup"));
        QCOMPARE(frappe.texte(QStringLiteral("Caracteristique")), QStringLiteral("Force"));
        QCOMPARE(frappe.booleen(QStringLiteral("Multiple")), true);
        QCOMPARE(frappe.booleen(QStringLiteral("epique")), false);
        // Un don du programme de même nom (casse mise à part) prend le texte du joueur et garde
        // les champs que la copie ne touche pas.
        const Ligne puissance = b.programme->cherche(QStringLiteral("Dons"), QStringLiteral("nom"),
                                                     {QStringLiteral("Attaque en puissance")});
        QCOMPARE(puissance.texte(QStringLiteral("Explication")), QStringLiteral("Texte du joueur"));
        QCOMPARE(puissance.texte(QStringLiteral("Type")), QStringLiteral("Général"));
    }

    // Une table ou un champ déjà là, sous une autre casse, n'est pas recréé et garde son contenu.
    void elementDejaPresent_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("creation");
        QTest::addColumn<QString>("verification");
        QTest::newRow("table") << 19
                               << QStringLiteral("CREATE TABLE sortliste (nomperso VARCHAR(255), nomsort VARCHAR(255)); "
                                                 "INSERT INTO sortliste VALUES ('Bob', 'Lumière')")
                               << QStringLiteral("SELECT nomsort FROM SortListe WHERE nomperso = 'Bob'");
        QTest::newRow("champ") << 17
                               << QStringLiteral("ALTER TABLE Personnage ADD COLUMN dragontotem VARCHAR(50); "
                                                 "INSERT INTO Personnage (Nom, dragontotem) VALUES ('Bob', 'Lumière')")
                               << QStringLiteral("SELECT DragonTotem FROM Personnage WHERE Nom = 'Bob'");
    }
    void elementDejaPresent()
    {
        QFETCH(int, depart);
        QFETCH(QString, creation);
        QFETCH(QString, verification);
        Bases b;
        creeBaseAncienne(*b.perso, depart);
        for (const QString& sql : creation.split(u';', Qt::SkipEmptyParts))
            b.perso->execute(sql.trimmed());
        MiseAJourBase(*b.perso, *b.programme);
        QCOMPARE(b.perso->scalaire(verification).toString(), QStringLiteral("Lumière"));
        QCOMPARE(b.perso->scalaire(QStringLiteral("select version from Version")).toInt(), kVersionBase);
    }

    // Avec la base du programme livrée (copiée : les dons du joueur y sont écrits).
    void surLaBaseDuProgramme()
    {
        DossierTest d;
        const QString livree = QDir(dossierProgramme()).filePath(QStringLiteral("tessarys.db"));
        QVERIFY2(QFile::exists(livree), qPrintable(livree));
        QVERIFY(QFile::copy(livree, d.chemin(QStringLiteral("tessarys.db"))));
        auto programme = BaseDonnees::ouvre(d.chemin(QStringLiteral("tessarys.db")));
        auto perso = baseEssai(d, QStringLiteral("perso.db"));
        creeBaseAncienne(*perso, 1, false);
        remplitAncienne(*perso);
        MiseAJourBase(*perso, *programme);
        // La table des dons du joueur n'existe qu'après la mise à niveau.
        remplitDonsPerso(*perso);
        CopieDonsPerso(*perso, *programme);

        QCOMPARE(dispositionLue(*perso), dispositionDecrite(schemaPersonnages()));
        const int objetsProgramme = nombre(*programme, QStringLiteral("SELECT count(*) FROM Objets"));
        QVERIFY(objetsProgramme > 0);
        // Les objets du joueur (un seul ne vient pas du programme) restent à côté du catalogue.
        QVERIFY(nombre(*perso, QStringLiteral("SELECT count(*) FROM Objets")) >= objetsProgramme);
        QVERIFY(perso->cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {QStringLiteral("Bâton du vieux")}));
        QVERIFY(programme->cherche(QStringLiteral("Dons"), QStringLiteral("nom"), {QStringLiteral("Frappe du vieux")}));
    }

    void existeChamp_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<bool>("existe");
        QTest::newRow("même casse") << "Personnage" << "Alignement" << true;
        QTest::newRow("autre casse") << "personnage" << "ALIGNEMENT" << true;
        QTest::newRow("accents") << "Personnage" << "Équilibre" << true;
        QTest::newRow("absent") << "Personnage" << "Domaine_1" << false;
        QTest::newRow("table absente") << "SortListe" << "NomPerso" << false;
    }
    void existeChamp()
    {
        QFETCH(QString, table);
        QFETCH(QString, champ);
        QFETCH(bool, existe);
        DossierTest d;
        auto base = baseEssai(d, QStringLiteral("essai.db"));
        creeBaseAncienne(*base, 1);
        QCOMPARE(ExisteChamp(*base, table, champ), existe);
    }
};

QTEST_GUILESS_MAIN(TestMiseAJour)
#include "test_miseajour.moc"

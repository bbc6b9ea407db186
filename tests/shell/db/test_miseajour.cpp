// Mise à niveau des bases de personnages anciennes, copie du catalogue et des dons du joueur.
#include "AnciennesBases.h"
#include "commun/Fixtures.h"
#include "shell/Erreur.h"
#include "shell/db/MiseAJour.h"
#include "shell/db/SurcoucheRegles.h"
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
    const QString p = "Personnage";
    const auto alignement = [&](const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("alignement ") + QString::fromUtf8(ancienne), 6, p, {}, "Alignement",
                          QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    const auto race = [&](int etape, const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("race ") + QString::fromUtf8(ancienne), etape, p, {}, "RACE",
                          QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    const auto classe = [&](int etape, int numero, const char* ancienne, const char* nouvelle) {
        return Reecriture{QStringLiteral("Classe_%1 %2").arg(numero).arg(QString::fromUtf8(ancienne)), etape, p, {},
                          QStringLiteral("Classe_%1").arg(numero), QString::fromUtf8(ancienne), QString::fromUtf8(nouvelle)};
    };
    // Type d'objet porté : ancien nombre (ou texte) et groupe attendu après l'étape 4.
    const auto porte = [&](const char* objet, const QVariant& ancienne, const QVariant& nouvelle) {
        return Reecriture{QStringLiteral("équipement ") + QString::fromUtf8(objet), 4, "Equipement",
                          {{"Personnage", "Aldric"}, {"NomObjet", QString::fromUtf8(objet)}}, "Type", ancienne, nouvelle};
    };
    return {
        alignement("LB", "LOYAL BON"), alignement("nb", "NEUTRE BON"), alignement("Cb", "CHAOTIQUE BON"),
        alignement("loyal bon", "LOYAL BON"), alignement("chaotique Mauvais", "CHAOTIQUE MAUVAIS"),
        alignement("Neutre", "NEUTRE"), alignement("LN", "LN"), alignement("bon", "bon"),
        race(8, "Elfes Noirs", "Drow"), race(8, "Haut-Elfes", "Elfe"), race(8, "elfes noirs", "elfes noirs"),
        race(13, "hobgobelins", "Hobgobelins"), race(13, "humain", "Humain"), race(13, "HUMAIN", "HUMAIN"),
        race(14, "Gnome des profondeurs", "Svirfnebelin"), race(14, "gnome des profondeurs", "Svirfnebelin"),
        race(14, "Demi-Orque", "Demi-orque"), race(14, "Orque", "Orque"),
        classe(15, 2, "Mage De Bataille", "Mage de bataille"), classe(15, 6, "Mage De Bataille", "Mage de bataille"),
        classe(15, 1, "mage de Bataille", "mage de Bataille"),
        classe(16, 1, "Pretre", "Prêtre"), classe(16, 4, "Pretre", "Prêtre"), classe(16, 3, "pretre", "pretre"),
        {"sort connu de prêtre", 16, "SortPersonnage", {{"NomPerso", "Aldric"}, {"NomSort", "Bénédiction"}},
         "ClassePerso", "Pretre", "Prêtre"},
        {"niveau de prêtre", 16, "PersonnageProgression", {{"Nom", "Aldric"}, {"Niveau", 1}, {"niv", 1}},
         "Classe", "Pretre", "Prêtre"},
        {"niveau de mage de bataille", 16, "PersonnageProgression", {{"Nom", "Aldric"}, {"Niveau", 1}, {"niv", 2}},
         "Classe", "Mage De Bataille", "Mage De Bataille"},
        {"dons de prêtre", 16, "PersonnageDons",
         {{"Nom", "Aldric"}, {"Niveau", 1}, {"niv", 1}, {"dons", "Robustesse"}}, "Classe", "Pretre", "Prêtre"},
        porte("Épée longue", 1, "Epée"), porte("épée LONGUE", 1, "Epée"), porte("Corde", 2, QVariant()),
        porte("Dague", 5, QVariant()), porte("Objet perdu", 3, "3"), porte("Truc perdu", "AUTRE", QVariant()),
        porte("Sac perdu", "autre", QVariant()),
    };
}

// Objets de la copie de travail du joueur : un objet du programme décrit autrement, un objet
// propre au joueur, et des propriétés dont une d'aucun objet.
void remplitObjets(BaseDonnees& perso)
{
    const auto objet = [&](const QString& nom, const QVariant& groupe, int cout) {
        ajoutePresent(perso, "Objets", {{"NomObjet", nom}, {"GroupeObjet", groupe}, {"CoutTotal", cout}});
    };
    objet("Épée longue", "Epée", 10);
    objet("Corde", "AUTRE", 1);
    objet("Dague", QVariant(), 3);
    objet("Bâton du vieux", "Bâton", 125);
    const auto propriete = [&](const QString& nom, const QString& p1, const QString& valeur) {
        ajoutePresent(perso, "ObjetsPropriete", {{"NomObjet", nom}, {"propriete_1", p1}, {"valeur", valeur}});
    };
    propriete("Bâton du vieux", "Bonus Caracteristique", "2");
    propriete("Dague", "Ancienne propriété", "9");
    propriete("Anneau de protection +1", "Orpheline", "1");
}

void remplitDonsPerso(BaseDonnees& perso)
{
    perso.ajoute("Donsperso", {{"Nom", "Frappe du vieux"}, {"Version", 3.5}, {"Genre", "Général"},
                 {"Résumé", "Un coup"}, {"Caracteristique", "Force"}, {"Multiple", true}});
    perso.ajoute("Donsperso", {{"Nom", "attaque en puissance"}, {"Explication", "Texte du joueur"}});
}

// Ligne insérée pour un cas dont le champ existe à cette version.
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
    if (perso.existeTable("Donsperso"))
        remplitDonsPerso(perso);
    int numero = 0;
    for (const Reecriture& cas : reecritures()) {
        ++numero;
        if (!perso.ExisteChamp(cas.table, cas.champ))
            continue;
        QVariantMap ligne = cas.ligne;
        ligne.insert(cas.champ, cas.ancienne);
        ligne.insert("Pos", numero);
        if (cas.table == u"Personnage")
            ligne.insert("Nom", QStringLiteral("Perso %1").arg(numero));
        inseres.append({cas, ajoutePresent(perso, cas.table, ligne)});
    }
    transaction.valide();
    return inseres;
}

QString enTexte(const QVariant& v)
{
    return v.isNull() ? QStringLiteral("<Null>") : v.toString();
}

// Compare les champs d'une ligne, écrits "Champ=valeur|..." (valeurs lues en texte).
void compareChamps(const Ligne& l, const char* attendus)
{
    QVERIFY(l);
    for (const QString& c : QString::fromUtf8(attendus).split(u'|'))
        QCOMPARE(l.valeur(c.section(u'=', 0, 0)).toString(), c.section(u'=', 1));
}

struct Bases
{
    DossierTest dossier;
    std::unique_ptr<BaseDonnees> perso = baseEssai(dossier, "perso.db");
    std::unique_ptr<BaseDonnees> programme = baseEssai(dossier, "tessarys.db");
    Bases() { creeProgrammeMinimal(*programme); }
    QVector<CasInsere> ancienne(int depart, bool tableVersion = true)
    {
        creeBaseAncienne(*perso, depart, tableVersion);
        return remplitAncienne(*perso);
    }
};

QStringList dispositionEtContenu(BaseDonnees& base)
{
    return dispositionLue(base) + contenu(base);
}

// Ce que donne un passage sans incident depuis cette version, remplie des valeurs anciennes.
QStringList temoin(int depart)
{
    Bases t;
    t.ancienne(depart);
    MiseAJourBase(*t.perso, *t.programme);
    return dispositionEtContenu(*t.perso);
}

void passages_data()
{
    QTest::addColumn<int>("passages");
    QTest::newRow("une fois") << 1;
    QTest::newRow("deux fois") << 2;
}

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
        QTest::newRow("1, version nulle") << 1 << true << "UPDATE Version SET Version = NULL";
        // Colonnes de travail d'un passage interrompu, à d'autres types.
        QTest::newRow("1, colonnes de travail restées")
            << 1 << true
            << "ALTER TABLE Equipement ADD COLUMN Tempo SMALLINT; ALTER TABLE Objets ADD COLUMN TEMPO VARCHAR(50)";
        for (int v : {4, 5, 7, 8, 9, 10, 13, 20})
            QTest::addRow("%d", v) << v << true << QString();
    }
    void disposition()
    {
        QFETCH(int, depart);
        QFETCH(bool, tableVersion);
        QFETCH(QString, retouche);
        Bases b;
        b.ancienne(depart, tableVersion);
        for (const QString& sql : retouche.split(u';', Qt::SkipEmptyParts))
            b.perso->execute(sql.trimmed());

        MiseAJourBase(*b.perso, *b.programme);

        QCOMPARE(dispositionLue(*b.perso), dispositionDecrite(schemaPersonnages()));
        const QVector<Ligne> version = b.perso->selectionne("SELECT * FROM Version");
        QCOMPARE(version.size(), 1);
        QCOMPARE(version.at(0).entier("Version"), kVersionBase);
        QCOMPARE(version.at(0).texte("DateModif"), aujourdhui());
        QCOMPARE(version.at(0).entier("Objets"), kVersionObjets);

        // Un second passage ne change rien, ni au fichier ni aux règles.
        const QStringList perso = dispositionEtContenu(*b.perso);
        const QStringList programme = contenu(*b.programme);
        MiseAJourBase(*b.perso, *b.programme);
        QCOMPARE(dispositionEtContenu(*b.perso), perso);
        QCOMPARE(contenu(*b.programme), programme);
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
        const QVector<CasInsere> inseres = b.ancienne(depart, tableVersion);

        MiseAJourBase(*b.perso, *b.programme);

        QVERIFY(inseres.size() >= 25);
        for (const CasInsere& c : inseres) {
            const QVariant lue = b.perso->scalaire(
                QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(identifiant(c.cas.champ), identifiant(c.cas.table)),
                {c.rowid});
            QCOMPARE(enTexte(lue) + u' ' + c.cas.nom,
                     enTexte(depart <= c.cas.etape ? c.cas.nouvelle : c.cas.ancienne) + u' ' + c.cas.nom);
        }

        // Étape 13 : tout objet déjà possédé est sur le personnage ; après, rien n'y touche.
        const int objetsPortes = nombre(*b.perso, "SELECT count(*) FROM Equipement");
        QCOMPARE(nombre(*b.perso, "SELECT count(*) FROM Equipement WHERE SurPersonnage"),
                 depart <= 13 ? objetsPortes : 0);
        // Étape 7 : le coût est un réel, valeurs gardées pour l'objet propre au joueur.
        QCOMPARE(nombre(*b.perso, "SELECT count(*) FROM Objets WHERE typeof(CoutTotal) <> 'real'"), 0);
        QCOMPARE(b.perso->scalaire("SELECT CoutTotal FROM Objets WHERE NomObjet = ?",
                                   {"Bâton du vieux"}).toDouble(), 125.0);
        // Le catalogue du programme est recopié.
        QCOMPARE(b.perso->scalaire("SELECT CoutTotal FROM Objets WHERE NomObjet = ?",
                                   {"Épée longue"}).toDouble(), 15.0);
        QVERIFY(b.perso->cherche("Objets", "PrimaryKey", {"Anneau de protection +1"}));
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
        b.perso->ajoute("Personnage", {{"Nom", "Bob"}, {"Alignement", "lb"}, {"Classe_1", "Pretre"}});
        b.perso->execute("DELETE FROM Objets WHERE NomObjet = ?", {"Anneau de protection +1"});
        b.perso->execute("UPDATE Version SET DateModif = ?, Objets = ?", {"2001-02-03", objets});
        const QStringList disposition = dispositionLue(*b.perso);
        QStringList avant = contenu(*b.perso);

        MiseAJourBase(*b.perso, *b.programme);

        QCOMPARE(dispositionLue(*b.perso), disposition);
        const Ligne version = b.perso->premiere("SELECT * FROM Version");
        QCOMPARE(version.entier("Version"), kVersionBase);
        QCOMPARE(version.texte("DateModif"), "2001-02-03");
        QCOMPARE(version.entier("Objets"), kVersionObjets);
        const bool anneau = b.perso->cherche("Objets", "PrimaryKey", {"Anneau de protection +1"}).estValide();
        QCOMPARE(anneau, objets < kVersionObjets);
        if (objets == kVersionObjets)
            QCOMPARE(contenu(*b.perso), avant);
    }

    // La mise à niveau est entière ou n'est pas : une panne au milieu laisse le fichier identique,
    // octet pour octet, à sa copie ; la cause levée, un nouveau passage donne la même base qu'un
    // passage sans incident.
    void echecAuMilieu_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<bool>("dansProgramme");   // la panne est dans la base du programme
        QTest::addColumn<QString>("panne");
        QTest::addColumn<QString>("reparation");
        QTest::newRow("étape 4, changement de type")
            << 1 << false << "CREATE TRIGGER refus BEFORE UPDATE ON Equipement BEGIN SELECT RAISE(ABORT, 'refus'); END"
            << "DROP TRIGGER refus";
        QTest::newRow("étape 14, table du programme absente")
            << 1 << true << "ALTER TABLE ChangeNomRace RENAME TO AutreTable" << "ALTER TABLE AutreTable RENAME TO ChangeNomRace";
        QTest::newRow("étape 16, valeurs")
            << 13 << false << "CREATE TRIGGER refus BEFORE UPDATE ON PersonnageDons BEGIN SELECT RAISE(ABORT, 'refus'); END"
            << "DROP TRIGGER refus";
    }
    void echecAuMilieu()
    {
        QFETCH(int, depart);
        QFETCH(bool, dansProgramme);
        QFETCH(QString, panne);
        QFETCH(QString, reparation);
        Bases b;
        b.ancienne(depart);
        BaseDonnees& enPanne = dansProgramme ? *b.programme : *b.perso;
        enPanne.execute(panne);
        const auto octets = [&] {
            QFile f(b.perso->chemin());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray avant = octets();
        QVERIFY(!avant.isEmpty());
        try {
            MiseAJourBase(*b.perso, *b.programme);
            QFAIL("la mise à niveau aurait dû échouer");
        } catch (const ErreurBase& e) {
            QVERIFY2(e.description().startsWith("La base « perso.db » n'a pas pu être mise à niveau : "),
                     qPrintable(e.description()));
            QVERIFY(e.description().contains("Elle est restée telle qu'elle était"));
        }
        QVERIFY(octets() == avant);

        enPanne.execute(reparation);
        MiseAJourBase(*b.perso, *b.programme);
        QCOMPARE(dispositionEtContenu(*b.perso), temoin(depart));
    }

    // Un fichier converti d'un autre moteur n'a aucun index : la mise à niveau crée les clés dont
    // elle a besoin et mène le fichier à la version courante.
    void baseSansIndex()
    {
        Bases b;
        b.ancienne(1);
        for (const Ligne& l : b.perso->selectionne("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"))
            b.perso->execute("DROP INDEX " + identifiant(l.texte("name")));
        MiseAJourBase(*b.perso, *b.programme);
        QCOMPARE(dispositionEtContenu(*b.perso), temoin(1));
    }

    void creationDirecte()
    {
        Bases b;
        creeBasePersonnages(*b.perso, *b.programme);
        Bases ancienne;
        creeBaseAncienne(*ancienne.perso, 1, false);
        MiseAJourBase(*ancienne.perso, *ancienne.programme);

        // Même disposition et même contenu (catalogue et version) qu'une base vide mise à niveau.
        QCOMPARE(dispositionEtContenu(*b.perso), dispositionEtContenu(*ancienne.perso));
        QCOMPARE(nombre(*b.perso, "SELECT count(*) FROM Objets"), 4);
    }

    void creationRefuseeSurBaseNonVide()
    {
        Bases b;
        b.perso->creeTable({"Personnage", {texte("Nom", 50)}, {}});
        b.perso->ajoute("Personnage", {{"Nom", "Bob"}});
        const QStringList avant = contenu(*b.perso);
        QVERIFY_THROWS_EXCEPTION(ErreurBase, creeBasePersonnages(*b.perso, *b.programme));
        QCOMPARE(b.perso->tables(), QStringList{"Personnage"});
        QCOMPARE(contenu(*b.perso), avant);
    }

    // Le catalogue copié remplace les objets du programme avec leurs propriétés, garde ceux du
    // joueur, et ne double rien d'un passage à l'autre.
    void copieObjets_data() { passages_data(); }
    void copieObjets()
    {
        QFETCH(int, passages);
        Bases b;
        creeBaseAncienne(*b.perso, 20);
        remplitObjets(*b.perso);
        for (int i = 0; i < passages; ++i)
            CopieObjets(*b.perso, *b.programme);

        for (const auto& [objet, nombreProprietes] : {std::pair("Épée longue", 1), {"Dague", 3}, {"Corde", 0},
                                                      {"Anneau de protection +1", 1}, {"Objet disparu", 0},
                                                      {"Bâton du vieux", 1}})
            QVERIFY2(nombre(*b.perso, "SELECT count(*) FROM ObjetsPropriete WHERE NomObjet = ?", {objet})
                         == nombreProprietes, objet);
        QCOMPARE(b.perso->scalaire("SELECT valeur FROM ObjetsPropriete WHERE NomObjet = ?", {"Bâton du vieux"}).toString(),
                 "2");
        QCOMPARE(nombre(*b.perso, "SELECT count(*) FROM ObjetsPropriete WHERE propriete_1 = ?", {"Ancienne propriété"}), 0);
        QCOMPARE(nombre(*b.perso, "SELECT count(*) FROM Objets"), 5);
        compareChamps(b.perso->cherche("Objets", "PrimaryKey", {"épée longue"}),
                      "CoutTotal=15|PoidsBase=2|DegatDes=1d8|ZoneCritique=19|MultCrit=2|Description=Lame droite|Resistance=5");
        compareChamps(b.perso->cherche("Objets", "PrimaryKey", {"Dague"}), "GroupeObjet=Dague|Portee=3");
        compareChamps(b.perso->cherche("Objets", "PrimaryKey", {"Anneau de protection +1"}), "CHARGE=3");
        QCOMPARE(b.perso->cherche("Objets", "PrimaryKey", {"Bâton du vieux"}).reel("CoutTotal"), 125.0);
    }

    void copieDonsPerso_data() { passages_data(); }
    void copieDonsPerso()
    {
        QFETCH(int, passages);
        Bases b;
        creeBasePersonnages(*b.perso, *b.programme);
        remplitDonsPerso(*b.perso);
        for (int i = 0; i < passages; ++i)
            CopieDonsPerso(*b.perso, *b.programme);

        QCOMPARE(nombre(*b.programme, "SELECT count(*) FROM Dons"), 2);
        const Ligne frappe = b.programme->cherche("Dons", "nom", {"frappe du vieux"});
        compareChamps(frappe, "version=3.5|Genre=Général|Résumé=Un coup|Caracteristique=Force");
        QCOMPARE(frappe.booleen("Multiple"), true);
        QCOMPARE(frappe.booleen("epique"), false);
        // Un don du programme de même nom (casse mise à part) prend le texte du joueur et garde
        // les champs que la copie ne touche pas.
        const Ligne puissance = b.programme->cherche("Dons", "nom", {"Attaque en puissance"});
        compareChamps(puissance, "Explication=Texte du joueur|Type=Général");
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
                               << "SELECT nomsort FROM SortListe WHERE nomperso = 'Bob'";
        QTest::newRow("champ") << 17
                               << QStringLiteral("ALTER TABLE Personnage ADD COLUMN dragontotem VARCHAR(50); "
                                                 "INSERT INTO Personnage (Nom, dragontotem) VALUES ('Bob', 'Lumière')")
                               << "SELECT DragonTotem FROM Personnage WHERE Nom = 'Bob'";
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
        QCOMPARE(b.perso->scalaire(verification).toString(), "Lumière");
        QCOMPARE(b.perso->scalaire("select version from Version").toInt(), kVersionBase);
    }

    // Avec la base du programme livrée.
    void surLaBaseDuProgramme()
    {
        DossierTest d;
        const QString livree = QDir(dossierProgramme()).filePath("tessarys.db");
        QVERIFY2(QFile::copy(livree, d.chemin("tessarys.db")), qPrintable(livree));
        auto programme = BaseDonnees::ouvre(d.chemin("tessarys.db"));
        auto perso = baseEssai(d, "perso.db");
        creeBaseAncienne(*perso, 1, false);
        remplitAncienne(*perso);
        MiseAJourBase(*perso, *programme);

        QCOMPARE(dispositionLue(*perso), dispositionDecrite(schemaPersonnages()));
        const int objetsProgramme = nombre(*programme, "SELECT count(*) FROM Objets");
        QVERIFY(objetsProgramme > 0);
        // Les objets du joueur (un seul ne vient pas du programme) restent à côté du catalogue.
        QVERIFY(nombre(*perso, "SELECT count(*) FROM Objets") >= objetsProgramme);
        QVERIFY(perso->cherche("Objets", "PrimaryKey", {"Bâton du vieux"}));
    }
};

QTEST_GUILESS_MAIN(TestMiseAJour)
#include "test_miseajour.moc"

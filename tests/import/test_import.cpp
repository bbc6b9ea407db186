// Importation de personnages : bases Quorvane (même ouverte), anciennes versions, fichiers
// Access, échecs au milieu d'un personnage, fenêtre et ligne de commande.
#include "AnciennesBases.h"
#include "OutilsFenetres.h"
#include "OutilsShell.h"
#include "import/BaseImport.h"
#include "import/Importation.h"
#include "import/LectureAccess.h"
#include "import/RefusImport.h"
#include "import/frmImport.h"
#include "shell/ChoixPersonnage.h"
#include "shell/Demarrage.h"
#include "shell/frmMain.h"
#include "shell/db/BaseDonnees.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

namespace {

// Un personnage avec une ligne dans chaque table de personnage, et un objet propre au fichier.
void peuple(BaseDonnees& base, const QString& nom)
{
    ajoutePersonnage(base, nom, "Humain", {2}, {"Guerrier"});
    base.execute("update Personnage set TotalXP=1500, Histoire=? where Nom=?", {"Né à Écueil", nom});
    for (int niv = 1; niv <= 2; ++niv)
        base.ajoute("PersonnageProgression", {{"Nom", nom}, {"Niveau", niv}, {"Classe", "Guerrier"}, {"PV", 8}, {"niv", niv}});
    base.ajoute("PersonnageDons", {{"Nom", nom}, {"Niveau", 1}, {"Classe", "Guerrier"}, {"dons", "Vigilance"}, {"niv", 1}});
    base.ajoute("Equipement", {{"Personnage", nom}, {"NomObjet", "Bâton du vieux"}, {"Pos", 1}});
    base.ajoute("SortPersonnage", {{"NomPerso", nom}, {"NomSort", "Lumière"}, {"Niveau", 0}, {"ClassePerso", "Magicien"}});
    base.ajoute("SortListe", {{"NomPerso", nom}, {"NomSort", "Lumière"}, {"Niveau", 0}, {"ClassePerso", "Magicien"}});
    base.ajoute("Capacites", {{"Personnage", nom}, {"Nom", "Vision nocturne"}});
    if (!base.cherche("Objets", "PrimaryKey", {"Bâton du vieux"}))
        base.ajoute("Objets", {{"NomObjet", "Bâton du vieux"}, {"CoutTotal", 12}});
}

// Base source.db du dossier : ces personnages peuplés, et un personnage exclu.
QString creeSource(const DossiersShell& d, const QStringList& noms)
{
    const QString source = d.creeBasePerso("source.db");
    auto base = BaseDonnees::ouvre(source);
    for (const QString& nom : noms)
        peuple(*base, nom);
    ajoutePersonnage(*base, "Exclu", "Humain", {1}, {"Guerrier"}, true);
    return source;
}

// Nombre de lignes du personnage dans Personnage puis dans chaque table de personnage.
QList<int> lignes(BaseDonnees& base, const QString& nom)
{
    QList<int> n{base.scalaire("select count(*) from Personnage where Nom=?", {nom}).toInt()};
    for (const TablePersonnage& t : TablesPersonnage())
        n.append(base.scalaire(QString("select count(*) from %1 where %2=?").arg(t.table, t.champNom), {nom}).toInt());
    return n;
}

QByteArray empreinte(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

QString testdata(const QString& nom)
{
    return QDir(QStringLiteral(QUORVANE_TESTDATA)).filePath(nom);
}

// Sortie d'un outil de mdbtools, pour comparer nos lectures aux siennes.
QString mdbtools(const QString& outil, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(outil).isEmpty())
        return {};
    QProcess p;
    p.start(outil, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Champs d'une ligne CSV de mdb-export (guillemets doublés, pas de retour à la ligne).
QStringList champsCsv(const QString& ligne)
{
    QStringList champs{QString()};
    bool entre = false;
    for (int i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne.at(i);
        if (c == u'"') {
            if (entre && i + 1 < ligne.size() && ligne.at(i + 1) == u'"')
                champs.last() += c, ++i;
            else
                entre = !entre;
        } else if (c == u',' && !entre) {
            champs.append(QString());
        } else {
            champs.last() += c;
        }
    }
    return champs;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void avecOuSansObjets_data()
    {
        QTest::addColumn<bool>("avecObjets");
        // Personnage, Equipement, PersonnageDons, PersonnageProgression, SortPersonnage, SortListe, Capacites.
        QTest::addColumn<QList<int>>("attendu");
        QTest::newRow("avec les objets") << true << QList<int>{1, 1, 1, 2, 1, 1, 1};
        QTest::newRow("sans les objets") << false << QList<int>{1, 0, 1, 2, 1, 1, 1};
    }
    void avecOuSansObjets()
    {
        QFETCH(bool, avecObjets);
        QFETCH(QList<int>, attendu);
        DossiersShell d;
        auto etat = demarre(d);
        const QString source = creeSource(d, {"Aube"});
        auto import = BaseImport::ouvre(source, *etat->programme);
        QStringList offerts;
        for (const PersonnageChoix& p : ListePersonnagesChoix(import->base()))
            offerts.append(p.nom);
        QCOMPARE(offerts, QStringList{"Aube"});

        const BilanImport bilan = ImportePersonnages(import->base(), *etat->perso, {{"Aube", "Aube"}}, avecObjets);
        QVERIFY(bilan.complet());
        QCOMPARE(lignes(*etat->perso, "Aube"), attendu);
        QCOMPARE(bool(etat->perso->cherche("Objets", "PrimaryKey", {"Bâton du vieux"})), avecObjets);
        QCOMPARE(etat->perso->scalaire("select Histoire from Personnage where Nom='Aube'").toString(), QString("Né à Écueil"));
    }

    void depuisLaBaseOuverte()
    {
        DossiersShell d;
        auto etat = demarre(d);
        peuple(*etat->perso, "Aube");
        auto import = BaseImport::ouvre(etat->cheminPerso, *etat->programme);
        BilanImport bilan = ImportePersonnages(import->base(), *etat->perso, {{"Aube", "Aube"}}, true);
        QCOMPARE(bilan.personnages.size(), 1);
        QCOMPARE(bilan.personnages[0].issue, IssueImport::Refuse);
        QCOMPARE(bilan.personnages[0].message,
                 QString("Aube existe déjà dans cette base, vous devez le supprimer ou le renommer avant de l'importer."));
        // Les noms se comparent sans égard à la casse, comme toute recherche de personnage.
        bilan = ImportePersonnages(import->base(), *etat->perso, {{"Aube", "AUBE"}, {"Aube", "Aube II"}}, true);
        QCOMPARE(bilan.personnages[0].issue, IssueImport::Refuse);
        QCOMPARE(bilan.personnages[1].issue, IssueImport::Importe);
        QCOMPARE(lignes(*etat->perso, "Aube II"), lignes(*etat->perso, "Aube"));
        QCOMPARE(etat->perso->scalaire("select TotalXP from Personnage where Nom='Aube II'").toInt(), 1500);
    }

    void ancienneBaseMiseANiveauSurUneCopie()
    {
        DossiersShell d;
        auto etat = demarre(d);
        const QString chemin = d.chemin("ancienne.db");
        {
            auto base = BaseDonnees::cree(chemin);
            creeBaseAncienne(*base, 5);
            ajoutePresent(*base, "Personnage", {{"Nom", "Vieux"}, {"RACE", "Haut-Elfes"}, {"Classe_1", "Pretre"},
                                                {"Niv_1", 3}, {"Alignement", "lb"}});
            ajoutePresent(*base, "PersonnageProgression", {{"Nom", "Vieux"}, {"Niveau", 1}, {"Classe", "Pretre"}});
        }
        const QByteArray avant = empreinte(chemin);
        auto import = BaseImport::ouvre(chemin, *etat->programme);
        QCOMPARE(import->base().scalaire("select Version from Version").toInt(), 21);
        QVERIFY(ImportePersonnages(import->base(), *etat->perso, {{"Vieux", "Vieux"}}, false).complet());
        import.reset();
        QCOMPARE(empreinte(chemin), avant);
        const Ligne l = etat->perso->cherche("Personnage", "PrimaryKey", {"Vieux"});
        QCOMPARE(l.texte("RACE"), QString("Elfe"));
        QCOMPARE(l.texte("Classe_1"), QString("Prêtre"));
        QCOMPARE(l.texte("Alignement"), QString("LOYAL BON"));
        QCOMPARE(etat->perso->scalaire("select Classe from PersonnageProgression where Nom='Vieux'").toString(), QString("Prêtre"));
    }

    void echecAuMilieuDUnPersonnage()
    {
        DossiersShell d;
        auto etat = demarre(d);
        const QString source = creeSource(d, {"Aube", "Bran"});
        // Panne à la quatrième table d'Aube, après Personnage, Equipement et ses niveaux.
        etat->perso->execute("CREATE TRIGGER panne BEFORE INSERT ON SortPersonnage WHEN NEW.NomPerso = 'Aube' "
                             "BEGIN SELECT RAISE(ABORT, 'panne'); END");
        auto import = BaseImport::ouvre(source, *etat->programme);
        const BilanImport bilan = ImportePersonnages(import->base(), *etat->perso, {{"Aube", "Aube"}, {"Bran", "Bran"}}, true);
        QVERIFY(!bilan.complet());
        QCOMPARE(bilan.personnages[0].issue, IssueImport::Echec);
        QCOMPARE(bilan.personnages[0].message, QString("L'importation de « Aube » a échoué : aucune de ses lignes n'a été écrite."));
        QCOMPARE(lignes(*etat->perso, "Aube"), (QList<int>{0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(bilan.personnages[1].issue, IssueImport::Importe);
        QCOMPARE(lignes(*etat->perso, "Bran"), (QList<int>{1, 1, 1, 2, 1, 1, 1}));
    }

    void fichiersRefuses_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("message");
        QTest::newRow("texte") << QByteArray("Nom;Race\nAube;Humain\n")
                               << "Le fichier « refuse.mdb » n'est ni une base Quorvane (.db) ni une base Access (.mdb) : "
                                  "rien n'a été importé.";
        QByteArray tronque;
        if (QFile f(testdata("nwind.mdb")); f.open(QIODevice::ReadOnly))
            tronque = f.read(6000);
        QTest::newRow("Access tronqué") << tronque
                                        << "Le fichier Access « refuse.mdb » ne peut pas être lu : il est peut-être chiffré "
                                           "(protégé par Access) ou endommagé. Ouvrez-le dans Access pour le réparer ou "
                                           "retirer le chiffrement, puis recommencez. Rien n'a été importé.";
        QTest::newRow("SQLite tronqué") << QByteArray("SQLite format 3\0\x10\0", 19)
                                        << "Le fichier « refuse.mdb » est endommagé : rien n'a été importé.";
    }
    void fichiersRefuses()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        if (contenu.isEmpty())
            QSKIP("Fichiers Access d'essai absents (../shared/testdata)");
        DossiersShell d;
        auto etat = demarre(d);
        ecritFichier(d.chemin("refuse.mdb"), contenu);
        try {
            BaseImport::ouvre(d.chemin("refuse.mdb"), *etat->programme);
            QFAIL("fichier accepté");
        } catch (const RefusImport& refus) {
            QCOMPARE(refus.description(), message);
        }
    }

    void lectureAccess_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("Jet 3, accents") << "nwind.mdb" << "Customers" << "CustomerID" << "ANATR";
        QTest::newRow("Jet 3, dates et nombres") << "nwind.mdb" << "Orders" << "OrderID" << "10330";
        QTest::newRow("Jet 3, oui/non") << "nwind.mdb" << "Products" << "ProductID" << "5";
        QTest::newRow("Jet 4, mémo et dates") << "DateTestDatabase.mdb" << "DateTest" << "IDCol" << "1";
    }
    void lectureAccess()
    {
        QFETCH(QString, fichier);
        QFETCH(QString, table);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        if (!QFileInfo::exists(testdata(fichier)))
            QSKIP("Fichiers Access d'essai absents (../shared/testdata)");
        const QString tables = mdbtools("mdb-tables", {"-1", testdata(fichier)});
        if (tables.isEmpty())
            QSKIP("mdbtools absent : pas de lecture de référence (scripts/installe-dependances.sh)");
        QCOMPARE(GenreDeFichier(testdata(fichier)), GenreFichier::Access);
        DossierTest d;
        auto base = baseVide(d);
        CopieAccess(testdata(fichier), *base);
        QCOMPARE(base->tables().size(), tables.split(u'\n', Qt::SkipEmptyParts).size());
        if (fichier == u"nwind.mdb") {
            // Textes cités par le mode d'emploi des fichiers d'essai : accents des noms et des valeurs.
            QVERIFY(base->existeTable("Umsätze"));
            QCOMPARE(base->scalaire("select count(*) from Customers where CompanyName=?", {"Océano Atlántico Ltda."}).toInt(), 1);
        }

        // La ligne voulue, lue par mdb-export : textes tels quels, dates en AAAA-MM-JJ.
        const QStringList export_ = mdbtools("mdb-export", {"-T", "%Y-%m-%d %H:%M:%S", testdata(fichier), table})
                                        .split(u'\n', Qt::SkipEmptyParts);
        const QStringList entetes = champsCsv(export_.value(0));
        QStringList reference;
        for (const QString& l : export_)
            if (champsCsv(l).value(entetes.indexOf(cle)) == valeur)
                reference = champsCsv(l);
        QCOMPARE(reference.size(), entetes.size());
        const Ligne lue = base->premiere(QString("select * from %1 where %2=?").arg(identifiant(table), identifiant(cle)),
                                         {valeur.toLongLong() ? QVariant(valeur.toLongLong()) : QVariant(valeur)});
        QVERIFY(lue);
        for (int i = 0; i < entetes.size(); ++i) {
            const QString attendu = reference.at(i);
            const QVariant v = lue.valeur(entetes.at(i));
            if (attendu.isEmpty())
                QVERIFY2(v.isNull(), qPrintable(entetes.at(i)));
            else if (QRegularExpression("^\\d{4}-\\d\\d-\\d\\d 00:00:00$").match(attendu).hasMatch())
                QCOMPARE(v.toString(), attendu.left(10));
            else if (bool nombre = false; attendu.toDouble(&nombre), nombre)
                QCOMPARE(v.toDouble(), attendu.toDouble());
            else
                QCOMPARE(v.toString(), attendu);
        }
    }

    void fenetre()
    {
        DossiersShell d;
        auto etat = demarre(d);
        const QString source = creeSource(d, {"Aube", "Bran"});
        ajoutePersonnage(*etat->perso, "Bran", "Humain", {1}, {"Guerrier"});
        CaptureBoites boites;
        frmImport f(*etat, BaseImport::ouvre(source, *etat->programme));
        f.resize(760, 400);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.vsPersoImport->rowCount(), 2);
        QCOMPARE(f.vsPersoImport->item(0, frmImport::ColImport)->text(), QString("Non"));
        QCOMPARE(f.vsPersoImport->item(1, frmImport::ColNiveau)->text(), QString("2"));
        f.vsPersoImport->edit(f.vsPersoImport->model()->index(0, frmImport::ColRace));
        QTRY_COMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites[0].texte, QString("Vous ne pouvez pas changer cette céllule"));

        f.chkObjet->click();
        QCOMPARE(f.chkObjet->text(), QString("Sans les objets"));
        f.btnTous->click();
        QCOMPARE(f.vsPersoImport->item(1, frmImport::ColImport)->text(), QString("Oui"));
        f.vsPersoImport->item(0, frmImport::ColNomImport)->setText("Aube la jeune");
        enregistreCapture(&f, "frmImport");
        f.BtnImport->click();
        // Bran existe déjà : seul ce personnage est écarté, avec son message.
        QCOMPARE(boites.boites.size(), 2);
        QVERIFY(boites.boites[1].texte.startsWith("Bran existe déjà dans cette base"));
        QCOMPARE(lignes(*etat->perso, "Aube la jeune"), (QList<int>{1, 0, 1, 2, 1, 1, 1}));
    }

    void menuImportation()
    {
        DossiersShell d;
        auto etat = demarre(d);
        peuple(*etat->perso, "Aube");
        CaptureBoites boites;
        frmMain principale(*etat);
        principale.show();
        principale.ouvreImport(QDir(d.programme).filePath(QLatin1String(kNomBaseProgramme)));
        QCOMPARE(boites.boites.size(), 1);
        QCOMPARE(boites.boites[0].texte, QString("On ne peut pas ouvrir la base de donnée du programme !"));
        QVERIFY(!principale.TrouveChild("frmImport"));
        principale.ouvreImport(etat->cheminPerso);
        QCOMPARE(boites.boites.size(), 2);
        QCOMPARE(boites.boites[1].texte, QString("Vous ouvrez la base en cours d'utilisation.\n"
                                                 "Vous pourrez seulement dupliquer les personnages en les renommant."));
        QVERIFY(principale.TrouveChild("frmImport"));
        QVERIFY(!principale.TrouveChild("frmAcceder"));
        enregistreCapture(&principale, "frmMain_import");
    }

    void ligneDeCommande()
    {
        DossiersShell d;
        const QString source = creeSource(d, {"Aube", "Bran"});
        const QString destination = d.creeBasePerso("destination.db");
        ajoutePersonnage(destination, "Bran", "Humain", {1}, {"Guerrier"});
        const auto lance = [&](const QStringList& arguments, QString& sortie) {
            QProcess p;
            p.start(QDir(dossierProgramme()).filePath("quorvane-cli"),
                    QStringList{"importe", source, "--base", destination, "--programme", d.programme} + arguments);
            p.waitForFinished(30000);
            sortie = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
            return p.exitCode();
        };
        QString sortie;
        QCOMPARE(lance({"--sans-objets", "--nom", "Aube=Aube II"}, sortie), 1);
        QVERIFY2(sortie.contains("Importé : Aube sous le nom Aube II\n"), qPrintable(sortie));
        QVERIFY2(sortie.contains("Non importé : Bran existe déjà dans cette base"), qPrintable(sortie));
        QCOMPARE(lance({"--nom", "Bran=Bran II", "Bran"}, sortie), 0);
        QCOMPARE(sortie, QString("Importé : Bran sous le nom Bran II\n"));
        auto base = BaseDonnees::ouvre(destination);
        QCOMPARE(lignes(*base, "Aube II"), (QList<int>{1, 0, 1, 2, 1, 1, 1}));
        QCOMPARE(lignes(*base, "Bran II"), (QList<int>{1, 1, 1, 2, 1, 1, 1}));
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"

#include "SurcoucheRegles.h"
#include "BaseDonnees.h"
#include "shell/Erreur.h"
#include "shell/FichierIni.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct TableCorrigeable
{
    const char* table;
    const char* cle;
};

// Les tables dont l'utilisateur peut corriger les textes, et le champ qui nomme leurs lignes.
constexpr TableCorrigeable kTables[] = {{"Dons", "Nom"}, {"Sort", "Nom"}, {"Race", "Race"}};

// Champs d'un don personnel qui remplacent ceux du don des règles de même nom.
const QStringList& champsDonsPerso()
{
    static const QStringList champs = {
        QStringLiteral("Nom"),     QStringLiteral("version"),     QStringLiteral("Genre"),
        QStringLiteral("Source"),  QStringLiteral("résumé"),      QStringLiteral("Explication"),
        QStringLiteral("Caracteristique"), QStringLiteral("prive"), QStringLiteral("liearme"),
        QStringLiteral("Multiple"), QStringLiteral("epique"),     QStringLiteral("pouvoir"),
        QStringLiteral("tare"),    QStringLiteral("trait")};
    return champs;
}

const QString kDonsPerso = QStringLiteral("quorvane_donsperso");

bool correctionsAttachees(BaseDonnees& programme)
{
    return programme.scalaire(QStringLiteral("SELECT count(*) FROM pragma_database_list WHERE name = 'corrections'")).toInt() > 0;
}

bool tableTemporaire(BaseDonnees& programme, const QString& nom)
{
    return programme.scalaire(QStringLiteral("SELECT count(*) FROM temp.sqlite_master WHERE type = 'table' AND name = ?"), {nom})
               .toInt() > 0;
}

// Champ tel que la table le déclare (les corrections et les dons personnels ne gardent pas la casse).
QHash<QString, QString> champsMain(BaseDonnees& programme, const QString& table)
{
    QHash<QString, QString> champs;
    for (const Ligne& l : programme.selectionne(QStringLiteral("SELECT name FROM pragma_table_info(?, 'main')"), {table}))
        champs.insert(l.texte(QStringLiteral("name")).toUpper(), l.texte(QStringLiteral("name")));
    return champs;
}

// Refait la table temporaire qui recouvre une table des règles : copie de la table livrée (même
// déclaration, mêmes index, donc mêmes recherches), puis dons personnels, puis corrections.
void recouvre(BaseDonnees& programme, const TableCorrigeable& t, bool corrections)
{
    const QString table = QString::fromLatin1(t.table);
    programme.execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(identifiant(TableRecherche(table))));
    programme.execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(identifiant(table)));
    const bool dons = table == u"Dons" && tableTemporaire(programme, kDonsPerso)
                      && programme.scalaire(QStringLiteral("SELECT count(*) FROM temp.%1").arg(kDonsPerso)).toInt() > 0;
    const bool corrige = corrections
                         && programme.scalaire(QStringLiteral("SELECT count(*) FROM corrections.Correction WHERE TableRegles = ?"),
                                               {table}).toInt() > 0;
    const QString declaration = programme.scalaire(QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type = 'table' AND name = ?"),
                                                   {table}).toString();
    if ((!dons && !corrige) || declaration.isEmpty())
        return;

    static const QRegularExpression debutTable(QStringLiteral("^CREATE TABLE "), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression debutIndex(QStringLiteral("^CREATE (UNIQUE )?INDEX "), QRegularExpression::CaseInsensitiveOption);
    programme.execute(QString(declaration).replace(debutTable, QStringLiteral("CREATE TEMP TABLE ")));
    for (const Ligne& index : programme.selectionne(QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type = 'index' "
                                                                   "AND tbl_name = ? AND sql IS NOT NULL"),
                                                    {table}))
        programme.execute(index.texte(QStringLiteral("sql")).replace(debutIndex, QStringLiteral("CREATE \\1INDEX temp.")));
    programme.execute(QStringLiteral("INSERT INTO temp.%1 SELECT * FROM main.%1").arg(identifiant(table)));

    const QHash<QString, QString> champs = champsMain(programme, table);
    const QString cle = champs.value(QString::fromLatin1(t.cle).toUpper());
    const auto ecrit = [&](const QString& nom, const QString& champ, const QVariant& valeur, bool ajouteSiAbsent) {
        const QString colonne = champs.value(champ.toUpper());
        if (colonne.isEmpty())
            return;
        const int changees = programme.execute(QStringLiteral("UPDATE temp.%1 SET %2 = ? WHERE %3 = ?")
                                                   .arg(identifiant(table), identifiant(colonne), identifiant(cle)),
                                               {valeur, nom});
        if (changees == 0 && ajouteSiAbsent)
            programme.execute(QStringLiteral("INSERT INTO temp.%1 (%2, %3) VALUES (?, ?)")
                                  .arg(identifiant(table), identifiant(cle), identifiant(colonne)),
                              {nom, valeur});
    };
    if (dons) {
        for (const Ligne& l : programme.selectionne(QStringLiteral("SELECT Nom, Champ, Valeur FROM temp.%1 ORDER BY rowid").arg(kDonsPerso)))
            ecrit(l.texte(QStringLiteral("Nom")), l.texte(QStringLiteral("Champ")), l.valeur(QStringLiteral("Valeur")), true);
    }
    if (corrige) {
        // Une correction d'une ligne que les règles n'ont plus ne s'applique pas.
        for (const Ligne& l : programme.selectionne(QStringLiteral("SELECT Cle, Champ, Valeur FROM corrections.Correction "
                                                                   "WHERE TableRegles = ? ORDER BY rowid"),
                                                    {table}))
            ecrit(l.texte(QStringLiteral("Cle")), l.texte(QStringLiteral("Champ")), l.valeur(QStringLiteral("Valeur")), false);
    }
}

void recouvreTout(BaseDonnees& programme)
{
    const bool corrections = correctionsAttachees(programme);
    for (const TableCorrigeable& t : kTables)
        recouvre(programme, t, corrections);
}

void attache(BaseDonnees& programme, const QString& chemin)
{
    programme.execute(QStringLiteral("ATTACH DATABASE ? AS corrections"), {chemin});
    const bool valide = programme.scalaire(QStringLiteral("SELECT count(*) FROM corrections.sqlite_master "
                                                          "WHERE type = 'table' AND name = 'Correction'")).toInt() > 0;
    if (!valide) {
        programme.execute(QStringLiteral("DETACH DATABASE corrections"));
        throw ErreurBase(QStringLiteral("Le fichier de vos corrections des règles « %1 » n'en est pas un : il est laissé "
                                        "de côté et les règles sont lues telles qu'elles sont livrées.").arg(chemin));
    }
}

} // namespace

QString TableRecherche(const QString& table)
{
    return QStringLiteral("quorvane_recherche_") + table;
}

QString CheminCorrections()
{
    return QDir(DossierDonneesUtilisateur()).filePath(QLatin1String(kNomCorrections));
}

void AttacheCorrections(BaseDonnees& programme, const QString& chemin)
{
    if (correctionsAttachees(programme) || !QFileInfo::exists(chemin))
        return;
    attache(programme, chemin);
    Transaction transaction(programme);
    recouvreTout(programme);
    transaction.valide();
}

void CopieDonsPerso(BaseDonnees& perso, BaseDonnees& programme)
{
    Transaction transaction(programme);
    programme.execute(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(kDonsPerso));
    programme.execute(QStringLiteral("CREATE TEMP TABLE %1 (Nom TEXT, Champ TEXT, Valeur)").arg(kDonsPerso));
    if (perso.existeTable(QStringLiteral("Donsperso"))) {
        // Un don sans nom ne pourrait être retrouvé parmi les dons : il reste où il est.
        for (const Ligne& don : perso.selectionne(QStringLiteral("SELECT * FROM Donsperso WHERE Nom IS NOT NULL"))) {
            for (const QString& champ : champsDonsPerso())
                if (don.contient(champ))
                    programme.execute(QStringLiteral("INSERT INTO temp.%1 VALUES (?, ?, ?)").arg(kDonsPerso),
                                      {don.valeur(QStringLiteral("Nom")), champ, don.valeur(champ)});
        }
    }
    recouvre(programme, kTables[0], correctionsAttachees(programme));
    transaction.valide();
}

void EnregistreCorrection(BaseDonnees& programme, const QString& chemin, const QString& table, const QString& cle,
                          const QVariantMap& champs)
{
    const TableCorrigeable* cible = nullptr;
    for (const TableCorrigeable& t : kTables)
        if (table.compare(QLatin1String(t.table), Qt::CaseInsensitive) == 0)
            cible = &t;
    if (!cible)
        throw ErreurBase(QStringLiteral("La table « %1 » des règles ne se corrige pas.").arg(table));
    if (!correctionsAttachees(programme)) {
        if (!QFileInfo::exists(chemin)) {
            QDir().mkpath(QFileInfo(chemin).absolutePath());
            BaseDonnees::creeComplete(chemin, [](BaseDonnees& base) {
                base.execute(QStringLiteral("CREATE TABLE Correction (TableRegles TEXT NOT NULL, Cle TEXT NOT NULL COLLATE %1, "
                                            "Champ TEXT NOT NULL COLLATE %1, Valeur, DateModif TEXT, "
                                            "PRIMARY KEY (TableRegles, Cle, Champ))")
                                 .arg(QLatin1String(kCollationNoms)));
            });
        }
        attache(programme, chemin);
    }
    Transaction transaction(programme);
    const QString nomTable = QString::fromLatin1(cible->table);
    for (auto it = champs.constBegin(); it != champs.constEnd(); ++it) {
        if (it.value().isNull())
            programme.execute(QStringLiteral("DELETE FROM corrections.Correction WHERE TableRegles = ? AND Cle = ? AND Champ = ?"),
                              {nomTable, cle, it.key()});
        else
            programme.execute(QStringLiteral("INSERT OR REPLACE INTO corrections.Correction VALUES (?, ?, ?, ?, ?)"),
                              {nomTable, cle, it.key(), it.value(), QDate::currentDate().toString(Qt::ISODate)});
    }
    recouvre(programme, *cible, true);
    transaction.valide();
}

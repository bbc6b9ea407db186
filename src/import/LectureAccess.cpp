#include "LectureAccess.h"
#include "RefusImport.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <memory>
#include <mdbtools.h>

namespace {

// Plus grand texte lu d'une cellule : un mémo d'historique dépasse la taille par défaut.
constexpr size_t kTailleLecture = 200000;

QString messageIllisible(const QString& chemin)
{
    return QStringLiteral("Le fichier Access « %1 » ne peut pas être lu : il est peut-être chiffré (protégé par "
                          "Access) ou endommagé. Ouvrez-le dans Access pour le réparer ou retirer le chiffrement, "
                          "puis recommencez. Rien n'a été importé.")
        .arg(QFileInfo(chemin).fileName());
}

struct FermeMdb
{
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct LibereTable
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// Type de notre moteur pour un type Access ; faux pour ce qui ne se range pas (OLE, binaire).
bool typeChamp(int typeAccess, TypeChamp& type)
{
    switch (typeAccess) {
    case MDB_BOOL: type = TypeChamp::Booleen; return true;
    case MDB_BYTE:
    case MDB_INT: type = TypeChamp::Entier; return true;
    case MDB_LONGINT:
    case MDB_COMPLEX: type = TypeChamp::Long; return true;
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC: type = TypeChamp::Double; return true;
    case MDB_DATETIME: type = TypeChamp::Date; return true;
    case MDB_TEXT:
    case MDB_REPID: type = TypeChamp::Texte; return true;
    case MDB_MEMO: type = TypeChamp::Memo; return true;
    default: return false;
    }
}

// Date Access : jours depuis le 30/12/1899, la fraction donnant l'heure (même avant 1899).
QVariant dateAccess(double valeur)
{
    const double jours = std::trunc(valeur);
    const qint64 secondes = qint64(std::llround(std::abs(valeur - jours) * 86400.0));
    const QDate jour = QDate(1899, 12, 30).addDays(qint64(jours) + secondes / 86400);
    const QTime heure = QTime(0, 0).addSecs(int(secondes % 86400));
    if (!jour.isValid())
        return {};
    if (heure == QTime(0, 0))
        return jour.toString(Qt::ISODate);
    return QDateTime(jour, heure).toString(Qt::ISODate);
}

struct Colonne
{
    MdbColumn* colonne;
    int numero;        // à partir de 1, pour libmdb
    TypeChamp type;
    QByteArray tampon;
    int longueur = 0;
};

void copieTable(MdbHandle* mdb, MdbCatalogEntry* entree, BaseDonnees& destination)
{
    std::unique_ptr<MdbTableDef, LibereTable> table(mdb_read_table(entree));
    if (!table || !mdb_read_columns(table.get()))
        throw RefusImport(QString(), QStringLiteral("table illisible : ") + QString::fromUtf8(entree->object_name));
    const QString nom = QString::fromUtf8(entree->object_name);

    DefinitionTable definition{nom, {}, {}};
    std::vector<Colonne> colonnes;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* c = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        TypeChamp type;
        if (!typeChamp(c->col_type, type))
            continue;
        definition.champs.append({QString::fromUtf8(c->name), type, 0, {}});
        colonnes.push_back({c, int(i) + 1, type, QByteArray(int(kTailleLecture), '\0')});
    }
    // Les tables d'une base de personnages retrouvent leurs index de recherche.
    for (const DefinitionTable& connue : schemaPersonnages()) {
        if (connue.nom.compare(nom, Qt::CaseInsensitive) != 0)
            continue;
        for (const DefinitionIndex& index : connue.index) {
            bool present = true;
            for (const QString& champ : index.champs)
                present = present && std::any_of(definition.champs.cbegin(), definition.champs.cend(), [&](const DefinitionChamp& c) {
                    return c.nom.compare(champ, Qt::CaseInsensitive) == 0;
                });
            // Une ancienne base peut tenir des doublons que l'ancien moteur tolérait.
            if (present)
                definition.index.append({index.nom, index.champs, false});
        }
    }
    if (definition.champs.isEmpty())
        return;
    destination.creeTable(definition);

    for (Colonne& c : colonnes)
        mdb_bind_column(table.get(), c.numero, c.tampon.data(), &c.longueur);
    QStringList noms, marques;
    for (const DefinitionChamp& c : definition.champs) {
        noms.append(identifiant(c.nom));
        marques.append(QStringLiteral("?"));
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(identifiant(nom), noms.join(u','), marques.join(u','));
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        QVariantList valeurs;
        for (const Colonne& c : colonnes) {
            const QByteArray texte(c.tampon.constData(), qMin(c.longueur, int(kTailleLecture)));
            if (c.type == TypeChamp::Booleen) {
                valeurs.append(texte == "1");
                continue;
            }
            if (c.longueur == 0) {
                valeurs.append(QVariant());
                continue;
            }
            switch (c.type) {
            case TypeChamp::Entier:
            case TypeChamp::Long: valeurs.append(texte.trimmed().toLongLong()); break;
            case TypeChamp::Double: valeurs.append(texte.trimmed().toDouble()); break;
            case TypeChamp::Date:
                valeurs.append(c.colonne->cur_value_len >= 8
                                   ? dateAccess(mdb_get_double(mdb->pg_buf, c.colonne->cur_value_start))
                                   : QVariant());
                break;
            default: valeurs.append(QString::fromUtf8(texte)); break;
            }
        }
        destination.execute(sql, valeurs);
    }
}

} // namespace

GenreFichier GenreDeFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return GenreFichier::Autre;
    const QByteArray debut = f.read(32);
    if (debut.startsWith(QByteArray("SQLite format 3\0", 16)))
        return GenreFichier::Sqlite;
    // En-tête Jet : 00 01 00 00 puis « Standard Jet DB » (ou ACE pour les versions récentes).
    if (debut.size() >= 19 && debut.startsWith(QByteArray("\0\1\0\0", 4))
        && (debut.mid(4, 15) == "Standard Jet DB" || debut.mid(4, 15) == "Standard ACE DB"))
        return GenreFichier::Access;
    return GenreFichier::Autre;
}

void CopieAccess(const QString& chemin, BaseDonnees& destination)
{
    std::unique_ptr<MdbHandle, FermeMdb> mdb(mdb_open(QFile::encodeName(chemin).constData(), MDB_NOFLAGS));
    if (!mdb)
        throw RefusImport(messageIllisible(chemin), QStringLiteral("mdb_open a échoué sur ") + chemin);
    mdb_set_bind_size(mdb.get(), kTailleLecture);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        throw RefusImport(messageIllisible(chemin), QStringLiteral("catalogue illisible : ") + chemin);
    Transaction transaction(destination);
    try {
        for (unsigned i = 0; i < mdb->num_catalog; ++i) {
            auto* entree = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
            if (entree->object_type != MDB_TABLE || !mdb_is_user_table(entree))
                continue;
            copieTable(mdb.get(), entree, destination);
        }
    } catch (const RefusImport& e) {
        throw RefusImport(messageIllisible(chemin), e.detail());
    } catch (const ErreurExecution& e) {
        throw RefusImport(messageIllisible(chemin), e.description());
    }
    transaction.valide();
}

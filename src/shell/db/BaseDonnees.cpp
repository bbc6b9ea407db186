#include "BaseDonnees.h"
#include "Collation.h"
#include "Curseur.h"
#include "Instruction.h"
#include "shell/Erreur.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <sqlite3.h>

QString identifiant(const QString& nom)
{
    QString s = nom;
    s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

BaseDonnees::BaseDonnees(QString chemin) : m_chemin(std::move(chemin))
{
}

BaseDonnees::~BaseDonnees()
{
    qDeleteAll(m_requetes);
    m_requetes.clear();
    if (m_connexion) {
        if (m_profondeur > 0)
            sqlite3_exec(m_connexion, "ROLLBACK", nullptr, nullptr, nullptr);
        // Un curseur encore vivant garde sa requête : la connexion se ferme quand il la libère.
        sqlite3_close_v2(m_connexion);
    }
}

std::unique_ptr<BaseDonnees> BaseDonnees::ouvreAvec(const QString& chemin, Acces acces)
{
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || !info.exists())
        throw ErreurBase(QStringLiteral("Le fichier « %1 » n'existe pas.").arg(chemin), NumeroErreur::Introuvable);
    if (!info.isFile())
        throw ErreurBase(QStringLiteral("« %1 » n'est pas un fichier.").arg(chemin));
    if (!info.isReadable())
        throw ErreurBase(QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(chemin));
    std::unique_ptr<BaseDonnees> base(new BaseDonnees(info.absoluteFilePath()));
    base->ouvreConnexion(acces);
    return base;
}

std::unique_ptr<BaseDonnees> BaseDonnees::ouvre(const QString& chemin)
{
    return ouvreAvec(chemin, Acces::Ecriture);
}

std::unique_ptr<BaseDonnees> BaseDonnees::ouvreLecture(const QString& chemin)
{
    return ouvreAvec(chemin, Acces::Lecture);
}

std::unique_ptr<BaseDonnees> BaseDonnees::cree(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (info.exists())
        throw ErreurBase(QStringLiteral("Le fichier « %1 » existe déjà.").arg(chemin));
    if (!QFileInfo(info.absolutePath()).isDir())
        throw ErreurBase(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(info.absolutePath()));
    std::unique_ptr<BaseDonnees> base(new BaseDonnees(info.absoluteFilePath()));
    base->ouvreConnexion(Acces::Creation);
    return base;
}

namespace {

// Donne au fichier temporaire son nom définitif, sans jamais remplacer un fichier existant.
bool renommeSansRemplacer(const QString& source, const QString& cible)
{
    const QByteArray de = QFile::encodeName(source), vers = QFile::encodeName(cible);
    if (::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, vers.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // Système de fichiers sans renommage exclusif : un lien dur échoue aussi sur un nom pris.
    if (::link(de.constData(), vers.constData()) != 0) {
        if (errno == EEXIST)
            return false;
        throw ErreurBase(QStringLiteral("Impossible de créer « %1 » : %2.").arg(cible, QString::fromLocal8Bit(std::strerror(errno))));
    }
    ::unlink(de.constData());
    return true;
}

} // namespace

std::unique_ptr<BaseDonnees> BaseDonnees::creeComplete(const QString& chemin,
                                                       const std::function<void(BaseDonnees&)>& remplit)
{
    const QFileInfo info(chemin);
    const QString existe = QStringLiteral("Le fichier « %1 » existe déjà.").arg(chemin);
    if (info.exists())
        throw ErreurBase(existe);
    if (!QFileInfo(info.absolutePath()).isDir())
        throw ErreurBase(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(info.absolutePath()));
    // Ouverture exclusive d'un nom neuf : ce fichier-là est à nous seuls, nous pouvons l'effacer.
    QTemporaryFile temporaire(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporaire.open())
        throw ErreurBase(QStringLiteral("Impossible de créer un fichier dans le dossier « %1 » : %2.")
                             .arg(info.absolutePath(), temporaire.errorString()));
    temporaire.close();
    const QString provisoire = temporaire.fileName();
    {
        std::unique_ptr<BaseDonnees> base(new BaseDonnees(provisoire));
        base->ouvreConnexion(Acces::Creation);
        remplit(*base);
    }
    temporaire.setAutoRemove(!renommeSansRemplacer(provisoire, info.absoluteFilePath()));
    if (temporaire.autoRemove())
        throw ErreurBase(existe);
    temporaire.setAutoRemove(false);
    return ouvre(info.absoluteFilePath());
}

void BaseDonnees::fixeAttenteVerrou(int millisecondes)
{
    sqlite3_busy_timeout(m_connexion, millisecondes);
}

void BaseDonnees::ouvreConnexion(Acces acces)
{
    const bool creation = acces == Acces::Creation;
    const auto echecOuverture = [&](int code) {
        throw ErreurBase(QStringLiteral("Impossible %1 « %2 » : %3.")
                             .arg(creation ? QStringLiteral("de créer") : QStringLiteral("d'ouvrir"), m_chemin,
                                  messageMoteur(m_connexion, code)),
                         NumeroErreur::Base, m_connexion ? QString::fromUtf8(sqlite3_errmsg(m_connexion)) : QString());
    };
    // En lecture seule, c'est le fichier qui l'est (mode=ro) et non la connexion : une base
    // rattachée ensuite (les corrections de l'utilisateur) reste modifiable.
    // Une connexion ne sert qu'au fil qui l'a ouverte : pas de verrou à chaque appel. Le compte
    // de la mémoire allouée, inutile ici, prend lui aussi un verrou global : il est coupé avant
    // la première ouverture.
    static const bool sansCompte = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    Q_UNUSED(sansCompte);
    const int drapeaux = SQLITE_OPEN_NOMUTEX
                         | (acces == Acces::Lecture ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI
                                                    : SQLITE_OPEN_READWRITE | (creation ? SQLITE_OPEN_CREATE : 0));
    const QByteArray nom = acces == Acces::Lecture ? QUrl::fromLocalFile(m_chemin).toEncoded() + "?mode=ro"
                                                   : m_chemin.toUtf8();
    if (const int r = sqlite3_open_v2(nom.constData(), &m_connexion, drapeaux, nullptr); r != SQLITE_OK)
        echecOuverture(r);
    sqlite3_extended_result_codes(m_connexion, 1);
    sqlite3_busy_timeout(m_connexion, kAttenteVerrouMs);
    enregistreCollation(m_connexion);
    // Une lecture du catalogue révèle tout de suite un fichier qui n'est pas une base.
    if (const int r = sqlite3_exec(m_connexion, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        r != SQLITE_OK)
        echecOuverture(r);
    // Les tables qui recouvrent les règles vivent en mémoire, jamais dans un fichier.
    sqlite3_exec(m_connexion, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    // Les textes sont lus et liés en UTF-16 et la collation des noms compare de l'UTF-16 : une
    // base dans ce codage évite une conversion à chaque comparaison d'index.
    if (creation) {
        if (const int r = sqlite3_exec(m_connexion, "PRAGMA encoding = 'UTF-16le'; PRAGMA user_version = 0",
                                       nullptr, nullptr, nullptr);
            r != SQLITE_OK)
            echecOuverture(r);
    }
}

Instruction& BaseDonnees::lance(const QString& sql, const QVariantList& valeurs)
{
    Instruction* instruction = m_requetes.value(sql);
    if (!instruction) {
        auto neuve = std::make_unique<Instruction>(m_connexion, sql, m_chemin);
        instruction = neuve.release();
        m_requetes.insert(sql, instruction);
        if (m_suivi)
            m_suivi(sql);
    }
    instruction->lie(valeurs);
    return *instruction;
}

namespace {

bool changeSchema(const QString& sql)
{
    const QStringView debut = QStringView(sql).trimmed();
    for (const char* mot : {"CREATE", "ALTER", "DROP", "ATTACH", "DETACH"})
        if (debut.startsWith(QLatin1String(mot), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

int BaseDonnees::execute(const QString& sql, const QVariantList& valeurs)
{
    // Une instruction qui change le schéma périme les champs retenus (pas les requêtes : SQLite
    // les prépare de nouveau lui-même, et celle-ci est peut-être l'une d'elles).
    const bool schema = changeSchema(sql);
    if (schema)
        m_champs.clear();
    Instruction& q = lance(sql, valeurs);
    // Toute écriture périme les lectures gardées (avant de la faire : elle peut échouer à moitié),
    // de même qu'une base rattachée ou détachée, que SQLite compte pourtant comme une lecture.
    if (schema || !q.lectureSeule())
        m_lectures.clear();
    while (q.suivante()) {}
    return sqlite3_changes(m_connexion);
}

QString BaseDonnees::cleLecture(QChar genre, const QString& sql, const QVariantList& valeurs)
{
    QString cle = genre + sql;
    for (const QVariant& v : valeurs) {
        cle += QChar(0x1F);
        cle += QString::number(v.isNull() ? 0 : v.typeId());
        cle += QChar(0x1E);
        cle += v.toString();
    }
    return cle;
}

void BaseDonnees::garde(QHash<QString, QVector<Ligne>>& lectures, const QString& cle, QVector<Ligne> lignes)
{
    // Garde-fou contre une mémoire sans fin : les règles entières tiennent bien en deçà.
    constexpr qsizetype kMaxLectures = 200000;
    if (lectures.size() >= kMaxLectures)
        lectures.clear();
    lectures.insert(cle, std::move(lignes));
}

QVector<Ligne> BaseDonnees::selectionne(const QString& sql, const QVariantList& valeurs)
{
    QString cle;
    if (m_memorise) {
        cle = cleLecture(u'S', sql, valeurs);
        if (auto it = m_lectures.constFind(cle); it != m_lectures.constEnd())
            return *it;
    }
    Instruction& q = lance(sql, valeurs);
    QVector<Ligne> lignes;
    while (q.suivante())
        lignes.append(q.ligne());
    if (m_memorise && q.lectureSeule())
        garde(m_lectures, cle, lignes);
    return lignes;
}

Ligne BaseDonnees::premiere(const QString& sql, const QVariantList& valeurs)
{
    QString cle;
    if (m_memorise) {
        cle = cleLecture(u'P', sql, valeurs);
        if (auto it = m_lectures.constFind(cle); it != m_lectures.constEnd())
            return it->isEmpty() ? Ligne() : it->first();
    }
    Instruction& q = lance(sql, valeurs);
    Ligne ligne;
    if (q.suivante())
        ligne = q.ligne();
    q.termine();
    if (m_memorise && q.lectureSeule())
        garde(m_lectures, cle, ligne.estValide() ? QVector<Ligne>{ligne} : QVector<Ligne>{});
    return ligne;
}

void BaseDonnees::parcourt(const QString& sql, const QVariantList& valeurs,
                           const std::function<void(const Instruction&)>& chaque)
{
    Instruction& q = lance(sql, valeurs);
    try {
        while (q.suivante())
            chaque(q);
    } catch (...) {
        q.termine();
        throw;
    }
}

QVariant BaseDonnees::scalaire(const QString& sql, const QVariantList& valeurs)
{
    const Ligne l = premiere(sql, valeurs);
    return l.estValide() && l.nombreChamps() > 0 ? l.valeur(0) : QVariant();
}

QStringList BaseDonnees::colonnesIndex(const QString& table, const QString& index)
{
    const QString cle = table.toUpper() + u'|' + index.toUpper();
    auto it = m_index.constFind(cle);
    if (it != m_index.constEnd())
        return *it;
    // Les index SQLite sont nommés <table>_<index> ; on les retrouve sans égard à la casse.
    const QString nomTableExact = nomTable(table);
    if (nomTableExact.isEmpty())
        throw ErreurBase(QStringLiteral("La table « %1 » n'existe pas.").arg(table), 3078);
    const QVector<Ligne> index_ = selectionne(QStringLiteral("SELECT name FROM pragma_index_list(?)"), {nomTableExact});
    const QString voulu = (nomTableExact + u'_' + index).toUpper();
    for (const Ligne& l : index_) {
        const QString nom = l.texte(QStringLiteral("name"));
        if (nom.toUpper() != voulu)
            continue;
        QStringList colonnes;
        for (const Ligne& c : selectionne(QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"), {nom}))
            colonnes.append(c.texte(QStringLiteral("name")));
        m_index.insert(cle, colonnes);
        return colonnes;
    }
    throw ErreurBase(QStringLiteral("L'index « %1 » n'existe pas sur la table « %2 ».").arg(index, table), 3800);
}

Ligne BaseDonnees::cherche(const QString& table, const QString& index, const QVariantList& cle)
{
    const QString memo = table + u'|' + index + u'|' + QString::number(cle.size());
    QString sql = m_sqlRecherches.value(memo);
    if (sql.isEmpty()) {
        const QStringList colonnes = colonnesIndex(table, index);
        if (cle.isEmpty() || cle.size() > colonnes.size())
            throw ErreurBase(QStringLiteral("Clé de recherche invalide sur l'index « %1 » de « %2 ».").arg(index, table));
        QStringList conditions, ordre;
        for (int i = 0; i < colonnes.size(); ++i) {
            if (i < cle.size())
                conditions.append(identifiant(colonnes.at(i)) + QStringLiteral(" = ?"));
            ordre.append(identifiant(colonnes.at(i)));
        }
        ordre.append(QStringLiteral("rowid"));
        sql = QStringLiteral("SELECT rowid AS %1, * FROM %2 WHERE %3 ORDER BY %4 LIMIT 1")
                  .arg(QLatin1String(kAliasRowid), identifiant(table), conditions.join(QStringLiteral(" AND ")),
                       ordre.join(u','));
        m_sqlRecherches.insert(memo, sql);
    }
    return premiere(sql, cle);
}

Curseur BaseDonnees::curseur(const QString& table, const QString& index)
{
    return Curseur(*this, table, index);
}

qint64 BaseDonnees::ajoute(const QString& table, const QVariantMap& champs)
{
    QStringList noms, marques;
    QVariantList valeurs;
    for (auto it = champs.constBegin(); it != champs.constEnd(); ++it) {
        noms.append(identifiant(it.key()));
        marques.append(QStringLiteral("?"));
        valeurs.append(it.value());
    }
    const QString sql = noms.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(identifiant(table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(identifiant(table), noms.join(u','), marques.join(u','));
    execute(sql, valeurs);
    return sqlite3_last_insert_rowid(m_connexion);
}

void BaseDonnees::modifie(const QString& table, qint64 rowid, const QVariantMap& champs)
{
    if (champs.isEmpty())
        return;
    QStringList affectations;
    QVariantList valeurs;
    for (auto it = champs.constBegin(); it != champs.constEnd(); ++it) {
        affectations.append(identifiant(it.key()) + QStringLiteral(" = ?"));
        valeurs.append(it.value());
    }
    valeurs.append(rowid);
    execute(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(identifiant(table), affectations.join(u',')), valeurs);
}

void BaseDonnees::supprime(const QString& table, qint64 rowid)
{
    execute(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(identifiant(table)), {rowid});
}

void BaseDonnees::debutTransaction()
{
    execute(m_profondeur == 0 ? QStringLiteral("BEGIN") : QStringLiteral("SAVEPOINT p%1").arg(m_profondeur));
    ++m_profondeur;
}

void BaseDonnees::valideTransaction()
{
    if (m_profondeur == 0)
        throw ErreurBase(QStringLiteral("Aucune transaction en cours."));
    if (m_profondeur > 1) {
        execute(QStringLiteral("RELEASE p%1").arg(m_profondeur - 1));
        --m_profondeur;
        return;
    }
    try {
        execute(QStringLiteral("COMMIT"));
    } catch (const ErreurBase& e) {
        // Un COMMIT refusé laisse la transaction ouverte : on l'annule pour que la connexion
        // reparte propre, sinon l'enregistrement suivant serait perdu à la fermeture.
        const int code = sqlite3_extended_errcode(m_connexion) & 0xFF;
        if (!sqlite3_get_autocommit(m_connexion))
            sqlite3_exec(m_connexion, "ROLLBACK", nullptr, nullptr, nullptr);
        m_profondeur = 0;
        oublieSchema();
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            throw ErreurBase(QStringLiteral("La base est utilisée par un autre programme ; rien n'a été enregistré. Réessayez."),
                             NumeroErreur::Base, e.detail());
        throw ErreurBase(QStringLiteral("Rien n'a été enregistré : ") + e.description(), NumeroErreur::Base, e.detail());
    }
    m_profondeur = 0;
}

void BaseDonnees::annuleTransaction()
{
    if (m_profondeur == 0)
        throw ErreurBase(QStringLiteral("Aucune transaction en cours."));
    --m_profondeur;
    if (m_profondeur == 0) {
        // Le moteur a pu tout annuler de lui-même (disque plein, erreur d'écriture).
        if (!sqlite3_get_autocommit(m_connexion))
            execute(QStringLiteral("ROLLBACK"));
    } else {
        execute(QStringLiteral("ROLLBACK TO p%1").arg(m_profondeur));
        execute(QStringLiteral("RELEASE p%1").arg(m_profondeur));
    }
    // Un retour arrière peut défaire des changements de schéma.
    oublieSchema();
}

QStringList BaseDonnees::tables()
{
    QStringList noms;
    for (const Ligne& l : selectionne(QStringLiteral(
             "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name")))
        noms.append(l.texte(QStringLiteral("name")));
    return noms;
}

QString BaseDonnees::nomTable(const QString& table)
{
    const QString voulu = table.toUpper();
    for (const QString& nom : tables())
        if (nom.toUpper() == voulu)
            return nom;
    return {};
}

bool BaseDonnees::existeTable(const QString& table)
{
    return !nomTable(table).isEmpty();
}

QStringList BaseDonnees::champs(const QString& table)
{
    const QString cle = table.toUpper();
    if (const auto it = m_champs.constFind(cle); it != m_champs.constEnd())
        return *it;
    QStringList noms;
    for (const Ligne& l : selectionne(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table}))
        noms.append(l.texte(0));
    // Une table absente n'est pas retenue : elle peut être créée ensuite par une autre connexion.
    if (!noms.isEmpty())
        m_champs.insert(cle, noms);
    return noms;
}

bool BaseDonnees::ExisteChamp(const QString& table, const QString& champ)
{
    const QStringList noms = champs(table);
    return std::any_of(noms.cbegin(), noms.cend(),
                       [&](const QString& nom) { return nom.compare(champ, Qt::CaseInsensitive) == 0; });
}

void BaseDonnees::oublieSchema()
{
    // Les requêtes gardées peuvent viser l'ancien schéma (SELECT *) : on les refait à la demande.
    qDeleteAll(m_requetes);
    m_requetes.clear();
    m_index.clear();
    m_sqlRecherches.clear();
    m_champs.clear();
    m_lectures.clear();
}

void BaseDonnees::creeTable(const DefinitionTable& definition)
{
    QStringList colonnes;
    for (const DefinitionChamp& c : definition.champs)
        colonnes.append(identifiant(c.nom) + u' ' + typeDeclare(c));
    oublieSchema();
    execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(identifiant(definition.nom), colonnes.join(QStringLiteral(", "))));
    for (const DefinitionIndex& index : definition.index)
        creeIndex(definition.nom, index);
}

void BaseDonnees::creeIndex(const QString& table, const DefinitionIndex& index)
{
    QStringList colonnes;
    for (const QString& c : index.champs)
        colonnes.append(identifiant(c));
    oublieSchema();
    execute(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), identifiant(table + u'_' + index.nom),
                     identifiant(table), colonnes.join(u',')));
}

void BaseDonnees::ajouteChamp(const QString& table, const DefinitionChamp& champ)
{
    oublieSchema();
    execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(identifiant(table), identifiant(champ.nom), typeDeclare(champ)));
}

void BaseDonnees::renommeChamp(const QString& table, const QString& ancien, const QString& nouveau)
{
    oublieSchema();
    execute(QStringLiteral("ALTER TABLE %1 RENAME COLUMN %2 TO %3").arg(identifiant(table), identifiant(ancien), identifiant(nouveau)));
}

void BaseDonnees::supprimeChamp(const QString& table, const QString& champ)
{
    oublieSchema();
    execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(identifiant(table), identifiant(champ)));
}

#include "Instruction.h"
#include "ValeursLues.h"
#include "shell/Erreur.h"
#include "shell/Semantique.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTime>
#include <sqlite3.h>

QString messageMoteur(sqlite3* base, int code)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("la base est verrouillée par un autre programme");
    case SQLITE_READONLY:
        return QStringLiteral("la base est en lecture seule");
    case SQLITE_CORRUPT:
        return QStringLiteral("le fichier de la base est endommagé");
    case SQLITE_FULL:
        return QStringLiteral("le disque est plein");
    case SQLITE_CANTOPEN:
        return QStringLiteral("le fichier ne peut pas être ouvert");
    case SQLITE_NOTADB:
        return QStringLiteral("ce fichier n'est pas une base de données");
    case SQLITE_IOERR:
        return QStringLiteral("le fichier n'a pas pu être lu ou écrit sur le disque");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("une valeur est refusée par la base (nom en double ou champ obligatoire vide)");
    case SQLITE_NOMEM:
        return QStringLiteral("la mémoire manque");
    default:
        break;
    }
    Q_UNUSED(base);
    return QStringLiteral("erreur inattendue du moteur de base de données (détail dans le journal errvb.log)");
}

QString tableDeRequete(const QString& sql)
{
    static const QRegularExpression motif(
        QStringLiteral(R"re((?:\bFROM|\bINTO|\bUPDATE|\bTABLE)\s+(?:"((?:[^"]|"")+)"|([^\s,();]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = motif.match(sql);
    if (!m.hasMatch())
        return {};
    const QString nom = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
    return QString(nom).replace(QStringLiteral("\"\""), QStringLiteral("\""));
}

ErreurBase erreurMoteur(sqlite3* base, int code, const QString& cheminBase, const QString& sql)
{
    const QString fichier = QFileInfo(cheminBase).fileName();
    const QString moteur = base ? QString::fromUtf8(sqlite3_errmsg(base)) : QString::fromUtf8(sqlite3_errstr(code));
    const QString detail = moteur + QStringLiteral(" ; requête : ") + sql;
    static const QRegularExpression manque(QStringLiteral("^no such (table|column): (.+)$"));
    const QRegularExpressionMatch m = manque.match(moteur);
    QString message;
    if (m.hasMatch()) {
        const bool table = m.captured(1) == u"table";
        message = (table ? QStringLiteral("La table « %1 » manque dans la base « %2 »")
                         : QStringLiteral("Le champ « %1 » manque dans la base « %2 »"))
                      .arg(m.captured(2), fichier)
                  + QStringLiteral(" : ce fichier est incomplet ou n'est pas une base de Quorvane à jour. "
                                   "Ouvrez-le avec le menu Fichier pour qu'il soit mis à niveau, ou choisissez une autre base.");
    } else if ((code & 0xFF) == SQLITE_READONLY) {
        message = QStringLiteral("La base « %1 » est en lecture seule : les modifications ne peuvent pas être enregistrées.")
                      .arg(fichier);
    } else if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED) {
        message = QStringLiteral("La base « %1 » est utilisée par un autre programme : réessayez dans un moment.").arg(fichier);
    } else {
        const QString table = tableDeRequete(sql);
        message = table.isEmpty()
            ? QStringLiteral("Erreur sur la base « %1 » : %2.").arg(fichier, messageMoteur(base, code))
            : QStringLiteral("Erreur sur la base « %1 », table « %2 » : %3.").arg(fichier, table, messageMoteur(base, code));
    }
    return ErreurBase(message, NumeroErreur::Base, detail);
}

namespace {

// Une valeur vide se range en Null : texte nul, date invalide, variant vide.
bool valeurNulle(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return true;
    switch (v.typeId()) {
    case QMetaType::QString: return v.toString().isNull();
    case QMetaType::QByteArray: return v.toByteArray().isNull();
    case QMetaType::QDate: return !v.toDate().isValid();
    case QMetaType::QTime: return !v.toTime().isValid();
    case QMetaType::QDateTime: return !v.toDateTime().isValid();
    default: return false;
    }
}

int lieTexte(sqlite3_stmt* r, int i, const QString& s)
{
    return sqlite3_bind_text16(r, i, s.utf16(), int(s.size() * sizeof(QChar)), SQLITE_TRANSIENT);
}

int lieValeur(sqlite3_stmt* r, int i, const QVariant& v)
{
    if (valeurNulle(v))
        return sqlite3_bind_null(r, i);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(r, i, v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(r, i, v.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray b = v.toByteArray();
        return sqlite3_bind_blob(r, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::QDateTime:
        return lieTexte(r, i, v.toDateTime().toString(Qt::ISODateWithMs));
    case QMetaType::QTime:
        return lieTexte(r, i, v.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    case QMetaType::QDate:
        return lieTexte(r, i, v.toDate().toString(Qt::ISODate));
    default:
        return lieTexte(r, i, v.toString());
    }
}

QVariant valeurColonne(sqlite3_stmt* r, int i)
{
    switch (sqlite3_column_type(r, i)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(r, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(r, i));
    case SQLITE_TEXT: {
        const auto* texte = static_cast<const QChar*>(sqlite3_column_text16(r, i));
        return QVariant(QString(texte, sqlite3_column_bytes16(r, i) / int(sizeof(QChar))));
    }
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(r, i)), sqlite3_column_bytes(r, i)));
    default:
        return QVariant();
    }
}

} // namespace

Instruction::Instruction(sqlite3* base, QString sql, QString nomBase)
    : m_base(base), m_sql(std::move(sql)), m_nomBase(std::move(nomBase))
{
    if (sqlite3_prepare16_v2(m_base, m_sql.utf16(), int(m_sql.size() * sizeof(QChar)), &m_requete, nullptr) != SQLITE_OK)
        echec();
}

Instruction::~Instruction()
{
    sqlite3_finalize(m_requete);
}

void Instruction::echec() const
{
    throw erreurMoteur(m_base, sqlite3_extended_errcode(m_base), m_nomBase, m_sql);
}

void Instruction::lie(const QVariantList& valeurs)
{
    sqlite3_reset(m_requete);
    sqlite3_clear_bindings(m_requete);
    for (int i = 0; i < valeurs.size(); ++i)
        if (lieValeur(m_requete, i + 1, valeurs.at(i)) != SQLITE_OK)
            echec();
}

bool Instruction::lectureSeule() const
{
    return sqlite3_stmt_readonly(m_requete) != 0;
}

bool Instruction::suivante()
{
    const int r = sqlite3_step(m_requete);
    if (r == SQLITE_ROW)
        return true;
    if (r == SQLITE_DONE) {
        sqlite3_reset(m_requete);
        return false;
    }
    // Le code précis de l'échec n'est connu qu'après la remise à zéro.
    sqlite3_reset(m_requete);
    echec();
}

void Instruction::termine()
{
    sqlite3_reset(m_requete);
}

QString Instruction::texte(int colonne) const
{
    if (sqlite3_column_type(m_requete, colonne) == SQLITE_NULL)
        return {};
    const auto* texte = static_cast<const QChar*>(sqlite3_column_text16(m_requete, colonne));
    return QString(texte, sqlite3_column_bytes16(m_requete, colonne) / int(sizeof(QChar)));
}

int Instruction::entier(int colonne) const
{
    switch (sqlite3_column_type(m_requete, colonne)) {
    case SQLITE_INTEGER:
        return CLng(double(sqlite3_column_int64(m_requete, colonne)));
    case SQLITE_NULL:
        return 0;
    default:
        return EntierLu(valeurColonne(m_requete, colonne));
    }
}

void Instruction::litColonnes()
{
    m_nombreColonnes = sqlite3_column_count(m_requete);
    QStringList noms;
    m_positions.clear();
    m_colonneRowid = -1;
    for (int i = 0; i < m_nombreColonnes; ++i) {
        const QString nom = QString::fromUtf8(sqlite3_column_name(m_requete, i));
        if (m_colonneRowid < 0 && nom == QLatin1String(kAliasRowid)) {
            m_colonneRowid = i;
            continue;
        }
        noms.append(nom);
        m_positions.append(i);
    }
    m_colonnes = std::make_shared<const ColonnesLigne>(std::move(noms), tableDeRequete(m_sql));
}

Ligne Instruction::ligne()
{
    // Une requête « * » repréparée après un changement de schéma peut rendre d'autres colonnes.
    if (m_nombreColonnes != sqlite3_column_count(m_requete))
        litColonnes();
    QVector<QVariant> valeurs;
    valeurs.reserve(m_positions.size());
    for (int i : std::as_const(m_positions))
        valeurs.append(valeurColonne(m_requete, i));
    const qint64 rowid = m_colonneRowid >= 0 ? sqlite3_column_int64(m_requete, m_colonneRowid) : -1;
    return Ligne(m_colonnes, std::move(valeurs), rowid);
}

#include "Schema.h"
#include "BaseDonnees.h"

#include <QRegularExpression>

namespace {

QString typeSansDefaut(const DefinitionChamp& champ)
{
    const QString collation = QStringLiteral(" COLLATE ") + QLatin1String(kCollationNoms);
    switch (champ.type) {
    case TypeChamp::Texte:
        return QStringLiteral("VARCHAR(%1)").arg(champ.taille > 0 ? champ.taille : 255) + collation;
    case TypeChamp::Memo:
        return QStringLiteral("TEXT") + collation;
    case TypeChamp::Entier:
        return QStringLiteral("SMALLINT");
    case TypeChamp::Long:
        return QStringLiteral("INTEGER");
    case TypeChamp::Double:
        return QStringLiteral("DOUBLE");
    case TypeChamp::Booleen:
        return QStringLiteral("BOOLEAN");
    case TypeChamp::Date:
        return QStringLiteral("DATE");
    }
    return QStringLiteral("TEXT");
}

} // namespace

QString typeDeclare(const DefinitionChamp& champ)
{
    const QString type = typeSansDefaut(champ);
    return champ.defaut.isEmpty() ? type : type + QStringLiteral(" DEFAULT ") + champ.defaut;
}

TypeChamp typeDepuisDeclare(const QString& declare, int* taille)
{
    const QString t = declare.toUpper();
    if (taille)
        *taille = 0;
    if (t.startsWith(u"VARCHAR")) {
        static const QRegularExpression re(QStringLiteral("\\((\\d+)\\)"));
        const auto m = re.match(t);
        if (taille)
            *taille = m.hasMatch() ? m.captured(1).toInt() : 255;
        return TypeChamp::Texte;
    }
    if (t.startsWith(u"SMALLINT"))
        return TypeChamp::Entier;
    if (t.startsWith(u"INTEGER") || t.startsWith(u"BIGINT") || t.startsWith(u"INT"))
        return TypeChamp::Long;
    if (t.startsWith(u"DOUBLE") || t.startsWith(u"REAL") || t.startsWith(u"FLOAT"))
        return TypeChamp::Double;
    if (t.startsWith(u"BOOLEAN"))
        return TypeChamp::Booleen;
    if (t.startsWith(u"DATE"))
        return TypeChamp::Date;
    return TypeChamp::Memo;
}

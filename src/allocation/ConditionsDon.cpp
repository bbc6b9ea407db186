#include "ConditionsDon.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QRegularExpression motif(const char* texte)
{
    return QRegularExpression(QString::fromUtf8(texte),
                              QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

// Degrés d'une compétence nommée, ou les plus hauts de ses variantes ("Représentation (chant)") ;
// -1 quand aucune compétence ne porte ce nom.
int rangsCompetence(const ProfilConditions& p, const QString& nom)
{
    const QString cle = nom.toUpper();
    if (p.Rangs.contains(cle))
        return p.Rangs.value(cle);
    int rangs = -1;
    for (auto it = p.Rangs.cbegin(); it != p.Rangs.cend(); ++it)
        if (it.key().startsWith(cle + QStringLiteral(" (")))
            rangs = std::max(rangs, it.value());
    return rangs;
}

// Raison d'un élément non rempli ; "" quand il est rempli ou n'est pas reconnu.
QString manque(const QString& element, const ProfilConditions& p)
{
    static const QRegularExpression carac = motif("^(For|Dex|Con|Int|Sag|Cha)\\s+(\\d+)$");
    static const QRegularExpression attaque = motif("^bonus de base à l[’']attaque\\s*\\+?(\\d+)$");
    static const QRegularExpression degres = motif("^(.+?)\\s+(\\d+)\\s+degrés?$");
    static const QRegularExpression niveau = motif("^(.+?)\\s+niveau\\s+(\\d+)$");
    const auto explique = [&](const QString& valeur) { return element + QStringLiteral(" (") + valeur + u')'; };

    if (const auto m = carac.match(element); m.hasMatch()) {
        static const QStringList abreviations{QStringLiteral("FOR"), QStringLiteral("DEX"), QStringLiteral("CON"),
                                              QStringLiteral("INT"), QStringLiteral("SAG"), QStringLiteral("CHA")};
        const qsizetype k = abreviations.indexOf(m.captured(1).toUpper());
        const QString total = p.Caracs.at(k);
        if (total.isEmpty())
            return {};
        bool nombre = false;
        const int valeur = total.toInt(&nombre);
        return !nombre || valeur < m.captured(2).toInt() ? explique(total) : QString();
    }
    if (const auto m = attaque.match(element); m.hasMatch())
        return p.AttaqueConnue && p.AttaqueDeBase < m.captured(1).toInt()
                   ? explique(QStringLiteral("+%1").arg(p.AttaqueDeBase))
                   : QString();
    if (const auto m = degres.match(element); m.hasMatch()) {
        const int rangs = rangsCompetence(p, m.captured(1));
        return rangs >= 0 && rangs < m.captured(2).toInt() ? explique(QString::number(rangs)) : QString();
    }
    if (const auto m = niveau.match(element); m.hasMatch()) {
        const QString classe = m.captured(1).toUpper();
        if (!p.ClassesConnues.contains(classe))
            return {};
        const int niveaux = p.Classes.value(classe);
        return niveaux < m.captured(2).toInt() ? explique(QString::number(niveaux)) : QString();
    }
    const QString don = element.toUpper();
    return p.DonsConnus.contains(don) && !p.Dons.contains(don) ? element : QString();
}

} // namespace

QString ConditionNonRemplie(const QString& condition, const ProfilConditions& profil)
{
    QStringList manques;
    for (QString element : condition.split(u',')) {
        element = element.trimmed();
        while (element.endsWith(u'.'))
            element.chop(1);
        if (element.isEmpty())
            continue;
        const QString raison = manque(element, profil);
        if (!raison.isEmpty())
            manques.append(raison);
    }
    return manques.join(QStringLiteral(" ; "));
}

#include "TextesRegles.h"

namespace {

// Les n derniers caractères (rien quand n n'est pas positif).
QString droite(const QString& texte, qsizetype n)
{
    return n <= 0 ? QString() : texte.right(n);
}

// Position du motif comptée à partir de 1 ; 0 s'il n'y est pas.
qsizetype position(const QString& texte, const QString& motif)
{
    return texte.indexOf(motif) + 1;
}

// Jusqu'au motif exclu ; sans motif, tout sauf le dernier caractère.
QString jusqua(const QString& texte, const QString& motif)
{
    const qsizetype i = texte.indexOf(motif);
    return i >= 0 ? texte.left(i) : texte.left(qMax<qsizetype>(0, texte.size() - 1));
}

QString sautsNormalises(const QString& texte)
{
    return QString(texte).replace(QStringLiteral("\r\n"), QString(kSautDeLigne));
}

} // namespace

void DecoupeDescription(TextesDon& t)
{
    const QString avantage = QStringLiteral("Avantage.");
    const QString conditions = QStringLiteral("Conditions.");
    const QString normal = QStringLiteral("Normal.");
    const QString special = QStringLiteral("Spécial.");
    QString texte = sautsNormalises(t.explication).replace(QStringLiteral("Condition."), conditions);
    t.explication = texte;
    if (!texte.contains(avantage))
        return;
    const qsizetype a = position(texte, avantage);
    // Le titre et le caractère qui le suit sont ôtés.
    const QString r1 = droite(texte, texte.size() - a - avantage.size());
    if (r1.contains(normal))
        t.explication = r1.left(r1.indexOf(normal));
    else
        t.explication = jusqua(r1, special);

    if (texte.contains(conditions)) {
        t.resume = texte.left(texte.indexOf(conditions));
        const QString p = texte.left(texte.indexOf(avantage));
        t.condition = droite(p, p.size() - position(p, conditions) - conditions.size());
    } else {
        t.resume = texte.left(texte.indexOf(avantage));
    }
    if (texte.contains(normal))
        t.normal = jusqua(droite(texte, texte.size() - position(texte, normal) - normal.size()), special);
    if (texte.contains(special)) {
        const QString r3 = droite(texte, texte.size() - position(texte, special) - special.size());
        t.special = r3.left(qMax<qsizetype>(0, r3.size() - 1));
    }
}

QString ReformateTexte(const QString& texte)
{
    const QString saut(kSautDeLigne);
    QString t = sautsNormalises(texte);
    // Espaces seuls : les retours à la ligne de bord sont des fins de paragraphe à garder.
    qsizetype debut = 0, fin = t.size();
    while (debut < fin && t.at(debut) == u' ')
        ++debut;
    while (fin > debut && t.at(fin - 1) == u' ')
        --fin;
    t = t.mid(debut, fin - debut);
    for (const char* titre : {"Conditions.", "Avantage.", "Normal.", "Spécial."})
        t.replace(QString::fromUtf8(titre), QString());
    t.replace(QStringLiteral(". ") + saut, QStringLiteral("^p"));
    t.replace(QStringLiteral(".") + saut, QStringLiteral("^p"));
    t.replace(QStringLiteral(": ") + saut, QStringLiteral("^d"));
    t.replace(QStringLiteral(":") + saut, QStringLiteral("^d"));
    t.replace(saut, QStringLiteral(" "));
    t.replace(QStringLiteral("  "), QStringLiteral(" "));
    t.replace(QStringLiteral("^p"), QStringLiteral(".") + saut);
    t.replace(QStringLiteral("^d"), QStringLiteral(":") + saut);
    if (t.size() > 1 && t.endsWith(saut))
        t.chop(saut.size());
    return t;
}

QString TitreCompetence(const QString& cle, const QString& caracteristique, const QString& innee, bool penaliteArmure)
{
    QString titre = cle + QStringLiteral(" (") + caracteristique;
    if (innee == u"N")
        titre += QStringLiteral("; formation nécessaire");
    if (penaliteArmure)
        titre += QStringLiteral("; malus d'armure aux tests");
    return titre + u')';
}

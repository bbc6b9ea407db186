#pragma once
// Formes des noms pour les comparer : celles que chaque calcul de fiche referait sur les mêmes textes
// sont faites une fois par fil.
#include <QHash>
#include <QString>

// Texte d'un littéral UTF-8 des tables du calcul. La chaîne doit être statique (son adresse sert
// de clé) : jamais un tampon temporaire. Rendu par copie (partagée) : une insertion peut déplacer
// les valeurs de la table.
inline QString Litteral(const char* texte)
{
    thread_local QHash<const char*, QString> convertis;
    auto it = convertis.find(texte);
    if (it == convertis.end())
        it = convertis.insert(texte, QString::fromUtf8(texte));
    return *it;
}

// Un nom en majuscules : les noms des règles reviennent d'un calcul à l'autre.
inline QString Majuscules(const QString& nom)
{
    thread_local QHash<QString, QString> connus;
    if (const auto it = connus.constFind(nom); it != connus.cend())
        return *it;
    if (connus.size() >= 50000)
        connus.clear();
    return *connus.insert(nom, nom.toUpper());
}

// Forme de comparaison sans égard à la casse ni aux accents (« Épée » et « Epée », ’ et ').
inline QString SansAccents(const QString& texte)
{
    const QString decompose = texte.normalized(QString::NormalizationForm_D);
    QString t;
    t.reserve(decompose.size());
    for (const QChar c : decompose) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        t.append(c == u'’' ? QChar(u'\'') : c.toCaseFolded());
    }
    return t;
}

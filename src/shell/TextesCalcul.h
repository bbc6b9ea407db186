#pragma once
// Conversions que chaque calcul de fiche referait sur les mêmes textes : faites une fois par fil.
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

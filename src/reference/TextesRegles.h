#pragma once
// Textes des règles collés depuis un livre : découpage d'un don à ses titres français, remise en
// forme des retours à la ligne ; titre d'une compétence.
#include <QString>

// Un saut de ligne dans les champs : celui des zones de texte. Un texte collé avec des retours
// chariot (CR LF) est d'abord ramené à ce saut.
inline constexpr char16_t kSautDeLigne = u'\n';

// Les cinq textes d'un don, tels que ses zones de saisie les montrent.
struct TextesDon
{
    QString resume;
    QString condition;
    QString explication;
    QString normal;
    QString special;
};

// Découpe le texte de l'explication, quand c'est un don collé entier, en ses cinq champs ; un
// champ dont le titre manque garde sa valeur.
void DecoupeDescription(TextesDon& textes);

// Texte d'un champ remis en forme : titres ôtés, une ligne par paragraphe.
QString ReformateTexte(const QString& texte);

// Titre de la fenêtre d'une compétence : clé, caractéristique, formation et malus d'armure.
QString TitreCompetence(const QString& cle, const QString& caracteristique, const QString& innee, bool penaliteArmure);

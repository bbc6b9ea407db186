#pragma once
// Chaîne des rangs de compétence achetés à un niveau, telle que l'affectation l'écrit.
#include <QString>
#include <QVector>

// Un achat de rangs lu dans la chaîne d'un niveau « n°-points-rangs| ».
struct AchatCompetence
{
    int numero = 0;
    int points = 0;
    int rangs = 0;
};

// Une base abîmée peut porter n'importe quel nombre (1e11, inf) : chacun est ramené à
// ±kAchatMaximum, les entrées illisibles sont ignorées.
inline constexpr int kAchatMaximum = 1000;
QVector<AchatCompetence> DecodeAchatsCompetence(const QString& chaine);

// Rangs qu'un achat apporte : les rangs achetés, ou les points dépensés sous DOUBLECARAC.
int RangsAchat(const AchatCompetence& achat, bool doubleCarac);

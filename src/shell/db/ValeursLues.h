#pragma once
// Règle commune de lecture d'une valeur de base, par une Ligne ou directement sur la requête :
// Null se lit "" pour un texte et 0 pour un nombre ; un texte numérique se lit comme Val.
#include <QString>
#include <QVariant>

QString TexteLu(const QVariant& v);
int EntierLu(const QVariant& v);
double ReelLu(const QVariant& v);

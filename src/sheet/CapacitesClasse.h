#pragma once
// Lignes des capacités de classe de la fiche (fldstrCapaciteClasse) : chaque valeur non nulle,
// précédée de son libellé, dans l'ordre fixe de la table des libellés.
#include "Fiche.h"

#include <QStringList>

// Les lignes "libellé valeur" : valeurs tirées des niveaux de classe (NiveauDansClasse), des
// modificateurs montrés par la fiche, des dons et du résumé des capacités spéciales (celui de la
// fiche, et le même élargi aux dons, ResumeAvecDons, pour les lignes sans valeur de classe).
QStringList LignesCapacitesClasse(const Fiche& f, const TypeCapacites& resumeAvecDons);

// Étape de la fiche : remplit Fiche.CapacitesClasse.
void RemplitCapacitesClasse(Fiche& f, const ListeCapacitesPerso& capacites);

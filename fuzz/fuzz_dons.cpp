// Découpage d'un don collé et remise en forme des textes sur des octets quelconques : jamais de
// plantage ni de lecture hors d'une chaîne, quelle que soit la place des titres.
#include "reference/TextesRegles.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    TextesDon textes;
    textes.explication = texte;
    DecoupeDescription(textes);
    for (const QString* champ : {&textes.resume, &textes.condition, &textes.explication, &textes.normal, &textes.special})
        (void)ReformateTexte(*champ);
    (void)TitreCompetence(texte, texte, texte, taille % 2 == 0);
    return 0;
}

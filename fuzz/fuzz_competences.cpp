// Lecture de la chaîne des rangs achetés sur des octets quelconques (une base abîmée ou écrite
// par un autre programme) : jamais de plantage ni de comportement indéfini, valeurs bornées.
#include "sheet/AchatsCompetence.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    for (const AchatCompetence& a : DecodeAchatsCompetence(texte))
        for (int v : {a.numero, a.points, a.rangs})
            if (v < -kAchatMaximum || v > kAchatMaximum)
                std::abort();
    return 0;
}

// Lecture d'expressions de dés sur des octets quelconques : jamais de plantage, et toute
// expression acceptée respecte les bornes et donne un total possible.
#include "shell/Hasard.h"
#include "tools/ExpressionDes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    const LectureDes lecture = LitExpressionDes(texte);
    if (!lecture.ok())
        return 0;
    int des = 0;
    qint64 mini = 0;
    qint64 maxi = 0;
    for (const TermeDes& t : lecture.termes) {
        if (t.signe != 1 && t.signe != -1)
            std::abort();
        if (t.nombre == 0) {
            if (t.constante < 0 || t.constante > kMaxConstanteDes)
                std::abort();
            mini += t.signe * qint64(t.constante);
            maxi += t.signe * qint64(t.constante);
            continue;
        }
        if (t.faces < 1 || t.faces > kMaxFacesDe || t.garde < 0 || t.garde > t.nombre)
            std::abort();
        des += t.nombre;
        const qint64 comptes = t.garde > 0 ? t.garde : t.nombre;
        (t.signe > 0 ? mini : maxi) += t.signe * comptes;
        (t.signe > 0 ? maxi : mini) += t.signe * comptes * t.faces;
    }
    if (des < 1 || des > kMaxDesExpression)
        std::abort();
    std::mt19937 generateur(static_cast<unsigned>(taille));
    HasardGenerateur hasard(generateur);
    const JetDes jet = LanceExpressionDes(lecture.termes, hasard);
    if (jet.total < mini || jet.total > maxi || jet.detail.isEmpty())
        std::abort();
    return 0;
}

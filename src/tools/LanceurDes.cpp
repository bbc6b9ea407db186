#include "LanceurDes.h"
#include "ExpressionDes.h"
#include "editor/ValeursSaisies.h"
#include "shell/Hasard.h"
#include "shell/Semantique.h"

#include <cmath>

ResultatLanceur LanceDes(const QString& nombre, const QString& type, SourceHasard& hasard)
{
    ResultatLanceur r;
    if (nombre.trimmed().isEmpty())
        return r;
    if (const auto valeur = litNombre(nombre)) {
        if (std::nearbyint(*valeur) > 32767) {
            r.erreur = QStringLiteral("Le nombre de dés va jusqu'à 32767.");
            return r;
        }
        // Un nombre négatif ne lance rien, comme zéro.
        const int n = std::nearbyint(*valeur) < 0 ? 0 : CInt(*valeur);
        const int faces = int(Val(type));
        for (int i = 0; i < n; ++i) {
            const int jet = hasard.De(faces);
            r.total += jet;
            r.detail += QString::number(jet) + u' ';
        }
        return r;
    }
    const LectureDes lecture = LitExpressionDes(nombre);
    if (!lecture.ok()) {
        r.erreur = lecture.erreur;
        return r;
    }
    const JetDes jet = LanceExpressionDes(lecture.termes, hasard);
    r.detail = jet.detail;
    r.total = jet.total;
    return r;
}

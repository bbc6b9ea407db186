#include "ExpressionDes.h"
#include "shell/Hasard.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

const QString kExemples = QStringLiteral(" Écrivez-la par exemple 3d6+2, 1d20-1, 2d4+1d6 ou 4d6kh3.");

// Lecture pas à pas ; les blancs sont permis entre les éléments, jamais dans un nombre.
class Lecteur
{
public:
    explicit Lecteur(const QString& texte) : m_texte(texte) {}

    bool fini()
    {
        sauteBlancs();
        return m_pos >= m_texte.size();
    }
    bool prend(QChar c)
    {
        if (fini() || m_texte.at(m_pos).toLower() != c)
            return false;
        ++m_pos;
        return true;
    }
    QString reste() const { return m_texte.mid(m_pos).trimmed(); }

    // Entier en tête ; -1 s'il n'y a pas de chiffre. Plafonné juste au-dessus de la borne
    // pour qu'un nombre démesuré soit refusé sans déborder.
    qint64 entier(qint64 borne)
    {
        if (fini() || !m_texte.at(m_pos).isDigit())
            return -1;
        qint64 valeur = 0;
        while (m_pos < m_texte.size() && m_texte.at(m_pos).isDigit()) {
            valeur = std::min(valeur * 10 + m_texte.at(m_pos).digitValue(), borne + 1);
            ++m_pos;
        }
        return valeur;
    }

private:
    void sauteBlancs()
    {
        while (m_pos < m_texte.size() && m_texte.at(m_pos).isSpace())
            ++m_pos;
    }

    QString m_texte;
    qsizetype m_pos = 0;
};

QString inattendu(Lecteur& l)
{
    return QStringLiteral("L'expression de dés n'est pas comprise à partir de « %1 ».").arg(l.reste()) + kExemples;
}

} // namespace

LectureDes LitExpressionDes(const QString& texte)
{
    LectureDes r;
    auto refuse = [&r](const QString& message) {
        r.termes.clear();
        r.erreur = message;
        return r;
    };
    if (texte.size() > kMaxLongueurExpression)
        return refuse(QStringLiteral("L'expression de dés est trop longue (%1 caractères au plus).").arg(kMaxLongueurExpression));
    Lecteur l(texte);
    if (l.fini())
        return refuse(QStringLiteral("Aucune expression de dés n'est saisie.") + kExemples);

    int totalDes = 0;
    bool premier = true;
    while (premier || !l.fini()) {
        TermeDes t;
        if (l.prend(u'-'))
            t.signe = -1;
        else if (!l.prend(u'+') && !premier)
            return refuse(inattendu(l));
        premier = false;
        if (l.fini())
            return refuse(QStringLiteral("L'expression de dés se termine par un signe : ajoutez un terme après lui.")
                          + kExemples);
        // Nombre de dés ou constante : on ne sait qu'après lequel des deux c'est.
        const qint64 nombre = l.entier(std::max(kMaxDesExpression, kMaxConstanteDes));
        if (l.prend(u'd')) {
            if (nombre == 0)
                return refuse(QStringLiteral("Il faut lancer au moins un dé : « 0d » n'a pas de sens."));
            t.nombre = nombre < 0 ? 1 : int(nombre);   // "d20" : un seul dé
            totalDes += t.nombre;
            if (totalDes > kMaxDesExpression)
                return refuse(QStringLiteral("Trop de dés : une expression en lance au plus %1.").arg(kMaxDesExpression));
            const qint64 faces = l.entier(kMaxFacesDe);
            if (faces < 0)
                return refuse(QStringLiteral("Le nombre de faces manque après « d ».") + kExemples);
            if (faces < 1 || faces > kMaxFacesDe)
                return refuse(QStringLiteral("Un dé a de 1 à %1 faces.").arg(kMaxFacesDe));
            t.faces = int(faces);
            if (l.prend(u'k')) {
                if (!l.prend(u'h'))
                    return refuse(QStringLiteral("Seul « kh » (garder les plus hauts) suit un lancer, comme dans 4d6kh3."));
                const qint64 garde = l.entier(kMaxDesExpression);
                if (garde < 0)
                    return refuse(QStringLiteral("Le nombre de dés gardés manque après « kh », comme dans 4d6kh3."));
                if (garde < 1 || garde > t.nombre)
                    return refuse(QStringLiteral("On garde de 1 à %1 dés sur %1 lancés.").arg(t.nombre));
                t.garde = int(garde);
            }
        } else if (nombre < 0) {
            return refuse(inattendu(l));
        } else if (nombre > kMaxConstanteDes) {
            return refuse(QStringLiteral("Une constante va de 0 à %1.").arg(kMaxConstanteDes));
        } else {
            t.constante = int(nombre);
        }
        r.termes.append(t);
    }
    if (totalDes == 0)
        return refuse(QStringLiteral("L'expression ne lance aucun dé.") + kExemples);
    return r;
}

JetDes LanceExpressionDes(const QList<TermeDes>& termes, SourceHasard& hasard)
{
    JetDes jet;
    for (const TermeDes& t : termes) {
        if (!jet.detail.isEmpty())
            jet.detail += t.signe < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ");
        else if (t.signe < 0)
            jet.detail += QStringLiteral("- ");
        if (t.nombre == 0) {
            jet.detail += QString::number(t.constante);
            jet.total += qint64(t.signe) * t.constante;
            continue;
        }
        QList<int> des(t.nombre);
        for (int& d : des)
            d = hasard.De(t.faces);
        // Les plus hauts gardés ; à égalité, le premier lancé passe devant.
        QList<bool> garde(t.nombre, t.garde == 0);
        if (t.garde > 0) {
            QList<int> ordre(t.nombre);
            std::iota(ordre.begin(), ordre.end(), 0);
            std::stable_sort(ordre.begin(), ordre.end(), [&des](int a, int b) { return des[a] > des[b]; });
            for (int i = 0; i < t.garde; ++i)
                garde[ordre[i]] = true;
        }
        QStringList textes;
        qint64 somme = 0;
        for (int i = 0; i < t.nombre; ++i) {
            if (garde[i])
                somme += des[i];
            textes << (garde[i] ? QString::number(des[i]) : QStringLiteral("(%1)").arg(des[i]));
        }
        jet.detail += textes.join(u' ');
        jet.total += t.signe * somme;
    }
    return jet;
}

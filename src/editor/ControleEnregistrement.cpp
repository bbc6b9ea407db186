// Contrôles faits avant d'écrire un personnage, dans l'ordre où l'utilisateur les voit.
#include "ChampsPersonnage.h"
#include "EditionPersonnage.h"
#include "NiveauxPersonnage.h"
#include "ValeursSaisies.h"
#include "rules/Archetypes.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

#include <QMap>
#include <QSet>

namespace {

std::optional<RefusEnregistrement> refus(const char* message, const QString& controle, int ligne = -1)
{
    return RefusEnregistrement{QString::fromUtf8(message), controle, ligne};
}

bool contientSansCasse(const QStringList& liste, const QString& valeur)
{
    const QString cherche = valeur.toUpper();
    for (const QString& element : liste)
        if (element.toUpper() == cherche)
            return true;
    return false;
}

} // namespace

std::optional<RefusEnregistrement> controleEnregistrement(BaseDonnees& programme, const PersonnageEdite& p,
                                                          const QStringList& races)
{
    const QString table = QStringLiteral("vsHistoPerso");
    if (p.nom.trimmed().isEmpty())
        return refus("Saisie d'un nom valide", QStringLiteral("fldstrnom"));
    if (!contientSansCasse(races, p.race))
        return refus("Saisie d'une race existante au sein de la liste prédefinie", QStringLiteral("CmbRace"));
    for (const ChampIdentite& c : champsIdentite()) {
        const QString valeur = p.identite.value(c.champ);
        if (c.nature != NatureChamp::Texte && !valeur.trimmed().isEmpty() && !estNumerique(valeur))
            return RefusEnregistrement{c.messageNumerique, c.controle, -1};
    }
    const QString ecole = p.identite.value(QStringLiteral("EcoleSpecialisation"));
    if (!ecole.isEmpty() && !ecolesSpecialisation().contains(ecole))
        return refus("Saisie d'un specialisation d'école obligatoire au sein de la liste",
                     QStringLiteral("CmbEcoleSpecialisation"));

    // Numérotation des niveaux par classe maîtresse : les variantes d'une classe se suivent.
    struct Suite
    {
        QString classe;
        QSet<int> niveaux;
        int plusHaut = 0;
    };
    QMap<QString, Suite> suites;
    QStringList ordre;
    QSet<QString> distinctes;
    const QString archetype = p.identite.value(QStringLiteral("Archetype"));
    for (int r = 0; r < p.niveaux.size(); ++r) {
        const NiveauEdite& n = p.niveaux.at(r);
        const Ligne classe = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {n.classe});
        if (!classe || n.classe.trimmed().isEmpty())
            return refus("Saisie d'une classe existante obligatoire", table, r);
        if (r == 0) {
            for (const QString& carac : n.caracs) {
                const double v = Val(carac);
                if (v < 1 || v > 30)
                    return refus("Pour le premier niveau les caracteristiques doivent être comprise entre 1 et 30 ",
                                 table, r);
            }
        }
        const int de = DeDeVieArchetype(classe.entier(QStringLiteral("PointDeVie")), classe.texte(QStringLiteral("Classe")), archetype);
        const double pv = Val(n.pv);
        if (pv < 1 || pv > de)
            return RefusEnregistrement{QStringLiteral("Saisie d'un nombre de point de vie compris entre 1 et ")
                                           + QString::number(de),
                                       table, r};
        const int niveau = int(Val(n.niveau));
        if (niveau <= 0)
            return refus("Saisie d'un niveau supérieur à zero", table, r);

        const QString cle = cleNumerotation(classe, n.classe);
        if (!suites.contains(cle)) {
            suites.insert(cle, Suite{n.classe, {}, 0});
            ordre.append(cle);
        }
        Suite& s = suites[cle];
        s.niveaux.insert(niveau);
        s.plusHaut = qMax(s.plusHaut, niveau);
        distinctes.insert(n.classe.toUpper());
    }
    for (const QString& cle : ordre) {
        const Suite& s = suites.value(cle);
        for (int n = 1; n <= s.plusHaut; ++n)
            if (!s.niveaux.contains(n))
                return RefusEnregistrement{QStringLiteral("Il manque le niveau numero ") + QString::number(n)
                                               + QStringLiteral(" pour la classe de '") + s.classe + u'\'',
                                           table, -1};
    }
    if (p.niveaux.isEmpty())
        return refus("Veuillez au moins inserer une classe et un niveau dans la liste ", table);
    if (distinctes.size() > 8)
        return refus("Ce personnage comprend plus de 8 classes", table);
    return std::nullopt;
}

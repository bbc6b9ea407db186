#include "Commerce.h"
#include "ValeursSaisies.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Utilitaires.h"

#include <cmath>

namespace {

const char* const kNombreNumerique = "Le nombre d'objet doit être entrée en tant que valeur numérique";
const char* const kNombreMini = "Le nombre d'objet doit être plus grand que 1";
const char* const kPrixMini = "Le prix unitaire doit être plus grand que 0";

// Une quantité est un nombre entier d'objets.
std::optional<int> litQuantite(const QString& texte)
{
    const std::optional<double> v = litNombre(texte);
    if (!v || *v != std::floor(*v) || std::abs(*v) > 32767)
        return std::nullopt;
    return int(*v);
}

} // namespace

QVector<ArticleCatalogue> articlesCatalogue(BaseDonnees& perso)
{
    QVector<ArticleCatalogue> articles;
    for (const Ligne& l : perso.selectionne(QStringLiteral("select * from objets order by nomObjet"))) {
        const auto texte = [&l](const char* champ) {
            return l.estNul(QLatin1String(champ)) ? QString() : l.valeur(QLatin1String(champ)).toString();
        };
        articles.append({texte("NomObjet"), texte("GroupeObjet"),
                         l.estNul(QStringLiteral("CoutTotal")) ? QString() : texteArgent(l.reel(QStringLiteral("CoutTotal"))),
                         texte("CHARGE"), texte("Description")});
    }
    return articles;
}

double prixNeufObjet(BaseDonnees& perso, const QString& nomObjet, const QString& chargesRestantes)
{
    const Ligne objet = perso.premiere(QStringLiteral("select CoutTotal,CHARGE from objets where nomObjet=?"),
                                       {ApostropheDroite(nomObjet)});
    if (!objet)
        return 0;
    const double cout = objet.reel(QStringLiteral("CoutTotal"));
    const int chargesNeuf = objet.entier(QStringLiteral("CHARGE"));
    if (chargesNeuf <= 0)
        return cout;
    return cout * litNombre(chargesRestantes).value_or(0) / chargesNeuf;
}

QString texteArgent(double montant)
{
    QString texte = QString::number(std::round(montant * 100) / 100, 'f', 2);
    while (texte.endsWith(u'0'))
        texte.chop(1);
    if (texte.endsWith(u'.'))
        texte.chop(1);
    return texte == QLatin1String("-0") ? QStringLiteral("0") : texte;
}

std::optional<QString> crediteArgent(const QString& argent, double credit)
{
    const std::optional<double> bourse = argent.trimmed().isEmpty() ? 0.0 : litNombre(argent);
    if (!bourse)
        return std::nullopt;
    return texteArgent(*bourse + credit);
}

std::optional<RefusCommerce> calculeAchat(const QString& quantite, const QString& prixUnitaire, const QString& argent,
                                          double facteur, Achat& achat)
{
    const std::optional<int> nombre = litQuantite(quantite);
    if (!nombre)
        return RefusCommerce{QString::fromUtf8(kNombreNumerique), QStringLiteral("fldnNombre")};
    if (*nombre < 1)
        return RefusCommerce{QString::fromUtf8(kNombreMini), QStringLiteral("fldnNombre")};
    const std::optional<double> prix = prixUnitaire.trimmed().isEmpty() ? 0.0 : litNombre(prixUnitaire);
    if (!prix)
        return RefusCommerce{QStringLiteral("Le prix unitaire de l'objet doit être entrée en tant que valeur numérique"),
                             QStringLiteral("fldnPrixUnitaire")};
    if (*prix < 0)
        return RefusCommerce{QString::fromUtf8(kPrixMini), QStringLiteral("fldnPrixUnitaire")};
    const std::optional<double> bourse = argent.trimmed().isEmpty() ? 0.0 : litNombre(argent);
    if (!bourse)
        return RefusCommerce{QStringLiteral("Le nombre de Po doit être entrée en tant que valeur numérique"),
                             QStringLiteral("fldnTotalPo")};
    const double cout = *nombre * *prix * facteur;
    achat.quantite = *nombre;
    achat.argent = *bourse;
    achat.argentRestant = *bourse - cout;
    // Comparés au centième : une erreur d'arrondi des décimales ne fait pas douter d'un achat juste.
    achat.depasse = std::round(cout * 100) > std::round(*bourse * 100);
    return std::nullopt;
}

QString questionAchatACredit(const QString& personnage, double argent)
{
    return personnage + QStringLiteral(" n'a que ") + texteArgent(argent) + QStringLiteral(" Po : acheter quand même ?");
}

Vente ouvreVente(const QString& nom, double prixNeuf, const QString& quantiteTenue)
{
    Vente v;
    v.nom = nom;
    v.prixNeuf = prixNeuf;
    v.quantiteTenue = qMax(1, litQuantite(quantiteTenue).value_or(1));
    v.quantite = v.quantiteTenue;
    v.prixUnitaire = prixNeuf / 2;
    v.prixTotal = v.quantite * v.prixUnitaire;
    return v;
}

std::optional<QString> changeQuantite(Vente& vente, const QString& texte)
{
    const std::optional<int> nombre = litQuantite(texte);
    if (!nombre)
        return QString::fromUtf8(kNombreNumerique);
    if (*nombre < 1)
        return QString::fromUtf8(kNombreMini);
    if (*nombre > vente.quantiteTenue)
        return QStringLiteral("Le nombre d'objet doit être plus petit que ") + QString::number(vente.quantiteTenue + 1);
    vente.quantite = *nombre;
    vente.prixTotal = vente.quantite * vente.prixUnitaire;
    return std::nullopt;
}

std::optional<QString> changePrixUnitaire(Vente& vente, const QString& texte)
{
    const std::optional<double> prix = litNombre(texte);
    if (!prix)
        return QStringLiteral("Le prix unitaire doit être entrée en tant que valeur numérique");
    if (*prix < 0)
        return QString::fromUtf8(kPrixMini);
    vente.prixUnitaire = *prix;
    vente.prixTotal = vente.quantite * vente.prixUnitaire;
    return std::nullopt;
}

std::optional<QString> changePrixTotal(Vente& vente, const QString& texte)
{
    const std::optional<double> total = litNombre(texte);
    if (!total)
        return QStringLiteral("Le prix total doit être entrée en tant que valeur numérique");
    if (*total < 0)
        return QStringLiteral("Le prix total doit être plus grand que 0");
    vente.prixTotal = *total;
    vente.prixUnitaire = vente.prixTotal / vente.quantite;
    return std::nullopt;
}

IssueVente concluVente(const Vente& vente)
{
    // Un total nul : l'objet est jeté, sans argent.
    if (vente.prixTotal == 0)
        return {true, 0, 0};
    if (vente.quantite >= vente.quantiteTenue)
        return {true, 0, vente.prixTotal};
    return {false, vente.quantiteTenue - vente.quantite, vente.prixTotal};
}

#include "PlacesObjet.h"
#include "sheet/Equipement.h"
#include "shell/db/BaseDonnees.h"

namespace {

constexpr int kPremierAnneau = 3;
constexpr int kSecondAnneau = 5;
constexpr int kPremierDivers = 16;

// Type et groupe de l'objet, seuls utiles pour savoir où il compte.
std::optional<TypeObjet> litObjet(BaseDonnees& perso, const QString& nomObjet)
{
    const Ligne l = perso.premiere(QStringLiteral("SELECT Type, GroupeObjet FROM Objets WHERE NomObjet = ?"), {nomObjet});
    if (!l)
        return std::nullopt;
    TypeObjet o;
    o.NomObjet = nomObjet;
    o.Type = l.texte(QStringLiteral("Type"));
    o.GroupeObjet = l.texte(QStringLiteral("GroupeObjet"));
    return o;
}

} // namespace

QVector<int> placesAcceptees(BaseDonnees& perso, const QString& nomObjet)
{
    QVector<int> places;
    if (const auto objet = litObjet(perso, nomObjet))
        for (int p = 0; p < kNombrePlaces; ++p)
            if (PlaceAccepte(p, *objet))
                places.append(p);
    return places;
}

QStringList choixPositions(BaseDonnees& perso, const QString& nomObjet, const QString& positionActuelle)
{
    QStringList choix{QString()};
    for (int p : placesAcceptees(perso, nomObjet))
        choix.append(LibellePlace(p));
    if (!positionActuelle.isEmpty() && !choix.contains(positionActuelle))
        choix.append(positionActuelle);
    return choix;
}

std::optional<int> numeroPosition(const QString& position)
{
    const QString texte = position.trimmed();
    if (texte.isEmpty())
        return std::nullopt;
    for (int p = 0; p < kNombrePlaces; ++p)
        if (LibellePlace(p).compare(texte, Qt::CaseInsensitive) == 0)
            return p;
    bool nombre = false;
    const int p = texte.toInt(&nombre);
    return nombre ? std::optional<int>(p) : std::nullopt;
}

QString libellePosition(const QString& place)
{
    bool nombre = false;
    const int p = place.trimmed().toInt(&nombre);
    const QString libelle = nombre ? LibellePlace(p) : QString();
    return libelle.isEmpty() ? place : libelle;
}

std::optional<int> placeNaturelleLibre(BaseDonnees& perso, BaseDonnees& programme, const QString& nomObjet,
                                       const QSet<int>& occupees)
{
    const QVector<int> acceptees = placesAcceptees(perso, nomObjet);
    std::optional<int> naturelle;
    const Ligne regle = programme.premiere(QStringLiteral("SELECT Emplacement FROM Objets WHERE NomObjet = ?"), {nomObjet});
    if (regle && !regle.estNul(QStringLiteral("Emplacement")))
        naturelle = regle.entier(QStringLiteral("Emplacement"));
    // Objet propre à la base de personnages : le premier emplacement que son type accepte, le
    // bouclier à son bras plutôt qu'en main.
    if (!regle && !acceptees.isEmpty())
        naturelle = acceptees.contains(kPlaceBouclier) ? kPlaceBouclier : acceptees.first();
    if (!naturelle || !acceptees.contains(*naturelle) || *naturelle >= kPremierDivers)
        return std::nullopt;
    QVector<int> candidates{*naturelle};
    if (*naturelle == kPremierAnneau || *naturelle == kSecondAnneau)
        candidates = {kPremierAnneau, kSecondAnneau};
    for (int p : candidates)
        if (!occupees.contains(p))
            return p;
    return std::nullopt;
}

#include "DonsPerso.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

#include <QRegularExpression>

namespace {

QStringList noms(BaseDonnees& base, const QString& sql, const QString& sauf = {})
{
    QStringList l{QString()};
    for (const Ligne& ligne : base.selectionne(sql))
        if (sauf.isEmpty() || ligne.texte(QStringLiteral("Nom")) != sauf)
            l.append(ligne.texte(QStringLiteral("Nom")));
    return l;
}

} // namespace

QStringList NomsDonsPerso(BaseDonnees& perso)
{
    QStringList l = noms(perso, QStringLiteral("select * from donsperso order by nom"));
    l.removeFirst();
    return l;
}

DonPerso LitDonPerso(BaseDonnees& perso, const QString& nom)
{
    DonPerso d;
    d.nom = nom;
    const Ligne l = perso.premiere(QStringLiteral("select * from donsperso where nom = ?"), {nom});
    if (!l)
        return d;
    d.nom = l.texte(QStringLiteral("Nom"));
    d.version = l.estNul(QStringLiteral("version")) ? QString() : QString::number(l.reel(QStringLiteral("version")));
    d.genre = l.texte(QStringLiteral("Genre"));
    // La page a été ajoutée au livre : " p" et des chiffres à la fin.
    static const QRegularExpression page(QStringLiteral("^(.*) p(\\d+)$"));
    const QString source = l.texte(QStringLiteral("Source"));
    const QRegularExpressionMatch m = page.match(source);
    d.livre = m.hasMatch() ? m.captured(1) : source;
    d.page = m.hasMatch() ? m.captured(2) : QString();
    d.resume = l.texte(QStringLiteral("résumé"));
    d.explication = l.texte(QStringLiteral("Explication"));
    d.caracteristique = l.texte(QStringLiteral("Caracteristique"));
    d.prive = l.booleen(QStringLiteral("prive"));
    d.liearme = l.booleen(QStringLiteral("liearme"));
    d.multiple = l.booleen(QStringLiteral("Multiple"));
    d.epique = l.booleen(QStringLiteral("epique"));
    d.pouvoir = l.booleen(QStringLiteral("pouvoir"));
    d.tare = l.booleen(QStringLiteral("tare"));
    d.trait = l.booleen(QStringLiteral("trait"));
    return d;
}

QStringList GenresDons(BaseDonnees& programme)
{
    return noms(programme, QStringLiteral("select * from genre order by nom"));
}

QStringList LivresDons(BaseDonnees& programme)
{
    return noms(programme, QStringLiteral("select * from source order by nom"));
}

QStringList CaracteristiquesDons(BaseDonnees& programme)
{
    return noms(programme, QStringLiteral("select * from caracteristiques order by nom"), QStringLiteral("Modificateurs"));
}

std::optional<RefusDonPerso> ControleDonPerso(const DonPerso& don)
{
    if (don.nom.trimmed().isEmpty())
        return RefusDonPerso{ChampDonPerso::Nom, QStringLiteral("Il faut que le don ait un nom")};
    if (don.genre.isEmpty())
        return RefusDonPerso{ChampDonPerso::Genre, QStringLiteral("Il faut que le don ait un genre")};
    if (don.livre.isEmpty())
        return RefusDonPerso{ChampDonPerso::Source, QStringLiteral("Il faut que le don ait une source")};
    return std::nullopt;
}

bool DonDesRegles(BaseDonnees& programme, const QString& nom)
{
    // Les règles livrées seules, pas la surcouche où les dons personnels figurent déjà.
    return programme.scalaire(QStringLiteral("select count(*) from main.Dons where Nom = ?"), {nom}).toInt() > 0;
}

QString SourceDonPerso(const QString& livre, const QString& page)
{
    return page.trimmed().isEmpty() ? livre : livre + QStringLiteral(" p") + page.trimmed();
}

void EnregistreDonPerso(BaseDonnees& perso, const DonPerso& d)
{
    QVariantMap champs{{QStringLiteral("Version"), Val(d.version)},
                       {QStringLiteral("Genre"), d.genre},
                       {QStringLiteral("Source"), SourceDonPerso(d.livre, d.page)},
                       {QStringLiteral("Prive"), d.prive},
                       {QStringLiteral("Liearme"), d.liearme},
                       {QStringLiteral("Multiple"), d.multiple},
                       {QStringLiteral("Epique"), d.epique},
                       {QStringLiteral("Pouvoir"), d.pouvoir},
                       {QStringLiteral("Tare"), d.tare},
                       {QStringLiteral("Trait"), d.trait}};
    // Le résumé, l'explication et la caractéristique ne s'écrivent que remplis.
    if (!d.resume.isEmpty())
        champs.insert(QStringLiteral("Résumé"), d.resume);
    if (!d.explication.isEmpty())
        champs.insert(QStringLiteral("Explication"), d.explication);
    if (!d.caracteristique.isEmpty())
        champs.insert(QStringLiteral("Caracteristique"), d.caracteristique);
    Transaction transaction(perso);
    const QVariant existant = perso.scalaire(QStringLiteral("select rowid from donsperso where nom = ?"), {d.nom.trimmed()});
    if (!existant.isNull()) {
        perso.modifie(QStringLiteral("Donsperso"), existant.toLongLong(), champs);
    } else {
        champs.insert(QStringLiteral("Nom"), d.nom.trimmed());
        perso.ajoute(QStringLiteral("Donsperso"), champs);
    }
    transaction.valide();
}

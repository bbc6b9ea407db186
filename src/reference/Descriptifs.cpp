#include "Descriptifs.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/SurcoucheRegles.h"


QStringList NomsDons(BaseDonnees& programme)
{
    QStringList noms;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select Nom from dons order by nom")))
        noms.append(l.texte(QStringLiteral("Nom")));
    return noms;
}

std::optional<FicheDon> LitDon(BaseDonnees& programme, const QString& nom)
{
    if (nom.isEmpty())
        return std::nullopt;
    const Ligne l = programme.premiere(QStringLiteral("select * from dons where nom = ?"), {nom});
    if (!l)
        return std::nullopt;
    FicheDon d;
    d.nom = l.texte(QStringLiteral("Nom"));
    d.genre = l.texte(QStringLiteral("Genre"));
    d.categorie = l.texte(QStringLiteral("Categorie"));
    d.type = l.texte(QStringLiteral("Type"));
    d.source = l.texte(QStringLiteral("Source"));
    d.textes = {l.texte(QStringLiteral("Résumé")), l.texte(QStringLiteral("Condition")), l.texte(QStringLiteral("Explication")),
                l.texte(QStringLiteral("NORMAL")), l.texte(QStringLiteral("Spécial"))};
    return d;
}

TextesDon EnregistreDon(BaseDonnees& programme, const QString& cheminCorrections, const QString& nom, TextesDon t)
{
    DecoupeDescription(t);
    for (QString* texte : {&t.explication, &t.resume, &t.condition, &t.normal, &t.special})
        *texte = ReformateTexte(*texte);
    if (nom.isEmpty())
        return t;
    QVariantMap champs{{QStringLiteral("Explication"), t.explication.isNull() ? QStringLiteral("") : t.explication}};
    const auto siRempli = [&](const char* champ, const QString& texte) {
        if (!texte.isEmpty())
            champs.insert(QString::fromUtf8(champ), texte);
    };
    siRempli("Résumé", t.resume);
    siRempli("Condition", t.condition);
    siRempli("NORMAL", t.normal);
    siRempli("Spécial", t.special);
    EnregistreCorrection(programme, cheminCorrections, QStringLiteral("Dons"), nom, champs);
    return t;
}

const QStringList& ChampsSortEnregistres()
{
    static const QStringList champs{
        QStringLiteral("Ecole"),       QStringLiteral("Classe/Niveau"), QStringLiteral("composantes"),
        QStringLiteral("Temps d’incantation"), QStringLiteral("Portée"), QStringLiteral("Cible"),
        QStringLiteral("durée"),       QStringLiteral("effet"),         QStringLiteral("Jet de sauvegarde"),
        QStringLiteral("Résistance à la magie"), QStringLiteral("Explication"), QStringLiteral("DDdeDifficultee"),
        QStringLiteral("PourDevellopper")};
    return champs;
}

QStringList NomsSorts(BaseDonnees& programme)
{
    QStringList noms;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select Nom from sort order by nom")))
        noms.append(l.texte(QStringLiteral("Nom")));
    return noms;
}

QString TitreSort(const QString& nom, double version)
{
    return version == 3.5 ? nom : nom + QStringLiteral(" (version 3.0)");
}

bool SortEpique(const QString& classeNiveau)
{
    return classeNiveau.left(6).toUpper() == u"EPIQUE";
}

bool EstSort(BaseDonnees& programme, const QString& nom)
{
    return programme.premiere(QStringLiteral("select nom from sort where nom = ?"), {nom}).estValide();
}

bool EnregistreSort(BaseDonnees& programme, const QString& cheminCorrections, const QString& nom, const QVariantMap& champs)
{
    if (!programme.cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {nom}))
        return false;
    QVariantMap ecrits;
    for (const QString& champ : ChampsSortEnregistres())
        if (champs.contains(champ))
            // Une zone vide s'enregistre vide (et non nulle, qui effacerait la correction).
            ecrits.insert(champ, champs.value(champ).toString().isNull() ? QStringLiteral("") : champs.value(champ).toString());
    EnregistreCorrection(programme, cheminCorrections, QStringLiteral("Sort"), nom, ecrits);
    return true;
}

QVector<QPair<QString, int>> NomsRaces(BaseDonnees& programme)
{
    QVector<QPair<QString, int>> races;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select * from race order by race")))
        races.append({l.texte(QStringLiteral("Race")), l.entier(QStringLiteral("n°"))});
    return races;
}

QString LitDescriptionRace(BaseDonnees& programme, const QString& race)
{
    return programme.premiere(QStringLiteral("select * from race where race = ?"), {race}).texte(QStringLiteral("Description"));
}

void EnregistreDescriptionRace(BaseDonnees& programme, const QString& cheminCorrections, const QString& race,
                               const QString& description)
{
    if (race.isEmpty())
        return;
    EnregistreCorrection(programme, cheminCorrections, QStringLiteral("Race"), race,
                         {{QStringLiteral("Description"), description.isNull() ? QStringLiteral("") : description}});
}

FicheCompetence LitCompetence(BaseDonnees& programme, const QString& cle)
{
    FicheCompetence c;
    c.titre = cle;
    const Ligne l = programme.cherche(QStringLiteral("Competence"), QStringLiteral("PrimaryKey"), {cle});
    if (!l)
        return c;
    c.titre = TitreCompetence(cle, l.texte(QStringLiteral("carac1")), l.texte(QStringLiteral("innee")),
                              l.booleen(QStringLiteral("PenaliteArmure")));
    c.test = l.texte(QStringLiteral("Test"));
    c.action = l.texte(QStringLiteral("Action"));
    c.nouvelles = l.texte(QStringLiteral("Nouvelles"));
    c.special = l.texte(QStringLiteral("Spécial"));
    c.synergie = l.texte(QStringLiteral("synergie"));
    c.restrictions = l.texte(QStringLiteral("restrictions"));
    c.inne = l.texte(QStringLiteral("testinne"));
    return c;
}

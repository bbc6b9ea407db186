#include "SortsMetamagie.h"
#include "shell/db/BaseDonnees.h"

QVector<OptionMetamagie> OptionsMetamagie(BaseDonnees& programme, const QVector<LigneDon>& dons, int niveauBase,
                                          int niveauMax)
{
    const QString intensite = QString::fromUtf8(kIntensite);
    QVector<OptionMetamagie> options;
    for (const LigneDon& d : dons) {
        if (d.Genre != u"Métamagie")
            continue;
        if (d.Nom.trimmed() == intensite.trimmed()) {
            for (int hausse = 1; hausse <= niveauMax - niveauBase; ++hausse)
                options.append({intensite + QStringLiteral(" (%1)").arg(hausse), hausse});
            continue;
        }
        const Ligne l = programme.premiere(QStringLiteral("select * from Metamagie where Nom=? order by Nom"), {d.Nom});
        // Une hausse renseignée compte au moins pour un niveau.
        const int hausse = l && !l.estNul(QStringLiteral("Niveau")) ? std::max(1, l.entier(QStringLiteral("Niveau"))) : 0;
        options.append({d.Nom, hausse});
    }
    if (options.size() > kOptionsMetamagieMax)
        options.resize(kOptionsMetamagieMax);
    return options;
}

int NiveauMetamagie(int niveauBase, const QVector<OptionMetamagie>& options, const QVector<bool>& coches)
{
    int niveau = niveauBase;
    for (qsizetype i = 0; i < options.size() && i < coches.size(); ++i)
        if (coches.at(i))
            niveau += options.at(i).augmentation;
    return niveau;
}

std::optional<ResultatMetamagie> ValideMetamagie(int niveauBase, int niveauMax, const QVector<OptionMetamagie>& options,
                                                 const QVector<bool>& coches)
{
    ResultatMetamagie r{NiveauMetamagie(niveauBase, options, coches), {}};
    if (r.niveau > niveauMax)
        return std::nullopt;
    QStringList libelles;
    for (qsizetype i = 0; i < options.size() && i < coches.size(); ++i)
        if (coches.at(i))
            libelles.append(options.at(i).libelle.trimmed());
    r.dons = libelles.join(QStringLiteral(", "));
    return r;
}

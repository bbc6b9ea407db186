#include "Experience.h"
#include "editor/ValeursSaisies.h"
#include "rules/Personnage.h"
#include "shell/db/BaseDonnees.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QString kReduction = QStringLiteral("Réduction de l'ajustement de niveau_1");

// Partie entière d'un calcul qui tombe juste en décimal : 100 × 0,7 vaut 69,999… en binaire,
// et un joueur attend 70.
qint64 partieEntiere(double valeur)
{
    return qint64(std::floor(valeur + 1e-9));
}

int ajustement(BaseDonnees& programme, const QString& table, const QString& cle)
{
    if (cle.isEmpty())
        return 0;
    const Ligne l = programme.cherche(table, QStringLiteral("PrimaryKey"), {cle});
    return l ? l.entier(QStringLiteral("AdjNiv")) : 0;
}

std::optional<double> pourcentageIdee(const QString& idee)
{
    const std::optional<double> p = litNombre(idee);
    if (!p || *p < 0 || *p >= 100)
        return std::nullopt;
    return p;
}

const QString kRefusIdee = QStringLiteral("Le % des XP d'idée doit être un réél supérieur à 0 et inférieur à 100");

// FP saisi et colonne de la table Experience qui le porte : "fp3", "fp1/2"… Un FP décimal
// sous 1 (0,5) prend la colonne de la fraction qu'il vaut.
struct FpSaisi
{
    double valeur = 0;
    QString colonne;
};

std::optional<FpSaisi> litFp(const QString& texte)
{
    static const QRegularExpression fraction(QStringLiteral("^\\s*(\\d+)\\s*/\\s*(\\d+)\\s*$"));
    if (const auto m = fraction.match(texte); m.hasMatch()) {
        const int haut = m.captured(1).toInt();
        const int bas = m.captured(2).toInt();
        if (haut <= 0 || bas <= 0)
            return std::nullopt;
        return FpSaisi{double(haut) / bas, QStringLiteral("fp%1/%2").arg(haut).arg(bas)};
    }
    const std::optional<double> v = litNombre(texte);
    if (!v || *v <= 0)
        return std::nullopt;
    if (*v == std::floor(*v))
        return FpSaisi{*v, QStringLiteral("fp%1").arg(qint64(*v))};
    for (int bas = 2; bas <= 8 && *v < 1; ++bas)
        if (std::abs(*v - 1.0 / bas) < 0.005)
            return FpSaisi{*v, QStringLiteral("fp1/%1").arg(bas)};
    return FpSaisi{*v, QStringLiteral("fp") + texte.trimmed()};
}

// Niveau qu'une expérience fait atteindre, à partir du niveau donné.
int niveauAtteint(qint64 experience, int depuis)
{
    int niveau = qMax(1, depuis);
    while (XPNiveau(niveau + 1) <= experience)
        ++niveau;
    return niveau;
}

} // namespace

int NiveauEffectif(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, const QString& race,
                   const QString& archetype, int niveau)
{
    int nge = niveau + ajustement(programme, QStringLiteral("Race"), race)
              + ajustement(programme, QStringLiteral("Archetype"), archetype);
    for (const Ligne& l : perso.selectionne(QStringLiteral("select dons from PersonnageDons where nom=?"), {nom}))
        if (l.texte(QStringLiteral("dons")) == kReduction)
            --nge;
    return nge;
}

GrilleExperience RempPerso(BaseDonnees& perso, BaseDonnees& programme)
{
    GrilleExperience grille;
    LectureGroupee lecture(perso);
    for (const Ligne& l : perso.selectionne(QStringLiteral(
             "select nom, race,niv_1,niv_2,niv_3,niv_4,niv_5,niv_6,niv_7,niv_8,malusxp,archetype,totalxp "
             "from personnage where exclu=false order by nom"))) {
        LigneExperience ligne;
        ligne.Nom = l.texte(QStringLiteral("nom"));
        for (int i = 1; i <= 8; ++i)
            ligne.Niv += l.entier(QStringLiteral("niv_%1").arg(i));
        ligne.NGE = NiveauEffectif(perso, programme, ligne.Nom, l.texte(QStringLiteral("race")),
                                   l.texte(QStringLiteral("archetype")), ligne.Niv);
        const qint64 total = qint64(l.reel(QStringLiteral("totalxp")));
        ligne.Experience = qMax(total, XPNiveau(ligne.NGE));
        ligne.NiveauSuivant = XPNiveau(ligne.NGE + 1);
        if (ligne.Experience >= ligne.NiveauSuivant)
            grille.avertissement += ligne.Nom + QStringLiteral(" devrait être au niveau ") + QString::number(ligne.NGE + 1)
                                    + QStringLiteral(", les calculs d'XP avec le FP des monstres seront faux. ") + u'\n';
        grille.lignes.append(ligne);
    }
    return grille;
}

std::optional<QString> ModifieCellule(LigneExperience& ligne, int colonne, const QString& texte)
{
    const std::optional<double> nombre = litNombre(texte);
    switch (colonne) {
    case ColXpExperience:
        if (!nombre || *nombre < 0 || *nombre != std::floor(*nombre) || *nombre > 2147483647.0)
            return QStringLiteral("L'expérience doit être un nombre entier positif.");
        ligne.Experience = qint64(*nombre);
        return std::nullopt;
    case ColXpGain:
        if (texte.trimmed().isEmpty()) {
            ligne.Gain.reset();
            return std::nullopt;
        }
        if (!nombre || *nombre != std::floor(*nombre) || std::abs(*nombre) > 2147483647.0)
            return QStringLiteral("Le gain d'XP doit être un nombre entier, ou rester vide.");
        ligne.Gain = qint64(*nombre);
        return std::nullopt;
    case ColXpPart:
        if (!nombre || *nombre < 0)
            return QStringLiteral("La part doit être un nombre positif (1 pour un PJ, 0.5 pour un PNJ).");
        ligne.Part = *nombre;
        return std::nullopt;
    default:
        return QString::fromUtf8(kCelluleFigee);
    }
}

std::optional<QString> AjouteRecompense(BaseDonnees& programme, QVector<LigneExperience>& lignes,
                                        const QList<int>& choisies, const QString& fp, const QString& idee,
                                        QString& journal)
{
    const std::optional<double> pourcentage = pourcentageIdee(idee);
    if (!pourcentage)
        return kRefusIdee;
    const std::optional<FpSaisi> facteur = litFp(fp);
    if (!facteur)
        return QStringLiteral("Le FP doit être un réél strictement supérieur à 0");
    if (choisies.isEmpty())
        return QStringLiteral("Il faut au moins un personnage de sélectionné");
    double parts = 0;
    for (int i : choisies)
        parts += lignes.at(i).Part;
    if (parts <= 0)
        return QStringLiteral("La somme des parts des personnages sélectionnés doit être supérieure à 0.");

    const bool colonneConnue = programme.ExisteChamp(QStringLiteral("Experience"), facteur->colonne);
    const QString sql = QStringLiteral("select %1 from experience where niveau=?").arg(identifiant(facteur->colonne));
    for (int i : choisies) {
        LigneExperience& ligne = lignes[i];
        const Ligne l = colonneConnue ? programme.premiere(sql, {ligne.NGE}) : Ligne();
        if (!l || l.estNul(facteur->colonne)) {
            journal += ligne.Nom + QStringLiteral(" : pas de récompense connue pour un FP de ") + fp.trimmed()
                       + QStringLiteral(" au niveau ") + QString::number(ligne.NGE) + QStringLiteral(", gain inchangé")
                       + u'\t';
            continue;
        }
        const double base = l.reel(facteur->colonne);
        const qint64 partage = partieEntiere(base * ligne.Part / parts);
        const qint64 gain = partieEntiere(double(partage) * (100.0 - *pourcentage) / 100.0);
        ligne.Gain = ligne.Gain.value_or(0) + gain;
    }
    return std::nullopt;
}

std::optional<QString> EnregistreExperience(BaseDonnees& perso, QVector<LigneExperience>& lignes, const QString& idee,
                                            double& totalIdee, QString& journal)
{
    const std::optional<double> pourcentage = pourcentageIdee(idee);
    if (!pourcentage)
        return kRefusIdee;
    // Les lignes ne changent qu'une fois la transaction validée : un échec laisse tout à refaire.
    QVector<LigneExperience> nouvelles = lignes;
    double idees = totalIdee;
    QString texte;
    Transaction transaction(perso);
    for (LigneExperience& ligne : nouvelles) {
        if (!ligne.Gain)
            continue;
        const Ligne l = perso.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {ligne.Nom});
        if (!l) {
            texte += ligne.Nom + QStringLiteral(" : personnage introuvable, expérience non enregistrée") + u'\t';
            continue;
        }
        const qint64 gain = *ligne.Gain;
        ligne.Experience += gain;
        perso.modifie(QStringLiteral("Personnage"), l.rowid(), {{QStringLiteral("TotalXP"), ligne.Experience}});
        idees += double(gain) * *pourcentage / (100.0 - *pourcentage);
        texte += ligne.Nom + QStringLiteral(" : ") + QString::number(gain) + QStringLiteral(" XP") + u'\t';
        if (ligne.Experience >= ligne.NiveauSuivant)
            texte += QStringLiteral("Passage de ") + ligne.Nom + QStringLiteral(" au niveau ")
                     + QString::number(niveauAtteint(ligne.Experience, ligne.NGE + 1)) + u'\t';
        ligne.Gain.reset();
    }
    transaction.valide();
    lignes = nouvelles;
    totalIdee = idees;
    journal += texte;
    return std::nullopt;
}

#include "SortsPrepares.h"
#include "Fiche.h"
#include "shell/db/BaseDonnees.h"
#include "sheet/SortsFiche.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>

namespace {

// Colonnes à lire pour un emplacement : la liste de la classe, ou les domaines connus de la table.
QStringList colonnesEmplacement(BaseDonnees& programme, const SortsClasse& s, const QStringList& domaines,
                                const EmplacementSort& e)
{
    if (!e.domaine)
        return s.colonne.isEmpty() ? QStringList() : QStringList{s.colonne};
    QStringList colonnes;
    for (const QString& d : domaines)
        if (programme.ExisteChamp(QStringLiteral("Sort"), d))
            colonnes.append(d);
    return colonnes;
}

// Plus petit niveau du sort parmi les colonnes (un sort peut être dans deux domaines).
QString expressionNiveau(const QStringList& colonnes)
{
    QStringList c;
    for (const QString& colonne : colonnes)
        c.append(QStringLiteral("coalesce(%1,99)").arg(ColonneSql(colonne)));
    return c.size() == 1 ? c.first() : QStringLiteral("min(%1)").arg(c.join(u','));
}

// École d'un sort sans ses registres : "Enchantement [coercition] (Mental)" donne "Enchantement".
QString ecoleSeule(const QString& ecole)
{
    static const QRegularExpression separateur(QStringLiteral("[ \\[(]"));
    const qsizetype fin = ecole.indexOf(separateur);
    return (fin < 0 ? ecole : ecole.left(fin)).trimmed();
}

// École interdite du grimoire à laquelle le sort appartient ; "" quand il n'y en a pas.
QString ecoleInterdite(const SortsClasse& s, const QString& ecole)
{
    const QString seule = ecoleSeule(ecole);
    for (const QString& interdite : s.ecolesInterdites)
        if (!seule.isEmpty() && seule.compare(interdite, Qt::CaseInsensitive) == 0)
            return interdite;
    return {};
}

// Le grimoire contient d'office tous les sorts de niveau 0 de la classe.
bool dansLeGrimoire(const SortsClasse& s, const QString& nomSort, int niveau)
{
    return niveau == 0 || std::any_of(s.connus.cbegin(), s.connus.cend(), [&](const SortConnu& c) {
               return c.nom.compare(nomSort, Qt::CaseInsensitive) == 0;
           });
}

void remplit(BaseDonnees& programme, const SortsClasse& s, EmplacementSort& e, const QString& nomSort)
{
    e.nom = nomSort;
    if (nomSort.isEmpty()) {
        e.ecole.clear();
        e.metamagie.clear();
        e.dd = 0;
        return;
    }
    e.dd = s.dd[e.niveau];
    const Ligne sort = programme.cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {nomSort});
    if (!sort) {
        e.ecole = QString::fromUtf8(kAbsentDesRegles);
        return;
    }
    const QString ecole = sort.texte(QStringLiteral("Ecole"));
    e.ecole = ecole.isEmpty() ? QStringLiteral("Aucune") : ecole;
}

} // namespace

void DefinitPreparation(const Ligne& classe, const Fiche& f, SortsClasse& s)
{
    s.ecolesInterdites.clear();
    s.preparation = PreparationSorts::ListeClasse;
    if (!classe || !classe.booleen(QStringLiteral("EstLanceurSort")) || classe.booleen(QStringLiteral("EstTout")))
        return;
    if (classe.booleen(QStringLiteral("EstLimite"))) {
        s.preparation = PreparationSorts::Spontanee;
        return;
    }
    s.preparation = PreparationSorts::Grimoire;
    const TypePersonnage& p = f.Personnage;
    QStringList ecoles{p.Ecole_interdite_1, p.Ecole_interdite_2, p.Ecole_interdite_3, p.Ecole_interdite_4};
    for (const LigneDon& d : f.Dons)
        if (d.Nom == u"Ecole interdite supplémentaire")
            ecoles.append(d.Specialite);
    for (const QString& e : std::as_const(ecoles))
        if (!e.trimmed().isEmpty() && !s.ecolesInterdites.contains(e.trimmed(), Qt::CaseInsensitive))
            s.ecolesInterdites.append(e.trimmed());
}

QString TextePreparation(const SortsClasse& s)
{
    switch (s.preparation) {
    case PreparationSorts::Spontanee:
        return QStringLiteral("%1 lance ses sorts connus sans les préparer : il n'y a rien à préparer.").arg(s.classe);
    case PreparationSorts::Grimoire:
        return QStringLiteral("Sorts offerts : ceux du grimoire (sorts détenus, et tous ceux de niveau 0)")
               + (s.ecolesInterdites.isEmpty()
                      ? QStringLiteral(".")
                      : QStringLiteral(", sauf les écoles interdites (%1).").arg(s.ecolesInterdites.join(QStringLiteral(", "))));
    case PreparationSorts::ListeClasse:
        break;
    }
    return QStringLiteral("Sorts offerts : toute la liste de sorts de %1").arg(s.classe)
           + (s.domaineEnPlus ? QStringLiteral(" ; ceux des domaines dans les emplacements de domaine.") : QStringLiteral("."));
}

QVector<EmplacementSort> EmplacementsJour(const SortsClasse& s)
{
    QVector<EmplacementSort> emplacements;
    const auto ajoute = [&](const QString& nom, int niveau, bool domaine) {
        EmplacementSort e;
        e.emplacement = nom;
        e.niveau = niveau;
        e.domaine = domaine;
        emplacements.append(e);
    };
    for (int n = 0; n < kNiveauxSort; ++n) {
        if (!s.total[n])
            continue;
        const int domaine = s.domaineEnPlus ? s.speDom[n] : 0;
        for (int k = 1; k <= *s.total[n] - domaine; ++k)
            ajoute(QStringLiteral("Niveau %1 n°%2").arg(n).arg(k), n, false);
        if (domaine > 0)
            ajoute(QStringLiteral("Domaine n°%1").arg(n), n, true);
    }
    return emplacements;
}

void ChargeSortsPrepares(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, SortsClasse& s)
{
    for (const Ligne& l : perso.selectionne(QStringLiteral("SELECT * FROM SortListe WHERE NomPerso=? and ClassePerso=? "
                                                           "ORDER BY Niveau, NomSort"),
                                            {nom, s.classe})) {
        const QString place = l.texte(QStringLiteral("EmplacementSort"));
        for (EmplacementSort& e : s.prepares)
            if (e.emplacement == place) {
                remplit(programme, s, e, l.texte(QStringLiteral("NomSort")));
                e.metamagie = l.texte(QStringLiteral("Metamagie"));
            }
    }
}

QStringList ChoixEmplacement(BaseDonnees& programme, const SortsClasse& s, const QStringList& domaines,
                             const EmplacementSort& e)
{
    if (s.preparation == PreparationSorts::Spontanee)
        return {};
    const QStringList colonnes = colonnesEmplacement(programme, s, domaines, e);
    if (colonnes.isEmpty())
        return e.domaine ? QStringList{QString::fromUtf8(kDomaineNonRenseigne)} : QStringList();
    const QString niveau = expressionNiveau(colonnes);
    const bool grimoire = s.preparation == PreparationSorts::Grimoire;
    QStringList choix;
    for (const Ligne& l : programme.selectionne(
             QStringLiteral("select Nom, Ecole, %1 as NiveauSort from Sort where %1<=? order by %1 desc, Nom").arg(niveau),
             {e.niveau})) {
        const QString nom = l.texte(QStringLiteral("Nom"));
        if (!grimoire
            || (dansLeGrimoire(s, nom, l.entier(QStringLiteral("NiveauSort")))
                && ecoleInterdite(s, l.texte(QStringLiteral("Ecole"))).isEmpty()))
            choix.append(nom);
    }
    return choix;
}

std::optional<int> NiveauSortEmplacement(BaseDonnees& programme, const SortsClasse& s, const QStringList& domaines,
                                         const EmplacementSort& e, const QString& nomSort)
{
    const QStringList colonnes = colonnesEmplacement(programme, s, domaines, e);
    if (colonnes.isEmpty())
        return std::nullopt;
    const QVariant v = programme.scalaire(
        QStringLiteral("select %1 from Sort where Nom=?").arg(expressionNiveau(colonnes)), {nomSort});
    return v.isNull() || v.toInt() == 99 ? std::nullopt : std::optional<int>(v.toInt());
}

std::optional<QString> PrepareSort(BaseDonnees& programme, SortsClasse& s, const QStringList& domaines, int emplacement,
                                   const QString& nomSort)
{
    EmplacementSort& e = s.prepares[emplacement];
    if (nomSort.isEmpty() || nomSort == QString::fromUtf8(kDomaineNonRenseigne)) {
        remplit(programme, s, e, QString());
        return std::nullopt;
    }
    if (s.preparation == PreparationSorts::Spontanee)
        return TextePreparation(s);
    const std::optional<int> niveau = NiveauSortEmplacement(programme, s, domaines, e, nomSort);
    if (!niveau) {
        if (e.domaine)
            return QString::fromUtf8(kHorsDomaine);
        return QStringLiteral("Le sort « %1 » n'est pas dans la liste de sorts de %2.").arg(nomSort, s.classe);
    }
    if (*niveau > e.niveau)
        return QStringLiteral("Ce sort est de niveau %1 : il ne tient pas dans un emplacement de niveau %2.")
            .arg(*niveau)
            .arg(e.niveau);
    if (s.preparation == PreparationSorts::Grimoire) {
        const QString ecole = programme.cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {nomSort})
                                  .texte(QStringLiteral("Ecole"));
        if (const QString interdite = ecoleInterdite(s, ecole); !interdite.isEmpty())
            return QStringLiteral("Le sort « %1 » est de l'école interdite %2 : le personnage ne peut pas le préparer.")
                .arg(nomSort, interdite);
        if (!dansLeGrimoire(s, nomSort, *niveau))
            return QStringLiteral("Le sort « %1 » n'est pas dans le grimoire : ajoutez-le d'abord aux sorts détenus.")
                .arg(nomSort);
    }
    remplit(programme, s, e, nomSort);
    e.metamagie.clear();
    return std::nullopt;
}

std::optional<QString> AppliqueMetamagie(SortsClasse& s, int emplacement, int niveauModifie, const QString& dons)
{
    EmplacementSort& origine = s.prepares[emplacement];
    if (niveauModifie <= origine.niveau) {
        origine.metamagie = dons;
        return std::nullopt;
    }
    for (EmplacementSort& e : s.prepares)
        if (e.niveau == niveauModifie && e.domaine == origine.domaine && e.nom.isEmpty()) {
            e.nom = origine.nom;
            e.ecole = origine.ecole;
            e.dd = s.dd[e.niveau];
            e.metamagie = dons;
            origine.nom.clear();
            origine.ecole.clear();
            origine.metamagie.clear();
            origine.dd = 0;
            return std::nullopt;
        }
    return QString::fromUtf8(kPlusDEmplacement);
}

void EnregSortListe(BaseDonnees& perso, const QString& nom, const SortsClasse& s)
{
    Transaction t(perso);
    perso.execute(QStringLiteral("delete from SortListe where NomPerso=? and ClassePerso=?"), {nom, s.classe});
    for (const EmplacementSort& e : s.prepares)
        if (!e.nom.isEmpty())
            perso.ajoute(QStringLiteral("SortListe"),
                         {{QStringLiteral("NomPerso"), nom},
                          {QStringLiteral("ClassePerso"), s.classe},
                          {QStringLiteral("NomSort"), e.nom},
                          {QStringLiteral("Niveau"), e.niveau},
                          {QStringLiteral("EmplacementSort"), e.emplacement},
                          {QStringLiteral("Metamagie"), e.metamagie.isEmpty() ? QVariant() : QVariant(e.metamagie)}});
    t.valide();
}

QString ListeSortsHtml(const QString& personnage, const SortsClasse& sorts, bool cacheVides)
{
    const std::array<QString, 5> entetes{QStringLiteral("Emplacement"), QStringLiteral("Nom du sort"),
                                         QStringLiteral("DD"), QStringLiteral("Ecole"), QStringLiteral("Métamagie")};
    QVector<std::array<QString, 5>> lignes;
    for (const EmplacementSort& e : sorts.prepares)
        lignes.append({e.emplacement, e.nom, e.nom.isEmpty() ? QString() : QString::number(e.dd), e.ecole, e.metamagie});
    std::array<bool, 5> montree{};
    for (int c = 0; c < 5; ++c)
        montree[c] = !cacheVides || std::any_of(lignes.cbegin(), lignes.cend(), [c](const auto& l) { return !l[c].isEmpty(); });
    QString html = QStringLiteral("<h3>Liste journalière des sorts : %1 (%2)</h3><table border=1 cellpadding=3><tr>")
                       .arg(personnage.toHtmlEscaped(), sorts.classe.toHtmlEscaped());
    for (int c = 0; c < 5; ++c)
        if (montree[c])
            html += QStringLiteral("<th>%1</th>").arg(entetes[c]);
    for (const auto& l : lignes) {
        html += QStringLiteral("</tr><tr>");
        for (int c = 0; c < 5; ++c)
            if (montree[c])
                html += QStringLiteral("<td>%1</td>").arg(l[c].toHtmlEscaped());
    }
    return html + QStringLiteral("</tr></table>");
}

#include "SortsConnus.h"
#include "SortsParJour.h"
#include "rules/InfoClasse.h"
#include "shell/db/BaseDonnees.h"

#include <algorithm>

namespace {

// Sorts connus au maximum à ce niveau d'après la progression ; vide : pas de limite.
std::optional<int> maximumProgression(BaseDonnees& programme, const SortsClasse& s, int niveau)
{
    const QVariant v = programme.scalaire(
        QStringLiteral("select s_c_%1 from ClasseProgression where Classe=? and Niveau<=? order by Niveau desc").arg(niveau),
        {s.classe, s.niveauProgression});
    return v.isNull() ? std::nullopt : std::optional<int>(v.toInt());
}

int dejaConnus(const SortsClasse& s, int niveauMin, int niveauMax)
{
    int n = 0;
    for (const SortConnu& c : s.connus)
        n += c.niveau >= niveauMin && c.niveau <= niveauMax;
    return n;
}

// Invocations des sorciers : la progression donne en s_c_1 à s_c_4 les invocations gagnées à chaque
// grade ("Inférieure" à "Suprême") ; une place d'un grade peut recevoir une invocation d'un grade
// inférieur, jamais l'inverse.
std::optional<QString> controleInvocations(BaseDonnees& programme, const Fiche& f, const SortsClasse& s, int niveau)
{
    static const char* const grades[] = {"Inférieure", "Mineure", "Majeure", "Suprême"};
    std::array<int, 5> parGrade{};
    int gradeMax = 0;
    for (int g = 1; g <= 4; ++g) {
        parGrade[g] = maximumProgression(programme, s, g).value_or(0);
        if (parGrade[g] > 0)
            gradeMax = g;
    }
    // Une invocation supplémentaire est d'un grade inférieur au plus haut accessible.
    const int enPlus = gradeMax >= 2 ? CompteDonSort(f, QStringLiteral("Invocation supplémantaire")) : 0;
    int total = enPlus;
    for (int g = 1; g <= 4; ++g)
        total += parGrade[g];
    if (dejaConnus(s, 0, kNiveauxSort) + 1 > total)
        return QStringLiteral("Ce personnage peut apprendre un maximum de %1 invocation(s).").arg(total);
    int auMoins = 0;   // places de ce grade et des grades supérieurs
    for (int g = 4; g >= 2; --g) {
        auMoins += parGrade[g];
        const int limite = auMoins + (g < gradeMax ? enPlus : 0);
        if (niveau >= g && dejaConnus(s, g, 4) + 1 > limite)
            return QStringLiteral("Ce personnage peut apprendre un maximum de %1 invocation(s) %2 ou de type supérieur.")
                .arg(limite)
                .arg(QString::fromUtf8(grades[g - 1]));
    }
    return std::nullopt;
}

} // namespace

QVector<SortConnu> SortsConnus(BaseDonnees& perso, const QString& nom, const QString& classe)
{
    QVector<SortConnu> sorts;
    for (const Ligne& l : perso.selectionne(QStringLiteral("SELECT NomSort, Niveau FROM SortPersonnage WHERE NomPerso=? "
                                                           "and ClassePerso=? ORDER BY NomSort"),
                                            {nom, classe}))
        sorts.append({l.texte(QStringLiteral("NomSort")), l.entier(QStringLiteral("Niveau"))});
    return sorts;
}

QVector<SortConnu> ListeSortsClasse(BaseDonnees& programme, const QString& colonne)
{
    QVector<SortConnu> sorts;
    if (colonne.isEmpty())
        return sorts;
    const QString c = ColonneSql(colonne);
    for (const Ligne& l : programme.selectionne(QStringLiteral("select Nom, %1 as niv from Sort where %1 is not null "
                                                               "order by %1, Nom").arg(c)))
        sorts.append({l.texte(QStringLiteral("Nom")), l.entier(QStringLiteral("niv"))});
    return sorts;
}

void EnregSort(BaseDonnees& perso, const QString& nom, const QString& classe, const QVector<SortConnu>& connus)
{
    Transaction t(perso);
    perso.execute(QStringLiteral("delete from SortPersonnage where NomPerso=? and ClassePerso=?"), {nom, classe});
    for (const SortConnu& s : connus)
        perso.ajoute(QStringLiteral("SortPersonnage"), {{QStringLiteral("NomPerso"), nom},
                                                        {QStringLiteral("ClassePerso"), classe},
                                                        {QStringLiteral("NomSort"), s.nom},
                                                        {QStringLiteral("Niveau"), s.niveau}});
    t.valide();
}

QString QuestionTousLesSorts(BaseDonnees& programme, const SortsClasse& s)
{
    if (!EstTout(programme, s.classe) || s.sortMax < 0)
        return {};
    return QStringLiteral("Cette classe de lanceur de sort permet de connaitre automatiquement tous les sorts "
                          "jusqu'au niv %1\nsouhaitez vous attribuer automatiquement tous ces sorts ?")
        .arg(s.sortMax);
}

QVector<SortConnu> TousLesSorts(BaseDonnees& programme, const SortsClasse& s)
{
    QVector<SortConnu> sorts;
    for (const SortConnu& c : ListeSortsClasse(programme, s.colonne))
        if (c.niveau <= s.sortMax)
            sorts.append(c);
    return sorts;
}

AjoutSort ControleAjoutSort(BaseDonnees& programme, const Fiche& f, const SortsClasse& s, const QString& nomSort)
{
    AjoutSort r;
    const QVariant niveau = s.colonne.isEmpty()
        ? QVariant()
        : programme.scalaire(QStringLiteral("select %1 from Sort where Nom=?").arg(ColonneSql(s.colonne)), {nomSort});
    if (niveau.isNull()) {
        r.refus = QStringLiteral("Le sort « %1 » n'est pas dans la liste de sorts de %2.").arg(nomSort, s.classe);
        return r;
    }
    r.sort = {nomSort, niveau.toInt()};
    const int n = r.sort.niveau;
    for (const SortConnu& c : s.connus)
        if (c.nom.compare(nomSort, Qt::CaseInsensitive) == 0) {
            r.refus = QStringLiteral("Le personnage connaît déjà ce sort.");
            return r;
        }
    if (n > s.sortMax) {
        r.refus = QString::fromUtf8(kNiveauTropEleve);
        return r;
    }
    if (s.classe == u"Sorcier" || s.classe == u"Sorcier Angélique") {
        r.refus = controleInvocations(programme, f, s, n);
        return r;
    }
    const std::optional<int> base = maximumProgression(programme, s, n);
    if (!base)
        return r;
    int enPlus = NiveauDansClasse(f.Personnage, QStringLiteral("Lyric thaumaturge"))
                 + NiveauDansClasse(f.Personnage, QStringLiteral("Duskblade"));
    for (const char* don : {"Sort supplémentaire", "Connaissance magique", "Spell secret", "Sorts connus exhumés"})
        enPlus += CompteDonSort(f, QString::fromUtf8(don), n);
    const int connus = dejaConnus(s, n, n);
    if (connus + 1 > *base + enPlus) {
        r.refus = QStringLiteral("Ce personnage peut apprendre un maximum de %1 sort de niveau %2").arg(*base + enPlus).arg(n);
        return r;
    }
    if (connus + 1 > *base) {
        const QString refus = ControleSortConnusPlus(programme, s, nomSort, n);
        if (!refus.isEmpty())
            r.refus = refus;
    }
    return r;
}

QString ControleSortConnusPlus(BaseDonnees& programme, const SortsClasse& s, const QString& nomSort, int niveau)
{
    const QVector<Ligne> imposes = programme.selectionne(
        QStringLiteral("select Niveau, Sort from ClasseSortImpose where Classe=? order by Niveau, Sort"), {s.classe});
    if (imposes.isEmpty())
        return {};
    // Un sort imposé est libre quand il est lançable et pas encore connu.
    const auto connu = [&s](const QString& sort) {
        return std::any_of(s.connus.cbegin(), s.connus.cend(),
                           [&sort](const SortConnu& c) { return c.nom.compare(sort, Qt::CaseInsensitive) == 0; });
    };
    QStringList liste;
    for (const Ligne& l : imposes) {
        const int n = l.entier(QStringLiteral("Niveau"));
        const QString sort = l.texte(QStringLiteral("Sort"));
        if (n > s.sortMax || connu(sort))
            continue;
        if (n == niveau && sort.compare(nomSort, Qt::CaseInsensitive) == 0)
            return {};
        liste.append(QStringLiteral("Sort de Niv %1 : %2").arg(n).arg(sort));
    }
    if (liste.isEmpty())
        return QStringLiteral("Le personnage n'a aucun sort imposé");
    return QStringLiteral("Le niveau de sort le plus elevé disponible est %1").arg(s.sortMax)
           + QStringLiteral(", or pour obtenir un sort connus en plus\n")
           + QStringLiteral("le personnage doit avoir un sort imposé libre dans la liste de sort suivant ")
           + liste.join(u'\n');
}

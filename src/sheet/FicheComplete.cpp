#include "FicheComplete.h"
#include "ExportFiche.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>
#include <tuple>

namespace {

// Styles lus par les navigateurs ; les attributs des tableaux (bordure, marges) servent aussi à
// la mise en page du PDF, qui ne connaît qu'une partie des feuilles de style.
const char* const kStyle = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 8pt; color: #222222; }
h1 { font-size: 15pt; color: #5a3e1b; margin: 0 0 2px 0; }
h2 { font-size: 10pt; color: #ffffff; background-color: #5a3e1b; margin: 8px 0 3px 0; padding: 1px 4px; text-indent: 4px; }
table.grille { border-collapse: collapse; width: 100%; margin: 0; }
table.grille td, table.grille th { border: 1px solid #999999; padding: 1px 3px; vertical-align: top; }
th { background-color: #d9d2c3; text-align: left; }
td.libelle { background-color: #efe9dc; font-weight: bold; }
td.total { font-weight: bold; text-align: center; }
p { margin: 2px 0; }
p.note { font-style: italic; }
)";

QString texte(const QString& t)
{
    return t.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")).replace(u'\n', QStringLiteral("<br>"));
}

QString titre(const char* rubrique)
{
    return QStringLiteral("<h2>") + QString::fromUtf8(rubrique).toHtmlEscaped() + QStringLiteral("</h2>\n");
}

QString debutGrille()
{
    return QStringLiteral("<table class=\"grille\" width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
}

// Ligne d'en-tête, répétée en haut de page quand le PDF coupe le tableau.
QString entetes(const QStringList& colonnes)
{
    QString ligne = QStringLiteral("<thead><tr>");
    for (const QString& c : colonnes)
        ligne += QStringLiteral("<th>") + c.toHtmlEscaped() + QStringLiteral("</th>");
    return ligne + QStringLiteral("</tr></thead>\n");
}

// Une ligne : le libellé en tête, puis les cellules (déjà échappées).
QString ligne(const QString& libelle, const QStringList& cellules, bool totalEnGras = false)
{
    QString l = QStringLiteral("<tr><td class=\"libelle\" bgcolor=\"#efe9dc\"><b>") + libelle.toHtmlEscaped()
                + QStringLiteral("</b></td>");
    for (int i = 0; i < cellules.size(); ++i)
        l += (totalEnGras && i == 0 ? QStringLiteral("<td class=\"total\" align=\"center\"><b>") + cellules[i] + QStringLiteral("</b>")
                                    : QStringLiteral("<td>") + cellules[i])
             + QStringLiteral("</td>");
    return l + QStringLiteral("</tr>\n");
}

// Paires libellé / valeur rangées par deux sur chaque ligne.
QString paires(const QList<std::pair<QString, QString>>& valeurs)
{
    QString t = debutGrille();
    for (int i = 0; i < valeurs.size(); i += 2) {
        t += QStringLiteral("<tr>");
        for (int j = i; j < i + 2; ++j) {
            if (j < valeurs.size())
                t += QStringLiteral("<td class=\"libelle\" bgcolor=\"#efe9dc\" width=\"18%\"><b>") + valeurs[j].first.toHtmlEscaped()
                     + QStringLiteral("</b></td><td width=\"32%\">") + texte(valeurs[j].second) + QStringLiteral("</td>");
            else
                t += QStringLiteral("<td></td><td></td>");
        }
        t += QStringLiteral("</tr>\n");
    }
    return t + QStringLiteral("</table>\n");
}

QString note(const QString& t)
{
    return t.trimmed().isEmpty() ? QString() : QStringLiteral("<p class=\"note\"><i>") + texte(t.trimmed()) + QStringLiteral("</i></p>\n");
}

QString paragraphe(const QString& t)
{
    return QStringLiteral("<p>") + texte(t) + QStringLiteral("</p>\n");
}

// L'image du personnage rangée dans la page même (data:), pour un fichier qui voyage seul ; la
// largeur seule est fixée, la hauteur suit les proportions.
QString image(const QString& chemin)
{
    QFile f(chemin);
    if (chemin.isEmpty() || !f.open(QIODevice::ReadOnly))
        return {};
    const QString type = QMimeDatabase().mimeTypeForFile(QFileInfo(chemin)).name();
    if (!type.startsWith(QStringLiteral("image/")))
        return {};
    return QStringLiteral("<img src=\"data:%1;base64,%2\" width=\"140\" alt=\"\">").arg(type, QString::fromLatin1(f.readAll().toBase64()));
}

QString identite(const Fiche& f, const LieuxFiche& l)
{
    const TypePersonnage& p = f.Personnage;
    QList<std::pair<QString, QString>> v{
        {QStringLiteral("Race"), l.value(QStringLiteral("sgnRaceSexe"))},
        {QStringLiteral("Classes"), l.value(QStringLiteral("sgnClasse"))},
        {QStringLiteral("Niveau"), QString::number(int(f.Niveau))},
        {QStringLiteral("XP"), QStringLiteral("%1 (niveau suivant : %2)").arg(p.TotalXP).arg(l.value(QStringLiteral("sgnNivSuivant")))},
        {QStringLiteral("Alignement"), p.Alignement},
        {QStringLiteral("Dieu"), p.Dieu},
        {QStringLiteral("Taille, poids"), f.Taille + QStringLiteral(", ") + l.value(QStringLiteral("sngPoidsTaille"))},
        {QStringLiteral("Âge"), l.value(QStringLiteral("sngDateAge"))},
        {QStringLiteral("Cheveux, yeux"), l.value(QStringLiteral("sngCheveux"))},
        {QStringLiteral("Type"), f.TypeCreature},
        {QStringLiteral("Langues"), f.Langues},
        {QStringLiteral("Alphabets"), f.Alphabets},
        {QStringLiteral("Vision"), f.Vision},
        {QStringLiteral("Facteur de puissance"), f.FP}};
    if (!f.NomArchetype.isEmpty())
        v.append({QStringLiteral("Archétype"), f.NomArchetype});
    if (!l.value(QStringLiteral("sngProfilTitre")).isEmpty())
        v.append({QStringLiteral("Profil"), l.value(QStringLiteral("sngProfilTitre"))});
    const QString portrait = image(f.Image);
    QString t = titre("Identité");
    if (portrait.isEmpty())
        t += paires(v);
    else
        t += QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr><td valign=\"top\">") + paires(v)
             + QStringLiteral("</td><td width=\"150\" align=\"right\" valign=\"top\">") + portrait
             + QStringLiteral("</td></tr></table>\n");
    return t + paragraphe(f.Description);
}

QString caracteristiques(const Fiche& f)
{
    QString t = titre("Caractéristiques") + debutGrille()
                + entetes({QStringLiteral("Caractéristique"), QStringLiteral("Total"), QStringLiteral("Modif."),
                           QStringLiteral("Score"), QStringLiteral("Objets et sorts"), QStringLiteral("Divers")});
    for (const CaracteristiqueFiche& c : f.Caracteristiques)
        t += ligne(c.Nom, {c.Total.toHtmlEscaped(), Signe(c.Modificateur), QString::number(int(c.Score)),
                           QString::number(int(c.Divers1)), QString::number(int(c.Divers2))},
                   true);
    return t + QStringLiteral("</table>\n");
}

QString jets(const Fiche& f)
{
    QString t = titre("Jets de sauvegarde") + debutGrille()
                + entetes({QStringLiteral("Jet"), QStringLiteral("Total"), QStringLiteral("Base"), QStringLiteral("Carac."),
                           QStringLiteral("Race"), QStringLiteral("Dons"), QStringLiteral("Magie")});
    for (const JetFiche& j : f.Jets)
        t += ligne(j.Nom, {Signe(j.Final), QString::number(int(j.Base)), QString::number(int(j.Carac)),
                           QString::number(int(j.Race)), QString::number(int(j.Don)), QString::number(int(j.Divers))},
                   true);
    return t + QStringLiteral("</table>\n") + note(f.NoteJS);
}

QString attaques(const Fiche& f)
{
    QString t = titre("Attaques et armes")
                + paires({{QStringLiteral("Attaque de base"), Signe(f.AttaqueDeBase)},
                          {QStringLiteral("Lutte"), Signe(f.Lutte)},
                          {QStringLiteral("Corps à corps"), Signe(f.AttaqueContact)},
                          {QStringLiteral("Distance"), Signe(f.AttaqueDistance)},
                          {QStringLiteral("Initiative"), Signe(f.Initiative)},
                          {QStringLiteral("Attaques par round"), QString::number(int(f.NombreAttaques))}});
    if (f.Armes.isEmpty())
        return t;
    t += debutGrille() + entetes({QStringLiteral("Arme"), QStringLiteral("Attaque, dégâts, critique")});
    for (const LigneArme& a : f.Armes)
        t += ligne(a.Nom, {texte(a.Ligne.trimmed())});
    return t + QStringLiteral("</table>\n");
}

QString classeArmure(const Fiche& f, const LieuxFiche& l)
{
    const ClasseArmureFiche& ca = f.ClasseArmure;
    QString t = titre("Classe d'armure") + debutGrille()
                + entetes({QStringLiteral("Normale"), QStringLiteral("Pris au dépourvu"), QStringLiteral("Contact"),
                           QStringLiteral("Contact, pris au dépourvu")})
                + QStringLiteral("<tr><td class=\"total\" align=\"center\"><b>%1</b></td><td align=\"center\">%2</td>"
                                 "<td align=\"center\">%3</td><td align=\"center\">%4</td></tr>\n</table>\n")
                      .arg(int(ca.Total)).arg(int(ca.Depourvu)).arg(int(ca.Contact)).arg(int(ca.DepourvuContact))
                + paragraphe(ca.Explication);
    if (!l.value(QStringLiteral("ArmureNom")).isEmpty())
        t += paragraphe(QStringLiteral("Armure portée : %1 (malus %2, échec des sorts %3, Dex. max. %4)")
                            .arg(l.value(QStringLiteral("ArmureNom")), l.value(QStringLiteral("ArmureMalus")),
                                 l.value(QStringLiteral("ArmureEchecSort")),
                                 l.value(QStringLiteral("Armurebonusdextmax")).isEmpty() ? QStringLiteral("-")
                                                                                         : l.value(QStringLiteral("Armurebonusdextmax"))));
    return t + note(f.NoteCA);
}

QString pointsDeVie(const Fiche& f, const LieuxFiche& l)
{
    const QString particularites = TexteParticularites(f.Resistances);
    return titre("Points de vie")
           + paires({{QStringLiteral("Points de vie"), QString::number(int(f.PointsDeVie))},
                     {QStringLiteral("Dés de vie"), QString::number(int(f.Niveau))},
                     {QStringLiteral("Résistances"), particularites.isEmpty() ? QStringLiteral("aucune") : particularites},
                     {QStringLiteral("Récupération"), QStringLiteral("%1 pv par nuit, %2 pv par jour alité")
                                                         .arg(l.value(QStringLiteral("RecuperReduitePv")),
                                                              l.value(QStringLiteral("RecuperCompletPV")))}});
}

// Compétences utilisables, sur deux colonnes pour tenir la page.
QString competences(const Fiche& f)
{
    QVector<const LigneCompetence*> lignes;
    for (const LigneCompetence& c : f.Competences)
        if (c.TotalAffiche)
            lignes.append(&c);
    const QStringList colonnes{QStringLiteral("Compétence"), QStringLiteral("Total"), QStringLiteral("Carac."), QStringLiteral("Rangs")};
    QString t = titre("Compétences") + debutGrille() + entetes(colonnes + colonnes);
    const qsizetype moitie = (lignes.size() + 1) / 2;
    const auto cellules = [](const LigneCompetence* c) {
        if (!c)
            return QStringLiteral("<td></td><td></td><td></td><td></td>");
        const QString nom = c->Nom.isEmpty() || c->Nom == c->NomRegle ? c->NomRegle : c->NomRegle + QStringLiteral(" : ") + c->Nom;
        return QStringLiteral("<td class=\"libelle\" bgcolor=\"#efe9dc\">%1</td><td class=\"total\" align=\"center\"><b>%2</b></td>"
                              "<td>%3</td><td>%4</td>")
            .arg(nom.toHtmlEscaped(), Signe(c->Total), c->Carac.toHtmlEscaped(),
                 c->RangsAchetes ? QString::number(int(c->Rangs)) : QString());
    };
    for (qsizetype i = 0; i < moitie; ++i)
        t += QStringLiteral("<tr>") + cellules(lignes[i]) + cellules(i + moitie < lignes.size() ? lignes[i + moitie] : nullptr)
             + QStringLiteral("</tr>\n");
    return t + QStringLiteral("</table>\n") + note(f.NotesCompetences);
}

QString dons(const Fiche& f, const ChoixImpression& choix)
{
    QStringList colonnes{QStringLiteral("Don"), QStringLiteral("Origine")};
    if (choix.dons)
        colonnes.append(QStringLiteral("Description"));
    QString t = titre("Dons") + debutGrille() + entetes(colonnes);
    for (const LigneDon& d : f.Dons) {
        if (d.Cachee)
            continue;
        QStringList cellules{texte(d.Origine.isEmpty() ? d.Octroi : d.Origine)};
        if (choix.dons)
            cellules.append(texte(d.Explication));
        t += ligne(d.Affiche, cellules);
    }
    return t + QStringLiteral("</table>\n");
}

QString capacites(const Fiche& f, const LieuxFiche& l)
{
    QStringList lignes = f.CapacitesClasse;
    for (const LigneCapacite& c : f.CapacitesPrises)
        lignes.append(c.Libelle + (c.Valeur.isEmpty() ? QString() : QStringLiteral(" (") + c.Valeur + u')')
                      + (c.Note.isEmpty() ? QString() : QStringLiteral(" : ") + c.Note));
    if (!l.value(QStringLiteral("vaderetro")).isEmpty())
        lignes.append(l.value(QStringLiteral("vaderetro")));
    return titre("Capacités spéciales")
           + paragraphe(lignes.isEmpty() ? QStringLiteral("Aucune capacité spéciale.") : lignes.join(u'\n'));
}

QString equipement(const Fiche& f, const LieuxFiche& l)
{
    const QString objets = l.value(QStringLiteral("EquipementListe"));
    return titre("Équipement") + paragraphe(objets.isEmpty() ? QStringLiteral("Aucun objet.") : QString(objets).replace(u'\n', QStringLiteral(", ")))
           + paragraphe(f.ResumeEquipement)
           + paragraphe(QStringLiteral("Charges : légère %1 kg, intermédiaire %2 kg, lourde %3 kg")
                            .arg(l.value(QStringLiteral("ChargeLegere")), l.value(QStringLiteral("ChargeIntermediaire")),
                                 l.value(QStringLiteral("ChargeLourde"))));
}

QString deplacements(const Fiche& f, const LieuxFiche& l)
{
    QString t = titre("Déplacements") + paragraphe(TexteDeplacement(f.Deplacement)) + debutGrille()
                + entetes({QStringLiteral("Charge"), QStringLiteral("Marche"), QStringLiteral("Pas de course"),
                           QStringLiteral("Course"), QStringLiteral("Vol"), QStringLiteral("Nage")});
    // Les emplacements du vol et de la nage écrivent la charge intermédiaire en entier.
    const std::tuple<const char*, const char*, const char*> charges[] = {
        {"Légère", "Leger", "Leger"}, {"Intermédiaire", "Inter", "Intermediaire"}, {"Lourde", "Lourd", "Lourd"}};
    for (const auto& [nom, court, entier] : charges) {
        const QLatin1String s(court), e(entier);
        t += ligne(QString::fromUtf8(nom), {l.value(QStringLiteral("VDNorm") + s), l.value(QStringLiteral("VDFooting") + s),
                                             l.value(QStringLiteral("VDCourse") + s), l.value(QStringLiteral("VDVol") + e),
                                             l.value(QStringLiteral("VDEau") + e)});
    }
    return t + QStringLiteral("</table>\n");
}

QString optionnel(const std::optional<int>& v)
{
    return v ? QString::number(*v) : QStringLiteral("-");
}

// Table par jour de chaque lanceur, puis les sorts connus par niveau et ceux du jour.
QString sorts(const Fiche& f, const ChoixImpression& choix)
{
    QString t = titre("Sorts");
    bool lanceur = false;
    for (const SortsClasse& s : f.Sorts) {
        if (std::none_of(s.parJour.cbegin(), s.parJour.cend(), [](const std::optional<int>& n) { return n.has_value(); }))
            continue;
        lanceur = true;
        t += QStringLiteral("<p><b>%1</b> : niveau de lanceur %2, portées %3 / %4 / %5 m</p>\n")
                 .arg(s.classe.toHtmlEscaped()).arg(s.niveauLanceur)
                 .arg(QString::number(s.porteeCourte * 1.5).replace(u'.', u','), QString::number(s.porteeMoyenne * 1.5).replace(u'.', u','),
                      QString::number(s.porteeLongue * 1.5).replace(u'.', u','));
        QStringList niveaux, parJour, dd;
        for (int n = 0; n < kNiveauxSort; ++n) {
            niveaux.append(QString::number(n));
            parJour.append(optionnel(s.total[n]));
            dd.append(s.parJour[n] ? QString::number(s.dd[n]) : QStringLiteral("-"));
        }
        t += debutGrille() + entetes(QStringList{QStringLiteral("Niveau de sort")} + niveaux)
             + ligne(QStringLiteral("Sorts par jour"), parJour) + ligne(QStringLiteral("DD"), dd) + QStringLiteral("</table>\n");
        if (!choix.sorts)
            continue;
        for (int n = 0; n < kNiveauxSort; ++n) {
            QStringList connus, prepares;
            if (!choix.sortsQuotidiens)
                for (const SortConnu& c : s.connus)
                    if (c.niveau == n)
                        connus.append(c.nom);
            for (const EmplacementSort& e : s.prepares)
                if (e.niveau == n && !e.nom.isEmpty())
                    prepares.append(e.nom + (e.metamagie.isEmpty() ? QString() : QStringLiteral(" [") + e.metamagie + u']'));
            if (!connus.isEmpty())
                t += QStringLiteral("<p><b>Connus, niveau %1</b> : %2</p>\n").arg(n).arg(connus.join(QStringLiteral(", ")).toHtmlEscaped());
            if (!prepares.isEmpty())
                t += QStringLiteral("<p><b>Du jour, niveau %1</b> : %2</p>\n").arg(n).arg(prepares.join(QStringLiteral(", ")).toHtmlEscaped());
        }
    }
    return lanceur ? t : t + paragraphe(QStringLiteral("Ce personnage ne lance pas de sorts."));
}

} // namespace

QString FicheCompleteEnHtml(BaseDonnees& perso, BaseDonnees& programme, const Fiche& f, const ChoixImpression& choix)
{
    // Les listes de sorts détaillées et la description des dons de la feuille Word n'y sont pas :
    // la page les range dans ses propres rubriques.
    ChoixImpression lieuxSeuls = choix;
    lieuxSeuls.sorts = lieuxSeuls.dons = false;
    const LieuxFiche l = LieuxImpression(perso, programme, f, lieuxSeuls);
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
                   + (QStringLiteral("Fiche de ") + f.Nom).toHtmlEscaped() + QStringLiteral("</title>\n<style>")
                   + QString::fromUtf8(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n<h1>") + f.Nom.toHtmlEscaped()
                   + QStringLiteral("</h1>\n");
    page += identite(f, l) + caracteristiques(f) + jets(f) + attaques(f) + classeArmure(f, l) + pointsDeVie(f, l)
            + competences(f) + dons(f, choix) + capacites(f, l) + equipement(f, l) + deplacements(f, l) + sorts(f, choix);
    for (const char* rubrique : {"Histoire", "Background"})
        if (!l.value(QLatin1String(rubrique)).trimmed().isEmpty())
            page += titre(rubrique) + paragraphe(l.value(QLatin1String(rubrique)));
    return page + QStringLiteral("</body>\n</html>\n");
}

#include "ExportFiche.h"
#include "SortsJson.h"
#include "rules/Tailles.h"

#include <QJsonArray>

QString Signe(int valeur)
{
    return valeur >= 0 ? QStringLiteral("+%1").arg(valeur) : QString::number(valeur);
}

namespace {

// Un total de caractéristique garde son "-" ; un nombre est écrit comme nombre.
QJsonValue total(const QString& texte)
{
    bool nombre = false;
    const int v = texte.toInt(&nombre);
    return nombre ? QJsonValue(v) : QJsonValue(texte);
}

void identite(const Fiche& f, QJsonObject& o)
{
    o.insert(QStringLiteral("nom"), f.Nom);
    o.insert(QStringLiteral("titre"), f.Titre);
    o.insert(QStringLiteral("description"), f.Description);
}

void raceEtClasses(const Fiche& f, QJsonObject& o)
{
    o.insert(QStringLiteral("race"), f.TexteRace);
    o.insert(QStringLiteral("type"), f.TypeCreature);
    o.insert(QStringLiteral("archetype"), f.NomArchetype);
    QJsonArray classes;
    for (const ClasseFiche& c : f.Classes)
        classes.append(QJsonObject{{QStringLiteral("classe"), c.Classe}, {QStringLiteral("niveau"), int(c.Niveau)}});
    o.insert(QStringLiteral("classes"), classes);
    o.insert(QStringLiteral("niveau"), int(f.Niveau));
}

void caracteristiques(const Fiche& f, QJsonObject& o)
{
    QJsonObject caracs;
    for (const CaracteristiqueFiche& c : f.Caracteristiques)
        caracs.insert(c.Nom, QJsonObject{{QStringLiteral("score"), int(c.Score)},
                                         {QStringLiteral("divers1"), int(c.Divers1)},
                                         {QStringLiteral("divers2"), int(c.Divers2)},
                                         {QStringLiteral("total"), total(c.Total)},
                                         {QStringLiteral("modificateur"), int(c.Modificateur)}});
    o.insert(QStringLiteral("caracteristiques"), caracs);
}

void jets(const Fiche& f, QJsonObject& o)
{
    QJsonObject jets;
    for (const JetFiche& j : f.Jets)
        jets.insert(j.Nom, QJsonObject{{QStringLiteral("base"), int(j.Base)},
                                       {QStringLiteral("don"), int(j.Don)},
                                       {QStringLiteral("carac"), int(j.Carac)},
                                       {QStringLiteral("race"), int(j.Race)},
                                       {QStringLiteral("divers"), int(j.Divers)},
                                       {QStringLiteral("total"), int(j.Final)},
                                       {QStringLiteral("explication"), j.Explication}});
    o.insert(QStringLiteral("jetsDeSauvegarde"), jets);
}

void attaques(const Fiche& f, QJsonObject& o)
{
    o.insert(QStringLiteral("attaqueDeBase"), int(f.AttaqueDeBase));
    o.insert(QStringLiteral("nombreAttaques"), int(f.NombreAttaques));
    o.insert(QStringLiteral("bonusAttaqueToutesArmes"), int(f.BonusAttaqueToutesArmes));
    o.insert(QStringLiteral("lutte"), int(f.Lutte));
    o.insert(QStringLiteral("attaqueContact"), int(f.AttaqueContact));
    o.insert(QStringLiteral("attaqueDistance"), int(f.AttaqueDistance));
}

void classeArmure(const Fiche& f, QJsonObject& o)
{
    const ClasseArmureFiche& ca = f.ClasseArmure;
    o.insert(QStringLiteral("classeArmure"),
             QJsonObject{{QStringLiteral("total"), int(ca.Total)},
                         {QStringLiteral("depourvu"), int(ca.Depourvu)},
                         {QStringLiteral("contact"), int(ca.Contact)},
                         {QStringLiteral("depourvuContact"), int(ca.DepourvuContact)},
                         {QStringLiteral("contactIntangible"), int(ca.ContactIntangible)},
                         {QStringLiteral("depourvuContactIntangible"), int(ca.DepourvuContactIntangible)},
                         {QStringLiteral("explication"), ca.Explication}});
}

void equipementEtArmes(const Fiche& f, QJsonObject& o)
{
    QJsonArray equipement;
    for (const LigneEquipement& l : f.Equipement)
        equipement.append(QJsonObject{{QStringLiteral("nom"), l.Nom}, {QStringLiteral("divers"), l.Divers}});
    o.insert(QStringLiteral("equipement"), equipement);
    QJsonArray armes;
    for (const LigneArme& a : f.Armes)
        armes.append(QJsonObject{{QStringLiteral("nom"), a.Nom}, {QStringLiteral("ligne"), a.Ligne}});
    o.insert(QStringLiteral("armes"), armes);
    o.insert(QStringLiteral("armePrincipale"),
             QJsonObject{{QStringLiteral("nom"), f.NomArme}, {QStringLiteral("attaque"), f.AttaqueMelee},
                         {QStringLiteral("degats"), f.Degat}, {QStringLiteral("portee"), f.Portee}});
}

// Les dons cachés par le bouton de la page restent dans la liste, marqués.
void dons(const Fiche& f, QJsonObject& o)
{
    QJsonArray liste;
    for (const LigneDon& d : f.Dons)
        liste.append(QJsonObject{{QStringLiteral("nom"), d.Affiche}, {QStringLiteral("origine"), d.Origine},
                                 {QStringLiteral("genre"), d.Genre}, {QStringLiteral("octroi"), d.Octroi},
                                 {QStringLiteral("cache"), d.Cachee}});
    o.insert(QStringLiteral("dons"), liste);
}

QJsonArray lignesCapacites(const ListeCapacitesPerso& lignes)
{
    QJsonArray liste;
    for (const LigneCapacite& c : lignes)
        liste.append(QJsonObject{{QStringLiteral("nom"), c.Libelle}, {QStringLiteral("categorie"), c.Categorie},
                                 {QStringLiteral("capacite"), c.Nom}, {QStringLiteral("niveau"), c.Niveau},
                                 {QStringLiteral("valeur"), c.Valeur}});
    return liste;
}

// Page des compétences : une colonne vide s'écrit "".
QJsonArray competences(const Fiche& f)
{
    const auto nombreOuVide = [](bool affiche, int valeur) { return affiche ? QJsonValue(valeur) : QJsonValue(QString()); };
    QJsonArray lignes;
    for (const LigneCompetence& l : f.Competences)
        lignes.append(QJsonObject{{QStringLiteral("nom"), l.Nom},
                                  {QStringLiteral("competence"), l.NomRegle},
                                  {QStringLiteral("statut"), l.Statut},
                                  {QStringLiteral("sansFormation"), l.SansFormation},
                                  {QStringLiteral("caracteristique"), l.Carac},
                                  {QStringLiteral("modificateurCarac"), int(l.ModifCarac)},
                                  {QStringLiteral("rangs"), nombreOuVide(l.RangsAchetes, l.Rangs)},
                                  {QStringLiteral("malusArmure"), nombreOuVide(l.PenaliteAffichee, l.PenaliteArmure)},
                                  {QStringLiteral("race"), int(l.ModifRace)},
                                  {QStringLiteral("equipement"), int(l.BonusEquipement)},
                                  {QStringLiteral("synergie"), int(l.BonusSynergie)},
                                  {QStringLiteral("notes"), l.Notes},
                                  {QStringLiteral("total"), nombreOuVide(l.TotalAffiche, l.Total)}});
    return lignes;
}

// Armes tenues (allonge) et capacités prises (allonge inhumaine).
QString espaceAllonge(const Fiche& f)
{
    QStringList armes, capacites;
    for (int place : {kPlaceArmePrincipale, kPlaceArmeSecondaire})
        if (f.Equip.Comptes[place])
            armes.append(f.Equip.Comptes[place]->NomObjet);
    for (const LigneCapacite& c : f.CapacitesPrises)
        capacites.append(c.Nom);
    return EspaceAllonge(f.Race, armes, capacites);
}

// Compétences qui ont des rangs, plus Détection et Perception auditive toujours.
QString competencesBloc(const Fiche& f)
{
    QStringList liste;
    for (const LigneCompetence& c : f.Competences)
        if (c.TotalAffiche && (c.Rangs > 0 || c.NomRegle == u"Détection" || c.NomRegle == u"Perception auditive"))
            liste.append((c.Nom.isEmpty() ? c.NomRegle : c.Nom) + u' ' + Signe(c.Total));
    return liste.join(QStringLiteral(", "));
}

// Dons montrés, sans les capacités de classe.
QString donsBloc(const Fiche& f)
{
    QStringList liste;
    for (const LigneDon& d : f.Dons)
        if (!d.Cachee && d.Octroi != u"Don de classe")
            liste.append(d.Affiche);
    return liste.join(QStringLiteral(", "));
}

// Aptitudes de classe qui sont des attaques spéciales, lues sur leurs lignes de la fiche.
const std::pair<const char*, const char*> kAttaquesDeClasse[] = {
    {"Nombre de dés sournois : +", "attaque sournoise +%1d6"},
    {"Nombre de rage : ", "rage %1/jour"},
    {"Nombre de châtiment du mal : ", "châtiment du Mal %1/jour"},
    {"Nombre de renvoi de morts vivants : ", "renvoi des morts-vivants %1/jour"},
    {"Nombre de coup étourdissant : ", "coup étourdissant %1/jour"},
};

// Aptitudes de classe offensives, puis traits et pouvoirs rangés parmi les attaques spéciales
// (souffle, poison, absorption…) ; "-" sans aucun.
QString attaquesSpeciales(const Fiche& f)
{
    QStringList liste;
    for (const auto& [libelle, forme] : kAttaquesDeClasse)
        for (const QString& ligne : f.CapacitesClasse)
            if (ligne.startsWith(QString::fromUtf8(libelle)))
                liste.append(QString::fromUtf8(forme).arg(ligne.mid(QString::fromUtf8(libelle).size())));
    for (const LigneDon& d : f.Dons)
        if (!d.Cachee && d.Categorie == u"Attaque spéciale" && !liste.contains(d.Affiche))
            liste.append(d.Affiche);
    return liste.isEmpty() ? QStringLiteral("-") : liste.join(QStringLiteral(", "));
}

// Une ligne par classe de lanceur : sorts par jour et DD de chaque niveau.
QStringList magieBloc(const Fiche& f)
{
    QStringList lignes;
    for (const SortsClasse& s : f.Sorts) {
        QStringList niveaux;
        for (int n = 0; n < kNiveauxSort; ++n)
            if (s.total[n] && *s.total[n] > 0)
                niveaux.append(QStringLiteral("Sort de ") + QStringLiteral("niveau ") + QString::number(n)
                               + QStringLiteral(" : %1/jour (DD %2)").arg(*s.total[n]).arg(s.dd[n]));
        if (!niveaux.isEmpty())
            lignes.append(QStringLiteral("Magie et pouvoirs magiques : %1 (niveau de lanceur %2) : ")
                              .arg(s.classe).arg(s.niveauLanceur) + niveaux.join(QStringLiteral(", ")));
    }
    return lignes;
}

// Sorts préparés pour la journée, niveau par niveau.
QStringList listeSortsBloc(const Fiche& f)
{
    QStringList lignes;
    for (const SortsClasse& s : f.Sorts)
        for (int n = 0; n < kNiveauxSort; ++n) {
            QStringList noms;
            for (const EmplacementSort& e : s.prepares)
                if (e.niveau == n && !e.nom.isEmpty())
                    noms.append(e.nom);
            if (!noms.isEmpty())
                lignes.append(QStringLiteral("Niveau ") + QString::number(n) + QStringLiteral(" : ") + noms.join(QStringLiteral(", ")));
        }
    if (!lignes.isEmpty())
        lignes.prepend(QStringLiteral("Liste de sort :"));
    return lignes;
}

} // namespace

QString TexteParticularites(const ResistancesFiche& r)
{
    const std::pair<const char*, Entier16> valeurs[] = {
        {"résistance à l'acide(", r.Acide}, {"résistance à l'électricité(", r.Electricite},
        {"résistance au feu(", r.Feu},      {"résistance au froid(", r.Froid},
        {"résistance au son(", r.Son},      {"résistance à la magie(", r.Magie}};
    QString texte;
    for (const auto& [nom, valeur] : valeurs)
        if (valeur != 0)
            texte += QString::fromUtf8(nom) + QString::number(valeur) + QStringLiteral(") ");
    // La réduction des dégâts s'écrit comme la race l'écrit ("10/magie") quand elle le fait.
    if (r.Degats != 0)
        texte += QStringLiteral("réduction des dégâts(")
                 + (r.TexteDegats.isEmpty() ? QString::number(r.Degats) : r.TexteDegats) + QStringLiteral(") ");
    return texte.trimmed();
}

QJsonObject FicheEnJson(const Fiche& f)
{
    QJsonObject o;
    QJsonArray etapes;
    for (int e : f.Etapes)
        etapes.append(e);
    o.insert(QStringLiteral("etapesCalculees"), etapes);
    if (f.etapeCalculee(3))
        identite(f, o);
    if (f.etapeCalculee(6))
        o.insert(QStringLiteral("image"), f.Image);
    if (f.etapeCalculee(8))
        raceEtClasses(f, o);
    if (f.etapeCalculee(9))
        caracteristiques(f, o);
    if (f.etapeCalculee(14)) {
        o.insert(QStringLiteral("initiative"), int(f.Initiative));
        o.insert(QStringLiteral("initiativeDons"), int(f.InitiativeDons));
        o.insert(QStringLiteral("explicationInitiative"), f.ExplicationInitiative);
    }
    if (f.etapeCalculee(15))
        o.insert(QStringLiteral("pointsDeVie"), int(f.PointsDeVie));
    if (f.etapeCalculee(16))
        jets(f, o);
    if (f.etapeCalculee(17)) {
        o.insert(QStringLiteral("taille"), f.Taille);
        o.insert(QStringLiteral("hauteur"), int(f.Hauteur));
        o.insert(QStringLiteral("poids"), f.Poids);
    }
    if (f.etapeCalculee(18))
        attaques(f, o);
    if (f.etapeCalculee(19)) {
        o.insert(QStringLiteral("competences"), competences(f));
        o.insert(QStringLiteral("notesCompetences"), f.NotesCompetences);
        o.insert(QStringLiteral("sorts"), SortsEnJson(f.Sorts));
    }
    if (f.etapeCalculee(21))
        equipementEtArmes(f, o);
    if (f.etapeCalculee(22))
        classeArmure(f, o);
    if (f.etapeCalculee(23)) {
        o.insert(QStringLiteral("langues"), f.Langues);
        o.insert(QStringLiteral("alphabets"), f.Alphabets);
        o.insert(QStringLiteral("vision"), f.Vision);
    }
    if (f.etapeCalculee(24))
        o.insert(QStringLiteral("noteCA"), f.NoteCA);
    if (f.etapeCalculee(25))
        o.insert(QStringLiteral("noteJS"), f.NoteJS);
    if (f.etapeCalculee(26))
        o.insert(QStringLiteral("capacitesClasse"), QJsonArray::fromStringList(f.CapacitesClasse));
    if (f.etapeCalculee(29))
        o.insert(QStringLiteral("fp"), f.FP);
    if (f.etapeCalculee(31)) {
        const ResistancesFiche& r = f.Resistances;
        o.insert(QStringLiteral("resistances"),
                 QJsonObject{{QStringLiteral("magie"), int(r.Magie)}, {QStringLiteral("acide"), int(r.Acide)},
                             {QStringLiteral("electricite"), int(r.Electricite)}, {QStringLiteral("feu"), int(r.Feu)},
                             {QStringLiteral("froid"), int(r.Froid)}, {QStringLiteral("son"), int(r.Son)},
                             {QStringLiteral("degats"), int(r.Degats)}, {QStringLiteral("texteDegats"), r.TexteDegats}});
    }
    if (f.etapeCalculee(5))
        dons(f, o);
    if (f.etapeCalculee(34))
        o.insert(QStringLiteral("capacites"),
                 QJsonObject{{QStringLiteral("prises"), lignesCapacites(f.CapacitesPrises)},
                             {QStringLiteral("disponibles"), lignesCapacites(f.CatalogueCapacites)}});
    if (f.etapeCalculee(30)) {
        o.insert(QStringLiteral("prixPNJ_PJ"), f.PrixPNJ_PJ);
        o.insert(QStringLiteral("equipementResume"),
                 QJsonObject{{QStringLiteral("texte"), f.ResumeEquipement}, {QStringLiteral("poids"), f.PoidsTransporte},
                             {QStringLiteral("valeur"), f.ValeurTransportee}, {QStringLiteral("charge"), f.Encombrement}});
    }
    if (f.etapeCalculee(33))
        o.insert(QStringLiteral("deplacement"),
                 QJsonObject{{QStringLiteral("terre"), 1.5 * int(f.Deplacement.Terre)},
                             {QStringLiteral("vol"), 1.5 * int(f.Deplacement.Air)},
                             {QStringLiteral("manoeuvrabilite"), f.Deplacement.Manoeuvrabilite},
                             {QStringLiteral("nage"), 1.5 * int(f.Deplacement.Eau)},
                             {QStringLiteral("texte"), TexteDeplacement(f.Deplacement)}});
    if (f.etapeCalculee(32))
        o.insert(QStringLiteral("chargeTransportable"),
                 QJsonObject{{QStringLiteral("legere"), f.Charges.legere},
                             {QStringLiteral("intermediaire"), f.Charges.intermediaire},
                             {QStringLiteral("lourde"), f.Charges.lourde}});
    return o;
}

QString FicheEnTexte(const Fiche& f)
{
    QStringList lignes;
    if (f.etapeCalculee(8)) {
        QStringList classes;
        for (const ClasseFiche& c : f.Classes)
            classes.append(QStringLiteral("%1 %2").arg(c.Classe).arg(int(c.Niveau)));
        lignes.append(QStringList{f.Nom, f.TexteRace, classes.join(QStringLiteral(", "))}.join(QStringLiteral(", ")));
    }
    if (f.etapeCalculee(15))
        lignes.append(QStringLiteral("Dés de vie : %1 (%2 pv)").arg(int(f.Niveau)).arg(int(f.PointsDeVie)));
    if (f.etapeCalculee(14))
        lignes.append(QStringLiteral("Initiative : ") + Signe(f.Initiative));
    if (f.etapeCalculee(33))
        lignes.append(QStringLiteral("Vitesse de déplacement : ") + TexteDeplacement(f.Deplacement));
    if (f.etapeCalculee(22)) {
        const ClasseArmureFiche& ca = f.ClasseArmure;
        lignes.append(QStringLiteral("Classe d'armure : %1, contact %2, pris au dépourvu %3")
                          .arg(int(ca.Total)).arg(int(ca.Contact)).arg(int(ca.Depourvu)));
    }
    if (f.etapeCalculee(18))
        lignes.append(QStringLiteral("Attaque de base/lutte : ") + Signe(f.AttaqueDeBase) + u'/' + Signe(f.Lutte));
    if (f.etapeCalculee(21) && !f.Armes.isEmpty()) {
        // Attaque : la première attaque de chaque arme ; à outrance : les lignes entières.
        QStringList simples, outrance;
        for (const LigneArme& a : f.Armes) {
            simples.append(a.Nom + u' ' + a.Attaque.trimmed());
            outrance.append(a.Nom + u' ' + a.Ligne.trimmed());
        }
        lignes.append(QStringLiteral("Attaque : ") + simples.join(QStringLiteral("; ou ")));
        lignes.append(QStringLiteral("Attaque à outrance : ") + outrance.join(QStringLiteral(", et ")));
    }
    if (f.etapeCalculee(21))
        lignes.append(QStringLiteral("Espace occupé/Allonge : ") + espaceAllonge(f));
    if (f.etapeCalculee(26))
        lignes.append(QStringLiteral("Attaques spéciales : ") + attaquesSpeciales(f));
    if (f.etapeCalculee(31)) {
        const QString particularites = TexteParticularites(f.Resistances);
        if (!particularites.isEmpty())
            lignes.append(QStringLiteral("Particularités : ") + particularites);
    }
    if (f.etapeCalculee(16))
        lignes.append(QStringLiteral("Jets de sauvegarde : Réf %1, Vig %2, Vol %3")
                          .arg(Signe(f.Jets[0].Final), Signe(f.Jets[1].Final), Signe(f.Jets[2].Final)));
    if (f.etapeCalculee(9)) {
        const auto& c = f.Caracteristiques;
        lignes.append(QStringLiteral("Caractéristiques : For %1, Dex %2, Con %3, Int %4, Sag %5, Cha %6")
                          .arg(c[0].Total, c[1].Total, c[2].Total, c[3].Total, c[4].Total, c[5].Total));
    }
    if (f.etapeCalculee(19))
        lignes.append(QStringLiteral("Compétences : ") + competencesBloc(f));
    if (f.etapeCalculee(5))
        lignes.append(QStringLiteral("Dons : ") + donsBloc(f));
    if (f.etapeCalculee(19))
        lignes += magieBloc(f);
    if (f.etapeCalculee(24) && !f.NoteCA.isEmpty())
        lignes.append(QStringLiteral("Bonus à la CA : ") + f.NoteCA);
    if (f.etapeCalculee(26) && !f.CapacitesClasse.isEmpty())
        lignes.append(QStringLiteral("Capacité de classe : ") + f.CapacitesClasse.join(QStringLiteral(", ")));
    if (f.etapeCalculee(21)) {
        QStringList objets;
        for (const LigneEquipement& e : f.Equipement)
            objets.append(e.Nom);
        lignes.append(QStringLiteral("Equipement : ") + objets.join(QStringLiteral(", ")));
    }
    if (f.etapeCalculee(19))
        lignes += listeSortsBloc(f);
    return lignes.join(u'\n') + u'\n';
}

namespace {

// Texte sûr en HTML et en iso-8859-1 : balises neutralisées, tout caractère non ASCII en entité.
QByteArray html(const QString& texte)
{
    QByteArray sortie;
    for (const char32_t c : texte.toUcs4()) {
        if (c == U'<')
            sortie += "&lt;";
        else if (c == U'>')
            sortie += "&gt;";
        else if (c == U'&')
            sortie += "&amp;";
        else if (c < 128)
            sortie += char(c);
        else
            sortie += "&#" + QByteArray::number(quint32(c)) + ';';
    }
    return sortie;
}

} // namespace

QByteArray FicheEnHtml(const Fiche& f)
{
    static const char* const noms[6] = {"Force", "Dext&eacute;rit&eacute;", "Constitution", "Int&eacute;ligence",
                                        "Sagesse", "Charisme"};
    QByteArray page = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
                      "<html>\n<head>\n"
                      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
                      "<title>" + html(f.Nom) + "</title>\n</head>\n<body>\n"
                      "<table width=\"200\" border=\"1\">\n"
                      "<tr><th>Caract&eacute;ristiques</th><th>Score</th><th>Bonus</th></tr>\n";
    if (f.etapeCalculee(9))
        for (int i = 0; i < 6; ++i)
            page += QByteArray("<tr><td>") + noms[i] + "</td><td>" + html(f.Caracteristiques[i].Total) + "</td><td>"
                    + QByteArray::number(int(f.Caracteristiques[i].Modificateur)) + "</td></tr>\n";
    page += "</table>\n</body>\n</html>\n";
    return page;
}

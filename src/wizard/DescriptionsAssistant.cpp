#include "DescriptionsAssistant.h"
#include "shell/db/BaseDonnees.h"

#include <QMap>

namespace {

QString echappe(const QString& texte)
{
    return texte.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

QString gras(const QString& texte)
{
    return QStringLiteral("<b>") + echappe(texte) + QStringLiteral("</b>");
}

QString titre(const QString& texte)
{
    return QStringLiteral("<h3>") + echappe(texte) + QStringLiteral("</h3>");
}

QString paragraphe(const QString& texte)
{
    return QStringLiteral("<p>") + echappe(texte) + QStringLiteral("</p>");
}

// Description d'une ligne trouvée par sa clé ; "" quand elle n'existe pas.
QString descriptionDe(BaseDonnees& programme, const QString& sql, const QString& cle)
{
    if (cle.isEmpty())
        return {};
    const Ligne l = programme.premiere(sql, {cle});
    return l ? titre(cle) + paragraphe(l.texte(QStringLiteral("Description"))) : QString();
}

// Un tableau : une rangée d'en-têtes puis des rangées de cellules.
QString tableau(const QStringList& entetes, const QVector<QStringList>& rangees)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const QString& e : entetes)
        html += QStringLiteral("<th>") + echappe(e) + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const QStringList& r : rangees) {
        html += QStringLiteral("<tr>");
        for (const QString& c : r)
            html += QStringLiteral("<td align=\"center\">") + echappe(c) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Table de sorts par niveau (s_n_ ou s_c_) : rien quand la classe n'en a aucun.
QString tableSorts(const QVector<Ligne>& progression, const QString& prefixe, const QString& intitule)
{
    QVector<QStringList> rangees;
    bool aucun = true;
    for (const Ligne& l : progression) {
        QStringList r{l.texte(QStringLiteral("Niveau"))};
        for (int s = 0; s <= 9; ++s) {
            const QString v = l.texte(prefixe + QString::number(s));
            aucun = aucun && v.isEmpty();
            r << (v.isEmpty() ? QStringLiteral("-") : v);
        }
        rangees << r;
    }
    if (aucun)
        return {};
    QStringList entetes{QStringLiteral("Niveau")};
    for (int s = 0; s <= 9; ++s)
        entetes << QString::number(s);
    return paragraphe(intitule) + tableau(entetes, rangees);
}

} // namespace

QString DescriptionRace(BaseDonnees& programme, const QString& race)
{
    return descriptionDe(programme, QStringLiteral("select * from race where race=?"), race);
}

QString DescriptionArchetype(BaseDonnees& programme, const QString& archetype)
{
    return descriptionDe(programme, QStringLiteral("select * from archetype where archetype=?"), archetype);
}

QString DescriptionAlignement(BaseDonnees& programme, const QString& alignement)
{
    return descriptionDe(programme, QStringLiteral("select * from Alignements where Nom=?"), alignement);
}

QString DescriptionTitre(BaseDonnees& programme, const QString& nom)
{
    const Ligne l = programme.premiere(QStringLiteral("select * from titre where Nom=?"), {nom});
    if (!l)
        return {};
    const QString vecu = l.texte(QStringLiteral("vecu"));
    QString html = paragraphe(QStringLiteral("Titre : ") + nom) + paragraphe(QStringLiteral("Vécu : ") + vecu)
                   + paragraphe(QStringLiteral("Grade : ") + l.texte(QStringLiteral("grade")))
                   + paragraphe(QStringLiteral("Les autres titres dans le vécu ") + vecu);
    html += QStringLiteral("<ul>");
    for (const Ligne& t : programme.selectionne(QStringLiteral("select * from titre where Vecu =? order by grade"), {vecu}))
        html += QStringLiteral("<li>")
                + echappe(QStringLiteral("Grade ") + t.texte(QStringLiteral("grade")) + QStringLiteral(" : ")
                          + t.texte(QStringLiteral("Nom")))
                + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString DescriptionDieu(BaseDonnees& programme, const QString& dieu)
{
    const Ligne l = programme.premiere(QStringLiteral("select * from Dieu where Nom=?"), {dieu});
    if (!l)
        return {};
    const QList<QPair<const char*, const char*>> lignes{
        {"Monde : ", "royaume"},          {"Race : ", "RACE"},          {"", "Surnom"},
        {"Rang : ", "Rang"},              {"Alignement : ", "Alignement"}, {"Attributions : ", "Attributions"},
        {"Adorateurs : ", "adorateurs"}, {"Domaines : ", "domaines"},  {"Arme de prédilection : ", "Arme"}};
    QStringList textes;
    for (const auto& [libelle, champ] : lignes)
        textes << echappe(QString::fromUtf8(libelle) + l.texte(QLatin1String(champ)));
    return titre(dieu) + QStringLiteral("<p>") + textes.join(QStringLiteral("<br>")) + QStringLiteral("</p>")
           + paragraphe(l.texte(QStringLiteral("Description")));
}

QString DescriptionClasse(BaseDonnees& programme, const QString& classe)
{
    const Ligne c = programme.premiere(QStringLiteral("select * from classe where classe=?"), {classe});
    if (!c)
        return {};
    QString html = titre(classe);
    html += paragraphe(c.texte(QStringLiteral("Description")));
    html += paragraphe(QStringLiteral("Alignement : ") + c.texte(QStringLiteral("alignements")));
    html += paragraphe(QStringLiteral("Dés de vie : d") + c.texte(QStringLiteral("PointDeVie")));
    html += paragraphe(QStringLiteral("Points de compétence : ") + c.texte(QStringLiteral("CompetenceNiveauSupp")));
    // Compétences de classe : la colonne de la classe vaut 1.
    QStringList competences;
    if (programme.ExisteChamp(QStringLiteral("Competence"), classe))
        for (const Ligne& l : programme.selectionne(
                 QStringLiteral("select Nom, %1 as statut from Competence order by Nom").arg(identifiant(classe))))
            if (l.entier(QStringLiteral("statut")) == 1)
                competences << l.texte(QStringLiteral("Nom"));
    html += paragraphe(QStringLiteral("Compétences de classe :") + u' ' + competences.join(QStringLiteral(", ")));

    const QVector<Ligne> progression =
        programme.selectionne(QStringLiteral("select * from classeProgression where classe=? order by Niveau"), {classe});
    QVector<QStringList> rangees;
    QStringList armes, sorts, dons;
    for (const Ligne& l : progression) {
        QStringList special;
        for (int k = 1; k <= 6; ++k) {
            const QString d = l.texte(QStringLiteral("don_%1").arg(k));
            if (d.isEmpty())
                continue;
            special << d;
            if (!dons.contains(d))
                dons << d;
        }
        rangees << QStringList{l.texte(QStringLiteral("Niveau")), QStringLiteral("+") + l.texte(QStringLiteral("attaque")),
                               QStringLiteral("+") + l.texte(QStringLiteral("Reflexe")),
                               QStringLiteral("+") + l.texte(QStringLiteral("Vigueur")),
                               QStringLiteral("+") + l.texte(QStringLiteral("Volonte")), special.join(QStringLiteral(", "))};
        if (!l.texte(QStringLiteral("armes_armures")).isEmpty())
            armes << l.texte(QStringLiteral("armes_armures"));
        if (!l.texte(QStringLiteral("sorts")).isEmpty())
            sorts << l.texte(QStringLiteral("sorts"));
    }
    if (!rangees.isEmpty())
        html += tableau({QStringLiteral("Niveau"), QStringLiteral("Attaque de base"), QStringLiteral("Réflexe"),
                         QStringLiteral("Vigueur"), QStringLiteral("Volonté"), QStringLiteral("Spécial")},
                        rangees);
    html += tableSorts(progression, QStringLiteral("s_n_"), QStringLiteral("Nombre de sorts par jour"));
    html += tableSorts(progression, QStringLiteral("s_c_"), QStringLiteral("Nombre de sorts connus"));

    html += titre(QStringLiteral("Voici les particularités et aptitudes de la classe de ") + classe);
    if (!armes.isEmpty())
        html += paragraphe(QStringLiteral("Armes et armures.")) + paragraphe(armes.join(u' '));
    if (!sorts.isEmpty())
        html += paragraphe(QStringLiteral("Sorts.")) + paragraphe(sorts.join(u' '));
    for (const QString& d : dons) {
        const Ligne don = programme.premiere(QStringLiteral("select Source, Explication from dons where Nom=?"), {d});
        html += QStringLiteral("<p>") + gras(d)
                + (don ? echappe(QStringLiteral(" (") + don.texte(QStringLiteral("Source")) + QStringLiteral(") ")
                                 + don.texte(QStringLiteral("Explication")))
                       : QString())
                + QStringLiteral("</p>");
    }
    return html;
}

QString DescriptionChoix(BaseDonnees& programme, const ChoixClasse& choix, const QString& valeur)
{
    if (valeur.isEmpty())
        return {};
    switch (choix.genre) {
    case ChoixClasse::Domaine: {
        const Ligne d = programme.premiere(QStringLiteral("select * from Domaines where Nom=?"), {valeur});
        QString html = titre(QStringLiteral("Domaine ") + valeur);
        if (d)
            html += paragraphe(d.texte(QStringLiteral("Description"))) + paragraphe(QStringLiteral("Pouvoir(s) accordé(s) :"))
                    + paragraphe(d.texte(QStringLiteral("Pouvoir")));
        html += paragraphe(QStringLiteral("Sorts du domaine :"));
        if (programme.ExisteChamp(QStringLiteral("sort"), valeur)) {
            QMap<int, QStringList> parNiveau;
            for (const Ligne& s : programme.selectionne(
                     QStringLiteral("select Nom, %1 as niveau from sort where %1 is not null and %1 <> ''").arg(identifiant(valeur))))
                parNiveau[s.entier(QStringLiteral("niveau"))] << s.texte(QStringLiteral("Nom"));
            QStringList lignes;
            for (auto i = parNiveau.cbegin(); i != parNiveau.cend(); ++i)
                lignes << echappe(QStringLiteral("Niveau ") + QString::number(i.key()) + QStringLiteral(" : ")
                                  + i.value().join(QStringLiteral(", ")));
            html += QStringLiteral("<p>") + lignes.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
        }
        return html;
    }
    case ChoixClasse::Specialisation:
    case ChoixClasse::Interdite: {
        const Ligne e = programme.premiere(QStringLiteral("select * from Ecoles where Nom=?"), {valeur});
        const QString entete = choix.genre == ChoixClasse::Specialisation ? QStringLiteral("Ecole spécialisée : ")
                                                                         : QStringLiteral("Ecole interdite ");
        return titre(entete + valeur) + (e ? paragraphe(e.texte(QStringLiteral("Description"))) : QString());
    }
    case ChoixClasse::ElementShugenja: {
        QString html = titre(QStringLiteral("Sorts de l'élement ") + valeur);
        if (programme.ExisteChamp(QStringLiteral("sort"), QStringLiteral("Shugenja")))
            for (const Ligne& s : programme.selectionne(QStringLiteral(
                     "select Nom, Shugenja, [Classe/Niveau] from sort where shugenja is not null order by shugenja")))
                if (s.texte(QStringLiteral("Shugenja")).contains(valeur, Qt::CaseInsensitive))
                    html += paragraphe(s.texte(QStringLiteral("Nom")) + QStringLiteral(" : ")
                                       + s.texte(QStringLiteral("Classe/Niveau")));
        return html;
    }
    case ChoixClasse::Ordre: {
        const Ligne o = programme.premiere(QStringLiteral("select * from Ordre where Nom=?"), {valeur});
        QString html = titre(QStringLiteral("Ordre : ") + valeur);
        if (o)
            html += paragraphe(o.texte(QStringLiteral("Description")))
                    + paragraphe(QStringLiteral("Elément(s) accordé(s) : ") + o.texte(QStringLiteral("Element")))
                    + paragraphe(QStringLiteral("Sorts de l'ordre :")) + paragraphe(o.texte(QStringLiteral("Sorts")));
        return html;
    }
    case ChoixClasse::Totem: {
        // Le dragon totem donne sa résistance à une énergie.
        const QString energie =
            programme.scalaire(QStringLiteral("select Energie from dragontotem where nom=?"), {valeur}).toString();
        return titre(choix.libelle + QStringLiteral(" : ") + valeur)
               + (energie.isEmpty() ? QString() : paragraphe(QStringLiteral("Énergie : ") + energie));
    }
    case ChoixClasse::Energie:
    case ChoixClasse::Element:
        break;
    }
    return titre(choix.libelle + QStringLiteral(" : ") + valeur);
}

#include "ProprietesObjet.h"
#include "sheet/Armes.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

namespace {

enum Marqueur { Genre = 1, Cible = 2, TypeBonus = 3, Valeur = 4 };

QStringList liste(std::initializer_list<const char*> noms)
{
    QStringList l;
    for (const char* n : noms)
        l.append(QString::fromUtf8(n));
    return l;
}

QVector<NoeudPropriete> noeuds(const QStringList& textes, int marqueur)
{
    QVector<NoeudPropriete> n;
    n.reserve(textes.size());
    for (const QString& t : textes)
        n.append({t, marqueur});
    return n;
}

QVector<NoeudPropriete> nombres(int de, int a, int marqueur = Valeur)
{
    QStringList l;
    for (int i = de; i <= a; ++i)
        l.append(QString::number(i));
    return noeuds(l, marqueur);
}

QVector<NoeudPropriete> depuisBase(BaseDonnees& programme, const QString& sql, int marqueur)
{
    QStringList l;
    for (const Ligne& r : programme.selectionne(sql))
        l.append(r.valeur(0).toString());
    return noeuds(l, marqueur);
}

const QStringList& caracteristiques()
{
    static const QStringList l = liste({"Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"});
    return l;
}

// Les valeurs des bonus d'attaque et de dommage : des nombres, puis les dés des dégâts en plus.
QVector<NoeudPropriete> valeursArme()
{
    QVector<NoeudPropriete> v = nombres(1, 10);
    for (int n = 1; n <= 4; ++n)
        v.append({QString::number(n) + QStringLiteral("d6"), Valeur});
    v += noeuds(liste({"1d10", "-1d6", "-2d6"}), Valeur);
    return v;
}

// Deuxième niveau : ce que vise le genre.
QVector<NoeudPropriete> niveau2(BaseDonnees& programme, const QString& genre)
{
    if (genre == u"Bonus Caracteristique")
        return noeuds(caracteristiques(), Cible);
    if (genre == u"Bonus Classe Armure")
        return noeuds(ciblesClasseArmure(), Cible);
    if (genre == u"Bonus Jet Sauvegarde")
        return noeuds(liste({"Vigueur", "Réflexe", "Volonté"}), Cible);
    if (genre == u"Bonus Déplacement")
        return noeuds(liste({"Terre", "Air", "Eau"}), Cible);
    if (genre == u"Bonus Competence")
        return depuisBase(programme, QStringLiteral("select nom from competence order by nom"), Cible);
    if (genre == u"Bonus Don")
        return depuisBase(programme, QStringLiteral("select Nom from dons order by nom"), Cible);
    if (genre == u"Bonus sorts")
        return noeuds(liste({"Premiers arcanes", "Deuxièmes arcanes", "Troisièmes arcanes", "Quatrièmes arcanes",
                             "Cinquièmes arcanes", "Sixièmes arcanes", "Septièmes arcanes", "Huitièmes arcanes",
                             "Neuvièmes arcanes"}),
                      Cible);
    if (genre == u"Lancer un sort")
        return depuisBase(programme, QStringLiteral("select nom from sort order by nom"), Cible);
    if (genre == u"Bonus Attaque" || genre == u"Bonus Dommage")
        return noeuds(liste({"Piquant", "Tranchant", "Contondant", "Sonique", "Froid", "Feu", "Electricité", "Acide",
                             "Divin", "Anarchique", "Axiomatique", "Impie", "Sainte", "Tueuse", "Précision mortelle",
                             "Sanglante", "Poison"})
                          + caracteristiques(),
                      Cible);
    if (liste({"Résistance à la magie", "Résistance au feu", "Résistance au froid", "Résistance à l'électricité",
               "Résistance à l'acide", "Résistance au son"})
            .contains(genre))
        return nombres(1, 50);
    if (genre == u"Résistance aux dégats")
        return depuisBase(programme, QStringLiteral("select nom from Resistance order by nom"), Cible);
    if (genre == u"Arc de Puissance")
        return nombres(1, 20);
    if (genre == u"Bonus arme naturelle (altération)" || genre == u"Bonus d'archerie (Aptitude)"
        || genre == u"Bonus jet d'attaque (Aptitude)")
        return noeuds(liste({"Bonus Attaque", "Bonus Dommage"}), Cible);
    if (genre == u"Rejet des morts vivants accru" || genre == u"Bonus à l'initiative")
        return nombres(1, 10);
    return {};
}

// Troisième niveau, sous une cible.
QVector<NoeudPropriete> niveau3(const QString& genre, const QString& cible)
{
    if (genre == u"Bonus Caracteristique")
        return noeuds(liste({"Alteration", "Divin"}), TypeBonus);
    if (genre == u"Bonus Classe Armure")
        return nombres(1, 20);
    if (genre == u"Bonus Jet Sauvegarde")
        return noeuds(liste({"Résistance", "Famillier", "Divin", "Aptitude", "Chance", "Intuition"}), TypeBonus);
    if (genre == u"Bonus Déplacement")
        return noeuds(liste({"Alteration", "Aptitude"}), TypeBonus);
    if (genre == u"Bonus Competence")
        return noeuds(liste({"Aptitude", "Famillier", "Chance", "Circonstances"}), TypeBonus);
    if (genre == u"Bonus Don") {
        if (liste({"Ecole renforcée", "Ecole supérieure", "Tatouage focalisateur", "Ecole interdite supplémentaire"})
                .contains(cible))
            return noeuds(liste({"Invocation", "Nécromancie", "Illusion", "Divination", "Transmutation", "Abjuration",
                                 "Enchantement", "Evocation"}),
                          TypeBonus);
        if (cible == u"Emplacement de sort supplémentaire")
            return nombres(1, 9, TypeBonus);
        return {};
    }
    if (genre == u"Bonus sorts")
        return noeuds(liste({"x 1", "x 2", "x 3"}), Valeur);
    if (genre == u"Lancer un sort")
        return noeuds(liste({"Charges", "Par Jour", "Par semaine", "Par mois", "Illimité", "Permanent"}), TypeBonus);
    if (genre == u"Bonus Attaque" || genre == u"Bonus Dommage" || genre == u"Bonus arme naturelle (altération)")
        return noeuds(liste({"Alteration"}), TypeBonus);
    if (genre == u"Résistance aux dégats")
        return nombres(1, 30);
    if (genre == u"Bonus d'archerie (Aptitude)" || genre == u"Bonus jet d'attaque (Aptitude)")
        return noeuds(liste({"Aptitude"}), TypeBonus);
    return {};
}

// Quatrième niveau, sous un type de bonus.
QVector<NoeudPropriete> niveau4(const QString& genre, const QString& type)
{
    if (genre == u"Bonus Caracteristique" || genre == u"Bonus Jet Sauvegarde")
        return nombres(1, 10);
    if (genre == u"Bonus Déplacement")
        return nombres(1, 20);
    if (genre == u"Bonus Competence")
        return nombres(1, 30);
    if (genre == u"Lancer un sort")
        return type == u"Illimité" || type == u"Permanent" ? QVector<NoeudPropriete>{} : nombres(1, 5);
    if (genre == u"Bonus Attaque" || genre == u"Bonus Dommage")
        return valeursArme();
    if (genre == u"Bonus arme naturelle (altération)")
        return nombres(1, 7);
    if (genre == u"Bonus d'archerie (Aptitude)" || genre == u"Bonus jet d'attaque (Aptitude)")
        return nombres(1, 3);
    return {};
}

} // namespace

const QStringList& genresProprietes()
{
    static const QStringList l = liste(
        {"Bonus Caracteristique", "Bonus Classe Armure", "Bonus Attaque", "Bonus Don", "Bonus Dommage",
         "Bonus Jet Sauvegarde", "Bonus Competence", "Bonus Déplacement", "Résistance à la magie", "Résistance au feu",
         "Résistance au froid", "Résistance à l'électricité", "Résistance à l'acide", "Résistance au son",
         "Résistance aux dégats", "Arc de Puissance", "Bonus d'archerie (Aptitude)", "Bonus jet d'attaque (Aptitude)",
         "Bonus arme naturelle (altération)", "Rejet des morts vivants accru", "Bonus sorts", "Bonus à l'initiative",
         "Lancer un sort"});
    return l;
}

QStringList ciblesClasseArmure()
{
    return liste({"Alteration Armure", "Alteration Bouclier", "Naturelle", "Parade", "Esquive", "Force Armure",
                  "Force Bouclier", "Intuition", "Chance", "Alteration Naturelle", "CA Divers"});
}

QVector<NoeudPropriete> enfantsPropriete(BaseDonnees& programme, const QVector<NoeudPropriete>& chemin)
{
    if (chemin.isEmpty())
        return noeuds(genresProprietes(), Genre);
    // Une valeur n'a jamais d'enfants, quel que soit son niveau.
    if (chemin.last().marqueur == Valeur)
        return {};
    const QString& genre = chemin.first().texte;
    switch (chemin.size()) {
    case 1: return niveau2(programme, genre);
    case 2: return niveau3(genre, chemin.at(1).texte);
    case 3: return niveau4(genre, chemin.at(2).texte);
    default: return {};
    }
}

QString clePropriete(const QVector<NoeudPropriete>& chemin)
{
    QString cle;
    for (const NoeudPropriete& n : chemin)
        cle += u'K' + QString::number(n.marqueur) + u'_' + n.texte + u'_';
    return cle;
}

QString cheminPropriete(const QVector<NoeudPropriete>& chemin)
{
    QStringList textes;
    for (const NoeudPropriete& n : chemin)
        textes.append(n.texte);
    return textes.join(u'\\');
}

ProprieteObjet proprieteDeCle(QString cle)
{
    if (!cle.endsWith(u'_'))
        cle += u'_';
    // Une partie court de son marqueur au marqueur suivant : un "_" dans un nom ne la coupe pas.
    const QString texte = u'_' + cle;
    const auto partie = [&texte](int marqueur) {
        const QString debut = QStringLiteral("_K%1_").arg(marqueur);
        const qsizetype j = texte.indexOf(debut);
        if (j < 0)
            return QString();
        const qsizetype i = j + debut.size();
        qsizetype fin = texte.size() - 1;
        for (int m = marqueur + 1; m <= Valeur; ++m) {
            const qsizetype k = texte.indexOf(QStringLiteral("_K%1_").arg(m), i);
            if (k >= 0) {
                fin = k;
                break;
            }
        }
        return fin > i ? texte.mid(i, fin - i) : QString();
    };
    ProprieteObjet p{partie(Genre), partie(Cible), partie(TypeBonus), partie(Valeur)};
    if (Val(p.valeur) > 0)
        p.valeur.prepend(u'+');
    return p;
}

bool proprieteAdmise(const ProprieteObjet& p, const QString& groupe)
{
    if (p.propriete_1 != u"Bonus Attaque" && p.propriete_1 != u"Bonus Dommage")
        return true;
    return EstArme(groupe) || EstMunition(groupe);
}

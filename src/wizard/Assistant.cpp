#include "Assistant.h"
#include "editor/ValeursSaisies.h"
#include "editor/ChampsPersonnage.h"
#include "rules/Archetypes.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"
#include "shell/db/Utilitaires.h"

namespace {

const int kNiveauMax = 100;

std::optional<RefusAssistant> refus(const char* message, const char* controle)
{
    return RefusAssistant{QString::fromUtf8(message), QString::fromLatin1(controle)};
}

bool memeNom(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList separe(const QString& liste)
{
    QStringList elements;
    for (const QString& e : liste.split(u','))
        if (!e.trimmed().isEmpty())
            elements.append(e.trimmed());
    return elements;
}

int niveauChoisi(const ChoixAssistant& c)
{
    return Int(litNombre(c.niveau).value_or(0));
}

// Objets de départ d'une race ou d'un archétype, portés quand ils ont un emplacement.
void ajouteEquipement(BaseDonnees& programme, const QString& sql, const QString& cle, QVector<ObjetEdite>& objets)
{
    if (cle.isEmpty())
        return;
    for (const Ligne& e : programme.selectionne(sql, {cle})) {
        const Ligne objet = programme.cherche(QStringLiteral("Objets"), QStringLiteral("PrimaryKey"), {e.texte(QStringLiteral("objet"))});
        if (!objet)
            continue;
        ObjetEdite o;
        o.nom = objet.texte(QStringLiteral("NomObjet"));
        o.type = objet.texte(QStringLiteral("Type"));
        o.charge = objet.estNul(QStringLiteral("CHARGE")) ? QString() : QString::number(objet.entier(QStringLiteral("CHARGE")));
        o.nombre = QString::number(qMax(1, e.entier(QStringLiteral("Multiple"))));
        o.surPersonnage = !objet.estNul(QStringLiteral("Emplacement"));
        objets.append(o);
    }
}

} // namespace

QStringList RacesAssistant(BaseDonnees& programme, const QStringList& racesEditeur, bool monstre, int ajustementMax)
{
    if (monstre)
        return racesEditeur;
    QStringList races;
    for (const QString& race : racesEditeur) {
        const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {race});
        if (!l)
            continue;
        // Int porte le modificateur de la race : -10 ou rien, c'est une créature sans Intelligence.
        const bool intelligente = !l.estNul(QStringLiteral("Int")) && l.entier(QStringLiteral("Int")) > -10;
        if (l.entier(QStringLiteral("Niveau")) == 0 && intelligente && l.entier(QStringLiteral("AdjNiv")) <= ajustementMax)
            races.append(race);
    }
    return races;
}

QStringList ChoixDieu(BaseDonnees& programme, const QString& royaume, const QString& alignement, const QString& race)
{
    const auto accepte = [](const QString& filtre, const QString& valeur) {
        return filtre.isEmpty() || memeNom(filtre, valeur);
    };
    QStringList dieux;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select * from dieu order by nom")))
        if (accepte(royaume, l.texte(QStringLiteral("royaume"))) && accepte(alignement, l.texte(QStringLiteral("Alignement")))
            && accepte(race, l.texte(QStringLiteral("RACE"))))
            dieux.append(l.texte(QStringLiteral("Nom")));
    return dieux;
}

QStringList TitresPourSexe(BaseDonnees& programme, const QString& sexe)
{
    QStringList titres;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select * from titre order by nom"))) {
        const QString s = l.texte(QStringLiteral("Sexe"));
        if (memeNom(s, sexe) || memeNom(s, QStringLiteral("Tous")))
            titres.append(l.texte(QStringLiteral("Nom")));
    }
    return titres;
}

LanguesRace AjoutAlphabet(BaseDonnees& programme, const QString& race)
{
    const QStringList parlees =
        separe(programme.scalaire(QStringLiteral("select Langue from race where race=?"), {race}).toString());
    QStringList langues, alphabets;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select * from Langue order by Langue"))) {
        const QString langue = l.texte(QStringLiteral("Langue"));
        if (!parlees.contains(langue, Qt::CaseInsensitive))
            continue;
        langues.append(langue);
        const QString alphabet = l.texte(QStringLiteral("Alphabet"));
        if (!alphabet.isEmpty() && !alphabets.contains(alphabet, Qt::CaseInsensitive))
            alphabets.append(alphabet);
    }
    return {langues.join(QStringLiteral(", ")), alphabets.join(QStringLiteral(", "))};
}

QString Generation::date() const
{
    static const char* const kMois[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                          "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    return QString::number(jour) + u' ' + QString::fromUtf8(kMois[qBound(1, mois, 12) - 1]);
}

Generation Generer(BaseDonnees& programme, const QString& race, const QString& sexe, const Rnd& rnd)
{
    Generation g;
    const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {race});
    const DimensionsRace d = l ? DimensionsDeRace(l) : DimensionsRace{};
    // Deux dés de n faces : 2 + deux tirages de 0 à n - 1.
    const auto deuxDes = [&rnd](int faces) { return 2 + Int(rnd() * faces) + Int(rnd() * faces); };
    const int jetTaille = deuxDes(d.tailleDes);
    const int jetPoids = d.poidsDes == 1000 ? 1 : deuxDes(d.poidsDes);
    // Les bases des hommes pour "Masculin", celles des femmes sinon.
    const Mensurations m = MensurationsRace(d, sexe == QLatin1String("Masculin") ? sexe : QStringLiteral("Féminin"),
                                            jetTaille, jetPoids);
    g.taille = m.taille;
    g.poids = m.poids;
    g.troisDes = JetDe(rnd, 6) + JetDe(rnd, 6) + JetDe(rnd, 6);
    g.mois = JetDe(rnd, 12);
    static const int kJours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    g.jour = JetDe(rnd, kJours[g.mois - 1]);
    return g;
}

std::optional<RefusAssistant> ControleIdentite(const ChoixAssistant& c)
{
    if (c.nom.trimmed().isEmpty())
        return refus("Saisie du nom du personnage obligatoire", "fldstrnom");
    if (c.race.isEmpty())
        return refus("Saisie de la race du personnage obligatoire", "CmbRace");
    if (c.alignement.isEmpty())
        return refus("Saisie de l'alignement du personnage obligatoire", "CmbAlignement");
    if (c.sexe.isEmpty())
        return refus("Saisie du sexe du personnage obligatoire", "CmbSexe");
    return std::nullopt;
}

std::optional<RefusAssistant> ControleDescription(const ChoixAssistant& c)
{
    if (!litNombre(c.taille))
        return refus("La taille doit être entrée en tant que valeur numérique", "fldnTaille");
    if (!litNombre(c.poids))
        return refus("Le poids doit être entré en tant que valeur numérique", "fldnPoids");
    if (!litNombre(c.beaute))
        return refus("La beauté doit être entrée en tant que valeur numérique", "fldnBeaute");
    if (!litNombre(c.age))
        return refus("L'age doit être entré en tant que valeur numérique", "fldnAge");
    return std::nullopt;
}

std::optional<RefusAssistant> ControleClasse(const ChoixAssistant& c)
{
    if (!litNombre(c.niveau))
        return refus("Le niveau doit être entré en tant que valeur numérique", "fldnNiveau");
    if (c.classe.isEmpty())
        return refus("Saisie d'une classe obligatoire", "CmbClasse");
    // Chaque niveau devient une ligne de l'éditeur : un nombre hors de ces bornes n'a pas de sens.
    const int niveau = niveauChoisi(c);
    if (niveau < 1 || niveau > kNiveauMax)
        return RefusAssistant{QStringLiteral("Le niveau doit être compris entre 1 et %1").arg(kNiveauMax),
                              QStringLiteral("fldnNiveau")};
    return std::nullopt;
}

QVector<ChoixClasse> ChoixDeClasse(BaseDonnees& programme, const QString& classe, const QString& dieu)
{
    QVector<ChoixClasse> choix;
    const auto est = [&classe](const char* nom) { return memeNom(classe, QString::fromUtf8(nom)); };
    const auto energies = [&] { return ListeNoms(programme, QStringLiteral("select * from energie order by nom"), QStringLiteral("Nom")); };
    if (est("Prêtre") || est("Prêtre cloîtré")) {
        const QStringList domaines = QStringList{QString()}
            + separe(programme.scalaire(QStringLiteral("select domaines from Dieu where Nom=?"), {dieu}).toString());
        for (int i = 1; i <= 2; ++i)
            choix.append({ChoixClasse::Domaine, QStringLiteral("Domaine %1").arg(i), domaines,
                          QStringLiteral("Domaine_%1").arg(i)});
    } else if (est("Magicien")) {
        choix.append({ChoixClasse::Specialisation, QStringLiteral("Ecole de spécialistion"), ecolesSpecialisation(),
                      QStringLiteral("EcoleSpecialisation")});
        for (int i = 1; i <= 2; ++i)
            choix.append({ChoixClasse::Interdite, QStringLiteral("Ecole interdite %1").arg(i), ecolesInterdites(),
                          QStringLiteral("Ecole_interdite_%1").arg(i)});
    } else if (est("Sorcier") || est("Elu divin")) {
        const bool sorcier = est("Sorcier");
        for (int i = 1; i <= (sorcier ? 2 : 3); ++i)
            choix.append({ChoixClasse::Energie, QStringLiteral("Résistance énergie %1").arg(i),
                          QStringList{QString()} + energies(),
                          (sorcier ? QStringLiteral("EnergieSorcier_%1") : QStringLiteral("EnergieElu_%1")).arg(i)});
    } else if (est("Shugenja")) {
        choix.append({ChoixClasse::ElementShugenja, QStringLiteral("Elément"),
                      {QString(), QStringLiteral("Terre"), QStringLiteral("Air"), QStringLiteral("Feu"), QStringLiteral("Eau")},
                      QStringLiteral("ElementShugenja")});
        choix.append({ChoixClasse::Ordre, QStringLiteral("Ordre"),
                      QStringList{QString()} + ListeNoms(programme, QStringLiteral("select Nom from Ordre order by Nom"), QStringLiteral("Nom")),
                      QStringLiteral("OrdreShugenja")});
    } else if (est("Wujen")) {
        choix.append({ChoixClasse::Element, QStringLiteral("Elément"),
                      QStringList{QString()} + ListeNoms(programme, QStringLiteral("select * from element order by nom"), QStringLiteral("Nom")),
                      QStringLiteral("ElementWujen")});
    } else if (est("Dragon shaman")) {
        choix.append({ChoixClasse::Totem, QStringLiteral("Dragon Totem"),
                      QStringList{QString()} + ListeNoms(programme, QStringLiteral("select nom from dragontotem order by nom"), QStringLiteral("nom")),
                      QStringLiteral("DragonTotem")});
    }
    return choix;
}

NiveauxRace DesDeVieRaciaux(BaseDonnees& programme, const QString& race, const QString& archetype)
{
    NiveauxRace n;
    const Ligne l = programme.cherche(QStringLiteral("Race"), QStringLiteral("PrimaryKey"), {race});
    if (!l || l.entier(QStringLiteral("Niveau")) <= 0)
        return n;
    n.nombre = l.entier(QStringLiteral("Niveau"));
    // Zombi et squelette remplacent les dés de vie de la créature par ceux d'un mort-vivant.
    const bool mortVivant = memeNom(archetype, QStringLiteral("Zombi")) || memeNom(archetype, QStringLiteral("Squelette"));
    n.classe = mortVivant ? QStringLiteral("Mort-vivant") : l.texte(QStringLiteral("Type"));
    const Ligne classe = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {n.classe});
    if (classe)
        n.classe = classe.texte(QStringLiteral("Classe"));
    n.de = DeDeVieArchetype(classe ? classe.entier(QStringLiteral("PointDeVie")) : 8, n.classe, archetype);
    return n;
}

PersonnageEdite ConstruitPersonnage(BaseDonnees& programme, const ChoixAssistant& c, const Rnd& rnd)
{
    PersonnageEdite p;
    p.nom = c.nom.trimmed();
    p.race = c.race;
    auto& id = p.identite;
    id.insert(QStringLiteral("Archetype"), c.archetype);
    id.insert(QStringLiteral("Alignement"), c.alignement);
    id.insert(QStringLiteral("Sexe"), c.sexe);
    for (int i = 0; i < 4; ++i)
        id.insert(QStringLiteral("Profession_%1").arg(i + 1), c.professions[i]);
    for (int i = 0; i < 3; ++i)
        id.insert(QStringLiteral("Artisanat_%1").arg(i + 1), c.artisanats[i]);
    const LanguesRace langues = AjoutAlphabet(programme, c.race);
    id.insert(QStringLiteral("LangueConnue"), langues.langues);
    id.insert(QStringLiteral("Alphabet"), langues.alphabets);
    const QList<QPair<const char*, QString>> description{
        {"Taille", c.taille}, {"Poids", c.poids},     {"Beaute", c.beaute}, {"Age", c.age},
        {"Date", c.date},     {"Yeux", c.yeux},       {"Cheveux", c.cheveux}, {"Profil", c.profil},
        {"Titre", c.titre},   {"Dieu", c.dieu}};
    for (const auto& [champ, valeur] : description)
        id.insert(QLatin1String(champ), valeur.trimmed());
    const QVector<ChoixClasse> choix = ChoixDeClasse(programme, c.classe, c.dieu);
    for (int i = 0; i < choix.size() && i < int(c.choix.size()); ++i)
        id.insert(choix[i].champ, c.choix[i]);

    // Niveaux raciaux d'abord, puis ceux de la classe ; le premier niveau du personnage prend le dé entier.
    const auto ajouteNiveau = [&p, &rnd](const QString& classe, int niveauClasse, int de) {
        NiveauEdite n;
        n.classe = classe;
        n.niveau = QString::number(niveauClasse);
        n.pv = QString::number(p.niveaux.isEmpty() ? de : JetDe(rnd, de));
        p.niveaux.append(n);
    };
    const NiveauxRace raciaux = DesDeVieRaciaux(programme, c.race, c.archetype);
    for (int i = 1; i <= raciaux.nombre; ++i)
        ajouteNiveau(raciaux.classe, i, raciaux.de);
    const Ligne classe = programme.cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {c.classe});
    const QString nomClasse = classe ? classe.texte(QStringLiteral("Classe")) : c.classe;
    const int de = EstArchetypeMortVivant(c.archetype) ? 12 : classe ? classe.entier(QStringLiteral("PointDeVie")) : 12;
    for (int i = 1; i <= niveauChoisi(c); ++i)
        ajouteNiveau(nomClasse, i, de);

    if (!p.niveaux.isEmpty()) {
        NiveauEdite& premier = p.niveaux.first();
        for (int i = 0; i < 6; ++i)
            premier.caracs[i] = QString::number(c.caracs[i]);
        int k = 0;
        for (const Ligne& d : programme.selectionne(QStringLiteral("select Don,Libelle from RaceDons where Race=? order by rowid"),
                                                    {c.race})) {
            if (k >= 10)
                break;
            premier.dons[k] = d.texte(QStringLiteral("Don"));
            premier.precisions[k] = d.texte(QStringLiteral("Libelle"));
            ++k;
        }
    }
    ajouteEquipement(programme, QStringLiteral("select objet,Multiple from Raceequipement where Race=? order by rowid"),
                     c.race, p.objets);
    ajouteEquipement(programme,
                     QStringLiteral("select objet,Multiple from ArchetypeEquipement where Archetype=? order by rowid"),
                     c.archetype, p.objets);
    return p;
}

QString MessageFin(const ChoixAssistant& c, int desRaciaux)
{
    QString message = QStringLiteral("Répartissez les points de compétence de ") + c.nom.trimmed() + QStringLiteral(", ")
                      + c.classe + QStringLiteral(" de niveau ") + QString::number(niveauChoisi(c));
    if (desRaciaux > 0)
        return message + QStringLiteral(" avec ") + QString::number(desRaciaux) + QStringLiteral(" dés de vie.");
    return message + u'.';
}

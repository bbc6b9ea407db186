#include "EditionPersonnage.h"
#include "ChampsPersonnage.h"
#include "ValeursSaisies.h"
#include "shell/Semantique.h"
#include "shell/db/BaseDonnees.h"

#include <QVariantMap>

namespace {

const char* const kCaracs[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};

// Valeur d'un champ lu, Null compris, en texte comme le montre l'éditeur.
QString texteChamp(const Ligne& ligne, const QString& champ)
{
    return ligne.estNul(champ) ? QString() : ligne.valeur(champ).toString();
}

void chargeNiveaux(BaseDonnees& perso, const QString& nom, PersonnageEdite& p)
{
    const QVector<Ligne> lignes = perso.selectionne(
        QStringLiteral("select  Niveau,classe,PV,For,Dex,Con,Int,Sag,Cha,competence,modifInt from personnageProgression "
                       "where nom=? order by niv"),
        {nom});
    for (const Ligne& l : lignes) {
        NiveauEdite n;
        n.niveau = texteChamp(l, QStringLiteral("Niveau"));
        n.classe = texteChamp(l, QStringLiteral("classe"));
        n.pv = texteChamp(l, QStringLiteral("PV"));
        for (int i = 0; i < 6; ++i)
            n.caracs[i] = texteChamp(l, QLatin1String(kCaracs[i]));
        n.competence = texteChamp(l, QStringLiteral("competence"));
        n.modifInt = texteChamp(l, QStringLiteral("modifInt"));
        // Les dons du niveau, dans l'ordre où ils ont été écrits.
        const QVector<Ligne> dons = perso.selectionne(
            QStringLiteral("select dons,Libelle from PersonnageDons where nom=? and classe=? and niveau=? order by rowid"),
            {nom, n.classe, l.valeur(QStringLiteral("Niveau"))});
        int k = 0;
        for (const Ligne& d : dons) {
            if (k >= 10)
                break;
            if (d.texte(QStringLiteral("dons")).isEmpty() && d.texte(QStringLiteral("Libelle")).isEmpty())
                continue;
            n.dons[k] = d.texte(QStringLiteral("dons"));
            n.precisions[k] = d.texte(QStringLiteral("Libelle"));
            ++k;
        }
        p.niveaux.append(n);
    }
}

void chargeObjets(BaseDonnees& perso, const QString& nom, PersonnageEdite& p)
{
    const QVector<Ligne> lignes =
        perso.selectionne(QStringLiteral("select * from Equipement where personnage=? order by pos"), {nom});
    for (const Ligne& l : lignes)
        p.objets.append({texteChamp(l, QStringLiteral("NomObjet")), texteChamp(l, QStringLiteral("Type")),
                         texteChamp(l, QStringLiteral("Place")), texteChamp(l, QStringLiteral("CHARGE")),
                         texteChamp(l, QStringLiteral("Multiple")), l.booleen(QStringLiteral("surpersonnage"))});
}

// Cases de classes : classes distinctes dans l'ordre de première apparition, avec leur plus haut niveau.
void ecritCases(const PersonnageEdite& p, QVariantMap& champs)
{
    QStringList classes;
    QVector<int> niveaux;
    for (const NiveauEdite& n : p.niveaux) {
        qsizetype k = -1;
        for (qsizetype i = 0; i < classes.size(); ++i)
            if (classes.at(i).toUpper() == n.classe.toUpper())
                k = i;
        if (k < 0) {
            classes.append(n.classe);
            niveaux.append(0);
            k = classes.size() - 1;
        }
        niveaux[k] = qMax(niveaux.at(k), int(Val(n.niveau)));
    }
    for (int k = 0; k < 8; ++k) {
        const bool pris = k < classes.size();
        champs.insert(QStringLiteral("Classe_%1").arg(k + 1), pris ? QVariant(classes.at(k)) : QVariant());
        champs.insert(QStringLiteral("Niv_%1").arg(k + 1), pris ? QVariant(niveaux.at(k)) : QVariant());
    }
}

void ecritPersonnage(BaseDonnees& perso, const PersonnageEdite& p)
{
    QVariantMap champs{{QStringLiteral("Nom"), p.nom}, {QStringLiteral("RACE"), p.race}};
    ecritCases(p, champs);
    for (const ChampIdentite& c : champsIdentite()) {
        const QString valeur = p.identite.value(c.champ);
        champs.insert(c.champ, c.nature == NatureChamp::Texte ? valeurTexte(valeur)
                                                              : valeurNumerique(valeur, c.nature == NatureChamp::Entier));
    }
    const Ligne existant = perso.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {p.nom});
    if (existant)
        perso.modifie(QStringLiteral("Personnage"), existant.rowid(), champs);
    else
        perso.ajoute(QStringLiteral("Personnage"), champs);
}

// Une ligne de cette clé pas encore confirmée (niv = 0) est reprise ; sinon une ligne est ajoutée.
void ecritLigneNiveau(BaseDonnees& perso, const QString& table, const QVariantMap& champs)
{
    const Ligne existant = perso.premiere(QStringLiteral("select rowid from %1 where nom=? and classe=? and niveau=? "
                                                         "and niv=0 order by rowid limit 1")
                                              .arg(table),
                                          {champs.value(QStringLiteral("Nom")), champs.value(QStringLiteral("Classe")),
                                           champs.value(QStringLiteral("Niveau"))});
    if (existant)
        perso.modifie(table, existant.valeur(0).toLongLong(), champs);
    else
        perso.ajoute(table, champs);
}

void ecritNiveaux(BaseDonnees& perso, const PersonnageEdite& p)
{
    perso.execute(QStringLiteral("update PersonnageProgression set niv=0 where nom=?"), {p.nom});
    perso.execute(QStringLiteral("update PersonnageDons set niv=0 where nom=?"), {p.nom});
    for (int r = 0; r < p.niveaux.size(); ++r) {
        const NiveauEdite& n = p.niveaux.at(r);
        const int niveau = int(Val(n.niveau));
        QVariantMap progression{{QStringLiteral("Nom"), p.nom},          {QStringLiteral("Niveau"), niveau},
                                {QStringLiteral("Classe"), n.classe},    {QStringLiteral("PV"), int(Val(n.pv))},
                                {QStringLiteral("Competence"), valeurTexte(n.competence)},
                                {QStringLiteral("modifInt"), int(Val(n.modifInt))},
                                {QStringLiteral("niv"), r + 1}};
        for (int i = 0; i < 6; ++i)
            progression.insert(QLatin1String(kCaracs[i]), int(Val(n.caracs[i])));
        ecritLigneNiveau(perso, QStringLiteral("PersonnageProgression"), progression);

        // Une ligne de dons par niveau au moins, puis une par don supplémentaire.
        int derniere = 0;
        for (int k = 0; k < 10; ++k)
            if (!n.dons[k].isEmpty())
                derniere = k;
        for (int k = 0; k <= derniere; ++k) {
            if (k > 0 && n.dons[k].isEmpty())
                continue;
            ecritLigneNiveau(perso, QStringLiteral("PersonnageDons"),
                             {{QStringLiteral("Nom"), p.nom},
                              {QStringLiteral("Niveau"), niveau},
                              {QStringLiteral("Classe"), n.classe},
                              {QStringLiteral("dons"), valeurTexte(n.dons[k])},
                              {QStringLiteral("Libelle"), valeurTexte(n.precisions[k])},
                              {QStringLiteral("niv"), r + 1}});
        }
    }
    perso.execute(QStringLiteral("delete from PersonnageProgression where nom=? and niv=0"), {p.nom});
    perso.execute(QStringLiteral("delete from PersonnageDons where nom=? and niv=0"), {p.nom});
}

void ecritObjets(BaseDonnees& perso, const PersonnageEdite& p)
{
    perso.execute(QStringLiteral("update Equipement set pos=0 where personnage=?"), {p.nom});
    for (int r = 0; r < p.objets.size(); ++r) {
        const ObjetEdite& o = p.objets.at(r);
        if (o.nom.isEmpty())
            continue;
        perso.ajoute(QStringLiteral("Equipement"),
                     {{QStringLiteral("NomObjet"), o.nom},
                      {QStringLiteral("Type"), valeurTexte(o.type)},
                      {QStringLiteral("Personnage"), p.nom},
                      {QStringLiteral("Place"), estNumerique(o.place) ? valeurNumerique(o.place, true) : QVariant()},
                      {QStringLiteral("Pos"), r + 1},
                      {QStringLiteral("CHARGE"), valeurNumerique(o.charge, true)},
                      {QStringLiteral("Multiple"), valeurNumerique(o.nombre, true)},
                      {QStringLiteral("SurPersonnage"), o.surPersonnage}});
    }
    perso.execute(QStringLiteral("delete from Equipement where personnage=? and pos=0"), {p.nom});
}

// Tables de personnages et champ qui porte le nom du personnage.
struct TableNom
{
    const char* table;
    const char* champ;
};
const TableNom kTablesPersonnage[] = {{"Equipement", "personnage"}, {"PersonnageProgression", "nom"},
                                      {"PersonnageDons", "nom"},    {"SortPersonnage", "nomPerso"},
                                      {"SortListe", "nomPerso"},    {"Capacites", "personnage"},
                                      {"Personnage", "nom"}};

} // namespace

QStringList racesEditeur(BaseDonnees& programme)
{
    QStringList races;
    for (const Ligne& l : programme.selectionne(QStringLiteral("select race from race order by race")))
        races.append(l.texte(QStringLiteral("race")));
    return races;
}

bool chargePersonnage(BaseDonnees& perso, const QString& nom, PersonnageEdite& p)
{
    const Ligne ligne = perso.cherche(QStringLiteral("Personnage"), QStringLiteral("PrimaryKey"), {nom});
    if (!ligne)
        return false;
    p = PersonnageEdite{};
    p.nom = ligne.texte(QStringLiteral("Nom"));
    p.race = ligne.texte(QStringLiteral("RACE"));
    for (const ChampIdentite& c : champsIdentite())
        p.identite.insert(c.champ, texteChamp(ligne, c.champ));
    chargeNiveaux(perso, p.nom, p);
    chargeObjets(perso, p.nom, p);
    return true;
}

std::optional<RefusEnregistrement> Enregistre(BaseDonnees& perso, BaseDonnees& programme, const PersonnageEdite& p,
                                              const QStringList& races)
{
    if (auto refus = controleEnregistrement(programme, p, races))
        return refus;
    Transaction transaction(perso);
    ecritPersonnage(perso, p);
    ecritNiveaux(perso, p);
    ecritObjets(perso, p);
    transaction.valide();
    return std::nullopt;
}

void supprimePersonnage(BaseDonnees& perso, const QString& nom)
{
    Transaction transaction(perso);
    for (const TableNom& t : kTablesPersonnage)
        perso.execute(QStringLiteral("delete from %1 where %2=?").arg(QLatin1String(t.table), QLatin1String(t.champ)),
                      {nom});
    transaction.valide();
}

ResultatRenommage renommePersonnage(BaseDonnees& perso, const QString& ancien, const QString& nouveau)
{
    if (nouveau.trimmed().isEmpty() || nouveau.toUpper() == ancien.toUpper())
        return ResultatRenommage::Inchange;
    for (const TableNom& t : kTablesPersonnage) {
        const QString sql = QStringLiteral("select 1 from %1 where %2=? limit 1")
                                .arg(QLatin1String(t.table), QLatin1String(t.champ));
        if (perso.premiere(sql, {nouveau}))
            return ResultatRenommage::NomExistant;
    }
    Transaction transaction(perso);
    for (const TableNom& t : kTablesPersonnage)
        perso.execute(QStringLiteral("update %1 set %2=? where %2=?").arg(QLatin1String(t.table), QLatin1String(t.champ)),
                      {nouveau, ancien});
    transaction.valide();
    return ResultatRenommage::Renomme;
}

TextesPersonnage litTextes(BaseDonnees& perso, const QString& nom)
{
    const Ligne l = perso.premiere(QStringLiteral("select background,histoire from personnage where nom=?"), {nom});
    if (!l)
        return {};
    return {l.texte(QStringLiteral("background")), l.texte(QStringLiteral("histoire"))};
}

void ecritTextes(BaseDonnees& perso, const QString& nom, const TextesPersonnage& textes)
{
    perso.execute(QStringLiteral("update personnage set Background=?, histoire=? where nom=?"),
                  {valeurTexte(textes.background.trimmed().isEmpty() ? QString() : textes.background),
                   valeurTexte(textes.historique.trimmed().isEmpty() ? QString() : textes.historique), nom});
}

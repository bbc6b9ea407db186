#include "AnciennesBases.h"
#include "shell/db/SchemaPerso.h"

namespace {

// Ce que chaque version a apporté : les champs (ou la table entière, sans champ) apparaissent dans
// les fichiers dont la version dépasse ce numéro. Tenu ici d'après l'histoire des fichiers, sans
// reprendre le code de la mise à niveau.
struct Apport
{
    int etape;
    const char* table;
    const char* champs;
};

constexpr Apport kApports[] = {
    {1, "Objets", "Portee"},
    {2, "Personnage", "Domaine_1..3 BackGround Histoire Ecole_interdite_1..2"},
    {3, "SortPersonnage", "Niveau"},
    {5, "Personnage", "Classe_4..6 Niv_4..6 Archetype"},
    {7, "Objets", "Description Solidite Resistance"},
    {8, "Personnage", "TotalPo TotalXP Profession_1..4 Artisanat_1..3 EnergieElu_1..3 EnergieSorcier_1..2 ElementWujen "
                      "EnnemisJures"},
    {8, "Capacites", ""},
    {9, "Version", "Objets"},
    {11, "Donsperso", ""},
    {12, "Personnage", "Image"},
    {13, "Objets", "CHARGE"},
    {13, "Equipement", "CHARGE SurPersonnage Multiple"},
    {17, "Personnage", "Domaine_4 Ecole_interdite_3..4 Classe_7..8 Niv_7..8"},
    {18, "Personnage", "DragonTotem"},
    {19, "SortListe", ""},
    {20, "Personnage", "ElementShugenja OrdreShugenja"},
};

// Vrai quand l'élément existait déjà dans un fichier de cette version.
bool present(int version, const QString& table, const QString& champ = {})
{
    for (const Apport& a : kApports)
        if (table == QLatin1String(a.table) && (champ.isEmpty() ? !*a.champs : noms(a.champs).contains(champ)))
            return a.etape < version;
    return true;
}

QString ligneChamp(const QString& table, const QString& champ, const QString& type, const QString& defaut)
{
    return QStringLiteral("champ %1.%2 %3%4").arg(table, champ, type, defaut.isEmpty() ? QString() : " défaut " + defaut);
}

QString ligneIndex(const QString& nom, bool unique, const QStringList& colonnes)
{
    return QStringLiteral("index %1%2 (%3)").arg(nom, unique ? " unique" : QString(), colonnes.join(u','));
}

} // namespace

QString nomType(TypeChamp type, int taille)
{
    switch (type) {
    case TypeChamp::Texte:
        return QStringLiteral("Texte(%1)").arg(taille > 0 ? taille : 255);
    case TypeChamp::Entier:
        return "Entier";
    case TypeChamp::Long:
        return "Long";
    case TypeChamp::Double:
        return "Double";
    case TypeChamp::Booleen:
        return "Booleen";
    case TypeChamp::Date:
        return "Date";
    case TypeChamp::Memo:
        return "Memo";
    }
    return {};
}

std::unique_ptr<BaseDonnees> baseEssai(const DossierTest& dossier, const QString& nom)
{
    auto base = baseVide(dossier, nom);
    base->execute("PRAGMA synchronous = OFF");
    return base;
}

QVector<DefinitionTable> dispositionAncienne(int version)
{
    QVector<DefinitionTable> tables;
    for (DefinitionTable t : schemaPersonnages()) {
        if (t.nom == u"Version" || !present(version, t.nom))
            continue;
        QVector<DefinitionChamp> champs;
        for (DefinitionChamp c : t.champs) {
            // Les colonnes de travail n'appartiennent qu'à la disposition courante.
            if (c.nom == u"Tempo" || !present(version, t.nom, c.nom))
                continue;
            // Avant la version 5 le type d'objet porté était un nombre ; avant 8 le coût, un entier.
            if (t.nom == u"Equipement" && c.nom == u"Type" && version <= 4)
                c = entier(c.nom);
            if (t.nom == u"Objets" && c.nom == u"CoutTotal" && version <= 7)
                c = entierLong(c.nom);
            champs.append(c);
        }
        t.champs = champs;
        tables.append(t);
    }
    return tables;
}

void creeBaseAncienne(BaseDonnees& base, int version, bool tableVersion)
{
    Transaction transaction(base);
    for (const DefinitionTable& t : dispositionAncienne(version))
        base.creeTable(t);
    if (tableVersion) {
        DefinitionTable v{"Version", {entier("Version"), date("DateModif")}, {}};
        if (present(version, v.nom, "Objets"))
            v.champs.append(entier("Objets"));
        base.creeTable(v);
        ajoutePresent(base, v.nom, {{"Version", version}, {"DateModif", "2001-02-03"}, {"Objets", 34}});
    }
    transaction.valide();
}

qint64 ajoutePresent(BaseDonnees& base, const QString& table, const QVariantMap& champs)
{
    QVariantMap gardes;
    for (auto it = champs.constBegin(); it != champs.constEnd(); ++it)
        if (base.ExisteChamp(table, it.key()))
            gardes.insert(it.key(), it.value());
    return base.ajoute(table, gardes);
}

void creeProgrammeMinimal(BaseDonnees& programme)
{
    Transaction transaction(programme);
    programme.creeTable({"Objets", {texte("NomObjet"), reel("PoidsBase"), entier("ClasseArmure"), texte("TypeCa", 50),
        entier("EchecSortProfane"), entier("PenaliteArmure"), entier("BonusDexMax"), texte("GroupeObjet", 50),
        texte("Taille", 50), texte("Type", 50), texte("DegatDes", 50), texte("ZoneCritique", 50), texte("MultCrit", 50),
        reel("Portee"), reel("CoutTotal"), memo("Description"), entier("Solidite"), entier("Resistance"),
        entier("CHARGE")}, {{"PrimaryKey", {"NomObjet"}, true}}});
    programme.creeTable({"ObjetsPropriete", {texte("NomObjet"), texte("Type", 50), entier("Place"),
                         texte("propriete_1"), texte("propriete_2"), texte("propriete_3"), texte("valeur", 50)},
                         {{"index1", {"NomObjet"}, false}}});
    programme.creeTable({"Dons", {texte("Nom"), texte("Type", 50), reel("version"), texte("Genre"), texte("Source"),
                         memo("Résumé"), memo("Explication"), texte("Caracteristique", 50), booleen("prive"),
                         booleen("liearme"), booleen("Multiple"), booleen("epique"), booleen("pouvoir"),
                         booleen("tare"), booleen("trait")}, {{"nom", {"Nom"}, true}}});
    programme.creeTable({"ChangeNomRace", {texte("OldRace", 50), texte("NewRace", 50)},
                         {{"OldRace", {"OldRace"}, true}}});

    const auto objet = [&](const QString& nom, const QString& groupe, double cout, const QVariantMap& autres) {
        QVariantMap champs = autres;
        champs.insert("NomObjet", nom);
        champs.insert("GroupeObjet", groupe.isEmpty() ? QVariant() : groupe);
        champs.insert("CoutTotal", cout);
        programme.ajoute("Objets", champs);
    };
    objet("Épée longue", "Epée", 15,
          {{"PoidsBase", 2}, {"Type", "Tranchant"}, {"DegatDes", "1d8"}, {"ZoneCritique", "19"}, {"MultCrit", "2"},
           {"Description", "Lame droite"}, {"Solidite", 10}, {"Resistance", 5}});
    objet("Dague", "Dague", 2, {{"Portee", 3}, {"DegatDes", "1d4"}});
    objet("Corde", "AUTRE", 1, {});
    objet("Anneau de protection +1", "Anneau", 2000, {{"CHARGE", 3}, {"ClasseArmure", 1}});

    const auto propriete = [&](const QString& nom, const QString& p1, const QString& p2, const QString& p3,
                               const QString& valeur) {
        programme.ajoute("ObjetsPropriete", {{"NomObjet", nom}, {"propriete_1", p1}, {"propriete_2", p2},
                         {"propriete_3", p3}, {"valeur", valeur}});
    };
    propriete("Anneau de protection +1", "Bonus Classe Armure", "Parade", {}, "1");
    propriete("Épée longue", "Bonus Caracteristique", "Force", "Alteration", "2");
    propriete("Dague", "Résistance au feu", {}, {}, "5");
    propriete("Dague", "Bonus Competence", "Discrétion", "Aptitude", "1");
    // Même objet écrit dans une autre casse.
    propriete("dague", "Bonus Don", "Science du critique", {}, "1");
    // Propriétés d'aucun objet du programme, dont une au nom d'un objet propre au joueur.
    propriete("Bâton du vieux", "Bonus Caracteristique", "Sagesse", "Alteration", "4");
    propriete("Objet disparu", "Bonus Don", "Vigilance", {}, "1");

    programme.ajoute("Dons", {{"Nom", "Attaque en puissance"}, {"Type", "Général"},
                              {"Explication", "Texte du programme"}, {"Multiple", false}});
    programme.ajoute("ChangeNomRace", {{"OldRace", "Gnome des profondeurs"}, {"NewRace", "Svirfnebelin"}});
    programme.ajoute("ChangeNomRace", {{"OldRace", "Demi-Orque"}, {"NewRace", "Demi-orque"}});
    transaction.valide();
}

QStringList dispositionLue(BaseDonnees& base)
{
    QStringList lignes;
    for (const QString& table : base.tables()) {
        lignes.append("table " + table);
        for (const Ligne& c : base.selectionne("SELECT name, type, dflt_value FROM pragma_table_info(?)", {table})) {
            int taille = 0;
            const TypeChamp type = typeDepuisDeclare(c.texte("type"), &taille);
            lignes.append(ligneChamp(table, c.texte("name"), nomType(type, taille), c.texte("dflt_value")));
        }
        for (const Ligne& i : base.selectionne(
                 "SELECT name, \"unique\" AS seul FROM pragma_index_list(?) WHERE origin = 'c'", {table})) {
            QStringList colonnes;
            for (const Ligne& c : base.selectionne("SELECT name FROM pragma_index_info(?) ORDER BY seqno",
                                                   {i.valeur("name")}))
                colonnes.append(c.texte("name"));
            lignes.append(ligneIndex(i.texte("name"), i.booleen("seul"), colonnes));
        }
    }
    lignes.sort();
    return lignes;
}

QStringList dispositionDecrite(const QVector<DefinitionTable>& tables)
{
    QStringList lignes;
    for (const DefinitionTable& t : tables) {
        lignes.append("table " + t.nom);
        for (const DefinitionChamp& c : t.champs)
            lignes.append(ligneChamp(t.nom, c.nom, nomType(c.type, c.type == TypeChamp::Texte ? c.taille : 0), c.defaut));
        for (const DefinitionIndex& i : t.index)
            lignes.append(ligneIndex(t.nom + u'_' + i.nom, i.unique, i.champs));
    }
    lignes.sort();
    return lignes;
}

QStringList contenu(BaseDonnees& base)
{
    QStringList lignes;
    for (const QString& table : base.tables()) {
        QStringList colonnes = base.champs(table);
        colonnes.sort(Qt::CaseInsensitive);
        QStringList expressions;
        for (const QString& c : colonnes)
            expressions.append(QStringLiteral("quote(%1) || ':' || typeof(%1)").arg(identifiant(c)));
        for (const Ligne& l : base.selectionne(QStringLiteral("SELECT %1 FROM %2").arg(expressions.join(u','), identifiant(table)))) {
            QStringList valeurs;
            for (int i = 0; i < l.nombreChamps(); ++i)
                valeurs.append(colonnes.at(i) + u'=' + l.valeur(i).toString());
            lignes.append(table + " | " + valeurs.join(" | "));
        }
    }
    lignes.sort();
    return lignes;
}

QStringList noms(const char* liste)
{
    QStringList resultat;
    for (const QString& mot : QString::fromUtf8(liste).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype points = mot.indexOf("..");
        if (points < 0) {
            resultat.append(mot);
            continue;
        }
        const qsizetype debut = mot.lastIndexOf(u'_', points) + 1;
        for (int i = mot.mid(debut, points - debut).toInt(); i <= mot.mid(points + 2).toInt(); ++i)
            resultat.append(mot.left(debut) + QString::number(i));
    }
    return resultat;
}

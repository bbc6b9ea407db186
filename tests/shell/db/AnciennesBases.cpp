#include "AnciennesBases.h"
#include "shell/db/SchemaPerso.h"

namespace {

// Ce que chaque version a apporté : le champ (ou la table entière, champ vide) apparaît dans les
// fichiers dont la version dépasse ce numéro. Tenu ici d'après l'histoire des fichiers, sans
// reprendre le code de la mise à niveau.
struct Apport
{
    int etape;
    const char* table;
    const char* champ;
};

constexpr Apport kApports[] = {
    {1, "Objets", "Portee"},
    {2, "Personnage", "Domaine_1"},
    {2, "Personnage", "Domaine_2"},
    {2, "Personnage", "Domaine_3"},
    {2, "Personnage", "BackGround"},
    {2, "Personnage", "Histoire"},
    {2, "Personnage", "Ecole_interdite_1"},
    {2, "Personnage", "Ecole_interdite_2"},
    {3, "SortPersonnage", "Niveau"},
    {5, "Personnage", "Classe_4"},
    {5, "Personnage", "Classe_5"},
    {5, "Personnage", "Classe_6"},
    {5, "Personnage", "Niv_4"},
    {5, "Personnage", "Niv_5"},
    {5, "Personnage", "Niv_6"},
    {5, "Personnage", "Archetype"},
    {7, "Objets", "Description"},
    {7, "Objets", "Solidite"},
    {7, "Objets", "Resistance"},
    {8, "Personnage", "TotalPo"},
    {8, "Personnage", "TotalXP"},
    {8, "Personnage", "Profession_1"},
    {8, "Personnage", "Profession_2"},
    {8, "Personnage", "Profession_3"},
    {8, "Personnage", "Profession_4"},
    {8, "Personnage", "Artisanat_1"},
    {8, "Personnage", "Artisanat_2"},
    {8, "Personnage", "Artisanat_3"},
    {8, "Personnage", "EnergieElu_1"},
    {8, "Personnage", "EnergieElu_2"},
    {8, "Personnage", "EnergieElu_3"},
    {8, "Personnage", "EnergieSorcier_1"},
    {8, "Personnage", "EnergieSorcier_2"},
    {8, "Personnage", "ElementWujen"},
    {8, "Personnage", "EnnemisJures"},
    {8, "Capacites", ""},
    {9, "Version", "Objets"},
    {11, "Donsperso", ""},
    {12, "Personnage", "Image"},
    {13, "Objets", "CHARGE"},
    {13, "Equipement", "CHARGE"},
    {13, "Equipement", "SurPersonnage"},
    {13, "Equipement", "Multiple"},
    {17, "Personnage", "Domaine_4"},
    {17, "Personnage", "Ecole_interdite_3"},
    {17, "Personnage", "Ecole_interdite_4"},
    {17, "Personnage", "Classe_7"},
    {17, "Personnage", "Classe_8"},
    {17, "Personnage", "Niv_7"},
    {17, "Personnage", "Niv_8"},
    {18, "Personnage", "DragonTotem"},
    {19, "SortListe", ""},
    {20, "Personnage", "ElementShugenja"},
    {20, "Personnage", "OrdreShugenja"},
};

// Vrai quand l'élément existait déjà dans un fichier de cette version.
bool present(int version, const QString& table, const QString& champ = {})
{
    for (const Apport& a : kApports)
        if (table == QLatin1String(a.table) && champ == QString::fromUtf8(a.champ))
            return a.etape < version;
    return true;
}

QString ligneChamp(const QString& table, const QString& champ, const QString& type, const QString& defaut)
{
    return QStringLiteral("champ %1.%2 %3%4").arg(table, champ, type, defaut.isEmpty() ? QString() : QStringLiteral(" défaut ") + defaut);
}

QString ligneIndex(const QString& nom, bool unique, const QStringList& colonnes)
{
    return QStringLiteral("index %1%2 (%3)").arg(nom, unique ? QStringLiteral(" unique") : QString(), colonnes.join(u','));
}

} // namespace

QString nomType(TypeChamp type, int taille)
{
    switch (type) {
    case TypeChamp::Texte:
        return QStringLiteral("Texte(%1)").arg(taille > 0 ? taille : 255);
    case TypeChamp::Entier:
        return QStringLiteral("Entier");
    case TypeChamp::Long:
        return QStringLiteral("Long");
    case TypeChamp::Double:
        return QStringLiteral("Double");
    case TypeChamp::Booleen:
        return QStringLiteral("Booleen");
    case TypeChamp::Date:
        return QStringLiteral("Date");
    case TypeChamp::Memo:
        return QStringLiteral("Memo");
    }
    return {};
}

std::unique_ptr<BaseDonnees> baseEssai(const DossierTest& dossier, const QString& nom)
{
    auto base = baseVide(dossier, nom);
    base->execute(QStringLiteral("PRAGMA synchronous = OFF"));
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
        DefinitionTable v{QStringLiteral("Version"), {entier(QStringLiteral("Version")), date(QStringLiteral("DateModif"))}, {}};
        if (present(version, v.nom, QStringLiteral("Objets")))
            v.champs.append(entier(QStringLiteral("Objets")));
        base.creeTable(v);
        ajoutePresent(base, v.nom,
                      {{QStringLiteral("Version"), version}, {QStringLiteral("DateModif"), QStringLiteral("2001-02-03")},
                       {QStringLiteral("Objets"), 34}});
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
    programme.creeTable(
        {QStringLiteral("Objets"),
         {texte(QStringLiteral("NomObjet")), reel(QStringLiteral("PoidsBase")), entier(QStringLiteral("ClasseArmure")),
          texte(QStringLiteral("TypeCa"), 50), entier(QStringLiteral("EchecSortProfane")),
          entier(QStringLiteral("PenaliteArmure")), entier(QStringLiteral("BonusDexMax")),
          texte(QStringLiteral("GroupeObjet"), 50), texte(QStringLiteral("Taille"), 50), texte(QStringLiteral("Type"), 50),
          texte(QStringLiteral("DegatDes"), 50), texte(QStringLiteral("ZoneCritique"), 50), texte(QStringLiteral("MultCrit"), 50),
          reel(QStringLiteral("Portee")), reel(QStringLiteral("CoutTotal")), memo(QStringLiteral("Description")),
          entier(QStringLiteral("Solidite")), entier(QStringLiteral("Resistance")), entier(QStringLiteral("CHARGE"))},
         {{QStringLiteral("PrimaryKey"), {QStringLiteral("NomObjet")}, true}}});
    programme.creeTable({QStringLiteral("ObjetsPropriete"),
                         {texte(QStringLiteral("NomObjet")), texte(QStringLiteral("Type"), 50), entier(QStringLiteral("Place")),
                          texte(QStringLiteral("propriete_1")), texte(QStringLiteral("propriete_2")),
                          texte(QStringLiteral("propriete_3")), texte(QStringLiteral("valeur"), 50)},
                         {{QStringLiteral("index1"), {QStringLiteral("NomObjet")}, false}}});
    programme.creeTable({QStringLiteral("Dons"),
                         {texte(QStringLiteral("Nom")), texte(QStringLiteral("Type"), 50), reel(QStringLiteral("version")),
                          texte(QStringLiteral("Genre")), texte(QStringLiteral("Source")), memo(QStringLiteral("Résumé")),
                          memo(QStringLiteral("Explication")), texte(QStringLiteral("Caracteristique"), 50),
                          booleen(QStringLiteral("prive")), booleen(QStringLiteral("liearme")),
                          booleen(QStringLiteral("Multiple")), booleen(QStringLiteral("epique")),
                          booleen(QStringLiteral("pouvoir")), booleen(QStringLiteral("tare")), booleen(QStringLiteral("trait"))},
                         {{QStringLiteral("nom"), {QStringLiteral("Nom")}, true}}});
    programme.creeTable({QStringLiteral("ChangeNomRace"),
                         {texte(QStringLiteral("OldRace"), 50), texte(QStringLiteral("NewRace"), 50)},
                         {{QStringLiteral("OldRace"), {QStringLiteral("OldRace")}, true}}});

    const auto objet = [&](const QString& nom, const QString& groupe, double cout, const QVariantMap& autres) {
        QVariantMap champs = autres;
        champs.insert(QStringLiteral("NomObjet"), nom);
        champs.insert(QStringLiteral("GroupeObjet"), groupe.isEmpty() ? QVariant() : groupe);
        champs.insert(QStringLiteral("CoutTotal"), cout);
        programme.ajoute(QStringLiteral("Objets"), champs);
    };
    objet(QStringLiteral("Épée longue"), QStringLiteral("Epée"), 15,
          {{QStringLiteral("PoidsBase"), 2}, {QStringLiteral("Type"), QStringLiteral("Tranchant")},
           {QStringLiteral("DegatDes"), QStringLiteral("1d8")}, {QStringLiteral("ZoneCritique"), QStringLiteral("19")},
           {QStringLiteral("MultCrit"), QStringLiteral("2")}, {QStringLiteral("Description"), QStringLiteral("Lame droite")},
           {QStringLiteral("Solidite"), 10}, {QStringLiteral("Resistance"), 5}});
    objet(QStringLiteral("Dague"), QStringLiteral("Dague"), 2,
          {{QStringLiteral("Portee"), 3}, {QStringLiteral("DegatDes"), QStringLiteral("1d4")}});
    objet(QStringLiteral("Corde"), QStringLiteral("AUTRE"), 1, {});
    objet(QStringLiteral("Anneau de protection +1"), QStringLiteral("Anneau"), 2000,
          {{QStringLiteral("CHARGE"), 3}, {QStringLiteral("ClasseArmure"), 1}});

    const auto propriete = [&](const QString& nom, const QString& p1, const QString& p2, const QString& p3,
                               const QString& valeur) {
        programme.ajoute(QStringLiteral("ObjetsPropriete"),
                         {{QStringLiteral("NomObjet"), nom}, {QStringLiteral("propriete_1"), p1},
                          {QStringLiteral("propriete_2"), p2}, {QStringLiteral("propriete_3"), p3},
                          {QStringLiteral("valeur"), valeur}});
    };
    propriete(QStringLiteral("Anneau de protection +1"), QStringLiteral("Bonus Classe Armure"), QStringLiteral("Parade"), {},
              QStringLiteral("1"));
    propriete(QStringLiteral("Épée longue"), QStringLiteral("Bonus Caracteristique"), QStringLiteral("Force"),
              QStringLiteral("Alteration"), QStringLiteral("2"));
    propriete(QStringLiteral("Dague"), QStringLiteral("Résistance au feu"), {}, {}, QStringLiteral("5"));
    propriete(QStringLiteral("Dague"), QStringLiteral("Bonus Competence"), QStringLiteral("Discrétion"),
              QStringLiteral("Aptitude"), QStringLiteral("1"));
    // Même objet écrit dans une autre casse.
    propriete(QStringLiteral("dague"), QStringLiteral("Bonus Don"), QStringLiteral("Science du critique"), {},
              QStringLiteral("1"));
    // Propriétés d'aucun objet du programme, dont une au nom d'un objet propre au joueur.
    propriete(QStringLiteral("Bâton du vieux"), QStringLiteral("Bonus Caracteristique"), QStringLiteral("Sagesse"),
              QStringLiteral("Alteration"), QStringLiteral("4"));
    propriete(QStringLiteral("Objet disparu"), QStringLiteral("Bonus Don"), QStringLiteral("Vigilance"), {},
              QStringLiteral("1"));

    programme.ajoute(QStringLiteral("Dons"), {{QStringLiteral("Nom"), QStringLiteral("Attaque en puissance")},
                                              {QStringLiteral("Type"), QStringLiteral("Général")},
                                              {QStringLiteral("Explication"), QStringLiteral("Texte du programme")},
                                              {QStringLiteral("Multiple"), false}});
    programme.ajoute(QStringLiteral("ChangeNomRace"), {{QStringLiteral("OldRace"), QStringLiteral("Gnome des profondeurs")},
                                                       {QStringLiteral("NewRace"), QStringLiteral("Svirfnebelin")}});
    programme.ajoute(QStringLiteral("ChangeNomRace"), {{QStringLiteral("OldRace"), QStringLiteral("Demi-Orque")},
                                                       {QStringLiteral("NewRace"), QStringLiteral("Demi-orque")}});
    transaction.valide();
}

QStringList dispositionLue(BaseDonnees& base)
{
    QStringList lignes;
    for (const QString& table : base.tables()) {
        lignes.append(QStringLiteral("table ") + table);
        for (const Ligne& c : base.selectionne(QStringLiteral("SELECT name, type, dflt_value FROM pragma_table_info(?)"), {table})) {
            int taille = 0;
            const TypeChamp type = typeDepuisDeclare(c.texte(QStringLiteral("type")), &taille);
            lignes.append(ligneChamp(table, c.texte(QStringLiteral("name")), nomType(type, taille),
                                     c.texte(QStringLiteral("dflt_value"))));
        }
        for (const Ligne& i : base.selectionne(
                 QStringLiteral("SELECT name, \"unique\" AS seul FROM pragma_index_list(?) WHERE origin = 'c'"), {table})) {
            QStringList colonnes;
            for (const Ligne& c : base.selectionne(QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"),
                                                   {i.valeur(QStringLiteral("name"))}))
                colonnes.append(c.texte(QStringLiteral("name")));
            lignes.append(ligneIndex(i.texte(QStringLiteral("name")), i.booleen(QStringLiteral("seul")), colonnes));
        }
    }
    lignes.sort();
    return lignes;
}

QStringList dispositionDecrite(const QVector<DefinitionTable>& tables)
{
    QStringList lignes;
    for (const DefinitionTable& t : tables) {
        lignes.append(QStringLiteral("table ") + t.nom);
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
            lignes.append(table + QStringLiteral(" | ") + valeurs.join(QStringLiteral(" | ")));
        }
    }
    lignes.sort();
    return lignes;
}

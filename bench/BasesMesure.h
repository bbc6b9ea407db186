#pragma once
// Bases de personnages des mesures : deux personnages réalistes, puis 10 000 par clonage.
//   guerrier 20 : 20 objets portés, 40 dons ;
//   guerrier 4 / magicien 16 : compétences, 60 sorts connus, 20 préparés, capacités, 8 objets.
#include "shell/db/BaseDonnees.h"
#include "shell/db/SchemaPerso.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace basesmesure {

inline const QString kGuerrier = QStringLiteral("Brennos");
inline const QString kMagicien = QStringLiteral("Ysolde");

// Un objet porté par emplacement (le 19 reste vide) : le premier du catalogue du type voulu.
inline const char* const kTypesParPlace[] = {"Epée longue", "Armure", "Epée courte", "Anneau", "Amulette", "Anneau", "Ecu",
                                      "Heaume", "Cape", "Gants", "Ceinturon", "Flèches", "Bracelet", "Bottes", "Gilet",
                                      "Lunettes", "Divers", "Baguette", "Potion", nullptr, "Matériel de classe"};

inline void equipe(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, int places)
{
    for (int place = 0; place < places; ++place) {
        if (!kTypesParPlace[place])
            continue;
        const Ligne o = programme.premiere(
            QStringLiteral("select NomObjet from Objets where Type=? or GroupeObjet=? order by NomObjet desc"),
            {QString::fromUtf8(kTypesParPlace[place]), QString::fromUtf8(kTypesParPlace[place])});
        if (!o)
            continue;
        perso.ajoute(QStringLiteral("Equipement"),
                     {{QStringLiteral("Personnage"), nom}, {QStringLiteral("NomObjet"), o.texte(QStringLiteral("NomObjet"))},
                      {QStringLiteral("Pos"), place + 1}, {QStringLiteral("Place"), place},
                      {QStringLiteral("SurPersonnage"), true}});
    }
}

inline void ajouteNiveau(BaseDonnees& perso, const QString& nom, int niveau, const QString& classe, int niv, int pv,
                  const QString& competence)
{
    QVariantMap ligne{{QStringLiteral("Nom"), nom},     {QStringLiteral("Niveau"), niveau},
                      {QStringLiteral("Classe"), classe}, {QStringLiteral("PV"), pv},
                      {QStringLiteral("niv"), niv},       {QStringLiteral("Competence"), competence}};
    if (niveau == 1) {
        const int caracs[] = {14, 14, 14, 17, 12, 10};
        int i = 0;
        for (const char* c : {"For", "Dex", "Con", "Int", "Sag", "Cha"})
            ligne.insert(QLatin1String(c), caracs[i++]);
    }
    perso.ajoute(QStringLiteral("PersonnageProgression"), ligne);
}

inline void ajouteDons(BaseDonnees& perso, BaseDonnees& programme, const QString& nom, const QString& classe, int nombre)
{
    const auto dons = programme.selectionne(
        QStringLiteral("select Nom from Dons where Genre='Guerrier' or Genre='Général' order by Nom limit ?"), {nombre});
    int i = 0;
    for (const Ligne& d : dons) {
        const int niv = 1 + i++ / 2;
        perso.ajoute(QStringLiteral("PersonnageDons"),
                     {{QStringLiteral("Nom"), nom}, {QStringLiteral("Niveau"), niv}, {QStringLiteral("Classe"), classe},
                      {QStringLiteral("dons"), d.texte(QStringLiteral("Nom"))}, {QStringLiteral("niv"), niv}});
    }
}

inline void creeGuerrier(BaseDonnees& perso, BaseDonnees& programme)
{
    perso.ajoute(QStringLiteral("Personnage"), {{QStringLiteral("Nom"), kGuerrier}, {QStringLiteral("RACE"), QStringLiteral("Humain")},
                                                {QStringLiteral("Classe_1"), QStringLiteral("Guerrier")}, {QStringLiteral("Niv_1"), 20}});
    for (int niv = 1; niv <= 20; ++niv)
        ajouteNiveau(perso, kGuerrier, niv, QStringLiteral("Guerrier"), niv, 10, {});
    ajouteDons(perso, programme, kGuerrier, QStringLiteral("Guerrier"), 40);
    equipe(perso, programme, kGuerrier, 21);
}

inline void creeMagicien(BaseDonnees& perso, BaseDonnees& programme)
{
    const QString guerrier = QStringLiteral("Guerrier"), magicien = QStringLiteral("Magicien");
    perso.ajoute(QStringLiteral("Personnage"),
                 {{QStringLiteral("Nom"), kMagicien}, {QStringLiteral("RACE"), QStringLiteral("Elfe")},
                  {QStringLiteral("Classe_1"), guerrier}, {QStringLiteral("Niv_1"), 4},
                  {QStringLiteral("Classe_2"), magicien}, {QStringLiteral("Niv_2"), 16}});
    // Huit compétences achetées au premier niveau, puis un rang de chacune par niveau.
    const auto competences = programme.selectionne(QStringLiteral("select \"n°\" from Competence order by \"n°\" limit 8"));
    for (int niveau = 1; niveau <= 20; ++niveau) {
        QString achats;
        for (const Ligne& c : competences)
            achats += QStringLiteral("%1-%2-%2|").arg(c.entier(QStringLiteral("n°"))).arg(niveau == 1 ? 4 : 1);
        ajouteNiveau(perso, kMagicien, niveau, niveau <= 4 ? guerrier : magicien, niveau <= 4 ? niveau : niveau - 4,
                     niveau <= 4 ? 10 : 4, achats);
    }
    ajouteDons(perso, programme, kMagicien, guerrier, 12);
    // 60 sorts connus, du niveau 0 au niveau 8 ; les 20 premiers sont préparés.
    const auto sorts = programme.selectionne(
        QStringLiteral("select Nom, Magicien from Sort where Magicien is not null and Magicien <> '' and Magicien <= 8 "
                       "order by Magicien, Nom limit 60"));
    int n = 0;
    for (const Ligne& s : sorts) {
        const int niveau = s.entier(QStringLiteral("Magicien"));
        perso.ajoute(QStringLiteral("SortPersonnage"),
                     {{QStringLiteral("NomPerso"), kMagicien}, {QStringLiteral("NomSort"), s.texte(QStringLiteral("Nom"))},
                      {QStringLiteral("Niveau"), niveau}, {QStringLiteral("ClassePerso"), magicien}});
        if (n++ < 20)
            perso.ajoute(QStringLiteral("SortListe"),
                         {{QStringLiteral("NomPerso"), kMagicien}, {QStringLiteral("ClassePerso"), magicien},
                          {QStringLiteral("NomSort"), s.texte(QStringLiteral("Nom"))}, {QStringLiteral("Niveau"), niveau},
                          {QStringLiteral("EmplacementSort"), QStringLiteral("Niveau %1 n°%2").arg(niveau).arg(n)}});
    }
    for (const char* texte : {"Chat", "Évocation", "Feu", "Arme", "Ouïe"})
        perso.ajoute(QStringLiteral("Capacites"), {{QStringLiteral("Nom"), QStringLiteral("Choix")},
                                                  {QStringLiteral("Personnage"), kMagicien},
                                                  {QStringLiteral("Type"), QStringLiteral("Option")},
                                                  {QStringLiteral("Texte"), QString::fromUtf8(texte)}});
    equipe(perso, programme, kMagicien, 8);
}

// Chaque table de personnage et le champ qui porte le nom du personnage.
inline const std::pair<const char*, const char*> kTablesPerso[] = {
    {"Personnage", "Nom"},           {"PersonnageProgression", "Nom"}, {"PersonnageDons", "Nom"},
    {"Equipement", "Personnage"},    {"SortPersonnage", "NomPerso"},   {"SortListe", "NomPerso"},
    {"Capacites", "Personnage"}};

// Clone les deux personnages 4 999 fois (noms « Brennos 00001 »...) : 10 000 personnages en tout.
inline void multiplie(BaseDonnees& perso)
{
    Transaction t(perso);
    for (const auto& [table, champNom] : kTablesPerso) {
        QStringList colonnes, valeurs;
        for (const QString& c : perso.champs(QLatin1String(table))) {
            colonnes << identifiant(c);
            valeurs << (c == QLatin1String(champNom) ? QStringLiteral("%1 || printf(' %05d', n.i)").arg(identifiant(c))
                                                     : identifiant(c));
        }
        perso.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4999) "
                                     "INSERT INTO %1 (%2) SELECT %3 FROM %1 CROSS JOIN n WHERE %4 IN (?, ?)")
                          .arg(identifiant(QLatin1String(table)), colonnes.join(u','), valeurs.join(u','),
                               identifiant(QLatin1String(champNom))),
                      {kGuerrier, kMagicien});
    }
    t.valide();
}

// Crée à chemin une base neuve avec les deux personnages ; avec clones, 4 999 copies de chacun.
inline void creeBaseMesure(const QString& chemin, BaseDonnees& programme, bool clones)
{
    auto perso = BaseDonnees::cree(chemin);
    creeBasePersonnages(*perso, programme);
    {
        Transaction t(*perso);
        creeGuerrier(*perso, programme);
        creeMagicien(*perso, programme);
        t.valide();
    }
    if (clones)
        multiplie(*perso);
}

} // namespace basesmesure

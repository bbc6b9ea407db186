#!/usr/bin/env python3
"""Produit data/programme/Archetype.tsv, ArchetypeCompetence.tsv et ArchetypeEquipement.tsv.

Les archétypes (templates) du SRD, aux modificateurs fixes pour une créature de taille moyenne ;
ce qui dépend des dés de vie (réduction des dégâts, résistance à la magie) prend la valeur de la
tranche la plus courante et la progression de la résistance à la magie par niveau.

Usage : archetypes.py [--sortie data/programme]
"""
import argparse
import os

from dons import complete_competences, ecrit_tsv

ENTETE = (["Archetype", "Type"] + [f"SousType_{i}" for i in range(1, 6)] +
          ["taille", "AdjNiv", "FP", "For", "Dex", "Con", "Int", "Sag", "Cha", "Ca", "Reflexe", "Vigueur",
           "Volonte", "Competence", "Don", "Deplacement", "Deplacement_Air", "Deplacement_Eau",
           "Manoeuvrabilite", "Vision", "Vision_texte", "Resistance_degat", "Rd_texte", "Resistance_magie",
           "Progression_rm", "Resistance_acide", "Resistance_electricite", "Resistance_feu", "Resistance_froid",
           "Resistance_son"] + [f"don_{i}" for i in range(1, 13)] + ["TypesAcceptes", "Source", "Description"])

VIVANTS = "Aberration, Animal, Créature magique, Dragon, Fée, Géant, Humanoïde, Humanoïde monstrueux, Plante, Vermine"
CORPORELS = VIVANTS + ", Créature artificielle, Elémentaire, Extérieur, Vase"
MORT = ["Traits des morts-vivants"]
DISCRETION_PLUS_8 = ["Discrétion", "Perception auditive", "Déplacement silencieux", "Fouille", "Psychologie", "Détection"]


def A(nom, description, dons=(), competences=(), **champs):
    ligne = dict(Archetype=nom, Description=description, Source="Manuel des monstres", **champs)
    for i, d in enumerate(dons, 1):
        ligne[f"don_{i}"] = d
    ligne["_competences"] = list(competences)
    return ligne


def garou(nom, animal, description):
    return A(nom, description, ["Vision nocturne", "Odorat", "Forme alternative", "Lycanthropie", "Empathie animale"],
             SousType_1="Métamorphe", AdjNiv=2, FP=2, Sag=2, Ca=2, Resistance_degat=5, Rd_texte="5/argent",
             Vision_texte="Vision nocturne, odorat", TypesAcceptes="Humanoïde, Géant")


ARCHETYPES = [
    A("Squelette", "Ossements animés par la nécromancie, sans esprit ni volonté, qui obéissent à leur créateur.",
      MORT + ["Science de l’initiative"], Type="Mort-vivant", Dex=2, Ca=2, Vision=18, Resistance_degat=5,
      Rd_texte="5/contondant", Resistance_froid=0, TypesAcceptes=CORPORELS),
    A("Zombi", "Cadavre animé, lent et sans esprit, qui ne peut faire qu'une action par round.",
      MORT + ["Robustesse"], Type="Mort-vivant", For=2, Dex=-2, Ca=2, Vision=18, Resistance_degat=5,
      Rd_texte="5/tranchant", TypesAcceptes=CORPORELS),
    A("Vampire", "Mort-vivant qui se nourrit du sang des vivants, redoute le soleil et l'eau courante, et peut prendre "
      "la forme d'une chauve-souris, d'un loup ou d'une brume.",
      MORT + ["Vigilance", "Esquive", "Attaques réflexes", "Science de l’initiative", "Réflexes surhumains ",
              "Drain d'énergie", "Absorption de sang", "Regard", "Guérison accélérée", "Changement de forme"],
      [(c, 8) for c in DISCRETION_PLUS_8 + ["Bluff"]],
      Type="Mort-vivant", AdjNiv=8, FP=2, For=6, Dex=4, Int=2, Sag=2, Cha=4, Ca=6, Vision=18,
      Resistance_degat=10, Rd_texte="10/argent et magie", Resistance_froid=10, Resistance_electricite=10,
      TypesAcceptes="Humanoïde, Humanoïde monstrueux"),
    A("Liche", "Lanceur de sorts qui a choisi la non-vie et caché son âme dans un phylactère.",
      MORT + ["Aura de peur"], [(c, 8) for c in DISCRETION_PLUS_8],
      Type="Mort-vivant", AdjNiv=4, FP=2, Int=2, Sag=2, Cha=2, Ca=5, Vision=18, Resistance_degat=15,
      Rd_texte="15/contondant et magie", TypesAcceptes="Humanoïde (lanceur de sorts de niveau 11 ou plus)"),
    A("Fantôme", "Esprit intangible d'un mort retenu par une tâche inachevée, qui hante les lieux de sa vie.",
      MORT, [(c, 8) for c in ["Discrétion", "Perception auditive", "Fouille", "Détection"]],
      Type="Mort-vivant", SousType_1="Intangible", AdjNiv=5, FP=2, Cha=4, Deplacement_Air=9,
      Manoeuvrabilite="Parfaite", Vision=18, TypesAcceptes="Aberration, Animal, Dragon, Géant, Humanoïde, "
      "Humanoïde monstrueux, Créature magique, Plante"),
    A("Demi-dragon", "Rejeton d'un vrai dragon et d'une autre créature, aux écailles et au souffle de son parent.",
      ["Vision nocturne", "Souffle", "Immunité sommeil"],
      Type="Dragon", AdjNiv=3, FP=2, For=8, Con=2, Int=2, Cha=2, Ca=4, Vision=18, Vision_texte="Vision nocturne",
      TypesAcceptes=VIVANTS),
    A("Demi-céleste", "Descendant d'un être céleste, d'une beauté surnaturelle et voué au bien.",
      ["Pouvoirs magiques", "Immunité contre le poison", "Sang Angélique (bonne)"],
      Type="Extérieur", SousType_1="Natif", AdjNiv=4, FP=1, For=4, Dex=2, Con=4, Int=2, Sag=4, Cha=4, Ca=1,
      Vision=18, Resistance_degat=5, Rd_texte="5/magie", Resistance_magie=10, Progression_rm=1,
      Resistance_acide=10, Resistance_froid=10, Resistance_electricite=10, TypesAcceptes=VIVANTS),
    A("Demi-fiélon", "Descendant d'un fiélon, marqué par des traits démoniaques et enclin au mal.",
      ["Pouvoirs magiques", "Immunité contre le poison", "Ailes"],
      Type="Extérieur", SousType_1="Natif", AdjNiv=4, FP=1, For=4, Dex=4, Con=2, Int=4, Cha=2, Ca=1,
      Vision=18, Resistance_degat=5, Rd_texte="5/magie", Resistance_magie=10, Progression_rm=1,
      Resistance_acide=10, Resistance_froid=10, Resistance_electricite=10, Resistance_feu=10,
      TypesAcceptes=VIVANTS),
    A("Céleste", "Créature des plans supérieurs, semblable aux créatures du plan matériel mais nimbée de lumière.",
      ["Châtiment du mal (Bien)"], SousType_1="Extraplanaire", AdjNiv=2, FP=1, Vision=18, Resistance_degat=5,
      Rd_texte="5/magie", Resistance_magie=5, Progression_rm=1, Resistance_acide=5, Resistance_froid=5,
      Resistance_electricite=5, TypesAcceptes=CORPORELS),
    A("Fiélon", "Créature des plans inférieurs, semblable aux créatures du plan matériel mais aux traits sinistres.",
      ["Châtiment du bien (fiélon)"], SousType_1="Extraplanaire", AdjNiv=2, FP=1, Vision=18, Resistance_degat=5,
      Rd_texte="5/magie", Resistance_magie=5, Progression_rm=1, Resistance_froid=5, Resistance_feu=5,
      TypesAcceptes=CORPORELS),
    garou("Loup-garou", "loup", "Humanoïde maudit qui se change en loup ou en hybride les nuits de pleine lune."),
    garou("Ours-garou", "ours", "Humanoïde qui se change en ours brun, souvent protecteur des forêts."),
    garou("Rat-garou", "rat", "Humanoïde sournois qui se change en rat sanguinaire, fréquent dans les égouts."),
    garou("Sanglier-garou", "sanglier", "Humanoïde irascible qui se change en sanglier."),
    garou("Tigre-garou", "tigre", "Humanoïde qui se change en tigre, chasseur fier et solitaire."),
]

# Traits propres aux archétypes, ajoutés au fichier des traits raciaux par dons.py.
TRAITS_ARCHETYPES = ["Châtiment du mal (Bien)", "Châtiment du bien (fiélon)"]


# Armes naturelles que l'archétype donne à une créature de taille M (objets du catalogue,
# dés d'une créature moyenne) ; les attaques de contact (liche, fantôme) ne sont pas des objets.
ARMES_NATURELLES = [
    ("Demi-dragon", "Griffe", 2), ("Demi-dragon", "Morsure", 1),
    ("Demi-fiélon", "Griffe", 2), ("Demi-fiélon", "Morsure", 1),
    ("Loup-garou", "Morsure", 1),
    ("Ours-garou", "Griffe (1d6)", 2), ("Ours-garou", "Morsure (1d8)", 1),
    ("Rat-garou", "Morsure (1d4)", 1),
    ("Sanglier-garou", "Corne (1d8)", 1),
    ("Squelette", "Griffe", 2),
    ("Tigre-garou", "Griffe (1d8)", 2), ("Tigre-garou", "Morsure (1d8)", 1),
    ("Vampire", "Coup (1d6)", 1),
    ("Zombi", "Coup (1d6)", 1),
]


def main():
    racine = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    p = argparse.ArgumentParser()
    p.add_argument("--sortie", default=os.path.join(racine, "data", "programme"))
    args = p.parse_args()
    lignes, competences = [], []
    for a in ARCHETYPES:
        for nom, modif in a.pop("_competences"):
            competences.append({"Classe": a["Archetype"], "NOM": nom, "modif": modif})
        for cle in ("Competence", "Don", "Reflexe", "Vigueur", "Volonte"):
            a.setdefault(cle, 0)
        lignes.append(a)
    complete_competences(competences, args.sortie)
    ecrit_tsv(os.path.join(args.sortie, "Archetype.tsv"), ENTETE, lignes, ["Archetype"])
    ecrit_tsv(os.path.join(args.sortie, "ArchetypeCompetence.tsv"),
              ["Classe", "NOM", "carac1", "modif", "innee", "Rang", "Texte", "n°"], competences, ["Classe", "NOM"])
    equipement = [{"Archetype": a, "objet": o, "Multiple": n} for a, o, n in ARMES_NATURELLES]
    ecrit_tsv(os.path.join(args.sortie, "ArchetypeEquipement.tsv"), ["Archetype", "objet", "Multiple"], equipement,
              ["Archetype", "objet"])


if __name__ == "__main__":
    main()

"""Listes courtes (vocabulaires) de la base du programme : écrites ici, triées par nom."""
import csv
import glob
import os

from tsv_srd import DONNEES, cle_tri, ecrit_tsv

ALIGNEMENTS = [  # nom, code, description
    ("LOYAL BON", "LB", "Agit avec compassion et honneur, dans le respect de l'ordre."),
    ("NEUTRE BON", "NB", "Fait le bien sans attachement particulier aux règles."),
    ("CHAOTIQUE BON", "CB", "Fait le bien en suivant sa conscience plutôt que les lois."),
    ("LOYAL NEUTRE", "LN", "Suit la loi, la tradition ou un code personnel avant tout."),
    ("NEUTRE", "N", "Ni penchant pour le bien ou le mal, ni pour l'ordre ou le chaos."),
    ("CHAOTIQUE NEUTRE", "CN", "Suit ses envies et tient à sa liberté par-dessus tout."),
    ("LOYAL MAUVAIS", "LM", "Prend méthodiquement ce qu'il veut, dans les limites d'un code."),
    ("NEUTRE MAUVAIS", "NM", "Fait ce qui lui profite, sans scrupule ni fidélité."),
    ("CHAOTIQUE MAUVAIS", "CM", "Suit sa cupidité, sa haine ou sa soif de destruction."),
]

TAILLES = ["Infime", "Minuscule", "Très petite", "Petite", "Moyenne", "Grande", "Très grande", "Gigantesque", "Colossale"]

LANGUES = [  # langue, alphabet, locuteurs
    ("Abyssal", "Infernal", "Démons, extérieurs chaotiques mauvais"), ("Aérien", "Draconien", "Créatures de l'air"),
    ("Aquatique", "Elfique", "Créatures de l'eau"), ("Céleste", "Céleste", "Extérieurs bons"),
    ("Commun", "Commun", "Humains, demi-elfes, demi-orques"), ("Commun des profondeurs", "Elfique", "Drows, peuples souterrains"),
    ("Draconien", "Draconien", "Dragons, kobolds, hommes-lézards"), ("Druidique", "Druidique", "Druides seulement"),
    ("Elfique", "Elfique", "Elfes"), ("Géant", "Nain", "Géants, ogres"), ("Gnoll", "Commun", "Gnolls"),
    ("Gnome", "Nain", "Gnomes"), ("Gobelin", "Nain", "Gobelins, hobgobelins, gobelours"),
    ("Halfelin", "Commun", "Halfelins"), ("Igné", "Draconien", "Créatures du feu"),
    ("Infernal", "Infernal", "Diables, extérieurs loyaux mauvais"), ("Nain", "Nain", "Nains"),
    ("Orque", "Nain", "Orques"), ("Sylvestre", "Elfique", "Dryades, créatures des bois"),
    ("Terreux", "Nain", "Créatures de la terre"),
]

ARTISANATS = ["Alchimie", "Calligraphie", "Cordonnerie", "Construction navale", "Fabrication d'arcs",
              "Fabrication d'armes", "Fabrication d'armures", "Fabrication de pièges", "Forge", "Joaillerie",
              "Maroquinerie", "Menuiserie", "Peinture", "Poterie", "Reliure", "Sculpture", "Serrurerie",
              "Taille de pierre", "Tissage"]
PROFESSIONS = ["Apothicaire", "Aubergiste", "Batelier", "Berger", "Boulanger", "Brasseur", "Bûcheron", "Chasseur",
               "Cocher", "Comptable", "Cuisinier", "Ecuyer", "Fermier", "Guide", "Herboriste", "Ingénieur de siège",
               "Marchand", "Marin", "Meunier", "Mineur", "Palefrenier", "Pêcheur", "Sage-femme", "Scribe", "Tanneur"]
ENERGIES = ["Acide", "Electricité", "Feu", "Froid", "Son"]
# Ce qui passe une réduction des dégâts (« 5/magie ») : cibles de la propriété « Résistance aux dégats ».
REDUCTIONS = ["-", "Adamantium", "Argent", "Bien", "Chaos", "Contondant", "Épique", "Fer froid", "Loi", "Magie", "Mal",
              "Perforant", "Tranchant"]
ELEMENTS = ["Air", "Bois", "Eau", "Feu", "Métal", "Terre"]
DRAGONS = [("Dragon blanc", "Froid"), ("Dragon bleu", "Electricité"), ("Dragon noir", "Acide"), ("Dragon rouge", "Feu"),
           ("Dragon vert", "Acide"), ("Dragon d'airain", "Feu"), ("Dragon d'argent", "Froid"),
           ("Dragon de bronze", "Electricité"), ("Dragon de cuivre", "Acide"), ("Dragon d'or", "Feu")]
CHEVEUX = ["Auburn", "Blancs", "Blonds", "Bruns", "Châtains", "Gris", "Noirs", "Roux", "Rasés"]
YEUX = ["Ambre", "Bleus", "Gris", "Marron", "Noirs", "Noisette", "Rouges", "Verts", "Violets"]
PROFILS = [("Aventurier", "Cherche la gloire et la fortune au-delà des routes connues."),
           ("Erudit", "Vit pour le savoir, les livres et les secrets anciens."),
           ("Mercenaire", "Vend son épée au plus offrant."),
           ("Noble déchu", "A perdu rang et fortune et veut les reprendre."),
           ("Pèlerin", "Voyage au service de sa foi."),
           ("Vagabond", "N'a ni attache ni foyer.")]
TERRAINS = [(n, "Terrain") for n in ["Aquatique", "Collines", "Déserts", "Forêts", "Marécages", "Montagnes", "Plaines", "Souterrains"]] + \
           [(n, "Planaire") for n in ["Aligné", "Astral", "Ethéré", "Flambant", "Froid", "Instable", "Sans gravité"]]
GRAND_ARCANE = [("Allonge profane", "Lance à 9 m un sort de contact."),
                ("Feu profane", "Change un sort préparé en rayon de feu profane."),
                ("Maîtrise des éléments", "Change le type d'énergie d'un sort."),
                ("Maîtrise du contresort", "Contre un sort en renvoyant l'effet à son lanceur."),
                ("Maîtrise du façonnage", "Ménage des trous dans la zone d'un sort."),
                ("Pouvoir magique", "Un sort connu devient un pouvoir magique."),
                ("Puissance des sorts +1", "+1 au niveau de lanceur pour vaincre la résistance à la magie et aux DD.")]
MUTATIONS = ["Doigts collants", "Mains palmées", "Peau huileuse", "Queue", "Yeux globuleux", "Yeux segmentés"]
TYPES = ["Aberration", "Animal", "Créature artificielle", "Créature magique", "Dragon", "Elémentaire", "Fée", "Géant",
         "Humanoïde monstrueux", "Mort-vivant", "Plante", "Vase", "Vermine"]
ENNEMIS = TYPES + ["Humanoïde (%s)" % s for s in ["aquatique", "elfe", "gnoll", "gnome", "gobelinoïde", "halfelin",
                                                   "humain", "nain", "orque", "reptilien"]] + \
          ["Extérieur (%s)" % s for s in ["air", "bien", "chaos", "eau", "feu", "loi", "mal", "natif", "terre"]]
CARACTERISTIQUES = [
    ("Force", "Puissance physique : attaque et dégâts au corps à corps, charge transportable."),
    ("Dextérité", "Agilité et réflexes : CA, attaques à distance, jets de Réflexes."),
    ("Constitution", "Santé et endurance : points de vie, jets de Vigueur."),
    ("Intelligence", "Raisonnement et mémoire : points de compétence, langues, sorts des magiciens."),
    ("Sagesse", "Volonté et perception : jets de Volonté, sorts des prêtres et des druides."),
    ("Charisme", "Force de personnalité : relations, renvoi des morts-vivants, sorts des ensorceleurs."),
    ("Modificateurs", "Le modificateur d'une caractéristique vaut la moitié de (valeur - 10), arrondie à l'inférieur."),
]
TITRES = [  # nom, vécu, grade, sexe
    ("Chevalier", "Noblesse", 1, "Masculin"), ("Dame", "Noblesse", 1, "Féminin"),
    ("Baron", "Noblesse", 2, "Masculin"), ("Baronne", "Noblesse", 2, "Féminin"),
    ("Comte", "Noblesse", 3, "Masculin"), ("Comtesse", "Noblesse", 3, "Féminin"),
    ("Duc", "Noblesse", 4, "Masculin"), ("Duchesse", "Noblesse", 4, "Féminin"),
    ("Apprenti", "Guilde", 1, "Tous"), ("Compagnon", "Guilde", 2, "Tous"), ("Maître artisan", "Guilde", 3, "Tous"),
    ("Novice", "Clergé", 1, "Tous"), ("Acolyte", "Clergé", 2, "Tous"), ("Grand prêtre", "Clergé", 3, "Tous"),
    ("Soldat", "Armée", 1, "Tous"), ("Sergent", "Armée", 2, "Tous"), ("Capitaine", "Armée", 3, "Tous"),
]


def noms(table, valeurs, champs=("Nom",)):
    lignes = [dict(zip(champs, v if isinstance(v, tuple) else (v,))) for v in valeurs]
    lignes.sort(key=lambda l: cle_tri(l[champs[0]]))
    ecrit_tsv(os.path.join(DONNEES, table + ".tsv"), list(champs), lignes)


def valeurs_dons(champ):
    """Valeurs distinctes d'un champ dans les sources de Dons (Genre, Source) : les listes les suivent."""
    vus = set()
    for chemin in glob.glob(os.path.join(DONNEES, "Dons", "*.tsv")):
        with open(chemin, encoding="utf-8", newline="") as f:
            for ligne in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
                if ligne.get(champ):
                    vus.add(ligne[champ])
    return vus


def main():
    lignes = [{"Nom": n, "ordre": i, "Code": c, "Description": d} for i, (n, c, d) in enumerate(ALIGNEMENTS, 1)]
    lignes.sort(key=lambda l: cle_tri(l["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Alignements.tsv"), ["Nom", "ordre", "Code", "Description"], lignes)
    noms("Alignement", [(n, c) for n, c, _ in ALIGNEMENTS], ("Nom", "Code"))
    noms("Taille", [(n, i) for i, n in enumerate(TAILLES, 1)], ("Nom", "ordre"))
    noms("Langue", LANGUES, ("Langue", "Alphabet", "Locuteurs"))
    noms("Artisanat", ARTISANATS)
    noms("Profession", PROFESSIONS)
    noms("Energie", ENERGIES)
    noms("Resistance", REDUCTIONS)
    noms("Element", ELEMENTS)
    noms("DragonTotem", DRAGONS, ("Nom", "Energie"))
    noms("Cheveux", CHEVEUX)
    noms("Yeux", YEUX)
    noms("Profil", PROFILS, ("Nom", "Description"))
    noms("Terrain", TERRAINS, ("Nom", "Type"))
    noms("GrandArcane", GRAND_ARCANE, ("Nom", "Description"))
    noms("Aberration", MUTATIONS)
    noms("EnnemiJure", ENNEMIS)
    noms("Caracteristiques", CARACTERISTIQUES, ("Nom", "Description"))
    noms("Titre", TITRES, ("Nom", "Vecu", "grade", "Sexe"))
    noms("Genre", sorted(valeurs_dons("Genre")))
    noms("Source", sorted(valeurs_dons("Source") | {"Dieux et demi-dieux", "Guide du maître", "Manuel des joueurs", "Manuel des monstres",
                                                "Manuel des niveaux épiques"}))


if __name__ == "__main__":
    main()

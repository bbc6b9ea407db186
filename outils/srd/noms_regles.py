"""Table des noms de règles que le code compare (data/NOMS-REGLES.tsv) et de la ligne qui porte chacun."""
import os

from capacites_classes import APTITUDES, DONS_EXISTANTS, PROGRESSIONS
from classes import CLASSES, TYPES
from competences import COMPETENCES
from tsv_srd import DONNEES, RACINE, cle_tri, ecrit_tsv

LIGNES = []


def porte(nom, usage, table, remarque=None):
    LIGNES.append({"Nom": nom, "Usage": usage, "Table": table, "Cle": nom, "Remarque": remarque})


def absent(nom, usage, remarque):
    LIGNES.append({"Nom": nom, "Usage": usage, "Table": None, "Cle": None, "Remarque": remarque})


def cles_tsv(*chemin):
    """Clés (première colonne) d'une source déjà écrite par son convertisseur."""
    with open(os.path.join(DONNEES, *chemin), encoding="utf-8") as f:
        return [ligne.split("\t", 1)[0] for ligne in f.read().splitlines()[1:]]


# Noms de races, d'archétypes et de familles que les règles comparent sans qu'une ligne les porte.
RACES_ABSENTES = [
    ("Nain d'or", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Nain d'écu", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Nain korobokuru", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Nain polaire", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Nain sauvage", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Urdunnir", "race hors SRD, non livrée ; les règles de vitesse la comptent parmi les nains"),
    ("Brixashulty", "race hors SRD, non livrée (Saut à la Dextérité)"),
    ("Serpent", "pas une race : toute race dont le nom contient « Serpent » grimpe à la Dextérité "
                "(« Serpent constricteur », « Serpent venimeux (vipère) »)"),
    ("Elfes Noirs", "ancien nom de race, renommé « Drow » à la mise à jour des personnages"),
    ("Haut-Elfes", "ancien nom de race, renommé « Elfe » à la mise à jour des personnages"),
]
TRAITS_ABSENTS = [
    ("Bonus aux jets de sauvegarde halfelin", "trait non livré : le +1 du halfelin à tous les jets de sauvegarde "
                                              "est dans Race.Reflexe, Race.Vigueur et Race.Volonte"),
    ("Bonus halfelin aux JP", "trait non livré : le +1 du halfelin à tous les jets de sauvegarde est dans "
                              "Race.Reflexe, Race.Vigueur et Race.Volonte"),
    ("Bonus nain JP sort 3", "variante hors SRD ; le nain du SRD porte « Bonus nain JP sort » (+2)"),
    ("Bonus JS genasi", "race hors SRD, non livrée"),
]
ARCHETYPES_ABSENTS = ["Pleureuse spectrale", "Revenant", "Reflet", "Altéré", "Déplorable", "Arachnoïde",
                      "Demi-minautore", "Créature draconique", "Saint", "Demi-fée", "Extraplanaire",
                      "Esprit incarné", "Perfection élémentaire", "Union mystique",
                      "Intangible"]
FAMILLES = ["Ame en peine", "Ange", "Archon", "Arrawak", "Barghest", "Slaad", "Dragon blanc", "Dragon bleu",
            "Dragon rouge", "Dragon vert", "Dragon noir", "Dragon d'airain", "Dragon d'argent", "Dragon de bronze",
            "Dragon de cuivre", "Dragon d'or"]


# Dons épiques que le catalogue des capacités, la liste des dons et la page des sorts comparent.
DONS_EPIQUES_COMPARES = [
    ("Force surhumaine", None), ("Dexterite surhumaine", None), ("Constitution surhumaine", None),
    ("Intelligence surhumaine", None), ("Sagesse surhumaine", None), ("Charisme surhumain", None),
    ("Emplacement de sort supplémentaire", None), ("Sort supplémentaire", None), ("Châtiment suprême", None),
    ("Science de la métamagie", None), ("Science du coup étourdissant", None),
    ("Frappe spectrale", "le catalogue vise l'aptitude du ninja (hors SRD) ; le don épique du même nom a un effet voisin"),
]
# « Rapidité aveuglante » du catalogue est une aptitude hors SRD (durée de la célérité féline) :
# le don épique Blinding Speed s'appelle « Vitesse aveuglante » pour ne pas en recevoir l'effet.


def noms_dons_epiques():
    deja = {l["Nom"] for l in LIGNES}
    epiques = set(cles_tsv("Dons", "dons-epiques.tsv"))
    for nom, remarque in DONS_EPIQUES_COMPARES:
        assert nom in epiques, nom
        if nom not in deja:
            porte(nom, "don épique lu par le catalogue des capacités, la liste des dons ou la page des sorts", "Dons",
                  remarque)
    absent("Rapidité aveuglante", "aptitude comparée par le catalogue des capacités",
           "aptitude hors SRD (célérité féline), non livrée ; le don épique voisin s'appelle « Vitesse aveuglante »")


def noms_races():
    for r in cles_tsv("Race.tsv"):
        porte(r, "nom de race (caractéristiques, vitesse, compétences, images, générateur)", "Race")
    for a in cles_tsv("Archetype.tsv"):
        porte(a, "archétype (type, taille, modificateurs, ajustement de niveau)", "Archetype")
    for t in cles_tsv("Dons", "traits-raciaux.tsv"):
        porte(t, "trait racial lu par le catalogue des capacités et la liste des dons", "Dons")
    for nom, remarque in RACES_ABSENTES:
        absent(nom, "nom de race comparé par les règles", remarque)
    for nom, remarque in TRAITS_ABSENTS:
        absent(nom, "trait racial comparé par le catalogue des capacités", remarque)
    for nom in ARCHETYPES_ABSENTS:
        absent(nom, "archétype comparé par les règles", "archétype hors SRD, non livré")
    for nom in FAMILLES:
        absent(nom, "famille de races pour l'image", "aucune race livrée de cette famille"
               if not any(r.startswith(nom + " ") for r in cles_tsv("Race.tsv"))
               else "famille : les races livrées portent un nom plus long (%s)"
               % ", ".join(r for r in cles_tsv("Race.tsv") if r.startswith(nom + " ")))


def main():
    for c in CLASSES:
        porte(c, "nom de classe (magie, dons de classe, générateur de ville, assistant)", "Classe")
    for t in TYPES:
        porte(t, "type de créature et classe des dés de vie raciaux", "Classe")
    for c in COMPETENCES:
        porte(c[0], "compétence (liste des compétences, synergies, répartition)", "Competence")
    noms_progression = {n for p in PROGRESSIONS.values() for ns in p.values() for n in ns}
    for a in sorted(noms_progression, key=cle_tri):
        porte(a, "aptitude de classe lue par la liste des dons et le catalogue des capacités", "Dons",
              None if a in APTITUDES else "don général porté par les sources de dons")
    for nom, remarque in [
        ("Rodeur", "la classe s'écrit « Rôdeur » ; le test de magie divine doit comparer à « Rôdeur »"),
        ("Ens/Mag", "aucune classe de ce nom : ensorceleur et magicien ont chacun leur colonne dans Sort et leur ListeSort"),
        ("Prêtre cloîtré", "variante hors SRD, non livrée"),
        ("Sœur de valarian", "classe hors SRD, non livrée"),
        ("Vassal de bahamut", "classe hors SRD, non livrée"),
        ("Champion de gwynharwyf", "classe hors SRD, non livrée"),
        ("Combattant de la nature", "classe hors SRD, non livrée"),
        ("Lion de Talisid", "classe hors SRD, non livrée"),
        ("Arcane hiérophante", "classe hors SRD, non livrée"),
        ("Shugenja", "classe hors SRD, non livrée"),
        ("Wujen", "classe hors SRD, non livrée"),
        ("Sorcier", "classe hors SRD, non livrée"),
        ("Mage de bataille", "classe hors SRD, non livrée"),
        ("Beguiler", "classe hors SRD, non livrée"),
        ("Chaman", "classe hors SRD, non livrée"),
        ("Maître de l'esprit", "classe hors SRD, non livrée"),
        ("Preux cavalier", "classe hors SRD, non livrée"),
        ("Spadassin", "classe hors SRD, non livrée"),
        ("Maître d'armes exotiques", "classe hors SRD, non livrée"),
        ("Ennemi privilégié +1", "le rôdeur gagne « Ennemi juré » ; ses ennemis sont dans Personnage.EnnemisJures"),
        ("sort_0..sort_9", "colonnes non créées : les sorts par jour sont s_n_0..s_n_9 de ClasseProgression "
                           "(s_c_0..s_c_9 : sorts connus) ; la page des sorts doit lire s_n_"),
        ("fp1/8..fp1/2", "colonnes d'Experience pour un FP inférieur à 1 : « fp1/ » suivi de l'arrondi de 1 / FP"),
    ]:
        absent(nom, "nom comparé par les règles", remarque)
    noms_races()
    noms_dons_epiques()
    ecrit_tsv(os.path.join(RACINE, "data", "NOMS-REGLES.tsv"), ["Nom", "Usage", "Table", "Cle", "Remarque"], LIGNES)


if __name__ == "__main__":
    main()

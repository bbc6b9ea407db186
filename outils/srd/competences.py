"""Compétences : la table Competence, une colonne par classe livrée (1 de classe, 0 hors classe),
depuis les listes de compétences de classe du SRD."""
import os
import re

from classes import CLASSES, TYPES
from tsv_srd import DONNEES, base_srd, cle_tri, ecrit_tsv

FOR, DEX, CON, INT, SAG, CHA = "Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"

# nom, nom SRD, caractéristique, formation nécessaire, malus d'armure, texte du test
COMPETENCES = [
    ("Acrobaties", "Tumble", DEX, True, True, "Rouler, bondir et passer près des adversaires sans provoquer d'attaque d'opportunité."),
    ("Art de la magie", "Spellcraft", INT, True, False, "Identifier un sort lancé ou un effet magique, déchiffrer un parchemin."),
    ("Artisanat 1", "Craft", INT, False, False, "Fabriquer des objets d'un artisanat choisi et en tirer un revenu."),
    ("Artisanat 2", "Craft", INT, False, False, "Fabriquer des objets d'un deuxième artisanat."),
    ("Artisanat 3", "Craft", INT, False, False, "Fabriquer des objets d'un troisième artisanat."),
    ("Bluff", "Bluff", CHA, False, False, "Faire croire un mensonge ou feinter en combat."),
    ("Concentration", "Concentration", CON, False, False, "Garder un sort malgré une blessure, une distraction ou l'incantation sur la défensive."),
    ("Connaissances (architecture)", "Knowledge (architecture and engineering)", INT, True, False, "Bâtiments, ponts, fortifications et leurs faiblesses."),
    ("Connaissances (explo souterre)", "Knowledge (dungeoneering)", INT, True, False, "Cavernes, souterrains, aberrations et vases."),
    ("Connaissances (géographie)", "Knowledge (geography)", INT, True, False, "Terres, peuples, climats et reliefs."),
    ("Connaissances (histoire)", "Knowledge (history)", INT, True, False, "Guerres, fondations, royaumes et personnages du passé."),
    ("Connaissances (local)", "Knowledge (local)", INT, True, False, "Légendes, personnalités, coutumes et lois d'une région ; humanoïdes."),
    ("Connaissances (mystères)", "Knowledge (arcana)", INT, True, False, "Magie, traditions profanes, symboles ; créatures artificielles, dragons, créatures magiques."),
    ("Connaissances (nature)", "Knowledge (nature)", INT, True, False, "Animaux, plantes, saisons et cycles ; fées, géants, vermine."),
    ("Connaissances (noblesse)", "Knowledge (nobility and royalty)", INT, True, False, "Lignées, héraldique, étiquette et personnalités nobles."),
    ("Connaissances (plans)", "Knowledge (the planes)", INT, True, False, "Plans d'existence, magie planaire ; Extérieurs et élémentaires."),
    ("Connaissances (religion)", "Knowledge (religion)", INT, True, False, "Dieux, rites, symboles sacrés ; morts-vivants."),
    ("Contrefaçon", "Forgery", INT, False, False, "Imiter un document ou en repérer un faux."),
    ("Crochetage", "Open Lock", DEX, True, False, "Ouvrir une serrure avec des outils de cambrioleur."),
    ("Décryptage", "Decipher Script", INT, True, False, "Comprendre un texte dans une langue ou une écriture inconnue."),
    ("Déguisement", "Disguise", CHA, False, False, "Prendre une autre apparence."),
    ("Déplacement silencieux", "Move Silently", DEX, False, True, "Se déplacer sans bruit."),
    ("Désamorçage/sabotage", "Disable Device", INT, True, False, "Désamorcer un piège ou saboter un mécanisme."),
    ("Détection", "Spot", SAG, False, False, "Voir ce qui est caché ou discret."),
    ("Diplomatie", "Diplomacy", CHA, False, False, "Améliorer l'attitude d'autrui, négocier."),
    ("Discrétion", "Hide", DEX, False, True, "Se cacher à la vue."),
    ("Dressage", "Handle Animal", CHA, True, False, "Diriger et dresser des animaux."),
    ("Equilibre", "Balance", DEX, False, True, "Garder l'équilibre sur une surface étroite ou glissante."),
    ("Equitation", "Ride", DEX, False, False, "Monter et diriger une monture, même en combat."),
    ("Escalade", "Climb", FOR, False, True, "Grimper à une paroi, une corde ou une pente."),
    ("Escamotage", "Sleight of Hand", DEX, True, True, "Vol à la tire, tours de passe-passe, cacher un petit objet."),
    ("Estimation", "Appraise", INT, False, False, "Évaluer le prix d'un objet."),
    ("Evasion", "Escape Artist", DEX, False, True, "Se libérer de liens, d'une étreinte ou passer par un passage étroit."),
    ("Fouille", "Search", INT, False, False, "Trouver des détails cachés, des pièges et des passages secrets."),
    ("Intimidation", "Intimidate", CHA, False, False, "Effrayer pour obtenir ce que l'on veut ou démoraliser un adversaire."),
    ("Langues", "Speak Language", None, True, False, "Parler et écrire une langue de plus par rang."),
    ("Maîtrise des cordes", "Use Rope", DEX, False, False, "Nœuds, épissures, ligoter quelqu'un."),
    ("Natation", "Swim", FOR, False, True, "Nager et plonger (malus d'armure doublé)."),
    ("Perception auditive", "Listen", SAG, False, False, "Entendre un bruit faible ou une conversation."),
    ("Premiers secours", "Heal", SAG, False, False, "Soigner, stabiliser un mourant, traiter poisons et maladies."),
    ("Profession 1", "Profession", SAG, True, False, "Exercer un métier et en tirer un revenu."),
    ("Profession 2", "Profession", SAG, True, False, "Exercer un deuxième métier."),
    ("Profession 3", "Profession", SAG, True, False, "Exercer un troisième métier."),
    ("Profession 4", "Profession", SAG, True, False, "Exercer un quatrième métier."),
    ("Psychologie", "Sense Motive", SAG, False, False, "Deviner une intention, déceler un bluff."),
    ("Renseignements", "Gather Information", CHA, False, False, "Recueillir rumeurs et informations dans une communauté."),
    ("Représentation (art oratoire)", "Perform", CHA, False, False, "Déclamation, conte, épopée."),
    ("Représentation (chant)", "Perform", CHA, False, False, "Chant, ballade, mélopée."),
    ("Représentation (comédie)", "Perform", CHA, False, False, "Théâtre, mime, bouffonnerie."),
    ("Représentation (danse)", "Perform", CHA, False, False, "Danse de toutes sortes."),
    ("Représentation (instruments)", "Perform", CHA, False, False, "Instruments à cordes, à vent, à clavier ou à percussion."),
    ("Représentation (Les autres)", "Perform", CHA, False, False, "Toute autre forme de spectacle."),
    ("Saut", "Jump", FOR, False, True, "Sauter en longueur ou en hauteur."),
    ("Survie", "Survival", SAG, False, False, "Vivre en pleine nature, s'orienter, suivre une piste."),
    ("Utilisation Objets magiques", "Use Magic Device", CHA, True, False, "Activer un objet magique sans remplir ses conditions."),
]

# Synergies sans condition : compétence -> compétences sources (5 rangs donnent +2)
SYNERGIES = {
    "Acrobaties": ["Saut"],
    "Art de la magie": ["Connaissances (mystères)"],
    "Connaissances (nature)": ["Survie"],
    "Diplomatie": ["Bluff", "Connaissances (noblesse)", "Psychologie"],
    "Equilibre": ["Acrobaties"],
    "Equitation": ["Dressage"],
    "Escamotage": ["Bluff"],
    "Intimidation": ["Bluff"],
    "Renseignements": ["Connaissances (local)"],
    "Saut": ["Acrobaties"],
}

# Dons qui ajoutent à une compétence : "don,bonus;"
DONS = {
    "Acrobaties": [("Acrobate", 2)], "Saut": [("Acrobate", 2)],
    "Equilibre": [("Agile", 2)], "Evasion": [("Agile", 2)],
    "Perception auditive": [("Vigilance", 2)], "Détection": [("Vigilance", 2)],
    "Dressage": [("Affinité avec les animaux", 2)], "Equitation": [("Affinité avec les animaux", 2)],
    "Escalade": [("Athlétisme", 2)], "Natation": [("Athlétisme", 2)],
    "Contrefaçon": [("Fourbe", 2)], "Déguisement": [("Fourbe", 2)],
    "Escamotage": [("Doigts de fée", 2)], "Maîtrise des cordes": [("Doigts de fée", 2)],
    "Estimation": [("Méticuleux", 2)], "Décryptage": [("Méticuleux", 2)],
    "Renseignements": [("Investigateur", 2)], "Fouille": [("Investigateur", 2)],
    "Art de la magie": [("Affinité magique", 2)], "Utilisation Objets magiques": [("Affinité magique", 2)],
    "Diplomatie": [("Négociateur", 2)], "Psychologie": [("Négociateur", 2)],
    "Désamorçage/sabotage": [("Doigts agiles", 2)], "Crochetage": [("Doigts agiles", 2)],
    "Bluff": [("Persuasion", 2)], "Intimidation": [("Persuasion", 2)],
    "Premiers secours": [("Autonome", 2)], "Survie": [("Autonome", 2)],
    "Discrétion": [("Discret", 2)], "Déplacement silencieux": [("Discret", 2)],
}
for _c in COMPETENCES:
    DONS.setdefault(_c[0], []).append(("Talent", 3))

# Le SRD écrit "Handle Animals" une fois.
SYNONYMES = {"Handle Animals": "Handle Animal"}


def competences_de_classe(texte):
    """Liste SRD -> noms SRD de base (Knowledge (x), Craft, Perform...)."""
    noms = set()
    for partie in re.split(r",\s*(?![^()]*\))", texte):
        partie = SYNONYMES.get(partie.strip().rstrip("."), partie.strip().rstrip("."))
        if partie.startswith("Knowledge (all"):
            noms.update(c[1] for c in COMPETENCES if c[1].startswith("Knowledge"))
        elif partie.startswith("Craft"):
            noms.add("Craft")
        elif partie.startswith("Speak Language"):
            noms.add("Speak Language")
        else:
            noms.add(partie)
    return noms


def main():
    srd = base_srd()
    anglais = {c[1] for c in COMPETENCES}
    colonnes = {}
    for nom, (srd_nom, *_reste) in CLASSES.items():
        texte = srd.execute("select class_skills from class where name=?", (srd_nom,)).fetchone()[0]
        if srd_nom == "Expert":  # l'expert choisit dix compétences : toutes lui sont offertes
            colonnes[nom] = anglais
            continue
        noms = competences_de_classe(texte)
        inconnus = noms - anglais
        assert not inconnus, (nom, inconnus)
        colonnes[nom] = noms

    ordre = sorted(COMPETENCES, key=lambda c: cle_tri(c[0]))
    lignes = []
    for numero, (nom, srd_nom, carac, formation, armure, test) in enumerate(COMPETENCES, 1):
        sources = SYNERGIES.get(nom, [])
        ligne = {"Nom": nom, "n°": numero, "carac1": carac, "innee": "N" if formation else "O",
                 "PenaliteArmure": armure, "synergie_comp": "".join(s + ";" for s in sources) or None,
                 "synergie_don": "".join("%s,%d;" % d for d in DONS.get(nom, [])) or None,
                 "indexalpha": ordre.index(next(c for c in COMPETENCES if c[0] == nom)),
                 "Source": "Manuel des joueurs", "Multiple": False, "liearme": False,
                 "Description": test, "Test": test,
                 "synergie": ("5 rangs dans " + ", ".join(sources) + " donnent +2.") if sources else None,
                 "restrictions": "Formation nécessaire : inutilisable sans rang." if formation else None,
                 "testinne": "Non." if formation else "Oui."}
        for classe in list(CLASSES) + list(TYPES):
            ligne[classe] = 1 if srd_nom in colonnes.get(classe, ()) else 0
        lignes.append(ligne)
    assert len(lignes) <= 61
    lignes.sort(key=lambda l: cle_tri(l["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Competence.tsv"),
              ["Nom", "n°", "carac1", "innee", "PenaliteArmure", "synergie_comp", "synergie_don", "indexalpha",
               "Source", "Multiple", "liearme", "Description", "Test", "synergie", "restrictions", "testinne"]
              + list(CLASSES) + list(TYPES), lignes)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Domaines divins (Domaines) et écoles de magie (Ecoles).

Les 36 domaines du SRD sous leur nom français, avec pouvoir accordé et description écrits par nous ;
leurs sorts passent par les colonnes de domaine de Sort (voir sorts.py).
Usage : python3 outils/srd/domaines.py  (écrit data/programme/Domaines.tsv et Ecoles.tsv)
"""
import os

from tsv_srd import DONNEES, cle_tri, ecrit_tsv

# Nom SRD -> (nom français, pouvoir accordé, description)
DOMAINES = {
    "Air": ("Air", "Repousse ou détruit les créatures de la Terre comme un prêtre bon les morts-vivants ; intimide, "
            "contrôle ou renforce les créatures de l'Air. Utilisable 3 + modificateur de Charisme fois par jour "
            "(surnaturel).", "Maîtrise des vents, des nuées et de la foudre."),
    "Animal": ("Animal", "Communication avec les animaux une fois par jour (pouvoir magique). Connaissances "
               "(nature) devient une compétence de classe.", "Lien avec les bêtes sauvages et leurs formes."),
    "Artifice": ("Artifice", "+4 aux tests d'Artisanat ; lance les sorts d'invocation (création) avec +1 niveau "
                 "de lanceur (+3 avec le domaine de la Création).", "Art des bâtisseurs et des artisans."),
    "Chaos": ("Chaos", "Lance les sorts du Chaos avec +1 niveau de lanceur.", "Liberté, changement et désordre."),
    "Charm": ("Charme", "Une fois par jour, action libre : +4 en Charisme pendant 1 minute.",
              "Séduction, persuasion et emprise sur les esprits."),
    "Community": ("Communauté", "Apaisement des émotions une fois par jour (pouvoir magique) ; +2 aux tests de "
                  "Diplomatie.", "Liens qui unissent familles, villages et peuples."),
    "Creation": ("Création", "Lance les sorts d'invocation (création) avec +2 niveaux de lanceur (+3 avec le domaine "
                 "de l'Artifice).", "Faire naître ce qui n'existait pas."),
    "Darkness": ("Ténèbres", "Don Combat en aveugle gratuit.", "Ombre, nuit et aveuglement."),
    "Death": ("Mort", "Contact mortel une fois par jour (surnaturel) : sur une attaque de contact réussie, 1d6 par "
              "niveau de prêtre ; si le total atteint les points de vie de la cible, elle meurt.",
              "Fin de toute vie et ce qui vient après."),
    "Destruction": ("Destruction", "Châtiment une fois par jour (surnaturel) : une attaque au corps à corps à +4, "
                    "avec un bonus aux dégâts égal au niveau de prêtre.", "Ruine, démolition et anéantissement."),
    "Earth": ("Terre", "Repousse ou détruit les créatures de l'Air ; intimide, contrôle ou renforce les créatures de "
              "la Terre. Utilisable 3 + modificateur de Charisme fois par jour (surnaturel).",
              "Roche, métal et solidité du sol."),
    "Evil": ("Mal", "Lance les sorts du Mal avec +1 niveau de lanceur.", "Cruauté, corruption et ténèbres morales."),
    "Fire": ("Feu", "Repousse ou détruit les créatures de l'Eau ; intimide, contrôle ou renforce les créatures du "
             "Feu. Utilisable 3 + modificateur de Charisme fois par jour (surnaturel).",
             "Flammes qui réchauffent et qui consument."),
    "Glory": ("Gloire", "Renvoi des morts-vivants avec +2 au test de renvoi et +1d6 aux dégâts de renvoi.",
              "Éclat divin qui terrasse les morts-vivants."),
    "Good": ("Bien", "Lance les sorts du Bien avec +1 niveau de lanceur.", "Bonté, compassion et lumière morale."),
    "Healing": ("Guérison", "Lance les sorts de guérison avec +1 niveau de lanceur.", "Soins du corps et de l'âme."),
    "Knowledge": ("Connaissance", "Toutes les compétences de Connaissances deviennent des compétences de classe ; "
                  "lance les sorts de divination avec +1 niveau de lanceur.", "Savoir, mémoire et révélation."),
    "Law": ("Loi", "Lance les sorts de la Loi avec +1 niveau de lanceur.", "Ordre, discipline et serments."),
    "Liberation": ("Libération", "+2 de moral aux jets de sauvegarde contre les enchantements.",
                   "Délivrance des chaînes, des malédictions et des tyrans."),
    "Luck": ("Chance", "Une fois par jour (extraordinaire) : relancer un jet que l'on vient de faire, avant d'en "
             "connaître l'issue, et garder le second résultat.", "Fortune, hasard et coups du sort."),
    "Madness": ("Folie", "Score de folie égal à la moitié du niveau de classe : ajouté à la Sagesse pour les sorts, "
                "retranché pour tout le reste ; une fois par jour, clarté d'esprit.",
                "La démence qui voit ce que la raison refuse."),
    "Magic": ("Magie", "Utilise parchemins, baguettes et objets à potentiel magique comme un magicien de la moitié "
              "de son niveau de prêtre (au moins 1).", "Maîtrise de la magie elle-même."),
    "Mind": ("Esprit", "+2 aux tests de Bluff, de Diplomatie et de Psychologie ; +2 aux jets de Volonté contre les "
             "enchantements.", "Pensées, perception et volonté."),
    "Nobility": ("Noblesse", "Une fois par jour, action simple : inspire ses alliés, +2 de moral aux jets de "
                 "sauvegarde, d'attaque, aux tests et aux dégâts pendant autant de rounds que le modificateur de "
                 "Charisme.", "Autorité, prestige et commandement."),
    "Plant": ("Végétation", "Intimide ou contrôle les créatures végétales 3 + modificateur de Charisme fois par jour "
              "(surnaturel). Connaissances (nature) devient une compétence de classe.",
              "Croissance des plantes et force des forêts."),
    "Protection": ("Protection", "Une fois par jour (surnaturel) : la créature touchée gagne un bonus de résistance "
                   "égal au niveau de prêtre sur son prochain jet de sauvegarde (dure 1 heure).",
                   "Défense, garde et sauvegarde."),
    "Repose": ("Repos", "Contact mortel une fois par jour (pouvoir magique) : 1d6 par niveau de prêtre ; si le "
               "total atteint les points de vie de la cible, elle meurt.", "Le repos paisible des morts."),
    "Rune": ("Runes", "Don Écriture de parchemins gratuit.", "Magie des signes, des glyphes et des symboles."),
    "Scalykind": ("Écailles", "Intimide ou contrôle les reptiles et les serpents comme un prêtre mauvais les "
                  "morts-vivants, 3 + modificateur de Charisme fois par jour.", "Serpents, lézards et venins."),
    "Strength": ("Force", "Une fois par jour (surnaturel), action libre : bonus d'altération en Force égal au niveau "
                 "de prêtre pendant 1 round.", "Puissance physique et exploits de vigueur."),
    "Sun": ("Soleil", "Une fois par jour, renvoi supérieur : les morts-vivants qui seraient repoussés sont détruits.",
            "Lumière, chaleur et vie."),
    "Travel": ("Voyage", "Chaque jour, 1 round par niveau de prêtre de liberté de mouvement (surnaturel). Survie "
               "devient une compétence de classe.", "Routes, distances et déplacements."),
    "Trickery": ("Duperie", "Bluff, Déguisement et Discrétion deviennent des compétences de classe.",
                 "Ruse, tromperie et illusion."),
    "War": ("Guerre", "Maniement et Arme de prédilection gratuits pour l'arme de prédilection de sa divinité.",
            "Art du combat et des batailles."),
    "Water": ("Eau", "Repousse ou détruit les créatures du Feu ; intimide, contrôle ou renforce les créatures de "
              "l'Eau. Utilisable 3 + modificateur de Charisme fois par jour (surnaturel).",
              "Mers, rivières, glace et brume."),
    "Weather": ("Climat", "Survie devient une compétence de classe.", "Pluie, neige, orages et vents."),
}

# Les domaines du Manuel des joueurs ; les autres viennent de la règle des divinités du SRD.
DOMAINES_BASE = {"Air", "Animal", "Chaos", "Death", "Destruction", "Earth", "Evil", "Fire", "Good", "Healing",
                 "Knowledge", "Law", "Luck", "Magic", "Plant", "Protection", "Strength", "Sun", "Travel",
                 "Trickery", "War", "Water"}

ECOLES = [
    ("Abjuration", "Sorts de protection : ils bloquent, repoussent ou dissipent."),
    ("Divination", "Sorts de connaissance : ils révèlent, détectent et prédisent."),
    ("Enchantement", "Sorts qui agissent sur l'esprit : charmes et coercitions."),
    ("Evocation", "Sorts d'énergie : ils créent feu, froid, foudre, force ou lumière."),
    ("Illusion", "Sorts qui trompent les sens ou l'esprit : chimères, hallucinations, fantasmes, ombres."),
    ("Invocation", "Sorts qui amènent créatures ou matière : appel, convocation, création, guérison, téléportation."),
    ("Nécromancie", "Sorts de la mort, de la vie et de l'énergie négative."),
    ("Transmutation", "Sorts qui changent les propriétés d'une créature, d'un objet ou d'un lieu."),
    ("Généraliste", "Le magicien ne se spécialise dans aucune école et n'en abandonne aucune."),
    ("Universel", "Sorts qui n'appartiennent à aucune école ; aucun magicien ne peut les interdire."),
]


def nom_domaine(nom_srd):
    return DOMAINES[nom_srd][0]


def main():
    lignes = []
    for nom_srd, (nom, pouvoir, description) in DOMAINES.items():
        source = "Manuel des joueurs" if nom_srd in DOMAINES_BASE else "Dieux et demi-dieux"
        if nom_srd == "Mind":
            source = "Manuel psionique"
        lignes.append({"Nom": nom, "Pouvoir": pouvoir, "Description": description, "Source": source})
    lignes.sort(key=lambda l: cle_tri(l["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Domaines.tsv"), ["Nom", "Description", "Pouvoir", "Source"], lignes)
    ecoles = sorted(({"Nom": n, "Description": d} for n, d in ECOLES), key=lambda l: cle_tri(l["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Ecoles.tsv"), ["Nom", "Description"], ecoles)
    print("%d domaines, %d écoles" % (len(lignes), len(ecoles)))


if __name__ == "__main__":
    main()

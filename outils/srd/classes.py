"""Classes : Classe, ClasseProgression, ClasseCorrespondanceMagie et les dons d'aptitudes de classe
(Dons/capacites-de-classe.tsv), depuis le SRD pour les chiffres et capacites_classes pour les noms."""
import os
import re

from capacites_classes import APTITUDES, PROGRESSIONS
from tsv_srd import DONNEES, base_srd, cle_tri, ecrit_tsv, vide

TOUS = ["LOYAL BON", "NEUTRE BON", "CHAOTIQUE BON", "LOYAL NEUTRE", "NEUTRE", "CHAOTIQUE NEUTRE",
        "LOYAL MAUVAIS", "NEUTRE MAUVAIS", "CHAOTIQUE MAUVAIS"]
LOYAUX = [a for a in TOUS if a.startswith("LOYAL")]
NON_LOYAUX = [a for a in TOUS if not a.startswith("LOYAL")]
MAUVAIS = [a for a in TOUS if a.endswith("MAUVAIS")]
NEUTRES_QUELQUE_PART = ["NEUTRE BON", "LOYAL NEUTRE", "NEUTRE", "CHAOTIQUE NEUTRE", "NEUTRE MAUVAIS"]

PROFANES = ["Barde", "Ensorceleur", "Magicien", "Assassin"]
DIVINS = ["Prêtre", "Druide", "Paladin", "Rôdeur", "Adepte", "Chevalier noir"]

# nls : diviseur du niveau de classe qui donne le niveau de lanceur de sorts (0 : le niveau de classe
# lui-même). Paladin et rôdeur lancent leurs sorts à la moitié de leur niveau.
NLS = {"Paladin": 2, "Rôdeur": 2}

# nom français: (nom SRD, type, alignements, caractéristique de sort, tout connu, connus limités, niveaux max)
CLASSES = {
    "Barbare": ("Barbarian", "Base", NON_LOYAUX, None, False, False, 20),
    "Barde": ("Bard", "Base", NON_LOYAUX, "Charisme", False, True, 20),
    "Druide": ("Druid", "Base", NEUTRES_QUELQUE_PART, "Sagesse", True, False, 20),
    "Ensorceleur": ("Sorcerer", "Base", TOUS, "Charisme", False, True, 20),
    "Guerrier": ("Fighter", "Base", TOUS, None, False, False, 20),
    "Magicien": ("Wizard", "Base", TOUS, "Intelligence", False, False, 20),
    "Moine": ("Monk", "Base", LOYAUX, None, False, False, 20),
    "Paladin": ("Paladin", "Base", ["LOYAL BON"], "Sagesse", True, False, 20),
    "Prêtre": ("Cleric", "Base", TOUS, "Sagesse", True, False, 20),
    "Rôdeur": ("Ranger", "Base", TOUS, "Sagesse", True, False, 20),
    "Roublard": ("Rogue", "Base", TOUS, None, False, False, 20),
    "Adepte": ("Adept", "PNJ", TOUS, "Sagesse", True, False, 20),
    "Expert": ("Expert", "PNJ", TOUS, None, False, False, 20),
    "Gens du peuple": ("Commoner", "PNJ", TOUS, None, False, False, 20),
    "Homme d'armes": ("Warrior", "PNJ", TOUS, None, False, False, 20),
    "Noble": ("Aristocrat", "PNJ", TOUS, None, False, False, 20),
    "Archer-mage": ("Arcane Archer", "Prestige", TOUS, None, False, False, 10),
    "Archimage": ("Archmage", "Prestige", TOUS, None, False, False, 5),
    "Arpenteur d'horizon": ("Horizon Walker", "Prestige", TOUS, None, False, False, 10),
    "Assassin": ("Assassin", "Prestige", MAUVAIS, "Intelligence", False, True, 10),
    "Chevalier noir": ("Blackguard", "Prestige", MAUVAIS, "Sagesse", True, False, 10),
    "Chevalier occulte": ("Eldritch Knight", "Prestige", TOUS, None, False, False, 10),
    "Danseur de l'ombre": ("Shadowdancer", "Prestige", TOUS, None, False, False, 10),
    "Défenseur nain": ("Dwarven Defender", "Prestige", LOYAUX, None, False, False, 10),
    "Disciple draconien": ("Dragon Disciple", "Prestige", TOUS, None, False, False, 10),
    "Duelliste": ("Duelist", "Prestige", TOUS, None, False, False, 10),
    "Hiérophante": ("Hierophant", "Prestige", TOUS, None, False, False, 5),
    "Maître du savoir": ("Loremaster", "Prestige", TOUS, None, False, False, 10),
    "Mystificateur profane": ("Arcane Trickster", "Prestige", NON_LOYAUX, None, False, False, 10),
    "Thaumaturge": ("Thaumaturgist", "Prestige", TOUS, None, False, False, 5),
    "Théurge mystique": ("Mystic Theurge", "Prestige", TOUS, None, False, False, 10),
}

# Classes de prestige qui font progresser les sorts d'une classe existante : (maîtres, niveaux)
PROGRESSION_MAGIE = {
    "Archimage": (PROFANES, range(1, 6)),
    "Chevalier occulte": (PROFANES, range(2, 11)),
    "Maître du savoir": (PROFANES + DIVINS, range(1, 11)),
    "Mystificateur profane": (PROFANES, range(1, 11)),
    "Thaumaturge": (PROFANES + DIVINS, range(1, 6)),
    "Théurge mystique": (PROFANES + DIVINS, range(1, 11)),
}

# Types de créature : (dé de vie, attaque "forte"/"moyenne"/"faible", bons jets, points de compétence)
TYPES = {
    "Aberration": (8, "moyenne", ["Volonte"], 2),
    "Animal": (8, "moyenne", ["Reflexe", "Vigueur"], 2),
    "Créature artificielle": (10, "moyenne", [], 2),
    "Créature magique": (10, "forte", ["Reflexe", "Vigueur"], 2),
    "Dragon": (12, "forte", ["Reflexe", "Vigueur", "Volonte"], 6),
    "Elémentaire": (8, "moyenne", [], 2),
    "Extérieur": (8, "forte", ["Reflexe", "Vigueur", "Volonte"], 8),
    "Fée": (6, "faible", ["Reflexe", "Volonte"], 6),
    "Géant": (8, "moyenne", ["Vigueur"], 2),
    "Humanoïde": (8, "moyenne", ["Reflexe"], 2),
    "Humanoïde monstrueux": (8, "forte", ["Reflexe", "Volonte"], 2),
    "Mort-vivant": (12, "faible", ["Volonte"], 4),
    "Plante": (8, "moyenne", ["Vigueur"], 2),
    "Vase": (10, "moyenne", [], 2),
    "Vermine": (8, "moyenne", ["Vigueur"], 2),
}
NIVEAUX_RACIAUX = 60  # au-delà des plus grands dés de vie raciaux livrés

SOURCE_JOUEUR = "Manuel des joueurs"
SOURCE_MAITRE = "Guide du maître"
SOURCE_MONSTRES = "Manuel des monstres"

TEXTES_ARMES = {
    "Barbare": "Armes courantes et de guerre ; armures légères et intermédiaires ; boucliers sauf pavois.",
    "Barde": "Armes courantes, épée longue, rapière, matraque, épée courte, arc court, fouet ; armures légères ; boucliers sauf pavois.",
    "Druide": "Gourdin, dague, fléchette, bâton, cimeterre, faucille, serpe, épieu, fronde, lance ; armures légères et intermédiaires non métalliques ; boucliers de bois.",
    "Ensorceleur": "Armes courantes ; aucune armure.",
    "Guerrier": "Armes courantes et de guerre ; toutes les armures ; tous les boucliers, pavois compris.",
    "Magicien": "Gourdin, dague, arbalètes, bâton ; aucune armure.",
    "Moine": "Gourdin, arbalètes, dague, hachette, javeline, kama, nunchaku, bâton, saï, shuriken, siangham, fronde ; aucune armure.",
    "Paladin": "Armes courantes et de guerre ; toutes les armures ; boucliers sauf pavois.",
    "Prêtre": "Armes courantes ; toutes les armures ; boucliers sauf pavois.",
    "Rôdeur": "Armes courantes et de guerre ; armures légères ; boucliers sauf pavois.",
    "Roublard": "Armes courantes, arbalète de poing, rapière, matraque, arc court, épée courte ; armures légères.",
    "Adepte": "Armes courantes ; aucune armure.",
    "Expert": "Armes courantes ; armures légères.",
    "Gens du peuple": "Une arme courante ; aucune armure.",
    "Homme d'armes": "Armes courantes et de guerre ; toutes les armures ; boucliers sauf pavois.",
    "Noble": "Armes courantes et de guerre ; toutes les armures ; boucliers sauf pavois.",
    "Chevalier noir": "Armes courantes et de guerre ; toutes les armures ; boucliers sauf pavois.",
    "Archer-mage": "Armes courantes et de guerre ; armures légères et intermédiaires ; boucliers sauf pavois.",
    "Assassin": "Arbalètes, dague, fléchette, arbalète de poing, rapière, matraque, arc court, épée courte ; armures légères.",
    "Défenseur nain": "Armes courantes et de guerre ; toutes les armures ; tous les boucliers, pavois compris.",
    "Duelliste": "Armes courantes et de guerre.",
    "Arpenteur d'horizon": "Armes courantes et de guerre ; armures légères et intermédiaires.",
    "Danseur de l'ombre": "Gourdin, arbalètes, dague, fléchette, masse, morgenstern, bâton, rapière, matraque, arc court, épée courte ; armures légères.",
}

TEXTES_SORTS = {
    "Barde": "Sorts profanes spontanés tirés de la liste du barde, fondés sur le Charisme ; nombre de sorts connus limité.",
    "Druide": "Sorts divins préparés, tirés de toute la liste du druide, fondés sur la Sagesse ; conversion spontanée en convocation d'alliés naturels.",
    "Ensorceleur": "Sorts profanes spontanés tirés de la liste de l'ensorceleur et du magicien, fondés sur le Charisme ; nombre de sorts connus limité.",
    "Magicien": "Sorts profanes préparés depuis un grimoire, fondés sur l'Intelligence ; spécialisation possible dans une école.",
    "Paladin": "Sorts divins préparés à partir du niveau 4, fondés sur la Sagesse.",
    "Prêtre": "Sorts divins préparés, tirés de toute la liste du prêtre, fondés sur la Sagesse ; un sort de domaine en plus par niveau.",
    "Rôdeur": "Sorts divins préparés à partir du niveau 4, fondés sur la Sagesse.",
    "Adepte": "Sorts divins préparés, tirés de la liste de l'adepte, fondés sur la Sagesse.",
    "Assassin": "Sorts profanes spontanés tirés de la liste de l'assassin, fondés sur l'Intelligence.",
    "Chevalier noir": "Sorts divins préparés, tirés de la liste du chevalier noir, fondés sur la Sagesse.",
}
for _c in ("Archimage", "Chevalier occulte", "Maître du savoir", "Mystificateur profane", "Thaumaturge"):
    TEXTES_SORTS[_c] = "Chaque niveau (sauf exception) fait progresser les sorts d'une classe de lanceur déjà acquise."
TEXTES_SORTS["Théurge mystique"] = "Chaque niveau fait progresser à la fois une classe de lanceur profane et une classe de lanceur divin."


def nombre(texte):
    """'+7/+2' -> 7 ; 'None' -> None."""
    if vide(texte):
        return None
    m = re.match(r"^\s*\+?(-?\d+)", str(texte))
    return int(m.group(1)) if m else None


def progression_type(attaque, bons, niveau):
    ba = {"forte": niveau, "moyenne": (3 * niveau) // 4, "faible": niveau // 2}[attaque]
    jets = {j: (2 + niveau // 2 if j in bons else niveau // 3) for j in ("Reflexe", "Vigueur", "Volonte")}
    return ba, jets


def nom_progression(valeur, bon, faible):
    return bon if valeur else faible


def main():
    srd = base_srd()
    classes, lignes, correspondances = [], [], []
    for nom, (anglais, genre, alignements, carac, tout, limite, maxi) in CLASSES.items():
        c = srd.execute("select * from class where name=?", (anglais,)).fetchone()
        rangs = {int(r["level"]): r for r in srd.execute("select * from class_table where name=?", (anglais,))}
        niv20 = rangs[min(maxi, max(rangs))]
        classes.append({
            "Classe": nom, "Type": genre, "alignements": ", ".join(alignements),
            "PointDeVie": int(c["hit_die"].lstrip("d")), "CompetenceNiveauSupp": int(c["skill_points"]),
            "ClasseMaitre": nom,
            "attaque": "forte" if nombre(niv20["base_attack_bonus"]) == maxi else
                       ("moyenne" if nombre(niv20["base_attack_bonus"]) * 4 >= 3 * maxi else "faible"),
            "Reflexe": "bon" if nombre(rangs[1]["ref_save"]) >= 2 else "faible",
            "Vigueur": "bon" if nombre(rangs[1]["fort_save"]) >= 2 else "faible",
            "Volonte": "bon" if nombre(rangs[1]["will_save"]) >= 2 else "faible",
            "CaracSort_Niv": carac, "CaracSort_DD": carac, "CaracSort_Bonus": carac,
            "ListeSort": nom if carac else None, "nls": NLS.get(nom, 0), "affichage": True,
            "EstLanceurSort": carac is not None, "EstTout": tout, "EstLimite": limite,
            "Source": SOURCE_JOUEUR if genre == "Base" else SOURCE_MAITRE,
        })
        for niveau in range(1, maxi + 1):
            r = rangs[niveau]
            aptitudes = PROGRESSIONS.get(nom, {}).get(niveau, [])
            assert len(aptitudes) <= 6, (nom, niveau)
            ligne = {"Classe": nom, "Niveau": niveau, "attaque": nombre(r["base_attack_bonus"]),
                     "Reflexe": nombre(r["ref_save"]), "Vigueur": nombre(r["fort_save"]),
                     "Volonte": nombre(r["will_save"]), "bonusDesVie": 0, "BonusIntelligence": 0}
            for i, a in enumerate(aptitudes, 1):
                ligne["don_%d" % i] = a
            if carac:
                for s in range(10):
                    ligne["s_n_%d" % s] = nombre(r["slots_%d" % s])
                    ligne["s_c_%d" % s] = nombre(r["spells_known_%d" % s]) if limite else None
            if niveau == 1:
                ligne["armes_armures"] = TEXTES_ARMES.get(nom, "Aucune formation aux armes ni aux armures en plus.")
                ligne["sorts"] = TEXTES_SORTS.get(nom)
            lignes.append(ligne)
    for esclave, (maitres, niveaux) in PROGRESSION_MAGIE.items():
        for maitre in maitres:
            for n in niveaux:
                correspondances.append({"classeMaitre": maitre, "classeEsclave": esclave, "niveau": n,
                                        "point": 1, "BonusDeSort": 0, "SortAutreEnPlus": 0})
    for nom, (de, attaque, bons, points) in TYPES.items():
        classes.append({"Classe": nom, "Type": "Type de créature", "alignements": ", ".join(TOUS),
                        "PointDeVie": de, "CompetenceNiveauSupp": points, "ClasseMaitre": nom,
                        "attaque": attaque, "Reflexe": nom_progression("Reflexe" in bons, "bon", "faible"),
                        "Vigueur": nom_progression("Vigueur" in bons, "bon", "faible"),
                        "Volonte": nom_progression("Volonte" in bons, "bon", "faible"),
                        "nls": 0, "affichage": True, "EstLanceurSort": False, "EstTout": False,
                        "EstLimite": False, "Source": SOURCE_MONSTRES,
                        "Description": "Dés de vie raciaux des créatures de type %s." % nom})
        for niveau in range(1, NIVEAUX_RACIAUX + 1):
            ba, jets = progression_type(attaque, bons, niveau)
            lignes.append({"Classe": nom, "Niveau": niveau, "attaque": ba, "bonusDesVie": 0,
                           "BonusIntelligence": 0, **jets})

    classes.sort(key=lambda c: cle_tri(c["Classe"]))
    lignes.sort(key=lambda l: (cle_tri(l["Classe"]), l["Niveau"]))
    correspondances.sort(key=lambda l: (cle_tri(l["classeMaitre"]), cle_tri(l["classeEsclave"]), l["niveau"]))

    ecrit_tsv(os.path.join(DONNEES, "Classe.tsv"),
              ["Classe", "Type", "alignements", "PointDeVie", "CompetenceNiveauSupp", "ClasseMaitre", "attaque",
               "Reflexe", "Vigueur", "Volonte", "CaracSort_Niv", "CaracSort_DD", "CaracSort_Bonus", "ListeSort",
               "nls", "affichage", "EstLanceurSort", "EstTout", "EstLimite", "Source", "Description"], classes)
    ecrit_tsv(os.path.join(DONNEES, "ClasseProgression.tsv"),
              ["Classe", "Niveau", "attaque", "Reflexe", "Vigueur", "Volonte", "bonusDesVie", "BonusIntelligence"]
              + ["don_%d" % i for i in range(1, 7)] + ["s_n_%d" % s for s in range(10)]
              + ["s_c_%d" % s for s in range(10)] + ["armes_armures", "sorts"], lignes)
    ecrit_tsv(os.path.join(DONNEES, "ClasseCorrespondanceMagie.tsv"),
              ["classeMaitre", "classeEsclave", "niveau", "point", "BonusDeSort", "SortAutreEnPlus"], correspondances)

    # Les aptitudes comme dons privés : la feuille les lit dans Dons par leur nom.
    dons = []
    for nom, (genre, typ, texte) in APTITUDES.items():
        dons.append({"Nom": nom, "Genre": genre, "Source": SOURCE_JOUEUR, "Type": typ, "Categorie": CAPACITE_CAT,
                     "Résumé": texte, "Explication": texte, "Multiple": False, "pouvoir": False, "tare": False,
                     "prive": True, "anciens": False, "epique": False, "liearme": False, "version": 1})
    dons.sort(key=lambda d: cle_tri(d["Nom"]))
    ecrit_tsv(os.path.join(DONNEES, "Dons", "capacites-de-classe.tsv"),
              ["Nom", "Genre", "Source", "Type", "Categorie", "Caracteristique", "Condition", "NORMAL", "Résumé",
               "Spécial", "Explication", "Multiple", "pouvoir", "tare", "js", "prive", "anciens", "epique",
               "liearme", "version"] + ["don_%d" % i for i in range(1, 7)], dons)


CAPACITE_CAT = "Capacité de classe"

if __name__ == "__main__":
    main()

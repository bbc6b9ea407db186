#!/usr/bin/env python3
"""Armes naturelles des races monstrueuses comme équipement de départ (Raceequipement).

Les attaques viennent de la table monster du SRD. Chaque arme naturelle devient un objet du groupe
de son attaque (Morsure, Griffe...) dont les dés sont ceux d'une créature de taille M : la feuille
les remet à la taille du personnage. L'objet porte le nom du groupe quand ses dés sont les dés
habituels du groupe, sinon le groupe suivi des dés (« Morsure (1d8) »).

Les créatures du bestiaire (data/bestiaire/noms.tsv, écrit par races.py) s'ajoutent aux monstres
écrits à la main ; une attaque dont les dés sortent de la table est laissée de côté et signalée.

Usage : equipement_naturel.py            (écrit data/programme/Raceequipement.tsv)
"""
import os
import re
import sys

from tsv_srd import DONNEES, RACINE, base_srd, cle_tri, ecrit_tsv
from races_donnees import MONSTRES

# Attaque du SRD (au singulier) -> groupe d'objets de l'arme naturelle.
GROUPES = {"bite": "Morsure", "claw": "Griffe", "gore": "Corne", "slam": "Coup", "tentacle": "Tentacule",
           "talon": "Serre", "hoof": "Sabot", "sting": "Dards", "tail slap": "Queue", "wing": "Aille",
           "pincer": "Pince", "rake": "Pattes arrière", "tail": "Queue", "tusk": "Defence", "beak": "Bec",
           "butt": "Coup", "head butt": "Coup"}
PLURIELS = {"claws": "claw", "hooves": "hoof", "talons": "talon", "slams": "slam", "tentacles": "tentacle",
            "wings": "wing", "pincers": "pincer", "rakes": "rake", "gores": "gore", "bites": "bite",
            "stings": "sting", "tusks": "tusk", "butts": "butt"}
# Dés habituels d'une créature de taille M ; l'objet qui les a porte le nom du groupe seul.
DES_HABITUELS = {"Morsure": "1d6", "Griffe": "1d4", "Corne": "1d6", "Coup": "1d4", "Tentacule": "1d4",
                 "Serre": "1d4", "Sabot": "1d4", "Dards": "1d4", "Queue": "1d6", "Aille": "1d4", "Pince": "1d6",
                 "Pattes arrière": "1d4", "Defence": "1d6", "Bec": "1d4"}
# Type de dégâts, pour la description.
DEGATS = {"Morsure": "perforants, tranchants et contondants", "Griffe": "tranchants", "Corne": "perforants",
          "Coup": "contondants", "Tentacule": "contondants", "Serre": "tranchants", "Sabot": "contondants",
          "Dards": "perforants", "Queue": "contondants", "Aille": "contondants", "Pince": "contondants",
          "Pattes arrière": "tranchants", "Defence": "perforants", "Bec": "perforants"}

TAILLES = ["Fine", "Diminutive", "Tiny", "Small", "Medium", "Large", "Huge", "Gargantuan", "Colossal"]
# Dés à la taille supérieure, comme la feuille les fait monter.
MONTEE = {"1": "1d2", "1d2": "1d3", "1d3": "1d4", "1d4": "1d6", "1d5": "1d7", "1d6": "1d8", "1d7": "1d10",
          "1d8": "2d6", "1d10": "2d8", "1d11": "2d10", "1d12": "3d6", "2d4": "2d6", "2d6": "3d6", "2d8": "3d8",
          "2d10": "4d8", "3d6": "4d6", "4d6": "6d6", "6d6": "8d6", "8d6": "12d6", "12d6": "16d6", "3d8": "4d8",
          "4d8": "6d8", "6d8": "8d8", "8d8": "12d8"}
# Descente : l'inverse, en gardant la chaîne ordinaire quand deux dés montent vers les mêmes
# (2d6 vient de 1d8 plutôt que de 2d4, 3d6 de 2d6, 4d8 de 3d8).
DESCENTE = {haut: bas for bas, haut in MONTEE.items() if bas not in ("2d4", "1d12", "2d10")}

# Dés hors de la chaîne ordinaire (2d4, 1d12, 2d10 d'une grande créature) : la feuille les descend d'un
# cran comme sa table des petites tailles ; réservé au bestiaire, pour ne rien changer des races écrites à la main.
DESCENTE_BESTIAIRE = dict(DESCENTE, **{"2d4": "1d6", "1d12": "1d10", "2d10": "2d8", "3d4": "1d10", "4d4": "2d6"})

ATTAQUE = re.compile(r"(?:(\d+) )?([A-Za-z][A-Za-z ]*?) [+-]\d+(?:/[+-]\d+)* melee \(([^)]*)\)")


def des_moyens(des, taille, bestiaire=False):
    """Dés d'une attaque à la taille du monstre -> dés d'une créature de taille M ; None si hors table."""
    ecart = TAILLES.index(taille) - TAILLES.index("Medium")
    table = (DESCENTE_BESTIAIRE if bestiaire else DESCENTE) if ecart > 0 else MONTEE
    for _ in range(abs(ecart)):
        des = table.get(des)
        if des is None:
            return None
    return des


def creatures():
    """(nom anglais, race) des monstres écrits à la main puis du reste du bestiaire."""
    r = [(m["en"], m["fr"]) for m in MONSTRES]
    vus = {en for en, _ in r}
    chemin = os.path.join(RACINE, "data", "bestiaire", "noms.tsv")
    if os.path.exists(chemin):
        with open(chemin, encoding="utf-8") as f:
            for ligne in list(f)[1:]:
                en, fr = ligne.rstrip("\n").split("\t")
                if en not in vus:
                    r.append((en, fr))
    return r


def attaques_naturelles(texte, taille, bestiaire=False):
    """Texte d'attaque du SRD -> {groupe: (nombre, dés de taille M)}.

    Chaque variante (« ; or » / « or ») est lue ; pour un groupe, la variante qui en donne le plus l'emporte.
    """
    armes = {}
    for m in ATTAQUE.finditer(texte or ""):
        nom = re.sub(r"^(?:and|or) ", "", m.group(2).strip().lower())
        nom = PLURIELS.get(nom, nom)
        groupe = GROUPES.get(nom)
        if groupe is None:
            continue  # arme manufacturée ou contact spécial
        des = re.match(r"\d+d\d+|\d+", m.group(3))
        des = des_moyens(des.group(0), taille, bestiaire) if des else None
        if des is None:
            if not bestiaire:
                raise SystemExit("Dés hors table pour %s : %s" % (groupe, m.group(0)))
            print("Dés hors table, attaque laissée de côté : %s" % m.group(0), file=sys.stderr)
            continue
        nombre = int(m.group(1) or 1)
        if groupe not in armes or nombre > armes[groupe][0]:
            armes[groupe] = (nombre, des)
    return armes


def nom_objet(groupe, des):
    return groupe if DES_HABITUELS[groupe] == des else "%s (%s)" % (groupe, des)


def ligne_objet(groupe, des):
    return {"NomObjet": nom_objet(groupe, des), "GroupeObjet": groupe, "Type": groupe, "Taille": "Petite",
            "CoutTotal": 0, "PoidsBase": 0, "DegatDes": des, "ZoneCritique": 20, "MultCrit": 2,
            "Description": "Arme naturelle. Dégâts %s ; %s pour une créature de taille M, ajustés à la taille "
                           "du porteur." % (DEGATS[groupe], des)}


def armes_naturelles(base):
    """Lignes de Raceequipement et objets (armes naturelles) qu'elles désignent, par nom."""
    lignes, objets = [], {}
    manuels = {m["en"] for m in MONSTRES}
    for en, race in creatures():
        r = base.execute("select size, attack, full_attack from monster where name = ?", (en,)).fetchone()
        if r is None:
            raise SystemExit("Monstre absent du SRD : " + en)
        # Certains blocs n'ont que l'attaque simple.
        texte = r["full_attack"] if r["full_attack"] not in (None, "None") else r["attack"]
        for groupe, (nombre, des) in attaques_naturelles(texte, r["size"], en not in manuels).items():
            nom = nom_objet(groupe, des)
            lignes.append({"Race": race, "objet": nom, "Multiple": nombre})
            objets[nom] = ligne_objet(groupe, des)
    lignes.sort(key=lambda l: (cle_tri(l["Race"]), cle_tri(l["objet"])))
    return lignes, objets


def main():
    # Les objets eux-mêmes sont écrits par objets.py, avec le reste du catalogue.
    lignes, objets = armes_naturelles(base_srd())
    ecrit_tsv(os.path.join(DONNEES, "Raceequipement.tsv"), ["Race", "objet", "Multiple"], lignes)
    print("%d lignes d'équipement pour %d races, %d armes naturelles"
          % (len(lignes), len({l["Race"] for l in lignes}), len(objets)))


if __name__ == "__main__":
    main()

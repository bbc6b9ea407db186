#!/usr/bin/env python3
"""Bestiaire ouvert : chaque créature de la table monster du SRD qui peut être une race.

Les races du Manuel des joueurs et les monstres écrits à la main (races_donnees.py) restent tels
quels ; ce module ajoute toutes les autres créatures, lues dans leur bloc de statistiques. Il écrit
aussi, sous data/bestiaire/ : noms.tsv (nom anglais -> nom de la race), noms-a-verifier.tsv (noms
français incertains : la race garde son nom anglais) et exclues.tsv (créatures laissées de côté et
pourquoi). Les descriptions viennent de data/bestiaire/descriptions.tsv (NomAnglais, Description)
quand ce fichier existe ; sans lui, les nouvelles races restent sans description.

Regénérer les sources (depuis la racine du dépôt, base SRD dans ../shared/srd ou QUORVANE_SRD) :
    cd outils/srd && python3 races.py && python3 equipement_naturel.py && python3 objets.py \
        && python3 noms_regles.py
races.py écrit Race.tsv, RaceCompetence.tsv, RaceDons.tsv et les fichiers de data/bestiaire ;
equipement_naturel.py écrit Raceequipement.tsv ; objets.py réécrit Objets.tsv avec les armes
naturelles qu'il leur faut ; noms_regles.py reporte les races dans data/NOMS-REGLES.tsv. La
construction ne lit que les .tsv produits.
"""
import csv
import os
import re

from bestiaire_noms import A_VERIFIER, NOMS
from tsv_srd import RACINE, cle_tri, ecrit_tsv

DOSSIER = os.path.join(RACINE, "data", "bestiaire")

COULEURS = {"Black": "noir", "Blue": "bleu", "Green": "vert", "Red": "rouge", "White": "blanc", "Brass": "d'airain",
            "Bronze": "de bronze", "Copper": "de cuivre", "Gold": "d'or", "Silver": "d'argent"}
AGES = {"Wyrmling": "dragonnet", "Very young": "très jeune", "Young": "jeune", "Juvenile": "adolescent",
        "Young adult": "jeune adulte", "Adult": "adulte", "Mature adult": "adulte d'âge mûr", "Old": "vieux",
        "Very old": "très vieux", "Ancient": "vénérable", "Wyrm": "dracosire", "Great wyrm": "grand dracosire"}
# Suffixes de taille que la feuille lit dans le nom des élémentaires.
ELEMENTS = {"Air": "de l'air", "Earth": "de la terre", "Fire": "du feu", "Water": "de l'eau"}
TAILLES_ELEM = {"Small": "P", "Medium": "M", "Large": "G", "Huge": "TG", "Greater": "noble", "Elder": "seigneur"}
TAILLES_COURTES = {"Fine": "I", "Diminutive": "Min", "Tiny": "TP", "Small": "P", "Medium": "M", "Large": "G",
                   "Huge": "TG", "Gargantuan": "Gig", "Colossal": "C"}
VERMINE = {"Monstrous Centipede": "Mille-pattes monstrueux", "Monstrous Scorpion": "Scorpion monstrueux",
           "Monstrous Spider": "Araignée monstrueuse", "Animated Object": "Objet animé"}
TETES = {"Five": "cinq", "Six": "six", "Seven": "sept", "Eight": "huit", "Nine": "neuf", "Ten": "dix",
         "Eleven": "onze", "Twelve": "douze"}
LANGUES = {"Common": "Commun", "Draconic": "Draconien", "Giant": "Géant", "Goblin": "Gobelin", "Orc": "Orque",
           "Elven": "Elfique", "Dwarven": "Nain", "Gnome": "Gnome", "Halfling": "Halfelin", "Infernal": "Infernal",
           "Abyssal": "Abyssal", "Celestial": "Céleste", "Sylvan": "Sylvestre", "Terran": "Terreux", "Ignan": "Igné",
           "Auran": "Aérien", "Aquan": "Aquatique", "Undercommon": "Commun des profondeurs", "Gnoll": "Gnoll",
           "Druidic": "Druidique"}
SOURCES = {"Epic": "Manuel des niveaux épiques", "Psionic": "Manuel extensif des psioniques"}
# Valeurs des guerriers de niveau 1 avant ajustements raciaux, quand le texte ne les redonne pas.
TABLEAU_GUERRIER = (13, 11, 12, 10, 9, 8)


def nom_par_regle(en):
    """Nom français des familles à variantes, composé des noms officiels ; None hors de ces familles."""
    m = re.match(r"(\w+) Dragon, (.+)$", en)
    if m and m.group(1) in COULEURS:
        return "Dragon %s %s" % (COULEURS[m.group(1)], AGES[m.group(2)])
    m = re.match(r"(\w+) Elemental, (\w+)$", en)
    if m and m.group(2) in TAILLES_ELEM:
        return "Elémentaire %s %s" % (ELEMENTS[m.group(1)], TAILLES_ELEM[m.group(2)])
    m = re.match(r"(.+), (\w+)$", en)
    if m and m.group(1) in VERMINE:
        return "%s de taille %s" % (VERMINE[m.group(1)], TAILLES_COURTES[m.group(2)])
    m = re.match(r"(\w+)-Headed Hydra$", en)
    if m:
        return "Hydre à %s têtes" % TETES[m.group(1)]
    return None


def raison_exclusion(b):
    """Pourquoi une créature ne peut pas être une race ; None quand elle le peut."""
    nom = b["name"]
    if "Swarm" in (b["descriptor"] or "") or nom.endswith("Swarm"):
        return "nuée : une masse de créatures, sans dés de vie ni attaques d'individu"
    if re.search(r"Skeleton$|Zombie$", nom):
        return "archétype appliqué (Squelette, Zombi) : race de base plus archétype"
    if re.match(r"Were|Hill Giant Dire Wereboar", nom):
        return "lycanthrope : race de base plus archétype garou (forme humaine, animale, hybride)"
    if nom.startswith("Golden Protector") or nom.startswith("Pseudonatural"):
        return "archétype appliqué à une autre créature (demi-dragon céleste, pseudo-naturel)"
    if "Astral Construct" in nom:
        return "construction astrale : créature temporaire façonnée par un pouvoir psionique"
    if nom == "Psicrystal":
        return "psicristal : ses valeurs dépendent de son maître"
    if nom.startswith("Blue, 1st-Level Psion"):
        return "bloc d'un psion de niveau 1 : le SRD ne donne pas les ajustements raciaux du blue"
    if not re.match(r"\s*\d", b["hit_dice"] or ""):
        return "dés de vie non chiffrés"
    return None


def langues(texte):
    """Langues parlées, lues dans « Automatic Languages: » ou « X speak(s) ... »."""
    propre = re.sub(r"<[^>]+>", " ", texte or "")
    m = re.search(r"Automatic Languages?:\s*([^.]+)\.", propre) or re.search(r"\bspeaks? ([A-Z][^.]*)\.", propre)
    if not m:
        return None
    vues = []
    for mot in re.findall(r"[A-Z][a-z]+", m.group(1)):
        fr = LANGUES.get(mot)
        if fr and fr not in vues:
            vues.append(fr)
    return ", ".join(vues) or None


def valeurs_avant_ajustement(texte):
    m = re.search(r"before racial adjustments:\s*Str (\d+), Dex (\d+), Con (\d+), Int (\d+), Wis (\d+), Cha (\d+)",
                  re.sub(r"<[^>]+>", " ", texte or ""))
    return tuple(int(v) for v in m.groups()) if m else TABLEAU_GUERRIER


def ajustements_guerrier(b):
    """Guerrier de niveau 1 : valeurs du bloc moins les valeurs de départ."""
    caracs = dict(re.findall(r"(Str|Dex|Con|Int|Wis|Cha)[ _](\d+)", b["abilities"] or ""))
    avant = valeurs_avant_ajustement(b["full_text"])
    r = {}
    for (en, fr), base in zip((("Str", "For"), ("Dex", "Dex"), ("Con", "Con"), ("Int", "Int"), ("Wis", "Sag"),
                               ("Cha", "Cha")), avant):
        r[fr] = int(caracs[en]) - base if en in caracs else 0
    return r


def quadripede(b):
    """Porte comme un quadrupède : animaux, bêtes, vermine et dragons qui marchent, sauf oiseaux et serpents."""
    if b["type"] not in ("Animal", "Magical Beast", "Vermin", "Dragon"):
        return False
    vitesse = b["speed"] or ""
    if not re.match(r"\s*\d+ ft", vitesse):
        return False
    if b["type"] == "Animal" and "fly" in vitesse:
        return False
    return not re.search(r"Snake|Viper|Eel", b["name"])


def lit_descriptions():
    chemin = os.path.join(DOSSIER, "descriptions.tsv")
    if not os.path.exists(chemin):
        return {}
    with open(chemin, encoding="utf-8", newline="") as f:
        return {l["NomAnglais"]: l["Description"] for l in csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE)
                if l.get("Description")}


def source(reference):
    for cle, livre in SOURCES.items():
        if cle in (reference or ""):
            return livre
    return "Manuel des monstres"


def monstres(base, deja):
    """Créatures à ajouter comme les monstres écrits à la main (dicts pour races.race_monstre).

    deja : {nom anglais: nom de la race} des créatures déjà livrées. Écrit les fichiers de data/bestiaire.
    """
    descriptions = lit_descriptions()
    base.row_factory = __import__("sqlite3").Row
    rangs = base.execute("select * from monster order by id").fetchall()
    base.row_factory = None
    ajouts, noms, a_verifier, exclues = [], [], [], []
    pris = set(deja.values())
    for b in rangs:
        en = b["name"]
        if en in deja:
            noms.append({"NomAnglais": en, "NomFrancais": deja[en]})
            continue
        raison = raison_exclusion(b)
        if raison:
            exclues.append({"NomAnglais": en, "Raison": raison})
            continue
        fr = NOMS.get(en) or nom_par_regle(en)
        if fr is None:
            propose, pourquoi = A_VERIFIER.get(en, ("", "nom français officiel non connu"))
            if en not in A_VERIFIER and SOURCES["Epic"] in source(b["reference"]):
                pourquoi = "créature du Manuel des niveaux épiques : nom français non vérifié"
            elif en not in A_VERIFIER and SOURCES["Psionic"] in source(b["reference"]):
                pourquoi = "créature du Manuel extensif des psioniques : nom français non vérifié"
            a_verifier.append({"NomAnglais": en, "NomPropose": propose, "Raison": pourquoi})
            fr = en
        if fr in pris:
            exclues.append({"NomAnglais": en, "Raison": "même nom qu'une race déjà livrée : " + fr})
            continue
        pris.add(fr)
        noms.append({"NomAnglais": en, "NomFrancais": fr})
        m = {"en": en, "fr": fr, "description": descriptions.get(en), "langue": langues(b["full_text"]),
             "quadripede": quadripede(b), "source": source(b["reference"])}
        if "1st-Level" in en:
            m["ajustements"] = ajustements_guerrier(b)
        ajouts.append(m)

    os.makedirs(DOSSIER, exist_ok=True)
    ecrit_tsv(os.path.join(DOSSIER, "noms.tsv"), ["NomAnglais", "NomFrancais"],
              sorted(noms, key=lambda l: cle_tri(l["NomAnglais"])))
    ecrit_tsv(os.path.join(DOSSIER, "noms-a-verifier.tsv"), ["NomAnglais", "NomPropose", "Raison"],
              sorted(a_verifier, key=lambda l: cle_tri(l["NomAnglais"])))
    ecrit_tsv(os.path.join(DOSSIER, "exclues.tsv"), ["NomAnglais", "Raison"],
              sorted(exclues, key=lambda l: cle_tri(l["NomAnglais"])))
    return ajouts

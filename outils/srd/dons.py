#!/usr/bin/env python3
"""Produit data/programme/Dons/dons.tsv, dons-epiques.tsv, traits-raciaux.tsv, Metamagie.tsv et
Dongenre.tsv.

Les faits (type, prérequis, cumul, don de guerrier) viennent de la base SRD anglaise ; les noms
français, les résumés et les explications sont écrits ici. Outil de développeur : le dépôt livre
les TSV produits, la construction n'a besoin ni de Python ni de la base SRD.

Usage : dons.py [--srd /chemin/dnd35.db] [--sortie data/programme]
"""
import argparse
import os
import re
import sqlite3
import unicodedata

from dons_textes import DONS, DONS_EPIQUES, METAMAGIE
from traits import TRAITS

ENTETE_DONS = ["Nom", "Genre", "Source", "Type", "Categorie", "Caracteristique", "Condition", "NORMAL",
               "Résumé", "Spécial", "Explication", "Multiple", "pouvoir", "tare", "js", "prive", "anciens",
               "epique", "liearme", "version", "don_1", "don_2", "don_3", "don_4", "don_5", "don_6",
               "supplementaire"]

# Genres des dons véritables (table Dongenre) : les traits raciaux et aptitudes de classe n'en sont pas.
GENRES_DONS = ["Création d'objets", "Divin", "Epique", "Général", "Guerrier", "Métamagie"]


def cle_tri(texte):
    """Ordre proche de la collation du programme : sans accents ni casse, puis exact."""
    sans = "".join(c for c in unicodedata.normalize("NFD", texte) if unicodedata.category(c) != "Mn")
    return (sans.casefold(), texte)


def echappe(valeur):
    if valeur is None:
        return ""
    if isinstance(valeur, bool):
        return "1" if valeur else "0"
    texte = str(valeur)
    return texte.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def ecrit_tsv(chemin, entete, lignes, cle):
    """Écrit un TSV trié par clé ; lignes : dictionnaires nom de champ -> valeur."""
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    lignes = sorted(lignes, key=lambda l: tuple(cle_tri(str(l.get(c) or "")) for c in cle))
    vues = set()
    for l in lignes:
        k = tuple(cle_tri(str(l.get(c) or ""))[0] for c in cle)
        if k in vues:
            raise SystemExit(f"{os.path.basename(chemin)} : clé en double {k}")
        vues.add(k)
    with open(chemin, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(entete) + "\n")
        for l in lignes:
            f.write("\t".join(echappe(l.get(c)) for c in entete) + "\n")


def complete_competences(lignes, dossier):
    """Recopie n°, carac1 et innee de Competence.tsv (livré par ailleurs) dans les lignes de
    compétences raciales ou d'archétype."""
    chemin = os.path.join(dossier, "Competence.tsv")
    if not os.path.exists(chemin):
        return
    with open(chemin, encoding="utf-8") as f:
        rangs = [l.rstrip("\n").split("\t") for l in f]
    entete = rangs[0]
    fiches = {r[entete.index("Nom")]: dict(zip(entete, r)) for r in rangs[1:]}
    for l in lignes:
        fiche = fiches.get(l["NOM"])
        if fiche is None:
            raise SystemExit(f"Compétence inconnue de Competence.tsv : {l['NOM']} ({l['Classe']})")
        l["n°"] = fiche["n°"] or None
        l["carac1"] = fiche["carac1"] or None
        l["innee"] = fiche["innee"] or None


# --- Traduction des prérequis -------------------------------------------------------------------

CARACS = {"Str": "For", "Dex": "Dex", "Con": "Con", "Int": "Int", "Wis": "Sag", "Cha": "Cha",
          "Strength": "For", "Dexterity": "Dex", "Constitution": "Con", "Intelligence": "Int",
          "Wisdom": "Sag", "Charisma": "Cha"}
NOMS_CARACS = {"For": "Force", "Dex": "Dextérité", "Con": "Constitution", "Int": "Intelligence",
               "Sag": "Sagesse", "Cha": "Charisme"}

COMPETENCES = {
    "Appraise": "Estimation", "Balance": "Equilibre", "Bluff": "Bluff", "Climb": "Escalade",
    "Concentration": "Concentration", "Decipher Script": "Décryptage", "Diplomacy": "Diplomatie",
    "Disable Device": "Désamorçage/sabotage", "Disguise": "Déguisement", "Escape Artist": "Evasion",
    "Forgery": "Contrefaçon", "Gather Information": "Renseignements", "Handle Animal": "Dressage",
    "Heal": "Premiers secours", "Hide": "Discrétion", "Intimidate": "Intimidation", "Jump": "Saut",
    "Knowledge (arcana)": "Connaissances (mystères)", "Knowledge (religion)": "Connaissances (religion)",
    "Knowledge (nature)": "Connaissances (nature)", "Knowledge (the planes)": "Connaissances (plans)",
    "Knowledge (dungeoneering)": "Connaissances (explo souterre)", "Knowledge (history)": "Connaissances (histoire)",
    "Knowledge (geography)": "Connaissances (géographie)", "Knowledge (local)": "Connaissances (local)",
    "Knowledge (nobility and royalty)": "Connaissances (noblesse)",
    "Knowledge (architecture and engineering)": "Connaissances (architecture)",
    "Knowledge (psionics)": "Connaissances (psionique)",
    "Listen": "Perception auditive", "Move Silently": "Déplacement silencieux", "Open Lock": "Crochetage",
    "Perform": "Représentation", "Ride": "Equitation", "Search": "Fouille", "Sense Motive": "Psychologie",
    "Sleight of Hand": "Escamotage", "Speak Language": "Langues", "Spellcraft": "Art de la magie",
    "Spot": "Détection", "Survival": "Survie", "Swim": "Natation", "Tumble": "Acrobaties",
    "Use Magic Device": "Utilisation Objets magiques", "Use Rope": "Maîtrise des cordes",
    "Craft": "Artisanat", "Profession": "Profession",
}


def traduit_condition(texte, noms):
    """Prérequis anglais -> texte français ; None si une partie reste intraduite."""
    if not texte or texte.strip() in ("None", "-"):
        return None
    morceaux = [m.strip().rstrip(".") for m in re.split(r",(?![^(]*\))", texte.strip().rstrip("."))]
    sortie = []
    for m in morceaux:
        m = re.sub(r"^(and|or) ", "", m)
        t = None
        if m.casefold() in noms:
            t = noms[m.casefold()]
        elif re.fullmatch(r"(Str|Dex|Con|Int|Wis|Cha|Strength|Dexterity|Constitution|Intelligence|Wisdom|Charisma) (\d+)", m):
            a, v = m.split()
            t = f"{CARACS[a]} {v}"
        elif mm := re.fullmatch(r"[Bb]ase attack bonus \+(\d+)", m):
            t = f"bonus de base à l'attaque +{mm.group(1)}"
        elif mm := re.fullmatch(r"[Cc]aster level (\d+)(st|nd|rd|th)", m):
            t = f"niveau de lanceur de sorts {mm.group(1)}"
        elif mm := re.fullmatch(r"[Ff]ighter level (\d+)(st|nd|rd|th)", m):
            t = f"guerrier niveau {mm.group(1)}"
        elif mm := re.fullmatch(r"[Cc]haracter level (\d+)(st|nd|rd|th)", m):
            t = f"niveau global {mm.group(1)}"
        elif mm := re.fullmatch(r"(.+?) (\d+) ranks?", m):
            comp = COMPETENCES.get(mm.group(1))
            if comp:
                t = f"{comp} {mm.group(2)} degré" + ("s" if int(mm.group(2)) > 1 else "")
        elif mm := re.fullmatch(r"(.+) with selected weapon", m):
            if mm.group(1).casefold() in noms:
                t = f"{noms[mm.group(1).casefold()]} avec l'arme choisie"
            elif mm.group(1) == "Proficiency":
                t = "maniement de l'arme choisie"
        if t is None:
            return None
        sortie.append(t)
    texte = ", ".join(sortie)
    return texte[0].upper() + texte[1:] + "."


def premiere_carac(condition):
    if not condition:
        return None
    m = re.search(r"\b(For|Dex|Con|Int|Sag|Cha) \d+", condition)
    return NOMS_CARACS[m.group(1)] if m else None


# --- Construction des lignes ---------------------------------------------------------------------

SOURCES = {"Feats": "Manuel des joueurs", "MonsterFeats": "Manuel des monstres",
           "EpicFeats": "Manuel des niveaux épiques", "DivineAbilitiesandFeats": "Dieux et demi-dieux",
           "PsionicsFeats": "Manuel extensif des psioniques"}


def source_de(reference):
    # "EpicFeats" finit aussi par "Feats" : la clé la plus longue d'abord.
    for cle, livre in sorted(SOURCES.items(), key=lambda e: -len(e[0])):
        if reference and reference.endswith(cle):
            return livre
    return "Manuel des joueurs"


def genre_de(type_srd, special, epique):
    types = [t.strip() for t in (type_srd or "").split(",")]
    if "Metamagic" in types:
        return "Métamagie"
    if "Item Creation" in types:
        return "Création d'objets"
    if "Divine" in types:
        return "Divin"
    if epique:
        return "Epique"
    if "Fighter" in types or (special and "fighter bonus feat" in special):
        return "Guerrier"
    return "Général"


MANQUES = []  # prérequis qu'il faut traduire à la main (clé "condition" de la table)


def lignes_dons(base, table, epique):
    noms = {d["en"].casefold(): d["fr"] for d in DONS + DONS_EPIQUES}
    lignes = []
    for d in table:
        rang = base.execute("select type, stack, prerequisite, special, reference from feat where name=?",
                            (d["en"],)).fetchone()
        if rang is None:
            raise SystemExit(f"Don absent de la base SRD : {d['en']}")
        type_srd, cumul, prerequis, special_srd, reference = rang
        condition = d.get("condition") or traduit_condition(prerequis, noms)
        if prerequis and prerequis != "None" and condition is None:
            MANQUES.append(f"{d['en']} : {prerequis}")
        lignes.append({
            "Nom": d["fr"],
            "Genre": genre_de(type_srd, special_srd, epique),
            "Source": source_de(reference),
            "Type": "Général",
            "Categorie": d.get("categorie"),
            "Caracteristique": d.get("carac") or premiere_carac(condition),
            "Condition": condition,
            "NORMAL": d.get("normal"),
            "Résumé": d["resume"],
            "Spécial": d.get("special"),
            "Explication": d["explication"],
            "Multiple": cumul == "Yes" or d.get("multiple", False),
            # Lu par les règles pour savoir si le don peut être repris : même sens que Multiple.
            "supplementaire": cumul == "Yes" or d.get("multiple", False),
            "pouvoir": False,
            "tare": False,
            "js": d.get("js"),
            "prive": False,
            "anciens": False,
            "epique": epique,
            "liearme": d.get("liearme", False),
            "version": 3.5,
        })
    return lignes


def lignes_traits():
    lignes = []
    for t in TRAITS:
        lignes.append({
            "Nom": t["nom"], "Genre": "Trait racial", "Source": t.get("source", "Manuel des joueurs"),
            "Type": t.get("type", "Ext"), "Categorie": t.get("categorie", "Qualité spéciale"),
            "Résumé": t["resume"], "Explication": t["explication"],
            "Multiple": False, "pouvoir": t.get("pouvoir", False), "tare": t.get("tare", False),
            "js": t.get("js"), "prive": True, "anciens": False, "epique": False, "liearme": False,
            "version": 3.5,
        })
    return lignes


def main():
    racine = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    p = argparse.ArgumentParser()
    p.add_argument("--srd", default=os.path.join(racine, "..", "shared", "srd", "dnd35.db"))
    p.add_argument("--sortie", default=os.path.join(racine, "data", "programme"))
    args = p.parse_args()
    base = sqlite3.connect(args.srd)

    cle = ["Nom"]
    ecrit_tsv(os.path.join(args.sortie, "Dons", "dons.tsv"), ENTETE_DONS, lignes_dons(base, DONS, False), cle)
    ecrit_tsv(os.path.join(args.sortie, "Dons", "dons-epiques.tsv"), ENTETE_DONS,
              lignes_dons(base, DONS_EPIQUES, True), cle)
    ecrit_tsv(os.path.join(args.sortie, "Dons", "traits-raciaux.tsv"), ENTETE_DONS, lignes_traits(), cle)
    if MANQUES:
        raise SystemExit("Prérequis à traduire à la main :\n" + "\n".join(MANQUES))
    noms = {d["en"]: d["fr"] for d in DONS + DONS_EPIQUES}
    ecrit_tsv(os.path.join(args.sortie, "Metamagie.tsv"), ["Nom", "Niveau"],
              [{"Nom": noms[en], "Niveau": n or None} for en, n in METAMAGIE.items()], cle)
    ecrit_tsv(os.path.join(args.sortie, "Dongenre.tsv"), ["Nom"], [{"Nom": g} for g in GENRES_DONS], cle)


if __name__ == "__main__":
    main()

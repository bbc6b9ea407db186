#!/usr/bin/env python3
"""Produit data/programme/Race.tsv, RaceCompetence.tsv et RaceDons.tsv (Raceequipement.tsv : equipement_naturel.py).

Races du Manuel des joueurs et sous-races : écrites ici d'après les règles. Monstres jouables :
chiffres lus dans la table monster de la base SRD (taille, type, dés de vie, vitesses, armure
naturelle, caractéristiques, sens, résistances, dons), noms et descriptions écrits ici. Le reste du
bestiaire ouvert s'y ajoute (bestiaire.py : noms, exclusions, descriptions).

Usage : races.py [--srd /chemin/dnd35.db] [--sortie data/programme]
Regénération complète : voir l'en-tête de bestiaire.py.
"""
import argparse
import os
import re
import sqlite3

from dons import complete_competences, ecrit_tsv
from dons_textes import DONS
from dons_epiques import DONS_EPIQUES
from races_donnees import (COMPETENCES_RACIALES, GUERRIERS_JOUEURS, MONSTRES, RACES_JOUEURS, TRAITS_MONSTRES)
import bestiaire

TAILLES = {"Fine": "Infime", "Diminutive": "Minuscule", "Tiny": "Très petite", "Small": "Petite",
           "Medium": "Moyenne", "Large": "Grande", "Huge": "Très grande", "Gargantuan": "Gigantesque",
           "Colossal": "Colossale", "Colossal+": "Colossale+"}
TYPES = {"Aberration": "Aberration", "Animal": "Animal", "Construct": "Créature artificielle",
         "Magical Beast": "Créature magique", "Dragon": "Dragon", "Elemental": "Elémentaire",
         "Outsider": "Extérieur", "Fey": "Fée", "Giant": "Géant", "Humanoid": "Humanoïde",
         "Monstrous Humanoid": "Humanoïde monstrueux", "Undead": "Mort-vivant", "Plant": "Plante",
         "Ooze": "Vase", "Vermin": "Vermine"}
SOUS_TYPES = {"Goblinoid": "Gobelinoïde", "Reptilian": "Reptilien", "Aquatic": "Aquatique", "Native": "Natif",
              "Extraplanar": "Extraplanaire", "Fire": "Feu", "Cold": "Froid", "Earth": "Terre", "Air": "Air",
              "Water": "Eau", "Evil": "Mal", "Good": "Bien", "Chaotic": "Chaos", "Lawful": "Loi",
              "Shapechanger": "Métamorphe", "Dwarf": "Nain", "Elf": "Elfe", "Gnome": "Gnome",
              "Halfling": "Halfelin", "Orc": "Orque", "Human": "Humain", "Gnoll": "Gnoll",
              "Incorporeal": "Intangible", "Angel": "Ange", "Archon": "Archon", "Demon": "Démon",
              "Devil": "Diable", "Baatezu": "Baatezu", "Tanar'ri": "Tanar'ri", "Psionic": "Psionique",
              "Augmented Magical Beast": "Augmenté", "Force": "Force"}
MANOEUVRES = {"perfect": "Parfaite", "good": "Bonne", "average": "Moyenne", "poor": "Médiocre",
              "clumsy": "Déplorable"}
ENERGIES = {"acid": "Resistance_acide", "cold": "Resistance_froid", "electricity": "Resistance_electricite",
            "fire": "Resistance_feu", "sonic": "Resistance_son"}
MATIERES_RD = {"magic": "magie", "silver": "argent", "cold iron": "fer froid", "good": "Bien", "evil": "Mal",
               "lawful": "Loi", "chaotic": "Chaos", "adamantine": "adamantium", "bludgeoning": "contondant",
               "slashing": "tranchant", "piercing": "perforant", "epic": "épique", "-": "–", "—": "–"}
ARMES = {"greataxe": "Grande hache", "rapier": "Rapière", "longsword": "Epée longue", "bite": "Morsure",
         "claw": "Griffe", "battleaxe": "Hache d'armes", "morningstar": "Morgenstern", "javelin": "Javeline",
         "greatclub": "Massue", "falchion": "Cimeterre à 2 mains", "scimitar": "Cimeterre", "gore": "Corne",
         "slam": "Coup", "spear": "Lance", "longbow": "Arc Long", "shortbow": "Arc Court", "trident": "Trident",
         "greatsword": "Epée à 2 mains", "warhammer": "Marteau de guerre", "tentacle": "Tentacule",
         "heavy pick": "Pic de guerre lourd", "club": "Gourdin", "halberd": "Hallebarde", "talon": "Serre",
         "light crossbow": "Arbalète légère", "heavy crossbow": "Arbalète lourde", "short sword": "Epée courte",
         "dagger": "Dague", "hand crossbow": "Arbalète de poing", "whip": "Fouet", "flail": "Fléau d'armes léger",
         "rock": "Rocher", "sling": "Fronde", "handaxe": "Hachette", "sickle": "Serpe", "hoof": "Sabot",
         "sting": "Dard", "shortspear": "Lance"}

ENTETE_RACE = (["Race", "Niveau", "Type"] + [f"SousType_{i}" for i in range(1, 6)] +
               ["taille", "AdjNiv", "FP", "Allonge", "For", "Dex", "Con", "Int", "Sag", "Cha", "Ca",
                "Reflexe", "Vigueur", "Volonte", "Competence", "Don", "Deplacement", "Deplacement_Air",
                "Deplacement_Eau", "Deplacement_Fouissement", "Deplacement_Escalade", "Manoeuvrabilite",
                "Quadripede", "Vision", "Vision_texte", "Resistance_degat", "Rd_texte", "Resistance_magie",
                "Progression_rm", "Resistance_acide", "Resistance_electricite", "Resistance_feu",
                "Resistance_froid", "Resistance_son"] + [f"don_{i}" for i in range(1, 13)] +
               ["poidshomme", "poidsfemme", "poidsdes", "taillehomme", "taillefemme", "tailledes", "Langue",
                "ClasseFavorite", "JetsBons", "CaracAbsentes", "Source", "Description", "n°"])
ENTETE_COMP = ["Classe", "NOM", "carac1", "modif", "innee", "Rang", "Texte", "n°"]


def metres(pieds):
    """Pieds -> mètres à la manière des règles françaises (1,50 m la case de 5 pieds)."""
    return int(pieds) * 3 // 10


def vitesses(texte):
    r = {}
    base = re.search(r"base (?:land )?speed (\d+) ft", texte)
    premier = re.match(r"\s*(\d+) ft", texte)
    if base:
        r["Deplacement"] = metres(base.group(1))
    elif premier:
        r["Deplacement"] = metres(premier.group(1))
    for mode, champ in (("fly", "Deplacement_Air"), ("swim", "Deplacement_Eau"),
                        ("burrow", "Deplacement_Fouissement"), ("climb", "Deplacement_Escalade")):
        # « Fly 60 ft. (perfect) » : une créature sans vitesse au sol commence par son autre mode.
        m = re.search(mode + r" (\d+) ft\.?(?: \(\d+ squares\))?(?: \((\w+)\))?", texte, re.I)
        if m:
            r[champ] = metres(m.group(1))
            if mode == "fly" and m.group(2):
                r["Manoeuvrabilite"] = MANOEUVRES.get(m.group(2))
    return r


def modificateur(score):
    """Ajustement racial d'un monstre jouable : valeur − 10, ou − 11 pour une valeur impaire."""
    if not score or score in ("-", "—"):
        return None
    v = int(score)
    return v - 10 - (v % 2)


def lit_monstre(base, nom_en):
    rang = base.execute("select size, type, descriptor, hit_dice, speed, armor_class, reach, special_attacks, "
                        "special_qualities, abilities, skills, bonus_feats, feats, challenge_rating, "
                        "level_adjustment, saves, full_text from monster where name=?", (nom_en,)).fetchone()
    if rang is None:
        raise SystemExit(f"Monstre absent de la base SRD : {nom_en}")
    return dict(zip(["size", "type", "descriptor", "hd", "speed", "ac", "reach", "sa", "sq", "abilities",
                     "skills", "bonus_feats", "feats", "cr", "la", "saves", "texte"], rang))


JETS = (("Ref", "Réflexe", "Dex", "Lightning Reflexes"), ("Fort", "Vigueur", "Con", "Great Fortitude"),
        ("Will", "Volonté", "Wis", "Iron Will"))


def jets_bons(b, niveau):
    """Jets de base forts des dés de vie raciaux, déduits des jets du bloc : total moins
    caractéristique et dons ; fort quand la base dépasse le milieu entre 2 + DV/2 et DV/3."""
    if niveau <= 0:
        return None
    caracs = dict(re.findall(r"(Str|Dex|Con|Int|Wis|Cha)[ _](\d+)", b["abilities"] or ""))
    bons = []
    for en, fr, carac, don in JETS:
        m = re.search(en + r"\s*([+-]\d+)", b["saves"] or "")
        if not m:
            continue  # « Ref - » d'une créature immobile : pas de jet fort
        base = int(m.group(1)) - ((int(caracs[carac]) - 10) // 2 if carac in caracs else 0)
        if don in (b["feats"] or "") or don in (b["bonus_feats"] or ""):
            base -= 2
        # Grâce surnaturelle ou divine : le Charisme s'ajoute à chaque jet.
        if re.search(r"(unearthly|divine) grace", (b["sq"] or "") + (b["sa"] or ""), re.I) and "Cha" in caracs:
            base -= max(0, (int(caracs["Cha"]) - 10) // 2)
        if 2 * base >= (2 + niveau // 2) + niveau // 3:
            bons.append(fr)
    return ", ".join(bons) or "Aucun"


def bonus_raciaux(texte):
    """« +4 racial bonus on Search, Spot, and Listen checks. » -> [(compétence, bonus)], sans condition."""
    from dons import COMPETENCES
    r = []
    for m in re.finditer(r"\+(\d+) racial bonus on ([A-Z][^.<]*?) checks\.", re.sub(r"<[^>]+>", " ", texte or "")):
        for nom in re.split(r",\s*(?:and\s+)?|\s+and\s+", m.group(2)):
            fr = COMPETENCES.get(nom.strip())
            if fr:
                r.append((fr, int(m.group(1))))
    return r


def nombre(texte, defaut=0):
    m = re.search(r"-?\d+(\.\d+)?", texte or "")
    return float(m.group(0)) if m else defaut


def fp(texte):
    t = (texte or "").strip()
    m = re.match(r"(\d+)/(\d+)", t)
    if m:
        return round(int(m.group(1)) / int(m.group(2)), 3)
    return nombre(t)


def dons_du_bloc(texte, noms):
    """'Alertness, Weapon Focus (rapier)' -> [(nom français, précision)] pour les dons connus."""
    r = []
    if not texte or texte.strip() in ("None", "-", "—"):
        return r
    for morceau in re.split(r",(?![^(]*\))", texte):
        morceau = re.sub(r"[BE*]+$", "", morceau.strip())
        m = re.match(r"(.+?)\s*\((.+)\)$", morceau)
        nom, precision = (m.group(1), m.group(2)) if m else (morceau, None)
        fr = noms.get(morceau.casefold()) or noms.get(nom.casefold())
        if fr is None:
            continue
        if fr in ("Arme de prédilection", "Science du critique", "Arme naturelle supérieure",
                  "Maniement d'une arme exotique", "Spécialisation martiale") and precision:
            precision = ARMES.get(precision.casefold(), None)
        elif fr == "Talent" and precision:
            from dons import COMPETENCES
            precision = COMPETENCES.get(precision)
        else:
            precision = None if noms.get(morceau.casefold()) else traduit_precision(precision)
        r.append((fr, precision))
    return r


# Précisions des dons du bestiaire qui ne sont ni des armes ni des compétences : écoles, attaques
# spéciales, et sorts (par la table des noms de sorts).
PRECISIONS = {"enchantment": "Enchantement", "charming gaze": "regard charmeur", "fists": "poings",
              "poison": "poison", "roar": "rugissement"}
_SORTS = {}


def traduit_precision(precision):
    if precision is None:
        return None
    if not _SORTS:
        from noms_sorts import noms_sorts
        _SORTS.update({en.casefold(): fr for en, fr in noms_sorts().items()})
    cle = precision.casefold()
    return PRECISIONS.get(cle) or _SORTS.get(cle, precision)


def race_monstre(base, m, noms):
    b = lit_monstre(base, m["en"])
    ligne = {"Race": m["fr"], "Type": TYPES[b["type"]], "taille": TAILLES[b["size"]],
             "Source": m.get("source", "Manuel des monstres")}
    sous = [SOUS_TYPES[s.strip()] for s in (b["descriptor"] or "").split(",") if s.strip() in SOUS_TYPES]
    for i, s in enumerate(m.get("sous_types", sous)[:5], 1):
        ligne[f"SousType_{i}"] = s
    guerrier = "1st-Level Warrior" in m["en"]
    if guerrier:
        ligne["Niveau"] = 0
    else:
        # Un demi-dé de vie compte pour un niveau racial.
        de = re.match(r"(\d+)(/\d+)? ?d", b["hd"])
        ligne["Niveau"] = (1 if de.group(2) else int(de.group(1))) if de else 0
    ligne["JetsBons"] = jets_bons(b, ligne["Niveau"])
    absentes = [fr for en, fr in (("Str", "For"), ("Dex", "Dex"), ("Con", "Con"), ("Int", "Int"), ("Wis", "Sag"),
                                  ("Cha", "Cha")) if re.search(en + r"\s*[-—]", b["abilities"] or "")]
    ligne["CaracAbsentes"] = ", ".join(absentes) or None
    la = re.match(r"\+?(\d+)", (b["la"] or "").strip())
    ligne["AdjNiv"] = int(la.group(1)) if la else None
    ligne["FP"] = m.get("fp", 0 if guerrier else fp(b["cr"]))
    allonge = re.match(r"(\d+) ft", b["reach"] or "")
    ligne["Allonge"] = int(allonge.group(1)) // 5 if allonge else 1
    caracs = dict(re.findall(r"(Str|Dex|Con|Int|Wis|Cha)[ _](\d+|-|—)", b["abilities"] or ""))
    if "ajustements" in m:
        ligne.update(m["ajustements"])
    else:
        for en, fr in (("Str", "For"), ("Dex", "Dex"), ("Con", "Con"), ("Int", "Int"), ("Wis", "Sag"), ("Cha", "Cha")):
            ligne[fr] = modificateur(caracs.get(en))
    naturelle = re.search(r"\+(\d+) natural", b["ac"] or "")
    ligne["Ca"] = int(naturelle.group(1)) if naturelle else 0
    ligne.update(vitesses(b["speed"] or ""))
    ligne["Quadripede"] = m.get("quadripede", False)
    sq = (b["sq"] or "") + ", " + (b["sa"] or "")
    nv = re.search(r"[Dd]arkvision (\d+) ft", sq)
    ligne["Vision"] = metres(nv.group(1)) if nv else 0
    sens = []
    if re.search(r"[Ll]ow-light vision", sq):
        sens.append("Vision nocturne")
    for en, fr in (("scent", "odorat"), ("blindsight", "perception aveugle"), ("blindsense", "perception aveugle partielle"),
                   ("tremorsense", "perception des vibrations")):
        mm = re.search(en + r" (\d+) ft", sq, re.I)
        if mm:
            sens.append(f"{fr} {metres(mm.group(1))} m")
        elif re.search(r"\b" + en + r"\b", sq, re.I):
            sens.append(fr)
    ligne["Vision_texte"] = ", ".join(sens) or None
    rd = re.search(r"[Dd]amage reduction (\d+)/([\w\s-]+?)(?:,|$| and)", sq)
    if rd:
        ligne["Resistance_degat"] = int(rd.group(1))
        matiere = rd.group(2).strip()
        for en, fr in sorted(MATIERES_RD.items(), key=lambda e: -len(e[0])):
            matiere = (re.sub(r"\b" + re.escape(en) + r"\b", fr, matiere, flags=re.I) if en.isalpha() or " " in en
                       else matiere.replace(en, fr))
        matiere = re.sub(r"\bor\b", "ou", re.sub(r"\band\b", "et", matiere))
        ligne["Rd_texte"] = f"{rd.group(1)}/{matiere}"
    rm = re.search(r"[Ss]pell resistance (\d+)", sq)
    if rm:
        ligne["Resistance_magie"] = int(rm.group(1))
    for mm in re.finditer(r"resistance to ([a-z ,and]+?) (\d+)", sq):
        for en in re.findall(r"acid|cold|electricity|fire|sonic", mm.group(1)):
            ligne[ENERGIES[en]] = int(mm.group(2))
    for en, champ in ENERGIES.items():
        # Liste « acid 10, cold 10 » des qualités spéciales, pas les dés d'un souffle.
        autre = re.search(r"\b" + en + r" (\d+)\b(?!d)", b["sq"] or "")
        if autre and not ligne.get(champ) and "resistance" in sq.lower():
            ligne[champ] = int(autre.group(1))
    traits = list(m.get("traits", []))
    for en, fr in TRAITS_MONSTRES:
        if re.search(r"\b" + en + r"\b", sq, re.I) and fr not in traits:
            traits.append(fr)
    for i, t in enumerate(traits[:12], 1):
        ligne[f"don_{i}"] = t
    ligne["Langue"] = m.get("langue")
    ligne["Description"] = m.get("description")
    for cle in ("Competence", "Don", "Reflexe", "Vigueur", "Volonte"):
        ligne.setdefault(cle, 0)
    ligne.update(m.get("champs", {}))

    competences = []
    if not guerrier:
        for nom_en in re.findall(r"([A-Z][A-Za-z ]+(?: \([a-z ]+\))?) [+-]\d+", b["skills"] or ""):
            from dons import COMPETENCES
            fr = COMPETENCES.get(nom_en.strip())
            if fr and fr not in {c["NOM"] for c in competences}:
                competences.append({"Classe": m["fr"], "NOM": fr})
    if "source" in m:
        # Bestiaire : bonus raciaux du texte, et +8 en Natation ou Escalade pour une vitesse de nage
        # ou d'escalade.
        bonus = bonus_raciaux(b["texte"])
        if ligne.get("Deplacement_Eau"):
            bonus.append(("Natation", 8))
        if ligne.get("Deplacement_Escalade"):
            bonus.append(("Escalade", 8))
        for nom, valeur in bonus:
            ligne_comp = next((c for c in competences if c["NOM"] == nom), None)
            if ligne_comp is None:
                ligne_comp = {"Classe": m["fr"], "NOM": nom}
                competences.append(ligne_comp)
            ligne_comp["modif"] = max(valeur, ligne_comp.get("modif", 0))
    dons = []
    if not guerrier:
        vus = set()
        for colonne, genre in (("feats", "Don"), ("bonus_feats", "Don supplémentaire")):
            for fr, precision in dons_du_bloc(b[colonne], noms):
                # Deux spécialités que la table d'armes ne connaît pas ne font qu'une ligne.
                if (fr, precision) not in vus:
                    vus.add((fr, precision))
                    dons.append({"Race": m["fr"], "Don": fr, "Libelle": precision, "Type": genre})
    return ligne, competences, dons


def fusionne_competences(lignes, race, modifs):
    """Ajoute ou complète les lignes (race, compétence) avec les bonus raciaux écrits à la main."""
    index = {(l["Classe"], l["NOM"]): l for l in lignes}
    for nom, modif, texte in modifs:
        l = index.get((race, nom))
        if l is None:
            l = {"Classe": race, "NOM": nom}
            lignes.append(l)
            index[(race, nom)] = l
        l["modif"] = modif
        l["Texte"] = texte


def main():
    racine = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    p = argparse.ArgumentParser()
    p.add_argument("--srd", default=os.path.join(__import__("tsv_srd").SRD, "dnd35.db"))
    p.add_argument("--sortie", default=os.path.join(racine, "data", "programme"))
    args = p.parse_args()
    base = sqlite3.connect(args.srd)
    noms = {d["en"].casefold(): d["fr"] for d in DONS + DONS_EPIQUES}

    races, competences, dons = [], [], []
    for r in RACES_JOUEURS:
        ligne = {k: v for k, v in r.items() if k not in ("competences",)}
        ligne.setdefault("Source", "Manuel des joueurs")
        races.append(ligne)
    for m in MONSTRES:
        ligne, comp, d = race_monstre(base, m, noms)
        races.append(ligne)
        competences.extend(comp)
        dons.extend(d)
    livrees = len(races)
    deja = dict(GUERRIERS_JOUEURS)
    deja.update({m["en"]: m["fr"] for m in MONSTRES})
    for m in bestiaire.monstres(base, deja):
        ligne, comp, d = race_monstre(base, m, noms)
        races.append(ligne)
        competences.extend(comp)
        dons.extend(d)
    for race, modifs in COMPETENCES_RACIALES.items():
        fusionne_competences(competences, race, modifs)
    for r in RACES_JOUEURS:
        fusionne_competences(competences, r["Race"], r.get("competences", []))
    # Les dés de vie raciaux n'ont pas d'autre source de compétences de classe : une ligne sans
    # bonus suffit à en faire une.
    for l in competences:
        l.setdefault("modif", 0)
    # Une compétence à spécialité que le bloc ne précise pas (« Perform ») n'a pas de ligne.
    with open(os.path.join(args.sortie, "Competence.tsv"), encoding="utf-8") as f:
        connues = {l.split("\t", 1)[0] for l in f}
    competences = [l for l in competences if l["NOM"] in connues]
    complete_competences(competences, args.sortie)
    # Numéros stables : les races déjà livrées d'abord, chaque groupe dans l'ordre alphabétique.
    tri = __import__("dons").cle_tri
    races = (sorted(races[:livrees], key=lambda l: tri(l["Race"])) +
             sorted(races[livrees:], key=lambda l: tri(l["Race"])))
    for i, l in enumerate(races, 1):
        l["n°"] = i

    ecrit_tsv(os.path.join(args.sortie, "Race.tsv"), ENTETE_RACE, races, ["Race"])
    ecrit_tsv(os.path.join(args.sortie, "RaceCompetence.tsv"), ENTETE_COMP, competences, ["Classe", "NOM"])
    ecrit_tsv(os.path.join(args.sortie, "RaceDons.tsv"), ["Race", "Don", "Libelle", "Type"], dons,
              ["Race", "Don", "Libelle"])


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Sorts (table Sort) tirés du SRD 3.5 : nom français, école, niveaux par classe et par domaine,
composantes, temps d'incantation, portée, cible, effet, zone, durée, jet de sauvegarde, résistance.

Les niveaux d'adepte, d'assassin et de chevalier noir viennent des listes du texte du SRD.
Les sorts épiques, sans niveau de classe, vont à part dans Sort/Epiques.tsv avec leur DD d'Art de la magie.
Usage : python3 outils/srd/sorts.py  (écrit data/programme/Sort/*.tsv, un fichier par initiale)
"""
import os
import re
import shutil

from tsv_srd import DONNEES, SRD, base_srd, cle_tri, ecrit_revue, ecrit_tsv
from noms_sorts import noms_sorts
from domaines import DOMAINES
from traduction_sorts import reste_anglais, traduit
from explications import EXPLICATIONS
from explications_a_c import EXPLICATIONS as EXPLICATIONS_A_C
from explications_d_m import EXPLICATIONS as EXPLICATIONS_D_M
from explications_n_z import EXPLICATIONS as EXPLICATIONS_N_Z
from sorts_epiques import sorts_epiques

# Les explications écrites par tranche d'alphabet complètent les premières.
EXPLICATIONS = {**EXPLICATIONS_A_C, **EXPLICATIONS_D_M, **EXPLICATIONS_N_Z, **EXPLICATIONS}

CLASSES = ["Adepte", "Assassin", "Barde", "Chevalier noir", "Druide", "Ensorceleur", "Magicien", "Paladin", "Prêtre",
           "Rôdeur"]
ABREGES = {"Adepte": "Adp", "Assassin": "Ass", "Barde": "Brd", "Chevalier noir": "Chn", "Druide": "Dru",
           "Paladin": "Pal", "Prêtre": "Prê", "Rôdeur": "Rôd"}
CLASSES_SRD = {"Bard": ["Barde"], "Cleric": ["Prêtre"], "Druid": ["Druide"], "Paladin": ["Paladin"],
               "Ranger": ["Rôdeur"], "Sorcerer/Wizard": ["Ensorceleur", "Magicien"], "Wizard": ["Magicien"],
               "Sorcerer": ["Ensorceleur"], "Blackguard": ["Chevalier noir"], "Assassin": ["Assassin"],
               "Adept": ["Adepte"]}
# Domaines qui ont leur colonne dans Sort (les autres sont listés dans `domaine` et le rapport).
DOMAINES_COLONNES = sorted((v[0] for v in DOMAINES.values()), key=cle_tri)

ECOLES = {"Abjuration": "Abjuration", "Conjuration": "Invocation", "Divination": "Divination",
          "Enchantment": "Enchantement", "Evocation": "Evocation", "Illusion": "Illusion",
          "Necromancy": "Nécromancie", "Transmutation": "Transmutation", "Universal": "Universel"}
BRANCHES = {"Calling": "appel", "Creation": "création", "Healing": "guérison", "Summoning": "convocation",
            "Teleportation": "téléportation", "Scrying": "scrutation", "Charm": "charme", "Compulsion": "coercition",
            "Figment": "chimère", "Glamer": "hallucination", "Pattern": "mirage", "Phantasm": "fantasme",
            "Shadow": "ombre", "Polymorph": "métamorphose"}
REGISTRES = {"Acid": "Acide", "Air": "Air", "Chaotic": "Chaos", "Cold": "Froid", "Darkness": "Ténèbres",
             "Death": "Mort", "Earth": "Terre", "Electricity": "Electricité", "Evil": "Mal", "Fear": "Terreur",
             "Fire": "Feu", "Force": "Force", "Good": "Bien", "Language-Dependent": "Langage", "Lawful": "Loi",
             "Light": "Lumière", "Mind-Affecting": "Mental", "Sonic": "Son", "Water": "Eau", "Teleportation": "Téléportation"}

# Sorts du texte des domaines divins et de la psionique que la liste de base n'a pas.
NOMS_SUPPLEMENTAIRES = {
    "Armor of Darkness": "Armure de ténèbres", "Blacklight": "Lumière noire", "Bolt of Glory": "Trait de gloire",
    "Bolts of Bedevilment": "Traits d'égarement", "Crown of Glory": "Couronne de gloire", "Genesis": "Genèse",
    "Hardening": "Durcissement", "Maddening Scream": "Cri de démence", "Surelife": "Vie assurée",
    "Touch of Madness": "Contact de la folie", "True Creation": "Création véritable",
    "Brain Spider": "Araignée cérébrale", "Dweomer of Transference": "Transfert d'énergie psionique",
    "Glossolalia": "Glossolalie", "Mental Pinnacle": "Sommet mental", "Probe Thoughts": "Sonde mentale",
    "Psychic Turmoil": "Tourmente psychique", "Psychic Turmoil, Greater": "Tourmente psychique suprême",
    "Telepathic Bond, Lesser": "Lien télépathique mineur",
}


def listes_texte():
    """Listes de sorts d'adepte, d'assassin et de chevalier noir : {nom anglais en minuscules: {classe: niveau}}."""
    niveaux = {}
    for fichier, titre, classe in (("NPCClasses.txt", "Adept Spell List", "Adepte"),
                                   ("PrestigeClasses.txt", "Assassin Spell List", "Assassin"),
                                   ("PrestigeClasses.txt", "Blackguard Spell List", "Chevalier noir")):
        with open(os.path.join(SRD, "texte", fichier), encoding="utf-8") as f:
            texte = f.read()
        bloc = texte[texte.index(titre):]
        for m in re.finditer(r"^(\d)(?:st|nd|rd|th)? Level: (.*)$", bloc[:3000], re.M):
            for sort in m.group(2).rstrip(".").split(","):
                sort = sort.strip().rstrip("*").replace("’", "'").lower()
                sort = {"protection from elements": "protection from energy"}.get(sort, sort)
                niveaux.setdefault(sort, {})[classe] = int(m.group(1))
    return niveaux


def cle_anglaise(nom, noms):
    """'lesser planar binding' -> 'Planar Binding, Lesser' ; None si le sort n'existe pas."""
    nom = re.sub(r"\s*\(.*\)$", "", nom.strip())
    index = {k.lower(): k for k in noms}
    if nom.lower() in index:
        return index[nom.lower()]
    m = re.match(r"^(lesser|greater|mass) (.*)$", nom, re.I)
    if m:
        cle = ("%s, %s" % (m.group(2), m.group(1))).lower()
        return index.get(cle)
    return None


def ecole(r):
    # Quelques sorts épiques relèvent de deux écoles : « Necromancy, Illusion ».
    ecoles = []
    for e in r["school"].split(","):
        m = re.match(r"^\s*(\w+)(?: \((\w+)\))?", e)
        ecoles.append(ECOLES[m.group(1)] + (" [%s]" % BRANCHES[m.group(2)] if m.group(2) in BRANCHES else ""))
    texte = ", ".join(ecoles)
    if r["subschool"] not in (None, "None"):
        branches = [BRANCHES[b.strip()] for b in re.split(r"[,/]| or ", r["subschool"]) if b.strip() in BRANCHES]
        if branches:
            texte += " [" + ", ".join(branches) + "]"
    if r["descriptor"] not in (None, "None"):
        for d in re.split(r",| or | and ", r["descriptor"]):
            d = d.strip()
            if d in REGISTRES:
                texte += " (" + REGISTRES[d] + ")"
    return texte


def composantes(texte):
    if texte is None or len(texte) > 60:
        return "V, G, M, F ; voir description"
    morceaux = []
    for c in re.split(r",\s*", texte.replace("; see text", "")):
        c = c.replace("(Brd only)", "(barde uniquement)")
        c = re.sub(r"\bS\b", "G", c)
        c = re.sub(r"\bDF\b", "FD", c)
        c = re.sub(r"\bXP\b", "PX", c)
        morceaux.append(c)
    resultat = ", ".join(morceaux)
    return resultat + (" ; voir description" if "see text" in texte else "")


def niveaux_srd(texte):
    classes, domaines = {}, {}
    noms_domaines = {v[0] for v in DOMAINES.values()}
    for morceau in texte.split(","):
        m = re.match(r"^\s*(.*?)\s+(\d+)\s*$", morceau)
        if not m:
            continue
        qui, niveau = m.group(1), int(m.group(2))
        if qui in CLASSES_SRD:
            for c in CLASSES_SRD[qui]:
                classes[c] = niveau
        elif qui in DOMAINES:
            domaines[DOMAINES[qui][0]] = niveau
        elif qui in noms_domaines:
            domaines[qui] = niveau
    return classes, domaines


def texte_niveaux(classes, domaines):
    morceaux = []
    if "Ensorceleur" in classes and classes.get("Magicien") == classes["Ensorceleur"]:
        morceaux.append("Ens/Mag %d" % classes["Ensorceleur"])
    else:
        for c, abrege in (("Ensorceleur", "Ens"), ("Magicien", "Mag")):
            if c in classes:
                morceaux.append("%s %d" % (abrege, classes[c]))
    for c in CLASSES:
        if c in ABREGES and c in classes:
            morceaux.append("%s %d" % (ABREGES[c], classes[c]))
    for d in sorted(domaines, key=cle_tri):
        morceaux.append("%s %d" % (d, domaines[d]))
    return ", ".join(morceaux)


def main():
    base = base_srd()
    noms = noms_sorts()
    noms.update(NOMS_SUPPLEMENTAIRES)
    texte_classes = listes_texte()

    sorts = {}
    requete = "select * from spell where reference like 'SRD 3.5 Spells%' or reference in " \
              "('SRD 3.5 DivineDomainsandSpells', 'SRD 3.5 PsionicSpells') " \
              "order by reference not like 'SRD 3.5 Spells%', id"
    for r in base.execute(requete):
        if r["name"] in sorts:
            continue  # les doublons du texte des domaines
        if r["name"] not in noms:
            raise SystemExit("Sort sans nom français : " + r["name"])
        classes, domaines = niveaux_srd(r["level"] or "")
        sorts[r["name"]] = {"r": r, "classes": classes, "domaines": domaines}

    # Niveaux d'adepte, d'assassin et de chevalier noir.
    for nom, niveaux in texte_classes.items():
        cle = cle_anglaise(nom, sorts)
        if cle is None:
            raise SystemExit("Sort de liste de classe inconnu : " + nom)
        sorts[cle]["classes"].update(niveaux)

    # Sorts de domaine : la table des domaines fait foi (elle couvre aussi les domaines hors du Manuel).
    for d in base.execute("select * from domain"):
        francais = DOMAINES[d["name"]][0]
        for niveau in range(1, 10):
            cle = cle_anglaise(d["spell_%d" % niveau], sorts)
            if cle is not None:
                sorts[cle]["domaines"][francais] = niveau

    champs = ["Nom", "Ecole", "Classe/Niveau", "domaine"] + CLASSES + DOMAINES_COLONNES + [
        "composantes", "Temps d’incantation", "Portée", "Cible", "effet", "Zone d'effet", "durée",
        "Jet de sauvegarde", "Résistance à la magie", "Explication", "Source", "version"]
    lignes, restes = [], []
    for anglais, s in sorts.items():
        r = s["r"]
        if not s["classes"] and not s["domaines"]:
            continue  # sorts psioniques sans liste
        ligne = {
            "Nom": noms[anglais], "Ecole": ecole(r), "Classe/Niveau": texte_niveaux(s["classes"], s["domaines"]),
            "domaine": ", ".join("%s %d" % (d, n) for d, n in sorted(s["domaines"].items(), key=lambda e: cle_tri(e[0])))
            or None,
            "composantes": composantes(r["components"]),
            "Temps d’incantation": traduit(r["casting_time"]), "Portée": traduit(r["range"]),
            "Cible": traduit(r["target"]), "effet": traduit(r["effect"]), "Zone d'effet": traduit(r["area"]),
            "durée": traduit(r["duration"]),
            "Jet de sauvegarde": traduit(r["saving_throw"]) or "Aucun",
            "Résistance à la magie": traduit(r["spell_resistance"]) or "Non",
            "Explication": EXPLICATIONS.get(noms[anglais]),
            "Source": "Manuel des joueurs" if r["reference"].startswith("SRD 3.5 Spells") else (
                "Dieux et demi-dieux" if "Divine" in r["reference"] else "Manuel psionique"),
            "version": 3.5,
        }
        for c, n in s["classes"].items():
            ligne[c] = n
        for d, n in s["domaines"].items():
            ligne[d] = n
        for champ in ("Temps d’incantation", "Portée", "Cible", "effet", "Zone d'effet", "durée",
                      "Jet de sauvegarde", "Résistance à la magie"):
            if reste_anglais(ligne[champ]):
                restes.append("%s | %s | %s" % (ligne["Nom"], champ, ligne[champ]))
        lignes.append(ligne)

    epiques = sorts_epiques(base, ecole, composantes)
    for ligne in epiques:
        for champ in ("Temps d’incantation", "Portée", "Cible", "effet", "Zone d'effet", "durée",
                      "Jet de sauvegarde", "Résistance à la magie"):
            if reste_anglais(ligne[champ]):
                restes.append("%s | %s | %s" % (ligne["Nom"], champ, ligne[champ]))

    noms_vus = set()
    for ligne in lignes + epiques:
        if ligne["Nom"].lower() in noms_vus:
            raise SystemExit("Nom de sort en double : " + ligne["Nom"])
        noms_vus.add(ligne["Nom"].lower())

    dossier = os.path.join(DONNEES, "Sort")
    shutil.rmtree(dossier, ignore_errors=True)
    par_initiale = {}
    for ligne in sorted(lignes, key=lambda l: cle_tri(l["Nom"])):
        initiale = cle_tri(ligne["Nom"])[0][0].upper()
        par_initiale.setdefault(initiale, []).append(ligne)
    for initiale, groupe in par_initiale.items():
        ecrit_tsv(os.path.join(dossier, initiale + ".tsv"), champs, groupe)
    champs_epiques = ["Nom", "Ecole", "Classe/Niveau", "composantes", "Temps d’incantation", "Portée", "Cible", "effet",
                      "Zone d'effet", "durée", "Jet de sauvegarde", "Résistance à la magie", "Explication",
                      "DDdeDifficultee", "PourDevellopper", "Source", "version"]
    ecrit_tsv(os.path.join(dossier, "Epiques.tsv"), champs_epiques, sorted(epiques, key=lambda l: cle_tri(l["Nom"])))
    ecrit_revue("Sort", [{"Nom": l["Nom"], "Anglais": l["Nom"],
                          "Motif": "sort épique : nom français officiel non vérifié, nom anglais gardé"}
                         for l in epiques])
    for reste in restes:
        print("à revoir :", reste)
    print("%d sorts dont %d épiques, %d rubriques à revoir" % (len(lignes) + len(epiques), len(epiques), len(restes)))


if __name__ == "__main__":
    main()

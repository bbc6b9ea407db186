"""Outils communs des convertisseurs du SRD : lecture de dnd35.db, écriture des sources .tsv.

Les convertisseurs ne servent qu'au développeur ; la construction lit les .tsv produits.
"""
import os
import re
import sqlite3
import unicodedata

RACINE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SRD = os.environ.get("QUORVANE_SRD", os.path.join(RACINE, "..", "shared", "srd"))
DONNEES = os.path.join(RACINE, "data", "programme")


def base_srd():
    base = sqlite3.connect(os.path.join(SRD, "dnd35.db"))
    base.row_factory = sqlite3.Row
    return base


def vide(valeur):
    """Le SRD écrit 'None' ou '-' pour une valeur absente."""
    return valeur is None or str(valeur).strip() in ("", "None", "-", "—")


def cle_tri(texte):
    """Ordre français approché : sans accents ni casse, puis le texte exact pour départager."""
    sans = unicodedata.normalize("NFD", str(texte))
    sans = "".join(c for c in sans if unicodedata.category(c) != "Mn")
    return (sans.casefold().replace("œ", "oe").replace("æ", "ae"), str(texte))


def _cellule(valeur):
    if valeur is None:
        return ""
    if isinstance(valeur, bool):
        return "1" if valeur else "0"
    if isinstance(valeur, float):
        texte = ("%.4f" % valeur).rstrip("0").rstrip(".")
        return texte if texte not in ("", "-0") else "0"
    texte = str(valeur)
    return texte.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def ecrit_tsv(chemin, champs, lignes):
    """Écrit un fichier source : en-tête, puis une ligne par enregistrement (dict), UTF-8 et LF."""
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(champs) + "\n")
        for ligne in lignes:
            f.write("\t".join(_cellule(ligne.get(c)) for c in champs) + "\n")


def prix_po(texte):
    """'1,500 gp', '5 sp', '3 cp' -> pièces d'or ; None si le SRD ne donne pas de prix simple."""
    if vide(texte):
        return None
    m = re.match(r"^\+?\s*([\d,]+(?:\.\d+)?)\s*(gp|sp|cp)\b", str(texte).strip())
    if not m:
        return None
    nombre = float(m.group(1).replace(",", ""))
    return nombre * {"gp": 1.0, "sp": 0.1, "cp": 0.01}[m.group(2)]


def livres(texte):
    """'1-1/2 lb.', '1/2 lb.', '10 lb.' -> livres ; None sans poids."""
    if vide(texte):
        return None
    m = re.match(r"^\+?\s*(?:(\d+)-)?(\d+)(?:/(\d+))?\s*lb", str(texte).strip())
    if not m:
        return None
    entier = float(m.group(1) or 0)
    if m.group(3):
        return entier + float(m.group(2)) / float(m.group(3))
    return entier + float(m.group(2))


def kg(lb):
    """Les livres françaises de la 3.5 comptent une livre pour 0,5 kg."""
    return None if lb is None else lb * 0.5


def metres(pieds):
    """Un pied vaut 0,30 m (1,50 m la case de 5 pieds)."""
    return None if pieds is None else round(pieds * 0.3, 2)


REVUE = os.path.join(RACINE, "data", "NOMS-A-REVOIR-SORTS-OBJETS.tsv")
CHAMPS_REVUE = ["Table", "Nom", "Anglais", "Motif"]


def ecrit_revue(table, lignes):
    """Remplace, dans la liste des noms à faire vérifier, les lignes de `table` (dict Nom, Anglais, Motif)."""
    gardees = []
    if os.path.exists(REVUE):
        with open(REVUE, encoding="utf-8") as f:
            entete = f.readline().rstrip("\n").split("\t")
            for ligne in f:
                valeurs = dict(zip(entete, ligne.rstrip("\n").split("\t")))
                if valeurs.get("Table") != table:
                    gardees.append(valeurs)
    toutes = gardees + [dict(l, Table=table) for l in lignes]
    ecrit_tsv(REVUE, CHAMPS_REVUE, sorted(toutes, key=lambda l: (l["Table"], cle_tri(l["Nom"]))))

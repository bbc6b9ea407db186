"""Noms français des sorts du SRD : la liste brouillon de ../shared/srd, vérifiée et corrigée ici.

Les corrections remplacent des noms venus d'un autre jeu par les termes français de la 3.5
et comblent les sorts que la liste laissait sans nom.
"""
import csv
import os

from tsv_srd import SRD

CORRECTIONS = {
    "Gaseous Form": "Forme gazeuse",
    "Globe of Invulnerability": "Globe d'invulnérabilité",
    "Shocking Grasp": "Décharge électrique",
    "Transformation": "Transformation",
    "Inflict Serious Wounds, Mass": "Blessure grave de groupe",
    "Planar Ally, Lesser": "Allié d'outreplan mineur",
    "Planar Ally": "Allié d'outreplan",
    "Planar Ally, Greater": "Allié d'outreplan majeur",
    "Planar Binding, Lesser": "Contrat mineur",
    "Planar Binding": "Contrat",
    "Planar Binding, Greater": "Contrat majeur",
    "Cure Minor Wounds": "Soins superficiels",
    "Inflict Minor Wounds": "Blessure superficielle",
    "Geas, Lesser": "Quête mineure",
    "Corrupt Weapon": "Arme corrompue",
}


def noms_sorts():
    """Nom anglais du SRD -> nom français (sorts de base uniquement)."""
    noms = {}
    with open(os.path.join(SRD, "sorts_noms_fr_brouillon.csv"), encoding="utf-8") as f:
        for ligne in csv.DictReader(f):
            if ligne["reference"].startswith("SRD 3.5 Spells") and ligne["name_fr"]:
                noms[ligne["name_en"]] = ligne["name_fr"]
    noms.update(CORRECTIONS)
    return noms

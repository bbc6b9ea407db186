"""Table des noms de règles que le code compare (data/NOMS-REGLES.tsv) et de la ligne qui porte chacun."""
import os

from capacites_classes import APTITUDES, DONS_EXISTANTS, PROGRESSIONS
from classes import CLASSES, TYPES
from competences import COMPETENCES
from tsv_srd import RACINE, cle_tri, ecrit_tsv

LIGNES = []


def porte(nom, usage, table, remarque=None):
    LIGNES.append({"Nom": nom, "Usage": usage, "Table": table, "Cle": nom, "Remarque": remarque})


def absent(nom, usage, remarque):
    LIGNES.append({"Nom": nom, "Usage": usage, "Table": None, "Cle": None, "Remarque": remarque})


def main():
    for c in CLASSES:
        porte(c, "nom de classe (magie, dons de classe, générateur de ville, assistant)", "Classe")
    for t in TYPES:
        porte(t, "type de créature et classe des dés de vie raciaux", "Classe")
    for c in COMPETENCES:
        porte(c[0], "compétence (liste des compétences, synergies, répartition)", "Competence")
    noms_progression = {n for p in PROGRESSIONS.values() for ns in p.values() for n in ns}
    for a in sorted(noms_progression, key=cle_tri):
        porte(a, "aptitude de classe lue par la liste des dons et le catalogue des capacités", "Dons",
              None if a in APTITUDES else "don général porté par les sources de dons")
    for nom, remarque in [
        ("Rodeur", "la classe s'écrit « Rôdeur » ; le test de magie divine doit comparer à « Rôdeur »"),
        ("Ens/Mag", "aucune classe de ce nom : ensorceleur et magicien ont chacun leur colonne dans Sort et leur ListeSort"),
        ("Prêtre cloîtré", "variante hors SRD, non livrée"),
        ("Sœur de valarian", "classe hors SRD, non livrée"),
        ("Vassal de bahamut", "classe hors SRD, non livrée"),
        ("Champion de gwynharwyf", "classe hors SRD, non livrée"),
        ("Combattant de la nature", "classe hors SRD, non livrée"),
        ("Lion de Talisid", "classe hors SRD, non livrée"),
        ("Arcane hiérophante", "classe hors SRD, non livrée"),
        ("Shugenja", "classe hors SRD, non livrée"),
        ("Wujen", "classe hors SRD, non livrée"),
        ("Sorcier", "classe hors SRD, non livrée"),
        ("Mage de bataille", "classe hors SRD, non livrée"),
        ("Beguiler", "classe hors SRD, non livrée"),
        ("Chaman", "classe hors SRD, non livrée"),
        ("Maître de l'esprit", "classe hors SRD, non livrée"),
        ("Preux cavalier", "classe hors SRD, non livrée"),
        ("Spadassin", "classe hors SRD, non livrée"),
        ("Maître d'armes exotiques", "classe hors SRD, non livrée"),
        ("Ennemi privilégié +1", "le rôdeur gagne « Ennemi juré » ; ses ennemis sont dans Personnage.EnnemisJures"),
        ("sort_0..sort_9", "colonnes non créées : les sorts par jour sont s_n_0..s_n_9 de ClasseProgression "
                           "(s_c_0..s_c_9 : sorts connus) ; la page des sorts doit lire s_n_"),
        ("fp1/8..fp1/2", "colonnes d'Experience pour un FP inférieur à 1 : « fp1/ » suivi de l'arrondi de 1 / FP"),
    ]:
        absent(nom, "nom comparé par les règles", remarque)
    ecrit_tsv(os.path.join(RACINE, "data", "NOMS-REGLES.tsv"), ["Nom", "Usage", "Table", "Cle", "Remarque"], LIGNES)


if __name__ == "__main__":
    main()

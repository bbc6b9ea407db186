"""Objets magiques nommés du SRD avec leurs propriétés (genre, cible, type de bonus, valeur).

Les propriétés suivent le vocabulaire que la fiche comprend : "Bonus Caracteristique" / "Force" /
"Alteration" / "+4", "Bonus Classe Armure" / "Parade", "Lancer un sort" / un sort / "Charges"...
Prix du SRD ; noms français et descriptions sont les nôtres.
"""
import functools
import re

from tsv_srd import base_srd, kg, livres, prix_po
from noms_sorts import noms_sorts
from competences import COMPETENCES

CARAC = {"For": "Force", "Dex": "Dextérité", "Con": "Constitution", "Int": "Intelligence", "Sag": "Sagesse",
         "Cha": "Charisme"}
ENERGIES = [("feu", "Résistance au feu", "Fire"), ("froid", "Résistance au froid", "Cold"),
            ("électricité", "Résistance à l'électricité", "Electricity"), ("acide", "Résistance à l'acide", "Acid"),
            ("son", "Résistance au son", "Sonic")]
ALIGNEMENTS = [("le Mal", "Evil"), ("le Bien", "Good"), ("le Chaos", "Chaos"), ("la Loi", "Law")]
VOYELLES = "aeiouyhâàéèêîïôœAEIOUYHÂÀÉÈÊÎÏÔŒ"


def de(nom):
    """'de' ou 'd'' devant un nom de sort, en minuscule sauf les noms propres d'alignement."""
    premier = nom.split()[0]
    if premier not in ("Mal", "Bien", "Chaos", "Loi"):
        nom = nom[0].lower() + nom[1:]
    return ("d'" if nom[0] in VOYELLES else "de ") + nom


class Catalogue:
    def __init__(self):
        self.objets, self.proprietes = [], []
        # Objet du SRD -> nos objets qui le rendent : clé = identifiant de ligne (int), nom anglais,
        # ou "nom anglais|catégorie" quand le nom revient dans plusieurs catégories.
        self.srd = {}

    def ajoute(self, nom, groupe, type_, cout, description, proprietes, poids=None, charge=None, srd=None,
               **autres):
        self.objets.append(dict(NomObjet=nom, GroupeObjet=groupe, Type=type_, CoutTotal=cout, PoidsBase=poids,
                                CHARGE=charge, Description=description, **autres))
        if srd is not None:
            self.srd.setdefault(srd, []).append(nom)
        for p1, p2, p3, valeur in proprietes:
            self.proprietes.append({"NomObjet": nom, "propriete_1": p1, "propriete_2": p2, "propriete_3": p3,
                                    "valeur": valeur})


def plus(n):
    return "+%d" % n


def sort(noms, anglais, mode, nombre=None):
    """Propriété « Lancer un sort » ; le nom anglais du sort peut différer du SRD par la casse."""
    if anglais not in noms:
        anglais = next(k for k in noms if k.lower() == anglais.lower())
    return ("Lancer un sort", noms[anglais], mode, None if nombre is None else plus(nombre))


def competence(nom, valeur):
    """Bonus à une compétence ; l'arbre des propriétés n'offre pas les bonus d'intuition ni d'altération aux
    compétences, qui s'y rangent en bonus d'aptitude."""
    return ("Bonus Competence", nom, "Aptitude", plus(valeur))


# Aura des objets du SRD en français : force, écoles ou disciplines psioniques, alignement.
FORCES_AURA = {"Faint": "faible", "Moderate": "modérée", "Strong": "puissante"}
ECOLES_AURA = {"abjuration": "abjuration", "conjuration": "invocation", "divination": "divination",
               "enchantment": "enchantement", "evocation": "évocation", "illusion": "illusion",
               "necromancy": "nécromancie", "transmutation": "transmutation", "clairsentience": "clairsentience",
               "metacreativity": "métacréativité", "psychokinesis": "psychokinèse",
               "psychometabolism": "psychométabolisme", "psychoportation": "psychoportation",
               "telepathy": "télépathie",
               # fautes de frappe du SRD
               "aburation": "abjuration", "transmutatation": "transmutation", "conjuuration": "invocation"}
ALIGNEMENTS_AURA = {"good": "Bien", "evil": "Mal", "chaotic": "Chaos", "lawful": "Loi"}


def phrase_aura(texte, niveau, psionique=False):
    """'Moderate evocation [evil]', '9' -> « Aura modérée d'évocation (Mal) ; NLS 9. » ; le niveau d'un objet
    psionique est son niveau de manifestation."""
    texte = texte or "None"
    if texte.startswith("No aura"):
        return "Objet non magique."
    phrase = None
    force = texte.split()[0]
    if force in FORCES_AURA:
        if "all schools" in texte:
            ecoles = ["de toutes les écoles"]
        elif "varied" in texte:
            ecoles = ["de plusieurs écoles"]
        else:
            ecoles = [de(ECOLES_AURA[e]) for e in dict.fromkeys(re.findall(r"|".join(ECOLES_AURA), texte))]
        ecoles = ", ".join(ecoles[:-1]) + " et " + ecoles[-1] if len(ecoles) > 1 else "".join(ecoles)
        phrase = " ".join(filter(None, ("Aura", FORCES_AURA[force], ecoles)))
        alignement = re.search(r"\[(\w+)\]", texte)
        if alignement:
            phrase += " (%s)" % ALIGNEMENTS_AURA[alignement.group(1)]
    niveau = re.sub(r"\D", "", str(niveau or ""))
    if niveau:
        niveau = ("niveau de manifestation %s" if psionique else "NLS %s") % niveau
    phrase = " ; ".join(filter(None, (phrase, niveau)))
    return phrase + "." if phrase else ""


def aura(r):
    """Phrase d'aura d'une ligne de la table des objets du SRD."""
    psionique = r["manifester_level"] not in (None, "None")
    return phrase_aura(r["aura"], r["manifester_level"] if psionique else r["caster_level"], psionique)


class Srd:
    """Lignes de la table des objets du SRD par identifiant : prix, poids et aura par défaut des nôtres."""

    def __init__(self):
        self.lignes = {r["id"]: r for r in base_srd().execute("select * from item")}

    def ident(self, nom, categorie):
        return next((i for i, r in self.lignes.items() if r["name"] == nom and r["category"] == categorie), None)

    def prix(self, ident):
        return prix_po(self.lignes[ident]["price"])

    def poids(self, ident):
        return kg(livres(self.lignes[ident]["weight"]))

    def aura(self, ident):
        return aura(self.lignes[ident])


@functools.lru_cache(maxsize=None)
def table_srd():
    """La table des objets du SRD, lue une fois pour tous les modules."""
    return Srd()


def caracteristiques(c):
    series = [
        ("Ceinturon de force de géant", "Ceinturon", "For", (4, 6), 0.5),
        ("Gants de dextérité", "Gants", "Dex", (2, 4, 6), None),
        ("Amulette de santé", "Amulette", "Con", (2, 4, 6), None),
        ("Bandeau d'intelligence", "Bandeau", "Int", (2, 4, 6), None),
        ("Périapte de sagesse", "Amulette", "Sag", (2, 4, 6), None),
        ("Cape de charisme", "Cape", "Cha", (2, 4, 6), 1.0),
    ]
    for nom, groupe, carac, valeurs, poids in series:
        for v in valeurs:
            c.ajoute("%s +%d" % (nom, v), groupe, groupe, v * v * 1000.0,
                     "Bonus d'altération de +%d en %s tant qu'on le porte." % (v, CARAC[carac]),
                     [("Bonus Caracteristique", CARAC[carac], "Alteration", plus(v))], poids=poids)
    c.ajoute("Gantelets de puissance d'ogre", "Gants", "Gantelet", 4000.0,
             "Gantelets de cuir clouté : bonus d'altération de +2 en Force.",
             [("Bonus Caracteristique", "Force", "Alteration", "+2")], poids=2.0, srd=1401)
    # Manuels et tomes : bonus intrinsèque, acquis une fois pour toutes après une semaine de lecture.
    for nom, carac, anglais in (("Manuel de vitalité", "Con", "Manual of Bodily Health"),
                                ("Manuel d'exercices physiques", "For", "Manual of Gainful Exercise"),
                                ("Manuel de vivacité", "Dex", "Manual of Quickness of Action"),
                                ("Traité de perspicacité", "Int", "Tome of Clear Thought"),
                                ("Traité d'autorité et d'influence", "Cha", "Tome of Leadership and Influence"),
                                ("Traité de compréhension", "Sag", "Tome of Understanding")):
        for v in range(1, 6):
            c.ajoute("%s +%d" % (nom, v), "Divers", "Divers", 27500.0 * v,
                     "Livre qui accorde, après 48 heures de lecture sur six jours au moins, un bonus intrinsèque de "
                     "+%d en %s ; il redevient ensuite un livre ordinaire. Aura puissante d'évocation (si un miracle "
                     "l'a créé) ; NLS 17." % (v, CARAC[carac]),
                     [("Bonus Caracteristique", CARAC[carac], "Divin", plus(v))], poids=2.5,
                     srd="%s +%d" % (anglais, v))


def protections(c):
    for n in range(1, 6):
        c.ajoute("Anneau de protection +%d" % n, "Anneau", "Anneau", n * n * 2000.0,
                 "Un champ invisible détourne les coups : bonus de parade de +%d à la CA. Aura faible d'abjuration ; "
                 "NLS %d." % (n, max(5, 3 * n)),
                 [("Bonus Classe Armure", "Parade", None, plus(n))], srd="Protection, Ring +%d" % n)
        c.ajoute("Amulette d'armure naturelle +%d" % n, "Amulette", "Amulette", n * n * 2000.0,
                 "Durcit la peau : bonus d'altération de +%d à l'armure naturelle." % n,
                 [("Bonus Classe Armure", "Alteration Naturelle", None, plus(n))])
        c.ajoute("Cape de résistance +%d" % n, "Cape", "Cape", n * n * 1000.0,
                 "Bonus de résistance de +%d à tous les jets de sauvegarde." % n,
                 [("Bonus Jet Sauvegarde", js, "Résistance", plus(n)) for js in ("Vigueur", "Réflexe", "Volonté")],
                 poids=0.5)
        c.ajoute("Amulette des poings invincibles +%d" % n, "Amulette", "Amulette", n * n * 6000.0,
                 "Bonus d'altération de +%d aux jets d'attaque et de dégâts à mains nues et des armes naturelles." % n,
                 [("Bonus arme naturelle (altération)", "Bonus Attaque", "Alteration", plus(n)),
                  ("Bonus arme naturelle (altération)", "Bonus Dommage", "Alteration", plus(n))])
    for n in range(1, 9):
        c.ajoute("Bracelets d'armure +%d" % n, "Bracelet", "Bracelet", n * n * 1000.0,
                 "Un champ de force invisible entoure le porteur : bonus d'armure de +%d, "
                 "qui ne se cumule pas avec celui d'une armure." % n,
                 [("Bonus Classe Armure", "Armure", None, plus(n)),
                  ("Bonus Classe Armure", "Force Armure", None, plus(n))], poids=0.5)
    c.ajoute("Bracelets d'archerie mineurs", "Bracelet", "Bracelet", 5000.0,
             "Maniement de l'arc long et de l'arc court ; +1 aux jets d'attaque avec un arc.",
             [("Bonus d'archerie (Aptitude)", "Bonus Attaque", "Aptitude", "+1")], poids=0.5, srd=1327)
    c.ajoute("Bracelets d'archerie supérieurs", "Bracelet", "Bracelet", 25000.0,
             "Maniement des arcs ; +2 aux jets d'attaque et +1 aux dégâts avec un arc.",
             [("Bonus d'archerie (Aptitude)", "Bonus Attaque", "Aptitude", "+2"),
              ("Bonus d'archerie (Aptitude)", "Bonus Dommage", "Aptitude", "+1")], poids=0.5, srd=1326)
    c.ajoute("Scarabée de protection", "Scarabée", "Scarabée", 38000.0,
             "Résistance à la magie 20 ; encaisse aussi à la place du porteur douze effets de mort, d'énergie "
             "négative ou de niveaux négatifs, puis tombe en poussière. Aura puissante d'abjuration et de nécromancie ; NLS 18.",
             [("Résistance à la magie", None, None, "+20")], srd="Scarab of Protection")
    c.ajoute("Manteau de résistance à la magie", "Manteau", "Manteau", 90000.0,
             "Résistance à la magie 21 tant qu'on le porte. Aura modérée d'abjuration ; NLS 9.",
             [("Résistance à la magie", None, None, "+21")], srd="Mantle of Spell Resistance")
    for couleur in ("blanche", "grise", "noire"):
        c.ajoute("Robe de l'archimage (%s)" % couleur, "Robe", "Robe", 75000.0,
                 "Pour un lanceur de sorts profanes : bonus d'armure +5, résistance à la magie 18, +4 aux jets de "
                 "sauvegarde, +2 aux tests de niveau de lanceur contre la résistance à la magie. Blanche pour un "
                 "porteur bon, grise pour un neutre, noire pour un mauvais : mal assortie, elle donne deux ou trois "
                 "niveaux négatifs. Aura puissante (écoles variées) ; NLS 14.",
                 [("Bonus Classe Armure", "Armure", None, "+5"), ("Résistance à la magie", None, None, "+18")]
                 + [("Bonus Jet Sauvegarde", js, "Résistance", "+4") for js in ("Vigueur", "Réflexe", "Volonté")],
                 poids=0.5, srd="Robe of the Archmagi")
    c.ajoute("Robe étoilée", "Robe", "Robe", 58000.0,
             "Bonus de chance de +1 aux jets de sauvegarde ; emmène son porteur et ce qu'il porte sur le plan Astral ; "
             "six étoiles brodées se lancent comme des shurikens +5, dont le porteur a le maniement. Aura puissante "
             "(écoles variées) ; NLS 15.",
             [("Bonus Jet Sauvegarde", js, "Chance", "+1") for js in ("Vigueur", "Réflexe", "Volonté")], poids=0.5,
             srd="Robe of Stars")
    c.ajoute("Pierre porte-bonheur", "Divers", "Divers", 20000.0,
             "Bonus de chance de +1 aux jets de sauvegarde, aux tests de caractéristique et de compétence. Aura faible "
             "d'évocation ; NLS 5.",
             [("Bonus Jet Sauvegarde", js, "Chance", "+1") for js in ("Vigueur", "Réflexe", "Volonté")]
             + [("Bonus Competence", comp[0], "Chance", "+1") for comp in COMPETENCES],
             srd="Stone of Good Luck (Luckstone)")
    c.ajoute("Phylactère de renvoi des morts-vivants", "Phylactère", "Phylactère", 11000.0,
             "Son porteur repousse les morts-vivants comme s'il avait quatre niveaux de plus. Aura modérée de "
             "nécromancie (Bien) ; NLS 10.",
             [("Rejet des morts vivants accru", None, None, "+4")], srd="Phylactery of Undead Turning")
    for nom, prix, valeur, anglais, aura in (("mineure", 12000.0, 10, "Minor", "faible d'abjuration ; NLS 3"),
                                             ("majeure", 28000.0, 20, "Major", "faible d'abjuration ; NLS 7"),
                                             ("suprême", 44000.0, 30, "Greater", "modérée d'abjuration ; NLS 11")):
        for energie, genre, _ in ENERGIES:
            c.ajoute("Anneau de résistance aux énergies destructives %s (%s)" % (nom, energie), "Anneau", "Anneau",
                     prix, ("Résistance de %d au %s." % (valeur, energie) if energie in ("feu", "froid", "son")
                            else "Résistance de %d à l'%s." % (valeur, energie)) + " Aura %s." % aura,
                     [(genre, None, None, plus(valeur))], srd="Energy Resistance, " + anglais)


def competences(c):
    series = [
        ("Bottes elfiques", "Bottes", 2500.0, 0.5, [("Déplacement silencieux", 5)], "Pas feutrés"),
        ("Cape elfique", "Cape", 2500.0, 0.5, [("Discrétion", 5)], "Capuchon relevé, on se fond dans le décor"),
        ("Anneau d'escalade", "Anneau", 2500.0, None, [("Escalade", 5)], "Prise sûre"),
        ("Anneau d'escalade supérieure", "Anneau", 10000.0, None, [("Escalade", 10)], "Prise très sûre"),
        ("Anneau de saut", "Anneau", 2500.0, None, [("Saut", 5)], "Détente accrue"),
        ("Anneau de saut supérieur", "Anneau", 10000.0, None, [("Saut", 10)], "Détente prodigieuse"),
        ("Anneau de nage", "Anneau", 2500.0, None, [("Natation", 5)], "Nage aisée"),
        ("Anneau de nage supérieure", "Anneau", 10000.0, None, [("Natation", 10)], "Nage puissante"),
        ("Anneau de caméléon", "Anneau", 12700.0, None, [("Discrétion", 10)], "On prend les couleurs du décor"),
        ("Gants de nage et d'escalade", "Gants", 6250.0, None, [("Natation", 5), ("Escalade", 5)], "Mains sûres"),
        ("Yeux de lynx", "Lunettes", 2500.0, None, [("Détection", 5)], "Vue perçante"),
        ("Lunettes de vision minutieuse", "Lunettes", 1250.0, None, [("Fouille", 5)], "Détails grossis"),
        ("Robe de camouflage", "Robe", 30000.0, 0.5, [("Discrétion", 10)], "La robe prend l'aspect du lieu"),
        ("Robe aux yeux multiples", "Robe", 120000.0, 0.5, [("Détection", 10), ("Fouille", 10)],
         "Des yeux brodés voient dans toutes les directions"),
        ("Gilet d'évasion", "Gilet", 5200.0, None, [("Crochetage", 4), ("Evasion", 6)], "Crochets et souplesse"),
        ("Bottes de sept lieues", "Bottes", 5500.0, 0.5, [("Saut", 5)], "Bonds prodigieux"),
        ("Cape de la chauve-souris", "Cape", 26000.0, 0.5, [("Discrétion", 5)], "On se fond dans l'ombre"),
    ]
    for nom, groupe, prix, poids, comps, image in series:
        texte = image + " : " + ", ".join("+%d en %s" % (v, comp) for comp, v in comps) + "."
        proprietes = [("Bonus Competence", comp, "Aptitude", plus(v)) for comp, v in comps]
        if nom == "Bottes de sept lieues":
            texte += " Vitesse de déplacement au sol augmentée de 3 m."
            proprietes.append(("Bonus Déplacement", "Terre", "Aptitude", "+3"))
        c.ajoute(nom, groupe, groupe if groupe != "Gants" else "Gants", prix, texte, proprietes, poids=poids)


# Objets qui reproduisent un sort : (nom, groupe, prix, poids, [(sort anglais, mode, nombre)], description)
OBJETS_SORTS = [
    ("Anneau de feuille morte", "Anneau", 2200.0, None, [("Feather Fall", "Permanent", None)],
     "Le porteur tombe lentement comme une plume dès qu'il chute de plus de 1,50 m. Aura faible de transmutation ; "
     "NLS 1."),
    ("Anneau de liberté de mouvement", "Anneau", 40000.0, None, [("Freedom of Movement", "Permanent", None)],
     "Le porteur se meut librement malgré les entraves magiques, l'eau ou la paralysie. Aura modérée d'abjuration ; "
     "NLS 7."),
    ("Anneau d'invisibilité", "Anneau", 20000.0, None, [("Invisibility", "Illimité", None)],
     "Le porteur devient invisible à volonté, comme par le sort. Aura faible d'illusion ; NLS 3."),
    ("Anneau de régénération", "Anneau", 90000.0, None, [("Regenerate", "Permanent", None)],
     "Un porteur vivant récupère 1 point de vie par niveau chaque heure (et 1 point de dégâts non létaux par niveau "
     "toutes les 5 minutes) et fait repousser ses membres perdus, pour les blessures reçues anneau au doigt. Aura "
     "puissante d'invocation ; NLS 15."),
    ("Anneau de marche sur l'onde", "Anneau", 15000.0, None, [("Water Walk", "Permanent", None)],
     "Le porteur marche sur l'eau et les autres liquides comme sur la terre ferme. Aura modérée de transmutation ; "
     "NLS 9."),
    ("Anneau de télékinésie", "Anneau", 75000.0, None, [("Telekinesis", "Illimité", None)],
     "Le porteur déplace les objets par la pensée, à volonté, comme par le sort. Aura modérée de transmutation ; "
     "NLS 9."),
    ("Anneau de clignotement", "Anneau", 27000.0, None, [("Blink", "Illimité", None)],
     "Sur un mot de commande, le porteur passe sans cesse du plan Matériel au plan Éthéré, comme par le sort. Aura "
     "modérée de transmutation ; NLS 7."),
    ("Anneau de bouclier mental", "Anneau", 8000.0, None, [("Nondetection", "Permanent", None)],
     "Le porteur est immunisé contre la détection de pensées, la détection du mensonge et toute magie qui lirait "
     "son alignement. Aura faible d'abjuration ; NLS 3."),
    ("Amulette antidétection", "Amulette", 35000.0, None, [("Nondetection", "Permanent", None)],
     "Protège le porteur de la scrutation et des sorts de localisation."),
    ("Amulette des plans", "Amulette", 120000.0, None, [("Plane Shift", "Illimité", None)],
     "Permet de passer d'un plan à l'autre, au prix d'un test d'Intelligence."),
    ("Périapte de santé", "Amulette", 7500.0, None, [("Remove Disease", "Permanent", None)],
     "Immunise contre les maladies, même surnaturelles."),
    ("Périapte d'immunité contre le poison", "Amulette", 27000.0, None, [("Neutralize Poison", "Permanent", None)],
     "Immunise contre tous les poisons."),
    ("Broche de protection", "Broche", 1500.0, None, [],
     "Absorbe les projectiles magiques, jusqu'à 101 points de dégâts, puis fond. Aura faible d'abjuration ; NLS 1."),
    ("Médaillon des pensées", "Médaillon", 12000.0, None, [("Detect Thoughts", "Illimité", None)],
     "Permet de lire les pensées à volonté, comme par le sort."),
    ("Cape de déplacement mineure", "Cape", 24000.0, 0.5, [("Blur", "Permanent", None)],
     "L'image du porteur semble trouble : 20 % de chances de rater les attaques qui le visent."),
    ("Cape de déplacement majeure", "Cape", 50000.0, 0.5, [("Displacement", "Par Jour", 1)],
     "Le porteur paraît ailleurs : 50 % de chances de rater les attaques, 15 rounds par jour."),
    ("Cape de la raie manta", "Cape", 7200.0, 0.5, [("Water Breathing", "Permanent", None)],
     "Dans l'eau salée, le porteur prend l'aspect d'une raie manta : il respire sous l'eau, nage à 18 m, gagne un "
     "bonus d'armure naturelle de 3 et frappe de son épine caudale (1d6). Aura modérée de transmutation ; NLS 9."),
    ("Cape de l'araignée", "Cape", 14000.0, 0.5, [("Spider Climb", "Permanent", None), ("Web", "Par Jour", 1)],
     "Le porteur grimpe aux murs, traverse les toiles et tisse une toile par jour."),
    ("Cape d'éthéralité", "Cape", 55000.0, 0.5, [("Ethereal Jaunt", "Par Jour", 1)],
     "Le porteur passe sur le plan Éthéré jusqu'à 10 minutes par jour."),
    ("Cape du charlatan", "Cape", 10080.0, 0.5, [("Dimension Door", "Par Jour", 1)],
     "Une fois par jour, le porteur disparaît dans un nuage de fumée et réapparaît plus loin."),
    ("Bottes de rapidité", "Bottes", 12000.0, 0.5, [("Haste", "Par Jour", 1)],
     "Le porteur agit comme sous l'effet d'une rapidité jusqu'à 10 rounds par jour."),
    ("Bottes de lévitation", "Bottes", 7500.0, 0.5, [("Levitate", "Illimité", None)],
     "Le porteur s'élève ou redescend à volonté, comme par le sort."),
    ("Bottes ailées", "Bottes", 16000.0, 0.5, [("Fly", "Par Jour", 3)],
     "De petites ailes poussent aux talons : vol trois fois par jour, cinq minutes chaque fois."),
    ("Bottes des terres gelées", "Bottes", 2500.0, 0.5, [("Endure Elements", "Permanent", None)],
     "Le porteur ne souffre pas du froid et marche sur la neige et la glace sans peine."),
    ("Bottes de téléportation", "Bottes", 49000.0, 1.5, [("Teleport", "Par Jour", 3)],
     "Trois téléportations par jour."),
    ("Chaussons de pattes d'araignée", "Chaussons", 4800.0, 0.25, [("Spider Climb", "Par Jour", 1)],
     "Le porteur marche sur les murs et les plafonds jusqu'à 10 minutes par jour."),
    ("Heaume de télépathie", "Heaume", 27000.0, 1.5, [("Detect Thoughts", "Illimité", None),
                                                     ("Suggestion", "Par Jour", 1)],
     "Le porteur lit les pensées et peut glisser une suggestion une fois par jour."),
    ("Heaume de téléportation", "Heaume", 73500.0, 1.5, [("Teleport", "Par Jour", 3)],
     "Trois téléportations par jour."),
    ("Heaume d'action sous-marine", "Heaume", 57000.0, 1.5, [("Water Breathing", "Permanent", None)],
     "Le porteur voit et respire sous l'eau."),
    ("Serre-tête de déflagration mineur", "Bandeau", 6480.0, None, [("Searing Light", "Par Jour", 1)],
     "Une fois par jour, lance un rayon de lumière brûlante."),
    ("Lunettes de nuit", "Lunettes", 12000.0, None, [("Darkvision", "Permanent", None)],
     "Vision dans le noir à 18 m."),
    ("Yeux de charme", "Lunettes", 56000.0, None, [("Charm Person", "Illimité", None)],
     "Le regard du porteur charme les humanoïdes qui le croisent."),
    ("Pierre ionienne (fuseau transparent)", "Divers", 4000.0, None, [("Create Food and Water", "Permanent", None)],
     "Tourne autour de la tête : le porteur n'a besoin ni de boire ni de manger."),
    ("Perle de thaumaturgie (1er niveau)", "Perles", 1000.0, None, [],
     "Une fois par jour, rend un sort de 1er niveau déjà lancé."),
]

# Pierres ioniennes : (couleur, effet, propriétés, prix)
PIERRES_IONIENNES = [
    ("rhomboïde bleu pâle", "bonus d'altération de +2 en Force",
     [("Bonus Caracteristique", "Force", "Alteration", "+2")], 8000.0),
    ("sphère rouge foncé", "bonus d'altération de +2 en Dextérité",
     [("Bonus Caracteristique", "Dextérité", "Alteration", "+2")], 8000.0),
    ("rhomboïde rose", "bonus d'altération de +2 en Constitution",
     [("Bonus Caracteristique", "Constitution", "Alteration", "+2")], 8000.0),
    ("sphère écarlate et bleue", "bonus d'altération de +2 en Intelligence",
     [("Bonus Caracteristique", "Intelligence", "Alteration", "+2")], 8000.0),
    ("sphère bleu vif", "bonus d'altération de +2 en Sagesse",
     [("Bonus Caracteristique", "Sagesse", "Alteration", "+2")], 8000.0),
    ("sphère rose et verte", "bonus d'altération de +2 en Charisme",
     [("Bonus Caracteristique", "Charisme", "Alteration", "+2")], 8000.0),
    ("prisme rose poudré", "bonus d'intuition de +1 à la CA", [("Bonus Classe Armure", "Intuition", None, "+1")],
     5000.0),
    ("prisme vert pâle", "bonus d'aptitude de +1 aux jets d'attaque, aux jets de sauvegarde, aux tests de "
     "caractéristique et de compétence",
     [("Bonus jet d'attaque (Aptitude)", "Bonus Attaque", "Aptitude", "+1")]
     + [("Bonus Jet Sauvegarde", js, "Aptitude", "+1") for js in ("Vigueur", "Réflexe", "Volonté")]
     + [("Bonus Competence", comp[0], "Aptitude", "+1") for comp in COMPETENCES], 30000.0),
]

# Armes à capacités spéciales sur bases courantes : (suffixe, bonus équivalent, propriétés, description)
CAPACITES_ARMES = [
    ("de feu", 1, [("Bonus Dommage", "Feu", "Alteration", "+1d6")], "la lame s'embrase et inflige 1d6 de feu en plus"),
    ("de froid", 1, [("Bonus Dommage", "Froid", "Alteration", "+1d6")], "un givre mordant ajoute 1d6 de froid"),
    ("de foudre", 1, [("Bonus Dommage", "Electricité", "Alteration", "+1d6")], "des arcs électriques ajoutent 1d6"),
    ("sainte", 2, [("Bonus Dommage", "Sainte", "Alteration", "+2d6")],
     "arme d'alignement bon : 2d6 de plus contre les créatures mauvaises"),
    ("impie", 2, [("Bonus Dommage", "Impie", "Alteration", "+2d6")],
     "arme d'alignement mauvais : 2d6 de plus contre les créatures bonnes"),
    ("anarchique", 2, [("Bonus Dommage", "Anarchique", "Alteration", "+2d6")],
     "arme chaotique : 2d6 de plus contre les créatures loyales"),
    ("axiomatique", 2, [("Bonus Dommage", "Axiomatique", "Alteration", "+2d6")],
     "arme loyale : 2d6 de plus contre les créatures chaotiques"),
    ("acérée", 1, [("Bonus dommage spécial", "Affutage", None, None)], "la zone de critique est doublée"),
    ("sanglante", 2, [("Bonus Dommage", "Sanglante", "Alteration", "+1")],
     "chaque coup fait perdre 1 point de Constitution"),
]
CAPACITES_SRD = {"de feu": 234, "de froid": 236, "de foudre": 246, "sainte": 238, "impie": 252, "anarchique": 226,
                 "axiomatique": 227, "acérée": 240, "sanglante": 255}
BASES_CAPACITES = ["Épée longue", "Épée courte", "Épée bâtarde", "Épée à deux mains", "Cimeterre", "Rapière",
                   "Hache d'armes", "Grande hache", "Dague", "Masse d'armes lourde", "Marteau de guerre",
                   "Morgenstern", "Arc long", "Arc court", "Arbalète légère"]


def objets_sorts(c, noms):
    for nom, groupe, prix, poids, sorts, texte in OBJETS_SORTS:
        proprietes = [sort(noms, *s) for s in sorts]
        if nom.startswith("Perle"):
            proprietes = [("Bonus sorts", "Premiers arcanes", None, "x 1")]
        charge = 101 if nom == "Broche de protection" else None
        c.ajoute(nom, groupe, "Divers" if groupe == "Perles" else groupe, prix, texte, proprietes, poids=poids,
                 charge=charge)
    for couleur, effet, proprietes, prix in PIERRES_IONIENNES:
        c.ajoute("Pierre ionienne (%s)" % couleur, "Divers", "Divers", prix,
                 "Pierre qui tourne autour de la tête de son possesseur : %s. CA 24, 10 points de vie, solidité 5. "
                 "Aura modérée ; NLS 12." % effet, proprietes)
    c.ajoute("Pierre ionienne (rhomboïde bleu sombre)", "Divers", "Divers", 10000.0,
             "Tourne autour de la tête : le porteur est vigilant comme avec le don. Aura modérée ; NLS 12.",
             [("Bonus Don", "Vigilance", None, None)])
    c.ajoute("Gants d'interception", "Gants", "Gants", 4000.0,
             "Deux fois par jour, le porteur attrape au vol un projectile qui le vise, comme avec le don, même sans "
             "en remplir les conditions ; il faut une main libre. Aura faible d'abjuration ; NLS 3.",
             [("Bonus Don", "Interception de projectiles", None, None)], srd=1405)
    for niveau, ordinal in ((1, "Premiers"), (2, "Deuxièmes"), (3, "Troisièmes"), (4, "Quatrièmes")):
        chiffre = ["I", "II", "III", "IV"][niveau - 1]
        c.ajoute("Anneau de magie %s" % chiffre, "Anneau", "Anneau",
                 [20000.0, 40000.0, 70000.0, 100000.0][niveau - 1],
                 "Réservé aux lanceurs de sorts profanes : double les sorts de niveau %d préparés chaque jour, hors "
                 "sorts en bonus d'une caractéristique élevée ou d'une spécialisation (la fiche en compte deux de "
                 "plus). Aura %s (sans école) ; NLS %d." % (niveau, "modérée" if niveau == 1 else "puissante",
                                                              8 + 3 * niveau),
                 [("Bonus sorts", "%s arcanes" % ordinal, None, "x 2")], srd="Wizardry " + chiffre)


def niveau_lanceur(nom):
    m = re.search(r"\((\d+)(?:st|nd|rd|th)\)", nom)
    return int(m.group(1)) if m else None


def potions_et_baguettes(c, noms):
    base = base_srd()
    vus = set()
    for r in base.execute("select id, name, category, price from item where category in "
                          "('Potion', 'Potion, Oil', 'Oil', 'Wand') order by id"):
        nom_srd, categorie, prix = r["name"], r["category"], prix_po(r["price"])
        if "Heightened" in nom_srd or prix is None:
            continue
        niveau = niveau_lanceur(nom_srd)
        sort = re.sub(r"\s*\((?:\d+(?:st|nd|rd|th))\)", "", nom_srd)
        suffixe = ""
        m = re.match(r"^(.*?) (\+\d+)$", sort)
        if m:
            sort, suffixe = m.group(1), " " + m.group(2)
        variantes = [(sort, "")]
        if "(Alignment)" in sort:
            variantes = [(sort.replace("(Alignment)", a), " " + f) for f, a in ALIGNEMENTS]
        elif "(Type)" in sort:
            sort, valeur = sort.replace(" (Type)", ""), ""
            m = re.match(r"^(.*?) (\d+)$", sort)
            if m:
                sort, valeur = m.group(1), " " + m.group(2)
            variantes = [(sort, " (%s%s)" % (e, valeur)) for e, _, _ in ENERGIES]
        elif sort.startswith("Protection from Arrows"):
            suffixe = " (RD %s/magie)" % sort.split()[-1].split("/")[0]
            variantes = [("Protection from Arrows", "")]
        for anglais, precision in variantes:
            m = re.match(r"^(Lesser|Greater|Mass) (.*)$", anglais)
            if anglais not in noms and m:
                anglais = "%s, %s" % (m.group(2), m.group(1))
            if anglais not in noms:
                raise SystemExit("Sort inconnu pour un objet : " + anglais)
            francais = noms[anglais]
            if precision.strip() in {a for a, _ in ALIGNEMENTS}:
                precision = ""
            if categorie == "Wand":
                nom = "Baguette " + de(francais) + precision + suffixe
                if niveau:
                    nom += " (NLS %d)" % niveau
                groupe, texte, charge = "Baguette", "Baguette de 50 charges : chaque charge lance le sort %s." \
                    % francais, 50
                mode = ("Lancer un sort", francais, "Charges", "+1")
            else:
                genre = "Huile" if categorie == "Oil" else "Potion"
                nom = genre + " " + de(francais) + precision + suffixe
                groupe, charge = "Potion", 1
                texte = ("Huile à appliquer sur un objet ou une créature" if genre == "Huile"
                         else "Potion à boire") + " : produit l'effet du sort %s." % francais
                mode = ("Lancer un sort", francais, "Charges", "+1")
            if nom in vus:
                c.srd.setdefault(r["id"], []).append(nom)
                continue
            vus.add(nom)
            c.ajoute(nom, groupe, groupe, prix, texte, [mode], charge=charge, srd=r["id"])


# Niveau de lanceur minimal d'un sort de niveau n, selon la classe qui l'écrit.
NLS_MINIMAL = {
    "Magicien": lambda n: max(1, 2 * n - 1), "Prêtre": lambda n: max(1, 2 * n - 1),
    "Druide": lambda n: max(1, 2 * n - 1), "Barde": lambda n: {0: 1, 1: 2}.get(n, 3 * n - 2),
    # Paladin et rôdeur : niveaux que supposent les prix des parchemins du SRD.
    "Paladin": lambda n: {1: 4, 2: 4, 3: 5, 4: 7}[n], "Rôdeur": lambda n: {1: 4, 2: 4, 3: 5, 4: 7}[n],
}
ORDRE_CLASSES = {"Arcane": ("Magicien", "Barde"), "Divine": ("Prêtre", "Druide", "Paladin", "Rôdeur")}


def prix_monnaie(texte):
    """'12 gp 5 sp' -> 12,5 ; '1,050 gp' -> 1 050."""
    total = 0.0
    for nombre, piece in re.findall(r"([\d,]+)\s*(gp|sp|cp)", texte or ""):
        total += float(nombre.replace(",", "")) * {"gp": 1.0, "sp": 0.1, "cp": 0.01}[piece]
    return total or None


def parchemins(c, noms):
    """Un parchemin par sort des tables du SRD, profane ou divin, au niveau de lanceur minimal."""
    from sorts import niveaux_srd
    base = base_srd()
    niveaux = {r["name"]: niveaux_srd(r["level"] or "")[0] for r in base.execute("select name, level from spell")}
    vus = set()
    for r in base.execute("select id, name, subcategory, price from item where category='Scroll' order by id"):
        variantes = [r["name"]]
        if "Chaos/Evil/Good/Law" in r["name"]:
            variantes = [r["name"].replace("Chaos/Evil/Good/Law", a) for a in ("Chaos", "Evil", "Good", "Law")]
        for anglais in variantes:
            francais = noms[anglais]
            classe = next((k for k in ORDRE_CLASSES[r["subcategory"]] if k in niveaux.get(anglais, {})), None)
            if classe is None:
                raise SystemExit("Parchemin d'un sort hors des listes : " + anglais)
            niveau = niveaux[anglais][classe]
            genre = "profane" if r["subcategory"] == "Arcane" else "divin"
            nom = "Parchemin %s %s" % (genre, de(francais))
            if nom in vus:
                c.srd.setdefault(r["id"], []).append(nom)
                continue  # le SRD répète quelques parchemins
            vus.add(nom)
            prix = prix_monnaie(r["price"])
            c.ajoute(nom, "Parchemin", "Divers", prix,
                     "Parchemin %s portant le sort %s (niveau %d, niveau de lanceur %d) ; "
                     "il s'efface quand on le lit." % (genre, francais, niveau, NLS_MINIMAL[classe](niveau)),
                     [("Lancer un sort", francais, "Charges", "+1")], charge=1, srd=r["id"])


ORDINAUX = ["Premiers", "Deuxièmes", "Troisièmes", "Quatrièmes", "Cinquièmes", "Sixièmes", "Septièmes",
            "Huitièmes", "Neuvièmes"]


def perles(c):
    """Perles de thaumaturgie des niveaux 2 à 9 (celle du 1er niveau est avec les objets qui lancent un sort)."""
    for n in range(2, 10):
        c.ajoute("Perle de thaumaturgie (%de niveau)" % n, "Perles", "Divers", 1000.0 * n * n,
                 "Une fois par jour, rend à qui prépare ses sorts un sort de niveau %d déjà lancé, de nouveau "
                 "préparé. Aura puissante de transmutation ; NLS 17." % n,
                 [("Bonus sorts", "%s arcanes" % ORDINAUX[n - 1], None, "x 1")],
                 srd="Pearl of Power (%d%s)" % (n, {2: "nd", 3: "rd"}.get(n, "th")))


def js(type_, valeur):
    return [("Bonus Jet Sauvegarde", j, type_, plus(valeur)) for j in ("Vigueur", "Réflexe", "Volonté")]


def objets_epiques(c):
    """Objets magiques épiques du SRD. Seuls les anneaux de protection, suite de la série ordinaire, ont leur nom
    français ; les autres gardent leur nom anglais en attendant le nom officiel (liste des noms à revoir)."""
    caracs = [("Belt of Epic Strength", "Ceinturon", "Force", 0.5), ("Bracers of Epic Health", "Bracelet",
              "Constitution", 0.5), ("Cloak of Epic Charisma", "Cape", "Charisme", 0.5),
              ("Gloves of Epic Dexterity", "Gants", "Dextérité", None),
              ("Headband of Epic Intellect", "Bandeau", "Intelligence", None),
              ("Periapt of Epic Wisdom", "Amulette", "Sagesse", None)]
    for nom, groupe, carac, poids in caracs:
        for n in (8, 10, 12):
            c.ajoute("%s +%d" % (nom, n), groupe, groupe, n * n * 10000.0,
                     "Bonus d'altération de +%d en %s tant qu'on le porte. NLS 20." % (n, carac),
                     [("Bonus Caracteristique", carac, "Alteration", plus(n))], poids=poids, _revue=True,
                     srd="%s +%d" % (nom, n))
    for n in range(6, 11):
        c.ajoute("Amulet of Epic Natural Armor +%d" % n, "Amulette", "Amulette", n * n * 20000.0,
                 "Durcit la peau : bonus d'altération de +%d à l'armure naturelle. NLS 20." % n,
                 [("Bonus Classe Armure", "Alteration Naturelle", None, plus(n))], _revue=True,
                 srd="Amulet of Epic Natural Armor +%d" % n)
        c.ajoute("Cloak of Epic Resistance +%d" % n, "Cape", "Cape", n * n * 10000.0,
                 "Bonus de résistance de +%d à tous les jets de sauvegarde. NLS 20." % n, js("Résistance", n),
                 poids=0.5, _revue=True, srd="Cloak of Epic Resistance +%d" % n)
        c.ajoute("Anneau de protection +%d" % n, "Anneau", "Anneau", n * n * 20000.0,
                 "Un champ invisible détourne les coups : bonus de parade de +%d à la CA. NLS 20." % n,
                 [("Bonus Classe Armure", "Parade", None, plus(n))], srd="Protection +%d" % n)
    for n in range(11, 16):
        c.ajoute("Bracers of Epic Armor +%d" % n, "Bracelet", "Bracelet", n * n * 10000.0,
                 "Un champ de force invisible entoure le porteur : bonus d'armure de +%d, qui ne se cumule pas avec "
                 "celui d'une armure. NLS 20." % n,
                 [("Bonus Classe Armure", "Armure", None, plus(n)), ("Bonus Classe Armure", "Force Armure", None,
                                                                      plus(n))], poids=0.5, _revue=True,
                 srd="Bracers of Epic Armor +%d" % n)
    for n, chiffre in zip(range(5, 10), ("V", "VI", "VII", "VIII", "IX")):
        c.ajoute("Ring of Epic Wizardry %s" % chiffre, "Anneau", "Anneau", 10000.0 * n * n,
                 "Réservé aux lanceurs de sorts profanes : double les sorts de niveau %d préparés chaque jour "
                 "(la fiche en compte deux de plus). NLS 23." % n,
                 [("Bonus sorts", "%s arcanes" % ORDINAUX[n - 1], None, "x 2")], srd="Epic Wizardry " + chiffre,
                 _revue=True)
    c.ajoute("Bracers of Relentless Might", "Bracelet", "Bracelet", 4384000.0,
             "Bonus d'altération de +12 en Force et en Constitution ; le porteur compte pour deux catégories de taille "
             "de plus dans les tests opposés de combat (bousculade, lutte, croc-en-jambe). NLS 20.",
             [("Bonus Caracteristique", "Force", "Alteration", "+12"),
              ("Bonus Caracteristique", "Constitution", "Alteration", "+12")], poids=0.5, _revue=True,
             srd="Bracers of Relentless Might")
    c.ajoute("Boots of Swiftness", "Bottes", "Bottes", 256000.0,
             "Bonus d'altération de +6 en Dextérité, vitesse doublée, esquive totale, sauts sans limite de taille, "
             "+20 en Équilibre, Escalade, Saut et Acrobaties ; rapidité trois fois par jour (20 rounds). NLS 20.",
             [("Bonus Caracteristique", "Dextérité", "Alteration", "+6")]
             + [("Bonus Competence", comp, "Aptitude", "+20") for comp in ("Equilibre", "Escalade", "Saut",
                                                                            "Acrobaties")], poids=0.5, _revue=True,
             srd="Boots of Swiftness")
    c.ajoute("Mantle of Epic Spell Resistance", "Manteau", "Manteau", 290000.0,
             "Résistance à la magie 40 tant qu'on le porte. NLS 29.", [("Résistance à la magie", None, None, "+40")],
             poids=0.5, _revue=True, srd="Mantle of Epic Spell Resistance")
    c.ajoute("Mantle of Great Stealth", "Manteau", "Manteau", 242000.0,
             "+30 en Discrétion et en Déplacement silencieux ; silhouette floue (camouflage, 20 % de ratés) et "
             "antidétection permanentes. NLS 20.",
             [("Bonus Competence", "Discrétion", "Aptitude", "+30"),
              ("Bonus Competence", "Déplacement silencieux", "Aptitude", "+30")], poids=0.5, _revue=True,
             srd="Mantle of Great Stealth")
    c.ajoute("Ring of Universal Energy Resistance, Greater", "Anneau", "Anneau", 308000.0,
             "Résistance de 30 à l'acide, au froid, à l'électricité, au feu et au son. NLS 20.",
             [(propriete, None, None, "+30") for _, propriete, _ in ENERGIES],
             srd="Universal Energy Resistance, Greater", _revue=True)
    sans_bonus = [
        ("Ring of Energy Immunity", "Anneau", 240000.0, None,
         "Immunité à une énergie choisie à la création : acide, froid, électricité, feu ou son. NLS 20."),
        ("Ring of Universal Energy Immunity", "Anneau", 2160000.0, None,
         "Immunité à l'acide, au froid, à l'électricité, au feu et au son. NLS 20."),
        ("Ring of Ironskin", "Anneau", 400000.0, None, "Réduction des dégâts 15/adamantium. NLS 20."),
        ("Ring of Weaponbreaking", "Anneau", 600000.0, None,
         "Réduction des dégâts 15/adamantium ; une arme qui touche le porteur se brise sauf jet de Vigueur "
         "(DD 20). NLS 20."),
        ("Ring of Rapid Healing", "Anneau", 300000.0, None,
         "Guérison accélérée 3 pour un porteur vivant, après 24 heures au doigt. NLS 20."),
        ("Ring of Sequestering", "Anneau", 300000.0, None,
         "Invisible une fois passé au doigt ; sur ordre, le porteur est soustrait aux regards et à la "
         "divination, comme par le sort Double illusoire, sans sombrer dans le coma. NLS 20."),
        ("Ring of Adamant Law", "Anneau", 250000.0, None,
         "Bouclier de la Loi permanent sur le porteur ; une créature chaotique qui le porte subit un niveau "
         "négatif. NLS 15."),
        ("Ring of Chaotic Fury", "Anneau", 250000.0, None,
         "Manteau du Chaos permanent sur le porteur ; une créature loyale qui le porte subit un niveau "
         "négatif. NLS 15."),
        ("Ring of Ineffable Evil", "Anneau", 250000.0, None,
         "Aura maudite permanente sur le porteur ; une créature bonne qui le porte subit un niveau négatif. NLS 15."),
        ("Ring of Virtuous Good", "Anneau", 250000.0, None,
         "Aura sacrée permanente sur le porteur ; une créature mauvaise qui le porte subit un niveau négatif. "
         "NLS 15."),
        ("Cabinet of Feasting", "Divers", 288000.0, 10.0,
         "Armoire qui sert trois fois par jour un festin pour quarante convives, avec les effets d'un festin "
         "des héros. NLS 40."),
        ("Gate Key", "Divers", 378000.0, 0.5,
         "Relie un passage fermé (porte, entrée de grotte) à un autre, sur un plan déjà visité, par une paire "
         "de portails dont le porteur fixe la clé ; soixante paires au plus. NLS 21."),
        ("Horseshoes of the Peerless Steed", None, 217000.0, 2.0,
         "Fers de monture : vitesse au sol doublée, résistance à la magie 32 contre les enchantements, dons "
         "Piétinement, Attaque au galop et Charge dévastatrice ; le cavalier gagne un bonus de +10 aux tests "
         "d'Équitation. NLS 20."),
    ]
    for nom, type_, prix, poids, texte in sans_bonus:
        c.ajoute(nom, type_ or "Divers", type_, prix, texte, [], poids=poids, _revue=True)


def ajoute_arme(c, nom, base, bonus, prix, texte, proprietes=(), poids=None, **autres):
    """Arme magique tirée d'une arme ordinaire : ses caractéristiques, son altération à l'attaque et aux dégâts,
    solidité +2 et résistance +10 par point d'altération."""
    cible = type_degats(base)
    champs = {k: base[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Portee")}
    c.ajoute(nom, base["GroupeObjet"], base["Type"], prix, texte,
             [("Bonus Attaque", cible, "Alteration", plus(bonus)), ("Bonus Dommage", cible, "Alteration", plus(bonus))]
             + list(proprietes), poids=poids if poids is not None else base["PoidsBase"],
             Solidite=(base["Solidite"] or 0) + 2 * bonus, Resistance=(base["Resistance"] or 0) + 10 * bonus,
             **champs, **autres)


CHAMPS_ARMURE = ("Taille", "ClasseArmure", "TypeCa", "EchecSortProfane", "PenaliteArmure", "BonusDexMax", "DegatDes",
                 "ZoneCritique", "MultCrit", "Solidite", "Resistance")


def ajoute_armure(c, nom, base, bonus, prix, texte, proprietes=(), poids=None, changements=None, **autres):
    """Armure ou bouclier tiré d'un objet ordinaire : malus d'armure réduit d'un point (de maître), altération à la
    CA, solidité +2 et résistance +10 par point d'altération."""
    champs = {k: base.get(k) for k in CHAMPS_ARMURE}
    champs["PenaliteArmure"] = min(0, (champs["PenaliteArmure"] or 0) + 1)
    champs.update(changements or {})
    props = list(proprietes)
    if bonus:
        champs["Solidite"] = (champs["Solidite"] or 0) + 2 * bonus
        champs["Resistance"] = (champs["Resistance"] or 0) + 10 * bonus
        cible = "Alteration Armure" if base.get("_armure") else "Alteration Bouclier"
        props = [("Bonus Classe Armure", cible, None, plus(bonus))] + props
    c.ajoute(nom, base["GroupeObjet"], base["Type"], prix, texte, props,
             poids=poids if poids is not None else base["PoidsBase"], **champs, **autres)


def anneaux_et_sceptres(c, bases):
    """Anneaux et sceptres du Guide du maître qui manquaient ; les sceptres qui frappent comme une arme en
    reprennent les caractéristiques et le groupe."""
    # (nom, prix, clé SRD, propriétés, texte, charges)
    anneaux = [
        ("Anneau d'amitié avec les animaux", 10800.0, "Animal Friendship",
         [("Lancer un sort", "Charme-animal", "Illimité", None)],
         "Sur ordre, charme un animal comme le sort Charme-animal. Aura faible d'enchantement ; NLS 3.", None),
        ("Anneau de contresort", 4000.0, "Counterspells", [],
         "Garde un sort du niveau 1 à 6 qu'on y lance ; si ce sort vise un jour le porteur, il est aussitôt contré, "
         "sans action de sa part, puis l'anneau est vide. Aura modérée d'évocation ; NLS 11.", None),
        ("Anneau d'esquive totale", 25000.0, "Evasion", [("Bonus Don", "Esquive totale", None, None)],
         "Esquive totale : un jet de Réflexes réussi contre un effet à demi-dégâts n'en laisse aucun. Aura modérée "
         "de transmutation ; NLS 7.", None),
        ("Anneau du bélier", 8600.0, "Ram", [],
         "50 charges : une force en tête de bélier frappe à distance (jusqu'à 15 m) pour 1d6 par charge dépensée, "
         "trois au plus, et bouscule la cible à 9 m (Force 25, taille G, +1 par charge au-delà de la première) ; elle "
         "enfonce aussi les portes avec une Force de 25, 27 ou 29. Aura modérée de transmutation ; NLS 9.", 50),
        ("Anneau d'étoiles filantes", 50000.0, "Shooting Stars",
         [("Lancer un sort", "Lumière", "Par Jour", "+2"), ("Lancer un sort", "Lueur féerique", "Par Jour", "+2")],
         "La nuit ou dans l'ombre : lumières dansantes une fois par heure, lumière deux fois par nuit, globes de "
         "foudre une fois par nuit (1 à 4 globes, 4d6 points d'électricité à partager) et trois étoiles filantes par "
         "semaine (12 points d'impact et 24 de feu, Réflexes DD 13) ; sous terre ou à l'intérieur la nuit : lueur "
         "féerique deux fois par jour et une gerbe d'étincelles par jour (2d8, 4d8 contre qui porte du métal). Aura "
         "puissante d'évocation ; NLS 12.", None),
        ("Anneau de stockage de sorts mineur", 18000.0, "Spell Storing, Minor", [],
         "Garde jusqu'à trois niveaux de sorts que le porteur lance sans composante matérielle, focaliseur, coût en "
         "PX ni échec des sorts profanes, au niveau de lanceur minimal ; un lanceur de sorts le recharge. Aura "
         "faible d'évocation ; NLS 5.", None),
        ("Anneau de stockage de sorts", 50000.0, "Spell Storing|Ring", [],
         "Comme l'anneau mineur, jusqu'à cinq niveaux de sorts. Aura modérée d'évocation ; NLS 9.", None),
        ("Anneau de stockage de sorts majeur", 200000.0, "Spell Storing, Major", [],
         "Comme l'anneau mineur, jusqu'à dix niveaux de sorts. Aura puissante d'évocation ; NLS 17.", None),
        ("Anneau de renvoi des sorts", 98280.0, "Spell Turning|Ring",
         [("Lancer un sort", "Renvoi des sorts", "Par Jour", "+3")],
         "Trois fois par jour, sur ordre, renvoie les neuf prochains niveaux de sorts lancés sur le porteur, comme "
         "le sort Renvoi des sorts. Aura puissante d'abjuration ; NLS 13.", None),
        ("Anneau de subsistance", 2500.0, "Sustenance", [],
         "Nourrit le porteur, à qui deux heures de sommeil suffisent ; il faut le porter une semaine pour qu'il "
         "agisse, et de nouveau une semaine après l'avoir ôté. Aura faible d'invocation ; NLS 5.", None),
        ("Anneau de vision aux rayons X", 25000.0, "X-Ray Vision", [],
         "Sur ordre, voir à travers la matière sur 6 m (30 cm de pierre, 2,5 cm de métal, 90 cm de bois ; le plomb "
         "l'arrête) ; au-delà de 10 minutes par jour, 1 point de Constitution perdu par minute. Aura modérée de "
         "divination ; NLS 6.", None),
    ]
    for nom, prix, anglais, proprietes, texte, charges in anneaux:
        c.ajoute(nom, "Anneau", "Anneau", prix, texte, proprietes, charge=charges, srd=anglais)
    c.ajoute("Ring of Universal Energy Resistance, Minor", "Anneau", "Anneau", 84000.0,
             "Résistance de 10 à l'acide, au froid, à l'électricité, au feu et au son. NLS 15.",
             [(propriete, None, None, "+10") for _, propriete, _ in ENERGIES],
             srd="Universal Energy Resistance, Minor", _revue=True)

    # (nom, prix, clé SRD, nom anglais quand le nom français est à confirmer, propriétés, texte)
    sceptres = [
        ("Sceptre d'absorption", 50000.0, "Absorption", None, [],
         "Absorbe sans action les sorts à cible unique et les rayons qui visent le porteur ou son équipement, et garde "
         "leurs niveaux pour lancer ses propres sorts préparés ou connus sans les dépenser ; 50 niveaux absorbés au "
         "plus, sans recharge. Aura puissante d'abjuration ; NLS 15."),
        ("Sceptre d'annulation", 11000.0, "Cancellation", None, [],
         "Son contact (attaque de contact si quelqu'un tient l'objet) vide un objet de toute magie (Volonté DD 23 "
         "pour l'objet) ; le sceptre devient ensuite cassant et inutilisable. Aura puissante d'abjuration ; NLS 17."),
        ("Sceptre de détection de l'ennemi", 23500.0, "Enemy Detection", "Enemy Detection", [],
         "Trois fois par jour pour 10 minutes, indique la direction des créatures hostiles à 18 m, même invisibles, "
         "éthérées ou déguisées ; un round de concentration montre la plus proche et leur nombre. Aura modérée de "
         "divination ; NLS 10."),
        ("Sceptre inamovible", 5000.0, "Immovable Rod", None, [],
         "Sur pression d'un bouton (action de mouvement), reste fixe là où il est et porte jusqu'à 4 000 kg ; le "
         "déplacer de 3 m demande un test de Force DD 30. Aura modérée de transmutation ; NLS 10."),
        ("Sceptre de détection des métaux et minéraux", 10500.0, "Metal and Mineral Detection",
         "Metal and Mineral Detection", [],
         "Indique la plus grande masse de métal à 9 m, ou le métal ou minéral recherché et sa quantité (action "
         "complexe). Aura modérée de divination ; NLS 9."),
        ("Sceptre de négation", 37000.0, "Negation", None, [],
         "Trois fois par jour, un rayon (attaque de contact à distance) dissipe les pouvoirs d'un objet magique "
         "comme une Dissipation suprême de niveau 15, sans jet de sauvegarde, sans effet sur les artefacts. Aura "
         "puissante (écoles diverses) ; NLS 15."),
        ("Sceptre de suzeraineté", 60000.0, "Rulership", None, [],
         "Le porteur se fait obéir de créatures totalisant 300 DV à 36 m (Volonté DD 16 pour une Intelligence de 12 "
         "ou plus) ; 500 minutes d'usage en tout, puis il tombe en poussière. Aura puissante d'enchantement ; "
         "NLS 20."),
        ("Sceptre de sécurité", 61000.0, "Security", None, [],
         "Une fois par semaine, emmène le porteur et jusqu'à 199 créatures qui le touchent dans un paradis hors du "
         "monde, pour 200 jours divisés par leur nombre (Volonté DD 17 pour refuser) ; on n'y vieillit pas et l'on y "
         "guérit deux fois plus vite. Aura puissante d'invocation ; NLS 20."),
        ("Sceptre de splendeur", 25000.0, "Splendor", None, [("Bonus Caracteristique", "Charisme", "Alteration", "+4")],
         "Bonus d'altération de +4 en Charisme tant qu'on le tient ou le porte ; habille de vêtements somptueux "
         "une fois par jour (12 heures) et dresse un pavillon de fête pour cent personnes une fois par semaine. "
         "Aura puissante d'invocation et de transmutation ; NLS 12."),
        ("Sceptre merveilleux", 12000.0, "Wonder", "Wonder", [],
         "Chaque usage (action simple) produit au hasard un effet étrange : lenteur, lueur féerique, éclair, boule "
         "de feu, nuée de papillons, agrandissement, pétrification... Aura modérée d'enchantement ; NLS 10."),
    ]
    for nom, prix, cle, anglais, proprietes, texte in sceptres:
        c.ajoute(nom, "Sceptre", "Sceptre", prix, texte, proprietes, poids=2.5, srd=cle,
                 **({"_revue": anglais} if anglais else {}))

    # Sceptres qui frappent comme une arme magique : (nom, arme, altération, prix, clé SRD, propriétés, texte,
    # poids, nom anglais quand le nom français est à confirmer)
    armes = [
        ("Sceptre de vigilance", "Masse d'armes légère", 1, 85000.0, "Alertness",
         [("Bonus à l'initiative", None, None, "+1")],
         "Masse d'armes légère +1 ; bonus d'intuition de +1 à l'initiative ; détections (Bien, Mal, Chaos, Loi, "
         "magie), détection du mensonge, lumière et détection de l'invisibilité, chacune par une action simple ; une "
         "fois par jour, planté en terre, il avertit les alliés des ennemis à 36 m et leur accorde une prière, et une "
         "fois par jour il anime onze petits objets. Aura modérée (plusieurs écoles) ; NLS 11.", 2.5, "Alertness"),
        ("Sceptre de puissance seigneuriale", "Masse d'armes légère", 2, 70000.0, "Lordly Might", [],
         "Masse d'armes légère +2 ; ses boutons en font une épée longue de feu +1, une hache d'armes +4 ou une "
         "lance +3 (jusqu'à 4,50 m), une échelle de 15 m, un bélier (Force +12) ou une boussole. Une fois par jour "
         "chacun : immobilisation de personne au contact (Volonté DD 14), terreur sur les ennemis à 3 m (Volonté "
         "DD 16), contact qui inflige 2d4 points de dégâts et soigne autant le porteur (Volonté DD 17, 1/2). Aura "
         "puissante (plusieurs écoles) ; NLS 19.", 5.0, None),
        ("Sceptre du python", "Bâton", 1, 13000.0, "Python", [],
         "Bâton +1 ; jeté au sol, devient un constricteur géant aux ordres de son maître, qui garde son +1 ; tué, il "
         "redevient sceptre pour trois jours ; ne fonctionne que pour un porteur bon. Aura modérée de "
         "transmutation ; NLS 10.", 5.0, None),
        ("Sceptre de tonnerre et de foudre", "Masse d'armes légère", 2, 33000.0, "Thunder and Lightning", [],
         "Masse d'armes légère +2 ; une fois par jour chacun : coup de tonnerre (frappe à +3 et étourdit, Vigueur "
         "DD 16), coup de foudre (2d6 points d'électricité en plus), fracas comme le sort Cri (2d6 de son, Vigueur "
         "DD 16) et éclair de 9d6 (Réflexes DD 16) ; une fois par semaine, fracas et éclair ensemble. Aura modérée "
         "d'évocation ; NLS 9.", 2.5, "Thunder and Lightning"),
        ("Sceptre de la vipère", "Masse d'armes lourde", 2, 19000.0, "Viper", [],
         "Masse d'armes lourde +2 ; une fois par jour pour 10 minutes, sa tête de serpent empoisonne (1d10 points de "
         "Constitution, puis 1d10, Vigueur DD 14) ; ne fonctionne que pour un porteur mauvais. Aura modérée de "
         "nécromancie ; NLS 10.", 2.5, None),
        ("Sceptre de flétrissure", "Masse d'armes légère", 1, 25000.0, "Withering", [],
         "Masse d'armes légère +1 qui ne fait pas de dégâts : son contact retire 1d4 points de Force et 1d4 de "
         "Constitution (Vigueur DD 17), de façon permanente sur un coup critique. Aura puissante de nécromancie ; "
         "NLS 13.", 2.5, "Withering"),
    ]
    for nom, arme, bonus, prix, cle, proprietes, texte, poids, anglais in armes:
        ajoute_arme(c, nom, bases[arme], bonus, prix, texte, proprietes, poids=poids, srd=cle,
                    **({"_revue": anglais} if anglais else {}))


def sort_anglais(texte, noms):
    """'greater planar ally' -> 'Planar Ally, Greater' ; None pour un don ou une mention de fabrication."""
    texte = re.sub(r"\s*\(.*\)$", "", texte.strip())
    texte = re.sub(r"^(extended|heightened) ", "", texte, flags=re.I)
    index = {k.lower(): k for k in noms}
    if texte.lower() in index:
        return index[texte.lower()]
    m = re.match(r"^(lesser|greater|mass) (.*)$", texte, re.I)
    return index.get(("%s, %s" % (m.group(2), m.group(1))).lower()) if m else None


# Dons de métamagie des bâtons épiques, tels que le SRD les note dans la liste des sorts.
METAMAGIE_BATONS = [("improved heightened", "augmentation d'intensité"), ("heightened", "augmentation d'intensité"),
                    ("intensified", "sort intensifié"), ("extended", "extension de durée"),
                    ("enlarged", "extension de portée"), ("quickened", "incantation rapide"),
                    ("enhanced", "sort amélioré")]


def batons_epiques(c, noms):
    """Bâtons épiques du SRD : nom anglais gardé, les sorts de leur liste avec les charges qu'ils coûtent, leurs dons
    de métamagie et leur DD."""
    base = base_srd()
    armes = {"Fiery Power": ("+5", "bâton de combat +5 de feu, résistance au feu 30 tant qu'on le tient"),
             "Nature's Fury": ("+5", "bâton de combat +5 tueur d'aberrations")}
    for r in base.execute("select id, name, price, caster_level, full_text from item where category='Staff' and "
                          "subcategory='Epic' order by id"):
        texte_srd = re.sub(r"\s+", " ", re.sub(r"<[^>]+>", " ", r["full_text"]))
        sorts, proprietes = [], []
        for anglais, avant, charges, apres in re.findall(r"([A-Za-z' ]+?) \(([^()]*?)(\d+) charges?([^()]*)\)",
                                                         texte_srd):
            anglais = sort_anglais({"geas": "Geas/Quest"}.get(anglais.strip().lower(), anglais), noms)
            if anglais is None:
                raise SystemExit("Sort de bâton épique inconnu : " + r["name"])
            details = ["%s charge%s" % (charges, "s" if int(charges) > 1 else "")]
            reste = avant.lower()
            for motif, don in METAMAGIE_BATONS:
                m = re.search(motif + r"(?: to (\d+)(?:st|nd|rd|th))?", reste)
                if m:
                    details.append(don + (" au niveau %s" % m.group(1) if m.group(1) else ""))
                    reste = reste.replace(m.group(0), "")
            dd = re.search(r"DC (\d+)", apres)
            if dd:
                details.append("DD " + dd.group(1))
            sorts.append("%s (%s)" % (noms[anglais], ", ".join(details)))
            proprietes.append(("Lancer un sort", noms[anglais], "Charges", plus(int(charges))))
        nom = "Staff of " + re.sub(r"^The ", "the ", r["name"])
        texte = "Bâton épique de 50 charges qui lance : %s." % ", ".join(sorts)
        alteration = 0
        if r["name"] in armes:
            bonus, arme = armes[r["name"]]
            alteration = int(bonus)
            texte += " C'est aussi un %s." % arme
            proprietes = [("Bonus Attaque", "Contondant", "Alteration", bonus),
                          ("Bonus Dommage", "Contondant", "Alteration", bonus)] + proprietes
            if r["name"] == "Fiery Power":
                proprietes += [("Bonus Dommage", "Feu", "Alteration", "+1d6"), ("Résistance au feu", None, None, "+30")]
        c.ajoute(nom, "Bâton", "Bâton", prix_po(r["price"]), texte + " NLS %s." % r["caster_level"], proprietes,
                 poids=2.5, charge=50, Taille="Grande", DegatDes="1d6", ZoneCritique=20, MultCrit=2,
                 Solidite=5 + 2 * alteration, Resistance=10 + 10 * alteration, srd=r["id"], _revue=True)


def sceptres_epiques(c, bases):
    """Sceptres épiques du SRD, nom anglais gardé ; ceux qui frappent comme une arme en ont les caractéristiques."""
    simples = [
        ("Rod of Epic Absorption", 1500000.0, [],
         "Comme le sceptre d'absorption, pour des sorts de tout niveau, épiques compris ; il ne se remplit jamais. "
         "NLS 23."),
        ("Rod of Epic Cancellation", 330000.0, [],
         "Son contact vide de sa magie tout objet, épique compris, sauf la plupart des artefacts (Volonté DD 26). "
         "NLS 25."),
        ("Rod of Epic Might", 4293432.0, [],
         "Version bien plus puissante du sceptre de puissance seigneuriale, en adamantium : pouvoirs magiques, "
         "formes d'armes et usages ordinaires renforcés. NLS 30."),
        ("Rod of Epic Negation", 446000.0, [],
         "Un rayon annule les pouvoirs actifs d'un objet magique, épique compris (pas les artefacts). NLS 24."),
        ("Rod of Epic Rulership", 575000.0, [],
         "Le porteur se fait obéir de créatures totalisant 900 DV à 108 m. NLS 25."),
        ("Rod of Epic Spellcaster", 245400.0, [],
         "En adamantium ; donne un bonus d'intuition de +10 pour lancer les sorts épiques (tests d'Art de la "
         "magie). NLS 21."),
        ("Rod of Epic Splendor", 297400.0, [("Bonus Caracteristique", "Charisme", "Alteration", "+8")],
         "Bonus d'altération de +8 en Charisme tant qu'on le porte ; trois fois par jour, habille de vêtements "
         "somptueux pour 24 heures. NLS 21."),
        ("Rod of Excellent Magic", 650000.0, [],
         "Une fois par jour, fournit jusqu'à 2 000 PX de la composante d'un sort, épique ou non. NLS 21."),
        ("Rod of Invulnerability", 600000.0,
         [("Bonus Classe Armure", "Alteration Naturelle", None, "+5"), ("Résistance à la magie", None, None, "+32")]
         + [("Bonus Jet Sauvegarde", j, "Résistance", "+5") for j in ("Vigueur", "Réflexe", "Volonté")],
         "Tenu en main : bonus d'altération de +5 à l'armure naturelle, bonus de résistance de +5 aux jets de "
         "sauvegarde, réduction des dégâts 15/adamantium, immunité aux coups critiques, résistance à la magie 32. "
         "NLS 20."),
        ("Rod of Nightmares", 284000.0, [],
         "Qui approche à 6 m du porteur subit un cauchemar à son prochain sommeil (Volonté DD 17) ; trois fois par "
         "jour, d'autres pouvoirs d'effroi. NLS 21."),
        ("Rod of Paradise", 610000.0, [],
         "Comme le sceptre de sécurité, pour 999 créatures et 1 000 jours divisés par leur nombre ; guérison cinq "
         "fois plus rapide. NLS 24."),
        ("Rod of the Path", 306870.0, [("Bonus Competence", "Survie", "Aptitude", "+30")],
         "+30 aux tests de Survie pour pister et s'orienter ; sa poignée sert de longue-vue qui triple la portée "
         "de la vue. NLS 21."),
        ("Rod of Restless Death", 625000.0, [],
         "Le porteur intimide ou contrôle les morts-vivants comme s'il avait quatre niveaux de plus ; il peut "
         "aussi animer les morts sur un mot. NLS 21."),
    ]
    for nom, prix, proprietes, texte in simples:
        c.ajoute(nom, "Sceptre", "Sceptre", prix, texte, proprietes, poids=2.5, srd=cle_sceptre(nom), _revue=True)
    armes = [("Rod of Besiegement", 447745.0, "Masse d'armes légère", 3,
              "Masse d'armes légère +3, +6 lors d'une charge ; deux fois par jour, un bélier de force frappe les "
              "fortifications pendant 24 rounds. NLS 24."),
             ("Rod of Fortification", 465665.0, "Masse d'armes légère", 3,
              "Masse d'armes légère +3 ; un abri du porteur devient un abri presque total (bonus d'abri de 10 à la CA et "
              "de 4 aux jets de Réflexes) ; élève des fortifications. NLS 24.")]
    for couleur, prix in (("Brass", 1458200.0), ("White", 1458200.0), ("Black", 1562600.0), ("Copper", 1562600.0),
                          ("Bronze", 1670600.0), ("Green", 1670600.0), ("Blue", 1782200.0), ("Silver", 1782200.0),
                          ("Gold", 1897400.0), ("Red", 1897400.0)):
        armes.append(("Rod of the Wyrm, %s" % couleur, prix, "Bâton", 5,
                      "Bâton +5 ; jeté au sol sur un mot de commande, devient un dragon vénérable de sa couleur "
                      "aux ordres de son porteur. NLS 34."))
    for nom, prix, arme, bonus, texte in armes:
        ajoute_arme(c, nom, bases[arme], bonus, prix, texte, srd=cle_sceptre(nom), _revue=True)


def cle_sceptre(nom):
    """'Rod of the Path' -> 'The Path' : clé SRD d'un sceptre épique ; 'nom|Rod' quand le nom revient ailleurs."""
    cle = nom[len("Rod of "):]
    cle = "The" + cle[3:] if cle.startswith("the Path") else cle[4:] if cle.startswith("the ") else cle
    return cle + "|Rod" if cle in ("Fortification", "Invulnerability") else cle


def sceptres_de_metamagie(c):
    """Sceptres de métamagie du SRD (nom anglais gardé) : trois fois par jour, le don sans hausse de niveau."""
    dons = {"Empower": "Extension d'effet", "Enlarge": "Extension de portée", "Extend": "Extension de durée",
            "Maximize": "Quintessence des sorts", "Quicken": "Incantation rapide", "Silent": "Incantation silencieuse"}
    niveaux = {"Lesser": 3, "Normal": 6, "Greater": 9}
    base = base_srd()
    for r in base.execute("select name, price, caster_level from item where category='Rod' and name like "
                          "'Metamagic, %' order by id"):
        _, don, taille = [m.strip() for m in r["name"].split(",")]
        nom = "Metamagic Rod, %s%s" % (don, "" if taille == "Normal" else ", " + taille)
        c.ajoute(nom, "Sceptre", "Sceptre", prix_po(r["price"]),
                 "Trois fois par jour, applique le don %s à un sort de niveau %d au plus, sans en augmenter le niveau. "
                 "Aura puissante (sans école) ; NLS %s." % (dons[don], niveaux[taille], r["caster_level"]), [],
                 poids=2.5, srd=r["name"], _revue=True)


def objets_merveilleux(c):
    """Objets merveilleux du Guide du maître qui manquaient : (nom, groupe, type, prix, poids en kg, texte,
    propriétés, nom anglais quand le nom français est à confirmer)."""
    objets = []
    for type_, poids, charge, volume, prix in (("I", 7.5, 125, "0,81", 2500.0), ("II", 12.5, 250, "1,89", 5000.0),
                                               ("III", 17.5, 500, "4,05", 7400.0), ("IV", 30.0, 750, "6,75", 10000.0)):
        objets.append(("Sac sans fond (type %s)" % type_, "Divers", "Divers", prix, poids,
                       "Sac ouvert sur un espace extradimensionnel : pèse toujours %s kg et contient jusqu'à %d kg ou "
                       "%s m³ ; percé ou trop plein, il se déchire et tout est perdu. Aura modérée d'invocation ; "
                       "NLS 9." % (("%g" % poids).replace(".", ","), charge, volume), [], None))
    for taille, charge, poids, prix in (("1,50 m sur 1,50 m", 100, 4.0, 20000.0), ("1,50 m sur 3 m", 200, 7.5, 35000.0),
                                        ("3 m sur 3 m", 400, 5.0, 60000.0)):
        objets.append(("Tapis volant (%s)" % taille, "Divers", "Divers", prix, poids,
                       "Vole comme par Vol à longue distance, sans limite de durée : 12 m avec %d kg, 9 m avec le "
                       "double (manœuvrabilité moyenne, peut faire du surplace). Aura modérée de transmutation ; "
                       "NLS 10." % charge, [], None))
    objets += [
        ("Puits portatif", "Divers", "Divers", 20000.0, None,
         "Cercle de tissu de 1,80 m de diamètre qui, déplié, ouvre un trou extradimensionnel de 3 m de profondeur ; "
         "on le replie avec son contenu. Aura modérée d'invocation ; NLS 12.", [], None),
        ("Balai volant", "Divers", "Divers", 17000.0, 1.5,
         "Vole jusqu'à 9 heures par jour (manœuvrabilité moyenne) : 12 m avec 100 kg, 9 m avec 200 kg ; rejoint seul "
         "une destination connue et revient à son propriétaire à 270 m. Aura modérée de transmutation ; NLS 9.", [],
         None),
        ("Boule de cristal", "Divers", "Divers", 42000.0, 3.5,
         "Sphère de 15 cm qui permet la scrutation, à toute distance et vers d'autres plans (Volonté DD 16). Aura "
         "modérée de divination ; NLS 10.", [("Lancer un sort", "Scrutation", "Illimité", None)], None),
        ("Cube de force", "Divers", "Divers", 62000.0, None,
         "Dresse autour du porteur un écran de force de 3 m de côté qui le suit ; 36 charges par jour, que chaque "
         "écran consomme selon les attaques qu'il arrête. Aura modérée d'évocation ; NLS 10.", [], None),
        ("Carafe intarissable", "Divers", "Divers", 9000.0, 1.0,
         "Sur un mot, verse de l'eau douce ou salée : filet de 4 litres par round, fontaine de 20 litres, geyser de "
         "120 litres qui renverse (test de Force DD 12 pour le tenir). Aura modérée de transmutation ; NLS 9.", [],
         None),
        ("Corde d'escalade", "Divers", "Divers", 3000.0, 1.5,
         "Corde de 18 m qui porte 1 500 kg ; sur ordre, elle avance de 3 m par round, s'attache où l'on veut, se "
         "détache et se noue. Aura faible de transmutation ; NLS 3.", [], None),
        ("Corde d'enchevêtrement", "Divers", "Divers", 21000.0, 2.5,
         "Corde de 9 m qui, sur ordre, jaillit à 6 m et enchevêtre une victime (Force ou Évasion DD 20 pour se "
         "libérer) ; CA 22, 12 points de vie, solidité 10. Aura modérée de transmutation ; NLS 12.", [], None),
        ("Solvant universel", "Divers", "Divers", 50.0, None,
         "Dissout la colle souveraine et le contenu des sacoches immobilisantes. Aura puissante de transmutation ; "
         "NLS 20.", [], None),
        ("Ailes de vol", "Cape", "Cape", 54000.0, 1.0,
         "Sur un mot de commande, la cape devient des ailes qui donnent une vitesse de vol de 18 m (bonne "
         "manœuvrabilité). Aura modérée de transmutation ; NLS 10.", [("Bonus Déplacement", "Air", "Aptitude", "+18")],
         None),
        ("Forteresse instantanée", "Divers", "Divers", 55000.0, None,
         "Petit cube qui devient une tour d'adamantium de 6 m de côté et 9 m de haut, avec meurtrières et créneaux, "
         "dont la porte n'obéit qu'à son propriétaire. Aura puissante d'invocation ; NLS 13.", [], None),
        ("Collier d'adaptation", "Amulette", "Collier", 9000.0, None,
         "Entoure le porteur d'air frais : immunité aux gaz et vapeurs nocifs, respiration sous l'eau et dans le "
         "vide. Aura modérée de transmutation ; NLS 7.", [], None),
        ("Pierre d'alarme", "Divers", "Divers", 2700.0, 1.0,
         "Fixée à un objet, elle hurle pendant une heure, audible à 400 m, si quelqu'un le touche sans dire le mot "
         "de commande. Aura faible d'abjuration ; NLS 3.", [], None),
        ("Gemme de vision", "Divers", "Divers", 75000.0, None,
         "Regarder au travers donne une vision lucide, 30 minutes par jour en tout. Aura modérée de divination ; "
         "NLS 10.", [], None),
        ("Poudre d'apparition", "Divers", "Divers", 1800.0, None,
         "Une poignée lancée rend visible tout ce qui est invisible à 3 m de rayon et annule flou et déplacement ; "
         "une créature saupoudrée subit un malus de 30 aux tests de Discrétion. Aura faible d'invocation ; NLS 5.",
         [], None),
        ("Poudre de disparition", "Divers", "Divers", 3500.0, None,
         "Rend invisible ce qu'elle touche, comme Invisibilité suprême, pour 2d6 rounds ; seule la poudre "
         "d'apparition la révèle. Aura modérée d'illusion ; NLS 7.", [], None),
        ("Bouteille d'éfrit", "Divers", "Divers", 145000.0, 0.5,
         "Ouverte une fois par jour, elle libère un éfrit qui sert son maître ; 10 % de chances qu'il soit fou et "
         "attaque, 10 % qu'il accorde trois souhaits. Aura puissante d'invocation ; NLS 14.", [], None),
        ("Miroir d'emprisonnement", "Divers", "Divers", 200000.0, 25.0,
         "Quinze cellules extradimensionnelles : qui se voit dedans à 9 m y est enfermé (Volonté DD 23). Aura "
         "puissante d'abjuration ; NLS 17.", [], None),
        ("Lyre de construction", "Divers", "Divers", 13000.0, 2.5,
         "Une fois par jour, protège les constructions à 90 m pendant 30 minutes ; une fois par semaine, ses "
         "accords bâtissent comme le travail de nombreux ouvriers. Aura faible de transmutation ; NLS 6.", [], None),
        ("Chapeau de déguisement", "Casque", "Casque", 1800.0, None,
         "Change l'apparence du porteur comme le sort Déguisement ; le chapeau lui-même prend l'aspect d'un peigne, "
         "d'un ruban, d'un casque... Aura faible d'illusion ; NLS 1.",
         [("Lancer un sort", "Déguisement", "Illimité", None)], None),
        ("Lentille de détection", "Divers", "Divers", 3500.0, 0.5,
         "+5 aux tests de Fouille ; +5 aux tests de Survie pour suivre une piste. Aura modérée de divination ; NLS 9.",
         [("Bonus Competence", "Fouille", "Aptitude", "+5"), ("Bonus Competence", "Survie", "Aptitude", "+5")],
         "Lens of Detection"),
        ("Main du mage", "Amulette", "Amulette", 900.0, 1.0,
         "Main d'elfe momifiée portée en collier : Manipulation à distance à volonté. Aura faible de transmutation ; "
         "NLS 2.", [("Lancer un sort", "Manipulation à distance", "Illimité", None)], None),
        ("Bateau pliant", "Divers", "Divers", 7200.0, 2.0,
         "Boîte qui, sur un mot, se déplie en barque de 3 m avec rames et ancre, ou en navire de 7,20 m. Aura faible "
         "de transmutation ; NLS 6.", [], None),
        ("Ceinture du moine", "Ceinture", "Ceinture", 13000.0, 0.5,
         "CA et dégâts à mains nues d'un moine de cinq niveaux de plus (d'un moine de niveau 5 pour un autre "
         "personnage) ; un coup étourdissant de plus par jour. Aura modérée de transmutation ; NLS 10.", [], None),
    ]
    for couleur, prix, anglais in (("gris", 900.0, "Gray"), ("rouille", 3000.0, "Rust"), ("fauve", 6300.0, "Tan")):
        objets.append(("Sac à malices (%s)" % couleur, "Divers", "Divers", prix, None,
                       "Petit sac d'où l'on tire une boule de fourrure qui, lancée à 6 m, devient un animal au service "
                       "du lanceur pendant 10 minutes ; chaque couleur a sa table d'animaux. NLS 3.", [],
                       "Bag of Tricks, %s" % anglais))
    objets += [
        ("Tambours de panique", "Divers", "Divers", 30000.0, 5.0,
         "Paire de timbales : frappées ensemble, elles effraient comme le sort Terreur toutes les créatures à 36 m, "
         "hors d'une zone sûre de 6 m autour d'elles (Volonté DD 16, partiel) ; une fois par jour. Aura modérée de "
         "nécromancie ; NLS 7.", [], None),
        ("Carillon d'ouverture", "Divers", "Divers", 3000.0, 0.5,
         "Tube de mithral qui, frappé et pointé vers une serrure, une porte, un couvercle ou des chaînes, les ouvre ; "
         "dissipe Fermeture et le Verrou du mage d'un magicien de niveau inférieur à 15. Aura modérée de "
         "transmutation ; NLS 11.", [], None),
        ("Lanterne de révélation", "Divers", "Divers", 30000.0, 1.0,
         "Lanterne sourde qui, allumée, révèle les créatures et objets invisibles à 7,50 m, comme le sort "
         "Négation de l'invisibilité. Aura faible d'évocation ; NLS 5.",
         [("Lancer un sort", "Négation de l'invisibilité", "Illimité", None)], None),
        ("Bougie d'invocation", "Divers", "Divers", 8400.0, 0.25,
         "Vouée à un alignement : ceux qui le partagent gagnent, à 9 m de la flamme, un bonus de moral de 2 aux "
         "attaques, aux sauvegardes et aux tests ; un prêtre du même alignement prépare ses sorts comme s'il avait "
         "deux niveaux de plus. Aura puissante d'invocation ; NLS 17.", [], None),
        ("Bougie de vérité", "Divers", "Divers", 2500.0, 0.25,
         "Allumée, crée une Zone de vérité de 1,50 m de rayon pendant une heure (Volonté DD 13). Aura faible "
         "d'enchantement ; NLS 3.", [], None),
        ("Encens de méditation", "Divers", "Divers", 4900.0, 0.5,
         "Un lanceur de sorts divins qui prie huit heures près de l'encens allumé prépare tous ses sorts comme avec "
         "Quintessence des sorts, sans hausse de niveau. Aura modérée d'enchantement ; NLS 7.", [], None),
        ("Fers de rapidité", "Divers", None, 3000.0, 6.0,
         "Quatre fers qui augmentent de 9 m la vitesse au sol de l'animal qui les porte (bonus d'altération). Aura "
         "faible de transmutation ; NLS 3.", [], None),
        ("Fers du zéphyr", "Divers", None, 6000.0, 2.0,
         "Quatre fers qui font courir un cheval à dix centimètres du sol, sans laisser de traces, même sur un sol "
         "instable. Aura faible de transmutation ; NLS 3.", [], None),
        ("Portail cubique", "Divers", "Divers", 164000.0, None,
         "Cube de cornaline dont chaque face, liée à un plan, ouvre ou ferme un portail vers lui ; une pression "
         "rapide emmène aussi son utilisateur. Aura puissante d'invocation ; NLS 13.", [], None),
        ("Diamant du chaos", "Divers", "Divers", 160000.0, 0.5,
         "Donne chacun 1d4 fois par jour : confusion mineure, cercle magique contre la Loi, parole du Chaos, manteau "
         "du Chaos ; un porteur non chaotique subit un niveau négatif. Aura puissante ; NLS 19.", [], None),
        ("Chaînes dimensionnelles", "Divers", "Divers", 28000.0, 2.5,
         "Entraves de fer froid qui soumettent la créature enchaînée, de taille P à G, à une Ancre dimensionnelle ; "
         "DD 30 pour les briser ou s'en libérer. Aura modérée d'abjuration ; NLS 11.", [], None),
        ("Corne de brouillard", "Divers", "Divers", 2000.0, 0.5,
         "Chaque round où l'on souffle, un épais brouillard couvre 3 m de plus, comme Nappe de brouillard ; il se "
         "dissipe en 3 minutes. Aura faible d'invocation ; NLS 3.", [], None),
        ("Cor des tritons", "Divers", "Divers", 15100.0, 1.0,
         "Conque qui, une fois par jour (trois pour un triton), apaise les eaux sur 1,5 km, appelle requins ou "
         "otaries amicaux, ou effraie les créatures aquatiques. Aura modérée ; NLS 8.", [], None),
        ("Miroir d'opposition", "Divers", "Divers", 92000.0, 22.5,
         "Qui s'y voit fait naître un double exact, avec ses objets et ses pouvoirs, qui l'attaque aussitôt ; le "
         "double disparaît quand l'un des deux est vaincu. Aura puissante de nécromancie ; NLS 15.", [], None),
        ("Orbe des tempêtes", "Divers", "Divers", 48000.0, 3.0,
         "Contrôle du climat une fois par jour, Tempête vengeresse une fois par mois ; Endurance aux énergies "
         "destructives permanente. Aura puissante ; NLS 18.",
         [("Lancer un sort", "Contrôle du climat", "Par Jour", "+1"),
          ("Lancer un sort", "Tempête vengeresse", "Par mois", "+1"),
          ("Lancer un sort", "Endurance aux énergies destructives", "Permanent", None)], None),
        ("Pigments merveilleux", "Divers", "Divers", 4000.0, None,
         "En peignant un objet inanimé, on le crée pour de bon : un pot suffit pour un objet de 27 m³ peint sur "
         "9 m². Aura puissante d'invocation ; NLS 15.", [], None),
        ("Phylactère de fidélité", "Phylactère", "Phylactère", 1000.0, None,
         "Le porteur sait, avant d'agir, si une action ou un objet nuirait à son alignement ou à sa position auprès "
         "de son dieu. Aura faible de divination ; NLS 1.", [], None),
        ("Puits des mondes", "Divers", "Divers", 82000.0, None,
         "Semblable à un puits portatif, mais ce qu'on y met passe dans un autre monde ou un autre plan, au hasard ; "
         "le passage va dans les deux sens. Aura puissante d'invocation ; NLS 17.", [], None),
        ("Gemme élémentaire", "Divers", "Divers", 2250.0, None,
         "Brisée, elle fait apparaître un élémentaire de taille G de son plan (air, terre, feu ou eau), aux ordres "
         "de celui qui l'a brisée. Aura modérée d'invocation ; NLS 11.", [], None),
    ]
    # Objets maudits et artefacts mineurs : leurs malus restent dans le texte, la fiche ne les applique pas.
    objets += [
        ("Sac dévoreur", "Divers", "Divers", None, None,
         "Objet maudit qui passe pour un sac sans fond : c'est la bouche d'une créature extradimensionnelle qui "
         "avale la matière animale ou végétale et peut happer qui y plonge la main (+8 en lutte). Aura modérée "
         "d'invocation ; NLS 17.", [], None),
        ("Bottes de danse", "Bottes", "Bottes", 30000.0, None,
         "Objet maudit qui passe pour d'autres bottes magiques : en combat, le porteur danse comme sous l'effet de "
         "Danse irrésistible ; seule une Délivrance des malédictions les lui ôte. Aura puissante d'enchantement ; "
         "NLS 16.", [], None),
        ("Collier d'étranglement", "Amulette", "Collier", 60000.0, None,
         "Objet maudit : passé au cou, il serre et inflige 6 points de dégâts par round ; seuls un souhait limité, "
         "un souhait ou un miracle l'ôtent. Aura puissante d'invocation ; NLS 18.", [], None),
        ("Scarabée de mort", "Divers", "Divers", 80000.0, None,
         "Objet maudit : tenu un round ou porté une minute, il devient un insecte qui fouit jusqu'au cœur et tue en "
         "un round (Réflexes DD 25 pour l'arracher, 3d6 points de dégâts). Aura puissante d'abjuration ; NLS 19.",
         [], None),
        ("Gantelets de maladresse", "Gants", "Gantelet", 1300.0, None,
         "Objet maudit qui passe pour des gants de dextérité ou des gantelets de puissance d'ogre : en danger, le "
         "porteur a 50 % de chances par round de lâcher ce qu'il tient et perd 2 points de Dextérité. Aura modérée "
         "de transmutation ; NLS 7.", [], None),
        ("Heaume d'alignement inversé", "Heaume", "Heaume", 4000.0, 1.5,
         "Objet maudit : qui le coiffe voit son alignement changé en son contraire (Volonté DD 15 pour résister, à "
         "chaque fois qu'on le remet). Aura puissante de transmutation ; NLS 12.", [], None),
        ("Poudre d'éternuement et d'étouffement", "Divers", "Divers", 2400.0, None,
         "Objet maudit qui passe pour de la poudre d'apparition : dans une étendue de 6 m, perte de 2d6 points de "
         "Constitution puis de 1d6 (Vigueur DD 15 chaque fois), et étouffement pendant 5d4 rounds. Aura faible "
         "d'invocation ; NLS 7.", [], None),
        ("Robe d'impuissance", "Robe", "Robe", 5500.0, None,
         "Objet maudit qui passe pour une autre robe magique : la porteuse perd 10 points de Force et 10 "
         "d'Intelligence, et les sorts qui vont avec ; il faut Délivrance des malédictions puis Guérison suprême. "
         "Aura modérée de transmutation ; NLS 13.", [], "Robe of Powerlessness"),
        ("Sphère d'annihilation", "Divers", "Divers", None, None,
         "Artefact mineur : globe de néant de 60 cm qui détruit toute matière qui le touche ; on le déplace par "
         "la pensée, avec un test d'Intelligence contre ceux qui le disputent. Aura puissante de transmutation ; "
         "NLS 20.", [], None),
        ("Bâton du mage", "Bâton", "Bâton", None, 2.5,
         "Artefact mineur : résistance à la magie 23 ; nombreux sorts, les uns à volonté (détection de la magie, "
         "lumière, armure de mage...), les autres pour une charge (boule de feu, éclair, mur de feu...) ou deux "
         "(convocation de monstres IX, changement de plan, télékinésie) ; brisé, il libère toute son énergie en une "
         "explosion. Aura puissante ; NLS 20.",
         [("Résistance à la magie", None, None, "+23")]
         + [("Lancer un sort", sort, "Illimité", None) for sort in (
             "Détection de la magie", "Agrandissement", "Verrouillage", "Lumière", "Armure de mage",
             "Manipulation à distance")]
         + [("Lancer un sort", sort, "Charges", "+1") for sort in (
             "Dissipation de la magie", "Boule de feu", "Tempête de grêle", "Invisibilité", "Déblocage", "Éclair",
             "Passe-muraille", "Pyrotechnie", "Mur de feu", "Toile d'araignée")]
         + [("Lancer un sort", sort, "Charges", "+2") for sort in (
             "Convocation de monstres IX", "Changement de plan", "Télékinésie")], None),
    ]
    for nom, groupe, type_, prix, poids, texte, proprietes, anglais in objets:
        c.ajoute(nom, groupe, type_, prix, texte, proprietes, poids=poids, **({"_revue": anglais} if anglais else {}))


def armes_et_armures_specifiques(c, bases):
    """Armures et armes spécifiques du Guide du maître : celles dont le nom français est sûr."""
    # (nom, armure de base, altération, prix, poids, changements, propriétés en plus, texte)
    armures = [
        ("Cotte de mailles elfique", "Cotte de mailles", 0, 4150.0, 10.0,
         {"BonusDexMax": 4, "PenaliteArmure": -2, "EchecSortProfane": 20}, [],
         "Cotte de mailles en mithral, armure légère : bonus d'armure +5, bonus de Dextérité maximal +4, malus "
         "d'armure aux tests -2, échec des sorts profanes 20 %. Non magique."),
        ("Peau de rhinocéros", "Armure de peau", 2, 5165.0, None, {"PenaliteArmure": -1}, [],
         "Armure de peau +2 en cuir de rhinocéros : malus d'armure aux tests -1 ; une charge réussie, même montée, "
         "inflige 2d6 points de dégâts en plus. Aura modérée de transmutation ; NLS 9."),
        ("Cuirasse de commandement", "Cuirasse", 2, 25400.0, None, {},
         [("Bonus Competence", comp, "Aptitude", "+2") for comp in
          ("Bluff", "Déguisement", "Diplomatie", "Dressage", "Intimidation", "Renseignements",
           "Représentation (art oratoire)", "Représentation (chant)", "Représentation (comédie)",
           "Représentation (danse)", "Représentation (instruments)", "Représentation (Les autres)",
           "Utilisation Objets magiques")],
         "Cuirasse +2 à l'aura de commandement : bonus d'aptitude de +2 aux tests de Charisme, de renvoi et de "
         "compétences liées au Charisme, +2 au score de commandement ; les troupes alliées à 108 m gagnent en "
         "courage. Aura puissante d'enchantement ; NLS 15."),
        ("Armure céleste", "Cotte de mailles", 3, 22400.0, 10.0,
         {"BonusDexMax": 8, "PenaliteArmure": -2, "EchecSortProfane": 15}, [("Lancer un sort", "Vol", "Par Jour", "+1")],
         "Cotte de mailles +3 argentée ou dorée, armure légère qui se porte sous les vêtements : bonus de "
         "Dextérité maximal +8, malus d'armure aux tests -2, échec des sorts profanes 15 % ; Vol une fois par "
         "jour. Aura faible de transmutation (Bien) ; NLS 5."),
    ]
    srd = {"Cotte de mailles elfique": 213, "Peau de rhinocéros": 217, "Cuirasse de commandement": 208,
           "Armure céleste": 209, "Langue de feu": 261, "Vengeresse sacrée": 263, "Dague venimeuse": 259}
    for nom, nom_base, bonus, prix, poids, changements, proprietes, texte in armures:
        ajoute_armure(c, nom, bases[nom_base], bonus, prix, texte, proprietes, poids=poids, changements=changements,
                      srd=srd[nom])
    armes = [
        ("Langue de feu", "Épée longue", 1, 20715.0, [("Bonus Dommage", "Feu", "Alteration", "+1d6")],
         "Épée longue +1 de feu intense ; une fois par jour, lance un rayon de feu à 9 m (attaque de contact à "
         "distance, 4d6 points de dégâts de feu). Aura modérée d'évocation ; NLS 12."),
        ("Vengeresse sacrée", "Épée longue", 2, 120630.0, [],
         "Épée longue +2 en fer froid ; entre les mains d'un paladin, elle devient sainte +5, donne une résistance à "
         "la magie de 5 + son niveau à lui et à ses voisins, et lance Dissipation suprême de zone. Aura puissante "
         "d'abjuration ; NLS 18."),
        ("Dague venimeuse", "Dague", 1, 8302.0, [],
         "Dague +1 noire à lame dentelée ; une fois par jour, empoisonne la créature touchée comme le sort "
         "Empoisonnement (DD 14). Aura faible de nécromancie ; NLS 5."),
    ]
    for nom, nom_base, bonus, prix, proprietes, texte in armes:
        ajoute_arme(c, nom, bases[nom_base], bonus, prix, texte, proprietes, srd=srd[nom])
    javeline = bases["Javeline"]
    c.ajoute("Javeline de foudre", javeline["GroupeObjet"], javeline["Type"], 1500.0,
             "Lancée, elle devient un éclair de 5d6 points de dégâts d'électricité (Réflexes DD 14, 1/2 dégâts) et "
             "se consume. Aura faible d'évocation ; NLS 5.", [], poids=javeline["PoidsBase"], srd=264,
             **{k: javeline[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Portee", "Solidite",
                                         "Resistance")})


def batons(c, noms):
    """Bâtons du SRD : les sorts de leur liste, chacun avec les charges qu'il coûte."""
    francais = {"Abjuration": "Bâton d'abjuration", "Charming": "Bâton de charme", "Conjuration": "Bâton d'invocation",
                "Defense": "Bâton de défense", "Divination": "Bâton de divination",
                "Earth and Stone": "Bâton de terre et de pierre", "Enchantment": "Bâton d'enchantement",
                "Evocation": "Bâton d'évocation", "Fire": "Bâton de feu", "Frost": "Bâton de givre",
                "Healing": "Bâton de guérison", "Illusion": "Bâton d'illusion", "Illumination": "Bâton d'illumination",
                "Life": "Bâton de vie", "Necromancy": "Bâton de nécromancie", "Passage": "Bâton de passage",
                "Power": "Bâton de surpuissance", "Size Alteration": "Bâton de changement de taille",
                "Swarming Insects": "Bâton des insectes", "Transmutation": "Bâton de transmutation",
                "Woodlands": "Bâton des forêts"}
    # Bâtons qui sont aussi des armes : altération, propriétés en plus, texte.
    armes = {"Power": (2, [("Bonus Classe Armure", "Chance", None, "+2")] + js("Chance", 2),
                       "Bâton de combat +2 ; son porteur gagne un bonus de chance de +2 à la CA et aux jets de "
                       "sauvegarde ; une charge dépensée (action libre) double ses dégâts pour un round (x3 sur un "
                       "critique) ; brisé volontairement, il libère ses charges en une frappe vengeresse (8, 6 ou 4 "
                       "fois leur nombre en dégâts selon la distance, Réflexes DD 17 pour moitié). Vide, il reste "
                       "un bâton +2."),
             "Woodlands": (2, [("Lancer un sort", noms["Pass without Trace"], "Illimité", None)],
                           "Bâton de combat +2 ; Passage sans traces à volonté, sans dépenser de charge ; vide, il "
                           "garde ces deux pouvoirs.")}
    base = base_srd()
    for r in base.execute("select * from item where category='Staff' "
                          "and subcategory='None' order by id"):
        sorts, proprietes = [], []
        for anglais, precision, charges in re.findall(r"<li>\s*<i>([^<]+)</i>(.*?)\((\d+) charges?\)\s*</li>",
                                                      r["full_text"]):
            # "<i>Suggestion</i>, mass" : la variante suit l'italique.
            precision = re.sub(r"<[^>]+>", "", precision).strip()
            variante = re.match(r",\s*(mass|greater|lesser)\b", precision, re.I)
            if variante:
                anglais += ", " + variante.group(1).capitalize()
            sort = noms[sort_anglais(anglais, noms)]
            m = re.search(r"heightened to (\d+)", precision)
            sorts.append("%s (%s charge%s%s)" % (sort, charges, "s" if int(charges) > 1 else "",
                                                 ", sort de niveau %s" % m.group(1) if m else ""))
            proprietes.append(("Lancer un sort", sort, "Charges", plus(int(charges))))
        texte = "Bâton de 50 charges qui lance : " + ", ".join(sorts) + "."
        bonus, autres, arme = armes.get(r["name"], (0, [], "Sert aussi de bâton de combat."))
        if bonus:
            proprietes = [("Bonus Attaque", "Contondant", "Alteration", plus(bonus)),
                          ("Bonus Dommage", "Contondant", "Alteration", plus(bonus))] + autres + proprietes
        c.ajoute(francais[r["name"]], "Bâton", "Bâton", prix_po(r["price"]),
                 "%s %s %s" % (texte, arme, aura(r)), proprietes, poids=2.5,
                 charge=50, srd=r["id"], Taille="Grande", DegatDes="1d6", ZoneCritique=20, MultCrit=2,
                 Solidite=5 + 2 * bonus, Resistance=10 + 10 * bonus)


def armes_speciales(c, bases):
    for nom_base in BASES_CAPACITES:
        arme = bases[nom_base]
        for suffixe, equivalent, proprietes, effet in CAPACITES_ARMES:
            if suffixe == "acérée" and arme["GroupeObjet"] in ("Arc Long", "Arc Court", "Arbalète légère",
                                                               "Masse d'armes lourde", "Marteau de guerre",
                                                               "Morgenstern"):
                continue
            if suffixe == "sanglante" and arme["GroupeObjet"] in ("Masse d'armes lourde", "Marteau de guerre"):
                continue
            nom = "%s %s +1" % (nom_base, accorde(suffixe, nom_base))
            total = 1 + equivalent
            cible = type_degats(arme)
            champs = {k: arme[k] for k in ("Taille", "DegatDes", "ZoneCritique", "MultCrit", "Portee")}
            c.ajoute(nom, arme["GroupeObjet"], arme["Type"], arme["CoutTotal"] + 300 + 2000.0 * total * total,
                     "Arme magique +1 : %s." % effet,
                     [("Bonus Attaque", cible, "Alteration", "+1"), ("Bonus Dommage", cible, "Alteration", "+1")]
                     + proprietes, poids=arme["PoidsBase"], Solidite=arme["Solidite"] + 2, srd=CAPACITES_SRD[suffixe],
                     Resistance=arme["Resistance"] + 10, **champs)


# Objets de base masculins : les capacités s'y accordent ("Arc long saint +1").
MASCULINS = {"Arc long", "Arc court", "Cimeterre", "Marteau de guerre", "Morgenstern", "Harnois", "Écu en acier",
             "Écu en bois", "Bâton", "Kama", "Siangham", "Trident"}
MASCULIN = {"sainte": "saint", "acérée": "acéré", "sanglante": "sanglant", "tueuse": "tueur", "dansante": "dansant",
            "défensive": "défensif", "perturbatrice": "perturbateur", "spectrale": "spectral",
            "miséricordieuse": "miséricordieux", "chercheuse": "chercheur", "cruelle": "cruel", "vorpale": "vorpal",
            "éthérée": "éthéré", "glissante": "glissant", "améliorée": "amélioré", "animée": "animé",
            "aveuglante": "aveuglant", "réfléchissante": "réfléchissant", "cogneuse": "cogneur"}


def accorde(suffixe, nom_base):
    """Suffixe écrit au féminin, accordé au nom de l'objet de base ; les compléments ("de feu") ne changent pas."""
    if nom_base not in MASCULINS or suffixe.startswith(("de ", "d'")):
        return suffixe
    return " ".join(MASCULIN.get(mot, mot) for mot in suffixe.split())


def type_degats(arme):
    """Premier type de dégâts de l'arme ("Piercing or slashing" -> "Piquant")."""
    type_srd = arme.get("_degats") or ""
    for anglais, francais in (("Bludgeoning", "Contondant"), ("Piercing", "Piquant"), ("Slashing", "Tranchant")):
        if type_srd.startswith(anglais):
            return francais
    return "Contondant"


def objets_magiques(bases):
    """Renvoie (objets, propriétés, correspondance SRD) des objets magiques nommés ; `bases` : objets ordinaires
    par nom."""
    noms = noms_sorts()
    c = Catalogue()
    caracteristiques(c)
    protections(c)
    competences(c)
    objets_sorts(c, noms)
    potions_et_baguettes(c, noms)
    parchemins(c, noms)
    perles(c)
    objets_epiques(c)
    objets_merveilleux(c)
    from objets_merveilleux_iz import merveilleux_i_z  # importé ici : ce module reprend nos aides
    merveilleux_i_z(c, noms, bases)
    anneaux_et_sceptres(c, bases)
    armes_et_armures_specifiques(c, bases)
    batons(c, noms)
    batons_epiques(c, noms)
    sceptres_epiques(c, bases)
    sceptres_de_metamagie(c)
    armes_speciales(c, bases)
    # importés ici : ces modules reprennent nos aides
    from objets_merveilleux_ah import objets_merveilleux_ah
    objets_merveilleux_ah(c, noms)
    from objets_anneaux_sceptres import anneaux_sceptres
    anneaux_sceptres(c, bases, noms)
    from objets_armes_armures import armes_et_armures
    armes_et_armures(c, bases)
    from objets_psioniques_artefacts import objets_psioniques_artefacts
    objets_psioniques_artefacts(c, bases, noms)
    return c.objets, c.proprietes, c.srd

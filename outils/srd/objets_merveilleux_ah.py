"""Objets merveilleux du SRD dont le nom anglais va de A à H : ceux qui manquaient au catalogue, et le lien vers
le SRD de ceux qu'il avait déjà.

Prix, poids, aura et niveau de lanceur viennent de la ligne du SRD (clé : son identifiant) ; textes et noms
français sont les nôtres. Un nom français de mémoire part à la liste des noms à revoir avec son nom anglais ; un
nom français incertain n'est pas inventé : l'objet garde son nom anglais.
"""
import functools

import objets_magiques as om
from competences import CHA, COMPETENCES

# Objets déjà au catalogue, produits par les séries et les listes d'objets_magiques.py : identifiant SRD -> noms.
DEJA_LA = {
    1289: ["Amulette de santé +2"], 1290: ["Amulette de santé +4"], 1291: ["Amulette de santé +6"],
    **{1291 + n: ["Amulette des poings invincibles +%d" % n] for n in range(1, 6)},
    **{1296 + n: ["Amulette d'armure naturelle +%d" % n] for n in range(1, 6)},
    1302: ["Amulette des plans"], 1303: ["Amulette antidétection"],
    1305: ["Sac sans fond (type %s)" % t for t in ("I", "II", "III", "IV")],
    1306: ["Sac à malices (gris)"], 1307: ["Sac à malices (rouille)"], 1308: ["Sac à malices (fauve)"],
    1310: ["Ceinture du moine"], 1312: ["Ceinturon de force de géant +4"], 1313: ["Ceinturon de force de géant +6"],
    1315: ["Bateau pliant"], 1316: ["Bottes elfiques"], 1317: ["Bottes de lévitation"], 1318: ["Bottes de rapidité"],
    1319: ["Bottes de sept lieues"], 1320: ["Bottes de téléportation"], 1321: ["Bottes des terres gelées"],
    1322: ["Bottes ailées"],
    **{1327 + n: ["Bracelets d'armure +%d" % n] for n in range(1, 9)},
    1337: ["Broche de protection"], 1338: ["Balai volant"], 1339: ["Bougie d'invocation"], 1340: ["Bougie de vérité"],
    1341: ["Cape du charlatan"],
    1342: ["Tapis volant (1,50 m sur 1,50 m)", "Tapis volant (1,50 m sur 3 m)", "Tapis volant (3 m sur 3 m)"],
    1344: ["Diamant du chaos"], 1346: ["Carillon d'ouverture"], 1347: ["Serre-tête de déflagration mineur"],
    1350: ["Cape de l'araignée"], 1351: ["Cape de la chauve-souris"],
    1352: ["Cape de charisme +2"], 1353: ["Cape de charisme +4"], 1354: ["Cape de charisme +6"],
    1355: ["Cape de déplacement mineure"], 1356: ["Cape de déplacement majeure"], 1357: ["Cape elfique"],
    1358: ["Cape d'éthéralité"], 1359: ["Cape de la raie manta"],
    **{1359 + n: ["Cape de résistance +%d" % n] for n in range(1, 6)},
    1365: ["Boule de cristal"], 1366: ["Cube de force"], 1368: ["Portail cubique"], 1370: ["Carafe intarissable"],
    1372: ["Chaînes dimensionnelles"], 1373: ["Tambours de panique"], 1374: ["Poudre d'apparition"],
    1375: ["Poudre de disparition"], 1380: ["Bouteille d'éfrit"], 1381: ["Gemme élémentaire"],
    1390: ["Yeux de charme"], 1392: ["Yeux de lynx"], 1404: ["Gemme de vision"],
    1406: ["Gants de dextérité +2"], 1407: ["Gants de dextérité +4"], 1408: ["Gants de dextérité +6"],
    1410: ["Gants de nage et d'escalade"], 1411: ["Lunettes de vision minutieuse"], 1412: ["Lunettes de nuit"],
    1415: ["Main du mage"], 1418: ["Chapeau de déguisement"],
    1419: ["Bandeau d'intelligence +2"], 1420: ["Bandeau d'intelligence +4"], 1421: ["Bandeau d'intelligence +6"],
    1424: ["Heaume de télépathie"], 1425: ["Heaume de téléportation"], 1426: ["Heaume d'action sous-marine"],
    1429: ["Corne de brouillard"], 1431: ["Cor des tritons"], 1433: ["Fers de rapidité"], 1434: ["Fers du zéphyr"],
}


class Ajout:
    """Ajoute au catalogue les objets d'une ligne du SRD, avec son prix, son poids et son aura par défaut."""

    def __init__(self, c):
        self.c, self.srd = c, om.table_srd()

    def __call__(self, id_srd, nom, groupe, type_, texte, proprietes=(), revue=None, prix=None, poids=None,
                 charge=None, nls=None):
        if revue is True:
            nom = nom or self.srd.lignes[id_srd]["name"]
        poids = poids if poids is not None else self.srd.poids(id_srd)
        self.c.ajoute(nom, groupe, type_, prix if prix is not None else self.srd.prix(id_srd),
                      texte + " " + (nls or self.srd.aura(id_srd)), list(proprietes), poids=poids, charge=charge,
                      srd=id_srd, **({"_revue": revue} if revue else {}))


def objets_merveilleux_ah(c, noms):
    for id_srd, francais in DEJA_LA.items():
        for nom in francais:
            if not any(o["NomObjet"] == nom for o in c.objets):
                raise SystemExit("Objet merveilleux absent du catalogue : " + nom)
            c.srd.setdefault(id_srd, []).append(nom)
    a = Ajout(c)
    sort = functools.partial(om.sort, noms)
    charisme = [nom for nom, _, carac, *_ in COMPETENCES if carac == CHA]

    a(1304, None, "Divers", "Divers",
      "Tonneau de fer scellé qu'un loquet secret (Fouille DD 20) ouvre ; deux passagers de taille M y actionnent dix "
      "leviers pour marcher, nager et frapper de deux pinces comme un homard géant : 200 points de vie, solidité 15, "
      "CA 20, vitesse 6 m et nage 6 m, pinces +12 au corps à corps (2d8) ; de l'air pour 1d4+1 heures, jusqu'à "
      "270 m de fond.", revue=True)
    a(1309, "Perle de force", "Divers", "Divers",
      "Petite perle noire lancée jusqu'à 18 m : elle éclate en 5d6 points de dégâts de force dans un rayon de 3 m "
      "et enferme ceux qui y tiennent dans une sphère d'isolement pendant 10 minutes (Réflexes DD 16 pour "
      "l'éviter). Usage unique.", [sort("Resilient Sphere", "Charges", 1)], revue="Bead of Force", charge=1)
    a(1311, None, "Ceinture", "Ceinture",
      "Donne la langue naine et, à qui n'est pas nain, vision dans le noir à 18 m, connaissance de la pierre, bonus "
      "d'altération de +2 en Constitution et bonus de résistance de 2 aux jets de sauvegarde contre le poison, les "
      "sorts et les pouvoirs magiques ; bonus d'aptitude de 4 aux tests de Charisme face aux nains (de 2 face aux "
      "gnomes et halfelins), malus de 2 face aux autres.",
      [("Bonus Caracteristique", "Constitution", "Alteration", "+2"), sort("Darkvision", "Permanent")], revue=True)
    a(1314, None, "Divers", "Divers",
      "Petit livre de mille pages, relié de fer et d'argent, fermé à clé et à l'épreuve de l'eau : un magicien y "
      "recopie ses sorts sans payer les encres de 100 po par page.", revue=True)
    a(1323, "Bouteille d'air", "Divers", "Divers",
      "Bouteille de verre bouchée qui, dans un lieu sans air, reste toujours pleine d'air frais : respirer à son "
      "goulot est une action simple, après quoi l'on agit aussi longtemps qu'on retient son souffle ; plusieurs "
      "personnes peuvent se la passer.", revue="Bottle of Air")
    a(1324, None, "Divers", "Divers",
      "Coupe de pierre fragile de 30 cm : remplie d'eau douce et après un round de paroles, elle appelle un "
      "élémentaire de l'eau de taille G comme Convocation de monstres VI (de taille TG avec de l'eau salée, comme "
      "Convocation de monstres VII) ; un seul à la fois, et de l'eau neuve pour le suivant.",
      [sort("Summon Monster VI", "Illimité"), sort("Summon Monster VII", "Illimité")], revue=True)
    a(1325, None, "Bracelet", "Bracelet",
      "Bracelet d'argent à quatre breloques, chacune liée à une personne que choisit le propriétaire : saisir la "
      "breloque et dire le nom fait venir cette personne, consentante et sur le même plan, avec son équipement ; "
      "la breloque disparaît ensuite (un quart du prix par breloque manquante).", revue=True, charge=4)
    a(1336, None, "Divers", "Divers",
      "Brasero où, un feu allumé et un round de paroles dites, paraît un élémentaire du feu de taille G comme "
      "Convocation de monstres VI (de taille TG avec du soufre, comme Convocation de monstres VII) ; un seul à la "
      "fois, et un feu neuf pour le suivant.",
      [sort("Summon Monster VI", "Illimité"), sort("Summon Monster VII", "Illimité")], revue=True)
    a(1343, None, "Divers", "Divers",
      "Encensoir d'or ajouré où, l'encens allumé et un round de paroles dites, paraît un élémentaire de l'air de "
      "taille G comme Convocation de monstres VI ; avec de l'encens de méditation, c'est un élémentaire de l'air "
      "noble, comme Convocation de monstres IX. Un seul à la fois, et de l'encens neuf pour le suivant.",
      [sort("Summon Monster VI", "Illimité"), sort("Summon Monster IX", "Illimité")], revue=True)
    a(1345, "Carillon d'interruption", "Divers", "Divers",
      "Frappé au plus une fois toutes les 10 minutes, il résonne 3 minutes : à 9 m alentour, lancer un sort à "
      "composante verbale demande un test de Concentration (DD 15 + niveau du sort).", revue="Chime of Interruption")
    a(1348, "Serre-tête de déflagration majeur", "Bandeau", "Bandeau",
      "Une fois par jour, sur ordre, lance une lumière brûlante à effet maximisé (40 points de dégâts).",
      [sort("Searing Light", "Par Jour", 1)])
    for sorts, prix, anglais, texte in (
            ("See Invisibility", 50000.0, "see invisibility", "voit l'invisible chez la créature observée"),
            ("Detect Thoughts", 51000.0, "detect thoughts",
             "lit les pensées de la créature observée (Volonté DD 13 pour l'éviter)"),
            ("Telepathic Bond", 70000.0, "telepathy",
             "échange des messages mentaux avec la créature observée et, une fois par jour, lui glisse une "
             "suggestion (Volonté DD 14)"),
            ("True Seeing", 80000.0, "true seeing", "bénéficie d'une vision lucide sur ce qu'il observe")):
        nom = "Boule de cristal (%s)" % de_sort(noms[sorts])
        a(1365, nom, "Divers", "Divers",
          "Sphère de 15 cm qui permet la scrutation, à toute distance et vers d'autres plans (Volonté DD 16) ; "
          "l'observateur %s." % texte,
          [sort("Scrying", "Illimité"), sort(sorts, "Illimité")], revue="Crystal Ball with " + anglais, prix=prix)
    a(1367, "Cube de résistance au froid", "Divers", "Divers",
      "Sur pression, crée autour de son possesseur un cube de 3 m de côté toujours tempéré qui absorbe toutes les "
      "attaques de froid ; plus de 50 points de froid en un round le referment pour une heure, plus de 100 en dix "
      "rounds le détruisent.", revue="Cube of Frost Resistance")
    a(1369, None, "Divers", "Divers",
      "Crâne d'ébène foncièrement mauvais : là où il se trouve, la zone alentour est comme sous Sanctification "
      "maléfique, dont il est le point d'origine, sans sort lié.", revue=True)
    a(1371, None, "Divers", "Divers",
      "Jeu de trente-quatre cartes de parchemin : une carte tirée au hasard et jetée au sol fait paraître l'image "
      "accomplie d'une créature (dragon rouge, liche, troll, gobelin...) qui obéit à qui l'a tirée sans s'éloigner "
      "de plus de 9 m ; ramasser la carte ou dissiper l'image la vide pour toujours.", revue=True, charge=34)
    a(1376, None, "Divers", "Divers",
      "Jetée dans l'eau, elle en fait disparaître jusqu'à 380 litres en une bille qui les rend quand on la brise ; "
      "sur un élémentaire de l'eau, 5d6 points de dégâts et la destruction sauf jet de Vigueur (DD 18). Usage "
      "unique.", revue=True, charge=1)
    a(1377, "Poudre d'illusion", "Divers", "Divers",
      "Répandue sur une créature, elle lui donne pour 2 heures l'apparence que choisit celui qui la jette, comme "
      "Déguisement (Réflexes DD 11 pour une cible qui refuse). Usage unique.", revue="Dust of Illusion", charge=1)
    a(1378, None, "Divers", "Divers",
      "Une poignée fait paraître une salle de 9 m² abandonnée depuis dix ans, ou efface sur 75 m en arrière les "
      "traces d'une douzaine de voyageurs et de leurs chevaux : le DD de Survie pour les pister augmente de 20. "
      "Usage unique.", revue=True, charge=1)
    a(1379, None, "Divers", "Divers",
      "Carquois à trois compartiments extradimensionnels : soixante flèches, dix-huit javelines et six objets de "
      "la taille d'un arc ; il en sort celui qu'on veut comme d'un carquois ordinaire et pèse toujours 1 kg.",
      revue=True)
    a(1382, None, "Potion", "Potion",
      "Qui la boit peut cracher trois jets de feu dans l'heure : 4d6 points de dégâts de feu à une cible à 7,50 m "
      "(Réflexes DD 13, 1/2 dégâts).", revue=True, charge=3)
    for id_srd, anglais, comp, effet in ((1383, "Elixir of Hiding", "Discrétion", "l'art de se cacher"),
                                         (1385, "Elixir of Sneaking", "Déplacement silencieux", "des pas feutrés"),
                                         (1386, "Elixir of Swimming", "Natation", "une nage aisée"),
                                         (1388, "Elixir of Vision", "Fouille", "un regard qui saisit chaque détail")):
        a(id_srd, None, "Potion", "Potion",
          "Donne pendant une heure %s : +10 en %s." % (effet, comp), [om.competence(comp, 10)], revue=True, charge=1)
    a(1384, None, "Potion", "Potion",
      "Liquide sucré : le buveur est charmé par la première créature qu'il voit, comme Charme-personne (Volonté "
      "DD 14), pendant 1d3 heures.", revue=True, charge=1)
    a(1387, None, "Potion", "Potion",
      "Le buveur ne peut dire que la vérité pendant 10 minutes (Volonté DD 13) et doit répondre aux questions, une "
      "par round, sauf jet de Volonté réussi à chacune.", revue=True, charge=1)
    a(1389, "Bouteille fumigène", "Divers", "Divers",
      "Urne de métal qui ressemble à une bouteille d'éfrit : débouchée, elle masque toute vue sur 15 m en un round, "
      "puis 3 m de plus par round jusqu'à 30 m de rayon, tant qu'on ne la rebouche pas ; le vent disperse la "
      "fumée.", revue="Eversmoking Bottle")
    a(1391, None, "Lunettes", "Lunettes",
      "Lentilles de cristal : par une action simple, le regard du porteur frappe une créature par round "
      "d'Anathème (Volonté DD 11, 10 avec une seule lentille) ; avec les deux, il a aussi Perception de la mort en "
      "permanence et, une fois par semaine, un regard de Terreur (Volonté DD 16).",
      [sort("Doom", "Illimité"), sort("Deathwatch", "Permanent")], revue=True)
    a(1393, "Yeux de pétrification", "Lunettes", "Lunettes",
      "Lentilles de cristal qui donnent au porteur un regard pétrifiant (Vigueur DD 19) 10 rounds par jour ; il "
      "faut porter les deux.", [sort("Flesh to Stone", "Par Jour", 1)], revue="Eyes of Petrification")
    figurines = [
        ("griffon de bronze", "Bronze Griffon", 10000.0, "un griffon, deux fois par semaine, 6 heures au plus",
         "Aura modérée de transmutation ; NLS 11."),
        ("mouche d'ébène", "Ebony Fly", 10000.0,
         "une mouche de la taille d'un poney, qui vole comme un hippogriffe sans attaquer, trois fois par semaine, "
         "12 heures au plus", "Aura modérée de transmutation ; NLS 11."),
        ("lions d'or", "Golden Lions", 16500.0,
         "deux lions adultes, une fois par jour pour une heure ; tués, ils ne reviennent qu'après une semaine",
         "Aura modérée de transmutation ; NLS 11."),
        ("chèvres d'ivoire", "Ivory Goats", 21000.0,
         "trois chèvres aux pouvoirs distincts : une monture infatigable un jour par semaine, une bête cornue de "
         "combat une fois par mois, un destrier dont les cornes servent de lance d'arçon +3 et d'épée longue +5 et "
         "qui répand la terreur",
         "Aura modérée de transmutation ; NLS 11."),
        ("éléphant de marbre", "Marble Elephant", 17000.0,
         "un éléphant, monture, bête de somme ou combattant, quatre fois par mois, 24 heures au plus",
         "Aura modérée de transmutation ; NLS 11."),
        ("destrier d'obsidienne", "Obsidian Steed", 28500.0,
         "un cheval de guerre lourd qui vole, change de plan et passe dans l'Éthéré à volonté, une fois par "
         "semaine ; il risque d'emporter un cavalier bon vers les plans inférieurs",
         "Aura puissante d'invocation et de transmutation ; NLS 15."),
        ("chien d'onyx", "Onyx Dog", 15500.0,
         "un chien de selle qui parle le commun, flaire, voit dans le noir et voit l'invisible, une fois par "
         "semaine pour 6 heures", "Aura modérée de transmutation ; NLS 11."),
        ("chouette de serpentine", "Serpentine Owl", 9100.0,
         "un grand-duc ou une chouette géante qui raconte par télépathie ce qu'elle voit, une fois par jour ; "
         "après trois formes géantes, la statuette est épuisée", "Aura modérée de transmutation ; NLS 11."),
        ("corbeau d'argent", "Silver Raven", 3800.0,
         "un corbeau de métal qui porte un message comme Messager animal, 24 heures par semaine",
         "Aura faible d'enchantement et de transmutation ; NLS 6."),
    ]
    for couleur, anglais, prix, texte, nls in figurines:
        a(1394, "Figurine merveilleuse (%s)" % couleur, "Divers", "Divers",
          "Statuette qui, jetée au sol sur un mot de commande, devient une créature vivante aux ordres de son "
          "propriétaire : %s. Brisée sous sa forme de statuette, elle perd sa magie." % texte,
          revue="Figurines of Wondrous Power, " + anglais, prix=prix, nls=nls)
    for id_srd, anglais, texte in (
            (1395, "Anchor", "ancre qui immobilise une embarcation sur l'eau jusqu'à un jour"),
            (1396, "Bird", "oiseau qui porte sans faute un court message écrit à son destinataire"),
            (1397, "Fan", "grand éventail qui pousse un navire à 40 km/h ou calme le vent, 8 heures au plus, sur "
                          "l'eau seulement"),
            (1398, "Swan Boat", "barque en forme de cygne qui file à 18 m et porte huit chevaux ou trente-deux "
                                "personnes de taille M, pendant un jour"),
            (1399, "Tree", "grand chêne de 18 m qui pousse d'un coup"),
            (1400, "Whip", "fouet de cuir qui se bat seul, comme une arme dansante (+10 de base à l'attaque, 1d6+1 "
                           "et altération +1, lutte gratuite à +15), une heure au plus")):
        a(id_srd, "Feather Token, " + anglais, "Divers", "Divers",
          "Petite plume à usage unique qui devient un objet utile : %s." % texte, revue=True, charge=1)
    a(1402, "Gantelet de rouille", "Gants", "Gantelet",
      "Gantelet de métal piqué de rouille : une fois par jour, Rouille sur un objet ; protège le porteur et son "
      "équipement de toute rouille, même celle d'un oxydeur.", [sort("Rusting Grasp", "Par Jour", 1)],
      revue="Gauntlet of Rust")
    a(1403, "Gemme de lumière", "Divers", "Divers",
      "Prisme de cristal à 50 charges : éclaire comme une lanterne à capote sans dépense ; pour une charge, un rayon "
      "de 15 m aveugle une créature 1d4 rounds (contact à distance, Vigueur DD 14) ; pour cinq, un éclair aveugle "
      "tout un cône de 9 m (Vigueur DD 14).", revue="Gem of Brightness", charge=50)
    a(1409, None, "Gants", "Gants",
      "Gant de cuir qui, sur ordre, fait disparaître un objet tenu d'une main, de 10 kg au plus, puis le fait "
      "reparaître d'un claquement de doigts ; une action libre chaque fois, un objet à la fois. Prix d'un seul "
      "gant.", revue=True)
    manuels = [
        ("golem d'argile", "Clay Golem", 12000.0, 2, 1540,
         "Aura modérée d'invocation, de divination, d'enchantement et de transmutation ; NLS 11."),
        ("golem de chair", "Flesh Golem", 8000.0, 1, 780,
         "Aura modérée d'enchantement, de nécromancie (Mal) et de transmutation ; NLS 8."),
        ("golem de fer", "Iron Golem", 35000.0, 4, 5600,
         "Aura puissante d'invocation, d'enchantement et de transmutation ; NLS 16."),
        ("golem de pierre", "Stone Golem", 22000.0, 3, 3400, "Aura puissante d'abjuration et d'enchantement ; NLS 14."),
        ("golem de pierre supérieur", "Stone Golem, Greater", 44000.0, 3, 7640,
         "Aura puissante d'abjuration et d'enchantement ; NLS 16."),
    ]
    for golem, anglais, prix, niveaux, px, nls in manuels:
        px = ("%d" % px) if px < 1000 else "%d %03d" % divmod(px, 1000)
        a(1413, "Manuel des golems (%s)" % golem, "Divers", "Divers",
          "Livre qui contient les sorts nécessaires à la fabrication d'un %s, tient lieu du don Création de "
          "créatures artificielles, ajoute %d au niveau de lanceur pour ce travail, fournit les %s PX de la création "
          "et donne un bonus d'aptitude de 5 aux tests d'artisanat du corps ; il brûle une fois le golem achevé."
          % (golem, niveaux, px), revue="Golem Manual, " + anglais, prix=prix, nls=nls)
    a(1414, "Main de gloire", "Amulette", "Amulette",
      "Main momifiée portée au cou : un anneau magique passé à l'un de ses doigts agit comme si le porteur le "
      "portait, en plus de ses deux anneaux ; une fois par jour chacun, Lumière du jour et Détection de "
      "l'invisibilité.", [sort("Daylight", "Par Jour", 1), sort("See Invisibility", "Par Jour", 1)],
      revue="Hand of Glory")
    a(1416, None, "Divers", "Divers",
      "Sac à dos dont les deux poches contiennent chacune 10 kg et le corps 40 kg sans que son poids change ; "
      "l'objet cherché est toujours dessus : le sortir est une action de mouvement qui ne provoque pas d'attaque "
      "d'opportunité.", revue=True)
    a(1417, "Harpe de charme", "Divers", "Divers",
      "Harpe d'or ciselé : toutes les 10 minutes de jeu, un test de Représentation (instruments à cordes) DD 14 "
      "glisse une suggestion dans la musique (Volonté DD 14) ; un échec rend l'auditoire insensible pour un jour.",
      [sort("Suggestion", "Illimité")], revue="Harp of Charming")
    a(1422, None, "Heaume", "Heaume",
      "Heaume serti de dix diamants (Rayons prismatiques, DD 20), vingt rubis (Mur de feu), trente opales de feu "
      "(Boule de feu de 10d6, Réflexes DD 20) et quarante opales (Lumière du jour), chaque gemme une fois, une par "
      "round ; tant qu'il reste des gemmes : lueur qui blesse les morts-vivants à 9 m (1d6 par round), arme tenue "
      "rendue de feu, résistance au feu 30. Un feu magique peut faire détoner les gemmes restantes (Volonté DD 15).",
      [("Résistance au feu", None, None, "+30")]
      + [sort(s, "Charges", 1) for s in ("Prismatic Spray", "Wall of Fire", "Fireball", "Daylight")],
      revue=True, charge=100)
    a(1427, "Cor de dévastation", "Divers", "Divers",
      "Sonné après le mot de commande, il inflige 5d6 points de dégâts de son dans un cône de 12 m et assourdit "
      "2d6 rounds (Vigueur DD 16, 1/2 dégâts et pas de surdité) ; 7d6 aux objets et créatures de cristal. Au-delà "
      "d'un usage par jour, 20 % de risques cumulés qu'il explose (10d6 au sonneur).",
      [sort("Shout", "Par Jour", 1)], revue="Horn of Blasting")
    a(1428, "Cor de dévastation supérieur", "Divers", "Divers",
      "Comme le cor de dévastation, mais 10d6 points de dégâts de son, étourdissement d'un round et surdité de 4d6 "
      "rounds (Vigueur DD 19) ; 16d6 aux objets de cristal ; même risque d'explosion.",
      [sort("Shout, Greater", "Par Jour", 1)], revue="Horn of Blasting, Greater")
    a(1430, None, "Divers", "Divers",
      "Trompe qui, une fois par jour, produit pendant une heure un cercle magique contre le Mal si son propriétaire "
      "est bon, contre le Bien s'il est mauvais ; sans effet pour un propriétaire neutre sur cet axe.",
      [sort("Magic Circle Against Evil", "Par Jour", 1), sort("Magic Circle Against Good", "Par Jour", 1)],
      revue=True)
    for metal, anglais, nombre, condition in (
            ("argent", "Silver", "2d4+2 barbares de niveau 2", None),
            ("laiton", "Brass", "2d4+1 barbares de niveau 3", "être lanceur de sorts"),
            ("bronze", "Bronze", "2d4 barbares de niveau 4", "maîtriser les armes de guerre ou la musique de barde"),
            ("fer", "Iron", "1d4+1 barbares de niveau 5", "maîtriser les armes de guerre ou la musique de barde")):
        a(1432, "Cor du Valhalla (%s)" % metal, "Divers", "Divers",
          "Sonné une fois tous les sept jours, il fait paraître %s, créatures artificielles équipées, qui se battent "
          "une heure pour qui l'a sonné%s." % (nombre, " ; qui en sonne sans %s est attaqué par eux" % condition
                                               if condition else ", quel qu'il soit"),
          revue="Horn of Valhalla, " + anglais)
    # Objets existants dont le texte ou les propriétés changent.
    a(1349, "Couronne de persuasion", "Couronne", "Couronne",
      "Bandeau d'argent qui donne un bonus d'aptitude de +3 aux tests de Charisme et de compétences liées au "
      "Charisme.", [om.competence(comp, 3) for comp in charisme])
    a(1423, "Heaume de compréhension des langages et de lecture de la magie", "Heaume", "Heaume",
      "Le porteur comprend toutes les langues parlées et lit tous les écrits, magiques compris ; +5 aux tests de "
      "Décryptage.", [sort("Comprehend Languages", "Permanent"), sort("Read Magic", "Permanent"),
                      om.competence("Décryptage", 5)])


def de_sort(nom):
    return nom[0].lower() + nom[1:]

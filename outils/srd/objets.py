#!/usr/bin/env python3
"""Catalogue d'objets (Objets, ObjetsPropriete) tiré du SRD 3.5 : armes, armures, boucliers,
munitions, matériel, outils, vêtements, montures, marchandises, puis les versions de maître,
les versions magiques +1 à +5 et les objets magiques nommés avec leurs propriétés.

Les chiffres viennent de dnd35.db ; noms français et descriptions sont les nôtres.
Usage : python3 outils/srd/objets.py  (écrit data/programme/Objets.tsv et ObjetsPropriete.tsv)
"""
import os
import re

from tsv_srd import DONNEES, base_srd, cle_tri, ecrit_revue, ecrit_tsv, kg, livres, metres, prix_po, vide
from objets_magiques import objets_magiques
from equipement_naturel import armes_naturelles

CHAMPS_OBJETS = ["NomObjet", "GroupeObjet", "Type", "Taille", "CoutTotal", "PoidsBase", "ClasseArmure",
                 "TypeCa", "EchecSortProfane", "PenaliteArmure", "BonusDexMax", "DegatDes", "ZoneCritique",
                 "MultCrit", "Portee", "Solidite", "Resistance", "CHARGE", "Emplacement", "Description"]
CHAMPS_PROPRIETES = ["NomObjet", "propriete_1", "propriete_2", "propriete_3", "valeur"]

# Solidité et points de résistance des armes, par façon (table des objets du SRD).
SOLIDITE = {
    ("lame", "Petite"): (10, 2), ("lame", "Moyenne"): (10, 5), ("lame", "Grande"): (10, 10),
    ("metal", "Petite"): (10, 10), ("metal", "Moyenne"): (10, 20), ("metal", "Grande"): (10, 20),
    ("bois", "Petite"): (5, 2), ("bois", "Moyenne"): (5, 5), ("bois", "Grande"): (5, 10),
    ("tir", "Petite"): (5, 5), ("tir", "Moyenne"): (5, 5), ("tir", "Grande"): (5, 5),
}

# Nom SRD -> (nom français, groupe d'armes, façon, taille imposée ou None, groupe de la version de jet)
ARMES = {
    "Gauntlet": ("Gantelet", "Gantelet", "metal", None, None),
    "Dagger": ("Dague", "Dague", "lame", None, "Dagues de jet"),
    "Dagger, punching": ("Dague coup-de-poing", "Dague", "lame", None, None),
    "Gauntlet, spiked": ("Gantelet clouté", "Gantelet", "metal", None, None),
    "Mace, light": ("Masse d'armes légère", "Masse d'armes légère", "metal", None, None),
    "Sickle": ("Serpe", "Serpe", "lame", None, None),
    "Club": ("Gourdin", "Gourdin", "bois", None, "Gourdin de jet"),
    "Mace, heavy": ("Masse d'armes lourde", "Masse d'armes lourde", "metal", None, None),
    "Morningstar": ("Morgenstern", "Morgenstern", "metal", None, None),
    "Shortspear": ("Épieu", "Epieu", "bois", None, "Epieu de jet"),
    "Longspear": ("Pique", "Pique", "bois", None, None),
    "Quarterstaff": ("Bâton", "Bâton", "bois", None, None),
    "Spear": ("Lance", "Lance", "bois", None, "Lance de jet"),
    "Crossbow, heavy": ("Arbalète lourde", "Arbalète lourde", "tir", "Grande", None),
    "Crossbow, light": ("Arbalète légère", "Arbalète légère", "tir", "Grande", None),
    "Dart": ("Fléchette", "Dard", "bois", "Petite", None),
    "Javelin": ("Javeline", "Javeline de jet", "bois", "Moyenne", None),
    "Sling": ("Fronde", "Fronde", "tir", "Moyenne", None),
    "Axe, throwing": ("Hache de lancer", "Hache de lancer", "bois", None, None),
    "Hammer, light": ("Marteau léger", "Marteau léger", "bois", None, "Marteau léger de jet"),
    "Handaxe": ("Hachette", "Hachette", "bois", None, None),
    "Kukri": ("Kukri", "Kukri", "lame", None, None),
    "Pick, light": ("Pic de guerre léger", "Pic de guerre léger", "bois", None, None),
    "Sap": ("Matraque", "Matraque", "bois", None, None),
    "Spiked armor": ("Armure à pointes", "Arme", "metal", None, None),
    "Sword, short": ("Épée courte", "Epée courte", "lame", None, None),
    "Battleaxe": ("Hache d'armes", "Hache d'armes", "bois", None, None),
    "Flail": ("Fléau d'armes", "Fléau d'armeS léger", "bois", None, None),
    "Longsword": ("Épée longue", "Epée longue", "lame", None, None),
    "Pick, heavy": ("Pic de guerre lourd", "Pic de guerre lourd", "bois", None, None),
    "Rapier": ("Rapière", "Rapière", "lame", None, None),
    "Scimitar": ("Cimeterre", "Cimeterre", "lame", None, None),
    "Trident": ("Trident", "Trident", "bois", None, "Trident de jet"),
    "Warhammer": ("Marteau de guerre", "Marteau de guerre", "bois", None, None),
    "Falchion": ("Cimeterre à deux mains", "Cimeterre à 2 mains", "lame", None, None),
    "Glaive": ("Coutille", "Coutille", "bois", None, None),
    "Greataxe": ("Grande hache", "Grande hache", "bois", None, None),
    "Greatclub": ("Massue", "Massue", "bois", None, None),
    "Flail, heavy": ("Fléau d'armes lourd", "Fléau d'armes lourd", "bois", None, None),
    "Greatsword": ("Épée à deux mains", "Epée à 2 mains", "lame", None, None),
    "Guisarme": ("Guisarme", "Guisarme", "bois", None, None),
    "Halberd": ("Hallebarde", "Hallebarde", "bois", None, None),
    "Lance": ("Lance d'arçon", "Lance d'arçon", "bois", None, None),
    "Ranseur": ("Corsèque", "Corsèque", "bois", None, None),
    "Scythe": ("Faux", "Faux", "bois", None, None),
    "Longbow": ("Arc long", "Arc Long", "tir", "Grande", None),
    "Longbow, composite": ("Arc long composite", "Arc Long", "tir", "Grande", None),
    "Shortbow": ("Arc court", "Arc Court", "tir", "Grande", None),
    "Shortbow, composite": ("Arc court composite", "Arc Court", "tir", "Grande", None),
    "Kama": ("Kama", "Kama", "lame", None, None),
    "Nunchaku": ("Nunchaku", "Nunchaku", "bois", None, None),
    "Sai": ("Saï", "Sai", "metal", None, None),
    "Siangham": ("Siangham", "Siamgham", "lame", None, None),
    "Sword, bastard": ("Épée bâtarde", "Epéé bâtarde", "lame", None, None),
    "Waraxe, dwarven": ("Hache de guerre naine", "Hache de nain", "bois", None, None),
    "Whip": ("Fouet", "Fouet", "bois", "Moyenne", None),
    "Axe, orc double": ("Hache double orque", "Hache double orque", "bois", None, None),
    "Chain, spiked": ("Chaîne cloutée", "Chaîne cloutée", "metal", None, None),
    "Flail, dire": ("Fléau double", "Fléau double", "bois", None, None),
    "Hammer, gnome hooked": ("Marteau-piolet gnome", "Marteau-piolet gnome", "bois", None, None),
    "Sword, two-bladed": ("Épée à deux lames", "Double-lame", "lame", None, None),
    "Urgrosh, dwarven": ("Urgrosh nain", "Urgrosh nain", "bois", None, None),
    "Bolas": ("Bolas", "Bolas", "bois", "Moyenne", None),
    "Crossbow, hand": ("Arbalète de poing", "Arbalète de poing", "tir", "Petite", None),
    "Crossbow, repeating heavy": ("Arbalète lourde à répétition", "Arbalète lourde", "tir", "Grande", None),
    "Crossbow, repeating light": ("Arbalète légère à répétition", "Arbalète légère", "tir", "Grande", None),
    "Net": ("Filet", "Filet", None, "Moyenne", None),
    "Shuriken (5)": ("Shuriken (5)", "Shuriken", "lame", "Petite", None),
}

# Munitions : nom SRD -> (nom français, groupe, unités par lot)
MUNITIONS = {
    "Arrows (20)": ("Flèches (20)", "Flèches", 20),
    "Bolts, crossbow (10)": ("Carreaux (10)", "Carreaux", 10),
    "Bullets, sling (10)": ("Billes de fronde (10)", "Billes", 10),
    "Bolts (10)": ("Carreaux de poing (10)", "Carreaux", 10),
    "Bolts (5)": ("Carreaux d'arbalète à répétition (5)", "Carreaux", 5),
}

# Valeurs que la base du SRD a décalées d'une colonne (relevées dans le texte du chapitre).
CORRECTIONS_ARMES = {
    "Whip": {"poids": 2.0, "degats": "1d3", "critique": "x2", "portee": None, "type": "Slashing"},
    "Net": {"poids": 6.0, "degats": None, "critique": None, "portee": 10.0, "type": None},
    "Shuriken (5)": {"poids": 0.5, "degats": "1d2", "critique": "x2", "portee": 10.0, "type": "Piercing"},
}

TYPES_DEGATS = {"Bludgeoning": "Contondant", "Piercing": "Piquant", "Slashing": "Tranchant"}
TYPES_DEGATS_TEXTE = {"Bludgeoning": "contondants", "Piercing": "perforants", "Slashing": "tranchants"}

CATEGORIES_ARMES = {"Simple Weapons": "Arme courante", "Martial Weapons": "Arme de guerre",
                    "Exotic Weapons": "Arme exotique"}

# Armures : nom SRD -> (nom français, solidité)
ARMURES = {
    "Padded": ("Armure matelassée", 0), "Leather": ("Armure de cuir", 2),
    "Studded leather": ("Armure de cuir clouté", 2), "Chain shirt": ("Chemise de mailles", 10),
    "Hide": ("Armure de peau", 2), "Scale mail": ("Armure d'écailles", 10),
    "Chainmail": ("Cotte de mailles", 10), "Breastplate": ("Cuirasse", 10),
    "Splint mail": ("Clibanion", 10), "Banded mail": ("Armure à bandes", 10),
    "Half-plate": ("Armure de plates", 10), "Full plate": ("Harnois", 10),
}
CATEGORIES_ARMURES = {"Light armor": "légère", "Medium armor": "intermédiaire", "Heavy armor": "lourde"}

# Boucliers : nom SRD -> (nom français, groupe, solidité, résistance)
BOUCLIERS = {
    "Buckler": ("Targe", "Targe", 10, 5),
    "Shield, light wooden": ("Rondache en bois", "Rondache", 5, 7),
    "Shield, light steel": ("Rondache en acier", "Rondache", 10, 10),
    "Shield, heavy wooden": ("Écu en bois", "Ecu", 5, 15),
    "Shield, heavy steel": ("Écu en acier", "Ecu", 10, 20),
    "Shield, tower": ("Pavois", "Pavois", 5, 20),
}

MATERIEL = "Matériel d’aventurier"
CLASSE = "Matériel de classe"

# Autres objets : nom SRD -> (nom français, groupe, type, description)
DIVERS = {
    "Armor spikes": ("Pointes d'armure", MATERIEL, None, "Pointes fixées sur une armure ; elles en font une arme (voir Armure à pointes). Prix et poids s'ajoutent à ceux de l'armure."),
    "Gauntlet, locked": ("Gantelet d'armes", "Gantelet", "Gantelet", "Gantelet à chaînettes qui tient l'arme attachée à la main : +10 pour résister au désarmement."),
    "Shield spikes": ("Pointes de bouclier", MATERIEL, None, "Pointes fixées sur une rondache ou un écu : le coup de bouclier devient perforant et plus dangereux."),
    "Backpack (empty)": ("Sac à dos (vide)", MATERIEL, MATERIEL, "Sac de cuir porté sur le dos, avec sangles et poches."),
    "Barrel (empty)": ("Tonneau (vide)", MATERIEL, None, "Fût de bois cerclé de fer."),
    "Basket (empty)": ("Panier (vide)", MATERIEL, MATERIEL, "Panier d'osier tressé."),
    "Bedroll": ("Sac de couchage", MATERIEL, MATERIEL, "Couverture roulée pour dormir à la dure."),
    "Bell": ("Clochette", MATERIEL, MATERIEL, "Petite cloche de laiton."),
    "Blanket, winter": ("Couverture d'hiver", MATERIEL, MATERIEL, "Couverture épaisse pour les nuits froides."),
    "Block and tackle": ("Palan", MATERIEL, MATERIEL, "Poulies et cordage pour soulever de lourdes charges."),
    "Bottle, wine, glass": ("Bouteille en verre", MATERIEL, MATERIEL, "Bouteille de verre à bouchon."),
    "Bucket (empty)": ("Seau (vide)", MATERIEL, MATERIEL, "Seau de bois."),
    "Caltrops": ("Chausse-trappes", MATERIEL, MATERIEL, "Pointes de fer semées au sol : elles blessent et ralentissent qui marche dessus."),
    "Candle": ("Bougie", MATERIEL, MATERIEL, "Éclaire faiblement autour d'elle pendant une heure."),
    "Canvas (sq. yd.)": ("Toile (m²)", MATERIEL, None, "Toile épaisse pour bâches et voiles."),
    "Case, map or scroll": ("Étui à cartes ou à parchemins", MATERIEL, MATERIEL, "Tube de cuir qui protège cartes et parchemins."),
    "Chain (10 ft.)": ("Chaîne (3 m)", MATERIEL, MATERIEL, "Chaîne de fer ; solidité 10, 5 points de résistance."),
    "Chalk, 1 piece": ("Craie (1 morceau)", MATERIEL, MATERIEL, "Pour marquer son chemin."),
    "Chest (empty)": ("Coffre (vide)", MATERIEL, None, "Coffre de bois à ferrures."),
    "Crowbar": ("Pied-de-biche", MATERIEL, MATERIEL, "Levier de fer : +2 aux tests de Force pour forcer portes et coffres."),
    "Firewood (per day)": ("Bois de chauffage (par jour)", MATERIEL, None, "Bûches pour une journée de feu."),
    "Fishhook": ("Hameçon", MATERIEL, MATERIEL, "Hameçon de fer."),
    "Fishing net, 25 sq. ft.": ("Filet de pêche (2,25 m²)", MATERIEL, MATERIEL, "Filet à mailles fines pour la pêche."),
    "Flask (empty)": ("Flasque (vide)", MATERIEL, MATERIEL, "Petit récipient de céramique ou de verre, avec bouchon."),
    "Flint and steel": ("Silex et amorce", MATERIEL, MATERIEL, "Pour allumer un feu en une action complexe."),
    "Grappling hook": ("Grappin", MATERIEL, MATERIEL, "Crochet de fer à lancer au bout d'une corde."),
    "Hammer": ("Marteau", MATERIEL, MATERIEL, "Marteau d'outillage."),
    "Ink (1 oz. vial)": ("Encre (fiole de 30 ml)", MATERIEL, MATERIEL, "Encre noire ; les encres de couleur coûtent davantage."),
    "Inkpen": ("Plume d'écriture", MATERIEL, MATERIEL, "Plume taillée pour écrire."),
    "Jug, clay": ("Cruche en terre cuite", MATERIEL, MATERIEL, "Cruche à anse."),
    "Ladder, 10-foot": ("Échelle (3 m)", MATERIEL, None, "Échelle de bois."),
    "Lamp, common": ("Lampe à huile", MATERIEL, MATERIEL, "Éclaire 4,50 m alentour pendant 6 heures par flasque d'huile."),
    "Lantern, bullseye": ("Lanterne sourde", MATERIEL, MATERIEL, "Projette un cône de lumière de 18 m pendant 6 heures par flasque d'huile."),
    "Lantern, hooded": ("Lanterne à capote", MATERIEL, MATERIEL, "Éclaire 9 m alentour pendant 6 heures par flasque d'huile."),
    "Lock, Very simple": ("Serrure très simple", MATERIEL, None, "Crochetage DD 20."),
    "Lock, Average": ("Serrure moyenne", MATERIEL, None, "Crochetage DD 25."),
    "Lock, Good": ("Serrure de qualité", MATERIEL, None, "Crochetage DD 30."),
    "Lock, Amazing": ("Serrure exceptionnelle", MATERIEL, None, "Crochetage DD 40."),
    "Manacles": ("Menottes", MATERIEL, MATERIEL, "Entravent une créature de taille M : Évasion DD 30 ; solidité 10, 10 points de résistance."),
    "Manacles, masterwork": ("Menottes de maître", MATERIEL, MATERIEL, "Évasion DD 35 pour s'en libérer."),
    "Mirror, small steel": ("Miroir en acier", MATERIEL, MATERIEL, "Petit miroir poli, utile pour regarder au coin d'un couloir."),
    "Mug/Tankard, clay": ("Chope en terre cuite", MATERIEL, MATERIEL, "Chope à boire."),
    "Oil (1-pint flask)": ("Huile (flasque de 50 cl)", MATERIEL, MATERIEL, "Alimente une lanterne ; peut aussi être lancée enflammée."),
    "Paper (sheet)": ("Papier (feuille)", MATERIEL, MATERIEL, "Feuille de papier."),
    "Parchment (sheet)": ("Parchemin (feuille)", MATERIEL, MATERIEL, "Feuille de parchemin."),
    "Pick, miner's": ("Pioche de mineur", MATERIEL, MATERIEL, "Pour creuser la roche."),
    "Pitcher, clay": ("Pichet en terre cuite", MATERIEL, MATERIEL, "Pichet à bec."),
    "Piton": ("Piton", MATERIEL, MATERIEL, "Pointe de fer à planter dans la roche pour l'escalade."),
    "Pole, 10-foot": ("Perche (3 m)", MATERIEL, MATERIEL, "Longue perche de bois, bien utile pour sonder le sol."),
    "Pot, iron": ("Marmite en fer", MATERIEL, MATERIEL, "Marmite pour cuisiner."),
    "Pouch, belt (empty)": ("Bourse (vide)", MATERIEL, MATERIEL, "Petite sacoche de ceinture."),
    "Ram, portable": ("Bélier portatif", MATERIEL, MATERIEL, "+4 aux tests de Force pour enfoncer une porte."),
    "Rations, trail (per day)": ("Rations de survie (par jour)", MATERIEL, MATERIEL, "Nourriture sèche qui se conserve."),
    "Rope, hempen (50 ft.)": ("Corde en chanvre (15 m)", MATERIEL, MATERIEL, "2 points de résistance ; se rompt sur un test de Force DD 23."),
    "Rope, silk (50 ft.)": ("Corde en soie (15 m)", MATERIEL, MATERIEL, "4 points de résistance ; se rompt sur un test de Force DD 24 ; +2 en Maîtrise des cordes."),
    "Sack (empty)": ("Sac (vide)", MATERIEL, MATERIEL, "Sac de toile."),
    "Sealing wax": ("Cire à cacheter", MATERIEL, MATERIEL, "Bâton de cire pour sceller les lettres."),
    "Sewing needle": ("Aiguille à coudre", MATERIEL, MATERIEL, "Aiguille d'acier."),
    "Signal whistle": ("Sifflet", MATERIEL, MATERIEL, "Sifflet d'appel."),
    "Signet ring": ("Chevalière", MATERIEL, None, "Bague gravée d'un sceau personnel."),
    "Sledge": ("Masse de carrier", MATERIEL, MATERIEL, "Lourde masse à deux mains pour briser la pierre."),
    "Soap (per lb.)": ("Savon (500 g)", MATERIEL, MATERIEL, "Savon de suif."),
    "Spade or shovel": ("Pelle", MATERIEL, MATERIEL, "Pour creuser la terre."),
    "Spyglass": ("Longue-vue", MATERIEL, MATERIEL, "Grossit deux fois ce que l'on regarde."),
    "Tent": ("Tente", MATERIEL, MATERIEL, "Abri de toile pour deux personnes."),
    "Torch": ("Torche", MATERIEL, MATERIEL, "Éclaire 6 m alentour pendant une heure ; peut servir d'arme improvisée."),
    "Vial, ink or potion": ("Fiole", MATERIEL, MATERIEL, "Petite fiole de verre bouchée."),
    "Waterskin": ("Outre", MATERIEL, MATERIEL, "Contient environ 2 litres d'eau."),
    "Whetstone": ("Pierre à aiguiser", MATERIEL, MATERIEL, "Pour entretenir les lames."),
    "Acid (flask)": ("Acide (flasque)", MATERIEL, MATERIEL, "Arme de jet : 1d6 points de dégâts d'acide, éclaboussures alentour."),
    "Alchemist's fire (flask)": ("Feu grégeois (flasque)", MATERIEL, MATERIEL, "Arme de jet : 1d6 points de dégâts de feu, la cible brûle un round de plus."),
    "Antitoxin (vial)": ("Antidote (fiole)", MATERIEL, MATERIEL, "+5 aux jets de Vigueur contre le poison pendant une heure."),
    "Everburning torch": ("Torche éternelle", MATERIEL, MATERIEL, "Torche enchantée d'une flamme froide qui ne s'éteint pas."),
    "Holy water (flask)": ("Eau bénite (flasque)", MATERIEL, MATERIEL, "Arme de jet : 2d4 points de dégâts aux morts-vivants et aux Extérieurs maléfiques."),
    "Smokestick": ("Bâton fumigène", MATERIEL, MATERIEL, "Dégage un épais nuage de fumée qui bloque la vue."),
    "Sunrod": ("Bâton éclairant", MATERIEL, MATERIEL, "Brille comme une torche, sans flamme, pendant 6 heures."),
    "Tanglefoot bag": ("Sacoche immobilisante", MATERIEL, MATERIEL, "Arme de jet qui englue la cible dans une colle tenace."),
    "Thunderstone": ("Pierre à tonnerre", MATERIEL, MATERIEL, "Éclate dans un bruit assourdissant quand on la lance."),
    "Tindertwig": ("Allumette", MATERIEL, MATERIEL, "Allume un feu en une action simple."),
    "Alchemist's lab": ("Laboratoire d'alchimiste", CLASSE, None, "+2 aux tests d'Artisanat (alchimie)."),
    "Artisan's tools": ("Outils d'artisan", CLASSE, CLASSE, "Outils nécessaires à un artisanat."),
    "Artisan's tools, masterwork": ("Outils d'artisan de maître", CLASSE, CLASSE, "+2 aux tests d'Artisanat concernés."),
    "Climber's kit": ("Matériel d'escalade", CLASSE, CLASSE, "+2 aux tests d'Escalade."),
    "Disguise kit": ("Trousse de déguisement", CLASSE, CLASSE, "+2 aux tests de Déguisement ; dix usages."),
    "Healer's kit": ("Trousse de soins", CLASSE, CLASSE, "+2 aux tests de Premiers secours ; dix usages."),
    "Holly and mistletoe": ("Houx et gui", CLASSE, CLASSE, "Focaliseur divin des druides et des rôdeurs."),
    "Holy symbol, wooden": ("Symbole sacré en bois", CLASSE, CLASSE, "Focaliseur divin des prêtres et des paladins."),
    "Holy symbol, silver": ("Symbole sacré en argent", CLASSE, CLASSE, "Focaliseur divin des prêtres et des paladins."),
    "Hourglass": ("Sablier", CLASSE, CLASSE, "Pour mesurer le temps."),
    "Magnifying glass": ("Loupe", CLASSE, CLASSE, "+2 aux tests d'Estimation des petits objets ; allume un feu au soleil."),
    "Musical instrument, common": ("Instrument de musique", CLASSE, CLASSE, "Instrument ordinaire pour jouer de la musique."),
    "Musical instrument, masterwork": ("Instrument de musique de maître", CLASSE, CLASSE, "+2 aux tests de Représentation."),
    "Scale, merchant's": ("Balance de marchand", CLASSE, CLASSE, "+2 aux tests d'Estimation des objets vendus au poids."),
    "Spell component pouch": ("Sacoche à composantes", CLASSE, CLASSE, "Contient les composantes matérielles bon marché des sorts."),
    "Spellbook, wizard's (blank)": ("Grimoire (vierge)", CLASSE, CLASSE, "Cent pages pour consigner des sorts."),
    "Thieves' tools": ("Outils de cambrioleur", CLASSE, CLASSE, "Nécessaires pour crocheter une serrure ou désamorcer un piège."),
    "Thieves' tools, masterwork": ("Outils de cambrioleur de maître", CLASSE, CLASSE, "+2 aux tests de Crochetage et de Désamorçage/sabotage."),
    "Tool, masterwork": ("Outil de maître", CLASSE, CLASSE, "+2 aux tests de la compétence qu'il sert."),
    "Water clock": ("Clepsydre", CLASSE, None, "Horloge à eau encombrante et précise."),
    "Artisan's outfit": ("Tenue d'artisan", "Vêtements", "Vetement", "Chemise, pantalon et tablier de travail."),
    "Cleric's vestments": ("Habits sacerdotaux", "Vêtements", "Vetement", "Vêtements de cérémonie d'un prêtre."),
    "Cold weather outfit": ("Tenue de grand froid", "Vêtements", "Vetement", "+5 aux jets de Vigueur contre le froid."),
    "Courtier's outfit": ("Tenue de courtisan", "Vêtements", "Vetement", "Habits élégants pour paraître à la cour."),
    "Entertainer's outfit": ("Tenue d'artiste", "Vêtements", "Vetement", "Costume voyant de saltimbanque."),
    "Explorer's outfit": ("Tenue d'explorateur", "Vêtements", "Vetement", "Vêtements solides pour la route et les souterrains."),
    "Monk's outfit": ("Tenue de moine", "Vêtements", "Vetement", "Vêtements amples qui laissent les gestes libres."),
    "Noble's outfit": ("Tenue de noble", "Vêtements", "Vetement", "Riches habits ornés."),
    "Peasant's outfit": ("Tenue de paysan", "Vêtements", "Vetement", "Vêtements simples de toile."),
    "Royal outfit": ("Tenue royale", "Vêtements", "Vetement", "Habits d'apparat dignes d'un souverain."),
    "Scholar's outfit": ("Tenue d'érudit", "Vêtements", "Vetement", "Robe longue de savant."),
    "Traveler's outfit": ("Tenue de voyageur", "Vêtements", "Vetement", "Bottes, cape et vêtements de voyage."),
    "Ale, Gallon": ("Bière (4 litres)", "Divers", None, "Un petit tonnelet de bière."),
    "Ale, Mug": ("Bière (chope)", "Divers", None, "Une chope de bière."),
    "Bread, per loaf": ("Pain (miche)", "Divers", None, "Une miche de pain."),
    "Cheese, hunk of": ("Fromage (morceau)", "Divers", None, "Un morceau de fromage."),
    "Meat, chunk of": ("Viande (morceau)", "Divers", None, "Un morceau de viande."),
    "Wine, Common (pitcher)": ("Vin ordinaire (pichet)", "Divers", None, "Un pichet de vin."),
    "Wine, Fine (bottle)": ("Vin fin (bouteille)", "Divers", None, "Une bouteille de bon vin."),
    "Bit and bridle": ("Mors et bride", "Montures et harnachement", None, "Pour guider une monture."),
    "Dog, guard": ("Chien de garde", "Montures et harnachement", None, "Chien dressé à garder et à attaquer."),
    "Dog, riding": ("Chien de selle", "Montures et harnachement", None, "Monture des petites races, dressée au combat."),
    "Donkey or mule": ("Âne ou mulet", "Montures et harnachement", None, "Bête de somme robuste et sûre du pied."),
    "Feed (per day)": ("Fourrage (par jour)", "Montures et harnachement", None, "Nourriture d'une monture pour une journée."),
    "Horse, heavy": ("Cheval lourd", "Montures et harnachement", None, "Cheval de trait ou de selle, non dressé au combat."),
    "Horse, light": ("Cheval léger", "Montures et harnachement", None, "Cheval de selle rapide, non dressé au combat."),
    "Horse, Pony": ("Poney", "Montures et harnachement", None, "Monture des petites races, non dressée au combat."),
    "Horse, Warhorse, heavy": ("Destrier lourd", "Montures et harnachement", None, "Cheval de guerre puissant, dressé au combat."),
    "Horse, Warhorse, light": ("Destrier léger", "Montures et harnachement", None, "Cheval de guerre rapide, dressé au combat."),
    "Horse, Warpony": ("Poney de guerre", "Montures et harnachement", None, "Poney dressé au combat."),
    "Saddle, Military": ("Selle de guerre", "Montures et harnachement", None, "+2 aux tests d'Équitation pour rester en selle."),
    "Saddle, Pack": ("Bât", "Montures et harnachement", None, "Pour charger une bête de somme."),
    "Saddle, Riding": ("Selle d'équitation", "Montures et harnachement", None, "Selle ordinaire."),
    "Saddle, Exotic, Military": ("Selle de guerre exotique", "Montures et harnachement", None, "Selle de guerre pour une monture non équine."),
    "Saddle, Exotic, Pack": ("Bât exotique", "Montures et harnachement", None, "Bât pour une monture non équine."),
    "Saddle, Exotic, Riding": ("Selle d'équitation exotique", "Montures et harnachement", None, "Selle pour une monture non équine."),
    "Saddlebags": ("Sacoches de selle", "Montures et harnachement", None, "Paire de sacoches à fixer sur une selle."),
    "Carriage": ("Carrosse", "Moyens de transport", None, "Voiture fermée à quatre roues tirée par deux chevaux."),
    "Cart": ("Charrette", "Moyens de transport", None, "Voiture à deux roues tirée par un cheval ou une bête de somme."),
    "Galley": ("Galère", "Moyens de transport", None, "Grand navire à rames et à voile."),
    "Keelboat": ("Bateau à quille", "Moyens de transport", None, "Bateau de rivière pour passagers et marchandises."),
    "Longship": ("Drakkar", "Moyens de transport", None, "Long navire de mer à rames et à voile."),
    "Rowboat": ("Barque", "Moyens de transport", None, "Petite embarcation à rames."),
    "Oar": ("Rame", "Moyens de transport", None, "Rame de barque."),
    "Sailing ship": ("Voilier", "Moyens de transport", None, "Navire de haute mer à voiles."),
    "Sled": ("Traîneau", "Moyens de transport", None, "Glisse sur la neige et la glace."),
    "Wagon": ("Chariot", "Moyens de transport", None, "Voiture à quatre roues pour les lourdes charges."),
    "Warship": ("Navire de guerre", "Moyens de transport", None, "Navire armé à rames et à voile."),
}

# Marchandises : un article du SRD en donne parfois deux ("une livre de farine, ou un poulet").
MARCHANDISES = {
    "One pound of wheat": [("Blé (500 g)", "Céréale")],
    "One pound of flour, or one chicken": [("Farine (500 g)", "Farine de blé"), ("Poulet", "Volaille vivante")],
    "One pound of iron": [("Fer (500 g)", "Métal brut")],
    "One pound of tobacco or copper": [("Tabac (500 g)", "Feuilles séchées"), ("Cuivre (500 g)", "Métal brut")],
    "One pound of cinnamon, or one goat": [("Cannelle (500 g)", "Épice"), ("Chèvre", "Bétail")],
    "One pound of ginger or pepper, or one sheep": [("Gingembre (500 g)", "Épice"), ("Poivre (500 g)", "Épice"), ("Mouton", "Bétail")],
    "One pig": [("Cochon", "Bétail")],
    "One square yard of linen": [("Lin (m²)", "Étoffe")],
    "One pound of salt or silver": [("Sel (500 g)", "Denrée"), ("Argent (500 g)", "Métal précieux")],
    "One square yard of silk, or one cow": [("Soie (m²)", "Étoffe précieuse"), ("Vache", "Bétail")],
    "One pound of saffron or cloves, or one ox": [("Safran (500 g)", "Épice rare"), ("Clous de girofle (500 g)", "Épice rare"), ("Bœuf", "Bétail")],
    "One pound of gold": [("Or (500 g)", "Métal précieux")],
    "One pound of platinum": [("Platine (500 g)", "Métal précieux")],
}

# Articles du SRD qui ne sont pas des objets (services, séjours) ou qu'on ne vend pas seuls.
IGNORES = {"Unarmed strike", "Shield, light", "Shield, heavy", "Spiked shield, light", "Spiked shield, heavy",
           "Banquet (per person)", "Barding, Medium creature", "Barding, Large creature", "Stabling (per day)"}


# Emplacement du corps où l'objet se porte d'office (assistant de création) ; les armes vont en main.
EMPLACEMENTS = {
    "Armure": 1, "Vetement": 1, "Robe": 1, "Anneau": 3, "Amulette": 4, "Broche": 4, "Médaillon": 4,
    "Collier": 4, "Charme": 4, "Scarabée": 4, "Ecu": 6, "Pavois": 6, "Targe": 6, "Rondache": 6, "Casque": 7,
    "Heaume": 7, "Bandeau": 7, "Couronne": 7, "Phylactère": 7, "Cape": 8, "Echarpe": 8, "Manteau": 8,
    "Gants": 9, "Gantelet": 9, "Ceinture": 10, "Ceinturon": 10, "Flèches": 11, "Carreaux": 11, "Billes": 11,
    "Bracelet": 12, "Bottes": 13, "Chaussons": 13, "Gilet": 14, "Veste": 14, "Chemise": 14, "Chasuble": 14,
    "Lunettes": 15,
}


def emplacement(o):
    if o.get("DegatDes") and o["GroupeObjet"] not in ("Rondache", "Ecu"):
        return 0
    if o.get("_srd") is not None or o.get("_jet"):
        return 0
    return EMPLACEMENTS.get(o.get("Type") or "")


def objet(**champs):
    ligne = {c: None for c in CHAMPS_OBJETS}
    ligne.update(champs)
    return ligne


def critique(texte):
    """'19-20/x2' -> (19, 2) ; 'x3' -> (20, 3) ; 'x3/x4' -> (20, 3)."""
    if vide(texte):
        return None, None
    zone, mult = 20, None
    for morceau in str(texte).split("/"):
        morceau = morceau.strip()
        if morceau.startswith("x") and mult is None:
            mult = int(morceau[1:])
        elif "-" in morceau:
            zone = int(morceau.split("-")[0])
    return zone, mult


def taille_arme(sous_categorie):
    if sous_categorie.startswith("Light") or sous_categorie.startswith("Unarmed"):
        return "Petite"
    if sous_categorie.startswith("One-Handed"):
        return "Moyenne"
    return "Grande"


def description_arme(categorie, taille, type_srd, portee, double, jet=False):
    morceaux = [CATEGORIES_ARMES[categorie]]
    morceaux.append({"Petite": "légère", "Moyenne": "à une main", "Grande": "à deux mains"}[taille])
    texte = " ".join(morceaux) + "."
    if type_srd:
        genres = [TYPES_DEGATS_TEXTE[t] for t in TYPES_DEGATS if t in type_srd]
        lien = " et " if " and " in type_srd else " ou "
        texte += " Dégâts " + lien.join(genres) + "."
    if double:
        texte += " Arme double : la seconde extrémité inflige " + double + "."
    if portee:
        texte += (" Arme de jet" if jet else " Facteur de portée") + " : %s m." % ("%g" % portee).replace(".", ",")
    return texte


def armes(base):
    lignes = []
    for r in base.execute("select * from equipment where family='Weapons' order by id"):
        nom_srd = r["name"]
        if nom_srd in IGNORES:
            continue
        if nom_srd in MUNITIONS:
            nom, groupe, _ = MUNITIONS[nom_srd]
            lignes.append(objet(NomObjet=nom, GroupeObjet=groupe, Type=groupe, CoutTotal=prix_po(r["cost"]),
                                PoidsBase=kg(livres(r["weight"]) or (1.0 if nom_srd == "Bolts (5)" else None)),
                                Description="Munitions, vendues par lot. Se portent à l'emplacement des projectiles."))
            continue
        nom, groupe, facon, taille, groupe_jet = ARMES[nom_srd]
        correction = CORRECTIONS_ARMES.get(nom_srd, {})
        taille = taille or taille_arme(r["subcategory"])
        degats = correction.get("degats", r["dmg_m"])
        double = None
        if not vide(degats) and "/" in degats:
            degats, double = degats.split("/")
        zone, mult = critique(correction.get("critique", r["critical"]))
        pieds = correction.get("portee")
        if "portee" not in correction and not vide(r["range_increment"]):
            pieds = float(r["range_increment"].split()[0])
        portee = metres(pieds)
        poids = correction.get("poids", livres(r["weight"]))
        type_srd = correction.get("type", None if vide(r["type"]) else r["type"])
        solidite, resistance = SOLIDITE.get((facon, taille), (None, None))
        cout = prix_po(r["cost"])
        if nom_srd == "Spiked armor":
            cout, poids = None, None
        commun = dict(Taille=taille, CoutTotal=cout if cout is not None else 0.0, PoidsBase=kg(poids),
                      DegatDes=None if vide(degats) else degats, ZoneCritique=zone, MultCrit=mult,
                      Solidite=solidite, Resistance=resistance)
        lance = groupe_jet is None and portee is not None
        lignes.append(objet(NomObjet=nom, GroupeObjet=groupe, Type=groupe, Portee=portee,
                            Description=description_arme(r["category"], taille, type_srd, portee, double,
                                                         jet=lance and facon != "tir"),
                            _srd=r, _degats=type_srd, **commun))
        if groupe_jet:
            # L'arme lancée a son propre groupe : la fiche la traite alors en attaque à distance.
            lignes.append(objet(NomObjet=nom + " de jet", GroupeObjet=groupe_jet, Type=groupe_jet, Portee=portee,
                                Description=description_arme(r["category"], taille, type_srd, portee, None, jet=True)
                                + " Fiche de l'arme quand on la lance.",
                                _srd=r, _degats=type_srd, _jet=True, **commun))
    return lignes


def armures(base):
    lignes = []
    for r in base.execute("select * from equipment where family='Armor and Shields' and subcategory!='Extras' order by id"):
        bonus = int(r["armor_shield_bonus"].replace("+", ""))
        dex = None if vide(r["maximum_dex_bonus"]) else int(r["maximum_dex_bonus"].replace("+", ""))
        penalite = int(r["armor_check_penalty"])
        echec = int(r["arcane_spell_failure_chance"].rstrip("%"))
        if r["name"] in ARMURES:
            nom, solidite = ARMURES[r["name"]]
            categorie = CATEGORIES_ARMURES[r["subcategory"]]
            lignes.append(objet(NomObjet=nom, GroupeObjet="Armure", Type="Armure", TypeCa="Armure",
                                ClasseArmure=bonus, BonusDexMax=dex, PenaliteArmure=penalite, EchecSortProfane=echec,
                                CoutTotal=prix_po(r["cost"]), PoidsBase=kg(livres(r["weight"])),
                                Solidite=solidite, Resistance=bonus * 5, _armure=True,
                                Description="Armure %s : bonus d'armure +%d, bonus de Dextérité maximal +%d, "
                                            "malus d'armure aux tests %d, échec des sorts profanes %d %%."
                                            % (categorie, bonus, dex, penalite, echec)))
        else:
            nom, groupe, solidite, resistance = BOUCLIERS[r["name"]]
            texte = "Bouclier : bonus de bouclier +%d, malus d'armure aux tests %d, échec des sorts profanes %d %%." \
                    % (bonus, penalite, echec)
            if groupe == "Pavois":
                texte += " Peut servir d'abri complet ; bonus de Dextérité maximal +%d." % dex
            if groupe == "Targe":
                texte += " Sanglée à l'avant-bras, elle laisse la main libre."
            lignes.append(objet(NomObjet=nom, GroupeObjet=groupe, Type=groupe, TypeCa="Bouclier", ClasseArmure=bonus,
                                BonusDexMax=dex, PenaliteArmure=penalite, EchecSortProfane=echec,
                                Taille="Petite" if groupe in ("Targe", "Rondache") else "Moyenne",
                                DegatDes={"Targe": None, "Rondache": "1d3", "Ecu": "1d4", "Pavois": None}[groupe],
                                ZoneCritique=20 if groupe in ("Rondache", "Ecu") else None,
                                MultCrit=2 if groupe in ("Rondache", "Ecu") else None,
                                CoutTotal=prix_po(r["cost"]), PoidsBase=kg(livres(r["weight"])),
                                Solidite=solidite, Resistance=resistance, _bouclier=True, Description=texte))
    return lignes


# Outils ordinaires dont le bonus de circonstances va sur la fiche quand on les porte (emplacements divers).
OUTILS = {
    "Matériel d'escalade": [("Escalade", 2)],
    "Trousse de soins": [("Premiers secours", 2)],
    "Trousse de déguisement": [("Déguisement", 2)],
    "Loupe": [("Estimation", 2)],
    "Balance de marchand": [("Estimation", 2)],
    "Corde en soie (15 m)": [("Maîtrise des cordes", 2)],
    "Instrument de musique de maître": [("Représentation (instruments)", 2)],
    "Outils de cambrioleur de maître": [("Crochetage", 2), ("Désamorçage/sabotage", 2)],
}


def proprietes_outils(lignes):
    noms = {o["NomObjet"] for o in lignes}
    return [propriete(nom, "Bonus Competence", competence, "Circonstances", "+%d" % valeur)
            for nom, bonus in OUTILS.items() if nom in noms for competence, valeur in bonus]


def divers(base):
    lignes = []
    requete = "select * from equipment where family!='Weapons' and (family!='Armor and Shields' or subcategory='Extras')" \
              " and category!='Service' order by id"
    for r in base.execute(requete):
        if r["name"] in IGNORES or r["name"].startswith("Inn stay") or r["name"].startswith("Meals"):
            continue
        cout = prix_po(r["cost"])
        poids = kg(livres(r["weight"]))
        if r["name"] == "Gauntlet, locked":
            poids = 2.5
        if r["name"] in MARCHANDISES:
            for nom, texte in MARCHANDISES[r["name"]]:
                lignes.append(objet(NomObjet=nom, GroupeObjet="Divers", CoutTotal=cout,
                                    PoidsBase=0.5 if "500 g" in nom else None,
                                    Description="Marchandise : %s. Se troque à son prix." % texte.lower()))
            continue
        nom, groupe, type_, texte = DIVERS[r["name"]]
        lignes.append(objet(NomObjet=nom, GroupeObjet=groupe, Type=type_, CoutTotal=cout, PoidsBase=poids,
                            Description=texte))
    return lignes


def de_maitre(lignes):
    """Versions de maître des armes, armures et boucliers, et leurs propriétés."""
    nouvelles, proprietes = [], []
    for o in lignes:
        if o["CoutTotal"] is None or o.get("_jet"):
            continue
        if o.get("_srd") is not None:
            copie = dict(o, NomObjet=o["NomObjet"] + " de maître", CoutTotal=o["CoutTotal"] + 300,
                         Description=o["Description"] + " Arme de maître : +1 aux jets d'attaque.")
            nouvelles.append(copie)
            proprietes.append(propriete(copie["NomObjet"], "Bonus Attaque", cible_degats(o), "Alteration", "+1"))
        elif o.get("_armure") or o.get("_bouclier"):
            penalite = min(0, o["PenaliteArmure"] + 1)
            nouvelles.append(dict(o, NomObjet=o["NomObjet"] + " de maître", CoutTotal=o["CoutTotal"] + 150,
                                  PenaliteArmure=penalite,
                                  Description=o["Description"] + " De maître : malus d'armure réduit de 1."))
    return nouvelles, proprietes


def cible_degats(arme):
    type_srd = arme.get("_degats") or ""
    for anglais, francais in TYPES_DEGATS.items():
        if type_srd.startswith(anglais):
            return francais
    return "Contondant"


def propriete(nom, p1, p2, p3, valeur):
    return {"NomObjet": nom, "propriete_1": p1, "propriete_2": p2, "propriete_3": p3, "valeur": valeur}


def magiques(lignes):
    """Armes, munitions, armures et boucliers +1 à +5 (prix et solidité selon les règles du SRD)."""
    nouvelles, proprietes = [], []
    for o in lignes:
        if o["CoutTotal"] is None or o.get("_jet") or o["NomObjet"].startswith("Armure à pointes"):
            continue
        for n in range(1, 6):
            if o.get("_srd") is not None:
                nom = "%s +%d" % (o["NomObjet"], n)
                copie = dict(o, NomObjet=nom, CoutTotal=o["CoutTotal"] + 300 + 2000 * n * n,
                             Solidite=None if o["Solidite"] is None else o["Solidite"] + 2 * n,
                             Resistance=None if o["Resistance"] is None else o["Resistance"] + 10 * n,
                             Description=o["Description"] + " Altération +%d à l'attaque et aux dégâts." % n)
                nouvelles.append(copie)
                cible = cible_degats(o)
                proprietes.append(propriete(nom, "Bonus Attaque", cible, "Alteration", "+%d" % n))
                proprietes.append(propriete(nom, "Bonus Dommage", cible, "Alteration", "+%d" % n))
            elif o["GroupeObjet"] in ("Flèches", "Carreaux", "Billes"):
                lot = int(o["NomObjet"].rsplit("(", 1)[1].rstrip(")"))
                nom = o["NomObjet"].replace(" (", " +%d (" % n)
                cout = o["CoutTotal"] + lot * 6 + lot * 2000 * n * n / 50
                nouvelles.append(dict(o, NomObjet=nom, CoutTotal=cout,
                                      Description="Munitions magiques : altération +%d à l'attaque et aux dégâts "
                                                  "de l'arme qui les tire." % n))
                proprietes.append(propriete(nom, "Bonus Attaque", "Piquant" if o["GroupeObjet"] != "Billes"
                                            else "Contondant", "Alteration", "+%d" % n))
                proprietes.append(propriete(nom, "Bonus Dommage", "Piquant" if o["GroupeObjet"] != "Billes"
                                            else "Contondant", "Alteration", "+%d" % n))
            elif o.get("_armure") or o.get("_bouclier"):
                nom = "%s +%d" % (o["NomObjet"], n)
                facteur = 1000 * n * n
                copie = dict(o, NomObjet=nom, CoutTotal=o["CoutTotal"] + 150 + facteur,
                             PenaliteArmure=min(0, o["PenaliteArmure"] + 1),
                             Solidite=o["Solidite"] + 2 * n, Resistance=o["Resistance"] + 10 * n,
                             Description=o["Description"] + " Altération +%d à la CA." % n)
                nouvelles.append(copie)
                cible = "Alteration Armure" if o.get("_armure") else "Alteration Bouclier"
                proprietes.append(propriete(nom, "Bonus Classe Armure", cible, None, "+%d" % n))
    return nouvelles, proprietes


# Réductions des dégâts que l'objet donne tant qu'on le porte (celles d'un pouvoir activé, d'une potion ou
# d'une forme prise restent au texte) : nom -> (valeur, ce qui la passe).
REDUCTIONS = {
    "Cuirasse en adamantium": (2, "-"), "Harnois nain": (3, "-"), "Invulnerable Coat": (10, "Épique"),
    "Mantle of Faith": (5, "Mal"), "Ring of Ironskin": (15, "Adamantium"), "Ring of Weaponbreaking": (15, "Adamantium"),
}


def reductions_des_degats(objets):
    """Propriétés « Résistance aux dégats » des armures d'invulnérabilité et des objets de REDUCTIONS."""
    proprietes = []
    for o in objets:
        nom = o["NomObjet"]
        m = re.search(r"\(Great Invulnerability (\d+)/(magic|epic)\)$", nom)
        if m:
            valeur, sorte = int(m.group(1)), "Magie" if m.group(2) == "magic" else "Épique"
        elif re.search(r" d'invulnérabilité \+\d$", nom):
            valeur, sorte = 5, "Magie"
        elif nom in REDUCTIONS:
            valeur, sorte = REDUCTIONS[nom]
        else:
            continue
        proprietes.append(propriete(nom, "Résistance aux dégats", sorte, None, "+%d" % valeur))
    trouves = {p["NomObjet"] for p in proprietes}
    if not set(REDUCTIONS) <= trouves:
        raise SystemExit("Réduction des dégâts d'un objet absent : " + ", ".join(sorted(set(REDUCTIONS) - trouves)))
    return proprietes


def main():
    base = base_srd()
    lignes = armes(base) + armures(base) + divers(base)
    maitre, prop_maitre = de_maitre(lignes)
    magie, prop_magie = magiques(lignes)
    nommes, prop_nommes, correspondance = objets_magiques({o["NomObjet"]: o for o in lignes})
    prop_nommes += reductions_des_degats(nommes)
    _, naturelles = armes_naturelles(base)
    tous = lignes + maitre + magie + [objet(**o) for o in nommes] + [objet(**o) for o in naturelles.values()]
    proprietes = prop_maitre + prop_magie + prop_nommes + proprietes_outils(lignes)

    noms = set()
    for o in tous:
        if o["NomObjet"] in noms:
            raise SystemExit("Objet en double : " + o["NomObjet"])
        noms.add(o["NomObjet"])
    for p in proprietes:
        if p["NomObjet"] not in noms:
            raise SystemExit("Propriété d'un objet absent : " + p["NomObjet"])

    for o in tous:
        o["Emplacement"] = emplacement(o)
    tous.sort(key=lambda o: cle_tri(o["NomObjet"]))
    ordre = {}
    for i, p in enumerate(proprietes):
        ordre.setdefault(p["NomObjet"], i)
    proprietes.sort(key=lambda p: (cle_tri(p["NomObjet"]), ordre[p["NomObjet"]]))
    ecrit_tsv(os.path.join(DONNEES, "Objets.tsv"), CHAMPS_OBJETS, tous)
    ecrit_tsv(os.path.join(DONNEES, "ObjetsPropriete.tsv"), CHAMPS_PROPRIETES, proprietes)
    # _revue : True quand le nom anglais est gardé, sinon le nom anglais d'un nom français à confirmer.
    revue = [{"Nom": o["NomObjet"], "Anglais": o["NomObjet"],
              "Motif": "nom français officiel non vérifié, nom anglais gardé"} if o["_revue"] is True else
             {"Nom": o["NomObjet"], "Anglais": o["_revue"], "Motif": "nom français de mémoire, à confirmer"}
             for o in tous if o.get("_revue")]
    ecrit_revue("Objets", revue)
    manquants = ecrit_correspondance(base, correspondance, noms)
    print("%d objets, %d propriétés, %d noms à revoir, %d objets magiques du SRD sans équivalent"
          % (len(tous), len(proprietes), len(revue), manquants))


ECARTES = os.path.join(os.path.dirname(DONNEES), "OBJETS-SRD-ECARTES.tsv")


def ecrit_correspondance(base, correspondance, noms):
    """data/OBJETS-SRD.tsv : chaque objet magique du SRD et les nôtres qui le rendent, ou pourquoi il n'y en a pas
    (data/OBJETS-SRD-ECARTES.tsv, par identifiant). Renvoie le nombre d'objets sans équivalent."""
    ecartes = {}
    if os.path.exists(ECARTES):
        with open(ECARTES, encoding="utf-8") as f:
            entete = f.readline().rstrip("\n").split("\t")
            for ligne in f:
                v = dict(zip(entete, ligne.rstrip("\n").split("\t")))
                ecartes[int(v["Id"])] = v["Motif"]
    lignes, manquants = [], 0
    for r in base.execute("select id, name, category, subcategory from item order by id"):
        categorie = r["category"] + ("" if vide(r["subcategory"]) or r["subcategory"] == "None"
                                     else " / " + r["subcategory"])
        francais = (correspondance.get(r["id"], []) + correspondance.get(r["name"], [])
                    + correspondance.get("%s|%s" % (r["name"], r["category"]), []))
        for nom in francais:
            if nom not in noms:
                raise SystemExit("Correspondance vers un objet absent : " + nom)
        motif = "" if francais else ecartes.get(r["id"], "manquant")
        manquants += not francais
        lignes.append({"Id": r["id"], "Categorie": categorie, "Anglais": r["name"],
                       "NomObjet": " ; ".join(dict.fromkeys(francais)), "Motif": motif})
    ecrit_tsv(os.path.join(os.path.dirname(DONNEES), "OBJETS-SRD.tsv"),
              ["Id", "Categorie", "Anglais", "NomObjet", "Motif"], lignes)
    return manquants


if __name__ == "__main__":
    main()

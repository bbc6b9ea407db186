"""Explications des sorts dont le nom commence par n à z (voir explications.py)."""

EXPLICATIONS = {
    "Nappe de brouillard": "Un banc de brouillard de 6 m de rayon et 6 m de haut naît au point choisi. Au-delà de "
                           "1,50 m, on n'y voit plus rien, même avec la vision dans le noir : une créature à 1,50 m a "
                           "un camouflage (20 % de ratés), plus loin un camouflage total (50 %). Un vent modéré le "
                           "chasse en 4 rounds, un vent fort en 1 round ; le sort ne marche pas sous l'eau.",
    "Négation de l'invisibilité": "Une sphère de 1,50 m de rayon par niveau de lanceur, centrée sur le prêtre et qui "
                                  "le suit, rend visible tout ce qui est invisible tant qu'il s'y trouve. Aucune "
                                  "forme d'invisibilité ne tient dans cette zone.",
    "Neutralisation du poison": "Le poison présent dans la créature ou l'objet touché est neutralisé : plus d'effet à "
                                "venir et fin des effets temporaires, mais les dégâts déjà subis (points de vie, "
                                "caractéristiques) restent. Pendant 10 minutes par niveau, le sujet est en plus "
                                "immunisé contre tout poison, sans jet de sauvegarde à faire. On peut aussi choisir "
                                "de rendre inoffensif le venin d'une créature ou d'un objet venimeux pour la même "
                                "durée.",
    "Nuage incendiaire": "Un nuage de fumée semée de braises (6 m de rayon, 6 m de haut) bouche la vue comme un "
                         "brouillard et inflige à chaque round, au tour du lanceur, 4d6 points de dégâts de feu à "
                         "tout ce qu'il contient ; Réflexes pour la moitié, à chaque round. Il s'éloigne du lanceur "
                         "de 3 m par round ; en se concentrant, le lanceur peut le déplacer jusqu'à 18 m par round. "
                         "Le vent le disperse et il ne peut être lancé sous l'eau.",
    "Nuage nauséabond": "Un nuage de vapeurs fétides de 6 m de rayon, qui gêne la vue comme un brouillard, rend "
                        "nauséeuse toute créature vivante qui s'y trouve, tant qu'elle y reste et 1d4+1 rounds après "
                        "en être sortie. Jet de Vigueur pour annuler, à refaire à chaque round tant qu'on reste dans "
                        "le nuage. Peut être rendu permanent.",
    "Nuée d'élémentaires": "Ouvre un passage vers un plan élémentaire (au choix du druide, celui du domaine pour un "
                           "prêtre). Arrivent aussitôt 2d4 élémentaires de taille G, dix minutes plus tard 1d4 "
                           "élémentaires de taille TG, puis au bout de dix autres minutes un élémentaire noble, tous "
                           "avec le maximum de points de vie par DV. Ils obéissent sans faille au lanceur jusqu'à la "
                           "fin du sort, sans qu'il doive se concentrer.",
    "Nuée de météores": "Quatre sphères enflammées filent vers les points choisis et explosent chacune en une étendue "
                        "de 12 m de rayon : 6d6 points de dégâts de feu par sphère, Réflexes pour la moitié, un jet "
                        "par sphère. On peut viser une créature avec une sphère par une attaque de contact à distance "
                        ": touchée, elle subit en plus 2d6 points de dégâts contondants et n'a pas de jet contre le "
                        "feu de cette sphère. La résistance au feu s'applique à chaque sphère séparément.",
    "Nuée grouillante": "Fait apparaître une nuée de chauves-souris, de rats ou d'araignées (au choix), qui attaque "
                        "toutes les autres créatures présentes dans son espace. Sans créature vivante dans sa zone, "
                        "elle poursuit la plus proche ; le lanceur ne la dirige pas. Elle reste tant qu'il se "
                        "concentre, plus 2 rounds.",
    "Œil du mage": "Crée un œil magique invisible qui transmet au lanceur ce qu'il verrait sur place. L'œil avance de "
                   "9 m par round (3 m s'il examine aussi murs et plafond), passe par un trou de 2,5 cm mais pas à "
                   "travers un obstacle solide, et ne peut changer de plan. Il faut se concentrer pour l'utiliser ; "
                   "sinon il reste inerte.",
    "Œil indiscret": "Crée 1d4 + 1 par niveau de lanceur petits yeux volants visibles (CA 18, 1 point de vie, vol 9 "
                     "m, Discrétion +16, Détection égale au niveau de lanceur, +15 au plus) qui voient à 36 m en "
                     "vision normale. On leur donne une consigne de 25 mots au plus ; pour livrer ce qu'ils ont vu, "
                     "ils doivent revenir dans la main du lanceur (1 round par heure d'images), puis disparaissent. "
                     "Un œil qui s'éloigne à plus de 1,5 km cesse d'exister.",
    "Œil indiscret suprême": "Comme Œil indiscret, mais les yeux voient toute chose telle qu'elle est, comme avec "
                             "Vision lucide sur 36 m, et se déplacent donc sans peine dans le noir. Leur modificateur "
                             "de Détection peut monter jusqu'à +25.",
    "Orientation": "Le sujet sent le chemin physique le plus court vers un lieu donné du même plan (pour y entrer ou "
                   "en sortir), et même les gestes à faire en route, comme éviter un fil piège ou dire le mot qui "
                   "désarme un glyphe. Le sort ne trouve que des lieux, pas des objets ni des créatures, et ne "
                   "prévoit pas les actes des gardiens. Il permet de sortir d'un Dédale en un round ; il prend fin à "
                   "destination.",
    "Ouverture/fermeture": "Ouvre ou ferme à distance une porte, un coffre, une fenêtre, un sac, une bouteille ou "
                           "tout autre contenant de 15 kg au plus. Si quelque chose s'y oppose (verrou, barre, "
                           "serrure), le sort échoue.",
    "Page secrète": "Le contenu d'une page prend l'apparence d'un tout autre texte (même d'un autre sort). Le lanceur "
                    "retrouve le vrai texte en prononçant un mot de commande, et dissipe le sort en le répétant deux "
                    "fois. Compréhension des langages seul n'y voit rien ; Détection de la magie montre une faible "
                    "aura ; Vision lucide révèle qu'un texte est caché sans le lire.",
    "Panoplie magique": "Une armure ou un bouclier touché gagne un bonus d'altération de +1 par tranche de quatre "
                        "niveaux de lanceur (+5 au plus au niveau 20). De simples vêtements comptent comme une armure "
                        "sans bonus à la CA et peuvent donc recevoir ce bonus.",
    "Parole du Chaos": "Un mot terrible frappe les créatures non chaotiques à 12 m autour du prêtre, sans jet de "
                       "sauvegarde, selon leurs DV : jusqu'au niveau de lanceur, assourdies 1d4 rounds ; jusqu'au "
                       "niveau −1, en plus étourdies 1 round ; jusqu'au niveau −5, en plus confuses 1d10 minutes ; "
                       "jusqu'au niveau −10, tuées. Celles qui ont plus de DV que le niveau de lanceur ne sont pas "
                       "touchées. Sur son plan d'origine, le prêtre renvoie en outre chez elles les créatures "
                       "extraplanaires non chaotiques (Volonté à −4 pour l'éviter).",
    "Parole sacrée": "Un mot sacré frappe les créatures non bonnes à 12 m autour du prêtre, sans jet de sauvegarde, "
                     "selon leurs DV : jusqu'au niveau de lanceur, assourdies 1d4 rounds ; jusqu'au niveau −1, en "
                     "plus aveuglées 2d4 rounds ; jusqu'au niveau −5, en plus paralysées 1d10 minutes ; jusqu'au "
                     "niveau −10, tuées. Celles qui ont plus de DV que le niveau de lanceur ne sont pas touchées. Sur "
                     "son plan d'origine, le prêtre renvoie en outre chez elles les créatures extraplanaires non "
                     "bonnes (Volonté à −4 pour l'éviter).",
    "Passage dans l'éther": "Comme Forme éthérée, mais le lanceur emmène avec lui une créature consentante par "
                            "tranche de trois niveaux (en se tenant par la main). Tous passent sur le plan Éthéré "
                            "pendant 1 minute par niveau et peuvent revenir séparément sur le plan Matériel.",
    "Passage sans traces": "Les sujets, une créature touchée par niveau, ne laissent ni empreintes ni odeur. On ne "
                           "peut plus les pister par des moyens ordinaires ; seule la magie permet de suivre leur "
                           "piste.",
    "Passe-muraille": "Ouvre dans un mur de bois, de plâtre ou de pierre (pas de métal ni d'autre matière plus dure) "
                      "un passage de 1,50 m sur 2,40 m, profond de 3 m (plus 1,50 m par tranche de trois niveaux "
                      "au-delà du 9e). Quand le sort prend fin ou est dissipé, ceux qui sont dedans sont éjectés par "
                      "la sortie la plus proche.",
    "Pattes d'araignée": "Le sujet se déplace sur les murs et au plafond comme une araignée, avec une vitesse "
                         "d'escalade de 6 m et sans aucun test d'Escalade, même la tête en bas. Il doit avoir les "
                         "mains libres, garde son bonus de Dextérité à la CA en grimpant et ne peut pas courir.",
    "Peau d'écorce": "La peau de la créature touchée durcit comme l'écorce : +2 d'altération à son bonus d'armure "
                     "naturelle, puis +1 par tranche de trois niveaux au-delà du 3e (+5 au plus au niveau 12). Ce "
                     "bonus s'ajoute à l'armure naturelle existante.",
    "Peau de pierre": "La créature touchée gagne une réduction des dégâts de 10/adamantium. Une fois qu'elle a ainsi "
                      "ignoré 10 points de dégâts par niveau de lanceur (150 au plus), le sort se dissipe. Composante "
                      ": de la poudre de diamant d'une valeur de 250 po.",
    "Pénitence": "Lave un sujet sincèrement repentant du poids de ses fautes : elle annule un changement d'alignement "
                 "dû à la magie, rend ses pouvoirs à un paladin, un prêtre ou un druide déchu, ou offre à une "
                 "créature d'alignement opposé la possibilité d'adopter celui du lanceur, si elle le veut. Si les "
                 "fautes ont été commises sciemment, le lanceur paie 500 PX ; sinon le sort ne coûte rien. Focaliseur "
                 ": un chapelet ou objet de prière de 500 po.",
    "Perception de la mort": "Pendant 10 minutes par niveau, le prêtre connaît d'un regard l'état des créatures dans "
                             "un cône de 9 m : mortes, fragiles (vivantes avec 3 points de vie ou moins), en lutte "
                             "contre la mort (4 points de vie ou plus), mortes-vivantes, ou ni vivantes ni mortes "
                             "(créatures artificielles). Il n'est pas dupe de ceux qui font semblant d'être morts.",
    "Permanence": "Rend permanents certains sorts, chacun demandant un niveau de lanceur minimal et un coût en PX (de "
                  "500 à 4 500 PX). Sur le lanceur seul : Vision magique, Compréhension des langages, Vision dans le "
                  "noir, Détection de la magie, Lecture de la magie, Détection de l'invisibilité, Don des langues. "
                  "Sur soi ou une autre créature : Agrandissement, Morsure magique, Rapetissement, Résistance... ; "
                  "sur un objet ou un lieu : Alarme, Bouche magique, Image silencieuse, Mur de feu, Nuage nauséabond, "
                  "les Symboles, Toile d'araignée et d'autres. Ceux qui ne portent pas sur le lanceur peuvent être "
                  "dissipés normalement.",
    "Pétrification": "La créature visée, avec tout son équipement, devient une statue inerte ; Vigueur pour annuler. "
                     "Elle n'est pas morte, mais une statue cassée garde ses blessures si elle retrouve sa forme de "
                     "chair. Seules les créatures de chair sont affectées ; Transmutation de la pierre en chair la "
                     "libère.",
    "Piège à feu": "Protège un objet qui s'ouvre et se ferme : quand quelqu'un d'autre que le lanceur l'ouvre, une "
                   "explosion de 1,50 m de rayon inflige 1d4 points de dégâts de feu +1 par niveau de lanceur (+20 au "
                   "plus) ; Réflexes pour la moitié. L'objet n'est pas abîmé, Déblocage ne contourne pas le piège et "
                   "le lanceur (ou les personnes désignées) peut l'ouvrir sans danger. Composante : 25 po de poudre "
                   "d'or.",
    "Piège illusoire": "Une petite serrure ou un mécanisme semble piégé à quiconque cherche les pièges, par la "
                       "compétence ou par la magie : il est certain qu'un vrai piège s'y trouve. Rien ne se passe si "
                       "on le « déclenche ». Un autre piège illusoire à moins de 15 m fait échouer le sort ; "
                       "composante de 50 po.",
    "Pierre magique": "Jusqu'à trois cailloux reçoivent +1 d'altération aux jets d'attaque et de dégâts. Lancés à la "
                      "main (facteur de portée 6 m) ou à la fronde (15 m), ils infligent 1d6+1 points de dégâts "
                      "chacun, 2d6+2 contre les morts-vivants. Le sort dure 30 minutes ou jusqu'à ce qu'ils servent.",
    "Pierres acérées": "Le sol de pierre d'un carré de 6 m de côté par niveau se hérisse de pointes difficiles à "
                       "voir. On n'y avance qu'à demi-vitesse et on subit 1d8 points de dégâts perforants par 1,50 m "
                       "parcouru. Toute créature blessée doit réussir un jet de Réflexes ou voir sa vitesse réduite "
                       "de moitié pendant 24 heures (jusqu'à un sort de soins ou un test de Premiers secours). C'est "
                       "un piège magique qu'on ne peut pas désamorcer.",
    "Pierres commères": "Le druide peut parler avec la pierre, brute ou taillée : elle lui dit qui ou quoi l'a "
                        "touchée et ce qu'elle cache ou recouvre. Les réponses dépendent de ce qu'une pierre peut "
                        "percevoir et comprendre.",
    "Plainte d'outre-tombe": "Un cri affreux tue une créature vivante par niveau de lanceur dans une étendue de 12 m "
                             "de rayon, les plus proches du point d'origine en premier. Chaque créature a droit à un "
                             "jet de Vigueur pour annuler. Le lanceur n'est pas affecté.",
    "Poigne agrippeuse": "Comme Main interposée, mais la main de force de taille G peut aussi agripper un adversaire "
                         "choisi : une attaque de lutte par round, avec un bonus égal au niveau de lanceur + "
                         "modificateur de la caractéristique d'incantation +10 (Force 31) +4 (taille). Elle "
                         "immobilise sans blesser. Elle peut aussi bousculer (+16 au test de Force) ou s'interposer ; "
                         "changer de cible est une action de mouvement.",
    "Décharge électrique": "Le contact de la main chargée d'électricité inflige 1d6 points de dégâts d'électricité par "
                         "niveau de lanceur (5d6 au plus). Attaque de contact au corps à corps, avec +3 si la cible "
                         "porte une armure de métal (ou est en métal).",
    "Poing serré": "Comme Main interposée, mais la main de force de taille G peut frapper un adversaire choisi : une "
                   "attaque par round (niveau de lanceur + modificateur de la caractéristique d'incantation +11 −1), "
                   "qui inflige 1d8+11 points de dégâts et étourdit 1 round sauf jet de Vigueur. Elle se déplace de "
                   "18 m et attaque dans le même round. Elle peut aussi s'interposer ou bousculer (+15 au test de "
                   "Force) ; changer de cible est une action de mouvement.",
    "Portail": "Ouvre un passage circulaire (1,50 m à 6 m de diamètre) vers un autre plan, que n'importe qui peut "
               "franchir par l'avant, tant que le lanceur se concentre (1 round par niveau au plus). Il peut aussi "
               "servir à appeler une créature précise ou d'un type donné, de gré ou de force, pour un coût de 1 000 "
               "PX : le lanceur contrôle plusieurs créatures dont le total de DV ne dépasse pas son niveau, ou une "
               "seule jusqu'à deux fois son niveau. Les divinités et êtres uniques ne sont jamais contraints de venir "
               "ni contrôlés.",
    "Porte de phase": "Crée dans un mur de bois, de plâtre ou de pierre un passage éthéré invisible que seul le "
                      "lanceur voit et emprunte, une utilisation par tranche de deux niveaux. Il peut faire passer "
                      "une autre créature de taille M ou moins (ce qui compte pour deux utilisations) ; ni lumière, "
                      "ni son, ni sort ne traverse le passage. Une Dissipation de la magie en éjecte ceux qui s'y "
                      "trouvent.",
    "Porte dimensionnelle": "Le lanceur se téléporte instantanément en un point à portée longue (120 m + 12 m par "
                            "niveau), désigné par la vue ou par direction et distance. Il peut emmener sa charge "
                            "maximale d'objets et une créature consentante de taille M (ou équivalent) par tranche de "
                            "trois niveaux, toutes en contact. Il ne peut plus agir avant son prochain tour ; si "
                            "l'arrivée est occupée, chacun subit 1d6 points de dégâts et est déplacé vers un espace "
                            "libre à moins de 30 m.",
    "Possession": "Le lanceur place son âme dans un réceptacle (gemme de 100 po) à portée, laissant son corps comme "
                  "mort. De là, il sent les forces vitales à 3 m par niveau et peut tenter de prendre un corps "
                  "(action complexe, Volonté pour annuler) : l'âme de la victime est enfermée dans la gemme ; il "
                  "garde son Intelligence, sa Sagesse, son Charisme, son niveau et ses bonus de base, mais prend la "
                  "Force, la Dextérité, la Constitution et les points de vie du corps. Si le corps hôte meurt, il "
                  "revient dans la gemme s'il est à portée, sinon il meurt ; détruire la gemme met fin au sort.",
    "Poussière scintillante": "Un nuage de paillettes dorées couvre tout dans une étendue de 3 m de rayon : les "
                              "créatures sont aveuglées pendant 1 round par niveau (Volonté pour éviter "
                              "l'aveuglement, à refaire à chaque round) et les choses invisibles sont dessinées par "
                              "la poussière. Toute créature couverte subit −40 aux tests de Discrétion.",
    "Prémonition": "Un sixième sens avertit le lanceur de tout danger qui menace le sujet : il n'est jamais surpris "
                   "ni pris au dépourvu et gagne +2 d'intuition à la CA et aux jets de Réflexes (perdu quand il perd "
                   "son bonus de Dextérité à la CA). Si le sujet est une autre créature, c'est le lanceur qui reçoit "
                   "les avertissements et doit les lui transmettre ; elle ne gagne pas les bonus.",
    "Préservation des morts": "Un cadavre ou un membre coupé ne se décompose plus pendant 1 jour par niveau. Les "
                              "jours passés sous ce sort ne comptent pas dans le délai de Rappel à la vie et sorts "
                              "semblables.",
    "Prestidigitation": "Pendant une heure, le lanceur produit de petits tours de magie : soulever lentement 500 g, "
                        "colorer, nettoyer ou salir un cube de 30 cm par round, chauffer, refroidir ou parfumer 500 g "
                        "de matière inerte, créer de petits objets grossiers et fragiles. Aucun de ces effets "
                        "n'inflige de dégâts, ne gêne la concentration d'un lanceur ni ne copie un autre sort ; les "
                        "changements faits aux objets s'effacent au bout d'une heure.",
    "Prévoyance": "Le lanceur lie à ce sort un autre sort de niveau 6 au plus (et au plus le tiers de son niveau de "
                  "lanceur) qui agit sur lui ; le second se déclenche seul dès qu'une condition fixée d'avance se "
                  "produit. Les conditions doivent être claires ; trop compliquées, la combinaison peut échouer. Une "
                  "seule Prévoyance active à la fois ; focaliseur : une statuette d'ivoire de 1 500 po.",
    "Prière": "Pour 1 round par niveau, le prêtre et ses alliés à moins de 12 m gagnent +1 de chance aux jets "
              "d'attaque, aux jets de dégâts des armes, aux jets de sauvegarde et aux tests de compétence. Les "
              "ennemis de la zone subissent −1 à ces mêmes jets ; pas de jet de sauvegarde, mais la résistance à la "
              "magie s'applique.",
    "Profanation": "Une zone de 6 m de rayon est imprégnée d'énergie négative pendant 2 heures par niveau : −3 aux "
                   "tests de renvoi des morts-vivants, +1 aux jets d'attaque, de dégâts et de sauvegarde des "
                   "morts-vivants, +1 point de vie par DV pour ceux qui y sont créés ou convoqués. Avec un autel de "
                   "la divinité du prêtre, ces valeurs doublent ; avec celui d'une autre divinité, le lieu est plutôt "
                   "coupé de celle-ci. Animation des morts y crée deux fois plus de morts-vivants ; contre et dissipe "
                   "Consécration.",
    "Projection astrale": "Le lanceur projette son corps astral sur le plan Astral (et de là vers d'autres plans), "
                          "avec une créature consentante par tranche de deux niveaux, liée à lui en cercle. Les corps "
                          "physiques restent en animation suspendue ; sur un autre plan, les voyageurs prennent un "
                          "nouveau corps relié par une corde d'argent. Si la corde est coupée, le voyageur meurt ; si "
                          "le corps astral est tué, il revient dans son corps physique. Composante : une hyacinthe de "
                          "1 000 po et 5 po d'argent par voyageur.",
    "Projection d'image": "Crée un double d'ombre intangible du lanceur qui imite ses gestes ou agit sur son ordre "
                          "(action de mouvement). Le lanceur peut voir et entendre par ses sens, et lancer depuis "
                          "l'image ses sorts de portée contact ou plus. Il doit garder une ligne d'effet vers elle, "
                          "sinon le sort prend fin ; Volonté pour dévoiler l'illusion en cas d'interaction.",
    "Protection contre la Loi": "Comme Protection contre le Mal, mais contre la Loi : +2 de parade à la CA et +2 de "
                                "résistance aux jets de sauvegarde face aux créatures loyales. Le sujet est aussi "
                                "protégé contre la possession et le contrôle mental, et les créatures loyales "
                                "convoquées ne peuvent pas le toucher.",
    "Protection contre la mort": "Le sujet est immunisé contre les sorts et effets magiques de mort, l'absorption "
                                 "d'énergie et les effets d'énergie négative. Le sort n'enlève pas les niveaux "
                                 "négatifs déjà subis et ne protège pas contre les autres attaques, même mortelles.",
    "Protection contre le Bien": "Comme Protection contre le Mal, mais contre le Bien : +2 de parade à la CA et +2 de "
                                 "résistance aux jets de sauvegarde face aux créatures bonnes. Le sujet est aussi "
                                 "protégé contre la possession et le contrôle mental, et les créatures bonnes "
                                 "convoquées ne peuvent pas le toucher.",
    "Protection contre le Chaos": "Comme Protection contre le Mal, mais contre le Chaos : +2 de parade à la CA et +2 "
                                  "de résistance aux jets de sauvegarde face aux créatures chaotiques. Le sujet est "
                                  "aussi protégé contre la possession et le contrôle mental, et les créatures "
                                  "chaotiques convoquées ne peuvent pas le toucher.",
    "Protection contre les énergies destructives": "Le sujet est immunisé contre un type d'énergie choisi (acide, "
                                                   "électricité, feu, froid ou son). Le sort se dissipe une fois "
                                                   "qu'il a absorbé 12 points de dégâts par niveau de lanceur (120 au "
                                                   "plus). Il ne se cumule pas avec Résistance aux énergies "
                                                   "destructives : il absorbe d'abord jusqu'à épuisement.",
    "Protection contre les projectiles": "Le sujet gagne une réduction des dégâts de 10/magie contre les armes à "
                                         "distance. Le sort se dissipe après avoir évité 10 points de dégâts par "
                                         "niveau de lanceur (100 au plus).",
    "Protection contre les sorts": "Jusqu'à une créature touchée par tranche de quatre niveaux gagne +8 de résistance "
                                   "aux jets de sauvegarde contre les sorts et pouvoirs magiques (pas contre les "
                                   "pouvoirs surnaturels ou extraordinaires). Chaque sujet doit porter un diamant de "
                                   "1 000 po, sans quoi la protection cesse ; un diamant de 500 po est broyé à "
                                   "l'incantation.",
    "Protection d'autrui": "Le sujet gagne +1 de parade à la CA et +1 de résistance aux jets de sauvegarde, et ne "
                           "subit que la moitié des dégâts infligés à ses points de vie : le lanceur encaisse l'autre "
                           "moitié. Les autres effets (charme, affaiblissement, absorption, mort) ne sont pas "
                           "partagés. Le sort prend fin si les deux s'éloignent hors de portée ; focaliseur : deux "
                           "anneaux de platine de 50 po.",
    "Puissance divine": "Pour 1 round par niveau, le bonus de base à l'attaque du prêtre devient égal à son niveau "
                        "global (avec les attaques supplémentaires qui en découlent). Il gagne aussi +6 d'altération "
                        "à la Force et 1 point de vie temporaire par niveau de lanceur.",
    "Purification de nourriture et d'eau": "Rend propres à la consommation la nourriture et l'eau gâtées, pourries, "
                                           "empoisonnées ou souillées, à raison de 0,03 m³ par niveau. Le sort "
                                           "n'empêche pas qu'elles se gâtent de nouveau plus tard ; il gâte l'eau "
                                           "maudite et les aliments semblables, mais n'agit ni sur les créatures ni "
                                           "sur les potions.",
    "Pyrotechnie": "Éteint une source de feu (un cube de 6 m au plus) pour en tirer l'un de deux effets. Feu "
                   "d'artifice : les créatures à 36 m qui voient le feu sont aveuglées 1d4+1 rounds (Volonté pour "
                   "annuler, la résistance à la magie s'applique). Fumée : un nuage de 6 m de rayon dure 1 round par "
                   "niveau, empêche toute vision et inflige −4 en Force et en Dextérité (Vigueur pour annuler) "
                   "jusqu'à 1d4+1 rounds après en être sorti.",
    "Quête": "Comme Quête mineure, mais touche une créature vivante de n'importe quel nombre de DV et sans jet de "
             "sauvegarde. Chaque jour où le sujet n'essaie pas d'accomplir sa tâche, il subit 3d6 points de dégâts et "
             "doit réussir un jet de Vigueur ou être fiévreux ; ces effets cessent 24 heures après qu'il s'y est "
             "remis. Délivrance des malédictions n'y met fin que si son niveau de lanceur dépasse d'au moins 2 celui "
             "du lanceur ; Souhait limité, Miracle et Souhait la brisent, pas Annulation d'enchantement.",
    "Quête mineure": "Impose à une créature vivante de 7 DV ou moins qui comprend le lanceur une mission à remplir ou "
                     "un acte à éviter, sauf jet de Volonté. Elle ne peut être poussée au suicide ni à une mort "
                     "certaine. Chaque jour passé à désobéir inflige −2 à toutes ses caractéristiques (−8 au plus, "
                     "jamais sous 1), pénalités qui disparaissent 24 heures après qu'elle a repris sa tâche ; "
                     "Annulation d'enchantement, Délivrance des malédictions, Souhait limité, Miracle et Souhait y "
                     "mettent fin, pas Dissipation de la magie.",
    "Rabougrissement des plantes": "Deux versions. Élagage : la végétation ordinaire d'une zone à portée longue "
                                   "(cercle de 30 m de rayon, demi-cercle de 45 m ou quart de cercle de 60 m) "
                                   "rétrécit au tiers de sa taille et se démêle. Étiolement : les plantes dans un "
                                   "rayon de 750 m produiront un tiers de moins l'année suivante. Contre Croissance "
                                   "végétale ; sans effet sur les créatures végétales.",
    "Rage": "Une créature consentante par tranche de trois niveaux entre en rage : +2 de moral en Force et en "
            "Constitution, +1 de moral aux jets de Volonté et −2 à la CA. Le reste fonctionne comme la rage d'un "
            "barbare, mais les sujets ne sont pas fatigués à la fin. Le sort dure tant que le lanceur se concentre, "
            "plus 1 round par niveau.",
    "Ralentissement du poison": "Pendant 1 heure par niveau, aucun poison, déjà présent ou reçu pendant le sort, "
                                "n'agit sur le sujet. À la fin du sort, le poison fait son effet normalement ; les "
                                "dégâts déjà subis ne sont pas soignés.",
    "Ramollissement de la terre et de la pierre": "La terre et la pierre naturelles d'un carré de 3 m de côté par "
                                                  "niveau s'amollissent sur 30 cm à 1,20 m de profondeur : la terre "
                                                  "humide devient boue, la terre sèche sable meuble et la pierre "
                                                  "argile. Dans la boue, une créature doit réussir un jet de Réflexes "
                                                  "ou rester engluée 1d2 rounds, sans bouger, attaquer ni lancer de "
                                                  "sort ; sinon elle avance à demi-vitesse, sans courir ni charger "
                                                  "(de même dans le sable). La pierre taillée ou magique n'est pas "
                                                  "affectée.",
    "Rapetissement": "Un humanoïde diminue d'une catégorie de taille : +2 de taille en Dextérité, −2 en Force (1 au "
                     "moins), +1 aux jets d'attaque et à la CA. Son équipement rétrécit avec lui et ses armes "
                     "infligent des dégâts de la taille inférieure ; sa vitesse ne change pas. Vigueur pour annuler ; "
                     "contre et dissipe Agrandissement, et peut être rendu permanent.",
    "Rapetissement d'animal": "Comme Rapetissement, mais sur un seul animal consentant de taille P à TG, touché, "
                              "pendant 1 heure par niveau. Les dégâts de ses attaques naturelles baissent selon sa "
                              "nouvelle taille.",
    "Rapetissement de groupe": "Comme Rapetissement, mais touche un humanoïde par niveau, tous à 9 m au plus les uns "
                               "des autres ; chacun a droit à son jet de Vigueur. Les effets de taille sont les mêmes "
                               ": +2 en Dextérité, −2 en Force, +1 aux jets d'attaque et à la CA.",
    "Rapport": "Le prêtre suit mentalement une créature touchée par tranche de trois niveaux : il connaît la "
               "direction, la distance et l'état de chacune (indemne, blessée, hors de combat, inconsciente, "
               "mourante, empoisonnée, confuse, etc.). La distance ne compte pas tant qu'elles sont sur le même plan "
               "; le lien cesse pour une créature qui meurt ou change de plan.",
    "Rayon affaiblissant": "Un rayon (attaque de contact à distance) impose à la cible un malus en Force de 1d6, +1 "
                           "par tranche de deux niveaux de lanceur (1d6+5 au plus), pendant 1 minute par niveau. La "
                           "Force ne peut tomber sous 1 ; pas de jet de sauvegarde.",
    "Rayon ardent": "Le lanceur tire un rayon de feu, plus un rayon par tranche de quatre niveaux au-delà du 3e "
                    "(trois au plus au niveau 11). Chaque rayon demande une attaque de contact à distance et inflige "
                    "4d6 points de dégâts de feu. Les cibles doivent se trouver à 9 m au plus les unes des autres et "
                    "les rayons partent en même temps.",
    "Rayon d'épuisement": "Un rayon noir (attaque de contact à distance) rend la cible épuisée pendant 1 minute par "
                          "niveau ; un jet de Vigueur réussi la laisse seulement fatiguée. Une créature déjà fatiguée "
                          "est épuisée quoi qu'il arrive. L'effet cesse net à la fin du sort.",
    "Rayon de givre": "Un rayon glacé (attaque de contact à distance) inflige 1d3 points de dégâts de froid. Pas de "
                      "jet de sauvegarde, mais la résistance à la magie s'applique.",
    "Rayon de soleil": "Pendant 1 round par niveau, le druide peut par une action simple projeter une ligne de "
                       "lumière de 18 m, un rayon par tranche de trois niveaux (six au plus). Chaque créature touchée "
                       "est aveuglée et subit 4d6 points de dégâts, le double si la lumière du soleil lui nuit ; "
                       "Réflexes pour éviter l'aveuglement et réduire les dégâts de moitié. Les morts-vivants, vases "
                       "et moisissures subissent 1d6 par niveau de lanceur (20d6 au plus), et ceux que la lumière "
                       "vive blesse sont détruits s'ils ratent leur jet.",
    "Rayon polaire": "Un rayon de froid (attaque de contact à distance) inflige 1d6 points de dégâts de froid par "
                     "niveau de lanceur, 25d6 au plus. Pas de jet de sauvegarde, mais la résistance à la magie "
                     "s'applique.",
    "Rayons prismatiques": "Sept rayons de couleur jaillissent en un cône de 18 m. Les créatures de 8 DV ou moins "
                           "sont aveuglées 2d4 rounds ; chacune est frappée par un rayon au hasard (1d8) : rouge 20 "
                           "points de feu, orange 40 d'acide, jaune 80 d'électricité (Réflexes pour la moitié), vert "
                           "poison mortel (Vigueur : 1d6 points d'affaiblissement de Constitution à la place), bleu "
                           "pétrification (Vigueur), indigo démence (Volonté), violet envoi sur un autre plan "
                           "(Volonté). Sur un 8, deux rayons frappent.",
    "Réduction d'objet": "Un objet non magique (0,05 m³ par niveau au plus) rétrécit au seizième de ses dimensions et "
                         "peut devenir souple comme du tissu, pendant 1 jour par niveau. Il reprend sa forme quand on "
                         "le jette sur une surface dure ou sur un mot du lanceur, ce qui met fin au sort. Même un feu "
                         "peut être réduit ; permanent, le sort permet au lanceur de le réduire et l'agrandir à "
                         "volonté.",
    "Reflets d'ombre": "Comme Convocation d'ombres, mais reproduit n'importe quel sort d'invocation d'ensorceleur ou "
                       "de magicien de niveau 8 au plus. Contre ceux qui ne croient pas à l'illusion (Volonté pour "
                       "dévoiler), les effets infligent 80 % des dégâts et les effets sans dégâts ont 80 % de chances "
                       "de marcher.",
    "Refuge": "Charge un objet préparé (1 500 po de gemmes) que le lanceur confie à une créature avec un mot de "
              "commande. En brisant l'objet et en disant le mot (action simple), elle est transportée instantanément, "
              "avec ce qu'elle porte, jusqu'à la demeure du lanceur, où qu'elle soit sur le même plan. Variante : "
              "c'est le lanceur qui est transporté à 3 m de celui qui brise l'objet.",
    "Refuge du mage": "Fait apparaître un chalet solide de 6 m de côté, fait des matériaux du lieu, avec une porte, "
                      "deux fenêtres à volets et une cheminée, pour 2 heures par niveau. Il résiste comme un bâtiment "
                      "de pierre et aux projectiles ordinaires ; porte et volets sont fermés par Verrou du mage et "
                      "protégés par une Alarme. Un serviteur invisible est à disposition ; il y a aussi une table, un "
                      "pupitre et des couchettes pour huit.",
    "Regain d'assurance": "Une créature, plus une par tranche de quatre niveaux, gagne +4 de moral contre la terreur "
                          "pendant 10 minutes. Un effet de terreur qui la frappe déjà est suspendu pour cette durée. "
                          "Contre et dissipe Frayeur.",
    "Régénération": "Les membres tranchés, os brisés et organes détruits du sujet repoussent : en 1 round si les "
                    "parties coupées sont là et touchent la créature, en 2d10 rounds sinon. Le sort soigne aussi 4d8 "
                    "points de dégâts +1 par niveau de lanceur (+35 au plus), supprime fatigue, épuisement et dégâts "
                    "non létaux. Sans effet sur les morts-vivants et autres créatures non vivantes.",
    "Réincarnation": "Ramène à la vie une créature morte depuis une semaine au plus, dans un nouveau corps de jeune "
                     "adulte d'une race tirée au hasard, si son âme le veut. Elle garde classes, dons, compétences, "
                     "bonus de base et points de vie, mais Force, Dextérité et Constitution changent selon la "
                     "nouvelle race ; elle perd un niveau (ou 2 points de Constitution au niveau 1). Composante : "
                     "huiles et onguents de 1 000 po.",
    "Rejet de la Loi": "Comme Rejet du Mal, mais contre la Loi : le lanceur gagne +4 de parade à la CA contre les "
                       "créatures loyales. Par un contact, il peut renvoyer chez elle une créature loyale d'un autre "
                       "plan (Volonté pour annuler) ou dissiper un enchantement lancé par une créature loyale ou un "
                       "sort loyal ; l'un ou l'autre usage met fin au sort.",
    "Rejet du Bien": "Comme Rejet du Mal, mais contre le Bien : le lanceur gagne +4 de parade à la CA contre les "
                     "créatures bonnes. Par un contact, il peut renvoyer chez elle une créature bonne d'un autre plan "
                     "(Volonté pour annuler) ou dissiper un enchantement lancé par une créature bonne ou un sort bon "
                     "; l'un ou l'autre usage met fin au sort.",
    "Rejet du Chaos": "Comme Rejet du Mal, mais contre le Chaos : le lanceur gagne +4 de parade à la CA contre les "
                      "créatures chaotiques. Par un contact, il peut renvoyer chez elle une créature chaotique d'un "
                      "autre plan (Volonté pour annuler) ou dissiper un enchantement lancé par une créature chaotique "
                      "ou un sort chaotique ; l'un ou l'autre usage met fin au sort.",
    "Rejet du Mal": "Le lanceur gagne +4 de parade à la CA contre les attaques des créatures maléfiques. Par une "
                    "attaque de contact, il peut renvoyer chez elle une créature maléfique d'un autre plan (Volonté "
                    "pour annuler) ou dissiper sans jet un enchantement lancé par une créature maléfique ou un sort "
                    "maléfique ; l'un ou l'autre usage met fin au sort.",
    "Remémoration": "Le magicien retrouve instantanément, comme s'il l'avait préparé, un sort de niveau 5 au plus "
                    "qu'il a lancé dans les dernières 24 heures. Il doit fournir de nouveau ses composantes "
                    "matérielles, s'il y en a.",
    "Renvoi": "Renvoie une créature extraplanaire sur son plan d'origine, sauf si elle réussit un jet de Volonté dont "
              "le DD est celui du sort − ses DV + le niveau de lanceur. Il y a 20 % de chances qu'elle soit envoyée "
              "sur un autre plan que le sien.",
    "Renvoi des sorts": "Les sorts qui visent le lanceur (pas ceux de zone, d'effet ou de contact) repartent vers "
                        "leur auteur, jusqu'à 1d4+6 niveaux de sorts au total, tirés en secret. Un sort de niveau "
                        "supérieur à ce qui reste n'est renvoyé qu'en partie, dégâts ou chances partagés en "
                        "proportion. Si les deux adversaires ont ce sort, un tirage décide : sort perdu, effet sur "
                        "les deux, protections coupées 1d4 minutes ou départ vers un autre plan.",
    "Réparation": "Répare une petite cassure ou déchirure d'un objet de 500 g au plus : un anneau, un maillon, une "
                  "dague fine à une seule cassure, un sac percé, une poterie. Il ne rend pas ses pouvoirs à un objet "
                  "magique et ne répare ni baguettes, ni bâtons, ni sceptres, ni créatures.",
    "Réparation intégrale": "Comme Réparation, mais répare entièrement un objet de 0,27 m³ par niveau, de n'importe "
                            "quelle matière et même brisé en plusieurs endroits. Les objets brûlés, fondus, "
                            "désintégrés ou réduits en poudre ne peuvent être réparés ; un objet magique ne retrouve "
                            "pas ses pouvoirs.",
    "Repérage": "Le lanceur sait instantanément où se trouve le nord. Il peut se perdre à nouveau s'il n'a pas de "
                "repère ; le sort peut ne pas marcher sur d'autres plans.",
    "Repli expéditif": "Pendant 1 minute par niveau, la vitesse de déplacement au sol du lanceur augmente de 9 m "
                       "(bonus d'altération). Les autres modes de déplacement ne changent pas ; la distance de saut "
                       "profite de ce bonus.",
    "Répulsif": "Une barrière de 3 m de rayon autour du lanceur repousse la vermine. Une vermine de moins d'un tiers "
                "des DV du niveau du lanceur ne peut la franchir ; les autres le peuvent en réussissant un jet de "
                "Volonté, mais subissent 2d6 points de dégâts.",
    "Résistance": "La créature touchée gagne +1 de résistance à ses jets de sauvegarde pendant 1 minute. Ce petit "
                  "bonus ne se cumule pas avec d'autres bonus de résistance ; le sort peut être rendu permanent.",
    "Résistance à la magie": "La créature touchée gagne une résistance à la magie égale à 12 + niveau de lanceur, "
                             "pendant 1 minute par niveau. Un sort hostile ne l'affecte alors que si son lanceur "
                             "réussit un test de niveau de lanceur (1d20 + niveau) contre cette valeur.",
    "Résistance aux énergies destructives": "Le sujet gagne une résistance de 10 contre un type d'énergie choisi "
                                            "(acide, électricité, feu, froid ou son) : chaque attaque de ce type lui "
                                            "inflige 10 points de moins. La résistance passe à 20 au niveau 7 et à 30 "
                                            "au niveau 11 ; l'équipement est aussi protégé. Ne se cumule pas avec "
                                            "Protection contre les énergies destructives.",
    "Résonance": "Le barde fait vibrer une construction isolée (bâtiment, pont...) : elle subit 2d10 points de dégâts "
                 "par round, sans tenir compte de la solidité, jusqu'à 1 round par niveau. Une construction prise "
                 "dans la roche n'est pas affectée ; les créatures, même artificielles, non plus.",
    "Respiration aquatique": "Les créatures touchées respirent sous l'eau sans perdre la faculté de respirer l'air. "
                             "La durée totale, 2 heures par niveau, est partagée à parts égales entre elles.",
    "Restauration": "Comme Restauration partielle, mais guérit en plus tous les affaiblissements temporaires de "
                    "caractéristiques et rend tous les points perdus par diminution permanente d'une caractéristique. "
                    "Elle dissipe les niveaux négatifs et rend un niveau perdu depuis 1 jour par niveau de lanceur au "
                    "plus ; elle supprime fatigue et épuisement. Composante : 100 po de poudre de diamant ; ne rend "
                    "pas ce qui a été perdu par la mort.",
    "Restauration partielle": "Dissipe un effet magique qui réduit une caractéristique du sujet, ou soigne 1d4 points "
                              "d'affaiblissement temporaire d'une caractéristique. Supprime la fatigue et fait passer "
                              "l'épuisement à la fatigue. Ne rend pas les points perdus par diminution permanente.",
    "Restauration suprême": "Comme Restauration partielle, mais dissipe tous les niveaux négatifs et rend les niveaux "
                            "absorbés depuis une semaine par niveau de lanceur au plus. Elle guérit tous les "
                            "affaiblissements et toutes les diminutions de caractéristiques, la fatigue, "
                            "l'épuisement, la folie, la confusion et les effets mentaux semblables. Coût : 500 PX ; "
                            "ne rend pas ce qui a été perdu par la mort.",
    "Résurrection": "Comme Rappel à la vie, mais l'état du corps importe peu : un petit morceau suffit, et la "
                    "créature peut être morte depuis 10 ans par niveau de lanceur. Elle revient avec tous ses points "
                    "de vie et ses sorts préparés, mais perd un niveau (ou 2 points de Constitution au niveau 1). Ne "
                    "marche ni sur la mort de vieillesse, ni sur les créatures artificielles, élémentaires, "
                    "Extérieurs et morts-vivants ; composante : 10 000 po de diamants.",
    "Résurrection suprême": "Ramène une créature morte depuis 10 ans par niveau de lanceur au plus, même sans corps, "
                            "pourvu qu'on la désigne sans ambiguïté. Elle revient avec tous ses points de vie, sans "
                            "perte de niveau ni de Constitution. Marche aussi sur les élémentaires et Extérieurs, pas "
                            "sur les créatures artificielles, les morts-vivants ni la mort de vieillesse ; composante "
                            ": 25 000 po de diamants.",
    "Rouille": "Le contact du druide rouille et détruit un objet de fer non magique (ou 90 cm de métal autour du "
               "point touché). En combat, une attaque de contact au corps à corps fait perdre 1d6 points de CA à une "
               "armure métallique ou détruit une arme de métal (ce qui provoque une attaque d'opportunité). Contre "
               "une créature de fer, elle inflige 3d6 points de dégâts +1 par niveau (+15 au plus) par round ; le "
               "sort dure 1 round par niveau, un contact par round.",
    "Runes explosives": "Des runes tracées sur un écrit (livre, carte, parchemin) explosent quand quelqu'un les lit : "
                        "6d6 points de dégâts de force. Le lecteur et ceux qui sont assez près pour lire les "
                        "subissent en entier ; les autres créatures à 3 m ou moins ont droit à un jet de Réflexes "
                        "pour la moitié, et l'objet est touché aussi. Le lanceur et ceux qu'il désigne lisent sans "
                        "danger ; une tentative ratée de Dissipation ou d'Effacement les déclenche (DD 28 pour les "
                        "trouver ou les désamorcer).",
    "Ruse du renard": "La créature touchée gagne +4 d'altération en Intelligence pendant 1 minute par niveau, avec "
                      "les bonus habituels aux compétences. Un lanceur de sorts fondé sur l'Intelligence voit monter "
                      "le DD de ses sorts, mais ne gagne ni sorts en bonus ni points de compétence.",
    "Ruse du renard de groupe": "Comme Ruse du renard (+4 d'altération en Intelligence), mais pour une créature par "
                                "niveau, toutes à 9 m au plus les unes des autres. Un lanceur fondé sur "
                                "l'Intelligence voit monter le DD de ses sorts, sans gagner de sorts en bonus.",
    "Sagesse du hibou": "La créature touchée gagne +4 d'altération en Sagesse pendant 1 minute par niveau, avec les "
                        "bonus habituels aux compétences et aux jets de Volonté. Un lanceur de sorts fondé sur la "
                        "Sagesse voit monter le DD de ses sorts, mais ne gagne pas de sorts en bonus.",
    "Sagesse du hibou de groupe": "Comme Sagesse du hibou (+4 d'altération en Sagesse), mais pour une créature par "
                                  "niveau, toutes à 9 m au plus les unes des autres. Un lanceur fondé sur la Sagesse "
                                  "voit monter le DD de ses sorts, sans gagner de sorts en bonus.",
    "Sanctification": "Un lieu de 12 m de rayon devient sacré de façon permanente : il est protégé comme par Cercle "
                      "magique contre le Mal, les tests de renvoi des morts-vivants y gagnent +4 et ceux "
                      "d'intimidation −4 (sauf version druidique), et les corps qui y sont enterrés ne peuvent "
                      "devenir morts-vivants. On peut y attacher pour un an un autre sort choisi dans une liste "
                      "(Bénédiction, Lumière du jour, Zone de vérité, Silence...), qui agit sur tout le lieu. "
                      "Composantes : 1 000 po, plus 1 000 po par niveau du sort attaché.",
    "Sanctification maléfique": "Un lieu de 12 m de rayon devient impie : il est protégé comme par Cercle magique "
                                "contre le Bien, les tests de renvoi des morts-vivants y subissent −4 et ceux "
                                "d'intimidation gagnent +4 (sauf version druidique). On peut y attacher pour un an un "
                                "autre sort choisi dans une liste (Bénédiction, Ténèbres, Silence, Zone de "
                                "vérité...), qui agit sur tout le lieu. Composantes : 1 000 po, plus 1 000 po par "
                                "niveau du sort attaché.",
    "Sanctuaire": "Quiconque veut attaquer directement la créature protégée, même par un sort ciblé, doit réussir un "
                  "jet de Volonté ; en cas d'échec, il perd cette action et ne peut plus l'attaquer pendant toute la "
                  "durée du sort. Les sorts de zone l'atteignent normalement. Si le sujet attaque, le sort prend fin "
                  "; il peut agir autrement, y compris lancer des sorts qui ne sont pas des attaques.",
    "Sanctuaire secret": "Un cube de 9 m de côté par niveau est protégé des regards pendant 24 heures : de "
                         "l'extérieur, on ne voit qu'une masse sombre et brumeuse (même avec la vision dans le noir), "
                         "et aucun son n'en sort. Les sorts de scrutation n'y voient rien et ceux qui sont dedans "
                         "sont immunisés contre Détection de pensées. On peut entrer et sortir librement ; les "
                         "messages magiques et la télépathie passent. Peut être rendu permanent.",
    "Saut": "Pendant 1 minute par niveau, la créature touchée gagne +10 d'altération aux tests de Saut. Le bonus "
            "passe à +20 au niveau de lanceur 5 et à +30 (au plus) au niveau 9.",
    "Sceau du serpent": "Un petit symbole caché dans un texte d'au moins 25 mots fait jaillir un serpent d'ombre sur "
                        "celui qui lit le texte volontairement. Jet de Réflexes pour l'éviter ; sinon, la victime est "
                        "prise dans un champ de force ambré, immobile et en animation suspendue, jusqu'à ce que le "
                        "lanceur la libère ou pendant 1d4 jours + 1 jour par niveau. Dissipation de la magie supprime "
                        "le sceau ; composante : 500 po de poudre d'ambre.",
    "Scrutation": "Le lanceur voit et entend à distance une créature et ses environs (3 m autour), pendant 1 minute "
                  "par niveau. Elle a droit à un jet de Volonté, modifié selon ce qu'il sait d'elle (de +10 s'il ne "
                  "la connaît pas à −5 s'il la connaît bien) et le lien qu'il possède (portrait −2, objet lui "
                  "appartenant −4, cheveux ou ongles −10), +5 si elle est sur un autre plan. Si elle réussit, "
                  "impossible de réessayer avant 24 heures ; quelques sorts de détection et Message ont 5 % de "
                  "chances par niveau de passer par l'organe.",
    "Scrutation suprême": "Comme Scrutation, mais le sort dure 1 heure par niveau. Les sorts de détection des "
                          "alignements, Détection de la magie, Message, Lecture de la magie et Don des langues "
                          "fonctionnent à coup sûr à travers l'organe sensoriel.",
    "Séquestration": "Enferme l'âme et le corps d'une créature dans une gemme valant au moins 1 000 po par DV, "
                     "jusqu'à ce que la gemme soit brisée. Lancée directement (action simple), elle laisse à la cible "
                     "la résistance à la magie et un jet de Volonté (DD +2 et sans résistance si l'on prononce son "
                     "nom) ; si la cible résiste, la gemme éclate. Par un objet déclencheur portant son nom, la "
                     "victime est prise sans jet ni résistance dès qu'elle le prend.",
    "Serviteur invisible": "Une force invisible, sans forme ni esprit, fait de menues tâches sur ordre : porter, "
                           "ouvrir, ranger, nettoyer, réparer. Elle a une Force de 2 (soulève 10 kg, traîne 50 kg), "
                           "se déplace de 4,50 m et ne réussit aucun test de DD supérieur à 10 ; elle ne peut pas "
                           "attaquer. Elle se dissipe après 6 points de dégâts de zone ou si on l'envoie hors de "
                           "portée.",
    "Signature magique": "Grave sur n'importe quelle matière, sans l'abîmer, la marque personnelle du lanceur (six "
                         "signes au plus), visible ou invisible. Une marque invisible devient visible par Détection "
                         "de la magie, Détection de l'invisibilité ou Vision lucide. Elle ne peut être dissipée, mais "
                         "Effacement ou le lanceur peuvent la faire disparaître ; sur une créature, elle s'estompe en "
                         "un mois environ.",
    "Silence": "Un silence total règne dans une émanation de 6 m de rayon, pendant 1 minute par niveau : aucun son "
               "n'y naît, n'y entre ni ne la traverse, et on ne peut y lancer de sort à composante verbale. Centré "
               "sur une créature, il la suit ; elle a droit à un jet de Volonté et à sa résistance à la magie si elle "
               "ne veut pas. Il protège des attaques de son et de langage.",
    "Simulacre": "Crée en neige ou en glace un double partiellement réel d'une créature, qui a la moitié de ses "
                 "niveaux ou DV (avec les points de vie, dons et capacités correspondants) et obéit entièrement au "
                 "lanceur. On ne peut copier une créature de plus de deux fois le niveau de lanceur ; un test de "
                 "Déguisement fixe la ressemblance. Le double ne progresse jamais et fond à 0 point de vie ; coût : "
                 "100 PX par DV (1 000 au moins) et 100 po de rubis par DV.",
    "Simulacre de vie": "Le lanceur gagne 1d10 points de vie temporaires +1 par niveau de lanceur (+10 au plus), pour "
                        "1 heure par niveau ou jusqu'à ce qu'ils soient perdus. Les dégâts subis sont retirés d'abord "
                        "de ces points temporaires.",
    "Soins importants de groupe": "Comme Soins légers de groupe, mais chaque créature choisie récupère 3d8 points de "
                                  "vie +1 par niveau de lanceur (+35 au plus). Les morts-vivants visés subissent ces "
                                  "points en dégâts (Volonté pour la moitié).",
    "Soins intensifs de groupe": "Comme Soins légers de groupe, mais chaque créature choisie récupère 4d8 points de "
                                 "vie +1 par niveau de lanceur (+40 au plus). Les morts-vivants visés subissent ces "
                                 "points en dégâts (Volonté pour la moitié).",
    "Soins légers de groupe": "Une créature par niveau, toutes à 9 m au plus les unes des autres, récupère chacune "
                              "1d8 points de vie +1 par niveau de lanceur (+25 au plus). Les morts-vivants visés "
                              "subissent ces points en dégâts au lieu d'être soignés (Volonté pour la moitié).",
    "Soins modérés de groupe": "Comme Soins légers de groupe, mais chaque créature choisie récupère 2d8 points de vie "
                               "+1 par niveau de lanceur (+30 au plus). Les morts-vivants visés subissent ces points "
                               "en dégâts (Volonté pour la moitié).",
    "Soins superficiels": "Le contact rend 1 point de vie. Contre un mort-vivant, il inflige 1 point de dégâts "
                          "(Volonté pour annuler).",
    "Sommeil profond": "Comme Sommeil, mais plonge dans le sommeil jusqu'à 10 DV de créatures vivantes dans une "
                       "étendue de 3 m de rayon, les plus faibles d'abord. Volonté pour annuler ; le sommeil dure 1 "
                       "minute par niveau, et une gifle ou une blessure réveille le dormeur.",
    "Sommet mental": "Pendant 1 round par niveau, le lanceur devient une sorte de psion : +4 d'altération en "
                     "Intelligence et en Sagesse, 3 points de pouvoir par niveau de lanceur et cinq pouvoirs "
                     "psioniques offensifs (coup mental, fouet de l'ego, décharge psionique, insinuation, écrasement "
                     "psychique). En échange, il ne peut plus lancer de sorts ni utiliser d'objets à potentiel "
                     "magique ou à fin d'incantation. Les points de pouvoir non dépensés disparaissent à la fin du "
                     "sort.",
    "Son imaginaire": "Crée des bruits illusoires, immobiles ou qui se déplacent, dont le lanceur choisit la nature "
                      "en lançant le sort. Le volume va jusqu'au bruit de quatre personnes par niveau de lanceur "
                      "(vingt au plus) : conversations, pas, cris, rugissement. Volonté pour dévoiler l'illusion si "
                      "l'on interagit avec elle ; peut être rendu permanent.",
    "Sonde mentale": "Tant que le lanceur se concentre, il lit dans les souvenirs et le savoir d'une créature vivante "
                     "et obtient la réponse à une question par round, dans la mesure de ce qu'elle sait (Vigueur pour "
                     "annuler). Pas besoin de langue commune : les questions et réponses passent par télépathie. Une "
                     "créature endormie peut tenter un jet de Volonté pour se réveiller après chaque question.",
    "Songe": "Le lanceur, ou un messager qu'il touche, entre en transe et apparaît dans le rêve d'une créature "
             "désignée sans ambiguïté pour lui transmettre un message de n'importe quelle longueur, sans pouvoir "
             "recevoir de réponse. Si le destinataire est éveillé, le messager peut attendre qu'il s'endorme. Pendant "
             "la transe, le messager est sans défense et rate tous ses jets ; les créatures qui ne rêvent pas (comme "
             "les elfes) ne peuvent être contactées.",
    "Souhait": "Le plus puissant des sorts d'ensorceleur et de magicien : reproduire un sort d'ensorceleur ou de "
               "magicien de niveau 8 au plus (7 d'une école interdite) ou un autre sort de niveau 6 au plus (5 d'une "
               "école interdite), défaire des effets néfastes, créer un objet non magique de 25 000 po au plus ou un "
               "objet magique, donner +1 inhérent à une caractéristique, ramener un mort, transporter des créatures, "
               "refaire un jet. Coût : 5 000 PX au moins, davantage selon l'effet. Un souhait trop ambitieux peut "
               "être exaucé à la lettre ou seulement en partie.",
    "Souhait limité": "Reproduit un sort d'ensorceleur ou de magicien de niveau 6 au plus (5 d'une école interdite) "
                      "ou un autre sort de niveau 5 au plus (4 d'une école interdite), défait des effets néfastes "
                      "comme Quête ou Aliénation mentale, ou produit un effet de puissance semblable (réussite d'une "
                      "attaque, −7 au prochain jet de sauvegarde d'une créature). Le DD est celui d'un sort de niveau "
                      "7. Coût : 300 PX ou le coût du sort reproduit s'il est plus élevé.",
    "Sphère d'invisibilité": "Comme Invisibilité, mais toutes les créatures à 3 m du sujet au moment du sort "
                             "deviennent invisibles ; la zone se déplace avec lui. Celles qui sortent de la zone "
                             "redeviennent visibles, celles qui y entrent après ne le deviennent pas. Une créature "
                             "qui attaque ne perd l'invisibilité que pour elle ; si le sujet attaque, le sort prend "
                             "fin.",
    "Sphère d'isolement": "Une sphère de force (30 cm de diamètre par niveau) enferme une créature qui y tient, sauf "
                          "jet de Réflexes. Rien ne la traverse dans un sens ni dans l'autre, mais le sujet respire "
                          "normalement ; on ne peut la déplacer. Seuls Désintégration, une Dissipation de la magie "
                          "ciblée, un sceptre d'annulation ou de négation la détruisent.",
    "Sphère de feu": "Une boule de feu de 1,50 m de diamètre roule où le lanceur l'envoie (action de mouvement), à 9 "
                     "m par round, et peut sauter jusqu'à 9 m de haut. Quand elle entre dans la case d'une créature, "
                     "elle s'arrête et lui inflige 2d6 points de dégâts de feu (Réflexes pour annuler). Elle franchit "
                     "les obstacles de moins de 1,20 m, enflamme ce qui brûle et éclaire comme une torche.",
    "Sphère glaciale": "Un globe de froid explose au point choisi en une étendue de 3 m de rayon : 1d6 points de "
                       "dégâts de froid par niveau de lanceur (15d6 au plus), 1d8 par niveau (15d8) pour les "
                       "élémentaires d'eau ; Réflexes pour la moitié. Sur une étendue d'eau, il gèle une surface de 9 "
                       "m² par niveau sur 15 cm d'épaisseur, piégeant les nageurs (Force ou Évasion DD 25). Le "
                       "lanceur peut garder le globe en main jusqu'à 1 round par niveau, mais il éclate alors sur "
                       "lui.",
    "Sphère prismatique": "Comme Mur prismatique, mais forme autour du lanceur un globe immobile de 3 m de rayon fait "
                          "de sept couches de couleurs, chacune avec son effet. Le lanceur y entre et en sort sans "
                          "danger, mais depuis l'intérieur rien ne peut la traverser, sorts compris ; les créatures "
                          "de moins de 8 DV à 6 m ou moins qui la regardent sont aveuglées 2d4 × 10 minutes. Celui "
                          "qui tente de la franchir ou de frapper le lanceur subit l'effet de chaque couche, une à "
                          "une.",
    "Sphère téléguidée": "Comme Sphère d'isolement, mais ce qui est dans la sphère ne pèse plus que le seizième de "
                         "son poids. En se concentrant (action simple), le lanceur déplace la sphère de 9 m par "
                         "round, avec jusqu'à 2,5 tonnes de contenu, à portée moyenne. S'il cesse de se concentrer, "
                         "elle reste en place ou descend lentement (18 m par round).",
    "Splendeur de l'aigle": "La créature touchée gagne +4 d'altération en Charisme pendant 1 minute par niveau, avec "
                            "les bonus habituels aux compétences. Un lanceur de sorts fondé sur le Charisme voit "
                            "monter le DD de ses sorts, mais ne gagne pas de sorts en bonus.",
    "Splendeur de l'aigle de groupe": "Comme Splendeur de l'aigle (+4 d'altération en Charisme), mais pour une "
                                      "créature par niveau, toutes à 9 m au plus les unes des autres. Un lanceur "
                                      "fondé sur le Charisme voit monter le DD de ses sorts, sans gagner de sorts en "
                                      "bonus.",
    "Statue": "Le sujet et son équipement deviennent de pierre : solidité 8, ses propres points de vie, et il voit, "
              "entend et sent toujours, sans avoir besoin de manger ni de respirer. Tant que dure le sort (1 heure "
              "par niveau), il peut redevenir de chair, agir, puis redevenir statue par une action libre.",
    "Stimulant": "La créature touchée gagne 1 point de vie temporaire, qui dure 1 minute. Les dégâts subis le "
                 "retirent en premier.",
    "Suggestion": "Le lanceur souffle à une créature vivante une ligne de conduite (une phrase ou deux) qui doit "
                  "paraître raisonnable ; un acte manifestement nuisible annule le sort. Volonté pour annuler, avec "
                  "un malus si la suggestion est très raisonnable. L'action dure jusqu'à 1 heure par niveau ou "
                  "jusqu'à ce qu'elle soit faite ; on peut aussi fixer une condition qui la déclenche.",
    "Suggestion de groupe": "Comme Suggestion, mais la même suggestion s'adresse à une créature par niveau, toutes à "
                            "9 m au plus les unes des autres, à portée moyenne. Chacune a droit à son jet de Volonté.",
    "Symbole d'aliénation mentale": "Comme Symbole de mort, mais toutes les créatures à 18 m du symbole deviennent "
                                    "folles de façon permanente, comme par Aliénation mentale (Volonté pour annuler). "
                                    "Une fois déclenché, le symbole reste actif 10 minutes par niveau, sans limite de "
                                    "points de vie. Composante : 5 000 po de poudre de diamant et d'opale ; DD 33 "
                                    "pour le trouver ou le désamorcer.",
    "Symbole d'étourdissement": "Comme Symbole de mort, mais toutes les créatures à 18 m du symbole sont étourdies "
                                "1d6 rounds (Volonté pour annuler), dans la limite de 150 points de vie de créatures "
                                "au total. Composante : 5 000 po de poudre de diamant et d'opale ; DD 32 pour le "
                                "trouver ou le désamorcer.",
    "Symbole de douleur": "Comme Symbole de mort, mais les créatures à 18 m du symbole sont saisies de douleurs : −4 "
                          "aux jets d'attaque, aux tests de compétence et de caractéristique, jusqu'à une heure après "
                          "s'en être éloignées de plus de 18 m (Vigueur pour annuler). Il reste actif 10 minutes par "
                          "niveau, sans limite de points de vie. Composante : 1 000 po de poudre de diamant et "
                          "d'opale ; DD 30 pour le trouver ou le désamorcer.",
    "Symbole de faiblesse": "Comme Symbole de mort, mais chaque créature à 18 m du symbole subit 3d6 points "
                            "d'affaiblissement temporaire de Force (Vigueur pour annuler). Il reste actif 10 minutes "
                            "par niveau, sans limite de points de vie. Composante : 5 000 po de poudre de diamant et "
                            "d'opale ; DD 32 pour le trouver ou le désamorcer.",
    "Symbole de mort": "Une rune tracée bien en vue s'active quand on la lit, la touche ou passe devant (conditions "
                       "fixées par le lanceur) : elle tue les créatures à 18 m, les plus proches d'abord, dans la "
                       "limite de 150 points de vie actuels au total (Vigueur pour annuler). Activée, elle brille 10 "
                       "minutes par niveau ou jusqu'à avoir tué ses 150 points de vie, et frappe aussi ceux qui "
                       "entrent dans la zone. Cachée ou couverte, elle est sans effet ; composante : 5 000 po de "
                       "poudre de diamant et d'opale, DD 33 pour la trouver ou la désamorcer.",
    "Symbole de persuasion": "Comme Symbole de mort, mais les créatures à 18 m du symbole sont charmées par le "
                             "lanceur, comme par Charme-monstre, pendant 1 heure par niveau (Volonté pour annuler). "
                             "Il reste actif 10 minutes par niveau, sans limite de points de vie. Composante : 5 000 "
                             "po de poudre de diamant et d'opale ; DD 31 pour le trouver ou le désamorcer.",
    "Symbole de sommeil": "Comme Symbole de mort, mais les créatures de 10 DV ou moins à 18 m du symbole tombent dans "
                          "un sommeil profond pendant 3d6 × 10 minutes, dont rien de non magique ne les tire (Volonté "
                          "pour annuler). Il reste actif 10 minutes par niveau, sans limite de points de vie. "
                          "Composante : 1 000 po de poudre de diamant et d'opale ; DD 30 pour le trouver ou le "
                          "désamorcer.",
    "Symbole de terreur": "Comme Symbole de mort, mais les créatures à 18 m du symbole sont paniquées pendant 1 round "
                          "par niveau (Volonté pour annuler), dans la limite de 150 points de vie de créatures au "
                          "total. Composante : 1 000 po de poudre de diamant et d'opale ; DD 31 pour le trouver ou le "
                          "désamorcer.",
    "Télékinésie": "Le lanceur déplace à distance objets ou créatures, selon la version choisie. Force continue : "
                   "12,5 kg par niveau (187,5 kg au plus) déplacés de 6 m par round, tant qu'il se concentre (1 round "
                   "par niveau au plus). Manœuvre : une bousculade, un désarmement, une lutte ou un croc-en-jambe par "
                   "round, avec le niveau de lanceur comme bonus de base. Poussée violente : lance d'un coup un objet "
                   "ou une créature par niveau, dans la même limite de poids, qui infligent des dégâts selon leur "
                   "masse (Volonté ou résistance à la magie pour les créatures).",
    "Téléportation": "Le lanceur se transporte instantanément jusqu'à 150 km par niveau, sur le même plan, avec sa "
                     "charge maximale et une créature consentante de taille M par tranche de trois niveaux, toutes en "
                     "contact. Il doit bien se représenter la destination : un jet de d% selon la connaissance qu'il "
                     "en a (très familière, étudiée, vue une fois, décrite, fausse) décide s'il arrive au but, à "
                     "côté, dans un lieu semblable ou s'il subit un incident (1d10 points de dégâts et nouveau jet).",
    "Téléportation d'objet": "Comme Téléportation, mais transporte un seul objet touché (25 kg et 0,08 m³ par niveau "
                             "au plus), jamais une créature. L'objet peut aussi être envoyé sur le plan Éthéré ; une "
                             "Dissipation de la magie ciblée sur le lieu de départ le fait revenir.",
    "Téléportation suprême": "Comme Téléportation, mais sans limite de distance sur le même plan et sans risque "
                             "d'arriver à côté. Le lanceur n'a pas besoin d'avoir vu la destination, une description "
                             "fiable suffit ; si les renseignements sont faux ou insuffisants, il reste sur place.",
    "Tempête de feu": "Des nappes de flammes remplissent deux cubes de 3 m d'arête par niveau, à disposer comme on "
                      "veut : chaque créature subit 1d6 points de dégâts de feu par niveau de lanceur (20d6 au plus), "
                      "Réflexes pour la moitié. Le lanceur peut épargner la végétation et les créatures végétales de "
                      "la zone.",
    "Tempête de grêle": "D'énormes grêlons tombent pendant un round sur un cylindre de 6 m de rayon et 12 m de haut : "
                        "3d6 points de dégâts contondants et 2d6 points de dégâts de froid à chaque créature, sans "
                        "jet de sauvegarde. Dans la zone, −4 aux tests de Perception auditive et déplacement au sol "
                        "réduit de moitié.",
    "Tempête de neige": "Un grésil cinglant remplit un cylindre de 12 m de rayon et 6 m de haut pendant 1 round par "
                        "niveau : il bouche toute vision, même dans le noir, et verglace le sol. On n'y avance qu'à "
                        "demi-vitesse en réussissant un test d'Équilibre DD 10 ; un échec empêche de bouger, un échec "
                        "de 5 ou plus fait tomber. Le grésil éteint torches et petits feux.",
    "Tempête vengeresse": "Un immense nuage d'orage de 108 m de rayon : au 1er round, les créatures dessous sont "
                          "assourdies 1d4 × 10 minutes (Vigueur pour annuler). Tant que le lanceur se concentre : 2e "
                          "round, pluie d'acide (1d6) ; 3e round, six éclairs de 10d6 points d'électricité sur des "
                          "cibles différentes (Réflexes pour la moitié) ; 4e round, grêle (5d6 contondants). Du 5e au "
                          "10e round, pluie et vent : visibilité réduite à 1,50 m, vitesse au quart, attaques à "
                          "distance impossibles, sorts perturbés sauf test de Concentration.",
    "Ténèbres": "Un objet touché répand une pénombre magique dans un rayon de 6 m pendant 10 minutes par niveau : "
                "toutes les créatures de la zone ont un camouflage (20 % de ratés), même face à la vision dans le "
                "noir. Les lumières ordinaires et les sorts de lumière de niveau inférieur n'y font rien. Couvrir "
                "l'objet bloque l'effet ; contre et dissipe les sorts de lumière de niveau égal ou inférieur.",
    "Ténèbres maudites": "Un miasme de ténèbres de 6 m de rayon frappe les créatures non mauvaises. Une créature "
                         "bonne subit 1d8 points de dégâts par tranche de deux niveaux de lanceur (5d8 au plus ; 1d6 "
                         "par niveau, 10d6 au plus, pour un Extérieur bon) et est fiévreuse 1d4 rounds ; Volonté pour "
                         "la moitié et pas de fièvre. Les créatures neutres subissent moitié moins, sans fièvre, et "
                         "le quart avec un jet réussi.",
    "Ténèbres profondes": "Comme Ténèbres, mais la pénombre s'étend sur 18 m de rayon et dure 1 jour par niveau. Là "
                          "où elle rencontre une Lumière du jour, les deux s'annulent ; contre et dissipe les sorts "
                          "de lumière de niveau égal ou inférieur, Lumière du jour comprise.",
    "Tentacules noirs": "Des tentacules noirs jaillissent du sol dans une étendue de 6 m de rayon et tentent "
                        "d'agripper chaque créature qui s'y trouve ou y entre : test de lutte opposé, les tentacules "
                        "ayant un modificateur égal au niveau de lanceur +8. Une créature agrippée subit 1d6+4 points "
                        "de dégâts contondants par round tant qu'elle ne s'est pas libérée. Les tentacules sont "
                        "immunisés contre tous les dégâts, et même sans être agrippé on ne traverse la zone qu'à "
                        "demi-vitesse.",
    "Terrain hallucinatoire": "Un cube de 9 m d'arête par niveau prend l'aspect, les bruits et les odeurs d'un autre "
                              "terrain naturel (une prairie pour un marais, une forêt pour une colline...), pendant 2 "
                              "heures par niveau. Les bâtiments, l'équipement et les créatures ne sont ni cachés ni "
                              "modifiés. Volonté pour dévoiler l'illusion en cas d'interaction.",
    "Terreur": "Un cône invisible de 9 m fait paniquer chaque créature vivante pendant 1 round par niveau ; acculée, "
               "elle se recroqueville. Sur un jet de Volonté réussi, elle est seulement secouée pendant 1 round.",
    "Texte illusoire": "Un message écrit ne peut être lu que par les personnes désignées ; pour les autres, il semble "
                       "écrit dans une langue étrangère ou magique. Celui qui tente de le lire sans y être autorisé "
                       "doit réussir un jet de Volonté ou obéir pendant 30 minutes à une suggestion choisie par le "
                       "lanceur (« referme ce livre et pars »...). Dure 1 jour par niveau ; encre de 50 po au moins.",
    "Tourmente psychique": "Une émanation invisible de 12 m de rayon vide les réserves des créatures psioniques : au "
                           "lancement puis au début de chaque tour du lanceur, chacune perd 1 point de pouvoir par "
                           "niveau de manifestation. Un jet de Volonté réussi au premier contact divise cette perte "
                           "par deux (un seul jet par sort). Les créatures non psioniques ne sont pas touchées.",
    "Tourmente psychique suprême": "Comme Tourmente psychique, mais le lanceur gagne 1 point de vie temporaire par "
                                   "point de pouvoir ainsi retiré. Ces points de vie temporaires durent une heure.",
    "Trait de gloire": "Un rayon d'énergie positive (attaque de contact à distance) frappe une créature selon sa "
                       "nature : 1d6 points de dégâts par tranche de deux niveaux (7d6 au plus) contre une créature "
                       "du plan Matériel, d'un plan élémentaire ou un Extérieur neutre ; 1d6 par niveau (15d6 au "
                       "plus) contre un mort-vivant, un Extérieur mauvais ou une créature du plan de l'énergie "
                       "négative. Les Extérieurs bons et les créatures du plan de l'énergie positive ne subissent "
                       "rien.",
    "Traits d'égarement": "Pendant 1 round par niveau, le lanceur peut tirer un rayon par round. La créature vivante "
                          "touchée est hébétée pendant 1d3 rounds, sans pouvoir bouger ni lancer de sort, sauf jet de "
                          "Volonté ; elle n'est pas étourdie pour autant.",
    "Transfert d'énergie psionique": "Une aura entoure la tête d'un allié psionique pendant 1 round par niveau : tout "
                                     "sort lancé sur lui (même de zone) ne produit aucun effet, mais lui donne des "
                                     "points de pouvoir temporaires selon le niveau du sort (1 pour un sort de niveau "
                                     "1, 2 au niveau 2, puis 2 de plus par niveau jusqu'à 16 au niveau 9 ; rien pour "
                                     "un sort mineur). Les sorts doivent être lancés normalement, composantes et "
                                     "portée comprises. Les points non dépensés disparaissent au bout d'une heure.",
    "Transfert de sorts": "Le prêtre confie à une créature (Intelligence 5 et Sagesse 9 au moins) certains de ses "
                          "sorts préparés d'abjuration, de divination ou de guérison, qu'elle pourra lancer une fois "
                          ": un sort de niveau 1 jusqu'à 2 DV, un ou deux de niveau 1 à 3-4 DV, et en plus un de "
                          "niveau 2 à partir de 5 DV. Les sorts fonctionnent au niveau du prêtre ; tant qu'ils ne "
                          "sont pas utilisés, il ne peut pas préparer de nouveau ce sort de niveau 4.",
    "Transformation": "Pendant 1 round par niveau, le lanceur devient une machine de guerre : +4 d'altération en "
                      "Force, Dextérité et Constitution, +4 d'armure naturelle, +5 d'aptitude aux jets de Vigueur, "
                      "maniement de toutes les armes courantes et de guerre, et un bonus de base à l'attaque égal à "
                      "son niveau global. En échange, il ne peut plus lancer de sorts ni utiliser d'objets à "
                      "potentiel magique ou à fin d'incantation. Composante : une potion de Force de taureau.",
    "Transmutation de la boue en pierre": "Change de façon permanente la boue ou les sables mouvants (jusqu'à deux "
                                          "cubes de 3 m d'arête par niveau) en pierre tendre. Les créatures prises "
                                          "dans la boue ont droit à un jet de Réflexes pour s'échapper avant qu'elle "
                                          "ne durcisse. Contre et dissipe Transmutation de la pierre en boue.",
    "Transmutation de la pierre en boue": "La roche naturelle non taillée (jusqu'à deux cubes de 3 m d'arête par "
                                          "niveau) devient de la boue, sur 3 m de profondeur au plus. Une créature "
                                          "qui s'y enfonce n'avance plus qu'à 1,50 m par round et subit −2 aux jets "
                                          "d'attaque et à la CA. Lancée sur un plafond, la boue s'effondre et inflige "
                                          "8d6 points de dégâts contondants à ceux qui sont dessous (Réflexes pour la "
                                          "moitié) ; la pierre taillée ou magique n'est pas affectée.",
    "Transmutation de la pierre en chair": "Rend à une créature pétrifiée son état normal, avec son équipement ; elle "
                                           "doit réussir un jet de Vigueur DD 15 pour survivre. Le sort peut aussi "
                                           "changer en chair inerte un cylindre de pierre de 30 cm à 90 cm de "
                                           "diamètre et 3 m de long au plus.",
    "Transmutation du métal en bois": "Tous les objets de métal dans une étendue de 12 m de rayon deviennent du bois, "
                                      "y compris armes et armures portées ; un objet magique résiste avec une "
                                      "résistance à la magie de 20 + son niveau de lanceur, un artefact n'est jamais "
                                      "touché. Les armes changées subissent −2 aux jets d'attaque et de dégâts et se "
                                      "brisent sur un 1 ou un 2 naturel ; les armures perdent 2 points de bonus, puis "
                                      "1 de plus à chaque coup naturel de 19 ou 20 reçu. Seuls Souhait limité, "
                                      "Miracle ou Souhait les rendent à leur état de métal.",
    "Traversée des ombres": "Depuis une zone d'ombre, le lanceur et une créature touchée par niveau passent en "
                            "bordure du plan de l'Ombre, où ils voyagent à 75 km/h par rapport au plan Matériel, "
                            "pendant 1 heure par niveau. On ne distingue rien du paysage traversé et l'on arrive à "
                            "1d10 × 30 m de l'endroit voulu, dans une direction au hasard. Les créatures non "
                            "consentantes ont droit à un jet de Volonté.",
    "Tremblement de terre": "Une violente secousse frappe une zone de 24 m de rayon pendant un round : les créatures "
                            "au sol ne peuvent ni bouger ni attaquer, et un lanceur doit réussir un test de "
                            "Concentration (DD 20 + niveau du sort) pour lancer un sort. En terrain découvert, chacun "
                            "doit réussir un jet de Réflexes DD 15 pour ne pas tomber et risque de glisser dans une "
                            "crevasse (25 %, Réflexes DD 20 pour l'éviter) ; les grottes, falaises et bâtiments "
                            "s'effondrent, infligeant 8d6 points de dégâts contondants (Réflexes DD 15 pour la "
                            "moitié) et ensevelissant les victimes. Les effets varient selon le terrain (rivières, "
                            "marais...).",
    "Vagues d'épuisement": "Des vagues d'énergie négative rendent épuisées toutes les créatures vivantes dans un cône "
                           "de 18 m, sans jet de sauvegarde. Sans effet sur une créature déjà épuisée.",
    "Vagues de fatigue": "Des vagues d'énergie négative rendent fatiguées toutes les créatures vivantes dans un cône "
                         "de 9 m, sans jet de sauvegarde. Sans effet sur une créature déjà fatiguée.",
    "Vent de murmures": "Un souffle d'air porte un message de 25 mots au plus (ou un autre bruit pendant 1 round) "
                        "vers un lieu connu du lanceur, jusqu'à 1,5 km par niveau. Il voyage entre 1,5 km par heure "
                        "et 1,5 km toutes les 10 minutes, puis délivre son message, même si personne n'est là pour "
                        "l'entendre. Il ne peut prononcer ni composantes verbales ni mots de commande.",
    "Vent divin": "Le lanceur et une créature touchée par tranche de trois niveaux prennent une forme de nuée, comme "
                  "par Forme gazeuse, pendant 1 heure par niveau. Ils volent à 3 m (manœuvrabilité parfaite) ou, "
                  "portés par un vent magique, jusqu'à 180 m par round (manœuvrabilité médiocre). Changer de forme "
                  "prend 5 rounds ; pendant la dernière minute, ils descendent de 18 m par round.",
    "Ventriloquie": "Le lanceur fait sembler venir sa voix, ou tout son qu'il peut produire de la gorge, d'un autre "
                    "endroit à portée, dans n'importe quelle langue qu'il connaît, pendant 1 minute par niveau. Celui "
                    "qui réussit un jet de Volonté reconnaît l'illusion mais entend quand même le son.",
    "Vermine géante": "Transforme trois mille-pattes, deux araignées ou un scorpion ordinaires en vermines géantes, "
                      "toutes de la même taille : M jusqu'au niveau 9, G de 10 à 13, TG de 14 à 17, Gig de 18 à 19 et "
                      "C au-delà. Elles n'attaquent pas le lanceur et obéissent à des ordres simples (« attaque », « "
                      "défends », « arrête ») ; sans ordre, elles attaquent ce qui est près d'elles.",
    "Verrou dimensionnel": "Une barrière émeraude de 6 m de rayon, pendant 1 jour par niveau, empêche tout voyage "
                           "extradimensionnel vers la zone ou depuis elle : téléportation, Porte dimensionnelle, "
                           "Forme éthérée, Changement de plan, Portail, Dédale, Traversée des ombres et pouvoirs "
                           "semblables. Elle ne gêne pas les créatures déjà éthérées ou astrales et n'empêche pas les "
                           "créatures convoquées de repartir à la fin de leur sort.",
    "Verrou du mage": "Verrouille magiquement une porte, un coffre ou un portail de façon permanente : le DD pour "
                      "l'enfoncer augmente de 10. Le lanceur passe librement ; Déblocage ne fait que suspendre "
                      "l'effet 10 minutes, Dissipation de la magie le supprime. Composante : 25 po de poudre d'or.",
    "Verrouillage": "Une porte, une grille, une fenêtre ou un volet (1,80 m² par niveau au plus) reste fermé comme "
                    "s'il était verrouillé, pendant 1 minute par niveau ; le DD pour le forcer augmente de 5. "
                    "Déblocage ou Dissipation de la magie y mettent fin.",
    "Vie assurée": "Le lanceur choisit une condition naturelle qui devrait le tuer (noyade, chaleur, froid, chute de "
                   "pierres...) : pendant 1 minute par tranche de deux niveaux, il ne subit ni gêne ni dégâts de "
                   "cette condition. Le sort ne protège ni contre les sorts ni contre les créatures, ni l'équipement "
                   "porté. S'il est toujours exposé à la fin, la condition agit normalement.",
    "Vision dans le noir": "Le sujet voit à 18 m même dans l'obscurité totale, en noir et blanc, pendant 1 heure par "
                           "niveau. Il ne voit pas dans les ténèbres magiques ; peut être rendu permanent.",
    "Vision lucide": "Pendant 1 minute par niveau, le sujet voit toute chose telle qu'elle est, jusqu'à 36 m : il "
                     "perce les ténèbres normales et magiques, les illusions, l'invisibilité, les portes secrètes "
                     "magiques, les effets de flou et de déplacement, la vraie forme des créatures métamorphosées, et "
                     "peut regarder dans le plan Éthéré. Il ne voit pas à travers les obstacles, le brouillard, les "
                     "déguisements ordinaires ni les créatures simplement cachées. Composante : un onguent de 250 po.",
    "Vision magique": "Pendant 1 minute par niveau, le lanceur voit les auras magiques jusqu'à 36 m, avec leur "
                      "emplacement et leur puissance, sans se concentrer. Un test d'Art de la magie (DD 15 + niveau "
                      "du sort) donne l'école d'une aura en vue ; en se concentrant sur une créature (action simple), "
                      "il sait si elle lance des sorts, profanes ou divins, et le niveau de son plus puissant sort "
                      "disponible. Peut être rendu permanent.",
    "Vision magique suprême": "Comme Vision magique, mais le lanceur sait en plus automatiquement quels sorts et "
                              "effets magiques sont actifs sur chaque créature ou objet qu'il voit. Il n'identifie "
                              "pas les objets magiques ; ce sort ne peut être rendu permanent.",
    "Vision mystique": "Comme Mythes et légendes, mais bien plus rapide : le lanceur pose une question sur une "
                       "personne, un lieu ou un objet, puis fait un test de niveau de lanceur (1d20 + niveau, +25 au "
                       "plus). DD 20 si la personne ou l'objet est là ou s'il est sur les lieux, 25 avec des "
                       "informations précises (réponse incomplète), 30 avec de simples rumeurs (réponse vague). Coût "
                       ": 100 PX et 250 po d'encens.",
    "Voie végétale": "Le druide entre dans une plante vivante de taille M ou plus et ressort en un round d'une plante "
                     "de la même espèce, à n'importe quelle distance sur le même plan. Il peut emmener sa charge "
                     "maximale et une créature consentante de taille M par tranche de trois niveaux, toutes en "
                     "contact. Si la plante occupée est détruite pendant le voyage, tous meurent.",
    "Voile": "Donne à une ou plusieurs créatures (à 9 m au plus les unes des autres) l'apparence que le lanceur veut, "
             "vue, toucher et odeur compris, tant qu'il se concentre puis 1 heure par niveau. Imiter une personne "
             "précise demande un test de Déguisement, avec +10. Les sujets non consentants ont droit à un jet de "
             "Volonté et à leur résistance à la magie ; ceux qui interagissent avec eux peuvent percer l'illusion par "
             "un jet de Volonté.",
    "Vol supérieur": "Comme Vol, mais le lanceur vole à 12 m (9 m avec une armure ou une charge intermédiaire ou "
                     "lourde), manœuvrabilité moyenne, pendant 1 heure par niveau. En voyage, il peut forcer l'allure "
                     "sans subir de dégâts non létaux : environ 96 km en 8 heures de vol.",
    "Voyage par les arbres": "Le druide entre dans un arbre vivant au moins aussi large que lui et peut ressortir "
                             "d'un autre arbre de la même espèce : jusqu'à 900 m pour un chêne, un frêne ou un if, "
                             "600 m pour un orme ou un tilleul, 450 m pour un autre feuillu, 300 m pour un conifère, "
                             "150 m pour les autres. Chaque passage est une action complexe ; il a droit à un passage "
                             "par niveau de lanceur, pendant 1 heure par niveau. S'il est dans un arbre abattu ou "
                             "brûlé, il meurt.",
    "Zone d'antimagie": "Une barrière invisible de 3 m de rayon suit le lanceur : à l'intérieur, sorts, pouvoirs "
                        "magiques et surnaturels et objets magiques ne fonctionnent pas (ils sont suspendus, pas "
                        "dissipés). Les créatures convoquées et les morts-vivants intangibles y disparaissent le "
                        "temps qu'elle dure. Les créatures et projectiles ordinaires passent ; une arme magique n'y "
                        "est plus qu'une arme de maître.",
    "Zone de silence": "Dans une émanation de 1,50 m de rayon qui suit le barde pendant 1 heure par niveau, on se "
                       "parle normalement, mais aucun son ne sort de la zone, pas même les sorts de langage ou de "
                       "son. Qui y entre partage l'effet ; qui sort le perd. On peut encore lire sur les lèvres par "
                       "un test de Détection.",
    "Zone de vérité": "Les créatures dans une émanation de 6 m de rayon ne peuvent pas mentir délibérément, pendant 1 "
                      "minute par niveau ; chacune a droit à un jet de Volonté au lancement ou en entrant dans la "
                      "zone. Les créatures affectées le savent : elles peuvent se taire ou répondre de façon évasive "
                      "sans mentir.",
}

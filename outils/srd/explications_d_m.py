"""Explications des sorts dont le nom commence par d à m (voir explications.py)."""

EXPLICATIONS = {
    # D
    "Danse irrésistible": "La créature touchée se met à danser sans pouvoir s'en empêcher, sans jet de sauvegarde. "
                          "Tant que dure le sort, elle ne peut rien faire d'autre, subit -4 à la CA, -10 aux jets de "
                          "Réflexes, perd le bonus de son bouclier et provoque une attaque d'opportunité à chacun de "
                          "ses tours.",
    "Débilité": "L'Intelligence et le Charisme de la cible tombent à 1 : elle ne peut plus lancer de sorts, "
                "comprendre une langue, communiquer ni utiliser ses compétences d'Intelligence ou de Charisme, mais "
                "reconnaît encore ses amis. Volonté pour annuler, avec -4 si la cible lance des sorts profanes. "
                "L'effet dure jusqu'à guérison suprême, souhait limité, miracle ou souhait.",
    "Déblocage": "Ouvre une porte, un coffre ou une grille coincé, barré, verrouillé ou fermé par magie ; il défait "
                 "jusqu'à deux fermetures par incantation. Un verrou du mage n'est que suspendu pour 10 minutes. Le "
                 "sort fait un bruit sec bien audible.",
    "Décret": "Une parole de Loi frappe toutes les créatures non loyales dans un rayon de 12 m, sans jet de "
              "sauvegarde, selon leurs DV comparés au niveau de lanceur : jusqu'au niveau, assourdies 1d4 rounds ; "
              "jusqu'au niveau -1, ralenties 2d4 rounds en plus ; jusqu'au niveau -5, paralysées 1d10 minutes en plus"
              " ; jusqu'au niveau -10, tuées. Si le lanceur est sur son plan natal, les extérieurs non loyaux sont "
              "renvoyés chez eux pour 24 heures au moins (Volonté à -4 pour l'éviter).",
    "Dédale": "La cible est bannie dans un labyrinthe de force, sans jet de sauvegarde. Chaque round, par une action "
              "complexe, elle tente un test d'Intelligence DD 20 pour en sortir ; au bout de 10 minutes, elle en sort"
              " de toute façon, à l'endroit qu'elle a quitté. Les minotaures ne sont pas affectés.",
    "Défense magique": "Protège une forteresse : 18 m² par niveau sur 6 m de haut. Brouillard dans les couloirs "
                       "(visibilité 1,50 m), portes sous verrou du mage, toiles d'araignée dans les escaliers, "
                       "carrefours trompeurs (50 % de partir du mauvais côté), une porte par niveau cachée en mur ; "
                       "on y ajoute un effet au choix (lumières dansantes, bouche magique, nuage nauséabond, "
                       "bourrasque, suggestion).",
    "Déguisement": "Le lanceur change d'apparence, vêtements et équipement compris : 30 cm de plus ou de moins au "
                   "plus, plus mince ou plus gros, sans changer de morphologie. Il gagne +10 aux tests de "
                   "Déguisement, mais ni la voix ni le toucher ne changent. Une créature qui interagit avec lui a "
                   "droit à un jet de Volonté pour percer l'illusion.",
    "Délivrance": "Libère une créature des effets qui entravent ses mouvements : entrave, enchevêtrement, lutte, "
                  "immobilisation, paralysie, pétrification, sommeil, lenteur, étourdissement, animation suspendue, "
                  "toile d'araignée. Pour la tirer d'un emprisonnement ou d'un dédale, il faut connaître son nom et "
                  "son histoire et lancer le sort là où elle a disparu.",
    "Délivrance de la paralysie": "Libère de la paralysie, de l'immobilisation et de la lenteur. Sur une seule "
                                  "créature, l'effet prend fin ; sur deux, chacune refait son jet de sauvegarde avec "
                                  "+4 ; sur trois ou quatre, avec +2. Sans effet sur la pétrification.",
    "Délivrance des malédictions": "Lève toutes les malédictions qui pèsent sur une créature ou un objet, y compris "
                                   "celles de malédiction. Un objet maudit le reste, mais son porteur peut s'en "
                                   "séparer.",
    "Déplacement": "Le sujet semble se trouver à 60 cm de sa position réelle : toute attaque contre lui a 50 % de "
                   "chances de le manquer, comme s'il bénéficiait d'un camouflage total, même si on le voit. Vision "
                   "lucide déjoue l'effet.",
    "Désespoir foudroyant": "Un cône de 9 m abat le moral : les créatures touchées subissent -2 aux jets d'attaque, "
                            "de sauvegarde, de dégâts, aux tests de caractéristique et de compétence. Volonté pour "
                            "annuler. Contre et dissipe espoir.",
    "Désintégration": "Un rayon (attaque de contact à distance) inflige 2d6 points de dégâts par niveau de lanceur "
                      "(40d6 au plus) ; un jet de Vigueur réussi les ramène à 5d6. Une créature tuée devient "
                      "poussière, son équipement excepté. Contre un objet, il détruit un cube de 3 m ; il anéantit "
                      "aussi un mur de force.",
    "Destruction": "Le contact tue la cible et réduit son corps en cendres. Un jet de Vigueur réussi la sauve, mais "
                   "elle subit tout de même 10d6 points de dégâts. Il faut un symbole sacré ou impie spécial (500 "
                   "po).",
    "Destruction de mort-vivant": "Un rayon (attaque de contact à distance) inflige 1d6 points de dégâts à un mort-"
                                  "vivant. Sans effet sur les autres créatures.",
    "Détection de l'invisibilité": "Le lanceur voit les créatures et objets invisibles à portée de vue, ainsi que les"
                                   " créatures éthérées, qui lui apparaissent translucides. Ne révèle ni les "
                                   "illusions ni ce qui est simplement caché.",
    "Détection de la faune ou de la flore": "Le lanceur cherche une espèce d'animal ou de plante précise dans un "
                                            "cône. Premier round : présence ou absence ; deuxième : nombre "
                                            "d'individus et état du plus vigoureux ; troisième : état et position de "
                                            "chacun. Il peut changer d'espèce chaque round.",
    "Détection de la Loi": "Dans un cône de 18 m, le lanceur perçoit les auras loyales (créatures, sorts, objets "
                           "magiques) : présence au premier round, nombre et puissance de la plus forte au deuxième, "
                           "puissance et position de chacune au troisième. Si le lanceur est chaotique et qu'une aura"
                           " est écrasante, il peut être étourdi 1 round et le sort prend fin.",
    "Détection de la scrutation": "Le lanceur sait aussitôt si un capteur de scrutation apparaît près de lui. Par un "
                                  "test de niveau de lanceur opposé remporté, il voit le scrutateur et connaît sa "
                                  "direction et sa distance.",
    "Détection de pensées": "Dans un cône de 18 m : présence d'esprits pensants au premier round, nombre et "
                            "Intelligence de chacun au deuxième, pensées superficielles d'une cible au troisième. "
                            "Volonté pour empêcher la lecture de ses pensées ; une Intelligence très supérieure peut "
                            "étourdir le lanceur.",
    "Détection des collets et des fosses": "Dans un cône de 18 m, le lanceur repère les pièges simples faits de "
                                           "matériaux naturels (collets, fosses, assommoirs) et les dangers naturels "
                                           "du même genre : sables mouvants, gouffres, parois rocheuses instables. "
                                           "Premier round : présence ; deuxième : nombre et position de chacun ; puis"
                                           " fonctionnement d'un piège par round. Les pièges magiques ou mécaniques "
                                           "complexes échappent au sort.",
    "Détection des morts-vivants": "Dans un cône de 18 m, le lanceur perçoit les auras des morts-vivants : présence "
                                   "au premier round, nombre et puissance de la plus forte au deuxième, puissance et "
                                   "position de chacune au troisième. Un lanceur bon face à une aura écrasante (mort-"
                                   "vivant d'au moins deux fois son niveau en DV) est étourdi 1 round et le sort "
                                   "prend fin.",
    "Détection des passages secrets": "Dans un cône de 18 m, le lanceur repère les portes secrètes, compartiments et "
                                      "caches construits pour échapper aux regards : leur présence au premier round, "
                                      "leur nombre et leur position au deuxième. Chaque round suivant, il découvre le"
                                      " mécanisme d'ouverture d'un passage qu'il examine. 30 cm de pierre, 2,5 cm de "
                                      "métal, une feuille de plomb ou 90 cm de bois ou de terre arrêtent le sort.",
    "Détection des pièges": "Le lanceur peut trouver les pièges au moyen de la Fouille comme un roublard, même ceux "
                            "de DD supérieur à 20. Il gagne à ces tests un bonus d'intuition égal à la moitié de son "
                            "niveau de lanceur (+10 au plus). Le sort ne donne aucun moyen de désamorcer les pièges.",
    "Détection du Bien": "Dans un cône de 18 m, le lanceur perçoit les auras bonnes (créatures, sorts, objets "
                         "magiques) : présence au premier round, nombre et puissance de la plus forte au deuxième, "
                         "puissance et position de chacune au troisième. Si le lanceur est mauvais et qu'une aura est"
                         " écrasante, il peut être étourdi 1 round et le sort prend fin.",
    "Détection du Chaos": "Dans un cône de 18 m, le lanceur perçoit les auras chaotiques (créatures, sorts, objets "
                          "magiques) : présence au premier round, nombre et puissance de la plus forte au deuxième, "
                          "puissance et position de chacune au troisième. Si le lanceur est loyal et qu'une aura est "
                          "écrasante, il peut être étourdi 1 round et le sort prend fin.",
    "Détection du Mal": "Dans un cône de 18 m, le lanceur perçoit les auras mauvaises (créatures, sorts, objets "
                        "magiques) : présence au premier round, nombre et puissance de la plus forte au deuxième, "
                        "puissance et position de chacune au troisième. Si le lanceur est bon et qu'une aura est "
                        "écrasante, il peut être étourdi 1 round et le sort prend fin.",
    "Détection du mensonge": "Chaque round, le lanceur se concentre sur une créature à portée et sait si elle ment "
                             "délibérément. Volonté pour annuler. Le sort ne révèle pas la vérité et ne repère ni les"
                             " omissions ni les erreurs de bonne foi.",
    "Détection du poison": "Indique si une créature, un objet ou une zone de 1,50 m est empoisonné. Un test de "
                           "Sagesse ou d'Artisanat (alchimie) DD 20 permet d'identifier le poison.",
    "Détection faussée": "Les détections lancées sur la cible (alignement, magie, mensonge...) lisent à sa place les "
                         "auras d'un autre objet ou d'une autre créature choisie. Le lanceur de la détection a droit "
                         "à un jet de Volonté pour déjouer la tromperie.",
    "Discours captivant": "Après un round complet de discours ou de chant, l'auditoire est captivé et n'agit plus "
                          "tant que le lanceur parle (1 heure au plus), puis 1d3 rounds encore. Volonté pour annuler,"
                          " +4 si la race ou la religion de l'auditeur est hostile ; les créatures de 4 DV ou plus ou"
                          " de Sagesse 16+ restent attentives à leur entourage. Toute agression rompt le charme.",
    "Disjonction": "Tous les effets magiques d'un rayon de 12 m prennent fin, sauf ceux que porte ou touche le "
                   "lanceur, et chaque objet magique permanent doit réussir un jet de Volonté ou devenir ordinaire. 1"
                   " % de chances par niveau de détruire une zone d'antimagie, et autant d'affecter un artefact ; "
                   "détruire un artefact fait perdre à jamais ses sorts au lanceur, sauf Volonté DD 25.",
    "Disque flottant": "Un disque de force de 90 cm de diamètre flotte à 90 cm du sol et suit le lanceur à 1,50 m, à "
                       "sa vitesse. Il porte 50 kg par niveau de lanceur. Il disparaît si le lanceur s'éloigne hors "
                       "de portée ou si le sol s'abaisse de plus de 90 cm sous lui.",
    "Dissimulation d'objet": "Un objet de 50 kg par niveau au plus échappe aux divinations de scrutation et de "
                             "localisation : celles qui le visent échouent, celles qui visent les alentours ne le "
                             "voient pas. Un objet tenu par une créature qui refuse a droit à un jet de Volonté.",
    "Dissimulation suprême": "La créature ou l'objet touché devient invisible et échappe à toute divination. Une "
                             "créature ainsi cachée tombe dans le coma jusqu'à la fin du sort. Un objet tenu ou "
                             "magique a droit à un jet de Volonté.",
    "Dissipation suprême": "Comme dissipation de la magie, mais le test de dissipation est de 1d20 + niveau de "
                           "lanceur jusqu'à +20, contre DD 11 + niveau de lanceur de l'effet. Il peut aussi défaire "
                           "les malédictions que délivrance des malédictions lèverait.",
    "Distorsion du bois": "Tord des objets de bois, un de taille P par niveau (un de taille M compte pour deux) : une"
                          " arme à distance devient inutilisable, une arme de corps à corps subit -4 à l'attaque, une"
                          " porte s'ouvre ou se coince, un bateau prend l'eau. Un objet tenu ou magique a droit à un "
                          "jet de Volonté. Le sort peut aussi redresser du bois tordu.",
    "Divination": "Le lanceur reçoit un conseil utile, souvent sibyllin, sur un but, un événement ou une activité de "
                  "la semaine à venir. Chances de réponse : 70 % + 1 % par niveau de lanceur, 90 % au plus.",
    "Doigt de mort": "La cible meurt sur-le-champ. Si elle réussit son jet de Vigueur, elle subit quand même 3d6 "
                     "points de dégâts +1 par niveau de lanceur (+25 au plus).",
    "Domination": "Un humanoïde obéit par télépathie aux ordres du lanceur. Volonté pour annuler. S'il doit agir "
                  "contre sa nature, il refait son jet avec +2 ; il n'exécute jamais un ordre suicidaire. Protection "
                  "contre le Mal bloque le contrôle.",
    "Domination d'animal": "Un animal obéit aux ordres simples du lanceur (attaque, cours, va chercher). Volonté pour"
                           " annuler.",
    "Domination universelle": "Comme domination, mais toute créature peut être visée. Volonté pour annuler ; nouveau "
                              "jet avec +2 face à un ordre contraire à sa nature.",
    "Don des langues": "Le sujet comprend et parle la langue de toute créature intelligente à qui il s'adresse. Il ne"
                       " lit pas les écrits et ne rend pas les créatures plus amicales.",
    "Double illusoire": "Le lanceur devient invisible (comme invisibilité suprême) pendant qu'un double illusoire, "
                        "visible et parlant, apparaît. Le double agit selon sa concentration et 3 rounds de plus, "
                        "puis continue son dernier geste ; l'invisibilité dure 1 round par niveau. Volonté pour "
                        "percer le double si on interagit avec lui.",
    "Durcissement": "La solidité du matériau touché augmente de 1 par tranche de deux niveaux de lanceur, de façon "
                    "permanente. Volume : 0,27 m³ par niveau, 0,027 m³ par niveau pour le métal ou la pierre. Seule "
                    "la résistance aux dégâts change.",
    # E
    "Éclair multiple": "Un éclair frappe une cible principale pour 1d6 points de dégâts d'électricité par niveau "
                       "(20d6 au plus), puis rebondit sur une cible secondaire par niveau (20 au plus), chacune "
                       "prenant la moitié des dés. Réflexes pour la moitié, pour chaque cible. Le lanceur peut "
                       "épargner qui il veut.",
    "Écran": "Une illusion masque la zone aux regards et à la scrutation et montre à la place la scène décrite par le"
             " lanceur. La scrutation voit toujours l'image fausse ; un observateur sur place n'a droit à un jet de "
             "Volonté que s'il a une raison de douter.",
    "Effacement": "Efface une écriture ordinaire ou magique d'un parchemin ou d'une ou deux pages. Une écriture "
                  "ordinaire que personne ne tient disparaît au contact (sinon 90 % de chances) ; une écriture "
                  "magique exige un test de niveau de lanceur DD 15, et un échec déclenche runes explosives, glyphe "
                  "de garde ou sceau du serpent.",
    "Effroi": "Une créature par tranche de trois niveaux, de moins de 6 DV, devient effrayée. Volonté partiel : en "
              "cas de réussite, elle est seulement secouée 1 round. Les créatures de 6 DV ou plus sont immunisées.",
    "Éloignement du bois": "Une vague invisible part du lanceur en ligne de 18 m et repousse tous les objets de bois "
                           "(armes, projectiles, boucliers) à 12 m par round, leurs porteurs avec. Les objets fixés "
                           "de plus de 7,5 cm de diamètre résistent.",
    "Éloignement du métal et de la pierre": "Une vague invisible en ligne de 18 m repousse à 12 m par round tout "
                                            "objet de métal ou de pierre, et les créatures qui en portent (armure de "
                                            "métal...). Les objets fixés de plus de 7,5 cm et ceux de plus de 250 kg "
                                            "ne bougent pas.",
    "Empire végétal": "Des créatures végétales (2 DV par niveau au total) deviennent amicales et n'attaquent pas le "
                      "lanceur ; pour obtenir d'elles ce qu'elles ne feraient pas d'elles-mêmes, il faut un test de "
                      "Charisme opposé. Volonté pour annuler. Aucun ordre suicidaire n'est exécuté.",
    "Empoisonnement": "Une attaque de contact au corps à corps empoisonne la cible : 1d10 points de Constitution tout"
                      " de suite, puis 1d10 encore une minute plus tard. Chaque effet s'évite par un jet de Vigueur "
                      "(DD 10 + moitié du niveau de lanceur + modificateur de Sagesse).",
    "Emprisonnement": "La créature touchée est enfermée en animation suspendue, loin sous terre. Volonté pour "
                      "annuler, -4 si le lanceur connaît son nom et son histoire. Seul délivrance la libère.",
    "Enchevêtrement": "Les plantes d'un rayon de 12 m saisissent les créatures : Réflexes pour éviter d'être "
                      "enchevêtré (-2 à l'attaque, -4 en Dextérité, pas de déplacement) ; réussite ou non, on ne se "
                      "déplace qu'à demi-vitesse. On se libère par un test de Force ou d'Evasion DD 20 ; les plantes "
                      "ressaisissent chaque round.",
    "Endurance aux énergies destructives": "Le sujet supporte sans dommage les températures de -45 °C à 60 °C, sans "
                                           "jet de Vigueur. Le sort ne protège pas des dégâts de feu ou de froid.",
    "Endurance de l'ours de groupe": "Une créature par niveau, toutes à 9 m au plus les unes des autres, gagne +4 "
                                     "d'altération en Constitution. Elle gagne donc 2 points de vie par DV et +2 aux "
                                     "jets de Vigueur.",
    "Énergie négative": "Un rayon noir (attaque de contact à distance) donne 1d4 niveaux négatifs ; la cible meurt si"
                        " elle en a autant que de DV. Ils disparaissent au bout d'autant d'heures que le niveau de "
                        "lanceur (15 au plus) sans jamais devenir permanents. Un mort-vivant touché gagne 1d4 x 5 "
                        "points de vie temporaires pour une heure.",
    "Ennemi subconscient": "Chaque cible voit son pire cauchemar : Volonté pour n'y pas croire, sinon Vigueur pour "
                           "survivre. En cas de réussite au jet de Vigueur, elle subit 3d6 points de dégâts, perd 1d4"
                           " points de Force et reste étourdie 1 round.",
    "Entrave": "Enferme une créature selon une des six formes : chaînes, sommeil, sommeil enchaîné, prison magique, "
               "métamorphose ou gemme minuscule. Jet de Volonté seulement si ses DV atteignent la moitié du niveau de"
               " lanceur ; des assistants augmentent ce niveau. Une condition de libération peut être fixée (+2 au "
               "DD).",
    "Épée de force": "Une lame de force attaque chaque round la cible désignée, avec un bonus égal au niveau de "
                     "lanceur + modificateur d'Intelligence (magicien) ou de Charisme (ensorceleur) +3 : 4d6+3 points"
                     " de dégâts de force, critique 19-20/x2. Elle touche les créatures éthérées et intangibles ; "
                     "changer de cible demande une action simple. Les armes ne peuvent l'atteindre.",
    "Épée sainte": "L'arme de corps à corps du paladin devient une arme sainte +5 : +5 à l'attaque et aux dégâts, "
                   "+2d6 points de dégâts contre les créatures mauvaises, et elle émet un cercle magique contre le "
                   "Mal. Les pouvoirs propres d'une arme magique sont suspendus pendant le sort, qui cesse 1 round "
                   "après que l'arme a quitté la main du paladin.",
    "Espoir": "Les cibles gagnent +2 de moral aux jets d'attaque, de sauvegarde, de dégâts et aux tests de "
              "caractéristique et de compétence. Contre et dissipe désespoir foudroyant.",
    "Esprit impénétrable": "Le sujet est immunisé contre tous les effets mentaux et contre les divinations qui "
                           "chercheraient à lire ses pensées ou à le trouver, même par souhait ou miracle. Une "
                           "scrutation qui le vise échoue ; une scrutation d'un lieu où il se trouve ne le voit pas.",
    "Éveil": "Un arbre ou un animal acquiert une intelligence humaine : l'animal gagne 3d6 en Intelligence, +1d3 en "
             "Charisme, +2 DV et devient une créature magique ; l'arbre devient une plante animée. Le lanceur doit "
             "réussir un jet de Volonté (DD 10 + DV de la cible). La créature éveillée est amicale envers lui. Coût :"
             " 250 PX.",
    "Exécution": "Une attaque de contact au corps à corps tue la cible. Si elle réussit son jet de Vigueur, elle "
                 "subit quand même 3d6 points de dégâts +1 par niveau de lanceur.",
    "Exigence": "Comme communication à distance, avec en plus une suggestion glissée dans le message de 25 mots ; "
                "Volonté pour résister à la suggestion.",
    "Explosion de lumière": "Une sphère de lumière de 24 m de rayon aveugle les créatures et leur inflige 6d6 points "
                            "de dégâts (le double à celles que le soleil blesse) ; Réflexes pour éviter la cécité et "
                            "réduire les dégâts de moitié. Les morts-vivants, les vases et les moisissures subissent "
                            "1d6 points de dégâts par niveau (25d6 au plus), et ceux que la lumière vive blesse sont "
                            "détruits s'ils ratent leur jet. Dissipe les sorts de ténèbres de niveau inférieur à 9.",
    "Extinction des feux": "Éteint les feux ordinaires d'un cube de 6 m par niveau et tente de dissiper chaque sort "
                           "de feu (1d20 + niveau de lanceur, +15 au plus, contre 11 + son niveau de lanceur). Les "
                           "créatures élémentaires de feu subissent 1d6 points de dégâts par niveau (15d6 au plus), "
                           "sans jet. Visant un objet magique de feu, le sort suspend ses pouvoirs 1d4 heures "
                           "(Volonté pour annuler).",
    # F
    "Fabrication": "Transforme une matière brute en objet fini de même matière (bois en pont, laine en vêtements) : "
                   "0,27 m³ par niveau, 0,027 m³ par niveau pour les minéraux. Un objet d'art ou de précision demande"
                   " le test d'Artisanat adéquat.",
    "Façonnage de la pierre": "Donne à un bloc de pierre (0,27 m³ + 0,027 m³ par niveau) la forme voulue : arme "
                              "grossière, passage, porte. Les pièces mobiles ont 30 % de chances de ne pas "
                              "fonctionner.",
    "Façonnage du bois": "Donne à un morceau de bois (0,27 m³ + 0,027 m³ par niveau) la forme voulue : coffre, porte,"
                         " arme grossière. Les pièces mobiles ont 30 % de chances de ne pas fonctionner.",
    "Fatigue": "Une attaque de contact au corps à corps rend la cible fatiguée. Vigueur pour annuler. Une cible déjà "
               "fatiguée n'en subit pas davantage.",
    "Faux-semblant": "Comme déguisement, mais sur une créature par tranche de deux niveaux, lanceur compris. Qui "
                     "interagit avec elles a droit à un jet de Volonté pour percer l'illusion.",
    "Faveur divine": "Le lanceur gagne +1 de chance aux jets d'attaque et de dégâts des armes par tranche de trois "
                     "niveaux de lanceur. Le bonus est d'au moins +1 et d'au plus +3.",
    "Festin des héros": "Un festin d'une heure pour une créature par niveau. Les convives sont guéris des maladies et"
                        " de la nausée, gagnent 1d8 points de vie temporaires +1 par tranche de deux niveaux (+10 au "
                        "plus) et, pendant 12 heures, l'immunité contre le poison et la terreur et +1 de moral à "
                        "l'attaque et aux jets de Volonté. Un festin interrompu ne donne rien.",
    "Feuille morte": "Se lance en action immédiate : les créatures ou objets en chute (une créature de taille M par "
                     "niveau) ne tombent plus qu'à 18 m par round et se posent sans dégâts. L'effet cesse dès "
                     "l'atterrissage.",
    "Flamme éternelle": "Une flamme aussi vive qu'une torche, sans chaleur et qui ne consomme pas d'oxygène, brûle "
                        "sur l'objet touché sans fin. On peut la cacher mais pas l'étouffer. Coût : poussière de "
                        "rubis de 50 po.",
    "Flammes": "Une flamme dans la main éclaire comme une torche. Le lanceur peut frapper d'une attaque de contact ou"
               " la lancer jusqu'à 36 m (contact à distance) : 1d6 points de dégâts de feu +1 par niveau (+5 au "
               "plus). Chaque attaque retranche une minute à la durée.",
    "Fléau d'insectes": "Des nuées de sauterelles, une par tranche de trois niveaux (six au plus), apparaissent d'un "
                        "seul tenant, même sur des créatures. Chaque nuée attaque tout ce qui se trouve dans son "
                        "espace ; elles restent sur place et ne poursuivent pas ceux qui fuient.",
    "Flèche acide": "Une flèche d'acide frappe d'une attaque de contact à distance et inflige 2d4 points de dégâts "
                    "d'acide. L'acide continue de ronger pendant 1 round de plus par tranche de trois niveaux (6 "
                    "rounds au plus au niveau 18), infligeant 2d4 points de dégâts à chacun de ces rounds.",
    "Flèches enflammées": "Jusqu'à cinquante projectiles qui se touchent (flèches, carreaux, billes de fronde...) "
                          "deviennent enflammés : chacun inflige +1d6 points de dégâts de feu à la cible touchée. Ils"
                          " enflamment facilement les objets combustibles, mais pas les créatures.",
    "Flétrissement végétal": "Fait dépérir une plante ; contre une créature végétale, inflige 1d6 points de dégâts "
                             "par niveau (15d6 au plus), Vigueur pour la moitié.",
    "Flétrissure": "Toute l'humidité quitte le corps des créatures vivantes visées, toutes à 18 m au plus les unes "
                   "des autres : 1d6 points de dégâts par niveau (20d6 au plus), 1d8 par niveau (20d8 au plus) contre"
                   " les plantes et les élémentaires d'eau. Vigueur pour la moitié.",
    "Flou": "Les contours du sujet se brouillent : il bénéficie d'un camouflage, chaque attaque contre lui a 20 % de "
            "chances de le manquer. Cela ne suffit pas pour se cacher.",
    "Force de taureau de groupe": "Une créature par niveau, toutes à 9 m au plus les unes des autres, gagne +4 "
                                  "d'altération en Force. Elle gagne donc +2 aux jets d'attaque et de dégâts au corps"
                                  " à corps et aux tests de Force.",
    "Force du colosse": "Le lanceur double de taille et passe à la catégorie supérieure : +8 en Force, +4 en "
                        "Constitution, +4 d'altération à l'armure naturelle et réduction des dégâts 5/Mal (ou 5/Bien "
                        "pour qui canalise l'énergie négative), 10 au niveau 12 et 15 au niveau 15. Son équipement "
                        "grandit avec lui ; il subit les modificateurs de taille habituels.",
    "Forme d'arbre": "Le lanceur devient un arbre, un arbuste ou un tronc mort de taille G, que nul examen ne "
                     "distingue d'une vraie plante. Il gagne +10 d'armure naturelle, l'immunité contre les coups "
                     "critiques, mais a une Dextérité de 0 et une vitesse nulle ; il voit et entend normalement. Il "
                     "reprend sa forme par une action libre.",
    "Forme éthérée": "Le lanceur passe dans le plan Éthéré avec son équipement : invisible et intangible, il traverse"
                     " les objets solides et se déplace dans toutes les directions à demi-vitesse. Il ne peut agir "
                     "sur le plan Matériel, et il y revient à la fin du sort.",
    "Forme gazeuse": "Le sujet consentant devient une brume : réduction des dégâts 10/magie, immunité contre le "
                     "poison et les coups critiques, vol à 3 m (manœuvrabilité parfaite). Il ne peut ni attaquer ni "
                     "lancer de sorts, et le vent le pousse.",
    "Fou rire": "Une créature d'Intelligence 3 ou plus tombe à terre, prise d'un fou rire, et ne peut rien faire. "
                "Volonté pour annuler, +4 si elle n'est pas du même type que le lanceur.",
    "Fracassement": "Un son aigu brise les objets non magiques de verre, cristal, céramique ou porcelaine dans un "
                    "rayon de 1,50 m, jusqu'à 0,5 kg par niveau chacun ; ou il brise un seul objet solide de 5 kg par"
                    " niveau au plus (Volonté pour annuler s'il est tenu). Contre une créature cristalline, il "
                    "inflige 1d6 points de dégâts de son par niveau (10d6 au plus), Vigueur pour la moitié.",
    "Frayeur": "Une créature de 5 DV ou moins est effrayée 1d4 rounds. Si elle réussit son jet de Volonté, elle n'est"
               " que secouée 1 round.",
    "Fusion dans la pierre": "Le lanceur se fond dans un bloc de pierre assez grand, avec au plus 50 kg d'équipement."
                             " Il entend mais ne voit rien et peut se lancer des sorts. S'il est encore dedans à la "
                             "fin du sort, ou si la pierre est en partie détruite, il est expulsé et subit 5d6 points"
                             " de dégâts ; si elle est détruite entièrement, il meurt sauf jet de Vigueur DD 18.",
    # G
    "Genèse": "Ne se lance que dans le plan Éthéré, une semaine durant (8 heures par jour) : un demi-plan naît, "
              "grandit de 30 cm de rayon par jour jusqu'à 54 m de rayon, avec l'atmosphère, l'eau, la température et "
              "le relief voulus, mais sans vie ni construction. Chaque nouvelle incantation faite à l'intérieur "
              "l'agrandit de 18 m de rayon. Coût : 5 000 PX.",
    "Germes de feu": "Au choix : jusqu'à quatre glands à lancer (jusqu'à 30 m, attaque de contact à distance) qui se "
                     "partagent 1d6 points de dégâts de feu par niveau (20d6 au plus) et éclaboussent à 3 m (Réflexes"
                     " pour la moitié, sauf pour la cible touchée) ; ou jusqu'à huit baies de houx à poser, qui "
                     "explosent sur ordre à 60 m au plus pour 1d8 points de dégâts +1 par niveau dans un rayon de "
                     "1,50 m (Réflexes pour la moitié).",
    "Glissement de terrain": "Déplace la terre meuble (argile, terreau, sable, pas la roche) sur une surface jusqu'à "
                             "225 m de côté et 3 m de profondeur : creuser ou combler des douves, remodeler des "
                             "buttes. Il faut 10 minutes par carré de 45 m de côté. Trop lent pour piéger ou "
                             "ensevelir des créatures.",
    "Globe d'invulnérabilité": "Une sphère immobile de 3 m de rayon autour du lanceur arrête les sorts de niveau 4 ou"
                               " moins venus de l'extérieur, y compris leurs zones d'effet ; les sorts déjà actifs à "
                               "l'intérieur sont suspendus. On peut lancer des sorts depuis l'intérieur vers "
                               "l'extérieur. Dissipation de la magie peut l'abattre.",
    "Globe d'invulnérabilité partielle": "Comme globe d'invulnérabilité : une sphère immobile de 3 m de rayon arrête "
                                         "les sorts venus de l'extérieur, mais seulement ceux de niveau 3 ou moins. "
                                         "Le lanceur peut sortir du globe, qui disparaît alors ; dissipation de la "
                                         "magie peut l'abattre.",
    "Glossolalie": "Un cône de 18 m de paroles absurdes affecte les créatures d'Intelligence 3 ou plus : Vigueur pour"
                   " annuler, sinon étourdies 1 round (Intelligence 20+), hébétées 1 round (10 à 19) ou secouées 1 "
                   "round (3 à 9). Même en cas de réussite, elles perdent leur focalisation psionique et subissent -4"
                   " aux tests de Concentration pendant 1 round.",
    "Glyphe de garde": "Une inscription presque invisible protège un objet ou une surface (0,45 m² par niveau) et se "
                       "déclenche selon les conditions fixées (mot de passe, alignement, type de créature...). Glyphe"
                       " explosif : 1d8 points de dégâts d'acide, de froid, de feu, d'électricité ou de son par "
                       "tranche de deux niveaux (5d8 au plus) à l'intrus et à tous ceux à 1,50 m, Réflexes pour la "
                       "moitié ; ou glyphe à sort, qui libère un sort offensif de niveau 3 au plus. Seul un roublard "
                       "le trouve par la Fouille et le désamorce par Désamorçage/sabotage (DD 28) ; coût : 200 po de "
                       "diamant.",
    "Glyphe de garde suprême": "Comme glyphe de garde, mais le glyphe explosif inflige 1d8 points de dégâts par "
                               "niveau (10d8 au plus) et le glyphe à sort peut contenir un sort de niveau 6 au plus. "
                               "Coût : 400 po de diamant.",
    "Gourdin magique": "Le gourdin ou le bâton de chêne du lanceur devient une arme +1 et inflige les dégâts d'une "
                       "arme de deux catégories plus grande (2d6 pour une arme de taille M), +1. L'effet n'existe "
                       "qu'entre les mains du lanceur ; pour un bâton, il vaut pour les deux bouts.",
    "Grâce féline de groupe": "Une créature par niveau, toutes à 9 m au plus les unes des autres, gagne +4 "
                              "d'altération en Dextérité. Elle gagne donc +2 à la CA, aux jets de Réflexes et aux "
                              "attaques à distance.",
    "Graisse": "Un carré de 3 m ou un objet se couvre de graisse. Dans la zone, jet de Réflexes chaque round ou chute"
               " ; on y avance à demi-vitesse par un test d'Equilibre DD 10 (échec de 5 ou plus : chute). Un objet "
               "tenu graissé tombe sauf jet de Réflexes ; une armure graissée donne +10 aux tests d'Evasion et de "
               "lutte pour se dégager.",
    "Grand pas": "La vitesse de déplacement au sol du lanceur gagne +3 m (bonus d'altération). Le sort n'agit pas sur"
                 " les autres modes de déplacement (vol, nage, escalade).",
    "Grand tertre": "Fait surgir 1d4+2 tertres errants de 11 DV qui combattent pour le lanceur, accomplissent une "
                    "mission ou le gardent pendant sept jours. Voués à garder un lieu, ils restent sept mois, sans "
                    "pouvoir quitter la portée du sort.",
    "Guérison de destrier": "Comme guérison suprême, mais sur la monture spéciale du paladin : elle récupère 10 "
                            "points de vie par niveau de lanceur (150 au plus). Elle est aussi guérie des "
                            "affaiblissements de caractéristique, des maladies, du poison, de la cécité, de la "
                            "confusion, de l'hébétement, de la fatigue et de l'étourdissement.",
    "Guérison de la cécité/surdité": "Guérit la cécité ou la surdité (au choix) d'une créature, qu'elle soit "
                                     "naturelle ou magique. Ne fait pas repousser des yeux ou des oreilles perdus.",
    "Guérison des maladies": "Guérit toutes les maladies de la créature touchée, y compris les maladies "
                             "surnaturelles, et tue les parasites comme la vase verte. N'empêche pas une nouvelle "
                             "contagion.",
    "Guérison suprême de groupe": "Comme guérison suprême sur plusieurs créatures, toutes à 9 m au plus les unes des "
                                  "autres : chacune récupère 10 points de vie par niveau (250 au plus) et se "
                                  "débarrasse des maladies, de la confusion, de la fatigue et des autres maux. Les "
                                  "morts-vivants subissent ces dégâts au lieu d'être soignés.",
    # H
    "Hébétement": "Un humanoïde de 4 DV ou moins reste hébété 1 round : il n'agit pas, mais ses adversaires n'ont "
                  "aucun avantage contre lui. Volonté pour annuler.",
    "Hébétement de monstre": "Une créature vivante de 6 DV ou moins, de n'importe quel type, reste hébétée 1 round : "
                             "elle n'agit pas. Volonté pour annuler.",
    "Héroïsme": "Le sujet gagne +2 de moral aux jets d'attaque, aux jets de sauvegarde et aux tests de compétence. Le"
                " bonus de moral ne se cumule pas avec un autre bonus de moral.",
    "Héroïsme suprême": "Le sujet gagne +4 de moral aux jets d'attaque, aux jets de sauvegarde et aux tests de "
                        "compétence. Il est immunisé contre la terreur et gagne autant de points de vie temporaires "
                        "que le niveau de lanceur (20 au plus).",
    "Hypnose": "Le lanceur fascine 2d4 DV de créatures qui le voient ou l'entendent, les plus faibles d'abord. "
               "Volonté pour annuler (+2 en combat, -2 contre une seule créature hors combat). Fascinées, elles ont "
               "une attitude meilleure de deux crans et acceptent une requête brève et raisonnable.",
    "Hypnose des animaux": "Le lanceur fascine 2d6 DV d'animaux ou de créatures magiques d'Intelligence 1 ou 2, les "
                           "plus proches d'abord, tant qu'il se concentre. Seuls les créatures magiques, les animaux "
                           "sanguinaires et les animaux dressés à l'attaque ou à la garde ont droit à un jet de "
                           "Volonté.",
    # I
    "Identification": "Une heure d'étude révèle toutes les propriétés magiques d'un objet, la manière de les activer "
                      "et les charges restantes. Sans effet sur les artefacts. Coût : une perle de 100 po.",
    "Idiotie": "Une attaque de contact au corps à corps retire 1d6 points d'Intelligence, de Sagesse et de Charisme à"
               " la cible, sans jet de sauvegarde (un score ne descend pas sous 1). Les sorts de la cible peuvent en "
               "souffrir.",
    "Illumination": "Un éclair de lumière devant une créature l'éblouit 1 minute (-1 à l'attaque, à la Détection et à"
                    " la Fouille). Vigueur pour annuler ; sans effet sur les créatures aveugles ou déjà éblouies.",
    "Image accomplie": "Comme image silencieuse, avec en plus sons, odeurs et chaleur. L'illusion dure tant que le "
                       "lanceur se concentre, puis 3 rounds. Volonté pour ne plus y croire si on interagit avec elle.",
    "Image imparfaite": "Comme image silencieuse, avec en plus quelques bruits, mais pas de paroles compréhensibles. "
                        "L'illusion dure tant que le lanceur se concentre, puis 2 rounds.",
    "Image miroir": "1d4 doubles du lanceur, +1 par tranche de trois niveaux (8 au plus), l'entourent et l'imitent. "
                    "L'adversaire qui attaque tire au sort sa cible parmi eux ; un double touché (CA 10 + "
                    "modificateurs de taille et de Dextérité du lanceur) disparaît. Sans effet sur qui ne voit pas.",
    "Image permanente": "Comme image silencieuse, mais permanente et avec sons, odeurs et chaleur. En se concentrant,"
                        " le lanceur peut la déplacer ; sinon elle reste figée. Coût : 100 po de jade.",
    "Image prédéterminée": "Comme image silencieuse, avec sons, odeurs, chaleur et paroles compréhensibles. "
                           "L'illusion suit un scénario fixé à l'avance, sans que le lanceur ait à se concentrer. "
                           "Volonté pour ne plus y croire si on interagit avec elle.",
    "Image programmée": "Comme image silencieuse, avec sons, odeurs, chaleur et paroles, mais l'illusion attend un "
                        "déclencheur perceptible par les sens (un mot, un geste, un passage), puis se joue pendant 1 "
                        "round par niveau. Coût : 25 po de jade.",
    "Image silencieuse": "Une illusion visuelle, sans son, odeur ni toucher, d'un objet, d'une créature ou d'une "
                         "force, sur quatre cubes de 3 m + un par niveau. Elle dure tant que le lanceur se concentre "
                         "et se déplace à son gré. Volonté pour ne plus y croire si on interagit avec elle.",
    "Immobilisation d'animal": "Un animal est paralysé, conscient mais incapable d'agir. Volonté pour annuler ; "
                               "chaque round, il peut retenter le jet par une action complexe.",
    "Immobilisation de monstre": "Comme immobilisation de personne, mais toute créature vivante peut être paralysée. "
                                 "Volonté pour annuler, nouveau jet chaque round par une action complexe.",
    "Immobilisation de monstre de groupe": "Comme immobilisation de monstre, sur plusieurs créatures vivantes toutes "
                                           "à 9 m au plus les unes des autres. Chacune fait son jet de Volonté et "
                                           "peut le retenter chaque round.",
    "Immobilisation de morts-vivants": "Jusqu'à trois morts-vivants sont figés sur place. Les morts-vivants dénués "
                                       "d'intelligence n'ont pas de jet ; les autres font un jet de Volonté. L'effet "
                                       "cesse pour une créature attaquée ou blessée.",
    "Immobilisation de personne": "Un humanoïde est paralysé : conscient, il ne peut ni bouger ni parler, une "
                                  "créature volante tombe et un nageur peut se noyer. Volonté pour annuler ; chaque "
                                  "round, par une action complexe, il peut retenter le jet.",
    "Immobilisation de personne de groupe": "Comme immobilisation de personne, sur plusieurs humanoïdes tous à 9 m au"
                                            " plus les uns des autres. Chacun fait son jet de Volonté et peut le "
                                            "retenter chaque round.",
    "Immunité contre les sorts": "La créature touchée est immunisée contre un sort précis par tranche de quatre "
                                 "niveaux de lanceur, tous de niveau 4 au plus : elle a contre eux une résistance à "
                                 "la magie infranchissable. Rien contre les pouvoirs surnaturels ou extraordinaires, "
                                 "ni contre les sorts qui ignorent la résistance à la magie.",
    "Immunité contre les sorts suprême": "Comme immunité contre les sorts : le sujet a une résistance à la magie "
                                         "infranchissable contre un sort précis par tranche de quatre niveaux de "
                                         "lanceur. Ici, les sorts choisis peuvent aller jusqu'au niveau 8. Une "
                                         "créature ne peut bénéficier que d'un seul sort d'immunité à la fois.",
    "Implosion": "Chaque round de concentration (4 au plus), une créature corporelle à portée s'effondre sur elle-"
                 "même et meurt, sauf jet de Vigueur. Une même créature ne peut être visée qu'une fois ; sans effet "
                 "sur les créatures gazeuses ou intangibles.",
    "Imprécation": "Les ennemis dans un rayon de 15 m subissent -1 aux jets d'attaque et aux jets de sauvegarde "
                   "contre la terreur. Volonté pour annuler. Contre et dissipe bénédiction.",
    "Injonction": "Le lanceur donne un ordre d'un mot que la cible exécute pendant 1 round : approche, lâche, tombe, "
                  "fuis ou halte. Volonté pour annuler. La cible doit comprendre la langue du lanceur.",
    "Injonction suprême": "Comme injonction, sur une créature par niveau toutes à 9 m au plus les unes des autres, "
                          "qui reçoivent toutes le même ordre ; celui-ci dure 1 round par niveau. Au début de chacune"
                          " de ses actions après la première, une cible peut retenter son jet de Volonté pour se "
                          "libérer.",
    "Interdiction": "Scelle une zone (un cube de 18 m par niveau) contre tout voyage planaire : téléportation, "
                    "passage dans l'Éthéré ou l'Astral, convocation. Une créature d'alignement différent qui entre "
                    "subit 6d6 points de dégâts (12d6 si elle diffère sur les deux axes), Volonté pour la moitié ; un"
                    " mot de passe peut l'en dispenser. Coût : 1 500 po par cube.",
    "Inversion de la gravité": "Dans la zone (un cube de 3 m par tranche de deux niveaux), objets et créatures non "
                               "fixés tombent vers le haut et heurtent le plafond comme lors d'une chute ; à la fin "
                               "du sort, ils retombent. Une créature qui a de quoi s'accrocher peut s'y retenir par "
                               "un jet de Réflexes ; voler ou léviter évite la chute.",
    "Invisibilité de groupe": "Comme invisibilité, pour toutes les créatures voulues, à 54 m au plus les unes des "
                              "autres. Ceux qui s'éloignent de plus de 54 m du membre le plus proche redeviennent "
                              "visibles ; une attaque de n'importe lequel rompt l'effet pour tous.",
    "Invisibilité pour les animaux": "Les animaux ne voient, n'entendent ni ne sentent les créatures protégées (une "
                                     "par niveau), sans jet de sauvegarde. Si l'une d'elles touche un animal ou "
                                     "attaque qui que ce soit, le sort prend fin pour toutes.",
    "Invisibilité pour les morts-vivants": "Les morts-vivants ne perçoivent pas les créatures protégées (une par "
                                           "niveau) : ceux sans intelligence n'ont pas de jet, les autres font un jet"
                                           " de Volonté. Si un protégé attaque, touche un mort-vivant ou tente de le "
                                           "repousser, le sort prend fin pour tous.",
    "Invisibilité suprême": "Comme invisibilité, mais le sujet reste invisible même quand il attaque ou lance des "
                            "sorts. Ses adversaires ne le localisent qu'au bruit ou par des moyens magiques, et ses "
                            "attaques bénéficient de l'invisibilité.",
    "Invocation instantanée": "Le lanceur marque un objet (5 kg et 1,80 m au plus) et inscrit son nom sur un saphir "
                              "de 1 000 po. En brisant la gemme et en prononçant le mot choisi, il fait apparaître "
                              "l'objet dans sa main, même d'un autre plan. Si une autre créature le possède, l'objet "
                              "ne vient pas, mais le lanceur apprend qui la détient et à peu près où.",
    # L
    "Lame de feu": "Une lame de feu de 90 cm jaillit de la main du lanceur, qui la manie comme un cimeterre par des "
                   "attaques de contact au corps à corps : 1d8 points de dégâts de feu +1 par tranche de deux niveaux"
                   " (+10 au plus), sans bonus de Force. Elle enflamme les matières combustibles et ne fonctionne pas"
                   " sous l'eau.",
    "Lecture de la magie": "Le lanceur déchiffre les inscriptions magiques (parchemins, grimoires d'autrui) qui lui "
                           "seraient sinon incompréhensibles. Il reconnaît aussi un glyphe de garde par un test d'Art"
                           " de la magie DD 13. Une fois lu, un texte reste compréhensible pour lui.",
    "Leurre": "Toute scrutation visant un lieu dans un rayon de 12 m autour du point touché ne voit qu'une fausse "
              "image choisie par le lanceur, qu'il peut modifier en se concentrant. Coût : 250 po de poudre de jade.",
    "Lévitation": "Le lanceur fait monter ou descendre de 6 m par round (action de mouvement) lui-même, une créature "
                  "consentante ou un objet libre, 50 kg par niveau au plus. Aucun déplacement horizontal, sauf en "
                  "s'appuyant sur une paroi. Chaque attaque en lévitation subit un malus croissant de -1 à -5.",
    "Liberté de mouvement": "Le sujet se déplace et attaque normalement malgré paralysie, lenteur, toile d'araignée "
                            "ou brouillard dense magiques. Il réussit d'office les tests pour échapper à une lutte ou"
                            " une immobilisation. Sous l'eau, il se bat normalement, même avec des armes tranchantes "
                            "ou contondantes tenues en main, mais ne respire pas.",
    "Lien télépathique": "Le lanceur et une créature consentante par tranche de trois niveaux (Intelligence 3 au "
                         "moins) communiquent par télépathie, sans barrière de langue et à toute distance sur le même"
                         " plan. Le lien ne donne aucune emprise sur les autres.",
    "Lien télépathique mineur": "Le lanceur crée un lien télépathique avec une créature consentante d'Intelligence 6 "
                                "ou plus, à 9 m au moment du sort. Ils communiquent ensuite à toute distance sur le "
                                "même plan, sans barrière de langue, mais sans aucune emprise l'un sur l'autre.",
    "Localisation d'objet": "Le lanceur sent la direction d'un objet connu ou bien imaginé, ou de l'objet le plus "
                            "proche d'un genre donné, dans le rayon de portée. Un objet unique doit avoir été vu de "
                            "ses yeux. Une mince feuille de plomb bloque le sort, et les créatures ne peuvent pas "
                            "être trouvées ainsi.",
    "Localisation de créature": "Le lanceur sent la direction d'une créature connue, ou d'une espèce qu'il a vue de "
                                "près, et le sens de son déplacement. L'eau courante bloque le sort ; détection "
                                "faussée, antidétection et les métamorphoses le trompent.",
    "Localisation suprême": "Révèle l'emplacement exact d'une créature ou d'un objet, où qu'il soit : lieu, ville, "
                            "pays, continent et plan. Seuls esprit impénétrable ou l'intervention d'un dieu l'en "
                            "empêchent. Il faut avoir vu la créature (ou détenir un objet lui ayant appartenu), ou "
                            "avoir touché l'objet.",
    "Lueur d'arc-en-ciel": "Des lumières chatoyantes fascinent jusqu'à 24 DV de créatures dans un rayon de 6 m, les "
                           "plus faibles d'abord. Volonté pour annuler. D'un geste, le lanceur déplace le motif de 9 "
                           "m par round et les créatures fascinées le suivent ; conduites vers un danger, elles "
                           "refont un jet.",
    "Lueur féerique": "Une lueur pâle entoure les créatures et objets d'un rayon de 1,50 m, sans jet de sauvegarde. "
                      "Ils éclairent comme une bougie et ne profitent plus de l'invisibilité, du flou, du déplacement"
                      " ni des ténèbres ordinaires.",
    "Lueurs hypnotiques": "Un motif de couleurs fascine 2d4 DV de créatures + le niveau de lanceur (10 au plus), dans"
                          " un rayon de 3 m, les plus faibles d'abord. Volonté pour annuler ; sans effet sur les "
                          "créatures aveugles. L'effet dure tant que le lanceur se concentre, puis 2 rounds.",
    "Lumière brûlante": "Un rayon (attaque de contact à distance) inflige 1d8 points de dégâts par tranche de deux "
                        "niveaux (5d8 au plus). Contre un mort-vivant : 1d6 par niveau (10d6 au plus), 1d8 par niveau"
                        " s'il craint la lumière. Contre une créature artificielle ou un objet : 1d6 par tranche de "
                        "deux niveaux (5d6 au plus).",
    "Lumière du jour": "L'objet touché répand une vive lumière dans un rayon de 18 m, et une faible lumière 18 m au-"
                       "delà ; les créatures gênées par la lumière vive en subissent les malus. Contre ou dissipe les"
                       " sorts de ténèbres de niveau égal ou inférieur, mais ne vaut pas la lumière du soleil pour "
                       "les créatures qu'elle détruit.",
    "Lumière noire": "Des ténèbres totales emplissent un rayon de 6 m autour d'un point, d'un objet ou d'une créature"
                     " ; ni la vision normale ni la vision dans le noir ne les percent, mais le lanceur y voit "
                     "normalement. Une créature visée a droit à un jet de Volonté. Contre ou dissipe les sorts de "
                     "lumière de niveau égal ou inférieur.",
    "Lumières dansantes": "Le lanceur crée jusqu'à quatre lumières semblables à des torches ou à des feux follets, ou"
                          " une forme humanoïde lumineuse. Il les déplace de 30 m par round sans quitter un rayon de "
                          "3 m entre elles ; elles s'éteignent hors de portée.",
    # M
    "Magie des ombres": "Le lanceur imite un sort d'évocation de magicien ou d'ensorceleur de niveau 4 au plus. Qui "
                        "réussit un jet de Volonté pour ne pas y croire ne subit qu'un cinquième des dégâts, et un "
                        "effet sans dégâts n'a que 20 % de chances de l'affecter. Les jets de sauvegarde du sort "
                        "imité se font contre le DD d'un sort de niveau 5.",
    "Magie des ombres suprême": "Comme magie des ombres, mais le sort imité est une évocation de magicien ou "
                                "d'ensorceleur de niveau 7 au plus. Qui ne croit pas à l'illusion subit tout de même "
                                "trois cinquièmes (60 %) des dégâts, et un effet sans dégâts a 60 % de chances de "
                                "l'affecter.",
    "Main broyeuse": "Une main géante de taille G protège le lanceur comme main interposée, repousse (+18 à la "
                     "bousculade) ou saisit un adversaire : bonus de lutte égal au niveau de lanceur + modificateur "
                     "de la caractéristique d'incantation +16, et 2d6+12 points de dégâts à chaque test de lutte "
                     "réussi. Elle a autant de points de vie que le lanceur indemne et une CA de 20.",
    "Main du berger": "Une main fantomatique part chercher une créature décrite dans un rayon de 7,5 km et lui fait "
                      "signe de la suivre jusqu'au lanceur. La créature n'est pas contrainte d'obéir ; la recherche "
                      "prend de 1 round à 4 heures selon la distance.",
    "Main impérieuse": "Une main géante de taille G poursuit l'adversaire désigné et le repousse par une bousculade à"
                       " +14, sans jamais provoquer d'attaque d'opportunité. Elle a autant de points de vie que le "
                       "lanceur indemne et une CA de 20.",
    "Main interposée": "Une main géante de taille G flotte entre le lanceur et un adversaire choisi, qu'elle suit "
                       "malgré invisibilité ou déguisement, et donne un abri (+4 à la CA) contre lui. Elle a autant "
                       "de points de vie que le lanceur indemne et une CA de 20 ; une créature de 1 000 kg ou moins "
                       "qui veut la contourner est ralentie de moitié.",
    "Main spectrale": "Une main fantomatique transmet à distance les sorts de contact de niveau 4 ou moins, avec +2 à"
                      " l'attaque de contact. Le lanceur perd 1d4 points de vie, qui lui reviennent à la fin du sort "
                      "(sauf si la main est détruite). Intangible, la main a au moins 22 en CA et les jets de "
                      "sauvegarde du lanceur.",
    "Malédiction": "Une attaque de contact maudit la cible, au choix : -6 à une caractéristique (minimum 1), -4 aux "
                   "jets d'attaque, de sauvegarde et aux tests, ou 50 % de chances chaque tour de ne rien faire. "
                   "Volonté pour annuler. La malédiction ne se dissipe pas ; seuls délivrance des malédictions, "
                   "délivrance, souhait limité, miracle ou souhait la lèvent.",
    "Malédiction de l'eau": "Un flacon d'eau (0,5 litre) devient de l'eau impie, qui blesse les extérieurs bons comme"
                            " l'eau bénite blesse les morts-vivants. Coût : 2,5 kg de poudre d'argent (25 po).",
    "Manipulation à distance": "Le lanceur soulève à distance un objet non magique et libre de 2,5 kg au plus et le "
                               "déplace de 4,50 m par action de mouvement, tant qu'il se concentre. Le sort prend fin"
                               " si l'objet sort de la portée.",
    "Manipulation des sons": "Le lanceur modifie les sons d'une créature ou d'un objet par niveau : les étouffer, les"
                             " changer ou en créer. Volonté pour annuler (objet). Il ne peut produire des mots qu'il "
                             "ne connaît pas ; un lanceur de sorts dont la voix est trop changée ne peut plus "
                             "utiliser de composantes verbales.",
    "Manoir somptueux": "Une demeure extradimensionnelle (trois cubes de 3 m par niveau) s'ouvre par une porte "
                        "scintillante de 1,20 m sur 2,40 m que seuls franchissent ceux que désigne le lanceur. On y "
                        "trouve meubles, un banquet pour douze personnes par niveau et deux serviteurs par niveau ; "
                        "le temps extérieur n'y pénètre pas.",
    "Manteau du Chaos": "Une créature par niveau dans un rayon de 6 m gagne +4 de parade à la CA, +4 de résistance "
                        "aux jets de sauvegarde, une résistance à la magie de 25 contre les sorts loyaux ou lancés "
                        "par des créatures loyales, et la protection de protection contre la Loi. Une créature loyale"
                        " qui la frappe au corps à corps est confuse 1 round (Volonté pour annuler).",
    "Marche dans les airs": "Le sujet marche dans les airs comme sur un sol ferme, montant ou descendant selon une "
                            "pente de 45° au plus, à demi-vitesse. Le vent fort le pousse. Si le sort prend fin en "
                            "altitude, il descend doucement de 18 m par round pendant 1d6 rounds.",
    "Marche sur l'onde": "Une créature par niveau marche sur tout liquide comme sur la terre ferme : eau, boue, "
                         "neige, sables mouvants, même lave (la chaleur blesse toujours). Une créature immergée "
                         "remonte à 18 m par round jusqu'à la surface.",
    "Marque de la justice": "Le lanceur trace sur une créature consentante ou maîtrisée une marque indélébile et "
                            "nomme un comportement ; si la créature s'y livre, la marque lui inflige une malédiction "
                            "comme le sort malédiction. La marque ne se dissipe pas ; seuls délivrance des "
                            "malédictions (d'un niveau de lanceur au moins égal), délivrance, souhait limité, miracle"
                            " ou souhait l'ôtent.",
    "Marteau du chaos": "Une explosion de 6 m de rayon frappe les créatures non chaotiques : les loyales subissent "
                        "1d8 points de dégâts par tranche de deux niveaux (5d8 au plus ; les extérieurs loyaux, 1d6 "
                        "par niveau, 10d6 au plus) et sont ralenties 1d6 rounds ; Volonté pour la moitié et sans "
                        "ralentissement. Les créatures neutres ne subissent que la moitié, un quart en réussissant "
                        "leur jet.",
    "Mauvais œil": "Chaque round, le lanceur vise une créature vivante (Vigueur pour annuler) : elle est fiévreuse "
                   "(10 minutes par niveau) ; si elle a 9 DV ou moins, elle est aussi paniquée 1d4 rounds puis "
                   "secouée ; si elle en a 4 ou moins, elle tombe en plus dans le coma (10 minutes par niveau). "
                   "Délivrance des malédictions lève l'effet.",
    "Mémorisation": "Réservé au magicien : il prépare jusqu'à trois niveaux de sorts en plus (un sort de niveau 0 "
                    "compte pour un demi-niveau), ou récupère un sort de niveau 3 ou moins lancé au round précédent. "
                    "Les sorts ainsi gagnés s'effacent s'ils ne sont pas lancés dans les 24 heures.",
    "Message": "Le lanceur chuchote à une créature par niveau un message que seules elles entendent, et elles peuvent"
               " répondre de même. Le son contourne les obstacles par un chemin ouvert, mais 30 cm de pierre, 2,5 cm "
               "de métal, une feuille de plomb ou 90 cm de bois ou de terre l'arrêtent. Il ne traduit pas les "
               "langues.",
    "Messager animal": "Un animal de taille TP, attiré par de la nourriture, porte un petit objet ou un message "
                       "jusqu'à un lieu bien connu du lanceur, puis y attend la fin du sort. Le destinataire n'a "
                       "aucun moyen particulier de comprendre l'animal.",
    "Métal brûlant": "Le métal de l'équipement d'une créature par tranche de deux niveaux (ou 12,5 kg de métal par "
                     "niveau) chauffe pendant 7 rounds : rien au 1er round, 1d4 points de dégâts de feu au 2e, 2d4 du"
                     " 3e au 5e, 1d4 au 6e, rien au 7e. Volonté pour annuler (objet). Des dégâts de froid annulent "
                     "point pour point ceux du sort.",
    "Métal gelé": "Le métal de l'équipement d'une créature par tranche de deux niveaux (ou 12,5 kg de métal par "
                  "niveau) gèle pendant 7 rounds : rien au 1er round, 1d4 points de dégâts de froid au 2e, 2d4 du 3e "
                  "au 5e, 1d4 au 6e, rien au 7e. Volonté pour annuler (objet). Des dégâts de feu annulent point pour "
                  "point ceux du sort.",
    "Métamorphose": "Une créature consentante prend la forme d'une autre créature vivante, de DV au plus égaux au "
                    "niveau de lanceur ou à ses propres DV (le plus faible, 15 au plus). Elle prend la Force, la "
                    "Dextérité, la Constitution, l'armure naturelle, les modes de déplacement et les attaques "
                    "extraordinaires de la forme, garde son esprit, et récupère des points de vie comme après une "
                    "nuit de repos.",
    "Métamorphose animale": "Jusqu'à une créature consentante par niveau prend la même forme animale, comme par "
                            "métamorphose ; les DV de la forme ne dépassent ni ceux du sujet ni le niveau de lanceur "
                            "(20 au plus). Chacun peut reprendre sa forme par une action complexe.",
    "Métamorphose funeste": "La cible devient pour toujours un animal de taille P ou moins et de 1 DV au plus ; "
                            "Vigueur pour annuler (+4 si la forme doit la tuer). Si elle échoue, un jet de Volonté "
                            "raté lui fait aussi perdre ses pouvoirs et ses sorts et prendre l'esprit de l'animal ; "
                            "elle garde ses points de vie et ses bonus de base.",
    "Métamorphose universelle": "Change une créature ou un objet en toute autre chose, même d'un règne différent. La "
                                "durée dépend de la ressemblance (même règne +5, même classe +2, même taille +2, "
                                "parenté +2, Intelligence égale ou moindre +2) : 20 minutes à 0, une heure à 2, trois"
                                " heures à 4, 12 heures à 5, deux jours à 6, une semaine à 7, permanent à 9 ou plus. "
                                "Vigueur pour annuler ; ne crée ni métaux précieux ni objets magiques.",
    "Miracle": "Le lanceur demande une intervention à son dieu : reproduire un sort de prêtre de niveau 8 au plus ou "
               "tout autre sort de niveau 7 au plus, réparer les effets de débilité ou de démence, ou tout effet de "
               "même puissance, sans coût. Un prodige bien plus grand (renverser une bataille, protéger une ville "
               "d'un désastre) coûte 5 000 PX. Une demande contraire à la nature du dieu est refusée.",
    "Mirage": "Comme terrain hallucinatoire, mais l'illusion peut aussi changer ou ajouter des bâtiments, avec sons, "
              "odeurs et toucher. Elle ne peut ni cacher ni créer de créatures. Volonté pour ne plus y croire si on "
              "interagit avec elle.",
    "Mise à mal": "Le contact inflige 10 points de dégâts par niveau de lanceur (150 au plus) ; Volonté pour la "
                  "moitié. Le sort ne peut faire descendre la cible sous 1 point de vie. Sur un mort-vivant, il agit "
                  "comme guérison suprême.",
    "Mise à mort": "Le lanceur touche une créature mourante (-1 point de vie ou moins) qui meurt sauf jet de Volonté."
                   " Il gagne alors 1d8 points de vie temporaires, +2 en Force et +1 au niveau de lanceur, pour 10 "
                   "minutes par DV de la victime.",
    "Modification d'apparence": "Le lanceur prend la forme d'une créature de son type (DV au plus égaux à son niveau,"
                                " 5 au plus) et d'une catégorie de taille d'écart au plus. Il garde ses "
                                "caractéristiques et ses pouvoirs, et gagne l'armure naturelle, les armes naturelles "
                                "et les modes de déplacement de la forme (vol 36 m, autres 18 m au plus) ; +10 aux "
                                "tests de Déguisement.",
    "Modification de mémoire": "Le lanceur modifie jusqu'à 5 minutes de souvenirs de la cible : effacer un événement,"
                               " le rendre parfaitement clair, en changer les détails ou en implanter un faux. "
                               "Volonté pour annuler. Il lui faut autant de temps de concentration que de souvenirs "
                               "modifiés ; un souvenir illogique passe pour un mauvais rêve.",
    "Moment de prescience": "Une fois pendant la durée, le lanceur ajoute un bonus d'intuition égal à son niveau de "
                            "lanceur (+25 au plus) à un jet d'attaque, de sauvegarde, à un test opposé, ou à sa CA "
                            "contre une attaque. Il le décide avant le jet, sans dépenser d'action, même hors de son "
                            "tour.",
    "Monture": "Un cheval léger ou un poney, sellé et bridé, apparaît et sert le lanceur de bonne grâce. Il ne combat"
               " pas pour lui.",
    "Morsure magique": "Une arme naturelle de la créature touchée (morsure, griffe, coup...) gagne +1 d'altération "
                       "aux jets d'attaque et de dégâts. Un coup à mains nues ne devient pas létal pour autant.",
    "Morsure magique suprême": "Une arme naturelle de la créature touchée gagne +1 d'altération par tranche de quatre"
                               " niveaux de lanceur (+5 au plus) à l'attaque et aux dégâts. Au choix, toutes ses "
                               "armes naturelles gagnent +1.",
    "Mort rampante": "Des nuées de mille-pattes, une par tranche de deux niveaux (dix au plus), apparaissent et "
                     "attaquent tout ce qui se trouve dans leur espace. Par une action simple, le lanceur les dirige "
                     "vers des proies à 30 m au plus de lui ; au-delà, elles restent sur place.",
    "Mot de pouvoir aveuglant": "Une créature de 200 points de vie ou moins est aveuglée, sans jet de sauvegarde : "
                                "pour toujours si elle en a 50 ou moins, 1d4+1 minutes de 51 à 100, 1d4+1 rounds de "
                                "101 à 200. Au-delà de 200 points de vie, aucun effet.",
    "Mot de pouvoir étourdissant": "Une créature de 150 points de vie ou moins est étourdie, sans jet de sauvegarde :"
                                   " 4d4 rounds si elle en a 50 ou moins, 2d4 de 51 à 100, 1d4 de 101 à 150. Au-delà "
                                   "de 150 points de vie, aucun effet.",
    "Mot de pouvoir mortel": "Une créature de 100 points de vie ou moins meurt, sans jet de sauvegarde. Au-delà, "
                             "aucun effet.",
    "Mot de rappel": "Le lanceur est téléporté aussitôt dans son sanctuaire, un lieu très familier choisi en "
                     "préparant le sort, à toute distance sur le même plan. Il emmène ce qu'il porte et une créature "
                     "consentante de taille M par tranche de trois niveaux, qui doivent le toucher.",
    "Motif scintillant": "Des couleurs discordantes affectent autant de DV de créatures que le niveau de lanceur (20 "
                         "au plus), les plus faibles d'abord, sans jet de sauvegarde : 6 DV ou moins, inconscientes "
                         "1d4 rounds puis étourdies 1d4 rounds puis confuses 1d4 rounds ; 7 à 12 DV, étourdies puis "
                         "confuses ; 13 DV ou plus, confuses 1d4 rounds. Les créatures aveugles ne sont pas "
                         "affectées.",
    "Mur d'épines": "Une haie d'épines (un cube de 3 m par niveau) blesse qui y entre ou s'y déplace : 25 points de "
                    "dégâts moins sa CA (sans Dextérité ni esquive), à chaque round de mouvement. On avance par une "
                    "action complexe et un test de Force : 1,50 m par tranche de 5 points au-dessus de 20. Couper un "
                    "passage demande 10 minutes par 30 cm.",
    "Mur de fer": "Un mur de fer plat de 2,5 cm d'épaisseur par tranche de quatre niveaux et d'un carré de 1,50 m de "
                  "côté par niveau (surface doublée pour épaisseur divisée par deux). Chaque carré a 30 points de vie"
                  " par 2,5 cm et une solidité de 10. Posé sans appui, il peut basculer et écraser les créatures de "
                  "taille G ou moins (10d6, Réflexes pour s'écarter).",
    "Mur de feu": "Un rideau de flammes (6 m de long par niveau, ou un anneau de 1,50 m de rayon par tranche de deux "
                  "niveaux, sur 6 m de haut). Le côté choisi inflige 2d4 points de dégâts de feu à moins de 3 m et "
                  "1d4 jusqu'à 6 m, chaque round ; le traverser inflige 2d6 +1 par niveau (+20 au plus), double "
                  "contre les morts-vivants. 20 points de froid en un round éteignent une section de 1,50 m.",
    "Mur de force": "Un mur invisible de force (un carré de 3 m par niveau) qu'aucun dégât n'entame et que "
                    "dissipation de la magie n'affecte pas ; désintégration ou disjonction le détruisent. Ni les "
                    "souffles ni les sorts ne le traversent, mais la téléportation le contourne et les regards "
                    "passent. Il bloque aussi les créatures éthérées.",
    "Mur de glace": "Au choix, un mur de glace de 2,5 cm d'épaisseur par niveau couvrant un carré de 3 m par niveau, "
                    "ou une demi-sphère. Chaque carré a 3 points de vie par 2,5 cm d'épaisseur, et le feu lui inflige"
                    " des dégâts complets. Traverser une brèche inflige 1d6 points de dégâts de froid +1 par niveau ;"
                    " une créature adjacente lors de la création peut empêcher le mur de se former par un jet de "
                    "Réflexes.",
    "Mur de pierre": "Un mur de pierre de 2,5 cm d'épaisseur par tranche de quatre niveaux et d'un carré de 1,50 m de"
                     " côté par niveau, de forme libre pourvu qu'il s'appuie sur de la pierre (pont, rampe, "
                     "créneaux). Chaque carré a 15 points de vie par 2,5 cm et une solidité de 8. Une créature qu'il "
                     "enfermerait peut s'échapper par un jet de Réflexes.",
    "Mur de vent": "Un rideau de vent invisible de 60 cm d'épaisseur (3 m de long et 1,50 m de haut par niveau). "
                   "Flèches et carreaux sont déviés et manquent ; les autres projectiles ordinaires ont 30 % de "
                   "chances de manquer. Les gaz, les créatures gazeuses et les créatures volantes de taille TP ou P "
                   "ne passent pas.",
    "Mur illusoire": "L'illusion permanente d'un mur, d'un sol ou d'un plafond (30 cm x 3 m x 3 m) masque ce qu'il y "
                     "a derrière. Le toucher la traverse sans obstacle ; qui l'examine ou la touche a droit à un jet "
                     "de Volonté pour ne plus y croire.",
    "Mur prismatique": "Un mur opaque de sept couleurs protège le lanceur, qui le traverse librement ; les créatures "
                       "de moins de 8 DV à 6 m qui le regardent sont aveuglées 2d4 rounds. Le traverser expose à "
                       "chaque couleur : rouge 20 points de feu, orange 40 d'acide, jaune 80 d'électricité (Réflexes "
                       "pour la moitié), vert poison mortel (Vigueur : 1d6 en Constitution), bleu pétrification "
                       "(Vigueur), indigo démence (Volonté), violet renvoi sur un autre plan (Volonté). Chaque "
                       "couleur tombe devant un sort précis, dans l'ordre.",
    "Mythes et légendes": "Le lanceur apprend les légendes sur une personne, un lieu ou un objet important. "
                          "L'incantation prend 1d4 x 10 minutes s'il l'a sous la main, 1d10 jours s'il en a une "
                          "description précise, 2d6 semaines s'il n'a que des rumeurs, et la réponse est d'autant "
                          "plus vague. Coût : 250 po d'encens et quatre plaques d'ivoire de 50 po.",
}

#include "ImpressionFiche.h"
#include "DeplacementFiche.h"
#include "editor/EditionPersonnage.h"
#include "rules/Personnage.h"
#include "rules/Tailles.h"
#include "shell/db/BaseDonnees.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace {

const char* const kCaracs[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
const char* const kJets[3] = {"Reflexe", "Vigueur", "Volonte"};

QString nombre(int valeur)
{
    return QString::number(valeur);
}

// Décimales à la française : "12,5".
QString decimal(double valeur)
{
    return QString::number(valeur).replace(u'.', u',');
}

// Distances comptées en cases de 1,50 m.
QString metres(int cases)
{
    return decimal(cases * 1.5) + QStringLiteral(" m");
}

QString pourcent(int valeur)
{
    return nombre(valeur) + u'%';
}

QString ouTiret(const QString& texte)
{
    return texte.trimmed().isEmpty() ? QStringLiteral("--") : texte.trimmed();
}

void identite(const Fiche& f, LieuxFiche& l)
{
    const TypePersonnage& p = f.Personnage;
    l[QStringLiteral("NomPersonnage")] = f.Nom;
    const int niveau = f.Niveau;
    l[QStringLiteral("sgnNiv")] = nombre(niveau);
    l[QStringLiteral("sgnNivSuivant")] = QString::number(XPNiveau(niveau + 1));
    l[QStringLiteral("sngProfilTitre")] = p.Titre.isEmpty() ? p.Profil
                                          : p.Profil.isEmpty() ? p.Titre : p.Profil + QStringLiteral(", ") + p.Titre;
    l[QStringLiteral("sngMalusXP")] = pourcent(p.MalusXP);
    QStringList classes;
    for (const ClasseFiche& c : f.Classes)
        classes.append(c.Classe + u' ' + nombre(c.Niveau));
    l[QStringLiteral("sgnClasse")] = classes.join(QStringLiteral(", "));
    l[QStringLiteral("sngDieu")] = p.Dieu;
    l[QStringLiteral("sngAlignement")] = p.Alignement;
    l[QStringLiteral("sngBeaute")] = nombre(p.Beaute);
    l[QStringLiteral("sngCheveux")] = p.Yeux.isEmpty() ? p.Cheveux : p.Cheveux + QStringLiteral(", yeux ") + p.Yeux;
    l[QStringLiteral("sgnRaceSexe")] = p.Sexe.isEmpty() ? f.TexteRace : f.TexteRace + QStringLiteral(" (") + p.Sexe + u')';
    l[QStringLiteral("sngPoidsTaille")] = QStringLiteral("%1 kg, %2 cm").arg(f.Poids).arg(int(f.Hauteur));
    l[QStringLiteral("sngDateAge")] = p.Age > 0 ? QStringLiteral("%1 %2 ans").arg(p.Date).arg(int(p.Age)).trimmed() : p.Date;
    l[QStringLiteral("POINTVIE")] = nombre(f.PointsDeVie);
    l[QLatin1String(kLieuImage)] = QFileInfo::exists(f.Image) ? f.Image : QString();
}

void caracteristiquesEtJets(const Fiche& f, LieuxFiche& l)
{
    for (int i = 0; i < 6; ++i) {
        l[QStringLiteral("sgnTotal") + QLatin1String(kCaracs[i])] = f.Caracteristiques[i].Total;
        l[QStringLiteral("sgnBonus") + QLatin1String(kCaracs[i])] = nombre(f.Caracteristiques[i].Modificateur);
    }
    // "Magie" : la liste des bonus (objets, sorts) ; "Divers" : les dons.
    for (int j = 0; j < 3; ++j) {
        const JetFiche& jet = f.Jets[j];
        const QLatin1String nom(kJets[j]);
        l[QStringLiteral("sgnBase") + nom] = nombre(jet.Base);
        l[QStringLiteral("sgnCarac") + nom] = nombre(jet.Carac);
        l[QStringLiteral("sgnRace") + nom] = nombre(jet.Race);
        l[QStringLiteral("sgnDivers") + nom] = nombre(jet.Don);
        l[QStringLiteral("sgnMagie") + nom] = nombre(jet.Divers);
        l[QStringLiteral("sgnFinal") + nom] = nombre(jet.Final);
    }
    l[QStringLiteral("SgnBonusTexteJS")] = f.NoteJS;
}

// Parties de chaque forme de la CA, telles que la fiche les compte : au contact ni armure,
// ni bouclier, ni armure naturelle ; pris au dépourvu ni Dextérité positive ni esquive.
void classeArmure(const Fiche& f, LieuxFiche& l)
{
    const ComposantesCA& c = f.CA;
    const QString taille = nombre(ModifTailleCA(f.Race.taille));
    const QString naturelle = nombre(c.Naturelle + c.AlterationNaturelle);
    const QString armure = nombre(c.Armure + c.AlterationArmure);
    const QString bouclier = nombre(c.Bouclier + c.AlterationBouclier + c.BouclierContact);
    const QString dexterite = nombre(c.Dexterite);
    const QString esquive = nombre(c.Esquive);
    const QString communs[4][2] = {{QStringLiteral("Chance"), nombre(c.Chance)},
                                   {QStringLiteral("Intuition"), nombre(c.Intuition)},
                                   {QStringLiteral("Parade"), nombre(c.Parade)},
                                   {QStringLiteral("Taille"), taille}};
    for (const QString& forme : {QStringLiteral("CA"), QStringLiteral("CADepourvu"), QStringLiteral("CAContact"),
                                 QStringLiteral("CADepourvuContact")})
        for (const auto& [partie, valeur] : communs)
            l[forme + partie] = valeur;
    l[QStringLiteral("CANaturelle")] = naturelle;
    l[QStringLiteral("CADexterite")] = dexterite;
    l[QStringLiteral("CAArmure")] = armure;
    l[QStringLiteral("CABouclier")] = bouclier;
    l[QStringLiteral("CAEsquive")] = esquive;
    l[QStringLiteral("CADepourvuNaturelle")] = naturelle;
    l[QStringLiteral("CADepourvuArmure")] = armure;
    l[QStringLiteral("CADepourvuBouclier")] = bouclier;
    l[QStringLiteral("CAContactDexterite")] = dexterite;
    l[QStringLiteral("CAContactEsquive")] = esquive;
    l[QStringLiteral("CAContactBouclier")] = nombre(c.BouclierContact);
    l[QStringLiteral("CADepourvuContactBouclier")] = nombre(c.BouclierContact);
    const ClasseArmureFiche& ca = f.ClasseArmure;
    l[QStringLiteral("CAFinal")] = nombre(ca.Total);
    l[QStringLiteral("CADepourvuFinal")] = nombre(ca.Depourvu);
    l[QStringLiteral("CAContreAttContact")] = nombre(ca.Contact);
    l[QStringLiteral("CADepourvuAttContact")] = nombre(ca.DepourvuContact);
    l[QStringLiteral("SgnBonusTexteCA")] = f.NoteCA;

    // Armure portée seule, puis tous les objets qui comptent.
    const std::optional<TypeObjet>& portee = f.Equip.Comptes[kPlaceArmure];
    l[QStringLiteral("ArmureNom")] = portee ? portee->NomObjet : QString();
    l[QStringLiteral("ArmureMalus")] = portee ? nombre(portee->PenaliteArmure) : QString();
    l[QStringLiteral("ArmureEchecSort")] = portee ? pourcent(portee->EchecSortProfane) : QString();
    l[QStringLiteral("Armurebonusdextmax")] = portee && portee->BonusDexMax ? nombre(*portee->BonusDexMax) : QString();
    l[QStringLiteral("ArmureMalusTotal")] = nombre(-f.Equip.PenaliteArmure);
    l[QStringLiteral("ArmureEchecSortTotal")] = pourcent(f.Equip.EchecSortProfane);
    l[QStringLiteral("ArmurebonusdextmaxTotal")] = f.Equip.BonusDexMax ? nombre(*f.Equip.BonusDexMax) : QStringLiteral("-");
}

void resistancesEtCombat(const Fiche& f, LieuxFiche& l)
{
    const ResistancesFiche& r = f.Resistances;
    l[QStringLiteral("ResistanceAcide")] = nombre(r.Acide);
    l[QStringLiteral("ResistanceElectricite")] = nombre(r.Electricite);
    l[QStringLiteral("ResistanceFeu")] = nombre(r.Feu);
    l[QStringLiteral("ResistanceFroid")] = nombre(r.Froid);
    l[QStringLiteral("ResistanceSon")] = nombre(r.Son);
    l[QStringLiteral("ResistanceMagie")] = nombre(r.Magie);
    l[QStringLiteral("ResistanceDegat")] = nombre(r.Degats);
    l[QStringLiteral("ResistanceDegatTexte")] = r.TexteDegats;
    l[QStringLiteral("VisionTexte")] = f.Vision;
    l[QStringLiteral("AttaqueBase")] = nombre(f.AttaqueDeBase);
    l[QStringLiteral("AttaqueLutte")] = nombre(f.Lutte);
    l[QStringLiteral("AttaqueContact")] = nombre(f.AttaqueContact);
    l[QStringLiteral("AttaqueDistant")] = nombre(f.AttaqueDistance);
    l[QStringLiteral("InitiativeDexEq")] = nombre(f.Initiative - f.InitiativeDons);
    l[QStringLiteral("InitiativeDon")] = nombre(f.InitiativeDons);
    l[QStringLiteral("InitiativeTotal")] = nombre(f.Initiative);
    l[QStringLiteral("CapacitesClasse")] = f.CapacitesClasse.join(u'\n');
    // Une ligne par arme, sort d'attaque ou arme naturelle, comme la page principale les montre.
    QStringList armes;
    for (const LigneArme& a : f.Armes)
        armes.append(a.Nom + QStringLiteral(" : ") + a.Ligne.trimmed());
    l[QStringLiteral("ArmesListe")] = armes.join(u'\n');
}

void competences(const Fiche& f, LieuxFiche& l)
{
    for (const LigneCompetence& c : f.Competences) {
        const QString total = c.TotalAffiche ? nombre(c.Total) : QString();
        // La spécialité choisie (artisanat, profession) accompagne le total.
        l[LieuCompetence(c)] = c.Nom.isEmpty() || c.Nom == c.NomRegle ? total : (c.Nom + u' ' + total).trimmed();
    }
}

// Trois listes de dons : de classe ; choisis ; de race, d'archétype, de transformation, d'objet.
void dons(const Fiche& f, LieuxFiche& l)
{
    QStringList listes[3];
    for (const LigneDon& d : f.Dons) {
        if (d.Cachee)
            continue;
        const int liste = d.Octroi == u"Don de classe" ? 0 : d.Octroi == u"Don sélectionné" ? 1 : 2;
        listes[liste].append(d.Affiche);
    }
    l[QStringLiteral("don01")] = listes[0].join(u'\n');
    l[QStringLiteral("don02")] = listes[1].join(u'\n');
    l[QStringLiteral("don03")] = listes[2].join(u'\n');
}

void equipementEtTextes(BaseDonnees& perso, const Fiche& f, const ChoixImpression& choix, LieuxFiche& l)
{
    l[QStringLiteral("Langues")] = f.Langues;
    l[QStringLiteral("Alphabet")] = f.Alphabets;
    // Tout ce que le personnage possède, pas seulement ce qui compte sur un emplacement.
    l[QStringLiteral("EquipementListe")] = ListeObjets(perso, f.Nom).join(u'\n');
    l[QStringLiteral("PoidsTotal")] = QStringLiteral("Total : ") + decimal(f.PoidsTransporte) + QStringLiteral(" kg, ")
                                     + decimal(f.ValeurTransportee) + QStringLiteral(" Po  ");
    const TextesPersonnage textes = (choix.histoire || choix.background) ? litTextes(perso, f.Nom) : TextesPersonnage{};
    l[QStringLiteral("Background")] = choix.background ? textes.background : QString();
    l[QStringLiteral("Histoire")] = choix.histoire ? textes.historique : QString();
    // Récupération naturelle : une nuit de repos, une journée entière alitée.
    const int niveau = f.Niveau;
    l[QStringLiteral("RecuperReduitePv")] = nombre(niveau);
    l[QStringLiteral("RecuperCompletPV")] = nombre(2 * niveau);
    l[QStringLiteral("RecuperReduiteCar")] = nombre(1);
    l[QStringLiteral("RecuperCompletCar")] = nombre(2);
}

// Vitesses pour chaque charge : la plus gênante de l'armure portée et de la charge compte.
void chargeEtVitesses(const Fiche& f, LieuxFiche& l)
{
    l[QStringLiteral("ChargeLegere")] = decimal(f.Charges.legere);
    l[QStringLiteral("ChargeIntermediaire")] = decimal(f.Charges.intermediaire);
    l[QStringLiteral("ChargeLourde")] = decimal(f.Charges.lourde);
    const std::optional<TypeObjet>& armure = f.Equip.Comptes[kPlaceArmure];
    const ArmurePortee parArmure = armure ? CategorieArmure(*armure) : ArmurePortee::Aucune;
    QStringList noms = f.nomsDons();
    for (const LigneCapacite& c : f.CapacitesPrises)
        noms.append(c.Nom);
    const struct
    {
        ArmurePortee charge;
        const char* suffixe;
        const char* suffixeLong;
    } charges[] = {{ArmurePortee::Aucune, "Leger", "Leger"},
                   {ArmurePortee::Intermediaire, "Inter", "Intermediaire"},
                   {ArmurePortee::Lourde, "Lourd", "Lourd"}};
    for (const auto& c : charges) {
        const Deplacements d = CalculeDeplacement(f.Bonus, f.Race, noms, std::max(parArmure, c.charge));
        const QLatin1String s(c.suffixe);
        l[QStringLiteral("VDNorm") + s] = metres(d.Terre);
        l[QStringLiteral("VDFooting") + s] = metres(2 * int(d.Terre));
        l[QStringLiteral("VDCourse") + s] = metres(int(d.Terre) * int(d.MultipleCourse));
        l[QStringLiteral("VDVol") + QLatin1String(c.suffixeLong)] = d.Air > 0 ? metres(d.Air) : QString();
        l[QStringLiteral("VDEau") + QLatin1String(c.suffixeLong)] = d.Eau > 0 ? metres(d.Eau) : QString();
    }
}

QString texteOptionnel(const std::optional<int>& valeur)
{
    return valeur ? nombre(*valeur) : QStringLiteral("-");
}

// Table par jour de la classe qui lance des sorts (la première qui en a).
void tableSorts(const Fiche& f, LieuxFiche& l)
{
    const auto lanceur = std::find_if(f.Sorts.cbegin(), f.Sorts.cend(), [](const SortsClasse& s) {
        return std::any_of(s.parJour.cbegin(), s.parJour.cend(), [](const std::optional<int>& n) { return n.has_value(); });
    });
    if (lanceur == f.Sorts.cend())
        return;
    const SortsClasse& s = *lanceur;
    l[QStringLiteral("LanceurSort")] = s.classe + QStringLiteral(" - Niveau de lanceur de sort : ") + nombre(s.niveauLanceur)
                                       + QStringLiteral(" - Nombre de sort max : ")
                                       + (s.sortMax < 0 ? QStringLiteral("-") : nombre(s.sortMax));
    for (int n = 0; n < kNiveauxSort; ++n) {
        const QString niv = nombre(n);
        const bool sorts = s.parJour[n].has_value();
        const int spe = s.speDom[n] + s.supplementaires[n];
        const auto points = [&](int nombreSorts) { return sorts ? nombre(nombreSorts * s.mana[n]) : QStringLiteral("-"); };
        l[QStringLiteral("sortDD") + niv] = sorts ? nombre(s.dd[n]) : QStringLiteral("-");
        l[QStringLiteral("sortNB") + niv] = texteOptionnel(s.parJour[n]);
        l[QStringLiteral("sortBonus") + niv] = sorts ? nombre(s.bonusCarac[n]) : QStringLiteral("-");
        l[QStringLiteral("sortNBSpe") + niv] = sorts ? nombre(spe) : QStringLiteral("-");
        l[QStringLiteral("sortTotal") + niv] = texteOptionnel(s.total[n]);
        l[QStringLiteral("sortNB_PTS_JOUR") + niv] = points(s.parJour[n].value_or(0));
        l[QStringLiteral("sortNB_PTS_BONUS") + niv] = points(s.bonusCarac[n]);
        l[QStringLiteral("sortNB_PTS_SPE") + niv] = points(spe);
        l[QStringLiteral("sortNB_PTS_TOTAL") + niv] = points(s.total[n].value_or(0));
    }
    l[QStringLiteral("sortPorteCourte")] = QStringLiteral("Portée courte : ") + metres(s.porteeCourte);
    l[QStringLiteral("sortPorteMoyenne")] = QStringLiteral("Portée moyenne : ") + metres(s.porteeMoyenne);
    l[QStringLiteral("sortPorteLongue")] = QStringLiteral("Portée longue : ") + metres(s.porteeLongue);
}

bool estPrepare(const Fiche& f, const QString& sort)
{
    for (const SortsClasse& s : f.Sorts)
        for (const EmplacementSort& e : s.prepares)
            if (!e.nom.isEmpty() && e.nom == sort)
                return true;
    return false;
}

// Un sort écrit pour la feuille : marques *E* (préparé aujourd'hui) et *D* (d'un domaine du
// personnage), puis chaque rubrique de la table des sorts, "--" quand elle est vide.
QString ligneSort(BaseDonnees& programme, const Fiche& f, const QString& nom, int niveau)
{
    const Ligne r = programme.premiere(QStringLiteral("select * from Sort where Nom=?"), {nom});
    bool domaine = false;
    for (const QString& d : {f.Personnage.Domaine_1, f.Personnage.Domaine_2, f.Personnage.Domaine_3, f.Personnage.Domaine_4})
        domaine = domaine || (!d.isEmpty() && r.contient(d) && !r.estNul(d));
    const bool prepare = estPrepare(f, nom);
    const QString marque = prepare && domaine ? QStringLiteral("*E&D* ") : prepare ? QStringLiteral("*E* ")
                           : domaine ? QStringLiteral("*D* ") : QString();
    const auto champ = [&](const char* colonne) { return ouTiret(r.texte(QString::fromUtf8(colonne))); };
    return marque + nom + u'\n'
           + QStringList{QStringLiteral("NIV: ") + nombre(niveau), QStringLiteral("Ecole: ") + champ("Ecole"),
                         QStringLiteral("Source : ") + champ("Source"), QStringLiteral("Niveau : ") + champ("Classe/Niveau")}
                 .join(QStringLiteral("  ")) + u'\n'
           + QStringList{QStringLiteral("Composantes : ") + champ("composantes"),
                         QStringLiteral("Temps incantation : ") + champ("Temps d’incantation"),
                         QStringLiteral("Portée : ") + champ("Portée"), QStringLiteral("Cible(s) : ") + champ("Cible")}
                 .join(QStringLiteral("  ")) + u'\n'
           + QStringList{QStringLiteral("Durée : ") + champ("durée"), QStringLiteral("Effet : ") + champ("effet"),
                         QStringLiteral("Zone d'effet : ") + champ("Zone d'effet")}
                 .join(QStringLiteral("  ")) + u'\n'
           + QStringList{QStringLiteral("Jet de sauvegarde : ") + champ("Jet de sauvegarde"),
                         QStringLiteral("Résistance à la magie : ") + champ("Résistance à la magie")}
                 .join(QStringLiteral("  "));
}

// Sorts connus (ou seulement ceux de la journée) et liste journalière des emplacements remplis.
void listesSorts(BaseDonnees& programme, const Fiche& f, const ChoixImpression& choix, LieuxFiche& l)
{
    QStringList connus, journee;
    for (const SortsClasse& s : f.Sorts) {
        QVector<SortConnu> liste;
        if (choix.sortsQuotidiens) {
            for (const EmplacementSort& e : s.prepares)
                if (!e.nom.isEmpty() && std::none_of(liste.cbegin(), liste.cend(), [&](const SortConnu& c) { return c.nom == e.nom; }))
                    liste.append({e.nom, e.niveau});
        } else {
            liste = s.connus;
        }
        QStringList lignes;
        for (const SortConnu& c : liste)
            lignes.append(ligneSort(programme, f, c.nom, c.niveau));
        if (!lignes.isEmpty())
            connus.append(s.classe + QStringLiteral(" :\n") + lignes.join(QStringLiteral("\n\n")));
        for (const EmplacementSort& e : s.prepares)
            if (!e.nom.isEmpty())
                journee.append(e.emplacement + QStringLiteral(" : ") + e.nom
                               + (e.metamagie.isEmpty() ? QString() : QStringLiteral(" [") + e.metamagie + u']'));
    }
    l[QStringLiteral("SortsConnus")] = connus.isEmpty() ? QString()
                                       : choix.sortsQuotidiens ? QStringLiteral("Sorts de la journée")
                                                               : QStringLiteral("Sorts connus");
    l[QStringLiteral("ListeSortsConnus")] = connus.join(QStringLiteral("\n\n"));
    l[QStringLiteral("SortsListe")] = journee.isEmpty() ? QString()
                                      : QStringLiteral("Liste journalière des sorts\n") + journee.join(u'\n');
}

void renvoi(const Fiche& f, LieuxFiche& l)
{
    for (const SortsClasse& s : f.Sorts) {
        const VadeRetro& v = s.vadeRetro;
        if (v.niveauEffectif <= 0)
            continue;
        QStringList lignes{QStringLiteral("Renvoi des morts-vivants : %1 fois par jour, test 1d20%2%3, dégâts %4")
                               .arg(v.utilisations).arg(v.bonusTest >= 0 ? QStringLiteral("+") : QString())
                               .arg(v.bonusTest).arg(v.degats)};
        for (const LigneVadeRetro& r : v.lignes)
            lignes.append(QStringLiteral("Test %1 : %2 DV au plus").arg(r.test).arg(r.desDeVieMax));
        l[QStringLiteral("vaderetro")] = lignes.join(u'\n');
        return;
    }
}

QString descriptionDons(const Fiche& f)
{
    QStringList texte{QStringLiteral("Description des dons et capacités")};
    for (const LigneDon& d : f.Dons)
        if (!d.Cachee)
            texte.append(d.Affiche + (d.Explication.isEmpty() ? QString() : QStringLiteral(" : ") + d.Explication));
    for (const LigneCapacite& c : f.CapacitesPrises)
        texte.append(c.Libelle + (c.Valeur.isEmpty() ? QString() : QStringLiteral(" (") + c.Valeur + u')')
                     + (c.Note.isEmpty() ? QString() : QStringLiteral(" : ") + c.Note));
    return texte.join(u'\n');
}

} // namespace

QString LieuCompetence(const LigneCompetence& ligne)
{
    const QString& regle = ligne.NomRegle;
    if (regle.startsWith(QStringLiteral("Artisanat ")))
        return QStringLiteral("Artisanat_") + regle.mid(10).trimmed();
    const QString representation = QStringLiteral("Représentation (");
    if (regle.startsWith(representation)) {
        static const QStringList sortes{QStringLiteral("art oratoire"), QStringLiteral("chant"), QStringLiteral("comédie"),
                                        QStringLiteral("danse"), QStringLiteral("instruments")};
        const QString sorte = regle.mid(representation.size()).chopped(1);
        return representation + (sortes.contains(sorte) ? sorte : QStringLiteral("Les autres")) + u')';
    }
    return regle;
}

QStringList ListeObjets(BaseDonnees& perso, const QString& personnage)
{
    QStringList objets;
    const auto lignes = perso.selectionne(
        QStringLiteral("select NomObjet,Multiple,SurPersonnage from Equipement where Personnage=? order by Pos"), {personnage});
    for (const Ligne& e : lignes) {
        const int nombre = int(e.entier(QStringLiteral("Multiple")));
        QString objet = e.texte(QStringLiteral("NomObjet"));
        if (nombre > 1)
            objet += QStringLiteral(" (%1)").arg(nombre);
        if (!e.estNul(QStringLiteral("SurPersonnage")) && !e.booleen(QStringLiteral("SurPersonnage")))
            objet += QStringLiteral(" - laissé ailleurs");
        objets.append(objet);
    }
    return objets;
}

QString FeuilleDocument(const ContexteFiche& c, const Fiche& fiche, const ChoixImpression& choix, QString& erreur)
{
    const char* modele = choix.mode == ModeImpression::WordPerso ? kModeleWordPerso : kModeleWord;
    QFile source(QDir(c.dossierProgramme).filePath(QStringLiteral("feuille/") + QLatin1String(modele)));
    if (!source.open(QIODevice::ReadOnly)) {
        erreur = QString::fromUtf8(kErreurCopie);
        return {};
    }
    erreur.clear();
    return RemplitModele(QString::fromUtf8(source.readAll()), LieuxImpression(c.perso, c.programme, fiche, choix));
}

LieuxFiche LieuxImpression(BaseDonnees& perso, BaseDonnees& programme, const Fiche& f, const ChoixImpression& choix)
{
    LieuxFiche l;
    identite(f, l);
    caracteristiquesEtJets(f, l);
    classeArmure(f, l);
    resistancesEtCombat(f, l);
    competences(f, l);
    dons(f, l);
    equipementEtTextes(perso, f, choix, l);
    chargeEtVitesses(f, l);
    tableSorts(f, l);
    renvoi(f, l);
    if (choix.sorts)
        listesSorts(programme, f, choix, l);
    if (choix.dons)
        l[QStringLiteral("DescriptionDon")] = descriptionDons(f);
    return l;
}

QString RemplitModele(const QString& modele, const LieuxFiche& lieux)
{
    static const QRegularExpression lieu(QStringLiteral("\\{\\{\\s*([^{}]+?)\\s*\\}\\}"));
    QString page;
    qsizetype depuis = 0;
    for (auto it = lieu.globalMatch(modele); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        page += modele.mid(depuis, m.capturedStart() - depuis);
        depuis = m.capturedEnd();
        const QString nom = m.captured(1);
        const QString valeur = lieux.value(nom);
        if (nom == QLatin1String(kLieuImage)) {
            if (!valeur.isEmpty() && QFileInfo::exists(valeur))
                page += QStringLiteral("<img src=\"%1\" width=\"140\">").arg(QUrl::fromLocalFile(valeur).toString().toHtmlEscaped());
            continue;
        }
        // Les doubles espaces qui séparent les rubriques restent visibles en HTML.
        page += valeur.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")).replace(QStringLiteral("  "), QStringLiteral("&nbsp; "));
    }
    return page + modele.mid(depuis);
}

#include "PagePrincipale.h"
#include "PageChamps.h"
#include "Fiche.h"
#include "shell/Semantique.h"
#include "shell/UtilitairesFenetres.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const char* const kCaracs[6] = {"For", "Dex", "Con", "Int", "Sag", "Cha"};
const char* const kJets[3] = {"Reflexe", "Vigueur", "Volonte"};
const char* const kResistances[7] = {"Magie", "Acide", "Électricité", "Feu", "Froid", "Son", "Dégâts"};

QString nom(const char* debut, const char* suite, const char* fin = "")
{
    return QLatin1String(debut) + QLatin1String(suite) + QLatin1String(fin);
}

QString indice(const char* nom, int i)
{
    return QLatin1String(nom) + u'_' + QString::number(i);
}

QGroupBox* cadre(QWidget* parent, const QString& titre, QLayout* contenu)
{
    auto* g = new QGroupBox(titre, parent);
    // Lignes serrées : la page tient sur un écran de portable.
    if (auto* grille = qobject_cast<QGridLayout*>(contenu))
        grille->setVerticalSpacing(3);
    g->setLayout(contenu);
    return g;
}

QLabel* entete(QWidget* parent, const QString& texte)
{
    auto* l = new QLabel(texte, parent);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// Texte à la ligne dans une hauteur fixée : la page défilante prend ainsi la taille de la
// fenêtre au lieu de chercher sa hauteur d'après sa largeur.
class TexteALaLigne : public QLabel
{
public:
    explicit TexteALaLigne(QWidget* parent, int lignes) : QLabel(parent)
    {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setMinimumHeight(fontMetrics().lineSpacing() * lignes);
    }
    bool hasHeightForWidth() const override { return false; }
};

// Un entier saisi ; vide ou illisible compte comme le nombre en tête du texte, 0 sinon.
Entier16 entierSaisi(const QLineEdit* champ)
{
    return Entier16(CInt(Val(champ->text())));
}

} // namespace

PagePrincipale::PagePrincipale(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PagePrincipale"));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(2, 2, 2, 2);
    g->setHorizontalSpacing(4);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(creeIdentite());
    gauche->addWidget(creeCaracteristiques());
    gauche->addWidget(creeJets());
    gauche->addStretch();
    auto* milieu = new QVBoxLayout;
    milieu->addWidget(creeCombat());
    milieu->addWidget(creeClasseArmure());
    milieu->addStretch();
    auto* droite = new QVBoxLayout;
    droite->addWidget(creeSens());
    droite->addWidget(creeChargeEtDeplacement());
    droite->addWidget(creeResistances());
    droite->addWidget(creePuissance(), 1);
    g->addLayout(gauche, 0, 0);
    g->addLayout(milieu, 0, 1);
    g->addLayout(droite, 0, 2);
    g->setColumnStretch(0, 4);
    g->setColumnStretch(1, 4);
    g->setColumnStretch(2, 5);
}

QWidget* PagePrincipale::creeIdentite()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Identité"), g);
    ajouteLigne(g, 0, 0, QStringLiteral("Nom"), champFiche(c, QStringLiteral("fldstrnom"), false));
    QLineEdit* race = champFiche(c, QStringLiteral("fldstrRace"), false);
    race->setToolTip(QStringLiteral("Double-cliquez pour la description de la race."));
    race->installEventFilter(this);
    ajouteLigne(g, 0, 2, QStringLiteral("Race"), race);
    lblDescription = new TexteALaLigne(c, 3);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    g->addWidget(lblDescription, 1, 0, 1, 4);
    // Huit cases de classe et leurs niveaux, sur deux colonnes ; un double-clic montre les sorts de la classe.
    auto* classes = new QGridLayout;
    classes->setHorizontalSpacing(6);
    classes->setVerticalSpacing(3);
    for (int i = 0; i < 8; ++i) {
        QLineEdit* classe = champFiche(c, indice("fldstrClasse", i), false);
        classe->setToolTip(QStringLiteral("Double-cliquez pour les sorts de cette classe."));
        classe->installEventFilter(this);
        classes->addWidget(classe, i % 4, (i / 4) * 2);
        QLineEdit* niveau = champFiche(c, indice("fldniv", i));
        niveau->setToolTip(QStringLiteral("Niveaux dans cette classe"));
        classes->addWidget(niveau, i % 4, (i / 4) * 2 + 1);
    }
    g->addLayout(classes, 2, 0, 1, 4);
    // Catégorie de taille, hauteur en cm et poids en kg.
    auto* physique = new QHBoxLayout;
    physique->setSpacing(6);
    physique->addWidget(new QLabel(QStringLiteral("Taille"), c));
    physique->addWidget(champFiche(c, indice("fldnPhysique", 0), false), 1);
    physique->addWidget(champFiche(c, indice("fldnPhysique", 1)));
    physique->addWidget(new QLabel(QStringLiteral("cm"), c));
    physique->addWidget(champFiche(c, indice("fldnPhysique", 2)));
    physique->addWidget(new QLabel(QStringLiteral("kg"), c));
    g->addLayout(physique, 3, 0, 1, 4);
    return c;
}

QWidget* PagePrincipale::creeCaracteristiques()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Caractéristiques"), g);
    const QStringList titres{QStringLiteral("Valeur"), QStringLiteral("Divers"), QStringLiteral("Saisie"),
                             QStringLiteral("Total"), QStringLiteral("Modif.")};
    for (int k = 0; k < titres.size(); ++k)
        g->addWidget(entete(c, titres[k]), 0, k + 1);
    const char* const libelles[6] = {"Force", "Dextérité", "Constitution", "Intelligence", "Sagesse", "Charisme"};
    for (int i = 0; i < 6; ++i) {
        g->addWidget(new QLabel(QString::fromUtf8(libelles[i]), c), i + 1, 0);
        g->addWidget(champFiche(c, nom("fldn", kCaracs[i])), i + 1, 1);
        g->addWidget(champFiche(c, nom("fldnDivers", kCaracs[i], "_1")), i + 1, 2);
        m_divers2[i] = champFiche(c, nom("fldnDivers", kCaracs[i], "_2"));
        rendSaisissable(m_divers2[i]);
        g->addWidget(m_divers2[i], i + 1, 3);
        g->addWidget(champFiche(c, nom("fldnTotal", kCaracs[i])), i + 1, 4);
        g->addWidget(champFiche(c, nom("FldnBonus", kCaracs[i])), i + 1, 5);
    }
    return c;
}

QWidget* PagePrincipale::creeJets()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Jets de sauvegarde"), g);
    const QStringList titres{QStringLiteral("Base"), QStringLiteral("Dons"), QStringLiteral("Carac."),
                             QStringLiteral("Race"), QStringLiteral("Divers"), QStringLiteral("Total")};
    for (int k = 0; k < titres.size(); ++k)
        g->addWidget(entete(c, titres[k]), 0, k + 1);
    const char* const libelles[3] = {"Réflexe", "Vigueur", "Volonté"};
    for (int j = 0; j < 3; ++j) {
        g->addWidget(new QLabel(QString::fromUtf8(libelles[j]), c), j + 1, 0);
        int k = 1;
        for (const char* composante : {"fldnBase", "fldnDon", "fldnCarac", "fldnRace"}) {
            QLineEdit* champ = champFiche(c, nom(composante, kJets[j]));
            g->addWidget(champ, j + 1, k++);
            if (k == 5) {
                m_jetsRace[j] = champ;
                rendSaisissable(champ);
            }
        }
        g->addWidget(champFiche(c, nom("fldnDivers", kJets[j], "_1")), j + 1, 5);
        g->addWidget(champFiche(c, nom("fldnFinal", kJets[j])), j + 1, 6);
    }
    return c;
}

QWidget* PagePrincipale::creeCombat()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Combat"), g);
    ajouteLigne(g, 0, 0, QStringLiteral("Initiative"), champFiche(c, QStringLiteral("fldnInitiativeTotal")));
    ajouteLigne(g, 0, 2, QStringLiteral("Points de vie"), champFiche(c, QStringLiteral("fldnPointDeVie")));
    ajouteLigne(g, 1, 0, QStringLiteral("Attaque de base"), champFiche(c, QStringLiteral("fldstrAttaqueBase")));
    ajouteLigne(g, 1, 2, QStringLiteral("Lutte"), champFiche(c, QStringLiteral("fldnLutte")));
    ajouteLigne(g, 2, 0, QStringLiteral("Corps à corps"), champFiche(c, QStringLiteral("fldnContact")));
    ajouteLigne(g, 2, 2, QStringLiteral("Distance"), champFiche(c, QStringLiteral("fldnDistance")));
    // Arme principale : nom et ligne d'attaque sur toute la largeur, puis dégâts et portée.
    g->addWidget(new QLabel(QStringLiteral("Arme"), c), 3, 0);
    g->addWidget(champFiche(c, QStringLiteral("fldStrNomArme"), false), 3, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Attaque"), c), 4, 0);
    g->addWidget(champFiche(c, QStringLiteral("fldstrAttaque_Melee"), false), 4, 1, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Dégâts"), c), 5, 0);
    auto* degatsEtPortee = new QHBoxLayout;
    degatsEtPortee->addWidget(champFiche(c, QStringLiteral("fldstrdegat"), false), 3);
    QLineEdit* portee = champFiche(c, QStringLiteral("fldstrportee"), false);
    portee->setPlaceholderText(QStringLiteral("Portée"));
    portee->setToolTip(QStringLiteral("Portée"));
    degatsEtPortee->addWidget(portee, 1);
    g->addLayout(degatsEtPortee, 5, 1, 1, 3);
    return c;
}

QWidget* PagePrincipale::creeClasseArmure()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Classe d'armure"), g);
    // Libellés courts ; la bulle donne le nom complet de chaque forme.
    const char* const formes[6][3] = {
        {"fldnCaTotal", "Normale", "Classe d'armure"},
        {"fldnCaDepourvu", "Dépourvu", "Classe d'armure pris au dépourvue"},
        {"fldnCaContact", "Contact", "Classe d'armure au contact"},
        {"fldnCaDepourvuContact", "Contact dépourvu", "Classe d'armure pris au dépourvue au contact"},
        {"fldnCaContactIntangible", "Intangible", "Classe d'armure au contact intangible"},
        {"fldnCaDepourvuContactIntangible", "Intangible dépourvu", "Classe d'armure au dépourvue au contact intangible"}};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* champ = champFiche(c, QLatin1String(formes[i][0]));
        champ->setToolTip(QString::fromUtf8(formes[i][2]));
        ajouteLigne(g, i / 2, (i % 2) * 2, QString::fromUtf8(formes[i][1]), champ);
    }
    lblExplicationCA = new TexteALaLigne(c, 4);
    lblExplicationCA->setObjectName(QStringLiteral("lblExplicationCA"));
    g->addWidget(lblExplicationCA, 3, 0, 1, 4);
    QPlainTextEdit* noteCA = texteFiche(c, QStringLiteral("fldstrCATexte"), 2);
    noteCA->setPlaceholderText(QStringLiteral("Note sur la classe d'armure"));
    g->addWidget(noteCA, 4, 0, 1, 4);
    QPlainTextEdit* noteJS = texteFiche(c, QStringLiteral("fldstrJSTexte"), 2);
    noteJS->setPlaceholderText(QStringLiteral("Note sur les jets de sauvegarde"));
    g->addWidget(noteJS, 5, 0, 1, 4);
    return c;
}

QWidget* PagePrincipale::creeResistances()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Résistances"), g);
    for (int i = 0; i < 7; ++i)
        ajouteLigne(g, i / 3, (i % 3) * 2, QString::fromUtf8(kResistances[i]), champFiche(c, indice("fldnR", i)));
    g->setColumnStretch(6, 1);
    // La réduction des dégâts, en texte, à côté de la résistance aux dégâts.
    g->addWidget(new QLabel(QStringLiteral("Réduction"), c), 2, 2);
    g->addWidget(champFiche(c, QStringLiteral("fldstrRDegats"), false), 2, 3, 1, 3);
    return c;
}

QWidget* PagePrincipale::creeSens()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Langues et sens"), g);
    const char* const libelles[3] = {"Langues", "Alphabets", "Vision"};
    for (int i = 0; i < 3; ++i)
        ajouteLigne(g, i, 0, QString::fromUtf8(libelles[i]), champFiche(c, indice("fldnInfo", i), false));
    findChild<QLineEdit*>(indice("fldnInfo", 2))->setPlaceholderText(QStringLiteral("Vision normale"));
    return c;
}

QWidget* PagePrincipale::creeChargeEtDeplacement()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Charge (kg) et déplacement"), g);
    const char* const charges[3] = {"Légère", "Interm.", "Lourde"};
    for (int i = 0; i < 3; ++i)
        ajouteLigne(g, 0, i * 2, QString::fromUtf8(charges[i]), champFiche(c, indice("fldnCharge", i)));
    ajouteLigne(g, 1, 0, QStringLiteral("Sol (cases)"), champFiche(c, QStringLiteral("fldnMarche")));
    ajouteLigne(g, 1, 2, QStringLiteral("Vol"), champFiche(c, QStringLiteral("fldnVol")));
    ajouteLigne(g, 1, 4, QStringLiteral("Nage"), champFiche(c, QStringLiteral("fldnNage")));
    ajouteLigne(g, 2, 0, QStringLiteral("Course (×)"), champFiche(c, QStringLiteral("fldnCourse")));
    ajouteLigne(g, 2, 2, QStringLiteral("Manœuvre"), champFiche(c, QStringLiteral("fldstrManoeuvrabilite"), false));
    g->addWidget(champFiche(c, QStringLiteral("fldstrDeplacement"), false), 3, 0, 1, 6);
    return c;
}

QWidget* PagePrincipale::creePuissance()
{
    auto* g = new QGridLayout;
    auto* c = cadre(this, QStringLiteral("Puissance et capacités de classe"), g);
    ajouteLigne(g, 0, 0, QStringLiteral("Estimation FP : "), champFiche(c, QStringLiteral("fldstrFP"), false));
    g->addWidget(new QLabel(QStringLiteral("Valeur"), c), 1, 0);
    QPlainTextEdit* prix = texteFiche(c, QStringLiteral("PrixPNJ_PJ"), 2);
    prix->setMaximumHeight(prix->minimumHeight());
    g->addWidget(prix, 1, 1);
    g->addWidget(texteFiche(c, QStringLiteral("fldstrCapaciteClasse"), 6), 2, 0, 1, 2);
    g->setRowStretch(2, 1);
    return c;
}

void PagePrincipale::remplit(const Fiche& f)
{
    metChamp(this, QStringLiteral("fldstrnom"), f.Nom);
    metChamp(this, QStringLiteral("fldstrRace"), f.TexteRace);
    lblDescription->setText(f.Description);
    for (int i = 0; i < 8; ++i) {
        const bool remplie = i < f.Classes.size();
        metChamp(this, indice("fldstrClasse", i), remplie ? f.Classes[i].Classe : QString());
        metChamp(this, indice("fldniv", i), remplie ? QString::number(f.Classes[i].Niveau) : QString());
    }
    for (int i = 0; i < 6; ++i) {
        const CaracteristiqueFiche& c = f.Caracteristiques[i];
        metChamp(this, nom("fldn", kCaracs[i]), c.Score);
        metChamp(this, nom("fldnDivers", kCaracs[i], "_1"), c.Divers1);
        metChamp(this, nom("fldnDivers", kCaracs[i], "_2"), c.Divers2);
        metChamp(this, nom("fldnTotal", kCaracs[i]), c.Total);
        metChamp(this, nom("FldnBonus", kCaracs[i]), c.Modificateur);
    }
    for (int j = 0; j < 3; ++j) {
        const JetFiche& jet = f.Jets[j];
        metChamp(this, nom("fldnBase", kJets[j]), jet.Base);
        metChamp(this, nom("fldnDon", kJets[j]), jet.Don);
        metChamp(this, nom("fldnCarac", kJets[j]), jet.Carac);
        metChamp(this, nom("fldnRace", kJets[j]), jet.Race);
        metChamp(this, nom("fldnDivers", kJets[j], "_1"), jet.Divers);
        metChamp(this, nom("fldnFinal", kJets[j]), jet.Final);
        findChild<QLineEdit*>(nom("fldnFinal", kJets[j]))->setToolTip(jet.Explication);
        findChild<QLineEdit*>(nom("fldnDivers", kJets[j], "_1"))->setToolTip(jet.Explication);
    }
    metChamp(this, QStringLiteral("fldnInitiativeTotal"), f.Initiative);
    findChild<QLineEdit*>(QStringLiteral("fldnInitiativeTotal"))->setToolTip(f.ExplicationInitiative);
    metChamp(this, QStringLiteral("fldnPointDeVie"), f.PointsDeVie);
    metChamp(this, QStringLiteral("fldstrAttaqueBase"), f.AttaqueDeBase);
    metChamp(this, QStringLiteral("fldnLutte"), f.Lutte);
    metChamp(this, QStringLiteral("fldnContact"), f.AttaqueContact);
    metChamp(this, QStringLiteral("fldnDistance"), f.AttaqueDistance);
    metChamp(this, QStringLiteral("fldStrNomArme"), f.NomArme);
    metChamp(this, QStringLiteral("fldstrAttaque_Melee"), f.AttaqueMelee);
    metChamp(this, QStringLiteral("fldstrdegat"), f.Degat);
    metChamp(this, QStringLiteral("fldstrportee"), f.Portee);

    const ClasseArmureFiche& ca = f.ClasseArmure;
    metChamp(this, QStringLiteral("fldnCaTotal"), ca.Total);
    metChamp(this, QStringLiteral("fldnCaDepourvu"), ca.Depourvu);
    metChamp(this, QStringLiteral("fldnCaContact"), ca.Contact);
    metChamp(this, QStringLiteral("fldnCaDepourvuContact"), ca.DepourvuContact);
    metChamp(this, QStringLiteral("fldnCaContactIntangible"), ca.ContactIntangible);
    metChamp(this, QStringLiteral("fldnCaDepourvuContactIntangible"), ca.DepourvuContactIntangible);
    lblExplicationCA->setText(ca.Explication);
    findChild<QLineEdit*>(QStringLiteral("fldnCaTotal"))->setToolTip(ca.Explication);
    metChamp(this, QStringLiteral("fldstrCATexte"), f.NoteCA);
    metChamp(this, QStringLiteral("fldstrJSTexte"), f.NoteJS);

    const ResistancesFiche& r = f.Resistances;
    const Entier16 resistances[7] = {r.Magie, r.Acide, r.Electricite, r.Feu, r.Froid, r.Son, r.Degats};
    for (int i = 0; i < 7; ++i)
        metChamp(this, indice("fldnR", i), resistances[i]);
    metChamp(this, QStringLiteral("fldstrRDegats"), r.TexteDegats);
    metChamp(this, indice("fldnPhysique", 0), f.Taille);
    metChamp(this, indice("fldnPhysique", 1), f.Hauteur);
    metChamp(this, indice("fldnPhysique", 2), f.Poids);

    metChamp(this, indice("fldnInfo", 0), f.Langues);
    metChamp(this, indice("fldnInfo", 1), f.Alphabets);
    metChamp(this, indice("fldnInfo", 2), f.Vision);
    const double charges[3] = {f.Charges.legere, f.Charges.intermediaire, f.Charges.lourde};
    for (int i = 0; i < 3; ++i)
        metChamp(this, indice("fldnCharge", i), QString::number(charges[i]));
    // Les vitesses restent vides tant que leur étape du calcul n'a pas tourné.
    const Deplacements& d = f.Deplacement;
    const bool vitesses = f.etapeCalculee(33);
    metChamp(this, QStringLiteral("fldnMarche"), nombreOuVide(vitesses, d.Terre));
    metChamp(this, QStringLiteral("fldnVol"), nombreOuVide(vitesses, d.Air));
    metChamp(this, QStringLiteral("fldnNage"), nombreOuVide(vitesses, d.Eau));
    metChamp(this, QStringLiteral("fldnCourse"), nombreOuVide(vitesses, d.MultipleCourse));
    metChamp(this, QStringLiteral("fldstrManoeuvrabilite"), d.Manoeuvrabilite);
    metChamp(this, QStringLiteral("fldstrDeplacement"), vitesses ? TexteDeplacement(d) : QString());

    metChamp(this, QStringLiteral("fldstrFP"), f.FP);
    metChamp(this, QStringLiteral("PrixPNJ_PJ"), f.PrixPNJ_PJ);
    metChamp(this, QStringLiteral("fldstrCapaciteClasse"), f.CapacitesClasse.join(QStringLiteral("\n")));
}

void PagePrincipale::litSaisies(SaisiesFiche& s) const
{
    for (int i = 0; i < 6; ++i)
        s.DiversCarac2[i] = entierSaisi(m_divers2[i]);
    for (int j = 0; j < 3; ++j)
        s.JetsRace[j] = m_jetsRace[j]->text().trimmed().isEmpty() ? std::nullopt
                                                                   : std::optional<Entier16>(entierSaisi(m_jetsRace[j]));
}

QList<QLineEdit*> PagePrincipale::champsSaisis() const
{
    QList<QLineEdit*> champs(m_divers2.begin(), m_divers2.end());
    champs.append(QList<QLineEdit*>(m_jetsRace.begin(), m_jetsRace.end()));
    return champs;
}

bool PagePrincipale::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        const QString n = objet->objectName();
        if (n == u"fldstrRace")
            Q_EMIT raceDoubleClic();
        else if (auto* champ = qobject_cast<QLineEdit*>(objet); champ && !champ->text().isEmpty())
            Q_EMIT classeDoubleClic(champ->text());
    }
    return QWidget::eventFilter(objet, evenement);
}

#include "frmGestPerso.h"
#include "ChampsPersonnage.h"
#include "frmRenommer.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/Hasard.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmGestPerso.cpp";
constexpr int kColonnesNiveaux = 32;

QStringList noms(BaseDonnees& base, const QString& sql, const QString& champ)
{
    QStringList liste;
    for (const Ligne& l : base.selectionne(sql))
        liste.append(l.texte(champ));
    return liste;
}

QString cellule(const QTableWidget* grille, int ligne, int colonne)
{
    const QTableWidgetItem* item = grille->item(ligne, colonne);
    return item ? item->text() : QString();
}

void metCellule(QTableWidget* grille, int ligne, int colonne, const QString& texte)
{
    grille->setItem(ligne, colonne, new QTableWidgetItem(texte));
}

QTableWidget* grille(QWidget* parent, const char* nom, const QStringList& titres, int colonnes)
{
    auto* g = new QTableWidget(0, colonnes, parent);
    g->setObjectName(QLatin1String(nom));
    g->setHorizontalHeaderLabels(titres);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    return g;
}

} // namespace

frmGestPerso::frmGestPerso(EtatShell& etat, QWidget* parent) : QWidget(parent), m_etat(etat)
{
    setObjectName(QStringLiteral("frmGestPerso"));
    setWindowTitle(QStringLiteral("Gestion personnages"));

    vsPerso = grille(this, "vsPerso", {QStringLiteral("Nom"), QStringLiteral("Race")}, 2);
    vsPerso->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsPerso->verticalHeader()->hide();
    vsPerso->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    vsPerso->setMinimumWidth(Pixels(3200));
    creeGrilles();
    creeBoutons();

    auto* droite = new QVBoxLayout;
    droite->addWidget(creeIdentite());
    droite->addWidget(vsHistoPerso, 2);
    auto* niveaux = new QHBoxLayout;
    niveaux->addWidget(btnNivInserer);
    niveaux->addWidget(btnNivEnlever);
    niveaux->addStretch();
    droite->addLayout(niveaux);
    droite->addWidget(vsEquip, 1);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {btnAjouter, btnSupprimer, btnEnregistrer, btnAnnuler, BtnFermer, btnRenommer})
        boutons->addWidget(b);
    boutons->addStretch();
    droite->addLayout(boutons);
    auto* disposition = new QHBoxLayout(this);
    disposition->addWidget(vsPerso, 1);
    disposition->addLayout(droite, 3);

    ActiveSelectionSurFocus(this);
    m_chargement = true;
    execute("Form_Load", [this] {
        remplitListes();
        RemplitListe();
    });
    m_chargement = false;
    montreMode();

    connect(vsPerso, &QTableWidget::itemSelectionChanged, this,
            [this] { execute("vsPerso_SelChange", [this] { vsPerso_SelChange(); }); });
    if (vsPerso->rowCount() > 0)
        vsPerso->selectRow(0);
}

QWidget* frmGestPerso::creeIdentite()
{
    auto* cadre = new QWidget(this);
    auto* g = new QGridLayout(cadre);
    g->setContentsMargins(0, 0, 0, 0);
    int n = 0;
    auto place = [&](const QString& libelle, QWidget* w) {
        g->addWidget(new QLabel(libelle, cadre), n / 4, (n % 4) * 2);
        g->addWidget(w, n / 4, (n % 4) * 2 + 1);
        ++n;
    };
    fldstrnom = new QLineEdit(cadre);
    fldstrnom->setObjectName(QStringLiteral("fldstrnom"));
    place(QStringLiteral("Nom"), fldstrnom);
    connect(fldstrnom, &QLineEdit::textChanged, this, [this] { Modifperso(); });
    CmbRace = new QComboBox(cadre);
    CmbRace->setObjectName(QStringLiteral("CmbRace"));
    place(QStringLiteral("Race"), CmbRace);
    connect(CmbRace, &QComboBox::currentIndexChanged, this, [this] {
        Modifperso();
        activeChampsDeClasse();
    });
    for (const ChampIdentite& c : champsIdentite()) {
        QWidget* w;
        if (c.controle.startsWith(QLatin1String("fld"), Qt::CaseInsensitive)) {
            auto* champ = new QLineEdit(cadre);
            if (c.nature != NatureChamp::Texte)
                champ->setProperty("Tag", QStringLiteral("numeric"));
            connect(champ, &QLineEdit::textChanged, this, [this] { Modifperso(); });
            w = champ;
        } else {
            auto* liste = new QComboBox(cadre);
            connect(liste, &QComboBox::currentIndexChanged, this, [this] { Modifperso(); });
            w = liste;
        }
        w->setObjectName(c.controle);
        m_controles.insert(c.champ, w);
        place(c.champ, w);
    }
    return cadre;
}

void frmGestPerso::creeGrilles()
{
    QStringList titres{QStringLiteral("Niv"), QStringLiteral("Classe"), QStringLiteral("PV"), QStringLiteral("For"),
                       QStringLiteral("Dex"), QStringLiteral("Con"),    QStringLiteral("Int"), QStringLiteral("Sag"),
                       QStringLiteral("Cha")};
    vsHistoPerso = grille(this, "vsHistoPerso", titres, kColonnesNiveaux);
    for (int c = 9; c < kColonnesNiveaux; ++c)
        vsHistoPerso->setColumnHidden(c, true);
    vsEquip = grille(this, "vsEquip",
                     {QStringLiteral("Nom"), QStringLiteral("Type (ou selection ...)"), QStringLiteral("Position"),
                      QStringLiteral("Charges"), QStringLiteral("Sur perso"), QStringLiteral("Nombre")},
                     6);
    for (QTableWidget* g : {vsHistoPerso, vsEquip})
        connect(g, &QTableWidget::itemChanged, this, [this, g] {
            Modifperso();
            if (g == vsHistoPerso)
                activeChampsDeClasse();
        });
}

void frmGestPerso::creeBoutons()
{
    auto bouton = [this](const char* nom, const QString& libelle, const char* procedure, void (frmGestPerso::*faire)()) {
        auto* b = new QPushButton(libelle, this);
        b->setObjectName(QLatin1String(nom));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, procedure, faire] { execute(procedure, [this, faire] { (this->*faire)(); }); });
        return b;
    };
    btnAjouter = bouton("btnAjouter", QStringLiteral("Ajouter (F9)"), "btnAjouter_Click", &frmGestPerso::Ajoute);
    btnSupprimer = bouton("btnSupprimer", QStringLiteral("Supprimer (F10)"), "btnSupprimer_Click", &frmGestPerso::Supprime);
    btnAnnuler = bouton("btnAnnuler", QStringLiteral("Annuler (ESC)"), "btnAnnuler_Click", &frmGestPerso::Annule);
    BtnFermer = bouton("BtnFermer", QStringLiteral("Fermer (ESC)"), "BtnFermer_Click", &frmGestPerso::Annule);
    btnRenommer = bouton("btnRenommer", QStringLiteral("&Renommer"), "btnRenommer_Click", &frmGestPerso::btnRenommer_Click);
    btnNivInserer = bouton("btnNivInserer", QStringLiteral("&Inserer un niveau (F7)"), "btnNivInserer_Click",
                           &frmGestPerso::InsereNiveau);
    btnNivEnlever = bouton("btnNivEnlever", QStringLiteral("&Enlever un niveau"), "btnNivEnlever_Click",
                           &frmGestPerso::EnleveNiveau);
    btnEnregistrer = new QPushButton(QStringLiteral("Enregistrer (F5)"), this);
    btnEnregistrer->setObjectName(QStringLiteral("btnEnregistrer"));
    btnEnregistrer->setAutoDefault(false);
    connect(btnEnregistrer, &QPushButton::clicked, this, [this] { execute("btnEnregistrer_Click", [this] { Enregistre(); }); });

    // Les touches passent avant les contrôles de la fenêtre ; chacune n'agit que si son bouton est là.
    const QList<QPair<QKeySequence, QPushButton*>> touches{
        {Qt::Key_F5, btnEnregistrer}, {Qt::Key_F9, btnAjouter},     {Qt::Key_F10, btnSupprimer},
        {Qt::Key_F7, btnNivInserer},  {Qt::Key_Escape, btnAnnuler}};
    // Entrée passe au contrôle suivant, comme Tab ; aucun contrôle ne la reçoit.
    for (const QKeySequence touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* raccourci = new QShortcut(touche, this);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        connect(raccourci, &QShortcut::activated, this, [this] { focusNextChild(); });
    }
    for (const auto& [touche, b] : touches) {
        auto* raccourci = new QShortcut(touche, this);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        QPushButton* cible = b;
        connect(raccourci, &QShortcut::activated, this, [this, cible] {
            if (cible == btnAnnuler)
                execute("Form_KeyDown", [this] { Annule(); });
            else if (!cible->isHidden() && cible->isEnabled())
                cible->click();
        });
    }
}

void frmGestPerso::remplitListes()
{
    BaseDonnees& prog = *m_etat.programme;
    m_races = racesEditeur(prog);
    for (const Ligne& l : prog.selectionne(QStringLiteral("select * from race order by race")))
        CmbRace->addItem(l.texte(QStringLiteral("race")), l.valeur(QString::fromUtf8("n°")));
    auto remplit = [this](const QString& prefixe, const QStringList& elements) {
        for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i)
            if (i.value()->objectName().startsWith(prefixe))
                static_cast<QComboBox*>(i.value())->addItems(elements);
    };
    const QStringList vide{QString()};
    remplit(QStringLiteral("Cmbarchetype"),
            vide + noms(prog, QStringLiteral("select * from archetype order by archetype"), QStringLiteral("Archetype")));
    remplit(QStringLiteral("CmbEcoleSpecialisation"), ecolesSpecialisation());
    remplit(QStringLiteral("CmbEcole_interdite"), ecolesInterdites());
    remplit(QStringLiteral("CmbArtisanat"),
            vide + noms(prog, QStringLiteral("select * from artisanat order by nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbProfession"),
            vide + noms(prog, QStringLiteral("select * from profession order by nom"), QStringLiteral("Nom")));
    const QStringList energies = noms(prog, QStringLiteral("select * from energie order by nom"), QStringLiteral("Nom"));
    remplit(QStringLiteral("CmbElu"), energies);
    remplit(QStringLiteral("CmbSorcier"), energies);
    remplit(QStringLiteral("CmbWujen"), noms(prog, QStringLiteral("select * from element order by nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbShugenja_0"),
            {QStringLiteral("Terre"), QStringLiteral("Air"), QStringLiteral("Feu"), QStringLiteral("Eau")});
    remplit(QStringLiteral("CmbShugenja_1"), noms(prog, QStringLiteral("select Nom from Ordre order by Nom"), QStringLiteral("Nom")));
    remplit(QStringLiteral("CmbDragonTotem"),
            noms(prog, QStringLiteral("select nom from dragontotem order by nom"), QStringLiteral("nom")));
    remplit(QStringLiteral("CmbAlignement"),
            vide + noms(prog, QStringLiteral("select * from alignements order by ordre"), QStringLiteral("Nom")));
    // Les domaines se choisissent dans une liste que d'autres fenêtres rempliront : saisie libre.
    for (int i = 0; i < 4; ++i)
        static_cast<QComboBox*>(m_controles.value(QStringLiteral("Domaine_%1").arg(i + 1)))->setEditable(true);
}

void frmGestPerso::RemplitListe()
{
    const bool chargement = m_chargement;
    m_chargement = true;
    vsPerso->blockSignals(true);
    vsPerso->setRowCount(0);
    const QVector<Ligne> lignes = m_etat.perso->selectionne(QStringLiteral("select Nom, Race from personnage order by nom"));
    vsPerso->setRowCount(int(lignes.size()));
    for (int i = 0; i < lignes.size(); ++i) {
        metCellule(vsPerso, i, 0, lignes[i].texte(QStringLiteral("Nom")));
        metCellule(vsPerso, i, 1, lignes[i].texte(QStringLiteral("Race")));
    }
    vsPerso->blockSignals(false);
    m_chargement = chargement;
}

QWidget* frmGestPerso::controle(const QString& nom) const
{
    return findChild<QWidget*>(nom);
}

void frmGestPerso::execute(const char* procedure, const std::function<void()>& faire)
{
    m_etat.erreurs.protege(procedure, kModule, faire);
}

void frmGestPerso::Modifperso()
{
    if (m_chargement)
        return;
    m_modifie = true;
    montreMode();
}

void frmGestPerso::montreMode()
{
    for (QPushButton* b : {btnAjouter, btnSupprimer, BtnFermer, btnRenommer})
        b->setVisible(!m_modifie);
    btnEnregistrer->setVisible(m_modifie);
    btnAnnuler->setVisible(m_modifie);
    vsPerso->setEnabled(!m_modifie);
}

void frmGestPerso::vsPerso_SelChange()
{
    const int ligne = vsPerso->currentRow();
    if (ligne < 0)
        return;
    PersonnageEdite p;
    if (!chargePersonnage(*m_etat.perso, cellule(vsPerso, ligne, 0), p))
        return;
    m_chargement = true;
    afficheIdentite(p);
    afficheNiveaux(p.niveaux);
    afficheObjets(p.objets);
    m_chargement = false;
    activeChampsDeClasse();
}

void frmGestPerso::afficheIdentite(const PersonnageEdite& p)
{
    fldstrnom->setText(p.nom);
    CmbRace->setCurrentIndex(CmbRace->findText(p.race, Qt::MatchFixedString));
    for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i) {
        const QString valeur = p.identite.value(i.key());
        if (auto* champ = qobject_cast<QLineEdit*>(i.value())) {
            champ->setText(valeur);
        } else {
            auto* liste = static_cast<QComboBox*>(i.value());
            const int index = liste->findText(valeur, Qt::MatchFixedString);
            if (liste->isEditable())
                liste->setCurrentText(valeur);
            else
                liste->setCurrentIndex(index);
        }
    }
}

void frmGestPerso::afficheNiveaux(const QVector<NiveauEdite>& niveaux)
{
    vsHistoPerso->setRowCount(0);
    vsHistoPerso->setRowCount(int(niveaux.size()));
    for (int r = 0; r < niveaux.size(); ++r) {
        const NiveauEdite& n = niveaux[r];
        metCellule(vsHistoPerso, r, 0, n.niveau);
        metCellule(vsHistoPerso, r, 1, n.classe);
        metCellule(vsHistoPerso, r, 2, n.pv);
        for (int i = 0; i < 6; ++i)
            metCellule(vsHistoPerso, r, 3 + i, n.caracs[i]);
        metCellule(vsHistoPerso, r, 10, n.competence);
        for (int k = 0; k < 10; ++k) {
            metCellule(vsHistoPerso, r, 11 + k, n.dons[k]);
            metCellule(vsHistoPerso, r, 21 + k, n.precisions[k]);
        }
        metCellule(vsHistoPerso, r, 31, n.modifInt);
    }
}

void frmGestPerso::afficheObjets(const QVector<ObjetEdite>& objets)
{
    vsEquip->setRowCount(0);
    vsEquip->setRowCount(int(objets.size()));
    for (int r = 0; r < objets.size(); ++r) {
        const ObjetEdite& o = objets[r];
        const QStringList cellules{o.nom, o.type, o.place, o.charge,
                                   o.surPersonnage ? QStringLiteral("Oui") : QStringLiteral("Non"), o.nombre};
        for (int c = 0; c < cellules.size(); ++c)
            metCellule(vsEquip, r, c, cellules[c]);
    }
}

PersonnageEdite frmGestPerso::lit() const
{
    PersonnageEdite p;
    p.nom = fldstrnom->text();
    p.race = CmbRace->currentText();
    for (auto i = m_controles.cbegin(); i != m_controles.cend(); ++i) {
        if (auto* champ = qobject_cast<QLineEdit*>(i.value()))
            p.identite.insert(i.key(), champ->text());
        else
            p.identite.insert(i.key(), static_cast<QComboBox*>(i.value())->currentText());
    }
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r) {
        NiveauEdite n;
        n.niveau = cellule(vsHistoPerso, r, 0);
        n.classe = cellule(vsHistoPerso, r, 1);
        n.pv = cellule(vsHistoPerso, r, 2);
        for (int i = 0; i < 6; ++i)
            n.caracs[i] = cellule(vsHistoPerso, r, 3 + i);
        n.competence = cellule(vsHistoPerso, r, 10);
        for (int k = 0; k < 10; ++k) {
            n.dons[k] = cellule(vsHistoPerso, r, 11 + k);
            n.precisions[k] = cellule(vsHistoPerso, r, 21 + k);
        }
        n.modifInt = cellule(vsHistoPerso, r, 31);
        p.niveaux.append(n);
    }
    for (int r = 0; r < vsEquip->rowCount(); ++r)
        p.objets.append({cellule(vsEquip, r, 0), cellule(vsEquip, r, 1), cellule(vsEquip, r, 2), cellule(vsEquip, r, 3),
                         cellule(vsEquip, r, 5), cellule(vsEquip, r, 4) == QLatin1String("Oui")});
    return p;
}

bool frmGestPerso::Enregistre()
{
    const PersonnageEdite p = lit();
    if (const auto refus = ::Enregistre(*m_etat.perso, *m_etat.programme, p, m_races)) {
        QMessageBox::warning(this, QLatin1String(kTitreApplication), refus->message);
        if (QWidget* w = controle(refus->controle)) {
            w->setFocus();
            if (refus->ligne >= 0)
                vsHistoPerso->selectRow(refus->ligne);
        }
        return false;
    }
    m_modifie = false;
    RemplitListe();
    montreMode();
    TrouveLigne(vsPerso, p.nom, 0);
    Q_EMIT personnagesChanges();
    return true;
}

void frmGestPerso::Annule()
{
    if (!m_modifie) {
        FermeFenetre(this);
        return;
    }
    m_modifie = false;
    montreMode();
    vsPerso_SelChange();
}

void frmGestPerso::Ajoute()
{
    // Création manuelle : l'assistant viendra plus tard.
    m_chargement = true;
    VideChamps(this);
    fldstrnom->clear();
    vsHistoPerso->setRowCount(0);
    vsEquip->setRowCount(0);
    m_chargement = false;
    Modifperso();
    activeChampsDeClasse();
    fldstrnom->setFocus();
}

void frmGestPerso::Supprime()
{
    const int ligne = vsPerso->currentRow();
    if (ligne < 0)
        return;
    const QString nom = cellule(vsPerso, ligne, 0);
    QMessageBox boite(QMessageBox::Question, QLatin1String(kTitreApplication),
                      QStringLiteral("Confirmation suppression du personnage ") + nom, QMessageBox::Ok | QMessageBox::Cancel,
                      this);
    boite.setDefaultButton(QMessageBox::Cancel);
    if (boite.exec() != QMessageBox::Ok)
        return;
    supprimePersonnage(*m_etat.perso, nom);
    m_chargement = true;
    VideChamps(this);
    vsHistoPerso->setRowCount(0);
    vsEquip->setRowCount(0);
    m_chargement = false;
    RemplitListe();
    Q_EMIT personnagesChanges();
}

void frmGestPerso::btnRenommer_Click()
{
    if (fldstrnom->text().isEmpty())
        return;
    frmRenommer dialogue(fldstrnom->text(), this);
    dialogue.exec();
    Renomme(dialogue.nouveauNom());
}

void frmGestPerso::Renomme(const QString& nouveau)
{
    switch (renommePersonnage(*m_etat.perso, fldstrnom->text(), nouveau)) {
    case ResultatRenommage::Inchange:
        return;
    case ResultatRenommage::NomExistant:
        QMessageBox::warning(this, QLatin1String(kTitreApplication),
                             QStringLiteral("Impossible de renommer vu que ce nouveau nom de personnage existe déjà"));
        return;
    case ResultatRenommage::Renomme:
        break;
    }
    m_chargement = true;
    fldstrnom->setText(nouveau);
    m_chargement = false;
    RemplitListe();
    TrouveLigne(vsPerso, nouveau, 0);
    Q_EMIT personnagesChanges();
}

void frmGestPerso::InsereNiveau()
{
    const int r = vsHistoPerso->rowCount();
    const QString classe = r > 0 ? cellule(vsHistoPerso, r - 1, 1) : QString();
    const int niveau = r > 0 ? int(cellule(vsHistoPerso, r - 1, 0).toInt()) + 1 : 1;
    const Ligne ligne = m_etat.programme->cherche(QStringLiteral("Classe"), QStringLiteral("PrimaryKey"), {classe});
    const int de = ligne ? ligne.entier(QStringLiteral("PointDeVie")) : 12;
    m_chargement = true;
    vsHistoPerso->insertRow(r);
    metCellule(vsHistoPerso, r, 0, QString::number(niveau));
    metCellule(vsHistoPerso, r, 1, classe);
    metCellule(vsHistoPerso, r, 2, QString::number(std::uniform_int_distribution<int>(1, qMax(1, de))(Hasard())));
    m_chargement = false;
    Modifperso();
    activeChampsDeClasse();
}

void frmGestPerso::EnleveNiveau()
{
    const int r = vsHistoPerso->currentRow();
    if (r < 0)
        return;
    vsHistoPerso->removeRow(r);
    Modifperso();
    activeChampsDeClasse();
}

void frmGestPerso::activeChampsDeClasse()
{
    QStringList classes;
    for (int r = 0; r < vsHistoPerso->rowCount(); ++r)
        classes.append(cellule(vsHistoPerso, r, 1).toUpper());
    auto aUne = [&classes](std::initializer_list<const char*> liste) {
        for (const char* c : liste)
            if (classes.contains(QString::fromUtf8(c).toUpper()))
                return true;
        return false;
    };
    const QString race = CmbRace->currentText();
    const bool raceDomaines = QStringList{QStringLiteral("Ange solar"), QStringLiteral("Ange planétar"),
                                          QStringLiteral("Archon messager"), QStringLiteral("Ghaele")}
                                  .contains(race, Qt::CaseInsensitive);
    const QList<QPair<QStringList, bool>> groupes{
        {{QStringLiteral("CmbEcoleSpecialisation"), QStringLiteral("CmbEcole_interdite")},
         aUne({"MAGICIEN", "INCANTATRIXE", "MAGICIEN ELFE"})},
        {{QStringLiteral("cmbDomaine")}, raceDomaines || aUne({"Prêtre", "DRUIDE", "Prêtre cloîtré", "Croisé divin"})},
        {{QStringLiteral("CmbElu")}, aUne({"ELU DIVIN"})},
        {{QStringLiteral("CmbSorcier")}, aUne({"SORCIER", "Savant élémentaire"})},
        {{QStringLiteral("CmbWujen")}, aUne({"WUJEN"})},
        {{QStringLiteral("CmbShugenja")}, aUne({"SHUGENJA"})},
        {{QStringLiteral("CmbDragonTotem")}, aUne({"DRAGON SHAMAN"})}};
    const bool chargement = m_chargement;
    m_chargement = true;
    for (QWidget* w : m_controles) {
        for (const auto& [prefixes, actif] : groupes) {
            for (const QString& prefixe : prefixes) {
                if (!w->objectName().startsWith(prefixe))
                    continue;
                w->setEnabled(actif);
                if (!actif) {
                    auto* liste = static_cast<QComboBox*>(w);
                    liste->setCurrentIndex(-1);
                    if (liste->isEditable())
                        liste->setEditText(QString());
                }
            }
        }
    }
    m_chargement = chargement;
}

#include "frmGestobj.h"
#include "ProprietesObjet.h"
#include "editor/CellulesGrille.h"
#include "editor/EditionPersonnage.h"
#include "editor/frmRenommer.h"
#include "shell/Application.h"
#include "shell/EtatShell.h"
#include "shell/UtilitairesFenetres.h"
#include "shell/db/BaseDonnees.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr const char* kModule = "frmGestobj.cpp";
constexpr int kRoleCle = Qt::UserRole;
constexpr int kRoleMarqueur = Qt::UserRole + 1;
constexpr int kRoleDeveloppe = Qt::UserRole + 2;
enum ColonnePropriete { ProprieteLigne, Propriete1, Propriete2, Propriete3, ProprieteValeur, NombreColonnesPropriete };
enum Onglet { OngletObjet, OngletProprietes };

// Curseur occupé le temps d'une lecture de la liste.
struct CurseurOccupe
{
    CurseurOccupe() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurOccupe() { QApplication::restoreOverrideCursor(); }
};

} // namespace

// Le catalogue lu, colonne par colonne ; le texte filtré de chaque ligne est préparé une fois.
class ModeleObjets : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void remplit(QVector<ObjetCatalogue> objets)
    {
        beginResetModel();
        m_objets = std::move(objets);
        m_textes.resize(m_objets.size());
        for (qsizetype i = 0; i < m_objets.size(); ++i)
            m_textes[i] = texteFiltre(m_objets[i].nom() + u'\n' + m_objets[i].groupe());
        endResetModel();
    }
    const ObjetCatalogue& objet(int ligne) const { return m_objets.at(ligne); }
    bool contient(int ligne, const QStringList& mots) const
    {
        for (const QString& mot : mots)
            if (!m_textes.at(ligne).contains(mot))
                return false;
        return true;
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_objets.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : NombreColonnesObjet; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return {};
        return m_objets.at(index.row()).valeurs[index.column()];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return section == ColNom ? QStringLiteral("Nom  ") : QString::fromUtf8(champsObjet()[section].libelle);
    }

private:
    QVector<ObjetCatalogue> m_objets;
    QVector<QString> m_textes;
};

class FiltreObjets : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void metMots(const QString& texte)
    {
        m_mots = texteFiltre(texte).split(u' ', Qt::SkipEmptyParts);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex&) const override
    {
        return m_mots.isEmpty() || static_cast<const ModeleObjets*>(sourceModel())->contient(ligne, m_mots);
    }

private:
    QStringList m_mots;
};

frmGestobj::frmGestobj(EtatShell& etat, const QString& objetUnique, QWidget* parent)
    : QWidget(parent), m_etat(etat), m_objetUnique(objetUnique)
{
    setObjectName(QStringLiteral("frmGestobj"));
    setWindowTitle(QStringLiteral("Gestion des objets"));
    m_chargement = true;
    execute("Form_Load", [this] { m_listes = listesObjet(*m_etat.programme); });
    creeChamps();
    creeBoutons();

    fldstrFiltre = new QLineEdit(this);
    fldstrFiltre->setObjectName(QStringLiteral("fldstrFiltre"));
    fldstrFiltre->setPlaceholderText(QStringLiteral("Filtrer sur le nom ou le groupe (sans égard aux accents)"));
    fldstrFiltre->setClearButtonEnabled(true);
    fldstrFiltre->setProperty("statut", QStringLiteral("Tapez une partie du nom ou du groupe des objets à montrer"));
    fldstrFiltre->installEventFilter(this);
    connect(fldstrFiltre, &QLineEdit::textChanged, this, [this](const QString& t) { filtre(t); });

    m_modele = new ModeleObjets(this);
    m_filtre = new FiltreObjets(this);
    m_filtre->setSourceModel(m_modele);
    vsObjets = new QTableView(this);
    vsObjets->setObjectName(QStringLiteral("vsObjets"));
    vsObjets->setModel(m_filtre);
    vsObjets->setSelectionBehavior(QAbstractItemView::SelectRows);
    vsObjets->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vsObjets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsObjets->setWordWrap(false);
    vsObjets->verticalHeader()->hide();
    vsObjets->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vsObjets->verticalHeader()->setDefaultSectionSize(vsObjets->fontMetrics().height() + 6);
    // Largeurs fixes : les mesurer sur deux mille lignes coûterait plus que la lecture.
    const int car = vsObjets->fontMetrics().averageCharWidth();
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        const int texte = vsObjets->fontMetrics().horizontalAdvance(QString::fromUtf8(champsObjet()[c].libelle)) + 24;
        vsObjets->horizontalHeader()->resizeSection(c, c == ColNom ? car * 34 : c == ColDescription ? car * 48
                                                                   : c == ColGroupe  ? car * 20
                                                                                     : qMax(texte, car * 8));
    }
    connect(vsObjets->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& courant, const QModelIndex& precedent) {
                execute("vsObjets_SelChange", [&] { ligneChoisie(courant, precedent); });
            });

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(creePageObjet(), QStringLiteral("Objet"));
    SSTab1->addTab(creePageProprietes(), QStringLiteral("Propriétés"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* haut = new QWidget(this);
    auto* liste = new QVBoxLayout(haut);
    liste->setContentsMargins(0, 0, 0, 0);
    auto* ligneFiltre = new QHBoxLayout;
    ligneFiltre->addWidget(new QLabel(QStringLiteral("Filtre :"), haut));
    ligneFiltre->addWidget(fldstrFiltre, 1);
    liste->addLayout(ligneFiltre);
    liste->addWidget(vsObjets, 1);
    auto* separation = new QSplitter(Qt::Vertical, this);
    separation->addWidget(haut);
    separation->addWidget(SSTab1);
    separation->setChildrenCollapsible(false);
    // La liste prend ce que les champs laissent.
    separation->setStretchFactor(0, 1);
    separation->setStretchFactor(1, 0);

    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {btnAjouter, btnEnregistrer, btnSupprimer, btnAnnuler, btnRenommer})
        boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(BtnFermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 0);
    disposition->addWidget(separation, 1);
    disposition->addLayout(boutons);
    disposition->addWidget(StatusBar1);
    creeTouches();

    execute("Form_Load", [this] {
        rempTree();
        RemplieLst();
    });
    m_chargement = false;
    montreMode();

    if (m_objetUnique.isEmpty()) {
        if (m_filtre->rowCount() > 0)
            vsObjets->selectRow(0);
    } else if (!choisitObjet(m_objetUnique)) {
        // Un objet porté qui manque au catalogue : on le crée sous son nom.
        Ajoute();
        static_cast<QLineEdit*>(m_champs.value(ColNom))->setText(m_objetUnique);
        StatusBar1->showMessage(QStringLiteral("Cet objet n'est pas dans le catalogue : enregistrez-le pour l'y ajouter"));
    }
    // Ouverte depuis la fiche sur un objet, la fenêtre n'édite que lui.
    QTimer::singleShot(0, this, [this] {
        const bool libre = m_objetUnique.isEmpty();
        for (QWidget* w : {m_champs.value(ColNom), static_cast<QWidget*>(vsObjets), static_cast<QWidget*>(fldstrFiltre)})
            w->setEnabled(libre);
    });
}

frmGestobj::~frmGestobj() = default;

void frmGestobj::creeChamps()
{
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        const ChampObjet& champ = champsObjet()[c];
        QWidget* w;
        if (c == ColDescription) {
            auto* texte = new QPlainTextEdit(this);
            texte->setTabChangesFocus(true);
            texte->setFixedHeight(texte->fontMetrics().lineSpacing() * 3 + 12);
            connect(texte, &QPlainTextEdit::textChanged, this, [this] { Modification(); });
            w = texte;
        } else if (champ.nature == NatureChampObjet::Liste || champ.nature == NatureChampObjet::ListeEntiere) {
            auto* liste = new QComboBox(this);
            // Saisie libre : l'enregistrement vérifie qu'elle est dans la liste, sauf pour le groupe.
            liste->setEditable(true);
            liste->setInsertPolicy(QComboBox::NoInsert);
            liste->addItems(*m_listes.liste(c));
            liste->setCurrentIndex(-1);
            liste->setMinimumContentsLength(c == ColGroupe || c == ColType || c == ColTypeCa ? 14 : 4);
            liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            liste->setMaxVisibleItems(20);
            connect(liste, &QComboBox::currentTextChanged, this, [this] { Modification(); });
            liste->lineEdit()->installEventFilter(this);
            w = liste;
        } else {
            auto* texte = new QLineEdit(this);
            if (c != ColNom)
                texte->setProperty("Tag", QStringLiteral("numeric"));
            connect(texte, &QLineEdit::textChanged, this, [this] { Modification(); });
            w = texte;
        }
        w->setObjectName(QLatin1String(champ.controle));
        if (*champ.statut)
            w->setProperty("statut", QString::fromUtf8(champ.statut));
        w->installEventFilter(this);
        m_champs.insert(c, w);
    }
    m_champs.value(ColCharge)->setToolTip(QStringLiteral("Définie le nombre de charge de l'objet dans la base de donnée"));
}

QWidget* frmGestobj::creePageObjet()
{
    auto* page = new QWidget(this);
    auto cadre = [this, page](const QString& titre, std::initializer_list<int> colonnes, int parLigne) {
        auto* boite = new QGroupBox(titre, page);
        auto* g = new QGridLayout(boite);
        int i = 0;
        for (int c : colonnes) {
            g->addWidget(new QLabel(QString::fromUtf8(champsObjet()[c].libelle), boite), i / parLigne, (i % parLigne) * 2);
            g->addWidget(m_champs.value(c), i / parLigne, (i % parLigne) * 2 + 1);
            ++i;
        }
        for (int k = 0; k < parLigne; ++k)
            g->setColumnStretch(k * 2 + 1, 1);
        return boite;
    };
    auto* g = new QGridLayout(page);
    g->addWidget(cadre(QStringLiteral("Objet"),
                       {ColNom, ColGroupe, ColType, ColTaille, ColCoutTotal, ColPoidsBase, ColCharge, ColSolidite,
                        ColResistance},
                       3),
                 0, 0, 1, 2);
    g->addWidget(cadre(QStringLiteral("Armure et bouclier"),
                       {ColClasseArmure, ColTypeCa, ColBonusDexMax, ColPenaliteArmure, ColEchecSorts}, 2),
                 1, 0);
    g->addWidget(cadre(QStringLiteral("Arme"), {ColDegatDes, ColZoneCritique, ColMultCrit, ColPortee}, 2), 1, 1);
    auto* description = new QHBoxLayout;
    description->addWidget(new QLabel(QStringLiteral("Description"), page));
    description->addWidget(m_champs.value(ColDescription), 1);
    g->addLayout(description, 2, 0, 1, 2);
    return page;
}

QWidget* frmGestobj::creePageProprietes()
{
    auto* page = new QWidget(this);
    Tree1 = new QTreeWidget(page);
    Tree1->setObjectName(QStringLiteral("Tree1"));
    Tree1->setHeaderHidden(true);
    Tree1->setProperty("statut", QStringLiteral("Choisissez une propriété puis ajoutez-la à l'objet"));
    Tree1->installEventFilter(this);
    // Les niveaux plus profonds se bâtissent au premier clic ou au premier dépliage.
    connect(Tree1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* noeud) {
        execute("Tree1_NodeClick", [&] {
            developpe(noeud);
            noeud->setExpanded(true);
        });
    });
    connect(Tree1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* noeud) { execute("Tree1_Expand", [&] { developpe(noeud); }); });
    connect(Tree1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* noeud) {
        if (noeud->childCount() == 0)
            execute("Tree1_DblClick", [this] { btnAjout_Click(); });
    });
    connect(Tree1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* noeud) {
        if (noeud)
            StatusBar1->showMessage(noeud->toolTip(0));
    });

    vsPropri = new QTableWidget(0, NombreColonnesPropriete, page);
    vsPropri->setObjectName(QStringLiteral("vsPropri"));
    vsPropri->setHorizontalHeaderLabels({QStringLiteral("Propriété"), QStringLiteral("propriete_1"),
                                         QStringLiteral("propriete_2"), QStringLiteral("propriete_3"),
                                         QStringLiteral("valeur")});
    for (int c = Propriete1; c < NombreColonnesPropriete; ++c)
        vsPropri->setColumnHidden(c, true);
    vsPropri->horizontalHeader()->setSectionResizeMode(ProprieteLigne, QHeaderView::Stretch);
    vsPropri->verticalHeader()->hide();
    vsPropri->verticalHeader()->setDefaultSectionSize(vsPropri->fontMetrics().height() + 8);
    vsPropri->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsPropri->setSelectionBehavior(QAbstractItemView::SelectRows);
    vsPropri->setSelectionMode(QAbstractItemView::SingleSelection);

    btnAjout = new QPushButton(QStringLiteral("Ajouter >"), page);
    btnAjout->setObjectName(QStringLiteral("btnAjout"));
    btnAjout->setToolTip(QStringLiteral("Ajoute à l'objet la propriété choisie dans l'arbre"));
    btnEnlever = new QPushButton(QStringLiteral("< Enlever"), page);
    btnEnlever->setObjectName(QStringLiteral("btnEnlever"));
    btnEnlever->setToolTip(QStringLiteral("Retire de l'objet la propriété choisie"));
    for (QPushButton* b : {btnAjout, btnEnlever})
        b->setAutoDefault(false);
    connect(btnAjout, &QPushButton::clicked, this, [this] { execute("btnAjout_Click", [this] { btnAjout_Click(); }); });
    connect(btnEnlever, &QPushButton::clicked, this,
            [this] { execute("btnEnlever_Click", [this] { btnEnlever_Click(); }); });

    auto* milieu = new QVBoxLayout;
    milieu->addStretch();
    milieu->addWidget(btnAjout);
    milieu->addWidget(btnEnlever);
    milieu->addStretch();
    auto* disposition = new QHBoxLayout(page);
    disposition->addWidget(Tree1, 1);
    disposition->addLayout(milieu);
    disposition->addWidget(vsPropri, 1);
    return page;
}

void frmGestobj::creeBoutons()
{
    auto bouton = [this](const char* nom, const QString& libelle, const char* procedure, std::function<void()> faire) {
        return BoutonProtege(this, m_etat.erreurs, kModule, nom, libelle, procedure, std::move(faire));
    };
    btnAjouter = bouton("btnAjouter", QStringLiteral("Ajouter (F9)"), "btnAjouter_Click", [this] { Ajoute(); });
    btnEnregistrer = bouton("btnEnregistrer", QStringLiteral("Enregistrer (F5)"), "btnEnregistrer_Click", [this] { Enregistre(); });
    btnSupprimer = bouton("btnSupprimer", QStringLiteral("Supprimer (F10)"), "btnSupprimer_Click", [this] { Supprime(); });
    btnAnnuler = bouton("btnAnnuler", QStringLiteral("Annuler (ESC)"), "btnAnnuler_Click", [this] { Annule(); });
    btnRenommer = bouton("btnRenommer", QStringLiteral("Renommer"), "btnRenommer_Click", [this] { btnRenommer_Click(); });
    BtnFermer = bouton("BtnFermer", QStringLiteral("Fermer (ESC)"), "BtnFermer_Click", [this] { Annule(); });
}

void frmGestobj::creeTouches()
{
    TouchesEdition(this, {{Qt::Key_F5, btnEnregistrer}, {Qt::Key_F9, btnAjouter}, {Qt::Key_F10, btnSupprimer}},
                   [this] { execute("Form_KeyDown", [this] { Annule(); }); });
}

void frmGestobj::rempTree()
{
    Tree1->clear();
    for (const NoeudPropriete& n : enfantsPropriete(*m_etat.programme, {})) {
        auto* noeud = new QTreeWidgetItem(Tree1, {n.texte});
        noeud->setData(0, kRoleCle, clePropriete({n}));
        noeud->setData(0, kRoleMarqueur, n.marqueur);
        noeud->setToolTip(0, n.texte);
        noeud->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

void frmGestobj::developpe(QTreeWidgetItem* noeud)
{
    if (!noeud || noeud->childCount() > 0 || noeud->data(0, kRoleDeveloppe).toBool())
        return;
    noeud->setData(0, kRoleDeveloppe, true);
    QVector<NoeudPropriete> chemin;
    for (QTreeWidgetItem* n = noeud; n; n = n->parent())
        chemin.prepend({n->text(0), n->data(0, kRoleMarqueur).toInt()});
    const QVector<NoeudPropriete> enfants = enfantsPropriete(*m_etat.programme, chemin);
    QList<QTreeWidgetItem*> noeuds;
    noeuds.reserve(enfants.size());
    for (const NoeudPropriete& e : enfants) {
        chemin.append(e);
        auto* enfant = new QTreeWidgetItem({e.texte});
        enfant->setData(0, kRoleCle, clePropriete(chemin));
        enfant->setData(0, kRoleMarqueur, e.marqueur);
        enfant->setToolTip(0, cheminPropriete(chemin));
        // Une valeur est toujours une feuille ; le reste le dira au premier clic.
        enfant->setChildIndicatorPolicy(e.marqueur == 4 ? QTreeWidgetItem::DontShowIndicator
                                                        : QTreeWidgetItem::ShowIndicator);
        noeuds.append(enfant);
        chemin.removeLast();
    }
    noeud->addChildren(noeuds);
    if (noeuds.isEmpty())
        noeud->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void frmGestobj::RemplieLst()
{
    const CurseurOccupe occupe;
    m_ignoreSelection = true;
    m_modele->remplit(::RemplieLst(*m_etat.perso));
    m_ignoreSelection = false;
}

void frmGestobj::filtre(const QString& texte)
{
    m_ignoreSelection = true;
    m_filtre->metMots(texte);
    m_ignoreSelection = false;
    // L'objet affiché reste choisi quand le filtre le garde.
    if (!m_nomAffiche.isEmpty())
        selectionneLigne(m_nomAffiche);
}

int frmGestobj::lignesVisibles() const
{
    return m_filtre->rowCount();
}

void frmGestobj::Modification()
{
    if (m_chargement)
        return;
    m_modifie = true;
    montreMode();
}

void frmGestobj::montreMode()
{
    for (QPushButton* b : {btnAjouter, btnSupprimer, btnRenommer, BtnFermer})
        b->setVisible(!m_modifie);
    btnEnregistrer->setVisible(m_modifie);
    btnAnnuler->setVisible(m_modifie);
}

void frmGestobj::ligneChoisie(const QModelIndex& courant, const QModelIndex& precedent)
{
    if (m_ignoreSelection || !courant.isValid())
        return;
    const QString nom = courant.siblingAtColumn(ColNom).data().toString();
    if (nom == m_nomAffiche && !m_modifie)
        return;
    if (!quitteObjet()) {
        // L'utilisateur reste sur son objet : la liste y revient.
        m_ignoreSelection = true;
        if (precedent.isValid())
            vsObjets->selectionModel()->setCurrentIndex(precedent, QItemSelectionModel::ClearAndSelect
                                                                       | QItemSelectionModel::Rows);
        else
            vsObjets->selectionModel()->clear();
        m_ignoreSelection = false;
        return;
    }
    // Un enregistrement relit la liste : l'objet voulu se retrouve par son nom.
    selectionneLigne(nom);
    afficheLigneCourante();
}

bool frmGestobj::quitteObjet()
{
    if (!m_modifie)
        return true;
    const auto reponse = QMessageBox::question(
        this, QLatin1String(kTitreApplication),
        QStringLiteral("Voulez vous enregistrer les modifications apportées à cet objet"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (reponse == QMessageBox::Cancel)
        return false;
    if (reponse == QMessageBox::Yes)
        return Enregistre();
    m_modifie = false;
    montreMode();
    return true;
}

void frmGestobj::selectionneLigne(const QString& nom)
{
    m_ignoreSelection = true;
    // Sans ligne à choisir, plus de ligne courante non plus : un clic sur n'importe laquelle compte.
    if (!TrouveLigne(vsObjets, nom, ColNom))
        vsObjets->selectionModel()->clear();
    m_ignoreSelection = false;
}

void frmGestobj::afficheLigneCourante()
{
    const QModelIndex courant = vsObjets->currentIndex();
    if (!courant.isValid() || !vsObjets->selectionModel()->isRowSelected(courant.row(), {})) {
        afficheObjet({}, {});
        return;
    }
    const ObjetCatalogue& o = m_modele->objet(m_filtre->mapToSource(courant).row());
    afficheObjet(o, proprietesObjet(*m_etat.perso, o.nom()));
}

bool frmGestobj::choisitObjet(const QString& nom)
{
    const QString avant = m_nomAffiche;
    if (!quitteObjet())
        return false;
    // Le filtre ne cache pas l'objet demandé.
    if (!fldstrFiltre->text().isEmpty()) {
        const QSignalBlocker bloque(fldstrFiltre);
        fldstrFiltre->clear();
        m_ignoreSelection = true;
        m_filtre->metMots(QString());
        m_ignoreSelection = false;
    }
    m_ignoreSelection = true;
    const bool trouve = TrouveLigne(vsObjets, nom, ColNom);
    m_ignoreSelection = false;
    if (trouve)
        afficheLigneCourante();
    else if (!avant.isEmpty())
        selectionneLigne(avant);
    return trouve;
}

void frmGestobj::afficheObjet(const ObjetCatalogue& objet, const QVector<ProprieteObjet>& proprietes)
{
    m_chargement = true;
    for (int c = 0; c < NombreColonnesObjet; ++c) {
        QWidget* w = m_champs.value(c);
        const QString& valeur = objet.valeurs[c];
        if (auto* texte = qobject_cast<QLineEdit*>(w)) {
            texte->setText(valeur);
        } else if (auto* liste = qobject_cast<QComboBox*>(w)) {
            const int i = liste->findText(valeur, Qt::MatchExactly);
            liste->setCurrentIndex(i);
            if (i < 0)
                liste->setEditText(valeur);
        } else {
            static_cast<QPlainTextEdit*>(w)->setPlainText(valeur);
        }
    }
    vsPropri->setRowCount(0);
    for (const ProprieteObjet& p : proprietes)
        ajouteLignePropriete(p);
    m_nomAffiche = objet.nom();
    m_modifie = false;
    m_chargement = false;
    montreMode();
}

void frmGestobj::ajouteLignePropriete(const ProprieteObjet& p)
{
    const int r = vsPropri->rowCount();
    vsPropri->insertRow(r);
    metCellule(vsPropri, r, ProprieteLigne, ligneLisible(p));
    metCellule(vsPropri, r, Propriete1, p.propriete_1);
    metCellule(vsPropri, r, Propriete2, p.propriete_2);
    metCellule(vsPropri, r, Propriete3, p.propriete_3);
    metCellule(vsPropri, r, ProprieteValeur, p.valeur);
}

QVector<ProprieteObjet> frmGestobj::proprietes() const
{
    QVector<ProprieteObjet> liste;
    for (int r = 0; r < vsPropri->rowCount(); ++r)
        liste.append({cellule(vsPropri, r, Propriete1), cellule(vsPropri, r, Propriete2),
                      cellule(vsPropri, r, Propriete3), cellule(vsPropri, r, ProprieteValeur)});
    return liste;
}

QString frmGestobj::texteChamp(int colonne) const
{
    QWidget* w = m_champs.value(colonne);
    if (auto* texte = qobject_cast<QLineEdit*>(w))
        return texte->text();
    if (auto* liste = qobject_cast<QComboBox*>(w))
        return liste->currentText();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

ObjetCatalogue frmGestobj::lit() const
{
    ObjetCatalogue o;
    for (int c = 0; c < NombreColonnesObjet; ++c)
        o.valeurs[c] = texteChamp(c);
    return o;
}

QString frmGestobj::texteEtat() const
{
    return StatusBar1->currentMessage();
}

bool frmGestobj::Enregistre()
{
    const ObjetCatalogue o = lit();
    if (const auto refus = ::Enregistre(*m_etat.perso, o, proprietes(), m_listes)) {
        QWidget* champ = m_champs.value(refus->colonne);
        QMessageBox::warning(this, QLatin1String(kTitreApplication), refus->message);
        // L'onglet du champ fautif passe devant.
        for (int i = 0; i < SSTab1->count(); ++i)
            if (SSTab1->widget(i)->isAncestorOf(champ))
                SSTab1->setCurrentIndex(i);
        champ->setFocus();
        return false;
    }
    const QString nom = o.nom().trimmed();
    m_modifie = false;
    RemplieLst();
    selectionneLigne(nom);
    afficheObjet(*litObjet(*m_etat.perso, nom), proprietesObjet(*m_etat.perso, nom));
    Q_EMIT catalogueChange();
    return true;
}

void frmGestobj::Annule()
{
    if (!m_modifie) {
        FermeFenetre(this);
        return;
    }
    m_modifie = false;
    afficheLigneCourante();
    if (!m_objetUnique.isEmpty() && m_nomAffiche.isEmpty())
        static_cast<QLineEdit*>(m_champs.value(ColNom))->setText(m_objetUnique);
    m_modifie = false;
    montreMode();
}

void frmGestobj::Ajoute()
{
    if (!quitteObjet())
        return;
    afficheObjet({}, {});
    SSTab1->setCurrentIndex(OngletObjet);
    Modification();
    m_champs.value(ColNom)->setFocus();
}

void frmGestobj::Supprime()
{
    QStringList noms;
    for (const QModelIndex& i : vsObjets->selectionModel()->selectedRows(ColNom))
        noms.append(i.data().toString());
    bool change = false;
    for (const QString& nom : noms) {
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Suppression"),
                          QStringLiteral("Confirmer la suppression de cet objet :") + u'\n' + nom,
                          QMessageBox::Ok | QMessageBox::Cancel, this);
        boite.setDefaultButton(QMessageBox::Cancel);
        if (boite.exec() != QMessageBox::Ok)
            continue;
        if (supprimeObjet(*m_etat.perso, nom) == ResultatSuppression::Equipe) {
            QMessageBox::warning(this, QLatin1String(kTitreApplication),
                                 QStringLiteral("Certains personnages sont équipés de cette arme, elle ne peut être detruite"));
            continue;
        }
        change = true;
    }
    if (!change)
        return;
    RemplieLst();
    if (!m_nomAffiche.isEmpty() && litObjet(*m_etat.perso, m_nomAffiche))
        selectionneLigne(m_nomAffiche);
    else
        afficheObjet({}, {});
    Q_EMIT catalogueChange();
}

void frmGestobj::btnRenommer_Click()
{
    if (m_nomAffiche.isEmpty())
        return;
    frmRenommer dialogue(m_nomAffiche, this, QStringLiteral("Permet de renommer le nom del'objet, (retour en arriere possible)"));
    dialogue.exec();
    Renomme(dialogue.nouveauNom());
}

void frmGestobj::Renomme(const QString& nouveau)
{
    switch (renommeObjet(*m_etat.perso, m_nomAffiche, nouveau)) {
    case ResultatRenommage::Inchange:
        return;
    case ResultatRenommage::NomExistant:
        QMessageBox::warning(this, QLatin1String(kTitreApplication),
                             QStringLiteral("Impossible de renommer vu que ce nouveau nom d'objet existe déjà"));
        return;
    case ResultatRenommage::Renomme:
        break;
    }
    const QString nom = nouveau.trimmed();
    if (!m_objetUnique.isEmpty())
        m_objetUnique = nom;
    RemplieLst();
    selectionneLigne(nom);
    m_chargement = true;
    static_cast<QLineEdit*>(m_champs.value(ColNom))->setText(nom);
    m_chargement = false;
    m_nomAffiche = nom;
    Q_EMIT catalogueChange();
}

void frmGestobj::btnAjout_Click()
{
    QTreeWidgetItem* noeud = Tree1->currentItem();
    if (!noeud)
        return;
    const ProprieteObjet p = proprieteDeCle(noeud->data(0, kRoleCle).toString());
    if (!proprieteAdmise(p, texteChamp(ColGroupe))) {
        StatusBar1->showMessage(QStringLiteral("Les bonus d'attaque et de dommage ne vont qu'aux armes et aux munitions : "
                                               "choisissez d'abord le groupe de l'objet"));
        return;
    }
    ajouteLignePropriete(p);
    Modification();
}

void frmGestobj::btnEnlever_Click()
{
    const int r = vsPropri->currentRow();
    if (r < 0 || !vsPropri->selectionModel()->isRowSelected(r, {}))
        return;
    vsPropri->removeRow(r);
    Modification();
}

bool frmGestobj::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusIn) {
        // Le texte d'une liste se sélectionne comme celui d'un champ ; la barre d'état dit quoi saisir.
        QObject* champ = objet;
        if (auto* edition = qobject_cast<QLineEdit*>(objet); edition && qobject_cast<QComboBox*>(objet->parent())) {
            champ = objet->parent();
            QTimer::singleShot(0, edition, &QLineEdit::selectAll);
        }
        const QString statut = champ->property("statut").toString();
        if (!statut.isEmpty())
            StatusBar1->showMessage(statut);
    } else if (evenement->type() == QEvent::FocusOut) {
        StatusBar1->clearMessage();
    }
    return QWidget::eventFilter(objet, evenement);
}

void frmGestobj::execute(const char* procedure, const std::function<void()>& faire)
{
    m_etat.erreurs.protege(procedure, kModule, faire);
}

void frmGestobj::showEvent(QShowEvent* evenement)
{
    QWidget::showEvent(evenement);
    if (m_positionLue)
        return;
    m_positionLue = true;
    execute("Form_Load", [this] { RestaurePosition(m_etat.cheminIni, this); });
}

void frmGestobj::closeEvent(QCloseEvent* evenement)
{
    bool ferme = true;
    execute("Form_Unload", [&] {
        ferme = quitteObjet();
        if (ferme)
            EnregistrePosition(m_etat.cheminIni, this);
    });
    if (!ferme) {
        evenement->ignore();
        return;
    }
    QWidget::closeEvent(evenement);
    Q_EMIT fermee();
}

#include "PageSorts.h"
#include "SortsConnus.h"
#include "SortsParJour.h"
#include "SortsPrepares.h"
#include "frmMetamagie.h"
#include "shell/db/BaseDonnees.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int kNiveauxAffiches = 17;   // colonnes "0" à "16" de la table par jour
constexpr int kColonneAide = 2;

QTableWidget* grille(QWidget* parent, const QString& nom, const QStringList& entetes)
{
    auto* g = new QTableWidget(parent);
    g->setObjectName(nom);
    g->setColumnCount(int(entetes.size()));
    g->setHorizontalHeaderLabels(entetes);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    g->horizontalHeader()->setStretchLastSection(false);
    return g;
}

void cellule(QTableWidget* g, int ligne, int colonne, const QString& texte)
{
    auto* item = new QTableWidgetItem(texte);
    if (colonne > 0)
        item->setTextAlignment(Qt::AlignCenter);
    g->setItem(ligne, colonne, item);
}

QString tiret(const std::optional<int>& v)
{
    return v ? QString::number(*v) : QStringLiteral("-");
}

QString texteCellule(const QTableWidget* g, int ligne, int colonne)
{
    const QTableWidgetItem* item = g->item(ligne, colonne);
    return item ? item->text() : QString();
}

} // namespace

PageSorts::PageSorts(BaseDonnees& perso, BaseDonnees& programme, QWidget* parent)
    : QWidget(parent), m_perso(perso), m_programme(programme)
{
    setObjectName(QStringLiteral("PageSorts"));
    AideSort = new QLabel(QStringLiteral("Si les sorts n 'apparaissent pas, double cliquez sur le nom de la classe dont "
                                         "vous voulez voir les sorts. Pour les sorts raciaux sur une case de classe vide."),
                          this);
    AideSort->setObjectName(QStringLiteral("AideSort"));
    AideSort->setWordWrap(true);
    lblMessages = new QLabel(this);
    lblMessages->setObjectName(QStringLiteral("lblMessages"));
    lblMessages->setStyleSheet(QStringLiteral("color: #a00000"));

    QStringList entetes{QStringLiteral("Niveau de sort")};
    for (int n = 0; n < kNiveauxAffiches; ++n)
        entetes.append(QString::number(n));
    entetes.append(QStringLiteral("Pts de Magie"));
    vsNivSort = grille(this, QStringLiteral("vsNivSort"), entetes);
    vsNivSort->setSelectionMode(QAbstractItemView::NoSelection);
    vsNivSort->verticalHeader()->hide();
    vsNivSort->horizontalHeader()->setMinimumSectionSize(24);
    vsNivSort->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    vsNivSort->setRowCount(int(LignesNivSort().size()));
    for (int r = 0; r < vsNivSort->rowCount(); ++r)
        cellule(vsNivSort, r, 0, LignesNivSort().at(r));
    vsNivSort->setFixedHeight(22 + 20 * vsNivSort->rowCount() + 4);

    vsPortee = grille(this, QStringLiteral("vsPortee"),
                      {QStringLiteral(" "), QStringLiteral("niv"), QStringLiteral("sort max"), QStringLiteral("(5c+1c/2niv)"),
                       QStringLiteral("(20c+2c/niv)"), QStringLiteral("(80c+8c/niv)"), QStringLiteral("sort niv")});
    vsPortee->setSelectionMode(QAbstractItemView::NoSelection);
    vsPortee->verticalHeader()->hide();
    vsPortee->setRowCount(1);
    vsPortee->setFixedHeight(22 + 20 + 4);
    vsPortee->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    fldstrMagie = new QPlainTextEdit(this);
    fldstrMagie->setObjectName(QStringLiteral("fldstrMagie"));
    fldstrMagie->setReadOnly(true);
    fldstrMagie->setMaximumHeight(110);

    vsVadeRetro = grille(this, QStringLiteral("vsVadeRetro"), {QStringLiteral("Test de renvoi"), QStringLiteral("DV max")});
    vsVadeRetro->setSelectionMode(QAbstractItemView::NoSelection);
    vsVadeRetro->verticalHeader()->hide();
    lblVadeRetro = new QLabel(this);
    lblVadeRetro->setObjectName(QStringLiteral("lblVadeRetro"));
    lblVadeRetro->setWordWrap(true);

    vsSortClasse[0] = grille(this, QStringLiteral("vsSortClasse_0"),
                             {QStringLiteral("Sorts detenus"), QStringLiteral("Niveau"), QStringLiteral("Aide"),
                              QStringLiteral("Classe")});
    vsSortClasse[0]->setToolTip(
        QStringLiteral("Double-click pour la description du sort, flèche droite pour supprimer un sort."));
    vsSortClasse[1] = grille(this, QStringLiteral("vsSortClasse_1"), {QStringLiteral("Sorts de classe"), QStringLiteral("Niveau")});
    vsSortClasse[1]->setToolTip(
        QStringLiteral("Double-click pour la description du sort, flèche gauche pour ajouter un sort."));
    for (QTableWidget* g : vsSortClasse) {
        g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        g->installEventFilter(this);
        connect(g, &QTableWidget::cellDoubleClicked, this,
                [this, g](int ligne, int) { emit descriptionDemandee(grilleDescription(g, ligne)); });
    }
    connect(vsSortClasse[0], &QTableWidget::cellClicked, this, [this](int ligne, int colonne) {
        if (colonne == kColonneAide)
            emit descriptionDemandee(grilleDescription(vsSortClasse[0], ligne));
    });

    btnAjoutSort = new QPushButton(QStringLiteral("←"), this);
    btnAjoutSort->setObjectName(QStringLiteral("btnAjoutSort"));
    btnAjoutSort->setToolTip(QStringLiteral("Ajouter un sort au personnage (flèche gauche)"));
    btnEnlevSort = new QPushButton(QStringLiteral("→"), this);
    btnEnlevSort->setObjectName(QStringLiteral("btnEnlevSort"));
    btnEnlevSort->setToolTip(QStringLiteral("Supprimer un sort au personnage (flèche droite)"));
    btnMontrer = new QPushButton(QStringLiteral("&Montrer tous les sorts de la classe"), this);
    btnMontrer->setObjectName(QStringLiteral("btnMontrer"));
    btnCacherMontrer = new QPushButton(this);
    btnCacherMontrer->setObjectName(QStringLiteral("btnCacherMontrer"));
    connect(btnAjoutSort, &QPushButton::clicked, this, &PageSorts::btnAjoutSort_Click);
    connect(btnEnlevSort, &QPushButton::clicked, this, &PageSorts::btnEnlevSort_Click);
    connect(btnMontrer, &QPushButton::clicked, this, &PageSorts::btnMontrer_Click);
    connect(btnCacherMontrer, &QPushButton::clicked, this, &PageSorts::btnCacherMontrer_Click);

    vsSortListe = grille(this, QStringLiteral("vsSortListe"),
                         {QStringLiteral("Nom du sort"), QStringLiteral("Niveau"), QStringLiteral("DD"),
                          QStringLiteral("Ecole"), QStringLiteral("Métamagie")});
    vsSortListe->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // L'école, souvent longue, ne prend plus la place du nom du sort ; la colonne s'élargit à la souris.
    vsSortListe->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Interactive);
    vsSortListe->setColumnWidth(3, 110);
    connect(vsSortListe, &QTableWidget::cellDoubleClicked, this,
            [this](int ligne, int) { emit descriptionDemandee(grilleDescription(vsSortListe, ligne)); });
    lblPreparation = new QLabel(this);
    lblPreparation->setObjectName(QStringLiteral("lblPreparation"));
    lblPreparation->setWordWrap(true);
    btnMetamagie = new QPushButton(QStringLiteral("Appliquer un don de mé&tamagie…"), this);
    btnMetamagie->setObjectName(QStringLiteral("btnMetamagie"));
    btnImprimer = new QPushButton(QStringLiteral("&Imprimer la liste…"), this);
    btnImprimer->setObjectName(QStringLiteral("btnImprimer"));
    ChkCacheColonnes = new QCheckBox(QStringLiteral("Cache les colonnes vide"), this);
    ChkCacheColonnes->setObjectName(QStringLiteral("ChkCacheColonnes"));
    ChkCacheColonnes->setChecked(true);
    connect(btnMetamagie, &QPushButton::clicked, this, &PageSorts::btnMetamagie_Click);
    connect(btnImprimer, &QPushButton::clicked, this, &PageSorts::btnImprimer_Click);

    // Disposition : table par jour et portées en haut ; dessous, les sorts connus et la liste de la
    // classe à gauche, les sorts préparés à droite ; magie et renvoi en colonne à droite du haut.
    auto* haut = new QGridLayout;
    haut->addWidget(vsNivSort, 0, 0, 1, 2, Qt::AlignLeft);
    haut->addWidget(vsPortee, 1, 0, Qt::AlignLeft);
    haut->addWidget(lblMessages, 1, 1);
    haut->setRowStretch(2, 1);
    auto* cote = new QVBoxLayout;
    cote->addWidget(fldstrMagie);
    cote->addWidget(lblVadeRetro);
    cote->addWidget(vsVadeRetro);

    auto* fleches = new QVBoxLayout;
    fleches->addStretch();
    fleches->addWidget(btnAjoutSort);
    fleches->addWidget(btnEnlevSort);
    fleches->addStretch();
    auto* connus = new QHBoxLayout;
    connus->addWidget(vsSortClasse[0], 1);
    connus->addLayout(fleches);
    connus->addWidget(vsSortClasse[1], 1);
    auto* boutonsConnus = new QHBoxLayout;
    boutonsConnus->addWidget(btnCacherMontrer);
    boutonsConnus->addWidget(btnMontrer);
    boutonsConnus->addStretch();
    auto* gauche = new QVBoxLayout;
    gauche->addLayout(connus);
    gauche->addLayout(boutonsConnus);
    auto* boutonsListe = new QHBoxLayout;
    boutonsListe->addWidget(btnMetamagie);
    boutonsListe->addStretch();
    boutonsListe->addWidget(ChkCacheColonnes);
    boutonsListe->addWidget(btnImprimer);
    auto* droite = new QVBoxLayout;
    droite->addWidget(lblPreparation);
    droite->addWidget(vsSortListe);
    droite->addLayout(boutonsListe);

    auto* grilleBas = new QHBoxLayout;
    grilleBas->addLayout(gauche, 1);
    grilleBas->addLayout(droite, 1);
    auto* hautEtCote = new QHBoxLayout;
    hautEtCote->addLayout(haut, 3);
    hautEtCote->addLayout(cote, 1);
    // Les noms des sorts restent lisibles : sous cette largeur, la page défile au lieu de les couper.
    vsSortClasse[0]->setMinimumWidth(290);
    vsSortClasse[1]->setMinimumWidth(210);
    vsSortListe->setMinimumWidth(480);
    for (QPushButton* b : {btnAjoutSort, btnEnlevSort})
        b->setMaximumWidth(48);
    auto* contenu = new QWidget(this);
    auto* disposition = new QVBoxLayout(contenu);
    disposition->addWidget(AideSort);
    disposition->addLayout(hautEtCote);
    disposition->addLayout(grilleBas, 1);
    auto* zone = new QScrollArea(this);
    zone->setObjectName(QStringLiteral("zonePageSorts"));
    zone->setWidget(contenu);
    zone->setWidgetResizable(true);
    zone->setFrameShape(QFrame::NoFrame);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(zone);
    remplitTable();
}

void PageSorts::charge(const Fiche& fiche)
{
    const bool memePersonnage = m_classeChoisie && m_fiche.Personnage.Nom == fiche.Personnage.Nom;
    m_fiche = fiche;
    if (memePersonnage) {
        montreClasse(m_classeDemandee);
        return;
    }
    m_classeChoisie = false;
    // Les sorts raciaux se demandent par une classe vide.
    const bool racial = !fiche.Sorts.isEmpty() && fiche.Sorts.first().classe == fiche.Personnage.RACE
                        && std::none_of(fiche.Classes.cbegin(), fiche.Classes.cend(),
                                        [&](const ClasseFiche& c) { return c.Classe == fiche.Personnage.RACE; });
    montreClasse(fiche.Sorts.isEmpty() || racial ? QString() : fiche.Sorts.first().classe);
}

void PageSorts::montreClasse(const QString& classe)
{
    m_classeChoisie = true;
    m_classeDemandee = classe;
    m_sorts = rempNbSort(m_programme, m_fiche, classe);
    m_sorts.connus = SortsConnus(m_perso, m_fiche.Personnage.Nom, m_sorts.classe);
    m_sorts.prepares = EmplacementsJour(m_sorts);
    ChargeSortsPrepares(m_perso, m_programme, m_fiche.Personnage.Nom, m_sorts);
    remplitTable();
    remplitConnus();
    remplitListeClasse();
    remplitPrepares();
}

SortsGrille PageSorts::grilleDescription(const QTableWidget* grille, int ligne) const
{
    SortsGrille s;
    s.source = grille == vsSortListe ? QStringLiteral("VSSORTLISTE") : QStringLiteral("VSSORTCLASSE");
    s.choisie = ligne;
    for (int r = 0; r < grille->rowCount(); ++r) {
        LigneGrilleSort l;
        const auto* choix = qobject_cast<const QComboBox*>(grille->cellWidget(r, 0));
        l.nom = choix ? choix->currentText() : texteCellule(grille, r, 0);
        const QString niveau = texteCellule(grille, r, 1);
        l.classeNiveau = niveau.isEmpty() ? QString() : m_sorts.classe + u' ' + niveau;
        bool ok = false;
        const int n = niveau.toInt(&ok);
        // Le DD d'un sort connu est celui de son niveau, quand la classe lance des sorts de ce niveau.
        if (grille == vsSortListe)
            l.dd = texteCellule(grille, r, 2);
        else if (ok && n >= 0 && n < kNiveauxSort && m_sorts.parJour[n])
            l.dd = QString::number(m_sorts.dd[n]);
        s.lignes.append(l);
    }
    return s;
}

void PageSorts::remplitTable()
{
    const SortsClasse& s = m_sorts;
    for (int n = 0; n < kNiveauxAffiches; ++n) {
        const bool sorts = n < kNiveauxSort && s.parJour[n];
        const auto valeur = [&](int v) { return sorts ? QString::number(v) : QStringLiteral("-"); };
        cellule(vsNivSort, 0, n + 1, valeur(n < kNiveauxSort ? s.mana[n] : 0));
        cellule(vsNivSort, 1, n + 1, valeur(n < kNiveauxSort ? s.dd[n] : 0));
        cellule(vsNivSort, 2, n + 1, sorts ? tiret(s.parJour[n]) : QStringLiteral("-"));
        cellule(vsNivSort, 3, n + 1, valeur(n < kNiveauxSort ? s.bonusCarac[n] : 0));
        cellule(vsNivSort, 4, n + 1, valeur(n < kNiveauxSort ? s.speDom[n] + s.supplementaires[n] : 0));
        cellule(vsNivSort, 5, n + 1, sorts ? tiret(s.total[n]) : QStringLiteral("-"));
    }
    for (int r = 0; r < vsNivSort->rowCount(); ++r)
        cellule(vsNivSort, r, kNiveauxAffiches + 1, r == 5 ? QString::number(s.pointsMagie) : QString());
    vsNivSort->resizeColumnsToContents();

    const QStringList portee{s.classe, QString::number(s.niveauLanceur),
                             s.sortMax < 0 ? QStringLiteral("-") : QString::number(s.sortMax),
                             QString::number(s.porteeCourte), QString::number(s.porteeMoyenne),
                             QString::number(s.porteeLongue), QString::number(s.niveauProgression)};
    for (int c = 0; c < portee.size(); ++c)
        cellule(vsPortee, 0, c, portee.at(c));
    vsPortee->resizeColumnsToContents();

    lblMessages->setText(s.messages.join(u'\n'));
    fldstrMagie->setPlainText(s.texteMagie);
    const VadeRetro& v = s.vadeRetro;
    vsVadeRetro->setVisible(v.niveauEffectif > 0);
    lblVadeRetro->setVisible(v.niveauEffectif > 0);
    lblVadeRetro->setText(QStringLiteral("Renvoi des morts-vivants : %1 fois par jour, test 1d20%2%3, dégâts %4")
                              .arg(v.utilisations)
                              .arg(v.bonusTest >= 0 ? QStringLiteral("+") : QString())
                              .arg(v.bonusTest)
                              .arg(v.degats));
    vsVadeRetro->setRowCount(int(v.lignes.size()));
    for (int r = 0; r < v.lignes.size(); ++r) {
        cellule(vsVadeRetro, r, 0, v.lignes.at(r).test);
        cellule(vsVadeRetro, r, 1, QString::number(v.lignes.at(r).desDeVieMax));
    }
    vsVadeRetro->resizeColumnsToContents();
    btnCacherMontrer->setText((vsSortClasse[1]->isHidden() ? QStringLiteral("Montrer la liste de sorts de ")
                                                             : QStringLiteral("Cacher la liste de sorts de "))
                              + s.classe);
}

void PageSorts::remplitConnus()
{
    QTableWidget* g = vsSortClasse[0];
    g->setRowCount(int(m_sorts.connus.size()));
    for (int r = 0; r < m_sorts.connus.size(); ++r) {
        cellule(g, r, 0, m_sorts.connus.at(r).nom);
        cellule(g, r, 1, QString::number(m_sorts.connus.at(r).niveau));
        cellule(g, r, kColonneAide, QStringLiteral("..."));
        cellule(g, r, 3, m_sorts.classe);
    }
}

void PageSorts::remplitListeClasse()
{
    QTableWidget* g = vsSortClasse[1];
    QStringList connus;
    for (const SortConnu& c : m_sorts.connus)
        connus.append(c.nom);
    g->setRowCount(0);
    for (const SortConnu& c : ListeSortsClasse(m_programme, m_sorts.colonne)) {
        if (!m_tousLesSorts && connus.contains(c.nom, Qt::CaseInsensitive))
            continue;
        const int r = g->rowCount();
        g->insertRow(r);
        cellule(g, r, 0, c.nom);
        cellule(g, r, 1, QString::number(c.niveau));
        if (m_tousLesSorts)
            cellule(g, r, 2,
                    m_programme.cherche(QStringLiteral("Sort"), QStringLiteral("PrimaryKey"), {c.nom})
                        .texte(QStringLiteral("Classe/Niveau")));
    }
}

void PageSorts::remplitPrepares()
{
    const QStringList domaines = DomainesPersonnage(m_fiche.Personnage);
    vsSortListe->setRowCount(int(m_sorts.prepares.size()));
    QStringList entetes;
    // Les emplacements d'un même niveau et d'une même sorte offrent les mêmes sorts.
    QHash<std::pair<int, bool>, QStringList> offerts;
    for (int r = 0; r < m_sorts.prepares.size(); ++r) {
        const EmplacementSort& e = m_sorts.prepares.at(r);
        entetes.append(e.emplacement);
        const std::pair<int, bool> sorte{e.niveau, e.domaine};
        if (!offerts.contains(sorte))
            offerts.insert(sorte, ChoixEmplacement(m_programme, m_sorts, domaines, e));
        auto* choix = new QComboBox(vsSortListe);
        choix->addItem(QString());
        choix->addItems(offerts.value(sorte));
        // Un sort enregistré qui n'est plus offert (grimoire changé) reste visible à sa place.
        if (!e.nom.isEmpty() && choix->findText(e.nom) < 0)
            choix->addItem(e.nom);
        choix->setCurrentText(e.nom);
        choix->setEnabled(m_sorts.preparation != PreparationSorts::Spontanee);
        connect(choix, &QComboBox::activated, this, [this, r, choix] { choisitSort(r, choix->currentText()); });
        vsSortListe->setCellWidget(r, 0, choix);
        cellule(vsSortListe, r, 1, QString::number(e.niveau));
        cellule(vsSortListe, r, 2, e.nom.isEmpty() ? QString() : QString::number(e.dd));
        cellule(vsSortListe, r, 3, e.ecole);
        cellule(vsSortListe, r, 4, e.metamagie);
    }
    vsSortListe->setVerticalHeaderLabels(entetes);
    lblPreparation->setText(m_sorts.prepares.isEmpty() ? QString() : TextePreparation(m_sorts));
}

bool PageSorts::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (objet == vsSortClasse[0] && touche == Qt::Key_Right) {
            btnEnlevSort_Click();
            return true;
        }
        if (objet == vsSortClasse[1] && touche == Qt::Key_Left) {
            btnAjoutSort_Click();
            return true;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

void PageSorts::avertit(const QString& message)
{
    QMessageBox::warning(this, QStringLiteral("Sorts"), message);
}

void PageSorts::enregistreConnus()
{
    std::sort(m_sorts.connus.begin(), m_sorts.connus.end(),
              [](const SortConnu& a, const SortConnu& b) { return a.nom.localeAwareCompare(b.nom) < 0; });
    EnregSort(m_perso, m_fiche.Personnage.Nom, m_sorts.classe, m_sorts.connus);
    remplitConnus();
    remplitListeClasse();
    emit sortsModifies();
}

void PageSorts::btnAjoutSort_Click()
{
    const int ligne = vsSortClasse[1]->currentRow();
    if (ligne < 0)
        return;
    const QString question = QuestionTousLesSorts(m_programme, m_sorts);
    if (!question.isEmpty()) {
        QMessageBox boite(QMessageBox::Warning, QStringLiteral("Sorts"), question,
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        boite.setDefaultButton(QMessageBox::Cancel);
        const int reponse = boite.exec();
        if (reponse == QMessageBox::Cancel)
            return;
        if (reponse == QMessageBox::Yes) {
            for (const SortConnu& s : TousLesSorts(m_programme, m_sorts))
                if (std::none_of(m_sorts.connus.cbegin(), m_sorts.connus.cend(),
                                 [&](const SortConnu& c) { return c.nom.compare(s.nom, Qt::CaseInsensitive) == 0; }))
                    m_sorts.connus.append(s);
            enregistreConnus();
            return;
        }
    }
    const AjoutSort ajout = ControleAjoutSort(m_programme, m_fiche, m_sorts, texteCellule(vsSortClasse[1], ligne, 0));
    if (ajout.refus) {
        avertit(*ajout.refus);
        return;
    }
    m_sorts.connus.append(ajout.sort);
    enregistreConnus();
}

void PageSorts::btnEnlevSort_Click()
{
    const int ligne = vsSortClasse[0]->currentRow();
    if (ligne < 0 || ligne >= m_sorts.connus.size())
        return;
    m_sorts.connus.removeAt(ligne);
    enregistreConnus();
}

void PageSorts::btnMontrer_Click()
{
    m_tousLesSorts = !m_tousLesSorts;
    btnMontrer->setText(m_tousLesSorts ? QStringLiteral("&Cacher les sorts de la classe")
                                       : QStringLiteral("&Montrer tous les sorts de la classe"));
    const QStringList entetes = m_tousLesSorts
        ? QStringList{QStringLiteral("Sorts de classe"), QStringLiteral("Niv "), QStringLiteral("Classe/Niveau")}
        : QStringList{QStringLiteral("Sorts de classe"), QStringLiteral("Niveau")};
    vsSortClasse[1]->setColumnCount(int(entetes.size()));
    vsSortClasse[1]->setHorizontalHeaderLabels(entetes);
    remplitListeClasse();
}

void PageSorts::btnCacherMontrer_Click()
{
    const bool cache = !vsSortClasse[1]->isHidden();
    for (QWidget* w : {static_cast<QWidget*>(vsSortClasse[1]), static_cast<QWidget*>(btnAjoutSort),
                       static_cast<QWidget*>(btnMontrer)})
        w->setHidden(cache);
    remplitTable();
}

void PageSorts::choisitSort(int ligne, const QString& nomSort)
{
    const std::optional<QString> refus =
        PrepareSort(m_programme, m_sorts, DomainesPersonnage(m_fiche.Personnage), ligne, nomSort);
    if (refus)
        avertit(*refus);
    else {
        EnregSortListe(m_perso, m_fiche.Personnage.Nom, m_sorts);
        emit sortsModifies();
    }
    remplitPrepares();
}

void PageSorts::btnMetamagie_Click()
{
    const int ligne = vsSortListe->currentRow();
    if (ligne < 0 || ligne >= m_sorts.prepares.size() || m_sorts.prepares.at(ligne).nom.isEmpty()) {
        avertit(QStringLiteral("Choisissez d'abord un emplacement qui porte un sort."));
        return;
    }
    const EmplacementSort& e = m_sorts.prepares.at(ligne);
    const int base = NiveauSortEmplacement(m_programme, m_sorts, DomainesPersonnage(m_fiche.Personnage), e, e.nom)
                         .value_or(e.niveau);
    frmMetamagie fenetre(m_programme, m_fiche.Dons, e.nom, base, m_sorts.sortMax, this);
    if (fenetre.exec() != QDialog::Accepted)
        return;
    if (const std::optional<QString> refus =
            AppliqueMetamagie(m_sorts, ligne, fenetre.resultat().niveau, fenetre.resultat().dons)) {
        avertit(*refus);
        return;
    }
    EnregSortListe(m_perso, m_fiche.Personnage.Nom, m_sorts);
    remplitPrepares();
    emit sortsModifies();
}

// Impression de la liste du jour ; les colonnes sans aucune valeur peuvent être omises.
void PageSorts::btnImprimer_Click()
{
    const QString html = ListeSortsHtml(m_fiche.Personnage.Nom, m_sorts, ChkCacheColonnes->isChecked());
    QPrinter imprimante;
    imprimante.setDocName(QStringLiteral("Liste"));
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(html);
    document.print(&imprimante);
}

#include "PageEquipement.h"
#include "PageChamps.h"
#include "Fiche.h"
#include "shell/UtilitairesFenetres.h"

#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace {

constexpr int kPasDePos = -1;
const char* const kProprietePos = "Pos";

// Disposition du corps : de la tête aux pieds, les objets divers en bas.
constexpr int kDisposition[7][3] = {{7, 15, 4},   {8, 1, 14},   {0, 10, 2},   {3, 9, 5},
                                    {12, 6, 11},  {13, 16, 17}, {18, 19, 20}};

const QString kStyleEmplacement = QStringLiteral(
    "QLabel { border: 1px solid #8a8a8a; border-radius: 3px; background: #fbfbf6; padding: 2px; }");
const QString kStyleDepot = QStringLiteral(
    "QLabel { border: 1px solid #00007f; border-radius: 3px; background: #0000ff; color: white; padding: 2px; }");

QMimeData* donneesObjet(int pos)
{
    auto* donnees = new QMimeData;
    donnees->setData(QLatin1String(kFormatObjet), QByteArray::number(pos));
    return donnees;
}

int posDeposee(const QMimeData* donnees)
{
    bool ok = false;
    const int pos = donnees->data(QLatin1String(kFormatObjet)).toInt(&ok);
    return ok ? pos : kPasDePos;
}

// Emplacement du corps (LabPlace) : montre l'objet porté, se glisse et reçoit un objet.
class Emplacement : public QLabel
{
public:
    Emplacement(int place, std::function<void(int, int)> depot, QWidget* parent)
        : QLabel(parent), m_place(place), m_depot(std::move(depot))
    {
        setObjectName(QStringLiteral("LabPlace_%1").arg(place));
        setAcceptDrops(true);
        setStyleSheet(kStyleEmplacement);
        setMinimumHeight(fontMetrics().height() + 8);
        setProperty(kProprietePos, kPasDePos);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        m_depart = e->position().toPoint();
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        const int pos = property(kProprietePos).toInt();
        if (!(e->buttons() & Qt::LeftButton) || pos == kPasDePos
            || (e->position().toPoint() - m_depart).manhattanLength() < QApplication::startDragDistance())
            return;
        auto* glisse = new QDrag(this);
        glisse->setMimeData(donneesObjet(pos));
        glisse->exec(Qt::MoveAction);
    }
    void dragEnterEvent(QDragEnterEvent* e) override
    {
        if (e->mimeData()->hasFormat(QLatin1String(kFormatObjet)))
            e->acceptProposedAction();
    }
    void dropEvent(QDropEvent* e) override
    {
        const int pos = posDeposee(e->mimeData());
        if (pos == kPasDePos)
            return;
        e->acceptProposedAction();
        m_depot(pos, m_place);
    }

private:
    int m_place;
    std::function<void(int, int)> m_depot;
    QPoint m_depart;
};

// Liste des objets portés sans emplacement (List1) : ses lignes se glissent vers le corps,
// un objet du corps déposé ici y revient.
class ListeObjets : public QListWidget
{
public:
    ListeObjets(std::function<void(int, int)> depot, QWidget* parent) : QListWidget(parent), m_depot(std::move(depot))
    {
        setObjectName(QStringLiteral("List1"));
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(false);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDefaultDropAction(Qt::MoveAction);
    }

protected:
    QStringList mimeTypes() const override { return {QLatin1String(kFormatObjet)}; }
    QMimeData* mimeData(const QList<QListWidgetItem*>& lignes) const override
    {
        return lignes.isEmpty() ? nullptr : donneesObjet(lignes.first()->data(Qt::UserRole).toInt());
    }
    void dragEnterEvent(QDragEnterEvent* e) override
    {
        if (e->mimeData()->hasFormat(QLatin1String(kFormatObjet)))
            e->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* e) override
    {
        // Un objet de la liste lâché sur elle-même ne bouge pas.
        if (e->source() != this && e->mimeData()->hasFormat(QLatin1String(kFormatObjet)))
            e->acceptProposedAction();
        else
            e->ignore();
    }
    void dropEvent(QDropEvent* e) override
    {
        const int pos = posDeposee(e->mimeData());
        if (e->source() == this || pos == kPasDePos)
            return;
        e->acceptProposedAction();
        m_depot(pos, -1);
    }

private:
    std::function<void(int, int)> m_depot;
};

} // namespace

PageEquipement::PageEquipement(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageEquipement"));
    const auto depot = [this](int pos, int place) { Q_EMIT depose(pos, place); };
    List1 = new ListeObjets(depot, this);
    List1->setToolTip(QStringLiteral("Glissez un objet sur un emplacement du corps pour le porter."));
    vsEquip = grilleFiche(this, QStringLiteral("vsEquip"), {QStringLiteral("Nom"), QStringLiteral("Divers")});
    vsEquip->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    vsEquip->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ImagePersonnage = new QLabel(this);
    ImagePersonnage->setObjectName(QStringLiteral("ImagePersonnage"));
    ImagePersonnage->setFixedSize(Pixels(2600), Pixels(3000));
    ImagePersonnage->setAlignment(Qt::AlignCenter);
    ImagePersonnage->setFrameShape(QFrame::StyledPanel);
    ImagePersonnage->setToolTip(QStringLiteral("Cliquez pour choisir l'image du personnage."));
    ImagePersonnage->setCursor(Qt::PointingHandCursor);
    ImagePersonnage->installEventFilter(this);

    auto* sac = new QVBoxLayout;
    sac->addWidget(new QLabel(QStringLiteral("Objets portés sans emplacement"), this));
    // Sans ce mot, rien ne dit qu'un objet de cette liste ne compte pas encore.
    auto* LabPorter = new QLabel(QStringLiteral("Pour porter un objet, glissez-le sur un emplacement."), this);
    LabPorter->setObjectName(QStringLiteral("LabPorter"));
    LabPorter->setToolTip(QStringLiteral("La position d'un objet se choisit aussi dans l'éditeur de personnages "
                                         "(colonne Position)."));
    LabPorter->setWordWrap(true);
    sac->addWidget(LabPorter);
    sac->addWidget(List1, 1);
    auto* haut = new QHBoxLayout;
    haut->addLayout(sac, 1);
    haut->addWidget(ImagePersonnage, 0, Qt::AlignTop);

    auto* totaux = new QGridLayout;
    const std::pair<const char*, const char*> champs[5] = {{"fldnPoidsEquip", "Poids (kg)"},
                                                           {"fldnCoutEquip", "Coût (po)"},
                                                           {"fldnPenaliteArmure", "Malus d'armure"},
                                                           {"fldnEchecSort", "Échec des sorts (%)"},
                                                           {"fldnDexMax", "Dextérité max."}};
    for (int i = 0; i < 5; ++i)
        ajouteLigne(totaux, i / 3, (i % 3) * 2, QString::fromUtf8(champs[i].second),
                    champFiche(this, QLatin1String(champs[i].first)));
    totaux->setColumnStretch(6, 1);
    totaux->addWidget(champFiche(this, QStringLiteral("fldstrEquipement"), false), 2, 0, 1, 7);

    auto* droite = new QVBoxLayout;
    droite->addLayout(haut, 2);
    droite->addWidget(new QLabel(QStringLiteral("Objets qui comptent"), this));
    droite->addWidget(vsEquip, 3);
    droite->addLayout(totaux);

    auto* disposition = new QHBoxLayout(this);
    disposition->addWidget(creeCorps(), 5);
    disposition->addLayout(droite, 6);

    Timer_Equip1.setSingleShot(true);
    Timer_Equip1.setInterval(500);
    connect(&Timer_Equip1, &QTimer::timeout, this, &PageEquipement::restaureFonds);
}

QWidget* PageEquipement::creeCorps()
{
    auto* g = new QGridLayout;
    g->setVerticalSpacing(2);
    auto* corps = new QGroupBox(QStringLiteral("Objets portés (cochés : comptent pour la fiche)"), this);
    corps->setLayout(g);
    const auto depot = [this](int pos, int place) { Q_EMIT depose(pos, place); };
    for (int ligne = 0; ligne < 7; ++ligne)
        for (int colonne = 0; colonne < 3; ++colonne) {
            const int place = kDisposition[ligne][colonne];
            auto* valide = new QCheckBox(LibellePlace(place), corps);
            valide->setObjectName(QStringLiteral("ValideEquipement_%1").arg(place));
            valide->setChecked(true);
            connect(valide, &QCheckBox::toggled, this, [this, place](bool coche) { Q_EMIT valideChange(place, coche); });
            auto* etiquette = new Emplacement(place, depot, corps);
            etiquette->installEventFilter(this);
            g->addWidget(valide, ligne * 2, colonne);
            g->addWidget(etiquette, ligne * 2 + 1, colonne);
            m_valides[place] = valide;
            m_places[place] = etiquette;
        }
    auto* CmdTout = new QPushButton(QStringLiteral("Tout"), corps);
    CmdTout->setObjectName(QStringLiteral("CmdTout"));
    CmdTout->setToolTip(QStringLiteral("Tous les emplacements comptent."));
    auto* CmdRien = new QPushButton(QStringLiteral("Rien"), corps);
    CmdRien->setObjectName(QStringLiteral("CmdRien"));
    CmdRien->setToolTip(QStringLiteral("Aucun emplacement ne compte."));
    connect(CmdTout, &QPushButton::clicked, this, [this] { Q_EMIT toutOuRien(true); });
    connect(CmdRien, &QPushButton::clicked, this, [this] { Q_EMIT toutOuRien(false); });
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(CmdTout);
    boutons->addWidget(CmdRien);
    boutons->addStretch();
    g->addLayout(boutons, 14, 0, 1, 3);
    for (int colonne = 0; colonne < 3; ++colonne)
        g->setColumnStretch(colonne, 1);
    g->setRowStretch(15, 1);
    return corps;
}

void PageEquipement::remplitPlaces(const EquipementPersonnage& e)
{
    for (int p = 0; p < kNombrePlaces; ++p) {
        const ObjetPlace& o = e.Places[p];
        m_places[p]->setText(o.NomObjet);
        m_places[p]->setProperty(kProprietePos, o.estVide() ? kPasDePos : o.Pos);
        m_places[p]->setToolTip(o.estVide() ? QString() : o.NomObjet + u' ' + o.Description);
    }
    List1->clear();
    for (const ObjetPlace& o : e.Liste) {
        auto* ligne = new QListWidgetItem(o.NomObjet, List1);
        ligne->setData(Qt::UserRole, o.Pos);
        ligne->setToolTip(o.Description);
    }
}

void PageEquipement::remplit(const Fiche& f)
{
    vsEquip->setRowCount(int(f.Equipement.size()));
    for (int i = 0; i < f.Equipement.size(); ++i) {
        vsEquip->setItem(i, 0, cellule(f.Equipement[i].Nom));
        vsEquip->setItem(i, 1, cellule(f.Equipement[i].Divers));
        vsEquip->item(i, 1)->setToolTip(f.Equipement[i].Divers);
    }
    const EquipementFiche& e = f.Equip;
    metChamp(this, QStringLiteral("fldnPoidsEquip"), QString::number(e.Poids));
    metChamp(this, QStringLiteral("fldnCoutEquip"), QString::number(e.Cout));
    metChamp(this, QStringLiteral("fldnPenaliteArmure"), e.PenaliteArmure);
    metChamp(this, QStringLiteral("fldnEchecSort"), e.EchecSortProfane);
    metChamp(this, QStringLiteral("fldstrEquipement"), f.ResumeEquipement);
    metChamp(this, QStringLiteral("fldnDexMax"), e.BonusDexMax ? QString::number(*e.BonusDexMax) : QStringLiteral("-"));

    // Une image illisible laisse la place vide, sans message.
    const QPixmap image(f.Image);
    if (image.isNull()) {
        ImagePersonnage->setPixmap(QPixmap());
        ImagePersonnage->setText(QStringLiteral("Aucune image\n(cliquez pour en choisir une)"));
    } else {
        ImagePersonnage->setPixmap(image.scaled(ImagePersonnage->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
    }
}

void PageEquipement::metValides(const std::array<bool, kNombrePlaces>& valides)
{
    for (int p = 0; p < kNombrePlaces; ++p) {
        const QSignalBlocker bloque(m_valides[p]);
        m_valides[p]->setChecked(valides[p]);
    }
}

void PageEquipement::signaleDepot(int place)
{
    if (place < 0 || place >= kNombrePlaces)
        return;
    m_places[place]->setStyleSheet(kStyleDepot);
    Timer_Equip1.start();
}

void PageEquipement::restaureFonds()
{
    for (QLabel* l : m_places)
        l->setStyleSheet(kStyleEmplacement);
}

bool PageEquipement::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ImagePersonnage && evenement->type() == QEvent::MouseButtonRelease)
        Q_EMIT imageCliquee();
    if (evenement->type() == QEvent::MouseButtonDblClick)
        if (auto* etiquette = qobject_cast<QLabel*>(objet); etiquette && !etiquette->text().isEmpty()
                                                              && std::find(m_places.begin(), m_places.end(), etiquette) != m_places.end())
            Q_EMIT objetDoubleClic(etiquette->text());
    return QWidget::eventFilter(objet, evenement);
}

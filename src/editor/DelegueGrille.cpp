#include "DelegueGrille.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMetaProperty>
#include <QToolButton>

void DelegueGrille::metListe(int colonne, const QStringList& elements)
{
    m_listes.insert(colonne, elements);
}

void DelegueGrille::metListeParLigne(int colonne, std::function<QStringList(int ligne)> elements)
{
    m_listesParLigne.insert(colonne, std::move(elements));
}

void DelegueGrille::metBouton(int colonne)
{
    m_boutons.insert(colonne);
}

void DelegueGrille::metFigees(const QSet<int>& colonnes)
{
    m_figees = colonnes;
}

QWidget* DelegueGrille::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int colonne = index.column();
    if (m_figees.contains(colonne)) {
        const int ligne = index.row();
        auto* delegue = const_cast<DelegueGrille*>(this);
        QMetaObject::invokeMethod(
            delegue, [delegue, ligne, colonne] { Q_EMIT delegue->celluleFigee(ligne, colonne); }, Qt::QueuedConnection);
        return nullptr;
    }
    if (m_listes.contains(colonne) || m_listesParLigne.contains(colonne)) {
        auto* liste = new QComboBox(parent);
        liste->addItems(m_listesParLigne.contains(colonne) ? m_listesParLigne.value(colonne)(index.row())
                                                           : m_listes.value(colonne));
        // Un choix dans la liste vaut saisie : la cellule est écrite aussitôt.
        connect(liste, &QComboBox::activated, this, [this, liste] {
            auto* delegue = const_cast<DelegueGrille*>(this);
            Q_EMIT delegue->commitData(liste);
            Q_EMIT delegue->closeEditor(liste);
        });
        return liste;
    }
    if (m_boutons.contains(colonne)) {
        auto* cadre = new QWidget(parent);
        cadre->setAutoFillBackground(true);
        auto* disposition = new QHBoxLayout(cadre);
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->setSpacing(0);
        auto* champ = new QLineEdit(cadre);
        champ->setFrame(false);
        auto* bouton = new QToolButton(cadre);
        bouton->setText(QStringLiteral("..."));
        bouton->setToolTip(QStringLiteral("Choisir l'objet dans le catalogue"));
        disposition->addWidget(champ);
        disposition->addWidget(bouton);
        cadre->setFocusProxy(champ);
        const int ligne = index.row();
        connect(bouton, &QToolButton::clicked, this, [this, cadre, ligne, colonne] {
            auto* delegue = const_cast<DelegueGrille*>(this);
            Q_EMIT delegue->closeEditor(cadre, QAbstractItemDelegate::NoHint);
            Q_EMIT delegue->boutonCellule(ligne, colonne);
        });
        return cadre;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void DelegueGrille::setEditorData(QWidget* editeur, const QModelIndex& index) const
{
    const QString texte = index.data(Qt::EditRole).toString();
    if (auto* liste = qobject_cast<QComboBox*>(editeur)) {
        // Une valeur lue hors de la liste reste proposée : ouvrir la cellule ne la perd pas.
        if (!texte.isEmpty() && liste->findText(texte, Qt::MatchFixedString) < 0)
            liste->insertItem(0, texte);
        liste->setCurrentIndex(liste->findText(texte, Qt::MatchFixedString));
        return;
    }
    if (m_boutons.contains(index.column())) {
        editeur->findChild<QLineEdit*>()->setText(texte);
        return;
    }
    QStyledItemDelegate::setEditorData(editeur, index);
}

void DelegueGrille::setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const
{
    QString texte;
    if (auto* liste = qobject_cast<QComboBox*>(editeur))
        texte = liste->currentText();
    else if (m_boutons.contains(index.column()))
        texte = editeur->findChild<QLineEdit*>()->text();
    else
        texte = editeur->metaObject()->userProperty().read(editeur).toString();
    // Une cellule ouverte puis refermée sans changement ne fait pas passer en modification.
    if (texte == index.data(Qt::EditRole).toString())
        return;
    Q_EMIT const_cast<DelegueGrille*>(this)->avantSaisie(index.row(), index.column());
    modele->setData(index, texte, Qt::EditRole);
}

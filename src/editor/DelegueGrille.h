#pragma once
// Édition des cellules des grilles de l'éditeur : liste déroulante par colonne ("a|b|c"),
// ou champ suivi d'un bouton "..." qui ouvre un choix.
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

class DelegueGrille : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void metListe(int colonne, const QStringList& elements);
    // Liste propre à chaque ligne, demandée à l'ouverture de la cellule.
    void metListeParLigne(int colonne, std::function<QStringList(int ligne)> elements);
    void metBouton(int colonne);
    // Colonnes que l'utilisateur ne peut pas changer : vouloir en ouvrir une émet celluleFigee.
    void metFigees(const QSet<int>& colonnes);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override;
    void setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const override;

Q_SIGNALS:
    // Une saisie va changer la cellule : émis juste avant l'écriture, pour pouvoir la défaire.
    void avantSaisie(int ligne, int colonne);
    // Le bouton "..." de la cellule a été pressé.
    void boutonCellule(int ligne, int colonne);
    // Émis après coup, pour qu'un message ne s'ouvre pas au milieu de l'ouverture d'un éditeur.
    void celluleFigee(int ligne, int colonne);

private:
    QHash<int, QStringList> m_listes;
    QHash<int, std::function<QStringList(int)>> m_listesParLigne;
    QSet<int> m_boutons;
    QSet<int> m_figees;
};

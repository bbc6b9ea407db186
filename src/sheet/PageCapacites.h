#pragma once
// Page des capacités spéciales : le catalogue (vsCapaciteListe), les capacités prises
// (vsCapacitePerso) et les boutons qui les font passer de l'un à l'autre.
#include <QWidget>

struct Fiche;
class QLabel;
class QPushButton;
class QTableWidget;

class PageCapacites : public QWidget
{
    Q_OBJECT

public:
    explicit PageCapacites(QWidget* parent = nullptr);
    void remplit(const Fiche& fiche);

    QTableWidget* vsCapaciteListe;
    QTableWidget* vsCapacitePerso;
    QPushButton* btnAjouter;
    QPushButton* btnEnlever;
    QLabel* lblCatalogueVide;   // pourquoi il n'y a rien à prendre
    QLabel* lblPriseVide;       // pourquoi aucune capacité n'est prise

Q_SIGNALS:
    // Ligne choisie, -1 sans choix.
    void ajoute(int ligneCatalogue);
    void enleve(int lignePrise);
    void niveauSaisi(int lignePrise, const QString& niveau);

private:
    bool m_remplissage = false;
};

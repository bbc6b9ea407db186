#pragma once
// Page des compétences : la liste vsComp et la zone des notes de circonstance.
#include <QWidget>

struct Fiche;
class QLabel;
class QTableWidget;

class PageCompetences : public QWidget
{
    Q_OBJECT

public:
    explicit PageCompetences(QWidget* parent = nullptr);
    void remplit(const Fiche& fiche);

    QTableWidget* vsComp;
    QLabel* lblLegende;   // dit de quelle classe sont les compétences en vert

Q_SIGNALS:
    // Lien de la légende : revenir à la classe du dernier niveau.
    void classeParDefaut();
};

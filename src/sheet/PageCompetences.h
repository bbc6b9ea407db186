#pragma once
// Page des compétences : la liste vsComp et la zone des notes de circonstance.
#include <QWidget>

struct Fiche;
class QTableWidget;

class PageCompetences : public QWidget
{
    Q_OBJECT

public:
    explicit PageCompetences(QWidget* parent = nullptr);
    void remplit(const Fiche& fiche);

    QTableWidget* vsComp;
};

#pragma once
// Page des dons : la liste vsDon et le bouton qui cache les dons de progression dépassés.
#include <QWidget>

struct Fiche;
class QLabel;
class QPushButton;
class QTableWidget;

class PageDons : public QWidget
{
    Q_OBJECT

public:
    explicit PageDons(QWidget* parent = nullptr);
    void remplit(const Fiche& fiche);

    QTableWidget* vsDon;
    QPushButton* btnCacherDon;
    QLabel* lblProgression;   // combien de lignes de progression dépassées le bouton cache ou montre

Q_SIGNALS:
    void basculeDons();
};

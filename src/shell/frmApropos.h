#pragma once
// Boîte « A propos » : numéros de version et lien vers le site de l'auteur.
#include <QDialog>
#include <QLabel>

class QPlainTextEdit;
class QPushButton;

// Étiquette qui réagit au clic, comme un lien.
class EtiquetteLien : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clique();

protected:
    void mouseReleaseEvent(QMouseEvent* evenement) override;
};

class frmApropos : public QDialog
{
    Q_OBJECT

public:
    explicit frmApropos(const QString& adresseSite, QWidget* parent = nullptr);

    QPlainTextEdit* txtVersion;
    EtiquetteLien* lblSite;
    QPushButton* cmdOK;
};

#include "frmApropos.h"
#include "Application.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

void EtiquetteLien::mouseReleaseEvent(QMouseEvent* evenement)
{
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint()))
        Q_EMIT clique();
    QLabel::mouseReleaseEvent(evenement);
}

frmApropos::frmApropos(const QString& adresseSite, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmApropos"));
    setWindowTitle(QStringLiteral("A propos de Quorvane"));

    auto* nom = new QLabel(QStringLiteral("Quorvane"), this);
    QFont police = nom->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.6);
    nom->setFont(police);
    auto* sousTitre = new QLabel(QStringLiteral("Gestion de personnages pour Donjons et Dragons 3.5"), this);

    txtVersion = new QPlainTextEdit(this);
    txtVersion->setObjectName(QStringLiteral("txtVersion"));
    txtVersion->setReadOnly(true);
    txtVersion->setPlainText(QStringLiteral("Version du logiciel :        \t") + QString::number(VersionMajeure())
                             + u'\n' + QStringLiteral("Paramètres tessarys.mdb : \t") + QString::number(VersionMineure())
                             + u'\n' + QStringLiteral("Nombre de compilations :     \t") + QString::number(Revision()));
    // Les nombres s'alignent sur un taquet placé après le plus long libellé.
    const QFontMetrics mesure = txtVersion->fontMetrics();
    txtVersion->setTabStopDistance(mesure.horizontalAdvance(QStringLiteral("Nombre de compilations :       ")) + 12);
    txtVersion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Trois lignes courtes : à l'échelle 2, l'arrondi du taquet faisait paraître une barre horizontale.
    txtVersion->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtVersion->setFixedHeight(mesure.lineSpacing() * 3 + 2 * txtVersion->frameWidth()
                               + int(2 * txtVersion->document()->documentMargin()) + 12);

    lblSite = new EtiquetteLien(adresseSite, this);
    lblSite->setObjectName(QStringLiteral("lblSite"));
    lblSite->setStyleSheet(QStringLiteral("color: #1f4e9c; text-decoration: underline;"));
    lblSite->setCursor(Qt::PointingHandCursor);
    connect(lblSite, &EtiquetteLien::clique, this, [adresseSite] { QDesktopServices::openUrl(QUrl(adresseSite)); });

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* bas = new QHBoxLayout;
    bas->addWidget(lblSite);
    bas->addStretch();
    bas->addWidget(cmdOK);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(nom);
    disposition->addWidget(sousTitre);
    disposition->addWidget(txtVersion);
    disposition->addLayout(bas);
}

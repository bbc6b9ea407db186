#include "frmAstuce.h"
#include "ReglagesUtilisateur.h"
#include "UtilitairesFenetres.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

frmAstuce::frmAstuce(const QString& dossierProgramme, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAstuce"));
    setWindowTitle(QStringLiteral("Astuce du jour"));

    auto* cadre = new QFrame(this);
    cadre->setFrameShape(QFrame::StyledPanel);
    cadre->setStyleSheet(QStringLiteral("QFrame { background: #fbf6e9; }"));
    auto* titre = new QLabel(QStringLiteral("Savez-vous..."), cadre);
    titre->setObjectName(QStringLiteral("lblSavezVous"));
    QFont police = titre->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.3);
    titre->setFont(police);
    lblTipText = new QLabel(cadre);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* dansCadre = new QVBoxLayout(cadre);
    dansCadre->addWidget(titre);
    dansCadre->addWidget(lblTipText, 1);

    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Afficher les astuces au démarrage"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    cmdNextTip = new QPushButton(QStringLiteral("Astuce &suivante"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* bas = new QHBoxLayout;
    bas->addWidget(chkLoadTipsAtStartup);
    bas->addStretch();
    bas->addWidget(cmdNextTip);
    bas->addWidget(cmdOK);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre, 1);
    disposition->addLayout(bas);

    chkLoadTipsAtStartup->setChecked(AfficheAstucesAuDemarrage());
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, [](bool coche) { EcritAfficheAstuces(coche); });
    connect(cmdNextTip, &QPushButton::clicked, this, &frmAstuce::AstuceSuivante);
    connect(cmdOK, &QPushButton::clicked, this, [this] { FermeFenetre(this); });

    const QString nom = QLatin1String(kNomFichierAstuces);
    if (!LoadTips(QDir(dossierProgramme).filePath(nom))) {
        lblTipText->setText(QStringLiteral("Le fichier ") + nom + QStringLiteral(" n'a pas été trouvé? ")
                            + QStringLiteral("\n\n") + QStringLiteral("Créez un fichier texte nommé ") + nom
                            + QStringLiteral(" en utilisant le Bloc-notes avec une astuce par ligne. ")
                            + QStringLiteral("Puis placez le dans le même dossier que l'application."));
    }
}

bool frmAstuce::LoadTips(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream flux(&fichier);
    m_astuces.clear();
    while (!flux.atEnd())
        m_astuces.append(flux.readLine());
    m_index = 0;
    AstuceSuivante();
    return true;
}

void frmAstuce::DisplayCurrentTip()
{
    if (!m_astuces.isEmpty())
        lblTipText->setText(m_astuces.value(m_index - 1));
}

void frmAstuce::AstuceSuivante()
{
    ++m_index;
    if (m_index > m_astuces.size())
        m_index = 1;
    DisplayCurrentTip();
}

#include "frmMetamagie.h"
#include "shell/UtilitairesFenetres.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace {

// Largeur d'une colonne de cases (twips) : assez pour "Augmentation d’intensité   (9)".
constexpr int kLargeurCase = 3400;

} // namespace

frmMetamagie::frmMetamagie(BaseDonnees& programme, const QVector<LigneDon>& dons, const QString& nomSort,
                           int niveauBase, int niveauMax, QWidget* parent)
    : QDialog(parent), m_options(OptionsMetamagie(programme, dons, niveauBase, niveauMax)), m_niveauBase(niveauBase),
      m_niveauMax(niveauMax)
{
    setObjectName(QStringLiteral("frmMetamagie"));
    setWindowTitle(QStringLiteral("Appliquer un don de métamagie"));
    const int lignes = std::max<qsizetype>(1, (m_options.size() + 3) / 4);
    setFixedSize(Pixels(120 + 4 * kLargeurCase + 120), Pixels(700 + 700 * lignes + 700));

    const auto etiquette = [this](const QString& nom, int gauche, int haut, int largeur) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        l->setGeometry(Pixels(gauche), Pixels(haut), Pixels(largeur), Pixels(300));
        return l;
    };
    lblNomSort = etiquette(QStringLiteral("lblNomSort"), 120, 80, 3600);
    lblNomSort->setStyleSheet(QStringLiteral("font-weight: bold"));
    lblNomSort->setText(nomSort);
    lblNiveau = etiquette(QStringLiteral("lblNiveau"), 120 + 2 * kLargeurCase, 80, 3600);
    lblNiveau->setText(QStringLiteral("Niveau %1").arg(niveauBase));
    lblNiveauMax = etiquette(QStringLiteral("lblNiveauMax"), 120, 380, 3600);
    lblNiveauMax->setText(QStringLiteral("Niveau de sort maximum : %1").arg(niveauMax));
    lblNiveauMetamagie = etiquette(QStringLiteral("lblNiveauMetamagie"), 120 + 2 * kLargeurCase, 380, 3600);
    lblNiveauMetamagie->setText(QStringLiteral("Niveau du sort modifié : %1").arg(niveauBase));

    // Seules les cases des options existantes se montrent, quatre par rangée depuis le haut.
    for (int i = 0; i < kOptionsMetamagieMax; ++i) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QStringLiteral("chkMetamagie_%1").arg(i));
        c->setGeometry(Pixels(120 + kLargeurCase * (i % 4)), Pixels(700 + 700 * (i / 4)), Pixels(kLargeurCase - 60), Pixels(600));
        c->hide();
        chkMetamagie[i] = c;
        if (i >= m_options.size())
            continue;
        const OptionMetamagie& o = m_options.at(i);
        c->setText(o.libelle);
        c->setToolTip(QStringLiteral("Ajustement de l'emplacement de sort : %1").arg(o.augmentation));
        c->show();
        connect(c, &QCheckBox::toggled, this, [this] {
            lblNiveauMetamagie->setText(
                QStringLiteral("Niveau du sort modifié : %1").arg(NiveauMetamagie(m_niveauBase, m_options, coches())));
        });
    }
    // Sans option, la fenêtre dit pourquoi au lieu de s'ouvrir vide.
    const bool aDesDons = std::any_of(dons.cbegin(), dons.cend(), [](const LigneDon& d) { return d.Genre == u"Métamagie"; });
    lblAucuneOption = etiquette(QStringLiteral("lblAucuneOption"), 120, 700, 4 * kLargeurCase - 120);
    lblAucuneOption->setWordWrap(true);
    lblAucuneOption->setMinimumHeight(Pixels(600));
    lblAucuneOption->setText(aDesDons ? QStringLiteral("Aucun don de métamagie du personnage ne peut s'appliquer : "
                                                       "le sort est déjà au niveau maximum.")
                                      : QStringLiteral("Ce personnage n'a aucun don de métamagie : il n'y a rien à "
                                                       "appliquer à ce sort."));
    lblAucuneOption->setVisible(m_options.isEmpty());
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnOk->setGeometry(width() - Pixels(1320), height() - Pixels(560), Pixels(1200), Pixels(420));
    connect(btnOk, &QPushButton::clicked, this, &frmMetamagie::btnOk_Click);
}

QVector<bool> frmMetamagie::coches() const
{
    QVector<bool> c;
    for (qsizetype i = 0; i < m_options.size(); ++i)
        c.append(chkMetamagie.at(i)->isChecked());
    return c;
}

void frmMetamagie::btnOk_Click()
{
    const std::optional<ResultatMetamagie> r = ValideMetamagie(m_niveauBase, m_niveauMax, m_options, coches());
    if (!r) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(kMetamagieTropHaute));
        return;
    }
    m_resultat = *r;
    accept();
}

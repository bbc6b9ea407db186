#include "frmImpression.h"
#include "shell/FichierIni.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <iterator>

namespace {

const QString kSection = QStringLiteral("frmImpression");
const char* const kOptions[] = {"Word", "HTML", "WordPerso", "Txt", "Feuille complète (HTML)", "PDF"};
constexpr int kNombreOptions = std::size(kOptions);
const char* const kCases[5] = {"Uniquement les sort quotidiens", "Sorts", "Dons", "Histoire", "background"};
enum Case { Quotidiens, Sorts, Dons, Histoire, Background };

QString cleCase(int i)
{
    return QStringLiteral("ChkImprim_") + QString::number(i);
}

} // namespace

frmImpression::frmImpression(const QString& cheminIni, QWidget* parent) : QDialog(parent), m_cheminIni(cheminIni)
{
    setObjectName(QStringLiteral("frmImpression"));
    setWindowTitle(QStringLiteral("Type d'impression"));

    auto* forme = new QGroupBox(QStringLiteral("Forme du document"), this);
    auto* formeDisposition = new QVBoxLayout(forme);
    for (int i = 0; i < kNombreOptions; ++i) {
        Option[i] = new QRadioButton(QString::fromUtf8(kOptions[i]), forme);
        Option[i]->setObjectName(QStringLiteral("Option") + QString::number(i + 1));
        formeDisposition->addWidget(Option[i]);
    }
    Option[0]->setToolTip(QStringLiteral("Feuille de personnage complète, en document OpenDocument (.odt)"));
    Option[1]->setToolTip(QStringLiteral("Tableau des caractéristiques, en page HTML"));
    Option[2]->setToolTip(QStringLiteral("Feuille de personnage resserrée sur une page, en document OpenDocument (.odt)"));
    Option[3]->setToolTip(QStringLiteral("Bloc de caractéristiques en texte simple"));
    Option[4]->setToolTip(QStringLiteral("Toute la fiche en une page HTML autonome, à ouvrir dans un navigateur"));
    Option[5]->setToolTip(QStringLiteral("Toute la fiche en document PDF au format A4, prêt à imprimer"));

    auto* contenu = new QGroupBox(QStringLiteral("Contenu à ajouter"), this);
    auto* contenuDisposition = new QVBoxLayout(contenu);
    for (int i = 0; i < 5; ++i) {
        ChkImprim[i] = new QCheckBox(QString::fromUtf8(kCases[i]), contenu);
        ChkImprim[i]->setObjectName(cleCase(i));
    }
    // La case des sorts du jour se range en retrait sous celle des sorts, dont elle dépend.
    contenuDisposition->addWidget(ChkImprim[Sorts]);
    auto* retrait = new QHBoxLayout;
    retrait->addSpacing(20);
    retrait->addWidget(ChkImprim[Quotidiens]);
    contenuDisposition->addLayout(retrait);
    for (int i : {Dons, Histoire, Background})
        contenuDisposition->addWidget(ChkImprim[i]);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    btnAnnuler->setObjectName(QStringLiteral("btnAnnuler"));
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(btnOk);
    boutons->addWidget(btnAnnuler);

    auto* choixDisposition = new QHBoxLayout;
    choixDisposition->addWidget(forme);
    choixDisposition->addWidget(contenu);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(choixDisposition);
    disposition->addLayout(boutons);

    connect(ChkImprim[Sorts], &QCheckBox::toggled, this, &frmImpression::metAJourDependances);
    connect(btnOk, &QPushButton::clicked, this, &frmImpression::btnOk_Click);
    connect(btnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    litChoix();
    metAJourDependances();
}

void frmImpression::litChoix()
{
    // Sans réglage retenu : forme "Word", tout le contenu sauf la restriction aux sorts du jour.
    const auto lit = [this](const QString& cle) { return m_cheminIni.isEmpty() ? QString() : LitIni(m_cheminIni, kSection, cle); };
    const int mode = lit(QStringLiteral("Mode")).toInt();
    Option[mode >= 1 && mode <= kNombreOptions ? mode - 1 : 0]->setChecked(true);
    for (int i = 0; i < 5; ++i) {
        const QString valeur = lit(cleCase(i));
        ChkImprim[i]->setChecked(valeur.isEmpty() ? i != Quotidiens : valeur == u"1");
    }
}

void frmImpression::metAJourDependances()
{
    ChkImprim[Quotidiens]->setEnabled(ChkImprim[Sorts]->isChecked());
}

ChoixImpression frmImpression::choix() const
{
    ChoixImpression c;
    for (int i = 0; i < kNombreOptions; ++i)
        if (Option[i]->isChecked())
            c.mode = ModeImpression(i + 1);
    c.sorts = ChkImprim[Sorts]->isChecked();
    c.sortsQuotidiens = c.sorts && ChkImprim[Quotidiens]->isChecked();
    c.dons = ChkImprim[Dons]->isChecked();
    c.histoire = ChkImprim[Histoire]->isChecked();
    c.background = ChkImprim[Background]->isChecked();
    return c;
}

void frmImpression::btnOk_Click()
{
    if (!m_cheminIni.isEmpty()) {
        EcritIni(m_cheminIni, kSection, QStringLiteral("Mode"), QString::number(int(choix().mode)));
        for (int i = 0; i < 5; ++i)
            EcritIni(m_cheminIni, kSection, cleCase(i), ChkImprim[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    accept();
}

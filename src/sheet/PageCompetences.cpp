#include "PageCompetences.h"
#include "PageChamps.h"
#include "Fiche.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Fonds des compétences de classe (16576 et 32768 dans l'ordre bleu, vert, rouge).
const QColor kClasseAutre{0xC0, 0x40, 0x00};
const QColor kClassePrincipale{0x00, 0x80, 0x00};

// Colonnes colorées selon le statut de la compétence : toutes sauf la caractéristique et les notes.
constexpr int kColonnesColorees[] = {0, 1, 2, 3, 6, 7, 8, 9};

} // namespace

PageCompetences::PageCompetences(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageCompetences"));
    vsComp = grilleFiche(this, QStringLiteral("vsComp"),
                         {QStringLiteral("Compétence"), QStringLiteral("Armure"), QStringLiteral("Race"),
                          QStringLiteral("Carac."), QStringLiteral("Caractéristique"), QStringLiteral("Notes"),
                          QStringLiteral("Rangs"), QStringLiteral("Équip."), QStringLiteral("Syn./dons"),
                          QStringLiteral("Total")});
    QHeaderView* entetes = vsComp->horizontalHeader();
    entetes->setSectionResizeMode(QHeaderView::ResizeToContents);
    entetes->setSectionResizeMode(5, QHeaderView::Stretch);
    lblLegende = new QLabel(this);
    lblLegende->setObjectName(QStringLiteral("lblLegende"));
    lblLegende->setWordWrap(true);
    lblLegende->setTextFormat(Qt::RichText);
    connect(lblLegende, &QLabel::linkActivated, this, &PageCompetences::classeParDefaut);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(vsComp, 1);
    disposition->addWidget(lblLegende);
    disposition->addWidget(new QLabel(QStringLiteral("Notes"), this));
    QPlainTextEdit* notes = texteFiche(this, QStringLiteral("fldstrCompetence"), 4);
    notes->setMaximumHeight(notes->minimumHeight() * 2);
    disposition->addWidget(notes);
}

void PageCompetences::remplit(const Fiche& f)
{
    vsComp->setRowCount(int(f.Competences.size()));
    for (int i = 0; i < f.Competences.size(); ++i) {
        const LigneCompetence& l = f.Competences[i];
        const QString textes[10] = {l.Nom,
                                    nombreOuVide(l.PenaliteAffichee, l.PenaliteArmure),
                                    nombreOuVide(l.ModifRace != 0, l.ModifRace),
                                    nombreOuVide(l.ModifCarac != 0, l.ModifCarac),
                                    l.Carac,
                                    l.Notes.trimmed(),
                                    nombreOuVide(l.RangsAchetes, l.Rangs),
                                    nombreOuVide(l.BonusEquipement != 0, l.BonusEquipement),
                                    nombreOuVide(l.BonusSynergie != 0, l.BonusSynergie),
                                    nombreOuVide(l.TotalAffiche, l.Total)};
        for (int c = 0; c < 10; ++c) {
            // Un métier sans spécialité garde le nom de sa case, en gris.
            const bool sansSpecialite = c == 0 && l.Nom.isEmpty();
            QTableWidgetItem* item = cellule(sansSpecialite ? l.NomRegle : textes[c]);
            if (sansSpecialite)
                item->setForeground(Qt::gray);
            if (c != 0 && c != 4 && c != 5)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(c == 5 ? l.Notes.trimmed() : QString());
            vsComp->setItem(i, c, item);
        }
        QFont police = vsComp->font();
        police.setItalic(!l.SansFormation);
        vsComp->item(i, 0)->setFont(police);
        if (l.Statut >= 1) {
            const QColor fond = l.Statut >= 2 ? kClassePrincipale : kClasseAutre;
            for (int c : kColonnesColorees) {
                vsComp->item(i, c)->setBackground(fond);
                vsComp->item(i, c)->setForeground(Qt::white);
            }
        }
    }
    metChamp(this, QStringLiteral("fldstrCompetence"), f.NotesCompetences);

    const QString classe = f.ClasseCompetences.toHtmlEscaped();
    const QString laquelle =
        f.ClasseCompetencesChoisie
            ? QStringLiteral("la classe regardée ; <a href=\"defaut\">revenir à la classe du dernier niveau</a>")
        : f.ClasseCompetences == f.Personnage.DerniereClasse
            ? QStringLiteral("la classe du dernier niveau ; double-cliquez sur une autre case de classe de la page "
                             "Personnage pour regarder ses compétences")
            : QStringLiteral("la classe principale");
    lblLegende->setText(QStringLiteral("Fond vert : compétence de classe de <b>%1</b> (%2) ; fond orange : d'une autre "
                                       "classe du personnage ; en italique : inutilisable sans formation.")
                            .arg(classe, laquelle));
}

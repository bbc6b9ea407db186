#include "FenetresRegles.h"
#include "shell/UtilitairesFenetres.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

void MontreModale(QWidget* fenetre, QWidget* parent)
{
    QDialog dialogue(parent);
    dialogue.setObjectName(fenetre->objectName() + QStringLiteral("_dialogue"));
    dialogue.setWindowTitle(fenetre->windowTitle());
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(fenetre);
    dialogue.resize(fenetre->size().expandedTo(fenetre->sizeHint()));
    dialogue.exec();
}

void FermeDescription(QWidget* fenetre)
{
    if (auto* dialogue = qobject_cast<QDialog*>(fenetre->parentWidget()))
        dialogue->accept();
    else
        FermeFenetre(fenetre);
}

QPlainTextEdit* ZoneTexte(QWidget* parent, const char* nom, bool lectureSeule)
{
    auto* zone = new QPlainTextEdit(parent);
    zone->setObjectName(QLatin1String(nom));
    zone->setReadOnly(lectureSeule);
    zone->setTabChangesFocus(true);
    zone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // La hauteur suit le poids donné par la disposition, pas la taille préférée de la zone.
    zone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    zone->setMinimumHeight(zone->fontMetrics().lineSpacing() * 2 + 12);
    return zone;
}

QLabel* Etiquette(QWidget* parent, const char* nom)
{
    auto* etiquette = new QLabel(parent);
    etiquette->setObjectName(QLatin1String(nom));
    etiquette->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return etiquette;
}

QLabel* Titre(QWidget* parent, const char* nom)
{
    QLabel* titre = Etiquette(parent, nom);
    titre->setWordWrap(true);
    QFont gras = titre->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.2);
    titre->setFont(gras);
    return titre;
}

QComboBox* ListeNoms(QWidget* parent, const char* nom)
{
    auto* liste = new QComboBox(parent);
    liste->setObjectName(QLatin1String(nom));
    liste->setMaxVisibleItems(25);
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMinimumContentsLength(28);
    return liste;
}

QLineEdit* ChampRecherche(QWidget* parent)
{
    auto* champ = new QLineEdit(parent);
    champ->setObjectName(QStringLiteral("fldRecherche"));
    champ->setPlaceholderText(QStringLiteral("Rechercher un mot dans les noms et les textes"));
    champ->setClearButtonEnabled(true);
    return champ;
}

void RemplitListe(QComboBox* liste, const QStringList& noms)
{
    const QSignalBlocker bloque(liste);
    liste->clear();
    liste->addItems(noms);
    liste->setCurrentIndex(noms.isEmpty() ? -1 : 0);
}

void AvanceDansListe(QComboBox* liste, int pas)
{
    const int n = liste->count();
    if (n == 0)
        return;
    liste->setCurrentIndex(((liste->currentIndex() + pas) % n + n) % n);
}

#include "UtilitairesFenetres.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace {

QString prefixe(const QObject* objet)
{
    return objet->objectName().left(3).toUpper();
}

// "libellé|motif|libellé|motif" -> filtres de Qt "libellé (motif)".
QString filtreQt(const QString& filtre)
{
    const QStringList morceaux = filtre.split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        const QString libelle = morceaux[i].trimmed();
        const QString motif = QString(morceaux[i + 1]).replace(u';', u' ').trimmed();
        filtres << (libelle.endsWith(u'(' + motif + u')') ? libelle : libelle + QStringLiteral(" (") + motif + u')');
    }
    if (filtres.isEmpty() && !filtre.isEmpty())
        filtres << filtre;
    return filtres.join(QStringLiteral(";;"));
}

} // namespace

int Pixels(int twips)
{
    return qRound(twips / 15.0);
}

void VideChamps(QWidget* fenetre)
{
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const QString p = prefixe(w);
        if (p == QLatin1String("FLD")) {
            const bool numerique = w->property("Tag").toString() == QLatin1String("numeric");
            const QString vide = numerique ? QStringLiteral("0") : QString();
            if (auto* le = qobject_cast<QLineEdit*>(w))
                le->setText(vide);
            else if (auto* te = qobject_cast<QTextEdit*>(w))
                te->setPlainText(vide);
            else if (auto* pe = qobject_cast<QPlainTextEdit*>(w))
                pe->setPlainText(vide);
        } else if (p == QLatin1String("CMB")) {
            if (auto* cb = qobject_cast<QComboBox*>(w)) {
                cb->setCurrentIndex(-1);
                if (cb->isEditable())
                    cb->clearEditText();
            }
        } else if (p == QLatin1String("CHK")) {
            if (auto* ch = qobject_cast<QCheckBox*>(w))
                ch->setCheckState(Qt::Unchecked);
        }
    }
}

bool SelectionSurFocus::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusIn && prefixe(objet) == QLatin1String("FLD")) {
        // Différé : le clic qui donne le focus placerait sinon le curseur après la sélection.
        if (auto* le = qobject_cast<QLineEdit*>(objet))
            QTimer::singleShot(0, le, &QLineEdit::selectAll);
        else if (auto* te = qobject_cast<QTextEdit*>(objet))
            QTimer::singleShot(0, te, &QTextEdit::selectAll);
        else if (auto* pe = qobject_cast<QPlainTextEdit*>(objet))
            QTimer::singleShot(0, pe, &QPlainTextEdit::selectAll);
    }
    return QObject::eventFilter(objet, evenement);
}

void ActiveSelectionSurFocus(QWidget* fenetre)
{
    auto* filtre = new SelectionSurFocus(fenetre);
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (prefixe(w) == QLatin1String("FLD"))
            w->installEventFilter(filtre);
}

bool TrouveLigne(QAbstractItemView* grille, const QString& valeur, int colonne)
{
    QAbstractItemModel* modele = grille->model();
    if (!modele || colonne < 0 || colonne >= modele->columnCount())
        return false;
    for (int ligne = 0; ligne < modele->rowCount(); ++ligne) {
        const QModelIndex index = modele->index(ligne, colonne);
        if (index.data(Qt::DisplayRole).toString() == valeur) {
            grille->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                  | QItemSelectionModel::Rows);
            grille->scrollTo(index);
            return true;
        }
    }
    return false;
}

QString DialogueOuvrir(QWidget* parent, const QString& titre, const QString& filtre, const QString& dossierInitial)
{
    QFileDialog dialogue(parent, titre, dossierInitial, filtreQt(filtre));
    dialogue.setObjectName(QStringLiteral("DialogueOuvrir"));
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    if (dialogue.exec() != QDialog::Accepted)
        return {};
    return dialogue.selectedFiles().value(0);
}

void DisposeBoutons(const QList<QWidget*>& boutons)
{
    if (boutons.isEmpty())
        return;
    int x = boutons.first()->x();
    const int y = boutons.first()->y();
    for (QWidget* b : boutons) {
        if (b->isHidden())
            continue;
        b->move(x, y);
        x += b->width();
    }
}

void FermeFenetre(QWidget* fenetre)
{
    if (auto* sous = qobject_cast<QMdiSubWindow*>(fenetre->parentWidget()))
        sous->close();
    else
        fenetre->close();
}

#include "UtilitairesFenetres.h"
#include "FichierIni.h"
#include "GestionErreurs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QLineEdit>
#include <QPointer>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
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

QSize TailleDansEcran(const QWidget* fenetre, QSize voulue)
{
    const QWidget* repere = fenetre->parentWidget() ? fenetre->parentWidget() : fenetre;
    const QScreen* ecran = repere->screen() ? repere->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return voulue;
    // Place du cadre et de la barre de titre que le gestionnaire de fenêtres ajoute.
    return voulue.boundedTo(ecran->availableGeometry().size() - QSize(16, 48));
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

void ActiveSelectionSurFocus()
{
    static QPointer<SelectionSurFocus> filtre;
    if (filtre || !qApp)
        return;
    filtre = new SelectionSurFocus(qApp);
    qApp->installEventFilter(filtre);
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

bool ChargeTraductionsQt()
{
    static QTranslator traduction;
    if (!traduction.isEmpty())
        return true;
    if (!traduction.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&traduction);
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

namespace {

// Ce qui bouge d'une fenêtre fille : sa sous-fenêtre quand elle est dans la zone cliente.
QWidget* cadreFenetre(QWidget* fenetre)
{
    if (auto* sous = qobject_cast<QMdiSubWindow*>(fenetre->parentWidget()))
        return sous;
    return fenetre;
}

} // namespace

void RestaurePosition(const QString& cheminIni, QWidget* fenetre)
{
    // Sans position retenue, la fenêtre garde celle que la zone principale lui donne.
    if (LitIni(cheminIni, fenetre->objectName(), QStringLiteral("POS_X")).isEmpty())
        return;
    cadreFenetre(fenetre)->move(ParametreIni(cheminIni, fenetre->objectName(), QStringLiteral("POS_X"), 0, false),
                                ParametreIni(cheminIni, fenetre->objectName(), QStringLiteral("POS_Y"), 0, false));
}

void EnregistrePosition(const QString& cheminIni, QWidget* fenetre)
{
    ParametreIni(cheminIni, fenetre->objectName(), QStringLiteral("POS_X"), cadreFenetre(fenetre)->x(), true);
    ParametreIni(cheminIni, fenetre->objectName(), QStringLiteral("POS_Y"), cadreFenetre(fenetre)->y(), true);
}

namespace {

// Comme Tab : le contrôle suivant de la fenêtre qui prend le focus au clavier.
void passeAuSuivant(QWidget* fenetre)
{
    QWidget* courant = QApplication::focusWidget();
    if (!courant || !fenetre->isAncestorOf(courant))
        return;
    for (QWidget* w = courant->nextInFocusChain(); w != courant; w = w->nextInFocusChain()) {
        if (fenetre->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

void TouchesEdition(QWidget* fenetre, const QList<QPair<QKeySequence, QPushButton*>>& touches,
                    const std::function<void()>& echap)
{
    const auto raccourci = [fenetre](const QKeySequence& touche, const std::function<void()>& action) {
        auto* r = new QShortcut(touche, fenetre);
        r->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(r, &QShortcut::activated, fenetre, action);
    };
    for (const QKeySequence& touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        raccourci(touche, [fenetre] { passeAuSuivant(fenetre); });
    raccourci(QKeySequence(Qt::Key_Escape), echap);
    for (const auto& [touche, bouton] : touches) {
        QPushButton* b = bouton;
        raccourci(touche, [b] {
            if (!b->isHidden() && b->isEnabled())
                b->click();
        });
    }
}

QPushButton* BoutonProtege(QWidget* fenetre, GestionErreurs& erreurs, const char* module, const char* nom,
                           const QString& libelle, const char* procedure, std::function<void()> faire)
{
    auto* b = new QPushButton(libelle, fenetre);
    b->setObjectName(QLatin1String(nom));
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, fenetre, [&erreurs, module, procedure, faire = std::move(faire)] {
        erreurs.protege(procedure, module, faire);
    });
    return b;
}

#pragma once
// Page "Sorts" de la fiche : sorts par jour de la classe choisie, portées, renvoi des
// morts-vivants, sorts connus et liste de la classe, sorts préparés par emplacement.
// Chaque ajout ou retrait est enregistré aussitôt.
#include "Fiche.h"
#include "SortsFiche.h"
#include "reference/Descriptifs.h"

#include <QWidget>

class BaseDonnees;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class PageSorts : public QWidget
{
    Q_OBJECT

public:
    PageSorts(BaseDonnees& perso, BaseDonnees& programme, QWidget* parent = nullptr);

    // Après chaque calcul de la fiche : la classe montrée reste, sinon la première classe de lanceur.
    void charge(const Fiche& fiche);
    // rempNbSort pour cette classe (double-clic sur une case de classe ; vide : sorts raciaux).
    void montreClasse(const QString& classe);

    const SortsClasse& sorts() const { return m_sorts; }

    QLabel* AideSort;
    QLabel* lblMessages;
    QTableWidget* vsNivSort;
    QTableWidget* vsPortee;
    QPlainTextEdit* fldstrMagie;
    QTableWidget* vsVadeRetro;
    QLabel* lblVadeRetro;
    std::array<QTableWidget*, 2> vsSortClasse{};   // 0 : sorts connus, 1 : liste de la classe
    QPushButton* btnAjoutSort;
    QPushButton* btnEnlevSort;
    QPushButton* btnMontrer;
    QPushButton* btnCacherMontrer;
    QTableWidget* vsSortListe;
    QLabel* lblPreparation;        // d'où viennent les sorts offerts aux emplacements
    QPushButton* btnMetamagie;
    QPushButton* btnImprimer;
    QCheckBox* ChkCacheColonnes;

Q_SIGNALS:
    // Un sort connu ou préparé vient d'être enregistré : la fiche se recalcule.
    void sortsModifies();
    // Double-clic sur un sort ou bouton "..." : description du sort.
    void descriptionDemandee(const SortsGrille& grille);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Les sorts d'une grille avec ce que la fiche a calculé pour chacun, la ligne donnée choisie.
    SortsGrille grilleDescription(const QTableWidget* grille, int ligne) const;
    void remplitTable();
    void remplitConnus();
    void remplitListeClasse();
    void remplitPrepares();
    void btnAjoutSort_Click();
    void btnEnlevSort_Click();
    void btnMontrer_Click();
    void btnCacherMontrer_Click();
    void choisitSort(int ligne, const QString& nomSort);
    void btnMetamagie_Click();
    void btnImprimer_Click();
    void enregistreConnus();
    void avertit(const QString& message);

    BaseDonnees& m_perso;
    BaseDonnees& m_programme;
    Fiche m_fiche;
    SortsClasse m_sorts;
    bool m_classeChoisie = false;
    QString m_classeDemandee;      // "" : sorts raciaux
    bool m_tousLesSorts = false;   // la liste de la classe montre aussi les sorts déjà connus
};

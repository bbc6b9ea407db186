#pragma once
// Page principale de la fiche : identité, caractéristiques, jets, combat, classe d'armure,
// sens, résistances, charge, déplacements et capacités de classe.
#include <QWidget>
#include <array>

struct Fiche;
struct SaisiesFiche;
class QLabel;
class QLineEdit;

class PagePrincipale : public QWidget
{
    Q_OBJECT

public:
    explicit PagePrincipale(QWidget* parent = nullptr);

    void remplit(const Fiche& fiche);
    // Relit les champs saisis : second divers des caractéristiques, jets de race.
    void litSaisies(SaisiesFiche& saisies) const;
    // Champs que l'utilisateur peut remplir (laissés ouverts par la fenêtre).
    QList<QLineEdit*> champsSaisis() const;

Q_SIGNALS:
    void classeDoubleClic(const QString& classe);
    void raceDoubleClic();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget* creeIdentite();
    QWidget* creeCaracteristiques();
    QWidget* creeJets();
    QWidget* creeCombat();
    QWidget* creeClasseArmure();
    QWidget* creeSens();
    QWidget* creeResistances();
    QWidget* creeChargeEtDeplacement();
    QWidget* creePuissance();

    QLabel* lblDescription;
    QLabel* lblExplicationCA;
    std::array<QLineEdit*, 6> m_divers2{};
    std::array<QLineEdit*, 3> m_jetsRace{};
};

#pragma once
// Page de l'équipement : les 21 emplacements du corps, la liste des objets portés sans
// emplacement (List1), les cases ValideEquipement, les objets qui comptent (vsEquip) et
// l'image du personnage. Les objets passent de la liste aux emplacements à la souris.
#include "Equipement.h"

#include <QTimer>
#include <QWidget>
#include <array>

struct Fiche;
class QCheckBox;
class QLabel;
class QListWidget;
class QTableWidget;

// Format des données glissées : la position (Pos) de l'objet dans Equipement.
inline constexpr const char* kFormatObjet = "application/x-quorvane-objet";

class PageEquipement : public QWidget
{
    Q_OBJECT

public:
    explicit PageEquipement(QWidget* parent = nullptr);

    // Emplacements et liste, tels que la base les range.
    void remplitPlaces(const EquipementPersonnage& equipement);
    // Objets qui comptent, totaux et image.
    void remplit(const Fiche& fiche);
    // Coche les cases sans prévenir.
    void metValides(const std::array<bool, kNombrePlaces>& valides);
    // L'emplacement qui vient de recevoir un objet passe en bleu un instant.
    void signaleDepot(int place);

    QLabel* emplacement(int place) const { return m_places.at(place); }
    QCheckBox* caseValide(int place) const { return m_valides.at(place); }

    QListWidget* List1;
    QTableWidget* vsEquip;
    QLabel* ImagePersonnage;

Q_SIGNALS:
    // Objet de position pos déposé sur l'emplacement place (-1 : dans la liste).
    void depose(int pos, int place);
    void valideChange(int place, bool valide);
    void toutOuRien(bool valide);
    void imageCliquee();
    // Double-clic sur un emplacement occupé : le catalogue des objets s'ouvre sur son objet.
    void objetDoubleClic(const QString& nomObjet);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget* creeCorps();
    void restaureFonds();

    std::array<QLabel*, kNombrePlaces> m_places{};
    std::array<QCheckBox*, kNombrePlaces> m_valides{};
    QTimer Timer_Equip1;
};

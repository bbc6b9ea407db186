#pragma once
// Fenêtre "Assistant de création de personnage" : quatre étapes (identité, caractéristiques,
// description et dieu, classe et niveau) ; à la fin, le personnage va à l'éditeur qui l'enregistre.
// Rien n'est écrit avant cet enregistrement.
#include "Assistant.h"
#include "ResumeAssistant.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

struct EtatShell;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextBrowser;

class frmAssistant : public QDialog
{
    Q_OBJECT

public:
    // Reçoit le personnage construit, le met dans l'éditeur et l'enregistre ; vrai quand il est écrit.
    using Enregistrement = std::function<bool(const PersonnageEdite&)>;

    frmAssistant(EtatShell& etat, QStringList racesEditeur, Enregistrement enregistre, QWidget* parent = nullptr);
    ~frmAssistant() override;

    // Montre l'étape (0 à 3) et rafraîchit ce qu'elle affiche.
    void montreFrame(int etape);
    int etape() const { return m_etape; }
    // "&Suivant" : contrôles de l'étape, puis l'étape suivante ou, à la dernière, l'enregistrement.
    void Suivant();
    void Precedent();
    // Recalcule les valeurs modifiées et les points de l'étape des caractéristiques.
    void ActualiseCarac();
    void ChoixDieu();
    void Generer();
    // Ce que l'utilisateur a choisi jusqu'ici.
    ChoixAssistant choix() const;
    // Le résumé de l'étape 3, tel que le calcul de la fiche le donne.
    const ResumePersonnage& resume() const { return m_resume; }
    // Message montré après l'enregistrement : ce qu'il reste à faire.
    QString messageFin() const { return m_messageFin; }

    QTabWidget* SSTab1;
    QPushButton* btnSuivant;
    QPushButton* Command1;    // "&Précédent"
    // Étape 0.
    QLineEdit* fldstrnom;
    QComboBox* CmbRace;
    QCheckBox* ChkMonstre;
    QLineEdit* fldnAjustementNiveau;
    QComboBox* CmbArchetype;
    QComboBox* CmbAlignement;
    QComboBox* CmbSexe;
    std::array<QComboBox*, 4> CmbProfession{};
    std::array<QComboBox*, 3> CmbArtisanat{};
    QTextBrowser* fldstrDescriptionRacesArch;
    QLabel* ImageRace;
    // Étape 1.
    std::array<std::array<QLineEdit*, 3>, 6> fldnCaracs{};   // base, modifiée, modificateur
    std::array<QLabel*, 9> Carac{};
    std::array<QLineEdit*, 3> fldnPoints{};                  // dépensés, total, reste
    QCheckBox* ModeManuel;
    std::array<QRadioButton*, 5> NombrePoints{};
    QTextBrowser* fldstrDescriptionCarac;
    // Étape 2.
    QLineEdit* fldnTaille;
    QLineEdit* fldnPoids;
    QLineEdit* fldnBeaute;
    QLineEdit* fldnAge;
    QLineEdit* fldstrDate;
    QComboBox* CmbYeux;
    QComboBox* CmbCheveux;
    QComboBox* CmbProfil;
    QComboBox* CmbTitre;
    QComboBox* CmbDieu;
    QComboBox* CmbRoyaume;
    QComboBox* CmbAlignementDieu;
    QComboBox* CmbRaceDieu;
    QPushButton* btnGenerer;
    QTextBrowser* fldstrDescriptionPhysique;
    QLabel* ImageDieu;
    // Étape 3.
    QComboBox* CmbClasse;
    QLineEdit* fldnNiveau;
    std::array<QComboBox*, 3> CmbChoix{};
    std::array<QLabel*, 3> LabChoix{};
    QTextBrowser* fldstrDescriptionClasse;
    QLabel* fldstrResume;    // message quand le résumé ne peut pas être calculé

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget* creeIdentite();
    QWidget* creeCaracteristiques();
    QWidget* creeDescription();
    QWidget* creeClasse();
    void chargeListes();
    void chargeRaces();
    void decritIdentite();
    void choisitMethode(int methode);
    void decritCarac(int entete);
    void titresDuSexe();
    void decritDescription(bool dieu);
    void choisitClasse();
    void decritChoix(int indice);
    void actualiseResume();
    void termine();
    QWidget* controle(const QString& nom) const;
    void refuse(const QString& message, const QString& nomControle, bool exclamation = true);
    void execute(const char* procedure, const std::function<void()>& faire);
    void saisie();

    EtatShell& m_etat;
    BaseDonnees& m_programme;
    QStringList m_racesEditeur;
    Enregistrement m_enregistre;
    int m_etape = 0;
    bool m_chargement = false;
    bool m_saisie = false;          // l'utilisateur a changé quelque chose
    int m_methode = 2;
    QVector<ChoixClasse> m_choixClasse;
    QString m_descriptionClasse;
    TiragesRetenus m_tirages;
    std::unique_ptr<ResumeAssistant> m_calculResume;
    ResumePersonnage m_resume;
    QVector<QLabel*> m_valeursResume;
    QString m_messageFin;
};

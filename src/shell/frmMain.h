#pragma once
// Fenêtre principale : zone cliente à fenêtres multiples, menus, titre, fond, position,
// ouverture d'une autre base de personnages.
#include <QMainWindow>

struct EtatShell;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(EtatShell& etat, QWidget* parent = nullptr);
    ~frmMain() override;

    EtatShell& etat() { return m_etat; }
    QMdiArea* zoneClient() const { return m_zone; }

    // Chargement : fond, titre, position, choix d'un personnage, puis l'argument de la ligne de commande.
    void Charge(const QString& argument = {});

    // Ouvre une autre base de personnages à la place de la base ouverte.
    void OuvreBase(const QString& chemin);

    // Vrai quand une fenêtre fille de ce nom (comparé en majuscules) est chargée.
    bool TrouveChild(const QString& nom) const;
    QMdiSubWindow* sousFenetre(const QString& nom) const;

    void afficheAcceder();
    // Fiche du personnage choisi, agrandie ; une fiche déjà ouverte est rechargée sur lui.
    void afficheFichePerso(const QString& nom);
    void afficheGestPerso();
    // Catalogue des objets ; sur un objet seul quand la fiche l'ouvre depuis un emplacement.
    void afficheGestObjets(const QString& objetUnique = {});
    void afficheAstuce();
    void afficheExperience();
    // Fenêtre de description des règles, sans mode, à sa taille dans la zone cliente.
    void afficheDescription(QWidget* fenetre);
    // Choix du fichier puis fenêtre d'importation ; ouvreImport fait tout sauf le choix.
    void afficheImport();
    void ouvreImport(const QString& chemin);
    void afficheApropos();
    void afficheLanceurDes();
    void afficheGenerateurVille();

    // Sans utilisateur (capture) : avertissements et erreurs vont sur la sortie d'erreur, sans boîte.
    void sansDialogues();

    // Message d'un second lancement : ramène la fenêtre devant et ouvre la base qu'il donne.
    void recoitMessageInstance(const QString& chemin);

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void creeMenus();
    // Menu des fenêtres ouvertes : suivante (Ctrl+Tab), précédente, cascade, mosaïque, puis la liste.
    void creeMenuFenetre(QMenu* fenetres);
    void metDevant(QMdiSubWindow* sous);
    // Taille voulue d'une fenêtre fille, bornée à la zone cliente ; puis, une fois montrée, la
    // fenêtre ramenée entière dans la zone (une position retenue peut la mettre en partie dehors).
    void dimensionne(QMdiSubWindow* sous, QSize voulue);
    void gardeDansZone(QMdiSubWindow* sous);
    QAction* ajouteAction(QMenu* menu, const char* nom, const QString& libelle);
    QAction* ajouteSeparateur(QMenu* menu, const char* nom);
    QMdiSubWindow* afficheEnfant(QWidget* fenetre);
    bool fermeEnfant(const QString& nom);
    // Une fenêtre fille déjà chargée passe devant au lieu d'être ouverte deux fois.
    bool rameneDevant(const QString& nom);
    void metTitre();
    void ouvreAdresse(const QString& adresse);
    void avertit(const QString& message);

    EtatShell& m_etat;
    QMdiArea* m_zone;
    bool m_sansDialogues = false;
};

// The glass catalogue window "Quivane - Choix des Indices de réfraction": the list of the catalogue's materials at
// the three chosen lines with their Abbe numbers, sorted by any column, and the edit page of one material; a choice
// is handed back through MatiereChoisie. Its file and computations are in IndexCalcul.
#pragma once

#include "dialogs/IndexCalcul.h"

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;
class TImageVue;

// What the window shows: the list, the edit page of a new glass or of the selected one, or the list once a glass
// was chosen, while the window closes.
enum class TModeCatalogue
{
    Liste,
    Nouveau,
    Editer,
    Selectionner
};

// How a caller shows the window: for the glass of a table row, or as a table to choose a lens glass from.
enum class TUsageCatalogue
{
    Choix,
    Table
};

// The edit page is open, on a new glass or on the selected one.
bool EditeUnVerre(TModeCatalogue mode);

class TIndicesForm : public QDialog
{
    Q_OBJECT

public:
    // Checks the catalogue file (creating it when missing or corrupt) and reads the list once.
    explicit TIndicesForm(QWidget* parent = nullptr);

    // Shows the window modally, from its list page. As a table to choose from, it is captioned as such, sorted by
    // name and shows nothing selected, and afterwards gets its own caption and sort back.
    void Montre(TUsageCatalogue usage = TUsageCatalogue::Choix);

    // The list page, read anew from the file and sorted by the current column.
    void AfficheListeMatieres();
    // The edit page of Materiau, its box on row LigneEdition (0 the name, 1 to 23 the lines, 24 the spare row).
    void AfficheFicheMatiere();

    // The page's events in pixels of the page image, and the buttons, as the window's controls report them.
    void FondMouseUp(int x, int y);
    void FondDblClick();
    void Bouton_SelectionnerClick();
    void Bouton_EditerClick();
    void Bouton_NouveauClick();
    void Bouton_ValiderClick();
    void Bouton_AnnulerClick();
    void TriClick(TColonneCatalogue colonne);
    void AscenseurChange(int position);
    // Enter, Esc, Up and Down in the edit box.
    void SaisieTouche(int touche);
    // The edit box lost the focus: the name is checked against the other materials, then committed.
    void SaisieExit();

    TImageVue* Fond;
    QPushButton* Bouton_Selectionner;
    QPushButton* Bouton_Editer;
    QPushButton* Bouton_Nouveau;
    QPushButton* Bouton_Annuler;
    QPushButton* Bouton_Valider;
    QScrollBar* Ascenseur;
    QLineEdit* Saisie;
    std::array<QToolButton*, 5> Fleches{}; // Abbe, red, green, blue, name

    TModeCatalogue ModeCatalogue = TModeCatalogue::Liste;
    TColonneCatalogue TriColonne = TColonneCatalogue::Nom;
    int PremiereLigneCatalogue = 0;
    int LigneSelectionneeCatalogue = 0;
    std::array<int, 25> NumeroMatiereLigne{};
    int NombreMatieres = 0;
    TMateriau Materiau;
    // The edit page's current row; kept apart from the sheet's field code, which the editors still need.
    int LigneEdition = 0;
    bool ErreurLecture = false;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void ValideIndiceMatiere();
    void ChargeMatiere();
    void SelectionneMatiere();
    int NumeroSelectionne() const;
    const TMatiereCatalogue* MatiereSelectionneeLue(TCatalogueLu& catalogue) const;
};

// The catalogue the editors reach: its window, a child of the window given here, is created and the file checked at
// the first reading or showing.
void FixeParentCatalogue(QWidget* parent);
TCatalogueLu LitCatalogueFenetre();
// Shows the window modally over MatiereChoisie and MatiereSelectionnee, or as a table of the materials to choose from.
void MontreCatalogue();
void MontreTableCatalogue();

// The page's widgets that show what the views and the sheet's blocks leave in their records: the lens-group images,
// the plate and field buttons, the lens device view's controls, the beam-cut banner and the star views' status text.
#pragma once

#include <QObject>

#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;
class TImageVue;

class TCablageVues : public QObject
{
    Q_OBJECT

public:
    // Creates the widgets on the page `fiche` (under its row highlight `ligne` and its edit box `saisie`), hidden,
    // installs their images for the drawing routines and connects their clicks to the editors. Lives as long as the
    // page.
    TCablageVues(QWidget* fiche, QWidget* ligne, QWidget* saisie, QStatusBar* barreEtat);
    ~TCablageVues() override;

    // Places, shows and captions the widgets from the records the last refresh left; the page's last step.
    void Applique();
    // The status text a star view left, if any.
    void MontreStatut(const std::string& texte);

    TImageVue* TableauKlevtsov;
    TImageVue* CaseZf;
    TImageVue* LigneMiroir;
    TImageVue* EpaisseurOff;
    TImageVue* BoxDistance;
    QPushButton* BoutonLame;
    QPushButton* BoutonChampCourbe;
    QPushButton* BoutonRayons;
    QCheckBox* CheckBox1;
    QLabel* LabelDistanceAxe;
    QLabel* LabelUnites;
    QLabel* LabelOcculte;

private:
    QStatusBar* BarreEtat_;
};

// The wiring of the main window while it exists.
inline TCablageVues* CablageVues = nullptr;

// The presses and releases of an image, whichever button, to the editors' routines (pixels of the image); the entry
// box then shows what they left in its model.
void RelieSouris(TImageVue* image, void (*appui)(int x, int y), void (*relache)(int x, int y));

// Run by the main window after each refresh; nothing without a window.
void AppliqueCablageVues();

// The edit box reopened after Open: on the objective's first radius for the refractor, on the entrance diameter for
// the other forms.
void RouvreSaisieApresOuverture();

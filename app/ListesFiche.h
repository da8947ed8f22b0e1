// The page's two drop-down lists: the instrument-type list of a blank sheet and the wavelength list laid over a
// header cell of a surface table. Both only show the editors' records and hand their events to the editors.
#pragma once

#include <QObject>

#include <array>
#include <string>

class QComboBox;
class QWidget;

// The type list's entries, sorted: each lower-cased is a key the editors recognise.
extern const std::array<const char*, 16> EntreesListeTypes;

// The help context of a new design, which is also the type list's own.
inline constexpr int ContexteNouveauDocument = 3110;

class TListesFiche : public QObject
{
    Q_OBJECT

public:
    // Creates both lists on the page `fiche`, hidden, under its edit box `saisie`, and connects their events.
    // Lives as long as the page.
    TListesFiche(QWidget* fiche, QWidget* saisie);
    ~TListesFiche() override;

    // Shows, places or hides the lists from the records; the wavelength list is filled when an opener shows it.
    void Applique();

    QComboBox* ComboBox;
    QComboBox* ComboBoxLambda;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool ToucheType(const QString& texte, int touche);
    bool ToucheLambda(const QString& texte, int touche);

    // Whether the type list was shown by the last refresh.
    bool TypeMontre_ = false;
    // The field code the wavelength list was last filled for; 0 while it is hidden.
    int CodeLambda_ = 0;
    // The list is being filled or left by the program: its text and focus changes are not the user's.
    bool EnCours_ = false;
};

inline TListesFiche* ListesFiche = nullptr;

// Run after each refresh and whenever the editors show their box; nothing without a window.
void AppliqueListesFiche();
// The type list's text; empty without a window.
std::string TexteListeTypesFiche();

// The single-star settings window "Quivane - Configuration du dessin de l'étoile unique": the six-star window's
// controls (Etoiles.h) on the single star's settings, with a density of up to 999 rays per diameter.
#pragma once

#include "dialogs/Etoiles.h"

class TUniqueForm : public TEtoilesForm
{
    Q_OBJECT

public:
    explicit TUniqueForm(QWidget* parent = nullptr);
};

inline QPointer<TUniqueForm> UniqueForm;

// The command "Configuration de l'étoile unique": the window shown, then a change journaled, the design marked
// modified and the view refreshed.
void ConfigEtoileUniqueExecute();

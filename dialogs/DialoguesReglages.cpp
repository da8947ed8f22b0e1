// The seven settings windows of the menu "&Configuration".
#include "dialogs/DialoguesReglages.h"

#include "dialogs/Champ.h"
#include "dialogs/ConfigInstrument.h"
#include "dialogs/Dispositif.h"
#include "dialogs/Position.h"
#include "dialogs/Preferences.h"
#include "dialogs/Unique.h"

void CreeDialoguesReglages(QWidget* parent)
{
    PreferencesForm = new TPreferencesForm(parent);
    PositionForm = new TPositionForm(parent);
    ConfigInstrumentForm = new TConfigInstrumentForm(parent);
    DispositifForm = new TDispositifForm(parent);
    ChampForm = new TChampForm(parent);
    EtoilesForm = new TEtoilesForm(parent);
    UniqueForm = new TUniqueForm(parent);
}

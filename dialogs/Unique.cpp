// The single-star settings window.
#include "dialogs/Unique.h"

TUniqueForm::TUniqueForm(QWidget* parent) : TEtoilesForm(TVueEtoiles::Unique, parent) {}

void ConfigEtoileUniqueExecute()
{
    const TReglagesEtoiles avant = LitReglagesEtoiles(TVueEtoiles::Unique);
    UniqueForm->exec();
    TermineConfigEtoiles(TVueEtoiles::Unique, avant);
}

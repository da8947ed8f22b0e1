// The afocal search's request for a new start distance.
#include "dialogs/DistanceDun.h"

TDistanceDunForm::TDistanceDunForm(QWidget* parent)
    : TDemandeDepartForm(QStringLiteral("Quivane - Information nécessaire"),
                         QStringLiteral("Distance entre le foyer et le premier dioptre ="), parent)
{}

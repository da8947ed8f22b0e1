// The focal searches' request for a new start focus shift.
#include "dialogs/DistanceDeltaFun.h"

TDistanceDeltaFunForm::TDistanceDeltaFunForm(QWidget* parent)
    : TDemandeDepartForm(QStringLiteral("Dialogue"), QStringLiteral("Décalage du foyer ="), parent)
{}

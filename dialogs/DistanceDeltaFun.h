// The request of the focal searches when they give up: a new start focus shift, or stop.
#pragma once

#include "dialogs/DistanceDemande.h"

class TDistanceDeltaFunForm : public TDemandeDepartForm
{
    Q_OBJECT

public:
    explicit TDistanceDeltaFunForm(QWidget* parent = nullptr);
};

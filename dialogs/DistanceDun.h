// The request of the afocal search when it gives up: a new distance between the instrument's focus
// and the first surface of the lens device, or stop.
#pragma once

#include "dialogs/DistanceDemande.h"

class TDistanceDunForm : public TDemandeDepartForm
{
    Q_OBJECT

public:
    explicit TDistanceDunForm(QWidget* parent = nullptr);
};

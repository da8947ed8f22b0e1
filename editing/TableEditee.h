#pragma once
// The surface table being edited, the lens device's or the lens group's: the row commands and the drop-down frames
// act on whichever one holds the highlighted row.
#include "optics/Modele.h"

inline bool TableEditeeGroupe()
{
    return Edition.TableEditee == TTableEditee::Groupe;
}

inline int NombreLignesTableEditee()
{
    return TableEditeeGroupe() ? Groupe.NombreDioptresGroupe : Dispositif.NombreDioptres;
}

inline int NombreMaxLignesTableEditee()
{
    return TableEditeeGroupe() ? NombreMaxDioptresGroupe : NombreMaxDioptres;
}

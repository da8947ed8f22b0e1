// The openers of the wavelength list.
#include "editing/OuvreListes.h"

#include "editing/EtatEdition.h"
#include "editing/Ports.h"
#include "sheet/Fiche.h"

namespace {

void OuvreListe(TCodeSaisie code, int canal)
{
    PortsEdition.FermeCadresEtRafraichit();
    EtatSaisie.CodeSaisie = code;
    Controles.ComboBoxLambda.Visible = true;
    EtatSaisie.Saisie.Visible = false;
    EtatSaisie.CanalLongueurOnde = canal;
    EtatSaisie.Saisie.ContexteAide = 3250;
    PortsEdition.FixeContexteAide(3250);
    PortsEdition.MontreSaisie();
}

} // namespace

void OuvreListeLongueurOndeRouge()
{
    OuvreListe(SaisieLongueurOndeRouge, 1);
}
void OuvreListeLongueurOndeVerte()
{
    OuvreListe(SaisieLongueurOndeVerte, 2);
}
void OuvreListeLongueurOndeBleue()
{
    OuvreListe(SaisieLongueurOndeBleue, 3);
}
void OuvreListeLongueurOndeRougeLame()
{
    OuvreListe(57, 1);
}
void OuvreListeLongueurOndeVerteLame()
{
    OuvreListe(58, 2);
}
void OuvreListeLongueurOndeBleueLame()
{
    OuvreListe(59, 3);
}

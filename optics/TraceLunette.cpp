// Refractor: the objective's surfaces (lens-group rows 1..N). Frame: origin at the plane where the
// rays start, z along the light; the exit frame is the same.
#include "optics/TraceLunette.h"

#include <cmath>

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"

namespace {

constexpr int EssaisOuvertureLunette = 10000;

// The marginal ray counts as passing surface j when its height, on either side of the axis, stays
// within the clear diameter (with a 0.05 % margin).
bool RayonPasseObjectif()
{
    if (Rayon.RayonPerdu)
        return false;
    const int n = NombreSurfacesGroupe();
    for (int j = 1; j <= n; ++j)
    {
        if (std::abs(Rayon.HauteurImpactGroupe[j]) > Groupe.DiametreGroupe[j] / 1.999)
            return false;
    }
    return true;
}

} // namespace

void TraceLunette()
{
    TRayon& r = Rayon;
    r.RayonPerdu = false;
    r.ManqueSecondaire = false;
    r.ArretGroupe = false;
    r.RayonBloque = false;
    TraverseGroupeDepuisPupille(NombreSurfacesGroupe());
    // The objective's own vignetting is reported through the group's records only.
    r.RayonOcculte = false;
    r.ManqueSecondaire = false;
    r.ArretGroupe = false;
    r.RayonBloque = false;
}

void CalculeOuvertureLunette()
{
    if (!Validite.InstrumentValide)
        return;
    TInstrument& in = Instrument;
    if (NombreSurfacesGroupe() == 0)
    {
        in.DiametreObjectif = in.DiametreEntree;
        return;
    }
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    TRayon& r = Rayon;
    r.EstRayonReference = true;
    r.AngleChamp = 0.0;
    r.SinusAngleChamp = 0.0;
    r.CosinusAngleChamp = 1.0;
    r.XDepart = in.DiametreEntree / 2.0;
    r.YDepart = 0.0;
    for (int essai = 0; essai < EssaisOuvertureLunette; ++essai)
    {
        TraceLunette();
        if (RayonPasseObjectif())
        {
            in.DiametreObjectif = 2.0 * r.XDepart;
            in.OuvertureLunetteCalculee = true;
            return;
        }
        r.XDepart *= 0.99;
    }
    in.DiametreObjectif = 2.0 * r.XDepart;
    Validite.InstrumentValide = false;
    in.OuvertureLunetteCalculee = false;
}

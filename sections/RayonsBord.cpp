// The edge rays of the sections and their retreats from the flat's and the device's edges.
#include "sections/RayonsBord.h"

#include "optics/FormulesDeuxMiroirs.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "sections/Cadre.h"
#include "sections/Support.h"

#include <cmath>

namespace {

double Signe(double x)
{
    return (x > 0) - (x < 0);
}

} // namespace

TRayonsBord TraceRayonsBord(const TReglesRayonsBord& regles)
{
    void (*prepare)() = regles.Prepare ? regles.Prepare : PrepareSysteme;
    void (*trace)() = regles.Trace ? regles.Trace : TraceRayon;
    TRayonsBord resultat;
    TRayon& r = Rayon;

    r.RayonPerdu = false;
    r.EstRayonReference = true;
    prepare();
    if (Systeme.CalculInterrompu)
        return resultat;
    Systeme.HauteurImagePrincipale = 0;
    PlaceRayonAxial(0);
    trace();
    r.VignettageDispositif = false;
    if (r.RayonPerdu)
        return resultat;
    r.EstRayonReference = false;
    for (int i = 1; i <= NombreMaxDioptres; ++i)
        r.CarreDistanceAxeMaximal[i] = 0;

    const double demiEntree = Instrument.DiametreEntree / 2;
    for (int k = -1; k <= 1; ++k)
    {
        r.ManqueSecondaire = false;
        r.DansOmbreSecondaire = false;
        r.HorsSecondaire = false;
        r.ArretDispositif = false;
        r.RayonOcculte = false;
        r.RayonBloque = false;
        r.XDepart = k * demiEntree;
        r.YDepart = 0;
        trace();
        r.RayonOcculte = r.HorsSecondaire || r.ArretDispositif || (regles.OcculteParGroupe && r.ArretGroupe);
        VignettageSecondaire = r.HorsSecondaire;

        TRayonBord& rayon = resultat.Rayons[static_cast<std::size_t>(k + 1)];
        if (!regles.RetraitSecondaire)
            rayon.Couleur = CouleurRouge;
        else if (r.HorsSecondaire)
        {
            // Moved in by whole millimetres until the flat catches it; a ray that crosses the whole aperture
            // without being caught keeps its last trace.
            if (k != 0)
                while (r.HorsSecondaire)
                {
                    r.XDepart -= k;
                    if (std::abs(r.XDepart) > demiEntree)
                        break;
                    trace();
                }
            rayon.Couleur = CouleurBleuCiel;
        }
        else if (k == 0 && r.DansOmbreSecondaire)
            rayon.Couleur = CouleurRose;
        else
            rayon.Couleur = regles.SecondaireTropPetit ? CouleurBleuCiel : CouleurRouge;

        if (r.ArretDispositif)
        {
            int pas = 0;
            while (r.ArretDispositif && std::abs(r.XDepart) <= demiEntree)
            {
                r.ManqueSecondaire = false;
                r.HorsSecondaire = false;
                r.ArretDispositif = false;
                if (k != 0)
                    r.XDepart -= 0.1 * k;
                else if (std::abs(r.XDepart) <= 1e-6)
                    r.XDepart = 0.1;
                else
                    r.XDepart = -(r.XDepart + Signe(r.XDepart) * 0.1);
                trace();
                if (++pas > PasRetraitMaximal)
                {
                    resultat.Issue = TIssueRayonsBord::Abandon;
                    return resultat;
                }
            }
            r.VignettageDispositif = true;
            rayon.Couleur = CouleurVertClair;
        }
        rayon.SuiteDessinee = !r.ArretDispositif && !r.HorsSecondaire;
        rayon.XDepart = r.XDepart;
        rayon.Hauteurs = r.HauteurImpact;
        rayon.HauteurPrimaire = Instrument.ImpactPrimaire[0];
        rayon.CotePrimaire = Instrument.ImpactPrimaire[2];
        rayon.HauteurSecondaire = r.HauteurImpactSecondaire;
        rayon.CoteSecondaire = r.CoteImpactSecondaire;
        rayon.XRayon = r.XRayon;
        rayon.ZRayon = r.ZRayon;
        rayon.LRayon = r.LRayon;
        rayon.NRayon = r.NRayon;
        rayon.Occulte = r.RayonOcculte;
        rayon.VignettageDispositif = r.VignettageDispositif;
        rayon.DansTrouCentral = r.DansTrouCentral;
        rayon.VignettageSecondaire = VignettageSecondaire;
        resultat.Nombre = k + 2;

        if (regles.AvecBandeau && r.RayonOcculte)
        {
            TBandeau bandeau = LegendeBandeau(r.VignettageDispositif, r.DansTrouCentral, VignettageSecondaire,
                                              Instrument.TypeInstrument);
            bandeau.Place = regles.PlaceBandeau;
            MontreBandeau(bandeau);
        }
    }
    resultat.Issue = TIssueRayonsBord::Traces;
    return resultat;
}

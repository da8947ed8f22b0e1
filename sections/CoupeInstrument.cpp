// The one switch on the form for the instrument sections, on screen and on paper.
#include "sections/CoupeInstrument.h"

#include "optics/Arrondis.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/CoupeCassegrain.h"
#include "sections/CoupeHoughtonCassegrain.h"
#include "sections/CoupeKlevtsov.h"
#include "sections/CoupeLunette.h"
#include "sections/CoupeLurieHoughton.h"
#include "sections/CoupeMaksutov.h"
#include "sections/CoupeMaksutovCassegrain.h"
#include "sections/CoupeNewton.h"
#include "sections/CoupeSchmidt.h"
#include "sections/CoupeSchmidtNewton.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

namespace {

// The distance box's image for the call being drawn; a drawer that shows the box paints its face.
ICanevas* BoiteDistance = nullptr;

struct TCoupeForme
{
    void (*Dessine)(ICanevas& dessin) = nullptr;
    void (*Imprime)(ICanevas& canevas) = nullptr;
};

TCoupeForme CoupeDeLaForme(TTypeInstrument type)
{
    switch (type)
    {
    case TTypeInstrument::Newton: return {DessineCoupeNewton, ImprimeCoupeNewton};
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::DallKirkham: return {DessineCoupeCassegrain, ImprimeCoupeCassegrain};
    case TTypeInstrument::Schmidt: return {DessineCoupeSchmidt, ImprimeCoupeSchmidt};
    case TTypeInstrument::SchmidtNewton: return {DessineCoupeSchmidtNewton, ImprimeCoupeSchmidtNewton};
    case TTypeInstrument::LurieHoughton: return {DessineCoupeLurieHoughton, ImprimeCoupeLurieHoughton};
    case TTypeInstrument::HoughtonCassegrain: return {DessineCoupeHoughtonCassegrain, ImprimeCoupeHoughtonCassegrain};
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
        return {[](ICanevas& dessin) { DessineCoupeMaksutov(dessin, BoiteDistance); }, ImprimeCoupeMaksutov};
    case TTypeInstrument::MaksutovCassegrain: return {DessineCoupeMaksutovCassegrain, ImprimeCoupeMaksutovCassegrain};
    case TTypeInstrument::Lunette: return {DessineCoupeLunette, ImprimeCoupeLunette};
    case TTypeInstrument::KlevtsovCassegrain: return {DessineCoupeKlevtsov, ImprimeCoupeKlevtsov};
    case TTypeInstrument::Aucun: return {};
    }
    return {};
}

} // namespace

void DessineCoupeInstrument(ICanevas& dessin, ICanevas* boiteDistance)
{
    BoiteDistance = boiteDistance;
    Controles.BoxDistance.Visible = false;
    Controles.BoutonRayons.Visible = false;
    Controles.LabelDistanceAxe.Visible = false;
    Controles.LabelUnites.Visible = false;
    MontreBandeau({});
    Controles.Dessin.Visible = Instrument.TypeInstrument != TTypeInstrument::Aucun;
    VerifieInstrument();
    if (!Validite.InstrumentValide || Instrument.TypeInstrument == TTypeInstrument::Aucun)
    {
        Controles.Dessin.Visible = false;
        return;
    }
    FixeContexteAide(3100);
    // A form without a drawer would show no image, rather than the picture another view left in it.
    if (const TCoupeForme coupe = CoupeDeLaForme(Instrument.TypeInstrument); coupe.Dessine)
        coupe.Dessine(dessin);
    else
        Controles.Dessin.Visible = false;
}

void ImprimeCoupeInstrument(IImprimante& imprimante)
{
    ICanevas& canevas = imprimante.Canevas();
    const int pas = ImpressionEtat.PasLigneImpression;
    ImpressionEtat.HauteurBlocImprime = static_cast<int>(Round(imprimante.LargeurPage() * 350.0 / 762 + pas));
    BlocImprime(imprimante, ImpressionEtat.HauteurBlocImprime);
    VerifieInstrument();
    VerifieDispositif();

    const bool ouverte = PorteCoupeOuverte();
    MiseEnPage.OrdonneeCourante += pas;
    PoliceImpression(canevas, 9, true);
    // The title's cell takes the brush: white, whatever the block before left.
    canevas.Pinceau().Couleur = clWhite;
    canevas.TextOut(MiseEnPage.AbscisseCourante, MiseEnPage.OrdonneeCourante,
                    ouverte ? "Vue en coupe de l'instrument" : TexteCoupeRefusee(true));
    MiseEnPage.OrdonneeCourante += pas;
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
    PoliceImpression(canevas, 9, false);
    if (!ouverte)
        return;
    if (const TCoupeForme coupe = CoupeDeLaForme(Instrument.TypeInstrument); coupe.Imprime)
        coupe.Imprime(canevas);
}

// The solve of a design is the design's own: solving it after other solves, whatever image plane
// and focus they left, gives the same focus, focal length and beam radius at the central hole.
#include "optics/PrepareSysteme.h"

#include <gtest/gtest.h>

#include <cmath>

#include "optics/FormulesDeuxMiroirs.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

// What a previous solve leaves behind: its image plane, its focus, its focal length and the last
// ray's height in the plane of the hole.
struct EtatPrecedent
{
    const char* nom;
    double decalage, position, focale, hauteurTrou;
};

const EtatPrecedent EtatsPrecedents[] = {
    {"rien de resolu", 0, 0, 0, 0},
    {"le dispositif place", 150, 200, 3722, 12},
    {"une autre conception", -80, 1000, 50, 30},
};

struct Resultat
{
    double focale, position, decalage;
    float faisceauTrou;
};

// The Cassegrain or Gregory of D 200, F1 1000, F 4000, back focus 200, through its formulas, with
// a central hole of the given diameter and optionally a lens device.
void Construit(TTypeInstrument forme, double trou, bool avecDispositif)
{
    ConstruitFormeValide(forme);
    Instrument.DiametreTrouCentral = trou;
    if (avecDispositif)
    {
        // A BK7 negative lens 100 mm before the image: a Barlow lens.
        Dispositif.NombreDioptres = 2;
        Dispositif.RayonDioptre[1] = -200;
        Dispositif.EpaisseurDioptre[1] = 5;
        Dispositif.RayonDioptre[2] = 200;
        Dispositif.EpaisseurDioptre[2] = 100;
        Dispositif.DiametreDioptre[1] = Dispositif.DiametreDioptre[2] = 40;
        Dispositif.IndiceRouge[2] = Dispositif.IndiceVert[2] = Dispositif.IndiceBleu[2] = 1.51872f;
        Dispositif.IndiceRouge[3] = Dispositif.IndiceVert[3] = Dispositif.IndiceBleu[3] = 1.000278f;
        AppliqueIndices();
    }
    if (forme == TTypeInstrument::Gregory)
    {
        CalculeGregory();
    }
    else
    {
        CalculeCassegrain();
    }
    VerifieValidite();
}

Resultat Resout(const EtatPrecedent& avant)
{
    Systeme.DecalageFoyer = avant.decalage;
    Systeme.PositionFoyer = avant.position;
    Instrument.FocaleEffective = avant.focale;
    Rayon.HauteurTrou = avant.hauteurTrou;
    PrepareSysteme();
    EXPECT_FALSE(Systeme.CalculInterrompu);
    return {Instrument.FocaleEffective, Systeme.PositionFoyer, Systeme.DecalageFoyer, Systeme.RayonFaisceauTrou};
}

struct Cas
{
    const char* nom;
    TTypeInstrument forme;
    double trou;
    bool avecDispositif;
};

// The reference ray, sqrt(3)/4 D from the axis, converges on the focus over F: in the primary's
// plane, the back focus before it, it is D sqrt(3)/4 B / F = 4.33 mm from the axis.
TEST(PrepareSystemeDepart, LaMemeConceptionResolueApresDAutresDonneLesMemesValeurs)
{
    const Cas cas[] = {
        {"Cassegrain", TTypeInstrument::Cassegrain, 70, false},
        {"Gregory", TTypeInstrument::Gregory, 70, false},
        {"Cassegrain avec une Barlow", TTypeInstrument::Cassegrain, 70, true},
        {"Cassegrain sans trou", TTypeInstrument::Cassegrain, 0, false},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseEtat();
        Construit(c.forme, c.trou, c.avecDispositif);
        ASSERT_TRUE(Validite.InstrumentValide);
        ASSERT_EQ(Validite.DispositifPresent, c.avecDispositif);
        const Resultat premier = Resout(EtatsPrecedents[0]);
        const double attendu = c.trou > 0 ? 200.0 * std::sqrt(3.0) / 4.0 * 200.0 / 4000.0 : 0.0;
        EXPECT_NEAR(premier.faisceauTrou, attendu, 2e-3);
        for (const EtatPrecedent& avant : EtatsPrecedents)
        {
            SCOPED_TRACE(avant.nom);
            const Resultat r = Resout(avant);
            EXPECT_NEAR(r.focale, premier.focale, 1e-9);
            EXPECT_NEAR(r.position, premier.position, 1e-9);
            EXPECT_NEAR(r.decalage, premier.decalage, 1e-9);
            EXPECT_NEAR(r.faisceauTrou, premier.faisceauTrou, 1e-6f);
        }
    }
}

} // namespace

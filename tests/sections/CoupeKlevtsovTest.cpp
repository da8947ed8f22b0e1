// The Klevtsov-Cassegrain's section with the real tracer: drawn and printed with and without a lens device, the
// secondary as a blank of its own or as the silvered back of the group's last glass, the one size message, a beam
// too wide for a group surface on its way back, and a design whose beam leaves diverging.
#include "CoupesDeTest.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"

#include <string>

namespace {

using T = TTypeInstrument;

class CoupeKlevtsov : public CoupeDeTest
{};

const std::string TexteTrou = " Le diamètre du trou du miroir principal est trop petit";

// The test design with a secondary of 800 mm, whose beam converges on a focus far behind the primary, the secondary
// and the group 80 mm wide, wider than the beam.
void Klevtsov()
{
    ConstruitFormeValide(T::KlevtsovCassegrain);
    Instrument.RayonCourbureSecondaire = 800;
    RederiveForme();
}

// The size message drawn in the fuchsia box, or none.
std::string Message(const TCanevasEnregistreur& dessin)
{
    std::string message;
    for (const TAppelCanevas& appel : dessin.Textes())
        if (appel.Pinceau.Couleur == CouleurFuchsia)
            message += appel.Texte;
    return message;
}

TEST_F(CoupeKlevtsov, SeDessineEtSImprimeSansToucherLaConception)
{
    for (const bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif ? "with a device" : "without a device");
        Klevtsov();
        if (dispositif)
            DispositifDeuxLentilles();
        ASSERT_TRUE(Validite.InstrumentValide);
        ASSERT_EQ(Validite.DispositifPresent, dispositif);
        DessineEtImprimeSansToucherLaConception(std::string("klevtsov") + (dispositif ? "-d" : ""));
    }
}

TEST_F(CoupeKlevtsov, UnFaisceauQuiDivergeRendLaConceptionInvalideJusquAuControleSuivant)
{
    // A secondary of 400 mm, 300 mm before the primary's focus, sends the beam back diverging.
    ConstruitFormeValide(T::KlevtsovCassegrain);
    Instrument.RayonCourbureSecondaire = 400;
    RederiveForme();
    ASSERT_TRUE(Validite.InstrumentValide);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_FALSE(Validite.InstrumentValide);
    EXPECT_TRUE(TexteDessine(dessin, {.Texte = "Les données sont incomplètes ou incohérentes", .X = 0, .Y = 0}));
    VerifieInstrument();
    EXPECT_TRUE(Validite.InstrumentValide);
}

TEST_F(CoupeKlevtsov, LeTrouPasseAvantLeSecondaireQuiPasseAvantLeGroupe)
{
    struct TCas
    {
        const char* Nom;
        float Secondaire;
        float Trou;
        std::string Message;
    };
    const TCas cas[] = {
        {"all sizes right", 80, 60, ""},
        {"secondary too small", 60, 60, " Le miroir secondaire est trop petit "},
        {"hole and secondary too small", 60, 10, TexteTrou},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Klevtsov();
        Instrument.DiametreSecondaire = c.Secondaire;
        Instrument.DiametreTrouCentral = c.Trou;
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_EQ(Message(dessin), c.Message);
        if (!c.Message.empty())
        {
            EXPECT_TRUE(TexteDessine(
                dessin, {.Texte = c.Message, .X = 762 - dessin.TextWidth(c.Message), .Y = 2, .Couleur = clWhite}));
        }
        EXPECT_EQ(PixelsEnCouleur(dessin, 0x00FC7C).empty(), c.Message != TexteTrou);
    }
}

TEST_F(CoupeKlevtsov, LaPremiereSurfaceTropEtroiteSurLeTrajetNommeSonNumero)
{
    // The beam is about 65 mm wide on the group's two faces, both ways.
    struct TCas
    {
        float Surface1, Surface2;
        int Numero;
    };
    std::size_t bleusDepuis1 = 0;
    for (const TCas c : {TCas{60, 80, 1}, TCas{60, 60, 1}, TCas{80, 60, 2}})
    {
        SCOPED_TRACE(std::to_string(c.Surface1) + " " + std::to_string(c.Surface2));
        Klevtsov();
        Groupe.DiametreGroupe[1] = c.Surface1;
        Groupe.DiametreGroupe[2] = c.Surface2;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_EQ(Message(dessin),
                  " Le diamètre du dioptre N°" + std::to_string(c.Numero) + " du groupe de Klevtsov est trop petit ");
        // Blue from the segment that leaves the surface on the way to the secondary: one segment less for surface 2.
        const std::size_t bleus = PixelsEnCouleur(dessin, CouleurBleuCiel).size();
        if (c.Numero == 1)
            bleusDepuis1 = bleus;
        else
        {
            EXPECT_GT(bleus, 0u);
            EXPECT_LT(bleus, bleusDepuis1);
        }
    }
}

TEST_F(CoupeKlevtsov, UnGroupeImpairPorteLeSecondaireSurSonDernierVerre)
{
    for (const int surfaces : {2, 3})
    {
        SCOPED_TRACE(surfaces);
        Klevtsov();
        if (surfaces == 3)
        {
            // A third face 5 mm behind the second, its glass 10 mm thick silvered at the back as the secondary.
            Groupe.NombreDioptresGroupe = 3;
            Groupe.EpaisseurGroupe[2] = 5;
            Groupe.RayonGroupe[3] = 800;
            Groupe.DiametreGroupe[3] = 80;
            Groupe.EpaisseurGroupe[3] = 10;
            Groupe.IndiceRougeGroupe[3] = Groupe.IndiceRougeGroupe[1];
            Groupe.IndiceVertGroupe[3] = Groupe.IndiceVertGroupe[1];
            Groupe.IndiceBleuGroupe[3] = Groupe.IndiceBleuGroupe[1];
            Groupe.MatiereGroupe[3] = Groupe.MatiereGroupe[1];
            RederiveForme();
        }
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasImage dessin(762, 550);
        DessineCoupeInstrument(dessin);
        ASSERT_TRUE(Validite.InstrumentValide);
        EXPECT_FLOAT_EQ(static_cast<float>(Instrument.EpaisseurSecondaireDessin),
                        surfaces == 2 ? Instrument.DiametreSecondaire / 10 : 0.0f);
        const auto page = Imprime();
        int arcs = 0;
        for (const TAppelCanevas& appel : page->Journal())
            if (appel.Operation == TOperationCanevas::Arc)
            {
                ++arcs;
                EXPECT_EQ(appel.Stylo.Couleur, Instrument.TeinteMiroirs);
                EXPECT_EQ(appel.Stylo.Epaisseur, 2 * 8);
            }
        EXPECT_EQ(arcs, surfaces == 3 ? 1 : 0);
    }
}

} // namespace

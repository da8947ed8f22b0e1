// The Schmidt-Cassegrain's block of the sheet and its printed twin.
#include "sheet/BlocSchmidtCassegrain.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocInstrument.h"
#include "sheet/BlocSchmidt.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"

#include <cmath>
#include <string>

namespace {

const std::string LibelleCoefficients = "Coefficients de déformation ==>";
const std::string LibelleLame = "Lame de Schmidt = ";
const std::string LibellePrimaire = "Miroir primaire, b = 0";
const std::string LibelleSecondaire = "Miroir secondaire, c = 0";
const std::string LibelleRayonSecondaire = "Rayon de courbure du miroir secondaire = ";

bool RapportConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1;
}

bool AvecProfil()
{
    return Instrument.ProfilLame != ProfilAucun;
}

std::string TexteRapport()
{
    return "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00");
}

// The secondary's place is shown once the design it comes from can be made: a magnifying secondary, the back focus,
// a plate of glass thick enough for its profile and the green line to trace it.
bool SecondairePlace(bool testeSecondaire)
{
    const double f1 = Instrument.FocalePrimaire;
    return Instrument.DiametreEntree > 1 && f1 > 1 && Instrument.FocaleResultante > 1.1 * f1 &&
           !EstDegagementNonSaisi(Instrument.DegagementFoyer) && (Instrument.EpaisseurLame > 0.01 || !AvecProfil()) &&
           Groupe.IndiceVertGroupe[1] > Reglages.IndiceLimite && LongueursOnde.LongueurOndeVerte > 0 &&
           (!testeSecondaire || !Validite.SansSecondaire);
}

bool GrandissementConnu()
{
    return Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > Instrument.FocalePrimaire;
}

std::string TexteGrandissement()
{
    // The secondary's magnification as this form's sheet has always shown it, scaled by 1.0325.
    return "Grandissement = " + FormateNombre(Instrument.Grandissement * 1.0325, "#0.##") + " x";
}

std::string TexteRayonSecondaire()
{
    return LibelleRayonSecondaire + FormateNombre(Instrument.RayonCourbureSecondaire, "#0.#") + " mm";
}

std::string LibelleDistanceLame()
{
    return AvecProfil() ? "Distance lame-miroir primaire = " : "Distance diaphragme-miroir primaire = ";
}

void DessineDeveloppe(ICanevas& c)
{
    const int largeur = Controles.LargeurFenetre;
    DessineParametresPrimaire(c);

    int y = MiseEnPage.OrdonneeCourante + 16;
    CalculeTacheDiffraction();
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        c.TextOut(20, y, rapport);
        const int xDiffraction = LigneDiffractionMesuree(c, y, Instrument.TacheDiffractionMicrons, " (Objectif Seul)",
                                                         TMesureDiffraction::PolicesDessinees, 20);
        const std::string miroir =
            "Diamètre du miroir primaire = " + FormateNombre(Instrument.DiametreMiroir, "#0.0") + " mm";
        TexteEntre(c, y, 20 + c.TextWidth(rapport), xDiffraction, miroir);
    }

    y += 16;
    DessineLigneDegagement(c, y);

    y += 16;
    const int ecart = (largeur - c.TextWidth(LibelleCoefficients) - c.TextWidth(LibelleLame) -
                       c.TextWidth(LibellePrimaire) - c.TextWidth(LibelleSecondaire) - c.TextWidth("1000.0") - 32) /
                      3;
    c.TextOut(20, y, LibelleCoefficients);
    const int xLame = 20 + c.TextWidth(LibelleCoefficients) + ecart;
    c.TextOut(xLame, y, LibelleLame);
    const int finArl = PlaceCaseArl(c, xLame + c.TextWidth(LibelleLame), y);
    c.TextOut(finArl + 2 + ecart, y, LibellePrimaire);
    PeintTexteDroit(c, y, LibelleSecondaire);

    y += 16;
    if (SecondairePlace(true))
    {
        c.TextOut(20, y,
                  "Distance entre les miroirs = " +
                      FormateNombre(Dispositif.CentreDioptre[0] - Instrument.RayonCourbureSecondaire, "#0.#") + " mm");
        PeintTexteDroit(c, y, TexteRayonSecondaire());
    }

    y += 16;
    PlaceTableauEtBoutonLame(y);
    DessineTableauSchmidt();

    y += 51;
    const std::string epaisseurLame = "Epaisseur de la lame = ";
    int finGauche = 0;
    if (AvecProfil())
    {
        PeintElementGauche(c, 20, y, epaisseurLame, CaseEpaisseurLame, TexteValeurCase(Instrument.EpaisseurLame),
                           "10000.0", " mm");
        finGauche = MiseEnPage.AbscisseFinElement;
    }
    else
    {
        // Without a plate there is no thickness to edit; its place still sets where the middle item goes.
        finGauche = 20 + c.TextWidth(epaisseurLame) + c.TextWidth("10000.0") + 8 + 2 + c.TextWidth(" mm");
    }
    const std::string epaisseurPrimaire = "Epaisseur du miroir primaire = ";
    const int xDroit = largeur - c.TextWidth(epaisseurPrimaire) - c.TextWidth(" mm") - c.TextWidth("10000.0") - 30;
    PeintElementGauche(c, xDroit, y, epaisseurPrimaire, CaseEpaisseurPrimaire,
                       TexteValeurCase(Instrument.EpaisseurPrimaire), "10000.0", " mm");
    const std::string distance = LibelleDistanceLame();
    const double lameMiroir = Instrument.DistanceLameMiroir;
    PeintElementGauche(
        c,
        finGauche + (xDroit - finGauche - c.TextWidth(distance) - c.TextWidth(" mm") - c.TextWidth("10000.0") - 10) / 2,
        y, distance, CaseDistanceLameMiroir, lameMiroir < 1 ? std::string() : FormateNombre(lameMiroir, "#0.#"),
        "10000.0", " mm");

    y += 16;
    if (GrandissementConnu())
        c.TextOut(20, y, TexteGrandissement());
    if (AvecProfil() && Instrument.ReliefLame > 0)
        PeintTexteDroit(c, y, TexteReliefLame(false));
    PeintElementGauche(c, largeur / 4, y, "Epaisseur du miroir secondaire = ", CaseEpaisseurSecondaire,
                       TexteValeurCase(Instrument.EpaisseurSecondaire), "10000.0", " mm");

    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocaleResultante].Bottom + 160;
    RendLameEditee();
}

// ---- Printed twin ----

// "#0.#", or the given blanks when the value is 0.
std::string ValeurOuBlancs(double valeur, int blancs)
{
    return valeur == 0 ? std::string(static_cast<std::size_t>(blancs), ' ') : FormateNombre(valeur, "#0.#");
}

void ImprimeDeveloppe(ICanevas& c)
{
    const int m = ImpressionEtat.MargeImpression;
    const int pas = ImpressionEtat.PasLigneImpression;
    ImprimeParametresPrimaire(c);

    int y = MiseEnPage.OrdonneeCourante + pas;
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        c.TextOut(m, y, rapport);
        ImprimeLigneDiffraction(c, y, " (Objectif Seul)", m);
        TexteEntre(c, y, m + c.TextWidth(rapport), DebutLigneDiffractionImprimee(c),
                   "Diamètre miroir primaire = " + FormateNombre(Instrument.DiametreMiroir, "#0.0") + " mm");
    }

    y += pas;
    const double degagement = Instrument.DegagementFoyer;
    const std::string texteDegagement = "Dégagement du foyer = " + FormateNombre(degagement, "#0.#") + " mm";
    if (!EstDegagementNonSaisi(degagement))
        c.TextOut(m, y, texteDegagement);
    const int xDroit = ImprimeTexteADroite(
        c, y, "Diamètre du miroir secondaire = " + ValeurOuBlancs(Instrument.DiametreSecondaire, 4) + " mm");
    TexteEntre(c, y, m + c.TextWidth(texteDegagement), xDroit,
               "Diamètre du trou central du miroir primaire = " + ValeurOuBlancs(Instrument.DiametreTrouCentral, 4) +
                   " mm");

    y += pas;
    const std::string lame = LibelleLame + FormateNombre(Instrument.CoefficientDeformationLame, "#0.###");
    const int ecart = (ImpressionEtat.LargeurImprimable - c.TextWidth(LibelleCoefficients) - c.TextWidth(lame) -
                       c.TextWidth(LibellePrimaire) - c.TextWidth(LibelleSecondaire)) /
                      3;
    c.TextOut(m, y, LibelleCoefficients);
    const int xLame = m + c.TextWidth(LibelleCoefficients) + ecart;
    c.TextOut(xLame, y, lame);
    c.TextOut(xLame + c.TextWidth(lame) + ecart, y, LibellePrimaire);
    ImprimeTexteADroite(c, y, LibelleSecondaire);

    y += pas;
    if (SecondairePlace(false))
    {
        c.TextOut(m, y,
                  "Distance entre le foyer primaire et le miroir secondaire = " +
                      FormateNombre(Instrument.DistanceFoyerPrimaireSecondaire, "#0.#") + " mm");
        ImprimeTexteADroite(c, y, TexteRayonSecondaire());
    }

    MiseEnPage.OrdonneeCourante = y + pas;
    MiseEnPage.AbscisseCourante = m;
    ImprimeParametresLame(c);
    y = MiseEnPage.OrdonneeCourante;
    const std::string epaisseurLame = "Epaisseur de la lame = " + ValeurOuBlancs(Instrument.EpaisseurLame, 3) + " mm";
    if (AvecProfil())
        c.TextOut(m, y, epaisseurLame);
    const int xPrimaire = ImprimeTexteADroite(
        c, y, "Epaisseur du miroir primaire = " + ValeurOuBlancs(Instrument.EpaisseurPrimaire, 3) + " mm");
    const double lameMiroir = Instrument.DistanceLameMiroir;
    TexteEntre(c, y, m + c.TextWidth(epaisseurLame), xPrimaire,
               LibelleDistanceLame() + (lameMiroir < 1 ? std::string(5, ' ') : FormateNombre(lameMiroir, "#0.#")) +
                   " mm");

    y += pas;
    int finGauche = m;
    if (GrandissementConnu())
    {
        const std::string grandissement = TexteGrandissement();
        c.TextOut(m, y, grandissement);
        finGauche += c.TextWidth(grandissement);
    }
    int debutDroit = c.Largeur() - m;
    if (AvecProfil() && Instrument.ReliefLame > 0)
        debutDroit = ImprimeTexteADroite(c, y, TexteReliefLame(true));
    TexteEntre(c, y, finGauche, debutDroit,
               "Epaisseur du miroir secondaire = " + ValeurOuBlancs(Instrument.EpaisseurSecondaire, 2) + " mm");
    MiseEnPage.OrdonneeCourante = y + pas;
}

} // namespace

void DessineParametresSchmidtCassegrain(ICanevas& canevas)
{
    VerifieInstrument();
    Controles.TableauKlevtsov.Visible = false;
    Controles.ComboBox.Visible = false;
    Controles.BoutonLame.Visible = false;
    Controles.BoutonChampCourbe.Visible = false;
    if (Edition.InstrumentDeveloppe)
        DessineDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
}

void ImprimeParametresSchmidtCassegrain(ICanevas& canevas)
{
    VerifieInstrument();
    RendLameEditee();
    if (Edition.InstrumentDeveloppe)
    {
        ImprimeDeveloppe(canevas);
        return;
    }
    ImprimeEnteteInstrument(canevas);
    MiseEnPage.OrdonneeCourante += ImpressionEtat.PasLigneImpression;
}

// The Newton telescope's block of the sheet and its printed twin.
#include "sheet/BlocNewton.h"

#include "optics/Modele.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>

namespace {

const std::string LibelleDiametre = "Diamètre du miroir primaire = ";
const std::string LibelleFocale = "Distance Focale = ";
const std::string MesureFocale = "Distance Focale =  mm";

bool RapportConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1;
}

std::string TexteRapport()
{
    return "F/D = " + FormateNombre(Instrument.FocalePrimaire / Instrument.DiametreEntree, "#0.00");
}

void CacheControlesLame()
{
    Controles.TableauSchmidt.Visible = false;
    Controles.BoutonLame.Visible = false;
    Controles.BoutonChampCourbe.Visible = false;
}

void DessineDeveloppe(ICanevas& c)
{
    Controles.ComboBox.Visible = false;
    CacheControlesLame();
    PeintBasculeInstrument(c, true, MiseEnPage.CaseBasculeInstrument.Bottom + 60);
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;

    PeintNomInstrument(c, y0);

    int y = y0 + 16;
    PeintElementGauche(c, 20, y, LibelleDiametre, CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree),
                       "10000.0", " mm");
    const int xm = MiseEnPage.CaseValeur[CaseDiametreEntree].Right + 2;
    MiseEnPage.LargeurDisponible =
        largeur - xm - c.TextWidth(" mm") - c.TextWidth(MesureFocale) - c.TextWidth("10000.0") - 8;
    PeintElementGauche(c, xm + (2 * MiseEnPage.LargeurDisponible) / 5, y, LibelleFocale, CaseFocalePrimaire,
                       TexteValeurCase(Instrument.FocalePrimaire), "10000.0", " mm");

    y += 16;
    if (RapportConnu())
    {
        c.TextOut(20, y, TexteRapport());
        LigneDiffraction(c, y, " (Objectif Seul)");
    }

    y += 16;
    PeintElementGauche(c, 20, y, "Coefficient de déformation = ", CaseCoefficientDeformationPrimaire,
                       FormateNombre(Instrument.CoefficientDeformationPrimaire, "#0.###"), "-00.00", "");
    PeintElementDroit(c, y, "Distance Miroir Plan - Foyer = ", CaseDegagementFoyer,
                      TexteValeurCase(Instrument.DistanceSecondaireFoyer), "1000.0", " mm");
    PeintElementMilieu(c, y, "Petit côté du miroir plan =  mm", "Petit côté du miroir plan = ", CaseDiametreSecondaire,
                       TexteValeurCase(Instrument.DiametreSecondaire), "1000.0", " mm");

    y += 16;
    PeintElementGauche(c, 70, y, "Epaisseur du miroir principal = ", CaseEpaisseurPrimaire,
                       TexteValeurCase(Instrument.EpaisseurPrimaire), "1000.0", " mm");
    PeintElementGauche(c, MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Right + 100, y,
                       "Epaisseur du miroir plan = ", CaseEpaisseurSecondaire,
                       TexteValeurCase(Instrument.EpaisseurSecondaire), "10000.0", " mm");

    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Bottom + 16;
}

void DessineReplie(ICanevas& c)
{
    CacheControlesLame();
    Controles.CaseArl.Visible = false;
    PeintBasculeInstrument(c, false, 0);
    const int y = MiseEnPage.OrdonneePremiereLigne;

    const int x = PeintNomReplie(c, y);
    PeintElementGauche(c, x, y, LibelleDiametre, CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree),
                       "10000.0", " mm");
    if (RapportConnu())
        MiseEnPage.LargeurDisponible = PeintTexteDroit(c, y, TexteRapport()) - MiseEnPage.AbscisseFinElement;
    else
        MiseEnPage.LargeurDisponible = Controles.LargeurFenetre - MiseEnPage.AbscisseFinElement;
    PeintElementMilieu(c, y, MesureFocale, LibelleFocale, CaseFocalePrimaire,
                       TexteValeurCase(Instrument.FocalePrimaire), "10000.0", " mm");

    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocalePrimaire].Bottom + 16;
}

void ImprimeDeveloppe(ICanevas& c)
{
    const int x0 = ImpressionEtat.MargeImpression;
    const int p = c.Largeur();
    const int pas = ImpressionEtat.PasLigneImpression;
    int y = MiseEnPage.OrdonneeCourante;

    PoliceImpression(c, 9, true);
    c.TextOut(MiseEnPage.AbscisseCourante, y, Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    const double distance = Instrument.DistanceSecondaireFoyer;
    if (Validite.InstrumentValide &&
        (std::abs(distance) <= 0.01 ||
         (distance > 1e-6 && Instrument.DiametreSecondaire > 1e-6 && Instrument.EpaisseurPrimaire > 1e-6)))
    {
        const std::string texte = TexteLongueurInstrument(Instrument.LongueurInstrument);
        c.TextOut(p - x0 - c.TextWidth(texte), y, texte);
    }

    y += pas;
    const std::string diametre = LibelleDiametre + TexteValeurImprimee(Instrument.DiametreEntree) + " mm";
    const std::string focale = LibelleFocale + TexteValeurImprimee(Instrument.FocalePrimaire) + " mm";
    const int wD = c.TextWidth(diametre);
    c.TextOut(x0, y, diametre);
    c.TextOut(wD + (2 * (p - wD - x0 - c.TextWidth(focale))) / 5, y, focale);

    y += pas;
    if (RapportConnu())
    {
        c.TextOut(x0, y, TexteRapport());
        ImprimeLigneDiffraction(c, y, " (Objectif Seul)", x0);
    }

    y += pas;
    const std::string coefficient =
        "Coefficient de déformation = " + FormateNombre(Instrument.CoefficientDeformationPrimaire, "#0.###");
    c.TextOut(x0, y, coefficient);
    const int finCoefficient = x0 + c.TextWidth(coefficient);
    int xDroit = p - x0;
    if (distance > 0.1)
    {
        const std::string texte = "Distance Miroir Plan - Foyer = " + FormateNombre(distance, "#0.#") + " mm";
        xDroit = p - x0 - c.TextWidth(texte);
        c.TextOut(xDroit, y, texte);
    }
    const std::string petitCote =
        "Petit côté du miroir plan = " + TexteValeurImprimee(Instrument.DiametreSecondaire) + " mm";
    c.TextOut(finCoefficient + (xDroit - finCoefficient - c.TextWidth(petitCote)) / 2, y, petitCote);

    y += pas;
    const std::string primaire =
        "Epaisseur du miroir principal = " + FormateNombre(Instrument.EpaisseurPrimaire, "#0.#") + " mm";
    const std::string plan =
        "Epaisseur du miroir plan = " + FormateNombre(Instrument.EpaisseurSecondaire, "#0.#") + " mm";
    const int w1 = c.TextWidth(primaire);
    const int tiers = (p - w1 - c.TextWidth(plan)) / 3;
    if (Instrument.EpaisseurPrimaire > 0.1)
        c.TextOut(tiers, y, primaire);
    if (Instrument.EpaisseurSecondaire > 0.1)
        c.TextOut(tiers + w1 + tiers, y, plan);

    MiseEnPage.OrdonneeCourante = y + pas;
}

void ImprimeReplie(ICanevas& c)
{
    const int x0 = ImpressionEtat.MargeImpression;
    const int p = c.Largeur();
    const int y = MiseEnPage.OrdonneeCourante;

    PoliceImpression(c, 9, true);
    c.TextOut(MiseEnPage.AbscisseCourante, y, Instrument.NomInstrument);
    const int finNom = MiseEnPage.AbscisseCourante + c.TextWidth(Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    const std::string diametre = LibelleDiametre + TexteValeurImprimee(Instrument.DiametreEntree) + " mm";
    const std::string focale = LibelleFocale + TexteValeurImprimee(Instrument.FocalePrimaire) + " mm";
    const int w1 = c.TextWidth(diametre);
    int reste = p - finNom - x0 - w1 - c.TextWidth(focale);
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        c.TextOut(p - x0 - c.TextWidth(rapport), y, rapport);
        reste -= c.TextWidth(rapport);
    }
    const int x1 = finNom + reste / 3;
    c.TextOut(x1, y, diametre);
    c.TextOut(x1 + w1 + reste / 3, y, focale);
    MiseEnPage.OrdonneeCourante = y + ImpressionEtat.PasLigneImpression;
}

} // namespace

void DessineParametresNewton(ICanevas& canevas)
{
    if (Edition.InstrumentDeveloppe)
        DessineDeveloppe(canevas);
    else
        DessineReplie(canevas);
}

void ImprimeParametresNewton(ICanevas& canevas)
{
    if (Edition.InstrumentDeveloppe)
        ImprimeDeveloppe(canevas);
    else
        ImprimeReplie(canevas);
}

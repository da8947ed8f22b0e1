// The block of the Maksutov-Cassegrain on the sheet and its printed twin.
#include "sheet/BlocMaksutovCassegrain.h"

#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"

#include <cmath>

namespace {

const std::string LibelleDegagement = "Dégagement du foyer = ";
const std::string LibelleCoefficientPrimaire = "Coefficients de déformation ==>  miroir primaire, b = ";

// The secondary is a spot aluminised on the meniscus: no conic, thickness or clearance of its own to edit.
bool SurMenisque()
{
    return Instrument.SecondaireSurMenisque;
}

bool RapportConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1;
}

// The separation of the mirrors needs a design complete enough for the secondary to be placed.
bool MiroirsPlaces()
{
    const TInstrument& I = Instrument;
    return I.DiametreEntree > 1 && I.FocalePrimaire > 1 && 1.1 * I.FocalePrimaire < I.FocaleResultante &&
           std::abs(I.DegagementFoyer) < SeuilDegagementNonSaisi && I.EpaisseurLame > 0.01 &&
           Groupe.IndiceVertGroupe[1] > Reglages.IndiceLimite && LongueursOnde.LongueurOndeVerte > 0;
}

bool GrandissementConnu()
{
    return Instrument.RayonCourburePrimaire > 1 && Instrument.FocaleResultante > Instrument.FocalePrimaire;
}

bool MenisqueConnu()
{
    return std::abs(Instrument.RayonMenisque1) > 1 && Instrument.EpaisseurLame > 0.1;
}

std::string TexteRapport()
{
    return "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00");
}

std::string EnMillimetres(const std::string& libelle, double valeur)
{
    return libelle + FormateNombre(valeur, "#0.#") + " mm";
}

std::string TexteCoefficientSecondaire()
{
    const double c = Instrument.CoefficientDeformationSecondaire;
    if (EstCoefficientACalculer(c))
        return {};
    return FormateNombre(c, std::abs(c) > 100 ? "#0.000" : "#0.0000");
}

std::string LibelleDistanceLame()
{
    return Instrument.ProfilLame != ProfilAucun ? "Distance lame-miroir primaire = "
                                                : "Distance diaphragme-miroir primaire = ";
}

std::string TexteDistance(double valeur)
{
    return valeur < 1 ? std::string() : FormateNombre(valeur, "#0.#");
}

// Lines 3 and 4: the clearance, the secondary's diameter and the primary's hole; the conics and the secondary's
// thickness.
void DessineSecondaire(ICanevas& c, int y0)
{
    const int largeur = Controles.LargeurFenetre;
    const bool t = SurMenisque();
    int y = y0 + 48;
    MiseEnPage.OrdonneeCourante = y;
    int fin3a = 20 + c.TextWidth(LibelleDegagement) + c.TextWidth("1000.0") + c.TextWidth(" mm");
    const double degagement = Instrument.DegagementFoyer;
    if (!t)
    {
        PeintElementGauche(c, 20, y, LibelleDegagement, CaseDegagementFoyer,
                           degagement > SeuilDegagementNonSaisi ? std::string() : TexteValeurCase(degagement), "1000.0",
                           " mm");
        fin3a = MiseEnPage.AbscisseFinElement;
    }
    else if (degagement < SeuilDegagementNonSaisi)
    {
        const std::string texte = EnMillimetres(LibelleDegagement, degagement);
        c.TextOut(20, y, texte);
        fin3a = 20 + c.TextWidth(texte);
    }
    const std::string secondaire = "Diamètre du miroir secondaire = ";
    const int xm =
        t ? largeur - c.TextWidth(" mm") - 20 : largeur - c.TextWidth(" mm") - c.TextWidth("10000000.0") - 28;
    c.TextOut(xm, y, " mm");
    const TCase& boite9 = PeintCase(c, CaseDiametreSecondaire, xm - c.TextWidth("1000.0") - 8, y,
                                    TexteValeurCase(Instrument.DiametreSecondaire), "1000.0");
    c.TextOut(boite9.Left - c.TextWidth(secondaire) - 1, y, secondaire);
    const std::string trou =
        t ? "Diamètre du trou central du miroir primaire = " : "Trou central du miroir primaire = ";
    const int g3 = boite9.Left - c.TextWidth(secondaire) - fin3a - 1 - c.TextWidth(trou) - c.TextWidth("1000.0") -
                   c.TextWidth(" mm") - 8;
    PeintElementGauche(c, fin3a + (t ? g3 / 2 : g3 / 3), y, trou, CaseDiametreTrouCentral,
                       TexteValeurCase(Instrument.DiametreTrouCentral), "1000.0", " mm");

    y += 16;
    MiseEnPage.OrdonneeCourante = y;
    const double b = Instrument.CoefficientDeformationPrimaire;
    PeintElementGauche(c, 20, y, LibelleCoefficientPrimaire, CaseCoefficientDeformationPrimaire,
                       EstCoefficientACalculer(b) ? std::string() : FormateNombre(b, "#0.000"), "1.235678", "");
    const int droite8 = MiseEnPage.CaseValeur[CaseCoefficientDeformationPrimaire].Right;
    if (t)
    {
        const std::string texte = "Miroir secondaire, c = 0";
        c.TextOut(droite8 + 2 * ((largeur - droite8 - c.TextWidth(texte)) / 4), y, texte);
        return;
    }
    PeintElementGauche(c, droite8 + 30, y, "Miroir secondaire, c = ", CaseCoefficientDeformationSecondaire,
                       TexteCoefficientSecondaire(), "1.235678", "");
    PeintElementDroit(c, y, "Epaisseur du miroir secondaire = ", CaseEpaisseurSecondaire,
                      TexteValeurCase(Instrument.EpaisseurSecondaire), "10000.0", " mm");

    y += 16;
    MiseEnPage.OrdonneeCourante = y;
    if (MiroirsPlaces())
    {
        c.TextOut(20, y,
                  EnMillimetres("Distance entre les miroirs = ",
                                Instrument.FocalePrimaire - Instrument.DistanceFoyerPrimaireSecondaire));
        PeintTexteDroit(c, y,
                        EnMillimetres("Rayon de courbure du miroir secondaire = ", Instrument.RayonCourbureSecondaire));
    }
}

// Lines 6 and 7 under the meniscus table.
void DessineLame(ICanevas& c, int y6)
{
    const int largeur = Controles.LargeurFenetre;
    int y = y6;
    MiseEnPage.OrdonneeCourante = y;
    const std::string lame = "Epaisseur de la lame = ";
    // Without a profile the meniscus thickness is not shown and its box cannot be hit; its place still sets the line.
    const int gauche13 = 20 + c.TextWidth(lame);
    const int droite13 = gauche13 + c.TextWidth("10000.0") + 8;
    if (Instrument.ProfilLame != ProfilAucun)
        PeintElementGauche(c, 20, y, lame, CaseEpaisseurLame, TexteValeurCase(Instrument.EpaisseurLame), "10000.0",
                           " mm");
    const int fin6a = droite13 + 2 + c.TextWidth(" mm");
    const std::string primaire = "Epaisseur du miroir primaire = ";
    const int x6b = largeur - c.TextWidth(primaire) - c.TextWidth(" mm") - c.TextWidth("10000.0") - 30;
    PeintElementGauche(c, x6b, y, primaire, CaseEpaisseurPrimaire, TexteValeurCase(Instrument.EpaisseurPrimaire),
                       "10000.0", " mm");
    const std::string distance = LibelleDistanceLame();
    const int g6 = x6b - fin6a - (c.TextWidth(distance) + c.TextWidth(" mm") + c.TextWidth("10000.0") + 10);
    const std::string valeur14 = TexteDistance(Instrument.DistanceLameMiroir);
    PeintElementGauche(c, fin6a + g6 / 2, y, distance, CaseDistanceLameMiroir, valeur14, "10000.0", " mm");

    y += 16;
    MiseEnPage.OrdonneeCourante = y;
    // Without a magnification, the primary's diameter is centred from the width of the last value formatted.
    int fin7a = 20 + c.TextWidth(valeur14);
    if (GrandissementConnu())
    {
        const std::string texte = "Grandissement = " + FormateNombre(Instrument.Grandissement, "#0.##") + " x";
        c.TextOut(20, y, texte);
        fin7a = 20 + c.TextWidth(texte);
    }
    const std::string menisque =
        EnMillimetres("Epaisseur totale du ménisque d'entrée = ", Instrument.EpaisseurTotaleMenisque);
    const int x7b = largeur - c.TextWidth(menisque) - 20;
    if (MenisqueConnu())
        c.TextOut(x7b, y, menisque);
    const std::string miroir = EnMillimetres("Diamètre du miroir primaire = ", Instrument.DiametreMiroir);
    c.TextOut(fin7a + (x7b - fin7a - c.TextWidth(miroir)) / 2, y, miroir);
}

void DessineDeveloppe(ICanevas& c)
{
    DessineParametresPrimaire(c);
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;

    const int y = y0 + 32;
    MiseEnPage.OrdonneeCourante = y;
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        c.TextOut(20, y, rapport);
        const int fin2a = 20 + c.TextWidth(rapport);
        LigneDiffraction(c, y, " (Objectif Seul)");
        const std::string minimal = EnMillimetres("Diamètre minimal du primaire = ", Instrument.DiametreMiroir);
        // The Greek letter's width is left in the gap.
        const int g =
            largeur - c.TextWidth(MiseEnPage.TexteCourant) - c.TextWidth(MiseEnPage.TexteLongueurOnde) - 20 - fin2a;
        c.TextOut(fin2a + (g - c.TextWidth(minimal)) / 2, y, minimal);
    }

    DessineSecondaire(c, y0);

    const int yT = SurMenisque() ? y0 + 80 : y0 + 96;
    Controles.TableauSchmidt.Visible = true;
    Controles.TableauSchmidt.Left = 20;
    Controles.TableauSchmidt.Top = yT + 2;
    Controles.BoutonLame.Visible = false;
    RendLameEditee();
    DessineTableauSchmidt();
    const int y6 = yT + Controles.TableauSchmidt.Height + 8;
    PoliceLigne(c);
    DessineLame(c, y6);
    MiseEnPage.OrdonneeDispositif = y6 + 48;
}

void ImprimeDeveloppe(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int s = ImpressionEtat.PasLigneImpression;
    const int p = c.Largeur();
    const bool t = SurMenisque();
    ImprimeParametresPrimaire(c);
    PoliceImpression(c, 9, false);
    int y = MiseEnPage.OrdonneeCourante + s;

    if (RapportConnu())
    {
        c.TextOut(marge, y, TexteRapport());
        ImprimeLigneDiffraction(c, y, " (Objectif Seul)", marge);
    }

    y += s;
    int x = marge;
    const double degagement = Instrument.DegagementFoyer;
    if (!t || degagement < SeuilDegagementNonSaisi)
    {
        const std::string texte = degagement > SeuilDegagementNonSaisi ? LibelleDegagement + "    mm"
                                                                       : EnMillimetres(LibelleDegagement, degagement);
        c.TextOut(marge, y, texte);
        x += c.TextWidth(texte);
    }
    else
    {
        x += c.TextWidth(LibelleDegagement) + c.TextWidth("1000.0") + c.TextWidth(" mm");
    }
    const int xSecondaire =
        ImprimeTexteADroite(c, y, TexteImprime("Diamètre miroir secondaire = ", Instrument.DiametreSecondaire, 3));
    const std::string trou =
        TexteImprime(t ? "Diamètre du trou central du miroir primaire = " : "Trou central du miroir primaire = ",
                     Instrument.DiametreTrouCentral, 4);
    const int g3 = xSecondaire - x - c.TextWidth(trou);
    c.TextOut(x + (t ? g3 / 2 : g3 / 3), y, trou);

    y += s;
    const double b = Instrument.CoefficientDeformationPrimaire;
    const std::string coefficient = LibelleCoefficientPrimaire + (EstCoefficientACalculer(b) ? std::string(2, ' ')
                                                                  : std::abs(b) < 0.0005     ? std::string("0")
                                                                                         : FormateNombre(b, "#0.000"));
    c.TextOut(marge, y, coefficient);
    x = marge + c.TextWidth(coefficient);
    std::string a = "Miroir secondaire, c = 0";
    std::string epaisseur;
    if (!t)
    {
        const double cs = Instrument.CoefficientDeformationSecondaire;
        a = "Miroir secondaire, c = " + (EstCoefficientACalculer(cs)
                                             ? std::string()
                                             : FormateNombre(cs, std::abs(cs) > 100 ? "#0.000" : "#0.####"));
        epaisseur = TexteImprime("Epaisseur du miroir secondaire = ", Instrument.EpaisseurSecondaire, 3);
    }
    const int g4 = (p - marge - x - c.TextWidth(a) - c.TextWidth(epaisseur)) / 2;
    c.TextOut(x + g4, y, a);
    if (!epaisseur.empty())
        c.TextOut(x + g4 + c.TextWidth(a) + g4, y, epaisseur);

    y += s;
    if (MiroirsPlaces())
    {
        c.TextOut(marge, y,
                  EnMillimetres("Distance entre les miroirs = ",
                                Instrument.FocalePrimaire - Instrument.DistanceFoyerPrimaireSecondaire));
        const std::string rayon =
            EnMillimetres("Rayon de courbure du miroir secondaire = ", Instrument.RayonCourbureSecondaire);
        c.TextOut(p - marge - c.TextWidth(rayon) - 20, y, rayon);
    }

    y += s;
    MiseEnPage.OrdonneeCourante = y;
    MiseEnPage.AbscisseCourante = marge;
    ImprimeParametresLame(c);
    PoliceImpression(c, 9, false);
    y = MiseEnPage.OrdonneeCourante;

    if (Instrument.ProfilLame != ProfilAucun)
        c.TextOut(marge, y, TexteImprime("Epaisseur de la lame = ", Instrument.EpaisseurLame, 3));
    x = marge + c.TextWidth(" mm");
    const int xPrimaire =
        ImprimeTexteADroite(c, y, TexteImprime("Epaisseur du miroir primaire = ", Instrument.EpaisseurPrimaire, 3));
    const double lp = Instrument.DistanceLameMiroir;
    const std::string distance = TexteImprime(LibelleDistanceLame(), lp < 1 ? 0.0 : lp, 3);
    c.TextOut(x + (xPrimaire - x - c.TextWidth(distance)) / 2, y, distance);

    y += s;
    x = marge;
    if (GrandissementConnu())
    {
        const std::string texte = "Grandissement = " + FormateNombre(Instrument.Grandissement, "#0.##") + " x";
        c.TextOut(marge, y, texte);
        x += c.TextWidth(texte);
    }
    const std::string menisque =
        EnMillimetres("Epaisseur totale du ménisque d'entrée = ", Instrument.EpaisseurTotaleMenisque);
    const int xMenisque = p - marge - c.TextWidth(menisque);
    if (MenisqueConnu())
        c.TextOut(xMenisque, y, menisque);
    const std::string miroir = EnMillimetres("Diamètre du miroir primaire = ", Instrument.DiametreMiroir);
    c.TextOut(x + (xMenisque - x - c.TextWidth(miroir)) / 2, y, miroir);

    MiseEnPage.OrdonneeCourante = y + s;
}

} // namespace

void DessineParametresMaksutovCassegrain(ICanevas& canevas)
{
    for (TControle* controle : {&Controles.ComboBox, &Controles.TableauSchmidt, &Controles.BoutonLame,
                                &Controles.BoutonChampCourbe, &Controles.TableauKlevtsov})
        controle->Visible = false;
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
        DessineDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
}

void ImprimeParametresMaksutovCassegrain(ICanevas& canevas)
{
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
    {
        ImprimeDeveloppe(canevas);
    }
    else
    {
        ImprimeEnteteInstrument(canevas);
        MiseEnPage.OrdonneeCourante += ImpressionEtat.PasLigneImpression;
    }
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
}

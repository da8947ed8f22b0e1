// The two-mirror telescopes' blocks of the sheet and their printed twins.
#include "sheet/BlocDeuxMiroirs.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>

namespace {

const std::string LibelleCoefficients = "Coefficients de déformation ==>           miroir primaire, b";
const std::string LibelleCoefficient = "Coefficient de déformation ==>           miroir primaire, b";
const std::string LibelleSecondaire = "Miroir secondaire, c";
const std::string LibelleDistanceP = "Distance entre le foyer primaire et le miroir secondaire = ";
const std::string LibelleRayonSecondaire = "Rayon de courbure du miroir secondaire = ";
const std::string LibelleEpaisseurSecondaire = "Epaisseur du miroir secondaire = ";

bool RapportConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1;
}

std::string TexteRapport()
{
    return "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00");
}

std::string TexteMillimetres(double valeur, const char* motif = "#0.#")
{
    return FormateNombre(valeur, motif) + " mm";
}

// The secondary's conic: blank while it is still to be computed, four decimals unless it is large.
std::string TexteC1()
{
    const double c1 = Instrument.CoefficientDeformationSecondaire;
    if (EstCoefficientACalculer(c1))
        return {};
    return FormateNombre(c1, std::abs(c1) > 100 ? "#0.###" : "#0.####");
}

std::string TexteC2()
{
    return FormateNombre(Instrument.CoefficientDeformationSecondaire2, "#0.###");
}

std::string TexteGrandissement()
{
    return "Grandissement = " + FormateNombre(Instrument.Grandissement, "#0.##") + " x";
}

// The controls the plate forms place on the sheet; the plate coefficient's spin box would otherwise still take
// clicks over a two-mirror block.
void CacheControles()
{
    Controles.CaseArl.Visible = false;
    Controles.ComboBox.Visible = false;
    Controles.TableauSchmidt.Visible = false;
    Controles.BoutonLame.Visible = false;
    Controles.BoutonChampCourbe.Visible = false;
}

// Line 3 of both blocks: the ratio on the left and, when the instrument's spot is known, the diffraction line.
void DessineLigneRapport(ICanevas& c, int y, bool testeTache)
{
    if (!RapportConnu())
        return;
    c.TextOut(20, y, TexteRapport());
    CalculeTacheDiffraction();
    if (!testeTache || Instrument.TacheDiffractionMicrons > 0)
        LigneDiffractionMesuree(c, y, Instrument.TacheDiffractionMicrons, " (Objectif Seul)",
                                TMesureDiffraction::SymboleGras, 0);
}

// The line of the two thicknesses, the secondary's label placed from the right; a plain middle text between them.
void DessineLigneEpaisseurs(ICanevas& c, int y, const std::string& libellePrimaire, bool avecMilieu)
{
    PeintElementGauche(c, 20, y, libellePrimaire, CaseEpaisseurPrimaire, TexteValeurCase(Instrument.EpaisseurPrimaire),
                       "1000.0", " mm");
    const int finGauche = MiseEnPage.AbscisseFinElement;
    const int xDroit = Controles.LargeurFenetre - c.TextWidth(LibelleEpaisseurSecondaire) - c.TextWidth(" mm") -
                       c.TextWidth("10000.0") - 30;
    PeintElementGauche(c, xDroit, y, LibelleEpaisseurSecondaire, CaseEpaisseurSecondaire,
                       TexteValeurCase(Instrument.EpaisseurSecondaire), "10000.0", " mm");
    if (avecMilieu)
    {
        TexteEntre(c, y, finGauche, xDroit, TexteGrandissement());
    }
}

void DessineCoefficientsCassegrain(ICanevas& c, int y)
{
    const double f1 = Instrument.FocalePrimaire;
    const double f = Instrument.FocaleResultante;
    if (Instrument.TypeInstrument == TTypeInstrument::RitcheyChretien)
    {
        const double b = Instrument.CoefficientDeformationPrimaire;
        PeintElementGauche(c, 20, y, LibelleCoefficients + " = ", CaseCoefficientDeformationPrimaire,
                           EstCoefficientACalculer(b) ? std::string() : FormateNombre(b, "#0.000"), "1.235678", "");
        int x = PeintIndice(c, MiseEnPage.CaseValeur[CaseCoefficientDeformationPrimaire].Right + 70, y,
                            LibelleSecondaire, "1", " = ", false);
        PeintCase(c, CaseCoefficientDeformationSecondaire, x, y, TexteC1(), "1.235678");
        x = PeintIndice(c, MiseEnPage.CaseValeur[CaseCoefficientDeformationSecondaire].Right + 30, y, "c", "2", " = ",
                        false);
        PeintCase(c, CaseCoefficientDeformationSecondaire2, x, y, TexteC2(), "1.235678");
        return;
    }
    if (Instrument.TypeInstrument == TTypeInstrument::DallKirkham)
    {
        int x = PeintIndice(c, 20, y, LibelleCoefficients, "1",
                            " = " + FormateNombre(Instrument.CoefficientDeformationPrimaire, "#0.###"), false);
        x = PeintIndice(c, x + 30, y, "b", "2",
                        " = " + FormateNombre(Instrument.CoefficientDeformationPrimaire2, "#0.###"), false);
        c.TextOut(x + 100, y, "Miroir secondaire, c = 0");
        return;
    }
    // Cassegrain and Gregory: a paraboloid primary, the secondary's conics once it magnifies.
    if (f1 <= 1)
        return;
    const std::string libelle = (1.1 * f1 >= f ? LibelleCoefficient : LibelleCoefficients) + " = -1";
    c.TextOut(20, y, libelle);
    if (f > 1.1 * f1)
    {
        const int x =
            PeintIndice(c, 20 + c.TextWidth(libelle) + 150, y, LibelleSecondaire, "1", " = " + TexteC1(), false);
        PeintIndice(c, x + 30, y, "c", "2", " = " + TexteC2(), false);
    }
}

void DessineCassegrainDeveloppe(ICanevas& c)
{
    DessineParametresPrimaire(c);
    int y = MiseEnPage.OrdonneeCourante + 16;
    DessineLigneRapport(c, y, true);
    y += 16;
    DessineLigneDegagement(c, y);
    y += 16;
    DessineCoefficientsCassegrain(c, y);
    y += 16;
    if (Validite.InstrumentValide)
    {
        c.TextOut(20, y, LibelleDistanceP + TexteMillimetres(Instrument.DistanceFoyerPrimaireSecondaire));
        PeintTexteDroit(c, y, LibelleRayonSecondaire + TexteMillimetres(Instrument.RayonCourbureSecondaire));
    }
    y += 16;
    DessineLigneEpaisseurs(c, y, "Epaisseur du miroir primaire = ",
                           Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > Instrument.FocalePrimaire);
    MiseEnPage.OrdonneeCourante = y;
    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocaleResultante].Bottom + 96;
}

void DessineSchwarzschildDeveloppe(ICanevas& c)
{
    DessineParametresPrimaire(c);
    int y = MiseEnPage.OrdonneeCourante + 16;
    DessineLigneRapport(c, y, false);

    y += 16;
    const double b = Instrument.CoefficientDeformationPrimaire;
    const std::string texteB =
        LibelleCoefficients + " = " + (b < SeuilCoefficientACalculer ? FormateNombre(b, "#0.####") : std::string());
    c.TextOut(20, y, texteB);
    const int x = PeintIndice(c, 20 + c.TextWidth(texteB) + 150, y, LibelleSecondaire, "1", " = " + TexteC1(), false);
    PeintIndice(c, x + 30, y, "c", "2 ", " = " + TexteC2(), false);

    y += 16;
    PeintElementGauche(c, 20, y, "Diamètre du miroir secondaire = ", CaseDiametreSecondaire,
                       TexteValeurCase(Instrument.DiametreSecondaire), "1000.0", " mm");
    const int finGauche = MiseEnPage.AbscisseFinElement;
    const int xDroit =
        PeintTexteDroit(c, y, LibelleRayonSecondaire + TexteMillimetres(Instrument.RayonCourbureSecondaire));
    if (Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1)
    {
        TexteEntre(c, y, finGauche, xDroit, TexteGrandissement());
    }

    y += 16;
    c.TextOut(20, y,
              "Distance entre miroirs = " +
                  TexteMillimetres(Instrument.FocalePrimaire + Instrument.DistanceFoyerPrimaireSecondaire, "#0.###"));
    PeintTexteDroit(c, y,
                    "Distance entre miroir secondaire et foyer résultant = " +
                        TexteMillimetres(Instrument.DistanceSecondaireFoyer, "#0.###"));

    y += 16;
    DessineLigneEpaisseurs(c, y, "Epaisseur du miroir principal = ", false);
    MiseEnPage.OrdonneeCourante = y;
    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocaleResultante].Bottom + 96;
}

// ---- Printed twins ----

int Marge()
{
    return ImpressionEtat.MargeImpression;
}

void ImprimeLigneRapport(ICanevas& c, int y)
{
    if (!RapportConnu())
        return;
    c.TextOut(Marge(), y, TexteRapport());
    ImprimeLigneDiffraction(c, y, " (Objectif Seul)", Marge());
}

void ImprimeCoefficients(ICanevas& c, int y)
{
    const int m = Marge();
    const double b = Instrument.CoefficientDeformationPrimaire;
    const TTypeInstrument forme = Instrument.TypeInstrument;
    if (forme == TTypeInstrument::RitcheyChretien)
    {
        const std::string texte =
            LibelleCoefficients + " = " + (EstCoefficientACalculer(b) ? std::string() : FormateNombre(b, "#0.###"));
        c.TextOut(m, y, texte);
        int x =
            PeintIndice(c, m + c.TextWidth(texte + "1234567890"), y, LibelleSecondaire, "1", " = " + TexteC1(), true);
        PeintIndice(c, x + c.TextWidth("123456"), y, "c", "2", " = " + TexteC2(), true);
        return;
    }
    if (forme == TTypeInstrument::DallKirkham)
    {
        int x = PeintIndice(c, m, y, LibelleCoefficients, "1", " = " + FormateNombre(b, "#0.###"), true);
        x = PeintIndice(c, x + c.TextWidth("123456"), y, "b", "2",
                        " = " + FormateNombre(Instrument.CoefficientDeformationPrimaire2, "#0.###"), true);
        c.TextOut(x + c.TextWidth("123456"), y, "Miroir secondaire, c = 0");
        return;
    }
    if (forme == TTypeInstrument::Schwarzschild)
    {
        const std::string texte =
            LibelleCoefficients + " = " + (b < SeuilCoefficientACalculer ? FormateNombre(b, "#0.####") : std::string());
        c.TextOut(m, y, texte);
        const int x =
            PeintIndice(c, m + c.TextWidth(texte + "123456789012"), y, LibelleSecondaire, "1", " = " + TexteC1(), true);
        PeintIndice(c, x + c.TextWidth("123456"), y, "c", "2 ", " = " + TexteC2(), true);
        return;
    }
    const double f1 = Instrument.FocalePrimaire;
    const double f = Instrument.FocaleResultante;
    if (f1 <= 1)
        return;
    const std::string libelle = (1.1 * f1 >= f ? LibelleCoefficient : LibelleCoefficients) + " = -1";
    c.TextOut(m, y, libelle);
    if (f > 1.1 * f1)
    {
        const int x = PeintIndice(c, m + c.TextWidth(libelle + "1234567890123"), y, LibelleSecondaire, "1",
                                  " = " + TexteC1(), true);
        PeintIndice(c, x + c.TextWidth("12345"), y, "c", "2", " = " + TexteC2(), true);
    }
}

// The thickness line: each thickness printed only above 0.1 mm, the middle text keeping its place.
void ImprimeLigneEpaisseurs(ICanevas& c, int y, const std::string& libellePrimaire, bool avecMilieu)
{
    const int m = Marge();
    const std::string gauche = libellePrimaire + TexteMillimetres(Instrument.EpaisseurPrimaire);
    const std::string droite = LibelleEpaisseurSecondaire + TexteMillimetres(Instrument.EpaisseurSecondaire);
    const int xDroit = c.Largeur() - m - c.TextWidth(droite);
    if (Instrument.EpaisseurPrimaire > 0.1)
        c.TextOut(m, y, gauche);
    if (Instrument.EpaisseurSecondaire > 0.1)
        c.TextOut(xDroit, y, droite);
    if (avecMilieu)
        TexteEntre(c, y, m + c.TextWidth(gauche), xDroit, TexteGrandissement());
}

void ImprimeCassegrainDeveloppe(ICanevas& c)
{
    const int m = Marge();
    const int pas = ImpressionEtat.PasLigneImpression;
    ImprimeParametresPrimaire(c);
    int y = MiseEnPage.OrdonneeCourante + pas;
    ImprimeLigneRapport(c, y);

    y += pas;
    const std::string degagement =
        "Dégagement du foyer = " +
        (EstDegagementNonSaisi(Instrument.DegagementFoyer) ? std::string()
                                                           : FormateNombre(Instrument.DegagementFoyer, "#0.#")) +
        " mm";
    c.TextOut(m, y, degagement);
    const int xDroit =
        ImprimeTexteADroite(c, y, "Diamètre du miroir secondaire = " + TexteMillimetres(Instrument.DiametreSecondaire));
    TexteEntre(c, y, m + c.TextWidth(degagement), xDroit,
               "Diamètre du trou central du miroir primaire = " + TexteMillimetres(Instrument.DiametreTrouCentral));

    y += pas;
    ImprimeCoefficients(c, y);
    y += pas;
    if (Validite.InstrumentValide)
    {
        c.TextOut(m, y, LibelleDistanceP + TexteMillimetres(Instrument.DistanceFoyerPrimaireSecondaire));
        ImprimeTexteADroite(c, y, LibelleRayonSecondaire + TexteMillimetres(Instrument.RayonCourbureSecondaire));
    }
    y += pas;
    ImprimeLigneEpaisseurs(c, y, "Epaisseur du miroir primaire = ",
                           Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > Instrument.FocalePrimaire);
    MiseEnPage.OrdonneeCourante = y + pas;
}

void ImprimeSchwarzschildDeveloppe(ICanevas& c)
{
    const int m = Marge();
    const int pas = ImpressionEtat.PasLigneImpression;
    ImprimeParametresPrimaire(c);
    int y = MiseEnPage.OrdonneeCourante + pas;
    ImprimeLigneRapport(c, y);
    y += pas;
    ImprimeCoefficients(c, y);

    y += pas;
    const std::string diametre = "Diamètre du miroir secondaire = " + TexteMillimetres(Instrument.DiametreSecondaire);
    if (Instrument.DiametreSecondaire > SeuilDiametreNul)
        c.TextOut(m, y, diametre);
    const int xDroit =
        ImprimeTexteADroite(c, y, LibelleRayonSecondaire + TexteMillimetres(Instrument.RayonCourbureSecondaire));
    if (Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1)
        TexteEntre(c, y, m + c.TextWidth(diametre), xDroit, TexteGrandissement());

    y += pas;
    c.TextOut(m, y,
              "Distance entre miroirs = " +
                  TexteMillimetres(Instrument.FocalePrimaire + Instrument.DistanceFoyerPrimaireSecondaire, "#0.###"));
    ImprimeTexteADroite(c, y,
                        "Distance entre miroir secondaire et foyer résultant = " +
                            TexteMillimetres(Instrument.DistanceSecondaireFoyer, "#0.###"));
    y += pas;
    ImprimeLigneEpaisseurs(c, y, "Epaisseur du miroir principal = ", false);
    MiseEnPage.OrdonneeCourante = y + pas;
}

// The letter and digit of the diffraction line's measure, in the font the block names.
void PoliceMesure(ICanevas& c, bool gras)
{
    TPolice& police = c.Police();
    police.Nom = "Symbol";
    police.FixeHauteur(-11);
    police.Gras = gras;
    police.Couleur = clBlack;
}

// The lambda stands on the line in the line's height: larger and raised, it ran into the value boxes above.
void PoliceLambda(ICanevas& c)
{
    TPolice& police = c.Police();
    police.Nom = "Symbol";
    police.FixeHauteur(-11);
    police.Gras = false;
    police.Couleur = clBlack;
}

} // namespace

int LigneDiffractionMesuree(ICanevas& c, int y, double microns, const std::string& suffixe, TMesureDiffraction mesure,
                            int marge)
{
    MiseEnPage.TexteCourant = "Rayon de la tache de diffraction = " + FormateNombre(microns, "#0.00") +
                              " µm = " + FormateNombre(Instrument.TacheDiffractionSecondes, "#0.00") + "\" pour ";
    const TLongueurOnde verte = LongueursOnde.LongueurOndeVerte;
    const float lambda =
        verte >= 1 && verte <= NombreLongueursOnde ? TableLongueursOnde[static_cast<std::size_t>(verte)] : 0.0f;
    MiseEnPage.TexteLongueurOnde =
        (lambda > 1 ? " = " + FormateNombre(lambda, "#0.#") + " nm" : std::string(" = 550 nm")) + suffixe;

    const std::string& texte = MiseEnPage.TexteCourant;
    const std::string& onde = MiseEnPage.TexteLongueurOnde;
    int largeur = 0;
    if (mesure == TMesureDiffraction::PolicesDessinees)
    {
        PoliceLigne(c);
        largeur = c.TextWidth(texte) + c.TextWidth(onde);
        PoliceLambda(c);
        largeur += c.TextWidth("l");
    }
    else
    {
        PoliceMesure(c, mesure == TMesureDiffraction::SymboleGras);
        largeur = c.TextWidth(texte) + c.TextWidth("l") + c.TextWidth(onde);
    }
    const int debut = Controles.LargeurFenetre - marge - largeur;
    int x = debut;
    PoliceLigne(c);
    c.TextOut(x, y, texte);
    x += c.TextWidth(texte);
    PoliceLambda(c);
    c.TextOut(x, y, "l");
    x += c.TextWidth("l");
    PoliceLigne(c);
    c.TextOut(x, y, onde);
    return debut;
}

int DebutLigneDiffractionImprimee(ICanevas& c)
{
    const TPolice texte = c.Police();
    c.Police().Nom = "Symbol";
    c.Police().FixeTaille(11);
    const int lambda = c.TextWidth("l");
    c.Police() = texte;
    return c.Largeur() - Marge() - c.TextWidth(MiseEnPage.TexteCourant) - c.TextWidth(MiseEnPage.TexteLongueurOnde) -
           lambda;
}

void DessineLigneDegagement(ICanevas& c, int y)
{
    const double degagement = Instrument.DegagementFoyer;
    PeintElementGauche(c, 20, y, "Dégagement du foyer = ", CaseDegagementFoyer,
                       EstDegagementNonSaisi(degagement) ? std::string() : FormateNombre(degagement, "#0.#"), "1000.0",
                       " mm");
    PeintElementDroit(c, y, "Diamètre du miroir secondaire = ", CaseDiametreSecondaire,
                      TexteValeurCase(Instrument.DiametreSecondaire), "1000.0", " mm");
    const std::string trou = "Diamètre du trou central du miroir primaire = ";
    PeintElementMilieu(c, y, trou + " mm", trou, CaseDiametreTrouCentral,
                       TexteValeurCase(Instrument.DiametreTrouCentral), "1000.0", " mm");
}

int PeintIndice(ICanevas& c, int x, int y, const std::string& lettre, const std::string& chiffre,
                const std::string& suite, bool imprime)
{
    const TPolice ligne = c.Police();
    if (!imprime)
        PoliceLigne(c);
    c.TextOut(x, y, lettre);
    x += c.TextWidth(lettre);
    const int hauteurLettre = c.TextHeight(lettre);
    if (imprime)
        c.Police().FixeTaille(6);
    else
        c.Police().FixeHauteur(-8);
    c.TextOut(x, y + hauteurLettre - c.TextHeight(chiffre), chiffre);
    x += c.TextWidth(chiffre) + 1;
    if (imprime)
        c.Police() = ligne;
    else
        PoliceLigne(c);
    c.TextOut(x, y, suite);
    return x + c.TextWidth(suite);
}

void DessineParametresCassegrain(ICanevas& canevas)
{
    CacheControles();
    if (Edition.InstrumentDeveloppe)
        DessineCassegrainDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
}

void ImprimeParametresCassegrain(ICanevas& canevas)
{
    if (Edition.InstrumentDeveloppe)
        ImprimeCassegrainDeveloppe(canevas);
    else
        ImprimeEnteteInstrument(canevas);
}

void DessineParametresSchwarzschild(ICanevas& canevas)
{
    CacheControles();
    if (Edition.InstrumentDeveloppe)
        DessineSchwarzschildDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
}

void ImprimeParametresSchwarzschild(ICanevas& canevas)
{
    if (Edition.InstrumentDeveloppe)
    {
        ImprimeSchwarzschildDeveloppe(canevas);
        return;
    }
    ImprimeEnteteInstrument(canevas);
    MiseEnPage.OrdonneeCourante += ImpressionEtat.PasLigneImpression;
}

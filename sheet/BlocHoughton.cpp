// The Lurie-Houghton and Houghton-Cassegrain blocks of the sheet and their printed twins.
#include "sheet/BlocHoughton.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/TableauHoughton.h"

#include <algorithm>
#include <string_view>

namespace {

std::string Mm(double valeur)
{
    return FormateNombre(valeur, "#0.#") + " mm";
}

// A printed value, or that many spaces when it was never entered (exactly 0).
std::string ValeurOuBlancs(double valeur, int blancs)
{
    return valeur == 0 ? std::string(static_cast<std::size_t>(blancs), ' ') : FormateNombre(valeur, "#0.#");
}

std::string TexteRapport(double focale)
{
    return "F/D = " + FormateNombre(focale / Instrument.DiametreEntree, "#0.00");
}

// Both blocks. The Klevtsov's mirror row and its covered thickness cell, left from a Klevtsov design drawn before,
// would lie over a corrector row and lead its keys and clicks to the Klevtsov's secondary: they go. The corrector
// shows at least two rows on the sheet.
void PrepareBloc()
{
    for (TControle* controle : {&Controles.ComboBox, &Controles.CheckBox1, &Controles.LigneMiroir,
                                &Controles.LigneMiroirActive, &Controles.EpaisseurOff})
        controle->Visible = false;
    VerifieInstrument();
    Controles.TableauKlevtsov.Visible = Edition.InstrumentDeveloppe;
    MiseEnPage.NombreLignesHoughton = std::max(Groupe.NombreDioptresGroupe, 2);
}

// The sheet's diffraction line, measured in the fonts it is drawn with, ending 20 px before the right edge; answers
// where it starts.
int PeintDiffraction(ICanevas& c, int y, const std::string& suffixe)
{
    CalculeTacheDiffraction();
    const int debut = LigneDiffractionMesuree(c, y, Instrument.TacheDiffractionMicrons, suffixe,
                                              TMesureDiffraction::PolicesDessinees, 20);
    PoliceLigne(c);
    return debut;
}

void DessineLurieHoughtonDeveloppe(ICanevas& c)
{
    const int w = Controles.LargeurFenetre;
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    PeintBasculeInstrument(c, true,
                           MiseEnPage.CaseBasculeInstrument.Bottom + 16 * (MiseEnPage.NombreLignesHoughton + 7) - 4);
    PeintNomInstrument(c, y0);

    const int y1 = y0 + 16;
    PeintElementGauche(c, 20, y1, "Diamètre d'entrée = ", CaseDiametreEntree,
                       TexteValeurCase(Instrument.DiametreEntree), "10000.0", " mm");
    const int fin1a = MiseEnPage.AbscisseFinElement;
    const std::string rayon = "Rayon de courbure du miroir = ";
    const int x1b = w - 20 - c.TextWidth("10000.0") - 8 - c.TextWidth(" mm") - c.TextWidth(rayon);
    PeintElementGauche(c, x1b, y1, rayon, CaseRayonCourburePrimaire, TexteValeurCase(Instrument.RayonCourburePrimaire),
                       "10000.0", " mm");
    const std::string miroir = "Diamètre du miroir = ";
    const int g1 = x1b - fin1a - c.TextWidth(miroir) - c.TextWidth("10000.0") - c.TextWidth(" mm") -
                   c.TextWidth("Distance focale = ") - c.TextWidth("10000") - c.TextWidth(" mm") - 16;
    PeintElementGauche(c, fin1a + g1 / 3, y1, miroir, CaseDiametreMiroir, TexteValeurCase(Instrument.DiametreMiroir),
                       "10000.0", " mm");
    if (Validite.InstrumentValide)
        c.TextOut(MiseEnPage.AbscisseFinElement + g1 / 3, y1,
                  "Distance Focale = " + FormateNombre(Instrument.FocaleEffective, "#0.0") + " mm");

    const int y2 = y1 + 19;
    const std::string epaisseur = TexteValeurCase(Instrument.EpaisseurPrimaire);
    PeintElementGauche(c, 20, y2, "Epaisseur du miroir primaire = ", CaseEpaisseurPrimaire, epaisseur, "10000.0",
                       " mm");
    const int e2 = MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Right + 2 + c.TextWidth(epaisseur) + c.TextWidth(" mm");
    if (Instrument.DiametreEntree > 1 && Instrument.FocaleEffective > 1)
    {
        PeintDiffraction(c, y2, "");
        const int a = c.TextWidth(MiseEnPage.TexteCourant) + c.TextWidth(MiseEnPage.TexteLongueurOnde);
        const std::string rapport = TexteRapport(Instrument.FocaleEffective);
        c.TextOut(e2 + (w - e2 - c.TextWidth(rapport) - a - 20) / 2, y2, rapport);
    }

    const int y3 = y2 + 19;
    PeintElementGauche(c, 20, y3, "Distance miroir plan - Foyer = ", CaseDegagementFoyer,
                       TexteValeurCase(Instrument.DistanceSecondaireFoyer), "1000.0", " mm");
    const int e3 = MiseEnPage.AbscisseFinElement;
    const std::string plan = "Epaisseur du miroir plan = ";
    const int x3c = w - c.TextWidth(" mm") - c.TextWidth("10000.0") - c.TextWidth(plan) - 28;
    PeintElementGauche(c, x3c, y3, plan, CaseEpaisseurSecondaire, TexteValeurCase(Instrument.EpaisseurSecondaire),
                       "10000.0", " mm");
    const std::string cote = "Petit côté du miroir plan = ";
    PeintElementGauche(c, e3 + (x3c - e3 - c.TextWidth(" mm") - c.TextWidth("1000.0") - c.TextWidth(cote) - 8) / 2, y3,
                       cote, CaseDiametreSecondaire, TexteValeurCase(Instrument.DiametreSecondaire), "1000.0", " mm");

    MiseEnPage.OrdonneeCourante = y3;
    DessineGroupeHoughton();
}

void DessineLurieHoughtonReplie(ICanevas& c)
{
    for (TControle* controle :
         {&Controles.TableauSchmidt, &Controles.BoutonLame, &Controles.BoutonChampCourbe, &Controles.CaseArl})
        controle->Visible = false;
    PeintBasculeInstrument(c, false, 0);
    const int y = MiseEnPage.OrdonneePremiereLigne;
    const int x = PeintNomReplie(c, y);
    PeintElementGauche(c, x, y, "Diamètre d'entrée = ", CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree),
                       "10000.0", " mm");
    const int finC2 = MiseEnPage.AbscisseFinElement;
    // The ratio divides the instrument's own focal length, which must be known as well.
    if (Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleObjectif > 1)
        PeintTexteDroit(c, y, TexteRapport(Instrument.FocaleObjectif));
    PeintMiroirReplie(c, y, finC2);
    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseRayonCourburePrimaire].Bottom + 16;
}

// The mirrors' separation and the secondary's radius follow from the corrector's set-up only for a design that can be
// solved: a known back focus, a real magnification, glass in the corrector and a green line to trace it.
bool SecondaireCalcule()
{
    const TInstrument& i = Instrument;
    return i.DiametreEntree > 1 && i.FocalePrimaire > 1 && i.FocaleResultante > 1.1 * i.FocalePrimaire &&
           !EstDegagementNonSaisi(i.DegagementFoyer) && Groupe.IndiceVertGroupe[1] > Reglages.IndiceLimite &&
           LongueursOnde.LongueurOndeVerte > 0;
}

std::string TexteDistanceMiroirs()
{
    return "Distance entre les miroirs = " + Mm(Groupe.CentreGroupe[0] - Instrument.RayonCourbureSecondaire);
}

std::string TexteRayonSecondaire()
{
    return "Rayon de courbure du miroir secondaire = " + Mm(Instrument.RayonCourbureSecondaire);
}

std::string TexteGrandissement()
{
    return "Grandissement = " + FormateNombre(Instrument.Grandissement, "#0.##") + " x";
}

bool RapportResultantConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1;
}

void DessineHoughtonCassegrainDeveloppe(ICanevas& c)
{
    const int w = Controles.LargeurFenetre;
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    PeintBasculeInstrument(c, true,
                           MiseEnPage.CaseBasculeInstrument.Bottom + 16 * (MiseEnPage.NombreLignesHoughton + 8) + 4);
    PeintNomInstrument(c, y0);
    DessineParametresPrimaire(c);

    int y = y0 + 32;
    if (RapportResultantConnu())
    {
        const std::string rapport = TexteRapport(Instrument.FocaleResultante);
        c.TextOut(20, y, rapport);
        const int e = 20 + c.TextWidth(rapport);
        const int xs = PeintDiffraction(c, y, " (Objectif Seul)");
        c.Police().Nom = "Symbol";
        const int lambda = c.TextWidth("l");
        PoliceLigne(c);
        const std::string primaire = "Diamètre du miroir primaire = " + Mm(Instrument.DiametreUtilePrimaire);
        c.TextOut(e + (xs + lambda - e - c.TextWidth(primaire)) / 2, y, primaire);
    }

    y += 16;
    DessineLigneDegagement(c, y);

    y += 16;
    if (SecondaireCalcule())
    {
        c.TextOut(20, y, TexteDistanceMiroirs());
        PeintTexteDroit(c, y, TexteRayonSecondaire());
    }

    y += 16;
    PeintElementGauche(c, 20, y, "Epaisseur du miroir primaire = ", CaseEpaisseurPrimaire,
                       TexteValeurCase(Instrument.EpaisseurPrimaire), "1000.0", " mm");
    const int e6 = MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Right + 2 + c.TextWidth(" mm") + 2;
    const std::string secondaire = "Epaisseur du miroir secondaire = ";
    const int x6b = w - c.TextWidth(secondaire) - c.TextWidth(" mm") - 2 - (c.TextWidth("10000.0") + 8) - 20;
    PeintElementGauche(c, x6b, y, secondaire, CaseEpaisseurSecondaire, TexteValeurCase(Instrument.EpaisseurSecondaire),
                       "10000.0", " mm");
    if (Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > Instrument.FocalePrimaire)
    {
        const std::string texte = TexteGrandissement();
        c.TextOut(e6 + (x6b - e6 - c.TextWidth(texte)) / 2, y, texte);
    }

    MiseEnPage.OrdonneeCourante = y;
    DessineGroupeHoughton();
}

// The printed name in bold at the margin; answers where it ends.
int ImprimeNom(ICanevas& c, int y)
{
    PoliceImpression(c, 9, true);
    c.TextOut(ImpressionEtat.MargeImpression, y, Instrument.NomInstrument);
    const int fin = ImpressionEtat.MargeImpression + c.TextWidth(Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    return fin;
}

// The printed name line of both forms: the name, and for a consistent design the instrument's length on the right
// and the form's middle text between them.
void ImprimeLigneNom(ICanevas& c, int y, const std::string& milieu)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int e0 = ImprimeNom(c, y);
    if (!Validite.InstrumentValide)
        return;
    int droite = c.Largeur() - marge;
    if (Instrument.LongueurInstrument > 1 && Instrument.EpaisseurPrimaire > 1e-6)
        droite = ImprimeTexteADroite(c, y, TexteLongueurInstrument(Instrument.LongueurInstrument));
    if (Systeme.PositionFoyer > 1 && !milieu.empty())
        TexteEntre(c, y, e0, droite, milieu);
}

std::string TexteDistanceFoyer()
{
    // The length text gives the metre or millimetre form; the focus distance reads the same way.
    constexpr std::string_view longueur = "Longueur de l'instrument = ";
    return "Distance Miroir principal - Foyer = " +
           TexteLongueurInstrument(Systeme.PositionFoyer).substr(longueur.size());
}

void ImprimeLurieHoughtonDeveloppe(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int s = ImpressionEtat.PasLigneImpression;
    const TInstrument& i = Instrument;
    int y = MiseEnPage.OrdonneeCourante;
    ImprimeLigneNom(c, y, TexteDistanceFoyer());

    y += s;
    const std::string a = "Diamètre d'entrée = " + Mm(i.DiametreEntree);
    if (i.DiametreEntree > 1)
        c.TextOut(marge, y, a);
    const std::string rayon = "Rayon de courbure du miroir = " + Mm(i.RayonCourburePrimaire);
    const int xr = c.Largeur() - marge - c.TextWidth(rayon);
    if (i.RayonCourburePrimaire > 1)
        c.TextOut(xr, y, rayon);
    const std::string miroir = "Diamètre du miroir = " + Mm(i.DiametreMiroir);
    const std::string focale = Validite.InstrumentValide ? "Distance Focale = " + Mm(i.FocaleObjectif) : std::string();
    const int g = xr - (marge + c.TextWidth(a)) - c.TextWidth(miroir) - c.TextWidth(focale);
    const int xc = marge + c.TextWidth(a) + g / 3;
    if (i.DiametreMiroir > 1)
        c.TextOut(xc, y, miroir);
    if (i.FocaleObjectif > 1)
        c.TextOut(xc + c.TextWidth(miroir) + g / 3, y, focale);

    y += s;
    if (i.DiametreEntree > 1 && i.FocalePrimaire > 1)
    {
        const std::string t =
            i.EpaisseurPrimaire == 0 ? std::string() : "Epaisseur du miroir primaire = " + Mm(i.EpaisseurPrimaire);
        c.TextOut(marge, y, t);
        ImprimeLigneDiffraction(c, y, "", marge);
        const int xd = DebutLigneDiffractionImprimee(c);
        // The ratio divides the instrument's own focal length, known once the design is solved.
        if (Validite.InstrumentValide && i.FocaleObjectif > 1)
            TexteEntre(c, y, marge + c.TextWidth(t), xd, TexteRapport(i.FocaleObjectif));

        y += s;
        const std::string distance =
            "Distance miroir plan - Foyer = " + ValeurOuBlancs(i.DistanceSecondaireFoyer, 3) + " mm";
        c.TextOut(marge, y, distance);
        const int xp =
            ImprimeTexteADroite(c, y, "Epaisseur du miroir plan = " + ValeurOuBlancs(i.EpaisseurSecondaire, 3) + " mm");
        TexteEntre(c, y, marge + c.TextWidth(distance), xp,
                   "Petit côté du miroir plan = " + ValeurOuBlancs(i.DiametreSecondaire, 3) + " mm");
    }

    MiseEnPage.OrdonneeCourante = y + s;
}

void ImprimeLurieHoughtonReplie(ICanevas& c)
{
    const TInstrument& i = Instrument;
    const int y = MiseEnPage.OrdonneeCourante;
    const int x = ImprimeNom(c, y);
    const std::string a = "Diamètre d'entrée = " + ValeurOuBlancs(i.DiametreEntree, 4) + " mm";
    const std::string b = "Diamètre miroir = " + ValeurOuBlancs(i.DiametreMiroir, 3) + " mm";
    const std::string r = "Rdc miroir = " + ValeurOuBlancs(i.RayonCourburePrimaire, 3) + " mm";
    const std::string f = i.DiametreEntree > 1 && i.FocaleObjectif > 1 ? TexteRapport(i.FocaleObjectif) : std::string();
    const int xf = ImprimeTexteADroite(c, y, f);
    const int quart = (xf - x - c.TextWidth(a) - c.TextWidth(b) - c.TextWidth(r)) / 4;
    int xt = x + quart;
    for (const std::string* texte : {&a, &b, &r})
    {
        c.TextOut(xt, y, *texte);
        xt += c.TextWidth(*texte) + quart;
    }
    MiseEnPage.OrdonneeCourante = y + ImpressionEtat.PasLigneImpression;
}

void ImprimeHoughtonCassegrainDeveloppe(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int s = ImpressionEtat.PasLigneImpression;
    const int p = c.Largeur();
    const TInstrument& i = Instrument;
    int y = MiseEnPage.OrdonneeCourante;
    ImprimeLigneNom(
        c, y, i.DiametreMiroir > 1 ? "Diamètre du miroir primaire = " + Mm(i.DiametreUtilePrimaire) : std::string());

    y += s;
    const std::string a = "Diamètre d'entrée = " + Mm(i.DiametreEntree);
    if (i.DiametreEntree > 1)
        c.TextOut(marge, y, a);
    const int x = marge + c.TextWidth(a);
    const std::string resultante =
        i.FocaleResultante > 1 ? "Distance Focale résultante = " + Mm(i.FocaleResultante) : std::string();
    ImprimeTexteADroite(c, y, resultante);
    const std::string rayon = "Rayon de courbure du miroir primaire = " + Mm(i.RayonCourburePrimaire);
    if (i.RayonCourburePrimaire > 1)
        c.TextOut(x + ((p - marge - c.TextWidth(rayon)) - x - c.TextWidth(resultante)) / 2, y, rayon);

    y += s;
    if (RapportResultantConnu())
    {
        c.TextOut(marge, y, TexteRapport(i.FocaleResultante));
        ImprimeLigneDiffraction(c, y, " (au foyer secondaire)", marge);
    }

    y += s;
    const std::string degagement = "Dégagement du foyer = " + Mm(i.DegagementFoyer);
    if (!EstDegagementNonSaisi(i.DegagementFoyer))
        c.TextOut(marge, y, degagement);
    const int finDegagement = marge + c.TextWidth(degagement);
    const std::string secondaire = "Diamètre du miroir secondaire = " + Mm(i.DiametreSecondaire);
    const int xs = p - marge - c.TextWidth(secondaire);
    if (i.DiametreSecondaire > 1)
        c.TextOut(xs, y, secondaire);
    if (i.DiametreTrouCentral > 1)
        TexteEntre(c, y, finDegagement, xs,
                   "Diamètre du trou central du miroir primaire = " + Mm(i.DiametreTrouCentral));

    y += s;
    if (SecondaireCalcule())
    {
        c.TextOut(marge, y, TexteDistanceMiroirs());
        ImprimeTexteADroite(c, y, TexteRayonSecondaire());
    }

    y += s;
    const std::string primaire = "Epaisseur du miroir primaire = " + Mm(i.EpaisseurPrimaire);
    c.TextOut(marge, y, primaire);
    const int xe = ImprimeTexteADroite(c, y, "Epaisseur du miroir secondaire = " + Mm(i.EpaisseurSecondaire));
    if (i.FocalePrimaire > 1 && i.FocaleResultante > i.FocalePrimaire)
        TexteEntre(c, y, marge + c.TextWidth(primaire), xe, TexteGrandissement());

    MiseEnPage.OrdonneeCourante = y + s;
}

void ImprimeHoughtonCassegrainReplie(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const TInstrument& i = Instrument;
    const int y = MiseEnPage.OrdonneeCourante;
    const int x = ImprimeNom(c, y);
    const std::string a = "Diamètre d'entrée = " + Mm(i.DiametreEntree);
    const std::string b = "Distance Focale résultante = " + Mm(i.FocaleResultante);
    int xc = c.Largeur() - marge;
    if (i.DiametreEntree > 1 && i.FocaleObjectif > 1 && i.FocaleResultante > 1)
        xc = ImprimeTexteADroite(c, y, TexteRapport(i.FocaleObjectif));
    const int tiers = (xc - x - c.TextWidth(a) - c.TextWidth(b)) / 3;
    if (i.DiametreEntree > 1)
        c.TextOut(x + tiers, y, a);
    if (i.FocaleResultante > 1)
        c.TextOut(x + tiers + c.TextWidth(a) + tiers, y, b);
    MiseEnPage.OrdonneeCourante = y + ImpressionEtat.PasLigneImpression;
}

// After the expanded printout's lines: the corrector's table and the line below it.
void ImprimeCorrecteur(ICanevas& c)
{
    ImprimeGroupeHoughton(c);
    MiseEnPage.OrdonneeCourante +=
        std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe) * ImpressionEtat.PasLigneTableauImprime;
    MiseEnPage.OrdonneeCourante += ImpressionEtat.PasLigneImpression;
}

} // namespace

void DessineParametresLurieHoughton(ICanevas& canevas)
{
    PrepareBloc();
    if (Edition.InstrumentDeveloppe)
        DessineLurieHoughtonDeveloppe(canevas);
    else
        DessineLurieHoughtonReplie(canevas);
}

void DessineParametresHoughtonCassegrain(ICanevas& canevas)
{
    PrepareBloc();
    if (Edition.InstrumentDeveloppe)
        DessineHoughtonCassegrainDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
}

void ImprimeParametresLurieHoughton(ICanevas& canevas)
{
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
    {
        ImprimeLurieHoughtonDeveloppe(canevas);
        ImprimeCorrecteur(canevas);
    }
    else
    {
        ImprimeLurieHoughtonReplie(canevas);
    }
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
}

void ImprimeParametresHoughtonCassegrain(ICanevas& canevas)
{
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
    {
        ImprimeHoughtonCassegrainDeveloppe(canevas);
        ImprimeCorrecteur(canevas);
    }
    else
    {
        ImprimeHoughtonCassegrainReplie(canevas);
    }
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
}

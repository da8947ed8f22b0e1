// The block of the Maksutov and of the Maksutov-Newton on the sheet, and its printed twin.
#include "sheet/BlocMaksutov.h"

#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"

namespace {

bool AvecPlan()
{
    return Instrument.TypeInstrument == TTypeInstrument::MaksutovNewton;
}

bool RapportConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1;
}

std::string TexteRapport()
{
    return "F/D = " + FormateNombre(Instrument.FocaleObjectif / Instrument.DiametreEntree, "#0.00");
}

// A distance that only counts from 1 mm: blank below.
std::string TexteDistance(double valeur)
{
    return valeur < 1 ? std::string() : FormateNombre(valeur, "#0.#");
}

std::string TexteEpaisseurMenisque()
{
    return "Epaisseur totale du ménisque = " + FormateNombre(Instrument.EpaisseurTotaleMenisque, "#0.0") + " mm";
}

std::string TexteFocaleObjectif()
{
    return "Distance Focale = " + FormateNombre(Instrument.FocaleObjectif, "#0.#") + " mm";
}

void PlaceBoutonChampCourbe(int y0)
{
    TControle& bouton = Controles.BoutonChampCourbe;
    if (Validite.DispositifPresent || AvecPlan())
    {
        bouton.Visible = false;
        Instrument.ChampCourbe = false;
        return;
    }
    bouton.Visible = true;
    bouton.Left = 200;
    bouton.Top = y0 + 29;
}

void DessineDeveloppe(ICanevas& c)
{
    PeintBasculeInstrument(c, true, MiseEnPage.CaseBasculeInstrument.Bottom + 108);
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;

    PeintNomInstrument(c, y0);

    int y = y0 + 16;
    MiseEnPage.OrdonneeCourante = y;
    PeintElementGauche(c, 20, y, "Diamètre d'entrée = ", CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree),
                       "10000.0", " mm");
    const int fin1a = MiseEnPage.AbscisseFinElement;
    const std::string rayon = "Rayon de courbure du miroir = ";
    const int x1b = largeur - c.TextWidth("10000.0") - c.TextWidth(" mm") - c.TextWidth(rayon) - 28;
    PeintElementGauche(c, x1b, y, rayon, CaseRayonCourburePrimaire, TexteValeurCase(Instrument.RayonCourburePrimaire),
                       "10000.0", " mm");
    // The room of the focal length is measured on "Distance focale = ", whatever the case of the drawn label.
    const int g1 = x1b - fin1a - c.TextWidth("Diamètre du miroir = ") - c.TextWidth("10000.0") - c.TextWidth(" mm") -
                   c.TextWidth("Distance focale = ") - c.TextWidth("10000") - c.TextWidth(" mm") - 16;
    PeintElementGauche(c, fin1a + g1 / 3, y, "Diamètre du miroir = ", CaseDiametreMiroir,
                       TexteValeurCase(Instrument.DiametreMiroir), "10000.0", " mm");
    if (Validite.InstrumentValide)
        c.TextOut(MiseEnPage.AbscisseFinElement + g1 / 3, y, TexteFocaleObjectif());

    y += 16;
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        if (Validite.InstrumentValide)
            c.TextOut(20, y, rapport);
        const int fin2a = 20 + c.TextWidth(rapport);
        const int debutDiffraction = LigneDiffraction(c, y, "");
        if (AvecPlan())
        {
            VerifieInstrument();
            const std::string menisque = TexteEpaisseurMenisque();
            const int marge = (debutDiffraction - fin2a - c.TextWidth(menisque)) / 2;
            if (Validite.InstrumentValide && Instrument.EpaisseurTotaleMenisque > 0.1 && marge > 4)
                c.TextOut(fin2a + marge, y, menisque);
        }
    }

    Controles.TableauSchmidt.Visible = true;
    Controles.TableauSchmidt.Left = 20;
    Controles.TableauSchmidt.Top = y0 + 46;

    y = y0 + 99;
    MiseEnPage.OrdonneeCourante = y;
    PeintElementGauche(c, 20, y, "Epaisseur lame = ", CaseEpaisseurLame, TexteValeurCase(Instrument.EpaisseurLame),
                       "10000.0", " mm");
    const int fin4a = MiseEnPage.AbscisseFinElement;
    const std::string miroir = "Epaisseur miroir = ";
    const int x4b = largeur - c.TextWidth(miroir) - c.TextWidth(" mm") - 2 - (c.TextWidth("10000.0") + 8) - 20;
    PeintElementGauche(c, x4b, y, miroir, CaseEpaisseurPrimaire, TexteValeurCase(Instrument.EpaisseurPrimaire),
                       "10000.0", " mm");
    const int g4 = x4b - fin4a - c.TextWidth("Distance lame-miroir = ") - c.TextWidth("Distance diaphragme-miroir = ") -
                   2 * (c.TextWidth(" mm") + 2 + c.TextWidth("10000.0") + 8);
    PeintElementGauche(c, fin4a + g4 / 3, y, "Distance diaphragme-miroir = ", CaseDistanceDiaphragmeMiroir,
                       TexteDistance(Instrument.DistanceDiaphragmeMiroir), "10000.0", " mm");
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + g4 / 3, y, "Distance lame-miroir = ", CaseDistanceLameMiroir,
                       TexteDistance(Instrument.DistanceLameMiroir), "10000.0", " mm");

    y += 16;
    MiseEnPage.OrdonneeCourante = y;
    if (AvecPlan())
    {
        PeintElementGauche(c, 20, y, "Distance miroir plan - Foyer = ", CaseDegagementFoyer,
                           TexteValeurCase(Instrument.DistanceSecondaireFoyer), "1000.0", " mm");
        PeintElementGauche(c, MiseEnPage.AbscisseFinElement + 50, y,
                           "Petit côté du miroir plan = ", CaseDiametreSecondaire,
                           TexteValeurCase(Instrument.DiametreSecondaire), "1000.0", " mm");
        PeintElementGauche(c, MiseEnPage.AbscisseFinElement + 50, y,
                           "Epaisseur du miroir plan = ", CaseEpaisseurSecondaire,
                           TexteValeurCase(Instrument.EpaisseurSecondaire), "10000.0", " mm");
    }
    else
    {
        VerifieInstrument();
        if (Validite.InstrumentValide)
        {
            c.TextOut(20, y,
                      "Diamètre du champ de pleine lumière = " +
                          FormateNombre(Instrument.DiametreChampPleineLumiere, "#0") + " mm");
            if (Instrument.EpaisseurTotaleMenisque > 0.1)
                PeintTexteDroit(c, y, TexteEpaisseurMenisque());
        }
    }

    PlaceBoutonChampCourbe(y0);
    RendLameEditee();
    MiseEnPage.OrdonneeDispositif = y0 + 147;
    DessineTableauSchmidt();
    DessineLigneSchmidt();
}

void DessineReplie(ICanevas& c)
{
    for (TControle* controle :
         {&Controles.TableauSchmidt, &Controles.BoutonLame, &Controles.BoutonChampCourbe, &Controles.CaseArl})
        controle->Visible = false;
    if (Validite.DispositifPresent || AvecPlan())
        Instrument.ChampCourbe = false;
    PeintBasculeInstrument(c, false, 0);
    const int y = MiseEnPage.OrdonneePremiereLigne;
    MiseEnPage.OrdonneeCourante = y;

    const int x = PeintNomReplie(c, y);
    PeintElementGauche(c, x, y, "Diamètre d'entrée = ", CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree),
                       "10000.0", " mm");
    const int finC2 = MiseEnPage.AbscisseFinElement;
    if (RapportConnu())
        PeintTexteDroit(c, y, TexteRapport());
    PeintMiroirReplie(c, y, finC2);
    MiseEnPage.OrdonneeDispositif = y + 32;
}

// The same for a distance that only counts from 1 mm.
std::string TexteDistanceImprimee(const std::string& libelle, double valeur, int blancs)
{
    return TexteImprime(libelle, valeur < 1 ? 0.0 : valeur, blancs);
}

// A length in metres with three decimals above 1000 mm, else in millimetres.
std::string TexteLongueur(double longueur)
{
    return longueur > 1000 ? FormateNombre(longueur / 1000, "0.000") + " m" : FormateNombre(longueur, "0.0") + " mm";
}

// Two texts spread in thirds of the room between `debut` and `fin`.
void ImprimeEnTiers(ICanevas& c, int y, int debut, int fin, const std::string& a, const std::string& b)
{
    const int g = fin - debut - c.TextWidth(a) - c.TextWidth(b);
    const int xa = debut + g / 3;
    c.TextOut(xa, y, a);
    if (!b.empty())
        c.TextOut(xa + c.TextWidth(a) + g / 3, y, b);
}

// The x where the printed diffraction line painted last begins.
int DebutLigneDiffractionImprimee(ICanevas& c)
{
    const TPolice police = c.Police();
    c.Police().Nom = "Symbol";
    c.Police().Gras = false;
    c.Police().FixeTaille(11);
    const int lambda = c.TextWidth("l");
    c.Police() = police;
    return c.Largeur() - ImpressionEtat.MargeImpression - c.TextWidth(MiseEnPage.TexteCourant) -
           c.TextWidth(MiseEnPage.TexteLongueurOnde) - lambda;
}

void ImprimeDeveloppe(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int s = ImpressionEtat.PasLigneImpression;
    int y = MiseEnPage.OrdonneeCourante;

    PoliceImpression(c, 9, true);
    c.TextOut(marge, y, Instrument.NomInstrument);
    const int finNom = marge + c.TextWidth(Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    int droite = c.Largeur() - marge;
    if (Validite.InstrumentValide && Instrument.LongueurInstrument > 1 && Instrument.EpaisseurPrimaire > 1e-6)
        droite = ImprimeTexteADroite(c, y, TexteLongueurInstrument(Instrument.LongueurInstrument));
    if (Validite.InstrumentValide && Systeme.PositionFoyer > 1)
    {
        const std::string foyer = "Distance Miroir principal - Foyer = " + TexteLongueur(Systeme.PositionFoyer);
        c.TextOut(finNom + (droite - finNom - c.TextWidth(foyer)) / 2, y, foyer);
    }

    y += s;
    const std::string diametre = TexteImprime("Diamètre d'entrée = ", Instrument.DiametreEntree, 4);
    c.TextOut(marge, y, diametre);
    const int xRayon =
        ImprimeTexteADroite(c, y, TexteImprime("Rayon de courbure du miroir = ", Instrument.RayonCourburePrimaire, 5));
    ImprimeEnTiers(c, y, marge + c.TextWidth(diametre), xRayon,
                   TexteImprime("Diamètre du miroir = ", Instrument.DiametreMiroir, 5),
                   Validite.InstrumentValide ? TexteFocaleObjectif() : std::string());

    y += s;
    if (RapportConnu())
    {
        const std::string rapport = TexteRapport();
        if (Validite.InstrumentValide)
            c.TextOut(marge, y, rapport);
        const int fin = marge + c.TextWidth(rapport);
        ImprimeLigneDiffraction(c, y, "", marge);
        const int ecart = DebutLigneDiffractionImprimee(c) - fin;
        if (AvecPlan())
        {
            VerifieInstrument();
            const std::string menisque = TexteEpaisseurMenisque();
            if (Validite.InstrumentValide && Instrument.EpaisseurTotaleMenisque > 0.1 &&
                ecart - c.TextWidth(menisque) > 4)
                c.TextOut(fin + (ecart - c.TextWidth(menisque)) / 2, y, menisque);
        }
        else
        {
            if (Validite.DispositifPresent)
                Instrument.ChampCourbe = false;
            const std::string champ = Instrument.ChampCourbe ? " avec champ courbe" : " avec champ plan";
            c.TextOut(fin + (ecart - c.TextWidth(champ)) / 2, y, champ);
        }
    }
    y += s;
    if (RapportConnu())
    {
        MiseEnPage.OrdonneeCourante = y;
        MiseEnPage.AbscisseCourante = marge;
        ImprimeParametresLame(c);
        PoliceImpression(c, 9, false);
        y = MiseEnPage.OrdonneeCourante;
    }

    const std::string lame = TexteImprime("Epaisseur lame = ", Instrument.EpaisseurLame, 2);
    c.TextOut(marge, y, lame);
    const int xMiroir = ImprimeTexteADroite(c, y, TexteImprime("Epaisseur miroir = ", Instrument.EpaisseurPrimaire, 3));
    ImprimeEnTiers(c, y, marge + c.TextWidth(lame), xMiroir,
                   TexteDistanceImprimee("Distance diaphragme-miroir = ", Instrument.DistanceDiaphragmeMiroir, 4),
                   TexteDistanceImprimee("Distance lame-miroir = ", Instrument.DistanceLameMiroir, 5));

    y += s;
    if (AvecPlan())
    {
        const std::string foyer =
            TexteImprime("Distance miroir plan - Foyer = ", Instrument.DistanceSecondaireFoyer, 3);
        c.TextOut(marge, y, foyer);
        const int fin = marge + c.TextWidth(foyer);
        const int xPlan =
            ImprimeTexteADroite(c, y, TexteImprime("Epaisseur du miroir plan = ", Instrument.EpaisseurSecondaire, 3));
        const std::string cote = TexteImprime("Petit côté du miroir plan = ", Instrument.DiametreSecondaire, 3);
        c.TextOut(fin + (xPlan - fin - c.TextWidth(cote)) / 2, y, cote);
    }
    else
    {
        VerifieInstrument();
        if (Validite.InstrumentValide)
        {
            c.TextOut(marge, y,
                      "Diamètre du champ de pleine lumière = " +
                          FormateNombre(Instrument.DiametreChampPleineLumiere, "#0") + " mm");
            if (Instrument.EpaisseurTotaleMenisque > 0.1)
                ImprimeTexteADroite(c, y, TexteEpaisseurMenisque());
        }
    }
    MiseEnPage.OrdonneeCourante = y + s;
}

void ImprimeReplie(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int y = MiseEnPage.OrdonneeCourante;
    PoliceImpression(c, 9, true);
    c.TextOut(marge, y, Instrument.NomInstrument);
    int x = marge + c.TextWidth(Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    if (!AvecPlan())
    {
        if (Validite.DispositifPresent)
            Instrument.ChampCourbe = false;
        const std::string champ = Instrument.ChampCourbe ? " cc" : " cp";
        c.TextOut(x, y, champ);
        x += c.TextWidth(champ);
    }
    const std::string a = TexteImprime("Diamètre lame = ", Instrument.DiametreEntree, 4);
    const std::string b = TexteImprime("Diamètre miroir = ", Instrument.DiametreMiroir, 3);
    const std::string r = TexteImprime("Rdc miroir = ", Instrument.RayonCourburePrimaire, 3);
    int xRapport = c.Largeur() - marge;
    if (Instrument.DiametreEntree > 1 && Instrument.FocaleObjectif > 1)
        xRapport = ImprimeTexteADroite(c, y, TexteRapport());
    const int g = xRapport - x - c.TextWidth(a) - c.TextWidth(b) - c.TextWidth(r);
    x += g / 4;
    c.TextOut(x, y, a);
    x += c.TextWidth(a) + g / 4;
    c.TextOut(x, y, b);
    x += c.TextWidth(b) + g / 4;
    c.TextOut(x, y, r);
    MiseEnPage.OrdonneeCourante = y + ImpressionEtat.PasLigneImpression;
}

} // namespace

void DessineParametresMaksutov(ICanevas& canevas)
{
    for (TControle* controle : {&Controles.TableauKlevtsov, &Controles.ComboBox, &Controles.CheckBox1})
        controle->Visible = false;
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
        DessineDeveloppe(canevas);
    else
        DessineReplie(canevas);
}

void ImprimeParametresMaksutov(ICanevas& canevas)
{
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
        ImprimeDeveloppe(canevas);
    else
        ImprimeReplie(canevas);
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
}

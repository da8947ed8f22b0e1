// The Schmidt camera's and the Schmidt-Newton's blocks of the sheet and their printed twins.
#include "sheet/BlocSchmidt.h"

#include "optics/Diffraction.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocInstrument.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"

#include <algorithm>
#include <array>

namespace {

const std::string LibelleCoefficientLame = "Coefficient de déformation de la lame de Schmidt = ";

double D()
{
    return Instrument.DiametreEntree;
}

bool PrimaireConnu()
{
    return Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1;
}

bool AvecProfil()
{
    return Instrument.ProfilLame != ProfilAucun;
}

// "#0.#", blank below 1 mm: the distances a plate cannot have.
std::string TexteDistance(double valeur)
{
    return valeur < 1 ? std::string() : FormateNombre(valeur, "#0.#");
}

std::string TexteCoefficientLame()
{
    return Instrument.CoefficientDeformationLame == 0 ? std::string()
                                                      : FormateNombre(Instrument.CoefficientDeformationLame, "#0.000");
}

// Solves the whole system so that the resulting focal length is the traced one. Answers whether it was solved: a
// solve the user stopped, or one that failed, leaves the plain ratio on the sheet.
bool ResoutSysteme(bool exigeMiseAJour)
{
    if (!PrimaireConnu() || (exigeMiseAJour && !Edition.AMettreAJour) || !Validite.DispositifValide ||
        Validite.SystemeAfocal)
        return false;
    const TLongueurOnde verte = LongueursOnde.LongueurOndeVerte;
    if (verte >= 1 && verte <= NombreLongueursOnde)
        Dispositif.IndiceVert[1] = IndicesAir[static_cast<std::size_t>(verte)];
    std::copy_n(Dispositif.IndiceVert.begin(), Dispositif.NombreDioptres + 2, Dispositif.IndiceTrace.begin());
    std::copy(Groupe.IndiceVertGroupe.begin() + 1, Groupe.IndiceVertGroupe.end(), Groupe.IndiceTraceGroupe.begin() + 1);
    Rayon.RayonPerdu = false;
    Rayon.EstRayonReference = true;
    PrepareSysteme();
    return !Systeme.CalculEchoue && !Systeme.CalculInterrompu;
}

void CacheControlesLame()
{
    Controles.TableauSchmidt.Visible = false;
    Controles.BoutonLame.Visible = false;
    Controles.BoutonChampCourbe.Visible = false;
    Controles.CaseArl.Visible = false;
}

void FinBlocDeveloppe()
{
    DessineTableauSchmidt();
    if (Controles.LigneSchmidt.Visible)
        DessineLigneSchmidt();
    RendLameEditee();
}

void DessineSchmidtDeveloppe(ICanevas& c)
{
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;
    PeintBasculeInstrument(c, true, MiseEnPage.CaseBasculeInstrument.Bottom + 112);
    PeintNomInstrument(c, y0);

    int y = y0 + 16;
    PeintElementGauche(c, 20, y, "Diamètre de lame = ", CaseDiametreEntree, TexteValeurCase(D()), "10000.0", " mm");
    const int ecart = (largeur - MiseEnPage.AbscisseFinElement - 4 * c.TextWidth(" mm") - 3 * c.TextWidth("10000.0") -
                       c.TextWidth("Distance focale = ") - c.TextWidth("Rayon de courbure miroir = ") -
                       c.TextWidth("Diamètre miroir = ") - 32) /
                      3;
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + ecart, y, "Diamètre miroir = ", CaseDiametreMiroir,
                       TexteValeurCase(Instrument.DiametreMiroir), "10000.0", " mm");
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + ecart, y, "Distance Focale = ", CaseFocaleResultante,
                       TexteValeurCase(Instrument.FocaleResultante), "10000.0", " mm");
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + ecart, y,
                       "Rayon de courbure miroir = ", CaseRayonCourburePrimaire,
                       TexteValeurCase(Instrument.RayonCourburePrimaire), "10000.0", " mm");

    y += 16;
    CalculeTacheDiffraction();
    const bool resolu = ResoutSysteme(true);
    CalculeTacheDiffraction();
    if (PrimaireConnu())
    {
        const int xDiffraction =
            LigneDiffractionMesuree(c, y, Systeme.RayonAiryImage, "", TMesureDiffraction::SymboleNormal, 20);
        if (resolu)
        {
            const std::string rapport = "F/D résultant = " + FormateNombre(Instrument.FocaleEffective / D(), "#0.00");
            c.TextOut(20, y, rapport);
            const std::string focale =
                "Distance focale résultante = " + FormateNombre(Instrument.FocaleEffective, "#0.#") + " mm";
            const int fin = 20 + c.TextWidth(rapport);
            c.TextOut(fin + (xDiffraction - fin - c.TextWidth(focale)) / 2 - 20, y, focale);
        }
        else
        {
            c.TextOut(20, y, "F/D = " + FormateNombre(Instrument.FocaleResultante / D(), "#0.00"));
        }
    }
    if (Validite.DispositifPresent)
    {
        // A lens device behind a Schmidt is laid out for a flat image.
        Controles.BoutonChampCourbe.Visible = false;
        Instrument.ChampCourbe = false;
    }
    else
    {
        Controles.BoutonChampCourbe = {true, 200, y - 3, Controles.BoutonChampCourbe.Width,
                                       Controles.BoutonChampCourbe.Height};
        LegendesBoutonsLame.BoutonChampCourbe = Instrument.ChampCourbe ? "Champ courbe" : "Champ plan";
    }

    y += 16;
    PlaceTableauEtBoutonLame(y);

    y += 51;
    if (AvecProfil())
    {
        PeintElementGauche(c, 20, y, "Epaisseur de la lame = ", CaseEpaisseurLame,
                           TexteValeurCase(Instrument.EpaisseurLame), "10000.0", " mm");
        PeintElementGauche(c, MiseEnPage.AbscisseFinElement + 30, y, "Distance lame-miroir = ", CaseDistanceLameMiroir,
                           TexteDistance(Instrument.DistanceLameMiroir), "10000.0", " mm");
    }
    else
    {
        PeintElementGauche(c, 20, y, "Distance diaphragme-miroir = ", CaseDistanceLameMiroir,
                           TexteDistance(Instrument.DistanceLameMiroir), "10000.0", " mm");
    }
    const int finGauche = MiseEnPage.AbscisseFinElement;
    const std::string epaisseur = "Epaisseur du miroir = ";
    const int xDroit = largeur - c.TextWidth(epaisseur) - c.TextWidth(" mm") - c.TextWidth("10000.0") - 30;
    PeintElementGauche(c, xDroit, y, epaisseur, CaseEpaisseurPrimaire, TexteValeurCase(Instrument.EpaisseurPrimaire),
                       "10000.0", " mm");
    if (AvecProfil())
    {
        MiseEnPage.AbscisseFinElement = finGauche;
        MiseEnPage.LargeurDisponible = xDroit - finGauche;
        PeintElementMilieu(c, y, "Coeficient k = ", "Coeficient k = ", CaseCoefficientK,
                           FormateNombre(Instrument.CoefficientK, "0.#"), "1.0", "");
    }

    y += 19;
    int finChamp = 20;
    if (D() > 1 && Instrument.DiametreMiroir > 1 && Instrument.DiametreMiroir > D())
    {
        const std::string champ =
            "Diamètre du champ = " + FormateNombre(Instrument.DiametreChampPleineLumiere, "#0") + " mm";
        c.TextOut(20, y, champ);
        finChamp = 20 + c.TextWidth(champ);
    }
    int debutRelief = largeur;
    if (Validite.InstrumentValide && AvecProfil())
        debutRelief = PeintTexteDroit(c, y, TexteReliefLame(false));
    const int largeurArl = c.TextWidth(LibelleCoefficientLame) + c.TextWidth("10.000") + 22;
    const int x = finChamp + (debutRelief - finChamp - largeurArl) / 2;
    c.TextOut(x, y, LibelleCoefficientLame);
    PlaceCaseArl(c, x + c.TextWidth(LibelleCoefficientLame), y);

    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Bottom + 32;
    FinBlocDeveloppe();
}

// The collapsed line up to the plate's diameter, the plate controls hidden; answers the line's y.
int DebutBlocReplie(ICanevas& c)
{
    CacheControlesLame();
    PeintBasculeInstrument(c, false, 0);
    const int y = MiseEnPage.OrdonneePremiereLigne;
    const int x = PeintNomInstrument(c, y) + c.TextWidth("vide");
    PeintElementGauche(c, x, y, "Diamètre de la lame = ", CaseDiametreEntree, TexteValeurCase(D()), "10000.0", " mm");
    return y;
}

void DessineSchmidtReplie(ICanevas& c)
{
    const int y = DebutBlocReplie(c);
    // The ratio's place is kept while it cannot be computed, so that the items do not move once it can.
    const int xRapport = PrimaireConnu()
                             ? PeintTexteDroit(c, y, "F/D = " + FormateNombre(Instrument.FocalePrimaire / D(), "#0.00"))
                             : Controles.LargeurFenetre - 20 - c.TextWidth("F/D = 00,00");
    const int ecart = (xRapport - MiseEnPage.AbscisseFinElement - c.TextWidth("Diamètre du miroir =  mm") -
                       c.TextWidth("Distance Focale =  mm") - c.TextWidth("10000.0") - 40) /
                      3;
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + ecart, y, "Diamètre du miroir = ", CaseDiametreMiroir,
                       TexteValeurCase(Instrument.DiametreMiroir), "10000.0", " mm");
    PeintElementGauche(c, MiseEnPage.AbscisseFinElement + ecart, y, "Distance focale = ", CaseFocalePrimaire,
                       TexteValeurCase(Instrument.FocalePrimaire), "10000.0", " mm");
    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocalePrimaire].Bottom + 16;
}

void DessineSchmidtNewtonDeveloppe(ICanevas& c)
{
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;
    PeintBasculeInstrument(c, true, MiseEnPage.CaseBasculeInstrument.Bottom + 140);
    PeintNomInstrument(c, y0);

    int y = y0 + 16;
    PeintElementGauche(c, 20, y, "Diamètre de la lame = ", CaseDiametreEntree, TexteValeurCase(D()), "10000.0", " mm");
    const int apres = MiseEnPage.CaseValeur[CaseDiametreEntree].Right + 2;
    PeintElementGauche(c, apres + (largeur - apres - c.TextWidth(" mm")) / 4, y,
                       "Diamètre du miroir primaire = ", CaseDiametreMiroir, TexteValeurCase(Instrument.DiametreMiroir),
                       "10000.0", " mm");
    PeintElementGauche(c, largeur - c.TextWidth("Distance Focale =  mm") - c.TextWidth("10000.0") - 30, y,
                       "Distance Focale = ", CaseFocaleResultante, TexteValeurCase(Instrument.FocaleResultante),
                       "10000.0", " mm");
    CalculeTacheDiffraction();

    y += 19;
    const bool resolu = ResoutSysteme(true);
    int finRapport = 20;
    if (PrimaireConnu())
    {
        const std::string rapport = "F/D = " + FormateNombre(Instrument.FocaleResultante / D(), "#0.00");
        c.TextOut(20, y, rapport);
        finRapport += c.TextWidth(rapport);
        const int xDiffraction =
            LigneDiffractionMesuree(c, y, Instrument.TacheDiffractionMicrons, "", TMesureDiffraction::SymboleNormal, 0);
        if (resolu)
            TexteEntre(c, y, finRapport, xDiffraction,
                       "Rayon de courbure du miroir = " + FormateNombre(Instrument.RayonCourburePrimaire, "#0.#") +
                           " mm");
    }
    if (!resolu && Instrument.RayonCourburePrimaire > 1)
        c.TextOut(largeur / 6, y,
                  "Rayon de courbure du miroir primaire = " + FormateNombre(Instrument.RayonCourburePrimaire, "#0.#") +
                      " mm");

    y += 16;
    PlaceTableauEtBoutonLame(y);

    y += 51;
    c.TextOut(20, y, LibelleCoefficientLame);
    PlaceCaseArl(c, 20 + c.TextWidth(LibelleCoefficientLame), y);
    if (Validite.InstrumentValide && AvecProfil())
        PeintTexteDroit(c, y, TexteReliefLame(false));

    y += 19;
    PeintElementGauche(c, 20, y, "Distance Miroir Plan - Foyer = ", CaseDegagementFoyer,
                       TexteDistance(Instrument.DistanceSecondaireFoyer), "1000.0", " mm");
    const int finPlan = MiseEnPage.AbscisseFinElement;
    const std::string mesureDistance = "Distance lame-miroir =  mm1000.0";
    PeintElementGauche(c,
                       finPlan + (largeur - 20 - finPlan - c.TextWidth("Petit côté du miroir plan =  mm10000.0") -
                                  c.TextWidth(mesureDistance) - 16) /
                                     2,
                       y, "Petit côté du miroir plan = ", CaseDiametreSecondaire,
                       TexteValeurCase(Instrument.DiametreSecondaire), "10000.0", " mm");
    PeintElementGauche(c, largeur - c.TextWidth(mesureDistance) - 28, y,
                       "Distance lame-miroir = ", CaseDistanceLameMiroir, TexteDistance(Instrument.DistanceLameMiroir),
                       "1000.0", " mm");

    y += 19;
    PeintElementGauche(c, 20, y, "Epaisseur du miroir principal = ", CaseEpaisseurPrimaire,
                       TexteValeurCase(Instrument.EpaisseurPrimaire), "1000.0", " mm");
    const int finPrimaire = MiseEnPage.AbscisseFinElement;
    const int xLame = largeur - c.TextWidth("Epaisseur de la lame =  mm") - c.TextWidth("10000.0") - 28;
    PeintElementGauche(c, xLame, y, "Epaisseur de la lame = ", CaseEpaisseurLame,
                       TexteValeurCase(Instrument.EpaisseurLame), "10000.0", " mm");
    const int reste = xLame - c.TextWidth("Epaisseur du miroir plan =  mm") -
                      c.TextWidth("Epaisseur du miroir principal =  mm") - 2 * c.TextWidth("1000.0") + 20;
    PeintElementGauche(c, finPrimaire + reste / 3 - 2, y, "Epaisseur du miroir plan = ", CaseEpaisseurSecondaire,
                       TexteValeurCase(Instrument.EpaisseurSecondaire), "1000.0", " mm");

    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Bottom + 16;
    FinBlocDeveloppe();
}

void DessineSchmidtNewtonReplie(ICanevas& c)
{
    const int y = DebutBlocReplie(c);
    if (PrimaireConnu())
        MiseEnPage.LargeurDisponible =
            PeintTexteDroit(c, y, "F/D = " + FormateNombre(Instrument.FocalePrimaire / D(), "#0.00")) -
            MiseEnPage.AbscisseFinElement;
    else
        MiseEnPage.LargeurDisponible = Controles.LargeurFenetre - MiseEnPage.AbscisseFinElement;
    PeintElementMilieu(c, y, "Distance Focale =  mm", "Distance Focale = ", CaseFocalePrimaire,
                       TexteValeurCase(Instrument.FocalePrimaire), "10000.0", " mm");
    MiseEnPage.OrdonneeDispositif = MiseEnPage.CaseValeur[CaseFocalePrimaire].Bottom + 16;
}

// ---- Printed twins ----

int Marge()
{
    return ImpressionEtat.MargeImpression;
}

int Pas()
{
    return ImpressionEtat.PasLigneImpression;
}

// A printed length: eight blanks in its place at 0.1 mm or less.
std::string Valeur8(double valeur)
{
    return valeur <= 0.1 ? std::string(8, ' ') : FormateNombre(valeur, "#0.#");
}

// "#0.#", or three blanks when the value is 0.
std::string Valeur3(double valeur)
{
    return valeur == 0 ? std::string(3, ' ') : FormateNombre(valeur, "#0.#");
}

// Texts spread from x to the right margin with equal gaps, one before the first when `ecartAvant`.
template <std::size_t N>
void ImprimeRepartis(ICanevas& c, int y, int x, const std::array<std::string, N>& textes, bool ecartAvant)
{
    int reste = c.Largeur() - Marge() - x;
    for (const std::string& texte : textes)
        reste -= c.TextWidth(texte);
    const int ecart = reste / static_cast<int>(ecartAvant ? N : N - 1);
    if (ecartAvant)
        x += ecart;
    for (const std::string& texte : textes)
    {
        if (!texte.empty())
            c.TextOut(x, y, texte);
        x += c.TextWidth(texte) + ecart;
    }
}

// The name in bold at the margin; answers where it ends.
int ImprimeNom(ICanevas& c, int y)
{
    PoliceImpression(c, 9, true);
    c.TextOut(MiseEnPage.AbscisseCourante, y, Instrument.NomInstrument);
    const int fin = MiseEnPage.AbscisseCourante + c.TextWidth(Instrument.NomInstrument);
    PoliceImpression(c, 9, false);
    return fin;
}

void ImprimeLongueur(ICanevas& c, int y)
{
    if (Instrument.LongueurInstrument > 1 && Instrument.EpaisseurPrimaire > 1e-6)
        ImprimeTexteADroite(c, y, TexteLongueurInstrument(Instrument.LongueurInstrument));
}

void ImprimeLame(ICanevas& c, int y)
{
    MiseEnPage.OrdonneeCourante = y;
    MiseEnPage.AbscisseCourante = Marge();
    ImprimeParametresLame(c);
}

std::string TexteDistanceLame(const std::string& blancs)
{
    return (AvecProfil() ? "Distance lame-miroir = " : "Distance diaphragme-miroir = ") +
           (Instrument.DistanceLameMiroir < 1 ? blancs : FormateNombre(Instrument.DistanceLameMiroir, "#0.#")) + " mm";
}

void ImprimeSchmidtDeveloppe(ICanevas& c)
{
    const int m = Marge();
    int y = MiseEnPage.OrdonneeCourante;
    const int finNom = ImprimeNom(c, y);
    c.TextOut(finNom, y, Instrument.ChampCourbe ? " avec champ courbe" : " avec champ plan");
    ImprimeLongueur(c, y);

    y += Pas();
    ImprimeRepartis<4>(c, y, m,
                       {"Diamètre de la lame = " + Valeur8(D()) + " mm",
                        "Diamètre du miroir = " + Valeur8(Instrument.DiametreMiroir) + " mm",
                        "Distance Focale = " + Valeur8(Instrument.FocaleResultante) + " mm",
                        "Rayon de courbure du miroir = " + Valeur8(Instrument.RayonCourburePrimaire) + " mm"},
                       false);

    y += Pas();
    if (PrimaireConnu())
    {
        CalculeTacheDiffraction();
        const bool resolu = ResoutSysteme(false);
        ImprimeLigneDiffraction(c, y, "", m);
        const int debut = DebutLigneDiffractionImprimee(c);
        std::string rapport;
        std::string milieu;
        if (resolu)
        {
            rapport = "F/D résultant = " + FormateNombre(Instrument.FocaleEffective / D(), "#0.00");
            milieu = "Distance focale résultante = " + FormateNombre(Instrument.FocaleEffective, "#0.#") + " mm";
        }
        else
        {
            rapport = "F/D = " + FormateNombre(Instrument.FocaleResultante / D(), "#0.00");
            if (Instrument.ChampCourbe)
                milieu = "Champ courbe";
        }
        c.TextOut(m, y, rapport);
        const int fin = m + c.TextWidth(rapport);
        TexteEntre(c, y, fin, debut, milieu);
    }

    ImprimeLame(c, y + Pas());
    y = MiseEnPage.OrdonneeCourante;
    const std::string lame = "Epaisseur de la lame = " + FormateNombre(Instrument.EpaisseurLame, "#0.#") + " mm";
    if (AvecProfil())
        c.TextOut(m, y, lame);
    const std::string miroir = "Epaisseur du miroir = " + FormateNombre(Instrument.EpaisseurPrimaire, "#0.#") + " mm";
    const int xDroit = c.Largeur() - m - c.TextWidth(miroir);
    if (Instrument.EpaisseurPrimaire > 0.1)
        c.TextOut(xDroit, y, miroir);
    const std::string distance = TexteDistanceLame(std::string(6, ' '));
    const std::string k = AvecProfil() ? "Coeficient k = " + FormateNombre(Instrument.CoefficientK, "0.#") : "";
    const int finLame = m + c.TextWidth(lame);
    const int ecart = (xDroit - finLame - c.TextWidth(distance) - c.TextWidth(k)) / 3;
    c.TextOut(finLame + ecart, y, distance);
    if (!k.empty())
        c.TextOut(finLame + ecart + c.TextWidth(distance) + ecart, y, k);

    y += Pas();
    int finChamp = m;
    if (D() > 1 && Instrument.DiametreMiroir > 1 && Instrument.DiametreMiroir > D())
    {
        const std::string champ =
            "Diamètre du champ = " + FormateNombre(Instrument.DiametreChampPleineLumiere, "#0") + " mm";
        c.TextOut(m, y, champ);
        finChamp += c.TextWidth(champ);
    }
    int debutRelief = c.Largeur() - m;
    if (Validite.InstrumentValide && AvecProfil())
        debutRelief = ImprimeTexteADroite(c, y, TexteReliefLame(false));
    const std::string coefficient =
        LibelleCoefficientLame + FormateNombre(Instrument.CoefficientDeformationLame, "#0.000");
    TexteEntre(c, y, finChamp, debutRelief, coefficient);
    MiseEnPage.OrdonneeCourante = y + Pas();
}

void ImprimeSchmidtReplie(ICanevas& c)
{
    const int y = MiseEnPage.OrdonneeCourante;
    const int finNom = ImprimeNom(c, y);
    const std::string champ = Instrument.ChampCourbe ? " cc" : " cp";
    c.TextOut(finNom, y, champ);
    const std::string rapport =
        PrimaireConnu() ? "F/D = " + FormateNombre(Instrument.FocalePrimaire / D(), "#0.00") : std::string();
    ImprimeRepartis<4>(c, y, finNom + c.TextWidth(champ),
                       {"Diamètre de la lame = " + Valeur8(D()) + " mm",
                        "Diamètre du miroir = " + Valeur8(Instrument.DiametreMiroir) + " mm",
                        "Distance focale = " + Valeur8(Instrument.FocalePrimaire) + " mm", rapport},
                       true);
    MiseEnPage.OrdonneeCourante = y + 2 * Pas();
}

void ImprimeSchmidtNewtonDeveloppe(ICanevas& c)
{
    const int m = Marge();
    int y = MiseEnPage.OrdonneeCourante;
    ImprimeNom(c, y);
    ImprimeLongueur(c, y);

    y += Pas();
    ImprimeRepartis<3>(c, y, m,
                       {"Diamètre de la lame = " + Valeur8(D()) + " mm",
                        "Diamètre du miroir primaire = " + Valeur8(Instrument.DiametreMiroir) + " mm",
                        "Distance Focale = " + Valeur8(Instrument.FocaleResultante) + " mm"},
                       false);

    y += Pas();
    const std::string rayon = "Rayon de courbure du miroir = " + Valeur8(Instrument.RayonCourburePrimaire) + " mm";
    if (PrimaireConnu())
    {
        const std::string rapport = "F/D = " + FormateNombre(Instrument.FocaleResultante / D(), "#0.00");
        c.TextOut(m, y, rapport);
        ImprimeLigneDiffraction(c, y, "", m);
        const int fin = m + c.TextWidth(rapport);
        TexteEntre(c, y, fin, DebutLigneDiffractionImprimee(c), rayon);
    }
    else
    {
        TexteEntre(c, y, m, c.Largeur() - m, rayon);
    }

    ImprimeLame(c, y + Pas());
    y = MiseEnPage.OrdonneeCourante;
    c.TextOut(m, y, LibelleCoefficientLame + FormateNombre(Instrument.CoefficientDeformationLame, "#0.000"));
    if (Validite.InstrumentValide && AvecProfil())
        ImprimeTexteADroite(c, y, TexteReliefLame(false));

    y += Pas();
    const int xDistance = ImprimeTexteADroite(c, y, TexteDistanceLame(std::string(3, ' ')));
    if (Instrument.DistanceSecondaireFoyer > 1)
    {
        const std::string plan =
            "Distance Miroir Plan - Foyer = " + FormateNombre(Instrument.DistanceSecondaireFoyer, "#0.#") + " mm";
        c.TextOut(m, y, plan);
        const std::string cote = "Petit côté du miroir plan = " + Valeur3(Instrument.DiametreSecondaire) + " mm";
        const int fin = m + c.TextWidth(plan);
        TexteEntre(c, y, fin, xDistance, cote);
    }

    y += Pas();
    ImprimeRepartis<3>(c, y, m,
                       {"Epaisseur du miroir principal = " + Valeur3(Instrument.EpaisseurPrimaire) + " mm",
                        "Epaisseur du miroir plan = " + Valeur3(Instrument.EpaisseurSecondaire) + " mm",
                        "Epaisseur de la lame = " + Valeur3(Instrument.EpaisseurLame) + " mm"},
                       false);
    MiseEnPage.OrdonneeCourante = y + Pas();
}

void ImprimeSchmidtNewtonReplie(ICanevas& c)
{
    const int y = MiseEnPage.OrdonneeCourante;
    const int finNom = ImprimeNom(c, y);
    const std::string rapport =
        PrimaireConnu() ? "F/D = " + FormateNombre(Instrument.FocalePrimaire / D(), "#0.00") : std::string();
    ImprimeRepartis<3>(c, y, finNom,
                       {"Diamètre de la lame = " + Valeur8(D()) + " mm",
                        "Distance focale = " + Valeur8(Instrument.FocalePrimaire) + " mm", rapport},
                       true);
    MiseEnPage.OrdonneeCourante = y + 2 * Pas();
}

} // namespace

void PlaceTableauEtBoutonLame(int y)
{
    Controles.TableauSchmidt.Visible = true;
    Controles.TableauSchmidt.Left = 20;
    Controles.TableauSchmidt.Top = y - 2;
    Controles.BoutonLame.Visible = true;
    Controles.BoutonLame.Left = 54;
    Controles.BoutonLame.Top = y + 16;
    static const std::array<const char*, 4> Legendes = {
        "Pas de lame correctrice", "Profil de Schmidt sur la face avant", "Profil de Schmidt sur la face arrière",
        "Profil de Schmidt réparti sur les deux faces"};
    if (Instrument.ProfilLame < Legendes.size())
        LegendesBoutonsLame.BoutonLame = Legendes[Instrument.ProfilLame];
}

int PlaceCaseArl(ICanevas& c, int x, int y)
{
    TCase& boite = MiseEnPage.CaseValeur[CaseCoefficientDeformationLame];
    boite = {x, y - 2, x + c.TextWidth("10.000") + 22, y + 16};
    Controles.CaseArl.Visible = true;
    Controles.CaseArl.Left = boite.Left;
    Controles.CaseArl.Top = boite.Top;
    DessineCaseArl(TexteCoefficientLame());
    return boite.Right;
}

std::string TexteReliefLame(bool amplitude)
{
    const double coefficient = Instrument.CoefficientDeformationLame;
    if (Instrument.ProfilLame == ProfilPartage)
        return (amplitude ? "Amplitude de la déformation de chaque face de la lame = "
                          : "Relief de chaque face de la lame = ") +
               FormateNombre(coefficient * Instrument.ReliefLame * 500, "#0.#") + " µm";
    return (amplitude ? "Amplitude de la déformation de la lame = " : "Relief de la lame = ") +
           FormateNombre(Instrument.ReliefLame * 1000 * coefficient, "#0.#") + " µm";
}

void DessineParametresSchmidt(ICanevas& canevas)
{
    Controles.TableauKlevtsov.Visible = false;
    Controles.ComboBox.Visible = false;
    VerifieInstrument();
    VerifieDispositif();
    CalculeCoefficientsLame();
    if (Edition.InstrumentDeveloppe)
        DessineSchmidtDeveloppe(canevas);
    else
        DessineSchmidtReplie(canevas);
}

void DessineParametresSchmidtNewton(ICanevas& canevas)
{
    Controles.ComboBox.Visible = false;
    Controles.TableauSchmidt.Visible = false;
    Controles.BoutonLame.Visible = false;
    Controles.BoutonChampCourbe.Visible = false;
    if (Edition.InstrumentDeveloppe)
        DessineSchmidtNewtonDeveloppe(canevas);
    else
        DessineSchmidtNewtonReplie(canevas);
}

void ImprimeParametresSchmidt(ICanevas& canevas)
{
    VerifieInstrument();
    CalculeCoefficientsLame();
    if (Validite.DispositifPresent)
        Instrument.ChampCourbe = false;
    if (Edition.InstrumentDeveloppe)
        ImprimeSchmidtDeveloppe(canevas);
    else
        ImprimeSchmidtReplie(canevas);
}

void ImprimeParametresSchmidtNewton(ICanevas& canevas)
{
    VerifieInstrument();
    CalculeCoefficientsLame();
    if (Edition.InstrumentDeveloppe)
        ImprimeSchmidtNewtonDeveloppe(canevas);
    else
        ImprimeSchmidtNewtonReplie(canevas);
}

// The Klevtsov-Cassegrain's block of the sheet and its printed twin.
#include "sheet/BlocKlevtsov.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/FormatsNombresTableau.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"
#include "sheet/TableauGroupe.h"

#include <algorithm>
#include <cmath>

namespace {

// A stop typed in the group is stored with the glass "Diaphragme": its row reads as a stop, not as a plane.
const TPresentationGroupe PresentationKlevtsov{"Groupe réfracto-réflecteur de Klevtsov", 2, false, "Diaph.",
                                               "Diaphragme"};

// A mirror thickness this small was never entered.
constexpr double SeuilEpaisseurNulle = 1e-6;

// Rows of the table: the group's surfaces and the mirror's, at least two.
int LignesTableau()
{
    return std::max(Groupe.NombreDioptresGroupe + 1, 2);
}

int NumeroMiroir()
{
    return Groupe.NombreDioptresGroupe >= 2 ? Groupe.NombreDioptresGroupe + 1 : 2;
}

// An odd number of group surfaces ends inside glass, where the mirror's thickness belongs to the group.
bool EpaisseurMiroirCouverte()
{
    return Groupe.NombreDioptresGroupe % 2 != 0;
}

// The mirror's radius by magnitude, so that a plane entered with a minus sign reads "Plan" too, never as a
// 21-digit number.
std::string TexteRayonMiroir()
{
    const double r = Instrument.RayonCourbureSecondaire;
    return std::abs(r) > SeuilRayonPlan ? std::string("Plan") : FormateRayonTableau(r);
}

std::string TexteEpaisseurMiroir()
{
    const double e = Instrument.EpaisseurSecondaire;
    return !EstEpaisseurInfinie(std::abs(e)) && e <= SeuilEpaisseurNulle ? std::string()
                                                                         : FormateEpaisseurDispositif(e);
}

std::string TexteFocaleResultanteSurDiametre()
{
    return "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00");
}

std::string TexteDegagement()
{
    return "Dégagement du foyer = " + FormateNombre(Instrument.DegagementFoyer, "#0.#") + " mm";
}

// The fixed picture of the mirror row: the rules of the number, radius, thickness and diameter cells.
void DessineFondLigneMiroir(ICanevas& c)
{
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(0, 0, c.Largeur(), c.Hauteur());
    for (int x : {1, 25, 42, 90, 103, 120, 165, 178, 195, 228, 241, 258})
    {
        c.MoveTo(x, 0);
        c.LineTo(x, 17);
    }
    c.MoveTo(1, 16);
    c.LineTo(c.Largeur(), 16);
}

// The look of the covered thickness cell: the cell crossed out, as on paper.
void DessineEpaisseurOff(ICanevas& c)
{
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.Rectangle(0, 0, c.Largeur(), c.Hauteur());
    c.MoveTo(1, 1);
    c.LineTo(c.Largeur() - 1, c.Hauteur() - 1);
    c.MoveTo(1, c.Hauteur() - 2);
    c.LineTo(c.Largeur() - 1, 0);
}

void DessineLigneMiroir(int lignes)
{
    const TControle& tableau = Controles.TableauKlevtsov;
    TControle& ligne = Controles.LigneMiroir;
    ligne.Visible = true;
    ligne.Top = tableau.Top + 43 + 16 * lignes;
    ligne.Left = tableau.Left + 1;
    ligne.Width = tableau.Width;
    ligne.Height = 17;
    Controles.LigneMiroirActive.Top = ligne.Top;
    Controles.LigneMiroirActive.Left = ligne.Left;

    TControle& off = Controles.EpaisseurOff;
    off.Visible = EpaisseurMiroirCouverte();
    off.Left = ligne.Left + 120;
    off.Top = ligne.Top;
    off.Width = 47;
    off.Height = 17;
    Controles.CaseZf.Visible = false;
    if (off.Visible && ImagesGroupe.EpaisseurOff != nullptr)
        DessineEpaisseurOff(*ImagesGroupe.EpaisseurOff);

    if (ImagesGroupe.LigneMiroir == nullptr)
        return;
    ICanevas& c = *ImagesGroupe.LigneMiroir;
    DessineFondLigneMiroir(c);
    TPolice& police = c.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-11);
    police.Gras = false;
    police.Couleur = clBlack;
    c.Stylo().Style = TStyleStylo::Transparent;
    c.TextOut(480, 1, "Miroir secondaire sphérique");
    const std::string numero = std::to_string(NumeroMiroir());
    c.TextOut(25 - c.TextWidth("n" + numero), 1, numero);
    const auto cellule = [&](int gauche, int droite, int fin, const std::string& texte) {
        c.FillRect(gauche, 1, droite, 16);
        c.TextOut(fin - c.TextWidth(texte), 1, texte);
    };
    cellule(42, 91, 89, TexteRayonMiroir());
    if (!EpaisseurMiroirCouverte())
        cellule(121, 166, 164, TexteEpaisseurMiroir());
    cellule(196, 229, 227, FormateDiametreTableau(Instrument.DiametreSecondaire));
    c.Stylo().Style = TStyleStylo::Plein;
}

void DessineDeveloppe(ICanevas& c)
{
    DessineParametresPrimaire(c);
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    const int largeur = Controles.LargeurFenetre;

    int y = y0 + 32;
    if (Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleEffective > 1)
    {
        c.TextOut(20, y, TexteFocaleResultanteSurDiametre());
        CalculeTacheDiffraction();
        LigneDiffractionMesuree(c, y, Instrument.TacheDiffractionMicrons, " (au foyer secondaire)",
                                TMesureDiffraction::PolicesDessinees, 20);
    }

    y += 16;
    PeintElementGauche(c, 20, y, "Distance Miroir primaire - 1er dioptre Klevtsov = ", CaseDistanceDiaphragmeMiroir,
                       TexteValeurCase(Instrument.DistanceDiaphragmeMiroir), "1000.0", " mm");
    if (!EstDegagementNonSaisi(Instrument.DegagementFoyer))
        PeintTexteDroit(c, y, TexteDegagement());

    y += 16;
    PeintElementGauche(c, 20, y, "Trou central du miroir primaire = ", CaseDiametreTrouCentral,
                       TexteValeurCase(Instrument.DiametreTrouCentral), "1000.0", " mm");
    const std::string epaisseur = "Epaisseur du miroir primaire = ";
    PeintElementGauche(c, largeur - c.TextWidth(epaisseur) - c.TextWidth(" mm") - 2 - (c.TextWidth("10000.0") + 8) - 20,
                       y, epaisseur, CaseEpaisseurPrimaire, TexteValeurCase(Instrument.EpaisseurPrimaire), "10000.0",
                       " mm");

    MiseEnPage.OrdonneeCourante = y + 16;
    const int lignes = LignesTableau();
    PlaceTableauGroupe(MiseEnPage.OrdonneeCourante + 2, lignes);
    MiseEnPage.OrdonneeDispositif =
        Controles.TableauKlevtsov.Height + MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Bottom + 16;
    MiseEnPage.OrdonneeCourante = MiseEnPage.OrdonneeDispositif + 16;
    DessineTableauGroupe(PresentationKlevtsov, lignes);
    DessineLigneMiroir(lignes);
}

std::string ValeurOuBlancs(double valeur, int blancs)
{
    return valeur == 0 ? std::string(static_cast<std::size_t>(blancs), ' ') : FormateNombre(valeur, "#0.#");
}

// The printed group table from y0 and the mirror row under its last row; answers the mirror row's y.
int ImprimeTableauKlevtsov(ICanevas& c, int y0)
{
    const int s = ImpressionEtat.PasLigneImpression;
    ImpressionEtat.PasLigneTableauImprime = s * 10 / 10;
    const int t = ImpressionEtat.PasLigneTableauImprime;
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    const int lignes = std::max(n, 1);
    const TColonnesGroupe colonnes = MesureColonnesGroupe(c);
    const auto& x = colonnes.Bords;
    const int yh = ImprimeEnteteGroupe(c, colonnes, y0, PresentationKlevtsov.Titre, 13);
    const int yr = y0 + 15 * s / 10;
    const auto trait = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    for (std::size_t k = 0; k <= 4; ++k)
        trait(x[k], yr, x[k], yh + (lignes + 1) * t);
    for (std::size_t k = 5; k <= 7; ++k)
        trait(x[k], yr - t, x[k], yh + lignes * t);
    trait(x[8], yr - t, x[8], yh + (lignes + 1) * t);

    const int b = yh - 90 * s / 100;
    const int stylo = c.Stylo().Epaisseur;
    for (int i = 1; i <= lignes; ++i)
        ImprimeLigneGroupe(c, colonnes, PresentationKlevtsov, i, b + i * t + (i > 1 ? stylo : 0));

    const int y = b + (lignes + 1) * t + stylo;
    const auto aDroite = [&](int bord, const std::string& texte) {
        c.TextOut(bord - c.TextWidth(texte + " "), y, texte);
    };
    TexteEntre(c, y, x[4], x[8], "Miroir secondaire sphérique");
    TexteEntre(c, y, x[0], x[1], std::to_string(NumeroMiroir()));
    aDroite(x[2], TexteRayonMiroir());
    if (EpaisseurMiroirCouverte())
    {
        trait(x[2], y - stylo, x[3], y + t - stylo);
        trait(x[2], y + t - stylo, x[3], y - stylo);
    }
    else
    {
        aDroite(x[3], TexteEpaisseurMiroir());
    }
    aDroite(x[4], FormateDiametreTableau(Instrument.DiametreSecondaire));

    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
    for (int g = 1; g <= lignes + 1; ++g)
        trait(x[0], b + (g + 1) * t, x[8], b + (g + 1) * t);
    return y;
}

void ImprimeDeveloppe(ICanevas& c)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int s = ImpressionEtat.PasLigneImpression;
    ImprimeParametresPrimaire(c);
    PoliceImpression(c, 9, false);

    int y = MiseEnPage.OrdonneeCourante + s;
    if (Instrument.DiametreEntree > 1 && Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1)
    {
        c.TextOut(marge, y, TexteFocaleResultanteSurDiametre());
        ImprimeLigneDiffraction(c, y, " (au foyer secondaire)", marge);
    }

    y += s;
    c.TextOut(marge, y,
              "Distance Miroir primaire - 1er dioptre Klevtsov = " +
                  ValeurOuBlancs(Instrument.DistanceDiaphragmeMiroir, 3) + " mm");
    if (!EstDegagementNonSaisi(Instrument.DegagementFoyer))
        ImprimeTexteADroite(c, y, TexteDegagement());

    y += s;
    c.TextOut(marge, y,
              "Trou central du miroir primaire = " + ValeurOuBlancs(Instrument.DiametreTrouCentral, 4) + " mm");
    ImprimeTexteADroite(c, y,
                        "Epaisseur du miroir primaire = " + ValeurOuBlancs(Instrument.EpaisseurPrimaire, 3) + " mm");

    y += s;
    MiseEnPage.OrdonneeCourante = ImprimeTableauKlevtsov(c, y) + s;
}

} // namespace

void DessineParametresKlevtsov(ICanevas& canevas)
{
    for (TControle* controle :
         {&Controles.ComboBox, &Controles.TableauSchmidt, &Controles.BoutonLame, &Controles.BoutonChampCourbe})
        controle->Visible = false;
    Controles.TableauKlevtsov.Visible = Edition.InstrumentDeveloppe;
    VerifieInstrument();
    if (Edition.InstrumentDeveloppe)
        DessineDeveloppe(canevas);
    else
        DessineEnteteInstrument(canevas);
    canevas.Stylo().Style = TStyleStylo::Plein;
    DessineLigneEditee();
}

void ImprimeParametresKlevtsov(ICanevas& canevas)
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

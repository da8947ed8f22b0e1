// The refractor's block of the sheet and its printed twin.
#include "sheet/BlocLunette.h"

#include "optics/Geometrie.h"
#include "optics/Modele.h"
#include "optics/TraceLunette.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/LignesEditees.h"
#include "sheet/TableauGroupe.h"

#include <algorithm>
#include <cmath>

namespace {

const TPresentationGroupe Objectif{"Caractéristiques de la lunette", 3, false, "Diaph.", "Diaph."};

// Rows drawn: an empty objective still shows one.
int LignesObjectif()
{
    return std::max(Groupe.NombreDioptresGroupe, 1);
}

// A length of the heading: rounded to 0.1 mm (halves to even), in the shortest form.
std::string Dixieme(double valeur)
{
    return FormateGeneral(std::nearbyint(valeur * 10) / 10);
}

// "Lunette : D = ... mm : F = ... mm : F/D = ...", the focal part only when the focal length is known.
std::string TexteEntete(double focale)
{
    const double d = Instrument.DiametreObjectif;
    std::string texte = Instrument.NomInstrument + " : D = " + Dixieme(d) + " mm";
    if (Instrument.FocalePrimaire > 1)
        texte += " : F = " + Dixieme(focale) + " mm : F/D = " + FormateNombre(focale / d, "#0.00");
    return texte;
}

// The axial extent of the instrument and its lens device, after the overall geometry: to the device's last surface
// when the system is afocal, else to the focus.
double LongueurSchemaLunette()
{
    CalculeGeometrieInstrument();
    const double fin = Instrument.FinDispositif;
    if (Validite.SystemeAfocal)
        return Dispositif.SommetDioptre[static_cast<std::size_t>(
                   std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres))] +
               fin;
    return Instrument.DistanceApresGroupe + fin;
}

std::string TexteDistanceFoyer(double distance)
{
    if (distance > 99999)
        return FormateNombre(distance, "#0");
    if (distance > 9999)
        return FormateNombre(distance, "#0.0");
    return FormateNombre(distance, "#0.00");
}

// The distance from the objective's last surface to the focus in the last row's thickness cell. The cell is shown
// only while it holds the distance of the current design, so that no earlier value stays over the table.
void DessineCaseZf()
{
    TControle& zf = Controles.CaseZf;
    zf.Visible = false;
    const int n = Groupe.NombreDioptresGroupe;
    if (!Validite.InstrumentValide || !(Systeme.PositionFoyer > 0) || n <= 1)
        return;
    CalculeGeometrieInstrument();
    Instrument.DistanceApresGroupe = Systeme.PositionFoyer - Instrument.LongueurTotale;
    if (!(Instrument.DistanceApresGroupe > 0))
        return;
    const TControle& tableau = Controles.TableauKlevtsov;
    zf.Visible = true;
    zf.Top = tableau.Top + 16 * n + 43;
    zf.Left = tableau.Left + 120;
    // 75 px wide, its fill ends on the right edge of the thickness cell it covers.
    zf.Width = 75;
    zf.Height = 17;
    if (ImagesGroupe.CaseZf == nullptr)
        return;
    ICanevas& c = *ImagesGroupe.CaseZf;
    zf.Width = c.Largeur();
    zf.Height = c.Hauteur();
    c.Stylo().Style = TStyleStylo::Transparent;
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(1, 1, zf.Width - 29, zf.Height - 1);
    c.Stylo().Style = TStyleStylo::Plein;
    TPolice& police = c.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-11);
    police.Gras = false;
    police.Couleur = clBlack;
    const std::string texte = TexteDistanceFoyer(Instrument.DistanceApresGroupe);
    c.TextOut(zf.Width - 31 - c.TextWidth(texte), 1, texte);
}

void DessineDeveloppe(ICanevas& c)
{
    const int n = LignesObjectif();
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    PeintBasculeInstrument(c, true, MiseEnPage.CaseBasculeInstrument.Bottom + 60 + 16 * n);
    MiseEnPage.OrdonneeCourante = y0;

    PoliceLigne(c, true);
    std::string entete = Instrument.NomInstrument;
    if (Validite.InstrumentValide && Instrument.DiametreObjectif > 1)
        entete = TexteEntete(Instrument.FocaleObjectif);
    c.TextOut(20, y0, entete);
    PoliceLigne(c);
    if (Validite.InstrumentValide && Instrument.DiametreObjectif > 1 && Groupe.DiametreGroupe[1] > 1 &&
        Instrument.FocalePrimaire > 1)
        LigneDiffraction(c, y0 + 4, " (Objectif Seul)");

    PlaceTableauGroupe(y0 + 22, n);
    MiseEnPage.OrdonneeDispositif = y0 + 97 + 16 * n;
    MiseEnPage.OrdonneeCourante = MiseEnPage.OrdonneeDispositif;
    DessineTableauGroupe(Objectif, n);
    const double longueur = LongueurSchemaLunette();
    if (longueur > 1 && ImagesGroupe.TableauKlevtsov != nullptr)
    {
        ICanevas& tableau = *ImagesGroupe.TableauKlevtsov;
        const std::string texte = TexteLongueurInstrument(longueur);
        tableau.TextOut(tableau.Largeur() - tableau.TextWidth(texte) - 20, 4, texte);
    }
    DessineCaseZf();
}

void ImprimeDeveloppe(ICanevas& c, int y)
{
    const int marge = ImpressionEtat.MargeImpression;
    const int p = c.Largeur();
    const int s = ImpressionEtat.PasLigneImpression;
    const int n = LignesObjectif();
    PoliceImpression(c, 9, false);
    if (Groupe.DiametreGroupe[1] > 1 && Instrument.FocalePrimaire > 1)
    {
        // The report's diffraction line needs an aperture even when none was traced through the objective.
        if (Instrument.DiametreObjectif < 1)
            Instrument.DiametreObjectif = Instrument.DiametreEntree;
        ImprimeLigneDiffraction(c, y, " (Objectif Seul)", marge);
    }

    const int y1 = y + s;
    ImpressionEtat.PasLigneTableauImprime = s;
    const int t = s;
    const TColonnesGroupe colonnes = MesureColonnesGroupe(c);
    PoliceImpression(c, 11, true);
    const int hauteurTitre = c.TextHeight(Objectif.Titre);
    PoliceImpression(c, 9, false);
    const int h = ImprimeEnteteGroupe(c, colonnes, y1, Objectif.Titre, 11);
    for (int x : colonnes.Bords)
    {
        c.MoveTo(x, y1 + 15 * s / 10);
        c.LineTo(x, h + n * t);
    }
    const double longueur = LongueurSchemaLunette();
    if (Validite.InstrumentValide && longueur > 1)
    {
        const std::string texte = TexteLongueurInstrument(longueur);
        c.TextOut(p - marge - c.TextWidth(texte + "m"), y1 + hauteurTitre - c.TextHeight(texte), texte);
    }

    const int b = h - 90 * s / 100;
    const int stylo = c.Stylo().Epaisseur;
    int yDerniere = b + t;
    for (int k = 1; k <= n; ++k)
    {
        yDerniere = b + k * t + (k > 1 ? stylo : 0);
        ImprimeLigneGroupe(c, colonnes, Objectif, k, yDerniere);
    }
    if (Validite.InstrumentValide)
    {
        const int nombre = std::min(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe);
        Instrument.DistanceApresGroupe = std::abs(Systeme.PositionFoyer);
        for (int i = 1; i < nombre; ++i)
            Instrument.DistanceApresGroupe -= Groupe.EpaisseurGroupe[static_cast<std::size_t>(i)];
        if (nombre > 1 && Instrument.DistanceApresGroupe > 0)
        {
            const std::string texte = TexteDistanceFoyer(Instrument.DistanceApresGroupe);
            c.TextOut(colonnes.Bords[3] - c.TextWidth(texte + " "), yDerniere, texte);
        }
    }
    else
    {
        Controles.CaseZf.Visible = false;
    }
    for (int g = 2; g <= n + 1; ++g)
    {
        c.MoveTo(marge, b + g * t);
        c.LineTo(p - marge, b + g * t);
    }
    MiseEnPage.OrdonneeCourante = b + (n + 1) * t;
}

} // namespace

void DessineParametresLunette(ICanevas& canevas)
{
    for (TControle* controle :
         {&Controles.ComboBox, &Controles.TableauSchmidt, &Controles.BoutonLame, &Controles.BoutonChampCourbe})
        controle->Visible = false;
    Controles.TableauKlevtsov.Visible = Edition.InstrumentDeveloppe;
    VerifieInstrument();
    CalculeOuvertureLunette();
    if (Edition.InstrumentDeveloppe)
    {
        DessineDeveloppe(canevas);
    }
    else
    {
        Controles.Ligne.Visible = false;
        MiseEnPage.OrdonneeDispositif = MiseEnPage.OrdonneePremiereLigne + 29;
        DessineEnteteInstrument(canevas);
    }
    canevas.Stylo().Style = TStyleStylo::Plein;
    DessineLigneEditee();
}

void ImprimeParametresLunette(ICanevas& canevas)
{
    VerifieInstrument();
    CalculeOuvertureLunette();
    const int y = MiseEnPage.OrdonneeCourante;
    if (Instrument.DiametreObjectif > 1)
    {
        PoliceImpression(canevas, 9, true);
        canevas.TextOut(ImpressionEtat.MargeImpression, y, TexteEntete(Instrument.FocalePrimaire));
    }
    if (Edition.InstrumentDeveloppe)
        ImprimeDeveloppe(canevas, y);
    else
        MiseEnPage.OrdonneeCourante = y + 2 * ImpressionEtat.PasLigneTableauImprime;
    PoliceImpression(canevas, 9, false);
}

// The field graph's gate, field radius, captions, labels and figures, shared by the screen and the paper.
#include "stars/ChampTextes.h"
#include "stars/Champ.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "optics/Arrondis.h"
#include "optics/Diffraction.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "stars/GrapheChamp.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr double Pi = std::numbers::pi;

bool EstForme(std::initializer_list<TTypeInstrument> formes)
{
    return std::find(formes.begin(), formes.end(), Instrument.TypeInstrument) != formes.end();
}

bool Obstruction()
{
    return Instrument.DiametreSecondaire > 1e-6 && Instrument.DistanceSecondaireFoyer > 1e-6;
}

bool AfocalAvecGrossissement()
{
    return Validite.SystemeAfocal && std::abs(Systeme.GrossissementAfocal) > 1e-4;
}

int NombreDioptresSur()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

// The field between two labels of the field axis.
int ChampEntreEtiquettes()
{
    return GrapheChamp.PeriodeEtiquetteChamp * GrapheChamp.PasGraduationChamp;
}

void Equivalence(TFiguresChamp& f)
{
    const int P = ChampEntreEtiquettes();
    const double F = Instrument.FocaleEffective;
    if (AfocalAvecGrossissement())
    {
        f.Equivalence1 = std::to_string(P) + "° ";
        f.Equivalence2 = " " + FormateNombre(P / Systeme.GrossissementAfocal * 60.0, "0.0") + "' sur le ciel";
    }
    else if (Reglages.ChampLineaire)
    {
        f.Equivalence1 = std::to_string(P) + " mm ";
        f.Equivalence2 = " " + FormateNombre(std::atan(P / F) * 180.0 / Pi * 60.0, "0.0") + "'";
    }
    else
    {
        f.Equivalence1 = std::to_string(P) + "' ";
        f.Equivalence2 = " " + FormateNombre(std::tan(P / 60.0 * Pi / 180.0) * F, "0.0") + " mm";
    }
}

std::string GraduationVerticale()
{
    const double F = Instrument.FocaleEffective;
    if (Reglages.AmplitudeChamp < 100)
        return "1 graduation verticale (Echelle de gauche) = 10 µm = " +
               FormateNombre(std::atan(0.01 / F) * 180.0 / Pi * 3600.0, "0.00") + "\"";
    return "1 graduation verticale (Echelle de gauche) = 0,1 mm = " +
           FormateNombre(std::atan(0.1 / F) * 180.0 / Pi * 3600.0, "0.00") + "\"";
}

std::string LigneGrossissement()
{
    const double G = Systeme.GrossissementAfocal;
    return "Grossissement = " + FormateNombre(G, "#0.#") + " = F / " +
           FormateNombre(Instrument.FocaleObjectif / G, "#0.0") + " mm";
}

std::string LigneGraduationAfocale()
{
    return "1 graduation verticale (Echelle de gauche) = 1' dans le champ = " +
           FormateNombre(60.0 / Systeme.GrossissementAfocal, "#0.00") + " \" sur le ciel";
}

std::string LigneFocale(bool impression)
{
    const TInstrument& I = Instrument;
    if (!Validite.DispositifPresent)
        return "Distance focale = " + FormateNombre(I.FocaleObjectif, "0.0") + " mm";
    std::string texte = "Distance focale résultante = " + FormateNombre(I.FocaleEffective, "0.0") + " mm";
    if (!(I.FocaleObjectif > 1.0))
        return texte;
    if (impression)
        return texte + " = F x " + FormateNombre(I.FocaleEffective / I.FocaleObjectif, "0.00");
    if (Validite.SansSecondaire)
        return texte;
    const double F = EstForme({TTypeInstrument::Newton, TTypeInstrument::LurieHoughton, TTypeInstrument::Schmidt,
                               TTypeInstrument::SchmidtNewton})
                         ? I.FocalePrimaire
                         : I.FocaleResultante;
    if (F != 0.0)
        texte += " = F x " + FormateNombre(I.FocaleEffective / F, "0.00");
    return texte;
}

} // namespace

bool ChampDessinable()
{
    return EtoilesDessinables();
}

void ChoisitCouleursChamp()
{
    Rayon.RayonPerdu = false;
    ChoisitNombreCouleurs();
    AppliqueIndices();
}

int RayonChampGrapheCourant()
{
    if (Validite.SystemeAfocal)
        return RayonChampUtile(Reglages.RayonChampAfocal);
    if (!Reglages.ChampLineaire)
        return RayonChampUtile(Reglages.RayonChampAngulaire);
    int rayon = Reglages.RayonChampLineaire;
    const double demiChamp = Instrument.DiametreChampPleineLumiere / 2.0;
    if (EstForme({TTypeInstrument::Schmidt, TTypeInstrument::Maksutov}) && Validite.InstrumentValide &&
        !Validite.DispositifPresent && rayon > 1.1 * demiChamp)
        rayon = static_cast<int>(Trunc(demiChamp));
    return RayonChampUtile(rayon);
}

void FixeReglagesVues()
{
    // The flags are those the views find when they draw; the set-up before may have left others.
    const TValidite validite = Validite;
    VerifieDispositif();
    FixeSystemeAfocal();
    Reglages.PasBoiteDistance =
        static_cast<float>(Validite.SystemeAfocal ? Reglages.PasEtoileUniqueAfocal : Reglages.PasEtoileUnique);
    if (!Validite.SystemeAfocal && Reglages.ChampLineaire)
        Reglages.RayonChampLineaire = RayonChampGrapheCourant();
    Validite = validite;
}

std::string LegendeAxeChamp(int rayon)
{
    if (Validite.SystemeAfocal)
        return "Distance à l'axe en degrés dans le champ";
    if (Reglages.ChampLineaire)
        return "Distance à l'axe en mm";
    return rayon < 120 ? "Distance à l'axe en minutes d'arc sur le ciel" : "Distance à l'axe en degrés sur le ciel";
}

std::string EtiquetteChamp(int valeur, int rayon)
{
    if (!Validite.SystemeAfocal && !Reglages.ChampLineaire && rayon >= 120)
        return FormateNombre(valeur / 60.0, "0.##");
    return std::to_string(valeur);
}

std::string UniteTaille()
{
    if (Validite.SystemeAfocal)
        return "'";
    return Reglages.AmplitudeChamp < 100 ? "µm" : "mm";
}

bool LuminositeLegende()
{
    return Obstruction() || Validite.DispositifPresent;
}

bool LuminositeLegendeEntree()
{
    // Every graph that draws the luminosity curve names it, the Maksutov camera's and the refractor's too.
    return LuminositeLegende() || LuminositeParEclairement();
}

double DiametreAiryGraphe()
{
    if (AfocalAvecGrossissement())
        return 2.0 * Systeme.RayonAiryImage;
    return 2.0 * Systeme.RayonAiryImage / 1000.0;
}

TFiguresChamp FiguresChampEcran()
{
    TFiguresChamp f;
    if (AfocalAvecGrossissement())
    {
        f.Ligne1 = LigneGrossissement();
        f.Ligne2 = LigneGraduationAfocale();
        int i = 1;
        while (i < NombreDioptresSur() && EstDiaphragme(Dispositif.RayonDioptre[static_cast<std::size_t>(i)]))
            ++i;
        if (i < NombreDioptresSur())
            f.Droite =
                "Distance (Dioptre1 - F) = " +
                FormateNombre(Dispositif.SommetDioptre[static_cast<std::size_t>(i)] - Systeme.PositionFoyer, "#0.00") +
                " mm";
    }
    else
    {
        f.Ligne1 = LigneFocale(false);
        f.Ligne2 = GraduationVerticale();
        if (Validite.DispositifPresent)
            f.Droite = "Décalage du foyer = " + FormateNombre(Systeme.DecalageFoyer, "0.00") + " mm";
    }
    Equivalence(f);
    return f;
}

TFiguresChamp FiguresChampImprime()
{
    TFiguresChamp f = FiguresChampEcran();
    if (AfocalAvecGrossissement())
        f.Droite = "Distance (Dioptre1 - F) = " +
                   FormateNombre(Dispositif.SommetDioptre[1] - Instrument.FocalePrimaire, "#0.00") + " mm";
    else
        f.Ligne1 = LigneFocale(true);
    return f;
}

std::string TextePupilleOculaire(const TPupilleOculaire& pupille)
{
    return "Diamètre de la pupille oculaire = " + FormateNombre(pupille.Diametre, "0.00") + " mm à " +
           FormateNombre(pupille.Distance, "0.00") + " mm du dernier dioptre";
}

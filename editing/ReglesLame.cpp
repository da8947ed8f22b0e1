// The value rules of the corrector forms: the mirror behind a plate or a meniscus, its radius, the Schmidt focal
// length, the plate (thickness, deformation coefficient, profile coefficient, position), the meniscus (diameter,
// radii, position), the stop of the Maksutov forms and the place of the Klevtsov group.
#include "editing/ReglesLame.h"

#include "editing/Regles.h"
#include "editing/Stockage.h"
#include "optics/Validite.h"

#include <cmath>

namespace {

using enum TTypeInstrument;

const std::string LegendeDiametreMiroir = "Quivane - Saisie du diamètre du miroir";
const std::string LegendeRayon = "Quivane - Saisie du rayon de courbure";
const std::string LegendeFocale = "Quivane - Saisie de la distance focale";
const std::string LegendePositionLame = "Quivane - Position de la lame de Schmidt";
const std::string LegendePositionMenisque = "Quivane - Position du ménisque correcteur";

void RegleDiametreMiroir(std::int32_t codeJournal)
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    if (x >= 50000)
        return Refuse(LegendeDiametreMiroir, "Le diamètre du miroir doit être inférieur à 50.000 mm (50m)");
    if (x > 1e-6 && x < 1)
        return Refuse(LegendeDiametreMiroir, "Le diamètre du miroir doit être supérieur à 1mm");
    if (Inchange(x) || !StockeOuRefuse(codeJournal, x))
        return;
    AfficheValeur(x, "#0.#");
    const bool lame = codeJournal == SaisieDiametreMiroir;
    const TInstrument& I = Instrument;
    if (I.DiametreEntree >= I.DiametreMiroir && I.DiametreMiroir > 1)
    {
        Signale(LegendeDiametreMiroir,
                lame
                    ? "\"Attention!\" Le diamètre du miroir ne doit pas être égal ou inférieur au diamètre de la lame !"
                    : "\"Attention!\" Le diamètre du miroir ne doit pas être égal ou inférieur au diamètre du "
                      "correcteur !");
        StockeValeur(codeJournal, EtatSaisie.ValeurAvantSaisie);
    }
    if (I.DiametreMiroir / 3 >= I.DiametreEntree)
    {
        Signale(LegendeDiametreMiroir, lame ? "\"Attention!\" Le diamètre de la lame ne doit pas être égal ou "
                                              "inférieur au tiers du diamètre du miroir !"
                                            : "\"Attention!\" Le diamètre d'entrée ne doit pas être égal ou inférieur "
                                              "au tiers du diamètre du miroir !");
        StockeValeur(codeJournal, EtatSaisie.ValeurAvantSaisie);
    }
    if (I.DiametreMiroir == EtatSaisie.ValeurAvantSaisie)
        return AfficheValeur(I.DiametreMiroir, "#0.#");
    Accepte();
    Journalise(codeJournal, 0, I.DiametreMiroir);
}

void RegleRayonCourbure(std::int32_t codeJournal)
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    if (*lu >= 200000)
        return Refuse(LegendeRayon, "Le rayon de courbure doit être inférieur à 200.000 mm (200m)");
    if (Inchange(*lu) || !StockeOuRefuse(codeJournal, *lu))
        return;
    Conclut(codeJournal, *lu);
}

void RegleFocaleSchmidt()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    // A refused focal length stores nothing, so the camera is left as it was: putting F1 back and R at 2 F1 would
    // undo the radius the focal-length search found, a change of the design no record would replay.
    if (*lu >= 100000)
        return Refuse(LegendeFocale, "La distance focale doit être inférieure à 100.000 mm (100m)");
    if (Inchange(*lu) || !StockeOuRefuse(SaisieFocaleSchmidt, *lu))
        return;
    AfficheValeur(*lu, "#0.#");
    Accepte();
    if (Forme() == SchmidtNewton)
    {
        // Warnings only: the focal length stays as typed, so that the record rebuilds the same design.
        const TInstrument& I = Instrument;
        const double F = I.FocaleResultante;
        const double dlm = I.DistanceLameMiroir;
        if (ConflitLameMiroirPlan(F))
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendeFocale, "Distance focale trop grande entraînant un conflit avec la lame et le miroir plan.");
        }
        if (F / 2 < I.DistanceSecondaireFoyer)
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendeFocale,
                    "Distance focale trop petite ou distance entre le miroir-plan et le foyer trop grande");
        }
        if (!Validite.SecondaireDefini && dlm > 0 && F > 0 && I.EpaisseurLame > 0 && dlm < F)
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendeFocale, "Distance focale supérieure à la distance miroir-lame.");
        }
    }
    // The typed focal length is recorded: the replay derives F1 from it exactly as the edit did.
    Journalise(SaisieFocaleSchmidt, 0, Instrument.FocaleResultante);
}

void RegleEpaisseurLame()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu) || !StockeOuRefuse(SaisieEpaisseurLame, *lu))
        return;
    AfficheValeur(*lu, "#0.#");
    Accepte();
    if (Forme() == SchmidtNewton && ConflitLameMiroirPlan(Instrument.FocalePrimaire))
    {
        EtatSaisie.Saisie.Texte.clear();
        Signale("Quivane - Saisie de l'épaisseur de la lame de Schmidt",
                "Conflit avec la lame trop épaisse pour être au-delà du miroir plan");
    }
    Journalise(SaisieEpaisseurLame, 0, Instrument.EpaisseurLame);
}

void RegleCoefficientDeformationLame()
{
    const auto lu = LitSaisieCommune(1000);
    if (!lu)
        return;
    if (*lu >= 10)
        return Refuse("Quivane - Saisie du coefficient de déformation de la lame",
                      "Le coefficient de déformation de la lame de Schmidt doit être inférieur à 10");
    if (Inchange(*lu) || !StockeOuRefuse(SaisieDeformationLame, *lu))
        return;
    Conclut(SaisieDeformationLame, *lu);
}

void RegleDiaphragme()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu))
        return;
    const TInstrument& I = Instrument;
    if (*lu >= 0.1 && *lu < I.DistanceLameMiroir + I.EpaisseurTotaleMenisque)
    {
        Signale("Quivane - Position du diaphragme", "Le diaphragme doit être au-delà du ménisque");
        return AfficheValeur(I.DistanceDiaphragmeMiroir, "#0.#");
    }
    if (StockeOuRefuse(SaisieDistanceDiaphragmeMiroirMaksutov, *lu))
        Conclut(SaisieDistanceDiaphragmeMiroirMaksutov, *lu);
}

void RegleGroupeKlevtsov()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu))
        return;
    const double R = Instrument.RayonCourburePrimaire;
    if (*lu >= 0.75 * R && R >= 1 && *lu >= 0.1)
    {
        if (R > 1)
            Signale("Quivane - Position du groupe réfracto-réflecteur de Klevtsov",
                    "La distance entre le premier dioptre et le miroir principal ne peut excéder 3/4 R.");
        else
            Systeme.MessageDejaAffiche = 0;
        return AfficheValeur(EtatSaisie.ValeurAvantSaisie, "#0.#");
    }
    if (StockeOuRefuse(SaisieDistanceDiaphragmeMiroirKlevtsov, *lu))
        Conclut(SaisieDistanceDiaphragmeMiroirKlevtsov, *lu);
}

void RegleDiametreMenisque()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    if (*lu > 0.1 && *lu < Instrument.DiametreEntree)
        return Refuse("Quivane - Saisie du diamètre du ménisque de Maksutov",
                      "Le diamètre du ménisque doit être supérieur ou égal au diamètre du diaphragme d'entrée");
    if (Inchange(*lu) || !StockeOuRefuse(SaisieDiametreMenisque, *lu))
        return;
    Conclut(SaisieDiametreMenisque, *lu);
}

// The radii are typed as magnitudes: a "-" typed before one is dropped.
void RegleRayonMenisque(std::int32_t codeJournal)
{
    if (!SaisieVide() && !SaisieEstNombre())
        return;
    const double x = ArrondiAuPas(std::abs(LitSaisieBrute()), 10);
    if (Inchange(x) || !StockeOuRefuse(codeJournal, x))
        return;
    Conclut(codeJournal, x);
}

// The plate or meniscus's distance from the mirror is judged by the form; a refusal shows the stored distance.
void ReglePositionLame()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu))
        return;
    const double x = *lu;
    VerifieInstrument();
    const TInstrument& I = Instrument;
    const double F1 = I.FocalePrimaire;
    const double t = I.EpaisseurLame;
    const double s = I.DiametreSecondaire;
    const double dSF = I.DistanceSecondaireFoyer;
    const double e2 = I.EpaisseurSecondaire;
    const double limiteDiaphragme = static_cast<double>(I.DistanceDiaphragmeMiroir) - I.EpaisseurTotaleMenisque;
    const auto refuse = [&](const std::string& titre, const std::string& texte) {
        Signale(titre, texte);
        AfficheValeur(I.DistanceLameMiroir, "#0.#");
    };
    bool accepte = false;
    switch (Forme())
    {
    case Schmidt:
        if (F1 <= 1)
            refuse(LegendePositionLame, "Indiquez auparavant la valeur de la distance focale");
        else if (x >= F1 + t / 2)
            accepte = true;
        else
            refuse(LegendePositionLame, "La lame doit être au-delà du foyer");
        break;
    case SchmidtNewton:
        if (F1 <= 1)
            refuse(LegendePositionLame, "Indiquez auparavant la valeur de la distance focale");
        else if (x >= e2 / std::sqrt(2.0) + (F1 - dSF) + s / 2 + t / 2 || x < 0.1)
            accepte = true;
        else
            refuse(LegendePositionLame, "La lame doit être au-delà du miroir plan");
        break;
    case SchmidtCassegrain: accepte = F1 > 1 && t > 1 && I.DistanceFoyerPrimaireSecondaire > 1; break;
    case Maksutov:
        if (F1 <= 1 || (x >= F1 && x <= limiteDiaphragme) || x < 0.1)
            accepte = true;
        else
            refuse(LegendePositionMenisque, x < F1 ? "Le ménisque doit être au-delà du foyer"
                                                   : "Le ménisque doit se situer entre le diaphragme et le foyer");
        break;
    case MaksutovCassegrain:
        if (F1 <= 1 || !I.SecondaireSurMenisque || x < F1 - 10 || x < 0.1)
            accepte = true;
        else if (PasseAffichee())
        {
            // Between F1 - 10 and F1 the field comes back without a message.
            if (x > F1)
                PortsEdition.AfficheAvertissement(LegendePositionMenisque,
                                                  "Le ménisque doit se situer entre le miroir et le foyer");
            AfficheValeur(I.DistanceLameMiroir, "#0.#");
        }
        else
            AfficheValeur(I.DistanceLameMiroir, "#0.#");
        break;
    case MaksutovNewton:
    {
        const double m = e2 / std::sqrt(2.0) + (F1 - dSF) + s / 2;
        if (F1 <= 1 || x <= 0.1 || (x >= m && x <= limiteDiaphragme) || dSF < 1 || s < 1)
            accepte = true;
        else
            refuse("Quivane - Position  du ménisque correcteur",
                   dSF > 1e-6 && s > 1e-6 && x < m
                       ? "Le ménisque doit être au-delà du miroir plan."
                       : "Le ménisque doit se situer entre le diaphragme et le miroir plan.");
        break;
    }
    case Aucun:
    case Newton:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case Lunette:
    case Schwarzschild:
    case DallKirkham:
    case KlevtsovCassegrain:
    case LurieHoughton:
    case HoughtonCassegrain: break;
    }
    if (accepte && StockeOuRefuse(SaisieDistanceLameMiroir, x))
        Conclut(SaisieDistanceLameMiroir, Instrument.DistanceLameMiroir);
}

void RegleCoefficientK()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu))
        return;
    if (*lu < 0 || *lu > 2)
    {
        Signale("Quivane - Profil de la lame de Schmidt", "La valeur de K doit être comprise entre 0 et 2");
        return AfficheValeur(Instrument.CoefficientK, "#0.#");
    }
    if (StockeOuRefuse(SaisieCoefficientK, *lu))
        Conclut(SaisieCoefficientK, *lu, "0.#");
}

} // namespace

bool AppliqueRegleLame(TCodeSaisie code)
{
    switch (code)
    {
    case SaisieDiametreMiroir:
    case SaisieDiametreMiroirHoughton: RegleDiametreMiroir(code); return true;
    case SaisieRayonCourburePrimaireSchmidt:
    case SaisieRayonCourburePrimaireKlevtsov: RegleRayonCourbure(SaisieRayonCourburePrimaireSchmidt); return true;
    case SaisieRayonCourburePrimaireMaksutov:
    case SaisieRayonCourburePrimaireHoughton: RegleRayonCourbure(SaisieRayonCourburePrimaireMaksutov); return true;
    case SaisieFocaleSchmidt:
    case SaisieFocaleResultanteSchmidtNewton: RegleFocaleSchmidt(); return true;
    case SaisieEpaisseurLame: RegleEpaisseurLame(); return true;
    case SaisieDeformationLame: RegleCoefficientDeformationLame(); return true;
    case SaisieDistanceDiaphragmeMiroirMaksutov: RegleDiaphragme(); return true;
    case SaisieDistanceDiaphragmeMiroirKlevtsov: RegleGroupeKlevtsov(); return true;
    case SaisieDiametreMenisque: RegleDiametreMenisque(); return true;
    case SaisieRayonMenisque1:
    case SaisieRayonMenisque2: RegleRayonMenisque(code); return true;
    case SaisieDistanceLameMiroir: ReglePositionLame(); return true;
    case SaisieCoefficientK: RegleCoefficientK(); return true;
    default: return false;
    }
}

// The value rules of the instrument block of the sheet: entrance diameter, focal lengths, conic constants, the
// secondary mirror or the diagonal flat, the back-focus clearance, the central hole, the mirror thicknesses; and the
// device title.
#include "editing/ReglesInstrument.h"

#include "editing/Regles.h"
#include "editing/Nombres.h"
#include "editing/Stockage.h"
#include "platform/Format.h"

#include <cmath>

namespace {

using enum TTypeInstrument;

// A primary conic constant emptied by the user, shown as an empty box.
constexpr double CoefficientPrimaireVide = 1e19;

const std::string LegendeDiametre = "Quivane - Saisie du diamètre";
const std::string LegendeDiametreMiroir = "Quivane - Saisie du diamètre du miroir";
const std::string LegendeLameSchmidt = "Quivane - Saisie du diamètre de la lame de Schmidt";
const std::string LegendeMenisque = "Quivane - Saisie du diamètre du ménisque de Maksutov";
const std::string LegendeFocale = "Quivane - Saisie de la distance focale";
const std::string LegendeFocaleResultante = "Quivane - Saisie de la distance focale résultante";
const std::string LegendeCoefficient = "Quivane - Saisie du Coefficient de déformation";
const std::string LegendeMiroirPlan = "Quivane - Saisie du petit côté du miroir plan";
const std::string LegendeSecondaire = "Quivane - Saisie du petit côté du miroir secondaire";
const std::string LegendePlanFoyer = "Quivane - Saisie de la distance miroir plan-foyer";
const std::string LegendeEpaisseurPlan = "Quivane - Epaisseur du miroir plan";

// A value emptied or typed as no number: stored as the special value, recorded so that a replay empties it too.
void Vide(std::int32_t codeJournal, double special)
{
    if (!StockeOuRefuse(codeJournal, special))
        return;
    EtatSaisie.Saisie.Texte.clear();
    Accepte();
    Journalise(codeJournal, 0, special);
}

void RegleDiametreEntree()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    if (x >= 50000)
        return Refuse(LegendeDiametre, "Le diamètre doit être inférieur à 50.000mm (50m)");
    if (x > 1e-6 && x < 1)
        return Refuse(LegendeDiametreMiroir, "Le diamètre doit être supérieur à 1mm");
    if (Inchange(x) || !StockeOuRefuse(CodeJournalDiametreEntree, x))
        return;
    AfficheValeur(x, "#0.#");
    Accepte();
    const TInstrument& I = Instrument;
    const double D = I.DiametreEntree;
    if (D <= I.DiametreSecondaire && D > 1e-6)
        Signale("Quivane - Saisie du diamètre du miroir principal",
                Forme() == Newton ? "\"Attention!\" Le petit côté du miroir plan est supérieur au diamètre du miroir "
                                    "principal. La luminosité sera nulle."
                                  : "\"Attention!\" Le petit côté du miroir secondaire est supérieur au diamètre du "
                                    "miroir principal. La luminosité sera nulle.");
    const bool schmidt = Forme() == Schmidt || Forme() == SchmidtNewton;
    if (schmidt && D > I.DiametreMiroir && I.DiametreMiroir > 1)
        Signale(LegendeLameSchmidt,
                "\"Attention!\" Le diamètre de la lame ne doit pas être supérieur au diamètre du miroir !");
    if (schmidt && I.DiametreMiroir / 3 >= D)
        Signale(LegendeLameSchmidt, "\"Attention!\" Le diamètre de la lame ne doit pas être égal ou inférieur au "
                                    "tiers du diamètre du miroir !");
    if (Forme() == Maksutov && I.DiametreMiroir / 3 >= D)
        Signale(LegendeMenisque, "\"Attention!\" Le diamètre du ménisque ne doit pas être égal ou inférieur au tiers "
                                 "du diamètre du miroir !");
    if (Forme() == Maksutov && D > I.DiametreMenisque && I.DiametreMenisque > 1)
    {
        StockeValeur(CodeJournalDiametreEntree, EtatSaisie.ValeurAvantSaisie);
        AfficheValeur(I.DiametreEntree, "#0.#");
        Signale(LegendeMenisque, "\"Attention!\" Le diamètre d'entrée ne peut pas être supérieur au diamètre du "
                                 "ménisque de Maksutov !");
    }
    Journalise(CodeJournalDiametreEntree, 0, I.DiametreEntree);
    if (Forme() == LurieHoughton || Forme() == HoughtonCassegrain)
    {
        Journalise(SaisieDiametreGroupe, 1, Groupe.DiametreGroupe[1]);
        Journalise(SaisieDiametreGroupe, 2, Groupe.DiametreGroupe[2]);
    }
}

void RegleFocalePrimaireNewton()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    if (*lu >= 100000)
        return RefuseFocale(LegendeFocale, "La distance focale doit être inférieure à 100.000 mm (100m)");
    if (Inchange(*lu) || !StockeOuRefuse(SaisieFocalePrimaireNewton, *lu))
        return;
    Conclut(SaisieFocalePrimaireNewton, Instrument.FocalePrimaire);
}

void RegleFocalePrimaire()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    if (*lu >= 50000)
        return Refuse(LegendeFocale, "La distance focale du miroir primaire doit être inférieure à 50.000 mm (50m)");
    if (Inchange(*lu) || !StockeOuRefuse(CodeJournalFocalePrimaire, *lu))
        return;
    Conclut(CodeJournalFocalePrimaire, Instrument.FocalePrimaire);
}

void RegleFocaleResultante()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    const double F1 = Instrument.FocalePrimaire;
    if (x >= 100000)
        return Refuse(LegendeFocaleResultante,
                      "La distance focale résultante doit être inférieure à 100.000 mm (100m)");
    if (Forme() != Schwarzschild && x <= 1.25 * F1 && F1 >= 0.01 && x >= 0.1)
        return Refuse(LegendeFocaleResultante,
                      "La distance focale résultante doit être supérieure à 1,25 fois la focale primaire");
    if (Inchange(x) || !StockeOuRefuse(CodeJournalFocaleResultante, x))
        return;
    Conclut(CodeJournalFocaleResultante, Instrument.FocaleResultante);
}

// The primary's conic of the Newton and the Maksutov-Cassegrain, kept as typed.
void RegleCoefficientPrimaire(TCodeSaisie code)
{
    if (!SaisieEstNombre())
    {
        if (SaisieVide() && Instrument.CoefficientDeformationPrimaire != CoefficientPrimaireVide)
            Vide(SaisieDeformationPrimaireNewton, CoefficientPrimaireVide);
        return;
    }
    // Kept as the journal writes it, so that a replay stores the very same number.
    const double x = LitNombre(FormateGeneral(LitSaisieBrute()), PolitiqueDialogue);
    if (x < -999)
    {
        EtatSaisie.CodeSaisieRefusee = code;
        return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être supérieur à -1000.", "#0.####");
    }
    if (x >= 999)
        return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être inférieur à 1000.", "#0.####");
    if (Inchange(x) || !StockeOuRefuse(SaisieDeformationPrimaireNewton, x, "#0.####"))
        return;
    Conclut(SaisieDeformationPrimaireNewton, x, "#0.####");
}

void RegleCoefficientPrimaireRitchey()
{
    const auto lu = LitSaisieSignee(1000);
    if (!lu)
        return Vide(SaisieDeformationPrimaireRitchey, CoefficientACalculer);
    const double x = *lu;
    if (x < -999)
        return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être supérieur à -1000.", "#0.####");
    if (x >= 999)
    {
        if (Forme() == RitcheyChretien)
            return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être inférieur à 1000.", "#0.####");
        return AfficheValeur(EtatSaisie.ValeurAvantSaisie, "#0.####");
    }
    if (Inchange(x) || !StockeOuRefuse(SaisieDeformationPrimaireRitchey, x, "#0.####"))
        return;
    Conclut(SaisieDeformationPrimaireRitchey, x, "#0.####");
}

void RegleCoefficientSecondaire()
{
    const auto lu = LitSaisieSignee(10000);
    if (!lu)
        return Vide(SaisieDeformationSecondaireRitchey, CoefficientACalculer);
    const double x = *lu;
    const std::string_view motif = std::abs(EtatSaisie.ValeurAvantSaisie) > 100 ? "#0.###" : "#0.####";
    if (x < -999)
        return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être supérieur à -1000.", motif);
    if (x >= 999)
        return Refuse(LegendeCoefficient, "Le Coefficient de déformation doit être inférieur à 1000.", motif);
    if (Inchange(x) || !StockeOuRefuse(SaisieDeformationSecondaireRitchey, x))
        return;
    Conclut(SaisieDeformationSecondaireRitchey, x, std::abs(x) > 100 ? "#0.###" : "#0.####");
}

void RegleCoefficientSecondaire2()
{
    const auto lu = LitSaisieSignee(10000);
    if (!lu)
        return Vide(SaisieDeformationSecondaire2, 0);
    const double x = *lu;
    if (x <= -1000000)
        return Refuse(LegendeCoefficient, "Ce Coefficient de déformation doit être supérieur à -1000000.", "#0.####");
    if (x >= 1000000)
        return Refuse(LegendeCoefficient, "Ce Coefficient de déformation doit être inférieur à 1.000.000.", "#0.####");
    if (Inchange(x) || !StockeOuRefuse(SaisieDeformationSecondaire2, x, "#0.####"))
        return;
    Conclut(SaisieDeformationSecondaire2, x, "#0.####");
}

void RegleMiroirPlan()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    if (x >= 5000)
        return Refuse(LegendeMiroirPlan, "Le petit côté du miroir plan doit être inférieur à 5000 mm");
    if (Inchange(x))
        return;
    TInstrument& I = Instrument;
    const double precedent = I.DiametreSecondaire;
    const double F1 = I.FocalePrimaire;
    switch (Forme())
    {
    case Newton:
    case SchmidtNewton:
        if (!StockeOuRefuse(SaisieDiametreSecondaireNewton, x))
            return;
        AfficheValeur(x, "#0.#");
        Accepte();
        if (I.DiametreEntree <= I.DiametreSecondaire)
        {
            StockeValeur(SaisieDiametreSecondaireNewton, precedent);
            Signale(LegendeMiroirPlan, "\"Attention!\" Le petit côté du miroir plan ne peut pas être supérieur au "
                                       "diamètre du miroir principal.");
        }
        if (Forme() == SchmidtNewton && ConflitLameMiroirPlan(F1))
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendeMiroirPlan, "Conflit avec la lame qui doit être au-delà du miroir plan");
        }
        return Journalise(SaisieDiametreSecondaireNewton, 0, I.DiametreSecondaire);
    case MaksutovNewton:
    case LurieHoughton:
    {
        const std::int32_t codeJournal =
            Forme() == MaksutovNewton ? SaisieDiametreSecondaireNewton : SaisieDiametreSecondaireHoughton;
        const double devant = Forme() == MaksutovNewton ? I.DistanceLameMiroir : I.DistanceApresGroupe;
        const double dSF = I.DistanceSecondaireFoyer;
        if (F1 > 1 && I.DistanceLameMiroir > 0.1 && dSF > 0.1 &&
            x >= 2 * ((devant - F1 + dSF) - I.EpaisseurSecondaire / std::sqrt(2.0)))
        {
            if (PasseAffichee())
                PortsEdition.AfficheConflitMiroirPlan();
            return AfficheValeur(EtatSaisie.ValeurAvantSaisie, "#0.#");
        }
        if (!StockeOuRefuse(codeJournal, x))
            return;
        AfficheValeur(x, "#0.#");
        Accepte();
        if (I.DiametreEntree <= I.DiametreSecondaire)
        {
            StockeValeur(codeJournal, precedent);
            Signale(LegendeMiroirPlan, "\"Attention!\" Le petit côté du miroir plan ne peut pas être supérieur au "
                                       "diamètre du diaphragme.");
        }
        return Journalise(codeJournal, 0, I.DiametreSecondaire);
    }
    case Aucun:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case Schmidt:
    case SchmidtCassegrain:
    case Maksutov:
    case MaksutovCassegrain:
    case Lunette:
    case Schwarzschild:
    case DallKirkham:
    case KlevtsovCassegrain:
    case HoughtonCassegrain: return;
    }
}

void RegleDiametreSecondaire()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    if (x >= 5000)
        return Refuse(LegendeSecondaire, "Le petit côté du miroir secondaire doit être inférieur à 5000 mm");
    const double precedent = Instrument.DiametreSecondaire;
    if (Inchange(x) || !StockeOuRefuse(CodeJournalDiametreSecondaire, x))
        return;
    AfficheValeur(x, "#0.#");
    Accepte();
    const double D = Instrument.DiametreEntree;
    if (D <= Instrument.DiametreSecondaire && D > 1)
    {
        // The design is made again from the previous size, as a replay of the record would make it.
        StockeValeur(CodeJournalDiametreSecondaire, precedent);
        Signale(LegendeSecondaire, "\"Attention!\" Le petit côté du miroir secondaire ne peut pas être égal ou "
                                   "supérieur au diamètre du miroir principal.");
    }
    Journalise(CodeJournalDiametreSecondaire, 0, Instrument.DiametreSecondaire);
}

void RegleDistanceSecondaireFoyer()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double x = *lu;
    const TInstrument& I = Instrument;
    const double F1 = I.FocalePrimaire;
    if (x >= F1)
    {
        // Before any focal length the distance cannot be judged: it is ignored.
        if (F1 > 1)
            Refuse(LegendePlanFoyer,
                   "La distance entre le miroir plan et le foyer doit être inférieure à la distance focale.");
        return;
    }
    if (Inchange(x))
        return;
    const bool conflitMenisque =
        F1 > 1 && I.DistanceLameMiroir > 0.1 && I.DiametreSecondaire > 0.1 &&
        F1 - I.DistanceLameMiroir + I.DiametreSecondaire / 2.0 + I.EpaisseurSecondaire / 2 >= x;
    const char* texteConflitMenisque =
        "Cette valeur est trop petite, elle provoque un conflit entre le miroir plan et le ménisque correcteur.";
    switch (Forme())
    {
    case Newton:
    case SchmidtNewton:
        if (!StockeOuRefuse(SaisieDistanceSecondaireFoyerNewton, x))
            return;
        Conclut(SaisieDistanceSecondaireFoyerNewton, x);
        if (F1 / 2 < I.DistanceSecondaireFoyer)
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendeFocale,
                    "Distance focale trop petite ou distance entre le miroir-plan et le foyer trop grande");
        }
        if (Forme() == SchmidtNewton && ConflitLameMiroirPlan(F1))
        {
            EtatSaisie.Saisie.Texte.clear();
            Signale(LegendePlanFoyer, "Conflit entre la lame et le miroir plan qui qui est trop près du foyer");
        }
        if (Forme() == SchmidtNewton && conflitMenisque)
            Signale(LegendePlanFoyer, texteConflitMenisque);
        return;
    case LurieHoughton:
        if (StockeOuRefuse(SaisieDistanceSecondaireFoyerHoughton, x))
            Conclut(SaisieDistanceSecondaireFoyerHoughton, x);
        return;
    case MaksutovNewton:
        if (conflitMenisque)
            return Refuse(LegendePlanFoyer, texteConflitMenisque);
        if (StockeOuRefuse(SaisieDistanceSecondaireFoyerNewton, x))
            Conclut(SaisieDistanceSecondaireFoyerNewton, x);
        return;
    case Aucun:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case Schmidt:
    case SchmidtCassegrain:
    case Maksutov:
    case MaksutovCassegrain:
    case Lunette:
    case Schwarzschild:
    case DallKirkham:
    case KlevtsovCassegrain:
    case HoughtonCassegrain: return;
    }
}

void RegleDegagementFoyer(TCodeSaisie code)
{
    const TInstrument& I = Instrument;
    const double x = SaisieVide() ? DegagementNonSaisi : ArrondiAuPas(LitSaisieBrute(), 10);
    if (x >= SeuilDegagementNonSaisi)
    {
        if (!EstDegagementNonSaisi(I.DegagementFoyer))
            Vide(CodeJournalDegagementFoyer, DegagementNonSaisi);
        return;
    }
    if (x >= 5000)
    {
        EtatSaisie.CodeSaisieRefusee = code;
        return Refuse("Quivane - Saisie du dégagement du foyer",
                      "Le dégagement du foyer doit être inférieur à 5000mm ");
    }
    // A focus inside the secondary's reach cannot be asked for; the box comes back on the field at once.
    if (x <= I.DistanceFoyerPrimaireSecondaire - I.FocalePrimaire)
    {
        EtatSaisie.CodeSaisieRefusee = code;
        return AfficheValeur(EtatSaisie.ValeurAvantSaisie, "#0.#");
    }
    if (Inchange(x) || !StockeOuRefuse(CodeJournalDegagementFoyer, x))
        return;
    Conclut(CodeJournalDegagementFoyer, x);
}

void RegleDiametreTrouCentral()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu)
        return;
    const double D = Instrument.DiametreEntree;
    if (*lu >= D / 2 && D >= 1)
        return Refuse("Quivane - Saisie du diamètre du trou du primaire",
                      "Le diamètre du trou du miroir primaire doit être inférieur à la moitié du diamètre du miroir "
                      "primaire.");
    if (Inchange(*lu) || !StockeOuRefuse(CodeJournalDiametreTrouCentral, *lu))
        return;
    Conclut(CodeJournalDiametreTrouCentral, *lu);
}

void RegleEpaisseurPrimaire()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu) || !StockeOuRefuse(CodeJournalEpaisseurPrimaire, *lu))
        return;
    Conclut(CodeJournalEpaisseurPrimaire, *lu);
}

void RegleEpaisseurSecondaire()
{
    const auto lu = LitSaisieCommune(10);
    if (!lu || Inchange(*lu))
        return;
    const double x = *lu;
    const TInstrument& I = Instrument;
    const double F1 = I.FocalePrimaire;
    if (Forme() == MaksutovNewton && F1 > 1 && I.DistanceLameMiroir > 0.1 && I.DiametreSecondaire > 0.1 &&
        x > std::sqrt(2.0) * ((I.DistanceLameMiroir - F1 + I.DistanceSecondaireFoyer) - I.DiametreSecondaire / 2.0))
        return Refuse(LegendeEpaisseurPlan, "Cette valeur est trop grande, elle provoque un conflit entre le miroir "
                                            "plan et le ménisque correcteur.");
    // Stored whatever the message toggle says: a value typed while a message is pending is not lost.
    if (!StockeOuRefuse(CodeJournalEpaisseurSecondaire, x))
        return;
    AfficheValeur(x, "#0.#");
    Accepte();
    if (Forme() == SchmidtNewton && ConflitLameMiroirPlan(F1))
    {
        if (PasseAffichee())
        {
            EtatSaisie.Saisie.Texte.clear();
            StockeValeur(CodeJournalEpaisseurSecondaire, 0);
            PortsEdition.AfficheAvertissement(LegendeEpaisseurPlan,
                                              "Conflit de l'épaisseur du miroir plan avec la lame de Schmidt");
        }
    }
    Journalise(CodeJournalEpaisseurSecondaire, 0, I.EpaisseurSecondaire);
}

void RegleTitreDispositif()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    const std::string& texte = EtatSaisie.Saisie.Texte;
    if (texte == EtatSaisie.TexteAvantSaisie)
        return;
    StockeTitreDispositif(texte);
    Accepte();
    JournaliseTexte(SaisieTitreDispositif, 0, texte);
}

} // namespace

bool AppliqueRegleInstrument(TCodeSaisie code)
{
    switch (code)
    {
    case SaisieDiametreEntreeNewton:
    case SaisieDiametreEntreeCassegrain:
    case SaisieDiametreEntreeRitchey:
    case SaisieDiametreEntreeGregory:
    case SaisieDiametreEntreeSchmidt:
    case SaisieDiametreEntreeSchmidtCassegrain:
    case SaisieDiametreEntreeSchwarzschild:
    case SaisieDiametreEntreeDallKirkham:
    case SaisieDiametreEntreeKlevtsov:
    case SaisieDiametreEntreeHoughton: RegleDiametreEntree(); return true;
    case SaisieFocalePrimaireNewton: RegleFocalePrimaireNewton(); return true;
    case SaisieFocalePrimaireCassegrain:
    case SaisieFocalePrimaireRitchey:
    case SaisieFocalePrimaireGregory:
    case SaisieFocalePrimaireSchmidtCassegrain:
    case SaisieFocalePrimaireSchwarzschild:
    case SaisieFocalePrimaireDallKirkham: RegleFocalePrimaire(); return true;
    case SaisieFocaleResultanteCassegrain:
    case SaisieFocaleResultanteRitchey:
    case SaisieFocaleResultanteGregory:
    case SaisieFocaleResultanteSchmidtCassegrain:
    case SaisieFocaleResultanteMaksutovCassegrain:
    case SaisieFocaleResultanteSchwarzschild:
    case SaisieFocaleResultanteDallKirkham:
    case SaisieFocaleResultanteHoughtonCassegrain: RegleFocaleResultante(); return true;
    case SaisieDeformationPrimaireNewton:
    case SaisieDeformationPrimaireMaksutovCassegrain: RegleCoefficientPrimaire(code); return true;
    case SaisieDeformationPrimaireRitchey: RegleCoefficientPrimaireRitchey(); return true;
    case SaisieDeformationSecondaireRitchey:
    case SaisieDeformationSecondaireMaksutovCassegrain: RegleCoefficientSecondaire(); return true;
    case SaisieDeformationSecondaire2: RegleCoefficientSecondaire2(); return true;
    case SaisieDiametreSecondaireNewton:
    case SaisieDiametreSecondaireHoughton:
    case SaisieDiametreSecondaireSchmidtNewton: RegleMiroirPlan(); return true;
    case SaisieDiametreSecondaireCassegrain:
    case SaisieDiametreSecondaireRitchey:
    case SaisieDiametreSecondaireGregory:
    case SaisieDiametreSecondaireSchmidtCassegrain:
    case SaisieDiametreSecondaireSchwarzschild:
    case SaisieDiametreSecondaireDallKirkham:
    case SaisieDiametreSecondaireHoughtonCassegrain:
    case SaisieDiametreLigneMiroir: RegleDiametreSecondaire(); return true;
    case SaisieDistanceSecondaireFoyerNewton:
    case SaisieDistanceSecondaireFoyerHoughton:
    case SaisieDistanceSecondaireFoyerSchmidtNewton: RegleDistanceSecondaireFoyer(); return true;
    case SaisieDegagementFoyerCassegrain:
    case SaisieDegagementFoyerRitchey:
    case SaisieDegagementFoyerGregory:
    case SaisieDegagementFoyerSchmidtCassegrain:
    case SaisieDegagementFoyerDallKirkham:
    case SaisieDegagementFoyerHoughtonCassegrain: RegleDegagementFoyer(code); return true;
    case SaisieDiametreTrouCentralCassegrain:
    case SaisieDiametreTrouCentralRitchey:
    case SaisieDiametreTrouCentralGregory:
    case SaisieDiametreTrouCentralSchmidtCassegrain:
    case SaisieDiametreTrouCentralDallKirkham:
    case SaisieDiametreTrouCentralKlevtsov:
    case SaisieDiametreTrouCentralHoughtonCassegrain: RegleDiametreTrouCentral(); return true;
    case SaisieEpaisseurPrimaireNewton:
    case SaisieEpaisseurPrimaireCassegrain:
    case SaisieEpaisseurPrimaireRitchey:
    case SaisieEpaisseurPrimaireGregory:
    case SaisieEpaisseurPrimaireSchmidt:
    case SaisieEpaisseurPrimaireSchmidtCassegrain:
    case SaisieEpaisseurPrimaireSchwarzschild:
    case SaisieEpaisseurPrimaireDallKirkham:
    case SaisieEpaisseurPrimaireKlevtsov:
    case SaisieEpaisseurPrimaireHoughton:
    case SaisieEpaisseurPrimaireSchmidtNewton: RegleEpaisseurPrimaire(); return true;
    case SaisieEpaisseurSecondaireNewton:
    case SaisieEpaisseurSecondaireCassegrain:
    case SaisieEpaisseurSecondaireRitchey:
    case SaisieEpaisseurSecondaireGregory:
    case SaisieEpaisseurSecondaireSchmidtCassegrain:
    case SaisieEpaisseurSecondaireSchwarzschild:
    case SaisieEpaisseurSecondaireDallKirkham:
    case SaisieEpaisseurSecondaireHoughton:
    case SaisieEpaisseurSecondaireHoughtonCassegrain:
    case SaisieEpaisseurSecondaireSchmidtNewton:
    case SaisieEpaisseurLigneMiroir: RegleEpaisseurSecondaire(); return true;
    case SaisieTitreDispositif: RegleTitreDispositif(); return true;
    default: return false;
    }
}

// The store routines of the instrument's values and the journal's way into them.
#include "editing/Stockage.h"
#include "editing/Bornes.h"

#include "editing/Nombres.h"
#include "optics/Arrondis.h"
#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/GardeCalcul.h"
#include "optics/Notifications.h"
#include "optics/PrepareForme.h"

#include <array>
#include <cmath>

namespace {

using enum TTypeInstrument;

TTypeInstrument Forme()
{
    return Instrument.TypeInstrument;
}

void CalculeRayonPuissances()
{
    const double R = Instrument.RayonCourburePrimaire;
    Instrument.RayonPrimaireCube = R * R * R;
    Instrument.RayonPrimairePuissance5 = R * R * R * R * R;
}

// The Schwarzschild's secondary when none was given: about half the entrance, to 0.1 mm below.
void DiametreSecondaireSchwarzschildParDefaut()
{
    if (Instrument.DiametreSecondaire < 1)
        Instrument.DiametreSecondaire = static_cast<float>(Int(5.048729174 * Instrument.DiametreEntree + 1) / 10);
}

// The formula of the two-mirror forms and the Schmidt-Cassegrain after a change of their mirrors.
void CalculeDeuxMiroirs()
{
    switch (Forme())
    {
    case Cassegrain: CalculeCassegrain(); break;
    case DallKirkham: CalculeDallKirkham(); break;
    case RitcheyChretien: CalculeRitcheyChretien(); break;
    case SchmidtCassegrain: CalculeSchmidtCassegrain(); break;
    case Aucun:
    case Newton:
    case Gregory:
    case Schmidt:
    case Maksutov:
    case MaksutovCassegrain:
    case Lunette:
    case Schwarzschild:
    case MaksutovNewton:
    case KlevtsovCassegrain:
    case LurieHoughton:
    case HoughtonCassegrain:
    case SchmidtNewton: break;
    }
}

// The Schmidt-Cassegrain's plate before the primary's focus, shifted for a profiled plate.
double PlaceLameSchmidtCassegrain()
{
    const TInstrument& I = Instrument;
    return I.FocalePrimaire - I.DistanceFoyerPrimaireSecondaire + I.EpaisseurLame / 2 + 10 + I.DiametreEntree / 20;
}

void CalculeSchmidtComplet()
{
    CalculeFocaleSchmidt();
    CalculeSchmidt();
    CalculeChampSchmidt();
}

} // namespace

void PositionneLameSchmidt()
{
    if (Instrument.ProfilLame <= ProfilPartage)
        PlaceLameSchmidt();
}

bool ConflitLameMiroirPlan(double focale)
{
    const TInstrument& I = Instrument;
    const double dlm = I.DistanceLameMiroir;
    const double s = I.DiametreSecondaire;
    const double e2 = I.EpaisseurSecondaire;
    const double t = I.EpaisseurLame;
    const double dSF = I.DistanceSecondaireFoyer;
    return dlm > 0 && focale > 0 && dSF > 0 && s > 0 && e2 > 0 && t > 0 &&
           e2 / std::sqrt(2.0) + (focale - dSF) + s / 2 + t / 2 > dlm;
}

void StockeDiametreEntree(double diametre)
{
    TInstrument& I = Instrument;
    I.DiametreEntree = diametre;
    switch (Forme())
    {
    case Cassegrain:
    case RitcheyChretien:
    case DallKirkham:
    case SchmidtCassegrain: CalculeDeuxMiroirs(); break;
    case MaksutovCassegrain: PrepareMaksutovCassegrain(); break;
    case Schwarzschild:
        if (I.FocalePrimaire < 1)
        {
            I.FocaleResultante = 3 * diametre;
            I.FocalePrimaire = I.FocaleResultante * 5 / 2;
        }
        DiametreSecondaireSchwarzschildParDefaut();
        CalculeSchwarzschild();
        break;
    case Schmidt:
        if (I.RayonCourburePrimaire > 1)
            CalculeSchmidtComplet();
        break;
    case SchmidtNewton:
        if (I.FocalePrimaire > 1)
        {
            CalculeRayonSchmidt();
            CalculeSchmidt();
        }
        break;
    case LurieHoughton:
    case HoughtonCassegrain:
    {
        TDioptreGroupe& G = Groupe;
        if (G.NombreDioptresGroupe == 0)
            G.NombreDioptresGroupe = 2;
        bool aucunDiametre = true;
        for (int i = 1; i <= G.NombreDioptresGroupe; ++i)
            aucunDiametre = aucunDiametre && G.DiametreGroupe[i] <= 0.01;
        const int dernier = aucunDiametre ? G.NombreDioptresGroupe : 1;
        for (int i = 1; i <= dernier; ++i)
            G.DiametreGroupe[i] = diametre;
        break;
    }
    case Aucun:
    case Newton:
    case Gregory:
    case Maksutov:
    case Lunette:
    case MaksutovNewton:
    case KlevtsovCassegrain: break;
    }
}

void StockeFocalePrimaireNewton(double focale)
{
    Instrument.FocalePrimaire = focale;
    CalculeRayonPrimaire();
    Instrument.DistanceEntreMiroirs = focale - Instrument.DistanceSecondaireFoyer;
}

void StockeFocalePrimaire(double focale)
{
    TInstrument& I = Instrument;
    I.FocalePrimaire = focale;
    switch (Forme())
    {
    case Schwarzschild:
        I.FocaleResultante = focale * 2 / 5;
        if (I.DiametreEntree < 1)
            I.DiametreEntree = I.FocaleResultante / 3;
        DiametreSecondaireSchwarzschildParDefaut();
        CalculeSchwarzschild();
        break;
    case SchmidtCassegrain:
        CalculeSchmidtCassegrain();
        if (I.EpaisseurLame > 0.1)
        {
            if (I.ProfilLame == ProfilAucun)
                I.DistanceLameMiroir = static_cast<float>(I.FocalePrimaire - I.DistanceFoyerPrimaireSecondaire);
            else if (I.ProfilLame <= ProfilPartage)
                I.DistanceLameMiroir = static_cast<float>(PlaceLameSchmidtCassegrain());
        }
        break;
    case Aucun:
    case Newton:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case Schmidt:
    case Maksutov:
    case MaksutovCassegrain:
    case Lunette:
    case MaksutovNewton:
    case DallKirkham:
    case KlevtsovCassegrain:
    case LurieHoughton:
    case HoughtonCassegrain:
    case SchmidtNewton: CalculeDeuxMiroirs(); break;
    }
}

void StockeFocaleResultante(double focale)
{
    TInstrument& I = Instrument;
    I.FocaleResultante = focale;
    switch (Forme())
    {
    case Schwarzschild:
        I.FocalePrimaire = focale * 5 / 2;
        if (I.DiametreEntree < 1)
            I.DiametreEntree = focale / 3;
        DiametreSecondaireSchwarzschildParDefaut();
        CalculeSchwarzschild();
        break;
    case SchmidtCassegrain:
        CalculeSchmidtCassegrain();
        if (I.EpaisseurLame > 0.01 && I.DiametreEntree > 0.01 && I.FocalePrimaire > 0.01)
            I.DistanceLameMiroir = static_cast<float>(PlaceLameSchmidtCassegrain());
        break;
    case MaksutovCassegrain: PrepareMaksutovCassegrain(); break;
    case Aucun:
    case Newton:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case Schmidt:
    case Maksutov:
    case Lunette:
    case MaksutovNewton:
    case DallKirkham:
    case KlevtsovCassegrain:
    case LurieHoughton:
    case HoughtonCassegrain:
    case SchmidtNewton: CalculeDeuxMiroirs(); break;
    }
}

void StockeCoefficientDeformationPrimaire(double coefficient)
{
    Instrument.CoefficientDeformationPrimaire = coefficient;
}

void StockeCoefficientDeformationSecondaire(double coefficient)
{
    Instrument.CoefficientDeformationSecondaire = coefficient;
}

void StockeCoefficientDeformationSecondaire2(double coefficient)
{
    Instrument.CoefficientDeformationSecondaire2 = coefficient;
}

void StockeDiametreMiroirPlan(double diametre)
{
    Instrument.DiametreSecondaire = static_cast<float>(diametre);
}

void StockeDiametreSecondaire(double diametre)
{
    Instrument.DiametreSecondaire = static_cast<float>(diametre);
    CalculeDeuxMiroirs();
}

void StockeDistanceSecondaireFoyer(double distance)
{
    Instrument.DistanceSecondaireFoyer = distance;
    Instrument.DistanceEntreMiroirs = Instrument.FocalePrimaire - distance;
}

void StockeDegagementFoyer(double degagement)
{
    Instrument.DegagementFoyer = degagement;
    CalculeDeuxMiroirs();
}

void StockeDiametreTrouCentral(double diametre)
{
    Instrument.DiametreTrouCentral = diametre;
    CalculeDeuxMiroirs();
}

void StockeEpaisseurPrimaire(double epaisseur)
{
    Instrument.EpaisseurPrimaire = epaisseur;
}

void StockeEpaisseurSecondaire(double epaisseur)
{
    Instrument.EpaisseurSecondaire = epaisseur;
}

void StockeTitreDispositif(const std::string& titre)
{
    Dispositif.TitreDispositif = titre;
}

void StockeDiametreMiroir(std::int32_t codeJournal, double diametre)
{
    Instrument.DiametreMiroir = diametre;
    const bool schmidt = Forme() == Schmidt && Instrument.RayonCourburePrimaire > 1;
    if (schmidt || (codeJournal == SaisieDiametreMiroir && Forme() == SchmidtNewton))
        CalculeSchmidtComplet();
}

void StockeRayonCourburePrimaireSchmidt(double rayon)
{
    TInstrument& I = Instrument;
    I.RayonCourburePrimaire = rayon;
    if (rayon > 1 && I.DiametreEntree > 1)
        CalculeFocaleSchmidt();
    CalculeRayonPuissances();
    if (rayon == 0)
        I.FocalePrimaire = 0;
    if (Forme() == Schmidt)
    {
        PositionneLameSchmidt();
        CalculeChampSchmidt();
    }
}

void StockeRayonCourburePrimaireMaksutov(double rayon)
{
    Instrument.RayonCourburePrimaire = rayon;
    Instrument.FocalePrimaire = rayon / 2;
    CalculeRayonPuissances();
    if (Forme() == MaksutovCassegrain)
        PrepareMaksutovCassegrain();
}

void StockeFocaleSchmidt(double focale)
{
    TInstrument& I = Instrument;
    I.FocaleResultante = focale;
    I.FocalePrimaire = focale;
    if (focale > 1 && I.DiametreEntree > 1)
        CalculeRayonSchmidt();
    else
        I.RayonCourburePrimaire = 0;
    CalculeRayonPuissances();
    AjusteFocaleSchmidt();
    if (Forme() == Schmidt)
    {
        PositionneLameSchmidt();
        CalculeChampSchmidt();
    }
}

void StockeEpaisseurLame(double epaisseur)
{
    TInstrument& I = Instrument;
    I.EpaisseurLame = epaisseur;
    if (std::abs(epaisseur - I.CoteLame) < 10)
        I.CoteLame = static_cast<std::int32_t>(Trunc(2 * epaisseur));
    CalculeSchmidtComplet();
    switch (Forme())
    {
    case Schmidt:
        PositionneLameSchmidt();
        AjusteFocaleSchmidt();
        break;
    case SchmidtCassegrain:
        CalculeSchmidtCassegrain();
        if (I.ProfilLame == ProfilAucun)
            I.DistanceLameMiroir = static_cast<float>(I.FocalePrimaire - I.DistanceFoyerPrimaireSecondaire);
        else if (I.ProfilLame <= ProfilPartage && epaisseur > 0.01)
            I.DistanceLameMiroir = static_cast<float>(PlaceLameSchmidtCassegrain());
        break;
    case Maksutov:
        PrepareMaksutov();
        if (I.DistanceLameMiroir + I.EpaisseurTotaleMenisque > I.DistanceDiaphragmeMiroir)
        {
            I.DistanceDiaphragmeMiroir = I.DistanceLameMiroir + I.EpaisseurTotaleMenisque;
            PrepareMaksutov();
        }
        break;
    case SchmidtNewton:
        if (!ConflitLameMiroirPlan(I.FocalePrimaire))
            AjusteFocaleSchmidt();
        break;
    case Aucun:
    case Newton:
    case Cassegrain:
    case RitcheyChretien:
    case Gregory:
    case MaksutovCassegrain:
    case Lunette:
    case Schwarzschild:
    case MaksutovNewton:
    case DallKirkham:
    case KlevtsovCassegrain:
    case LurieHoughton:
    case HoughtonCassegrain: break;
    }
}

void StockeCoefficientDeformationLame(double coefficient)
{
    Instrument.CoefficientDeformationLame = coefficient;
    Instrument.CoefficientLameRelatif = coefficient / Instrument.CoefficientLameOptimal;
}

void StockeDistanceDiaphragmeMiroir(double distance)
{
    Instrument.DistanceDiaphragmeMiroir = static_cast<float>(distance);
}

void StockeDiametreMenisque(double diametre)
{
    Instrument.DiametreMenisque = diametre;
}

void StockeRayonMenisque1(double rayon)
{
    Instrument.RayonMenisque1 = rayon;
    Groupe.RayonGroupe[1] = -rayon;
    if (Forme() == MaksutovCassegrain)
        PrepareMaksutovCassegrain();
}

void StockeRayonMenisque2(double rayon)
{
    Instrument.RayonMenisque2 = rayon;
    Groupe.RayonGroupe[2] = -rayon;
}

void StockeDistanceLameMiroir(double distance)
{
    Instrument.DistanceLameMiroir = static_cast<float>(distance);
    if (Forme() == Schmidt || Forme() == SchmidtNewton)
        AjusteFocaleSchmidt();
}

void StockeCoefficientK(double k)
{
    Instrument.CoefficientK = k;
}

namespace {

bool AppliqueStockage(std::int32_t code, double x)
{
    switch (code)
    {
    case CodeJournalDiametreEntree: StockeDiametreEntree(x); return true;
    case SaisieFocalePrimaireNewton: StockeFocalePrimaireNewton(x); return true;
    case CodeJournalFocalePrimaire: StockeFocalePrimaire(x); return true;
    case CodeJournalFocaleResultante: StockeFocaleResultante(x); return true;
    case SaisieDeformationPrimaireNewton:
    case SaisieDeformationPrimaireRitchey: StockeCoefficientDeformationPrimaire(x); return true;
    case SaisieDeformationSecondaireRitchey: StockeCoefficientDeformationSecondaire(x); return true;
    case SaisieDeformationSecondaire2: StockeCoefficientDeformationSecondaire2(x); return true;
    case SaisieDiametreSecondaireNewton:
    case SaisieDiametreSecondaireHoughton: StockeDiametreMiroirPlan(x); return true;
    case CodeJournalDiametreSecondaire: StockeDiametreSecondaire(x); return true;
    case SaisieDistanceSecondaireFoyerNewton:
    case SaisieDistanceSecondaireFoyerHoughton: StockeDistanceSecondaireFoyer(x); return true;
    case CodeJournalDegagementFoyer: StockeDegagementFoyer(x); return true;
    case CodeJournalDiametreTrouCentral: StockeDiametreTrouCentral(x); return true;
    case CodeJournalEpaisseurPrimaire: StockeEpaisseurPrimaire(x); return true;
    case CodeJournalEpaisseurSecondaire: StockeEpaisseurSecondaire(x); return true;
    case SaisieDiametreMiroir:
    case SaisieDiametreMiroirHoughton: StockeDiametreMiroir(code, x); return true;
    case SaisieRayonCourburePrimaireSchmidt: StockeRayonCourburePrimaireSchmidt(x); return true;
    case SaisieRayonCourburePrimaireMaksutov: StockeRayonCourburePrimaireMaksutov(x); return true;
    case SaisieFocaleSchmidt: StockeFocaleSchmidt(x); return true;
    case SaisieEpaisseurLame: StockeEpaisseurLame(x); return true;
    case SaisieDeformationLame: StockeCoefficientDeformationLame(x); return true;
    case SaisieDistanceDiaphragmeMiroirMaksutov:
    case SaisieDistanceDiaphragmeMiroirKlevtsov: StockeDistanceDiaphragmeMiroir(x); return true;
    case SaisieDiametreMenisque: StockeDiametreMenisque(x); return true;
    case SaisieRayonMenisque1: StockeRayonMenisque1(x); return true;
    case SaisieRayonMenisque2: StockeRayonMenisque2(x); return true;
    case SaisieDistanceLameMiroir: StockeDistanceLameMiroir(x); return true;
    case SaisieCoefficientK: StockeCoefficientK(x); return true;
    default: return false;
    }
}

} // namespace

bool StockeValeur(std::int32_t codeJournal, double valeur)
{
    if (!std::isfinite(valeur))
        return false;
    // A value the entry box would have refused comes from no edit: a journal carrying one is not the user's.
    if (const auto borne = BorneDuCode(codeJournal); borne && !DansLaBorne(*borne, valeur))
        return false;
    const TCopieCalcul avant;
    const std::int64_t remis = CalculsNonFinisRemis();
    if (!AppliqueStockage(codeJournal, valeur))
        return false;
    if (CalculsNonFinisRemis() == remis && !ConceptionNonFinie())
        return true;
    avant.Remet();
    return false;
}

bool StockeValeurSaisie(std::int32_t codeJournal, double valeur)
{
    const TCopieCalcul avant;
    if (!StockeValeur(codeJournal, valeur))
        return false;
    // The set-up the refresh runs next, tried here without beeps or questions, then undone: the edit stores only
    // what its replay stores.
    const TNotifications notifications = Notifications;
    Notifications.Bip = [](int) {};
    Notifications.DemandeDecalageFoyer = [] { return false; };
    Notifications.DemandeDistanceFoyerDioptre = [] { return false; };
    const TCopieCalcul stocke;
    const std::int64_t remis = CalculsNonFinisRemis();
    PrepareForme();
    const bool fini = CalculsNonFinisRemis() == remis && !ConceptionNonFinie();
    Notifications = notifications;
    if (fini)
    {
        stocke.Remet();
        return true;
    }
    avant.Remet();
    return false;
}

bool StockeEnregistrement(const TEnregistrementJournal& enregistrement)
{
    const std::int32_t code = enregistrement.Code;
    if (code == SaisieTitreDispositif)
    {
        StockeTitreDispositif(enregistrement.Valeur);
        return true;
    }
    if (StockeMatiere(code, enregistrement.Index, enregistrement.Valeur))
        return true;
    const double valeur = LitNombre(enregistrement.Valeur, PolitiqueDialogue);
    return StockeCellule(code, enregistrement.Index, valeur) || StockeValeur(code, valeur);
}

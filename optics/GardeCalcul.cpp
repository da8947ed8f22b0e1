// The bounds of one design computation: its budget of traces and the finite values it leaves.
#include "optics/GardeCalcul.h"

#include <cmath>

#include "optics/Notifications.h"

namespace {

// The traces the running computation may still make; no budget while no guard is open.
bool GardeOuverte = false;
long TracesRestantes = 0;
long Depensees = 0;
std::int64_t Remis = 0;

constexpr double TInstrument::*ReelsInstrument[] = {
    &TInstrument::DiametreEntree,
    &TInstrument::FocalePrimaire,
    &TInstrument::DiametreMiroir,
    &TInstrument::DiametreObjectif,
    &TInstrument::DiametreUtilePrimaire,
    &TInstrument::DiametreUtileHoughton,
    &TInstrument::RayonCourburePrimaire,
    &TInstrument::RayonPrimaireCube,
    &TInstrument::RayonPrimairePuissance5,
    &TInstrument::RayonMenisque1,
    &TInstrument::RayonMenisque2,
    &TInstrument::FocaleResultante,
    &TInstrument::FocaleObjectif,
    &TInstrument::FocaleEffective,
    &TInstrument::RapportFD,
    &TInstrument::DiametreObstruction,
    &TInstrument::DistanceSecondaireFoyer,
    &TInstrument::DistanceFoyerPrimaireSecondaire,
    &TInstrument::RayonCourbureSecondaire,
    &TInstrument::DegagementFoyer,
    &TInstrument::LongueurInstrument,
    &TInstrument::EncombrementLateral,
    &TInstrument::LongueurTotale,
    &TInstrument::Grandissement,
    &TInstrument::CoefficientDeformationPrimaire,
    &TInstrument::CoefficientDeformationPrimaire2,
    &TInstrument::CoefficientDeformationSecondaire,
    &TInstrument::CoefficientDeformationSecondaire2,
    &TInstrument::EpaisseurPrimaire,
    &TInstrument::EpaisseurSecondaire,
    &TInstrument::EpaisseurLame,
    &TInstrument::EpaisseurPrimaireDessin,
    &TInstrument::EpaisseurSecondaireDessin,
    &TInstrument::EpaisseurLameDessin,
    &TInstrument::EpaisseurCentrePrimaireDessin,
    &TInstrument::RayonObstructionCarre,
    &TInstrument::DistanceEntreMiroirs,
    &TInstrument::DiametreTrouCentral,
    &TInstrument::DiametreTrouCentralDessin,
    &TInstrument::ReliefLame,
    &TInstrument::CoefficientK,
    &TInstrument::CoefficientDeformationLame,
    &TInstrument::CoefficientLameOptimal,
    &TInstrument::CoefficientLameRelatif,
    &TInstrument::DiametreMenisque,
    &TInstrument::DistanceApresGroupe,
    &TInstrument::FinDispositif,
    &TInstrument::DiametreMaximalDispositif,
    &TInstrument::DiametreObstructionDispositif,
    &TInstrument::CarreRayonPupille,
    &TInstrument::AncienneFocalePrimaire,
};

constexpr float TInstrument::*SimplesInstrument[] = {
    &TInstrument::DiametreSecondaire,      &TInstrument::DiametreSecondaireMinimal,
    &TInstrument::TacheDiffractionMicrons, &TInstrument::TacheDiffractionSecondes,
    &TInstrument::DistanceLameMiroir,      &TInstrument::DistanceDiaphragmeMiroir,
    &TInstrument::EpaisseurTotaleMenisque, &TInstrument::DiametreSecondaireSchwarzschild,
    &TInstrument::DiametreUtileSecondaire, &TInstrument::DiametreChampPleineLumiere,
};

template <typename Tableau>
bool TableauNonFini(const Tableau& valeurs)
{
    for (const auto valeur : valeurs)
        if (!std::isfinite(static_cast<double>(valeur)))
            return true;
    return false;
}

bool InstrumentNonFini()
{
    const TInstrument& I = Instrument;
    for (const auto champ : ReelsInstrument)
        if (!std::isfinite(I.*champ))
            return true;
    for (const auto champ : SimplesInstrument)
        if (!std::isfinite(I.*champ))
            return true;
    return TableauNonFini(I.CoefficientsAspheriquesLame) || TableauNonFini(I.CoefficientsAspheriquesLameProche) ||
           TableauNonFini(I.ImpactPrimaire);
}

bool GroupeNonFini()
{
    const TDioptreGroupe& G = Groupe;
    return TableauNonFini(G.RayonGroupe) || TableauNonFini(G.DiametreGroupe) || TableauNonFini(G.EpaisseurGroupe) ||
           TableauNonFini(G.IndiceRougeGroupe) || TableauNonFini(G.IndiceVertGroupe) ||
           TableauNonFini(G.IndiceBleuGroupe) || TableauNonFini(G.IndiceTraceGroupe) ||
           TableauNonFini(G.SommetGroupe) || TableauNonFini(G.CentreGroupe) ||
           TableauNonFini(G.CarreDemiDiametreGroupe);
}

bool DispositifNonFini()
{
    const TDioptre& D = Dispositif;
    return TableauNonFini(D.RayonDioptre) || TableauNonFini(D.EpaisseurDioptre) || TableauNonFini(D.DiametreDioptre) ||
           TableauNonFini(D.IndiceRouge) || TableauNonFini(D.IndiceVert) || TableauNonFini(D.IndiceBleu) ||
           TableauNonFini(D.IndiceTrace) || TableauNonFini(D.SommetDioptre) || TableauNonFini(D.CentreDioptre) ||
           TableauNonFini(D.CarreDemiDiametre);
}

bool SystemeNonFini()
{
    const TSysteme& S = Systeme;
    const double reels[] = {S.PositionFoyer,
                            S.RayonFaisceauTrou,
                            S.DecalageFoyer,
                            S.DecalageFoyerInitial,
                            S.DecalageFoyerPrecedent,
                            S.DistanceFoyerDioptre,
                            S.DistanceFoyerDioptrePrecedente,
                            S.DistanceAxeRayonFoyer,
                            S.XImage,
                            S.GrossissementAfocal,
                            S.RayonAiryImage,
                            S.FacteurAiry,
                            S.Eclairement,
                            S.HauteurImagePrincipale};
    return TableauNonFini(reels);
}

// The computation cannot go on: the views show their failure text until the design changes.
void MarqueEchec()
{
    Systeme.CalculInterrompu = true;
    Systeme.CalculEchoue = true;
    Validite.InstrumentValide = false;
}

} // namespace

TCopieCalcul::TCopieCalcul()
    : Instrument_(Instrument), Groupe_(Groupe), Dispositif_(Dispositif), Reglages_(Reglages), Validite_(Validite),
      Systeme_(Systeme), Rayon_(Rayon)
{}

void TCopieCalcul::Remet() const
{
    Instrument = Instrument_;
    Groupe = Groupe_;
    Dispositif = Dispositif_;
    Reglages = Reglages_;
    Validite = Validite_;
    Systeme = Systeme_;
    Rayon = Rayon_;
}

TGardeCalcul::TGardeCalcul()
{
    if (GardeOuverte)
        return;
    GardeOuverte = true;
    TracesRestantes = BudgetTracesCalcul;
    Depensees = 0;
    Avant.emplace();
}

TGardeCalcul::~TGardeCalcul()
{
    if (!Avant)
        return;
    GardeOuverte = false;
    if (!ConceptionNonFinie())
        return;
    // No beep here: a typed value that leads here is refused, with the refusal's own beep.
    Avant->Remet();
    MarqueEchec();
    ++Remis;
}

bool DepenseTraces(long nombre)
{
    if (!GardeOuverte)
        return true;
    if (TracesRestantes >= nombre)
    {
        TracesRestantes -= nombre;
        Depensees += nombre;
        return true;
    }
    Depensees += TracesRestantes;
    TracesRestantes = 0;
    if (!Systeme.CalculInterrompu)
        Notifications.Bip(BipDefaut);
    MarqueEchec();
    return false;
}

std::span<double TInstrument::*const> ChampsReelsInstrument()
{
    return ReelsInstrument;
}

std::span<float TInstrument::*const> ChampsSimplesInstrument()
{
    return SimplesInstrument;
}

bool ConceptionNonFinie()
{
    return InstrumentNonFini() || GroupeNonFini() || DispositifNonFini() || SystemeNonFini();
}

long TracesDepensees()
{
    return Depensees;
}

std::int64_t CalculsNonFinisRemis()
{
    return Remis;
}

// Field navigation: the per-form orders of the sheet's values, then the title, the lists and the table cells.
#include "editing/Navigation.h"

#include "editing/OuvreCellules.h"
#include "editing/OuvreListes.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Regles.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"
#include "sheet/LignesEditees.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace {

using T = TTypeInstrument;

constexpr TCodeSaisie Rien = AucuneSaisie;
constexpr TCodeSaisie Titre = SaisieTitreDispositif;
// Targets that are not a plain field code.
constexpr TCodeSaisie ListeRougeGroupe = -4001; // the lens group's red list, the group being the edited table
constexpr TCodeSaisie FocaleParResultante = -4054; // code 54 opened over the resulting focal length's box

// What decides between the two targets of a step.
enum class TCondition
{
    Aucune, // the first target always
    Developpe, // the instrument block is expanded
    Profil // the Schmidt plate has a profile
};

struct TPas
{
    TCodeSaisie Code;
    TCondition Condition;
    TCodeSaisie SuivantOui;
    TCodeSaisie SuivantNon;
    TCodeSaisie PrecedentOui;
    TCodeSaisie PrecedentNon;
};

constexpr TPas Pas(TCodeSaisie code, TCodeSaisie suivant, TCodeSaisie precedent)
{
    return {code, TCondition::Aucune, suivant, suivant, precedent, precedent};
}

constexpr TPas Si(TCondition condition, TCodeSaisie code, TCodeSaisie suivantOui, TCodeSaisie suivantNon,
                  TCodeSaisie precedentOui, TCodeSaisie precedentNon)
{
    return {code, condition, suivantOui, suivantNon, precedentOui, precedentNon};
}

constexpr TCondition D = TCondition::Developpe;
constexpr TCondition P = TCondition::Profil;

// The plate or meniscus glass table: the three lists, then the indices and the name.
void AjouteTableLame(std::vector<TPas>& ordre, TCodeSaisie avant, TCodeSaisie apresNom)
{
    ordre.insert(ordre.end(),
                 {Pas(SaisieLongueurOndeRougeLame, SaisieLongueurOndeVerteLame, avant),
                  Pas(SaisieLongueurOndeVerteLame, SaisieLongueurOndeBleueLame, SaisieLongueurOndeRougeLame),
                  Pas(SaisieLongueurOndeBleueLame, SaisieIndiceRougeLame, SaisieLongueurOndeVerteLame),
                  Pas(SaisieIndiceRougeLame, SaisieIndiceVertLame, SaisieLongueurOndeBleueLame),
                  Pas(SaisieIndiceVertLame, SaisieIndiceBleuLame, SaisieIndiceRougeLame),
                  Pas(SaisieIndiceBleuLame, SaisieMatiereLame, SaisieIndiceVertLame)});
    if (apresNom != Rien)
        ordre.push_back(Pas(SaisieMatiereLame, apresNom, SaisieIndiceBleuLame));
}

// The Cassegrain's order; the Gregory's codes are 20 higher, the Dall-Kirkham's 100 higher.
std::vector<TPas> OrdreCassegrain(TCodeSaisie decalage)
{
    auto c = [decalage](TCodeSaisie code) { return code == Titre ? Titre : code + decalage; };
    return {
        Si(D, c(SaisieDiametreEntreeCassegrain), c(SaisieFocalePrimaireCassegrain), c(SaisieFocaleResultanteCassegrain),
           c(SaisieDiametreEntreeCassegrain), c(SaisieDiametreEntreeCassegrain)),
        Pas(c(SaisieFocalePrimaireCassegrain), c(SaisieFocaleResultanteCassegrain), c(SaisieDiametreEntreeCassegrain)),
        Si(D, c(SaisieFocaleResultanteCassegrain), c(SaisieDegagementFoyerCassegrain), Titre,
           c(SaisieFocalePrimaireCassegrain), c(SaisieDiametreEntreeCassegrain)),
        Pas(c(SaisieDegagementFoyerCassegrain), c(SaisieDiametreTrouCentralCassegrain),
            c(SaisieFocaleResultanteCassegrain)),
        Pas(c(SaisieDiametreTrouCentralCassegrain), c(SaisieDiametreSecondaireCassegrain),
            c(SaisieDegagementFoyerCassegrain)),
        Pas(c(SaisieDiametreSecondaireCassegrain), c(SaisieEpaisseurPrimaireCassegrain),
            c(SaisieDiametreTrouCentralCassegrain)),
        Pas(c(SaisieEpaisseurPrimaireCassegrain), c(SaisieEpaisseurSecondaireCassegrain),
            c(SaisieDiametreSecondaireCassegrain)),
        Pas(c(SaisieEpaisseurSecondaireCassegrain), Titre, c(SaisieEpaisseurPrimaireCassegrain))};
}

std::vector<TPas> OrdreMaksutovCassegrain(bool secondaireSurMenisque)
{
    std::vector<TPas> ordre;
    if (secondaireSurMenisque)
    {
        ordre = {Si(D, SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireMaksutov, Titre,
                    SaisieDiametreEntreeSchmidtCassegrain, SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieRayonCourburePrimaireMaksutov, SaisieDiametreTrouCentralSchmidtCassegrain,
                     SaisieDiametreEntreeSchmidtCassegrain),
                 Si(D, SaisieFocaleResultanteMaksutovCassegrain, Rien, Rien, SaisieRayonCourburePrimaireMaksutov,
                    SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                     SaisieFocaleResultanteMaksutovCassegrain),
                 Pas(SaisieDiametreSecondaireSchmidtCassegrain, SaisieDeformationPrimaireMaksutovCassegrain,
                     SaisieDiametreTrouCentralSchmidtCassegrain),
                 Pas(SaisieDeformationPrimaireMaksutovCassegrain, SaisieRayonMenisque1,
                     SaisieDiametreSecondaireSchmidtCassegrain),
                 Pas(SaisieEpaisseurSecondaireSchmidtCassegrain, Rien, SaisieEpaisseurPrimaireSchmidtCassegrain)};
    }
    else
    {
        ordre = {Si(D, SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireMaksutov,
                    SaisieFocaleResultanteMaksutovCassegrain, SaisieDiametreEntreeSchmidtCassegrain,
                    SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieRayonCourburePrimaireMaksutov, SaisieFocaleResultanteMaksutovCassegrain,
                     SaisieDiametreEntreeSchmidtCassegrain),
                 Si(D, SaisieFocaleResultanteMaksutovCassegrain, SaisieDegagementFoyerCassegrain, Titre,
                    SaisieRayonCourburePrimaireMaksutov, SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieDegagementFoyerCassegrain, SaisieDiametreTrouCentralSchmidtCassegrain, Rien),
                 Pas(SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                     SaisieFocaleResultanteMaksutovCassegrain),
                 Pas(SaisieDiametreSecondaireSchmidtCassegrain, SaisieDeformationPrimaireMaksutovCassegrain,
                     SaisieDiametreTrouCentralSchmidtCassegrain),
                 Pas(SaisieDeformationPrimaireMaksutovCassegrain, SaisieDeformationSecondaireMaksutovCassegrain,
                     SaisieDiametreSecondaireSchmidtCassegrain),
                 Pas(SaisieDeformationSecondaireMaksutovCassegrain, SaisieEpaisseurSecondaireSchmidtCassegrain, Rien),
                 Pas(SaisieEpaisseurSecondaireSchmidtCassegrain, SaisieRayonMenisque1,
                     SaisieEpaisseurPrimaireSchmidtCassegrain)};
    }
    ordre.insert(ordre.end(),
                 {Pas(SaisieRayonMenisque1, SaisieRayonMenisque2, SaisieDeformationPrimaireMaksutovCassegrain),
                  Pas(SaisieRayonMenisque2, SaisieLongueurOndeRougeLame, SaisieRayonMenisque1)});
    AjouteTableLame(ordre, SaisieRayonMenisque2, SaisieEpaisseurLame);
    ordre.insert(ordre.end(),
                 {Pas(SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieMatiereLame),
                  Pas(SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieEpaisseurLame),
                  Pas(SaisieEpaisseurPrimaireSchmidtCassegrain, Titre, SaisieDistanceLameMiroir)});
    return ordre;
}

std::vector<TPas> OrdreForme(TTypeInstrument forme)
{
    std::vector<TPas> ordre;
    switch (forme)
    {
    case T::Aucun:
    case T::Lunette: break;
    case T::Newton:
        ordre = {
            Pas(SaisieDiametreEntreeNewton, SaisieFocalePrimaireNewton, SaisieDiametreEntreeNewton),
            Si(D, SaisieFocalePrimaireNewton, SaisieDeformationPrimaireNewton, Titre, SaisieDiametreEntreeNewton,
               SaisieDiametreEntreeNewton),
            Pas(SaisieDeformationPrimaireNewton, SaisieDiametreSecondaireNewton, SaisieFocalePrimaireNewton),
            Pas(SaisieDiametreSecondaireNewton, SaisieDistanceSecondaireFoyerNewton, SaisieDeformationPrimaireNewton),
            Pas(SaisieDistanceSecondaireFoyerNewton, SaisieEpaisseurPrimaireNewton, SaisieDiametreSecondaireNewton),
            Pas(SaisieEpaisseurPrimaireNewton, SaisieEpaisseurSecondaireNewton, SaisieDistanceSecondaireFoyerNewton),
            Pas(SaisieEpaisseurSecondaireNewton, Titre, SaisieEpaisseurPrimaireNewton)};
        break;
    case T::Cassegrain: ordre = OrdreCassegrain(0); break;
    case T::Gregory: ordre = OrdreCassegrain(SaisieDiametreEntreeGregory - SaisieDiametreEntreeCassegrain); break;
    case T::DallKirkham:
        ordre = OrdreCassegrain(SaisieDiametreEntreeDallKirkham - SaisieDiametreEntreeCassegrain);
        break;
    case T::RitcheyChretien:
        ordre = {
            Si(D, SaisieDiametreEntreeRitchey, SaisieFocalePrimaireRitchey, SaisieFocaleResultanteRitchey,
               SaisieDiametreEntreeRitchey, SaisieDiametreEntreeRitchey),
            Pas(SaisieFocalePrimaireRitchey, SaisieFocaleResultanteRitchey, SaisieDiametreEntreeRitchey),
            Si(D, SaisieFocaleResultanteRitchey, SaisieDegagementFoyerRitchey, Titre, SaisieFocalePrimaireRitchey,
               SaisieDiametreEntreeRitchey),
            Pas(SaisieDegagementFoyerRitchey, SaisieDiametreTrouCentralRitchey, SaisieFocaleResultanteRitchey),
            Pas(SaisieDiametreTrouCentralRitchey, SaisieDiametreSecondaireRitchey, SaisieDegagementFoyerRitchey),
            Pas(SaisieDiametreSecondaireRitchey, SaisieDeformationPrimaireRitchey, SaisieDiametreTrouCentralRitchey),
            Pas(SaisieDeformationPrimaireRitchey, SaisieDeformationSecondaireRitchey, SaisieDiametreSecondaireRitchey),
            Pas(SaisieDeformationSecondaireRitchey, SaisieDeformationSecondaire2, SaisieDeformationPrimaireRitchey),
            Pas(SaisieDeformationSecondaire2, SaisieEpaisseurPrimaireRitchey, SaisieDeformationSecondaireRitchey),
            Pas(SaisieEpaisseurPrimaireRitchey, SaisieEpaisseurSecondaireRitchey, SaisieDeformationSecondaire2),
            Pas(SaisieEpaisseurSecondaireRitchey, Titre, SaisieEpaisseurPrimaireRitchey)};
        break;
    case T::Schwarzschild:
        ordre = {Si(D, SaisieDiametreEntreeSchwarzschild, SaisieFocalePrimaireSchwarzschild,
                    SaisieFocaleResultanteSchwarzschild, SaisieDiametreEntreeSchwarzschild,
                    SaisieDiametreEntreeSchwarzschild),
                 Pas(SaisieFocalePrimaireSchwarzschild, SaisieFocaleResultanteSchwarzschild,
                     SaisieDiametreEntreeSchwarzschild),
                 Si(D, SaisieFocaleResultanteSchwarzschild, SaisieDiametreSecondaireSchwarzschild, Titre,
                    SaisieFocalePrimaireSchwarzschild, SaisieDiametreEntreeSchwarzschild),
                 Pas(SaisieDiametreSecondaireSchwarzschild, SaisieEpaisseurPrimaireSchwarzschild,
                     SaisieFocaleResultanteSchwarzschild),
                 Pas(SaisieEpaisseurPrimaireSchwarzschild, SaisieEpaisseurSecondaireSchwarzschild,
                     SaisieDiametreSecondaireSchwarzschild),
                 Pas(SaisieEpaisseurSecondaireSchwarzschild, Titre, SaisieEpaisseurPrimaireSchwarzschild)};
        break;
    case T::Schmidt:
        ordre = {Pas(SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieDiametreEntreeSchmidt),
                 Pas(SaisieDiametreMiroir, FocaleParResultante, SaisieDiametreEntreeSchmidt),
                 Si(D, SaisieFocaleSchmidt, SaisieRayonCourburePrimaireSchmidt, Titre, SaisieDiametreMiroir,
                    SaisieDiametreMiroir),
                 Pas(SaisieRayonCourburePrimaireSchmidt, SaisieLongueurOndeRougeLame, FocaleParResultante)};
        AjouteTableLame(ordre, SaisieRayonCourburePrimaireSchmidt, Rien);
        ordre.insert(ordre.end(), {Si(P, SaisieMatiereLame, SaisieEpaisseurLame, SaisieDistanceLameMiroir,
                                      SaisieIndiceBleuLame, SaisieIndiceBleuLame),
                                   Pas(SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieMatiereLame),
                                   Si(P, SaisieDistanceLameMiroir, SaisieCoefficientK, SaisieEpaisseurPrimaireSchmidt,
                                      SaisieEpaisseurLame, SaisieEpaisseurLame),
                                   Pas(SaisieCoefficientK, SaisieEpaisseurPrimaireSchmidt, SaisieDistanceLameMiroir),
                                   Si(P, SaisieEpaisseurPrimaireSchmidt, SaisieDeformationLame, SaisieDeformationLame,
                                      SaisieCoefficientK, SaisieDistanceLameMiroir),
                                   Pas(SaisieDeformationLame, Titre, SaisieEpaisseurPrimaireSchmidt)});
        break;
    case T::SchmidtCassegrain:
        ordre = {Si(D, SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireSchmidt,
                    SaisieFocaleResultanteSchmidtCassegrain, SaisieDiametreEntreeSchmidtCassegrain,
                    SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieRayonCourburePrimaireSchmidt, SaisieFocaleResultanteSchmidtCassegrain,
                     SaisieDiametreEntreeSchmidtCassegrain),
                 Si(D, SaisieFocaleResultanteSchmidtCassegrain, SaisieDegagementFoyerSchmidtCassegrain, Titre,
                    SaisieRayonCourburePrimaireSchmidt, SaisieDiametreEntreeSchmidtCassegrain),
                 Pas(SaisieDegagementFoyerSchmidtCassegrain, SaisieDiametreTrouCentralSchmidtCassegrain,
                     SaisieFocaleResultanteSchmidtCassegrain),
                 Pas(SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                     SaisieDegagementFoyerSchmidtCassegrain),
                 Pas(SaisieDiametreSecondaireSchmidtCassegrain, SaisieDeformationLame,
                     SaisieDiametreTrouCentralSchmidtCassegrain),
                 Pas(SaisieDeformationLame, SaisieLongueurOndeRougeLame, SaisieDiametreSecondaireSchmidtCassegrain)};
        AjouteTableLame(ordre, SaisieDeformationLame, SaisieEpaisseurLame);
        ordre.insert(
            ordre.end(),
            {Pas(SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieMatiereLame),
             Pas(SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieEpaisseurLame),
             Pas(SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieEpaisseurSecondaireSchmidtCassegrain,
                 SaisieDistanceLameMiroir),
             Pas(SaisieEpaisseurSecondaireSchmidtCassegrain, Titre, SaisieEpaisseurPrimaireSchmidtCassegrain)});
        break;
    case T::Maksutov:
    case T::MaksutovNewton:
    {
        const bool newton = forme == T::MaksutovNewton;
        ordre = {Pas(SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieDiametreEntreeSchmidt),
                 Pas(SaisieDiametreMiroir, SaisieRayonCourburePrimaireMaksutov, SaisieDiametreEntreeSchmidt),
                 Si(D, SaisieRayonCourburePrimaireMaksutov, SaisieDiametreMenisque, Titre, SaisieDiametreMiroir,
                    SaisieDiametreMiroir),
                 Pas(SaisieDiametreMenisque, SaisieRayonMenisque1, SaisieRayonCourburePrimaireMaksutov),
                 Pas(SaisieRayonMenisque1, SaisieRayonMenisque2, SaisieDiametreMenisque),
                 Pas(SaisieRayonMenisque2, SaisieLongueurOndeRougeLame, SaisieRayonMenisque1)};
        AjouteTableLame(ordre, SaisieRayonMenisque2, SaisieEpaisseurLame);
        ordre.insert(
            ordre.end(),
            {Pas(SaisieEpaisseurLame, SaisieDistanceDiaphragmeMiroirMaksutov, SaisieMatiereLame),
             Pas(SaisieDistanceDiaphragmeMiroirMaksutov, SaisieDistanceLameMiroir, SaisieEpaisseurLame),
             Pas(SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidt, SaisieDistanceDiaphragmeMiroirMaksutov),
             Pas(SaisieEpaisseurPrimaireSchmidt, newton ? SaisieDistanceSecondaireFoyerNewton : Titre,
                 SaisieDistanceLameMiroir)});
        if (newton)
            ordre.insert(ordre.end(), {Pas(SaisieDistanceSecondaireFoyerNewton, SaisieDiametreSecondaireNewton,
                                           SaisieEpaisseurPrimaireSchmidt),
                                       Pas(SaisieDiametreSecondaireNewton, SaisieEpaisseurSecondaireNewton,
                                           SaisieDistanceSecondaireFoyerNewton),
                                       Pas(SaisieEpaisseurSecondaireNewton, Titre, SaisieDiametreSecondaireNewton)});
        break;
    }
    case T::MaksutovCassegrain: ordre = OrdreMaksutovCassegrain(Instrument.SecondaireSurMenisque); break;
    case T::KlevtsovCassegrain:
        ordre = {Si(D, SaisieDiametreEntreeKlevtsov, SaisieRayonCourburePrimaireKlevtsov, Titre, Rien, Rien),
                 Pas(SaisieRayonCourburePrimaireKlevtsov, SaisieDistanceDiaphragmeMiroirKlevtsov,
                     SaisieDiametreEntreeKlevtsov),
                 Pas(SaisieDistanceDiaphragmeMiroirKlevtsov, SaisieDiametreTrouCentralKlevtsov,
                     SaisieRayonCourburePrimaireKlevtsov),
                 Pas(SaisieDiametreTrouCentralKlevtsov, SaisieEpaisseurPrimaireKlevtsov,
                     SaisieDistanceDiaphragmeMiroirKlevtsov),
                 Pas(SaisieEpaisseurPrimaireKlevtsov, ListeRougeGroupe, SaisieDiametreTrouCentralKlevtsov)};
        break;
    case T::LurieHoughton:
        ordre = {
            Pas(SaisieDiametreEntreeHoughton, SaisieDiametreMiroirHoughton, Rien),
            Pas(SaisieDiametreMiroirHoughton, SaisieRayonCourburePrimaireHoughton, SaisieDiametreEntreeHoughton),
            Pas(SaisieRayonCourburePrimaireHoughton, SaisieEpaisseurPrimaireHoughton, SaisieDiametreMiroirHoughton),
            Pas(SaisieEpaisseurPrimaireHoughton, SaisieDistanceSecondaireFoyerHoughton,
                SaisieRayonCourburePrimaireHoughton),
            Pas(SaisieDistanceSecondaireFoyerHoughton, SaisieDiametreSecondaireHoughton,
                SaisieEpaisseurPrimaireHoughton),
            Pas(SaisieDiametreSecondaireHoughton, SaisieEpaisseurSecondaireHoughton,
                SaisieDistanceSecondaireFoyerHoughton),
            Pas(SaisieEpaisseurSecondaireHoughton, ListeRougeGroupe, SaisieDiametreSecondaireHoughton)};
        break;
    case T::HoughtonCassegrain:
        ordre = {Si(D, SaisieDiametreEntreeHoughton, SaisieRayonCourburePrimaireHoughton,
                    SaisieFocaleResultanteHoughtonCassegrain, Rien, Rien),
                 Pas(SaisieRayonCourburePrimaireHoughton, SaisieFocaleResultanteHoughtonCassegrain,
                     SaisieDiametreEntreeHoughton),
                 Si(D, SaisieFocaleResultanteHoughtonCassegrain, SaisieDegagementFoyerHoughtonCassegrain, Titre,
                    SaisieRayonCourburePrimaireHoughton, SaisieDiametreEntreeHoughton),
                 Pas(SaisieDegagementFoyerHoughtonCassegrain, SaisieDiametreTrouCentralHoughtonCassegrain,
                     SaisieFocaleResultanteHoughtonCassegrain),
                 Pas(SaisieDiametreTrouCentralHoughtonCassegrain, SaisieDiametreSecondaireHoughtonCassegrain,
                     SaisieDegagementFoyerHoughtonCassegrain),
                 Pas(SaisieDiametreSecondaireHoughtonCassegrain, SaisieEpaisseurPrimaireHoughton,
                     SaisieDiametreTrouCentralHoughtonCassegrain),
                 Pas(SaisieEpaisseurPrimaireHoughton, SaisieEpaisseurSecondaireHoughtonCassegrain,
                     SaisieDiametreSecondaireHoughtonCassegrain),
                 Pas(SaisieEpaisseurSecondaireHoughtonCassegrain, ListeRougeGroupe, SaisieEpaisseurPrimaireHoughton)};
        break;
    case T::SchmidtNewton:
        ordre = {Si(D, SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieFocaleSchmidt,
                    SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeSchmidt),
                 Pas(SaisieDiametreMiroir, SaisieFocaleResultanteSchmidtNewton, SaisieDiametreEntreeSchmidt),
                 Pas(SaisieFocaleSchmidt, Rien, Rien),
                 Si(D, SaisieFocaleResultanteSchmidtNewton, SaisieLongueurOndeRougeLame, Titre, SaisieDiametreMiroir,
                    SaisieDiametreMiroir)};
        AjouteTableLame(ordre, SaisieFocaleResultanteSchmidtNewton, SaisieDeformationLame);
        ordre.insert(
            ordre.end(),
            {Pas(SaisieDeformationLame, SaisieDistanceSecondaireFoyerSchmidtNewton, SaisieMatiereLame),
             Pas(SaisieDistanceSecondaireFoyerSchmidtNewton, SaisieDiametreSecondaireSchmidtNewton,
                 SaisieDeformationLame),
             Pas(SaisieDiametreSecondaireSchmidtNewton, SaisieDistanceLameMiroir,
                 SaisieDistanceSecondaireFoyerSchmidtNewton),
             Pas(SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtNewton, SaisieDiametreSecondaireSchmidtNewton),
             Pas(SaisieEpaisseurPrimaireSchmidtNewton, SaisieEpaisseurSecondaireSchmidtNewton,
                 SaisieDistanceLameMiroir),
             Pas(SaisieEpaisseurSecondaireSchmidtNewton, SaisieEpaisseurLame, SaisieEpaisseurPrimaireSchmidtNewton),
             Pas(SaisieEpaisseurLame, Titre, SaisieEpaisseurSecondaireSchmidtNewton)});
        break;
    }
    return ordre;
}

bool Condition(TCondition condition)
{
    switch (condition)
    {
    case TCondition::Aucune: return true;
    case TCondition::Developpe: return Edition.InstrumentDeveloppe;
    case TCondition::Profil: return Instrument.ProfilLame != ProfilAucun;
    }
    return true;
}

// The step of the form's order for a code, if it has one.
bool PasDeForme(TCodeSaisie code, TPas& pas)
{
    const std::vector<TPas> ordre = OrdreForme(Instrument.TypeInstrument);
    const auto trouve = std::find_if(ordre.begin(), ordre.end(), [code](const TPas& p) { return p.Code == code; });
    if (trouve == ordre.end())
        return false;
    pas = *trouve;
    return true;
}

bool Parmi(TCodeSaisie code, std::initializer_list<TCodeSaisie> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool Entre(TCodeSaisie code, TCodeSaisie premier, TCodeSaisie dernier)
{
    return premier <= code && code <= dernier;
}

// ---- Reopening a refused field ----------------------------------------------------------------------------------

bool EstRouvrable(TCodeSaisie code)
{
    if (Entre(code, SaisieTitreDispositif, SaisieLongueurOndeBleue) ||
        Entre(code, SaisieRayonDioptre, SaisieMatiereDioptre))
        return true;
    const bool verreLame = Entre(code, SaisieIndiceRougeLame, SaisieMatiereLame) ||
                           Entre(code, SaisieEpaisseurLame, SaisieLongueurOndeBleueLame) ||
                           code == SaisieDistanceLameMiroir;
    switch (Instrument.TypeInstrument)
    {
    case T::Newton:
        return Parmi(code, {SaisieDiametreEntreeNewton, SaisieFocalePrimaireNewton, SaisieDeformationPrimaireNewton,
                            SaisieDiametreSecondaireNewton, SaisieDistanceSecondaireFoyerNewton,
                            SaisieEpaisseurPrimaireNewton, SaisieEpaisseurSecondaireNewton});
    case T::Cassegrain: return Entre(code, SaisieDiametreEntreeCassegrain, SaisieDiametreTrouCentralCassegrain);
    case T::RitcheyChretien: return Entre(code, SaisieDiametreEntreeRitchey, SaisieDiametreTrouCentralRitchey);
    case T::Gregory: return Entre(code, SaisieDiametreEntreeGregory, SaisieDiametreTrouCentralGregory);
    case T::DallKirkham: return Entre(code, SaisieDiametreEntreeDallKirkham, SaisieDiametreTrouCentralDallKirkham);
    case T::Schwarzschild:
        return Parmi(code, {SaisieDiametreEntreeSchwarzschild, SaisieFocalePrimaireSchwarzschild,
                            SaisieFocaleResultanteSchwarzschild, SaisieDiametreSecondaireSchwarzschild,
                            SaisieEpaisseurPrimaireSchwarzschild, SaisieEpaisseurSecondaireSchwarzschild});
    case T::Schmidt:
        return Entre(code, SaisieDiametreEntreeSchmidt, SaisieEpaisseurPrimaireSchmidt) || verreLame ||
               code == SaisieCoefficientK;
    case T::SchmidtCassegrain:
        return Entre(code, SaisieDiametreEntreeSchmidtCassegrain, SaisieDiametreTrouCentralSchmidtCassegrain) ||
               verreLame;
    case T::Maksutov:
        return Parmi(code, {SaisieFocalePrimaireNewton, SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir,
                            SaisieEpaisseurPrimaireSchmidt}) ||
               Entre(code, SaisieDistanceDiaphragmeMiroirMaksutov, SaisieRayonMenisque2) || verreLame;
    case T::MaksutovNewton:
        return Parmi(code, {SaisieFocalePrimaireNewton, SaisieDiametreSecondaireNewton,
                            SaisieDistanceSecondaireFoyerNewton, SaisieEpaisseurSecondaireNewton,
                            SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieEpaisseurPrimaireSchmidt}) ||
               Entre(code, SaisieDistanceDiaphragmeMiroirMaksutov, SaisieRayonMenisque2) || verreLame;
    case T::MaksutovCassegrain:
        return Parmi(code,
                     {SaisieDegagementFoyerCassegrain, SaisieDiametreEntreeSchmidtCassegrain,
                      SaisieDiametreSecondaireSchmidtCassegrain, SaisieEpaisseurPrimaireSchmidtCassegrain,
                      SaisieDiametreTrouCentralSchmidtCassegrain, SaisieRayonCourburePrimaireMaksutov,
                      SaisieRayonMenisque1, SaisieRayonMenisque2, SaisieFocaleResultanteMaksutovCassegrain,
                      SaisieDeformationPrimaireMaksutovCassegrain, SaisieDeformationSecondaireMaksutovCassegrain}) ||
               verreLame;
    case T::KlevtsovCassegrain:
        return Entre(code, SaisieDiametreEntreeKlevtsov, SaisieEpaisseurPrimaireKlevtsov) ||
               code == SaisieDiametreLigneMiroir;
    case T::Aucun:
    case T::Lunette:
    case T::LurieHoughton:
    case T::HoughtonCassegrain:
    case T::SchmidtNewton: return false;
    }
    return false;
}

void Rouvre(TCodeSaisie code)
{
    if (!EstRouvrable(code))
        return;
    // The Klevtsov's secondary is refused from its sheet box: it comes back there, not on the mirror row.
    if (code == SaisieDiametreLigneMiroir)
        OuvreSaisieDiametreSecondaire();
    else
        OuvreChampDeCode(code);
}

// ---- Table rows -------------------------------------------------------------------------------------------------

void MontreLigne()
{
    Controles.Ligne.Visible = true;
}

void PasLigneDispositif()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    const int ligne = Edition.LigneCourante;
    if (EstLigneVide(ligne))
    {
        OuvreSaisieRayonDioptre();
        return;
    }
    if (ligne < Dispositif.NombreDioptres)
    {
        Edition.LigneCourante = ligne + 1;
    }
    else if (Dispositif.NombreDioptres < NombreMaxDioptres &&
             !EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(ligne)]))
    {
        Dispositif.NombreDioptres += 1;
        Dispositif.DiametreDioptre[static_cast<std::size_t>(ligne + 1)] =
            Dispositif.DiametreDioptre[static_cast<std::size_t>(ligne)];
        Edition.LigneCourante = ligne + 1;
    }
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
    OuvreSaisieRayonDioptre();
}

void PasLigneGroupe()
{
    const int ligne = Edition.LigneCourante;
    const TTypeInstrument forme = Instrument.TypeInstrument;
    Edition.TableEditee = TTableEditee::Groupe;
    const bool vide = EstLigneVide(ligne);
    if (forme == T::KlevtsovCassegrain)
    {
        if (!vide && ligne < Groupe.NombreDioptresGroupe)
        {
            Edition.LigneCourante = ligne + 1;
            PortsEdition.RafraichitVue();
            DessineLigneEditee();
            OuvreSaisieRayonGroupe();
            return;
        }
        if (!vide)
        {
            PortsEdition.RafraichitVue();
            DessineLigneEditee();
        }
        OuvreSaisieRayonLigneMiroir();
        return;
    }
    if (forme != T::Lunette && forme != T::LurieHoughton && forme != T::HoughtonCassegrain)
        return;
    if (vide)
    {
        OuvreSaisieRayonGroupe();
        return;
    }
    if (ligne >= NombreMaxDioptresGroupe)
    {
        PortsEdition.RafraichitVue();
        DessineLigneEditee();
        OuvreSaisieTitreDispositif();
        return;
    }
    Edition.LigneCourante = ligne + 1;
    if (ligne >= Groupe.NombreDioptresGroupe)
    {
        Groupe.NombreDioptresGroupe = ligne + 1;
        const double diametre = Groupe.DiametreGroupe[static_cast<std::size_t>(ligne)];
        Groupe.DiametreGroupe[static_cast<std::size_t>(ligne + 1)] = diametre;
        Journalise(SaisieDiametreGroupe, ligne + 1, diametre);
    }
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
    OuvreSaisieRayonGroupe();
}

// The tables and lists after the sheet; false when the code is none of theirs.
bool SuivantTables(TCodeSaisie code)
{
    if (code == Titre)
    {
        Edition.TableEditee = TTableEditee::Dispositif;
        OuvreListeLongueurOndeRouge();
    }
    else if (code == SaisieLongueurOndeRouge)
    {
        OuvreListeLongueurOndeVerte();
    }
    else if (code == SaisieLongueurOndeVerte)
    {
        OuvreListeLongueurOndeBleue();
    }
    else if (code == SaisieLongueurOndeBleue)
    {
        if (Edition.TableEditee != TTableEditee::Dispositif && Edition.TableEditee != TTableEditee::Groupe)
            return true;
        MontreLigne();
        Edition.LigneCourante = 1;
        OuvreChampDeCode(Edition.TableEditee == TTableEditee::Dispositif ? SaisieRayonDioptre : SaisieRayonGroupe);
    }
    else if (Entre(code, SaisieRayonDioptre, SaisieIndiceBleu) ||
             Entre(code, SaisieRayonGroupe, SaisieIndiceBleuGroupe))
    {
        OuvreCellule(code + 1);
    }
    else if (code == SaisieMatiereDioptre)
    {
        PasLigneDispositif();
    }
    else if (code == SaisieMatiereGroupe)
    {
        PasLigneGroupe();
    }
    else if (code == SaisieRayonLigneMiroir)
    {
        OuvreCellule(Groupe.NombreDioptresGroupe % 2 == 0 ? SaisieEpaisseurLigneMiroir : SaisieDiametreLigneMiroir);
    }
    else if (code == SaisieEpaisseurLigneMiroir)
    {
        OuvreCellule(SaisieDiametreLigneMiroir);
    }
    else if (code == SaisieDiametreLigneMiroir)
    {
        Edition.TableEditee = TTableEditee::Dispositif;
        OuvreSaisieTitreDispositif();
    }
    else
    {
        return false;
    }
    return true;
}

void PrecedentTables(TCodeSaisie code)
{
    if (code == SaisieLongueurOndeRouge)
    {
        if (Edition.TableEditee == TTableEditee::Dispositif)
            OuvreSaisieTitreDispositif();
        else
            OuvreSaisieEpaisseurPrimaire();
    }
    else if (code == SaisieLongueurOndeVerte)
    {
        OuvreListeLongueurOndeRouge();
    }
    else if (code == SaisieLongueurOndeBleue)
    {
        OuvreListeLongueurOndeVerte();
    }
    else if (code == SaisieRayonDioptre)
    {
        const int ligne = Edition.LigneCourante;
        if (ligne <= 1)
        {
            OuvreListeLongueurOndeBleue();
            return;
        }
        Edition.TableEditee = TTableEditee::Dispositif;
        if (ligne == Dispositif.NombreDioptres && EstLigneVide(ligne))
            Dispositif.NombreDioptres -= 1;
        Edition.LigneCourante = ligne - 1;
        OuvreSaisieMatiereDioptre();
    }
    else if (Entre(code, SaisieEpaisseurDioptre, SaisieMatiereDioptre) ||
             Entre(code, SaisieEpaisseurGroupe, SaisieMatiereGroupe))
    {
        OuvreCellule(code - 1);
    }
    else if (code == SaisieRayonGroupe)
    {
        if (Edition.LigneCourante > 1)
        {
            Edition.LigneCourante -= 1;
            OuvreSaisieMatiereGroupe();
            return;
        }
        Edition.TableEditee = TTableEditee::Groupe;
        Controles.Ligne.Visible = false;
        OuvreListeLongueurOndeBleue();
    }
    else if (code == SaisieRayonLigneMiroir)
    {
        Edition.TableEditee = TTableEditee::Dispositif;
        if (Groupe.NombreDioptresGroupe == 0)
            Groupe.NombreDioptresGroupe = 1;
        Edition.LigneCourante = Groupe.NombreDioptresGroupe;
        OuvreSaisieMatiereGroupe();
    }
    else if (code == SaisieDiametreLigneMiroir)
    {
        OuvreCellule(Groupe.NombreDioptresGroupe % 2 == 0 ? SaisieEpaisseurLigneMiroir : SaisieRayonLigneMiroir);
    }
    else if (code == SaisieEpaisseurLigneMiroir)
    {
        OuvreCellule(SaisieRayonLigneMiroir);
    }
}

// The last field of the sheet before the title.
void PrecedentTitre()
{
    const TTypeInstrument forme = Instrument.TypeInstrument;
    const bool developpe = Edition.InstrumentDeveloppe;
    switch (forme)
    {
    case T::Newton: OuvreChampDeCode(developpe ? SaisieEpaisseurSecondaireNewton : SaisieFocalePrimaireNewton); return;
    case T::Cassegrain:
    case T::RitcheyChretien:
    case T::Gregory:
    case T::DallKirkham:
    case T::Schwarzschild:
        if (developpe)
            OuvreSaisieEpaisseurSecondaire();
        else
            OuvreSaisieFocaleResultante();
        return;
    case T::Aucun:
    case T::Schmidt:
    case T::SchmidtCassegrain:
    case T::Maksutov:
    case T::MaksutovCassegrain:
    case T::Lunette:
    case T::MaksutovNewton:
    case T::KlevtsovCassegrain:
    case T::LurieHoughton:
    case T::HoughtonCassegrain:
    case T::SchmidtNewton: OuvreSaisieDiametreEntree(); return;
    }
}

constexpr std::array<TValeurFiche, 23> ValeursFiche = {TValeurFiche::DiametreEntree,
                                                       TValeurFiche::DiametreMiroir,
                                                       TValeurFiche::DiametreMiroirHoughton,
                                                       TValeurFiche::FocalePrimaire,
                                                       TValeurFiche::FocaleResultante,
                                                       TValeurFiche::RayonCourburePrimaire,
                                                       TValeurFiche::DegagementFoyer,
                                                       TValeurFiche::CoefficientDeformationPrimaire,
                                                       TValeurFiche::DiametreSecondaire,
                                                       TValeurFiche::DistanceSecondaireFoyer,
                                                       TValeurFiche::DiametreTrouCentral,
                                                       TValeurFiche::CoefficientDeformationSecondaire,
                                                       TValeurFiche::CoefficientDeformationSecondaire2,
                                                       TValeurFiche::EpaisseurPrimaire,
                                                       TValeurFiche::EpaisseurSecondaire,
                                                       TValeurFiche::EpaisseurLame,
                                                       TValeurFiche::DistanceLameMiroir,
                                                       TValeurFiche::CoefficientK,
                                                       TValeurFiche::CoefficientDeformationLame,
                                                       TValeurFiche::DiametreMenisque,
                                                       TValeurFiche::RayonMenisque1,
                                                       TValeurFiche::RayonMenisque2,
                                                       TValeurFiche::DistanceDiaphragmeMiroir};

} // namespace

void OuvreChampDeCode(TCodeSaisie code)
{
    switch (code)
    {
    case Rien: return;
    case Titre: OuvreSaisieTitreDispositif(); return;
    case SaisieLongueurOndeRouge: OuvreListeLongueurOndeRouge(); return;
    case SaisieLongueurOndeVerte: OuvreListeLongueurOndeVerte(); return;
    case SaisieLongueurOndeBleue: OuvreListeLongueurOndeBleue(); return;
    case SaisieLongueurOndeRougeLame: OuvreListeLongueurOndeRougeLame(); return;
    case SaisieLongueurOndeVerteLame: OuvreListeLongueurOndeVerteLame(); return;
    case SaisieLongueurOndeBleueLame: OuvreListeLongueurOndeBleueLame(); return;
    case ListeRougeGroupe:
        Edition.TableEditee = TTableEditee::Groupe;
        OuvreListeLongueurOndeRouge();
        return;
    case FocaleParResultante: OuvreSaisieFocaleResultante(); return;
    default: break;
    }
    if (code >= SaisieRayonDioptre)
    {
        OuvreCellule(code);
        return;
    }
    // The first sheet value that has this code for the form: the Schmidt's 54 is its primary focal length.
    for (TValeurFiche valeur : ValeursFiche)
    {
        if (CodeValeurFiche(valeur, Instrument.TypeInstrument) == code)
        {
            OuvreValeurFiche(valeur);
            return;
        }
    }
}

void OuvreSaisieSuivante(TCodeSaisie quitte)
{
    if (EtatSaisie.CodeSaisieRefusee != AucuneSaisie)
    {
        const TCodeSaisie refuse = EtatSaisie.CodeSaisieRefusee;
        EtatSaisie.CodeSaisieRefusee = AucuneSaisie;
        Rouvre(refuse);
        return;
    }
    if (quitte >= SaisieTitreDispositif && SuivantTables(quitte))
        return;
    TPas pas{};
    if (PasDeForme(quitte, pas))
        OuvreChampDeCode(Condition(pas.Condition) ? pas.SuivantOui : pas.SuivantNon);
}

void OuvreSaisiePrecedente(TCodeSaisie quitte)
{
    TPas pas{};
    if (PasDeForme(quitte, pas))
    {
        OuvreChampDeCode(Condition(pas.Condition) ? pas.PrecedentOui : pas.PrecedentNon);
        return;
    }
    if (Instrument.TypeInstrument == T::Aucun)
        Edition.InstrumentDeveloppe = false;
    if (quitte == Titre)
        PrecedentTitre();
    else
        PrecedentTables(quitte);
}

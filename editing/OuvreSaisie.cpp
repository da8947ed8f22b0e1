// The openers of the sheet's values, of the device title and of the off-axis distances.
#include "editing/OuvreSaisie.h"

#include "editing/OuvreCellules.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>

namespace {

using T = TTypeInstrument;

// The forms in the column order of the code table below.
constexpr std::array<TTypeInstrument, 15> ColonnesFormes = {
    T::Newton,        T::Cassegrain,         T::RitcheyChretien, T::Gregory,
    T::Schmidt,       T::SchmidtCassegrain,  T::Maksutov,        T::MaksutovCassegrain,
    T::Schwarzschild, T::MaksutovNewton,     T::DallKirkham,     T::KlevtsovCassegrain,
    T::LurieHoughton, T::HoughtonCassegrain, T::SchmidtNewton};

using TLigneCodes = std::array<TCodeSaisie, 15>;

// The values whose code depends on the form; 0 where the form's sheet has no such value.
constexpr TLigneCodes CodesDiametreEntree = {
    SaisieDiametreEntreeNewton,   SaisieDiametreEntreeCassegrain,        SaisieDiametreEntreeRitchey,
    SaisieDiametreEntreeGregory,  SaisieDiametreEntreeSchmidt,           SaisieDiametreEntreeSchmidtCassegrain,
    SaisieDiametreEntreeSchmidt,  SaisieDiametreEntreeSchmidtCassegrain, SaisieDiametreEntreeSchwarzschild,
    SaisieDiametreEntreeSchmidt,  SaisieDiametreEntreeDallKirkham,       SaisieDiametreEntreeKlevtsov,
    SaisieDiametreEntreeHoughton, SaisieDiametreEntreeHoughton,          SaisieDiametreEntreeSchmidt};
constexpr TLigneCodes CodesFocalePrimaire = {SaisieFocalePrimaireNewton,
                                             SaisieFocalePrimaireCassegrain,
                                             SaisieFocalePrimaireRitchey,
                                             SaisieFocalePrimaireGregory,
                                             SaisieFocaleSchmidt,
                                             SaisieFocalePrimaireSchmidtCassegrain,
                                             SaisieFocalePrimaireNewton,
                                             AucuneSaisie,
                                             SaisieFocalePrimaireSchwarzschild,
                                             SaisieFocalePrimaireNewton,
                                             SaisieFocalePrimaireDallKirkham,
                                             AucuneSaisie,
                                             AucuneSaisie,
                                             AucuneSaisie,
                                             SaisieFocaleSchmidt};
constexpr TLigneCodes CodesFocaleResultante = {AucuneSaisie,
                                               SaisieFocaleResultanteCassegrain,
                                               SaisieFocaleResultanteRitchey,
                                               SaisieFocaleResultanteGregory,
                                               SaisieFocaleSchmidt,
                                               SaisieFocaleResultanteSchmidtCassegrain,
                                               AucuneSaisie,
                                               SaisieFocaleResultanteMaksutovCassegrain,
                                               SaisieFocaleResultanteSchwarzschild,
                                               AucuneSaisie,
                                               SaisieFocaleResultanteDallKirkham,
                                               AucuneSaisie,
                                               AucuneSaisie,
                                               SaisieFocaleResultanteHoughtonCassegrain,
                                               SaisieFocaleResultanteSchmidtNewton};
constexpr TLigneCodes CodesRayonCourburePrimaire = {AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    SaisieRayonCourburePrimaireSchmidt,
                                                    SaisieRayonCourburePrimaireSchmidt,
                                                    SaisieRayonCourburePrimaireMaksutov,
                                                    SaisieRayonCourburePrimaireMaksutov,
                                                    AucuneSaisie,
                                                    SaisieRayonCourburePrimaireMaksutov,
                                                    AucuneSaisie,
                                                    SaisieRayonCourburePrimaireKlevtsov,
                                                    SaisieRayonCourburePrimaireHoughton,
                                                    SaisieRayonCourburePrimaireHoughton,
                                                    AucuneSaisie};
constexpr TLigneCodes CodesDegagementFoyer = {AucuneSaisie,
                                              SaisieDegagementFoyerCassegrain,
                                              SaisieDegagementFoyerRitchey,
                                              SaisieDegagementFoyerGregory,
                                              AucuneSaisie,
                                              SaisieDegagementFoyerSchmidtCassegrain,
                                              AucuneSaisie,
                                              SaisieDegagementFoyerCassegrain,
                                              AucuneSaisie,
                                              AucuneSaisie,
                                              SaisieDegagementFoyerDallKirkham,
                                              AucuneSaisie,
                                              AucuneSaisie,
                                              SaisieDegagementFoyerHoughtonCassegrain,
                                              AucuneSaisie};
constexpr TLigneCodes CodesDeformationPrimaire = {SaisieDeformationPrimaireNewton,
                                                  AucuneSaisie,
                                                  SaisieDeformationPrimaireRitchey,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  SaisieDeformationPrimaireMaksutovCassegrain,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  AucuneSaisie};
constexpr TLigneCodes CodesDiametreSecondaire = {SaisieDiametreSecondaireNewton,
                                                 SaisieDiametreSecondaireCassegrain,
                                                 SaisieDiametreSecondaireRitchey,
                                                 SaisieDiametreSecondaireGregory,
                                                 AucuneSaisie,
                                                 SaisieDiametreSecondaireSchmidtCassegrain,
                                                 AucuneSaisie,
                                                 SaisieDiametreSecondaireSchmidtCassegrain,
                                                 SaisieDiametreSecondaireSchwarzschild,
                                                 SaisieDiametreSecondaireNewton,
                                                 SaisieDiametreSecondaireDallKirkham,
                                                 SaisieDiametreLigneMiroir,
                                                 SaisieDiametreSecondaireHoughton,
                                                 SaisieDiametreSecondaireHoughtonCassegrain,
                                                 SaisieDiametreSecondaireSchmidtNewton};
constexpr TLigneCodes CodesDistanceSecondaireFoyer = {SaisieDistanceSecondaireFoyerNewton,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      SaisieDistanceSecondaireFoyerNewton,
                                                      AucuneSaisie,
                                                      AucuneSaisie,
                                                      SaisieDistanceSecondaireFoyerHoughton,
                                                      AucuneSaisie,
                                                      SaisieDistanceSecondaireFoyerSchmidtNewton};
constexpr TLigneCodes CodesDiametreTrouCentral = {AucuneSaisie,
                                                  SaisieDiametreTrouCentralCassegrain,
                                                  SaisieDiametreTrouCentralRitchey,
                                                  SaisieDiametreTrouCentralGregory,
                                                  AucuneSaisie,
                                                  SaisieDiametreTrouCentralSchmidtCassegrain,
                                                  AucuneSaisie,
                                                  SaisieDiametreTrouCentralSchmidtCassegrain,
                                                  AucuneSaisie,
                                                  AucuneSaisie,
                                                  SaisieDiametreTrouCentralDallKirkham,
                                                  SaisieDiametreTrouCentralKlevtsov,
                                                  AucuneSaisie,
                                                  SaisieDiametreTrouCentralHoughtonCassegrain,
                                                  AucuneSaisie};
constexpr TLigneCodes CodesDeformationSecondaire = {AucuneSaisie,
                                                    AucuneSaisie,
                                                    SaisieDeformationSecondaireRitchey,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    SaisieDeformationSecondaireMaksutovCassegrain,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie,
                                                    AucuneSaisie};
constexpr TLigneCodes CodesEpaisseurPrimaire = {
    SaisieEpaisseurPrimaireNewton,   SaisieEpaisseurPrimaireCassegrain,        SaisieEpaisseurPrimaireRitchey,
    SaisieEpaisseurPrimaireGregory,  SaisieEpaisseurPrimaireSchmidt,           SaisieEpaisseurPrimaireSchmidtCassegrain,
    SaisieEpaisseurPrimaireSchmidt,  SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieEpaisseurPrimaireSchwarzschild,
    SaisieEpaisseurPrimaireSchmidt,  SaisieEpaisseurPrimaireDallKirkham,       SaisieEpaisseurPrimaireKlevtsov,
    SaisieEpaisseurPrimaireHoughton, SaisieEpaisseurPrimaireHoughton,          SaisieEpaisseurPrimaireSchmidtNewton};
constexpr TLigneCodes CodesEpaisseurSecondaire = {SaisieEpaisseurSecondaireNewton,
                                                  SaisieEpaisseurSecondaireCassegrain,
                                                  SaisieEpaisseurSecondaireRitchey,
                                                  SaisieEpaisseurSecondaireGregory,
                                                  AucuneSaisie,
                                                  SaisieEpaisseurSecondaireSchmidtCassegrain,
                                                  AucuneSaisie,
                                                  SaisieEpaisseurSecondaireSchmidtCassegrain,
                                                  SaisieEpaisseurSecondaireSchwarzschild,
                                                  SaisieEpaisseurSecondaireNewton,
                                                  SaisieEpaisseurSecondaireDallKirkham,
                                                  AucuneSaisie,
                                                  SaisieEpaisseurSecondaireHoughton,
                                                  SaisieEpaisseurSecondaireHoughtonCassegrain,
                                                  SaisieEpaisseurSecondaireSchmidtNewton};
constexpr TLigneCodes CodesDistanceDiaphragmeMiroir = {AucuneSaisie,
                                                       AucuneSaisie,
                                                       AucuneSaisie,
                                                       AucuneSaisie,
                                                       AucuneSaisie,
                                                       AucuneSaisie,
                                                       SaisieDistanceDiaphragmeMiroirMaksutov,
                                                       SaisieDistanceDiaphragmeMiroirMaksutov,
                                                       AucuneSaisie,
                                                       SaisieDistanceDiaphragmeMiroirMaksutov,
                                                       AucuneSaisie,
                                                       SaisieDistanceDiaphragmeMiroirKlevtsov,
                                                       AucuneSaisie,
                                                       AucuneSaisie,
                                                       AucuneSaisie};

TCodeSaisie CodeParForme(const TLigneCodes& codes, TTypeInstrument forme)
{
    for (std::size_t k = 0; k < ColonnesFormes.size(); ++k)
        if (ColonnesFormes[k] == forme)
            return codes[k];
    return AucuneSaisie;
}

// A code that does not depend on the form, for the forms whose sheet shows the value.
TCodeSaisie CodeSiForme(TCodeSaisie code, std::initializer_list<TTypeInstrument> formes, TTypeInstrument forme)
{
    return std::find(formes.begin(), formes.end(), forme) != formes.end() ? code : AucuneSaisie;
}

// How an opener clears the way before it opens.
enum class TPreparation
{
    CacheCadreEtLignes, // the lens-row frame and the row images, nothing refreshed
    CacheCadre, // the lens-row frame only
    FermeCadres // every editing frame closed and the view refreshed, then the row images hidden
};

struct TOuverture
{
    double Valeur = 0;
    std::string Texte;
    int LongueurMax = 0;
    std::string Conseil;
    int Aide = 0; // 0: the help context set before stays
    int Case = 0;
    bool Active = false; // the box is enabled again
    bool Blanche = false; // the box is made white; the others keep the colour the sheet click gave
    bool SansFocusPossible = false;
    int Retrait = 0; // pixels taken off the right for the spin arrows drawn there
};

// The spin arrows at the right of the plate coefficient.
constexpr int LargeurSpinup = 13;

std::string Nombre(int n)
{
    return std::to_string(n);
}

std::string ConseilLongueur(const std::string& debut, int limite)
{
    return debut + Nombre(limite) + ".000 mm" + " (" + Nombre(limite) + "m)";
}

std::string ConseilDiametre()
{
    return "Le diamètre doit être inférieur à " + Nombre(50) + ".000 mm (" + Nombre(50) + "m)";
}

std::string ConseilEpaisseur(int limite)
{
    return "Cette épaisseur doit être inférieure à " + Nombre(limite) + ".000 mm (" + Nombre(limite) + "m)";
}

// In extended precision, as the typed values are rounded: 123.45 is a little above the half and gives 123.5.
double ArrondiDixieme(double valeur)
{
    return static_cast<double>(std::nearbyint(static_cast<long double>(valeur) * 10) / 10);
}

std::string TexteSaufAuDela(double valeur, double seuil, const char* motif)
{
    return std::abs(valeur) > seuil ? std::string() : FormateNombre(valeur, motif);
}

void CacheLignes()
{
    Controles.Ligne.Visible = false;
    Controles.LigneMiroirActive.Visible = false;
}

void MontreConseil(const std::string& conseil)
{
    EtatSaisie.TexteLimiteSaisie = conseil;
    EtatSaisie.Saisie.Conseil = conseil;
    PortsEdition.AfficheStatut(conseil);
}

void FixeAide(int contexte)
{
    EtatSaisie.Saisie.ContexteAide = contexte;
    PortsEdition.FixeContexteAide(contexte);
}

// Clears the way before a value opens. Closing the frames refreshes the view, which may open a field itself: the
// value is read after it.
void Prepare(TPreparation preparation)
{
    switch (preparation)
    {
    case TPreparation::CacheCadreEtLignes:
        EtatSaisie.CadreDioptre = false;
        CacheLignes();
        break;
    case TPreparation::CacheCadre: EtatSaisie.CadreDioptre = false; break;
    case TPreparation::FermeCadres:
        PortsEdition.FermeCadresEtRafraichit();
        CacheLignes();
        break;
    }
}

TPreparation PreparationDe(TValeurFiche valeur)
{
    switch (valeur)
    {
    case TValeurFiche::DiametreEntree:
    case TValeurFiche::DiametreMiroirHoughton: return TPreparation::CacheCadreEtLignes;
    case TValeurFiche::DiametreMiroir: return TPreparation::CacheCadre;
    case TValeurFiche::FocalePrimaire:
    case TValeurFiche::FocaleResultante:
    case TValeurFiche::RayonCourburePrimaire:
    case TValeurFiche::DegagementFoyer:
    case TValeurFiche::CoefficientDeformationPrimaire:
    case TValeurFiche::DiametreSecondaire:
    case TValeurFiche::DistanceSecondaireFoyer:
    case TValeurFiche::DiametreTrouCentral:
    case TValeurFiche::CoefficientDeformationSecondaire:
    case TValeurFiche::CoefficientDeformationSecondaire2:
    case TValeurFiche::EpaisseurPrimaire:
    case TValeurFiche::EpaisseurSecondaire:
    case TValeurFiche::EpaisseurLame:
    case TValeurFiche::DistanceLameMiroir:
    case TValeurFiche::CoefficientK:
    case TValeurFiche::CoefficientDeformationLame:
    case TValeurFiche::DiametreMenisque:
    case TValeurFiche::RayonMenisque1:
    case TValeurFiche::RayonMenisque2:
    case TValeurFiche::DistanceDiaphragmeMiroir: return TPreparation::FermeCadres;
    }
    return TPreparation::FermeCadres;
}

// The common steps of every sheet value once the way is clear.
void Ouvre(TCodeSaisie code, const TOuverture& o, TImageSaisie image, const TCase& rectangle)
{
    EtatSaisie.CodeSaisie = code;
    EtatSaisie.ValeurAvantSaisie = o.Valeur;
    TBoiteSaisie& boite = EtatSaisie.Saisie;
    if (o.Active)
        boite.Active = true;
    if (o.Blanche)
        boite.Couleur = 0xFFFFFF;
    boite.Hauteur = 18;
    boite.Texte = o.Texte;
    boite.LongueurMax = o.LongueurMax;
    MontreConseil(o.Conseil);
    boite.Image = image;
    boite.Gauche = rectangle.Left;
    boite.Haut = rectangle.Top;
    boite.Largeur = rectangle.Right - rectangle.Left - o.Retrait;
    boite.Visible = true;
    ActiveEditionSaisie();
    if (o.Aide != 0)
        FixeAide(o.Aide);
    boite.ToutSelectionne = true;
    if (o.SansFocusPossible && EtatSaisie.SaisieSansFocus)
    {
        EtatSaisie.SaisieSansFocus = false;
        boite.Focus = false;
    }
    else
    {
        boite.Focus = true;
    }
    PortsEdition.MontreSaisie();
}

int LimiteFocalePrimaire(TTypeInstrument forme)
{
    switch (forme)
    {
    case T::Newton:
    case T::Schmidt:
    case T::Maksutov:
    case T::MaksutovNewton:
    case T::SchmidtNewton: return 100;
    case T::Aucun:
    case T::Cassegrain:
    case T::RitcheyChretien:
    case T::Gregory:
    case T::SchmidtCassegrain:
    case T::MaksutovCassegrain:
    case T::Lunette:
    case T::Schwarzschild:
    case T::DallKirkham:
    case T::KlevtsovCassegrain:
    case T::LurieHoughton:
    case T::HoughtonCassegrain: return 50;
    }
    return 50;
}

// What each value shows and how its box is laid out.
TOuverture Ouverture(TValeurFiche valeur)
{
    const TInstrument& in = Instrument;
    TOuverture o;
    switch (valeur)
    {
    case TValeurFiche::DiametreEntree:
        o = {ArrondiDixieme(in.DiametreEntree),
             TexteLongueurFiche(in.DiametreEntree),
             5,
             ConseilDiametre(),
             3020,
             CaseDiametreEntree,
             true,
             true,
             true,
             0};
        break;
    case TValeurFiche::DiametreMiroirHoughton:
        o = {ArrondiDixieme(in.DiametreMiroir),
             TexteLongueurFiche(in.DiametreMiroir),
             5,
             ConseilDiametre(),
             3020,
             CaseDiametreMiroir,
             true,
             true,
             true,
             0};
        break;
    case TValeurFiche::DiametreMiroir:
        o = {ArrondiDixieme(in.DiametreMiroir),
             TexteLongueurFiche(in.DiametreMiroir),
             5,
             ConseilDiametre(),
             3020,
             CaseDiametreMiroir,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::FocalePrimaire:
        o = {in.FocalePrimaire,
             TexteLongueurFiche(in.FocalePrimaire),
             6,
             ConseilLongueur("La distance focale doit être inférieure à ", LimiteFocalePrimaire(in.TypeInstrument)),
             0,
             CaseFocalePrimaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::FocaleResultante:
        o = {in.FocaleResultante,
             TexteLongueurFiche(in.FocaleResultante),
             6,
             ConseilLongueur("La distance focale résultante doit être inférieure à ", 100),
             0,
             CaseFocaleResultante,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::RayonCourburePrimaire:
        o = {in.RayonCourburePrimaire,
             TexteLongueurFiche(in.RayonCourburePrimaire),
             6,
             ConseilLongueur("Le rayon de courbure doit être inférieur à ", 200),
             0,
             CaseRayonCourburePrimaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::DegagementFoyer:
        o = {in.DegagementFoyer,
             TexteSaufAuDela(in.DegagementFoyer, SeuilDegagementNonSaisi, "#0.#"),
             6,
             ConseilLongueur("Le dégagement doit être inférieur à ", 1),
             3020,
             CaseDegagementFoyer,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::CoefficientDeformationPrimaire:
        o = {in.CoefficientDeformationPrimaire,
             TexteSaufAuDela(in.CoefficientDeformationPrimaire, SeuilCoefficientACalculer, "#0.###"),
             6,
             "Coefficient de déformation du miroir primaire, il doit doit être compris entre + et - " + Nombre(999),
             3120,
             CaseCoefficientDeformationPrimaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::DiametreSecondaire:
    {
        const bool plan = in.TypeInstrument == T::Newton || in.TypeInstrument == T::MaksutovNewton;
        o = {in.DiametreSecondaire,
             TexteLongueurFiche(in.DiametreSecondaire),
             5,
             ConseilLongueur(plan ? "Le petit côté du miroir plan doit être inférieur à "
                                  : "Le diamètre du miroir secondaire doit être inférieur à ",
                             5),
             3020,
             CaseDiametreSecondaire,
             false,
             false,
             false,
             0};
        break;
    }
    case TValeurFiche::CoefficientDeformationLame:
        o = {in.CoefficientDeformationLame,
             in.CoefficientDeformationLame == 0 ? std::string() : FormateNombre(in.CoefficientDeformationLame, "0.###"),
             5,
             "Le coefficient de déformation de la lame doit être inférieur à 10",
             3120,
             CaseCoefficientDeformationLame,
             false,
             false,
             false,
             LargeurSpinup};
        break;
    case TValeurFiche::DistanceSecondaireFoyer:
        o = {in.DistanceSecondaireFoyer,
             TexteLongueurFiche(in.DistanceSecondaireFoyer),
             5,
             "Cette distance doit être inférieure à la distance focale",
             3020,
             CaseDegagementFoyer,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::DiametreTrouCentral:
        o = {in.DiametreTrouCentral,
             TexteLongueurFiche(in.DiametreTrouCentral),
             5,
             "Ce diamètre doit être inférieur au diamètre du miroir primaire",
             3020,
             CaseDiametreTrouCentral,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::CoefficientDeformationSecondaire:
        o = {in.CoefficientDeformationSecondaire,
             TexteSaufAuDela(in.CoefficientDeformationSecondaire, SeuilCoefficientACalculer, "#0.####"),
             8,
             "Premier coefficient de déformation du miroir secondaire, il doit être compris entre + et - " +
                 Nombre(999),
             3020,
             CaseCoefficientDeformationSecondaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::CoefficientDeformationSecondaire2:
        o = {in.CoefficientDeformationSecondaire2,
             TexteSaufAuDela(in.CoefficientDeformationSecondaire2, SeuilCoefficientACalculer, "#0.####"),
             8,
             "Deuxième coefficient de déformation du miroir secondaire, il doit être compris entre + et - " +
                 Nombre(999),
             3020,
             CaseCoefficientDeformationSecondaire2,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::EpaisseurPrimaire:
        o = {in.EpaisseurPrimaire,
             TexteLongueurFiche(in.EpaisseurPrimaire),
             4,
             ConseilEpaisseur(5),
             3020,
             CaseEpaisseurPrimaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::EpaisseurSecondaire:
        o = {in.EpaisseurSecondaire,
             TexteLongueurFiche(in.EpaisseurSecondaire),
             3,
             ConseilEpaisseur(1),
             3020,
             CaseEpaisseurSecondaire,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::EpaisseurLame:
        o = {in.EpaisseurLame,
             TexteLongueurFiche(in.EpaisseurLame),
             6,
             "",
             3020,
             CaseEpaisseurLame,
             false,
             true,
             false,
             0};
        break;
    case TValeurFiche::DistanceLameMiroir:
        o = {in.DistanceLameMiroir,
             TexteLongueurFiche(in.DistanceLameMiroir),
             6,
             "",
             3020,
             CaseDistanceLameMiroir,
             false,
             true,
             false,
             0};
        break;
    case TValeurFiche::DistanceDiaphragmeMiroir:
        o = {in.DistanceDiaphragmeMiroir,
             TexteLongueurFiche(in.DistanceDiaphragmeMiroir),
             6,
             "",
             3020,
             CaseDistanceDiaphragmeMiroir,
             false,
             true,
             false,
             0};
        break;
    case TValeurFiche::CoefficientK:
        o = {in.CoefficientK,
             FormateNombre(in.CoefficientK, "0.#"),
             3,
             "",
             3120,
             CaseCoefficientK,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::RayonMenisque1:
        o = {in.RayonMenisque1,
             TexteLongueurFiche(in.RayonMenisque1),
             6,
             "Ce rayon de courbure de la lame doit être inférieur à 200.000mm (200m)",
             0,
             CaseRayonMenisque1,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::RayonMenisque2:
        o = {in.RayonMenisque2,
             TexteLongueurFiche(in.RayonMenisque2),
             6,
             "Ce rayon de courbure de la lame doit être inférieur à 200.000mm (200m)",
             0,
             CaseRayonMenisque2,
             false,
             false,
             false,
             0};
        break;
    case TValeurFiche::DiametreMenisque:
        o = {in.DiametreMenisque,
             TexteLongueurFiche(in.DiametreMenisque),
             5,
             "Ce diamètre doit être inférieur à " + Nombre(50) + ".000mm (" + Nombre(50) + "m)",
             3020,
             CaseDiametreMenisque,
             false,
             false,
             false,
             0};
        break;
    }
    return o;
}

bool SurTableauSchmidt(TValeurFiche valeur)
{
    return valeur == TValeurFiche::RayonMenisque1 || valeur == TValeurFiche::RayonMenisque2 ||
           valeur == TValeurFiche::DiametreMenisque;
}

// The off-axis distances: below 1 with two decimals, from 10 on none, one between.
std::string TexteDistanceAxe(double valeur)
{
    return FormateNombre(valeur, valeur < 1 ? "0.##" : valeur >= 10 ? "0" : "0.#");
}

void OuvreDistanceAxe(TCodeSaisie code, double valeur, const std::string& texte, int largeur)
{
    EtatSaisie.CodeSaisie = code;
    EtatSaisie.ValeurAvantSaisie = valeur;
    TBoiteSaisie& boite = EtatSaisie.Saisie;
    boite.Image = TImageSaisie::BoxDistance;
    boite.Gauche = 1;
    boite.Haut = 1;
    boite.Largeur = largeur;
    boite.Hauteur = 15;
    boite.LongueurMax = 5;
    boite.Texte = texte;
    MontreConseil("");
    boite.Visible = true;
    ActiveEditionSaisie();
    boite.ToutSelectionne = true;
    boite.Focus = true;
}

} // namespace

std::string TexteLongueurFiche(double valeur)
{
    return valeur == 0 ? std::string() : FormateNombre(valeur, "#0.#");
}

TCodeSaisie CodeValeurFiche(TValeurFiche valeur, TTypeInstrument forme)
{
    const auto maksutov = {T::Maksutov, T::MaksutovCassegrain, T::MaksutovNewton};
    const auto lames = {T::Schmidt,        T::SchmidtCassegrain, T::Maksutov, T::MaksutovCassegrain,
                        T::MaksutovNewton, T::SchmidtNewton};
    switch (valeur)
    {
    case TValeurFiche::DiametreEntree: return CodeParForme(CodesDiametreEntree, forme);
    case TValeurFiche::DiametreMiroir:
        return CodeSiForme(SaisieDiametreMiroir, {T::Schmidt, T::Maksutov, T::MaksutovNewton, T::SchmidtNewton}, forme);
    case TValeurFiche::DiametreMiroirHoughton:
        return CodeSiForme(SaisieDiametreMiroirHoughton, {T::LurieHoughton}, forme);
    case TValeurFiche::FocalePrimaire: return CodeParForme(CodesFocalePrimaire, forme);
    case TValeurFiche::FocaleResultante: return CodeParForme(CodesFocaleResultante, forme);
    case TValeurFiche::RayonCourburePrimaire: return CodeParForme(CodesRayonCourburePrimaire, forme);
    case TValeurFiche::DegagementFoyer: return CodeParForme(CodesDegagementFoyer, forme);
    case TValeurFiche::CoefficientDeformationPrimaire: return CodeParForme(CodesDeformationPrimaire, forme);
    case TValeurFiche::DiametreSecondaire: return CodeParForme(CodesDiametreSecondaire, forme);
    case TValeurFiche::DistanceSecondaireFoyer: return CodeParForme(CodesDistanceSecondaireFoyer, forme);
    case TValeurFiche::DiametreTrouCentral: return CodeParForme(CodesDiametreTrouCentral, forme);
    case TValeurFiche::CoefficientDeformationSecondaire: return CodeParForme(CodesDeformationSecondaire, forme);
    case TValeurFiche::CoefficientDeformationSecondaire2:
        return CodeSiForme(SaisieDeformationSecondaire2, {T::RitcheyChretien}, forme);
    case TValeurFiche::EpaisseurPrimaire: return CodeParForme(CodesEpaisseurPrimaire, forme);
    case TValeurFiche::EpaisseurSecondaire: return CodeParForme(CodesEpaisseurSecondaire, forme);
    case TValeurFiche::EpaisseurLame: return CodeSiForme(SaisieEpaisseurLame, lames, forme);
    case TValeurFiche::DistanceLameMiroir: return CodeSiForme(SaisieDistanceLameMiroir, lames, forme);
    case TValeurFiche::CoefficientK: return CodeSiForme(SaisieCoefficientK, {T::Schmidt}, forme);
    case TValeurFiche::CoefficientDeformationLame:
        return CodeSiForme(SaisieDeformationLame, {T::Schmidt, T::SchmidtCassegrain, T::SchmidtNewton}, forme);
    case TValeurFiche::DiametreMenisque:
        return CodeSiForme(SaisieDiametreMenisque, {T::Maksutov, T::MaksutovNewton}, forme);
    case TValeurFiche::RayonMenisque1: return CodeSiForme(SaisieRayonMenisque1, maksutov, forme);
    case TValeurFiche::RayonMenisque2: return CodeSiForme(SaisieRayonMenisque2, maksutov, forme);
    case TValeurFiche::DistanceDiaphragmeMiroir: return CodeParForme(CodesDistanceDiaphragmeMiroir, forme);
    }
    return AucuneSaisie;
}

void OuvreValeurFiche(TValeurFiche valeur)
{
    const TCodeSaisie code = CodeValeurFiche(valeur, Instrument.TypeInstrument);
    if (code == AucuneSaisie)
        return;
    if (valeur == TValeurFiche::DiametreEntree && EtatSaisie.CadreLentille)
        return;
    Prepare(PreparationDe(valeur));
    const TOuverture o = Ouverture(valeur);
    if (valeur == TValeurFiche::FocalePrimaire)
        Instrument.AncienneFocalePrimaire = Instrument.FocalePrimaire;
    if (valeur == TValeurFiche::DiametreSecondaire)
        Systeme.MessageDejaAffiche = 0;
    if (valeur == TValeurFiche::RayonMenisque1 || valeur == TValeurFiche::RayonMenisque2)
    {
        Groupe.RayonGroupe[1] = -Instrument.RayonMenisque1;
        Groupe.RayonGroupe[2] = -Instrument.RayonMenisque2;
    }
    const TImageSaisie image = SurTableauSchmidt(valeur) ? TImageSaisie::TableauSchmidt : TImageSaisie::Fenetre;
    Ouvre(code, o, image, MiseEnPage.CaseValeur[static_cast<std::size_t>(o.Case)]);
}

void OuvreSaisieDiametreEntree()
{
    OuvreValeurFiche(TValeurFiche::DiametreEntree);
}
void OuvreSaisieFocaleResultante()
{
    OuvreValeurFiche(TValeurFiche::FocaleResultante);
}
void OuvreSaisieDiametreSecondaire()
{
    OuvreValeurFiche(TValeurFiche::DiametreSecondaire);
}
void OuvreSaisieEpaisseurPrimaire()
{
    OuvreValeurFiche(TValeurFiche::EpaisseurPrimaire);
}
void OuvreSaisieEpaisseurSecondaire()
{
    OuvreValeurFiche(TValeurFiche::EpaisseurSecondaire);
}
void OuvreSaisieCoefficientDeformationLame()
{
    OuvreValeurFiche(TValeurFiche::CoefficientDeformationLame);
}

void OuvreSaisieTitreDispositif()
{
    PortsEdition.FermeCadresEtRafraichit();
    CacheLignes();
    Controles.LigneSchmidt.Visible = false;
    EtatSaisie.CodeSaisie = SaisieTitreDispositif;
    const std::string& titre = Dispositif.TitreDispositif;
    EtatSaisie.TexteAvantSaisie = SansBlancs(titre);
    TBoiteSaisie& boite = EtatSaisie.Saisie;
    boite.Hauteur = 18;
    boite.Texte = titre;
    boite.LongueurMax = 90;
    MontreConseil("Texte libre de 90 caractères maximum");
    const TCase& rectangle = MiseEnPage.CaseTitreDispositif;
    boite.Image = TImageSaisie::Fenetre;
    boite.Gauche = rectangle.Left;
    boite.Haut = rectangle.Top;
    boite.Largeur = rectangle.Right - rectangle.Left;
    boite.Visible = true;
    ActiveEditionSaisie();
    FixeAide(3250);
    boite.ToutSelectionne = true;
    boite.Focus = true;
    PortsEdition.MontreSaisie();
}

void OuvreSaisieDistanceAxeEtoile()
{
    PortsEdition.FermeCadresEtRafraichit();
    const double valeur = Reglages.DistanceAxeEtoile;
    OuvreDistanceAxe(SaisieDistanceAxeEtoile, valeur, TexteDistanceAxe(valeur) + " '", 30);
    if (PortsEdition.VueCourante() == TVue::EtoileUnique)
        FixeAide(3500);
    else if (PortsEdition.VueCourante() == TVue::Instrument && Instrument.TypeInstrument == T::Maksutov)
        FixeAide(3100);
    PortsEdition.MontreSaisie();
}

void OuvreSaisieDistanceAxeImage()
{
    PortsEdition.FermeCadresEtRafraichit();
    const double valeur = Reglages.DistanceAxeImage;
    OuvreDistanceAxe(SaisieDistanceAxeImage, valeur, TexteDistanceAxe(valeur), 37);
    FixeAide(3200);
    PortsEdition.MontreSaisie();
}

void ActiveEditionSaisie()
{
    PortsEdition.ActiveCommande(TCommandeEdition::Copier, true);
    PortsEdition.ActiveCommande(TCommandeEdition::Couper, true);
    PortsEdition.ActiveCommande(TCommandeEdition::Coller, PortsEdition.PressePapiersTexte());
    Controles.ComboBoxLambda.Visible = false;
}

// Design of the Schmidt forms: mirror radius and focal length, plate place and divisors, traced searches.
#include "optics/FormulesSchmidt.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>

#include "optics/Arrondis.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceSchmidt.h"
#include "optics/TraceSchmidtCassegrain.h"
#include "optics/Validite.h"

namespace {

constexpr double Infini = std::numeric_limits<double>::infinity();

// ---- Plate tables: columns by F/D, rows by k ----

constexpr int NombreColonnes = 6;
constexpr int NombreLignesK = 5;
constexpr std::array<float, NombreColonnes> ColonnesFD = {1, 1.5f, 1.75f, 2, 3, 4};
constexpr std::array<float, NombreLignesK> LignesK = {0, 0.5f, 1, 1.5f, 2};

using TTableLame = std::int32_t[NombreLignesK][NombreColonnes];
using TLigneLame = std::int32_t[NombreColonnes];

constexpr TTableLame TableLameC1 = {
    {10, 17, 23, 31, 41, 48},       {14, 28, 40, 54, 110, 180},     {19, 46, 62, 88, 200, 300},
    {160, 170, 170, 170, 170, 170}, {460, 310, 260, 240, 220, 250},
};
constexpr TTableLame TableLameC2 = {
    {21, 30, 33, 37, 42, 60},     {19, 56, 65, 90, 94, 110},      {34, 68, 88, 85, 200, 200},
    {19, 60, 100, 220, 240, 260}, {110, 140, 140, 160, 200, 350},
};
constexpr TTableLame TableLameC3 = {
    {-14, -19, -23, -28, -31, -39},     {-16, -37, -48, -66, -87, -110},     {-27, -58, -75, -83, -193, -200},
    {-33, -98, -150, -285, -200, -170}, {500, -300, -200, -240, -200, -230},
};
constexpr const TTableLame* TablesLame[3] = {&TableLameC1, &TableLameC2, &TableLameC3};

// Divisors of a plate nearer the mirror than its centre of curvature, one row per divisor.
constexpr TLigneLame TableLameProche[3] = {
    {70, 170, 170, 170, 170, 170},
    {29, 100, 160, 220, 220, 220},
    {-50, -210, -240, -185, -185, -185},
};

// Schmidt-Cassegrain divisors at the nearest plate place (a) and at the farthest (b).
constexpr TLigneLame TableLameSchmidtCassegrainProche[3] = {
    {190, 190, 190, 190, 190, 190},
    {130, 160, 140, 140, 140, 140},
    {-180, -166, -136, -133, -133, -133},
};
constexpr TLigneLame TableLameSchmidtCassegrainLointaine[3] = {
    {100, 150, 170, 600, 600, 600},
    {150, 160, 160, 160, 160, 160},
    {-166, -166, -166, -240, -240, -240},
};
// The farthest plate place as a multiple of the nearest.
constexpr std::array<float, NombreColonnes> FacteursPlaceLointaine = {1.116071f, 1.294498f, 1.402167f,
                                                                      1.494253f, 1.952048f, 2.497399f};

// The Schmidt-Cassegrain's first magnification is set this much below F / F1.
constexpr double CorrectionGrandissementInitial = 1.0325;

// Bounds of the searches, far beyond what a design needs.
constexpr int PasMaximauxFocaleSchmidt = 100;
// How far F1 may move for each millimetre of traced focal length in the Schmidt's focal search: about one, the
// plate's power changing a little with the mirror.
constexpr double TauxFocaleMinimal = 0.5;
constexpr double TauxFocaleMaximal = 2;
constexpr int PasMaximauxSchmidtCassegrain = 200;
constexpr int PasMaximauxParPhaseLame = 1000;
constexpr double DiviseurFinalLame = 100000;

constexpr double MinutesParRadian = 3437.7467707849; // 10800 / pi

double ArrondiDixieme(double valeur)
{
    return static_cast<double>(Round(10 * valeur)) / 10;
}

double HauteurZoneNeutre()
{
    return std::sqrt(Instrument.CoefficientK / 2) * Instrument.DiametreEntree / 2;
}

// Index of the lower end of the F/D interval holding X (X already within 1..4).
int ColonneBasse(float X)
{
    if (X < 1.5f)
        return 0;
    if (X < 1.75f)
        return 1;
    if (X < 2)
        return 2;
    if (X < 3)
        return 3;
    return 4;
}

// Index of the lower end of the k interval; k above 2 extrapolates from the last interval.
int LigneBasse(float k)
{
    if (k < 0.5f)
        return 0;
    if (k < 1)
        return 1;
    if (k < 1.5f)
        return 2;
    return 3;
}

// Linear interpolation along F/D, in the tables' own precision.
float InterpoleFD(float bas, float haut, float X, int colonne)
{
    const float XBas = ColonnesFD[colonne];
    const float XHaut = ColonnesFD[colonne + 1];
    return haut - (haut - bas) * (XHaut - X) / (XHaut - XBas);
}

float InterpoleLigne(const TLigneLame& ligne, float X, int colonne)
{
    return InterpoleFD(static_cast<float>(ligne[colonne]), static_cast<float>(ligne[colonne + 1]), X, colonne);
}

// The numbers of a device title "*c1   c2   c3   ": five characters each from the second. As the
// typed numbers are read, only digits, signs, decimal marks and exponents count; a field that is
// then no number reads as 0, which leaves the tables' values in place.
double NombreDuTitre(const std::string& titre, std::size_t debut)
{
    if (debut >= titre.size())
        return 0;
    std::string chiffres;
    for (char caractere : titre.substr(debut, 5))
    {
        if (caractere == ',')
            caractere = '.';
        if (std::isdigit(static_cast<unsigned char>(caractere)) ||
            std::string_view("+-.Ee").find(caractere) != std::string_view::npos)
            chiffres += caractere;
    }
    if (chiffres.empty())
        return 0;
    char* fin = nullptr;
    const double valeur = std::strtod(chiffres.c_str(), &fin);
    return *fin == '\0' && std::isfinite(valeur) ? valeur : 0;
}

void CoefficientsDuTitre(std::array<double, 3>& c)
{
    const std::string& titre = Dispositif.TitreDispositif;
    if (titre.empty() || titre[0] != '*')
        return;
    const std::array<double, 3> lus = {NombreDuTitre(titre, 1), NombreDuTitre(titre, 6), NombreDuTitre(titre, 11)};
    if (std::find(lus.begin(), lus.end(), 0.0) == lus.end())
        c = lus;
}

// Divisors of the camera and the Schmidt-Newton: by F/D and k, then drawn towards the near-plate
// values when the plate stands nearer the mirror than its centre of curvature.
void CoefficientsLameSchmidt(float X, int colonne, std::array<double, 3>& c)
{
    TInstrument& I = Instrument;
    const float k = static_cast<float>(I.CoefficientK);
    const int ligne = LigneBasse(k);
    for (int j = 0; j < 3; ++j)
    {
        const TTableLame& table = *TablesLame[j];
        const std::array<float, 4> coins = {
            static_cast<float>(table[ligne][colonne]), static_cast<float>(table[ligne + 1][colonne]),
            static_cast<float>(table[ligne][colonne + 1]), static_cast<float>(table[ligne + 1][colonne + 1])};
        c[j] = InterpoleCoefficientLame(coins, k, LignesK[ligne], LignesK[ligne + 1], X, ColonnesFD[colonne],
                                        ColonnesFD[colonne + 1]);
    }
    const double placeLointaine = I.RayonCourburePrimaire - I.EpaisseurLame / 2;
    const double Lp = I.DistanceLameMiroir;
    if (Lp >= placeLointaine)
        return;
    const double placeProche = I.FocalePrimaire + 20;
    for (int j = 0; j < 3; ++j)
    {
        const double proche = InterpoleLigne(TableLameProche[j], X, colonne);
        I.CoefficientsAspheriquesLameProche[static_cast<std::size_t>(j)] = proche;
        if (Lp <= placeProche)
            c[j] = proche;
        else
            c[j] -= (placeLointaine - Lp) * (c[j] - proche) / (placeLointaine - placeProche);
    }
}

// Divisors of the Schmidt-Cassegrain, between its nearest and farthest plate places.
void CoefficientsLameSchmidtCassegrain(float X, int colonne, std::array<double, 3>& c)
{
    const TInstrument& I = Instrument;
    const double placeProche =
        (I.FocalePrimaire - I.DistanceFoyerPrimaireSecondaire) + I.EpaisseurLame / 2 + 10 + I.DiametreEntree / 20;
    const double placeLointaine =
        placeProche * InterpoleFD(FacteursPlaceLointaine[colonne], FacteursPlaceLointaine[colonne + 1], X, colonne);
    const double L = std::clamp(static_cast<double>(I.DistanceLameMiroir), std::min(placeProche, placeLointaine),
                                std::max(placeProche, placeLointaine));
    for (int j = 0; j < 3; ++j)
    {
        const double a = InterpoleLigne(TableLameSchmidtCassegrainProche[j], X, colonne);
        const double b = InterpoleLigne(TableLameSchmidtCassegrainLointaine[j], X, colonne);
        // An interval of no length (a secondary beyond the plate) keeps the nearest place's values.
        c[j] = placeLointaine > placeProche ? a + (b - a) * (L - placeProche) / (placeLointaine - placeProche) : a;
    }
}

// Relief of the plate: the extremes of its profile over the radius, from the axis.
void CalculeReliefLame()
{
    TInstrument& I = Instrument;
    double plusHaut = 0;
    double plusBas = 0;
    for (int i = 0; i <= 100; ++i)
    {
        const double fleche = I.CoefficientDeformationLame * FlecheLame(i * I.DiametreEntree / 200);
        plusHaut = std::max(plusHaut, fleche);
        plusBas = std::min(plusBas, fleche);
    }
    I.ReliefLame = plusHaut - plusBas;
}

// The solver neither gave up nor was stopped (it then sets `CalculInterrompu`), and measured a focal length.
bool RechercheEnCours()
{
    return !Systeme.CalculInterrompu && Validite.InstrumentValide && std::isfinite(Instrument.FocaleEffective) &&
           Instrument.FocaleEffective > 0;
}

// The error sum of the plate coefficient K: the reference ray sets the focus, then ten zones of
// the pupil are measured against it.
double SommeEcartsLame(double K)
{
    TInstrument& I = Instrument;
    I.CoefficientDeformationLame = K;
    const double D = I.DiametreEntree;
    if (!MesureFoyerZonal(Systeme.DistanceAxeRayonFoyer * D, TraceSchmidtCassegrain))
        return Infini;
    double somme = 0;
    for (int i = 1; i <= 10; ++i)
        somme += EcartAuFoyer(i * D / 20, TraceSchmidtCassegrain);
    return somme;
}

} // namespace

float InterpoleCoefficientLame(const std::array<float, 4>& coins, float k, float kBas, float kHaut, float X, float XBas,
                               float XHaut)
{
    const auto [basBas, hautBas, basHaut, hautHaut] = coins;
    const float auBas = hautBas - (hautBas - basBas) * (kHaut - k) / (kHaut - kBas);
    const float auHaut = hautHaut - (hautHaut - basHaut) * (kHaut - k) / (kHaut - kBas);
    return auHaut - (auHaut - auBas) * (XHaut - X) / (XHaut - XBas);
}

void CalculeCoefficientsLame()
{
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    I.RapportFD = I.FocalePrimaire / I.DiametreEntree;
    const float X = std::clamp(static_cast<float>(I.RapportFD), ColonnesFD.front(), ColonnesFD.back());
    const int colonne = ColonneBasse(X);
    std::array<double, 3> c = I.CoefficientsAspheriquesLame;
    switch (I.TypeInstrument)
    {
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton: CoefficientsLameSchmidt(X, colonne, c); break;
    case TTypeInstrument::SchmidtCassegrain: CoefficientsLameSchmidtCassegrain(X, colonne, c); break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain: break;
    }
    CoefficientsDuTitre(c);
    I.CoefficientsAspheriquesLame = c;
    AppliqueIndices();
    CalculeReliefLame();
}

void CalculeSchmidt()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    I.RayonPrimaireCube = std::pow(I.RayonCourburePrimaire, 3);
    I.RayonPrimairePuissance5 = std::pow(I.RayonCourburePrimaire, 5);
    if (I.TypeInstrument == TTypeInstrument::Schmidt)
    {
        // The camera's film holder, as large as the fully lit field, is its central obstruction; a
        // plate not yet placed gives no field rather than an infinite one. The traces that follow take the
        // holder just sized, not the one the previous refresh left, so that a second refresh changes nothing.
        const double Lp = I.DistanceLameMiroir;
        const double champ = Lp > 0 ? (I.DiametreMiroir - I.DiametreEntree) * I.FocalePrimaire / Lp : 0;
        I.DiametreChampPleineLumiere = static_cast<float>(champ);
        I.DiametreSecondaire = I.DiametreChampPleineLumiere;
        const double porteFilm = I.DiametreSecondaire;
        I.RayonObstructionCarre = porteFilm * porteFilm / 4;
    }
    CalculeCoefficientsLame();
}

void CalculeRayonSchmidt()
{
    TInstrument& I = Instrument;
    double R = 2 * I.FocaleResultante;
    I.RayonCourburePrimaire = R;
    if (!Validite.InstrumentValide || !(I.CoefficientK > 0.01))
        return;
    const double y = HauteurZoneNeutre();
    // A neutral zone outside the sphere has no such mirror: R stays 2 F.
    if (!(y < R))
        return;
    const double fleche = R - std::sqrt(R * R - y * y);
    const double angle = (std::numbers::pi / 2 - std::atan((I.FocalePrimaire - fleche) / y)) / 2;
    R = y / std::sin(angle);
    if (std::isfinite(R))
        I.RayonCourburePrimaire = ArrondiDixieme(R);
}

void CalculeFocaleSchmidt()
{
    TInstrument& I = Instrument;
    const double R = I.RayonCourburePrimaire;
    if (!(R > 0.01))
        return;
    if (I.CoefficientK < 0.01)
    {
        I.FocalePrimaire = R / 2;
        return;
    }
    const double y = HauteurZoneNeutre();
    if (!(y < R))
        return;
    const double angle = std::asin(y / R);
    I.FocalePrimaire = ArrondiDixieme(y * std::tan(std::numbers::pi / 2 - 2 * angle) + R - std::sqrt(R * R - y * y));
}

void AjusteFocaleSchmidt()
{
    const TGardeCalcul garde;
    TInstrument& I = Instrument;
    if (!(I.CoefficientK > 0.01 && I.DistanceLameMiroir > 1 && Validite.InstrumentValide))
        return;
    CalculeSchmidt();
    PrepareSysteme();
    const double F = I.FocaleResultante;
    // The traced focal length follows F1 nearly one for one: each step moves F1 by the remaining gap times the rate
    // the last two steps measured (one at first), so that a few solves reach it where a hundredth of the gap at each
    // step took hundreds.
    double taux = 1;
    double focalePrecedente = I.FocalePrimaire;
    double traceePrecedente = I.FocaleEffective;
    for (int pas = 0; std::abs(F - I.FocaleEffective) > 0.01; ++pas)
    {
        if (!RechercheEnCours())
            break;
        if (pas == PasMaximauxFocaleSchmidt)
        {
            Systeme.CalculEchoue = true;
            break;
        }
        if (pas > 0)
        {
            const double mesure = (I.FocalePrimaire - focalePrecedente) / (I.FocaleEffective - traceePrecedente);
            taux = std::isfinite(mesure) ? std::clamp(mesure, TauxFocaleMinimal, TauxFocaleMaximal) : 1;
        }
        focalePrecedente = I.FocalePrimaire;
        traceePrecedente = I.FocaleEffective;
        I.FocalePrimaire += (F - I.FocaleEffective) * taux;
        // The sag at the neutral zone is taken on the current, unrounded sphere.
        const double y = HauteurZoneNeutre();
        const double R = I.RayonCourburePrimaire;
        const double rayon =
            y /
            std::sin((std::numbers::pi / 2 - std::atan((I.FocalePrimaire - (R - std::sqrt(R * R - y * y))) / y)) / 2);
        if (!std::isfinite(rayon))
        {
            Systeme.CalculEchoue = true;
            break;
        }
        I.RayonCourburePrimaire = rayon;
        PrepareSysteme();
        CalculeRayonSchmidt();
    }
    CalculeSchmidt();
    CalculeCoefficientsLame();
}

void CalculeFocaleTraceeSchmidt()
{
    const TGardeCalcul garde;
    CalculeSchmidt();
    if (!Validite.InstrumentValide)
        return;
    PrepareSysteme();
    if (RechercheEnCours())
        Instrument.FocaleResultante = Instrument.FocaleEffective;
}

void CalculeSchmidtCassegrain()
{
    const TGardeCalcul garde;
    TInstrument& I = Instrument;
    VerifieInstrument();
    if (I.RayonCourburePrimaire > 1 && I.DiametreEntree > 1)
        CalculeFocaleSchmidt();
    if (!Validite.InstrumentValide)
    {
        I.FocalePrimaire = 0;
        I.RayonCourbureSecondaire = 0;
        return;
    }
    // The tracer takes the Schmidt-Cassegrain pass even without secondary while this is designed.
    Systeme.ConceptionSchmidtCassegrain = true;
    const double F = I.FocaleResultante;
    if (I.RayonCourburePrimaire > 1 && F > 1.1 * I.FocalePrimaire)
        I.Grandissement = F / I.FocalePrimaire / CorrectionGrandissementInitial;
    CalculeCoefficientsLame();
    Rayon.DispositifActif = false;
    CalculeSecondaireSchmidtCassegrain();
    PrepareSysteme();
    for (int pas = 0; std::abs(F - I.FocaleEffective) > 0.01; ++pas)
    {
        if (!RechercheEnCours())
            break;
        if (pas == PasMaximauxSchmidtCassegrain)
        {
            Systeme.CalculEchoue = true;
            break;
        }
        PrepareSysteme();
        if (!RechercheEnCours())
            break;
        const double grandissement = I.Grandissement * F / I.FocaleEffective;
        if (!(grandissement > 1))
        {
            // A secondary that no longer magnifies has no Cassegrain geometry.
            Systeme.CalculEchoue = true;
            break;
        }
        I.Grandissement = grandissement;
        CalculeSecondaireSchmidtCassegrain();
    }
    CalculeSecondaireSchmidtCassegrain();
    if (Validite.SansSecondaire)
    {
        TraceSchmidt();
        const TRayon& r = Rayon;
        if (!r.RayonPerdu && r.LRayon != 0)
            Systeme.PositionFoyer = r.ZRayon - r.XRayon * r.NRayon / r.LRayon;
    }
    Rayon.DispositifActif = true;
    Systeme.ConceptionSchmidtCassegrain = false;
}

void CalculeSecondaireSchmidtCassegrain()
{
    TInstrument& I = Instrument;
    I.CoefficientDeformationPrimaire = 0;
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceSchmidtCassegrain();
    I.DiametreMiroir = 2 * I.ImpactPrimaire[0];
    GeometrieCassegrain();
    Systeme.PositionFoyer = I.DegagementFoyer;
    if (I.ProfilLame != ProfilAucun)
        RechercheCoefficientLame();
}

void RechercheCoefficientLame()
{
    Rayon.EstRayonReference = true;
    Systeme.SensRecherche = 1;
    bool sommeFinie = false;
    auto somme = [&](double K) {
        const double s = SommeEcartsLame(K);
        sommeFinie = sommeFinie || std::isfinite(s);
        return s;
    };

    // Always towards larger K; each overshoot goes back two steps and halves the step.
    double K = 0;
    double A = somme(0);
    K = 0.1;
    double B = somme(K);
    double diviseur = 10;
    double sauveA = 0;
    double sauveB = 0;
    int pas = 0;
    while (diviseur < DiviseurFinalLame)
    {
        if (std::isfinite(B) && B <= A)
        {
            if (++pas > PasMaximauxParPhaseLame)
            {
                Systeme.CalculEchoue = true;
                break;
            }
            sauveA = A;
            sauveB = B;
            A = somme(K);
            K += 1 / diviseur;
            B = somme(K);
        }
        else
        {
            K -= 2 / diviseur;
            diviseur *= 2;
            A = sauveA;
            B = sauveB;
            Systeme.SensRecherche = -Systeme.SensRecherche;
            pas = 0;
        }
    }
    if (!sommeFinie)
    {
        // No ray reached the focus: no coefficient can be judged.
        K = 0;
        Systeme.CalculEchoue = true;
    }
    TInstrument& I = Instrument;
    I.CoefficientLameOptimal = K;
    I.CoefficientDeformationLame = K * I.CoefficientLameRelatif;
    // The relief is the profile's at this coefficient; measured before the search, it kept the previous
    // computation's and moved on the next refresh.
    CalculeReliefLame();
}

void CalculeChampSchmidt()
{
    const TInstrument& I = Instrument;
    const double R = I.RayonCourburePrimaire;
    if (!(R > 1 && I.FocaleEffective > 1 && R - I.FocalePrimaire > 1))
        return;
    const double champ = I.DiametreChampPleineLumiere;
    Reglages.RayonChampLineaire = static_cast<std::int32_t>(std::ceil(champ / 2));
    // A field wider than the sphere about the focus is taken as a right angle.
    const double sinus = std::clamp(champ / 2 / (R - I.FocalePrimaire), -1.0, 1.0);
    Reglages.RayonChampAngulaire = static_cast<std::int32_t>(10 * std::ceil(std::asin(sinus) * MinutesParRadian / 10));
}

void PlaceLameSchmidt()
{
    TInstrument& I = Instrument;
    const double R = I.RayonCourburePrimaire;
    const double t = I.EpaisseurLame;
    // Without a profile, or with one on each face, the plate stands at the centre of curvature.
    double place = R;
    if (I.ProfilLame == ProfilAvant)
        place = R - t / 5;
    if (I.ProfilLame == ProfilArriere)
        place = R - t / 2;
    I.DistanceLameMiroir = static_cast<float>(place);
}

void AjusteSchmidt()
{
    TInstrument& I = Instrument;
    I.FocalePrimaire = I.AncienneFocalePrimaire;
    CalculeRayonPrimaire();
    if (I.TypeInstrument == TTypeInstrument::Newton)
        I.DistanceEntreMiroirs = I.FocalePrimaire - I.DistanceSecondaireFoyer;
    // The studied field follows the camera only: another form keeps the field settings it has.
    if (I.TypeInstrument == TTypeInstrument::Schmidt)
    {
        PlaceLameSchmidt();
        CalculeChampSchmidt();
    }
}

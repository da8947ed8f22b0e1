// Validity checks: whether the instrument of each form and the lens device can be computed and drawn.
#include "optics/Validite.h"

#include <algorithm>
#include <cmath>

#include "optics/Arrondis.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"

namespace {

// The values the checks compare, named as the formulas name them.
struct TValeurs
{
    double D, Dm, F1, F, R, R2, d, B, t, h;
    float DS, Lp, Ls;
    int N;
    double r1, r2;
    float n1, n2, lim;
    bool ligneVerte;
};

bool EstLigneSpectrale(TLongueurOnde ligne)
{
    return ligne >= 1 && ligne <= NombreLongueursOnde;
}

TValeurs LitValeurs()
{
    // A row count out of its range (a damaged file) is brought back before any loop reads rows.
    Groupe.NombreDioptresGroupe = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    const TInstrument& I = Instrument;
    return TValeurs{I.DiametreEntree,
                    I.DiametreMiroir,
                    I.FocalePrimaire,
                    I.FocaleResultante,
                    I.RayonCourburePrimaire,
                    I.RayonCourbureSecondaire,
                    I.DistanceSecondaireFoyer,
                    I.DegagementFoyer,
                    I.EpaisseurLame,
                    I.DiametreTrouCentral,
                    I.DiametreSecondaire,
                    I.DistanceLameMiroir,
                    I.DistanceDiaphragmeMiroir,
                    Groupe.NombreDioptresGroupe,
                    Groupe.RayonGroupe[1],
                    Groupe.RayonGroupe[2],
                    Groupe.IndiceVertGroupe[1],
                    Groupe.IndiceVertGroupe[2],
                    Reglages.IndiceLimite,
                    EstLigneSpectrale(LongueursOnde.LongueurOndeVerte)};
}

void TestSecondaire(const TValeurs& v)
{
    Validite.SecondaireDefini = v.DS > 1e-6 && v.d > 1e-6;
}

void CouleursLame(const TValeurs& v)
{
    if (Groupe.IndiceRougeGroupe[1] < v.lim || Groupe.IndiceBleuGroupe[1] < v.lim)
        Validite.CouleursInstrumentCompletes = false;
}

// Row checks of the lens group; the Houghton correctors test radius and diameter against D.
// `sansDerniereEpaisseur`: the refractor's last thickness is the solved focus distance.
bool LignesGroupeValides(const TValeurs& v, bool houghton, bool sansDerniereEpaisseur)
{
    bool valide = true;
    for (int i = 1; i <= v.N; ++i)
    {
        const bool rayonManquant =
            houghton ? std::abs(Groupe.RayonGroupe[i]) < v.D / 2 : EstRayonManquant(Groupe.RayonGroupe[i]);
        const bool diametreManquant =
            houghton ? Groupe.DiametreGroupe[i] < 0.8 * v.D : EstDiametreManquant(Groupe.DiametreGroupe[i]);
        const bool epaisseurManquante =
            !(sansDerniereEpaisseur && i == v.N) && EstEpaisseurInvalide(Groupe.EpaisseurGroupe[i]);
        if (rayonManquant || epaisseurManquante || diametreManquant ||
            EstIndiceInutilisable(Groupe.IndiceVertGroupe[i]))
            valide = false;
        if (EstIndiceInutilisable(Groupe.IndiceRougeGroupe[i]) || EstIndiceInutilisable(Groupe.IndiceBleuGroupe[i]))
            Validite.CouleursInstrumentCompletes = false;
    }
    return valide;
}

// Axial coordinate of the plate's profiled face in the plate trace.
void PositionLame(const TValeurs& v)
{
    Instrument.CoteLame = v.t <= 90 ? 100 : static_cast<std::int32_t>(Round(2 * v.t));
}

void ConflitSchmidt()
{
    Validite.ConflitGeometrique = Validite.DispositifValide && Dispositif.SommetDioptre[1] < 0;
}

// Smallest flat of the Newton forms and its collision with the lens device. A primary so fast
// that its focus lies within half an aperture of its sag has no flat that folds the beam: the
// instrument is then invalid rather than given a NaN or negative flat.
bool PlanNewton(const TValeurs& v)
{
    const double s = FlecheSphere(2 * v.F1, v.D);
    if (2 * v.F1 < v.D / 2 || v.F1 - s <= v.D / 2)
    {
        Instrument.DiametreSecondaireMinimal = 0;
        return false;
    }
    const double ouverture = (v.F1 - s) / v.D;
    const double recul = v.d / (4 * ouverture * ouverture - 1);
    double largeur = v.DS;
    if (v.DS <= 1e-6)
    {
        Instrument.DiametreSecondaireMinimal =
            static_cast<float>(v.d * v.D * (1 / (2 * v.F1 - 2 * s + v.D) + 1 / (2 * v.F1 - 2 * s - v.D)));
        largeur = Instrument.DiametreSecondaireMinimal;
    }
    Validite.ConflitGeometrique =
        Validite.DispositifPresent && v.d > 1e-6 && (v.F1 - v.d) + largeur / 2 - recul > Dispositif.SommetDioptre[1];
    return true;
}

void ConflitMenisque(const TValeurs& v)
{
    Validite.ConflitGeometrique = Instrument.Grandissement < 0.1;
    if (Validite.InstrumentValide && !Validite.ConflitGeometrique)
    {
        const double dn = static_cast<double>(v.n1) - v.n2;
        const double puissance = 2 / v.R + dn * dn * v.t / (v.n1 * v.r1 * v.r2) + dn * (1 / v.r1 - 1 / v.r2);
        if (puissance < 0)
            Validite.ConflitGeometrique = true;
    }
}

bool SchmidtValide(const TValeurs& v)
{
    bool valide = v.D > 1 && v.Dm > 1 && v.Dm >= v.D && v.D > v.Dm / 3 && v.F1 > 1;
    if (Instrument.ProfilLame != ProfilAucun)
        valide = valide && v.t > 1e-6 && v.n1 > v.lim && v.ligneVerte;
    return valide;
}

bool SchmidtVierge(const TValeurs& v)
{
    return v.D < 1 && v.Dm < 1 && v.R < 1 && v.t < 1e-6 && v.n1 < v.lim;
}

bool DeuxMiroirsValide(const TValeurs& v)
{
    return v.D > 1 && v.F1 > 1 && v.F > 1.1 * v.F1 && std::abs(v.B) <= SeuilDegagementNonSaisi && v.DS > 1e-6;
}

bool DeuxMiroirsVierge(const TValeurs& v)
{
    return v.D < 1 && v.F1 < 1 && v.DS < 1 && v.F < 1;
}

bool VerreHoughtonValide(const TValeurs& v)
{
    return (v.n1 > v.lim && v.ligneVerte) || (EstDiaphragme(v.r1) && v.n1 >= 1);
}

} // namespace

void VerifieInstrument()
{
    Validite.CouleursInstrumentCompletes = true;
    const TValeurs v = LitValeurs();
    bool& valide = Validite.InstrumentValide;
    bool& vierge = Validite.InstrumentVierge;

    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun:
        valide = false;
        Validite.SecondaireDefini = false;
        vierge = true;
        break;

    case TTypeInstrument::Newton:
        valide = v.D > 1 && v.F1 > 1;
        TestSecondaire(v);
        if (valide)
            valide = PlanNewton(v);
        else
            Instrument.DiametreSecondaireMinimal = 0;
        vierge = v.D < 1 && v.F1 < 1 && v.DS < 1 && v.d < 1;
        break;

    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::DallKirkham:
        valide = DeuxMiroirsValide(v);
        TestSecondaire(v);
        vierge = DeuxMiroirsVierge(v);
        break;

    case TTypeInstrument::RitcheyChretien:
        valide = DeuxMiroirsValide(v) && !EstCoefficientACalculer(Instrument.CoefficientDeformationPrimaire) &&
                 !EstCoefficientACalculer(Instrument.CoefficientDeformationSecondaire);
        TestSecondaire(v);
        vierge = DeuxMiroirsVierge(v);
        break;

    case TTypeInstrument::Schwarzschild:
        valide = v.D > 1 && v.F1 > 1 && v.F > 1 && v.DS > 1e-6;
        TestSecondaire(v);
        vierge = DeuxMiroirsVierge(v);
        break;

    case TTypeInstrument::Schmidt:
        valide = SchmidtValide(v);
        PositionLame(v);
        ConflitSchmidt();
        CouleursLame(v);
        vierge = SchmidtVierge(v);
        break;

    case TTypeInstrument::SchmidtNewton:
    {
        TestSecondaire(v);
        const double ouverture = v.DS > 1 ? v.DS : (v.Lp > v.F1 ? v.D : 0.0);
        valide = SchmidtValide(v) && ouverture > 1;
        if (!Validite.SecondaireDefini)
            valide = valide && (Instrument.ProfilLame == ProfilAucun ? v.Lp >= v.F1 : v.Lp > v.F1);
        else
            valide = valide && v.Lp > v.DS / 2 + v.F1 - v.d;
        PositionLame(v);
        ConflitSchmidt();
        CouleursLame(v);
        vierge = SchmidtVierge(v);
        break;
    }

    case TTypeInstrument::SchmidtCassegrain:
        valide = v.D > 1 && v.R > 1 && v.F > 1.1 * v.F1 && std::abs(v.B) < SeuilDegagementNonSaisi &&
                 !(v.t <= 0.01 && Instrument.ProfilLame != ProfilAucun) && v.n1 > v.lim && v.ligneVerte;
        TestSecondaire(v);
        Validite.SansSecondaire = v.DS < 1e-6;
        PositionLame(v);
        if (!valide && !Validite.SansSecondaire)
            Instrument.CoefficientDeformationLame = 0;
        CouleursLame(v);
        vierge = v.D < 1 && v.R < 1 && v.DS < 1 && v.F < 1 && v.t < 0.01 && v.n1 < v.lim;
        break;

    case TTypeInstrument::Maksutov:
        valide = v.D > 1 && v.Dm > 1 && v.Dm >= v.D && v.R > 1 && v.t > 1e-6 && v.Lp > 1 && v.r1 < -1 && v.r2 < -1 &&
                 v.n1 > v.lim && v.ligneVerte && v.D > v.Dm / 3;
        CouleursLame(v);
        vierge = v.D < 1 && v.Dm < 1 && v.R < 1 && v.t < 1e-6 && v.Ls < 1 && v.Lp < 1 && v.r1 > -1 && v.r2 > -1 &&
                 v.n1 < v.lim;
        break;

    case TTypeInstrument::MaksutovNewton:
        valide = v.D > 1 && v.R > 1 && v.t > 1e-6 && v.Ls > 1 && v.Lp > 1 && v.r1 < -1 && v.r2 < -1 && v.n1 > v.lim &&
                 v.ligneVerte && v.DS > 1e-6 && v.d > 1e-6;
        TestSecondaire(v);
        // The focal length comes from the traced meniscus and mirror: until it is known there is no
        // flat to size, which is no fault of the design.
        if (valide && v.F1 > 1)
            valide = PlanNewton(v);
        else
            Instrument.DiametreSecondaireMinimal = 0;
        CouleursLame(v);
        vierge = v.D < 1 && v.R < 1 && v.F < 1 && v.t < 1e-6 && v.Ls < 1 && v.Lp < 1 && v.r1 > -1 && v.r2 > -1 &&
                 v.n1 < v.lim && v.DS <= 1 && v.d <= 1;
        break;

    case TTypeInstrument::MaksutovCassegrain:
        if (!Instrument.SecondaireSurMenisque)
        {
            valide = v.D > 1 && v.R > 1 && v.F > 1.1 * v.F1 && std::abs(v.B) < SeuilDegagementNonSaisi && v.t > 1e-6 &&
                     v.h > 1 && v.Lp > 1 && v.r1 < -1 && v.r2 < -1 && v.n1 > v.lim && v.ligneVerte && v.DS > 1e-6;
            TestSecondaire(v);
            vierge = v.D < 1 && v.R < 1 && v.F < 1 && std::abs(v.B) > SeuilDegagementNonSaisi && v.h <= 1 &&
                     v.t <= 1e-6 && v.DS <= 1 && Instrument.EpaisseurSecondaire <= 0.1 &&
                     Instrument.CoefficientDeformationSecondaire <= 1e-6 && v.Lp <= 1 && v.r1 >= -1 && v.r2 >= -1 &&
                     v.d <= 1;
        }
        else
        {
            valide = v.D > 1 && v.R > 1 && v.t > 1e-6 && v.Lp > 1 && v.r1 < -1 && v.r2 < -1 && v.n1 > v.lim &&
                     v.ligneVerte && v.DS > 1e-6;
            vierge = v.D < 1 && v.R < 1 && v.F < 1 && v.t < 1e-6 && v.Ls < 1 && v.Lp < 1 && v.r1 > -1 && v.r2 > -1 &&
                     v.DS < 1 && v.d < 1;
        }
        ConflitMenisque(v);
        CouleursLame(v);
        break;

    case TTypeInstrument::Lunette:
    {
        valide = std::abs(v.r1) > 1 && std::abs(Groupe.DiametreGroupe[1]) > 1 && v.N >= 1;
        valide = LignesGroupeValides(v, false, true) && valide;
        valide = valide && (v.n1 > v.lim || (EstDiaphragme(v.r1) && v.n2 > v.lim));
        valide = valide && v.ligneVerte && Groupe.IndiceVertGroupe[static_cast<std::size_t>(v.N)] < v.lim;
        if (!valide)
            Instrument.FocalePrimaire = 0;
        vierge = v.N < 1 && std::abs(v.r1) < 1 && std::abs(Groupe.DiametreGroupe[1]) < 1 &&
                 Groupe.IndiceRougeGroupe[1] < v.lim && v.n1 < v.lim && Groupe.IndiceBleuGroupe[1] < v.lim;
        break;
    }

    case TTypeInstrument::KlevtsovCassegrain:
        valide = v.D > 1 && v.R > 1 && v.Ls > 1 && v.DS > 1e-6 && v.R2 > 1 && v.h > 1;
        if (v.N > 0)
        {
            valide = LignesGroupeValides(v, false, false) && valide;
            valide = valide && v.n1 > v.lim && v.ligneVerte;
        }
        vierge = v.D < 1 && v.R < 1 && v.Ls < 1 && v.DS < 1 && v.n1 < v.lim && v.R2 <= 1;
        break;

    case TTypeInstrument::LurieHoughton:
        valide = v.D > 1 && v.Dm > v.D && v.R > 1 && v.d > 1 && v.DS > 1e-6 && v.N >= 2;
        TestSecondaire(v);
        Validite.CouleursInstrumentCompletes = true;
        valide = LignesGroupeValides(v, true, false) && valide;
        valide = valide && VerreHoughtonValide(v);
        if (valide)
            Validite.ConflitGeometrique = Systeme.PositionFoyer - v.d > Instrument.DistanceApresGroupe;
        vierge = v.D < 1 && v.Dm < 1 && v.R < 1 && v.DS < 1e-6 && v.n1 < v.lim;
        break;

    case TTypeInstrument::HoughtonCassegrain:
        valide = v.D > 1 && v.R > 1 && v.F > 1 && v.h > 1 && v.B < SeuilDegagementNonSaisi && v.DS > 1e-6 && v.N >= 2;
        TestSecondaire(v);
        Validite.CouleursInstrumentCompletes = true;
        valide = LignesGroupeValides(v, true, false) && valide;
        valide = valide && Groupe.EpaisseurGroupe[static_cast<std::size_t>(v.N)] >= v.D;
        valide = valide && VerreHoughtonValide(v);
        if (valide)
            Validite.ConflitGeometrique = Instrument.FocaleEffective <= v.R / 2;
        vierge = v.D < 1 && v.F < 1 && v.R < 1 && v.B < 1 && v.h < 1 && v.DS < 1e-6 && v.n1 < v.lim;
        break;
    }
}

void VerifieDispositif()
{
    // A row count out of its range (a damaged file) is brought back before any loop reads rows.
    Dispositif.NombreDioptres = std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
    const int n = Dispositif.NombreDioptres;
    const TDioptre& P = Dispositif;

    bool valide = EstLigneSpectrale(LongueursOnde.LongueurOndeVerte);
    bool troisCouleurs = true;
    for (int i = 1; i <= n; ++i)
    {
        if (EstRayonManquant(P.RayonDioptre[i]) || EstEpaisseurInvalide(P.EpaisseurDioptre[i]) ||
            (i < n && EstEpaisseurInfinie(P.EpaisseurDioptre[i])) || EstDiametreManquant(P.DiametreDioptre[i]) ||
            EstIndiceInutilisable(P.IndiceVert[i + 1]))
            valide = false;
        if (EstIndiceInutilisable(P.IndiceRouge[i + 1]) || EstIndiceInutilisable(P.IndiceBleu[i + 1]))
            troisCouleurs = false;
    }
    troisCouleurs =
        valide && troisCouleurs && (LongueursOnde.LongueurOndeRouge > 0 || LongueursOnde.LongueurOndeBleue > 0);

    Validite.DispositifValide = valide;
    Validite.DispositifPresent = n > 1 || std::abs(P.RayonDioptre[1]) >= 0.01 || P.EpaisseurDioptre[1] >= 0 ||
                                 P.DiametreDioptre[1] >= 0.1 || P.IndiceRouge[2] >= 1 || P.IndiceVert[2] >= 1 ||
                                 P.IndiceBleu[2] >= 1;
    Validite.SystemeAfocal = EstEpaisseurInfinie(P.EpaisseurDioptre[n]);

    // In a Schmidt camera the device sits in the beam in front of the mirror and obstructs it.
    if (Instrument.TypeInstrument == TTypeInstrument::Schmidt && Validite.DispositifValide &&
        Validite.DispositifPresent)
    {
        int j = 1;
        for (int i = 2; i <= n; ++i)
            if (P.DiametreDioptre[i] > P.DiametreDioptre[j])
                j = i;
        double longueur = 0;
        for (int i = j; i <= n; ++i)
            longueur += P.EpaisseurDioptre[i];
        Instrument.DiametreSecondaire = static_cast<float>(P.DiametreDioptre[j]);
        Instrument.DistanceSecondaireFoyer = longueur;
    }

    Validite.TroisCouleursPossibles = troisCouleurs && Validite.CouleursInstrumentCompletes;
}

void VerifieValidite()
{
    VerifieDispositif();
    VerifieInstrument();
    VerifieDispositif();
}

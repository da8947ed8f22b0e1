// The field analysis: chief ray and a fan of 144 rays per position and colour pass, reduced to the largest image
// dimension; the luminosity, the eye pupil and the memorised curve.
#include "stars/Champ.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "optics/Eclairement.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Sentinelles.h"
#include "optics/TraceRayon.h"
#include "platform/Bip.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double MinutesParRadian = 10800.0 / Pi;
constexpr int Anneaux = 12;
constexpr int Azimuts = 13;
// The eye-pupil search stops at this many trial distances, keeping the last one.
constexpr int LimitePupille = 10000;

int DernierDioptre()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

double AsinBorne(double x)
{
    return std::asin(std::clamp(x, -1.0, 1.0));
}

bool EstForme(std::initializer_list<TTypeInstrument> formes)
{
    return std::find(formes.begin(), formes.end(), Instrument.TypeInstrument) != formes.end();
}

TRayonEmergent RayonEmergent()
{
    return {Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon, Rayon.LRayon, Rayon.MRayon, Rayon.NRayon};
}

// The chief image H of the position's chief ray, already traced; false when it misses the curved image surface.
bool ImagePrincipale(double& H)
{
    if (Validite.SystemeAfocal)
    {
        H = Rayon.AngleChamp == 0.0 ? 0.0 : AsinBorne(Rayon.LRayon);
    }
    else if (Instrument.ChampCourbe)
    {
        const double R = Instrument.RayonCourburePrimaire;
        const double rho = R - Instrument.FocalePrimaire - Systeme.DecalageFoyer;
        const double x = Rayon.XRayon, y = Rayon.YRayon, z = Rayon.ZRayon - R;
        const double b = 2.0 * (x * Rayon.LRayon + y * Rayon.MRayon + z * Rayon.NRayon);
        const double delta = b * b - 4.0 * (x * x + y * y + z * z - rho * rho);
        if (!(delta >= 0.0))
        {
            Rayon.RayonBloque = true;
            MessageBeep(BipDefaut);
            return false;
        }
        const double t = (-b - std::sqrt(delta)) / 2.0;
        Etoiles.PointImagePrincipal = {x + t * Rayon.LRayon, y + t * Rayon.MRayon, z + t * Rayon.NRayon};
        // Measured on the sphere's own radius R - F1 - dF, where the star views use R - F1.
        H = AsinBorne(Etoiles.PointImagePrincipal[0] / (R - Instrument.FocalePrimaire)) * rho;
    }
    else
    {
        H = Rayon.XRayon + Rayon.LRayon * (Systeme.PositionFoyer + Systeme.DecalageFoyer - Rayon.ZRayon) / Rayon.NRayon;
    }
    return true;
}

double TailleUnites(const TEtenduesTache& etendues)
{
    return Validite.SystemeAfocal ? etendues.Taille() * MinutesParRadian : etendues.Taille();
}

} // namespace

void TEtenduesTache::Ajoute(double m, double s)
{
    const double carre = m * m + s * s;
    if (m < 0.0)
    {
        MMin = std::min(MMin, m);
        CarreRn = std::max(CarreRn, carre);
    }
    else
    {
        MMax = std::max(MMax, m);
        CarreRp = std::max(CarreRp, carre);
    }
    SMax = std::max(SMax, std::abs(s));
}

void TEtenduesTache::Combine(const TEtenduesTache& autre)
{
    MMin = std::min(MMin, autre.MMin);
    CarreRn = std::max(CarreRn, autre.CarreRn);
    SMax = std::max(SMax, autre.SMax);
    CarreRp = std::max(CarreRp, autre.CarreRp);
    MMax = std::max(MMax, autre.MMax);
}

double TEtenduesTache::Taille() const
{
    return std::max({2.0 * SMax, MMax - MMin, std::sqrt(CarreRn + CarreRp)});
}

double AngleChampPosition(int j, bool afocal)
{
    const double fraction = j / 20.0;
    if (afocal)
    {
        const double G = Systeme.GrossissementAfocal;
        return G != 0.0 ? fraction * Reglages.RayonChampAfocal * Pi / 180.0 / G : 0.0;
    }
    if (Reglages.ChampLineaire)
        return std::atan(fraction * Reglages.RayonChampLineaire / Instrument.FocaleEffective);
    return fraction * Reglages.RayonChampAngulaire * Pi / 10800.0;
}

TEventailChamp EventailChamp()
{
    TEventailChamp eventail{};
    for (int k = 0, i = 0; k < Anneaux; ++k)
        for (int a = 0; a < (k == 0 ? 1 : Azimuts); ++a, ++i)
        {
            const double rayon = k * Instrument.DiametreEntree / 22.0;
            eventail[static_cast<std::size_t>(i)] = {std::cos(a * Pi / 12.0) * rayon, std::sin(a * Pi / 12.0) * rayon};
        }
    return eventail;
}

TIssueChamp CalculeAnalyseChamp()
{
    const bool afocal = Validite.SystemeAfocal;
    if (afocal && Systeme.GrossissementAfocal == 0.0)
        return TIssueChamp::GrossissementNul;
    const int passes = Systeme.NombreCouleurs == 3 ? 3 : 1;
    const TEventailChamp eventail = EventailChamp();
    for (int j = 0; j < NombrePositionsChamp; ++j)
    {
        TResultatChamp& resultat = ResultatsChamp[static_cast<std::size_t>(j)];
        const double u = AngleChampPosition(j, afocal);
        FixeAngleChamp(u);
        std::array<TEtenduesTache, 3> etendues{};

        ChargeIndicesCouleur(1);
        Rayon.EstRayonReference = true;
        Rayon.XDepart = 0.0;
        Rayon.YDepart = 0.0;
        EffaceDrapeauxRayon();
        TraceRayon();
        EchecRayonPrincipal[static_cast<std::size_t>(j)] = Rayon.RayonPerdu;
        double H = 0.0;
        if (!ImagePrincipale(H))
            return TIssueChamp::HorsChamp;
        Systeme.HauteurImagePrincipale = H;
        if (afocal)
            resultat.Position = std::abs(u * Systeme.GrossissementAfocal) * 180.0 / Pi;
        else if (Reglages.ChampLineaire)
            resultat.Position = std::abs(H);
        else
            resultat.Position = u * MinutesParRadian;

        Rayon.EstRayonReference = false;
        int arrives = 0;
        const bool gardee = j % 2 == 0;
        for (int passe = 1; passe <= passes; ++passe)
        {
            if (passe > 1)
                ChargeIndicesCouleur(passe);
            auto& emergents =
                RayonsEmergentsChamp[static_cast<std::size_t>(j / 2)][static_cast<std::size_t>(passe - 1)];
            // The fan's rays are independent: they go through the tracer four at a time, which more than halves
            // the time of a long lens device, and come out exactly as one at a time.
            static_assert(RayonsEventailChamp % RayonsEnSemble == 0);
            for (std::size_t debut = 0; debut < eventail.size(); debut += RayonsEnSemble)
            {
                const bool complet = TraceRayonsEnSemble(
                    RayonsEnSemble,
                    [&](int k) {
                        const auto& point = eventail[debut + static_cast<std::size_t>(k)];
                        Rayon.XDepart = point[0];
                        Rayon.YDepart = point[1];
                        Rayon.ArretGroupe = false;
                        EffaceDrapeauxGrille();
                    },
                    [&](int k) {
                        const bool arrive = !Rayon.RayonBloque && !Rayon.RayonPerdu;
                        if (gardee)
                            emergents[debut + static_cast<std::size_t>(k)] =
                                arrive ? RayonEmergent() : TRayonEmergent{};
                        if (!arrive)
                            return true;
                        TImageRayon image;
                        if (!ImageRayon(image))
                            return false;
                        ++arrives;
                        // The star mechanics measure the flat and afocal offsets from the chief image the other way.
                        const double m = Instrument.ChampCourbe && !afocal ? image.Meridien : -image.Meridien;
                        etendues[static_cast<std::size_t>(passe - 1)].Ajoute(m, image.Sagittal);
                        return true;
                    });
                if (!complet)
                    return TIssueChamp::HorsChamp;
            }
        }
        resultat.TailleVert = TailleUnites(etendues[0]);
        if (passes == 3)
        {
            resultat.TailleRouge = TailleUnites(etendues[1]);
            resultat.TailleBleu = TailleUnites(etendues[2]);
        }
        TEtenduesTache toutes = etendues[0];
        toutes.Combine(etendues[1]);
        toutes.Combine(etendues[2]);
        resultat.TailleTroisCouleurs = TailleUnites(toutes);
        resultat.Luminosite = static_cast<double>(arrives) / passes / RayonsEventailChamp;
    }
    return TIssueChamp::Complete;
}

bool LuminositeParEclairement()
{
    return (Instrument.DiametreSecondaire > 1e-6 && Instrument.DistanceSecondaireFoyer > 1e-6) ||
           Validite.DispositifPresent ||
           EstForme({TTypeInstrument::Schmidt, TTypeInstrument::SchmidtNewton, TTypeInstrument::Maksutov,
                     TTypeInstrument::Lunette});
}

void CalculeLuminositeChamp()
{
    if (!LuminositeParEclairement())
        return;
    const bool afocal =
        Validite.DispositifPresent && Dispositif.EpaisseurDioptre[static_cast<std::size_t>(DernierDioptre())] >= 1e19;
    if (afocal && Systeme.GrossissementAfocal == 0.0)
        return;
    for (int j = 0; j < NombrePositionsChamp; ++j)
    {
        FixeAngleChamp(AngleChampPosition(j, afocal));
        CalculeEclairement();
        ResultatsChamp[static_cast<std::size_t>(j)].Luminosite = Systeme.Eclairement;
    }
}

TPupilleOculaire CalculePupilleOculaire()
{
    const double S = Dispositif.SommetDioptre[static_cast<std::size_t>(DernierDioptre())];
    const int passes = Systeme.NombreCouleurs == 3 ? 3 : 1;
    const auto largeur = [&](double d) {
        double w = 0.0;
        for (std::size_t p = 1; p < RayonsEmergentsChamp.size(); ++p)
            for (int c = 0; c < passes; ++c)
                for (const TRayonEmergent& r : RayonsEmergentsChamp[p][static_cast<std::size_t>(c)])
                {
                    if (r.N == 0.0)
                        continue;
                    const double t = (S + d - r.Z) / r.N;
                    w = std::max({w, std::abs(r.X + r.L * t), std::abs(r.Y + r.M * t)});
                }
        return w;
    };
    double w = largeur(0.0);
    double d = 0.01;
    double h = 1.0;
    double changement = 1.0;
    for (int essai = 0; changement > 0.01 && essai < LimitePupille; ++essai)
    {
        const double precedente = w;
        d += h;
        if (d <= 0.0)
        {
            d = 0.0;
            w = precedente;
            break;
        }
        w = largeur(d);
        changement = std::abs(precedente - w);
        if (w > precedente)
            h = -h / 2.0;
    }
    return {2.0 * w, d};
}

void CopieCourbeMemorisee(bool afocal)
{
    CourbeMemorisee[0].TailleVert = afocal ? 1.0 : 0.0;
    for (std::size_t j = 0; j < ResultatsChamp.size(); ++j)
    {
        const TResultatChamp& r = ResultatsChamp[j];
        TResultatChamp& m = CourbeMemorisee[j + 1];
        m.Position = r.Position;
        m.TailleVert = r.TailleVert;
        m.TailleTroisCouleurs = r.TailleTroisCouleurs;
        m.Luminosite = EchecRayonPrincipal[j] ? 0.0 : r.Luminosite;
    }
    CourbeMemorisee[0].Position = 1.0;
}

void EffaceCourbeMemorisee()
{
    CourbeMemorisee = {};
}

bool CourbeEstMemorisee()
{
    return CourbeMemorisee[0].Position == 1.0;
}

// The drawing surface of the sections and the pieces every instrument section draws the same way.
#include "sections/Support.h"

#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "sections/Primitives.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

namespace {

// Cuts the segment to the rectangle; false when nothing of it is inside.
bool CoupeSegment(double& x1, double& y1, double& x2, double& y2, double xMin, double yMin, double xMax, double yMax)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {x1 - xMin, xMax - x1, y1 - yMin, yMax - y1};
    double t0 = 0;
    double t1 = 1;
    for (std::size_t i = 0; i < 4; ++i)
    {
        if (p[i] == 0)
        {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double xa = x1 + t0 * dx, ya = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = xa;
    y1 = ya;
    return true;
}

} // namespace

int Entier(std::int64_t v)
{
    return static_cast<int>(std::clamp(v, -LimitePx, LimitePx));
}

int Arrondi(double v)
{
    return Entier(Round(v));
}

int Tronque(double v)
{
    return Entier(Trunc(v));
}

int TSupport::Ligne16(int n) const
{
    return Papier() ? ImpressionEtat.PasLigneImpression * n / 16 : n;
}

int TSupport::Haut() const
{
    return Papier() ? MiseEnPage.OrdonneeCourante : 0;
}

int TSupport::Bas() const
{
    return Papier() ? MiseEnPage.OrdonneeCourante + HauteurBandeImprimee : HauteurBande;
}

int TSupport::Gauche() const
{
    return Papier() ? ImpressionEtat.MargeImpression : 0;
}

int TSupport::Droite() const
{
    return Papier() ? C.Largeur() - ImpressionEtat.MargeImpression : C.Largeur();
}

void TSupport::Trait(int x1, int y1, int x2, int y2, TColor couleur)
{
    C.Stylo().Couleur = couleur;
    C.Stylo().Style = TStyleStylo::Plein;
    double xa = x1, ya = y1, xb = x2, yb = y2;
    const bool dedans = Papier() ? CoupeSegment(xa, ya, xb, yb, Gauche(), Haut(), Droite(), Bas())
                                 : CoupeSegment(xa, ya, xb, yb, -1, -1, C.Largeur(), C.Hauteur());
    if (!dedans)
        return;
    const int ax = Arrondi(xa), ay = Arrondi(ya), bx = Arrondi(xb), by = Arrondi(yb);
    if (Papier())
    {
        C.MoveTo(ax, ay);
        C.LineTo(bx, by);
    }
    else
        DessineLigneLissee(C, ax, ay, bx, by, couleur);
}

void TSupport::Ligne(int x1, int y1, int x2, int y2, TColor couleur)
{
    C.Stylo().Couleur = couleur;
    C.Stylo().Style = TStyleStylo::Plein;
    C.MoveTo(x1, y1);
    C.LineTo(x2, y2);
}

void TSupport::Element(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA, float s,
                       bool jointB, bool jointA)
{
    if (Papier())
        ImprimeElement(C, x, y, teinte, rB, rA, e, dB, dA, s);
    else
        DessineElement(C, x, y, teinte, rB, rA, e, dB, dA, s, jointB, jointA);
}

void TSupport::ElementVertical(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA,
                               float s, bool jointB, bool jointA)
{
    if (Papier())
        ImprimeElementVertical(C, x, y, teinte, rB, rA, e, dB, dA, s);
    else
        DessineElementVertical(C, x, y, teinte, rB, rA, e, dB, dA, s, jointB, jointA);
}

void TSupport::MiroirPerce(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA,
                           double trou, float s)
{
    if (Papier())
        ImprimeMiroirPerce(C, x, y, teinte, rB, rA, e, dB, dA, trou, s);
    else
        DessineMiroirPerce(C, x, y, teinte, rB, rA, e, dB, dA, trou, s, false, false);
}

void TSupport::Lame(int x, int y, TColor teinte, double diametre, double profil, double epaisseur, float s)
{
    if (Papier())
        ImprimeLame(C, x, y, teinte, diametre, profil, epaisseur, s);
    else
        DessineLame(C, x, y, teinte, diametre, profil, epaisseur, s);
}

void TSupport::Diaphragme(int x, int b)
{
    if (Papier())
        ImprimeDiaphragme(C, x, b);
    else
        DessineDiaphragme(C, x, b);
}

void TSupport::Axe(int y)
{
    if (Papier())
        ImprimeAxe(C, y, clBlack);
    else
        DessineAxe(C, y, CouleurGrise);
}

void TSupport::PlanFocal(int x)
{
    if (Papier())
        ImprimePlanFocal(C, x, Bas(), clBlack);
    else
        DessinePlanFocal(C, x, HauteurBande, CouleurGrise);
}

void TSupport::AxeCourt(int x, int y)
{
    if (Papier())
        ImprimeAxeCourt(C, x, y, clBlack);
    else
        DessineAxeCourt(C, x, y, CouleurGrise);
}

void TSupport::CarreFoyer(int x, int y)
{
    if (Papier())
        ImprimeCarreFoyer(C, x, y);
    else
        DessineCarreFoyer(C, x, y);
}

void TSupport::BoiteTaille(const std::string& message, TColor fond, const TPlaceBoite& place)
{
    if (Papier())
        ImprimeBoiteTaille(C, message, fond, place);
    else
        DessineBoiteTaille(C, message, fond, place);
}

void TSupport::Texte(int x, int y, const std::string& texte)
{
    if (Papier())
        PoliceImpression(C, 9, false);
    C.Stylo().Couleur = clBlack;
    C.Police().Couleur = clBlack;
    C.Pinceau().Couleur = clWhite;
    C.Pinceau().Style = TStylePinceau::Plein;
    C.TextOut(x, y, texte);
}

int NombreLignesDispositif()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

double SommeEpaisseurs(int premier, int dernier)
{
    double somme = 0;
    for (int i = std::max(premier, 1); i <= std::min(dernier, NombreMaxDioptres); ++i)
        if (!EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[i]))
            somme += Dispositif.EpaisseurDioptre[i];
    return somme;
}

void ResoutEnVert()
{
    const int n = NombreLignesDispositif();
    const TLongueurOnde verte = LongueursOnde.LongueurOndeVerte;
    if (verte >= 1 && verte <= NombreLongueursOnde)
        Dispositif.IndiceVert[1] = IndicesAir[static_cast<std::size_t>(verte)];
    for (int k = 0; k <= n + 1; ++k)
        Dispositif.IndiceTrace[k] = Dispositif.IndiceVert[k];
    for (int k = 1; k <= NombreMaxDioptresGroupe; ++k)
        Groupe.IndiceTraceGroupe[k] = Groupe.IndiceVertGroupe[k];
    Rayon.RayonPerdu = false;
    Rayon.EstRayonReference = true;
    PrepareSysteme();
}

TColor TeinteLigne(int i)
{
    return Reglages.TeinteVerre[static_cast<std::size_t>(std::clamp(Dispositif.TeinteDioptre[i], 0, 9))];
}

void LigneArret(TSupport& sup, int x1, int y1, int x2, int y2)
{
    sup.Ligne(x1, y1, x2, y2, clBlack);
}

void Chevrons(TSupport& sup, int x, int y)
{
    sup.C.Stylo().Couleur = CouleurRouge;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    for (int j = 0; j < 3; ++j)
    {
        const int pointe = x + sup.Ligne16(5 * j);
        sup.C.MoveTo(pointe - sup.Ligne16(5), y - sup.Ligne16(4));
        sup.C.LineTo(pointe, y);
        sup.C.LineTo(pointe - sup.Ligne16(5), y + sup.Ligne16(5));
    }
}

std::optional<TImpactSecondaire> ImpactSecondaire(double pente, double b, double rayon)
{
    if (!(pente != 0) || !std::isfinite(pente) || !std::isfinite(b) || !std::isfinite(rayon))
        return std::nullopt;
    const double a = 1 + 1 / (pente * pente);
    const double p = 2 * b / pente;
    const double discriminant = p * p - 4 * a * (b * b - rayon * rayon);
    if (!(discriminant >= 0))
        return std::nullopt;
    const double t = (-p + std::sqrt(discriminant)) / (2 * a);
    const double u = t / pente + b;
    if (!std::isfinite(t) || !std::isfinite(u))
        return std::nullopt;
    return TImpactSecondaire{t, u};
}

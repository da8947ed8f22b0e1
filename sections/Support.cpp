// The drawing surface of the sections and the pieces every instrument section draws the same way.
#include "sections/Support.h"

#include "optics/DiametreDispositif.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
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

bool PrepareBandeSiValide(ICanevas& dessin)
{
    if (!Validite.InstrumentValide)
    {
        Controles.Dessin.Visible = false;
        return false;
    }
    PrepareBandeEcran(dessin);
    VerifieInstrument();
    VerifieDispositif();
    return true;
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
    ResoutSysteme();
}

void ResoutDispositifFocal(bool papier)
{
    if (!Validite.DispositifValide)
        return;
    Validite.SystemeAfocal = EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[NombreLignesDispositif()]);
    if ((papier || Edition.AMettreAJour) && !Validite.SystemeAfocal)
        ResoutEnVert();
}

bool OuvreBandeEcran(ICanevas& dessin)
{
    PrepareBandeEcran(dessin);
    Controles.Dessin.Height = 550;
    VerifieDispositif();
    VerifieInstrument();
    if (PorteCoupeOuverte())
        return true;
    EcritRefus(dessin, TexteDonneesIncompletes);
    return false;
}

void EcritRefus(ICanevas& dessin, const std::string& texte)
{
    dessin.Police().Couleur = clBlack;
    dessin.Pinceau().Couleur = clWhite;
    dessin.TextOut(0, 0, texte);
}

bool OuvreBandeImprimee(ICanevas& canevas)
{
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
    PrepareBandeImprimee(canevas);
    VerifieDispositif();
    VerifieInstrument();
    if (Validite.InstrumentValide)
        PrepareSysteme();
    VerifieInstrument();
    // Should its own checks fail after the frame called it, the band stays framed and empty.
    if (!Validite.InstrumentValide || Systeme.CalculEchoue ||
        (Validite.DispositifPresent && !Validite.DispositifValide))
    {
        TermineBandeImprimee();
        return false;
    }
    return true;
}

void ResoutSysteme()
{
    Rayon.RayonPerdu = false;
    Rayon.EstRayonReference = true;
    PrepareSysteme();
}

void ResoutEnUneCouleur()
{
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    ResoutSysteme();
    CalculeGeometrieInstrument();
}

TPrimaireDessine PrimaireDessine(double diametre, double& longueur)
{
    TPrimaireDessine primaire;
    primaire.EpaisseurDonnee = Instrument.EpaisseurPrimaire >= 1e-6;
    primaire.Epaisseur = primaire.EpaisseurDonnee ? Instrument.EpaisseurPrimaire : diametre / 10;
    if (!primaire.EpaisseurDonnee)
        longueur += primaire.Epaisseur;
    Instrument.EpaisseurPrimaireDessin = primaire.Epaisseur;
    return primaire;
}

void TraceAxial(double hauteur)
{
    PlaceRayonAxial(hauteur);
    TraceRayon();
}

void TraceAxialOcculte(double hauteur)
{
    TRayon& r = Rayon;
    r.HorsSecondaire = false;
    r.ArretDispositif = false;
    r.ArretGroupe = false;
    r.RayonOcculte = false;
    TraceAxial(hauteur);
    r.RayonOcculte = r.HorsSecondaire || r.ArretDispositif || r.ArretGroupe;
}

TColor TeinteLigne(int i)
{
    return Reglages.TeinteVerre[static_cast<std::size_t>(std::clamp(Dispositif.TeinteDioptre[i], 0, 9))];
}

void LigneArret(TSupport& sup, int x1, int y1, int x2, int y2)
{
    sup.Ligne(x1, y1, x2, y2, clBlack);
}

void DessineGroupe(TSupport& sup, int x0, int oa, float s)
{
    const auto& R = Groupe.RayonGroupe;
    const auto& E = Groupe.EpaisseurGroupe;
    const auto& Dia = Groupe.DiametreGroupe;
    const auto& Sommet = Groupe.SommetGroupe;
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    AttribueTeintesGroupe();
    for (int i = 1; i <= n; ++i)
    {
        const bool verre = Groupe.IndiceVertGroupe[i] > Reglages.IndiceLimite;
        if (verre && i < n && !EstDiaphragme(R[i + 1]))
        {
            const TColor teinte = sup.Papier() ? EclaircitCouleur(TeinteLigne(i)) : TeinteLigne(i);
            sup.C.Stylo().Couleur = clBlack;
            sup.Element(x0 + Arrondi((Sommet[i] + E[i]) * s), oa, teinte, R[i], R[i + 1], E[i], Dia[i], Dia[i + 1], s,
                        false, false);
        }
        else if (EstDiaphragme(R[i]))
            sup.Diaphragme(x0 + Arrondi(Sommet[i] * s), Arrondi(Dia[i] / 2 * s));
    }
}

void DessineFaisceauGroupe(TSupport& sup, int x0, int oa, float s, double groupeMiroir, bool coupe)
{
    const TRayon& r = Rayon;
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    auto groupe = [&](int j, int signe) {
        return TPointCanevas{x0 + Arrondi((groupeMiroir - r.CoteImpactGroupe[j]) * s),
                             oa + signe * Arrondi(r.HauteurImpactGroupe[j] * s)};
    };
    const double hp = Instrument.ImpactPrimaire[0];
    const double zp = Instrument.ImpactPrimaire[2];
    for (int j = 0; j <= n; ++j)
        for (const int signe : {1, -1})
        {
            const TPointCanevas a =
                j == 0 ? TPointCanevas{sup.Gauche(), oa + signe * Arrondi(r.XDepart * s)} : groupe(j, signe);
            const TPointCanevas b =
                j < n ? groupe(j + 1, signe)
                      : TPointCanevas{x0 + Arrondi((groupeMiroir - zp) * s), oa + signe * Arrondi(hp * s)};
            sup.Trait(a.X, a.Y, b.X, b.Y, j == n && coupe ? CouleurBleuCiel : CouleurRouge);
        }
}

void MontreBandeauCorrecteur(bool coupe, int gauche)
{
    if (!Rayon.RayonOcculte)
        return;
    TBandeau bandeau;
    if (coupe)
        bandeau = {" Le faisceau est interrompu par le bord du correcteur ", CouleurFuchsia, true};
    else if (Rayon.DansTrouCentral)
        bandeau = {" Le faisceau est interrompu par le bord du trou central ", CouleurRouge, true};
    bandeau.Place.Gauche = gauche;
    MontreBandeau(bandeau);
}

void ImprimeMessageCorrecteur(ICanevas& canevas)
{
    const std::string message = " Faisceau interrompu par le bord du correcteur ";
    const int marge = ImpressionEtat.MargeImpression;
    const int oc = MiseEnPage.OrdonneeCourante;
    const int p = ImpressionEtat.PasLigneImpression;
    const int w = canevas.TextWidth(message + "m");
    canevas.Pinceau().Couleur = EclaircitCouleur(CouleurFuchsia);
    canevas.Pinceau().Style = TStylePinceau::Plein;
    canevas.Stylo().Couleur = clBlack;
    canevas.Rectangle(marge, oc, marge + w, oc + p * 12 / 10);
    canevas.Police().Couleur = clWhite;
    canevas.TextOut(marge + canevas.Stylo().Epaisseur, oc + 2 * p / 16, message);
    canevas.Police().Couleur = clBlack;
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

int DessineDispositifDroit(TSupport& sup, const TDispositifDroit& place)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const auto& Dia = Dispositif.DiametreDioptre;
    const int n = NombreLignesDispositif();
    const double total = SommeEpaisseurs(1, n);
    auto reste = [&](int i) { return total - SommeEpaisseurs(1, i); };
    const float s = place.s;
    const int oa = place.Oa;
    CalculeDiametreMaximalDispositif();
    int dernier = 0;
    DessineDispositif(
        [&](int i, bool finale) {
            const TColor teinte = sup.Papier() && place.Eclaircir ? EclaircitCouleur(TeinteLigne(i)) : TeinteLigne(i);
            const int xe = (finale ? place.Fin : place.Droite) - sup.Pos(reste(i) * s);
            sup.C.Stylo().Couleur = clBlack;
            sup.Element(xe, oa, teinte, R[i], finale ? RayonPlan : R[i + 1], E[i], Dia[i], finale ? Dia[i] : Dia[i + 1],
                        s, JointPrecedent, JointSuivant);
            dernier = xe;
        },
        [&](int i) {
            const double maximal = Instrument.DiametreMaximalDispositif;
            const int xa = place.Droite - sup.Pos((reste(i) + E[i]) * s);
            if (place.ArretLargeCompte)
                dernier = xa;
            if (!(Dia[i] < maximal))
                return;
            const int ouvert = sup.Pos(Dia[i] / 2 * s);
            const int ferme = sup.Pos(maximal / 2 * s);
            LigneArret(sup, xa, oa - ouvert, xa, oa - ferme);
            LigneArret(sup, xa, oa + ouvert, xa, oa + ferme);
            dernier = xa;
        });
    return dernier;
}

void MarqueFoyerResultant(TSupport& sup, int x, int yTexte, int yBoite)
{
    ICanevas& C = sup.C;
    if (sup.Papier())
        PoliceImpression(C, 9, false);
    const int largeur = C.TextWidth("Fr");
    const int gauche = x - largeur / 2;
    C.Stylo().Couleur = clWhite;
    C.Stylo().Style = TStyleStylo::Plein;
    C.Pinceau().Couleur = clWhite;
    C.Pinceau().Style = TStylePinceau::Plein;
    C.Rectangle(gauche, yBoite, gauche + largeur, yBoite + C.TextHeight("F"));
    sup.Texte(gauche, yTexte, "Fr");
}

void DessinePlanDiagonal(TSupport& sup, int x, int oa, double petitCote, double decalage, double epaisseur, float s,
                         TColor teinte)
{
    const int t = sup.Pos(epaisseur / std::sqrt(2.0) * s);
    const int a = sup.Pos((petitCote / 2 - decalage) * s);
    const int b = sup.Pos((petitCote / 2 + decalage) * s);
    const TPointCanevas coins[] = {{x - a, oa - a}, {x + b, oa + b}, {x + b - t, oa + b + t}, {x - a - t, oa - a + t}};
    sup.C.Stylo().Couleur = clBlack;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    sup.C.Pinceau().Couleur = teinte;
    sup.C.Polygon(coins);
}

int TDispositifDebout::YSommet(const TSupport& sup, int j, double fleche) const
{
    // Vertex j lies the thicknesses of rows j .. N below the image, or below the afocal device's last surface.
    const double reste = Recul + SommeEpaisseurs(1, NombreLignesDispositif()) - SommeEpaisseurs(1, j - 1);
    if (Afocal)
        return Oa - sup.Pos((HauteurAfocale - reste + fleche) * s);
    return YImage + sup.Pos((reste - fleche) * s);
}

void DessineDispositifDebout(TSupport& sup, const TDispositifDebout& d)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const auto& Dia = Dispositif.DiametreDioptre;
    CalculeDiametreMaximalDispositif();
    DessineDispositif(
        [&](int i, bool dernier) {
            const int y = dernier ? d.YImage - sup.Pos(d.Recul * d.s) : d.YSommet(sup, i + 1, 0);
            sup.ElementVertical(d.X, y, TeinteLigne(i), R[i], dernier ? RayonPlan : R[i + 1], E[i], Dia[i],
                                dernier ? Dia[i] : Dia[i + 1], d.s, JointPrecedent, JointSuivant);
        },
        [&](int i) {
            const double maximal = Instrument.DiametreMaximalDispositif;
            if (!(maximal > Dia[i]))
                return;
            const int y = d.YSommet(sup, i, 0);
            const int ouvert = sup.Pos(Dia[i] / 2 * d.s);
            const int ferme = sup.Pos(maximal / 2 * d.s);
            LigneArret(sup, d.X - ouvert, y, d.X - ferme, y);
            LigneArret(sup, d.X + ouvert, y, d.X + ferme, y);
        });
}

TPointCanevas PointDebout(const TSupport& sup, const TDispositifDebout& d, int i, const TRayonBord& rayon,
                          TPointCanevas avant, bool flecheSurface1)
{
    if (i > NombreLignesDispositif())
        return d.Afocal ? TPointCanevas{avant.X, d.YSortie} : TPointCanevas{d.X, d.YImage};
    const double h = rayon.Hauteurs[static_cast<std::size_t>(i)];
    const double fleche = i == 1 && !flecheSurface1 && !d.Afocal ? 0 : FlecheSphere(Dispositif.RayonDioptre[i], 2 * h);
    return TPointCanevas{d.X - sup.Pos(h * d.s), d.YSommet(sup, i, fleche)};
}

void DessinePorteFilm(TSupport& sup, int x, int oa, float s, double rayon, double focale)
{
    constexpr TColor jaune = 0x00FFFF;
    const double champ = Instrument.DiametreChampPleineLumiere;
    const double courbure = rayon - focale;
    const double reste = courbure * courbure - champ * champ / 4;
    sup.C.Stylo().Couleur = 0x008000;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    if (Instrument.ChampCourbe && reste >= 0)
    {
        const double fleche = courbure - std::sqrt(reste);
        const double epaisseur = focale / 100 <= fleche ? 1.1 * fleche : focale / 100;
        const TColor teinte = sup.Papier() ? EclaircitCouleur(jaune) : jaune;
        sup.Element(x, oa, teinte, RayonPlan, -courbure, epaisseur, champ, champ, s, false, false);
        return;
    }
    const int h = sup.Pos(champ / 2 * s);
    const int largeur = sup.Papier() ? ImpressionEtat.PasLigneImpression / 3 : 5;
    sup.C.Pinceau().Couleur = jaune;
    sup.C.Rectangle(x - largeur, oa + h, x, oa - h);
}

double TDispositifRenverse::Sommet(int i) const
{
    return Image - SommeEpaisseurs(1, NombreLignesDispositif()) + SommeEpaisseurs(1, i - 1);
}

void DessineDispositifRenverse(TSupport& sup, const TDispositifRenverse& d)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const auto& Dia = Dispositif.DiametreDioptre;
    auto x = [&](int i) { return d.Ao - Arrondi(d.Sommet(i) * d.s); };
    DessineDispositif(
        [&](int i, bool dernier) {
            const TColor teinte = sup.Papier() ? EclaircitCouleur(TeinteLigne(i)) : TeinteLigne(i);
            sup.C.Stylo().Couleur = clBlack;
            sup.Element(x(i), d.Oa, teinte, dernier ? RayonPlan : -R[i + 1], -R[i], E[i], dernier ? Dia[i] : Dia[i + 1],
                        Dia[i], d.s, JointPrecedent, JointSuivant);
        },
        [&](int i) { sup.Diaphragme(x(i), Arrondi(Dia[i] / 2 * d.s)); });
}

bool DessineRayonsRenverses(TSupport& sup, const TDispositifRenverse& d)
{
    TReglesRayonsBord regles;
    regles.RetraitSecondaire = false;
    regles.AvecBandeau = !sup.Papier() || !d.MessagesImprimes;
    regles.Prepare = d.Prepare;
    regles.Trace = d.Trace;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    const auto& R = Dispositif.RayonDioptre;
    const int n = NombreLignesDispositif();
    auto impact = [&](const TRayonBord& rayon) {
        return TPointCanevas{d.Ao - sup.Pos((d.Fond + rayon.CotePrimaire) * d.s) - 1,
                             d.Oa - sup.Pos(rayon.HauteurPrimaire * d.s)};
    };
    DessineRayonsBord(
        sup, rayons,
        [&](int, const TRayonBord& rayon) {
            return TDebutRayon{{impact(rayon)}, 1, false};
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas) {
            if (i > n)
            {
                const double h = rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) /
                                                    rayon.NRayon * rayon.LRayon;
                return TPointCanevas{d.XImage, d.Oa - sup.Pos(h * d.s)};
            }
            const double hauteur = rayon.Hauteurs[static_cast<std::size_t>(i)];
            const double z = d.Sommet(i) + FlecheSphere(R[i], 2 * hauteur);
            return TPointCanevas{d.Ao - sup.Pos(z * d.s), d.Oa - sup.Pos(hauteur * d.s)};
        });
    if (rayons.Issue == TIssueRayonsBord::Abandon)
        return false;
    for (int r = 0; r < rayons.Nombre && d.LumiereEntrante; r += 2)
    {
        const TRayonBord& rayon = rayons.Rayons[static_cast<std::size_t>(r)];
        // The incoming light from the start actually traced; on paper the form's chevrons stand once on the beam.
        const TPointCanevas fin = impact(rayon);
        sup.Ligne(sup.Gauche(), d.Oa - sup.Pos(rayon.XDepart * d.s), fin.X, fin.Y, CouleurRouge);
        if (!sup.Papier())
            Chevrons(sup, d.XImage / 2, fin.Y);
    }
    // On paper each cut ray's message is printed at the band's top right instead of the banner.
    if (sup.Papier() && d.MessagesImprimes)
        for (int r = 0; r < rayons.Nombre; ++r)
        {
            const TRayonBord& rayon = rayons.Rayons[static_cast<std::size_t>(r)];
            if (!rayon.Occulte)
                continue;
            const TBandeau bandeau = LegendeBandeau(rayon.VignettageDispositif, rayon.DansTrouCentral,
                                                    rayon.VignettageSecondaire, Instrument.TypeInstrument);
            if (!bandeau.Visible)
                continue;
            sup.C.Pinceau().Couleur = bandeau.Couleur;
            sup.C.Police().Couleur = clWhite;
            sup.C.TextOut(sup.Droite() - sup.C.TextWidth(bandeau.Legende), sup.Haut(), bandeau.Legende);
            sup.C.Police().Couleur = clBlack;
        }
    return true;
}

std::optional<TImpactMiroir> TraceMarginalMiroir(double hauteur)
{
    TRayon& r = Rayon;
    r.ZDepart = 0;
    r.LIncident = 0;
    r.MIncident = 0;
    r.NIncident = 1;
    // A ray of the construction: nothing may stop it before the mirror.
    r.RayonPerdu = false;
    r.EstRayonReference = true;
    TraceAxial(hauteur);
    if (r.RayonPerdu || !std::isfinite(r.HauteurImpactMiroir) || !std::isfinite(r.CoteImpactMiroir))
        return std::nullopt;
    return TImpactMiroir{r.HauteurImpactMiroir, r.CoteImpactMiroir};
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

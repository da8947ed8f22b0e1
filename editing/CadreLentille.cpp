// The lens shape frame and the mirror frame of the surface tables.
#include "editing/CadreLentille.h"

#include "editing/CodesJournal.h"
#include "editing/EtapesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/PasFleches.h"
#include "editing/Ports.h"
#include "editing/Regles.h"
#include "editing/Stockage.h"
#include "editing/TableEditee.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

const char* const TitreContradiction = "Quivane - Contradiction géométrique";
const char* const TexteEpaisseur =
    "Ces valeurs sont incompatibles avec l'épaisseur de la lentille. Quivane va donc les ignorer.";

// The thickness iteration converges in a few rounds; a bound keeps an oscillating case from hanging the frame.
constexpr int ToursEpaisseurMaximum = 1000;

std::size_t Rang(int ligne)
{
    return static_cast<std::size_t>(ligne);
}

double RayonLigne(int r)
{
    if (r < 1 || r > NombreMaxLignesTableEditee())
        return 0;
    return TableEditeeGroupe() ? Groupe.RayonGroupe[Rang(r)] : Dispositif.RayonDioptre[Rang(r)];
}

double EpaisseurLigne(int r)
{
    if (r < 1 || r > NombreMaxLignesTableEditee())
        return 0;
    return TableEditeeGroupe() ? Groupe.EpaisseurGroupe[Rang(r)] : Dispositif.EpaisseurDioptre[Rang(r)];
}

double DiametreLigne(int r)
{
    if (r < 1 || r > NombreMaxLignesTableEditee())
        return 0;
    return TableEditeeGroupe() ? Groupe.DiametreGroupe[Rang(r)] : Dispositif.DiametreDioptre[Rang(r)];
}

// The glass behind row r: the device's medium r + 1, the group's medium r.
double IndiceApres(int r)
{
    if (TableEditeeGroupe())
        return Groupe.IndiceVertGroupe[Rang(std::clamp(r, 0, NombreMaxDioptresGroupe))];
    return Dispositif.IndiceVert[Rang(std::clamp(r + 1, 0, NombreMaxDioptres + 1))];
}

TCodeJournal CodeRayon()
{
    return TableEditeeGroupe() ? SaisieRayonGroupe : SaisieRayonDioptre;
}

TCodeJournal CodeEpaisseur()
{
    return TableEditeeGroupe() ? SaisieEpaisseurGroupe : SaisieEpaisseurDioptre;
}

// The cell gets the number its record reads back as, so that a replay rebuilds it to the last digit.
void Stocke(TCodeJournal code, int ligne, double valeur)
{
    const TEnregistrementJournal enregistrement{code, ligne, FormateGeneral(valeur)};
    if (StockeEnregistrement(enregistrement))
        PortsEdition.AjouteAuJournal(enregistrement);
}

void Modifie()
{
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
}

std::string TexteForme(float valeur)
{
    return FormateNombre(valeur, std::abs(valeur) > 100 ? "#0.000" : "#0.0000");
}

double Arrondi4(double valeur)
{
    return std::nearbyint(valeur * 10000) / 10000;
}

// The frame's boxes from the current lens, as its opening shows them.
void RemplitCases()
{
    TCadreLentilleModele& m = CadreLentilleModele;
    const int i = Edition.LigneCourante;
    const double n = IndiceApres(i);
    m.TextePhi.clear();
    m.TexteGamma.clear();
    m.CasesVisibles = n > Reglages.IndiceLimite;
    if (!m.CasesVisibles)
        return;
    const double r1 = RayonLigne(i);
    const double r2 = RayonLigne(i + 1);
    if (std::abs(r1) <= 1.1 || std::abs(r2) <= 1.1)
        return;
    m.IndiceLentille = static_cast<float>(n);
    const TFormeLentille f = FormeLentille(r1, r2, EpaisseurLigne(i), n);
    m.PuissanceLentille = m.PuissanceAffichee = static_cast<float>(Arrondi4(f.Puissance));
    m.CambrureLentille = m.CambrureAffichee = static_cast<float>(Arrondi4(f.Cambrure));
    m.TextePhi = FormateNombre(Arrondi4(f.Puissance), "#0.0000");
    m.TexteGamma = FormateNombre(Arrondi4(f.Cambrure), "#0.0000");
    const TPasNormalise phi = NormalisePas(Reglages.PasPhi, m.LargeurChiffre);
    Reglages.PasPhi = phi.Pas;
    m.ReperePhi = phi.Repere;
    const TPasNormalise gamma = NormalisePas(Reglages.PasGamma, m.LargeurChiffre);
    Reglages.PasGamma = gamma.Pas;
    m.RepereGamma = gamma.Repere;
}

void Ouvre(const TControle& table)
{
    ValideSiOuverte();
    TEtatSaisie& e = EtatSaisie;
    e.CadreDioptre = e.CadreEpaisseur = e.CadreDiametre = e.CadreMiroirPlan = false;
    e.CadreLentille = true;
    TCadreLentilleModele& m = CadreLentilleModele;
    m.Haut = Controles.Ligne.Top + Controles.Ligne.Height - 1;
    m.Gauche = table.Left - Controles.AppuiDeroule.Width + 121;
    RemplitCases();
}

// The value of the box from the radii, not rounded, when its text is not a number.
float ValeurDesRayons(bool cambrure)
{
    const int i = Edition.LigneCourante;
    const double n = IndiceApres(i);
    CadreLentilleModele.IndiceLentille = static_cast<float>(n);
    const TFormeLentille f = FormeLentille(RayonLigne(i), RayonLigne(i + 1), EpaisseurLigne(i), n);
    return static_cast<float>(cambrure ? f.Cambrure : f.Puissance);
}

float& Valeur(bool cambrure)
{
    return cambrure ? CadreLentilleModele.CambrureLentille : CadreLentilleModele.PuissanceLentille;
}

std::string& Texte(bool cambrure)
{
    return cambrure ? CadreLentilleModele.TexteGamma : CadreLentilleModele.TextePhi;
}

bool CalculeRayons()
{
    const TCadreLentilleModele& m = CadreLentilleModele;
    const double puissance = m.PuissanceLentille;
    const double cambrure = m.CambrureLentille;
    if (!(puissance < 1e19 && cambrure < 1e19))
        return false;
    const int i = Edition.LigneCourante;
    // The second face would need a row past the table.
    if (i < 1 || i + 1 > NombreMaxLignesTableEditee())
    {
        PortsEdition.Bip();
        return false;
    }
    const double n = IndiceApres(i);
    // Air behind the surface: no lens to shape.
    if (!(n > Reglages.IndiceLimite))
        return false;
    CadreLentilleModele.IndiceLentille = static_cast<float>(n);
    double t = std::max(EpaisseurLigne(i), 0.0) / 1000;
    std::optional<TRayonsLentille> rayons = RayonsLentille(puissance, cambrure, t, n);
    if (!rayons)
    {
        PortsEdition.AfficheAvertissement(TitreContradiction, TexteEpaisseur);
        return false;
    }
    const bool dernier = i >= NombreLignesTableEditee();
    double d1 = DiametreLigne(i);
    double d2 = DiametreLigne(i + 1);
    const auto stockeRayons = [&](const TRayonsLentille& r) {
        if (dernier)
        {
            if (TableEditeeGroupe())
                Groupe.NombreDioptresGroupe = i + 1;
            else
                Dispositif.NombreDioptres = i + 1;
        }
        Stocke(CodeRayon(), i + 1, r.R2);
    };
    if (d1 <= 0.1 && d2 <= 0.1)
    {
        stockeRayons(*rayons);
        Stocke(CodeRayon(), i, rayons->R1);
        Edition.LigneCourante = i;
        return true;
    }
    if (d1 > 0.1 && d2 < 0.1)
        d2 = d1;
    if (d1 < 0.1 && d2 > 0.1)
        d1 = d2;
    if (!(std::abs(2 * rayons->R1) > d1 && std::abs(2 * rayons->R2) > d2))
    {
        PortsEdition.AfficheAvertissement(
            TitreContradiction,
            TableEditeeGroupe()
                ? "Ces valeurs impliqueraient des rayons de courbure inférieurs à la moitié du diamètre de la "
                  "lentille. Quivane va donc les ignorer."
                : "Ces valeurs entraîneraient des rayons de courbure inférieurs à la moitié du diamètre de la "
                  "lentille. Quivane va donc les ignorer.");
        return false;
    }
    double k = CalculeEpaisseurMinimale(false, rayons->R1, rayons->R2, d1, d2) / 1000;
    if (k > t)
    {
        for (int tour = 0; std::abs(k - t) > 0.001 && tour < ToursEpaisseurMaximum; ++tour)
        {
            t = k;
            rayons = RayonsLentille(puissance, cambrure, t, n);
            // The thicker lens may have no radii for these values: refused as the thin one would be.
            if (!rayons)
            {
                PortsEdition.AfficheAvertissement(TitreContradiction, TexteEpaisseur);
                return false;
            }
            k = CalculeEpaisseurMinimale(false, rayons->R1, rayons->R2, d1, d2) / 1000;
        }
        if (k > t)
            t += 0.001;
        if (!(k < 1e16))
        {
            PortsEdition.AfficheAvertissement(TitreContradiction, TexteEpaisseur);
            return false;
        }
    }
    // Row i's records last: a replay leaves the current row where the conversion left it.
    stockeRayons(*rayons);
    if (i + 1 < NombreLignesTableEditee())
    {
        // The gap behind the lens stays wide enough for the next surface.
        const double k2 =
            CalculeEpaisseurMinimale(false, RayonLigne(i + 1), RayonLigne(i + 2), d2, DiametreLigne(i + 2));
        const double e2 = EpaisseurLigne(i + 1);
        if (k2 < SeuilEpaisseurInfinie && e2 >= 0 && e2 < k2)
            Stocke(CodeEpaisseur(), i + 1, k2);
    }
    if (t * 1000 != EpaisseurLigne(i))
        Stocke(CodeEpaisseur(), i, t * 1000);
    Stocke(CodeRayon(), i, rayons->R1);
    Edition.LigneCourante = i;
    return true;
}

// The conversion for the table, then the refresh.
void Convertit()
{
    // The radii and thicknesses the conversion stores are undone together.
    const std::int32_t debut = DebutEtapeJournal();
    if (CalculeRayons())
        Modifie();
    TermineEtapeJournal(debut);
}

} // namespace

TFormeLentille FormeLentille(double r1, double r2, double e, double n)
{
    TFormeLentille f;
    f.Puissance = 1000 * ((n - 1) * (1 / r1 - 1 / r2) + (n - 1) * (n - 1) / n * e / (r1 * r2));
    f.Cambrure = 1000 * (r1 + r2) / (2 * r1 * r2);
    return f;
}

std::optional<TRayonsLentille> RayonsLentille(double puissance, double cambrure, double t, double n)
{
    const double a = puissance / (n - 1) - (n - 1) / n * cambrure * cambrure * t;
    const double u = 1 - t * a * (n - 1) / n;
    if (!(u >= 0))
        return std::nullopt;
    const double w = a / (std::sqrt(u) + 1);
    const double c1 = cambrure + w;
    const double c2 = cambrure - w;
    const auto rayon = [](double c) { return std::abs(c) < 1e-7 ? RayonPlan : 1000 / c; };
    return TRayonsLentille{rayon(c1), rayon(c2)};
}

TPasNormalise NormalisePas(float pas, int largeurChiffre)
{
    const double absolu = std::abs(static_cast<double>(pas));
    const int k = absolu > 0 ? static_cast<int>(std::nearbyint(std::log10(absolu))) : 0;
    const int j = k >= 0 ? k + 5 : k + 4;
    TPasNormalise p;
    p.Pas = static_cast<float>(std::pow(10.0, k));
    p.Repere = (j > 4 ? 97 : 95) - j * largeurChiffre;
    return p;
}

std::optional<float> PasDuChiffre(int x, bool cambrure)
{
    if (x < 0)
        return std::nullopt;
    if (x <= 11)
        return cambrure ? std::optional<float>(10) : std::nullopt;
    if (x <= 17)
        return 10.0f;
    if (x <= 24)
        return 1.0f;
    if (x <= 28)
        return std::nullopt;
    if (x <= 34)
        return 0.1f;
    if (x <= 40)
        return 0.01f;
    if (x <= 46)
        return 0.001f;
    if (x <= 60)
        return 0.0001f;
    return std::nullopt;
}

void OuvreCadreLentille()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    if (Dispositif.NombreDioptres >= NombreMaxDioptres)
        return;
    Ouvre(Controles.Grille);
}

void OuvreCadreLentilleGroupe()
{
    Edition.TableEditee = TTableEditee::Groupe;
    if (Edition.LigneCourante >= NombreMaxDioptresGroupe)
        return;
    Ouvre(Controles.TableauKlevtsov);
}

bool CalculeRayonsDispositif()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    return CalculeRayons();
}

bool CalculeRayonsGroupe()
{
    Edition.TableEditee = TTableEditee::Groupe;
    return CalculeRayons();
}

void CadreLentilleEntree(bool cambrure, const std::string& texte, const std::string& autreTexte)
{
    float& valeur = Valeur(cambrure);
    if (ReconnaitNombre(texte) > 0)
    {
        valeur = static_cast<float>(LitNombre(texte));
        Edition.DocumentModifie = true;
    }
    else
        valeur = ValeurDesRayons(cambrure);
    Texte(cambrure) = TexteForme(valeur);
    if (ReconnaitNombre(autreTexte) > 0)
    {
        Valeur(!cambrure) = static_cast<float>(LitNombre(autreTexte));
        Convertit();
    }
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void CadreLentilleEchap(bool cambrure)
{
    Texte(cambrure) = TexteForme(ValeurDesRayons(cambrure));
}

void CadreLentilleSpin(bool cambrure, bool monte, const std::string& texte, const std::string& autreTexte)
{
    float& valeur = Valeur(cambrure);
    const float pas = cambrure ? Reglages.PasGamma : Reglages.PasPhi;
    if (ReconnaitNombre(texte) > 0)
        valeur = static_cast<float>(LitNombre(texte)) + (monte ? pas : -pas);
    Texte(cambrure) = TexteForme(valeur);
    Edition.DocumentModifie = true;
    // Both directions convert, whatever the form.
    if (ReconnaitNombre(autreTexte) > 0)
    {
        Valeur(!cambrure) = static_cast<float>(LitNombre(autreTexte));
        Convertit();
    }
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void CadreLentilleChiffre(bool cambrure, int x)
{
    if (const std::optional<float> pas = PasDuChiffre(x, cambrure))
        (cambrure ? Reglages.PasGamma : Reglages.PasPhi) = *pas;
    RemplitCases();
}

void CadreLentilleBtnOKRdcClick(const std::string& textePhi, const std::string& texteGamma)
{
    EtatSaisie.CadreLentille = false;
    Controles.AppuiDeroule.Visible = false;
    if (ReconnaitNombre(textePhi) <= 0 || ReconnaitNombre(texteGamma) <= 0)
        return PortsEdition.RafraichitVue();
    TCadreLentilleModele& m = CadreLentilleModele;
    m.PuissanceLentille = static_cast<float>(LitNombre(textePhi));
    m.CambrureLentille = static_cast<float>(LitNombre(texteGamma));
    if (std::abs(m.PuissanceLentille - m.PuissanceAffichee) > 0.0001f ||
        std::abs(m.CambrureLentille - m.CambrureAffichee) > 0.0001f)
    {
        Convertit();
        Edition.AMettreAJour = true;
    }
    PortsEdition.RafraichitVue();
}

void CadreLentilleBtnDioptrePlanClick()
{
    const int i = Edition.LigneCourante;
    if (RayonLigne(i) != RayonPlan && StockeCellule(CodeRayon(), i, RayonPlan))
    {
        Journalise(CodeRayon(), i, RayonPlan);
        Modifie();
    }
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    PortsEdition.RafraichitVue();
}

void CadreLentilleBtnDiaphragmeClick()
{
    const int i = Edition.LigneCourante;
    // The store routine gives the medium behind the stop the medium in front of it, and so does its replay.
    if (RayonLigne(i) != RayonDiaphragme && StockeCellule(CodeRayon(), i, RayonDiaphragme))
    {
        Journalise(CodeRayon(), i, RayonDiaphragme);
        Modifie();
    }
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    PortsEdition.RafraichitVue();
}

void FermeCadreLentille()
{
    EtatSaisie.CadreLentille = false;
    Controles.AppuiDeroule.Visible = false;
}

void OuvreCadreMiroirPlan()
{
    ValideSiOuverte();
    TEtatSaisie& e = EtatSaisie;
    e.CadreDioptre = e.CadreLentille = e.CadreEpaisseur = e.CadreDiametre = false;
    e.CadreMiroirPlan = true;
    const TControle& ligne = Controles.LigneMiroir;
    CadreMiroirPlanModele.Haut = ligne.Top + ligne.Height - 1;
    CadreMiroirPlanModele.Gauche = ligne.Left - Controles.AppuiDeroule.Width + 121;
}

void CadreMiroirPlanBtnMiroirPlanClick()
{
    EtatSaisie.CadreMiroirPlan = false;
    Controles.AppuiDeroulePlus.Visible = false;
    if (Instrument.RayonCourbureSecondaire != RayonPlan && StockeCellule(SaisieRayonLigneMiroir, 0, RayonPlan))
    {
        Journalise(SaisieRayonLigneMiroir, 0, RayonPlan);
        Modifie();
    }
    PortsEdition.RafraichitVue();
}

void FermeCadreMiroirPlan()
{
    EtatSaisie.CadreMiroirPlan = false;
    Controles.AppuiDeroulePlus.Visible = false;
}

// The lens-device drawing colours without their window.
#include "dialogs/DispositifCalcul.h"

#include "dialogs/ReglagesCommuns.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "platform/Format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr float LimiteIndiceMaximale = 5.0f;
constexpr float LimiteIndiceParDefaut = 1.1f;
constexpr int LargeurColonneTeinte = 10;

// The white rectangle behind each component's value, and the spin box's left edge over it.
struct TZoneComposante
{
    int Gauche;
    int Droite;
    int CaseRVB;
    int ClicGauche; // the component row's clickable span
    int ClicDroite;
};

constexpr std::array<TZoneComposante, 3> Zones = {{
    {15, 98, 62, 20, 82},
    {137, 209, 173, 142, 193},
    {249, 321, 285, 254, 305},
}};

int Composante(TColor couleur, int composante)
{
    switch (composante)
    {
    case 2: return ComposanteVerte(couleur);
    case 3: return ComposanteBleue(couleur);
    default: return ComposanteRouge(couleur);
    }
}

void Remplit(ICanevas& c, TColor couleur, int x1, int y1, int x2, int y2)
{
    c.Pinceau().Couleur = couleur;
    c.Pinceau().Style = TStylePinceau::Plein;
    c.FillRect(x1, y1, x2, y2);
}

} // namespace

TTeintesDialogue TeintesInitiales()
{
    return {Reglages.TeinteVerre, Reglages.IndiceLimite, -1, 1};
}

int PasComposante(int composante, bool haut)
{
    return ((composante + (haut ? 1 : -10)) % 256 + 256) % 256;
}

std::optional<bool> SensCaseRVB(int x, int y)
{
    if (x < 23)
        return std::nullopt;
    return y < 8;
}

void DessineCaseRVB(ICanevas& c, int valeur, std::optional<bool> enfoncee)
{
    constexpr int Fleches = 22;
    constexpr int Milieu = 8;
    c.Stylo() = {clGray, 1, TStyleStylo::Plein};
    c.Pinceau() = {clWhite, TStylePinceau::Plein};
    c.Rectangle(0, 0, Fleches + 1, HauteurCaseRVB);
    c.Police().Nom = "Arial";
    c.Police().FixeHauteur(-11);
    c.Police().Gras = false;
    c.Police().Couleur = clBlack;
    const std::string texte = std::to_string(valeur);
    c.Pinceau().Style = TStylePinceau::Transparent;
    c.TextOut(Fleches - 2 - c.TextWidth(texte), (HauteurCaseRVB - c.TextHeight(texte)) / 2, texte);
    for (const bool haut : {true, false})
    {
        const int y1 = haut ? 0 : Milieu;
        const int y2 = haut ? Milieu + 1 : HauteurCaseRVB;
        c.Stylo().Couleur = clGray;
        c.Pinceau() = {enfoncee == haut ? clSilver : clBtnFace, TStylePinceau::Plein};
        c.Rectangle(Fleches, y1, LargeurCaseRVB, y2);
        // A small triangle pointing up or down in the middle of its half.
        const int centre = (Fleches + LargeurCaseRVB) / 2;
        const int pointe = haut ? y1 + 2 : y2 - 3;
        const int base = haut ? y1 + 5 : y2 - 6;
        c.Stylo().Couleur = clBlack;
        c.Pinceau() = {clBlack, TStylePinceau::Plein};
        const std::array<TPointCanevas, 3> triangle = {{{centre, pointe}, {centre - 3, base}, {centre + 3, base}}};
        c.Polygon(triangle);
    }
}

void FondMouseUp(TTeintesDialogue& teintes, int x, int y)
{
    const int avant = teintes.TeinteSelectionnee;
    teintes.TeinteSelectionnee = -1;
    if (y > 10 && y < 25)
    {
        for (int i = 0; i < 10; ++i)
            if (x >= 12 + 32 * i && x <= 32 + 32 * i)
                teintes.TeinteSelectionnee = i;
        return;
    }
    if (y > 62 && y < 79)
    {
        for (int k = 0; k < 3; ++k)
        {
            const TZoneComposante& zone = Zones[static_cast<std::size_t>(k)];
            if (x >= zone.ClicGauche && x <= zone.ClicDroite)
            {
                teintes.ComposanteTeinte = k + 1;
                teintes.TeinteSelectionnee = avant;
            }
        }
    }
}

void DeplaceTeinteAGauche(TTeintesDialogue& teintes)
{
    const int i = teintes.TeinteSelectionnee;
    if (i < 0 || i > 9)
        return;
    const int precedente = (i + 9) % 10;
    std::swap(teintes.TeinteDialogue[static_cast<std::size_t>(i)],
              teintes.TeinteDialogue[static_cast<std::size_t>(precedente)]);
    teintes.TeinteSelectionnee = precedente;
}

void PasTeinte(TTeintesDialogue& teintes, bool haut)
{
    const int i = teintes.TeinteSelectionnee;
    if (i < 0 || i > 9)
        return;
    TColor& teinte = teintes.TeinteDialogue[static_cast<std::size_t>(i)];
    std::array<int, 3> composantes = {ComposanteRouge(teinte), ComposanteVerte(teinte), ComposanteBleue(teinte)};
    int& choisie = composantes[static_cast<std::size_t>(std::clamp(teintes.ComposanteTeinte, 1, 3) - 1)];
    choisie = PasComposante(choisie, haut);
    teinte = CouleurRVB(composantes[0], composantes[1], composantes[2]);
}

void DessineTeintes(ICanevas& c, const TTeintesDialogue& teintes)
{
    c.Stylo().Style = TStyleStylo::Transparent;
    Remplit(c, clWhite, 0, 0, LargeurFondTeintes, HauteurFondTeintes);
    const int choisie = teintes.TeinteSelectionnee;
    for (int i = 0; i < 10; ++i)
    {
        const int x = 32 * i;
        if (i == choisie)
        {
            // The selected swatch stands on a tab that opens onto the panel of its components.
            Remplit(c, clBtnFace, x + 7, 5, x + 37, 30);
            const std::array<TPointCanevas, 4> onglet = {{{x + 7, 29}, {5, 44}, {331, 44}, {x + 37, 29}}};
            c.Polygon(onglet);
        }
        Remplit(c, teintes.TeinteDialogue[static_cast<std::size_t>(i)], x + 12, 10, x + 32, 25);
    }
    if (choisie >= 0 && choisie <= 9)
    {
        Remplit(c, clBtnFace, 5, 44, 331, 123);
        const TZoneComposante& zone = Zones[static_cast<std::size_t>(std::clamp(teintes.ComposanteTeinte, 1, 3) - 1)];
        Remplit(c, clWhite, zone.Gauche, 54, zone.Droite, 72);
    }
    c.Stylo().Style = TStyleStylo::Plein;
}

int PositionCaseRVB(int composante)
{
    return Zones[static_cast<std::size_t>(std::clamp(composante, 1, 3) - 1)].CaseRVB;
}

int ValeurComposante(const TTeintesDialogue& teintes, int composante)
{
    if (teintes.TeinteSelectionnee < 0 || teintes.TeinteSelectionnee > 9)
        return 0;
    return Composante(teintes.TeinteDialogue[static_cast<std::size_t>(teintes.TeinteSelectionnee)], composante);
}

TValidationBoite ValideIndiceLimite(TTeintesDialogue& teintes, const std::string& texte)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return {};
    const double valeur = LitNombre(texte, PolitiqueDialogue);
    if (valeur < 0)
        return {};
    const double arrondi = std::nearbyint(valeur * 100) / 100;
    if (arrondi > LimiteIndiceMaximale)
        return {TIssueValidation::Refuse, "Cette valeur doit être inférieure à 5",
                FormateNombre(teintes.IndiceLimiteSaisi, "0.00")};
    if (static_cast<float>(arrondi) == teintes.IndiceLimiteSaisi)
        return {TIssueValidation::Inchange, {}, {}};
    teintes.IndiceLimiteSaisi = static_cast<float>(arrondi);
    return {TIssueValidation::Stocke, {}, FormateNombre(arrondi, "#0.00")};
}

std::string TexteIndiceLimite(float limite)
{
    return FormateNombre(limite, "0.##");
}

void ValideTeintes(const TTeintesDialogue& teintes)
{
    Reglages.TeinteVerre = teintes.TeinteDialogue;
    Reglages.IndiceLimite = teintes.IndiceLimiteSaisi;
}

std::string TexteTeintesDispositif(const TPaletteTeintes& teintes, float limite)
{
    std::string valeur;
    for (TColor teinte : teintes)
    {
        std::string texte = TexteCouleur(teinte);
        if (texte.size() >= LargeurColonneTeinte)
            texte += ' ';
        texte.resize(std::max<std::size_t>(texte.size(), LargeurColonneTeinte), ' ');
        valeur += texte;
    }
    return valeur + FormateNombre(limite, "0.00");
}

bool AppliqueTexteTeintesDispositif(const std::string& valeur)
{
    const std::vector<std::string> mots = Mots(valeur);
    if (mots.size() < 10 || mots.size() > 11)
        return false;
    TPaletteTeintes teintes{};
    for (std::size_t i = 0; i < teintes.size(); ++i)
    {
        const std::optional<TColor> teinte = LitCouleur(mots[i]);
        if (!teinte)
            return false;
        teintes[i] = *teinte;
    }
    float limite = LimiteIndiceParDefaut;
    if (mots.size() == 11)
    {
        if (ReconnaitNombre(mots[10], PolitiqueDialogue) == PasUnNombre)
            return false;
        const double lue = LitNombre(mots[10], PolitiqueDialogue);
        if (lue < 0 || lue > LimiteIndiceMaximale)
            return false;
        limite = static_cast<float>(lue);
    }
    Reglages.TeinteVerre = teintes;
    Reglages.IndiceLimite = limite;
    return true;
}

void TermineConfigDispositif(const TPaletteTeintes& teintesAvant, float limiteAvant)
{
    TermineReglages(Reglages.TeinteVerre != teintesAvant || Reglages.IndiceLimite != limiteAvant,
                    CodeJournalTeintesDispositif, 0,
                    TexteTeintesDispositif(Reglages.TeinteVerre, Reglages.IndiceLimite), true);
}

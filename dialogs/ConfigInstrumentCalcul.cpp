// The instrument drawing colours without their window.
#include "dialogs/ConfigInstrumentCalcul.h"

#include "dialogs/DispositifCalcul.h"
#include "dialogs/ReglagesCommuns.h"
#include "editing/Ports.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t CouleurMaximale = 0xFFFFFF;

std::array<int, 6> Composantes()
{
    const TColor m = Instrument.TeinteMiroirs;
    const TColor l = Instrument.TeinteLentilles;
    return {ComposanteRouge(m), ComposanteVerte(m), ComposanteBleue(m),
            ComposanteRouge(l), ComposanteVerte(l), ComposanteBleue(l)};
}

std::size_t Rang(int composante)
{
    return static_cast<std::size_t>(std::clamp(composante, 1, 6) - 1);
}

} // namespace

int ComposanteCouleurInstrument(int composante)
{
    return Composantes()[Rang(composante)];
}

void PasCouleurInstrument(int composante, bool haut)
{
    std::array<int, 6> c = Composantes();
    c[Rang(composante)] = PasComposante(c[Rang(composante)], haut);
    Instrument.TeinteMiroirs = CouleurRVB(c[0], c[1], c[2]);
    Instrument.TeinteLentilles = CouleurRVB(c[3], c[4], c[5]);
}

void DessineCouleursInstrument(ICanevas& c)
{
    c.Pinceau().Style = TStylePinceau::Plein;
    c.Pinceau().Couleur = clBtnFace;
    c.FillRect(0, 0, LargeurFondInstrument, HauteurFondInstrument);
    c.Pinceau().Couleur = Instrument.TeinteMiroirs;
    c.FillRect(70, 0, 330, 23);
    c.Pinceau().Couleur = Instrument.TeinteLentilles;
    c.FillRect(70, 64, 330, 87);
}

TPositionCase PositionCaseInstrument(int composante)
{
    static constexpr std::array<int, 3> Colonnes = {81, 191, 303};
    const std::size_t rang = Rang(composante);
    return {Colonnes[rang % 3], rang < 3 ? 48 : 112};
}

bool AppliqueTeintesInstrument(std::int32_t index, const std::string& valeur)
{
    const std::optional<std::int32_t> lentilles = EntierDansLimites(valeur, 0, CouleurMaximale);
    if (index < 0 || index > CouleurMaximale || !lentilles)
        return false;
    Instrument.TeinteMiroirs = static_cast<TColor>(index);
    Instrument.TeinteLentilles = static_cast<TColor>(*lentilles);
    return true;
}

void TermineConfigInstrument(TColor miroirsAvant, TColor lentillesAvant)
{
    TermineReglages(Instrument.TeinteMiroirs != miroirsAvant || Instrument.TeinteLentilles != lentillesAvant,
                    CodeJournalTeintesInstrument, static_cast<std::int32_t>(Instrument.TeinteMiroirs),
                    std::to_string(Instrument.TeinteLentilles), false);
}

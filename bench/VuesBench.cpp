// Every view of every form's test design drawn once, as the window draws it right after the design is opened: the
// refresh derives the design, Qt draws the sheet, then the view is computed and drawn under it, all into images the
// size of the window's. Each measure is that first drawing, the design opened afresh before it.
#include <benchmark/benchmark.h>

#include "ApplicationHorsEcran.h"
#include "app/Etat.h"
#include "app/Rafraichissement.h"
#include "app/Vues.h"
#include "optics/DefautsTypes.h"
#include "optics/Modele.h"
#include "platform/CanevasImage.h"
#include "sheet/Fiche.h"
#include "sheet/TableauGroupe.h"
#include "stars/PageEtoiles.h"
#include "support/Formes.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Each view and the button that shows it; the sheet alone has none pressed.
struct TVueBanc
{
    const char* Nom;
    TVue Vue;
    std::optional<TBoutonVue> Bouton;
};
const TVueBanc Vues[] = {
    {"Tableau", TVue::Tableau, std::nullopt},
    {"Instrument", TVue::Instrument, TBoutonVue::Instrument},
    {"Dispositif", TVue::Dispositif, TBoutonVue::Dispositif},
    {"Champ", TVue::Champ, TBoutonVue::Champ},
    {"EtoileMultiple", TVue::EtoileMultiple, TBoutonVue::Etoiles},
    {"EtoileUnique", TVue::EtoileUnique, TBoutonVue::Unique},
};

// The page's images, as the main window gives them, for the whole run.
struct TImagesPage
{
    std::vector<std::unique_ptr<TCanevasImage>> Images;
    TCanevasImage* Image(int largeur, int hauteur)
    {
        Images.push_back(std::make_unique<TCanevasImage>(largeur, hauteur));
        return Images.back().get();
    }
    TImagesPage()
    {
        ImagesFiche = {Image(800, 800), Image(762, 16 * NombreMaxDioptres + 49),
                       Image(762, 17),  Image(762, 17),
                       Image(449, 17),  Image(762, 48),
                       Image(55, 17)};
        ImagesGroupe = {Image(762, 284), Image(75, 17), Image(762, 17), Image(47, 17)};
        ImagesEtoiles = {Image(762, 550), Image(50, 17)};
    }
};

void PremierDessin(benchmark::State& etat, TTypeInstrument forme, const TVueBanc& vue)
{
    ApplicationHorsEcran();
    static TImagesPage page;
    for (auto _ : etat)
    {
        etat.PauseTiming();
        ConstruitFormeValide(forme);
        Controles = TControlesFiche{};
        Etat.BoutonsVue.fill(false);
        if (vue.Bouton)
            EnfonceSeul(*vue.Bouton);
        Etat.VueCourante = vue.Vue;
        Etat.Transversales = true;
        Edition.AMettreAJour = true;
        etat.ResumeTiming();
        RafraichitVue();
    }
    if (vue.Vue != TVue::Tableau && !Controles.Dessin.Visible)
        etat.SkipWithError("the view was not drawn");
}

[[maybe_unused]] const bool Enregistres = [] {
    for (const TTypeInstrument forme : FormesInstrument)
        for (const TVueBanc& vue : Vues)
        {
            std::string nomForme = NomTypeInstrument(forme);
            std::replace(nomForme.begin(), nomForme.end(), ' ', '_');
            benchmark::RegisterBenchmark(("PremierDessin/" + nomForme + "/" + vue.Nom).c_str(), PremierDessin, forme,
                                         vue)
                ->Unit(benchmark::kMillisecond);
        }
    return true;
}();

} // namespace

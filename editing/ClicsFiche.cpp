// Clicks on the design sheet and its small widgets.
#include "editing/ClicsFiche.h"

#include "editing/ListeTypes.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Valide.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using F = TTypeInstrument;
using V = TValeurFiche;

// One value box of a sheet line: its slot bounds X; some boxes count only while the block is expanded, some only
// while the Maksutov-Cassegrain's secondary is not the spot on the meniscus.
struct TCible
{
    int Case;
    V Valeur;
    bool Developpe = false;
    bool SecondaireSepare = false;
};

// One sheet line: the slot whose top and bottom bound Y, and its boxes in the order they are tried.
struct TRegle
{
    int Ligne;
    bool Developpe;
    std::vector<TCible> Cibles;
};

constexpr bool E = true;

std::vector<TRegle> ReglesForme(F forme)
{
    const TRegle epaisseursMiroirs = {11, E, {{11, V::EpaisseurPrimaire}, {12, V::EpaisseurSecondaire}}};
    const TRegle premiereDeuxMiroirs = {
        0, false, {{0, V::DiametreEntree}, {2, V::FocalePrimaire, E}, {7, V::FocaleResultante}}};
    const TRegle secondaireDeuxMiroirs = {
        9, E, {{9, V::DiametreSecondaire}, {16, V::DiametreTrouCentral}, {10, V::DegagementFoyer}}};
    const TRegle epaisseursLame = {
        11, E, {{11, V::EpaisseurPrimaire}, {14, V::DistanceLameMiroir}, {13, V::EpaisseurLame}}};
    switch (forme)
    {
    case F::Newton:
        return {
            {0, false, {{0, V::DiametreEntree}, {2, V::FocalePrimaire}}},
            {8,
             E,
             {{8, V::CoefficientDeformationPrimaire}, {9, V::DiametreSecondaire}, {10, V::DistanceSecondaireFoyer}}},
            epaisseursMiroirs};
    case F::Cassegrain:
    case F::Gregory: return {premiereDeuxMiroirs, secondaireDeuxMiroirs, epaisseursMiroirs};
    case F::RitcheyChretien:
    case F::DallKirkham:
        return {premiereDeuxMiroirs,
                secondaireDeuxMiroirs,
                {18,
                 E,
                 {{8, V::CoefficientDeformationPrimaire},
                  {18, V::CoefficientDeformationSecondaire},
                  {19, V::CoefficientDeformationSecondaire2}}},
                epaisseursMiroirs};
    case F::Schwarzschild: return {premiereDeuxMiroirs, {9, E, {{9, V::DiametreSecondaire}}}, epaisseursMiroirs};
    case F::Schmidt:
        return {
            {0,
             false,
             {{0, V::DiametreEntree}, {1, V::DiametreMiroir}, {7, V::FocaleResultante}, {3, V::RayonCourburePrimaire}}},
            {11,
             E,
             {{11, V::EpaisseurPrimaire}, {14, V::DistanceLameMiroir}, {20, V::CoefficientK}, {13, V::EpaisseurLame}}}};
    case F::SchmidtNewton:
        return {{0, false, {{0, V::DiametreEntree}, {1, V::DiametreMiroir}, {7, V::FocaleResultante}}},
                {17, E, {{17, V::CoefficientDeformationLame}}},
                {10, E, {{10, V::DistanceSecondaireFoyer}, {9, V::DiametreSecondaire}, {14, V::DistanceLameMiroir}}},
                {11, E, {{11, V::EpaisseurPrimaire}, {12, V::EpaisseurSecondaire}, {13, V::EpaisseurLame}}}};
    case F::Maksutov:
    case F::MaksutovNewton:
    {
        std::vector<TRegle> regles = {
            {0,
             false,
             {{0, V::DiametreEntree}, {1, V::DiametreMiroir}, {2, V::FocalePrimaire}, {3, V::RayonCourburePrimaire}}},
            {11,
             E,
             {{11, V::EpaisseurPrimaire},
              {14, V::DistanceLameMiroir},
              {15, V::DistanceDiaphragmeMiroir},
              {13, V::EpaisseurLame}}}};
        if (forme == F::MaksutovNewton)
            regles.push_back(
                {9, E, {{9, V::DiametreSecondaire}, {10, V::DistanceSecondaireFoyer}, {12, V::EpaisseurSecondaire}}});
        return regles;
    }
    case F::SchmidtCassegrain:
        return {{0, false, {{0, V::DiametreEntree}, {3, V::RayonCourburePrimaire, E}, {7, V::FocaleResultante}}},
                {9, E, {{10, V::DegagementFoyer}, {16, V::DiametreTrouCentral}, {9, V::DiametreSecondaire}}},
                epaisseursLame,
                {12, E, {{12, V::EpaisseurSecondaire}}}};
    case F::MaksutovCassegrain:
        return {{0,
                 false,
                 {{0, V::DiametreEntree}, {3, V::RayonCourburePrimaire, E}, {7, V::FocaleResultante, false, true}}},
                {16, E, {{10, V::DegagementFoyer}, {16, V::DiametreTrouCentral}, {9, V::DiametreSecondaire}}},
                {8,
                 E,
                 {{8, V::CoefficientDeformationPrimaire},
                  {18, V::CoefficientDeformationSecondaire, false, true},
                  {12, V::EpaisseurSecondaire, false, true}}},
                epaisseursLame};
    case F::KlevtsovCassegrain:
        return {{0, false, {{0, V::DiametreEntree}, {3, V::RayonCourburePrimaire, E}}},
                {15, E, {{15, V::DistanceDiaphragmeMiroir}, {9, V::DiametreSecondaire}}},
                {16,
                 E,
                 {{16, V::DiametreTrouCentral},
                  {18, V::CoefficientDeformationSecondaire, false, true},
                  {12, V::EpaisseurSecondaire, false, true}}},
                epaisseursLame};
    case F::LurieHoughton:
        return {{0, false, {{0, V::DiametreEntree}, {1, V::DiametreMiroirHoughton}, {3, V::RayonCourburePrimaire}}},
                {11, E, {{11, V::EpaisseurPrimaire}}},
                {10, E, {{10, V::DistanceSecondaireFoyer}, {9, V::DiametreSecondaire}, {12, V::EpaisseurSecondaire}}}};
    case F::HoughtonCassegrain:
        return {{0, false, {{0, V::DiametreEntree}, {3, V::RayonCourburePrimaire}, {7, V::FocaleResultante}}},
                secondaireDeuxMiroirs,
                epaisseursMiroirs};
    // The refractor's values are in its lens-group table.
    case F::Lunette:
    case F::Aucun: return {};
    }
    return {};
}

// One arc minute in radians.
constexpr double MinuteArc = 0.0002908882086657216;
constexpr double PasCoefficientLame = 0.001;
constexpr double InversePasCoefficientLame = 1000;
// The arrows of the distance box start right of x 36 (pressed) or at x 36 (released), those of the plate coefficient
// box at x 42; the upper arrow ends above y 9.
constexpr int DebutFlechesDistance = 36;
constexpr int DebutFlechesArl = 42;
constexpr int BasFlecheHaute = 9;

bool VueDispositif()
{
    return PortsEdition.VueCourante() == TVue::Dispositif;
}

bool BoiteDistanceEtoile()
{
    const TVue vue = PortsEdition.VueCourante();
    return vue == TVue::EtoileUnique || (vue == TVue::Instrument && Instrument.TypeInstrument == F::Maksutov);
}

} // namespace

void PrepareSaisieFiche()
{
    Controles.Ligne.Visible = false;
    EtatSaisie.Saisie.Visible = true;
    ActiveEditionSaisie();
    EtatSaisie.Saisie.Couleur = 0xFFFFFF;
    EtatSaisie.Saisie.Hauteur = 18;
}

std::optional<TValeurFiche> ValeurSousClic(int x, int y)
{
    const auto& cases = MiseEnPage.CaseValeur;
    const bool developpe = Edition.InstrumentDeveloppe;
    for (const TRegle& regle : ReglesForme(Instrument.TypeInstrument))
    {
        const TCase& ligne = cases[static_cast<std::size_t>(regle.Ligne)];
        if ((regle.Developpe && !developpe) || !(ligne.Top < y && y < ligne.Bottom))
            continue;
        for (const TCible& cible : regle.Cibles)
        {
            const TCase& c = cases[static_cast<std::size_t>(cible.Case)];
            if ((cible.Developpe && !developpe) || (cible.SecondaireSepare && Instrument.SecondaireSurMenisque) ||
                CodeValeurFiche(cible.Valeur, Instrument.TypeInstrument) == AucuneSaisie)
                continue;
            if (c.Left < x && x < c.Right)
                return cible.Valeur;
        }
    }
    return std::nullopt;
}

namespace {

// What a click anywhere on the page does first: the row highlights and the wavelength list hidden, the frames closed.
void CacheLignesEtFerme()
{
    Controles.Ligne.Visible = false;
    Controles.LigneMiroirActive.Visible = false;
    Controles.LigneSchmidt.Visible = false;
    Controles.ComboBoxLambda.Visible = false;
    PortsEdition.FermeCadresEtRafraichit();
}

// On a blank sheet with the type list shown, the list's text taken as the form chosen; false otherwise.
bool ChoisitTypeDeLaListe()
{
    if (Instrument.TypeInstrument != F::Aucun || !Controles.ComboBox.Visible)
        return false;
    PortsClicsFiche.AfficheVueTableau();
    ChoisitTypeInstrument(PortsClicsFiche.TexteListeTypes());
    return true;
}

} // namespace

void FormClick()
{
    CacheLignesEtFerme();
    if (ChoisitTypeDeLaListe())
        return;
    EtatSaisie.Saisie.Visible = false;
    ValideSaisie();
}

void FicheFenetreMouseUp(int x, int y)
{
    CacheLignesEtFerme();
    PortsEdition.ActiveCommande(TCommandeEdition::Coller, false);
    PortsEdition.ActiveCommande(TCommandeEdition::Copier, false);
    PortsEdition.ActiveCommande(TCommandeEdition::Couper, false);
    PortsEdition.AfficheStatut("");
    bool traite = ChoisitTypeDeLaListe();
    const auto bascule = [&](const TCase& c, bool& developpe) {
        if (!EstDansCase(c, x, y))
            return;
        developpe = !developpe;
        EtatSaisie.CodeSaisie = AucuneSaisie;
        EtatSaisie.Saisie.Visible = false;
        Controles.Ligne.Visible = false;
        traite = true;
        Edition.AMettreAJour = true;
        PortsEdition.RafraichitVue();
    };
    bascule(MiseEnPage.CaseBasculeInstrument, Edition.InstrumentDeveloppe);
    bascule(MiseEnPage.CaseBasculeDispositif, Edition.DispositifDeveloppe);
    if (const std::optional<TValeurFiche> valeur = ValeurSousClic(x, y))
    {
        PrepareSaisieFiche();
        traite = true;
        OuvreValeurFiche(*valeur);
    }
    if (EstDansCase(MiseEnPage.CaseTitreDispositif, x, y))
    {
        EtatSaisie.Saisie.Visible = true;
        ActiveEditionSaisie();
        EtatSaisie.Saisie.Couleur = 0xFFFFFF;
        traite = true;
        OuvreSaisieTitreDispositif();
    }
    if (!traite)
    {
        EtatSaisie.Saisie.Visible = false;
        ValideSaisie();
    }
}

void FicheBoutonLameClick()
{
    EtatSaisie.CodeSaisie = AucuneSaisie;
    Instrument.ProfilLame =
        static_cast<TOctet>(Instrument.ProfilLame >= ProfilPartage ? ProfilAucun : Instrument.ProfilLame + 1);
    VerifieDispositif();
    if (Instrument.TypeInstrument == F::Schmidt && !Validite.DispositifPresent)
    {
        const double r = Instrument.RayonCourburePrimaire;
        const double t = Instrument.EpaisseurLame;
        const double distance = Instrument.ProfilLame == ProfilAvant     ? r - t / 5
                                : Instrument.ProfilLame == ProfilArriere ? r - t / 2
                                                                         : r;
        Instrument.DistanceLameMiroir = static_cast<float>(distance);
    }
    if (Instrument.TypeInstrument == F::SchmidtCassegrain && Instrument.ProfilLame == ProfilAucun)
        Instrument.ProfilLame = ProfilAvant;
    PortsEdition.AjouteAuJournal({CodeJournalProfilLame, Instrument.ProfilLame, "0"});
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    PortsEdition.RafraichitVue();
}

void FicheBoutonChampCourbeClick()
{
    Instrument.ChampCourbe = !Instrument.ChampCourbe;
    // The design file carries the field's shape: undo, redo and recovery need it.
    PortsEdition.AjouteAuJournal({CodeJournalChampCourbe, Instrument.ChampCourbe ? 1 : 0, "0"});
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void FicheCheckBox1Click(bool coche)
{
    if (Instrument.SecondaireSurMenisque == coche)
        return;
    Instrument.SecondaireSurMenisque = coche;
    PortsEdition.AjouteAuJournal({CodeJournalSecondaireSurMenisque, coche ? 1 : 0, "0"});
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
    // The separate secondary's own values are not on the sheet with the spot on the meniscus: a box left open on
    // one of them goes back to the first value.
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    if (coche && EtatSaisie.Saisie.Visible &&
        (code == SaisieDegagementFoyerCassegrain || code == SaisieDeformationSecondaireMaksutovCassegrain))
        OuvreSaisieDiametreEntree();
    PortsEdition.RafraichitVue();
}

void FicheBoutonRayonsClick()
{
    Reglages.RayonsLumineuxTraces = !Reglages.RayonsLumineuxTraces;
    PortsEdition.ActiveCommande(TCommandeEdition::BtnDiaOpt, Reglages.RayonsLumineuxTraces);
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void FicheBoxDistanceMouseDown(int x, int y)
{
    if (x <= DebutFlechesDistance)
        return;
    const TControle& boite = Controles.BoxDistance;
    TControle& image = y < BasFlecheHaute ? Controles.Spinup : Controles.SpinDown;
    image.Left = boite.Left + DebutFlechesDistance + 1;
    image.Top = y < BasFlecheHaute ? boite.Top : boite.Top + boite.Height - image.Height;
    image.Visible = true;
}

std::optional<float> LimiteMaksutov()
{
    if (Instrument.FocalePrimaire <= 1)
        return std::nullopt;
    float limite = static_cast<float>(
        std::atan(Instrument.DiametreChampPleineLumiere / 2.0 / Instrument.FocalePrimaire) / MinuteArc);
    if (Instrument.DistanceLameMiroir > 1)
        limite = static_cast<float>(limite * Instrument.RayonCourburePrimaire / Instrument.DistanceLameMiroir);
    // A mirror narrower than the beam has no fully illuminated field: the star stays on the axis, never at a
    // negative distance.
    return std::max(limite, 0.0f);
}

void FicheBoxDistanceMouseUp(int x, int y)
{
    const bool dispositif = VueDispositif();
    const bool etoile = BoiteDistanceEtoile();
    PortsClicsFiche.PrepareDistanceEtoile();
    const double ancienne = dispositif ? Reglages.DistanceAxeImage : Reglages.DistanceAxeEtoile;
    if (x < DebutFlechesDistance)
    {
        if (dispositif)
        {
            EtatSaisie.Saisie.Visible = true;
            ActiveEditionSaisie();
            EtatSaisie.Saisie.Couleur = 0xFFFFFF;
            EtatSaisie.Saisie.Hauteur = 18;
            OuvreSaisieDistanceAxeImage();
        }
        else if (etoile)
        {
            PrepareSaisieFiche();
            OuvreSaisieDistanceAxeEtoile();
        }
    }
    else
    {
        if (EtatSaisie.Saisie.Visible)
            ValideSaisie();
        EtatSaisie.Saisie.Visible = false;
        Controles.Spinup.Visible = false;
        Controles.SpinDown.Visible = false;
        const bool monte = y < BasFlecheHaute;
        if (dispositif)
            Reglages.DistanceAxeImage += (monte ? 1 : -1) * PortsClicsFiche.PasDistanceDispositif();
        else if (etoile && monte)
        {
            Reglages.DistanceAxeEtoile += Reglages.PasBoiteDistance;
            // A Maksutov's star is kept inside its fully illuminated field: the step is taken back.
            const std::optional<float> limite =
                Instrument.TypeInstrument == F::Maksutov ? LimiteMaksutov() : std::nullopt;
            if (limite && Reglages.DistanceAxeEtoile > *limite)
                Reglages.DistanceAxeEtoile -= Reglages.PasBoiteDistance;
        }
        else if (etoile)
        {
            Reglages.DistanceAxeEtoile -= Reglages.PasBoiteDistance;
            if (Reglages.DistanceAxeEtoile < 0)
                Reglages.DistanceAxeEtoile = 0;
        }
    }
    const double nouvelle = dispositif ? Reglages.DistanceAxeImage : Reglages.DistanceAxeEtoile;
    if (nouvelle != ancienne)
    {
        PortsEdition.AjouteAuJournal({dispositif ? SaisieDistanceAxeImage : SaisieDistanceAxeEtoile,
                                      dispositif && Reglages.RayonsLumineuxTraces ? 1 : 0, FormateGeneral(nouvelle)});
        Edition.AMettreAJour = true;
    }
    PortsEdition.RafraichitVue();
}

void FicheCaseArlMouseDown(int x, int y)
{
    if (x < DebutFlechesArl)
        return;
    const TControle& boite = Controles.CaseArl;
    TControle& image = y < BasFlecheHaute ? Controles.Spinup : Controles.SpinDown;
    image.Left = boite.Left + DebutFlechesArl - 1;
    image.Top = y < BasFlecheHaute ? boite.Top : boite.Top + boite.Height - image.Height;
    image.Visible = true;
    Edition.AMettreAJour = true;
}

void FicheCaseArlMouseUp(int x, int y)
{
    // A plate without deformation has nothing to step.
    if (std::abs(Instrument.CoefficientDeformationLame) <= PasCoefficientLame)
        return;
    if (x >= DebutFlechesArl)
    {
        if (EtatSaisie.Saisie.Visible)
            ValideSaisie();
        EtatSaisie.Saisie.Visible = false;
        Controles.Spinup.Visible = false;
        Controles.SpinDown.Visible = false;
        // Kept on the 0.001 grid of a typed coefficient: a drifting sum would show one value and hold another.
        const double pas = y < BasFlecheHaute ? PasCoefficientLame : -PasCoefficientLame;
        Instrument.CoefficientDeformationLame =
            std::round((Instrument.CoefficientDeformationLame + pas) * InversePasCoefficientLame) /
            InversePasCoefficientLame;
        if (Instrument.CoefficientLameOptimal != 0)
            Instrument.CoefficientLameRelatif =
                Instrument.CoefficientDeformationLame / Instrument.CoefficientLameOptimal;
        // Journaled under the typed coefficient's code, so that undo and recovery see the step.
        PortsEdition.AjouteAuJournal({SaisieDeformationLame, 0, FormateGeneral(Instrument.CoefficientDeformationLame)});
        Edition.DocumentModifie = true;
        Edition.AMettreAJour = true;
        PortsEdition.RafraichitVue();
    }
    OuvreSaisieCoefficientDeformationLame();
}

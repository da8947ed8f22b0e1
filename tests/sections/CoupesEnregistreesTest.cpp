// Every form's section, on screen and on paper, in a few variants of its design, reduced to a fingerprint of the
// canvas calls and the banner it leaves: the section drawers share routines, and a change in one of them must not
// move a single call of any form unnoticed. A deliberate change of a drawing takes the new row the failure prints.
#include "CoupesDeTest.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using T = TTypeInstrument;

// FNV-1a over 64 bits: the same calls in the same order give the same number on every machine.
class TEmpreinte
{
public:
    void Ajoute(std::int64_t v)
    {
        for (int i = 0; i < 8; ++i)
        {
            Valeur_ ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xFF;
            Valeur_ *= 0x100000001B3ULL;
        }
    }
    void Ajoute(const std::string& texte)
    {
        Ajoute(static_cast<std::int64_t>(texte.size()));
        for (const char c : texte)
            Ajoute(c);
    }
    std::uint64_t Valeur() const { return Valeur_; }

private:
    std::uint64_t Valeur_ = 0xCBF29CE484222325ULL;
};

std::uint64_t Empreinte(const TCanevasEnregistreur& canevas)
{
    TEmpreinte e;
    for (const TAppelCanevas& appel : canevas.Journal())
    {
        e.Ajoute(static_cast<std::int64_t>(appel.Operation));
        e.Ajoute(static_cast<std::int64_t>(appel.Valeurs.size()));
        for (const int v : appel.Valeurs)
            e.Ajoute(v);
        e.Ajoute(appel.Texte);
        e.Ajoute(appel.Couleur);
        e.Ajoute(appel.Stylo.Couleur);
        e.Ajoute(appel.Stylo.Epaisseur);
        e.Ajoute(static_cast<std::int64_t>(appel.Stylo.Style));
        e.Ajoute(appel.Pinceau.Couleur);
        e.Ajoute(static_cast<std::int64_t>(appel.Pinceau.Style));
        e.Ajoute(appel.Police.Nom);
        e.Ajoute(appel.Police.Hauteur);
        e.Ajoute(appel.Police.Taille);
        e.Ajoute(appel.Police.Gras);
        e.Ajoute(appel.Police.Couleur);
    }
    e.Ajoute(BandeauOcculte.Legende);
    e.Ajoute(BandeauOcculte.Couleur);
    e.Ajoute(BandeauOcculte.Visible);
    e.Ajoute(BandeauOcculte.Place.Gauche.value_or(-1));
    return e.Valeur();
}

// The variants of a design: as built, with a two-lens device, with an eyepiece (afocal), with the mirrors'
// thicknesses given where the design has none and the other way round (the drawers substitute their own), with half
// the secondary's diameter, the refractor's objective mode with the device, a device with a lens of no diameter,
// which the sections refuse, and a device with a narrow stop between its lenses and a stop as wide as they are last.
constexpr int NombreVariantes = 8;
const char* const NomsVariantes[NombreVariantes] = {
    "seule",    "dispositif",          "oculaire",   "sans epaisseur", "petit secondaire",
    "objectif", "dispositif invalide", "diaphragmes"};

void ConstruitVariante(T forme, int variante)
{
    ConstruitFormeDerivee(forme);
    Edition.LongueurTotaleAffichee = variante == 5;
    switch (variante)
    {
    case 1: DispositifDeuxLentilles(); break;
    case 2: DispositifOculaire(); break;
    case 3:
        Instrument.EpaisseurPrimaire = Instrument.EpaisseurPrimaire > 0 ? 0 : Instrument.DiametreEntree / 8;
        Instrument.EpaisseurSecondaire = Instrument.EpaisseurSecondaire > 0 ? 0 : Instrument.DiametreSecondaire / 6;
        RederiveForme();
        break;
    case 4:
        Instrument.DiametreSecondaire /= 2;
        RederiveForme();
        break;
    case 5: DispositifDeuxLentilles(); break;
    case 6:
        DispositifDeuxLentilles();
        Dispositif.DiametreDioptre[3] = 0;
        RederiveForme();
        break;
    case 7:
        Dispositif.NombreDioptres = 6;
        LigneDispositif(1, 200, 4, 40, BK7);
        LigneDispositif(2, -200, 5, 40, Air);
        LigneDispositif(3, RayonDiaphragme, 5, 20, Air);
        LigneDispositif(4, -300, 4, 40, F2);
        LigneDispositif(5, 300, 10, 40, Air);
        LigneDispositif(6, RayonDiaphragme, 45, 40, Air);
        AppliqueIndices();
        RederiveForme();
        break;
    default: break;
    }
}

struct TEmpreintesForme
{
    T Forme;
    std::array<std::uint64_t, NombreVariantes> Ecran;
    std::array<std::uint64_t, NombreVariantes> Papier;
};

// Taken from the drawers as they were when the fingerprint was introduced.
const TEmpreintesForme Attendues[] = {
    {T::Newton,
     {0x6DC859A639F1DE57, 0x8F7D612C7DF73C87, 0x06EB796486D98C11, 0x9E09ECD30985B65F, 0x44CAA5831FD310AD,
      0x8F7D612C7DF73C87, 0xF75F3D8697884E27, 0x8ADD6E28DA822966},
     {0x1FA07851DFA272F7, 0x165C7D94E9BB016C, 0xBFE6895A75BA2E85, 0xD7F8F766B23C0FCA, 0x466D616AF6C79A8A,
      0x165C7D94E9BB016C, 0xB56B3A539307CF23, 0x9E4C9C7C415E4E00}},
    {T::Cassegrain,
     {0xBBEA43CAB75847BD, 0x6BFA972ACA63E27B, 0x07692E8751437031, 0x2866C2A1D8364057, 0x607313DB93D0FAE8,
      0x6BFA972ACA63E27B, 0x49068DAD3A622A85, 0x036EFA1E0C529472},
     {0xE37C5DFBDF76A995, 0x91262A93CDF38E79, 0x11EFB16A54472B1F, 0xE04FDE85C528B419, 0x8EDBF65D3CBDCBF2,
      0x91262A93CDF38E79, 0xB56B3A539307CF23, 0xE5DD862C3C1F5D00}},
    {T::RitcheyChretien,
     {0xBBEA43CAB75847BD, 0x6BFA972ACA63E27B, 0x07692E8751437031, 0x2866C2A1D8364057, 0x607313DB93D0FAE8,
      0x6BFA972ACA63E27B, 0x49068DAD3A622A85, 0x036EFA1E0C529472},
     {0xE37C5DFBDF76A995, 0x91262A93CDF38E79, 0x11EFB16A54472B1F, 0xE04FDE85C528B419, 0x8EDBF65D3CBDCBF2,
      0x91262A93CDF38E79, 0xB56B3A539307CF23, 0xE5DD862C3C1F5D00}},
    {T::Gregory,
     {0xA5BB5E17DC0B3B6E, 0xD44D7C5F3FCFDC42, 0x475444A77C256474, 0xCFD30C6752FC00A8, 0x8623CC58F1087CD6,
      0xD44D7C5F3FCFDC42, 0x49068DAD3A622A85, 0x22BDE7DC434243B2},
     {0xB04AD4212D1B1BE2, 0xFB95E6510E7C18A6, 0x3217DA751E4F1721, 0x50D5856B19F1A490, 0x38308E8C9C8F5BDE,
      0xFB95E6510E7C18A6, 0xB56B3A539307CF23, 0xD7A0AE5B7F44F870}},
    {T::Schmidt,
     {0xAEB63743BF09BECD, 0x4DA1519F76CF7E74, 0x72D9EA675EE50FDC, 0x72B1B3E1BDAE54CF, 0xAEB63743BF09BECD,
      0x4DA1519F76CF7E74, 0xB476D06057AB0626, 0xC5BE29AD8773850C},
     {0x83B3CCC89D970721, 0xAB01363967F00A6E, 0xDBF76C7CECBB60DA, 0x72E0D68866A582FF, 0x83B3CCC89D970721,
      0xAB01363967F00A6E, 0xB56B3A539307CF23, 0x469F3C686C55811B}},
    {T::SchmidtCassegrain,
     {0xBF7B3ED8EA32328C, 0x55DCC4A9756A8FE3, 0xFEC9A12E80593427, 0x09B4BBE3F86E532C, 0x4189AEC5E677BF71,
      0x55DCC4A9756A8FE3, 0x49068DAD3A622A85, 0x8DDDE52C8860825F},
     {0x60102E92034EEFCB, 0x871363DD17E86F99, 0x0D4436F2531FC5DD, 0x4D8FDCBB65AEDAC0, 0x1533FFB88A236EC2,
      0x871363DD17E86F99, 0xB56B3A539307CF23, 0xE0AA3FB265F383EE}},
    {T::Maksutov,
     {0x2EDD346654D93F44, 0xC8AA55D39DDE9AFE, 0x1E92AD1E0E2B01C1, 0x60950FDB2E56BAE2, 0x2EDD346654D93F44,
      0xC8AA55D39DDE9AFE, 0x49068DAD3A622A85, 0x5CF11A6598FC6BA0},
     {0xE257E0C30BB4F2E8, 0xBA41F0766187B0E4, 0xBFE6895A75BA2E85, 0x3D5F3AD734B88AFC, 0xE257E0C30BB4F2E8,
      0xBA41F0766187B0E4, 0xB56B3A539307CF23, 0x0D48D20AB54D0D37}},
    {T::MaksutovCassegrain,
     {0x57969FBBA3A1288F, 0x981D1361DC23F370, 0xB97A546E2BD03B30, 0x779724E38D9966CF, 0xD83DE17953378EA2,
      0x981D1361DC23F370, 0x8386A6B08CCB6836, 0xD19568C3E8C28BC8},
     {0x2C0063FF63B29A66, 0x11407EA6F437C5B5, 0xB4F745D49AEFDCE3, 0xB661755C70076E4C, 0x11BF542A51155B70,
      0x11407EA6F437C5B5, 0xB56B3A539307CF23, 0x1F2E51960B61D0C0}},
    {T::Lunette,
     {0xFFA934D21BD8EE2C, 0x6106124F4AABD384, 0xC66DDD1A87962178, 0xFFA934D21BD8EE2C, 0xFFA934D21BD8EE2C,
      0x61BB94EA6D95925F, 0x49068DAD3A622A85, 0x1EEA25E0719BD66E},
     {0xCFD259863721638E, 0xFAF9AB256D70C04A, 0x8B1D883040787F14, 0xCFD259863721638E, 0xCFD259863721638E,
      0xF044C2082CF08299, 0xB56B3A539307CF23, 0xC18F454E93CC21E7}},
    {T::Schwarzschild,
     {0x1834C51131A73EF9, 0xAF121EE735497AFA, 0x6F3CE83D5BD00643, 0xFE7F2F8735ADB881, 0x77364A6868FFA337,
      0xAF121EE735497AFA, 0x49068DAD3A622A85, 0x5EA922050D73D08E},
     {0xDBBC955F6DFE97E8, 0xEE75F5791CE0BE7C, 0x10DCEC43676685AC, 0x2F9D4486B7BC6528, 0x678BC642F9D99152,
      0xEE75F5791CE0BE7C, 0xB56B3A539307CF23, 0xCD774C0382371CF2}},
    {T::MaksutovNewton,
     {0x1DF7303B99E7C390, 0x718E89BD1F61DF4D, 0xA077F68CB59266A3, 0x7E1B0422BB34AD28, 0x751700596A47BD88,
      0x718E89BD1F61DF4D, 0x49068DAD3A622A85, 0x956C05A1B9F421D3},
     {0x7B1B9565469BF3F9, 0x17A4D91AD7AE61B5, 0xBFE6895A75BA2E85, 0x222B514CFE026BD5, 0xB4897E4D524FCF58,
      0x17A4D91AD7AE61B5, 0xB56B3A539307CF23, 0x0194146BFBF885BA}},
    {T::DallKirkham,
     {0xBBEA43CAB75847BD, 0x6BFA972ACA63E27B, 0x07692E8751437031, 0x2866C2A1D8364057, 0x607313DB93D0FAE8,
      0x6BFA972ACA63E27B, 0x49068DAD3A622A85, 0x036EFA1E0C529472},
     {0xE37C5DFBDF76A995, 0x91262A93CDF38E79, 0x11EFB16A54472B1F, 0xE04FDE85C528B419, 0x8EDBF65D3CBDCBF2,
      0x91262A93CDF38E79, 0xB56B3A539307CF23, 0xE5DD862C3C1F5D00}},
    {T::KlevtsovCassegrain,
     {0x81995E5538F7FF2F, 0x70910650EA6BC518, 0x3C2DE8723B9ABAF6, 0xA16341497D57E4C5, 0x977352113986A69D,
      0x70910650EA6BC518, 0x49068DAD3A622A85, 0xE82748F29BF8A409},
     {0x5A510DC24A35B8AB, 0x0C9A5A97575ADD6B, 0xB9DC8E8231791004, 0x1DEE8229B1C4F0DF, 0xE4A0049612E1B4CB,
      0x0C9A5A97575ADD6B, 0xB56B3A539307CF23, 0x2068F134AC5459DC}},
    {T::LurieHoughton,
     {0x4FF2D2033A3A5499, 0x1FCEF24C5AA067DF, 0xA077F68CB59266A3, 0x43FB86661CFD5976, 0xBA0C1BC37FACA893,
      0x1FCEF24C5AA067DF, 0x49068DAD3A622A85, 0x7CF2A33F3FF17D8E},
     {0xDE30EDBA90E0EFB2, 0xECBD9FF203221CAC, 0x8D295925A032F1DD, 0x8B56CF9DE25F2187, 0xC03A0D3FFB57A99D,
      0xECBD9FF203221CAC, 0xB56B3A539307CF23, 0x518349C36F25A47A}},
    {T::HoughtonCassegrain,
     {0x7F8CA7BA393161C6, 0x7BE3B5E9909553A3, 0x49068DAD3A622A85, 0x07796DF3DD7F4B2F, 0xE8A5ACF4AC063825,
      0x7BE3B5E9909553A3, 0x49068DAD3A622A85, 0xDB33D1D2D0140789},
     {0x33ACA5F90D77BE18, 0xCF6297DA0997D159, 0xBFE6895A75BA2E85, 0x872F877C1779567E, 0x288132D341B133E2,
      0xCF6297DA0997D159, 0xB56B3A539307CF23, 0xB486DDC03EE42068}},
    {T::SchmidtNewton,
     {0xA60F14FBB8AF4D3C, 0xBCCD91F9D1176A59, 0xA077F68CB59266A3, 0xFAE688A82526F430, 0x1851630785803D5D,
      0xBCCD91F9D1176A59, 0xB476D06057AB0626, 0x3A08E8C59F0AEC49},
     {0x329FFF69BFDFB33C, 0xA30FC3D03A59C276, 0x8D295925A032F1DD, 0xE33444E44E288280, 0x4E8F8D8A1351360C,
      0xA30FC3D03A59C276, 0xB56B3A539307CF23, 0x356CCB97565D9ACE}},
};

// The form's fingerprints as the table writes them.
std::string Ligne(const TEmpreintesForme& e)
{
    std::string ligne;
    char nombre[32];
    for (const auto* empreintes : {&e.Ecran, &e.Papier})
    {
        ligne += ligne.empty() ? "{" : ", {";
        for (std::size_t i = 0; i < empreintes->size(); ++i)
        {
            std::snprintf(nombre, sizeof nombre, "%s0x%016llX", i ? ", " : "",
                          static_cast<unsigned long long>((*empreintes)[i]));
            ligne += nombre;
        }
        ligne += "}";
    }
    return ligne;
}

class CoupesEnregistrees : public CoupeDeTest
{};

TEST_F(CoupesEnregistrees, ChaqueFormeDessineEtImprimeLesMemesAppels)
{
    ASSERT_EQ(std::size(Attendues), FormesInstrument.size());
    for (const TEmpreintesForme& attendue : Attendues)
    {
        TEmpreintesForme obtenue{attendue.Forme, {}, {}};
        for (int v = 0; v < NombreVariantes; ++v)
        {
            ConstruitVariante(attendue.Forme, v);
            TCanevasEnregistreur ecran(762, 550);
            DessineCoupeInstrument(ecran);
            obtenue.Ecran[static_cast<std::size_t>(v)] = Empreinte(ecran);
            const auto page = Imprime();
            obtenue.Papier[static_cast<std::size_t>(v)] = Empreinte(*page);
        }
        for (int v = 0; v < NombreVariantes; ++v)
        {
            const auto i = static_cast<std::size_t>(v);
            SCOPED_TRACE(std::string("form ") + std::to_string(static_cast<int>(attendue.Forme)) + ", " +
                         NomsVariantes[v] + "; the form's fingerprints are now\n" + Ligne(obtenue));
            EXPECT_EQ(obtenue.Ecran[i], attendue.Ecran[i]) << "on screen";
            EXPECT_EQ(obtenue.Papier[i], attendue.Papier[i]) << "on paper";
        }
    }
}

} // namespace

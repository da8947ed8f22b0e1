// The instrument forms as the type list names them, and the starting values a form gets when it is chosen.
#include "optics/DefautsTypes.h"

#include <array>
#include <string>

#include "optics/Initialisation.h"

namespace {

struct TEntreeType
{
    const char* Cle; // the list's entry lower-cased (A to Z only)
    TTypeInstrument Forme;
    const char* Nom;
};

// In the order the keys are compared.
constexpr std::array<TEntreeType, 16> EntreesTypes = {{
    {"télescope de newton", TTypeInstrument::Newton, "Télescope de Newton"},
    {"télescope de cassegrain", TTypeInstrument::Cassegrain, "Télescope de Cassegrain"},
    {"télescope de dall-kirkham", TTypeInstrument::DallKirkham, "Télescope de Dall-Kirkham"},
    {"télescope de ritchey-chrétien", TTypeInstrument::RitcheyChretien, "Télescope de Ritchey-Chrétien"},
    {"télescope de gregory", TTypeInstrument::Gregory, "Télescope de Gregory"},
    {"télescope de schmidt", TTypeInstrument::Schmidt, "Télescope de Schmidt"},
    {"télescope de schmidt-cassegrain", TTypeInstrument::SchmidtCassegrain, "Télescope de Schmidt-Cassegrain"},
    {"télescope de schmidt-newton", TTypeInstrument::SchmidtNewton, "Télescope Schmidt-Newton"},
    {"télescope de maksutov", TTypeInstrument::Maksutov, "Télescope de Maksutov"},
    {"télescope de maksutov-newton", TTypeInstrument::MaksutovNewton, "Télescope de Maksutov-Newton"},
    {"télescope de maksutov-cassegrain", TTypeInstrument::MaksutovCassegrain, "Télescope de Maksutov-Cassegrain"},
    {"télescope de klevtsov-cassegrain", TTypeInstrument::KlevtsovCassegrain, "Télescope de Klevtsov-Cassegrain"},
    {"télescope de schwarzschild", TTypeInstrument::Schwarzschild, "Télescope de Schwarzschild"},
    {"lunette", TTypeInstrument::Lunette, "Lunette"},
    {"télescope de lurie-houghton", TTypeInstrument::LurieHoughton, "Télescope de Lurie-Houghton"},
    {"télescope de houghton-cassegrain", TTypeInstrument::HoughtonCassegrain, "Télescope de Houghton-Cassegrain"},
}};

// The Schmidt-Cassegrain's plate starts below the full correction of a camera's plate.
constexpr double CoefficientLameSchmidtCassegrain = 0.785;
// The Lurie-Houghton's corrector starts with its two surfaces.
constexpr int DioptresCorrecteurHoughton = 2;

void SecondaireSpherique()
{
    Instrument.CoefficientDeformationSecondaire = 0;
    Instrument.CoefficientDeformationSecondaire2 = 0;
}

void PrimaireEtSecondaireSpheriques()
{
    Instrument.CoefficientDeformationPrimaire = 0;
    Instrument.CoefficientDeformationSecondaire = 0;
}

void LameEnBK7(double coefficient)
{
    Instrument.CoefficientDeformationLame = coefficient;
    InitialiseVerreLame();
}

// Letters A to Z lowered, every other character kept, as the type list lowers what it is given.
std::string MinusculesAZ(std::string texte)
{
    for (char& c : texte)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return texte;
}

} // namespace

std::string NomTypeInstrument(TTypeInstrument forme)
{
    for (const TEntreeType& entree : EntreesTypes)
        if (entree.Forme == forme)
            return entree.Nom;
    return {};
}

void AppliqueDefautsType(TTypeInstrument forme)
{
    TInstrument& I = Instrument;
    I.TypeInstrument = forme;
    I.NomInstrument = NomTypeInstrument(forme);
    switch (forme)
    {
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
        // A paraboloid primary without a sixth-order term.
        I.CoefficientDeformationPrimaire = -1.0;
        I.CoefficientDeformationPrimaire2 = SansTermeOrdre6;
        break;
    case TTypeInstrument::DallKirkham:
        I.CoefficientDeformationPrimaire = 0;
        I.CoefficientDeformationPrimaire2 = 0;
        I.CoefficientDeformationSecondaire = 0;
        break;
    case TTypeInstrument::KlevtsovCassegrain:
        I.CoefficientDeformationPrimaire = 0;
        I.CoefficientDeformationPrimaire2 = 0;
        SecondaireSpherique();
        break;
    case TTypeInstrument::MaksutovCassegrain:
        // Its secondary is reflected about the series' normal: with the sphere's sixth-order term, not without.
        I.CoefficientDeformationPrimaire = 0;
        SecondaireSpherique();
        break;
    case TTypeInstrument::HoughtonCassegrain: PrimaireEtSecondaireSpheriques(); break;
    case TTypeInstrument::LurieHoughton:
        PrimaireEtSecondaireSpheriques();
        Groupe.NombreDioptresGroupe = DioptresCorrecteurHoughton;
        break;
    case TTypeInstrument::Schmidt:
        I.ChampCourbe = true;
        LameEnBK7(1.0);
        break;
    case TTypeInstrument::SchmidtNewton: LameEnBK7(1.0); break;
    case TTypeInstrument::SchmidtCassegrain: LameEnBK7(CoefficientLameSchmidtCassegrain); break;
    case TTypeInstrument::Maksutov: I.ChampCourbe = true; break;
    case TTypeInstrument::MaksutovNewton: I.ChampCourbe = false; break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild: break;
    }
}

void ReconnaitTypeInstrument()
{
    // The journal names a chosen form by its displayed name, and the Schmidt-Newton's lowered is not its key: a
    // replay must still find it, or undo, redo and recovery would lose the form's plate glass.
    for (const TEntreeType& entree : EntreesTypes)
    {
        if (Instrument.NomInstrument == entree.Cle || Instrument.NomInstrument == MinusculesAZ(entree.Nom))
        {
            AppliqueDefautsType(entree.Forme);
            return;
        }
    }
}

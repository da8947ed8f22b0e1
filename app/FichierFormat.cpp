// The fixed texts of a design file shared by its writer and its reader.
#include "app/FichierFormat.h"

namespace {

TChampFichier R(double TInstrument::*champ, const char* motif = "#0.#")
{
    return {TGenreChamp::Reel, champ, nullptr, motif};
}

TChampFichier S(float TInstrument::*champ, const char* motif = "#0.#")
{
    return {TGenreChamp::ReelSimple, nullptr, champ, motif};
}

TChampFichier G(TGenreChamp genre)
{
    return {genre};
}

} // namespace

std::vector<TChampFichier> ChampsInstrument(TTypeInstrument type, bool secondaireSurMenisque)
{
    using I = TInstrument;
    using C = TGenreChamp;
    switch (type)
    {
    case TTypeInstrument::Aucun: return {};
    case TTypeInstrument::Newton:
        return {
            R(&I::DiametreEntree),     R(&I::FocalePrimaire),          R(&I::CoefficientDeformationPrimaire, "#0.####"),
            S(&I::DiametreSecondaire), R(&I::DistanceSecondaireFoyer), R(&I::EpaisseurPrimaire),
            R(&I::EpaisseurSecondaire)};
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::DallKirkham:
        return {R(&I::DiametreEntree),    R(&I::FocalePrimaire),      R(&I::FocaleResultante),
                R(&I::DegagementFoyer),   R(&I::DiametreTrouCentral), S(&I::DiametreSecondaire),
                R(&I::EpaisseurPrimaire), R(&I::EpaisseurSecondaire)};
    case TTypeInstrument::RitcheyChretien:
        return {R(&I::DiametreEntree),
                R(&I::FocalePrimaire),
                R(&I::FocaleResultante),
                R(&I::DegagementFoyer),
                R(&I::DiametreTrouCentral),
                S(&I::DiametreSecondaire),
                R(&I::CoefficientDeformationPrimaire, "#0.####"),
                R(&I::CoefficientDeformationSecondaire, "#0.####"),
                R(&I::CoefficientDeformationSecondaire2, "#0.####"),
                R(&I::EpaisseurPrimaire),
                R(&I::EpaisseurSecondaire)};
    case TTypeInstrument::Schwarzschild:
        return {R(&I::DiametreEntree),     R(&I::FocalePrimaire),    R(&I::FocaleResultante),
                S(&I::DiametreSecondaire), R(&I::EpaisseurPrimaire), R(&I::EpaisseurSecondaire)};
    case TTypeInstrument::Schmidt:
        return {R(&I::DiametreEntree),
                R(&I::DiametreMiroir),
                R(&I::RayonCourburePrimaire),
                R(&I::CoefficientDeformationLame, "#0.#######"),
                R(&I::EpaisseurLame),
                S(&I::DistanceLameMiroir),
                R(&I::CoefficientK, "0.#"),
                R(&I::EpaisseurPrimaire),
                G(C::LigneChamp),
                G(C::Profil),
                G(C::VerreLame)};
    case TTypeInstrument::SchmidtNewton:
        return {R(&I::DiametreEntree),          R(&I::DiametreMiroir),
                R(&I::FocaleResultante),        R(&I::CoefficientDeformationLame, "#0.#######"),
                R(&I::EpaisseurLame),           S(&I::DistanceLameMiroir),
                R(&I::DistanceSecondaireFoyer), R(&I::CoefficientK, "0.#"),
                R(&I::EpaisseurPrimaire),       S(&I::DiametreSecondaire),
                R(&I::EpaisseurSecondaire),     G(C::VerreLame)};
    case TTypeInstrument::SchmidtCassegrain:
        return {R(&I::DiametreEntree),
                R(&I::RayonCourburePrimaire),
                R(&I::FocaleResultante),
                R(&I::CoefficientLameRelatif, "#0.#######"),
                R(&I::DegagementFoyer),
                R(&I::DiametreTrouCentral),
                S(&I::DiametreSecondaire),
                R(&I::EpaisseurLame),
                S(&I::DistanceLameMiroir),
                R(&I::EpaisseurPrimaire),
                R(&I::EpaisseurSecondaire),
                G(C::Profil),
                G(C::VerreLame)};
    case TTypeInstrument::Maksutov:
        return {R(&I::DiametreEntree),
                R(&I::DiametreMiroir),
                R(&I::RayonCourburePrimaire),
                R(&I::EpaisseurLame),
                S(&I::DistanceDiaphragmeMiroir),
                S(&I::DistanceLameMiroir),
                R(&I::DiametreMenisque),
                R(&I::RayonMenisque1, "0.#"),
                R(&I::RayonMenisque2, "0.#"),
                R(&I::EpaisseurPrimaire),
                G(C::LigneChamp),
                G(C::VerreLame)};
    case TTypeInstrument::MaksutovNewton:
        return {R(&I::DiametreEntree),           R(&I::DiametreMiroir),
                R(&I::RayonCourburePrimaire),    R(&I::EpaisseurLame),
                S(&I::DistanceDiaphragmeMiroir), S(&I::DistanceLameMiroir),
                R(&I::DiametreMenisque),         R(&I::RayonMenisque1, "0.#"),
                R(&I::RayonMenisque2, "0.#"),    R(&I::EpaisseurPrimaire),
                S(&I::DiametreSecondaire),       R(&I::EpaisseurSecondaire),
                R(&I::DistanceSecondaireFoyer),  G(C::VerreLame)};
    case TTypeInstrument::MaksutovCassegrain:
        if (secondaireSurMenisque)
            return {G(C::Variante),
                    R(&I::DiametreEntree),
                    R(&I::RayonCourburePrimaire),
                    R(&I::DiametreTrouCentral),
                    S(&I::DiametreSecondaire),
                    R(&I::CoefficientDeformationPrimaire, "#0.####"),
                    R(&I::RayonMenisque1, "0.#"),
                    R(&I::RayonMenisque2, "0.#"),
                    R(&I::EpaisseurLame),
                    S(&I::DistanceLameMiroir),
                    R(&I::EpaisseurPrimaire),
                    G(C::VerreLame)};
        return {G(C::Variante),
                R(&I::DiametreEntree),
                R(&I::RayonCourburePrimaire),
                R(&I::FocaleResultante),
                R(&I::DegagementFoyer),
                R(&I::DiametreTrouCentral),
                S(&I::DiametreSecondaire),
                R(&I::CoefficientDeformationPrimaire, "#0.####"),
                R(&I::CoefficientDeformationSecondaire, "#0.#####"),
                R(&I::EpaisseurSecondaire),
                R(&I::RayonMenisque1, "0.#"),
                R(&I::RayonMenisque2, "0.#"),
                R(&I::EpaisseurLame),
                S(&I::DistanceLameMiroir),
                R(&I::EpaisseurPrimaire),
                G(C::VerreLame)};
    case TTypeInstrument::Lunette: return {G(C::BlocGroupe)};
    case TTypeInstrument::KlevtsovCassegrain:
        return {R(&I::DiametreEntree),     R(&I::RayonCourburePrimaire),        S(&I::DistanceDiaphragmeMiroir),
                S(&I::DiametreSecondaire), R(&I::DiametreTrouCentral),          R(&I::RayonCourbureSecondaire, "#0.##"),
                R(&I::EpaisseurPrimaire),  R(&I::EpaisseurSecondaire, "#0.##"), G(C::EnTeteGroupe),
                G(C::BlocGroupe)};
    case TTypeInstrument::LurieHoughton:
        return {R(&I::DiametreEntree),
                R(&I::DiametreMiroir),
                R(&I::RayonCourburePrimaire),
                R(&I::EpaisseurPrimaire),
                R(&I::DistanceSecondaireFoyer),
                S(&I::DiametreSecondaire, "#0.##"),
                R(&I::EpaisseurSecondaire, "#0.##"),
                G(C::EnTeteGroupe),
                G(C::BlocGroupe)};
    case TTypeInstrument::HoughtonCassegrain:
        return {R(&I::DiametreEntree),
                R(&I::RayonCourburePrimaire),
                R(&I::FocaleResultante),
                R(&I::DegagementFoyer),
                R(&I::DiametreTrouCentral),
                S(&I::DiametreSecondaire, "#0.##"),
                R(&I::EpaisseurPrimaire, "#0.##"),
                R(&I::EpaisseurSecondaire, "#0.##"),
                G(C::EnTeteGroupe),
                G(C::BlocGroupe)};
    }
    return {};
}

std::string LigneEnTeteFichier()
{
    return std::string("<Quivane ") + QUIVANE_VERSION_TEXTE + ">";
}

std::string TitreSection(TTypeInstrument type)
{
    switch (type)
    {
    case TTypeInstrument::Aucun: return {};
    case TTypeInstrument::Newton: return "[Télescope de Newton]";
    case TTypeInstrument::Cassegrain: return "[Télescope de Cassegrain]";
    case TTypeInstrument::RitcheyChretien: return "[Télescope de Ritchey-Chrétien]";
    case TTypeInstrument::Gregory: return "[Télescope de Gregory]";
    case TTypeInstrument::Schmidt: return "[Télescope de Schmidt]";
    case TTypeInstrument::SchmidtCassegrain: return "[Télescope de Schmidt-Cassegrain]";
    case TTypeInstrument::Maksutov: return "[Télescope de Maksutov]";
    case TTypeInstrument::MaksutovCassegrain: return "[Télescope de Maksutov-Cassegrain]";
    case TTypeInstrument::Lunette: return "[Lunette]";
    case TTypeInstrument::Schwarzschild: return "[Télescope de Schwarzschild]";
    case TTypeInstrument::MaksutovNewton: return "[Télescope de Maksutov-Newton]";
    case TTypeInstrument::DallKirkham: return "[Télescope de Dall-Kirkham]";
    case TTypeInstrument::KlevtsovCassegrain: return "[Télescope Klevtsov-Cassegrain]";
    case TTypeInstrument::LurieHoughton: return "[Télescope de Lurie-Houghton]";
    case TTypeInstrument::HoughtonCassegrain: return "[Télescope Houghton-Cassegrain]";
    case TTypeInstrument::SchmidtNewton: return "[Télescope de Schmidt-Newton]";
    }
    return {};
}

std::string NomInstrumentLu(TTypeInstrument type)
{
    if (type == TTypeInstrument::Aucun)
        return {};
    const std::string titre = TitreSection(type);
    return titre.substr(1, titre.size() - 2);
}

std::string TitreGroupe(TTypeInstrument type)
{
    switch (type)
    {
    case TTypeInstrument::KlevtsovCassegrain: return TitreGroupeKlevtsov;
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain: return TitreGroupeHoughton;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::SchmidtNewton: return {};
    }
    return {};
}

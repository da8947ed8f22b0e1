// The fixed texts of a design file shared by its writer and its reader.
#include "app/FichierFormat.h"

#include "platform/Couleurs.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

struct TCouleurNommee
{
    const char* Nom;
    TColor Valeur;
};

// The system colours are the system's colour number above $FF000000; the last two are special values.
constexpr TColor Systeme(TColor numero)
{
    return 0xFF000000u + numero;
}

constexpr std::array<TCouleurNommee, 52> CouleursNommees = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", Systeme(0)},
    {"clBackground", Systeme(1)},
    {"clActiveCaption", Systeme(2)},
    {"clInactiveCaption", Systeme(3)},
    {"clMenu", Systeme(4)},
    {"clWindow", Systeme(5)},
    {"clWindowFrame", Systeme(6)},
    {"clMenuText", Systeme(7)},
    {"clWindowText", Systeme(8)},
    {"clCaptionText", Systeme(9)},
    {"clActiveBorder", Systeme(10)},
    {"clInactiveBorder", Systeme(11)},
    {"clAppWorkSpace", Systeme(12)},
    {"clHighlight", Systeme(13)},
    {"clHighlightText", Systeme(14)},
    {"clBtnFace", Systeme(15)},
    {"clBtnShadow", Systeme(16)},
    {"clGrayText", Systeme(17)},
    {"clBtnText", Systeme(18)},
    {"clInactiveCaptionText", Systeme(19)},
    {"clBtnHighlight", Systeme(20)},
    {"cl3DDkShadow", Systeme(21)},
    {"cl3DLight", Systeme(22)},
    {"clInfoText", Systeme(23)},
    {"clInfoBk", Systeme(24)},
    {"clHotLight", Systeme(26)},
    {"clGradientActiveCaption", Systeme(27)},
    {"clGradientInactiveCaption", Systeme(28)},
    {"clMenuHighlight", Systeme(29)},
    {"clMenuBar", Systeme(30)},
    {"clDefault", 0x20000000u},
    {"clNone", 0x1FFFFFFFu},
}};

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

std::string TexteCouleur(TColor couleur)
{
    for (const TCouleurNommee& nommee : CouleursNommees)
        if (nommee.Valeur == couleur)
            return nommee.Nom;
    static const char chiffres[] = "0123456789ABCDEF";
    std::string texte = "$";
    for (int decalage = 28; decalage >= 0; decalage -= 4)
        texte += chiffres[(couleur >> decalage) & 0xFu];
    return texte;
}

std::optional<TColor> LitCouleur(const std::string& texte)
{
    for (const TCouleurNommee& nommee : CouleursNommees)
        if (texte == nommee.Nom)
            return nommee.Valeur;
    const char* debut = texte.data();
    const char* fin = texte.data() + texte.size();
    if (debut != fin && *debut == '$')
    {
        std::uint32_t valeur = 0;
        const auto resultat = std::from_chars(debut + 1, fin, valeur, 16);
        if (resultat.ec != std::errc() || resultat.ptr != fin || debut + 1 == fin)
            return std::nullopt;
        return valeur;
    }
    // A decimal colour may be written signed: the system colours are negative 32-bit integers.
    std::int64_t valeur = 0;
    const auto resultat = std::from_chars(debut, fin, valeur, 10);
    if (resultat.ec != std::errc() || resultat.ptr != fin || valeur < INT32_MIN || valeur > UINT32_MAX)
        return std::nullopt;
    return static_cast<TColor>(static_cast<std::uint32_t>(valeur));
}

// Field navigation: the per-form orders of the sheet's values, then the title, the lists and the table cells.
#include "editing/Navigation.h"

#include "editing/OuvreCellules.h"
#include "editing/OuvreListes.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Regles.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"
#include "sheet/LignesEditees.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace {

using T = TTypeInstrument;

constexpr TCodeSaisie Rien = 0;
constexpr TCodeSaisie Titre = 1000;
// Targets that are not a plain field code.
constexpr TCodeSaisie ListeRougeGroupe = -4001; // the lens group's red list, the group being the edited table
constexpr TCodeSaisie FocaleParResultante = -4054; // code 54 opened over the resulting focal length's box

// What decides between the two targets of a step.
enum class TCondition
{
    Aucune, // the first target always
    Developpe, // the instrument block is expanded
    Profil // the Schmidt plate has a profile
};

struct TPas
{
    TCodeSaisie Code;
    TCondition Condition;
    TCodeSaisie SuivantOui;
    TCodeSaisie SuivantNon;
    TCodeSaisie PrecedentOui;
    TCodeSaisie PrecedentNon;
};

constexpr TPas Pas(TCodeSaisie code, TCodeSaisie suivant, TCodeSaisie precedent)
{
    return {code, TCondition::Aucune, suivant, suivant, precedent, precedent};
}

constexpr TPas Si(TCondition condition, TCodeSaisie code, TCodeSaisie suivantOui, TCodeSaisie suivantNon,
                  TCodeSaisie precedentOui, TCodeSaisie precedentNon)
{
    return {code, condition, suivantOui, suivantNon, precedentOui, precedentNon};
}

constexpr TCondition D = TCondition::Developpe;
constexpr TCondition P = TCondition::Profil;

// The plate or meniscus glass table: the three lists, then the indices and the name.
void AjouteTableLame(std::vector<TPas>& ordre, TCodeSaisie avant, TCodeSaisie apresNom)
{
    ordre.insert(ordre.end(), {Pas(57, 58, avant), Pas(58, 59, 57), Pas(59, 2054, 58), Pas(2054, 2055, 59),
                               Pas(2055, 2056, 2054), Pas(2056, 2057, 2055)});
    if (apresNom != Rien)
        ordre.push_back(Pas(2057, apresNom, 2056));
}

// The Cassegrain's order; the Gregory's codes are 20 higher, the Dall-Kirkham's 100 higher.
std::vector<TPas> OrdreCassegrain(TCodeSaisie decalage)
{
    auto c = [decalage](TCodeSaisie code) { return code == Titre ? Titre : code + decalage; };
    return {Si(D, c(11), c(12), c(13), c(11), c(11)),
            Pas(c(12), c(13), c(11)),
            Si(D, c(13), c(15), Titre, c(12), c(11)),
            Pas(c(15), c(18), c(13)),
            Pas(c(18), c(14), c(15)),
            Pas(c(14), c(16), c(18)),
            Pas(c(16), c(17), c(14)),
            Pas(c(17), Titre, c(16))};
}

std::vector<TPas> OrdreMaksutovCassegrain(bool secondaireSurMenisque)
{
    std::vector<TPas> ordre;
    if (secondaireSurMenisque)
    {
        ordre = {Si(D, 61, 72, Titre, 61, 61),
                 Pas(72, 68, 61),
                 Si(D, 81, Rien, Rien, 72, 61),
                 Pas(68, 64, 81),
                 Pas(64, 82, 68),
                 Pas(82, 74, 64),
                 Pas(67, Rien, 66)};
    }
    else
    {
        ordre = {Si(D, 61, 72, 81, 61, 61), Pas(72, 81, 61),   Si(D, 81, 15, Titre, 72, 61),
                 Pas(15, 68, Rien),         Pas(68, 64, 81),   Pas(64, 82, 68),
                 Pas(82, 83, 64),           Pas(83, 67, Rien), Pas(67, 74, 66)};
    }
    ordre.insert(ordre.end(), {Pas(74, 75, 82), Pas(75, 57, 74)});
    AjouteTableLame(ordre, 75, 56);
    ordre.insert(ordre.end(), {Pas(56, 561, 2057), Pas(561, 66, 56), Pas(66, Titre, 561)});
    return ordre;
}

std::vector<TPas> OrdreForme(TTypeInstrument forme)
{
    std::vector<TPas> ordre;
    switch (forme)
    {
    case T::Aucun:
    case T::Lunette: break;
    case T::Newton:
        ordre = {Pas(1, 2, 1), Si(D, 2, 4, Titre, 1, 1), Pas(4, 5, 2), Pas(5, 6, 4), Pas(6, 7, 5),
                 Pas(7, 8, 6), Pas(8, Titre, 7)};
        break;
    case T::Cassegrain: ordre = OrdreCassegrain(0); break;
    case T::Gregory: ordre = OrdreCassegrain(20); break;
    case T::DallKirkham: ordre = OrdreCassegrain(100); break;
    case T::RitcheyChretien:
        ordre = {Si(D, 21, 22, 23, 21, 21), Pas(22, 23, 21),   Si(D, 23, 25, Titre, 22, 21),
                 Pas(25, 30, 23),           Pas(30, 24, 25),   Pas(24, 26, 30),
                 Pas(26, 27, 24),           Pas(27, -27, 26),  Pas(-27, 28, 27),
                 Pas(28, 29, -27),          Pas(29, Titre, 28)};
        break;
    case T::Schwarzschild:
        ordre = {Si(D, 101, 102, 103, 101, 101),
                 Pas(102, 103, 101),
                 Si(D, 103, 104, Titre, 102, 101),
                 Pas(104, 106, 103),
                 Pas(106, 107, 104),
                 Pas(107, Titre, 106)};
        break;
    case T::Schmidt:
        ordre = {Pas(51, 52, 51), Pas(52, FocaleParResultante, 51), Si(D, 54, 53, Titre, 52, 52),
                 Pas(53, 57, FocaleParResultante)};
        AjouteTableLame(ordre, 53, Rien);
        ordre.insert(ordre.end(), {Si(P, 2057, 56, 561, 2056, 2056), Pas(56, 561, 2057), Si(P, 561, 562, 55, 56, 56),
                                   Pas(562, 55, 561), Si(P, 55, 69, 69, 562, 561), Pas(69, Titre, 55)});
        break;
    case T::SchmidtCassegrain:
        ordre = {
            Si(D, 61, 53, 63, 61, 61), Pas(53, 63, 61), Si(D, 63, 65, Titre, 53, 61), Pas(65, 68, 63), Pas(68, 64, 65),
            Pas(64, 69, 68),           Pas(69, 57, 64)};
        AjouteTableLame(ordre, 69, 56);
        ordre.insert(ordre.end(), {Pas(56, 561, 2057), Pas(561, 66, 56), Pas(66, 67, 561), Pas(67, Titre, 66)});
        break;
    case T::Maksutov:
    case T::MaksutovNewton:
    {
        const bool newton = forme == T::MaksutovNewton;
        ordre = {Pas(51, 52, 51), Pas(52, 72, 51), Si(D, 72, 73, Titre, 52, 52),
                 Pas(73, 74, 72), Pas(74, 75, 73), Pas(75, 57, 74)};
        AjouteTableLame(ordre, 75, 56);
        ordre.insert(ordre.end(),
                     {Pas(56, 71, 2057), Pas(71, 561, 56), Pas(561, 55, 71), Pas(55, newton ? 6 : Titre, 561)});
        if (newton)
            ordre.insert(ordre.end(), {Pas(6, 5, 55), Pas(5, 8, 6), Pas(8, Titre, 5)});
        break;
    }
    case T::MaksutovCassegrain: ordre = OrdreMaksutovCassegrain(Instrument.SecondaireSurMenisque); break;
    case T::KlevtsovCassegrain:
        ordre = {Si(D, 121, 122, Titre, Rien, Rien), Pas(122, 123, 121), Pas(123, 124, 122), Pas(124, 125, 123),
                 Pas(125, ListeRougeGroupe, 124)};
        break;
    case T::LurieHoughton:
        ordre = {Pas(131, 132, Rien),
                 Pas(132, 133, 131),
                 Pas(133, 135, 132),
                 Pas(135, 136, 133),
                 Pas(136, 137, 135),
                 Pas(137, 138, 136),
                 Pas(138, ListeRougeGroupe, 137)};
        break;
    case T::HoughtonCassegrain:
        ordre = {Si(D, 131, 133, 142, Rien, Rien),
                 Pas(133, 142, 131),
                 Si(D, 142, 143, Titre, 133, 131),
                 Pas(143, 144, 142),
                 Pas(144, 141, 143),
                 Pas(141, 135, 144),
                 Pas(135, 145, 141),
                 Pas(145, ListeRougeGroupe, 135)};
        break;
    case T::SchmidtNewton:
        ordre = {Si(D, 51, 52, 54, 51, 51), Pas(52, 153, 51), Pas(54, Rien, Rien), Si(D, 153, 57, Titre, 52, 52)};
        AjouteTableLame(ordre, 153, 69);
        ordre.insert(ordre.end(), {Pas(69, 155, 2057), Pas(155, 154, 69), Pas(154, 561, 155), Pas(561, 156, 154),
                                   Pas(156, 157, 561), Pas(157, 56, 156), Pas(56, Titre, 157)});
        break;
    }
    return ordre;
}

bool Condition(TCondition condition)
{
    switch (condition)
    {
    case TCondition::Aucune: return true;
    case TCondition::Developpe: return Edition.InstrumentDeveloppe;
    case TCondition::Profil: return Instrument.ProfilLame != ProfilAucun;
    }
    return true;
}

// The step of the form's order for a code, if it has one.
bool PasDeForme(TCodeSaisie code, TPas& pas)
{
    const std::vector<TPas> ordre = OrdreForme(Instrument.TypeInstrument);
    const auto trouve = std::find_if(ordre.begin(), ordre.end(), [code](const TPas& p) { return p.Code == code; });
    if (trouve == ordre.end())
        return false;
    pas = *trouve;
    return true;
}

bool Parmi(TCodeSaisie code, std::initializer_list<TCodeSaisie> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool Entre(TCodeSaisie code, TCodeSaisie premier, TCodeSaisie dernier)
{
    return premier <= code && code <= dernier;
}

// ---- Reopening a refused field ----------------------------------------------------------------------------------

bool EstRouvrable(TCodeSaisie code)
{
    if (Entre(code, 1000, 1003) || Entre(code, 2001, 2007))
        return true;
    const bool verreLame = Entre(code, 2054, 2057) || Entre(code, 56, 59) || code == 561;
    switch (Instrument.TypeInstrument)
    {
    case T::Newton: return Parmi(code, {1, 2, 4, 5, 6, 7, 8});
    case T::Cassegrain: return Entre(code, 11, 18);
    case T::RitcheyChretien: return Entre(code, 21, 30);
    case T::Gregory: return Entre(code, 31, 38);
    case T::DallKirkham: return Entre(code, 111, 118);
    case T::Schwarzschild: return Parmi(code, {101, 102, 103, 104, 106, 107});
    case T::Schmidt: return Entre(code, 51, 55) || verreLame || code == 562;
    case T::SchmidtCassegrain: return Entre(code, 61, 68) || verreLame;
    case T::Maksutov: return Parmi(code, {2, 51, 52, 55}) || Entre(code, 71, 75) || verreLame;
    case T::MaksutovNewton: return Parmi(code, {2, 5, 6, 8, 51, 52, 55}) || Entre(code, 71, 75) || verreLame;
    case T::MaksutovCassegrain: return Parmi(code, {15, 61, 64, 66, 68, 72, 74, 75, 81, 82, 83}) || verreLame;
    case T::KlevtsovCassegrain: return Entre(code, 121, 125) || code == 2019;
    case T::Aucun:
    case T::Lunette:
    case T::LurieHoughton:
    case T::HoughtonCassegrain:
    case T::SchmidtNewton: return false;
    }
    return false;
}

void Rouvre(TCodeSaisie code)
{
    if (!EstRouvrable(code))
        return;
    // The Klevtsov's secondary is refused from its sheet box: it comes back there, not on the mirror row.
    if (code == 2019)
        OuvreSaisieDiametreSecondaire();
    else
        OuvreChampDeCode(code);
}

// ---- Table rows -------------------------------------------------------------------------------------------------

void MontreLigne()
{
    Controles.Ligne.Visible = true;
}

void PasLigneDispositif()
{
    Edition.TableEditee = 1;
    const int ligne = Edition.LigneCourante;
    if (EstLigneVide(ligne))
    {
        OuvreSaisieRayonDioptre();
        return;
    }
    if (ligne < Dispositif.NombreDioptres)
    {
        Edition.LigneCourante = ligne + 1;
    }
    else if (Dispositif.NombreDioptres < NombreMaxDioptres &&
             !EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(ligne)]))
    {
        Dispositif.NombreDioptres += 1;
        Dispositif.DiametreDioptre[static_cast<std::size_t>(ligne + 1)] =
            Dispositif.DiametreDioptre[static_cast<std::size_t>(ligne)];
        Edition.LigneCourante = ligne + 1;
    }
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
    OuvreSaisieRayonDioptre();
}

void PasLigneGroupe()
{
    const int ligne = Edition.LigneCourante;
    const TTypeInstrument forme = Instrument.TypeInstrument;
    Edition.TableEditee = 2;
    const bool vide = EstLigneVide(ligne);
    if (forme == T::KlevtsovCassegrain)
    {
        if (!vide && ligne < Groupe.NombreDioptresGroupe)
        {
            Edition.LigneCourante = ligne + 1;
            PortsEdition.RafraichitVue();
            DessineLigneEditee();
            OuvreSaisieRayonGroupe();
            return;
        }
        if (!vide)
        {
            PortsEdition.RafraichitVue();
            DessineLigneEditee();
        }
        OuvreSaisieRayonLigneMiroir();
        return;
    }
    if (forme != T::Lunette && forme != T::LurieHoughton && forme != T::HoughtonCassegrain)
        return;
    if (vide)
    {
        OuvreSaisieRayonGroupe();
        return;
    }
    if (ligne >= NombreMaxDioptresGroupe)
    {
        PortsEdition.RafraichitVue();
        DessineLigneEditee();
        OuvreSaisieTitreDispositif();
        return;
    }
    Edition.LigneCourante = ligne + 1;
    if (ligne >= Groupe.NombreDioptresGroupe)
    {
        Groupe.NombreDioptresGroupe = ligne + 1;
        const double diametre = Groupe.DiametreGroupe[static_cast<std::size_t>(ligne)];
        Groupe.DiametreGroupe[static_cast<std::size_t>(ligne + 1)] = diametre;
        Journalise(2013, ligne + 1, diametre);
    }
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
    OuvreSaisieRayonGroupe();
}

// The tables and lists after the sheet; false when the code is none of theirs.
bool SuivantTables(TCodeSaisie code)
{
    if (code == Titre)
    {
        Edition.TableEditee = 1;
        OuvreListeLongueurOndeRouge();
    }
    else if (code == 1001)
    {
        OuvreListeLongueurOndeVerte();
    }
    else if (code == 1002)
    {
        OuvreListeLongueurOndeBleue();
    }
    else if (code == 1003)
    {
        if (Edition.TableEditee != 1 && Edition.TableEditee != 2)
            return true;
        MontreLigne();
        Edition.LigneCourante = 1;
        OuvreChampDeCode(Edition.TableEditee == 1 ? 2001 : 2011);
    }
    else if (Entre(code, 2001, 2006) || Entre(code, 2011, 2016))
    {
        OuvreCellule(code + 1);
    }
    else if (code == 2007)
    {
        PasLigneDispositif();
    }
    else if (code == 2017)
    {
        PasLigneGroupe();
    }
    else if (code == 2018)
    {
        OuvreCellule(Groupe.NombreDioptresGroupe % 2 == 0 ? 2020 : 2019);
    }
    else if (code == 2020)
    {
        OuvreCellule(2019);
    }
    else if (code == 2019)
    {
        Edition.TableEditee = 1;
        OuvreSaisieTitreDispositif();
    }
    else
    {
        return false;
    }
    return true;
}

void PrecedentTables(TCodeSaisie code)
{
    if (code == 1001)
    {
        if (Edition.TableEditee == 1)
            OuvreSaisieTitreDispositif();
        else
            OuvreSaisieEpaisseurPrimaire();
    }
    else if (code == 1002)
    {
        OuvreListeLongueurOndeRouge();
    }
    else if (code == 1003)
    {
        OuvreListeLongueurOndeVerte();
    }
    else if (code == 2001)
    {
        const int ligne = Edition.LigneCourante;
        if (ligne <= 1)
        {
            OuvreListeLongueurOndeBleue();
            return;
        }
        Edition.TableEditee = 1;
        if (ligne == Dispositif.NombreDioptres && EstLigneVide(ligne))
            Dispositif.NombreDioptres -= 1;
        Edition.LigneCourante = ligne - 1;
        OuvreSaisieMatiereDioptre();
    }
    else if (Entre(code, 2002, 2007) || Entre(code, 2012, 2017))
    {
        OuvreCellule(code - 1);
    }
    else if (code == 2011)
    {
        if (Edition.LigneCourante > 1)
        {
            Edition.LigneCourante -= 1;
            OuvreSaisieMatiereGroupe();
            return;
        }
        Edition.TableEditee = 2;
        Controles.Ligne.Visible = false;
        OuvreListeLongueurOndeBleue();
    }
    else if (code == 2018)
    {
        Edition.TableEditee = 1;
        if (Groupe.NombreDioptresGroupe == 0)
            Groupe.NombreDioptresGroupe = 1;
        Edition.LigneCourante = Groupe.NombreDioptresGroupe;
        OuvreSaisieMatiereGroupe();
    }
    else if (code == 2019)
    {
        OuvreCellule(Groupe.NombreDioptresGroupe % 2 == 0 ? 2020 : 2018);
    }
    else if (code == 2020)
    {
        OuvreCellule(2018);
    }
}

// The last field of the sheet before the title.
void PrecedentTitre()
{
    const TTypeInstrument forme = Instrument.TypeInstrument;
    const bool developpe = Edition.InstrumentDeveloppe;
    switch (forme)
    {
    case T::Newton: OuvreChampDeCode(developpe ? 8 : 2); return;
    case T::Cassegrain:
    case T::RitcheyChretien:
    case T::Gregory:
    case T::DallKirkham:
    case T::Schwarzschild:
        if (developpe)
            OuvreSaisieEpaisseurSecondaire();
        else
            OuvreSaisieFocaleResultante();
        return;
    default: OuvreSaisieDiametreEntree(); return;
    }
}

constexpr std::array<TValeurFiche, 23> ValeursFiche = {TValeurFiche::DiametreEntree,
                                                       TValeurFiche::DiametreMiroir,
                                                       TValeurFiche::DiametreMiroirHoughton,
                                                       TValeurFiche::FocalePrimaire,
                                                       TValeurFiche::FocaleResultante,
                                                       TValeurFiche::RayonCourburePrimaire,
                                                       TValeurFiche::DegagementFoyer,
                                                       TValeurFiche::CoefficientDeformationPrimaire,
                                                       TValeurFiche::DiametreSecondaire,
                                                       TValeurFiche::DistanceSecondaireFoyer,
                                                       TValeurFiche::DiametreTrouCentral,
                                                       TValeurFiche::CoefficientDeformationSecondaire,
                                                       TValeurFiche::CoefficientDeformationSecondaire2,
                                                       TValeurFiche::EpaisseurPrimaire,
                                                       TValeurFiche::EpaisseurSecondaire,
                                                       TValeurFiche::EpaisseurLame,
                                                       TValeurFiche::DistanceLameMiroir,
                                                       TValeurFiche::CoefficientK,
                                                       TValeurFiche::CoefficientDeformationLame,
                                                       TValeurFiche::DiametreMenisque,
                                                       TValeurFiche::RayonMenisque1,
                                                       TValeurFiche::RayonMenisque2,
                                                       TValeurFiche::DistanceDiaphragmeMiroir};

} // namespace

void OuvreChampDeCode(TCodeSaisie code)
{
    switch (code)
    {
    case Rien: return;
    case Titre: OuvreSaisieTitreDispositif(); return;
    case 1001: OuvreListeLongueurOndeRouge(); return;
    case 1002: OuvreListeLongueurOndeVerte(); return;
    case 1003: OuvreListeLongueurOndeBleue(); return;
    case 57: OuvreListeLongueurOndeRougeLame(); return;
    case 58: OuvreListeLongueurOndeVerteLame(); return;
    case 59: OuvreListeLongueurOndeBleueLame(); return;
    case ListeRougeGroupe:
        Edition.TableEditee = 2;
        OuvreListeLongueurOndeRouge();
        return;
    case FocaleParResultante: OuvreSaisieFocaleResultante(); return;
    default: break;
    }
    if (code > 2000)
    {
        OuvreCellule(code);
        return;
    }
    // The first sheet value that has this code for the form: the Schmidt's 54 is its primary focal length.
    for (TValeurFiche valeur : ValeursFiche)
    {
        if (CodeValeurFiche(valeur, Instrument.TypeInstrument) == code)
        {
            OuvreValeurFiche(valeur);
            return;
        }
    }
}

void OuvreSaisieSuivante(TCodeSaisie quitte)
{
    if (EtatSaisie.CodeSaisieRefusee != AucuneSaisie)
    {
        const TCodeSaisie refuse = EtatSaisie.CodeSaisieRefusee;
        EtatSaisie.CodeSaisieRefusee = AucuneSaisie;
        Rouvre(refuse);
        return;
    }
    if (quitte >= 1000 && SuivantTables(quitte))
        return;
    TPas pas{};
    if (PasDeForme(quitte, pas))
        OuvreChampDeCode(Condition(pas.Condition) ? pas.SuivantOui : pas.SuivantNon);
}

void OuvreSaisiePrecedente(TCodeSaisie quitte)
{
    TPas pas{};
    if (PasDeForme(quitte, pas))
    {
        OuvreChampDeCode(Condition(pas.Condition) ? pas.PrecedentOui : pas.PrecedentNon);
        return;
    }
    if (Instrument.TypeInstrument == T::Aucun)
        Edition.InstrumentDeveloppe = false;
    if (quitte == Titre)
        PrecedentTitre();
    else
        PrecedentTables(quitte);
}

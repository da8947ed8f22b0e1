// The two-lens Ross field corrector.
#include "dialogs/RossCalcul.h"

#include "dialogs/IndexCalcul.h"
#include "editing/ChoixVerre.h"
#include "editing/CodesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "platform/Format.h"
#include "platform/Services.h"

#include <cmath>
#include <cstddef>

namespace {

// The proposed corrector: its first lens's power (dioptres), its distance to the focus and its diameter (mm).
constexpr double PuissanceProposee = -5.4;
constexpr double DistanceProposee = 60;
constexpr double DiametrePropose = 50;
constexpr double DemiChampRoss = 25;
const char* const TitreRoss = "Correcteur de champ / Formule de Ross à 2 lentilles";

constexpr std::array<TLongueurOnde, 3> LignesRoss = {LigneRougeCorrecteur, LigneVerteCorrecteur, LigneBleueCorrecteur};

double ArrondiCentieme(double valeur)
{
    return std::trunc(100 * valeur + 0.5) / 100;
}

float IndiceTexte(const std::string& texte)
{
    return static_cast<float>(NombreLisible(texte, PolitiqueDialogue).value_or(0.0));
}

void RefuseCorrecteur()
{
    if (PortsEdition.RejeuEnCours() || Services().Question == nullptr)
        return;
    TQuestion question;
    question.Titre = "Quivane";
    question.Ligne1 = "Calcul impossible car";
    question.Ligne2 = "le diamètre est trop grand.";
    Services().Question->Pose(question);
}

// The corrector in place of the lens device: the glass behind the first and third surfaces, air behind the others
// (`airFinal` names the last), at the corrector's lines.
void EcritCorrecteur(const TCorrecteurRoss& c, double diametre, const TVerreRoss& verre, const char* airFinal)
{
    InitialiseDispositif();
    LongueursOnde = {LigneRougeCorrecteur, LigneVerteCorrecteur, LigneBleueCorrecteur};
    const std::array<float, 3> air = IndicesAirFormule();
    for (std::size_t k = 0; k < 4; ++k)
    {
        const bool lentille = k % 2 == 0;
        EcritLigneFormule(static_cast<int>(k + 1), c.Rayons[k], c.Epaisseurs[k], diametre,
                          lentille ? verre.Nom : (k == 3 ? airFinal : "Air"), lentille ? verre.Indices : air);
    }
    Dispositif.NombreDioptres = 4;
    Dispositif.TitreDispositif = TitreRoss;
}

std::optional<TCorrecteurRoss> CorrecteurOuRefus(double p, double m, double diametre, double n)
{
    std::optional<TCorrecteurRoss> c = CalculeCorrecteurRoss(Instrument.FocalePrimaire, p, m, diametre, n);
    if (!c)
        RefuseCorrecteur();
    return c;
}

// The corrector of a record, in the glass given; the record appended as it was written.
bool EcritCorrecteurEnregistre(const TEnregistrementRoss& e, const TVerreRoss& verre, const std::string& valeur)
{
    const std::optional<TCorrecteurRoss> c = CorrecteurOuRefus(e.P, e.M, e.Diametre, verre.Indices[1]);
    if (!c)
        return false;
    EcritCorrecteur(*c, e.Diametre, {e.Verre, verre.Indices}, "Air");
    PortsEdition.AjouteAuJournal({CodeJournalRossSpecifie, 0, valeur});
    TermineDispositifFormule();
    return true;
}

} // namespace

double ArrondiRayonRoss(double rayon)
{
    return ArrondiCentieme(rayon);
}

std::optional<TCorrecteurRoss> CalculeCorrecteurRoss(double focale, double p, double m, double diametre, double n)
{
    if (!(focale > 0) || !(m > 0 && m < 1) || !(n > 1) || !(diametre > 0) || !std::isfinite(focale) ||
        !std::isfinite(p) || !std::isfinite(n) || !std::isfinite(diametre))
        return std::nullopt;
    const double a = 0.5 / (n - 1);
    const double q = (n + 1) / (n + 2);
    const double o = -n / ((n + 1) * 2 * m * m * (1 - m));
    const double s = (n + 1) * (2 - 3 * m) / (2 * (n + 2) * m * (1 - m));
    const double o2p = o / (2 * p);
    const std::array<double, 4> k = {p * (q + a) + o2p + s, p * (q - a) + o2p + s, p * (q - a) - o2p + s,
                                     p * (q + a) - o2p + s};
    TCorrecteurRoss c;
    for (std::size_t i = 0; i < 4; ++i)
    {
        if (k[i] == 0 || !std::isfinite(k[i]))
            return std::nullopt;
        c.Rayons[i] = ArrondiRayonRoss(focale / k[i]);
        if (c.Rayons[i] == 0 || !std::isfinite(c.Rayons[i]))
            return std::nullopt;
    }
    for (std::size_t i = 0; i < 3; ++i)
    {
        const bool lentille = i != 1;
        double v = CalculeEpaisseurMinimale(!lentille, c.Rayons[i], c.Rayons[i + 1], diametre, diametre);
        if (lentille)
            v += diametre / 25;
        c.Epaisseurs[i] = ArrondiCentieme(v) + 0.01;
        if (std::abs(c.Rayons[i]) < c.Epaisseurs[i] || std::abs(c.Rayons[i + 1]) < c.Epaisseurs[i])
            return std::nullopt;
    }
    c.Epaisseurs[3] = m * focale - (c.Epaisseurs[0] + c.Epaisseurs[1] + c.Epaisseurs[2]) / 2;
    if (!std::isfinite(c.Epaisseurs[3]))
        return std::nullopt;
    return c;
}

TVerreRoss VerreRossBK7()
{
    TVerreRoss verre{"BK7", {}};
    for (std::size_t k = 0; k < 3; ++k)
        verre.Indices[k] = IndiceVerreIntegre("BK7", LignesRoss[k]);
    return verre;
}

std::optional<TVerreRoss> VerreRossParNom(const std::string& nom)
{
    const TCatalogueLu catalogue = PortsCatalogue.Lit();
    for (const TMatiereCatalogue& matiere : catalogue.Matieres)
        if (MemeNomSansCasse(matiere.Lignes[0], nom))
        {
            TVerreRoss verre{nom, {}};
            for (std::size_t k = 0; k < 3; ++k)
                verre.Indices[k] = IndiceTexte(matiere.Lignes[static_cast<std::size_t>(LignesRoss[k])]);
            return verre;
        }
    for (const TVerreIntegre& integre : VerresIntegres)
        if (MemeNomSansCasse(integre.Nom, nom))
        {
            TVerreRoss verre{nom, {}};
            for (std::size_t k = 0; k < 3; ++k)
                verre.Indices[k] = integre.Indices[static_cast<std::size_t>(LignesRoss[k])];
            return verre;
        }
    return std::nullopt;
}

TVerreRoss VerreRossChoisi(const std::array<std::string, 4>& matiere)
{
    return {matiere[0], {IndiceTexte(matiere[1]), IndiceTexte(matiere[2]), IndiceTexte(matiere[3])}};
}

TSaisieRoss SaisieRossInitiale()
{
    TSaisieRoss saisie;
    saisie.Verre = VerreRossBK7();
    return saisie;
}

TValidationBoite ValideChampRoss(TChampRoss champ, const std::string& texte, float avantSaisie, float& valeur)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return {};
    const double lu = LitNombre(texte, PolitiqueDialogue);
    if (champ != TChampRoss::Puissance && lu < 0)
        return {};
    const double arrondi = std::nearbyint(lu * 1000) / 1000;
    const bool puissance = champ == TChampRoss::Puissance;
    if (std::abs(arrondi) < (puissance ? 0.1 : 1.0))
        return {TIssueValidation::Refuse,
                puissance ? "Cette puissance optique est trop faible" : "Cette valeur est trop petite",
                TexteChampRoss(avantSaisie)};
    const auto nouvelle = static_cast<float>(arrondi);
    if (nouvelle == avantSaisie)
        return {TIssueValidation::Inchange, {}, {}};
    valeur = nouvelle;
    return {TIssueValidation::Stocke, {}, TexteChampRoss(nouvelle)};
}

std::string TexteChampRoss(float valeur)
{
    return FormateNombre(valeur, "#0.###");
}

std::string TexteEnregistrementRoss(double p, double m, double diametre, const std::string& verre)
{
    return (p >= 0 ? "+" : "") + FormateNombre(p, "00.0000") + " " + FormateNombre(m, "0.00000") + " " +
           FormateNombre(diametre, "000.0") + " " + verre;
}

std::optional<TEnregistrementRoss> LitEnregistrementRoss(const std::string& valeur)
{
    std::array<double, 3> nombres{};
    std::size_t position = 0;
    for (double& nombre : nombres)
    {
        const std::size_t debut = valeur.find_first_not_of(' ', position);
        if (debut == std::string::npos)
            return std::nullopt;
        position = valeur.find(' ', debut);
        if (position == std::string::npos)
            return std::nullopt;
        std::string mot = valeur.substr(debut, position - debut);
        // The power carries its sign, "+" included.
        if (mot.starts_with('+'))
            mot.erase(0, 1);
        const std::optional<double> lu = NombreLisible(mot, PolitiqueDialogue);
        if (!lu || !std::isfinite(*lu) || ReconnaitNombre(mot, PolitiqueDialogue) == PasUnNombre)
            return std::nullopt;
        nombre = *lu;
    }
    const std::size_t nom = valeur.find_first_not_of(' ', position);
    if (nom == std::string::npos)
        return std::nullopt;
    return TEnregistrementRoss{nombres[0], nombres[1], nombres[2], valeur.substr(nom)};
}

bool CreeCorrecteurRoss()
{
    const double focale = Instrument.FocalePrimaire;
    const TVerreRoss verre = VerreRossBK7();
    const std::optional<TCorrecteurRoss> c = CorrecteurOuRefus(
        PuissanceProposee * focale / 1000, DistanceProposee / focale, DiametrePropose, verre.Indices[1]);
    if (!c)
        return false;
    EcritCorrecteur(*c, DiametrePropose, verre, "air");
    Edition.InstrumentDeveloppe = true;
    Reglages.PasEtoileMultiple = PasEtoilesFormule(DemiChampRoss, focale);
    Reglages.PasEtoileUnique = Reglages.PasEtoileMultiple / 2;
    Reglages.PasBoiteDistance = static_cast<float>(Reglages.PasEtoileUnique);
    PortsEdition.AjouteAuJournal({CodeJournalRoss, 0, "0"});
    TermineDispositifFormule();
    return true;
}

bool CreeCorrecteurRossSaisi(const TSaisieRoss& saisie)
{
    const double focale = Instrument.FocalePrimaire;
    // Built from its own record, so that a replay, which has only the record, builds the same corrector.
    const std::string valeur = TexteEnregistrementRoss(saisie.Puissance * focale / 1000, saisie.Distance / focale,
                                                       saisie.Diametre, saisie.Verre.Nom);
    const std::optional<TEnregistrementRoss> e = LitEnregistrementRoss(valeur);
    if (!e)
    {
        RefuseCorrecteur();
        return false;
    }
    // The glass as a replay finds it by name; the indices the dialog chose only when it finds none.
    const TVerreRoss verre = VerreRossParNom(e->Verre).value_or(saisie.Verre);
    return EcritCorrecteurEnregistre(*e, verre, valeur);
}

void CreeCorrecteurRossSpecifie(const std::string& valeur)
{
    const std::optional<TEnregistrementRoss> e = LitEnregistrementRoss(valeur);
    if (!e)
        return;
    if (const std::optional<TVerreRoss> verre = VerreRossParNom(e->Verre))
        EcritCorrecteurEnregistre(*e, *verre, valeur);
}

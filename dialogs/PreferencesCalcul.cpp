// The preferences without their window.
#include "dialogs/PreferencesCalcul.h"

#include "dialogs/ReglagesCommuns.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "platform/Format.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace {

constexpr const char* TropLoin = "Cette distance ne peut pas être supérieure au rayon (= 0,5)";
constexpr const char* TropPres = "Cette distance ne peut pas être inférieure à 0,1 rayon";
constexpr const char* HorsDecalage = "Cette distance doit être comprise entre +10 et -10mm";
constexpr const char* HorsPas = "Cette valeur doit être inférieure à 100mm";
constexpr const char* HorsPasIndice = "Cette valeur doit être inférieure à 0,1";
constexpr const char* HorsPasForme = "Cette valeur doit être inférieure à 15";

struct TRegleBoite
{
    int Decimales;
    const char* MotifAffiche; // on opening
    const char* MotifValide; // written back by the validator
    const char* MotifJournal;
    double Minimum;
    double Maximum;
    bool MaximumExclu;
    bool SigneAdmis;
    const char* MessageBas;
    const char* MessageHaut;
    double ValeurVide; // what a blank journal column gives
};

const TRegleBoite& Regle(TBoitePreference boite)
{
    static constexpr std::array<TRegleBoite, 8> Regles = {{
        {5, "0.00000", "#0.00000", "0.00000", 0.1, 0.5, false, false, TropPres, TropLoin, 0.43301},
        {3, "0.000", "#0.000", "0.000", -10, 10, false, true, HorsDecalage, HorsDecalage, 0},
        {2, "0.00", "#0.00", "0.00", 0, 100, false, false, HorsPas, HorsPas, 1.0},
        {2, "0.00", "#0.00", "0.00", 0, 100, false, false, HorsPas, HorsPas, 0.1},
        {1, "0.0", "#0.0", "0.0", 0, 100, false, false, HorsPas, HorsPas, 1.0},
        // 0.1 itself is refused: 0.0999 is the largest index step.
        {4, "0.0000", "#0.0000", "0.0000", 0, 0.1, true, false, HorsPasIndice, HorsPasIndice, 0.001},
        {3, "0.0000", "#0.000", "0.000", 0, 15, false, false, HorsPasForme, HorsPasForme, 0.01},
        {4, "0.0000", "#0.0000", "0.0000", 0, 15, false, false, HorsPasForme, HorsPasForme, 0.01},
    }};
    return Regles[static_cast<std::size_t>(boite)];
}

double Valeur(const TPreferences& p, TBoitePreference boite)
{
    switch (boite)
    {
    case TBoitePreference::SaisieDist: return p.DistanceAxeRayonFoyer;
    case TBoitePreference::SaisieDec: return p.DecalageMiseAuPoint;
    case TBoitePreference::IncrementRdc: return p.PasRayon;
    case TBoitePreference::IncrementEp: return p.PasEpaisseur;
    case TBoitePreference::IncrementDia: return p.PasDiametre;
    case TBoitePreference::IncrementN: return p.PasIndice;
    case TBoitePreference::IncrementPhi: return p.PasPhi;
    case TBoitePreference::IncrementGamma: return p.PasGamma;
    }
    return 0;
}

// Every setting but the distance is single precision: it takes the nearest single.
void Stocke(TPreferences& p, TBoitePreference boite, double valeur)
{
    const auto simple = static_cast<float>(valeur);
    switch (boite)
    {
    case TBoitePreference::SaisieDist: p.DistanceAxeRayonFoyer = valeur; break;
    case TBoitePreference::SaisieDec: p.DecalageMiseAuPoint = simple; break;
    case TBoitePreference::IncrementRdc: p.PasRayon = simple; break;
    case TBoitePreference::IncrementEp: p.PasEpaisseur = simple; break;
    case TBoitePreference::IncrementDia: p.PasDiametre = simple; break;
    case TBoitePreference::IncrementN: p.PasIndice = simple; break;
    case TBoitePreference::IncrementPhi: p.PasPhi = simple; break;
    case TBoitePreference::IncrementGamma: p.PasGamma = simple; break;
    }
}

void AppliquePreferences(const TPreferences& p)
{
    Systeme.DistanceAxeRayonFoyer = p.DistanceAxeRayonFoyer;
    TReglages& r = Reglages;
    r.DecalageMiseAuPoint = p.DecalageMiseAuPoint;
    r.ImpressionFondNoir = p.ImpressionFondNoir;
    r.ImpressionCouleur = p.ImpressionCouleur;
    r.PasRayon = p.PasRayon;
    r.PasEpaisseur = p.PasEpaisseur;
    r.PasDiametre = p.PasDiametre;
    r.PasIndice = p.PasIndice;
    r.PasPhi = p.PasPhi;
    r.PasGamma = p.PasGamma;
}

// The message of a rounded value out of the box's range, nothing when it is within.
const char* Refus(const TRegleBoite& regle, double arrondi)
{
    if (arrondi < regle.Minimum)
        return regle.MessageBas;
    if (arrondi > regle.Maximum || (regle.MaximumExclu && arrondi >= regle.Maximum))
        return regle.MessageHaut;
    return nullptr;
}

// Two values the box shows alike, at its decimals.
bool MemeValeur(const TRegleBoite& regle, double a, double b)
{
    return FormateNombre(a, regle.MotifJournal) == FormateNombre(b, regle.MotifJournal);
}

// The text as a value of the box: read, rounded to its decimals (a half to even), checked against its range. Nothing
// when the text is ignored; the message when the value is refused.
struct TLecture
{
    std::optional<double> Valeur;
    const char* Message = nullptr;
};

TLecture LitBoite(const TRegleBoite& regle, std::string_view texte)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return {};
    double valeur = LitNombre(texte, PolitiqueDialogue);
    if (!regle.SigneAdmis)
    {
        if (valeur < 0)
            return {};
        valeur = std::fabs(valeur);
    }
    const double echelle = std::pow(10.0, regle.Decimales);
    const double arrondi = std::nearbyint(valeur * echelle) / echelle;
    return {arrondi, Refus(regle, arrondi)};
}

std::string Colonne(std::string texte, std::size_t largeur)
{
    texte.resize(largeur, ' ');
    return texte;
}

} // namespace

TPreferences LitPreferences()
{
    const TReglages& r = Reglages;
    return {Systeme.DistanceAxeRayonFoyer,
            r.DecalageMiseAuPoint,
            r.ImpressionFondNoir,
            r.ImpressionCouleur,
            r.PasRayon,
            r.PasEpaisseur,
            r.PasDiametre,
            r.PasIndice,
            r.PasPhi,
            r.PasGamma};
}

std::string TexteAffichePreference(TBoitePreference boite)
{
    return FormateNombre(Valeur(LitPreferences(), boite), Regle(boite).MotifAffiche);
}

TValidationBoite ValidePreference(TBoitePreference boite, const std::string& texte)
{
    const TRegleBoite& regle = Regle(boite);
    TPreferences p = LitPreferences();
    const double stockee = Valeur(p, boite);
    const TLecture lue = LitBoite(regle, texte);
    if (!lue.Valeur)
        return {};
    if (lue.Message != nullptr)
        return {TIssueValidation::Refuse, lue.Message, FormateNombre(stockee, regle.MotifValide)};
    if (MemeValeur(regle, *lue.Valeur, stockee))
        return {TIssueValidation::Inchange, {}, {}};
    Stocke(p, boite, *lue.Valeur);
    AppliquePreferences(p);
    return {TIssueValidation::Stocke, {}, FormateNombre(*lue.Valeur, regle.MotifValide)};
}

void ReinitialisePreferences()
{
    Systeme.DistanceAxeRayonFoyer = 0.433;
    Reglages.DecalageMiseAuPoint = 0;
    Reglages.ImpressionFondNoir = true;
    InitialisePasFleches();
}

std::string TextePreferences(const TPreferences& p)
{
    const auto champ = [&p](TBoitePreference boite, std::size_t largeur) {
        return Colonne(FormateNombre(Valeur(p, boite), Regle(boite).MotifJournal), largeur);
    };
    return champ(TBoitePreference::SaisieDist, 9) + champ(TBoitePreference::SaisieDec, 9) +
           (p.ImpressionFondNoir ? "1" : "0") + (p.ImpressionCouleur ? "1" : "0") +
           champ(TBoitePreference::IncrementRdc, 10) + champ(TBoitePreference::IncrementEp, 10) +
           champ(TBoitePreference::IncrementDia, 10) + champ(TBoitePreference::IncrementN, 10) +
           champ(TBoitePreference::IncrementPhi, 10) + champ(TBoitePreference::IncrementGamma, 10);
}

bool AppliqueTextePreferences(const std::string& valeur)
{
    struct TColonne
    {
        TBoitePreference Boite;
        std::size_t Debut;
        std::size_t Largeur;
    };
    static constexpr std::array<TColonne, 8> Colonnes = {{
        {TBoitePreference::SaisieDist, 0, 9},
        {TBoitePreference::SaisieDec, 9, 9},
        {TBoitePreference::IncrementRdc, 20, 10},
        {TBoitePreference::IncrementEp, 30, 10},
        {TBoitePreference::IncrementDia, 40, 10},
        {TBoitePreference::IncrementN, 50, 10},
        {TBoitePreference::IncrementPhi, 60, 10},
        {TBoitePreference::IncrementGamma, 70, 10},
    }};
    const std::string texte = Colonne(valeur, 80);
    TPreferences p = LitPreferences();
    for (const TColonne& c : Colonnes)
    {
        const TRegleBoite& regle = Regle(c.Boite);
        const std::string_view colonne = std::string_view(texte).substr(c.Debut, c.Largeur);
        double lue = regle.ValeurVide;
        if (colonne.find_first_not_of(' ') != std::string_view::npos)
        {
            const TLecture lecture = LitBoite(regle, colonne);
            if (!lecture.Valeur || lecture.Message != nullptr)
                return false;
            lue = *lecture.Valeur;
        }
        if (!MemeValeur(regle, lue, Valeur(p, c.Boite)))
            Stocke(p, c.Boite, lue);
    }
    p.ImpressionFondNoir = texte[18] == '1';
    p.ImpressionCouleur = texte[19] == '1';
    AppliquePreferences(p);
    return true;
}

void TerminePreferences(const TPreferences& avant)
{
    const TPreferences apres = LitPreferences();
    TermineReglages(apres != avant, CodeJournalPreferences, 0, TextePreferences(apres),
                    apres.DistanceAxeRayonFoyer != avant.DistanceAxeRayonFoyer);
}

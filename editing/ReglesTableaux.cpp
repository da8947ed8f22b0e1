// The value rules of the surface tables' cells: the lens device, the lens group, the Klevtsov secondary's radius in
// the mirror row and the plate or meniscus glass; and the off-axis distances of the views. The rules guard the
// geometry of neighbouring surfaces: a radius no smaller than half its diameter, a gap no thinner than the two sags
// leave room for.
#include "editing/ReglesTableaux.h"

#include "editing/ClicsFiche.h"
#include "editing/CodesJournal.h"
#include "editing/Nombres.h"
#include "editing/Regles.h"
#include "editing/Stockage.h"
#include "optics/Initialisation.h"
#include "optics/Validite.h"
#include "platform/Format.h"

#include <cmath>
#include <span>
#include <utility>

namespace {

const std::string LegendeRayon = "Quivane - Rayon de courbure";
const std::string LegendeRayonSecondaire = "Quivane - Rayon de courbure du miroir secondaire";
const std::string QuestionGapAvant =
    "Ce rayon de courbure, associé au précédent et au diamètre nécessite une épaisseur supérieure sur la ligne "
    "précédente. Voulez-vous que Quivane ajuste cette épaisseur au minimun?";
const std::string QuestionEpaisseur = "Cette épaisseur est trop faible pour le diamètre et les rayons de courbure "
                                      "indiqués. Voulez-vous que Quivane ajuste cette épaisseur au minimun?";
const std::string TexteEpaisseurExcessive = "Cette épaisseur doit être inférieure à 10000mm";
const std::string TexteDiametreRayon =
    "Le diamètre de la lentille ne peut pas être supérieur au double du rayon de courbure.";
const std::string TexteDiametreAvant =
    "Ce diamètre est trop grand pour les rayons de courbure et l'épaisseur indiqués sur la ligne précédente.";
const std::string TexteDiametreApres =
    "Ce diamètre est trop grand pour les rayons de courbure et l'épaisseur indiqués.";

// One of the two surface tables as the rules read it. Where the device and the group differ in a rule, the rule
// asks `EstGroupe`.
struct TTable
{
    bool EstGroupe;
    std::span<const double> Rayon;
    std::span<const double> Epaisseur;
    std::span<const double> Diametre;
    std::span<const float> IndiceVert;
    int DecalageMilieu; // the medium behind surface k is element k + DecalageMilieu
    TCodeSaisie CodeRayon;
    TCodeSaisie CodeEpaisseur;
    TCodeSaisie CodeDiametre;

    int Nombre() const { return EstGroupe ? Groupe.NombreDioptresGroupe : Dispositif.NombreDioptres; }
    double R(int k) const { return Rayon[static_cast<std::size_t>(k)]; }
    double E(int k) const { return Epaisseur[static_cast<std::size_t>(k)]; }
    double D(int k) const { return Diametre[static_cast<std::size_t>(k)]; }

    // The smallest thickness of the gap behind surface k for these faces, the gap's medium telling air from glass.
    double Minimum(int k, double rayon1, double rayon2, double diametre1, double diametre2) const
    {
        const bool air = IndiceVert[static_cast<std::size_t>(k + DecalageMilieu)] < Reglages.IndiceLimite;
        return CalculeEpaisseurMinimale(air, rayon1, rayon2, diametre1, diametre2);
    }
};

TTable TableDispositif()
{
    const TDioptre& d = Dispositif;
    return {false, d.RayonDioptre,     d.EpaisseurDioptre,     d.DiametreDioptre,    d.IndiceVert,
            1,     SaisieRayonDioptre, SaisieEpaisseurDioptre, SaisieDiametreDioptre};
}

TTable TableGroupe()
{
    const TDioptreGroupe& g = Groupe;
    return {true, g.RayonGroupe,     g.EpaisseurGroupe,     g.DiametreGroupe,    g.IndiceVertGroupe,
            0,    SaisieRayonGroupe, SaisieEpaisseurGroupe, SaisieDiametreGroupe};
}

int Ligne()
{
    return Edition.LigneCourante;
}

// The box's text of a radius, thickness or diameter: fewer decimals as the value grows, empty for nothing.
std::string TexteLongueur(double valeur)
{
    const double a = std::abs(valeur);
    if (a < 1e-6)
        return {};
    return FormateNombre(valeur, a > 999 ? "#0" : a > 99 ? "#0.0" : "#0.00");
}

std::string TexteRayonAvant()
{
    const double r = EtatSaisie.ValeurAvantSaisie;
    if (EstDiaphragme(r))
        return "Diaph";
    if (EstPlan(r))
        return "Plan";
    return std::abs(r) < 1e-6 ? std::string() : FormateNombre(r, "#0.00");
}

// A thickness shows 0 as a number: a gap of nothing is a value, only an unset one is empty.
std::string TexteEpaisseur(double e)
{
    if (EstEpaisseurInfinie(e))
        return "Infini";
    if (e < 0)
        return {};
    return FormateNombre(e, e > 999 ? "#0" : e > 99 ? "#0.0" : "#0.00");
}

// A refusal by the message toggle, the box back on the value it opened with.
void RefuseCellule(const std::string& titre, const std::string& texte, const std::string& texteAvant)
{
    Signale(titre, texte);
    EtatSaisie.Saisie.Texte = texteAvant;
}

// A special word typed alone, or behind the letter of the key that offers it ("pPlan").
bool EstMot(const std::string& texte, std::string_view mot)
{
    return texte == mot || (texte.size() > 1 && texte.compare(1, mot.size(), mot) == 0);
}

// A typed length with its sign, to 0.01 mm; an empty box reads 0, a text that is no number nothing.
std::optional<double> LitLongueurSignee()
{
    if (SaisieVide())
        return 0.0;
    return LitSaisieSignee(100);
}

// The minimum thickness a gap is raised to: on the table's step, never below the minimum itself, so that the table
// shows a thickness that is enough and the journal replays it exactly.
double EpaisseurAjustee(double minimum)
{
    const double pas = ArrondiAuPas(minimum, 100);
    return pas >= minimum ? pas : ArrondiAuPas(minimum + 0.01, 100);
}

// A gap that a value leaves thinner than its faces allow. None when the gap's thickness is unset, and none when no
// thickness can do (a radius too small for its diameter, which its own rule deals with): raising the gap to 1e20
// would make it infinite.
bool GapTropMince(double epaisseur, double minimum)
{
    return epaisseur >= 0 && epaisseur < minimum && minimum < EpaisseurMinimaleImpossible;
}

// The minimum-thickness question, by the message toggle: true when the user lets the gap be raised. On the silent
// pass, or on No, the typed value is dropped.
bool AccepteEpaisseurMinimale(const std::string& titre, const std::string& texte, TCodeSaisie refusee)
{
    if (Systeme.MessageDejaAffiche != 0)
    {
        Systeme.MessageDejaAffiche = 0;
        return false;
    }
    EtatSaisie.CodeSaisieRefusee = refusee;
    Systeme.MessageDejaAffiche = 1;
    return PortsEdition.PoseQuestion(titre, texte) == 6;
}

// A gap raised to its minimum after the question, journaled on its row.
void AjusteGap(const TTable& t, int k, double minimum)
{
    const double e = EpaisseurAjustee(minimum);
    StockeCellule(t.CodeEpaisseur, k, e);
    Accepte();
    Journalise(t.CodeEpaisseur, k, e);
}

// ---- Radius ------------------------------------------------------------------------------------------------------

// What a typed radius came to.
enum class TIssueRayon
{
    Mot, // a plane or a stop
    Refus, // refused, or dropped after the gap question
    Nombre // a number stored, unchanged, or a text that is no number
};

TIssueRayon AppliqueRayon(const TTable& t, int L)
{
    const std::string& texte = EtatSaisie.Saisie.Texte;
    if (EstMot(texte, "Diaph") || EstMot(texte, "Plan"))
    {
        const double special = EstMot(texte, "Diaph") ? RayonDiaphragme : RayonPlan;
        StockeCellule(t.CodeRayon, L, special);
        EtatSaisie.Saisie.Texte = EstDiaphragme(special) ? "Diaph" : "Plan";
        Accepte();
        return TIssueRayon::Mot;
    }
    const auto lu = LitLongueurSignee();
    if (!lu || Inchange(*lu))
        return TIssueRayon::Nombre;
    const double x = *lu;
    const double exemption = t.EstGroupe ? 0.1 : 0.01;
    if (std::abs(x) > exemption && t.D(L) > 0.1 && t.D(L) / 2 > std::abs(x))
    {
        RefuseCellule(LegendeRayon,
                      "Le rayon de courbure ne peut pas être inférieur à la moitié du diamètre de la lentille.",
                      TexteRayonAvant());
        return TIssueRayon::Refus;
    }
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    if (L > 1)
    {
        const double m = t.Minimum(L - 1, t.R(L - 1), x, t.D(L - 1), t.D(L));
        if (GapTropMince(t.E(L - 1), m))
        {
            if (!AccepteEpaisseurMinimale(LegendeRayon, QuestionGapAvant, code))
                return TIssueRayon::Refus;
            AjusteGap(t, L - 1, m);
        }
    }
    if (L < t.Nombre())
    {
        const double m = t.Minimum(L, x, t.R(L + 1), t.D(L), t.D(L + 1));
        if (GapTropMince(t.E(L), m))
        {
            const std::string suite = "Voulez-vous que Quivane ajuste cette épaisseur au minimun?";
            const std::string question =
                "Ce rayon de courbure, associé au suivant et au diamètre nécessite une épaisseur supérieure." +
                std::string(t.EstGroupe ? "\r" : " ") + suite;
            if (!AccepteEpaisseurMinimale(LegendeRayon, question, code))
                return TIssueRayon::Refus;
            AjusteGap(t, L, m);
        }
    }
    if (!StockeCellule(t.CodeRayon, L, x))
    {
        RefuseNonFini();
        return TIssueRayon::Refus;
    }
    EtatSaisie.Saisie.Texte = TexteLongueur(x);
    Accepte();
    return TIssueRayon::Nombre;
}

void RegleRayonDioptre()
{
    const int L = Ligne();
    AppliqueRayon(TableDispositif(), L);
    if (Edition.AMettreAJour)
    {
        const double r = Dispositif.RayonDioptre[static_cast<std::size_t>(L)];
        const TEnregistrementJournal dernier = PortsEdition.DernierEnregistrement();
        if (dernier.Code != SaisieRayonDioptre || dernier.Index != L || dernier.Valeur != FormateGeneral(r))
            Journalise(SaisieRayonDioptre, L, r);
    }
    // Every attempt with a refused radius says why, and asks again about a gap too thin.
    Systeme.MessageDejaAffiche = 0;
}

void RegleRayonGroupe()
{
    const int L = Ligne();
    const TIssueRayon issue = AppliqueRayon(TableGroupe(), L);
    // A row left empty goes, unless a press on the tables or an insertion since the instrument was set up means the
    // user is building the table there. A row past the table's end is not one of its rows.
    const int n = Groupe.NombreDioptresGroupe;
    if (issue == TIssueRayon::Nombre && n > 1 && L <= n && EstLigneGroupeVide(L) && !Edition.MarqueEditionTableau)
    {
        RetireLigneGroupe(L);
        Edition.AMettreAJour = true;
        Edition.MarqueEditionTableau = false;
        JournaliseTexte(CodeJournalRetraitLigneGroupe, L, "0");
    }
    if (Edition.AMettreAJour)
        Journalise(SaisieRayonGroupe, Ligne(), Groupe.RayonGroupe[static_cast<std::size_t>(Ligne())]);
}

// ---- Thickness ---------------------------------------------------------------------------------------------------

void AppliqueEpaisseur(const TTable& t, int L)
{
    const int n = t.Nombre();
    const bool derniere = L == n;
    if (EtatSaisie.Saisie.Texte == "Infini")
    {
        if (n == 1 && !t.EstGroupe)
        {
            Signale("Quivane - Epaisseur incorrecte", "La première épaisseur ne peut pas être infinie.");
            EtatSaisie.CodeSaisieRefusee = AucuneSaisie;
            return;
        }
        if (!EstEpaisseurInfinie(t.E(L)))
        {
            StockeCellule(t.CodeEpaisseur, L, EpaisseurInfinie);
            Accepte();
        }
        return;
    }
    if (!SaisieVide() && !SaisieEstNombre())
        return;
    // An empty box, or any negative number, unsets the thickness.
    if (SaisieVide() || LitSaisieBrute() < 0)
    {
        EtatSaisie.Saisie.Texte.clear();
        StockeCellule(t.CodeEpaisseur, L, EpaisseurNonSaisie);
        if (EtatSaisie.ValeurAvantSaisie >= 0)
            Accepte();
        return;
    }
    double x = ArrondiAuPas(LitSaisieBrute(), 100);
    if (x >= 10000)
    {
        const std::string fin = t.EstGroupe ? "." : "";
        RefuseCellule("Quivane - Epaisseur excessive",
                      derniere ? TexteEpaisseurExcessive + " ou égale à \"Infini\"" + fin
                               : TexteEpaisseurExcessive + fin,
                      TexteEpaisseur(EtatSaisie.ValeurAvantSaisie));
        return;
    }
    if (Inchange(x))
        return;
    const double m = derniere ? 0 : t.Minimum(L, t.R(L), t.R(L + 1), t.D(L), t.D(L + 1));
    if (GapTropMince(x, m))
    {
        const bool ajuste = AccepteEpaisseurMinimale(t.EstGroupe ? "Quivane - Epaisseur trop faible"
                                                                 : "Quivane - Epaisseur insufisante",
                                                     QuestionEpaisseur, AucuneSaisie);
        if (!ajuste)
            return;
        x = EpaisseurAjustee(m);
    }
    StockeCellule(t.CodeEpaisseur, L, x);
    EtatSaisie.Saisie.Texte = TexteEpaisseur(x);
    Accepte();
}

void RegleEpaisseur(const TTable& t)
{
    const int L = Ligne();
    AppliqueEpaisseur(t, L);
    // The device's refusals and questions show on every attempt.
    if (!t.EstGroupe)
        Systeme.MessageDejaAffiche = 0;
    if (Edition.AMettreAJour)
        Journalise(t.CodeEpaisseur, L, t.E(L));
}

// ---- Diameter ----------------------------------------------------------------------------------------------------

// The first check a diameter fails, as its message; nothing when it may be stored.
std::optional<std::string> DefautDiametre(const TTable& t, int L, double x)
{
    const int n = t.Nombre();
    const double r = t.R(L);
    if (std::abs(r) > 0.1 && 2 * std::abs(r) < x)
        return TexteDiametreRayon;
    if (L > 1 && t.E(L - 1) >= 0 && t.E(L - 1) < t.Minimum(L - 1, t.R(L - 1), r, t.D(L - 1), x))
        return TexteDiametreAvant;
    // The device tolerates a hundredth of a millimetre on the gap behind, the thickness being typed to that step.
    const double tolerance = t.EstGroupe ? 0 : 0.01;
    if (L < n && t.E(L) >= 0 && t.E(L) + tolerance < t.Minimum(L, r, t.R(L + 1), x, t.D(L + 1)))
        return TexteDiametreApres;
    // Glass behind the device's last surface: the gap to the image is checked against an empty surface, which the
    // arrays have no room for after a full table.
    const bool verreDerriere =
        !t.EstGroupe && L == n && Dispositif.IndiceTrace[static_cast<std::size_t>(n + 1)] >= Reglages.IndiceLimite;
    if (verreDerriere && t.E(L) >= 0 && t.E(L) + tolerance < t.Minimum(L, r, RayonVide, x, 0))
        return TexteDiametreApres;
    return std::nullopt;
}

void RegleDiametre(const TTable& t)
{
    const int L = Ligne();
    const auto lu = LitSaisieCommune(100);
    if (!lu)
        return;
    const double x = *lu;
    if (Inchange(x))
    {
        if (x == 0)
        {
            EtatSaisie.Saisie.Texte.clear();
            StockeCellule(t.CodeDiametre, L, 0);
        }
        return;
    }
    if (const auto defaut = DefautDiametre(t, L, x))
        return RefuseCellule(t.EstGroupe ? "Quivane - Diamètre excessif" : "Quivane - Diamètre du dioptre", *defaut,
                             TexteLongueur(EtatSaisie.ValeurAvantSaisie));
    if (!StockeCellule(t.CodeDiametre, L, x))
        return RefuseNonFini("#0.00");
    EtatSaisie.Saisie.Texte = TexteLongueur(x);
    Accepte();
    Journalise(t.CodeDiametre, L, x);
}

// ---- Indices and glass name --------------------------------------------------------------------------------------

float IndiceStocke(TCodeSaisie code, int ligne)
{
    const auto i = static_cast<std::size_t>(ligne);
    switch (code)
    {
    case SaisieIndiceRouge: return Dispositif.IndiceRouge[i + 1];
    case SaisieIndiceVert: return Dispositif.IndiceVert[i + 1];
    case SaisieIndiceBleu: return Dispositif.IndiceBleu[i + 1];
    case SaisieIndiceRougeGroupe:
    case SaisieIndiceRougeLame: return Groupe.IndiceRougeGroupe[i];
    case SaisieIndiceVertGroupe:
    case SaisieIndiceVertLame: return Groupe.IndiceVertGroupe[i];
    default: return Groupe.IndiceBleuGroupe[i];
    }
}

// An index from 1 to 5 is stored; anything else empties the cell, without a message.
void RegleIndiceCellule(TCodeSaisie code, int ligne)
{
    const auto lu = LitSaisieCommune(1e6);
    // Compared as the cell shows it: an index retyped as displayed is no change.
    if (!lu || *lu == ArrondiAuPas(EtatSaisie.ValeurAvantSaisie, 1e6))
        return;
    const double x = *lu;
    const bool valide = x >= 1 && x < 5;
    StockeCellule(code, ligne, valide ? x : 0.0);
    const float indice = IndiceStocke(code, ligne);
    EtatSaisie.Saisie.Texte = valide ? FormateNombre(indice, "0.000000") : std::string();
    Accepte();
    Journalise(code, ligne, indice);
}

const std::string& MatiereStockee(TCodeSaisie code, int ligne)
{
    const auto i = static_cast<std::size_t>(ligne);
    return code == SaisieMatiereDioptre ? Dispositif.MatiereDioptre[i + 1] : Groupe.MatiereGroupe[i];
}

// The device's last row journals its name even unchanged: the replay adds the next row there, as the navigation
// did after this cell.
void RegleMatiere(TCodeSaisie code, int ligne, bool journaleDerniere)
{
    const std::string& texte = EtatSaisie.Saisie.Texte;
    if (texte != EtatSaisie.TexteAvantSaisie)
    {
        StockeMatiere(code, ligne, texte);
        Accepte();
    }
    if (Edition.AMettreAJour || journaleDerniere)
        JournaliseTexte(code, ligne, MatiereStockee(code, ligne));
}

// ---- The Klevtsov secondary's radius -------------------------------------------------------------------------------

void RegleRayonSecondaire()
{
    const std::string& texte = EtatSaisie.Saisie.Texte;
    if (EstMot(texte, "Plan"))
    {
        StockeCellule(SaisieRayonLigneMiroir, 0, RayonPlan);
        EtatSaisie.Saisie.Texte = "Plan";
        Accepte();
    }
    else if (const auto lu = LitLongueurSignee(); lu && !Inchange(*lu))
    {
        const double x = *lu;
        const double s = Instrument.DiametreSecondaire;
        if (s > 1e-6 && s / 2 > std::abs(x))
            return RefuseCellule(LegendeRayonSecondaire,
                                 "Le rayon de courbure ne peut pas être inférieur à la moitié du diamètre du miroir.",
                                 TexteRayonAvant());
        const TTable t = TableGroupe();
        const int n = t.Nombre();
        if (n > 0 && std::abs(t.R(n)) > 1e-6 && t.D(n) > 1e-6 && s > 1e-6)
        {
            const double m = t.Minimum(n, t.R(n), x, t.D(n), s);
            if (GapTropMince(t.E(n), m))
            {
                if (!AccepteEpaisseurMinimale(LegendeRayonSecondaire, QuestionGapAvant, EtatSaisie.CodeSaisie))
                    return;
                AjusteGap(t, n, m);
            }
        }
        if (!StockeCellule(SaisieRayonLigneMiroir, 0, x))
            return RefuseNonFini("#0.00");
        EtatSaisie.Saisie.Texte = TexteLongueur(x);
        Accepte();
    }
    if (Edition.AMettreAJour)
        Journalise(SaisieRayonLigneMiroir, 0, Instrument.RayonCourbureSecondaire);
}

// ---- Off-axis distances ------------------------------------------------------------------------------------------

// The distance box's text: fewer decimals as the value grows, and the minute sign.
std::string TexteDistance(double valeur)
{
    const double a = std::abs(valeur);
    return FormateNombre(valeur, a < 1 ? "0.##" : a < 10 ? "0.#" : "0") + " '";
}

// The view settings are not the design: the distances go to the journal, the document stays as it was. Each under
// its own field code, so that its replay sets the distance it was, whatever view shows then.
void JournaliseDistance(TCodeSaisie code, std::int32_t index, double valeur)
{
    Edition.AMettreAJour = true;
    if (!PortsEdition.RejeuEnCours())
        Journalise(code, index, valeur);
}

void RegleDistanceEtoile()
{
    const std::optional<double> lu = SaisieVide()        ? std::optional<double>(0.0)
                                     : SaisieEstNombre() ? std::optional<double>(LitSaisieBrute())
                                                         : std::nullopt;
    if (!lu || *lu < 0)
        return;
    const double x = *lu;
    PortsClicsFiche.PrepareDistanceEtoile();
    if (x != EtatSaisie.ValeurAvantSaisie)
        Reglages.DistanceAxeEtoile = x;
    EtatSaisie.Saisie.Texte = TexteDistance(x);
    // A Maksutov's star stays inside the fully illuminated field; the box keeps the number typed.
    if (Forme() == TTypeInstrument::Maksutov)
        if (const std::optional<float> limite = LimiteMaksutov(); limite && Reglages.DistanceAxeEtoile > *limite)
            // Stored as its record reads back, so that undo, redo and recovery give the same distance.
            Reglages.DistanceAxeEtoile = LitNombre(FormateGeneral(*limite), PolitiqueDialogue);
    Edition.AMettreAJour = true;
    if (Reglages.DistanceAxeEtoile != EtatSaisie.ValeurAvantSaisie)
        JournaliseDistance(SaisieDistanceAxeEtoile, 0, Reglages.DistanceAxeEtoile);
}

void RegleDistanceImage()
{
    const std::optional<double> lu = SaisieVide()        ? std::optional<double>(0.0)
                                     : SaisieEstNombre() ? std::optional<double>(LitSaisieBrute())
                                                         : std::nullopt;
    if (!lu)
        return;
    Reglages.DistanceAxeImage = *lu;
    EtatSaisie.Saisie.Texte = TexteDistance(*lu);
    if (Reglages.DistanceAxeImage != EtatSaisie.ValeurAvantSaisie)
        JournaliseDistance(SaisieDistanceAxeImage, Reglages.RayonsLumineuxTraces ? 1 : 0, Reglages.DistanceAxeImage);
}

void AppliqueRegleCellule(TCodeSaisie code)
{
    switch (code)
    {
    case SaisieRayonDioptre: return RegleRayonDioptre();
    case SaisieEpaisseurDioptre: return RegleEpaisseur(TableDispositif());
    case SaisieDiametreDioptre: return RegleDiametre(TableDispositif());
    case SaisieIndiceRouge:
    case SaisieIndiceVert:
    case SaisieIndiceBleu:
    case SaisieIndiceRougeGroupe:
    case SaisieIndiceVertGroupe:
    case SaisieIndiceBleuGroupe: return RegleIndiceCellule(code, Ligne());
    case SaisieMatiereDioptre: return RegleMatiere(code, Ligne(), Ligne() == Dispositif.NombreDioptres);
    case SaisieDistanceAxeEtoile: return RegleDistanceEtoile();
    case SaisieDistanceAxeImage: return RegleDistanceImage();
    case SaisieRayonGroupe: return RegleRayonGroupe();
    case SaisieEpaisseurGroupe: return RegleEpaisseur(TableGroupe());
    case SaisieDiametreGroupe: return RegleDiametre(TableGroupe());
    case SaisieMatiereGroupe: return RegleMatiere(code, Ligne(), false);
    case SaisieRayonLigneMiroir: return RegleRayonSecondaire();
    case SaisieIndiceRougeLame:
    case SaisieIndiceVertLame:
    case SaisieIndiceBleuLame:
        // The plate's glass is the group's first row, whichever row another table has current; the validity
        // follows the glass even when the text was not a number.
        RegleIndiceCellule(code, 1);
        VerifieInstrument();
        return;
    case SaisieMatiereLame: return RegleMatiere(code, 1, false);
    default: return;
    }
}

} // namespace

void RegleCelluleTableau(TCodeSaisie code)
{
    // The rules journal what their own commit changed: a recompute still pending from before is not theirs.
    const bool enAttente = std::exchange(Edition.AMettreAJour, false);
    AppliqueRegleCellule(code);
    Edition.AMettreAJour = Edition.AMettreAJour || enAttente;
}

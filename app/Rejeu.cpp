// The journal's replay: the dispatch of every record code to the routine that repeats its change.
#include "app/Rejeu.h"

#include "app/CommandesFichier.h"
#include "app/Effacement.h"
#include "app/Etat.h"
#include "app/FichierLecture.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Texte.h"
#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Navigation.h"
#include "editing/Nombres.h"
#include "editing/Stockage.h"
#include "optics/GenresBip.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/Bip.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace {

// A glass record of the lens group carries the row plus this.
constexpr std::int32_t DecalageLigneGroupe = 100;

// Which file the design is. A replay rebuilds the design, not its document, while the resets and reads it runs
// leave the document unnamed or named after the files they read: the names around a replay are put back after it.
struct TNomsDocument
{
    std::string CheminDocument;
    std::string CheminAffiche;
    std::string NomEnregistrement;
    bool DocumentNomme = false;
};

TNomsDocument NomsDocument()
{
    return {Etat.CheminDocument, Etat.CheminAffiche, Etat.NomEnregistrement, Etat.DocumentNomme};
}

void RemetNomsDocument(const TNomsDocument& noms)
{
    Etat.CheminDocument = noms.CheminDocument;
    Etat.CheminAffiche = noms.CheminAffiche;
    Etat.NomEnregistrement = noms.NomEnregistrement;
    Etat.DocumentNomme = noms.DocumentNomme;
}

double Nombre(const std::string& valeur)
{
    return LitNombre(valeur, PolitiqueDialogue);
}

// The several sheet codes of one instrument value (one per form) come back to the code its store routine answers.
std::int32_t CodeStockage(std::int32_t code)
{
    struct TAlias
    {
        std::int32_t Stockage;
        std::array<std::int32_t, 9> Codes;
    };
    static constexpr std::array<TAlias, 11> Alias = {{
        {1, {11, 21, 31, 51, 61, 101, 111, 121, 131}},
        {12, {22, 32, 62, 102, 112}},
        {13, {23, 33, 63, 81, 103, 113}},
        {14, {24, 34, 64, 104, 114, 2019}},
        {15, {25, 35, 65, 115}},
        {7, {16, 28, 36, 55, 66, 106, 116, 125}},
        {8, {17, 29, 37, 67, 107, 117}},
        {18, {30, 38, 68, 118, 124}},
        {4, {82}},
        {27, {83}},
        {53, {122}},
    }};
    for (const TAlias& alias : Alias)
        if (std::find(alias.Codes.begin(), alias.Codes.end(), code) != alias.Codes.end() && code != 0)
            return alias.Stockage;
    return code;
}

bool LigneDispositif(std::int32_t ligne)
{
    return ligne >= 1 && ligne <= NombreMaxDioptres;
}

bool LigneGroupe(std::int32_t ligne)
{
    return ligne >= 1 && ligne <= NombreMaxDioptresGroupe;
}

// A cell of the lens device: the row becomes current and the table grows to it.
void CelluleDispositif(std::int32_t code, std::int32_t r, const std::string& valeur)
{
    const auto i = static_cast<std::size_t>(r);
    TDioptre& d = Dispositif;
    switch (code)
    {
    case 2001: d.RayonDioptre[i] = Nombre(valeur); break;
    case 2002: d.EpaisseurDioptre[i] = Nombre(valeur); break;
    case 2003: d.DiametreDioptre[i] = Nombre(valeur); break;
    case 2004: d.IndiceRouge[i + 1] = static_cast<float>(Nombre(valeur)); break;
    case 2005: d.IndiceVert[i + 1] = static_cast<float>(Nombre(valeur)); break;
    case 2006: d.IndiceBleu[i + 1] = static_cast<float>(Nombre(valeur)); break;
    default: d.MatiereDioptre[i + 1] = valeur; break;
    }
    Edition.LigneCourante = r;
    d.NombreDioptres = std::max(d.NombreDioptres, r);
    if (code != 2007)
        return;
    // The row tested is the device's, whatever table the replay last left edited (a refractor's read: the group).
    if (LigneVide(1, r))
        return;
    // The glass name is the row's last cell: the edit moved on to the next row, adding it past a finite end.
    if (r < d.NombreDioptres)
        Edition.LigneCourante = r + 1;
    else if (d.NombreDioptres < NombreMaxDioptres && !EstEpaisseurInfinie(d.EpaisseurDioptre[i]))
    {
        ++d.NombreDioptres;
        d.DiametreDioptre[i + 1] = d.DiametreDioptre[i];
        Edition.LigneCourante = r + 1;
    }
}

// A cell of the lens group (2011 to 2017), or of the plate or meniscus glass (2054 to 2057).
void CelluleGroupe(std::int32_t code, std::int32_t r, const std::string& valeur)
{
    const auto i = static_cast<std::size_t>(r);
    TDioptreGroupe& g = Groupe;
    switch (code)
    {
    case 2011: g.RayonGroupe[i] = Nombre(valeur); break;
    case 2012: g.EpaisseurGroupe[i] = Nombre(valeur); break;
    case 2013: g.DiametreGroupe[i] = Nombre(valeur); break;
    case 2014:
    case 2054: g.IndiceRougeGroupe[i] = static_cast<float>(Nombre(valeur)); break;
    case 2015:
    case 2055: g.IndiceVertGroupe[i] = static_cast<float>(Nombre(valeur)); break;
    case 2016:
    case 2056: g.IndiceBleuGroupe[i] = static_cast<float>(Nombre(valeur)); break;
    default: g.MatiereGroupe[i] = valeur; break;
    }
    Edition.LigneCourante = r;
    // The plate or meniscus glass is kept in the group's first row without making it a row of the table.
    if (code >= 2054)
    {
        if (code != 2057)
            VerifieInstrument();
        return;
    }
    g.NombreDioptresGroupe = std::max(g.NombreDioptresGroupe, r);
}

// A glass of the catalogue, as its choice wrote it: red, green and blue index texts in ten columns each (all blank:
// the row keeps the index it had), then the glass's name.
void VerreCatalogue(std::int32_t index, const std::string& valeur)
{
    const bool groupe = index > DecalageLigneGroupe;
    const std::int32_t ligne = groupe ? index - DecalageLigneGroupe : index;
    const auto colonne = [&valeur](std::size_t debut, std::size_t longueur) {
        return debut < valeur.size() ? SupprimeBlancsAutour(valeur.substr(debut, longueur)) : std::string();
    };
    const std::array<std::string, 4> reponse = MatiereChoisie;
    const bool selectionnee = MatiereSelectionnee;
    MatiereChoisie = {colonne(30, std::string::npos), colonne(0, 10), colonne(10, 10), colonne(20, 10)};
    MatiereSelectionnee = true;
    AppliqueChoixVerre(groupe ? TTableVerre::Groupe : TTableVerre::Dispositif, ligne);
    MatiereChoisie = reponse;
    MatiereSelectionnee = selectionnee;
}

// Reads another file into the design as a journaled read did.
bool RelitFichier(const std::string& chemin, const TModeLecture& mode, bool instrumentSeul, bool dispositifSeul)
{
    Lecture.LectureInstrumentSeul = instrumentSeul;
    Lecture.LectureDispositifSeul = dispositifSeul;
    Lecture.NouveauJournal = false;
    Lecture.ModeLecture = mode;
    Etat.CheminDocument = chemin;
    return LitFichierConception();
}

// Another file's lens device, its title made as the command that read it made it.
void RelitDispositif(const std::string& chemin, const TModeLecture& mode)
{
    const std::string ancien = Dispositif.TitreDispositif;
    if (RelitFichier(chemin, mode, false, true))
        Dispositif.TitreDispositif = TitreDispositifCombine(mode, ancien, Lecture.TitreDispositifLu);
}

void AppliqueLectureBase(const std::string& valeur)
{
    Journal.NomFichierOrigine = ExtraitNomFichier(valeur);
    RelitFichier(Etat.CheminCopieDeBase, ModeRemplaceDispo, false, false);
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
        Edition.TableEditee = 2;
}

// The plate's profile as its button left it: a Schmidt camera without a lens device also had its plate moved to
// the profile's place.
void AppliqueProfilLame(std::int32_t profil)
{
    if (profil < ProfilAucun || profil > ProfilPartage)
        return;
    Instrument.ProfilLame = static_cast<TOctet>(profil);
    if (Instrument.TypeInstrument != TTypeInstrument::Schmidt)
        return;
    VerifieDispositif();
    if (!Validite.DispositifPresent)
        PositionneLameSchmidt();
}

void AppliqueChampCourbe(std::int32_t courbe)
{
    if (courbe == 0 || courbe == 1)
        Instrument.ChampCourbe = courbe == 1;
}

void AppliqueDistanceHorsAxe(std::int32_t index, const std::string& valeur)
{
    if (Etat.VueCourante != "Dispositif")
    {
        Reglages.DistanceAxeEtoile = Nombre(valeur);
        return;
    }
    Reglages.RayonsLumineuxTraces = index == 1;
    Reglages.DistanceAxeImage = Nombre(valeur);
}

void AppliqueValeurEditee(const TEnregistrementJournal& e)
{
    const std::int32_t code = e.Code;
    if (code >= 2001 && code <= 2007)
    {
        if (LigneDispositif(e.Index))
            CelluleDispositif(code, e.Index, e.Valeur);
        return;
    }
    if ((code >= 2011 && code <= 2017) || (code >= 2054 && code <= 2057))
    {
        if (LigneGroupe(e.Index))
            CelluleGroupe(code, e.Index, e.Valeur);
        return;
    }
    if (code == 2018)
    {
        // The mirror row stands below the lens group and carries no row of its own.
        Instrument.RayonCourbureSecondaire = Nombre(e.Valeur);
        return;
    }
    switch (code)
    {
    case 1001: LongueursOnde.LongueurOndeRouge = LitEntierSigne(e.Valeur); return;
    case 1002: LongueursOnde.LongueurOndeVerte = LitEntierSigne(e.Valeur); return;
    case 1003: LongueursOnde.LongueurOndeBleue = LitEntierSigne(e.Valeur); return;
    default: break;
    }
    StockeEnregistrement({CodeStockage(code), e.Index, e.Valeur});
}

void AppliqueCode(const TEnregistrementJournal& e)
{
    switch (e.Code)
    {
    case -1:
        Instrument.NomInstrument = MinusculesAZ(e.Valeur);
        AppliqueTypeInstrument();
        return;
    case -2: AppliqueLectureBase(e.Valeur); return;
    case -3:
        InitialiseDispositif();
        RelitDispositif(e.Valeur, ModeRemplaceDispo);
        return;
    case -4: RelitDispositif(e.Valeur, ModeApresDispo); return;
    case -5: RelitDispositif(e.Valeur, ModeAvantDispo); return;
    case -6:
        ReinitialiseAvantLectureInstrument();
        RelitFichier(e.Valeur, Lecture.ModeLecture, true, false);
        return;
    case -15: EffaceInstrument(); return;
    case -16: EffaceIndices(); return;
    case -17: EffaceDispositif(); return;
    case -25: AppliqueProfilLame(e.Index); return;
    case -27: StockeEnregistrement(e); return;
    case CodeJournalChampCourbe: AppliqueChampCourbe(e.Index); return;
    case 9003: VerreCatalogue(e.Index, e.Valeur); return;
    case 9004: AppliqueDistanceHorsAxe(e.Index, e.Valeur); return;
    default: break;
    }
    if (e.Code > 0)
        AppliqueValeurEditee(e);
}

}

const std::vector<std::int32_t>& CodesSansRoutine()
{
    static const std::vector<std::int32_t> codes = {-7,   -8,   -9,   -10,  -11,  -12,  -13, -14, -18,
                                                    -19,  -20,  -21,  -22,  -23,  -24,  -26, -28, 9001,
                                                    9002, 9101, 9102, 9103, 9104, 9105, 9106};
    return codes;
}

void AppliqueEnregistrement(const TEnregistrementJournal& e)
{
    const TNomsDocument noms = NomsDocument();
    AppliqueCode(e);
    RemetNomsDocument(noms);
}

bool RejoueJournal()
{
    if (Edition.PositionJournal > 0)
    {
        // Read first: a journal gone from the disk must not cost the design the user has.
        std::vector<TEnregistrementJournal> enregistrements;
        if (!LitJournal(Edition.PositionJournal, enregistrements))
        {
            MessageBeep(BipDefaut);
            return false;
        }
        const TNomsDocument noms = NomsDocument();
        InitialiseInstrument();
        InitialiseDispositif();
        Journal.RejeuEnCours = true;
        for (const TEnregistrementJournal& enregistrement : enregistrements)
            AppliqueCode(enregistrement);
        RemetNomsDocument(noms);
        MontreTitreDocument();
    }
    if (Edition.PositionJournal > 1)
        Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
    EtatSaisie.CodeSaisieRefusee = EtatSaisie.CodeSaisie;
    Journal.RejeuEnCours = false;
    AppliqueIndices();
    OuvreSaisieSuivante(EtatSaisie.CodeSaisie);
    Controles.Ligne.Visible = false;
    return true;
}

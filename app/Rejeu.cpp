// The journal's replay: the dispatch of every record code to the routine that repeats its change.
#include "app/Rejeu.h"

#include "app/CommandesFichier.h"
#include "app/Effacement.h"
#include "app/Etat.h"
#include "app/FichierEcriture.h"
#include "app/FichierLecture.h"
#include "app/Journal.h"
#include "app/Outils.h"
#include "app/Rafraichissement.h"
#include "app/Recuperation.h"
#include "app/Texte.h"
#include "dialogs/Formules.h"
#include "dialogs/OculaireChoixCalcul.h"
#include "dialogs/RossCalcul.h"
#include "dialogs/ChampCalcul.h"
#include "dialogs/ConfigInstrumentCalcul.h"
#include "dialogs/DispositifCalcul.h"
#include "dialogs/EtoilesCalcul.h"
#include "dialogs/PositionCalcul.h"
#include "dialogs/PreferencesCalcul.h"
#include "editing/ChoixVerre.h"
#include "editing/CodesJournal.h"
#include "editing/CommandesLignes.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Navigation.h"
#include "editing/Nombres.h"
#include "editing/Stockage.h"
#include "optics/GenresBip.h"
#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/Bip.h"
#include "platform/Services.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace {

double Nombre(const std::string& valeur)
{
    return LitNombre(valeur, PolitiqueDialogue);
}

// The several sheet codes of one instrument value (one per form) come back to the code its store routine answers.
TCodeJournal CodeStockage(TCodeJournal code)
{
    struct TAlias
    {
        std::int32_t Stockage;
        std::array<std::int32_t, 9> Codes;
    };
    static constexpr std::array<TAlias, 11> Alias = {{
        {CodeJournalDiametreEntree,
         {SaisieDiametreEntreeCassegrain, SaisieDiametreEntreeRitchey, SaisieDiametreEntreeGregory,
          SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeSchmidtCassegrain, SaisieDiametreEntreeSchwarzschild,
          SaisieDiametreEntreeDallKirkham, SaisieDiametreEntreeKlevtsov, SaisieDiametreEntreeHoughton}},
        {CodeJournalFocalePrimaire,
         {SaisieFocalePrimaireRitchey, SaisieFocalePrimaireGregory, SaisieFocalePrimaireSchmidtCassegrain,
          SaisieFocalePrimaireSchwarzschild, SaisieFocalePrimaireDallKirkham}},
        {CodeJournalFocaleResultante,
         {SaisieFocaleResultanteRitchey, SaisieFocaleResultanteGregory, SaisieFocaleResultanteSchmidtCassegrain,
          SaisieFocaleResultanteMaksutovCassegrain, SaisieFocaleResultanteSchwarzschild,
          SaisieFocaleResultanteDallKirkham}},
        {CodeJournalDiametreSecondaire,
         {SaisieDiametreSecondaireRitchey, SaisieDiametreSecondaireGregory, SaisieDiametreSecondaireSchmidtCassegrain,
          SaisieDiametreSecondaireSchwarzschild, SaisieDiametreSecondaireDallKirkham, SaisieDiametreLigneMiroir}},
        {CodeJournalDegagementFoyer,
         {SaisieDegagementFoyerRitchey, SaisieDegagementFoyerGregory, SaisieDegagementFoyerSchmidtCassegrain,
          SaisieDegagementFoyerDallKirkham}},
        {CodeJournalEpaisseurPrimaire,
         {SaisieEpaisseurPrimaireCassegrain, SaisieEpaisseurPrimaireRitchey, SaisieEpaisseurPrimaireGregory,
          SaisieEpaisseurPrimaireSchmidt, SaisieEpaisseurPrimaireSchmidtCassegrain,
          SaisieEpaisseurPrimaireSchwarzschild, SaisieEpaisseurPrimaireDallKirkham, SaisieEpaisseurPrimaireKlevtsov}},
        {CodeJournalEpaisseurSecondaire,
         {SaisieEpaisseurSecondaireCassegrain, SaisieEpaisseurSecondaireRitchey, SaisieEpaisseurSecondaireGregory,
          SaisieEpaisseurSecondaireSchmidtCassegrain, SaisieEpaisseurSecondaireSchwarzschild,
          SaisieEpaisseurSecondaireDallKirkham}},
        {CodeJournalDiametreTrouCentral,
         {SaisieDiametreTrouCentralRitchey, SaisieDiametreTrouCentralGregory,
          SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreTrouCentralDallKirkham,
          SaisieDiametreTrouCentralKlevtsov}},
        {SaisieDeformationPrimaireNewton, {SaisieDeformationPrimaireMaksutovCassegrain}},
        {SaisieDeformationSecondaireRitchey, {SaisieDeformationSecondaireMaksutovCassegrain}},
        {SaisieRayonCourburePrimaireSchmidt, {SaisieRayonCourburePrimaireKlevtsov}},
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

// A cell of the lens device, stored by the routine its commit used: the row becomes current and the table grows to
// it.
void CelluleDispositif(std::int32_t code, std::int32_t r, const std::string& valeur)
{
    const auto i = static_cast<std::size_t>(r);
    TDioptre& d = Dispositif;
    StockeEnregistrement({code, r, valeur});
    Edition.LigneCourante = r;
    d.NombreDioptres = std::max(d.NombreDioptres, r);
    if (code != SaisieMatiereDioptre)
        return;
    // The row tested is the device's, whatever table the replay last left edited (a refractor's read: the group).
    if (LigneVide(TTableEditee::Dispositif, r))
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

// A cell of the lens group (2011 to 2017), or of the plate or meniscus glass (2054 to 2057), stored by the routine
// its commit used.
void CelluleGroupe(std::int32_t code, std::int32_t r, const std::string& valeur)
{
    TDioptreGroupe& g = Groupe;
    StockeEnregistrement({code, r, valeur});
    Edition.LigneCourante = r;
    // The plate or meniscus glass is kept in the group's first row without making it a row of the table.
    if (code >= SaisieIndiceRougeLame)
    {
        if (code != SaisieMatiereLame)
            VerifieInstrument();
        return;
    }
    g.NombreDioptresGroupe = std::max(g.NombreDioptresGroupe, r);
}

// A glass of the catalogue, as its choice wrote it: red, green and blue index texts in ten columns each (all blank:
// the row keeps the index it had), then the glass's name.
void VerreCatalogue(std::int32_t index, const std::string& valeur)
{
    const bool groupe = index > DecalageLigneGroupeVerre;
    const std::int32_t ligne = groupe ? index - DecalageLigneGroupeVerre : index;
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

// The values of the instrument that an exact copy of a design carries after its tints, put back all together once
// the read derived its own: the copy then reads back as the design it was written from.
void RemetValeursExactes(const std::string& chemin)
{
    auto fichier = Services().Fichiers->OuvreLecture(chemin);
    std::string ligne;
    while (fichier->LitLigne(ligne))
        if (ligne == TitreValeursExactes)
            break;
    if (ligne != TitreValeursExactes)
        return;
    std::vector<double> valeurs;
    while (fichier->LitLigne(ligne) && fichier->LigneTerminee())
        valeurs.push_back(Nombre(ligne));
    const auto reels = ChampsReelsInstrument();
    const auto simples = ChampsSimplesInstrument();
    // A copy of the previous version ends without the solver's stop.
    const std::size_t champs = reels.size() + simples.size();
    if (valeurs.size() != champs + 1 && valeurs.size() != champs + 2)
        return;
    std::size_t k = 0;
    for (double TInstrument::*champ : reels)
        Instrument.*champ = valeurs[k++];
    for (float TInstrument::*champ : simples)
        Instrument.*champ = static_cast<float>(valeurs[k++]);
    Systeme.CalculEchoue = valeurs[k++] != 0;
    if (k < valeurs.size())
        Systeme.CalculInterrompu = valeurs[k] != 0;
}

void AppliqueLectureBase(const std::string& valeur)
{
    // The base copy a recovery wrote stands for the document its journal started from: a name known for that
    // document stays.
    if (valeur != Etat.CheminCopieDeBase || Journal.NomFichierOrigine.empty())
        Journal.NomFichierOrigine = ExtraitNomFichier(valeur);
    if (RelitFichier(Etat.CheminCopieDeBase, ModeRemplaceDispo, false, false))
        RemetValeursExactes(Etat.CheminCopieDeBase);
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
        Edition.TableEditee = TTableEditee::Groupe;
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

void AppliqueSecondaireSurMenisque(std::int32_t surMenisque)
{
    if (surMenisque == 0 || surMenisque == 1)
        Instrument.SecondaireSurMenisque = surMenisque == 1;
}

// The image distance of the device section, with whether its light rays were shown when it was set.
void AppliqueDistanceImage(std::int32_t index, const std::string& valeur)
{
    Reglages.RayonsLumineuxTraces = index == 1;
    Reglages.DistanceAxeImage = Nombre(valeur);
}

// The star's distance: the entry box takes no negative one.
void AppliqueDistanceEtoile(const std::string& valeur)
{
    if (const double distance = Nombre(valeur); distance >= 0)
        Reglages.DistanceAxeEtoile = distance;
}

// Journals of other versions wrote both distances under one code, which the view shown at the replay tells apart.
void AppliqueDistanceHorsAxe(std::int32_t index, const std::string& valeur)
{
    if (Etat.VueCourante == TVue::Dispositif)
        AppliqueDistanceImage(index, valeur);
    else
        Reglages.DistanceAxeEtoile = Nombre(valeur);
}

void RejoueBarlow(std::int32_t index)
{
    if (index == IndexBarlowRemplace)
        InitialiseDispositif();
    if (index == IndexBarlowRemplace || index == IndexBarlowDerriere)
        AjouteBarlow(index);
}

// A spectral line and the indices its table read at it, as the list's choice did; the catalogue's reading error was
// reported then.
void RejoueLongueurOnde(int canal, const TEnregistrementJournal& e)
{
    // No list offers a line outside the table: such a record is no change a user made.
    const std::int32_t lue = LitEntierSigne(e.Valeur);
    if (lue < 1 || lue > NombreLongueursOnde)
        return;
    TLongueurOnde& ligne = canal == 1   ? LongueursOnde.LongueurOndeRouge
                           : canal == 2 ? LongueursOnde.LongueurOndeVerte
                                        : LongueursOnde.LongueurOndeBleue;
    ligne = lue;
    const TTableEditee table = e.Index == static_cast<std::int32_t>(TTableEditee::Groupe) ? TTableEditee::Groupe
                               : e.Index == static_cast<std::int32_t>(TTableEditee::Lame) ? TTableEditee::Lame
                                                                                          : TTableEditee::Dispositif;
    RelitIndicesLigne(canal, table, false);
}

void AppliqueValeurEditee(const TEnregistrementJournal& e)
{
    // A commit lets the refresh after it solve again, whatever failed before.
    Systeme.CalculEchoue = false;
    const std::int32_t code = e.Code;
    if (code >= SaisieRayonDioptre && code <= SaisieMatiereDioptre)
    {
        if (LigneDispositif(e.Index))
            CelluleDispositif(code, e.Index, e.Valeur);
        return;
    }
    if ((code >= SaisieRayonGroupe && code <= SaisieMatiereGroupe) ||
        (code >= SaisieIndiceRougeLame && code <= SaisieMatiereLame))
    {
        if (LigneGroupe(e.Index))
            CelluleGroupe(code, e.Index, e.Valeur);
        return;
    }
    if (code >= SaisieLongueurOndeRouge && code <= SaisieLongueurOndeBleue)
        return RejoueLongueurOnde(code - SaisieLongueurOndeRouge + 1, e);
    StockeEnregistrement({CodeStockage(code), e.Index, e.Valeur});
}

// A row command on the row it was given: the table by its code, the row kept inside the table as the command did.
void RejoueCommandeLigne(std::int32_t code, std::int32_t ligne)
{
    const bool groupe = code == CodeJournalCoupeLigneGroupe || code == CodeJournalCopieLigneGroupe ||
                        code == CodeJournalColleLigneGroupe || code == CodeJournalInsereLigneCopieeGroupe ||
                        code == CodeJournalInsereLigneGroupe;
    if (ligne < 1 || ligne > (groupe ? NombreMaxDioptresGroupe : NombreMaxDioptres))
        return;
    Edition.TableEditee = groupe ? TTableEditee::Groupe : TTableEditee::Dispositif;
    Edition.LigneCourante = ligne;
    switch (code)
    {
    case CodeJournalCoupeLigneDispositif:
    case CodeJournalCoupeLigneGroupe: CoupeLigne(); return;
    case CodeJournalCopieLigneDispositif:
    case CodeJournalCopieLigneGroupe: CopieLigne(); return;
    case CodeJournalColleLigneDispositif:
    case CodeJournalColleLigneGroupe: ColleLigne(); return;
    case CodeJournalInsereLigneCopieeDispositif:
    case CodeJournalInsereLigneCopieeGroupe: InsereLigneCopiee(); return;
    default: InsereLigne(); return;
    }
}

void AppliqueCode(const TEnregistrementJournal& e)
{
    switch (e.Code)
    {
    case CodeJournalType:
        Instrument.NomInstrument = MinusculesAZ(e.Valeur);
        AppliqueTypeInstrument();
        return;
    case CodeJournalLectureConception: AppliqueLectureBase(e.Valeur); return;
    case CodeJournalRemplaceDispositif:
        InitialiseDispositif();
        RelitDispositif(e.Valeur, ModeRemplaceDispo);
        return;
    case CodeJournalDispositifApres: RelitDispositif(e.Valeur, ModeApresDispo); return;
    case CodeJournalDispositifAvant: RelitDispositif(e.Valeur, ModeAvantDispo); return;
    case CodeJournalLectureInstrument:
        ReinitialiseAvantLectureInstrument();
        RelitFichier(e.Valeur, Lecture.ModeLecture, true, false);
        return;
    case CodeJournalEffaceInstrument: EffaceInstrument(); return;
    case CodeJournalEffaceIndices: EffaceIndices(); return;
    case CodeJournalEffaceDispositif: EffaceDispositif(); return;
    case CodeJournalRoss: CreeCorrecteurRoss(); return;
    case CodeJournalRossSpecifie: CreeCorrecteurRossSpecifie(e.Valeur); return;
    case CodeJournalWynne: CreeCorrecteurWynne(); return;
    case CodeJournalBarlow: RejoueBarlow(e.Index); return;
    case CodeJournalOculaire: RejoueOculaire(e.Index, e.Valeur); return;
    case CodeJournalHomothetieAppliquee: RejoueHomothetie(e.Index, e.Valeur); return;
    case CodeJournalDiametresOptimises: RejoueOptimisationDiametres(e.Valeur); return;
    case CodeJournalProfilLame: AppliqueProfilLame(e.Index); return;
    case CodeJournalCoupeLigneDispositif:
    case CodeJournalCopieLigneDispositif:
    case CodeJournalColleLigneDispositif:
    case CodeJournalInsereLigneCopieeDispositif:
    case CodeJournalInsereLigneDispositif:
    case CodeJournalCoupeLigneGroupe:
    case CodeJournalCopieLigneGroupe:
    case CodeJournalColleLigneGroupe:
    case CodeJournalInsereLigneCopieeGroupe:
    case CodeJournalInsereLigneGroupe: RejoueCommandeLigne(e.Code, e.Index); return;
    case CodeJournalRetraitLigneGroupe:
        if (e.Index >= 1 && e.Index <= Groupe.NombreDioptresGroupe)
            RetireLigneGroupe(e.Index);
        return;
    case SaisieDeformationSecondaire2: StockeEnregistrement(e); return;
    case CodeJournalChampCourbe: AppliqueChampCourbe(e.Index); return;
    case CodeJournalPositionDispositif: AppliqueEnregistrementPosition(e.Index, e.Valeur); return;
    case CodeJournalSecondaireSurMenisque: AppliqueSecondaireSurMenisque(e.Index); return;
    case CodeJournalVerreCatalogue: VerreCatalogue(e.Index, e.Valeur); return;
    case CodeJournalDistanceHorsAxe: AppliqueDistanceHorsAxe(e.Index, e.Valeur); return;
    case SaisieDistanceAxeEtoile: AppliqueDistanceEtoile(e.Valeur); return;
    case SaisieDistanceAxeImage: AppliqueDistanceImage(e.Index, e.Valeur); return;
    case CodeJournalPreferences: AppliqueTextePreferences(e.Valeur); return;
    case CodeJournalTeintesInstrument: AppliqueTeintesInstrument(e.Index, e.Valeur); return;
    case CodeJournalTeintesDispositif: AppliqueTexteTeintesDispositif(e.Valeur); return;
    case CodeJournalConfigChamp: AppliqueTexteReglagesChamp(e.Valeur); return;
    case CodeJournalConfigEtoiles: AppliqueTexteReglagesEtoiles(TVueEtoiles::Multiple, e.Valeur); return;
    case CodeJournalConfigEtoileUnique: AppliqueTexteReglagesEtoiles(TVueEtoiles::Unique, e.Valeur); return;
    default: break;
    }
    if (e.Code > 0)
        AppliqueValeurEditee(e);
}

}

const std::vector<std::int32_t>& CodesSansRoutine()
{
    static const std::vector<std::int32_t> codes = {CodeJournalHomothetie, CodeJournalOptimisationDiametres};
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
        // A run without a journal file keeps no records: the design the user has stays.
        if (Etat.CheminJournal.empty())
        {
            MessageBeep(BipDefaut);
            return false;
        }
        const TNomsDocument noms = NomsDocument();
        InitialiseInstrument();
        InitialiseDispositif();
        // The lens group's clipboard outlives new instruments; the replay rebuilds it from the copies it meets.
        Edition.LigneCopieeGroupe.fill(0.0f);
        Edition.MatiereCopieeGroupe.clear();
        Journal.RejeuEnCours = true;
        // A copy: a record may start a new journal (a type that names no form starts a new document).
        const auto debut = Journal.Enregistrements.begin();
        const std::vector<TEnregistrementJournal> enregistrements(
            debut, debut + static_cast<std::ptrdiff_t>(std::min(Journal.Enregistrements.size(),
                                                                static_cast<std::size_t>(Edition.PositionJournal))));
        // The view is the user's, not part of the design: a read replayed does not press "Instrument".
        const auto boutons = Etat.BoutonsVue;
        // Each command was followed by one refresh, which the caller makes after the last; a command's several
        // records had none between them.
        const std::vector<bool> entreCommandes = PositionsEntreCommandes(enregistrements);
        for (std::size_t i = 0; i < enregistrements.size(); ++i)
        {
            AppliqueCode(enregistrements[i]);
            if (i + 1 < enregistrements.size() && entreCommandes[i + 1])
                RecalculeConception();
        }
        Etat.BoutonsVue = boutons;
        RemetNomsDocument(noms);
        MontreTitreDocument();
        // The design is its file's again at the position it was last read or saved; a recovered design is saved
        // nowhere yet, its first record included.
        Edition.DocumentModifie = static_cast<std::int32_t>(enregistrements.size()) != Journal.PositionEnregistree ||
                                  Etat.CheminAffiche == TexteFichierRecupere;
    }
    Edition.AMettreAJour = true;
    EtatSaisie.CodeSaisieRefusee = EtatSaisie.CodeSaisie;
    Journal.RejeuEnCours = false;
    AppliqueIndices();
    // The open box's text is the replaced design's: a later click would commit it. The field reopens on the value
    // the replay gave, or the box stays closed.
    EtatSaisie.Saisie.Visible = false;
    OuvreSaisieSuivante(EtatSaisie.CodeSaisie);
    Controles.Ligne.Visible = false;
    return true;
}

// The instrument-type list and the wavelength list of the sheet.
#include "editing/ListeTypes.h"

#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "editing/Navigation.h"
#include "editing/Nombres.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Touches.h"
#include "editing/Valide.h"
#include "optics/DefautsTypes.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// The red, green and blue header cells of the plate-glass table.
constexpr TCodeSaisie PremierCodeLame = SaisieLongueurOndeRougeLame;
constexpr TCodeSaisie DernierCodeLame = SaisieLongueurOndeBleueLame;
constexpr TCodeSaisie PremierCodeTableaux = SaisieLongueurOndeRouge;

char Minuscule(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MemeTexteSansCasse(const std::string& a, const std::string& b)
{
    return MinusculesAZ(a) == MinusculesAZ(b);
}

bool EstListeLame(TCodeSaisie code)
{
    return code >= PremierCodeLame && code <= DernierCodeLame;
}

TLongueurOnde& LigneCanal(int canal)
{
    return canal == 1   ? LongueursOnde.LongueurOndeRouge
           : canal == 2 ? LongueursOnde.LongueurOndeVerte
                        : LongueursOnde.LongueurOndeBleue;
}

// The channel of a list code, 0 for none.
int CanalCode(TCodeSaisie code)
{
    if (EstListeLame(code))
        return code - PremierCodeLame + 1;
    if (code >= PremierCodeTableaux && code <= PremierCodeTableaux + 2)
        return code - PremierCodeTableaux + 1;
    return 0;
}

// The position of a text among the 23 lines' texts, letter case ignored.
std::optional<TLongueurOnde> LigneDuTexte(const std::string& texte)
{
    for (TLongueurOnde ligne = 1; ligne <= NombreLongueursOnde; ++ligne)
        if (MemeTexteSansCasse(texte, TexteLongueurOnde(ligne)))
            return ligne;
    return std::nullopt;
}

// The catalogue's index text of a glass at a line, found by name; nothing for a glass it does not hold.
std::optional<float> IndiceCatalogue(const TCatalogueLu& catalogue, std::string nom, TLongueurOnde ligne)
{
    nom = SansBlancs(nom);
    // The stops of the device are air for the catalogue.
    if (nom == "Air - Diaphragme de champ" || nom == "Air - Diaphragme")
        nom = "Air";
    for (const TMatiereCatalogue& matiere : catalogue.Matieres)
        if (MemeTexteSansCasse(matiere.Lignes[0], nom))
            return ligne < 1 || ligne > NombreLongueursOnde
                       ? 0.0f
                       : static_cast<float>(
                             LitNombre(matiere.Lignes[static_cast<std::size_t>(ligne)], PolitiqueDialogue));
    return std::nullopt;
}

// Each row of the table gets its index at the channel's line, found by glass name in the catalogue, then among the
// glasses the program knows without it (a catalogue file that lost a glass must not leave its rows at 0, and the
// replay of the change must find what the change found). True when an index changed.
bool MetAJourIndices(const TCatalogueLu& catalogue, int canal, TTableEditee table)
{
    const TLongueurOnde ligne = LigneCanal(canal);
    const auto index = static_cast<std::size_t>(canal - 1);
    bool change = false;
    const auto ecrit = [&](std::array<float*, 3> colonnes, const std::string& nom) {
        const std::optional<float> lu = IndiceCatalogue(catalogue, nom, ligne);
        const float indice = lu ? *lu : PortsCatalogue.IndiceVerreIntegre(SansBlancs(nom), ligne);
        change = change || *colonnes[index] != indice;
        *colonnes[index] = indice;
    };
    const auto groupe = [&](std::size_t i) {
        ecrit({&Groupe.IndiceRougeGroupe[i], &Groupe.IndiceVertGroupe[i], &Groupe.IndiceBleuGroupe[i]},
              Groupe.MatiereGroupe[i]);
    };
    switch (table)
    {
    case TTableEditee::Aucune: break;
    case TTableEditee::Lame:
        // Only element 1 is the plate's or meniscus's glass; the meniscus's second row is left alone.
        groupe(1);
        break;
    case TTableEditee::Groupe:
        for (int i = 1; i <= std::min(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe); ++i)
            groupe(static_cast<std::size_t>(i));
        break;
    case TTableEditee::Dispositif:
        for (int i = 1; i <= std::min(Dispositif.NombreDioptres, NombreMaxDioptres); ++i)
        {
            const auto e = static_cast<std::size_t>(i + 1);
            ecrit({&Dispositif.IndiceRouge[e], &Dispositif.IndiceVert[e], &Dispositif.IndiceBleu[e]},
                  Dispositif.MatiereDioptre[e]);
        }
        break;
    }
    return change;
}

// The table whose header the list lies over.
TTableEditee TableDeLaListe(TCodeSaisie code)
{
    return EstListeLame(code) ? TTableEditee::Lame : Edition.TableEditee;
}

// The channel takes the line and its table the indices at that line. A change of either is a change of the design,
// journaled with the table, so that undo and recovery read the same indices again; nothing changed, nothing is
// recorded. The old indices belong to the old line and cannot stay under the new one, so the indices are read even
// when the line stays. False when the line was already that one.
bool ChangeLigneCanal(int canal, TLongueurOnde nouvelle, TTableEditee table, bool relireSiInchangee)
{
    TLongueurOnde& ligne = LigneCanal(canal);
    const bool nouvelleLigne = nouvelle != ligne;
    if (!nouvelleLigne && !relireSiInchangee)
        return false;
    ligne = nouvelle;
    const bool relus = RelitIndicesLigne(canal, table, true);
    if (!nouvelleLigne && !relus)
        return false;
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
    PortsEdition.AjouteAuJournal(
        {PremierCodeTableaux + canal - 1, static_cast<std::int32_t>(table), FormateGeneral(nouvelle)});
    return nouvelleLigne;
}

} // namespace

bool RelitIndicesLigne(int canal, TTableEditee table, bool signaleErreur)
{
    if (canal < 1 || canal > 3)
        return false;
    const TCatalogueLu catalogue = PortsCatalogue.Lit();
    if (catalogue.Erreur && signaleErreur)
        PortsCatalogue.AfficheMessageDisque("Quivane - Lecture d'un fichier", "Erreur de lecture d'un fichier");
    const bool change = MetAJourIndices(catalogue, canal, table);
    // The air around the tables follows the line too.
    AppliqueIndices();
    return change;
}

std::string MinusculesAZ(std::string texte)
{
    std::transform(texte.begin(), texte.end(), texte.begin(), Minuscule);
    return texte;
}

void AppliqueTypeInstrument()
{
    InitialiseDispositif();
    InitialiseLongueursOnde();
    if (Edition.PositionJournal == 0)
        Instrument.TypeInstrument = TTypeInstrument::Aucun;
    ReconnaitTypeInstrument();
    Controles.ComboBox.Visible = false;
    Controles.ComboBoxLambda.Visible = false;
    if (Instrument.TypeInstrument != TTypeInstrument::Aucun)
        Edition.InstrumentDeveloppe = true;
    Controles.Ligne.Visible = false;
    Edition.AMettreAJour = true;
}

void FicheComboBoxEnter()
{
    EtatSaisie.Saisie.Visible = false;
    EtatSaisie.CodeSaisieMemorise = EtatSaisie.CodeSaisie;
    PortsEdition.FermeCadresEtRafraichit();
}

void FicheComboBoxKeyPress(char caractere, const std::string& texte)
{
    EtatSaisie.Saisie.Visible = false;
    PortsEdition.FermeCadresEtRafraichit();
    if (caractere == CaractereEntree)
        ChoisitTypeInstrument(texte);
}

bool ChoisitTypeInstrument(const std::string& texte)
{
    Instrument.NomInstrument = MinusculesAZ(texte);
    AppliqueTypeInstrument();
    // A recognised form carries its display name, which the lower-cased text never equals.
    const bool reconnu = Instrument.TypeInstrument != TTypeInstrument::Aucun &&
                         Instrument.NomInstrument == NomTypeInstrument(Instrument.TypeInstrument);
    if (reconnu)
        PortsEdition.AjouteAuJournal({CodeJournalType, 0, Instrument.NomInstrument});
    else if (Instrument.TypeInstrument == TTypeInstrument::Aucun)
        PortsListes.CreeNouveauDocument();
    PortsEdition.RafraichitVue();
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
    {
        Edition.TableEditee = TTableEditee::Groupe;
        Edition.LigneCourante = 1;
        OuvreSaisieRayonGroupe();
    }
    else if (Instrument.TypeInstrument != TTypeInstrument::Aucun)
        OuvreSaisieDiametreEntree();
    return reconnu;
}

std::string TexteLongueurOnde(TLongueurOnde ligne)
{
    if (ligne < 1 || ligne > NombreLongueursOnde)
        return {};
    return FormateNombre(TableLongueursOnde[static_cast<std::size_t>(ligne)], "#0.#");
}

std::vector<TLongueurOnde> LignesOffertes(int canal, const TLongueursOnde& lignes)
{
    std::vector<TLongueurOnde> offertes = {0};
    TLongueurOnde debut = 1;
    TLongueurOnde fin = 0;
    switch (canal)
    {
    case 1:
        fin = lignes.LongueurOndeVerte < 1 ? NombreLongueursOnde - 1
                                           : std::clamp(lignes.LongueurOndeVerte - 1, 0, NombreLongueursOnde - 1);
        break;
    case 2:
        debut = std::clamp(lignes.LongueurOndeRouge + 1, 1, NombreLongueursOnde);
        fin = lignes.LongueurOndeBleue < 0 ? NombreLongueursOnde
                                           : std::min(lignes.LongueurOndeBleue, NombreLongueursOnde);
        break;
    case 3:
        debut = std::clamp(lignes.LongueurOndeVerte + 1, 2, NombreLongueursOnde);
        fin = NombreLongueursOnde;
        if (debut == NombreLongueursOnde)
            offertes.push_back(0);
        break;
    default: return offertes;
    }
    for (TLongueurOnde ligne = debut; ligne <= fin; ++ligne)
        offertes.push_back(ligne);
    return offertes;
}

void PrepareListeLongueurOnde()
{
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    const int canal = CanalCode(code);
    if (canal == 0)
        return;
    const auto cellule = static_cast<std::size_t>(canal - 1);
    TListeLongueursOnde& liste = ListeLongueursOnde;
    if (EstListeLame(code))
    {
        const TCase& c = CasesLongueurOndeLame[cellule];
        liste.Gauche = Controles.TableauSchmidt.Left + c.Left - 1;
        liste.Haut = Controles.TableauSchmidt.Top + c.Top - 1;
        liste.Largeur = c.Right - c.Left;
    }
    else
    {
        // The list keeps its place for a table that is neither of the two.
        const TCase& grille = CasesLongueurOndeGrille[cellule];
        if (Edition.TableEditee == TTableEditee::Dispositif)
        {
            liste.Gauche = Controles.Grille.Left + grille.Left;
            liste.Haut = Controles.Grille.Top + grille.Top;
        }
        else if (Edition.TableEditee == TTableEditee::Groupe)
        {
            const TCase& c = CasesLongueurOndeGroupe[cellule];
            liste.Gauche = Controles.TableauKlevtsov.Left + c.Left;
            liste.Haut = Controles.TableauKlevtsov.Top + c.Top;
        }
        liste.Largeur = grille.Right - grille.Left;
    }
    liste.Hauteur = 12;
    liste.Entrees.clear();
    for (TLongueurOnde ligne : LignesOffertes(canal, LongueursOnde))
        liste.Entrees.push_back(TexteLongueurOnde(ligne));
    liste.Texte = TexteLongueurOnde(LigneCanal(canal));
}

void AppliqueLongueurOnde()
{
    const int canal = CanalCode(EtatSaisie.CodeSaisie);
    if (canal == 0)
        return;
    if (const std::optional<TLongueurOnde> ligne = LigneDuTexte(ListeLongueursOnde.Texte))
        ChangeLigneCanal(canal, *ligne, TableDeLaListe(EtatSaisie.CodeSaisie), false);
}

void ChoisitLongueurOnde()
{
    const int canal = EtatSaisie.CanalLongueurOnde;
    if (canal < 1 || canal > 3)
        return;
    // The empty entry chooses no line: a channel left without one would make the design's file unreadable.
    if (const auto ligne = LigneDuTexte(ListeLongueursOnde.Texte))
        ChangeLigneCanal(canal, *ligne, TableDeLaListe(EtatSaisie.CodeSaisie), true);
    ValideSaisie();
}

void FicheComboBoxLambdaEnter()
{
    ListeLongueursOnde.Conseil = "Valider après avoir choisi une longueur d'onde";
    PortsEdition.AfficheStatut(ListeLongueursOnde.Conseil);
}

bool FicheComboBoxLambdaKeyPress(char caractere)
{
    const TCodeSaisie quitte = EtatSaisie.CodeSaisie;
    const bool suivant = caractere == CaractereEntree || caractere == '+' || caractere == '>';
    const bool precedent = caractere == '-' || caractere == '<';
    if (!suivant && !precedent)
        return false;
    AppliqueLongueurOnde();
    if (suivant)
        OuvreSaisieSuivante(quitte);
    else
        OuvreSaisiePrecedente(quitte);
    return true;
}

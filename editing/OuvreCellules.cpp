// The openers of the surface tables' cells.
#include "editing/OuvreCellules.h"

#include "editing/EtatEdition.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/FormatsNombresTableau.h"
#include "sheet/LignesEditees.h"

#include <cmath>

namespace {

// The light cyan of the cells; white marks the sheet's values.
constexpr TColor CouleurCellule = 0xFFFFC0;

enum class TDebut
{
    CacheCadres, // the frames hidden, nothing refreshed
    FermeCadres // the frames closed and the view refreshed
};

struct TCellule
{
    int Code = 0;
    int Gauche = 0;
    int Largeur = 0;
    int LongueurMax = 0;
    std::string Texte;
    std::string Conseil;
    int Aide = 0; // 0: the help context set before stays
    bool Matiere = false; // a glass name: the clipboard commands and the list are left as they were
};

const std::string ConseilRayon = "Entrer une valeur inférieure à 100 000, \"p\" pour Plan ou \"d\" pour diaphragme";
const std::string ConseilDixMille = "Entrer une valeur inférieure à 10 000";
const std::string ConseilIndice = "Entrer une valeur comprise entre 1 et 5";

void Debute(TDebut debut)
{
    if (debut == TDebut::FermeCadres)
    {
        PortsEdition.FermeCadresEtRafraichit();
        return;
    }
    EtatSaisie.CadreDioptre = false;
    EtatSaisie.CadreLentille = false;
    EtatSaisie.CadreEpaisseur = false;
    EtatSaisie.CadreDiametre = false;
    EtatSaisie.CadreMiroirPlan = false;
}

void MontreLigne(int gauche, int haut)
{
    Controles.Ligne.Visible = true;
    Controles.Ligne.Left = gauche;
    Controles.Ligne.Top = haut;
}

void CacheLigneMiroirActive()
{
    Controles.LigneMiroirActive.Visible = false;
}

// The box over a cell, once the table's own steps are done.
void PlaceBoite(const TCellule& c, TImageSaisie image, int haut)
{
    EtatSaisie.CodeSaisie = c.Code;
    TBoiteSaisie& boite = EtatSaisie.Saisie;
    boite.Couleur = CouleurCellule;
    boite.Image = image;
    boite.Gauche = c.Gauche;
    boite.Haut = haut;
    boite.Largeur = c.Largeur;
    boite.Hauteur = 17;
    boite.LongueurMax = c.LongueurMax;
    boite.Texte = c.Texte;
    EtatSaisie.TexteLimiteSaisie = c.Conseil;
    boite.Conseil = c.Conseil;
    PortsEdition.AfficheStatut(c.Conseil);
    if (c.Aide != 0)
    {
        boite.ContexteAide = c.Aide;
        PortsEdition.FixeContexteAide(c.Aide);
    }
    boite.Visible = true;
    if (!c.Matiere)
        ActiveEditionSaisie();
    boite.ToutSelectionne = true;
    boite.Focus = true;
    PortsEdition.MontreSaisie();
}

double ArrondiIndice(float indice)
{
    return std::nearbyint(static_cast<double>(indice) * 1e7) / 1e7;
}

// ---- Lens device ------------------------------------------------------------------------------------------------

int LigneDispositif()
{
    return Edition.LigneCourante;
}

// The table's own steps come after the frames are closed: closing them refreshes the view, which may open a field.
void OuvreDispositif(const TCellule& c)
{
    const int haut = 16 * LigneDispositif() + 32;
    MontreLigne(Controles.Grille.Left + 1, Controles.Grille.Top + haut);
    DessineLigneEditee();
    PlaceBoite(c, TImageSaisie::Grille, haut);
}

void OuvreIndiceDispositif(int code, const std::array<float, NombreMaxDioptres + 2>& indices, int gauche)
{
    Debute(TDebut::FermeCadres);
    const int milieu = LigneDispositif() + 1;
    EtatSaisie.ValeurAvantSaisie = ArrondiIndice(indices[static_cast<std::size_t>(milieu)]);
    OuvreDispositif({code, gauche, 66, 8, FormateIndiceTableau(static_cast<float>(EtatSaisie.ValeurAvantSaisie)),
                     ConseilIndice, 3250, false});
}

// ---- Lens group -------------------------------------------------------------------------------------------------

void OuvreGroupe(TDebut debut, const TCellule& c)
{
    Edition.TableEditee = TTableEditee::Groupe;
    const int haut = 16 * Edition.LigneCourante + 43;
    MontreLigne(Controles.TableauKlevtsov.Left + 1, Controles.TableauKlevtsov.Top + haut);
    CacheLigneMiroirActive();
    if (debut == TDebut::CacheCadres)
    {
        DessineLigneEditee();
        EtatSaisie.Saisie.Active = true;
    }
    PlaceBoite(c, TImageSaisie::TableauKlevtsov, haut);
}

void OuvreIndiceGroupe(int code, const std::array<float, NombreMaxDioptresGroupe + 1>& indices, int gauche)
{
    Debute(TDebut::FermeCadres);
    EtatSaisie.ValeurAvantSaisie = ArrondiIndice(indices[static_cast<std::size_t>(Edition.LigneCourante)]);
    OuvreGroupe(TDebut::FermeCadres,
                {code, gauche, 66, 8, FormateIndiceTableau(static_cast<float>(EtatSaisie.ValeurAvantSaisie)),
                 ConseilIndice, 3020, false});
}

// ---- Mirror row and plate glass ---------------------------------------------------------------------------------

void OuvreLigneMiroir(const TCellule& c, bool redessine)
{
    Controles.Ligne.Visible = false;
    Controles.LigneMiroirActive.Visible = true;
    if (redessine)
        DessineLigneEditee();
    PlaceBoite(c, TImageSaisie::LigneMiroir, 0);
}

void OuvreLame(const TCellule& c)
{
    Controles.LigneSchmidt.Visible = true;
    Controles.LigneSchmidt.Left = Controles.TableauSchmidt.Left + 313;
    Controles.LigneSchmidt.Top = Controles.TableauSchmidt.Top + 31;
    DessineLigneSchmidt();
    PlaceBoite(c, TImageSaisie::TableauSchmidt, 31);
}

void OuvreIndiceLame(int code, const float& indice, int gauche, int largeur, int aide)
{
    Debute(TDebut::FermeCadres);
    EtatSaisie.ValeurAvantSaisie = indice;
    OuvreLame({code, gauche, largeur, 8, FormateIndiceTableau(indice), ConseilIndice, aide, false});
}

} // namespace

std::string SansBlancs(const std::string& texte)
{
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

void OuvreSaisieRayonDioptre()
{
    Debute(TDebut::CacheCadres);
    const double rayon = Dispositif.RayonDioptre[static_cast<std::size_t>(LigneDispositif())];
    EtatSaisie.ValeurAvantSaisie = rayon;
    OuvreDispositif({SaisieRayonDioptre, 43, 49, 7, FormateRayonTableau(rayon), ConseilRayon, 3250, false});
}

void OuvreSaisieEpaisseurDioptre()
{
    Debute(TDebut::FermeCadres);
    const double epaisseur = Dispositif.EpaisseurDioptre[static_cast<std::size_t>(LigneDispositif())];
    EtatSaisie.ValeurAvantSaisie = epaisseur;
    const bool derniere = LigneDispositif() == Dispositif.NombreDioptres;
    OuvreDispositif({SaisieEpaisseurDioptre, 121, 46, 6, FormateEpaisseurDispositif(epaisseur),
                     derniere ? "Entrer une valeur inférieure à 10 000 ou \"i\" pour infini" : ConseilDixMille, 3250,
                     false});
}

void OuvreSaisieDiametreDioptre()
{
    Debute(TDebut::FermeCadres);
    const double diametre = Dispositif.DiametreDioptre[static_cast<std::size_t>(LigneDispositif())];
    EtatSaisie.ValeurAvantSaisie = diametre;
    OuvreDispositif(
        {SaisieDiametreDioptre, 196, 34, 5, FormateDiametreTableau(diametre), ConseilDixMille, 3250, false});
}

void OuvreSaisieIndiceRouge()
{
    OuvreIndiceDispositif(SaisieIndiceRouge, Dispositif.IndiceRouge, 259);
}
void OuvreSaisieIndiceVert()
{
    OuvreIndiceDispositif(SaisieIndiceVert, Dispositif.IndiceVert, 354);
}
void OuvreSaisieIndiceBleu()
{
    OuvreIndiceDispositif(SaisieIndiceBleu, Dispositif.IndiceBleu, 449);
}

void OuvreSaisieMatiereDioptre()
{
    Debute(TDebut::FermeCadres);
    const std::string nom = SansBlancs(Dispositif.MatiereDioptre[static_cast<std::size_t>(LigneDispositif() + 1)]);
    EtatSaisie.TexteAvantSaisie = nom;
    OuvreDispositif({SaisieMatiereDioptre, 544, 219, 45, nom, "Texte libre de 45 caractères maximum", 3250, true});
}

void OuvreSaisieRayonGroupe()
{
    Debute(TDebut::CacheCadres);
    const double rayon = Groupe.RayonGroupe[static_cast<std::size_t>(Edition.LigneCourante)];
    EtatSaisie.ValeurAvantSaisie = rayon;
    OuvreGroupe(TDebut::CacheCadres,
                {SaisieRayonGroupe, 43, 49, 7, FormateRayonTableau(rayon), ConseilRayon, 0, false});
}

void OuvreSaisieEpaisseurGroupe()
{
    Debute(TDebut::FermeCadres);
    const double epaisseur = Groupe.EpaisseurGroupe[static_cast<std::size_t>(Edition.LigneCourante)];
    EtatSaisie.ValeurAvantSaisie = epaisseur;
    OuvreGroupe(TDebut::FermeCadres,
                {SaisieEpaisseurGroupe, 121, 46, 6, FormateEpaisseurGroupe(epaisseur), ConseilDixMille, 3020, false});
}

void OuvreSaisieDiametreGroupe()
{
    Debute(TDebut::FermeCadres);
    const double diametre = Groupe.DiametreGroupe[static_cast<std::size_t>(Edition.LigneCourante)];
    EtatSaisie.ValeurAvantSaisie = diametre;
    OuvreGroupe(TDebut::FermeCadres,
                {SaisieDiametreGroupe, 196, 34, 5, FormateDiametreTableau(diametre), ConseilDixMille, 3020, false});
}

void OuvreSaisieIndiceRougeGroupe()
{
    OuvreIndiceGroupe(SaisieIndiceRougeGroupe, Groupe.IndiceRougeGroupe, 259);
}
void OuvreSaisieIndiceVertGroupe()
{
    OuvreIndiceGroupe(SaisieIndiceVertGroupe, Groupe.IndiceVertGroupe, 354);
}
void OuvreSaisieIndiceBleuGroupe()
{
    OuvreIndiceGroupe(SaisieIndiceBleuGroupe, Groupe.IndiceBleuGroupe, 449);
}

void OuvreSaisieMatiereGroupe()
{
    Debute(TDebut::FermeCadres);
    const std::string nom = SansBlancs(Groupe.MatiereGroupe[static_cast<std::size_t>(Edition.LigneCourante)]);
    EtatSaisie.TexteAvantSaisie = nom;
    OuvreGroupe(TDebut::FermeCadres,
                {SaisieMatiereGroupe, 543, 219, 45, nom, "Texte libre de 45 caractères maximum", 3020, true});
}

void OuvreSaisieRayonLigneMiroir()
{
    Debute(TDebut::FermeCadres);
    const double rayon = Instrument.RayonCourbureSecondaire;
    EtatSaisie.ValeurAvantSaisie = rayon;
    const double r = std::abs(rayon);
    const std::string texte = r < SeuilRayonNul    ? std::string()
                              : r > SeuilRayonPlan ? std::string("Plan")
                                                   : FormateNombre(rayon, r > 9999  ? "#0"
                                                                          : r > 999 ? "#0.0"
                                                                                    : "#0.00");
    OuvreLigneMiroir({SaisieRayonLigneMiroir, 42, 49, 7, texte,
                      "Entrer une valeur inférieure à 100 000 ou \"p\" pour Plan", 3050, false},
                     true);
}

void OuvreSaisieDiametreLigneMiroir()
{
    Debute(TDebut::FermeCadres);
    EtatSaisie.ValeurAvantSaisie = Instrument.DiametreSecondaire;
    OuvreLigneMiroir({SaisieDiametreLigneMiroir, 195, 34, 5, TexteLongueurFiche(Instrument.DiametreSecondaire),
                      "Le diamètre du miroir secondaire doit être inférieur à " + std::to_string(5) + ".000 mm" + " (" +
                          std::to_string(5) + "m)",
                      3050, false},
                     false);
}

void OuvreSaisieEpaisseurLigneMiroir()
{
    Debute(TDebut::FermeCadres);
    EtatSaisie.ValeurAvantSaisie = Instrument.EpaisseurSecondaire;
    OuvreLigneMiroir({SaisieEpaisseurLigneMiroir, 120, 46, 3, TexteLongueurFiche(Instrument.EpaisseurSecondaire),
                      "Cette épaisseur doit être inférieure à 1000mm", 3050, false},
                     false);
}

void OuvreSaisieIndiceRougeLame()
{
    OuvreIndiceLame(SaisieIndiceRougeLame, Groupe.IndiceRougeGroupe[1], 314, 67, 3020);
}
void OuvreSaisieIndiceVertLame()
{
    OuvreIndiceLame(SaisieIndiceVertLame, Groupe.IndiceVertGroupe[1], 410, 66, 3020);
}
void OuvreSaisieIndiceBleuLame()
{
    OuvreIndiceLame(SaisieIndiceBleuLame, Groupe.IndiceBleuGroupe[1], 505, 66, 3250);
}

void OuvreSaisieMatiereLame()
{
    Debute(TDebut::FermeCadres);
    const std::string nom = SansBlancs(Groupe.MatiereGroupe[1]);
    EtatSaisie.TexteAvantSaisie = nom;
    OuvreLame({SaisieMatiereLame, 600, 163, 30, nom, "Texte libre de 30 caractères maximum", 3020, true});
}

void OuvreCellule(int code)
{
    switch (code)
    {
    case SaisieRayonDioptre: OuvreSaisieRayonDioptre(); break;
    case SaisieEpaisseurDioptre: OuvreSaisieEpaisseurDioptre(); break;
    case SaisieDiametreDioptre: OuvreSaisieDiametreDioptre(); break;
    case SaisieIndiceRouge: OuvreSaisieIndiceRouge(); break;
    case SaisieIndiceVert: OuvreSaisieIndiceVert(); break;
    case SaisieIndiceBleu: OuvreSaisieIndiceBleu(); break;
    case SaisieMatiereDioptre: OuvreSaisieMatiereDioptre(); break;
    case SaisieRayonGroupe: OuvreSaisieRayonGroupe(); break;
    case SaisieEpaisseurGroupe: OuvreSaisieEpaisseurGroupe(); break;
    case SaisieDiametreGroupe: OuvreSaisieDiametreGroupe(); break;
    case SaisieIndiceRougeGroupe: OuvreSaisieIndiceRougeGroupe(); break;
    case SaisieIndiceVertGroupe: OuvreSaisieIndiceVertGroupe(); break;
    case SaisieIndiceBleuGroupe: OuvreSaisieIndiceBleuGroupe(); break;
    case SaisieMatiereGroupe: OuvreSaisieMatiereGroupe(); break;
    case SaisieRayonLigneMiroir: OuvreSaisieRayonLigneMiroir(); break;
    case SaisieDiametreLigneMiroir: OuvreSaisieDiametreLigneMiroir(); break;
    case SaisieEpaisseurLigneMiroir: OuvreSaisieEpaisseurLigneMiroir(); break;
    case SaisieIndiceRougeLame: OuvreSaisieIndiceRougeLame(); break;
    case SaisieIndiceVertLame: OuvreSaisieIndiceVertLame(); break;
    case SaisieIndiceBleuLame: OuvreSaisieIndiceBleuLame(); break;
    case SaisieMatiereLame: OuvreSaisieMatiereLame(); break;
    default: break;
    }
}

// The images laid over the tables: highlighted rows, the plate glass table and the plate coefficient's box.
#include "sheet/LignesEditees.h"

#include "optics/Modele.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/FondsImages.h"
#include "sheet/FormatsNombresTableau.h"

#include <array>
#include <cmath>

namespace {

struct TValeursLigne
{
    std::string Rayon;
    std::string Epaisseur;
    TColor CouleurEpaisseur = clBlack;
    std::string Diametre;
    std::array<float, 3> Indices{};
    std::string Matiere;
};

void PrepareCanevas(ICanevas& c, TColor fond)
{
    PoliceLigne(c);
    c.Pinceau() = {fond, TStylePinceau::Plein};
    c.Stylo().Style = TStyleStylo::Transparent;
}

void CelluleDroite(ICanevas& c, int gauche, int droite, int fin, const std::string& texte, TColor couleur = clBlack)
{
    c.FillRect(gauche, 1, droite, 16);
    c.Police().Couleur = couleur;
    c.TextOut(fin - c.TextWidth(texte), 1, texte);
    c.Police().Couleur = clBlack;
}

void CelluleNumero(ICanevas& c)
{
    const std::string numero = std::to_string(Edition.LigneCourante);
    c.FillRect(1, 1, 25, 16);
    c.TextOut(25 - c.TextWidth("n" + numero), 1, numero);
}

void PeintLigne(ICanevas& c, const TValeursLigne& v)
{
    DessineLigneFond(c, 0);
    PrepareCanevas(c, clBtnFace);
    CelluleNumero(c);
    CelluleDroite(c, 43, 90, 89, v.Rayon);
    CelluleDroite(c, 121, 165, 164, v.Epaisseur, v.CouleurEpaisseur);
    CelluleDroite(c, 196, 228, 227, v.Diametre);
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = 259 + 95 * static_cast<int>(k);
        const std::string texte = FormateIndiceTableau(v.Indices[k]);
        c.FillRect(gauche, 1, gauche + 65, 16);
        c.TextOut(gauche + 63 - c.TextWidth("m" + texte), 1, texte);
    }
    c.FillRect(544, 1, 760, 16);
    c.TextOut(546, 1, v.Matiere);
    c.Stylo().Style = TStyleStylo::Plein;
}

// A diameter of a highlighted row: no text when it is (nearly) zero.
std::string DiametreLigne(double diametre)
{
    return std::abs(diametre) <= SeuilDiametreNul ? std::string() : FormateDiametreTableau(diametre);
}

void PeintLigneMiroirActive(ICanevas& c)
{
    DessineFondLigneMiroirActive(c);
    PrepareCanevas(c, clWhite);
    CelluleNumero(c);
    CelluleDroite(c, 43, 90, 89, FormateRayonTableau(Instrument.RayonCourbureSecondaire));
    const std::string epaisseur = Groupe.NombreDioptresGroupe % 2 == 0
                                      ? FormateEpaisseurDispositif(Instrument.EpaisseurSecondaire)
                                      : std::string();
    CelluleDroite(c, 121, 165, 164, epaisseur);
    const double diametre = Instrument.DiametreSecondaire;
    const std::string texteDiametre = std::abs(diametre) <= SeuilDiametreNul ? std::string()
                                      : diametre > 999                       ? FormateNombre(diametre, "#0")
                                                                             : FormateNombre(diametre, "#0.0");
    CelluleDroite(c, 196, 228, 227, texteDiametre);
    c.TextOut(480, 1, "Miroir secondaire sphérique");
    c.Stylo().Style = TStyleStylo::Plein;
}

} // namespace

void DessineLigneEditee()
{
    const int r = Edition.LigneCourante;
    if (Edition.TableEditee == TTableEditee::Dispositif && Controles.Ligne.Visible && ImagesFiche.Ligne != nullptr &&
        r >= 1 && r <= NombreMaxDioptres)
    {
        const std::size_t i = static_cast<std::size_t>(r);
        const double epaisseur = Dispositif.EpaisseurDioptre[i];
        PeintLigne(*ImagesFiche.Ligne,
                   {FormateRayonTableau(Dispositif.RayonDioptre[i]),
                    FormateEpaisseurDispositif(epaisseur),
                    epaisseur > SeuilEpaisseurInfinie && r < Dispositif.NombreDioptres ? clRed : clBlack,
                    DiametreLigne(Dispositif.DiametreDioptre[i]),
                    {Dispositif.IndiceRouge[i + 1], Dispositif.IndiceVert[i + 1], Dispositif.IndiceBleu[i + 1]},
                    Dispositif.MatiereDioptre[i + 1]});
    }
    if (Edition.TableEditee != TTableEditee::Groupe || r < 1 || r > NombreMaxDioptresGroupe)
        return;
    const std::size_t i = static_cast<std::size_t>(r);
    if (Controles.Ligne.Visible && ImagesFiche.Ligne != nullptr)
        PeintLigne(*ImagesFiche.Ligne,
                   {FormateRayonTableau(Groupe.RayonGroupe[i]),
                    FormateEpaisseurGroupe(Groupe.EpaisseurGroupe[i]),
                    clBlack,
                    DiametreLigne(Groupe.DiametreGroupe[i]),
                    {Groupe.IndiceRougeGroupe[i], Groupe.IndiceVertGroupe[i], Groupe.IndiceBleuGroupe[i]},
                    Groupe.MatiereGroupe[i]});
    if (Controles.LigneMiroirActive.Visible && ImagesFiche.LigneMiroirActive != nullptr)
        PeintLigneMiroirActive(*ImagesFiche.LigneMiroirActive);
}

void DessineLigneSchmidt()
{
    if (!Controles.LigneSchmidt.Visible || ImagesFiche.LigneSchmidt == nullptr)
        return;
    Controles.Ligne.Visible = false;
    ICanevas& c = *ImagesFiche.LigneSchmidt;
    DessineFondLigneSchmidt(c);
    PrepareCanevas(c, clBtnFace);
    const std::array<float, 3> indices = {Groupe.IndiceRougeGroupe[1], Groupe.IndiceVertGroupe[1],
                                          Groupe.IndiceBleuGroupe[1]};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = 1 + 95 * static_cast<int>(k);
        const std::string texte = FormateIndiceTableau(indices[k]);
        c.FillRect(gauche, 1, gauche + 65, 16);
        c.TextOut(gauche + 63 - c.TextWidth("m" + texte), 1, texte);
    }
    c.FillRect(286, 1, 445, 16);
    c.TextOut(288, 1, Groupe.MatiereGroupe[1]);
    c.Stylo().Style = TStyleStylo::Plein;
}

namespace {

void PeintMenisque(ICanevas& c, TTypeInstrument forme)
{
    const int y = 24;
    MiseEnPage.OrdonneeCourante = y;
    c.Stylo().Style = TStyleStylo::Plein;
    const auto boite = [&](TNumeroCase numero, int gauche, const std::string& echantillon, double valeur,
                           bool peinte) -> const TCase& {
        TCase& b = MiseEnPage.CaseValeur[static_cast<std::size_t>(numero)];
        b = {gauche, 22, gauche + c.TextWidth(echantillon) + 4, 40};
        const std::string texte = valeur == 0 ? std::string() : FormateNombre(valeur, "#0.#");
        if (peinte)
        {
            c.Rectangle(b.Left, b.Top, b.Right, b.Bottom);
            c.TextOut(b.Right - 4 - c.TextWidth(texte), y, texte);
            c.TextOut(b.Right + 2, y, " mm");
        }
        else
        {
            c.TextOut(b.Left, y, texte + " mm");
        }
        return b;
    };
    c.TextOut(10, y, "D = ");
    const TCase& d = boite(CaseDiametreMenisque, 10 + c.TextWidth("D = "), "1000.0", Instrument.DiametreMenisque,
                           forme != TTypeInstrument::MaksutovCassegrain);
    MiseEnPage.AbscisseFinElement = d.Right + 2 + c.TextWidth(" mm");
    MiseEnPage.LargeurDisponible = 313 - MiseEnPage.AbscisseFinElement - c.TextWidth("R1 = ") - c.TextWidth("R2 = ") -
                                   2 * c.TextWidth("10000.0") - 2 * c.TextWidth(" mm");
    const int ecart = MiseEnPage.LargeurDisponible / 3;
    int x = MiseEnPage.AbscisseFinElement + ecart;
    c.TextOut(x, y, "R1 = ");
    const TCase& r1 = boite(CaseRayonMenisque1, x + c.TextWidth("R1 = "), "10000.0", Instrument.RayonMenisque1, true);
    x = r1.Right + 2 + c.TextWidth(" mm") + ecart;
    c.TextOut(x, y, "R2 = ");
    boite(CaseRayonMenisque2, x + c.TextWidth("R2 = "), "10000.0", Instrument.RayonMenisque2, true);
}

} // namespace

void DessineTableauSchmidt()
{
    Controles.TableauKlevtsov.Visible = false;
    if (ImagesFiche.TableauSchmidt == nullptr)
        return;
    ICanevas& c = *ImagesFiche.TableauSchmidt;
    DessineFondTableauSchmidt(c);
    PrepareCanevas(c, clBtnFace);
    const std::array<TLongueurOnde, 3> lignes = {LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte,
                                                 LongueursOnde.LongueurOndeBleue};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const TCase& cellule = CasesLongueurOndeLame[k];
        c.FillRect(cellule.Left, cellule.Top, cellule.Right, cellule.Bottom);
        const std::string texte = FormateLongueurOnde(lignes[k]);
        c.TextOut(cellule.Left + (56 - c.TextWidth(texte)) / 2, 16, texte);
    }
    MiseEnPage.OrdonneeCourante = 32;
    const std::array<float, 3> indices = {Groupe.IndiceRougeGroupe[1], Groupe.IndiceVertGroupe[1],
                                          Groupe.IndiceBleuGroupe[1]};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = 314 + 95 * static_cast<int>(k);
        const std::string texte = FormateIndiceTableau(indices[k]);
        c.FillRect(gauche, 32, gauche + 66, 48);
        c.TextOut(gauche + 64 - c.TextWidth("m" + texte), 32, texte);
    }
    c.FillRect(599, 32, 762, 48);
    c.TextOut(602, 32, Groupe.MatiereGroupe[1]);
    c.Stylo().Style = TStyleStylo::Plein;

    const TTypeInstrument forme = Instrument.TypeInstrument;
    if (forme == TTypeInstrument::Maksutov || forme == TTypeInstrument::MaksutovNewton ||
        forme == TTypeInstrument::MaksutovCassegrain)
    {
        PeintMenisque(c, forme);
        return;
    }
    // The meniscus boxes always span y 22 to 40, whether or not a Maksutov form recorded them last.
    c.Stylo().Style = TStyleStylo::Transparent;
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(5, 21, 312, 41);
    c.Stylo().Style = TStyleStylo::Plein;
}

void DessineCaseArl(const std::string& texte)
{
    if (ImagesFiche.CaseArl == nullptr)
        return;
    ICanevas& c = *ImagesFiche.CaseArl;
    DessineFondCaseArl(c);
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    PoliceLigne(c);
    c.TextOut(c.Largeur() - 16 - c.TextWidth(texte), 2, texte);
}

void RendLameEditee()
{
    if (!Controles.Ligne.Visible && !Controles.ComboBoxLambda.Visible)
        Edition.TableEditee = TTableEditee::Lame;
}

// The lens-group table on the sheet and on paper.
#include "sheet/TableauGroupe.h"

#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/FormatsNombresTableau.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>

namespace {

// The rules of a row and of the header, and the buttons between the value cells (the lens-device table's columns).
constexpr std::array<int, 22> ReglesLigne = {1,   25,  42,  90,  103, 120, 165, 178, 195, 228, 241,
                                             258, 323, 336, 353, 418, 431, 448, 513, 526, 543, 761};
constexpr std::array<int, 9> ReglesEntete = {1, 42, 120, 195, 258, 353, 448, 543, 761};
constexpr std::array<int, 6> GauchesFleches = {91, 166, 229, 324, 419, 514};
constexpr std::array<int, 7> CentresDeroulants = {33, 111, 186, 249, 344, 439, 534};

// The device table's font: a wider one ran the headings into the next column and the values into the borders.
void PoliceTableau(ICanevas& c, bool gras = false)
{
    TPolice& police = c.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-11);
    police.Gras = gras;
    police.Couleur = clBlack;
}

void Triangle(ICanevas& c, int milieu, int pointe, int base)
{
    const std::array<TPointCanevas, 3> sommets = {{{milieu - 3, base}, {milieu + 3, base}, {milieu, pointe}}};
    c.Polygon(sommets);
}

// The fixed picture under the values: the header's rules and column titles, each row's rules and buttons.
void DessineFond(ICanevas& c, int lignes)
{
    const int bas = HauteurEnteteGroupe + 1 + 16 * lignes;
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(0, 0, c.Largeur(), bas);
    for (int y : {20, HauteurEnteteGroupe})
    {
        c.MoveTo(1, y);
        c.LineTo(762, y);
    }
    for (int x : ReglesEntete)
    {
        c.MoveTo(x, 20);
        c.LineTo(x, HauteurEnteteGroupe);
    }
    PoliceTableau(c);
    TexteEntre(c, 31, 1, 42, "Dioptre");
    TexteEntre(c, 22, 42, 120, "Rayon de");
    TexteEntre(c, 38, 42, 120, "courbure (mm)");
    TexteEntre(c, 22, 120, 195, "Epaisseur");
    TexteEntre(c, 38, 120, 195, "(mm)");
    TexteEntre(c, 22, 195, 258, "Diamètre");
    TexteEntre(c, 38, 195, 258, "(mm)");
    const std::array<const char*, 3> indices = {"N rouge", "N vert", "N bleu"};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = ReglesEntete[4 + k];
        TexteEntre(c, 22, gauche, gauche + 95, indices[k]);
        EcritLambdaEgal(c, gauche + 6, 38);
        c.TextOut(gauche + 81, 38, "nm");
    }
    TexteEntre(c, 31, 543, 761, "Matière");

    for (int k = 1; k <= lignes; ++k)
    {
        const int haut = 16 * k + 43;
        c.Pinceau().Couleur = clBtnFace;
        for (int x : ReglesLigne)
        {
            c.MoveTo(x, haut);
            c.LineTo(x, haut + 16);
        }
        c.MoveTo(1, haut + 16);
        c.LineTo(762, haut + 16);
        c.Pinceau().Couleur = clBlack;
        for (int gauche : GauchesFleches)
        {
            Triangle(c, gauche + 6, haut + 3, haut + 6);
            Triangle(c, gauche + 6, haut + 13, haut + 10);
        }
        for (int milieu : CentresDeroulants)
            Triangle(c, milieu, haut + 11, haut + 6);
    }
    c.Pinceau().Couleur = clBtnFace;
}

std::string TexteRayon(double rayon, const std::string& diaphragme)
{
    if (std::abs(rayon) > SeuilRayonDiaphragme)
        return diaphragme.empty() ? "Plan" : diaphragme;
    return FormateRayonTableau(rayon);
}

} // namespace

void PlaceTableauGroupe(int haut, int lignes)
{
    TControle& tableau = Controles.TableauKlevtsov;
    tableau.Top = haut;
    tableau.Left = 20;
    tableau.Width = ImagesGroupe.TableauKlevtsov != nullptr ? ImagesGroupe.TableauKlevtsov->Largeur() : 762;
    tableau.Height = HauteurEnteteGroupe + 1 + 16 * lignes;
}

void DessineTableauGroupe(const TPresentationGroupe& presentation, int lignes)
{
    if (ImagesGroupe.TableauKlevtsov == nullptr)
        return;
    ICanevas& c = *ImagesGroupe.TableauKlevtsov;
    const int largeur = c.Largeur();
    DessineFond(c, lignes);

    c.Stylo().Style = TStyleStylo::Transparent;
    c.FillRect(20, 2, largeur - 1, 20);
    c.Stylo().Style = TStyleStylo::Plein;
    PoliceTableau(c, true);
    c.Police().FixeHauteur(15);
    c.TextOut((largeur - c.TextWidth(presentation.Titre)) / presentation.DiviseurTitre, 4, presentation.Titre);
    PoliceTableau(c);

    const std::array<TLongueurOnde, 3> lignesSpectrales = {
        LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte, LongueursOnde.LongueurOndeBleue};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const TCase& cellule = CasesLongueurOndeGroupe[k];
        c.Rectangle(cellule.Left, cellule.Top, cellule.Right, cellule.Bottom);
        const std::string texte = FormateLongueurOnde(lignesSpectrales[k]);
        c.TextOut(cellule.Left + (56 - c.TextWidth(texte)) / 2, 38, texte);
    }

    c.Stylo().Style = TStyleStylo::Transparent;
    for (int k = 1; k <= lignes && k <= NombreMaxDioptresGroupe; ++k)
    {
        const std::size_t i = static_cast<std::size_t>(k);
        const int y = 16 * k + 44;
        const auto cellule = [&](int gauche, int droite, int x, const std::string& texte) {
            c.FillRect(gauche, y, droite, y + 16);
            c.TextOut(x, y, texte);
        };
        const std::string numero = std::to_string(k);
        cellule(2, 25, 26 - c.TextWidth("n" + numero), numero);
        const std::string rayon = TexteRayon(Groupe.RayonGroupe[i], presentation.DiaphragmeEcran);
        cellule(43, 91, 90 - c.TextWidth(rayon), rayon);
        const double e = Groupe.EpaisseurGroupe[i];
        const std::string epaisseur =
            presentation.SeuilsEpaisseurLongs ? FormateEpaisseurGroupe(e) : FormateEpaisseurDispositif(e);
        cellule(121, 166, 165 - c.TextWidth(epaisseur), epaisseur);
        const std::string diametre = FormateDiametreTableau(Groupe.DiametreGroupe[i]);
        cellule(196, 229, 228 - c.TextWidth(diametre), diametre);
        const std::array<float, 3> indices = {Groupe.IndiceRougeGroupe[i], Groupe.IndiceVertGroupe[i],
                                              Groupe.IndiceBleuGroupe[i]};
        for (std::size_t j = 0; j < 3; ++j)
        {
            const int gauche = 259 + 95 * static_cast<int>(j);
            const std::string texte = FormateIndiceTableau(indices[j]);
            cellule(gauche, gauche + 65, gauche + 64 - c.TextWidth("m" + texte), texte);
        }
        cellule(544, 761, 547, Groupe.MatiereGroupe[i]);
    }
    c.Stylo().Style = TStyleStylo::Plein;
}

TColonnesGroupe MesureColonnesGroupe(ICanevas& canevas)
{
    return {MesureBordsColonnes(canevas)};
}

int ImprimeEnteteGroupe(ICanevas& canevas, const TColonnesGroupe& colonnes, int y0, const std::string& titre,
                        int tailleTitre)
{
    const int s = ImpressionEtat.PasLigneImpression;
    const int t = ImpressionEtat.PasLigneTableauImprime;
    const int p = canevas.Largeur();
    const auto& x = colonnes.Bords;
    const int yh = y0 + 33 * t / 10;
    canevas.Rectangle(x[0], y0, x[8], yh);

    PoliceImpression(canevas, tailleTitre, true);
    canevas.TextOut((p - canevas.TextWidth(titre)) / 2, y0 + 6, titre);

    const int ya = y0 + 13 * s / 10;
    const int yb = y0 + 23 * s / 10;
    ImprimeTitresColonnes(canevas, x, p, ya, ya, yb);
    return yh;
}

void ImprimeLigneGroupe(ICanevas& canevas, const TColonnesGroupe& colonnes, const TPresentationGroupe& presentation,
                        int i, int y)
{
    if (i < 1 || i > NombreMaxDioptresGroupe)
        return;
    const auto& x = colonnes.Bords;
    const std::size_t r = static_cast<std::size_t>(i);
    const auto aDroite = [&](int bord, const std::string& texte) {
        canevas.TextOut(bord - canevas.TextWidth(texte + " "), y, texte);
    };
    TexteEntre(canevas, y, x[0], x[1], std::to_string(i));
    aDroite(x[2], TexteRayon(Groupe.RayonGroupe[r], presentation.DiaphragmePapier));
    aDroite(x[3], FormateEpaisseurDispositif(Groupe.EpaisseurGroupe[r]));
    aDroite(x[4], FormateDiametreTableau(Groupe.DiametreGroupe[r]));
    aDroite(x[5], FormateIndiceTableau(Groupe.IndiceRougeGroupe[r]));
    aDroite(x[6], FormateIndiceTableau(Groupe.IndiceVertGroupe[r]));
    aDroite(x[7], FormateIndiceTableau(Groupe.IndiceBleuGroupe[r]));
    canevas.TextOut(x[7] + canevas.TextWidth(" "), y, Groupe.MatiereGroupe[r]);
}

// The shared frame of the instrument sections.
#include "sections/Cadre.h"

#include "sections/Primitives.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <cmath>

bool PorteCoupeOuverte()
{
    return Validite.InstrumentValide && !Validite.ConflitGeometrique && !Systeme.CalculEchoue &&
           !(Validite.DispositifPresent && !Validite.DispositifValide);
}

std::string TexteCoupeRefusee(bool blancs)
{
    const std::string texte = Validite.ConflitGeometrique
                                  ? "Conflit entre l'emplacement du miroir plan et le dispositif dioptrique"
                                  : "Les données sont incomplètes ou incohérentes";
    return blancs ? " " + texte + " " : texte;
}

void PrepareBandeEcran(ICanevas& dessin)
{
    Controles.Dessin.Visible = true;
    Controles.Dessin.Top = Controles.Grille.Top + Controles.Grille.Height + 16;
    dessin.Pinceau().Couleur = clBtnFace;
    dessin.Pinceau().Style = TStylePinceau::Plein;
    dessin.Stylo().Couleur = clBlack;
    dessin.Stylo().Style = TStyleStylo::Plein;
    dessin.Stylo().Epaisseur = 1;
    dessin.Police().Couleur = clBlack;
    dessin.FillRect(0, 0, dessin.Largeur(), dessin.Hauteur());
    dessin.Pinceau().Couleur = clWhite;
    dessin.Rectangle(0, 0, dessin.Largeur(), HauteurBande);
}

void PrepareBandeImprimee(ICanevas& canevas)
{
    HauteurBandeImprimee = ImpressionEtat.HauteurBlocImprime;
    canevas.Pinceau().Couleur = clWhite;
    canevas.Pinceau().Style = TStylePinceau::Plein;
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Police().Couleur = clBlack;
    canevas.Rectangle(MiseEnPage.AbscisseCourante, MiseEnPage.OrdonneeCourante,
                      canevas.Largeur() - ImpressionEtat.MargeImpression,
                      MiseEnPage.OrdonneeCourante + HauteurBandeImprimee);
}

void TermineBandeImprimee()
{
    MiseEnPage.OrdonneeCourante += HauteurBandeImprimee + ImpressionEtat.PasLigneImpression;
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
}

int PositionBandeau(int largeur)
{
    const TControle& dessin = Controles.Dessin;
    const std::optional<int> gauche = BandeauOcculte.Place.Gauche;
    return gauche ? dessin.Left + *gauche : dessin.Left + dessin.Width - largeur;
}

void MontreBandeau(const TBandeau& bandeau)
{
    BandeauOcculte = bandeau;
    TControle& label = Controles.LabelOcculte;
    label.Top = Controles.Dessin.Top + bandeau.Place.Haut;
    label.Left = PositionBandeau(label.Width);
    label.Visible = bandeau.Visible;
}

float EchelleEcran(double longueur, double hauteur, int largeur, int hauteurUtile, int marge)
{
    if (!(longueur > 0) || !(hauteur > 0) || largeur <= marge)
        return 0;
    if (hauteur / longueur > static_cast<double>(hauteurUtile) / (largeur - marge))
        return static_cast<float>(hauteurUtile / hauteur);
    return static_cast<float>((largeur - marge) / longueur);
}

float EchelleImprimee(double longueur, double hauteur, int hauteurBande, int largeurPage, int marge, int unite)
{
    const int utileHauteur = hauteurBande - 2 * unite;
    const int utileLargeur = largeurPage - 2 * (marge + unite);
    if (!(longueur > 0) || !(hauteur > 0) || utileHauteur <= 0 || utileLargeur <= 0)
        return 0;
    if (hauteur / longueur > static_cast<double>(utileHauteur) / utileLargeur)
        return static_cast<float>(utileHauteur / hauteur);
    return static_cast<float>(utileLargeur / longueur);
}

bool EstVerre(int milieu)
{
    return Dispositif.IndiceVert[milieu] > Reglages.IndiceLimite;
}

namespace {

// The slots of rows 1 .. n whose media are glass by `verre`(i) and named `matiere`(i).
template <class FVerre, class FMatiere>
void AttribueTeintes(int n, FVerre verre, FMatiere matiere)
{
    TeinteSuivante = 0;
    for (int i = 1; i <= n; ++i)
    {
        const bool estVerre = verre(i);
        if (i > 1 && estVerre)
        {
            // Only an earlier glass can lend its slot: an air row of the same name has none.
            int egal = 0;
            for (int j = 1; j < i; ++j)
                if (verre(j) && matiere(j) == matiere(i))
                    egal = j;
            if (egal > 0)
            {
                Dispositif.TeinteDioptre[i] = Dispositif.TeinteDioptre[egal];
                continue;
            }
        }
        else if (i > 1)
            continue;
        Dispositif.TeinteDioptre[i] = TeinteSuivante;
        if (estVerre)
            TeinteSuivante = (TeinteSuivante + 1) % 10;
    }
    TeinteSuivante = 0;
}

} // namespace

void AttribueTeintes()
{
    AttribueTeintes(
        std::min(Dispositif.NombreDioptres, NombreMaxDioptres), [](int i) { return EstVerre(i + 1); },
        [](int i) -> const std::string& { return Dispositif.MatiereDioptre[i + 1]; });
}

void AttribueTeintesGroupe()
{
    AttribueTeintes(
        std::min(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe),
        [](int i) { return Groupe.IndiceVertGroupe[i] > Reglages.IndiceLimite; },
        [](int i) -> const std::string& { return Groupe.MatiereGroupe[i]; });
}

void CalculeJoints(int i)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& n = Dispositif.IndiceVert;
    const float limite = Reglages.IndiceLimite;
    JointPrecedent = i > 1 && n[i] >= limite && std::abs(R[i - 1] - R[i]) <= 0.01;
    JointSuivant = i < NombreMaxDioptres && n[i + 2] >= limite && std::abs(R[i + 1] - R[i]) <= 0.01;
}

TBandeau LegendeBandeau(bool vignettageDispositif, bool dansTrouCentral, bool vignettageSecondaire,
                        TTypeInstrument type)
{
    TBandeau bandeau;
    if (vignettageDispositif)
    {
        bandeau.Legende = " Le faisceau est interrompu par le bord du dispositif dioptrique ";
        bandeau.Couleur = CouleurFuchsia;
    }
    else
    {
        if (dansTrouCentral)
            bandeau.Legende = " Le faisceau est interrompu par le bord du trou central ";
        else if (type != TTypeInstrument::Lunette && vignettageSecondaire)
            bandeau.Legende = " Le faisceau est interrompu par le bord du miroir secondaire ";
        bandeau.Couleur = CouleurRouge;
    }
    bandeau.Visible = !bandeau.Legende.empty();
    return bandeau;
}

void DessineBoiteTaille(ICanevas& dessin, const std::string& message, TColor fond, const TPlaceBoite& place)
{
    const bool gras = dessin.Police().Gras;
    dessin.Police().Gras = place.Gras;
    const int texte = dessin.TextWidth(message);
    const int largeur = texte + place.Elargissement;
    const int gauche = place.AGauche ? 0 : dessin.Largeur() - largeur;
    dessin.Pinceau().Couleur = fond;
    dessin.Stylo().Couleur = place.Contour;
    dessin.Rectangle(gauche, 0, gauche + largeur, 18);
    dessin.Police().Couleur = clWhite;
    dessin.TextOut(gauche + place.DecalageTexte, 2, message);
    dessin.Police().Couleur = clBlack;
    dessin.Police().Gras = gras;
}

void ImprimeBoiteTaille(ICanevas& canevas, const std::string& message, TColor fond, const TPlaceBoite& place)
{
    const bool gras = canevas.Police().Gras;
    canevas.Police().Gras = place.Gras;
    const int texte = canevas.TextWidth(message);
    const int gauche =
        place.AGauche ? MiseEnPage.AbscisseCourante : canevas.Largeur() - ImpressionEtat.MargeImpression - texte;
    const int y = MiseEnPage.OrdonneeCourante;
    const int pas = ImpressionEtat.PasLigneImpression;
    // The hole's orange is printed as it is; the fuchsia of a too small mirror is lightened.
    const TColor couleur = fond == CouleurFuchsia ? EclaircitCouleur(fond) : fond;
    canevas.Pinceau().Couleur = couleur;
    canevas.Stylo().Couleur = place.Contour == fond ? couleur : place.Contour;
    canevas.Rectangle(gauche, y, gauche + texte, y + pas * 12 / 10);
    canevas.Police().Couleur = clWhite;
    canevas.TextOut(gauche, y + (place.TexteAuSeizieme ? pas * 2 / 16 : pas * 2 / 10), message);
    canevas.Police().Couleur = clBlack;
    canevas.Police().Gras = gras;
}

void DessineCarreFoyer(ICanevas& dessin, int x, int y)
{
    dessin.Stylo().Couleur = clBlack;
    dessin.Pinceau().Couleur = clWhite;
    dessin.Rectangle(x - 1, y - 1, x + 2, y + 2);
}

void ImprimeCarreFoyer(ICanevas& canevas, int x, int y)
{
    const int p = ImpressionEtat.PasLigneImpression / 16;
    canevas.Stylo().Couleur = clBlack;
    canevas.Pinceau().Couleur = clWhite;
    canevas.Rectangle(x - p, y - p, x + p, y + p);
}

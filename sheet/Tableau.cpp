// The design sheet: title, the instrument's block, the lens-device heading and the lens-device table.
#include "sheet/Tableau.h"

#include "optics/Geometrie.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceLurieHoughton.h"
#include "platform/Format.h"
#include "platform/Version.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocHoughton.h"
#include "sheet/BlocInstrument.h"
#include "sheet/BlocKlevtsov.h"
#include "sheet/BlocLunette.h"
#include "sheet/BlocMaksutov.h"
#include "sheet/BlocMaksutovCassegrain.h"
#include "sheet/BlocNewton.h"
#include "sheet/BlocSchmidt.h"
#include "sheet/BlocSchmidtCassegrain.h"
#include "sheet/Fiche.h"
#include "sheet/FondsImages.h"
#include "sheet/FormatsNombresTableau.h"
#include "sheet/LignesEditees.h"

#include <array>
#include <cmath>

std::string NomFichierSansDossier(const std::string& chemin)
{
    const std::size_t separateur = chemin.find_last_of("/\\");
    return separateur == std::string::npos ? chemin : chemin.substr(separateur + 1);
}

std::string NomFichierSansExtension(const std::string& chemin)
{
    const std::string nom = NomFichierSansDossier(chemin);
    for (const char* extension : {".qvd", ".bak", ".tmp"})
        if (nom.size() >= 4 && nom.compare(nom.size() - 4, 4, extension) == 0)
            return nom.substr(0, nom.size() - 4);
    return nom;
}

namespace {

constexpr std::array<int, 9> ReglesEntete = {1, 42, 120, 195, 258, 353, 448, 543, 761};

} // namespace

void DessineGrilleFond(ICanevas& c)
{
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.Stylo() = TStylo{};
    c.FillRect(0, 0, 762, 49);
    c.MoveTo(1, 0);
    c.LineTo(762, 0);
    c.MoveTo(1, 48);
    c.LineTo(762, 48);
    for (int x : ReglesEntete)
    {
        c.MoveTo(x, 0);
        c.LineTo(x, 48);
    }
    PoliceLigne(c);
    TexteEntre(c, 17, 1, 42, "Dioptre");
    TexteEntre(c, 9, 42, 120, "Rayon de");
    TexteEntre(c, 25, 42, 120, "courbure (mm)");
    TexteEntre(c, 9, 120, 195, "Epaisseur");
    TexteEntre(c, 25, 120, 195, "(mm)");
    TexteEntre(c, 9, 195, 258, "Diamètre");
    TexteEntre(c, 25, 195, 258, "(mm)");
    const std::array<const char*, 3> indices = {"N rouge", "N vert", "N bleu"};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = ReglesEntete[4 + k];
        TexteEntre(c, 6, gauche, gauche + 95, indices[k]);
        EcritLambdaEgal(c, gauche + 6, 27);
        c.Pinceau().Couleur = clWhite;
        c.Rectangle(gauche + 21, 25, gauche + 79, 43);
        c.Pinceau().Couleur = clBtnFace;
        c.TextOut(gauche + 81, 27, "nm");
    }
    TexteEntre(c, 17, 543, 761, "Matière");
    for (int i = 1; i <= NombreMaxDioptres; ++i)
        DessineLigneFond(c, 16 * i + 33);
}

namespace {

void PoliceTitre(ICanevas& c)
{
    TPolice& police = c.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-20);
    police.Gras = true;
    police.Couleur = clBlack;
}

void DessineTitre(ICanevas& c)
{
    PoliceTitre(c);
    MiseEnPage.HauteurTitre = c.TextHeight("Bp");

    std::string texte;
    if (DocumentFiche.NomEnregistrement.empty())
    {
        texte = "Quivane V " + VersionProgramme();
    }
    else
    {
        const std::string base = NomFichierSansExtension(DocumentFiche.NomEnregistrement);
        if (base.compare(0, 11, "QuivaneFile") == 0)
        {
            texte = "Simulation optique de : Fichier récupéré";
            DocumentFiche.NomEnregistrement = "Fichier récupéré";
        }
        else
        {
            texte = "Simulation optique de : " + base;
        }
    }
    MiseEnPage.LargeurTitre = std::min(DocumentFiche.LargeurVisible, 800);
    int x = (MiseEnPage.LargeurTitre - c.TextWidth(texte)) / 2;
    if (c.TextWidth(texte) > MiseEnPage.LargeurTitre)
    {
        // Without a file there is no bare name to fall back on: the program's name stays, from the left edge.
        const std::string nu = NomFichierSansExtension(DocumentFiche.NomEnregistrement);
        if (!nu.empty())
            texte = nu;
        x = c.TextWidth(texte) > MiseEnPage.LargeurTitre ? 0 : (MiseEnPage.LargeurTitre - c.TextWidth(texte)) / 2;
    }
    c.TextOut(x, 0, texte);
}

void DessineChoixType(ICanevas& c, int y1)
{
    c.TextOut(20, y1, "Type d'instrument");
    Controles.ComboBox.Visible = true;
    Controles.ComboBox.Left = c.TextWidth("Type d'instrument") + 30;
    Controles.ComboBox.Top = y1 - 4;
    c.TextOut(Controles.ComboBox.Left + Controles.ComboBox.Width + c.TextWidth("vide"), y1, "Choisissez et validez");
    MiseEnPage.OrdonneeDispositif = y1 + 28;
    Controles.CheckBox1.Visible = false;
    Controles.LigneMiroir.Visible = false;
}

// The focal length of the Lurie-Houghton alone, from one ray one arc minute off axis to the focus the solver found.
// The solver's focus shift and device distance stay as the refresh left them; a failed or stopped solve, a lost ray or a ray
// along the image plane keeps the stored value.
void MesureFocaleLurieHoughton()
{
    Rayon.AngleChamp = 0.0002908882086657216;
    Rayon.SinusAngleChamp = std::sin(Rayon.AngleChamp);
    Rayon.CosinusAngleChamp = std::cos(Rayon.AngleChamp);
    Rayon.XDepart = 0;
    Rayon.YDepart = 0;
    EffaceDrapeauxRayon();
    TraceLurieHoughton();
    if (Rayon.RayonPerdu || Rayon.RayonBloque || Rayon.NRayon == 0)
        return;
    const double xImage =
        (Systeme.PositionFoyer + Systeme.DecalageFoyer - Rayon.ZRayon) * Rayon.LRayon / Rayon.NRayon + Rayon.XRayon;
    Instrument.FocaleEffective = std::abs(xImage / std::tan(Rayon.AngleChamp));
}

void DessineBlocInstrument(ICanevas& c, int y1)
{
    // Until a form's block paints its lines, the device heading comes right below the first line.
    MiseEnPage.OrdonneeDispositif = y1 + 32;
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun: DessineChoixType(c, y1); break;
    case TTypeInstrument::Newton: DessineParametresNewton(c); break;
    case TTypeInstrument::MaksutovCassegrain: DessineParametresMaksutovCassegrain(c); break;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton: DessineParametresMaksutov(c); break;
    case TTypeInstrument::Lunette: DessineParametresLunette(c); break;
    case TTypeInstrument::LurieHoughton:
        if (Validite.InstrumentValide && !Systeme.CalculEchoue && !Systeme.CalculInterrompu)
            MesureFocaleLurieHoughton();
        DessineParametresLurieHoughton(c);
        break;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::DallKirkham: DessineParametresCassegrain(c); break;
    case TTypeInstrument::Schwarzschild: DessineParametresSchwarzschild(c); break;
    case TTypeInstrument::Schmidt: DessineParametresSchmidt(c); break;
    case TTypeInstrument::SchmidtNewton: DessineParametresSchmidtNewton(c); break;
    case TTypeInstrument::SchmidtCassegrain: DessineParametresSchmidtCassegrain(c); break;
    case TTypeInstrument::KlevtsovCassegrain: DessineParametresKlevtsov(c); break;
    case TTypeInstrument::HoughtonCassegrain: DessineParametresHoughtonCassegrain(c); break;
    }
}

void DessineEnteteDispositif(ICanevas& c)
{
    const int yd = MiseEnPage.OrdonneeDispositif;
    PoliceLigne(c, true);
    const std::string entete = "Dispositif Dioptrique";
    c.TextOut(20, yd, entete);
    const int w = c.TextWidth(entete);
    PoliceLigne(c);
    MiseEnPage.CaseTitreDispositif = {w + 30, yd - 2, Controles.LargeurFenetre - 20, yd + 16};
    const TCase& titre = MiseEnPage.CaseTitreDispositif;
    c.Rectangle(titre.Left, titre.Top, titre.Right, titre.Bottom);
    c.TextOut(w + 34, yd, Dispositif.TitreDispositif);

    MiseEnPage.CaseBasculeDispositif = {5, yd + 4, 15, yd + 13};
    c.Rectangle(4, yd + 4, 16, yd + 13);
    c.MoveTo(7, yd + 8);
    c.LineTo(13, yd + 8);
    int ye = yd + 57;
    if (Edition.DispositifDeveloppe)
    {
        ye = Dispositif.NombreDioptres > 1 ? yd + 73 + 16 * (Dispositif.NombreDioptres - 1) : yd + 73;
    }
    else
    {
        c.MoveTo(10, yd + 6);
        c.LineTo(10, yd + 11);
    }
    c.MoveTo(10, yd + 13);
    c.LineTo(10, ye);
    c.LineTo(15, ye);
}

void DessineGrille(ICanevas& g)
{
    DessineGrilleFond(g);
    PoliceLigne(g);
    g.Stylo() = TStylo{};
    g.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    const std::array<TLongueurOnde, 3> lignes = {LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte,
                                                 LongueursOnde.LongueurOndeBleue};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const TCase& cellule = CasesLongueurOndeGrille[k];
        g.Rectangle(cellule.Left, cellule.Top, cellule.Right, cellule.Bottom);
        const std::string texte = FormateLongueurOnde(lignes[k]);
        g.TextOut(cellule.Left + (56 - g.TextWidth(texte)) / 2, 27, texte);
    }

    g.Stylo().Style = TStyleStylo::Transparent;
    const int n = Dispositif.NombreDioptres;
    for (int i = 1; i <= n; ++i)
    {
        const std::size_t r = static_cast<std::size_t>(i);
        const int y = 16 * i + 33;
        MiseEnPage.OrdonneeTexte = y;
        const std::string numero = std::to_string(i);
        g.TextOut(26 - g.TextWidth("n" + numero), y, numero);
        const auto cellule = [&](int gauche, int droite, int fin, const std::string& texte, TColor couleur) {
            g.FillRect(gauche, y, droite, y + 16);
            g.Police().Couleur = couleur;
            g.TextOut(fin - g.TextWidth(texte), y, texte);
            g.Police().Couleur = clBlack;
        };
        cellule(43, 91, 90, FormateRayonTableau(Dispositif.RayonDioptre[r]), clBlack);
        const double epaisseur = Dispositif.EpaisseurDioptre[r];
        cellule(121, 166, 165, FormateEpaisseurDispositif(epaisseur),
                epaisseur > SeuilEpaisseurInfinie && i < n ? clRed : clBlack);
        cellule(196, 229, 228, FormateDiametreTableau(Dispositif.DiametreDioptre[r]), clBlack);
        const std::array<float, 3> indices = {Dispositif.IndiceRouge[r + 1], Dispositif.IndiceVert[r + 1],
                                              Dispositif.IndiceBleu[r + 1]};
        for (std::size_t k = 0; k < 3; ++k)
        {
            const int gauche = 259 + 95 * static_cast<int>(k);
            const std::string texte = FormateIndiceTableau(indices[k]);
            g.FillRect(gauche, y, gauche + 65, y + 16);
            g.TextOut(gauche + 64 - g.TextWidth("m" + texte), y, texte);
        }
        g.FillRect(544, y, 761, y + 16);
        g.TextOut(547, y, Dispositif.MatiereDioptre[r + 1]);
    }
    g.Stylo().Style = TStyleStylo::Plein;
}

} // namespace

void MesureHauteurTitre()
{
    if (ImagesFiche.Fenetre == nullptr)
        return;
    ICanevas& c = *ImagesFiche.Fenetre;
    const TPolice police = c.Police();
    PoliceTitre(c);
    MiseEnPage.HauteurTitre = c.TextHeight("Bp");
    c.Police() = police;
}

void DessineTableau()
{
    FixeContexteAide(Instrument.TypeInstrument == TTypeInstrument::KlevtsovCassegrain ? 3050 : 3000);
    for (TControle* vue : {&Controles.BoxDistance, &Controles.BoutonRayons, &Controles.LabelDistanceAxe,
                           &Controles.LabelOcculte, &Controles.LabelUnites})
        vue->Visible = false;
    CalculeGeometrieInstrument();

    if (Edition.AMettreAJour && ImagesFiche.Fenetre != nullptr)
    {
        ICanevas& c = *ImagesFiche.Fenetre;
        MiseEnPage.CaseValeur.fill(TCase{});
        c.Pinceau() = TPinceau{};
        c.Stylo() = TStylo{};
        c.FillRect(0, 0, c.Largeur(), c.Hauteur());
        DessineTitre(c);
        MiseEnPage.OrdonneePremiereLigne = MiseEnPage.HauteurTitre + 4;
        const int y1 = MiseEnPage.OrdonneePremiereLigne;
        PoliceLigne(c);
        MiseEnPage.CaseBasculeInstrument = {5, y1 + 4, 15, y1 + 13};
        DessineBlocInstrument(c, y1);
        DessineEnteteDispositif(c);
    }

    Controles.Grille.Top = MiseEnPage.CaseTitreDispositif.Bottom + 4;
    Controles.Grille.Left = 20;
    if (ImagesFiche.Grille != nullptr)
        DessineGrille(*ImagesFiche.Grille);
    DessineLigneEditee();
}

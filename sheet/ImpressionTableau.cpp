// The report's first page and the page-break rule of the printed bands.
#include "sheet/ImpressionTableau.h"

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "platform/Version.h"
#include "sheet/BlocDeuxMiroirs.h"
#include "sheet/BlocHoughton.h"
#include "sheet/BlocKlevtsov.h"
#include "sheet/BlocLunette.h"
#include "sheet/BlocMaksutov.h"
#include "sheet/BlocMaksutovCassegrain.h"
#include "sheet/BlocNewton.h"
#include "sheet/BlocSchmidt.h"
#include "sheet/BlocSchmidtCassegrain.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/FormatsNombresTableau.h"

#include <algorithm>
#include <cmath>

void PoliceImpression(ICanevas& canevas, int taille, bool gras)
{
    TPolice& police = canevas.Police();
    police.Nom = "Arial";
    police.FixeTaille(taille);
    police.Gras = gras;
    police.Couleur = clBlack;
}

void ImprimeLongueurOnde(ICanevas& canevas, int x, int y, TLongueurOnde ligne)
{
    canevas.Police().Nom = "Symbol";
    canevas.Police().FixeTaille(11);
    canevas.TextOut(x, y - canevas.TextHeight("l") / 4, "l");
    const int apres = x + canevas.TextWidth("l");
    PoliceImpression(canevas, 9, false);
    const std::string longueur = FormateLongueurOnde(ligne);
    if (!longueur.empty())
        canevas.TextOut(apres, y, " = " + longueur + "nm");
}

std::array<int, 9> MesureBordsColonnes(ICanevas& canevas)
{
    std::array<int, 9> c{};
    c[0] = ImpressionEtat.MargeImpression;
    c[1] = c[0] + canevas.TextWidth(" Dioptre  ");
    c[2] = c[1] + canevas.TextWidth(" courbure (mm)  ");
    c[3] = c[2] + canevas.TextWidth(" Epaisseur  ");
    c[4] = c[3] + canevas.TextWidth(" Diamètre  ");
    const int indice = canevas.TextWidth("1.123456 mmm");
    c[5] = c[4] + indice;
    c[6] = c[4] + 2 * indice;
    c[7] = c[4] + 3 * indice;
    c[8] = canevas.Largeur() - ImpressionEtat.MargeImpression;
    return c;
}

void ImprimeTitresColonnes(ICanevas& canevas, const std::array<int, 9>& bords, int droiteMatiere, int yMatiere, int ya,
                           int yb)
{
    const auto& c = bords;
    PoliceImpression(canevas, 11, false);
    TexteEntre(canevas, yMatiere, c[7], droiteMatiere, "Matière");
    PoliceImpression(canevas, 9, false);
    const int decalageLambda = canevas.TextWidth("l");
    const std::array<const char*, 3> titres = {"N rouge", "N vert", "N bleu"};
    const std::array<TLongueurOnde, 3> lignesSpectrales = {
        LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte, LongueursOnde.LongueurOndeBleue};
    for (std::size_t k = 0; k < 3; ++k)
    {
        TexteEntre(canevas, ya, c[4 + k], c[5 + k], titres[k]);
        ImprimeLongueurOnde(canevas, c[4 + k] + decalageLambda, yb, lignesSpectrales[k]);
    }
    TexteEntre(canevas, (ya + yb) / 2, c[0], c[1], "Dioptre");
    TexteEntre(canevas, ya, c[1], c[2], "Rayon de");
    TexteEntre(canevas, yb, c[1], c[2], "courbure (mm)");
    TexteEntre(canevas, ya, c[2], c[3], "Epaisseur");
    TexteEntre(canevas, yb, c[2], c[3], "(mm)");
    TexteEntre(canevas, ya, c[3], c[4], "Diamètre");
    TexteEntre(canevas, yb, c[3], c[4], "(mm)");
}

namespace {

void NouvellePageSuite(IImprimante& imprimante)
{
    imprimante.NouvellePage();
    const std::string nom = NomFichierSansDossier(DocumentFiche.CheminDocument);
    if (!nom.empty())
        imprimante.Canevas().TextOut(0, 0, "Suite de : " + nom);
    MiseEnPage.OrdonneeCourante = ImpressionEtat.PasLigneImpression;
}

void ImprimeBlocInstrument(ICanevas& canevas)
{
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Newton: ImprimeParametresNewton(canevas); break;
    case TTypeInstrument::MaksutovCassegrain: ImprimeParametresMaksutovCassegrain(canevas); break;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton: ImprimeParametresMaksutov(canevas); break;
    case TTypeInstrument::Lunette: ImprimeParametresLunette(canevas); break;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::DallKirkham: ImprimeParametresCassegrain(canevas); break;
    case TTypeInstrument::Schwarzschild: ImprimeParametresSchwarzschild(canevas); break;
    case TTypeInstrument::Schmidt: ImprimeParametresSchmidt(canevas); break;
    case TTypeInstrument::SchmidtNewton: ImprimeParametresSchmidtNewton(canevas); break;
    case TTypeInstrument::SchmidtCassegrain: ImprimeParametresSchmidtCassegrain(canevas); break;
    case TTypeInstrument::KlevtsovCassegrain: ImprimeParametresKlevtsov(canevas); break;
    case TTypeInstrument::LurieHoughton: ImprimeParametresLurieHoughton(canevas); break;
    case TTypeInstrument::HoughtonCassegrain: ImprimeParametresHoughtonCassegrain(canevas); break;
    case TTypeInstrument::Aucun: break;
    }
}

// The columns of the printed lens table.
struct TColonnes
{
    std::array<int, 9> Bords{}; // c0 .. c7, then the right edge
};

TColonnes MesureColonnes(ICanevas& canevas)
{
    return {MesureBordsColonnes(canevas)};
}

// The header of the table from y0, its frame and the vertical rules down over `lignes` rows; answers the y of the
// rows' origin.
int ImprimeEnteteTable(ICanevas& canevas, const TColonnes& colonnes, int y0, int lignes)
{
    const int s = ImpressionEtat.PasLigneTableauImprime;
    const auto& c = colonnes.Bords;
    canevas.Rectangle(c[0], y0, c[8], y0 + 21 * s / 10);
    for (int bord : c)
    {
        canevas.MoveTo(bord, y0);
        canevas.LineTo(bord, y0 + 21 * s / 10 + lignes * s);
    }
    const int y1 = y0 + s / 10;
    const int y2 = y0 + 11 * s / 10;

    ImprimeTitresColonnes(canevas, c, c[8], y1 + s / 4, y1, y2);
    return y0 + 11 * s / 10;
}

void ImprimeLigneTable(ICanevas& canevas, const TColonnes& colonnes, int i, int y)
{
    const auto& c = colonnes.Bords;
    const auto aDroite = [&](int bord, const std::string& texte) {
        canevas.TextOut(bord - canevas.TextWidth(texte + " "), y, texte);
    };
    const std::size_t ligne = static_cast<std::size_t>(i);
    TexteEntre(canevas, y, c[0], c[1], std::to_string(i));
    const double rayon = Dispositif.RayonDioptre[ligne];
    aDroite(c[2], std::abs(rayon) > SeuilRayonDiaphragme ? "Diaphragme" : FormateRayonTableau(rayon));
    aDroite(c[3], FormateEpaisseurDispositif(Dispositif.EpaisseurDioptre[ligne]));
    aDroite(c[4], FormateDiametreTableau(Dispositif.DiametreDioptre[ligne]));
    aDroite(c[5], FormateIndiceTableau(Dispositif.IndiceRouge[ligne + 1]));
    aDroite(c[6], FormateIndiceTableau(Dispositif.IndiceVert[ligne + 1]));
    aDroite(c[7], FormateIndiceTableau(Dispositif.IndiceBleu[ligne + 1]));
    canevas.TextOut(c[7] + canevas.TextWidth(" "), y, Dispositif.MatiereDioptre[ligne + 1]);
}

// The lens table from OrdonneeCourante. A table taller than what is left of the page goes on between two rows onto
// continuation pages, each with the column header again.
void ImprimeTableDispositif(IImprimante& imprimante)
{
    ICanevas& canevas = imprimante.Canevas();
    const int s = ImpressionEtat.PasLigneTableauImprime;
    const int cadres = Dispositif.NombreDioptres;
    int imprimees = cadres;
    {
        const TTableEditee tableEditee = Edition.TableEditee;
        Edition.TableEditee = TTableEditee::Dispositif;
        if (imprimees > 0 && EstLigneVide(imprimees))
            --imprimees;
        Edition.TableEditee = tableEditee;
    }
    PoliceImpression(canevas, 9, false);
    const TColonnes colonnes = MesureColonnes(canevas);
    const int epaisseurStylo = canevas.Stylo().Epaisseur;

    int premiere = 1;
    for (;;)
    {
        const int y0 = MiseEnPage.OrdonneeCourante;
        const int yr0 = y0 + 11 * s / 10;
        int lignes = cadres - premiere + 1;
        while (lignes > 1 && yr0 + (lignes + 1) * s > imprimante.HauteurPage())
            --lignes;
        const int yr = ImprimeEnteteTable(canevas, colonnes, y0, lignes);
        for (int k = 1; k <= lignes; ++k)
        {
            const int i = premiere + k - 1;
            if (i <= imprimees)
                ImprimeLigneTable(canevas, colonnes, i, yr + k * s + epaisseurStylo);
            canevas.MoveTo(colonnes.Bords[0], yr + (k + 1) * s);
            canevas.LineTo(colonnes.Bords[8], yr + (k + 1) * s);
        }
        premiere += lignes;
        if (premiere > cadres || lignes < 1)
        {
            MiseEnPage.OrdonneeCourante = yr + lignes * s;
            return;
        }
        NouvellePageSuite(imprimante);
    }
}

} // namespace

void BlocImprime(IImprimante& imprimante, int hauteur)
{
    ImpressionEtat.HauteurRestantePage = imprimante.HauteurPage() - MiseEnPage.OrdonneeCourante;
    if (ImpressionEtat.HauteurRestantePage < hauteur)
        NouvellePageSuite(imprimante);
}

void ImprimeTableau(IImprimante& imprimante)
{
    ICanevas& canevas = imprimante.Canevas();
    const int largeurPage = imprimante.LargeurPage();
    VerifieInstrument();
    VerifieDispositif();

    canevas.Pinceau() = TPinceau{};
    canevas.Stylo().Couleur = clBlack;
    TPolice& police = canevas.Police();
    police.Nom = "Arial";
    police.FixeHauteur(20 * imprimante.Resolution() / 72);
    police.Gras = true;
    police.Couleur = clBlack;

    const std::string version = VersionProgramme();
    const std::string nom = NomFichierSansExtension(DocumentFiche.NomEnregistrement);
    const bool sansFichier = nom.empty();
    std::string titre = sansFichier ? "Quivane V " + version : "Simulation optique de : " + nom;
    ImpressionEtat.MargeImpression = canevas.TextHeight(titre) / 2;
    const int marge = ImpressionEtat.MargeImpression;
    ImpressionEtat.LargeurImprimable = largeurPage - 2 * marge;
    ImpressionEtat.PasLigneImpression = ImpressionEtat.LargeurImprimable * 16 / 762;
    ImpressionEtat.PasLigneTableauImprime = ImpressionEtat.PasLigneImpression * 10 / 10;
    const int pas = ImpressionEtat.PasLigneImpression;

    int xTitre = marge;
    if (canevas.TextWidth(titre) <= largeurPage)
    {
        xTitre = (largeurPage - canevas.TextWidth(titre)) / 2;
    }
    else if (!sansFichier)
    {
        titre = nom;
        if (canevas.TextWidth(titre) <= largeurPage)
            xTitre = (largeurPage - canevas.TextWidth(titre)) / 2;
    }
    MiseEnPage.OrdonneeCourante = marge;
    canevas.TextOut(xTitre, MiseEnPage.OrdonneeCourante, titre);

    const std::string date = DocumentFiche.DateDuJour;
    MiseEnPage.OrdonneeCourante += canevas.TextHeight(date);
    PoliceImpression(canevas, 8, false);
    if (sansFichier)
        canevas.TextOut(largeurPage - canevas.TextWidth(date) - marge,
                        MiseEnPage.OrdonneeCourante - canevas.TextHeight(date), date);
    TexteEntre(canevas, MiseEnPage.OrdonneeCourante, 0, largeurPage,
               "Imprimé avec le logiciel Quivane V " + version + " le " + date);
    MiseEnPage.OrdonneeCourante += 2 * pas;
    MiseEnPage.AbscisseCourante = marge;
    PoliceImpression(canevas, 9, false);

    ImprimeBlocInstrument(canevas);

    if (Validite.DispositifPresent)
    {
        ImpressionEtat.HauteurBlocImprime =
            Edition.DispositifDeveloppe ? pas * (Dispositif.NombreDioptres + 4) : 2 * pas;
        BlocImprime(imprimante, ImpressionEtat.HauteurBlocImprime);
        MiseEnPage.OrdonneeCourante += pas;
        PoliceImpression(canevas, 9, true);
        const std::string entete = "Dispositif Dioptrique";
        canevas.TextOut(marge, MiseEnPage.OrdonneeCourante, entete);
        const int fin = marge + canevas.TextWidth(entete);
        PoliceImpression(canevas, 9, false);
        canevas.TextOut(fin + (largeurPage - fin - canevas.TextWidth(Dispositif.TitreDispositif)) / 2,
                        MiseEnPage.OrdonneeCourante, Dispositif.TitreDispositif);
        if (Edition.DispositifDeveloppe)
        {
            MiseEnPage.OrdonneeCourante += pas;
            ImprimeTableDispositif(imprimante);
        }
    }
    MiseEnPage.OrdonneeCourante += pas;
    MiseEnPage.AbscisseCourante = marge;
}

void ImprimeParametresLame(ICanevas& c)
{
    const int y = MiseEnPage.OrdonneeCourante;
    const int s = ImpressionEtat.PasLigneImpression;
    const int marge = ImpressionEtat.MargeImpression;
    const int xL = MiseEnPage.AbscisseCourante;
    const int xR = c.Largeur() - marge;
    PoliceImpression(c, 9, false);
    const int wm = c.TextWidth("123456789012345678901234567890123");
    const int wc = c.TextWidth("1.123456 mmm");
    const int xi = xR - wm - 3 * wc;
    MiseEnPage.AbscisseFinElement = xi;

    c.Rectangle(xL, y, xR, y + 4 * s);
    c.Rectangle(xR - wm, y, xR, y + 4 * s);
    c.Rectangle(xi + wc, y, xi + 2 * wc, y + 4 * s);
    c.Rectangle(xi, y, xi + wc, y + 4 * s);
    c.MoveTo(xi, y + 5 * s / 2);
    c.LineTo(xR, y + 5 * s / 2);

    PoliceImpression(c, 11, false);
    TexteEntre(c, y + s / 2, xL, xi, "Lame Correctrice");
    PoliceImpression(c, 9, false);
    const TTypeInstrument forme = Instrument.TypeInstrument;
    if (forme == TTypeInstrument::Schmidt || forme == TTypeInstrument::SchmidtCassegrain ||
        forme == TTypeInstrument::SchmidtNewton)
    {
        static const char* const Profils[] = {"Aucune lame correctrice", "Avec profil de Schmidt sur la face avant",
                                              "Avec profil de Schmidt sur la face arrière",
                                              "Avec profil de Schmidt réparti sur les deux faces"};
        if (Instrument.ProfilLame <= ProfilPartage)
            TexteEntre(c, y + 2 * s, xL, xi, Profils[Instrument.ProfilLame]);
    }

    TexteEntre(c, y + 2 * s / 3, xR - wm, xR, "Matière");
    const int decalageLambda = c.TextWidth("l");
    const std::array<const char*, 3> titres = {"N rouge", "N vert", "N bleu"};
    const std::array<TLongueurOnde, 3> lignes = {LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte,
                                                 LongueursOnde.LongueurOndeBleue};
    const std::array<float, 3> indices = {Groupe.IndiceRougeGroupe[1], Groupe.IndiceVertGroupe[1],
                                          Groupe.IndiceBleuGroupe[1]};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int gauche = xi + static_cast<int>(k) * wc;
        TexteEntre(c, y + 3 * s / 10, gauche, gauche + wc, titres[k]);
        ImprimeLongueurOnde(c, gauche + decalageLambda, y + 13 * s / 10, lignes[k]);
        // A glass without an index still prints its value, so that the row shows what is missing.
        TexteEntre(c, y + 28 * s / 10, gauche, gauche + wc, FormateNombre(indices[k], "#0.000000"));
    }
    c.TextOut(xi + 3 * wc + c.TextWidth("M"), y + 28 * s / 10, Groupe.MatiereGroupe[1]);

    if (forme == TTypeInstrument::Maksutov || forme == TTypeInstrument::MaksutovNewton ||
        forme == TTypeInstrument::MaksutovCassegrain)
    {
        MiseEnPage.OrdonneeCourante += 2 * s;
        const int yM = MiseEnPage.OrdonneeCourante;
        const std::string d = "D = " +
                              (Instrument.DiametreMenisque == 0 ? std::string(3, ' ')
                                                                : FormateNombre(Instrument.DiametreMenisque, "#0.#")) +
                              " mm";
        const int xD = marge + c.TextWidth("l");
        c.TextOut(xD, yM, d);
        const std::string t2 = "R2 = " + FormateNombre(Instrument.RayonMenisque2, "#0.#") + " mm";
        const int x2 = xi - c.TextWidth(t2 + "l");
        c.TextOut(x2, yM, t2);
        const std::string t1 = "R1 = " + FormateNombre(Instrument.RayonMenisque1, "#0.#") + " mm";
        TexteEntre(c, yM, xD + c.TextWidth(d), x2, t1);
        MiseEnPage.OrdonneeCourante += 22 * s / 10;
    }
    else
    {
        MiseEnPage.OrdonneeCourante += 42 * s / 10;
    }
    MiseEnPage.AbscisseCourante = marge;
}

// The Houghton corrector's table on the sheet and on paper.
#include "sheet/TableauHoughton.h"

#include "optics/Modele.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>

const TPresentationGroupe PresentationHoughton{"Correcteur de Houghton", 2, true, "Diaph.", "Diaphragme"};

void DessineGroupeHoughton()
{
    MiseEnPage.OrdonneeCourante += 16;
    const int lignes = MiseEnPage.NombreLignesHoughton;
    PlaceTableauGroupe(MiseEnPage.OrdonneeCourante + 2, lignes);
    MiseEnPage.OrdonneeDispositif =
        Controles.TableauKlevtsov.Height + MiseEnPage.CaseValeur[CaseEpaisseurSecondaire].Bottom + 16;
    DessineTableauGroupe(PresentationHoughton, lignes);
}

void ImprimeGroupeHoughton(ICanevas& c)
{
    const int s = ImpressionEtat.PasLigneImpression;
    ImpressionEtat.PasLigneTableauImprime = s * 10 / 10;
    const int t = ImpressionEtat.PasLigneTableauImprime;
    const int y0 = MiseEnPage.OrdonneeCourante;
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);

    const TColonnesGroupe colonnes = MesureColonnesGroupe(c);
    const auto& x = colonnes.Bords;
    const int yh = ImprimeEnteteGroupe(c, colonnes, y0, PresentationHoughton.Titre, 13);
    const int yr = y0 + 15 * s / 10;
    const int ye = yh + n * t + 2 * s / 10;
    const auto verticale = [&](int abscisse, int haut, int bas) {
        c.MoveTo(abscisse, haut);
        c.LineTo(abscisse, bas);
    };
    for (std::size_t k = 0; k <= 4; ++k)
        verticale(x[k], yr, ye);
    for (std::size_t k = 5; k <= 7; ++k)
        verticale(x[k], yr - t, ye);
    verticale(x[8], yr - t, yh + n * t);
    c.MoveTo(x[0], ye);
    c.LineTo(x[8], ye);

    const int b = yh - 90 * s / 100;
    MiseEnPage.OrdonneeCourante = b;
    const int stylo = c.Stylo().Epaisseur;
    for (int i = 1; i <= n; ++i)
        ImprimeLigneGroupe(c, colonnes, PresentationHoughton, i, b + i * t + (i > 1 ? stylo : 0));
}

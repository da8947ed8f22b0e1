// The star views on the main page and in the printed report.
#include "stars/PageEtoiles.h"

#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "stars/EtoileMultiple.h"
#include "stars/EtoileUnique.h"

namespace {

TPositionImpression PositionReport()
{
    return {ImpressionEtat.MargeImpression, MiseEnPage.AbscisseCourante, MiseEnPage.OrdonneeCourante,
            ImpressionEtat.EpaisseurTraitImpression, DocumentFiche.CheminDocument};
}

void RendPosition(const TPositionImpression& position)
{
    MiseEnPage.AbscisseCourante = position.AbscisseCourante;
    MiseEnPage.OrdonneeCourante = position.OrdonneeCourante;
}

} // namespace

void DessineEtoilesPage(bool unique, TFenetreEtoiles& fenetre)
{
    if (ImagesEtoiles.Dessin == nullptr)
        return;
    fenetre.Dessin = ImagesEtoiles.Dessin;
    fenetre.BoiteDistance = ImagesEtoiles.BoiteDistance;
    if (Controles.BoxDistance.Width > 0)
        fenetre.LargeurBoiteDistance = Controles.BoxDistance.Width;
    for (TControle* controle : {&Controles.BoxDistance, &Controles.BoutonRayons, &Controles.LabelDistanceAxe,
                                &Controles.LabelOcculte, &Controles.LabelUnites})
        controle->Visible = false;
    unique ? DessineEtoileUnique(fenetre) : DessineEtoileMultiple(fenetre);
    Controles.Dessin.Visible = fenetre.DessinVisible;
    Controles.Dessin.Top = Controles.Grille.Top + Controles.Grille.Height + 16;
    Controles.BoxDistance.Visible = fenetre.BoiteDistanceVisible;
    Controles.BoxDistance.Left = Controles.Dessin.Left + fenetre.BoiteDistanceGauche;
    Controles.BoxDistance.Top = Controles.Dessin.Top + 4;
}

void ImprimeEtoileMultiplePage(IImprimante& imprimante)
{
    TPositionImpression position = PositionReport();
    ImprimeEtoileMultiple(imprimante, position);
    RendPosition(position);
}

void ImprimeEtoileUniquePage(IImprimante& imprimante, bool transversales)
{
    TPositionImpression position = PositionReport();
    ImprimeEtoileUnique(imprimante, position, transversales);
    RendPosition(position);
}

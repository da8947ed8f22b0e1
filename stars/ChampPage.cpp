// The field-analysis view on the main page and in the printed report.
#include "stars/ChampPage.h"

#include "sheet/Fiche.h"
#include "stars/ImpressionChamp.h"
#include "stars/PageEtoiles.h"

void DessineChampPage(TFenetreChamp& fenetre)
{
    if (ImagesEtoiles.Dessin == nullptr)
        return;
    for (TControle* controle : {&Controles.BoxDistance, &Controles.BoutonRayons, &Controles.LabelDistanceAxe,
                                &Controles.LabelOcculte, &Controles.LabelUnites})
        controle->Visible = false;
    fenetre.Dessin = ImagesEtoiles.Dessin;
    fenetre.CourbeAffichee = CourbeMemoriseeAffichee;
    DessineAnalyseChamp(fenetre);
    if (fenetre.Depart)
        return;
    Controles.Dessin.Visible = true;
    Controles.Dessin.Top = Controles.Grille.Top + Controles.Grille.Height + 16;
}

void ImprimeChampPage(IImprimante& imprimante)
{
    ImprimeAnalyseChamp(imprimante, CourbeMemoriseeAffichee);
}

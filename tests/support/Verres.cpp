// A row of the lens device from a test glass.
#include "support/Verres.h"

#include "optics/Modele.h"

void LigneDispositif(int i, double rayon, double epaisseur, double diametre, const TVerre& verre)
{
    Dispositif.RayonDioptre[i] = rayon;
    Dispositif.EpaisseurDioptre[i] = epaisseur;
    Dispositif.DiametreDioptre[i] = diametre;
    Dispositif.IndiceRouge[i + 1] = verre.Rouge;
    Dispositif.IndiceVert[i + 1] = verre.Vert;
    Dispositif.IndiceBleu[i + 1] = verre.Bleu;
    Dispositif.MatiereDioptre[i + 1] = verre.Nom;
}

// The layout rules of the instrument blocks and the diffraction line.
#include "sheet/BlocInstrument.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "platform/Format.h"

void PoliceLigne(ICanevas& canevas, bool gras)
{
    TPolice& police = canevas.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-11);
    police.Gras = gras;
    police.Couleur = clBlack;
}

std::string TexteValeurCase(double valeur)
{
    return valeur == 0 ? std::string() : FormateNombre(valeur, "#0.#");
}

std::string TexteValeurImprimee(double valeur)
{
    return valeur <= 0.1 ? std::string(6, ' ') : FormateNombre(valeur, "#0.#");
}

std::string TexteLongueurInstrument(double longueur)
{
    return "Longueur de l'instrument = " + (longueur > 1000 ? FormateNombre(longueur / 1000, "0.000") + " m"
                                                            : FormateNombre(longueur, "0.0") + " mm");
}

const TCase& PeintCase(ICanevas& canevas, TNumeroCase numero, int gauche, int y, const std::string& valeur,
                       const std::string& echantillon)
{
    TCase& boite = MiseEnPage.CaseValeur[static_cast<std::size_t>(numero)];
    boite = {gauche, y - 2, gauche + canevas.TextWidth(echantillon) + 8, y + 16};
    canevas.Rectangle(boite.Left, boite.Top, boite.Right, boite.Bottom);
    canevas.TextOut(boite.Right - 4 - canevas.TextWidth(valeur), y, valeur);
    return boite;
}

namespace {

void PeintCaseEtUnite(ICanevas& canevas, int gaucheCase, int y, TNumeroCase numero, const std::string& valeur,
                      const std::string& echantillon, const std::string& unite)
{
    const TCase& boite = PeintCase(canevas, numero, gaucheCase, y, valeur, echantillon);
    if (unite.empty()) {
        MiseEnPage.AbscisseFinElement = boite.Right;
        return;
    }
    canevas.TextOut(boite.Right + 2, y, unite);
    MiseEnPage.AbscisseFinElement = boite.Right + 2 + canevas.TextWidth(unite);
}

} // namespace

void PeintElementGauche(ICanevas& canevas, int x, int y, const std::string& libelle, TNumeroCase numero,
                        const std::string& valeur, const std::string& echantillon, const std::string& unite)
{
    MiseEnPage.AbscisseCourante = x;
    canevas.TextOut(x, y, libelle);
    PeintCaseEtUnite(canevas, x + canevas.TextWidth(libelle), y, numero, valeur, echantillon, unite);
}

void PeintElementDroit(ICanevas& canevas, int y, const std::string& libelle, TNumeroCase numero,
                       const std::string& valeur, const std::string& echantillon, const std::string& unite)
{
    const int finUnite = Controles.LargeurFenetre - 20;
    const int xUnite = finUnite - canevas.TextWidth(unite);
    const int gaucheCase = xUnite - canevas.TextWidth(echantillon) - 8;
    const int xLibelle = gaucheCase - canevas.TextWidth(libelle) - 1;
    const int finGauche = MiseEnPage.AbscisseFinElement;
    canevas.TextOut(xLibelle, y, libelle);
    PeintCase(canevas, numero, gaucheCase, y, valeur, echantillon);
    if (!unite.empty())
        canevas.TextOut(xUnite, y, unite);
    MiseEnPage.AbscisseFinElement = finGauche;
    MiseEnPage.LargeurDisponible = xLibelle - finGauche;
}

void PeintElementMilieu(ICanevas& canevas, int y, const std::string& mesure, const std::string& libelle,
                        TNumeroCase numero, const std::string& valeur, const std::string& echantillon,
                        const std::string& unite)
{
    const int espace =
        MiseEnPage.LargeurDisponible - canevas.TextWidth(mesure) - canevas.TextWidth("10000.0") - 8;
    MiseEnPage.LargeurDisponible = espace;
    PeintElementGauche(canevas, MiseEnPage.AbscisseFinElement + espace / 2, y, libelle, numero, valeur, echantillon,
                       unite);
}

int PeintTexteDroit(ICanevas& canevas, int y, const std::string& texte)
{
    const int x = Controles.LargeurFenetre - 20 - canevas.TextWidth(texte);
    canevas.TextOut(x, y, texte);
    return x;
}

void PeintBasculeInstrument(ICanevas& canevas, bool developpe, int ye)
{
    const TCase& c = MiseEnPage.CaseBasculeInstrument;
    canevas.Rectangle(c.Left - 1, c.Top, c.Right + 1, c.Bottom);
    canevas.MoveTo(c.Left + 2, c.Top + 4);
    canevas.LineTo(c.Right - 2, c.Top + 4);
    if (!developpe) {
        canevas.MoveTo(10, c.Top + 2);
        canevas.LineTo(10, c.Top + 7);
        return;
    }
    canevas.MoveTo(10, c.Bottom);
    canevas.LineTo(10, ye);
    canevas.LineTo(c.Right, ye);
}

namespace {

// The two texts around the Greek letter lambda.
void PrepareTextesDiffraction(const std::string& suffixe)
{
    CalculeTacheDiffraction();
    MiseEnPage.TexteCourant = "Rayon de la tache de diffraction = " +
                              FormateNombre(Instrument.TacheDiffractionMicrons, "#0.00") + " µm = " +
                              FormateNombre(Instrument.TacheDiffractionSecondes, "#0.00") + "\" pour ";
    const float lambda = TableLongueursOnde[static_cast<std::size_t>(
        LongueursOnde.LongueurOndeVerte >= 1 && LongueursOnde.LongueurOndeVerte <= NombreLongueursOnde
            ? LongueursOnde.LongueurOndeVerte
            : 0)];
    MiseEnPage.TexteLongueurOnde =
        lambda > 1 ? " = " + FormateNombre(lambda, "#0.#") + " nm" + suffixe : " = 550 nm" + suffixe;
}

void PoliceSymbole(ICanevas& canevas, bool gras)
{
    TPolice& police = canevas.Police();
    police.Nom = "Symbol";
    police.Gras = gras;
    police.Couleur = clBlack;
}

} // namespace

void LigneDiffraction(ICanevas& canevas, int y, const std::string& suffixe)
{
    PrepareTextesDiffraction(suffixe);
    PoliceSymbole(canevas, true);
    canevas.Police().FixeHauteur(-11);
    int x = Controles.LargeurFenetre - 20 - canevas.TextWidth(MiseEnPage.TexteCourant) - canevas.TextWidth("l") -
            canevas.TextWidth(MiseEnPage.TexteLongueurOnde);
    PoliceLigne(canevas);
    canevas.TextOut(x, y, MiseEnPage.TexteCourant);
    x += canevas.TextWidth(MiseEnPage.TexteCourant);
    PoliceSymbole(canevas, false);
    canevas.Police().FixeHauteur(-13);
    canevas.TextOut(x, y - 3, "l");
    x += canevas.TextWidth("l");
    PoliceLigne(canevas);
    canevas.TextOut(x, y, MiseEnPage.TexteLongueurOnde);
}

void ImprimeLigneDiffraction(ICanevas& canevas, int y, const std::string& suffixe, int marge)
{
    PrepareTextesDiffraction(suffixe);
    const TPolice texte = canevas.Police();
    PoliceSymbole(canevas, false);
    canevas.Police().FixeTaille(11);
    const int largeurLambda = canevas.TextWidth("l");
    const int montee = canevas.TextHeight("l") / 4;
    canevas.Police() = texte;
    int x = canevas.Largeur() - marge - canevas.TextWidth(MiseEnPage.TexteCourant) -
            canevas.TextWidth(MiseEnPage.TexteLongueurOnde) - largeurLambda;
    canevas.TextOut(x, y, MiseEnPage.TexteCourant);
    x += canevas.TextWidth(MiseEnPage.TexteCourant);
    PoliceSymbole(canevas, false);
    canevas.Police().FixeTaille(11);
    canevas.TextOut(x, y - montee, "l");
    x += largeurLambda;
    canevas.Police() = texte;
    canevas.TextOut(x, y, MiseEnPage.TexteLongueurOnde);
}

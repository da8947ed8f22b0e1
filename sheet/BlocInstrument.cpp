// The layout rules of the instrument blocks and the diffraction line.
#include "sheet/BlocInstrument.h"

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "platform/Format.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

void PoliceLigne(ICanevas& canevas, bool gras)
{
    TPolice& police = canevas.Police();
    police.Nom = "Arial";
    police.FixeHauteur(-11);
    police.Gras = gras;
    police.Couleur = clBlack;
}

void EcritLambdaEgal(ICanevas& canevas, int x, int y)
{
    const TPolice police = canevas.Police();
    canevas.Police().Nom = "Symbol";
    canevas.TextOut(x, y, "l");
    const int apres = x + canevas.TextWidth("l");
    canevas.Police() = police;
    canevas.Police().Nom = "Arial";
    canevas.TextOut(apres, y, " =");
    canevas.Police() = police;
}

std::string TexteValeurCase(double valeur)
{
    return valeur == 0 ? std::string() : FormateNombre(valeur, "#0.#");
}

std::string TexteValeurImprimee(double valeur)
{
    return valeur <= 0.1 ? std::string(6, ' ') : FormateNombre(valeur, "#0.#");
}

std::string TexteImprime(const std::string& libelle, double valeur, int blancs)
{
    return libelle +
           (valeur == 0 ? std::string(static_cast<std::size_t>(blancs), ' ') : FormateNombre(valeur, "#0.#")) + " mm";
}

std::string TexteLongueurInstrument(double longueur)
{
    return "Longueur de l'instrument = " +
           (longueur > 1000 ? FormateNombre(longueur / 1000, "0.000") + " m" : FormateNombre(longueur, "0.0") + " mm");
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
    if (unite.empty())
    {
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
    const int espace = MiseEnPage.LargeurDisponible - canevas.TextWidth(mesure) - canevas.TextWidth("10000.0") - 8;
    MiseEnPage.LargeurDisponible = espace;
    PeintElementGauche(canevas, MiseEnPage.AbscisseFinElement + espace / 2, y, libelle, numero, valeur, echantillon,
                       unite);
}

int PeintNomInstrument(ICanevas& canevas, int y)
{
    PoliceLigne(canevas, true);
    canevas.TextOut(20, y, Instrument.NomInstrument);
    const int fin = 20 + canevas.TextWidth(Instrument.NomInstrument);
    PoliceLigne(canevas);
    return fin;
}

int PeintNomReplie(ICanevas& canevas, int y)
{
    PoliceLigne(canevas, true);
    canevas.TextOut(20, y, Instrument.NomInstrument);
    const int x = 20 + canevas.TextWidth(Instrument.NomInstrument) + canevas.TextWidth("vide");
    PoliceLigne(canevas);
    return x;
}

void PeintMiroirReplie(ICanevas& canevas, int y, int debut)
{
    const int gc = (Controles.LargeurFenetre - canevas.TextWidth("F/D = 00,00") - 20) - debut -
                   canevas.TextWidth("Diamètre miroir =  mm") - canevas.TextWidth("RdC miroir =  mm") -
                   canevas.TextWidth("10000.0") - 40;
    PeintElementGauche(canevas, debut + gc / 3, y, "Diamètre miroir = ", CaseDiametreMiroir,
                       TexteValeurCase(Instrument.DiametreMiroir), "10000.0", " mm");
    PeintElementGauche(canevas, MiseEnPage.AbscisseFinElement + gc / 3, y, "RdC miroir = ", CaseRayonCourburePrimaire,
                       TexteValeurCase(Instrument.RayonCourburePrimaire), "10000.0", "");
}

int PeintTexteDroit(ICanevas& canevas, int y, const std::string& texte)
{
    const int x = Controles.LargeurFenetre - 20 - canevas.TextWidth(texte);
    canevas.TextOut(x, y, texte);
    return x;
}

int ImprimeTexteADroite(ICanevas& canevas, int y, const std::string& texte)
{
    const int x = canevas.Largeur() - ImpressionEtat.MargeImpression - canevas.TextWidth(texte);
    canevas.TextOut(x, y, texte);
    return x;
}

void TexteEntre(ICanevas& canevas, int y, int gauche, int droite, const std::string& texte)
{
    canevas.TextOut(gauche + (droite - gauche - canevas.TextWidth(texte)) / 2, y, texte);
}

void PeintBasculeInstrument(ICanevas& canevas, bool developpe, int ye)
{
    const TCase& c = MiseEnPage.CaseBasculeInstrument;
    canevas.Rectangle(c.Left - 1, c.Top, c.Right + 1, c.Bottom);
    canevas.MoveTo(c.Left + 2, c.Top + 4);
    canevas.LineTo(c.Right - 2, c.Top + 4);
    if (!developpe)
    {
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
    MiseEnPage.TexteCourant =
        "Rayon de la tache de diffraction = " + FormateNombre(Instrument.TacheDiffractionMicrons, "#0.00") +
        " µm = " + FormateNombre(Instrument.TacheDiffractionSecondes, "#0.00") + "\" pour ";
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

// The lambda of the Airy line stands on the line, in the line's height: the Greek font's lambda, larger and raised,
// ran into the value boxes of the line above.
constexpr int HauteurLambda = -11;

int LigneDiffraction(ICanevas& canevas, int y, const std::string& suffixe)
{
    PrepareTextesDiffraction(suffixe);
    // Each piece is measured in the font it is painted in, so that the line ends 20 px before the edge.
    // Measured whole in Symbol, as the line once was, the Greek glyphs that stand for its Latin letters
    // here are far wider, and the line ran over the block's heading.
    PoliceSymbole(canevas, false);
    canevas.Police().FixeHauteur(HauteurLambda);
    const int largeurLambda = canevas.TextWidth("l");
    PoliceLigne(canevas);
    const int debut = Controles.LargeurFenetre - 20 - canevas.TextWidth(MiseEnPage.TexteCourant) - largeurLambda -
                      canevas.TextWidth(MiseEnPage.TexteLongueurOnde);
    int x = debut;
    canevas.TextOut(x, y, MiseEnPage.TexteCourant);
    x += canevas.TextWidth(MiseEnPage.TexteCourant);
    PoliceSymbole(canevas, false);
    canevas.Police().FixeHauteur(HauteurLambda);
    canevas.TextOut(x, y, "l");
    x += canevas.TextWidth("l");
    PoliceLigne(canevas);
    canevas.TextOut(x, y, MiseEnPage.TexteLongueurOnde);
    return debut;
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

namespace {

using TForme = TTypeInstrument;

bool EstForme(std::initializer_list<TForme> formes)
{
    for (TForme forme : formes)
        if (Instrument.TypeInstrument == forme)
            return true;
    return false;
}

bool MaksutovCassegrainCoche()
{
    return Instrument.TypeInstrument == TForme::MaksutovCassegrain && Instrument.SecondaireSurMenisque;
}

// The Maksutov-Cassegrain with its secondary on the meniscus shows its focal length once five values are given.
bool CinqValeursDonnees()
{
    return Instrument.DiametreEntree > 1 && Instrument.RayonCourburePrimaire > 1 && Instrument.RayonMenisque2 > 1 &&
           Instrument.DistanceLameMiroir > 1 && Instrument.FocaleResultante > 1;
}

std::string TexteFocaleResultante()
{
    return "Distance focale résultante = " + FormateNombre(Instrument.FocaleResultante, "#0.#") + " mm";
}

int BasConnecteurPrimaire()
{
    const int bas = MiseEnPage.CaseBasculeInstrument.Bottom;
    switch (Instrument.TypeInstrument)
    {
    case TForme::SchmidtCassegrain: return bas + 160;
    case TForme::MaksutovCassegrain: return Instrument.SecondaireSurMenisque ? bas + 146 : bas + 162;
    case TForme::KlevtsovCassegrain:
        return Groupe.NombreDioptresGroupe < 2 ? 211 : 195 + 16 * Groupe.NombreDioptresGroupe;
    case TForme::HoughtonCassegrain: return bas + 4 + 16 * (MiseEnPage.NombreLignesHoughton + 9);
    case TForme::Aucun:
    case TForme::Newton:
    case TForme::Cassegrain:
    case TForme::RitcheyChretien:
    case TForme::Gregory:
    case TForme::Schmidt:
    case TForme::Maksutov:
    case TForme::Lunette:
    case TForme::Schwarzschild:
    case TForme::MaksutovNewton:
    case TForme::DallKirkham:
    case TForme::LurieHoughton:
    case TForme::SchmidtNewton: break;
    }
    return bas + 92;
}

std::string LibelleDiametrePrimaire()
{
    if (EstForme({TForme::SchmidtCassegrain}))
        return "Diamètre de la lame = ";
    if (EstForme({TForme::MaksutovCassegrain, TForme::HoughtonCassegrain}))
        return "Diamètre d'entrée = ";
    if (EstForme({TForme::KlevtsovCassegrain}))
        return "Diamètre du miroir primaire sphérique = ";
    return "Diamètre du miroir primaire = ";
}

} // namespace

void DessineParametresPrimaire(ICanevas& c)
{
    PeintBasculeInstrument(c, true, BasConnecteurPrimaire());
    int y = MiseEnPage.OrdonneePremiereLigne;
    MiseEnPage.OrdonneeCourante = y;
    PoliceLigne(c, true);
    c.TextOut(20, y, Instrument.NomInstrument);
    MiseEnPage.AbscisseCourante = c.TextWidth(Instrument.NomInstrument) + 70;
    PoliceLigne(c);
    if (Instrument.TypeInstrument == TForme::MaksutovCassegrain)
    {
        Controles.CheckBox1.Left = MiseEnPage.AbscisseCourante;
        Controles.CheckBox1.Top = y;
        Controles.CheckBox1Active = Validite.InstrumentVierge;
        Controles.CheckBox1.Visible = Validite.InstrumentVierge || Instrument.SecondaireSurMenisque;
    }
    else
    {
        Controles.CheckBox1.Visible = false;
    }

    y += 16;
    MiseEnPage.OrdonneeCourante = y;
    PeintElementGauche(c, 20, y, LibelleDiametrePrimaire(), CaseDiametreEntree,
                       TexteValeurCase(Instrument.DiametreEntree), "10000.0", " mm");
    const std::string rayon = "Rayon de courbure du miroir primaire = ";
    if (Instrument.TypeInstrument == TForme::KlevtsovCassegrain)
    {
        PeintElementDroit(c, y, rayon, CaseRayonCourburePrimaire, TexteValeurCase(Instrument.RayonCourburePrimaire),
                          "10000.0", " mm");
        if (Validite.InstrumentValide && Instrument.DiametreEntree > 1 && Instrument.RayonCourburePrimaire > 1 &&
            (Validite.DispositifValide || !Validite.DispositifPresent))
        {
            const std::string texte = TexteFocaleResultante();
            c.TextOut(MiseEnPage.AbscisseFinElement + (MiseEnPage.LargeurDisponible - c.TextWidth(texte)) / 2, y,
                      texte);
        }
        return;
    }
    if (MaksutovCassegrainCoche())
    {
        const std::string texte = TexteFocaleResultante();
        const int x = Controles.LargeurFenetre - 20 - c.TextWidth(texte);
        if (CinqValeursDonnees())
            c.TextOut(x, y, texte);
        MiseEnPage.LargeurDisponible = x - MiseEnPage.AbscisseFinElement;
    }
    else
    {
        PeintElementDroit(c, y, "Distance focale résultante = ", CaseFocaleResultante,
                          TexteValeurCase(Instrument.FocaleResultante), "10000.0", " mm");
    }
    if (EstForme({TForme::SchmidtCassegrain, TForme::MaksutovCassegrain, TForme::HoughtonCassegrain}))
        PeintElementMilieu(c, y, "Rayon de courbure du miroir primaire = mm", rayon, CaseRayonCourburePrimaire,
                           TexteValeurCase(Instrument.RayonCourburePrimaire), "10000.0", " mm");
    else
        PeintElementMilieu(c, y, "Distance Focale du miroir primaire = mm",
                           "Distance Focale du miroir primaire = ", CaseFocalePrimaire,
                           TexteValeurCase(Instrument.FocalePrimaire), "10000.0", " mm");
}

namespace {

// A length of the refractor's line: rounded to 0.1 mm, in the shortest form.
std::string DixiemeCourt(double valeur)
{
    return FormateGeneral(std::nearbyint(valeur * 10) / 10);
}

} // namespace

void DessineEnteteInstrument(ICanevas& c)
{
    for (TControle* controle :
         {&Controles.TableauSchmidt, &Controles.BoutonLame, &Controles.BoutonChampCourbe, &Controles.CheckBox1,
          &Controles.LigneMiroir, &Controles.LigneMiroirActive, &Controles.CaseZf, &Controles.CaseArl})
        controle->Visible = false;
    PeintBasculeInstrument(c, false, 0);
    const int y = MiseEnPage.OrdonneePremiereLigne;
    MiseEnPage.OrdonneeCourante = y;
    PoliceLigne(c, true);

    if (Instrument.TypeInstrument == TForme::Lunette)
    {
        // The ratio divides by the objective's own diameter, so that diameter is the one that must be known.
        if (Instrument.DiametreObjectif > 1)
        {
            std::string texte =
                Instrument.NomInstrument + " : D = " + DixiemeCourt(Instrument.DiametreObjectif) + " mm";
            if (Instrument.FocalePrimaire > 1)
                texte += " : F = " + DixiemeCourt(Instrument.FocalePrimaire) + " mm : F/D = " +
                         FormateNombre(Instrument.FocalePrimaire / Instrument.DiametreObjectif, "#0.00");
            c.TextOut(20, y, texte);
        }
        PoliceLigne(c);
        return;
    }

    const int x = PeintNomReplie(c, y);
    const std::string libelle = EstForme({TForme::MaksutovCassegrain})   ? "Diamètre de l'ouverture = "
                                : EstForme({TForme::HoughtonCassegrain}) ? "Diamètre d'entrée = "
                                                                         : "Diamètre du miroir primaire = ";
    PeintElementGauche(c, x, y, libelle, CaseDiametreEntree, TexteValeurCase(Instrument.DiametreEntree), "10000.0",
                       " mm");

    if (MaksutovCassegrainCoche())
    {
        if (CinqValeursDonnees())
            PeintTexteDroit(c, y, TexteFocaleResultante());
    }
    else if (Instrument.TypeInstrument == TForme::MaksutovCassegrain)
    {
        PeintElementDroit(c, y, "Distance focale résultante = ", CaseFocaleResultante,
                          TexteValeurCase(Instrument.FocaleResultante), "10000.0", " mm");
    }
    else if (Instrument.TypeInstrument == TForme::KlevtsovCassegrain)
    {
        Controles.EpaisseurOff.Visible = false;
        if (Validite.InstrumentValide)
            PeintTexteDroit(c, y, TexteFocaleResultante());
    }
    else
    {
        if (Instrument.DiametreEntree > 1 && Instrument.FocaleResultante > 1)
            MiseEnPage.LargeurDisponible =
                PeintTexteDroit(
                    c, y, "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00")) -
                MiseEnPage.AbscisseFinElement;
        else
            MiseEnPage.LargeurDisponible = Controles.LargeurFenetre - MiseEnPage.AbscisseFinElement;
        PeintElementMilieu(c, y, "Distance Focale =  mm", "Distance focale résultante = ", CaseFocaleResultante,
                           TexteValeurCase(Instrument.FocaleResultante), "10000.0", " mm");
    }
    MiseEnPage.OrdonneeDispositif = y + 32;
}

namespace {

int MargeImprimee()
{
    return ImpressionEtat.MargeImpression;
}

void PoliceImprimee(ICanevas& c, bool gras)
{
    TPolice& police = c.Police();
    police.Nom = "Arial";
    police.FixeTaille(9);
    police.Gras = gras;
    police.Couleur = clBlack;
}

} // namespace

void ImprimeParametresPrimaire(ICanevas& c)
{
    const int marge = MargeImprimee();
    const int largeur = c.Largeur();
    int y = MiseEnPage.OrdonneeCourante;
    PoliceImprimee(c, true);
    c.TextOut(marge, y, Instrument.NomInstrument);
    MiseEnPage.AbscisseCourante = marge + c.TextWidth(Instrument.NomInstrument);
    PoliceImprimee(c, false);
    if (Instrument.LongueurInstrument > 1 && Instrument.EpaisseurPrimaire > 1e-6)
        MiseEnPage.AbscisseFinElement =
            ImprimeTexteADroite(c, y, TexteLongueurInstrument(Instrument.LongueurInstrument));
    else
        MiseEnPage.AbscisseFinElement = largeur - marge;
    if (MaksutovCassegrainCoche())
        c.TextOut(MiseEnPage.AbscisseCourante, y, " avec Secondaire métallisé sur la lame");

    y += ImpressionEtat.PasLigneImpression;
    MiseEnPage.OrdonneeCourante = y;
    const std::string libelle = EstForme({TForme::SchmidtCassegrain})    ? "Diamètre de la lame = "
                                : EstForme({TForme::MaksutovCassegrain}) ? "Diamètre d'entrée = "
                                : EstForme({TForme::KlevtsovCassegrain}) ? "Diamètre du primaire sphérique = "
                                                                         : "Diamètre du miroir primaire = ";
    const std::string diametre = libelle + TexteValeurImprimee(Instrument.DiametreEntree) + " mm";
    c.TextOut(marge, y, diametre);
    MiseEnPage.AbscisseCourante = marge + c.TextWidth(diametre);

    const std::string rayon = FormateNombre(Instrument.RayonCourburePrimaire, "#0.#");
    int xDroite = largeur - marge;
    if (Instrument.TypeInstrument == TForme::KlevtsovCassegrain)
    {
        xDroite = ImprimeTexteADroite(c, y, "Rayon de courbure du primaire = " + rayon + " mm");
        if (Validite.InstrumentValide && Instrument.DiametreEntree > 1 && Instrument.RayonCourburePrimaire > 1 &&
            (Validite.DispositifValide || !Validite.DispositifPresent))
        {
            const std::string texte = TexteFocaleResultante();
            c.TextOut(MiseEnPage.AbscisseCourante + (xDroite - MiseEnPage.AbscisseCourante - c.TextWidth(texte)) / 2, y,
                      texte);
        }
        MiseEnPage.LargeurDisponible = xDroite - MiseEnPage.AbscisseCourante;
        return;
    }
    if (!MaksutovCassegrainCoche() || CinqValeursDonnees())
        xDroite = ImprimeTexteADroite(c, y, TexteFocaleResultante());
    MiseEnPage.LargeurDisponible = xDroite - MiseEnPage.AbscisseCourante;
    const std::string milieu =
        EstForme({TForme::SchmidtCassegrain, TForme::MaksutovCassegrain})
            ? "Rayon de courbure du miroir primaire = " + rayon + " mm"
            : "Distance Focale du miroir primaire = " + FormateNombre(Instrument.FocalePrimaire, "#0.#") + " mm";
    c.TextOut(MiseEnPage.AbscisseCourante + (MiseEnPage.LargeurDisponible - c.TextWidth(milieu)) / 2, y, milieu);
}

void ImprimeEnteteInstrument(ICanevas& c)
{
    const int marge = MargeImprimee();
    const int largeur = c.Largeur();
    const int y = MiseEnPage.OrdonneeCourante;
    PoliceImprimee(c, true);
    c.TextOut(MiseEnPage.AbscisseCourante, y, Instrument.NomInstrument);
    MiseEnPage.AbscisseCourante = c.TextWidth(Instrument.NomInstrument) + marge + c.TextWidth("vide");
    if (Instrument.TypeInstrument == TForme::KlevtsovCassegrain)
        MiseEnPage.AbscisseCourante += c.TextWidth("vide");
    PoliceImprimee(c, false);
    const std::string libelle = Instrument.TypeInstrument == TForme::MaksutovCassegrain
                                    ? "Diamètre de l'ouverture = "
                                    : "Diamètre du miroir primaire = ";
    const std::string diametre = libelle + FormateNombre(Instrument.DiametreEntree, "#0.#") + " mm";
    c.TextOut(MiseEnPage.AbscisseCourante, y, diametre);
    MiseEnPage.AbscisseCourante += c.TextWidth(diametre);

    if (MaksutovCassegrainCoche())
    {
        if (CinqValeursDonnees())
            ImprimeTexteADroite(c, y, TexteFocaleResultante());
        return;
    }
    if (Instrument.TypeInstrument == TForme::MaksutovCassegrain)
    {
        if (Instrument.FocaleResultante > 1)
            ImprimeTexteADroite(c, y, TexteFocaleResultante());
        return;
    }
    if (Instrument.TypeInstrument == TForme::KlevtsovCassegrain)
    {
        if (Validite.InstrumentValide)
            ImprimeTexteADroite(c, y, TexteFocaleResultante());
        return;
    }
    // The ratio divides the resulting focal length by the diameter: both must be known.
    if (Instrument.DiametreEntree > 1 && Instrument.FocaleResultante > 1)
        MiseEnPage.LargeurDisponible =
            ImprimeTexteADroite(
                c, y, "F/D = " + FormateNombre(Instrument.FocaleResultante / Instrument.DiametreEntree, "#0.00")) -
            MiseEnPage.AbscisseCourante;
    else
        MiseEnPage.LargeurDisponible = largeur - MiseEnPage.AbscisseCourante;
    const std::string focale = TexteFocaleResultante();
    MiseEnPage.AbscisseCourante += (MiseEnPage.LargeurDisponible - c.TextWidth(focale)) / 2;
    c.TextOut(MiseEnPage.AbscisseCourante, y, focale);
}

// A valid design of each form, entered field by field, and the reset of the whole state.
#include "support/Formes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "optics/DefautsTypes.h"
#include "optics/Diffraction.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/Notifications.h"
#include "optics/PrepareForme.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "support/Verres.h"

namespace {

// Row i of the lens group; the glass is the medium behind the surface.
void LigneGroupe(int i, double rayon, double epaisseur, double diametre, const TVerre& verre)
{
    Groupe.RayonGroupe[i] = rayon;
    Groupe.EpaisseurGroupe[i] = epaisseur;
    Groupe.DiametreGroupe[i] = diametre;
    Groupe.IndiceRougeGroupe[i] = verre.Rouge;
    Groupe.IndiceVertGroupe[i] = verre.Vert;
    Groupe.IndiceBleuGroupe[i] = verre.Bleu;
    Groupe.MatiereGroupe[i] = verre.Nom;
}

void PrimaireParFocale(double focale)
{
    Instrument.FocalePrimaire = focale;
    Instrument.RayonCourburePrimaire = 2 * focale;
    Instrument.RayonPrimaireCube = std::pow(2 * focale, 3);
    Instrument.RayonPrimairePuissance5 = std::pow(2 * focale, 5);
}

void PrimaireParRayon(double rayon, double focale)
{
    Instrument.RayonCourburePrimaire = rayon;
    Instrument.RayonPrimaireCube = std::pow(rayon, 3);
    Instrument.RayonPrimairePuissance5 = std::pow(rayon, 5);
    Instrument.FocalePrimaire = focale;
}

// D 200, F1 1000, F 4000, B 200; the secondary wide enough for the beam at its distance.
void DeuxMiroirs(double distanceSecondaire, float diametreSecondaire)
{
    Instrument.DiametreEntree = 200;
    PrimaireParFocale(1000);
    Instrument.FocaleResultante = 4000;
    Instrument.DegagementFoyer = 200;
    Instrument.DiametreSecondaire = diametreSecondaire;
    Instrument.DistanceSecondaireFoyer = distanceSecondaire;
}

// Schmidt plate of BK7, 10 mm thick, profile on its front face, k 1.5, before a mirror R 2001.9
// (F1 1000 for D 200).
void Schmidt(double diametreMiroir)
{
    Instrument.DiametreEntree = 200;
    Instrument.DiametreMiroir = diametreMiroir;
    PrimaireParRayon(2001.9, 1000);
    Instrument.FocaleResultante = 1000;
    Instrument.EpaisseurLame = 10;
    Instrument.ProfilLame = ProfilAvant;
    Instrument.CoefficientK = 1.5;
}

void Menisque(double rayon1, double rayon2, double epaisseur, double diametre)
{
    Instrument.RayonMenisque1 = rayon1;
    Instrument.RayonMenisque2 = rayon2;
    Instrument.EpaisseurLame = epaisseur;
    Instrument.DiametreMenisque = diametre;
    LigneGroupe(1, -rayon1, epaisseur, diametre, BK7);
    Groupe.RayonGroupe[2] = -rayon2;
    Groupe.DiametreGroupe[2] = diametre;
}

// Two BK7 lenses of 200 mm, the last surface 600 mm before the primary.
void CorrecteurHoughton()
{
    Groupe.NombreDioptresGroupe = 4;
    LigneGroupe(1, 1500, 10, 200, BK7);
    LigneGroupe(2, -1500, 2, 200, Air);
    LigneGroupe(3, -1500, 10, 200, BK7);
    LigneGroupe(4, 1500, 600, 200, Air);
}

} // namespace

void ReinitialiseEtat()
{
    // The design starts over without a word to the window; the hooks the test installed stay.
    const TNotifications installees = Notifications;
    Notifications = NotificationsMuettes;
    Instrument = TInstrument{};
    Groupe = TDioptreGroupe{};
    Dispositif = TDioptre{};
    LongueursOnde = TLongueursOnde{};
    Reglages = TReglages{};
    Edition = TEtatEdition{};
    Validite = TValidite{};
    Systeme = TSysteme{};
    Rayon = TRayon{};
    InitialiseInstrument();
    InitialiseDispositif();
    InitialiseLongueursOnde();
    Notifications = installees;
}

void ConstruitFormeValide(TTypeInstrument forme)
{
    ReinitialiseEtat();
    AppliqueDefautsType(forme);
    TInstrument& I = Instrument;

    switch (forme)
    {
    case TTypeInstrument::Aucun: break;

    case TTypeInstrument::Newton:
        I.DiametreEntree = 200;
        PrimaireParFocale(1000);
        I.DiametreSecondaire = 50;
        I.DistanceSecondaireFoyer = 150;
        I.DistanceEntreMiroirs = 1000 - 150; // as the entry of the distance stores it: the flat's plane
        break;

    case TTypeInstrument::Cassegrain:
        DeuxMiroirs(240, 60); // p = (F1 + B) / (m + 1), beam 48 mm there
        break;

    case TTypeInstrument::RitcheyChretien:
        DeuxMiroirs(240, 60);
        // The aplanatic pair of this geometry, entered as typed values.
        I.CoefficientDeformationPrimaire = -1.0394737;
        I.CoefficientDeformationSecondaire = -3.1676413;
        break;

    case TTypeInstrument::Gregory:
        DeuxMiroirs(400, 90); // p = (F1 + B) / (m - 1), beam 80 mm there
        // The converging beam is 10 mm wide where it crosses the primary, 200 mm before the focus: the hole
        // passes it with the field, and stays in the secondary's shadow.
        I.DiametreTrouCentral = 40;
        break;

    case TTypeInstrument::DallKirkham: DeuxMiroirs(240, 60); break;

    case TTypeInstrument::Schwarzschild:
        I.DiametreEntree = 200;
        PrimaireParFocale(2500); // the aplanatic pair of this form has F1 = 2.5 F
        I.FocaleResultante = 1000;
        I.DiametreSecondaire = 101; // the formula asks 0.505 D
        I.DistanceSecondaireFoyer = 500;
        break;

    case TTypeInstrument::Schmidt:
        Schmidt(300);
        I.DistanceLameMiroir = static_cast<float>(2001.9 - 10.0 / 5); // front profile: R1 - t/5
        break;

    case TTypeInstrument::SchmidtNewton:
        Schmidt(250);
        I.DistanceLameMiroir = 950;
        I.DiametreSecondaire = 50;
        I.DistanceSecondaireFoyer = 150;
        break;

    case TTypeInstrument::SchmidtCassegrain:
        // Plate 300 mm before a mirror of F1 400, secondary on the plate 100 mm inside the primary
        // focus: m 5, F 2000, back focus 200.
        I.DiametreEntree = 200;
        PrimaireParRayon(800, 400);
        I.FocaleResultante = 2000;
        I.DegagementFoyer = 200;
        I.EpaisseurLame = 5;
        I.ProfilLame = ProfilAvant;
        I.DistanceLameMiroir = 300;
        I.DiametreSecondaire = 70;
        I.DistanceSecondaireFoyer = 100;
        break;

    case TTypeInstrument::Maksutov:
        // The mirror wider than the beam the meniscus spreads, by as much again as the field moves it.
        I.DiametreEntree = 100;
        I.DiametreMiroir = 140;
        PrimaireParRayon(1000, 0);
        Menisque(150, 160, 10, 100);
        I.DistanceLameMiroir = 600;
        I.DistanceDiaphragmeMiroir = 600;
        break;

    case TTypeInstrument::MaksutovNewton:
        I.DiametreEntree = 150;
        I.DiametreMiroir = 160;
        PrimaireParRayon(1200, 0);
        Menisque(250, 262, 12, 150);
        I.DistanceLameMiroir = 700;
        I.DistanceDiaphragmeMiroir = 700;
        I.DiametreSecondaire = 40;
        I.DistanceSecondaireFoyer = 120;
        break;

    case TTypeInstrument::MaksutovCassegrain:
        // Secondary aluminised on the meniscus (the reset's choice).
        I.DiametreEntree = 100;
        I.DiametreMiroir = 110;
        PrimaireParRayon(2000, 1000);
        Menisque(620, 600, 10, 100);
        I.DistanceLameMiroir = 800;
        I.DiametreSecondaire = 30;
        I.DiametreTrouCentral = 30;
        break;

    case TTypeInstrument::Lunette:
        // Cemented doublet of 100 mm, BK7 then F2, air behind.
        Groupe.NombreDioptresGroupe = 3;
        LigneGroupe(1, 600, 8, 100, BK7);
        LigneGroupe(2, -450, 4, 100, F2);
        LigneGroupe(3, -1600, 0, 100, Air);
        I.DiametreEntree = 100;
        break;

    case TTypeInstrument::KlevtsovCassegrain:
        // The group 300 mm inside the primary's focus, where the beam is 75 mm wide; its mirror sends the focus
        // about 200 mm behind the primary (F about 1930).
        I.DiametreEntree = 200;
        PrimaireParRayon(1600, 800);
        I.DistanceDiaphragmeMiroir = 500;
        I.DiametreSecondaire = 80;
        I.RayonCourbureSecondaire = 1120;
        I.DiametreTrouCentral = 60;
        Groupe.NombreDioptresGroupe = 2;
        LigneGroupe(1, -300, 5, 80, BK7);
        LigneGroupe(2, -320, 5, 80, Air);
        break;

    case TTypeInstrument::LurieHoughton:
        // The flat 250 mm from the focus, between the primary and the corrector 600 mm before it.
        I.DiametreEntree = 200;
        I.DiametreMiroir = 220;
        PrimaireParRayon(1600, 800);
        I.DiametreSecondaire = 70;
        I.DistanceSecondaireFoyer = 250;
        CorrecteurHoughton();
        break;

    case TTypeInstrument::HoughtonCassegrain:
        I.DiametreEntree = 200;
        PrimaireParRayon(1600, 800);
        I.FocaleResultante = 4000;
        I.DegagementFoyer = 200;
        I.DiametreTrouCentral = 60;
        I.DiametreSecondaire = 70;
        I.DistanceSecondaireFoyer = 200;
        CorrecteurHoughton();
        // m 5 puts the secondary 633 mm before the primary: the corrector stands in front of it.
        Groupe.EpaisseurGroupe[4] = 700;
        break;
    }

    AppliqueIndices();
    VerifieValidite();
}

void RederiveForme()
{
    TInstrument& I = Instrument;
    if (I.TypeInstrument == TTypeInstrument::Schmidt)
        CalculeFocaleSchmidt();
    VerifieValidite();
    I.CarreRayonPupille = I.DiametreEntree * I.DiametreEntree / 4;
    const double secondaire = I.DiametreSecondaire;
    I.RayonObstructionCarre = secondaire * secondaire / 4;
    PrepareForme();
    VerifieValidite();
    if (!Validite.InstrumentValide)
        return;
    Rayon.DispositifActif = false;
    PrepareSysteme();
    I.FocaleObjectif = I.FocaleEffective;
    Rayon.DispositifActif = true;
    CalculeTacheDiffraction();
    PrepareSysteme();
    VerifieValidite();
}

void ConstruitFormeDerivee(TTypeInstrument forme)
{
    ConstruitFormeValide(forme);
    RederiveForme();
}

namespace {

struct TChampReel
{
    const char* nom;
    double valeur;
};

template <typename Tableau>
bool TableauNonFini(const Tableau& valeurs, const char* nom, std::string& champ)
{
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        if (!std::isfinite(static_cast<double>(valeurs[i])))
        {
            champ = std::string(nom) + "[" + std::to_string(i) + "]";
            return true;
        }
    return false;
}

#define QUIVANE_CHAMP(valeur)                                                                                          \
    TChampReel                                                                                                         \
    {                                                                                                                  \
#valeur, static_cast < double>(valeur)                                                                         \
    }
#define QUIVANE_TABLEAU(valeurs) TableauNonFini(valeurs, #valeurs, champ)

} // namespace

bool EtatContientNonFini(std::string& champ)
{
    const TInstrument& I = Instrument;
    const TSysteme& S = Systeme;
    const TChampReel reels[] = {
        QUIVANE_CHAMP(I.DiametreEntree),
        QUIVANE_CHAMP(I.FocalePrimaire),
        QUIVANE_CHAMP(I.DiametreMiroir),
        QUIVANE_CHAMP(I.DiametreObjectif),
        QUIVANE_CHAMP(I.DiametreUtilePrimaire),
        QUIVANE_CHAMP(I.DiametreUtileHoughton),
        QUIVANE_CHAMP(I.RayonCourburePrimaire),
        QUIVANE_CHAMP(I.RayonPrimaireCube),
        QUIVANE_CHAMP(I.RayonPrimairePuissance5),
        QUIVANE_CHAMP(I.RayonMenisque1),
        QUIVANE_CHAMP(I.RayonMenisque2),
        QUIVANE_CHAMP(I.FocaleResultante),
        QUIVANE_CHAMP(I.FocaleObjectif),
        QUIVANE_CHAMP(I.FocaleEffective),
        QUIVANE_CHAMP(I.RapportFD),
        QUIVANE_CHAMP(I.DiametreSecondaire),
        QUIVANE_CHAMP(I.DiametreSecondaireMinimal),
        QUIVANE_CHAMP(I.DiametreObstruction),
        QUIVANE_CHAMP(I.DistanceSecondaireFoyer),
        QUIVANE_CHAMP(I.DistanceFoyerPrimaireSecondaire),
        QUIVANE_CHAMP(I.RayonCourbureSecondaire),
        QUIVANE_CHAMP(I.DegagementFoyer),
        QUIVANE_CHAMP(I.LongueurInstrument),
        QUIVANE_CHAMP(I.EncombrementLateral),
        QUIVANE_CHAMP(I.LongueurTotale),
        QUIVANE_CHAMP(I.Grandissement),
        QUIVANE_CHAMP(I.CoefficientDeformationPrimaire),
        QUIVANE_CHAMP(I.CoefficientDeformationPrimaire2),
        QUIVANE_CHAMP(I.CoefficientDeformationSecondaire),
        QUIVANE_CHAMP(I.CoefficientDeformationSecondaire2),
        QUIVANE_CHAMP(I.TacheDiffractionMicrons),
        QUIVANE_CHAMP(I.TacheDiffractionSecondes),
        QUIVANE_CHAMP(I.EpaisseurPrimaire),
        QUIVANE_CHAMP(I.EpaisseurSecondaire),
        QUIVANE_CHAMP(I.EpaisseurLame),
        QUIVANE_CHAMP(I.EpaisseurPrimaireDessin),
        QUIVANE_CHAMP(I.EpaisseurSecondaireDessin),
        QUIVANE_CHAMP(I.EpaisseurLameDessin),
        QUIVANE_CHAMP(I.EpaisseurCentrePrimaireDessin),
        QUIVANE_CHAMP(I.DistanceLameMiroir),
        QUIVANE_CHAMP(I.DistanceDiaphragmeMiroir),
        QUIVANE_CHAMP(I.EpaisseurTotaleMenisque),
        QUIVANE_CHAMP(I.RayonObstructionCarre),
        QUIVANE_CHAMP(I.DistanceEntreMiroirs),
        QUIVANE_CHAMP(I.DiametreTrouCentral),
        QUIVANE_CHAMP(I.DiametreTrouCentralDessin),
        QUIVANE_CHAMP(I.DiametreSecondaireSchwarzschild),
        QUIVANE_CHAMP(I.DiametreUtileSecondaire),
        QUIVANE_CHAMP(I.DiametreChampPleineLumiere),
        QUIVANE_CHAMP(I.ReliefLame),
        QUIVANE_CHAMP(I.CoefficientK),
        QUIVANE_CHAMP(I.CoefficientDeformationLame),
        QUIVANE_CHAMP(I.CoefficientLameOptimal),
        QUIVANE_CHAMP(I.CoefficientLameRelatif),
        QUIVANE_CHAMP(I.DiametreMenisque),
        QUIVANE_CHAMP(I.DistanceApresGroupe),
        QUIVANE_CHAMP(I.FinDispositif),
        QUIVANE_CHAMP(I.DiametreMaximalDispositif),
        QUIVANE_CHAMP(I.CarreRayonPupille),
        QUIVANE_CHAMP(I.AncienneFocalePrimaire),
        QUIVANE_CHAMP(S.PositionFoyer),
        QUIVANE_CHAMP(S.RayonFaisceauTrou),
        QUIVANE_CHAMP(S.DecalageFoyer),
        QUIVANE_CHAMP(S.DecalageFoyerInitial),
        QUIVANE_CHAMP(S.DecalageFoyerPrecedent),
        QUIVANE_CHAMP(S.DistanceFoyerDioptre),
        QUIVANE_CHAMP(S.DistanceFoyerDioptrePrecedente),
        QUIVANE_CHAMP(S.DistanceAxeRayonFoyer),
        QUIVANE_CHAMP(S.XImage),
        QUIVANE_CHAMP(S.GrossissementAfocal),
        QUIVANE_CHAMP(S.RayonAiryImage),
        QUIVANE_CHAMP(S.FacteurAiry),
        QUIVANE_CHAMP(S.Eclairement),
        QUIVANE_CHAMP(S.HauteurImagePrincipale),
    };
    for (const TChampReel& reel : reels)
        if (!std::isfinite(reel.valeur))
        {
            champ = reel.nom;
            return true;
        }
    return QUIVANE_TABLEAU(I.CoefficientsAspheriquesLame) || QUIVANE_TABLEAU(I.CoefficientsAspheriquesLameProche) ||
           QUIVANE_TABLEAU(I.ImpactPrimaire) || QUIVANE_TABLEAU(Groupe.RayonGroupe) ||
           QUIVANE_TABLEAU(Groupe.DiametreGroupe) || QUIVANE_TABLEAU(Groupe.EpaisseurGroupe) ||
           QUIVANE_TABLEAU(Groupe.IndiceRougeGroupe) || QUIVANE_TABLEAU(Groupe.IndiceVertGroupe) ||
           QUIVANE_TABLEAU(Groupe.IndiceBleuGroupe) || QUIVANE_TABLEAU(Groupe.IndiceTraceGroupe) ||
           QUIVANE_TABLEAU(Groupe.SommetGroupe) || QUIVANE_TABLEAU(Groupe.CentreGroupe) ||
           QUIVANE_TABLEAU(Groupe.CarreDemiDiametreGroupe) || QUIVANE_TABLEAU(Dispositif.RayonDioptre) ||
           QUIVANE_TABLEAU(Dispositif.EpaisseurDioptre) || QUIVANE_TABLEAU(Dispositif.DiametreDioptre) ||
           QUIVANE_TABLEAU(Dispositif.IndiceRouge) || QUIVANE_TABLEAU(Dispositif.IndiceVert) ||
           QUIVANE_TABLEAU(Dispositif.IndiceBleu) || QUIVANE_TABLEAU(Dispositif.IndiceTrace) ||
           QUIVANE_TABLEAU(Dispositif.SommetDioptre) || QUIVANE_TABLEAU(Dispositif.CentreDioptre) ||
           QUIVANE_TABLEAU(Dispositif.CarreDemiDiametre);
}

// The saved values of the design, listed by name.
#include "support/Conception.h"

#include "optics/Modele.h"

#include <algorithm>
#include <cstdio>

namespace {

// Whether the form's section of a design file keeps the primary's diameter: the forms whose primary stands behind a
// plate, a meniscus or a corrector of their own size. The two-mirror forms take it from the entrance.
bool PorteDiametreMiroir(TTypeInstrument forme)
{
    switch (forme)
    {
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::LurieHoughton: return true;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::HoughtonCassegrain: return false;
    }
    return false;
}

class TListe
{
public:
    void Reel(const std::string& nom, double valeur)
    {
        char texte[40];
        std::snprintf(texte, sizeof texte, "%.17g", valeur);
        Valeurs.push_back(nom + " = " + texte);
    }
    void Texte(const std::string& nom, const std::string& valeur) { Valeurs.push_back(nom + " = \"" + valeur + "\""); }

    std::vector<std::string> Valeurs;
};

#define QUIVANE_VALEUR(liste, champ) liste.Reel(#champ, static_cast<double>(champ))

void ListeInstrument(TListe& l)
{
    const TInstrument& I = Instrument;
    l.Texte("NomInstrument", I.NomInstrument);
    l.Reel("TypeInstrument", static_cast<double>(I.TypeInstrument));
    QUIVANE_VALEUR(l, I.DiametreEntree);
    QUIVANE_VALEUR(l, I.FocalePrimaire);
    QUIVANE_VALEUR(l, I.RayonCourburePrimaire);
    QUIVANE_VALEUR(l, I.RayonPrimaireCube);
    QUIVANE_VALEUR(l, I.RayonPrimairePuissance5);
    QUIVANE_VALEUR(l, I.FocaleResultante);
    QUIVANE_VALEUR(l, I.DegagementFoyer);
    QUIVANE_VALEUR(l, I.DiametreTrouCentral);
    QUIVANE_VALEUR(l, I.DiametreSecondaire);
    QUIVANE_VALEUR(l, I.DistanceSecondaireFoyer);
    QUIVANE_VALEUR(l, I.RayonCourbureSecondaire);
    QUIVANE_VALEUR(l, I.CoefficientDeformationPrimaire);
    QUIVANE_VALEUR(l, I.CoefficientDeformationPrimaire2);
    QUIVANE_VALEUR(l, I.DiametreObstruction);
    QUIVANE_VALEUR(l, I.CoefficientDeformationSecondaire);
    QUIVANE_VALEUR(l, I.CoefficientDeformationSecondaire2);
    QUIVANE_VALEUR(l, I.CoefficientDeformationLame);
    QUIVANE_VALEUR(l, I.CoefficientLameRelatif);
    QUIVANE_VALEUR(l, I.CoefficientK);
    QUIVANE_VALEUR(l, I.EpaisseurPrimaire);
    QUIVANE_VALEUR(l, I.EpaisseurSecondaire);
    QUIVANE_VALEUR(l, I.EpaisseurLame);
    QUIVANE_VALEUR(l, I.DistanceLameMiroir);
    QUIVANE_VALEUR(l, I.DistanceDiaphragmeMiroir);
    QUIVANE_VALEUR(l, I.DiametreMenisque);
    QUIVANE_VALEUR(l, I.RayonMenisque1);
    QUIVANE_VALEUR(l, I.RayonMenisque2);
    QUIVANE_VALEUR(l, I.ProfilLame);
    QUIVANE_VALEUR(l, I.ChampCourbe);
    QUIVANE_VALEUR(l, I.SecondaireSurMenisque);
    QUIVANE_VALEUR(l, I.TeinteMiroirs);
    QUIVANE_VALEUR(l, I.TeinteLentilles);
    if (PorteDiametreMiroir(I.TypeInstrument))
        QUIVANE_VALEUR(l, I.DiametreMiroir);
}

void ListeGroupe(TListe& l)
{
    const TDioptreGroupe& G = Groupe;
    QUIVANE_VALEUR(l, G.NombreDioptresGroupe);
    // Row 1 carries the plate's or the meniscus's glass in the forms without a group of their own.
    for (int i = 1; i <= std::max(1, std::min(G.NombreDioptresGroupe, NombreMaxDioptresGroupe)); ++i)
    {
        const std::string ligne = "[" + std::to_string(i) + "]";
        l.Reel("RayonGroupe" + ligne, G.RayonGroupe[i]);
        l.Reel("EpaisseurGroupe" + ligne, G.EpaisseurGroupe[i]);
        l.Reel("DiametreGroupe" + ligne, G.DiametreGroupe[i]);
        l.Reel("IndiceRougeGroupe" + ligne, G.IndiceRougeGroupe[i]);
        l.Reel("IndiceVertGroupe" + ligne, G.IndiceVertGroupe[i]);
        l.Reel("IndiceBleuGroupe" + ligne, G.IndiceBleuGroupe[i]);
        l.Texte("MatiereGroupe" + ligne, G.MatiereGroupe[i]);
    }
}

void ListeDispositif(TListe& l)
{
    const TDioptre& D = Dispositif;
    l.Texte("TitreDispositif", D.TitreDispositif);
    QUIVANE_VALEUR(l, LongueursOnde.LongueurOndeRouge);
    QUIVANE_VALEUR(l, LongueursOnde.LongueurOndeVerte);
    QUIVANE_VALEUR(l, LongueursOnde.LongueurOndeBleue);
    QUIVANE_VALEUR(l, D.NombreDioptres);
    for (int i = 1; i <= std::clamp(D.NombreDioptres, 1, NombreMaxDioptres); ++i)
    {
        const std::string ligne = "[" + std::to_string(i) + "]";
        l.Reel("RayonDioptre" + ligne, D.RayonDioptre[i]);
        l.Reel("EpaisseurDioptre" + ligne, D.EpaisseurDioptre[i]);
        l.Reel("DiametreDioptre" + ligne, D.DiametreDioptre[i]);
        l.Reel("IndiceRouge" + ligne, D.IndiceRouge[i + 1]);
        l.Reel("IndiceVert" + ligne, D.IndiceVert[i + 1]);
        l.Reel("IndiceBleu" + ligne, D.IndiceBleu[i + 1]);
        l.Texte("MatiereDioptre" + ligne, D.MatiereDioptre[i + 1]);
    }
}

void ListeReglages(TListe& l)
{
    const TReglages& R = Reglages;
    QUIVANE_VALEUR(l, R.AmplitudeChamp);
    QUIVANE_VALEUR(l, R.AmplitudeChampAfocal);
    QUIVANE_VALEUR(l, R.ChampLineaire);
    QUIVANE_VALEUR(l, R.RayonChampLineaire);
    QUIVANE_VALEUR(l, R.RayonChampAngulaire);
    QUIVANE_VALEUR(l, R.RayonChampAfocal);
    QUIVANE_VALEUR(l, R.AmplitudeRepere);
    QUIVANE_VALEUR(l, R.IndiceLimite);
    QUIVANE_VALEUR(l, R.EntierReserve);
    QUIVANE_VALEUR(l, R.PasEtoileUnique);
    QUIVANE_VALEUR(l, R.PasEtoileUniqueAfocal);
    QUIVANE_VALEUR(l, R.PasEtoileMultiple);
    QUIVANE_VALEUR(l, R.PasEtoileMultipleAfocal);
    QUIVANE_VALEUR(l, R.PasBoiteDistance);
    QUIVANE_VALEUR(l, R.DensiteEtoileUnique);
    QUIVANE_VALEUR(l, R.DensiteEtoileMultiple);
    // The device's distance from the focus is saved too, but every solve places it anew.
    QUIVANE_VALEUR(l, Systeme.DecalageFoyerInitial);
    QUIVANE_VALEUR(l, Systeme.DistanceAxeRayonFoyer);
    QUIVANE_VALEUR(l, R.RayonsLumineuxTraces);
    QUIVANE_VALEUR(l, R.DistanceAxeImage);
    for (std::size_t i = 0; i < R.TeinteVerre.size(); ++i)
        l.Reel("TeinteVerre[" + std::to_string(i) + "]", R.TeinteVerre[i]);
}

} // namespace

TConceptionSauvee TConceptionSauvee::Lue()
{
    TListe l;
    ListeInstrument(l);
    ListeGroupe(l);
    ListeDispositif(l);
    ListeReglages(l);
    return {l.Valeurs};
}

testing::AssertionResult MemeConception(const TConceptionSauvee& avant, const TConceptionSauvee& apres)
{
    const std::vector<std::string>& a = avant.Valeurs;
    const std::vector<std::string>& b = apres.Valeurs;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return testing::AssertionFailure() << "before: " << a[i] << ", after: " << b[i];
    if (a.size() != b.size())
        return testing::AssertionFailure() << a.size() << " values before, " << b.size() << " after";
    return testing::AssertionSuccess();
}

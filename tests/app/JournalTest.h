// What the journal, recovery and erase tests share: the design files of FichierTest, this instance's journal and
// base copy in the test's folder, the editors' journal port, a base design read from a file, and the whole design
// as exact texts to compare.
#pragma once

#include "FichierTest.h"
#include "doubles/CanevasEnregistreur.h"
#include "app/Demarrage.h"
#include "app/FichierEcriture.h"
#include "app/FichierFormat.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Ports.h"
#include "editing/Stockage.h"
#include "optics/Initialisation.h"
#include "sections/Cadre.h"
#include "sections/CoupeInstrument.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

// A catalogue whose every glass has its own index at every line, so that a line read again shows.
inline TCatalogueLu CatalogueEssai()
{
    TCatalogueLu catalogue;
    double base = 1.5;
    for (const char* nom : {"BK7", "F2", "SF2", "N-BK7", "UBK7", "Air"})
    {
        TMatiereCatalogue m;
        m.Lignes[0] = nom;
        base += 0.01;
        for (int k = 1; k <= NombreLongueursOnde; ++k)
            m.Lignes[static_cast<std::size_t>(k)] = FormateNombre(base + 0.001 * k, "#0.000000");
        catalogue.Matieres.push_back(m);
    }
    return catalogue;
}

// A line chosen in the wavelength list over a table's header, the catalogue at hand.
inline void ChoisitLigne(TTableEditee table, TCodeSaisie code, TLongueurOnde ligne)
{
    PortsCatalogue.Lit = CatalogueEssai;
    Edition.TableEditee = table;
    EtatSaisie.CodeSaisie = code;
    EtatSaisie.CanalLongueurOnde = code == SaisieLongueurOndeRouge || code == SaisieLongueurOndeRougeLame   ? 1
                                   : code == SaisieLongueurOndeVerte || code == SaisieLongueurOndeVerteLame ? 2
                                                                                                            : 3;
    ListeLongueursOnde.Texte = TexteLongueurOnde(ligne);
    ChoisitLongueurOnde();
}

// An instrument value stored and journaled as the commit of the entry box does.
inline void Modifie(std::int32_t code, double valeur)
{
    Systeme.CalculEchoue = false;
    ASSERT_TRUE(StockeValeur(code, valeur));
    AjouteEnregistrement({code, 0, FormateGeneral(valeur)});
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
}

inline std::string Exact(double valeur)
{
    char texte[40];
    std::snprintf(texte, sizeof texte, "%.17g", valeur);
    return texte;
}

// The fields the section views write for their own drawing: the thicknesses and hole they draw, the device's widest
// diameter and the width it shades.
inline bool ChampDeDessin(double TInstrument::*champ)
{
    using I = TInstrument;
    for (double I::*dessin : {&I::EpaisseurPrimaireDessin, &I::EpaisseurSecondaireDessin, &I::EpaisseurLameDessin,
                              &I::EpaisseurCentrePrimaireDessin, &I::DiametreTrouCentralDessin,
                              &I::DiametreMaximalDispositif, &I::DiametreObstructionDispositif})
        if (champ == dessin)
            return true;
    return false;
}

// The primary's diameter of the forms whose file does not carry it, which the two-mirror sections set to the
// entrance's and the others leave as an earlier design had it.
inline bool DiametreMiroirDeDessin(double TInstrument::*champ)
{
    if (champ != &TInstrument::DiametreMiroir)
        return false;
    const std::vector<TChampFichier> champs =
        ChampsInstrument(Instrument.TypeInstrument, Instrument.SecondaireSurMenisque);
    return std::none_of(champs.begin(), champs.end(),
                        [](const TChampFichier& c) { return c.Reel == &TInstrument::DiametreMiroir; });
}

// The section of the design's form drawn once, as a view showing it does: the drawing fields it wrote are then the
// design's own. Those it left (another form's, or all of them when the section cannot be drawn) keep an earlier
// drawing's values, which are no part of the design.
inline std::vector<double TInstrument::*> DessineCoupeUneFois()
{
    static TCanevasEnregistreur dessin{762, 550};
    // No drawing writes this value: a field left with it was not written.
    constexpr double Marque = -123456.75;
    std::vector<std::pair<double TInstrument::*, double>> avant;
    for (double TInstrument::*champ : ChampsReelsInstrument())
        if (ChampDeDessin(champ))
        {
            avant.emplace_back(champ, Instrument.*champ);
            Instrument.*champ = Marque;
        }
    DessineCoupeInstrument(dessin);
    std::vector<double TInstrument::*> ecrits;
    for (const auto& [champ, valeur] : avant)
        if (Instrument.*champ == Marque)
            Instrument.*champ = valeur;
        else if (PorteCoupeOuverte())
            ecrits.push_back(champ);
    return ecrits;
}

// The whole design as texts, every number exact: the design file's lines, then each field that a file rounds
// or leaves out, the section drawn first.
inline std::vector<std::string> Conception()
{
    const std::vector<double TInstrument::*> dessines = DessineCoupeUneFois();
    std::vector<std::string> t = LignesFichierConception();
    t.push_back("type " + std::to_string(static_cast<int>(Instrument.TypeInstrument)));
    for (double TInstrument::*champ : ChampsReelsInstrument())
        t.push_back(
            DiametreMiroirDeDessin(champ) ||
                    (ChampDeDessin(champ) && std::find(dessines.begin(), dessines.end(), champ) == dessines.end())
                ? "(dessin)"
                : Exact(Instrument.*champ));
    for (float TInstrument::*champ : ChampsSimplesInstrument())
        t.push_back(Exact(Instrument.*champ));
    t.push_back("profil " + std::to_string(Instrument.ProfilLame) + " cote " + std::to_string(Instrument.CoteLame));
    const TDioptreGroupe& g = Groupe;
    t.push_back("groupe " + std::to_string(g.NombreDioptresGroupe));
    for (std::size_t i = 0; i <= NombreMaxDioptresGroupe; ++i)
        t.push_back(Exact(g.RayonGroupe[i]) + " " + Exact(g.EpaisseurGroupe[i]) + " " + Exact(g.DiametreGroupe[i]) +
                    " " + Exact(g.IndiceRougeGroupe[i]) + " " + Exact(g.IndiceVertGroupe[i]) + " " +
                    Exact(g.IndiceBleuGroupe[i]) + " " + g.MatiereGroupe[i]);
    const TDioptre& d = Dispositif;
    t.push_back("dispositif " + std::to_string(d.NombreDioptres) + " " + d.TitreDispositif);
    for (std::size_t i = 1; i <= NombreMaxDioptres; ++i)
        t.push_back(Exact(d.RayonDioptre[i]) + " " + Exact(d.EpaisseurDioptre[i]) + " " + Exact(d.DiametreDioptre[i]));
    for (std::size_t e = 1; e <= NombreMaxDioptres + 1; ++e)
        t.push_back(Exact(d.IndiceRouge[e]) + " " + Exact(d.IndiceVert[e]) + " " + Exact(d.IndiceBleu[e]) + " " +
                    d.MatiereDioptre[e]);
    t.push_back("lignes " + std::to_string(LongueursOnde.LongueurOndeRouge) + " " +
                std::to_string(LongueursOnde.LongueurOndeVerte) + " " +
                std::to_string(LongueursOnde.LongueurOndeBleue));
    for (const auto& [presse, matiere] : {std::pair{&Edition.LigneCopiee, &Edition.MatiereCopiee},
                                          std::pair{&Edition.LigneCopieeGroupe, &Edition.MatiereCopieeGroupe}})
    {
        std::string ligne = "copiee";
        for (const float v : *presse)
            ligne += " " + Exact(v);
        t.push_back(ligne + " " + *matiere);
    }
    t.push_back("distances " + Exact(Reglages.DistanceAxeEtoile) + " " + Exact(Reglages.DistanceAxeImage) + " " +
                std::to_string(Reglages.RayonsLumineuxTraces));
    const TReglages& r = Reglages;
    t.push_back("preferences " + Exact(Systeme.DistanceAxeRayonFoyer) + " " + Exact(r.DecalageMiseAuPoint) + " " +
                std::to_string(r.ImpressionFondNoir) + std::to_string(r.ImpressionCouleur));
    t.push_back("pas " + Exact(r.PasRayon) + " " + Exact(r.PasEpaisseur) + " " + Exact(r.PasDiametre) + " " +
                Exact(r.PasIndice) + " " + Exact(r.PasPhi) + " " + Exact(r.PasGamma));
    t.push_back("teintes " + std::to_string(Instrument.TeinteMiroirs) + " " +
                std::to_string(Instrument.TeinteLentilles) + " " + Exact(r.IndiceLimite) + " chromatique " +
                std::to_string(r.AnalyseChromatique));
    return t;
}

// The design as the user sees it: after the refresh that follows every change, undo and redo.
inline std::vector<std::string> ConceptionRafraichie()
{
    Edition.AMettreAJour = true;
    RafraichitVue();
    return Conception();
}

// The lines where two designs differ, "" when they are the same: a failure shows the fields, not two long lists.
inline std::string Ecarts(const std::vector<std::string>& obtenue, const std::vector<std::string>& attendue)
{
    std::string ecarts;
    for (std::size_t i = 0; i < std::max(obtenue.size(), attendue.size()); ++i)
    {
        const std::string a = i < obtenue.size() ? obtenue[i] : "(rien)";
        const std::string b = i < attendue.size() ? attendue[i] : "(rien)";
        if (a != b)
            ecarts += "ligne " + std::to_string(i) + " : " + a + " au lieu de " + b + "\n";
    }
    return ecarts;
}

class JournalTest : public FichierTest
{
protected:
    void SetUp() override
    {
        FichierTest::SetUp();
        // The designs are compared after one refresh each (ConceptionRafraichie): the editors' own refreshes are
        // left out, as a Schmidt camera's plate profile changed by its button refreshes to another mirror radius
        // a second time.
        PortsEdition.RafraichitVue = [] {};
        Etat.DossierUtilisable = true;
        NommeFichiersSession(Dossier + "/", 0);
        Etat.VueCourante = TVue::Tableau;
    }

    // Two lens-device rows: a BK7 lens, then air to the image.
    static void PoseDispositif()
    {
        TDioptre& d = Dispositif;
        d.TitreDispositif = "Lentille";
        d.NombreDioptres = 2;
        d.RayonDioptre[1] = 50;
        d.EpaisseurDioptre[1] = 5;
        d.DiametreDioptre[1] = 30;
        d.RayonDioptre[2] = -50;
        d.EpaisseurDioptre[2] = 48;
        d.DiametreDioptre[2] = 30;
        d.IndiceRouge[2] = 1.51432f;
        d.IndiceVert[2] = 1.51872f;
        d.IndiceBleu[2] = 1.52283f;
        d.MatiereDioptre[2] = "BK7";
        d.IndiceRouge[3] = 1.000276f;
        d.IndiceVert[3] = 1.000278f;
        d.IndiceBleu[3] = 1.00028f;
        d.MatiereDioptre[3] = "Air";
    }

    // A valid design of the form, with the two-row device unless told otherwise, saved, then read as the journal's
    // base: one record.
    // `retouche` changes the form's test design before it is saved.
    void OuvreBase(TTypeInstrument forme, bool avecDispositif = true, void (*retouche)() = nullptr)
    {
        ConstruitFormeValide(forme);
        if (retouche)
            retouche();
        if (avecDispositif)
            PoseDispositif();
        AppliqueIndices();
        const std::string chemin = Chemin("base.qvd");
        Etat.CheminDocument = chemin;
        ASSERT_TRUE(EcritFichierConception());
        ReinitialiseEtat();
        Etat.CheminDocument.clear();
        Lecture.NouveauJournal = true;
        ASSERT_TRUE(Ouvre(chemin));
        ASSERT_EQ(Journal.NombreEnregistrementsJournal, 1);
        Edition.DocumentModifie = false;
    }

    // The journal file's three lines per record, in the order written.
    std::vector<std::string> LignesJournal() const
    {
        std::vector<std::string> lignes;
        std::ifstream fichier(Etat.CheminJournal, std::ios::binary);
        for (std::string ligne; std::getline(fichier, ligne);)
            lignes.push_back(ligne);
        return lignes;
    }
};

// The design file writer: one value per line, in the order every reader of the format expects.
#include "app/FichierEcriture.h"

#include "app/Etat.h"
#include "app/FichierFormat.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "editing/Nombres.h"
#include "optics/GardeCalcul.h"
#include "platform/Bip.h"
#include "platform/Format.h"
#include "platform/Services.h"

#include <algorithm>

namespace {

class TLignes
{
public:
    void Texte(const std::string& texte)
    {
        // A line break inside a value would shift every later line: the format has no escaping.
        std::string ligne = texte;
        for (char& c : ligne)
            if (c == '\r' || c == '\n')
                c = ' ';
        Lignes.push_back(ligne);
    }
    void Reel(double valeur, const char* motif = "#0.#")
    {
        Lignes.push_back(Exact ? FormateExact(valeur) : FormateNombre(valeur, motif));
    }
    void Indice(float indice) { Reel(indice, "#0.######"); }
    void Entier(long long valeur) { Lignes.push_back(std::to_string(valeur)); }
    void Booleen(bool valeur) { Lignes.push_back(valeur ? "True" : "False"); }

    std::vector<std::string> Lignes;
    bool Exact = false;
};

void EcritVerreLame(TLignes& l)
{
    l.Indice(Groupe.IndiceRougeGroupe[1]);
    l.Indice(Groupe.IndiceVertGroupe[1]);
    l.Indice(Groupe.IndiceBleuGroupe[1]);
    l.Texte(Groupe.MatiereGroupe[1]);
}

void EcritGroupe(TLignes& l)
{
    // The count written is the count of rows written, so the file always reads back.
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    l.Entier(n);
    for (int i = 1; i <= n; ++i)
    {
        l.Reel(Groupe.RayonGroupe[i], "#0.##");
        l.Reel(Groupe.EpaisseurGroupe[i], "#0.##");
        l.Reel(Groupe.DiametreGroupe[i], "#0.##");
        l.Indice(Groupe.IndiceRougeGroupe[i]);
        l.Indice(Groupe.IndiceVertGroupe[i]);
        l.Indice(Groupe.IndiceBleuGroupe[i]);
        l.Texte(Groupe.MatiereGroupe[i]);
    }
}

void EcritInstrument(TLignes& l)
{
    const TInstrument& instrument = Instrument;
    const TTypeInstrument type = instrument.TypeInstrument;
    if (type == TTypeInstrument::Aucun)
        return;
    l.Texte(TitreSection(type));
    for (const TChampFichier& champ : ChampsInstrument(type, instrument.SecondaireSurMenisque))
        switch (champ.Genre)
        {
        case TGenreChamp::Reel: l.Reel(instrument.*champ.Reel, champ.Motif); break;
        case TGenreChamp::ReelSimple: l.Reel(instrument.*champ.Simple, champ.Motif); break;
        case TGenreChamp::Profil: l.Entier(instrument.ProfilLame); break;
        case TGenreChamp::LigneChamp: l.Texte(instrument.ChampCourbe ? "ChampCourbe" : "ChampPlan"); break;
        case TGenreChamp::Variante: l.Booleen(instrument.SecondaireSurMenisque); break;
        case TGenreChamp::VerreLame: EcritVerreLame(l); break;
        case TGenreChamp::EnTeteGroupe: l.Texte(TitreGroupe(type)); break;
        case TGenreChamp::BlocGroupe: EcritGroupe(l); break;
        }
}

void EcritDispositif(TLignes& l)
{
    const TDioptre& d = Dispositif;
    l.Texte(TitreSectionDispositif);
    l.Texte(d.TitreDispositif);
    l.Entier(LongueursOnde.LongueurOndeRouge);
    l.Entier(LongueursOnde.LongueurOndeVerte);
    l.Entier(LongueursOnde.LongueurOndeBleue);
    const int n = std::clamp(d.NombreDioptres, 1, NombreMaxDioptres);
    l.Entier(n);
    for (int i = 1; i <= n; ++i)
    {
        l.Reel(d.RayonDioptre[i], "#0.##");
        l.Reel(d.EpaisseurDioptre[i], "#0.##");
        l.Reel(d.DiametreDioptre[i], "#0.##");
        l.Indice(d.IndiceRouge[i + 1]);
        l.Indice(d.IndiceVert[i + 1]);
        l.Indice(d.IndiceBleu[i + 1]);
        l.Texte(d.MatiereDioptre[i + 1]);
    }
}

void EcritReglages(TLignes& l)
{
    const TReglages& r = Reglages;
    l.Entier(r.AmplitudeChamp);
    l.Entier(r.AmplitudeChampAfocal);
    l.Booleen(r.ChampLineaire);
    l.Entier(r.RayonChampLineaire);
    l.Entier(r.RayonChampAngulaire);
    l.Entier(r.RayonChampAfocal);
    l.Reel(r.AmplitudeRepere);
    l.Indice(r.IndiceLimite);
    l.Entier(r.EntierReserve);
    l.Entier(r.PasEtoileUnique);
    l.Entier(r.PasEtoileUniqueAfocal);
    l.Reel(r.PasEtoileMultiple, "#0.###");
    l.Reel(r.PasEtoileMultipleAfocal, "#0.###");
    l.Reel(r.PasBoiteDistance, "#0.###");
    l.Entier(r.DensiteEtoileUnique);
    l.Entier(r.DensiteEtoileMultiple);
    l.Reel(Systeme.DecalageFoyerInitial, "#0.###");
    l.Reel(Systeme.DistanceFoyerDioptre, "#0.###");
    l.Reel(Systeme.DistanceAxeRayonFoyer, "#0.#####");
    for (TColor teinte : r.TeinteVerre)
        l.Texte(TexteCouleur(teinte));
}

void AfficheErreurEcriture(const std::string& texte)
{
    TQuestion question;
    question.Titre = "Quivane - Ecriture d'un fichier";
    question.Ligne1 = texte;
    question.Icone = TIconeQuestion::Avertissement;
    question.Boutons = TBoutonsQuestion::Ok;
    question.Largeur = 310;
    MessageBeep(BipExclamation);
    Etat.Reponse = Services().Question->Pose(question);
    Etat.BoutonInterrogation = Etat.Reponse;
}

} // namespace

std::vector<std::string> LignesFichierConception(bool exact)
{
    TLignes l;
    l.Exact = exact;
    l.Texte(LigneEnTeteFichier());
    EcritInstrument(l);
    EcritDispositif(l);
    EcritReglages(l);
    if (exact)
    {
        // The values a read derives again, as they are: the reader stops after the tints, the replay of the copy
        // puts them back.
        l.Texte(TitreValeursExactes);
        for (double TInstrument::*champ : ChampsReelsInstrument())
            l.Reel(Instrument.*champ);
        for (float TInstrument::*champ : ChampsSimplesInstrument())
            l.Reel(Instrument.*champ);
        // A failed solve is not tried again by the next refresh: the values it left stay. Nor does the solver run
        // at all once a search has stopped, until a view command starts it again; the design kept the values of the
        // last solve before the stop, which solving again would not give.
        l.Entier(Systeme.CalculEchoue ? 1 : 0);
        l.Entier(Systeme.CalculInterrompu ? 1 : 0);
    }
    return l.Lignes;
}

bool EcritFichierConception(const std::string& cheminSecours, bool exact)
{
    if (Etat.NomEnregistrement.empty())
        Etat.NomEnregistrement = Etat.CheminDocument;
    const std::vector<std::string> lignes = LignesFichierConception(exact);
    auto fichier = Services().Fichiers->OuvreEcriture(Etat.CheminDocument, TCodage::Windows1252,
                                                      TModeEcriture::Remplace, cheminSecours);
    bool reussi = true;
    for (const std::string& ligne : lignes)
        if (!fichier->EcritLigne(ligne))
        {
            reussi = false;
            break;
        }
    reussi = fichier->Termine() && reussi;
    Edition.AMettreAJour = true;
    if (!reussi)
    {
        AfficheErreurEcriture("Erreur d'écriture d'un fichier");
        return false;
    }
    if (FichierIncorrect)
    {
        AfficheErreurEcriture("Fichier incorrect");
        Etat.VueCourante = TVue::Tableau;
    }
    if (Edition.PositionJournal != PositionRecuperation)
        RafraichitVue();
    if (!FichierIncorrect)
    {
        Edition.AMettreAJour = false;
        Edition.DocumentModifie = false;
        // Undo and redo back to these records give the design saved here.
        if (Edition.PositionJournal != PositionRecuperation)
            Journal.PositionEnregistree =
                Edition.PositionJournal > 0 ? Edition.PositionJournal : Journal.NombreEnregistrementsJournal;
    }
    return true;
}

// Recording fakes of the editing ports and the fixture every commit test starts from: the whole design reset to a
// valid design of one form, the editor state cleared, the fakes installed.
#pragma once

#include "doubles/Script.h"
#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "editing/Ports.h"
#include "optics/Notifications.h"
#include "platform/Format.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct TMessageVu
{
    std::string Titre;
    std::string Texte;
};

// What the ports were asked, since the fixture installed them.
struct TAppelsPorts
{
    std::vector<TMessageVu> Messages;
    std::vector<TMessageVu> Questions;
    int ConflitsMiroirPlan = 0;
    int Bips = 0;
    std::vector<TEnregistrementJournal> Enregistrements;
    int Rafraichissements = 0;
    int FermeturesCadres = 0;
    int MontresSaisie = 0;
    int LongueursOndeAppliquees = 0;
    std::map<TCommandeEdition, bool> Commandes;
    std::string Statut;
    int ContexteAide = 0;
    // The model's word to the window: its resets and beeps.
    int InstrumentsReinitialises = 0;
    int DispositifsReinitialises = 0;
    int BipsModele = 0;
    // What the ports answer: the clipboard holds text, the current view.
    bool PressePapiersTexte = false;
    TVue Vue = TVue::Aucune;
};

inline TAppelsPorts Appels;
// The answers the questions get, in order (6 yes, 7 no): a question past them, or an answer left, fails the test.
inline std::optional<TScript<int>> Reponses;

// Every port recorded, and the model's notifications counted (its focus searches abandoned): the editing and dialog
// test programs install them before each test.
inline void InstallePortsEnregistres()
{
    Notifications = NotificationsMuettes;
    Notifications.InstrumentReinitialise = [] { ++Appels.InstrumentsReinitialises; };
    Notifications.DispositifReinitialise = [](bool) { ++Appels.DispositifsReinitialises; };
    Notifications.Bip = [](int) { ++Appels.BipsModele; };
    Appels = TAppelsPorts{};
    Reponses.emplace("Questions de l'édition");
    PortsEdition = TPortsEdition{};
    PortsEdition.AfficheAvertissement = [](const std::string& titre, const std::string& texte) {
        Appels.Messages.push_back({titre, texte});
    };
    PortsEdition.AfficheAvertissementLarge = PortsEdition.AfficheAvertissement;
    PortsEdition.PoseQuestion = [](const std::string& titre, const std::string& texte) {
        Appels.Questions.push_back({titre, texte});
        return Reponses->Suivante(titre + " : " + texte).value_or(7);
    };
    PortsEdition.AfficheConflitMiroirPlan = [] { ++Appels.ConflitsMiroirPlan; };
    PortsEdition.Bip = [] { ++Appels.Bips; };
    PortsEdition.AjouteAuJournal = [](const TEnregistrementJournal& e) { Appels.Enregistrements.push_back(e); };
    PortsEdition.NombreEnregistrementsJournal = [] { return static_cast<std::int32_t>(Appels.Enregistrements.size()); };
    PortsEdition.DernierEnregistrement = [] {
        return Appels.Enregistrements.empty() ? TEnregistrementJournal{} : Appels.Enregistrements.back();
    };
    PortsEdition.RejeuEnCours = [] { return false; };
    PortsEdition.RafraichitVue = [] { ++Appels.Rafraichissements; };
    PortsEdition.FermeCadresEtRafraichit = [] { ++Appels.FermeturesCadres; };
    PortsEdition.FermeCadreDioptre = [] { ++Appels.FermeturesCadres; };
    PortsEdition.ActiveCommande = [](TCommandeEdition commande, bool active) { Appels.Commandes[commande] = active; };
    PortsEdition.PressePapiersTexte = [] { return Appels.PressePapiersTexte; };
    PortsEdition.AfficheStatut = [](const std::string& texte) { Appels.Statut = texte; };
    PortsEdition.FixeContexteAide = [](int contexte) { Appels.ContexteAide = contexte; };
    PortsEdition.AppliqueLongueurOnde = [] { ++Appels.LongueursOndeAppliquees; };
    PortsEdition.MontreSaisie = [] { ++Appels.MontresSaisie; };
    PortsEdition.VueCourante = [] { return Appels.Vue; };
    // The built-in glasses are the dialogs': below them a glass the catalogue lacks has no index.
    PortsCatalogue.IndiceVerreIntegre = [](std::string_view, TLongueurOnde) { return 0.0f; };
}

class SaisieForme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = ',';
        InstallePortsEnregistres();
    }
    void TearDown() override
    {
        Reponses->Verifie();
        SeparateurDecimal = SeparateurPrecedent;
    }

    // The box opened on a field as an opener leaves it, the text typed over it.
    static void Tape(TCodeSaisie code, double valeurAvant, const std::string& texte)
    {
        EtatSaisie.CodeSaisie = code;
        EtatSaisie.ValeurAvantSaisie = valeurAvant;
        EtatSaisie.Saisie.Visible = true;
        EtatSaisie.Saisie.Texte = texte;
    }

    char SeparateurPrecedent = '.';
};

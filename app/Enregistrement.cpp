// Save and Save as.
#include "app/Enregistrement.h"

#include "app/Etat.h"
#include "app/FichierEcriture.h"
#include "app/FichierFenetre.h"
#include "app/Historique.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Recuperation.h"
#include "app/Texte.h"
#include "optics/Modele.h"
#include "platform/Bip.h"
#include "platform/Services.h"

namespace {

bool FinitPar(const std::string& texte, const std::string& fin)
{
    return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

// A path less its last 4 characters (normally ".qvd"), without trailing dots.
std::string SansExtension(const std::string& chemin)
{
    std::string nom = DebutTexte(chemin, NombreCaracteres(chemin) - 4);
    while (!nom.empty() && nom.back() == '.')
        nom.pop_back();
    return nom;
}

// The proposed name: the shown path's. A recovered design shows no path: the name of the file its journal started
// from, where the journal knows one, stands for it.
std::string NomPropose()
{
    if (Etat.CheminAffiche != TexteFichierRecupere)
        return SansExtension(Etat.CheminAffiche);
    const std::string& origine = Journal.NomFichierOrigine;
    return origine.starts_with("QuivaneFile") ? std::string() : SansExtension(origine);
}

// The path as the overwrite question shows it: a long one keeps its beginning and its end.
std::string CheminMontre(const std::string& chemin)
{
    return CheminRaccourci(chemin, 62, 15, 34);
}

TReponse DemandeEcrasement()
{
    TQuestion question;
    question.Titre = "Quivane - Enregistrer le fichier sous";
    question.Ligne1 = CheminMontre(Etat.NomEnregistrement);
    question.LigneChemin = 1;
    question.Ligne2 = "Ce fichier existe déjà, voulez-vous l'écraser?";
    question.Icone = TIconeQuestion::Disque;
    question.Boutons = TBoutonsQuestion::OuiNonAnnuler;
    question.LibelleOk = "&Oui";
    question.Largeur = 425;
    MessageBeep(BipExclamation);
    Etat.Reponse = Services().Question->Pose(question);
    Etat.BoutonInterrogation = Etat.Reponse;
    return Etat.Reponse;
}

} // namespace

std::string RetireExtension(const std::string& nom)
{
    for (const char* extension : {".qvd", ".bak", ".tmp"})
        if (FinitPar(nom, extension))
            return nom.substr(0, nom.size() - 4);
    return nom;
}

void ForceExtension()
{
    Etat.NomEnregistrement = RetireExtension(Etat.NomEnregistrement) + ".qvd";
}

std::string CheminSecours(const std::string& chemin)
{
    const std::string nom = ExtraitNomFichier(chemin);
    const std::size_t point = nom.rfind('.');
    if (point == std::string::npos || point == 0)
        return chemin + ".bak";
    return chemin.substr(0, chemin.size() - (nom.size() - point)) + ".bak";
}

void EnregistreDocument()
{
    if (Etat.CheminDocument.empty())
    {
        EnregistreDocumentSous();
        return;
    }
    OperationFichierReussie =
        EcritFichierConception(Etat.CopieSauvegarde ? CheminSecours(Etat.CheminDocument) : std::string());
    if (!OperationFichierReussie)
        return;
    Edition.DocumentModifie = false;
    FenetreFichier.ActionEnregistrer(false);
    Etat.CheminAffiche = Etat.CheminDocument;
    MetAJourHistorique();
}

void EnregistreDocumentSous()
{
    for (;;)
    {
        Etat.Reponse = ReponseOui;
        TDemandeFichier demande;
        demande.Titre = "Quivane - Enregistrer sous";
        demande.Nom = NomPropose();
        demande.ExtensionParDefaut = "qvd";
        const auto choisi = Services().DialoguesFichier->EnregistreSous(demande);
        OperationFichierReussie = false;
        if (!choisi || choisi->empty())
        {
            Etat.Reponse = ReponseAnnuler;
            return;
        }
        Etat.NomEnregistrement = *choisi;
        ForceExtension();
        std::string secours;
        if (Services().Fichiers->Existe(Etat.NomEnregistrement))
        {
            DemandeEcrasement();
            secours = CheminSecours(Etat.NomEnregistrement);
        }
        if (Etat.Reponse == ReponseNon)
            continue;
        if (Etat.Reponse != ReponseOui)
            return;
        const std::string ancienChemin = Etat.CheminDocument;
        Etat.CheminDocument = Etat.NomEnregistrement;
        if (!EcritFichierConception(secours))
        {
            // Nothing was written there: the document keeps its own path and stays modified.
            Etat.CheminDocument = ancienChemin;
            Etat.Reponse = ReponseAnnuler;
            return;
        }
        OperationFichierReussie = true;
        Etat.DocumentNomme = true;
        Edition.DocumentModifie = false;
        Etat.CheminAffiche = Etat.CheminDocument;
        MetAJourHistorique();
        FenetreFichier.Titre("Quivane - " + ExtraitNomFichier(Etat.CheminDocument));
        FenetreFichier.ActionEnregistrer(true);
        RafraichitVue();
        return;
    }
}

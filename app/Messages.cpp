// The program's message boxes and its yes/no question, all shown in the one question window.
#include "app/Messages.h"

#include "app/Etat.h"
#include "app/Texte.h"
#include "platform/Services.h"

namespace {

// The width grows with the caption beyond `seuil` characters, in proportion to `base` over `diviseur` characters.
int LargeurSelonTitre(const std::string& titre, int base, int seuil, int diviseur)
{
    const int n = NombreCaracteres(titre);
    return n <= seuil ? base : n * base / diviseur;
}

void Montre(const TQuestion& question)
{
    MessageBeep(BipExclamation);
    TReponse reponse = question.Boutons == TBoutonsQuestion::OuiNon ? ReponseNon : ReponseOk;
    if (Services().Question != nullptr)
        reponse = Services().Question->Pose(question);
    Etat.Reponse = reponse;
    Etat.BoutonInterrogation = reponse;
}

TQuestion Avertissement(const std::string& titre, const std::string& texte, TIconeQuestion icone, int largeur)
{
    TQuestion question;
    question.Titre = titre;
    question.Ligne1 = texte;
    question.Icone = icone;
    question.Boutons = TBoutonsQuestion::Ok;
    question.LibelleOk = "&Ok";
    question.Largeur = largeur;
    return question;
}

}

void AfficheAvertissement(const std::string& titre, const std::string& texte)
{
    Montre(Avertissement(titre, texte, TIconeQuestion::Avertissement, LargeurSelonTitre(titre, 320, 50, 50)));
}

void AfficheAvertissementLarge(const std::string& titre, const std::string& texte)
{
    TQuestion question =
        Avertissement(titre, texte, TIconeQuestion::Avertissement, LargeurSelonTitre(titre, 420, 65, 65));
    question.LargeurTexte = question.Largeur - 90;
    Montre(question);
}

void AfficheMessageDisque(const std::string& titre, const std::string& texte)
{
    Montre(Avertissement(titre, texte, TIconeQuestion::Disque, LargeurSelonTitre(titre, 320, 50, 50)));
}

void PoseQuestion(const std::string& titre, const std::string& texte)
{
    TQuestion question;
    question.Titre = titre;
    question.Ligne1 = texte;
    question.Icone = TIconeQuestion::Stop;
    question.Boutons = TBoutonsQuestion::OuiNon;
    question.LibelleOk = "&Ok";
    question.Largeur = LargeurSelonTitre(titre, 425, 66, 66);
    question.Hauteur = 150;
    Montre(question);
}

void SonneBip(int type)
{
    MessageBeep(type);
}

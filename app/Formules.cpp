// The formula commands of the menu "F&ormules".
#include "app/Formules.h"

#include "app/CommandesFichier.h"
#include "app/Etat.h"
#include "app/Messages.h"
#include "app/Rafraichissement.h"
#include "dialogs/Formules.h"
#include "dialogs/OculaireChoixCalcul.h"
#include "dialogs/RossCalcul.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "sheet/Fiche.h"

#include <optional>

namespace {

// Every formula command begins with the open entry committed and the editing frames and row highlights closed.
void FermeEditeurs()
{
    if (EtatSaisie.Saisie.Visible)
        ValideSaisie();
    Controles.Ligne.Visible = false;
    Controles.LigneSchmidt.Visible = false;
    FermeCadresEtRafraichit();
}

// A formula's change of the lens device. The device reset it may make leaves a document unnamed, but the design
// is still the same file: its path and names come back afterwards.
template <typename TChangement>
void ChangeDispositif(TChangement changement)
{
    const TNomsDocument noms = NomsDocument();
    changement();
    RemetNomsDocument(noms);
}

void FinFormule()
{
    AppliqueIndices();
    RafraichitVue();
}

} // namespace

void BarlowExecute()
{
    FermeEditeurs();
    VerifieDispositif();
    bool remplace = true;
    if (Validite.DispositifPresent && !Validite.SystemeAfocal)
    {
        PoseQuestion("Quivane - Barlow", "Voulez-vous remplacer le dispositif dioptrique en cours?");
        remplace = Etat.Reponse == ReponseOui;
    }
    if (!remplace && Dispositif.NombreDioptres > NombreMaxDioptres - 3)
        AfficheAvertissement("Quivane - Barlow",
                             "Le tableau ne peut pas contenir plus de 30 lignes. On ne peut pas lui ajouter cette "
                             "Barlow.");
    else if (EnregistreSiDemande())
        ChangeDispositif([remplace] {
            if (remplace)
                InitialiseDispositif();
            AjouteBarlow(remplace ? IndexBarlowRemplace : IndexBarlowDerriere);
        });
    FinFormule();
}

void OculaireAExecute()
{
    FermeEditeurs();
    if (EnregistreSiDemande())
    {
        const std::optional<TChoixOculaire> choix = PortsOculaire.Montre(EtatDispositifOculaire());
        if (choix && !choix->Oculaire.empty())
            if (const std::optional<float> focale = FocaleOculaireSaisie(choix->Focale))
                ChangeDispositif([&] { InsereOculaire(MinusculesAZ(choix->Oculaire), *focale, choix->Placement); });
    }
    FinFormule();
}

void RossQuivaneExecute()
{
    FermeEditeurs();
    if (EnregistreSiDemande())
        ChangeDispositif([] { CreeCorrecteurRoss(); });
    FinFormule();
}

void RossSpecialExecute()
{
    FermeEditeurs();
    if (EnregistreSiDemande())
        if (const std::optional<TSaisieRoss> saisie = PortsRoss.Montre(SaisieRossInitiale()))
            ChangeDispositif([&] { CreeCorrecteurRossSaisi(*saisie); });
    FinFormule();
}

void WynneExecute()
{
    FermeEditeurs();
    if (EnregistreSiDemande())
        ChangeDispositif([] { CreeCorrecteurWynne(); });
    FinFormule();
}

// The application object of the drawing measures and the Newton they start from.
#include "ApplicationHorsEcran.h"

#include <QGuiApplication>

#include "app/Crochets.h"
#include "optics/Modele.h"
#include "support/Formes.h"

namespace {

// Every measure runs with the program's own wiring, as its start-up installs it.
[[maybe_unused]] const bool CrochetsInstalles = [] {
    InstalleCrochets();
    return true;
}();

}

void ApplicationHorsEcran()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "quivane_bench";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication application(argc, argv);
}

void NewtonAvecPlan()
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DiametreSecondaire = 50.0f;
    Instrument.DistanceSecondaireFoyer = 150;
    Instrument.DistanceEntreMiroirs = 850;
    Instrument.DiametreObstruction = 50;
    Instrument.RayonObstructionCarre = 625;
}

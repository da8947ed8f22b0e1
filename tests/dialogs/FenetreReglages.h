// What the settings dialogs' tests share: the whole state reset, the editing ports recorded, scripted services, the
// decimal mark put back after the test, and a command run headless on a window made for the test.
#pragma once

#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "editing/PortsEnregistres.h"
#include "platform/Format.h"

#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

class FenetreReglages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        SeparateurPrecedent = SeparateurDecimal;
        InstallePortsEnregistres();
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    // The window becomes the one the command shows, and `action` runs once it is open (it must close it).
    template <typename TForme, typename TGlobale, typename TAction>
    static void LanceFenetre(QPointer<TGlobale>& globale, void (*commande)(), TAction action)
    {
        auto forme = std::make_unique<TForme>();
        globale = forme.get();
        QTimer::singleShot(0, forme.get(), [&] { action(*forme); });
        commande();
    }

    TServicesDeTest Services;
    char SeparateurPrecedent = '.';
};

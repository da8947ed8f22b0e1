// The about box names the program with its version, and its button closes it with the result 1.
#include "dialogs/Propos.h"
#include "doubles/ApplicationQt.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Propos, LeNomDuProduitPorteLaVersionEtOKFerme)
{
    AssureApplicationQt();
    TAboutBox boite("3.3.0");
    EXPECT_EQ(boite.ProductName->text().toStdString(), "Quivane - Version 3.3.0");
    EXPECT_EQ(boite.windowTitle().toStdString(), "A propos de Quivane");
    QTimer::singleShot(0, &boite, [&boite] { boite.OKButton->click(); });
    EXPECT_EQ(boite.exec(), 1);
}

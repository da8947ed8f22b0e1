// The main window opens with the program's caption.
#include "app/Principale.h"

#include <QApplication>
#include <gtest/gtest.h>

TEST(Principale, OuvreLaFenetreAvecLeTitreDuProgramme)
{
    int argc = 1;
    char nom[] = "test_app";
    char* argv[] = {nom, nullptr};
    QApplication application(argc, argv);
    TPrincipale principale;
    principale.show();
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
}

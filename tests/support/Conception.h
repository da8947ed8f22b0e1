// The design as a saved file carries it, read before and after a view to show that the view left it as it was.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every value a design file keeps (the instrument's values of its form, the lens group, the lens device, the
// spectral lines, the settings and the tints), with the primary's cached powers, the typed values the journal
// keeps beside them and the ray settings of the lens-device view, each as "name = value" with every digit. The
// values the views and the solver keep for their own use are not in it (the device's distance from the focus, which
// every solve places anew, among them), nor a field the file does not carry for the form (the two-mirror sections
// set the primary's diameter to the entrance's).
struct TConceptionSauvee
{
    std::vector<std::string> Valeurs;

    static TConceptionSauvee Lue();
};

// Success when both hold the same values; otherwise the first value that differs, before and after.
testing::AssertionResult MemeConception(const TConceptionSauvee& avant, const TConceptionSauvee& apres);

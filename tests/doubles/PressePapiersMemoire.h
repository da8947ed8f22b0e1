// A clipboard held in memory.
#pragma once

#include "platform/PressePapiers.h"

#include <optional>

class TPressePapiersMemoire : public IPressePapiers
{
public:
    void FixeTexte(const std::string& texte) override { Contenu = texte; }
    std::string Texte() override { return Contenu.value_or(std::string()); }
    bool ContientTexte() override { return Contenu.has_value(); }

    std::optional<std::string> Contenu;
};

// The clipboard's text.
#pragma once

#include <string>

class IPressePapiers
{
public:
    virtual ~IPressePapiers() = default;
    virtual void FixeTexte(const std::string& texte) = 0;
    virtual std::string Texte() = 0;
    virtual bool ContientTexte() = 0;
};

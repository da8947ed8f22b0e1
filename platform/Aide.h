// The help file beside the program, opened at its contents or at a topic.
#pragma once

class IAide
{
public:
    virtual ~IAide() = default;
    virtual bool FichierPresent() = 0;
    // Both return false when there is no help file to open.
    virtual bool AfficheSommaire() = 0;
    virtual bool AfficheRubrique(int contexteAide) = 0;
};

// The system beep, in its two kinds.
#pragma once

constexpr int BipDefaut = 0;        // the default beep
constexpr int BipExclamation = 48;  // the exclamation beep

class IBip
{
public:
    virtual ~IBip() = default;
    virtual void Bip(int type) = 0;
};

// Sounds the beep of the installed service; without one, nothing.
void MessageBeep(int type);

// The two kinds of system beep, shared by the optical model's hooks and the platform's beep service.
#pragma once

inline constexpr int BipDefaut = 0;
inline constexpr int BipExclamation = 48;

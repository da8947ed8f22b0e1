// This running instance's number and its lock file "Session<N>.tmp", held with an exclusive lock for the whole run.
#pragma once

#include <string>

// The path of the lock file of number n in the folder (which ends with a separator).
std::string CheminVerrou(const std::string& dossier, int n);

// Takes the smallest number whose lock file is free among the leftovers 0 to 2 (removing every free leftover of them),
// or else the first number whose file is missing or free; creates and locks its file. Sets Etat.NumeroSession and
// Etat.CheminSession. Returns false when no lock file can be made in the folder (Etat.NumeroSession then 0).
bool ChoisitNumeroSession();

// Releases the lock and deletes its file.
void LibereSession();

// A command that changes several cells writes one record per cell, each replayed by its cell's store routine; the
// user still undoes and redoes the command as one step, which a closing record marks.
#pragma once

#include <cstdint>

// Where the journal stands for the design shown, before the command writes.
std::int32_t DebutEtapeJournal();
// After the command: when it wrote more than one record since `debut`, the closing record that counts them.
void TermineEtapeJournal(std::int32_t debut);

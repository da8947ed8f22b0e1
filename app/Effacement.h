// The commands of the "Edition" menu that clear part of the design: the instrument, the lens device's refractive
// indices, or the whole lens device. Each leaves one journal record so that undo, redo and recovery repeat it.
#pragma once

// The instrument cleared, its form included, whatever replay is running.
void EffaceInstrument();
// The indices and glass names of every medium behind a device surface cleared; the medium in front of the first
// surface keeps its air. Records (-16, 0, 0) unless a replay is running or there was nothing to clear.
void EffaceIndices();
// The lens device cleared; the document keeps its path and its save name.
void EffaceDispositif();

// "Effacer l'instrument actuel": no question asked.
void EffacerInstrumentExecute();
// "Effacer les indices de réfraction du dispositif dioptrique" and "Effacer le dispositif dioptrique actuel": the
// save question first; Annuler, or a save that failed, leaves the design, the journal and the view as they were.
void EffacerIndicesExecute();
void EffacerDispoExecute();

// Validity checks of the instrument and of the lens device; they only set flags and a few derived values.
#pragma once

// Judges the instrument by its form: `InstrumentValide`, `SecondaireDefini`, `ConflitGeometrique`,
// `SansSecondaire`, `CouleursInstrumentCompletes`, `InstrumentVierge`, and for some forms the
// smallest flat, the plate position `CoteLame`, or a cleared focal length or plate coefficient.
// It reads the device flags of the last VerifieDispositif.
void VerifieInstrument();

// Judges the lens device: `DispositifValide`, `DispositifPresent`, `SystemeAfocal`,
// `TroisCouleursPossibles`; for the Schmidt camera the device becomes the central obstruction.
// It reads `CouleursInstrumentCompletes` of the last VerifieInstrument.
void VerifieDispositif();

// Both checks in the order that leaves every flag current: device, instrument, device.
void VerifieValidite();

// Every code of the edit journal and of the entry box, by name. The field code of an edited value is also the
// journal code of its commit, so both live here: editing builds the records, the shell replays them, and a number
// written anywhere else is a code nobody can search for. The values are stored in journal files and must never
// change.
#pragma once

#include <cstdint>

// The code of the value being edited, also the journal code of most committed edits.
using TCodeSaisie = std::int32_t;
// The code of a journal record: a field code, a command (negative), a tool (9001 to 9004) or a settings dialog (9101
// to 9106).
using TCodeJournal = std::int32_t;

inline constexpr TCodeSaisie AucuneSaisie = 0;
// Left by the start-up after it opened the design named on the command line: no field is open.
inline constexpr TCodeSaisie SaisieApresLecture = -1;

// ---- Commands ----------------------------------------------------------------------------------------------------

// The instrument type chosen in the list; the value is the list text in lower case.
inline constexpr TCodeJournal CodeJournalType = -1;
// A whole design read; the value is the document's path.
inline constexpr TCodeJournal CodeJournalLectureConception = -2;
// The lens device replaced by, placed behind or placed in front of another file's; the value is that file's path.
inline constexpr TCodeJournal CodeJournalRemplaceDispositif = -3;
inline constexpr TCodeJournal CodeJournalDispositifApres = -4;
inline constexpr TCodeJournal CodeJournalDispositifAvant = -5;
// Another file's instrument read alone; the value is its path.
inline constexpr TCodeJournal CodeJournalLectureInstrument = -6;
// The row commands, the index being the row: lens device, then lens group.
inline constexpr TCodeJournal CodeJournalCoupeLigneDispositif = -7;
inline constexpr TCodeJournal CodeJournalCoupeLigneGroupe = -8;
inline constexpr TCodeJournal CodeJournalCopieLigneDispositif = -9;
inline constexpr TCodeJournal CodeJournalCopieLigneGroupe = -10;
inline constexpr TCodeJournal CodeJournalColleLigneDispositif = -11;
inline constexpr TCodeJournal CodeJournalColleLigneGroupe = -12;
inline constexpr TCodeJournal CodeJournalInsereLigneCopieeDispositif = -13;
inline constexpr TCodeJournal CodeJournalInsereLigneCopieeGroupe = -14;
// The erase commands.
inline constexpr TCodeJournal CodeJournalEffaceInstrument = -15;
inline constexpr TCodeJournal CodeJournalEffaceIndices = -16;
inline constexpr TCodeJournal CodeJournalEffaceDispositif = -17;
// The correctors and eyepieces: the Ross proposed for the instrument, the Ross to the user's specification (packed
// value), the Wynne, the Barlow (index 1 when it replaced the device) and the eyepiece (packed value; index 1 placed
// behind the device).
inline constexpr TCodeJournal CodeJournalRoss = -18;
inline constexpr TCodeJournal CodeJournalRossSpecifie = -19;
inline constexpr TCodeJournal CodeJournalWynne = -20;
inline constexpr TCodeJournal CodeJournalBarlow = -21;
inline constexpr TCodeJournal CodeJournalOculaire = -22;
// A homothety: index 1 the instrument, 10 the lens device, 11 both; the value is the coefficient. Then the device's
// diameters optimised; the value is the image's off-axis distance.
inline constexpr TCodeJournal CodeJournalHomothetieAppliquee = -23;
inline constexpr TCodeJournal CodeJournalDiametresOptimises = -24;
// The Schmidt plate's profile; the index is the profile.
inline constexpr TCodeJournal CodeJournalProfilLame = -25;
// An empty row inserted, lens device then lens group; the index is the row.
inline constexpr TCodeJournal CodeJournalInsereLigneDispositif = -26;
inline constexpr TCodeJournal CodeJournalInsereLigneGroupe = -28;
// The field's shape chosen by its button on the sheet, index 1 for a curved field and 0 for a flat one. The design
// file keeps the shape, so its change is journaled too.
inline constexpr TCodeJournal CodeJournalChampCourbe = -29;
// The removal of a lens-group row left empty; the index is the row.
inline constexpr TCodeJournal CodeJournalRetraitLigneGroupe = -30;
// The device position dialog: index 0 the initial focus shift, index 1 the distance from the focus to the first
// surface; the value is the distance.
inline constexpr TCodeJournal CodeJournalPositionDispositif = -31;
// The Maksutov-Cassegrain's secondary on the meniscus, index 0 or 1.
inline constexpr TCodeJournal CodeJournalSecondaireSurMenisque = -32;
// Closes a command that wrote several records: the index is how many records before it the command wrote, which
// undo and redo then take as one step. It changes nothing itself.
inline constexpr TCodeJournal CodeJournalFinCommande = -33;

// ---- Tools -------------------------------------------------------------------------------------------------------

// Written after the homothety and the optimisation by journals of other versions, which replayed each change a second
// time: the change is in its own record (-23, -24), so these replay as nothing.
inline constexpr TCodeJournal CodeJournalHomothetie = 9001;
inline constexpr TCodeJournal CodeJournalOptimisationDiametres = 9002;
// A catalogue glass chosen for a table row: the index is the device row, or the lens-group row plus
// DecalageLigneGroupeVerre; the value packs the three indices in ten columns each, then the glass name.
inline constexpr TCodeJournal CodeJournalVerreCatalogue = 9003;
inline constexpr std::int32_t DecalageLigneGroupeVerre = 100;
// An off-axis distance, as journals of other versions wrote it: the star's outside the device view (index 0), the
// device section's image in it (index 1 when the rays are shown). Its replay can only follow the view shown then, so
// the distances are now journaled under their field codes (SaisieDistanceAxeEtoile, SaisieDistanceAxeImage).
inline constexpr TCodeJournal CodeJournalDistanceHorsAxe = 9004;

// ---- Settings dialogs, their settings packed in fixed columns ----------------------------------------------------

inline constexpr TCodeJournal CodeJournalPreferences = 9101;
// The instrument's tints: the index is the mirrors' tint, the value the lenses'.
inline constexpr TCodeJournal CodeJournalTeintesInstrument = 9102;
inline constexpr TCodeJournal CodeJournalTeintesDispositif = 9103;
inline constexpr TCodeJournal CodeJournalConfigChamp = 9104;
inline constexpr TCodeJournal CodeJournalConfigEtoiles = 9105;
inline constexpr TCodeJournal CodeJournalConfigEtoileUnique = 9106;

// ---- Values of the sheet -----------------------------------------------------------------------------------------
// Mostly ten times the form's family plus the value's place in it; forms that behave alike share their family's
// code, named after the first of them: Newton (also the Maksutov-Newton for the flat), Schmidt (also the Maksutov,
// the Maksutov-Newton and the Schmidt-Newton), Schmidt-Cassegrain (also the Maksutov-Cassegrain), Maksutov (also the
// Maksutov-Cassegrain and the Maksutov-Newton), Houghton (both Houghton forms).

inline constexpr TCodeSaisie SaisieDiametreEntreeNewton = 1;
inline constexpr TCodeSaisie SaisieFocalePrimaireNewton = 2;
inline constexpr TCodeSaisie SaisieDeformationPrimaireNewton = 4;
inline constexpr TCodeSaisie SaisieDiametreSecondaireNewton = 5;
inline constexpr TCodeSaisie SaisieDistanceSecondaireFoyerNewton = 6;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireNewton = 7;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireNewton = 8;

inline constexpr TCodeSaisie SaisieDiametreEntreeCassegrain = 11;
inline constexpr TCodeSaisie SaisieFocalePrimaireCassegrain = 12;
inline constexpr TCodeSaisie SaisieFocaleResultanteCassegrain = 13;
inline constexpr TCodeSaisie SaisieDiametreSecondaireCassegrain = 14;
// Also the Maksutov-Cassegrain's.
inline constexpr TCodeSaisie SaisieDegagementFoyerCassegrain = 15;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireCassegrain = 16;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireCassegrain = 17;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralCassegrain = 18;

inline constexpr TCodeSaisie SaisieDiametreEntreeRitchey = 21;
inline constexpr TCodeSaisie SaisieFocalePrimaireRitchey = 22;
inline constexpr TCodeSaisie SaisieFocaleResultanteRitchey = 23;
inline constexpr TCodeSaisie SaisieDiametreSecondaireRitchey = 24;
inline constexpr TCodeSaisie SaisieDegagementFoyerRitchey = 25;
inline constexpr TCodeSaisie SaisieDeformationPrimaireRitchey = 26;
inline constexpr TCodeSaisie SaisieDeformationSecondaireRitchey = 27;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireRitchey = 28;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireRitchey = 29;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralRitchey = 30;
// The Ritchey-Chrétien's second deformation coefficient of the secondary, the one negative value code.
inline constexpr TCodeSaisie SaisieDeformationSecondaire2 = -27;

inline constexpr TCodeSaisie SaisieDiametreEntreeGregory = 31;
inline constexpr TCodeSaisie SaisieFocalePrimaireGregory = 32;
inline constexpr TCodeSaisie SaisieFocaleResultanteGregory = 33;
inline constexpr TCodeSaisie SaisieDiametreSecondaireGregory = 34;
inline constexpr TCodeSaisie SaisieDegagementFoyerGregory = 35;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireGregory = 36;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireGregory = 37;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralGregory = 38;

inline constexpr TCodeSaisie SaisieDiametreEntreeSchmidt = 51;
// The mirror behind the plate or the meniscus.
inline constexpr TCodeSaisie SaisieDiametreMiroir = 52;
// Also the Schmidt-Cassegrain's.
inline constexpr TCodeSaisie SaisieRayonCourburePrimaireSchmidt = 53;
// The Schmidt camera's focal length under both its labels, and the Schmidt-Newton's primary focal length.
inline constexpr TCodeSaisie SaisieFocaleSchmidt = 54;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireSchmidt = 55;
// The plate or meniscus: its thickness, its distance to the mirror, and the Schmidt camera's coefficient K.
inline constexpr TCodeSaisie SaisieEpaisseurLame = 56;
inline constexpr TCodeSaisie SaisieDistanceLameMiroir = 561;
inline constexpr TCodeSaisie SaisieCoefficientK = 562;
// The spectral lines of the plate-glass table.
inline constexpr TCodeSaisie SaisieLongueurOndeRougeLame = 57;
inline constexpr TCodeSaisie SaisieLongueurOndeVerteLame = 58;
inline constexpr TCodeSaisie SaisieLongueurOndeBleueLame = 59;
// The Schmidt plates' deformation coefficient.
inline constexpr TCodeSaisie SaisieDeformationLame = 69;

inline constexpr TCodeSaisie SaisieDiametreEntreeSchmidtCassegrain = 61;
inline constexpr TCodeSaisie SaisieFocalePrimaireSchmidtCassegrain = 62;
inline constexpr TCodeSaisie SaisieFocaleResultanteSchmidtCassegrain = 63;
inline constexpr TCodeSaisie SaisieDiametreSecondaireSchmidtCassegrain = 64;
inline constexpr TCodeSaisie SaisieDegagementFoyerSchmidtCassegrain = 65;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireSchmidtCassegrain = 66;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireSchmidtCassegrain = 67;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralSchmidtCassegrain = 68;

inline constexpr TCodeSaisie SaisieDistanceDiaphragmeMiroirMaksutov = 71;
inline constexpr TCodeSaisie SaisieRayonCourburePrimaireMaksutov = 72;
inline constexpr TCodeSaisie SaisieDiametreMenisque = 73;
inline constexpr TCodeSaisie SaisieRayonMenisque1 = 74;
inline constexpr TCodeSaisie SaisieRayonMenisque2 = 75;

inline constexpr TCodeSaisie SaisieFocaleResultanteMaksutovCassegrain = 81;
inline constexpr TCodeSaisie SaisieDeformationPrimaireMaksutovCassegrain = 82;
inline constexpr TCodeSaisie SaisieDeformationSecondaireMaksutovCassegrain = 83;

inline constexpr TCodeSaisie SaisieDiametreEntreeSchwarzschild = 101;
inline constexpr TCodeSaisie SaisieFocalePrimaireSchwarzschild = 102;
inline constexpr TCodeSaisie SaisieFocaleResultanteSchwarzschild = 103;
inline constexpr TCodeSaisie SaisieDiametreSecondaireSchwarzschild = 104;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireSchwarzschild = 106;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireSchwarzschild = 107;

inline constexpr TCodeSaisie SaisieDiametreEntreeDallKirkham = 111;
inline constexpr TCodeSaisie SaisieFocalePrimaireDallKirkham = 112;
inline constexpr TCodeSaisie SaisieFocaleResultanteDallKirkham = 113;
inline constexpr TCodeSaisie SaisieDiametreSecondaireDallKirkham = 114;
inline constexpr TCodeSaisie SaisieDegagementFoyerDallKirkham = 115;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireDallKirkham = 116;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireDallKirkham = 117;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralDallKirkham = 118;

inline constexpr TCodeSaisie SaisieDiametreEntreeKlevtsov = 121;
inline constexpr TCodeSaisie SaisieRayonCourburePrimaireKlevtsov = 122;
// The Klevtsov's mirror to its lens group.
inline constexpr TCodeSaisie SaisieDistanceDiaphragmeMiroirKlevtsov = 123;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralKlevtsov = 124;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireKlevtsov = 125;

inline constexpr TCodeSaisie SaisieDiametreEntreeHoughton = 131;
inline constexpr TCodeSaisie SaisieDiametreMiroirHoughton = 132;
inline constexpr TCodeSaisie SaisieRayonCourburePrimaireHoughton = 133;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireHoughton = 135;
inline constexpr TCodeSaisie SaisieDistanceSecondaireFoyerHoughton = 136;
inline constexpr TCodeSaisie SaisieDiametreSecondaireHoughton = 137;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireHoughton = 138;

inline constexpr TCodeSaisie SaisieDiametreSecondaireHoughtonCassegrain = 141;
inline constexpr TCodeSaisie SaisieFocaleResultanteHoughtonCassegrain = 142;
inline constexpr TCodeSaisie SaisieDegagementFoyerHoughtonCassegrain = 143;
inline constexpr TCodeSaisie SaisieDiametreTrouCentralHoughtonCassegrain = 144;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireHoughtonCassegrain = 145;

inline constexpr TCodeSaisie SaisieFocaleResultanteSchmidtNewton = 153;
inline constexpr TCodeSaisie SaisieDiametreSecondaireSchmidtNewton = 154;
inline constexpr TCodeSaisie SaisieDistanceSecondaireFoyerSchmidtNewton = 155;
inline constexpr TCodeSaisie SaisieEpaisseurPrimaireSchmidtNewton = 156;
inline constexpr TCodeSaisie SaisieEpaisseurSecondaireSchmidtNewton = 157;

// The journal code of an instrument value that several forms edit under codes of their own: the first code of its
// group, whatever the form.
inline constexpr TCodeJournal CodeJournalDiametreEntree = SaisieDiametreEntreeNewton;
inline constexpr TCodeJournal CodeJournalEpaisseurPrimaire = SaisieEpaisseurPrimaireNewton;
inline constexpr TCodeJournal CodeJournalEpaisseurSecondaire = SaisieEpaisseurSecondaireNewton;
inline constexpr TCodeJournal CodeJournalFocalePrimaire = SaisieFocalePrimaireCassegrain;
inline constexpr TCodeJournal CodeJournalFocaleResultante = SaisieFocaleResultanteCassegrain;
inline constexpr TCodeJournal CodeJournalDiametreSecondaire = SaisieDiametreSecondaireCassegrain;
inline constexpr TCodeJournal CodeJournalDegagementFoyer = SaisieDegagementFoyerCassegrain;
inline constexpr TCodeJournal CodeJournalDiametreTrouCentral = SaisieDiametreTrouCentralCassegrain;

// ---- The device title, the spectral lines and the tables' cells --------------------------------------------------

inline constexpr TCodeSaisie SaisieTitreDispositif = 1000;
// The spectral lines of the edited table, lens device or lens group. A record's index names the table whose indices
// the change read again: 1 the lens device (also 0, as older journals wrote it), 2 the lens group, 3 the plate glass.
inline constexpr TCodeSaisie SaisieLongueurOndeRouge = 1001;
inline constexpr TCodeSaisie SaisieLongueurOndeVerte = 1002;
inline constexpr TCodeSaisie SaisieLongueurOndeBleue = 1003;

// The lens device's row: radius, thickness, diameter, the three indices and the glass of the medium behind it.
inline constexpr TCodeSaisie SaisieRayonDioptre = 2001;
inline constexpr TCodeSaisie SaisieEpaisseurDioptre = 2002;
inline constexpr TCodeSaisie SaisieDiametreDioptre = 2003;
inline constexpr TCodeSaisie SaisieIndiceRouge = 2004;
inline constexpr TCodeSaisie SaisieIndiceVert = 2005;
inline constexpr TCodeSaisie SaisieIndiceBleu = 2006;
inline constexpr TCodeSaisie SaisieMatiereDioptre = 2007;

// The off-axis distances of the single star and of the lens-device section, also their journal codes: the image's
// record has index 1 when the section's light rays are shown, else 0.
inline constexpr TCodeSaisie SaisieDistanceAxeEtoile = 2009;
inline constexpr TCodeSaisie SaisieDistanceAxeImage = 2010;

// The lens group's row.
inline constexpr TCodeSaisie SaisieRayonGroupe = 2011;
inline constexpr TCodeSaisie SaisieEpaisseurGroupe = 2012;
inline constexpr TCodeSaisie SaisieDiametreGroupe = 2013;
inline constexpr TCodeSaisie SaisieIndiceRougeGroupe = 2014;
inline constexpr TCodeSaisie SaisieIndiceVertGroupe = 2015;
inline constexpr TCodeSaisie SaisieIndiceBleuGroupe = 2016;
inline constexpr TCodeSaisie SaisieMatiereGroupe = 2017;

// The Klevtsov's mirror row below its lens group: the secondary's radius, size (also the sheet's secondary of that
// form) and thickness.
inline constexpr TCodeSaisie SaisieRayonLigneMiroir = 2018;
inline constexpr TCodeSaisie SaisieDiametreLigneMiroir = 2019;
inline constexpr TCodeSaisie SaisieEpaisseurLigneMiroir = 2020;

// The glass of the Schmidt plate or of the meniscus, kept in the lens group's first row.
inline constexpr TCodeSaisie SaisieIndiceRougeLame = 2054;
inline constexpr TCodeSaisie SaisieIndiceVertLame = 2055;
inline constexpr TCodeSaisie SaisieIndiceBleuLame = 2056;
inline constexpr TCodeSaisie SaisieMatiereLame = 2057;

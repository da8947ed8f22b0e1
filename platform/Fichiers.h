// Files on disk: exists, delete, move, and text files read and written line by line.
// Texts in the program are UTF-8. Design files and the glass catalogue are written in Windows-1252 with CR LF (a
// character it lacks becomes "?"); the configuration and the journal in UTF-8 with LF. Every reader takes either
// encoding (a file that is valid UTF-8 is read as UTF-8) and either line end. Paths take "/" and "\" alike.
#pragma once

#include <memory>
#include <string>

enum class TCodage
{
    Windows1252, // CR LF
    Utf8 // LF
};

// The state after the last operation on a text file, like the I/O result checked after each line.
enum class TErreurFichier
{
    Aucune,
    Introuvable, // the file or its folder does not exist
    Verrouille, // in use by another program
    AccesRefuse,
    Lecture,
    Ecriture
};

class ILectureTexte
{
public:
    virtual ~ILectureTexte() = default;
    // The next line, without its line end. False at the end of the file (ligne then empty) or on an error.
    virtual bool LitLigne(std::string& ligne) = 0;
    // Whether the line last read ended with a line end: false for the last line of a file that stops inside it,
    // the trace of a write that was cut.
    virtual bool LigneTerminee() const = 0;
    virtual bool Fin() const = 0;
    virtual TErreurFichier Erreur() const = 0;
};

class IEcritureTexte
{
public:
    virtual ~IEcritureTexte() = default;
    // False once any write has failed; every later line is refused too.
    virtual bool EcritLigne(const std::string& ligne) = 0;
    // Flushes and closes. A replacing writer then puts the new file in place of the target. False when anything
    // failed: the target is then as it was before. A writer destroyed without Termine leaves the target as it was.
    virtual bool Termine() = 0;
    virtual TErreurFichier Erreur() const = 0;
};

enum class TModeEcriture
{
    Remplace, // write a new file, which replaces the target only once complete
    Ajoute // append to the file, creating it when missing
};

class IFichiers
{
public:
    virtual ~IFichiers() = default;
    virtual bool Existe(const std::string& chemin) = 0;
    virtual bool Supprime(const std::string& chemin) = 0;
    // Renames (a backup is a move, not a copy); an existing file of the new name is replaced.
    virtual bool Deplace(const std::string& ancien, const std::string& nouveau) = 0;
    // Always returns a reader; when the file cannot be opened its Erreur() says why and LitLigne returns false.
    virtual std::unique_ptr<ILectureTexte> OuvreLecture(const std::string& chemin) = 0;
    // Always returns a writer; when the file cannot be created its Erreur() says why and every call fails.
    // With cheminSauvegarde given (Remplace only), the previous target is kept under that name, replacing an older
    // one, when the new file takes its place.
    virtual std::unique_ptr<IEcritureTexte> OuvreEcriture(const std::string& chemin, TCodage codage,
                                                          TModeEcriture mode = TModeEcriture::Remplace,
                                                          const std::string& cheminSauvegarde = {}) = 0;
};

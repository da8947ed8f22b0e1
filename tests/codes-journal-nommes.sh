#!/usr/bin/env bash
# Every journal and field code is written by its name from editing/CodesJournal.h: a code written as a number cannot
# be found when its meaning is searched for, and a new command could take a number already in use. This check looks,
# in the code (comments and texts removed), for the places where a number stands for a code:
#   - the numbers that can only be codes: the spectral lines, the table cells, the tools and the settings dialogs;
#   - a code compared with, or set to, a number other than 0;
#   - a case label of a switch on a code;
#   - a record built with a number for its code, or a number given to the routines that journal or open a code.
# Usage: codes-journal-nommes.sh <source folder> <folder>...
set -euo pipefail

racine=$1
shift

cd "$racine"
find "$@" \( -name '*.cpp' -o -name '*.h' \) ! -name CodesJournal.h | sort | xargs awk '
  BEGIN {
    fin = "([^0-9A-Za-z_.]|$)"
    distinctif = "(^|[^0-9A-Za-z_.])-?(100[1-3]|200[1-9]|201[0-9]|2020|205[4-7]|900[1-4]|910[1-6]|56[12])" fin
    compare = "([Cc]ode[A-Za-z]*|quitte)[ \t]*(==|!=|<=|>=|<|>|=)[ \t]*-?[1-9][0-9]*([^0-9.]|$)"
    enregistrement = "[{][ \t]*(-[1-9][0-9]*[ \t]*,[^,{}]+,[^,{}]+[}]|[1-9][0-9]*[ \t]*,[ \t]*-?[0-9]+[ \t]*,[ \t]*\")"
    appel = "(Journalise[A-Za-z]*|OuvreCellule|OuvreChampDeCode|StockeValeur|StockeOuRefuse|Conclut|Tape)[(][ \t]*-?[1-9][0-9]*[ \t]*[,)]"
    etiquette = "case[ \t]+-?[0-9]+[ \t]*:"
  }
  FNR == 1 { surCode = 0 }
  {
    ligne = $0
    # Comments, character and string literals blanked out.
    sub(/\/\/.*$/, "", ligne)
    gsub(/\047([^\047\\]|\\.)\047/, "\047\047", ligne)
    gsub(/"([^"\\]|\\.)*"/, "\"\"", ligne)
    if (ligne ~ /switch[ \t]*[(]/)
      surCode = (ligne ~ /[Cc]ode|quitte/)
    if (ligne ~ distinctif || ligne ~ compare || ligne ~ enregistrement || ligne ~ appel || (surCode && ligne ~ etiquette)) {
      print FILENAME ":" FNR ": " $0
      fautes++
    }
  }
  END {
    if (fautes > 0) {
      print fautes " code(s) written as numbers: name them in editing/CodesJournal.h"
      exit 1
    }
  }
'

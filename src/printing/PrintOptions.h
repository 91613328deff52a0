// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <string>

namespace dravik::printing {

enum class RecordsIncluded { None = 0, ValuesOnly = 1, AllData = 2 }; // optRec
enum class RecordDate { None = 0, Full = 1, Year = 2 };               // optRDat
enum class NameStyle { FullName = 0, Initials = 1 };                  // optVol
enum class GateNames { None, EntryOrder, DrawOrder };                 // chkPopt(0) / chkPopt(1)
enum class ProgrammeKind { Standard = 0, FullGate = 1 };              // optPrt

// The options of the Print tab that the programme printouts read.
struct PrintOptions {
    Language language = Language::English;
    ProgrammeKind kind = ProgrammeKind::Standard;
    RecordsIncluded records = RecordsIncluded::None;
    RecordDate recordDate = RecordDate::None;
    bool allDays = true;  // chkDDae
    int day = 1;          // the number in cmbDDae, used when allDays is false
    double fontSize = 12; // points
    GateNames names = GateNames::None;
    NameStyle nameStyle = NameStyle::FullName;
    int resultLines = 3;              // optPlace: 3, 6 or 9
    bool alternativeLanguage = false; // chkTaal
    bool ids = false;                 // the gate booklet prints each entrant's athlete code or team number
};

} // namespace dravik::printing

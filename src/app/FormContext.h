// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "programme/Language.h"
#include "records/RecordSetList.h"

#include <QString>

namespace dravik {

class AppSession;
class GridModel;

// The values of one main window that its tabs share. The window owns them and
// hands each tab this struct; a tab never reaches the window itself.
struct FormContext {
    Language lang;
    AppSession& session;
    GridModel& programme;      // flxProg: the working copy of the programme
    MeetingDetails& meeting;   // re-read at each activation
    RecordSetList& recordSets; // Atld61 as at the last activation
    double& printFontSize;     // points, for every printout

    QString text(const char* name) const;
};

} // namespace dravik

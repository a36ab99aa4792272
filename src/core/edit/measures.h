#pragma once

#include "core/chart/chart.h"

namespace tarveno {

// The checks of the insert and delete dialogs (the dialog stays open when they fail).
// Insert: first measure number v1 >= 1, count v2 >= 1, v1 + v2 < 472.
bool insertValuesAccepted(int v1, int v2);
// Delete: first measure number v1 >= 1, v1 <= last v2, v2 < 472.
bool deleteValuesAccepted(int v1, int v2);

// Opens count empty measures at measure number start (row start - 1), pushing the following
// measures back; only measures pushed past number 471 are lost. Steps, freeze bits and beat
// types move together. Returns false, changing nothing, when insertValuesAccepted fails.
bool insertMeasures(Chart& chart, int start, int count);

// Empties measure numbers first..last. With closeGap the following measures move forward and
// the freed rows at the end of the table are emptied. Returns false, changing nothing, when
// deleteValuesAccepted fails.
bool deleteMeasures(Chart& chart, int first, int last, bool closeGap);

}  // namespace tarveno

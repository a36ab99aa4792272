#pragma once

#include <QString>

#include "core/result.h"

class QWidget;

namespace tarveno {

struct AppContext;
class DocumentHost;

// Opens a simfile into the document (the unsaved-changes check is the caller's): with more
// than one readable chart the user picks one; positions that need snapping are snapped only
// after the user agrees; the report is shown when it changed anything. Cancel, No or a file
// that cannot be read leave the chart as it was (false then). Finishes the opening.
bool openSimfileDocument(AppContext& context, DocumentHost& host, const QString& path);

// Writes the chart as a .sm file and shows the report when it changed anything.
Status saveSimfileDocument(AppContext& context, QWidget* parent, const QString& path);

// Writes the chart back into chart `index` of the .sm it came from, keeping the rest of the
// file, and shows the report as saveSimfileDocument does.
Status saveSimfileChartBack(AppContext& context, QWidget* parent, const QString& path, size_t index);

}  // namespace tarveno

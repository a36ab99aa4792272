#include "gui/app/edit_info_window.h"

#include "gui/app/app_context.h"

namespace tarveno {

// Placeholder until the statistics window lands.
EditInfoWindow::EditInfoWindow(AppContext& context, QWidget* mainWindow) : QDialog(mainWindow), context_(context) {
  setObjectName(QStringLiteral("frmEditInfo"));
  setWindowTitle(QStringLiteral("譜面情報"));
}

void EditInfoWindow::computeChartStats() {}

}  // namespace tarveno

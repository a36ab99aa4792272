#include "gui/songs/options_dialog.h"

#include "gui/app/app_context.h"

namespace tarveno {

// Placeholder until the properties dialog lands.
OptionsDialog::OptionsDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmOptions"));
  setWindowTitle(QStringLiteral("設定"));
}

}  // namespace tarveno

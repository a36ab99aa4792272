#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace tarveno {

// The buttons the program's dialogs end with, right-aligned in a row: cmdOK ("OK"), the default
// button that Enter presses, and cmdCancel, which rejects the dialog as Esc and the window frame
// do. What OK does is the caller's to connect.
struct DialogButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QHBoxLayout* row = nullptr;
};
DialogButtons dialogButtons(QDialog* dialog, const QString& cancelCaption);

}  // namespace tarveno

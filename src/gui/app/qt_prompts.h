#pragma once

#include "gui/app/prompts.h"

namespace tarveno {

// The real dialogs: QMessageBox, QFileDialog, QColorDialog, QFontDialog.
class QtPrompts : public Prompts {
 public:
  Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon) override;
  std::optional<FileChoice> openFile(QWidget* parent, const QString& filter, const QString& initialPath,
                                     int initialFilterIndex) override;
  std::optional<FileChoice> saveFile(QWidget* parent, const QString& filter, const QString& initialPath,
                                     int initialFilterIndex) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
  std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
};

// "a|*.x|b|*.y" -> Qt's "a (*.x);;b (*.y)" name filters, in order.
QStringList qtNameFilters(const QString& windowsFilter);

}  // namespace tarveno

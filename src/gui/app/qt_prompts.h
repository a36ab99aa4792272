#pragma once

#include "gui/app/prompts.h"

namespace tarveno {

// The real dialogs: QMessageBox, QFileDialog, QColorDialog, QFontDialog, QPrintDialog.
class QtPrompts : public Prompts {
 public:
  Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon) override;
  std::optional<FileChoice> openFile(QWidget* parent, const FileDialog& dialog) override;
  std::optional<FileChoice> saveFile(QWidget* parent, const FileDialog& dialog) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
  std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
  bool print(QWidget* parent, QPrinter& printer) override;
};

// "text|pattern|text|pattern" -> Qt's name filters, in order, each built from its pattern part:
// "JPEG(*.jpg; *.jpeg)|*.jpg;*.jpeg" gives "JPEG (*.jpg *.jpeg)".
QStringList qtNameFilters(const QString& windowsFilter);

// The extension a name saved under a filter entry gets: the first pattern's ("*.jpg;*.jpeg" -> "jpg").
// Entries are 1-based; empty when the entry has no plain "*.ext" pattern.
QString defaultSuffixOf(const QString& windowsFilter, int filterIndex);

}  // namespace tarveno

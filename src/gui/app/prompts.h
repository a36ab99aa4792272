#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace tarveno {

// Every message box and platform dialog goes through here, so tests can answer them.
class Prompts {
 public:
  enum class Buttons { Ok, YesNo, YesNoCancel };
  enum class Icon { None, Question, Exclamation, Information, Critical };
  enum class Answer { Ok, Yes, No, Cancel };

  struct FileChoice {
    QString path;
    int filterIndex = 1;  // 1-based entry of the filter that was selected
  };

  // A file dialog: filter uses "text|pattern|text|pattern"; initialPath is the name last
  // chosen; an empty title leaves the platform's own.
  struct FileDialog {
    QString filter;
    QString initialPath;
    int initialFilterIndex = 1;
    QString title;
  };

  virtual ~Prompts() = default;

  virtual Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon) = 0;
  virtual std::optional<FileChoice> openFile(QWidget* parent, const FileDialog& dialog) = 0;
  // Asks before overwriting an existing file. A name typed without an extension gets the one
  // of the selected type, so the file can be opened again by its name.
  virtual std::optional<FileChoice> saveFile(QWidget* parent, const FileDialog& dialog) = 0;
  virtual std::optional<QColor> color(QWidget* parent, const QColor& initial) = 0;
  virtual std::optional<QFont> font(QWidget* parent, const QFont& initial) = 0;
  // The platform's print dialog on the printer; false when the user cancelled it.
  virtual bool print(QWidget* parent, QPrinter& printer) = 0;

  // The program's one kind of failure box: "Error", the text, OK and the exclamation icon.
  void error(QWidget* parent, const QString& text) {
    message(parent, QStringLiteral("Error"), text, Buttons::Ok, Icon::Exclamation);
  }
  void error(QWidget* parent, const std::string& text) { error(parent, QString::fromStdString(text)); }
};

}  // namespace tarveno

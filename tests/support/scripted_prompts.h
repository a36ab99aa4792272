#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "gui/app/prompts.h"

namespace tarveno::testing {

// Answers dialogs from a script and records every message shown. A dialog that nobody
// scripted is a test failure (it would block a real user), reported through `unexpected`.
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    QString title;
    QString text;
    Buttons buttons;
    Icon icon;
  };

  // Queue answers, consumed in order by the matching kind of dialog.
  void answerMessage(Answer a) { messages_.push_back(a); }
  void answerOpen(std::optional<FileChoice> c) { opens_.push_back({c.has_value(), c.value_or(FileChoice{})}); }
  void answerSave(std::optional<FileChoice> c) { saves_.push_back({c.has_value(), c.value_or(FileChoice{})}); }
  void answerColor(std::optional<QColor> c) { colors_.push_back(std::move(c)); }
  void answerFont(std::optional<QFont> f) { fonts_.push_back(std::move(f)); }
  // A print dialog's answer: sets up the printer as the user would and says whether they accepted.
  void answerPrint(std::function<bool(QPrinter&)> answer) { prints_.push_back(std::move(answer)); }
  // Runs instead of a queued answer when set (e.g. to drive a nested modal dialog).
  std::function<Answer(const Shown&)> onMessage;

  Answer message(QWidget* parent, const QString& title, const QString& text, Buttons buttons, Icon icon) override;
  std::optional<FileChoice> openFile(QWidget* parent, const FileDialog& dialog) override;
  std::optional<FileChoice> saveFile(QWidget* parent, const FileDialog& dialog) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial) override;
  std::optional<QFont> font(QWidget* parent, const QFont& initial) override;
  bool print(QWidget* parent, QPrinter& printer) override;

  std::vector<Shown> shown;             // every message box, in order
  std::vector<FileDialog> fileDialogs;  // every file dialog asked for, in order
  int unexpected = 0;                   // dialogs that had no scripted answer

  bool allAnswersUsed() const {
    return messages_.empty() && opens_.empty() && saves_.empty() && colors_.empty() && fonts_.empty() &&
           prints_.empty();
  }

 private:
  std::deque<Answer> messages_;
  // Kept without std::optional: copying a disengaged optional QString trips GCC's
  // maybe-uninitialized warning in optimised builds.
  struct ScriptedFile {
    bool chosen;
    FileChoice choice;
  };
  std::optional<FileChoice> takeFile(std::deque<ScriptedFile>& queue);
  template <class T>
  std::optional<T> take(std::deque<std::optional<T>>& queue);

  std::deque<ScriptedFile> opens_;
  std::deque<ScriptedFile> saves_;
  std::deque<std::optional<QColor>> colors_;
  std::deque<std::optional<QFont>> fonts_;
  std::deque<std::function<bool(QPrinter&)>> prints_;
};

}  // namespace tarveno::testing

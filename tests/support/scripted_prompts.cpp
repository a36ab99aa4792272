#include "support/scripted_prompts.h"

namespace tarveno::testing {

Prompts::Answer ScriptedPrompts::message(QWidget*, const QString& title, const QString& text, Buttons buttons,
                                         Icon icon) {
  shown.push_back({title, text, buttons, icon});
  if (onMessage) return onMessage(shown.back());
  if (messages_.empty()) {
    // Plain OK boxes need no script; anything asking a question does.
    if (buttons == Buttons::Ok) return Answer::Ok;
    ++unexpected;
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
  }
  Answer a = messages_.front();
  messages_.pop_front();
  return a;
}

std::optional<Prompts::FileChoice> ScriptedPrompts::takeFile(std::deque<ScriptedFile>& queue) {
  if (queue.empty()) {
    ++unexpected;
    return std::nullopt;
  }
  ScriptedFile next = queue.front();
  queue.pop_front();
  if (!next.chosen) return std::nullopt;
  return next.choice;
}

std::optional<Prompts::FileChoice> ScriptedPrompts::openFile(QWidget*, const FileDialog& dialog) {
  fileDialogs.push_back(dialog);
  return takeFile(opens_);
}

std::optional<Prompts::FileChoice> ScriptedPrompts::saveFile(QWidget*, const FileDialog& dialog) {
  fileDialogs.push_back(dialog);
  return takeFile(saves_);
}

template <class T>
std::optional<T> ScriptedPrompts::take(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) {
    ++unexpected;
    return std::nullopt;
  }
  auto next = queue.front();
  queue.pop_front();
  return next;
}

std::optional<QColor> ScriptedPrompts::color(QWidget*, const QColor&) {
  return take(colors_);
}
std::optional<QFont> ScriptedPrompts::font(QWidget*, const QFont&) {
  return take(fonts_);
}

bool ScriptedPrompts::print(QWidget*, QPrinter& printer) {
  if (prints_.empty()) {
    ++unexpected;
    return false;
  }
  const std::function<bool(QPrinter&)> answer = std::move(prints_.front());
  prints_.pop_front();
  return answer(printer);
}

}  // namespace tarveno::testing

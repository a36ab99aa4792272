#include "gui/app/qt_prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace tarveno {

QStringList qtNameFilters(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    // The text often shows the patterns already ("JPEG(*.jpg; *.jpeg)"), in a form Qt would read
    // as patterns of its own ("*.jpg;"): they are taken off and written again from the pattern part.
    QString text = parts[i].trimmed();
    if (text.endsWith(QLatin1Char(')')) && text.contains(QLatin1Char('('))) {
      text.truncate(text.lastIndexOf(QLatin1Char('(')));
    }
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'))) {
      if (!pattern.trimmed().isEmpty()) patterns << pattern.trimmed();
    }
    filters << QStringLiteral("%1 (%2)").arg(text.trimmed(), patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

Prompts::Answer QtPrompts::message(QWidget* parent, const QString& title, const QString& text, Buttons buttons,
                                   Icon icon) {
  QMessageBox box(parent);
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case Icon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case Icon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case Icon::Exclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case Icon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case Icon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == Buttons::YesNoCancel ? Answer::Cancel : (buttons == Buttons::YesNo ? Answer::No : Answer::Ok);
  }
}

QString defaultSuffixOf(const QString& windowsFilter, int filterIndex) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  const qsizetype at = 2 * (filterIndex - 1) + 1;
  if (filterIndex < 1 || at >= parts.size()) return {};
  const QString first = parts[at].split(QLatin1Char(';')).first().trimmed();
  if (!first.startsWith(QLatin1String("*."))) return {};
  const QString suffix = first.mid(2);
  if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
  return suffix;
}

namespace {

std::optional<Prompts::FileChoice> runFileDialog(QWidget* parent, const Prompts::FileDialog& request, bool save) {
  QFileDialog dialog(parent);
  if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = qtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.initialFilterIndex >= 1 && request.initialFilterIndex <= filters.size()) {
    dialog.selectNameFilter(filters[request.initialFilterIndex - 1]);
  }
  if (save) {
    // The name's extension decides the format; a bare name gets the selected type's, so that
    // it is written in that type and opens again by its name.
    auto follow = [&dialog, &request, filters](const QString& selected) {
      dialog.setDefaultSuffix(defaultSuffixOf(request.filter, static_cast<int>(filters.indexOf(selected)) + 1));
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
  }
  if (!request.initialPath.isEmpty()) dialog.selectFile(request.initialPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  Prompts::FileChoice choice;
  choice.path = dialog.selectedFiles().first();
  choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (choice.filterIndex < 1) choice.filterIndex = 1;
  return choice;
}

}  // namespace

std::optional<Prompts::FileChoice> QtPrompts::openFile(QWidget* parent, const FileDialog& dialog) {
  return runFileDialog(parent, dialog, false);
}

std::optional<Prompts::FileChoice> QtPrompts::saveFile(QWidget* parent, const FileDialog& dialog) {
  return runFileDialog(parent, dialog, true);
}

std::optional<QColor> QtPrompts::color(QWidget* parent, const QColor& initial) {
  QColor c = QColorDialog::getColor(initial, parent);
  if (!c.isValid()) return std::nullopt;
  return c;
}

std::optional<QFont> QtPrompts::font(QWidget* parent, const QFont& initial) {
  bool ok = false;
  QFont f = QFontDialog::getFont(&ok, initial, parent);
  if (!ok) return std::nullopt;
  return f;
}

bool QtPrompts::print(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tarveno

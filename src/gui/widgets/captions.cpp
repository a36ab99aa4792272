#include "gui/widgets/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace tarveno {

QString Captions::text(const char* source) const {
  return QCoreApplication::translate(context_, source);
}

QLabel* Captions::label(const char* source, QWidget* parent) {
  auto* label = new QLabel(parent);
  keep(label, source);
  return label;
}

void Captions::keep(QLabel* label, const char* source) {
  keep([label](const QString& text) { label->setText(text); }, source);
}

void Captions::keep(QAbstractButton* button, const char* source) {
  keep([button](const QString& text) { button->setText(text); }, source);
}

void Captions::keep(QGroupBox* group, const char* source) {
  keep([group](const QString& text) { group->setTitle(text); }, source);
}

void Captions::keep(QAction* action, const char* source) {
  keep([action](const QString& text) { action->setText(text); }, source);
}

void Captions::keep(QMenu* menu, const char* source) {
  keep([menu](const QString& text) { menu->setTitle(text); }, source);
}

void Captions::keepWindowTitle(QWidget* window, const char* source) {
  keep([window](const QString& text) { window->setWindowTitle(text); }, source);
}

void Captions::keepItems(QComboBox* box, std::initializer_list<const char*> sources) {
  for (const char* source : sources) {
    const int index = box->count();
    box->addItem(QString());
    keep([box, index](const QString& text) { box->setItemText(index, text); }, source);
  }
}

void Captions::apply() const {
  for (const auto& [set, source] : texts_) set(text(source));
}

void Captions::keep(std::function<void(const QString&)> set, const char* source) {
  set(text(source));
  texts_.emplace_back(std::move(set), source);
}

}  // namespace tarveno

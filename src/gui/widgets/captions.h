#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QWidget;

namespace tarveno {

// The fixed texts of one window, kept as their source texts so that the window can put every
// one of them into the installed language again when the language changes while it is open.
// The sources are marked for the translation tools (QT_TR_NOOP in the window's own members,
// QT_TRANSLATE_NOOP elsewhere) in the context given here. Each text is set at once when it is
// kept. Texts built from the window's state are not kept here: the window rebuilds those.
class Captions {
 public:
  explicit Captions(const char* context) : context_(context) {}

  // The source in the installed language.
  QString text(const char* source) const;

  QLabel* label(const char* source, QWidget* parent);
  void keep(QLabel* label, const char* source);
  void keep(QAbstractButton* button, const char* source);
  void keep(QGroupBox* group, const char* source);  // its title
  void keep(QAction* action, const char* source);
  void keep(QMenu* menu, const char* source);  // its title
  void keepWindowTitle(QWidget* window, const char* source);
  // Adds the items, in this order.
  void keepItems(QComboBox* box, std::initializer_list<const char*> sources);

  // Sets every kept text again, in the language installed now.
  void apply() const;

 private:
  void keep(std::function<void(const QString&)> set, const char* source);

  const char* context_;
  std::vector<std::pair<std::function<void(const QString&)>, const char*>> texts_;
};

}  // namespace tarveno

#include "gui/gui_test_helpers.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include "support/test_paths.h"

namespace tarveno::testing {

Catalogue testCatalogue() {
  Catalogue catalogue;
  std::tie(catalogue.SongList[0], catalogue.SongList[1], catalogue.SongList[2], catalogue.SongList[3]) =
      std::tuple(SongRecord{"Test Song", 1, 150, 120, 1, 1, 0}, SongRecord{"Meter Song", 2, 150, 60, 1, 1, 1},
                 SongRecord{"Long Song", 3, 150, 300, 1, 1, 0}, SongRecord{"Short Song", 4, 150, 2, 1, 1, 0});
  return catalogue;
}

void MainWindowHarness::moveTo(QPoint client) {
  lastPoint_ = client;
  // Sent straight to the client area: QTest::mouseMove without a held button only moves the
  // platform cursor, which delivers nothing when the cursor already stands there.
  QWidget* canvas = window_->canvas();
  QMouseEvent event(QEvent::MouseMove, QPointF(client), QPointF(canvas->mapToGlobal(client)), Qt::NoButton,
                    QApplication::mouseButtons(), Qt::NoModifier);
  QApplication::sendEvent(canvas, &event);
}

void MainWindowHarness::click(QPoint client, Qt::MouseButton button) {
  moveTo(client);
  press(button);
  release(button);
}

void MainWindowHarness::wheel(int rotation) {
  QWidget* canvas = window_->canvas();
  const QPointF pos(lastPoint_);
  QWheelEvent event(pos, canvas->mapToGlobal(pos), QPoint(), QPoint(0, rotation), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &event);
}

void withModal(const std::function<void()>& command, const std::function<void(QDialog&)>& answer) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      seen = true;
      answer(*dialog);
    }
  });
  command();
  EXPECT_TRUE(seen);
}

QString modalOf(const std::function<void()>& command) {
  QString name;
  withModal(command, [&](QDialog& d) {
    name = d.objectName();
    d.reject();
  });
  return name;
}

void type(const QObject& parent, const char* name, const char* utf8) {
  child<QLineEdit>(parent, QString::fromLatin1(name))->setText(QString::fromUtf8(utf8));
}

void click(const QObject& parent, const char* name) {
  QWidget* w = child(parent, QString::fromLatin1(name));
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->click();
  QTest::mouseClick(w, Qt::LeftButton);
}

namespace {

QString quoted(const QString& text) {
  return QLatin1Char('"') + text + QLatin1Char('"');
}

// One indented line of a description: the parts that are not empty, separated by blanks.
QString line(QStringList parts) {
  parts.removeAll(QString());
  return QStringLiteral("  ") + parts.join(QLatin1Char(' '));
}

QString actionLine(const QString& name, const QString& caption, const QAction& a) {
  auto on = [](bool set, const char* word) { return set ? QString::fromLatin1(word) : QString(); };
  return line({name, quoted(caption), on(!a.isEnabled(), "disabled"), on(!a.isVisible(), "hidden"),
               on(a.isCheckable(), a.isChecked() ? "checked" : "unchecked"),
               on(a.actionGroup() && a.actionGroup()->isExclusive(), "exclusive"),
               a.shortcut().isEmpty() ? QString() : QStringLiteral("key ") + a.shortcut().toString()});
}

}  // namespace

QString describeCommands(MainWindow& window) {
  QStringList out;
  for (QAction* menu : window.menuBar()->actions()) {
    out << QStringLiteral("menu %1 %2").arg(menu->objectName(), quoted(menu->text()));
    for (QAction* a : menu->menu()->actions()) {
      out << (a->isSeparator() ? line({a->objectName(), QStringLiteral("-")})
                               : actionLine(a->objectName(), a->text(), *a));
    }
  }
  out << QStringLiteral("toolbar Toolbar1");
  auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  for (QAction* a : toolbar->actions()) {
    auto* b = qobject_cast<QToolButton*>(toolbar->widgetForAction(a));
    out << (a->isSeparator() ? QStringLiteral("  |")
                             : actionLine(QStringLiteral("%1 image %2 -> %3")
                                              .arg(b->objectName())
                                              .arg(b->property("imageIndex").toInt())
                                              .arg(a->objectName()),
                                          b->toolTip(), *a));
  }
  out << QStringLiteral("status StatusBar1");
  for (auto* panel : window.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    out << line({panel->objectName(), quoted(panel->text())});
  }
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString describeControls(const QWidget& dialog) {
  QStringList out{QStringLiteral("%1 %2").arg(dialog.objectName(), quoted(dialog.windowTitle()))};
  for (QWidget* w : dialog.findChildren<QWidget*>()) {
    // Qt's own widgets (named "qt_...", or the insides of combo boxes and tab bars) may change
    // with Qt; the snapshot keeps to the program's.
    bool qtsOwn = w->objectName().startsWith(QLatin1String("qt_"));
    for (QWidget* p = w->parentWidget(); p != &dialog; p = p->parentWidget()) {
      qtsOwn = qtsOwn || qobject_cast<QComboBox*>(p) || qobject_cast<QTabBar*>(p);
    }
    if (qtsOwn) continue;
    QStringList parts{QString::fromLatin1(w->metaObject()->className()),
                      w->objectName().isEmpty() ? QStringLiteral("-") : w->objectName()};
    if (auto* label = qobject_cast<QLabel*>(w)) {
      parts << quoted(label->text()) << (label->pixmap().isNull() ? QString() : QStringLiteral("picture"));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      auto* push = qobject_cast<QPushButton*>(w);
      parts << quoted(button->text()) << (push && push->isDefault() ? QStringLiteral("default") : QString());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      parts << quoted(edit->text()) << (edit->isReadOnly() ? QStringLiteral("read-only") : QString())
            << (edit->maxLength() != 32767 ? QStringLiteral("max %1").arg(edit->maxLength()) : QString());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) parts << quoted(combo->itemText(i));
      parts << QStringLiteral("selected %1").arg(combo->currentIndex());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) parts << quoted(tabs->tabText(i));
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) parts << quoted(tabs->tabText(i));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      parts << quoted(group->title());
    } else if (w->objectName().isEmpty()) {
      continue;
    }
    out << line(parts << (w->isEnabled() ? QString() : QStringLiteral("disabled")));
  }
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace tarveno::testing

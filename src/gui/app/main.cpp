#include <QApplication>

#include "gui/app/startup.h"

int main(int argc, char** argv) {
  // The name picks the configuration folder (~/.config/tarveno) and ties the windows to the
  // desktop entry and its icon.
  QApplication::setApplicationName(QStringLiteral("tarveno"));
  QApplication::setDesktopFileName(QStringLiteral("org.tarveno.Tarveno"));
  QApplication app(argc, argv);
  return tarveno::StartUp(app);
}

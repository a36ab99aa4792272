#include <QApplication>

#include "gui/app/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return tarveno::StartUp(app);
}

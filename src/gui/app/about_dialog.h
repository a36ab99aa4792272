#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace tarveno {

// "version 1.05": major, a point and the last two digits of the minor number.
QString versionText(int major, int minor);

// frmAbout, "バージョン情報": product name, version, maker's notice and contacts, "OK".
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The title and the notice in the language in force.
  void retranslate();

  QLabel* notice_ = nullptr;
};

}  // namespace tarveno

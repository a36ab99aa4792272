#pragma once

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tarveno {

// What an accepted measure dialog hands back; Cancel gives nothing.
struct MeasureRequest {
  int first = 0;          // measure number to insert at, or the first to delete
  int second = 0;         // how many to insert, or the last to delete
  bool closeGap = false;  // delete only: the following measures move up
};

// frmInsert ("小節挿入") and frmDelete ("小節削除"): the boxes start empty at every opening, each
// read by its leading number rounded halves to even; OK with numbers the edit would refuse
// keeps the dialog open without a word. cmdOK is the default button, cmdCancel answers Esc.
class MeasureDialog : public QDialog {
  Q_OBJECT
 public:
  enum class Kind { Insert, Delete };
  MeasureDialog(Kind kind, QWidget* parent);

  // Shows the dialog modally.
  static std::optional<MeasureRequest> ask(Kind kind, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void okClicked();

  Kind kind_;
  QLineEdit* txtStart_ = nullptr;
  QLineEdit* txtSecond_ = nullptr;  // txtLength or txtEnd
  QCheckBox* chkPush_ = nullptr;
  std::array<QLabel*, 3> labels_{};  // before the first box, after it, after the second
  MeasureRequest request_;
};

}  // namespace tarveno

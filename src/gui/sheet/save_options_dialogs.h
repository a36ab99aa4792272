#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "render/image_export.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tarveno {

class Captions;

// frmSavePNG, "PNGで保存": the compression option of a PNG export. exec() it; OK accepts,
// closing it any other way (frame, Esc) rejects and nothing is saved.
class SavePngDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SavePngDialog(QWidget* parent);
  ~SavePngDialog() override;

  // pngOption: the index of the selected option button.
  PngOption option() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  std::unique_ptr<Captions> captions_;
  std::array<QRadioButton*, 3> optValue_{};
  QPushButton* cmdOK_ = nullptr;
};

// frmSaveJPEG, "JPEGで保存": quality 1..100 (95 at opening) and the progressive flag.
class SaveJpegDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SaveJpegDialog(QWidget* parent);
  ~SaveJpegDialog() override;

  int quality() const;
  bool progressive() const;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  std::unique_ptr<Captions> captions_;
  QSlider* sldValue_ = nullptr;
  QLabel* lblValue_ = nullptr;
  QCheckBox* chkProgressive_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

}  // namespace tarveno

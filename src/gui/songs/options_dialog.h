#pragma once

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace tarveno {

struct AppContext;
class Captions;

// frmOptions, "設定": the chart properties dialog. exec() it; it stores into the chart on OK.
// Panel picOptions0 belongs to tab 0 ("mc"), picOptions1 to tab 1 ("KRUN"): the panel index is
// the tab index, both counted from 0.
class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(AppContext& context, QWidget* parent);
  ~OptionsDialog() override;

  // The operations of the dialog, public so the main window's tests can drive them.
  void loadSettings();
  void filterSongs();
  void showSongDetails();
  // Stores the input into the chart; false (nothing stored) after showing why it was refused.
  bool applySettings();
  void autoTitle();
  // Shows the tab of the given index (0 "mc", 1 "KRUN"), e.g. the one of a field a save needs.
  void showTab(int tab);

 protected:
  // Puts the captions into the language installed now.
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildSongPanel();
  void createSongChoice(QWidget* panel);
  QGroupBox* createEditionLabels(QWidget* panel);
  void createChartFields(QWidget* panel);
  QWidget* buildKrunPanel();
  void okClicked();

  AppContext& context_;
  std::unique_ptr<Captions> captions_;
  bool centred_ = false;

  QTabWidget* tbsOptions_ = nullptr;
  std::array<QWidget*, 2> picOptions_{};

  QComboBox* cmbVer_ = nullptr;
  QCheckBox* chkNewOnly_ = nullptr;
  QComboBox* cmbTitle_ = nullptr;
  QLabel* lblCode_ = nullptr;
  QLabel* lblSize_ = nullptr;
  QLabel* lblBpm_ = nullptr;
  std::array<QLabel*, 12> lblInVerAC_{};
  std::array<QLabel*, 11> lblInVerPS_{};
  QLineEdit* txtName_ = nullptr;
  QComboBox* cmbStyle_ = nullptr;
  QComboBox* cmbLevel_ = nullptr;
  QLineEdit* txtLevel_ = nullptr;

  QLineEdit* txtKRUNTitle_ = nullptr;
  QPushButton* cmdAutoTitle_ = nullptr;
  QLineEdit* txtKRUNWidth_ = nullptr;
  QLineEdit* txtKRUNHeight_ = nullptr;
  QLineEdit* txtKRUNComment_ = nullptr;

  QPushButton* cmdOK_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
};

}  // namespace tarveno

#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/edit/history.h"
#include "core/edit/transforms.h"
#include "gui/app/autosave.h"
#include "gui/app/document_commands.h"
#include "gui/app/edit_info_window.h"
#include "gui/editor/canvas_renderer.h"
#include "gui/editor/canvas_widget.h"
#include "gui/editor/editor_state.h"
#include "gui/editor/grid_modes.h"
#include "gui/editor/key_editor.h"
#include "gui/editor/mouse_editor.h"
#include "gui/play/playback_session.h"
#include "render/arrow_images.h"
#include "render/toolbar_images.h"
#include "words/language.h"

class QAction;
class QActionGroup;
class QLabel;
class QScrollBar;
class QToolBar;

namespace tarveno {

struct AppContext;

// Form1: the main window with the editor canvas, its menus, toolbar and status bar.
// Every command is one QAction shared by the menu and the toolbar, named after its menu item
// ("M_New"; separators "M_Line1", submenus "M_File"). "Toolbar1" shows the actions as buttons
// named by their keys ("New", "Divide4", "FAmode", ...). Further children: "VScroll1",
// "StatusBar1" with the panels "StatusPanel1", "pnlPosX" and "pnlPosY", the client area
// "ClientArea", the measure numbers "LblNum0".."LblNum4" and the selection markers
// "ImgSel0".."ImgSel3" (the indexed control sets, index appended).
class MainWindow : public QMainWindow,
                   public DocumentHost,
                   private EditorHost,
                   private GridModeView,
                   private CanvasInput {
  Q_OBJECT
 public:
  explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The window's load: grid state, ResetChart, then the command-line file when there is one.
  // Runs once the window is shown, so the layout sees its real size.
  void load(const QString& commandLine);
  // Offers the charts that editors which ended without cleaning up left unsaved: restored
  // (modified, under the name they came from) or discarded, one question each.
  void offerRecovery();

  // DocumentHost
  QWidget* dialogParent() override { return this; }
  void resetChart() override;
  void finishOpening(const QString& path) override;
  void openSettingsDialog(int tab = 0) override;
  void closeStatistics() override;
  void documentSaved(const QString& path, bool keptEverything) override;

  // LayoutEditor, RedrawCanvas and UpdateEditCommands, for every command that needs them.
  void layoutEditor();
  void redrawCanvas() override;
  void updateEditCommands() override;

  // The command of a menu item, by its name ("M_Copy").
  QAction* action(const QString& name) const { return actions_.value(name); }

  // Undo and redo of the last chart edit (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z).
  void undo();
  void redo();

  EditorState& editorState() { return state_; }
  const EditorState& editorState() const { return state_; }
  CanvasWidget* canvas() const { return canvas_; }
  const QImage& frame() const { return canvas_->currentFrame(); }
  EditInfoWindow* statisticsWindow() const { return editInfo_; }
  const ArrowImages& arrowImages() const { return arrows_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A new language: the menus and the toolbar's tips are written again in it.
  void changeEvent(QEvent* event) override;

 private:
  enum class MenuKind;
  struct MenuItem;
  struct Menu;
  void buildCommands();
  // The menu bar as it reads, item by item, with each item's command and first state.
  static std::vector<Menu> menuTree();
  void addMenu(const Menu& menu, QActionGroup& divisions);
  // The captions of the menus and the toolbar's tips, in the language in force.
  void retranslateCommands();
  // "言語 / Language" at the end of the View menu: each choice applies at once to every window
  // and is kept in the user's settings.
  void buildLanguageMenu();
  void chooseLanguage(Language language);
  void buildToolbar();
  void buildStatusBar();
  void buildCanvasChildren();
  void placeToolbar();
  QSize defaultClientSize() const;
  static int deviceScale();
  void applyOutput();
  void buildShortcuts();
  void buildEditingKeys();
  void buildNudgeKeys();

  // Playback: made on first use, so the audio output is looked up only then.
  PlaybackSession& playback();
  bool isPlaying() const;
  void stopPlayback();
  // The playhead moved: drawn there, and the view scrolls to keep it in its upper half.
  void followPlayhead(double beat);
  // [ and ]: the playing song's music offset by deltaMs, shown in the status bar.
  void nudgeMusicOffset(int deltaMs);
  // A click on the canvas while playing only stops it; its release must not edit either.
  bool swallowRelease_ = false;
  // Playback starting while a button is held ends that button's gesture.
  void endGesture();

  // The one way the chart changes: the state before is taken, the change applied, the step
  // committed to the history, Modified follows the history, the window shows it and the
  // canvas is redrawn. A mouse gesture (press to release) is one such step.
  void edit(const std::function<void()>& apply);
  void finishEdit(const Snapshot& before);
  // Modified, the window title and the undo/redo commands follow the history; redraws.
  void historyChanged();
  Snapshot snapshot() const;
  void restore(const Snapshot& state);
  // The title ("name.mc[*] - TARVENO", or "TARVENO" for a new chart), its modified mark, and
  // the undo and redo commands' states.
  void showDocumentState();
  void restoreRecovered(Document recovered);
  void transformSelection(Transform transform);
  void editMeasures(bool insert);

  // Command handlers, one per menu item.
  void M_Undo_Click() { undo(); }
  void M_Redo_Click() { redo(); }
  void M_New_Click();
  void M_Open_Click();
  void M_Save_Click();
  void M_End_Click();
  void M_Cut_Click();
  void M_Copy_Click();
  void M_Paste_Click();
  void M_Ins_Click();
  void M_Del_Click();
  void M_MirrorV_Click();
  void M_MirrorH_Click();
  void M_TurnLeft_Click();
  void M_TurnRight_Click();
  void M_Mirror_Click();
  void M_Divide4_Click() { modes_.divide(4); }
  void M_Divide8_Click() { modes_.divide(8); }
  void M_Divide16_Click() { modes_.divide(16); }
  void M_Divide12_Click() { modes_.divide(12); }
  void M_FAmode_Click() { modes_.toggleFreezeMode(); }
  void M_Setting_Click() { openSettingsDialog(); }
  void M_AllView_Click();
  void M_EditInfo_Click();
  void M_Sound_Click();
  void M_PlaySetting_Click();
  void M_About_Click();

  // EditorHost
  void clearPositionTexts() override;
  int scrollValue() const override;
  int scrollMinimum() const override;
  int scrollMaximum() const override;
  void setScrollValue(int value) override;
  int visibleRows() const override;
  int rowsUnderToolbar() const override;

  // GridModeView
  void showDivide(int divide) override;
  void showFreezeMode(bool on) override;

  // CanvasInput
  void canvasMouseMove(int x, int y) override { editor_.mouseMove(x, y); }
  void canvasMouseDown(int button) override;
  void canvasMouseUp(int button) override;
  void canvasWheel(int rotation) override { editor_.wheel(rotation); }
  void canvasLeft() override;

  AppContext& context_;
  EditorState state_;
  ArrowImages arrows_;
  ToolbarImages toolbarImages_;
  GridModes modes_;
  CursorCells cells_;
  MouseEditor editor_;
  KeyEditor keys_;
  DocumentCommands commands_;
  CanvasOutput output_;

  CanvasWidget* canvas_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QScrollBar* vscroll_ = nullptr;
  QLabel* panel1_ = nullptr;
  QLabel* pnlPosX_ = nullptr;
  QLabel* pnlPosY_ = nullptr;
  std::array<QLabel*, geometry::kLabelCount> lblNum_{};
  std::array<QLabel*, geometry::kMarkerCount> imgSel_{};
  QHash<QString, QAction*> actions_;
  QPointer<EditInfoWindow> editInfo_;
  NoAudioOutput noAudio_;
  std::unique_ptr<PlaybackSession> playback_;
  // The chart when the buttons went down: a whole gesture is one undo step.
  std::optional<Snapshot> gestureStart_;
  // The recovery copy of unsaved work; null when this run keeps none.
  Autosave* autosave_ = nullptr;
};

}  // namespace tarveno

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "gui/app/about_dialog.h"
#include "gui/app/app_context.h"
#include "gui/app/main_window.h"
#include "gui/sheet/sheet_view.h"

namespace tarveno {

namespace {

struct ToolButton {
  const char* key;  // empty for a separator
  const char* tooltip;
  int image;
  const char* command;
};

const ToolButton kToolButtons[] = {
    {"New", QT_TRANSLATE_NOOP("tarveno::MainWindow", "新規作成"), kImgNewPage, "M_New"},
    {"Open", QT_TRANSLATE_NOOP("tarveno::MainWindow", "開く"), kImgOpenFolder, "M_Open"},
    {"Save", QT_TRANSLATE_NOOP("tarveno::MainWindow", "保存"), kImgDisk, "M_Save"},
    {"", "", 0, ""},
    {"Cut", QT_TRANSLATE_NOOP("tarveno::MainWindow", "切り取り"), kImgScissors, "M_Cut"},
    {"Copy", QT_TRANSLATE_NOOP("tarveno::MainWindow", "コピー"), kImgCopy, "M_Copy"},
    {"Paste", QT_TRANSLATE_NOOP("tarveno::MainWindow", "貼り付け"), kImgPaste, "M_Paste"},
    {"", "", 0, ""},
    {"Divide4", QT_TRANSLATE_NOOP("tarveno::MainWindow", "４分入力"), kImgQuarter, "M_Divide4"},
    {"Divide8", QT_TRANSLATE_NOOP("tarveno::MainWindow", "８分入力"), kImgEighth, "M_Divide8"},
    {"Divide16", QT_TRANSLATE_NOOP("tarveno::MainWindow", "１６分入力"), kImgSixteenth, "M_Divide16"},
    {"Divide12", QT_TRANSLATE_NOOP("tarveno::MainWindow", "３連符入力"), kImgTriplet, "M_Divide12"},
    {"FAmode", QT_TRANSLATE_NOOP("tarveno::MainWindow", "フリーズアロー"), kImgFreeze, "M_FAmode"},
    {"", "", 0, ""},
    {"set", QT_TRANSLATE_NOOP("tarveno::MainWindow", "EDIT設定"), kImgCharSet, "M_Setting"},
    {"", "", 0, ""},
    {"all", QT_TRANSLATE_NOOP("tarveno::MainWindow", "全体ビュー"), kImgCharAll, "M_AllView"},
    {"inf", QT_TRANSLATE_NOOP("tarveno::MainWindow", "譜面情報"), kImgCharInfo, "M_EditInfo"},
};

}  // namespace

enum class MainWindow::MenuKind { Plain, Check, Division, Separator };

struct MainWindow::MenuItem {
  const char* name;
  const char* caption;  // "&" marks the access key; no item has a keyboard shortcut
  void (MainWindow::*handler)() = nullptr;
  MenuKind kind = MenuKind::Plain;
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

struct MainWindow::Menu {
  const char* name;
  const char* caption;
  std::vector<MenuItem> items;
};

void MainWindow::buildCommands() {
  auto* divisions = new QActionGroup(this);
  divisions->setExclusive(true);
  for (const Menu& menu : menuTree()) addMenu(menu, *divisions);
  buildLanguageMenu();
  retranslateCommands();
}

std::vector<MainWindow::Menu> MainWindow::menuTree() {
  using W = MainWindow;
  using Kind = MenuKind;
  const auto separator = [](const char* name) { return MenuItem{name, "-", nullptr, Kind::Separator}; };
  return {
      {"M_File",
       QT_TR_NOOP("ファイル(&F)"),
       {{"M_New", QT_TR_NOOP("新規作成(&N)"), &W::M_New_Click},
        {"M_Open", QT_TR_NOOP("開く(&O)"), &W::M_Open_Click},
        {"M_Save", QT_TR_NOOP("保存(&S)"), &W::M_Save_Click},
        separator("M_Line1"),
        {"M_End", QT_TR_NOOP("TARVENOの終了(&X)"), &W::M_End_Click}}},
      {"M_Edit",
       QT_TR_NOOP("編集(&E)"),
       {{"M_Undo", QT_TR_NOOP("元に戻す(&U)"), &W::M_Undo_Click, Kind::Plain, false},
        {"M_Redo", QT_TR_NOOP("やり直し(&Y)"), &W::M_Redo_Click, Kind::Plain, false},
        separator("M_Line6"),
        {"M_Cut", QT_TR_NOOP("切り取り(&T)"), &W::M_Cut_Click, Kind::Plain, false},
        {"M_Copy", QT_TR_NOOP("コピー(&C)"), &W::M_Copy_Click, Kind::Plain, false},
        {"M_Paste", QT_TR_NOOP("貼り付け(&P)"), &W::M_Paste_Click, Kind::Plain, false},
        separator("M_Line4"),
        {"M_Ins", QT_TR_NOOP("小節挿入(&I)"), &W::M_Ins_Click},
        {"M_Del", QT_TR_NOOP("小節削除(&D)"), &W::M_Del_Click},
        separator("M_Line2"),
        {"M_MirrorV", QT_TR_NOOP("上下反転(&V)"), &W::M_MirrorV_Click, Kind::Plain, false},
        {"M_MirrorH", QT_TR_NOOP("左右反転(&H)"), &W::M_MirrorH_Click, Kind::Plain, false},
        {"M_TurnLeft", QT_TR_NOOP("左90゜回転(&L)"), &W::M_TurnLeft_Click, Kind::Plain, false},
        {"M_TurnRight", QT_TR_NOOP("右90゜回転(&R)"), &W::M_TurnRight_Click, Kind::Plain, false},
        {"M_Mirror", QT_TR_NOOP("180゜回転(&M)"), &W::M_Mirror_Click, Kind::Plain, false},
        separator("M_Line5"),
        {"M_Divide4", QT_TR_NOOP("４分入力(&4)"), &W::M_Divide4_Click, Kind::Division, true, true},
        {"M_Divide8", QT_TR_NOOP("８分入力(&8)"), &W::M_Divide8_Click, Kind::Division},
        {"M_Divide16", QT_TR_NOOP("１６分入力(&1)"), &W::M_Divide16_Click, Kind::Division},
        {"M_Divide12", QT_TR_NOOP("３連符入力(&3)"), &W::M_Divide12_Click, Kind::Division},
        {"M_FAmode", QT_TR_NOOP("フリーズアロー(&F)"), &W::M_FAmode_Click, Kind::Check},
        separator("M_Line3"),
        {"M_Setting", QT_TR_NOOP("EDIT設定(&S)"), &W::M_Setting_Click}}},
      {"M_View",
       QT_TR_NOOP("表示(&V)"),
       {{"M_AllView", QT_TR_NOOP("全体ビュー(&A)"), &W::M_AllView_Click},
        {"M_EditInfo", QT_TR_NOOP("譜面情報(&I)"), &W::M_EditInfo_Click},
        {"M_Sound", QT_TR_NOOP("サウンド再生(&S)"), &W::M_Sound_Click},
        {"M_PlaySetting", QT_TR_NOOP("再生設定(&P)..."), &W::M_PlaySetting_Click}}},
      {"M_Help", QT_TR_NOOP("ヘルプ(&H)"), {{"M_About", QT_TR_NOOP("バージョン情報(&A)"), &W::M_About_Click}}},
  };
}

void MainWindow::addMenu(const Menu& menu, QActionGroup& divisions) {
  // The captions come from retranslateCommands, in the language in force.
  QMenu* submenu = menuBar()->addMenu(QString());
  submenu->setObjectName(QString::fromUtf8(menu.name));
  submenu->menuAction()->setObjectName(QString::fromUtf8(menu.name));
  for (const MenuItem& item : menu.items) {
    const QString name = QString::fromUtf8(item.name);
    const bool separator = item.kind == MenuKind::Separator;
    QAction* action = separator ? submenu->addSeparator() : submenu->addAction(QString());
    action->setObjectName(name);
    actions_.insert(name, action);
    if (separator) continue;
    action->setCheckable(item.kind == MenuKind::Check || item.kind == MenuKind::Division);
    if (item.kind == MenuKind::Division) divisions.addAction(action);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
    action->setIconVisibleInMenu(false);
    // Every other command stops playback before it runs: nothing edits, opens, saves or asks
    // while the chart plays.
    if (item.handler != &MainWindow::M_Sound_Click)
      connect(action, &QAction::triggered, this, &MainWindow::stopPlayback);
    connect(action, &QAction::triggered, this, item.handler);
  }
}

void MainWindow::buildToolbar() {
  toolbar_ = new QToolBar(canvas_);
  toolbar_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar_->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setAutoFillBackground(true);
  for (const ToolButton& entry : kToolButtons) {
    if (*entry.key == '\0') {
      toolbar_->addSeparator();
      continue;
    }
    QAction* action = actions_.value(QString::fromUtf8(entry.command));
    action->setIcon(QIcon(QPixmap::fromImage(toolbarImages_.transparent(entry.image))));
    toolbar_->addAction(action);
    auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action));
    button->setObjectName(QString::fromUtf8(entry.key));
    button->setProperty("imageIndex", entry.image);
    // A click on a button, unlike the same command from the menu, shows its effect at once
    // and leaves no cursor on the canvas. The action's handler has run by now.
    connect(button, &QToolButton::clicked, this, [this] {
      state_.cursor.valid = false;
      redrawCanvas();
    });
  }
  retranslateCommands();
  placeToolbar();
  toolbar_->raise();
  vscroll_->raise();
}

void MainWindow::retranslateCommands() {
  for (const Menu& menu : menuTree()) {
    if (auto* submenu = findChild<QMenu*>(QString::fromUtf8(menu.name))) submenu->setTitle(tr(menu.caption));
    for (const MenuItem& item : menu.items) {
      if (item.kind != MenuKind::Separator) action(QString::fromUtf8(item.name))->setText(tr(item.caption));
    }
  }
  // The toolbar is made after the menus; until then only the menus have texts.
  if (!toolbar_) return;
  for (const ToolButton& entry : kToolButtons) {
    if (*entry.key != '\0') action(QString::fromUtf8(entry.command))->setToolTip(tr(entry.tooltip));
  }
}

void MainWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  auto panel = [bar](const QString& name, int stretch, int minimumWidth) {
    auto* label = new QLabel(bar);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    bar->addWidget(label, stretch);
    return label;
  };
  panel1_ = panel(QStringLiteral("StatusPanel1"), 1, 40);
  pnlPosX_ = panel(QStringLiteral("pnlPosX"), 0, 90);
  pnlPosY_ = panel(QStringLiteral("pnlPosY"), 0, 90);
}

void MainWindow::showDivide(int divide) {
  if (QAction* a = action(QStringLiteral("M_Divide%1").arg(divide))) a->setChecked(true);
}

void MainWindow::showFreezeMode(bool on) {
  action(QStringLiteral("M_FAmode"))->setChecked(on);
}

void MainWindow::M_New_Click() {
  commands_.newChart();
}

void MainWindow::M_Open_Click() {
  commands_.open();
}

void MainWindow::M_Save_Click() {
  commands_.save();
}

void MainWindow::M_End_Click() {
  close();
}

void MainWindow::M_AllView_Click() {
  showSheetView(context_, this);
}

void MainWindow::M_EditInfo_Click() {
  if (!editInfo_) editInfo_ = new EditInfoWindow(context_, this);
  if (!editInfo_->isVisible()) editInfo_->show();
}

void MainWindow::M_About_Click() {
  AboutDialog about(this);
  about.exec();
}

}  // namespace tarveno

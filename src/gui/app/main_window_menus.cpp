#include "gui/app/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "gui/app/about_dialog.h"

namespace tarveno {

namespace {

struct MenuItem {
  const char* name;
  const char* caption;  // "-" for a separator
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

struct Menu {
  const char* name;
  const char* caption;
  std::vector<MenuItem> items;
};

// No item has a keyboard shortcut; "&" marks the access key.
const std::vector<Menu>& menuTree() {
  static const std::vector<Menu> kMenus = {
      {"M_File",
       "ファイル(&F)",
       {{"M_New", "新規作成(&N)"},
        {"M_Open", "開く(&O)"},
        {"M_Save", "保存(&S)"},
        {"M_Line1", "-"},
        {"M_End", "TARVENOの終了(&X)"}}},
      {"M_Edit",
       "編集(&E)",
       {{"M_Cut", "切り取り(&T)", false},
        {"M_Copy", "コピー(&C)", false},
        {"M_Paste", "貼り付け(&P)", false},
        {"M_Line4", "-"},
        {"M_Ins", "小節挿入(&I)"},
        {"M_Del", "小節削除(&D)"},
        {"M_Line2", "-"},
        {"M_MirrorV", "上下反転(&V)", false},
        {"M_MirrorH", "左右反転(&H)", false},
        {"M_TurnLeft", "左90゜回転(&L)", false},
        {"M_TurnRight", "右90゜回転(&R)", false},
        {"M_Mirror", "180゜回転(&M)", false},
        {"M_Line5", "-"},
        {"M_Divide4", "４分入力(&4)", true, true},
        {"M_Divide8", "８分入力(&8)"},
        {"M_Divide16", "１６分入力(&1)"},
        {"M_Divide12", "３連符入力(&3)"},
        {"M_FAmode", "フリーズアロー(&F)"},
        {"M_Line3", "-"},
        {"M_Setting", "EDIT設定(&S)"}}},
      {"M_View",
       "表示(&V)",
       {{"M_AllView", "全体ビュー(&A)"},
        {"M_EditInfo", "譜面情報(&I)"},
        {"M_Sound", "サウンド再生(&S)", false, false, false}}},
      {"M_Help", "ヘルプ(&H)", {{"M_About", "バージョン情報(&A)"}}},
  };
  return kMenus;
}

bool isCheckItem(const QString& name) {
  return name.startsWith(QLatin1String("M_Divide")) || name == "M_FAmode";
}

enum class ButtonStyle { Plain, Group, Check, Separator };

struct ToolButton {
  const char* key;
  const char* tooltip;
  int image;
  ButtonStyle style;
  const char* menu;  // the handler it invokes
  bool enabled = true;
};

const std::vector<ToolButton>& toolButtons() {
  static const std::vector<ToolButton> kButtons = {
      {"New", "新規作成", kImgNewPage, ButtonStyle::Plain, "M_New"},
      {"Open", "開く", kImgOpenFolder, ButtonStyle::Plain, "M_Open"},
      {"Save", "保存", kImgDisk, ButtonStyle::Plain, "M_Save"},
      {"", "", 0, ButtonStyle::Separator, ""},
      {"Cut", "切り取り", kImgScissors, ButtonStyle::Plain, "M_Cut", false},
      {"Copy", "コピー", kImgCopy, ButtonStyle::Plain, "M_Copy", false},
      {"Paste", "貼り付け", kImgPaste, ButtonStyle::Plain, "M_Paste", false},
      {"", "", 0, ButtonStyle::Separator, ""},
      {"Divide4", "４分入力", kImgQuarter, ButtonStyle::Group, "M_Divide4"},
      {"Divide8", "８分入力", kImgEighth, ButtonStyle::Group, "M_Divide8"},
      {"Divide16", "１６分入力", kImgSixteenth, ButtonStyle::Group, "M_Divide16"},
      {"Divide12", "３連符入力", kImgTriplet, ButtonStyle::Group, "M_Divide12"},
      {"FAmode", "フリーズアロー", kImgFreeze, ButtonStyle::Check, "M_FAmode"},
      {"", "", 0, ButtonStyle::Separator, ""},
      {"set", "EDIT設定", kImgCharSet, ButtonStyle::Plain, "M_Setting"},
      {"", "", 0, ButtonStyle::Separator, ""},
      {"all", "全体ビュー", kImgCharAll, ButtonStyle::Plain, "M_AllView"},
      {"inf", "譜面情報", kImgCharInfo, ButtonStyle::Plain, "M_EditInfo"},
  };
  return kButtons;
}

const char* divideMenu(int divide) {
  switch (divide) {
    case 8:
      return "M_Divide8";
    case 16:
      return "M_Divide16";
    case 12:
      return "M_Divide12";
    default:
      return "M_Divide4";
  }
}

}  // namespace

void MainWindow::buildMenus() {
  for (const Menu& menu : menuTree()) {
    QMenu* submenu = menuBar()->addMenu(QString::fromUtf8(menu.caption));
    submenu->setObjectName(QString::fromUtf8(menu.name));
    submenu->menuAction()->setObjectName(QString::fromUtf8(menu.name));
    for (const MenuItem& item : menu.items) {
      const QString name = QString::fromUtf8(item.name);
      QAction* action;
      if (QByteArray(item.caption) == "-") {
        action = submenu->addSeparator();
      } else {
        action = submenu->addAction(QString::fromUtf8(item.caption));
        if (isCheckItem(name)) action->setCheckable(true);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
        connect(action, &QAction::triggered, this, [this, name] { runMenuCommand(name); });
      }
      action->setObjectName(name);
      actions_.insert(name, action);
    }
  }
}

void MainWindow::buildToolbar() {
  toolbar_ = new QToolBar(canvas_);
  toolbar_->setObjectName(QStringLiteral("Toolbar1"));
  toolbar_->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setAutoFillBackground(true);
  auto* group = new QButtonGroup(toolbar_);
  group->setExclusive(true);
  for (const ToolButton& entry : toolButtons()) {
    if (entry.style == ButtonStyle::Separator) {
      toolbar_->addSeparator();
      continue;
    }
    const QString key = QString::fromUtf8(entry.key);
    auto* button = new QToolButton(toolbar_);
    button->setObjectName(key);
    button->setProperty("key", key);
    button->setProperty("imageIndex", entry.image);
    button->setToolTip(QString::fromUtf8(entry.tooltip));
    button->setIcon(QIcon(QPixmap::fromImage(toolbarImages_.transparent(entry.image))));
    button->setAutoRaise(true);
    button->setEnabled(entry.enabled);
    if (entry.style != ButtonStyle::Plain) button->setCheckable(true);
    if (entry.style == ButtonStyle::Group) group->addButton(button);
    button->setChecked(key == QLatin1String("Divide4"));
    connect(button, &QToolButton::clicked, this, [this, key] { toolbarButtonClick(key); });
    toolbar_->addWidget(button);
    buttons_.insert(key, button);
  }
  placeToolbar();
  toolbar_->raise();
  vscroll_->raise();
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

void MainWindow::setCommandHandler(const QString& menuName, std::function<void()> handler) {
  handlers_[menuName] = std::move(handler);
}

void MainWindow::runMenuCommand(const QString& name) {
  if (auto it = handlers_.find(name); it != handlers_.end()) {
    if (it->second) it->second();
    return;
  }
  if (name == QLatin1String("M_New")) {
    commands_.newChart();
  } else if (name == QLatin1String("M_Open")) {
    commands_.open();
  } else if (name == QLatin1String("M_Save")) {
    commands_.saveDone = false;
    commands_.save();
  } else if (name == QLatin1String("M_End")) {
    M_End_Click();
  } else if (name == QLatin1String("M_Divide4")) {
    M_Divide4_Click();
  } else if (name == QLatin1String("M_Divide8")) {
    M_Divide8_Click();
  } else if (name == QLatin1String("M_Divide16")) {
    M_Divide16_Click();
  } else if (name == QLatin1String("M_Divide12")) {
    M_Divide12_Click();
  } else if (name == QLatin1String("M_FAmode")) {
    M_FAmode_Click();
  } else if (name == QLatin1String("M_Setting")) {
    openSettingsDialog();
  } else if (name == QLatin1String("M_EditInfo")) {
    M_EditInfo_Click();
  } else if (name == QLatin1String("M_About")) {
    M_About_Click();
  }
  // The clipboard, insert/delete, transforms and the sheet view arrive through
  // setCommandHandler; M_Sound has no action.
}

void MainWindow::toolbarButtonClick(const QString& key) {
  for (const ToolButton& entry : toolButtons()) {
    if (entry.style != ButtonStyle::Separator && key == QString::fromUtf8(entry.key)) {
      runMenuCommand(QString::fromUtf8(entry.menu));
      break;
    }
  }
  // A division or mode change shows at once, and no cursor is left on the canvas.
  state_.cursorValid = false;
  redrawCanvas();
}

void MainWindow::showDivide(int divide) {
  if (QToolButton* button = buttons_.value(QStringLiteral("Divide%1").arg(divide))) button->setChecked(true);
  for (int d : {4, 8, 16, 12}) actions_.value(QLatin1String(divideMenu(d)))->setChecked(d == divide);
}

void MainWindow::showFreezeMode(bool on) {
  buttons_.value(QStringLiteral("FAmode"))->setChecked(on);
  actions_.value(QStringLiteral("M_FAmode"))->setChecked(on);
}

void MainWindow::M_End_Click() {
  close();
}

void MainWindow::M_About_Click() {
  AboutDialog about(this);
  about.exec();
}

}  // namespace tarveno

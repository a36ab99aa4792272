#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTranslator>

#include "gui/gui_test_helpers.h"
#include "gui/sheet/view_setting_dialog.h"
#include "words/language.h"

namespace tarveno {
namespace {

using namespace testing;

// The language changes while a dialog is open: its captions follow at once, and coming back
// to Japanese gives every control the very text it had.
TEST(DialogLanguage, AnOpenViewSettingDialogRetitlesItselfBothWays) {
  AppParts parts;
  ViewSettingDialog d(parts.context, nullptr);
  d.show();
  // A few captions of different kinds, as one line.
  auto captions = [&d] {
    const QCheckBox* show = child<QCheckBox>(d, "chkShowNum");
    return QStringList{d.windowTitle(), show->text(), qobject_cast<const QGroupBox*>(show->parent())->title(),
                       child<QPushButton>(d, "cmdHeaderFont0")->text(),
                       child<QComboBox>(d, "cmbLineStyle3")->itemText(1)}
        .join(QStringLiteral(" | "))
        .toStdString();
  };
  const std::string japanese = describeControls(d).toStdString();
  // The other tests run with the source texts and no translator at all.
  const auto restore = qScopeGuard([] {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  });

  ASSERT_TRUE(applyLanguage(*qApp, Language::English));
  QCoreApplication::sendPostedEvents();  // the language change reaches the windows as a posted event
  EXPECT_EQ(captions(), "View Settings | Show | Measure Numbers | Font | Dashed");

  applyLanguage(*qApp, Language::Japanese);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(captions(), "設定 | 表示する | 小節番号 | フォント | 鎖線");
  EXPECT_EQ(describeControls(d).toStdString(), japanese);
}

}  // namespace
}  // namespace tarveno

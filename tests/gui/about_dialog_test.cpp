#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/about_dialog.h"
#include "tarveno_version.h"

namespace tarveno {
namespace {

TEST(AboutDialogTest, ShowsTheProgramItsVersionAndContacts) {
  EXPECT_EQ(versionText(2, 0), QStringLiteral("version 2.00"));
  EXPECT_EQ(versionText(1, 38), QStringLiteral("version 1.38"));
  EXPECT_EQ(versionText(3, 123), QStringLiteral("version 3.23"));  // the last two digits of the minor

  AboutDialog about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("TARVENO"));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), versionText(kVersionMajor, kVersionMinor));
  EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("lblNotice"))->text().isEmpty());
  for (const char* name : {"txtMail", "txtUrl"}) {
    auto* box = about.findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->text().contains(QStringLiteral(".invalid")));  // no real address
  }
  auto* ok = about.findChild<QPushButton*>(QStringLiteral("Command1"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  about.show();
  ok->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace tarveno

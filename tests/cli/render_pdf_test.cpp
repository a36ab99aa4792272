#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include "cli/cli_run.h"
#include "core/sheet/view_settings.h"

namespace tarveno::testing {
namespace {

QString runPoppler(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF of a known chart, read back with the PDF tools: its pages, the searchable text of
// the header, measure numbers and footers, and page 1 at 96 dpi against the picture of the
// same rows (at 100% on A4, a sheet pixel is a page pixel, the page margin half an inch).
TEST(CliRenderPdf, PagesTextAndLookMatchThePicture) {
  TempDir dir;
  const auto input = dataDir() / "examples" / "double.mc";
  ViewSettings settings;
  settings.ShowNum = 1;
  settings.SheetMarginC = 24;
  ASSERT_TRUE(SaveViewSettings(dir / "view.dat", settings).ok());
  const std::string pdf = (dir / "sheet.pdf").string(), png = (dir / "sheet.png").string();
  const std::string view = (dir / "view.dat").string();
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"render", input.string(), pdf, "--view-settings", view, "--paper", "a4", "--portrait"},
        std::vector<std::string>{"render", input.string(), png, "--view-settings", view}}) {
    const CliResult r = runTool(args);
    ASSERT_EQ(r.status, 0) << r.err;
  }
  const QString info = runPoppler("pdfinfo", {QString::fromStdString(pdf)});
  const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  ASSERT_TRUE(pages.hasMatch()) << "pdfinfo failed: " << info.toStdString();
  const int n = pages.captured(1).toInt();
  EXPECT_GE(n, 2);  // 32 measures of a double chart do not fit one upright A4 page at full size

  const QString text = runPoppler("pdftotext", {QString::fromStdString(pdf), "-"});
  EXPECT_EQ(text.count("Morning Tide Express"), 1 + n) << "the header once, a footer a page";
  for (int page = 1; page <= n; ++page)
    EXPECT_TRUE(text.contains(QStringLiteral("%1 / %2").arg(page).arg(n))) << "no footer " << page;
  for (int m : {1, 9, 17, 32}) EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(m)))) << m;

  const QString prefix = QString::fromStdString((dir / "page").string());
  runPoppler("pdftoppm", {"-r", "96", "-f", "1", "-l", "1", "-png", "-aa", "no", "-aaVector", "no",
                          QString::fromStdString(pdf), prefix});
  const QImage page = QImage(prefix + "-1.png").convertToFormat(QImage::Format_RGB32);
  const QImage picture = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(page.isNull());
  // Row 1: four double columns fit 698 pixels (the picture goes on with the fifth).
  const QRect rows(0, 0, 4 * (136 + 24) - 24 + settings.SheetMarginH + 1, picture.height());
  auto edge = [&picture](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (picture.rect().contains(x + dx, y + dy) && picture.pixel(x + dx, y + dy) != picture.pixel(x, y))
          return true;
      }
    }
    return false;
  };
  int equal = 0, inside = 0, total = 0;
  for (int y = rows.top(); y <= rows.bottom(); ++y) {
    for (int x = rows.left(); x <= rows.right(); ++x, ++total) {
      if (page.pixel(x + 48, y + 48) == picture.pixel(x, y)) {
        ++equal;
      } else if (!edge(x, y)) {
        ++inside;
      }
    }
  }
  EXPECT_GE(equal * 100 / total, 90) << equal << " of " << total << " pixels equal";
  EXPECT_LE(inside * 1000 / total, 1) << inside << " pixels differ away from any edge";
}

}  // namespace
}  // namespace tarveno::testing

#include "render/sheet_pages_painter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "core/io/files.h"
#include "render/qt_color.h"
#include "render/sheet_painter.h"
#include "render/sheet_pens_fonts.h"

namespace tarveno {

namespace {

// Paper's sheet pixel at 100%: 0.75 pt, a pixel of a 96 dpi screen.
constexpr double kPaperPixelsPerInch = 72.0 / kSheetPointsPerPixel;
constexpr double kMarginPoints = 36;  // half an inch around the printable area
constexpr double kFooterPoints = 8;

QFont footerFont(const ViewSettings& settings) {
  QFont font = toQFont(settings.HeaderFont);
  font.setPointSizeF(kFooterPoints);
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

// The footer's band at the page's foot, in device pixels: a line of the footer font and half a
// line of space above it.
double footerHeight(int dpi) {
  return kFooterPoints * 1.2 * dpi / 72.0 * 1.5;
}

// Sheet pixels at 100% of the printable area above the footer.
QSizeF contentSize(const QPageLayout& page, int dpi) {
  const QRect paint = page.paintRectPixels(dpi);
  const double perPixel = dpi / kPaperPixelsPerInch;
  return QSizeF(paint.width() / perPixel, (paint.height() - footerHeight(dpi)) / perPixel);
}

void paintFooter(QPainter& painter, const SheetPrintSource& source, const QRectF& paint, int page, int pages) {
  painter.save();
  painter.resetTransform();
  painter.setClipping(false);
  painter.setFont(footerFont(source.settings));
  painter.setPen(Qt::black);
  const QRectF band(0, paint.height() - footerHeight(painter.device()->logicalDpiY()), paint.width(),
                    footerHeight(painter.device()->logicalDpiY()));
  const QString name = QString::fromStdString(source.title + "  " + source.editName).trimmed();
  painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, name);
  // "n / N" in three pieces: the PDF keeps no space glyphs, and a text extractor only sees a
  // space where the gap is wide enough.
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double gap = metrics.horizontalAdvance(QLatin1Char('0'));
  QRectF piece = band;
  for (const QString& text : {QString::number(pages), QStringLiteral("/"), QString::number(page)}) {
    painter.drawText(piece, Qt::AlignRight | Qt::AlignBottom, text);
    piece.setRight(piece.right() - metrics.horizontalAdvance(text) - gap);
  }
  painter.restore();
}

// A band of the sheet (sheet coordinates `from`) shown at `to` on the page, on the sheet's
// background colour, clipped to the band.
void paintBand(QPainter& painter, const SheetPrintSource& source, const QRectF& from, QPointF to,
               const SheetPart& part) {
  painter.save();
  painter.translate(to.x() - from.x(), to.y() - from.y());
  painter.setClipRect(from);
  painter.fillRect(from, toQColor(source.settings.SheetBackColor));
  paintSheetPart(painter, source.layout, source.chart, source.settings, source.images, part, source.sheetDpi);
  painter.restore();
}

void paintPage(QPainter& painter, const SheetPrintSource& source, const SheetPagePlan& plan, const SheetPage& page) {
  const SheetBands bands = sheetBands(source.layout);
  if (page.header) {
    paintBand(painter, source, QRectF(0, 0, plan.rowWidth, bands.headerHeight), QPointF(0, 0), SheetPart{0, 0, true});
  }
  for (const SheetRow& row : page.rows) {
    const QRectF from(row.firstColumn * bands.columnPitch, bands.headerHeight, bands.rowWidth(row.columnCount),
                      bands.rowHeight);
    paintBand(painter, source, from, QPointF(0, row.top), SheetPart{row.firstColumn, row.columnCount, false});
  }
}

}  // namespace

PaperName defaultPaperName() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? PaperName::Letter : PaperName::A4;
}

QPageLayout sheetPageLayout(PaperName paper, QPageLayout::Orientation orientation) {
  const QPageSize size(paper == PaperName::Letter ? QPageSize::Letter : QPageSize::A4);
  return QPageLayout(size, orientation, QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                     QPageLayout::Point);
}

SheetPagePlan planSheetPrint(const SheetLayout& layout, const QPageLayout& page, int dpi) {
  const QSizeF room = contentSize(page, dpi);
  return planSheetPages(sheetBands(layout), room.width(), room.height());
}

Status paintSheetPages(QPagedPaintDevice& device, const SheetPrintSource& source) {
  const int dpi = device.logicalDpiY();
  const QPageLayout page = device.pageLayout();
  const SheetPagePlan plan = planSheetPrint(source.layout, page, dpi);
  QPainter painter;
  if (!painter.begin(&device))
    return Error{ErrorCode::FileWrite,
                 QCoreApplication::translate("SheetPages", "印刷の準備ができませんでした。").toStdString()};
  // The arrows keep their exact colours; a PDF would otherwise store them as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  const QRectF paint = page.paintRectPixels(dpi);
  const double scale = plan.scale * dpi / kPaperPixelsPerInch;
  const int pages = static_cast<int>(plan.pages.size());
  for (int i = 0; i < pages; ++i) {
    if (i > 0 && !device.newPage())
      return Error{ErrorCode::FileWrite,
                   QCoreApplication::translate("SheetPages", "次のページを始められませんでした。").toStdString()};
    painter.save();
    painter.scale(scale, scale);
    paintPage(painter, source, plan, plan.pages[static_cast<size_t>(i)]);
    painter.restore();
    paintFooter(painter, source, paint, i + 1, pages);
  }
  if (!painter.end())
    return Error{ErrorCode::FileWrite,
                 QCoreApplication::translate("SheetPages", "印刷を終えられませんでした。").toStdString()};
  return {};
}

Result<QByteArray> sheetPdf(const SheetPrintSource& source, PaperName paper, PaperTurn turn) {
  QPageLayout::Orientation orientation = turn == PaperTurn::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (turn == PaperTurn::Fewest) {
    const int dpi = 1200;  // the writer's own resolution; the count does not depend on it much
    const size_t portrait =
        planSheetPrint(source.layout, sheetPageLayout(paper, QPageLayout::Portrait), dpi).pages.size();
    const size_t landscape =
        planSheetPrint(source.layout, sheetPageLayout(paper, QPageLayout::Landscape), dpi).pages.size();
    if (landscape < portrait) orientation = QPageLayout::Landscape;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("TARVENO"));
    writer.setTitle(QString::fromStdString(source.title));
    writer.setPageLayout(sheetPageLayout(paper, orientation));
    if (Status painted = paintSheetPages(writer, source); !painted) return painted.error();
  }
  buffer.close();
  return bytes;
}

Status saveSheetPdf(const SheetPrintSource& source, const std::filesystem::path& path, PaperName paper,
                    PaperTurn turn) {
  Result<QByteArray> bytes = sheetPdf(source, paper, turn);
  if (!bytes) {
    return Error{ErrorCode::FileWrite,
                 QCoreApplication::translate("SheetPages", "PDFファイルを保存できませんでした: %1\n%2")
                     .arg(QString::fromStdString(displayName(path)), QString::fromStdString(bytes.error().message))
                     .toStdString()};
  }
  return writeFileAtomically(path, std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

}  // namespace tarveno

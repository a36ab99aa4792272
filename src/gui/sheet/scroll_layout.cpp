#include "gui/sheet/scroll_layout.h"

namespace tarveno {

ScrollLayout layoutScrollBars(QSize client, QSize sheet, int barWidth, int barHeight) {
  const int cw = client.width();
  const int ch = client.height();
  const int sw = sheet.width();
  const int sh = sheet.height();
  ScrollLayout out;
  out.client = client;
  if (sw > cw) {
    out.state = sh - barHeight > ch ? 3 : 1;
  } else {
    out.state = sh > ch ? 2 : 0;
  }
  switch (out.state) {
    case 0:
      out.client = sheet;
      break;
    case 1:
      out.hBar = QRect(0, ch - barHeight, cw, barHeight);
      out.hMax = sw - cw;
      out.hPage = cw;
      out.client.setHeight(sh + barHeight);
      break;
    case 2:
      out.vBar = QRect(cw - barWidth, 0, barWidth, ch);
      out.vMax = sh - ch;
      out.vPage = ch;
      out.client.setWidth(sw + barWidth);
      break;
    default:
      out.blind = QRect(cw - barWidth, ch - barHeight, barWidth, barHeight);
      out.hBar = QRect(0, out.blind.top(), out.blind.left(), barHeight);
      out.vBar = QRect(out.blind.left(), 0, barWidth, out.blind.top());
      out.hMax = sw - cw + barWidth;
      out.hPage = cw - barWidth;
      out.vMax = sh - ch + barHeight;
      out.vPage = ch - barHeight;
      break;
  }
  return out;
}

}  // namespace tarveno

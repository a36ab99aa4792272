#pragma once

#include <QFont>
#include <QPen>
#include <cstdint>

#include "core/sheet/view_settings.h"

namespace tarveno {

// A stored font as Qt draws it. Names Qt does not know (the Windows defaults) are left to the
// platform's substitution, which picks an installed font rather than drawing nothing.
QFont toQFont(const FontSpec& spec);
// The six attributes a font keeps; the point size as the font gives it.
FontSpec fromQFont(const QFont& font);

// A one-pixel line in a view-setting colour and line style; LineStyle::None gives Qt::NoPen.
// The dashes follow the classic one-pixel screen pens (dash 18/6, dot 3/3, ...); the gaps are
// left unpainted.
QPen sheetPen(int32_t color, LineStyle style);

}  // namespace tarveno

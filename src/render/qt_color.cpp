#include "render/qt_color.h"

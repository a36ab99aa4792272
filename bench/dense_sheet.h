#pragma once

// The largest sheet a song can give, shared by the sheet benchmarks: 471 measures of a dense
// double chart (two arrows on every slot, a triplet every third beat, freezes where the card
// keeps them), 32 measures to a column, numbers shown.
#include <random>

#include "core/chart/chart.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"
#include "render/sheet_images.h"

namespace tarveno {

struct DenseSheet {
  DenseSheet() {
    catalogue.SongList[0] = SongRecord{"Bench Sheet", 1, 150, kStepMeasures, 1, 1, 0};
    settings.SheetBlocks = 32;
    settings.ShowNum = 1;
    chart.PlayStyle = PlayStyle::Double;
    std::mt19937 random(20240502);
    const int pairs[6] = {0x3, 0x5, 0x9, 0x6, 0xA, 0xC};
    for (int m = 0; m < kStepMeasures; ++m) {
      for (int s = 0; s < 16; ++s) {
        chart.StepData[m][s] = static_cast<uint8_t>(pairs[random() % 6] | (pairs[random() % 6] << 4));
      }
      for (int b = 0; b < 4; ++b) {
        if ((4 * m + b) % 3 == 0) chart.StepData[m][4 * b] = kTripletMark;
      }
      if (m < kFreezeMeasures) {
        for (int s = 1; s <= 7; ++s) chart.FreezeData[m][s] = 0x11;
      }
    }
    recalcAllBeatTypes(chart, catalogue);
  }

  Catalogue catalogue;
  Chart chart;
  ViewSettings settings;
  SheetImages images;
};

}  // namespace tarveno

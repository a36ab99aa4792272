#pragma once

#include <filesystem>

#include "core/chart/chart.h"
#include "core/edit/clipboard.h"
#include "core/edit/history.h"
#include "core/sheet/view_settings.h"
#include "core/songs/catalogue.h"
#include "gui/app/autosave_timing.h"
#include "words/language.h"

namespace tarveno {

class AudioOutput;
class MusicSource;
class Prompts;
class RecoveryStore;

// What the application owns and every window works on, handed around by reference.
struct AppContext {
  Document& document;
  const Catalogue& catalogue;
  ViewSettings& viewSettings;
  Prompts& prompts;
  // The beat clipboard lives for the whole run, across New and Open.
  Clipboard& clipboard;
  History& history;
  // Where an accepted view settings dialog writes view.dat.
  std::filesystem::path viewSettingsFile;
  // AutoDivide: automatic division switching while the mouse moves; on from start-up.
  bool AutoDivide = true;
  // Where playback sounds; null when this run has no sound output (playback then says so).
  AudioOutput* audio = nullptr;
  // Where a song's music is decoded; null plays without music.
  MusicSource* music = nullptr;
  // Where the 再生設定 values are kept; empty keeps them for the run only.
  std::filesystem::path playSettingsFile{};
  // Where unsaved work is copied against a crash, and when; null keeps no copy.
  RecoveryStore* recovery = nullptr;
  AutosaveTiming autosaveTiming{};
  // The language the windows speak, and where the user's choice of it is kept (empty keeps it
  // for the run only).
  Language language = Language::Japanese;
  std::filesystem::path settingsFile{};
};

}  // namespace tarveno

#pragma once

#include <QStringList>
#include <filesystem>

#include "core/songs/catalogue.h"

class QApplication;
class QWidget;

namespace tarveno {

class AudioOutput;
class MusicSource;
class Prompts;

// The file named on the command line: every argument after the program's own name, joined
// by single blanks (the shell has already taken the quotes away). Empty when there is none.
QString commandLineFileName(const QStringList& arguments);

// A relative name is taken from the folder the program was started in. Nothing else changes:
// quotes, blanks and the ending stay as given.
QString resolveCommandLineFile(const QString& fileName, const QString& launchFolder);

// LoadSongList for start-up: a missing or unreadable catalogue is reported in a message box
// and the program goes on with an empty one; records the reader dropped are reported too.
Catalogue loadCatalogueAtStartUp(const std::filesystem::path& kruidDat, Prompts& prompts, QWidget* parent);

// StartUp: automatic division on, catalogue and view settings loaded from where the program's
// paths say, the language (--lang on the command line, else the user's last choice, else
// Japanese), main window shown and loaded; then the event loop
// until the window closes. Playback sounds through `audio` with the music `music` decodes.
int StartUp(QApplication& app, AudioOutput& audio, MusicSource& music);

}  // namespace tarveno

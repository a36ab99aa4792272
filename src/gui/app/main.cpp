#include <QApplication>

#include "gui/app/startup.h"
#include "gui/media/qt_audio_output.h"
#include "gui/media/qt_music_decoder.h"
#include "gui/play/music_library.h"

int main(int argc, char** argv) {
  // The name picks the configuration folder (~/.config/tarveno) and ties the windows to the
  // desktop entry and its icon.
  QApplication::setApplicationName(QStringLiteral("tarveno"));
  QApplication::setDesktopFileName(QStringLiteral("org.tarveno.Tarveno"));
  QApplication app(argc, argv);
  // The sound device and the decoders are the program's alone: the editor's library and its
  // tests never load the platform's multimedia stack.
  tarveno::QtAudioOutput audio;
  tarveno::MusicLibrary music(tarveno::qtMusicDecoders());
  return tarveno::StartUp(app, audio, music);
}

#pragma once

#include "core/songs/song_filter.h"

class QComboBox;

namespace tarveno {

// Fills a 曲選択 list with the songs of a filter result, each entry's data its catalogue index,
// and selects the result's choice. Signals are held back while it fills, so that listeners see
// one change, not one per entry.
void fillSongList(QComboBox& list, const Catalogue& catalogue, const SongFilterResult& songs);

// Selects the song with that catalogue index when the list holds it.
void selectSong(QComboBox& list, int songIndex);

}  // namespace tarveno

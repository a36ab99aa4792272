#include "gui/songs/song_list.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tarveno {

void fillSongList(QComboBox& list, const Catalogue& catalogue, const SongFilterResult& songs) {
  QSignalBlocker block(&list);
  list.clear();
  for (int index : songs.indices) {
    list.addItem(QString::fromStdString(catalogue.SongList[static_cast<size_t>(index)].Title), index);
  }
  list.setCurrentIndex(songs.selected);
}

void selectSong(QComboBox& list, int songIndex) {
  const int position = list.findData(songIndex);
  if (position >= 0) list.setCurrentIndex(position);
}

}  // namespace tarveno

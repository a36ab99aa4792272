#include "core/chart/simfile_notes.h"

#include <numeric>
#include <string>

#include "core/chart/chart_text.h"
#include "core/chart/simfile_msd.h"

namespace tarveno {

namespace {

struct NoteReader {
  int columns;
  SimfileReport& report;
  std::vector<SimfileNote> notes;
  std::vector<int> open;  // per column: index of the open head in notes, or -1

  // A head still open when another note comes, or when the data ends, has no tail: a tap.
  void closeAsTap(int column) {
    int& index = open[static_cast<size_t>(column)];
    if (index < 0) return;
    SimfileNote& note = notes[static_cast<size_t>(index)];
    note.head = false;
    report.add(SimfileEvent::HeadWithoutTail, note.at.place());
    index = -1;
  }

  void take(char c, int column, const SimfileTime& at) {
    switch (c) {
      case '0':
        return;
      case '1':
      case '2':
      case '4':
        closeAsTap(column);
        if (c != '1') open[static_cast<size_t>(column)] = static_cast<int>(notes.size());
        notes.push_back({at, column, c == '4', c != '1', {}});
        return;
      case '3':
        if (open[static_cast<size_t>(column)] < 0) return report.add(SimfileEvent::TailWithoutHead, at.place());
        notes[static_cast<size_t>(open[static_cast<size_t>(column)])].tail = at;
        open[static_cast<size_t>(column)] = -1;
        return;
      case 'M':
        return report.add(SimfileEvent::Mine, at.place());
      case 'L':
        return report.add(SimfileEvent::Lift, at.place());
      case 'F':
        return report.add(SimfileEvent::Fake, at.place());
      case 'K':
        return report.add(SimfileEvent::Keysound, at.place());
      case 'A':
        return report.add(SimfileEvent::Attack, at.place());
      default:
        return report.add(SimfileEvent::UnknownNote, at.place());
    }
  }

  // One row: a character per column, each perhaps followed by "{...}" or "[...]".
  Status row(std::string_view text, const SimfileTime& at, size_t writtenRow) {
    int column = 0;
    std::string values;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '{' || text[i] == '[') {
        const size_t close = text.find(text[i] == '{' ? '}' : ']', i);
        i = close == std::string_view::npos ? text.size() : close;
        report.add(SimfileEvent::Annotation, at.place());
      } else {
        values += text[i];
        ++column;
      }
    }
    if (column != columns) {
      return Error{ErrorCode::BadData, chartText(ChartText::SimfileRowColumns,
                                                 {std::to_string(at.measure + 1), std::to_string(writtenRow + 1),
                                                  std::to_string(column), std::to_string(columns)})};
    }
    for (int k = 0; k < columns; ++k) take(values[static_cast<size_t>(k)], k, at);
    return {};
  }
};

std::vector<std::string_view> rowsOf(std::string_view measure) {
  std::vector<std::string_view> rows;
  size_t start = 0;
  while (start <= measure.size()) {
    size_t end = measure.find('\n', start);
    if (end == std::string_view::npos) end = measure.size();
    const std::string_view row = trimBlanks(measure.substr(start, end - start));
    if (!row.empty()) rows.push_back(row);
    start = end + 1;
  }
  return rows;
}

}  // namespace

Result<std::vector<SimfileNote>> parseNoteData(std::string_view data, int columns, SimfileReport& report) {
  NoteReader reader{columns, report, {}, std::vector<int>(static_cast<size_t>(columns), -1)};
  int measure = 0;
  size_t start = 0;
  while (start <= data.size()) {
    size_t end = data.find(',', start);
    if (end == std::string_view::npos) end = data.size();
    const auto rows = rowsOf(data.substr(start, end - start));
    for (size_t i = 0; i < rows.size(); ++i) {
      const auto n = static_cast<int64_t>(rows.size());
      const int64_t g = std::gcd(static_cast<int64_t>(i), n);
      // The reduced fraction places the note; errors name the row as written.
      Status read = reader.row(rows[i], {measure, static_cast<int64_t>(i) / g, n / g}, i);
      if (!read) return read.error();
    }
    ++measure;
    start = end + 1;
  }
  for (int k = 0; k < columns; ++k) reader.closeAsTap(k);
  return std::move(reader.notes);
}

}  // namespace tarveno

#include "core/chart/simfile_splice.h"

#include <algorithm>

#include "core/chart/chart_formats.h"
#include "core/io/files.h"
#include "core/text/cp932.h"
#include "core/text/utf8.h"

namespace tarveno {

namespace {

bool isBlankByte(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isUtf8Text(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const Utf8Character c = utf8CharacterAt(bytes, i);
    if (!c.valid) return false;
    i += c.length;
  }
  return true;
}

// The first byte of a CP932 double-byte character; its second byte may be "\", which must not
// be taken for an escape.
bool isCp932Lead(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC);
}

bool startsLine(std::string_view text, size_t i) {
  while (i > 0 && (text[i - 1] == ' ' || text[i - 1] == '\t')) --i;
  return i == 0 || text[i - 1] == '\n' || text[i - 1] == '\r';
}

struct Scanner {
  std::string_view text;
  bool cp932 = false;
  std::vector<MsdSpan> spans;
  MsdSpan param;
  size_t partBegin = 0;
  bool inside = false;

  void closePart(size_t at) { param.parts.emplace_back(partBegin, at); }

  void finish(size_t end) {
    if (!inside) return;
    param.end = end;
    const auto [nameBegin, nameEnd] = param.parts.front();
    std::string_view name = text.substr(nameBegin, nameEnd - nameBegin);
    while (!name.empty() && isBlankByte(name.front())) name.remove_prefix(1);
    while (!name.empty() && isBlankByte(name.back())) name.remove_suffix(1);
    for (char c : name) param.name += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    param.parts.erase(param.parts.begin());
    spans.push_back(std::move(param));
    param = MsdSpan{};
    inside = false;
  }

  // Handles the byte at i inside a parameter; returns the index of the last byte it used.
  size_t step(size_t i) {
    const char c = text[i];
    if (c == '#' && startsLine(text, i)) {
      closePart(i);
      finish(i);
      return begin(i);
    }
    if (c == '\\' && i + 1 < text.size()) return i + 1;
    if (c == ':') {
      closePart(i);
      partBegin = i + 1;
    } else if (c == ';') {
      closePart(i);
      finish(i + 1);
    }
    return i;
  }

  size_t begin(size_t i) {
    inside = true;
    param.begin = i;
    partBegin = i + 1;
    return i;
  }

  void run() {
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (cp932 && isCp932Lead(c) && i + 1 < text.size()) {
        ++i;  // both bytes are one character of free text
      } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
        const size_t end = text.find_first_of("\r\n", i);
        i = (end == std::string_view::npos ? text.size() : end) - 1;
      } else if (inside) {
        i = step(i);
      } else if (c == '#') {
        begin(i);
      }
    }
    if (inside) {
      closePart(text.size());
      finish(text.size());
    }
  }
};

std::pair<size_t, size_t> trimmed(std::string_view text, std::pair<size_t, size_t> range) {
  auto [b, e] = range;
  while (b < e && isBlankByte(text[b])) ++b;
  while (e > b && isBlankByte(text[e - 1])) --e;
  return {b, e};
}

std::vector<const MsdSpan*> notesBlocks(const std::vector<MsdSpan>& spans) {
  std::vector<const MsdSpan*> blocks;
  for (const MsdSpan& span : spans) {
    if (span.name == "NOTEDATA") break;  // .ssc blocks follow; they are never written
    if (span.name == "NOTES") blocks.push_back(&span);
  }
  return blocks;
}

// The ranges the chart owns in a six-part (or longer) #NOTES block: steps type, description
// (which may hold unescaped ":"), difficulty, meter and notes. The radar values are not among them.
std::vector<std::pair<size_t, size_t>> ownedRanges(const MsdSpan& block) {
  const auto& p = block.parts;
  const size_t n = p.size();
  return {p[0], {p[1].first, p[n - 5].second}, p[n - 4], p[n - 3], p[n - 1]};
}

struct Style {
  bool cp932 = false;
  bool crlf = false;
};

std::string inFileStyle(std::string_view utf8Lf, const Style& style) {
  std::string text = style.cp932 ? utf8ToCp932(utf8Lf) : std::string(utf8Lf);
  if (!style.crlf) return text;
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

}  // namespace

std::vector<MsdSpan> scanMsdSpans(std::string_view bytes) {
  std::string_view body = bytes;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  Scanner scanner{bytes, !isUtf8Text(body), {}, {}, 0, false};
  scanner.run();
  return std::move(scanner.spans);
}

Result<SimfileText> spliceSimfileChart(std::string_view original, size_t index, const Chart& chart,
                                       const Catalogue& catalogue) {
  // The header is the file's own and stays; a tempo is given only so that the chart's report
  // does not speak of a #BPMS that is never written.
  auto fresh = WriteSimfile(chart, catalogue, 120);
  if (!fresh) return fresh.error();
  const std::vector<MsdSpan> newSpans = scanMsdSpans(fresh->bytes);
  const std::vector<MsdSpan> oldSpans = scanMsdSpans(original);
  const auto newBlocks = notesBlocks(newSpans);
  const auto oldBlocks = notesBlocks(oldSpans);
  if (index >= oldBlocks.size() || oldBlocks[index]->parts.size() < 6 || newBlocks.size() != 1) {
    return Error{ErrorCode::BadData, chartText(ChartText::SpliceFailed, {std::to_string(index + 1)})};
  }
  const MsdSpan& block = *oldBlocks[index];
  const std::string_view blockText = original.substr(block.begin, block.end - block.begin);
  const size_t lf = blockText.find('\n');
  std::string_view body = original;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  const Style style{!isUtf8Text(body), lf != std::string_view::npos && lf > 0 && blockText[lf - 1] == '\r'};
  const auto oldRanges = ownedRanges(block);
  const auto newRanges = ownedRanges(*newBlocks.front());
  std::string out(original);
  for (size_t k = oldRanges.size(); k-- > 0;) {
    const auto [b, e] = trimmed(original, oldRanges[k]);
    const auto [nb, ne] = trimmed(fresh->bytes, newRanges[k]);
    out.replace(b, e - b, inFileStyle(std::string_view(fresh->bytes).substr(nb, ne - nb), style));
  }
  return SimfileText{std::move(out), std::move(fresh->report)};
}

bool writesBackInto(const DocumentOrigin& origin, const std::filesystem::path& target) {
  if (origin.kind != ChartFileKind::Simfile || origin.simfileChart < 0 || isReadOnlyChartName(origin.path)) {
    return false;
  }
  std::error_code error;
  return std::filesystem::equivalent(origin.path, target, error) && !error;
}

Result<SimfileReport> WriteSimfileChartInPlace(const std::filesystem::path& path, size_t index, const Chart& chart,
                                               const Catalogue& catalogue) {
  auto original = readFileBytes(path);
  if (!original) return original.error();
  auto text = spliceSimfileChart(*original, index, chart, catalogue);
  if (!text) return withFileName(text.error(), displayName(path));
  Status written = writeFileAtomically(path, text->bytes);
  if (!written) return written.error();
  return std::move(text->report);
}

}  // namespace tarveno

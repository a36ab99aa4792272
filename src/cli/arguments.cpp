#include "cli/arguments.h"

#include <QCommandLineParser>
#include <QStringList>
#include <array>

#include "core/text/number.h"

namespace tarveno {

namespace {

constexpr std::array<std::string_view, 18> kValueOptions = {
    "catalogue",     "song",  "edit-name", "title", "style", "difficulty", "output", "png-option", "jpeg-quality",
    "view-settings", "chart", "bpm",       "from",  "music", "offset",     "paper",  "near",       "speed"};
constexpr std::array<std::string_view, 5> kFlagOptions = {"progressive", "metronome", "snap", "landscape", "portrait"};

QString q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string s(const QString& text) {
  return text.toStdString();
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
  QCommandLineParser parser;
  // Long options only, with one or two dashes; a value may follow after "=" or as the next
  // argument, even when it looks like an option itself. "--" ends the options.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringLiteral("version"));
  parser.addOption(help);
  parser.addOption(version);
  for (auto name : kValueOptions) parser.addOption(QCommandLineOption(q(name), QString(), QStringLiteral("value")));
  for (auto name : kFlagOptions) parser.addOption(QCommandLineOption(q(name)));

  QStringList arguments{QStringLiteral("tarveno-cli")};
  for (const std::string& arg : args) arguments << q(arg);
  ParsedArguments parsed;
  if (!parser.parse(arguments)) {
    parsed.usageError = s(parser.errorText());
    return parsed;
  }
  Arguments& a = parsed.arguments;
  a.help = parser.isSet(help);
  a.version = parser.isSet(version);
  for (const QString& name : parser.optionNames()) {
    const std::string key = name == QLatin1String("h") ? "help" : s(name);
    if (key == "help" || key == "version") continue;
    const QStringList values = parser.values(name);
    // Given twice, one of the two would silently lose; better to say so.
    if (a.options.count(key) || values.size() > 1) {
      parsed.usageError = "option --" + key + " given more than once";
      return parsed;
    }
    a.options.emplace(key, values.isEmpty() ? std::string() : s(values.front()));
  }
  const QStringList positionals = parser.positionalArguments();
  if (!positionals.isEmpty()) {
    a.command = s(positionals.front());
    for (qsizetype i = 1; i < positionals.size(); ++i) a.operands.push_back(s(positionals[i]));
  }
  return parsed;
}

std::optional<int> parseWholeNumber(std::string_view text, int low, int high) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 1'000'000'000LL) return std::nullopt;  // far beyond any range asked for
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<double> parseDecimalNumber(std::string_view text, double low, double high) {
  size_t i = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
  const auto digitsFrom = [&](size_t from) {
    size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    return end;
  };
  size_t end = digitsFrom(i);
  if (end == i || end - i > 9) return std::nullopt;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction = digitsFrom(end + 1);
    if (fraction == end + 1) return std::nullopt;
    end = fraction;
  }
  if (end != text.size()) return std::nullopt;
  const double value = leadingValue(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace tarveno

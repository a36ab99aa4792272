#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/chart/chart_text.h"
#include "words/language.h"
#include "words/messages.h"

namespace tarveno {
namespace {

// Every kind has words, in both languages: a kind left out of the tables would show an empty box.
TEST(ChartWords, EveryKindHasWordsInBothLanguages) {
  for (Language language : {Language::English, Language::Japanese}) {
    applyLanguage(*QCoreApplication::instance(), language);
    for (int k = 0; k < static_cast<int>(ChartText::ReadyText); ++k) {
      const Message m =
          chartText(static_cast<ChartText>(k), {"1", "2", "3", "4"}, {chartText(ChartText::StateCutShort)});
      EXPECT_FALSE(describe(m).isEmpty()) << "kind " << k << " in " << languageName(language).toStdString();
    }
  }
}

// Compared as UTF-8 so that a failure prints readable text.
// A value is put in once, as it is, even when it looks like a place ("%2" in a name), and a
// nested reason takes its place in either word order.
TEST(ChartWords, ValuesAndReasonsFillTheirPlacesOnce) {
  const Message unreadable =
      chartText(ChartText::SimfileChartUnreadable, {"3", "26"}, {chartText(ChartText::SimfileTooFewParts, {"2"})});
  const Message trimmed = chartText(ChartText::EditNameTrimmed, {"A%2 ", "A%2"});
  EXPECT_EQ(describe(unreadable),
            QStringLiteral("譜面 3 は読めません（26 行目: #NOTES の項目が 2 つしかありません（6 つ必要です））。"));
  EXPECT_EQ(describe(trimmed).toStdString(), std::string("EDIT 名「A%2 」は .sm では「A%2」として読まれます"));
  applyLanguage(*QCoreApplication::instance(), Language::English);
  EXPECT_EQ(describe(unreadable),
            QStringLiteral("Chart 3 cannot be read (line 26: #NOTES has only 2 fields (6 are required))."));
  EXPECT_EQ(describe(trimmed).toStdString(),
            std::string("The edit name \"A%2 \" will be read as \"A%2\" from the .sm file"));
  applyLanguage(*QCoreApplication::instance(), Language::Japanese);
}

}  // namespace
}  // namespace tarveno

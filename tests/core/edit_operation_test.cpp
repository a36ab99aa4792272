#include <gtest/gtest.h>

#include "core/edit/operation.h"

namespace tarveno {
namespace {

enum Outcome { Malformed, Refused, Applied };

TEST(EditOperation, MalformedRefusedAndAppliedWords) {
  const std::pair<const char*, Outcome> cases[] = {
      {"copy=0:4", Applied},
      {"cut=1880:1884", Applied},
      {"mirror=0:1884", Applied},
      {"mirror-h=1:2", Applied},
      {"mirror-v=1:2", Applied},
      {"turn-left=1:2", Refused},
      {"turn-right=1:2", Refused},
      {"paste=0", Refused},
      {"insert=5:2", Applied},
      {"insert=1:470", Applied},
      {"insert=0:1", Refused},
      {"insert=1:471", Refused},
      {"insert=-3:4", Refused},
      {"insert=4294967301:1", Refused},
      {"delete=3:4", Applied},
      {"delete-close=3:471", Applied},
      {"delete=4:3", Refused},
      {"delete-close=1:472", Refused},
      {"delete=4294967301:4294967302", Refused},
      {"delete=99999999999999999999999:1", Refused},
      {"paste=1884", Malformed},
      {"paste=-1", Malformed},
      {"paste=1:2", Malformed},
      {"copy=4:4", Malformed},
      {"copy=-1:3", Malformed},
      {"cut=0:1885", Malformed},
      {"copy=1", Malformed},
      {"copy=1:2:3", Malformed},
      {"copy=a:2", Malformed},
      {"copy=+1:2", Malformed},
      {"copy=1.0:2", Malformed},
      {"copy= 1:2", Malformed},
      {"copy=1:", Malformed},
      {"insert=5", Malformed},
      {"mirrorh=1:2", Malformed},
      {"copy", Malformed},
      {"=1:2", Malformed},
      {"", Malformed},
  };
  Chart original;
  original.PlayStyle = 2;  // no quarter turns
  original.StepData[1].fill(0x13);
  for (const auto& [word, outcome] : cases) {
    const auto op = parseEditOperation(word);
    ASSERT_EQ(op.has_value(), outcome != Malformed) << word;
    if (!op) continue;
    Chart chart = original;
    Clipboard clip;
    const Status status = applyEditOperation(chart, clip, *op);
    EXPECT_EQ(status.ok(), outcome == Applied) << word;
    if (outcome == Refused) {
      EXPECT_FALSE(status.error().message.empty());
      EXPECT_EQ(chart.StepData, original.StepData) << word;
      EXPECT_EQ(clip.ClipBeats, 0);
    }
  }
  const std::pair<const char*, Transform> names[] = {{"mirror", Transform::Mirror},
                                                     {"mirror-h", Transform::MirrorH},
                                                     {"mirror-v", Transform::MirrorV},
                                                     {"turn-left", Transform::TurnLeft},
                                                     {"turn-right", Transform::TurnRight}};
  for (const auto& [name, transform] : names) {
    EXPECT_EQ(parseEditOperation(std::string(name) + "=4:9"), (EditOperation{EditVerb::Transform, transform, 4, 9}));
  }
  EXPECT_EQ(parseEditOperation("delete-close=-2:7"), (EditOperation{EditVerb::DeleteClose, Transform::Mirror, -2, 7}));
}

}  // namespace
}  // namespace tarveno

// The frame's box rules and the patch preview drawn over the plan view.

#include <optional>

#include "platform/recording_surface.h"
#include "reinforce/patch_preview.h"
#include "reinforce_fixture.h"

namespace kes {
namespace {

TEST(ReinforceSettings, PercentBoxesLimitsAndStyles) {
  const std::pair<const char*, std::optional<std::string>> forms[] = {
      {"12.5", "12"}, {"13.5", "14"}, {"-0.4", "0"}, {"", "0"}, {"abc", "0"}, {"7abc", "7"},
      {"20.", "20"}, {"1e999", "0"}, {"40000", std::nullopt}, {"-1e300", std::nullopt}, {"-32768.4", "-32768"}};
  for (const auto& [text, form] : forms) EXPECT_EQ(percentNormalForm(text), form) << text;
  EXPECT_EQ(quantityBarValue("7.5").v, 8);
  EXPECT_FALSE(quantityBarValue("1e9").good());

  double v[9] = {20, 20, 10, 20, 20, 10, 20, 20, 10};
  EXPECT_EQ(firstOverLimit(v), -1);  // equal passes
  v[8] = 10.5;
  v[1] = 21;
  EXPECT_EQ(firstOverLimit(v), 1);
  v[1] = -1e300;  // no lower limit
  EXPECT_EQ(kLimitedBoxes[firstOverLimit(v)], 45);

  EXPECT_EQ(developStyle({true, true, false}), PatchStyle::Square);
  EXPECT_EQ(previewStyle({true, true, false}), PatchStyle::Triangle);
  EXPECT_EQ(previewStyle({true, true, true}), PatchStyle::Radials);
}

struct Drawn {
  int lines = 0, points = 0, cyan = 0;
  std::vector<DrawOp> ops;
};

Drawn preview(const SailModel& m, const ReinforceSettings& rs) {
  RecordingSurface s;
  s.forget();
  previewPatches(s, m, rs);
  Drawn d{0, 0, 0, s.ops()};
  for (const DrawOp& op : d.ops) {
    d.lines += op.kind == DrawOp::Line;
    d.points += op.kind == DrawOp::Point;
    d.cyan += op.colour == kCyan;
    EXPECT_TRUE(op.colour == kCyan || op.colour == kLightCyan);
  }
  return d;
}

// An op's end points as drawn, in single precision.
std::vector<double> ends(const DrawOp& op) { return {op.x1, op.y1, op.x2, op.y2}; }
std::vector<double> ends(Pt a, Pt b) {
  return {static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x), static_cast<float>(b.y)};
}

TEST(PatchPreview, LinesOfEachStyle) {
  const SailModel wide = testing::defaultSail(), narrow = testing::narrowSail();
  ReinforceSettings rs;  // Triangle, 5 layers a corner
  Drawn d = preview(wide, rs);
  EXPECT_EQ(d.lines, 5 + 5 + 10);  // tack, clew, throat and peak
  EXPECT_EQ(d.cyan, 0);
  // Tack layer 1: luff point 10 to foot point 90. Wide head layer 1: head 88 to leech 15.
  EXPECT_EQ(ends(d.ops[0]), ends(edgePoint(wide.LuffCurve, 10), edgePoint(wide.FootCurve, 90)));
  EXPECT_EQ(ends(d.ops[11]), ends(edgePoint(wide.HeadCurve, 88), edgePoint(wide.LeechCurve, 15)));

  rs.style = {true, false, false};  // Square: two lines a layer; the wide head is unchanged
  EXPECT_EQ(preview(wide, rs).lines, 10 + 10 + 10);
  const Drawn narrowSquare = preview(narrow, rs);
  rs.style = {false, true, false};
  const Drawn narrowTriangle = preview(narrow, rs);
  ASSERT_EQ(narrowSquare.lines, 10 + 10 + 5);  // a narrow head is drawn as Triangle
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ends(narrowSquare.ops[20 + i]), ends(narrowTriangle.ops[10 + i]));

  rs.style = {false, false, false};  // none selected: the head only
  EXPECT_EQ(preview(wide, rs).lines, 10);
}

TEST(PatchPreview, RadialArcsAndSectors) {
  const SailModel narrow = testing::narrowSail();
  ReinforceSettings rs;
  rs.style = {false, false, true};
  const Drawn d = preview(narrow, rs);
  // Three arcs (a dot and 99 lines each), two sector lines a patch.
  EXPECT_EQ(d.points, 3);
  EXPECT_EQ(d.lines, 3 * 99 + 3 * 10);
  EXPECT_EQ(d.cyan, 15);
}

}  // namespace
}  // namespace kes

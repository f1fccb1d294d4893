// The frame's box rules and the patch preview drawn over the plan view.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/recording_surface.h"
#include "reinforce/patch_preview.h"
#include "reinforce_fixture.h"

namespace kes {
namespace {

TEST(ReinforceSettings, PercentBoxNormalForm) {
  const struct {
    const char* text;
    std::optional<std::string> form;
  } cases[] = {{"12.5", "12"},  {"13.5", "14"}, {"-2.5", "-2"},  {"-0.4", "0"},
               {"", "0"},       {"abc", "0"},   {"7abc", "7"},   {" 8", "8"},
               {"20.", "20"},   {"20.6", "21"}, {"1e999", "0"},  {"2.5", "2"},
               {"40000", std::nullopt},         {"-1e300", std::nullopt},
               {"32767", "32767"},              {"-32768.4", "-32768"}};
  for (const auto& c : cases) EXPECT_EQ(percentNormalForm(c.text), c.form) << c.text;

  EXPECT_EQ(quantityBarValue("7.5").v, 8);
  EXPECT_EQ(quantityBarValue("-3").v, -3);
  EXPECT_FALSE(quantityBarValue("1e9").good());
}

TEST(ReinforceSettings, FirstBoxOverItsLimit) {
  double v[9] = {20, 20, 10, 20, 20, 10, 20, 20, 10};
  EXPECT_EQ(firstOverLimit(v), -1);  // equal passes
  v[8] = 10.5;
  v[1] = 21;
  EXPECT_EQ(firstOverLimit(v), 1);
  v[1] = -1e300;  // no lower limit
  EXPECT_EQ(firstOverLimit(v), 8);
  EXPECT_EQ(kLimitedBoxes[firstOverLimit(v)], 45);
}

TEST(ReinforceSettings, StyleOrders) {
  EXPECT_EQ(developStyle({true, true, false}), PatchStyle::Square);
  EXPECT_EQ(previewStyle({true, true, false}), PatchStyle::Triangle);
  EXPECT_EQ(developStyle({false, false, false}), PatchStyle::Triangle);
  EXPECT_EQ(previewStyle({false, false, false}), PatchStyle::None);
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
  Drawn d;
  d.ops = s.ops();
  for (const DrawOp& op : d.ops) {
    d.lines += op.kind == DrawOp::Line;
    d.points += op.kind == DrawOp::Point;
    d.cyan += op.colour == kCyan;
    EXPECT_TRUE(op.colour == kCyan || op.colour == kLightCyan);
  }
  return d;
}

double single(double v) { return static_cast<float>(v); }

TEST(PatchPreview, LinesOfEachStyle) {
  const SailModel wide = testing::defaultSail(), narrow = testing::narrowSail();
  ReinforceSettings rs;  // Triangle, 5 layers a corner
  Drawn d = preview(wide, rs);
  EXPECT_EQ(d.lines, 5 + 5 + 10);  // tack, clew, throat and peak
  EXPECT_EQ(d.cyan, 0);
  // Tack layer 1: luff point 10 to foot point 90, in single precision.
  EXPECT_EQ(d.ops[0].x1, single(wide.LuffCurve(1, 10)));
  EXPECT_EQ(d.ops[0].y2, single(wide.FootCurve(2, 90)));
  // Wide head layer 1: luff 85 to head 12, head 88 to leech 15.
  EXPECT_EQ(d.ops[10].y1, single(wide.LuffCurve(2, 85)));
  EXPECT_EQ(d.ops[10].x2, single(wide.HeadCurve(1, 12)));
  EXPECT_EQ(d.ops[11].x1, single(wide.HeadCurve(1, 88)));
  EXPECT_EQ(d.ops[11].y2, single(wide.LeechCurve(2, 15)));

  rs.style = {true, false, false};  // Square: two lines a layer; the wide head is unchanged
  d = preview(wide, rs);
  EXPECT_EQ(d.lines, 10 + 10 + 10);
  rs.style = {true, false, false};
  const Drawn narrowSquare = preview(narrow, rs);
  rs.style = {false, true, false};
  const Drawn narrowTriangle = preview(narrow, rs);
  ASSERT_EQ(narrowSquare.lines, 10 + 10 + 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(narrowSquare.ops[20 + i].x1, narrowTriangle.ops[10 + i].x1);
    EXPECT_EQ(narrowSquare.ops[20 + i].y2, narrowTriangle.ops[10 + i].y2);
  }
  EXPECT_EQ(narrowTriangle.ops[10].y1, single(narrow.LuffCurve(2, 85)));
  EXPECT_EQ(narrowTriangle.ops[10].y2, single(narrow.LeechCurve(2, 12)));

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
  // Tack patch 2: luff point 3 to arc point 20 (light cyan), foot point 97 to arc point 40 (cyan).
  PatchArc arc;
  tackArc(narrow, tackRadial(rs.tack), rs.ellipticity, arc);
  const DrawOp& first = d.ops[100 + 2];
  EXPECT_EQ(first.colour, kLightCyan);
  EXPECT_EQ(first.y1, single(narrow.LuffCurve(2, 3)));
  EXPECT_EQ(first.x2, single(arc.p[20].x));
  const DrawOp& second = d.ops[100 + 3];
  EXPECT_EQ(second.colour, kCyan);
  EXPECT_EQ(second.x1, single(narrow.FootCurve(1, 97)));
  EXPECT_EQ(second.y2, single(arc.p[40].y));
  // Clew patch 1: foot point 5 to arc point 1 (light cyan), leech point 94 on to its sector's end.
  EXPECT_EQ(d.ops[110 + 100].x1, single(narrow.FootCurve(1, 5)));
  EXPECT_EQ(d.ops[110 + 100].colour, kLightCyan);
  EXPECT_EQ(d.ops[110 + 101].y1, single(narrow.LeechCurve(2, 94)));
  EXPECT_EQ(d.ops[110 + 101].colour, kCyan);
  // Narrow head patch 1: leech point 4 to arc point 20, then luff point 95 to arc point 1.
  headArc(narrow, narrowHeadRadial(rs.head), rs.ellipticity, arc);
  const DrawOp& head = d.ops[2 * 110 + 100];
  EXPECT_EQ(head.y1, single(narrow.LeechCurve(2, 4)));
  EXPECT_EQ(head.x2, single(arc.p[20].x));
  EXPECT_EQ(d.ops[2 * 110 + 101].colour, kCyan);
  EXPECT_EQ(d.ops[2 * 110 + 101].x1, single(narrow.LuffCurve(1, 95)));

  rs.tack.quantity = rs.clew.quantity = rs.head.quantity = 0;  // arcs alone
  const Drawn bare = preview(narrow, rs);
  EXPECT_EQ(bare.points, 3);
  EXPECT_EQ(bare.lines, 3 * 99);
}

}  // namespace
}  // namespace kes

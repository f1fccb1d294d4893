// Patch layers whose reach rounds to their corner, and pockets and reef
// points of no size: the run stops on the first such file, names it and
// says why, and nothing of it (nor its reef-size copy) is handed on to be
// written; the files before it hold cloth.

#include <string>
#include <vector>

#include "model/sail_fixture.h"
#include "reinforce_fixture.h"
#include "run_record.h"

namespace kes {
namespace {

using testing::develop;
using testing::RunRecord;
using Names = std::vector<std::string>;

const PlotUnits kInches = SetPlotUnits(500, 500, false, false);

// Patches only, none at any corner until a test asks for them.
ReinforceSettings patchesOnly(bool reefCopies = false) {
  ReinforceSettings rs;
  rs.battenPockets = false;
  rs.reefPoints = reefCopies;
  rs.tack.quantity = rs.clew.quantity = rs.head.quantity = 0;
  return rs;
}

PatchStyleButtons styleButtons(PatchStyle s) {
  return {s == PatchStyle::Square, s == PatchStyle::Triangle, s == PatchStyle::Radials};
}

void expectAllHoldCloth(const RunRecord& r) {
  for (const testing::WrittenFile& f : r.written)
    EXPECT_TRUE(testing::holdsCloth(f.text)) << f.name << " " << testing::knifeWidthSteps(f.text);
}

// A reach of 0 along both edges puts every layer on its corner: the first
// layer of each corner, in every style, is refused and none is allowed.
TEST(NoReach, ZeroReachRefusesTheFirstLayerOfEveryCorner) {
  const SailModel wide = testing::defaultSail();
  const struct {
    CornerSettings ReinforceSettings::*corner;
    const char* refused;
  } corners[] = {{&ReinforceSettings::tack, "tack1.uc"},
                 {&ReinforceSettings::clew, "clew1.uc"},
                 {&ReinforceSettings::head, "head1.uc"}};  // a wide head: its throat patch
  for (const auto& c : corners) {
    for (const PatchStyle style : {PatchStyle::Triangle, PatchStyle::Square, PatchStyle::Radials}) {
      ReinforceSettings rs = patchesOnly(true);
      rs.style = styleButtons(style);
      rs.*c.corner = {0, 0, 3};
      const RunRecord r = develop(wide, rs, kInches);
      const bool radial = style == PatchStyle::Radials && c.corner != &ReinforceSettings::head;
      EXPECT_EQ(r.message, std::string("Cannot cut ") + c.refused +
                               (radial ? ": its share of the reach" : ": its reach") +
                               " rounds to nothing; the reach allows no layers")
          << static_cast<int>(style);
      EXPECT_TRUE(r.written.empty()) << c.refused;  // neither the file nor its copy
    }
  }
  // A narrow head's patch runs from the head's luff end to its aft corner,
  // where the leech starts, and on to its reach down each edge: with no
  // reach it lies on the straight head and holds no cloth; at a reach of
  // 10 % down each edge every layer does.
  ReinforceSettings rs = patchesOnly();
  rs.head = {0, 0, 3};
  const RunRecord none = develop(testing::narrowSail(), rs, kInches);
  EXPECT_EQ(none.message, "Cannot cut head1.uc: its reach rounds to nothing; the reach allows no layers");
  EXPECT_TRUE(none.written.empty());
  rs.head = {10, 10, 3};
  const RunRecord narrow = develop(testing::narrowSail(), rs, kInches);
  EXPECT_EQ(narrow.names(), (Names{"head1.uc", "head2.uc", "head3.uc"})) << narrow.message;
  expectAllHoldCloth(narrow);
}

// Ten layers at the default 10 %: each is 0.667 of the one below, and from
// the sixth on the reach rounds to the tack.
TEST(NoReach, TenTackLayersAtTheDefaultReachStopAtTheSixth) {
  ReinforceSettings rs = patchesOnly(true);
  rs.tack.quantity = 10;
  const RunRecord r = develop(testing::defaultSail(), rs, kInches);
  EXPECT_EQ(r.message, "Cannot cut tack6.uc: its reach rounds to nothing; the reach allows 5 layers");
  EXPECT_EQ(r.names(), (Names{"tack1.uc", "rtack1.uc", "tack2.uc", "rtack2.uc", "tack3.uc",
                              "rtack3.uc", "tack4.uc", "rtack4.uc", "tack5.uc", "rtack5.uc"}));
  expectAllHoldCloth(r);

  // The clew's and the wide head's layers likewise: the head's peak patch
  // of a layer is refused with its throat patch written before it.
  rs = patchesOnly();
  rs.clew = {3, 3, 10};
  EXPECT_EQ(develop(testing::defaultSail(), rs, kInches).message,
            "Cannot cut clew3.uc: its reach rounds to nothing; the reach allows 2 layers");
  rs = patchesOnly();
  rs.head = {1.5, 1.5, 4};
  const RunRecord head = develop(testing::defaultSail(), rs, kInches);
  EXPECT_EQ(head.message, "Cannot cut head2.uc: its reach rounds to nothing; the reach allows 1 layer");
  EXPECT_EQ(head.names(), (Names{"head1.uc", "peak1.uc"}));
}

// A layer that holds cloth at full size may hold none at the reef size: the
// copy is refused, named, and its layer is not written either.
TEST(NoReach, AReefCopyWithoutClothIsRefusedByItsOwnName) {
  ReinforceSettings rs = patchesOnly(true);
  rs.tack.quantity = 10;
  rs.copyPercent = 0.5;
  const RunRecord r = develop(testing::defaultSail(), rs, kInches);
  EXPECT_EQ(r.message,
            "Cannot cut rtack3.uc: at the reef size its reach rounds to nothing; the reach allows 2 layers");
  EXPECT_EQ(r.names(), (Names{"tack1.uc", "rtack1.uc", "tack2.uc", "rtack2.uc"}));
  expectAllHoldCloth(r);

  // The clew's copies too; a copy of 0 % holds nothing from the first layer.
  rs.tack.quantity = 0;
  rs.clew.quantity = 2;
  rs.copyPercent = 0;
  EXPECT_EQ(develop(testing::defaultSail(), rs, kInches).message,
            "Cannot cut rclew1.uc: at the reef size its reach rounds to nothing; the reach allows no layers");
  // Without reef points no copy is kept, and none is looked at.
  rs.reefPoints = false;
  EXPECT_EQ(develop(testing::defaultSail(), rs, kInches).names(), (Names{"clew1.uc", "clew2.uc"}));
}

// A square clew patch with no reach up the leech and 6 % along the foot is
// the hair between the foot, rounded out by 0.08 in, and its chord: a hair
// over three steps wide as drawn, under three once turned into its cutting
// position. The file as written is what the table cuts: refused.
TEST(NoReach, ALayerThatLosesItsClothWhenTurnedIsRefused) {
  SailInputs in = testing::defaultInputs();
  in.text[10] = 0.08;  // foot round
  const SailModel m = testing::computed(in);
  ReinforceSettings rs = patchesOnly();
  rs.style = styleButtons(PatchStyle::Square);
  rs.clew = {0, 6, 1};
  struct : ReinforcementSink {
    double drawn = 0, turned = 0;
    bool plainFile(const std::string&, const std::string&) override { return true; }
    bool refusedPlainFile(const std::string&, const std::string&, std::string_view) override { return true; }
    bool patchFile(const PatchFile& p) override {
      drawn = testing::knifeWidthSteps(p.firstPass);
      turned = testing::knifeWidthSteps(p.finished.turned);
      return true;
    }
  } widths;
  developReinforcements(m, rs, kInches, StrokeFont{}, widths);
  ASSERT_TRUE(widths.drawn > 3 && widths.turned < 3) << widths.drawn << " " << widths.turned;
  const RunRecord r = develop(m, rs, kInches);
  EXPECT_EQ(r.message, "Cannot cut clew1.uc: its reach rounds to nothing; the reach allows no layers");
  EXPECT_TRUE(r.written.empty());
}

// Radial patches share the arc: ten sectors of a reach of 1 % are too thin,
// but the reach allows seven, and seven then all cut, eight do not.
TEST(NoReach, RadialSectorsAllowTheMostThatAllCut) {
  const SailModel m = testing::defaultSail();
  ReinforceSettings rs = patchesOnly();
  rs.style = styleButtons(PatchStyle::Radials);
  rs.tack = {1, 1, 10};
  const RunRecord ten = develop(m, rs, kInches);
  EXPECT_EQ(ten.message,
            "Cannot cut tack1.uc: its share of the reach rounds to nothing; the reach allows 7 layers");
  rs.tack.quantity = 7;
  const RunRecord seven = develop(m, rs, kInches);
  EXPECT_EQ(seven.message, "");
  EXPECT_EQ(seven.written.size(), 7u);
  expectAllHoldCloth(seven);
  rs.tack.quantity = 8;
  EXPECT_NE(develop(m, rs, kInches).message, "");

  rs.tack.quantity = 0;
  rs.clew = {1, 1, 10};  // the clew's sectors are equal runs of arc length
  EXPECT_EQ(develop(m, rs, kInches).message,
            "Cannot cut clew1.uc: its share of the reach rounds to nothing; the reach allows 3 layers");
}

// A pocket of no width and a reef point of no size cut nothing.
TEST(NoReach, PocketsAndReefPointsOfNoSizeAreRefused) {
  ReinforceSettings rs = patchesOnly(true);
  rs.battenPockets = true;
  rs.battenLength[0] = 36;
  rs.battenLength[1] = 30;
  rs.reefCount[0] = 4;
  rs.pocketWidth = 0;
  EXPECT_EQ(develop(testing::defaultSail(), rs, kInches).message,
            "Cannot cut bat0.uc: its size rounds to nothing");
  rs.pocketWidth = 4.25;
  rs.lengthPlus = -30;  // the first pocket 6 long, the second nothing
  EXPECT_EQ(develop(testing::defaultSail(), rs, kInches).message,
            "Cannot cut bat1.uc: its size rounds to nothing");
  rs.lengthPlus = 3;
  rs.pointSize = 0.001;
  const RunRecord r = develop(testing::defaultSail(), rs, kInches);
  EXPECT_EQ(r.message, "Cannot cut reef1.uc: its size rounds to nothing");
  EXPECT_EQ(r.names(), (Names{"bat0.uc", "bat1.uc"}));
  expectAllHoldCloth(r);
}

}  // namespace
}  // namespace kes

#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "qt_app.h"

namespace {

using namespace kes;

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::qtApp(); }
  void TearDown() override {
    setMsgBoxAnswerer(nullptr);
    setInputBoxAnswerer(nullptr);
  }
};

TEST_F(DialogsTest, AnAnswererIsAskedInsteadOfAPersonAndCancelGivesNoText) {
  std::vector<MsgBoxRequest> asked;
  setMsgBoxAnswerer([&](const MsgBoxRequest& r) {
    asked.push_back(r);
    return MsgResult::Yes;
  });
  EXPECT_EQ(msgBox(nullptr, "Delete All Plot files?", "Delete All", MsgButtons::YesNo, MsgIcon::Question),
            MsgResult::Yes);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].prompt, "Delete All Plot files?");
  EXPECT_EQ(asked[0].title, "Delete All");
  EXPECT_EQ(asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(asked[0].icon, MsgIcon::Question);

  std::vector<InputBoxRequest> typed;
  setInputBoxAnswerer([&](const InputBoxRequest& r) {
    typed.push_back(r);
    return r.title == "Tack Angle" ? std::optional<std::string>("") : std::nullopt;
  });
  EXPECT_EQ(inputBox(nullptr, "enter the tack angle:", "Tack Angle", "90"), "");  // an empty OK
  EXPECT_EQ(inputBox(nullptr, "Batten hollow:", "Batten Hollow", "0.6"), std::nullopt);  // Cancel
  ASSERT_EQ(typed.size(), 2u);
  EXPECT_EQ(typed[0].prompt, "enter the tack angle:");
  EXPECT_EQ(typed[0].defaultText, "90");
}

TEST_F(DialogsTest, WithoutAnAnswererNothingWaitsOffscreen) {
  ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("offscreen"));
  // Each of these would hang the test run if a dialog opened.
  EXPECT_EQ(msgBox(nullptr, "Welcome", "Kestrova"), MsgResult::Ok);
  EXPECT_EQ(msgBox(nullptr, "Delete All Plot files?", "Delete All", MsgButtons::YesNo, MsgIcon::Question),
            MsgResult::No);  // the answer that deletes nothing
  EXPECT_EQ(msgBox(nullptr, "Go on?", "Kestrova", MsgButtons::OkCancel), MsgResult::Cancel);
  EXPECT_EQ(inputBox(nullptr, "Batten hollow:", "Batten Hollow", "0.6"), std::nullopt);
}

}  // namespace

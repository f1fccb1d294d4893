#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "qt_app.h"

namespace {

using namespace kes;

TEST(Dialogs, AnAnswererIsAskedInsteadOfAPersonAndCancelGivesNoText) {
  test::qtApp();
  MsgBoxRequest asked{};
  setMsgBoxAnswerer([&](const MsgBoxRequest& r) {
    asked = r;
    return MsgResult::Yes;
  });
  EXPECT_EQ(msgBox(nullptr, "Delete All Plot files?", "Delete All", MsgButtons::YesNo,
                   MsgIcon::Question),
            MsgResult::Yes);
  EXPECT_EQ(asked.buttons, MsgButtons::YesNo);

  InputBoxRequest typed;
  setInputBoxAnswerer([&](const InputBoxRequest& r) {
    typed = r;
    return r.title == "Tack Angle" ? std::optional<std::string>("") : std::nullopt;
  });
  EXPECT_EQ(inputBox(nullptr, "enter the tack angle:", "Tack Angle", "90"), "");  // an empty OK
  EXPECT_EQ(typed.defaultText, "90");
  EXPECT_EQ(inputBox(nullptr, "Batten hollow:", "Batten Hollow", "0.6"), std::nullopt);  // Cancel
  setMsgBoxAnswerer(nullptr);
  setInputBoxAnswerer(nullptr);
}

TEST(Dialogs, WithoutAnAnswererNothingWaitsOffscreen) {
  test::qtApp();
  ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("offscreen"));
  // Each of these would hang the test run if a dialog opened.
  EXPECT_EQ(msgBox(nullptr, "Welcome", "Kestrova"), MsgResult::Ok);
  EXPECT_EQ(msgBox(nullptr, "Delete All Plot files?", "Delete All", MsgButtons::YesNo),
            MsgResult::No);  // the answer that deletes nothing
  EXPECT_EQ(msgBox(nullptr, "Go on?", "Kestrova", MsgButtons::OkCancel), MsgResult::Cancel);
  EXPECT_EQ(inputBox(nullptr, "Batten hollow:", "Batten Hollow", "0.6"), std::nullopt);
}

}  // namespace

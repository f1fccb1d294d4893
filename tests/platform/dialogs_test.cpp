#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include "qt_app.h"

namespace {

using namespace kes;

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

#pragma once
// Message box and input box, modal, as the sail's procedures ask them.
// Tests answer them without a person: an installed answerer is asked instead
// of showing a dialog, so nothing in a test run waits on one.

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QWidget;

namespace kes {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Question, Information, Warning, Critical };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MsgBoxRequest {
  std::string prompt, title;
  MsgButtons buttons;
  MsgIcon icon;
};
struct InputBoxRequest {
  std::string prompt, title, defaultText;
};

MsgResult msgBox(QWidget* parent, const std::string& prompt, const std::string& title,
                 MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// The message box msgBox shows: its buttons plain, without the style's icons.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const std::string& prompt,
                                           const std::string& title, MsgButtons buttons,
                                           MsgIcon icon);

// The typed text on OK (which may be empty), no text at all on Cancel.
std::optional<std::string> inputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                     const std::string& defaultText = {});

// Test hooks: while set, the dialogs are not shown and these answer instead.
// Set them to nullptr to show real dialogs again.
// Without an answerer and without a display (the offscreen platform, or no
// widget application) nothing is shown and nothing waits: the message box
// gives the answer that touches nothing (OK for an OK-only notice, No for
// Yes/No, Cancel otherwise), the input box Cancel, and a note goes
// to the standard error stream.
void setMsgBoxAnswerer(std::function<MsgResult(const MsgBoxRequest&)> answerer);
void setInputBoxAnswerer(std::function<std::optional<std::string>(const InputBoxRequest&)> answerer);

}  // namespace kes

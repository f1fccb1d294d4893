#include "platform/dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <utility>

namespace kes {

namespace {

std::function<MsgResult(const MsgBoxRequest&)>& msgAnswerer() {
  static std::function<MsgResult(const MsgBoxRequest&)> f;
  return f;
}

std::function<std::optional<std::string>(const InputBoxRequest&)>& inputAnswerer() {
  static std::function<std::optional<std::string>(const InputBoxRequest&)> f;
  return f;
}

// A dialog may only be shown when there is a widget application on a real
// display; on the offscreen platform (test runs) nobody could answer it.
bool canShowDialogs() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  return QGuiApplication::platformName() != QLatin1String("offscreen");
}

// The answer that touches nothing: OK for a notice, No or Cancel for a question.
MsgResult unattendedAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::OkCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::YesNoCancel: return MsgResult::Cancel;
  }
  return MsgResult::Cancel;
}

const char* resultName(MsgResult r) {
  switch (r) {
    case MsgResult::Ok: return "OK";
    case MsgResult::Cancel: return "Cancel";
    case MsgResult::Yes: return "Yes";
    case MsgResult::No: return "No";
  }
  return "?";
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void setMsgBoxAnswerer(std::function<MsgResult(const MsgBoxRequest&)> answerer) {
  msgAnswerer() = std::move(answerer);
}

void setInputBoxAnswerer(std::function<std::optional<std::string>(const InputBoxRequest&)> answerer) {
  inputAnswerer() = std::move(answerer);
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const std::string& prompt,
                                           const std::string& title, MsgButtons buttons,
                                           MsgIcon icon) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(q(title));
  box->setText(q(prompt));
  switch (icon) {
    case MsgIcon::None: box->setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
    case MsgIcon::Information: box->setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box->setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box->setIcon(QMessageBox::Critical); break;
  }
  switch (buttons) {
    case MsgButtons::Ok:
      box->setStandardButtons(QMessageBox::Ok);
      box->setDefaultButton(QMessageBox::Ok);
      box->setEscapeButton(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box->setDefaultButton(QMessageBox::Ok);
      box->setEscapeButton(QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box->setDefaultButton(QMessageBox::Yes);
      box->setEscapeButton(QMessageBox::Cancel);
      break;
  }
  for (QAbstractButton* b : box->buttons()) b->setIcon(QIcon());
  return box;
}

MsgResult msgBox(QWidget* parent, const std::string& prompt, const std::string& title,
                 MsgButtons buttons, MsgIcon icon) {
  if (msgAnswerer()) return msgAnswerer()(MsgBoxRequest{prompt, title, buttons, icon});
  if (!canShowDialogs()) {
    const MsgResult r = unattendedAnswer(buttons);
    std::fprintf(stderr, "kestrova: message box \"%s\" not shown (no display); answered %s: %s\n",
                 title.c_str(), resultName(r), prompt.c_str());
    return r;
  }

  const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, prompt, title, buttons, icon);
  switch (box->exec()) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: return unattendedAnswer(buttons);
  }
}

std::optional<std::string> inputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
  if (inputAnswerer()) return inputAnswerer()(InputBoxRequest{prompt, title, defaultText});
  if (!canShowDialogs()) {
    std::fprintf(stderr, "kestrova: input box \"%s\" not shown (no display); answered Cancel: %s\n",
                 title.c_str(), prompt.c_str());
    return std::nullopt;
  }
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, q(title), q(prompt), QLineEdit::Normal, q(defaultText), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

}  // namespace kes

#include <gtest/gtest.h>

#include <QApplication>

#include "PopHints.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

TEST(UiServicesTest, ScopedServicesAnswerAndRestore) {
  MessageService* before = &Messages();
  {
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    RecordingDesktop desktop;
    ScopedUiServices scope(&messages, &files, &desktop);
    messages.answers.push_back(MessageAnswer::No);
    EXPECT_EQ(ShowMessage(nullptr, MessageIcon::Question, "保存しますか?", "保存の確認",
                          MessageButtons::YesNoCancel, MessageAnswer::Yes),
              MessageAnswer::No);
    // An empty queue answers with the default, as a user pressing Enter.
    EXPECT_EQ(ShowMessage(nullptr, MessageIcon::Question, "?", "c", MessageButtons::YesNo,
                          MessageAnswer::Yes),
              MessageAnswer::Yes);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[0].caption, "保存の確認");
    files.openPaths.push_back("/tmp/a.ufx");
    EXPECT_EQ(FileDialogs().OpenFileName(nullptr, {"開く", "/tmp", "*.ufx"}), "/tmp/a.ufx");
    EXPECT_TRUE(FileDialogs().SaveFileName(nullptr, {}).isEmpty());
    EXPECT_TRUE(Desktop().OpenUrl(QUrl("file:///tmp/t.xlsx")));
    EXPECT_EQ(desktop.opened.size(), 1u);
  }
  EXPECT_EQ(&Messages(), before);
}

TEST(UiServicesTest, UnknownPopHintAndIconAreEmpty) {
  EXPECT_TRUE(PopHintText("frmNone", "txtNone").isEmpty());
  EXPECT_TRUE(UiIcon("no-such-icon").isNull());
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>

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

// Our icons are pictures drawn by the build: each size and density asked
// for gets a picture of its own pixels, not a blank or a blurred small one.
TEST(UiServicesTest, OwnIconsAreDrawnAtTheSizeAndDensityAsked) {
  const QIcon save = UiIcon("save");
  ASSERT_FALSE(save.isNull());
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    const QImage picture = save.pixmap(QSize(20, 20), ratio).toImage();
    EXPECT_EQ(picture.size(), QSize(20, 20) * ratio) << ratio;
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
    EXPECT_EQ(qAlpha(middle), 255) << "the save icon's middle is drawn: " << ratio;
  }
  EXPECT_EQ(save.availableSizes().front(), QSize(16, 16));
}

TEST(UiServicesTest, UnknownPopHintAndIconAreEmpty) {
  EXPECT_TRUE(PopHintText("frmNone", "txtNone").isEmpty());
  EXPECT_TRUE(UiIcon("no-such-icon").isNull());
}

}  // namespace

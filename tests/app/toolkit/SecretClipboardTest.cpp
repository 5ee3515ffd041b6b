#include "toolkit/SecretClipboard.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
void elapse(SecretClipboard& secrets, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        secrets.secondElapsed();
    }
}
} // namespace

TEST(SecretClipboard, CopiesMarkedAsSecretAndClearsItsOwnCopyAfterTenSeconds) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    SecretClipboard secrets(clipboard);
    QSignalSpy left(&secrets, &SecretClipboard::secondsLeftChanged);

    secrets.copy("s3cret");
    EXPECT_EQ(clipboard->text(), "s3cret");
    EXPECT_EQ(clipboard->mimeData()->data("x-kde-passwordManagerHint"), "secret");
    EXPECT_EQ(secrets.secondsLeft(), 10);
    EXPECT_TRUE(secrets.ticker().isActive());
    EXPECT_EQ(secrets.ticker().interval(), 1000);

    elapse(secrets, 9);
    EXPECT_EQ(clipboard->text(), "s3cret");
    EXPECT_EQ(secrets.secondsLeft(), 1);
    elapse(secrets, 1);
    EXPECT_EQ(clipboard->text(), "");
    EXPECT_EQ(secrets.secondsLeft(), 0);
    EXPECT_FALSE(secrets.ticker().isActive());
    ASSERT_EQ(left.count(), 11); // 10 at the copy, 9 to 1, then 0
    EXPECT_EQ(left.first().first().toInt(), 10);
    EXPECT_EQ(left.last().first().toInt(), 0);
}

TEST(SecretClipboard, NeverClearsWhatTheUserCopiedSince) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    SecretClipboard secrets(clipboard);
    secrets.copy("s3cret");
    clipboard->setText("the user's own text");
    secrets.secondElapsed(); // notices at once that its copy is gone
    EXPECT_EQ(secrets.secondsLeft(), 0);
    elapse(secrets, 10);
    EXPECT_EQ(clipboard->text(), "the user's own text");

    // Even the same text copied by someone else is not ours to clear.
    secrets.copy("same");
    clipboard->setText("same");
    secrets.clearNow();
    EXPECT_EQ(clipboard->text(), "same");
}

TEST(SecretClipboard, ClearsAPendingCopyAtOnceAndWhenItGoes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    {
        SecretClipboard secrets(clipboard);
        secrets.copy("first");
        secrets.clearNow();
        EXPECT_EQ(clipboard->text(), "");
        EXPECT_EQ(secrets.secondsLeft(), 0);

        secrets.copy("second");
    } // the program ends
    EXPECT_EQ(clipboard->text(), "");
}

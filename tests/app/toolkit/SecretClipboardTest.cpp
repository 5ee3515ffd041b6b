#include "toolkit/SecretClipboard.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

namespace {
void elapse(SecretClipboard& secrets, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        secrets.secondElapsed();
    }
}
} // namespace

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

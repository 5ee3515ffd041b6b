#include "toolkit/WindowShaker.h"

#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window whose frame is exactly its geometry, so the numbers below are the frame's.
struct Window {
    QWidget widget{nullptr, Qt::FramelessWindowHint};

    Window(int x, int width) {
        widget.setGeometry(x, 200, width, 300);
        widget.show();
    }
    QRect frame() const { return widget.frameGeometry(); }
};

bool waitUntilDeleted(const QPointer<QPropertyAnimation>& animation) {
    return QTest::qWaitFor([&] { return animation.isNull(); }, 3000);
}

} // namespace

TEST(WindowShaker, KeyFramesSpanTwoPercentOfTheFrameEachSide) {
    EXPECT_EQ(WindowShaker::shakeWindow(nullptr), nullptr);

    Window window(300, 500);
    ASSERT_EQ(window.frame(), QRect(300, 200, 500, 300));
    QPointer<QPropertyAnimation> shake = WindowShaker::shakeWindow(&window.widget);
    ASSERT_FALSE(shake.isNull());
    EXPECT_EQ(shake->startValue().toPoint(), QPoint(290, 200));
    EXPECT_EQ(shake->endValue().toPoint(), QPoint(310, 200));
    EXPECT_EQ(shake->duration(), 100);
    EXPECT_EQ(shake->loopCount(), 4);
    EXPECT_EQ(shake->easingCurve().type(), QEasingCurve::Linear);
    EXPECT_EQ(shake->targetObject(), &window.widget);
    EXPECT_EQ(shake->propertyName(), QByteArray("pos"));
    EXPECT_EQ(shake->parent(), &window.widget);
    EXPECT_EQ(window.widget.findChild<QPropertyAnimation*>(QStringLiteral("lockmere-shake")),
              shake.data());
    shake->stop();

    // The fraction is the float 0.02 widened to double (0.0199999995...): 625 px give a shift of
    // 12.4999997, which rounds to 12 where an exact 0.02 would round 312.5 up to 313.
    Window wide(300, 625);
    shake = WindowShaker::shakeWindow(&wide.widget);
    EXPECT_EQ(shake->startValue().toPoint(), QPoint(288, 200));
    EXPECT_EQ(shake->endValue().toPoint(), QPoint(312, 200));
}

TEST(WindowShaker, ReturnsAtOnceAndPutsTheWindowBackExactly) {
    Window window(300, 500);
    const QRect home = window.frame();

    QElapsedTimer clock;
    clock.start();
    QPointer<QPropertyAnimation> shake = WindowShaker::shakeWindow(&window.widget);
    EXPECT_LT(clock.elapsed(), 100);
    ASSERT_FALSE(shake.isNull());
    EXPECT_EQ(shake->state(), QAbstractAnimation::Running);

    // It really moves, only sideways, and never farther than the key frames.
    bool movedAway = false;
    while (!shake.isNull() && clock.elapsed() < 3000) {
        const QRect now = window.frame();
        EXPECT_EQ(now.y(), home.y());
        EXPECT_EQ(now.size(), home.size());
        EXPECT_GE(now.x(), 290);
        EXPECT_LE(now.x(), 310);
        movedAway = movedAway || now.x() != home.x();
        QTest::qWait(5);
    }
    EXPECT_TRUE(movedAway);
    EXPECT_TRUE(shake.isNull()) << "the animation deletes itself when done";
    EXPECT_GE(clock.elapsed(), 400 - 50);
    EXPECT_EQ(window.frame(), home);

    // Stopped early, it also puts the window back.
    shake = WindowShaker::shakeWindow(&window.widget);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frame().x() != home.x(); }, 1000));
    shake->stop();
    EXPECT_EQ(window.frame(), home);
}

TEST(WindowShaker, ShakingAgainWhileShakingDoesNotDrift) {
    Window window(300, 500);
    const QRect home = window.frame();

    QPointer<QPropertyAnimation> first = WindowShaker::shakeWindow(&window.widget);
    QPointer<QPropertyAnimation> second;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.frame().x() != home.x(); }, 1000));
        second = WindowShaker::shakeWindow(&window.widget);
        ASSERT_FALSE(second.isNull());
        EXPECT_EQ(second->startValue().toPoint(), QPoint(290, 200));
        EXPECT_EQ(second->endValue().toPoint(), QPoint(310, 200));
    }
    EXPECT_TRUE(first.isNull() || first->state() == QAbstractAnimation::Stopped);
    EXPECT_EQ(
        window.widget.findChildren<QPropertyAnimation*>(QStringLiteral("lockmere-shake")).size(),
        1);
    EXPECT_TRUE(waitUntilDeleted(second));
    EXPECT_EQ(window.frame(), home);
}

TEST(WindowShaker, WindowMayCloseWhileShaking) {
    auto* window = new Window(300, 500);
    QPointer<QPropertyAnimation> shake = WindowShaker::shakeWindow(&window->widget);
    QTest::qWait(30);
    delete window;
    EXPECT_TRUE(shake.isNull());
    QTest::qWait(30);
}

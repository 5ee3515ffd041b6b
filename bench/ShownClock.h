#pragma once

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>

// Paints every visible window once, as its first frame on screen, then
// prints that moment on the monotonic clock that every process of the
// machine shares, so the benchmark can subtract the moment it started the
// probe and leave the exit out of the figure.
inline void printShownMoment() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->repaint();
        }
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

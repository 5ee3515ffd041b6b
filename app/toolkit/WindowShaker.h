#pragma once

#include <QPropertyAnimation>
#include <QWidget>

// Shakes a window sideways, the way a login window says "wrong password".
class WindowShaker {
public:
    static constexpr int numberOfShakes = 4;
    // Seconds per pass from the left extreme to the right one.
    static constexpr float durationOfShake = 0.1f;
    // How far the window travels to each side, as a fraction of its frame width.
    static constexpr float vigourOfShake = 0.02f;
    // The object name of the running shake animation, a child of the window.
    static constexpr const char* animationName = "lockmere-shake";

    // Starts shaking `window` and returns at once with the running animation (nullptr for a null
    // window). The animation deletes itself when done; whether it finishes or is stopped, the
    // window ends exactly where it started. Shaking a window that is still shaking restarts the
    // shake around the original position, so repeated failures cannot walk the window away.
    static QPropertyAnimation* shakeWindow(QWidget* window);
};

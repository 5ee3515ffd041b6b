#pragma once

#include <QPointer>
#include <QWidget>

// The main window's content area holds several boxes (the record list, an editor, ...) of which
// exactly one, or none, is on show. ContentBox keeps that rule so callers only say which box they
// want to see.
class ContentBox {
public:
    // Hides every widget already in the area's layout: nothing is on show until asked for. An area
    // without a layout gets a margin-less vertical one.
    explicit ContentBox(QWidget* area);

    // Hides the box on show, puts `box` into the area if it is not there yet and shows it. With
    // nullptr the area is left empty. Focus is not touched: the caller knows where it belongs.
    void setContentView(QWidget* box);

    // The box on show, or nullptr.
    QWidget* contentView() const;

    // Takes `box` off the screen when it is the one on show, leaving the area empty; any other box
    // is left alone, so a stale close request cannot hide what replaced it.
    void removeFromSuperview(QWidget* box);

    QWidget* area() const;

private:
    QWidget* area_;
    // A box may be deleted while on show (an editor closing itself); QPointer then reads nullptr.
    QPointer<QWidget> contentView_;
};

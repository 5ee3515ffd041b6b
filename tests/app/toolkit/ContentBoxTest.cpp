#include "toolkit/ContentBox.h"

#include "support/QtPrinters.h"

#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The boxes of the area's layout that are not hidden.
QList<QWidget*> boxesOnShow(QWidget* area) {
    QList<QWidget*> shown;
    for (int i = 0; i < area->layout()->count(); ++i) {
        QWidget* widget = area->layout()->itemAt(i)->widget();
        if (widget != nullptr && widget->isVisibleTo(area)) {
            shown.append(widget);
        }
    }
    return shown;
}

struct Area {
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    QLabel* list = new QLabel(QStringLiteral("list"));
    QLabel* welcome = new QLabel(QStringLiteral("welcome"));

    Area() {
        layout->addWidget(list);
        layout->addWidget(welcome);
        window.show();
    }
};

} // namespace

TEST(ContentBox, ShowsExactlyOneBoxAtATime) {
    Area area;
    ContentBox box(&area.window);
    EXPECT_TRUE(boxesOnShow(&area.window).isEmpty());
    EXPECT_EQ(box.contentView(), nullptr);
    EXPECT_EQ(box.area(), &area.window);

    box.setContentView(area.list);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{area.list});
    EXPECT_TRUE(area.list->isVisible());

    box.setContentView(area.welcome);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{area.welcome});
    EXPECT_EQ(box.contentView(), area.welcome);

    // A box that was never in the area joins it, once.
    auto* editor = new QLabel(QStringLiteral("editor"));
    box.setContentView(editor);
    EXPECT_EQ(editor->parentWidget(), &area.window);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{editor});
    const int boxes = area.layout->count();
    box.setContentView(area.list);
    box.setContentView(editor);
    box.setContentView(editor);
    EXPECT_EQ(area.layout->count(), boxes);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{editor});

    box.setContentView(nullptr);
    EXPECT_TRUE(boxesOnShow(&area.window).isEmpty());
    EXPECT_EQ(box.contentView(), nullptr);
}

TEST(ContentBox, RemovingTheBoxOnShowLeavesTheAreaEmpty) {
    Area area;
    ContentBox box(&area.window);
    auto* editor = new QLabel(QStringLiteral("editor"));
    box.setContentView(editor);

    // Only the box on show can be taken away; a stale request changes nothing.
    box.removeFromSuperview(area.list);
    box.removeFromSuperview(nullptr);
    EXPECT_EQ(box.contentView(), editor);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{editor});

    box.removeFromSuperview(editor);
    EXPECT_EQ(box.contentView(), nullptr);
    EXPECT_TRUE(boxesOnShow(&area.window).isEmpty());
    EXPECT_TRUE(editor->isHidden());

    // A box deleted while on show is no longer reported as the content view.
    box.setContentView(editor);
    delete editor;
    EXPECT_EQ(box.contentView(), nullptr);
    box.setContentView(area.list);
    EXPECT_EQ(boxesOnShow(&area.window), QList<QWidget*>{area.list});
}

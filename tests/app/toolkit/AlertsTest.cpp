#include "toolkit/Alerts.h"

#include "support/DictionaryTranslator.h"
#include "support/QtPrinters.h"
#include "toolkit/Localizer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Waits, inside the alert's own event loop, for a message box to become the active modal widget
// and hands it to `answer`, which inspects it and closes it. Should `answer` leave it open, the
// box is closed a little later so a failing test cannot hang.
void whenMessageBoxOpens(std::function<void(QMessageBox*)> answer) {
    auto* poll = new QTimer(qApp);
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, attempts, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr && ++*attempts < 500) {
            return;
        }
        poll->deleteLater();
        poll->stop();
        if (box == nullptr) {
            ADD_FAILURE() << "no message box opened";
            return;
        }
        answer(box);
        QTimer::singleShot(1000, box, [box] {
            ADD_FAILURE() << "the message box was left open";
            box->done(0);
        });
    });
    poll->start(10);
}

class MessageBoxAlertsTest : public testing::Test {
protected:
    void SetUp() override {
        Localizer::uninstall();
        QCoreApplication::installTranslator(&english);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&english); }

    DictionaryTranslator english{{
        {QStringLiteral("Delete.Message"), QStringLiteral("Delete this record?")},
        {QStringLiteral("Delete.Informative"), QStringLiteral("This cannot be undone.")},
        {QStringLiteral("Delete.Default"), QStringLiteral("Delete")},
        {QStringLiteral("Delete.Other"), QStringLiteral("Keep")},
        {QStringLiteral("Saved.Message"), QStringLiteral("Saved")},
    }};
    QWidget window;
};

} // namespace

TEST_F(MessageBoxAlertsTest, KeyedAlertShowsLocalisedTextsAndOneOkButton) {
    MessageBoxAlerts alerts([this] { return &window; });
    bool seen = false;
    whenMessageBoxOpens([&](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->text(), QStringLiteral("Saved"));
        // A key no table knows shows itself.
        EXPECT_EQ(box->informativeText(), QStringLiteral("Saved.Informative"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->parentWidget(), &window);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        box->button(QMessageBox::Ok)->click();
    });
    alerts.showKeyedAlert(QStringLiteral("Saved.Message"), QStringLiteral("Saved.Informative"));
    EXPECT_TRUE(seen);
}

TEST_F(MessageBoxAlertsTest, DeleteConfirmationAnswersWhichButtonWasChosen) {
    QWidget* parent = &window;
    MessageBoxAlerts alerts([&parent] { return parent; });
    const auto confirm = [&alerts] {
        return alerts.runDeleteConfirmation(
            QStringLiteral("Delete.Message"), QStringLiteral("Delete.Informative"),
            QStringLiteral("Delete.Default"), QStringLiteral("Delete.Other"));
    };

    whenMessageBoxOpens([&](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->text(), QStringLiteral("Delete this record?"));
        EXPECT_EQ(box->informativeText(), QStringLiteral("This cannot be undone."));
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), &window);
        ASSERT_NE(box->defaultButton(), nullptr);
        ASSERT_NE(box->escapeButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Delete"));
        EXPECT_EQ(box->escapeButton()->text(), QStringLiteral("Keep"));
        EXPECT_EQ(box->buttons().size(), 2);
        box->defaultButton()->click();
    });
    EXPECT_EQ(confirm(), AlertDefaultReturn);

    whenMessageBoxOpens([](QMessageBox* box) { box->escapeButton()->click(); });
    EXPECT_EQ(confirm(), AlertOtherReturn);

    // Escape is the harmless answer, and a missing parent window is allowed.
    parent = nullptr;
    whenMessageBoxOpens([](QMessageBox* box) {
        EXPECT_EQ(box->parentWidget(), nullptr);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(confirm(), AlertOtherReturn);
}

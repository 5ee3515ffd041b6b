// The list model on its own: it keeps no rows and keeps Qt's model contract.
#include "toolkit/ControllerTableModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
struct Rows : TableDataSource {
    QList<QStringList> rows{{"Bank", "anna", "x1"}, {"Mail", "carl", "x2"}};
    int questions = 0;
    int numberOfRowsInTableView(QTableView*) override { return static_cast<int>(rows.size()); }
    QString objectValueForTableColumn(QTableView*, const TableColumn& column, int row) override {
        ++questions;
        return row < rows.size() ? rows[row][column.index()] : QString();
    }
};
} // namespace

TEST(ControllerTableModel, AsksTheSourceAtEveryQuestionAndKeepsQtsModelContract) {
    QTableView view;
    view.setProperty("columnIdentifiers", QStringList{"Title", "User", "Password"});
    Rows source;
    auto* model = new ControllerTableModel(&view, &source);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(&model->requiredColumn("User"), model->column(1));
    EXPECT_DEATH(model->requiredColumn("Notes"), "no column \"Notes\"");

    EXPECT_EQ(model->index(1, 1).data().toString(), "carl");
    source.rows[1][1] = "dora"; // no copy: the next question sees the change
    EXPECT_EQ(model->index(1, 1).data().toString(), "dora");
    source.rows.removeLast(); // a row asked for before the reload answers empty
    EXPECT_EQ(model->index(1, 1).data().toString(), "");
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    model->reloadData();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(view.verticalHeader()->count(), 1);
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));

    QSignalSpy headers(model, &QAbstractItemModel::headerDataChanged);
    EXPECT_TRUE(model->setHeaderData(1, Qt::Horizontal, "Benutzer"));
    EXPECT_FALSE(model->setHeaderData(3, Qt::Horizontal, "x"));
    EXPECT_EQ(headers.count(), 1);
    EXPECT_EQ(view.horizontalHeader()->model()->headerData(1, Qt::Horizontal).toString(),
              "Benutzer");
}

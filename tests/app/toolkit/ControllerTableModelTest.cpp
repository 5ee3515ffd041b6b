#include "toolkit/ControllerTableModel.h"

#include "support/QtPrinters.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers from a list the test edits directly, and remembers what it was asked.
class ListSource : public TableDataSource {
public:
    QList<QStringList> rows;
    int rowQuestions = 0;
    int questionsBeyondLastRow = 0;
    QTableView* askedBy = nullptr;

    int numberOfRowsInTableView(QTableView* table) override {
        ++rowQuestions;
        askedBy = table;
        return static_cast<int>(rows.size());
    }

    QString objectValueForTableColumn(QTableView* table, const TableColumn& column,
                                      int row) override {
        askedBy = table;
        if (row < 0 || row >= rows.size()) {
            ++questionsBeyondLastRow;
            return QString();
        }
        return rows.at(row).value(column.index());
    }
};

struct Table {
    QTableView view;
    ListSource source;
    ControllerTableModel* model;

    explicit Table(const QStringList& identifiers = {QStringLiteral("Title"),
                                                     QStringLiteral("User"),
                                                     QStringLiteral("Password")}) {
        view.setProperty("columnIdentifiers", identifiers);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        source.rows = {{"Bank", "anna", "x1"}, {"Mail", "bob", "x2"}, {"Shop", "carl", "x3"}};
        model = new ControllerTableModel(&view, &source);
    }
};

} // namespace

TEST(ControllerTableModel, ColumnsComeFromTheViewAndHeadersFromTheHeaderApi) {
    Table table;
    EXPECT_EQ(table.view.model(), table.model);
    ASSERT_EQ(table.model->columnCount(), 3);
    const TableColumn& user = table.model->requiredColumn(QStringLiteral("User"));
    EXPECT_EQ(&user, table.model->column(1));
    EXPECT_EQ(table.model->column(3), nullptr);
    EXPECT_EQ(table.model->columnWithIdentifier(QStringLiteral("Notes")), nullptr);
    EXPECT_DEATH(table.model->requiredColumn(QStringLiteral("Notes")), "no column \"Notes\"");

    QSignalSpy headerChanges(table.model, &QAbstractItemModel::headerDataChanged);
    EXPECT_TRUE(table.model->setHeaderData(1, Qt::Horizontal, QStringLiteral("Benutzer")));
    EXPECT_FALSE(table.model->setHeaderData(3, Qt::Horizontal, QStringLiteral("x")));
    ASSERT_EQ(headerChanges.count(), 1);
    EXPECT_EQ(headerChanges.at(0).at(1).toInt(), 1);
    EXPECT_EQ(table.view.horizontalHeader()->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Benutzer"));
    EXPECT_EQ(table.model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Title"));
}

TEST(ControllerTableModel, KeepsNoRowsAndForwardsEveryQuestion) {
    Table table;
    ControllerTableModel& model = *table.model;
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(table.source.askedBy, &table.view);
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("Mail"));
    EXPECT_EQ(model.data(model.index(2, 1), Qt::AccessibleTextRole).toString(),
              QStringLiteral("carl"));
    EXPECT_FALSE(model.data(model.index(2, 1), Qt::EditRole).isValid());
    EXPECT_FALSE(model.data(model.index(2, 1), Qt::ToolTipRole).isValid());
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);

    const Qt::ItemFlags flags = model.flags(model.index(0, 0));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsSelectable));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsEnabled));
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));

    // The source changes its answers: the model has nothing cached to contradict it.
    const int questions = table.source.rowQuestions;
    table.source.rows[1][0] = QStringLiteral("Webmail");
    table.source.rows.append({"Club", "dora", "x4"});
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_GT(table.source.rowQuestions, questions);
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("Webmail"));
    EXPECT_EQ(model.data(model.index(3, 2)).toString(), QStringLiteral("x4"));
}

TEST(ControllerTableModel, ViewFollowsTheSourceAfterReloadData) {
    Table table;
    table.view.resize(400, 300);
    table.view.show();
    EXPECT_EQ(table.view.verticalHeader()->count(), 3);
    QSignalSpy resets(table.model, &QAbstractItemModel::modelReset);

    // A paint asks for its nine cells and the row count at most once: the
    // count is a question to the store, and asking it for every cell made a
    // repaint pay a store check per cell more than it needs.
    table.view.grab();
    table.source.rowQuestions = 0;
    table.view.grab();
    EXPECT_LE(table.source.rowQuestions, 1);

    // The source shrinks under a view still showing three rows: painting must not crash, and the
    // view only catches up on reloadData().
    table.view.selectRow(2);
    table.source.rows.removeLast();
    table.source.rows.removeLast();
    table.view.grab();
    table.model->reloadData();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(table.view.verticalHeader()->count(), 1);
    EXPECT_EQ(selectedRow(&table.view), -1);
    table.view.grab();

    table.source.rows.append({"Club", "dora", "x4"});
    table.model->reloadData();
    EXPECT_EQ(table.view.verticalHeader()->count(), 2);
    EXPECT_EQ(table.view.model()->index(1, 1).data().toString(), QStringLiteral("dora"));
}

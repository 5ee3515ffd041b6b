#include "toolkit/ControllerTableModel.h"

#include <QStringList>

ControllerTableModel::ControllerTableModel(QTableView* view, TableDataSource* source)
    : QAbstractTableModel(view), view_(view), source_(source) {
    const QStringList identifiers = view->property("columnIdentifiers").toStringList();
    for (int i = 0; i < identifiers.size(); ++i) {
        columns_.emplace_back(i, identifiers.at(i));
        headerTitles_.push_back(identifiers.at(i));
    }
    view->setModel(this);
}

ControllerTableModel::~ControllerTableModel() = default;

QTableView* ControllerTableModel::tableView() const {
    return view_;
}

const TableColumn* ControllerTableModel::column(int index) const {
    if (index < 0 || index >= columnCount()) {
        return nullptr;
    }
    return &columns_[static_cast<size_t>(index)];
}

const TableColumn* ControllerTableModel::columnWithIdentifier(const QString& identifier) const {
    for (const TableColumn& column : columns_) {
        if (column.identifier() == identifier) {
            return &column;
        }
    }
    return nullptr;
}

const TableColumn& ControllerTableModel::requiredColumn(const QString& identifier) const {
    const TableColumn* found = columnWithIdentifier(identifier);
    if (found == nullptr) {
        qFatal("Table %s has no column \"%s\"", qPrintable(view_->objectName()),
               qPrintable(identifier));
    }
    return *found;
}

void ControllerTableModel::reloadData() {
    beginResetModel();
    endResetModel();
}

// The view makes an index for every cell it paints; the inherited index()
// would ask the source for the row count each time, and that is a question to
// the store. The view only asks for rows it was told of at the last reload; a
// row the source no longer has answers with an empty cell until the next one.
QModelIndex ControllerTableModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || column >= columnCount()) {
        return {};
    }
    return createIndex(row, column);
}

int ControllerTableModel::rowCount(const QModelIndex& parent) const {
    // A table has no children below its cells.
    if (parent.isValid() || source_ == nullptr) {
        return 0;
    }
    return source_->numberOfRowsInTableView(view_);
}

int ControllerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

namespace {

// A cell shows no more than a line can hold, and a tooltip no more than a screen: a text of
// megabytes that another program stored would otherwise take minutes to lay out.
constexpr qsizetype kLongestShownInCell = 512;
constexpr qsizetype kLongestShownInTip = 4096;

QString shortened(const QString& text, qsizetype longest) {
    return text.size() <= longest ? text : text.left(longest) + QChar(0x2026); // …
}

// A text with line breaks (a title that an imported file gave one) on a single line.
QString onOneLine(QString text) {
    for (QChar& character : text) {
        if (character == u'\n' || character == u'\r' || character == QChar::LineSeparator ||
            character == QChar::ParagraphSeparator) {
            character = u' ';
        }
    }
    return text;
}

} // namespace

// The cell shows its text on one line; the tooltip and a screen reader get more of it.
QVariant ControllerTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) {
        return {};
    }
    const TableColumn* tableColumn = column(index.column());
    if (!index.isValid() || tableColumn == nullptr || source_ == nullptr) {
        return {};
    }
    const QString text = source_->objectValueForTableColumn(view_, *tableColumn, index.row());
    return role == Qt::DisplayRole ? onOneLine(shortened(text, kLongestShownInCell))
                                   : shortened(text, kLongestShownInTip);
}

QVariant ControllerTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return column(section) != nullptr ? QVariant(headerTitles_[static_cast<size_t>(section)])
                                          : QVariant();
    }
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole) {
        return Qt::AscendingOrder; // a column's first click sorts A to Z, the next Z to A
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ControllerTableModel::sort(int column, Qt::SortOrder order) {
    if (source_ != nullptr && this->column(column) != nullptr) {
        source_->sortTableView(view_, column, order);
    }
}

bool ControllerTableModel::setHeaderData(int section, Qt::Orientation orientation,
                                         const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) ||
        column(section) == nullptr) {
        return false;
    }
    headerTitles_[static_cast<size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags ControllerTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

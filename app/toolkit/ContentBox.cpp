#include "toolkit/ContentBox.h"

#include <QLayout>
#include <QVBoxLayout>

ContentBox::ContentBox(QWidget* area) : area_(area) {
    QLayout* layout = area_->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(area_);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget* widget = layout->itemAt(i)->widget()) {
            widget->hide();
        }
    }
}

void ContentBox::setContentView(QWidget* box) {
    if (contentView_ && contentView_ != box) {
        contentView_->hide();
    }
    contentView_ = box;
    if (box == nullptr) {
        return;
    }
    if (area_->layout()->indexOf(box) < 0) {
        area_->layout()->addWidget(box);
    }
    box->show();
}

QWidget* ContentBox::contentView() const {
    return contentView_;
}

void ContentBox::removeFromSuperview(QWidget* box) {
    if (box == nullptr || box != contentView_) {
        return;
    }
    box->hide();
    contentView_ = nullptr;
}

QWidget* ContentBox::area() const {
    return area_;
}

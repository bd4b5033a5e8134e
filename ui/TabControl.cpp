#include "ui/TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace marlo {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
    , tabBar_(new QTabBar(this))
    , pageArea_(new QWidget(this)) {
    tabBar_->setDrawBase(false);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index < pages_.size()) {
            showPage(pages_[index]);
        }
    });
}

void TabControl::addTab(const QString& text, QWidget* page) {
    page->setParent(pageArea_);
    page->setGeometry(pageArea_->rect());
    page->hide();
    pages_.append(page);
    tabBar_->addTab(text);
    tabBar_->resize(tabBar_->sizeHint());
}

int TabControl::currentIndex() const {
    return tabBar_->currentIndex();
}

void TabControl::setCurrentIndex(int index) {
    tabBar_->setCurrentIndex(index);
}

void TabControl::showPage(QWidget* page) {
    for (QWidget* each : pages_) {
        each->setVisible(each == page);
    }
}

void TabControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, tabBar_->height() - 1, 0, 0);
    frame.tabBarSize = tabBar_->size();
    frame.shape = tabBar_->shape();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void TabControl::resizeEvent(QResizeEvent*) {
    tabBar_->move(2, 0);
    pageArea_->setGeometry(rect().adjusted(2, tabBar_->height(), -4, -4));
    for (QWidget* page : pages_) {
        page->setGeometry(pageArea_->rect());
    }
}

} // namespace marlo

#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace marlo {

// A row of tabs over a framed area that holds one page per tab. Selecting a tab shows its page
// and hides the others; a page can also be shown without changing the selected tab.
class TabControl : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    // Adds a tab; `page` becomes a child of the page area, sized to it, and starts hidden.
    void addTab(const QString& text, QWidget* page);
    int currentIndex() const;
    void setCurrentIndex(int index);
    void showPage(QWidget* page);
    QTabBar* tabBar() const { return tabBar_; }
    // The parent of every page; disabling it disables the pages without touching their own state.
    QWidget* pageArea() const { return pageArea_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* tabBar_;
    QWidget* pageArea_;
    QList<QWidget*> pages_;
};

} // namespace marlo

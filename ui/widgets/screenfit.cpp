#include "ui/widgets/screenfit.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace chromanick {

namespace {

const QString kScrollName = QStringLiteral("defilement");
// A title bar and a thin border, for a window the window system has not
// framed yet.
constexpr QSize kUsualFrame(8, 32);
// The smallest window the user may shrink a scrolled one to.
constexpr QSize kSmallest(240, 160);

QScrollArea* scrollerOf(QMainWindow& window) {
    auto* scroller = qobject_cast<QScrollArea*>(window.centralWidget());
    return scroller != nullptr && scroller->objectName() == kScrollName ? scroller : nullptr;
}

int menuHeight(const QMainWindow& window) {
    const QWidget* menu = window.menuWidget();
    return menu != nullptr ? menu->sizeHint().height() : 0;
}

// The window with the whole client area as its central widget.
QSize wholeSize(const QMainWindow& window, const QWidget& client) {
    return {client.width(), client.height() + menuHeight(window)};
}

void giveBack(QMainWindow& window, QScrollArea* scroller, const QSize& whole) {
    window.takeCentralWidget();
    window.setCentralWidget(scroller->takeWidget());
    delete scroller;
    window.setMinimumSize(0, 0);
    window.setFixedSize(whole);
}

// The scrolled window: as large as the free area allows, never larger than
// the client area and the scroll bars it then needs.
void scroll(QMainWindow& window, QWidget& client, const QSize& free, const QSize& whole) {
    QScrollArea* scroller = scrollerOf(window);
    if (scroller == nullptr) {
        scroller = new QScrollArea;
        scroller->setObjectName(kScrollName);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidgetResizable(false);
        window.takeCentralWidget();
        scroller->setWidget(&client);
        window.setCentralWidget(scroller);
    }
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller);
    QSize largest = whole;
    if (whole.height() > free.height()) largest.rwidth() += bar;
    if (whole.width() > free.width()) largest.rheight() += bar;
    if (window.layout() != nullptr)
        window.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    window.setMinimumSize(kSmallest.boundedTo(largest));
    window.setMaximumSize(largest);
    window.resize(largest.boundedTo(free));
}

}  // namespace

void fitToArea(QMainWindow& window, QWidget& client, const QSize& free) {
    const QSize whole = wholeSize(window, client);
    const bool fits = whole.width() <= free.width() && whole.height() <= free.height();
    QScrollArea* scroller = scrollerOf(window);
    if (fits) {
        if (scroller != nullptr) giveBack(window, scroller, whole);
        return;
    }
    scroll(window, client, free, whole);
}

void fitToScreen(QMainWindow& window, QWidget& client) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (!window.isVisible() || frame.isEmpty()) frame = frame.expandedTo(kUsualFrame);
    fitToArea(window, client, screen->availableGeometry().size() - frame);
}

}  // namespace chromanick

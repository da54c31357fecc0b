#include "ui/widgets/windowkit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QPalette>

namespace chromanick {

namespace {

class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(std::function<void()> handler, QObject* parent)
        : QObject(parent), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        handler_();
        return true;
    }

private:
    std::function<void()> handler_;
};

QMenu* namedMenu(QMenu* menu, const QString& name) {
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

}  // namespace

QCheckBox* styledCheckBox(const QString& caption, QWidget* parent, void (QFont::*style)(bool)) {
    auto* box = new QCheckBox(caption, parent);
    QFont font = box->font();
    (font.*style)(true);
    box->setFont(font);
    return box;
}

void useButtonFace(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
}

void onDoubleClick(QWidget* box, std::function<void()> handler) {
    box->installEventFilter(new DoubleClickFilter(std::move(handler), box));
}

QMenu* addNamedMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    return namedMenu(bar->addMenu(caption), name);
}

QMenu* addNamedMenu(QMenu* parent, const QString& name, const QString& caption) {
    return namedMenu(parent->addMenu(caption), name);
}

QString literalCaption(const QString& text) {
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void WindowEnding::quit(bool agreed) {
    if (!agreed) return;
    agreed_ = true;
    endRequested_();
}

void WindowEnding::close(QCloseEvent* event, const std::function<bool()>& ask) {
    if (agreed_) {
        event->accept();
        return;
    }
    if (!ask()) {
        event->ignore();
        return;
    }
    agreed_ = true;
    event->accept();
    endRequested_();
}

void WindowEnding::closeForProgramEnd(QWidget& window) {
    agreed_ = true;
    window.close();
}

}  // namespace chromanick

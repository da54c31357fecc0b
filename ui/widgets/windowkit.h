#pragma once

// What every window is built from besides its own controls: named controls,
// plain labels, the styled check boxes, the button face behind read-only
// boxes, the box a double click clears, menus and their entries, and the way
// a window ends.
#include "ui/widgets/placement.h"

#include <QKeySequence>
#include <QMenu>
#include <QString>

#include <functional>

class QCheckBox;
class QCloseEvent;
class QMenuBar;
class QWidget;

namespace chromanick {

// A control gets its control name (for controls a layout places).
template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A check box whose caption shows the style it sets: `style` is one of
// QFont::setBold, setUnderline, setItalic, setStrikeOut.
QCheckBox* styledCheckBox(const QString& caption, QWidget* parent, void (QFont::*style)(bool));

// A read-only box drawn on the button face instead of the white of an input.
void useButtonFace(QWidget* box);

// A double click in `box` runs `handler` (the editors clear their nickname
// box) instead of selecting a word.
void onDoubleClick(QWidget* box, std::function<void()> handler);

// A menu of the menu bar; the menu and the entry that opens it both carry
// the menu's name. The caption carries its access key ("&Fichier": Alt+F).
QMenu* addNamedMenu(QMenuBar* bar, const QString& name, const QString& caption);
QMenu* addNamedMenu(QMenu* parent, const QString& name, const QString& caption);

// A caption shown as written, with no access key: every "&" doubled
// ("Minecraft (&#RRGGBB)").
QString literalCaption(const QString& text);

// An entry created with its handler, so that no entry is ever left without one.
template <typename Handler>
QAction* addMenuEntry(QMenu* menu, const QString& name, const QString& caption, QObject* context,
                      Handler handler, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption, context, std::move(handler));
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

// How a window ends the program. The user's "Quitter" or closing the window
// asks the window's model first; once it agreed, the end is recorded and
// requested once, and closing the window again (the program closing every
// window) never asks again. The program's own end closes without asking.
class WindowEnding {
public:
    explicit WindowEnding(std::function<void()> endRequested)
        : endRequested_(std::move(endRequested)) {}

    // "Quitter": `agreed` is the model's answer.
    void quit(bool agreed);
    // The window's closeEvent: `ask` asks the model, unless the end was agreed.
    void close(QCloseEvent* event, const std::function<bool()>& ask);
    // The program ends: `window` closes without a question.
    void closeForProgramEnd(QWidget& window);
    bool agreed() const { return agreed_; }

private:
    std::function<void()> endRequested_;
    bool agreed_ = false;
};

}  // namespace chromanick

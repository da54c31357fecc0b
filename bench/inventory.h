#pragma once

#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QIODevice;

namespace chromanick::bench {

// The widgets of a program's windows as bare Qt sees them: for each control
// (each widget with an objectName of its own; Qt's inner parts make
// themselves again), the Qt class it is made of, where it stands, its font
// and colours when it has its own, and the text it shows. A yardstick builds
// the same widgets from it with no program code at all: a custom widget
// becomes the Qt class it derives from, drawing nothing of its own.
struct Control {
    enum class Role : qint8 { Child, Central, MenuBar, ScrollContent, MenuOfBar };
    QString kind;  // "QLabel", "QPushButton", ... or "QWidget"
    QString name;
    int parent = -1;  // index in the inventory, -1 for a window
    Role role = Role::Child;
    QRect geometry;       // in the parent control
    bool hidden = false;  // hidden on its own (a window: not shown)
    bool hasFont = false;
    QFont font;
    bool hasPalette = false;
    QPalette palette;
    bool autoFill = false;
    QString text;
    QStringList items;  // a drop-down's entries
    int alignment = 0;
    int wrap = 0;  // a label's word wrap, a text box's wrap mode, a scroll area's resizing
};
using Inventory = std::vector<Control>;

// The controls of every window of the application as it stands.
Inventory inventoryOfApplication();
// The controls of one window and of what it holds.
Inventory inventoryOf(const QWidget& window);

void write(const Inventory& inventory, QIODevice& device);
Inventory read(QIODevice& device);

// Builds the bare widgets, windows shown as the inventory says; owns them.
class BareWindows {
public:
    explicit BareWindows(const Inventory& inventory);
    ~BareWindows();
    void show();
    template <typename Widget>
    Widget* find(const QString& name) const {
        for (QWidget* w : widgets_)
            if (w->objectName() == name)
                if (auto* found = qobject_cast<Widget*>(w)) return found;
        return nullptr;
    }
    QWidget* window(int i = 0) const { return windows_.at(i).get(); }

private:
    std::vector<std::unique_ptr<QWidget>> windows_;
    std::vector<bool> windowShown_;
    std::vector<QWidget*> widgets_;
};

}  // namespace chromanick::bench

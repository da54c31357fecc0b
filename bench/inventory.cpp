#include "inventory.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

#include <functional>
#include <map>

namespace chromanick::bench {

namespace {

// The Qt classes a yardstick makes, each with what it copies of a control.
struct Kind {
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
    std::function<void(const QWidget&, Control&)> take;
    std::function<void(const Control&, QWidget&)> give;
};

template <typename W>
QWidget* made(QWidget* parent) {
    return new W(parent);
}

void nothing(const QWidget&, Control&) {}
void nothingGiven(const Control&, QWidget&) {}

template <typename W>
void takeButton(const QWidget& w, Control& c) {
    c.text = static_cast<const W&>(w).text();
}
void giveButton(const Control& c, QWidget& w) {
    static_cast<QAbstractButton&>(w).setText(c.text);
}

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all = {
        {"QMainWindow", made<QMainWindow>, nothing, nothingGiven},
        {"QMenuBar", made<QMenuBar>, nothing, nothingGiven},
        {"QMenu", [](QWidget* parent) { return new QMenu(parent); },
         [](const QWidget& w, Control& c) { c.text = static_cast<const QMenu&>(w).title(); },
         [](const Control& c, QWidget& w) { static_cast<QMenu&>(w).setTitle(c.text); }},
        {"QScrollArea", made<QScrollArea>,
         [](const QWidget& w, Control& c) {
             c.wrap = static_cast<const QScrollArea&>(w).widgetResizable();
         },
         [](const Control& c, QWidget& w) {
             static_cast<QScrollArea&>(w).setWidgetResizable(c.wrap != 0);
         }},
        {"QLabel", made<QLabel>,
         [](const QWidget& w, Control& c) {
             const auto& l = static_cast<const QLabel&>(w);
             c.text = l.text();
             c.alignment = int(l.alignment());
             c.wrap = l.wordWrap();
         },
         [](const Control& c, QWidget& w) {
             auto& l = static_cast<QLabel&>(w);
             l.setTextFormat(Qt::PlainText);
             l.setText(c.text);
             l.setAlignment(Qt::Alignment(c.alignment));
             l.setWordWrap(c.wrap != 0);
         }},
        {"QRadioButton", made<QRadioButton>, takeButton<QRadioButton>, giveButton},
        {"QCheckBox", made<QCheckBox>, takeButton<QCheckBox>, giveButton},
        {"QPushButton", made<QPushButton>, takeButton<QPushButton>, giveButton},
        {"QToolButton", made<QToolButton>, takeButton<QToolButton>, giveButton},
        {"QGroupBox", made<QGroupBox>,
         [](const QWidget& w, Control& c) { c.text = static_cast<const QGroupBox&>(w).title(); },
         [](const Control& c, QWidget& w) { static_cast<QGroupBox&>(w).setTitle(c.text); }},
        {"QLineEdit", made<QLineEdit>,
         [](const QWidget& w, Control& c) {
             const auto& e = static_cast<const QLineEdit&>(w);
             c.text = e.text();
             c.alignment = int(e.alignment());
         },
         [](const Control& c, QWidget& w) {
             auto& e = static_cast<QLineEdit&>(w);
             e.setMaxLength(std::numeric_limits<int>::max());
             e.setAlignment(Qt::Alignment(c.alignment));
             e.setText(c.text);
         }},
        {"QComboBox", made<QComboBox>,
         [](const QWidget& w, Control& c) {
             const auto& b = static_cast<const QComboBox&>(w);
             c.wrap = b.isEditable();
             for (int i = 0; i < b.count(); ++i) c.items.append(b.itemText(i));
             c.text = b.currentText();
         },
         [](const Control& c, QWidget& w) {
             auto& b = static_cast<QComboBox&>(w);
             b.setEditable(c.wrap != 0);
             b.addItems(c.items);
             if (c.wrap) b.setEditText(c.text);
         }},
        {"QPlainTextEdit", made<QPlainTextEdit>,
         [](const QWidget& w, Control& c) {
             const auto& e = static_cast<const QPlainTextEdit&>(w);
             c.text = e.toPlainText();
             c.wrap = int(e.wordWrapMode()) | (int(e.lineWrapMode()) << 8) |
                      (int(e.verticalScrollBarPolicy()) << 16);
         },
         [](const Control& c, QWidget& w) {
             auto& e = static_cast<QPlainTextEdit&>(w);
             e.setWordWrapMode(QTextOption::WrapMode(c.wrap & 0xff));
             e.setLineWrapMode(QPlainTextEdit::LineWrapMode((c.wrap >> 8) & 0xff));
             e.setVerticalScrollBarPolicy(Qt::ScrollBarPolicy((c.wrap >> 16) & 0xff));
             e.setPlainText(c.text);
         }},
        {"QWidget", made<QWidget>, nothing, nothingGiven},
    };
    return all;
}

const Kind& kindOf(const QWidget& w) {
    for (const QMetaObject* m = w.metaObject(); m; m = m->superClass())
        for (const Kind& k : kinds())
            if (qstrcmp(m->className(), k.name) == 0) return k;
    return kinds().back();
}

const Kind& kindNamed(const QString& name) {
    for (const Kind& k : kinds())
        if (name == QLatin1String(k.name)) return k;
    return kinds().back();
}

bool isControl(const QWidget& w) {
    return !w.objectName().isEmpty() && !w.objectName().startsWith(QLatin1String("qt_"));
}

Control::Role roleOf(const QWidget& w) {
    const QWidget* parent = w.parentWidget();
    if (const auto* main = qobject_cast<const QMainWindow*>(parent)) {
        if (main->centralWidget() == &w) return Control::Role::Central;
        if (qobject_cast<const QMenuBar*>(&w)) return Control::Role::MenuBar;
    }
    if (qobject_cast<const QMenu*>(&w) && qobject_cast<const QMenuBar*>(parent))
        return Control::Role::MenuOfBar;
    for (const QWidget* p = parent; p; p = p->parentWidget())
        if (const auto* area = qobject_cast<const QScrollArea*>(p))
            if (area->widget() == &w) return Control::Role::ScrollContent;
    return Control::Role::Child;
}

// `w` and what it holds, under the control `parent` (its nearest named
// ancestor, or -1).
void take(const QWidget& w, int parent, const QWidget* parentWidget, Inventory& out) {
    int index = parent;
    if (isControl(w) || parent < 0) {
        Control c;
        const Kind& kind = kindOf(w);
        c.kind = QLatin1String(kind.name);
        c.name = w.objectName();
        c.parent = parent;
        c.role = parent < 0 ? Control::Role::Child : roleOf(w);
        c.geometry = parentWidget ? QRect(w.mapTo(parentWidget, QPoint(0, 0)), w.size())
                                  : QRect(QPoint(0, 0), w.size());
        c.hidden = parent < 0 ? !w.isVisible() : w.isHidden();
        c.hasFont = w.testAttribute(Qt::WA_SetFont) || parent < 0;
        c.font = w.font();
        c.hasPalette = w.testAttribute(Qt::WA_SetPalette);
        c.palette = w.palette();
        c.autoFill = w.autoFillBackground();
        kind.take(w, c);
        out.push_back(std::move(c));
        index = int(out.size()) - 1;
        parentWidget = &w;
    }
    for (const QObject* o : w.children())
        if (const auto* child = qobject_cast<const QWidget*>(o))
            take(*child, index, parentWidget, out);
}

}  // namespace

Inventory inventoryOf(const QWidget& window) {
    Inventory out;
    take(window, -1, nullptr, out);
    return out;
}

Inventory inventoryOfApplication() {
    Inventory out;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->parentWidget() == nullptr && isControl(*w)) {
            Inventory one = inventoryOf(*w);
            const int offset = int(out.size());
            for (Control& c : one) {
                if (c.parent >= 0) c.parent += offset;
                out.push_back(std::move(c));
            }
        }
    return out;
}

void write(const Inventory& inventory, QIODevice& device) {
    QDataStream out(&device);
    out << qint32(inventory.size());
    for (const Control& c : inventory)
        out << c.kind << c.name << qint32(c.parent) << qint8(c.role) << c.geometry << c.hidden
            << c.hasFont << c.font << c.hasPalette << c.palette << c.autoFill << c.text << c.items
            << qint32(c.alignment) << qint32(c.wrap);
}

Inventory read(QIODevice& device) {
    QDataStream in(&device);
    qint32 count = 0;
    in >> count;
    Inventory inventory(std::max(0, count));
    for (Control& c : inventory) {
        qint32 parent = 0, alignment = 0, wrap = 0;
        qint8 role = 0;
        in >> c.kind >> c.name >> parent >> role >> c.geometry >> c.hidden >> c.hasFont >> c.font >>
            c.hasPalette >> c.palette >> c.autoFill >> c.text >> c.items >> alignment >> wrap;
        c.parent = parent;
        c.role = Control::Role(role);
        c.alignment = alignment;
        c.wrap = wrap;
    }
    return in.status() == QDataStream::Ok ? inventory : Inventory{};
}

BareWindows::BareWindows(const Inventory& inventory) {
    std::vector<QWidget*> made(inventory.size(), nullptr);
    for (size_t i = 0; i < inventory.size(); ++i) {
        const Control& c = inventory[i];
        QWidget* parent = c.parent >= 0 ? made[c.parent] : nullptr;
        const Kind& kind = kindNamed(c.kind);
        QWidget* w = kind.make(c.role == Control::Role::ScrollContent ? nullptr : parent);
        w->setObjectName(c.name);
        if (c.hasFont) w->setFont(c.font);
        if (c.hasPalette) w->setPalette(c.palette);
        w->setAutoFillBackground(c.autoFill);
        kind.give(c, *w);
        switch (c.role) {
            case Control::Role::Central:
                static_cast<QMainWindow*>(parent)->setCentralWidget(w);
                break;
            case Control::Role::MenuBar:
                static_cast<QMainWindow*>(parent)->setMenuBar(static_cast<QMenuBar*>(w));
                break;
            case Control::Role::ScrollContent:
                if (auto* area = qobject_cast<QScrollArea*>(parent)) area->setWidget(w);
                break;
            case Control::Role::MenuOfBar:
                if (auto* bar = qobject_cast<QMenuBar*>(parent))
                    bar->addMenu(static_cast<QMenu*>(w));
                break;
            case Control::Role::Child:
                break;
        }
        if (c.role != Control::Role::MenuOfBar && c.role != Control::Role::MenuBar)
            w->setGeometry(c.geometry);
        if (parent == nullptr && c.role != Control::Role::ScrollContent) {
            windows_.emplace_back(w);
            windowShown_.push_back(!c.hidden);
        } else if (c.hidden) {
            w->hide();
        }
        made[i] = w;
        widgets_.push_back(w);
    }
}

BareWindows::~BareWindows() = default;

void BareWindows::show() {
    for (size_t i = 0; i < windows_.size(); ++i)
        if (windowShown_[i]) windows_[i]->show();
}

}  // namespace chromanick::bench

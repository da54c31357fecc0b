// chromanick_bench_bare [INVENTORY_FILE [--liste]]
// The yardsticks of the start-up benchmark: a bare Qt Widgets program that
// shows one empty 1018 × 636 window, or, given the inventory the program's
// start wrote (inventory.h), the same controls as bare Qt widgets in the
// same windows, and quits once the event loop has run. With --liste it
// prints how many controls of each Qt class the inventory holds instead.
#include "inventory.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <map>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> empty;
    std::unique_ptr<chromanick::bench::BareWindows> windows;
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::ReadOnly)) return 2;
        const chromanick::bench::Inventory inventory = chromanick::bench::read(file);
        if (inventory.empty()) return 2;
        if (argc > 2 && QByteArray(argv[2]) == "--liste") {
            std::map<QString, int> counts;
            for (const chromanick::bench::Control& c : inventory)
                ++counts[c.parent < 0 ? QStringLiteral("fenêtre ") + c.kind +
                                            (c.hidden ? QStringLiteral(" (cachée)") : QString())
                                      : c.kind];
            for (const auto& [kind, count] : counts)
                std::printf("%5d %s\n", count, kind.toUtf8().constData());
            return 0;
        }
        windows = std::make_unique<chromanick::bench::BareWindows>(inventory);
        windows->show();
    } else {
        empty = std::make_unique<QWidget>();
        empty->resize(1018, 636);
        empty->show();
    }
    // exit() ends the event loop without asking the windows to close.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}

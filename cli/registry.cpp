#include "registry.h"

#include <algorithm>

namespace chromanick::cli {

namespace {

// Filled by the registrars during static initialisation, which may run
// before any other global of this file is built: hence the function-local list.
QList<Command>& storage() {
    static QList<Command> list;
    return list;
}

}  // namespace

Registrar::Registrar(Command command) {
    storage().append(std::move(command));
}

QList<Command> commands() {
    QList<Command> sorted = storage();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return sorted;
}

const Command* findCommand(const QString& name) {
    const QList<Command>& list = storage();
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const Command& c) { return c.name == name; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace chromanick::cli

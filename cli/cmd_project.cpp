// chromanick-cli project: the code line of a project file, as "Générer le
// pseudo." gives it right after the file is opened in a fresh main editor.
#include "editorsession.h"
#include "output.h"
#include "registry.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    const QString path =
        singleFileName(scanArguments(args, [](const QString&, ArgScanner&) { return false; }),
                       QStringLiteral("le fichier de projet"));
    EditorSession session;
    session.model.openProjectFile(path);
    session.throwIfFailed();
    session.model.generate();
    printResult(session.model.output());
    return 0;
}

const Registrar registrar{{
    QStringLiteral("project"),
    QStringLiteral("affiche le code d'un projet .nkp, comme après « Ouvrir un projet »"),
    QStringLiteral("project FICHIER.nkp\n"
                   "  FICHIER.nkp            le projet à ouvrir (listes de décorations : "
                   "entrées intégrées puis combo1.dll et combo2.dll)"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli

// chromanick-cli save-project: sets up a fresh main editor as the options
// say and saves it as "Enregistrer un projet (.nkp)" does.
#include "editorsession.h"
#include "output.h"
#include "registry.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    const EditorCommandLine line =
        parseEditorCommandLine(args, QStringLiteral("le fichier de projet à écrire"));
    EditorSession session;
    session.setUp(line.options, line.lookalike);
    session.platform.filePath = line.file;
    session.model.saveProject();
    session.throwIfFailed();
    return 0;
}

const Registrar registrar{{
    QStringLiteral("save-project"),
    QStringLiteral("enregistre un projet .nkp, comme « Enregistrer un projet (.nkp) »"),
    QStringLiteral("save-project SORTIE.nkp ") + composeOptionsSyntax() +
        QStringLiteral(" [--lookalike] PSEUDO\n") + editorCommandOptionsUsage(),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli

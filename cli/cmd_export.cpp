// chromanick-cli export: generates the code in a fresh main editor set up as
// the options say and writes it as "Enregistrer (.txt)" does.
#include "editorsession.h"
#include "output.h"
#include "registry.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    const EditorCommandLine line =
        parseEditorCommandLine(args, QStringLiteral("le fichier texte à écrire"));
    EditorSession session;
    session.setUp(line.options, line.lookalike);
    session.model.generate();
    session.platform.filePath = line.file;
    session.model.exportText();
    session.throwIfFailed();
    return 0;
}

const Registrar registrar{{
    QStringLiteral("export"),
    QStringLiteral("écrit le code d'un pseudo dans un fichier texte, comme « Enregistrer (.txt) »"),
    QStringLiteral("export SORTIE.txt ") + composeOptionsSyntax() +
        QStringLiteral(" [--lookalike] PSEUDO\n") + editorCommandOptionsUsage(),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli

#include "storage/projectfile.h"
#include "fuzz/bodies.h"
#include "fuzz/check.h"
#include "storage/textfile.h"

namespace chromanick::fuzz {

namespace {

// Lengths of the two decoration lists the project is checked against: the
// built-in entries plus a few user entries on the prefix side.
constexpr int kCombo1Count = 60;
constexpr int kCombo2Count = 56;

bool isColour(const std::optional<BgrColor>& colour) {
    return !colour || (*colour & 0xFF000000u) == 0;
}

}  // namespace

void projectFile(QByteArrayView data) {
    // What readProject does with the bytes of a file, without the file.
    const QStringList lines = textfile::splitLines(textfile::decode(data.toByteArray()));
    const std::optional<NickProject> project = parseProject(lines, kCombo1Count, kCombo2Count);
    if (!project) return;
    // What passes the validator can be applied to the editor as it is.
    FUZZ_CHECK(project->Combo1Index >= -1 && project->Combo1Index < kCombo1Count);
    FUZZ_CHECK(project->Combo2Index >= -1 && project->Combo2Index < kCombo2Count);
    FUZZ_CHECK(isColour(project->CustomForeground));
    FUZZ_CHECK(isColour(project->CustomBackground));
    FUZZ_CHECK(isColour(project->DitColour));
    FUZZ_CHECK(project->Nickname == lines.value(5));
}

}  // namespace chromanick::fuzz

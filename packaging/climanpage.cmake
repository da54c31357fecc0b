# cmake -DPROGRAM=path/to/chromanick-cli -DVERSION=x.y.z -DOUT=chromanick-cli.1 -P climanpage.cmake
# The manual page of chromanick-cli, made from its own --help so that both
# always say the same.
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${PROGRAM} --help: ${failed}")
endif()
# Shown as written: backslashes doubled, a leading dot or quote protected.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(WRITE ${OUT} ".TH CHROMANICK-CLI 1 \"\" \"chromanick-cli ${VERSION}\" \"Commandes utilisateur\"
.SH NOM
chromanick-cli \\- compose les codes Messenger Plus! 3 de Chromanick sans fenêtre
.SH SYNOPSIS
.B chromanick-cli
.I COMMANDE
[\\fIOPTIONS\\fR] \\fIARGUMENTS\\fR
.br
.B chromanick-cli
\\fB\\-\\-version\\fR | \\fB\\-\\-help\\fR
.SH DESCRIPTION
Le texte qui suit est celui de
.BR \"chromanick-cli --help\" .
.PP
.nf
${help}.fi
.SH VOIR AUSSI
.BR chromanick (1)
")

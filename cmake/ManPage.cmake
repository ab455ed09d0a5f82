# Writes the manual page of gorlin-cli from its own help: `gorlin-cli --help` for the synopsis and
# the list of commands, and `gorlin-cli COMMAND --help` for each command's section.
#
#   cmake -DCLI=path/to/gorlin-cli -DOUT=gorlin-cli.1 -DVERSION=4.7 -P cmake/ManPage.cmake

foreach(var CLI OUT VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManPage.cmake needs -D${var}=...")
  endif()
endforeach()

function(run_help out)
  execute_process(COMMAND "${CLI}" ${ARGN} --help
    OUTPUT_VARIABLE text ERROR_VARIABLE problem RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${ARGN} --help failed (${status}): ${problem}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text shown as it stands: backslashes and hyphens escaped, lines that troff would take for
# requests guarded.
function(troff_literal out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(${out} ".nf\n${text}\n.fi\n" PARENT_SCOPE)
endfunction()

run_help(help)
# Command lines of the listing: two blanks, the name, at least two blanks, the summary.
string(REGEX MATCH "\nCommands:\n.*" listing "${help}")
string(REGEX MATCHALL "\n  [a-z][-a-z0-9]*  " names "${listing}")
if(NOT names)
  message(FATAL_ERROR "no commands found in the help of ${CLI}")
endif()

troff_literal(synopsis "${help}")
set(page ".TH GORLIN\\-CLI 1 \"\" \"Gorlin ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\ngorlin\\-cli \\- follow football leagues from the command line\n")
string(APPEND page ".SH SYNOPSIS\n${synopsis}")
string(APPEND page ".SH DESCRIPTION\n"
  "The command line of Gorlin: the same league files (\\fB.DIV\\fR), tables, statistics, "
  "queries and checks as the program \\fBgorlin\\fR, for scripts and league administrators. "
  "Texts are written in UTF\\-8.\n")
string(APPEND page ".SH COMMANDS\n")
foreach(entry IN LISTS names)
  string(STRIP "${entry}" name)
  run_help(usage "${name}")
  troff_literal(usage "${usage}")
  string(REPLACE "-" "\\-" title "${name}")
  string(APPEND page ".SS ${title}\n${usage}")
endforeach()
string(APPEND page ".SH EXIT STATUS\n"
  ".TP\n0\nsuccess\n"
  ".TP\n1\na failed check or an unreadable file; the reason is written to standard error\n"
  ".TP\n2\nbad usage; the usage is written to standard error\n")
string(APPEND page ".SH FILES\n"
  ".TP\n\\fIgorlin.ini\\fR\n"
  "the settings, in the folder given with \\fB\\-\\-config\\-dir\\fR, else beside a portable "
  "program, else in \\fI$XDG_CONFIG_HOME/gorlin\\fR (\\fI~/.config/gorlin\\fR)\n")
string(APPEND page ".SH SEE ALSO\n\\fBgorlin\\fR \\-\\-help, and the user guide in "
  "\\fIshare/gorlin/guide/index.html\\fR of the installation\n")

file(WRITE "${OUT}.tmp" "${page}")
file(RENAME "${OUT}.tmp" "${OUT}")

# Writes a gzip-compressed manual page made from a program's --help text.
#   cmake -DPROGRAM=path -DNAME=anodisation-calc -DSUMMARY="one line"
#         -DSEE_ALSO=anodisation -DVERSION=1.0.0 -DGZIP=path
#         -DOUTPUT=path/anodisation-calc.1.gz [-DCOMMANDS=plan]
#         [-DRUNNER=qemu-aarch64-static] -P man_page.cmake
# RUNNER is the emulator a cross-built program runs under, if any.
# The help is shown as it is, in a no-fill block: it is already laid out
# for a terminal, in French and English. Backslashes, hyphens and lines that
# start with a control character are escaped for roff. Each of COMMANDS
# ("anodisation-calc plan --help") adds a section of its own help.
function(help_text out)
  execute_process(COMMAND ${RUNNER} ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "while writing the manual page of ${NAME}: ${PROGRAM} ${ARGN} --help failed (${status}): ${error}")
  endif()
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  set(${out} "${help}" PARENT_SCOPE)
endfunction()

help_text(help)
set(commands "")
foreach(command IN LISTS COMMANDS)
  help_text(command_help ${command})
  string(TOUPPER "${command}" command_title)
  string(APPEND commands ".SH ${command_title}\n.nf\n${command_help}.fi\n")
endforeach()
string(REPLACE "-" "\\-" name "${NAME}")
string(REPLACE "-" "\\-" see_also "${SEE_ALSO}")
string(TOUPPER "${NAME}" title)

file(WRITE ${OUTPUT}.tmp
".TH ${title} 1 \"\" \"Anodisation ${VERSION}\" \"User Commands\"
.SH NAME
${name} \\- ${SUMMARY}
.SH DESCRIPTION
.nf
${help}.fi
${commands}.SH SEE ALSO
.BR ${see_also} (1)
")
# -n: no name or time stamp in the header, so that builds are reproducible.
execute_process(COMMAND ${GZIP} -9nf ${OUTPUT}.tmp RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "while compressing the manual page of ${NAME}: ${GZIP} failed (${status})")
endif()
file(RENAME ${OUTPUT}.tmp.gz ${OUTPUT})

# Run by CPack on the staged files, after its own strip: drops the compiler's
# .comment and the .note section as Debian's own packaging tools do (the
# build ID note stays, for debug symbols looked up by ID).
file(GLOB programs ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*)
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_STRIP} --remove-section=.comment --remove-section=.note ${program}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "while stripping ${program}: ${CPACK_STRIP} failed (${status})")
  endif()
endforeach()

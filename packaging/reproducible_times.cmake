# Run by CPack on the staged files, last: sets the time of every staged file,
# link and folder to the source date (SOURCE_DATE_EPOCH when cpack runs with
# it, else the one the build was configured with), so that the archive does
# not carry the times of this build, which differ from one build to the next.
# CPack's DEB generator then dates the members of the .deb (its "ar" headers)
# from SOURCE_DATE_EPOCH, or from the clock when it is unset: it is set here
# for the rest of this cpack run.
set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
  set(epoch ${CPACK_ANOD_SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @${epoch} {} +
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "while setting the staged files' times to ${epoch}: find/touch failed (${status})")
endif()

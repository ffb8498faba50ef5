# Compiles one help project with chmcmd, with the files its folder shares with the other project
# (SHARED) beside its own. chmcmd reports a missing contents file or page as a warning and still
# writes a file, so its messages are checked too.
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/ ${SHARED} DESTINATION ${WORK})
execute_process(COMMAND ${CHMCMD} --no-html-scan ${PROJECT}
    WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
file(GLOB compiled ${WORK}/*.chm)
if(NOT result EQUAL 0 OR output MATCHES "Error|Warning|exception" OR NOT compiled)
    message(FATAL_ERROR "chmcmd failed on ${SOURCE}/${PROJECT}:\n${output}")
endif()
list(GET compiled 0 compiled)
file(COPY_FILE ${compiled} ${OUTPUT})

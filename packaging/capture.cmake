# cmake -DPROGRAM=path/to/program -DARGS=a;b -DOUT=file -P capture.cmake
# Writes what the program prints on stdout into a file, and fails with it.
execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_FILE ${OUT} RESULT_VARIABLE failed)
if(failed)
    file(REMOVE ${OUT})
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: ${failed}")
endif()

# cmake -DIN=file -DOUT=file.gz -P gzip.cmake
# Compresses as Debian wants it: best compression, no name or time stamp
# stored (gzip -9n), so that the same input always gives the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
execute_process(COMMAND ${GZIP_PROGRAM} -9n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip ${IN}: ${failed}")
endif()
